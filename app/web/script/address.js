'use strict';
/* exported pageAddress */
/* global remembered */

// The page's address, read once: the view, in the view grammar, which the
// program reads, and the page's own parameters, which it does not: a
// lesson's name (lesson=NAME), a challenge's number (challenge=SEED) and
// the page's language (lang=CODE).
// A parameter given twice counts once, the first; a value that cannot be
// decoded is taken as written.
// Installed as an app, the page opens without a query: in the view it
// showed when it was installed, then.
const pageAddress = (() => {
  const OWN = ['lesson', 'challenge', 'lang'];
  let search = location.search;
  if (!search && window.matchMedia('(display-mode: standalone)').matches) search = remembered('bellscope.start') || '';
  const parts = search.replace(/^\?/, '').split('&').filter(Boolean);
  const own = (part) => OWN.find((name) => part.startsWith(name + '='));
  const address = { view: parts.filter((part) => !own(part)).join('&') };
  for (const name of OWN) {
    const part = parts.find((p) => own(p) === name);
    let value = part === undefined ? null : part.slice(name.length + 1);
    try {
      if (value !== null) value = decodeURIComponent(value);
    } catch {
      // a bad escape: kept as it is, and refused by whoever reads it
    }
    address[name] = value;
  }
  return address;
})();
