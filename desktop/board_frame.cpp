// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_frame.hpp"
#include "toolbar_keyboard.hpp"

#include "algebra_band_label.hpp"
#include "band_painter.hpp"
#include "board_picture.hpp"
#include "form_view.hpp"
#include "goal_dialog.hpp"
#include "lesson_list.hpp"
#include "link_text.hpp"
#include "pictures.hpp"
#include "program/algebra_band.hpp"
#include "program/tasks/goal_editor.hpp"
#include "qt_host.hpp"
#include "share_dialog.hpp"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <utility>

namespace zelmora::qt {

namespace {

// The band's letters at the window's natural width; they grow with the window, so that a board
// projected full screen keeps its algebra readable from the back of the room.
constexpr int naturalWidth = 792;
// A task's lines (question, goal, algebra, feedback) may not take more than this share of the
// screen's height between them; more, and the board would be pushed off a small screen.
constexpr double bandShareOfScreen = 0.35;
constexpr int bandSmallestPixels = 16;
// The toolbar's icons at the board's natural size, the least a finger or a pen can hit (WCAG's 24
// pixels), and the most a whiteboard needs; between them they grow with the board in steps, so
// that a window dragged a little larger does not set the toolbar moving.
constexpr int iconPixelsAtNaturalSize = 24;
constexpr int mostIconPixels = 72;
constexpr int iconStep = 8;

// The folder the file dialogs open in: the last one the teacher used, at first the documents.
QString& lastFolder()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

// The path the teacher picked, or "" when the dialog was cancelled.
QString askForFile(QWidget* parent, QFileDialog::AcceptMode mode, QString const& title, QString const& filter,
    QString const& suffix, QString const& suggestedName = {})
{
    QFileDialog dialog(parent, title, lastFolder(), filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString const path = dialog.selectedFiles().front();
    lastFolder() = QFileInfo(path).absolutePath();
    return path;
}

// The saved board the teacher picked, or the link pasted as its name, as typed: the dialog would
// make a path under the folder it shows of a link. "" when the dialog was cancelled.
QString askForBoardOrLink(QWidget* parent, QString const& filter)
{
    QFileDialog dialog(parent, QStringLiteral("فتح لوحة"), lastFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Any name, as a link names no file; a name that is neither is refused as an unreadable file.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("zelmora"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedUrls().isEmpty())
        return {};
    // The toolkit's own dialog keeps the typed name; a native one hands a link back as an address.
    if (auto const* typed = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        QString const text = typed->text().trimmed();
        if (isLinkText(text.toStdString()))
            return text;
    }
    QUrl const chosen = dialog.selectedUrls().front();
    if (!chosen.isLocalFile())
        return chosen.toString(QUrl::FullyEncoded);
    QString const path = chosen.toLocalFile();
    lastFolder() = QFileInfo(path).absolutePath();
    return path;
}

// The height of that many lines of the band, measured with Arabic in them: its letters come from
// a fallback face whose lines are taller than the band's own face says, and a band sized by that
// face alone cuts off the top and bottom of its text.
int arabicLinesHeight(QFont const& font, int lines)
{
    QStringList const arabic(lines, QStringLiteral("المجموع: 3س² + 5"));
    QRect const roomy(0, 0, 1 << 16, 1 << 16);
    QFontMetrics const metrics(font);
    return std::max(metrics.boundingRect(roomy, Qt::AlignCenter, arabic.join(QLatin1Char('\n'))).height(),
        lines * metrics.lineSpacing());
}

std::filesystem::path pathOf(QString const& path)
{
    return std::filesystem::path(path.toStdU16String());
}

QString const boardFilter = QStringLiteral("لوحات Zelmora (*.zelmora)");
QString const pictureFilter = QStringLiteral("صور PNG (*.png)");

} // namespace

BoardFrame::BoardFrame(QtHost& host, FormView* view)
    : m_host(host)
    , m_view(view)
    , m_toolbar(new QToolBar(QStringLiteral("أدوات اللوحة"), this))
{
    setWindowTitle(view->windowTitle());
    if (view->form() && view->form()->window().hasIcon)
        setWindowIcon(zelmora::qt::windowIcon());
    setLayoutDirection(Qt::RightToLeft);

    m_toolbar->setObjectName(QStringLiteral("boardTools"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(iconPixelsAtNaturalSize, iconPixelsAtNaturalSize));
    // The button that shows what a narrow window has no room for is a target too; Qt makes it a
    // sliver of 12 pixels.
    if (auto* more = m_toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setMinimumSize(iconPixelsAtNaturalSize, iconPixelsAtNaturalSize);
    // F10 hides and shows it; a context menu that could only hide it would leave no way back.
    m_toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, m_toolbar);

    auto* board = new QWidget(this);
    auto* column = new QVBoxLayout(board);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    view->setParent(board);
    column->addWidget(view, 1);

    m_band = new AlgebraBandLabel(board);
    m_band->setObjectName(QStringLiteral("algebraBand"));
    m_band->setAccessibleName(QStringLiteral("الجبر"));
    m_band->setTextFormat(Qt::PlainText);
    m_band->setAlignment(Qt::AlignCenter);
    m_band->setWordWrap(true);
    m_band->setLayoutDirection(Qt::RightToLeft);
    m_band->setMargin(bandMargin);
    m_band->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border-top: %3px solid %4; }")
                              .arg(QColor(bandGround).name(), QColor(bandInk).name())
                              .arg(bandRuleWidth)
                              .arg(QColor(bandRule).name()));
    m_band->hide();
    column->addWidget(m_band);
    setCentralWidget(board);
    fitBandFont();
    fitToolbarIcons();

    // The board keeps the keyboard; F6 lends it to the toolbar and takes it back.
    setFocusProxy(view);
    view->setFocus();
    m_toolbarKeys = new ToolbarKeyboard(m_toolbar, view);
    createCommands();
    refresh();
    resize(sizeHint());
}

QAction* BoardFrame::action(BoardCommand command) const
{
    return m_commands.at(command);
}

void BoardFrame::createCommands()
{
    for (BoardCommandDesign const& design : boardCommands()) {
        auto* action = new QAction(boardCommandIcon(design, layoutDirection()), qtText(design.text), this);
        QList<QKeySequence> const& keys = boardCommandKeys(design);
        QString tooltip = qtText(design.tooltip);
        if (!keys.isEmpty())
            tooltip += QStringLiteral(" (%1)").arg(keys.front().toString(QKeySequence::NativeText));
        action->setToolTip(tooltip);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setAutoRepeat(design.repeats);
        action->setCheckable(design.checkable);
        // Added to the window itself too, so that the keys work while the toolbar is hidden.
        addAction(action);
        if (!design.icon.empty()) {
            m_toolbar->addAction(action);
            QWidget* button = m_toolbar->widgetForAction(action);
            button->setFocusPolicy(Qt::NoFocus);
            m_toolbarKeys->watch(static_cast<QToolButton*>(button));
            if (design.showsText)
                static_cast<QToolButton*>(button)->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            if (design.gapAfter)
                m_toolbar->addSeparator();
        }
        connect(action, &QAction::triggered, this, [this, command = design.command] { run(command); });
        m_commands[design.command] = action;
    }
}

void BoardFrame::setActions(BoardActions actions)
{
    m_actions = std::move(actions);
    refresh();
}

void BoardFrame::refresh()
{
    bool const open = m_view->form() != nullptr;
    auto const offered
        = [open](auto const& call, auto const& allowed) { return open && call && (!allowed || allowed()); };
    action(BoardCommand::Undo)->setEnabled(offered(m_actions.undo, m_actions.canUndo));
    action(BoardCommand::Redo)->setEnabled(offered(m_actions.redo, m_actions.canRedo));
    action(BoardCommand::Open)->setEnabled(open && m_actions.open);
    action(BoardCommand::Save)->setEnabled(open && m_actions.save);
    action(BoardCommand::Goal)->setEnabled(open && !goalKindsFor(*m_view->form()).empty());
    for (BoardCommand picture :
        { BoardCommand::CopyPicture, BoardCommand::SavePicture, BoardCommand::Print, BoardCommand::Share })
        action(picture)->setEnabled(open);
    action(BoardCommand::FullScreen)->setChecked(isFullScreen());
    // Escape first lets go of a tile the keyboard is dragging; only then does it leave full screen.
    Application const* app = m_host.application();
    action(BoardCommand::LeaveFullScreen)->setEnabled(isFullScreen() && !(app && app->keyboardDragInProgress()));
    action(BoardCommand::ShowToolbar)->setChecked(toolbarShown());
    // A task given to the board (from the goal dialog, a task file or a script) is shown at once:
    // the learner reads the goal and its feedback in the band.
    bool const task = open && m_actions.hasTask && m_actions.hasTask();
    if (task && !std::exchange(m_task, task))
        setAlgebraShown(true);
    m_task = task;
    action(BoardCommand::Algebra)->setChecked(algebraShown());
    if (open && algebraShown() && m_actions.algebraText)
        setAlgebraText(
            m_actions.algebraText(), m_actions.algebraRows ? m_actions.algebraRows() : std::vector<BandRow> {});
}

void BoardFrame::run(BoardCommand command)
{
    switch (command) {
    case BoardCommand::Undo:
        if (m_actions.undo)
            m_host.deliver(m_actions.undo);
        break;
    case BoardCommand::Redo:
        if (m_actions.redo)
            m_host.deliver(m_actions.redo);
        break;
    case BoardCommand::Open:
        askToOpen();
        break;
    case BoardCommand::Save:
        askToSave();
        break;
    case BoardCommand::CopyPicture:
        copyPicture();
        break;
    case BoardCommand::SavePicture:
        askToSavePicture();
        break;
    case BoardCommand::Print:
        askToPrint();
        break;
    case BoardCommand::FullScreen:
        setFullScreen(!isFullScreen());
        break;
    case BoardCommand::LeaveFullScreen:
        setFullScreen(false);
        break;
    case BoardCommand::Algebra:
        setAlgebraShown(!algebraShown());
        break;
    case BoardCommand::ShowToolbar:
        setToolbarShown(!toolbarShown());
        break;
    case BoardCommand::Goal:
        askForGoal();
        break;
    case BoardCommand::Lessons:
        askForLesson();
        break;
    case BoardCommand::Share:
        askToShare();
        break;
    }
}

void BoardFrame::askToOpen()
{
    if (!m_actions.open || !m_view->form())
        return;
    QString const chosen = askForBoardOrLink(this, boardFilter);
    if (!chosen.isEmpty())
        openChosen(chosen);
}

void BoardFrame::openChosen(QString const& chosen)
{
    if (!m_actions.open || !m_view->form())
        return;
    std::string const text = chosen.toStdString();
    std::string refusal;
    if (isLinkText(text))
        refusal = m_host.openShareLink(text).message;
    else
        m_host.deliver([&] { refusal = m_actions.open(pathOf(chosen)); });
    if (!refusal.empty())
        warn(QString::fromStdString(refusal));
}

void BoardFrame::askToShare()
{
    Form const* form = m_view->form();
    if (!form || findChild<ShareDialog*>())
        return;
    auto* dialog = new ShareDialog(QString::fromStdString(QtHost::shareLink(*form)), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this] { m_view->setFocus(); });
    dialog->open();
}

void BoardFrame::askToSave()
{
    if (!m_actions.save || !m_view->form())
        return;
    QString const path = askForFile(this, QFileDialog::AcceptSave, QStringLiteral("حفظ اللوحة"), boardFilter,
        QStringLiteral("zelmora"), windowTitle() + QStringLiteral(".zelmora"));
    if (path.isEmpty())
        return;
    std::string failure;
    m_host.deliver([&] { failure = m_actions.save(pathOf(path)); });
    if (!failure.empty())
        warn(QString::fromStdString(failure));
}

void BoardFrame::askForGoal()
{
    Form* form = m_view->form();
    if (!form || goalKindsFor(*form).empty() || findChild<GoalDialog*>())
        return;
    // Modal to this window only, and not waited for: the other windows stay usable, and the
    // dialog goes with the window should the program close it.
    auto* dialog = new GoalDialog(m_host, *form, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this] { m_view->setFocus(); });
    dialog->open();
}

void BoardFrame::askForLesson()
{
    Form* form = m_view->form();
    if (!form || findChild<LessonList*>())
        return;
    auto* list = new LessonList(m_host.lessons(), form->name(), this);
    list->setAttribute(Qt::WA_DeleteOnClose);
    connect(list, &QDialog::accepted, this, [this, list] {
        std::string const refusal = m_host.openLesson(list->chosen());
        if (!refusal.empty())
            warn(QString::fromStdString(refusal));
    });
    list->open();
}

void BoardFrame::copyPicture() const
{
    if (Form const* form = m_view->form())
        QGuiApplication::clipboard()->setImage(boardPicture(*form, boardPictureZoom, bandRowsShown()));
}

bool BoardFrame::savePicture(QString const& path) const
{
    Form const* form = m_view->form();
    return form && boardPicture(*form, boardPictureZoom, bandRowsShown()).save(path, "PNG");
}

void BoardFrame::askToSavePicture()
{
    QString const path = askForFile(this, QFileDialog::AcceptSave, QStringLiteral("حفظ صورة اللوحة"), pictureFilter,
        QStringLiteral("png"), windowTitle() + QStringLiteral(".png"));
    if (!path.isEmpty() && !savePicture(path))
        warn(QStringLiteral("تعذر حفظ الصورة في الملف:\n%1").arg(path));
}

bool BoardFrame::print(QPrinter& printer) const
{
    Form const* form = m_view->form();
    return form && printBoard(*form, printer, bandRowsShown());
}

void BoardFrame::askToPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("طباعة اللوحة"));
    if (dialog.exec() == QDialog::Accepted && !print(printer))
        warn(QStringLiteral("تعذرت طباعة اللوحة."));
}

void BoardFrame::warn(QString const& message)
{
    QMessageBox::warning(this, windowTitle(), message);
}

void BoardFrame::setAlgebraText(QString const& text, std::vector<BandRow> rows)
{
    if (text == m_algebraText && !m_band->text().isEmpty())
        return;
    m_algebraText = text;
    if (rows.empty())
        rows = plainBandRows(text);
    // A task's lines come and go with it: the band makes room for them below the board rather
    // than squeezing the board, as a part shown or hidden does.
    keepingBoardSize([&] {
        m_band->setRows(bandRowsAsShown(std::move(rows)));
        fitBandFont();
    });
}

std::vector<BandRow> BoardFrame::bandRowsShown() const
{
    return algebraShown() ? m_band->rows() : std::vector<BandRow> {};
}

QString BoardFrame::algebraText() const
{
    return m_algebraText;
}

bool BoardFrame::algebraShown() const
{
    return m_band->isVisibleTo(this);
}

void BoardFrame::setAlgebraShown(bool shown)
{
    setPartShown(m_band, shown);
    action(BoardCommand::Algebra)->setChecked(shown);
    refresh();
}

bool BoardFrame::toolbarShown() const
{
    return m_toolbar->isVisibleTo(this);
}

void BoardFrame::setToolbarShown(bool shown)
{
    setPartShown(m_toolbar, shown);
    action(BoardCommand::ShowToolbar)->setChecked(shown);
}

void BoardFrame::setPartShown(QWidget* part, bool shown)
{
    if (part->isVisibleTo(this) != shown)
        keepingBoardSize([&] { part->setVisible(shown); });
}

void BoardFrame::keepingBoardSize(std::function<void()> const& change)
{
    QSize const before = m_view->size();
    change();
    if (!isVisible() || isFullScreen() || isMaximized())
        return;
    layout()->activate();
    centralWidget()->layout()->activate();
    resize(size() + (before - m_view->size()));
}

void BoardFrame::setFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    // The projector shows the board and the band alone; F10 brings the toolbar back if wanted.
    if (on) {
        m_toolbarBeforeFullScreen = toolbarShown();
        m_toolbar->hide();
        showFullScreen();
    } else {
        showNormal();
        m_toolbar->setVisible(m_toolbarBeforeFullScreen);
    }
    refresh();
}

void BoardFrame::fitBandFont()
{
    QStringList const rows = m_band->text().split(QLatin1Char('\n'));
    // Room for two lines whatever the algebra says, so that the board does not jump as the text
    // changes; a task's three to five lines each get a line of their own.
    int const lines = std::max<int>(2, static_cast<int>(rows.size()));
    double const grown = bandPixelsAtNaturalSize * width() / naturalWidth;
    QFont font = bandFont(std::clamp(grown, bandPixelsAtNaturalSize, 160.0));
    int linesHeight = arabicLinesHeight(font, lines);
    // Many lines on a small screen are set smaller rather than push the board off it.
    if (QScreen const* shown = screen()) {
        double const most = bandShareOfScreen * shown->availableGeometry().height();
        if (linesHeight > most) {
            font.setPixelSize(std::max(bandSmallestPixels, static_cast<int>(font.pixelSize() * most / linesHeight)));
            linesHeight = arabicLinesHeight(font, lines);
        }
    }
    // A row too long for the window is set smaller rather than wrapped onto a line the band has
    // no room for (Board 1's product beside the tiles inside it), down to half its size: a longer
    // row (a long question) wraps, and the band grows to hold it.
    QRect const roomy(0, 0, 1 << 16, 1 << 16);
    int const room = width() - 2 * m_band->margin() - 2 * bandRuleWidth;
    int widest = 0;
    for (QString const& row : rows)
        widest = std::max(widest, QFontMetrics(font).boundingRect(roomy, Qt::AlignLeft, row).width());
    if (widest > room && room > 0)
        font.setPixelSize(std::max({ 8, font.pixelSize() / 2, font.pixelSize() * room / widest }));
    int const textHeight = room > 0
        ? QFontMetrics(font)
              .boundingRect(QRect(0, 0, room, 1 << 16), Qt::AlignCenter | Qt::TextWordWrap, m_band->text())
              .height()
        : 0;
    m_band->setFixedHeight(std::max(linesHeight, textHeight) + 2 * m_band->margin() + bandRuleWidth);
    m_band->setFont(font);
}

void BoardFrame::fitToolbarIcons()
{
    // The board's zoom as the window's size gives it, not as the view has it: the view shrinks
    // as the icons grow, and the icons would follow it down again.
    QSize const natural = m_view->sizeHint();
    if (natural.isEmpty())
        return;
    double const zoom = std::min(double(width()) / natural.width(), double(height()) / natural.height());
    int const grown = static_cast<int>(iconPixelsAtNaturalSize * zoom) / iconStep * iconStep;
    int const pixels = std::clamp(grown, iconPixelsAtNaturalSize, mostIconPixels);
    if (m_toolbar->iconSize() == QSize(pixels, pixels))
        return;
    // A window of its own size grows by what the toolbar took, so that the board keeps the zoom it
    // was given; the icons follow the window, never the board, so this cannot go round.
    keepingBoardSize([&] {
        m_toolbar->setIconSize(QSize(pixels, pixels));
        // The words beside an icon (the band's, the lessons') grow with it.
        QFont words = font();
        if (pixels > iconPixelsAtNaturalSize)
            words.setPixelSize(pixels * 3 / 5);
        m_toolbar->setFont(words);
    });
}

void BoardFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitBandFont();
    fitToolbarIcons();
}

void BoardFrame::closeEvent(QCloseEvent* event)
{
    // The close box belongs to the board: the program unloads it, and the host then deletes
    // this window with the view.
    event->ignore();
    m_view->close();
}

} // namespace zelmora::qt
