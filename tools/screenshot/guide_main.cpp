// SPDX-License-Identifier: GPL-3.0-or-later
// zelmora-guide-screenshot OUT.png [WIDTH HEIGHT]: the teacher's guide window as it first opens,
// painted to a PNG file, for the documentation.

#include "desktop/font_setup.hpp"
#include "desktop/guide_window.hpp"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 4) {
        std::cerr << "usage: zelmora-guide-screenshot OUT.png [WIDTH HEIGHT]\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    QApplication::setLayoutDirection(Qt::RightToLeft);
    zelmora::qt::installFontSubstitutions();

    zelmora::qt::GuideWindow guide;
    if (argc == 4)
        guide.resize(std::atoi(argv[2]), std::atoi(argv[3]));
    guide.show();
    QApplication::processEvents();
    if (!guide.grab().toImage().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::cerr << "zelmora-guide-screenshot: cannot write " << argv[1] << "\n";
        return 2;
    }
    return 0;
}
