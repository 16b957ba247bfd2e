// SPDX-License-Identifier: GPL-3.0-or-later
// A board window's bar and its algebra band. The bar's buttons stay out of the Tab order: the
// learner's Tab, Space and Enter stay with the board, the keys of the commands work from it, and
// F6 lends the keyboard to the bar (toolbar_keys.js).
import { ariaKeys } from "./board_commands.js";
import { toolbarKey } from "./toolbar_keys.js";

// The band's letters at the window's natural width; they grow with the window, so that a board
// projected full screen keeps its algebra readable from the back of the room.
const BAND_PIXELS_AT_NATURAL_WIDTH = 34;
const NATURAL_WIDTH = 792;
const COMPACT_BAND_PIXELS = 24;

export class BoardBar {
  constructor(frame, commands, run) {
    this.frame = frame;
    this.buttons = new Map();
    const bar = frame.toolbar;
    bar.setAttribute("role", "toolbar");
    bar.setAttribute("aria-label", "أدوات اللوحة");
    for (const command of commands) {
      if (!command.icon) continue;
      const button = document.createElement("button");
      button.type = "button";
      button.tabIndex = -1;
      button.dataset.command = command.id;
      button.title = command.keys.length ? `${command.tooltip} (${command.keys[0]})` : command.tooltip;
      button.setAttribute("aria-label", command.text);
      if (command.keys.length) button.setAttribute("aria-keyshortcuts", ariaKeys(command));
      if (command.checkable) button.setAttribute("aria-pressed", "false");
      const icon = document.createElement("img");
      icon.src = `toolbar/${command.icon}.svg`;
      icon.alt = "";
      button.append(icon);
      if (command.showsText) button.append(Object.assign(document.createElement("span"), { textContent: command.text }));
      button.addEventListener("pointerdown", (e) => e.preventDefault()); // the board keeps the focus
      button.addEventListener("click", () => run(command.id, frame));
      button.addEventListener("keydown", (e) => { if (toolbarKey(frame, e)) e.preventDefault(); });
      bar.append(button);
      if (command.gapAfter) bar.append(Object.assign(document.createElement("span"), { className: "gap" }));
      this.buttons.set(command.id, button);
    }

    this.band = document.createElement("div");
    this.band.className = "band";
    this.band.dir = "rtl";
    this.band.hidden = true;
    this.band.setAttribute("aria-label", "الجبر");
    frame.el.append(this.band);
    this.text = "";
    this.rows = [];
    this.lines = 2;
    this.task = false;
    new ResizeObserver(() => this.fitBand()).observe(frame.el);
  }

  get bandShown() { return !this.band.hidden; }

  // The band's rows as shown, for the board's picture; null while the band is hidden.
  get bandRows() { return this.bandShown ? this.rows : null; }

  // Acts on the core's answer for the window: undo and redo offered only when they can act, the
  // band's text as the core shows it. Returns the band's new text when it is shown and changed,
  // for the announcer.
  update(tools) {
    this.buttons.get("undo").disabled = !tools.canUndo;
    this.buttons.get("redo").disabled = !tools.canRedo;
    // A task given to the board (from the goal panel, a task file or a script) is shown at once:
    // the learner reads the goal and its feedback in the band.
    if (tools.task && !this.task) this.setBandShown(true);
    this.task = tools.task;
    const text = tools.algebra?.text ?? "";
    if (text === this.text) return null;
    this.text = text;
    this.rows = tools.algebra?.rows ?? [];
    fillBand(this.band, text, tools.algebra?.rows);
    // A task's goal, question and feedback come as lines of their own around the algebra; the band
    // makes room for every line rather than cut the feedback off, and keeps that room while the
    // task stands, as the number of lines does.
    const lines = Math.max(2, text.split("\n").length);
    if (lines !== this.lines) {
      this.lines = lines;
      this.band.style.setProperty("--lines", String(lines));
      this.fitBand();
    }
    return this.bandShown ? text : null;
  }

  setBandShown(shown) {
    this.band.hidden = !shown;
    this.buttons.get("algebra").setAttribute("aria-pressed", String(shown));
    this.fitBand();
  }

  setToolbarShown(shown) {
    this.frame.toolbar.hidden = !shown;
  }

  setFullScreenShown(on) {
    this.buttons.get("fullScreen").setAttribute("aria-pressed", String(on));
  }

  fitBand() {
    if (!this.bandShown) return;
    const grown = BAND_PIXELS_AT_NATURAL_WIDTH * this.frame.el.clientWidth / NATURAL_WIDTH;
    // Its lines never take more than a fifth of the page, as on a phone held sideways; on a screen
    // smaller than the board they share it with the board at a phone's reading size.
    const most = this.frame.el.classList.contains("compact") ? COMPACT_BAND_PIXELS : 160;
    const size = Math.min(Math.max(grown, BAND_PIXELS_AT_NATURAL_WIDTH), most, window.innerHeight / 5 / this.lines);
    this.band.style.fontSize = `${Math.max(16, Math.round(size))}px`;
  }
}

// The band's rows as the core gives them: a row of words as one right-to-left run; an equation's
// sides each under its place on the board (the left side's pieces from the left of the screen,
// the relation, the right side), every piece right to left within itself. The band's text, as
// read out and copied, stays the core's text: the rows joined, after its leading mark.
function fillBand(band, text, rows) {
  if (!rows) {
    band.textContent = text;
    return;
  }
  const run = (className, pieces) => {
    const span = Object.assign(document.createElement("span"), { className, dir: "ltr" });
    for (const piece of pieces) span.append(Object.assign(document.createElement("bdi"), { dir: "rtl", textContent: piece }));
    return span;
  };
  band.replaceChildren(text.startsWith("\u200f") ? "\u200f" : "");
  rows.forEach((row, i) => {
    if (i > 0) band.append("\n");
    if (!row.sides) {
      band.append(row.text);
      return;
    }
    const sides = Object.assign(document.createElement("span"), { className: "sides", dir: "ltr" });
    const relation = Object.assign(document.createElement("span"), { className: "relation", textContent: row.sides.relation });
    sides.append(run("side left", row.sides.left), " ", relation, " ", run("side right", [row.sides.right]));
    band.append(sides);
  });
}
