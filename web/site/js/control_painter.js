// SPDX-License-Identifier: GPL-3.0-or-later
// Paints one control of a window snapshot on a canvas, as the desktop view paints it. `s` is the
// window's scale in device pixels: zoom (device pixels per pixel at zoom 1), perTwip and offsets.
import { cssFont } from "./fonts.js";
import { picture } from "./pictures.js";
import { textWidth } from "./text_widths.js";

const GREY = "#c0c0c0";

// Whole device pixels, each edge rounded on its own so that abutting controls abut.
export function pixelRect(s, left, top, width, height) {
  const l = Math.round(s.offsetX + left * s.perTwip);
  const t = Math.round(s.offsetY + top * s.perTwip);
  const r = Math.round(s.offsetX + (left + width) * s.perTwip);
  const b = Math.round(s.offsetY + (top + height) * s.perTwip);
  return { x: l, y: t, w: r - l, h: b - t };
}

const thickness = (s, pixelsAtZoom1) => Math.max(1, Math.round(pixelsAtZoom1 * s.zoom));

function wrapLines(ctx, text, width) {
  const lines = [];
  for (const paragraph of text.split("\n")) {
    let line = "";
    for (const word of paragraph.split(" ")) {
      const candidate = line ? `${line} ${word}` : word;
      if (line && textWidth(ctx, candidate) > width) {
        lines.push(line);
        line = word;
      } else {
        line = candidate;
      }
    }
    lines.push(line);
  }
  return lines;
}

// Text laid out right to left in a rectangle; `align` is where it sits on the control.
function drawText(ctx, text, r, { align, valign, wrap }) {
  ctx.direction = "rtl";
  ctx.textBaseline = "middle";
  const size = parseFloat(ctx.font.match(/(\d+(?:\.\d+)?)px/)[1]);
  const lineHeight = size * 1.2;
  const lines = wrap ? wrapLines(ctx, text, r.w) : [text];
  const total = lines.length * lineHeight;
  let y = valign === "top" ? r.y : r.y + (r.h - total) / 2;
  ctx.textAlign = align;
  const x = align === "left" ? r.x : align === "right" ? r.x + r.w : r.x + r.w / 2;
  for (const line of lines) {
    ctx.fillText(line, x, y + lineHeight / 2);
    y += lineHeight;
  }
}

// A caption such as "س2" as the core splits it: the letter, then its exponent smaller and raised
// on its left, as "س²" reads right to left, in the same face; the pair centred on the button.
function drawWithExponent(ctx, { base, exponent }, r) {
  const size = parseFloat(ctx.font.match(/(\d+(?:\.\d+)?)px/)[1]);
  const baseFont = ctx.font;
  const smallFont = baseFont.replace(/(\d+(?:\.\d+)?)px/, `${size * 0.6}px`);
  ctx.direction = "rtl";
  ctx.textBaseline = "alphabetic";
  const baseMetrics = ctx.measureText(base);
  ctx.font = smallFont;
  const exponentWidth = ctx.measureText(exponent).width;
  const left = r.x + (r.w - baseMetrics.width - exponentWidth) / 2;
  const ascent = baseMetrics.fontBoundingBoxAscent ?? size * 0.8;
  const descent = baseMetrics.fontBoundingBoxDescent ?? size * 0.2;
  const baseline = r.y + (r.h - ascent - descent) / 2 + ascent;
  ctx.textAlign = "left";
  // Raised by the letter's own ink, not the face's ascent, which is much taller than a short س.
  ctx.fillText(exponent, left, baseline - 0.6 * baseMetrics.actualBoundingBoxAscent);
  ctx.font = baseFont;
  ctx.fillText(base, left + exponentWidth, baseline);
}

function paintBevel(ctx, r, back) {
  ctx.fillStyle = back;
  ctx.fillRect(r.x, r.y, r.w, r.h);
  const edge = (colour, x, y, w, h) => { ctx.fillStyle = colour; ctx.fillRect(x, y, w, h); };
  // A raised button: light above and to the left, shadow below and to the right, two steps deep.
  edge("#ffffff", r.x, r.y, r.w - 1, 1);
  edge("#ffffff", r.x, r.y, 1, r.h - 1);
  edge("#000000", r.x, r.y + r.h - 1, r.w, 1);
  edge("#000000", r.x + r.w - 1, r.y, 1, r.h);
  edge("rgba(255,255,255,0.55)", r.x + 1, r.y + 1, r.w - 3, 1);
  edge("rgba(255,255,255,0.55)", r.x + 1, r.y + 1, 1, r.h - 3);
  edge("rgba(0,0,0,0.35)", r.x + 1, r.y + r.h - 2, r.w - 2, 1);
  edge("rgba(0,0,0,0.35)", r.x + r.w - 2, r.y + 1, 1, r.h - 2);
}

function paintButton(ctx, c, s) {
  const r = pixelRect(s, c.left, c.top, c.width, c.height);
  if (r.w <= 0 || r.h <= 0) return;
  const back = c.back ?? GREY;
  if (c.appearance !== 0) {
    paintBevel(ctx, r, back);
  } else {
    // A flat button is its colour inside a thin line.
    ctx.fillStyle = back;
    ctx.fillRect(r.x, r.y, r.w, r.h);
    ctx.strokeStyle = c.fore;
    ctx.lineWidth = 1;
    ctx.strokeRect(r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1);
  }
  // Captions stay on one line, set smaller when they would not fit the button.
  const font = cssFont(c, s.zoom);
  ctx.font = font.css(font.pixels);
  const room = r.w - 2 * s.zoom;
  // The caption as the core draws it: a negative tile's minus and x squared's raised 2 apart.
  const caption = c.drawn ? c.drawn.base + c.drawn.exponent : c.caption;
  const advance = textWidth(ctx, caption);
  if (advance > room && room > 0) ctx.font = font.css(Math.max(1, Math.floor(font.pixels * room / advance)));
  ctx.fillStyle = c.fore;
  if (c.drawn) drawWithExponent(ctx, c.drawn, r);
  else drawText(ctx, caption, r, { align: "center", valign: "middle", wrap: false });
  if (c.focused) paintFocusRing(ctx, r, s.zoom);
}

// The ring that shows which control holds the focus, as on the desktop: a dark band on the
// control's edge and a light band inside it, so that one of the two stands out on white, grey,
// blue and dark tiles alike. Each band is two pixels at zoom 1 and grows with the zoom, so it
// reads on a projector. A control too small for the dark band shows none; one too small for
// both keeps the dark.
export function paintFocusRing(ctx, r, zoom) {
  const band = Math.max(2, Math.round(2 * zoom));
  const frame = (x, y, w, h, colour) => {
    ctx.fillStyle = colour;
    ctx.fillRect(x, y, w, band);
    ctx.fillRect(x, y + h - band, w, band);
    ctx.fillRect(x, y, band, h);
    ctx.fillRect(x + w - band, y, band, h);
  };
  if (r.w < 2 * band || r.h < 2 * band) return;
  frame(r.x, r.y, r.w, r.h, "#000000");
  if (r.w - 2 * band >= 2 * band && r.h - 2 * band >= 2 * band)
    frame(r.x + band, r.y + band, r.w - 2 * band, r.h - 2 * band, "#ffffff");
}

function paintLabel(ctx, c, s) {
  const r = pixelRect(s, c.left, c.top, c.width, c.height);
  if (c.back) { ctx.fillStyle = c.back; ctx.fillRect(r.x, r.y, r.w, r.h); }
  if (c.sign) {
    // A region's sign, as the core draws it: large, bold and dark, centred on its label.
    const font = cssFont({ ...c, ...c.sign }, s.zoom);
    ctx.font = font.css(font.pixels);
    ctx.fillStyle = c.sign.ink;
    drawText(ctx, c.sign.text, r, { align: "center", valign: "middle", wrap: false });
    return;
  }
  const font = cssFont(c, s.zoom);
  ctx.font = font.css(font.pixels);
  ctx.fillStyle = c.fore;
  drawText(ctx, c.caption, r, { align: c.align, valign: "top", wrap: true });
}

function paintTextBox(ctx, c, s) {
  const r = pixelRect(s, c.left, c.top, c.width, c.height);
  ctx.fillStyle = c.back ?? "#ffffff";
  ctx.fillRect(r.x, r.y, r.w, r.h);
  ctx.strokeStyle = "#808080";
  ctx.lineWidth = 1;
  ctx.strokeRect(r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1);
  const font = cssFont(c, s.zoom);
  ctx.font = font.css(font.pixels);
  ctx.fillStyle = c.fore;
  const m = 2 * s.zoom;
  drawText(ctx, c.text, { x: r.x + m, y: r.y + m, w: r.w - 2 * m, h: r.h - 2 * m },
           { align: c.align, valign: "middle", wrap: true });
}

function clipTo(ctx, r, paint) {
  ctx.save();
  ctx.beginPath();
  ctx.rect(r.x, r.y, r.w, r.h);
  ctx.clip();
  paint();
  ctx.restore();
}

function paintImage(ctx, c, s) {
  const r = pixelRect(s, c.left, c.top, c.width, c.height);
  if (c.back) { ctx.fillStyle = c.back; ctx.fillRect(r.x, r.y, r.w, r.h); }
  const source = picture(c.picture);
  if (!source || r.w <= 0 || r.h <= 0) return;
  // Unstretched, the picture keeps its own size, scaled with the zoom, and is cut off by the control.
  const w = c.stretch ? r.w : Math.round(source.naturalWidth * s.zoom);
  const h = c.stretch ? r.h : Math.round(source.naturalHeight * s.zoom);
  ctx.imageSmoothingEnabled = true;
  clipTo(ctx, r, () => ctx.drawImage(source, r.x, r.y, w, h));
}

function paintShape(ctx, c, s) {
  // A shape with no width or no height shows nothing, not a stray line.
  if (c.width <= 0 || c.height <= 0) return;
  const r = pixelRect(s, c.left, c.top, c.width, c.height);
  if (c.back) { ctx.fillStyle = c.back; ctx.fillRect(r.x, r.y, r.w, r.h); }
  if (c.fill) { ctx.fillStyle = c.fill; ctx.fillRect(r.x, r.y, r.w, r.h); }
  if (!c.border) return;
  const w = thickness(s, c.borderWidth);
  ctx.fillStyle = c.border;
  if (r.w <= 2 * w || r.h <= 2 * w) { ctx.fillRect(r.x, r.y, r.w, r.h); return; }
  // The border lies inside the shape's rectangle.
  ctx.fillRect(r.x, r.y, r.w, w);
  ctx.fillRect(r.x, r.y + r.h - w, r.w, w);
  ctx.fillRect(r.x, r.y + w, w, r.h - 2 * w);
  ctx.fillRect(r.x + r.w - w, r.y + w, w, r.h - 2 * w);
}

function paintLine(ctx, c, s) {
  if (!c.border) return;
  const w = thickness(s, c.borderWidth);
  const x = (t) => s.offsetX + t * s.perTwip;
  const y = (t) => s.offsetY + t * s.perTwip;
  ctx.fillStyle = c.border;
  if (c.x1 === c.x2 || c.y1 === c.y2) {
    // Upright and level lines are filled rectangles, so they land on whole pixels.
    const upright = c.x1 === c.x2;
    const left = Math.round(x(Math.min(c.x1, c.x2)) - (upright ? w / 2 : 0));
    const top = Math.round(y(Math.min(c.y1, c.y2)) - (upright ? 0 : w / 2));
    const right = upright ? left + w : Math.round(x(Math.max(c.x1, c.x2)));
    const bottom = upright ? Math.round(y(Math.max(c.y1, c.y2))) : top + w;
    ctx.fillRect(left, top, Math.max(right - left, 1), Math.max(bottom - top, 1));
    return;
  }
  ctx.strokeStyle = c.border;
  ctx.lineWidth = w;
  ctx.lineCap = "butt";
  ctx.beginPath();
  ctx.moveTo(x(c.x1), y(c.y1));
  ctx.lineTo(x(c.x2), y(c.y2));
  ctx.stroke();
}

function paintOle(ctx, c, s) {
  const r = pixelRect(s, c.left, c.top, c.width, c.height);
  ctx.fillStyle = c.back ?? "#ffffff";
  ctx.fillRect(r.x, r.y, r.w, r.h);
  // The packaged document shows as its icon, centred in the box and cut off by it.
  const icon = picture("document-32");
  if (!icon || r.w <= 0 || r.h <= 0) return;
  const w = Math.round(icon.naturalWidth * s.zoom);
  const h = Math.round(icon.naturalHeight * s.zoom);
  clipTo(ctx, r, () => ctx.drawImage(icon, r.x + Math.round((r.w - w) / 2), r.y + Math.round((r.h - h) / 2), w, h));
}

const PAINTERS = { button: paintButton, label: paintLabel, textbox: paintTextBox, image: paintImage,
  shape: paintShape, line: paintLine, ole: paintOle };

export function paintControl(ctx, control, scale) {
  PAINTERS[control.kind]?.(ctx, control, scale);
}
