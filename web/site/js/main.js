// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the browser edition: the core, the fonts and pictures, the windows and their input, the
// guide, the sound and the offline copy.
import { createAnnouncer } from "./announcer.js";
import { attachBoardTools } from "./board_tools.js";
import { loadCore } from "./core.js";
import { Desktop } from "./desktop.js";
import { loadAllFaces, loadFacesFor } from "./fonts.js";
import { createGuideViewer } from "./guide_viewer.js";
import { attachKeyboardInput } from "./keyboard_input.js";
import { loadPictures, picturesOf } from "./pictures.js";
import { attachPointerInput } from "./pointer_input.js";
import { bell, enableSoundOnGesture } from "./sound.js";
import { installHook } from "./test_hook.js";

const app = { ready: false, desktop: null };
installHook(app);

const ended = document.getElementById("ended");
const failure = document.getElementById("failure");
const guide = createGuideViewer(document.getElementById("guide"));
const announce = createAnnouncer(document.getElementById("announcer"));
const notice = document.getElementById("notice");
let noticeTimer = 0;

// A message for the teacher in the page, such as why a file was not opened; it goes by itself.
function notify(message) {
  notice.querySelector("p").textContent = message;
  notice.hidden = false;
  clearTimeout(noticeTimer);
  noticeTimer = setTimeout(() => { notice.hidden = true; }, 12_000);
}
notice.querySelector("button").addEventListener("click", () => { notice.hidden = true; });

function focusFront() {
  app.desktop.front()?.focusBoard();
}

function onEvents(events) {
  for (const event of events) {
    switch (event.type) {
      case "beep": bell(); break;
      case "guide": guide.open(); break;
      case "shown":
      case "raised": app.desktop.whenPainted(focusFront); break;
      case "announce": announce(event.detail); break;
      case "error":
        failure.textContent = event.detail;
        failure.hidden = false;
        break;
      case "ended":
        // As on the desktop every window closes; the page then offers to start again.
        guide.close();
        ended.hidden = false;
        document.getElementById("restart").focus();
        break;
      default: break;
    }
  }
}

function start() {
  ended.hidden = true;
  failure.hidden = true;
  app.desktop.core.start();
  app.desktop.render();
  app.desktop.whenPainted(focusFront);
}

// The menu is painted as soon as the core runs and the faces and pictures it shows have arrived,
// in those faces; everything the boards need follows, and what was painted before it arrived is
// painted again.
async function boot() {
  performance.mark("zelmora-script-start");
  const core = await loadCore();
  performance.mark("zelmora-core-loaded");
  core.start();
  performance.mark("zelmora-core-started");
  const shown = core.state().windows.map((name) => core.window(name));
  await Promise.all([loadFacesFor(shown), loadPictures(picturesOf(shown))]);
  performance.mark("zelmora-faces-ready");
  const toolsHolder = { windowChanged: () => {} };
  app.desktop = new Desktop(document.getElementById("desktop"), core,
    { onEvents, onWindowChanged: (frame) => toolsHolder.windowChanged(frame) });
  toolsHolder.windowChanged = attachBoardTools(app.desktop,
    { notify, announce, printHolder: document.getElementById("print-picture") });
  attachPointerInput(app.desktop);
  attachKeyboardInput(app.desktop);
  enableSoundOnGesture();
  document.getElementById("restart").addEventListener("click", start);
  app.desktop.render();
  app.desktop.whenPainted(focusFront);
  performance.mark("zelmora-first-paint");
  app.ready = true;
  document.documentElement.dataset.ready = "true";
  // The offline copy is fetched once the menu is up, not in competition with it.
  if ("serviceWorker" in navigator && location.protocol !== "file:")
    navigator.serviceWorker.register("sw.js").catch(() => {});
  await Promise.all([loadAllFaces(), loadPictures()]);
  app.desktop.repaintAll();
}

boot().catch((error) => {
  failure.textContent = `تعذر تشغيل البرنامج: ${error?.message ?? error}`;
  failure.hidden = false;
});
