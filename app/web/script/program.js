'use strict';
/* exported connectProgram */

// The program's WebAssembly, which the page carries as text after its
// scripts (which run meanwhile, where it comes over a slow network). The
// served page carries it in hexadecimal (data-hex), which its server's gzip
// packs tighter than base64, compiled at once, so that the program starts
// while the page is read and its first frame is in the page's first
// rendering. The single file, which has a size budget, carries it
// gzip-compressed (data-gzip), in base64, unpacked and compiled in the
// background. A WebAssembly.Module, or a promise of one; null where the
// browser cannot unpack it.
function compileProgram() {
  const packed = document.getElementById('bellscope-wasm');
  if (!packed) return Promise.reject(new Error('the page carries no program'));
  if (typeof WebAssembly !== 'object') return null;
  const gzip = 'gzip' in packed.dataset;
  if (gzip && typeof DecompressionStream !== 'function') return null;
  try {
    const text = packed.textContent.trim();
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
function programRefusal(text) {
  if (!text) return null;
  if (!text.startsWith('{')) throw new Error(text);
  return JSON.parse(text);
}

// The program's exports the page calls (page.h declares them, each
// BELLSCOPE_ and its name here): what each returns and what it takes, in
// cwrap's words: 'number', 'string' (a text, or null), 'array' (bytes), and
// null for nothing.
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
  RESTART: [null, ['string']],
  PICTURE_SCANLINES: [null, []],
  PICTURE: ['number', ['array', 'number']],
};

// Each of PROGRAM_EXPORTS as a function of the loaded module's.
function programCalls(module) {
  const calls = {};
  for (const [name, [returns, takes]] of Object.entries(PROGRAM_EXPORTS))
    calls[name] = module.cwrap(`BELLSCOPE_${name}`, returns, takes);
  return calls;
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
function connectProgram(canvas, handlers) {
  let call = null; // the module's exports (programCalls), once its runtime is up
  let running = false;
  let ended = false; // by Esc: the picture shown is its last frame
  let scanlines = null;
  let curves = null;
  let picture = null;

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
        Module.onAbort(error.message);
        return {};
      }
    }
    compiled
      .then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)))
      .catch((error) => Module.onAbort(error.message));
    return {}; // its exports come later, through receive
  }

  // The module: its options, which are all its runtime reads (the build
  // lists them: app/web/CMakeLists.txt), and the page's handlers.
  const Module = {
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
  };
  window.Module = Module;

  // A control by its name (the buttons' data-control), or "all" to release
  // whatever is held. A name the program does not know is a fault of the page's.
  function control(name, down) {
    if (!running) return;
    if (!call.CONTROL(name, down ? 1 : 0)) throw new Error(`BELLSCOPE has no control named "${name}"`);
  }

  // The picture's image data compressed by the browser, where it can.
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
    press: (name) => control(name, true),
    release: (name) => control(name, false),
    releaseAll: () => control('all', false),

    // A typed value for the selected Gaussian's "u" or "sigma": null when it
    // is taken, or why it is refused.
    setValue(which, text) {
      if (!running) return null;
      return programRefusal(call.SET_VALUE(which, text));
    },

    // The address's query for the view shown now, without the '?', saying
    // what differs from the page's base (setPageView); null before the
    // module is loaded.
    link: () => (call ? call.LINK() : null),

    // The colours by name: "design" or "colour-blind-safe".
    setColours(name) {
      if (!call) return; // the page sets them again when it is loaded
      if (!call.COLOURS(name)) throw new Error(`BELLSCOPE has no colours named "${name}"`);
    },

    // The page's view from now on, which Reset and Start again go back to:
    // `query` read over `base` (a lesson's view; '' for the start-up
    // state), shown at once while running, leaving a challenge: null when it
    // is taken, or why it is refused.
    setPageView(base, query) {
      return call && programRefusal(call.PAGE_VIEW(base, query));
    },

    // How the curves are named: "gaussians", "bayes" or "sensors"; also
    // after the end, for the picture shown and a Resume.
    setNames(name) {
      if ((running || ended) && !call.NAMES(name)) throw new Error(`BELLSCOPE has no names called "${name}"`);
    },

    // A new challenge, by its number (challenge=SEED), from its first round,
    // shown at once or from the start: null when it is started, or why the
    // number is refused.
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

    // After the program has ended: it starts again, in the view a link
    // named (resume), or in the page's own view.
    restart(resume = null) {
      running = true;
      ended = false;
      call.RESTART(resume);
    },

    // Back to the page's own view, without ending.
    reset() {
      if (running) call.RESET();
    },

    // The curves drawn now, 800 columns each: {gaussians: [four], product},
    // product null while a challenge hides it; those of the picture shown
    // after the end; null when there are none.
    curves() {
      if (!running && !ended) return null;
      curves = null;
      call.CURVES();
      if (!curves) return null;
      const column = (k) => curves.subarray(800 * k, 800 * (k + 1));
      return { gaussians: [0, 1, 2, 3].map(column), product: curves.length > 4 * 800 ? column(4) : null };
    },

    // The frame shown now as the bytes of a PNG file, in the colours shown,
    // also the last one after the end; null when there is none.
    async picture() {
      if (!running && !ended) return null;
      scanlines = null;
      call.PICTURE_SCANLINES();
      const compressed = scanlines && (await compress(scanlines));
      picture = null;
      if (compressed) call.PICTURE(compressed, compressed.length);
      // Stored uncompressed where the browser could not compress.
      if (!picture) call.PICTURE(new Uint8Array(), 0);
      return picture;
    },
  };
}
