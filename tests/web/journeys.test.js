// What teachers and students do, journey by journey, in headless Chromium:
// a lesson's link with a view's parameters, the lesson list with the
// address, a reload, Reset and Explore freely, and a challenge checked,
// reloaded and left. After each step the page is checked as the student
// sees it: the picture against the frame tool's, the lesson's question,
// the address, the layout.
'use strict';
const { describe, it } = require('node:test');
const assert = require('node:assert/strict');
const h = require('./harness');

let browser, site;
h.shareBrowser((b, s) => ([browser, site] = [b, s]));
const LESSONS = JSON.parse(require('node:fs').readFileSync(`${__dirname}/../../app/web/lessons.json`, 'utf8'));
const view = (name) => LESSONS.find((lesson) => lesson.name === name).view;
const kalman = view('kalman');

// The frame tool's options for a view's query, later parameters winning.
const options = (query) =>
  [
    ...new Map(
      query
        .split('&')
        .filter(Boolean)
        .map((part) => part.split('=')),
    ),
  ].flatMap(([name, value]) => {
    const k = /^(u|sigma)(\d)$/.exec(name);
    return k ? [`--${k[1]}`, `${k[2]}=${value}`] : name === 'recalc' ? ['--recalc'] : [`--${name}`, value];
  });
const round = (seed, r, guess) => ['--challenge', `${seed}:${r}`, ...(guess ? ['--guess', guess, '--reveal'] : [])];

const { keepStates } = h;
const noStorage = `(${keepStates})(); Object.defineProperty(window, 'sessionStorage', { get() { throw new Error('no'); } });`;
const open = (url, init = keepStates) => h.openPage(browser, url, { width: 1366, height: 768 }, { init });
const state = (page) => page.evaluate(() => window.states.at(-1));

// What a student does.
const settle = async (page) => (await h.frames(page), page);
const button = (name) => async (page) => settle(page, await page.getByRole('button', { name, exact: true }).click());
const choose = (label) => async (page) =>
  settle(page, await page.getByRole('combobox', { name: 'Lessons' }).selectOption({ label }));
const key = (name) => async (page) => settle(page, await page.locator('#canvas').press(name));
async function reload(page) {
  await page.reload();
  await page.waitForFunction(() => document.getElementById('status').hidden);
  return settle(page);
}
async function followLink(page) {
  await button('Copy link')(page);
  const link = await page.getByRole('textbox', { name: 'Link to this view' }).inputValue();
  await button('Close the link')(page);
  return open(link, page.init);
}
const guess = (u, sigma) => async (page) => {
  for (const [field, value] of [
    ['u', u],
    ['sigma', sigma],
  ])
    await page.getByRole('textbox', { name: field, exact: true }).fill(String(value));
  await page.keyboard.press('Enter');
  return button('Check')(page);
};
async function pointer(page) {
  await page.mouse.move(...(await h.pagePoint(page, 600, 200)));
  await page.mouse.down();
  await settle(page);
  await page.mouse.up();
  return page;
}
const typed = async (page) =>
  settle(page, await page.evaluate(() => window.programCalls(window.Module).SET_VALUE('u', '1')));

// What the page then shows: the picture of `frame` (the frame tool's
// options, or a view's query), the lesson whose question is shown, the
// address (each may be a function of the state), and `also`, anything more.
async function shows(page, step, { frame, lesson = null, address, also }) {
  const now = await state(page);
  const at = (value) => (typeof value === 'function' ? value(now) : value);
  const args = typeof frame === 'string' ? options(frame) : at(frame);
  assert.ok((await h.canvasPixels(page)).equals(h.rgba(h.decodePng(h.frameToolPicture(args)))), `${step}: ${args}`);
  assert.equal(await page.locator('#lesson-question').isVisible(), lesson !== null, `${step}: the question`);
  assert.equal(await page.getByRole('combobox', { name: 'Lessons' }).inputValue(), lesson || '', step);
  if (address !== undefined) assert.equal(new URL(page.url()).search, at(address), `${step}: the address`);
  if (also) await also(page, now);
  await h.looksRight(page, step);
}

// In a challenge the round's curves are fixed: what would switch or select
// them rests, saying why in a note shown beside the challenge; out of it,
// they act again.
const curvesRest = async (page, resting) => {
  for (const name of ['Gaussian 1', 'Gaussian 4', 'Select previous Gaussian', 'Select next Gaussian']) {
    const control = page.getByRole('button', { name, exact: true });
    assert.equal(await control.isDisabled(), resting, name);
    const note = await control.getAttribute('aria-describedby');
    if (!resting) assert.equal(note, null, name);
    else {
      assert.equal(await page.locator(`#${note}`).isVisible(), true, name);
      const says = /^The round's curves stay as they are: .* "Previous" and "Next" rest until you leave the challenge/;
      assert.match(await page.locator(`#${note}`).innerText(), says, name);
    }
  }
};
// Checked: the guess stays, the feedback is the checked guess's, and what
// would move it rests, saying why.
const checked = (page, now) =>
  Promise.all([
    curvesRest(page, true),
    assert.deepEqual([now.challenge.guess.u, now.challenge.guess.sigma], [300, 50]),
    page
      .locator('#challenge-result')
      .innerText()
      .then((text) => assert.match(text, /^Score: \d+ of 100\..*\(300;/)),
    ...['Move mean left', 'Move mean right', 'Narrower', 'Wider', 'u', 'sigma'].map(async (name, i) => {
      const control = page.getByRole(i < 4 ? 'button' : 'textbox', { name, exact: true });
      assert.equal(await control.isDisabled(), true, name);
      assert.match(await control.getAttribute('aria-describedby'), /guess-kept/, name);
    }),
  ]);
// Left: said, shown, and no challenge any more.
const left = async (page, now) => {
  assert.equal(now.challenge, null);
  await curvesRest(page, false);
  const words = /^You have left the challenge in round 1 of 5, with 0 of 500 points\./;
  assert.match(await page.locator('#challenge-left').innerText(), words);
  await page.waitForFunction(
    (text) => document.getElementById('announce').textContent.startsWith(text),
    'You have left',
  );
};
// What the page says of its address above the controls: `said`, or nothing.
const message = (said) => async (page) => {
  const shown = page.locator('#view-message');
  if (said) assert.match(await shown.innerText(), said);
  else assert.equal(await shown.isHidden(), true, await shown.innerText());
};
const inChallenge = (r) => ({
  frame: (s) => round(s.challenge.seed, r),
  address: (s) => `?challenge=${s.challenge.seed}`,
  also: (page) => curvesRest(page, true),
});

// Journeys: where each starts (and its init script), then its steps.
const JOURNEYS = [
  // Each kind of view parameter over a lesson's view, and the link Copy
  // link gives for it: the same view, the same question.
  ...['u2=480', 'u1=100', 'sigma1=40', 'recalc', 'on=1', 'select=1', 'names=sensors', 'recalc&on=1,2,3&u3=500'].map(
    (query) => [
      `?lesson=kalman&${query}`,
      [
        ['opened', null, { frame: `${kalman}&${query}`, lesson: 'kalman' }],
        ['its link', followLink, { frame: `${kalman}&${query}`, lesson: 'kalman', address: `?lesson=kalman&${query}` }],
      ],
    ],
  ),
  [
    '?lesson=kalman&u2=1e999',
    [['a wrong value', followLink, { frame: kalman, lesson: 'kalman', address: '?lesson=kalman' }]],
  ],
  [
    '',
    [
      [
        'a lesson chosen',
        choose('A prior and one measurement'),
        { frame: kalman, lesson: 'kalman', address: '?lesson=kalman' },
      ],
      ['its curve widened', button('Wider'), { frame: `${kalman}&sigma2=61`, lesson: 'kalman' }],
      ['reloaded', reload, { frame: kalman, lesson: 'kalman', address: '?lesson=kalman' }],
      ['moved', key('ArrowRight'), { frame: `${kalman}&u2=451`, lesson: 'kalman' }],
      ['reset', button('Reset'), { frame: kalman, lesson: 'kalman' }],
      ['explore freely', choose('Explore freely'), { frame: '', address: '' }],
      ['reloaded', reload, { frame: '', address: '' }],
    ],
  ],
  [
    '?lang=en&lesson=kalman&u2=480',
    [
      ['moved', key('ArrowLeft'), { frame: `${kalman}&u2=479`, lesson: 'kalman' }],
      ['reset', button('Reset'), { frame: `${kalman}&u2=480`, lesson: 'kalman' }],
      [
        'another lesson',
        choose('Two equal curves'),
        { frame: view('equal'), lesson: 'equal', address: '?lang=en&lesson=equal' },
      ],
      ['explore freely', choose('Explore freely'), { frame: '', address: '?lang=en' }],
    ],
  ],
  [
    '?challenge=2026',
    [
      ['checked', guess(300, 50), { frame: round(2026, 1, '300,50'), also: checked }],
      ...[key('ArrowRight'), pointer, typed, reload].map((act) => [
        `checked, then ${act.name || 'a key'}`,
        act,
        { frame: round(2026, 1, '300,50'), also: checked, address: '?challenge=2026' },
      ]),
      ['next round', button('Next round'), { frame: round(2026, 2) }],
      ['next round, moved', key('ArrowRight'), { frame: [...round(2026, 2), '--guess', '401,100'] }],
      ['reloaded', reload, { frame: [...round(2026, 2), '--guess', '401,100'] }],
    ],
  ],
  ...[keepStates, noStorage].map((init) => [
    '',
    [
      ['a challenge', button('Challenge'), inChallenge(1)],
      ['checked', guess(300, 50), { frame: (s) => round(s.challenge.seed, 1, '300,50') }],
      ['next round', button('Next round'), inChallenge(2)],
      init === keepStates
        ? ['reloaded', reload, inChallenge(2)]
        : ['reloaded, storage forbidden', reload, inChallenge(1)],
    ],
    init,
  ]),
  // Ways out of a challenge started in a lesson.
  ...[
    ['left', button('Leave challenge'), ''],
    ['ended and started again', async (page) => button('Start again')(await key('Escape')(page)), ''],
    ['a lesson chosen', choose('The same mean'), '?lesson=same-mean'],
  ].map(([how, leave, address]) => {
    const after = { frame: address ? view('same-mean') : '', lesson: address ? 'same-mean' : null, address };
    return [
      '?lesson=kalman',
      [
        ['a challenge', button('Challenge'), inChallenge(1)],
        [how, leave, { ...after, also: left }],
        [`${how}, reloaded`, reload, after],
      ],
    ];
  }),
  ['?lesson=kalman&challenge=5', [['both named', null, { frame: round(5, 1), address: '?challenge=5' }]]],
  // A lesson that cannot be opened is named, and so is the view given with
  // it, which was to change it, as left out; a lesson's own names can change.
  ...[
    ['?lesson=nosuch&u2=480', /^There is no lesson named "nosuch", .* \(u2=480\) .* left out too\.$/],
    ['?lesson=kalman&lesson=equal&on=1', /already given\), .* \(on=1\) .* left out too\.$/],
  ].map(([start, said]) => [start, [['refused', null, { frame: '', address: start, also: message(said) }]]]),
  [
    '?lesson=sigma-zero&names=bayes',
    [['other names', null, { frame: `${view('sigma-zero')}&names=bayes`, lesson: 'sigma-zero', also: message(null) }]],
  ],
];

describe('journeys', () => {
  for (const [start, steps, init] of JOURNEYS)
    it(`${start || 'the start-up view'}: ${steps.map(([step]) => step).join(', ')}`, async () => {
      let page = await open(site.url + start, init);
      page.init = init;
      for (const [step, act, expected] of steps) {
        if (act) page = Object.assign(await act(page), { init });
        await shows(page, step, expected);
      }
      assert.deepEqual(page.errors, []);
      await page.context().close();
    });

  // Each lesson starts where its question begins (the curve to change
  // selected, the curves to switch on off; a walk at its start, its belief
  // alone), and each question names the buttons beside the keys, by the
  // words they show.
  const STARTS = [
    ['equal', 1, [1, 2], /"Left" and "Right" \(or the Left and Right keys\)/],
    ['wide-narrow', 2, [1, 2], /"Left" and "Right" \(or the Left and Right keys\)/],
    ['far-apart', 2, [1, 2], /"Left" \(or the Left key\)/],
    ['same-mean', 1, [1, 2], /"Point by Point Multiplication" \(or Enter\)/],
    ['kalman', 2, [1, 2], /"Wider" \(or a right-button drag\)/],
    ['three-measurements', 1, [1], /the buttons 2, 3 and 4 \(or F2, F3 and F4\)/],
    ['wide-prior', 1, [1, 2], /"Narrower"/],
    ['sigma-zero', 2, [1, 2], /"Wider" \(or a right-button drag\)/],
    ['sensors', 1, [1, 2, 3], /"Previous" and "Next" \(or Up and Down\)/],
    ['track-good-sensor', 1, [1], /"Predict" and "Update"/],
    ['track-poor-sensor', 1, [1], /r = 120/],
    ['track-no-noise', 1, [1], /q = 0/],
    ['track-wrong-velocity', 1, [1], /v = 0/],
  ];
  it('every lesson starts as its question asks, which names the buttons, in English and Arabic', async () => {
    assert.deepEqual(
      STARTS.map(([name]) => name),
      LESSONS.map((lesson) => lesson.name),
    );
    for (const [name, selected, on, naming] of STARTS)
      for (const lang of ['en', 'ar']) {
        const page = await open(`${site.url}?lang=${lang}&lesson=${name}`);
        const now = await state(page);
        assert.deepEqual([now.selected, now.gaussians.flatMap((g, k) => (g.on ? [k + 1] : []))], [selected, on], name);
        const text = await page.locator('#lesson-question').innerText();
        if (lang === 'en') assert.match(text, naming, name);
        const shown = await page.locator('#panel button:visible').evaluateAll((buttons) =>
          buttons.map((b) =>
            [...b.childNodes]
              .filter((n) => !n.ariaHidden)
              .map((n) => n.textContent)
              .join('')
              .trim(),
          ),
        );
        for (const [, quoted] of text.matchAll(/[«"]([^»"]+)[»"]/g))
          assert.ok(shown.includes(quoted), `${name}: ${quoted}`);
        await h.looksRight(page, `${name} (${lang})`);
        await page.context().close();
      }
  });
});
