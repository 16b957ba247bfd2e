// SPDX-License-Identifier: GPL-3.0-or-later
// A small static server for the built site, on 127.0.0.1 only, for the browser tests and the
// benchmarks: serveSite(dir) resolves to { url, close() }. With gzip, it compresses as a web server would.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize, sep } from "node:path";
import { gzipSync } from "node:zlib";

const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".mjs": "text/javascript",
  ".css": "text/css", ".wasm": "application/wasm", ".png": "image/png", ".woff2": "font/woff2",
  ".webmanifest": "application/manifest+json", ".json": "application/json", ".svg": "image/svg+xml" };

export function serveSite(root, { gzip = false } = {}) {
  const served = [];
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    const file = normalize(join(root, path.endsWith("/") ? `${path}index.html` : path));
    if (!file.startsWith(normalize(root) + sep)) { response.writeHead(403).end(); return; }
    try {
      let body = await readFile(file);
      const headers = { "Content-Type": TYPES[extname(file)] ?? "application/octet-stream", "Cache-Control": "no-cache" };
      if (gzip && /gzip/.test(request.headers["accept-encoding"] ?? "") && !/\.(png|woff2)$/.test(file)) {
        body = gzipSync(body, { level: 9 });
        headers["Content-Encoding"] = "gzip";
      }
      served.push({ path, bytes: body.length });
      response.writeHead(200, headers).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => {
      resolve({ url: `http://127.0.0.1:${server.address().port}/`, served,
        close: () => new Promise((done) => { server.closeAllConnections(); server.close(done); }) });
    });
  });
}
