// SPDX-License-Identifier: GPL-3.0-or-later
// A shared link as a QR code over the whole page, for a class to read off a projector: drawn from
// the QR library's modules onto a canvas in whole device pixels per module, black on white with
// the quiet zone readers need, and redrawn as large as the page allows whenever it changes size.
// The link is written under it, left to right, wrapped anywhere and selectable. The library is
// bundled with the page, so the code is made offline and nothing leaves the page.
import qrcode from "qrcode-generator";
import { keepTabInside } from "./panel.js";

// A link is bytes to a reader: the library's own UTF-8 conversion, not its default Latin-1 cut.
qrcode.stringToBytes = qrcode.stringToBytesFuncs["UTF-8"];

const QUIET_MODULES = 4;
let viewsMade = 0;

// The link's QR code with medium correction, which survives a smudged screen or a slanted camera;
// low where medium cannot hold it; null when no QR code can.
export function qrCodeOf(link) {
  for (const level of ["M", "L"]) {
    const code = qrcode(0, level);
    code.addData(link, "Byte");
    try {
      code.make();
      return code;
    } catch (e) {
      if (!String(e).startsWith("code length overflow")) throw e;
    }
  }
  return null;
}

const element = (tag, properties = {}, ...children) => {
  const el = Object.assign(document.createElement(tag), properties);
  el.append(...children);
  return el;
};

// The code in the largest square of whole device pixels per module that the room holds.
function draw(canvas, code, room) {
  const ratio = window.devicePixelRatio || 1;
  const modules = code.getModuleCount() + 2 * QUIET_MODULES;
  const module = Math.floor(Math.floor(Math.min(room.width, room.height) * ratio) / modules);
  const side = Math.max(module, 1) * modules;
  canvas.width = canvas.height = side;
  canvas.style.width = canvas.style.height = `${side / ratio}px`;
  const context = canvas.getContext("2d");
  context.fillStyle = "#fff";
  context.fillRect(0, 0, side, side);
  context.fillStyle = "#000";
  for (let row = 0; row < code.getModuleCount(); row++) {
    for (let column = 0; column < code.getModuleCount(); column++) {
      if (code.isDark(row, column)) {
        context.fillRect((QUIET_MODULES + column) * module, (QUIET_MODULES + row) * module, module, module);
      }
    }
  }
}

export class QrView {
  constructor() {
    this.dialog = null;
    this.redraw = () => {};
  }

  get isOpen() { return Boolean(this.dialog?.open && this.dialog.isConnected); }

  // Shows the link's code over the page; `onClosed` runs once it has gone.
  open(link, texts, onClosed = () => {}) {
    if (this.isOpen) return;
    const id = `qr-view-${++viewsMade}`;
    const dialog = element("dialog", { className: "qr-view", dir: "rtl" });
    dialog.setAttribute("aria-labelledby", `${id}-title`);
    const close = element("button", { type: "button", className: "close", textContent: texts.close });
    close.addEventListener("click", () => dialog.close());
    const room = element("div", { className: "room" });
    const code = qrCodeOf(link);
    const canvas = code ? element("canvas", { className: "code" }) : null;
    if (canvas) {
      canvas.setAttribute("role", "img");
      canvas.setAttribute("aria-labelledby", `${id}-title`);
      room.append(canvas);
    } else {
      room.append(element("p", { className: "too-long", textContent: texts.qrTooLong }));
    }
    dialog.append(element("header", {}, element("h2", { id: `${id}-title`, textContent: texts.qrTitle }), close),
      room, element("p", { className: "link", dir: "ltr", textContent: link }));
    dialog.addEventListener("keydown", (e) => keepTabInside(dialog, e));
    dialog.addEventListener("close", () => {
      window.removeEventListener("resize", this.redraw);
      dialog.remove();
      if (this.dialog === dialog) this.dialog = null;
      onClosed();
    });

    this.dialog = dialog;
    document.body.append(dialog);
    dialog.showModal();
    this.redraw = () => {
      if (!canvas) return;
      // The canvas is taken out of the room while it is measured, so that the room's own size,
      // not the code's last one, decides the next.
      canvas.hidden = true;
      const box = room.getBoundingClientRect();
      canvas.hidden = false;
      draw(canvas, code, box);
    };
    this.redraw();
    window.addEventListener("resize", this.redraw);
    close.focus();
  }
}
