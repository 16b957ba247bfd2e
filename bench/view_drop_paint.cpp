// SPDX-License-Identifier: GPL-3.0-or-later
// A drop on Board 1 as the learner makes it, up to the painted frame: real mouse events on the
// desktop view, the program's rules, the toolbar and the band brought up to date, and the
// board's window repainted. Board 1 has every tile out and its band shown; with the argument 2,
// Board 2 stands open behind it as well, as it does in a lesson that moves between the two.

#include "desktop/board_connection.hpp"
#include "desktop/board_frame.hpp"
#include "desktop/form_view.hpp"
#include "desktop/qt_host.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"
#include "tests/gui/paint_counter.hpp"

#include <QCoreApplication>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cmath>
#include <stdexcept>

namespace {

using zelmora::Application;
using zelmora::Form;
using zelmora::Single;
using zelmora::gui::PaintCounter;

struct OpenBoards {
    explicit OpenBoards(bool withBoard2)
    {
        host.setErrorHandler([](QString const& message) { throw std::runtime_error(message.toStdString()); });
        host.setEndHandler([](int) {});
        host.setBoardActions([this](Form& form) { return zelmora::qt::boardActionsFor(app, form); });
        host.attach(app);
        if (withBoard2)
            host.deliver([this] { app.show("frmZelmora2"); });
        host.deliver([this] { app.show("frmZelmora1"); });
        form = app.window("frmZelmora1");
        for (int round = 0; round < 31; ++round)
            for (auto const* name :
                { "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8" })
                host.deliver([&] { form->press(form->control(name)); });
        view = host.viewOf(*form);
        host.frameOf(*form)->setAlgebraShown(true);
        if (!QTest::qWaitForWindowExposed(view->window()))
            throw std::runtime_error("Board 1 was never shown");
        settle();
    }

    QPoint pixel(Single x, Single y) const
    {
        auto const s = view->scale();
        return { static_cast<int>(std::lround(s.x(x))), static_cast<int>(std::lround(s.y(y))) };
    }

    // Every repaint asked for so far has been painted.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    zelmora::qt::QtHost host;
    Application app { host, &zelmora::createWindow };
    Form* form = nullptr;
    zelmora::qt::FormView* view = nullptr;
};

// A unit square dragged back and forth over the mat; the press and the moves are untimed, the
// release and everything up to Board 1's painted frame are timed.
void dropToPaint(benchmark::State& state)
{
    OpenBoards boards(state.range(0) == 2);
    PaintCounter counter(boards.view);
    zelmora::Control const& tile = boards.form->control("Command1", 111);
    bool there = false;
    for (auto _ : state) {
        state.PauseTiming();
        QPoint const to = there ? boards.pixel(6000, 4000) : boards.pixel(3000, 4000);
        QTest::mousePress(boards.view, Qt::LeftButton, {}, boards.pixel(tile.left + 100, tile.top + 100));
        QTest::mouseMove(boards.view, to);
        OpenBoards::settle();
        int const paintsBefore = counter.paints;
        state.ResumeTiming();
        QTest::mouseRelease(boards.view, Qt::LeftButton, {}, to);
        while (counter.paints == paintsBefore)
            QCoreApplication::processEvents();
        state.PauseTiming();
        there = !there;
        OpenBoards::settle();
        state.ResumeTiming();
    }
}
BENCHMARK(dropToPaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
