// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's real window: real mouse clicks on its buttons open the boards' windows, the guide
// opens in its own right-to-left window, the beep reaches the system sound, and Exit closes it all.

#include "desktop/command_line.hpp"
#include "desktop/font_setup.hpp"
#include "desktop/form_view.hpp"
#include "desktop/guide_window.hpp"
#include "desktop/link_text.hpp"
#include "desktop/qt_host.hpp"
#include "program/board_file/refusal_messages.hpp"
#include "program/session.hpp"
#include "program/windows.hpp"
#include "runtime/application.hpp"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

#include <QTemporaryFile>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

using namespace zelmora;

// The program as main() starts it, with the end and any failure recorded instead of acted on.
struct Program {
    qt::QtHost host;
    Application app { host, &createWindow };
    QStringList errors;
    int endStatus = -1;

    Program()
    {
        host.setErrorHandler([this](QString const& message) { errors << message; });
        host.setEndHandler([this](int status) { endStatus = status; });
        host.attach(app);
        host.deliver([this] { app.show(startWindowName()); });
    }

    Form& menu() { return *app.window("frmZelmora"); }
    qt::FormView* view(std::string_view window)
    {
        Form* form = app.window(window);
        return form ? host.viewOf(*form) : nullptr;
    }
    QPoint centreOf(std::string_view window, std::string_view control)
    {
        qt::FormView* v = view(window);
        Control const& c = *app.window(window)->findControl(control);
        auto const s = v->scale();
        return { static_cast<int>(std::lround(s.x(c.left + c.width / 2))),
            static_cast<int>(std::lround(s.y(c.top + c.height / 2))) };
    }
    void click(std::string_view window, std::string_view control)
    {
        QTest::mouseClick(view(window), Qt::LeftButton, {}, centreOf(window, control));
    }
};

// Runs the action with standard error going to a file, and returns what was written there.
template<typename Action> QString standardErrorOf(Action&& action)
{
    QTemporaryFile file;
    if (!file.open())
        return "cannot capture standard error";
    std::fflush(stderr);
    int const saved = ::dup(2);
    ::dup2(file.handle(), 2);
    action();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    file.seek(0);
    return QString::fromUtf8(file.readAll());
}

} // namespace

class MenuWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qt::installFontSubstitutions(); }
    void startsFramelessWithTheFocusOnCommand1();
    void buttonsOpenTitledBoardsOnceEach();
    void exitClosesEveryWindow();
    void guideOpensRightToLeftAndReadOnly();
    void doubleClickOnTheBoxOpensTheGuide();
    void zeroPairBeepReachesTheSystemSound();
    void everyWindowButBoardFourWearsThePencil();
    void aSharedLinkOnTheCommandLineOpensItsBoard();
};

void MenuWindow::startsFramelessWithTheFocusOnCommand1()
{
    Program p;
    QCOMPARE(p.app.windowsFrontToBack().size(), std::size_t { 1 });
    qt::FormView* menu = p.view("frmZelmora");
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QVERIFY(menu->windowFlags() & Qt::FramelessWindowHint);
    // 5610 x 5745 twips at 15 twips a pixel.
    QCOMPARE(menu->size(), QSize(374, 383));
    QCOMPARE(QString::fromStdString(p.menu().focus()->name), QString("Command1"));
    // The painted back colour, away from every control.
    QImage const picture = menu->grab().toImage();
    QCOMPARE(picture.pixelColor(10, 10), QColor(0x40, 0x40, 0x40));
    // The guide box: white, with the document's icon drawn in its middle (its outline is black).
    QRect const box = menu->scale().rect(540, 4500, 675, 735);
    QCOMPARE(picture.pixelColor(box.topLeft() + QPoint(1, 1)), QColor(Qt::white));
    int dark = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            dark += picture.pixelColor(x, y) == QColor(Qt::black);
    QVERIFY2(dark > 40, qPrintable(QString("%1 black pixels in the guide box").arg(dark)));
}

void MenuWindow::buttonsOpenTitledBoardsOnceEach()
{
    Program p;
    QVERIFY(QTest::qWaitForWindowExposed(p.view("frmZelmora")));
    struct Row {
        char const* button;
        char const* window;
        char const* caption;
    };
    for (Row const row : { Row { "Command1", "frmZelmora1", "Zelmora (1)" }, Row { "Command2", "frmZelmora2", nullptr },
             Row { "Command3", "frmZelmora4", nullptr }, Row { "Command5", "frmZelmora5", nullptr } }) {
        p.click("frmZelmora", row.button);
        qt::FormView* board = p.view(row.window);
        QVERIFY2(board, row.window);
        QVERIFY(QTest::qWaitForWindowExposed(board));
        QVERIFY(!(board->window()->windowFlags() & Qt::FramelessWindowHint));
        if (row.caption)
            QCOMPARE(board->window()->windowTitle(), QString(row.caption));
        QCOMPARE(p.app.windowsFrontToBack().front()->name(), std::string(row.window));
    }
    QCOMPARE(p.app.windowsFrontToBack().size(), std::size_t { 5 });

    // A second press brings the open board forward; it is the same window, not a new one.
    qt::FormView* first = p.view("frmZelmora1");
    p.click("frmZelmora", "Command1");
    QCOMPARE(p.view("frmZelmora1"), first);
    QCOMPARE(p.app.windowsFrontToBack().front()->name(), std::string("frmZelmora1"));
    QCOMPARE(p.app.windowsFrontToBack().size(), std::size_t { 5 });

    // Back on one board closes that board's window alone.
    p.click("frmZelmora2", "Command10");
    QVERIFY(!p.app.window("frmZelmora2"));
    QCOMPARE(p.app.windowsFrontToBack().size(), std::size_t { 4 });
    QVERIFY(first->isVisible());
    QVERIFY(p.errors.isEmpty());
}

void MenuWindow::exitClosesEveryWindow()
{
    Program p;
    QVERIFY(QTest::qWaitForWindowExposed(p.view("frmZelmora")));
    p.click("frmZelmora", "Command1");
    p.click("frmZelmora", "Command5");
    p.click("frmZelmora", "Command6");
    QPointer<qt::FormView> menu = p.view("frmZelmora");
    QPointer<qt::FormView> board = p.view("frmZelmora5");
    QVERIFY(p.host.guideWindow() && p.host.guideWindow()->isVisible());
    p.click("frmZelmora", "Command4");
    QCOMPARE(p.endStatus, 0);
    QVERIFY(!p.app.running());
    QVERIFY(p.app.windowsFrontToBack().empty());
    QVERIFY(!menu || !menu->isVisible());
    QVERIFY(!board || !board->isVisible());
    QVERIFY(!p.host.guideWindow()->isVisible());
    QVERIFY(p.errors.isEmpty());
}

void MenuWindow::guideOpensRightToLeftAndReadOnly()
{
    Program p;
    QVERIFY(QTest::qWaitForWindowExposed(p.view("frmZelmora")));
    QVERIFY(!p.host.guideWindow());
    p.click("frmZelmora", "Command6");
    QCOMPARE(p.app.guideOpenings(), 1);
    qt::GuideWindow* guide = p.host.guideWindow();
    QVERIFY(guide);
    QVERIFY(QTest::qWaitForWindowExposed(guide));
    QVERIFY(guide->isReadOnly());
    QCOMPARE(guide->layoutDirection(), Qt::RightToLeft);

    QTextDocument* document = guide->document();
    QVERIFY(document->toPlainText().contains(QStringLiteral("دليل المعلم لبرنامج Zelmora")));
    // Every picture of the guide is compiled into the program.
    for (char const* name : { "menu.png", "board1.png", "board2.png", "board3.png", "board4.png" })
        QVERIFY2(!document->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>().isNull(), name);

    // The short heading of the contents is laid out right to left and sits against the right edge.
    QTextBlock heading = document->begin();
    while (heading.isValid() && heading.text() != QStringLiteral("المحتويات"))
        heading = heading.next();
    QVERIFY(heading.isValid());
    QCOMPARE(heading.textDirection(), Qt::RightToLeft);
    QTextLayout* layout = heading.layout();
    QVERIFY(layout && layout->lineCount() == 1);
    QRectF const line = layout->lineAt(0).naturalTextRect();
    qreal const width = document->textWidth();
    QVERIFY2(line.left() > width / 2, qPrintable(QString("line at %1 of %2").arg(line.left()).arg(width)));
    QVERIFY(line.right() > width - 40);

    // A second press brings the same window forward.
    p.click("frmZelmora", "Command6");
    QCOMPARE(p.host.guideWindow(), guide);
    QCOMPARE(p.app.guideOpenings(), 2);
    QVERIFY(guide->isVisible());
}

void MenuWindow::doubleClickOnTheBoxOpensTheGuide()
{
    Program p;
    QVERIFY(QTest::qWaitForWindowExposed(p.view("frmZelmora")));
    // A single click on the box opens nothing.
    p.click("frmZelmora", "OLE1");
    QVERIFY(!p.host.guideWindow());
    // Through the QWindow, as a display sends it: Qt makes the double click out of the second press.
    QTest::mouseDClick(p.view("frmZelmora")->windowHandle(), Qt::LeftButton, {}, p.centreOf("frmZelmora", "OLE1"));
    QCOMPARE(p.app.guideOpenings(), 1);
    QVERIFY(!p.app.buttonHeld());
    QVERIFY(p.host.guideWindow() && p.host.guideWindow()->isVisible());
    QCOMPARE(p.app.windowsFrontToBack().size(), std::size_t { 1 });
}

// A zero pair on Board 3 beeps; the host sounds it through libcanberra or, with no sound device
// as on a build machine, through the windowing system's bell, and the program carries on. The
// terminal hears of a missing device once at most, and never from the sound libraries.
void MenuWindow::zeroPairBeepReachesTheSystemSound()
{
    Program p;
    QVERIFY(QTest::qWaitForWindowExposed(p.view("frmZelmora")));
    QCOMPARE(p.host.sound().lastRoute(), qt::SystemSound::Route::None);
    p.click("frmZelmora", "Command3");
    p.click("frmZelmora4", "Command3");
    p.click("frmZelmora4", "Command3");
    Form& board = *p.app.window("frmZelmora4");
    Control& upper = board.control("Command1", 21);
    Control& lower = board.control("Command1", 22);
    QVERIFY(upper.visible && lower.visible);
    // One x in the positive half, one in the negative half, then the second dropped on the first.
    auto drag = [&](Control& tile, Single x, Single y) {
        p.host.deliver([&] {
            p.app.mouseDownOn(board, tile, 100, 100, MouseButton::Left);
            p.app.mouseMove(board, x, y);
            p.app.mouseUp(&board, x, y);
        });
    };
    drag(upper, 2100, 1000);
    drag(lower, 2100, 6000);
    QCOMPARE(p.app.beeps(), 0);
    QString const said = standardErrorOf([&] {
        drag(lower, 2200, 1100);
        p.host.beep();
        p.host.beep();
    });
    QCOMPARE(p.app.beeps(), 1);
    QVERIFY(p.host.sound().lastRoute() != qt::SystemSound::Route::None);
    QVERIFY2(said.count('\n') <= 1 && !said.contains("ALSA"), qPrintable(said));
    QVERIFY(p.errors.isEmpty());
    QVERIFY(p.app.running());
}

// The icon a window manager shows is the native window's: the red pencil on every window, the
// guide's included, except the balance board, whose layout has none.
void MenuWindow::everyWindowButBoardFourWearsThePencil()
{
    Program p;
    QVERIFY(QTest::qWaitForWindowExposed(p.view("frmZelmora")));
    for (char const* button : { "Command1", "Command2", "Command3", "Command5", "Command6" })
        p.click("frmZelmora", button);
    QVERIFY(p.host.guideWindow());
    QVERIFY(QTest::qWaitForWindowExposed(p.host.guideWindow()));

    auto redPixelsOf = [](QIcon const& icon) {
        QImage const image = icon.pixmap(QSize(32, 32)).toImage();
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QColor const c = image.pixelColor(x, y);
                red += c.alpha() == 255 && c.red() >= 0xA0 && c.green() < 0x40 && c.blue() < 0x40;
            }
        return red;
    };
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        ++windows;
        QVERIFY(top->windowHandle());
        QIcon const icon = top->windowHandle()->icon();
        if (top == p.view("frmZelmora5")->window())
            QVERIFY2(icon.isNull(), "the balance board has no icon");
        else
            QVERIFY2(redPixelsOf(icon) > 40, qPrintable(top->windowTitle()));
    }
    QCOMPARE(windows, 6);
}

// `zelmora 'LINK'` opens the board the link names with its tiles and goal in a real window; a link
// cut short opens nothing and says so; a saved board whose name holds a '#' is still a file.
void MenuWindow::aSharedLinkOnTheCommandLineOpensItsBoard()
{
    std::string link;
    {
        Program teacher;
        teacher.host.deliver([&] {
            Form& board = teacher.app.show("frmZelmora4");
            QVERIFY(setGoal(board, GoalKind::Simplify, "(2x+1)-(x+3)").set);
            board.control("Command1", 21).visible = true;
            board.control("Command1", 21).left = 3000;
            link = Session::shareLink(board);
        });
    }
    std::string arguments[] = { "zelmora", link };
    char* argv[] = { arguments[0].data(), arguments[1].data() };
    qt::CommandLine const line = qt::readCommandLine(2, argv);
    QVERIFY(!line.exitStatus && !line.boardFile);
    QCOMPARE(line.shareLink.value_or(""), link);
    QTemporaryFile saved("lesson#3-XXXXXX.zelmora");
    QVERIFY(saved.open());
    QVERIFY(!qt::isLinkText(saved.fileName().toStdString()));
    QVERIFY(qt::isLinkText(link.substr(link.find('#'))));

    Program learner;
    LoadResult const cut = learner.host.openShareLink(link.substr(0, link.size() - 5));
    QCOMPARE(QString::fromStdString(cut.message), QString::fromUtf8(truncatedLinkMessage));
    QCOMPARE(learner.app.windowsFrontToBack().size(), std::size_t { 1 });
    QVERIFY(learner.host.openShareLink(*line.shareLink).loaded());
    Form* board = learner.app.window("frmZelmora4");
    QVERIFY(board && learner.view("frmZelmora4"));
    QVERIFY(QTest::qWaitForWindowExposed(learner.view("frmZelmora4")));
    QCOMPARE(board->control("Command1", 21).left, 3000.0f);
    QVERIFY(goalOf(*board).has_value());
}

QTEST_MAIN(MenuWindow)
#include "menu_test.moc"
