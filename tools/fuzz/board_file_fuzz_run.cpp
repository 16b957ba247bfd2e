// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_file_fuzz_run.hpp"

#include "board_file_mutator.hpp"
#include "classroom.hpp"

#include "program/board_file/board_file.hpp"
#include "program/open_saved_board.hpp"

#include <fstream>
#include <memory>

namespace zelmora::fuzz {

namespace {

class FuzzRun {
public:
    FuzzRun(std::uint64_t seed, std::ostream& report, std::string keepFolder, std::chrono::duration<double> limit)
        : m_random(seed)
        , m_report(report)
        , m_keepFolder(std::move(keepFolder))
        , m_limit(limit)
        , m_classroom(std::make_unique<Classroom>(m_random))
    { }

    void mutant(std::uint64_t number);
    FuzzFigures const& figures() const { return m_figures; }

private:
    void fail(std::uint64_t number, std::string const& bytes, std::string const& why);
    std::string checkAccepted(Form& form);

    BoardFileMutator m_random;
    std::ostream& m_report;
    std::string m_keepFolder;
    std::chrono::duration<double> m_limit;
    std::unique_ptr<Classroom> m_classroom;
    FuzzFigures m_figures;
};

void FuzzRun::fail(std::uint64_t number, std::string const& bytes, std::string const& why)
{
    ++m_figures.failures;
    m_report << "mutant " << number << ": " << why << "\n";
    if (!m_keepFolder.empty())
        std::ofstream(m_keepFolder + "/mutant-" + std::to_string(number) + ".zelmora", std::ios::binary) << bytes;
    // Whatever went wrong may have left the program in any state: the next mutant starts afresh.
    m_classroom = std::make_unique<Classroom>(m_random);
}

// An accepted file is a board: saved and loaded again it is the same, and it can be worked on.
std::string FuzzRun::checkAccepted(Form& form)
{
    Application& app = m_classroom->app;
    if (app.actionInProgress())
        return "an accepted load left an action in progress";
    FormSnapshot const loaded = form.snapshot();
    std::string const saved = saveBoard(form);
    if (auto const again = loadBoard(app, form, saved); !again.loaded())
        return "the accepted board saved and loaded again is refused: " + again.detail;
    if (!(form.snapshot() == loaded) || saveBoard(form) != saved)
        return "the accepted board saved and loaded again is another board";
    for (int step = 0; step < 3; ++step)
        m_classroom->work(dynamic_cast<TileBoard&>(form), m_random);
    if (app.actionInProgress())
        return "working on the accepted board left an action in progress";
    return {};
}

void FuzzRun::mutant(std::uint64_t number)
{
    ++m_figures.mutants;
    std::string const board = boardWindows[m_random.below(boardWindows.size())];
    auto const& good = m_classroom->goodFiles.at(board);
    auto const& donors = m_classroom->goodFiles.at(boardWindows[m_random.below(boardWindows.size())]);
    std::string const bytes = m_random.mutate(good[m_random.below(good.size())], donors[m_random.below(donors.size())]);
    bool const asFromFileManager = m_random.below(4) == 0;

    Application& app = m_classroom->app;
    Form& form = *app.window(board);
    // A file opened from the file manager may name any board; one loaded into a window, only it.
    Form const* const watched = asFromFileManager ? nullptr : &form;
    WindowsState const before(app, watched);
    auto const start = std::chrono::steady_clock::now();
    LoadResult result;
    try {
        result = asFromFileManager ? openSavedBoard(app, bytes) : loadBoard(app, form, bytes);
    } catch (std::exception const& e) {
        return fail(number, bytes, std::string("the load threw: ") + e.what());
    }
    std::chrono::duration<double> const took = std::chrono::steady_clock::now() - start;
    m_figures.slowestLoad = std::max(m_figures.slowestLoad, took);
    if (took > m_limit)
        return fail(number, bytes, "the load took " + std::to_string(took.count()) + " s");
    if (!result.loaded()) {
        ++m_figures.refused;
        if (auto const change = before.changeTo(WindowsState(app, watched)); !change.empty())
            return fail(number, bytes, "a refused load changed " + change + ": " + result.detail);
        if (app.actionInProgress())
            return fail(number, bytes, "a refused load left an action in progress: " + result.detail);
        return;
    }
    ++m_figures.accepted;
    Form* loaded = asFromFileManager ? app.windowsFrontToBack().front() : &form;
    std::string problem;
    try {
        problem = checkAccepted(*loaded);
    } catch (std::exception const& e) {
        problem = std::string("the accepted board raised an error: ") + e.what();
    }
    if (!problem.empty())
        return fail(number, bytes, problem);
    // The board goes back to how the next mutant should find it.
    std::string const& live = m_classroom->liveFiles.at(loaded->name());
    if (!loadBoard(app, *loaded, live).loaded())
        fail(number, bytes, "the live board's own file was refused after this mutant");
}

} // namespace

FuzzFigures runBoardFileFuzz(std::uint64_t seed, std::uint64_t count, std::ostream& report,
    std::string const& keepFolder, std::chrono::duration<double> loadLimit)
{
    FuzzRun run(seed, report, keepFolder, loadLimit);
    for (std::uint64_t number = 0; number < count; ++number)
        run.mutant(number);
    return run.figures();
}

} // namespace zelmora::fuzz
