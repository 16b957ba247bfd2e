// SPDX-License-Identifier: GPL-3.0-or-later
// Paints a whole window: the back colour (the letterbox too), the controls back to front, and
// during a drag a translucent copy of the dragged tile inside its dotted outline.
import { paintControl, pixelRect } from "./control_painter.js";
import { fitScale } from "./view_scale.js";

export function paintWindow(canvas, snapshot, drag) {
  const ctx = canvas.getContext("2d", { alpha: false });
  const scale = fitScale(snapshot.width, snapshot.height, canvas.width, canvas.height);
  ctx.setTransform(1, 0, 0, 1, 0, 0);
  ctx.fillStyle = snapshot.back;
  ctx.fillRect(0, 0, canvas.width, canvas.height);
  const client = pixelRect(scale, 0, 0, snapshot.width, snapshot.height);
  ctx.save();
  ctx.beginPath();
  ctx.rect(client.x, client.y, client.w, client.h);
  ctx.clip();
  for (const control of snapshot.controls) paintControl(ctx, control, scale);
  if (drag && drag.window === snapshot.name && drag.pointerInForm) paintDrag(ctx, snapshot, drag, scale);
  ctx.restore();
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
