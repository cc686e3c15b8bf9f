// What a student sees, checked: on any state of the page, no text or
// control overlaps another (nor the lines of one text each other), nothing
// is clipped (no button or list too small for its words) or leaves the
// window sideways or above, and every formula is laid out as one (MathML, a
// line high give or take its fractions). The tests call looksRight(page,
// state) on every state they visit (openPage does on every page it opens);
// it fails with each fault named.
'use strict';
const assert = require('node:assert/strict');

// Runs in the page: the faults of what it shows now, in words.
function faultsInPage() {
  const faults = [];
  const shown = (e) => e.checkVisibility({ visibilityProperty: true, opacityProperty: false });
  const name = (e) => {
    const id = e.id ? `#${e.id}` : '';
    const text = (e.textContent || e.value || '').trim().replace(/\s+/g, ' ').slice(0, 40);
    return `${e.tagName.toLowerCase()}${id}${text ? ` "${text}"` : ''}`;
  };
  // Boxes a student reads as one thing: a control, a formula, the picture,
  // an image; and each line of plain text elsewhere.
  const ATOMS = 'button, input, select, textarea, math, canvas, img, svg';
  const hidden = (e) => e.closest('.visually-hidden'); // what is shown but not read aloud counts
  const dialogOpen = document.querySelector('dialog[open]');
  const within = dialogOpen || document.body;
  const counted = (e) => shown(e) && !hidden(e) && (dialogOpen || !e.closest('dialog'));
  const clips = (o) => o !== 'visible';
  // What an element's boxes may show of themselves: the rectangle left by
  // the boxes around it that clip or scroll (the window is not one of them).
  const cut = new Map([[document.body, { left: -Infinity, right: Infinity, top: -Infinity, bottom: Infinity }]]);
  const visibleIn = (e) => {
    if (!cut.has(e)) {
      const c = { ...visibleIn(e.parentElement) };
      const style = getComputedStyle(e);
      const r = clips(style.overflowX) || clips(style.overflowY) ? e.getBoundingClientRect() : null;
      if (clips(style.overflowX)) [c.left, c.right] = [Math.max(c.left, r.left), Math.min(c.right, r.right)];
      if (clips(style.overflowY)) [c.top, c.bottom] = [Math.max(c.top, r.top), Math.min(c.bottom, r.bottom)];
      cut.set(e, c);
    }
    return cut.get(e);
  };
  // A box of a control, cut by what is around it; or of a line of text, cut
  // by its own element and what is around that. (A box that hides more than
  // it holds is a fault of its own, below.)
  const boxes = [];
  const add = (r, node, owner) => {
    const c = visibleIn(node === owner ? owner.parentElement : owner);
    const left = Math.max(r.left, c.left),
      right = Math.min(r.right, c.right),
      top = Math.max(r.top, c.top),
      bottom = Math.min(r.bottom, c.bottom);
    if (right - left > 0.5 && bottom - top > 0.5) boxes.push({ r: { left, right, top, bottom }, node, owner });
  };
  for (const e of within.querySelectorAll(ATOMS))
    if (!e.parentElement.closest(ATOMS) && counted(e)) add(e.getBoundingClientRect(), e, e);
  const walker = document.createTreeWalker(within, NodeFilter.SHOW_TEXT);
  for (let t = walker.nextNode(); t; t = walker.nextNode()) {
    const e = t.parentElement;
    if (!t.textContent.trim() || !e || e.closest(ATOMS) || e.closest('script, style, noscript, option')) continue;
    if (!counted(e)) continue;
    const range = document.createRange();
    range.selectNodeContents(t);
    for (const r of range.getClientRects()) add(r, t, e);
  }
  // Overlaps: more than a sliver in both directions, of any two boxes but
  // the lines of one text, which may touch. Swept from the top.
  const SLIVER = 1.5;
  boxes.sort((a, b) => a.r.top - b.r.top);
  for (let i = 0; i < boxes.length; ++i)
    for (let j = i + 1; j < boxes.length && boxes[j].r.top < boxes[i].r.bottom - SLIVER; ++j) {
      const a = boxes[i],
        b = boxes[j];
      const x = Math.min(a.r.right, b.r.right) - Math.max(a.r.left, b.r.left);
      const y = Math.min(a.r.bottom, b.r.bottom) - Math.max(a.r.top, b.r.top);
      const lines = a.node === b.node ? 0.5 * Math.min(a.r.bottom - a.r.top, b.r.bottom - b.r.top) : SLIVER;
      if (x > SLIVER && y > lines) faults.push(`${name(a.owner)} overlaps ${name(b.owner)}`);
    }
  // Out of the window sideways, or above the top of the page.
  const width = document.documentElement.clientWidth;
  for (const { r, owner } of boxes) {
    if (r.left < -0.5 || r.right > width + 0.5)
      faults.push(`${name(owner)} leaves the window (${Math.round(r.left)}-${Math.round(r.right)} of ${width})`);
    if (r.top + scrollY < -0.5) faults.push(`${name(owner)} is above the top of the page`);
  }
  // Clipped: a box that hides what overflows it, holding more than it
  // shows; a button whose words do not fit in it; a list too narrow for its
  // choice's words and its arrow (about 1.3 em wide in Chromium).
  const measure = document.createElement('canvas').getContext('2d');
  for (const e of within.querySelectorAll('select')) {
    if (!counted(e) || e.selectedIndex < 0) continue;
    const style = getComputedStyle(e);
    measure.font = style.font;
    const words = measure.measureText(e.options[e.selectedIndex].text).width;
    const room = e.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    if (words + 1.25 * parseFloat(style.fontSize) > room)
      faults.push(`${name(e)} cuts its choice's words (${Math.round(words)} in ${Math.round(room)})`);
  }
  const hides = (o) => o === 'hidden' || o === 'clip';
  for (const e of within.querySelectorAll('*')) {
    // A field scrolls its value: what it holds is the student's.
    if (e === document.body || e.closest('svg, math') || e.matches('input, textarea') || !counted(e)) continue;
    const style = getComputedStyle(e);
    const control = e.matches('button');
    if ((control || hides(style.overflowX)) && e.scrollWidth > e.clientWidth + 1)
      faults.push(`${name(e)} clips its content sideways (${e.scrollWidth} in ${e.clientWidth})`);
    if ((control || hides(style.overflowY)) && e.scrollHeight > e.clientHeight + 1)
      faults.push(`${name(e)} clips its content (${e.scrollHeight} high in ${e.clientHeight})`);
  }
  // Formulas: laid out as MathML, on one line: each part centred about
  // where the one before it is (a fraction or a sum is taller, but centred
  // on the line; a pile of lines is not).
  for (const m of within.querySelectorAll('math')) {
    if (!shown(m)) continue;
    const style = getComputedStyle(m);
    if (!/math/.test(style.display)) faults.push(`a formula is not laid out as one (display: ${style.display})`);
    const centres = [...m.children]
      .map((c) => c.getBoundingClientRect())
      .filter((r) => r.height > 0)
      .map((r) => (r.top + r.bottom) / 2);
    if (centres.some((c, i) => i && Math.abs(c - centres[i - 1]) > 0.75 * parseFloat(style.fontSize)))
      faults.push(`a formula's parts are not on one line ("${m.textContent.slice(0, 40)}")`);
  }
  return [...new Set(faults)];
}

// The faults of the page as shown now; [] when it looks right.
function layoutFaults(page) {
  return page.evaluate(faultsInPage);
}

// Fails, naming each fault, unless the page looks right; `state` says
// which state of which test it is.
async function looksRight(page, state) {
  assert.deepEqual(await layoutFaults(page), [], `the page as shown (${state})`);
}

module.exports = { layoutFaults, looksRight };
