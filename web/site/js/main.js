// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the browser edition: the core, the fonts and pictures, the windows and their input, the
// guide, the sound and the offline copy.
import { afterNextPaint } from "./after_paint.js";
import { createAnnouncer } from "./announcer.js";
import { BoardKeeper, restoreKeptBoards } from "./board_keeper.js";
import { attachBoardTools } from "./board_tools.js";
import { Desktop } from "./desktop.js";
import { FirstScreen } from "./first_screen.js";
import { loadAllFaces, loadFacesFor } from "./fonts.js";
import { createGuideViewer } from "./guide_viewer.js";
import { attachKeyboardInput } from "./keyboard_input.js";
import { Lessons } from "./lessons.js";
import { loadPictures, picturesOf } from "./pictures.js";
import { attachPointerInput } from "./pointer_input.js";
import { bell, chime, enableSoundOnGesture } from "./sound.js";
import { installHook } from "./test_hook.js";

// `running` settles once the core runs the page's windows (until then the first screen stands in).
let programRuns = () => {};
const app = { ready: false, desktop: null, running: new Promise((resolve) => { programRuns = resolve; }) };
installHook(app);

const ended = document.getElementById("ended");
const failure = document.getElementById("failure");
let lessons = null; // made with the windows; the guide links to them once it is read
const guide = createGuideViewer(document.getElementById("guide"),
  { onRead: (doc) => lessons?.linkGuide(doc, () => guide.close()) });
const announce = createAnnouncer(document.getElementById("announcer"));
const notice = document.getElementById("notice");
let noticeTimer = 0;
let keeper = null; // keeps the open boards once the kept ones are back

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
      case "goal": chime(); lessons.goalReached(event.detail); break;
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
  keeper?.changed();
}

// A shared link the page was opened with: the core opens the board its fragment holds, with its
// task. The fragment then leaves the address, so that a reload does not open it again over what
// the learner did since.
function openLinkInAddress() {
  const fragment = location.hash;
  if (fragment.length <= 1) return;
  history.replaceState(history.state, "", location.pathname + location.search);
  let result = null;
  app.desktop.deliver((core) => { result = core.openShareLink(fragment); });
  if (result && !result.loaded) notify(result.message);
}

function start() {
  ended.hidden = true;
  failure.hidden = true;
  app.desktop.core.start();
  app.desktop.render();
  app.desktop.whenPainted(focusFront);
}

// The core's loader and module, fetched and compiled from the moment the page's script runs: the
// browser compiles the module on its own threads as its bytes arrive, beside the first paint.
// Its loader is a module of its own, which the first screen does not need.
let coreLoading = null;
function loadingCore() {
  coreLoading ??= import("./core.js").then(({ loadCore }) => loadCore());
  return coreLoading;
}

// The core compiled and started as at launch; starting it runs the program on the page's thread.
async function startedCore() {
  const core = await loadingCore();
  performance.mark("zelmora-core-loaded");
  core.start();
  performance.mark("zelmora-core-started");
  return core;
}

// The boards open when the page was last left come back, with their lessons; from then on the
// open boards are kept after every change.
function restoreKeptWork() {
  if (restoreKeptBoards(app.desktop)) app.desktop.whenPainted(focusFront);
  keeper = new BoardKeeper(app.desktop);
  keeper.changed(); // what was kept and refused goes
}

// The menu is painted first, from the first screen the build wrote into the page, in the faces
// and pictures it shows. The core, compiled meanwhile, is started once that frame is on the
// screen, and takes over with whatever input came meanwhile. Everything the boards need follows, and what was
// painted before its faces arrived is painted again.
async function boot() {
  performance.mark("zelmora-script-start");
  loadingCore().catch(() => {}); // a failure is reported where the core is awaited
  const firstScreen = FirstScreen.fromPage(document);
  const standIn = firstScreen ?? await startedCore();
  const firstWindows = standIn.state().windows;
  const shown = firstWindows.map((name) => standIn.window(name));
  await Promise.all([loadFacesFor(shown), loadPictures(picturesOf(shown))]);
  performance.mark("zelmora-faces-ready");
  const toolsHolder = { windowChanged: () => {} };
  app.desktop = new Desktop(document.getElementById("desktop"), standIn, {
    onEvents,
    onWindowChanged: (frame) => { toolsHolder.windowChanged(frame); keeper?.changed(); },
  });
  lessons = new Lessons(app.desktop, { notify, announce });
  toolsHolder.windowChanged = attachBoardTools(app.desktop,
    { notify, announce, printHolder: document.getElementById("print-picture"), lessons });
  attachPointerInput(app.desktop);
  attachKeyboardInput(app.desktop);
  enableSoundOnGesture();
  document.getElementById("restart").addEventListener("click", start);
  app.desktop.render();
  app.desktop.whenPainted(focusFront);
  performance.mark("zelmora-first-paint");
  if (firstScreen) {
    await new Promise((painted) => afterNextPaint(painted));
    app.desktop.useCore(await startedCore());
  }
  // Kept boards first, so that a link opens on top of them.
  restoreKeptWork();
  openLinkInAddress();
  performance.mark("zelmora-program-running");
  app.ready = true;
  programRuns();
  document.documentElement.dataset.ready = "true";
  // The offline copy is fetched once the program runs, not in competition with it.
  if ("serviceWorker" in navigator && location.protocol !== "file:")
    navigator.serviceWorker.register("sw.js").catch(() => {});
  await Promise.all([loadAllFaces(), loadPictures()]);
  // The first screen's windows were painted in their own faces; a window opened since may not have been.
  app.desktop.repaintAll((frame) => !firstWindows.includes(frame.name));
}

boot().catch((error) => {
  failure.textContent = `تعذر تشغيل البرنامج: ${error?.message ?? error}`;
  failure.hidden = false;
});
