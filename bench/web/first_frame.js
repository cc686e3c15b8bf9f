// The time from navigation to BELLSCOPE's first drawn frame, median of five
// fresh loads: the served page, the single file from disk, and the served
// page over a school's network (Chromium's emulation: 150 ms latency,
// 1.6 Mbit/s down, the CPU slowed four times, the cache off, the files sent
// gzip-compressed as web servers do), first visit and repeat visit (from the
// service worker's cache). Prints each beside its goal, and whether it is met.
// Each load is in a browser context of its own driven through the DevTools
// protocol alone, as a student's browser is not: Playwright's own scripts
// in the page would be timed too.
//   node first_frame.js   (the build in build-web/, or BELLSCOPE_WEB_BUILD)
'use strict';
const h = require('../../tests/web/harness');

const LOADS = 5;
const SCHOOL = {
  offline: false,
  latency: 150,
  downloadThroughput: 1.6e6 / 8,
  uploadThroughput: 0.75e6 / 8,
};

// A page of its own in a new browser context, and a function that sends it
// a DevTools command.
async function openTarget(root) {
  const { browserContextId } = await root.send('Target.createBrowserContext');
  const { targetId } = await root.send('Target.createTarget', { url: 'about:blank', browserContextId });
  const { sessionId } = await root.send('Target.attachToTarget', { targetId, flatten: false });
  const waiting = new Map();
  let last = 0;
  const listener = (event) => {
    if (event.sessionId !== sessionId) return;
    const message = JSON.parse(event.message);
    const call = waiting.get(message.id);
    if (!call) return;
    waiting.delete(message.id);
    if (message.error) call.reject(new Error(message.error.message));
    else call.resolve(message.result);
  };
  root.on('Target.receivedMessageFromTarget', listener);
  const send = (method, params = {}) =>
    new Promise((resolve, reject) => {
      const id = ++last;
      waiting.set(id, { resolve, reject });
      root
        .send('Target.sendMessageToTarget', { sessionId, message: JSON.stringify({ id, method, params }) })
        .catch(reject);
    });
  const close = async () => {
    root.off('Target.receivedMessageFromTarget', listener);
    await root.send('Target.disposeBrowserContext', { browserContextId });
  };
  return { send, close };
}

// Milliseconds from navigation to the first frame, as the page marks it.
async function firstFrame(send) {
  const MARK = "performance.getEntriesByName('bellscope-first-frame')";
  for (let waited = 0; waited < 30000; waited += 50) {
    const answer = await send('Runtime.evaluate', {
      expression: `${MARK}.length ? ${MARK}[0].startTime : 0`,
      returnByValue: true,
    }).catch(() => null); // between two documents
    if (answer && answer.result.value) return answer.result.value;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  throw new Error('no first frame within 30 s');
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

(async () => {
  const { server, url: served } = await h.serve({ gzip: true });
  const browser = await h.launch();
  const root = await browser.newBrowserCDPSession();
  const times = { served: [], disk: [], school: [], repeat: [] };
  try {
    for (let i = 0; i < LOADS; ++i) {
      for (const [name, url] of [
        ['served', served],
        ['disk', h.singleFileUrl],
      ]) {
        const { send, close } = await openTarget(root);
        await send('Page.navigate', { url });
        times[name].push(await firstFrame(send));
        await close();
      }
      const { send, close } = await openTarget(root);
      await send('Network.enable');
      await send('Network.setCacheDisabled', { cacheDisabled: true });
      await send('Network.emulateNetworkConditions', SCHOOL);
      await send('Emulation.setCPUThrottlingRate', { rate: 4 });
      await send('Page.navigate', { url: served });
      times.school.push(await firstFrame(send));
      await send('Runtime.evaluate', { expression: 'navigator.serviceWorker.ready.then(() => 1)', awaitPromise: true });
      await send('Page.reload');
      await new Promise((resolve) => setTimeout(resolve, 200)); // the old document's mark is gone
      times.repeat.push(await firstFrame(send));
      await close();
    }
  } finally {
    await browser.close();
    server.close();
  }
  // Each median beside its five loads, which on a shared machine spread
  // widely: the median alone hides how far one load may be from it.
  const line = (what, all, goal) => {
    const ms = median(all);
    console.log(
      `first frame, ${what}: ${Math.round(ms)} ms` +
        (goal ? ` (goal: within ${goal} ms${ms > goal ? ': missed' : ''})` : '') +
        `; loads: ${[...all]
          .sort((a, b) => a - b)
          .map(Math.round)
          .join(', ')}`,
    );
  };
  line('served', times.served);
  line('from disk', times.disk);
  line("school's network, first visit", times.school, 800);
  line("school's network, repeat visit", times.repeat, 300);
})().catch((e) => {
  console.error(e.message);
  process.exit(1);
});
