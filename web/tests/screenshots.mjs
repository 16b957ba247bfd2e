// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the menu and each board, with its bar and algebra band, each board with a task reached,
// Board 1's goal panel, share panel and QR code open, and Board 1 on a phone held upright and
// sideways, a tablet and a whiteboard, in the browser to docs/web-*.png:
//   node web/tests/screenshots.mjs
import { fileURLToPath } from "node:url";
import { launchBrowser, openSite, script, settled } from "./browser.mjs";
import { serveSite } from "./static_server.mjs";

const root = fileURLToPath(new URL("../../", import.meta.url));
const site = await serveSite(`${root}build-web/site`);
const browser = await launchBrowser();
const context = await browser.newContext({ viewport: { width: 1100, height: 800 }, deviceScaleFactor: 1 });
const page = await openSite(context, site.url);
await page.screenshot({ path: `${root}docs/web-menu.png` });
const boards = {
  board1: ["open frmZelmora1", "click frmZelmora1 Command7", "click frmZelmora1 Command5",
    "drag frmZelmora1 Command1(111) 250 100 3000 4000"],
  board2: ["open frmZelmora2", "click frmZelmora2 Command7"],
  board3: ["open frmZelmora4", "click frmZelmora4 Command3", "drag frmZelmora4 Command1(21) 100 100 2100 3400"],
  board4: ["open frmZelmora5"],
};
for (const [name, lines] of Object.entries(boards)) {
  await script(page, lines.join("\n"));
  await page.keyboard.press("F2"); // the algebra band, under the board
  await page.waitForTimeout(150);
  await page.screenshot({ path: `${root}docs/web-${name}.png` });
  await script(page, `close ${lines[0].split(" ")[1]}`);
}

// Each board with a task its tiles answer, and the goal panel of Board 1 being filled in.
const tasks = {
  board1: ["open frmZelmora1", "goal frmZelmora1 multiply (x+1)(x+1)",
    "click frmZelmora1 Command3", "drag frmZelmora1 Command1(21) 0 0 900 7260",
    "click frmZelmora1 Command7", "drag frmZelmora1 Command1(111) 0 0 2200 7260",
    "click frmZelmora1 Command7", "drag frmZelmora1 Command1(112) 0 0 400 6760",
    "click frmZelmora1 Command3", "drag frmZelmora1 Command1(22) 0 0 6000 2000",
    "drag frmZelmora1 Command1(22) 10 10 11000 500", "drag frmZelmora1 Command1(22) 0 0 400 5460",
    "click frmZelmora1 Command2", "drag frmZelmora1 Command1(0) 0 0 900 5460",
    "click frmZelmora1 Command3", "drag frmZelmora1 Command1(23) 0 0 900 6760",
    "click frmZelmora1 Command3", "drag frmZelmora1 Command1(24) 0 0 6000 2000",
    "drag frmZelmora1 Command1(24) 10 10 11000 500", "drag frmZelmora1 Command1(24) 0 0 2200 5460",
    "click frmZelmora1 Command7", "drag frmZelmora1 Command1(110) 0 0 2200 6760"],
  board2: ["open frmZelmora2", "goal frmZelmora2 multiply (x-2)(x+1)",
    "click frmZelmora2 Command7", "drag frmZelmora2 Command1(111) 0 0 5300 3600",
    "click frmZelmora2 Command3", "drag frmZelmora2 Command1(21) 10 10 11000 1000",
    "drag frmZelmora2 Command1(21) 0 0 5300 2300",
    "click frmZelmora2 Command3", "drag frmZelmora2 Command1(22) 0 0 5700 4000",
    "click frmZelmora2 Command7", "drag frmZelmora2 Command1(112) 0 0 4810 4050",
    "click frmZelmora2 Command7", "drag frmZelmora2 Command1(110) 0 0 4460 4050",
    "click frmZelmora2 Command2", "drag frmZelmora2 Command1(0) 0 0 5650 2360",
    "click frmZelmora2 Command3", "drag frmZelmora2 Command1(23) 0 0 5650 3610",
    "click frmZelmora2 Command3", "drag frmZelmora2 Command1(24) 10 10 11000 1000",
    "drag frmZelmora2 Command1(24) 0 0 4810 2300",
    "click frmZelmora2 Command3", "drag frmZelmora2 Command1(25) 10 10 11000 1000",
    "drag frmZelmora2 Command1(25) 0 0 4460 2300",
    "click frmZelmora2 Command7", "drag frmZelmora2 Command1(113) 0 0 4810 3600",
    "click frmZelmora2 Command7", "drag frmZelmora2 Command1(114) 0 0 4460 3600"],
  board3: ["open frmZelmora4", "goal frmZelmora4 simplify (2x+3)-(x+2)",
    "click frmZelmora4 Command3", "drag frmZelmora4 Command1(21) 100 100 2100 3400",
    "click frmZelmora4 Command7", "drag frmZelmora4 Command1(111) 100 100 4000 3400"],
  board4: ["open frmZelmora5", "goal frmZelmora5 solve 2x+3=7",
    "drag frmZelmora5 Command1(0) 0 0 900 1500", "drag frmZelmora5 Command1(1) 0 0 900 2100",
    ...[30, 31, 32].map((n, i) => `drag frmZelmora5 Command1(${n}) 0 0 ${2400 + 500 * i} 900`),
    ...[33, 34, 35, 36, 37, 38].map((n, i) => `drag frmZelmora5 Command1(${n}) 0 0 ${7400 + 500 * i} 1000`),
    "drag frmZelmora5 Command1(39) 0 0 7400 1600",
    ...[30, 31, 32, 33, 34, 35].map((n) => `drag frmZelmora5 Command1(${n}) 200 200 6000 2500`),
    "drag frmZelmora5 Command1(1) 700 200 5700 2900",
    ...[36, 37].map((n) => `drag frmZelmora5 Command1(${n}) 200 200 6000 2500`)],
};
for (const [name, lines] of Object.entries(tasks)) {
  await script(page, lines.join("\n"));
  await settled(page);
  await page.waitForTimeout(150);
  await page.screenshot({ path: `${root}docs/web-task-${name}.png` });
  await script(page, `close ${lines[0].split(" ")[1]}`);
}
await script(page, "open frmZelmora1");
await page.keyboard.press("Control+G");
await page.locator("dialog.goal-panel").waitFor();
await page.keyboard.type("(x+2)(x+3");
await page.waitForTimeout(100);
await page.screenshot({ path: `${root}docs/web-goal-panel-problem.png` });
await page.keyboard.type(")");
await page.locator("dialog.goal-panel input[dir=rtl]").fill("كم مساحة المستطيل؟");
await page.waitForTimeout(100);
await page.screenshot({ path: `${root}docs/web-goal-panel.png` });
await page.keyboard.press("Enter");

// Board 1's share panel, its link just copied.
await context.grantPermissions(["clipboard-write"], { origin: site.url });
await page.locator("section.window[data-window=frmZelmora1] .toolbar button[data-command=share]").click();
await page.locator("dialog.share-panel").waitFor();
await page.locator("dialog.share-panel button.copy").click();
await page.waitForTimeout(100);
await page.screenshot({ path: `${root}docs/web-share.png` });
// Its link as a QR code over the whole page.
await page.locator("dialog.share-panel button.qr").click();
await page.locator("dialog.qr-view canvas").waitFor();
await page.screenshot({ path: `${root}docs/web-qr.png` });

if (page.errors.length) console.error(page.errors);

// Board 1 with a product laid out and its band, on the screens a class uses. The whiteboard is
// rendered at half its pixels, as it would be shown in the README.
const screens = {
  "phone-portrait": { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 },
  "phone-landscape": { viewport: { width: 844, height: 390 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 },
  tablet: { viewport: { width: 1024, height: 768 }, hasTouch: true, deviceScaleFactor: 1 },
  whiteboard: { viewport: { width: 3840, height: 2160 }, deviceScaleFactor: 0.5 },
};
for (const [name, options] of Object.entries(screens)) {
  const screenContext = await browser.newContext(options);
  const shown = await openSite(screenContext, site.url);
  await script(shown, tasks.board1.join("\n")); // a task shows the band
  await settled(shown);
  await shown.waitForTimeout(150);
  await shown.screenshot({ path: `${root}docs/web-${name}.png` });
  if (shown.errors.length) console.error(shown.errors);
  await screenContext.close();
}
await browser.close();
await site.close();
