// SPDX-License-Identifier: GPL-3.0-or-later
// A task in the browser with real input: the goal panel opened from the bar and with its key, a bad
// expression refused with the core's reason, a goal typed in Arabic letters and in ASCII, set, and
// reached by a real drag (the band's praise, the chime, the announcer); the task saved and dropped
// back on the page with its goal and question; the panel's keyboard kept inside and given back.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { fileURLToPath } from "node:url";
import { mouseDrag, openSite, script, settled, siteAndBrowser } from "./browser.mjs";

const build = fileURLToPath(new URL("../../build-web/", import.meta.url));
const reference = (lines) => execFileSync("node", [`${build}tools/zelmora-script.js`, "-"],
  { input: ["start", ...lines].join("\n") + "\n", encoding: "utf8" });

// The panel's words as the core writes them, by name.
const editorTexts = Object.fromEntries([...readFileSync(
  fileURLToPath(new URL("../../program/tasks/goal_editor.hpp", import.meta.url)), "utf8")
  .matchAll(/std::string_view (\w+) = "([^"]*)";/g)].map(([, name, text]) => [name, text]));

const B1 = "frmZelmora1";
const PROMPT = "ابنِ المستطيل";
// (x + 1)(x + 1) on Board 1 but its last unit: the factors along the axes, x², x and x inside.
const ALL_BUT_ONE = [
  `click ${B1} Command3`, `drag ${B1} Command1(21) 0 0 900 7260`,
  `click ${B1} Command7`, `drag ${B1} Command1(111) 0 0 2200 7260`,
  `click ${B1} Command7`, `drag ${B1} Command1(112) 0 0 400 6760`,
  `click ${B1} Command3`, `drag ${B1} Command1(22) 0 0 6000 2000`, `drag ${B1} Command1(22) 10 10 11000 500`,
  `drag ${B1} Command1(22) 0 0 400 5460`,
  `click ${B1} Command2`, `drag ${B1} Command1(0) 0 0 900 5460`,
  `click ${B1} Command3`, `drag ${B1} Command1(23) 0 0 900 6760`,
  `click ${B1} Command3`, `drag ${B1} Command1(24) 0 0 6000 2000`, `drag ${B1} Command1(24) 10 10 11000 500`,
  `drag ${B1} Command1(24) 0 0 2200 5460`,
  `click ${B1} Command7`,
];
const LAST_UNIT = ["Command1(110)", [100, 100], [2300, 6860]];

const win = (page) => page.locator(`section.window[data-window=${B1}]`);
const panel = (page) => page.getByRole("dialog", { name: editorTexts.title });
const bandText = async (page) => (await win(page).locator(".band").textContent())
  .replaceAll("\u2212", "-").replace(/^\u200f/, "");
const bandOf = (printed) => printed.trim().split("\n").map((line) => line.match(/\.band="(.*)"$/)[1]).join("\n");
const activeIn = (page, selector) => page.evaluate((s) => Boolean(document.activeElement?.closest(s)), selector);

const running = siteAndBrowser(`${build}site`);
let folder;
before(() => { folder = mkdtempSync(join(tmpdir(), "zelmora-tasks-")); });
after(() => rmSync(folder, { recursive: true, force: true }));

test("a goal set from the panel is reached by a drag: praise in the band and the announcer, and a chime", async () => {
  assert.ok(editorTexts.title && editorTexts.set);
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await openSite(context, running.site.url);
  await script(page, `open ${B1}`);
  await win(page).locator("canvas").click({ position: { x: 5, y: 5 } });
  await win(page).locator(".toolbar button[data-command=goal]").click();
  const dialog = panel(page);
  await dialog.waitFor();
  assert.ok(await activeIn(page, "dialog"), "the panel takes the keyboard");
  // Board 1 offers to multiply and to factor, with the core's words.
  assert.deepEqual(await dialog.locator("input[type=radio]").evaluateAll((inputs) => inputs.map((i) => i.value)),
    ["multiply", "factor"]);
  assert.equal(await dialog.locator("legend").textContent(), editorTexts.kind);
  const set = dialog.getByRole("button", { name: editorTexts.set });
  const expression = dialog.getByLabel(editorTexts.expression);
  const preview = dialog.locator("output");

  // Bad: a reason in Arabic, the set button off, and Enter sets nothing.
  await dialog.getByRole("radio", { name: "اضرب" }).click();
  await expression.click();
  await page.keyboard.type("(x+1)(x+");
  assert.match(await preview.textContent(), /^[\u0600-\u06ff]/);
  assert.equal(await preview.getAttribute("class"), "preview-text problem");
  assert.equal(await set.isDisabled(), true);
  await page.keyboard.press("Enter");
  assert.ok(await dialog.isVisible());
  assert.equal(await script(page, `print ${B1} goal`), `${B1}.goal none\n`);
  // A factor goal no rectangle of tiles can make is refused too.
  await dialog.getByRole("radio", { name: "حلّل" }).click();
  await expression.fill("");
  await expression.click();
  await page.keyboard.type("x^2+5x+7");
  assert.match(await preview.textContent(), /^[\u0600-\u06ff]/);
  assert.equal(await set.isDisabled(), true);

  // Arabic letters and ASCII both read, and are shown back in the board's notation.
  await dialog.getByRole("radio", { name: "اضرب" }).click();
  await page.keyboard.press("Tab"); // from the kinds to the expression
  await page.keyboard.press("Control+A");
  await page.keyboard.type("(س+1)(س+1)");
  const shown = "\u200fاضرب (س + 1)(س + 1)";
  assert.equal(await preview.textContent(), shown);
  assert.equal(await set.isDisabled(), false);
  await page.keyboard.press("Control+A");
  await page.keyboard.type("(x+1)(x+1)");
  assert.equal(await preview.textContent(), shown);
  await dialog.getByLabel(editorTexts.prompt).click();
  await page.keyboard.type(PROMPT);
  // Tab goes round the panel and never leaves it; no goal yet, so nothing to remove.
  assert.equal(await dialog.getByRole("button", { name: editorTexts.remove }).isVisible(), false);
  for (let i = 0; i < 7; i++) {
    await page.keyboard.press("Tab");
    assert.ok(await activeIn(page, "dialog"), `Tab ${i + 1} stays in the panel`);
  }
  await set.click();

  await dialog.waitFor({ state: "detached" });
  assert.ok(await activeIn(page, `.client[data-window=${B1}]`), "the board has the keyboard back");
  const task = [`open ${B1}`, `goal ${B1} multiply (x+1)(x+1)`];
  assert.equal(await script(page, `print ${B1} goal`), reference([...task, `print ${B1} goal`]));
  await settled(page);
  // The band shows itself with the question and the goal, every line of it in view.
  const band = win(page).locator(".band");
  assert.ok(await band.isVisible());
  const [promptLine, goalLine] = (await bandText(page)).split("\n");
  assert.equal(promptLine, PROMPT);
  assert.equal(goalLine, "الهدف: اضرب (س + 1)(س + 1)");
  assert.ok(await band.evaluate((b) => b.scrollHeight <= b.clientHeight + 1), "no line of the band is cut off");

  await script(page, ALL_BUT_ONE.join("\n"));
  const sounds = await page.evaluate(() => window.zelmora.sounds);
  await mouseDrag(page, B1, ...LAST_UNIT);
  await settled(page);
  const reached = [...ALL_BUT_ONE, `drag ${B1} ${LAST_UNIT[0]} ${LAST_UNIT.slice(1).flat().join(" ")}`];
  assert.equal(await script(page, `print ${B1} check`), `${B1}.check=done\n`);
  const expectedBand = bandOf(reference([...task, ...reached, `print ${B1} band`]));
  assert.match(expectedBand, /✓ أحسنت$/);
  assert.equal((await bandText(page)).replace(`${PROMPT}\n`, ""), expectedBand);
  assert.ok(await band.evaluate((b) => b.scrollHeight <= b.clientHeight + 1), "the praise is in view");
  await page.waitForFunction(() => document.querySelector("#announcer").textContent.includes("✓ أحسنت"));
  await page.waitForFunction((before) => window.zelmora.sounds.chime === before + 1, sounds.chime);
  assert.equal((await page.evaluate(() => window.zelmora.sounds)).bell, sounds.bell, "the chime, not the beep");
  assert.deepEqual(page.errors, []);
  await context.close();
});

test("a saved task dropped on the page comes back with its goal and question; Ctrl+G edits and removes it", async () => {
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 800 }, acceptDownloads: true });
  const page = await openSite(context, running.site.url);
  await script(page, `open ${B1}`);
  await win(page).locator("canvas").click({ position: { x: 5, y: 5 } });
  await page.keyboard.press("Control+G");
  const dialog = panel(page);
  await dialog.waitFor();
  await page.keyboard.type("x^2+2x+1"); // the expression field has the keyboard
  await dialog.getByRole("radio", { name: "حلّل" }).click();
  await dialog.getByLabel(editorTexts.prompt).fill(PROMPT);
  await page.keyboard.press("Enter");
  await dialog.waitFor({ state: "detached" });
  const goal = await script(page, `print ${B1} goal`);
  assert.equal(goal, reference([`open ${B1}`, `goal ${B1} factor x^2+2x+1`, `print ${B1} goal`]));

  const [download] = await Promise.all([page.waitForEvent("download"), page.keyboard.press("Control+S")]);
  const file = join(folder, "task.zelmora");
  await download.saveAs(file);
  await win(page).locator("button.close").click();
  assert.equal(await script(page, "print windows"), "windows=frmZelmora\n");
  await page.evaluate((text) => {
    const data = new DataTransfer();
    data.items.add(new File([text], "task.zelmora"));
    window.dispatchEvent(new DragEvent("drop", { dataTransfer: data, cancelable: true }));
  }, readFileSync(file, "utf8"));
  await page.waitForFunction((w) => window.zelmora.clientRect(w) !== null, B1);
  await settled(page);
  assert.equal(await script(page, `print ${B1} goal`), goal);
  assert.ok(await win(page).locator(".band").isVisible());
  const [promptLine, goalLine] = (await bandText(page)).split("\n");
  assert.equal(promptLine, PROMPT);
  assert.equal(goalLine, "الهدف: حلّل س² + 2س + 1");

  // The panel offers the goal it holds, and Escape leaves it as it was.
  await page.keyboard.press("Control+G");
  await dialog.waitFor();
  assert.equal(await dialog.getByRole("radio", { name: "حلّل" }).isChecked(), true);
  assert.equal(await dialog.getByLabel(editorTexts.expression).inputValue(), "س² + 2س + 1");
  assert.equal(await dialog.getByLabel(editorTexts.prompt).inputValue(), PROMPT);
  await page.keyboard.press("Escape");
  await dialog.waitFor({ state: "detached" });
  assert.ok(await activeIn(page, `.client[data-window=${B1}]`));
  assert.equal(await script(page, `print ${B1} goal`), goal);
  await page.keyboard.press("Control+G");
  await dialog.getByRole("button", { name: editorTexts.remove }).click();
  await dialog.waitFor({ state: "detached" });
  assert.equal(await script(page, `print ${B1} goal`), `${B1}.goal none\n`);
  await settled(page);
  assert.doesNotMatch(await bandText(page), /الهدف/);
  assert.deepEqual(page.errors, []);
  await context.close();
});
