'use strict';
/* global connectChallenge, connectTrack, connectControls, connectEnd, connectFailures, connectHelp, connectHost, connectLanguage, connectLessons, connectListen, connectMenus, connectOffline, connectProgram, connectSharing, connectValues, connectWords, connectWorking, createLayout, showTexts */

// The page put together: its texts, its layout, the program and the parts
// that show it and work it, each given what it needs of the others.
(() => {
  // None on a page that cannot show the program.
  const canvas = /** @type {HTMLCanvasElement | null} */ (document.getElementById('canvas'));
  const panel = /** @type {HTMLElement} */ (document.getElementById('panel'));
  showTexts(document);
  const layout = createLayout(/** @type {HTMLElement} */ (document.getElementById('app')), canvas, panel);
  const failures = connectFailures(layout);
  // What the program tells the page, answered at the end, once every part is
  // connected: the program's module, whose script follows, calls on none before.
  const handlers = /** @type {ProgramHandlers} */ ({});
  const program = connectProgram(canvas, handlers);
  /** @type {BellscopeState | null} */
  let lastState = null;
  const words = connectWords(panel);
  const controls = connectControls(panel, program);
  /** @type {Challenge} */
  let challenge; // choosing a lesson leaves the challenge and the walk, and starting one leaves the lesson
  /** @type {ReturnType<typeof connectTrack>} */
  let track; // a lesson may be a walk
  const lessons = connectLessons(
    program,
    layout,
    failures.refuse,
    () => {
      challenge.choosing();
      track.leave();
    },
    (query) => track.begin(query),
  );
  challenge = connectChallenge(program, layout, words.announce, failures.refuse, lessons.leave);
  track = connectTrack(program, layout, words.announce, failures.refuse, lessons.leave, lessons.link, lessons.walk);
  const values = connectValues(program, layout);
  const help = connectHelp();
  const listen = connectListen(program, words.announce, () => lastState && filtered(lastState));
  controls.takeKeys(listen.takeKey, help.takeKey, lessons.takeKey, track.takeKey);
  controls.hearKeys(...help.keys, ...values.keys, ...track.keys);
  const sharing = connectSharing(program, layout, lessons.link);
  const menus = connectMenus(program, sayAgain);
  const end = connectEnd(program, controls, layout, words.announce, () => {
    challenge.leave();
    track.leave();
  });
  const keepOffline = connectOffline(layout);
  const working = connectWorking();
  const host = connectHost(sharing.link);
  // What the page asks of each part: to show each state the program tells,
  // in this order (the end's controls rest after the challenge's and the
  // walk's), and to say everything again in another language.
  /** @type {{show?: (state: BellscopeState) => void, relabel?: () => void}[]} */
  const parts = [menus, words, working, values, challenge, track, end, host, lessons, help, failures];
  // In a walk, the curves are named as the filter names them (Belief and
  // Measurement), whatever the menu Names, which keeps its choice, says;
  // Listen too.
  /** @type {unknown[]} */
  const named = [words, working, values];
  /** @param {BellscopeState} state */
  function filtered(state) {
    return state.track ? { ...state, names: /** @type {CurveNames} */ ('track') } : state;
  }

  /** @param {BellscopeState} state */
  function show(state) {
    lastState = state;
    for (const part of parts) if (part.show) part.show(named.includes(part) ? filtered(state) : state);
  }
  // Everything said again, the view kept: in another language, or with
  // the product's curve in another colour. The words say their last
  // announcement again after the parts they read it from.
  function sayAgain() {
    showTexts(document);
    if (lastState) show(lastState);
    for (const part of parts) if (part.relabel) part.relabel();
    layout();
  }
  connectLanguage(sayAgain);

  let firstFrameDrawn = false; // the program has drawn its first frame
  /** @type {[BellscopeState, BellscopeState?] | null} */
  let held = null; // the first frame's state, and the latest told since, until the page shows them
  Object.assign(
    handlers,
    /** @satisfies {ProgramHandlers} */ ({
      query: lessons.query,
      base: lessons.base,
      ready() {
        failures.loaded();
        menus.loaded();
        if (!challenge.fromAddress()) track.fromAddress(lessons.walk());
        layout();
      },
      started: layout,
      /** @param {BellscopeState} state */
      state(state) {
        // The first state comes with the first frame: the time to it is
        // measured, and the frame is painted before the page says what it
        // shows (the controls, the words, the working and the fields follow
        // at once, laid out around it); then the page's files are kept for
        // offline visits. States told meanwhile
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
            failures.shown();
            keepOffline();
          });
        } else if (held) held[1] = state;
        else show(state);
      },
      ended: end.ended,
      failed: failures.failed,
      viewRefused: failures.viewRefused,
      aborted: failures.aborted,
    }),
  );
  layout();
})();
