// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_bytes.hpp"

#include "link_text.hpp"

#include <array>
#include <cmath>
#include <cstring>

namespace zelmora::links {

namespace {

// A place is tagged in the low bits of its number with how it is written. The first version had
// one bit: whole, or the double's eight bytes after it.
constexpr std::uint64_t firstVersionFractional = 1;
enum PlaceTag : std::uint64_t { wholeTwips = 0, sixteenths = 1, single = 2, anyDouble = 3 };
constexpr int placeTagBits = 2;
constexpr double placeNumberLimit = 1 << 30;

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

std::uint64_t zigzag(std::int64_t n)
{
    return (static_cast<std::uint64_t>(n) << 1) ^ static_cast<std::uint64_t>(n >> 63);
}

std::int64_t unzigzag(std::uint64_t n)
{
    return static_cast<std::int64_t>(n >> 1) ^ -static_cast<std::int64_t>(n & 1);
}

int sextet(char c)
{
    auto const at = alphabet.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

void ByteWriter::byte(std::uint8_t b)
{
    m_bytes.push_back(static_cast<char>(b));
}

void ByteWriter::unsignedNumber(std::uint64_t n)
{
    while (n >= 0x80) {
        byte(static_cast<std::uint8_t>(n | 0x80));
        n >>= 7;
    }
    byte(static_cast<std::uint8_t>(n));
}

void ByteWriter::signedNumber(std::int64_t n)
{
    unsignedNumber(zigzag(n));
}

void ByteWriter::place(double value)
{
    auto const tagged = [&](double number, PlaceTag tag) {
        unsignedNumber(zigzag(static_cast<std::int64_t>(number)) << placeTagBits | tag);
    };
    // A negative zero (which no pointer gives, but a file may hold) keeps its sign as a Single.
    auto const fits = [](double number) {
        return std::trunc(number) == number && std::abs(number) < placeNumberLimit
            && !(number == 0 && std::signbit(number));
    };
    if (fits(value))
        return tagged(value, wholeTwips);
    if (fits(value * 16))
        return tagged(value * 16, sixteenths);
    // std::bit_cast is missing from the browser build's library.
    auto const bytesOf = [&](auto number) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &number, sizeof number);
        for (std::size_t i = 0; i < sizeof number; ++i, bits >>= 8)
            byte(static_cast<std::uint8_t>(bits));
    };
    if (static_cast<double>(static_cast<float>(value)) == value) {
        unsignedNumber(single);
        return bytesOf(static_cast<float>(value));
    }
    unsignedNumber(anyDouble);
    bytesOf(value);
}

void ByteWriter::text(std::string_view utf8)
{
    // The length's lowest bit says which of the two is shorter: packed, or UTF-8 as it is (for
    // letters beyond the Arabic block, which take three bytes packed and two as UTF-8).
    std::string const packed = packedText(utf8);
    bool const isPacked = packed.size() < utf8.size();
    std::string_view const written = isPacked ? std::string_view(packed) : utf8;
    unsignedNumber(written.size() << 1 | (isPacked ? 1 : 0));
    raw(written);
}

void ByteWriter::raw(std::string_view s)
{
    m_bytes.append(s);
}

std::string_view ByteReader::take(std::size_t count)
{
    if (count > left())
        throw Unreadable { "the bytes end early" };
    auto const taken = m_bytes.substr(m_at, count);
    m_at += count;
    return taken;
}

std::uint8_t ByteReader::byte()
{
    return static_cast<std::uint8_t>(take(1)[0]);
}

std::uint64_t ByteReader::unsignedNumber()
{
    std::uint64_t n = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        std::uint8_t const b = byte();
        n |= std::uint64_t(b & 0x7F) << shift;
        if (!(b & 0x80))
            return n;
    }
    throw Unreadable { "a number runs on too long" };
}

std::size_t ByteReader::below(std::size_t limit, std::string_view what)
{
    std::uint64_t const n = unsignedNumber();
    if (n >= limit)
        throw Unreadable { std::string(what) + " " + std::to_string(n) + " is out of range" };
    return static_cast<std::size_t>(n);
}

std::int64_t ByteReader::signedNumber()
{
    return unzigzag(unsignedNumber());
}

double ByteReader::place()
{
    auto const bytesAs = [&](auto number) {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < sizeof number; ++i)
            bits |= std::uint64_t(byte()) << (8 * i);
        std::memcpy(&number, &bits, sizeof number);
        return static_cast<double>(number);
    };
    std::uint64_t const n = unsignedNumber();
    if (m_version == 1) {
        if (n == firstVersionFractional)
            return bytesAs(double {});
        if (n & 1)
            throw Unreadable { "a place has an unknown tag" };
        return static_cast<double>(unzigzag(n >> 1));
    }
    switch (n & ((1 << placeTagBits) - 1)) {
    case wholeTwips:
        return static_cast<double>(unzigzag(n >> placeTagBits));
    case sixteenths:
        return static_cast<double>(unzigzag(n >> placeTagBits)) / 16;
    case single:
        if (n != single)
            throw Unreadable { "a place has an unknown tag" };
        return bytesAs(float {});
    default:
        if (n != anyDouble)
            throw Unreadable { "a place has an unknown tag" };
        return bytesAs(double {});
    }
}

std::string ByteReader::text()
{
    if (m_version == 1)
        return std::string(take(below(left() + 1, "a text's length")));
    std::uint64_t const tagged = unsignedNumber();
    if (tagged >> 1 > left())
        throw Unreadable { "a text is longer than the bytes left" };
    std::string_view const written = take(static_cast<std::size_t>(tagged >> 1));
    if (!(tagged & 1))
        return std::string(written);
    auto utf8 = unpackedText(written);
    if (!utf8)
        throw Unreadable { "a text is not packed as a link packs one" };
    return std::move(*utf8);
}

std::string base64url(std::string_view bytes)
{
    std::string out;
    out.reserve((bytes.size() * 4 + 2) / 3);
    std::uint32_t buffer = 0;
    int bits = 0;
    for (char c : bytes) {
        buffer = (buffer << 8) | static_cast<std::uint8_t>(c);
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            out.push_back(alphabet[(buffer >> bits) & 0x3F]);
        }
    }
    if (bits > 0)
        out.push_back(alphabet[(buffer << (6 - bits)) & 0x3F]);
    return out;
}

std::optional<std::string> fromBase64url(std::string_view text)
{
    // Three bytes make four characters, one or two make two or three: a single one left over
    // is never written.
    if (text.size() % 4 == 1)
        return std::nullopt;
    std::string out;
    out.reserve(text.size() * 3 / 4);
    std::uint32_t buffer = 0;
    int bits = 0;
    for (char c : text) {
        int const value = sextet(c);
        if (value < 0)
            return std::nullopt;
        buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<char>((buffer >> bits) & 0xFF));
        }
    }
    return out;
}

std::uint32_t crc32(std::string_view bytes)
{
    static constexpr auto table = [] {
        std::array<std::uint32_t, 256> t {};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char c : bytes)
        crc = table[(crc ^ static_cast<std::uint8_t>(c)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

} // namespace zelmora::links
