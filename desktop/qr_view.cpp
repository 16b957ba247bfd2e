// SPDX-License-Identifier: GPL-3.0-or-later
#include "qr_view.hpp"

#include "board_commands.hpp"
#include "program/links/share_link.hpp"
#include "qr_code_widget.hpp"
#include "qr_matrix.hpp"

#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zelmora::qt {

namespace {

// The link may take this many lines under the code before it scrolls: the code, not its text, is
// what the back of the room reads.
constexpr int linkLinesShown = 4;

QLabel* heading(QString const& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

QrView::QrView(QString const& link, QWidget* parent)
    : QWidget(parent)
    , m_link(new QTextEdit(this))
{
    auto const& texts = shareLinkTexts;
    setObjectName(QStringLiteral("qrView"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);

    auto* column = new QVBoxLayout(this);
    column->addWidget(heading(qtText(texts.qrTitle), this));
    if (auto matrix = qrMatrixOf(link.toStdString())) {
        m_code = new QrCodeWidget(std::move(*matrix), this);
        m_code->setAccessibleName(qtText(texts.qrTitle));
        column->addWidget(m_code, 1);
    } else {
        m_tooLong = heading(qtText(texts.qrTooLong), this);
        m_tooLong->setObjectName(QStringLiteral("qrTooLong"));
        column->addWidget(m_tooLong, 1);
    }

    m_link->setObjectName(QStringLiteral("qrLink"));
    m_link->setAccessibleName(qtText(texts.title));
    m_link->setReadOnly(true);
    m_link->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_link->setLayoutDirection(Qt::LeftToRight);
    // Every line of the address starts on the left, also inside the right-to-left dialog.
    QTextOption lines(Qt::AlignLeft | Qt::AlignAbsolute);
    lines.setTextDirection(Qt::LeftToRight);
    m_link->document()->setDefaultTextOption(lines);
    // Set on the editor, which would otherwise put its own wrapping back into the document.
    m_link->setWordWrapMode(QTextOption::WrapAnywhere);
    m_link->setPlainText(link);
    m_link->setFrameShape(QFrame::NoFrame);
    m_link->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column->addWidget(m_link);
}

void QrView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitLinkHeight();
}

// As tall as the wrapped link, up to a few lines; the width the layout gives decides the lines.
void QrView::fitLinkHeight()
{
    QTextDocument* document = m_link->document();
    document->setTextWidth(m_link->viewport()->width());
    int const margin = static_cast<int>(std::ceil(document->documentMargin()));
    int const text = static_cast<int>(std::ceil(document->size().height())) - 2 * margin;
    int const most = linkLinesShown * m_link->fontMetrics().lineSpacing();
    m_link->setFixedHeight(std::min(text, most) + 2 * margin + 2 * m_link->frameWidth());
}

} // namespace zelmora::qt
