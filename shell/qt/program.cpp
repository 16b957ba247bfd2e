// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.hpp"

#include "font_setup.hpp"
#include "shell/windows.hpp"

namespace zelmora::qt {

Program::Program(int& argc, char** argv)
    : m_toolkit(argc, argv)
    , m_prepared(prepareToolkit())
    , m_app(m_host, &createWindow)
{
    m_host.attach(m_app);
}

bool Program::prepareToolkit()
{
    QApplication::setApplicationName("Zelmora");
    QApplication::setApplicationVersion(ZELMORA_VERSION);
    // Lets a desktop match the windows with the menu entry and its icon (Wayland's app id).
    QGuiApplication::setDesktopFileName("io.github.zelmora.Zelmora");
    QApplication::setLayoutDirection(Qt::RightToLeft);
    installFontSubstitutions();
    return true;
}

void Program::start()
{
    m_host.deliver([this] { m_app.show(startWindowName()); });
}

} // namespace zelmora::qt
