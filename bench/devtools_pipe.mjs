// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium driven over its DevTools protocol on a pipe, with nothing of a test framework
// in the page: Playwright puts its own world and script on every page it drives, on the page's
// main thread, which a timing of the page's start-up must not count. This is the transport
// Playwright itself uses: JSON messages, each ended by a NUL byte, on the child's fds 3 and 4.
import { spawn } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { CHROMIUM_ARGS } from "../web/tests/browser.mjs";

// extraArgs: more switches for this Chromium, after the tests' own.
export function launchPlainChromium(extraArgs = []) {
  const profile = mkdtempSync(join(tmpdir(), "zelmora-bench-"));
  const child = spawn(process.env.CHROMIUM ?? "/usr/bin/chromium",
    ["--headless", "--remote-debugging-pipe", `--user-data-dir=${profile}`, ...CHROMIUM_ARGS, ...extraArgs, "about:blank"],
    { stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"] });
  const [toBrowser, fromBrowser] = [child.stdio[3], child.stdio[4]];
  const pending = new Map();
  const waiters = new Set();
  let lastId = 0;
  let unread = "";
  fromBrowser.on("data", (chunk) => {
    unread += chunk.toString("utf8");
    for (let end = unread.indexOf("\0"); end >= 0; end = unread.indexOf("\0")) {
      const message = JSON.parse(unread.slice(0, end));
      unread = unread.slice(end + 1);
      const call = pending.get(message.id);
      if (call) {
        pending.delete(message.id);
        if (message.error) call.reject(new Error(`${call.method}: ${message.error.message}`));
        else call.resolve(message.result);
      } else {
        for (const waiter of waiters) waiter(message);
      }
    }
  });
  const send = (method, params = {}, sessionId = undefined) => new Promise((resolve, reject) => {
    const id = ++lastId;
    pending.set(id, { method, resolve, reject });
    toBrowser.write(`${JSON.stringify({ id, method, params, sessionId })}\0`);
  });
  // The next event for which `wanted` is true.
  const next = (wanted) => new Promise((resolve) => {
    const waiter = (message) => {
      if (!wanted(message)) return;
      waiters.delete(waiter);
      resolve(message);
    };
    waiters.add(waiter);
  });

  // A tab in a browser context, navigated to url and loaded; evaluate() runs an expression in it
  // and resolves to its value once any promise it gives resolves.
  async function openTab(browserContextId, url) {
    const { targetId } = await send("Target.createTarget", { url: "about:blank", browserContextId });
    const { sessionId } = await send("Target.attachToTarget", { targetId, flatten: true });
    await send("Page.enable", {}, sessionId);
    const loaded = next((m) => m.sessionId === sessionId && m.method === "Page.loadEventFired");
    await send("Page.navigate", { url }, sessionId);
    await loaded;
    return {
      evaluate: async (expression) => (await send("Runtime.evaluate",
        { expression, awaitPromise: true, returnByValue: true }, sessionId)).result.value,
      close: () => send("Target.closeTarget", { targetId }),
    };
  }

  return {
    pid: child.pid,
    send,
    next,
    onEvent: (listener) => waiters.add(listener),
    newContext: async () => (await send("Target.createBrowserContext")).browserContextId,
    closeContext: (browserContextId) => send("Target.disposeBrowserContext", { browserContextId }),
    openTab,
    close: async () => {
      const exited = new Promise((resolve) => child.once("exit", resolve));
      await send("Browser.close").catch(() => child.kill());
      await exited;
      rmSync(profile, { recursive: true, force: true, maxRetries: 5, retryDelay: 200 });
    },
  };
}
