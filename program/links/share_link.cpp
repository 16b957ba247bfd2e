// SPDX-License-Identifier: GPL-3.0-or-later
#include "share_link.hpp"

#include "link_bytes.hpp"
#include "program/board_file/board_file_format.hpp"
#include "program/board_file/refusal_messages.hpp"
#include "program/tasks/task_file.hpp"
#include "program/windows.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>

namespace zelmora {

using links::ByteReader;
using links::ByteWriter;
using nlohmann::json;

namespace {

// A board as the program lays it out, which both ends of a link know: the link holds only what
// differs from it.
struct FreshBoard {
    json file;                      // its version 2 board file
    std::vector<std::string> tiles; // the tiles, in layout order
    std::vector<std::string> kept;  // the other controls a board file keeps, in layout order
    std::vector<std::string> all;   // every control in layout order, for the focus
};

FreshBoard freshBoard(std::string_view name)
{
    auto const form = createWindow(name);
    FreshBoard fresh { json::parse(saveBoard(*form)), {}, {}, {} };
    for (Control const* c : form->controlsInLayoutOrder()) {
        std::string const qualified = c->qualifiedName();
        fresh.all.push_back(qualified);
        if (board_file::fieldsKept(board_file::formatVersion, *form, *c).empty())
            continue;
        (board_file::isTile(*c) ? fresh.tiles : fresh.kept).push_back(qualified);
    }
    return fresh;
}

std::string const controlsKey(board_file::controlsKey);
std::string const moduleKey(board_file::moduleKey);
std::string const focusKey(board_file::focusKey);
std::string const taskKey(board_file::taskKey);

// A tile's entry in one byte and the places that moved: what a learner does to a tile is move it,
// turn it a quarter, mark it and take it out or put it back.
enum TileBit : std::uint8_t {
    visibleBit = 1,
    flatBit = 2,      // marked: appearance 0
    turnedBit = 4,    // its sides swapped
    leftBit = 8,      // a left follows
    topBit = 16,      // a top follows
    tabPlaceBit = 32, // a tab index follows
    sidesBit = 64,    // a width and a height follow (sides neither its own nor swapped)
};
constexpr std::uint8_t knownTileBits = 127;

// The entries that differ, as the gap since the one before, so that indices stay one byte.
template<typename Write> void writeDiffering(ByteWriter& out, std::vector<std::size_t> const& differing, Write write)
{
    out.unsignedNumber(differing.size());
    std::size_t next = 0;
    for (std::size_t i : differing) {
        out.unsignedNumber(i - next);
        write(i);
        next = i + 1;
    }
}

template<typename Read> void readDiffering(ByteReader& in, std::size_t count, std::string_view what, Read read)
{
    std::size_t const differing = in.below(count + 1, what);
    std::size_t next = 0;
    for (std::size_t k = 0; k < differing; ++k) {
        std::size_t const i = next + in.below(count - next, what);
        read(i);
        next = i + 1;
    }
}

std::vector<std::size_t> differingEntries(std::vector<std::string> const& names, json const& fresh, json const& live)
{
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (fresh.at(names[i]) != live.at(names[i]))
            differing.push_back(i);
    return differing;
}

void writeTile(ByteWriter& out, json const& fresh, json const& live)
{
    std::uint8_t bits = 0;
    if (live.at("visible").get<bool>())
        bits |= visibleBit;
    if (live.at("appearance") == 0)
        bits |= flatBit;
    bool const ownSides = live.at("width") == fresh.at("width") && live.at("height") == fresh.at("height");
    bool const swapped = live.at("width") == fresh.at("height") && live.at("height") == fresh.at("width");
    if (!ownSides)
        bits |= swapped ? turnedBit : sidesBit;
    for (auto [key, bit] : { std::pair { "left", leftBit }, { "top", topBit }, { "tabIndex", tabPlaceBit } })
        if (live.at(key) != fresh.at(key))
            bits |= bit;
    out.byte(bits);
    if (bits & sidesBit) {
        out.place(live.at("width").get<double>());
        out.place(live.at("height").get<double>());
    }
    if (bits & leftBit)
        out.place(live.at("left").get<double>());
    if (bits & topBit)
        out.place(live.at("top").get<double>());
    if (bits & tabPlaceBit)
        out.signedNumber(live.at("tabIndex").get<std::int64_t>());
}

json readTile(ByteReader& in, json tile)
{
    std::uint8_t const bits = in.byte();
    if (bits & ~knownTileBits)
        throw ByteReader::Unreadable { "a tile has unknown bits" };
    tile["visible"] = (bits & visibleBit) != 0;
    tile["appearance"] = (bits & flatBit) ? 0 : 1;
    if (bits & turnedBit)
        std::swap(tile["width"], tile["height"]);
    if (bits & sidesBit) {
        tile["width"] = in.place();
        tile["height"] = in.place();
    }
    if (bits & leftBit)
        tile["left"] = in.place();
    if (bits & topBit)
        tile["top"] = in.place();
    if (bits & tabPlaceBit)
        tile["tabIndex"] = in.signedNumber();
    return tile;
}

// Any other kept control: which of its members differ, then each as the fresh one's kind of value
// (true or false flips).
void writeMembers(ByteWriter& out, json const& fresh, json const& live)
{
    std::uint64_t mask = 0;
    int bit = 0;
    for (auto it = fresh.begin(); it != fresh.end(); ++it)
        mask |= std::uint64_t(live.at(it.key()) != it.value()) << bit++;
    out.unsignedNumber(mask);
    for (auto it = fresh.begin(); it != fresh.end(); ++it) {
        json const& value = it.value();
        json const& now = live.at(it.key());
        if (now == value || value.is_boolean())
            continue;
        if (value.is_string())
            out.text(now.get<std::string>());
        else if (value.is_number_float())
            out.place(now.get<double>());
        else
            out.signedNumber(now.get<std::int64_t>());
    }
}

json readMembers(ByteReader& in, json entry)
{
    std::uint64_t const mask = in.unsignedNumber();
    if (entry.size() < 64 && mask >> entry.size())
        throw ByteReader::Unreadable { "a control has unknown members" };
    int bit = 0;
    for (auto it = entry.begin(); it != entry.end(); ++it) {
        json& value = it.value();
        if (!((mask >> bit++) & 1))
            continue;
        if (value.is_boolean())
            value = !value.get<bool>();
        else if (value.is_string())
            value = in.text();
        else if (value.is_number_float())
            value = in.place();
        else
            value = in.signedNumber();
    }
    return entry;
}

void writeTask(ByteWriter& out, json const& file)
{
    if (!file.contains(taskKey)) {
        out.byte(0);
        return;
    }
    json const& task = file.at(taskKey);
    out.byte(1);
    for (auto key : { "kind", "goal", "prompt" })
        out.text(task.at(key).get<std::string>());
    out.unsignedNumber(task.at("steps").size());
    for (json const& step : task.at("steps"))
        out.text(step.get<std::string>());
}

void readTask(ByteReader& in, json& file)
{
    std::uint8_t const hasTask = in.byte();
    if (hasTask > 1)
        throw ByteReader::Unreadable { "the task's mark is neither 0 nor 1" };
    if (!hasTask)
        return;
    json task = json::object();
    for (auto key : { "kind", "goal", "prompt" })
        task[key] = in.text();
    task["steps"] = json::array();
    // Each step takes at least a byte: a count larger than what is left is no count at all.
    for (std::size_t i = in.below(in.left() + 1, "the number of steps"); i > 0; --i)
        task["steps"].push_back(in.text());
    file[taskKey] = std::move(task);
}

std::string boardBody(json const& file, std::string const& board)
{
    FreshBoard const fresh = freshBoard(board);
    json const& controls = file.at(controlsKey);
    json const& freshControls = fresh.file.at(controlsKey);
    ByteWriter out;
    out.byte(static_cast<std::uint8_t>(*boardNumber(board)));
    json const& focus = file.at(focusKey);
    auto const focused
        = focus.is_string() ? std::find(fresh.all.begin(), fresh.all.end(), focus.get<std::string>()) : fresh.all.end();
    out.unsignedNumber(focused == fresh.all.end() ? 0 : 1 + static_cast<std::size_t>(focused - fresh.all.begin()));

    json const& freshModule = fresh.file.at(moduleKey);
    std::vector<std::string> moduleFields;
    for (auto it = freshModule.begin(); it != freshModule.end(); ++it)
        moduleFields.push_back(it.key());
    writeDiffering(out, differingEntries(moduleFields, freshModule, file.at(moduleKey)),
        [&](std::size_t i) { out.signedNumber(file.at(moduleKey).at(moduleFields[i]).get<std::int64_t>()); });
    writeDiffering(out, differingEntries(fresh.tiles, freshControls, controls),
        [&](std::size_t i) { writeTile(out, freshControls.at(fresh.tiles[i]), controls.at(fresh.tiles[i])); });
    writeDiffering(out, differingEntries(fresh.kept, freshControls, controls),
        [&](std::size_t i) { writeMembers(out, freshControls.at(fresh.kept[i]), controls.at(fresh.kept[i])); });
    writeTask(out, file);
    return out.bytes();
}

std::optional<std::string> boardNumbered(int number)
{
    for (auto name : windowNames())
        if (boardNumber(name) == number)
            return std::string(name);
    return std::nullopt;
}

json boardOfBody(ByteReader& in)
{
    auto const board = boardNumbered(in.byte());
    if (!board)
        throw ByteReader::Unreadable { "the link names no board" };
    FreshBoard fresh = freshBoard(*board);
    json file = std::move(fresh.file);
    std::size_t const focus = in.below(fresh.all.size() + 1, "the focus");
    file[focusKey] = focus == 0 ? json() : json(fresh.all[focus - 1]);

    json& module = file.at(moduleKey);
    std::vector<std::string> moduleFields;
    for (auto it = module.begin(); it != module.end(); ++it)
        moduleFields.push_back(it.key());
    readDiffering(
        in, moduleFields.size(), "a module field", [&](std::size_t i) { module[moduleFields[i]] = in.signedNumber(); });
    json& controls = file.at(controlsKey);
    readDiffering(in, fresh.tiles.size(), "a tile",
        [&](std::size_t i) { controls[fresh.tiles[i]] = readTile(in, controls.at(fresh.tiles[i])); });
    readDiffering(in, fresh.kept.size(), "a control",
        [&](std::size_t i) { controls[fresh.kept[i]] = readMembers(in, controls.at(fresh.kept[i])); });
    readTask(in, file);
    if (!in.atEnd())
        throw ByteReader::Unreadable { "bytes follow the task" };
    return file;
}

void writeChecksum(std::string& bytes)
{
    std::uint32_t const crc = links::crc32(bytes);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<char>((crc >> shift) & 0xFF));
}

std::uint32_t checksumAtEnd(std::string_view bytes)
{
    std::uint32_t crc = 0;
    for (char c : bytes.substr(bytes.size() - 4))
        crc = (crc << 8) | static_cast<std::uint8_t>(c);
    return crc;
}

LinkReading refusedLink(Refusal refusal, std::string detail)
{
    return { {}, LoadResult { refusal, std::string(linkRefusalMessage(refusal)), std::move(detail) } };
}

LinkReading truncatedLink(std::string detail)
{
    return { {}, LoadResult { Refusal::Damaged, std::string(truncatedLinkMessage), std::move(detail) } };
}

// The link's payload: what follows the key in its fragment (or in the fragment alone, as a script
// gives it), without blanks a copy may have added.
std::optional<std::string_view> payloadOf(std::string_view link)
{
    auto const hash = link.find('#');
    auto fragment = hash == std::string_view::npos ? link : link.substr(hash + 1);
    if (!fragment.starts_with(shareLinkKey))
        return std::nullopt;
    fragment.remove_prefix(shareLinkKey.size());
    while (!fragment.empty()
        && (fragment.back() == ' ' || fragment.back() == '\n' || fragment.back() == '\r' || fragment.back() == '\t'))
        fragment.remove_suffix(1);
    return fragment;
}

} // namespace

std::string shareLinkOf(Form const& form, std::string_view siteAddress)
{
    if (!isBoardWindow(form.name()))
        return {};
    std::string const body = boardBody(json::parse(saveTask(form)), form.name());
    ByteWriter whole;
    whole.byte(shareLinkVersion);
    whole.unsignedNumber(body.size());
    whole.raw(body);
    std::string bytes = whole.bytes();
    writeChecksum(bytes);
    std::string link(siteAddress.substr(0, siteAddress.find('#')));
    return link + "#" + std::string(shareLinkKey) + links::base64url(bytes);
}

LinkReading boardFileOfLink(std::string_view link)
{
    auto const payload = payloadOf(link);
    if (!payload)
        return refusedLink(Refusal::NotBoardFile, "the link holds no board of this program");
    if (payload->size() > boardFileMaxBytes)
        return refusedLink(Refusal::TooLarge, "the link is longer than any board's");
    auto const bytes = links::fromBase64url(*payload);
    if (!bytes)
        return payload->size() % 4 == 1 ? truncatedLink("the link ends within a byte")
                                        : refusedLink(Refusal::Damaged, "the link has a character base64url lacks");
    // The frame (version, length, body, checksum) is the same in every version, so that a link
    // cut short or damaged is told apart from one a newer program made.
    ByteReader header(*bytes);
    std::uint8_t version = 0;
    std::uint64_t length = 0;
    try {
        version = header.byte();
        length = header.unsignedNumber();
    } catch (ByteReader::Unreadable const& unreadable) {
        return truncatedLink(unreadable.detail);
    }
    if (header.left() < 4 || length > header.left() - 4)
        return truncatedLink("the link is shorter than it says");
    if (length < header.left() - 4)
        return refusedLink(Refusal::Damaged, "bytes follow the link's checksum");
    std::string_view const checked(bytes->data(), bytes->size() - 4);
    if (links::crc32(checked) != checksumAtEnd(*bytes))
        return refusedLink(Refusal::Damaged, "the checksum does not match");
    if (version > shareLinkVersion)
        return refusedLink(Refusal::NewerVersion, "link version " + std::to_string(version));
    if (version != shareLinkVersion)
        return refusedLink(Refusal::Damaged, "link version " + std::to_string(version) + " was never written");
    try {
        ByteReader body(checked.substr(checked.size() - length));
        return { boardOfBody(body).dump(1, ' ', false, json::error_handler_t::strict) + "\n", {} };
    } catch (ByteReader::Unreadable const& unreadable) {
        // A body that passed its checksum but does not fit the board: made by hand, not copied badly.
        return refusedLink(Refusal::Damaged, unreadable.detail);
    } catch (json::exception const& e) {
        return refusedLink(Refusal::Damaged, e.what());
    }
}

LoadResult openShareLink(Application& app, std::string_view link)
{
    LinkReading reading = boardFileOfLink(link);
    if (!reading.refusal.loaded())
        return reading.refusal;
    LoadResult result = openSavedTask(app, reading.boardFile);
    if (!result.loaded())
        result.message = std::string(linkRefusalMessage(result.refusal));
    return result;
}

} // namespace zelmora
