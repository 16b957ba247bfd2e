// SPDX-License-Identifier: GPL-3.0-or-later
// The classroom tools of every board window: its bar and band, their keys, board files opened
// from the picker or dropped on the page, and the accessible mirror of every window kept in step
// with the core. The core decides; this only asks it and shows the answers.
import { BoardBar } from "./board_bar.js";
import { commandForKey, pageCommands } from "./board_commands.js";
import { boardPicture, copyPicture, download, openBoardFile, printPicture } from "./board_output.js";
import { GoalPanel } from "./goal_panel.js";
import { SharePanel } from "./share_panel.js";
import { attachToolbarKeys } from "./toolbar_keys.js";

const BOARD_FILE_TYPE = "application/x-zelmora-board";

export function attachBoardTools(desktop, { notify, announce, printHolder, lessons }) {
  const bars = new Map(); // window name -> BoardBar
  const picker = Object.assign(document.createElement("input"),
    { type: "file", accept: `.zelmora,${BOARD_FILE_TYPE}`, hidden: true });
  document.body.append(picker);
  let pickingFor = null;

  const fileName = (frame, extension) => `board${bars.get(frame.name)?.number ?? ""}.${extension}`;
  const snapshot = (frame) => desktop.core.window(frame.name);
  // The band's rows go into the board's picture while the band is shown.
  const bandOf = (frame) => bars.get(frame.name)?.bandRows ?? null;

  async function open(windowName, file) {
    const result = await openBoardFile(desktop, windowName, file);
    if (!result.loaded) { notify(result.message); return; }
    if (desktop.core.state().windows[0] !== result.window)
      desktop.deliver((core) => core.bringToFront(result.window));
    desktop.frame(result.window)?.focusBoard();
  }

  picker.addEventListener("change", () => {
    const [file] = picker.files;
    if (file && pickingFor) open(pickingFor, file);
  });

  const goalPanel = new GoalPanel(desktop);
  const sharePanel = new SharePanel(desktop);
  const failed = (message) => () => notify(message);
  const actions = {
    undo: (frame) => desktop.deliver((core) => core.undo(frame.name)),
    redo: (frame) => desktop.deliver((core) => core.redo(frame.name)),
    open: (frame) => { pickingFor = frame.name; picker.value = ""; picker.click(); },
    save: (frame) => download(new Blob([desktop.core.saveBoard(frame.name)], { type: BOARD_FILE_TYPE }),
      fileName(frame, "zelmora")),
    copyPicture: (frame) => copyPicture(snapshot(frame), bandOf(frame)).catch(failed("تعذر نسخ صورة اللوحة إلى الحافظة في هذا المتصفح.")),
    savePicture: (frame) => boardPicture(snapshot(frame), bandOf(frame)).then((blob) => download(blob, fileName(frame, "png")))
      .catch(failed("تعذر حفظ صورة اللوحة.")),
    print: (frame) => printPicture(snapshot(frame), printHolder, bandOf(frame)).catch(failed("تعذرت طباعة اللوحة.")),
    fullScreen: (frame) => (document.fullscreenElement === frame.el ? document.exitFullscreen()
      : frame.el.requestFullscreen()).catch(failed("لا يسمح هذا المتصفح بملء الشاشة.")),
    algebra: (frame) => {
      const bar = bars.get(frame.name);
      bar.setBandShown(!bar.bandShown);
      if (bar.bandShown) announce(bar.text);
    },
    toolbar: (frame) => bars.get(frame.name).setToolbarShown(frame.toolbar.hidden),
    goal: (frame) => goalPanel.open(frame),
    lessons: (frame) => lessons.openList(frame),
    share: (frame) => sharePanel.open(frame),
  };
  // The board keeps the keyboard after a command, unless the command opened the goal panel, the
  // lesson list or the share panel, which give it back when they close; a command pressed in the
  // bar from the keyboard leaves it there, for the next one.
  const run = (id, frame) => {
    const fromBar = frame.toolbar.contains(document.activeElement);
    actions[id](frame);
    if (fromBar && frame.toolbar.contains(document.activeElement)) return;
    if (frame.el.isConnected && !goalPanel.isOpen && !lessons.isOpen && !sharePanel.isOpen) frame.focusBoard();
  };
  attachToolbarKeys(() => [...bars.keys()].map((name) => desktop.frame(name)).filter(Boolean));

  // The keys act on the board that has the keyboard, else on the front window if it is a board.
  // A dialog's fields keep their own keys: Ctrl+Z there undoes typing, not a move on the board.
  window.addEventListener("keydown", (e) => {
    if (e.target.closest?.("dialog")) return;
    const command = commandForKey(pageCommands(desktop.core), e);
    if (!command) return;
    if (command.id === "copyPicture" && !window.getSelection()?.isCollapsed) return; // copying text
    const frames = [...bars.keys()].map((name) => desktop.frame(name)).filter(Boolean);
    const frame = frames.find((f) => f.hasKeyboard()) ?? desktop.front();
    if (!frame || !bars.has(frame.name)) return;
    e.preventDefault();
    if (e.repeat && !command.repeats) return;
    run(command.id, frame);
  });

  // A board file dropped anywhere on the page opens into the board it names.
  window.addEventListener("dragover", (e) => {
    if (!e.dataTransfer?.types.includes("Files")) return;
    e.preventDefault();
    e.dataTransfer.dropEffect = "copy";
  });
  window.addEventListener("drop", (e) => {
    const file = e.dataTransfer?.files[0];
    if (!file) return;
    e.preventDefault();
    open("", file);
  });

  // In full screen the board and its band fill the screen; F10 brings the bar back if wanted.
  document.addEventListener("fullscreenchange", () => {
    for (const [name, bar] of bars) {
      const on = document.fullscreenElement === desktop.frame(name)?.el;
      if (on === bar.fullScreen) continue;
      bar.fullScreen = on;
      bar.setFullScreenShown(on);
      if (on) bar.toolbarBefore = !desktop.frame(name).toolbar.hidden;
      bar.setToolbarShown(on ? false : bar.toolbarBefore);
    }
  });

  // After every change of a window: its mirror, the page's focus on the core's focus, and for a
  // board its bar and band.
  return function windowChanged(frame) {
    const tools = desktop.core.tools(frame.name);
    if (!tools) return;
    frame.mirror.update(tools.names, frame.cssScale());
    if (frame.hasKeyboard()) frame.focusBoard();
    for (const name of bars.keys()) if (!desktop.frame(name)) bars.delete(name);
    if (tools.board === null) return;
    let bar = bars.get(frame.name);
    if (!bar || bar.frame !== frame) {
      bar = new BoardBar(frame, pageCommands(desktop.core), run);
      bar.number = tools.board;
      bars.set(frame.name, bar);
    }
    const bandText = bar.update(tools);
    if (bandText) announce(bandText, { after: true });
  };
}
