// SPDX-License-Identifier: GPL-3.0-or-later
// The layouts name the designer's fonts; the page sets them in the bundled faces the desktop
// uses for them: Latin from Liberation Sans and Arabic from Noto Sans Arabic for Arial and MS Sans
// Serif, Amiri for Traditional Arabic.
import { TWIPS_PER_PIXEL, TWIPS_PER_POINT } from "./view_scale.js";

const FACES = {
  "Traditional Arabic": '"Zelmora Naskh", "Zelmora Arabic"',
};
const DEFAULT_FACES = '"Zelmora Latin", "Zelmora Arabic", sans-serif';

const fontOf = (control, pixels) => `${control.bold ? 700 : 400} ${pixels}px ${FACES[control.family] ?? DEFAULT_FACES}`;

export function cssFont(control, zoom) {
  const pixels = Math.max(1, Math.round(control.points * TWIPS_PER_POINT / TWIPS_PER_PIXEL * zoom));
  return { pixels, css: (size) => fontOf(control, size) };
}

const textOf = (control) => control.caption ?? control.text ?? "";

// Waits for the faces that the windows' text is set in, and no other: the Latin face declares
// the characters it holds (see style.css), so Arabic text loads the Arabic face and Latin text
// the Latin one. Each window is painted in its own faces from its first paint on.
export async function loadFacesFor(snapshots) {
  const wanted = new Map();
  for (const snapshot of snapshots)
    for (const control of snapshot.controls) {
      const text = textOf(control);
      if (!text) continue;
      const font = fontOf(control, 16);
      wanted.set(font, (wanted.get(font) ?? "") + text);
    }
  await Promise.all([...wanted].map(([font, text]) => document.fonts.load(font, text)));
}

// Every bundled face, for the windows still to come; resolves once all have arrived.
export async function loadAllFaces() {
  const specs = ["400 16px \"Zelmora Latin\"", "700 16px \"Zelmora Latin\"", "400 16px \"Zelmora Arabic\"",
    "700 16px \"Zelmora Arabic\"", "400 16px \"Zelmora Naskh\"", "700 16px \"Zelmora Naskh\""];
  await Promise.all(specs.map((spec) => document.fonts.load(spec, "أبجد Zelmora 123")));
}
