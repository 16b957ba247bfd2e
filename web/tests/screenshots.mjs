// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the menu and each board, with its bar and algebra band, in the browser to docs/web-*.png:
//   node web/tests/screenshots.mjs
import { fileURLToPath } from "node:url";
import { launchBrowser, openSite, script } from "./browser.mjs";
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
if (page.errors.length) console.error(page.errors);
await browser.close();
await site.close();
