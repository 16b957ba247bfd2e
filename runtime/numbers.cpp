// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.hpp"

#include "runtime_error.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

// Floating std::to_chars and std::from_chars are missing from some standard libraries the program
// is built with (the browser build's among them), so number text is made from the C library's
// correctly rounded conversions, always in the "C" locale: the desktop view sets the user's locale,
// and an Arabic one may use another decimal point.

namespace zelmora {

Integer toInteger(double value)
{
    // nearbyint follows the current rounding mode, which is round-half-to-even by default.
    double const rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw RuntimeError("Overflow");
    return static_cast<Integer>(rounded);
}

namespace {

locale_t cLocale()
{
    static locale_t const locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

double readDouble(std::string const& text)
{
    return strtod_l(text.c_str(), nullptr, cLocale());
}

float readFloat(std::string const& text)
{
    // Read as float directly: going through double would round twice.
    return strtof_l(text.c_str(), nullptr, cLocale());
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// One optional sign, digits, an optional point with more digits (at least one digit in all), and an
// optional exponent.
bool isDecimal(std::string_view text)
{
    std::size_t i = 0;
    auto const digitsFrom = [&] {
        std::size_t const start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t mantissaDigits = digitsFrom();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += digitsFrom();
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digitsFrom() == 0)
            return false;
    }
    return i == text.size();
}

// A finite non-zero number as its first `precision` significant digits, correctly rounded.
struct Scientific {
    bool negative = false;
    std::string digits; // no trailing zeros
    int exponent = 0;   // of the first digit
};

Scientific scientific(double value, int precision)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
    Scientific result;
    char const* p = buffer;
    if (*p == '-') {
        result.negative = true;
        ++p;
    }
    // The point between the digits follows the current locale; only the digits matter here.
    for (; *p != 'e' && *p != '\0'; ++p)
        if (isDigit(*p))
            result.digits += *p;
    if (*p == 'e')
        result.exponent = std::atoi(p + 1);
    while (result.digits.size() > 1 && result.digits.back() == '0')
        result.digits.pop_back();
    return result;
}

std::string scientificText(Scientific const& number)
{
    std::string text = number.negative ? "-" : "";
    text += number.digits.front();
    if (number.digits.size() > 1)
        text += "." + number.digits.substr(1);
    return text + "e" + std::to_string(number.exponent);
}

// printf's fixed notation, exact and correctly rounded, with a "." whatever the locale's point is.
std::string fixedText(double value, int fractionDigits)
{
    int const length = std::snprintf(nullptr, 0, "%.*f", fractionDigits, value);
    std::string printed(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(printed.data(), printed.size(), "%.*f", fractionDigits, value);
    printed.pop_back();
    std::string text;
    bool pointWritten = false;
    for (char c : printed) {
        if (isDigit(c) || c == '-')
            text += c;
        else if (!pointWritten) {
            text += '.';
            pointWritten = true;
        }
    }
    return text;
}

// The shortest text without an exponent that reads back as the same value. Its length is set by
// the number of digits after the point, which is the fewest that the shortest significant digits
// need; among texts of that length the nearest to the value is the one printf rounds to, so a
// large whole number is written exactly rather than with zeros in place of its last digits.
template<typename Number, typename Reader> std::string shortestFixed(Number value, int maxDigits, Reader read)
{
    if (value == 0)
        return "0"; // also for -0, which would otherwise print as "-0"
    if (!std::isfinite(value))
        throw RuntimeError("Overflow");
    Scientific shortest = scientific(value, maxDigits);
    for (int precision = 1; precision < maxDigits; ++precision) {
        Scientific const candidate = scientific(value, precision);
        if (read(scientificText(candidate)) == value) {
            shortest = candidate;
            break;
        }
    }
    int const significant = static_cast<int>(shortest.digits.size());
    return fixedText(value, std::max(0, significant - 1 - shortest.exponent));
}

} // namespace

double textToNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!isDecimal(text))
        throw RuntimeError("Type mismatch");
    double const value = readDouble(std::string(text));
    if (!std::isfinite(value))
        throw RuntimeError("Type mismatch"); // too large for a double
    return value;
}

std::string numberToText(double value)
{
    return shortestFixed(value, 17, readDouble);
}

std::string singleToText(Single value)
{
    return shortestFixed(value, 9, readFloat);
}

} // namespace zelmora
