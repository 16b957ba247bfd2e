// SPDX-License-Identifier: GPL-3.0-or-later
// Work that survives a reload: the open boards, each as the core saves it (tiles, goal, prompt
// and steps) with the lesson it holds, are kept on the device a moment after each change, and
// opened again when the page next starts, through the core, which checks a kept board as any file.
// A kept board that the core refuses is dropped without a word.
import { readKept, writeKept } from "./kept.js";

const KEY = "zelmora.openBoards";
const VERSION = 1;
// A change waits this long for the next before the boards are written, and writing waits for a
// moment the page is idle: a drop is painted first, and a run of moves is written once.
const QUIET_MS = 400;
const IDLE_WAIT_MS = 2000;

const keptBoard = (board) => board && typeof board.file === "string" && typeof board.lesson === "string";
const validKept = (value) => value?.version === VERSION && Array.isArray(value.boards) && value.boards.every(keptBoard);

// Opens the kept boards back to front, so that the board that was in front is in front again.
// Returns how many were opened.
export function restoreKeptBoards(desktop) {
  const kept = readKept(KEY, validKept);
  let opened = 0;
  for (const board of kept?.boards ?? []) {
    let result = null;
    desktop.deliver((core) => {
      result = board.lesson ? core.openLesson(board.lesson, board.file) : core.openBoard("", board.file);
    });
    if (result?.loaded) opened += 1;
  }
  return opened;
}

export class BoardKeeper {
  constructor(desktop) {
    this.desktop = desktop;
    this.timer = 0;
    this.idle = 0;
    // A page that is reloaded, closed or put away must not lose the move made just before: what
    // waits to be written is written at once.
    addEventListener("pagehide", () => this.flush());
    document.addEventListener("visibilitychange", () => { if (document.hidden) this.flush(); });
  }

  flush() {
    if (!this.timer && !this.idle) return;
    clearTimeout(this.timer);
    this.timer = 0;
    if (this.idle) (window.cancelIdleCallback ?? clearTimeout)(this.idle);
    this.idle = 0;
    this.write();
  }

  // Something changed: the boards are written once the changes stop for a moment.
  changed() {
    clearTimeout(this.timer);
    this.timer = setTimeout(() => { this.timer = 0; this.whenIdle(); }, QUIET_MS);
  }

  whenIdle() {
    if (this.idle) return;
    const write = () => { this.idle = 0; this.write(); };
    this.idle = window.requestIdleCallback ? requestIdleCallback(write, { timeout: IDLE_WAIT_MS })
      : setTimeout(write, 0);
  }

  // Every open board, back to front. Nothing is written while a tile is held (its drop follows),
  // nor once the program has ended or failed: what was kept before stays for the next visit.
  write() {
    const core = this.desktop.core;
    const state = core.state();
    if (!state.running) return;
    if (state.drag) { this.changed(); return; }
    const boards = [];
    for (const name of [...state.windows].reverse()) {
      if (core.tools(name)?.board == null) continue;
      boards.push({ file: core.saveBoard(name), lesson: core.heldLesson(name) });
    }
    writeKept(KEY, { version: VERSION, boards });
  }
}
