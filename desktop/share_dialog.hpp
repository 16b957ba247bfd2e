// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zelmora::qt {

class QrView;

// Hands out the link that opens a board window, as it stood when the dialog opened, with its task
// in the browser edition: the link to select or copy, and a word that it was copied. The words
// and the link come from the program. Its QR code button turns the dialog into the link's code on
// the whole screen, for a class to read off a projector; the same button, Escape or Close bring
// the dialog back.
class ShareDialog final : public QDialog {
public:
    ShareDialog(QString const& link, QWidget* parent);

    QLineEdit* linkField() const { return m_link; }
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* closeButton() const { return m_close; }
    QPushButton* qrButton() const { return m_qr; }
    QrView* qrView() const { return m_qrView; }

    // Escape and Close leave the QR code before they leave the dialog.
    void reject() override;

private:
    void copyLink();
    void showQrCode(bool shown);

    QLabel* m_explanation;
    QLineEdit* m_link;
    QrView* m_qrView;
    QPushButton* m_copy;
    QPushButton* m_close;
    QPushButton* m_qr;
};

} // namespace zelmora::qt
