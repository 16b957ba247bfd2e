// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qr_matrix.hpp"

#include <QWidget>

namespace zelmora::qt {

// A QR code drawn as large as the widget allows, black on white, in whole screen pixels per module
// so that no module's edge blurs, with the quiet zone of four modules that readers need around it.
class QrCodeWidget final : public QWidget {
public:
    QrCodeWidget(QrMatrix matrix, QWidget* parent);

    // Screen pixels on a module's side at the widget's present size; 0 when it is too small.
    int modulePixels() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QrMatrix m_matrix;
};

} // namespace zelmora::qt
