// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's guide, right to left, in a panel over the page; Escape or its close box shuts it.
// Its frame is made when the guide first opens: a frame costs a whole document and script context,
// which the start of the program need not wait for.
// onRead(document) is called with the guide once it is read, for the page to add to it.
export function createGuideViewer(panel, { onRead = () => {} } = {}) {
  let frame = null;
  const close = () => { panel.hidden = true; };
  panel.querySelector("#guide-close").addEventListener("click", close);
  window.addEventListener("keydown", (e) => { if (e.key === "Escape" && !panel.hidden) close(); });
  return {
    open() {
      if (!frame) {
        frame = document.createElement("iframe");
        frame.title = "دليل المعلم";
        frame.src = "guide/guide.html";
        frame.addEventListener("load", () => { if (frame.contentDocument) onRead(frame.contentDocument); });
        panel.append(frame);
      }
      panel.hidden = false;
      panel.querySelector("#guide-close").focus();
    },
    close,
    get isOpen() { return !panel.hidden; },
  };
}
