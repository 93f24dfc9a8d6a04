#include "simulation/protocol.h"

#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "design/analysis.h"
#include "design/calculate.h"
#include "design/operating_point.h"
#include "design/ratings/surge.h"
#include "mathem/decimal_reading.h"
#include "mathem/faults.h"
#include "simulation/diode_models.h"
#include "simulation/ngspice.h"
#include "simulation/own_process.h"
#include "simulation/spice_values.h"

namespace tavro::simulation {
namespace {

using Writer = rapidjson::Writer<rapidjson::StringBuffer>;
using Value = rapidjson::Value;

std::string Exact(long double value) {
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

long double ReadExact(const Value& v, const char* what) {
  if (!v.IsString()) throw RejectedValue(std::string(what) + " must be a decimal text");
  const std::string_view s(v.GetString(), v.GetStringLength());
  const auto read = mathem::ReadDecimal(s);
  if (!read || read->Used != s.size() || read->Range != mathem::DecimalRange::Within) {
    throw RejectedValue(std::string(what) + " is not a number");
  }
  return read->Value;
}

// The member of that name, or nothing (also when `object` is no object).
const Value* Member(const Value& object, const char* key) {
  if (!object.IsObject()) return nullptr;
  const auto m = object.FindMember(key);
  return m == object.MemberEnd() ? nullptr : &m->value;
}

// The whole text, also past a NUL character.
void WriteText(Writer& w, const std::string& text) {
  w.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

void Key(Writer& w, const char* key) {
  w.Key(key);
}

void Number(Writer& w, const char* key, double value) {
  w.Key(key);
  if (std::isfinite(value)) {
    w.Double(value);
  } else {
    w.Null();
  }
}

double ReadNumber(const Value& object, const char* key) {
  if (!object.IsObject()) return std::numeric_limits<double>::quiet_NaN();
  const auto m = object.FindMember(key);
  if (m == object.MemberEnd() || !m->value.IsNumber())
    return std::numeric_limits<double>::quiet_NaN();
  return m->value.GetDouble();
}

// An answer of the helper that lacks what a report holds.
class ProtocolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

const Value& Need(const Value& object, const char* key) {
  const Value* v = Member(object, key);
  if (v == nullptr) throw ProtocolError(std::string("no ") + key);
  return *v;
}

const Value& NeedObject(const Value& object, const char* key) {
  const Value& v = Need(object, key);
  if (!v.IsObject()) throw ProtocolError(std::string(key) + " is not an object");
  return v;
}

// A number the report must hold; null stands for "none" where `none` allows.
double NeedNumber(const Value& object, const char* key, bool none = false) {
  const Value& v = Need(object, key);
  // A number too large for a double reads as infinite: no figure either.
  if (v.IsNumber() && std::isfinite(v.GetDouble())) return v.GetDouble();
  if (none && (v.IsNull() || v.IsNumber())) return std::numeric_limits<double>::quiet_NaN();
  throw ProtocolError(std::string(key) + " is not a number");
}

std::string NeedString(const Value& object, const char* key) {
  const Value& v = Need(object, key);
  if (!v.IsString()) throw ProtocolError(std::string(key) + " is not a text");
  return std::string(v.GetString(), v.GetStringLength());
}

bool NeedBool(const Value& object, const char* key) {
  const Value& v = Need(object, key);
  if (!v.IsBool()) throw ProtocolError(std::string(key) + " is not true or false");
  return v.GetBool();
}

const Value& NeedArray(const Value& object, const char* key) {
  const Value& v = Need(object, key);
  if (!v.IsArray()) throw ProtocolError(std::string(key) + " is not a list");
  return v;
}

void WriteSeries(Writer& w, const char* key, const std::vector<double>& values) {
  w.Key(key);
  w.StartArray();
  for (double v : values) {
    if (std::isfinite(v)) {
      w.Double(v);
    } else {
      w.Null();
    }
  }
  w.EndArray();
}

void WriteWaveforms(Writer& w, const char* key, const Waveforms& f) {
  w.Key(key);
  w.StartObject();
  WriteSeries(w, "time", f.Time);
  WriteSeries(w, "vout", f.Vout);
  WriteSeries(w, "idiode", f.Idiode);
  WriteSeries(w, "icap", f.Icap);
  w.EndObject();
}

std::vector<double> ReadSeries(const Value& object, const char* key) {
  std::vector<double> values;
  for (const Value& v : NeedArray(object, key).GetArray()) {
    if (!v.IsNumber() && !v.IsNull()) throw ProtocolError(std::string(key) + " holds no number");
    values.push_back(v.IsNumber() ? v.GetDouble() : std::numeric_limits<double>::quiet_NaN());
  }
  return values;
}

// Optional: only a request for the waveforms has them.
Waveforms ReadWaveforms(const Value& object, const char* key) {
  Waveforms f;
  const Value* m = Member(object, key);
  if (m == nullptr) return f;
  if (!m->IsObject()) throw ProtocolError(std::string(key) + " is not an object");
  f.Time = ReadSeries(*m, "time");
  f.Vout = ReadSeries(*m, "vout");
  f.Idiode = ReadSeries(*m, "idiode");
  f.Icap = ReadSeries(*m, "icap");
  if (f.Vout.size() != f.Time.size() || f.Idiode.size() != f.Time.size() ||
      f.Icap.size() != f.Time.size()) {
    throw ProtocolError(std::string(key) + " of different lengths");
  }
  return f;
}

void WriteRows(Writer& w, const std::vector<ComparisonRow>& rows) {
  w.Key("rows");
  w.StartArray();
  for (const ComparisonRow& r : rows) {
    w.StartObject();
    w.Key("quantity");
    WriteText(w, r.Quantity);
    Number(w, "method", r.Method);
    Number(w, "simulated", r.Simulated);
    Number(w, "difference_percent", r.DifferencePercent);
    w.EndObject();
  }
  w.EndArray();
}

// The rows of a check, exactly the quantities it compares, in their order;
// each with its simulated figure.
std::vector<ComparisonRow> ReadRows(const Value& object,
                                    std::initializer_list<const char*> quantities) {
  std::vector<ComparisonRow> rows;
  const Value& list = NeedArray(object, "rows");
  if (list.Size() != quantities.size()) throw ProtocolError("rows missing or too many");
  auto quantity = quantities.begin();
  for (const Value& r : list.GetArray()) {
    if (!r.IsObject()) throw ProtocolError("a row is not an object");
    ComparisonRow row{NeedString(r, "quantity"), NeedNumber(r, "method", true),
                      NeedNumber(r, "simulated"), NeedNumber(r, "difference_percent", true)};
    if (row.Quantity != *quantity++) throw ProtocolError("row " + row.Quantity + " out of place");
    rows.push_back(std::move(row));
  }
  return rows;
}

void WriteState(Writer& w, const SteadyState& s, bool waveforms) {
  w.Key("periods");
  w.Int(s.Periods);
  w.Key("settled");
  w.Bool(s.Settled);
  if (waveforms) WriteWaveforms(w, "waveforms", s.LastTwoPeriods);
}

SteadyState ReadState(const Value& object) {
  SteadyState s;
  const Value& periods = Need(object, "periods");
  if (!periods.IsInt() || periods.GetInt() < 1) throw ProtocolError("periods is not a count");
  s.Periods = periods.GetInt();
  s.Settled = NeedBool(object, "settled");
  s.LastTwoPeriods = ReadWaveforms(object, "waveforms");
  return s;
}

// The surge's own keys first (worst_phase_degrees, worst_peak, points), then
// the mains it was found at and the calculation's figures.
void WriteSurge(Writer& w, const char* key, const Surge& s, bool waveforms,
                double tolerancePercent = std::numeric_limits<double>::quiet_NaN()) {
  w.Key(key);
  w.StartObject();
  Number(w, "worst_phase_degrees", s.WorstPhaseDegrees);
  Number(w, "worst_peak", s.WorstPeak);
  w.Key("points");
  w.StartArray();
  for (const SurgePoint& p : s.Points) {
    w.StartObject();
    Number(w, "phase_degrees", p.PhaseDegrees);
    Number(w, "peak", p.Peak);
    w.EndObject();
  }
  w.EndArray();
  if (waveforms) WriteWaveforms(w, "waveforms", s.WorstTransient);
  Number(w, "mains_voltage", s.MainsVoltage);
  if (std::isfinite(tolerancePercent)) Number(w, "tolerance_percent", tolerancePercent);
  Number(w, "method_worst_phase_degrees", s.MethodPhaseDegrees);
  Number(w, "method_worst_peak", s.MethodPeak);
  w.EndObject();
}

Surge ReadSurge(const Value& s) {
  Surge surge;
  surge.WorstPhaseDegrees = NeedNumber(s, "worst_phase_degrees");
  surge.WorstPeak = NeedNumber(s, "worst_peak");
  for (const Value& p : NeedArray(s, "points").GetArray()) {
    if (!p.IsObject()) throw ProtocolError("a surge point is not an object");
    surge.Points.push_back({NeedNumber(p, "phase_degrees"), NeedNumber(p, "peak")});
  }
  surge.WorstTransient = ReadWaveforms(s, "waveforms");
  surge.MainsVoltage = NeedNumber(s, "mains_voltage", true);
  surge.MethodPhaseDegrees = NeedNumber(s, "method_worst_phase_degrees", true);
  surge.MethodPeak = NeedNumber(s, "method_worst_peak", true);
  return surge;
}

// The analysis' figures as the request names them, in its order.
template <typename Inputs>
auto AnalysisFigures(Inputs& in) {
  using Figure = std::pair<const char*, decltype(&in.U2)>;
  return std::array<Figure, 6>{Figure{"U2", &in.U2}, Figure{"Rtr", &in.Rtr}, Figure{"Ls", &in.Ls},
                               Figure{"Ud", &in.Ud}, Figure{"Cf", &in.Cf},   Figure{"I0", &in.I0}};
}

}  // namespace

long ResidentKilobytes() {
  return OwnResidentKilobytes();
}

const char* LoadName(LoadKind load) {
  switch (load) {
    case LoadKind::Resistive:
      return "resistive";
    case LoadKind::ConstantCurrent:
      return "current";
    case LoadKind::ConstantVoltage:
      return "voltage";
  }
  return "resistive";
}

LoadKind LoadFromName(std::string_view name) {
  if (name == "resistive") return LoadKind::Resistive;
  if (name == "current" || name == "constant-current") return LoadKind::ConstantCurrent;
  if (name == "voltage") return LoadKind::ConstantVoltage;
  throw RejectedValue("the load is resistive or current, not " + std::string(name));
}

DiodeSetup DiodeOf(const SimulationRequest& request) {
  const DiodeModel model = request.DiodeModel.empty() ? ShippedDiode(request.Diode)
                                                      : ValidateModelLine(request.DiodeModel);
  return DiodeSetup{false, model.Name, model.Line};
}

std::string EncodeRequest(const SimulationRequest& r) {
  rapidjson::StringBuffer buffer;
  Writer w(buffer);
  w.StartObject();
  if (r.Analysis) {
    Key(w, "analysis");
    w.StartObject();
    for (const auto& [name, value] : AnalysisFigures(*r.Analysis)) {
      w.Key(name);
      w.String(Exact(*value).c_str());
    }
    w.EndObject();
  } else {
    Key(w, "inputs");
    w.StartObject();
    const std::pair<const char*, long double> inputs[] = {{"U0", r.Inputs.U0},
                                                          {"I0", r.Inputs.I0},
                                                          {"Kp", r.Inputs.Kp},
                                                          {"Bm", r.Inputs.Bm},
                                                          {"Ud", r.Inputs.Ud}};
    for (const auto& [name, value] : inputs) {
      w.Key(name);
      w.String(Exact(value).c_str());
    }
    w.Key("Limbs");
    w.Int(r.Inputs.Limbs);
    w.EndObject();
  }
  Key(w, "mains");
  w.StartObject();
  w.Key("voltage");
  w.String(Exact(r.Mains.Voltage).c_str());
  w.Key("frequency");
  w.String(Exact(r.Mains.Frequency).c_str());
  w.Key("tolerance");
  w.String(Exact(r.MainsTolerance).c_str());
  w.EndObject();
  w.Key("diode");
  w.String(r.Diode.data(), static_cast<rapidjson::SizeType>(r.Diode.size()));
  w.Key("diode_model");
  w.String(r.DiodeModel.data(), static_cast<rapidjson::SizeType>(r.DiodeModel.size()));
  Number(w, "esr", r.Esr);
  w.Key("load");
  w.String(LoadName(r.Load));
  w.Key("method_check");
  w.Bool(r.MethodCheck);
  w.Key("circuit");
  w.Bool(r.Circuit);
  w.Key("surge");
  w.Bool(r.Surge);
  w.Key("waveforms");
  w.Bool(r.Waveforms);
  w.Key("progress");
  w.Bool(r.Progress);
  Number(w, "stall_seconds", r.StallSeconds);
  w.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize());
}

SimulationRequest DecodeRequest(std::string_view line) {
  rapidjson::Document doc;
  doc.Parse(line.data(), line.size());
  if (doc.HasParseError() || !doc.IsObject())
    throw RejectedValue("the request is not a JSON object");
  SimulationRequest r;
  if (const Value* analysis = Member(doc, "analysis")) {
    // Either circuit, never both.
    if (Member(doc, "inputs") != nullptr) throw RejectedValue("both inputs and an analysis");
    if (!analysis->IsObject()) throw RejectedValue("the analysis must be an object");
    r.Analysis.emplace();
    for (const auto& [name, value] : AnalysisFigures(*r.Analysis)) {
      const Value* figure = Member(*analysis, name);
      if (figure == nullptr) throw RejectedValue(std::string("no analysis figure ") + name);
      *value = ReadExact(*figure, name);
    }
  } else {
    const Value* in = Member(doc, "inputs");
    if (in == nullptr || !in->IsObject()) throw RejectedValue("no inputs");
    for (const char* name : {"U0", "I0", "Kp", "Bm", "Ud", "Limbs"}) {
      if (!in->HasMember(name)) throw RejectedValue(std::string("no input ") + name);
    }
    r.Inputs.U0 = ReadExact((*in)["U0"], "U0");
    r.Inputs.I0 = ReadExact((*in)["I0"], "I0");
    r.Inputs.Kp = ReadExact((*in)["Kp"], "Kp");
    r.Inputs.Bm = ReadExact((*in)["Bm"], "Bm");
    r.Inputs.Ud = ReadExact((*in)["Ud"], "Ud");
    if (!(*in)["Limbs"].IsInt() || ((*in)["Limbs"].GetInt() != 1 && (*in)["Limbs"].GetInt() != 2)) {
      throw RejectedValue("Limbs must be 1 or 2");
    }
    r.Inputs.Limbs = (*in)["Limbs"].GetInt();
  }
  if (const Value* mains = Member(doc, "mains")) {
    if (!mains->IsObject()) throw RejectedValue("the mains must be an object");
    const Value* voltage = Member(*mains, "voltage");
    const Value* frequency = Member(*mains, "frequency");
    if (voltage == nullptr || frequency == nullptr) throw RejectedValue("incomplete mains");
    r.Mains.Voltage = ReadExact(*voltage, "the mains voltage");
    r.Mains.Frequency = ReadExact(*frequency, "the mains frequency");
    if (const Value* tolerance = Member(*mains, "tolerance")) {
      r.MainsTolerance = ReadExact(*tolerance, "the mains tolerance");
      if (!(r.MainsTolerance >= 0.0L && r.MainsTolerance < 1.0L)) {
        throw RejectedValue("the mains tolerance lies in [0, 1)");
      }
    }
  }
  if (r.Analysis) r.Analysis->Supply = r.Mains;
  const auto text = [&](const char* key, std::string& value) {
    if (const Value* v = Member(doc, key)) {
      if (!v->IsString()) throw RejectedValue(std::string(key) + " must be a text");
      value.assign(v->GetString(), v->GetStringLength());
    }
  };
  text("diode", r.Diode);
  text("diode_model", r.DiodeModel);
  if (doc.HasMember("esr")) r.Esr = RequireNonNegative(ReadNumber(doc, "esr"), "the ESR");
  std::string load;
  text("load", load);
  if (doc.HasMember("load")) r.Load = LoadFromName(load);
  const auto flag = [&](const char* key, bool& value) {
    if (const Value* v = Member(doc, key)) {
      if (!v->IsBool()) throw RejectedValue(std::string(key) + " must be true or false");
      value = v->GetBool();
    }
  };
  flag("method_check", r.MethodCheck);
  flag("circuit", r.Circuit);
  flag("surge", r.Surge);
  flag("waveforms", r.Waveforms);
  flag("progress", r.Progress);
  if (doc.HasMember("stall_seconds")) {
    r.StallSeconds = RequirePositive(ReadNumber(doc, "stall_seconds"), "the stall limit");
  }
  return r;
}

std::string EncodeReport(const SimulationReport& r) {
  rapidjson::StringBuffer buffer;
  Writer w(buffer);
  w.StartObject();
  w.Key("ok");
  w.Bool(r.Ok);
  if (!r.Ok) {
    w.Key("error");
    w.StartObject();
    w.Key("kind");
    WriteText(w, r.ErrorKind);
    w.Key("message");
    w.String(r.Error.data(), static_cast<rapidjson::SizeType>(r.Error.size()));
    if (!r.ErrorDetail.empty()) {
      w.Key("detail");
      w.String(r.ErrorDetail.data(), static_cast<rapidjson::SizeType>(r.ErrorDetail.size()));
    }
    w.EndObject();
  }
  const bool waveforms = r.Circuit && !r.Circuit->State.LastTwoPeriods.Time.empty();
  if (r.Method) {
    w.Key("method_check");
    w.StartObject();
    w.Key("passed");
    w.Bool(r.Method->Passed);
    Number(w, "tolerance_percent", kMethodCheckTolerancePercent);
    WriteState(w, r.Method->State, false);
    WriteRows(w, r.Method->Rows);
    w.EndObject();
  }
  if (r.Circuit) {
    w.Key("circuit");
    w.StartObject();
    w.Key("diode");
    WriteText(w, r.DiodeName);
    w.Key("load");
    WriteText(w, r.LoadName);
    Number(w, "esr", r.Esr);
    WriteState(w, r.Circuit->State, waveforms);
    WriteRows(w, r.Circuit->Rows);
    Number(w, "peak_reverse_voltage", r.Circuit->PeakReverseVoltage);
    Number(w, "rated_reverse_voltage", r.Circuit->RatedReverseVoltage);
    Number(w, "breakdown_voltage", r.Circuit->BreakdownVoltage);
    Number(w, "lowest_voltage", r.Circuit->LowestVoltage);
    Number(w, "method_lowest_voltage", r.Circuit->MethodLowestVoltage);
    Number(w, "diode_loss", r.Circuit->DiodeLoss);
    w.EndObject();
  }
  if (r.SurgeResult) WriteSurge(w, "surge", *r.SurgeResult, waveforms);
  if (r.SurgeHighMains) {
    WriteSurge(w, "surge_high_mains", *r.SurgeHighMains, waveforms, r.TolerancePercent);
  }
  if (r.Ok) {
    const SteadyState* main = r.Circuit ? &r.Circuit->State : r.Method ? &r.Method->State : nullptr;
    w.Key("periods");
    w.Int(main != nullptr ? main->Periods : 0);
    w.Key("settled");
    w.Bool((!r.Circuit || r.Circuit->State.Settled) && (!r.Method || r.Method->State.Settled));
  }
  w.Key("memory_kb");
  w.Int64(r.MemoryKb);
  w.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize());
}

SimulationReport DecodeReport(std::string_view line) {
  SimulationReport r;
  rapidjson::Document doc;
  doc.Parse(line.data(), line.size());
  try {
    if (doc.HasParseError() || !doc.IsObject()) throw ProtocolError("not a JSON object");
    r.Ok = NeedBool(doc, "ok");
    if (!r.Ok) {
      const Value& e = NeedObject(doc, "error");
      r.ErrorKind = NeedString(e, "kind");
      r.Error = NeedString(e, "message");
      if (Member(e, "detail") != nullptr) r.ErrorDetail = NeedString(e, "detail");
      if (r.ErrorKind.empty()) throw ProtocolError("a failure without its kind");
    }
    if (const Value* m = Member(doc, "method_check")) {
      if (!m->IsObject()) throw ProtocolError("method_check is not an object");
      MethodCheck check;
      check.Passed = NeedBool(*m, "passed");
      check.State = ReadState(*m);
      check.Rows = ReadRows(*m, {"I0", "I2", "Idrms", "Idpk", "Beta"});
      r.Method = std::move(check);
    }
    if (const Value* c = Member(doc, "circuit")) {
      if (!c->IsObject()) throw ProtocolError("circuit is not an object");
      CircuitCheck check;
      check.State = ReadState(*c);
      check.Rows = ReadRows(*c, {"U0", "I0", "RipplePP", "Ripple100", "I2", "Idavg", "Idrms",
                                 "Idpk", "Beta", "Icrms"});
      check.PeakReverseVoltage = NeedNumber(*c, "peak_reverse_voltage");
      check.RatedReverseVoltage = NeedNumber(*c, "rated_reverse_voltage", true);
      for (const auto& [key, target] :
           {std::pair{"lowest_voltage", &check.LowestVoltage},
            std::pair{"method_lowest_voltage", &check.MethodLowestVoltage},
            std::pair{"diode_loss", &check.DiodeLoss},
            std::pair{"breakdown_voltage", &check.BreakdownVoltage}}) {
        if (Member(*c, key) != nullptr) *target = NeedNumber(*c, key, true);
      }
      r.DiodeName = NeedString(*c, "diode");
      r.LoadName = NeedString(*c, "load");
      r.Esr = NeedNumber(*c, "esr", true);
      r.Circuit = std::move(check);
    }
    if (Member(doc, "surge") != nullptr) r.SurgeResult = ReadSurge(NeedObject(doc, "surge"));
    if (Member(doc, "surge_high_mains") != nullptr) {
      const Value& high = NeedObject(doc, "surge_high_mains");
      r.SurgeHighMains = ReadSurge(high);
      r.TolerancePercent = Member(high, "tolerance_percent") != nullptr
                               ? NeedNumber(high, "tolerance_percent")
                               : std::numeric_limits<double>::quiet_NaN();
    }
    if (r.Ok && !r.Method && !r.Circuit) throw ProtocolError("neither check");
    if (const Value* memory = Member(doc, "memory_kb")) {
      if (!memory->IsInt64()) throw ProtocolError("memory_kb is not a count");
      r.MemoryKb = memory->GetInt64();
    }
  } catch (const ProtocolError& e) {
    r = SimulationReport{};
    r.ErrorKind = "protocol";
    r.ErrorDetail = e.what();
    r.Error = "the simulation helper gave an answer that is not a report (" + r.ErrorDetail + ")";
  }
  return r;
}

SimulationReport DecodeAnswer(std::string_view line, const SimulationRequest& request) {
  SimulationReport r = DecodeReport(line);
  if (!r.Ok) return r;
  const bool high = request.Surge && request.MainsTolerance > 0.0L;
  if ((request.MethodCheck && !r.Method) || (request.Circuit && !r.Circuit) ||
      (request.Surge && !r.SurgeResult) || (high && !r.SurgeHighMains)) {
    r = SimulationReport{};
    r.ErrorKind = "protocol";
    r.ErrorDetail = "a check missing";
    r.Error = "the simulation helper gave an answer that is not a report (a check missing)";
  }
  return r;
}

std::string EncodeProgress(const Progress& progress) {
  rapidjson::StringBuffer buffer;
  Writer w(buffer);
  w.StartObject();
  Number(w, "progress", progress.Fraction);
  w.Key("step");
  WriteText(w, progress.Step);
  w.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize());
}

std::optional<Progress> DecodeProgress(std::string_view line) {
  if (line.rfind("{\"progress\"", 0) != 0) return std::nullopt;
  rapidjson::Document doc;
  doc.Parse(line.data(), line.size());
  if (doc.HasParseError() || !doc.IsObject()) return std::nullopt;
  Progress p{ReadNumber(doc, "progress"), {}};
  if (const Value* step = Member(doc, "step"); step != nullptr && step->IsString()) {
    p.Step.assign(step->GetString(), step->GetStringLength());
  }
  if (!std::isfinite(p.Fraction)) return std::nullopt;
  return p;
}

namespace {

// The mains voltage of a surge and the calculation's own worst switch-on at
// those mains (design/ratings/surge.h), where it can follow the pulses.
void AddMethodSurge(Surge& surge, const design::Design& design, const design::Mains& mains,
                    long double tolerance) {
  const design::ratings::SupplyConditions supply{mains, tolerance};
  surge.MainsVoltage = static_cast<double>(mains.Voltage * supply.HighFactor());
  try {
    const mathem::SwitchOnSurge method = design::ratings::SwitchOnSurgeOf(design, supply);
    surge.MethodPeak = static_cast<double>(method.Current);
    surge.MethodPhaseDegrees = static_cast<double>(design::Degrees(method.Phase));
  } catch (const mathem::NumericalFailure&) {
    // Shown as no figure: the simulation stands on its own.
  }
}

}  // namespace

SimulationReport Simulate(const SimulationRequest& request, const SimulationLimits& given) {
  SimulationReport report;
  SimulationLimits limits = given;
  limits.StallSeconds = request.StallSeconds;
  // The steps' shares of the whole: the surge makes some 25 short runs, at
  // high mains some ten more.
  const bool high = request.Surge && request.MainsTolerance > 0.0L;
  const double method = request.MethodCheck ? 0.1 : 0.0;
  const double circuit = request.Circuit ? 0.25 : 0.0;
  const double surge = request.Surge ? 0.45 : 0.0;
  const double highSurge = high ? 0.2 : 0.0;
  const double total = std::max(method + circuit + surge + highSurge, 1e-9);
  std::string step = "method";
  double before = 0.0, share = method;
  if (given.Progress) {
    limits.Progress = [&](const std::string&, double fraction) {
      given.Progress(step, (before + share * fraction) / total);
    };
  }
  const auto next = [&](const char* name, double nextShare) {
    before += share;
    step = name;
    share = nextShare;
  };
  try {
    design::Design design;
    CircuitValues values{};
    MethodFigures figures{};
    if (request.Analysis) {
      design::AnalysisInputs in = *request.Analysis;
      in.Supply = request.Mains;
      const design::AnalysisResult result =
          design::Analyse(in, design::AnalysisDepth::OperatingPointOnly);
      if (const auto* failure = std::get_if<design::Failure>(&result)) {
        report.ErrorKind = "design";
        report.Error = std::string("the analysis is not complete: ") + failure->Reason;
        report.MemoryKb = ResidentKilobytes();
        return report;
      }
      const design::Analysis& analysis = std::get<design::Analysis>(result);
      values = ValuesOf(analysis);
      figures = FiguresOf(analysis);
      // The method's switch-on surge reads only the circuit (EMF, Rtr, Ls,
      // Cf, the diodes' drop), not the limbs or the flux density.
      design = design::AsDesign(analysis, 1, 1.2L);
    } else {
      const design::Calculation calculation =
          design::Calculate(request.Inputs, design::CalculationOptions{request.Mains, {}});
      if (const auto* failure = std::get_if<design::Failure>(&calculation)) {
        report.ErrorKind = "design";
        report.Error = std::string("the design is not complete: ") + failure->Reason;
        report.MemoryKb = ResidentKilobytes();
        return report;
      }
      design = std::get<design::Design>(calculation);
      values = ValuesOf(design, request.Mains);
      figures = FiguresOf(design);
    }
    CircuitSetup setup;
    setup.Diode = DiodeOf(request);
    setup.Load = request.Load;
    setup.Esr = RequireNonNegative(request.Esr, "the ESR");
    report.DiodeName = setup.Diode.ModelName;
    report.LoadName = LoadName(request.Load);
    report.Esr = request.Esr;
    if (request.MethodCheck) report.Method = CheckMethod(values, figures, limits);
    next("circuit", circuit);
    if (request.Circuit) report.Circuit = CheckCircuit(values, figures, setup, limits);
    next("surge", surge);
    if (request.Surge) {
      report.SurgeResult = SimulateSurge(values, setup, limits);
      AddMethodSurge(*report.SurgeResult, design, request.Mains, 0.0L);
    }
    next("surge", highSurge);
    if (high) {
      // The same circuit behind an EMF raised by the tolerance, searched from
      // the nominal worst phase.
      CircuitValues raised = values;
      raised.EmfPeak = static_cast<double>(static_cast<long double>(values.EmfPeak) *
                                           (1.0L + request.MainsTolerance));
      report.SurgeHighMains =
          SimulateSurgeNear(raised, setup, report.SurgeResult->WorstPhaseDegrees, limits);
      AddMethodSurge(*report.SurgeHighMains, design, request.Mains, request.MainsTolerance);
      report.TolerancePercent = static_cast<double>(request.MainsTolerance * 100.0L);
    }
    if (!request.Waveforms) {
      if (report.Method) report.Method->State.LastTwoPeriods = {};
      if (report.Circuit) report.Circuit->State.LastTwoPeriods = {};
      if (report.SurgeResult) report.SurgeResult->WorstTransient = {};
      if (report.SurgeHighMains) report.SurgeHighMains->WorstTransient = {};
    }
    report.Ok = true;
  } catch (const RejectedValue& e) {
    report.ErrorKind = "rejected";
    report.Error = e.what();
  } catch (const SimulationError& e) {
    report.ErrorKind = RunFailureName(e.Kind());
    report.Error = e.what();
    report.ErrorDetail = e.Detail();
  } catch (const std::exception& e) {
    report.ErrorKind = "failed";
    report.Error = e.what();
  }
  report.MemoryKb = ResidentKilobytes();
  return report;
}

}  // namespace tavro::simulation
