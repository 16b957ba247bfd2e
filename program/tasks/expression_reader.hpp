// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boards/common/polynomial.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

// What the reader made of an expression a teacher typed, or why it could not read it.
template<typename Value> struct Reading {
    std::optional<Value> value;
    std::string problem; // one short Arabic sentence for the teacher; empty when read

    bool read() const { return value.has_value(); }
};

struct TwoFactors {
    Polynomial first;
    Polynomial second;
};

struct Equation {
    Polynomial left;
    Polynomial right;
};

// Longer text is no expression a board could hold; it is refused before it is read.
inline constexpr std::size_t expressionMaxBytes = 200;

// Expressions in x and y with whole coefficients, typed in ASCII (`x^2+5x+6`, `*` optional) or
// with the Arabic letters (`س^2+5س+6`, `س²`, `3س ص`); blanks anywhere between the parts.
//
// A sum or difference of terms and bracketed polynomials, `(3x+2)-(x+1)`, where two brackets
// side by side multiply, `(x+2)(x+3)`; what it comes to, of at most second degree.
Reading<Polynomial> readPolynomial(std::string_view);
// Exactly two bracketed factors of first degree: `(x+2)(x+3)`, `(2x-1)*(y+4)`.
Reading<TwoFactors> readTwoFactors(std::string_view);
// `L = R`, each side read as readPolynomial reads it, of first degree in x with no other letter,
// and with exactly one solution.
Reading<Equation> readLinearEquation(std::string_view);

// The solution of such an equation as a fraction, numerator over a positive denominator.
struct Solution {
    std::int64_t numerator;
    std::int64_t denominator;
};
Solution solutionOf(Equation const&);

} // namespace zelmora
