'use strict';
/* exported createLayout */

// The picture at the largest whole number of device pixels per image pixel
// with which it and the controls fit the window together, beside or below
// each other, as long as it is large: its own size in CSS pixels (the
// canvas's, which the program draws into), or, in a window too small for that, 95% of the window's width with the controls
// below or 60% with the controls beside. Otherwise (a phone held upright, a
// high browser zoom) size matters more than crispness and than having the
// controls in view: the picture fills the width, scaled smoothly, and the
// controls follow below it.
//
// The picture's box is decided from the window alone, never from what the
// controls happen to say: it is set before the page is first shown, so that
// the first frame is painted where the picture stays while the controls and
// texts are still being written, and it does not move when a text changes
// (another mode, names or language). What the controls need is reckoned,
// not measured: an area in square rem (the reader's own font size), which
// the English controls fill in rows of about PANEL_AREA / width, with a
// little to spare; those of a longer language may reach past the window,
// and the page scrolls to them. Messages and other rows that come and go
// are left out. Returns the function that lays the page out again, which
// the page calls whenever what it shows changes (laid out before the next
// frame is painted, once however often it is asked); it lays itself out at
// once, and again on resize and on a change of devicePixelRatio. The gap
// between the picture and the controls is page.css's --gap.
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
  // Square rem the controls take, and the least height of their rows: with
  // the smaller controls of a short window (page.css), less.
  const PANEL_AREA = { tall: 700, short: 440 };
  const PANEL_ROWS = 5.5;
  const SHORT = window.matchMedia('(max-height: 520px)');

  // The height the controls take at this width, in CSS pixels.
  /** @param {number} width */
  function panelHeight(width) {
    const rem = parseFloat(getComputedStyle(document.documentElement).fontSize) || 16;
    const area = PANEL_AREA[SHORT.matches ? 'short' : 'tall'] * rem * rem;
    return Math.max(area / width, PANEL_ROWS * rem);
  }

  // Lays the page out so where it fits the window; returns whether it does.
  /**
   * @param {HTMLCanvasElement} picture
   * @param {'beside' | 'below'} arrangement
   * @param {number} scale
   * @param {number} viewWidth
   * @param {number} viewHeight
   */
  function arrange(picture, arrangement, scale, viewWidth, viewHeight, always = false) {
    const ratio = window.devicePixelRatio || 1;
    const aligned = (/** @type {number} */ x) => Math.max(0, Math.floor(x * ratio) / ratio);
    const gap = parseFloat(getComputedStyle(app).getPropertyValue('--gap'));
    const cssWidth = picture.width * scale;
    const cssHeight = picture.height * scale;
    const room = Math.min(PANEL_MAX, viewWidth - cssWidth - gap);
    const fits =
      arrangement === 'beside'
        ? room >= PANEL_MIN && panelHeight(room) <= viewHeight && cssHeight <= viewHeight
        : cssWidth <= viewWidth && cssHeight + gap + panelHeight(viewWidth) <= viewHeight;
    if (!fits && !always) return false;
    app.className = arrangement;
    picture.style.width = cssWidth + 'px';
    picture.style.height = cssHeight + 'px';
    if (arrangement === 'beside') {
      panel.style.width = Math.max(room, PANEL_MIN) + 'px';
      picture.style.marginInlineStart = '0';
      app.style.paddingInlineStart = aligned((viewWidth - cssWidth - gap - room) / 2) + 'px';
    } else {
      panel.style.width = viewWidth + 'px';
      app.style.paddingInlineStart = '0';
      picture.style.marginInlineStart = aligned((viewWidth - cssWidth) / 2) + 'px';
    }
    return true;
  }

  function layout() {
    if (!canvas) return; // the program says that it cannot start
    const picture = canvas;
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
    arrange(picture, 'below', fill / WIDTH, viewWidth, viewHeight, true);
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
  layout();
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
