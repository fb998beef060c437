#!/usr/bin/env node
// Writes calendar.ini, the lunar Hijri month-length table, from the tables in tools/data/.
//
//   node tools/make-calendar-ini.js [--correct YEAR/MONTH=DAYS ...] > resources/calendar.ini
//
// Months as used in Iran through the last published month, then the months predicted by
// tools/predict-lunar-months.js, then the corrections of tools/data/lunar-corrections.tsv
// and of --correct, in that order; each correction is recorded in [source] exactly as
// `velmora-cli lunar set` records it. The same inputs always give the same file.
'use strict';
const fs = require('fs');
const path = require('path');

const dataDir = path.join(__dirname, 'data');

function readTable(file) {
  const lines = fs.readFileSync(path.join(dataDir, file), 'utf8').trim().split('\n');
  const rows = new Map();
  for (const line of lines.slice(1)) {
    const f = line.split('\t');
    rows.set(Number(f[0]), { start: Number(f[1]), months: f.slice(2, 14).map(Number), source: f[14] });
  }
  return rows;
}

// Iran's published months after the last full year of hijri-iran-official.tsv: 1448 months
// 1 to 9 (the 1405 Solar Hijri official calendar); 1 Shawwal 1448 is day 2461475.
const PUBLISHED = { year: 1448, months: [30, 29, 30, 29, 30, 30, 30, 29, 30], nextStart: 2461475 };
const LAST_YEAR = 1600;
// When the official and published months above were last brought up to date and the table
// made from them; the program's About box names it. Set it when adding months.
const MADE = '2026-12-08';
// The data edition, a number that grows with every calendar.ini and events.ini published
// (in a release or in the update feed); the program takes up only a newer one. Raise it
// whenever either file changes.
const EDITION = 1;
// The Solar Hijri year whose official calendar events.ini follows: after it the program says
// its holidays are out of date.
const EVENTS_YEAR = 1405;
// events.ini as published with this edition: an installed one that differs was edited by
// its user, and an update keeps it.
const EVENTS_FILE = path.join(__dirname, '..', 'resources', 'events.ini');

// Builds the month list: { year, month, length, kind }: the official months, the published
// ones of 1448, then the predicted ones.
function buildMonths(predicted) {
  const official = readTable('hijri-iran-official.tsv');
  const years = [...official.keys()].sort((a, b) => a - b);
  const months = [];
  for (const y of years) {
    official.get(y).months.forEach((len, i) => months.push({ year: y, month: i + 1, length: len, kind: 'official' }));
  }
  PUBLISHED.months.forEach((len, i) => months.push({ year: PUBLISHED.year, month: i + 1, length: len, kind: 'published' }));
  // The prediction must begin where the published months end.
  const first = predicted.get(PUBLISHED.year);
  const publishedEnd = first.start + PUBLISHED.months.reduce((a, b) => a + b, 0);
  if (publishedEnd !== PUBLISHED.nextStart || PUBLISHED.months.some((len, i) => first.months[i] !== len)) {
    throw new Error('the predicted table does not continue the published months of ' + PUBLISHED.year);
  }
  for (let y = PUBLISHED.year; y <= LAST_YEAR; y++) {
    const row = predicted.get(y);
    if (!row) throw new Error(`the predicted table has no year ${y}`);
    row.months.forEach((len, i) => {
      if (y > PUBLISHED.year || i >= PUBLISHED.months.length) months.push({ year: y, month: i + 1, length: len, kind: 'predicted' });
    });
  }
  return months;
}

// Corrections: { year, month, days }, from the data file and then the command line.
function readCorrections(argv) {
  const corrections = [];
  const lines = fs.readFileSync(path.join(dataDir, 'lunar-corrections.tsv'), 'utf8').split('\n').slice(1);
  for (const line of lines) {
    if (line.trim() === '') continue;
    const [year, month, days] = line.split('\t').map(Number);
    corrections.push({ year, month, days });
  }
  for (let i = 0; i < argv.length; i++) {
    const match = argv[i] === '--correct' && /^(\d+)\/(\d+)=(\d+)$/.exec(argv[i + 1] || '');
    if (!match) throw new Error('usage: make-calendar-ini.js [--correct YEAR/MONTH=DAYS ...]');
    corrections.push({ year: Number(match[1]), month: Number(match[2]), days: Number(match[3]) });
    i++;
  }
  return corrections;
}

// Applies the corrections to the month list; returns the lines that record them.
function applyCorrections(months, corrections) {
  const records = [];
  for (const c of corrections) {
    const m = months.find(x => x.year === c.year && x.month === c.month);
    if (!m) throw new Error(`no month ${c.year}/${c.month} to correct`);
    if (c.days !== 29 && c.days !== 30) throw new Error(`${c.year}/${c.month} cannot have ${c.days} days`);
    const key = `correction ${c.year}/${c.month}`;
    const record = `${key}=${c.days} days, was ${m.length}`;
    const earlier = records.findIndex(r => r.startsWith(key + '='));
    if (earlier >= 0) records[earlier] = record; else records.push(record);
    m.length = c.days;
  }
  return records;
}

// The table's month starts must be those of the inputs, before any correction.
function checkAgainstSources(months, official, predicted, minJulianday) {
  let s = minJulianday + 1;
  for (const m of months) {
    if (m.month === 1) {
      const src = m.kind === 'official' ? official.get(m.year) : null;
      if (src && src.start !== s) throw new Error(`1 Muharram ${m.year} is ${s}, source says ${src.start}`);
      if (m.kind === 'predicted' && predicted.get(m.year).start !== s)
        throw new Error(`1 Muharram ${m.year} is ${s}, the prediction says ${predicted.get(m.year).start}`);
    }
    s += m.length;
  }
}

function main() {
  const predicted = readTable('hijri-iran-velmora.tsv');
  const months = buildMonths(predicted);
  const corrections = readCorrections(process.argv.slice(2));
  const official = readTable('hijri-iran-official.tsv');
  const firstYear = months[0].year;
  const minJulianday = official.get(firstYear).start - 1;

  // Per-year lengths and running totals.
  const byYear = new Map();
  for (const m of months) {
    if (!byYear.has(m.year)) byYear.set(m.year, []);
    byYear.get(m.year).push(m);
  }
  checkAgainstSources(months, official, predicted, minJulianday);
  const correctionRecords = applyCorrections(months, corrections);
  let total = 0;
  const totals = [];
  for (const [y, list] of byYear) {
    if (list.length !== 12) throw new Error(`year ${y} has ${list.length} months`);
    for (const m of list) {
      if (m.length !== 29 && m.length !== 30) throw new Error(`${y}/${m.month} has ${m.length} days`);
    }
    const sum = list.reduce((a, m) => a + m.length, 0);
    if (sum < 353 || sum > 355) throw new Error(`year ${y} has ${sum} days`);
    total += sum;
    totals.push([y, total]);
  }
  const lastYear = totals[totals.length - 1][0];
  const maxJulianday = minJulianday + total;
  let s;
  // endHijri: the 1st of the last month that begins before the Gregorian year of
  // maxJulianday, so that the next-month step of Hijri mode never lands on a day that the
  // year clamp (which keeps the shown year below that year) would pull back.
  const lastGregorianYear = gregorianYear(maxJulianday);
  const limit = gregorianDayNumber(lastGregorianYear, 1, 1) - 1;
  let endHijri = minJulianday + 1;
  s = minJulianday + 1;
  for (const m of months) { if (s <= limit) endHijri = s; s += m.length; }

  const firstPredicted = months.find(m => m.kind === 'predicted');
  const out = [];
  out.push('; calendar.ini: lunar Hijri month lengths for Velmora.');
  out.push('; Generated by tools/make-calendar-ini.js from tools/data/; regenerate rather than edit.');
  out.push(`; Covers 1 Muharram ${firstYear} (day ${minJulianday + 1}, ${fmtGregorian(minJulianday + 1)}) to the end of Dhu al-Hijja ${lastYear}.`);
  out.push(`; Official months as used in Iran: ${firstYear}/1 to 1447/12 (hijri-iran-official.tsv: newspapers, almanacs and`);
  out.push(';   conversion tables; from 1423 on the University of Tehran Calendar Center\'s official calendars),');
  out.push(`;   and ${PUBLISHED.year}/1 to ${PUBLISHED.year}/${PUBLISHED.months.length} as published in the 1405 Solar Hijri official calendar.`);
  out.push(`; First predicted month: ${firstPredicted.year}/${firstPredicted.month}. From there on through ${lastYear}/12 the months are`);
  out.push(';   predicted by tools/predict-lunar-months.js (hijri-iran-velmora.tsv): on the evening of day 29, Yallop\'s q at the');
  out.push(';   best time at 13 cities and 38 points of Iran\'s border; q >= -0.232 anywhere makes a 29-day month, else 30.');
  out.push('; When the next official calendar appears, add its months to the generator\'s inputs (see README) and regenerate.');
  out.push('; [value]: the table\'s bounds and, under each year, the days from minJulianday to the end of that year.');
  out.push('; [YEAR]: the lengths of months 1 (Muharram) to 12 (Dhu al-Hijja).');
  out.push('');
  out.push('[source]');
  out.push(`officialMonths=${firstYear}/1-${PUBLISHED.year - 1}/12`);
  out.push(`publishedMonths=${PUBLISHED.year}/1-${PUBLISHED.year}/${PUBLISHED.months.length}`);
  out.push(`firstPredictedMonth=${firstPredicted.year}/${firstPredicted.month}`);
  out.push('predictionRule=crescent visibility, Yallop q >= -0.232 at any of 51 sites in Iran on the evening of day 29');
  out.push(`edition=${EDITION}`);
  out.push(`made=${MADE}`);
  out.push(`eventsYear=${EVENTS_YEAR}`);
  out.push(`eventsSha256=${require('crypto').createHash('sha256').update(fs.readFileSync(EVENTS_FILE)).digest('hex')}`);
  for (const record of correctionRecords) out.push(record);
  out.push('');
  out.push('[value]');
  out.push(`minJulianday=${minJulianday}`);
  out.push(`maxJulianday=${maxJulianday}`);
  out.push(`minYear=${firstYear}`);
  out.push(`endHijri=${endHijri}`);
  for (const [y, t] of totals) out.push(`${y}=${t}`);
  for (const [y, list] of byYear) {
    out.push('');
    out.push(`[${y}]`);
    for (const m of list) out.push(`${m.month}=${m.length}`);
  }
  process.stdout.write(out.join('\r\n') + '\r\n');
}

function gregorianDayNumber(y, m, d) {
  const a = Math.trunc((14 - m) / 12), yy = y + 4800 - a, mm = m + 12 * a - 3;
  return d + Math.floor((153 * mm + 2) / 5) + 365 * yy + Math.floor(yy / 4) - Math.floor(yy / 100) + Math.floor(yy / 400) - 32045;
}
function gregorianFromDayNumber(n) {
  const a = n + 32044, b = Math.floor((4 * a + 3) / 146097), c = a - Math.floor(146097 * b / 4);
  const d = Math.floor((4 * c + 3) / 1461), e = c - Math.floor(1461 * d / 4), m = Math.floor((5 * e + 2) / 153);
  return [100 * b + d - 4800 + Math.floor(m / 10), m + 3 - 12 * Math.floor(m / 10), e - Math.floor((153 * m + 2) / 5) + 1];
}
function gregorianYear(n) { return gregorianFromDayNumber(n)[0]; }
function fmtGregorian(n) {
  const [y, m, d] = gregorianFromDayNumber(n);
  return `${y}-${String(m).padStart(2, '0')}-${String(d).padStart(2, '0')}`;
}

main();
