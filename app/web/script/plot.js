'use strict';
/* exported drawTrackPlot */
/* global formatWhole */

// Track's plot, below the picture: a walk's position against its steps, the
// true positions (once shown, as diamonds), the measurements (rings) and the
// filter's estimate (a line through dots) with its ±σ band, and a step's
// prediction, before its update, as a dashed bar of ±σ, wider than the band
// before it. Drawn in SVG in the picture's
// colours of the moment (the belief's for the estimate, the measurement's
// for the rings), each told apart by its shape too, as forced colours draw
// them all in one colour. Drawn in the page's own pixels, so that its
// writing is the page's size on a phone as on a projector, and again when
// its width changes. The table of the steps says the same in numbers; the
// legend under the plot says so.
const SVG = 'http://www.w3.org/2000/svg';
const PLOT_HEIGHT = 200;
const PLOT_MARGIN = { left: 44, right: 12, top: 10, bottom: 28 };

/** @type {[StateTrack, PlotColours] | null} */
let plotted = null;
/** @type {ResizeObserver | null} */
let plotWidth = null;

/**
 * An SVG element with its attributes.
 * @param {string} tag
 * @param {Record<string, string | number>} attributes
 */
function svg(tag, attributes) {
  const element = document.createElementNS(SVG, tag);
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, String(value));
  return element;
}

// Round steps for an axis: 1, 2 or 5 times a power of ten, about `count` of them.
/**
 * @param {number} low
 * @param {number} high
 * @param {number} count
 */
function ticks(low, high, count) {
  const rough = (high - low) / Math.max(1, count);
  const power = 10 ** Math.floor(Math.log10(rough));
  const step = [1, 2, 5, 10].map((k) => k * power).find((k) => k >= rough) || 10 * power;
  const marks = [];
  for (let at = Math.ceil(low / step) * step; at <= high; at += step) marks.push(at);
  return marks;
}

// colours: the belief's and the measurement's, as the picture draws them now.
/**
 * @typedef {{estimate: string, measurement: string}} PlotColours
 * @param {StateTrack} track
 * @param {PlotColours} colours
 */
function drawTrackPlot(track, colours) {
  plotted = [track, colours];
  const plot = /** @type {SVGSVGElement} */ (/** @type {unknown} */ (document.getElementById('track-plot')));
  const legend = /** @type {NodeListOf<HTMLElement>} */ (document.querySelectorAll('#track-plot-legend [data-series]'));
  for (const swatch of legend) swatch.style.color = colours[/** @type {keyof PlotColours} */ (swatch.dataset.series)];
  if (!plotWidth) {
    plotWidth = new ResizeObserver(() => plotted && drawTrackPlot(...plotted));
    plotWidth.observe(/** @type {HTMLElement} */ (plot.parentElement));
  }
  const width = Math.max(240, /** @type {HTMLElement} */ (plot.parentElement).clientWidth);
  plot.setAttribute('viewBox', `0 0 ${width} ${PLOT_HEIGHT}`);
  plot.setAttribute('width', String(width));
  plot.setAttribute('height', String(PLOT_HEIGHT));

  // The estimate after each update, from the start, and the step's
  // prediction while it waits for its update; the rows' measurements and
  // truths where there are.
  const finite = (/** @type {number | null} */ v) => v !== null && Number.isFinite(v);
  const whole = (/** @type {StateBelief} */ b) => finite(b.u) && finite(b.sigma);
  const u = (/** @type {StateBelief} */ b) => /** @type {number} */ (b.u);
  const sigma = (/** @type {StateBelief} */ b) => /** @type {number} */ (b.sigma);
  const estimates = [{ step: 0, belief: track.start }];
  for (const row of track.rows) if (row.updated) estimates.push({ step: row.step, belief: row.updated });
  const shown = estimates.filter(({ belief }) => whole(belief));
  const waiting = track.half === 'predict' ? track.rows[track.step - 1].predicted : null;
  const predicted = waiting && whole(waiting) ? waiting : null;
  /** @type {number[]} */
  const values = [];
  for (const belief of [...shown.map((e) => e.belief), ...(predicted ? [predicted] : [])])
    values.push(u(belief) - sigma(belief), u(belief) + sigma(belief));
  for (const row of track.rows)
    for (const v of [row.z, row.truth]) if (finite(v)) values.push(/** @type {number} */ (v));
  const middle = values.length ? (Math.min(...values) + Math.max(...values)) / 2 : 400;
  const half = Math.max(50, values.length ? (Math.max(...values) - Math.min(...values)) / 2 : 0) * 1.1;
  const [low, high] = [middle - half, middle + half];
  const { left, right, top, bottom } = PLOT_MARGIN;
  const x = (/** @type {number} */ step) => left + ((width - left - right) * step) / Math.max(1, track.steps);
  const y = (/** @type {number} */ v) => top + ((PLOT_HEIGHT - top - bottom) * (high - v)) / (high - low);

  /** @type {Element[]} */
  const parts = [];
  // The axes: positions up the side, steps along the foot.
  for (const at of ticks(low, high, 4)) {
    parts.push(svg('line', { class: 'grid', x1: left, x2: width - right, y1: y(at), y2: y(at) }));
    const label = svg('text', { x: left - 6, y: y(at) + 4, 'text-anchor': 'end' });
    label.textContent = formatWhole(at);
    parts.push(label);
  }
  const every = width < 420 && track.steps > 12 ? 4 : width < 600 && track.steps > 8 ? 2 : 1;
  for (let step = 0; step <= track.steps; step += every) {
    const label = svg('text', { x: x(step), y: PLOT_HEIGHT - 8, 'text-anchor': 'middle' });
    label.textContent = formatWhole(step);
    parts.push(label);
  }
  parts.push(
    svg('line', { class: 'axis', x1: left, x2: width - right, y1: PLOT_HEIGHT - bottom, y2: PLOT_HEIGHT - bottom }),
  );
  // The estimate and its band.
  const point = (/** @type {number} */ step, /** @type {number} */ v) => `${x(step).toFixed(1)},${y(v).toFixed(1)}`;
  if (shown.length) {
    const upper = shown.map(({ step, belief }) => point(step, Math.min(high, u(belief) + sigma(belief))));
    const lower = shown.map(({ step, belief }) => point(step, Math.max(low, u(belief) - sigma(belief)))).reverse();
    parts.push(svg('polygon', { class: 'band', points: [...upper, ...lower].join(' '), fill: colours.estimate }));
    const line = shown.map(({ step, belief }) => point(step, u(belief))).join(' ');
    parts.push(svg('polyline', { class: 'estimate', points: line, stroke: colours.estimate }));
    for (const { step, belief } of shown)
      parts.push(svg('circle', { class: 'dot', cx: x(step), cy: y(u(belief)), r: 3, fill: colours.estimate }));
  }
  if (predicted) {
    const at = x(track.step);
    const [from, to] = [y(u(predicted) + sigma(predicted)), y(u(predicted) - sigma(predicted))];
    const bar = `M${at},${from}V${to}M${at - 6},${from}H${at + 6}M${at - 6},${to}H${at + 6}`;
    parts.push(svg('path', { class: 'predicted', d: bar, stroke: colours.estimate }));
    parts.push(svg('circle', { class: 'dot', cx: at, cy: y(u(predicted)), r: 3, fill: colours.estimate }));
  }
  for (const row of track.rows) {
    if (finite(row.z))
      parts.push(
        svg('circle', {
          class: 'measurement',
          cx: x(row.step),
          cy: y(/** @type {number} */ (row.z)),
          r: 4,
          stroke: colours.measurement,
        }),
      );
    if (finite(row.truth)) {
      const [cx, cy] = [x(row.step), y(/** @type {number} */ (row.truth))];
      parts.push(
        svg('polygon', { class: 'truth', points: `${cx},${cy - 5} ${cx + 5},${cy} ${cx},${cy + 5} ${cx - 5},${cy}` }),
      );
    }
  }
  plot.replaceChildren(...parts);
}
