// SPDX-License-Identifier: GPL-3.0-or-later
// One in-page window: a title bar (icon, caption, close box) for titled windows, a bar for a
// board's classroom tools, the canvas the window's client area is painted on, and the canvas's
// accessible mirror over it.
import { AccessibleMirror } from "./accessible_mirror.js";
import { unstowCanvas } from "./canvas_stow.js";
import { fitScale } from "./view_scale.js";

export const TITLE_HEIGHT = 28;

export class WindowFrame {
  constructor(snapshot, { onClose, onActivate, onToggleMaximize, onClientResized }) {
    this.name = snapshot.name;
    this.design = { width: snapshot.width, height: snapshot.height, titled: snapshot.titled };
    this.maximized = false;
    this.placed = null; // {x, y, w, h} in CSS pixels once placed among other windows
    this.stowed = null; // the picture shown in place of the canvas behind the front window (canvas_stow.js)
    this.forgetPainting();

    const el = document.createElement("section");
    el.className = "window";
    el.dataset.window = snapshot.name;
    el.setAttribute("aria-label", snapshot.caption);
    if (snapshot.titled) {
      const bar = document.createElement("header");
      bar.className = "titlebar";
      if (snapshot.hasIcon) {
        const icon = document.createElement("img");
        icon.src = "pictures/pencil-16.png";
        icon.alt = "";
        bar.append(icon);
      }
      const title = document.createElement("span");
      title.className = "title";
      title.textContent = snapshot.caption;
      title.dir = "auto";
      const close = document.createElement("button");
      close.type = "button";
      close.className = "close";
      close.textContent = "×";
      close.setAttribute("aria-label", "إغلاق");
      close.addEventListener("click", () => onClose(this.name));
      close.addEventListener("pointerdown", (e) => e.stopPropagation());
      bar.append(title, close);
      bar.addEventListener("pointerdown", (e) => { onActivate(this.name); this.beginMove(e); });
      bar.addEventListener("dblclick", () => onToggleMaximize(this.name));
      el.append(bar);
    }
    this.toolbar = document.createElement("div");
    this.toolbar.className = "toolbar";
    this.client = document.createElement("div");
    this.client.className = "client";
    this.client.dataset.window = snapshot.name;
    this.canvas = document.createElement("canvas");
    this.canvas.tabIndex = 0;
    this.canvas.dataset.window = snapshot.name;
    this.canvas.setAttribute("role", "img");
    this.canvas.setAttribute("aria-label", snapshot.caption);
    this.mirror = new AccessibleMirror(snapshot.caption, snapshot.name);
    this.client.append(this.canvas, this.mirror.el);
    el.append(this.toolbar, this.client);
    this.el = el;
    // Whatever changes the client area's size (the viewport, the window's frame, a bar above it
    // growing or shrinking) gives the canvas its new size and has it painted again.
    this.resized = new ResizeObserver(() => { if (this.resizeCanvas()) onClientResized(this.name); });
    this.resized.observe(this.client);
  }

  // The window closed: its frame leaves the page, and its canvas's pixels, which would stay in
  // memory until the canvas is collected, go now.
  remove() {
    this.resized.disconnect();
    unstowCanvas(this);
    this.canvas.width = 0;
    this.canvas.height = 0;
    this.el.remove();
  }

  // What the canvas shows, as last painted: the look it was read at (Core.windowLook), the canvas's
  // size, the snapshot and the drag shown over it. Forgotten, the next paint is a full one.
  forgetPainting() {
    this.painted = { look: null, size: "", snapshot: null, drag: null };
  }

  // The window's frame in CSS pixels, and its canvas at the device's pixel ratio.
  setGeometry({ x, y, w, h }) {
    Object.assign(this.el.style, { left: `${x}px`, top: `${y}px`, width: `${w}px`, height: `${h}px` });
  }

  // The client area keeps its proportions: the canvas covers the largest rectangle of them that
  // fits the client element, centred on whole device pixels, and the window's colour shows around
  // it. A canvas no larger than its picture costs less to paint and to put on the screen. True when
  // the canvas took a new size.
  resizeCanvas() {
    const ratio = window.devicePixelRatio || 1;
    const box = this.client.getBoundingClientRect();
    const fit = fitScale(this.design.width, this.design.height, box.width, box.height);
    const left = Math.round(fit.offsetX * ratio);
    const top = Math.round(fit.offsetY * ratio);
    const width = Math.max(1, Math.round((fit.offsetX + this.design.width * fit.perTwip) * ratio) - left);
    const height = Math.max(1, Math.round((fit.offsetY + this.design.height * fit.perTwip) * ratio) - top);
    Object.assign(this.canvas.style, { left: `${left / ratio}px`, top: `${top / ratio}px`,
      width: `${width / ratio}px`, height: `${height / ratio}px` });
    if (this.canvas.width === width && this.canvas.height === height) return false;
    this.canvas.width = width;
    this.canvas.height = height;
    return true;
  }

  // The colour around the canvas, the window's own.
  setBack(colour) {
    if (this.client.style.backgroundColor !== colour) this.client.style.backgroundColor = colour;
  }

  // Where the client area's twips lie in CSS pixels: offsets from the client element's corner,
  // which lies at (left, top) of the viewport, with the scale the canvas is painted at.
  cssScale() {
    const client = this.client.getBoundingClientRect();
    const canvas = this.canvas.getBoundingClientRect();
    const scale = fitScale(this.design.width, this.design.height, canvas.width, canvas.height);
    return { ...scale, offsetX: scale.offsetX + canvas.left - client.left,
      offsetY: scale.offsetY + canvas.top - client.top, left: client.left, top: client.top };
  }

  clientRect() {
    const s = this.cssScale();
    return { left: s.left + s.offsetX, top: s.top + s.offsetY,
      width: this.design.width * s.perTwip, height: this.design.height * s.perTwip,
      twipsWidth: this.design.width, twipsHeight: this.design.height };
  }

  // Whether the page's keyboard is on this window's board.
  hasKeyboard() {
    return this.client.contains(document.activeElement);
  }

  // Gives the board the keyboard: the element of the core's focused control, else the canvas.
  focusBoard() {
    const target = this.mirror.focusTarget() ?? this.canvas;
    if (document.activeElement !== target) target.focus({ preventScroll: true });
  }

  // Moving the window by its title bar is the page's own business: the core has no positions.
  beginMove(event) {
    if (event.button !== 0 || this.maximized || !this.placed) return;
    const bar = event.currentTarget;
    bar.setPointerCapture(event.pointerId);
    const start = { x: event.clientX, y: event.clientY, left: this.placed.x, top: this.placed.y };
    const move = (e) => {
      this.placed = { ...this.placed, x: start.left + e.clientX - start.x, y: Math.max(0, start.top + e.clientY - start.y) };
      this.setGeometry(this.placed);
    };
    const end = () => {
      bar.removeEventListener("pointermove", move);
      bar.removeEventListener("pointerup", end);
      bar.removeEventListener("pointercancel", end);
    };
    bar.addEventListener("pointermove", move);
    bar.addEventListener("pointerup", end);
    bar.addEventListener("pointercancel", end);
  }
}
