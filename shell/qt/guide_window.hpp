// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>

namespace zelmora::qt {

// The teacher's guide, shown read-only and laid out right to left. The document is compiled into
// the program; it is never read from or written to a file.
class GuideWindow final : public QTextBrowser {
    Q_OBJECT
public:
    explicit GuideWindow(QWidget* parent = nullptr);

    // Where the guide lies among the program's resources.
    static QUrl documentUrl();
};

} // namespace zelmora::qt
