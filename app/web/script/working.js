'use strict';
/* exported connectWorking, heightWords, formatNumber, formatWhole */
/* global say, curveName, numberFormat */

// Numbers as the working gives them: four significant figures, in the
// page's language's own way of writing them.
// Very large and very small ones in scientific notation.
function formatNumber(value) {
  if (value === null || !Number.isFinite(value)) return say('tooLarge');
  const size = Math.abs(value);
  const notation = size >= 1e7 || (size > 0 && size < 1e-6) ? 'scientific' : 'standard';
  return numberFormat({ maximumSignificantDigits: 4, notation }).format(value);
}

// A whole number the picture prints, in the page's language's digits,
// without separators between thousands, as the picture writes it.
function formatWhole(value) {
  return numberFormat({ useGrouping: false, maximumFractionDigits: 0 }).format(value);
}

// What the height of the point-by-point product says: how well the curves
// agree. The product's own height, in words, for one or more curves.
function heightWords(working) {
  const steps = working.steps;
  const height = steps.length ? steps[steps.length - 1].height : null;
  if (steps.length < 2 || working.flat || height === null) return '';
  const percent = numberFormat({ style: 'percent', maximumSignificantDigits: 2 }).format(height);
  return say(height >= 0.5 ? 'agree' : height >= 0.05 ? 'partlyAgree' : 'hardlyAgree', { percent });
}

// "How the white curve is made": the product rule worked out with the
// program's own numbers (the state's working), in MathML, each line with a
// plain-text equivalent for screen readers. Returns show(state), called
// with each state the program tells.
function connectWorking() {
  const section = document.getElementById('working-steps');
  const MATHML = 'http://www.w3.org/1998/Math/MathML';

  // A MathML element: tag, then children (elements or text).
  function m(tag, ...children) {
    const element = document.createElementNS(MATHML, tag);
    for (const child of children) element.append(child);
    return element;
  }
  const number = (value) => m('mn', formatNumber(value));
  const name = (text) => m('mi', text);
  const op = (text) => m('mo', text);
  const sub = (base, index) => m('msub', name(base), m('mn', String(index)));
  const precisionOf = (index) => m('mfrac', m('mn', '1'), m('msup', index ? sub('σ', index) : name('σ'), m('mn', '2')));

  // One line of the working: its words, its mathematics and the same in
  // plain text, which is what a screen reader reads.
  function line(words, math, plain) {
    const item = document.createElement('li');
    const shown = document.createElement('span');
    shown.setAttribute('aria-hidden', 'true');
    const formula = document.createElement('span'); // scrolls, where the formula is too wide
    formula.className = 'formula';
    if (math) formula.append(m('math', ...math));
    shown.append(words ? words + ' ' : '', ...(math ? [formula] : []));
    const read = document.createElement('span');
    read.className = 'visually-hidden';
    read.textContent = plain;
    item.append(shown, read);
    return item;
  }

  function lines(state) {
    if (!state.working) return [line(say('workingHidden'), null, say('workingHidden'))];
    const { steps, flat } = state.working;
    if (!steps.length) return [line(say('workingNone'), null, say('workingNone'))];
    const flatWords = flat && say('workingFlat', { name: curveName(state.names, flat) });
    if (flat) return [line(flatWords, null, flatWords)];
    const result = [];
    for (const step of steps) {
      const g = state.gaussians[step.gaussian - 1];
      const name = curveName(state.names, step.gaussian);
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
        height: formatNumber(step.height),
      };
      const math = [
        precisionOf(0),
        op('='),
        number(before.total),
        op('+'),
        number(step.precision),
        op('='),
        number(step.total),
        op(','),
        name('σ'),
        op('='),
        number(step.sigma),
        op(','),
        name('u'),
        op('='),
        number(step.u),
      ];
      result.push(line(say('workingStep', values), math, say('workingStepRead', values)));
    });
    const last = steps[steps.length - 1];
    const values = { u: formatNumber(last.u), sigma: formatNumber(last.sigma), height: formatNumber(last.height) };
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
        op('='),
        number(last.height),
      ];
      if (last.height === null) result.push(line(say('workingHeightUnknown'), null, say('workingHeightUnknown')));
      else result.push(line(say('workingHeight', values), math, say('workingHeightRead', values)));
      const agreement = heightWords(state.working);
      result.push(line(agreement, null, agreement));
    }
    result.push(line(say('workingTruncated'), null, say('workingTruncated')));
    return result;
  }

  return {
    show(state) {
      section.replaceChildren(...lines(state));
    },
  };
}
