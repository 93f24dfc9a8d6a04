#!/usr/bin/env python3
"""Compares two builds of tavro-cli over a grid of designs, number by number.

Usage: tools/compare_builds.py OLD_TAVRO_CLI NEW_TAVRO_CLI

Runs 1512 designs (12 voltages x 7 currents x 3 flux densities x 3 diode drops
x 1 and 2 limbs, ripple 1 %) through both programs' --json output and prints:
the designs whose outcome differs, the designs where a shown text (a window
field) differs, and for every full-precision quantity the largest relative
change and where it occurs. Numbers are compared as exact decimals.
"""
import itertools
import json
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor
from decimal import Decimal, getcontext

getcontext().prec = 50
VOLTAGES = ["0.025", "0.05", "0.2", "1", "5", "12", "24", "48", "110", "220", "500", "1000"]
CURRENTS = ["0.02", "0.1", "0.5", "1", "5", "20", "50"]
FLUXES = ["0.8", "1.2", "1.8"]
DROPS = ["0.3", "0.7", "1.5"]


def run(cli, design):
    u0, i0, bm, ud, limbs = design
    args = [cli, "--json", "--decimal-separator", ".", "--voltage", u0, "--current", i0,
            "--ripple", "1", "--limbs", str(limbs), "--flux", bm, "--diode-drop", ud]
    out = subprocess.run(args, capture_output=True, text=True).stdout
    return json.loads(out, parse_float=Decimal) if out.strip() else {}


def numbers(doc):
    """Every number of the calculation by a path name (load rows by column)."""
    found = {}
    for group in ("parameters", "angles", "coefficients", "results"):
        for key, value in doc.get(group, {}).items():
            found[key] = [Decimal(value)]
    for row in doc.get("load_table", []):
        for key, value in row.items():
            found.setdefault("load " + key, []).append(Decimal(value))
    return found


def main():
    old_cli, new_cli = sys.argv[1], sys.argv[2]
    designs = list(itertools.product(VOLTAGES, CURRENTS, FLUXES, DROPS, (1, 2)))
    with ThreadPoolExecutor(max_workers=4) as pool:
        old = list(pool.map(lambda d: run(old_cli, d), designs))
        new = list(pool.map(lambda d: run(new_cli, d), designs))
    largest = {}
    outcome_changes, text_changes, complete = [], [], 0
    for design, a, b in zip(designs, old, new):
        name = "%s V %s A %s T %s V %d limb(s)" % design
        if ("results" in a) != ("results" in b) or a.get("error") != b.get("error"):
            outcome_changes.append(name)
            continue
        if "results" not in a:
            continue
        complete += 1
        if a.get("fields") != b.get("fields"):
            diff = [k for k in a["fields"] if a["fields"][k] != b["fields"].get(k)]
            text_changes.append(name + ": " + ", ".join(diff))
        na, nb = numbers(a), numbers(b)
        for key in na:
            for x, y in zip(na[key], nb[key]):
                if x == y:
                    continue
                change = abs(x - y) / max(abs(x), abs(y))
                if change > largest.get(key, (Decimal(0), ""))[0]:
                    largest[key] = (change, name)
    print("%d designs, %d complete in both" % (len(designs), complete))
    print("outcome differs: %d %s" % (len(outcome_changes), outcome_changes[:10]))
    print("a shown text differs: %d %s" % (len(text_changes), text_changes[:10]))
    for key, (change, name) in sorted(largest.items(), key=lambda kv: -kv[1][0]):
        print("  %-18s %.2e  (%s)" % (key, change, name))
    return 0


if __name__ == "__main__":
    sys.exit(main())
