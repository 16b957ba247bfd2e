// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson_list.hpp"

#include "lesson_library.hpp"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zelmora::qt {

namespace {

constexpr int idRole = Qt::UserRole;

QString text(std::string_view words)
{
    return QString::fromUtf8(words.data(), static_cast<qsizetype>(words.size()));
}

} // namespace

LessonList::LessonList(LessonLibrary const& library, std::string const& fromWindow, QWidget* parent)
    : QDialog(parent)
    , m_tree(new QTreeWidget(this))
{
    auto const& words = lessonListTexts();
    setWindowTitle(text(words.title));
    setLayoutDirection(Qt::RightToLeft);
    m_tree->setColumnCount(2);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    for (BoardLessons const* group : lessonGroupsFrom(library.lessons(), fromWindow)) {
        auto* heading = new QTreeWidgetItem(m_tree, { QString::fromStdString(group->name) });
        heading->setFlags(Qt::ItemIsEnabled);
        QFont bold = heading->font(0);
        bold.setBold(true);
        heading->setFont(0, bold);
        for (Lesson const& lesson : group->lessons) {
            auto* item = new QTreeWidgetItem(heading,
                { QString::fromStdString(lesson.title), library.solved(lesson.id) ? text(words.solved) : QString() });
            item->setData(0, idRole, QString::fromStdString(lesson.id));
        }
        heading->setExpanded(true);
    }
    if (m_tree->topLevelItemCount() > 0 && m_tree->topLevelItem(0)->childCount() > 0)
        m_tree->setCurrentItem(m_tree->topLevelItem(0)->child(0));
    connect(m_tree, &QTreeWidget::itemActivated, this, [this] { choose(); });

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text(words.close), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tree);
    layout->addWidget(buttons);
    resize(460, 560);
}

void LessonList::choose()
{
    QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || !item->data(0, idRole).isValid())
        return;
    m_chosen = item->data(0, idRole).toString().toStdString();
    accept();
}

} // namespace zelmora::qt
