// SPDX-License-Identifier: GPL-3.0-or-later
// Everything a board window offers around the board itself, as the desktop offers it: each
// command's Arabic name and tooltip, its icon, its keys, and whether it has a button. In bar
// order, first to last; the bar lays them out right to left.
export const BOARD_COMMANDS = [
  { id: "undo", text: "تراجع", tooltip: "تراجع عن آخر حركة", icon: "undo", keys: ["Ctrl+Z"] },
  { id: "redo", text: "إعادة", tooltip: "إعادة ما تُرُوجِع عنه", icon: "redo", keys: ["Ctrl+Shift+Z", "Ctrl+Y"],
    gapAfter: true },
  { id: "open", text: "فتح", tooltip: "فتح لوحة محفوظة", icon: "open", keys: ["Ctrl+O"] },
  { id: "save", text: "حفظ", tooltip: "حفظ اللوحة في ملف", icon: "save", keys: ["Ctrl+S"], gapAfter: true },
  { id: "copyPicture", text: "نسخ الصورة", tooltip: "نسخ صورة اللوحة", icon: "copy-picture", keys: ["Ctrl+C"] },
  { id: "savePicture", text: "حفظ الصورة", tooltip: "حفظ صورة اللوحة بصيغة PNG", icon: "save-picture", keys: [] },
  { id: "print", text: "طباعة", tooltip: "طباعة اللوحة", icon: "print", keys: ["Ctrl+P"], gapAfter: true },
  { id: "fullScreen", text: "ملء الشاشة", tooltip: "ملء الشاشة للعرض على السبورة (Esc للخروج)", icon: "full-screen",
    keys: ["F11"], toggle: true },
  { id: "algebra", text: "الجبر", tooltip: "إظهار الجبر الذي تمثله القطع تحت اللوحة أو إخفاؤه", icon: "algebra",
    keys: ["F2"], toggle: true, showText: true },
  { id: "toolbar", text: "شريط الأدوات", tooltip: "إظهار شريط الأدوات أو إخفاؤه", keys: ["F10"], toggle: true },
];

// "Ctrl+Shift+Z" against a key press. Letters are matched by the key's place, so that the keys
// work on an Arabic layout too, where the Z key types "ئ".
function matches(spec, e) {
  const parts = spec.split("+");
  const key = parts.pop();
  const ctrl = parts.includes("Ctrl");
  if ((e.ctrlKey || e.metaKey) !== ctrl || e.shiftKey !== parts.includes("Shift") || e.altKey) return false;
  return key.length === 1 ? e.code === `Key${key}` : e.key === key;
}

export function commandForKey(e) {
  return BOARD_COMMANDS.find((command) => command.keys.some((spec) => matches(spec, e))) ?? null;
}

// The form ARIA gives shortcuts in: "Control+Shift+Z".
export const ariaKeys = (command) => command.keys.map((spec) => spec.replace("Ctrl", "Control")).join(" ");
