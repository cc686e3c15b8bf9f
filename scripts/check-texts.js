#!/usr/bin/env node
// Checks the page's translations against English: every language in the
// menu has a file, every file has every key and no other, and each text has
// the same {names}, **strong** and `code` marks as the English one. Prints
// each fault and exits 1 if there is one.
//   node scripts/check-texts.js [DIRECTORY]   (app/web/text by default)
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const vm = require('node:vm');

const root = path.join(__dirname, '..');
const directory = process.argv[2] || path.join(root, 'app', 'web', 'text');
const context = { TEXTS: {} };
vm.createContext(context);
for (const file of fs
  .readdirSync(directory)
  .filter((f) => f.endsWith('.js'))
  .sort())
  vm.runInContext(fs.readFileSync(path.join(directory, file), 'utf8'), context, { filename: file });
// The menu's languages, as the page's text script lists them.
const script = fs.readFileSync(path.join(root, 'app', 'web', 'script', 'text.js'), 'utf8');
const offered = Object.keys(vm.runInNewContext(`(${script.match(/const LANGUAGES = (\{[^}]*\});/)[1]})`));

const faults = [];
const marks = (text) =>
  [
    ...[...text.matchAll(/\{\w+\}/g)].map((m) => m[0]).sort(),
    `** ${(text.match(/\*\*/g) || []).length}`,
    `\` ${(text.match(/`/g) || []).length}`,
  ].join(' ');
const english = context.TEXTS.en;
for (const code of offered) if (!context.TEXTS[code]) faults.push(`${code}: offered, but no text/${code}.js`);
for (const [code, table] of Object.entries(context.TEXTS)) {
  if (code === 'en') continue;
  if (!offered.includes(code)) faults.push(`${code}: a table the menu does not offer`);
  for (const key of Object.keys(english)) {
    if (typeof table[key] !== 'string') faults.push(`${code}: no text "${key}"`);
    else if (marks(table[key]) !== marks(english[key]))
      faults.push(`${code}: "${key}" has ${marks(table[key])}, English ${marks(english[key])}`);
  }
  for (const key of Object.keys(table)) if (!(key in english)) faults.push(`${code}: "${key}" is not an English key`);
}
for (const fault of faults) console.error(`check-texts: ${fault}`);
if (faults.length) process.exit(1);
console.log(`check-texts: ${offered.length} languages, ${Object.keys(english).length} texts each: all there`);
