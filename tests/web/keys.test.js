// Keys and focus in headless Chromium: Esc does one thing at a time (it
// stops the sound, or puts a typed value back, before it ends anything), a
// press on the picture takes the focus and no field writes back a stale
// value, ? opens the help from anywhere but a text field, keys keep their
// browser meaning where BELLSCOPE has no use for them, and the ended page
// switches off what cannot act, says so, and lets the rest act.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const h = require('./harness');

let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));
// Which keys lost their browser action, in window.prevented.
const recordPrevented = () => {
  window.prevented = [];
  addEventListener('keydown', (e) => e.defaultPrevented && window.prevented.push(e.key));
};
const open = (query = '', [viewport, options] = [{ width: 1366, height: 768 }, { hasTouch: true }]) =>
  h.openPage(browser, site.url + query, viewport, { ...options, init: recordPrevented, acceptDownloads: true });

// Steps: a key (down:KEY and up:KEY hold it), or what a hand does.
const u = (page) => page.getByRole('textbox', { name: 'u', exact: true });
const type = (text) => async (page) => u(page).fill(text);
const focus = (selector) => async (page) => page.locator(selector).focus();
const click = (name) => async (page) => page.getByRole('button', { name }).click();
const [listen, help, right] = [click('Listen'), click('Keyboard help'), click('Move mean right')];
const unopened = async (page) => assert.equal(await page.evaluate(() => location.search), '', 'no lesson opened');
const helpOpen = async (page) => assert.ok(await page.getByRole('dialog').isVisible(), 'the help stays open');
async function hold(page) {
  await page.mouse.move(...(await h.pagePoint(page, 450, 200)));
  await page.mouse.down();
  await h.frames(page, 2); // as a hand does: still down at the next frame
  await page.mouse.up();
}
async function tap(page) {
  const cdp = await page.context().newCDPSession(page);
  await h.touch(page, cdp, 'touchStart', [[450, 200, 1]]);
  await h.touch(page, cdp, 'touchEnd', []);
}

describe('each key and press does what the focus is there for, and nothing else', () => {
  const stopped = { listen: 'false', words: /u = 101,/ }; // and BELLSCOPE still runs
  const [typed, moved] = [[type('300'), 'Enter'], { u: '451', words: /u = 451,/ }];
  // [what, steps, what the page then shows: Listen pressed, the help open,
  // the focus, the u field, the first line of the words, ended, the keys
  // that lost their browser action]
  const CASES = [
    ['Esc while Listen plays', [listen, focus('#canvas'), 'Escape', right], stopped],
    ['Esc held while Listen plays', [listen, 'down:Escape', 'down:Escape', 'up:Escape', right], stopped],
    ['Esc while Listen plays, in the help', [listen, help, 'Escape', helpOpen, 'Escape', right], stopped],
    ['Esc twice in a value field', [type('300'), 'Escape', 'Escape'], { focus: 'field-u', u: '100' }],
    ['a press on the picture after Enter', [...typed, hold, 'ArrowRight', 'Tab'], moved],
    ['a tap on the picture after Enter', [...typed, tap, 'ArrowRight', 'Tab'], moved],
    ['a button pressed after Enter', [...typed, right, 'Tab'], { u: '301', words: /u = 301,/ }],
    ['a button pressed before Enter', [type('300'), right], { focus: 'field-u', u: '301', words: /u = 301,/ }],
    ['? on the page just loaded, but not in a field', ['?', helpOpen, 'Escape', type(''), '?'], { u: '?' }],
    ['the arrows with Ctrl or Alt', [focus('#canvas'), 'Control+ArrowRight', 'Alt+ArrowRight'], { words: /u = 100,/ }],
    ['the arrows after the end', ['Escape', 'ArrowDown', 'PageDown'], { ended: true, prevented: ['Escape'] }],
    [
      'the arrows browse the lessons, which Enter opens',
      [focus('#lesson-list'), 'ArrowDown', 'ArrowDown', unopened, 'Enter'],
      { focus: 'lesson-list', address: '?lesson=wide-narrow' },
    ],
    ['Esc after browsing the lessons goes back', [focus('#lesson-list'), 'ArrowDown', 'Escape'], { address: '' }],
  ];
  for (const [title, steps, expected] of CASES)
    it(title, async () => {
      const page = await open();
      for (const step of steps) {
        if (typeof step === 'function') await step(page);
        else if (/^(down|up):/.test(step)) await page.keyboard[step.split(':')[0]](step.split(':')[1]);
        else await page.keyboard.press(step);
        await h.frames(page);
      }
      const shown = await page.evaluate(() => ({
        listen: document.getElementById('listen').getAttribute('aria-pressed'),
        help: document.getElementById('help').open,
        focus: document.activeElement.id,
        u: document.getElementById('field-u').value,
        words: document.querySelector('#words li').textContent,
        ended: !document.getElementById('ended').hidden,
        prevented: window.prevented,
        address: location.search,
      }));
      for (const [what, value] of Object.entries({ ended: false, help: false, ...expected }))
        if (value instanceof RegExp) assert.match(shown[what], value, what);
        else assert.deepEqual(shown[what], value, what);
      await h.looksRight(page, title);
      assert.deepEqual(page.errors, []);
    });
});

describe('after Esc, what cannot act is off, the page says why, and the rest acts on the picture shown', () => {
  const list = (page, name, value) => page.getByRole('combobox', { name }).selectOption(value);
  for (const [size, device] of [
    ['desktop', [{ width: 1366, height: 768 }]],
    ['phone', h.device(390, 844, 3)],
  ])
    it(`on a ${size}`, async () => {
      const page = await open('?on=1,2,3&select=2', device);
      await page.keyboard.press('Escape');
      await page.getByText('controls that change the picture are off').waitFor();
      await h.looksRight(page, `ended, ${size}`);
      const live = await page
        .locator('#panel :is(button, input, select):not(:disabled)')
        .evaluateAll((all) => all.filter((e) => e.checkVisibility()).map((e) => e.id));
      assert.deepEqual(live, [
        ...['resume', 'restart', 'copy-link', 'save-picture', 'keyboard-help', 'listen'],
        ...['names', 'colours', 'language'],
      ]);
      // The note names each of them (but Resume and Start again, which it
      // precedes), by the words it shows, in every language.
      for (const code of size === 'desktop' ? ['es', 'fr', 'de', 'pt-BR', 'zh-CN', 'ar', 'en'] : ['en']) {
        await list(page, /Language/, code);
        await page.waitForFunction((c) => document.documentElement.lang === c, code);
        const [note, names] = await page.evaluate((ids) => {
          const words = (e) => (e.matches('select') ? e.closest('label').firstChild : e).textContent;
          const named = ids.slice(2).map((id) => words(document.getElementById(id)).replace(' (Language)', ''));
          return [document.querySelector('#ended p + p').textContent, named];
        }, live);
        for (const name of names) assert.ok(note.includes(name), `${code}: "${name}" in "${note}"`);
      }
      await listen(page);
      assert.equal(await page.locator('#listen').getAttribute('aria-pressed'), 'true', 'Listen plays');
      await list(page, 'Names', 'bayes');
      await page.getByText(/^Prior: on/).waitFor();
      const before = await h.canvasPixels(page);
      await list(page, 'Colours', 'light');
      await h.frames(page);
      const shown = await h.canvasPixels(page);
      assert.ok(!shown.equals(before), 'the picture takes the colours');
      const [file] = await Promise.all([page.waitForEvent('download'), click('Save picture')(page)]);
      assert.ok(h.rgba(h.decodePng(fs.readFileSync(await file.path()))).equals(shown), 'Save picture saves it');
      await h.looksRight(page, `ended, after the controls that act, ${size}`);
      await click('Resume')(page);
      await h.frames(page);
      assert.match(await page.locator('#words li').first().textContent(), /^Prior: on, u = 100/, 'the names kept');
      assert.equal(await page.locator('#panel :disabled').count(), 0, 'all on again');
      assert.deepEqual(page.errors, []);
    });
});
