// Writes the page's scripts into a folder, each minified with terser (its
// comments and spaces dropped, its names shortened), and its style (a .css
// file) minified with csso, as the web page carries them:
//   node scripts/minify-page.js FOLDER FILE...
// The names the page's own scripts (those in app/web/) share at the top
// level are shortened too, each the same in every script: each stays a
// script of its own, run in its turn. Those in OUTSIDE are kept, for what
// reaches into the page from outside it (the browser tests), and so are
// Emscripten's script's (Closure Compiler chose them), which the page's
// may not take: they are all one page's global names.
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
const { minify: minifyStyle } = require('csso');

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

// The page's top-level names the browser tests use.
const OUTSIDE = ['PROGRAM_EXPORTS', 'programCalls', 'say', 'TEXTS'];
const PAGE = path.join(__dirname, '..', 'app', 'web') + path.sep;

/**
 * @param {string} file
 * @param {import('terser').MangleOptions | boolean} mangle
 * @param {object} [nameCache]
 */
function minified(file, mangle, nameCache) {
  return minify(packedTexts(file) ?? fs.readFileSync(file, 'utf8'), {
    ecma: 2022,
    // Function expressions that use neither this nor arguments as arrows,
    // and methods written short: the page constructs none of them.
    compress: { passes: 3, unsafe_arrows: true, unsafe_methods: true },
    mangle,
    nameCache,
    format: { comments: false },
  });
}

// The names a script declares at its top level, which every script of the
// page shares.
async function topLevelNames(code) {
  const { ast } = await minify(code, { compress: false, mangle: false, format: { ast: true, code: false } });
  ast.figure_out_scope({});
  return [...ast.variables.keys()];
}

async function main() {
  const [folder, ...files] = process.argv.slice(2);
  if (!folder || !files.length) throw new Error('usage: minify-page.js FOLDER FILE...');
  fs.mkdirSync(folder, { recursive: true });
  const names = new Set();
  for (const file of files) {
    const name = path.basename(file);
    if (names.has(name)) throw new Error(`two scripts named ${name}`);
    if (name.endsWith('.css')) {
      // The style, by csso, its rules kept in their order.
      names.add(name);
      fs.writeFileSync(path.join(folder, name), minifyStyle(fs.readFileSync(file, 'utf8'), { restructure: false }).css);
      continue;
    }
    names.add(name);
  }
  const write = (file, code) => fs.writeFileSync(path.join(folder, path.basename(file)), code);
  const scripts = files.filter((file) => !file.endsWith('.css'));
  const own = scripts.filter((file) => path.resolve(file).startsWith(PAGE));
  // Emscripten's script keeps its names; the page's may not take them.
  const kept = [...OUTSIDE];
  for (const file of scripts.filter((file) => !own.includes(file))) {
    const { code } = await minified(file, true);
    write(file, code);
    kept.push(...(await topLevelNames(code)));
  }
  // The page's shortened top-level names, the same in every script. A
  // script may use a name one after it declares (in a function run later),
  // so the first round only fills them in; the second writes the scripts.
  const nameCache = {};
  for (const round of ['names', 'scripts']) {
    for (const file of own) {
      const { code } = await minified(file, { toplevel: true, reserved: kept }, nameCache);
      if (round === 'scripts') write(file, code);
    }
  }
}

main().catch((error) => {
  console.error(`minify-page.js: ${error.message}`);
  process.exit(1);
});
