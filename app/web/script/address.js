'use strict';
/* exported pageAddress, changeAddress, quotedPart */
/* global remembered, typedText */

// The page's address, read once: the view, in the view grammar, which the
// program reads, and the page's own parameters, which it does not: a
// lesson's name (lesson=NAME), a challenge's number (challenge=SEED) and
// the page's language (lang=CODE); and a walk of Track's (track=SEED with
// its settings, q=... and the rest), which the program reads on its own,
// refusing a setting given twice itself.
// A parameter given twice is refused, as the view grammar refuses one of
// its own: the page goes on as if it were not given, and says so. A view
// beside a challenge is left out, and said so: a challenge shows its own
// rounds; the view goes from the address too, so that neither a reload nor
// leaving the challenge shows it; so is one beside a walk, which shows its
// own curves, and a walk beside a challenge, which comes first. So is one
// beside a lesson given twice,
// which it was to change (lessons.js does the same for a lesson that does
// not exist). What is refused waits in `refusals`, [text key, values]
// each, for the page to say. A value that cannot be decoded is taken as
// written.
// Installed as an app, the page opens without a query: in the view it
// showed when it was installed, then.
/**
 * @typedef {object} PageAddress
 * @property {string} view
 * @property {string | null} lesson
 * @property {string | null} challenge
 * @property {string | null} lang
 * @property {string | null} track the walk's parameters, as a query
 * @property {Saying[]} refusals
 */
const pageAddress = (() => {
  // Each with what the page says when it is given twice.
  /** @type {Record<string, [TextKey, TextKey]>} */
  const OWN = {
    lesson: ['lessonRefused', 'reasonLessonGiven'],
    challenge: ['challengeRefused', 'reasonChallengeGiven'],
    lang: ['languageRefused', 'reasonLanguageGiven'],
  };
  const TRACK = ['track', 'q', 'r', 'v', 'walk', 'steps', 'truth'];
  let search = location.search;
  if (!search && window.matchMedia('(display-mode: standalone)').matches) search = remembered('start') || '';
  const parts = search.replace(/^\?/, '').split('&').filter(Boolean);
  /** @param {string} part */
  const own = (part) => Object.keys(OWN).find((name) => part === name || part.startsWith(name + '='));
  /** @param {string} part */
  const walks = (part) => TRACK.some((name) => part === name || part.startsWith(name + '='));
  const address = /** @type {PageAddress} */ ({
    view: parts.filter((part) => !own(part) && !walks(part)).join('&'),
    track: parts.some(walks) ? parts.filter(walks).join('&') : null,
    refusals: /** @type {Saying[]} */ ([]),
  });
  for (const [name, [sentence, reason]] of Object.entries(OWN)) {
    const given = parts.filter((part) => own(part) === name);
    address[/** @type {'lesson' | 'challenge' | 'lang'} */ (name)] =
      given.length === 1 ? decodedPart(given[0].slice(name.length + 1)) : null;
    if (given.length > 1) address.refusals.push([sentence, { why: { key: reason, what: quotedPart(given[1]) } }]);
  }
  if (address.track !== null && address.challenge !== null) {
    address.refusals.push(['challengeAndTrack']);
    address.track = null;
    changeAddress((now) => now.filter((part) => !walks(part)));
  }
  const lessonTwice = parts.filter((part) => own(part) === 'lesson').length > 1;
  const showsItsOwn = address.challenge !== null || address.track !== null;
  if (address.view && (showsItsOwn || lessonTwice)) {
    const view = typedText(quotedPart(address.view));
    address.refusals.push(
      address.challenge !== null
        ? ['challengeAndView', { view }]
        : address.track !== null
          ? ['trackAndView', { view }]
          : ['lessonViewLeftOut', { view }],
    );
    address.view = '';
    if (showsItsOwn) changeAddress((now) => now.filter((part) => own(part) || walks(part)));
  }
  return address;
})();

// A part of an address decoded; one that cannot be is taken as written.
/** @param {string} text */
function decodedPart(text) {
  try {
    return decodeURIComponent(text);
  } catch {
    return text; // a bad escape: kept as it is, and refused by whoever reads it
  }
}

// A part of an address quoted as the view grammar quotes: decoded, at most
// 60 characters, then "...".
/** @param {string} text */
function quotedPart(text) {
  const chars = [...decodedPart(text)];
  return chars.length > 60 ? `${chars.slice(0, 60).join('')}...` : chars.join('');
}

// The address as the page shows it from now on, so that a reload opens what
// is shown: change(parts) gives the query's parameters ("name=value") from
// those it has now. The page's history gets no new entry, and a browser or
// a host that refuses the change leaves the address as it was.
/** @param {(parts: string[]) => string[]} change */
function changeAddress(change) {
  const parts = location.search.replace(/^\?/, '').split('&').filter(Boolean);
  const query = change(parts).join('&');
  if (query === parts.join('&')) return;
  try {
    history.replaceState(history.state, '', location.pathname + (query ? `?${query}` : '') + location.hash);
  } catch {
    // a sandboxed frame, say: the address stays
  }
}
