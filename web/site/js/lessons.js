// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in lessons on the page: the list a board's bar opens, the guide's links to a lesson,
// and the lessons this device solved. The core reads the lesson table, groups it, gives every word
// and opens a lesson's task file into its board; the page fetches the files (when the list first
// opens or a lesson is chosen, never before the first paint) and remembers what was solved.
import { readKept, writeKept } from "./kept.js";

const SOLVED_KEY = "zelmora.solvedLessons";
const TABLE = "lessons/lessons.json";

let listsMade = 0;

const element = (tag, properties = {}, ...children) => {
  const el = Object.assign(document.createElement(tag), properties);
  el.append(...children);
  return el;
};

async function fetchText(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status}`);
  return response.text();
}

// The ids of the lessons solved on this device; a kept value that is no list of ids is dropped.
function readSolved() {
  const solved = readKept(SOLVED_KEY, (value) => Array.isArray(value) && value.every((id) => typeof id === "string"));
  return new Set(solved ?? []);
}

export class Lessons {
  constructor(desktop, { notify, announce }) {
    this.desktop = desktop;
    this.notify = notify;
    this.announce = announce;
    this.tableText = null; // the fetch of the table, once it has been asked for
    this.solved = readSolved();
    this.dialog = null;
    this.frame = null;
  }

  // A list whose board closed went with its window.
  get isOpen() { return Boolean(this.dialog?.open && this.dialog.isConnected); }

  table() {
    this.tableText ??= fetchText(TABLE).catch((error) => { this.tableText = null; throw error; });
    return this.tableText;
  }

  // The lesson list over the board window, the board's own lessons first.
  async openList(frame) {
    if (this.isOpen) return;
    let list;
    try {
      list = this.desktop.core.lessonList(await this.table(), frame.name);
    } catch {
      this.notify(this.desktop.core.lessonList("", "").texts.unavailable);
      return;
    }
    if (list.problem) { this.notify(list.problem); return; }
    if (this.isOpen || !frame.el.isConnected) return;
    this.frame = frame;
    this.dialog = this.build(list);
    frame.el.append(this.dialog);
    this.dialog.showModal();
    this.dialog.querySelector(".lesson")?.focus();
  }

  build({ texts, boards }) {
    const id = `lesson-list-${++listsMade}`;
    const dialog = element("dialog", { className: "lesson-list", dir: "rtl" });
    dialog.setAttribute("aria-labelledby", `${id}-title`);
    const close = element("button", { type: "button", className: "close", textContent: texts.close });
    close.addEventListener("click", () => dialog.close());
    const groups = element("div", { className: "groups" });
    boards.forEach((board, place) => {
      const heading = element("h3", { id: `${id}-board-${place}`, textContent: board.name });
      const items = element("ol");
      for (const lesson of board.lessons) {
        const button = element("button", { type: "button", className: "lesson" },
          element("span", { className: "title", textContent: lesson.title }));
        button.dataset.lesson = lesson.id;
        if (this.solved.has(lesson.id)) {
          button.classList.add("solved");
          button.append(element("span", { className: "solved-mark", textContent: texts.solved }));
        }
        button.addEventListener("click", () => this.choose(lesson.id));
        items.append(element("li", {}, button));
      }
      const group = element("section", { className: "group" }, heading, items);
      group.setAttribute("aria-labelledby", heading.id);
      groups.append(group);
    });
    dialog.append(element("header", {}, element("h2", { id: `${id}-title`, textContent: texts.title }), close), groups);
    dialog.addEventListener("keydown", (e) => this.moveWithArrows(e));
    dialog.addEventListener("close", () => this.closed(dialog));
    return dialog;
  }

  // Up and down go from lesson to lesson, through every group, as a list's arrows do; Tab still
  // goes to the close button.
  moveWithArrows(e) {
    if (e.key !== "ArrowDown" && e.key !== "ArrowUp") return;
    const lessons = [...this.dialog.querySelectorAll(".lesson")];
    const at = lessons.indexOf(document.activeElement);
    if (at < 0) return;
    e.preventDefault();
    lessons[Math.max(0, Math.min(lessons.length - 1, at + (e.key === "ArrowDown" ? 1 : -1)))].focus();
  }

  closed(dialog) {
    dialog.remove();
    if (this.dialog !== dialog) return;
    this.dialog = null;
    const frame = this.frame;
    this.frame = null;
    if (frame?.el.isConnected) frame.focusBoard();
  }

  async choose(id) {
    this.dialog?.close();
    await this.open(id);
  }

  // Opens the lesson's task file into the board it names, in front, with the keyboard on it.
  async open(id) {
    let bytes;
    try {
      await this.desktop.running;
      bytes = new Uint8Array(await (await fetch(`lessons/${encodeURIComponent(id)}.zelmora`)).arrayBuffer());
    } catch {
      this.notify(this.desktop.core.lessonList("", "").texts.unavailable);
      return;
    }
    let result = null;
    this.desktop.deliver((core) => { result = core.openLesson(id, bytes); });
    if (!result?.loaded) { this.notify(result?.message ?? ""); return; }
    if (this.desktop.core.state().windows[0] !== result.window)
      this.desktop.deliver((core) => core.bringToFront(result.window));
    this.desktop.frame(result.window)?.focusBoard();
  }

  // The core said the window's goal was reached: the lesson the board holds, if any, is solved.
  goalReached(windowName) {
    const id = this.desktop.core.heldLesson(windowName);
    if (!id || this.solved.has(id)) return;
    this.solved.add(id);
    writeKept(SOLVED_KEY, [...this.solved]);
  }

  // Next to each activity of the guide that has a lesson (marked data-lesson in the guide, under
  // the section the lesson belongs to), a link that opens it.
  async linkGuide(doc, closeGuide) {
    const marks = [...doc.querySelectorAll("[data-lesson]")];
    if (!marks.length || doc.querySelector(".lesson-link")) return;
    let table;
    try { table = await this.table(); } catch { return; }
    await this.desktop.running;
    for (const mark of marks) {
      const lesson = this.desktop.core.lessonInGuide(table, sectionOf(mark), mark.dataset.lesson);
      if (!lesson) continue;
      const link = doc.createElement("a");
      link.href = `#lesson-${lesson.id}`;
      link.textContent = lesson.link;
      link.addEventListener("click", (e) => {
        e.preventDefault();
        closeGuide();
        this.open(lesson.id);
      });
      const holder = doc.createElement("p");
      holder.className = "lesson-link";
      holder.append(link);
      mark.after(holder);
    }
  }
}

// The name of the guide's section a mark stands in: the anchor of the last heading with one before it.
function sectionOf(mark) {
  for (let el = mark.previousElementSibling; el; el = el.previousElementSibling) {
    const anchor = el.querySelector?.("a[name]");
    if (anchor) return anchor.getAttribute("name");
  }
  return "";
}
