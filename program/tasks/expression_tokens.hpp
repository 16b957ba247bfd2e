// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// The parts an expression is made of, blanks left out.
enum class TokenKind { Number, X, Y, Power, Squared, Plus, Minus, Times, Open, Close, Equals, End };

struct Token {
    TokenKind kind;
    std::string_view text; // as typed, for messages
    std::int64_t number = 0;
};

// Why an expression cannot be read: one short Arabic sentence, thrown by the tokenizer and the
// parser and caught where the reading is returned.
struct Unreadable {
    std::string problem;
};

// The largest number a term may be written with; no board holds more tiles than that.
inline constexpr std::int64_t largestNumber = 9999;

// The tokens of the text, ending in End. Throws Unreadable for a character that has no meaning
// in an expression or for a number that is too large.
std::vector<Token> tokenize(std::string_view text);

// The tokens written again in the band's notation, in the order they were typed: "س" and "ص" for
// the letters, "²" for a square, blanks around the signs between terms, none after a sign that
// begins a term, and a blank between two letters, which the band never joins ("س ص").
std::string inBandNotation(std::vector<Token> const&);

} // namespace zelmora
