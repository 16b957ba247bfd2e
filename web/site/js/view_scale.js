// SPDX-License-Identifier: GPL-3.0-or-later
// How a window's client area in twips lies on its canvas: scaled uniformly to fit and centred,
// the rest letterboxed in the window's back colour, as the desktop view does.
export const TWIPS_PER_PIXEL = 15;
export const TWIPS_PER_POINT = 20;

export function fitScale(widthTwips, heightTwips, cssWidth, cssHeight) {
  const zoom = Math.max(0.01, Math.min(cssWidth * TWIPS_PER_PIXEL / widthTwips,
                                       cssHeight * TWIPS_PER_PIXEL / heightTwips));
  const perTwip = zoom / TWIPS_PER_PIXEL;
  return {
    zoom,
    perTwip,
    offsetX: (cssWidth - widthTwips * perTwip) / 2,
    offsetY: (cssHeight - heightTwips * perTwip) / 2,
  };
}

// A pointer position in twips, fractions kept to a sixteenth of a twip: no screen places a pointer
// finer than that, and it keeps the float noise of the conversion (2999.9998 for 3000) out of the
// program, which would otherwise carry it into a tile's position.
const STEP = 16;
export function toTwips(scale, cssX, cssY) {
  const snap = (v) => Math.round(v * STEP) / STEP;
  return { x: snap((cssX - scale.offsetX) / scale.perTwip), y: snap((cssY - scale.offsetY) / scale.perTwip) };
}

export function toCss(scale, twipsX, twipsY) {
  return { x: scale.offsetX + twipsX * scale.perTwip, y: scale.offsetY + twipsY * scale.perTwip };
}

// A board shown closer than its fit, as a pinch leaves it: the canvas is `zoom` times its fitted
// size and lies at (x, y) of the client area, in CSS pixels. Pointer positions still go through
// the canvas's own place and size, so a drag lands on the same twips at any zoom.
export const MOST_ZOOM = 3;

export function fittedView() { return { zoom: 1, x: null, y: null }; }

// The zoom after a pinch that began with `start` (zoom and canvas corner) and fingers `from` apart
// around `fromMid`, now `to` apart around `toMid`: the board's point that lay under the first
// midpoint lies under the new one, as the page's own pinch zoom behaves.
export function pinchedView(start, fromSpan, toSpan, fromMid, toMid) {
  const zoom = Math.min(MOST_ZOOM, Math.max(1, start.zoom * toSpan / Math.max(1, fromSpan)));
  const ratio = zoom / start.zoom;
  return { zoom, x: toMid.x - (fromMid.x - start.x) * ratio, y: toMid.y - (fromMid.y - start.y) * ratio };
}

// Keeps a zoomed canvas over the whole client area where it is larger than it, centred where it
// is not: no pan shows empty page beside a board that could fill it.
export function clampedView(view, fit, boxWidth, boxHeight) {
  if (view.zoom <= 1) return { zoom: 1, x: fit.offsetX, y: fit.offsetY };
  const place = (at, size, box, centred) => {
    if (size <= box) return centred;
    return Math.min(0, Math.max(box - size, at ?? centred));
  };
  const width = fit.width * view.zoom;
  const height = fit.height * view.zoom;
  return { zoom: view.zoom, x: place(view.x, width, boxWidth, (boxWidth - width) / 2),
    y: place(view.y, height, boxHeight, (boxHeight - height) / 2) };
}
