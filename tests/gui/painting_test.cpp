// SPDX-License-Identifier: GPL-3.0-or-later
// Board 1's view puts the layout's colours where the controls lie, at any zoom.

#include "board_window.hpp"

#include <QtTest>

using zelmora::gui::BoardWindow;

namespace {

QColor const white(0xFF, 0xFF, 0xFF);
QColor const strip(0xC0, 0xC0, 0xC0);
QColor const tile(0x30, 0xAF, 0xFC);
QColor const back(0xC4, 0xB4, 0x8A);
QColor const black(0, 0, 0);

} // namespace

class BoardPainting : public QObject {
    Q_OBJECT
private slots:
    void coloursLieWhereTheLayoutPutsThem_data();
    void coloursLieWhereTheLayoutPutsThem();
    void letterboxTakesTheBackColour();
};

void BoardPainting::coloursLieWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("zoom 1") << 1.0;
    QTest::newRow("zoom 1.5") << 1.5;
}

void BoardPainting::coloursLieWhereTheLayoutPutsThem()
{
    QFETCH(double, zoom);
    BoardWindow board(zoom);
    QVERIFY(board.ready);
    QImage before = board.picture();
    QCOMPARE(before.size(), QSize(792, 566) * zoom);
    auto colourAt = [&](QImage const& image, double x, double y) { return image.pixelColor(board.pixel(x, y)); };

    // Tiles wait hidden at their homes: the mat shows there.
    QCOMPARE(colourAt(before, 7900, 1360), white);
    board.click("Command7");
    board.click("Command2");
    QImage const after = board.picture();

    QCOMPARE(colourAt(after, 5000, 4000), white);                          // the mat
    QCOMPARE(colourAt(after, 577, 4000), strip);                           // the left strip
    QCOMPARE(colourAt(after, 5000, 7600), strip);                          // the bottom strip
    QCOMPARE(colourAt(after, 880, 4000), black);                           // the left strip's border...
    QCOMPARE(colourAt(after, 900, 4000), white);                           // ...under the axis line
    QCOMPARE(colourAt(after, 7900, 1360), tile);                           // unit square 111, revealed
    QCOMPARE(colourAt(after, 6000, 100), tile);                            // x² tile 0
    QCOMPARE(colourAt(after, 11000, 500), back);                           // the rotation zone shows no picture
    QCOMPARE(colourAt(after, 300, 7300), QColor(0xC4, 0xB4, 0x8A));        // the clear member
    QVERIFY(colourAt(after, 10987, 6307) != colourAt(after, 11400, 6307)); // the bin picture
}

void BoardPainting::letterboxTakesTheBackColour()
{
    BoardWindow board(0, QSize(1000, 566));
    QVERIFY(board.ready);
    QImage const image = board.picture();
    QCOMPARE(image.pixelColor(10, 283), back);
    QCOMPARE(image.pixelColor(990, 283), back);
    QCOMPARE(image.pixelColor(board.pixel(5000, 4000)), white);
    QCOMPARE(board.pixel(0, 0), QPoint(104, 0));
}

QTEST_MAIN(BoardPainting)
#include "painting_test.moc"
