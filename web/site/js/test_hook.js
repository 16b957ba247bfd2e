// SPDX-License-Identifier: GPL-3.0-or-later
// window.zelmora: zelmora-script lines run against the program on the page, and where a window's
// client area lies, so that tests and other tools can aim real pointer events at a twip position.
import { played } from "./sound.js";

export function installHook(app) {
  window.zelmora = {
    // Resolves to what the lines print; a line that cannot run rejects with its message.
    async script(text) {
      await app.running;
      const result = app.desktop.core.script(String(text));
      app.desktop.render();
      app.desktop.settle();
      if (result.status !== 0) {
        const error = new Error(result.errors.trim());
        error.output = result.output;
        error.status = result.status;
        throw error;
      }
      return result.output;
    },
    // {left, top, width, height} in CSS pixels relative to the viewport, or null when W is not open.
    clientRect(name) {
      return app.desktop.frame(name)?.clientRect() ?? null;
    },
    // Resolves once the page has caught up with the program: the windows' mirrors, bars and
    // bands, which follow each painted change, and the page's focus.
    async settled() {
      await app.running;
      app.desktop.settle();
    },
    get ready() { return app.ready; },
    // How many of each sound the page has played: {bell, chime}.
    get sounds() { return { ...played }; },
    // When the page last finished painting after input, for the benchmarks.
    get lastRenderEnd() { return app.desktop?.lastRenderEnd ?? 0; },
  };
}
