// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link_bytes.hpp"
#include "program/board_file/board_file.hpp"
#include "runtime/application.hpp"

#include <string>
#include <string_view>

namespace zelmora {

// A board and its task in a link that a teacher hands out: the board's tiles, goal and prompt sit
// in the fragment (after '#'), which a browser never sends to a server, so the page opens it
// offline too. The fragment is `zelmora=` and then, in base64url, a version byte, the body's
// length, the body (the board's number and what differs from the board freshly laid out: the
// focus, the drag state, the tiles, their tab order, the other kept controls; then the task as its
// file holds it) and a CRC-32 of all before it.
inline constexpr std::string_view shareLinkKey = "zelmora=";
// Links of every version up to this one open.
inline constexpr int shareLinkVersion = links::linkVersion;
// Where the browser edition is published; the desktop's links open there.
inline constexpr std::string_view shareLinkSite = "https://zelmora.github.io/zelmora/";

// The longest link, address and all, that the QR code a class scans from the board can hold.
// Forty tiles anywhere with a goal and the longest Arabic prompt the band shows stay under it on
// every board; many more tiles, a long prompt in other letters or a long list of the balance's
// steps can go over.
inline constexpr std::size_t shareLinkQrCodeLimit = 1200;
// A longer link is still the whole board and is given whole, never cut: its QR code is denser
// (error correction L where M no longer holds it), and past what a QR code holds at all the view
// says so (ShareLinkTexts::qrTooLong) in place of the code, for the link to be copied as text.
inline bool shareLinkFitsQrCode(std::string_view link)
{
    return link.size() <= shareLinkQrCodeLimit;
}

// The link to the board window as it stands, on the given page (a fragment it has is replaced);
// empty for a window that is no board.
std::string shareLinkOf(Form const&, std::string_view siteAddress);

// The board file a link (or its fragment alone) holds, rebuilt as the text of a version 2 board file (a task file when
// it has a task), so that every check of board files applies to it; or why it cannot be read.
struct LinkReading {
    std::string boardFile;
    LoadResult refusal; // loaded() when boardFile holds the board
};
LinkReading boardFileOfLink(std::string_view link);

// The words of the view that hands a link out.
struct ShareLinkTexts {
    std::string_view title = "مشاركة اللوحة";
    std::string_view explanation = "يفتح هذا الرابط اللوحة ومهمتها في المتصفح، ولا يُرسل شيء منها إلى خادم.";
    std::string_view copy = "نسخ الرابط";
    std::string_view copied = "نُسخ الرابط";
    std::string_view close = "إغلاق";
    // The link as a QR code, large enough to be read from the back of a classroom.
    std::string_view qrCode = "رمز QR";
    std::string_view qrTitle = "امسح الرمز بكاميرا الجهاز لتفتح اللوحة";
    std::string_view qrTooLong = "هذا الرابط أطول من أن يتسع له رمز QR. انسخ الرابط وأرسله إلى المتعلمين بدلًا منه.";
};
inline constexpr ShareLinkTexts shareLinkTexts {};

// Opens the board a link names with its task, as a saved task file opens (see openSavedBoard);
// a refusal leaves every window as it was and says, in Arabic, what is wrong with the link.
LoadResult openShareLink(Application&, std::string_view link);

} // namespace zelmora
