// The page's service worker (registered by msa-offline.js): at its
// installation it keeps every file of the page in a cache named after their
// contents (msa-offline-files.js, made by the build), then answers every
// request of the page from there, so that after a first visit the page opens
// and runs with no network. A new build brings a new list, hence a new
// worker and a new cache; the old one is removed.
'use strict';
importScripts('msa-offline-files.js');
const CACHE = 'msa-' + self.MSA_OFFLINE.version;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(self.MSA_OFFLINE.files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('msa-') && n !== CACHE).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== location.origin) return;
  event.respondWith((async () => {
    const cache = await caches.open(CACHE);
    // The page's address carries ?lang= and a folder's is the page itself.
    const kept = await cache.match(request, { ignoreSearch: true }) ||
      (request.mode === 'navigate' && url.pathname.endsWith('/') && await cache.match(new URL('index.html', url)));
    return kept || fetch(request);
  })());
});
