// SPDX-License-Identifier: GPL-3.0-or-later
#include "polynomial.hpp"

#include "runtime/runtime_error.hpp"

#include <string_view>

namespace zelmora {

namespace {

std::size_t slot(Term term)
{
    return static_cast<std::size_t>(term);
}

// How each term is written after its coefficient; the number has no letters.
constexpr std::array<std::string_view, allTerms.size()> letters { "س²", "س ص", "ص²", "س", "ص", "" };

// x and y as first-degree terms, and which term their products make.
struct FirstDegreeProduct {
    Term a;
    Term b;
    Term product;
};
constexpr std::array<FirstDegreeProduct, 9> productTable { {
    { Term::X, Term::X, Term::X2 },
    { Term::X, Term::Y, Term::XY },
    { Term::X, Term::Number, Term::X },
    { Term::Y, Term::X, Term::XY },
    { Term::Y, Term::Y, Term::Y2 },
    { Term::Y, Term::Number, Term::Y },
    { Term::Number, Term::X, Term::X },
    { Term::Number, Term::Y, Term::Y },
    { Term::Number, Term::Number, Term::Number },
} };

// One term without its sign: the coefficient is left out when it is 1, except on a bare number.
std::string magnitudeText(Term term, std::int64_t magnitude)
{
    auto const name = letters[slot(term)];
    if (magnitude == 1 && !name.empty())
        return std::string(name);
    return std::to_string(magnitude) + std::string(name);
}

} // namespace

Polynomial Polynomial::of(Term term, std::int64_t coefficient)
{
    Polynomial p;
    p.m_coefficients[slot(term)] = coefficient;
    return p;
}

bool Polynomial::isZero() const
{
    return termCount() == 0;
}

bool Polynomial::isLinear() const
{
    return coefficient(Term::X2) == 0 && coefficient(Term::XY) == 0 && coefficient(Term::Y2) == 0;
}

int Polynomial::termCount() const
{
    int count = 0;
    for (auto c : m_coefficients)
        count += c != 0;
    return count;
}

Polynomial& Polynomial::operator+=(Polynomial const& other)
{
    for (std::size_t i = 0; i < m_coefficients.size(); ++i)
        m_coefficients[i] += other.m_coefficients[i];
    return *this;
}

Polynomial& Polynomial::operator-=(Polynomial const& other)
{
    for (std::size_t i = 0; i < m_coefficients.size(); ++i)
        m_coefficients[i] -= other.m_coefficients[i];
    return *this;
}

double Polynomial::lengthWith(double x, double y, double unit) const
{
    return double(coefficient(Term::X)) * x + double(coefficient(Term::Y)) * y
        + double(coefficient(Term::Number)) * unit;
}

Polynomial multiplyLinear(Polynomial const& a, Polynomial const& b)
{
    if (!a.isLinear() || !b.isLinear())
        throw RuntimeError("Only factors of first degree can be multiplied: " + toText(a) + " by " + toText(b));
    Polynomial product;
    for (auto const& row : productTable)
        product += Polynomial::of(row.product, a.coefficient(row.a) * b.coefficient(row.b));
    return product;
}

std::string toText(Polynomial const& p)
{
    std::string text;
    for (Term term : allTerms) {
        std::int64_t const c = p.coefficient(term);
        if (c == 0)
            continue;
        if (text.empty())
            text = c < 0 ? "-" : "";
        else
            text += c < 0 ? " - " : " + ";
        text += magnitudeText(term, c < 0 ? -c : c);
    }
    return text.empty() ? "0" : text;
}

std::string productText(Polynomial const& a, Polynomial const& b)
{
    // Each factor keeps its parentheses, even a single term or 0, so that two factors never run
    // together into one number ("(2)(3)", not "23") and an empty side shows why the product is 0.
    return "(" + toText(a) + ")(" + toText(b) + ") = " + toText(multiplyLinear(a, b));
}

} // namespace zelmora
