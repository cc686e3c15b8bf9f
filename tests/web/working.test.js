// What the words and "How the white curve is made" show, in headless
// Chromium: formulas laid out as formulas, also on a phone; numbers as each
// language writes them, never in E notation or as a run of zeros; the
// degenerate views (sigma 0, no curve on) said as they are; the chosen
// names everywhere, beside the buttons too; text that grows with the
// browser's font; and the picture's <-- marker as the picture draws it.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

const PHONE = h.device(390, 844, 3);
const TABLET = h.device(810, 1080, 2);
const DESKTOP = h.device(1366, 768, 1);
const THREE = 'on=1,2,3&u1=300&sigma1=80&u2=500&sigma2=80';
// The marks that keep numbers left to right in Arabic, which a reader never
// sees, and the spaces that keep "0,01 %" together, as spaces.
const seen = (text) => text.replace(/[\u200e\u200f\u061c\u2066-\u2069]/g, '').replace(/[\u00a0\u202f]/g, ' ');

async function open(query, device = DESKTOP) {
  const page = await h.openPage(browser, `${site.url}?${query}`, ...device);
  await page.locator('#working-steps').scrollIntoViewIfNeeded();
  await h.frames(page);
  return page;
}
const text = async (page, selector) => seen(await page.locator(selector).innerText());

describe('the working and the words', () => {
  it('formulas are laid out as formulas, their values spaced; one wider than a phone scrolls in a box the keyboard reaches, and fades where it goes on', async () => {
    const cases = [
      [`${THREE}&lang=en`, DESKTOP, 0],
      [`${THREE}&lang=de&names=bayes`, PHONE, 2],
      [`${THREE}&lang=ar&names=sensors`, PHONE, 2],
      ['on=1,2,3,4&sigma1=2000&lang=zh-CN', TABLET, 0],
      ['on=1,2&u1=100&sigma1=10&u2=225&sigma2=10&lang=fr', PHONE, 2],
    ];
    for (const [query, device, scrolling] of cases) {
      const page = await open(query, device);
      await h.looksRight(page, query);
      // A box that scrolls fades out where it goes on: at its right, as it
      // starts.
      const boxes = await page.$$eval('#working-steps .formula', (all) =>
        all.map((box) => [
          box.scrollWidth > box.clientWidth + 1,
          box.tabIndex,
          getComputedStyle(box).maskImage.includes('gradient'),
        ]),
      );
      assert.equal(boxes.filter(([scrolls]) => scrolls).length, scrolling, `${query}: formulas that scroll`);
      for (const [scrolls, tabIndex, fades] of boxes) {
        assert.equal(tabIndex, scrolls ? 0 : -1, `${query}: a stop iff it scrolls`);
        assert.equal(fades, scrolls, `${query}: faded iff it scrolls`);
      }
      // Values in a formula stand apart: after a separator, room as wide as
      // half a letter at least ("σ = 56.57,  u = 400").
      const gaps = await page.$$eval('#working-steps math > mo', (all) =>
        all
          .filter((mo) => [',', ';'].includes(mo.textContent))
          .map((mo) => {
            const range = document.createRange();
            range.selectNodeContents(mo);
            const size = parseFloat(getComputedStyle(mo).fontSize);
            return (mo.nextElementSibling.getBoundingClientRect().left - range.getBoundingClientRect().right) / size;
          }),
      );
      assert.ok(gaps.length && gaps.every((gap) => gap >= 0.5), `${query}: gaps after separators ${gaps}`);
      if (scrolling) {
        // The arrows scroll it, and reach no curve.
        const words = await text(page, '#words');
        const box = page.locator('#working-steps .formula[tabindex="0"]').first();
        await box.focus();
        await page.keyboard.press('ArrowRight');
        await h.frames(page);
        assert.ok(await box.evaluate((b) => b.scrollLeft > 0 && document.activeElement === b), `${query}: scrolled`);
        assert.equal(await text(page, '#words'), words, `${query}: no curve moved`);
        assert.deepEqual(await h.axe(page), [], query);
        // Scrolled to its end, it fades at its left only, in every colour
        // profile and in forced colours, but for the focus ring's sake.
        await box.evaluate((b) => b.scrollTo({ left: b.scrollWidth, behavior: 'instant' }));
        await h.frames(page);
        const edges = () => box.evaluate((b) => [b.className, getComputedStyle(b).maskImage !== 'none']);
        assert.deepEqual(await edges(), ['formula more-left', false], `${query}: focused, no fade over the ring`);
        await page.locator('#canvas').focus({ preventScroll: true });
        for (const [colours, forcedColors] of [
          ['design', 'none'],
          ['light', 'none'],
          ['light', 'active'],
        ]) {
          await page.locator('#colours').selectOption(colours);
          await page.emulateMedia({ forcedColors });
          await h.frames(page);
          assert.deepEqual(await edges(), ['formula more-left', true], `${query}: ${colours}, forced ${forcedColors}`);
          await h.looksRight(page, `${query}, scrolled to its end, ${colours}, forced colours ${forcedColors}`);
        }
      }
      await page.context().close();
    }
  });

  it('numbers as the language writes them: powers of ten, less than 0.01%, no grouping, unambiguous lists', async () => {
    const TINY = 'on=1,2&u1=100&sigma1=10&u2=225&sigma2=10'; // a height of exp(-39.0625)
    const WIDE = 'on=1,2&sigma1=2000';
    const GONE = 'on=1,2&u1=0&u2=800&sigma1=5&sigma2=5'; // exp(-6400): below what a number here holds
    const cases = [
      ['en', TINY, ['Height of the product: 1.085 × 10⁻¹⁷. They hardly agree: less than 0.01%.']],
      ['de', TINY, ['Produkt erreicht: 1,085 × 10⁻¹⁷. Die Kurven stimmen kaum überein: weniger als 0,01 %.']],
      ['ar', TINY, ['ارتفاع حاصل الضرب: 1.085 × 10⁻¹⁷. بالكاد تتفق: أقل من 0.01%.']],
      ['en', WIDE, ['u = 100, σ = 2000, precision', 'squared, = 2.5 × 10⁻⁷.', 'u = 100, sigma = 2000 (selected)']],
      ['de', WIDE, ['u = 100; σ = 2000; Präzision', 'Quadrat, = 2,5 × 10⁻⁷.']],
      ['ar', WIDE, ['سيغما، = 2.5 × 10⁻⁷.']],
      ['en', THREE, ['=0.0003125,σ=56.57,u=400']],
      [
        'de',
        THREE,
        ['ist das Produkt: u = 333,3; sigma = 32,66.', '=0,0003125;σ=56,57;u=400', '(299,97 erscheint als 299)'],
      ],
      ['pt-BR', THREE, ['=0,0003125;σ=56,57;u=400']],
      ['ar', THREE, ['(299.97 تظهر 299)']],
      ['en', GONE, ['Height of the product: less than 10⁻³⁰⁷.', 'the product peaks at less than 10⁻³⁰⁷.', ')<10−307']],
      ['fr', GONE, ['Hauteur atteinte par le produit : moins de 10⁻³⁰⁷.', 'culmine à moins de 10⁻³⁰⁷.']],
      ['zh-CN', GONE, ['乘积的峰值为 小于 10⁻³⁰⁷ 的值。']],
      ['ar', GONE, ['تبلغ ذروة حاصل الضرب أقل من 10⁻³⁰⁷.']],
    ];
    for (const [lang, query, expected] of cases) {
      const page = await open(`${query}&lang=${lang}`);
      const formulas = await page.locator('#working-steps math').allTextContents();
      const shown = [await text(page, '#words'), await text(page, '#working-steps'), ...formulas.map(seen)].join('\n');
      for (const words of expected) assert.ok(shown.includes(words), `${lang} ${query}: "${words}" in\n${shown}`);
      assert.doesNotMatch(
        shown,
        /\dE[-+]?\d|0[.,]000000|(at|à|:) 0\.(\s|$)/m,
        `${lang} ${query}: no E, no run of zeros, no 0`,
      );
      await h.looksRight(page, `${lang} ${query}`);
      await page.context().close();
    }
  });

  it('sigma 0: the product is 0 but at that mean, where it is the other curves’ product there', async () => {
    const cases = [
      [
        'lesson=sigma-zero',
        'is 0 everywhere but at u = 420, where it equals the product of the other curves there: 0.6065.',
      ],
      ['on=2&u2=420&sigma2=0', 'the product is the same: 0 everywhere but at u = 420, where it is 1.'],
      ['on=1,2,3&u1=300&sigma1=0&u2=300&sigma2=0&u3=200&sigma3=100', 'other curves there: 0.6065.'],
      [
        'on=1,2&sigma1=0&sigma2=0',
        'u = 100 and u = 250: each is 0 where the other peaks, so the product is 0 everywhere.',
      ],
      [
        'on=1,2&u1=300&sigma1=120&u2=420&sigma2=0&names=bayes&lang=de',
        'Also ist die A-posteriori-Verteilung überall 0 außer bei u = 420',
      ],
      // The picture's recalculation divides by the sigma of 0: the words say why it prints 0.
      [
        'lesson=sigma-zero&recalc',
        '',
        'Combined: u = 0, sigma = 0 (dividing by sigma 0 gives no u, so the picture prints 0)',
      ],
      ['on=1,2&sigma1=0&sigma2=0&recalc&lang=de', '', '(die Division durch sigma 0 ergibt kein u; das Bild zeigt 0)'],
    ];
    for (const [query, expected, words = ''] of cases) {
      const page = await open(query);
      const shown = await text(page, '#working-steps');
      assert.ok(shown.includes(expected), `${query}: ${shown}`);
      assert.ok((await text(page, '#words')).includes(words), `${query}: ${words}`);
      assert.doesNotMatch(shown, /the product is 0 everywhere too/);
      await h.looksRight(page, query);
      await page.context().close();
    }
  });

  it('the combined values never contradict the working: the exact ones too where the picture’s mislead', async () => {
    const cases = [
      ['lesson=same-mean&recalc', 'Combined: u = 399, sigma = 47 (exactly 400 and 47.43)'],
      ['lesson=same-mean&recalc&lang=fr', 'Courbe combinée : u = 399, sigma = 47 (exactement 400 et 47,43)'],
      ['recalc', 'Combined: u = 233, sigma = 66'], // 233.6 and 66.14, cut
    ];
    for (const [query, line] of cases) {
      const page = await open(query);
      assert.equal((await text(page, '#words')).split('\n')[5], line, query);
      await h.looksRight(page, query);
      await page.context().close();
    }
    // And as announced, when the mode changes to Parameter Recalculation.
    const page = await open('lesson=same-mean');
    await page.locator('#canvas').press('Enter');
    await page.waitForFunction(() => document.getElementById('announce').textContent);
    assert.equal(await page.locator('#announce').textContent(), 'Parameter Recalculation. Combined u 399, sigma 47.');
    await h.looksRight(page, 'the same mean, recalculated');
    await page.context().close();
  });

  it('no Gaussian on in Parameter Recalculation: no combined curve, in the words and as announced', async () => {
    const page = await open('recalc&on=1');
    await page.evaluate(() => {
      const told = window.Module.onBellscopeState;
      window.Module.onBellscopeState = (state) => told((window.lastState = state));
    });
    await page.locator('#canvas').press('F1');
    await page.waitForFunction(() => document.getElementById('announce').textContent.includes('Combined: none'));
    const state = await page.evaluate(() => window.lastState);
    assert.deepEqual([state.mode.recalc, state.combined], [true, null], 'nor in the state a course page hears of');
    assert.match(await text(page, '#words'), /\nCombined: none, as no Gaussian is on$/);
    assert.doesNotMatch(await text(page, '#about'), /1000000000|-100\b/);
    await h.looksRight(page, 'no Gaussian on');
    await page.context().close();
  });

  it('names reach the white curve and show under the buttons’ numbers, named "Gaussian 1" to "Gaussian 4" and so', async () => {
    const cases = [
      ['names=bayes', ['Prior', 'M1', 'M2', 'M3'], 'the posterior', 'Prior by Measurement 1, then by Measurement 2'],
      ['names=sensors', ['A', 'B', 'C', 'D'], 'the fused estimate', 'Sensor A by Sensor B, then by Sensor C'],
      ['names=gaussians', ['', '', '', ''], 'the product', 'Gaussian 1 by Gaussian 2, then by Gaussian 3'],
      [
        'names=bayes&lang=de',
        ['Vorwissen', 'M1', 'M2', 'M3'],
        'die A-posteriori-Verteilung',
        'Vorwissen mit Messung 1',
      ],
    ];
    for (const [query, short, product, order] of cases) {
      const page = await open(`${query}&on=1,2`, PHONE);
      const gaussian = query.includes('lang=de') ? 'Gaußkurve' : 'Gaussian';
      for (const [i, name] of short.entries()) {
        // The words it shows follow in its name.
        const label = `${gaussian} ${i + 1} ${name}`.trim();
        const button = page.getByRole('button', { name: label, exact: true });
        assert.equal(await button.count(), 1, `${query}: ${label} by its accessible name`);
        const under = button.locator('.curve-name');
        assert.equal(await under.innerText(), name, `${query}: the name under button ${i + 1}'s number`);
        assert.equal(await under.isVisible(), Boolean(name));
      }
      const all = `${await text(page, '#words')}\n${await text(page, '#working-steps')}`;
      for (const where of [
        /(Height of|Höhe, die) /,
        /(white curve is|weiße Kurve ist) /,
        /(by point,|Punktweise erreicht) /,
      ])
        assert.match(all, new RegExp(`${where.source}${product}`), `${query}: ${product}`);
      assert.ok((await text(page, '#working-intro')).includes(order), `${query}: the working multiplies ${order}`);
      await page.locator('#canvas').press('ArrowRight');
      // As a sentence begins: "The posterior peaks at ...".
      const begun = product[0].toUpperCase() + product.slice(1);
      await page.waitForFunction((p) => document.getElementById('announce').textContent.includes(p), begun);
      await h.looksRight(page, query);
      await page.context().close();
    }
  });

  it('the short names make the controls no taller, on a desktop and on phones', async () => {
    // The controls as the layout measures them (without what comes and
    // goes), and their on/off row, with each choice of names.
    const heights = (page) =>
      page.evaluate(() => {
        const panel = document.getElementById('panel');
        panel.classList.add('measuring');
        const row = document.getElementById('on-label').parentElement;
        const sizes = [panel.offsetHeight, row.offsetHeight];
        panel.classList.remove('measuring');
        return sizes;
      });
    for (const [device, lang] of [
      [DESKTOP, 'es'],
      [DESKTOP, 'de'],
      [PHONE, 'ar'],
      [h.device(844, 390, 3), 'en'],
    ]) {
      const page = await h.openPage(browser, `${site.url}?lang=${lang}`, ...device);
      const [panel, row] = await heights(page);
      for (const names of ['bayes', 'sensors']) {
        await page.locator('#names').selectOption(names);
        await h.frames(page);
        const state = `${lang} at ${device[0].width}x${device[0].height}, ${names}`;
        const [panelNamed, rowNamed] = await heights(page);
        assert.ok(panelNamed <= panel && rowNamed <= row, `${state}: ${panelNamed}, ${rowNamed} for ${panel}, ${row}`);
        await h.looksRight(page, state);
      }
      await page.context().close();
    }
  });

  it('every text grows with the browser’s font, code too, and <-- reads as the picture draws it in Arabic', async () => {
    const page = await open('lang=ar&names=bayes');
    const sizes = () =>
      page.$$eval('body *', (all) =>
        all
          .filter((e) => [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()))
          .filter((e) => e.checkVisibility() && !e.closest('.visually-hidden, option'))
          .map((e) => [e.tagName + (e.id ? '#' + e.id : ''), parseFloat(getComputedStyle(e).fontSize)]),
      );
    const before = await sizes();
    // Twice the font: the root's, and the browser's own default, whose
    // monospace size (13 pixels) a text in a monospace font of no size of
    // its own keeps.
    const cdp = await page.context().newCDPSession(page);
    const larger = [
      () => page.evaluate(() => (document.documentElement.style.fontSize = '200%')),
      async () => {
        await page.evaluate(() => (document.documentElement.style.fontSize = ''));
        await cdp.send('Page.setFontSizes', { fontSizes: { standard: 32, fixed: 13 } });
      },
    ];
    for (const [way, enlarge] of larger.entries()) {
      await enlarge();
      await page.evaluate(() => window.dispatchEvent(new Event('resize'))); // laid out again, as opened so
      await h.frames(page);
      const after = await sizes();
      const stayed = before.filter(([, size], i) => after[i][1] < 1.9 * size).map(([what]) => what);
      assert.deepEqual(stayed, [], `texts that did not grow (${way ? "the browser's font" : "the root's"})`);
      await h.looksRight(page, `Arabic at twice the font (${way ? "the browser's" : "the root's"})`);
    }
    assert.ok(before.some(([what]) => what === 'CODE'));
    // The marker's characters from left to right on the screen: <, -, -.
    const order = (selector) =>
      page.$eval(selector, (code) => {
        const at = (i) => {
          const range = document.createRange();
          range.setStart(code.firstChild, i);
          range.setEnd(code.firstChild, i + 1);
          return range.getBoundingClientRect().left;
        };
        return [...code.textContent]
          .map((c, i) => [c, at(i)])
          .sort((a, b) => a[1] - b[1])
          .map(([c]) => c)
          .join('');
      });
    assert.equal(await order('#controls-table code'), '<--', 'in the controls table');
    await page.getByRole('button', { name: 'مساعدة لوحة المفاتيح' }).click();
    assert.equal(await order('#help code'), '<--', 'in the keyboard help');
    await page.context().close();
  });
});
