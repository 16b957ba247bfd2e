// SPDX-License-Identifier: GPL-3.0-or-later
#include "boards/common/tile_board.hpp"
#include "program/board_file/board_file.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <functional>
#include <iterator>
#include <random>

namespace zelmora {
namespace {

using nlohmann::json;

// A program with Board 1 open and a few tiles out, turned and measured, and its file.
struct BoardOnTable {
    HeadlessHost host;
    Application app { host, &createWindow };
    Form& board = app.show("frmZelmora1");
    std::string file;

    BoardOnTable()
    {
        for (auto const* palette : { "Command3", "Command3", "Command7" })
            click(board.control(palette));
        drag(board.control("Command1", 21), 2000, 3000);
        drag(board.control("Command1", 111), 300, 4500);
        file = saveBoard(board);
    }
    void click(Control& c)
    {
        app.mouseDownOn(board, c, 1, 1, MouseButton::Left);
        app.mouseUp(&board, c.left + 1, c.top + 1);
    }
    void drag(Control& c, Single x, Single y)
    {
        app.mouseDownOn(board, c, 0, 0, MouseButton::Left);
        app.mouseMove(board, x, y);
        app.mouseUp(&board, x, y);
    }
};

// The same board changed after saving, so that a load has something to change back.
void moveOn(BoardOnTable& t)
{
    t.drag(t.board.control("Command1", 22), 6000, 5000);
}

struct BadFile {
    char const* what;
    std::function<std::string(std::string const& good)> make;
    Refusal refusal;
    int onlyVersion = 0; // the one file version it applies to; 0 for both
};

std::string edited(std::string const& good, std::function<void(json&)> const& edit)
{
    json file = json::parse(good);
    edit(file);
    return file.dump();
}

std::string replacedOnce(std::string text, std::string const& from, std::string const& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

json& tile(json& file, int index)
{
    return file["controls"]["Command1(" + std::to_string(index) + ")"];
}

std::vector<BadFile> const badFiles {
    { "empty", [](auto const&) { return std::string(); }, Refusal::NotBoardFile },
    { "not JSON", [](auto const&) { return std::string("Zelmora board\n"); }, Refusal::NotBoardFile },
    { "truncated", [](auto const& g) { return g.substr(0, g.size() / 2); }, Refusal::NotBoardFile },
    { "a bare array", [](auto const&) { return std::string("[1, 2]"); }, Refusal::NotBoardFile },
    { "unknown format", [](auto const& g) { return edited(g, [](json& f) { f["format"] = "paint"; }); },
        Refusal::NotBoardFile },
    { "another board", [](auto const& g) { return edited(g, [](json& f) { f["board"] = "frmZelmora2"; }); },
        Refusal::OtherBoard },
    { "newer version", [](auto const& g) { return edited(g, [](json& f) { f["version"] = 3; }); },
        Refusal::NewerVersion },
    { "far newer version",
        [](auto const& g) { return edited(g, [](json& f) { f["version"] = 18446744073709551615ull; }); },
        Refusal::NewerVersion },
    { "version 0", [](auto const& g) { return edited(g, [](json& f) { f["version"] = 0; }); }, Refusal::Damaged },
    { "version as text", [](auto const& g) { return edited(g, [](json& f) { f["version"] = "1"; }); },
        Refusal::Damaged },
    { "left beyond 32767", [](auto const& g) { return edited(g, [](json& f) { tile(f, 21)["left"] = 32768; }); },
        Refusal::Damaged },
    { "top beyond -32767", [](auto const& g) { return edited(g, [](json& f) { tile(f, 21)["top"] = -32767.5; }); },
        Refusal::Damaged },
    { "size of no side", [](auto const& g) { return edited(g, [](json& f) { tile(f, 21)["width"] = 500; }); },
        Refusal::Damaged },
    { "mark 2", [](auto const& g) { return edited(g, [](json& f) { tile(f, 21)["appearance"] = 2; }); },
        Refusal::Damaged },
    { "mark true", [](auto const& g) { return edited(g, [](json& f) { tile(f, 21)["appearance"] = true; }); },
        Refusal::Damaged },
    { "unknown picture",
        [](auto const& g) { return edited(g, [](json& f) { f["controls"]["Image2"]["picture"] = "cat"; }); },
        Refusal::Damaged },
    { "NaN as text", [](auto const& g) { return edited(g, [](json& f) { tile(f, 21)["left"] = "NaN"; }); },
        Refusal::Damaged },
    { "NaN bare", [](auto const& g) { return replacedOnce(g, "\"grabX\":0", "\"grabX\":NaN"); },
        Refusal::NotBoardFile },
    { "Infinity as text", [](auto const& g) { return edited(g, [](json& f) { tile(f, 21)["top"] = "Infinity"; }); },
        Refusal::Damaged },
    { "huge exponent", [](auto const& g) { return replacedOnce(g, "\"grabX\":0", "\"grabX\":1e999"); },
        Refusal::Damaged },
    { "tile missing", [](auto const& g) { return edited(g, [](json& f) { f["controls"].erase("Command1(7)"); }); },
        Refusal::Damaged },
    { "property missing", [](auto const& g) { return edited(g, [](json& f) { tile(f, 21).erase("visible"); }); },
        Refusal::Damaged },
    { "module field missing", [](auto const& g) { return edited(g, [](json& f) { f["module"].erase("grabX"); }); },
        Refusal::Damaged },
    { "focus missing", [](auto const& g) { return edited(g, [](json& f) { f.erase("focus"); }); }, Refusal::Damaged },
    { "extra property", [](auto const& g) { return edited(g, [](json& f) { tile(f, 21)["caption"] = "y"; }); },
        Refusal::Damaged },
    { "extra control", [](auto const& g) { return edited(g, [](json& f) { f["controls"]["Command99"] = {}; }); },
        Refusal::Damaged },
    { "extra member", [](auto const& g) { return edited(g, [](json& f) { f["author"] = "me"; }); }, Refusal::Damaged },
    { "duplicate member", [](auto const& g) { return replacedOnce(g, "\"grabX\":0", "\"grabX\":0,\"grabX\":0"); },
        Refusal::Damaged },
    { "visible as text", [](auto const& g) { return edited(g, [](json& f) { tile(f, 21)["visible"] = "true"; }); },
        Refusal::Damaged },
    { "homes not a list", [](auto const& g) { return edited(g, [](json& f) { f["module"]["homeLeft"] = 5; }); },
        Refusal::Damaged },
    { "homes too short", [](auto const& g) { return edited(g, [](json& f) { f["module"]["homeTop"].erase(3); }); },
        Refusal::Damaged, 1 },
    { "home beyond an Integer",
        [](auto const& g) { return edited(g, [](json& f) { f["module"]["homeTop"][3] = 40000; }); }, Refusal::Damaged,
        1 },
    // Version 2 keeps only what a learner makes, and is held to what a learner could make.
    { "homes kept", [](auto const& g) { return edited(g, [](json& f) { f["module"]["homeTop"] = json::array(); }); },
        Refusal::Damaged, 2 },
    { "the layout moved",
        [](auto const& g) { return edited(g, [](json& f) { f["controls"]["Command10"]["left"] = 0; }); },
        Refusal::Damaged, 2 },
    { "a tile out of reach", [](auto const& g) { return edited(g, [](json& f) { tile(f, 21)["left"] = 30000; }); },
        Refusal::Damaged, 2 },
    { "a tile in the reserve away from its home",
        [](auto const& g) { return edited(g, [](json& f) { tile(f, 0)["top"] = 3000; }); }, Refusal::Damaged, 2 },
    { "a rectangle outside the window",
        [](auto const& g) { return edited(g, [](json& f) { f["controls"]["Shape3"]["left"] = 20000; }); },
        Refusal::Damaged, 2 },
    { "focus on a hidden text box", [](auto const& g) { return edited(g, [](json& f) { f["focus"] = "Text1"; }); },
        Refusal::Damaged, 2 },
    { "drag index of no tile", [](auto const& g) { return edited(g, [](json& f) { f["module"]["dragIndex"] = 141; }); },
        Refusal::Damaged },
    { "focus on a shape", [](auto const& g) { return edited(g, [](json& f) { f["focus"] = "Shape3"; }); },
        Refusal::Damaged },
    { "focus on nothing known", [](auto const& g) { return edited(g, [](json& f) { f["focus"] = "Command77"; }); },
        Refusal::Damaged },
    { "tab place taken twice",
        [](auto const& g) { return edited(g, [](json& f) { tile(f, 21)["tabIndex"] = tile(f, 22)["tabIndex"]; }); },
        Refusal::Damaged },
    { "measure that is no number",
        [](auto const& g) { return edited(g, [](json& f) { f["controls"]["Text1"]["text"] = "abc"; }); },
        Refusal::Damaged },
    { "broken UTF-8", [](auto const& g) { return replacedOnce(g, "\"frmZelmora1\"", "\"frm\xC3\x28\""); },
        Refusal::NotBoardFile },
    { "deeply nested", [](auto const&) { return std::string(200000, '['); }, Refusal::NotBoardFile },
    { "focus nested 300,000 deep",
        [](auto const& g) {
            return replacedOnce(edited(g, [](json& f) { f["focus"] = "deep"; }), "\"deep\"",
                std::string(300000, '[') + std::string(300000, ']'));
        },
        Refusal::NotBoardFile },
    { "larger than 1 MiB", [](auto const& g) { return g + std::string(boardFileMaxBytes, ' '); }, Refusal::TooLarge },
};

// The same board as BoardOnTable makes, saved by the first version of the program.
std::string versionOneFile()
{
    std::ifstream in(std::string(ZELMORA_TEST_FIXTURES) + "/board1-version1.zelmora");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(BoardFile, EveryKindOfBadFileIsRefusedAndChangesNothing)
{
    BoardOnTable t;
    // The writer's own spacing is what the text edits above look for.
    std::string const files[] = { json::parse(versionOneFile()).dump(), json::parse(t.file).dump() };
    t.file = files[1];
    moveOn(t);
    FormSnapshot const before = t.board.snapshot();
    for (int version : { 1, 2 })
        for (auto const& bad : badFiles) {
            if (bad.onlyVersion != 0 && bad.onlyVersion != version)
                continue;
            LoadResult const result = loadBoard(t.app, t.board, bad.make(files[version - 1]));
            EXPECT_EQ(result.refusal, bad.refusal) << bad.what << " (version " << version << "): " << result.detail;
            EXPECT_FALSE(result.message.empty()) << bad.what;
            EXPECT_FALSE(result.detail.empty()) << bad.what;
            ASSERT_TRUE(t.board.snapshot() == before) << bad.what << " changed the window";
        }
    // No refusal left an action behind: undo takes back the last drag.
    ASSERT_TRUE(t.app.undo(t.board));
    auto const& board = dynamic_cast<TileBoard const&>(t.board);
    EXPECT_EQ(board.tile(22).left, board.homeLeft(22));
    EXPECT_FALSE(t.board.snapshot() == before);
    // And the good file, with values at the very edge of the range, loads: in version 1 anywhere,
    // in version 2 as long as the tile is near enough to the window to be taken again.
    std::string const edge = edited(files[0], [](json& f) {
        tile(f, 21)["left"] = -32767;
        tile(f, 21)["width"] = 500;
        tile(f, 21)["height"] = 1300;
    });
    EXPECT_TRUE(loadBoard(t.app, t.board, edge).loaded());
    EXPECT_EQ(t.board.control("Command1", 21).left, -32767);
    std::string const corner = edited(files[1], [](json& f) {
        tile(f, 21)["left"] = -3299;
        tile(f, 21)["top"] = -2499;
    });
    EXPECT_TRUE(loadBoard(t.app, t.board, corner).loaded());
    EXPECT_EQ(t.board.control("Command1", 21).left, -3299);
}

// Each image may show the pictures its layout gives it and those the board copies into it. Were
// they checked against what the window shows now, a file hiding the full bin's picture in its
// store would be taken, and from then on the bin would stay empty and every file be refused.
TEST(BoardFile, AnImageHoldsOnlyThePicturesItsLayoutGivesIt)
{
    for (auto const* name : { "frmZelmora2", "frmZelmora4" }) {
        HeadlessHost host;
        Application app { host, &createWindow };
        Form& board = app.show(name);
        std::string const fresh = saveBoard(board);
        auto showing = [&](char const* image, char const* picture) {
            return edited(fresh, [&](json& f) { f["controls"][image]["picture"] = picture; });
        };
        EXPECT_EQ(loadBoard(app, board, showing("Image3", "bin-empty")).refusal, Refusal::Damaged) << name;
        EXPECT_EQ(loadBoard(app, board, showing("Image4", "bin-full")).refusal, Refusal::Damaged) << name;
        EXPECT_EQ(loadBoard(app, board, showing("Image2", "none")).refusal, Refusal::Damaged) << name;
        ASSERT_TRUE(loadBoard(app, board, showing("Image2", "bin-full")).loaded()) << name;
        ASSERT_TRUE(loadBoard(app, board, fresh).loaded()) << name;
        EXPECT_EQ(board.control("Image3").picture, "bin-full") << name;
    }
}

TEST(BoardFile, LoadsWhileNoButtonIsHeldOnly)
{
    BoardOnTable t;
    moveOn(t);
    FormSnapshot const before = t.board.snapshot();
    t.app.mouseDownOn(t.board, t.board.control("Command1", 22), 0, 0, MouseButton::Left);
    FormSnapshot const pressed = t.board.snapshot();
    EXPECT_EQ(loadBoard(t.app, t.board, t.file).refusal, Refusal::Busy);
    EXPECT_TRUE(t.board.snapshot() == pressed);
    t.app.mouseUp(&t.board, 20000, 20000);
    EXPECT_TRUE(loadBoard(t.app, t.board, t.file).loaded());
    EXPECT_FALSE(t.board.snapshot() == before);
}

// A file read back into a fresh window of its board gives exactly the saved window, on every board.
TEST(BoardFile, EveryBoardRoundTripsExactly)
{
    HeadlessHost host;
    Application app { host, &createWindow };
    for (auto const* name : { "frmZelmora1", "frmZelmora2", "frmZelmora4", "frmZelmora5" }) {
        Form& board = app.show(name);
        auto& tiles = dynamic_cast<TileBoard&>(board);
        std::mt19937 random(7);
        for (int step = 0; step < 40; ++step) {
            if (tiles.traits().hasPalette)
                board.press(board.control("Command" + std::to_string(2 + step % 7)));
            Control& t = tiles.tile(static_cast<int>(random() % std::uint32_t(tiles.traits().tileCount)));
            if (!t.visible)
                continue;
            app.mouseDownOn(board, t, 13.5f, 7, MouseButton::Left);
            Single const x = Single(random() % 11000) + 0.25f, y = Single(random() % 8000);
            app.mouseMove(board, x, y);
            app.mouseUp(&board, x, y);
        }
        FormSnapshot const saved = board.snapshot();
        std::string const file = saveBoard(board);
        app.unload(board);
        Form& fresh = app.show(name);
        ASSERT_TRUE(loadBoard(app, fresh, file).loaded()) << name;
        EXPECT_TRUE(fresh.snapshot() == saved) << name;
        EXPECT_EQ(saveBoard(fresh), file) << name;
    }
}

// Thousands of random damages to a good file: each is refused with the window untouched, or loads
// a board that the program can go on working with and that undo takes back.
TEST(BoardFile, RandomDamageIsRefusedOrLoadsAWorkingBoard)
{
    // Board 4, the smallest file, keeps the sanitizer build's run short.
    HeadlessHost host;
    Application app { host, &createWindow };
    auto& board = dynamic_cast<TileBoard&>(app.show("frmZelmora5"));
    auto drag = [&](int index, Single x, Single y) {
        app.mouseDownOn(board, board.tile(index), 100, 100, MouseButton::Left);
        app.mouseUp(&board, x, y);
    };
    drag(0, 1200, 800);
    drag(20, 7900, 3500);
    std::string const file = saveBoard(board);
    drag(1, 1200, 3500);
    FormSnapshot const before = board.snapshot();
    json const good = json::parse(file);
    std::vector<json::json_pointer> leaves;
    std::function<void(json const&, json::json_pointer const&)> collect = [&](json const& j, auto const& at) {
        if (j.is_structured())
            for (auto const& [key, value] : j.items())
                collect(value, j.is_array() ? at / std::stoul(key) : at / key);
        else
            leaves.push_back(at);
    };
    collect(good, json::json_pointer());
    std::mt19937 random(20240611);
    std::vector<json> const oddValues { -1, 0, 1, 2, 141, 500, 1300, 32767, 32768, -32769, 1e300, 0.5, -0.0, "1", "",
        true, nullptr, json::array(), json::object(), "bin-full", "none" };
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        if (round % 2 == 0) {
            json damaged = good;
            auto const& leaf = leaves[random() % leaves.size()];
            damaged[leaf] = oddValues[random() % oddValues.size()];
            bytes = damaged.dump();
        } else {
            bytes = file;
            auto const at = random() % bytes.size();
            switch (random() % 3) {
            case 0:
                bytes[at] = static_cast<char>(random() % 256);
                break;
            case 1:
                bytes.erase(at, random() % 40);
                break;
            default:
                bytes.insert(at, bytes.substr(random() % bytes.size(), random() % 40));
                break;
            }
        }
        LoadResult const result = loadBoard(app, board, bytes);
        if (!result.loaded()) {
            ASSERT_TRUE(board.snapshot() == before) << "round " << round << ": " << result.detail;
            continue;
        }
        ++loaded;
        // The board works on: Tab (a tile losing the focus is marked), a drag onto another tile
        // and Clear raise no runtime error.
        app.key(board, Key::Tab);
        drag(2, 1200, 800);
        board.press(board.control("Command15"));
        while (app.canUndo(board) && !(board.snapshot() == before))
            app.undo(board);
        ASSERT_TRUE(board.snapshot() == before) << "round " << round;
    }
    EXPECT_GT(loaded, 100); // harmless changes (a mark, a position) do load
}

} // namespace
} // namespace zelmora
