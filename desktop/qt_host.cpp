// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_host.hpp"

#include "board_frame.hpp"
#include "form_view.hpp"
#include "guide_window.hpp"
#include "runtime/runtime_error.hpp"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QScreen>

#include <exception>

namespace zelmora::qt {

QtHost::QtHost()
    : m_onError([](QString const& message) { QMessageBox::critical(nullptr, "Zelmora", message); })
    , m_onEnd([](int status) {
        // Queued, so that a program that ends before the loop runs still leaves it at once.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
    })
{
    installAccessibleForms();
}

namespace {

// Boards have a title bar and get the tools around them; the menu, frameless, stays as designed.
bool hasBoardTools(WindowDesign const& window)
{
    return window.titled;
}

} // namespace

QtHost::~QtHost()
{
    for (auto& [form, view] : m_views)
        delete view->window();
}

void QtHost::attach(Application& app)
{
    m_app = &app;
}

void QtHost::setErrorHandler(std::function<void(QString const&)> handler)
{
    m_onError = std::move(handler);
}

void QtHost::setEndHandler(std::function<void(int)> handler)
{
    m_onEnd = std::move(handler);
}

void QtHost::deliver(std::function<void()> const& input)
{
    if (m_failed || m_ended)
        return;
    m_accessibility.before(*m_app);
    try {
        input();
    } catch (RuntimeError const& e) {
        fail(QString::fromStdString(e.what()));
    } catch (std::exception const& e) {
        fail(QString::fromStdString(e.what()));
    }
    repaintAll();
    if (!m_failed)
        m_accessibility.after(*m_app, [this](Form const& form) { return viewOf(form); });
}

void QtHost::fail(QString const& message)
{
    m_failed = true;
    m_onError(message);
    m_onEnd(1);
}

void QtHost::setBoardActions(std::function<BoardActions(Form&)> actions)
{
    m_boardActions = std::move(actions);
}

void QtHost::repaintAll()
{
    for (auto& [form, view] : m_views) {
        view->update();
        if (auto* frame = qobject_cast<BoardFrame*>(view->window()))
            frame->refresh();
    }
}

FormView* QtHost::viewOf(Form const& form) const
{
    auto const found = m_views.find(&form);
    return found == m_views.end() ? nullptr : found->second;
}

BoardFrame* QtHost::frameOf(Form const& form) const
{
    FormView* view = viewOf(form);
    return view ? qobject_cast<BoardFrame*>(view->window()) : nullptr;
}

void QtHost::beep()
{
    m_sound.bell();
}

void QtHost::openGuide()
{
    if (!m_guide)
        m_guide = std::make_unique<GuideWindow>();
    m_guide->show();
    m_guide->raise();
    m_guide->activateWindow();
}

void QtHost::windowShown(Form& form)
{
    auto* view = new FormView(*this, *m_app, form);
    m_views[&form] = view;
    QWidget* window = view;
    if (hasBoardTools(form.window())) {
        auto* frame = new BoardFrame(*this, view);
        if (m_boardActions)
            frame->setActions(m_boardActions(form));
        window = frame;
    }
    if (form.window().placement == WindowPlacement::CenteredOnScreen) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(0, 0), window->size());
            frame.moveCenter(screen->availableGeometry().center());
            window->move(frame.topLeft());
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void QtHost::windowRaised(Form& form)
{
    if (FormView* view = viewOf(form)) {
        QWidget* window = view->window();
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void QtHost::windowClosed(Form& form)
{
    auto const found = m_views.find(&form);
    if (found == m_views.end())
        return;
    FormView* view = found->second;
    m_views.erase(found);
    // The Form is destroyed once the current event has run; the view lets go of it now.
    view->formClosed();
    QWidget* window = view->window();
    window->hide();
    window->deleteLater();
    // With its last window gone the program has nothing left to show; a window shown later in
    // the same event (the menu coming back) keeps it running.
    QMetaObject::invokeMethod(
        &m_queue,
        [this] {
            if (m_app && m_app->running() && m_app->windowsFrontToBack().empty())
                deliver([this] { m_app->end(); });
        },
        Qt::QueuedConnection);
}

void QtHost::programEnded()
{
    if (m_ended)
        return;
    m_ended = true;
    // The guide is one of the program's windows too.
    if (m_guide)
        m_guide->close();
    m_onEnd(0);
}

} // namespace zelmora::qt
