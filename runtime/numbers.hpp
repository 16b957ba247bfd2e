// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "types.hpp"

#include <string>
#include <string_view>

namespace zelmora {

// Single or double to a 16-bit Integer: nearest whole number, halves to even.
// Values outside -32768..32767 raise an overflow runtime error.
Integer toInteger(double value);

// An expression "taken exactly and rounded to Single": callers compute in double and round once.
constexpr Single toSingle(double exact)
{
    return static_cast<Single>(exact);
}

// Decimal text to a number, as a text box's contents are read for arithmetic.
// Raises a type-mismatch runtime error for text that is not a number.
double textToNumber(std::string_view text);

// The shortest decimal text that reads back as the same double: 1800 -> "1800", 0.5 -> "0.5".
std::string numberToText(double value);

// The shortest decimal text that reads back as the same Single, never with an exponent.
std::string singleToText(Single value);

} // namespace zelmora
