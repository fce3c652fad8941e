#pragma once
// Numbers in text, the same under every locale. The C library's printf and
// atoi follow the locale that Qt sets from the environment; these never do.

#include <cstdint>
#include <string>
#include <string_view>

std::string FormatInt(long long value);                 // "%d"
std::string FormatFixed(double value, int digits);      // "%.<digits>f"

// The leading-number parse of the file formats: optional white space, an
// optional sign, then the decimal digits up to the first other character.
// No number gives 0; a number out of range gives the nearest int limit.
int ParseLeadingInt(std::string_view text);

// An integer field of a dialog: optional blanks, an optional sign, at least
// one digit, optional blanks, and nothing else; the value must fit an int.
// FALSE (value untouched) for anything else.
bool ParseWholeInt(std::string_view text, int& value);

// The same for a floating-point number ("%f" forms and exponents); no number
// gives 0.
double ParseLeadingDouble(std::string_view text);

// Lower-case hexadecimal of one byte, two digits ("%02x").
std::string FormatHexByte(unsigned value);
