// SPDX-License-Identifier: GPL-3.0-or-later
// Text widths as the canvas measures them, kept by font and text: a board paints the same few
// captions in the same few fonts on every frame, and measuring shapes the text each time. A face
// that arrives later measures differently, so the kept widths go whenever one does.
const widths = new Map();
const MOST_KEPT = 4096; // a bound for pages open all day with many different texts

if (typeof document !== "undefined" && document.fonts)
  document.fonts.addEventListener("loadingdone", () => widths.clear());

export function textWidth(ctx, text) {
  const key = `${ctx.font}\n${text}`;
  let width = widths.get(key);
  if (width === undefined) {
    width = ctx.measureText(text).width;
    if (widths.size >= MOST_KEPT) widths.clear();
    widths.set(key, width);
  }
  return width;
}
