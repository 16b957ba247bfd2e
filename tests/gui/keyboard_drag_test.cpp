// SPDX-License-Identifier: GPL-3.0-or-later
// Moving tiles on Board 1's view with real key events alone: the arrows show the outline where the
// tile would land, Enter drops it where the script puts it, R (or the same key on an Arabic layout)
// turns it, Escape lets go and Delete throws it into the bin.

#include "board_window.hpp"

#include <QtTest>

using zelmora::Single;
using zelmora::gui::BoardWindow;
using zelmora::gui::changedAlong;
using zelmora::gui::ScriptedBoard;

class KeyboardDrag : public QObject {
    Q_OBJECT
private slots:
    void keysMoveTilesAsTheScriptDoes();
};

void KeyboardDrag::keysMoveTilesAsTheScriptDoes()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    board.click("Command3"); // x tile 21, 1300 x 500 at (8520, 1200)
    board.click("Command7"); // unit square 111 at (7860, 1320)
    QTest::keyClick(board.view, Qt::Key_Tab);
    QTest::keyClick(board.view, Qt::Key_Tab);
    QCOMPARE(board.form->focus(), &board.tile(21));
    QImage const before = board.picture();

    // From the centre (9170, 1450) two units left and a fine step down: the outline of the tile
    // stands at (7520, 1250) on the white mat, and the tile itself has not moved.
    QTest::keyClick(board.view, Qt::Key_Left);
    QTest::keyClick(board.view, Qt::Key_Left);
    QTest::keyClick(board.view, Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(board.app.keyboardDragInProgress());
    QCOMPARE(board.app.drag()->pointerX, Single(8170));
    QCOMPARE(board.app.drag()->pointerY, Single(1500));
    QVERIFY(changedAlong(board, before, board.picture(), 7520, 7820, 1250) >= 8);
    QCOMPARE(board.tile(21).left, Single(8520));

    QTest::keyClick(board.view, Qt::Key_Return);
    QVERIFY(!board.app.buttonHeld());
    ScriptedBoard scripted("click frmZelmora1 Command3\nclick frmZelmora1 Command7\nkey frmZelmora1 tab\n"
                           "key frmZelmora1 tab\nkey frmZelmora1 left\nkey frmZelmora1 left\n"
                           "key frmZelmora1 shift+down\nkey frmZelmora1 enter\n");
    QCOMPARE(scripted.status, zelmora::ScriptRunner::Ran);
    QCOMPARE(board.tile(21).left, scripted.tile(21).left);
    QCOMPARE(board.tile(21).top, scripted.tile(21).top);
    QCOMPARE(board.tile(21).left, Single(7520));

    // R turns the tile on the rotation zone, and so does the key that types "ق" there.
    QTest::keyClick(board.view, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(board.view, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(board.form->focus(), &board.tile(21));
    QTest::keyClick(board.view, Qt::Key_R);
    QCOMPARE(board.tile(21).width, Single(500));
    QTest::sendKeyEvent(QTest::Click, board.view, Qt::Key(0x0642), QStringLiteral("ق"), Qt::NoModifier);
    QCOMPARE(board.tile(21).width, Single(1300));
    QTest::keyClick(board.view, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(board.tile(21).width, Single(1300));

    // Escape lets go with nothing moved; Delete throws the tile into the bin.
    QTest::keyClick(board.view, Qt::Key_Up);
    QTest::keyClick(board.view, Qt::Key_Escape);
    QVERIFY(!board.app.buttonHeld());
    QCOMPARE(board.tile(21).left, Single(7520));
    QTest::keyClick(board.view, Qt::Key_Delete);
    QVERIFY(!board.tile(21).visible);
    QVERIFY(board.errors.isEmpty());
}

QTEST_MAIN(KeyboardDrag)
#include "keyboard_drag_test.moc"
