// SPDX-License-Identifier: GPL-3.0-or-later
// zelmora-startup-probe MODE SPAWNED_NS: one start-up, timed from the moment the benchmark spawned
// this process (CLOCK_MONOTONIC nanoseconds) to the end of a window's first paint.
//   menu    the program's own start-up, as main() runs it: the menu window and its first paint
//   bare    a bare Qt 6 window and its first paint, the yardstick
//   text    the bare window with one line of text in the menu's font, to show what the first text
//           of any Qt program costs (the font database and the first font engines)
//   boards  the program's start-up, then all four boards opened from the menu and painted;
//           prints the resident memory instead of the time
// Prints one number and leaves at once, without tearing anything down.

#include "desktop/form_view.hpp"
#include "desktop/program.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>

namespace {

long long nowNs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

long residentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Calls back once each watched window has had its first paint, once control is back in the loop.
class FirstPaints : public QObject {
public:
    FirstPaints(int windows, std::function<void()> done)
        : m_left(windows)
        , m_done(std::move(done))
    { }
    void watch(QWidget* w) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            if (--m_left == 0)
                QTimer::singleShot(0, this, m_done);
        }
        return false;
    }

private:
    int m_left;
    std::function<void()> m_done;
};

class BareWindow : public QWidget {
public:
    explicit BareWindow(bool withText)
        : m_withText(withText)
    { }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x40, 0x40, 0x40));
        if (m_withText) {
            p.setFont(QFont("Arial", 24, QFont::Bold));
            p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Zelmora"));
        }
    }

private:
    bool m_withText;
};

[[noreturn]] void report(long long value)
{
    std::printf("%lld\n", value);
    std::fflush(stdout);
    _exit(0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zelmora-startup-probe menu|bare|text|boards SPAWNED_NS\n");
        return 2;
    }
    std::string const mode = argv[1];
    long long const spawned = std::atoll(argv[2]);

    if (mode == "bare" || mode == "text") {
        QApplication qtApp(argc, argv);
        BareWindow window(mode == "text");
        window.resize(374, 383);
        FirstPaints painted(1, [&] { report(nowNs() - spawned); });
        painted.watch(&window);
        window.show();
        return QApplication::exec();
    }
    if (mode != "menu" && mode != "boards") {
        std::fprintf(stderr, "zelmora-startup-probe: unknown mode %s\n", mode.c_str());
        return 2;
    }

    // The program's own start-up, as main() runs it.
    zelmora::qt::Program program(argc, argv);
    program.start();
    auto& host = program.host();
    auto& app = program.app();
    zelmora::Form* menu = app.window("frmZelmora");
    if (!menu || !host.viewOf(*menu))
        return 1;

    if (mode == "menu") {
        FirstPaints painted(1, [&] { report(nowNs() - spawned); });
        painted.watch(host.viewOf(*menu));
        return QApplication::exec();
    }

    // Each board as its menu button opens it.
    FirstPaints painted(5, [] { report(residentKb()); });
    painted.watch(host.viewOf(*menu));
    for (char const* button : { "Command1", "Command2", "Command3", "Command5" }) {
        host.deliver([&] { menu->press(menu->control(button)); });
        painted.watch(host.viewOf(*app.windowsFrontToBack().front()));
    }
    return QApplication::exec();
}
