// SPDX-License-Identifier: GPL-3.0-or-later
// A board handed out as a link and taken back on the desktop: the bar's share button shows the
// board's link, its copy button puts it on the clipboard, and the link pasted as the open
// dialog's file name brings the goal back; a damaged link is refused with a message and changes
// nothing.

#include "board_window.hpp"
#include "desktop/board_connection.hpp"
#include "desktop/board_frame.hpp"
#include "desktop/share_dialog.hpp"
#include "program/links/share_link.hpp"
#include "program/tasks/tasks.hpp"

#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using zelmora::gui::BoardWindow;
using zelmora::qt::BoardCommand;
using zelmora::qt::BoardFrame;
using zelmora::qt::ShareDialog;

namespace {

void clickThroughWindow(QWidget* widget)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, widget->rect().center()));
}

// The text of each message box the call raises, each closed as the teacher would.
QStringList messagesWhile(std::function<void()> const& call)
{
    QStringList shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->accept();
        }
    });
    watch.start(20);
    call();
    return shown;
}

} // namespace

class ShareOnTheDesktop : public QObject {
    Q_OBJECT
private slots:
    void boardGoesOutAsALinkAndComesBack();
};

void ShareOnTheDesktop::boardGoesOutAsALinkAndComesBack()
{
    BoardWindow board(1.5);
    QVERIFY(board.ready);
    BoardFrame* frame = board.host.frameOf(*board.form);
    frame->setActions(zelmora::qt::boardActionsFor(board.app, *board.form));
    QVERIFY(board.host.setGoal(*board.form, zelmora::GoalKind::Multiply, "(x+1)(x+2)", "كم المساحة؟").set);
    auto const goal = zelmora::goalOf(*board.form);
    QVERIFY(goal);

    clickThroughWindow(frame->findChild<QToolBar*>()->widgetForAction(frame->action(BoardCommand::Share)));
    QPointer<ShareDialog> dialog = frame->findChild<ShareDialog*>();
    QVERIFY(dialog && QTest::qWaitForWindowActive(dialog));
    QString const link = dialog->linkField()->text();
    QVERIFY2(link.startsWith(QString::fromUtf8(zelmora::shareLinkSite)) && link.contains(QStringLiteral("#zelmora=")),
        qPrintable(link));
    QVERIFY(dialog->linkField()->isReadOnly());
    QGuiApplication::clipboard()->clear();
    clickThroughWindow(dialog->copyButton());
    QCOMPARE(QGuiApplication::clipboard()->text(), link);
    QCOMPARE(dialog->copyButton()->text(), QStringLiteral("نُسخ الرابط"));
    clickThroughWindow(dialog->closeButton());
    QTRY_VERIFY(!dialog);

    // Board 1 cleared of its task, then the link pasted where the open dialog takes a file name.
    board.host.removeGoal(*board.form);
    QVERIFY(!zelmora::goalOf(*board.form));
    QCOMPARE(messagesWhile([&] { frame->openChosen(QGuiApplication::clipboard()->text()); }), QStringList());
    QVERIFY(zelmora::goalOf(*board.form) == goal);
    QCOMPARE(zelmora::promptOf(*board.form), std::string("كم المساحة؟"));
    QVERIFY(frame->algebraText().contains(QStringLiteral("كم المساحة؟")));

    // One letter of the link changed: refused in Arabic, and the board stays as it was.
    QString damaged = link;
    damaged.back() = damaged.back() == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    board.host.removeGoal(*board.form);
    std::string const before = zelmora::qt::QtHost::shareLink(*board.form);
    QStringList const refused = messagesWhile([&] { frame->openChosen(damaged); });
    QCOMPARE(refused.size(), 1);
    QVERIFY2(refused.front().contains(QStringLiteral("الرابط")), qPrintable(refused.front()));
    QCOMPARE(zelmora::qt::QtHost::shareLink(*board.form), before);
    QVERIFY(!zelmora::goalOf(*board.form));
}

QTEST_MAIN(ShareOnTheDesktop)
#include "share_test.moc"
