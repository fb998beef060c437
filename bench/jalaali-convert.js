// The yardstick of `velmora-cli convert --from jdn`: jalaali-js (pinned in tools/) turning
// the same day numbers, one a line on standard input, into the same Gregorian and Solar
// Hijri columns and the weekday. It has no lunar Hijri table, so it does a little less.
// With --per-line it writes each line with console.log, as a script written to its README's
// example does; otherwise in pieces of 64 KiB, as velmora-cli does.
'use strict';
const fs = require('fs');
const path = require('path');
const jalaali = require(path.join(__dirname, '..', 'tools', 'node_modules', 'jalaali-js'));

const weekdays = ['Monday', 'Tuesday', 'Wednesday', 'Thursday', 'Friday', 'Saturday', 'Sunday'];
const two = (n) => (n < 10 ? '0' + n : String(n));
const lines = fs.readFileSync(0, 'latin1').split('\n');
const perLine = process.argv.includes('--per-line');
let out = '';
for (const line of lines) {
  if (line === '') continue;
  const n = parseInt(line, 10);
  const g = jalaali.d2g(n);
  const j = jalaali.d2j(n);
  const text = `${n}\t${g.gy}-${two(g.gm)}-${two(g.gd)}\t${j.jy}-${two(j.jm)}-${two(j.jd)}\t${weekdays[n % 7]}`;
  if (perLine) {
    console.log(text);
    continue;
  }
  out += text + '\n';
  if (out.length > 1 << 16) {
    fs.writeSync(1, out);
    out = '';
  }
}
fs.writeSync(1, out);
