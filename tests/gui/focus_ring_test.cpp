// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_window.hpp"
#include "desktop/focus_ring.hpp"

#include <QTest>

namespace zelmora::gui {

class FocusRingPainting : public QObject {
    Q_OBJECT
private slots:
    void ringIsTwoBandsThatGrowWithTheZoom_data();
    void ringIsTwoBandsThatGrowWithTheZoom();
};

void FocusRingPainting::ringIsTwoBandsThatGrowWithTheZoom_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("band");
    QTest::newRow("zoom 1") << 1.0 << 2;
    QTest::newRow("zoom 2") << 2.0 << 4;
    // Never thinner than two pixels, however small the board is shown.
    QTest::newRow("zoom 0.5") << 0.5 << 2;
}

// The board opens with the focus on its first palette button: its left edge, halfway down, shows
// a dark band then a light band of the same width, then the button's own blue bevel. Tab takes the ring
// away with the focus.
void FocusRingPainting::ringIsTwoBandsThatGrowWithTheZoom()
{
    QFETCH(double, zoom);
    QFETCH(int, band);
    BoardWindow board(zoom);
    QVERIFY(board.ready);
    QCOMPARE(qt::FocusRing::bandWidth(zoom), band);
    Control const& first = board.form->control("Command2");
    QCOMPARE(board.form->focus(), &first);

    QPoint const edge = board.pixel(first.left, first.top + first.height / 2);
    QImage image = board.picture();
    for (int i = 0; i < band; ++i) {
        QCOMPARE(image.pixel(edge.x() + i, edge.y()), qt::FocusRing::outer);
        QCOMPARE(image.pixel(edge.x() + band + i, edge.y()), qt::FocusRing::inner);
    }
    // Inside the ring the button's own bevel and blue show again.
    QRgb const beyond = image.pixel(edge.x() + 2 * band, edge.y());
    QVERIFY(beyond != qt::FocusRing::outer && beyond != qt::FocusRing::inner);
    QCOMPARE(qBlue(beyond), 0xFC);

    QTest::keyClick(board.view, Qt::Key_Tab);
    QVERIFY(board.form->focus() != &first);
    image = board.picture();
    QVERIFY(image.pixel(edge.x() + band, edge.y()) != qt::FocusRing::inner);
}

} // namespace zelmora::gui

QTEST_MAIN(zelmora::gui::FocusRingPainting)
#include "focus_ring_test.moc"
