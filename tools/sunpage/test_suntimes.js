'use strict';
// Checks the sun-time computation of the calculator page: the function
// sunTimes (with julianDay and sunAt, which it calls) is taken out of the
// shipped page body (resources/system/sunc.ini) and compared with the
// independent implementation of the npm package suncalc; polar days and
// nights must give null, never NaN or a wrong time. Also checks that the
// page's city list and AddCity.txt match places.tsv, and that the body is
// written compact.
//
//   node --test test_suntimes.js

const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const SunCalc = require('suncalc');
const generator = require('./generate.js');

const { body, shippedBody, extract, pageParts } = require('./pagescript.js');

const page = pageParts(['julianDay', 'sunAt', 'sunTimes']);
const sunTimes = page.sunTimes;

// suncalc's times as minutes after the local midnight of the asked date.
function reference(year, month, day, lat, lngWest, offsetGMT, dstMinutes) {
  const midnight = Date.UTC(year, month - 1, day) + (offsetGMT * 60 - dstMinutes) * 60000;
  const times = SunCalc.getTimes(new Date(midnight + 12 * 3600000), lat, -lngWest);
  const minutes = (date) => (date === null ? null : (date.getTime() - midnight) / 60000);
  return { sunrise: minutes(times.sunrise), noon: minutes(times.solarNoon), sunset: minutes(times.sunset) };
}

// Largest difference, in minutes, over the cases; fails on a null mismatch.
function worstDifference(cases) {
  let worst = { minutes: 0 };
  for (const c of cases) {
    const mine = sunTimes(...c);
    const theirs = reference(...c);
    for (const event of ['sunrise', 'noon', 'sunset']) {
      assert.strictEqual(mine[event] === null, theirs[event] === null, `${event} of ${c}`);
      if (mine[event] === null) continue;
      const minutes = Math.abs(mine[event] - theirs[event]);
      if (minutes > worst.minutes) worst = { minutes, event, c };
    }
  }
  return worst;
}

const DATES = [];
for (const year of [1975, 2000, 2026, 2050])
  for (let month = 1; month <= 12; month++)
    for (const day of [1, 11, 21]) DATES.push([year, month, day]);

test('sunTimes uses nothing of the page', () => {
  assert.doesNotMatch(page.source, /document|window|byId|getElement/);
  const result = sunTimes(2026, 3, 20, 21.42, -39.83, -3, 0);
  assert.deepStrictEqual(Object.keys(result).slice(0, 3), ['sunrise', 'noon', 'sunset']);
});

test('agrees with suncalc within a minute on a grid of places up to 65 degrees', () => {
  const cases = [];
  for (let lat = -65; lat <= 65; lat += 5) {
    for (let lngWest = -180; lngWest <= 180; lngWest += 30) {
      const zone = Math.round(lngWest / 15);
      for (const [year, month, day] of DATES) cases.push([year, month, day, lat, lngWest, zone, 0]);
    }
  }
  const worst = worstDifference(cases);
  assert.ok(worst.minutes < 1, `worst ${JSON.stringify(worst)}`);
});

test('agrees with suncalc for the listed places, with daylight saving and odd zones', () => {
  const places = generator.build().places.filter((p) => Math.abs(p.lat) <= 65);
  assert.ok(places.length >= 150);
  const cases = [];
  places.forEach((p, k) => {
    const [year, month, day] = DATES[(k * 7) % DATES.length];
    cases.push([year, month, day, p.lat, p.lng, p.offset, 0]);
    cases.push([year, (month % 12) + 1, day, p.lat, p.lng, p.offset, 60]);
    // A clock far from the place's own zone still gives that date's events.
    cases.push([year, month, day + 3, p.lat, p.lng, p.offset + (k % 2 ? 3 : -3), 0]);
  });
  const worst = worstDifference(cases);
  assert.ok(worst.minutes < 1, `worst ${JSON.stringify(worst)}`);
});

test('polar day and polar night give null and say which', () => {
  for (const lat of [68, 70, 75, 80, 85, 89.8]) {
    for (const [month, north] of [[6, 'day'], [12, 'night']]) {
      for (const sign of [1, -1]) {
        const t = sunTimes(2026, month, 21, sign * lat, -20, -1, 0);
        const expected = sign > 0 ? north : north === 'day' ? 'night' : 'day';
        const where = `lat ${sign * lat}, month ${month}`;
        assert.strictEqual(t.sunrise, null, where);
        assert.strictEqual(t.sunset, null, where);
        assert.strictEqual(t.polar, expected, where);
        assert.ok(Number.isFinite(t.noon), where);
        // suncalc sees no sunrise either.
        assert.strictEqual(reference(2026, month, 21, sign * lat, -20, -1, 0).sunrise, null, where);
      }
    }
  }
});

test('never NaN, and rise before noon before set, from pole to pole', () => {
  for (let lat = -89.8; lat <= 89.8; lat += 1.3) {
    for (const lngWest of [-179.5, -97, 0, 45.5, 180]) {
      for (let dayOfYear = 1; dayOfYear <= 365; dayOfYear += 4) {
        const date = new Date(Date.UTC(2027, 0, dayOfYear));
        const t = sunTimes(2027, date.getUTCMonth() + 1, date.getUTCDate(), lat, lngWest, Math.round(lngWest / 15), 0);
        const where = `lat ${lat}, lng ${lngWest}, day ${dayOfYear}`;
        assert.ok(Number.isFinite(t.noon), where);
        assert.ok(['', 'day', 'night'].includes(t.polar), where);
        assert.strictEqual(t.sunrise === null, t.polar !== '', where);
        assert.strictEqual(t.sunset === null, t.polar !== '', where);
        if (t.polar === '') assert.ok(t.sunrise < t.noon && t.noon < t.sunset, where);
      }
    }
  }
});

test('daylight saving moves every time by one hour', () => {
  const plain = sunTimes(2026, 7, 15, 51.51, 0.13, 0, 0);
  const summer = sunTimes(2026, 7, 15, 51.51, 0.13, 0, 60);
  for (const event of ['sunrise', 'noon', 'sunset'])
    assert.ok(Math.abs(summer[event] - plain[event] - 60) < 1e-6, event);
});

test('times after midnight belong to the next day', () => {
  // Reykjavik, midsummer 2026: the Sun sets at about 00:04 the next night.
  const t = sunTimes(2026, 6, 21, 64.15, 21.94, 0, 0);
  assert.ok(t.sunset >= 1440 && t.sunset < 1450, `sunset ${t.sunset}`);
  assert.ok(t.sunrise > 150 && t.sunrise < 190, `sunrise ${t.sunrise}`);
});

test('the page city list and AddCity.txt come from places.tsv and are up to date', () => {
  const out = generator.build();
  assert.strictEqual(shippedBody, out.body, 'sunc.ini is stale: run node generate.js');
  assert.strictEqual(fs.readFileSync(generator.PLACE_FILE, 'latin1'), out.placeFile,
    'AddCity.txt is stale: run node generate.js');
  // The city list as the page builds it, with the program's constructor city.
  const cityListSource = body.slice(body.indexOf('var cityList = '), body.indexOf(']);') + 3);
  const listed = new Function(`function city(name, lat, lng, zoneHr) {
      this.name = name; this.lat = lat; this.lng = lng; this.zoneHr = zoneHr; }
    ${extract(body, 'function placesOf(')}
    ${cityListSource}
    return cityList;`)().map((c) => ({ name: c.name, lat: c.lat, lng: c.lng, offset: c.zoneHr }));
  assert.deepStrictEqual(listed, out.places);
  assert.ok(listed.length >= 150 && listed.length <= 501);
  const lines = out.placeFile.split('\r\n').slice(0, -1);
  assert.strictEqual(lines.length, listed.length);
  lines.forEach((line) => assert.strictEqual(line.split(',').length, 4, line));
});

test('the place list refuses bad records', () => {
  const valid = 'A\t1\t2\t3\n'.repeat(150).split('\n').map((l, k) => (l ? `P${k}${l}` : l)).join('\n');
  assert.strictEqual(generator.readPlaces(valid).length, 150);
  for (const [what, line] of [
    ['comma in a name', 'Washington, DC\t38.9\t77\t5'],
    ['quote in a name', 'Say "hi"\t0\t0\t0'],
    ['name of 23 characters', `${'x'.repeat(23)}\t0\t0\t0`],
    ['latitude 90', 'Pole\t90\t0\t0'],
    ['offset 12', 'Baker\t0\t176\t12'],
    ['three fields', 'Short\t1\t2'],
  ]) {
    assert.throws(() => generator.readPlaces(`${valid}\n${line}\n`), Error, what);
  }
  assert.throws(() => generator.readPlaces('A\t1\t2\t3\n'), /150 to 501/);
});
