// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_file.hpp"
#include "board_file_format.hpp"
#include "refusal_messages.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zelmora {

namespace {

SaveResult saveFailed(std::string detail)
{
    return SaveResult { false, std::string(saveFailedMessage), std::move(detail) };
}

std::string lastError(std::string const& what)
{
    return what + ": " + std::strerror(errno);
}

// Closes the descriptor on every way out.
struct OpenFile {
    int fd;
    ~OpenFile()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
};

// The file a save is meant for. A symbolic link is followed to the file it names, so that the
// lesson it links to is the one updated and the link itself stays.
std::filesystem::path fileBehindLinks(std::filesystem::path target, std::string& error)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat link { };
        if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            return target; // a file to be made, or one that is there
        std::error_code unread;
        auto const named = std::filesystem::read_symlink(target, unread);
        if (unread) {
            error = "cannot read the link " + target.string() + ": " + unread.message();
            return {};
        }
        target = named.is_absolute() ? named : target.parent_path() / named;
    }
    error = "too many links from " + target.string();
    return {};
}

// One name per target, so that a save killed half way leaves at most one such file, which the
// next save of that board removes before it begins.
std::filesystem::path temporaryFor(std::filesystem::path const& target)
{
    auto temporary = target;
    temporary += ".zelmora-saving";
    return temporary;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t const written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool sameFile(struct stat const& a, struct stat const& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The earlier way of saving named its files TARGET.tmp-DIGITS; those a killed save left behind go.
void removeLeftoversOfEarlierSaves(std::filesystem::path const& target)
{
    std::string const prefix = target.filename().string() + ".tmp-";
    auto const folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::error_code error;
    for (auto const& entry : std::filesystem::directory_iterator(folder, error)) {
        std::string const name = entry.path().filename().string();
        bool const ours = name.size() > prefix.size() && name.starts_with(prefix)
            && std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                [](char c) { return c >= '0' && c <= '9'; });
        std::error_code ignored;
        if (ours && entry.is_regular_file(ignored) && !entry.is_symlink(ignored))
            std::filesystem::remove(entry.path(), ignored);
    }
}

// The file this save made, removed again unless it took the target's name.
struct TemporaryFile {
    std::filesystem::path const& path;
    bool ours = false;
    ~TemporaryFile()
    {
        if (ours)
            ::unlink(path.c_str());
    }
};

// Writes the bytes into a temporary file beside the target and puts it in the target's place,
// or says why not; the temporary file does not outlive this either way.
std::string replaceAtomically(std::filesystem::path const& target, std::string_view bytes)
{
    auto const path = temporaryFor(target);
    struct stat existing { };
    bool const targetExists = ::stat(target.c_str(), &existing) == 0;
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        return lastError("cannot remove " + path.string());
    // A new file takes the mode the user's umask gives; one saved over keeps its own.
    OpenFile file { ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666) };
    if (file.fd < 0)
        return lastError("cannot create " + path.string());
    TemporaryFile temporary { path, true };
    struct stat written { };
    if (::fstat(file.fd, &written) != 0)
        return lastError("cannot examine " + path.string());
    if (targetExists && ::fchmod(file.fd, existing.st_mode & 07777) != 0)
        return lastError("cannot give " + path.string() + " the mode of " + target.string());
    // The whole file reaches the disk before it takes the target's name.
    if (!writeAll(file.fd, bytes) || ::fsync(file.fd) != 0)
        return lastError("cannot write " + path.string());
    if (::close(file.release()) != 0)
        return lastError("cannot close " + path.string());
    // Another save of the same board at the same moment may have put its own file there.
    struct stat named { };
    if (::lstat(path.c_str(), &named) != 0 || !sameFile(named, written)) {
        temporary.ours = false;
        return "another save of " + target.string() + " took its temporary file";
    }
    if (::rename(path.c_str(), target.c_str()) != 0)
        return lastError("cannot rename over " + target.string());
    temporary.ours = false;
    return {};
}

} // namespace

SaveResult saveBoardFile(Form const& form, std::filesystem::path const& target)
{
    return writeBoardFileBytes(saveBoard(form), target);
}

SaveResult writeBoardFileBytes(std::string_view bytes, std::filesystem::path const& target)
{
    std::string error;
    auto const file = fileBehindLinks(target, error);
    if (file.empty())
        return saveFailed(error);
    error = replaceAtomically(file, bytes);
    if (!error.empty())
        return saveFailed(error);
    removeLeftoversOfEarlierSaves(file);
    return SaveResult { true, {}, {} };
}

LoadResult readBoardFileBytes(std::filesystem::path const& source, std::string& bytes)
{
    // Without blocking: a named pipe or a device would otherwise wait for a writer for ever.
    OpenFile file { ::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC) };
    if (file.fd < 0)
        return refusedLoad(Refusal::Unreadable, lastError("cannot open " + source.string()));
    struct stat status { };
    if (::fstat(file.fd, &status) != 0)
        return refusedLoad(Refusal::Unreadable, lastError("cannot examine " + source.string()));
    if (!S_ISREG(status.st_mode))
        return refusedLoad(Refusal::NotBoardFile, source.string() + " is no regular file");
    if (status.st_size > static_cast<off_t>(boardFileMaxBytes))
        return refusedLoad(Refusal::TooLarge, source.string() + " is larger than a board");
    // Read one byte more than a board may hold, so that a file grown meanwhile is still caught.
    bytes.assign(boardFileMaxBytes + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        ssize_t const read = ::read(file.fd, bytes.data() + got, bytes.size() - got);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return refusedLoad(Refusal::Unreadable, lastError("cannot read " + source.string()));
        if (read == 0)
            break;
        got += static_cast<std::size_t>(read);
    }
    bytes.resize(got);
    return {};
}

LoadResult loadBoardFile(Application& app, Form& form, std::filesystem::path const& source)
{
    std::string bytes;
    if (auto const unread = readBoardFileBytes(source, bytes); !unread.loaded())
        return unread;
    return loadBoard(app, form, bytes);
}

std::optional<std::string> boardNamedIn(std::string_view bytes)
{
    if (bytes.size() > boardFileMaxBytes || board_file::nestedTooDeep(bytes))
        return std::nullopt;
    auto const file = nlohmann::json::parse(bytes, nullptr, false);
    if (!file.is_object() || !file.contains(board_file::formatKey)
        || file.at(board_file::formatKey) != board_file::formatName || !file.contains(board_file::boardKey)
        || !file.at(board_file::boardKey).is_string())
        return std::nullopt;
    return file.at(board_file::boardKey).get<std::string>();
}

} // namespace zelmora
