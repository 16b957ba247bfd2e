// SPDX-License-Identifier: GPL-3.0-or-later
// A window behind the front one shows a picture of its canvas in place of the canvas, whose
// pixels go: a canvas holds its pixels several times over (its own and the copies the compositor
// keeps), a picture only its compressed bytes and the part of it on the screen. The canvas is
// given its size back and painted in full when the window comes to the front or changes.
export function stowCanvas(frame) {
  const canvas = frame.canvas;
  if (frame.stowed || canvas.width === 0) return;
  const stowed = { picture: null, dropped: false };
  frame.stowed = stowed;
  canvas.toBlob(async (blob) => {
    if (stowed.dropped || !blob) return;
    const picture = new Image();
    picture.alt = "";
    picture.src = URL.createObjectURL(blob);
    await picture.decode().catch(() => {});
    if (stowed.dropped) { URL.revokeObjectURL(picture.src); return; }
    const { left, top, width, height } = canvas.style;
    Object.assign(picture.style, { position: "absolute", left, top, width, height, pointerEvents: "none" });
    canvas.before(picture);
    canvas.style.visibility = "hidden";
    canvas.width = 0;
    canvas.height = 0;
    stowed.picture = picture;
  });
}

// The canvas back in place of its picture; true when it has to be painted again.
export function unstowCanvas(frame) {
  const stowed = frame.stowed;
  if (!stowed) return false;
  stowed.dropped = true;
  frame.stowed = null;
  if (!stowed.picture) return false;
  URL.revokeObjectURL(stowed.picture.src);
  stowed.picture.remove();
  frame.canvas.style.visibility = "";
  frame.forgetPainting();
  frame.resizeCanvas();
  return true;
}
