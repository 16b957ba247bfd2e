// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

class Application;
class Form;

// A saved board: UTF-8 JSON naming its format, its version and the window it belongs to, and
// holding every value the window's behaviour depends on.
inline constexpr std::string_view boardFileExtension = ".zelmora";
inline constexpr std::string_view boardFileMimeType = "application/x-zelmora-board";
// A board with every tile out is some 40 KiB; anything far larger is no board.
inline constexpr std::size_t boardFileMaxBytes = 1 << 20;

// Why a file was not opened.
enum class Refusal { None, Unreadable, TooLarge, NotBoardFile, OtherBoard, NewerVersion, Damaged, Busy };

struct LoadResult {
    Refusal refusal = Refusal::None;
    std::string message; // for the learner or teacher, in Arabic; empty when loaded
    std::string detail;  // what exactly was wrong, in English, for logs and tests

    bool loaded() const { return refusal == Refusal::None; }
};

struct SaveResult {
    bool saved = false;
    std::string message; // Arabic, empty when saved
    std::string detail;  // English
};

// The window's board as the file's text.
std::string saveBoard(Form const&);
// Checks every value of the file against the window first; then gives the window that state as
// one action (undo takes it back), or refuses and leaves the window exactly as it was.
LoadResult loadBoard(Application&, Form&, std::string_view bytes);
// The same for a file that may also hold a task member, which the caller has read and checked
// already; the window's record (the task's steps) becomes `record` in the same action.
LoadResult loadBoardWithTask(Application&, Form&, std::string_view bytes, std::vector<std::string> record);

// The same, to and from a file. Saving writes a new file beside the target and renames it over
// the target, so the target is always either the old file or the whole new one.
SaveResult saveBoardFile(Form const&, std::filesystem::path const& target);
// Writes a board's text made elsewhere (a task's) to the target in that same way.
SaveResult writeBoardFileBytes(std::string_view bytes, std::filesystem::path const& target);
LoadResult loadBoardFile(Application&, Form&, std::filesystem::path const& source);

// The file's bytes, at most one more than a board may hold; a refusal when it cannot be read.
LoadResult readBoardFileBytes(std::filesystem::path const& source, std::string& bytes);
// The window a board file says it was saved from, read without touching any window, so that the
// program can open that board before it loads the file; none when the bytes are no board file.
std::optional<std::string> boardNamedIn(std::string_view bytes);

} // namespace zelmora
