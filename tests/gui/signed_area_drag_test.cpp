// SPDX-License-Identifier: GPL-3.0-or-later
// Real mouse drags on Board 2's view that end over another tile: each drop is snapped and then
// measured three times, and the tiles, the factor boxes and the four rectangles end as the
// script version of the same actions leaves them.

#include "desktop/font_setup.hpp"
#include "desktop/form_view.hpp"
#include "desktop/qt_host.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"
#include "tools/script/script_runner.hpp"

#include <QtTest>

#include <cmath>
#include <sstream>

using zelmora::Single;

namespace {

// Board 2 open in the real program with its Qt host, its view at a zoom.
class SignedAreaWindow {
public:
    explicit SignedAreaWindow(double zoom)
    {
        zelmora::qt::installFontSubstitutions();
        host.setErrorHandler([this](QString const& message) { errors << message; });
        host.setEndHandler([](int) {});
        host.attach(app);
        host.deliver([this] { app.show("frmZelmora2"); });
        form = app.window("frmZelmora2");
        view = form ? host.viewOf(*form) : nullptr;
        if (!view)
            return;
        view->setZoom(zoom);
        ready = QTest::qWaitForWindowExposed(view) && view->isActiveWindow();
    }

    zelmora::Control& control(char const* name) { return form->control(name); }
    zelmora::Control& tile(int index) { return form->control("Command1", index); }

    QPoint pixel(Single x, Single y) const
    {
        auto const s = view->scale();
        return { static_cast<int>(std::lround(s.x(x))), static_cast<int>(std::lround(s.y(y))) };
    }

    void click(char const* name)
    {
        zelmora::Control const& c = control(name);
        QTest::mouseClick(view, Qt::LeftButton, {}, pixel(c.left + c.width / 2, c.top + c.height / 2));
    }

    void drag(Single fromX, Single fromY, Single toX, Single toY)
    {
        QTest::mousePress(view, Qt::LeftButton, {}, pixel(fromX, fromY));
        QTest::mouseMove(view, pixel((fromX + toX) / 2, (fromY + toY) / 2));
        QTest::mouseMove(view, pixel(toX, toY));
        QTest::mouseRelease(view, Qt::LeftButton, {}, pixel(toX, toY));
    }

    // Whether any pixel of the column at x, within a pixel of y, is dark.
    bool darkNear(QImage const& image, Single x, Single y) const
    {
        QPoint const p = pixel(x, y);
        for (int dy = -1; dy <= 1; ++dy)
            if (image.pixelColor(p.x(), p.y() + dy).lightness() < 60)
                return true;
        return false;
    }

    zelmora::qt::QtHost host;
    zelmora::Application app { host, &zelmora::createWindow };
    zelmora::Form* form = nullptr;
    zelmora::qt::FormView* view = nullptr;
    bool ready = false;
    QStringList errors;
};

} // namespace

class SignedAreaDrag : public QObject {
    Q_OBJECT
private slots:
    void dropsOnTilesAreMeasured_data();
    void dropsOnTilesAreMeasured();
};

void SignedAreaDrag::dropsOnTilesAreMeasured_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("zoom 1") << 1.0;
    QTest::newRow("zoom 1.5") << 1.5;
}

// Every point is a multiple of 30 twips, a whole pixel at both zooms.
void SignedAreaDrag::dropsOnTilesAreMeasured()
{
    QFETCH(double, zoom);
    SignedAreaWindow board(zoom);
    QVERIFY(board.ready);
    board.click("Command3"); // x tile 21 at (7740, -60)
    board.click("Command7"); // unit square 111 at (2040, 60)
    board.click("Command5"); // y tile 51 at (10140, -120)
    QImage const before = board.view->grab().toImage();

    // The x onto the board right of the crossing: against the origin square, on the right arm.
    board.drag(7800, 150, 5760, 4260);
    QCOMPARE(board.tile(21).left, Single(5625));
    QCOMPARE(board.tile(21).top, Single(4010));
    // The unit square released over the x's right end lands beside it on the arm.
    board.drag(2070, 120, 6870, 4110);
    // The y released over the origin square: onto the vertical strip, its bottom edge on the
    // origin square's top, then lined up on the upper arm.
    board.drag(10260, 600, 5310, 3990);

    QCOMPARE(board.tile(111).left, Single(6875));
    QCOMPARE(board.tile(111).top, Single(4010));
    QCOMPARE(board.tile(51).left, Single(5230));
    QCOMPARE(board.tile(51).top, Single(3160));
    QCOMPARE(board.control("Text1").text, std::string("800"));
    QCOMPARE(board.control("Text2").text, std::string("1600"));
    QCOMPARE(board.control("Text3").text, std::string("0"));
    QCOMPARE(board.control("Text4").text, std::string("0"));
    zelmora::Control const& upperRight = board.control("Shape3");
    QCOMPARE(upperRight.left, Single(5595));
    QCOMPARE(upperRight.top, Single(3160));
    QCOMPARE(upperRight.width, Single(1600));
    QCOMPARE(upperRight.height, Single(800));
    zelmora::Control const& upperLeft = board.control("Shape4");
    QCOMPARE(upperLeft.left, Single(5160));
    QCOMPARE(upperLeft.width, Single(0));
    QCOMPARE(upperLeft.height, Single(800));
    QCOMPARE(board.control("Shape6").width, Single(1600));
    QCOMPARE(board.control("Shape6").height, Single(0));
    QCOMPARE(board.form->focus(), &board.control("Command9"));

    // The same actions as a script give the same board.
    std::ostringstream out, errors;
    zelmora::ScriptRunner runner(out, errors);
    std::istringstream script("start\nopen frmZelmora2\n"
                              "click frmZelmora2 Command3\nclick frmZelmora2 Command7\nclick frmZelmora2 Command5\n"
                              "press frmZelmora2 Command1(21) 60 210\nup frmZelmora2 5760 4260\n"
                              "press frmZelmora2 Command1(111) 30 60\nup frmZelmora2 6870 4110\n"
                              "press frmZelmora2 Command1(51) 120 720\nup frmZelmora2 5310 3990\n");
    QCOMPARE(runner.run(script), zelmora::ScriptRunner::Ran);
    zelmora::Form& scripted = *runner.application()->window("frmZelmora2");
    for (int i : { 21, 51, 111 }) {
        QCOMPARE(board.tile(i).left, scripted.control("Command1", i).left);
        QCOMPARE(board.tile(i).top, scripted.control("Command1", i).top);
    }
    for (char const* name : { "Shape3", "Shape4", "Shape5", "Shape6" }) {
        QCOMPARE(board.control(name).left, scripted.control(name).left);
        QCOMPARE(board.control(name).top, scripted.control(name).top);
        QCOMPARE(board.control(name).width, scripted.control(name).width);
        QCOMPARE(board.control(name).height, scripted.control(name).height);
    }

    // The upper-right rectangle's top edge is drawn across the white quadrant.
    QImage const after = board.view->grab().toImage();
    QVERIFY(!board.darkNear(before, 7050, 3160));
    QVERIFY(board.darkNear(after, 7050, 3160));
    QVERIFY(board.errors.isEmpty());
}

QTEST_MAIN(SignedAreaDrag)
#include "signed_area_drag_test.moc"
