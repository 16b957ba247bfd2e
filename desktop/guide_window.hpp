// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>

namespace zelmora::qt {

// The teacher's guide, shown read-only and laid out right to left. The document is compiled into
// the program; it is never read from or written to a file. It zooms as a whole, text and pictures
// alike (Ctrl+plus, Ctrl+minus, Ctrl+0, Ctrl+wheel), for a projector.
class GuideWindow final : public QTextBrowser {
    Q_OBJECT
public:
    explicit GuideWindow(QWidget* parent = nullptr);

    // Where the guide lies among the program's resources.
    static QUrl documentUrl();

    double zoom() const { return m_zoom; }
    // Kept between the smallest and the largest zoom the guide offers.
    void setZoom(double zoom);
    void zoomBy(int steps);

protected:
    void wheelEvent(QWheelEvent*) override;

private:
    // Scales every font size and picture of the loaded document by `factor`.
    void scaleDocument(double factor);

    double m_zoom = 1.0;
};

} // namespace zelmora::qt
