// SPDX-License-Identifier: GPL-3.0-or-later
#include "qr_code_widget.hpp"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zelmora::qt {

namespace {

constexpr int quietModules = 4;

} // namespace

QrCodeWidget::QrCodeWidget(QrMatrix matrix, QWidget* parent)
    : QWidget(parent)
    , m_matrix(std::move(matrix))
{
    setObjectName(QStringLiteral("qrCode"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(m_matrix.width + 2 * quietModules, m_matrix.width + 2 * quietModules);
}

int QrCodeWidget::modulePixels() const
{
    // In the screen's own pixels: on a scaled display a module of whole widget pixels would still
    // fall across device pixels.
    double const ratio = devicePixelRatioF();
    int const room = static_cast<int>(std::floor(std::min(width(), height()) * ratio));
    return room / (m_matrix.width + 2 * quietModules);
}

void QrCodeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    int const module = modulePixels();
    if (module == 0)
        return;
    double const ratio = devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    int const side = module * m_matrix.width;
    QPoint const corner(static_cast<int>(std::floor(width() * ratio) - side) / 2,
        static_cast<int>(std::floor(height() * ratio) - side) / 2);
    for (int row = 0; row < m_matrix.width; ++row)
        for (int column = 0; column < m_matrix.width; ++column)
            if (m_matrix.isDark(row, column))
                painter.fillRect(corner.x() + column * module, corner.y() + row * module, module, module, Qt::black);
}

} // namespace zelmora::qt
