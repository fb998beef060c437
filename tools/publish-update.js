#!/usr/bin/env node
// Makes and signs Velmora's update feed from a folder of what is published.
//
//   node tools/publish-update.js --key PRIVATE.pem --version 4.6.0 --installer Velmora-4.6.0-setup.exe \
//        --changes "Eid al-Fitr moved to ..." --changes-persian "..." FOLDER > FOLDER/feed.txt
//
// FOLDER holds calendar.ini, events.ini and the installer; the feed names them relative to
// itself (or under --base URL). The edition and its date are calendar.ini's own ([source]
// edition and made), and its eventsSha256 must be that of the events.ini beside it. The
// signature is ECDSA P-256 over SHA-256 of every byte before the "signature=" line, r and s
// as 64 bytes (IEEE P1363), base64. The private key stays with the maker: never commit it.
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

function fail(message) {
  process.stderr.write(`publish-update: ${message}\n`);
  process.exit(2);
}

const options = { base: '' };
const args = process.argv.slice(2);
let folder = null;
for (let i = 0; i < args.length; i++) {
  const m = /^--(key|version|installer|changes|changes-persian|base)$/.exec(args[i]);
  if (m) {
    if (i + 1 >= args.length) fail(`${args[i]} takes a value`);
    options[m[1]] = args[++i];
  } else if (folder === null) {
    folder = args[i];
  } else {
    fail(`unknown argument ${args[i]}`);
  }
}
for (const name of ['key', 'version', 'installer', 'changes']) if (!options[name]) fail(`--${name} is required`);
if (folder === null) fail('name the folder of what is published');
if (!/^\d+(\.\d+)*$/.test(options.version)) fail(`--version ${options.version} is not a dotted version`);

const read = name => {
  try { return fs.readFileSync(path.join(folder, name)); } catch (e) { fail(`cannot read ${path.join(folder, name)}`); }
};
const sha256 = bytes => crypto.createHash('sha256').update(bytes).digest('hex');
const calendar = read('calendar.ini');
const events = read('events.ini');
const installer = read(options.installer);
const source = {};
let section = '';
for (const line of calendar.toString('utf8').split(/\r?\n/)) {
  const s = /^\s*\[(.*)\]\s*$/.exec(line);
  if (s) { section = s[1].trim().toLowerCase(); continue; }
  const kv = /^([^;=][^=]*)=(.*)$/.exec(line);
  if (kv && section === 'source') source[kv[1].trim()] = kv[2].trim();
}
if (!/^[1-9]\d*$/.test(source.edition || '')) fail('calendar.ini has no [source] edition');
if (!/^\d{4}-\d{2}-\d{2}$/.test(source.made || '')) fail('calendar.ini has no [source] made');
if (source.eventsSha256 !== sha256(events)) fail('calendar.ini\'s eventsSha256 is not that of the events.ini beside it');
const oneLine = text => { if (/[\r\n]/.test(text)) fail('the changes must be one line'); return text; };
const address = name => options.base ? options.base.replace(/\/?$/, '/') + name : name;

const lines = [
  '; Velmora update feed',
  'format=1',
  `version=${options.version}`,
  `installer=${address(options.installer)}`,
  `installerSha256=${sha256(installer)}`,
  `edition=${source.edition}`,
  `editionDate=${source.made}`,
  `calendar=${address('calendar.ini')}`,
  `calendarSha256=${sha256(calendar)}`,
  `events=${address('events.ini')}`,
  `eventsSha256=${sha256(events)}`,
  `changes=${oneLine(options.changes)}`,
  `changesPersian=${oneLine(options['changes-persian'] || options.changes)}`,
];
const body = lines.join('\n') + '\n';
const key = crypto.createPrivateKey(fs.readFileSync(options.key));
if (key.asymmetricKeyType !== 'ec' || key.asymmetricKeyDetails.namedCurve !== 'prime256v1') fail('the key is not a P-256 key');
const signature = crypto.sign('sha256', Buffer.from(body, 'utf8'), { key, dsaEncoding: 'ieee-p1363' });
process.stdout.write(body + `signature=${signature.toString('base64')}\n`);
