// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "program/tasks/goal_editor.hpp"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zelmora {
class Form;
}

namespace zelmora::qt {

class QtHost;

// The teacher's goal for one board window: the kind of goal, the expression with a live preview
// under it, and an optional question for the learner. Every word, every kind offered, the preview
// and whether the goal can be set come from the program; the goal is set or removed through the
// host's session. Opened filled with the goal the window holds, if any.
class GoalDialog final : public QDialog {
    Q_OBJECT
public:
    GoalDialog(QtHost&, Form&, QWidget* parent);

    QComboBox* kinds() const { return m_kinds; }
    QLineEdit* expression() const { return m_expression; }
    QLineEdit* prompt() const { return m_prompt; }
    QLabel* preview() const { return m_preview; }
    QPushButton* setButton() const { return m_set; }
    QPushButton* removeButton() const { return m_remove; }
    // Whether the preview shows why the goal cannot be set.
    bool showsProblem() const;

private:
    void fillWithHeldGoal(Form const&);
    // Asks the program what it makes of the fields as they stand.
    void refresh();
    void showPreview(QString const& text, bool problem);
    void setGoal();
    void removeGoal();
    // The window, while it is still open.
    Form* form() const;
    GoalKind chosenKind() const;

    QtHost& m_host;
    std::string m_window;
    std::vector<GoalKindChoice> m_choices;
    QComboBox* m_kinds;
    QLineEdit* m_expression;
    QLineEdit* m_prompt;
    QLabel* m_preview;
    QPushButton* m_set;
    QPushButton* m_remove;
};

} // namespace zelmora::qt
