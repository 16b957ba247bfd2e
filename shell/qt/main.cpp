// zelmora: the program, with a real window for every open window of the runtime.

#include "font_setup.hpp"
#include "qt_host.hpp"
#include "shell/runtime/application.hpp"
#include "shell/windows.hpp"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName("Zelmora");
    QApplication::setLayoutDirection(Qt::RightToLeft);
    zelmora::qt::installFontSubstitutions();

    zelmora::qt::QtHost host;
    zelmora::Application app(host, &zelmora::createWindow);
    host.attach(app);
    host.deliver([&] { app.show(zelmora::startWindowName()); });
    return QApplication::exec();
}
