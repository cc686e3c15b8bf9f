// Keys and focus in headless Chromium: Esc does one thing at a time (it
// stops the sound before it ends anything), and ? opens the help from
// anywhere but a text field.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));
const open = (query = '', [viewport, options] = [{ width: 1366, height: 768 }]) =>
  h.openPage(browser, site.url + query, viewport, { ...options });

// Steps: a key (down:KEY and up:KEY hold it), or what a hand does.
const u = (page) => page.getByRole('textbox', { name: 'u', exact: true });
const type = (text) => async (page) => u(page).fill(text);
const focus = (selector) => async (page) => page.locator(selector).focus();
const click = (name) => async (page) => page.getByRole('button', { name }).click();
const [listen, help, right] = [click('Listen'), click('Keyboard help'), click('Move mean right')];
const helpOpen = async (page) => assert.ok(await page.getByRole('dialog').isVisible(), 'the help stays open');

describe('each key and press does what the focus is there for, and nothing else', () => {
  const stopped = { listen: 'false', words: /u = 101,/ }; // and BELLSCOPE still runs
  // [what, steps, what the page then shows: Listen pressed, the help open,
  // the focus, the u field, the first line of the words, ended]
  const CASES = [
    ['Esc while Listen plays', [listen, focus('#canvas'), 'Escape', right], stopped],
    ['Esc held while Listen plays', [listen, 'down:Escape', 'down:Escape', 'up:Escape', right], stopped],
    ['Esc while Listen plays, in the help', [listen, help, 'Escape', helpOpen, 'Escape', right], stopped],
    ['? on the page just loaded, but not in a field', ['?', helpOpen, 'Escape', type(''), '?'], { u: '?' }],
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
      }));
      for (const [what, value] of Object.entries({ ended: false, help: false, ...expected }))
        if (value instanceof RegExp) assert.match(shown[what], value, what);
        else assert.deepEqual(shown[what], value, what);
      await h.looksRight(page, title);
      assert.deepEqual(page.errors, []);
    });
});
