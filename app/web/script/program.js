'use strict';
/* exported connectProgram */

/**
 * The state the program tells the page (page.h's PAGE_TELL_STATE), which
 * every part of the page reads. Exact numbers are null where they are not
 * finite; shown holds the whole numbers the picture prints.
 * @typedef {object} BellscopeState
 * @property {StateGaussian[]} gaussians Gaussians 1-4
 * @property {number} selected the selected Gaussian's number, 1-4
 * @property {CurveNames} names how the page names the curves
 * @property {{recalc: boolean, name: string}} mode the combining mode, named as the picture prints it
 * @property {StateValues | null} combined Parameter Recalculation's values, with a Gaussian on
 * @property {StateChallenge | null} challenge
 * @property {StateWorking | null} working the product rule worked out; null while a challenge hides it
 * @property {StateTrack | null} track Track's walk, with the steps done
 *
 * @typedef {'gaussians' | 'bayes' | 'sensors' | 'track'} CurveNames the page's own 'track' in a walk
 * @typedef {{u: number | null, sigma: number | null, shown: StateShown}} StateValues
 * @typedef {{u: number, sigma: number}} StateShown
 * @typedef {StateValues & {on: boolean, colour: string}} StateGaussian colour: a CSS colour
 *
 * @typedef {object} StateChallenge
 * @property {number} seed
 * @property {number} round 1 to rounds
 * @property {number} rounds
 * @property {boolean} revealed the round's guess checked, and its product shown
 * @property {boolean} moved the guess moved from where the round started it
 * @property {StateValues} guess
 * @property {(number | null)[]} scores each round's, 0-100; null for one not scored
 *
 * @typedef {object} StateTrack
 * @property {number} seed the walk's number
 * @property {{q: number, r: number, v: number, walk: number, steps: number, truth: 'each' | 'end'}} settings
 * @property {number} step the step shown, 0 (the start) to steps
 * @property {number} steps
 * @property {'start' | 'predict' | 'update'} half the half of the step done last
 * @property {StateBelief} start the filter's first belief
 * @property {StateRow[]} rows one for each step begun
 *
 * @typedef {{u: number | null, sigma: number | null}} StateBelief
 * @typedef {object} StateRow
 * @property {number} step
 * @property {StateBelief} predicted
 * @property {number | null} z the measurement, null until the update
 * @property {number | null} gain K, null until the update
 * @property {StateBelief | null} updated
 * @property {number | null} truth the true position, null until it is shown
 *
 * @typedef {object} StateWorking
 * @property {number} flat the number of a Gaussian on with sigma 0, or 0
 * @property {StateStep[]} steps one for each Gaussian on
 * @property {number | null} flatHeight the product's height where flat is not 0
 *
 * @typedef {object} StateStep
 * @property {number} gaussian its Gaussian's number
 * @property {number | null} precision
 * @property {number | null} total
 * @property {number | null} u
 * @property {number | null} sigma
 * @property {number | null} height
 */

// The program's WebAssembly, which the page carries as text. The served
// page carries it after its scripts (which run meanwhile, where it comes
// over a slow network), in hexadecimal (data-hex), which its server's gzip
// packs tighter than base64, compiled at once, so that the program starts
// while the page is read and its first frame is in the page's first
// rendering. The single file, which has a size budget, carries it last
// (cmake/web_page.cmake says why), after the script that asks for it, which
// waits for the page to be read; gzip-compressed (data-gzip), in base64,
// unpacked and compiled in the background. A WebAssembly.Module, or a
// promise of one; null where the browser cannot unpack it.
/** @returns {WebAssembly.Module | Promise<WebAssembly.Module> | null} */
function compileProgram() {
  const packed = document.getElementById('bellscope-wasm');
  if (!packed && document.readyState === 'loading')
    return new Promise((read) => document.addEventListener('DOMContentLoaded', read, { once: true })).then(() => {
      const compiled = document.getElementById('bellscope-wasm') && compileProgram();
      if (compiled === null) throw new Error('this browser cannot unpack it');
      return compiled || Promise.reject(new Error('the page carries no program'));
    });
  if (!packed) return Promise.reject(new Error('the page carries no program'));
  if (typeof WebAssembly !== 'object') return null;
  const gzip = 'gzip' in packed.dataset;
  if (gzip && typeof DecompressionStream !== 'function') return null;
  try {
    const text = /** @type {string} */ (packed.textContent).trim();
    /** @type {Uint8Array<ArrayBuffer>} */
    let bytes;
    if ('hex' in packed.dataset) {
      if (Uint8Array.fromHex) bytes = Uint8Array.fromHex(text);
      else {
        if (!/^(?:[0-9a-f]{2})*$/i.test(text)) throw new Error('not hexadecimal');
        bytes = new Uint8Array(text.length / 2);
        for (let i = 0; i < bytes.length; ++i) bytes[i] = parseInt(text.substr(2 * i, 2), 16);
      }
    } else if (Uint8Array.fromBase64) bytes = Uint8Array.fromBase64(text);
    else {
      const binary = atob(text);
      bytes = new Uint8Array(binary.length);
      for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    }
    if (!gzip) return new WebAssembly.Module(bytes);
    const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
    return new Response(stream).arrayBuffer().then((wasm) => WebAssembly.compile(wasm));
  } catch (error) {
    return Promise.reject(error); // not hexadecimal or base64, or not WebAssembly
  }
}

// Why the program refuses a view, a value or a challenge's number, as it
// hands it over (WEB_REFUSAL): an object the page says in its language
// (text.js's refusalWords); null for nothing refused. Anything else is a
// fault of the page's, said loudly.
/**
 * @param {string | null} text
 * @returns {Refusal | null}
 */
function programRefusal(text) {
  if (!text) return null;
  if (!text.startsWith('{')) throw new Error(text);
  return JSON.parse(text);
}

// The program's exports the page calls (page.h declares them, each
// BELLSCOPE_ and its name here): what each returns and what it takes, in
// cwrap's words: 'number', 'string' (a text, or null), 'array' (bytes), and
// null for nothing.
/** @type {Record<keyof ProgramCalls, [string | null, CwrapType[]]>} */
const PROGRAM_EXPORTS = {
  CONTROL: ['number', ['string', 'number']],
  COLOURS: ['number', ['string']],
  RESET: [null, []],
  PAGE_VIEW: ['string', ['string', 'string']],
  NAMES: ['number', ['string']],
  LINK: ['string', []],
  SET_VALUE: ['string', ['string', 'string']],
  CURVES: [null, []],
  CHALLENGE: ['string', ['string']],
  CHECK: ['number', []],
  NEXT_ROUND: ['number', []],
  LEAVE_CHALLENGE: [null, []],
  TRACK: ['string', ['string', 'number']],
  TRACK_STEP: ['string', ['string']],
  LEAVE_TRACK: [null, []],
  RESTART: [null, ['string']],
  PICTURE_SCANLINES: [null, []],
  PICTURE: ['number', ['array', 'number']],
};

// Each of PROGRAM_EXPORTS as a function of the loaded module's.
/**
 * @param {BellscopeModule} module
 * @returns {ProgramCalls}
 */
function programCalls(module) {
  /** @type {Record<string, Function>} */
  const calls = {};
  for (const [name, [returns, takes]] of Object.entries(PROGRAM_EXPORTS))
    calls[name] = module.cwrap(`BELLSCOPE_${name}`, /** @type {'number' | 'string' | null} */ (returns), takes);
  return /** @type {ProgramCalls} */ (/** @type {unknown} */ (calls));
}

// The program, as the page sees it: named operations over the WebAssembly
// module's exports, and the page's handlers of what the program tells it.
// This is the page's half of the contract whose other half is
// app/web/page.h: nothing else in the page touches the module.
//
// handlers: query() (the view to start in, as an address's query, read
// over base()), base() (a lesson's view, or ''), ready() (the module is
// loaded; the program starts next), started(), state(state), ended(),
// failed(reason) (the key of the text that says why), viewRefused(refusal), and
// aborted(what) when the module fails, before or after the start.
/**
 * @typedef {object} ProgramHandlers
 * @property {() => string} query
 * @property {() => string} base
 * @property {() => void} ready
 * @property {() => void} started
 * @property {(state: BellscopeState) => void} state
 * @property {() => void} ended
 * @property {(reason: TextKey) => void} failed
 * @property {(refusal: Refusal | null) => void} viewRefused
 * @property {(what: string) => void} aborted
 *
 * @typedef {ReturnType<typeof connectProgram>} Program
 * @param {HTMLElement | null} canvas
 * @param {ProgramHandlers} handlers
 */
function connectProgram(canvas, handlers) {
  /** @type {ProgramCalls} */
  let call; // the module's exports (programCalls), once its runtime is up
  let running = false;
  let ended = false; // by Esc: the picture shown is its last frame
  /** @type {Uint8Array<ArrayBuffer> | null} */
  let scanlines = null;
  /** @type {Float64Array | null} */
  let curves = null;
  /** @type {Uint8Array<ArrayBuffer> | null} */
  let picture = null;

  // The module: its options, which are all its runtime reads (the build
  // lists them: app/web/CMakeLists.txt), and the page's handlers.
  const Module = /** @type {BellscopeModule} */ ({
    canvas,
    print: (text) => console.log(text),
    printErr: (text) => console.error(text),
    onRuntimeInitialized: () => {
      call = programCalls(Module);
      running = true;
      handlers.ready();
    },
    instantiateWasm: instantiate,
    onAbort: (what) => {
      running = ended = false;
      handlers.aborted(String(what));
    },
    // ---- What the program tells the page (page.h's PAGE_ functions).
    onBellscopeStarted: () => handlers.started(),
    onBellscopeState: (state) => handlers.state(state),
    onBellscopeEnded: () => {
      running = false;
      ended = true;
      handlers.ended();
    },
    onBellscopeFailed: (reason) => {
      running = ended = false;
      handlers.failed(reason);
    },
    onBellscopeViewRefused: (text) => handlers.viewRefused(programRefusal(text)),
    onBellscopeQuery: () => handlers.query(),
    onBellscopeBase: () => handlers.base(),
    onBellscopeScanlines: (bytes) => {
      scanlines = bytes;
    },
    onBellscopePicture: (bytes) => {
      picture = bytes;
    },
    onBellscopeCurves: (values) => {
      curves = values;
    },
  });
  window.Module = Module;

  /** @type {BellscopeModule['instantiateWasm']} */
  function instantiate(imports, receive) {
    const compiled = compileProgram();
    // Told, not thrown: the runtime would only log what is thrown here, and
    // the page would say it was loading for ever.
    if (!compiled) {
      Module.onAbort('this browser cannot unpack it');
      return {};
    }
    if (compiled instanceof WebAssembly.Module) {
      try {
        const instance = new WebAssembly.Instance(compiled, imports);
        receive(instance, compiled);
        return instance.exports;
      } catch (error) {
        Module.onAbort(/** @type {Error} */ (error).message);
        return {};
      }
    }
    compiled
      .then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)))
      .catch((error) => Module.onAbort(error.message));
    return {}; // its exports come later, through receive
  }

  // A control by its name (the buttons' data-control), or "all" to release
  // whatever is held. A name the program does not know is a fault of the page's.
  /**
   * @param {string} name
   * @param {boolean} down
   */
  function control(name, down) {
    if (!running) return;
    if (!call.CONTROL(name, down ? 1 : 0)) throw new Error(`BELLSCOPE has no control named "${name}"`);
  }

  // The picture's image data compressed by the browser, where it can.
  /** @param {Uint8Array<ArrayBuffer>} bytes */
  async function compress(bytes) {
    if (typeof CompressionStream !== 'function') return null;
    try {
      const stream = new Blob([bytes]).stream().pipeThrough(new CompressionStream('deflate'));
      return new Uint8Array(await new Response(stream).arrayBuffer());
    } catch {
      return null;
    }
  }

  return {
    get running() {
      return running;
    },
    press: (/** @type {string} */ name) => control(name, true),
    release: (/** @type {string} */ name) => control(name, false),
    releaseAll: () => control('all', false),

    // A typed value for the selected Gaussian's "u" or "sigma", or the
    // guess's in a challenge: null when it is taken, or why it is refused
    // (a walk's curves are fixed).
    /**
     * @param {'u' | 'sigma'} which
     * @param {string} text
     */
    setValue(which, text) {
      if (!running) return null;
      return programRefusal(call.SET_VALUE(which, text));
    },

    // The address's query for the view shown now, without the '?', saying
    // what differs from the page's base (setPageView), or, in a challenge,
    // challenge=SEED, in a walk track=SEED and its settings; null before
    // the module is loaded.
    link: () => (call ? call.LINK() : null),

    // The colours by name: "design", "colour-blind-safe" or "light".
    /** @param {string} name */
    setColours(name) {
      if (!call) return; // the page sets them again when it is loaded
      if (!call.COLOURS(name)) throw new Error(`BELLSCOPE has no colours named "${name}"`);
    },

    // The page's view from now on, which Reset and Start again go back to:
    // `query` read over `base` (a lesson's view; '' for the start-up
    // state), shown at once while running, leaving a challenge: null when it
    // is taken, or why it is refused.
    /**
     * @param {string} base
     * @param {string} query
     */
    setPageView(base, query) {
      return call && programRefusal(call.PAGE_VIEW(base, query));
    },

    // How the curves are named: "gaussians", "bayes" or "sensors"; also
    // after the end, for the picture shown and a Resume.
    /** @param {string} name */
    setNames(name) {
      if ((running || ended) && !call.NAMES(name)) throw new Error(`BELLSCOPE has no names called "${name}"`);
    },

    // A new challenge, by its number (challenge=SEED), from its first round,
    // shown at once or from the start: null when it is started, or why the
    // number is refused.
    /** @param {string} seed */
    startChallenge(seed) {
      return call && programRefusal(call.CHALLENGE(seed));
    },
    // The round's guess checked and the product shown: the score (0-100), or
    // -1 for a guess that cannot be scored (sigma not above 0).
    check: () => (running ? call.CHECK() : -1),
    nextRound() {
      if (running) call.NEXT_ROUND();
    },
    // Out of the challenge, back to the page's view; also after the end.
    leaveChallenge() {
      if (call) call.LEAVE_CHALLENGE();
    },

    // A new walk of Track from an address's parameters (track=SEED&q=...),
    // gone on by `halves` halves of a step (0: from its start), shown at
    // once or from the start: null when it is started, or why they are
    // refused.
    /**
     * @param {string} query
     * @param {number} [halves]
     */
    startTrack(query, halves = 0) {
      return call && programRefusal(call.TRACK(query, halves));
    },
    // The walk on by one half, 'predict' or 'update': null, or, out of turn
    // or after the end, why not.
    /** @param {'predict' | 'update'} half */
    stepTrack(half) {
      return running ? programRefusal(call.TRACK_STEP(half)) : null;
    },
    // Out of the walk, back to the page's view; also after the end.
    leaveTrack() {
      if (call) call.LEAVE_TRACK();
    },

    // After the program has ended: it starts again, in the view or the
    // challenge a link named (resume), or in the page's own view.
    /** @param {string | null} [resume] */
    restart(resume = null) {
      running = true;
      ended = false;
      call.RESTART(resume);
    },

    // Back to the page's own view, without ending; in a challenge, the
    // guess back to where the round started it; in a walk, its start.
    reset() {
      if (running) call.RESET();
    },

    // The curves drawn now, a value for each of the picture's columns:
    // {gaussians: [four], product}, product null while a challenge hides
    // it; those of the picture shown after the end; null when there are none.
    curves() {
      if (!running && !ended) return null;
      curves = /** @type {Float64Array | null} */ (null); // until the call sets them
      call.CURVES();
      if (!curves) return null;
      const n = /** @type {HTMLCanvasElement} */ (canvas).width;
      const column = (/** @type {number} */ k) => /** @type {Float64Array} */ (curves).subarray(n * k, n * (k + 1));
      return { gaussians: [0, 1, 2, 3].map(column), product: curves.length > 4 * n ? column(4) : null };
    },

    // The frame shown now as the bytes of a PNG file, in the colours shown,
    // also the last one after the end; null when there is none.
    async picture() {
      if (!running && !ended) return null;
      scanlines = /** @type {Uint8Array<ArrayBuffer> | null} */ (null); // until the call sets them
      call.PICTURE_SCANLINES();
      const compressed = scanlines && (await compress(scanlines));
      picture = /** @type {Uint8Array<ArrayBuffer> | null} */ (null); // until a call sets it
      if (compressed) call.PICTURE(compressed, compressed.length);
      // Stored uncompressed where the browser could not compress.
      if (!picture) call.PICTURE(new Uint8Array(), 0);
      return picture;
    },
  };
}
