// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition on the screens a class uses, in Debian's Chromium with real input: a phone
// held upright and sideways, a tablet (touch), a laptop and a whiteboard. Every target of the bar,
// the close box and the palette measured; a board filling a phone; two fingers zooming a board,
// and a finger's drag after it landing where zelmora-script puts the same drag; full screen
// leaving undo, the bar and the way out within a finger's reach.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { describe, test } from "node:test";
import { fileURLToPath } from "node:url";
import { controlPoint, openSite, pointOf, script, settled, siteAndBrowser } from "./browser.mjs";

const build = fileURLToPath(new URL("../../build-web/", import.meta.url));
const reference = (lines) => execFileSync("node", [`${build}tools/zelmora-script.js`, "-"],
  { input: ["start", ...lines].join("\n") + "\n", encoding: "utf8" });

const running = siteAndBrowser(`${build}site`);

const SCREENS = {
  phonePortrait: { viewport: { width: 390, height: 844 }, touch: true, phone: true },
  phoneLandscape: { viewport: { width: 844, height: 390 }, touch: true, phone: true },
  tablet: { viewport: { width: 1024, height: 768 }, touch: true, phone: false },
  laptop: { viewport: { width: 1366, height: 768 }, touch: false, phone: false },
  whiteboard: { viewport: { width: 3840, height: 2160 }, touch: false, phone: false },
};
const BOARDS = ["frmZelmora1", "frmZelmora2", "frmZelmora4", "frmZelmora5"];
// The buttons that give out tiles, on the three boards that have them (the balance's tiles lie out).
const PALETTE = ["Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8"];
const PALETTE_BOARDS = ["frmZelmora1", "frmZelmora2", "frmZelmora4"];

async function openOn(screen) {
  const { viewport, touch, phone } = SCREENS[screen];
  const context = await running.browser.newContext({ viewport, hasTouch: touch, isMobile: phone, deviceScaleFactor: 1 });
  const page = await openSite(context, running.site.url);
  return { context, page };
}

const windowOf = (page, win) => page.locator(`section.window[data-window=${win}]`);

// The size in CSS pixels of every visible bar button and the close box of a window, by name.
function targetSizes(page, win) {
  return windowOf(page, win).evaluate((el) => [...el.querySelectorAll(".toolbar button, .titlebar button")]
    .filter((b) => b.getClientRects().length)
    .map((b) => { const r = b.getBoundingClientRect(); return { name: b.dataset.command ?? b.className, w: r.width, h: r.height }; }));
}

// The palette buttons of a board as shown: their size in twips times the board's CSS pixels a twip.
async function paletteSizes(page, win) {
  const rect = await page.evaluate((w) => window.zelmora.clientRect(w), win);
  const perTwip = rect.width / rect.twipsWidth;
  const lines = (await script(page, PALETTE.map((c) => `print ${win} ${c}`).join("\n"))).trim().split("\n");
  return lines.filter((line) => / Visible=True/.test(line))
    .map((line) => ({ name: line.match(/^\S+\.(\S+)/)[1], w: Number(line.match(/Width=([\d.]+)/)[1]) * perTwip,
      h: Number(line.match(/Height=([\d.]+)/)[1]) * perTwip }));
}

// Checks that a board's palette buttons are 24 px at least: as it opens on a tablet, a laptop and
// a whiteboard; on a phone, once the learner's pinch has zoomed it (within the three times a pinch
// allows). Returns the smallest side as it opened and the zoom needed.
async function paletteAt24(page, win, phone) {
  const palette = await paletteSizes(page, win);
  assert.equal(palette.length, PALETTE.length, `${win}: the palette is found`);
  const smallest = Math.min(...palette.flatMap((p) => [p.w, p.h]));
  let zoom = 1;
  if (phone && smallest < 24) {
    zoom = 24 / smallest + 0.02;
    assert.ok(zoom <= 3, `${win}: ${smallest} px needs more than three times`);
    const mid = await pointOf(page, win, 6000, 4000);
    const touch = await fingers(page);
    await touch.pinch([{ x: mid.x - 30, y: mid.y }, { x: mid.x + 30, y: mid.y }],
      [{ x: mid.x - 30 * zoom, y: mid.y }, { x: mid.x + 30 * zoom, y: mid.y }]);
    await touch.detach();
    await settled(page);
  }
  for (const p of await paletteSizes(page, win))
    assert.ok(p.w >= 24 && p.h >= 24, `${win} ${p.name}: ${p.w.toFixed(1)}x${p.h.toFixed(1)} at zoom ${zoom.toFixed(2)}`);
  return `${smallest.toFixed(1)} px, zoom ${zoom.toFixed(2)}`;
}

// Touch through the browser's own input pipeline: each call gives every finger on the screen.
async function fingers(page) {
  const cdp = await page.context().newCDPSession(page);
  const send = (type, points) => cdp.send("Input.dispatchTouchEvent",
    { type, touchPoints: points.map((p, id) => ({ x: p.x, y: p.y, id: id + 1 })) });
  return {
    async pinch(from, to, steps = 10) {
      const at = (i) => from.map((p, n) => ({ x: p.x + (to[n].x - p.x) * i / steps, y: p.y + (to[n].y - p.y) * i / steps }));
      await send("touchStart", from);
      for (let i = 1; i <= steps; i++) await send("touchMove", at(i));
      await send("touchEnd", []);
    },
    async drag(from, to, steps = 8) {
      await send("touchStart", [from]);
      for (let i = 1; i <= steps; i++)
        await send("touchMove", [{ x: from.x + (to.x - from.x) * i / steps, y: from.y + (to.y - from.y) * i / steps }]);
      await send("touchEnd", []);
    },
    async tap(p) {
      await send("touchStart", [p]);
      await send("touchEnd", []);
    },
    detach: () => cdp.detach(),
  };
}

const centreOf = async (locator) => {
  const r = await locator.boundingBox();
  return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
};

describe("every screen a class uses", () => {
  test("bar buttons, close boxes and the palette: 24 px at least, 44 on touch, growing on a whiteboard; the board fills a phone", async () => {
    const largest = {};
    const palettes = {};
    for (const screen of Object.keys(SCREENS)) {
      const { touch, phone, viewport } = SCREENS[screen];
      const { context, page } = await openOn(screen);
      for (const win of BOARDS) {
        await script(page, `open ${win}`);
        await page.keyboard.press("F2"); // the band too: with it the bar must still fit
        await settled(page);
        const sizes = await targetSizes(page, win);
        assert.ok(sizes.length >= 13, `${screen} ${win}: the bar and the close box are shown`);
        const least = touch ? 44 : 24;
        for (const s of sizes)
          assert.ok(s.w >= least && s.h >= least, `${screen} ${win} ${s.name}: ${s.w}x${s.h} under ${least}`);
        largest[screen] = Math.min(...sizes.map((s) => s.h));
        // Nothing of the window runs off the screen: every button, and the band's every row.
        const fit = await windowOf(page, win).evaluate((el) => {
          const inside = (r) => r.left >= -0.5 && r.top >= -0.5 && r.right <= innerWidth + 0.5 && r.bottom <= innerHeight + 0.5;
          const band = el.querySelector(".band");
          return { buttons: [...el.querySelectorAll(".toolbar button")].every((b) => inside(b.getBoundingClientRect())),
            band: inside(band.getBoundingClientRect()) && band.scrollHeight <= band.clientHeight + 1,
            window: el.getBoundingClientRect().toJSON(), compact: el.classList.contains("compact") };
        });
        assert.ok(fit.buttons, `${screen} ${win}: a bar button lies off the screen`);
        assert.ok(fit.band, `${screen} ${win}: the band is cut`);
        // A phone's board fills the viewport, frameless; a larger screen keeps the window among others.
        assert.equal(fit.compact, phone, `${screen} ${win}`);
        if (phone) assert.deepEqual([fit.window.width, fit.window.height], [viewport.width, viewport.height]);
        if (PALETTE_BOARDS.includes(win)) palettes[`${screen} ${win}`] = await paletteAt24(page, win, phone);
        await script(page, `close ${win}`);
      }
      assert.deepEqual(page.errors, []);
      await context.close();
    }
    // On the whiteboard the bar grows with the board, well past the laptop's.
    assert.ok(largest.whiteboard >= 2 * largest.laptop, `whiteboard ${largest.whiteboard}, laptop ${largest.laptop}`);
    console.log("the palette's smallest side as the board opens, and the zoom that brings it to 24 px:", palettes);
  });

  test("two fingers zoom and pan a board; a finger's drag then lands where zelmora-script puts it", async () => {
    const { context, page } = await openOn("phoneLandscape");
    const B1 = "frmZelmora1";
    await script(page, `open ${B1}\nclick ${B1} Command7`);
    await settled(page);
    const before = await page.evaluate((w) => window.zelmora.clientRect(w), B1);
    const touch = await fingers(page);
    // Fingers spread from 60 to 180 px apart round the board's middle: three times closer.
    const mid = await pointOf(page, B1, 6000, 4000);
    await touch.pinch([{ x: mid.x - 30, y: mid.y }, { x: mid.x + 30, y: mid.y }],
      [{ x: mid.x - 90, y: mid.y }, { x: mid.x + 90, y: mid.y }]);
    await settled(page);
    const zoomed = await page.evaluate((w) => window.zelmora.clientRect(w), B1);
    assert.ok(Math.abs(zoomed.width / before.width - 3) < 0.05, `zoomed ${zoomed.width / before.width}`);
    // No tile moved and nothing was pressed: the pinch is the page's, not the board's.
    assert.equal(await script(page, `print ${B1} tiles`), reference([`open ${B1}`, `click ${B1} Command7`, `print ${B1} tiles`]));
    // The board's point under the fingers' middle stays under it.
    const stayed = await pointOf(page, B1, 6000, 4000);
    assert.ok(Math.hypot(stayed.x - mid.x, stayed.y - mid.y) < 2, `the middle moved to ${stayed.x},${stayed.y}`);
    // Spreading further stops at three times.
    await touch.pinch([{ x: mid.x - 30, y: mid.y }, { x: mid.x + 30, y: mid.y }],
      [{ x: mid.x - 120, y: mid.y }, { x: mid.x + 120, y: mid.y }]);
    assert.ok(Math.abs((await page.evaluate((w) => window.zelmora.clientRect(w), B1)).width / before.width - 3) < 0.05);
    // Two fingers moving together pan the board: left by 100 px.
    await touch.pinch([{ x: 300, y: 200 }, { x: 400, y: 200 }], [{ x: 200, y: 200 }, { x: 300, y: 200 }]);
    await settled(page);
    const panned = await page.evaluate((w) => window.zelmora.clientRect(w), B1);
    assert.ok(Math.abs(panned.left - (zoomed.left - 100)) < 1, `panned from ${zoomed.left} to ${panned.left}`);

    // The 1 tile is given out on the board at (5000, 3800); one finger takes it to (6400, 4200),
    // both on the zoomed screen.
    const placed = [`open ${B1}`, `click ${B1} Command7`];
    const tile = await script(page, `print ${B1} tiles`);
    const name = tile.match(/(Command1\(\d+\))/)[1];
    await script(page, `drag ${B1} ${name} 100 100 5000 3800`);
    placed.push(`drag ${B1} ${name} 100 100 5000 3800`);
    const from = await controlPoint(page, B1, name, [100, 100]);
    const to = await pointOf(page, B1, 6400, 4200);
    for (const p of [from, to]) assert.ok(p.x > 0 && p.x < 844 && p.y > 0 && p.y < 390, "the drag lies on the screen");
    await touch.drag(from, to);
    await settled(page);
    const moved = [...placed, `drag ${B1} ${name} 100 100 6400 4200`, `print ${B1} tiles`];
    assert.equal(await script(page, `print ${B1} tiles`), reference(moved));

    // A double tap on the empty mat shows the board whole again; the board takes it as a double click.
    const empty = await pointOf(page, B1, 4500, 3000);
    await touch.tap(empty);
    await touch.tap(empty);
    await settled(page);
    const whole = await page.evaluate((w) => window.zelmora.clientRect(w), B1);
    assert.ok(Math.abs(whole.width - before.width) < 0.5, `after a double tap ${whole.width}, whole ${before.width}`);
    // And so does the corner button, shown only while the board is zoomed.
    const wholeButton = windowOf(page, B1).locator(".view-tools .whole-board");
    assert.equal(await wholeButton.isVisible(), false);
    await touch.pinch([{ x: mid.x - 30, y: mid.y }, { x: mid.x + 30, y: mid.y }],
      [{ x: mid.x - 60, y: mid.y }, { x: mid.x + 60, y: mid.y }]);
    assert.equal(await wholeButton.isVisible(), true);
    const box = await wholeButton.boundingBox();
    assert.ok(box.width >= 44 && box.height >= 44);
    await touch.tap(await centreOf(wholeButton));
    await settled(page);
    assert.ok(Math.abs((await page.evaluate((w) => window.zelmora.clientRect(w), B1)).width - before.width) < 0.5);
    assert.equal(await script(page, `print ${B1} tiles`), reference(moved));
    await touch.detach();
    assert.deepEqual(page.errors, []);
    await context.close();
  });

  test("full screen keeps undo, the bar and the way out within a finger's reach", async () => {
    const { context, page } = await openOn("tablet");
    const B1 = "frmZelmora1";
    await script(page, `open ${B1}\nclick ${B1} Command7`);
    await settled(page);
    const touch = await fingers(page);
    const button = (command) => windowOf(page, B1).locator(`.toolbar button[data-command=${command}]`);
    const handle = windowOf(page, B1).locator(".view-tools .tools-handle");
    // Full screen and the bar follow a tap as the browser gets round to it: wait for each.
    const becomes = (locator, state) => locator.waitFor({ state, timeout: 5000 });
    const fullScreen = (on) => page.waitForFunction((want) => (want
      ? document.fullscreenElement?.getBoundingClientRect().width === innerWidth : document.fullscreenElement === null), on);
    assert.equal(await handle.isVisible(), false, "the bar is there: no handle");
    await touch.tap(await centreOf(button("fullScreen")));
    await fullScreen(true);
    // The bar steps aside for the board; its handle stays, big enough for a finger.
    await becomes(button("undo"), "hidden");
    await becomes(handle, "visible");
    const box = await handle.boundingBox();
    assert.ok(box.width >= 44 && box.height >= 44, `handle ${box.width}x${box.height}`);
    await touch.tap(await centreOf(handle));
    await becomes(button("undo"), "visible");
    await touch.tap(await centreOf(button("undo")));
    await settled(page);
    assert.equal(await script(page, `print ${B1} tiles`), reference([`open ${B1}`, `print ${B1} tiles`]));
    // The handle hides the bar again, and brings it back to leave full screen.
    await touch.tap(await centreOf(handle));
    await becomes(button("undo"), "hidden");
    await touch.tap(await centreOf(handle));
    await becomes(button("fullScreen"), "visible");
    await touch.tap(await centreOf(button("fullScreen")));
    await fullScreen(false);
    await becomes(handle, "hidden");
    await becomes(button("undo"), "visible");
    await touch.detach();
    assert.deepEqual(page.errors, []);
    await context.close();
  });
});
