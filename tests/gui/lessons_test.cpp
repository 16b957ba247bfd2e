// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in lessons on the desktop, with real events through the windows: the list opens from
// a board's toolbar, Enter opens the chosen lesson on its board with its goal, and a lesson solved
// there is marked in the list and kept in the user's data folder; a kept list that cannot be read
// is dropped without harm.

#include "board_window.hpp"
#include "desktop/board_connection.hpp"
#include "desktop/board_frame.hpp"
#include "desktop/lesson_library.hpp"
#include "desktop/lesson_list.hpp"
#include "program/tasks/tasks.hpp"

#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <fstream>

using zelmora::Single;
using zelmora::gui::BoardWindow;
using zelmora::qt::BoardCommand;
using zelmora::qt::BoardFrame;
using zelmora::qt::LessonLibrary;
using zelmora::qt::LessonList;

namespace {

LessonList* openLessonList(BoardFrame* frame)
{
    QWidget* button = frame->findChild<QToolBar*>()->widgetForAction(frame->action(BoardCommand::Lessons));
    QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, button->mapTo(frame, button->rect().center()));
    auto* list = frame->findChild<LessonList*>();
    return list && QTest::qWaitForWindowActive(list) ? list : nullptr;
}

} // namespace

class LessonsOnTheDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void aLessonOpensFromTheToolbarAndIsKeptSolved();
    void aKeptListThatCannotBeReadIsDropped();
};

void LessonsOnTheDesktop::aLessonOpensFromTheToolbarAndIsKeptSolved()
{
    QFile::remove(QString::fromStdString(LessonLibrary::defaultSolvedFile().string()));
    BoardWindow board(1.5);
    QVERIFY(board.ready);
    BoardFrame* frame = board.host.frameOf(*board.form);
    frame->setActions(zelmora::qt::boardActionsFor(board.app, *board.form));

    QPointer<LessonList> list = openLessonList(frame);
    QVERIFY(list);
    // This board's lessons come first, the first of them chosen: Enter opens it.
    QTreeWidgetItem* first = list->tree()->currentItem();
    QVERIFY(first && first->parent() == list->tree()->topLevelItem(0));
    QVERIFY(first->text(1).isEmpty());
    QTest::keyClick(list->windowHandle(), Qt::Key_Return);
    QTRY_VERIFY(!list);
    auto const goal = zelmora::goalOf(*board.form);
    QVERIFY(goal && goal->kind == zelmora::GoalKind::Multiply);
    QVERIFY(frame->algebraText().contains(QStringLiteral("الهدف")));

    // The learner answers it: x along the axis, x + 1 along the strip, the rectangle filled.
    auto const drag = [&](int tile, Single grab, Single x, Single y) {
        board.host.deliver([&] {
            board.app.mouseDownOn(*board.form, board.tile(tile), grab, grab, zelmora::MouseButton::Left);
            board.app.mouseMove(*board.form, x, y);
            board.app.mouseUp(board.form, x, y);
        });
    };
    board.click("Command3");
    drag(21, 10, 11000, 500);
    drag(21, 0, 400, 5960);
    board.click("Command3");
    drag(22, 0, 900, 7260);
    board.click("Command7");
    drag(111, 0, 2200, 7260);
    board.click("Command2");
    drag(0, 0, 900, 5960);
    board.click("Command3");
    drag(23, 10, 11000, 500);
    drag(23, 0, 2200, 5960);
    QVERIFY2(zelmora::checkOf(*board.form)->done, qPrintable(frame->algebraText()));

    list = openLessonList(frame);
    QVERIFY(list);
    QCOMPARE(list->tree()->currentItem()->text(1), QStringLiteral("محلول"));
    list->reject();
    // Kept for the next start of the program.
    LessonLibrary const next;
    QVERIFY(next.solved("b1-01"));
}

void LessonsOnTheDesktop::aKeptListThatCannotBeReadIsDropped()
{
    QTemporaryDir folder;
    auto const kept = std::filesystem::path(folder.path().toStdString()) / "solved-lessons.json";
    std::ofstream(kept) << "[\"b1-01\", {\"broken\"";
    LessonLibrary const library(kept);
    QVERIFY(!library.solved("b1-01"));
    QVERIFY(library.lessons().read());
    QVERIFY(!library.fileOf("b1-01").empty());
    QVERIFY(library.fileOf("../b1-01").empty());
}

QTEST_MAIN(LessonsOnTheDesktop)
#include "lessons_test.moc"
