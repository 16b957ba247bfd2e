// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link_bytes.hpp"

#include <nlohmann/json.hpp>

#include <string>

namespace zelmora::links {

// The body of a link: the board's number, and what differs from that board freshly laid out,
// which both ends of a link know: the focus, the drag state, the tiles, their tab order, the other
// kept controls; then the task as its file holds it.
std::string bodyOfBoardFile(nlohmann::json const& file, std::string const& board);

// The version 2 board file a body holds, in the version the reader reads; throws
// ByteReader::Unreadable when the bytes are no body of that version or do not fit the board.
nlohmann::json boardFileOfBody(ByteReader&);

} // namespace zelmora::links
