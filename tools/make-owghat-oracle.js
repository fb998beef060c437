#!/usr/bin/env node
// The times of prayer by the Institute of Geophysics' method, reckoned independently of
// Velmora's own astronomy with astronomy-engine (the Sun's apparent place, nutation,
// aberration and sidereal time are its own), for the tests to hold Velmora's times against.
//
//   node tools/make-owghat-oracle.js [STRIDE] > tools/data/owghat-oracle.tsv
//
// One line a capital and a day: every STRIDE-th day (211 unless told) of the Solar Hijri years
// 1300 to 1500, at each of the 31 provincial capitals of tools/data/iran-capitals.tsv. Each
// time is in seconds from the local midnight (Iran Standard Time, UTC+03:30) to a tenth, the
// altitudes of the Sun's centre seen from the Earth's centre: Fajr −17.7°, sunrise −50′, Dhuhr
// (transit), sunset −50′, Maghrib −4.5°, Isha −14°, and the next morning's Fajr. "-" where the
// Sun does not come there.
'use strict';
const fs = require('fs');
const path = require('path');
const Astronomy = require('astronomy-engine');

const stride = Number(process.argv[2] || 211);
const capitals = fs.readFileSync(path.join(__dirname, 'data', 'iran-capitals.tsv'), 'utf8')
    .trim().split('\n').slice(1).map((line) => {
        const [en, fa, lat, lon] = line.split('\t');
        return { en, lat: Number(lat), lon: Number(lon) };
    });

const DEG = Math.PI / 180;
const OFFSET_DAYS = 3.5 / 24;

// The Sun's geocentric apparent right ascension and declination (degrees), and the Greenwich
// apparent sidereal time (degrees), by astronomy-engine, at a time in days from J2000 (UT).
function sunAt(ut) {
    const time = Astronomy.MakeTime(ut);
    const vector = Astronomy.RotateVector(Astronomy.Rotation_EQJ_EQD(time), Astronomy.GeoVector(Astronomy.Body.Sun, time, true));
    const equator = Astronomy.EquatorFromVector(vector);
    return { ra: equator.ra * 15, dec: equator.dec, gast: Astronomy.SiderealTime(time) * 15 };
}
function hourAngle(ut, lon) {
    const s = sunAt(ut);
    let h = (s.gast + lon - s.ra) % 360;
    if (h > 180) h -= 360;
    if (h <= -180) h += 360;
    return h;
}
function altitude(ut, lat, lon) {
    const s = sunAt(ut);
    const h = (s.gast + lon - s.ra) * DEG;
    return Math.asin(Math.sin(lat * DEG) * Math.sin(s.dec * DEG) + Math.cos(lat * DEG) * Math.cos(s.dec * DEG) * Math.cos(h)) / DEG;
}
// Bisection of f on [a, b], where it changes sign.
function root(f, a, b) {
    let fa = f(a);
    for (let i = 0; i < 45; ++i) {
        const m = (a + b) / 2, fm = f(m);
        if ((fm < 0) === (fa < 0)) { a = m; fa = fm; } else { b = m; }
    }
    return (a + b) / 2;
}
// The transit nearest the mean local noon: the hour angle passes 0 going up.
function transit(noonGuess, lon) {
    return root((t) => hourAngle(t, lon), noonGuess - 0.2, noonGuess + 0.2);
}
// The time the Sun's centre crosses an altitude between transit and half a day before or after;
// null where it does not.
function crossing(noon, lat, lon, alt, morning) {
    const far = morning ? noon - 0.5 : noon + 0.5;
    const f = (t) => altitude(t, lat, lon) - alt;
    if (f(noon) < 0 || f(far) > 0) return null;
    return morning ? root(f, far, noon) : root(f, noon, far);
}

// Days from J2000 (noon) of 0h UT of a Gregorian date.
function dayOf(y, m, d) {
    return (Date.UTC(y, m - 1, d) - Date.UTC(2000, 0, 1, 12)) / 86400000;
}
function jalaaliToGregorian(jy, jm, jd) {
    return require('jalaali-js').toGregorian(jy, jm, jd);
}

const lines = ['# city\tdate\tfajr\tsunrise\tdhuhr\tsunset\tmaghrib\tisha\tnext_fajr'];
const first = jalaaliToGregorian(1300, 1, 1), last = jalaaliToGregorian(1500, 12, 29);
const firstDay = dayOf(first.gy, first.gm, first.gd), lastDay = dayOf(last.gy, last.gm, last.gd);
let k = 0;
for (let day = firstDay; day <= lastDay; day += stride, ++k) {
    const date = new Date(Date.UTC(2000, 0, 1, 12) + day * 86400000);
    const iso = date.toISOString().slice(0, 10);
    for (const c of capitals) {
        const noon = transit(day + 0.5 - c.lon / 360, c.lon);
        const nextNoon = transit(day + 1.5 - c.lon / 360, c.lon);
        const local = (t) => (t === null ? '-' : ((t - day + OFFSET_DAYS) * 86400).toFixed(1));
        const row = [
            crossing(noon, c.lat, c.lon, -17.7, true), crossing(noon, c.lat, c.lon, -50 / 60, true), noon,
            crossing(noon, c.lat, c.lon, -50 / 60, false), crossing(noon, c.lat, c.lon, -4.5, false),
            crossing(noon, c.lat, c.lon, -14, false), crossing(nextNoon, c.lat, c.lon, -17.7, true)];
        lines.push([c.en, iso, ...row.map(local)].join('\t'));
    }
}
process.stdout.write(lines.join('\n') + '\n');
