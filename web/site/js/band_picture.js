// SPDX-License-Identifier: GPL-3.0-or-later
// The algebra band painted under a board's picture, as the window shows it: dark bold letters on
// white below a blue line, an equation's sides each under its place on the board.
const BAND_PIXELS = 34; // the band's letters at the window's natural size, as the page sets them
const LINE = 1.25;
const MARGIN = 8;
const RULE = 2;

const bandFont = (pixels) => `700 ${pixels}px "Zelmora Latin", "Zelmora Arabic", sans-serif`;

// The height the band takes under a picture at that zoom.
export function bandHeight(rows, zoom) {
  return Math.ceil((rows.length * LINE * BAND_PIXELS + 2 * MARGIN + RULE) * zoom);
}

// The runs of one equation's row, from the left of the screen: the left side's pieces side by
// side, the relation between spaces, the right side; each run is read right to left.
function equationRuns(ctx, sides) {
  const gap = ctx.measureText(" ").width;
  const pieces = [...sides.left, sides.relation, sides.right];
  const relation = sides.left.length;
  return pieces.map((text, i) => ({
    text, width: ctx.measureText(text).width, gapBefore: i === relation || i === relation + 1 ? gap : 0,
  }));
}

// Paints the rows in the strip of the canvas from `top` down, `height` high, at that zoom.
export function paintBand(ctx, rows, top, width, zoom) {
  const pixels = BAND_PIXELS * zoom;
  const margin = MARGIN * zoom;
  ctx.save();
  ctx.fillStyle = "#ffffff";
  ctx.fillRect(0, top, width, bandHeight(rows, zoom));
  ctx.fillStyle = "#1f3a93";
  ctx.fillRect(0, top, width, RULE * zoom);
  ctx.fillStyle = "#101828";
  ctx.font = bandFont(pixels);
  ctx.direction = "rtl";
  ctx.textBaseline = "middle";
  const room = width - 2 * margin;
  rows.forEach((row, i) => {
    const y = top + RULE * zoom + margin + (i + 0.5) * LINE * pixels;
    if (!row.sides) {
      ctx.textAlign = "center";
      ctx.fillText(row.text, width / 2, y, room);
      return;
    }
    const runs = equationRuns(ctx, row.sides);
    // The relation in the middle, under the balance's pivot, each side towards its own pan; a
    // side too long for its half pushes the row over, inside the picture.
    const relation = runs[row.sides.left.length];
    const leftWidth = runs.slice(0, row.sides.left.length).reduce((sum, run) => sum + run.width, 0);
    let x = width / 2 - relation.width / 2 - relation.gapBefore - leftWidth;
    const end = width / 2 + relation.width / 2 + runs.at(-1).gapBefore + runs.at(-1).width;
    if (end > width - margin) x -= end - (width - margin);
    x = Math.max(x, margin);
    ctx.textAlign = "left";
    for (const run of runs) {
      x += run.gapBefore;
      ctx.fillText(run.text, x, y);
      x += run.width;
    }
  });
  ctx.restore();
}
