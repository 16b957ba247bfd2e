// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.hpp"

#include "board_connection.hpp"
#include "font_setup.hpp"
#include "program/open_saved_board.hpp"
#include "program/windows.hpp"

#include <QMessageBox>

#include <cstdio>

namespace zelmora::qt {

Program::Program(int& argc, char** argv)
    : m_toolkit(argc, argv)
    , m_prepared(prepareToolkit())
    , m_app(m_host, &createWindow)
{
    m_host.attach(m_app);
    m_host.setBoardActions([this](Form& form) { return boardActionsFor(m_app, form); });
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

void Program::openBoardFile(std::filesystem::path const& path)
{
    LoadResult result;
    m_host.deliver([&] { result = openSavedBoardFile(m_app, path); });
    if (result.loaded() || m_host.failed())
        return;
    std::fprintf(stderr, "zelmora: %s not opened: %s\n", path.c_str(), result.detail.c_str());
    auto* box
        = new QMessageBox(QMessageBox::Warning, QStringLiteral("Zelmora"), QString::fromStdString(result.message));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setLayoutDirection(Qt::RightToLeft);
    box->show();
}

} // namespace zelmora::qt
