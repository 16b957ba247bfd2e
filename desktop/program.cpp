// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.hpp"

#include "board_connection.hpp"
#include "font_setup.hpp"
#include "program/board_file/board_file.hpp"

#include <QMessageBox>

#include <cstdio>
#include <string>

namespace zelmora::qt {

Program::Program(int& argc, char** argv)
    : m_toolkit(argc, argv)
    , m_prepared(prepareToolkit())
{
    m_host.setBoardActions([this](Form& form) { return boardActionsFor(app(), form); });
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
    m_host.start();
}

void Program::openBoardFile(std::filesystem::path const& path)
{
    std::string bytes;
    LoadResult result = readBoardFileBytes(path, bytes);
    if (result.loaded())
        result = m_host.openSavedBoard(bytes);
    sayNotOpened(path.string(), result);
}

void Program::openShareLink(std::string const& link)
{
    sayNotOpened("the link", m_host.openShareLink(link));
}

void Program::sayNotOpened(std::string const& what, LoadResult const& result)
{
    if (result.loaded() || m_host.failed())
        return;
    std::fprintf(stderr, "zelmora: %s not opened: %s\n", what.c_str(), result.detail.c_str());
    auto* box
        = new QMessageBox(QMessageBox::Warning, QStringLiteral("Zelmora"), QString::fromStdString(result.message));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setLayoutDirection(Qt::RightToLeft);
    box->show();
}

} // namespace zelmora::qt
