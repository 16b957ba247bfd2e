// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_fuzz_run.hpp"

#include "classroom.hpp"
#include "link_mutator.hpp"

#include "program/links/share_link.hpp"
#include "program/session.hpp"
#include "program/tasks/goal_editor.hpp"
#include "program/tasks/task_file.hpp"
#include "program/tasks/tasks.hpp"
#include "program/windows.hpp"

#include <fstream>
#include <memory>

namespace zelmora::fuzz {

namespace {

// Links the first version of the format made, of Board 2 with places off the twip grid and of
// the balance with its tab order moved by presses and a goal with steps: they open still, and
// their mutants go through that version's reading.
constexpr std::string_view firstVersionLinks[] = {
    "zelmora="
    "AaYBAgQBAOABAwwbAQAAAIAkcadAAQAAAECob6dAVRsBAAAAABAYtUCofQAb4NoBAQAAAAAgcLdABAQPAKChAeB7AAANAOB7AAANAOB7AAEPAKChAe"
    "B7AAEGZmFjdG9yDtizwrIgKyAz2LMgKyAyONit2YTZkdmEINin2YTYudio2KfYsdip2Iwg2KvZhSDYp9mC2LHYoyDYp9mE2LnYp9mF2YTZitmGAL70"
    "J-A",
    "zelmora=AewBBBMDAEIAkAMAkAMkDjvAhgKgHwQAO_"
    "D2AaAfBgAjAAAhRgAhRAAhAgAhQgAhQAAhPgAhPAAhOgAhOAAhNgAhNAAhMgAhMAAhLgAhLAAhKgAhKAAhJgAhJAAhIgAhIAAhHgAhHAAhGgAhGAAh"
    "FgAhFAAhEgAhEAAhDgAhDAAhCgA5AQAAAEAzI4xAAQAAAGBmcpdACAABBXNvbHZlCtizICsgMSA9IDMx2LLZkNmGINin2YTZg9mB2KrZitmGINit2K"
    "rZiSDZitio2YLZiSDYsyDZiNit2K_ZhwIK2LMgKyAxID0gMwbYsyA9IDJ1jvSB",
};

constexpr std::string_view arabicPrompt = "حلّل العبارة بالبلاطات ثم تحقّق من الناتج";

struct Quiet final : SessionListener {
    void programFailed(std::string const&) override { }
    void announce(Form const&, std::string const&) override { }
};

// The classroom with a goal on every board and a session over it that opens links as the script
// driver and the views do; good links of every board, with and without their tasks, whole and as
// their fragments alone.
struct LinkClassroom {
    Classroom room;
    Quiet quiet;
    Session session { room.host, quiet, room.app };
    std::vector<std::string> goodLinks;
    std::map<std::string, std::string> liveTasks; // each board as the mutants find it

    explicit LinkClassroom(FuzzRandom& random)
        : room(random)
    {
        for (auto const* name : boardWindows) {
            auto& board = dynamic_cast<TileBoard&>(*room.app.window(name));
            keepLinkOf(board);
            // The first kind the board offers: a factor goal, checked after every action, would
            // take most of the run's time.
            auto const kind = goalKindsFor(board).front();
            setGoal(board, kind.kind, kind.example, std::string(arabicPrompt));
            keepLinkOf(board);
            for (int step = 0; step < 5; ++step)
                room.work(board, random);
            keepLinkOf(board);
        }
        solveOnTheBalance();
        for (auto const* name : boardWindows)
            liveTasks[name] = saveTask(*room.app.window(name));
        for (auto link : firstVersionLinks)
            goodLinks.emplace_back(link);
    }

    void keepLinkOf(Form const& board)
    {
        std::string const link = shareLinkOf(board, shareLinkSite);
        goodLinks.push_back(goodLinks.size() % 2 == 0 ? link : link.substr(link.find('#') + 1));
    }

    // The balance cleared, its goal solved in two steps.
    void solveOnTheBalance()
    {
        auto& balance = dynamic_cast<TileBoard&>(*room.app.window("frmZelmora5"));
        Control& clear = balance.control("Command15");
        room.app.mouseDownOn(balance, clear, 1, 1, MouseButton::Left);
        room.app.mouseUp(&balance, clear.left + 1, clear.top + 1);
        setGoal(balance, GoalKind::Solve, "x + 1 = 3", std::string(arabicPrompt));
        struct Drag {
            int tile;
            Single x, y;
        };
        for (auto [tile, x, y] : { Drag { 0, 900, 1500 }, { 30, 2400, 900 }, { 33, 7400, 1000 }, { 34, 7900, 1000 },
                 { 35, 8400, 1000 }, { 30, 5800, 2300 }, { 33, 5800, 2300 } }) {
            Control& dragged = balance.tile(tile);
            room.app.mouseDownOn(balance, dragged, 0, 0, MouseButton::Left);
            room.app.mouseMove(balance, x, y);
            room.app.mouseUp(&balance, x, y);
        }
        keepLinkOf(balance);
    }
};

// The same board and the same steps: a link without a task keeps the window's goal with no steps,
// and the link of that board, which has the goal, opens it with the goal's record, as empty.
bool sameBoard(FormSnapshot a, FormSnapshot b)
{
    a.record.clear();
    b.record.clear();
    return a == b;
}

class LinkFuzzRun {
public:
    LinkFuzzRun(std::uint64_t seed, std::ostream& report, std::string keepFolder, std::chrono::duration<double> limit)
        : m_random(seed)
        , m_report(report)
        , m_keepFolder(std::move(keepFolder))
        , m_limit(limit)
        , m_classroom(std::make_unique<LinkClassroom>(m_random))
    { }

    void mutant(std::uint64_t number);
    FuzzFigures const& figures() const { return m_figures; }

private:
    void fail(std::uint64_t number, std::string const& link, std::string const& why);
    std::string checkAccepted(Form& board);

    LinkMutator m_random;
    std::ostream& m_report;
    std::string m_keepFolder;
    std::chrono::duration<double> m_limit;
    std::unique_ptr<LinkClassroom> m_classroom;
    FuzzFigures m_figures;
};

void LinkFuzzRun::fail(std::uint64_t number, std::string const& link, std::string const& why)
{
    ++m_figures.failures;
    m_report << "mutant " << number << ": " << why << "\n";
    if (!m_keepFolder.empty())
        std::ofstream(m_keepFolder + "/mutant-" + std::to_string(number) + ".link", std::ios::binary) << link;
    // Whatever went wrong may have left the program in any state: the next mutant starts afresh.
    m_classroom = std::make_unique<LinkClassroom>(m_random);
}

// An accepted link is a board: its own link opens it again the same, and it can be worked on.
std::string LinkFuzzRun::checkAccepted(Form& board)
{
    Application& app = m_classroom->room.app;
    if (!isBoardWindow(board.name()))
        return "an accepted link opened " + board.name() + ", which is no board";
    if (app.actionInProgress())
        return "an accepted link left an action in progress";
    FormSnapshot const opened = board.snapshot();
    std::string const task = saveTask(board);
    std::string const own = shareLinkOf(board, shareLinkSite);
    if (auto const again = m_classroom->session.openShareLink(own); !again.loaded())
        return "the accepted board's own link is refused: " + again.detail;
    if (!sameBoard(board.snapshot(), opened) || saveTask(board) != task)
        return "the accepted board's own link opens another board";
    for (int step = 0; step < 3; ++step)
        m_classroom->room.work(dynamic_cast<TileBoard&>(board), m_random);
    if (app.actionInProgress())
        return "working on the accepted board left an action in progress";
    return {};
}

void LinkFuzzRun::mutant(std::uint64_t number)
{
    ++m_figures.mutants;
    auto const& links = m_classroom->goodLinks;
    std::string const link = m_random.mutate(links[m_random.below(links.size())], links[m_random.below(links.size())]);
    Application& app = m_classroom->room.app;
    Session& session = m_classroom->session;
    WindowsState const before(app, nullptr);
    auto const start = std::chrono::steady_clock::now();
    LoadResult result;
    try {
        result = session.openShareLink(link);
    } catch (std::exception const& e) {
        return fail(number, link, std::string("opening the link threw: ") + e.what());
    }
    std::chrono::duration<double> const took = std::chrono::steady_clock::now() - start;
    m_figures.slowestLoad = std::max(m_figures.slowestLoad, took);
    if (session.failed())
        return fail(number, link, "the program failed: " + session.failure());
    if (took > m_limit)
        return fail(number, link, "opening the link took " + std::to_string(took.count()) + " s");
    if (!result.loaded()) {
        ++m_figures.refused;
        if (result.message.empty())
            return fail(number, link, "a refused link says nothing to the learner: " + result.detail);
        if (auto const change = before.changeTo(WindowsState(app, nullptr)); !change.empty())
            return fail(number, link, "a refused link changed " + change + ": " + result.detail);
        if (app.actionInProgress())
            return fail(number, link, "a refused link left an action in progress: " + result.detail);
        return;
    }
    ++m_figures.accepted;
    Form& board = *app.windowsFrontToBack().front();
    std::string problem;
    try {
        problem = checkAccepted(board);
    } catch (std::exception const& e) {
        problem = std::string("the accepted board raised an error: ") + e.what();
    }
    if (problem.empty() && session.failed())
        problem = "the program failed on the accepted board: " + session.failure();
    if (!problem.empty())
        return fail(number, link, problem);
    // The board goes back to how the next mutant should find it.
    if (!loadTask(app, board, m_classroom->liveTasks.at(board.name())).loaded())
        fail(number, link, "the live board's own task file was refused after this mutant");
}

} // namespace

FuzzFigures runLinkFuzz(std::uint64_t seed, std::uint64_t count, std::ostream& report, std::string const& keepFolder,
    std::chrono::duration<double> openLimit)
{
    LinkFuzzRun run(seed, report, keepFolder, openLimit);
    for (std::uint64_t number = 0; number < count; ++number)
        run.mutant(number);
    return run.figures();
}

} // namespace zelmora::fuzz
