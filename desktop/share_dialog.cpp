// SPDX-License-Identifier: GPL-3.0-or-later
#include "share_dialog.hpp"

#include "board_commands.hpp"
#include "program/links/share_link.hpp"
#include "qr_view.hpp"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelmora::qt {

ShareDialog::ShareDialog(QString const& link, QWidget* parent)
    : QDialog(parent)
    , m_explanation(new QLabel(this))
    , m_link(new QLineEdit(link, this))
    , m_qrView(new QrView(link, this))
{
    auto const& texts = shareLinkTexts;
    setObjectName(QStringLiteral("shareDialog"));
    setWindowTitle(qtText(texts.title));
    setLayoutDirection(Qt::RightToLeft);

    m_explanation->setText(qtText(texts.explanation));
    m_explanation->setTextFormat(Qt::PlainText);
    m_explanation->setWordWrap(true);

    // An address reads left to right inside the Arabic dialog, from its start, and can be selected
    // but not changed: a link edited by hand would open a different board or none.
    m_link->setObjectName(QStringLiteral("shareLink"));
    m_link->setAccessibleName(qtText(texts.title));
    m_link->setReadOnly(true);
    m_link->setLayoutDirection(Qt::LeftToRight);
    m_link->setAlignment(Qt::AlignLeft);

    auto* buttons = new QDialogButtonBox(this);
    m_copy = buttons->addButton(qtText(texts.copy), QDialogButtonBox::ActionRole);
    m_qr = buttons->addButton(qtText(texts.qrCode), QDialogButtonBox::ActionRole);
    m_close = buttons->addButton(qtText(texts.close), QDialogButtonBox::RejectRole);
    m_copy->setDefault(true);
    m_qr->setObjectName(QStringLiteral("qrButton"));
    m_qr->setCheckable(true);
    connect(m_copy, &QPushButton::clicked, this, &ShareDialog::copyLink);
    connect(m_qr, &QPushButton::toggled, this, &ShareDialog::showQrCode);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_explanation);
    column->addWidget(m_link);
    column->addWidget(m_qrView, 1);
    column->addWidget(buttons);
    m_qrView->hide();
    // Selected whole for Ctrl+C, with the cursor at its start: the field then shows the site the
    // link opens, not the end of its code.
    m_link->setFocus();
    m_link->setSelection(static_cast<int>(link.size()), -static_cast<int>(link.size()));
    setMinimumWidth(520);
}

void ShareDialog::reject()
{
    if (m_qr->isChecked())
        m_qr->setChecked(false);
    else
        QDialog::reject();
}

void ShareDialog::showQrCode(bool shown)
{
    m_explanation->setVisible(!shown);
    m_link->setVisible(!shown);
    m_qrView->setVisible(shown);
    // The hidden link field gives the keyboard up: to the button, whose Space brings it back.
    m_qr->setFocus();
    if (shown) {
        showFullScreen();
        return;
    }
    showNormal();
    adjustSize();
}

void ShareDialog::copyLink()
{
    QGuiApplication::clipboard()->setText(m_link->text());
    m_copy->setText(qtText(shareLinkTexts.copied));
}

} // namespace zelmora::qt
