// The light colours, for a projector: the whole page light, not the picture
// alone, in every state a student meets, from its first rendering; the
// other colours keep the page dark.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');
const colour = require('./colour');

let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

const remembering = (colours) => `localStorage.setItem('bellscope.colours', '${colours}')`;

// Runs in the page: [what, colour, behind it, the contrast it needs] of
// everything on it but the picture: each background light (11:1 against
// black, but a swatch's, in its curve's colour), each text 4.5:1 against
// what is behind it (faded by its opacity), each control's edge and the
// focus ring 3:1, and an open dialog's backdrop light.
function colourPairs() {
  const rgb = (text) => text.match(/[\d.]+/g).map(Number);
  const behind = (e) => {
    for (; e; e = e.parentElement) if (rgb(getComputedStyle(e).backgroundColor)[3] !== 0) break;
    return e ? rgb(getComputedStyle(e).backgroundColor) : [255, 255, 255];
  };
  const pairs = [];
  const dialog = document.querySelector('dialog[open]');
  if (dialog) pairs.push(['the backdrop', rgb(getComputedStyle(dialog, '::backdrop').backgroundColor), [0, 0, 0], 11]);
  for (const e of (dialog || document.body).querySelectorAll('*')) {
    if (!e.checkVisibility({ visibilityProperty: true }) || e.closest('.visually-hidden, canvas, option')) continue;
    const style = getComputedStyle(e);
    const what = `${e.tagName.toLowerCase()}${e.id ? '#' + e.id : ''} "${e.textContent.trim().slice(0, 30)}"`;
    const [under, outside] = [behind(e), behind(e.parentElement)];
    if (rgb(style.backgroundColor)[3] !== 0 && !e.matches('.swatch'))
      pairs.push([`${what}'s background`, rgb(style.backgroundColor), [0, 0, 0], 11]);
    const faded = rgb(style.color).map((c, i) => under[i] + (c - under[i]) * style.opacity);
    if (e.matches('input, select') || [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()))
      pairs.push([what, faded.slice(0, 3), under, 4.5]);
    if (e.matches('button:enabled, input, select'))
      pairs.push([`${what}'s edge`, rgb(style.borderTopColor), outside, 3]);
    if (e.matches(':focus-visible')) pairs.push([`${what}'s focus ring`, rgb(style.outlineColor), outside, 3]);
  }
  return pairs;
}
const faint = async (page) =>
  (await page.evaluate(colourPairs))
    .filter(([, a, b, needed]) => colour.contrast(a, b) < needed)
    .map(([what, a, b]) => `${what}: ${a} on ${b}, ${colour.contrast(a, b).toFixed(2)}:1`);

// A button by its name in the page's language.
const button = async (page, key) =>
  page.getByRole('button', { name: await page.evaluate((k) => window.say(k), key), exact: true });

// The states a student meets, each from the one before.
const STATES = [
  [
    'running, with an error in a field and the focus on a button',
    async (page) => {
      await page.getByRole('textbox', { name: 'sigma', exact: true }).fill('abc');
      await page.keyboard.press('Enter');
      await page.keyboard.press('Tab');
    },
  ],
  [
    'a button held down',
    async (page) => {
      await (await button(page, 'reset')).hover();
      await page.mouse.down();
    },
  ],
  [
    'a challenge, with buttons resting',
    async (page) => {
      await page.mouse.up();
      await (await button(page, 'challenge')).click();
    },
  ],
  ['the keyboard help', async (page) => (await button(page, 'keyboardHelp')).click()],
  [
    'ended',
    async (page) => {
      await page.keyboard.press('Escape');
      await page.getByRole('img').first().press('Escape');
      await (await button(page, 'resume')).waitFor();
    },
  ],
];

describe('the light page, for a projector', () => {
  for (const [width, height, ratio, lang] of [
    [390, 844, 3, 'ar'],
    [810, 1080, 2, 'en'],
    [1366, 768, 1, 'en'],
    [1366, 768, 1, 'ar'],
  ])
    it(`${width}x${height} at ${ratio}, ${lang}: light in every state, axe-core clean`, async () => {
      const [viewport, options] = h.device(width, height, ratio);
      const page = await h.openPage(browser, `${site.url}?lang=${lang}&on=1,3&select=3&u1=1e999`, viewport, {
        ...options,
        init: remembering('light'),
      });
      for (const [state, reach] of STATES) {
        await reach(page);
        await h.frames(page);
        const what = `${width}x${height} ${lang}: ${state}`;
        assert.deepEqual(await faint(page), [], what);
        assert.deepEqual(await h.axe(page), [], what);
        await h.looksRight(page, what);
      }
      assert.deepEqual(page.errors, []);
      await page.context().close();
    });

  it('from its first rendering where remembered; the other colours keep the page dark', async () => {
    // The page's background as its body begins, before any of it is shown.
    const atFirst = (colours) => `${remembering(colours)}; new MutationObserver((_, seen) => document.body &&
      (seen.disconnect(), (window.first = getComputedStyle(document.documentElement).backgroundColor)))
      .observe(document, { childList: true, subtree: true });`;
    const page = await h.openPage(browser, site.url, { width: 1366, height: 768 });
    const menu = page.getByRole('combobox', { name: 'Colours' });
    for (const [colours, background, bar] of [
      ['light', 'rgb(255, 255, 255)', '#ffffff'],
      ['design', 'rgb(0, 0, 0)', '#000000'],
      ['colour-blind-safe', 'rgb(0, 0, 0)', '#000000'],
    ]) {
      const fresh = await h.openPage(browser, site.url, { width: 1366, height: 768 }, { init: atFirst(colours) });
      assert.equal(await fresh.evaluate(() => window.first), background, `${colours}, remembered`);
      await fresh.context().close();
      await menu.selectOption(colours);
      const shown = await page.evaluate(() => [
        getComputedStyle(document.body).backgroundColor,
        document.querySelector('meta[name="theme-color"]').content,
      ]);
      assert.deepEqual(shown, [background, bar], `${colours}, chosen`);
      await h.looksRight(page, `${colours}, chosen`);
    }
    assert.deepEqual(page.errors, []);
  });

  it('the words name the product by the colour it is drawn in, in every language', async () => {
    // How each language names the product's curve, white and black.
    const NAMED = [
      ['en', 'white curve', 'black curve'],
      ['es', 'curva blanca', 'curva negra'],
      ['fr', 'courbe blanche', 'courbe noire'],
      ['de', 'weiße Kurve', 'schwarze Kurve'],
      ['pt-BR', 'curva branca', 'curva preta'],
      ['zh-CN', '白色曲线', '黑色曲线'],
      ['ar', 'المنحنى الأبيض', 'المنحنى الأسود'],
    ];
    const page = await h.openPage(browser, `${site.url}?lesson=equal`, ...h.device(390, 844, 3), {
      init: remembering('light'),
    });
    for (const colours of ['light', 'design']) {
      await page.locator('#colours').selectOption(colours);
      for (const [lang, white, black] of NAMED) {
        await page.locator('#language').selectOption(lang);
        await page.waitForFunction((code) => document.documentElement.lang === code, lang);
        const [named, unnamed] = colours === 'light' ? [black, white] : [white, black];
        const heading = await page.locator('#working-heading').innerText();
        const text = await page.locator('body').innerText();
        assert.ok(heading.includes(named), `${colours}, ${lang}: ${heading}`);
        assert.equal(text.split(named).length, 7, `${colours}, ${lang}: the question, the working and the about`);
        assert.ok(!text.includes(unnamed), `${colours}, ${lang}: ${unnamed}`);
        await h.looksRight(page, `${colours}, ${lang}`);
      }
    }
    assert.deepEqual(page.errors, []);
  });
});
