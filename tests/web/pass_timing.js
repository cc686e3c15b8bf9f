// Runs the WebAssembly build of pass_timing in headless Chromium and prints
// what it printed.   node pass_timing.js PASS_TIMING_JS [PASSES]
'use strict';
const fs = require('node:fs');
const h = require('./harness');

(async () => {
  const [script, passes = '4000'] = process.argv.slice(2);
  const browser = await h.launch();
  try {
    const page = await browser.newPage();
    const done = new Promise((resolve, reject) => {
      page.on('console', (m) => (/us per pass/.test(m.text()) ? resolve(m.text()) : undefined));
      page.on('pageerror', reject);
    });
    await page.setContent('<!doctype html><title>pass timing</title>');
    await page.evaluate(
      (args) => {
        window.Module = { arguments: args };
      },
      [passes],
    );
    await page.addScriptTag({ content: fs.readFileSync(script, 'utf8') });
    console.log(await done);
  } finally {
    await browser.close();
  }
})().catch((e) => {
  console.error(e.message);
  process.exit(1);
});
