// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <string>

class QTreeWidget;

namespace zelmora::qt {

class LessonLibrary;

// The built-in lessons as a list, grouped by board with the asking board's group first, each
// lesson marked when this user solved it. Choosing one (a double click, or Enter) closes the list
// with its id.
class LessonList final : public QDialog {
public:
    LessonList(LessonLibrary const&, std::string const& fromWindow, QWidget* parent);
    std::string chosen() const { return m_chosen; }
    QTreeWidget* tree() const { return m_tree; }

private:
    void choose();

    QTreeWidget* m_tree;
    std::string m_chosen;
};

} // namespace zelmora::qt
