// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's task on Board 1, given and answered with real events through the windows: the goal
// dialog opened from the toolbar refuses what it cannot set and sets what it can, the band shows
// every line of the task, the last tile dragged in reaches the goal with one gentle sound and an
// announcement, and the task is saved and opened with the board.

#include "board_window.hpp"
#include "desktop/board_connection.hpp"
#include "desktop/board_frame.hpp"
#include "desktop/goal_dialog.hpp"
#include "program/tasks/tasks.hpp"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <filesystem>

using zelmora::Single;
using zelmora::gui::BoardWindow;
using zelmora::qt::BoardCommand;
using zelmora::qt::BoardFrame;
using zelmora::qt::GoalDialog;

namespace {

// What a screen reader finds on the board's status object: the last announcement.
QString statusOf(QWidget* view)
{
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(view);
    QAccessibleInterface* status = board ? board->child(board->childCount() - 1) : nullptr;
    return status && status->role() == QAccessible::StatusBar ? status->text(QAccessible::Name) : QString();
}

void clickThroughWindow(QWidget* widget)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, widget->rect().center()));
}

// Each character as a key with its text, as a keyboard of either language sends it.
void typeThroughWindow(QWidget* window, QString const& text)
{
    for (QChar const c : text)
        QTest::sendKeyEvent(
            QTest::Click, window->windowHandle(), Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

GoalDialog* openGoalDialog(BoardFrame* frame)
{
    clickThroughWindow(frame->findChild<QToolBar*>()->widgetForAction(frame->action(BoardCommand::Goal)));
    auto* dialog = frame->findChild<GoalDialog*>();
    return dialog && QTest::qWaitForWindowActive(dialog) ? dialog : nullptr;
}

// Every line of the band laid out whole inside it.
bool bandHoldsItsText(QLabel const* band)
{
    QRect const room = band->contentsRect().adjusted(band->margin(), band->margin(), -band->margin(), -band->margin());
    return room.contains(
        QFontMetrics(band->font()).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, band->text()));
}

} // namespace

class TaskOnTheDesktop : public QObject {
    Q_OBJECT
private slots:
    void teacherSetsAGoalAndTheLearnerReachesIt();
};

void TaskOnTheDesktop::teacherSetsAGoalAndTheLearnerReachesIt()
{
    // At 1.5 a pixel is 10 twips: every point below is a whole pixel.
    BoardWindow board(1.5);
    QVERIFY(board.ready);
    BoardFrame* frame = board.host.frameOf(*board.form);
    zelmora::qt::BoardActions const actions = zelmora::qt::boardActionsFor(board.app, *board.form);
    frame->setActions(actions);
    auto* band = frame->findChild<QLabel*>(QStringLiteral("algebraBand"));
    QVERIFY(!frame->algebraShown());
    QSize const boardSize = board.view->size();

    QPointer<GoalDialog> dialog = openGoalDialog(frame);
    QVERIFY(dialog);
    QCOMPARE(dialog->kinds()->count(), 2); // multiply and factor on Board 1
    QCOMPARE(dialog->expression()->placeholderText(), QStringLiteral("(x+2)(x+3)"));
    QVERIFY(dialog->removeButton()->isHidden());
    QVERIFY(!dialog->setButton()->isEnabled());

    // A factor left open: the reason is shown, and neither the button nor Enter sets anything.
    typeThroughWindow(dialog, QStringLiteral("(x+1)(x+1"));
    QVERIFY(dialog->showsProblem());
    QVERIFY(!dialog->preview()->text().isEmpty());
    QVERIFY(!dialog->setButton()->isEnabled());
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(!zelmora::goalOf(*board.form));

    typeThroughWindow(dialog, QStringLiteral(")"));
    QVERIFY(!dialog->showsProblem());
    QVERIFY2(dialog->preview()->text().contains(QStringLiteral("اضرب (س + 1)(س + 1)")),
        qPrintable(dialog->preview()->text()));
    QVERIFY(dialog->setButton()->isEnabled());
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog->prompt());
    typeThroughWindow(dialog, QStringLiteral("كم مساحة المربع؟"));
    clickThroughWindow(dialog->setButton());
    QTRY_VERIFY(!dialog);

    auto const goal = zelmora::goalOf(*board.form);
    QVERIFY(goal && goal->kind == zelmora::GoalKind::Multiply);
    // The band comes up by itself with the question, the goal, the algebra and the hint, each whole.
    QVERIFY(frame->algebraShown());
    QStringList const lines = frame->algebraText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 5); // the algebra takes two
    QCOMPARE(lines[0], QStringLiteral("كم مساحة المربع؟"));
    QCOMPARE(lines[1], QStringLiteral("الهدف: اضرب (س + 1)(س + 1)"));
    QVERIFY(bandHoldsItsText(band));
    QVERIFY2(statusOf(board.view).contains(lines[1]), qPrintable(statusOf(board.view)));
    QCOMPARE(board.view->size(), boardSize);

    // The learner's square of side x + 1, all but its last unit laid out as scripted input.
    auto const drag = [&](int tile, Single grabX, Single grabY, Single x, Single y) {
        board.host.deliver([&] {
            board.app.mouseDownOn(*board.form, board.tile(tile), grabX, grabY, zelmora::MouseButton::Left);
            board.app.mouseMove(*board.form, x, y);
            board.app.mouseUp(board.form, x, y);
        });
    };
    board.click("Command3");
    drag(21, 0, 0, 900, 7260);
    board.click("Command7");
    drag(111, 0, 0, 2200, 7260);
    board.click("Command7");
    drag(112, 0, 0, 400, 6760);
    board.click("Command3");
    drag(22, 0, 0, 6000, 2000);
    drag(22, 10, 10, 11000, 500);
    drag(22, 0, 0, 400, 5460);
    board.click("Command2");
    drag(0, 0, 0, 900, 5460);
    board.click("Command3");
    drag(23, 0, 0, 900, 6760);
    board.click("Command3");
    drag(24, 0, 0, 6000, 2000);
    drag(24, 10, 10, 11000, 500);
    drag(24, 0, 0, 2200, 5460);
    QCOMPARE(zelmora::checkOf(*board.form)->done, false);
    QCOMPARE(board.host.sound().goalSounds(), 0);

    // The last unit, from the palette into the corner, by the mouse.
    QWindow* window = board.window();
    board.click("Command7");
    zelmora::Control const& unit = board.tile(110);
    QVERIFY(unit.visible);
    // Taken where a pixel falls inside it, and let go as far from the corner's place.
    QPointF const taken = board.twipsAt(board.pixel(unit.left + 100, unit.top + 100));
    QPoint const corner = board.windowPixel(2200 + taken.x() - unit.left, 6760 + taken.y() - unit.top);
    QTest::mousePress(window, Qt::LeftButton, {}, board.windowPixel(taken.x(), taken.y()));
    QTest::mouseMove(window, board.windowPixel(5000, 4000));
    QTest::mouseMove(window, corner);
    QTest::mouseRelease(window, Qt::LeftButton, {}, corner);
    QVERIFY(zelmora::checkOf(*board.form)->done);
    QCOMPARE(frame->algebraText().split(QLatin1Char('\n')).back(), QStringLiteral("✓ أحسنت"));
    QVERIFY(bandHoldsItsText(band));
    QCOMPARE(board.host.sound().goalSounds(), 1);
    QVERIFY2(statusOf(board.view).contains(QStringLiteral("✓ أحسنت")), qPrintable(statusOf(board.view)));
    // Taken back and done again, the goal is reached again, but no longer for the first time.
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(zelmora::checkOf(*board.form)->done);
    QCOMPARE(board.host.sound().goalSounds(), 1);

    // Saved from the bar's action with its task; the goal removed in the dialog, which opens
    // filled with it; the file opened again brings the goal and the question back.
    QTemporaryDir folder;
    auto const file = std::filesystem::path(folder.filePath("task.zelmora").toStdString());
    QCOMPARE(actions.save(file), std::string());
    dialog = openGoalDialog(frame);
    QVERIFY(dialog);
    QCOMPARE(dialog->kinds()->currentIndex(), 0);
    QCOMPARE(dialog->expression()->text(), QStringLiteral("(س + 1)(س + 1)"));
    QCOMPARE(dialog->prompt()->text(), QStringLiteral("كم مساحة المربع؟"));
    QVERIFY(dialog->setButton()->isEnabled());
    QVERIFY(!dialog->removeButton()->isHidden());
    clickThroughWindow(dialog->removeButton());
    QTRY_VERIFY(!dialog);
    QVERIFY(!zelmora::goalOf(*board.form));
    QCOMPARE(frame->algebraText().split(QLatin1Char('\n')).size(), 2);
    std::string refusal = "not opened";
    board.host.deliver([&] { refusal = actions.open(file); });
    QCOMPARE(refusal, std::string());
    QVERIFY(zelmora::goalOf(*board.form) == goal);
    QCOMPARE(zelmora::promptOf(*board.form), std::string("كم مساحة المربع؟"));
    QCOMPARE(frame->algebraText().split(QLatin1Char('\n')).size(), 5);
    QCOMPARE(board.host.sound().goalSounds(), 1);
    QVERIFY(board.errors.isEmpty());
}

QTEST_MAIN(TaskOnTheDesktop)
#include "task_test.moc"
