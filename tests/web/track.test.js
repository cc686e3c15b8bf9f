// Track in headless Chromium: the page's frames are bellscope-frame's for
// the same walk and step, each half is taken in its turn and said, out of
// turn nothing moves and the page says why, the table shows the state's
// steps, and a link and Esc with Resume bring back the same walk.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

const VIEWPORT = { width: 1366, height: 768 };
let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

const { toolFrame, keepStates } = h;
const open = (url) => h.openPage(browser, url, VIEWPORT, { init: keepStates });
const track = (page) => page.evaluate(() => window.states[window.states.length - 1].track);
const button = (page, name) => page.getByRole('button', { name, exact: true });

// A half pressed, also out of turn (a button out of turn can still be
// pressed: it is marked, not switched off), and its frame drawn.
async function press(page, name) {
  await button(page, name).click({ force: true });
  await h.frames(page);
}

describe('Track', () => {
  it('draws the frame tool’s frames, takes each half in its turn and says why not out of turn', async () => {
    const page = await open(site.url);
    await button(page, 'Track').click();
    await h.frames(page);
    const { seed } = await track(page);
    assert.match(page.url(), new RegExp(`\\?track=${seed}$`));
    const frame = async (step) =>
      assert.ok((await h.canvasPixels(page)).equals(toolFrame(['--track', `${seed}:${step}`])), step);
    await frame('0');
    await h.looksRight(page, 'a walk started');

    for (const [when, name, why, step] of [
      ['at the start', 'Update', 'Predict comes next', '1:predict'],
      ['after a predict', 'Predict', 'Update comes next', '1:update'],
    ]) {
      const before = await track(page);
      assert.equal(await button(page, name).getAttribute('aria-disabled'), 'true', when);
      await expectDescription(page, name, why);
      await press(page, name);
      assert.deepEqual(await track(page), before, `${name} ${when} moves nothing`);
      assert.match(await page.locator('#track-result').innerText(), new RegExp(`^${why}`));
      await h.looksRight(page, `${name} pressed ${when}`);
      await press(page, name === 'Update' ? 'Predict' : 'Update');
      await frame(step);
    }
    const now = await track(page);
    const row = now.rows[0];
    assert.equal(now.half, 'update');
    assert.match(
      await page.locator('#announce').innerText(),
      new RegExp(
        `^Updated: the measurement read ${row.z}; with K = ${row.gain.toFixed(2)}, .* The true position was ${row.truth}\\.$`,
      ),
    );
    assert.match(
      await page.locator('#track-text').innerText(),
      new RegExp(`^Step 1 of 12: update, K = ${row.gain.toFixed(2)}\\.`),
    );
    await press(page, 'Predict');
    await frame('2:predict');
    assert.match(
      await page.locator('#announce').innerText(),
      /^Predicted: the belief moved \d+ to the (right|left) and widened from sigma \d+ to \d+\.$/,
    );
    await expectTable(page);
    await h.looksRight(page, 'step 2 predicted');
    assert.deepEqual(page.errors, []);
  });

  it('a link keeps the walk and its settings, Esc and Resume keep its step, and the end shows every truth', async () => {
    const query = 'track=7&q=0&r=20&steps=2&truth=end';
    const settings = ['--track-settings', 'q=0,r=20,steps=2,truth=end'];
    const page = await open(`${site.url}?${query}`);
    await press(page, 'Predict');
    await press(page, 'Update');
    await button(page, 'Copy link').click();
    assert.equal(await page.locator('#link').inputValue(), `${site.url}?${query}`);
    assert.equal((await track(page)).rows[0].truth, null, 'the truth is kept for the end');
    await page.locator('#canvas').press('Escape');
    await button(page, 'Resume').waitFor(); // the program ends on its next pass
    for (const name of ['Predict', 'Update', 'Leave track']) assert.equal(await button(page, name).isDisabled(), true);
    await h.looksRight(page, 'a walk ended with Esc');
    await button(page, 'Resume').click();
    await h.frames(page);
    assert.deepEqual([(await track(page)).step, (await track(page)).half], [1, 'update']);
    assert.ok((await h.canvasPixels(page)).equals(toolFrame(['--track', '7:1', ...settings])));
    await press(page, 'Predict');
    await press(page, 'Update');
    assert.ok((await h.canvasPixels(page)).equals(toolFrame(['--track', '7:2', ...settings])));
    const end = await track(page);
    assert.ok(end.rows.every((row) => row.truth !== null));
    await expectTable(page);
    for (const name of ['Predict', 'Update']) {
      await expectDescription(page, name, 'The walk is over');
      await press(page, name);
      assert.deepEqual(await track(page), end);
    }
    await h.looksRight(page, 'a walk at its end');
    await button(page, 'Leave track').click();
    await h.frames(page);
    assert.equal(await track(page), null);
    assert.equal(page.url(), site.url);
    assert.match(await page.locator('#track-left').innerText(), /^You have left Track at step 2 of 2\./);
    assert.equal(await page.isVisible('#track-steps'), false);
    await h.looksRight(page, 'a walk left');
    assert.deepEqual(page.errors, []);
  });

  it('takes q, r and v where the walk is, refuses wrong ones beside them, runs, plots and survives a reload', async () => {
    const page = await open(`${site.url}?track=7&steps=3`);
    await page.locator('#canvas').press('p');
    await h.frames(page);
    assert.deepEqual([(await track(page)).step, (await track(page)).half], [1, 'predict'], 'P predicts');
    const field = (name) => page.getByRole('textbox', { name, exact: true });
    // A perfect sensor: the update follows the measurement exactly.
    await field('Sensor noise r').fill('0');
    await field('Sensor noise r').press('Enter');
    await h.frames(page);
    assert.deepEqual([(await track(page)).settings.r, (await track(page)).half], [0, 'predict'], 'kept where it was');
    assert.match(page.url(), /\?track=7&r=0&steps=3$/);
    await press(page, 'Update');
    const [row] = (await track(page)).rows;
    assert.deepEqual([row.updated.u, row.updated.sigma, row.gain], [row.z, 0, 1]);
    // Wrong values are named, and change nothing; a key typed there stays there.
    for (const typed of ['1e999', '-5', '10p']) {
      await field('Process noise q').fill(typed);
      await field('Process noise q').press('Enter');
      await h.frames(page);
      assert.match(await page.locator('#track-field-message').innerText(), new RegExp(`^Process noise q: .*${typed}`));
      assert.equal(await field('Process noise q').getAttribute('aria-invalid'), 'true');
      assert.equal((await track(page)).settings.q, 10, typed);
    }
    await h.looksRight(page, 'a wrong q named');
    await field('Process noise q').press('Escape');
    assert.equal(await page.locator('#track-field-message').innerText(), '');
    assert.equal(await field('Process noise q').inputValue(), '10');
    // The plot: a ring for each measurement, a diamond for each truth shown.
    const plotted = async () => [
      await page.locator('#track-plot .measurement').count(),
      await page.locator('#track-plot .truth').count(),
    ];
    assert.deepEqual(await plotted(), [1, 1]);
    assert.equal(await page.getByRole('img', { name: /^Plot of the walk/ }).count(), 1);
    // Run takes a half at a time, and stops when pressed again.
    await button(page, 'Run').click();
    assert.equal(await button(page, 'Run').getAttribute('aria-pressed'), 'true');
    await page.waitForFunction(() => window.states[window.states.length - 1].track.step === 2);
    await button(page, 'Run').click();
    assert.equal(await button(page, 'Run').getAttribute('aria-pressed'), 'false');
    const stopped = await track(page);
    await page.waitForTimeout(1800);
    assert.deepEqual(await track(page), stopped, 'stopped');
    await h.looksRight(page, 'a walk run and stopped');
    await page.reload();
    await page.waitForFunction(() => window.states && window.states.some((state) => state.track));
    await h.frames(page);
    assert.deepEqual([(await track(page)).step, (await track(page)).half], [stopped.step, stopped.half], 'reloaded');
    assert.deepEqual(page.errors, []);
  });

  it('opens a lesson that is a walk from the list and from its link, and leaves both together', async () => {
    const page = await open(site.url);
    await page.getByRole('combobox', { name: 'Lessons' }).selectOption('track-no-noise');
    await h.frames(page);
    assert.equal((await track(page)).settings.q, 0);
    assert.match(await page.locator('#lesson-question').innerText(), /q = 0/);
    await button(page, 'Copy link').click();
    const link = await page.locator('#link').inputValue();
    assert.equal(link, `${site.url}?lesson=track-no-noise&track=11&q=0&walk=36`);
    const again = await open(link);
    assert.equal(await again.getByRole('combobox', { name: 'Lessons' }).inputValue(), 'track-no-noise');
    assert.ok((await h.canvasPixels(again)).equals(toolFrame(['--track', '11:0', '--track-settings', 'q=0,walk=36'])));
    await button(again, 'Leave track').click();
    await h.frames(again);
    assert.equal(await again.getByRole('combobox', { name: 'Lessons' }).inputValue(), '');
    assert.equal(again.url(), site.url);
    assert.deepEqual([...page.errors, ...again.errors], []);
  });

  it('looks right and passes axe in every language, on a phone and a laptop', async () => {
    for (const lang of ['en', 'es', 'fr', 'de', 'pt-BR', 'zh-CN', 'ar', 'en-XA'])
      for (const [width, height, ratio] of [
        [390, 844, 3],
        [1366, 768, 1],
      ]) {
        const page = await h.openPage(browser, `${site.url}?track=3&lang=${lang}`, ...h.device(width, height, ratio));
        for (const key of ['p', 'u', 'p']) await page.locator('#canvas').press(key);
        await h.frames(page);
        await h.looksRight(page, `a walk in ${lang} at ${width}x${height}`);
        assert.deepEqual(await h.axe(page), [], `${lang} at ${width}x${height}`);
        assert.deepEqual(page.errors, []);
        await page.context().close();
      }
  });
});

// A button's accessible description begins with why it is out of turn.
async function expectDescription(page, name, why) {
  const description = await page.evaluate((n) => {
    const b = [...document.querySelectorAll('#track-panel button')].find((e) => e.textContent === n);
    return (b.getAttribute('aria-describedby') || '')
      .split(' ')
      .map((id) => document.getElementById(id).textContent)
      .join(' ');
  }, name);
  assert.match(description, new RegExp(`^${why}`), name);
}

// The table's rows, cell by cell, as the state has them.
async function expectTable(page) {
  const { rows } = await track(page);
  const shown = await page
    .locator('#track-rows tr')
    .evaluateAll((trs) => trs.map((tr) => [...tr.children].map((cell) => cell.textContent.replace(/\u00a0/g, ' '))));
  const four = (x) => String(Number(x.toPrecision(4)));
  const belief = (b) => (b ? `u = ${four(b.u)}, sigma = ${four(b.sigma)}` : 'not yet');
  assert.deepEqual(
    shown,
    rows.map((row) => [
      String(row.step),
      belief(row.predicted),
      row.z === null ? 'not yet' : String(row.z),
      row.gain === null ? 'not yet' : row.gain.toFixed(2),
      belief(row.updated),
      row.truth === null ? 'not yet' : String(row.truth),
    ]),
  );
  const caption = await page.getByRole('table', { name: /^Walk \d+: each step/ }).count();
  assert.equal(caption, 1);
}
