// SPDX-License-Identifier: GPL-3.0-or-later
// The band as a room reads it in Chromium: the balance's equation with each side under its own
// pan (the left pan's on the left of "=", its terms still right to left), the same text as the
// core's, and the band in the board's picture while it is shown.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { test } from "node:test";
import { fileURLToPath } from "node:url";
import { openSite, script, settled, siteAndBrowser } from "./browser.mjs";

const build = fileURLToPath(new URL("../../build-web/", import.meta.url));
const B4 = "frmZelmora5";
// 2x + 3 in the left pan's white region, 7 in the right pan's.
const TWO_X_PLUS_3_IS_7 = [
  `open ${B4}`,
  `drag ${B4} Command1(0) 0 0 900 1500`, `drag ${B4} Command1(1) 0 0 900 2100`,
  ...[30, 31, 32].map((t, i) => `drag ${B4} Command1(${t}) 0 0 ${2400 + 500 * i} 900`),
  ...[33, 34, 35, 36, 37].map((t, i) => `drag ${B4} Command1(${t}) 0 0 ${7400 + 500 * i} 1000`),
  `drag ${B4} Command1(38) 0 0 7400 1600`, `drag ${B4} Command1(39) 0 0 7900 1600`,
];

const running = siteAndBrowser(`${build}site`);
const win = (page) => page.locator(`section.window[data-window=${B4}]`);
const rect = (locator) => locator.evaluate((e) => e.getBoundingClientRect().toJSON());
// Where a character of an element's text is drawn on the screen.
const charRect = (locator, character) => locator.evaluate((e, c) => {
  const text = e.firstChild;
  const range = document.createRange();
  const at = text.data.indexOf(c);
  range.setStart(text, at);
  range.setEnd(text, at + c.length);
  return range.getBoundingClientRect().toJSON();
}, character);
// A PNG's height, from its header.
const pngHeight = (bytes) => bytes.readUInt32BE(20);

test("the balance's sides stand under their pans, and the picture carries the band", async () => {
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 900 }, acceptDownloads: true });
  const page = await openSite(context, running.site.url);
  for (const line of TWO_X_PLUS_3_IS_7) await script(page, line);
  assert.match(await script(page, `print ${B4} algebra`), /left="2س \+ 3" right="7"/);
  await win(page).locator(".toolbar button[data-command=algebra]").click();
  await settled(page);

  const band = win(page).locator(".band");
  assert.equal(await band.textContent(), "\u200f2س + 3 = 7");
  const left = await rect(band.locator(".side.left"));
  const equals = await rect(band.locator(".relation"));
  const right = await rect(band.locator(".side.right"));
  assert.ok(left.width > 0 && equals.width > 0 && right.width > 0);
  assert.ok(left.right <= equals.left, `left side ${left.right} must end before "=" at ${equals.left}`);
  assert.ok(equals.right <= right.left, `"=" ${equals.right} must end before the right side at ${right.left}`);
  // Under its own pan: the left side in the board's left half, the right side in its right half.
  const board = await rect(win(page).locator("canvas"));
  assert.ok(left.right <= board.left + board.width / 2 && right.left >= board.left + board.width / 2);
  // Within the side the terms still read right to left: the 3 is drawn left of the x.
  const piece = band.locator(".side.left bdi");
  assert.ok((await charRect(piece, "3")).right <= (await charRect(piece, "س")).left);

  const picture = async () => {
    const [download] = await Promise.all([page.waitForEvent("download"),
      win(page).locator(".toolbar button[data-command=savePicture]").click()]);
    return pngHeight(readFileSync(await download.path()));
  };
  const withBand = await picture();
  await win(page).locator(".toolbar button[data-command=algebra]").click();
  const withoutBand = await picture();
  assert.ok(withBand > withoutBand + 60, `${withBand} against ${withoutBand}`);
  assert.deepEqual(page.errors, []);
  await context.close();
});
