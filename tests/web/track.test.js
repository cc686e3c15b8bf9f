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

const toolFrame = (args) => h.rgba(h.decodePng(h.frameToolPicture(args)));

// The program's states, kept in window.states from the first.
function keepStates() {
  window.states = [];
  let module = null;
  Object.defineProperty(window, 'Module', {
    get: () => module,
    set(value) {
      module = value;
      const told = value.onBellscopeState;
      value.onBellscopeState = (state) => {
        window.states.push(state);
        told(state);
      };
    },
  });
}
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
    .evaluateAll((trs) => trs.map((tr) => [...tr.children].map((cell) => cell.textContent)));
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
