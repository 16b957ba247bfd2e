// SPDX-License-Identifier: GPL-3.0-or-later
// Which parts of a window's canvas a change touches, so that only they are painted again: a drag
// moves one tile's outline over a board of a hundred and more tiles, and a drop moves a few.
// Each control paints inside its bounds; a region painted again is cleared to the window's
// colour and every control whose bounds reach into it is painted again, back to front, under a
// clip, so that its pixels come out as a full repaint would paint them.
import { pixelRect } from "./control_painter.js";
import { cssFont } from "./fonts.js";

// Beyond this share of the canvas, painting everything costs no more than the regions.
const MOST_OF_THE_CANVAS = 0.5;

// Device pixels a control may paint into, or null for one whose text may run past its box
// (labels and text boxes wrap their words downwards), which is painted whenever anything is.
export function paintBounds(control, scale) {
  if (control.kind === "label" || control.kind === "textbox") return null;
  if (control.kind === "line") {
    const spread = Math.ceil(Math.max(1, control.borderWidth * scale.zoom)) + 2;
    const xs = [control.x1, control.x2].map((t) => scale.offsetX + t * scale.perTwip);
    const ys = [control.y1, control.y2].map((t) => scale.offsetY + t * scale.perTwip);
    const x = Math.floor(Math.min(...xs)) - spread;
    const y = Math.floor(Math.min(...ys)) - spread;
    return { x, y, w: Math.ceil(Math.max(...xs)) + spread - x, h: Math.ceil(Math.max(...ys)) + spread - y };
  }
  // A caption is set smaller to fit the width but may stand taller than a short button.
  const margin = 2 + (control.caption ? cssFont(control, scale.zoom).pixels : 0);
  const r = pixelRect(scale, control.left, control.top, control.width, control.height);
  return { x: r.x - margin, y: r.y - margin, w: r.w + 2 * margin, h: r.h + 2 * margin };
}

// The dragged tile's translucent copy and its outline, where the drag shows them, or null.
export function dragBounds(snapshot, drag, scale) {
  if (!drag) return null;
  const dragged = snapshot.controls.find((c) => c.name === drag.control);
  const box = { kind: "shape", left: drag.left, top: drag.top, width: drag.width, height: drag.height };
  const outline = paintBounds(box, scale);
  if (!dragged) return outline;
  const copy = paintBounds({ ...dragged, left: drag.left, top: drag.top }, scale);
  return copy ? union(outline, copy) : null;
}

function union(a, b) {
  const x = Math.min(a.x, b.x);
  const y = Math.min(a.y, b.y);
  return { x, y, w: Math.max(a.x + a.w, b.x + b.w) - x, h: Math.max(a.y + a.h, b.y + b.h) - y };
}

export const overlaps = (a, b) => a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;

function sameControl(a, b) {
  for (const key in a) if (a[key] !== b[key]) return false;
  for (const key in b) if (!(key in a)) return false;
  return true;
}

function sameDrag(a, b) {
  if (!a || !b) return a === b;
  return a.control === b.control && a.left === b.left && a.top === b.top && a.width === b.width && a.height === b.height;
}

// The regions of the canvas that differ between two paintings of a window (the snapshot and the
// drag shown over it, or null), or null when the whole canvas is to be painted again: the window
// itself changed, its controls were restacked, or the change covers most of it.
export function changedRegions(before, after, scale, canvasArea) {
  const [was, now] = [before.snapshot, after.snapshot];
  if (!was || was.back !== now.back || was.width !== now.width || was.height !== now.height
      || was.controls.length !== now.controls.length) return null;
  const regions = [];
  const add = (bounds) => { if (bounds) regions.push(bounds); return Boolean(bounds); };
  let controlsChanged = false;
  for (let i = 0; i < now.controls.length; i++) {
    const [a, b] = [was.controls[i], now.controls[i]];
    if (a.name !== b.name) return null;
    if (sameControl(a, b)) continue;
    controlsChanged = true;
    if (!add(paintBounds(a, scale)) || !add(paintBounds(b, scale))) return null;
  }
  if (controlsChanged || !sameDrag(before.drag, after.drag)) {
    if (before.drag && !add(dragBounds(was, before.drag, scale))) return null;
    if (after.drag && !add(dragBounds(now, after.drag, scale))) return null;
  }
  const area = regions.reduce((sum, r) => sum + r.w * r.h, 0);
  return area > MOST_OF_THE_CANVAS * canvasArea ? null : regions;
}
