// Writes the page's scripts into a folder, each minified with terser (its
// comments and spaces dropped, its local names shortened; the names the
// scripts share at the top level are kept), as the web page carries them:
//   node scripts/minify-page.js FOLDER FILE...
// FOLDER/NAME for each FILE's name, which must differ.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { minify } = require('terser');

async function main() {
  const [folder, ...files] = process.argv.slice(2);
  if (!folder || !files.length) throw new Error('usage: minify-page.js FOLDER FILE...');
  fs.mkdirSync(folder, { recursive: true });
  const names = new Set();
  for (const file of files) {
    const name = path.basename(file);
    if (names.has(name)) throw new Error(`two scripts named ${name}`);
    names.add(name);
    const result = await minify(fs.readFileSync(file, 'utf8'), {
      ecma: 2022,
      compress: { passes: 2 },
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
