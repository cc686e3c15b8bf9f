'use strict';

// BELLSCOPE's service worker, for the served page alone: the first visit
// keeps the page's files in a cache of this build's, and every later visit
// is served from it, without the network, at once. A new build is a new
// worker (its build number below differs), which the browser finds on a
// visit with the network and installs in the background while that visit
// goes on with the build it has; the visits after it are the new build's,
// and the first of them says "Updated". The build number is written in by
// the build.
const BUILD = 'BELLSCOPE-BUILD';
const CACHE = `bellscope-${BUILD}`;
// The page carries its program; the languages other than English are files
// of their own (text-<code>.js), listed here by the build.
const FILES = ['index.html', 'BELLSCOPE-TEXT-FILES', 'manifest.webmanifest', 'bellscope-192.png', 'bellscope-512.png'];

// The files come from the server, never from the browser's HTTP cache: a
// server that sends no caching headers leaves the last build's files there,
// looking fresh. A page of another build (a server caught half-way through
// an update, or a cache on the way) fails the install, and with it nothing
// is kept: the browser tries again on a later visit, and meanwhile the
// build installed before goes on serving.
async function keepFiles() {
  const cache = await caches.open(CACHE);
  try {
    await cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' })));
    const page = await (await cache.match('index.html')).text();
    if (!page.includes(`<meta name="bellscope-build" content="${BUILD}">`))
      throw new Error(`index.html is not of build ${BUILD}`);
  } catch (error) {
    await caches.delete(CACHE);
    throw error;
  }
}

self.addEventListener('install', (event) => {
  event.waitUntil(keepFiles().then(() => self.skipWaiting()));
});

// Earlier builds' caches go once this one serves.
self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((keys) =>
        Promise.all(keys.filter((k) => k.startsWith('bellscope-') && k !== CACHE).map((k) => caches.delete(k))),
      )
      .then(() => self.clients.claim()),
  );
});

// The page, whatever its query (a view, a lesson, a language), is
// index.html; its other files are themselves. Anything else, and anything
// not cached, goes to the network as usual.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  const key = request.mode === 'navigate' ? 'index.html' : request;
  event.respondWith(
    caches
      .open(CACHE)
      .then((cache) => cache.match(key, { ignoreSearch: true }))
      .then((hit) => hit || fetch(request)),
  );
});
