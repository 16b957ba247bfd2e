// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_mutator.hpp"

#include "program/board_file/board_file.hpp"
#include "program/links/link_body.hpp"
#include "program/links/link_bytes.hpp"
#include "program/links/share_link.hpp"

#include <nlohmann/json.hpp>

#include <array>
#include <functional>
#include <limits>
#include <optional>

namespace zelmora::fuzz {

using nlohmann::json;

namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

// A link taken apart: what comes before its payload, and the frame's parts.
struct Framed {
    std::string before; // the address and `#zelmora=`
    std::uint8_t version = 0;
    std::string body;
};

std::optional<Framed> framedOf(std::string const& link)
{
    auto const key = link.find(shareLinkKey);
    if (key == std::string::npos)
        return std::nullopt;
    std::size_t const payload = key + shareLinkKey.size();
    auto const bytes = links::fromBase64url(std::string_view(link).substr(payload));
    if (!bytes || bytes->size() < 6)
        return std::nullopt;
    links::ByteReader header(*bytes);
    Framed framed { link.substr(0, payload), header.byte(), {} };
    header.unsignedNumber();
    framed.body = bytes->substr(bytes->size() - header.left(), header.left() - 4);
    return framed;
}

// The link with its length and checksum right for whatever its body now holds.
std::string signedLink(Framed const& framed)
{
    links::ByteWriter out;
    out.byte(framed.version);
    out.unsignedNumber(framed.body.size());
    out.raw(framed.body);
    std::string bytes = out.bytes();
    std::uint32_t const crc = links::crc32(bytes);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<char>((crc >> shift) & 0xFF));
    return framed.before + links::base64url(bytes);
}

// A value of the same kind as a board file's member, at and beyond the edges of its range.
json oddValueLike(json const& value, std::size_t which)
{
    static std::array<json, 10> const integers { -1, 0, 1, 2, 140, 141, 32767, 32768, -32769, 1000000000 };
    static std::array<json, 10> const places { -1.0, 0.5, -0.0, 0.0625, 1e9, -1e9, 1e300, 3.4e38,
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity() };
    static std::array<json, 12> const texts { "", "1", "-", "NaN", "1e5", "bin-full", "none", "x^2", "2x+3=7", "س = 2",
        "\u2066(x+1)\u2069", std::string(600, 'x') };
    if (value.is_boolean())
        return !value.get<bool>();
    if (value.is_string())
        return texts[which % texts.size()];
    if (value.is_number_float())
        return places[which % places.size()];
    return integers[which % integers.size()];
}

} // namespace

std::string LinkMutator::mutate(std::string const& good, std::string const& donor)
{
    switch (below(20)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
        return damageCharacters(good, donor);
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
        return damageSignedBytes(good, donor);
    case 12:
    case 13:
    case 14:
    case 15:
        return damageSignedBoard(good);
    case 16:
        return otherVersion(good);
    case 17:
    case 18:
        return garbage(good);
    default:
        return veryLong(good);
    }
}

char LinkMutator::anyCharacter()
{
    return below(4) == 0 ? static_cast<char>(below(256)) : alphabet[below(alphabet.size())];
}

// A character changed, the link cut short, characters put in, two pieces changing places, a
// piece of another link in place of one of this.
std::string LinkMutator::damageCharacters(std::string link, std::string const& donor)
{
    std::size_t const at = below(link.size() + 1);
    std::size_t const length = 1 + below(below(2) == 0 ? 4 : 200);
    switch (below(6)) {
    case 0:
        if (at < link.size())
            link[at] = anyCharacter();
        break;
    case 1:
        link.resize(at);
        break;
    case 2:
        for (std::size_t i = 0; i < length; ++i)
            link.insert(link.begin() + static_cast<std::ptrdiff_t>(at), anyCharacter());
        break;
    case 3: {
        std::size_t const other = below(link.size() + 1);
        std::size_t const first = std::min(at, other), second = std::max(at, other);
        std::size_t const size = std::min(length, second - first);
        std::string const a = link.substr(first, size), b = link.substr(second, size);
        link.replace(second, b.size(), a);
        link.replace(first, a.size(), b);
        break;
    }
    case 4:
        link.replace(at, length, donor.substr(below(donor.size()), length));
        break;
    default: // blanks, or another fragment after this one
        link += below(2) == 0 ? std::string(length, ' ') : "#" + donor.substr(donor.find('#') + 1);
        break;
    }
    return link;
}

// The body's bytes damaged, then signed again: bytes flipped, set to the edges of a number's byte,
// cut, put in, repeated, or spliced from another link.
std::string LinkMutator::damageSignedBytes(std::string const& good, std::string const& donor)
{
    auto framed = framedOf(good);
    auto const other = framedOf(donor);
    if (!framed || !other)
        return damageCharacters(good, donor);
    std::string& body = framed->body;
    for (std::size_t round = 0, rounds = 1 + below(3); round < rounds; ++round) {
        std::size_t const at = below(body.size() + 1);
        std::size_t const length = 1 + below(below(2) == 0 ? 4 : 64);
        static constexpr std::array<std::uint8_t, 8> edges { 0, 1, 0x7F, 0x80, 0x81, 0xC0, 0xFE, 0xFF };
        switch (below(8)) {
        case 0:
            if (at < body.size())
                body[at] = static_cast<char>(body[at] ^ (1 << below(8)));
            break;
        case 1:
            if (at < body.size())
                body[at] = static_cast<char>(edges[below(edges.size())]);
            break;
        case 2:
            if (at < body.size())
                body[at] = static_cast<char>(below(256));
            break;
        case 3:
            body.erase(at, length);
            break;
        case 4:
            body.insert(at, std::string(length, static_cast<char>(edges[below(edges.size())])));
            break;
        case 5:
            body.insert(at, body.substr(below(body.size() + 1), length));
            break;
        case 6:
            body.replace(at, length, other->body.substr(below(other->body.size() + 1), length));
            break;
        default:
            body.resize(at);
            break;
        }
    }
    return signedLink(*framed);
}

// The board file the link stands for with a value changed, written as a link again: every byte
// is as a link writes it, and only the board's own checks can refuse it.
std::string LinkMutator::damageSignedBoard(std::string const& good)
{
    LinkReading const reading = boardFileOfLink(good);
    auto framed = framedOf(good);
    if (!reading.refusal.loaded() || !framed)
        return damageCharacters(good, good);
    json file = json::parse(reading.boardFile);
    std::vector<json*> values;
    std::function<void(json&)> collect = [&](json& j) {
        if (j.is_structured())
            for (auto& [key, value] : j.items())
                collect(value);
        else
            values.push_back(&j);
    };
    // Steps are added before the values are collected: adding them moves the task's values.
    if (file.contains("task") && below(4) == 0) // steps by the hundred, far more than a learner makes
        for (std::size_t i = 0, steps = below(2000); i < steps; ++i)
            file["task"]["steps"].push_back(below(2) == 0 ? "س = 2" : "2س + 3 = 7");
    collect(file.at("controls"));
    collect(file.at("module"));
    if (file.contains("task"))
        collect(file.at("task"));
    for (std::size_t round = 0, rounds = 1 + below(3); round < rounds; ++round) {
        json& value = *values[below(values.size())];
        value = oddValueLike(value, below(1000));
    }
    if (below(8) == 0)
        file["focus"] = below(2) == 0 ? json() : json("Command1(" + std::to_string(below(150)) + ")");
    try {
        framed->version = links::linkVersion;
        framed->body = links::bodyOfBoardFile(file, *boardNamedIn(reading.boardFile));
    } catch (json::exception const&) {
        // A value of another kind than the fresh board's cannot be written: the bytes take it.
        return damageSignedBytes(good, good);
    }
    return signedLink(*framed);
}

// A link of a newer program, of the first version or of a version never written, signed as such.
std::string LinkMutator::otherVersion(std::string const& good)
{
    auto framed = framedOf(good);
    if (!framed)
        return damageCharacters(good, good);
    static constexpr std::array<std::uint8_t, 5> versions { 0, 1, links::linkVersion + 1, 0x7F, 0xFF };
    framed->version = versions[below(versions.size())];
    return signedLink(*framed);
}

// Anything pasted where a link should be, with the link's key before it or not.
std::string LinkMutator::garbage(std::string const& good)
{
    std::string text = below(2) == 0 ? good.substr(0, good.find(shareLinkKey) + shareLinkKey.size()) : "";
    for (std::size_t i = 0, length = below(below(2) == 0 ? 16 : 3000); i < length; ++i)
        text += anyCharacter();
    return text;
}

// Far longer than any board's link: the good one repeated, past the limit of a board file or
// just within it, or its body signed with a long tail after it.
std::string LinkMutator::veryLong(std::string const& good)
{
    switch (below(3)) {
    case 0: {
        std::string link = good;
        while (link.size() <= boardFileMaxBytes)
            link += good.substr(good.find(shareLinkKey) + shareLinkKey.size());
        return link;
    }
    case 1: {
        std::string link = good;
        link.resize(boardFileMaxBytes - 4, 'A');
        return link;
    }
    default: {
        auto framed = framedOf(good);
        if (!framed)
            return good;
        framed->body += std::string(below(500000), static_cast<char>(below(256)));
        return signedLink(*framed);
    }
    }
}

} // namespace zelmora::fuzz
