// What the README promises, held to: every address, command line and course
// page it gives as an example is opened or run, and shows what the README
// says it shows. The examples are read out of README.md, so that a new one
// is tested too.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync, spawnSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const h = require('./harness');

const root = path.resolve(__dirname, '..', '..');
const readme = fs.readFileSync(path.join(root, 'README.md'), 'utf8');
const lessons = JSON.parse(fs.readFileSync(path.join(root, 'app/web/lessons.json'), 'utf8'));
const programs = { 'bellscope-frame': h.frameTool, bellscope: path.join(path.dirname(h.frameTool), 'bellscope') };
const VIEWPORT = { width: 1366, height: 768 };
let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));

// The README's code: its blocks' lines, and its spans (outside the blocks,
// a line break in one read as a space).
const blocks = [...readme.matchAll(/```(\w*)\n([\s\S]*?)```/g)].map(([, language, text]) => ({ language, text }));
const blockLines = blocks.flatMap((b) => b.text.split('\n').map((line) => line.replace(/\s+#.*$/, '').trim()));
const spans = [...readme.replace(/```[\s\S]*?```/g, '').matchAll(/(`+)([^`][\s\S]*?)\1(?!`)/g)].map((m) =>
  m[2].replace(/\s+/g, ' ').trim(),
);

// The addresses: `?...` and `index.html?...`; those in a block also from the
// single file on disk, which the README says works the same. The wrong ones
// it names are the spans in "A wrong address (...)".
const addresses = new Map(); // each with whether to open it from disk too
for (const s of spans) if (/^(index\.html)?\?\S+$/.test(s)) addresses.set(s.split('?')[1], false);
for (const s of blockLines) if (/^index\.html\?\S+$/.test(s)) addresses.set(s.split('?')[1], true);
const wrongAddresses = [.../`([^`]+)`/g[Symbol.matchAll](/A wrong address \(([^)]*)\)/.exec(readme)[1])].map(
  (m) => m[1],
);
// The command lines, with their words; an output file's name is the last.
const commands = [...blockLines, ...spans]
  .filter((s) => /^(build\/)?bellscope(-frame)? --/.test(s) && !/ --(help|version)$/.test(s))
  .map((s) => s.replace(/^build\//, '').split(' '));

// A view's parameters as bellscope-frame's options: a lesson's view, then
// what the address adds to it or changes; a challenge's first round; a
// walk's start.
function frameOptions(query) {
  const params = new URLSearchParams(query);
  const lesson = lessons.find((l) => l.name === params.get('lesson'));
  const view = new Map(new URLSearchParams(lesson ? lesson.view || lesson.track : ''));
  for (const [key, value] of params) if (!['lesson', 'lang'].includes(key)) view.set(key, value);
  if (view.has('challenge')) return ['--challenge', `${view.get('challenge')}:1`];
  if (view.has('track')) {
    const settings = [...view].filter(([key]) => key !== 'track').map((pair) => pair.join('='));
    return ['--track', `${view.get('track')}:0`, ...(settings.length ? ['--track-settings', settings.join(',')] : [])];
  }
  return [...view].flatMap(([key, value]) => {
    const [, name, k] = /^(u|sigma)(\d)$/.exec(key) || [];
    return key === 'recalc' ? ['--recalc'] : name ? [`--${name}`, `${k}=${value}`] : [`--${key}`, value];
  });
}
const { toolFrame } = h;
const run = (program, args, env = {}) =>
  spawnSync(programs[program], args, { encoding: 'utf8', env: { ...process.env, ...env } });

describe('the README', () => {
  it('gives addresses, command lines, wrong addresses and wrong arguments to test', () => {
    assert.ok(addresses.size >= 10 && wrongAddresses.length >= 2 && commands.length >= 3, 'the examples read');
  });

  for (const [query, fromDisk] of addresses)
    it(`?${query}: the view it names, as bellscope-frame draws it${fromDisk ? ', also from disk' : ''}`, async () => {
      const params = new URLSearchParams(query);
      for (const base of fromDisk ? [site.url, h.singleFileUrl] : [site.url]) {
        const page = await h.openPage(browser, `${base}?${query}`, VIEWPORT);
        assert.equal(await page.isHidden('#view-message'), true, 'not refused');
        assert.ok((await h.canvasPixels(page)).equals(toolFrame(frameOptions(query))), 'the picture');
        if (params.has('lang'))
          assert.equal(await page.evaluate(() => document.documentElement.lang), params.get('lang'));
        if (params.has('names'))
          assert.equal(await page.getByRole('combobox', { name: 'Names' }).inputValue(), params.get('names'));
        if (params.has('lesson')) {
          assert.equal(await page.getByRole('combobox', { name: 'Lessons' }).inputValue(), params.get('lesson'));
          assert.ok((await page.locator('#lesson-question').innerText()).length > 20, 'its question');
        }
        if (params.has('challenge'))
          assert.match(await page.locator('#challenge-text').innerText(), /^Round 1 of 5/, 'its first round');
        assert.deepEqual(page.errors, []);
        await page.context().close();
      }
    });

  it(`wrong addresses (${wrongAddresses.join(', ')}) are named in a sentence, and BELLSCOPE starts as usual`, async () => {
    for (const query of wrongAddresses) {
      const page = await h.openPage(browser, `${site.url}?${query}`, VIEWPORT);
      assert.match(await page.locator('#view-message').innerText(), new RegExp(`\\(${query}: .+\\)`), query);
      assert.ok((await h.canvasPixels(page)).equals(toolFrame([])), `${query}: the start-up picture`);
      await page.context().close();
    }
  });

  for (const [program, ...words] of commands.filter(([program]) => program === 'bellscope-frame'))
    it(`${program} ${words.join(' ')}: the picture the page shows for the same view`, async () => {
      const args = words.slice(0, -1);
      const at = (name) => args.indexOf(name);
      const value = (name) => args[at(name) + 1];
      const challenge = at('--challenge') >= 0 && value('--challenge').split(':');
      const walk = at('--track') >= 0 && value('--track').split(':');
      const query = challenge ? `challenge=${challenge[0]}` : walk ? `track=${walk[0]}` : addressOf(args);
      const page = await h.openPage(browser, `${site.url}?${query}`, VIEWPORT);
      const check = () => page.getByRole('button', { name: 'Check', exact: true }).click();
      const guess = async (u, sigma) => {
        for (const [field, typed] of [
          ['u', u],
          ['sigma', sigma],
        ])
          await page.getByRole('textbox', { name: field, exact: true }).fill(typed);
        await page.keyboard.press('Enter');
      };
      for (let round = 1; challenge && round < Number(challenge[1]); ++round) {
        await guess('400', '100');
        await check();
        await page.getByRole('button', { name: 'Next round' }).click();
      }
      if (at('--guess') >= 0) await guess(...value('--guess').split(','));
      if (at('--reveal') >= 0) await check();
      for (let half = 1; walk && half <= 2 * Number(walk[1]) - (walk[2] === 'predict' ? 1 : 0); ++half)
        await page.keyboard.press(half % 2 ? 'p' : 'u');
      await h.frames(page);
      await h.looksRight(page, `${query}, as bellscope-frame ${args.join(' ')}`);
      assert.ok((await h.canvasPixels(page)).equals(toolFrame(args)));
    });

  for (const [, ...args] of commands.filter(([program]) => program === 'bellscope'))
    it(`bellscope ${args.join(' ')}: opens in the view bellscope-frame draws for it`, () => {
      const shown = programWindow(args);
      const expected = toolFrame(args);
      assert.equal(shown.length, h.WIDTH * h.HEIGHT * 3, 'a whole window read');
      for (let i = 0; i < h.WIDTH * h.HEIGHT; ++i)
        if (shown.compare(expected, i * 4, i * 4 + 3, i * 3, i * 3 + 3) !== 0)
          assert.fail(`pixel (${i % h.WIDTH}, ${Math.floor(i / h.WIDTH)}) differs`);
    });

  // Both programs: --help and --version without a window; a wrong argument
  // named as the README's example names it, with exit status 2; and the
  // start-up frame as small as the README says.
  it('--help, --version, a wrong argument, and the size of the start-up frame', () => {
    const version = /project\(bellscope VERSION (\S+)/.exec(
      fs.readFileSync(path.join(root, 'CMakeLists.txt'), 'utf8'),
    )[1];
    const options = spans.filter((s) => /^--[a-z]+( [A-Z=]+)?$/.test(s));
    const table = readme.split('## Controls')[1].split('\n## ')[0];
    const controls = [...table.matchAll(/^\| ([A-Za-z0-9]+)/gm)].slice(1).map((m) => m[1]); // not the heading
    const wrong = spans.map((s) => /^bellscope-frame: (--\S+ \S+): .+$/.exec(s)).filter(Boolean);
    assert.ok(options.length >= 6 && controls.length >= 6 && wrong.length >= 1, 'the examples read');
    const noWindow = { DISPLAY: '', SDL_VIDEODRIVER: 'x11' };
    for (const program of Object.keys(programs)) {
      const help = run(program, ['--help'], noWindow);
      assert.equal(help.status, 0, `${program} --help`);
      for (const option of options)
        assert.ok(help.stdout.includes(option.split(' ')[0]), `${program} --help: ${option}`);
      if (program === 'bellscope') for (const key of controls) assert.ok(help.stdout.includes(key), `--help: ${key}`);
      assert.deepEqual(
        [run(program, ['--version'], noWindow).stdout, run(program, ['--version']).status],
        [`${program} ${version}\n`, 0],
      );
      for (const [said, argument] of wrong) {
        const answer = run(program, [...argument.split(' '), 'out.png']);
        assert.deepEqual([answer.status, answer.stderr.split('\n')[0]], [2, said.replace('bellscope-frame', program)]);
      }
    }
    const kilobytes = Number(/the start-up frame is about (\d+) KB/.exec(readme)[1]);
    assert.equal(Math.round(h.frameToolPicture([]).length / 1000), kilobytes, 'the start-up frame');
    // And without a window to open, bellscope says so.
    const blind = run('bellscope', [], noWindow);
    assert.deepEqual([blind.status, blind.stdout.trim()], [1, 'ERROR opening window']);
  });

  it('the course page: the iframe example shows its view, copies its link, and tells the host of every change', async () => {
    const html = blocks.find((b) => b.language === 'html').text.replace(/https:\/\/\S+?\/index\.html/, site.url);
    const query = /\?([^"]*)"/.exec(html)[1];
    const listener = blocks.find((b) => b.language === 'js').text;
    const context = await browser.newContext({ viewport: { width: 1300, height: 800 } });
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    // The README's own listener, and one that keeps what it hears, in a
    // course page of the same site (a page elsewhere may not frame 127.0.0.1).
    const course = `${html}<script>${listener}
      window.heard = []; addEventListener('message', (e) => e.data.type === 'bellscope-view' && heard.push(e.data));
      </script>`;
    await page.route(`${site.url}course.html`, (route) => route.fulfill({ contentType: 'text/html', body: course }));
    await page.goto(`${site.url}course.html`);
    const frame = page.frameLocator('iframe');
    await frame.locator('#status').waitFor({ state: 'hidden' });
    const inside = page.frames()[1];
    await h.frames(inside);
    assert.ok((await h.canvasPixels(inside)).equals(toolFrame(frameOptions(query))), 'the picture');
    await frame.getByRole('button', { name: 'Copy link' }).click();
    await frame.getByText('Copied.').waitFor();
    await h.looksRight(inside, 'in the course page, link copied');
    await Promise.all([page.waitForEvent('download'), frame.getByRole('button', { name: 'Save picture' }).click()]);
    await frame.getByRole('button', { name: 'Challenge' }).click();
    await page.waitForFunction(() => window.heard.some((m) => m.state.challenge));
    await frame.getByRole('button', { name: 'Track', exact: true }).click();
    await page.waitForFunction(() => window.heard.some((m) => m.state.track));
    // Every key the README names, in what the host heard.
    const named = /e\.data\.state:(.*(\n\s*\/\/.*)*)/.exec(listener)[1].match(/\b[a-z]+\b/g);
    const heard = await page.evaluate(() => window.heard);
    const keys = new Set();
    const collect = (value) => {
      if (!value || typeof value !== 'object') return;
      for (const [key, inner] of Object.entries(value)) {
        keys.add(key);
        collect(inner);
      }
    };
    heard.forEach((m) => collect(m.state));
    assert.deepEqual(
      named.filter((k) => !['null', 'or'].includes(k) && !keys.has(k)),
      [],
    );
    const link = await frame.getByRole('textbox', { name: 'Link to this view' }).inputValue();
    assert.equal(heard.filter((m) => !m.state.challenge && !m.state.track).at(-1).address, link);
    assert.deepEqual(errors, []);
    await context.close();
  });
});

// bellscope-frame's view options as an address.
function addressOf(args) {
  const params = [];
  for (let i = 0; i < args.length; ++i) {
    const name = args[i].slice(2);
    if (name === 'recalc') params.push('recalc');
    else if (name === 'u' || name === 'sigma') params.push(name + args[++i]);
    else params.push(`${name}=${args[++i]}`);
  }
  return params.join('&');
}

// What bellscope shows in its window for these options, as RGB pixels: read
// under a private X server, then Esc ends it. (A fresh X server now and then
// refuses its first window: it is tried twice.)
function programWindow(args) {
  const script = `
    for try in 1 2; do
      "$@" >/dev/null & pid=$!
      for _ in $(seq 100); do
        wid=$(xdotool search --name '^BELLSCOPE$' 2>/dev/null | head -n 1 || true)
        [ -n "$wid" ] || ! kill -0 $pid 2>/dev/null && break
        sleep 0.1
      done
      [ -n "$wid" ] && break
    done
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    sleep 0.5
    import -window root -crop "800x450+$X+$Y" -depth 8 rgb:-
    xdotool key --window "$wid" Escape 2>/dev/null || true
    wait $pid`;
  return execFileSync(
    path.join(root, 'scripts', 'with-xvfb.sh'),
    ['bash', '-c', script, 'bash', programs.bellscope, ...args],
    { maxBuffer: 1 << 24, env: { ...process.env, DISPLAY: '' } },
  );
}
