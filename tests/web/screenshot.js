// Makes docs/web-screenshot.png: the page in headless Chromium, with
// Gaussian 3 switched on and Parameter Recalculation chosen.
//   node screenshot.js OUTPUT.png
'use strict';
const h = require('./harness');

(async () => {
  const browser = await h.launch();
  try {
    const page = await h.openPage(browser, h.singleFileUrl, { width: 1000, height: 760 });
    for (const key of ['F3', 'Enter']) {
      await page.keyboard.press(key);
      await h.frames(page);
    }
    await page.screenshot({ path: process.argv[2] });
  } finally {
    await browser.close();
  }
})().catch((e) => { console.error(e.message); process.exit(1); });
