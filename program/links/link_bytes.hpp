// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora::links {

// The version of the links this program writes. The first wrote every place off the twip grid as
// a double and texts as UTF-8; the second writes a sixteenth of a twip as a whole place, any
// other Single in four bytes, texts packed (link_text.hpp) and the balance's tab order as the
// tiles pressed last.
inline constexpr int linkVersion = 2;

// The bytes of a shared link, written and read as small numbers first: a number below 128 takes
// one byte, so a board's places and indices stay short enough for a QR code.
class ByteWriter {
public:
    void byte(std::uint8_t);
    void unsignedNumber(std::uint64_t);
    void signedNumber(std::int64_t);
    // A place or length in twips: a whole number or a sixteenth of a twip (where the page puts a
    // pointer) in two or three bytes, any other Single (the desktop's zoom) in five, any other
    // value whole, in nine.
    void place(double);
    // Its length and the text, packed when that is shorter (see link_text.hpp).
    void text(std::string_view utf8);
    void raw(std::string_view);
    std::string const& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Reads what a ByteWriter of the given link version wrote; past the end, or a number too large,
// throws Unreadable.
class ByteReader {
public:
    struct Unreadable {
        std::string detail;
    };
    explicit ByteReader(std::string_view bytes, int version = linkVersion)
        : m_bytes(bytes)
        , m_version(version)
    { }
    int version() const { return m_version; }
    std::uint8_t byte();
    std::uint64_t unsignedNumber();
    // An unsigned number that must be below `limit`, as an index into something that has that many.
    std::size_t below(std::size_t limit, std::string_view what);
    std::int64_t signedNumber();
    double place();
    std::string text();
    bool atEnd() const { return m_at == m_bytes.size(); }
    std::size_t left() const { return m_bytes.size() - m_at; }

private:
    std::string_view take(std::size_t count);
    std::string_view m_bytes;
    int m_version;
    std::size_t m_at = 0;
};

// Base64 with the URL's alphabet (- and _) and no padding: every character may stand in a fragment.
std::string base64url(std::string_view bytes);
// None when a character is outside the alphabet or the length cannot be one that base64url gives.
std::optional<std::string> fromBase64url(std::string_view text);

// CRC-32 (the polynomial of zlib and PNG), which finds every burst of damage up to 32 bits.
std::uint32_t crc32(std::string_view bytes);

} // namespace zelmora::links
