// SPDX-License-Identifier: GPL-3.0-or-later
// A board window's goal panel: the teacher gives the board a task, a goal the program checks after
// every move with an optional question for the learner. The core gives every word, the kinds of
// goal that fit the board, the preview of what is typed and whether it can be set, and sets the
// goal itself; this lays them out, right to left, keeps the keyboard inside while it is open and
// gives it back to the board after.
import { keepTabInside, placeOver } from "./panel.js";

let panelsMade = 0;

const element = (tag, properties = {}, ...children) => {
  const el = Object.assign(document.createElement(tag), properties);
  el.append(...children);
  return el;
};

export class GoalPanel {
  constructor(desktop) {
    this.desktop = desktop;
    this.dialog = null;
    this.frame = null;
  }

  get isOpen() { return Boolean(this.dialog?.open); }

  // Opens the panel over the board window, filled with the goal the window holds, if any.
  open(frame) {
    const offer = this.desktop.core.goalPanel?.(frame.name);
    if (!offer || this.isOpen) return;
    this.frame = frame;
    this.dialog = this.build(offer);
    frame.el.append(this.dialog);
    this.dialog.showModal();
    placeOver(this.frame, this.dialog);
    this.refresh();
    this.expression.select();
  }

  build({ texts, kinds, goal }) {
    const id = `goal-panel-${++panelsMade}`;
    const dialog = element("dialog", { className: "goal-panel", dir: "rtl" });
    dialog.setAttribute("aria-labelledby", `${id}-title`);
    const form = element("form", { method: "dialog" });

    const kindsBox = element("fieldset", { className: "kinds" }, element("legend", { textContent: texts.kind }));
    const chosen = goal?.kind ?? kinds[0].kind;
    this.kindInputs = kinds.map((choice) => {
      const input = element("input", { type: "radio", name: `${id}-kind`, value: choice.kind,
        checked: choice.kind === chosen });
      input.dataset.example = choice.example;
      kindsBox.append(element("label", {}, input, element("span", { textContent: choice.name })));
      return input;
    });

    this.expression = element("input", { type: "text", id: `${id}-expression`, dir: "auto",
      autocomplete: "off", spellcheck: false, value: goal?.expression ?? "" });
    this.expression.setAttribute("aria-describedby", `${id}-help ${id}-preview`);
    const help = element("p", { className: "help", id: `${id}-help`, textContent: texts.expressionHelp });
    this.preview = element("output", { id: `${id}-preview`, className: "preview-text" });
    this.preview.setAttribute("aria-live", "polite");
    const preview = element("p", { className: "preview" },
      element("span", { className: "preview-label", textContent: texts.preview }), this.preview);
    this.prompt = element("input", { type: "text", id: `${id}-prompt`, dir: "rtl", autocomplete: "off",
      value: goal?.prompt ?? "" });

    this.setButton = element("button", { type: "submit", className: "set", textContent: texts.set });
    const remove = element("button", { type: "button", className: "remove", textContent: texts.remove, hidden: !goal });
    const cancel = element("button", { type: "button", className: "cancel", textContent: texts.cancel });
    remove.addEventListener("click", () => this.remove());
    cancel.addEventListener("click", () => this.close());

    form.append(element("h2", { id: `${id}-title`, textContent: texts.title }), kindsBox,
      element("label", { htmlFor: this.expression.id, textContent: texts.expression }), this.expression, help, preview,
      element("label", { htmlFor: this.prompt.id, textContent: texts.prompt }), this.prompt,
      element("div", { className: "buttons" }, this.setButton, remove, cancel));
    dialog.append(form);

    form.addEventListener("input", () => this.refresh());
    form.addEventListener("submit", (e) => { e.preventDefault(); this.set(); });
    const isStop = (el) => !el.disabled && !el.hidden && (el.type !== "radio" || el.checked);
    dialog.addEventListener("keydown", (e) => keepTabInside(dialog, e, isStop));
    dialog.addEventListener("close", () => this.closed(dialog));
    return dialog;
  }

  kind() { return this.kindInputs.find((input) => input.checked)?.value ?? ""; }

  // What the core makes of the panel as it stands: the example of the chosen kind, the preview,
  // and the set button offered only for a goal it would set.
  refresh() {
    const chosen = this.kindInputs.find((input) => input.checked);
    this.expression.placeholder = chosen?.dataset.example ?? "";
    const preview = this.desktop.core.previewGoal(this.frame.name, this.kind(), this.expression.value, this.prompt.value);
    // An empty field is no mistake yet: nothing is said under it until something is typed.
    const typed = this.expression.value.trim() !== "";
    this.showPreview(typed ? preview.text : "", typed && !preview.settable);
    this.setButton.disabled = !preview.settable;
  }

  showPreview(text, problem) {
    this.preview.textContent = text;
    this.preview.classList.toggle("problem", problem);
    this.expression.setAttribute("aria-invalid", String(problem));
  }

  set() {
    if (this.setButton.disabled) return;
    let answer = null;
    const [kind, expression, prompt] = [this.kind(), this.expression.value, this.prompt.value];
    this.desktop.deliver((core) => { answer = core.setGoal(this.frame.name, kind, expression, prompt); });
    if (answer?.set) this.close();
    else this.showPreview(answer?.problem ?? "", true);
  }

  remove() {
    this.desktop.deliver((core) => core.removeGoal(this.frame.name));
    this.close();
  }

  close() {
    if (this.isOpen) this.dialog.close();
  }

  // Closed by a button, by Escape, or with its window: the board has the keyboard again.
  closed(dialog) {
    dialog.remove();
    if (this.dialog !== dialog) return;
    this.dialog = null;
    if (this.frame?.el.isConnected) this.frame.focusBoard();
    this.frame = null;
  }
}
