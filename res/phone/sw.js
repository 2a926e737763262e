"use strict";
// The phone page's service worker. It keeps the page's shell (the page, its
// manifest and icons) on the phone, so that a reload without reception still
// draws the page; the list itself is kept by the page in its own storage.
// The shell is answered from the phone at once and fetched again behind it
// for the next load. Nothing under /api/ passes through here: the page
// sends those requests itself and judges their answers and their silence.
var SHELL = "grocelle-shell-1";
var FILES = ["/", "/manifest.webmanifest", "/icon-192.png", "/icon-512.png"];
// Kept too when the program serves it: the barcode decoder, so that the
// camera reads codes without reception (the scans wait in the page's queue).
var OPTIONAL = ["/decoder.js"];
// The same limit as the page's own requests: silence this long is offline.
var WAIT_MS = 4000;

function fetchWithin(request, ms) {
  var ctl = new AbortController();
  var timer = setTimeout(function () { ctl.abort(); }, ms);
  return fetch(request, { signal: ctl.signal, cache: "no-store" }).then(function (r) {
    clearTimeout(timer);
    return r;
  }, function (e) {
    clearTimeout(timer);
    throw e;
  });
}

self.addEventListener("install", function (event) {
  event.waitUntil(caches.open(SHELL).then(function (cache) {
    return cache.addAll(FILES).then(function () {
      return Promise.all(OPTIONAL.map(function (name) {
        return cache.add(name).catch(function () { /* not served: the page does without */ });
      }));
    });
  }).then(function () { return self.skipWaiting(); }));
});

self.addEventListener("activate", function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (n) { return n !== SHELL; }).map(function (n) {
      return caches.delete(n);
    }));
  }).then(function () { return self.clients.claim(); }));
});

self.addEventListener("fetch", function (event) {
  var request = event.request;
  if (request.method !== "GET") { return; }
  var url = new URL(request.url);
  if (url.origin !== self.location.origin) { return; }
  var name = request.mode === "navigate" || url.pathname === "/index.html" ? "/" : url.pathname;
  if (FILES.indexOf(name) < 0 && OPTIONAL.indexOf(name) < 0) { return; }
  event.respondWith(caches.open(SHELL).then(function (cache) {
    return cache.match(name).then(function (kept) {
      var fresh = fetchWithin(name, WAIT_MS).then(function (r) {
        if (r.ok) { return cache.put(name, r.clone()).then(function () { return r; }); }
        return r;
      });
      if (kept) {
        event.waitUntil(fresh.catch(function () { /* offline: the kept copy stands */ }));
        return kept;
      }
      return fresh;
    });
  }));
});
