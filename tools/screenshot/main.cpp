// SPDX-License-Identifier: GPL-3.0-or-later
// zelmora-screenshot SCRIPT WINDOW OUT.png [ZOOM]: runs a zelmora-script, then renders WINDOW as
// the program's view paints it, at ZOOM (1 when not given), to a PNG file.

#include "desktop/font_setup.hpp"
#include "desktop/form_painter.hpp"
#include "tools/script/script_runner.hpp"

#include <QApplication>
#include <QImage>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 4 || argc > 5) {
        std::cerr << "usage: zelmora-screenshot SCRIPT WINDOW OUT.png [ZOOM]\n";
        return 2;
    }
    // No display is needed: the window is painted into an image.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    zelmora::qt::installFontSubstitutions();

    double zoom = 1.0;
    if (argc == 5) {
        char* end = nullptr;
        zoom = std::strtod(argv[4], &end);
        if (!end || *end != '\0' || !(zoom > 0.05 && zoom <= 8)) {
            std::cerr << "zelmora-screenshot: the zoom must be a number from 0.05 to 8, not " << argv[4] << "\n";
            return 2;
        }
    }

    std::ifstream script(argv[1]);
    if (!script) {
        std::cerr << "zelmora-screenshot: cannot read " << argv[1] << "\n";
        return 2;
    }
    zelmora::ScriptRunner runner(std::cout, std::cerr);
    if (auto const status = runner.run(script); status != zelmora::ScriptRunner::Ran)
        return status;

    zelmora::Application* app = runner.application();
    zelmora::Form* form = app ? app->window(argv[2]) : nullptr;
    if (!form) {
        std::cerr << "zelmora-screenshot: the window " << argv[2] << " is not open when the script ends\n";
        return 2;
    }
    zelmora::qt::FormPainter painter;
    QImage const image = painter.render(*form, zoom, app->drag());
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::cerr << "zelmora-screenshot: cannot write " << argv[3] << "\n";
        return 2;
    }
    return 0;
}
