// What a page left alone costs: the CPU time of all of Chromium's processes
// over 10 s, as a share of one core, for BELLSCOPE's page and for a static
// page with the same canvas, in the same run, side by side.
//   node idle_cpu.js URL [SECONDS]
'use strict';
const fs = require('node:fs');
const { chromium } = require('playwright-core');

const TICKS = 100; // clock ticks a second on Linux
const url = process.argv[2],
  seconds = Number(process.argv[3] || 10);

// utime + stime of the process and all its descendants, in ticks.
function treeTicks(root) {
  const parent = new Map(),
    ticks = new Map();
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const fields = fs
        .readFileSync(`/proc/${pid}/stat`, 'utf8')
        .replace(/^.*\) /, '')
        .split(' ');
      parent.set(pid, fields[1]);
      ticks.set(pid, Number(fields[11]) + Number(fields[12]));
    } catch {
      /* gone meanwhile */
    }
  }
  let total = 0;
  for (const [pid, t] of ticks) {
    for (let p = pid; p && p !== '0'; p = parent.get(p))
      if (p === String(root)) {
        total += t;
        break;
      }
  }
  return total;
}

async function idleShare(open) {
  const server = await chromium.launchServer({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox'],
  });
  try {
    const browser = await chromium.connect(server.wsEndpoint());
    const page = await (await browser.newContext({ viewport: { width: 1366, height: 768 } })).newPage();
    await open(page);
    await page.waitForTimeout(2000); // let start-up settle
    const pid = server.process().pid;
    const start = treeTicks(pid);
    await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
    return (100 * (treeTicks(pid) - start)) / TICKS / seconds;
  } finally {
    await server.close();
  }
}

(async () => {
  const bellscope = await idleShare(async (page) => {
    await page.goto(url);
    await page.waitForFunction(() => document.getElementById('status').hidden);
  });
  const still = await idleShare((page) =>
    page.setContent(
      '<body style="margin:0;background:#000"><canvas width="800" height="450"></canvas><script>' +
        'const c = document.querySelector("canvas").getContext("2d"); c.fillStyle = "#fff"; c.fillRect(0, 200, 800, 2);' +
        '</script></body>',
    ),
  );
  const over = bellscope - still;
  console.log(
    `idle page over ${seconds} s: BELLSCOPE ${bellscope.toFixed(1)}% of a core, static page ` +
      `${still.toFixed(1)}%: ${over.toFixed(1)} points more (goal: at most 3)`,
  );
})().catch((e) => {
  console.error(e.message);
  process.exit(1);
});
