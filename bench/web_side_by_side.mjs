// SPDX-License-Identifier: GPL-3.0-or-later
// Zelmora's browser edition beside a floor page (bench/floor/) in the same Chromium, in one run:
// start-up cold, warm and throttled, a drag's frames and a drop on Board 1 with its tiles out, and
// the page's memory with four boards open. Runs alternate between the two pages; figures are
// medians. The site is served as a school's server would serve it, from the compressed copies the
// build wrote. Run after ./scripts/build.sh web:  node bench/web_side_by_side.mjs
// (RUNS, THROTTLED_RUNS and CHROMIUM in the environment change the runs and the browser.)
import { execFileSync } from "node:child_process";
import { existsSync, readdirSync, readFileSync, statSync } from "node:fs";
import { loadavg } from "node:os";
import { fileURLToPath } from "node:url";
import { launchBrowser, pointOf, script } from "../web/tests/browser.mjs";
import { launchPlainChromium } from "./devtools_pipe.mjs";
import { serveFolder } from "./precompressed_server.mjs";

const root = fileURLToPath(new URL("../", import.meta.url));
const built = process.env.BUILD ?? `${root}build-web`;
const RUNS = Number(process.env.RUNS ?? 9);
const THROTTLED_RUNS = Number(process.env.THROTTLED_RUNS ?? 3);
const VIEWPORT = { width: 1280, height: 800 };
// Which parts to run: cold, warm, throttled, drag, memory (all by default).
const PARTS = new Set((process.env.PARTS ?? "cold,warm,throttled,drag,memory").split(","));

// The floor page is built beside the site when it is missing or older than its sources.
const floorSources = ["floor.cpp", "floor.js", "index.html", "build.sh"].map((f) => `${root}bench/floor/${f}`);
const floorWasm = `${built}/floor/floor.wasm`;
if (!existsSync(floorWasm) || floorSources.some((f) => statSync(f).mtimeMs > statSync(floorWasm).mtimeMs))
  execFileSync(`${root}bench/floor/build.sh`, [`${built}/floor`, `${built}/site`], { stdio: "inherit" });

const server = await serveFolder(built);
const PAGES = {
  zelmora: { url: `${server.url}site/`, hook: "window.zelmora", running: "zelmora-program-running" },
  floor: { url: `${server.url}floor/`, hook: "window.floor", running: "floor-running" },
};
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const rows = [];
const row = (figure, zelmora, floor, unit, target = "") => rows.push({ figure, zelmora, floor, unit, target });

// ---- start-up, in a Chromium with nothing of a test framework in the page ----------------------
// First-contentful-paint as the browser reports it, and when the page's program runs.
const STARTED = (hook, running) => `new Promise((done) => {
  const look = () => {
    if (!${hook}?.ready) { setTimeout(look, 5); return; }
    new PerformanceObserver((list, observer) => {
      const paint = list.getEntries().find((e) => e.name === "first-contentful-paint");
      if (!paint) return;
      observer.disconnect();
      done({ paint: paint.startTime, running: performance.getEntriesByName(${JSON.stringify(running)})[0].startTime });
    }).observe({ type: "paint", buffered: true });
  };
  look();
})`;

const plain = launchPlainChromium();

async function visit(context, page, { throttled = false } = {}) {
  const { targetId } = await plain.send("Target.createTarget", { url: "about:blank", browserContextId: context });
  const { sessionId } = await plain.send("Target.attachToTarget", { targetId, flatten: true });
  await plain.send("Page.enable", {}, sessionId);
  await plain.send("Emulation.setDeviceMetricsOverride", { ...VIEWPORT, deviceScaleFactor: 1, mobile: false }, sessionId);
  if (throttled) {
    await plain.send("Emulation.setCPUThrottlingRate", { rate: 4 }, sessionId);
    await plain.send("Network.enable", {}, sessionId);
    await plain.send("Network.emulateNetworkConditions", { offline: false, latency: 400,
      downloadThroughput: 400_000 / 8, uploadThroughput: 400_000 / 8 }, sessionId);
  }
  await plain.send("Page.navigate", { url: PAGES[page].url }, sessionId);
  const { result } = await plain.send("Runtime.evaluate", { expression: STARTED(PAGES[page].hook, PAGES[page].running),
    awaitPromise: true, returnByValue: true }, sessionId);
  await plain.send("Target.closeTarget", { targetId });
  return result.value;
}

async function coldVisit(page, options) {
  const context = (await plain.send("Target.createBrowserContext")).browserContextId;
  const figures = await visit(context, page, options);
  await plain.send("Target.disposeBrowserContext", { browserContextId: context });
  return figures;
}

// Runs `measure` for each page in turn, the order swapped every run, and gathers each page's results.
async function interleaved(runs, measure) {
  const results = { zelmora: [], floor: [] };
  for (let i = 0; i < runs; i++)
    for (const page of i % 2 ? ["floor", "zelmora"] : ["zelmora", "floor"]) results[page].push(await measure(page));
  return results;
}

const startRows = (label, results) => {
  row(`${label}: on screen (first-contentful-paint)`, median(results.zelmora.map((r) => r.paint)),
    median(results.floor.map((r) => r.paint)), "ms");
  row(`${label}: running (a click acts at once)`, median(results.zelmora.map((r) => r.running)),
    median(results.floor.map((r) => r.running)), "ms");
};

if (PARTS.has("cold")) startRows("cold", await interleaved(RUNS, (page) => coldVisit(page)));
if (PARTS.has("warm")) {
  // Warm: the same browser context after a first visit, from the offline copy or the HTTP cache.
  const contexts = {};
  for (const page of ["zelmora", "floor"]) {
    contexts[page] = (await plain.send("Target.createBrowserContext")).browserContextId;
    await visit(contexts[page], page);
  }
  await new Promise((done) => setTimeout(done, 1500)); // the service worker fills its cache
  startRows("warm", await interleaved(RUNS, (page) => visit(contexts[page], page)));
}
if (PARTS.has("throttled"))
  startRows("4x CPU, 400 kbps / 400 ms", await interleaved(THROTTLED_RUNS, (page) => coldVisit(page, { throttled: true })));
await plain.close();

// ---- a drag and a drop, through Playwright's real mouse ----------------------------------------
const browser = await launchBrowser();

// Board 1 with its palette emptied onto the board; the canvas's size for the floor page.
async function openZelmoraBoard(context) {
  const page = await context.newPage();
  await page.goto(PAGES.zelmora.url);
  await page.waitForFunction(() => window.zelmora?.ready === true);
  const palette = ["Command3", "Command4", "Command5", "Command6", "Command7", "Command8", "Command2"];
  const lines = ["open frmZelmora1"];
  for (let i = 0; i < 30; i++) for (const p of palette) lines.push(`click frmZelmora1 ${p}`);
  await script(page, lines.join("\n"));
  const tiles = (await script(page, "print frmZelmora1 tiles")).trim().split("\n").length;
  const canvas = await page.evaluate(() => {
    const c = document.querySelector('canvas[data-window="frmZelmora1"]');
    return { width: c.clientWidth, height: c.clientHeight, left: c.getBoundingClientRect().left, top: c.getBoundingClientRect().top };
  });
  return { page, tiles, canvas };
}

// Where to take a tile and where to drop it, in CSS pixels, on either page.
async function grabPoints(page, which, i) {
  if (which === "floor") return { from: await page.evaluate(() => window.floor.tilePoint()), to: { x: 300 + (i % 5) * 60, y: 400 + (i % 3) * 40 } };
  const [line] = (await script(page, "print frmZelmora1 Command1(111)")).split("\n");
  const left = Number(line.match(/Left=([\d.]+)/)[1]);
  const top = Number(line.match(/Top=([\d.]+)/)[1]);
  return { from: await pointOf(page, "frmZelmora1", left + 100, top + 100),
    to: await pointOf(page, "frmZelmora1", 2000 + (i % 5) * 900, 2000 + (i % 3) * 900) };
}

// A two-second drag, a move every 16 ms: each repaint's time and the longest gap between frames.
async function dragFrames(page, which, hook) {
  const { from, to } = await grabPoints(page, which, 0);
  await page.mouse.move(from.x, from.y);
  await page.mouse.down();
  await page.evaluate((h) => {
    eval(h).log = [];
    window.__frames = [];
    window.__counting = true;
    const frame = (t) => { window.__frames.push(t); if (window.__counting) requestAnimationFrame(frame); };
    requestAnimationFrame(frame);
  }, hook);
  const started = Date.now();
  for (let step = 0; Date.now() - started < 2000; step++) {
    const t = (step % 60) / 60;
    await page.mouse.move(from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t);
    await page.waitForTimeout(16);
  }
  const { log, frames } = await page.evaluate((h) => {
    const result = { log: eval(h).log, frames: window.__frames };
    eval(h).log = null;
    window.__counting = false;
    return result;
  }, hook);
  await page.mouse.up();
  const gaps = frames.slice(1).map((t, i) => t - frames[i]);
  if (!log.length) console.warn(`${which}: no frame painted during the drag`);
  return { render: median(log), worstRender: Math.max(...log), worstFrame: Math.max(...gaps) };
}

// From the pointerup to the end of the repaint that shows the drop.
async function dropTimes(page, which, hook, runs) {
  const times = [];
  for (let i = 0; i < runs; i++) {
    const { from, to } = await grabPoints(page, which, i);
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await page.mouse.move(to.x, to.y, { steps: 3 });
    await page.evaluate(() => {
      addEventListener("pointerup", () => { window.__dropStart = performance.now(); }, { capture: true, once: true });
    });
    await page.mouse.up();
    await page.waitForTimeout(50);
    times.push(await page.evaluate((h) => eval(h).lastRenderEnd - window.__dropStart, hook));
  }
  return median(times);
}

if (PARTS.has("drag")) {
  const context = await browser.newContext({ viewport: VIEWPORT });
  const zelmora = await openZelmoraBoard(context);
  const { width, height } = zelmora.canvas;
  const floorContext = await browser.newContext({ viewport: VIEWPORT });
  const floor = await floorContext.newPage();
  await floor.goto(`${PAGES.floor.url}?drag&width=${width}&height=${height}`);
  await floor.waitForFunction(() => window.floor?.ready === true);
  const pages = { zelmora: zelmora.page, floor };
  const drags = await interleaved(3, (which) => { const p = pages[which]; return p.bringToFront().then(() => dragFrames(p, which, PAGES[which].hook)); });
  const worst = (results, key) => Math.max(...results.map((r) => r[key]));
  row(`Board 1, ${zelmora.tiles} tiles: render per drag frame`, median(drags.zelmora.map((r) => r.render)),
    median(drags.floor.map((r) => r.render)), "ms", "< 2");
  row("  longest render in a 2 s drag", worst(drags.zelmora, "worstRender"), worst(drags.floor, "worstRender"), "ms");
  row("  longest frame in a 2 s drag", worst(drags.zelmora, "worstFrame"), worst(drags.floor, "worstFrame"), "ms", "<= 20");
  const drops = await interleaved(3, async (which) => { await pages[which].bringToFront(); return dropTimes(pages[which], which, PAGES[which].hook, 5); });
  row("pointerup to drop handled", median(drops.zelmora), median(drops.floor), "ms", "< 3");
  await context.close();
  await floorContext.close();
}
await browser.close();

// ---- memory: the renderers' proportional set size, each page in a browser of its own, less -------
// ---- what they held with a blank tab before it ---------------------------------------------------
// Each renderer's PSS in MiB, by process id.
function rendererPss(browserPid) {
  const parentOf = (pid) => Number(readFileSync(`/proc/${pid}/stat`, "utf8").replace(/^.*\) /, "").split(" ")[1]);
  const descends = (pid) => { for (let p = pid, depth = 0; p > 1 && depth < 6; p = parentOf(p), depth++) if (p === browserPid) return true; return false; };
  const pss = new Map();
  for (const entry of readdirSync("/proc")) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      if (!readFileSync(`/proc/${entry}/cmdline`, "utf8").includes("--type=renderer") || !descends(Number(entry))) continue;
      pss.set(entry, Number(readFileSync(`/proc/${entry}/smaps_rollup`, "utf8").match(/^Pss:\s+(\d+)/m)[1]) / 1024);
    } catch { /* a process that ended meanwhile */ }
  }
  return pss;
}

// What the renderers hold now beyond what those still running held before the page.
function pssSince(before, after) {
  let mib = 0;
  for (const [pid, now] of after) mib += now - (before.get(pid) ?? 0);
  return mib;
}

async function pagePss(which) {
  // No spare renderer kept warm beside the page, which would count for either page alike.
  const own = launchPlainChromium(["--disable-features=SpareRendererForSitePerProcess"]);
  const context = (await own.send("Target.createBrowserContext")).browserContextId;
  const { targetId } = await own.send("Target.createTarget", { url: "about:blank", browserContextId: context });
  const { sessionId } = await own.send("Target.attachToTarget", { targetId, flatten: true });
  await own.send("Emulation.setDeviceMetricsOverride", { ...VIEWPORT, deviceScaleFactor: 1, mobile: false }, sessionId);
  const url = which === "zelmora" ? PAGES.zelmora.url : `${PAGES.floor.url}?drag`;
  // What the browser's renderers hold before the page (a blank tab, a spare renderer) is no part of it.
  await new Promise((done) => setTimeout(done, 1000));
  const blank = rendererPss(own.pid);
  await own.send("Page.navigate", { url }, sessionId);
  const boards = "open frmZelmora1\nopen frmZelmora2\nopen frmZelmora4\nopen frmZelmora5";
  const expression = which === "zelmora"
    ? `new Promise((done) => { const look = () => window.zelmora?.ready ? window.zelmora.script(${JSON.stringify(boards)}).then(done) : setTimeout(look, 20); look(); })`
    : "new Promise((done) => { const look = () => window.floor?.ready ? done() : setTimeout(look, 20); look(); })";
  await own.send("Runtime.evaluate", { expression, awaitPromise: true }, sessionId);
  await new Promise((done) => setTimeout(done, 1500));
  const mib = pssSince(blank, rendererPss(own.pid));
  await own.close();
  return mib;
}
if (PARTS.has("memory")) {
const memory = await interleaved(3, pagePss);
row("four boards open: page memory (PSS)", median(memory.zelmora), median(memory.floor), "MiB", "ratio <= 1.4");
}

await server.close();

// ---- the table ----------------------------------------------------------------------------------
const load = loadavg().map((l) => l.toFixed(2)).join(" ");
console.log(`Zelmora beside the floor page, Chromium at ${VIEWPORT.width}x${VIEWPORT.height}, medians of ${RUNS} runs `
  + `(${THROTTLED_RUNS} throttled); load average ${load}`);
console.log("| figure | Zelmora | floor page | ratio | target |");
console.log("|---|---|---|---|---|");
const shown = (value, digits = 1) => (Number.isFinite(value) ? value.toFixed(digits) : "n/a");
for (const r of rows)
  console.log(`| ${r.figure} | ${shown(r.zelmora)} ${r.unit} | ${shown(r.floor)} ${r.unit} | ${shown(r.zelmora / r.floor, 2)} | ${r.target} |`);
