// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging a tile with real mouse events on Board 1's view: the tile ends where the script
// version puts it, the outline follows the pointer, the bin fills while hovered, and the
// product rectangle is drawn after the drops.

#include "board_window.hpp"

#include <QtTest>

using zelmora::Single;
using zelmora::gui::BoardWindow;
using zelmora::gui::changedAlong;
using zelmora::gui::ScriptedBoard;

namespace {

QColor const olive(0x80, 0x80, 0x00);

} // namespace

class TileDrag : public QObject {
    Q_OBJECT
private slots:
    void dragEndsWhereTheScriptPutsIt_data();
    void dragEndsWhereTheScriptPutsIt();
    void releaseOutsideEveryWindowDropsNothing();
};

void TileDrag::dragEndsWhereTheScriptPutsIt_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("zoom 1") << 1.0;
    QTest::newRow("zoom 1.5") << 1.5;
}

// Every point is a whole number of pixels at both zooms (15 and 10 twips a pixel), so the
// pointer reports exactly the twips the script uses.
void TileDrag::dragEndsWhereTheScriptPutsIt()
{
    QFETCH(double, zoom);
    BoardWindow board(zoom);
    QVERIFY(board.ready);
    board.click("Command7"); // unit square 111 at (7860, 1320)
    board.click("Command3"); // x tile 21 at (8520, 1200)
    QCOMPARE(board.twipsAt(board.pixel(8100, 1410)), QPointF(8100, 1410));
    QImage const before = board.picture();

    // Unit square 111, taken at (240, 90) inside it.
    QTest::mousePress(board.view, Qt::LeftButton, {}, board.pixel(8100, 1410));
    QTest::mouseMove(board.view, board.pixel(7500, 2010));
    QTest::mouseMove(board.view, board.pixel(3000, 3990));
    // Mid-drag: the outline of a 500 x 500 tile at (2760, 3900) is painted on the white mat with
    // a see-through copy of the tile inside it (blue over white, 55 to 45), and the tile itself
    // has not moved.
    QImage const dragging = board.picture();
    QVERIFY(changedAlong(board, before, dragging, 2760, 3260, 3900) >= 8 * zoom);
    QCOMPARE(before.pixelColor(board.pixel(2860, 4000)), QColor(Qt::white));
    QColor const seeThrough = dragging.pixelColor(board.pixel(2860, 4000));
    QVERIFY2(std::abs(seeThrough.red() - 141) <= 3 && std::abs(seeThrough.green() - 211) <= 3
            && std::abs(seeThrough.blue() - 253) <= 3,
        qPrintable(seeThrough.name()));
    QCOMPARE(board.tile(111).left, Single(7860));
    QCOMPARE(dragging.pixelColor(board.pixel(7960, 1420)), QColor(0x30, 0xAF, 0xFC));

    // Over the bin it shows the full bin.
    QTest::mouseMove(board.view, board.pixel(10980, 6300));
    QCOMPARE(board.form->control("Image2").picture, std::string("bin-full"));
    QImage const hovering = board.picture();
    QVERIFY(changedAlong(board, dragging, hovering, 10740, 11220, 6060) > 0);

    // Released left of the axis line: it rests against the line in the left strip.
    QTest::mouseMove(board.view, board.pixel(2010, 5010));
    QTest::mouseRelease(board.view, Qt::LeftButton, {}, board.pixel(1110, 5010));

    // One factor alone draws no product rectangle, not even a line where it last stood.
    QCOMPARE(board.form->control("Shape3").width, Single(0));
    QCOMPARE(board.picture().pixelColor(board.pixel(300, 7000)), QColor(0xC0, 0xC0, 0xC0));

    // The x tile, taken at (300, 90) and released low on the bottom strip: it lies on the strip.
    QTest::mousePress(board.view, Qt::LeftButton, {}, board.pixel(8820, 1290));
    QTest::mouseMove(board.view, board.pixel(6000, 4020));
    QTest::mouseMove(board.view, board.pixel(3300, 7440));
    QTest::mouseRelease(board.view, Qt::LeftButton, {}, board.pixel(3300, 7440));

    ScriptedBoard scripted("click frmZelmora1 Command7\n"
                           "click frmZelmora1 Command3\n"
                           "press frmZelmora1 Command1(111) 240 90\n"
                           "move frmZelmora1 10980 6300\n"
                           "up frmZelmora1 1110 5010\n"
                           "drag frmZelmora1 Command1(21) 300 90 3300 7440\n");
    QCOMPARE(scripted.status, zelmora::ScriptRunner::Ran);
    for (int i : { 111, 21 }) {
        QCOMPARE(board.tile(i).left, scripted.tile(i).left);
        QCOMPARE(board.tile(i).top, scripted.tile(i).top);
    }
    QCOMPARE(board.tile(111).left, Single(400));
    QCOMPARE(board.tile(21).top, Single(7260));
    // The bin stays full once hovered, as in the script.
    QCOMPARE(board.form->control("Image2").picture, scripted.form().control("Image2").picture);

    // The product rectangle, 1300 wide and 500 high on the axis line and the strip, in olive.
    zelmora::Control const& product = board.form->control("Shape3");
    QCOMPARE(product.left, Single(900));
    QCOMPARE(product.top, Single(6760));
    QImage const dropped = board.picture();
    QCOMPARE(before.pixelColor(board.pixel(1550, 6762)), QColor(Qt::white));
    QCOMPARE(dropped.pixelColor(board.pixel(1550, 6762)), olive);
    QCOMPARE(dropped.pixelColor(board.pixel(2187, 7000)), olive);
    QCOMPARE(dropped.pixelColor(board.pixel(1550, 7000)), QColor(Qt::white));
    // No outline is left behind once the drag is over.
    QVERIFY(changedAlong(board, before, dropped, 2760, 3260, 3900) == 0);
    QVERIFY(board.errors.isEmpty());
}

// Dragged off the window and let go there: nothing takes the drop and the tile stays home.
void TileDrag::releaseOutsideEveryWindowDropsNothing()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    board.click("Command7");
    QTest::mousePress(board.view, Qt::LeftButton, {}, board.pixel(8100, 1410));
    QTest::mouseMove(board.view, board.pixel(3000, 3990));
    QTest::mouseMove(board.view, QPoint(-40, 300));
    // Outside the client area the outline is gone.
    QCOMPARE(board.app.drag()->pointerInForm, false);
    QTest::mouseRelease(board.view, Qt::LeftButton, {}, QPoint(-40, 300));
    QVERIFY(!board.app.buttonHeld());
    QCOMPARE(board.tile(111).left, Single(7860));
    QCOMPARE(board.tile(111).top, Single(1320));
    QCOMPARE(board.form->focus(), &board.tile(111));
}

QTEST_MAIN(TileDrag)
#include "drag_test.moc"
