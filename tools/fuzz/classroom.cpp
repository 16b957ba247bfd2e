// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom.hpp"

#include "program/board_file/board_file.hpp"
#include "program/tasks/tasks.hpp"
#include "program/windows.hpp"

namespace zelmora::fuzz {

Classroom::Classroom(FuzzRandom& random)
{
    app.show(startWindowName());
    for (auto const* name : boardWindows) {
        auto& board = dynamic_cast<TileBoard&>(app.show(name));
        goodFiles[name].push_back(saveBoard(board));
        for (int steps : { 6, 30 }) {
            for (int step = 0; step < steps; ++step)
                work(board, random);
            goodFiles[name].push_back(saveBoard(board));
        }
        liveFiles[name] = goodFiles[name].back();
    }
}

void Classroom::work(TileBoard& board, FuzzRandom& random)
{
    if (board.traits().hasPalette && random.below(2) == 0) {
        Control& palette = board.control("Command" + std::to_string(2 + random.below(7)));
        app.mouseDownOn(board, palette, 1, 1, MouseButton::Left);
        app.mouseUp(&board, palette.left + 1, palette.top + 1);
    }
    Control& tile = board.tile(static_cast<int>(random.below(std::size_t(board.traits().tileCount))));
    if (random.below(4) == 0)
        app.key(board, Key::Tab);
    if (!tile.visible)
        return;
    app.mouseDownOn(board, tile, tile.width / 2, tile.height / 2, MouseButton::Left);
    Control const& bin = board.binPicture();
    bool const toBin = random.below(6) == 0;
    Single const x = toBin ? bin.left + bin.width / 2 : Single(random.below(11800));
    Single const y = toBin ? bin.top + bin.height / 2 : Single(random.below(8400));
    app.mouseMove(board, x, y);
    app.mouseUp(&board, x, y);
}

namespace {

// The window's goal, prompt and steps in one line; empty without a goal.
std::string taskOf(Form const& form)
{
    auto const goal = goalOf(form);
    if (!goal)
        return {};
    std::string task = std::string(kindName(goal->kind)) + "\n" + goal->written + "\n" + promptOf(form);
    for (auto const& step : stepsOf(form))
        task += "\n" + step;
    return task;
}

} // namespace

WindowsState::WindowsState(Application const& app, Form const* only)
{
    for (Form const* form : app.windowsFrontToBack()) {
        names.push_back(form->name());
        if (only && form != only)
            continue;
        snapshots.push_back(form->snapshot());
        tasks.push_back(taskOf(*form));
        undoable.push_back(app.canUndo(*form));
    }
}

std::string WindowsState::changeTo(WindowsState const& after) const
{
    if (after.names != names)
        return "which windows are open";
    for (std::size_t i = 0; i < snapshots.size(); ++i) {
        if (!(after.snapshots[i] == snapshots[i]))
            return "a window's state";
        if (after.tasks[i] != tasks[i])
            return "a window's task";
        if (after.undoable[i] != undoable[i])
            return "what undo can take back";
    }
    return {};
}

} // namespace zelmora::fuzz
