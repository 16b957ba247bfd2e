// SPDX-License-Identifier: GPL-3.0-or-later
// The page paints only the parts of a board that a change touched. After every step of real drags
// (the outline over tiles, out of the window and back, a drop that snaps, a drop in the bin, a
// tile onto a tile) and after keys and undo, each board's canvas must hold exactly the pixels of a
// full painting of the board as the core has it: a region left stale shows here.
import assert from "node:assert/strict";
import { test } from "node:test";
import { fileURLToPath } from "node:url";
import { openSite, pointOf, script, siteAndBrowser } from "./browser.mjs";

const running = siteAndBrowser(process.env.SITE ?? fileURLToPath(new URL("../../build-web/site", import.meta.url)));

const unlike = (page, win) => page.evaluate((w) => window.zelmora.repaintDifference(w), win);

// A drag in small steps along `path` (twips of the window), the canvas checked after each step.
async function checkedDrag(page, win, tile, path, { release = true } = {}) {
  const [line] = (await script(page, `print ${win} ${tile}`)).split("\n");
  const [left, top] = [/Left=(-?[\d.]+)/, /Top=(-?[\d.]+)/].map((r) => Number(line.match(r)[1]));
  const start = await pointOf(page, win, left + 60, top + 60);
  await page.mouse.move(start.x, start.y);
  await page.mouse.down();
  for (const [x, y] of path) {
    const to = typeof x === "number" ? await pointOf(page, win, x, y) : { x: 2, y: 2 };
    await page.mouse.move(to.x, to.y, { steps: 4 });
    assert.equal(await unlike(page, win), 0, `${win}: stale pixels while dragging ${tile} at ${x},${y}`);
  }
  if (!release) return;
  await page.mouse.up();
  assert.equal(await unlike(page, win), 0, `${win}: stale pixels after dropping ${tile}`);
}

test("boards painted piece by piece match a full painting through drags, drops, keys and undo", async () => {
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await openSite(context, running.site.url);
  const B1 = "frmZelmora1";
  const palette = ["Command3", "Command4", "Command5", "Command6", "Command7", "Command8", "Command2"];
  const clicks = [];
  for (let i = 0; i < 4; i++) for (const p of palette) clicks.push(`click ${B1} ${p}`);
  await script(page, [`open ${B1}`, ...clicks, `goal ${B1} multiply (x+1)(x+1)`].join("\n"));
  const tiles = (await script(page, `print ${B1} tiles`)).trim().split("\n").map((l) => l.match(/\.(Command1\(\d+\))/)[1]);
  assert.ok(tiles.length >= 20, "the board needs tiles over one another to drag across");

  // Across the tiles, out of the window (the outline goes) and back, then dropped to snap.
  await checkedDrag(page, B1, tiles.at(-1), [[3000, 3000], [5200, 2600], ["out"], [4000, 4200], [3100, 3100]]);
  // A tile dropped onto another, and another taken from the stack.
  await checkedDrag(page, B1, tiles.at(-2), [[3200, 3200], [3050, 3050]]);
  await checkedDrag(page, B1, tiles[0], [[1500, 5000], [6000, 1500]]);
  // The focus moved by keys, and the board's last move undone and done again.
  await page.keyboard.press("Tab");
  await page.keyboard.press("Tab");
  assert.equal(await unlike(page, B1), 0, "stale pixels after the focus moved");
  await script(page, `key ${B1} tab`);
  assert.equal(await unlike(page, B1), 0, "stale pixels after a scripted key");
  await page.keyboard.press("Control+z");
  assert.equal(await unlike(page, B1), 0, "stale pixels after undo");
  await page.keyboard.press("Control+y");
  assert.equal(await unlike(page, B1), 0, "stale pixels after redo");

  // Board 4, the balance: a tile over the pans and into the bin, whose picture changes, and one
  // dropped in a pan.
  const B4 = "frmZelmora5";
  await script(page, `open ${B4}`);
  await checkedDrag(page, B4, "Command1(0)", [[1200, 3500], [5700, 2900]]);
  await checkedDrag(page, B4, "Command1(1)", [[3000, 2000], [1200, 800]]);
  assert.deepEqual(page.errors, []);
  await context.close();
});

test("a window behind the front one shows a picture of its board, and a closed one keeps no canvas", async () => {
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await openSite(context, running.site.url);
  const B1 = "frmZelmora1";
  await script(page, `open ${B1}\nclick ${B1} Command3\nclick ${B1} Command7`);
  const canvas = await page.evaluateHandle((w) => document.querySelector(`canvas[data-window="${w}"]`), B1);
  const size = await canvas.evaluate((c) => [c.width, c.height]);
  assert.ok(size[0] > 0 && size[1] > 0);

  // Behind Board 2, Board 1's canvas gives its pixels up for a picture of the same board.
  await script(page, "open frmZelmora2");
  await page.waitForFunction((w) => document.querySelector(`canvas[data-window="${w}"]`).width === 0, B1);
  const picture = await page.evaluate((w) => {
    const img = document.querySelector(`section.window[data-window="${w}"] .client img`);
    return img && [img.naturalWidth, img.naturalHeight];
  }, B1);
  assert.deepEqual(picture, size);
  assert.equal(await unlike(page, B1), 0, "the picture shows the board as it is");

  // A press brings Board 1 to the front with its canvas back; behind again, its picture is new.
  await script(page, `click ${B1} Command4`);
  assert.deepEqual(await canvas.evaluate((c) => [c.width, c.height]), size);
  assert.equal(await page.locator(`section.window[data-window="${B1}"] .client img`).count(), 0);
  assert.equal(await unlike(page, B1), 0);
  await script(page, "open frmZelmora2");
  await page.waitForFunction((w) => document.querySelector(`canvas[data-window="${w}"]`).width === 0, B1);
  assert.equal(await unlike(page, B1), 0, "the picture shows the board as it was left");

  await script(page, `close ${B1}`);
  assert.deepEqual(await canvas.evaluate((c) => [c.width, c.height]), [0, 0]);
  assert.deepEqual(page.errors, []);
  await context.close();
});
