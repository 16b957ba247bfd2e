// SPDX-License-Identifier: GPL-3.0-or-later
// A static server as a school's would be set up for the site: it sends the .br or .gz copy the
// build wrote beside a file when the browser accepts it (as nginx's brotli_static and gzip_static
// do), answers a repeated request for an unchanged file with 304, and compresses nothing itself.
// serveFolder(dir) resolves to { url, close() }; on 127.0.0.1 only.
import { createServer } from "node:http";
import { readFile, stat } from "node:fs/promises";
import { extname, join, normalize, sep } from "node:path";

const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".mjs": "text/javascript",
  ".css": "text/css", ".wasm": "application/wasm", ".png": "image/png", ".woff2": "font/woff2",
  ".webmanifest": "application/manifest+json", ".json": "application/json", ".svg": "image/svg+xml",
  ".zelmora": "application/octet-stream" };

// The copy to send for what the browser accepts, best first, or the file itself.
async function chooseCopy(file, accepted) {
  for (const [encoding, suffix] of [["br", ".br"], ["gzip", ".gz"]]) {
    if (!accepted.includes(encoding)) continue;
    const copy = await stat(file + suffix).catch(() => null);
    if (copy?.isFile()) return { path: file + suffix, encoding, info: copy };
  }
  const info = await stat(file);
  return { path: file, encoding: null, info };
}

export function serveFolder(root) {
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    const file = normalize(join(root, path.endsWith("/") ? `${path}index.html` : path));
    if (!file.startsWith(normalize(root) + sep)) { response.writeHead(403).end(); return; }
    try {
      const accepted = (request.headers["accept-encoding"] ?? "").split(",").map((e) => e.trim().split(";")[0]);
      const copy = await chooseCopy(file, accepted);
      const tag = `"${copy.info.size.toString(16)}-${Math.floor(copy.info.mtimeMs).toString(16)}"`;
      const headers = { "Content-Type": TYPES[extname(file)] ?? "application/octet-stream",
        "Cache-Control": "no-cache", ETag: tag, Vary: "Accept-Encoding" };
      if (copy.encoding) headers["Content-Encoding"] = copy.encoding;
      if (request.headers["if-none-match"] === tag) { response.writeHead(304, headers).end(); return; }
      const body = await readFile(copy.path);
      response.writeHead(200, { ...headers, "Content-Length": body.length }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => {
      resolve({ url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((done) => { server.closeAllConnections(); server.close(done); }) });
    });
  });
}
