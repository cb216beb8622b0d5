'use strict';
// Writes the page body resources/system/sunc.ini (from sunc.template.html,
// with the city list of places.tsv) and the place list
// resources/data/AddCity.txt (from places.tsv). Both come out the same on
// every run. The body is padded to a fixed length, so that the page the
// program builds from it is 45700 to 46000 bytes long for every city.
//
//   node generate.js          write both files
//   node generate.js --check  fail when either file is not up to date

const fs = require('fs');
const path = require('path');

const ROOT = path.resolve(__dirname, '..', '..');
const TEMPLATE = path.join(__dirname, 'sunc.template.html');
const PLACES = path.join(__dirname, 'places.tsv');
const BODY_FILE = path.join(ROOT, 'resources', 'system', 'sunc.ini');
const PLACE_FILE = path.join(ROOT, 'resources', 'data', 'AddCity.txt');

// Bytes the body adds to the page, every line counted with CR LF. The page
// adds 1630 head bytes and 76 bytes plus the four city texts (1 to 132 bytes
// for the name, 1 to 22 for each number): 45752 to 45948 bytes in all.
const BODY_BYTES = 44044;
const MIN_PLACES = 150;
const MAX_PLACES = 501;
const NAME_LENGTH = 22;
const CRLF = '\r\n';

function fail(message) {
  throw new Error(message);
}

// The places of places.tsv: { name, lat, lng, offset } in file order.
function readPlaces(text) {
  const places = [];
  const names = new Set();
  text.split(/\r?\n/).forEach((line, index) => {
    const where = `places.tsv line ${index + 1}`;
    if (line.trim() === '' || line.startsWith('#')) return;
    const fields = line.split('\t');
    if (fields.length !== 4) fail(`${where}: expected 4 tab-separated fields`);
    const [name, ...numbers] = fields;
    if (!/^[\x20-\x7e]+$/.test(name) || /[",\\<>]/.test(name) || name !== name.trim())
      fail(`${where}: the name must be plain ASCII without , " \\ < > or outer blanks`);
    if (name.length > NAME_LENGTH) fail(`${where}: the name is longer than ${NAME_LENGTH}`);
    if (names.has(name)) fail(`${where}: ${name} is listed twice`);
    names.add(name);
    const [lat, lng, offset] = numbers.map((field) => {
      if (!/^-?\d+(\.\d+)?$/.test(field)) fail(`${where}: "${field}" is not a number`);
      return Number(field);
    });
    if (!(lat >= -89.8 && lat <= 89.8)) fail(`${where}: latitude out of range`);
    if (!(lng >= -180 && lng <= 180)) fail(`${where}: longitude out of range`);
    if (!(offset >= -12 && offset < 12)) fail(`${where}: GMT offset out of range`);
    if (Math.round(offset * 4) !== offset * 4) fail(`${where}: offset not in quarter hours`);
    places.push({ name, lat, lng, offset });
  });
  if (places.length < MIN_PLACES || places.length > MAX_PLACES)
    fail(`places.tsv holds ${places.length} places; ${MIN_PLACES} to ${MAX_PLACES} are needed`);
  return places;
}

// The city list of the page, one city a line.
function cityListLines(places) {
  const lines = places.map((p, k) =>
    `new city("${p.name}",${p.lat},${p.lng},${p.offset})` + (k + 1 < places.length ? ',' : ''));
  return ['var cityList = ['].concat(lines, ['];']);
}

// The place list file: "name,latitude,longitude,offset" a line, CR LF.
function placeFileText(places) {
  return places.map((p) => `${p.name},${p.lat},${p.lng},${p.offset}` + CRLF).join('');
}

function byteCount(lines) {
  return lines.reduce((sum, line) => sum + Buffer.byteLength(line, 'latin1') + CRLF.length, 0);
}

// An HTML comment of exactly `bytes` bytes (line ends included).
function paddingLines(bytes) {
  const lines = [
    '<!-- Reserved space. The program checks the length of the page it builds',
    '     from this file to find a damaged installation; this block keeps the',
    '     file at its fixed size whatever the place list holds.',
  ];
  let left = bytes - byteCount(lines);
  const closing = '-->';
  if (left < closing.length + CRLF.length)
    fail(`the template is ${closing.length + CRLF.length - left} bytes too long; shorten it`);
  const full = '.'.repeat(76);
  while (left - (full.length + CRLF.length) >= closing.length + CRLF.length + 76) {
    lines.push(full);
    left -= full.length + CRLF.length;
  }
  lines.push('.'.repeat(left - closing.length - CRLF.length) + closing);
  return lines;
}

function bodyLines(template, places) {
  if (!/^[\x09\x0a\x0d\x20-\x7e]*$/.test(template)) fail('the template must be plain ASCII');
  const lines = [];
  let paddingAt = -1;
  for (const line of template.replace(/\r\n/g, '\n').replace(/\n$/, '').split('\n')) {
    if (line === '@@CITIES@@') lines.push(...cityListLines(places));
    else if (line === '@@PADDING@@') paddingAt = lines.length;
    else lines.push(line);
  }
  if (paddingAt < 0) fail('the template has no @@PADDING@@ line');
  lines.splice(paddingAt, 0, ...paddingLines(BODY_BYTES - byteCount(lines)));
  if (byteCount(lines) !== BODY_BYTES) fail('padding arithmetic is wrong');
  return lines;
}

// The texts of both files.
function build() {
  const places = readPlaces(fs.readFileSync(PLACES, 'utf8'));
  const template = fs.readFileSync(TEMPLATE, 'utf8');
  return {
    places,
    body: bodyLines(template, places).map((line) => line + CRLF).join(''),
    placeFile: placeFileText(places),
  };
}

function main() {
  const out = build();
  const files = [
    [BODY_FILE, out.body],
    [PLACE_FILE, out.placeFile],
  ];
  if (process.argv.includes('--check')) {
    const stale = files.filter(([file, text]) =>
      !fs.existsSync(file) || fs.readFileSync(file, 'latin1') !== text);
    stale.forEach(([file]) => console.error(`not up to date: ${path.relative(ROOT, file)}`));
    process.exit(stale.length ? 1 : 0);
  }
  for (const [file, text] of files) {
    fs.mkdirSync(path.dirname(file), { recursive: true });
    fs.writeFileSync(file, text, 'latin1');
    console.log(`${path.relative(ROOT, file)}: ${Buffer.byteLength(text, 'latin1')} bytes`);
  }
  console.log(`${out.places.length} places`);
}

module.exports = { build, readPlaces, BODY_BYTES, BODY_FILE, PLACE_FILE, PLACES };

if (require.main === module) main();
