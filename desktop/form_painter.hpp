// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_painter.hpp"
#include "runtime/application.hpp"
#include "runtime/form.hpp"
#include "twips.hpp"

#include <QImage>
#include <QSize>

#include <optional>

class QPainter;

namespace zelmora::qt {

// Paints a window's client area: the back colour, the lower layer in stacking order, the upper
// layer, and the outline of a drag in progress. One per view: it keeps the drawn looks.
class FormPainter {
public:
    // The client area scaled to fit a view of `size` pixels, centred in it.
    static ViewScale scaleFor(Form const&, QSize size);

    void paint(QPainter&, Form const&, QSize size, std::optional<DragInProgress> const& drag);
    // The client area alone at a zoom, as the view paints it.
    QImage render(Form const&, double zoom, std::optional<DragInProgress> const& drag);

private:
    ControlPainter m_controls;
};

} // namespace zelmora::qt
