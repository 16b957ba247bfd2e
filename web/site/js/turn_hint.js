// SPDX-License-Identifier: GPL-3.0-or-later
// The note that suggests turning a phone held upright (the page's style shows it only then, over
// a board); closed, it stays closed while the page is open.
export function attachTurnHint(hint) {
  hint?.querySelector("button")?.addEventListener("click", () => { hint.hidden = true; });
}
