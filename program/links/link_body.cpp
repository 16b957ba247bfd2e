// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_body.hpp"

#include "link_tab_order.hpp"
#include "program/board_file/board_file.hpp"
#include "program/board_file/board_file_format.hpp"
#include "program/windows.hpp"

#include <algorithm>
#include <cstdint>
#include <map>

namespace zelmora::links {

using nlohmann::json;

namespace {

// A board as the program lays it out.
struct FreshBoard {
    json file;                      // its version 2 board file
    std::vector<std::string> tiles; // the tiles, in layout order
    std::vector<std::string> kept;  // the other controls a board file keeps, in layout order
    std::vector<std::string> all;   // every control in layout order, for the focus
};

FreshBoard layOut(std::string_view name)
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

// Laid out once a board: a fresh board never changes while the program runs, and every link
// written or read needs it.
FreshBoard const& freshBoard(std::string const& name)
{
    static std::map<std::string, FreshBoard> laidOut;
    auto it = laidOut.find(name);
    if (it == laidOut.end())
        it = laidOut.emplace(name, layOut(name)).first;
    return it->second;
}

std::string const controlsKey(board_file::controlsKey);
std::string const moduleKey(board_file::moduleKey);
std::string const focusKey(board_file::focusKey);
std::string const taskKey(board_file::taskKey);
std::string const tabKey("tabIndex");

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
        out.signedNumber(live.at(tabKey).get<std::int64_t>());
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
        tile[tabKey] = in.signedNumber();
    return tile;
}

std::vector<int> tabPlacesOf(std::vector<std::string> const& tiles, json const& controls)
{
    std::vector<int> places;
    for (auto const& tile : tiles)
        places.push_back(controls.at(tile).at(tabKey).get<int>());
    return places;
}

// The tab order as the tiles that lead it, when the tiles keep the fresh board's tab places
// between them; `controls` then takes the fresh places, so that a tile that only moved in the
// order is no tile that differs. None, and `controls` as they are, otherwise.
std::vector<std::size_t> takeTabLeaders(
    std::vector<std::string> const& tiles, json const& freshControls, json& controls)
{
    auto const leaders = tabLeaders(tabPlacesOf(tiles, freshControls), tabPlacesOf(tiles, controls));
    if (!leaders)
        return {};
    for (auto const& tile : tiles)
        controls[tile][tabKey] = freshControls.at(tile).at(tabKey);
    return *leaders;
}

void readTabLeaders(ByteReader& in, std::vector<std::string> const& tiles, json const& freshControls, json& controls)
{
    std::vector<std::size_t> leaders(in.below(tiles.size() + 1, "the number of tiles leading the tab order"));
    if (leaders.empty())
        return;
    for (auto& leader : leaders)
        leader = in.below(tiles.size(), "a tile leading the tab order");
    std::vector<int> const fresh = tabPlacesOf(tiles, freshControls);
    if (tabPlacesOf(tiles, controls) != fresh)
        throw ByteReader::Unreadable { "tiles have tab places of their own besides the order's leaders" };
    auto const places = tabPlacesLedBy(fresh, leaders);
    if (!places)
        throw ByteReader::Unreadable { "a tile leads the tab order twice" };
    for (std::size_t i = 0; i < tiles.size(); ++i)
        controls[tiles[i]][tabKey] = (*places)[i];
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

std::optional<std::string> boardNumbered(int number)
{
    for (auto name : windowNames())
        if (boardNumber(name) == number)
            return std::string(name);
    return std::nullopt;
}

std::vector<std::string> moduleFieldsOf(json const& module)
{
    std::vector<std::string> fields;
    for (auto it = module.begin(); it != module.end(); ++it)
        fields.push_back(it.key());
    return fields;
}

} // namespace

std::string bodyOfBoardFile(json const& file, std::string const& board)
{
    FreshBoard const& fresh = freshBoard(board);
    json controls = file.at(controlsKey);
    json const& freshControls = fresh.file.at(controlsKey);
    ByteWriter out;
    out.byte(static_cast<std::uint8_t>(*boardNumber(board)));
    json const& focus = file.at(focusKey);
    auto const focused
        = focus.is_string() ? std::find(fresh.all.begin(), fresh.all.end(), focus.get<std::string>()) : fresh.all.end();
    out.unsignedNumber(focused == fresh.all.end() ? 0 : 1 + static_cast<std::size_t>(focused - fresh.all.begin()));

    json const& freshModule = fresh.file.at(moduleKey);
    std::vector<std::string> const moduleFields = moduleFieldsOf(freshModule);
    writeDiffering(out, differingEntries(moduleFields, freshModule, file.at(moduleKey)),
        [&](std::size_t i) { out.signedNumber(file.at(moduleKey).at(moduleFields[i]).get<std::int64_t>()); });
    std::vector<std::size_t> const leaders = takeTabLeaders(fresh.tiles, freshControls, controls);
    writeDiffering(out, differingEntries(fresh.tiles, freshControls, controls),
        [&](std::size_t i) { writeTile(out, freshControls.at(fresh.tiles[i]), controls.at(fresh.tiles[i])); });
    out.unsignedNumber(leaders.size());
    for (std::size_t leader : leaders)
        out.unsignedNumber(leader);
    writeDiffering(out, differingEntries(fresh.kept, freshControls, controls),
        [&](std::size_t i) { writeMembers(out, freshControls.at(fresh.kept[i]), controls.at(fresh.kept[i])); });
    writeTask(out, file);
    return out.bytes();
}

json boardFileOfBody(ByteReader& in)
{
    auto const board = boardNumbered(in.byte());
    if (!board)
        throw ByteReader::Unreadable { "the link names no board" };
    FreshBoard const& fresh = freshBoard(*board);
    json file = fresh.file;
    std::size_t const focus = in.below(fresh.all.size() + 1, "the focus");
    file[focusKey] = focus == 0 ? json() : json(fresh.all[focus - 1]);

    json& module = file.at(moduleKey);
    std::vector<std::string> const moduleFields = moduleFieldsOf(module);
    readDiffering(
        in, moduleFields.size(), "a module field", [&](std::size_t i) { module[moduleFields[i]] = in.signedNumber(); });
    json& controls = file.at(controlsKey);
    readDiffering(in, fresh.tiles.size(), "a tile",
        [&](std::size_t i) { controls[fresh.tiles[i]] = readTile(in, controls.at(fresh.tiles[i])); });
    // The first version wrote every tile's own tab place.
    if (in.version() > 1)
        readTabLeaders(in, fresh.tiles, fresh.file.at(controlsKey), controls);
    readDiffering(in, fresh.kept.size(), "a control",
        [&](std::size_t i) { controls[fresh.kept[i]] = readMembers(in, controls.at(fresh.kept[i])); });
    readTask(in, file);
    if (!in.atEnd())
        throw ByteReader::Unreadable { "bytes follow the task" };
    return file;
}

} // namespace zelmora::links
