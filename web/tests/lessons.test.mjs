// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in lessons in the browser with real input: the list opened from a board's bar, a lesson
// chosen and solved with a real drop, and after a reload the board back with its tiles and goal and
// the lesson marked solved; the guide's link to a lesson; a closed board no longer kept; and kept
// state that is damaged or refused dropped while the page starts as usual.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { test } from "node:test";
import { fileURLToPath } from "node:url";
import { mouseDrag, openSite, script, settled, siteAndBrowser } from "./browser.mjs";

const build = fileURLToPath(new URL("../../build-web/", import.meta.url));
const source = (path) => readFileSync(fileURLToPath(new URL(`../../${path}`, import.meta.url)), "utf8");
// The list's words as the core writes them.
const listText = (name) => source("program/lessons/lesson_set.cpp").match(new RegExp(`\\.${name} = "([^"]*)"`))[1];
const TITLE = listText("title");
const SOLVED = listText("solved");
const table = JSON.parse(source("lessons/lessons.json"));
const lessonTitle = (id) => table.boards.flatMap((b) => b.lessons).find((l) => l.id === id).title;

const B1 = "frmZelmora1";
const B3 = "frmZelmora4";
// Lesson b1-01, (x)(x + 1), laid out but for its last tile: the factors along the axes, x² inside,
// and a standing x turned and waiting beside the board.
const ALL_BUT_ONE = [
  `click ${B1} Command3`, `drag ${B1} Command1(21) 0 0 900 7260`,
  `click ${B1} Command7`, `drag ${B1} Command1(111) 0 0 2200 7260`,
  `click ${B1} Command3`, `drag ${B1} Command1(22) 0 0 6000 2000`, `drag ${B1} Command1(22) 10 10 11000 500`,
  `drag ${B1} Command1(22) 0 0 400 5960`,
  `click ${B1} Command2`, `drag ${B1} Command1(0) 0 0 900 5960`,
  `click ${B1} Command3`, `drag ${B1} Command1(23) 0 0 6000 2000`, `drag ${B1} Command1(23) 10 10 11000 500`,
];
const LAST_TILE = ["Command1(23)", [100, 100], [2300, 6060]];

const win = (page, name) => page.locator(`section.window[data-window=${name}]`);
const list = (page) => page.getByRole("dialog", { name: TITLE });
const bandText = async (page, name) => (await win(page, name).locator(".band").textContent()).replaceAll("\u2212", "-");
const kept = (page, key) => page.evaluate((k) => localStorage.getItem(k), key);
const activeIn = (page, selector) => page.evaluate((s) => Boolean(document.activeElement?.closest(s)), selector);

const running = siteAndBrowser(`${build}site`);

test("a lesson from the bar's list, solved with a real drop, is back after a reload and marked solved", async () => {
  // No offline worker here: every file the page asks for is the page's own request.
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 800 }, serviceWorkers: "block" });
  const page = await openSite(context, running.site.url);
  assert.ok(!running.site.served.some((f) => f.path.startsWith("/lessons/")), "no lesson is fetched before the list opens");
  const precached = readFileSync(`${build}site/precache.js`, "utf8");
  for (const file of ["lessons/lessons.json", "lessons/b1-01.zelmora", "lessons/b4-08.zelmora"])
    assert.ok(precached.includes(`"${file}"`), `${file} is kept for offline use`);

  // The list opened from Board 3's bar, in one click: Board 3's lessons first, every board's there.
  await script(page, `open ${B3}`);
  await win(page, B3).locator(".toolbar button[data-command=lessons]").click();
  const dialog = list(page);
  await dialog.waitFor();
  const groups = dialog.getByRole("region");
  assert.equal(await groups.count(), 4);
  assert.match(await groups.first().getByRole("heading").textContent(), /الثالثة/);
  assert.equal(await dialog.getByRole("button", { name: lessonTitle("b3-01") }).count(), 1);
  assert.equal(await dialog.locator("button.lesson").count(), 32);
  assert.equal(await dialog.getByText(SOLVED).count(), 0);
  assert.equal(await dialog.getAttribute("dir"), "rtl");
  // The keyboard: on the first lesson, the arrows go along, Escape closes and gives the board its keys.
  assert.equal(await page.evaluate(() => document.activeElement.dataset.lesson), "b3-01");
  await page.keyboard.press("ArrowDown");
  assert.equal(await page.evaluate(() => document.activeElement.dataset.lesson), "b3-02");
  await page.keyboard.press("Escape");
  assert.equal(await dialog.count(), 0);
  assert.ok(await activeIn(page, `section.window[data-window=${B3}] .client`), "the board has the keyboard again");

  // Ctrl+L opens it again; a Board 1 lesson opens Board 1 in front, its goal and prompt in the band.
  await page.keyboard.press("Control+KeyL");
  await dialog.waitFor();
  await dialog.getByRole("button", { name: lessonTitle("b1-01") }).click();
  await page.waitForFunction((w) => document.querySelector(`section.window[data-window=${w}]`), B1);
  await settled(page);
  assert.match(await script(page, "print windows"), new RegExp(`^windows=${B1} `));
  assert.match(await bandText(page, B1), /اضرب \(س\)\(س \+ 1\)/);
  assert.match(await bandText(page, B1), /ضع قطعة س قائمة/);

  await script(page, ALL_BUT_ONE.join("\n"));
  const [tile, grab, to] = LAST_TILE;
  await mouseDrag(page, B1, tile, grab, to);
  await settled(page);
  assert.match(await bandText(page, B1), /أحسنت/);
  const tiles = await script(page, `print ${B1} tiles`);
  await page.waitForFunction(() => (localStorage.getItem("zelmora.solvedLessons") ?? "").includes("b1-01"));
  // Reloaded at once, before the kept boards' quiet moment is over: leaving the page writes them.
  await page.reload();
  await page.waitForFunction(() => window.zelmora?.ready === true);
  await settled(page);
  assert.match(await script(page, "print windows"), new RegExp(`^windows=${B1} ${B3} frmZelmora\n$`));
  assert.equal(await script(page, `print ${B1} tiles`), tiles);
  assert.match(await script(page, `print ${B1} goal`), /multiply/);
  assert.match(await bandText(page, B1), /اضرب \(س\)\(س \+ 1\)/);
  await win(page, B1).locator(".toolbar button[data-command=lessons]").click();
  await dialog.waitFor();
  const solved = dialog.getByRole("button", { name: lessonTitle("b1-01") });
  assert.equal(await solved.locator(".solved-mark").textContent(), SOLVED);
  assert.equal(await dialog.getByText(SOLVED).count(), 1, "only the solved lesson is marked");
  assert.deepEqual(page.errors, []);
  await context.close();
});

test("the guide links an activity to its lesson, and a closed board is no longer kept", async () => {
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 800 }, serviceWorkers: "block" });
  const page = await openSite(context, running.site.url);
  await script(page, "click frmZelmora Command6"); // the guide
  const guide = page.frameLocator("#guide iframe");
  const link = guide.locator("a[href=\"#lesson-b1-03\"]");
  await link.waitFor();
  assert.equal(await guide.locator(".lesson-link").count(), 11);
  await link.click();
  await page.waitForFunction((w) => document.querySelector(`section.window[data-window=${w}]`), B1);
  await settled(page);
  assert.ok(await page.locator("#guide").isHidden());
  assert.match(await bandText(page, B1), /اضرب \(س \+ 2\)\(س \+ 3\)/);
  await page.waitForFunction(() => JSON.parse(localStorage.getItem("zelmora.openBoards") ?? "null")?.boards
    .some((b) => b.lesson === "b1-03"));

  await win(page, B1).locator("button.close").click();
  await page.waitForFunction(() => JSON.parse(localStorage.getItem("zelmora.openBoards") ?? "null")?.boards.length === 0);
  await page.reload();
  await page.waitForFunction(() => window.zelmora?.ready === true);
  assert.equal(await script(page, "print windows"), "windows=frmZelmora\n");
  assert.deepEqual(page.errors, []);
  await context.close();
});

test("kept state that is damaged or refused is dropped, and the page starts as usual", async () => {
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 800 }, serviceWorkers: "block" });
  const page = await openSite(context, running.site.url);
  await script(page, "open frmZelmora2");
  const good = (await page.waitForFunction(() => {
    const kept = JSON.parse(localStorage.getItem("zelmora.openBoards") ?? "null");
    return kept?.boards.length === 1 ? kept.boards[0].file : null;
  })).jsonValue();

  // Damaged: no JSON at all, and the solved list cut short.
  await page.evaluate(() => {
    localStorage.setItem("zelmora.openBoards", "{\"version\": 1, \"boards\": [");
    localStorage.setItem("zelmora.solvedLessons", "[\"b1-01\", 7");
  });
  await page.reload();
  await page.waitForFunction(() => window.zelmora?.ready === true);
  assert.equal(await script(page, "print windows"), "windows=frmZelmora\n");
  assert.equal(await kept(page, "zelmora.solvedLessons"), null);
  await page.waitForFunction(() => localStorage.getItem("zelmora.openBoards") === "{\"version\":1,\"boards\":[]}");

  // Refused: a board file the core will not open is dropped silently; the good one beside it comes back.
  const file = await good;
  await page.evaluate((f) => localStorage.setItem("zelmora.openBoards", JSON.stringify({ version: 1,
    boards: [{ file: f.replace("\"board\"", "\"board\": 3, \"x\""), lesson: "" }, { file: f, lesson: "" }] })), file);
  await page.reload();
  await page.waitForFunction(() => window.zelmora?.ready === true);
  await settled(page);
  assert.equal(await script(page, "print windows"), "windows=frmZelmora2 frmZelmora\n");
  assert.ok(await page.locator("#notice").isHidden(), "no message for a kept board that was dropped");
  await page.waitForFunction(() => JSON.parse(localStorage.getItem("zelmora.openBoards")).boards.length === 1);
  assert.deepEqual(page.errors, []);
  await context.close();
});
