// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures images show, by the name the core gives them, decoded before the first paint.
const NAMES = ["bin-empty", "bin-full", "balance", "document-32"];
const pictures = new Map();

export async function loadPictures() {
  await Promise.all(NAMES.map(async (name) => {
    const image = new Image();
    image.src = `pictures/${name}.png`;
    await image.decode();
    pictures.set(name, image);
  }));
}

export function picture(name) {
  return pictures.get(name) ?? null;
}
