// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora::links {

// The bytes of a shared link, written and read as small numbers first: a number below 128 takes
// one byte, so a board's places and indices stay short enough for a QR code.
class ByteWriter {
public:
    void byte(std::uint8_t);
    void unsignedNumber(std::uint64_t);
    void signedNumber(std::int64_t);
    // A whole number of twips in two or three bytes; any other value whole, in nine.
    void place(double);
    void text(std::string_view);
    void raw(std::string_view);
    std::string const& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Reads what a ByteWriter wrote; past the end, or a number too large, throws Unreadable.
class ByteReader {
public:
    struct Unreadable {
        std::string detail;
    };
    explicit ByteReader(std::string_view bytes)
        : m_bytes(bytes)
    { }
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
    std::size_t m_at = 0;
};

// Base64 with the URL's alphabet (- and _) and no padding: every character may stand in a fragment.
std::string base64url(std::string_view bytes);
// None when a character is outside the alphabet or the length cannot be one that base64url gives.
std::optional<std::string> fromBase64url(std::string_view text);

// CRC-32 (the polynomial of zlib and PNG), which finds every burst of damage up to 32 bits.
std::uint32_t crc32(std::string_view bytes);

} // namespace zelmora::links
