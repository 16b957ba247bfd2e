// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium, driven by playwright-core; never a browser of its own download.
import { after, before } from "node:test";
import { chromium } from "playwright-core";
import { serveSite } from "./static_server.mjs";

export const CHROMIUM_ARGS = ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
  "--disable-component-update", "--disable-sync", "--no-first-run"];

export function launchBrowser() {
  return chromium.launch({ executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium", args: CHROMIUM_ARGS });
}

// One server of the built site and one Chromium for a test file: started before its tests, closed
// after them. Their `site` and `browser` are there once the tests run.
export function siteAndBrowser(root) {
  const running = { site: null, browser: null };
  before(async () => {
    running.site = await serveSite(root);
    running.browser = await launchBrowser();
  });
  after(async () => {
    await running.browser?.close();
    await running.site?.close();
  });
  return running;
}

// Opens the site and waits for the program to have started and painted its menu.
export async function openSite(context, url) {
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (e) => errors.push(e));
  await page.goto(url);
  await page.waitForFunction(() => window.zelmora?.ready === true);
  page.errors = errors;
  return page;
}

// The CSS-pixel point of the viewport where (x, y) twips of window W lie.
export async function pointOf(page, win, x, y) {
  const r = await page.evaluate((w) => window.zelmora.clientRect(w), win);
  const perTwip = r.width / r.twipsWidth;
  return { x: r.left + x * perTwip, y: r.top + y * perTwip };
}

export function script(page, text) {
  return page.evaluate((t) => window.zelmora.script(t), text);
}

// Waits until the page has caught up with the program after real input: the windows' mirrors,
// bars and bands follow each painted change.
export function settled(page) {
  return page.evaluate(() => window.zelmora.settled());
}

// Where a control's point (x, y from its corner) is on the page: its Left and Top as the page's
// program prints them, turned into CSS pixels.
export async function controlPoint(page, win, control, [x, y]) {
  const [line] = (await script(page, `print ${win} ${control}`)).split("\n");
  const [left, top] = [/Left=(-?[\d.]+)/, /Top=(-?[\d.]+)/].map((r) => Number(line.match(r)[1]));
  return pointOf(page, win, left + x, top + y);
}

// A tile taken at grab (from its corner) and dropped at (x, y) of the window, with the real mouse.
export async function mouseDrag(page, win, tile, grab, to) {
  const from = await controlPoint(page, win, tile, grab);
  const target = await pointOf(page, win, to[0], to[1]);
  await page.mouse.move(from.x, from.y);
  await page.mouse.down();
  await page.mouse.move(target.x, target.y, { steps: 8 });
  await page.mouse.up();
}
