// The check of what the page shows finds each kind of fault it is for,
// put into a page that looks right.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

// Each fault as a style that makes it, and what the check says of it.
const FAULTS = [
  ['a button over another', '#reset { margin-inline-start: -60px }', /button#save-picture .* overlaps button#reset/],
  ['a button too narrow for its words', '#copy-link { width: 30px; white-space: nowrap }', /#copy-link .* clips/],
  ['a list too narrow for its choice', '#names { width: 40px; min-width: 0 }', /#names .* cuts its choice/],
  ['a paragraph cut short', '#about p { height: 10px; overflow: hidden }', /^p .* clips its content \(/],
  ['the lines of a paragraph on each other', '#about p { line-height: 0.3 }', /^p "(.*)" overlaps p "\1"/],
  ['words on a formula', '#working-steps .formula { margin-inline-start: -3em }', /^math .* overlaps span/],
  ['a formula in pieces', '#working-steps math { display: inline-block }', /formula's parts are not on one line/],
  ['text out of the window', '#words { margin-inline-start: 2000px }', /^li .* leaves the window/],
  ['text above the page', '#about { position: relative; top: -4000px }', /above the top of the page/],
];

describe('the check of what the page shows', () => {
  it('finds each fault put into a page that looks right', async () => {
    const page = await h.openPage(browser, site.url + '?on=1,2,3&recalc', { width: 1366, height: 768 });
    for (const [fault, css, said] of FAULTS) {
      await page.evaluate((css) => {
        document.head.append(Object.assign(document.createElement('style'), { id: 'fault', textContent: css }));
      }, css);
      const faults = await h.layoutFaults(page);
      await page.evaluate(() => document.getElementById('fault').remove());
      assert.ok(
        faults.some((f) => said.test(f)),
        `${fault}: ${JSON.stringify(faults)}`,
      );
    }
    await h.looksRight(page, 'every fault taken out again');
  });
});
