// The page's service worker: keeps the files of one build in a cache named by
// their hashes, serves them from it (offline too), and takes over from the
// build before only when the page asks, after the player chose to reload.
// scripts/web-seal.sh puts VERSION and FILES in front of this.
"use strict";
const PREFIX = "gp2x-rpg " + self.registration.scope + " ";
const CACHE = PREFIX + VERSION;

self.addEventListener("install", function (e) {
    e.waitUntil(caches.open(CACHE).then(function (cache) {
        return cache.addAll(FILES.map(function (name) { return new Request(name, { cache: "reload" }); }));
    }));
});

// Only this page's caches of other builds go; the save in IndexedDB is not ours to touch.
self.addEventListener("activate", function (e) {
    e.waitUntil(caches.keys().then(function (keys) {
        return Promise.all(keys.filter(function (key) { return key.startsWith(PREFIX) && key !== CACHE; })
            .map(function (key) { return caches.delete(key); }));
    }).then(function () { return self.clients.claim(); }));
});

self.addEventListener("message", function (e) {
    if (e.data === "take over")
        self.skipWaiting();
});

self.addEventListener("fetch", function (e) {
    if (e.request.method !== "GET")
        return;
    e.respondWith(caches.open(CACHE).then(function (cache) {
        return cache.match(e.request, { ignoreSearch: true });
    }).then(function (kept) {
        return kept || fetch(e.request);
    }));
});
