// Makes the README's pictures of the page in headless Chromium, with
// Gaussian 3 switched on and Parameter Recalculation chosen: a desktop
// browser window, and a phone held upright; a challenge's round after
// Check, in a desktop window; and a walk of Track's three steps in, its
// plot and table below the picture.
//   node screenshot.js DESKTOP.png PHONE.png CHALLENGE.png TRACK.png
'use strict';
const h = require('./harness');

const views = [
  [{ width: 1366, height: 768 }, {}],
  [
    { width: 390, height: 844 },
    { deviceScaleFactor: 3, hasTouch: true, isMobile: true },
  ],
];

(async () => {
  const browser = await h.launch();
  try {
    for (const [i, [viewport, options]] of views.entries()) {
      const page = await h.openPage(browser, h.singleFileUrl, viewport, options);
      for (const key of ['F3', 'Enter']) {
        await page.keyboard.press(key);
        await h.frames(page);
      }
      await page.screenshot({ path: process.argv[2 + i] });
      await page.context().close();
    }
    const page = await h.openPage(browser, `${h.singleFileUrl}?challenge=2026`, views[0][0]);
    for (const [field, value] of [
      ['#field-u', '330'],
      ['#field-sigma', '60'],
    ]) {
      await page.fill(field, value);
      await page.press(field, 'Enter');
    }
    await page.getByRole('button', { name: 'Check', exact: true }).click();
    await h.frames(page);
    await page.screenshot({ path: process.argv[4] });
    const walk = await h.openPage(browser, `${h.singleFileUrl}?track=2026`, views[0][0]);
    for (const key of ['p', 'u', 'p', 'u', 'p', 'u']) await walk.locator('#canvas').press(key);
    await walk.locator('#canvas').blur();
    await h.frames(walk);
    const below = await walk.locator('#track-scroll').boundingBox();
    const height = Math.ceil(below.y + below.height + 8);
    await walk.screenshot({ path: process.argv[5], fullPage: true, clip: { x: 0, y: 0, width: 1366, height } });
  } finally {
    await browser.close();
  }
})().catch((e) => {
  console.error(e.message);
  process.exit(1);
});
