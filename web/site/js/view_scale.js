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
