// The page as it starts, in headless Chromium on the classroom's screens:
// its first frame is painted where the picture stays, before the controls
// are shown, so that none is seen half written, and nothing moves the
// picture while the rest of the page follows.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

// Run in the page before its own scripts: the picture's box and the
// controls shown when the first frame is marked, and every shift of the
// picture the browser sees after its first painting.
function watchStart() {
  const mark = performance.mark.bind(performance);
  performance.mark = (name, ...rest) => {
    if (name === 'bellscope-first-frame') {
      const controls = document.querySelectorAll('#panel button, #panel input, #panel select');
      window.atFirstFrame = {
        box: document.getElementById('canvas').getBoundingClientRect().toJSON(),
        controls: [...controls].filter((e) => e.checkVisibility()).length,
      };
    }
    return mark(name, ...rest);
  };
  window.pictureShifts = [];
  new PerformanceObserver((list) => {
    for (const shift of list.getEntries())
      for (const source of shift.sources)
        if (source.node && source.node.id === 'canvas')
          window.pictureShifts.push([source.previousRect.toJSON(), source.currentRect.toJSON()]);
  }).observe({ type: 'layout-shift', buffered: true });
}

describe('the first frame is painted where the picture stays, before the controls', () => {
  const screens = h.VIEWPORTS.map(([width, height, ratio]) => [width, height, ratio, 'en']);
  // Right to left, the picture is on the other side; a longer language's
  // controls may need more room than the picture leaves them.
  screens.push([1366, 768, 1, 'ar'], [1080, 810, 2, 'de'], [844, 390, 3, 'de']);
  for (const [width, height, ratio, lang] of screens)
    it(`${width}x${height} at ${ratio}, ${lang}`, async () => {
      const [viewport, options] = h.device(width, height, ratio);
      const page = await h.openPage(browser, `${site.url}?lang=${lang}`, viewport, { ...options, init: watchStart });
      await page.waitForFunction(() => !document.querySelector('.waiting'));
      await h.frames(page);
      const first = await page.evaluate(() => window.atFirstFrame);
      assert.equal(first.controls, 0, 'no control shown with the first frame');
      const whole = await h.canvasBox(page);
      for (const side of ['left', 'top', 'width', 'height'])
        assert.ok(Math.abs(whole[side] - first.box[side]) < 0.01, `${side}: ${first.box[side]}, then ${whole[side]}`);
      assert.deepEqual(await page.evaluate(() => window.pictureShifts), []);
      await h.looksRight(page, `whole, ${width}x${height} ${lang}`);
      assert.deepEqual(page.errors, []);
      await page.context().close();
    });
});
