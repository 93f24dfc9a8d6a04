#include "cli/output.h"

#include <rapidjson/writer.h>

#include <array>
#include <sstream>

#include "cli/json_writer.h"
#include "cli/language.h"
#include "cli/safe_text.h"
#include "design/decimal.h"
#include "design/field_table.h"
#include "design/ratings/supply_conditions.h"
#include "design/texts.h"
#include "i18n/catalogue.h"

namespace tavro::cli {

using design::Field;
namespace texts = design::texts;

namespace {

// Display width of UTF-8 text: one column per code point.
std::size_t Columns(std::string_view text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

std::string PadRight(std::string_view text, std::size_t width) {
  std::string padded(text);
  const std::size_t used = Columns(text);
  if (used < width) padded.append(width - used, ' ');
  return padded;
}

std::string PadLeft(std::string_view text, std::size_t width) {
  const std::size_t used = Columns(text);
  return std::string(used < width ? width - used : 0, ' ') + std::string(text);
}

constexpr std::size_t kCaptionWidth = 72;

void Line(std::ostream& os, std::string_view caption, std::string_view value) {
  os << "  " << PadRight(caption, kCaptionWidth) << (Columns(caption) < kCaptionWidth ? "" : " ")
     << value << '\n';
}

// A caption of the calculation's in the language in use.
std::string Caption(std::string_view text) {
  return i18n::TranslateUtf8(texts::kContext, text);
}

}  // namespace

std::string RenderText(const design::Design& d, const design::InputTexts& typed, char separator,
                       const design::Mains& supply) {
  const auto shown = [&](design::Quantity q, design::Form form) {
    return design::ShownText(d, q, form, separator);
  };
  std::ostringstream os;
  os << Caption(texts::kInputsGroup) << '\n';
  for (const design::InputField& f : design::kInputFields) {
    Line(os, Caption(texts::InputCaption(f.Quantity)), typed.Of(f.Quantity));
    if (f.Quantity == design::Input::Kp) Line(os, Caption(texts::kLimbsCaption), typed.Limbs);
  }

  os << '\n'
     << design::ratings::OutputsGroupCaption(supply, separator, i18n::TranslateUtf8) << '\n';
  for (design::Quantity q : texts::kOutputQuantities) {
    Line(os, Caption(texts::OutputCaption(q)), shown(q, design::Form::Value));
  }

  os << '\n' << Caption(texts::kNomogramGroup) << '\n';
  for (const texts::NomogramRow& row : texts::kNomogramRows) {
    std::string caption = Caption(row.Caption) + " " + std::string(row.Symbol);
    if (!row.Unit.empty()) caption += ", " + Caption(row.Unit);
    std::string value = shown(row.First.Shows, row.First.As);
    if (row.HasSecond) {
      value = PadRight(value, 14) + PadRight(Caption(row.Middle), 10) +
              shown(row.Second.Shows, row.Second.As);
    }
    Line(os, caption, value);
  }

  os << '\n' << RenderLoadTable(d.Load, separator);
  return os.str();
}

std::string RenderLoadTable(const design::LoadTable& table, char separator) {
  std::ostringstream os;
  os << Caption(texts::kLoadGroup) << '\n';
  os << "  " << PadLeft("%", 5) << "  " << PadRight(Caption(texts::kLoadCurrentCaption), 22)
     << PadRight(Caption(texts::kLoadVoltageCaption), 29) << PadRight("γ", 14) << "√2·cos ψ\n";
  for (int row = 0; row < design::kLoadRows; ++row) {
    const design::LoadRowTexts t = design::FormatLoadRow(table, row, separator);
    os << "  " << PadLeft(t.Percent, 5) << "  " << PadRight(t.Current, 22)
       << PadRight(t.Voltage, 29) << PadRight(t.Gamma, 14) << t.Sqrt2CosPsi << '\n';
  }
  return os.str();
}

std::string CaptionLine(std::string_view caption, std::string_view value) {
  std::ostringstream os;
  Line(os, caption, value);
  return os.str();
}

using namespace json;

std::string RenderJson(const design::Design& d, const design::InputTexts& typed, char separator,
                       const std::function<void(json::Writer&)>& more) {
  const design::LoadTable& table = d.Load;
  const std::array<std::string, design::kFieldCount> fields =
      design::DesignFieldTexts(d, typed, separator);
  rapidjson::StringBuffer buffer;
  Writer json(buffer);
  json.SetIndent(' ', 2);
  json.StartObject();

  Key(json, "inputs");
  json.StartObject();
  Members(json, {{"U0", d.Inputs.U0}, {"I0", d.Inputs.I0}, {"Kp", d.Inputs.Kp}});
  Key(json, "Limbs");
  json.Int(d.Inputs.Limbs);
  Members(json, {{"Bm", d.Inputs.Bm}, {"Ud", d.Inputs.Ud}});
  json.EndObject();

  Object(json, "parameters",
         {{"Rtr", d.Parameters.Rtr},
          {"Rd", d.Parameters.Rd},
          {"Rsum", d.Parameters.Rsum},
          {"Ls", d.Parameters.Ls},
          {"Phi", d.Parameters.Phi},
          {"A", d.A}});
  Object(json, "angles", {{"Psi", d.Point.Psi}, {"Beta", d.Point.Beta}});
  Object(json, "coefficients",
         {{"B", d.Coefficients.B},
          {"D", d.Coefficients.D},
          {"F", d.Coefficients.F},
          {"H", d.Coefficients.H}});
  Object(json, "results",
         {{"U2", d.Results.U2},
          {"I2", d.Results.I2},
          {"I1", d.Results.I1},
          {"Pframe", d.Results.Pframe},
          {"Urev", d.Results.Urev},
          {"Idrms", d.Results.Idrms},
          {"Idpk", d.Results.Idpk},
          {"Cf", d.Results.Cf}});

  Key(json, "load_table");
  json.StartArray();
  for (int k = 0; k < design::kLoadRows; ++k) {
    json.StartObject();
    Members(json, {{"Current", table.Current[k]},
                   {"Gamma", table.Gamma[k]},
                   {"Psi", table.Psi[k]},
                   {"Voltage", table.Voltage[k]},
                   {"Sqrt2CosPsi", table.Sqrt2CosPsi[k]}});
    json.EndObject();
  }
  json.EndArray();

  Key(json, "fields");
  json.StartObject();
  for (int i = 0; i < design::kFieldCount; ++i) {
    const Field f = design::FieldAt(i);
    Key(json, design::FieldName(f));
    String(json, fields[i]);
  }
  json.EndObject();

  if (more) more(json);
  json.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize()) + "\n";
}

namespace {

std::string JsonError(std::string_view message, const design::Failure* failure) {
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> json(buffer);
  const auto string = [&](std::string_view raw) {
    const std::string text = ValidUtf8(raw);
    json.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
  };
  json.StartObject();
  json.Key("error");
  string(message);
  if (failure != nullptr) {
    json.Key("failure");
    json.StartObject();
    json.Key("stage");
    string(design::StageName(failure->Stage));
    json.Key("reason");
    string(failure->Reason);
    json.EndObject();
  }
  json.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize()) + "\n";
}

}  // namespace

std::string RenderJsonError(std::string_view message) {
  return JsonError(message, nullptr);
}

std::string JsonString(std::string_view raw) {
  const std::string text = ValidUtf8(raw);
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> json(buffer);
  json.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
  return std::string(buffer.GetString(), buffer.GetSize());
}

std::string RenderJsonFailure(std::string_view message, const design::Failure& failure) {
  return JsonError(message, &failure);
}

}  // namespace tavro::cli
