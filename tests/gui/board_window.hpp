// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One real Board 1 window for a test: the program with its Qt host, the board's view at a zoom,
// and helpers that turn twips into the view's pixels for QTest's mouse events.

#include "desktop/font_setup.hpp"
#include "desktop/form_view.hpp"
#include "desktop/qt_host.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"
#include "tools/script/script_runner.hpp"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWindow>

#include <cmath>
#include <memory>
#include <sstream>

namespace zelmora::gui {

class BoardWindow {
public:
    // The view is resized to `size`, or to the client area at `zoom` when no size is given.
    explicit BoardWindow(double zoom, QSize size = {})
    {
        qt::installFontSubstitutions();
        host.setErrorHandler([this](QString const& message) { errors << message; });
        host.setEndHandler([this](int status) { endStatus = status; });
        host.attach(app);
        host.deliver([this] { app.show("frmZelmora1"); });
        form = app.window("frmZelmora1");
        view = form ? host.viewOf(*form) : nullptr;
        if (!view)
            return;
        if (size.isEmpty())
            view->setZoom(zoom);
        else
            view->setBoardSize(size);
        ready = QTest::qWaitForWindowExposed(view) && view->isActiveWindow();
    }

    Control& tile(int index) { return form->control("Command1", index); }

    // The pixel of the view that shows the point (x, y) of the window's client area.
    QPoint pixel(Single x, Single y) const
    {
        auto const s = view->scale();
        return { static_cast<int>(std::lround(s.x(x))), static_cast<int>(std::lround(s.y(y))) };
    }
    // The point the view reports for that pixel, back in twips.
    QPointF twipsAt(QPoint p) const
    {
        auto const s = view->scale();
        return { s.twipsX(p.x()), s.twipsY(p.y()) };
    }

    // The board sits in a window with its toolbar: input through the QWindow is aimed at the
    // window's own pixels.
    QWindow* window() const { return view->window()->windowHandle(); }
    QPoint windowPixel(Single x, Single y) const { return view->mapTo(view->window(), pixel(x, y)); }

    void click(std::string const& name)
    {
        Control const& c = form->control(name);
        QTest::mouseClick(view, Qt::LeftButton, {}, pixel(c.left + c.width / 2, c.top + c.height / 2));
    }

    QImage picture() { return view->grab().toImage(); }

    qt::QtHost host;
    Application app { host, &createWindow };
    Form* form = nullptr;
    qt::FormView* view = nullptr;
    bool ready = false;
    QStringList errors;
    int endStatus = -1;
};

// Pixels of a horizontal run of twips that differ between two pictures of the same view.
inline int changedAlong(BoardWindow const& board, QImage const& a, QImage const& b, Single left, Single right, Single y)
{
    int changed = 0;
    QPoint const from = board.pixel(left, y);
    QPoint const to = board.pixel(right, y);
    for (int x = from.x(); x < to.x(); ++x)
        changed += a.pixelColor(x, from.y()) != b.pixelColor(x, from.y());
    return changed;
}

// The same learner actions run as a script with no display; the state they leave behind.
class ScriptedBoard {
public:
    explicit ScriptedBoard(std::string const& actions)
    {
        std::istringstream script("start\nopen frmZelmora1\n" + actions);
        status = runner.run(script);
    }
    Form& form() { return *runner.application()->window("frmZelmora1"); }
    Control& tile(int index) { return form().control("Command1", index); }

    std::ostringstream out;
    std::ostringstream errors;
    ScriptRunner runner { out, errors };
    ScriptRunner::Status status = ScriptRunner::Ran;
};

} // namespace zelmora::gui
