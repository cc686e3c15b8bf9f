'use strict';
/* exported connectListen */
/* global say, curveName, listWords, productName */

// "Listen": the curves by ear. Each Gaussian that is on, then the white
// curve, is played from left to right: the pitch follows the curve's height
// over two octaves and the sound moves from the left ear to the right with
// the column, at one comfortable loudness. The browser's audio starts only
// when the button is pressed and stops when the playing is over, when the
// button is pressed again, at Esc, or when the page is left, so that an
// idle page costs nothing. Returns takeKey(e), which takes Esc while it
// plays: that Esc stops the sound and does nothing else.
/**
 * @typedef {ReturnType<typeof connectListen>} Listen
 * @param {Program} program
 * @param {(text: Spoken) => void} announce
 * @param {() => BellscopeState | null} currentState
 */
function connectListen(program, announce, currentState) {
  const button = /** @type {HTMLElement} */ (document.getElementById('listen'));
  const SECONDS = 1.5; // each curve
  const PAUSE = 0.35; // between two curves
  const SAMPLES = 200; // points of each curve played
  const LOW = 220; // Hz at height 0; two octaves higher at height 1
  const LOUDNESS = 0.2;
  /** @type {AudioContext | null} */
  let context = null;

  function stop() {
    if (!context) return;
    context.close();
    context = null;
    button.setAttribute('aria-pressed', 'false');
  }

  // One curve, played from time `at`; returns its oscillator.
  /**
   * @param {Float64Array} values
   * @param {number} at
   */
  function play(values, at) {
    const pitch = new Float32Array(SAMPLES);
    const place = new Float32Array(SAMPLES);
    for (let i = 0; i < SAMPLES; ++i) {
      const v = values[Math.round((i * (values.length - 1)) / (SAMPLES - 1))];
      pitch[i] = LOW * 4 ** (Number.isFinite(v) ? Math.min(1, Math.max(0, v)) : 0);
      place[i] = -1 + (2 * i) / (SAMPLES - 1);
    }
    const oscillator = /** @type {AudioContext} */ (context).createOscillator();
    const panner = /** @type {AudioContext} */ (context).createStereoPanner();
    const gain = /** @type {AudioContext} */ (context).createGain();
    oscillator.frequency.setValueCurveAtTime(pitch, at, SECONDS);
    panner.pan.setValueCurveAtTime(place, at, SECONDS);
    // A short fade in and out, so that no curve starts or ends with a click.
    gain.gain.setValueAtTime(0, at);
    gain.gain.linearRampToValueAtTime(LOUDNESS, at + 0.02);
    gain.gain.setValueAtTime(LOUDNESS, at + SECONDS - 0.02);
    gain.gain.linearRampToValueAtTime(0, at + SECONDS);
    oscillator
      .connect(gain)
      .connect(panner)
      .connect(/** @type {AudioContext} */ (context).destination);
    oscillator.start(at);
    oscillator.stop(at + SECONDS);
    return oscillator;
  }

  function start() {
    const state = currentState();
    const curves = program.curves();
    if (!state || !curves) return;
    /** @type {number[]} */
    const on = [];
    /** @type {Float64Array[]} */
    const sounds = [];
    state.gaussians.forEach((g, i) => {
      if (!g.on) return;
      on.push(i + 1);
      sounds.push(curves.gaussians[i]);
    });
    if (curves.product) sounds.push(curves.product); // not while a challenge hides it
    if (!sounds.length) return;
    context = new AudioContext();
    button.setAttribute('aria-pressed', 'true');
    let at = context.currentTime + 0.05;
    let last = null;
    for (const values of sounds) {
      last = play(values, at);
      at += SECONDS + PAUSE;
    }
    const playing = context;
    /** @type {OscillatorNode} */ (last).onended = () => {
      if (context === playing) stop();
    };
    announce(() => {
      const listed = listWords(on.map((n) => curveName(state.names, n)));
      const product = productName(state.names);
      if (!curves.product) return say('listeningCurves', { curves: listed });
      return on.length ? say('listening', { curves: listed, product }) : say('listeningProduct', { product });
    });
  }

  button.addEventListener('click', () => (context ? stop() : start()));
  document.addEventListener('visibilitychange', () => document.hidden && stop());
  window.addEventListener('pagehide', stop);
  return {
    /** @param {KeyboardEvent} e */
    takeKey(e) {
      if (e.key !== 'Escape' || !context) return false;
      stop();
      return true;
    },
  };
}
