// SPDX-License-Identifier: GPL-3.0-or-later
// The floor page's script; window.floor answers the bench as window.zelmora does: ready once the
// module's one call has returned, and each repaint's start and end.
const FACE = '700 {size}px "Floor Arabic"';
const LINE = "زلمورا: بلاطات الجبر";
const TILES = 141;
const hook = { ready: false, lastRenderStart: 0, lastRenderEnd: 0, log: null,
  // A point on the topmost tile, in CSS pixels, for the bench to take it by.
  tilePoint: () => ({ x: tiles.at(-1).x / devicePixelRatio + 10, y: tiles.at(-1).y / devicePixelRatio + 10 }) };
window.floor = hook;

const canvas = document.getElementById("canvas");
const ctx = canvas.getContext("2d", { alpha: false });
const drag = new URLSearchParams(location.search).has("drag");

// The module's bytes are compiled as they arrive, in parallel with the face and the first paint.
const module = WebAssembly.compileStreaming(fetch("floor.wasm"));

function fit(width, height) {
  const ratio = devicePixelRatio || 1;
  canvas.width = Math.round(width * ratio);
  canvas.height = Math.round(height * ratio);
  canvas.style.width = `${width}px`;
  canvas.style.height = `${height}px`;
}

function paintLine() {
  ctx.fillStyle = "#c0c0c0";
  ctx.fillRect(0, 0, canvas.width, canvas.height);
  ctx.fillStyle = "#000000";
  ctx.font = FACE.replace("{size}", String(Math.round(canvas.height / 16)));
  ctx.direction = "rtl";
  ctx.textAlign = "center";
  ctx.textBaseline = "middle";
  ctx.fillText(LINE, canvas.width / 2, canvas.height / 2);
}

// 141 tiles on a grid, one of them following the pointer; every one is drawn on every frame.
const tiles = Array.from({ length: TILES }, (_, i) => ({ x: 20 + (i % 16) * 60, y: 20 + Math.floor(i / 16) * 60,
  w: i % 3 === 0 ? 110 : 50, h: 50, label: ["س²", "س", "1"][i % 3] }));
let held = null;

function paintTiles() {
  hook.lastRenderStart = performance.now();
  ctx.fillStyle = "#ffffff";
  ctx.fillRect(0, 0, canvas.width, canvas.height);
  ctx.font = FACE.replace("{size}", "16");
  ctx.direction = "rtl";
  ctx.textAlign = "center";
  ctx.textBaseline = "middle";
  for (const t of tiles) {
    ctx.fillStyle = "#3070d0";
    ctx.fillRect(t.x, t.y, t.w, t.h);
    ctx.strokeStyle = "#000000";
    ctx.strokeRect(t.x + 0.5, t.y + 0.5, t.w - 1, t.h - 1);
    ctx.fillStyle = "#ffffff";
    ctx.fillText(t.label, t.x + t.w / 2, t.y + t.h / 2);
  }
  hook.lastRenderEnd = performance.now();
  hook.log?.push(hook.lastRenderEnd - hook.lastRenderStart);
}

function followPointer() {
  let frameAsked = false;
  let at = null;
  canvas.addEventListener("pointerdown", (e) => {
    const hit = tiles.findLast((t) => e.offsetX >= t.x && e.offsetX < t.x + t.w && e.offsetY >= t.y && e.offsetY < t.y + t.h);
    held = hit ? { tile: hit, dx: e.offsetX - hit.x, dy: e.offsetY - hit.y } : null;
    if (held) canvas.setPointerCapture(e.pointerId);
  });
  canvas.addEventListener("pointermove", (e) => {
    if (!held) return;
    at = { x: e.offsetX - held.dx, y: e.offsetY - held.dy };
    if (frameAsked) return;
    frameAsked = true;
    requestAnimationFrame(() => { frameAsked = false; Object.assign(held.tile, at); paintTiles(); });
  });
  canvas.addEventListener("pointerup", (e) => {
    if (!held) return;
    Object.assign(held.tile, { x: e.offsetX - held.dx, y: e.offsetY - held.dy });
    held = null;
    paintTiles();
  });
}

async function start() {
  const params = new URLSearchParams(location.search);
  fit(Number(params.get("width") ?? innerWidth), Number(params.get("height") ?? innerHeight));
  await document.fonts.load(FACE.replace("{size}", "16"), LINE);
  if (drag) {
    paintTiles();
    followPointer();
  } else {
    paintLine();
  }
  const instance = await WebAssembly.instantiate(await module, {});
  hook.result = instance.exports.floorStart(7);
  performance.mark("floor-running");
  hook.ready = true;
}

start();
