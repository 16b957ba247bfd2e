// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/board_file/refusal_messages.hpp"
#include "program/links/link_bytes.hpp"
#include "program/links/link_text.hpp"
#include "program/links/share_link.hpp"
#include "program/tasks/tasks.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

namespace zelmora {
namespace {

// Board 2 with an x tile out, off its grid by a fraction of a twip, and a factor goal.
std::string sharedBoard()
{
    HeadlessHost host;
    Application app { host, &createWindow };
    Form& board = app.show("frmZelmora2");
    EXPECT_TRUE(setGoal(board, GoalKind::Factor, "x^2+3x+2", "حلّل").set);
    Control& palette = board.control("Command3");
    app.mouseDownOn(board, palette, 1, 1, MouseButton::Left);
    app.mouseUp(&board, palette.left + 1, palette.top + 1);
    board.control("Command1", 21).left += 0.5f;
    return shareLinkOf(board, "https://school.example/zelmora/?lesson=3#old");
}

std::string payloadOf(std::string const& link)
{
    return link.substr(link.find('#') + 1 + shareLinkKey.size());
}

void signWithChecksum(std::string& bytes)
{
    std::uint32_t const crc = links::crc32(bytes);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<char>((crc >> shift) & 0xFF));
}

// What a teacher pastes arrives whole, cut short or with a character changed: whole it is the
// board, cut short at any point it says so, changed anywhere it is refused or reads the same.
TEST(ShareLink, ReadsWholeLinksAndRefusesDamagedOnes)
{
    std::string const link = sharedBoard();
    ASSERT_TRUE(link.starts_with("https://school.example/zelmora/?lesson=3#zelmora="));
    LinkReading const whole = boardFileOfLink(link);
    ASSERT_TRUE(whole.refusal.loaded()) << whole.refusal.detail;
    auto const file = nlohmann::json::parse(whole.boardFile);
    double const left = file.at("controls").at("Command1(21)").at("left");
    EXPECT_EQ(left - std::floor(left), 0.5) << "a place off the grid is kept exactly";
    EXPECT_EQ(file.at("task").at("kind"), "factor");

    std::size_t const payload = link.find('#') + 1 + shareLinkKey.size();
    for (std::size_t cut = link.find('#') + 1; cut < link.size(); ++cut) {
        LinkReading const part = boardFileOfLink(link.substr(0, cut));
        EXPECT_EQ(
            part.refusal.message, cut < payload ? linkRefusalMessage(Refusal::NotBoardFile) : truncatedLinkMessage)
            << "cut at " << cut;
    }
    for (std::size_t at = payload; at < link.size(); ++at) {
        std::string changed = link;
        changed[at] = changed[at] == 'A' ? 'B' : 'A';
        LinkReading const read = boardFileOfLink(changed);
        if (read.refusal.loaded())
            EXPECT_EQ(read.boardFile, whole.boardFile) << "changed at " << at;
        else
            EXPECT_EQ(read.refusal.message, linkRefusalMessage(Refusal::Damaged)) << "changed at " << at;
    }
}

TEST(ShareLink, RefusesLinksOfANewerVersionOrAnotherProgram)
{
    auto bytes = links::fromBase64url(payloadOf(sharedBoard()));
    ASSERT_TRUE(bytes);
    (*bytes)[0] = static_cast<char>(shareLinkVersion + 1);
    bytes->resize(bytes->size() - 4);
    signWithChecksum(*bytes);
    std::string const newer = "#zelmora=" + links::base64url(*bytes);
    EXPECT_EQ(boardFileOfLink(newer).refusal.refusal, Refusal::NewerVersion);
    EXPECT_EQ(boardFileOfLink(newer).refusal.message, linkRefusalMessage(Refusal::NewerVersion));
    EXPECT_EQ(boardFileOfLink("https://example.org/#/lessons/3").refusal.refusal, Refusal::NotBoardFile);
    EXPECT_EQ(boardFileOfLink("https://example.org/#zelmora=A*B").refusal.refusal, Refusal::Damaged);

    // A body that passes its checksum but names no board is damaged, and opens nothing.
    links::ByteWriter body;
    body.byte(9);
    links::ByteWriter crafted;
    crafted.byte(shareLinkVersion);
    crafted.unsignedNumber(body.bytes().size());
    crafted.raw(body.bytes());
    std::string signedBytes = crafted.bytes();
    signWithChecksum(signedBytes);
    HeadlessHost host;
    Application app { host, &createWindow };
    app.show("frmZelmora");
    LoadResult const opened = openShareLink(app, "#zelmora=" + links::base64url(signedBytes));
    EXPECT_EQ(opened.refusal, Refusal::Damaged) << opened.detail;
    EXPECT_EQ(app.windowsFrontToBack().size(), 1u);
}

// Every place a board can hold comes back bit for bit, in as few bytes as its kind allows: whole
// twips and the page's sixteenths in three at most, the desktop's Singles in five.
TEST(LinkBytes, PlacesComeBackBitForBit)
{
    struct Case {
        double place;
        std::size_t bytes;
    };
    for (auto [place, bytes] : { Case { 0, 1 }, { -400, 2 }, { 11879, 3 }, { 2999.8125, 3 }, { -0.0625, 1 },
             { 3000.5713f, 5 }, { -0.0, 5 }, { 1e300, 9 }, { 0.1, 9 }, { 1 << 29, 5 } }) {
        links::ByteWriter out;
        out.place(place);
        EXPECT_EQ(out.bytes().size(), bytes) << place;
        links::ByteReader in(out.bytes());
        double const read = in.place();
        EXPECT_EQ(std::signbit(read), std::signbit(place)) << place;
        EXPECT_EQ(read, place);
        EXPECT_TRUE(in.atEnd()) << place;
    }
}

// Texts come back exactly, an Arabic letter in one byte; bytes that are no packed text are refused.
TEST(LinkBytes, TextsComeBackAndArabicTakesAByteALetter)
{
    for (std::string const text : { "", "حلّل العبارة؟ ١٢٣", "(س + 3)(س − 2) = س²", "x\x7f\u2066👍", "ی ک گ" }) {
        links::ByteWriter out;
        out.text(text);
        links::ByteReader in(out.bytes());
        EXPECT_EQ(in.text(), text);
        EXPECT_LE(out.bytes().size(), text.size() + 2) << "never longer than UTF-8: " << text;
    }
    EXPECT_EQ(links::packedText("حلّل").size(), 4u);
    for (std::string const packed : { "\x7f", "\x7f\x41", "\x7f\x80\x0c", "\x7f\x80\xb0\x03", "\x7f\xff\xff\xc4\x00" })
        EXPECT_FALSE(links::unpackedText(packed)) << "a character written the long way, a surrogate or none";
}

} // namespace
} // namespace zelmora
