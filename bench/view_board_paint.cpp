// SPDX-License-Identifier: GPL-3.0-or-later
// Painting Board 1 with every tile out, as the view repaints it, into an offscreen image.

#include "desktop/form_painter.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"
#include "runtime/host.hpp"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using zelmora::Application;
using zelmora::Form;
using zelmora::MouseButton;
using zelmora::Single;

// Board 1 with all 141 tiles revealed by their palette buttons.
struct FullBoard {
    FullBoard()
    {
        form = &app.show("frmZelmora1");
        for (int round = 0; round < 31; ++round)
            for (auto const* name :
                { "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8" })
                form->press(form->control(name));
        for (int i = 0; i <= 140; ++i)
            if (!form->control("Command1", i).visible)
                throw std::logic_error("a tile stayed hidden");
    }

    zelmora::HeadlessHost host;
    Application app { host, &zelmora::createWindow };
    Form* form = nullptr;
};

void paintBoard(benchmark::State& state)
{
    FullBoard board;
    double const zoom = static_cast<double>(state.range(0)) / 100.0;
    auto const& window = board.form->window();
    QSize const size = zelmora::qt::ViewScale::clientPixels(window.clientWidth, window.clientHeight, zoom);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    zelmora::qt::FormPainter painter;
    for (auto _ : state) {
        QPainter p(&image);
        painter.paint(p, *board.form, size, board.app.drag());
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(paintBoard)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The repaint that follows a drop: a unit square dragged back and forth over the mat, each drop
// snapping and measuring as the learner's would; only the painting is timed.
void repaintAfterDrop(benchmark::State& state)
{
    FullBoard board;
    auto const& window = board.form->window();
    QSize const size = zelmora::qt::ViewScale::clientPixels(window.clientWidth, window.clientHeight, 1.0);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    zelmora::qt::FormPainter painter;
    zelmora::Control& tile = board.form->control("Command1", 111);
    bool there = false;
    for (auto _ : state) {
        state.PauseTiming();
        Single const x = there ? 6000 : 3000;
        board.app.mouseDown(*board.form, tile.left + 100, tile.top + 100, MouseButton::Left);
        board.app.mouseMove(*board.form, x, 4000);
        board.app.mouseUp(board.form, x, 4000);
        there = !there;
        state.ResumeTiming();
        QPainter p(&image);
        painter.paint(p, *board.form, size, board.app.drag());
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(repaintAfterDrop)->Unit(benchmark::kMillisecond);

} // namespace
