// The served page as an app, in headless Chromium: it installs (manifest,
// icons, worker), opens offline after one visit, says "Updated" once for a
// new build, and works online when its worker cannot be installed; the
// single file from disk has no worker and stays within its size budget.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const h = require('./harness');

const VIEWPORT = { width: 1366, height: 768 };
let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

const started = (page) => page.waitForFunction(() => performance.getEntriesByName('bellscope-first-frame').length);

describe('the app', () => {
  it('installs: its manifest is accepted, its icons exist, Chromium finds nothing missing', async () => {
    const page = await h.openPage(browser, site.url, VIEWPORT);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const cdp = await page.context().newCDPSession(page);
    const { errors } = await cdp.send('Page.getAppManifest');
    assert.deepEqual(errors, []);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    // A test's browser context is incognito, where Chromium installs nothing:
    // that is the one thing it may say.
    assert.deepEqual(
      installabilityErrors.map((e) => e.errorId).filter((id) => id !== 'in-incognito'),
      [],
    );
    const manifest = await (await page.request.get(site.url + 'manifest.webmanifest')).json();
    assert.equal(manifest.display, 'standalone');
    for (const icon of manifest.icons) {
      const png = await (await page.request.get(site.url + icon.src)).body();
      const size = `${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`;
      assert.equal(size, icon.sizes, icon.src);
    }
  });

  it('opens offline after one visit, in the view its address names', async () => {
    const page = await h.openPage(browser, `${site.url}?u1=120`, VIEWPORT);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload(); // now under the worker
    await started(page);
    await page.context().setOffline(true);
    await page.goto(`${site.url}?lang=fr&u1=130`);
    await page.getByText(/Gaussienne 1\s:\scourbe affichée et sélectionnée, u = 130/).waitFor();
    await h.looksRight(page, 'offline, in French');
    assert.deepEqual(page.errors, []);
  });

  it('says "Updated" once, for the first visit that brings a new build', async () => {
    const page = await h.openPage(browser, site.url, VIEWPORT);
    assert.equal(await page.isHidden('#updated'), true, 'a first visit');
    await page.evaluate(() => localStorage.setItem('bellscope.build', 'an-earlier-build'));
    for (const shown of [true, false]) {
      await page.reload();
      await started(page);
      assert.equal(await page.isVisible('#updated'), shown);
      if (shown) assert.equal(await page.locator('#updated').innerText(), 'Updated');
      await h.looksRight(page, shown ? 'Updated said' : 'a visit after');
    }
  });

  it('works online when its worker cannot be installed', async () => {
    const context = await browser.newContext({ viewport: VIEWPORT });
    await context.route('**/bellscope-sw.js', (route) => route.fulfill({ status: 404, body: '' }));
    const page = await context.newPage();
    const failures = [];
    page.on('pageerror', (e) => failures.push(e.message));
    await page.goto(site.url);
    await started(page);
    await page.locator('#canvas').press('ArrowRight');
    await h.frames(page);
    assert.match(await page.locator('#words').innerText(), /Gaussian 1: on, u = 101/);
    assert.deepEqual(failures, []);
    await context.close();
  });

  it('the single file has no worker and no manifest, and stays within its budget', async () => {
    const page = await h.openPage(browser, h.singleFileUrl, VIEWPORT);
    assert.equal(await page.locator('link[rel="manifest"]').count(), 0);
    assert.equal(
      await page.evaluate(() => 'serviceWorker' in navigator && !!navigator.serviceWorker.controller),
      false,
    );
    const single = fs.readFileSync(path.join(path.dirname(h.singleFileUrl.slice(7)), 'bellscope.html'));
    assert.ok(zlib.gzipSync(single, { level: 9 }).length <= 100 * 1024, 'gzip -9 within 100 KB');
  });
});
