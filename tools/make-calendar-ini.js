#!/usr/bin/env node
// Writes calendar.ini, the lunar Hijri month-length table, from the tables in tools/data/.
//
//   node tools/make-calendar-ini.js > resources/calendar.ini
//
// Months as used in Iran through the last published month, then the months that follow
// (see tools/data/README.md for the sources). The same inputs always give the same file.
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

// Month starts of a table, as a list of { year, month, start }.
function monthStarts(rows, fromYear, toYear) {
  const starts = [];
  for (let y = fromYear; y <= toYear; y++) {
    const row = rows.get(y);
    let s = row.start;
    row.months.forEach((len, i) => { starts.push({ year: y, month: i + 1, start: s }); s += len; });
    if (y === toYear) starts.push({ year: y + 1, month: 1, start: s });
  }
  return starts;
}

// Builds the month list: { year, month, length, kind }.
function buildMonths(following, followingName) {
  const official = readTable('hijri-iran-official.tsv');
  const years = [...official.keys()].sort((a, b) => a - b);
  const months = [];
  for (const y of years) {
    official.get(y).months.forEach((len, i) => months.push({ year: y, month: i + 1, length: len, kind: 'official' }));
  }
  PUBLISHED.months.forEach((len, i) => months.push({ year: PUBLISHED.year, month: i + 1, length: len, kind: 'published' }));

  // Continue from the last known month start with the following table, rejoining it at the
  // first month start the two can share with months of 29 or 30 days.
  const next = new Map(monthStarts(following, PUBLISHED.year, LAST_YEAR).map(m => [`${m.year}/${m.month}`, m.start]));
  let start = PUBLISHED.nextStart;
  let year = PUBLISHED.year, month = PUBLISHED.months.length + 1;
  let rejoined = false;
  while (year <= LAST_YEAR) {
    const ny = month === 12 ? year + 1 : year, nm = month === 12 ? 1 : month + 1;
    const wanted = next.get(`${ny}/${nm}`) - start;
    const length = Math.min(30, Math.max(29, wanted));
    // Until the starts coincide, each month's length is chosen to close the gap.
    months.push({ year, month, length, kind: rejoined ? followingName : 'bridge' });
    if (length === wanted) rejoined = true;
    start += length;
    year = ny; month = nm;
  }
  return months;
}

function main() {
  const following = readTable('hijri-umalqura.tsv');
  const months = buildMonths(following, 'umalqura');
  const official = readTable('hijri-iran-official.tsv');
  const firstYear = months[0].year;
  const minJulianday = official.get(firstYear).start - 1;

  // Per-year lengths and running totals.
  const byYear = new Map();
  for (const m of months) {
    if (!byYear.has(m.year)) byYear.set(m.year, []);
    byYear.get(m.year).push(m);
  }
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
  // Check against the sources: the table's month starts must be those of the inputs.
  let s = minJulianday + 1;
  for (const m of months) {
    if (m.month === 1) {
      const src = m.kind === 'official' ? official.get(m.year) : null;
      if (src && src.start !== s) throw new Error(`1 Muharram ${m.year} is ${s}, source says ${src.start}`);
      if (m.kind === 'umalqura' && following.get(m.year).start !== s)
        throw new Error(`1 Muharram ${m.year} is ${s}, Umm al-Qura says ${following.get(m.year).start}`);
    }
    s += m.length;
  }
  if (lastYear === LAST_YEAR && maxJulianday + 1 !== following.get(LAST_YEAR).start + following.get(LAST_YEAR).months.reduce((a, b) => a + b, 0))
    throw new Error('the table does not end where Umm al-Qura 1600 ends');

  // endHijri: the 1st of the last month that begins before the Gregorian year of
  // maxJulianday, so that the next-month step of Hijri mode never lands on a day that the
  // year clamp (which keeps the shown year below that year) would pull back.
  const lastGregorianYear = gregorianYear(maxJulianday);
  const limit = gregorianDayNumber(lastGregorianYear, 1, 1) - 1;
  let endHijri = minJulianday + 1;
  s = minJulianday + 1;
  for (const m of months) { if (s <= limit) endHijri = s; s += m.length; }

  const firstFollowing = months.find(m => m.kind !== 'official' && m.kind !== 'published');
  const bridges = months.filter(m => m.kind === 'bridge').map(m => `${m.year}/${m.month}`);
  const out = [];
  out.push('; calendar.ini: lunar Hijri month lengths for Velmora.');
  out.push('; Generated by tools/make-calendar-ini.js from tools/data/; regenerate rather than edit.');
  out.push(`; Covers 1 Muharram ${firstYear} (day ${minJulianday + 1}, ${fmtGregorian(minJulianday + 1)}) to the end of Dhu al-Hijja ${lastYear} (day ${maxJulianday}, ${fmtGregorian(maxJulianday)}).`);
  out.push(`; Official months as used in Iran: ${firstYear}/1 to 1447/12 (hijri-iran-official.tsv: newspapers, almanacs and`);
  out.push(';   conversion tables; from 1423 on the University of Tehran Calendar Center\'s official calendars),');
  out.push(`;   and ${PUBLISHED.year}/1 to ${PUBLISHED.year}/${PUBLISHED.months.length} as published in the 1405 Solar Hijri official calendar.`);
  out.push(`; First predicted month: ${firstFollowing.year}/${firstFollowing.month}. From there on the months are not official:`);
  out.push(`;   ${bridges.length ? bridges.join(', ') + ' bridge(s) the last published month to' : 'they follow'} the Umm al-Qura table (hijri-umalqura.tsv) through ${lastYear}/12.`);
  out.push('; When the next official calendar appears, add its months to the generator\'s inputs and regenerate.');
  out.push('; [value]: the table\'s bounds and, under each year, the days from minJulianday to the end of that year.');
  out.push('; [YEAR]: the lengths of months 1 (Muharram) to 12 (Dhu al-Hijja).');
  out.push('');
  out.push('[source]');
  out.push(`officialMonths=${firstYear}/1-${PUBLISHED.year}/${PUBLISHED.months.length}`);
  out.push(`firstPredictedMonth=${firstFollowing.year}/${firstFollowing.month}`);
  out.push(`predictionRule=Umm al-Qura table (ICU), rejoined at the first shared month start`);
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
