'use strict';
/* exported createLayout */

// The picture at the largest whole number of device pixels per image pixel
// with which it and the controls fit the window together, beside or below
// each other, as long as it is large: its own 800 CSS pixels, or, in a
// window too small for that, 95% of the window's width with the controls
// below or 60% with the controls beside. Otherwise (a phone held upright, a
// high browser zoom) size matters more than crispness and than having the
// controls in view: the picture fills the width, scaled smoothly, and the
// controls follow below it. Messages and other
// rows that come and go (.transient) are left out of the measure. Returns
// the function that lays the page out, which the page calls whenever what
// it shows changes size (laid out before the next frame is painted, once
// however often it is asked); it lays itself out again on resize and on a
// change of devicePixelRatio.
/**
 * @param {HTMLElement} app
 * @param {HTMLElement | null} canvas
 * @param {HTMLElement} panel
 * @returns {() => void}
 */
function createLayout(app, canvas, panel) {
  const WIDTH = 800;
  const HEIGHT = 450;
  const GAP = 8;
  const PANEL_MIN = 220;
  const PANEL_MAX = 360;
  const LARGE = { below: 0.95, beside: 0.6 }; // shares of the width that are large enough

  // Lays the page out so; returns whether it fits the window. Called only
  // with a canvas, as is choose().
  /**
   * @param {'beside' | 'below'} arrangement
   * @param {number} scale
   * @param {number} viewWidth
   * @param {number} viewHeight
   */
  function arrange(arrangement, scale, viewWidth, viewHeight) {
    const ratio = window.devicePixelRatio || 1;
    const aligned = (/** @type {number} */ x) => Math.max(0, Math.floor(x * ratio) / ratio);
    const cssWidth = WIDTH * scale;
    const cssHeight = HEIGHT * scale;
    app.className = arrangement;
    /** @type {HTMLElement} */ (canvas).style.width = cssWidth + 'px';
    /** @type {HTMLElement} */ (canvas).style.height = cssHeight + 'px';
    if (arrangement === 'beside') {
      const room = Math.min(PANEL_MAX, viewWidth - cssWidth - GAP);
      panel.style.width = Math.max(room, PANEL_MIN) + 'px';
      /** @type {HTMLElement} */ (canvas).style.marginInlineStart = '0';
      app.style.paddingInlineStart = aligned((viewWidth - cssWidth - GAP - room) / 2) + 'px';
      return room >= PANEL_MIN && panel.offsetHeight <= viewHeight && cssHeight <= viewHeight;
    }
    panel.style.width = viewWidth + 'px';
    app.style.paddingInlineStart = '0';
    /** @type {HTMLElement} */ (canvas).style.marginInlineStart = aligned((viewWidth - cssWidth) / 2) + 'px';
    return cssWidth <= viewWidth && cssHeight + GAP + panel.offsetHeight <= viewHeight;
  }

  function layout() {
    if (!canvas) return; // the program says that it cannot start
    panel.classList.add('measuring');
    try {
      choose();
    } finally {
      panel.classList.remove('measuring');
    }
  }

  function choose() {
    const ratio = window.devicePixelRatio || 1;
    const viewWidth = document.documentElement.clientWidth;
    const viewHeight = window.innerHeight;
    const fill = Math.min(viewWidth, WIDTH);
    for (let k = Math.floor(Math.min(viewWidth / WIDTH, viewHeight / HEIGHT) * ratio); k >= 1; --k)
      for (const arrangement of /** @type {const} */ (['beside', 'below'])) {
        const width = (WIDTH * k) / ratio;
        const large = width >= WIDTH || width >= LARGE[arrangement] * viewWidth;
        if (large && arrange(arrangement, k / ratio, viewWidth, viewHeight)) {
          /** @type {HTMLElement} */ (canvas).className = '';
          return;
        }
      }
    // No crisp size fits with the controls that is large enough: the
    // picture fills the width, crisp only if that happens to be whole.
    /** @type {HTMLElement} */ (canvas).className = Number.isInteger((fill / WIDTH) * ratio) ? '' : 'smooth';
    arrange('below', fill / WIDTH, viewWidth, viewHeight);
  }

  window.addEventListener('resize', layout);
  // A change of devicePixelRatio (browser zoom, another screen) fires no
  // resize everywhere.
  /** @type {MediaQueryList | null} */
  let watched = null;
  function watchRatio() {
    if (watched) watched.removeEventListener('change', onRatio);
    watched = window.matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
    watched.addEventListener('change', onRatio);
  }
  function onRatio() {
    watchRatio();
    layout();
  }
  watchRatio();
  // Asked for again and again as the page starts and changes: laid out once,
  // before the next frame is painted.
  let asked = false;
  return () => {
    if (asked) return;
    asked = true;
    requestAnimationFrame(() => {
      asked = false;
      layout();
    });
  };
}
