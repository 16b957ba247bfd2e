// SPDX-License-Identifier: GPL-3.0-or-later
// Paints a window: the back colour (the letterbox too), the controls back to front, and during a
// drag a translucent copy of the dragged tile inside its dotted outline. Given regions, it paints
// those alone (paint_regions.js), with the same pixels there as a full painting.
import { paintControl, pixelRect } from "./control_painter.js";
import { overlaps, paintBounds } from "./paint_regions.js";
import { fitScale } from "./view_scale.js";

export function windowScale(canvas, snapshot) {
  return fitScale(snapshot.width, snapshot.height, canvas.width, canvas.height);
}

// The drag as the window shows it: over this window, with the pointer inside it; else null.
export function dragShownOn(snapshot, drag) {
  return drag && drag.window === snapshot.name && drag.pointerInForm ? drag : null;
}

export function paintWindow(canvas, snapshot, drag, regions = null) {
  const ctx = canvas.getContext("2d", { alpha: false });
  const scale = windowScale(canvas, snapshot);
  ctx.setTransform(1, 0, 0, 1, 0, 0);
  ctx.save();
  if (regions) clipTo(ctx, regions);
  ctx.fillStyle = snapshot.back;
  ctx.fillRect(0, 0, canvas.width, canvas.height);
  clipTo(ctx, [pixelRect(scale, 0, 0, snapshot.width, snapshot.height)]);
  const touched = (control) => {
    if (!regions) return true;
    const bounds = paintBounds(control, scale);
    return !bounds || regions.some((r) => overlaps(bounds, r));
  };
  for (const control of snapshot.controls) if (touched(control)) paintControl(ctx, control, scale);
  const shown = dragShownOn(snapshot, drag);
  if (shown) paintDrag(ctx, snapshot, shown, scale);
  ctx.restore();
}

function clipTo(ctx, rects) {
  ctx.beginPath();
  for (const r of rects) ctx.rect(r.x, r.y, r.w, r.h);
  ctx.clip();
}

function paintDrag(ctx, snapshot, drag, scale) {
  const dragged = snapshot.controls.find((c) => c.name === drag.control);
  if (dragged) {
    ctx.save();
    ctx.globalAlpha = 0.5;
    paintControl(ctx, { ...dragged, left: drag.left, top: drag.top, focused: false }, scale);
    ctx.restore();
  }
  const r = pixelRect(scale, drag.left, drag.top, drag.width, drag.height);
  const w = Math.max(1, Math.round(scale.zoom));
  ctx.save();
  ctx.setLineDash([w, w]);
  ctx.lineWidth = w;
  ctx.strokeStyle = "#000000";
  ctx.strokeRect(r.x + w / 2, r.y + w / 2, r.w - w, r.h - w);
  ctx.restore();
}
