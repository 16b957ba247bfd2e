// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board_actions.hpp"
#include "board_commands.hpp"

#include <QMainWindow>

#include <functional>
#include <map>

class QAction;
class QPrinter;
class QToolBar;

namespace zelmora::qt {

class AlgebraBandLabel;
class FormView;
class QtHost;
class ToolbarKeyboard;

// The window around a board: a toolbar above it, the board's view, and a band below it for the
// algebra the tiles stand for. The toolbar and the band lie outside the board's client area,
// which is painted and fed input by the view exactly as in a window of its own.
class BoardFrame final : public QMainWindow {
    Q_OBJECT
public:
    // Takes the view as its board; the view's window design gives the title and the icon.
    BoardFrame(QtHost&, FormView*);

    FormView* view() const { return m_view; }
    QAction* action(BoardCommand) const;

    // What undo, redo, open, save and the band's text call; empty members stay disabled.
    void setActions(BoardActions);
    // Brings the enabled states and the band's text up to date; the host calls it after every
    // input that changed the board.
    void refresh();

    // The band's text as the program makes it; the band shows it as every view does.
    // The rows, an equation's sides apart, as the program makes them; none: each line of the
    // text is a row of words.
    void setAlgebraText(QString const&, std::vector<BandRow> rows = {});
    // The band's rows as shown, or none while the band is hidden: what a picture of the board
    // shows under it.
    std::vector<BandRow> bandRowsShown() const;
    QString algebraText() const;
    bool algebraShown() const;
    void setAlgebraShown(bool);

    bool toolbarShown() const;
    void setToolbarShown(bool);
    void setFullScreen(bool);

    // What the open dialog's file name holds, opened: a shared link on its board with its task,
    // anything else as a saved board's path; a refusal is shown in Arabic.
    void openChosen(QString const& chosen);

    // The picture commands without their dialogs.
    void copyPicture() const;
    bool savePicture(QString const& path) const;
    bool print(QPrinter&) const;

protected:
    void closeEvent(QCloseEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void createCommands();
    void run(BoardCommand);
    void askToOpen();
    void askToSave();
    void askForGoal();
    void askForLesson();
    void askToShare();
    void askToSavePicture();
    void askToPrint();
    // Shows or hides a part outside the board; a window of its own size keeps the board's size.
    void setPartShown(QWidget* part, bool shown);
    // Makes a change to the parts around the board; a window of its own size grows or shrinks
    // by what they took from the board or gave back, so that the board keeps its size.
    void keepingBoardSize(std::function<void()> const& change);
    void fitBandFont();
    // The toolbar's icons grow with the board, so that a board on a whiteboard has buttons a
    // finger can hit; never under 24 pixels.
    void fitToolbarIcons();
    void warn(QString const& message);

    QtHost& m_host;
    FormView* m_view;
    QToolBar* m_toolbar;
    ToolbarKeyboard* m_toolbarKeys = nullptr;
    AlgebraBandLabel* m_band;
    QString m_algebraText;
    BoardActions m_actions;
    std::map<BoardCommand, QAction*> m_commands;
    bool m_toolbarBeforeFullScreen = true;
    // The window held a task when last refreshed.
    bool m_task = false;
};

} // namespace zelmora::qt
