'use strict';
// Takes functions and variables out of the shipped page body
// (resources/system/sunc.ini) and builds them on their own, with nothing of
// the page around them, for the checks of test_suntimes.js and
// test_prayertimes.js.

const fs = require('fs');
const generator = require('./generate.js');

const body = fs.readFileSync(generator.BODY_FILE, 'latin1');

// The source of the top-level statement that starts with `start` in
// `source`: from there to the brace that closes its first block, passing
// over comments and strings.
function extract(source, start) {
  const from = source.indexOf(start);
  if (from < 0) throw new Error(`no "${start}" in the page body`);
  let depth = 0;
  for (let k = source.indexOf('{', from); k < source.length; k++) {
    const c = source[k];
    if (c === '/' && source[k + 1] === '/') {
      k = source.indexOf('\n', k);
    } else if (c === '/' && source[k + 1] === '*') {
      k = source.indexOf('*/', k) + 1;
    } else if (c === '"' || c === "'") {
      for (k++; source[k] !== c; k++) if (source[k] === '\\') k++;
    } else if (c === '{') {
      depth++;
    } else if (c === '}' && --depth === 0) {
      return source.slice(from, k + 1);
    }
  }
  throw new Error(`"${start}" is not closed`);
}

// The page's functions `names` and variables `variables` (each an object
// literal), built together in strict mode; returns them by name, with the
// joined source as `source`.
function pageParts(names, variables = []) {
  const source = variables.map((name) => extract(body, `var ${name} = `) + ';')
    .concat(names.map((name) => extract(body, `function ${name}(`))).join('\n');
  const parts = new Function(`'use strict';\n${source}\nreturn { ${names.concat(variables).join(', ')} };`)();
  parts.source = source;
  return parts;
}

module.exports = { body, extract, pageParts };
