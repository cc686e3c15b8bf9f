// The page as a classroom tool, in headless Chromium with the devices of a
// classroom emulated: it fits every screen crisply, its controls act as the
// keys and drags they stand for (by touch alone), it says in words what the
// picture shows, axe-core finds nothing, the colour-blind-safe colours keep
// their distances, and random input leaves no trace.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');
const colour = require('./colour');

const scenarios = h.scenarios();
let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

const { device, VIEWPORTS, axe } = h;
const TABLET = device(810, 1080, 2);

async function layout(page) {
  return page.evaluate(() => {
    const box = (e) => e.getBoundingClientRect();
    const canvas = document.getElementById('canvas');
    // The controls; rows that come and go (.transient) are not measured.
    const controls = [...document.querySelectorAll('#panel button, #panel input')].filter(
      (e) => !e.closest('.transient'),
    );
    const inside = [canvas, ...controls].map(box);
    return {
      canvas: box(canvas).toJSON(),
      ratio: devicePixelRatio,
      smooth: getComputedStyle(canvas).imageRendering === 'auto',
      view: [innerWidth, innerHeight],
      scrollWidth: document.documentElement.scrollWidth,
      outside: inside.filter(
        (r) => r.left < 0 || r.top < 0 || r.right > innerWidth + 0.01 || r.bottom > innerHeight + 0.01,
      ).length,
      sideways: inside.filter((r) => r.left < 0 || r.right > innerWidth + 0.01).length,
    };
  });
}

describe('the picture and the controls fit every screen together, the picture large enough', () => {
  for (const [width, height, ratio, expected] of VIEWPORTS) {
    it(`${width}x${height} at ${ratio}`, async () => {
      const page = await h.openPage(browser, site.url, ...device(width, height, ratio));
      const l = await layout(page);
      assert.ok(l.scrollWidth <= l.view[0], 'no sideways scrolling');
      const k = (l.canvas.width * ratio) / h.WIDTH;
      if (expected === 'fill') {
        assert.ok(l.canvas.width >= 0.95 * l.view[0], `${l.canvas.width} CSS pixels of ${l.view[0]}`);
        assert.equal(l.sideways, 0, 'the controls below, none off to the side');
      } else {
        assert.equal(l.outside, 0, 'everything on screen, without scrolling');
        assert.ok(
          !l.smooth && Math.abs(k - expected) < 0.01,
          `${k} device pixels per image pixel, ${expected} expected`,
        );
        assert.ok(Math.abs(l.canvas.left * ratio - Math.round(l.canvas.left * ratio)) < 0.05, 'on whole device pixels');
      }
      // The pointer maps to the right column at this scale.
      if (!device(width, height, ratio)[1].hasTouch)
        assert.deepEqual(await h.play(page, scenarios['release-outside']), []);
      assert.deepEqual(page.errors, []);
      await page.context().close();
    });
  }
});

// Taps by touch alone that give the frames of the controls scenario.
const TAPS = [
  ['control-gaussian-3', ['Gaussian 3']],
  ['control-next', ['Select next Gaussian']],
  ['control-right', ['Move mean right']],
  ['control-left-twice', ['Move mean left', 'Move mean left']],
  ['control-wider', ['Wider']],
  ['control-narrower-twice', ['Narrower', 'Narrower']],
  ['control-previous', ['Select previous Gaussian']],
  ['control-mode', ['Combining mode: Point by Point Multiplication']],
  ['control-gaussian-1', ['Gaussian 1']],
];

async function words(page) {
  return (await page.locator('#words').innerText()).split('\n');
}

async function tapped(page, name) {
  await page.getByRole('button', { name, exact: true }).tap();
  await h.frames(page, 4); // a drag takes three passes
}

describe('the on-screen controls', () => {
  it('act as their keys and drags, by touch on a tablet', async () => {
    const page = await h.openPage(browser, site.url, ...TABLET);
    for (const [frame, names] of TAPS) {
      for (const name of names) await tapped(page, name);
      assert.equal(await h.frameDifference(page, frame), null);
      await h.looksRight(page, `tablet, ${frame}`);
    }
    assert.equal(
      await page.getByRole('button', { name: 'Gaussian 1', exact: true }).getAttribute('aria-pressed'),
      'false',
    );
    assert.equal(await page.evaluate(() => document.activeElement === document.body), true, 'no focus kept');
    assert.deepEqual(page.errors, []);
  });

  it('one finger scrolls a phone’s page down to the text below and back up', async () => {
    const page = await h.openPage(browser, site.url, ...device(390, 844, 3));
    const cdp = await page.context().newCDPSession(page);
    // On the controls, between them (a finger on a button holds it).
    const box = await page.locator('#panel').boundingBox();
    const x = box.x + box.width - 2;
    const y = box.y + box.height - 40;
    assert.equal(await page.evaluate(([x, y]) => document.elementFromPoint(x, y).closest('button'), [x, y]), null);
    // Half a second's drag, held still before the finger lifts: stamped with
    // those times, so that however busy the machine, no fling follows.
    const swipe = async (from, to) => {
      const start = Date.now() / 1000;
      const touch = (type, tick, touchPoints) =>
        cdp.send('Input.dispatchTouchEvent', { type, touchPoints, timestamp: start + tick * 0.05 });
      await touch('touchStart', 0, [{ x, y: from }]);
      for (let i = 1; i <= 10; ++i) await touch('touchMove', i, [{ x, y: from + ((to - from) * i) / 10 }]);
      await touch('touchMove', 16, [{ x, y: to }]);
      await touch('touchEnd', 17, []);
    };
    await swipe(y, y - 500);
    await page.waitForFunction(() => scrollY > 300);
    await swipe(y - 500, y);
    await page.waitForFunction(() => scrollY === 0);
    assert.deepEqual(page.errors, []);
  });

  it('repeat while held and stop when let go, also across a resize', async () => {
    const page = await h.openPage(browser, site.url, ...TABLET);
    const cdp = await page.context().newCDPSession(page);
    const box = await page.getByRole('button', { name: 'Move mean right' }).boundingBox();
    const finger = [{ x: box.x + box.width / 2, y: box.y + box.height / 2, id: 1 }];
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: finger });
    await page.waitForTimeout(700);
    await page.setViewportSize({ width: 1080, height: 810 }); // turned in the middle of the hold
    await page.waitForTimeout(300);
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    await h.frames(page, 4);
    const turned = await layout(page);
    await h.looksRight(page, 'turned to 1080x810 while held');
    assert.ok(turned.outside === 0 && Math.abs(turned.canvas.width * 2 - 2 * h.WIDTH) < 0.1, 'laid out afresh');
    const released = await words(page);
    const u = Number(/u = (\d+)/.exec(released[0])[1]);
    assert.ok(u >= 105 && u <= 130, `u ${u} after a second's hold`);
    await page.waitForTimeout(400);
    assert.deepEqual(await words(page), released, 'no repeat after release');
    assert.deepEqual(page.errors, []);
  });

  it('work from the keyboard: Enter and Space press the focused control only', async () => {
    const page = await h.openPage(browser, site.url, { width: 1366, height: 768 });
    const focused = () => page.evaluate(() => document.activeElement.getAttribute('aria-label'));
    const ring = () => page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
    await page.keyboard.press('Tab'); // the picture first
    assert.match(await focused(), /^BELLSCOPE: Gaussian curves/);
    assert.equal(await ring(), 'solid', 'focus visible on the picture');
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Gaussian 1');
    assert.equal(await ring(), 'solid', 'focus visible');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'Gaussian 3');
    await page.keyboard.press('Enter'); // on, and the mode stays
    await h.frames(page);
    assert.equal(await h.frameDifference(page, 'control-gaussian-3'), null);
    await h.looksRight(page, 'Gaussian 3 on by the keyboard, its button focused');
    await page.keyboard.press('Space'); // off again
    await page.keyboard.press('ArrowRight'); // every other key reaches the program
    await h.frames(page);
    assert.match((await words(page))[0], /^Gaussian 1: on, u = 101, sigma = 200 \(selected\)$/);
    assert.match((await words(page))[2], /^Gaussian 3: off/);
    assert.deepEqual(page.errors, []);
  });

  it('hold no button when pressed in the middle of a mouse drag', async () => {
    const page = await h.openPage(browser, site.url, ...device(1080, 810, 2));
    await page.mouse.move(...(await h.pagePoint(page, 400, 200)));
    await page.mouse.down({ button: 'right' });
    await page.mouse.move(...(await h.pagePoint(page, 420, 200)));
    await h.frames(page);
    await tapped(page, 'Wider');
    await page.mouse.move(...(await h.pagePoint(page, 480, 200)));
    await page.mouse.up({ button: 'right' });
    await h.frames(page);
    const settled = await words(page);
    await page.mouse.move(...(await h.pagePoint(page, 600, 200)));
    await h.frames(page);
    assert.deepEqual(await words(page), settled, 'no drag goes on after the release');
    assert.deepEqual(page.errors, []);
  });
});

describe('words for screen readers', () => {
  it('say what the picture shows, and announce changes briefly', async () => {
    const page = await h.openPage(browser, site.url, { width: 1366, height: 768 });
    // The page's clock is the test's: each key has frames of its own, and
    // the pause that ends an announcement is as long as it is said to be,
    // however slowly the machine runs.
    await page.clock.install();
    await page.clock.pauseAt((await page.evaluate(() => Date.now())) + 1000);
    for (const key of ['F3', 'ArrowDown', 'ArrowRight', 'Enter']) {
      await page.keyboard.press(key);
      await page.clock.runFor(100);
    }
    assert.equal(await page.locator('#announce').textContent(), '', 'nothing said while the keys come');
    await page.clock.runFor(400);
    assert.deepEqual(await words(page), [
      'Gaussian 1: on, u = 100, sigma = 200',
      'Gaussian 2: on, u = 251, sigma = 70 (selected)',
      'Gaussian 3: on, u = 300, sigma = 40',
      'Gaussian 4: off, u = 350, sigma = 100',
      'Combining mode: Parameter Recalculation',
      'Combined: u = 282, sigma = 34',
    ]);
    // The numbers are those of the picture: the frame of the same keys.
    const said = await page.locator('#announce').textContent();
    assert.equal(
      said,
      'Gaussian 3 on. Gaussian 2 selected. Gaussian 2 u 251. Parameter Recalculation. ' + 'Combined u 282, sigma 34.',
    );
    assert.equal(await page.locator('#announce').getAttribute('aria-live'), 'polite');
    await h.looksRight(page, 'three curves in Parameter Recalculation');
  });

  it('a key pressed before the first frame is put into words is announced as any other', async () => {
    // As on a busy machine: the first frame's words wait, here until the
    // test lets them come.
    const init = () => {
      const mark = performance.mark.bind(performance);
      performance.mark = (name, ...rest) => {
        if (name === 'bellscope-first-frame') {
          const later = window.setTimeout;
          window.setTimeout = (words) => {
            window.setTimeout = later;
            window.showFirstWords = () => later(words);
            return 0;
          };
        }
        return mark(name, ...rest);
      };
    };
    const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
    await context.addInitScript(init);
    const page = await context.newPage();
    await page.goto(site.url);
    await page.waitForFunction(() => window.showFirstWords);
    await page.locator('#canvas').press('ArrowDown');
    await h.frames(page);
    await page.evaluate(() => window.showFirstWords());
    await page.waitForFunction(() => document.getElementById('announce').textContent !== '');
    assert.equal(await page.locator('#announce').textContent(), 'Gaussian 2 selected.');
    assert.match(await words(page).then((lines) => lines[1]), /^Gaussian 2: .*\(selected\)$/);
    await h.looksRight(page, 'a key pressed before the first words');
    await context.close();
  });
});

describe('announcements in the page’s language', () => {
  it('begin each sentence with a capital, and list names as the language lists them', async () => {
    const right = (page) => page.locator('#canvas').press('ArrowRight');
    const listen = (page) => page.getByRole('button', { name: /^(Listen|播放声音|استماع)$/ }).click();
    const cases = [
      ['lang=en&names=bayes', right, 'Prior u 101. The posterior peaks at 0.781.'],
      ['lang=de&names=bayes', right, 'Vorwissen u 101. Die A-posteriori-Verteilung erreicht 0,781.'],
      ['lang=pt-BR&names=bayes', right, 'A priori u 101. A curva a posteriori chega a 0,781.'],
      ['lang=en&on=1,2,3', listen, 'Playing Gaussian 1, Gaussian 2, and Gaussian 3, then the product:'],
      ['lang=zh-CN&on=1,2,3', listen, '正在播放高斯曲线 1、高斯曲线 2和高斯曲线 3，然后是乘积：'],
      ['lang=ar&on=1,2,3', listen, 'يُعزف المنحنى الغاوسي 1 والمنحنى الغاوسي 2 والمنحنى الغاوسي 3، ثم حاصل الضرب:'],
    ];
    for (const [query, act, said] of cases) {
      const page = await h.openPage(browser, `${site.url}?${query}`, { width: 1366, height: 768 });
      await act(page);
      await page.waitForFunction(() => document.getElementById('announce').textContent);
      assert.ok((await page.locator('#announce').textContent()).startsWith(said), `${query}: ${said}`);
      await h.looksRight(page, `${query}, announced`);
      await page.context().close();
    }
  });
});

describe('accessibility', () => {
  it('messages and the link row never shrink the picture, and the link row closes', async () => {
    for (const [width, height, ratio] of [
      [844, 390, 3],
      [390, 844, 3],
      [1366, 768, 1],
    ]) {
      const page = await h.openPage(browser, site.url + '?u1=1e999', ...device(width, height, ratio));
      await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
      const size = async () => {
        const { width, height } = (await layout(page)).canvas;
        return [width, height];
      };
      const before = await size();
      const sigma = page.getByRole('textbox', { name: 'sigma', exact: true });
      await sigma.fill('abc');
      await sigma.press('Enter');
      await page.getByRole('button', { name: 'Copy link' }).click();
      await page.getByText('Copied.').waitFor();
      const name = `${width}x${height}`;
      assert.deepEqual(await size(), before, `${name}: with the link, a refusal and the address's error`);
      await h.looksRight(page, `${name} with the link, a refusal and the address's error`);
      await page.getByRole('button', { name: 'Close the link' }).click();
      assert.equal(await page.isHidden('#link-row'), true, name);
      await h.looksRight(page, `${name}, the link closed`);
      assert.deepEqual(await size(), before, name);
      assert.deepEqual(page.errors, []);
    }
  });

  it('inside a course page: a click gives the frame the keys, the host hears of each view, copying refused in words', async () => {
    const page = await (await browser.newContext({ viewport: { width: 1366, height: 900 } })).newPage();
    page.errors = [];
    page.on('console', (m) => m.type() === 'error' && page.errors.push(m.text()));
    page.on('pageerror', (e) => page.errors.push(e.message));
    await page.setContent(
      `<p style="height:2000px">Course page</p><iframe src="${site.url}" width="1200" height="700"></iframe>
       <script>window.heard = []; addEventListener('message', (e) => heard.push(e.data));</script>`,
    );
    const frame = page.frameLocator('iframe');
    await frame.locator('#status').waitFor({ state: 'hidden' });
    await page.locator('iframe').scrollIntoViewIfNeeded();
    const scrolled = await page.evaluate(() => scrollY);
    await frame.getByRole('button', { name: 'Select next Gaussian' }).click();
    for (const key of ['ArrowRight', 'ArrowRight', 'PageDown']) await page.keyboard.press(key);
    await page.waitForFunction(() => window.heard.some((m) => m.state.gaussians[1].u === 252));
    const last = await page.evaluate(() => window.heard.at(-1));
    assert.equal(last.type, 'bellscope-view');
    assert.equal(last.address, `${site.url}?select=2&u2=252`);
    assert.equal(last.state.selected, 2);
    assert.equal(await page.evaluate(() => scrollY), scrolled, 'the keys went to the frame, not the host');
    await frame.getByRole('button', { name: 'Copy link' }).click();
    await frame.getByText('The page around BELLSCOPE does not allow copying').waitFor();
    await h.looksRight(page.frames()[1], 'in a course page, copying refused');
    assert.deepEqual(page.errors, []);
  });

  it('inside a course page: the host hears of the address Copy link gives, lesson, language and challenge', async () => {
    const page = await (await browser.newContext({ viewport: { width: 1366, height: 900 } })).newPage();
    // Each with the words for Copy link and for its field.
    const cases = [
      ['lesson=equal&u2=480', 'Copy link', 'Link to this view'],
      ['lang=fr&select=2', 'Copier le lien', 'Lien vers cette vue'],
      ['lang=de&challenge=42', 'Link kopieren', 'Link zu dieser Ansicht'],
    ];
    for (const [query, copy, field] of cases) {
      await page.setContent(
        `<iframe src="${site.url}?${query}" width="1200" height="700"></iframe>
         <script>window.heard = []; addEventListener('message', (e) => heard.push(e.data));</script>`,
      );
      const frame = page.frameLocator('iframe');
      await frame.locator('#status').waitFor({ state: 'hidden' });
      await frame.getByRole('button', { name: copy }).click();
      const link = await frame.getByRole('textbox', { name: field }).inputValue();
      assert.equal(link, `${site.url}?${query}`);
      await page.waitForFunction(() => window.heard.length);
      assert.equal(await page.evaluate(() => window.heard.at(-1).address), link, query);
      await h.looksRight(page.frames()[1], `in a course page, ${query} copied`);
    }
  });

  it('a frame that forbids downloads and storage: the page shows the picture to save, and says why', async () => {
    const context = await browser.newContext({ viewport: { width: 1366, height: 900 } });
    // As a host that forbids storage: every frame's localStorage refuses.
    await context.addInitScript(() =>
      Object.defineProperty(window, 'localStorage', {
        get: () => {
          throw new DOMException('The host forbids storage', 'SecurityError');
        },
      }),
    );
    const page = await context.newPage();
    const errors = [];
    page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
    page.on('pageerror', (e) => errors.push(e.message));
    const frameHtml = `<iframe sandbox="allow-scripts allow-same-origin" src="${site.url}" width="1200" height="800">`;
    await page.setContent(frameHtml + '</iframe>');
    const frame = page.frameLocator('iframe');
    await frame.locator('#status').waitFor({ state: 'hidden' });
    await frame.getByRole('button', { name: 'Save picture' }).click();
    await frame.getByText('does not allow downloads').waitFor();
    const picture = frame.getByRole('img', { name: /^The picture to save/ });
    await picture.waitFor();
    assert.equal(await picture.evaluate((img) => img.complete && img.naturalWidth), 800);
    await h.looksRight(page.frames()[1], 'in a frame, the picture to save shown');
    await frame.getByRole('button', { name: 'Close the picture' }).click();
    assert.equal(await picture.isHidden(), true);
    // Nor may it store the choice of colours: it says so, and the choice holds.
    await frame.getByRole('combobox', { name: 'Colours' }).selectOption({ label: 'Light, for projectors' });
    await frame.getByText('This page may not store anything here').waitFor();
    await h.looksRight(page.frames()[1], 'in a frame, storing refused');
    // The browser's own word on the dropped download is the only error.
    assert.deepEqual(
      errors.filter((e) => !/Download is disallowed/.test(e)),
      [],
    );
  });

  it("text follows the reader's font size, and two fingers zoom the page outside the picture", async () => {
    const page = await h.openPage(browser, site.url, ...device(390, 844, 3));
    const sizes = () =>
      page.evaluate(() =>
        ['#mode', '#about p', '#field-u'].map((s) => parseFloat(getComputedStyle(document.querySelector(s)).fontSize)),
      );
    const before = await sizes();
    await page.evaluate(() => (document.documentElement.style.fontSize = '200%'));
    assert.deepEqual(
      await sizes(),
      before.map((size) => 2 * size),
    );
    await h.frames(page);
    await h.looksRight(page, 'phone, text at 200%');
    // Headless Chromium ignores synthesised pinches: what allows them is checked.
    const actions = await page.evaluate(() =>
      ['#canvas', '#mode', '#app', '#about'].map((s) => getComputedStyle(document.querySelector(s)).touchAction),
    );
    assert.deepEqual(actions, ['none', 'pinch-zoom', 'pan-y pinch-zoom', 'auto']);
    const viewport = await page.evaluate(() => document.querySelector('meta[name="viewport"]').content);
    assert.doesNotMatch(viewport, /user-scalable=no|maximum-scale/);
  });

  it('Keyboard help: ? opens it at its top from the picture, it keeps the focus, and Esc closes it without ending', async () => {
    // Opened at its top, its title in view and the focus on it, also on a
    // phone (in German, whose long words the table hyphenates).
    const phone = await h.openPage(browser, `${site.url}?lang=de`, ...device(390, 844, 3));
    await phone.getByRole('button', { name: 'Tastaturhilfe' }).click();
    const title = phone.getByRole('dialog', { name: 'Tastaturhilfe' }).getByRole('heading', { name: 'Tastaturhilfe' });
    await title.waitFor();
    assert.ok(await title.evaluate((e) => e === document.activeElement), 'the focus at its start');
    const [top, inView, hyphens] = await title.evaluate((e) => [
      e.closest('dialog').scrollTop,
      e.getBoundingClientRect().top >= 0,
      getComputedStyle(e.closest('dialog').querySelector('td')).hyphens,
    ]);
    assert.deepEqual([top, inView, hyphens], [0, true, 'auto'], 'at its top, hyphenated');
    await h.looksRight(phone, 'keyboard help open on a phone');
    await phone.context().close();

    const page = await h.openPage(browser, site.url, { width: 1366, height: 768 });
    const help = page.getByRole('dialog', { name: 'Keyboard help' });
    const focused = () => page.evaluate(() => document.activeElement.id || document.activeElement.tagName);
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'canvas');
    await page.keyboard.press('?');
    await help.waitFor();
    await h.looksRight(page, 'keyboard help open');
    assert.equal(await focused(), 'help-heading');
    assert.ok(
      await help.getByRole('heading', { name: 'Keyboard help' }).evaluate((e) => e.getBoundingClientRect().top >= 0),
    );
    assert.ok(await help.getByRole('cell', { name: 'F1, F2, F3, F4, or the buttons 1 to 4' }).isVisible());
    await page.keyboard.press('Tab');
    assert.equal(await focused(), 'close-help', 'Tab goes on to its controls');
    for (let i = 0; i < 4; ++i) {
      await page.keyboard.press('Tab');
      assert.ok(await page.evaluate(() => document.activeElement.closest('dialog') !== null), 'the focus stays inside');
    }
    await page.keyboard.press('Escape');
    await help.waitFor({ state: 'hidden' });
    assert.equal(await focused(), 'canvas', 'the focus goes back');
    assert.equal(await page.isHidden('#ended'), true, 'Esc did not reach BELLSCOPE');
    await page.getByRole('button', { name: 'Keyboard help' }).click();
    await help.waitFor();
    await help.getByRole('button', { name: 'Close' }).click();
    await help.waitFor({ state: 'hidden' });
    assert.deepEqual(page.errors, []);
  });

  it('Listen plays each curve that is on, then the product, by pitch and place, and costs nothing idle', async () => {
    const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
    // The page's audio, recorded: each sound's pitch and stereo place.
    await context.addInitScript(() => {
      window.heard = { contexts: 0, sounds: [] };
      const Real = window.AudioContext;
      window.AudioContext = class extends Real {
        constructor() {
          super();
          window.heard.contexts++;
          window.heard.last = this;
        }
        createOscillator() {
          const oscillator = super.createOscillator();
          const sound = {};
          window.heard.sounds.push(sound);
          const curve = oscillator.frequency.setValueCurveAtTime.bind(oscillator.frequency);
          oscillator.frequency.setValueCurveAtTime = (values, ...rest) => (
            (sound.pitch = [...values]),
            curve(values, ...rest)
          );
          return oscillator;
        }
        createStereoPanner() {
          const panner = super.createStereoPanner();
          const curve = panner.pan.setValueCurveAtTime.bind(panner.pan);
          panner.pan.setValueCurveAtTime = (values, ...rest) => {
            window.heard.sounds.at(-1).place = [...values];
            return curve(values, ...rest);
          };
          return panner;
        }
      };
    });
    const page = await context.newPage();
    await page.goto(site.url + '?on=1,3');
    await page.waitForFunction(() => document.getElementById('status').hidden);
    await page.waitForTimeout(300);
    assert.equal(await page.evaluate(() => window.heard.contexts), 0, 'no audio before Listen');
    const listen = page.getByRole('button', { name: 'Listen' });
    await listen.click();
    await page.waitForFunction(() => document.getElementById('announce').textContent.startsWith('Playing'));
    assert.match(await page.locator('#announce').textContent(), /^Playing Gaussian 1 and Gaussian 3, then the product/);
    await h.looksRight(page, 'listening');
    const sounds = await page.evaluate(() => window.heard.sounds);
    assert.equal(sounds.length, 3, 'Gaussian 1, Gaussian 3 and the product');
    // Where each pitch peaks, as a column: u = 100, 300, and the product's.
    const peak = (pitch) => Math.round((pitch.indexOf(Math.max(...pitch)) * 799) / (pitch.length - 1));
    const product = 100 + (300 - 100) * (1 / 40 ** 2 / (1 / 40 ** 2 + 1 / 200 ** 2));
    for (const [sound, column] of [
      [sounds[0], 100],
      [sounds[1], 300],
      [sounds[2], product],
    ]) {
      assert.ok(Math.abs(peak(sound.pitch) - column) <= 4, `peaks at ${peak(sound.pitch)}, not ${column}`);
      assert.ok(sound.place[0] === -1 && sound.place.at(-1) === 1, 'from the left to the right');
    }
    assert.ok(Math.max(...sounds[0].pitch) <= 4 * Math.min(...sounds[0].pitch) + 1, 'two octaves at most');
    await listen.click(); // pressed again: it stops
    await page.waitForFunction(() => window.heard.last.state === 'closed');
    assert.equal(await listen.getAttribute('aria-pressed'), 'false');
    await listen.click();
    await page.keyboard.press('Escape'); // Esc stops it too
    await page.waitForFunction(() => window.heard.last.state === 'closed');
    await context.close();
  });

  it('forced colours, light and dark, still show each Gaussian on or off and the selected one', async () => {
    for (const [colorScheme, colours] of [
      ['light', 'design'],
      ['dark', 'design'],
      ['light', 'light'],
      ['dark', 'light'],
    ]) {
      const page = await h.openPage(
        browser,
        site.url + '?on=1,3&select=3',
        { width: 1366, height: 768 },
        {
          init: `localStorage.setItem('bellscope.colours', '${colours}')`,
        },
      );
      await page.emulateMedia({ forcedColors: 'active', colorScheme });
      const marks = await page.evaluate(() =>
        [...document.querySelectorAll('.gaussian')].map((b) => {
          const style = getComputedStyle(b);
          const number = getComputedStyle(b.querySelector('.number')); // underlined where selected
          return [style.borderTopStyle, number.textDecorationLine, style.borderTopWidth];
        }),
      );
      assert.deepEqual(
        marks,
        [
          ['solid', 'none', '2px'],
          ['dashed', 'none', '2px'],
          ['solid', 'underline', '4px'],
          ['dashed', 'none', '2px'],
        ],
        `${colorScheme}, ${colours}`,
      );
      await h.looksRight(page, `forced colours, ${colorScheme}, ${colours}`);
    }
  });

  it('axe-core finds nothing under WCAG 2.2 AA and best practice: running, after Esc, on a phone', async () => {
    const page = await h.openPage(browser, site.url, { width: 1366, height: 768 });
    assert.deepEqual(await axe(page), [], 'running');
    await page.keyboard.press('Escape');
    await page.getByText('BELLSCOPE has ended').waitFor();
    await h.looksRight(page, 'ended');
    assert.deepEqual(await axe(page), [], 'after Esc');
    const phone = await h.openPage(browser, site.url, ...device(390, 844, 3));
    assert.deepEqual(await axe(phone), [], 'phone');
  });
});

// The colours on the canvas: of each Gaussian's parameter line, the
// commonest colour in its rows that is neither the background nor the
// ON/OFF highlight; of a challenge's guess, the same (undefined outside a
// challenge); and of the background, the instructions and the credit.
async function shownColours(page) {
  const rows = await page.evaluate(() => {
    const context = document.getElementById('canvas').getContext('2d');
    const row = (y, height) => Array.from(context.getImageData(0, y, 680, height).data);
    return {
      lines: [0, 1, 2, 3].map((k) => row(10 + 20 * k, 16)),
      texts: [row(350, 8), row(430, 8)],
      guess: row(140, 16),
    };
  });
  const commonest = (data, not) => {
    const counts = new Map();
    for (let i = 0; i < data.length; i += 4) {
      const rgb = data.slice(i, i + 3).join(',');
      if (!not.includes(rgb)) counts.set(rgb, (counts.get(rgb) || 0) + 1);
    }
    const found = [...counts].sort((x, y) => y[1] - x[1])[0];
    return found && found[0];
  };
  const background = commonest(rows.texts[0], []);
  const rgb = (text) => text && text.split(',').map(Number);
  const others = [background, '249,249,249', '0,0,0'];
  return {
    guess: rgb(commonest(rows.guess, others)),
    background: rgb(background),
    lines: rows.lines.map((data) => rgb(commonest(data, others))),
    texts: rows.texts.map((data) => rgb(commonest(data, [background]))),
  };
}

describe('colour profiles', () => {
  // Each with the colour of the product, which the figures include, and
  // whether its texts must meet the contrast too (the colour-blind-safe
  // colours keep the design's greys).
  const profiles = [
    ['Colour-blind-safe', [255, 255, 255], false],
    ['Light, for projectors', [0, 0, 0], true],
  ];
  for (const [name, product, texts] of profiles)
    it(`${name}: contrast and distances met, the buttons in the same colours, remembered`, async () => {
      const page = await h.openPage(browser, site.url, { width: 1366, height: 768 });
      const design = await shownColours(page);
      await page.getByRole('combobox', { name: 'Colours' }).selectOption({ label: name });
      await h.frames(page);
      const shown = await shownColours(page);
      for (const c of [...shown.lines, ...(texts ? shown.texts : [])]) {
        const ratio = colour.contrast(c, shown.background);
        assert.ok(ratio >= 4.5, `${c}: ${ratio.toFixed(2)}:1 on ${shown.background}`);
      }
      for (const vision of colour.VISIONS) {
        const d = colour.smallestDistance([...shown.lines, product], vision);
        assert.ok(d >= 25, `${vision}: two colours only ΔE ${d.toFixed(1)} apart`);
      }
      // A challenge's guess meets the same figures.
      await page.getByRole('button', { name: 'Challenge' }).click();
      await h.frames(page);
      const { guess } = await shownColours(page);
      await h.looksRight(page, `${name}, a challenge`);
      assert.ok(colour.contrast(guess, shown.background) >= 4.5, `guess ${guess}`);
      for (const vision of colour.VISIONS)
        assert.ok(colour.smallestDistance([...shown.lines, product, guess], vision) >= 25, `guess, ${vision}`);
      // The design's own colours fail, which is why there is a choice.
      assert.ok(colour.smallestDistance([...design.lines, [255, 255, 255]], 'protanopia') < 25);
      const swatches = await page.evaluate(() =>
        Array.from(document.querySelectorAll('.gaussian'), (b) => b.style.getPropertyValue('--colour')),
      );
      assert.deepEqual(
        swatches,
        shown.lines.map((c) => `rgb(${c.join(', ')})`),
      );
      // Left, so that the reload shows no challenge: the address follows it.
      await page.getByRole('button', { name: 'Leave challenge' }).click();
      await page.reload();
      await page.waitForFunction(() => document.getElementById('status').hidden);
      await h.frames(page);
      assert.deepEqual(await shownColours(page), shown, 'remembered');
      // Arrows in a list choose in it: random keys may have chosen colours, a
      // language, or a lesson, whose start Start again would go back to.
      await page.locator('#colours').selectOption('design');
      await page.locator('#language').selectOption('en');
      await page.waitForFunction(() => document.documentElement.lang === 'en');
      await page.locator('#lesson-list').selectOption('');
      await h.frames(page);
      assert.equal(await h.frameDifference(page, 'startup'), null, "the design's colours again");
    });

  it('a system that asks for more contrast starts with the colour-blind-safe colours', async () => {
    for (const media of [{ contrast: 'more' }, { forcedColors: 'active' }]) {
      const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
      const fresh = await context.newPage();
      await fresh.emulateMedia(media);
      await fresh.goto(site.url);
      await fresh.waitForFunction(() => document.getElementById('status').hidden);
      assert.equal(
        await fresh.getByRole('combobox', { name: 'Colours' }).inputValue(),
        'colour-blind-safe',
        JSON.stringify(media),
      );
      await context.close();
    }
  });
});

describe('random input', () => {
  it('leaves no error, no growth, and Esc then Start again shows the start-up frame', async () => {
    const seconds = Number(process.env.RANDOM_SECONDS || 20);
    const seed = Number(process.env.RANDOM_SEED || Date.now() % 100000);
    const page = await h.openPage(browser, site.url, ...TABLET);
    const memory = () => page.evaluate(() => window.Module.HEAP8.buffer.byteLength);
    const before = await memory();
    await h.randomInput(page, seconds, seed, { controls: true });
    assert.deepEqual(page.errors, [], `seed ${seed}`);
    assert.equal(await memory(), before, 'WebAssembly memory');
    // Arrows in a list choose in it: random keys may have chosen colours, a
    // language, or a lesson, whose start Start again would go back to.
    await page.locator('#colours').selectOption('design');
    await page.locator('#language').selectOption('en');
    await page.waitForFunction(() => document.documentElement.lang === 'en');
    await page.locator('#lesson-list').selectOption('');
    await h.frames(page);
    const settled = await words(page);
    await page.waitForTimeout(700);
    assert.deepEqual(await words(page), settled, `seed ${seed}: nothing stays held`);
    // Random keys may have scrolled the page (Space, PageDown) or moved the
    // focus: the end starts from the top, with nothing still scrolling.
    await page.evaluate(() => {
      document.activeElement.blur();
      window.scrollTo({ top: 0, behavior: 'instant' });
    });
    await h.frames(page);
    await page.keyboard.press('Escape');
    await page.getByText('BELLSCOPE has ended').waitFor();
    // By keyboard: random fingers may have zoomed the page, which moves
    // where a click lands.
    await page
      .getByRole('button', { name: 'Start again' })
      .press('Enter', { timeout: 10000 })
      .catch((error) => assert.fail(`seed ${seed}: ${error.message}`));
    await h.frames(page);
    const difference = await h.frameDifference(page, 'startup');
    assert.equal(difference, null, `seed ${seed}: ${difference}; the words: ${(await words(page)).join(' | ')}`);
    await h.looksRight(page, `after random input, seed ${seed}, started again`);
  });
});
