// Numbers as a parts list shows them: a few significant digits in plain
// decimal notation with the user's decimal separator, not the method's
// exponent form.
#pragma once

#include <string>

namespace tavro::design::ratings {

// A computed quantity: integers from 100 up, one decimal from 10, two from 1,
// three significant digits below ("19829", "17,8", "1,12", "0,0858").
std::string FormatQuantity(long double value, char separator);

// A standard value as it is printed on the part: its shortest decimal
// ("33000", "6,3", "0,47").
std::string FormatStandard(long double value, char separator);

}  // namespace tavro::design::ratings
