// SPDX-License-Identifier: GPL-3.0-or-later
// The program's two sounds through Web Audio: the beep, a short bell, and the chime of a goal
// reached, three soft rising notes that say "well done" where the beep says "look". Browsers keep
// audio suspended until the learner's own gesture, so the context is resumed on a press or key.
// The context is made lazily and never inside a press's handler: making one may open the sound
// device, which can take longer than a frame. A muted tab, a missing sound device or a browser
// without Web Audio only means no sound; nothing waits for it.
let context = null;
let making = null;
// What was played, for the tests' hook: a sound counts once it is given to a running context.
export const played = { bell: 0, chime: 0 };

// The context, made on the first call after the current task and resumed; null without Web Audio.
function audio() {
  making ??= new Promise((resolve) => setTimeout(() => {
    const AudioContext = window.AudioContext ?? window.webkitAudioContext;
    try {
      context = AudioContext ? new AudioContext() : null;
    } catch {
      context = null;
    }
    resolve(context);
  }, 0));
  return making;
}

// Resumes the context, for a sound asked for now: one that cannot start at once is not played
// late, out of step with what the learner did.
async function running() {
  const ctx = await audio();
  if (!ctx) return null;
  if (ctx.state !== "running") {
    const asked = performance.now();
    await ctx.resume?.().catch(() => {});
    if (ctx.state !== "running" || performance.now() - asked > 250) return null;
  }
  return ctx;
}

export function enableSoundOnGesture() {
  const resume = () => {
    if (context) context.resume?.().catch(() => {});
    else audio().then((ctx) => ctx?.resume?.().catch(() => {}));
  };
  for (const type of ["pointerdown", "keydown"]) window.addEventListener(type, resume, { capture: true, passive: true });
}

// One note: a sine or bell partials under one envelope, from `start` seconds on.
function note(ctx, start, { partials, peak, length }) {
  const gain = ctx.createGain();
  gain.gain.setValueAtTime(0.0001, start);
  gain.gain.exponentialRampToValueAtTime(peak, start + 0.01);
  gain.gain.exponentialRampToValueAtTime(0.0001, start + length);
  gain.connect(ctx.destination);
  for (const [frequency, level] of partials) {
    const tone = ctx.createOscillator();
    const partial = ctx.createGain();
    tone.frequency.value = frequency;
    partial.gain.value = level;
    tone.connect(partial).connect(gain);
    tone.start(start);
    tone.stop(start + length + 0.05);
  }
}

function play(name, sound) {
  running().then((ctx) => {
    if (!ctx) return;
    try {
      sound(ctx, ctx.currentTime);
      played[name] += 1;
    } catch {
      // No sound is no reason to stop the program.
    }
  });
}

// Two partials make a bell rather than a whistle.
export function bell() {
  play("bell", (ctx, now) => note(ctx, now, { partials: [[880, 1], [2200, 0.35]], peak: 0.3, length: 0.35 }));
}

// A major triad rising, C, E, G, soft and round: pure tones, quieter than the beep.
export function chime() {
  play("chime", (ctx, now) => {
    [1046.5, 1318.5, 1568].forEach((frequency, i) =>
      note(ctx, now + i * 0.11, { partials: [[frequency, 1]], peak: 0.16, length: 0.55 }));
  });
}
