// A new build put on a server reaches a student: served by Python's
// http.server (as make serve-web does), which sends no caching headers, to
// a browser that keeps its profile between visits. Over the visits that
// follow, the new build runs and the page says "Updated" exactly once.
'use strict';
const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { chromium } = require('playwright-core');
const h = require('./harness');

const SERVED = /^(index\.html|bellscope-.*\.(js|png)|text-.*\.js|.*\.webmanifest)$/;
const FILES = fs.readdirSync(h.webBuild).filter((f) => SERVED.test(f));
const BUILT = /<meta name="bellscope-build" content="(\w+)">/.exec(
  fs.readFileSync(path.join(h.webBuild, 'index.html'), 'utf8'),
)[1];
const NEWER = 'f'.repeat(BUILT.length) === BUILT ? 'e'.repeat(BUILT.length) : 'f'.repeat(BUILT.length);

// Puts the page of one build and the worker of another on the server (a
// build that differs only by its number is a build that differs). The files
// carry a time days old, as files unpacked from a package do: without
// caching headers, a browser takes them for fresh for hours.
function publish(folder, [page, worker], daysOld) {
  const time = new Date(Date.now() - daysOld * 86400e3);
  for (const file of FILES) {
    const build = { 'index.html': page, 'bellscope-sw.js': worker }[file] || BUILT;
    let bytes = fs.readFileSync(path.join(h.webBuild, file));
    if (build !== BUILT) bytes = Buffer.from(bytes.toString('utf8').replaceAll(BUILT, build));
    fs.writeFileSync(path.join(folder, file), bytes);
    fs.utimesSync(path.join(folder, file), time, time);
  }
}

// Python's server on the folder, at a port it chooses, with the files asked
// of it since asked.clear().
function pythonServer(folder) {
  const args = ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '0', '--directory', folder];
  const server = spawn('python3', args, { stdio: ['ignore', 'pipe', 'pipe'] });
  const asked = new Set();
  server.stderr.on('data', (data) => {
    for (const [, file] of data.toString().matchAll(/"GET \/([^ ?]*)/g)) asked.add(file);
  });
  return new Promise((resolve) =>
    server.stdout.on('data', (data) => {
      const port = /port (\d+)/.exec(data.toString());
      if (port) resolve({ server, url: `http://127.0.0.1:${port[1]}/`, asked });
    }),
  );
}

// Waits for check() to hold; every five seconds, `nudge` (if given) does
// again what a later visit would do.
async function until(page, what, check, nudge = null) {
  for (let waited = 0; !(await check()); waited += 100) {
    if (waited >= 60000) assert.fail(`${what}: not after a minute`);
    if (nudge && waited && waited % 5000 === 0) await nudge();
    await page.waitForTimeout(100);
  }
}

// The build whose files the page's worker keeps, once it has settled
// (undefined while one installs or waits): its cache's name and the page in
// it agree, and no other build's are kept; null otherwise.
const keptBuild = (page) =>
  page.evaluate(async () => {
    const r = await navigator.serviceWorker.getRegistration();
    if (!r || r.installing || r.waiting || !r.active || r.active.state !== 'activated') return undefined;
    const names = (await caches.keys()).filter((k) => k.startsWith('bellscope-'));
    const cached = names.length === 1 && (await (await caches.open(names[0])).match('index.html'));
    const build = cached && /name="bellscope-build" content="(\w+)"/.exec(await cached.text());
    return build && `bellscope-${build[1]}` === names[0] ? build[1] : null;
  });

describe('a new build on the server', () => {
  let folder, site, context;
  before(async () => {
    folder = fs.mkdtempSync(path.join(os.tmpdir(), 'bellscope-site-'));
    fs.mkdirSync(path.join(folder, 'site'));
    publish(path.join(folder, 'site'), [BUILT, BUILT], 2);
    site = await pythonServer(path.join(folder, 'site'));
    context = await chromium.launchPersistentContext(path.join(folder, 'profile'), {
      executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
      headless: true,
      args: ['--no-sandbox'],
      viewport: { width: 1366, height: 768 },
    });
  });
  after(async () => {
    await context.close();
    site.server.kill();
    fs.rmSync(folder, { recursive: true, force: true });
  });

  it('runs from the visit after its worker is installed, which says "Updated", once', async () => {
    // Each visit: the builds of the page and of the worker on the server
    // (null: no network), the build the page then runs and whether it says
    // "Updated", and the build whose files the worker keeps after it.
    const visits = [
      ['a first visit', [BUILT, BUILT], BUILT, false, BUILT],
      ['a server half-way through an update', [BUILT, NEWER], BUILT, false, BUILT],
      ['the new build fetched in the background', [NEWER, NEWER], BUILT, false, NEWER],
      ['the new build', [NEWER, NEWER], NEWER, true, NEWER],
      ['the new build again', [NEWER, NEWER], NEWER, false, NEWER],
      ['offline', null, NEWER, false, NEWER],
    ];
    let kept = null;
    for (const [i, [what, served, runs, updated, keeps]] of visits.entries()) {
      // Each build's files an hour newer than the last's, however quickly
      // the visits follow each other.
      if (served) publish(path.join(folder, 'site'), served, 1 + (visits.length - i) / 24);
      await context.setOffline(!served);
      site.asked.clear();
      const page = await context.newPage();
      const errors = [];
      page.on('pageerror', (e) => errors.push(e.message));
      await page.goto(site.url);
      await page.waitForFunction(() => performance.getEntriesByName('bellscope-first-frame').length);
      await h.frames(page);
      const build = await page.locator('meta[name="bellscope-build"]').getAttribute('content');
      assert.equal(build, runs, `${what}: the build run`);
      const said = page.getByRole('status').filter({ hasText: /^Updated$/ });
      assert.equal(await said.count(), updated ? 1 : 0, `${what}: "Updated" said`);
      await h.looksRight(page, what);
      // A worker of another build installs: it asks the server for the page.
      // On a loaded machine the browser may put off the page's update check:
      // it is asked again, as the next visit would.
      if (served && served[1] !== kept)
        await until(
          page,
          `${what}: the worker fetches the page`,
          () => site.asked.has('index.html'),
          () =>
            page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r && r.update().catch(() => {}))),
        );
      await until(page, `${what}: the worker settles`, async () => (kept = await keptBuild(page)) !== undefined);
      assert.equal(kept, keeps, `${what}: the build kept`);
      assert.deepEqual(errors, [], what);
      await page.close();
    }
  });
});
