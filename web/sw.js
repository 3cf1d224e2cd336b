// Keeps the page's own files so that the page works offline once loaded.
// The cache name changes with every build that changes a file; the old
// cache is dropped when the new worker takes over.
const CacheName = '{{cacheName}}';
// [address, integrity, other addresses of the same file]
const Files = {{files}};

// A file the page has just loaded is taken from the browser's cache rather
// than fetched again; its integrity hash keeps an older copy from an earlier
// visit out, and such a file is fetched anew (revalidated by the server).
async function keep(cache, [address, integrity, ...others]) {
  let response;
  try {
    response = await fetch(address, { cache: 'force-cache', integrity });
  } catch {
    response = await fetch(address, { cache: 'no-cache', integrity });
  }
  if (!response.ok) throw new Error(`${address}: ${response.status}`);
  await Promise.all([address, ...others].map((key) => cache.put(key, response.clone())));
}

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CacheName)
    .then((cache) => Promise.all(Files.map((file) => keep(cache, file))))
    .then(() => self.skipWaiting()));
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
