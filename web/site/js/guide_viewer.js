// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's guide, right to left, in a panel over the page; Escape or its close box shuts it.
export function createGuideViewer(panel) {
  const frame = panel.querySelector("iframe");
  const close = () => { panel.hidden = true; };
  panel.querySelector("#guide-close").addEventListener("click", close);
  window.addEventListener("keydown", (e) => { if (e.key === "Escape" && !panel.hidden) close(); });
  return {
    open() {
      if (!frame.src.endsWith("guide/guide.html")) frame.src = "guide/guide.html";
      panel.hidden = false;
      panel.querySelector("#guide-close").focus();
    },
    close,
    get isOpen() { return !panel.hidden; },
  };
}
