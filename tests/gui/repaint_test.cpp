// SPDX-License-Identifier: GPL-3.0-or-later
// Only the windows the input changed are repainted: dragging a tile on Board 1 repaints Board 1
// at every step and leaves Board 2, open beside it, unpainted, until Board 2 itself changes.

#include "board_window.hpp"
#include "desktop/board_connection.hpp"
#include "desktop/board_frame.hpp"
#include "paint_counter.hpp"
#include "program/algebra_band.hpp"

#include <QtTest>

using zelmora::gui::BoardWindow;
using zelmora::gui::PaintCounter;

namespace {

void settle()
{
    QTest::qWait(50);
}

} // namespace

class Repaints : public QObject {
    Q_OBJECT
private slots:
    void onlyTheChangedBoardRepaints();
};

void Repaints::onlyTheChangedBoardRepaints()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    board.click("Command7"); // unit square 111 at (7860, 1320)
    board.host.deliver([&] { board.app.show("frmZelmora2"); });
    zelmora::Form* second = board.app.window("frmZelmora2");
    QVERIFY(second);
    QWidget* secondView = board.host.viewOf(*second);
    QVERIFY(QTest::qWaitForWindowExposed(secondView->window()));
    zelmora::qt::BoardFrame* frame = board.host.frameOf(*board.form);
    frame->setActions(zelmora::qt::boardActionsFor(board.app, *board.form));
    frame->setAlgebraShown(true);
    settle();
    PaintCounter first(board.view);
    PaintCounter other(secondView);

    QTest::mousePress(board.view, Qt::LeftButton, {}, board.pixel(7950, 1410));
    for (zelmora::Single x : { 7000, 6000, 5000, 4005 }) {
        QTest::mouseMove(board.view, board.pixel(x, 4005));
        settle();
    }
    QVERIFY2(first.paints >= 4, qPrintable(QString::number(first.paints)));
    QTest::mouseRelease(board.view, Qt::LeftButton, {}, board.pixel(4005, 4005));
    settle();
    QVERIFY(board.tile(111).left != 7860);
    QVERIFY(first.paints >= 5);
    QCOMPARE(other.paints, 0);
    // The band followed the drop.
    QCOMPARE(frame->algebraText().toStdString(), zelmora::algebraBandText(*board.form));

    // Input on Board 2 repaints Board 2 and leaves Board 1 alone.
    int const firstBefore = first.paints;
    board.host.deliver([&] { second->press(second->control("Command7")); });
    settle();
    QVERIFY(other.paints >= 1);
    QCOMPARE(first.paints, firstBefore);
    QVERIFY(board.errors.isEmpty());
}

QTEST_MAIN(Repaints)
#include "repaint_test.moc"
