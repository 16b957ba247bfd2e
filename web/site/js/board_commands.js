// SPDX-License-Identifier: GPL-3.0-or-later
// The board commands as the core describes them (board_commands.hpp): each command's Arabic name
// and tooltip, its icon, its keys, whether it toggles and whether its keys repeat, in bar order.
// The page offers every one but the desktop's own way out of full screen: the browser leaves full
// screen on Escape by itself, and Escape stays the board's key.
const BROWSER_OWN = new Set(["leaveFullScreen"]);

export function pageCommands(core) {
  return (core.boardCommands ?? []).filter((command) => !BROWSER_OWN.has(command.id));
}

// "Ctrl+Shift+Z" against a key press. Letters are matched by the key's place, so that the keys
// work on an Arabic layout too, where the Z key types "ئ".
function matches(spec, e) {
  const parts = spec.split("+");
  const key = parts.pop();
  const ctrl = parts.includes("Ctrl");
  if ((e.ctrlKey || e.metaKey) !== ctrl || e.shiftKey !== parts.includes("Shift") || e.altKey) return false;
  return key.length === 1 ? e.code === `Key${key}` : e.key === key;
}

export function commandForKey(commands, e) {
  return commands.find((command) => command.keys.some((spec) => matches(spec, e))) ?? null;
}

// The form ARIA gives shortcuts in: "Control+Shift+Z".
export const ariaKeys = (command) => command.keys.map((spec) => spec.replace("Ctrl", "Control")).join(" ");
