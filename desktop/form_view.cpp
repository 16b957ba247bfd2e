// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_view.hpp"

#include "pictures.hpp"
#include "qt_host.hpp"
#include "runtime_key.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zelmora::qt {

namespace {

std::optional<MouseButton> buttonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

} // namespace

FormView::FormView(QtHost& host, Application& app, Form& form)
    : m_host(host)
    , m_app(app)
    , m_form(&form)
{
    WindowDesign const& window = form.window();
    setWindowTitle(QString::fromStdString(window.caption));
    // Inside a board's window, beside its toolbar and band, the board is found by the same name.
    setAccessibleName(QString::fromStdString(window.caption));
    if (window.hasIcon)
        setWindowIcon(zelmora::qt::windowIcon()); // not QWidget::windowIcon(), the current one
    if (!window.titled)
        setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setZoom(1.0);
}

void FormView::setZoom(double zoom)
{
    if (m_form)
        setBoardSize(ViewScale::clientPixels(m_form->window().clientWidth, m_form->window().clientHeight, zoom));
}

void FormView::setBoardSize(QSize size)
{
    if (isWindow())
        resize(size);
    else
        window()->resize(window()->size() + (size - this->size()));
}

QSize FormView::sizeHint() const
{
    return m_form ? ViewScale::clientPixels(m_form->window().clientWidth, m_form->window().clientHeight, 1.0)
                  : QWidget::sizeHint();
}

ViewScale FormView::scale() const
{
    return m_form ? FormPainter::scaleFor(*m_form, size()) : ViewScale {};
}

Single FormView::twipsX(QPointF const& p) const
{
    return scale().twipsX(p.x());
}

Single FormView::twipsY(QPointF const& p) const
{
    return scale().twipsY(p.y());
}

bool FormView::event(QEvent* event)
{
    // Tab and Shift+Tab belong to the window's own tab order, not to Qt's focus chain.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

bool FormView::focusNextPrevChild(bool)
{
    return false;
}

void FormView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_form) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    m_painter.paint(painter, *m_form, size(), m_app.drag());
}

void FormView::mousePressEvent(QMouseEvent* event)
{
    press(*event);
}

void FormView::press(QMouseEvent const& event)
{
    auto const button = buttonOf(event.button());
    if (!m_form || !button)
        return;
    Form& form = *m_form;
    Single const x = twipsX(event.position());
    Single const y = twipsY(event.position());
    m_host.deliver([&] { m_app.mouseDown(form, x, y, *button); });
}

void FormView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_form)
        return;
    Form& form = *m_form;
    Single const x = twipsX(event->position());
    Single const y = twipsY(event->position());
    m_host.deliver([&] { m_app.mouseMove(form, x, y); });
}

void FormView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_form || !buttonOf(event->button()))
        return;
    // The pressed view gets the release wherever it happens; it belongs to the window under the
    // pointer, or to none when the pointer is outside every window. Inside this view the release
    // is mapped exactly as the press and the moves were: the global position went through the
    // rounding of the window's origin under a display scale, and may lie a pixel off.
    FormView* under = this;
    QPointF local = event->position();
    if (!rect().contains(local.toPoint())) {
        under = qobject_cast<FormView*>(QApplication::widgetAt(event->globalPosition().toPoint()));
        if (under && !under->form())
            under = nullptr;
        local = under ? under->mapFromGlobal(event->globalPosition()) : QPointF();
    }
    Form* const target = under ? under->form() : nullptr;
    Single const x = under ? under->twipsX(local) : 0;
    Single const y = under ? under->twipsY(local) : 0;
    m_host.deliver([&] { m_app.mouseUp(target, x, y); });
}

void FormView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // On a real display Qt hands a widget the double click in place of the second press, so the
    // press it stands for goes first: two quick clicks on a button stay two clicks, and a tile
    // pressed again at once is taken up for a drag.
    press(*event);
    if (!m_form || !buttonOf(event->button()))
        return;
    Form& form = *m_form;
    Single const x = twipsX(event->position());
    Single const y = twipsY(event->position());
    m_host.deliver([&] { m_app.doubleClick(form, x, y); });
}

void FormView::keyPressEvent(QKeyEvent* event)
{
    // The repeats of a held key that must not act have stopped at the window (HeldKeyFilter).
    auto const key = runtimeKeyOf(*event);
    if (!m_form || !key) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form& form = *m_form;
    m_host.deliver([&] { m_app.key(form, *key); });
}

void FormView::closeEvent(QCloseEvent* event)
{
    // The runtime unloads the window, and the host then deletes this view.
    event->ignore();
    if (!m_form || !m_form->window().titled)
        return;
    Form& form = *m_form;
    m_host.deliver([&] { m_app.closeBox(form); });
}

} // namespace zelmora::qt
