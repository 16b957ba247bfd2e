// SPDX-License-Identifier: GPL-3.0-or-later
// The share panel with real input: a board with a goal shared from its bar, the panel in the core's
// words keeping the keyboard inside, its link copied and opened in another page of the browser,
// where the same board comes up with the goal in its band.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
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
