// The site's service worker: it keeps the page, its manifest and its icons when it is
// installed and serves them from there, so the page opens with no network. A new build has
// a new cache name, from the hash of what it keeps, and the old cache goes when the new worker takes over.
const CACHE = "@CACHE@";
const FILES = @FILES@;

// Each file straight from the server: a host may let the browser keep the last build's for a
// while, and that copy would be kept again under this build's name.
const fresh = FILES.map((file) => new Request(file, { cache: "reload" }));

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(fresh)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept ?? fetch(event.request)));
});
