#!/usr/bin/env node
// Checks the program's young-crescent astronomy against astronomy-engine
// (2.1.19, in tools/sunpage/node_modules), asked for the program's own
// definitions (see setting and conjunctionNear below): evenings 0 to 3 days after a new
// moon, at places from 60 S to 65 N all round the globe, some on heights,
// dates from 1600 to 2400. The tool (crescenttable) computes all evenings in
// one run. Fails when the conjunction, sunset or moonset differs by more
// than a minute, ARCL, ARCV or DAZ (topocentric and airless at the best
// time) or the geocentric ARCL and ARCV by more than 0.05 degree, or the
// width W by more than 0.02 arcminute, or when one side finds a setting the
// other does not.
//
//   node check_crescent.js <path of crescenttable>
// Exits 77 (skipped) when astronomy-engine is not installed.
'use strict';

const { execFileSync } = require('child_process');
const path = require('path');

let A;
try {
  A = require(path.join(__dirname, '../sunpage/node_modules/astronomy-engine'));
} catch (e) {
  console.log('astronomy-engine is missing from tools/sunpage/node_modules (npm ci there); skipped');
  process.exit(77);
}
const tool = process.argv[2];
if (!tool) {
  console.error('usage: node check_crescent.js <crescenttable>');
  process.exit(2);
}

// A fixed pseudo-random sequence, so that a failure can be repeated.
let seed = 14471;
function random() {
  seed = (seed * 1103515245 + 12345) % 2147483648;
  return seed / 2147483648;
}

const DAY = 86400000;
const JD_UNIX_EPOCH = 2440587.5;
const jdOf = (time) => time.date.getTime() / DAY + JD_UNIX_EPOCH;

// Each evening: a new moon somewhere in 1600-2400, then a place and a local
// date 0 to 3 days after it.
const cases = [];
while (cases.length < 240) {
  const start = A.MakeTime(new Date(Date.UTC(1600, 0, 1) + random() * 800 * 365.2425 * DAY));
  const newMoon = A.SearchMoonPhase(0, start, 40);
  const lat = Math.round((random() * 125 - 60) * 1000) / 1000;
  const lon = Math.round((random() * 360 - 180) * 1000) / 1000;
  const elevation = random() < 0.3 ? Math.round(random() * 2500) : 0;
  const offset = Math.round(lon / 15);
  const local = new Date(newMoon.date.getTime() + offset * 3600000 + Math.floor(random() * 4) * DAY);
  cases.push({ lat, lon, elevation, offset,
    y: local.getUTCFullYear(), m: local.getUTCMonth() + 1, d: local.getUTCDate() });
}

const pad = (n, w) => String(n).padStart(w, '0');
const lineOf = (c) =>
  `${pad(c.y, 4)}-${pad(c.m, 2)}-${pad(c.d, 2)} ${c.lat} ${c.lon} ${c.elevation} ${c.offset}`;

const output = execFileSync(tool, { input: cases.map(lineOf).join('\n') + '\n' })
  .toString().split('\n');

const signed = (degrees) => ((degrees % 360) + 540) % 360 - 180;
const ofDate = (body, time) =>
  A.EquatorFromVector(A.RotateVector(A.Rotation_EQJ_EQD(time), A.GeoVector(body, time, true)));

// The program's setting: the upper limb 34' below the horizon whatever the
// height, which only moves the observer. SearchRiseSet thins the refraction
// with the height, so its time only starts the search for the centre's
// altitude -(34' + semi-diameter), the semi-diameter taken there.
function setting(body, radiusKm, observer, noon) {
  const near = A.SearchRiseSet(body, observer, -1, noon, 1);
  if (!near)
    return null;
  const distance = A.Equator(body, near, observer, true, true).dist * A.KM_PER_AU;
  const semiDiameter = Math.asin(radiusKm / distance) * 180 / Math.PI;
  return A.SearchAltitude(body, observer, -1, noon, 1, -(34 / 60 + semiDiameter));
}

// The conjunction in apparent longitude: SearchMoonPhase leaves out the
// aberration, about 40 s, so the instant is refined on the apparent places.
function conjunctionNear(time) {
  const phase = A.SearchMoonPhase(0, time.AddDays(-15), 30);
  const longitude = (body, t) => A.Ecliptic(A.GeoVector(body, t, true)).elon;
  const elongation = (t) => signed(longitude(A.Body.Moon, t) - longitude(A.Body.Sun, t));
  return A.Search(elongation, phase.AddDays(-0.1), phase.AddDays(0.1), { dt_tolerance_seconds: 0.1 });
}

// astronomy-engine's values for one evening.
function theirs(c) {
  const observer = new A.Observer(c.lat, c.lon, c.elevation);
  const noon = A.MakeTime(new Date(Date.UTC(c.y, c.m - 1, c.d, 12) - c.offset * 3600000));
  const sunset = setting(A.Body.Sun, 695700, observer, noon);
  const moonset = setting(A.Body.Moon, 1737.4, observer, noon);
  const result = { sunset: sunset && jdOf(sunset), moonset: moonset && jdOf(moonset) };
  if (!sunset)
    return result;
  result.conjunction = jdOf(conjunctionNear(sunset));
  if (!moonset)
    return result;
  const best = sunset.AddDays((4 / 9) * (moonset.ut - sunset.ut));
  const sun = A.Equator(A.Body.Sun, best, observer, true, true);
  const moon = A.Equator(A.Body.Moon, best, observer, true, true);
  const sunSeen = A.Horizon(best, observer, sun.ra, sun.dec);
  const moonSeen = A.Horizon(best, observer, moon.ra, moon.dec);
  const geoSun = ofDate(A.Body.Sun, best);
  const geoMoon = ofDate(A.Body.Moon, best);
  const semiDiameter = (Math.asin(1737.4 / (moon.dist * A.KM_PER_AU)) * 180 / Math.PI) * 60;
  result.arcl = A.AngleBetween(sun.vec, moon.vec);
  result.arcv = moonSeen.altitude - sunSeen.altitude;
  result.daz = signed(sunSeen.azimuth - moonSeen.azimuth);
  result.width = semiDiameter * (1 - Math.cos(result.arcl * Math.PI / 180));
  result.geocentricArcl = A.AngleBetween(geoSun.vec, geoMoon.vec);
  result.geocentricArcv = A.Horizon(best, observer, geoMoon.ra, geoMoon.dec).altitude -
    A.Horizon(best, observer, geoSun.ra, geoSun.dec).altitude;
  return result;
}

// Quantity, its place in the tool's line, the limit and the unit the limit is in.
const minute = 1 / 1440;
const quantities = [
  ['conjunction', 0, minute, 1440, 'min'], ['sunset', 1, minute, 1440, 'min'],
  ['moonset', 2, minute, 1440, 'min'], ['arcl', 4, 0.05, 1, 'deg'], ['arcv', 5, 0.05, 1, 'deg'],
  ['daz', 6, 0.05, 1, 'deg'], ['width', 7, 0.02, 1, "'"],
  ['geocentricArcl', 8, 0.05, 1, 'deg'], ['geocentricArcv', 9, 0.05, 1, 'deg'],
];

const faults = [];
const worst = {};
cases.forEach((c, i) => {
  const ours = (output[i] || '?').split(' ').map(Number);
  if (ours.length < 10) {
    faults.push(`${lineOf(c)}  the tool gave "${output[i]}"`);
    return;
  }
  const them = theirs(c);
  for (const [name, k, limit, scale, unit] of quantities) {
    const mine = Number.isNaN(ours[k]) ? undefined : ours[k];
    const other = them[name] ?? undefined;
    if (mine === undefined || other === undefined) {
      // A setting one side finds and the other does not is a fault; the
      // values that follow from it are then absent on one side only.
      if ((name === 'sunset' || name === 'moonset') && (mine === undefined) !== (other === undefined))
        faults.push(`${lineOf(c)}  ${name}: ours ${mine}, theirs ${other}`);
      continue;
    }
    const size = Math.abs(mine - other);
    if (!worst[name] || size > worst[name].size)
      worst[name] = { size, c };
    if (size > limit)
      faults.push(`${lineOf(c)}  ${name}: ours ${mine}, theirs ${other} ` +
        `(${(size * scale).toFixed(3)} ${unit}, limit ${(limit * scale).toFixed(3)})`);
  }
});

console.log(`${cases.length} evenings against astronomy-engine; the worst differences:`);
for (const [name, , , scale, unit] of quantities) {
  if (worst[name])
    console.log(`  ${name.padEnd(15)} ${(worst[name].size * scale).toFixed(4)} ${unit}  (${lineOf(worst[name].c)})`);
}
if (faults.length) {
  console.log(`${faults.length} differences beyond the limits:`);
  for (const f of faults.slice(0, 25))
    console.log(`  ${f}`);
  process.exit(1);
}
console.log('all within the limits');
