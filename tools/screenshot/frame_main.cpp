// SPDX-License-Identifier: GPL-3.0-or-later
// zelmora-frame-screenshot SCRIPT WINDOW OUT.png [with-band|band-only|goal-dialog|share-qr]: runs
// a zelmora-script, then shows WINDOW as the program's board window, with its toolbar, and grabs
// it to a PNG file. With "with-band" the algebra band is shown under the board; "band-only" keeps
// just the band; "goal-dialog" opens the window's goal dialog from its toolbar and grabs that;
// "share-qr" opens its share dialog and turns it into the link's QR code on the whole screen.
//
// The script runs with no display; its board, with the task the script gave it, is then carried
// into the real window through a saved file, the way a teacher's file would be, so that the
// picture shows the program's own window and band text rather than a copy of them.

#include "desktop/board_frame.hpp"
#include "desktop/form_view.hpp"
#include "desktop/goal_dialog.hpp"
#include "desktop/program.hpp"
#include "desktop/share_dialog.hpp"
#include "program/session.hpp"
#include "tools/script/script_runner.hpp"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <fstream>
#include <iostream>
#include <string>

namespace {

enum class Band { Hidden, Shown, Alone, GoalDialog, ShareQr };

bool readBand(int argc, char** argv, Band& band)
{
    if (argc == 4)
        return true;
    std::string const word = argv[4];
    if (word == "with-band")
        band = Band::Shown;
    else if (word == "band-only")
        band = Band::Alone;
    else if (word == "goal-dialog")
        band = Band::GoalDialog;
    else if (word == "share-qr")
        band = Band::ShareQr;
    else
        return false;
    return true;
}

// The board the script leaves in WINDOW, as a saved board's text; "" with a message when the
// script fails or leaves the window closed.
std::string scriptedBoard(char const* scriptPath, std::string const& window)
{
    std::ifstream script(scriptPath);
    if (!script) {
        std::cerr << "zelmora-frame-screenshot: cannot read " << scriptPath << "\n";
        return {};
    }
    zelmora::ScriptRunner runner(std::cout, std::cerr);
    if (runner.run(script) != zelmora::ScriptRunner::Ran)
        return {};
    zelmora::Application* app = runner.application();
    zelmora::Form const* form = app ? app->window(window) : nullptr;
    if (!form) {
        std::cerr << "zelmora-frame-screenshot: the window " << window << " is not open when the script ends\n";
        return {};
    }
    return zelmora::Session::savedFile(*form);
}

} // namespace

int main(int argc, char** argv)
{
    Band band = Band::Hidden;
    if (argc < 4 || argc > 5 || !readBand(argc, argv, band)) {
        std::cerr
            << "usage: zelmora-frame-screenshot SCRIPT WINDOW OUT.png [with-band|band-only|goal-dialog|share-qr]\n";
        return 2;
    }
    std::string const window = argv[2];
    std::string const board = scriptedBoard(argv[1], window);
    if (board.empty())
        return 2;

    // No display is needed: the window is grabbed off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    zelmora::qt::Program program(argc, argv);
    program.start();
    zelmora::LoadResult const loaded = program.host().openSavedBoard(board);
    zelmora::Form* form = program.app().window(window);
    zelmora::qt::BoardFrame* frame = form ? program.host().frameOf(*form) : nullptr;
    if (!loaded.loaded() || !frame) {
        std::cerr << "zelmora-frame-screenshot: " << window << " has no board window to show (" << loaded.detail
                  << ")\n";
        return 2;
    }
    frame->setAlgebraShown(band != Band::Hidden);
    frame->show();
    QApplication::processEvents();
    QWidget* shown = frame;
    if (band == Band::Alone)
        shown = frame->findChild<QWidget*>(QStringLiteral("algebraBand"));
    if (band == Band::GoalDialog) {
        frame->action(zelmora::qt::BoardCommand::Goal)->trigger();
        shown = frame->findChild<zelmora::qt::GoalDialog*>();
        if (!shown) {
            std::cerr << "zelmora-frame-screenshot: " << window << " offers no goal dialog\n";
            return 2;
        }
        QApplication::processEvents();
    }
    if (band == Band::ShareQr) {
        frame->action(zelmora::qt::BoardCommand::Share)->trigger();
        auto* dialog = frame->findChild<zelmora::qt::ShareDialog*>();
        if (!dialog) {
            std::cerr << "zelmora-frame-screenshot: " << window << " offers no share dialog\n";
            return 2;
        }
        dialog->qrButton()->click();
        QApplication::processEvents();
        shown = dialog;
    }
    // The highest compression: the pictures ship inside the program and the site.
    if (!shown->grab().toImage().save(QString::fromLocal8Bit(argv[3]), "PNG", 0)) {
        std::cerr << "zelmora-frame-screenshot: cannot write " << argv[3] << "\n";
        return 2;
    }
    return 0;
}
