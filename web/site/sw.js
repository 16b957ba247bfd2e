// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the whole site so that, once opened, it works with the network gone. The list and its
// version come from the build; a new build fills a new cache and drops the old one.
importScripts("precache.js");

const CACHE = `zelmora-${self.ZELMORA_VERSION}`;

self.addEventListener("install", (event) => {
  // Where the browser can, it answers the site's requests from the cache itself, without starting
  // this worker: a worker's start-up would otherwise stand before every page load. A request with
  // a query string goes to the handler below, which finds the file without it; a file the cache
  // does not hold comes from the network.
  if (event.addRoutes) {
    event.waitUntil(event.addRoutes({
      condition: { requestMethod: "GET", urlPattern: new URLPattern({ search: "" }) },
      source: { cacheName: CACHE },
    }).catch(() => {}));
  }
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(self.ZELMORA_FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith("zelmora-") && n !== CACHE).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The cache first: the site's files only change with a new build, which brings a new cache.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(CACHE).then(async (cache) => {
    const kept = await cache.match(event.request, { ignoreSearch: true });
    if (kept) return kept;
    return fetch(event.request);
  }));
});
