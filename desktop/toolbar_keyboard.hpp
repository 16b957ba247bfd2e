// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QToolBar;
class QToolButton;

namespace zelmora::qt {

// The toolbar for a learner without a mouse. F6 (or Ctrl+F6) carries the focus from the board to
// the toolbar's first button and back, as desktop programs do; in the toolbar the arrows move
// between the buttons, Enter and Space press the one that has the focus, and Escape goes back to
// the board. The buttons take no focus from the mouse, so a click on them leaves it on the board.
class ToolbarKeyboard final : public QObject {
    Q_OBJECT
public:
    ToolbarKeyboard(QToolBar* toolbar, QWidget* board);

    // Every toolbar button is to be reached this way; the toolbar asks for each as it is added.
    void watch(QToolButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void toggle();
    QList<QToolButton*> reachable() const;
    void step(QToolButton* from, int by);

    QToolBar* m_toolbar;
    QWidget* m_board;
};

} // namespace zelmora::qt
