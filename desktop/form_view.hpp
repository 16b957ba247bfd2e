// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form_painter.hpp"
#include "runtime/application.hpp"
#include "runtime/form.hpp"

#include <QWidget>

#include <optional>

namespace zelmora::qt {

class QtHost;

// The top-level widget of one open window: paints its Form and turns pointer and key input
// into the program's input, in twips. It decides nothing itself.
class FormView : public QWidget {
    Q_OBJECT
public:
    FormView(QtHost&, Application&, Form&);

    // Null once the window has been unloaded.
    Form* form() const { return m_form; }
    void formClosed() { m_form = nullptr; }

    // Resizes the view so that its client area is shown at this zoom.
    void setZoom(double zoom);
    // Resizes the view to `size` pixels; inside a board's window, the window grows or shrinks
    // around it.
    void setBoardSize(QSize size);
    // The client area at zoom 1.
    QSize sizeHint() const override;
    ViewScale scale() const;

protected:
    bool event(QEvent*) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    void press(QMouseEvent const&);
    Single twipsX(QPointF const&) const;
    Single twipsY(QPointF const&) const;

    QtHost& m_host;
    Application& m_app;
    Form* m_form;
    FormPainter m_painter;
};

} // namespace zelmora::qt
