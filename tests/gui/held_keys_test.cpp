// SPDX-License-Identifier: GPL-3.0-or-later
// Keys held down on a real X server (run by under_xvfb.sh, keys pressed and held through XTest).
// The server repeats a held key as a release and a press with one time stamp, which Qt marks as
// a repeat only now and then: every key still acts once per press, except those that repeat.

#include "board_window.hpp"
#include "desktop/board_frame.hpp"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <map>

using zelmora::Single;
using zelmora::gui::BoardWindow;
using zelmora::qt::BoardCommand;
using zelmora::qt::BoardFrame;

namespace {

// The key presses the board's window has been sent, counted per key and modifiers before anything
// in the program sees them: a held key is pressed again for each of its repeats. Every press is
// offered as a shortcut first, whether a shortcut takes it or the board does. The releases of Shift
// are counted on their own.
class KeyCounter : public QObject {
public:
    KeyCounter() { QCoreApplication::instance()->installEventFilter(this); }
    int operator[](QKeyCombination keys) const
    {
        auto const found = m_presses.find(keys.toCombined());
        return found == m_presses.end() ? 0 : found->second;
    }
    int shifts() const { return m_shifts; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWindowType())
            return false;
        auto const& key = static_cast<QKeyEvent&>(*event);
        if (event->type() == QEvent::ShortcutOverride)
            ++m_presses[key.keyCombination().toCombined()];
        else if (event->type() == QEvent::KeyRelease && key.key() == Qt::Key_Shift)
            ++m_shifts;
        return false;
    }

private:
    std::map<int, int> m_presses;
    int m_shifts = 0;
};

} // namespace

class HeldKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void heldKeysActOncePerPress();

private:
    // Holds `keys` (xdotool's names) down for `seconds`, then taps Shift; returns once the Shift
    // has arrived, so every event of the held key has been handled by then.
    bool hold(QString const& keys, double seconds);
    bool tap(QString const& keys) { return hold(keys, 0.03); }

    KeyCounter* m_presses = nullptr;
};

void HeldKeys::initTestCase()
{
    if (QGuiApplication::platformName() != "xcb")
        QSKIP("needs a real X server: run through under_xvfb.sh");
    if (QStandardPaths::findExecutable("xdotool").isEmpty())
        QSKIP("xdotool is not installed (scripts/setup.sh installs it)");
}

bool HeldKeys::hold(QString const& keys, double seconds)
{
    int const shifts = m_presses->shifts();
    QProcess xdotool;
    xdotool.start("xdotool", { "keydown", keys, "sleep", QString::number(seconds), "keyup", keys, "key", "shift" });
    // The event loop runs all the while, as the program's does while a learner holds a key.
    if (!QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 30000))
        return false;
    if (xdotool.exitStatus() != QProcess::NormalExit || xdotool.exitCode() != 0)
        return false;
    return QTest::qWaitFor([&] { return m_presses->shifts() > shifts; }, 30000);
}

void HeldKeys::heldKeysActOncePerPress()
{
    BoardWindow board(1.0);
    QWidget* const window = board.view->window();
    window->activateWindow();
    QTRY_VERIFY(board.view->isActiveWindow());
    KeyCounter presses;
    m_presses = &presses;
    BoardFrame* const frame = board.host.frameOf(*board.form);
    QVERIFY(frame);
    auto focusOn = [&](zelmora::Control& control) { board.host.deliver([&] { board.form->setFocus(control); }); };

    // Space and Enter on the palette's "1" bring out one unit square each. The server repeats
    // the held key well over twenty times in a second (under_xvfb.sh sets 250 ms, then 30 ms).
    focusOn(board.form->control("Command7"));
    QVERIFY(hold("space", 1.0));
    QVERIFY2(presses[Qt::Key_Space] >= 3, "the X server did not repeat the held key");
    QVERIFY(board.tile(111).visible);
    QVERIFY(!board.tile(112).visible);
    QVERIFY(hold("Return", 1.0));
    QVERIFY(presses[Qt::Key_Return] >= 3);
    QVERIFY(board.tile(112).visible);
    QVERIFY(!board.tile(113).visible);

    // A held arrow moves the dragged tile's outline one step; Escape lets go of it.
    zelmora::Control& square = board.tile(111);
    focusOn(square);
    Single const centreX = square.left + square.width / 2;
    QVERIFY(hold("Left", 1.0));
    QVERIFY(presses[Qt::Key_Left] >= 3);
    QVERIFY(board.app.keyboardDragInProgress());
    QCOMPARE(board.app.drag()->pointerX, centreX - board.form->keyboardStep(false));
    QVERIFY(tap("Escape"));
    QVERIFY(!board.app.keyboardDragInProgress());

    // A held Delete throws the focused tile into the bin, and no other after it.
    QVERIFY(hold("Delete", 1.0));
    QVERIFY(presses[Qt::Key_Delete] >= 3);
    QVERIFY(!board.tile(111).visible);
    QVERIFY(board.tile(112).visible);

    // A held R turns the x tile a quarter, once.
    board.click("Command3"); // x tile 21, 1300 x 500
    focusOn(board.tile(21));
    QVERIFY(hold("r", 1.0));
    QVERIFY(presses[Qt::Key_R] >= 3);
    QCOMPARE(board.tile(21).width, Single(500));
    QVERIFY(!board.app.keyboardDragInProgress());

    // F2 and F10 held show the band and hide the toolbar once.
    QSignalSpy algebra(frame->action(BoardCommand::Algebra), &QAction::triggered);
    QVERIFY(hold("F2", 1.0));
    QVERIFY(presses[Qt::Key_F2] >= 3);
    QCOMPARE(algebra.count(), 1);
    QVERIFY(frame->algebraShown());
    QSignalSpy toolbar(frame->action(BoardCommand::ShowToolbar), &QAction::triggered);
    QVERIFY(hold("F10", 1.0));
    QVERIFY(presses[Qt::Key_F10] >= 3);
    QCOMPARE(toolbar.count(), 1);
    QVERIFY(!frame->toolbarShown());

    // Undo repeats while held, once for every press the server sends; a tap undoes once.
    int undos = 0;
    frame->setActions({ .undo = [&] { ++undos; },
        .redo = {},
        .canUndo = [] { return true; },
        .canRedo = {},
        .open = {},
        .save = {},
        .algebraText = {},
        .hasTask = {} });
    // xdotool lets go of Ctrl first: a repeat the server sends before Z is up is a plain Z.
    QKeyCombination const ctrlZ = Qt::CTRL | Qt::Key_Z;
    int const tapped = presses[ctrlZ];
    QVERIFY(tap("ctrl+z"));
    if (presses[ctrlZ] == tapped + 1) // else the loaded machine held it past the delay
        QCOMPARE(undos, 1);
    undos = 0;
    int const held = presses[ctrlZ];
    QVERIFY(hold("ctrl+z", 1.0));
    QVERIFY(presses[ctrlZ] - held >= 3);
    QCOMPARE(undos, presses[ctrlZ] - held);

    // F11 held fills the screen once.
    QSignalSpy fullScreen(frame->action(BoardCommand::FullScreen), &QAction::triggered);
    QVERIFY(hold("F11", 1.0));
    QVERIFY(presses[Qt::Key_F11] >= 3);
    QCOMPARE(fullScreen.count(), 1);
    QTRY_VERIFY(frame->isFullScreen());
    QVERIFY(board.errors.isEmpty());
}

QTEST_MAIN(HeldKeys)
#include "held_keys_test.moc"
