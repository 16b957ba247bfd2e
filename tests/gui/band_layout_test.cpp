// SPDX-License-Identifier: GPL-3.0-or-later
// The band and the tiles as a room reads them on the desktop: the balance's equation drawn with
// each side under its own pan, x squared's 2 raised, and the band in the board's picture.

#include "board_window.hpp"
#include "desktop/algebra_band_label.hpp"
#include "desktop/board_connection.hpp"
#include "desktop/board_frame.hpp"
#include "desktop/caption_with_exponent.hpp"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using zelmora::Single;
using zelmora::gui::BoardWindow;
using zelmora::qt::AlgebraBandLabel;
using zelmora::qt::BoardFrame;
using zelmora::qt::PlacedBandText;

namespace {

bool dark(QColor c)
{
    return c.lightness() < 100;
}

// Dark pixels of the picture inside a rectangle.
int inkIn(QImage const& image, QRect const& r)
{
    int ink = 0;
    for (int y = std::max(0, r.top()); y <= std::min(image.height() - 1, r.bottom()); ++y)
        for (int x = std::max(0, r.left()); x <= std::min(image.width() - 1, r.right()); ++x)
            ink += dark(image.pixelColor(x, y));
    return ink;
}

PlacedBandText runOf(std::vector<PlacedBandText> const& runs, QString const& text)
{
    for (PlacedBandText const& run : runs)
        if (run.text == text)
            return run;
    return {};
}

// Board 4 with 2x + 3 in the left pan and 7 in the right.
struct BalanceBoard {
    explicit BalanceBoard(BoardWindow& board)
    {
        board.host.deliver([&] { board.app.show("frmZelmora5"); });
        form = board.app.window("frmZelmora5");
        frame = board.host.frameOf(*form);
        place(0, 900, 1500);
        place(1, 900, 2100);
        for (int i = 0; i < 3; ++i)
            place(30 + i, Single(2400 + 500 * i), 900);
        for (int i = 0; i < 7; ++i)
            place(33 + i, Single(7400 + 500 * (i % 5)), Single(1000 + 600 * (i / 5)));
        frame->setActions(zelmora::qt::boardActionsFor(board.app, *form));
        frame->setAlgebraShown(true);
    }
    void place(int i, Single left, Single top)
    {
        zelmora::Control& tile = form->control("Command1", i);
        tile.left = left;
        tile.top = top;
    }
    zelmora::Form* form = nullptr;
    BoardFrame* frame = nullptr;
};

} // namespace

class BandLayout : public QObject {
    Q_OBJECT
private slots:
    void balanceSidesStandUnderTheirPans();
    void pictureCarriesTheBandWhenShown();
    void exponentIsDrawnRaised();
};

void BandLayout::balanceSidesStandUnderTheirPans()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    BalanceBoard balance(board);
    QCOMPARE(balance.frame->algebraText(), QStringLiteral("2س + 3 = 7"));
    QVERIFY(QTest::qWaitForWindowExposed(balance.frame));
    auto* band = balance.frame->findChild<AlgebraBandLabel*>(QStringLiteral("algebraBand"));
    QVERIFY(band);
    // The text a screen reader reads is the band's text as before.
    QCOMPARE(band->text(), QStringLiteral("\u200f2س + 3 = 7"));

    std::vector<PlacedBandText> const runs = band->placedText();
    PlacedBandText const left = runOf(runs, QStringLiteral("2س + 3"));
    PlacedBandText const equals = runOf(runs, QStringLiteral("="));
    PlacedBandText const right = runOf(runs, QStringLiteral("7"));
    QVERIFY(!left.rect.isEmpty() && !equals.rect.isEmpty() && !right.rect.isEmpty());
    auto const inWindow = [&](QRectF const& r) { return QRectF(band->mapTo(balance.frame, r.topLeft()), r.size()); };
    QVERIFY(inWindow(left.rect).right() <= inWindow(equals.rect).left());
    QVERIFY(inWindow(equals.rect).right() <= inWindow(right.rect).left());

    // The glyphs are drawn where the runs say: ink in each side's place, none between them.
    QImage const shown = balance.frame->grab().toImage();
    QVERIFY(inkIn(shown, inWindow(left.rect).toRect()) > 20);
    QVERIFY(inkIn(shown, inWindow(right.rect).toRect()) > 20);
    QVERIFY(inkIn(shown, inWindow(equals.rect).toRect()) > 5);
    QRectF const gap(inWindow(left.rect).topRight(), inWindow(equals.rect).bottomLeft());
    QCOMPARE(inkIn(shown, gap.toRect().adjusted(2, 0, -2, 0)), 0);
}

void BandLayout::pictureCarriesTheBandWhenShown()
{
    BoardWindow board(1.0);
    QVERIFY(board.ready);
    BalanceBoard balance(board);
    QTemporaryDir dir;
    QVERIFY(balance.frame->savePicture(dir.filePath("with.png")));
    balance.frame->setAlgebraShown(false);
    QVERIFY(balance.frame->savePicture(dir.filePath("without.png")));
    QImage const with(dir.filePath("with.png"));
    QImage const without(dir.filePath("without.png"));
    QCOMPARE(without.size(), QSize(1584, 1132));
    QCOMPARE(with.width(), without.width());
    QVERIFY(with.height() > without.height() + 60);
    // The board above is the same picture; below it, the equation's ink on the band's white.
    QCOMPARE(with.copy(0, 0, 1584, 1132).convertToFormat(without.format()), without);
    QRect const bandArea(0, 1132, with.width(), with.height() - 1132);
    QVERIFY(inkIn(with, bandArea) > 200);
    // The left pan's side is drawn in the picture's left half, the right pan's in its right half.
    QVERIFY(inkIn(with, bandArea.adjusted(0, 0, -with.width() / 2, 0)) > 100);
    QVERIFY(inkIn(with, bandArea.adjusted(with.width() / 2 + 40, 0, 0, 0)) > 20);
}

void BandLayout::exponentIsDrawnRaised()
{
    QImage image(240, 120, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(60);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    QRectF const area(0, 0, 240, 120);
    zelmora::qt::drawCaption(painter, area, QStringLiteral("س2"), font);
    painter.end();

    // The leftmost inked columns are the 2's; the letter lies right of a clear column.
    int first = -1;
    int clear = -1;
    for (int x = 0; x < image.width() && clear < 0; ++x) {
        bool const inked = inkIn(image, QRect(x, 0, 1, image.height())) > 0;
        if (inked && first < 0)
            first = x;
        else if (!inked && first >= 0)
            clear = x;
    }
    QVERIFY(first >= 0 && clear > first);
    int lowest = 0;
    int highest = image.height();
    for (int y = 0; y < image.height(); ++y)
        if (inkIn(image, QRect(first, y, clear - first, 1)) > 0) {
            lowest = std::max(lowest, y);
            highest = std::min(highest, y);
        }
    // The letter's ink, right of the 2.
    int letterTop = image.height();
    int letterBottom = 0;
    for (int y = 0; y < image.height(); ++y)
        if (inkIn(image, QRect(clear, y, image.width() - clear, 1)) > 0) {
            letterTop = std::min(letterTop, y);
            letterBottom = std::max(letterBottom, y);
        }
    QVERIFY(letterBottom > letterTop);
    // Smaller than the letter's size and raised: its foot is above the middle of the letter, where
    // a 2 on the line would stand on the letter's baseline.
    QVERIFY2(lowest < (letterTop + letterBottom) / 2,
        qPrintable(QStringLiteral("%1 %2 %3").arg(lowest).arg(letterTop).arg(letterBottom)));
    QVERIFY(lowest - highest < 0.6 * 60);
}

QTEST_MAIN(BandLayout)
#include "band_layout_test.moc"
