#include "design/design_file.h"

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "design/decimal.h"
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
constexpr const char* kTopKeys[] = {"format", "version", "decimal_separator", "inputs"};

DesignFileError Error(DesignFileProblem problem, std::string detail = {}) {
  return {problem, std::move(detail)};
}

template <std::size_t N>
bool Known(std::string_view key, const char* const (&keys)[N]) {
  for (const char* k : keys) {
    if (key == k) return true;
  }
  return false;
}

bool IsInputKey(std::string_view key) {
  if (key == kLimbsKey) return true;
  for (const InputEntry& e : kTextEntries) {
    if (key == e.Key) return true;
  }
  return false;
}

std::optional<DesignFileError> ReadInputs(const rapidjson::Value& inputs, char from, char to,
                                          InputTexts& out) {
  if (!inputs.IsObject()) return Error(DesignFileProblem::BadEntry, "inputs");
  for (auto m = inputs.MemberBegin(); m != inputs.MemberEnd(); ++m) {
    const std::string key(m->name.GetString(), m->name.GetStringLength());
    if (!IsInputKey(key)) return Error(DesignFileProblem::UnknownEntry, "inputs." + key);
  }
  for (const InputEntry& e : kTextEntries) {
    const auto m = inputs.FindMember(e.Key);
    if (m == inputs.MemberEnd() || !m->value.IsString() ||
        m->value.GetStringLength() > kMaxInputText) {
      return Error(DesignFileProblem::BadEntry, std::string("inputs.") + e.Key);
    }
    out.*e.Text =
        WithSeparator(std::string(m->value.GetString(), m->value.GetStringLength()), from, to);
  }
  const auto limbs = inputs.FindMember(kLimbsKey);
  if (limbs == inputs.MemberEnd() || !limbs->value.IsInt() ||
      (limbs->value.GetInt() != 1 && limbs->value.GetInt() != 2)) {
    return Error(DesignFileProblem::BadEntry, std::string("inputs.") + kLimbsKey);
  }
  out.Limbs = std::to_string(limbs->value.GetInt());
  return std::nullopt;
}

// The pattern with "%1" and "%2" replaced in one pass, so a file name that
// itself holds "%2" stays as it is.
std::string Fill(std::string_view pattern, std::string_view first, std::string_view second) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() &&
        (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      out += pattern[i + 1] == '1' ? first : second;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
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
  w.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize()) + "\n";
}

DesignFileReading ParseDesignFile(std::string_view text, char separator) {
  rapidjson::Document doc;
  doc.Parse<rapidjson::kParseValidateEncodingFlag>(text.data(), text.size());
  if (doc.HasParseError()) {
    return Error(DesignFileProblem::NotJson,
                 std::string(rapidjson::GetParseError_En(doc.GetParseError())) + ", байт " +
                     std::to_string(doc.GetErrorOffset()));
  }
  if (!doc.IsObject()) return Error(DesignFileProblem::NotADesign);
  const auto format = doc.FindMember("format");
  if (format == doc.MemberEnd() || !format->value.IsString() ||
      std::string_view(format->value.GetString()) != kDesignFileFormat) {
    return Error(DesignFileProblem::NotADesign);
  }
  const auto version = doc.FindMember("version");
  if (version != doc.MemberEnd() && version->value.IsNumber() && !version->value.IsInt() &&
      version->value.GetDouble() > kDesignFileVersion) {
    char shown[32];
    std::snprintf(shown, sizeof shown, "%g", version->value.GetDouble());
    return Error(DesignFileProblem::NewerVersion, shown);
  }
  if (version == doc.MemberEnd() || !version->value.IsInt() || version->value.GetInt() < 1) {
    return Error(DesignFileProblem::BadEntry, "version");
  }
  if (version->value.GetInt() > kDesignFileVersion) {
    return Error(DesignFileProblem::NewerVersion, std::to_string(version->value.GetInt()));
  }
  for (auto m = doc.MemberBegin(); m != doc.MemberEnd(); ++m) {
    const std::string key(m->name.GetString(), m->name.GetStringLength());
    if (!Known(key, kTopKeys)) return Error(DesignFileProblem::UnknownEntry, key);
  }
  DesignFile file;
  const auto sep = doc.FindMember("decimal_separator");
  if (sep == doc.MemberEnd() || !sep->value.IsString() ||
      (std::string_view(sep->value.GetString()) != "," &&
       std::string_view(sep->value.GetString()) != ".")) {
    return Error(DesignFileProblem::BadEntry, "decimal_separator");
  }
  const char from = sep->value.GetString()[0];
  const auto inputs = doc.FindMember("inputs");
  if (inputs == doc.MemberEnd()) return Error(DesignFileProblem::BadEntry, "inputs");
  if (auto error = ReadInputs(inputs->value, from, separator, file.Inputs)) return *error;
  file.DecimalSeparator = separator;
  return file;
}

DesignFileReading ReadDesignFile(const std::string& path, char separator) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Error(DesignFileProblem::CannotRead, std::strerror(errno));
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return Error(DesignFileProblem::CannotRead, std::strerror(errno));
  return ParseDesignFile(text, separator);
}

std::optional<DesignFileError> WriteDesignFile(const std::string& path, const DesignFile& file) {
  const std::string text = DesignFileText(file);
  const std::string partial = path + ".part";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    if (!out) return Error(DesignFileProblem::CannotWrite, std::strerror(errno));
    out << text;
    out.flush();
    if (!out) {
      const int reason = errno;
      out.close();
      std::remove(partial.c_str());
      return Error(DesignFileProblem::CannotWrite, std::strerror(reason));
    }
  }
  if (std::rename(partial.c_str(), path.c_str()) != 0) {
    const int reason = errno;
    std::remove(partial.c_str());
    return Error(DesignFileProblem::CannotWrite, std::strerror(reason));
  }
  return std::nullopt;
}

std::string DescribeDesignFileError(const std::string& path, const DesignFileError& error) {
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
  }
  return Fill(pattern, path, error.Detail);
}

}  // namespace tavro::design
