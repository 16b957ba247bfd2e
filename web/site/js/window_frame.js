// SPDX-License-Identifier: GPL-3.0-or-later
// One in-page window: a title bar (icon, caption, close box) for titled windows, a bar for a
// board's classroom tools, the canvas the window's client area is painted on, and the canvas's
// accessible mirror over it.
import { AccessibleMirror } from "./accessible_mirror.js";
import { unstowCanvas } from "./canvas_stow.js";
import { clampedView, fitScale, fittedView, pinchedView } from "./view_scale.js";

// A canvas bigger than this many device pixels is painted at a lower resolution and stretched:
// a board zoomed three times on a sharp phone would otherwise hold a picture of hundreds of
// megabytes.
const MOST_CANVAS_PIXELS = 16_000_000;
// The bar's buttons and the title bar at the board's design size, in CSS pixels.
const TARGET_PIXELS = 34;
const TITLE_PIXELS = 28;
const TARGETS_GROW_FROM = 1.5;

export class WindowFrame {
  constructor(snapshot, { onClose, onActivate, onToggleMaximize, onClientResized }) {
    this.name = snapshot.name;
    this.design = { width: snapshot.width, height: snapshot.height, titled: snapshot.titled };
    this.maximized = false;
    this.placed = null; // {x, y, w, h} in CSS pixels once placed among other windows
    this.view = fittedView(); // the learner's pinch zoom and pan of the board
    this.onClientResized = onClientResized;
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
    this.client.append(this.canvas, this.mirror.el, this.viewTools());
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

  // Two buttons over the board's corner, each shown only when it helps: one shows a zoomed board
  // whole again, one brings the bar back where it is hidden (full screen on a touch screen has no
  // keys to press).
  viewTools() {
    const tools = document.createElement("div");
    tools.className = "view-tools";
    const button = (className, label, picture, act) => {
      // Like the bar's buttons they never take the keyboard, which stays with the board.
      const b = Object.assign(document.createElement("button"), { type: "button", className, tabIndex: -1 });
      b.setAttribute("aria-label", label);
      b.title = label;
      b.innerHTML = picture;
      b.addEventListener("pointerdown", (e) => { e.preventDefault(); e.stopPropagation(); });
      b.addEventListener("click", act);
      tools.append(b);
      return b;
    };
    button("whole-board", "إظهار اللوحة كاملة", WHOLE_BOARD_PICTURE, () => this.resetZoom());
    button("tools-handle", "إظهار شريط الأدوات أو إخفاؤه", TOOLS_PICTURE, () => {
      this.toolbar.hidden = !this.toolbar.hidden;
      this.focusBoard();
    });
    return tools;
  }

  // The largest size of the design's proportions that fits the client area, and where it lies.
  fitted(box) {
    const fit = fitScale(this.design.width, this.design.height, box.width, box.height);
    return { ...fit, width: this.design.width * fit.perTwip, height: this.design.height * fit.perTwip };
  }

  isZoomed() { return this.view.zoom > 1; }

  currentView() { return { ...this.view }; }

  // Follows two fingers: only the canvas's place and size change while they move, a cheap
  // stretch of the picture already painted; it is painted sharp at its new size once they lift.
  pinchTo(start, fromSpan, toSpan, fromMid, toMid) {
    const box = this.client.getBoundingClientRect();
    const fit = this.fitted(box);
    this.view = clampedView(pinchedView(start, fromSpan, toSpan, fromMid, toMid), fit, box.width, box.height);
    this.placeCanvas(fit);
  }

  // Paints the board sharp at the size the pinch left, and has its followers (the accessible
  // mirror over the controls) placed again, whether or not the canvas took a new size.
  settleView() {
    this.resizeCanvas();
    this.forgetPainting();
    this.onClientResized(this.name);
  }

  resetZoom() {
    this.view = fittedView();
    this.settleView();
  }

  // How big the board's controls are shown against its design, for the page's own targets (the
  // bar's buttons, the close box) to grow with it on a large screen: from half as large again as
  // its design (a whiteboard, a large monitor), so that a laptop keeps the bars as designed.
  setTargetScale(scale) {
    const grown = Math.max(1, scale / TARGETS_GROW_FROM);
    this.el.style.setProperty("--grown-target", `${Math.round(TARGET_PIXELS * grown)}px`);
    this.el.style.setProperty("--grown-title", `${Math.round(TITLE_PIXELS * grown)}px`);
  }

  setCompact(on) {
    this.el.classList.toggle("compact", on);
  }

  // The window's frame in CSS pixels, and its canvas at the device's pixel ratio.
  setGeometry({ x, y, w, h }) {
    Object.assign(this.el.style, { left: `${x}px`, top: `${y}px`, width: `${w}px`, height: `${h}px` });
  }

  // The client area keeps its proportions: the canvas covers the largest rectangle of them that
  // fits the client element, centred on whole device pixels, and the window's colour shows around
  // it; zoomed by a pinch, it is that many times larger, over the client area. A canvas no larger
  // than its picture costs less to paint and to put on the screen. True when the canvas took a
  // new size.
  resizeCanvas() {
    const ratio = window.devicePixelRatio || 1;
    const box = this.client.getBoundingClientRect();
    const fit = this.fitted(box);
    this.view = clampedView(this.view, fit, box.width, box.height);
    const { width, height } = this.placeCanvas(fit);
    const shrink = Math.min(1, Math.sqrt(MOST_CANVAS_PIXELS / (width * height * ratio * ratio)));
    const pixels = { width: Math.max(1, Math.round(width * ratio * shrink)),
      height: Math.max(1, Math.round(height * ratio * shrink)) };
    if (this.canvas.width === pixels.width && this.canvas.height === pixels.height) return false;
    this.canvas.width = pixels.width;
    this.canvas.height = pixels.height;
    return true;
  }

  // Sets the canvas's place and size in CSS pixels, on whole device pixels.
  placeCanvas(fit) {
    const ratio = window.devicePixelRatio || 1;
    const { zoom, x, y } = this.view;
    const left = Math.round(x * ratio);
    const top = Math.round(y * ratio);
    const width = Math.max(1, Math.round((x + fit.width * zoom) * ratio) - left) / ratio;
    const height = Math.max(1, Math.round((y + fit.height * zoom) * ratio) - top) / ratio;
    Object.assign(this.canvas.style, { left: `${left / ratio}px`, top: `${top / ratio}px`,
      width: `${width}px`, height: `${height}px` });
    this.el.classList.toggle("zoomed", zoom > 1);
    return { width, height };
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

  // The title bar's height as the page's style makes it for this window's targets.
  titleHeight() {
    return this.design.titled ? this.el.querySelector(".titlebar").offsetHeight : 0;
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

// The pictures of the corner buttons: four arrows pointing in (the whole board), a bar with an
// arrow under it (the bar).
const WHOLE_BOARD_PICTURE = `<svg viewBox="0 0 24 24" aria-hidden="true" fill="none" stroke="currentColor"
  stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"><path d="M3 8V3h5M21 8V3h-5M3 16v5h5M21 16v5h-5"/>
  <path d="M8 8l-4-4M16 8l4-4M8 16l-4 4M16 16l4 4"/></svg>`;
const TOOLS_PICTURE = `<svg viewBox="0 0 24 24" aria-hidden="true" fill="none" stroke="currentColor"
  stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"><rect x="3" y="3" width="18" height="6" rx="1"/>
  <path d="M7 14l5 5 5-5"/></svg>`;
