// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression_reader.hpp"

#include "expression_tokens.hpp"

#include <numeric>
#include <vector>

namespace zelmora {

namespace {

constexpr std::string_view incomplete = "التعبير ناقص";
constexpr std::string_view tooHighDegree = "لا قطعة لحدٍّ درجته أعلى من الثانية";

// A monomial's powers of x and y, and the term it is.
Polynomial monomial(std::int64_t coefficient, int xPower, int yPower)
{
    if (xPower + yPower > 2)
        throw Unreadable { std::string(tooHighDegree) };
    static constexpr Term terms[3][3] = {
        { Term::Number, Term::Y, Term::Y2 },
        { Term::X, Term::XY, Term::Number },
        { Term::X2, Term::Number, Term::Number },
    };
    return Polynomial::of(terms[xPower][yPower], coefficient);
}

// Recursive descent over the tokens; every rule throws Unreadable where the text departs from it.
class Parser {
public:
    explicit Parser(std::string_view text)
        : m_tokens(tokenize(text))
    { }

    // sum := [sign] item { sign item }
    Polynomial sum()
    {
        Polynomial total;
        bool first = true;
        while (first || at(TokenKind::Plus) || at(TokenKind::Minus)) {
            bool const negative = signFor(first);
            Polynomial const item = at(TokenKind::Open) ? bracketProduct() : term();
            negative ? total -= item : total += item;
            first = false;
        }
        return total;
    }

    // Exactly two bracketed factors of first degree and nothing else.
    TwoFactors twoFactors()
    {
        Polynomial const first = bracket();
        accept(TokenKind::Times);
        if (!at(TokenKind::Open))
            throw Unreadable { "اكتب عاملين كلًّا بين قوسين، مثل (س + 2)(س + 3)" };
        Polynomial const second = bracket();
        if (!first.isLinear() || !second.isLinear())
            throw Unreadable { "كل عامل من الدرجة الأولى: لا س² فيه ولا س ص ولا ص²" };
        return { first, second };
    }

    bool at(TokenKind kind) const { return m_tokens[m_next].kind == kind; }
    bool accept(TokenKind kind)
    {
        if (!at(kind))
            return false;
        ++m_next;
        return true;
    }
    // The text must end here.
    void end()
    {
        if (!at(TokenKind::End))
            unexpected();
    }

private:
    [[noreturn]] void unexpected() const
    {
        Token const& token = m_tokens[m_next];
        if (token.kind == TokenKind::End)
            throw Unreadable { std::string(incomplete) };
        throw Unreadable { "«" + std::string(token.text) + "» في غير مكانه" };
    }

    // The sign before an item or a term: optional before the first, required between them.
    bool signFor(bool first)
    {
        if (accept(TokenKind::Minus))
            return true;
        if (!accept(TokenKind::Plus) && !first)
            unexpected();
        return false;
    }

    // bracketProduct := bracket { ['*'] bracket }, at most two factors multiplied
    Polynomial bracketProduct()
    {
        Polynomial product = bracket();
        int factors = 1;
        while (at(TokenKind::Open) || (at(TokenKind::Times) && m_tokens[m_next + 1].kind == TokenKind::Open)) {
            accept(TokenKind::Times);
            Polynomial const next = bracket();
            if (++factors > 2)
                throw Unreadable { "اضرب قوسين اثنين على الأكثر" };
            if (!product.isLinear() || !next.isLinear())
                throw Unreadable { std::string(tooHighDegree) };
            product = multiplyLinear(product, next);
        }
        return product;
    }

    // bracket := '(' [sign] term { sign term } ')'
    Polynomial bracket()
    {
        if (!accept(TokenKind::Open))
            unexpected();
        Polynomial inside;
        bool first = true;
        while (first || at(TokenKind::Plus) || at(TokenKind::Minus)) {
            bool const negative = signFor(first);
            negative ? inside -= term() : inside += term();
            first = false;
        }
        if (!accept(TokenKind::Close))
            throw Unreadable { at(TokenKind::End) ? "قوس لم يُغلق"
                                                  : "«" + std::string(m_tokens[m_next].text) + "» في غير مكانه" };
        return inside;
    }

    // term := number [ ['*'] letters ] | letters, letters := letter [power] { ['*'] letter [power] }
    Polynomial term()
    {
        std::int64_t coefficient = 1;
        bool const numbered = at(TokenKind::Number);
        if (numbered) {
            coefficient = m_tokens[m_next++].number;
            if (!at(TokenKind::Times) && !isLetter())
                return monomial(coefficient, 0, 0);
            accept(TokenKind::Times);
        }
        if (!isLetter())
            unexpected();
        int powers[2] = { 0, 0 };
        for (;;) {
            int const letter = at(TokenKind::X) ? 0 : 1;
            ++m_next;
            powers[letter] += power();
            if (powers[0] + powers[1] > 2)
                throw Unreadable { std::string(tooHighDegree) };
            if (accept(TokenKind::Times) && !isLetter())
                unexpected();
            if (!isLetter())
                return monomial(coefficient, powers[0], powers[1]);
        }
    }

    bool isLetter() const { return at(TokenKind::X) || at(TokenKind::Y); }

    // power := '^' (1 | 2) | '²', 1 when none is written
    int power()
    {
        if (accept(TokenKind::Squared))
            return 2;
        if (!accept(TokenKind::Power))
            return 1;
        if (!at(TokenKind::Number))
            unexpected();
        if (m_tokens[m_next].number < 1 || m_tokens[m_next].number > 2)
            throw Unreadable { "الأس 1 أو 2" };
        return static_cast<int>(m_tokens[m_next++].number);
    }

    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
};

// Runs one reading: the length is checked first, and whatever the text departs in is the reading's problem.
template<typename Read>
auto reading(std::string_view text, Read read) -> Reading<decltype(read(std::declval<Parser&>()))>
{
    if (text.size() > expressionMaxBytes)
        return { std::nullopt, "التعبير أطول من أن يُقرأ" };
    try {
        Parser parser(text);
        if (parser.at(TokenKind::End))
            return { std::nullopt, "اكتب تعبيرًا" };
        auto value = read(parser);
        parser.end();
        return { std::move(value), {} };
    } catch (Unreadable const& u) {
        return { std::nullopt, u.problem };
    }
}

// The equation's left side minus its right side: a x + c.
std::pair<std::int64_t, std::int64_t> linearParts(Equation const& e)
{
    Polynomial const difference = e.left - e.right;
    return { difference.coefficient(Term::X), difference.coefficient(Term::Number) };
}

bool hasOnly(Polynomial const& p, std::initializer_list<Term> terms)
{
    Polynomial rest = p;
    for (Term t : terms)
        rest -= Polynomial::of(t, p.coefficient(t));
    return rest.isZero();
}

} // namespace

Reading<Polynomial> readPolynomial(std::string_view text)
{
    return reading(text, [](Parser& p) { return p.sum(); });
}

Reading<TwoFactors> readTwoFactors(std::string_view text)
{
    return reading(text, [](Parser& p) { return p.twoFactors(); });
}

Reading<Equation> readLinearEquation(std::string_view text)
{
    return reading(text, [](Parser& p) {
        Equation equation;
        equation.left = p.sum();
        if (!p.accept(TokenKind::Equals))
            throw Unreadable { p.at(TokenKind::End) ? "المعادلة بلا علامة =" : "علامة = واحدة بين طرفين" };
        if (p.at(TokenKind::End))
            throw Unreadable { std::string(incomplete) };
        equation.right = p.sum();
        if (p.at(TokenKind::Equals))
            throw Unreadable { "علامة = واحدة بين طرفين" };
        if (!hasOnly(equation.left, { Term::X, Term::Number }) || !hasOnly(equation.right, { Term::X, Term::Number }))
            throw Unreadable { "المعادلة من الدرجة الأولى في س، ولا حرف فيها غير س" };
        if (linearParts(equation).first == 0)
            throw Unreadable { "ليس للمعادلة حلٌّ واحد" };
        return equation;
    });
}

Solution solutionOf(Equation const& equation)
{
    auto [a, c] = linearParts(equation);
    // a x + c = 0, so x = -c / a, in lowest terms with the sign above the line.
    std::int64_t numerator = -c;
    std::int64_t denominator = a;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    std::int64_t const common = std::gcd(numerator, denominator);
    return { numerator / common, denominator / common };
}

} // namespace zelmora
