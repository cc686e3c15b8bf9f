// What the browser tests share: Debian's Chromium through playwright-core, a
// static server for build-web/ on 127.0.0.1, the input scenarios, and
// reading and comparing the canvas.
'use strict';
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const http = require('node:http');
const path = require('node:path');
const zlib = require('node:zlib');
const { before, after } = require('node:test');
const { chromium } = require('playwright-core');
const { looksRight } = require('./looks');

const root = path.resolve(__dirname, '..', '..');
const frameTool = process.env.BELLSCOPE_FRAME || path.join(root, 'build', 'bellscope-frame');
const webBuild = process.env.BELLSCOPE_WEB_BUILD || path.join(root, 'build-web');
const referenceFrames = process.env.BELLSCOPE_REFERENCE_FRAMES || path.join(webBuild, 'reference-frames');
const WIDTH = 800,
  HEIGHT = 450;

function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox'],
  });
}

const types = {
  '.html': 'text/html',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

// Serves build-web/ on 127.0.0.1 at a free port; resolves to its address.
// With gzip, compressed where the browser accepts it, as web servers do;
// pages ({ name: text }) are served beside the build's files.
function serve({ gzip = false, pages = {} } = {}) {
  const server = http.createServer((request, response) => {
    const name = path.basename(decodeURIComponent(new URL(request.url, 'http://x').pathname)) || 'index.html';
    const read = Object.hasOwn(pages, name)
      ? (file, done) => done(null, Buffer.from(pages[name]))
      : (file, done) => fs.readFile(file, done);
    read(path.join(webBuild, name), (error, body) => {
      if (error) {
        response.writeHead(404);
        response.end();
        return;
      }
      const headers = { 'Content-Type': types[path.extname(name)] || 'application/octet-stream' };
      if (gzip && path.extname(name) !== '.png' && /\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
        body = zlib.gzipSync(body, { level: 9 });
        headers['Content-Encoding'] = 'gzip';
      }
      response.writeHead(200, headers);
      response.end(body);
    });
  });
  return new Promise((resolve) =>
    server.listen(0, '127.0.0.1', () => {
      resolve({ server, url: `http://127.0.0.1:${server.address().port}/` });
    }),
  );
}

// The browser and the served build that a test file's tests share: made
// before them, closed after; use(browser, site) is given both.
function shareBrowser(use) {
  let browser, site;
  before(async () => {
    browser = await launch();
    site = await serve();
    use(browser, site);
  });
  after(async () => {
    await browser.close();
    site.server.close();
  });
}

const singleFileUrl = 'file://' + path.join(webBuild, 'bellscope.html');

// scenarios.txt as { name: [[command, ...args], ...] }.
function scenarios() {
  const result = {};
  let current = null;
  for (const raw of fs.readFileSync(path.join(__dirname, 'scenarios.txt'), 'utf8').split('\n')) {
    const words = raw.trim().split(/\s+/);
    if (!words[0] || words[0].startsWith('#')) continue;
    if (words[0] === 'scenario') result[words[1]] = current = [];
    else current.push(words);
  }
  return result;
}

function reference(name) {
  return fs.readFileSync(path.join(referenceFrames, name + '.rgba'));
}

// Waits for n animation frames of the page.
function frames(page, n = 3) {
  return page.evaluate(
    (count) =>
      new Promise((resolve) => {
        let k = 0;
        const step = () => (++k >= count ? resolve() : requestAnimationFrame(step));
        requestAnimationFrame(step);
      }),
    n,
  );
}

// options: the browser context's, and init, a function run in the page
// before its own scripts. Fails unless the page, once started, looks right.
async function openPage(browser, url, viewport, options = {}) {
  const { init, ...contextOptions } = options;
  const context = await browser.newContext({ viewport, ...contextOptions });
  if (init) await context.addInitScript(init);
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  page.on('console', (m) => {
    if (m.type() === 'error') page.errors.push(m.text());
  });
  await page.goto(url);
  await page.waitForFunction(() => document.getElementById('status').hidden);
  await frames(page);
  await looksRight(page, `opened ${url.replace(/^.*\//, '/')} at ${viewport.width}x${viewport.height}`);
  return page;
}

async function canvasPixels(page) {
  const base64 = await page.evaluate(
    ([w, h]) => {
      const data = document.getElementById('canvas').getContext('2d').getImageData(0, 0, w, h).data;
      let text = '';
      for (let i = 0; i < data.length; i += 0x8000)
        text += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
      return btoa(text);
    },
    [WIDTH, HEIGHT],
  );
  return Buffer.from(base64, 'base64');
}

// Null when the canvas holds the reference frame, otherwise what differs.
async function frameDifference(page, name) {
  const shown = await canvasPixels(page);
  const expected = reference(name);
  if (shown.equals(expected)) return null;
  if (shown.length !== expected.length) return `${name}: ${shown.length} bytes shown, ${expected.length} expected`;
  let count = 0,
    first = -1;
  for (let i = 0; i < shown.length; i += 4) {
    if (shown.compare(expected, i, i + 4, i, i + 4) !== 0) {
      if (first < 0) first = i / 4;
      ++count;
    }
  }
  const at = `(${first % WIDTH}, ${Math.floor(first / WIDTH)})`;
  return (
    `${name}: ${count} pixels differ, the first at ${at}: shown ${[...shown.subarray(first * 4, first * 4 + 3)]},` +
    ` expected ${[...expected.subarray(first * 4, first * 4 + 3)]}`
  );
}

async function canvasBox(page) {
  return page.evaluate(() => {
    const c = document.getElementById('canvas');
    const r = c.getBoundingClientRect();
    return {
      left: r.left,
      top: r.top,
      width: r.width,
      height: r.height,
      backingWidth: c.width,
      backingHeight: c.height,
    };
  });
}

// A page position inside image pixel (x, y): a whole CSS pixel where one
// falls inside it (the browser reports whole pixels), else its middle.
async function pagePoint(page, x, y) {
  const box = await canvasBox(page);
  const scale = box.width / WIDTH;
  const at = (start, i) => {
    const whole = Math.ceil(start + i * scale);
    return whole < start + (i + 1) * scale ? whole : start + (i + 0.5) * scale;
  };
  return [at(box.left, x), at(box.top, y)];
}

// Plays a scenario with real input events; returns the frames that differ.
async function play(page, commands) {
  const differences = [];
  for (const [command, a, b] of commands) {
    if (command === 'key') await page.keyboard.press(a);
    else if (command === 'keydown') await page.keyboard.down(a);
    else if (command === 'keyup') await page.keyboard.up(a);
    else if (command === 'move') await page.mouse.move(...(await pagePoint(page, Number(a), Number(b))));
    else if (command === 'moveout') await page.mouse.move(...(await pagePoint(page, 400, HEIGHT + 40)));
    else if (command === 'down') await page.mouse.down({ button: a });
    else if (command === 'up') await page.mouse.up({ button: a });
    else if (command === 'pass') await frames(page);
    else if (command === 'frame') {
      const difference = await frameDifference(page, a);
      if (difference) differences.push(difference);
      await looksRight(page, `at frame ${a}`);
    } else throw new Error(`unknown scenario command ${command}`);
  }
  return differences;
}

// A touch through the DevTools protocol at image points [[x, y, id], ...].
async function touch(page, cdp, type, points) {
  const touchPoints = [];
  for (const [x, y, id] of points) {
    const [px, py] = await pagePoint(page, x, y);
    touchPoints.push({ x: px, y: py, id });
  }
  await cdp.send('Input.dispatchTouchEvent', { type, touchPoints });
}

// A small seeded generator, so that a failing run can be replayed.
function generator(seed) {
  let state = seed >>> 0 || 1;
  return (n) => {
    state ^= state << 13;
    state >>>= 0;
    state ^= state >>> 17;
    state ^= state << 5;
    state >>>= 0;
    return state % n;
  };
}

const RANDOM_KEYS = [
  'F1',
  'F2',
  'F3',
  'F4',
  'ArrowLeft',
  'ArrowRight',
  'ArrowUp',
  'ArrowDown',
  'Enter',
  'Shift',
  'Space',
  'KeyA',
  'Tab',
  'PageDown',
];

// Random keys, mouse buttons anywhere (also off the canvas), touches of one
// to three fingers and resizes, for the given time; no Esc. With
// controls, also presses of the page's buttons, by mouse or finger, held for
// up to a second, some while a drag on the canvas is under way.
async function randomInput(page, seconds, seed, { controls = false } = {}) {
  const next = generator(seed);
  const cdp = await page.context().newCDPSession(page);
  const point = () => [next(WIDTH + 200) - 100, next(HEIGHT + 200) - 100];
  const end = Date.now() + seconds * 1000;
  let fingers = 0;
  const log = process.env.RANDOM_LOG ? (...words) => console.log('random:', ...words) : () => {};
  while (Date.now() < end) {
    const what = next(controls ? 12 : 10);
    log(what, fingers);
    if (what >= 10) {
      const buttons = await page.locator('#panel button[data-control]').all();
      const box = await buttons[next(buttons.length)].boundingBox();
      if (box && fingers === 0) {
        const at = {
          x: box.x + next(Math.max(1, Math.floor(box.width))),
          y: box.y + next(Math.max(1, Math.floor(box.height))),
        };
        const held = next(1000);
        if (next(2)) {
          await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ ...at, id: 9 }] });
          await page.waitForTimeout(held);
          await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
        } else {
          await page.mouse.move(at.x, at.y);
          await page.mouse.down();
          await page.waitForTimeout(held);
          await page.mouse.up();
        }
      }
    } else if (what < 3) await page.keyboard.press(RANDOM_KEYS[next(RANDOM_KEYS.length)]);
    else if (what < 5) {
      // One pointer at a time: fingers lift before the mouse presses.
      if (fingers) await touch(page, cdp, 'touchEnd', []);
      fingers = 0;
      const from = await pagePoint(page, ...point());
      const button = next(2) ? 'left' : 'right';
      const to = await pagePoint(page, ...point());
      log('mouse', button, from, to);
      await page.mouse.move(...from);
      await page.mouse.down({ button });
      await page.mouse.move(...to, { steps: 3 });
      await page.mouse.up({ button });
    } else if (what < 9) {
      // Fingers land on the picture (elsewhere a swipe is the browser's: it
      // may go back in history) and may then move anywhere.
      const count = fingers ? fingers : 1 + next(3);
      const type = fingers === 0 ? 'touchStart' : next(3) ? 'touchMove' : 'touchEnd';
      const points = [];
      for (let id = 0; id < count; ++id)
        points.push([...(type === 'touchStart' ? [next(WIDTH), next(HEIGHT)] : point()), id]);
      log('touch', type, JSON.stringify(points));
      await touch(page, cdp, type, type === 'touchEnd' ? [] : points);
      fingers = type === 'touchEnd' ? 0 : count;
    } else {
      await page.setViewportSize({ width: 320 + next(1600), height: 300 + next(900) });
    }
    await frames(page, 1);
  }
  if (fingers) await touch(page, cdp, 'touchEnd', []);
  await frames(page);
}

// A browser window of width x height CSS pixels at `ratio` device pixels
// each, as the arguments of openPage after the address: with touch, as a
// phone or tablet, below 1100 pixels at a ratio of 2 or more.
function device(width, height, ratio) {
  const touch = ratio >= 2 && Math.min(width, height) < 1100;
  return [
    { width, height },
    { deviceScaleFactor: ratio, hasTouch: touch, isMobile: touch && width < 900 },
  ];
}

// Device pixels per image pixel: a whole number, or 'fill': too small a
// screen for a crisp picture large enough with the controls, so the picture
// fills the width (a phone held upright; 683x384 at 2 is a 1366x768 screen
// at 200% zoom) and the controls follow below it.
const VIEWPORTS = [
  [1366, 768, 1, 1],
  [1536, 864, 1.25, 2],
  [1440, 900, 2, 3],
  [1920, 1080, 1, 2],
  [810, 1080, 2, 2],
  [1080, 810, 2, 2],
  [390, 844, 3, 'fill'],
  [844, 390, 3, 2],
  [360, 640, 2, 'fill'],
  [683, 384, 2, 'fill'],
  [1800, 1200, 1, 2],
];

// What axe-core finds against WCAG 2.2 AA and its best practices.
async function axe(page) {
  await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
  return page.evaluate(async () => {
    const result = await window.axe.run(document, {
      runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'] },
    });
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
}

// An 8-bit palette PNG as { palette, pixels }: our writers' filter 0 only.
function decodePng(bytes) {
  let at = 8,
    palette = null;
  const data = [];
  while (at < bytes.length) {
    const length = bytes.readUInt32BE(at),
      type = bytes.toString('latin1', at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (type === 'PLTE') palette = body;
    if (type === 'IDAT') data.push(body);
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(data));
  const pixels = Buffer.alloc(WIDTH * HEIGHT);
  for (let y = 0; y < HEIGHT; ++y) {
    assert.equal(raw[y * (WIDTH + 1)], 0, 'filter 0');
    raw.copy(pixels, y * WIDTH, y * (WIDTH + 1) + 1, (y + 1) * (WIDTH + 1));
  }
  return { palette, pixels };
}

// A decoded PNG's pixels as the canvas holds them (RGBA).
function rgba({ palette, pixels }) {
  const out = Buffer.alloc(pixels.length * 4);
  for (let i = 0; i < pixels.length; ++i) {
    palette.copy(out, i * 4, pixels[i] * 3, pixels[i] * 3 + 3);
    out[i * 4 + 3] = 255;
  }
  return out;
}

// The PNG file bellscope-frame (build/, or BELLSCOPE_FRAME) writes for these options.
function frameToolPicture(args) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'bellscope-frame-'));
  try {
    const file = path.join(folder, 'frame.png');
    execFileSync(frameTool, [...args, file]);
    return fs.readFileSync(file);
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

// The frame tool's frame for these options, as a canvas holds it.
const toolFrame = (args) => rgba(decodePng(frameToolPicture(args)));

// An init script: the program's states kept in window.states, from the first.
function keepStates() {
  window.states = [];
  let module = null;
  Object.defineProperty(window, 'Module', {
    get: () => module,
    set(value) {
      module = value;
      const told = value.onBellscopeState;
      value.onBellscopeState = (state) => {
        window.states.push(state);
        told(state);
      };
    },
  });
}

module.exports = {
  toolFrame,
  keepStates,
  ...require('./looks'),
  decodePng,
  rgba,
  frameTool,
  frameToolPicture,
  device,
  VIEWPORTS,
  axe,
  WIDTH,
  HEIGHT,
  webBuild,
  singleFileUrl,
  launch,
  serve,
  shareBrowser,
  scenarios,
  frames,
  openPage,
  canvasBox,
  canvasPixels,
  pagePoint,
  frameDifference,
  play,
  touch,
  randomInput,
};
