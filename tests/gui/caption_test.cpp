// SPDX-License-Identifier: GPL-3.0-or-later
// Every button caption of every window, tiles included, is drawn inside its button: its ink keeps
// off the bevel at the top, the bottom and the sides, at the zooms a learner uses.

#include "desktop/control_painter.hpp"
#include "desktop/font_setup.hpp"
#include "program/windows.hpp"
#include "runtime/form.hpp"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace zelmora;

class ButtonCaptions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qt::installFontSubstitutions(); }
    void inkStaysInsideTheButton_data();
    void inkStaysInsideTheButton();
};

namespace {

QImage painted(Control const& button, qt::ViewScale const& scale)
{
    QImage image(qt::ViewScale::clientPixels(button.width, button.height, scale.zoom), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    qt::ControlPainter().paint(painter, button, scale, false);
    return image;
}

// The pixels where the caption changes the button: its ink, antialiasing included.
QRect inkOf(Control button, qt::ViewScale const& scale)
{
    QImage const with = painted(button, scale);
    button.caption.clear();
    QImage const without = painted(button, scale);
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

void ButtonCaptions::inkStaysInsideTheButton_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("zoom 1") << 1.0;
    QTest::newRow("zoom 1.5") << 1.5;
    QTest::newRow("zoom 2") << 2.0;
}

void ButtonCaptions::inkStaysInsideTheButton()
{
    QFETCH(double, zoom);
    // The bevel is a pixel or two at each edge: the ink keeps off it, and clear of it at the top
    // and bottom, where Arabic dots and descenders reach.
    int const side = static_cast<int>(std::floor(zoom));
    int const clear = static_cast<int>(std::ceil(2 * zoom)) - 1;
    int checked = 0;
    for (std::string_view name : windowNames()) {
        std::unique_ptr<Form> form = createWindow(name);
        for (Control const* c : form->paintOrderFrontToBack()) {
            if (c->kind != ControlKind::Button || c->caption.empty())
                continue;
            qt::ViewScale scale;
            scale.zoom = zoom;
            scale.offset = QPointF(-c->left * scale.pixelsPerTwip(), -c->top * scale.pixelsPerTwip());
            QRect const ink = inkOf(*c, scale);
            QRect const room = QRect(QPoint(), qt::ViewScale::clientPixels(c->width, c->height, zoom))
                                   .adjusted(side, clear, -side, -clear);
            QByteArray const what = QString("%1 \"%2\": ink %3 in %4 x %5")
                                        .arg(QString::fromStdString(std::string(name) + "." + c->name),
                                            QString::fromStdString(c->caption))
                                        .arg(QDebug::toString(ink))
                                        .arg(room.width() + 2 * side)
                                        .arg(room.height() + 2 * clear)
                                        .toUtf8();
            QVERIFY2(!ink.isEmpty(), what);
            QVERIFY2(room.contains(ink), what);
            ++checked;
        }
    }
    QVERIFY(checked > 20);
}

QTEST_MAIN(ButtonCaptions)
#include "caption_test.moc"
