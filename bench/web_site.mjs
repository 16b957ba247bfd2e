// SPDX-License-Identifier: GPL-3.0-or-later
// Browser edition figures, printed: the whole site's download compressed as a server sends it,
// navigation to the menu's first paint warm and cold, and a drop handled and painted with every
// tile of Board 1 out. Run after ./scripts/build.sh web:  node bench/web_site.mjs
import { readFileSync } from "node:fs";
import { loadavg } from "node:os";
import { fileURLToPath } from "node:url";
import { launchBrowser, openSite, pointOf, script } from "../web/tests/browser.mjs";
import { launchPlainChromium } from "./devtools_pipe.mjs";
import { serveSite } from "../web/tests/static_server.mjs";

const root = fileURLToPath(new URL("../", import.meta.url));
const site = await serveSite(process.env.SITE ?? `${root}build-web/site`, { gzip: true });
const browser = await launchBrowser();
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const RUNS = Number(process.env.RUNS ?? 9);
// The median with the spread, and the machine's load, which on a shared machine moves every figure.
const spread = (values) => `median ${median(values).toFixed(1)} ms (min ${Math.min(...values).toFixed(1)}, `
  + `max ${Math.max(...values).toFixed(1)}, ${values.length} runs)`;
console.log(`load average ${loadavg().map((l) => l.toFixed(2)).join(" ")} on this machine`);

// Every file of the site, as the service worker fetches them, compressed.
{
  const context = await browser.newContext();
  const page = await openSite(context, site.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForTimeout(500);
  const files = new Map(site.served.map((f) => [f.path, f.bytes]));
  const total = [...files.values()].reduce((a, b) => a + b, 0);
  const listed = JSON.parse(readFileSync(`${process.env.SITE ?? `${root}build-web/site`}/precache.js`, "utf8").match(/ZELMORA_FILES = (.*);/)[1]);
  console.log(`site download (gzip): ${(total / 1024).toFixed(1)} KiB in ${files.size} files `
    + `(${listed.length} listed for offline)  target < 1536 KiB`);
  await context.close();
}

// Navigation start to the menu's first paint: the page marks it once the core has started and
// painted, and marks each step on the way. Timed in a Chromium with no test framework in the page.
const MARKS = ["script-start", "faces-ready", "first-paint", "core-loaded", "core-started", "program-running"];
const STARTED = `new Promise((done) => {
  const look = () => (window.zelmora?.ready ? done(Object.fromEntries(performance.getEntriesByType("mark")
    .map((m) => [m.name.replace("zelmora-", ""), m.startTime]))) : setTimeout(look, 5));
  look();
})`;
const steps = (runs) => MARKS.map((mark) => `${mark} ${median(runs.map((r) => r[mark])).toFixed(0)}`).join(", ");
{
  const plain = launchPlainChromium();
  const visit = async (context) => {
    const tab = await plain.openTab(context, site.url);
    const marks = await tab.evaluate(STARTED);
    await tab.close();
    return marks;
  };
  // Cold: a fresh browser context each time, nothing cached. Warm: the same context after a first
  // visit, so the page, its script, the compiled core and the faces come from the offline copy.
  const cold = [];
  for (let i = 0; i < RUNS; i++) {
    const context = await plain.newContext();
    cold.push(await visit(context));
    await plain.closeContext(context);
  }
  const context = await plain.newContext();
  const first = await plain.openTab(context, site.url);
  await first.evaluate("navigator.serviceWorker.ready.then(() => new Promise((done) => setTimeout(done, 500)))");
  await first.close();
  await visit(context);
  const warm = [];
  for (let i = 0; i < RUNS; i++) warm.push(await visit(context));
  await plain.close();
  const paint = (runs) => runs.map((r) => r["first-paint"]);
  console.log(`menu first paint cold: ${spread(paint(cold))}  target < 600`);
  console.log(`  median of each step: ${steps(cold)}`);
  console.log(`menu first paint warm: ${spread(paint(warm))}  target < 150`);
  console.log(`  median of each step: ${steps(warm)}`);
}

// A drop with every tile of Board 1 out: from the release to the end of the repaint, in the page.
{
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await openSite(context, site.url);
  const palette = ["Command3", "Command4", "Command5", "Command6", "Command7", "Command8", "Command2"];
  const lines = ["open frmZelmora1"];
  for (let i = 0; i < 30; i++) for (const p of palette) lines.push(`click frmZelmora1 ${p}`);
  await script(page, lines.join("\n"));
  const tiles = (await script(page, "print frmZelmora1 tiles")).trim().split("\n");
  const times = [];
  for (let i = 0; i < 2 * RUNS; i++) {
    const [line] = (await script(page, "print frmZelmora1 Command1(111)")).split("\n");
    const left = Number(line.match(/Left=([\d.]+)/)[1]);
    const top = Number(line.match(/Top=([\d.]+)/)[1]);
    const from = await pointOf(page, "frmZelmora1", left + 100, top + 100);
    const to = await pointOf(page, "frmZelmora1", 2000 + (i % 5) * 900, 2000 + (i % 3) * 900);
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await page.mouse.move(to.x, to.y, { steps: 3 });
    await page.evaluate(() => {
      window.__dropStart = 0;
      addEventListener("pointerup", () => { window.__dropStart = performance.now(); }, { capture: true, once: true });
    });
    await page.mouse.up();
    times.push(await page.evaluate(() => window.zelmora.lastRenderEnd - window.__dropStart));
  }
  console.log(`drop handled and painted with ${tiles.length} tiles out: ${spread(times)}  target < 16.7`);
  await context.close();
}

await browser.close();
await site.close();
