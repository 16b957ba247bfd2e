// SPDX-License-Identifier: GPL-3.0-or-later
// A shared link opened in the page: the board its fragment holds comes up with its tiles and its
// goal in the band, and the fragment leaves the address bar; a damaged link opens nothing and
// says so in Arabic.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { test } from "node:test";
import { fileURLToPath } from "node:url";
import { openSite, script, siteAndBrowser } from "./browser.mjs";

const build = fileURLToPath(new URL("../../build-web/", import.meta.url));
const reference = (lines) => execFileSync("node", [`${build}tools/zelmora-script.js`, "-"],
  { input: ["start", ...lines].join("\n") + "\n", encoding: "utf8" });
const damagedMessage = readFileSync(
  fileURLToPath(new URL("../../program/board_file/refusal_messages.cpp", import.meta.url)), "utf8")
  .match(/"(هذا الرابط تالف[^"]*)"/)[1];

const B1 = "frmZelmora1";
const TEACHER = [
  `open ${B1}`, `goal ${B1} multiply (x+3)(x+2)`,
  `click ${B1} Command3`, `drag ${B1} Command1(21) 0 0 3000 3000`,
  `click ${B1} Command7`, `drag ${B1} Command1(111) 0 0 400 6760`,
  `print ${B1} tiles`, `print ${B1} link`,
];

const running = siteAndBrowser(`${build}site`);

test("a shared link opens its board with its tiles and goal, and leaves the address", async () => {
  const printed = reference(TEACHER);
  const fragment = printed.match(/\.link="(\S+)"/)[1];
  const tiles = printed.split("\n").filter((line) => line.includes(".Command1(")).join("\n");
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await openSite(context, `${running.site.url}#${fragment}`);
  assert.equal((await script(page, "print windows")).trim(), `windows=${B1} frmZelmora`);
  assert.equal((await script(page, `print ${B1} tiles`)).trim(), tiles);
  const band = page.locator(`section.window[data-window=${B1}] .band`);
  assert.match(await band.textContent(), /الهدف: اضرب \(س \+ 3\)\(س \+ 2\)/);
  assert.equal(await page.evaluate(() => location.hash), "");
  assert.ok(!(await page.locator("#notice").isVisible()));
  // The learner moves on; a reload brings back that work, not the link over it.
  await script(page, `drag ${B1} Command1(111) 0 0 2000 6760`);
  const moved = (await script(page, `print ${B1} tiles`)).trim();
  assert.notEqual(moved, tiles);
  await page.reload();
  await page.waitForFunction(() => window.zelmora?.ready === true);
  assert.equal((await script(page, "print windows")).trim(), `windows=${B1} frmZelmora`);
  assert.equal((await script(page, `print ${B1} tiles`)).trim(), moved);
  assert.equal(await page.evaluate(() => location.hash), "");
  assert.deepEqual(page.errors, []);
  await context.close();
});

test("a damaged link opens no board and says why in Arabic", async () => {
  const fragment = reference(TEACHER).match(/\.link="(\S+)"/)[1];
  const at = Math.floor(fragment.length / 2);
  const damaged = fragment.slice(0, at) + (fragment[at] === "A" ? "B" : "A") + fragment.slice(at + 1);
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await openSite(context, `${running.site.url}#${damaged}`);
  await page.locator("#notice").waitFor();
  assert.equal(await page.locator("#notice p").textContent(), damagedMessage);
  assert.equal((await script(page, "print windows")).trim(), "windows=frmZelmora");
  assert.equal(await page.evaluate(() => location.hash), "");
  assert.deepEqual(page.errors, []);
  await context.close();
});
