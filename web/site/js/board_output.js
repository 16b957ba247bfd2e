// SPDX-License-Identifier: GPL-3.0-or-later
// What leaves the page from a board: its file as a download, its picture as a PNG (downloaded,
// copied or printed), and a board file read from the teacher's disk into the program.
import { bandHeight, paintBand } from "./band_picture.js";
import { paintWindow } from "./window_painter.js";
import { TWIPS_PER_PIXEL } from "./view_scale.js";

const PICTURE_ZOOM = 2; // twice the window's natural size: sharp on a handout and a slide

export function download(blob, fileName) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(blob);
  link.download = fileName;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10_000);
}

// The board as the core has it, without a drag in progress, painted afresh at twice its size,
// with the band's rows under it when the band is shown (`band` null: no band).
export function boardPicture(snapshot, band = null) {
  const board = document.createElement("canvas");
  board.width = Math.round(snapshot.width / TWIPS_PER_PIXEL * PICTURE_ZOOM);
  board.height = Math.round(snapshot.height / TWIPS_PER_PIXEL * PICTURE_ZOOM);
  paintWindow(board, snapshot, null);
  let canvas = board;
  if (band?.length) {
    canvas = document.createElement("canvas");
    canvas.width = board.width;
    canvas.height = board.height + bandHeight(band, PICTURE_ZOOM);
    const ctx = canvas.getContext("2d");
    ctx.drawImage(board, 0, 0);
    paintBand(ctx, band, board.height, canvas.width, PICTURE_ZOOM);
  }
  return new Promise((resolve, reject) =>
    canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error("no picture"))), "image/png"));
}

// The clipboard takes the picture while it is still being made, so the click's permission holds.
export async function copyPicture(snapshot, band = null) {
  await navigator.clipboard.write([new ClipboardItem({ "image/png": boardPicture(snapshot, band) })]);
}

// The print style sheet shows this picture alone, fitted to the page.
export async function printPicture(snapshot, holder, band = null) {
  const url = URL.createObjectURL(await boardPicture(snapshot, band));
  holder.src = url;
  await holder.decode();
  window.print();
  holder.removeAttribute("src");
  URL.revokeObjectURL(url);
}

// A board file into the window, or "" for the board the file names, once the core runs (a file
// dropped on the page as it opens waits for it). The core refuses a file larger than a board can
// be, so no more than that and a byte is read of one.
export async function openBoardFile(desktop, windowName, file) {
  await desktop.running;
  const core = desktop.core;
  const bytes = new Uint8Array(await file.slice(0, core.boardFileLimit + 1).arrayBuffer());
  let result = null;
  desktop.deliver((c) => { result = c.openBoard(windowName, bytes); });
  return result;
}
