// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QTextEdit;

namespace zelmora::qt {

class QrCodeWidget;

// A link as a QR code filling the room it is given, for a class to read off a projector, with the
// link written under it: left to right, wrapped anywhere (a link has no spaces to wrap at) and
// selectable. A link no QR code can hold gets the program's message in place of the code.
class QrView final : public QWidget {
public:
    QrView(QString const& link, QWidget* parent);

    // The code, or null when the link is too long for one.
    QrCodeWidget* code() const { return m_code; }
    QLabel* tooLong() const { return m_tooLong; }
    QTextEdit* linkText() const { return m_link; }

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    void fitLinkHeight();

    QrCodeWidget* m_code = nullptr;
    QLabel* m_tooLong = nullptr;
    QTextEdit* m_link;
};

} // namespace zelmora::qt
