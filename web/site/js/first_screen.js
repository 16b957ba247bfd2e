// SPDX-License-Identifier: GPL-3.0-or-later
// The program's first screen, as the build's run of the core gave it (the page's
// <script id="first-screen">), standing in for the core while the core is compiled and started:
// the menu is painted from it at once. It answers as the core answers right after its start and
// holds every piece of input it is given, which the core receives, in order, once it runs.
const HELD = ["mouseDown", "mouseMove", "mouseUp", "doubleClick", "key", "closeBox", "bringToFront", "undo", "redo"];

export class FirstScreen {
  // null when the page has no first screen (a page put together by hand, or a broken one).
  static fromPage(document) {
    try {
      const { state, windows } = JSON.parse(document.getElementById("first-screen")?.textContent ?? "");
      const complete = Array.isArray(state?.windows)
        && state.windows.every((name) => typeof windows?.[name] === "string" && JSON.parse(windows[name]));
      return complete ? new FirstScreen(state, windows) : null;
    } catch {
      return null;
    }
  }

  constructor(state, windows) {
    this.first = state;
    this.windowTexts = new Map(Object.entries(windows)); // name -> the core's JSON text
    this.held = [];
    this.boardCommands = []; // bars come with the core
    for (const input of HELD) this[input] = (...args) => { this.held.push([input, args]); };
  }

  state() { return structuredClone(this.first); }
  windowText(name) { return this.windowTexts.get(name) ?? "null"; }
  window(name) { return JSON.parse(this.windowText(name)); }
  // The first screen never changes; the core's looks differ from it, so the core's windows are read anew.
  windowLook(name) { return this.windowTexts.has(name) ? "first screen" : ""; }
  takeEvents() { return []; }
  // Nothing changes before the core runs: the page paints each window once, as it makes its frame.
  changedWindows() { return []; }
  // The windows' names and tools come with the core.
  tools() { return null; }

  // Gives the core what was held for it.
  handOver(core) {
    for (const [input, args] of this.held.splice(0)) core[input](...args);
  }
}
