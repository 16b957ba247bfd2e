// SPDX-License-Identifier: GPL-3.0-or-later
// The share panel with real input: a board with a goal shared from its bar, the panel in the core's
// words keeping the keyboard inside, its link copied and opened in another page of the browser,
// where the same board comes up with the goal in its band. The link's QR code over the page reads
// back, with a real QR reader, as the link, on a wide page and on a phone's.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { test } from "node:test";
import { fileURLToPath } from "node:url";
import { openSite, script, settled, siteAndBrowser } from "./browser.mjs";

const build = fileURLToPath(new URL("../../build-web/", import.meta.url));
// The panel's words as the core writes them, by name.
const texts = Object.fromEntries([...readFileSync(
  fileURLToPath(new URL("../../program/links/share_link.hpp", import.meta.url)), "utf8")
  .matchAll(/std::string_view (\w+) = "([^"]*)";/g)].map(([, name, text]) => [name, text]));

const B1 = "frmZelmora1";
const GOAL = "الهدف: اضرب (س + 3)(س + 2)";
const win = (page) => page.locator(`section.window[data-window=${B1}]`);
const activeIn = (page, selector) => page.evaluate((s) => Boolean(document.activeElement?.closest(s)), selector);

const running = siteAndBrowser(`${build}site`);

test("a board shared from its bar opens, from the copied link, with its goal in another page", async () => {
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 800 } });
  await context.grantPermissions(["clipboard-read", "clipboard-write"], { origin: running.site.url });
  const page = await openSite(context, running.site.url);
  await script(page, `open ${B1}\ngoal ${B1} multiply (x+3)(x+2)`);
  await settled(page);
  await win(page).locator("canvas").click({ position: { x: 5, y: 5 } });
  await win(page).locator(".toolbar button[data-command=share]").click();

  const dialog = page.getByRole("dialog", { name: texts.title });
  await dialog.waitFor();
  assert.equal(await dialog.getAttribute("dir"), "rtl");
  assert.equal(await dialog.locator(".explanation").textContent(), texts.explanation);
  const field = dialog.locator("input.link");
  assert.ok(await activeIn(page, "dialog"), "the panel takes the keyboard");
  assert.equal(await field.getAttribute("dir"), "ltr");
  assert.equal(await field.evaluate((input) => input.readOnly), true);
  const link = await field.inputValue();
  assert.ok(link.startsWith(`${running.site.url.replace(/\/?$/, "/")}#zelmora=`), link);

  // Tab goes round the link and the two buttons and never leaves the panel.
  for (let i = 0; i < 4; i++) {
    await page.keyboard.press("Tab");
    assert.ok(await activeIn(page, "dialog"), `Tab ${i + 1} stays in the panel`);
  }
  const copy = dialog.getByRole("button", { name: texts.copy });
  await copy.click();
  await dialog.getByRole("button", { name: texts.copied }).waitFor();
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), link);
  assert.ok(await dialog.getByRole("button", { name: texts.close }).isVisible());
  await page.keyboard.press("Escape");
  await dialog.waitFor({ state: "detached" });
  assert.ok(await activeIn(page, `.client[data-window=${B1}]`), "the board has the keyboard back");

  const other = await openSite(context, link);
  assert.equal((await script(other, "print windows")).trim(), `windows=${B1} frmZelmora`);
  await settled(other);
  assert.match(await win(other).locator(".band").textContent(), new RegExp(GOAL.replace(/[()+]/g, "\\$&")));
  assert.equal(await script(other, `print ${B1} goal`), await script(page, `print ${B1} goal`));
  assert.deepEqual(page.errors, []);
  assert.deepEqual(other.errors, []);
  await context.close();
});

// What a real QR reader finds on the page as it shows; "" when it finds nothing.
async function readByZbar(page) {
  const folder = mkdtempSync(join(tmpdir(), "zelmora-qr-"));
  try {
    const path = join(folder, "page.png");
    await page.screenshot({ path });
    return execFileSync("zbarimg", ["--raw", "-q", path], { encoding: "utf8" }).trim();
  } catch {
    return "";
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// Near the longest question the band takes (500 bytes): a link of some four hundred characters.
const LONG_PROMPT = "كم مساحة المستطيل الذي تصنعه البلاطات؟ ".repeat(6).trim();

// Board 1 with a goal and a question shared from its bar on a wide page, and its QR code opened
// from the panel; the requests the page makes from then on are listed.
async function openQrView(prompt) {
  const context = await running.browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await openSite(context, running.site.url);
  assert.equal(await script(page, `open ${B1}\ngoal ${B1} multiply (x+3)(x+2)\nprompt ${B1} ${prompt}`), "");
  await settled(page);
  await win(page).locator(".toolbar button[data-command=share]").click();
  const panel = page.getByRole("dialog", { name: texts.title });
  const link = await panel.locator("input.link").inputValue();
  const requests = [];
  page.on("request", (request) => requests.push(request.url()));
  const qr = panel.getByRole("button", { name: texts.qrCode });
  await qr.click();
  const view = page.getByRole("dialog", { name: texts.qrTitle });
  await view.waitFor();
  return { context, page, panel, link, requests, qr, view };
}

// The code fills most of the page, and a QR reader reads the page as the link.
async function assertReadable(page, view, link) {
  const { width, height } = page.viewportSize();
  const box = await view.locator("canvas").boundingBox();
  assert.ok(box.width >= 0.7 * Math.min(width, height), `a code of ${box.width} pixels on ${width}x${height}`);
  assert.equal(await readByZbar(page), link);
}

test("a link's QR code fills the page, reads back as the link, and Escape or Close leave it", async () => {
  const { context, page, panel, link, requests, qr, view } = await openQrView(LONG_PROMPT);
  assert.ok(link.length > 350, `${link.length} characters`);
  await assertReadable(page, view, link);
  const written = view.locator(".link");
  assert.equal(await written.textContent(), link);
  assert.equal(await written.getAttribute("dir"), "ltr");
  assert.deepEqual(requests, [], "the code is made in the page");

  // Escape and the close button each bring the panel back, its QR button with the keyboard.
  await page.keyboard.press("Escape");
  await view.waitFor({ state: "detached" });
  assert.ok(await panel.isVisible());
  assert.equal(await page.evaluate(() => document.activeElement?.className), "qr");
  await qr.click();
  await view.getByRole("button", { name: texts.close }).click();
  await view.waitFor({ state: "detached" });
  assert.ok(await panel.isVisible());
  assert.deepEqual(page.errors, []);
  await context.close();
});

test("on a page as narrow as a phone's the code is drawn again to fit, and still reads", async () => {
  const { context, page, link, view } = await openQrView("كم المساحة؟");
  await page.setViewportSize({ width: 390, height: 844 });
  await assertReadable(page, view, link);
  await view.getByRole("button", { name: texts.close }).click();
  await view.waitFor({ state: "detached" });
  assert.deepEqual(page.errors, []);
  await context.close();
});
