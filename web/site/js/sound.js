// SPDX-License-Identifier: GPL-3.0-or-later
// The beep: a short bell through Web Audio. Browsers keep audio suspended until the learner's
// own gesture, so the context is resumed on the first press or key. A muted tab, a missing
// sound device or a browser without Web Audio only means no sound; nothing waits for it.
let context = null;

function audio() {
  if (context) return context;
  const AudioContext = window.AudioContext ?? window.webkitAudioContext;
  if (!AudioContext) return null;
  try {
    context = new AudioContext();
  } catch {
    context = null;
  }
  return context;
}

export function enableSoundOnGesture() {
  const resume = () => { audio()?.resume?.().catch(() => {}); };
  for (const type of ["pointerdown", "keydown"]) window.addEventListener(type, resume, { capture: true, passive: true });
}

export function bell() {
  const ctx = audio();
  if (!ctx || ctx.state !== "running") return;
  try {
    const now = ctx.currentTime;
    const gain = ctx.createGain();
    gain.gain.setValueAtTime(0.0001, now);
    gain.gain.exponentialRampToValueAtTime(0.3, now + 0.01);
    gain.gain.exponentialRampToValueAtTime(0.0001, now + 0.35);
    gain.connect(ctx.destination);
    // Two partials make a bell rather than a whistle.
    for (const [frequency, level] of [[880, 1], [2200, 0.35]]) {
      const tone = ctx.createOscillator();
      const partial = ctx.createGain();
      tone.frequency.value = frequency;
      partial.gain.value = level;
      tone.connect(partial).connect(gain);
      tone.start(now);
      tone.stop(now + 0.4);
    }
  } catch {
    // No sound is no reason to stop the program.
  }
}
