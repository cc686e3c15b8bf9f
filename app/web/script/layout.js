'use strict';
/* exported createLayout */

// The picture at the largest whole number of device pixels per image pixel
// with which it and the controls fit the window together, beside or below
// each other, as long as it is large: its own size in CSS pixels (the
// canvas's, which the program draws into), or, in a
// window too small for that, 95% of the window's width with the controls
// below or 60% with the controls beside. Otherwise (a phone held upright, a
// high browser zoom) size matters more than crispness and than having the
// controls in view: the picture fills the width, scaled smoothly, and the
// controls follow below it. Messages and other
// rows that come and go (.transient) are left out of the measure. Returns
// the function that lays the page out, which the page calls whenever what
// it shows changes size (laid out before the next frame is painted, once
// however often it is asked); it lays itself out again on resize and on a
// change of devicePixelRatio. The gap between the picture and the controls
// is page.css's --gap.
/**
 * @param {HTMLElement} app
 * @param {HTMLCanvasElement | null} canvas
 * @param {HTMLElement} panel
 * @returns {() => void}
 */
function createLayout(app, canvas, panel) {
  const PANEL_MIN = 220;
  const PANEL_MAX = 360;
  const LARGE = { below: 0.95, beside: 0.6 }; // shares of the width that are large enough

  // Lays the page out so; returns whether it fits the window.
  /**
   * @param {HTMLCanvasElement} picture
   * @param {'beside' | 'below'} arrangement
   * @param {number} scale
   * @param {number} viewWidth
   * @param {number} viewHeight
   */
  function arrange(picture, arrangement, scale, viewWidth, viewHeight) {
    const ratio = window.devicePixelRatio || 1;
    const aligned = (/** @type {number} */ x) => Math.max(0, Math.floor(x * ratio) / ratio);
    const gap = parseFloat(getComputedStyle(app).getPropertyValue('--gap'));
    const cssWidth = picture.width * scale;
    const cssHeight = picture.height * scale;
    app.className = arrangement;
    picture.style.width = cssWidth + 'px';
    picture.style.height = cssHeight + 'px';
    if (arrangement === 'beside') {
      const room = Math.min(PANEL_MAX, viewWidth - cssWidth - gap);
      panel.style.width = Math.max(room, PANEL_MIN) + 'px';
      picture.style.marginInlineStart = '0';
      app.style.paddingInlineStart = aligned((viewWidth - cssWidth - gap - room) / 2) + 'px';
      return room >= PANEL_MIN && panel.offsetHeight <= viewHeight && cssHeight <= viewHeight;
    }
    panel.style.width = viewWidth + 'px';
    app.style.paddingInlineStart = '0';
    picture.style.marginInlineStart = aligned((viewWidth - cssWidth) / 2) + 'px';
    return cssWidth <= viewWidth && cssHeight + gap + panel.offsetHeight <= viewHeight;
  }

  function layout() {
    if (!canvas) return; // the program says that it cannot start
    panel.classList.add('measuring');
    try {
      choose(canvas);
    } finally {
      panel.classList.remove('measuring');
    }
  }

  /** @param {HTMLCanvasElement} picture */
  function choose(picture) {
    const { width: WIDTH, height: HEIGHT } = picture;
    const ratio = window.devicePixelRatio || 1;
    const viewWidth = document.documentElement.clientWidth;
    const viewHeight = window.innerHeight;
    const fill = Math.min(viewWidth, WIDTH);
    for (let k = Math.floor(Math.min(viewWidth / WIDTH, viewHeight / HEIGHT) * ratio); k >= 1; --k)
      for (const arrangement of /** @type {const} */ (['beside', 'below'])) {
        const width = (WIDTH * k) / ratio;
        const large = width >= WIDTH || width >= LARGE[arrangement] * viewWidth;
        if (large && arrange(picture, arrangement, k / ratio, viewWidth, viewHeight)) {
          picture.className = '';
          return;
        }
      }
    // No crisp size fits with the controls that is large enough: the
    // picture fills the width, crisp only if that happens to be whole.
    picture.className = Number.isInteger((fill / WIDTH) * ratio) ? '' : 'smooth';
    arrange(picture, 'below', fill / WIDTH, viewWidth, viewHeight);
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
