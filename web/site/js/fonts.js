// SPDX-License-Identifier: GPL-3.0-or-later
// The layouts name the designer's fonts; the page sets them in the bundled faces the desktop
// uses for them: Latin from Liberation Sans and Arabic from Noto Sans Arabic for Arial and MS Sans
// Serif, Amiri for Traditional Arabic.
import { TWIPS_PER_PIXEL, TWIPS_PER_POINT } from "./view_scale.js";

const FACES = {
  "Traditional Arabic": '"Zelmora Naskh", "Zelmora Arabic"',
};
const DEFAULT_FACES = '"Zelmora Latin", "Zelmora Arabic", sans-serif';

export function cssFont(control, zoom) {
  const pixels = Math.max(1, Math.round(control.points * TWIPS_PER_POINT / TWIPS_PER_PIXEL * zoom));
  return { pixels, css: (size) => `${control.bold ? 700 : 400} ${size}px ${FACES[control.family] ?? DEFAULT_FACES}` };
}

// Waits for every face, so that the first paint already sets captions in them.
export async function loadFonts() {
  const specs = ["400 16px \"Zelmora Latin\"", "700 16px \"Zelmora Latin\"", "400 16px \"Zelmora Arabic\"",
    "700 16px \"Zelmora Arabic\"", "400 16px \"Zelmora Naskh\"", "700 16px \"Zelmora Naskh\""];
  await Promise.all(specs.map((spec) => document.fonts.load(spec, "أبجد Zelmora 123")));
}
