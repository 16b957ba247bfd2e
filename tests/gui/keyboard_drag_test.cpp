// SPDX-License-Identifier: GPL-3.0-or-later
// Moving tiles on Board 1's view with real key events alone: the arrows show the outline where the
// tile would land, Enter drops it where the script puts it, R (or the same key on an Arabic layout)
// turns it, Escape lets go and Delete throws it into the bin. Page Down jumps a tile taken from
// the palette to a place of the board, and the drop gives the focus back to the palette button;
// F6 lends the keyboard to the toolbar and takes it back.

#include "board_window.hpp"

#include "desktop/board_connection.hpp"
#include "desktop/board_frame.hpp"

#include <QApplication>
#include <QToolBar>

#include <QtTest>

using zelmora::Single;
using zelmora::gui::BoardWindow;
using zelmora::gui::changedAlong;
using zelmora::gui::ScriptedBoard;

class KeyboardDrag : public QObject {
    Q_OBJECT
private slots:
    void keysMoveTilesAsTheScriptDoes();
    void pageDownJumpsAndTheDropFocusesThePalette();
    void f6ReachesTheToolbarAndBack();
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
    // The tile came from the palette: the focus goes back to its button.
    QCOMPARE(board.form->focus(), &board.form->control("Command3"));
    ScriptedBoard scripted("click frmZelmora1 Command3\nclick frmZelmora1 Command7\nkey frmZelmora1 tab\n"
                           "key frmZelmora1 tab\nkey frmZelmora1 left\nkey frmZelmora1 left\n"
                           "key frmZelmora1 shift+down\nkey frmZelmora1 enter\n");
    QCOMPARE(scripted.status, zelmora::ScriptRunner::Ran);
    QCOMPARE(board.tile(21).left, scripted.tile(21).left);
    QCOMPARE(board.tile(21).top, scripted.tile(21).top);
    QCOMPARE(board.tile(21).left, Single(7520));

    // R turns the tile on the rotation zone, and so does the key that types "ق" there. The tiles
    // follow the palette in the tab order.
    for (int button = 0; button < 6; ++button)
        QTest::keyClick(board.view, Qt::Key_Tab);
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

void KeyboardDrag::pageDownJumpsAndTheDropFocusesThePalette()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    QWindow* const window = board.window();
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(board.form->focus(), &board.form->control("Command3"));
    // Space brings out x tile 21; an arrow on the button takes hold of it, Page Down carries it
    // to the end of the height factor, right edge on the axis line, bottom on the strip.
    QTest::keyClick(window, Qt::Key_Space);
    QTest::keyClick(window, Qt::Key_Left);
    QTest::keyClick(window, Qt::Key_PageDown);
    QTest::keyClick(window, Qt::Key_Return);
    QCOMPARE(board.tile(21).left, Single(900 - 1300));
    QCOMPARE(board.tile(21).top, Single(7260 - 500));
    QCOMPARE(board.form->focus(), &board.form->control("Command3"));
    // The next one is a key away; "]" and "[" jump as Page Down and Page Up do: the end of the
    // width factor lies after the height's.
    QTest::keyClick(window, Qt::Key_Space);
    QTest::keyClick(window, Qt::Key_Left);
    QTest::keyClick(window, Qt::Key_BracketRight);
    QTest::keyClick(window, Qt::Key_BracketRight);
    QTest::keyClick(window, Qt::Key_BracketLeft);
    QTest::keyClick(window, Qt::Key_BracketRight);
    QTest::keyClick(window, Qt::Key_Return);
    QCOMPARE(board.tile(22).top, Single(7260));
    QCOMPARE(board.form->focus(), &board.form->control("Command3"));
    QVERIFY(board.errors.isEmpty());
}

void KeyboardDrag::f6ReachesTheToolbarAndBack()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    QWindow* const window = board.window();
    auto* frame = qobject_cast<zelmora::qt::BoardFrame*>(board.view->window());
    QVERIFY(frame);
    auto* toolbar = frame->findChild<QToolBar*>(QStringLiteral("boardTools"));
    QWidget* const undo = toolbar->widgetForAction(frame->action(zelmora::BoardCommand::Undo));
    frame->setActions(zelmora::qt::boardActionsFor(board.app, *board.form));
    // Something to undo: x tile 21 out of the palette and onto the height factor.
    board.click("Command3");
    QTest::keyClick(window, Qt::Key_Left);
    QTest::keyClick(window, Qt::Key_PageDown);
    QTest::keyClick(window, Qt::Key_Return);
    QCOMPARE(board.tile(21).left, Single(900 - 1300));
    QVERIFY(undo->isEnabled());

    QTest::keyClick(window, Qt::Key_F6);
    QWidget* const first = QApplication::focusWidget();
    QVERIFY(first && toolbar->isAncestorOf(first));
    // The arrows walk along the buttons and come round; F6 and Escape go back to the board.
    QTest::keyClick(window, Qt::Key_Left);
    QVERIFY(QApplication::focusWidget() != first && toolbar->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(window, Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), first);
    QTest::keyClick(window, Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), board.view);
    QTest::keyClick(window, Qt::Key_F6, Qt::ControlModifier);
    QVERIFY(toolbar->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(window, Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), board.view);

    // Enter on the undo button undoes, and the keyboard stays in the toolbar.
    QTest::keyClick(window, Qt::Key_F6);
    for (int step = 0; step < 20 && QApplication::focusWidget() != undo; ++step)
        QTest::keyClick(window, Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), undo);
    QTest::keyClick(window, Qt::Key_Return);
    QCOMPARE(board.tile(21).left, Single(8520));
    QVERIFY(toolbar->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(board.errors.isEmpty());
}

QTEST_MAIN(KeyboardDrag)
#include "keyboard_drag_test.moc"
