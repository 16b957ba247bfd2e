// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition with real input in Debian's Chromium: every board opens from the menu, tiles
// dragged with a mouse and with a finger land where the same drag lands in zelmora-script, a
// double click, a zero pair's beep, the guide, the end of the program, and the site offline.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, describe, test } from "node:test";
import { fileURLToPath } from "node:url";
import { chromium } from "playwright-core";
import { CHROMIUM_ARGS, controlPoint, launchBrowser, mouseDrag, openSite, pointOf, script } from "./browser.mjs";
import { serveSite } from "./static_server.mjs";

const build = fileURLToPath(new URL("../../build-web/", import.meta.url));
const driver = `${build}tools/zelmora-script.js`;

// What the Node build of zelmora-script prints for the same script: the reference.
function reference(lines) {
  return execFileSync("node", [driver, "-"], { input: lines.join("\n") + "\n", encoding: "utf8" });
}

// Touch through the browser's own input pipeline, so that it arrives as touch Pointer Events.
async function touchDrag(page, win, tile, grab, to) {
  const from = await controlPoint(page, win, tile, grab);
  const target = await pointOf(page, win, to[0], to[1]);
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, p) => cdp.send("Input.dispatchTouchEvent",
    { type, touchPoints: type === "touchEnd" ? [] : [{ x: p.x, y: p.y, id: 1 }] });
  await touch("touchStart", from);
  for (let i = 1; i <= 8; i++)
    await touch("touchMove", { x: from.x + (target.x - from.x) * i / 8, y: from.y + (target.y - from.y) * i / 8 });
  await touch("touchEnd", target);
  await cdp.detach();
}

async function clickControl(page, win, control) {
  const [line] = (await script(page, `print ${win} ${control}`)).split("\n");
  const n = (k) => Number(line.match(new RegExp(`${k}=(-?[\\d.]+)`))[1]);
  const p = await pointOf(page, win, n("Left") + n("Width") / 2, n("Top") + n("Height") / 2);
  await page.mouse.click(p.x, p.y);
}

let browser;
let site;
before(async () => {
  site = await serveSite(`${build}site`);
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  await site?.close();
});

describe("the menu", () => {
  test("opens every board, the guide, and ends the program", async () => {
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
    const page = await openSite(context, site.url);
    assert.equal(await script(page, "print windows"), "windows=frmZelmora\n");
    const boards = { Command1: "frmZelmora1", Command2: "frmZelmora2", Command3: "frmZelmora4", Command5: "frmZelmora5" };
    for (const [button, board] of Object.entries(boards)) {
      await clickControl(page, "frmZelmora", button);
      assert.match(await script(page, "print windows"), new RegExp(`^windows=${board} `));
      assert.ok(await page.locator(`section.window[data-window=${board}] canvas`).isVisible());
      await page.locator(`section.window[data-window=${board}] button.close`).click();
      assert.equal(await script(page, "print windows"), "windows=frmZelmora\n");
    }
    await clickControl(page, "frmZelmora", "Command6"); // تطبيقات
    await page.locator("#guide iframe").waitFor();
    assert.ok(await page.locator("#guide").isVisible());
    assert.ok((await page.frameLocator("#guide iframe").locator("body").innerText()).length > 200);
    assert.equal(await script(page, "print guide"), "guide=1\n");
    await page.keyboard.press("Escape");
    await clickControl(page, "frmZelmora", "Command4"); // خروج
    assert.equal(await script(page, "print running"), "running=no\n");
    assert.ok(await page.locator("#ended").isVisible());
    assert.equal(await page.locator("section.window").count(), 0);
    await page.locator("#restart").click();
    assert.equal(await script(page, "print windows\nprint running"), "windows=frmZelmora\nrunning=yes\n");
    assert.deepEqual(page.errors, []);
    await context.close();
  });
});

describe("dragging tiles", () => {
  const drags = [
    ["frmZelmora1", "Command7", "Command1(111)", [250, 100], [3000, 4000]],
    ["frmZelmora2", "Command7", "Command1(111)", [200, 150], [4100, 3300]],
  ];
  for (const viewport of [{ width: 1280, height: 800 }, { width: 820, height: 1180 }]) {
    for (const input of ["mouse", "touch"]) {
      test(`${input} at ${viewport.width}x${viewport.height} lands as in zelmora-script`, async () => {
        const context = await browser.newContext({ viewport, hasTouch: input === "touch" });
        const page = await openSite(context, site.url);
        for (const [win, palette, tile, grab, to] of drags) {
          await script(page, `open ${win}\nclick ${win} ${palette}`);
          await (input === "mouse" ? mouseDrag : touchDrag)(page, win, tile, grab, to);
          const expected = reference(["start", `open ${win}`, `click ${win} ${palette}`,
            `drag ${win} ${tile} ${grab.join(" ")} ${to.join(" ")}`, `print ${win} ${tile}`, `print ${win} focus`]);
          assert.equal(await script(page, `print ${win} ${tile}\nprint ${win} focus`), expected);
          assert.doesNotMatch(expected, /Left=10\d\d\d /, "the reference drag must move the tile off the palette");
        }
        await context.close();
      });
    }
  }

  // The classroom bar above a board takes room from the client area: hidden and shown again with
  // its key, the canvas follows it and the board is painted again at its new size, never stretched:
  // the canvas is the largest rectangle of the board's proportions that fits, centred.
  test("the canvas follows its client area when the bar above it goes and comes back", async () => {
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 }, deviceScaleFactor: 2 });
    const page = await openSite(context, site.url);
    await script(page, "open frmZelmora1");
    const sizes = () => page.evaluate(() => {
      const client = document.querySelector("section.window[data-window=frmZelmora1] .client");
      const canvas = client.querySelector("canvas");
      const [outer, inner] = [client, canvas].map((e) => e.getBoundingClientRect());
      return { client: [client.clientWidth * 2, client.clientHeight * 2], canvas: [canvas.width, canvas.height],
        margins: [inner.left - outer.left, outer.right - inner.right, inner.top - outer.top, outer.bottom - inner.bottom] };
    });
    const { twipsWidth, twipsHeight } = await page.evaluate(() => window.zelmora.clientRect("frmZelmora1"));
    const fits = ({ client, canvas, margins }) => {
      assert.ok(canvas[0] <= client[0] && canvas[1] <= client[1]);
      assert.ok(canvas[0] >= client[0] - 1 || canvas[1] >= client[1] - 1, "as large as fits");
      assert.ok(Math.abs(canvas[0] / canvas[1] - twipsWidth / twipsHeight) < 0.01, "the board's proportions");
      assert.ok(Math.abs(margins[0] - margins[1]) <= 1 && Math.abs(margins[2] - margins[3]) <= 1, "centred");
    };
    const settled = () => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
    const before = await sizes();
    fits(before);
    const bar = await page.locator("section.window[data-window=frmZelmora1] .toolbar").evaluate((b) => b.offsetHeight);
    assert.ok(bar > 30);
    await page.keyboard.press("F10");
    await settled();
    const without = await sizes();
    assert.equal(without.client[1], before.client[1] + 2 * bar);
    fits(without);
    assert.notDeepEqual(without.canvas, before.canvas);
    await page.keyboard.press("F10");
    await settled();
    assert.deepEqual(await sizes(), before);
    await context.close();
  });

  test("a release outside the window ends the drag and leaves the tile", async () => {
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
    const page = await openSite(context, site.url);
    await script(page, "open frmZelmora1\nclick frmZelmora1 Command7");
    const before = await script(page, "print frmZelmora1 Command1(111)");
    const [line] = before.split("\n");
    const from = await pointOf(page, "frmZelmora1", Number(line.match(/Left=([\d.]+)/)[1]) + 100,
                               Number(line.match(/Top=([\d.]+)/)[1]) + 100);
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await page.mouse.move(2, 2, { steps: 5 });
    await page.mouse.up();
    assert.equal(await script(page, "print frmZelmora1 Command1(111)"), before);
    await context.close();
  });
});

describe("clicks and sounds", () => {
  test("a quick double click on a palette button reveals two tiles", async () => {
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
    const page = await openSite(context, site.url);
    await script(page, "open frmZelmora1");
    const [line] = (await script(page, "print frmZelmora1 Command7")).split("\n");
    const n = (k) => Number(line.match(new RegExp(`${k}=([\\d.]+)`))[1]);
    const p = await pointOf(page, "frmZelmora1", n("Left") + n("Width") / 2, n("Top") + n("Height") / 2);
    await page.mouse.dblclick(p.x, p.y);
    const expected = reference(["start", "open frmZelmora1", "click frmZelmora1 Command7",
      "click frmZelmora1 Command7", "print frmZelmora1 tiles"]);
    assert.equal(await script(page, "print frmZelmora1 tiles"), expected);
    const oneClick = reference(["start", "open frmZelmora1", "click frmZelmora1 Command7", "print frmZelmora1 tiles"]);
    assert.equal(expected.trim().split("\n").length, oneClick.trim().split("\n").length + 1);
    await context.close();
  });

  test("a zero pair on Board 3 beeps once and both tiles go", async () => {
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
    const page = await openSite(context, site.url);
    const setup = ["open frmZelmora4", "click frmZelmora4 Command3", "click frmZelmora4 Command3",
      "drag frmZelmora4 Command1(21) 100 100 2100 3400", "drag frmZelmora4 Command1(22) 100 100 5100 4300"];
    await script(page, setup.join("\n"));
    await mouseDrag(page, "frmZelmora4", "Command1(21)", [100, 100], [5100, 4195]);
    const query = ["print beeps", "print frmZelmora4 tiles"];
    assert.equal(await script(page, query.join("\n")),
      reference(["start", ...setup, "drag frmZelmora4 Command1(21) 100 100 5100 4195", ...query]));
    assert.equal(await script(page, "print beeps"), "beeps=1\n");
    await context.close();
  });

  test("Tab moves the focus and a held Space clicks once", async () => {
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
    const page = await openSite(context, site.url);
    await script(page, "open frmZelmora1");
    await page.locator("section.window[data-window=frmZelmora1] canvas").focus();
    await page.keyboard.press("Tab");
    await page.keyboard.press("Shift+Tab");
    await page.keyboard.press("Tab");
    const expected = reference(["start", "open frmZelmora1", "key frmZelmora1 tab", "key frmZelmora1 shift+tab",
      "key frmZelmora1 tab", "print frmZelmora1 focus"]);
    assert.equal(await script(page, "print frmZelmora1 focus"), expected);
    await page.keyboard.down(" ");
    await page.keyboard.down(" "); // an auto-repeat
    await page.keyboard.up(" ");
    const once = reference(["start", "open frmZelmora1", "key frmZelmora1 tab", "key frmZelmora1 shift+tab",
      "key frmZelmora1 tab", "key frmZelmora1 space", "print frmZelmora1 tiles"]);
    assert.equal(await script(page, "print frmZelmora1 tiles"), once);
    await context.close();
  });
});

describe("held keys", () => {
  // A held Tab walks on along the tab order, as on the desktop: the browser's repeats of it act.
  test("a held Tab walks on", async () => {
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
    const page = await openSite(context, site.url);
    await script(page, "open frmZelmora1");
    await page.locator("section.window[data-window=frmZelmora1] canvas").focus();
    for (let i = 0; i < 3; i++) await page.keyboard.down("Tab"); // a press and two auto-repeats
    await page.keyboard.up("Tab");
    const tabs = (n) => reference(["start", "open frmZelmora1", ...Array(n).fill("key frmZelmora1 tab"),
      "print frmZelmora1 focus"]);
    assert.notEqual(tabs(3), tabs(1));
    assert.equal(await script(page, "print frmZelmora1 focus"), tabs(3));
    assert.deepEqual(page.errors, []);
    await context.close();
  });
});

describe("offline", () => {
  test("the site loads with the network cut after a first visit", async () => {
    const context = await browser.newContext();
    const page = await openSite(context, site.url);
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller)
        await new Promise((r) => navigator.serviceWorker.addEventListener("controllerchange", r, { once: true }));
    });
    await context.setOffline(true);
    await page.reload();
    await page.waitForFunction(() => window.zelmora?.ready === true);
    assert.equal(await script(page, "open frmZelmora5\nprint windows"), "windows=frmZelmora5 frmZelmora\n");
    assert.deepEqual(page.errors, []);
    await context.close();
  });
});

describe("start-up and installing", () => {
  // The menu's first paint waits for its own faces: with every face slow to arrive, what it first
  // shows is what it shows once every face is in, not a fallback face repainted later.
  test("the menu's first paint is set in its own faces", async () => {
    const context = await browser.newContext({ viewport: { width: 1000, height: 700 } });
    await context.route(/\.woff2$/, async (route) => {
      await new Promise((r) => setTimeout(r, 400));
      await route.continue();
    });
    const page = await context.newPage();
    await page.addInitScript(() => {
      // The canvas as it stood at the first paint.
      performance.mark = new Proxy(performance.mark, { apply(mark, self, args) {
        if (args[0] === "zelmora-first-paint") window.firstPaint = document.querySelector("canvas").toDataURL();
        return Reflect.apply(mark, self, args);
      } });
    });
    await page.goto(site.url);
    await page.waitForFunction(() => window.zelmora?.ready === true);
    await page.evaluate(() => document.fonts.ready);
    await page.setViewportSize({ width: 1001, height: 700 }); // lays out and paints again ...
    await page.setViewportSize({ width: 1000, height: 700 }); // ... at the first size
    await page.waitForTimeout(100);
    const [first, settled] = await page.evaluate(() => [window.firstPaint, document.querySelector("canvas").toDataURL()]);
    assert.ok(first?.length > 1000);
    assert.ok(first === settled, "the menu changed once every face had arrived");
    await context.close();
  });

  // The menu is painted from the first screen in the page while the core is still on its way; a
  // press or a board file given then is held for the core, which acts on it once it runs.
  test("a click and a board file before the core runs reach it; a page without its first screen still starts", async () => {
    const context = await browser.newContext({ viewport: { width: 1000, height: 700 } });
    let releaseCore;
    const coreHeld = new Promise((resolve) => { releaseCore = resolve; });
    await context.route(/zelmora\.wasm$/, async (route) => { await coreHeld; await route.continue(); });
    const page = await context.newPage();
    const errors = [];
    page.on("pageerror", (e) => errors.push(e));
    await page.goto(site.url);
    await page.waitForFunction(() => performance.getEntriesByName("zelmora-first-paint").length === 1);
    assert.equal(await page.evaluate(() => window.zelmora.ready), false);
    const button = await page.evaluate(() => JSON.parse(JSON.parse(document.getElementById("first-screen").textContent)
      .windows.frmZelmora).controls.find((c) => c.name === "Command1"));
    const p = await pointOf(page, "frmZelmora", button.left + button.width / 2, button.top + button.height / 2);
    await page.mouse.click(p.x, p.y);
    // A board file dropped on the page then waits for the core too, and opens its board.
    const folder = mkdtempSync(join(tmpdir(), "zelmora-early-"));
    const board = ["open frmZelmora2", "click frmZelmora2 Command3"];
    reference(["start", ...board, `save frmZelmora2 ${folder}/board2.zelmora`]);
    await page.evaluate((text) => {
      const data = new DataTransfer();
      data.items.add(new File([text], "board2.zelmora"));
      window.dispatchEvent(new DragEvent("drop", { dataTransfer: data, cancelable: true }));
    }, readFileSync(`${folder}/board2.zelmora`, "utf8"));
    rmSync(folder, { recursive: true, force: true });
    releaseCore();
    await page.waitForFunction(() => window.zelmora.ready === true);
    await page.waitForFunction(() => window.zelmora.clientRect("frmZelmora2") !== null);
    assert.match(await script(page, "print windows"), /^windows=frmZelmora2 frmZelmora1 frmZelmora\n$/);
    assert.equal(await script(page, "print frmZelmora2 tiles"), reference(["start", ...board, "print frmZelmora2 tiles"]));
    assert.deepEqual(errors, []);

    await context.close();

    const plain = await browser.newContext({ viewport: { width: 1000, height: 700 }, serviceWorkers: "block" });
    await plain.route(site.url, async (route) => {
      const response = await route.fetch();
      const page = (await response.text()).replace(/(<script type="application\/json" id="first-screen">)[^<]*/, "$1");
      await route.fulfill({ response, body: page });
    });
    const bare = await openSite(plain, site.url);
    assert.equal(await bare.evaluate(() => document.getElementById("first-screen").textContent), "");
    assert.equal(await script(bare, "print windows"), "windows=frmZelmora\n");
    await clickControl(bare, "frmZelmora", "Command2");
    assert.match(await script(bare, "print windows"), /^windows=frmZelmora2 /);
    assert.deepEqual(bare.errors, []);
    await plain.close();
  });

  test("Chromium offers to install the site, with icons of every size it asks for", async () => {
    const profile = mkdtempSync(join(tmpdir(), "zelmora-install-"));
    const context = await chromium.launchPersistentContext(profile,
      { executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium", args: CHROMIUM_ARGS });
    try {
      const manifest = JSON.parse(readFileSync(`${build}site/manifest.webmanifest`, "utf8"));
      const page = await context.newPage();
      const cdp = await context.newCDPSession(page);
      const installabilityErrors = async () => {
        await page.waitForFunction(() => window.zelmora?.ready === true);
        return (await cdp.send("Page.getInstallabilityErrors")).installabilityErrors;
      };
      // First with the icons a browser tab needs and no more: the check refuses it, so it is not vacuous.
      await page.route("**/manifest.webmanifest", (route) => route.fulfill({ contentType: "application/manifest+json",
        body: JSON.stringify({ ...manifest, icons: manifest.icons.filter((icon) => parseInt(icon.sizes) < 144) }) }));
      await page.goto(site.url);
      assert.notDeepEqual(await installabilityErrors(), []);
      await page.unrouteAll();
      await page.reload();
      assert.deepEqual(await installabilityErrors(), []);
      for (const icon of manifest.icons) {
        const size = await page.evaluate(async (src) => {
          const image = new Image();
          image.src = src;
          await image.decode();
          return `${image.naturalWidth}x${image.naturalHeight}`;
        }, icon.src);
        assert.equal(size, icon.sizes, icon.src);
      }
      assert.ok(manifest.icons.some((icon) => icon.purpose === "maskable" && icon.sizes === "512x512"));
    } finally {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    }
  });
});
