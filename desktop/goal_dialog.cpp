// SPDX-License-Identifier: GPL-3.0-or-later
#include "goal_dialog.hpp"

#include "board_commands.hpp"
#include "program/algebra_band.hpp"
#include "program/tasks/tasks.hpp"
#include "qt_host.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelmora::qt {

namespace {

QLabel* wrappedLabel(std::string_view text, QWidget* parent)
{
    auto* label = new QLabel(qtText(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// A field holding "(x+2)(x+3)" reads left to right, one holding "س^2+5س+6" right to left: each
// as its first letter goes, as the teacher typed it.
void followTypedDirection(QLineEdit* field)
{
    QString const text = field->text().isEmpty() ? field->placeholderText() : field->text();
    field->setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
}

} // namespace

GoalDialog::GoalDialog(QtHost& host, Form& form, QWidget* parent)
    : QDialog(parent)
    , m_host(host)
    , m_window(form.name())
    , m_choices(goalKindsFor(form))
    , m_kinds(new QComboBox(this))
    , m_expression(new QLineEdit(this))
    , m_prompt(new QLineEdit(this))
    , m_preview(new QLabel(this))
{
    auto const& texts = goalEditorTexts;
    setObjectName(QStringLiteral("goalDialog"));
    setWindowTitle(qtText(texts.title));
    setLayoutDirection(Qt::RightToLeft);

    for (GoalKindChoice const& choice : m_choices)
        m_kinds->addItem(qtText(choice.arabic));
    m_expression->setClearButtonEnabled(true);
    m_prompt->setLayoutDirection(Qt::RightToLeft);
    m_preview->setTextFormat(Qt::PlainText);
    m_preview->setWordWrap(true);
    m_preview->setObjectName(QStringLiteral("goalPreview"));
    // A screen reader reads the preview with the field it describes.
    m_expression->setAccessibleDescription(qtText(texts.expressionHelp));

    auto* fields = new QFormLayout;
    fields->addRow(qtText(texts.kind), m_kinds);
    fields->addRow(qtText(texts.expression), m_expression);
    fields->addRow(QString(), wrappedLabel(texts.expressionHelp, this));
    fields->addRow(qtText(texts.preview), m_preview);
    fields->addRow(qtText(texts.prompt), m_prompt);

    auto* buttons = new QDialogButtonBox(this);
    m_set = buttons->addButton(qtText(texts.set), QDialogButtonBox::AcceptRole);
    m_remove = buttons->addButton(qtText(texts.remove), QDialogButtonBox::DestructiveRole);
    buttons->addButton(qtText(texts.cancel), QDialogButtonBox::RejectRole);
    m_set->setDefault(true);
    connect(m_set, &QPushButton::clicked, this, &GoalDialog::setGoal);
    connect(m_remove, &QPushButton::clicked, this, &GoalDialog::removeGoal);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addWidget(buttons);

    fillWithHeldGoal(form);
    connect(m_kinds, &QComboBox::currentIndexChanged, this, &GoalDialog::refresh);
    connect(m_expression, &QLineEdit::textChanged, this, &GoalDialog::refresh);
    connect(m_prompt, &QLineEdit::textChanged, this, &GoalDialog::refresh);
    refresh();
    m_expression->setFocus();
    m_expression->selectAll();
    // Wide enough for the help's examples on one line: a line broken inside "(x+2)(x+3)" misleads.
    setMinimumWidth(620);
}

void GoalDialog::fillWithHeldGoal(Form const& form)
{
    auto const goal = goalOf(form);
    m_remove->setVisible(goal.has_value());
    if (!goal)
        return;
    for (std::size_t i = 0; i < m_choices.size(); ++i)
        if (m_choices[i].kind == goal->kind)
            m_kinds->setCurrentIndex(static_cast<int>(i));
    // As the teacher wrote it, which reads back as the same goal.
    m_expression->setText(QString::fromStdString(goal->written.empty() ? goalText(*goal) : goal->written));
    m_prompt->setText(QString::fromStdString(promptOf(form)));
}

Form* GoalDialog::form() const
{
    Application* app = m_host.application();
    return app ? app->window(m_window) : nullptr;
}

GoalKind GoalDialog::chosenKind() const
{
    int const index = m_kinds->currentIndex();
    return index < 0 ? GoalKind::Factor : m_choices[static_cast<std::size_t>(index)].kind;
}

bool GoalDialog::showsProblem() const
{
    return m_preview->property("problem").toBool();
}

void GoalDialog::refresh()
{
    int const index = m_kinds->currentIndex();
    m_expression->setPlaceholderText(
        index < 0 ? QString() : qtText(m_choices[static_cast<std::size_t>(index)].example));
    followTypedDirection(m_expression);
    Form const* window = form();
    if (!window || index < 0) {
        showPreview({}, false);
        m_set->setEnabled(false);
        return;
    }
    std::string const typed = m_expression->text().toStdString();
    GoalPreview const preview = previewGoal(*window, chosenKind(), typed, m_prompt->text().toStdString());
    // An empty field is no mistake yet: nothing is said under it until something is typed.
    bool const empty = m_expression->text().trimmed().isEmpty();
    if (empty)
        showPreview({}, false);
    else if (preview.settable)
        showPreview(QString::fromStdString(bandTextAsShown(preview.text)), false);
    else
        showPreview(QString::fromStdString(preview.text), true);
    m_set->setEnabled(preview.settable);
}

void GoalDialog::showPreview(QString const& text, bool problem)
{
    m_preview->setText(text);
    m_preview->setProperty("problem", problem);
    // A reason the goal cannot be set reads as one; the goal as it will show reads as the band does.
    m_preview->setStyleSheet(problem ? QStringLiteral("QLabel { color: #B42318; }") : QStringLiteral("QLabel { }"));
    m_preview->setAccessibleName(text);
}

void GoalDialog::setGoal()
{
    Form* window = form();
    if (!window || !m_set->isEnabled())
        return;
    GoalSetting const setting
        = m_host.setGoal(*window, chosenKind(), m_expression->text().toStdString(), m_prompt->text().toStdString());
    if (setting.set)
        accept();
    else
        showPreview(QString::fromStdString(setting.problem), true);
}

void GoalDialog::removeGoal()
{
    if (Form* window = form())
        m_host.removeGoal(*window);
    accept();
}

} // namespace zelmora::qt
