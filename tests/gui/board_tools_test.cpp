// SPDX-License-Identifier: GPL-3.0-or-later
// The tools around a board window, pressed with real events through its QWindow: the toolbar and
// its keys reach the program's undo, redo and band text, the learner's keys still reach the board,
// full screen fills the screen, and the picture is the board alone, copied, saved and printed.
// ZELMORA_SHOTS=DIR saves a picture of each board window with its toolbar and band for a look.

#include "board_window.hpp"
#include "desktop/board_connection.hpp"
#include "desktop/board_frame.hpp"
#include "desktop/guide_window.hpp"
#include "program/algebra_band.hpp"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <fstream>

using zelmora::gui::BoardWindow;
using zelmora::gui::ScriptedBoard;
using zelmora::qt::BoardCommand;
using zelmora::qt::BoardFrame;

namespace {

QWindow* windowOf(BoardWindow const& board)
{
    return board.view->window()->windowHandle();
}

BoardFrame* frameOf(BoardWindow const& board)
{
    return board.host.frameOf(*board.form);
}

void press(BoardFrame* frame, BoardCommand command)
{
    QWidget* button = frame->findChild<QToolBar*>()->widgetForAction(frame->action(command));
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class BoardTools : public QObject {
    Q_OBJECT
private slots:
    void everyBoardSitsUnderItsToolbarAtItsOwnSize();
    void toolbarButtonsGrowWithTheBoardAndNeverFallUnder24();
    void toolbarAndKeysCallTheProgramOnlyWhenConnected();
    void learnersKeysStillReachTheBoard();
    void programUndoesSavesOpensAndWritesTheAlgebra();
    void bandShowsBothRowsWhole();
    void fullScreenFillsTheScreenAndEscapeLeaves();
    void pictureIsTheBoardAloneCopiedSavedAndPrinted();
    void guideZoomsTextAndPicturesOnALightPage();
};

// The client area keeps its size under the toolbar, the toolbar reads right to left, and the
// window keeps the layout's title and icon (none on Board 4).
void BoardTools::everyBoardSitsUnderItsToolbarAtItsOwnSize()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    QString const shots = qEnvironmentVariable("ZELMORA_SHOTS");
    for (char const* name : { "frmZelmora1", "frmZelmora2", "frmZelmora4", "frmZelmora5" }) {
        board.host.deliver([&] { board.app.show(name); });
        zelmora::Form* form = board.app.window(name);
        BoardFrame* frame = board.host.frameOf(*form);
        QVERIFY2(frame, name);
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QCOMPARE(frame->view(), board.host.viewOf(*form));
        QCOMPARE(frame->view()->size(), QSize(792, 566));
        QCOMPARE(frame->windowTitle(), QString::fromStdString(form->window().caption));
        QCOMPARE(frame->windowIcon().isNull(), std::string(name) == "frmZelmora5");
        auto* toolbar = frame->findChild<QToolBar*>();
        QVERIFY(toolbar->geometry().bottom() < frame->view()->mapTo(frame, QPoint(0, 0)).y());
        auto const x = [&](BoardCommand c) { return toolbar->widgetForAction(frame->action(c))->x(); };
        QVERIFY(x(BoardCommand::Undo) > x(BoardCommand::Redo));
        QVERIFY(x(BoardCommand::Print) > x(BoardCommand::Algebra));
        if (!shots.isEmpty()) {
            frame->setAlgebraText(QStringLiteral("(س + 1)(2س + 3) = 2س² + 5س + 3"));
            frame->setAlgebraShown(true);
            frame->grab().save(shots + "/" + name + ".png");
            frame->setAlgebraShown(false);
        }
    }
    // The window's close box unloads the board it holds, and the window goes with it.
    QPointer<BoardFrame> second = board.host.frameOf(*board.app.window("frmZelmora2"));
    QVERIFY(!second->close());
    QVERIFY(!board.app.window("frmZelmora2"));
    QTRY_VERIFY(second.isNull());
    QVERIFY(board.errors.isEmpty());
}

// Every toolbar button is a target a finger or a pen can hit at any zoom (24 pixels at least),
// and on a large board (a whiteboard's) its icon grows with the board.
void BoardTools::toolbarButtonsGrowWithTheBoardAndNeverFallUnder24()
{
    for (double zoom : { 0.5, 1.0, 2.0, 3.0 }) {
        BoardWindow board(zoom);
        QVERIFY(board.ready);
        BoardFrame* frame = frameOf(board);
        auto* toolbar = frame->findChild<QToolBar*>();
        QTRY_COMPARE(frame->view()->scale().zoom >= zoom * 0.95, true);
        int const icon = toolbar->iconSize().width();
        QVERIFY2(icon >= 24 && icon >= std::min(72.0, 24 * zoom * 0.8),
            qPrintable(QStringLiteral("zoom %1: icons of %2 px").arg(zoom).arg(icon)));
        // Every button shown, the extension's too where a small window has too little room.
        int buttons = 0;
        for (QToolButton const* button : toolbar->findChildren<QToolButton*>()) {
            if (!button->isVisible())
                continue;
            ++buttons;
            QVERIFY2(button->width() >= 24 && button->height() >= 24
                    && (button->objectName() == QStringLiteral("qt_toolbar_ext_button") || button->height() >= icon),
                qPrintable(QStringLiteral("zoom %1: %2 is %3x%4")
                               .arg(zoom)
                               .arg(button->text())
                               .arg(button->width())
                               .arg(button->height())));
        }
        QVERIFY(buttons >= (zoom >= 1 ? 12 : 1));
        QVERIFY(board.errors.isEmpty());
    }
}

void BoardTools::toolbarAndKeysCallTheProgramOnlyWhenConnected()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    BoardFrame* frame = frameOf(board);
    QWindow* window = windowOf(board);
    // Nothing connected: the program's own actions are offered disabled, and their keys do nothing.
    for (BoardCommand c : { BoardCommand::Undo, BoardCommand::Redo, BoardCommand::Open, BoardCommand::Save })
        QVERIFY(!frame->action(c)->isEnabled());
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);

    int undos = 0;
    int redos = 0;
    bool canUndo = true;
    frame->setActions({ .undo = [&] { ++undos; },
        .redo = [&] { ++redos; },
        .canUndo = [&] { return canUndo; },
        .canRedo = {},
        .open = {},
        .save = {},
        .algebraText = [&] { return board.tile(111).visible ? QStringLiteral("1") : QStringLiteral("0"); },
        .hasTask = {} });
    press(frame, BoardCommand::Undo);
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    press(frame, BoardCommand::Redo);
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(undos, 2);
    QCOMPARE(redos, 3);
    // Whether there is anything to undo is asked again after every input.
    canUndo = false;
    board.click("Command9");
    QVERIFY(!frame->action(BoardCommand::Undo)->isEnabled());
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(undos, 2);

    // F2 and the button show and hide the band below the board; the board keeps its size.
    QVERIFY(!frame->algebraShown());
    QTest::keyClick(window, Qt::Key_F2);
    QVERIFY(frame->algebraShown());
    QCOMPARE(frame->algebraText(), QStringLiteral("0"));
    QCOMPARE(board.view->size(), QSize(792, 566));
    board.click("Command7"); // unit square 111 comes out: the band follows the board
    QCOMPARE(frame->algebraText(), QStringLiteral("1"));
    press(frame, BoardCommand::Algebra);
    QVERIFY(!frame->algebraShown());
    QCOMPARE(board.view->size(), QSize(792, 566));

    // F10 hides the toolbar and brings it back; its keys keep working while it is hidden.
    QTest::keyClick(window, Qt::Key_F10);
    QVERIFY(!frame->toolbarShown());
    QCOMPARE(board.view->size(), QSize(792, 566));
    QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(redos, 4);
    QTest::keyClick(window, Qt::Key_F10);
    QVERIFY(frame->toolbarShown());
    QVERIFY(board.errors.isEmpty());
}

// Connected to the program as the real one is: Ctrl+Z takes a drag back, a saved board opens
// again, a refused file changes nothing, and the band says what the core says.
void BoardTools::programUndoesSavesOpensAndWritesTheAlgebra()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    BoardFrame* frame = frameOf(board);
    QWindow* window = windowOf(board);
    zelmora::qt::BoardActions const actions = zelmora::qt::boardActionsFor(board.app, *board.form);
    frame->setActions(actions);
    QVERIFY(!frame->action(BoardCommand::Undo)->isEnabled());

    board.click("Command7"); // unit square 111 at (7860, 1320)
    QTest::mousePress(window, Qt::LeftButton, {}, board.windowPixel(7860 + 90, 1320 + 90));
    QTest::mouseMove(window, board.windowPixel(4005, 4005));
    QTest::mouseRelease(window, Qt::LeftButton, {}, board.windowPixel(4005, 4005));
    zelmora::Single const dropped = board.tile(111).left;
    QVERIFY(dropped != 7860);
    QVERIFY(frame->action(BoardCommand::Undo)->isEnabled());
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(board.tile(111).left, zelmora::Single(7860));
    QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(board.tile(111).left, dropped);

    QTemporaryDir folder;
    auto const file = std::filesystem::path(folder.filePath("lesson.zelmora").toStdString());
    QCOMPARE(actions.save(file), std::string());
    board.click("Command8"); // the board moves on after saving
    QCOMPARE(actions.open(file), std::string());
    QVERIFY(!board.tile(71).visible);
    QCOMPARE(board.tile(111).left, dropped);
    std::ofstream(file) << "{\"format\": \"zelmora-board\"";
    auto const before = board.form->snapshot();
    QVERIFY(!actions.open(file).empty());
    QVERIFY(board.form->snapshot() == before);

    QTest::keyClick(window, Qt::Key_F2);
    QCOMPARE(frame->algebraText().toStdString(), zelmora::algebraBandText(*board.form));
    QVERIFY(frame->algebraText().contains(QStringLiteral("القطع داخل المستطيل")));
    QVERIFY(board.errors.isEmpty());
}

// Tab, Shift+Tab, Space and Enter still move the focus and click, exactly as the script does.
void BoardTools::learnersKeysStillReachTheBoard()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    QWindow* window = windowOf(board);
    for (auto key : { Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return })
        QTest::keyClick(window, key);
    QTest::keyClick(window, Qt::Key_Backtab, Qt::ShiftModifier);
    ScriptedBoard scripted("key frmZelmora1 tab\nkey frmZelmora1 tab\nkey frmZelmora1 tab\nkey frmZelmora1 space\n"
                           "key frmZelmora1 tab\nkey frmZelmora1 enter\nkey frmZelmora1 shift+tab\n");
    QCOMPARE(scripted.status, zelmora::ScriptRunner::Ran);
    QVERIFY(board.form->focus());
    QCOMPARE(board.form->focus()->name, scripted.form().focus()->name);
    QCOMPARE(board.form->focus()->index, scripted.form().focus()->index);
    int shown = 0;
    for (int i = 1; i <= 141; ++i)
        shown += board.tile(i).visible != scripted.tile(i).visible;
    QCOMPARE(shown, 0);
}

// Board 1's longest text, and two short Arabic rows whose letters come from a taller fallback
// face: each is laid out whole inside the band, at the natural size and full screen alike.
void BoardTools::bandShowsBothRowsWhole()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    BoardFrame* frame = frameOf(board);
    auto* band = frame->findChild<QLabel*>(QStringLiteral("algebraBand"));
    QVERIFY(band);
    frame->setAlgebraShown(true);
    for (bool full : { false, true }) {
        frame->setFullScreen(full);
        QTRY_COMPARE(frame->isFullScreen(), full);
        for (char const* text : { "الارتفاع: س + 2    العرض: س + 3\n(س + 2)(س + 3) = س² + 5س + 6    القطع داخل "
                                  "المستطيل: س² + 5س + 6 ✓",
                 "الموجب: 3س² + 3س + 4    السالب: 2س + 1\nالمجموع: 3س² + س + 3" }) {
            frame->setAlgebraText(QString::fromUtf8(text));
            QRect const room
                = band->contentsRect().adjusted(band->margin(), band->margin(), -band->margin(), -band->margin());
            QRect const laidOut
                = QFontMetrics(band->font()).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, band->text());
            QVERIFY2(room.contains(laidOut), text);
        }
    }
}

void BoardTools::fullScreenFillsTheScreenAndEscapeLeaves()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    BoardFrame* frame = frameOf(board);
    QSize const screen = frame->screen()->geometry().size();
    QTest::keyClick(windowOf(board), Qt::Key_F11);
    QTRY_VERIFY(frame->isFullScreen());
    QTRY_COMPARE(board.view->size(), screen);
    QVERIFY(!frame->toolbarShown());
    // The largest uniform zoom that fits, centred, the rest in the board's back colour.
    double const zoom = std::min(screen.width() * 15.0 / 11880, screen.height() * 15.0 / 8490);
    QCOMPARE(board.view->scale().zoom, zoom);
    QImage const projected = board.picture();
    zelmora::Color const back = board.form->window().back;
    if (QString const shots = qEnvironmentVariable("ZELMORA_SHOTS"); !shots.isEmpty())
        projected.save(shots + "/full-screen.png");
    QCOMPARE(projected.pixelColor(screen.width() / 2, 1), QColor(back.r, back.g, back.b));
    QCOMPARE(projected.pixelColor(screen.width() / 2, screen.height() - 2), QColor(back.r, back.g, back.b));

    // A tile dragged with the keyboard is let go by the first Escape; the second leaves full screen.
    board.click("Command3"); // x tile 21 comes out; two Tabs from the unit square's button reach it
    board.click("Command7");
    QTest::keyClick(windowOf(board), Qt::Key_Tab);
    QTest::keyClick(windowOf(board), Qt::Key_Tab);
    QCOMPARE(board.form->focus(), &board.tile(21));
    QTest::keyClick(windowOf(board), Qt::Key_Left);
    QVERIFY(board.app.keyboardDragInProgress());
    QTest::keyClick(windowOf(board), Qt::Key_Escape);
    QVERIFY(!board.app.keyboardDragInProgress());
    QVERIFY(frame->isFullScreen());
    QTest::keyClick(windowOf(board), Qt::Key_Escape);
    QTRY_VERIFY(!frame->isFullScreen());
    QTRY_COMPARE(board.view->size(), QSize(792, 566));
    QVERIFY(frame->toolbarShown());
    // The toolbar's button goes in as well.
    press(frame, BoardCommand::FullScreen);
    QTRY_VERIFY(frame->isFullScreen());
    QVERIFY(frame->action(BoardCommand::FullScreen)->isChecked());
}

void BoardTools::pictureIsTheBoardAloneCopiedSavedAndPrinted()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    BoardFrame* frame = frameOf(board);
    board.click("Command7"); // unit square 111 at (7860, 1320), blue
    QImage const still = board.picture();

    // Copied mid-drag: the picture shows the board as it stands, with neither outline nor copy.
    QTest::mousePress(board.view, Qt::LeftButton, {}, board.pixel(8100, 1410));
    QTest::mouseMove(board.view, board.pixel(3000, 3990));
    QTest::keyClick(windowOf(board), Qt::Key_C, Qt::ControlModifier);
    QTest::mouseRelease(board.view, Qt::LeftButton, {}, QPoint(-40, 300));
    QImage const copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(1584, 1132));
    QCOMPARE(copied.pixelColor(2 * 10, 2 * 10), still.pixelColor(10, 10));
    QCOMPARE(copied.pixelColor(7960 * 2 / 15, 1420 * 2 / 15), QColor(0x30, 0xAF, 0xFC));
    QCOMPARE(copied.pixelColor(2900 * 2 / 15, 4000 * 2 / 15), still.pixelColor(2900 / 15, 4000 / 15));

    QTemporaryDir dir;
    QVERIFY(frame->savePicture(dir.filePath("board.png")));
    QImage const saved(dir.filePath("board.png"));
    QCOMPARE(saved.size(), QSize(1584, 1132));
    QCOMPARE(saved.convertToFormat(copied.format()), copied);
    QVERIFY(!frame->savePicture(dir.filePath("no such folder/board.png")));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setOutputFileName(dir.filePath("board.pdf"));
    QVERIFY(frame->print(printer));
    QFile pdf(dir.filePath("board.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QByteArray const bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    // One picture of the board at four times its size, sharp at the printer's 1200 dots an inch.
    QCOMPARE(bytes.count("/Subtype /Image"), 1);
    QVERIFY(bytes.contains("/Width 3168"));
    QVERIFY(bytes.contains("/Height 2264"));
}

void BoardTools::guideZoomsTextAndPicturesOnALightPage()
{
    QApplication::setPalette(QPalette(QColor(0x20, 0x20, 0x20), QColor(0x30, 0x30, 0x30)));
    zelmora::qt::GuideWindow guide;
    guide.show();
    QVERIFY(QTest::qWaitForWindowExposed(&guide));
    QCOMPARE(guide.viewport()->grab().toImage().pixelColor(3, 3), QColor(Qt::white));

    auto const firstPictureWidth = [&] {
        for (QTextBlock b = guide.document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat())
                    return it.fragment().charFormat().toImageFormat().width();
        return 0.0;
    };
    double const width = firstPictureWidth();
    double const points = guide.document()->defaultFont().pointSizeF();
    QVERIFY(width > 0);
    QTest::keyClick(guide.windowHandle(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(guide.zoom(), 1.2);
    if (QString const shots = qEnvironmentVariable("ZELMORA_SHOTS"); !shots.isEmpty())
        guide.grab().save(shots + "/guide-dark-desktop.png");
    QCOMPARE(firstPictureWidth(), width * 1.2);
    QCOMPARE(guide.document()->defaultFont().pointSizeF(), points * 1.2);

    QWheelEvent wheel(QPointF(50, 50), guide.mapToGlobal(QPointF(50, 50)), {}, QPoint(0, -240), Qt::NoButton,
        Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(guide.viewport(), &wheel);
    QCOMPARE(guide.zoom(), 1.2 / 1.44);
    QTest::keyClick(guide.windowHandle(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(firstPictureWidth(), width);
    QApplication::setPalette(QPalette());
}

QTEST_MAIN(BoardTools)
#include "board_tools_test.moc"
