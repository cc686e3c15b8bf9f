// What a student sees, checked: on any state of the page, no text or
// control overlaps another, nothing is clipped or leaves the window
// sideways, and every formula is laid out as one (MathML, a line high give
// or take its fractions). The tests call looksRight(page, state) on every
// state they visit; it fails with each fault named.
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
  const hidden = (e) => e.closest('.visually-hidden, [aria-hidden="true"]:not(:has(math))');
  const inDialog = (e) => e.closest('dialog');
  const dialogOpen = document.querySelector('dialog[open]');
  const boxes = [];
  const scroller = (e) => {
    for (let p = e.parentElement; p; p = p.parentElement) {
      const o = getComputedStyle(p).overflowX;
      if (o === 'auto' || o === 'scroll') return p;
    }
    return null;
  };
  // A rectangle cut to the box that scrolls it, if any: what is scrolled
  // away is not shown.
  const visiblePart = (r, e) => {
    const s = scroller(e);
    if (!s || s === document.documentElement || s === document.body) return r;
    const c = s.getBoundingClientRect();
    const left = Math.max(r.left, c.left),
      right = Math.min(r.right, c.right);
    return right > left ? { left, right, top: r.top, bottom: r.bottom } : null;
  };
  const add = (r, owner, what) => {
    const part = r.width > 0.5 && r.height > 0.5 ? visiblePart(r, owner) : null;
    if (part) boxes.push({ r: part, owner, what });
  };
  const within = dialogOpen || document.body;
  for (const e of within.querySelectorAll(ATOMS)) {
    if (e.parentElement.closest(ATOMS) || !shown(e) || hidden(e)) continue;
    if (!dialogOpen && inDialog(e)) continue;
    add(e.getBoundingClientRect(), e, name(e));
  }
  const walker = document.createTreeWalker(within, NodeFilter.SHOW_TEXT);
  for (let t = walker.nextNode(); t; t = walker.nextNode()) {
    const e = t.parentElement;
    if (!t.textContent.trim() || !e || e.closest(ATOMS) || e.closest('script, style, noscript, option')) continue;
    if (!shown(e) || hidden(e) || (!dialogOpen && inDialog(e))) continue;
    const range = document.createRange();
    range.selectNodeContents(t);
    for (const r of range.getClientRects()) add(r, e, name(e));
  }
  // Overlaps: more than a sliver in both directions.
  const SLIVER = 1.5;
  for (let i = 0; i < boxes.length; ++i)
    for (let j = i + 1; j < boxes.length; ++j) {
      const a = boxes[i],
        b = boxes[j];
      if (a.owner === b.owner || a.owner.contains(b.owner) || b.owner.contains(a.owner)) continue;
      const x = Math.min(a.r.right, b.r.right) - Math.max(a.r.left, b.r.left);
      const y = Math.min(a.r.bottom, b.r.bottom) - Math.max(a.r.top, b.r.top);
      if (x > SLIVER && y > SLIVER) faults.push(`${a.what} overlaps ${b.what}`);
    }
  // Sideways out of the window.
  const width = document.documentElement.clientWidth;
  for (const { r, what } of boxes)
    if (r.left < -0.5 || r.right > width + 0.5)
      faults.push(`${what} leaves the window (${Math.round(r.left)}-${Math.round(r.right)} of ${width})`);
  // Clipped: a box that hides what overflows it, holding more than it shows.
  for (const e of within.querySelectorAll('*')) {
    if (!shown(e) || hidden(e) || e.closest('svg, math') || (!dialogOpen && inDialog(e))) continue;
    const style = getComputedStyle(e);
    const clips = (o) => o === 'hidden' || o === 'clip';
    if (e === document.body || e === document.documentElement) continue;
    if (clips(style.overflowX) && e.scrollWidth > e.clientWidth + 1)
      faults.push(`${name(e)} clips its content sideways (${e.scrollWidth} in ${e.clientWidth})`);
    if (clips(style.overflowY) && e.scrollHeight > e.clientHeight + 1)
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
