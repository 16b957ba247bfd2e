// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer Events from a mouse, a finger or a pen, turned into the core's presses, moves, releases
// and double clicks. One pointer at a time drives the program; the client area that got the press
// captures its pointer, so a release anywhere is still seen and goes to the window under it, or
// to none outside every window. The client area includes the window's colour around its canvas,
// which is the window's too.
import { toTwips } from "./view_scale.js";

const DOUBLE_CLICK_MS = 500;
const DOUBLE_CLICK_SLOP = 6; // CSS pixels

// The core numbers mouse buttons 1 (left), 2 (right) and 4 (middle).
const BUTTONS = { 0: 1, 1: 4, 2: 2 };

export function attachPointerInput(desktop) {
  let active = null; // {pointerId, window, client}
  let lastPress = null; // {window, time, x, y, button} for double clicks

  const twipsIn = (frame, e) => {
    const s = frame.cssScale();
    return toTwips(s, e.clientX - s.left, e.clientY - s.top);
  };

  // The window whose client area lies under a point of the viewport, if any.
  const windowAt = (x, y) => {
    const client = document.elementFromPoint(x, y)?.closest?.(".client[data-window]");
    return client ? desktop.frame(client.dataset.window) : null;
  };

  desktop.root.addEventListener("pointerdown", (e) => {
    const client = e.target.closest?.(".client[data-window]");
    if (!client || active) return; // a second finger while one is down is ignored
    const button = BUTTONS[e.button];
    if (!button) return;
    e.preventDefault();
    const frame = desktop.frame(client.dataset.window);
    client.setPointerCapture(e.pointerId);
    frame.canvas.focus({ preventScroll: true });
    active = { pointerId: e.pointerId, window: frame.name, client };
    const p = twipsIn(frame, e);
    const now = performance.now();
    const double = lastPress && lastPress.window === frame.name && lastPress.button === button
      && now - lastPress.time <= DOUBLE_CLICK_MS
      && Math.hypot(e.clientX - lastPress.x, e.clientY - lastPress.y) <= DOUBLE_CLICK_SLOP;
    // A double click is two presses, the second followed by the double click itself.
    desktop.deliver((core) => {
      core.mouseDown(frame.name, p.x, p.y, button);
      if (double) core.doubleClick(frame.name, p.x, p.y);
    });
    lastPress = double ? null : { window: frame.name, time: now, x: e.clientX, y: e.clientY, button };
  });

  desktop.root.addEventListener("pointermove", (e) => {
    if (!active || e.pointerId !== active.pointerId) return;
    const frame = desktop.frame(active.window);
    if (!frame) return;
    const p = twipsIn(frame, e);
    desktop.core.mouseMove(frame.name, p.x, p.y);
    desktop.requestRender();
  });

  const release = (e, cancelled) => {
    if (!active || e.pointerId !== active.pointerId) return;
    const under = cancelled ? null : windowAt(e.clientX, e.clientY);
    const p = under ? twipsIn(under, e) : { x: 0, y: 0 };
    if (active.client.hasPointerCapture(e.pointerId)) active.client.releasePointerCapture(e.pointerId);
    active = null;
    desktop.deliver((core) => core.mouseUp(under?.name ?? null, p.x, p.y));
  };
  desktop.root.addEventListener("pointerup", (e) => release(e, false));
  desktop.root.addEventListener("pointercancel", (e) => release(e, true));
  desktop.root.addEventListener("contextmenu", (e) => e.preventDefault());
}
