#include "design/design_file.h"

#include <rapidjson/document.h>
#include <rapidjson/encodings.h>
#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>

#include "design/decimal.h"
#include "mathem/decimal_reading.h"
#include "design/text_template.h"
#include "design/texts.h"

namespace tavro::design {
namespace {

// A typed text is a short line; anything longer is not a field's text.
constexpr std::size_t kMaxInputText = 256;

struct InputEntry {
  const char* Key;
  std::string InputTexts::*Text;
};

constexpr InputEntry kTextEntries[] = {
    {"voltage", &InputTexts::U0}, {"current", &InputTexts::I0},    {"ripple", &InputTexts::Kp},
    {"flux", &InputTexts::Bm},    {"diode_drop", &InputTexts::Ud},
};
constexpr const char* kLimbsKey = "limbs";
constexpr const char* kTopKeys[] = {"format", "version", "decimal_separator", "inputs",
                                    "mains",  "parts",   "simulation",        "analysis"};
// The entries of version 1; the others came with version 2.
constexpr std::size_t kVersion1Keys = 4;

// A setting's name or .model line; longer is not the program's.
constexpr std::size_t kMaxSettingText = 4096;

// One entry of the settings: a number or a name in one of the sections.
struct SettingEntry {
  const char* Section;
  const char* Key;
  std::optional<long double> DesignSettings::*Number;
  std::optional<std::string> DesignSettings::*Name;
};

constexpr const char* kSections[] = {"mains", "parts", "simulation"};
constexpr SettingEntry kSettingEntries[] = {
    {"mains", "voltage", &DesignSettings::MainsVoltage, nullptr},
    {"mains", "frequency", &DesignSettings::MainsFrequency, nullptr},
    {"mains", "tolerance_percent", &DesignSettings::MainsTolerancePercent, nullptr},
    {"parts", "capacitor_tolerance_percent", &DesignSettings::CapacitorTolerancePercent, nullptr},
    {"parts", "capacitor_series", nullptr, &DesignSettings::CapacitorSeries},
    {"parts", "diode_margin", &DesignSettings::DiodeMargin, nullptr},
    {"parts", "capacitor_margin", &DesignSettings::CapacitorMargin, nullptr},
    {"parts", "capacitor_esr", &DesignSettings::CapacitorEsr, nullptr},
    {"parts", "capacitor_life_hours", &DesignSettings::CapacitorLife, nullptr},
    {"parts", "capacitor_temperature", &DesignSettings::CapacitorTemperature, nullptr},
    {"parts", "ambient", &DesignSettings::Ambient, nullptr},
    {"parts", "core_loss_share", &DesignSettings::CoreLossShare, nullptr},
    {"parts", "fuse_factor", &DesignSettings::FuseFactor, nullptr},
    {"parts", "surge_limit", &DesignSettings::SurgeLimit, nullptr},
    {"parts", "diode", nullptr, &DesignSettings::Diode},
    {"simulation", "diode", nullptr, &DesignSettings::SimulationDiode},
    {"simulation", "diode_model", nullptr, &DesignSettings::SimulationModel},
    {"simulation", "esr", &DesignSettings::SimulationEsr, nullptr},
    {"simulation", "load", nullptr, &DesignSettings::SimulationLoad},
};
constexpr const char* kInputKeys[] = {"voltage", "current",    "ripple",
                                      "flux",    "diode_drop", "limbs"};

// The check of a transformer one has: its texts, then its flags and choices.
struct AnalysisEntry {
  const char* Key;
  std::string AnalysisTexts::*Text;
};
constexpr AnalysisEntry kAnalysisTexts[] = {
    {"voltage", &AnalysisTexts::Voltage},
    {"current", &AnalysisTexts::Current},
    {"va", &AnalysisTexts::Power},
    {"r1", &AnalysisTexts::PrimaryResistance},
    {"r2", &AnalysisTexts::SecondaryResistance},
    {"regulation", &AnalysisTexts::Regulation},
    {"leakage", &AnalysisTexts::Leakage},
    {"short_circuit_voltage", &AnalysisTexts::ShortCircuitVoltage},
    {"short_circuit_current", &AnalysisTexts::ShortCircuitCurrent},
    {"capacitance", &AnalysisTexts::Capacitance},
    {"load_current", &AnalysisTexts::LoadCurrent},
    {"diode_drop", &AnalysisTexts::DiodeDrop},
    {"flux", &AnalysisTexts::Flux},
};
constexpr const char* kAnalysisKeys[] = {"active",
                                         "voltage",
                                         "no_load",
                                         "current",
                                         "va",
                                         "r1",
                                         "r2",
                                         "regulation",
                                         "kind",
                                         "leakage",
                                         "short_circuit_voltage",
                                         "short_circuit_current",
                                         "capacitance",
                                         "load_current",
                                         "diode_drop",
                                         "flux",
                                         "limbs"};

DesignFileError Error(DesignFileProblem problem, std::string detail = {}) {
  return {problem, std::move(detail)};
}

// A string value whole, embedded NUL characters included.
std::string_view View(const rapidjson::Value& value) {
  return {value.GetString(), value.GetStringLength()};
}

// The first key of `object` that appears in it more than once, or nothing.
// Only called once every key is known to be one of `keys`, so each key is
// compared with the few known ones, never with all the others.
template <std::size_t N>
std::optional<std::string_view> Repeated(const rapidjson::Value& object,
                                         const char* const (&keys)[N]) {
  for (const char* key : keys) {
    int seen = 0;
    for (const auto& m : object.GetObject()) {
      if (View(m.name) == key && ++seen > 1) return key;
    }
  }
  return std::nullopt;
}

template <std::size_t N>
bool Known(std::string_view key, const char* const (&keys)[N]) {
  for (const char* k : keys) {
    if (key == k) return true;
  }
  return false;
}

// The member's value, or nothing.
const rapidjson::Value* Member(const rapidjson::Value& object, const char* key) {
  return object.HasMember(key) ? &object[key] : nullptr;
}

// Well-formed UTF-8. The parser checks the file's bytes, but turns an escaped
// lone surrogate ("\udc00") into bytes that are not UTF-8.
bool ValidUtf8(std::string_view text) {
  struct Discard {
    void Put(char) {}
  } sink;
  rapidjson::MemoryStream in(text.data(), text.size());
  while (in.Tell() < text.size()) {
    if (!rapidjson::UTF8<>::Validate(in, sink)) return false;
  }
  return true;
}

std::optional<DesignFileError> ReadInputs(const rapidjson::Value& inputs, char from, char to,
                                          InputTexts& out) {
  if (!inputs.IsObject()) return Error(DesignFileProblem::BadEntry, "inputs");
  for (const auto& m : inputs.GetObject()) {
    const std::string key(View(m.name));
    if (!Known(key, kInputKeys)) return Error(DesignFileProblem::UnknownEntry, "inputs." + key);
  }
  if (const auto key = Repeated(inputs, kInputKeys)) {
    return Error(DesignFileProblem::DuplicateEntry, "inputs." + std::string(*key));
  }
  for (const InputEntry& e : kTextEntries) {
    const rapidjson::Value* text = Member(inputs, e.Key);
    if (text == nullptr || !text->IsString() || text->GetStringLength() > kMaxInputText ||
        !ValidUtf8(View(*text))) {
      return Error(DesignFileProblem::BadEntry, std::string("inputs.") + e.Key);
    }
    out.*e.Text = WithSeparator(std::string(View(*text)), from, to);
  }
  const rapidjson::Value* limbs = Member(inputs, kLimbsKey);
  if (limbs == nullptr || !limbs->IsInt() || (limbs->GetInt() != 1 && limbs->GetInt() != 2)) {
    return Error(DesignFileProblem::BadEntry, std::string("inputs.") + kLimbsKey);
  }
  out.Limbs = std::to_string(limbs->GetInt());
  return std::nullopt;
}

// The number a file's decimal stands for, in extended precision: the JSON
// reader gives the nearest double, whose shortest decimal is the file's own
// digits (numbers are written so), read again to the nearest extended value.
// So 1.2 comes back as the extended 1.2, not the double nearest it.
long double Extended(double value) {
  char digits[64];
  const auto written = std::to_chars(digits, digits + sizeof digits, value);
  const auto read =
      mathem::ReadDecimal(std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
  return read && read->Range == mathem::DecimalRange::Within ? read->Value : value;
}

std::optional<DesignFileError> ReadSection(const rapidjson::Value& section, const char* name,
                                           DesignSettings& out) {
  const std::string prefix = std::string(name) + ".";
  if (!section.IsObject()) return Error(DesignFileProblem::BadEntry, name);
  for (const auto& m : section.GetObject()) {
    const std::string_view key = View(m.name);
    int seen = 0;
    for (const SettingEntry& e : kSettingEntries) {
      if (e.Section != std::string_view(name) || key != e.Key) continue;
      ++seen;
      // Given twice: which one would count is anybody's guess.
      if ((e.Number && out.*e.Number) || (e.Name && out.*e.Name)) {
        return Error(DesignFileProblem::DuplicateEntry, prefix + e.Key);
      }
      if (e.Number) {
        if (!m.value.IsNumber()) return Error(DesignFileProblem::BadEntry, prefix + e.Key);
        out.*e.Number = Extended(m.value.GetDouble());
      } else {
        if (!m.value.IsString() || m.value.GetStringLength() > kMaxSettingText ||
            !ValidUtf8(View(m.value))) {
          return Error(DesignFileProblem::BadEntry, prefix + e.Key);
        }
        out.*e.Name = std::string(View(m.value));
      }
    }
    if (seen == 0) return Error(DesignFileProblem::UnknownEntry, prefix + std::string(key));
  }
  return std::nullopt;
}

// Every entry may be left out: a text is then blank, a flag off, the kind
// laminated and the limbs one.
std::optional<DesignFileError> ReadAnalysis(const rapidjson::Value& analysis, char from, char to,
                                            AnalysisTexts& out) {
  if (!analysis.IsObject()) return Error(DesignFileProblem::BadEntry, "analysis");
  for (const auto& m : analysis.GetObject()) {
    const std::string key(View(m.name));
    if (!Known(key, kAnalysisKeys)) {
      return Error(DesignFileProblem::UnknownEntry, "analysis." + key);
    }
  }
  if (const auto key = Repeated(analysis, kAnalysisKeys)) {
    return Error(DesignFileProblem::DuplicateEntry, "analysis." + std::string(*key));
  }
  for (const AnalysisEntry& e : kAnalysisTexts) {
    const rapidjson::Value* text = Member(analysis, e.Key);
    if (text == nullptr) continue;
    if (!text->IsString() || text->GetStringLength() > kMaxInputText || !ValidUtf8(View(*text))) {
      return Error(DesignFileProblem::BadEntry, std::string("analysis.") + e.Key);
    }
    out.*e.Text = WithSeparator(std::string(View(*text)), from, to);
  }
  for (auto [key, flag] : {std::pair{"active", &AnalysisTexts::Active},
                           std::pair{"no_load", &AnalysisTexts::NoLoad}}) {
    const rapidjson::Value* value = Member(analysis, key);
    if (value == nullptr) continue;
    if (!value->IsBool()) return Error(DesignFileProblem::BadEntry, std::string("analysis.") + key);
    out.*flag = value->GetBool();
  }
  if (const rapidjson::Value* kind = Member(analysis, "kind")) {
    if (!kind->IsString() || (View(*kind) != "laminated" && View(*kind) != "toroidal")) {
      return Error(DesignFileProblem::BadEntry, "analysis.kind");
    }
    out.Kind = std::string(View(*kind));
  }
  if (const rapidjson::Value* limbs = Member(analysis, "limbs")) {
    if (!limbs->IsInt() || (limbs->GetInt() != 1 && limbs->GetInt() != 2)) {
      return Error(DesignFileProblem::BadEntry, "analysis.limbs");
    }
    out.Limbs = limbs->GetInt();
  }
  return std::nullopt;
}

void WriteAnalysis(rapidjson::PrettyWriter<rapidjson::StringBuffer>& w, const AnalysisTexts& a) {
  const auto text = [&w](const char* key, const std::string& value) {
    w.Key(key);
    w.String(value.c_str(), static_cast<rapidjson::SizeType>(value.size()));
  };
  w.Key("analysis");
  w.StartObject();
  w.Key("active");
  w.Bool(a.Active);
  w.Key("no_load");
  w.Bool(a.NoLoad);
  text("kind", a.Kind);
  w.Key("limbs");
  w.Int(a.Limbs == 2 ? 2 : 1);
  for (const AnalysisEntry& e : kAnalysisTexts) text(e.Key, a.*e.Text);
  w.EndObject();
}

}  // namespace

std::string WithSeparator(const std::string& text, char from, char to) {
  if (from == to || !ParseDecimal(text, from)) return text;
  std::string converted = text;
  const std::size_t at = converted.find(from);
  if (at != std::string::npos) converted[at] = to;
  return converted;
}

std::string DesignFileText(const DesignFile& file) {
  rapidjson::StringBuffer buffer;
  rapidjson::PrettyWriter<rapidjson::StringBuffer> w(buffer);
  w.SetIndent(' ', 2);
  w.StartObject();
  w.Key("format");
  w.String(kDesignFileFormat);
  w.Key("version");
  w.Int(kDesignFileVersion);
  w.Key("decimal_separator");
  const char separator[2] = {file.DecimalSeparator, '\0'};
  w.String(separator);
  w.Key("inputs");
  w.StartObject();
  for (const InputEntry& e : kTextEntries) {
    const std::string& text = file.Inputs.*e.Text;
    w.Key(e.Key);
    w.String(text.c_str(), static_cast<rapidjson::SizeType>(text.size()));
  }
  w.Key(kLimbsKey);
  w.Int(file.Inputs.Limbs == "2" ? 2 : 1);
  w.EndObject();
  for (const char* section : kSections) {
    bool started = false;
    for (const SettingEntry& e : kSettingEntries) {
      const bool given = e.Number ? (file.Settings.*e.Number).has_value()
                                  : (file.Settings.*e.Name).has_value();
      if (e.Section != std::string_view(section) || !given) continue;
      if (!started) {
        w.Key(section);
        w.StartObject();
        started = true;
      }
      w.Key(e.Key);
      if (e.Number) {
        w.Double(static_cast<double>(*(file.Settings.*e.Number)));
      } else {
        const std::string& name = *(file.Settings.*e.Name);
        w.String(name.c_str(), static_cast<rapidjson::SizeType>(name.size()));
      }
    }
    if (started) w.EndObject();
  }
  if (file.Analysis) WriteAnalysis(w, *file.Analysis);
  w.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize()) + "\n";
}

DesignFileReading ParseDesignFile(std::string_view text, char separator) {
  rapidjson::Document doc;
  // Iterative: however deep a file nests its arrays and objects, the parser
  // keeps them on the heap (bounded by the file's size), not on the stack.
  doc.Parse<rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag>(text.data(),
                                                                                    text.size());
  if (doc.HasParseError()) {
    return DesignFileError{DesignFileProblem::NotJson,
                           rapidjson::GetParseError_En(doc.GetParseError()), doc.GetErrorOffset()};
  }
  // The parser takes a NUL byte for the end of the text: whatever follows
  // one is more than the one document a design file holds.
  if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
    return DesignFileError{
        DesignFileProblem::NotJson,
        rapidjson::GetParseError_En(rapidjson::kParseErrorDocumentRootNotSingular), nul};
  }
  if (!doc.IsObject()) return Error(DesignFileProblem::NotADesign);
  const rapidjson::Value* format = Member(doc, "format");
  if (format == nullptr || !format->IsString() || View(*format) != kDesignFileFormat) {
    return Error(DesignFileProblem::NotADesign);
  }
  const rapidjson::Value* version = Member(doc, "version");
  if (version != nullptr && version->IsNumber() && !version->IsInt() &&
      version->GetDouble() > kDesignFileVersion) {
    char shown[32];
    std::snprintf(shown, sizeof shown, "%g", version->GetDouble());
    return Error(DesignFileProblem::NewerVersion, shown);
  }
  if (version == nullptr || !version->IsInt() || version->GetInt() < 1) {
    return Error(DesignFileProblem::BadEntry, "version");
  }
  if (version->GetInt() > kDesignFileVersion) {
    return Error(DesignFileProblem::NewerVersion, std::to_string(version->GetInt()));
  }
  const rapidjson::Value& root = doc;
  for (const auto& m : root.GetObject()) {
    const std::string key(View(m.name));
    const auto* const known = std::find(std::begin(kTopKeys), std::end(kTopKeys), key);
    const bool inVersion = known != std::end(kTopKeys) &&
                           (version->GetInt() >= 2 || known - std::begin(kTopKeys) <
                                                          static_cast<std::ptrdiff_t>(kVersion1Keys));
    if (!inVersion) return Error(DesignFileProblem::UnknownEntry, key);
  }
  if (const auto key = Repeated(root, kTopKeys)) {
    return Error(DesignFileProblem::DuplicateEntry, std::string(*key));
  }
  DesignFile file;
  const rapidjson::Value* sep = Member(doc, "decimal_separator");
  if (sep == nullptr || !sep->IsString() || (View(*sep) != "," && View(*sep) != ".")) {
    return Error(DesignFileProblem::BadEntry, "decimal_separator");
  }
  const char from = View(*sep)[0];
  const rapidjson::Value* inputs = Member(doc, "inputs");
  if (inputs == nullptr) return Error(DesignFileProblem::BadEntry, "inputs");
  if (auto error = ReadInputs(*inputs, from, separator, file.Inputs)) return *error;
  for (const char* section : kSections) {
    if (const rapidjson::Value* value = Member(doc, section)) {
      if (auto error = ReadSection(*value, section, file.Settings)) return *error;
    }
  }
  if (const rapidjson::Value* analysis = Member(doc, "analysis")) {
    file.Analysis.emplace();
    if (auto error = ReadAnalysis(*analysis, from, separator, *file.Analysis)) return *error;
  }
  file.DecimalSeparator = separator;
  return file;
}

DesignFileReading ReadDesignFile(const std::string& path, char separator) {
  const files::FileReading read = files::ReadRegularFile(path, kMaxDesignFileBytes);
  if (const auto* error = std::get_if<files::FileError>(&read)) {
    return DesignFileError{DesignFileProblem::CannotRead, {}, std::nullopt, *error};
  }
  return ParseDesignFile(std::get<std::string>(read), separator);
}

std::optional<DesignFileError> WriteDesignFile(const std::string& path, const DesignFile& file) {
  if (const auto error = files::ReplaceFile(path, DesignFileText(file))) {
    return DesignFileError{DesignFileProblem::CannotWrite, {}, std::nullopt, *error};
  }
  return std::nullopt;
}

std::string DescribeFileFault(const files::FileError& error, const TextLookup& lookup) {
  switch (error.Fault) {
    case files::FileFault::NotRegular:
      return lookup(texts::kContext, texts::kNotARegularFile);
    case files::FileFault::TooLarge:
      return lookup(texts::kContext, texts::kFileTooLarge);
    case files::FileFault::System:
      break;
  }
  return files::SystemReason(error);
}

std::string Printable(std::string_view text) {
  std::string shown;
  const auto escape = [&](unsigned char byte) {
    static constexpr char kHex[] = "0123456789abcdef";
    shown += "\\x";
    shown += kHex[byte >> 4];
    shown += kHex[byte & 15];
  };
  std::size_t i = 0;
  // Each pass takes at least one byte.
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7f) {
      escape(byte);
      ++i;
      continue;
    }
    if (byte < 0x80) {
      shown += text[i++];
      continue;
    }
    // A whole UTF-8 sequence passes unless it is a C1 control (U+0080 to
    // U+009F); anything else is escaped byte by byte.
    const std::size_t length = byte >= 0xf0 ? 4 : byte >= 0xe0 ? 3 : byte >= 0xc2 ? 2 : 0;
    const std::string_view sequence = text.substr(i, length);
    const bool control =
        byte == 0xc2 && sequence.size() == 2 && static_cast<unsigned char>(sequence[1]) < 0xa0;
    if (length > 0 && sequence.size() == length && !control && ValidUtf8(sequence)) {
      shown += sequence;
      i += length;
    } else {
      escape(byte);
      ++i;
    }
  }
  return shown;
}

std::string DescribeDesignFileError(const std::string& path, const DesignFileError& error,
                                    const TextLookup& lookup) {
  std::string_view pattern;
  switch (error.Problem) {
    case DesignFileProblem::CannotRead:
      pattern = texts::kDesignFileCannotRead;
      break;
    case DesignFileProblem::CannotWrite:
      pattern = texts::kDesignFileCannotWrite;
      break;
    case DesignFileProblem::NotJson:
      pattern = texts::kDesignFileNotJson;
      break;
    case DesignFileProblem::NotADesign:
      pattern = texts::kDesignFileNotADesign;
      break;
    case DesignFileProblem::NewerVersion:
      pattern = texts::kDesignFileNewerVersion;
      break;
    case DesignFileProblem::UnknownEntry:
      pattern = texts::kDesignFileUnknownEntry;
      break;
    case DesignFileProblem::BadEntry:
      pattern = texts::kDesignFileBadEntry;
      break;
    case DesignFileProblem::DuplicateEntry:
      pattern = texts::kDesignFileDuplicateEntry;
      break;
  }
  const std::string reason = error.File ? DescribeFileFault(*error.File, lookup) : error.Detail;
  const std::string detail = error.Byte ? Compose(lookup, texts::kContext, texts::kDesignFileAtByte,
                                                  {reason, std::to_string(*error.Byte)})
                                        : reason;
  // A file's own keys and name are shown as text, never as terminal controls.
  return Compose(lookup, texts::kContext, pattern, {Printable(path), Printable(detail)});
}

}  // namespace tavro::design
