'use strict';
// Takes functions and variables out of the page body as the program writes
// it (resources/system/sunc.ini with the program's prayer method table in
// place of its marker line) and builds them on their own, with nothing of
// the page around them, for the checks of test_suntimes.js,
// test_prayertimes.js and test_page.js. The environment variable
// QARNIVO_PRAYERTABLE names the program's prayer table tool
// (tools/prayer/prayertable), which prints the method table.

const childProcess = require('child_process');
const fs = require('fs');
const generator = require('./generate.js');

const shippedBody = fs.readFileSync(generator.BODY_FILE, 'latin1');

function methodTable() {
  const tool = process.env.QARNIVO_PRAYERTABLE;
  if (!tool) throw new Error('set QARNIVO_PRAYERTABLE to the built tools/prayer/prayertable');
  return childProcess.execFileSync(tool, ['--page-methods'], { encoding: 'latin1' })
    .replace(/\r?\n/g, '\r\n');
}

const markerLine = `${generator.METHODS_MARKER}\r\n`;
if (shippedBody.split(markerLine).length !== 2) throw new Error('the page body needs one marker line');
const body = shippedBody.replace(markerLine, methodTable());

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

module.exports = { body, shippedBody, extract, pageParts };
