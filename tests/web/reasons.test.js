// Why something is refused, said in the page's language, in headless
// Chromium: an address's view, its lesson, challenge or language given
// twice, a view beside a challenge, and values typed in the u and sigma
// fields, each quoted as it was typed; values beyond the range are refused,
// never shown clamped.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const vm = require('node:vm');
const h = require('./harness');

const VIEWPORT = { width: 1366, height: 768 };
let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

const CODES = ['fr', 'de', 'ar'];
// Without the marks that keep typed text apart in right-to-left sentences.
const plain = (text) => text.replace(/[\u2068\u2069]/g, '');

// The English reasons' own words (the text between their {names}), none of
// which another language's sentence may hold.
const english = (() => {
  const context = { TEXTS: {} };
  vm.runInNewContext(fs.readFileSync(path.join(__dirname, '../../app/web/text/en.js'), 'utf8'), context);
  return Object.entries(context.TEXTS.en)
    .filter(([key]) => key.startsWith('reason'))
    .flatMap(([, text]) => text.split(/\{\w+\}/))
    .filter((words) => words.trim().length > 6);
})();

async function saysInItsLanguage(page, text, quoted, state) {
  for (const words of english) assert.ok(!text.includes(words), `${state}: "${words}" in ${text}`);
  for (const typed of quoted) assert.ok(plain(text).includes(typed), `${state}: ${typed} not quoted in ${text}`);
  await h.looksRight(page, state);
}

describe('refusals in the page’s language', () => {
  // An address, and what its message quotes as it was typed.
  const addresses = [
    ['on=5', ['on=5']],
    ['u1=99999999999', ['u1=99999999999', '99999999999']],
    ['sigma2=-1e10', ['sigma2=-1e10']],
    ['u1=1&u1=2', ['u1=2']],
    ['frobnicate=1', ['frobnicate=1', 'lesson', 'challenge', 'recalc', 'sigma1-sigma4', 'lang']],
    ['names=tarot', ['names=tarot', 'bayes']],
    ['challenge=12x', ['12x']],
    ['lesson=kalman&lesson=equal', ['lesson=equal']],
    ['challenge=7&challenge=8', ['challenge=8']],
    ['lang=de&lang=fr', ['lang=fr']],
    ['challenge=2026&on=1&u1=3', ['on=1&u1=3']],
  ];
  for (const code of CODES)
    it(`${code}: an address's refusals, each named, nothing of it in English`, async () => {
      for (const [query, quoted] of addresses) {
        const page = await h.openPage(browser, `${site.url}?${query}`, VIEWPORT, { locale: code });
        const message = page.locator('#view-message');
        assert.equal(await message.isVisible(), true, query);
        await saysInItsLanguage(page, await message.innerText(), quoted, `${code}: ${query}`);
        assert.deepEqual(page.errors, [], query);
        await page.context().close();
      }
    });

  it('a view beside a challenge is left out, of the address too: the challenge shows its own rounds', async () => {
    const page = await h.openPage(browser, `${site.url}?challenge=2026&on=1&lang=de&recalc&u1=5`, VIEWPORT);
    const alone = await h.openPage(browser, `${site.url}?challenge=2026`, VIEWPORT);
    assert.ok((await h.canvasPixels(page)).equals(await h.canvasPixels(alone)));
    const query = () => new URL(page.url()).search;
    assert.equal(await query(), '?challenge=2026&lang=de', 'a reload shows the challenge alone');
    await page.getByRole('button', { name: 'Herausforderung beenden' }).click();
    await h.frames(page);
    assert.equal(await h.frameDifference(page, 'startup'), null, 'back to the start-up view');
    assert.equal(await query(), '?lang=de', 'nor does a reload after it show the view');
    await h.looksRight(page, 'a challenge left, its view left out');
  });

  // A field, what is typed in it, and the language it is typed in: refused
  // beside the field, quoted as typed, the picture unchanged.
  const typed = [
    ['u', '1,5x', 'fr'],
    ['sigma', '99999999999', 'fr'],
    ['sigma', '1,5e999', 'de'],
    ['u', '-2000000000', 'de'],
    ['u', '١٢x', 'ar'],
    ['sigma', '٩٩٩٩٩٩٩٩٩٩٩', 'ar'],
  ];
  it('a typed value is refused beside its field, in words of the page’s language, quoting it as typed', async () => {
    for (const [which, text, code] of typed) {
      const page = await h.openPage(browser, `${site.url}?lang=${code}`, VIEWPORT);
      const field = page.getByRole('textbox', { name: which, exact: true });
      await field.fill(text);
      await field.press('Enter');
      await h.frames(page);
      const state = `${code}: ${which} ${text}`;
      assert.equal(await field.getAttribute('aria-invalid'), 'true', state);
      assert.equal(await field.inputValue(), text, state);
      await saysInItsLanguage(page, await page.locator('#field-message').innerText(), [text], state);
      assert.equal(await h.frameDifference(page, 'startup'), null, `${state}: nothing changed`);
      await page.context().close();
    }
  });

  it('a refusal is said again in another language, still quoting what was typed', async () => {
    const page = await h.openPage(browser, `${site.url}?lang=fr&on=9`, VIEWPORT);
    const sigma = page.getByRole('textbox', { name: 'sigma', exact: true });
    await sigma.fill('1,5x');
    await sigma.press('Enter');
    await page.getByRole('combobox', { name: /Langue/ }).selectOption('de');
    await page.waitForFunction(() => document.documentElement.lang === 'de');
    await saysInItsLanguage(page, await page.locator('#field-message').innerText(), ['1,5x'], 'de after fr: field');
    await saysInItsLanguage(page, await page.locator('#view-message').innerText(), ['on=9'], 'de after fr: address');
    assert.match(await page.locator('#view-message').innerText(), /Gaußkurve/);
  });

  it('a value just beyond the range is refused, and its end is shown truly, by the picture and the words', async () => {
    const page = await h.openPage(browser, site.url, VIEWPORT);
    const sigma = page.getByRole('textbox', { name: 'sigma', exact: true });
    await sigma.fill('-100000.5');
    await sigma.press('Enter');
    await h.frames(page);
    assert.match(await page.locator('#field-message').innerText(), /-100000\.5' is too small: at least -100000/);
    await h.looksRight(page, 'sigma just beyond its range');
    await sigma.fill('-1e5');
    await sigma.press('Enter');
    await sigma.blur();
    await h.frames(page);
    assert.equal(await page.locator('#field-message').innerText(), '');
    assert.equal(await sigma.inputValue(), '-100000', 'the field shows the value it took');
    assert.match(await page.locator('#words').innerText(), /^Gaussian 1: on, u = 100, sigma = -100000 \(selected\)/);
    const expected = h.rgba(h.decodePng(h.frameToolPicture(['--sigma', '1=-100000'])));
    assert.ok((await h.canvasPixels(page)).equals(expected));
    await h.looksRight(page, 'sigma at the end of its range');
  });
});
