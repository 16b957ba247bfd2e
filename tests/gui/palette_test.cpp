// SPDX-License-Identifier: GPL-3.0-or-later
// Real clicks and keys on Board 1's view reach the palette at any zoom, as the scripts press it.

#include "board_window.hpp"
#include "desktop/board_frame.hpp"
#include "runtime/runtime_error.hpp"

#include <QtTest>

using zelmora::Single;
using zelmora::gui::BoardWindow;
using zelmora::gui::ScriptedBoard;

class PaletteClicks : public QObject {
    Q_OBJECT
private slots:
    void clicksRevealTheTilesOfTheScript_data();
    void clicksRevealTheTilesOfTheScript();
    void tabAndSpaceWorkTheFocusedButton();
    void quickSecondPressIsAPress();
    void markedRepeatsClickOnce();
    void closeBoxUnloadsTheBoard();
    void windowShowsTheLayoutsTitleIconAndSize();
    void runtimeErrorEndsTheProgramWithItsMessage();
};

void PaletteClicks::clicksRevealTheTilesOfTheScript_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QSize>("size");
    QTest::newRow("zoom 1") << 1.0 << QSize();
    QTest::newRow("zoom 1.5") << 1.5 << QSize();
    // Wider than the board's shape: the board is letterboxed and the pointer must still land.
    QTest::newRow("letterboxed") << 0.0 << QSize(1000, 600);
}

// Every palette button once, then "1" twice more: one tile of each kind, then 112 and 110.
void PaletteClicks::clicksRevealTheTilesOfTheScript()
{
    QFETCH(double, zoom);
    QFETCH(QSize, size);
    BoardWindow board(zoom, size);
    QVERIFY(board.ready);
    if (size.isEmpty())
        QCOMPARE(board.view->scale().zoom, zoom);
    else
        QVERIFY(board.view->scale().offset.x() > 50);

    std::string actions;
    for (auto const* name : { "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8",
             "Command7", "Command7" }) {
        board.click(name);
        actions += std::string("click frmZelmora1 ") + name + "\n";
    }
    ScriptedBoard scripted(actions);
    QCOMPARE(scripted.status, zelmora::ScriptRunner::Ran);

    for (int i = 0; i <= 141; ++i) {
        QVERIFY2(board.tile(i).visible == scripted.tile(i).visible, qPrintable(QString("tile %1").arg(i)));
        QCOMPARE(board.tile(i).left, scripted.tile(i).left);
        QCOMPARE(board.tile(i).top, scripted.tile(i).top);
    }
    for (int shown : { 0, 21, 41, 51, 91, 111, 71, 112, 110 })
        QVERIFY2(board.tile(shown).visible, qPrintable(QString("tile %1").arg(shown)));
    QVERIFY(!board.tile(113).visible);
    QVERIFY(board.errors.isEmpty());
}

// Tab must reach the window's own tab order rather than Qt's focus chain.
void PaletteClicks::tabAndSpaceWorkTheFocusedButton()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    QCOMPARE(board.form->focus(), &board.form->control("Command2"));
    QTest::keyClick(board.view, Qt::Key_Tab);
    QCOMPARE(board.form->focus(), &board.form->control("Command3"));
    QTest::keyClick(board.view, Qt::Key_Space);
    QVERIFY(board.tile(21).visible);
    QTest::keyClick(board.view, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(board.form->focus(), &board.form->control("Command2"));
    QTest::keyClick(board.view, Qt::Key_Return);
    QVERIFY(board.tile(0).visible);
    QVERIFY(board.view->isVisible());
}

// On a real display Qt hands the widget a double click in place of the second press. Input goes
// through the QWindow, so that Qt's own double-click synthesis runs: the quick second press must
// still be a press.
void PaletteClicks::quickSecondPressIsAPress()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    QWindow* window = board.window();
    zelmora::Control const& one = board.form->control("Command7");
    QTest::mouseDClick(window, Qt::LeftButton, {}, board.windowPixel(one.left + 400, one.top + 250));
    QVERIFY(board.tile(111).visible);
    QVERIFY(board.tile(112).visible);
    QVERIFY(!board.tile(110).visible);
    QVERIFY(!board.app.buttonHeld());

    // Unit square 112 at (7800, 1260), over 111: clicked, then pressed again at once and dragged away.
    QPoint const onTile = board.windowPixel(7800 + 90, 1260 + 90);
    QTest::mouseClick(window, Qt::LeftButton, {}, onTile);
    QCOMPARE(board.tile(112).left, Single(7800));
    QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval; // QTest spaces clicks apart; not this one
    QTest::mousePress(window, Qt::LeftButton, {}, onTile);
    QTest::mouseMove(window, board.windowPixel(4005, 4005));
    QTest::mouseRelease(window, Qt::LeftButton, {}, board.windowPixel(4005, 4005));
    QCOMPARE(board.tile(112).left, Single(3915));
    QCOMPARE(board.tile(112).top, Single(3915));
    QVERIFY(!board.app.buttonHeld());
}

// Where the platform marks the repeats of a held key (Wayland, Windows, macOS), they come as
// presses so marked with no release between: the button the key works is clicked once, F2 shows
// the band once, and the focus walk repeats. How an X server repeats a key is tested on a real one (held_keys_test).
void PaletteClicks::markedRepeatsClickOnce()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    QWindow* window = board.window();
    auto hold = [&](Qt::Key key, QString const& text, int repeats) {
        QTest::simulateEvent(window, true, key, {}, text, false);
        for (int i = 0; i < repeats; ++i)
            QTest::simulateEvent(window, true, key, {}, text, true);
        QTest::simulateEvent(window, false, key, {}, text, false);
    };
    hold(Qt::Key_Space, " ", 5); // Command2, the x squared tile
    QVERIFY(board.tile(0).visible);
    QVERIFY(!board.tile(1).visible);
    hold(Qt::Key_Tab, "\t", 2);
    QCOMPARE(board.form->focus(), &board.form->control("Command5"));
    hold(Qt::Key_Return, "\r", 3);
    QVERIFY(board.tile(51).visible);
    QVERIFY(!board.tile(52).visible);
    // The board's commands that show and hide things run once as well.
    hold(Qt::Key_F2, {}, 3);
    QVERIFY(board.host.frameOf(*board.form)->algebraShown());
}

// The close box unloads the window; the view goes with it and the program, left with no
// window, ends.
void PaletteClicks::closeBoxUnloadsTheBoard()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    QPointer<QWidget> view = board.view;
    QVERIFY(!view->close());
    QVERIFY(board.app.window("frmZelmora1") == nullptr);
    QTRY_VERIFY(view.isNull());
    QTRY_COMPARE(board.endStatus, 0);
    QVERIFY(!board.app.running());
}

void PaletteClicks::windowShowsTheLayoutsTitleIconAndSize()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    QCOMPARE(board.view->window()->windowTitle(), QString("Zelmora (1)"));
    QCOMPARE(board.view->window()->windowIcon().availableSizes(), (QList<QSize> { { 16, 16 }, { 32, 32 } }));
    QVERIFY(!(board.view->window()->windowFlags() & Qt::FramelessWindowHint));
    QCOMPARE(board.view->size(), QSize(792, 566));
}

// An error out of the program is shown and ends it; no input reaches the program after it.
void PaletteClicks::runtimeErrorEndsTheProgramWithItsMessage()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    board.host.deliver([] { throw zelmora::RuntimeError("Overflow"); });
    QCOMPARE(board.errors, QStringList { "Overflow" });
    QCOMPARE(board.endStatus, 1);
    board.click("Command7");
    QVERIFY(!board.tile(111).visible);
}

QTEST_MAIN(PaletteClicks)
#include "palette_test.moc"
