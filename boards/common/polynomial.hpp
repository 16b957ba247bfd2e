// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zelmora {

// The terms algebra tiles can stand for, in the order they are written.
enum class Term { X2, XY, Y2, X, Y, Number };

inline constexpr std::array allTerms { Term::X2, Term::XY, Term::Y2, Term::X, Term::Y, Term::Number };

// An expression of at most second degree in x and y with whole coefficients: what a set of
// tiles stands for. Sums of tiles are exact, so the coefficients are plain integers.
class Polynomial {
public:
    Polynomial() = default;
    static Polynomial of(Term, std::int64_t coefficient = 1);
    static Polynomial number(std::int64_t value) { return of(Term::Number, value); }

    std::int64_t coefficient(Term term) const { return m_coefficients[static_cast<std::size_t>(term)]; }
    bool isZero() const;
    // Of first degree or less: no x², xy or y² term. Only such factors multiply.
    bool isLinear() const;
    // How many terms are written.
    int termCount() const;

    Polynomial& operator+=(Polynomial const&);
    Polynomial& operator-=(Polynomial const&);
    friend Polynomial operator+(Polynomial a, Polynomial const& b) { return a += b; }
    friend Polynomial operator-(Polynomial a, Polynomial const& b) { return a -= b; }
    friend bool operator==(Polynomial const&, Polynomial const&) = default;

    // The value when x, y and the unit have these lengths: how long a row of tiles is.
    double lengthWith(double x, double y, double unit) const;

private:
    std::array<std::int64_t, allTerms.size()> m_coefficients {};
};

// The product of two factors of first degree, multiplied out. Raises a runtime error for a factor
// with a second-degree term, whose product no tile could stand for.
Polynomial multiplyLinear(Polynomial const& a, Polynomial const& b);

// Written as the learner reads it: "2س² + 3س ص - ص + 5", "-س + 2", and "0" for nothing at all.
std::string toText(Polynomial const&);

// A product with its factors: "(س + 1)(2س + 3) = 2س² + 5س + 3".
std::string productText(Polynomial const& a, Polynomial const& b);

} // namespace zelmora
