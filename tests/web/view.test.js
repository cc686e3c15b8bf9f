// A view of BELLSCOPE written down, in headless Chromium: an address opens
// the frame bellscope-frame draws for the same options, "Copy link" survives
// a round trip, exact values are typed (and wrong ones refused in words),
// "Save picture" writes the frame tool's pixels, and bad addresses are named
// on the page while the program starts as usual.
'use strict';
const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const h = require('./harness');

const VIEWPORT = { width: 1366, height: 768 };
let browser, site, work;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));
before(() => {
  work = fs.mkdtempSync(path.join(os.tmpdir(), 'bellscope-view-'));
});
after(() => fs.rmSync(work, { recursive: true, force: true }));

async function open(url, options = {}) {
  const page = await h.openPage(browser, url, VIEWPORT, options);
  return page;
}

describe('an address opens a view', () => {
  const cases = [
    ['served page', () => site.url],
    ['single file from disk', () => h.singleFileUrl],
  ];
  for (const [title, base] of cases) {
    it(`${title}: the frame tool's picture of the same view`, async () => {
      const page = await open(base() + '?recalc&on=1,2,3&select=2&u1=120&sigma2=40');
      const expected = h.rgba(
        h.decodePng(
          h.frameToolPicture(['--recalc', '--on', '1,2,3', '--select', '2', '--u', '1=120', '--sigma', '2=40']),
        ),
      );
      assert.ok((await h.canvasPixels(page)).equals(expected));
      assert.equal(await page.isHidden('#view-message'), true);
      assert.deepEqual(page.errors, []);
    });
  }

  // The parser's words for every mistake are tested natively; here, that
  // the page says them and starts as usual.
  const bad = [
    ['u1=1e999', "u1=1e999: '1e999' is too large"],
    ['frobnicate', 'frobnicate: unknown parameter'],
    ['sigma2=%zz', 'sigma2=%zz: bad percent-encoding'],
    ['u1=' + '9'.repeat(10000), 'the parameter is too long'],
  ];
  it('a wrong address is named on the page, and BELLSCOPE starts as usual', async () => {
    const page = await open(site.url);
    for (const [query, said] of bad) {
      await page.goto(site.url + '?' + query);
      await page.waitForFunction(() => document.getElementById('status').hidden);
      await h.frames(page);
      const message = await page.locator('#view-message').textContent();
      assert.ok(message.includes(said), `${query.slice(0, 40)}: ${message}`);
      assert.equal(await h.frameDifference(page, 'startup'), null, query.slice(0, 40));
      await h.looksRight(page, `?${query.slice(0, 40)} refused`);
    }
    assert.deepEqual(page.errors, []);
  });
});

describe('the page writes a view down', () => {
  it('"Copy link" after a few inputs opens the same frame in a fresh page', async () => {
    const page = await open(site.url);
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    for (const key of ['F3', 'ArrowDown', 'ArrowRight', 'Enter']) {
      await page.keyboard.press(key);
      await h.frames(page);
    }
    await page.mouse.move(...(await h.pagePoint(page, 400, 200)));
    await page.mouse.down({ button: 'right' });
    await h.frames(page);
    await page.mouse.move(...(await h.pagePoint(page, 437, 200)));
    await h.frames(page);
    await page.mouse.up({ button: 'right' });
    await page.getByRole('textbox', { name: 'u', exact: true }).fill('251.0625');
    await page.keyboard.press('Enter');
    await h.frames(page);
    await page.getByRole('button', { name: 'Copy link' }).click();
    await page.getByText('Copied.').waitFor();
    const link = await page.evaluate(() => navigator.clipboard.readText());
    assert.equal(link, await page.getByRole('textbox', { name: 'Link to this view' }).inputValue());
    assert.equal(link, `${site.url}?recalc&on=1,2,3&select=2&u2=251.0625&sigma2=107`);
    await h.looksRight(page, 'link copied');
    const fresh = await open(link);
    assert.ok((await h.canvasPixels(fresh)).equals(await h.canvasPixels(page)));
  });

  it('takes typed values and refuses wrong ones in words, with no key reaching the program', async () => {
    const page = await open(site.url);
    const u = page.getByRole('textbox', { name: 'u', exact: true });
    const sigma = page.getByRole('textbox', { name: 'sigma', exact: true });
    assert.deepEqual([await u.inputValue(), await sigma.inputValue()], ['100', '200']);
    await sigma.fill('1e999');
    await page.keyboard.press('Enter');
    assert.equal(await page.locator('#field-message').textContent(), "sigma: '1e999' is too large: at most 100000");
    assert.equal(await sigma.getAttribute('aria-invalid'), 'true');
    await h.looksRight(page, 'sigma 1e999 refused');
    await h.frames(page);
    assert.equal(await h.frameDifference(page, 'startup'), null, 'nothing changed');
    await u.fill('');
    for (const key of ['F1', 'ArrowRight', 'Escape']) await u.press(key); // none reaches the program
    await u.fill('301');
    await u.blur(); // leaving the field applies it
    await h.frames(page);
    assert.equal(await page.isHidden('#ended'), true);
    const expected = h.rgba(h.decodePng(h.frameToolPicture(['--u', '1=301'])));
    assert.ok((await h.canvasPixels(page)).equals(expected));
    assert.deepEqual(page.errors, []);
  });

  it('"How the white curve is made" works out the product with the view\'s own numbers', async () => {
    const four = (x) => new Intl.NumberFormat('en', { maximumSignificantDigits: 4 }).format(x);
    // The closed form, summed at once: independent of the program's fold.
    const expected = (gaussians) => {
      const p = gaussians.reduce((sum, [, sigma]) => sum + 1 / sigma ** 2, 0);
      const u = gaussians.reduce((sum, [mean, sigma]) => sum + mean / sigma ** 2, 0) / p;
      const squares = gaussians.reduce((sum, [mean, sigma]) => sum + mean ** 2 / sigma ** 2, 0);
      return [
        `The white curve is the product: u\u00a0=\u00a0${four(u)}, sigma\u00a0=\u00a0${four(1 / Math.sqrt(p))}.`,
        four(Math.exp(-(squares - u * u * p) / 2)),
      ];
    };
    const views = [
      [
        '',
        [
          [100, 200],
          [250, 70],
        ],
      ],
      [
        '?on=1,2,3,4&recalc',
        [
          [100, 200],
          [250, 70],
          [300, 40],
          [350, 100],
        ],
      ],
      [
        '?on=2,3&u2=10.5&sigma3=-12',
        [
          [10.5, 70],
          [300, 12],
        ],
      ],
      [
        '?on=1,4&u4=400&sigma1=60&sigma4=60',
        [
          [100, 60],
          [400, 60],
        ],
      ],
    ];
    for (const [query, gaussians] of views) {
      const page = await open(site.url + query);
      const read = await page.locator('#working-steps .visually-hidden').allTextContents();
      const [result, height] = expected(gaussians);
      assert.ok(read.includes(result), `${query}: ${read.join(' | ')}`);
      assert.ok(read.includes(`Point by point, the product peaks at ${height}.`), `${query}: height ${height}`);
    }
    assert.match(
      await (await open(site.url + views[3][0])).locator('#words').innerText(),
      /They hardly agree: 0\.19%\.$/,
    );
    const degenerate = [
      ['?on=none', 'No Gaussian is on, so there is nothing to multiply.'],
      ['?sigma2=0', 'Gaussian 2 has sigma 0: it is 0 everywhere but at its mean'],
      ['?on=3', 'The white curve is the product: u\u00a0=\u00a0300, sigma\u00a0=\u00a040.'],
      ['?u1=1e5&sigma1=1e5', 'The white curve is the product: u\u00a0=\u00a0250, sigma\u00a0=\u00a070.'],
      ['?u1=1e5&sigma1=1e-300&u2=-1e5', 'precision, 1 over sigma squared, = too large to work out.'],
      ['?on=2,3&sigma3=-12', 'A negative sigma counts as its size: Gaussian 3 is as wide as if it were positive.'],
    ];
    for (const [query, words] of degenerate) {
      const page = await open(site.url + query);
      const text = await page.locator('#working-steps').innerText();
      assert.ok(text.includes(words), `${query}: ${text}`);
      assert.doesNotMatch(text, /NaN|Infinity|undefined|null|\{\w+\}/, query);
    }
  });

  it('names: a prior and measurements, or sensors, in the words, the announcements and the working, and in a link', async () => {
    const page = await open(site.url + '?names=bayes&on=1,2,3');
    const names = page.getByRole('combobox', { name: 'Names' });
    assert.equal(await names.inputValue(), 'bayes');
    const words = () => page.locator('#words').innerText();
    assert.match(await words(), /^Prior: on, u = 100, sigma = 200 \(selected\)\nMeasurement 1: on, u = 250/);
    assert.match(await page.locator('#working-steps').innerText(), /Prior × Measurement 1 × Measurement 2:/);
    const second = page.getByRole('button', { name: 'Gaussian 2 M1', exact: true });
    assert.equal(
      await second.getAttribute('aria-description'),
      'Measurement 1',
      'named as shown; the role describes it',
    );
    await names.selectOption({ label: 'Sensors' });
    await h.frames(page);
    assert.match(await words(), /^Sensor A: on/);
    await h.looksRight(page, 'sensors');
    await page.keyboard.press('ArrowRight'); // the list keeps its arrows: Right goes to the program from the body
    await page.locator('body').click({ position: { x: 5, y: 700 } });
    await page.keyboard.press('ArrowRight');
    await page.waitForFunction(() => document.getElementById('announce').textContent.includes('Sensor A u'));
    await page.getByRole('button', { name: 'Copy link' }).click();
    await page.getByText('Copied.').waitFor();
    const link = await page.getByRole('textbox', { name: 'Link to this view' }).inputValue();
    assert.match(link, /names=sensors/);
    const again = await open(link);
    assert.equal(await again.getByRole('combobox', { name: 'Names' }).inputValue(), 'sensors');
    assert.match(await again.locator('#words').innerText(), /^Sensor A: on/);
    assert.deepEqual(page.errors, []);
  });

  it("lessons: each opens by name with its question, and a lesson's link keeps it with the view", async () => {
    const lessons = JSON.parse(fs.readFileSync(path.join(__dirname, '../../app/web/lessons.json'), 'utf8'));
    assert.ok(lessons.length >= 8);
    for (const lesson of lessons) {
      const page = await open(`${site.url}?lesson=${lesson.name}`);
      assert.equal(await page.getByRole('combobox', { name: 'Lessons' }).inputValue(), lesson.name);
      assert.ok((await page.locator('#lesson-question').innerText()).length > 20, lesson.name);
      assert.equal(await page.getByRole('button', { name: 'Copy link' }).isVisible(), true);
      assert.deepEqual(page.errors, [], lesson.name);
      if (lesson.name !== 'kalman') continue;
      // Its link, after a change, keeps the lesson and the view as it is now.
      await page.keyboard.press('ArrowRight');
      await h.frames(page);
      await page.getByRole('button', { name: 'Copy link' }).click();
      await page.getByText('Copied.').waitFor();
      const link = await page.getByRole('textbox', { name: 'Link to this view' }).inputValue();
      assert.equal(link, `${site.url}?lesson=kalman&u2=451`); // the measurement, selected, moved
      await h.looksRight(page, 'kalman, moved, link copied');
      const again = await open(link);
      assert.ok((await h.canvasPixels(again)).equals(await h.canvasPixels(page)));
      assert.match(await again.locator('#lesson-question').innerText(), /Kalman update/);
    }
    // Chosen from the list: its view at once; and a name that is no lesson.
    const page = await open(site.url);
    await page.getByRole('combobox', { name: 'Lessons' }).selectOption({ label: 'Two equal curves' });
    await h.frames(page);
    await h.looksRight(page, 'a lesson chosen from the list');
    assert.match(await page.locator('#words').innerText(), /Gaussian 2: on, u = 500, sigma = 80/);
    const wrong = await open(`${site.url}?lesson=nonsense`);
    assert.match(await wrong.locator('#view-message').innerText(), /There is no lesson named "nonsense"/);
    assert.match(await wrong.locator('#words').innerText(), /^Gaussian 1: on, u = 100, sigma = 200/);
  });

  it('a refused value stays, marked, until it is mended or another Gaussian is selected', async () => {
    const page = await open(site.url);
    const u = page.getByRole('textbox', { name: 'u', exact: true });
    const sigma = page.getByRole('textbox', { name: 'sigma', exact: true });
    const state = async () => [
      await u.inputValue(),
      await u.getAttribute('aria-invalid'),
      await sigma.inputValue(),
      await page.locator('#field-message').textContent(),
    ];
    await u.fill('abc');
    await sigma.fill('50'); // leaving u refuses it; leaving sigma below takes 50
    await sigma.blur();
    await h.frames(page);
    assert.deepEqual(await state(), ['abc', 'true', '50', "u: 'abc' is not a number"]);
    await h.looksRight(page, 'u abc refused');
    await page.keyboard.press('ArrowDown');
    await h.frames(page);
    assert.deepEqual(await state(), ['250', 'false', '70', '']);
    assert.deepEqual(page.errors, []);
  });

  it('"Save picture" writes the frame tool\'s pixels and palette', async () => {
    const page = await open(site.url + '?on=2,4&select=4&sigma4=33.5', { acceptDownloads: true });
    const [download] = await Promise.all([
      page.waitForEvent('download'),
      page.getByRole('button', { name: 'Save picture' }).click(),
    ]);
    assert.equal(download.suggestedFilename(), 'bellscope.png');
    const saved = path.join(work, 'saved.png');
    await download.saveAs(saved);
    const ours = h.decodePng(fs.readFileSync(saved));
    const tool = h.decodePng(h.frameToolPicture(['--on', '2,4', '--select', '4', '--sigma', '4=33.5']));
    assert.ok(ours.pixels.equals(tool.pixels), 'pixels');
    assert.ok(ours.palette.equals(tool.palette), 'palette');
    assert.ok(fs.statSync(saved).size < 16384, `${fs.statSync(saved).size} bytes`);
  });
});
