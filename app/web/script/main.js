'use strict';
/* global connectChallenge, connectControls, connectHelp, connectHost, connectLanguage, connectOffline, connectLessons, connectListen, connectProgram, connectSharing, connectValues, connectWords, connectWorking, createLayout, language, pageAddress, remember, remembered, say, showPageColours, showText, showTexts */

// The page put together: its texts, its layout, the program and the parts
// that show it and work it.
(() => {
  const app = /** @type {HTMLElement} */ (document.getElementById('app'));
  const canvas = document.getElementById('canvas'); // none on a page that cannot show the program
  const panel = /** @type {HTMLElement} */ (document.getElementById('panel'));
  const status = /** @type {HTMLElement} */ (document.getElementById('status'));
  const ended = /** @type {HTMLElement} */ (document.getElementById('ended'));
  const restart = /** @type {HTMLElement} */ (document.getElementById('restart'));
  const resume = /** @type {HTMLElement} */ (document.getElementById('resume'));
  const viewMessage = /** @type {HTMLElement} */ (document.getElementById('view-message'));
  // The text below the picture waits for the first frame (or a failure).
  const about = /** @type {HTMLElement} */ (document.getElementById('about'));
  about.classList.add('waiting');

  showTexts(document);
  const layout = createLayout(app, canvas, panel);
  /** @type {Saying | null} */
  let failed = null; // [text key, values] of the failure told

  // The first failure is the one to tell: what follows from it says less.
  // It is said in the page's language, also after it changes.
  /** @type {Refuse} */
  function fail(key, values = {}) {
    if (failed) return;
    failed = [key, values];
    about.classList.remove('waiting');
    status.className = 'error';
    status.hidden = false;
    showFailure();
  }
  function showFailure() {
    if (failed) status.textContent = say(...failed);
    layout();
  }

  // ---- The colours, by name: the choice is remembered in this browser;
  // without one, a system that asks for more contrast, or forces its own
  // colours, starts with the colour-blind-safe ones.
  const STORE = 'bellscope.colours';
  const choice = /** @type {HTMLSelectElement} */ (document.getElementById('colours'));
  const names = /** @type {HTMLSelectElement} */ (document.getElementById('names'));
  names.addEventListener('change', () => program.setNames(names.value));
  const chosen = () => choice.value;
  const stored = remembered(STORE);
  const wantsContrast = ['(prefers-contrast: more)', '(forced-colors: active)'].some((q) => matchMedia(q).matches);
  const known = [...choice.options].some((o) => o.value === stored);
  choice.value = known ? /** @type {string} */ (stored) : wantsContrast ? 'colour-blind-safe' : 'design';

  // The parts, each connected below, before the program can call on them.
  /** @type {Controls} */
  let controls;
  /** @type {Values} */
  let values;
  /** @type {Words} */
  let words;
  /** @type {Host} */
  let host;
  /** @type {BellscopeState | null} */
  let lastState = null;
  const working = connectWorking();
  /** @type {Lessons} */
  let lessons;
  /** @type {Challenge} */
  let challenge;
  // What the page says of a state the program tells it.
  let firstFrameDrawn = false; // the program has drawn its first frame
  /** @type {[BellscopeState, BellscopeState?] | null} */
  let held = null; // the first frame's state, and the latest told since, until the page shows them
  /** @param {BellscopeState} state */
  function show(state) {
    // The mode's name and the names are the texts of the state that can
    // change the controls' size: the page is laid out again for them.
    const resized = !lastState || lastState.mode.name !== state.mode.name || lastState.names !== state.names;
    lastState = state;
    names.value = state.names;
    words.show(state);
    working.show(state);
    values.show(state);
    challenge.show(state);
    controls.rest(!ended.hidden);
    host.tell(state);
    if (resized) layout();
  }
  /** @type {ProgramHandlers} */
  const handlers = {
    query: () => lessons.query(),
    base: () => lessons.base(),
    ready() {
      if (!failed) status.hidden = true;
      if (chosen() !== 'design') program.setColours(chosen());
      challenge.fromAddress();
      layout();
    },
    started: layout,
    state(state) {
      // The first state comes with the first frame: the time to it is
      // measured, and the frame is painted before the page says what it
      // shows (the words, the working and the fields follow at once); then
      // the page's files are kept for offline visits. States told meanwhile
      // (a key pressed at once) are shown after it, the latest, so that
      // what changed since the first is announced as any change is.
      if (!firstFrameDrawn) {
        firstFrameDrawn = true;
        performance.mark('bellscope-first-frame');
        held = [state];
        setTimeout(() => {
          const [first, latest] = /** @type {[BellscopeState, BellscopeState?]} */ (held);
          held = null;
          show(first);
          if (latest) show(latest);
          about.classList.remove('waiting');
          keepOffline();
        });
      } else if (held) held[1] = state;
      else show(state);
    },
    ended() {
      controls.rest(true);
      ended.hidden = false;
      layout();
      words.announce(() => say('endedTold'));
      resume.focus();
    },
    failed: (reason) => fail('cannotStart', { why: { key: reason } }), // the reason's text key
    viewRefused: (refusal) => refuse('viewRefused', { why: /** @type {Refusal} */ (refusal) }), // the program tells one
    aborted(what) {
      fail(status.hidden ? 'stopped' : 'moduleFailed', { what });
    },
  };
  const program = connectProgram(canvas, handlers);
  // What in the address cannot be shown is said above the controls, in the
  // page's language, also after it changes.
  /** @type {Saying[]} */
  let refusals = [];
  function showRefusals() {
    viewMessage.textContent = refusals.map(([key, values]) => say(key, values)).join(' ');
    viewMessage.hidden = !refusals.length;
    layout();
  }
  /** @type {Refuse} */
  function refuse(key, values = {}) {
    refusals.push([key, values]);
    showRefusals();
  }
  for (const [key, values] of pageAddress.refusals) refuse(key, values);
  lessons = connectLessons(program, layout, refuse, () => challenge.choosing());
  challenge = connectChallenge(
    program,
    layout,
    (text) => words.announce(text),
    refuse,
    () => lessons.leave(),
  );
  controls = connectControls(panel, program);
  values = connectValues(program, layout);
  words = connectWords(panel);
  host = connectHost(program, () => linkParameters());
  const listen = connectListen(
    program,
    (text) => words.announce(text),
    () => lastState,
  );
  const help = connectHelp();
  controls.takeKeys(listen.takeKey, help.takeKey);
  // A link carries the page's language, unless it is English, which every
  // page falls back to, and the lesson, whose view the link's view changes.
  const languageLink = () => (language === 'en' ? '' : `lang=${language}`);
  function linkParameters() {
    return [languageLink(), lessons.link()].filter(Boolean).join('&');
  }
  connectSharing(program, layout, host.insideFrame, linkParameters);
  // Everything said again, the view kept: in another language, or with
  // the product's curve in another colour.
  function sayAgain() {
    showTexts(document);
    showFailure();
    lessons.relabel();
    help.relabel();
    working.relabel();
    showRefusals();
    if (lastState) {
      const state = lastState;
      lastState = null; // laid out again: the texts have new lengths
      show(state);
    }
    words.sayAgain(); // after the parts it reads its words from
    layout();
  }
  connectLanguage(sayAgain);

  choice.addEventListener('change', () => {
    const message = /** @type {HTMLElement} */ (document.getElementById('colours-message'));
    showText(message, remember(STORE, chosen()) ? null : 'notRemembered'); // a host that forbids storage
    program.setColours(chosen());
    showPageColours(chosen());
    sayAgain();
  });
  if (canvas) canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  // Resume: the view, or the challenge, the student had (with the names
  // chosen since); Start again: the page's own view.
  for (const [button, view] of /** @type {[HTMLElement, () => string | null][]} */ ([
    [resume, () => program.link()],
    [restart, () => null],
  ]))
    button.addEventListener('click', () => {
      ended.hidden = true;
      controls.rest(false);
      if (button === restart) challenge.leave();
      program.restart(view());
      /** @type {HTMLElement} */ (canvas).focus(); // the buttons are gone: the focus goes to the picture
      layout();
    });
  /** @type {HTMLElement} */ (document.getElementById('reset')).addEventListener('click', () => program.reset());

  const keepOffline = connectOffline(layout);

  // A failure of the module's in a promise no one waits for, before the
  // program has started, is said here.
  window.addEventListener('unhandledrejection', (e) => {
    if (!status.hidden) fail('moduleFailed', { what: (e.reason && e.reason.message) || String(e.reason) });
  });
  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') fail('noWebAssembly');
  layout();
})();
