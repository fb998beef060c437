#!/usr/bin/env python3
"""The manifests `./dev package` writes, read back with a YAML and a JSON reader and held to
the built files and to the uninstall entry the installer wrote.

    manifests-check.py RELEASE-DIR VERSION PRODUCT-CODE DISPLAY-NAME PUBLISHER DISPLAY-VERSION
"""
import hashlib
import json
import os
import sys
import zipfile

import yaml

release, version, product_code, display_name, publisher, display_version = sys.argv[1:]
problems = []


def expect(condition, what):
    print(("ok - " if condition else "not ok - ") + what)
    if not condition:
        problems.append(what)


def sha256(name):
    with open(os.path.join(release, name), "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


folder = os.path.join(release, "winget", "Velmora", "Velmora", version)
read = {}
for kind in ["", "installer.", "locale.en-US.", "locale.fa-IR."]:
    with open(os.path.join(folder, "Velmora.Velmora.%syaml" % kind), encoding="utf-8") as f:
        read[kind] = yaml.safe_load(f)
types = {"": "version", "installer.": "installer", "locale.en-US.": "defaultLocale", "locale.fa-IR.": "locale"}
for kind, manifest in read.items():
    expect(manifest["PackageIdentifier"] == "Velmora.Velmora" and manifest["PackageVersion"] == version
           and manifest["ManifestType"] == types[kind] and manifest["ManifestVersion"] == "1.6.0",
           "winget %s manifest: identifier, version %s, type" % (types[kind], version))
expect(read[""]["DefaultLocale"] == "en-US" and read["locale.en-US."]["PackageLocale"] == "en-US"
       and read["locale.fa-IR."]["PackageLocale"] == "fa-IR", "default locale en-US, and a fa-IR locale")
installer = read["installer."]
setup = "Velmora-%s-setup.exe" % version
expect(installer["InstallerType"] == "nullsoft" and installer["Scope"] == "user"
       and installer["Installers"][0]["Architecture"] == "x64", "nullsoft, user scope, x64")
expect(installer["Installers"][0]["InstallerSha256"] == sha256(setup).upper()
       and installer["Installers"][0]["InstallerUrl"].endswith("/" + setup), "the installer's address and SHA-256")
expect(len(str(installer["ReleaseDate"])) == 10, "a ReleaseDate")
entry = installer["AppsAndFeaturesEntries"][0]
expect(entry == {"DisplayName": display_name, "Publisher": publisher, "DisplayVersion": display_version,
                 "ProductCode": product_code},
       "AppsAndFeaturesEntries is the uninstall entry the installer wrote: %s" % entry)

with open(os.path.join(release, "scoop", "velmora.json"), encoding="utf-8") as f:
    scoop = json.load(f)
bits = scoop["architecture"]["64bit"]
zip_name = "Velmora-%s-win64.zip" % version
expect(scoop["version"] == version and bits["hash"] == sha256(zip_name) and bits["url"].endswith("/" + zip_name),
       "Scoop: the version, the zip's address and SHA-256")
names = set(zipfile.ZipFile(os.path.join(release, zip_name)).namelist())
inside = lambda name: bits["extract_dir"] + "/" + name in names
expect(inside(scoop["bin"]) and all(inside(s[0]) for s in scoop["shortcuts"]),
       "Scoop: bin and shortcuts name programs in the zip")
expect(all(inside(p) for p in scoop["persist"] if p != "my-days.ini") and "my-days.ini" in scoop["persist"],
       "Scoop: persist keeps calendar.ini, events.ini and my-days.ini")
sys.exit(1 if problems else 0)
