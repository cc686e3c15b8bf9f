'use strict';
/* exported connectWorking, heightWords, formatNumber, formatHeight, formatWhole, formatPercent, noneOn */
/* global say, curveName, productName, numberFormat, decimalSeparator, richNodes */

// Numbers as the working gives them: four significant figures, in the
// page's language's own digits and separators, never grouped in thousands
// (the picture does not group them either, and the words follow it), and
// very small and very large ones as a power of ten, 1.085 × 10⁻¹⁷, rather
// than a run of zeros or the E of a calculator. As parts: { text }, or
// { mantissa, ten, exponent } for a power of ten.
/** @type {Record<string, string>} */
const SUPERSCRIPTS = { '−': '⁻', 0: '⁰', 1: '¹', 2: '²', 3: '³', 4: '⁴', 5: '⁵', 6: '⁶', 7: '⁷', 8: '⁸', 9: '⁹' };
/**
 * @typedef {{text: string, mantissa?: undefined, ten?: undefined, exponent?: undefined}} WrittenOut
 * @typedef {{text?: undefined, mantissa: string, ten: string, exponent: string}} PowerOfTen
 * @param {number} value
 * @returns {WrittenOut | PowerOfTen}
 */
function numberParts(value) {
  // Rounded to four figures, 0.00001 to 9999 are written out in full.
  const power = Number(value.toExponential(3).split('e')[1]);
  if (power >= -5 && power <= 3)
    return { text: numberFormat({ maximumSignificantDigits: 4, useGrouping: false }).format(value) };
  const parts = numberFormat({ notation: 'scientific', maximumSignificantDigits: 4 }).formatToParts(value);
  const at = parts.findIndex((part) => part.type === 'exponentSeparator');
  const exponent = parts.slice(at + 1);
  const sign = exponent.some((part) => part.type === 'exponentMinusSign') ? '−' : '';
  return {
    mantissa: parts
      .slice(0, at)
      .map((part) => part.value)
      .join(''),
    ten: numberFormat({ useGrouping: false }).format(10),
    exponent:
      sign + /** @type {Intl.NumberFormatPart} */ (exponent.find((part) => part.type === 'exponentInteger')).value,
  };
}
/** @param {number | null} value */
function formatNumber(value) {
  if (value === null || !Number.isFinite(value)) return say('tooLarge');
  const { text, mantissa, ten, exponent } = numberParts(value);
  if (text !== undefined) return text;
  return leftToRight(`${mantissa} × ${raised(ten, exponent)}`);
}
// Ten to a power, the power raised; digits of other scripts have no
// superscripts: a caret raises those.
/**
 * @param {string} ten
 * @param {string} exponent
 */
function raised(ten, exponent) {
  const chars = [...exponent];
  return ten + (chars.every((c) => c in SUPERSCRIPTS) ? chars.map((c) => SUPERSCRIPTS[c]).join('') : `^${exponent}`);
}
// Kept in one piece, left to right, within a sentence written right to
// left: marked so at both ends, so that it also joins the u = or σ = of a
// formula written left to right.
/** @param {string} written */
function leftToRight(written) {
  return document.documentElement.dir === 'rtl' ? `\u200e${written}\u200e` : written;
}

// The point-by-point product's height. Below the smallest number held with
// all its figures (about 2.2 × 10⁻³⁰⁸), an exponential underflows, to 0 at
// last: such a height is said to be below the power of ten above that, not
// "0" nor figures that are not there.
const SMALLEST_FULL = 2.2250738585072014e-308;
const BELOW_POWER = 307;
/** @param {number | null} value */
function isTinyHeight(value) {
  return value !== null && value >= 0 && value < SMALLEST_FULL;
}
/** @param {number | null} value */
function formatHeight(value) {
  if (!isTinyHeight(value)) return formatNumber(value);
  const format = numberFormat({ useGrouping: false });
  return say('heightBelow', { value: leftToRight(raised(format.format(10), `−${format.format(BELOW_POWER)}`)) });
}

// A whole number the picture prints, in the page's language's digits,
// without separators between thousands, as the picture writes it.
/** @param {number} value */
function formatWhole(value) {
  return numberFormat({ useGrouping: false, maximumFractionDigits: 0 }).format(value);
}

// A share as a percentage, to two figures: "less than 0.01%" below that.
const LEAST_PERCENT = 0.0001;
/** @param {number} share */
function formatPercent(share) {
  /** @param {number} value */
  const percent = (value) => numberFormat({ style: 'percent', maximumSignificantDigits: 2 }).format(value);
  return share < LEAST_PERCENT ? say('lessThan', { value: percent(LEAST_PERCENT) }) : percent(share);
}

// Whether no Gaussian is on: then there is no product, whatever the
// picture's Parameter Recalculation prints as its start.
/** @param {BellscopeState} state */
function noneOn(state) {
  return !state.gaussians.some((g) => g.on);
}

// What the height of the point-by-point product says: how well the curves
// agree. The product's own height, in words, for one or more curves.
/** @param {BellscopeState} state one whose product is shown (its working) */
function heightWords(state) {
  const steps = /** @type {StateWorking} */ (state.working).steps;
  const height = steps.length ? steps[steps.length - 1].height : null;
  if (steps.length < 2 || /** @type {StateWorking} */ (state.working).flat || height === null) return '';
  const key = height >= 0.5 ? 'agree' : height >= 0.05 ? 'partlyAgree' : 'hardlyAgree';
  return say(key, { percent: formatPercent(height), product: productName(state.names) });
}

// "How the white curve is made": the product rule worked out with the
// program's own numbers (the state's working), in MathML, each line with a
// plain-text equivalent for screen readers. A formula wider than the page
// scrolls sideways in a box of its own, which the keyboard reaches while it
// scrolls. Its introduction names the curves in the names of the view.
// Returns show(state), called with each state the program tells, and
// relabel(), for another language.
function connectWorking() {
  const section = /** @type {HTMLElement} */ (document.getElementById('working-steps'));
  const intro = /** @type {HTMLElement} */ (document.getElementById('working-intro'));
  /** @type {CurveNames} */
  let names = 'gaussians';
  function introduce() {
    const [first, second, third] = [1, 2, 3].map((n) => curveName(names, n));
    intro.replaceChildren(...richNodes(say('workingIntro', { first, second, third })));
  }
  introduce();
  const MATHML = 'http://www.w3.org/1998/Math/MathML';

  // A MathML element: tag, then children (elements or text).
  /**
   * @param {string} tag
   * @param {...(Element | string)} children
   */
  function m(tag, ...children) {
    const element = document.createElementNS(MATHML, tag);
    for (const child of children) element.append(child);
    return element;
  }
  const name = (/** @type {string} */ text) => m('mi', text);
  const op = (/** @type {string} */ text) => m('mo', text);
  // A number as formatNumber writes it, a power of ten raised.
  /** @param {number | null} value */
  function number(value) {
    if (value === null || !Number.isFinite(value)) return m('mtext', say('tooLarge'));
    const { text, mantissa, ten, exponent } = numberParts(value);
    if (text !== undefined) return m('mn', text);
    const power = exponent.startsWith('−') ? m('mrow', op('−'), m('mn', exponent.slice(1))) : m('mn', exponent);
    return m('mrow', m('mn', mantissa), op('×'), m('msup', m('mn', ten), power));
  }
  /**
   * @param {string} base
   * @param {number} index
   */
  const sub = (base, index) => m('msub', name(base), m('mn', String(index)));
  /** @param {number} index */
  const precisionOf = (index) => m('mfrac', m('mn', '1'), m('msup', index ? sub('σ', index) : name('σ'), m('mn', '2')));
  // Between two values of a formula: a comma, unless the language's decimal
  // separator is one ("σ = 77,17; u = 388,2"), followed by a space as wide
  // as a typesetter puts between two formulas on a line.
  const between = () => {
    const separator = op(decimalSeparator() === ',' ? ';' : ',');
    separator.setAttribute('lspace', '0');
    separator.setAttribute('rspace', '0.75em');
    return separator;
  };
  // "= height", or, for a height too small for the numbers here, "< 10⁻³⁰⁷".
  /** @param {number | null} value */
  function heightIs(value) {
    if (!isTinyHeight(value)) return [op('='), number(value)];
    const format = numberFormat({ useGrouping: false });
    const power = m('mrow', op('−'), m('mn', format.format(BELOW_POWER)));
    return [op('<'), m('msup', m('mn', format.format(10)), power)];
  }

  // One line of the working: its words, its mathematics and the same in
  // plain text, which is what a screen reader reads.
  /**
   * @param {string} words
   * @param {Element[] | null} math
   * @param {string} plain
   */
  function line(words, math, plain) {
    const item = document.createElement('li');
    const read = document.createElement('span');
    read.className = 'visually-hidden';
    read.textContent = plain;
    const shown = document.createElement('span');
    shown.setAttribute('aria-hidden', 'true');
    shown.textContent = words;
    if (!math) {
      item.append(shown, read);
      return item;
    }
    const formula = m('math', ...math);
    formula.setAttribute('aria-hidden', 'true');
    const box = document.createElement('span');
    box.className = 'formula';
    box.append(formula, read);
    item.append(shown, ' ', box);
    return item;
  }

  // A formula's box is a stop of the keyboard's only while it scrolls,
  // and fades out on each side where there is more of it (page.css).
  /** @param {HTMLElement} box */
  function edges(box) {
    box.classList.toggle('more-left', box.scrollLeft > 1);
    box.classList.toggle('more-right', box.scrollLeft + box.clientWidth < box.scrollWidth - 1);
  }
  section.addEventListener(
    'scroll',
    (e) => {
      const target = /** @type {HTMLElement} */ (e.target);
      if (target.classList.contains('formula')) edges(target);
    },
    true,
  );
  const formulas = () => [.../** @type {NodeListOf<HTMLElement>} */ (section.querySelectorAll('.formula'))];
  const boxes = new ResizeObserver(() => {
    for (const box of formulas()) {
      if (box.scrollWidth > box.clientWidth + 1) box.tabIndex = 0;
      else box.removeAttribute('tabindex');
      edges(box);
    }
  });

  // A Gaussian of sigma 0 is 0 everywhere but at its mean, where its peak
  // is 1: the product is 0 but there, if there at all.
  /** @param {BellscopeState} state */
  function flatLines(state) {
    const { steps, flat, flatHeight } = /** @type {StateWorking} */ (state.working);
    const g = state.gaussians[flat - 1];
    const product = productName(state.names);
    /** @type {TextValues} */
    const values = { name: curveName(state.names, flat), u: formatNumber(g.u), product };
    const other = state.gaussians.findIndex((o, i) => o.on && o.sigma === 0 && o.u !== g.u && i !== flat - 1);
    let words;
    if (other >= 0) {
      values.other = curveName(state.names, other + 1);
      values.otherU = formatNumber(state.gaussians[other].u);
      words = say('workingFlatApart', values);
    } else {
      values.height = formatHeight(flatHeight);
      words = say(steps.length > 1 ? 'workingFlat' : 'workingFlatAlone', values);
    }
    const result = [line(words, null, words)];
    if (other < 0) result.push(line(say('workingFlatDrawn'), null, say('workingFlatDrawn')));
    return result;
  }

  // A walk's half, worked out: the predict, where the variances add (the
  // belief's position plus a move of v, whose noise is q: a sum), in place
  // of the product, which is not drawn; the update's product, where the
  // precisions add, with the gain as the measurement's weight in the same
  // weighted mean.
  /** @param {StateTrack} track */
  function trackLines(track) {
    if (track.half === 'start') {
      const words = say('trackWorkingStart', {
        u: formatNumber(track.start.u),
        sigma: formatNumber(track.start.sigma),
      });
      return [line(words, null, words)];
    }
    const row = track.rows[track.step - 1];
    const before = track.step > 1 ? /** @type {StateBelief} */ (track.rows[track.step - 2].updated) : track.start;
    const { q, v, r } = track.settings;
    const square = (/** @type {Element} */ base) => m('msup', base, m('mn', '2'));
    if (track.half === 'predict') {
      const values = {
        from: formatNumber(before.sigma),
        q: formatNumber(q),
        sigma: formatNumber(row.predicted.sigma),
        before: formatNumber(before.u),
        v: formatNumber(v),
        u: formatNumber(row.predicted.u),
      };
      const widened = [
        name('σ'),
        op('='),
        m('msqrt', square(number(before.sigma)), op('+'), square(number(q))),
        op('='),
        number(row.predicted.sigma),
      ];
      const moved = [
        name('u'),
        op('='),
        number(before.u),
        op(v < 0 ? '−' : '+'),
        number(Math.abs(v)),
        op('='),
        number(row.predicted.u),
      ];
      return [
        line(
          say('trackWorkingPredict', values),
          widened,
          `${say('trackWorkingPredict', values)} σ = √(${values.from}² + ${values.q}²) = ${values.sigma}`,
        ),
        line(
          say('trackWorkingMoved', values),
          moved,
          `${say('trackWorkingMoved', values)} u = ${values.before} ${v < 0 ? '−' : '+'} ${formatNumber(Math.abs(v))} = ${values.u}`,
        ),
      ];
    }
    const predicted = row.predicted;
    const updated = /** @type {StateBelief} */ (row.updated);
    const values = {
      sigma: formatNumber(predicted.sigma),
      r: formatNumber(r),
      gain: formatNumber(row.gain),
      u: formatNumber(predicted.u),
      z: formatNumber(row.z),
      updated: formatNumber(updated.u),
    };
    const gain = [
      name('K'),
      op('='),
      m(
        'mfrac',
        square(number(predicted.sigma)),
        m('mrow', square(number(predicted.sigma)), op('+'), square(number(r))),
      ),
      op('='),
      number(row.gain),
    ];
    const mean = [
      name('u'),
      op('='),
      number(predicted.u),
      op('+'),
      number(row.gain),
      m('mrow', op('('), number(row.z), op('−'), number(predicted.u), op(')')),
      op('='),
      number(updated.u),
    ];
    return [
      line(
        say('trackWorkingGain', values),
        gain,
        `${say('trackWorkingGain', values)} K = ${values.sigma}² / (${values.sigma}² + ${values.r}²) = ${values.gain}`,
      ),
      line(
        say('trackWorkingMean', values),
        mean,
        `${say('trackWorkingMean', values)} u = ${values.u} + ${values.gain} × (${values.z} − ${values.u}) = ${values.updated}`,
      ),
    ];
  }

  /** @param {BellscopeState} state */
  function lines(state) {
    if (state.track && state.track.half !== 'update') return trackLines(state.track);
    if (!state.working) return [line(say('workingHidden'), null, say('workingHidden'))];
    const { steps, flat } = state.working;
    if (!steps.length) return [line(say('workingNone'), null, say('workingNone'))];
    if (flat) return flatLines(state);
    /** @type {HTMLElement[]} */
    const result = [];
    for (const step of steps) {
      // A Gaussian's values are finite: a view holds no others.
      const g = /** @type {StateGaussian & {u: number, sigma: number}} */ (state.gaussians[step.gaussian - 1]);
      const name = curveName(state.names, step.gaussian);
      /** @type {TextValues} */
      const values = { name, u: formatNumber(g.u), sigma: formatNumber(Math.abs(g.sigma)) };
      values.precision = formatNumber(step.precision);
      const words = say('workingGaussian', values);
      const math = [precisionOf(step.gaussian), op('='), number(step.precision)];
      result.push(line(words, math, say('workingGaussianRead', values)));
      if (g.sigma < 0) result.push(line(say('workingNegative', { name }), null, say('workingNegative', { name })));
    }
    steps.slice(1).forEach((step, i) => {
      const before = steps[i];
      const values = {
        product: steps
          .slice(0, i + 2)
          .map((s) => curveName(state.names, s.gaussian))
          .join(' × '),
        before: formatNumber(before.total),
        precision: formatNumber(step.precision),
        total: formatNumber(step.total),
        sigma: formatNumber(step.sigma),
        u: formatNumber(step.u),
        height: formatHeight(step.height),
      };
      const math = [
        precisionOf(0),
        op('='),
        number(before.total),
        op('+'),
        number(step.precision),
        op('='),
        number(step.total),
        between(),
        name('σ'),
        op('='),
        number(step.sigma),
        between(),
        name('u'),
        op('='),
        number(step.u),
      ];
      result.push(line(say('workingStep', values), math, say('workingStepRead', values)));
    });
    const last = steps[steps.length - 1];
    const values = {
      u: formatNumber(last.u),
      sigma: formatNumber(last.sigma),
      height: formatHeight(last.height),
      product: productName(state.names),
    };
    result.push(line(say('workingResult', values), null, say('workingResult', values)));
    if (steps.length > 1) {
      const math = [
        name('h'),
        op('='),
        name('exp'),
        m(
          'mrow',
          op('('),
          op('−'),
          m('mfrac', m('mn', '1'), m('mn', '2')),
          m(
            'mrow',
            op('('),
            m('munder', op('∑'), name('i')),
            m(
              'mfrac',
              m('msubsup', name('u'), name('i'), m('mn', '2')),
              m('msubsup', name('σ'), name('i'), m('mn', '2')),
            ),
            op('−'),
            m('mfrac', m('msup', name('u'), m('mn', '2')), m('msup', name('σ'), m('mn', '2'))),
            op(')'),
          ),
          op(')'),
        ),
        ...heightIs(last.height),
      ];
      if (last.height === null) result.push(line(say('workingHeightUnknown'), null, say('workingHeightUnknown')));
      else result.push(line(say('workingHeight', values), math, say('workingHeightRead', values)));
      const agreement = heightWords(state);
      result.push(line(agreement, null, agreement));
    }
    // The picture's truncation, with an example in the page's own numbers.
    const truncated = say('workingTruncated', {
      exact: numberFormat({ minimumFractionDigits: 2, useGrouping: false }).format(299.97),
      shown: formatWhole(299),
    });
    result.push(line(truncated, null, truncated));
    return result;
  }

  return {
    relabel: introduce,
    /** @param {BellscopeState} state */
    show(state) {
      if (state.names !== names) {
        names = state.names;
        introduce();
      }
      // Each formula's box keeps where it was scrolled to, and the focus.
      // (Read before they go: a box taken out of the page has no scroll.)
      const before = formulas();
      const scrolled = before.map((box) => box.scrollLeft);
      const focused = before.indexOf(/** @type {HTMLElement} */ (document.activeElement));
      const shown = lines(state);
      if (state.track && state.track.half === 'update') {
        const words = say('trackWorkingUpdate');
        shown.unshift(line(words, null, words));
        shown.push(...trackLines(state.track));
      }
      section.replaceChildren(...shown);
      boxes.disconnect();
      formulas().forEach((box, i) => {
        boxes.observe(box);
        boxes.observe(/** @type {Element} */ (box.firstChild));
        if (i < scrolled.length) box.scrollLeft = scrolled[i];
        edges(box);
        if (i !== focused) return;
        box.tabIndex = 0;
        box.focus({ preventScroll: true });
      });
    },
  };
}
