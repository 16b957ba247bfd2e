// SPDX-License-Identifier: GPL-3.0-or-later
// Board files on disk as learners and file systems leave them: links, private files, leftovers of
// a save that was killed, and things that are no file at all.
#include "program/board_file/board_file.hpp"
#include "program/open_saved_board.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace zelmora {
namespace {

namespace fs = std::filesystem;

struct Folder {
    fs::path path = fs::path(::testing::TempDir())
        / ("zelmora-storage-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    Folder()
    {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (auto const& entry : fs::directory_iterator(path))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }
};

std::string contentsOf(fs::path const& file)
{
    std::ifstream in(file, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

void write(fs::path const& file, std::string const& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

mode_t modeOf(fs::path const& file)
{
    struct stat status { };
    EXPECT_EQ(::stat(file.c_str(), &status), 0);
    return status.st_mode & 07777;
}

TEST(BoardFileStorage, SavingKeepsLinksAndModesAndLeavesNothingBehind)
{
    Folder folder;
    HeadlessHost host;
    Application app { host, &createWindow };
    Form& board = app.show("frmZelmora5");
    std::string const file = saveBoard(board);

    // Saved through a link, the lesson it links to is updated and the link stays a link.
    auto const lesson = folder.path / "lesson.zelmora";
    auto const link = folder.path / "today.zelmora";
    write(lesson, "old lesson");
    fs::create_symlink("lesson.zelmora", link);
    ASSERT_TRUE(saveBoardFile(board, link).saved);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(contentsOf(lesson) == file) << "the linked lesson was not updated";

    // A private file stays private; a new one takes the mode the umask gives.
    ASSERT_EQ(::chmod(lesson.c_str(), 0600), 0);
    ASSERT_TRUE(saveBoardFile(board, lesson).saved);
    EXPECT_EQ(modeOf(lesson), 0600u);
    mode_t const umask = ::umask(027);
    ASSERT_TRUE(saveBoardFile(board, folder.path / "new.zelmora").saved);
    ::umask(umask);
    EXPECT_EQ(modeOf(folder.path / "new.zelmora"), 0640u);

    // What saves killed half way left beside a board goes with the next save of it.
    write(folder.path / "lesson.zelmora.zelmora-saving", "half a bo");
    write(folder.path / "lesson.zelmora.tmp-3735928559", "half a bo");
    write(folder.path / "lesson.zelmora.tmp-notes", "the teacher's");
    ASSERT_TRUE(saveBoardFile(board, lesson).saved);
    EXPECT_EQ(folder.names(),
        (std::vector<std::string> { "lesson.zelmora", "lesson.zelmora.tmp-notes", "new.zelmora", "today.zelmora" }));

    // A save that fails leaves no file of its own behind.
    fs::create_directory(folder.path / "taken.zelmora");
    EXPECT_FALSE(saveBoardFile(board, folder.path / "taken.zelmora").saved);
    EXPECT_FALSE(fs::exists(folder.path / "taken.zelmora.zelmora-saving"));
}

// A named pipe is no board: opening it must not wait for a writer, nor read what one writes.
TEST(BoardFileStorage, OpensRegularFilesOnly)
{
    Folder folder;
    HeadlessHost host;
    Application app { host, &createWindow };
    Form& board = app.show("frmZelmora5");
    std::string const file = saveBoard(board);
    board.control("Command1", 0).left = 4000;
    FormSnapshot const before = board.snapshot();

    auto const pipe = folder.path / "pipe.zelmora";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::atomic<bool> done = false;
    std::thread writer([&] {
        // Feeds a board to whoever waits on the pipe, until the load has returned.
        while (!done) {
            int const fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                [[maybe_unused]] auto const written = ::write(fd, file.data(), file.size());
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    LoadResult const fromPipe = loadBoardFile(app, board, pipe);
    LoadResult const opened = openSavedBoardFile(app, pipe);
    done = true;
    writer.join();
    EXPECT_EQ(fromPipe.refusal, Refusal::NotBoardFile);
    EXPECT_EQ(opened.refusal, Refusal::NotBoardFile);
    EXPECT_EQ(loadBoardFile(app, board, folder.path).refusal, Refusal::NotBoardFile);
    EXPECT_EQ(loadBoardFile(app, board, "/dev/zero").refusal, Refusal::NotBoardFile);
    EXPECT_TRUE(board.snapshot() == before);

    // A file over the limit is refused by its size.
    write(folder.path / "large.zelmora", file + std::string(boardFileMaxBytes, ' '));
    EXPECT_EQ(loadBoardFile(app, board, folder.path / "large.zelmora").refusal, Refusal::TooLarge);
    write(folder.path / "good.zelmora", file);
    EXPECT_TRUE(loadBoardFile(app, board, folder.path / "good.zelmora").loaded());
}

} // namespace
} // namespace zelmora
