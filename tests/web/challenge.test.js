// The challenge in headless Chromium: a seed gives the same rounds on every
// page, the product is hidden everywhere until Check, the guess takes every
// input, Check scores it, and bad input is named while the page goes on.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

const VIEWPORT = { width: 1366, height: 768 };
let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

const { toolFrame, keepStates } = h;
const open = (url, options = {}) => h.openPage(browser, url, VIEWPORT, { init: keepStates, ...options });
const state = (page) => page.evaluate(() => window.states[window.states.length - 1] || null);

async function setGuess(page, u, sigma) {
  for (const [field, value] of [
    ['#field-u', u],
    ['#field-sigma', sigma],
  ]) {
    await page.fill(field, String(value));
    await page.press(field, 'Enter');
  }
  await h.frames(page);
}

// The product of the Gaussians on, by the product rule.
function product(gaussians) {
  let precision = 0,
    weighted = 0;
  for (const g of gaussians.filter((g) => g.on)) {
    precision += 1 / g.sigma ** 2;
    weighted += g.u / g.sigma ** 2;
  }
  return { u: weighted / precision, sigma: 1 / Math.sqrt(precision) };
}

// Check decides after the program's next pass, once what was typed is in.
async function check(page) {
  await page.getByRole('button', { name: 'Check', exact: true }).click();
  await h.frames(page);
}

describe('challenge', () => {
  it('a seed gives the same rounds on every page, the frame tool draws them, and the link keeps only the seed', async () => {
    const pages = [await open(`${site.url}?challenge=2026`), await open(`${h.singleFileUrl}?challenge=2026`)];
    for (let round = 1; round <= 2; ++round) {
      const expected = toolFrame(['--challenge', `2026:${round}`]);
      for (const page of pages) {
        assert.ok((await h.canvasPixels(page)).equals(expected), `round ${round}`);
        assert.match(await page.locator('#challenge-text').innerText(), new RegExp(`^Round ${round} of 5`));
        await setGuess(page, 300, 50);
        await check(page);
        await h.looksRight(page, `round ${round} checked`);
        await page.getByRole('button', { name: 'Next round' }).click();
        await h.frames(page);
      }
    }
    await pages[0].getByRole('button', { name: 'Copy link' }).click();
    assert.equal(await pages[0].locator('#link').inputValue(), `${site.url}?challenge=2026`);
    for (const page of pages) assert.deepEqual(page.errors, []);
  });

  it('hides the product in the picture, the words, the working, the announcements and the tree until Check', async () => {
    const page = await open(`${site.url}?challenge=7`);
    const canvasHasWhite = async () => {
      const pixels = await h.canvasPixels(page);
      for (let i = 0; i < pixels.length; i += 4)
        if (pixels[i] === 255 && pixels[i + 1] === 255 && pixels[i + 2] === 255) return true;
      return false;
    };
    await page.locator('#canvas').focus();
    await page.keyboard.press('Enter'); // Parameter Recalculation would print the combined values
    await page.keyboard.press('ArrowRight');
    await page.waitForTimeout(500); // past the announcement's pause
    const before = await state(page);
    const text = (await page.locator('body').innerText()) + (await page.locator('body').ariaSnapshot());
    const announced = await page.locator('#announce').textContent();
    assert.equal(await canvasHasWhite(), false);
    assert.equal(before.combined, null);
    assert.equal(before.working, null);
    await check(page);
    await h.frames(page);
    const after = await state(page);
    const answer = after.working.steps[after.working.steps.length - 1];
    for (const value of [after.combined.shown.u, after.combined.shown.sigma, answer.u.toPrecision(4)])
      assert.doesNotMatch(text + announced, new RegExp(`\\b${value}\\b`), `${value} before Check`);
    assert.equal(await canvasHasWhite(), true);
    await h.looksRight(page, 'checked in Parameter Recalculation');
    assert.deepEqual(page.errors, []);
  });

  it('the guess moves by keyboard, pointer, touch, buttons and fields; the curves stay', async () => {
    const page = await open(`${site.url}?challenge=3`, { hasTouch: true });
    const cdp = await page.context().newCDPSession(page);
    const first = (await state(page)).gaussians;
    const inputs = [
      ['keyboard', { u: 401, sigma: 100 }, () => page.locator('#canvas').press('ArrowRight')],
      ['Shift+arrow', { u: 391, sigma: 100 }, () => page.locator('#canvas').press('Shift+ArrowLeft')],
      [
        'function keys and Up do nothing',
        { u: 391, sigma: 100 },
        async () => {
          for (const key of ['F1', 'F2', 'ArrowUp']) await page.locator('#canvas').press(key);
        },
      ],
      [
        'pointer',
        { u: 250, sigma: 100 },
        async () => {
          await page.mouse.move(...(await h.pagePoint(page, 250, 250)));
          await page.mouse.down();
          await h.frames(page);
          await page.mouse.up();
        },
      ],
      [
        'touch',
        { u: 600, sigma: 100 },
        async () => {
          await h.touch(page, cdp, 'touchStart', [[600, 250, 1]]);
          await h.frames(page);
          await h.touch(page, cdp, 'touchEnd', []);
        },
      ],
      ['button', { u: 600, sigma: 101 }, () => page.getByRole('button', { name: 'Wider' }).click()],
      ['fields', { u: 333.5, sigma: 44 }, () => setGuess(page, 333.5, 44)],
      ['field with a refused value', { u: 333.5, sigma: 44 }, () => setGuess(page, 'wide', 44)],
    ];
    for (const [how, want, act] of inputs) {
      await act();
      await h.frames(page);
      const now = await state(page);
      assert.deepEqual({ u: now.challenge.guess.u, sigma: now.challenge.guess.sigma }, want, how);
      assert.deepEqual(now.gaussians, first, `${how}: the curves stay`);
      await h.looksRight(page, `guess set by ${how}`);
    }
    assert.equal(await page.getByRole('button', { name: 'Gaussian 1' }).isDisabled(), true);
    assert.deepEqual(page.errors, []);
  });

  it('scores a perfect guess 100 and a far one 0, and ends with the total after five rounds', async () => {
    const page = await open(`${site.url}?challenge=11`);
    const scores = [];
    for (let round = 1; round <= 5; ++round) {
      const { gaussians } = await state(page);
      const answer = product(gaussians);
      if (round === 2) await setGuess(page, -5000, 30);
      else await setGuess(page, answer.u, answer.sigma);
      await page.getByRole('button', { name: 'Check', exact: true }).press('Enter'); // by keyboard
      await h.frames(page);
      const now = await state(page);
      scores.push(now.challenge.scores[round - 1]);
      assert.match(await page.locator('#challenge-result').innerText(), /^Score: \d+ of 100\. Your u is/);
      await h.looksRight(page, `round ${round} scored`);
      if (round === 5) break;
      assert.equal(await page.evaluate(() => document.activeElement.id), 'next-round');
      await page.getByRole('button', { name: 'Next round' }).click();
      await h.frames(page);
      assert.equal(await page.evaluate(() => document.activeElement.id), 'check');
    }
    assert.deepEqual(scores, [100, 0, 100, 100, 100]);
    assert.match(await page.locator('#challenge-text').innerText(), /^Challenge over: 400 of 500\./);
    await h.looksRight(page, 'challenge over');
    assert.equal(await page.getByRole('button', { name: 'Next round' }).isHidden(), true);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'challenge', 'a new challenge offered');
    assert.deepEqual(page.errors, []);
  });

  it('a value typed and Check tapped at once, as on a phone: the typed guess is scored, and leaving shows what was left', async () => {
    const [phone, touch] = h.device(390, 844, 3);
    const page = await h.openPage(browser, `${site.url}?challenge=3`, phone, { init: keepStates, ...touch });
    await page.locator('#field-u').fill('300');
    await page.locator('#check').evaluate((e) => e.scrollIntoView({ block: 'start' })); // as with the keyboard up
    await page.getByRole('button', { name: 'Check', exact: true }).tap();
    await h.frames(page);
    const result = page.locator('#challenge-result');
    assert.match(await result.innerText(), /^Score: \d+ of 100/);
    assert.ok((await result.boundingBox()).y >= 0, 'the score in view');
    assert.equal((await state(page)).challenge.guess.u, 300);
    await page.getByRole('button', { name: 'Leave challenge' }).tap();
    await h.frames(page);
    const left = page.locator('#challenge-left');
    assert.match(await left.innerText(), /^You have left the challenge/);
    const box = await left.boundingBox();
    assert.ok(box.y >= 0 && box.y + box.height <= 844, `the message in view: ${JSON.stringify(box)}`);
    await h.looksRight(page, 'challenge left on a phone');
    assert.deepEqual(page.errors, []);
  });

  it('bad input is named, and the page starts as usual or goes on', async () => {
    const refused = [
      ['?challenge=', /cannot be started \(''/],
      ['?challenge=12x', /cannot be started \('12x' is not a challenge number/],
      ['?challenge=99999999999999999999999', /cannot be started \(99999999999999999999999 is too large/],
      ['?challenge=-1', /not a challenge number/],
    ];
    for (const [query, said] of refused) {
      const page = await open(site.url + query);
      assert.match(await page.locator('#view-message').innerText(), said, query);
      assert.equal(await page.locator('#challenge-panel').isHidden(), true, query);
      assert.ok((await h.canvasPixels(page)).equals(toolFrame([])), `${query}: starts as usual`);
      assert.deepEqual(page.errors, []);
      await page.close();
    }
    // A lesson and a challenge: the challenge, and the lesson named as left out.
    const both = await open(`${site.url}?lesson=kalman&challenge=5`);
    assert.match(await both.locator('#view-message').innerText(), /the challenge comes first/);
    assert.equal((await state(both)).challenge.seed, 5);
    assert.equal(await both.locator('#lesson-question').isHidden(), true);

    const page = await open(`${site.url}?challenge=5`);
    const result = page.locator('#challenge-result');
    await check(page);
    assert.match(await result.innerText(), /^Set your guess first/);
    await setGuess(page, 400, 0);
    await check(page);
    assert.match(await result.innerText(), /a bell curve needs a sigma above 0/);
    await setGuess(page, 400, -20);
    await check(page);
    assert.match(await result.innerText(), /sigma -20: a bell curve needs a sigma above 0/);
    await h.looksRight(page, 'a negative sigma refused');
    assert.equal((await state(page)).working, null, 'still hidden');
    await setGuess(page, 400, 60);
    await page.getByRole('button', { name: 'Check', exact: true }).dblclick();
    await h.frames(page);
    const checked = await state(page);
    assert.equal(checked.challenge.revealed, true);
    // Esc in the middle: Resume brings back the round, its guess and its answer.
    await page.locator('#canvas').press('Escape');
    await page.getByRole('button', { name: 'Resume' }).click();
    await h.frames(page);
    const resumed = await state(page);
    assert.deepEqual(resumed.challenge, checked.challenge);
    assert.deepEqual(resumed.gaussians, checked.gaussians);
    await h.looksRight(page, 'resumed after Check');
    // Leaving: the design's frame of the page's view, byte for byte.
    await page.getByRole('button', { name: 'Leave challenge' }).click();
    await h.frames(page);
    assert.ok((await h.canvasPixels(page)).equals(toolFrame([])));
    assert.equal((await state(page)).challenge, null);
    await h.looksRight(page, 'challenge left');
    assert.deepEqual(page.errors, []);
  });
});
