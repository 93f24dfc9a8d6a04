// The diode models a simulation may use: the shipped library (diodes.lib,
// each model with its published source) and a .model line the user types.
// A model line is parsed and written anew from the parsed values, so only
// known diode parameters with valid numbers ever reach the simulator.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavro::simulation {

struct DiodeModel {
  std::string Name;    // "1N4007"
  std::string About;   // what the part is
  std::string Source;  // where the parameters were published
  std::string Line;    // the validated .model line, as the netlist writes it
};

// The shipped models, in the library's order.
const std::vector<DiodeModel>& ShippedDiodes();

// The shipped model of that name (case-insensitive); throws RejectedValue
// listing the known names otherwise.
const DiodeModel& ShippedDiode(std::string_view name);

// Parses ".model NAME D(PAR=VALUE ...)" (parentheses, commas and "+"
// continuation lines optional; SPICE scale suffixes allowed) and returns it
// rewritten as one canonical line. Throws RejectedValue with the reason:
// not a .model line, a type other than D, a bad name, an unknown parameter,
// a value that is not a number or out of range, a parameter given twice.
DiodeModel ValidateModelLine(std::string_view text);

// The breakdown voltage BV of a validated .model line (DiodeModel::Line), V;
// NaN when the model has none.
double BreakdownVoltage(std::string_view modelLine);

// The reverse voltage a diode is rated for, V: its model's BV, and for a
// shipped model (its very line) the lower of that and the voltage class its
// description names ("4 A, 600 V ultrafast ..."): a model's BV may lie above
// the part's rating (MUR460: BV = 800 V, rated 600 V). NaN when neither is known.
double RatedReverseVoltage(const std::string& modelName, std::string_view modelLine);

// The text of diodes.lib.
std::string_view DiodeLibraryText();

}  // namespace tavro::simulation
