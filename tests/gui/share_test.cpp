// SPDX-License-Identifier: GPL-3.0-or-later
// A board handed out as a link and taken back on the desktop: the bar's share button shows the
// board's link, its copy button puts it on the clipboard, and the link pasted as the open
// dialog's file name brings the goal back; a damaged link is refused with a message and changes
// nothing. Its QR code fills the screen and reads back, with a QR reader, as the link.

#include "board_window.hpp"
#include "desktop/board_connection.hpp"
#include "desktop/board_frame.hpp"
#include "desktop/qr_code_widget.hpp"
#include "desktop/qr_matrix.hpp"
#include "desktop/qr_view.hpp"
#include "desktop/share_dialog.hpp"
#include "program/links/share_link.hpp"
#include "program/tasks/tasks.hpp"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <random>

using zelmora::gui::BoardWindow;
using zelmora::qt::BoardCommand;
using zelmora::qt::BoardFrame;
using zelmora::qt::QrCorrection;
using zelmora::qt::QrView;
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

// What a real QR reader finds in the widget as it shows on the screen.
QString readByZbar(QWidget* widget)
{
    QTemporaryDir folder;
    QString const path = folder.filePath(QStringLiteral("code.png"));
    if (!widget->grab().save(path))
        return QStringLiteral("(not saved)");
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), { QStringLiteral("--raw"), QStringLiteral("-q"), path });
    if (!zbar.waitForFinished(30000))
        return QStringLiteral("(zbarimg did not finish)");
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

// Where the ink of each line of the text begins, from the left edge of the widget.
QList<int> lineStarts(QTextEdit* text)
{
    QImage const picture = text->viewport()->grab().toImage();
    int const line = text->fontMetrics().lineSpacing();
    QList<int> starts;
    for (int top = 0; top + line <= picture.height(); top += line) {
        int start = picture.width();
        for (int y = top; y < top + line; ++y)
            for (int x = 0; x < start; ++x)
                if (qGray(picture.pixel(x, y)) < 128)
                    start = x;
        if (start < picture.width())
            starts << start;
    }
    return starts;
}

// A link of that many characters as the program writes them: its site, then the fragment in
// base64url, here random so that no pattern makes it easier to encode than a real board.
std::string linkOfLength(std::size_t length)
{
    std::string link = std::string(zelmora::shareLinkSite) + "#zelmora=";
    std::string_view const alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::mt19937 random(1200);
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    while (link.size() < length)
        link += alphabet[letter(random)];
    return link;
}

} // namespace

class ShareOnTheDesktop : public QObject {
    Q_OBJECT
private slots:
    void boardGoesOutAsALinkAndComesBack();
    void linkGoesOnTheScreenAsAQrCode();
    void longLinksFallBackThenGiveAMessage();
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

void ShareOnTheDesktop::linkGoesOnTheScreenAsAQrCode()
{
    // Right to left, as the program runs.
    QApplication::setLayoutDirection(Qt::RightToLeft);
    auto const leftToRightAgain = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
    BoardWindow board(1.5);
    QVERIFY(board.ready);
    BoardFrame* frame = board.host.frameOf(*board.form);
    frame->setActions(zelmora::qt::boardActionsFor(board.app, *board.form));
    // A prompt long enough for the link to take more than one line under the code.
    QVERIFY(board.host
                .setGoal(*board.form, zelmora::GoalKind::Multiply, "(x+1)(x+2)",
                    "ابنِ مستطيلًا طوله س + 2 وعرضه س + 1 من القطع، ثم اكتب مساحته في صورة كثيرة حدود.")
                .set);
    clickThroughWindow(frame->findChild<QToolBar*>()->widgetForAction(frame->action(BoardCommand::Share)));
    QPointer<ShareDialog> dialog = frame->findChild<ShareDialog*>();
    QVERIFY(dialog && QTest::qWaitForWindowActive(dialog));
    QString const link = dialog->linkField()->text();
    QCOMPARE(dialog->qrButton()->text(), QStringLiteral("رمز QR"));
    QVERIFY(!dialog->qrView()->isVisible());

    // Opened by its button: the whole screen, the code in whole pixels per module, read back as
    // the link, which is written under it left to right and can be selected.
    auto const open = [&] {
        clickThroughWindow(dialog->qrButton());
        QTRY_VERIFY(dialog->qrView()->isVisible() && dialog->isFullScreen());
        QTRY_COMPARE(dialog->size(), dialog->screen()->size());
    };
    open();
    QVERIFY(dialog->qrView()->code());
    QVERIFY2(dialog->qrView()->code()->modulePixels() >= 4, "large enough to be read from afar");
    QCOMPARE(readByZbar(dialog), link);
    QTextEdit const* written = dialog->qrView()->linkText();
    QCOMPARE(written->toPlainText(), link);
    QCOMPARE(written->layoutDirection(), Qt::LeftToRight);
    QVERIFY(written->textInteractionFlags() & Qt::TextSelectableByMouse);
    QVERIFY2(written->height() < dialog->height() / 4, "the code, not its text, takes the screen");
    // Wrapped, each line of the link starts on the left, the last one too.
    QList<int> const starts = lineStarts(dialog->qrView()->linkText());
    QVERIFY2(starts.size() >= 2, "the link wraps");
    for (int start : starts)
        QVERIFY2(start < 12, qPrintable(QStringLiteral("a line starts at %1").arg(start)));

    // Escape, a second press of the button and Close each bring the dialog back, still open.
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(dialog && !dialog->qrView()->isVisible() && !dialog->isFullScreen());
    QVERIFY(dialog && dialog->isVisible() && dialog->linkField()->isVisible());
    open();
    clickThroughWindow(dialog->qrButton());
    QTRY_VERIFY(dialog && !dialog->qrView()->isVisible() && !dialog->isFullScreen());
    open();
    clickThroughWindow(dialog->closeButton());
    QTRY_VERIFY(dialog && !dialog->qrView()->isVisible() && !dialog->isFullScreen());
    QVERIFY(dialog && dialog->isVisible());
    clickThroughWindow(dialog->closeButton());
    QTRY_VERIFY(!dialog);
}

void ShareOnTheDesktop::longLinksFallBackThenGiveAMessage()
{
    // The longest link a board makes still goes into a code with medium correction, and reads back.
    std::string const longest = linkOfLength(1200);
    auto const medium = zelmora::qt::qrMatrixOf(longest);
    QVERIFY(medium && medium->correction == QrCorrection::Medium);
    QrView view(QString::fromStdString(longest), nullptr);
    view.resize(800, 800);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(view.code() && view.code()->modulePixels() >= 3);
    QCOMPARE(readByZbar(&view), QString::fromStdString(longest));
    // Past what medium holds, low correction; past that, the program's words instead of a code,
    // and the link still there to copy.
    auto const low = zelmora::qt::qrMatrixOf(linkOfLength(2600));
    QVERIFY(low && low->correction == QrCorrection::Low);
    QVERIFY(!zelmora::qt::qrMatrixOf(linkOfLength(3000)));
    QString const tooLong = QString::fromStdString(linkOfLength(3000));
    QrView refused(tooLong, nullptr);
    QVERIFY(!refused.code() && refused.tooLong());
    QCOMPARE(refused.tooLong()->text(), QString::fromUtf8(zelmora::shareLinkTexts.qrTooLong));
    QCOMPARE(refused.linkText()->toPlainText(), tooLong);
}

QTEST_MAIN(ShareOnTheDesktop)
#include "share_test.moc"
