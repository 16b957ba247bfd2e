// SPDX-License-Identifier: GPL-3.0-or-later
// What the board windows' small panels (the goal, the link) share: the keyboard kept inside the
// panel while it is open, and its place over its board window.

// Tab and Shift+Tab go round the panel's own fields and buttons, never out to the page. `isStop`
// says which of them take part (a disabled button or an unchosen radio does not).
export function keepTabInside(dialog, e, isStop = () => true) {
  if (e.key !== "Tab") return;
  const stops = [...dialog.querySelectorAll("input, button")].filter(isStop);
  const [first, last] = [stops[0], stops.at(-1)];
  if (e.shiftKey && document.activeElement === first) { e.preventDefault(); last.focus(); }
  else if (!e.shiftKey && document.activeElement === last) { e.preventDefault(); first.focus(); }
}

// Over the middle of its board window, kept on the screen.
export function placeOver(frame, dialog) {
  const box = frame.el.getBoundingClientRect();
  const { width, height } = dialog.getBoundingClientRect();
  const left = Math.max(8, Math.min(window.innerWidth - width - 8, box.left + (box.width - width) / 2));
  const top = Math.max(8, Math.min(window.innerHeight - height - 8, box.top + (box.height - height) / 3));
  Object.assign(dialog.style, { left: `${left}px`, top: `${top}px` });
}
