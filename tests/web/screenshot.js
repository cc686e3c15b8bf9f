// Makes the README's pictures of the page in headless Chromium, with
// Gaussian 3 switched on and Parameter Recalculation chosen: a desktop
// browser window, and a phone held upright.
//   node screenshot.js DESKTOP.png PHONE.png
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
  } finally {
    await browser.close();
  }
})().catch((e) => {
  console.error(e.message);
  process.exit(1);
});
