// SPDX-License-Identifier: GPL-3.0-or-later
// A board window's share panel: the link that opens the board and its task in a browser, on this
// very page, for the teacher to copy and hand out. The core makes the link and gives every word;
// this lays them out right to left, with the link itself left to right, keeps the keyboard inside
// while it is open and gives it back to the board after. Its QR code button shows the link as a
// code over the whole page, for a class to read off a projector.
import { keepTabInside, placeOver } from "./panel.js";
import { QrView } from "./qr_view.js";

let panelsMade = 0;

const element = (tag, properties = {}, ...children) => {
  const el = Object.assign(document.createElement(tag), properties);
  el.append(...children);
  return el;
};

// The page's own address without its fragment: the link then opens where the teacher works,
// be it the published site or a copy on a school's own server.
const pageAddress = () => location.origin + location.pathname;

export class SharePanel {
  constructor(desktop) {
    this.desktop = desktop;
    this.dialog = null;
    this.frame = null;
    this.qrView = new QrView();
  }

  get isOpen() { return Boolean(this.dialog?.open && this.dialog.isConnected); }

  open(frame) {
    const share = this.desktop.core.shareLink(frame.name, pageAddress());
    if (!share || this.isOpen) return;
    this.frame = frame;
    this.dialog = this.build(share);
    frame.el.append(this.dialog);
    this.dialog.showModal();
    placeOver(this.frame, this.dialog);
    this.field.focus();
    this.field.select();
  }

  build({ link, texts }) {
    const id = `share-panel-${++panelsMade}`;
    const dialog = element("dialog", { className: "share-panel", dir: "rtl" });
    dialog.setAttribute("aria-labelledby", `${id}-title`);
    dialog.setAttribute("aria-describedby", `${id}-explanation`);
    this.field = element("input", { type: "text", id: `${id}-link`, className: "link", dir: "ltr", readOnly: true,
      value: link, spellcheck: false, autocomplete: "off" });
    this.field.setAttribute("aria-labelledby", `${id}-title`);
    this.field.addEventListener("focus", () => this.field.select());
    this.copyButton = element("button", { type: "button", className: "copy", textContent: texts.copy });
    const qr = element("button", { type: "button", className: "qr", textContent: texts.qrCode });
    const close = element("button", { type: "button", className: "close", textContent: texts.close });
    this.status = element("output", { className: "spoken" }); // the button shows it; this says it
    this.status.setAttribute("aria-live", "polite");
    this.copyButton.addEventListener("click", () => this.copy(texts.copied));
    qr.addEventListener("click", () => this.qrView.open(link, texts, () => qr.focus()));
    close.addEventListener("click", () => dialog.close());

    dialog.append(element("h2", { id: `${id}-title`, textContent: texts.title }),
      element("p", { id: `${id}-explanation`, className: "explanation", textContent: texts.explanation }),
      this.field, element("div", { className: "buttons" }, this.copyButton, qr, this.status, close));
    dialog.addEventListener("keydown", (e) => keepTabInside(dialog, e));
    dialog.addEventListener("close", () => this.closed(dialog));
    return dialog;
  }

  // The clipboard where the browser allows it; otherwise the link is left selected in its field,
  // and the learner's own Ctrl+C copies it.
  async copy(copied) {
    const link = this.field.value;
    try {
      await navigator.clipboard.writeText(link);
      this.status.textContent = copied;
      this.copyButton.textContent = copied;
    } catch {
      this.field.focus();
      this.field.select();
    }
  }

  closed(dialog) {
    dialog.remove();
    if (this.dialog !== dialog) return;
    this.dialog = null;
    const frame = this.frame;
    this.frame = null;
    if (frame?.el.isConnected) frame.focusBoard();
  }
}
