// ESLint's recommended rules for all of BELLSCOPE's JavaScript: the page's
// scripts and texts, the browser tests, the benchmark scripts and the checks.
import js from '@eslint/js';
import globals from 'globals';

export default [
  { ignores: ['build/', 'build-*/', 'node_modules/', 'dist/', '_packages/'] },
  js.configs.recommended,
  {
    // The page's scripts are classic scripts that run in order in one page:
    // each names what it offers (exported) and what it uses of the others (global).
    files: ['app/web/script/**/*.js', 'app/web/text/**/*.js'],
    languageOptions: { sourceType: 'script', ecmaVersion: 2022, globals: globals.browser },
    // Nothing is used above the line that declares it, but a function,
    // which a script may call before it defines it.
    rules: { 'no-use-before-define': ['error', { functions: false }] },
  },
  {
    // The served page's service worker.
    files: ['app/web/worker.js'],
    languageOptions: { sourceType: 'script', ecmaVersion: 2022, globals: globals.serviceworker },
  },
  {
    // Node.js programs, some of whose functions run in the page (page.evaluate).
    files: ['tests/web/**/*.js', 'bench/web/**/*.js', 'scripts/**/*.js'],
    languageOptions: { sourceType: 'commonjs', ecmaVersion: 2022, globals: { ...globals.node, ...globals.browser } },
  },
];
