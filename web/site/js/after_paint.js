// SPDX-License-Identifier: GPL-3.0-or-later
// Runs work once the frame now being prepared is on the screen: a task posted from the next
// animation frame runs after that frame's paint. A page the browser does not paint (a hidden tab)
// gets no animation frames, so a timer stands in for one.
const LONGEST_WAIT_MS = 100;

export function afterNextPaint(work) {
  let done = false;
  const run = () => {
    if (done) return;
    done = true;
    clearTimeout(fallback);
    work();
  };
  const fallback = setTimeout(run, LONGEST_WAIT_MS);
  requestAnimationFrame(() => setTimeout(run, 0));
}
