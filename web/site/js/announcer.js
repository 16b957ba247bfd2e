// SPDX-License-Identifier: GPL-3.0-or-later
// The page's one live region. What one piece of input gives to say (a drop's outcome, then the
// band's new text) is said together, once; the same words said twice are said again.
export function createAnnouncer(region) {
  let first = [];
  let last = [];
  let timer = 0;
  return (text, { after = false } = {}) => {
    if (!text) return;
    (after ? last : first).push(text);
    clearTimeout(timer);
    region.textContent = "";
    timer = setTimeout(() => {
      region.textContent = [...first, ...last].join("، ");
      first = [];
      last = [];
    }, 60);
  };
}
