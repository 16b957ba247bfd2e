// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled core, as the page sees it: every answer of the binding parsed from its JSON.
import loadZelmora from "../zelmora.mjs";

let modulePromise = null;

export async function loadCore() {
  modulePromise ??= loadZelmora();
  return new Core(await modulePromise);
}

export class Core {
  constructor(module) {
    this.module = module;
    this.program = null;
    this.console = null; // the script console, made for the program when first used
    // What a board window offers around the board, in bar order (board_commands.hpp).
    this.boardCommands = JSON.parse(module.Program.boardCommands());
  }

  // Starts the program as at launch; a new start after the end is a fresh program.
  start() {
    this.console?.delete();
    this.console = null;
    this.program?.delete();
    this.program = new this.module.Program();
  }

  state() { return JSON.parse(this.program.state()); }
  // A window's snapshot as the core's JSON text, which the view compares before it paints.
  windowText(name) { return this.program.window(name); }
  window(name) { return JSON.parse(this.windowText(name)); }
  // A short text that changes whenever the window's snapshot does; a drag over it changes neither.
  windowLook(name) { return this.program.windowLook(name); }
  // The windows that look different since the last call, front to back: the only ones to paint.
  changedWindows() { return JSON.parse(this.program.changedWindows()); }
  takeEvents() { return JSON.parse(this.program.takeEvents()); }

  mouseDown(win, x, y, button) { this.program.mouseDown(win, x, y, button); }
  mouseMove(win, x, y) { this.program.mouseMove(win, x, y); }
  mouseUp(win, x, y) { this.program.mouseUp(win ?? "", x, y); }
  doubleClick(win, x, y) { this.program.doubleClick(win, x, y); }
  // repeat: the browser marked the press as a repeat of a key held down.
  key(win, name, repeat = false) { this.program.key(win, name, repeat); }
  closeBox(win) { this.program.closeBox(win); }
  bringToFront(win) { this.program.bringToFront(win); }
  // zelmora-script lines run through the page's own program.
  script(text) {
    this.console ??= new this.module.ScriptConsole(this.program);
    return JSON.parse(this.console.run(text));
  }

  // The board window's tools: undo and redo, board files, the band's text, the controls' names.
  tools(win) { return JSON.parse(this.program.tools(win)); }
  undo(win) { this.program.undo(win); }
  redo(win) { this.program.redo(win); }
  saveBoard(win) { return this.program.saveBoard(win); }
  // A file's bytes (a Uint8Array) into the window, or into the board it names when win is "".
  openBoard(win, bytes) { return JSON.parse(this.program.openBoard(win, bytes)); }
  // {link} for the board window on this page, or null; a shared link opened as openBoard opens a file.
  shareLink(win, site = location.href) { return JSON.parse(this.program.shareLink(win, site)); }
  openShareLink(link) { return JSON.parse(this.program.openShareLink(link)); }
  get boardFileLimit() { return Number(this.module.Program.boardFileLimit()); }

  // The board window's goal panel: its words, kinds and held goal, or null for no open board; what
  // the core makes of the teacher's expression as typed; the goal set (or refused) and removed.
  goalPanel(win) { return JSON.parse(this.program.goalPanel(win)); }
  previewGoal(win, kind, expression, prompt) { return JSON.parse(this.program.previewGoal(win, kind, expression, prompt)); }
  setGoal(win, kind, expression, prompt) { return JSON.parse(this.program.setGoal(win, kind, expression, prompt)); }
  removeGoal(win) { this.program.removeGoal(win); }

  // The built-in lessons: the table's text as the list shown from a window groups it, the lesson a
  // mark in the guide names, a lesson's file opened into its board, and the lesson a board holds.
  lessonList(table, win) { return JSON.parse(this.module.Program.lessonList(table, win ?? "")); }
  lessonInGuide(table, anchor, id) { return JSON.parse(this.module.Program.lessonInGuide(table, anchor, id)); }
  openLesson(id, bytes) { return JSON.parse(this.program.openLesson(id, bytes)); }
  heldLesson(win) { return this.program.heldLesson(win); }
}
