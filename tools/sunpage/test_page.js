'use strict';
// Runs the whole script of the page body as the program writes it (see
// pagescript.js) in a small stand-in for the browser's document, with the
// head the program writes before it, and checks what the page shows: the
// method, Asr and clock controls opened on the stored choices (the times
// then those of the program's engine, the prayer table tool that
// QARNIVO_PRAYERTABLE names), the day card and the month table with the
// prayer times (against adhan), and dashes, never NaN, where the Sun does
// not rise or set.
//
//   QARNIVO_PRAYERTABLE=<prayertable> node --test test_page.js

const test = require('node:test');
const assert = require('node:assert');
const childProcess = require('child_process');
const adhan = require('adhan');
const { body } = require('./pagescript.js');

// Just enough of a document for the page: elements by id with a value,
// options, class, style and inner HTML.
class Element {
  constructor(tag, id = '') {
    this.tagName = tag;
    this.id = id;
    this.children = [];
    this.style = {};
    this.className = '';
    this.innerHTML = '';
    this.text = '';
    this.label = '';
    this.selected = null;
    this.ownValue = '';
  }
  appendChild(child) {
    this.children.push(child);
    child.parentNode = this;
    return child;
  }
  get options() {
    return this.children.flatMap((c) => (c.tagName === 'optgroup' ? c.children : [c]));
  }
  remove(index) {
    const option = this.options[index];
    const list = option.parentNode.children;
    list.splice(list.indexOf(option), 1);
    if (this.selected === option) this.selected = null;
  }
  get value() {
    if (this.tagName !== 'select') return this.ownValue;
    const option = this.selected === null ? this.options[0] : this.selected;
    return option ? option.value : '';
  }
  set value(value) {
    if (this.tagName !== 'select') {
      this.ownValue = String(value);
      return;
    }
    this.selected = this.options.find((o) => o.value === String(value)) || 'none';
    if (this.selected === 'none') this.selected = { value: '' };
  }
  get textContent() {
    return this.innerHTML.replace(/<[^>]*>/g, '');
  }
}

// The page's markup: every element with an id, and the options written in it.
function documentOf(markup) {
  const elements = {};
  for (const m of markup.matchAll(/<(\w+)[^>]*\bid="([^"]+)"[^>]*>/g)) {
    const element = new Element(m[1].toLowerCase(), m[2]);
    if (element.tagName === 'select') {
      const end = markup.indexOf('</select>', m.index);
      for (const o of markup.slice(m.index, end).matchAll(/<option value="([^"]*)">([^<]*)</g)) {
        const option = element.appendChild(new Element('option'));
        option.value = o[1];
        option.text = o[2];
      }
    }
    assert.ok(!elements[element.id], `id ${element.id} is used twice`);
    elements[element.id] = element;
  }
  return {
    getElementById: (id) => elements[id] || null,
    createElement: (tag) => new Element(tag),
  };
}

// The head the program writes before the body, for the default city.
const HEAD = `
function month(name, numdays, abbr) { this.name = name; this.numdays = numdays; this.abbr = abbr; }
function ans(daySave, value) { this.daySave = daySave; this.value = value; }
function city(name, lat, lng, zoneHr) { this.name = name; this.lat = lat; this.lng = lng; this.zoneHr = zoneHr; }
var monthList = [["January", 31, "Jan"], ["February", 28, "Feb"], ["March", 31, "Mar"], ["April", 30, "Apr"],
  ["May", 31, "May"], ["June", 30, "Jun"], ["July", 31, "Jul"], ["August", 31, "Aug"],
  ["September", 30, "Sep"], ["October", 31, "Oct"], ["November", 30, "Nov"], ["December", 31, "Dec"]]
  .map(function (m) { return new month(m[0], m[1], m[2]); });
var YesNo = [new ans("No", 0), new ans("Yes", 60)];
var NameCity = "India - Bhubaneswar";
var LatitudeCity = 20.267;
var LongitudeCity = -85.85;
var OffsetGMT = -5.5;
`;

// A fresh page after init(), written for the stored prayer choices `choice`;
// returns the document and the page's functions.
function openPage(choice = '{method:"karachi",shadow:2,clock:12}') {
  const scriptEnd = body.indexOf('</SCRIPT>');
  const document = documentOf(body.slice(scriptEnd));
  const run = new Function('document', `${HEAD}var PrayerChoice=${choice};${body.slice(0, scriptEnd)}
    init();
    return { setDate: setDate, coordinatesTyped: coordinatesTyped, update: update, setClock: setClock };`);
  return { document, page: run(document), byId: (id) => document.getElementById(id) };
}

// Minutes after midnight of a 12-hour clock text such as "4:05 AM".
function minutesOf(text) {
  const m = /^(\d{1,2}):(\d\d) (AM|PM)/.exec(text);
  assert.ok(m, `not a clock time: ${text}`);
  return (Number(m[1]) % 12) * 60 + Number(m[2]) + (m[3] === 'PM' ? 720 : 0);
}

// adhan's times, rounded as adhan rounds for the method, in local minutes.
function adhanMinutes(year, month, day, lat, lngEast, utcOffset, name, madhab) {
  const params = adhan.CalculationMethod[name]();
  params.madhab = madhab;
  const t = new adhan.PrayerTimes(new adhan.Coordinates(lat, lngEast), new Date(year, month - 1, day), params);
  const midnight = Date.UTC(year, month - 1, day) - utcOffset * 3600000;
  const minutes = (date) => (date.getTime() - midnight) / 60000;
  return { fajr: minutes(t.fajr), asr: minutes(t.asr), isha: minutes(t.isha) };
}

test('the page offers the methods and the Asr rules, Karachi and Hanafi first', () => {
  const { byId } = openPage();
  const methods = byId('method').options;
  assert.strictEqual(methods.length, 12);
  assert.deepStrictEqual(methods.slice(0, 2).map((o) => [o.value, o.text]),
    [['mwl', 'Muslim World League'], ['isna', 'ISNA (North America)']]);
  assert.strictEqual(byId('method').value, 'karachi');
  assert.strictEqual(byId('shadow').value, '2');
  assert.deepStrictEqual(byId('shadow').options.map((o) => o.value), ['1', '2']);
});

test('the page opens on the stored choices, with the Fajr of the program\'s engine', () => {
  const { page, byId } = openPage('{method:"isna",shadow:2,clock:12}');
  assert.deepStrictEqual(['method', 'shadow', 'clock'].map((id) => byId(id).value), ['isna', '2', '12']);
  page.setDate(2025, 12, 6);
  const run = childProcess.spawnSync(process.env.QARNIVO_PRAYERTABLE,
    [], { input: '2025-12-06 20.267 85.85 5.5 isna Hanafi MiddleOfTheNight\n', encoding: 'utf8' });
  const [fajr, , , asr] = run.stdout.trim().split(/\s+/).map(Number);
  assert.strictEqual(minutesOf(byId('fajr').textContent), fajr, byId('fajr').textContent);
  assert.strictEqual(minutesOf(byId('asr').textContent), asr, byId('asr').textContent);
  page.setClock('24');
  assert.match(byId('fajr').textContent, /^0\d:\d\d/);
});

test('the day card and the month table show adhan\'s prayer times', () => {
  const { page, byId } = openPage();
  page.setDate(2025, 3, 20);
  assert.strictEqual(byId('where').textContent, 'India - Bhubaneswar');
  const expected = adhanMinutes(2025, 3, 20, 20.267, 85.85, 5.5, 'Karachi', adhan.Madhab.Hanafi);
  for (const id of ['fajr', 'asr', 'isha'])
    assert.ok(Math.abs(minutesOf(byId(id).textContent) - expected[id]) <= 1, `${id} ${byId(id).textContent}`);
  // Asr by the standard rule comes earlier, Umm al-Qura's Isha 90 minutes after sunset.
  byId('shadow').value = '1';
  byId('method').value = 'umm-al-qura';
  page.update();
  const standard = adhanMinutes(2025, 3, 20, 20.267, 85.85, 5.5, 'UmmAlQura', adhan.Madhab.Shafi);
  for (const id of ['fajr', 'asr', 'isha'])
    assert.ok(Math.abs(minutesOf(byId(id).textContent) - standard[id]) <= 1, `${id} ${byId(id).textContent}`);
  assert.ok(Math.abs(minutesOf(byId('isha').textContent) - minutesOf(byId('set').textContent) - 90) <= 1);

  const rows = byId('monthBody').innerHTML.split('</tr>').filter((r) => r);
  assert.strictEqual(rows.length, 31);
  const cells = rows[19].split('</td>').slice(0, -1).map((c) => c.replace(/<[^>]*>/g, ''));
  assert.match(rows[19], /class=" today"/);
  assert.deepStrictEqual(cells.slice(0, 2), ['20 Mar', 'Thu']);
  assert.deepStrictEqual(cells.slice(2, 8), ['fajr', 'rise', 'noon', 'asr', 'set', 'isha']
    .map((id) => byId(id).textContent));
});

test('Singapore\'s times are rounded up as adhan rounds them', () => {
  const { page, byId } = openPage();
  byId('method').value = 'singapore';
  byId('place').value = 'custom';
  byId('lat').value = '1.35';
  byId('lng').value = '-103.82';
  byId('off').value = '-8';
  page.setDate(2026, 5, 1);
  const rows = byId('monthBody').innerHTML.split('</tr>').filter((r) => r);
  rows.forEach((row, k) => {
    const cells = row.split('</td>').map((c) => c.replace(/<[^>]*>/g, ''));
    const exact = adhanMinutes(2026, 5, k + 1, 1.35, 103.82, 8, 'Singapore', adhan.Madhab.Hanafi);
    for (const [column, id] of [[2, 'fajr'], [5, 'asr'], [7, 'isha']]) {
      const shown = minutesOf(cells[column]);
      // adhan rounds these up already: the page shows the same minute.
      assert.strictEqual(shown, exact[id], `${k + 1} May ${id} ${cells[column]}`);
    }
  });
});

test('where the Sun does not set or rise the page shows words and dashes, never NaN', () => {
  const { page, byId } = openPage();
  byId('place').value = 'custom';
  byId('lat').value = '78.22';
  byId('lng').value = '-15.65';
  byId('off').value = '-1';
  // Midnight Sun: no night, so no Fajr or Isha, but the Asr shadow is there.
  page.setDate(2026, 6, 21);
  for (const id of ['fajr', 'isha']) assert.strictEqual(byId(id).textContent, '\u2014Sun does not set', id);
  minutesOf(byId('asr').textContent);
  const day = byId('monthBody').innerHTML;
  // Polar night: no shadow for Asr, but the Sun reaches 18 degrees below the horizon.
  page.setDate(2026, 12, 21);
  assert.strictEqual(byId('asr').textContent, '\u2014Sun does not rise');
  for (const id of ['fajr', 'isha']) minutesOf(byId(id).textContent);
  const shown = ['fajr', 'rise', 'noon', 'asr', 'set', 'isha', 'length']
    .map((id) => byId(id).innerHTML).join(' ') + day + byId('monthBody').innerHTML;
  assert.doesNotMatch(shown, /NaN|undefined|null/);
  assert.strictEqual(day.split('<td class="polar">\u2014</td>').length - 1, 60);
});

test('a wrong latitude empties the prayer cards too', () => {
  const { page, byId } = openPage();
  byId('lat').value = '91';
  page.coordinatesTyped();
  assert.strictEqual(byId('problem').style.display, 'block');
  for (const id of ['fajr', 'asr', 'isha']) assert.strictEqual(byId(id).innerHTML, '\u2014');
  assert.strictEqual(byId('monthBody').innerHTML, '');
});
