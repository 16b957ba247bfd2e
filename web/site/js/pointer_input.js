// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer Events from a mouse, a finger or a pen, turned into the core's presses, moves, releases
// and double clicks. One pointer at a time drives the program; the client area that got the press
// captures its pointer, so a release anywhere is still seen and goes to the window under it, or
// to none outside every window. The client area includes the window's colour around its canvas,
// which is the window's too.
// Two fingers on a board zoom and pan it instead (the page's own view, which the core never sees).
// A finger's press therefore waits until the finger moves, lifts or stays a moment: a second
// finger landing before then makes a pinch, and the board never saw the first.
import { toTwips } from "./view_scale.js";

const DOUBLE_CLICK_MS = 500;
const DOUBLE_CLICK_SLOP = 6; // CSS pixels
const TOUCH_PRESS_WAIT_MS = 90; // longer than two fingers of one hand take to land together
const TOUCH_PRESS_SLOP = 6; // CSS pixels a finger moves before its press is a drag

// The core numbers mouse buttons 1 (left), 2 (right) and 4 (middle).
const BUTTONS = { 0: 1, 1: 4, 2: 2 };

const distance = (a, b) => Math.hypot(a.x - b.x, a.y - b.y);
const midpoint = (a, b) => ({ x: (a.x + b.x) / 2, y: (a.y + b.y) / 2 });

export function attachPointerInput(desktop) {
  let active = null; // {pointerId, window, client}
  let waiting = null; // a finger's press not yet delivered: {pointerId, frame, client, event, timer}
  let pinch = null; // {frame, points: Map(pointerId -> {x, y}), start}
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

  // A press the core is given: at the place and time the pointer went down.
  function press(frame, client, e, time) {
    const button = BUTTONS[e.button];
    active = { pointerId: e.pointerId, window: frame.name, client };
    const p = twipsIn(frame, e);
    const double = lastPress && lastPress.window === frame.name && lastPress.button === button
      && time - lastPress.time <= DOUBLE_CLICK_MS
      && Math.hypot(e.clientX - lastPress.x, e.clientY - lastPress.y) <= DOUBLE_CLICK_SLOP;
    // A double click is two presses, the second followed by the double click itself.
    desktop.deliver((core) => {
      core.mouseDown(frame.name, p.x, p.y, button);
      if (double) core.doubleClick(frame.name, p.x, p.y);
    });
    lastPress = double ? null : { window: frame.name, time, x: e.clientX, y: e.clientY, button };
    // A double tap on the empty mat of a zoomed board shows it whole again.
    if (double && e.pointerType === "touch" && frame.isZoomed() && !onControl(frame, p)) frame.resetZoom();
  }

  // Whether a point in twips lies on a button of the board (a tile, the palette, a command).
  const onControl = (frame, p) => (desktop.core.tools(frame.name)?.names ?? []).some((entry) =>
    entry.role === "button" && p.x >= entry.left && p.x < entry.left + entry.width
      && p.y >= entry.top && p.y < entry.top + entry.height);

  function deliverWaiting() {
    if (!waiting) return;
    const { frame, client, event, time, timer } = waiting;
    clearTimeout(timer);
    waiting = null;
    if (desktop.frame(frame.name) === frame) press(frame, client, event, time);
  }

  function beginPinch(frame, first, second) {
    clearTimeout(waiting?.timer);
    waiting = null;
    const points = new Map([[first.pointerId, { x: first.clientX, y: first.clientY }],
      [second.pointerId, { x: second.clientX, y: second.clientY }]]);
    pinch = { frame, points, start: null };
    restartPinch();
  }

  // The pinch measures from where its fingers are now and the view the board has now; a finger
  // alone waits for a second.
  function restartPinch() {
    if (pinch.points.size !== 2) return;
    const [a, b] = [...pinch.points.values()];
    const box = pinch.frame.client.getBoundingClientRect();
    const toClient = (p) => ({ x: p.x - box.left, y: p.y - box.top });
    pinch.start = { view: pinch.frame.currentView(), span: distance(a, b), mid: toClient(midpoint(a, b)), toClient };
  }

  function movePinch(e) {
    pinch.points.set(e.pointerId, { x: e.clientX, y: e.clientY });
    const [a, b] = [...pinch.points.values()];
    const { view, span, mid, toClient } = pinch.start;
    pinch.frame.pinchTo(view, span, distance(a, b), mid, toClient(midpoint(a, b)));
  }

  desktop.root.addEventListener("pointerdown", (e) => {
    const client = e.target.closest?.(".client[data-window]");
    if (!client || e.target.closest(".view-tools")) return;
    const frame = desktop.frame(client.dataset.window);
    if (e.pointerType === "touch" && pinch) {
      // A third finger is ignored; a finger put back on a pinched board carries the pinch on.
      if (pinch.frame === frame && pinch.points.size < 2) {
        e.preventDefault();
        client.setPointerCapture(e.pointerId);
        pinch.points.set(e.pointerId, { x: e.clientX, y: e.clientY });
        restartPinch();
      }
      return;
    }
    if (e.pointerType === "touch" && waiting && waiting.frame === frame) {
      e.preventDefault();
      client.setPointerCapture(e.pointerId);
      beginPinch(frame, waiting.event, e);
      return;
    }
    if (active || waiting) return; // a second finger while one drives the board is ignored
    if (!BUTTONS[e.button]) return;
    e.preventDefault();
    client.setPointerCapture(e.pointerId);
    frame.canvas.focus({ preventScroll: true });
    const time = performance.now();
    if (e.pointerType !== "touch") { press(frame, client, e, time); return; }
    waiting = { pointerId: e.pointerId, frame, client, event: e, time,
      timer: setTimeout(deliverWaiting, TOUCH_PRESS_WAIT_MS) };
  });

  desktop.root.addEventListener("pointermove", (e) => {
    if (pinch?.points.has(e.pointerId)) {
      if (pinch.points.size === 2) movePinch(e);
      return;
    }
    if (waiting && e.pointerId === waiting.pointerId) {
      if (Math.hypot(e.clientX - waiting.event.clientX, e.clientY - waiting.event.clientY) < TOUCH_PRESS_SLOP) return;
      deliverWaiting();
    }
    if (!active || e.pointerId !== active.pointerId) return;
    const frame = desktop.frame(active.window);
    if (!frame) return;
    const p = twipsIn(frame, e);
    desktop.core.mouseMove(frame.name, p.x, p.y);
    desktop.requestRender();
  });

  const release = (e, cancelled) => {
    if (pinch?.points.has(e.pointerId)) {
      pinch.points.delete(e.pointerId);
      if (pinch.points.size === 0) {
        pinch.frame.settleView();
        pinch = null;
      } else {
        restartPinch();
      }
      return;
    }
    if (waiting && e.pointerId === waiting.pointerId) {
      if (cancelled) { clearTimeout(waiting.timer); waiting = null; return; }
      deliverWaiting();
    }
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
