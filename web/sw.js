// Keeps the page's own files so that the page works offline once loaded.
// The cache name changes with every build that changes a file; the old
// cache is dropped when the new worker takes over.
const CacheName = '{{cacheName}}';
const Files = {{files}};

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CacheName).then((cache) => cache.addAll(Files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith('tamrisk-') && n !== CacheName)
                                        .map((n) => caches.delete(n))))
      .then(() => self.clients.claim()));
});

// The page's files from the cache, anything else from the network.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(CacheName)
      .then((cache) => cache.match(request, { ignoreSearch: true }))
      .then((cached) => cached || fetch(request)));
});
