// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression_tokens.hpp"

#include <array>

namespace zelmora {

namespace {

struct Spelling {
    std::string_view text;
    TokenKind kind;
};

// Every spelling a token may have: ASCII, the Arabic letters as the band writes them, and the
// signs a teacher may copy from a book (the true minus, ×, ²).
constexpr std::array spellings {
    Spelling { "x", TokenKind::X },
    Spelling { "X", TokenKind::X },
    Spelling { "س", TokenKind::X },
    Spelling { "y", TokenKind::Y },
    Spelling { "Y", TokenKind::Y },
    Spelling { "ص", TokenKind::Y },
    Spelling { "^", TokenKind::Power },
    Spelling { "²", TokenKind::Squared },
    Spelling { "+", TokenKind::Plus },
    Spelling { "-", TokenKind::Minus },
    Spelling { "−", TokenKind::Minus },
    Spelling { "*", TokenKind::Times },
    Spelling { "×", TokenKind::Times },
    Spelling { "(", TokenKind::Open },
    Spelling { ")", TokenKind::Close },
    Spelling { "=", TokenKind::Equals },
};

// Blanks, and the invisible direction marks that right-to-left text fields put around Latin
// letters and digits.
constexpr std::array<std::string_view, 6> blanks { " ", "\t", "\u00A0", "\u200E", "\u200F", "\u061C" };

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The whole character at the start of the text, for a message: one UTF-8 sequence, or "?" for
// a control character or broken UTF-8, which a message must not carry on to the screen.
std::string_view characterAt(std::string_view text)
{
    auto const lead = static_cast<unsigned char>(text.front());
    if (lead < 0x80)
        return lead < 0x20 || lead == 0x7F ? "?" : text.substr(0, 1);
    std::size_t const length = lead >= 0xF8 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || text.size() < length)
        return "?";
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return "?";
    return text.substr(0, length);
}

Token numberAt(std::string_view text)
{
    std::size_t end = 0;
    std::int64_t value = 0;
    while (end < text.size() && isDigit(text[end])) {
        value = value * 10 + (text[end] - '0');
        if (value > largestNumber)
            throw Unreadable { "العدد " + std::string(text.substr(0, end + 1)) + "... أكبر مما تحمله اللوحة" };
        ++end;
    }
    return Token { TokenKind::Number, text.substr(0, end), value };
}

} // namespace

std::vector<Token> tokenize(std::string_view text)
{
    std::vector<Token> tokens;
    while (!text.empty()) {
        if (isDigit(text.front())) {
            tokens.push_back(numberAt(text));
            text.remove_prefix(tokens.back().text.size());
            continue;
        }
        bool known = false;
        for (auto blank : blanks)
            if (!known && text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                known = true;
            }
        for (auto const& spelling : spellings)
            if (!known && text.starts_with(spelling.text)) {
                tokens.push_back(Token { spelling.kind, text.substr(0, spelling.text.size()) });
                text.remove_prefix(spelling.text.size());
                known = true;
            }
        if (!known)
            throw Unreadable { "الرمز «" + std::string(characterAt(text)) + "» لا مكان له في تعبير" };
    }
    tokens.push_back(Token { TokenKind::End, {} });
    return tokens;
}

std::string inBandNotation(std::vector<Token> const& tokens)
{
    std::string text;
    TokenKind previous = TokenKind::End;
    auto const isLetter = [](TokenKind k) { return k == TokenKind::X || k == TokenKind::Y; };
    // A sign after nothing, an opening bracket, an equals sign or another sign begins its term.
    auto const beginsTerm = [](TokenKind before) {
        return before == TokenKind::End || before == TokenKind::Open || before == TokenKind::Equals
            || before == TokenKind::Plus || before == TokenKind::Minus || before == TokenKind::Times;
    };
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        Token const& token = tokens[i];
        switch (token.kind) {
        case TokenKind::Number:
            text += previous == TokenKind::Power && token.number == 2 ? "²" : std::to_string(token.number);
            break;
        case TokenKind::X:
        case TokenKind::Y:
            text += std::string(isLetter(previous) || previous == TokenKind::Squared ? " " : "")
                + (token.kind == TokenKind::X ? "س" : "ص");
            break;
        case TokenKind::Power:
            break;
        case TokenKind::Squared:
            text += "²";
            break;
        case TokenKind::Plus:
        case TokenKind::Minus: {
            std::string const sign = token.kind == TokenKind::Plus ? "+" : "-";
            text += beginsTerm(previous) ? sign : " " + sign + " ";
            break;
        }
        case TokenKind::Times:
            text += "×";
            break;
        case TokenKind::Open:
            text += "(";
            break;
        case TokenKind::Close:
            text += ")";
            break;
        case TokenKind::Equals:
            text += " = ";
            break;
        case TokenKind::End:
            break;
        }
        previous = token.kind;
    }
    return text;
}

} // namespace zelmora
