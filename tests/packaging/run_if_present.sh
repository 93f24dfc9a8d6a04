#!/bin/sh
# Runs a checking tool, or reports the test skipped (77) where it is not installed.
command -v "$1" >/dev/null 2>&1 || exit 77
exec "$@"
