// Makes the README's pictures of the page in headless Chromium, with
// Gaussian 3 switched on and Parameter Recalculation chosen: a desktop
// browser window, and a phone held upright; and a challenge's round after
// Check, in a desktop window.
//   node screenshot.js DESKTOP.png PHONE.png CHALLENGE.png
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
  } finally {
    await browser.close();
  }
})().catch((e) => {
  console.error(e.message);
  process.exit(1);
});
