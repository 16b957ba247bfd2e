// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures images show, by the name the core gives them, each loaded before it is painted.
// They are a few small PNGs: drawing one decodes it at once, so nothing waits on the decoder.
const NAMES = ["bin-empty", "bin-full", "balance", "document-32"];
const pictures = new Map();
const loading = new Map();

function load(name) {
  if (!loading.has(name)) {
    const image = new Image();
    loading.set(name, new Promise((resolve, reject) => {
      image.onload = () => { pictures.set(name, image); resolve(); };
      image.onerror = () => reject(new Error(`pictures/${name}.png did not load`));
      image.src = `pictures/${name}.png`;
    }));
  }
  return loading.get(name);
}

// The pictures that the windows' images and packaged documents show.
export function picturesOf(snapshots) {
  const names = new Set();
  for (const snapshot of snapshots)
    for (const control of snapshot.controls) {
      if (control.kind === "image" && control.picture) names.add(control.picture);
      if (control.kind === "ole") names.add("document-32");
    }
  return [...names].filter((name) => NAMES.includes(name));
}

export async function loadPictures(names = NAMES) {
  await Promise.all(names.map(load));
}

export function picture(name) {
  return pictures.get(name) ?? null;
}
