// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace zelmora::qt {

// Hands out the link that opens a board window, as it stood when the dialog opened, with its task
// in the browser edition: the link to select or copy, and a word that it was copied. The words
// and the link come from the program.
class ShareDialog final : public QDialog {
public:
    ShareDialog(QString const& link, QWidget* parent);

    QLineEdit* linkField() const { return m_link; }
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* closeButton() const { return m_close; }

private:
    void copyLink();

    QLineEdit* m_link;
    QPushButton* m_copy;
    QPushButton* m_close;
};

} // namespace zelmora::qt
