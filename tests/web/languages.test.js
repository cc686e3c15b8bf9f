// The page in every language, in headless Chromium: chosen by the address,
// the browser or the menu, right to left in Arabic, numbers and decimal
// separators as the language writes them, accessible, and nothing clipped
// in the long pseudo-language.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

const VIEWPORT = { width: 1366, height: 768 };
let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

// Each language with its word for "Copy link" and for "Language".
const LANGUAGES = [
  ['en', 'Copy link', 'Language'],
  ['es', 'Copiar enlace', 'Idioma (Language)'],
  ['fr', 'Copier le lien', 'Langue (Language)'],
  ['de', 'Link kopieren', 'Sprache (Language)'],
  ['pt-BR', 'Copiar link', 'Idioma (Language)'],
  ['zh-CN', '复制链接', '语言 (Language)'],
  ['ar', 'نسخ الرابط', 'اللغة (Language)'],
];
const shown = (page) =>
  page.evaluate(() => [document.documentElement.lang, document.documentElement.dir, document.title]);

describe('languages', () => {
  it('each opens by the address, by the browser and by the menu, with its lang and dir', async () => {
    const menuPage = await h.openPage(browser, site.url, VIEWPORT);
    for (const [code, copy, menu] of LANGUAGES) {
      const dir = code === 'ar' ? 'rtl' : 'ltr';
      const byAddress = await h.openPage(browser, `${site.url}?lang=${code}`, VIEWPORT);
      const byBrowser = await h.openPage(browser, site.url, VIEWPORT, { locale: code });
      for (const page of [byAddress, byBrowser]) {
        assert.deepEqual((await shown(page)).slice(0, 2), [code, dir], code);
        assert.equal(await page.getByRole('button', { name: copy }).count(), 1, `${code}: ${copy}`);
        assert.deepEqual(page.errors, []);
        await page.context().close();
      }
      await menuPage.getByRole('combobox', { name: /Language/ }).selectOption(code);
      await menuPage.waitForFunction((c) => document.documentElement.lang === c, code);
      assert.deepEqual((await shown(menuPage)).slice(0, 2), [code, dir], `${code} by the menu`);
      assert.equal(await menuPage.getByRole('combobox', { name: menu }).count(), 1, `${code}: ${menu}`);
      assert.equal(await menuPage.getByRole('button', { name: copy }).count(), 1, `${code} by the menu: ${copy}`);
      await h.looksRight(menuPage, `${code} by the menu`);
    }
    assert.deepEqual(menuPage.errors, []);
  });

  it('an address names a region, no language or an unknown one: the nearest, or English, and no error', async () => {
    const cases = [
      ['pt-PT', 'pt-BR'],
      ['zh-TW', 'zh-CN'],
      ['ar-EG', 'ar'],
      ['FR', 'fr'],
      ['', 'en'],
      ['xx', 'en'],
      ['%zz', 'en'],
    ];
    for (const [asked, got] of cases) {
      const page = await h.openPage(browser, `${site.url}?lang=${asked}&u1=120`, VIEWPORT, { locale: 'de' });
      assert.equal((await shown(page))[0], got, asked);
      assert.equal(await page.isHidden('#view-message'), true, `${asked}: the view is not refused`);
      assert.deepEqual(page.errors, [], asked);
      await page.context().close();
    }
  });

  it('the menu keeps the view, says its messages again, is remembered, goes into a link, and works when storage is refused', async () => {
    const page = await h.openPage(browser, `${site.url}?u1=120&on=1,2,3`, VIEWPORT);
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.locator('#canvas').press('ArrowRight');
    await page.getByRole('button', { name: 'Copy link' }).click();
    await page.getByText('Copied.').waitFor();
    await page.waitForFunction(() => document.getElementById('announce').textContent.startsWith('Gaussian 1 u 121.'));
    const before = await h.canvasPixels(page);
    await page.getByRole('combobox', { name: /Language/ }).selectOption('de');
    await page.waitForFunction(() => document.documentElement.lang === 'de');
    await h.frames(page);
    assert.ok((await h.canvasPixels(page)).equals(before), 'the same picture');
    assert.match(await page.locator('#words').innerText(), /Gaußkurve 1: ein, u = 121, sigma = 200 \(ausgewählt\)/);
    // What was said is said again, in German.
    assert.equal(await page.locator('#link-message').textContent(), 'Kopiert.');
    assert.equal(await page.locator('#announce').textContent(), 'Gaußkurve 1 u 121. Das Produkt erreicht 0,5889.');
    await h.looksRight(page, 'German, after the link was copied in English');
    await page.getByRole('button', { name: 'Link kopieren' }).click();
    assert.match(await page.locator('#link').inputValue(), /\?lang=de&.*u1=121/);
    await h.looksRight(page, 'German, link copied');
    await page.reload();
    await page.waitForFunction(() => document.getElementById('status').hidden);
    assert.equal((await shown(page))[0], 'de', 'remembered');

    const refusing = () =>
      Object.defineProperty(window, 'localStorage', {
        get() {
          throw new DOMException('refused', 'SecurityError');
        },
      });
    const strict = await h.openPage(browser, site.url, VIEWPORT, { init: refusing });
    await strict.getByRole('combobox', { name: 'Colours' }).selectOption('light');
    await strict.getByText('This page may not store anything here').waitFor();
    await strict.getByRole('combobox', { name: /Language/ }).selectOption('fr');
    await strict.waitForFunction(() => document.documentElement.lang === 'fr');
    const notRemembered = await strict.evaluate(() => TEXTS.fr.notRemembered); // eslint-disable-line no-undef
    assert.equal(await strict.locator('#colours-message').textContent(), notRemembered, 'said again in French');
    await h.looksRight(strict, 'French, the choice of colours not remembered');
    assert.deepEqual(strict.errors, []);
  });

  it('a language whose file cannot be fetched: the page stays in its language, and says so', async () => {
    const context = await browser.newContext({ viewport: VIEWPORT });
    await context.route('**/text-fr.js', (route) => route.abort());
    const page = await context.newPage();
    await page.goto(`${site.url}?lang=fr`);
    await page.getByText('Français could not be loaded, so the page stays in English.').waitFor();
    await h.looksRight(page, 'French could not be loaded');
    assert.equal((await shown(page))[0], 'en');
    await page.getByRole('combobox', { name: 'Language' }).selectOption('de');
    await page.waitForFunction(() => document.documentElement.lang === 'de');
    assert.equal(await page.locator('#language-message').innerText(), '');
    await context.close();
  });

  it('numbers as the language writes them, and its decimal separator in the fields', async () => {
    const page = await h.openPage(browser, `${site.url}?lang=fr&on=1,2&u1=300&sigma1=80&u2=500&sigma2=80`, VIEWPORT);
    assert.match(await page.locator('#working-steps').innerText(), /u\s=\s400\s;\ssigma\s=\s56,57\./);
    for (const [typed, value] of [
      ['1,5', 1.5],
      ['2.25', 2.25],
      ['1e2', 100],
    ]) {
      await page.fill('#field-sigma', typed);
      await page.press('#field-sigma', 'Enter');
      await page.locator('#canvas').focus();
      await h.frames(page);
      assert.equal(await page.inputValue('#field-sigma'), String(value).replace('.', ','), typed);
    }
    await page.fill('#field-sigma', '1,5,2');
    await page.press('#field-sigma', 'Enter');
    assert.equal(await page.getAttribute('#field-sigma', 'aria-invalid'), 'true', 'refused');
    await h.looksRight(page, 'French, 1,5,2 refused');
    assert.deepEqual(page.errors, []);
  });

  it('numbers in the fields and the link read left to right in Arabic, their labels right to left', async () => {
    const page = await h.openPage(browser, `${site.url}?lang=ar&u1=-99999.25`, ...h.device(390, 844, 3));
    await page.getByRole('button', { name: 'نسخ الرابط' }).click();
    const directions = await page.evaluate(() =>
      ['#field-u', '#field-sigma', '#link', 'label.field span'].map(
        (s) => getComputedStyle(document.querySelector(s)).direction,
      ),
    );
    assert.deepEqual(directions, ['ltr', 'ltr', 'ltr', 'rtl']);
    assert.match(await page.inputValue('#field-u'), /^-99999.25$/);
    await h.looksRight(page, 'Arabic, a negative u and the link');
    assert.deepEqual(page.errors, []);
  });

  it('a text missing from a language is said in English', async () => {
    const page = await h.openPage(browser, `${site.url}?lang=fr`, VIEWPORT);
    await page.evaluate(() => delete TEXTS.fr.copyLink); // eslint-disable-line no-undef
    await page.getByRole('combobox', { name: /Language/ }).selectOption('es');
    await page.getByRole('combobox', { name: /Language/ }).selectOption('fr');
    await page.waitForFunction(() => document.documentElement.lang === 'fr');
    assert.equal(await page.getByRole('button', { name: 'Copy link' }).count(), 1);
    assert.equal(await page.getByRole('button', { name: 'Enregistrer l’image' }).count(), 1);
  });

  it('axe finds nothing in Arabic and in the pseudo-language', async () => {
    for (const code of ['ar', 'en-XA']) {
      const page = await h.openPage(browser, `${site.url}?lang=${code}&challenge=4`, VIEWPORT);
      assert.deepEqual(await h.axe(page), [], code);
      await page.context().close();
    }
  });

  it('the pseudo-language clips nothing at 320 CSS pixels and on every classroom screen', async () => {
    for (const [width, height, ratio] of [[320, 568, 2], ...h.VIEWPORTS]) {
      // openPage fails unless it looks right.
      const page = await h.openPage(browser, `${site.url}?lang=en-XA&challenge=9`, ...h.device(width, height, ratio));
      assert.equal((await shown(page))[0], 'en-XA');
      assert.deepEqual(page.errors, []);
      await page.context().close();
    }
  });
});
