// SPDX-License-Identifier: GPL-3.0-or-later
// Board 1 under a display scale of 2 (QT_SCALE_FACTOR, set by CTest). A window manager may put the
// window at an odd device pixel; Qt rounds its origin to a whole logical pixel, so the global
// position of an event no longer maps back exactly to the point the window reports for it.

#include "board_window.hpp"

#include <QtTest>

using zelmora::Single;
using zelmora::gui::BoardWindow;
using zelmora::gui::ScriptedBoard;

class ScaledDisplay : public QObject {
    Q_OBJECT
private slots:
    void tileLandsUnderItsOutline();
};

// A tile dragged and released inside its own window lands where its outline was drawn, as the
// script puts it, whatever the rounding of the window's place on the screen.
void ScaledDisplay::tileLandsUnderItsOutline()
{
    QCOMPARE(qEnvironmentVariable("QT_SCALE_FACTOR"), QString("2"));
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    QCOMPARE(board.view->devicePixelRatioF(), 2.0);
    board.click("Command7"); // unit square 111 at (7860, 1320)
    QWindow* window = board.window();
    QTest::mousePress(window, Qt::LeftButton, {}, board.windowPixel(7860 + 90, 1320 + 90));
    QPoint const drop = board.windowPixel(4005, 4005);
    QTest::mouseMove(window, drop);
    QCOMPARE(board.app.drag()->pointerX, Single(4005));

    // The release as the display reports it for a window whose device origin is odd: Qt rounds
    // that origin to a whole logical pixel, and the event's global position to another, so the
    // global position lies a logical pixel up and left of where the window's origin puts it.
    QPointF const global = window->mapToGlobal(QPointF(drop)) - QPointF(1, 1);
    qt_handleMouseEvent(window, QPointF(drop), global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, {},
        QTest::lastMouseTimestamp += 10);
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
    QVERIFY(!board.app.buttonHeld());

    ScriptedBoard scripted("click frmZelmora1 Command7\ndrag frmZelmora1 Command1(111) 90 90 4005 4005\n");
    QCOMPARE(board.tile(111).left, scripted.tile(111).left);
    QCOMPARE(board.tile(111).top, scripted.tile(111).top);
    QCOMPARE(board.tile(111).left, Single(3915));
}

QTEST_MAIN(ScaledDisplay)
#include "scaled_display_test.moc"
