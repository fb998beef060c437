#!/usr/bin/env node
// Predicts the lunar Hijri months of Iran after the last official one, by the visibility of
// the crescent, and checks the prediction against the official months.
//
//   node tools/predict-lunar-months.js            validate, then write tools/data/hijri-iran-velmora.tsv
//   node tools/predict-lunar-months.js validate   only print the accuracy figures
//   node tools/predict-lunar-months.js months FIRST_JDN COUNT   lengths of COUNT months from a 1st
//
// The rule, month by month from the previous predicted 1st (free running): on the evening of
// day 29, at every site of tools/data/lunar-sites.tsv, Yallop's q at the best time
// (sunset + 4/9 of the lag between sunset and moonset); q >= -0.232 at any site (Yallop's
// zone D, visible with optical aid) makes a month of 29 days, otherwise it has 30. No
// crescent when the Moon sets before the Sun or the conjunction comes after sunset.
// Ephemeris: astronomy-engine (npm, pinned in tools/package.json), its default Delta T.
'use strict';
const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');

const dataDir = path.join(__dirname, 'data');
const Q_LIMIT = -0.232;
const MOON_RADIUS_KM = 1737.4;
const KM_PER_AU = 149597870.7;
const RULE = 'Yallop q>=-0.232 at the best time, 13 cities + 38 border points, evening of day 29';

function readSites() {
  const lines = fs.readFileSync(path.join(dataDir, 'lunar-sites.tsv'), 'utf8').trim().split('\n').slice(1);
  return lines.map(line => {
    const [kind, name, lat, lon, elevation] = line.split('\t');
    return { kind, name, observer: new Astronomy.Observer(Number(lat), Number(lon), Number(elevation)), lon: Number(lon) };
  });
}

// Universal time (days since J2000) of local noon of the civil day with this JDN.
function localNoon(jdn, lon) {
  return Astronomy.MakeTime(jdn - lon / 360 - 2451545.0);
}

// Geocentric altitude of a body for an observer: the topocentric horizon of the geocentric
// direction, without refraction.
function geocentricAltitude(body, time, observer) {
  const vector = Astronomy.GeoVector(body, time, true);
  const ofDate = Astronomy.RotateVector(Astronomy.Rotation_EQJ_EQD(time), vector);
  const equator = Astronomy.EquatorFromVector(ofDate);
  return Astronomy.Horizon(time, observer, equator.ra, equator.dec, null).altitude;
}

// Yallop's q at one site on the evening of the civil day jdn, or -Infinity without crescent.
function yallopQ(jdn, site, conjunction) {
  const noon = localNoon(jdn, site.lon);
  const sunset = Astronomy.SearchRiseSet(Astronomy.Body.Sun, site.observer, -1, noon, 1);
  if (!sunset || conjunction.ut > sunset.ut) return -Infinity;
  // The Moon sets at most once in the half day before sunset: one found there set first.
  const moonset = Astronomy.SearchRiseSet(Astronomy.Body.Moon, site.observer, -1, sunset.AddDays(-0.5), 1.5);
  if (!moonset || moonset.ut <= sunset.ut) return -Infinity;
  const lag = moonset.ut - sunset.ut;
  const best = sunset.AddDays(lag * 4 / 9);

  const arcv = geocentricAltitude(Astronomy.Body.Moon, best, site.observer) -
               geocentricAltitude(Astronomy.Body.Sun, best, site.observer);
  const arcl = Astronomy.AngleBetween(Astronomy.GeoVector(Astronomy.Body.Sun, best, true),
                                      Astronomy.GeoVector(Astronomy.Body.Moon, best, true));
  const topocentric = Astronomy.Equator(Astronomy.Body.Moon, best, site.observer, true, true);
  const semiDiameter = Math.asin(MOON_RADIUS_KM / (topocentric.dist * KM_PER_AU)) * 180 / Math.PI * 60;  // arc minutes
  const w = semiDiameter * (1 - Math.cos(arcl * Math.PI / 180));
  return (arcv - (11.8371 - 6.3226 * w + 0.7319 * w * w - 0.1018 * w * w * w)) / 10;
}

// The length of the month that begins on the civil day firstJdn: 29 when the crescent can be
// seen somewhere on the evening of its 29th day, else 30.
function monthLength(firstJdn, sites) {
  const evening = firstJdn + 28;
  const conjunction = Astronomy.SearchMoonPhase(0, Astronomy.MakeTime(evening - 6 - 2451545.0), 10);
  for (const site of sites) {
    if (yallopQ(evening, site, conjunction) >= Q_LIMIT) return 29;
  }
  return 30;
}

// Month starts from a known 1st, free running.
function predictStarts(firstJdn, count, sites) {
  const starts = [firstJdn];
  for (let i = 0; i < count; i++) starts.push(starts[i] + monthLength(starts[i], sites));
  return starts;
}

function readTable(file) {
  const rows = new Map();
  for (const line of fs.readFileSync(path.join(dataDir, file), 'utf8').trim().split('\n').slice(1)) {
    const f = line.split('\t');
    rows.set(Number(f[0]), { start: Number(f[1]), months: f.slice(2, 14).map(Number) });
  }
  return rows;
}

// The official 1sts: hijri-iran-official.tsv, then the published 1448 months 1-9 and the
// known 1st of 1448/10.
const PUBLISHED_1448 = [30, 29, 30, 29, 30, 30, 30, 29, 30];
const FIRST_OF_1448_10 = 2461475;

function officialStarts() {
  const starts = new Map();
  for (const [year, row] of readTable('hijri-iran-official.tsv')) {
    let s = row.start;
    row.months.forEach((len, i) => { starts.set(`${year}/${i + 1}`, s); s += len; });
    starts.set(`${year + 1}/1`, s);
  }
  let s = starts.get('1448/1');
  PUBLISHED_1448.forEach((len, i) => { starts.set(`1448/${i + 1}`, s); s += len; });
  if (s !== FIRST_OF_1448_10) throw new Error('the published 1448 months do not reach 1 Shawwal 1448');
  starts.set('1448/10', s);
  return starts;
}

function monthAfter(year, month) { return month === 12 ? [year + 1, 1] : [year, month + 1]; }

// Free run from a month, compared with the official 1sts up to a month: returns the misses.
function validate(sites, from = [1422, 12], to = [1448, 10]) {
  const official = officialStarts();
  const labels = [];
  for (let [y, m] = monthAfter(...from); y < to[0] || (y === to[0] && m <= to[1]); [y, m] = monthAfter(y, m)) labels.push(`${y}/${m}`);
  const starts = predictStarts(official.get(`${from[0]}/${from[1]}`), labels.length, sites);
  const misses = [];
  labels.forEach((label, i) => {
    const offset = starts[i + 1] - official.get(label);
    if (offset !== 0) misses.push({ label, offset });
  });
  return { months: labels.length, misses };
}

// Predicted months from 1448/10 to 1600/12, with the published ones before them.
function predictTable(sites) {
  const months = [];
  let [y, m] = [1448, 10];
  while (y <= 1600) { months.push(`${y}/${m}`); [y, m] = monthAfter(y, m); }
  const starts = predictStarts(FIRST_OF_1448_10, months.length, sites);
  const lengths = new Map();
  months.forEach((label, i) => lengths.set(label, starts[i + 1] - starts[i]));
  PUBLISHED_1448.forEach((len, i) => lengths.set(`1448/${i + 1}`, len));
  const rows = [];
  let start = officialStarts().get('1448/1');
  for (let year = 1448; year <= 1600; year++) {
    const row = [];
    for (let month = 1; month <= 12; month++) row.push(lengths.get(`${year}/${month}`));
    const source = year === 1448 ? `months 1-9 published; 10-12 predicted: ${RULE}` : `predicted: ${RULE}`;
    rows.push([year, start, ...row, source].join('\t'));
    start += row.reduce((a, b) => a + b, 0);
  }
  return ['year\tjdn_of_1_muharram\tm1\tm2\tm3\tm4\tm5\tm6\tm7\tm8\tm9\tm10\tm11\tm12\tsource', ...rows].join('\n') + '\n';
}

// The reference prediction's month starts, for comparison.
function compareWithReference(table) {
  const starts = text => {
    const map = new Map();
    for (const line of text.trim().split('\n').slice(1)) {
      const f = line.split('\t');
      let s = Number(f[1]);
      f.slice(2, 14).map(Number).forEach((len, i) => { map.set(`${f[0]}/${i + 1}`, s); s += len; });
    }
    return map;
  };
  const ours = starts(table);
  const reference = starts(fs.readFileSync(path.join(dataDir, 'hijri-iran-predicted.tsv'), 'utf8'));
  const differences = [];
  for (const [label, s] of reference) {
    if (ours.has(label) && ours.get(label) !== s) differences.push({ label, ours: ours.get(label), reference: s });
  }
  return differences;
}

function report(result, what) {
  const share = 100 * (result.months - result.misses.length) / result.months;
  const early = result.misses.filter(x => x.offset < 0).length;
  const late = result.misses.filter(x => x.offset > 0).length;
  const far = result.misses.filter(x => Math.abs(x.offset) > 1).length;
  console.error(`${what}: ${(share).toFixed(1)} % of ${result.months} months begin on the official day ` +
                `(${early} a day early, ${late} a day late, ${far} off by more)`);
  return { share, far };
}

function main() {
  const sites = readSites();
  const command = process.argv[2] || 'all';
  const started = Date.now();
  if (command === 'months') {
    const first = Number(process.argv[3]);
    const count = Number(process.argv[4]);
    console.log(predictStarts(first, count, sites).slice(1).map((s, i, a) => s - (i ? a[i - 1] : first)).join(' '));
    return;
  }
  const accuracy = report(validate(sites), 'free run from 1422/12 over 1423/1-1448/10');
  if (accuracy.share < 92 || accuracy.far > 0) {
    console.error('the prediction is not good enough: at least 92 % and every miss one day are required');
    process.exitCode = 1;
    return;
  }
  if (command === 'validate') return;
  const table = predictTable(sites);
  const differences = compareWithReference(table);
  console.error(`against hijri-iran-predicted.tsv (1448/10-1600/12): ${differences.length} month start(s) differ` +
                (differences.length ? ': ' + differences.map(d => `${d.label} (ours ${d.ours}, reference ${d.reference})`).join(', ') : ''));
  fs.writeFileSync(path.join(dataDir, 'hijri-iran-velmora.tsv'), table);
  console.error(`wrote tools/data/hijri-iran-velmora.tsv in ${((Date.now() - started) / 1000).toFixed(1)} s`);
}

module.exports = { readSites, monthLength, predictStarts, validate, predictTable, officialStarts };

if (require.main === module) main();
