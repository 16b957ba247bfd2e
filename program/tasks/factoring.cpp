// SPDX-License-Identifier: GPL-3.0-or-later
#include "factoring.hpp"

#include <algorithm>
#include <cstdlib>

namespace zelmora {

namespace {

// No board holds a side of more than a few dozen tiles.
constexpr std::int64_t coefficientBound = 40;

// q = n / d when d divides n exactly.
bool divides(std::int64_t d, std::int64_t n, std::int64_t& q)
{
    if (d == 0 || n % d != 0)
        return false;
    q = n / d;
    return true;
}

// The second factor B with A·B = P, read off the terms in which A's first nonzero coefficient
// meets each of B's: x² (or y², or the number) fixes one, and the terms beside it the others.
std::optional<Polynomial> cofactor(Polynomial const& p, std::int64_t a1, std::int64_t a2, std::int64_t a3)
{
    auto const c = [&](Term t) { return p.coefficient(t); };
    std::int64_t b1 = 0, b2 = 0, b3 = 0;
    if (a1 != 0) {
        if (!divides(a1, c(Term::X2), b1) || !divides(a1, c(Term::XY) - a2 * b1, b2)
            || !divides(a1, c(Term::X) - a3 * b1, b3))
            return std::nullopt;
    } else if (a2 != 0) {
        if (!divides(a2, c(Term::Y2), b2) || !divides(a2, c(Term::XY), b1) || !divides(a2, c(Term::Y) - a3 * b2, b3))
            return std::nullopt;
    } else {
        if (!divides(a3, c(Term::X), b1) || !divides(a3, c(Term::Y), b2) || !divides(a3, c(Term::Number), b3))
            return std::nullopt;
    }
    return Polynomial::of(Term::X, b1) + Polynomial::of(Term::Y, b2) + Polynomial::number(b3);
}

} // namespace

std::optional<std::pair<Polynomial, Polynomial>> linearFactors(Polynomial const& p)
{
    if (p.isZero())
        return std::nullopt;
    for (std::int64_t a1 = -coefficientBound; a1 <= coefficientBound; ++a1)
        for (std::int64_t a2 = -coefficientBound; a2 <= coefficientBound; ++a2)
            for (std::int64_t a3 = -coefficientBound; a3 <= coefficientBound; ++a3) {
                if (a1 == 0 && a2 == 0 && a3 == 0)
                    continue;
                auto const b = cofactor(p, a1, a2, a3);
                if (!b || b->isZero())
                    continue;
                Polynomial const a = Polynomial::of(Term::X, a1) + Polynomial::of(Term::Y, a2) + Polynomial::number(a3);
                if (multiplyLinear(a, *b) == p)
                    return std::pair { a, *b };
            }
    return std::nullopt;
}

} // namespace zelmora
