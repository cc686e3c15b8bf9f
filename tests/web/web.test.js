// BELLSCOPE's web build in headless Chromium: the served page and the single
// file from disk show the same frames as the Linux program for the same
// input, at scale 1 and 2; touch, Esc and restart, the browser's own keys,
// resizing, and a module that fails to load.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const h = require('./harness');
/* global PROGRAM_EXPORTS, programCalls -- program.js's, used in the page */

const scenarios = h.scenarios();
const SCALE_1 = { width: 1000, height: 700 };
const SCALE_2 = { width: 1800, height: 1200 };
let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

async function expectScale(page, scale) {
  const box = await h.canvasBox(page);
  assert.deepEqual([box.backingWidth, box.backingHeight], [h.WIDTH, h.HEIGHT], 'backing store');
  assert.deepEqual([box.width, box.height], [h.WIDTH * scale, h.HEIGHT * scale], 'shown size');
}

async function expectScenario(page, name) {
  assert.deepEqual(await h.play(page, scenarios[name]), [], `scenario ${name}`);
}

describe('frames match the Linux program pixel for pixel', () => {
  const cases = [
    ['served page at scale 1', () => site.url, SCALE_1, 1],
    ['single file from disk at scale 2', () => h.singleFileUrl, SCALE_2, 2],
  ];
  for (const [title, url, viewport, scale] of cases) {
    it(title, async () => {
      const page = await h.openPage(browser, url(), viewport);
      assert.equal(await page.title(), 'BELLSCOPE');
      await expectScale(page, scale);
      await expectScenario(page, 'e2e');
      await page.reload(); // starts clean, whatever was held
      await page.waitForFunction(() => document.getElementById('status').hidden);
      await expectScenario(page, 'release-outside');
      assert.deepEqual(page.errors, []);
    });
  }

  it('the scale follows the browser window and the pointer mapping with it', async () => {
    const page = await h.openPage(browser, site.url, SCALE_1);
    await page.setViewportSize(SCALE_2);
    await h.frames(page);
    await expectScale(page, 2);
    await h.looksRight(page, 'resized to 1800x1200');
    await page.setViewportSize({ width: 2600, height: 1500 });
    await h.frames(page);
    await expectScale(page, 3);
    await h.looksRight(page, 'resized to 2600x1500');
    await expectScenario(page, 'release-outside');
    await page.setViewportSize({ width: 500, height: 600 }); // narrower than the image: scaled down to fit
    await h.frames(page);
    const box = await h.canvasBox(page);
    assert.ok(box.width <= 500 && Math.abs(box.width / box.height - h.WIDTH / h.HEIGHT) < 0.01, `${box.width} wide`);
    await h.looksRight(page, 'resized to 500x600');
    await expectScenario(page, 'release-outside');
  });
});

describe('the loop', () => {
  it('shows the frame for an input at the next animation frame, and draws nothing while idle', async () => {
    const page = await h.openPage(browser, site.url, SCALE_1);
    const [puts, animationFrames] = await page.evaluate(
      () =>
        new Promise((resolve) => {
          let drawn = 0,
            frames = 0;
          const put = CanvasRenderingContext2D.prototype.putImageData;
          CanvasRenderingContext2D.prototype.putImageData = function (...args) {
            ++drawn;
            return put.apply(this, args);
          };
          const count = () => {
            ++frames;
            requestAnimationFrame(count);
          };
          requestAnimationFrame(count);
          setTimeout(() => resolve([drawn, frames]), 1000);
        }),
    );
    assert.equal(puts, 0, `${puts} frames drawn in ${animationFrames} animation frames with nothing changing`);
    assert.ok(animationFrames >= 30, `only ${animationFrames} animation frames in a second`);
    await page.keyboard.press('Enter');
    await h.frames(page, 1);
    assert.equal(await h.frameDifference(page, 'enter'), null);
  });
});

describe('touch', () => {
  it('one finger holds the left button, two fingers drag sigma', async () => {
    const page = await h.openPage(browser, site.url, SCALE_2, { hasTouch: true });
    const cdp = await page.context().newCDPSession(page);
    const touch = async (type, points) => {
      await h.touch(page, cdp, type, points);
      await h.frames(page);
    };
    await touch('touchStart', [[400, 200, 1]]);
    await touch('touchMove', [[380, 200, 1]]);
    await touch('touchMove', [[400, 200, 1]]);
    await touch('touchEnd', []);
    assert.equal(await h.frameDifference(page, 'touch-one-finger'), null);
    // Midpoint from column 500 to 560: sigma grows by 60.
    await touch('touchStart', [
      [450, 200, 1],
      [550, 200, 2],
    ]);
    await touch('touchMove', [
      [480, 210, 1],
      [580, 190, 2],
    ]);
    await touch('touchMove', [
      [510, 200, 1],
      [610, 200, 2],
    ]);
    await touch('touchEnd', []);
    assert.equal(await h.frameDifference(page, 'touch-two-fingers'), null);
    await h.looksRight(page, 'after two fingers');
    // Fingers far off the canvas do no harm.
    await touch('touchStart', [[-5000, 99999, 1]]);
    await touch('touchEnd', []);
    assert.deepEqual(await page.evaluate(() => [scrollX, scrollY]), [0, 0]);
    assert.deepEqual(page.errors, []);
  });
});

describe('touch, pinch', () => {
  it('two fingers spread apart widen the selected Gaussian, pinched together narrow it', async () => {
    const page = await h.openPage(browser, site.url, SCALE_2, { hasTouch: true });
    const cdp = await page.context().newCDPSession(page);
    const sigma = async () =>
      /Gaussian 1: on, u = 100, sigma = (\d+)/.exec(await page.locator('#words').innerText())[1];
    // Fingers at columns 350 and 450, their midpoint still: 60 further apart, then 40 closer.
    for (const [a, b, expected] of [
      [320, 480, '230'],
      [370, 430, '210'],
    ]) {
      await h.touch(page, cdp, 'touchStart', [
        [350, 200, 1],
        [450, 200, 2],
      ]);
      await h.frames(page);
      await h.touch(page, cdp, 'touchMove', [
        [a, 200, 1],
        [b, 200, 2],
      ]);
      await h.frames(page);
      await h.touch(page, cdp, 'touchEnd', []);
      await h.frames(page);
      assert.equal(await sigma(), expected);
    }
    assert.deepEqual(page.errors, []);
  });
});

describe('the end and a new start', () => {
  it('Esc ends the program and says so; Resume brings the view back, Start again the start', async () => {
    const page = await h.openPage(browser, site.url + '?u1=150', SCALE_1);
    const shown = () => h.canvasPixels(page);
    await page.keyboard.press('Enter');
    await page.keyboard.press('F3');
    await page.keyboard.press('ArrowDown');
    await h.frames(page);
    const before = await shown();
    await page.keyboard.press('Escape');
    await page.getByText('BELLSCOPE has ended').waitFor();
    assert.match(await page.locator('#announce').textContent(), /^Ended with Esc\. Resume/);
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Resume');
    await h.looksRight(page, 'ended');
    // The loop has stopped: keys change nothing on the canvas.
    await page.keyboard.press('Enter');
    await h.frames(page);
    assert.ok((await shown()).equals(before));
    await page.keyboard.press('Space'); // Resume has the focus
    await h.frames(page);
    assert.equal(await page.isHidden('#ended'), true);
    assert.ok((await shown()).equals(before), 'the same Gaussians, selection and mode');
    await h.looksRight(page, 'resumed');
    await page.keyboard.press('Escape');
    await page.getByRole('button', { name: 'Start again' }).click();
    await h.frames(page);
    assert.equal(
      await page.locator('#words li').first().textContent(),
      'Gaussian 1: on, u = 150, sigma = 200 (selected)',
    );
    await h.looksRight(page, 'started again');
    assert.equal(await page.locator('#words li').nth(4).textContent(), 'Combining mode: Point by Point Multiplication');
    assert.deepEqual(page.errors, []);
  });

  it('Reset goes back to the start without ending', async () => {
    const page = await h.openPage(browser, site.url, SCALE_1);
    for (const key of ['Enter', 'F4', 'ArrowRight', 'ArrowDown']) await page.keyboard.press(key);
    await h.frames(page);
    await page.getByRole('button', { name: 'Reset' }).click();
    await h.frames(page);
    assert.equal(await h.frameDifference(page, 'startup'), null);
    await h.looksRight(page, 'reset');
    await page.keyboard.press('Enter');
    await h.frames(page);
    assert.equal(await h.frameDifference(page, 'enter'), null, 'still running');
    assert.deepEqual(page.errors, []);
  });
});

describe('keys', () => {
  it('keys the program acts on lose their browser action; the others keep it', async () => {
    const page = await h.openPage(browser, site.url, SCALE_1);
    await page.evaluate(() => {
      window.prevented = {};
      window.addEventListener('keydown', (e) => {
        const modifiers = (e.ctrlKey ? 'Control+' : '') + (e.altKey ? 'Alt+' : '');
        window.prevented[modifiers + e.key] = e.defaultPrevented;
      });
    });
    const program = ['F1', 'F2', 'ArrowDown', 'ArrowUp', 'ArrowLeft', 'ArrowRight', 'Enter'];
    const browsers = ['Space', 'PageDown', 'PageUp', 'Home', 'End', 'Backspace', 'Shift', 'F5', 'F6', 'F7', 'F10'];
    const withModifiers = ['F11', 'Tab', 'Control+r', 'Control+ArrowLeft', 'Alt+ArrowLeft', 'Backquote', 'q', '7'];
    for (const key of [...program, ...browsers, ...withModifiers]) await page.keyboard.press(key);
    const prevented = await page.evaluate(() => window.prevented);
    for (const key of program) assert.equal(prevented[key], true, `${key} should not reach the browser`);
    for (const key of [' ', 'PageDown', 'PageUp', 'Home', 'End', 'Backspace', 'Shift', 'F5', 'F6', 'F7', 'F10', 'F11'])
      assert.equal(prevented[key], false, `${key} should keep its browser action`);
    for (const key of ['Tab', 'Control+r', 'Control+ArrowLeft', 'Alt+ArrowLeft', '`', 'q', '7'])
      assert.equal(prevented[key], false, `${key} too`);
    assert.equal(
      await page.evaluate(() => {
        const e = new MouseEvent('contextmenu', { bubbles: true, cancelable: true });
        return !document.getElementById('canvas').dispatchEvent(e);
      }),
      true,
      'no context menu on the canvas',
    );
    assert.deepEqual(page.errors, []);
  });

  it('the keyboard scrolls to the text below and Tab comes back to the picture', async () => {
    const page = await h.openPage(browser, site.url, { width: 1366, height: 768 });
    // Where the page has scrolled to once a key's smooth scrolling is over.
    const scrolled = async (key) => {
      await page.keyboard.press(key);
      let before;
      let now = -1;
      do {
        before = now;
        await page.waitForTimeout(150);
        now = await page.evaluate(() => scrollY);
      } while (now !== before);
      return now;
    };
    const bottom = await page.evaluate(() => document.documentElement.scrollHeight - innerHeight);
    assert.ok(bottom > 0, 'the text goes on below the window');
    assert.equal(await scrolled('End'), bottom);
    assert.equal(await scrolled('Home'), 0);
    assert.ok((await scrolled('PageDown')) > 0);
    assert.equal(await scrolled('Tab'), 0, 'the picture comes back into view');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'canvas');
    assert.deepEqual(page.errors, []);
  });

  it('presses between two frames each count, as on the desktop', async () => {
    const page = await h.openPage(browser, site.url, SCALE_1);
    // Dispatched in one task, so that all of them come before the next frame.
    await page.evaluate(() => {
      const key = (type, code, shiftKey = false) =>
        window.dispatchEvent(new KeyboardEvent(type, { code, key: code, shiftKey, bubbles: true, cancelable: true }));
      const press = (code, shiftKey) => ['keydown', 'keyup'].forEach((type) => key(type, code, shiftKey));
      for (let i = 0; i < 5; ++i) press('ArrowRight');
      press('F3');
      press('F3');
      press('F4');
      key('keydown', 'ShiftLeft', true);
      press('ArrowRight', true);
      key('keyup', 'ShiftLeft');
    });
    await h.frames(page);
    const words = await page.locator('#words').innerText();
    assert.match(words, /Gaussian 1: on, u = 115, sigma = 200 \(selected\)/);
    assert.match(words, /Gaussian 3: off/);
    assert.match(words, /Gaussian 4: on/);
    assert.deepEqual(page.errors, []);
  });
});

describe('the page and the program', () => {
  // Each side of the contract as its source writes it: the exports page.h
  // declares (their C types as cwrap names them), those the program's own
  // script calls, the handlers it calls, and the options the runtime reads.
  const source = (file) => fs.readFileSync(path.join(__dirname, '..', '..', 'app', 'web', file), 'utf8');
  const cwrapType = { void: null, int: 'number', 'const char*': 'string', 'const unsigned char*': 'array' };
  const declared = Object.fromEntries(
    [...source('page.h').matchAll(/^([a-z][a-z ]*\*?) BELLSCOPE_(\w+)\(([^)]*)\);/gm)].map(
      ([, returns, name, takes]) => [
        name,
        [cwrapType[returns], takes ? takes.split(', ').map((t) => cwrapType[t.replace(/ \w+$/, '')]) : []],
      ],
    ),
  );
  const calledByThePage = (name) => !source('page.cpp').includes(`_BELLSCOPE_${name}`);
  const names = (file, pattern) => [...source(file).matchAll(pattern)].map((m) => m[1]).sort();
  const handlers = [...new Set(source('page.cpp').match(/onBellscope\w+/g))];
  const options = source('CMakeLists.txt')
    .match(/INCOMING_MODULE_JS_API=\[(.*)\]/)[1]
    .split(',');

  it('agree on every name: the exports, the handlers, the controls, the colours and the fields of the state', async () => {
    const page = await h.openPage(browser, site.url, SCALE_1);
    await page.evaluate(() => {
      const told = window.Module.onBellscopeState;
      window.Module.onBellscopeState = (state) => {
        window.lastState = state;
        told(state);
      };
    });
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => window.lastState && window.lastState.mode.recalc);
    const seen = await page.evaluate((handlers) => {
      const call = programCalls(window.Module);
      const control = (name) => call.CONTROL(name, 0);
      const s = window.lastState;
      return {
        exports: PROGRAM_EXPORTS,
        unexported: Object.keys(call).filter((name) => typeof window.Module[`_BELLSCOPE_${name}`] !== 'function'),
        unhandled: handlers.filter((name) => typeof window.Module[name] !== 'function'),
        controls: [...document.querySelectorAll('[data-control]')].map((b) => [
          b.dataset.control,
          control(b.dataset.control),
        ]),
        unknown: [control('gaussian-5'), control(''), call.COLOURS('sepia')],
        colours: [call.COLOURS('colour-blind-safe'), call.COLOURS('design')],
        keys: [Object.keys(s), Object.keys(s.gaussians[0]), Object.keys(s.mode), Object.keys(s.combined)],
        values: [s.gaussians[1], s.selected, s.mode, s.combined.shown],
        untold: [...document.querySelectorAll('[data-text], [data-rich]')].filter((e) => !e.textContent).length,
      };
    }, handlers);
    const pageCalls = Object.fromEntries(Object.entries(declared).filter(([name]) => calledByThePage(name)));
    assert.deepEqual(seen.exports, pageCalls, "program.js's table of exports, as page.h declares them");
    assert.deepEqual(seen.unexported, []);
    assert.deepEqual(seen.unhandled, []);
    assert.deepEqual(names('page.cpp', /^EM_JS\(.*?, (\w+),/gm), names('page.h', /^\w+ (PAGE_\w+)\(/gm));
    const exported = names('page.h', /^[a-z].* (BELLSCOPE_\w+)\(/gm);
    for (const name of names('page.cpp', /_(BELLSCOPE_\w+)/g)) assert.ok(exported.includes(name), name);
    const given = source('script/program.js')
      .match(/const Module = (?:\/\*\* @type \{\w+\} \*\/ \()?\{\n([^]*?)\n {2}\}\)?;/)[1]
      .match(/^ {4}\w+(?=[,:])/gm)
      .map((key) => key.trim())
      .filter((key) => !key.startsWith('onBellscope'));
    assert.deepEqual(given.sort(), options.sort(), 'the options program.js gives are those the runtime reads');
    assert.equal(seen.controls.length, 11);
    for (const [name, known] of seen.controls) assert.equal(known, 1, name);
    assert.deepEqual(seen.unknown, [0, 0, 0]);
    assert.deepEqual(seen.colours, [1, 1]);
    assert.deepEqual(seen.keys, [
      ['gaussians', 'selected', 'names', 'mode', 'combined', 'challenge', 'working', 'track'],
      ['on', 'u', 'sigma', 'shown', 'colour'],
      ['recalc', 'name'],
      ['u', 'sigma', 'shown'],
    ]);
    assert.deepEqual(seen.values, [
      { on: true, u: 250, sigma: 70, shown: { u: 250, sigma: 70 }, colour: 'rgb(255, 0, 0)' },
      1,
      { recalc: true, name: 'Parameter Recalculation' },
      { u: 233, sigma: 66 },
    ]);
    assert.equal(seen.untold, 0, 'every element that names a text shows it');
    await h.looksRight(page, 'in Parameter Recalculation');
    assert.deepEqual(page.errors, []);
  });
});

describe('failures are said in words', () => {
  it("a page without its canvas, in the page's language, also when it changes", async () => {
    const context = await browser.newContext({ viewport: SCALE_1 });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    await page.route(
      (url) => url.pathname === '/',
      async (route) => {
        const body = (await (await route.fetch()).text()).replace(/<canvas[^>]*><\/canvas>/, '');
        await route.fulfill({ status: 200, contentType: 'text/html', body });
      },
    );
    await page.goto(`${site.url}?lang=de`);
    await page
      .getByText('BELLSCOPE konnte nicht starten: diese Seite hat keine Zeichenfläche (Canvas) für das Bild.')
      .waitFor();
    await h.looksRight(page, 'no canvas, in German');
    await page.locator('#language').selectOption('en');
    await page.getByText('BELLSCOPE could not start: this page has no canvas to draw the picture on.').waitFor();
    await h.looksRight(page, 'no canvas');
    assert.deepEqual(errors, []);
  });

  it('a page whose WebAssembly is corrupt', async () => {
    const context = await browser.newContext({ viewport: SCALE_1 });
    const page = await context.newPage();
    await page.route(site.url, async (route) => {
      const body = (await (await route.fetch()).text()).replace(/(id="bellscope-wasm"[^>]*>)[^<]{8}/, '$1AAAAAAAA');
      await route.fulfill({ status: 200, contentType: 'text/html', body });
    });
    await page.goto(site.url);
    await page.getByText(/BELLSCOPE could not start/).waitFor();
    assert.equal(await page.isVisible('#status'), true);
    await h.looksRight(page, 'corrupt WebAssembly');
  });

  it('a browser without WebAssembly, or that cannot unpack the single file: said, not left loading', async () => {
    for (const [missing, said] of [
      ['WebAssembly', /it needs WebAssembly/],
      ['DecompressionStream', 'its WebAssembly module failed to load (this browser cannot unpack it)'],
    ]) {
      const context = await browser.newContext({ viewport: SCALE_1 });
      await context.addInitScript((name) => delete window[name], missing);
      const page = await context.newPage();
      await page.goto(h.singleFileUrl);
      await page.getByText(said).waitFor();
      await h.looksRight(page, `no ${missing}`);
      await context.close();
    }
  });
});
