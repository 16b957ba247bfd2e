// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_painter.hpp"

#include "caption_fit.hpp"
#include "caption_with_exponent.hpp"
#include "focus_ring.hpp"
#include "font_setup.hpp"
#include "guide_icon.hpp"
#include "pictures.hpp"
#include "program/caption_exponent.hpp"
#include "program/tile_signs.hpp"

#include <QApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace zelmora::qt {

namespace {

QColor toQColor(Color c)
{
    return { c.r, c.g, c.b };
}

std::uint32_t rgbOf(Color c)
{
    return (std::uint32_t { c.r } << 16) | (std::uint32_t { c.g } << 8) | c.b;
}

int whole(double v)
{
    return static_cast<int>(std::lround(v));
}

// Every control is laid out right to left; the alignment is where the text sits on the control.
QTextOption rightToLeftText(Qt::Alignment alignment)
{
    QTextOption option(alignment | Qt::AlignAbsolute);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::WordWrap);
    return option;
}

Qt::Alignment horizontalAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::Left:
        return Qt::AlignLeft;
    case TextAlign::Right:
        return Qt::AlignRight;
    case TextAlign::Center:
        break;
    }
    return Qt::AlignHCenter;
}

double pixelRatioOf(QPainter const& painter)
{
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

} // namespace

void ControlPainter::paint(
    QPainter& painter, Control const& control, ViewScale const& scale, bool focused, bool negative)
{
    switch (control.kind) {
    case ControlKind::Button:
        paintButton(painter, control, scale, focused, negative);
        break;
    case ControlKind::Label:
        paintLabel(painter, control, scale);
        break;
    case ControlKind::TextBox:
        paintTextBox(painter, control, scale);
        break;
    case ControlKind::Image:
        paintImage(painter, control, scale);
        break;
    case ControlKind::Shape:
        paintShape(painter, control, scale);
        break;
    case ControlKind::Line:
        paintLine(painter, control, scale);
        break;
    case ControlKind::Ole:
        paintOle(painter, control, scale);
        break;
    }
}

void ControlPainter::paintButton(
    QPainter& painter, Control const& c, ViewScale const& scale, bool focused, bool negative)
{
    QRect const r = scale.rect(c.left, c.top, c.width, c.height);
    if (r.width() <= 0 || r.height() <= 0)
        return;
    ButtonKey const key { .caption = c.caption,
        .width = r.width(),
        .height = r.height(),
        .back = rgbOf(c.look.back.value_or(Color { 0xC0, 0xC0, 0xC0 })),
        .fore = rgbOf(c.look.fore),
        .appearance = c.appearance,
        .family = c.look.font.family,
        .points = c.look.font.pointSize,
        .bold = c.look.font.bold,
        .zoom = scale.zoom,
        .pixelRatio = pixelRatioOf(painter),
        .focused = focused,
        .negative = negative };
    painter.drawPixmap(r.topLeft(), button(key, c));
}

QPixmap const& ControlPainter::button(ButtonKey const& key, Control const& c)
{
    if (auto const found = m_buttons.find(key); found != m_buttons.end())
        return found->second;
    if (m_buttons.size() > 256)
        m_buttons.clear(); // a zoom or colour left behind; the live looks come back at once

    QPixmap pixmap(QSize(key.width, key.height) * key.pixelRatio);
    pixmap.setDevicePixelRatio(key.pixelRatio);
    QColor const back = QColor::fromRgb(key.back);
    QColor const fore = QColor::fromRgb(key.fore);
    pixmap.fill(back);

    QPainter p(&pixmap);
    QRect const area(0, 0, key.width, key.height);
    QStyle* const style = QApplication::style();
    QStyleOptionButton option;
    option.rect = area;
    option.direction = Qt::RightToLeft;
    option.palette.setColor(QPalette::Button, back);
    option.palette.setColor(QPalette::Window, back);
    option.palette.setColor(QPalette::ButtonText, fore);
    option.state = QStyle::State_Enabled;
    if (key.appearance != 0) {
        option.state |= QStyle::State_Raised;
        style->drawControl(QStyle::CE_PushButtonBevel, &option, &p, nullptr);
    } else {
        // A flat button is its colour inside a thin line.
        p.setPen(QPen(fore, 1));
        p.drawRect(area.adjusted(0, 0, -1, -1));
    }

    QString const caption = QString::fromStdString(key.caption);
    // Fitted as drawn: a negative tile's minus takes room too.
    CaptionParts const drawn = splitCaptionExponent(key.caption, key.negative);
    QString const fitted = QString::fromStdString(drawn.base + drawn.exponent);
    // The bevel takes a pixel or two at each edge; the ink keeps clear of it.
    CaptionFit const fit = fitCaption(fontFor(c.look.font, key.zoom, fitted), fitted, area.size(),
        { .side = key.zoom, .topAndBottom = 2 * key.zoom });
    p.setPen(fore);
    drawCaption(p, QRectF(area).translated(fit.shift), caption, fit.font, key.negative);

    if (key.focused)
        FocusRing::paint(p, area, key.zoom);
    p.end();
    return m_buttons.emplace(key, std::move(pixmap)).first->second;
}

void ControlPainter::paintLabel(QPainter& painter, Control const& c, ViewScale const& scale)
{
    QRect const r = scale.rect(c.left, c.top, c.width, c.height);
    if (c.look.back)
        painter.fillRect(r, toQColor(*c.look.back));
    if (auto const sign = regionSign(c)) {
        QString const text = QString::fromStdString(sign->text);
        painter.setFont(fontFor(sign->font, scale.zoom, text));
        painter.setPen(toQColor(sign->ink));
        painter.drawText(QRectF(r), text, rightToLeftText(Qt::AlignCenter));
        return;
    }
    painter.setFont(fontFor(c.look.font, scale.zoom, QString::fromStdString(c.caption)));
    painter.setPen(toQColor(c.look.fore));
    painter.drawText(QRectF(r), QString::fromStdString(c.caption),
        rightToLeftText(horizontalAlignment(c.look.align) | Qt::AlignTop));
}

void ControlPainter::paintTextBox(QPainter& painter, Control const& c, ViewScale const& scale)
{
    QRect const r = scale.rect(c.left, c.top, c.width, c.height);
    painter.fillRect(r, toQColor(c.look.back.value_or(Color { 0xFF, 0xFF, 0xFF })));
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.setFont(fontFor(c.look.font, scale.zoom));
    painter.setPen(toQColor(c.look.fore));
    double const margin = 2 * scale.zoom;
    painter.drawText(QRectF(r).adjusted(margin, margin, -margin, -margin), QString::fromStdString(c.text),
        rightToLeftText(horizontalAlignment(c.look.align) | Qt::AlignVCenter));
}

void ControlPainter::paintImage(QPainter& painter, Control const& c, ViewScale const& scale)
{
    QRect const r = scale.rect(c.left, c.top, c.width, c.height);
    if (c.look.back)
        painter.fillRect(r, toQColor(*c.look.back));
    QImage const& source = picture(c.picture);
    if (source.isNull() || r.isEmpty())
        return;
    // Unstretched, the picture keeps its own size, scaled with the zoom, and is cut off by the control.
    QRect const target = c.look.stretch
        ? r
        : QRect(r.topLeft(), QSize(whole(source.width() * scale.zoom), whole(source.height() * scale.zoom)));
    double const ratio = pixelRatioOf(painter);
    QPixmap const& pixmap = scaledPicture({ c.picture, target.width(), target.height(), ratio });
    QRect const shown = target & r;
    painter.drawPixmap(QPointF(shown.topLeft()), pixmap, QRectF(0, 0, shown.width() * ratio, shown.height() * ratio));
}

QPixmap const& ControlPainter::scaledPicture(PictureKey const& key)
{
    if (auto const found = m_pictures.find(key); found != m_pictures.end())
        return found->second;
    if (m_pictures.size() > 64)
        m_pictures.clear();
    QImage const& source = picture(key.name);
    QSize const size = QSize(key.width, key.height) * key.pixelRatio;
    QImage scaled
        = size == source.size() ? source : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(std::move(scaled));
    pixmap.setDevicePixelRatio(key.pixelRatio);
    return m_pictures.emplace(key, std::move(pixmap)).first->second;
}

void ControlPainter::paintShape(QPainter& painter, Control const& c, ViewScale const& scale)
{
    // A shape with no width or no height shows nothing: the product rectangle of a single factor
    // keeps the other side's stale place, and a stray line there would mislead.
    if (c.width <= 0 || c.height <= 0)
        return;
    QRect const r = scale.rect(c.left, c.top, c.width, c.height);
    if (c.look.back)
        painter.fillRect(r, toQColor(*c.look.back));
    if (c.look.fill)
        painter.fillRect(r, toQColor(*c.look.fill));
    if (!c.look.border)
        return;
    QColor const border = toQColor(*c.look.border);
    int const w = whole(scale.pixels(c.look.borderWidth));
    // A shape thinner than its two borders is all border.
    if (r.width() <= 2 * w || r.height() <= 2 * w) {
        painter.fillRect(r, border);
        return;
    }
    // The border lies inside the shape's rectangle.
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), border);
    painter.fillRect(QRect(r.left(), r.bottom() + 1 - w, r.width(), w), border);
    painter.fillRect(QRect(r.left(), r.top() + w, w, r.height() - 2 * w), border);
    painter.fillRect(QRect(r.right() + 1 - w, r.top() + w, w, r.height() - 2 * w), border);
}

void ControlPainter::paintLine(QPainter& painter, Control const& c, ViewScale const& scale)
{
    if (!c.look.border)
        return;
    QColor const colour = toQColor(*c.look.border);
    int const w = whole(scale.pixels(c.look.borderWidth));
    if (c.x1 == c.x2 || c.y1 == c.y2) {
        // Upright and level lines are filled rectangles, so they land on whole pixels.
        int const left = whole(scale.x(std::min(c.x1, c.x2)) - (c.x1 == c.x2 ? w / 2.0 : 0));
        int const top = whole(scale.y(std::min(c.y1, c.y2)) - (c.y1 == c.y2 ? w / 2.0 : 0));
        int const right = c.x1 == c.x2 ? left + w : whole(scale.x(std::max(c.x1, c.x2)));
        int const bottom = c.y1 == c.y2 ? top + w : whole(scale.y(std::max(c.y1, c.y2)));
        painter.fillRect(QRect(left, top, std::max(right - left, 1), std::max(bottom - top, 1)), colour);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, w, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(scale.x(c.x1), scale.y(c.y1)), QPointF(scale.x(c.x2), scale.y(c.y2)));
    painter.restore();
}

void ControlPainter::paintOle(QPainter& painter, Control const& c, ViewScale const& scale)
{
    QRect const r = scale.rect(c.left, c.top, c.width, c.height);
    painter.fillRect(r, toQColor(c.look.back.value_or(Color { 0xFF, 0xFF, 0xFF })));
    // The packaged document shows as its icon, at its own size scaled with the zoom, centred in
    // the box and cut off by it.
    QImage const& icon = guideDocumentIcon();
    if (icon.isNull() || r.isEmpty())
        return;
    QRect target(0, 0, whole(icon.width() * scale.zoom), whole(icon.height() * scale.zoom));
    target.moveCenter(r.center());
    painter.save();
    painter.setClipRect(r);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale.zoom != 1.0);
    painter.drawImage(target, icon);
    painter.restore();
}

} // namespace zelmora::qt
