// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt_host.hpp"
#include "runtime/application.hpp"

#include <QApplication>

#include <filesystem>
#include <string>

namespace zelmora::qt {

// The program as it starts: the toolkit set up for Zelmora (its name, right-to-left layout, the
// font substitutions), and the host with its windows around the program's session.
class Program {
public:
    Program(int& argc, char** argv);

    // Shows the start window, as the program does at launch.
    void start();
    // Opens a saved board on the board it belongs to, over the menu; a refused file is said in a
    // message box and leaves every window as it was.
    void openBoardFile(std::filesystem::path const&);
    // The same for a shared link.
    void openShareLink(std::string const& link);
    int exec() { return QApplication::exec(); }

    QtHost& host() { return m_host; }
    // Once started.
    Application& app() { return *m_host.application(); }

private:
    static bool prepareToolkit();
    // Says in a message box why what was named is not opened, unless the program has ended.
    void sayNotOpened(std::string const& what, LoadResult const&);

    QApplication m_toolkit;
    bool m_prepared;
    QtHost m_host;
};

} // namespace zelmora::qt
