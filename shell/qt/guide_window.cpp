// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide_window.hpp"

#include "pictures.hpp"

#include <QTextDocument>
#include <QTextOption>

namespace zelmora::qt {

GuideWindow::GuideWindow(QWidget* parent)
    : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Zelmora: دليل المعلم"));
    setWindowIcon(zelmora::qt::windowIcon()); // not QWidget::windowIcon(), the current one
    setLayoutDirection(Qt::RightToLeft);
    setReadOnly(true);
    // Links inside the guide jump to its sections; it has no links out of the program.
    setOpenExternalLinks(false);
    setOpenLinks(true);
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    document()->setDefaultTextOption(option);
    setSource(documentUrl());
    resize(860, 680);
}

QUrl GuideWindow::documentUrl()
{
    return QUrl(QStringLiteral("qrc:/guide/guide.html"));
}

} // namespace zelmora::qt
