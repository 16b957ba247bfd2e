// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_text.hpp"

#include "link_bytes.hpp"

#include <cstdint>

namespace zelmora::links {

namespace {

constexpr std::uint8_t otherCharacter = 0x7F;
constexpr char32_t arabicBlock = 0x600;
constexpr char32_t windowSize = 0x80;
constexpr char32_t lastCodePoint = 0x10FFFF;

bool isSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

// The code points of valid UTF-8, which is what a board file's texts are.
class CodePoints {
public:
    explicit CodePoints(std::string_view utf8)
        : m_text(utf8)
    { }
    bool atEnd() const { return m_at == m_text.size(); }
    char32_t next()
    {
        auto const lead = static_cast<std::uint8_t>(m_text[m_at++]);
        int const continuations = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t c = continuations == 0 ? lead : lead & (0x3F >> continuations);
        for (int i = 0; i < continuations && !atEnd(); ++i)
            c = (c << 6) | (static_cast<std::uint8_t>(m_text[m_at++]) & 0x3F);
        return c;
    }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
        return;
    }
    int const continuations = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    static constexpr std::uint8_t leads[] = { 0, 0xC0, 0xE0, 0xF0 };
    out.push_back(static_cast<char>(leads[continuations] | (c >> (6 * continuations))));
    for (int i = continuations - 1; i >= 0; --i)
        out.push_back(static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F)));
}

bool inArabicWindow(char32_t c)
{
    return c >= arabicBlock && c < arabicBlock + windowSize;
}

} // namespace

std::string packedText(std::string_view utf8)
{
    ByteWriter out;
    for (CodePoints text(utf8); !text.atEnd();) {
        char32_t const c = text.next();
        if (c < otherCharacter) {
            out.byte(static_cast<std::uint8_t>(c));
        } else if (inArabicWindow(c)) {
            out.byte(static_cast<std::uint8_t>(0x80 + (c - arabicBlock)));
        } else {
            out.byte(otherCharacter);
            out.unsignedNumber(c);
        }
    }
    return out.bytes();
}

std::optional<std::string> unpackedText(std::string_view packed)
{
    std::string utf8;
    ByteReader in(packed);
    try {
        while (!in.atEnd()) {
            std::uint8_t const b = in.byte();
            if (b < otherCharacter) {
                utf8.push_back(static_cast<char>(b));
                continue;
            }
            if (b > otherCharacter) {
                appendUtf8(utf8, arabicBlock + (b - 0x80));
                continue;
            }
            std::uint64_t const c = in.unsignedNumber();
            if (c > lastCodePoint || isSurrogate(static_cast<char32_t>(c)) || c < otherCharacter
                || inArabicWindow(static_cast<char32_t>(c)))
                return std::nullopt;
            appendUtf8(utf8, static_cast<char32_t>(c));
        }
    } catch (ByteReader::Unreadable const&) {
        return std::nullopt;
    }
    return utf8;
}

} // namespace zelmora::links
