// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide_window.hpp"

#include "pictures.hpp"

#include <QAction>
#include <QImage>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextOption>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace zelmora::qt {

namespace {

constexpr double zoomStep = 1.2;
constexpr double smallestZoom = 0.5;
constexpr double largestZoom = 4.0;

// The guide is a printed page on screen: dark text on white, whatever the desktop's colours, so
// that the document's own coloured headings and notes stay readable on a dark palette too.
QPalette pagePalette(QPalette palette)
{
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Text, QColor(0x1A, 0x1A, 0x1A));
        palette.setColor(group, QPalette::Link, QColor(0x1F, 0x3A, 0x93));
        palette.setColor(group, QPalette::LinkVisited, QColor(0x5B, 0x2C, 0x83));
    }
    return palette;
}

// The size a picture is shown at: as the document sets it, else the picture's own.
QSizeF shownSize(QTextDocument& doc, QTextImageFormat const& image)
{
    if (image.width() > 0)
        return { image.width(), image.height() > 0 ? image.height() : 1.0 };
    QVariant const resource = doc.resource(QTextDocument::ImageResource, QUrl(image.name()));
    QImage const picture = resource.canConvert<QImage>() ? resource.value<QImage>() : QImage();
    return picture.deviceIndependentSize();
}

} // namespace

GuideWindow::GuideWindow(QWidget* parent)
    : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Zelmora: دليل المعلم"));
    setWindowIcon(zelmora::qt::windowIcon()); // not QWidget::windowIcon(), the current one
    setLayoutDirection(Qt::RightToLeft);
    setPalette(pagePalette(palette()));
    setReadOnly(true);
    // Links inside the guide jump to its sections; it has no links out of the program.
    setOpenExternalLinks(false);
    setOpenLinks(true);
    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    document()->setDefaultTextOption(option);
    setSource(documentUrl());
    resize(860, 680);

    auto addZoomKeys = [this](QList<QKeySequence> const& keys, auto const& change) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, change);
        addAction(action);
    };
    addZoomKeys(
        { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) }, [this] { zoomBy(1); });
    addZoomKeys({ QKeySequence(Qt::CTRL | Qt::Key_Minus) }, [this] { zoomBy(-1); });
    addZoomKeys({ QKeySequence(Qt::CTRL | Qt::Key_0) }, [this] { setZoom(1.0); });
}

QUrl GuideWindow::documentUrl()
{
    return QUrl(QStringLiteral("qrc:/guide/guide.html"));
}

void GuideWindow::zoomBy(int steps)
{
    setZoom(m_zoom * std::pow(zoomStep, steps));
}

void GuideWindow::setZoom(double zoom)
{
    double const next = std::clamp(zoom, smallestZoom, largestZoom);
    if (next == m_zoom)
        return;
    scaleDocument(next / m_zoom);
    m_zoom = next;
}

void GuideWindow::scaleDocument(double factor)
{
    QTextDocument* doc = document();
    QFont font = doc->defaultFont();
    font.setPointSizeF(font.pointSizeF() * factor);
    doc->setDefaultFont(font);

    // Sizes the document sets itself (headings, captions, pictures) are scaled where they stand.
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextFragment const fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                QTextImageFormat image = format.toImageFormat();
                QSizeF const size = shownSize(*doc, image);
                if (size.isEmpty())
                    continue;
                image.setWidth(size.width() * factor);
                // A picture given only a width keeps its proportions as it grows.
                if (image.height() > 0 || image.width() <= 0)
                    image.setHeight(size.height() * factor);
                format = image;
            } else if (format.hasProperty(QTextFormat::FontPointSize)) {
                format.setFontPointSize(format.fontPointSize() * factor);
            } else {
                continue;
            }
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    cursor.endEditBlock();
}

void GuideWindow::wheelEvent(QWheelEvent* event)
{
    // Ctrl+wheel zooms the whole page, not only its letters as the text view would.
    if (event->modifiers() & Qt::ControlModifier) {
        int const steps = event->angleDelta().y() / 120;
        if (steps != 0)
            zoomBy(steps);
        event->accept();
        return;
    }
    QTextBrowser::wheelEvent(event);
}

} // namespace zelmora::qt
