// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the window whose board has the keyboard (its canvas or a control's element in its
// accessible mirror), named as zelmora-script names them and as the desktop maps them: Tab,
// Shift+Tab, Space and Enter; the arrows (finer with Shift), Escape, Delete and R for keyboard
// drags, Page Down and Page Up (or "]" and "[") to jump them, R also as the key that types "ق" on an Arabic layout. The core decides what a held key
// does: it is told which presses the browser marked as repeats.
const ARROWS = { ArrowLeft: "left", ArrowRight: "right", ArrowUp: "up", ArrowDown: "down" };

export function keyName(e) {
  if (e.altKey || e.ctrlKey || e.metaKey) return null;
  if (e.key === "Tab") return e.shiftKey ? "shift+tab" : "tab";
  if (e.key === " ") return "space";
  if (e.key === "Enter") return "enter";
  if (ARROWS[e.key]) return (e.shiftKey ? "shift+" : "") + ARROWS[e.key];
  if (e.key === "Escape") return "escape";
  if (e.key === "Delete") return "delete";
  // Page Down and Page Up jump a held tile between the board's places; "]" and "[" do the same on
  // keyboards without them.
  if (e.key === "PageDown" || e.key === "]" || e.code === "BracketRight") return "pagedown";
  if (e.key === "PageUp" || e.key === "[" || e.code === "BracketLeft") return "pageup";
  if (e.code === "KeyR" || e.key === "r" || e.key === "R" || e.key === "ق") return "r";
  return null;
}

export function attachKeyboardInput(desktop) {
  desktop.root.addEventListener("keydown", (e) => {
    const client = e.target.closest?.(".client[data-window]");
    const name = keyName(e);
    if (!client || !name) return;
    e.preventDefault(); // Tab moves along the window's own tab order, not the page's
    desktop.deliver((core) => core.key(client.dataset.window, name, e.repeat));
  });
}
