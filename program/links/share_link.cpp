// SPDX-License-Identifier: GPL-3.0-or-later
#include "share_link.hpp"

#include "link_body.hpp"
#include "link_bytes.hpp"
#include "program/board_file/refusal_messages.hpp"
#include "program/tasks/task_file.hpp"
#include "program/windows.hpp"

#include <nlohmann/json.hpp>

#include <cstdint>

namespace zelmora {

using links::ByteReader;
using links::ByteWriter;
using nlohmann::json;

namespace {

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
    std::string const body = links::bodyOfBoardFile(json::parse(saveTask(form)), form.name());
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
    if (version == 0)
        return refusedLink(Refusal::Damaged, "link version 0 was never written");
    try {
        ByteReader body(checked.substr(checked.size() - length), version);
        return { links::boardFileOfBody(body).dump(1, ' ', false, json::error_handler_t::strict) + "\n", {} };
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
