#!/usr/bin/env node
// Writes the manifests of the Windows package managers for a release made by `./dev package`:
// winget's multi-file manifest (version, default locale en-US, a fa-IR locale, installer) and
// Scoop's manifest for the zip, both from the one version and the built files' SHA-256.
//
//   node tools/make-manifests.js VERSION RELEASE-DIR RELEASE-DATE NSIS-SCRIPT
//
// Apps & Features as winget matches it is read from the installer's script, so that it is
// exactly the uninstall entry the installer writes.
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const [version, releaseDir, releaseDate, nsis] = process.argv.slice(2);
if (!nsis || !/^\d+\.\d+\.\d+$/.test(version) || !/^\d{4}-\d{2}-\d{2}$/.test(releaseDate)) {
  process.stderr.write('usage: make-manifests.js VERSION RELEASE-DIR RELEASE-DATE NSIS-SCRIPT\n');
  process.exit(2);
}
// Where the maker publishes the release's files.
const DOWNLOADS = 'https://velmora.co.ir/download/';
const HOME = 'https://velmora.co.ir/';
const ID = 'Velmora.Velmora';
const MANIFEST_VERSION = '1.6.0';
const setup = `Velmora-${version}-setup.exe`;
const zip = `Velmora-${version}-win64.zip`;
const sha256 = name => crypto.createHash('sha256').update(fs.readFileSync(path.join(releaseDir, name))).digest('hex');

// The uninstall entry as the script writes it: the key's last part is the product code.
const script = fs.readFileSync(nsis, 'utf8');
const define = name => (new RegExp(`^!define ${name} "([^"]*)"`, 'm').exec(script) || [])[1];
const entry = name => (new RegExp(`^\\s*WriteRegStr HKCU "\\$\\{UNINSTALL_KEY\\}" "${name}" "([^"]*)"`, 'm').exec(script) || [])[1];
const productCode = define('UNINSTALL_KEY').split('\\').pop();
const displayName = entry('DisplayName');
const publisher = entry('Publisher');
if (!productCode || !displayName || !publisher || entry('DisplayVersion') !== '${VERSION}') {
  process.stderr.write('make-manifests: the installer\'s uninstall entry is not as expected\n');
  process.exit(1);
}

const quoted = text => JSON.stringify(text);  // YAML reads a JSON string as the same string
const yaml = (type, lines) => [`# yaml-language-server: $schema=https://aka.ms/winget-manifest.${type}.${MANIFEST_VERSION}.schema.json`,
  '', `PackageIdentifier: ${ID}`, `PackageVersion: ${version}`, ...lines,
  `ManifestType: ${type}`, `ManifestVersion: ${MANIFEST_VERSION}`, ''].join('\n');
const winget = path.join(releaseDir, 'winget', ...ID.split('.'), version);
fs.mkdirSync(winget, { recursive: true });
const write = (name, text) => fs.writeFileSync(path.join(winget, `${ID}.${name}yaml`), text);
write('', yaml('version', ['DefaultLocale: en-US']));
write('installer.', yaml('installer', [
  'InstallerLocale: en-US',
  'InstallerType: nullsoft',
  'Scope: user',
  'InstallModes:', '  - interactive', '  - silent',
  'UpgradeBehavior: install',
  `ReleaseDate: ${releaseDate}`,
  'AppsAndFeaturesEntries:',
  `  - DisplayName: ${quoted(displayName)}`,
  `    Publisher: ${quoted(publisher)}`,
  `    DisplayVersion: ${quoted(version)}`,
  `    ProductCode: ${quoted(productCode)}`,
  'Installers:',
  '  - Architecture: x64',
  `    InstallerUrl: ${DOWNLOADS}${setup}`,
  `    InstallerSha256: ${sha256(setup).toUpperCase()}`,
]));
write('locale.en-US.', yaml('defaultLocale', [
  'PackageLocale: en-US',
  `Publisher: ${quoted(publisher)}`,
  `PublisherUrl: ${HOME}`,
  'PackageName: Velmora',
  `PackageUrl: ${HOME}`,
  'License: Freeware',
  'ShortDescription: A Solar Hijri (Persian) desktop calendar that keeps today\'s date in the notification area.',
  'Description: Velmora shows a month in the Solar Hijri, Gregorian or lunar Hijri calendar with the other two in every day, Iran\'s holidays and occasions, the times of prayer, and a date converter; its calendar data updates itself from a signed feed.',
  'Moniker: velmora',
  'Tags:', '  - calendar', '  - persian', '  - jalali', '  - shamsi', '  - hijri',
]));
write('locale.fa-IR.', yaml('locale', [
  'PackageLocale: fa-IR',
  `Publisher: ${quoted(publisher)}`,
  'PackageName: Velmora',
  'License: رایگان',
  'ShortDescription: تقویم رومیزی هجری خورشیدی که تاریخ امروز را در ناحیهٔ اعلان نشان می‌دهد.',
  'Tags:', '  - تقویم', '  - شمسی', '  - قمری',
]));

const scoop = {
  version,
  description: 'A Solar Hijri (Persian) desktop calendar that keeps today\'s date in the notification area.',
  homepage: HOME,
  license: 'Freeware',
  architecture: { '64bit': { url: `${DOWNLOADS}${zip}`, hash: sha256(zip), extract_dir: 'Velmora' } },
  bin: 'velmora-cli.exe',
  shortcuts: [['Velmora.exe', 'Velmora']],
  // What a user changes beside the program: the lunar corrections, edited occasions, and a
  // portable copy's own days.
  persist: ['calendar.ini', 'events.ini', 'my-days.ini'],
};
fs.mkdirSync(path.join(releaseDir, 'scoop'), { recursive: true });
fs.writeFileSync(path.join(releaseDir, 'scoop', 'velmora.json'), JSON.stringify(scoop, null, 2) + '\n');
