// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_file.hpp"
#include "board_file_format.hpp"
#include "refusal_messages.hpp"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <unistd.h>

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

// A new file beside the target, never one that exists already.
int createTemporaryBeside(std::filesystem::path const& target, std::filesystem::path& temporary)
{
    std::random_device entropy;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = target;
        temporary += ".tmp-" + std::to_string(entropy());
        int const fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
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

} // namespace

SaveResult saveBoardFile(Form const& form, std::filesystem::path const& target)
{
    return writeBoardFileBytes(saveBoard(form), target);
}

SaveResult writeBoardFileBytes(std::string_view bytes, std::filesystem::path const& target)
{
    std::filesystem::path temporary;
    int const fd = createTemporaryBeside(target, temporary);
    if (fd < 0)
        return saveFailed(lastError("cannot create a file beside " + target.string()));
    // The whole file reaches the disk before it takes the target's name.
    bool const written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    std::string const writeError = written ? std::string() : lastError("cannot write " + temporary.string());
    bool const closed = ::close(fd) == 0;
    if (!written || !closed) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return saveFailed(written ? lastError("cannot close " + temporary.string()) : writeError);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        std::string const error = lastError("cannot rename over " + target.string());
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return saveFailed(error);
    }
    return SaveResult { true, {}, {} };
}

LoadResult readBoardFileBytes(std::filesystem::path const& source, std::string& bytes)
{
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return refusedLoad(Refusal::Unreadable, lastError("cannot open " + source.string()));
    // Read one byte more than a board may hold, so that a larger file is known without reading it all.
    bytes.assign(boardFileMaxBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return refusedLoad(Refusal::Unreadable, "cannot read " + source.string());
    bytes.resize(static_cast<std::size_t>(in.gcount()));
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
    if (bytes.size() > boardFileMaxBytes)
        return std::nullopt;
    auto const file = nlohmann::json::parse(bytes, nullptr, false);
    if (!file.is_object() || !file.contains(board_file::formatKey)
        || file.at(board_file::formatKey) != board_file::formatName || !file.contains(board_file::boardKey)
        || !file.at(board_file::boardKey).is_string())
        return std::nullopt;
    return file.at(board_file::boardKey).get<std::string>();
}

} // namespace zelmora
