// SPDX-License-Identifier: GPL-3.0-or-later
// The page's windows: one frame for each window the core has open, stacked as the core stacks
// them, laid out to fit the viewport, and painted after input when the core says it changed. A
// window alone, or one made to fill the page, takes the whole viewport; others sit centred at the
// largest size that fits. A viewport smaller than a window's design (a phone, a small tablet) is
// filled by every window, without a frame: there is no room to spare for one.
// A change is painted first; what follows it in the page (each window's mirror, bar and band, the
// keyboard's place) is brought up to date once the frame is on the screen.
import { afterNextPaint } from "./after_paint.js";
import { attachTurnHint } from "./turn_hint.js";
import { stowCanvas, unstowCanvas } from "./canvas_stow.js";
import { changedRegions } from "./paint_regions.js";
import { dragShownOn, paintWindow, windowScale } from "./window_painter.js";
import { TWIPS_PER_PIXEL } from "./view_scale.js";
import { WindowFrame } from "./window_frame.js";

const MARGIN = 0.92; // of the viewport, for a window among others
const CASCADE = 28; // CSS pixels between windows opened one after another

export class Desktop {
  constructor(root, core, { onEvents, onWindowChanged = () => {} }) {
    this.root = root;
    this.core = core;
    this.onEvents = onEvents;
    this.onWindowChanged = onWindowChanged;
    // Settles once the core itself runs the windows; until then a first screen may stand in for it.
    this.running = core.handOver ? new Promise((resolve) => { this.coreArrived = resolve; }) : Promise.resolve();
    this.frames = new Map();
    this.frameRequested = false;
    this.changedFrames = new Set(); // painted anew, their followers not yet brought up to date
    this.afterPaint = []; // work waiting for the painted frame
    this.followUpScheduled = false;
    this.lastDrag = null; // the drag as last painted
    this.renderLog = null; // each render's milliseconds while a benchmark collects them
    this.arranged = ""; // the window list the frames were last laid out for; "" lays them out again
    this.turnHint = document.getElementById("turn-hint");
    attachTurnHint(this.turnHint);
    window.addEventListener("resize", () => {
      for (const frame of this.frames.values()) frame.placed = null;
      this.arranged = "";
      this.render();
    });
  }

  frame(name) { return this.frames.get(name) ?? null; }

  // The core takes over from the first screen that stood in for it, with the input held for it.
  useCore(core) {
    const standIn = this.core;
    this.core = core;
    standIn.handOver?.(core);
    for (const frame of this.frames.values()) this.changedFrames.add(frame);
    this.render();
    this.scheduleFollowUp();
    this.coreArrived?.();
  }

  // Runs one piece of input against the core, then acts on what the core asked and paints.
  deliver(input) {
    input(this.core);
    this.render();
  }

  requestRender() {
    if (this.frameRequested) return;
    this.frameRequested = true;
    requestAnimationFrame(() => { this.frameRequested = false; this.render(); });
  }

  render() {
    const start = performance.now();
    const events = this.core.takeEvents();
    const state = this.core.state();
    const changed = new Set(this.core.changedWindows());
    this.sync(state.windows);
    state.windows.forEach((name, place) => {
      const frame = this.frames.get(name);
      // A stowed window's canvas comes back at the front, when the window changed, or when its
      // size changed under its picture.
      const resized = frame.stowed?.picture && frame.canvas.width !== 0;
      if (place === 0 || changed.has(name) || resized) unstowCanvas(frame);
      this.paint(frame, state.drag, changed.has(name));
      if (place > 0) stowCanvas(frame);
    });
    this.lastDrag = state.drag;
    this.lastRenderEnd = performance.now();
    this.renderLog?.push(this.lastRenderEnd - start);
    if (events.length) this.onEvents(events, state);
  }

  // Frames are made, dropped, stacked and laid out only when the window list changed or the
  // viewport did: most input changes neither, and laying out reads the page's geometry.
  sync(names) {
    const arrangement = names.join(" ");
    if (arrangement === this.arranged) return;
    this.arranged = arrangement;
    for (const [name, frame] of this.frames) {
      if (!names.includes(name)) {
        // A window opened again gets a new frame and canvas.
        frame.remove();
        this.frames.delete(name);
      }
    }
    const made = [];
    names.forEach((name, place) => {
      let frame = this.frames.get(name);
      if (!frame) {
        frame = new WindowFrame(this.core.window(name), {
          onClose: (w) => this.deliver((core) => core.closeBox(w)),
          onActivate: (w) => this.deliver((core) => core.bringToFront(w)),
          onToggleMaximize: (w) => this.toggleMaximize(w),
          onClientResized: () => this.render(),
        });
        this.frames.set(name, frame);
        this.root.append(frame.el);
        made.push(frame);
      }
      frame.el.style.zIndex = String(names.length - place);
      frame.el.classList.toggle("active", place === 0);
      if (place === 0 && this.turnHint && this.turnHint.parentElement !== frame.el) frame.el.append(this.turnHint);
    });
    this.layout(names);
    // A new window gets its followers (a board's bar above the canvas) before its first paint, so
    // that the canvas is painted once at the size it keeps rather than again when the bar appears.
    for (const frame of made) {
      this.onWindowChanged(frame);
      frame.resizeCanvas();
    }
  }

  layout(names) {
    const view = { w: this.root.clientWidth, h: this.root.clientHeight };
    names.forEach((name, place) => {
      const frame = this.frames.get(name);
      const natural = { w: frame.design.width / TWIPS_PER_PIXEL, h: frame.design.height / TWIPS_PER_PIXEL };
      const compact = view.w < natural.w || view.h < natural.h;
      frame.setCompact(compact);
      frame.setTargetScale(Math.min(view.w / natural.w, view.h / natural.h));
      const title = frame.titleHeight();
      if (names.length === 1 || frame.maximized || compact) {
        frame.setGeometry({ x: 0, y: 0, w: view.w, h: view.h });
      } else {
        if (!frame.placed) {
          const zoom = Math.min(view.w * MARGIN / frame.design.width, (view.h * MARGIN - title) / frame.design.height);
          const w = Math.round(frame.design.width * zoom) + 2;
          const h = Math.round(frame.design.height * zoom) + title + 2;
          const shift = CASCADE * ((names.length - 1 - place) % 4) - CASCADE;
          frame.placed = { x: Math.max(0, Math.round((view.w - w) / 2 + shift)),
            y: Math.max(0, Math.round((view.h - h) / 2 + shift)), w, h };
        }
        frame.setGeometry(frame.placed);
      }
      frame.resizeCanvas();
    });
  }

  // A window is painted again when the core says it looks different, or when its canvas took a
  // new size or was never painted at this one. Its snapshot is read again only when what it shows
  // changed, not when only a drag's outline moved over it; only the regions that differ are painted,
  // unless the canvas is new. A change that only moves a drag's outline leaves the window's
  // followers as they are.
  paint(frame, drag, changed) {
    const size = `${frame.canvas.width}x${frame.canvas.height}`;
    if (!changed && size === frame.painted.size) return;
    const before = frame.painted;
    const look = this.core.windowLook(frame.name);
    const looksNew = look !== before.look || size !== before.size;
    const snapshot = looksNew ? this.core.window(frame.name) : before.snapshot;
    const after = { look, size, snapshot, drag: dragShownOn(snapshot, drag) };
    const regions = size === before.size
      ? changedRegions(before, after, windowScale(frame.canvas, snapshot), frame.canvas.width * frame.canvas.height)
      : null;
    if (!regions || regions.length) {
      frame.setBack(snapshot.back);
      paintWindow(frame.canvas, snapshot, drag, regions);
    }
    frame.painted = after;
    const draggedHere = drag?.window === frame.name || this.lastDrag?.window === frame.name;
    if (looksNew || !draggedHere) {
      this.changedFrames.add(frame);
      this.scheduleFollowUp();
    }
  }

  // Runs work once the frame now painted is on the screen, after the windows' followers.
  whenPainted(work) {
    this.afterPaint.push(work);
    this.scheduleFollowUp();
  }

  scheduleFollowUp() {
    if (this.followUpScheduled) return;
    this.followUpScheduled = true;
    afterNextPaint(() => this.settle());
  }

  // Brings every changed window's followers up to date and runs the waiting work, now: the tests'
  // hook calls it before it reads the page.
  settle() {
    this.followUpScheduled = false;
    const frames = [...this.changedFrames];
    this.changedFrames.clear();
    for (const frame of frames) if (this.frames.get(frame.name) === frame) this.onWindowChanged(frame);
    const work = this.afterPaint.splice(0);
    for (const job of work) job();
  }

  toggleMaximize(name) {
    const frame = this.frames.get(name);
    frame.maximized = !frame.maximized;
    this.arranged = "";
    this.render();
  }

  // Paints again the windows that `paintedTooSoon` picks (all when none is given), for faces and
  // pictures that arrived after they were painted.
  repaintAll(paintedTooSoon = () => true) {
    for (const frame of this.frames.values()) if (paintedTooSoon(frame)) frame.forgetPainting();
    this.render();
  }

  front() {
    const names = this.core.state().windows;
    return names.length ? this.frames.get(names[0]) : null;
  }

  clear() {
    for (const frame of this.frames.values()) frame.remove();
    this.frames.clear();
    this.arranged = "";
  }
}
