'use strict';
/* exported pageAddress, changeAddress */
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

// The address as the page shows it from now on, so that a reload opens what
// is shown: change(parts) gives the query's parameters ("name=value") from
// those it has now. The page's history gets no new entry, and a browser or
// a host that refuses the change leaves the address as it was.
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
