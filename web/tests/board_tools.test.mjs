// SPDX-License-Identifier: GPL-3.0-or-later
// A board window's bar, its band and its accessible mirror in Debian's Chromium, with real input:
// undo, the algebra band, board files saved and opened (the picker, a drop, a refusal), the names
// a screen reader finds, a tile moved with the keyboard alone, and the bar reached with F6, each
// against zelmora-script.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { fileURLToPath } from "node:url";
import { launchBrowser, mouseDrag, openSite, script, settled } from "./browser.mjs";
import { serveSite } from "./static_server.mjs";

const build = fileURLToPath(new URL("../../build-web/", import.meta.url));
const reference = (lines) => execFileSync("node", [`${build}tools/zelmora-script.js`, "-"],
  { input: ["start", ...lines].join("\n") + "\n", encoding: "utf8" });

const B1 = "frmZelmora1";
const OUT = ["open frmZelmora1", "click frmZelmora1 Command7"];
const DRAG = [[250, 100], [3000, 7400]]; // tile 111 from the palette onto the bottom strip

const bar = (page, command) => page.locator(`section.window[data-window=${B1}] .toolbar button[data-command=${command}]`);
// The band as shown (true minus signs, a leading right-to-left mark) read back as the script prints it.
const band = async (page) => (await page.locator(`section.window[data-window=${B1}] .band`).textContent())
  .replaceAll("\u2212", "-").replace(/^\u200f/, "");

let browser;
let site;
let folder;
before(async () => {
  site = await serveSite(`${build}site`);
  browser = await launchBrowser();
  folder = mkdtempSync(join(tmpdir(), "zelmora-tools-"));
});
after(async () => {
  await browser?.close();
  await site?.close();
  rmSync(folder, { recursive: true, force: true });
});

test("undo and redo after a drag, and the band says what print W algebra says", async () => {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await openSite(context, site.url);
  await script(page, OUT.join("\n"));
  await page.keyboard.press("F2");
  await mouseDrag(page, B1, "Command1(111)", ...DRAG);
  const moved = [...OUT, `drag ${B1} Command1(111) ${DRAG.flat().join(" ")}`];
  const algebra = await script(page, `print ${B1} algebra`);
  assert.equal(algebra, reference([...moved, `print ${B1} algebra`]));
  assert.match(algebra, / width="1" /, "the drag must lay the tile on the bottom strip");
  // The band shows the core's own text, row for row as the driver's `print W band` prints it.
  const bandOf = (lines) => lines.trim().split("\n").map((line) => line.match(/\.band="(.*)"$/)[1]).join("\n");
  const dropped = bandOf(reference([...moved, `print ${B1} band`]));
  assert.equal(await band(page), dropped);
  assert.ok((await page.locator("#announcer").textContent()).includes(dropped.split("\n")[0]));

  assert.equal(await bar(page, "redo").isDisabled(), true);
  await page.keyboard.press("Control+Z");
  assert.equal(await script(page, `print ${B1} tiles`), reference([...moved, `undo ${B1}`, `print ${B1} tiles`]));
  assert.equal(await band(page), bandOf(reference([...moved, `undo ${B1}`, `print ${B1} band`])));
  assert.notEqual(await band(page), dropped);
  await bar(page, "redo").click();
  assert.equal(await script(page, `print ${B1} tiles`), reference([...moved, `print ${B1} tiles`]));
  // Two actions to take back, the drag and the palette's click; then nothing is left to undo.
  for (let i = 0; i < 2; i++) await bar(page, "undo").click();
  await settled(page);
  assert.equal(await bar(page, "undo").isDisabled(), true);
  assert.equal(await script(page, `print ${B1} tiles`), reference([`open ${B1}`, `print ${B1} tiles`]));
  assert.equal(await bar(page, "redo").isDisabled(), false);
  assert.deepEqual(page.errors, []);
  await context.close();
});

test("a saved board opens again from the picker and from a drop; a bad file is refused", async () => {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 }, acceptDownloads: true });
  const page = await openSite(context, site.url);
  await script(page, OUT.join("\n"));
  await mouseDrag(page, B1, "Command1(111)", ...DRAG);
  const saved = await script(page, `print ${B1} tiles`);
  const [download] = await Promise.all([page.waitForEvent("download"), page.keyboard.press("Control+S")]);
  assert.equal(download.suggestedFilename(), "board1.zelmora");
  const file = join(folder, "board1.zelmora");
  await download.saveAs(file);

  await mouseDrag(page, B1, "Command1(111)", [100, 100], [6000, 2000]);
  assert.notEqual(await script(page, `print ${B1} tiles`), saved);
  const [chooser] = await Promise.all([page.waitForEvent("filechooser"), page.keyboard.press("Control+O")]);
  await chooser.setFiles(file);
  await page.waitForFunction(() => document.querySelector("#notice").hidden);
  await page.waitForTimeout(100);
  assert.equal(await script(page, `print ${B1} tiles`), saved);

  // Dropped on the page with Board 1 closed: the board it names opens with it.
  const drop = (name, text) => page.evaluate(([name, text]) => {
    const data = new DataTransfer();
    data.items.add(new File([text], name));
    window.dispatchEvent(new DragEvent("drop", { dataTransfer: data, cancelable: true }));
  }, [name, text]);
  await script(page, `close ${B1}`);
  await drop("board1.zelmora", readFileSync(file, "utf8"));
  await page.waitForFunction(() => window.zelmora.clientRect("frmZelmora1") !== null);
  assert.equal(await script(page, `print ${B1} tiles`), saved);

  const damaged = join(folder, "damaged.zelmora");
  writeFileSync(damaged, readFileSync(file, "utf8").replace(/"left": *-?[\d.]+/, '"left": "far"'));
  const refusal = reference([`open ${B1}`, `load ${B1} ${damaged}`]);
  assert.equal(refusal, `${B1}.load=refused\n`);
  const [again] = await Promise.all([page.waitForEvent("filechooser"), bar(page, "open").click()]);
  await again.setFiles(damaged);
  await page.locator("#notice").waitFor();
  assert.match(await page.locator("#notice").textContent(), /[\u0600-\u06ff]/);
  assert.equal(await script(page, `print ${B1} tiles`), saved);
  assert.deepEqual(page.errors, []);
  await context.close();
});

// The core's roles as the accessibility tree shows them.
const TREE_ROLES = { button: "button", picture: "img", graphic: "img", text: "text", entry: "textbox",
  document: "document" };

test("a screen reader finds the core's names, follows its focus, and a tile moves by keyboard alone", async () => {
  const context = await browser.newContext({ viewport: { width: 1100, height: 800 } });
  const page = await openSite(context, site.url);
  const setup = [...OUT, `drag ${B1} Command1(111) ${DRAG.flat().join(" ")}`];
  await script(page, setup.join("\n"));
  const names = [...(await script(page, `print ${B1} names`)).matchAll(/ name="([^"]*)" role=(\w+)/g)]
    .map(([, name, role]) => `${TREE_ROLES[role]} "${name}"`);
  const tree = (await page.locator(`section.window[data-window=${B1}] .mirror`).ariaSnapshot())
    .split("\n").slice(1).map((line) => line.replace(/^\s*- /, "").replace(/^text: (.*)$/, 'text "$1"'));
  assert.deepEqual(tree, names);

  await page.locator(`section.window[data-window=${B1}] canvas`).focus();
  const keys = [...Array(10).fill("Tab"), "ArrowLeft", "ArrowLeft", "ArrowUp", "Shift+ArrowUp", "Enter"];
  const canvas = () => page.locator(`section.window[data-window=${B1}] canvas`).evaluate((c) => c.toDataURL());
  let beforeDrag = null;
  for (const [i, key] of keys.entries()) {
    if (key === "ArrowLeft" && !beforeDrag) {
      // The page's focus is on the mirror's element of the control the core has focused.
      const focus = (await script(page, `print ${B1} focus`)).trim().split("=")[1];
      assert.equal(await page.evaluate(() => document.activeElement.dataset.control), focus);
      beforeDrag = await canvas();
    }
    await page.keyboard.press(key);
    if (i === 10) assert.notEqual(await canvas(), beforeDrag, "the keyboard drag's outline is painted");
  }
  const words = { Tab: "tab", ArrowLeft: "left", ArrowUp: "up", "Shift+ArrowUp": "shift+up", Enter: "enter" };
  const expected = reference([...setup, ...keys.map((k) => `key ${B1} ${words[k]}`), `print ${B1} tiles`]);
  assert.notEqual(expected, reference([...setup, `print ${B1} tiles`]), "the keys must move the tile");
  assert.equal(await script(page, `print ${B1} tiles`), expected);
  assert.match(await page.locator("#announcer").textContent(), /قطعة/);
  assert.deepEqual(page.errors, []);
  await context.close();
});

test("F6 lends the keyboard to the bar, whose arrows walk its buttons and whose Enter acts", async () => {
  const context = await browser.newContext({ viewport: { width: 1100, height: 800 } });
  const page = await openSite(context, site.url);
  await script(page, OUT.join("\n"));
  await page.locator(`section.window[data-window=${B1}] canvas`).focus();
  const inBar = () => page.evaluate((w) => {
    const button = document.activeElement;
    return document.querySelector(`section.window[data-window=${w}] .toolbar`).contains(button)
      ? button.dataset.command : null;
  }, B1);
  const onBoard = () => page.evaluate((w) =>
    document.querySelector(`section.window[data-window=${w}] .client`).contains(document.activeElement), B1);

  await page.keyboard.press("F6");
  const first = await inBar();
  assert.ok(first, "F6 puts the keyboard on the bar's first button");
  await page.keyboard.press("ArrowLeft");
  assert.notEqual(await inBar(), first);
  await page.keyboard.press("ArrowRight");
  assert.equal(await inBar(), first);
  await page.keyboard.press("Escape");
  assert.ok(await onBoard(), "Escape gives the keyboard back to the board");
  await page.keyboard.press("Control+F6");
  assert.equal(await inBar(), first);
  await page.keyboard.press("F6");
  assert.ok(await onBoard(), "F6 again goes back to the board");

  // Undo from the bar: the tile the palette brought out goes again.
  await page.keyboard.press("F6");
  for (let step = 0; step < 20 && (await inBar()) !== "undo"; ++step) await page.keyboard.press("ArrowLeft");
  assert.equal(await inBar(), "undo");
  await page.keyboard.press("Enter");
  await settled(page);
  assert.equal(await script(page, `print ${B1} tiles`), reference([...OUT, `undo ${B1}`, `print ${B1} tiles`]));
  assert.deepEqual(page.errors, []);
  await context.close();
});

// What the desktop says when it refuses a board file, by the refusal's name.
const refusalMessages = Object.fromEntries([...readFileSync(
  fileURLToPath(new URL("../../program/board_file/refusal_messages.cpp", import.meta.url)), "utf8")
  .matchAll(/\{ Refusal::(\w+), "([^"]*)" \}/g)].map(([, refusal, message]) => [refusal, message]));

test("a dropped file that is refused opens no board, and a file naming no board is refused, as on the desktop", async () => {
  assert.ok(refusalMessages.Damaged && refusalMessages.NotBoardFile);
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await openSite(context, site.url);
  const saved = join(folder, "board2.zelmora");
  reference(["open frmZelmora2", "click frmZelmora2 Command3", `save frmZelmora2 ${saved}`]);
  const damaged = readFileSync(saved, "utf8").replace(/"left": *-?[\d.]+/, '"left": "far"');
  const notBoard = readFileSync(saved, "utf8").replace(/"board": *"frmZelmora2"/, '"board": "frmZelmora"');
  assert.notEqual(notBoard, readFileSync(saved, "utf8"));
  const notice = page.locator("#notice");
  const drop = async (text) => {
    if (await notice.isVisible()) await notice.locator("button").click();
    await page.evaluate((text) => {
      const data = new DataTransfer();
      data.items.add(new File([text], "board2.zelmora"));
      window.dispatchEvent(new DragEvent("drop", { dataTransfer: data, cancelable: true }));
    }, text);
    await notice.waitFor();
    return notice.locator("p").textContent();
  };

  // Board 2 is closed: it does not stay open for a file it refuses.
  assert.equal(await drop(damaged), refusalMessages.Damaged);
  await settled(page);
  assert.equal(await script(page, "print windows"), "windows=frmZelmora\n");
  assert.equal(await page.locator("section.window[data-window=frmZelmora2]").count(), 0);

  // A file that names no board is refused as such, not handed to the board in front.
  await script(page, OUT.join("\n"));
  const tiles = await script(page, `print ${B1} tiles`);
  assert.equal(await drop(notBoard), refusalMessages.NotBoardFile);
  assert.equal(await script(page, "print windows"), `windows=${B1} frmZelmora\n`);
  assert.equal(await script(page, `print ${B1} tiles`), tiles);
  assert.deepEqual(page.errors, []);
  await context.close();
});

test("the band shows a task's goal and feedback with the algebra, as print W band does", async () => {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await openSite(context, site.url);
  const B3 = "frmZelmora4";
  const task = [`open ${B3}`, `goal ${B3} simplify 2x+1`];
  await script(page, task[0]);
  await page.keyboard.press("F2");
  await script(page, task[1]);
  await settled(page);
  const shown = (await page.locator(`section.window[data-window=${B3}] .band`).textContent())
    .replaceAll("\u2212", "-").replace(/^\u200f/, "");
  const expected = reference([...task, `print ${B3} band`]).trim().split("\n")
    .map((line) => line.match(/\.band="(.*)"$/)[1]).join("\n");
  assert.match(expected, /الهدف/);
  assert.equal(shown, expected);
  assert.deepEqual(page.errors, []);
  await context.close();
});
