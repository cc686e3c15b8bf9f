'use strict';
/* exported TEXTS, unpackTexts, LANGUAGES, say, showTexts, language, setLanguage, setProductColour, loadLanguage, nearestLanguage, numberFormat, decimalSeparator, typedText, listWords, sentence, richNodes, showText, curveName, curveShortName, productName, productLabel, modeName */

// Every text the page shows or speaks, keyed by name, one table for each
// language, in a file of its own (text/<code>.js); English is the one the
// others follow. {name} is a value filled in when the text is said; in the
// texts the page lays out as rich text (data-rich), **...** is strong and
// `...` is code.
/**
 * The name of a text: a key of the English table, which every other table
 * has too.
 * @typedef {keyof typeof ENGLISH} TextKey
 * @typedef {Record<TextKey, string>} Texts
 * The values a text's {names} are filled from: each a number or a text, a
 * refusal, or typed text.
 * @typedef {{[name: string]: string | number | Refusal | TypedText | undefined}} TextValues
 * A text to say, by its name, with its values.
 * @typedef {[key: TextKey, values?: TextValues]} Saying
 * @type {Record<string, Texts>}
 */
const TEXTS = {};

// A language's table as the page carries it, built from its source
// (text/<code>.js) by scripts/minify-page.js: its texts alone, in the order
// of the English table's keys.
/**
 * @param {string[]} texts
 * @returns {Texts}
 */
function unpackTexts(texts) {
  return /** @type {Texts} */ (Object.fromEntries(Object.keys(TEXTS.en).map((key, i) => [key, texts[i]])));
}

// The languages the page offers, in the order of its menu, each by its own
// name; and en-XA, a pseudo-language for testing layouts (English accented
// and 40% longer), reached only by an address's lang=en-XA.
/** @type {Record<string, string>} */
const LANGUAGES = {
  en: 'English',
  es: 'Español',
  fr: 'Français',
  de: 'Deutsch',
  'pt-BR': 'Português (Brasil)',
  'zh-CN': '中文（简体）',
  ar: 'العربية',
};
const PSEUDO = 'en-XA';
const RIGHT_TO_LEFT = ['ar'];

let language = 'en';

// The language of ours nearest a language tag (lang=, or one the browser
// prefers): the same, else one of the same language (pt-PT: pt-BR, zh-TW:
// zh-CN, ar-EG: ar), else null.
/** @param {unknown} tag */
function nearestLanguage(tag) {
  if (typeof tag !== 'string' || !tag) return null;
  const wanted = tag.toLowerCase();
  if (wanted === PSEUDO.toLowerCase()) return PSEUDO;
  const codes = Object.keys(LANGUAGES);
  const same = codes.find((code) => code.toLowerCase() === wanted);
  const base = wanted.split('-')[0];
  return same || codes.find((code) => code.toLowerCase().split('-')[0] === base) || null;
}

// English, accented and about 40% longer (vowels, n, r and s doubled), with the
// {names}, and what `...` holds, untouched: what a translation does to the
// page's layout, readable still. Letter for letter, so that a button's
// words are still within its accessible name.
/** @returns {Texts} */
function pseudoTexts() {
  /** @type {Record<string, string>} */
  const ACCENTED = { a: 'áá', e: 'éé', i: 'îî', o: 'öö', u: 'üü', n: 'ññ', r: 'ŕŕ', s: 'šš', c: 'ç', y: 'ý' };
  /** @param {string} c */
  const one = (c) => ACCENTED[c.toLowerCase()] || c;
  /** @param {string} part */
  const accent = (part) => part.replace(/[a-zA-Z]/g, (c) => (c === c.toLowerCase() ? one(c) : one(c).toUpperCase()));
  const table = /** @type {Texts} */ ({});
  for (const [key, text] of Object.entries(TEXTS.en))
    table[/** @type {TextKey} */ (key)] = text
      .split(/(\{\w+\}|`[^`]*`)/)
      .map((part, i) => (i % 2 ? part : accent(part)))
      .join('');
  return table;
}

// Says everything in `code` (one of LANGUAGES, or the pseudo-language) from
// now on, and marks the document as written in it, right to left where it is.
/** @param {string} code */
function setLanguage(code) {
  if (code === PSEUDO && !TEXTS[PSEUDO]) TEXTS[PSEUDO] = pseudoTexts();
  language = TEXTS[code] ? code : 'en';
  document.documentElement.lang = language;
  document.documentElement.dir = RIGHT_TO_LEFT.includes(language) ? 'rtl' : 'ltr';
}

// The served page carries English alone, and fetches another language's
// table (text-<code>.js, beside it) the first time it is wanted; the single
// file carries them all. Resolves to whether the table is there. Fetched
// while the page's head is read, it holds the page's first rendering, so
// that the page never shows itself in English first.
/** @type {Map<string, Promise<boolean>>} */
const loading = new Map();
/**
 * @param {string} code
 * @returns {Promise<boolean>}
 */
function loadLanguage(code) {
  if (TEXTS[code] || code === PSEUDO) return Promise.resolve(true);
  if (!loading.has(code))
    loading.set(
      code,
      new Promise((resolve) => {
        const script = document.createElement('script');
        script.src = `text-${code}.js`;
        script.setAttribute('blocking', 'render');
        script.onload = () => resolve(Boolean(TEXTS[code]));
        script.onerror = () => {
          loading.delete(code); // asked for again, it is fetched again
          script.remove();
          resolve(false);
        };
        document.head.append(script);
      }),
    );
  return /** @type {Promise<boolean>} */ (loading.get(code));
}

// The colour the picture draws the product in, which the texts name
// ({productColour}, "the white curve"): black in the light colours (by
// their name, as the menu Colours gives it), white in the others.
let productDrawnBlack = false;
/** @param {string | null} colours */
function setProductColour(colours) {
  productDrawnBlack = colours === 'light';
}

// The page's language's way of writing numbers with these options
// (Intl.NumberFormat's), made once: making one takes a while.
/** @type {Map<string, Intl.NumberFormat>} */
const numberFormats = new Map();
/** @param {Intl.NumberFormatOptions} options */
function numberFormat(options) {
  const key = `${language} ${JSON.stringify(options)}`;
  if (!numberFormats.has(key)) numberFormats.set(key, new Intl.NumberFormat(language, options));
  return /** @type {Intl.NumberFormat} */ (numberFormats.get(key));
}
// The page's language's decimal separator.
function decimalSeparator() {
  const parts = numberFormat({}).formatToParts(1.5);
  return /** @type {Intl.NumberFormatPart} */ (parts.find((part) => part.type === 'decimal')).value;
}

// The text named `key` in the page's language, its {names} filled from
// `values`; English where the language's table lacks it (the translations'
// check fails for that). A name the English table lacks is a fault of the
// page's, said loudly. A value may be a refusal or typed text (below), said
// in the language of the moment. {productColour} is the product's colour
// in the picture, unless `values` says otherwise.
/**
 * @param {TextKey} key
 * @param {TextValues} [values]
 * @returns {string}
 */
function say(key, values = {}) {
  const own = TEXTS[language] && TEXTS[language][key];
  const text = typeof own === 'string' ? own : TEXTS.en[key];
  if (typeof text !== 'string') throw new Error(`BELLSCOPE's page has no text named "${key}"`);
  return text.replace(/\{(\w+)\}/g, (whole, name) => {
    if (name in values) return spoken(values[name]);
    if (name === 'productColour') return say(productDrawnBlack ? 'productColourBlack' : 'productColourWhite');
    return whole;
  });
}
/** @param {TextValues[string]} value */
function spoken(value) {
  if (value && typeof value === 'object' && 'key' in value) return refusalWords(value);
  if (value && typeof value === 'object' && 'typed' in value) return isolated(value.typed);
  return String(value);
}

// Text as someone typed it ({typed: text}), to quote in a sentence. Said
// right to left, it is kept apart, so that an address keeps its own order.
/**
 * @typedef {{typed: string}} TypedText
 * @param {string} text
 * @returns {TypedText}
 */
function typedText(text) {
  return { typed: text };
}
/** @param {string} text */
function isolated(text) {
  return document.documentElement.dir === 'rtl' ? `\u2068${text}\u2069` : text;
}

// A refusal the program hands the page (web_state.h's WEB_REFUSAL), or the page's
// own of the same form: {key, what, ...values}, the reason's text named by
// key, after what is refused. Its numbers are written as the language
// writes them, without separators between thousands, as the page writes
// every value, its lists as it lists them ("choices", one of them; others,
// all of them), and its texts as they were typed.
/**
 * @typedef {{key: TextKey, what?: string, [name: string]: string | number | string[] | undefined}} Refusal
 * @param {Refusal} refusal
 */
function refusalWords(refusal) {
  /** @type {Record<string, string>} */
  const values = {};
  for (const [name, value] of Object.entries(refusal)) {
    if (typeof value === 'number') values[name] = numberFormat({ useGrouping: false }).format(value);
    else if (Array.isArray(value)) values[name] = listWords(value, name === 'choices' ? 'disjunction' : 'conjunction');
    else values[name] = isolated(/** @type {string} */ (value));
  }
  const why = say(refusal.key, values);
  return refusal.what ? say('refusal', { what: values.what, why }) : why;
}
// Items in a sentence, as the page's language lists them ("A, B and C",
// "A、B和C", "A وB وC"): all of them (conjunction), or one (disjunction).
/**
 * @param {string[]} items
 * @param {Intl.ListFormatType} [type]
 */
function listWords(items, type = 'conjunction') {
  if (typeof Intl.ListFormat !== 'function') return items.join(', ');
  return new Intl.ListFormat(language, { type }).format(items);
}

// A text as a sentence begins: its first letter a capital, as the page's
// language writes one ("the posterior peaks" after a full stop reads "The
// posterior peaks"); a text that begins with a number, or in a script
// without capitals, stays as it is.
/** @param {string} text */
function sentence(text) {
  return text.replace(
    /^([^\p{L}\p{N}]*)(\p{L})/u,
    (/** @type {string} */ whole, /** @type {string} */ before, /** @type {string} */ letter) =>
      before + letter.toLocaleUpperCase(language),
  );
}

// The name of Gaussian n (1-4) and of their product in a view's names
// ("gaussians", "bayes" or "sensors").
/**
 * @param {CurveNames} names
 * @param {number} n
 */
function curveName(names, n) {
  if (names === 'track' && n <= 2) return say(n === 1 ? 'trackBeliefName' : 'trackMeasurementName');
  if (names === 'bayes') return n === 1 ? say('bayesPrior') : say('bayesMeasurement', { m: n - 1 });
  if (names === 'sensors') return say('sensorName', { letter: 'ABCD'[n - 1] });
  return say('gaussianName', { n });
}
// The combining mode's name (the state's mode): the program's own in
// English, as the picture prints it.
/** @param {BellscopeState['mode']} mode */
function modeName(mode) {
  return say(mode.recalc ? 'modeRecalculation' : 'modePointByPoint');
}
/** @param {CurveNames} names */
function productName(names) {
  if (names === 'track') return say('productTrack');
  return say(names === 'bayes' ? 'productBayes' : names === 'sensors' ? 'productSensors' : 'productGaussians');
}
// The product's name at the head of a line ("Combined: u = 233"), and a
// Gaussian's short name, shown beside its button ("M1"; none for
// Gaussians 1-4, whose buttons carry their numbers).
/** @param {CurveNames} names */
function productLabel(names) {
  if (names === 'track') return say('productLabelTrack');
  return say(
    names === 'bayes' ? 'productLabelBayes' : names === 'sensors' ? 'productLabelSensors' : 'productLabelGaussians',
  );
}
/**
 * @param {CurveNames} names
 * @param {number} n
 */
function curveShortName(names, n) {
  if (names === 'track') return n <= 2 ? curveName(names, n) : '';
  if (names === 'bayes') return n === 1 ? say('bayesPriorShort') : say('bayesMeasurementShort', { m: n - 1 });
  if (names === 'sensors') return say('sensorShort', { letter: 'ABCD'[n - 1] });
  return '';
}

// A rich text as nodes: **strong** and `code` within plain text.
/** @param {string} text */
function richNodes(text) {
  return text.split(/(\*\*[^*]+\*\*|`[^`]+`)/).map((part) => {
    const kind = part.startsWith('**') ? 'strong' : part.startsWith('`') ? 'code' : null;
    if (!kind) return document.createTextNode(part);
    const element = document.createElement(kind);
    element.textContent = kind === 'strong' ? part.slice(2, -2) : part.slice(1, -1);
    return element;
  });
}

// Fills the texts that the page's structure names: data-text (the text),
// data-rich (rich text), data-label (the accessible name) and data-alt (an
// image's text), each with the
// element's own data-* values for its {names}.
/** @param {ParentNode} root */
function showTexts(root) {
  for (const element of /** @type {NodeListOf<HTMLElement>} */ (root.querySelectorAll('[data-text]')))
    element.textContent = say(/** @type {TextKey} */ (element.dataset.text), element.dataset);
  for (const element of /** @type {NodeListOf<HTMLElement>} */ (root.querySelectorAll('[data-rich]')))
    element.replaceChildren(...richNodes(say(/** @type {TextKey} */ (element.dataset.rich), element.dataset)));
  for (const element of /** @type {NodeListOf<HTMLElement>} */ (root.querySelectorAll('[data-label]')))
    element.setAttribute('aria-label', say(/** @type {TextKey} */ (element.dataset.label), element.dataset));
  for (const element of /** @type {NodeListOf<HTMLImageElement>} */ (root.querySelectorAll('[data-alt]')))
    element.alt = say(/** @type {TextKey} */ (element.dataset.alt), element.dataset);
}

// A message that comes and goes: the text named `key` shown in `element`,
// and said again with the page's other texts in another language; null
// takes it away.
/**
 * @param {HTMLElement} element
 * @param {TextKey | null} key
 */
function showText(element, key) {
  if (key) element.dataset.text = key;
  else delete element.dataset.text;
  element.textContent = key ? say(key, element.dataset) : '';
}
