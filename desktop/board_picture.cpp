// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_picture.hpp"

#include "band_painter.hpp"
#include "form_painter.hpp"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace zelmora::qt {

namespace {

// Enough for a sharp print at 300 dots an inch across a landscape A4 page, and no more.
constexpr double maxPrintZoom = 4.0;

} // namespace

QImage boardPicture(Form const& form, double zoom, std::vector<BandRow> const& band)
{
    FormPainter formPainter;
    QImage const board = formPainter.render(form, zoom, std::nullopt);
    if (band.empty())
        return board;
    // The band as the window shows it at its natural size, grown with the picture.
    QFont const font = bandFont(bandPixelsAtNaturalSize * zoom);
    double const margin = bandMargin * zoom;
    double const rule = bandRuleWidth * zoom;
    double const width = board.width() / board.devicePixelRatio();
    double const rows = bandRowsHeight(band, font, width - 2 * margin);
    int const height = static_cast<int>(std::ceil(rows + 2 * margin + rule));

    QImage picture(board.width(), board.height() + static_cast<int>(height * board.devicePixelRatio()), board.format());
    picture.setDevicePixelRatio(board.devicePixelRatio());
    picture.fill(QColor(bandGround));
    QPainter painter(&picture);
    painter.drawImage(QPointF(0, 0), board);
    double const top = board.height() / board.devicePixelRatio();
    painter.fillRect(QRectF(0, top, width, rule), QColor(bandRule));
    painter.setPen(QColor(bandInk));
    paintBand(painter, band, font, QRectF(margin, top + rule + margin, width - 2 * margin, rows));
    painter.end();
    return picture;
}

bool printBoard(Form const& form, QPrinter& printer, std::vector<BandRow> const& band)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QRect const page = printer.pageLayout().paintRectPixels(printer.resolution());
    QSize const natural = ViewScale::clientPixels(form.window().clientWidth, form.window().clientHeight, 1.0);
    // The picture is drawn at the page's resolution, so its pixels match the printer's dots.
    double const fit = std::min(double(page.width()) / natural.width(), double(page.height()) / natural.height());
    double const zoom = std::clamp(fit, 1.0, maxPrintZoom);
    QImage const picture = boardPicture(form, zoom, band);
    // The band lengthens the picture; the page fits the whole of it.
    QSizeF const whole = QSizeF(picture.size()) / picture.devicePixelRatio() / zoom;
    double const scale = std::min(double(page.width()) / whole.width(), double(page.height()) / whole.height());
    QSize const target = (whole * scale).toSize();
    // The painter's origin is already the paint rectangle's corner.
    QRect placed(QPoint((page.width() - target.width()) / 2, (page.height() - target.height()) / 2), target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placed, picture);
    return painter.end();
}

} // namespace zelmora::qt
