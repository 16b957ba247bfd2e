// SPDX-License-Identifier: GPL-3.0-or-later
// window.zelmora: zelmora-script lines run against the program on the page, and where a window's
// client area lies, so that tests and other tools can aim real pointer events at a twip position.
import { played } from "./sound.js";
import { paintWindow } from "./window_painter.js";

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
    // How many pixels of W's canvas differ from a full painting of the window as the core has it
    // now, drag included, on a fresh canvas: the page paints only what changed, and this is how a
    // test finds a region it missed. Behind the front window, the picture shown in place of the
    // canvas is compared. Null when W is not open.
    async repaintDifference(name) {
      app.desktop.render();
      const frame = app.desktop.frame(name);
      if (!frame) return null;
      const picture = frame.stowed?.picture;
      const [width, height] = picture ? [picture.naturalWidth, picture.naturalHeight] : [frame.canvas.width, frame.canvas.height];
      const canvasOf = (paint) => {
        const canvas = Object.assign(document.createElement("canvas"), { width, height });
        paint(canvas);
        return canvas.getContext("2d").getImageData(0, 0, width, height).data;
      };
      const shown = picture ? canvasOf((c) => c.getContext("2d").drawImage(picture, 0, 0))
        : frame.canvas.getContext("2d").getImageData(0, 0, width, height).data;
      const full = canvasOf((c) => paintWindow(c, app.desktop.core.window(name), app.desktop.core.state().drag));
      let differing = 0;
      for (let i = 0; i < shown.length; i += 4)
        if (shown[i] !== full[i] || shown[i + 1] !== full[i + 1] || shown[i + 2] !== full[i + 2]) differing += 1;
      return differing;
    },
    get ready() { return app.ready; },
    // How many of each sound the page has played: {bell, chime}.
    get sounds() { return { ...played }; },
    // When the page last finished painting after input, for the benchmarks.
    get lastRenderEnd() { return app.desktop?.lastRenderEnd ?? 0; },
    // The time of every render from now on, in milliseconds, while set to an array; null stops it.
    get log() { return app.desktop?.renderLog ?? null; },
    set log(times) { if (app.desktop) app.desktop.renderLog = times; },
  };
}
