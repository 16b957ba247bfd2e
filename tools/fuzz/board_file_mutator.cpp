// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_file_mutator.hpp"

#include <nlohmann/json.hpp>

#include <array>
#include <functional>

namespace zelmora::fuzz {

using nlohmann::json;

namespace {

// Stands for a value that is written into the text after dumping: nesting or a number no JSON
// type holds.
constexpr char const* marker = "@zelmora-fuzz@";

std::vector<json::json_pointer> leavesOf(json const& file)
{
    std::vector<json::json_pointer> leaves;
    std::function<void(json const&, json::json_pointer const&)> collect = [&](json const& j, auto const& at) {
        if (j.is_structured() && !j.empty())
            for (auto const& [key, value] : j.items())
                collect(value, j.is_array() ? at / std::stoul(key) : at / key);
        else
            leaves.push_back(at);
    };
    collect(file, json::json_pointer());
    return leaves;
}

// Whether `inner` lies inside `outer` or is it: such two cannot change places.
bool within(json::json_pointer const& inner, json::json_pointer const& outer)
{
    return (inner.to_string() + "/").starts_with(outer.to_string() + "/");
}

// Values of every kind a board file holds, at and beyond the edges of their ranges.
json const& oddValue(std::size_t which)
{
    static std::vector<json> const values { -1, 0, 1, 2, 66, 140, 141, 142, 500, 1300, 32767, 32768, -32767, -32768,
        -32769, 2147483648LL, -9223372036854775807LL - 1, 18446744073709551615ULL, 1e300, -1e300, 3.5e38, 1e-300, 0.5,
        -0.0, 0.1, "1", "", "1e5", "NaN", "-", true, false, nullptr, json::array(), json::object(),
        json::array({ 1, 2 }), "bin-full", "bin-empty", "balance", "none", "cat", "Command9", "Command1(0)",
        "Command1(141)", "Shape3", "Text1", "frmZelmora1", "frmZelmora2", "frmZelmora4", "frmZelmora5", "frmZelmora",
        "zelmora-board" };
    return values[which % values.size()];
}

// Text for the marker: deep nesting, or numbers no double or 64-bit integer holds.
std::string oddText(std::size_t which, std::size_t depthChoice)
{
    static constexpr std::array<std::size_t, 9> depths { 2, 10, 63, 64, 65, 200, 5000, 100000, 300000 };
    std::size_t const depth = depths[depthChoice % depths.size()];
    switch (which % 8) {
    case 0:
        return std::string(depth, '[') + std::string(depth, ']');
    case 1: {
        std::string nested;
        for (std::size_t i = 0; i < depth; ++i)
            nested += "{\"a\":";
        return nested + "1" + std::string(depth, '}');
    }
    case 2:
        return "1" + std::string(400, '0');
    case 3:
        return "-1e400";
    case 4:
        return "1e400";
    case 5:
        return "123456789012345678901234567890";
    case 6:
        return "0." + std::string(400, '0') + "1";
    default:
        return std::string(depth, '[');
    }
}

} // namespace

std::string BoardFileMutator::mutate(std::string const& good, std::string const& donor)
{
    std::string bytes = good;
    if (below(3) != 0) {
        try {
            bytes = mutateValues(good);
        } catch (nlohmann::json::exception const&) {
            // A round left the file a shape the next could not walk (a scalar where the path
            // went on): the bytes take the damage instead.
        }
    }
    if (bytes == good || below(3) == 0)
        mutateBytes(bytes, donor);
    return bytes;
}

std::string BoardFileMutator::mutateValues(std::string const& good)
{
    json file = json::parse(good);
    std::string markerText;
    for (std::size_t round = 0, rounds = 1 + below(3); round < rounds; ++round) {
        // The rounds before may have changed the file's shape.
        auto const leaves = leavesOf(file);
        auto leaf = [&] { return leaves[below(leaves.size())]; };
        switch (below(7)) {
        case 0: { // two values change places
            auto const a = leaf(), b = leaf();
            std::swap(file[a], file[b]);
            break;
        }
        case 1:
        case 2: // a value of another kind, or out of range
            file[leaf()] = oddValue(below(1000));
            break;
        case 3: { // whole entries change places
            auto const a = leaf().parent_pointer(), b = leaf().parent_pointer();
            if (!a.empty() && !b.empty() && !within(a, b) && !within(b, a))
                std::swap(file[a], file[b]);
            break;
        }
        case 4: { // a member goes, or one comes that no board has
            auto const at = leaf();
            auto& parent = file[at.parent_pointer()];
            if (parent.is_object() && below(2) == 0)
                parent.erase(at.back());
            else if (parent.is_object())
                parent["extra"] = oddValue(below(1000));
            else if (parent.is_array() && !parent.empty())
                parent.erase(parent.size() - 1);
            break;
        }
        case 5: // the board, the format or the version of another file
            file[below(2) == 0 ? "board" : below(2) == 0 ? "format" : "version"] = oddValue(below(1000));
            break;
        default: // nesting or a number that only the text can hold
            file[leaf()] = marker;
            markerText = oddText(below(1000), below(1000));
            break;
        }
    }
    std::string text = below(2) == 0 ? file.dump() : file.dump(1) + "\n";
    std::string const quoted = std::string("\"") + marker + "\"";
    if (auto const at = text.find(quoted); at != std::string::npos)
        text.replace(at, quoted.size(), markerText);
    return text;
}

void BoardFileMutator::mutateBytes(std::string& bytes, std::string const& donor)
{
    for (std::size_t round = 0, rounds = 1 + below(3); round < rounds && !bytes.empty(); ++round) {
        std::size_t const at = below(bytes.size());
        std::size_t const length = 1 + below(below(2) == 0 ? 8 : 400);
        switch (below(6)) {
        case 0:
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << below(8)));
            break;
        case 1:
            bytes[at] = static_cast<char>(below(256));
            break;
        case 2:
            bytes.erase(at, length);
            break;
        case 3:
            bytes.insert(at, bytes.substr(below(bytes.size()), length));
            break;
        case 4: // a piece of another board's file in place of a piece of this one
            bytes.replace(at, length, donor.substr(below(donor.size()), length));
            break;
        default:
            bytes.resize(at);
            break;
        }
    }
}

} // namespace zelmora::fuzz
