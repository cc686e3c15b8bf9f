// Writes the page's scripts into a folder, each minified with terser (its
// comments and spaces dropped, its local names shortened; the names the
// scripts share at the top level are kept), as the web page carries them:
//   node scripts/minify-page.js FOLDER FILE...
// FOLDER/NAME for each FILE's name, which must differ. A language's table
// of texts (text/<code>.js, beside the English one, en.js) is written as its
// texts alone, in the order of the English table's keys, which the page
// puts back (unpackTexts in text.js): the keys, the same in every table,
// would be carried seven times.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const vm = require('node:vm');
const { minify } = require('terser');

// The tables a text file fills, run as the page runs it.
function tablesOf(file) {
  const context = { TEXTS: {} };
  vm.runInNewContext(fs.readFileSync(file, 'utf8'), context, { filename: file });
  return context.TEXTS;
}

// A language's table as its texts in the English table's order; null for
// any other script.
function packedTexts(file) {
  const english = path.join(path.dirname(file), 'en.js');
  if (path.basename(file) === 'en.js' || !fs.existsSync(english)) return null;
  const keys = Object.keys(tablesOf(english).en);
  const tables = Object.entries(tablesOf(file));
  if (tables.length !== 1) throw new Error(`${file} fills ${tables.length} tables, not one`);
  const [code, texts] = tables[0];
  const missing = keys.filter((key) => typeof texts[key] !== 'string');
  const extra = Object.keys(texts).filter((key) => !keys.includes(key));
  if (missing.length || extra.length) throw new Error(`${file} differs from en.js in ${[...missing, ...extra]}`);
  return `'use strict';TEXTS[${JSON.stringify(code)}]=unpackTexts(${JSON.stringify(keys.map((key) => texts[key]))});`;
}

async function main() {
  const [folder, ...files] = process.argv.slice(2);
  if (!folder || !files.length) throw new Error('usage: minify-page.js FOLDER FILE...');
  fs.mkdirSync(folder, { recursive: true });
  const names = new Set();
  for (const file of files) {
    const name = path.basename(file);
    if (names.has(name)) throw new Error(`two scripts named ${name}`);
    names.add(name);
    const result = await minify(packedTexts(file) ?? fs.readFileSync(file, 'utf8'), {
      ecma: 2022,
      // Function expressions that use neither this nor arguments as arrows,
      // and methods written short: the page constructs none of them.
      compress: { passes: 3, unsafe_arrows: true, unsafe_methods: true },
      mangle: true,
      format: { comments: false },
    });
    fs.writeFileSync(path.join(folder, name), result.code);
  }
}

main().catch((error) => {
  console.error(`minify-page.js: ${error.message}`);
  process.exit(1);
});
