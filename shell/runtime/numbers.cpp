// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.hpp"

#include "runtime_error.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace zelmora {

Integer toInteger(double value)
{
    // nearbyint follows the current rounding mode, which is round-half-to-even by default.
    double const rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw RuntimeError("Overflow");
    return static_cast<Integer>(rounded);
}

double textToNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw RuntimeError("Type mismatch");
    return value;
}

namespace {

template<typename Number> std::string shortestFixed(Number value)
{
    if (value == 0)
        return "0"; // also for -0, which would otherwise print as "-0"
    std::array<char, 400> buffer {};
    auto const result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc())
        throw RuntimeError("Overflow");
    return std::string(buffer.data(), result.ptr);
}

} // namespace

std::string numberToText(double value)
{
    return shortestFixed(value);
}

std::string singleToText(Single value)
{
    return shortestFixed(value);
}

} // namespace zelmora
