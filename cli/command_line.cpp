#include "cli/command_line.h"

#include <langinfo.h>
#include <locale.h>

#include <CLI/CLI.hpp>
#include <cstring>

#include "cli/output.h"
#include "design/memory_window.h"
#include "design/procedure.h"

namespace tavro::cli {

using design::Field;

char LocaleDecimalSeparator() {
  const locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return '.';
  const char* radix = nl_langinfo_l(RADIXCHAR, user);
  const char separator = (radix != nullptr && std::strlen(radix) == 1) ? radix[0] : '.';
  freelocale(user);
  return separator;
}

namespace {

struct Options {
  std::string voltage, current, ripple, flux, diodeDrop, separator;
  int limbs = 1;
  bool json = false;
};

void Describe(CLI::App& app, Options& o) {
  // As with most tools, an option given twice takes its last value.
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.add_option("--voltage", o.voltage, "rated rectified voltage, V (Edit1)");
  app.add_option("--current", o.current, "rated rectified current, A (Edit2)");
  app.add_option("--ripple", o.ripple, "ripple factor of the rectified voltage, % (Edit3)");
  app.add_option("--limbs", o.limbs, "transformer limbs that carry windings")
      ->check(CLI::IsMember({1, 2}));
  app.add_option("--flux", o.flux, "peak flux density in the core, T (Edit5)");
  app.add_option("--diode-drop", o.diodeDrop, "forward voltage drop of one diode, V (Edit6)");
  app.add_option("--decimal-separator", o.separator,
                 "decimal separator of inputs and results (default: the locale's)")
      ->check(CLI::IsMember({",", "."}));
  app.add_flag("--json", o.json, "print one JSON object");
  app.footer(
      "Texts are read exactly as the window's fields read them; an option left out is an empty "
      "field. Write a negative value as --voltage=-1.\n"
      "Exit status: 0 designed, 1 usage error, 2 input rejected, 3 calculation refused or failed.");
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"Tavro: single-phase bridge rectifier with a capacitor filter, "
               "taking the transformer's leakage inductance into account"};
  Options o;
  Describe(app, o);
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e, out, err);
    return code == 0 ? kExitDesigned : kExitUsage;
  }

  const char separator = o.separator.empty() ? LocaleDecimalSeparator() : o.separator[0];
  design::MemoryWindow window;
  design::DesignProcedure procedure(separator);
  procedure.FormCreate(window);
  window.Type(Field::Edit1, o.voltage);
  window.Type(Field::Edit2, o.current);
  window.Type(Field::Edit3, o.ripple);
  window.ChooseLimbs(o.limbs);
  window.Type(Field::Edit5, o.flux);
  window.Type(Field::Edit6, o.diodeDrop);

  const design::ClickOutcome outcome = procedure.Button1Click(window);
  if (outcome != design::ClickOutcome::Complete) {
    const std::string& message = window.Messages().back();
    if (o.json) {
      out << RenderJsonError(message);
    } else {
      err << message << '\n';
    }
    return outcome == design::ClickOutcome::InputRejected ? kExitInputRejected
                                                          : kExitCalculationFailed;
  }
  out << (o.json ? RenderJson(window, procedure) : RenderText(window, procedure));
  return kExitDesigned;
}

}  // namespace tavro::cli
