#include "simulation/diode_models.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <set>
#include <sstream>

#include "design/ratings/diode_catalogue.h"
#include "simulation/diode_library_text.h"
#include "simulation/spice_values.h"

namespace tavro::simulation {
namespace {

std::string Upper(std::string_view s) {
  std::string u(s);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

// The parameters of ngspice's junction diode, with what each may hold.
enum class Range { Positive, NonNegative, Any, Fraction };

struct Parameter {
  const char* Name;
  Range Allowed;
};

constexpr Parameter kParameters[] = {
    {"IS", Range::Positive},      {"JS", Range::Positive},     {"JSW", Range::NonNegative},
    {"N", Range::Positive},       {"RS", Range::NonNegative},  {"IK", Range::NonNegative},
    {"IKF", Range::NonNegative},  {"IKR", Range::NonNegative}, {"TT", Range::NonNegative},
    {"CJO", Range::NonNegative},  {"CJ0", Range::NonNegative}, {"CJ", Range::NonNegative},
    {"VJ", Range::Positive},      {"PB", Range::Positive},     {"M", Range::Fraction},
    {"MJ", Range::Fraction},      {"FC", Range::Fraction},     {"CJP", Range::NonNegative},
    {"CJSW", Range::NonNegative}, {"PHP", Range::Positive},    {"MJSW", Range::Fraction},
    {"FCS", Range::Fraction},     {"BV", Range::Positive},     {"IBV", Range::Positive},
    {"NBV", Range::Positive},     {"TCV", Range::Any},         {"EG", Range::Positive},
    {"XTI", Range::Any},          {"KF", Range::NonNegative},  {"AF", Range::Positive},
    {"TNOM", Range::Any},         {"TRS", Range::Any},         {"TRS1", Range::Any},
    {"TRS2", Range::Any},         {"TM1", Range::Any},         {"TM2", Range::Any},
    {"TTT1", Range::Any},         {"TTT2", Range::Any},        {"ISR", Range::NonNegative},
    {"NR", Range::Positive},
};

const Parameter* Find(const std::string& name) {
  for (const Parameter& p : kParameters) {
    if (name == p.Name) return &p;
  }
  return nullptr;
}

void Check(const Parameter& p, double value) {
  const std::string what = std::string("diode parameter ") + p.Name;
  switch (p.Allowed) {
    case Range::Positive:
      RequirePositive(value, what);
      break;
    case Range::NonNegative:
      RequireNonNegative(value, what);
      break;
    case Range::Fraction:
      if (!(value >= 0.0 && value < 1.0)) throw RejectedValue(what + " must lie in [0, 1)");
      break;
    case Range::Any:
      break;
  }
}

bool NameCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.';
}

// Splits the text into words; "(", ")", "," and "=" stand alone or separate.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  const auto flush = [&] {
    if (!word.empty()) words.push_back(word);
    word.clear();
  };
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == ',' || c == '(' || c == ')') {
      flush();
    } else if (c == '=') {
      flush();
      words.emplace_back("=");
    } else {
      word += c;
    }
  }
  flush();
  return words;
}

}  // namespace

DiodeModel ValidateModelLine(std::string_view text) {
  // Continuation lines ("\n+ ...") join the first; any other control
  // character is refused, so nothing but this one line can be injected.
  std::string joined;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') continue;
    if (c == '\n') {
      std::size_t j = i + 1;
      while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) ++j;
      if (j >= text.size()) break;
      if (text[j] != '+')
        throw RejectedValue("a model must be one .model line (or + continuations)");
      joined += ' ';
      i = j;
      continue;
    }
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
      throw RejectedValue("the model line holds a control character");
    }
    if (static_cast<unsigned char>(c) >= 0x80)
      throw RejectedValue("the model line holds a non-ASCII character");
    if (c == ';' || c == '$' || c == '{' || c == '}' || c == '\'') {
      throw RejectedValue(std::string("the model line holds '") + c + "'");
    }
    joined += c;
  }

  const std::vector<std::string> w = Words(joined);
  if (w.empty() || Upper(w[0]) != ".MODEL") throw RejectedValue("a diode model starts with .model");
  if (w.size() < 3) throw RejectedValue("a .model line needs a name and the type D");
  const std::string& name = w[1];
  if (name.size() > 64 || !std::all_of(name.begin(), name.end(), NameCharacter) ||
      !std::isalnum(static_cast<unsigned char>(name[0]))) {
    throw RejectedValue("\"" + name + "\" is not a model name (letters, digits, _ - .)");
  }
  if (Upper(w[2]) != "D") throw RejectedValue("the model type must be D (a diode), not " + w[2]);

  std::ostringstream line;
  line << ".model " << name << " D(";
  std::set<std::string> seen;
  for (std::size_t i = 3; i < w.size(); i += 3) {
    if (i + 2 >= w.size() || w[i + 1] != "=") {
      throw RejectedValue("expected PARAMETER=VALUE at \"" + w[i] + "\"");
    }
    const std::string key = Upper(w[i]);
    const Parameter* p = Find(key);
    if (p == nullptr) throw RejectedValue("unknown diode parameter " + w[i]);
    if (!seen.insert(key).second) throw RejectedValue("diode parameter " + key + " given twice");
    const double value = ParseSpiceNumber(w[i + 2]);
    Check(*p, value);
    line << (seen.size() > 1 ? " " : "") << key << '=' << SpiceNumber(value);
  }
  line << ')';
  return DiodeModel{name, {}, {}, line.str()};
}

double BreakdownVoltage(std::string_view line) {
  const std::size_t open = line.find('(');
  if (open == std::string_view::npos) return std::nan("");
  const std::vector<std::string> w = Words(line.substr(open));
  for (std::size_t i = 0; i + 2 < w.size(); ++i) {
    if (Upper(w[i]) == "BV" && w[i + 1] == "=") return ParseSpiceNumber(w[i + 2]);
  }
  return std::nan("");
}

double RatedReverseVoltage(const std::string& name, std::string_view line) {
  double rated = BreakdownVoltage(line);
  // A shipped model is rated at its datasheet's VRRM (the catalogue) where
  // that is below its breakdown.
  for (const DiodeModel& m : ShippedDiodes()) {
    if (m.Line != line || m.Name != name) continue;
    if (const design::ratings::DiodeDatasheet* d = design::ratings::FindDiode(name)) {
      const double vrrm = static_cast<double>(d->Vrrm);
      rated = std::isnan(rated) ? vrrm : std::min(rated, vrrm);
    }
  }
  return rated;
}

std::string_view DiodeLibraryText() {
  return kDiodeLibraryText;
}

const std::vector<DiodeModel>& ShippedDiodes() {
  static const std::vector<DiodeModel> models = [] {
    std::vector<DiodeModel> list;
    std::istringstream in{std::string(DiodeLibraryText())};
    std::string text, about, source;
    while (std::getline(in, text)) {
      if (text.rfind("* about: ", 0) == 0) about = text.substr(9);
      if (text.rfind("* source: ", 0) == 0) source = text.substr(10);
      if (text.rfind(".model", 0) == 0) {
        DiodeModel m = ValidateModelLine(text);
        m.About = about;
        m.Source = source;
        list.push_back(std::move(m));
        about.clear();
        source.clear();
      }
    }
    return list;
  }();
  return models;
}

const DiodeModel& ShippedDiode(std::string_view name) {
  std::string known;
  for (const DiodeModel& m : ShippedDiodes()) {
    if (Upper(m.Name) == Upper(name)) return m;
    known += (known.empty() ? "" : ", ") + m.Name;
  }
  throw RejectedValue("no shipped diode model " + std::string(name) + " (known: " + known + ")");
}

}  // namespace tavro::simulation
