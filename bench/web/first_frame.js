// The time from navigation to BELLSCOPE's first drawn frame, median of five
// fresh loads: the served page, the single file from disk, and the served
// page over a school's network (Chromium's emulation: 150 ms latency,
// 1.6 Mbit/s down, the CPU slowed four times, the cache off, the files sent
// gzip-compressed as web servers do), first visit and repeat visit (from the
// service worker's cache). Prints each beside its goal, and whether it is met.
//   node first_frame.js   (the build in build-web/, or BELLSCOPE_WEB_BUILD)
'use strict';
const h = require('../../tests/web/harness');

const LOADS = 5;

// Milliseconds from navigation to the first frame, as the page marks it.
async function firstFrame(page, url, reload = false) {
  if (reload) await page.reload();
  else await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('bellscope-first-frame').length, null, {
    timeout: 30000,
  });
  return page.evaluate(() => performance.getEntriesByName('bellscope-first-frame')[0].startTime);
}

async function school(context, page) {
  const cdp = await context.newCDPSession(page);
  await cdp.send('Network.enable');
  await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
  await cdp.send('Network.emulateNetworkConditions', {
    offline: false,
    latency: 150,
    downloadThroughput: 1.6e6 / 8,
    uploadThroughput: 0.75e6 / 8,
  });
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

(async () => {
  const { server, url: served } = await h.serve({ gzip: true });
  const browser = await h.launch();
  const times = { served: [], disk: [], school: [], repeat: [] };
  try {
    for (let i = 0; i < LOADS; ++i) {
      for (const [name, url] of [
        ['served', served],
        ['disk', h.singleFileUrl],
      ]) {
        const context = await browser.newContext();
        times[name].push(await firstFrame(await context.newPage(), url));
        await context.close();
      }
      const context = await browser.newContext();
      const page = await context.newPage();
      await school(context, page);
      times.school.push(await firstFrame(page, served));
      await page.evaluate(() => navigator.serviceWorker.ready);
      times.repeat.push(await firstFrame(page, served, true));
      await context.close();
    }
  } finally {
    await browser.close();
    server.close();
  }
  const line = (what, ms, goal) =>
    console.log(
      `first frame, ${what}: ${Math.round(ms)} ms` +
        (goal ? ` (goal: within ${goal} ms${ms > goal ? ': missed' : ''})` : ''),
    );
  line('served', median(times.served));
  line('from disk', median(times.disk));
  line("school's network, first visit", median(times.school), 800);
  line("school's network, repeat visit", median(times.repeat), 300);
})().catch((e) => {
  console.error(e.message);
  process.exit(1);
});
