#include "design/design_file.h"

#include <rapidjson/document.h>
#include <rapidjson/encodings.h>
#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "design/decimal.h"
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

// A string value whole, embedded NUL characters included.
std::string_view View(const rapidjson::Value& value) {
  return {value.GetString(), value.GetStringLength()};
}

std::optional<DesignFileError> ReadInputs(const rapidjson::Value& inputs, char from, char to,
                                          InputTexts& out) {
  if (!inputs.IsObject()) return Error(DesignFileProblem::BadEntry, "inputs");
  for (const auto& m : inputs.GetObject()) {
    const std::string key(View(m.name));
    if (!IsInputKey(key)) return Error(DesignFileProblem::UnknownEntry, "inputs." + key);
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
    return DesignFileError{DesignFileProblem::NotJson,
                           rapidjson::GetParseError_En(doc.GetParseError()), doc.GetErrorOffset()};
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
    if (!Known(key, kTopKeys)) return Error(DesignFileProblem::UnknownEntry, key);
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
  }
  const std::string detail = error.Byte ? Compose(lookup, texts::kContext, texts::kDesignFileAtByte,
                                                  {error.Detail, std::to_string(*error.Byte)})
                                        : error.Detail;
  return Compose(lookup, texts::kContext, pattern, {path, detail});
}

}  // namespace tavro::design
