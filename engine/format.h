// Result number formatters: engineering notation with an SI prefix for
// ordinary units (5 digits), areas (8 digits) and volumes (11 digits),
// hours:minutes:seconds, fixed patterns such as "0.000dBm", and "Scientific".
#pragma once

#include <string>
#include <string_view>

namespace tamrisk {

std::string FormatEng5(double x);
std::string FormatEng8(double x);
std::string FormatEng11(double x);
std::string FormatHms(double seconds);

// A fixed pattern: a number part made of "#", "0" and one "." (decimals =
// zeros after the point, zero-padded integer digits = zeros before it),
// followed by a literal suffix copied after the number ("0.000dBm").
std::string FormatPattern(std::string_view pattern, double x);

// One digit, ".", two decimals, "E", the exponent's sign and at least two
// exponent digits: 12345 gives 1.23E+04.
std::string FormatScientific(double x);

}  // namespace tamrisk
