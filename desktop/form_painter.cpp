// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_painter.hpp"

#include "program/tile_signs.hpp"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <ranges>

namespace zelmora::qt {

namespace {

// Enough of the tile to see its colour and caption, enough of the board to see where it goes.
constexpr double dragCopyOpacity = 0.55;

} // namespace

ViewScale FormPainter::scaleFor(Form const& form, QSize size)
{
    return ViewScale::fit(form.window().clientWidth, form.window().clientHeight, size);
}

void FormPainter::paint(QPainter& painter, Form const& form, QSize size, std::optional<DragInProgress> const& drag)
{
    WindowDesign const& window = form.window();
    ViewScale const scale = scaleFor(form, size);
    Color const back = window.back;
    // The letterbox takes the back colour too.
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(back.r, back.g, back.b));

    painter.save();
    painter.setClipRect(scale.rect(0, 0, window.clientWidth, window.clientHeight));
    std::vector<Control const*> const negative = negativeTiles(form);
    for (Control const* control : form.paintOrderFrontToBack() | std::views::reverse)
        if (control->visible)
            m_controls.paint(
                painter, *control, scale, control == form.focus(), std::ranges::count(negative, control) > 0);

    if (drag && drag->form == &form && drag->pointerInForm && drag->control) {
        Control const& dragged = *drag->control;
        QRect const outline
            = scale.rect(drag->pointerX - drag->grabX, drag->pointerY - drag->grabY, dragged.width, dragged.height);
        // A see-through copy of the tile follows the pointer, so that a class watching a projected
        // drag sees what moves; the tile itself stays put until it is dropped. The shift is whole
        // pixels, so the copy is as sharp as the tile.
        if (dragged.visible) {
            painter.save();
            painter.setOpacity(dragCopyOpacity);
            painter.translate(outline.topLeft() - scale.rect(dragged.left, dragged.top, 0, 0).topLeft());
            m_controls.paint(painter, dragged, scale, false, std::ranges::count(negative, &dragged) > 0);
            painter.restore();
        }
        QPen pen(Qt::black, std::lround(scale.pixels(2)), Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outline.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

QImage FormPainter::render(Form const& form, double zoom, std::optional<DragInProgress> const& drag)
{
    QSize const size = ViewScale::clientPixels(form.window().clientWidth, form.window().clientHeight, zoom);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paint(painter, form, size, drag);
    painter.end();
    return image;
}

} // namespace zelmora::qt
