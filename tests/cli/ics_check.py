"""velmora-cli ics read back by an independent parser (Debian's python3-icalendar).

    ics_check.py VELMORA-CLI DATA-FOLDER SCRATCH-FOLDER

For Solar Hijri 1405 the events are as many as the lines of `occasions` (and with
--holidays-only of `holidays`), each on the Gregorian day of its line, with the same UIDs on
every run, no line longer than 75 octets, and the user's own days as their own category.
"""
import os
import shutil
import subprocess
import sys

import icalendar

cli, data, scratch = sys.argv[1:4]
passed = failed = 0


def check(ok, what):
    global passed, failed
    print(("ok - " if ok else "not ok - ") + what)
    passed, failed = passed + bool(ok), failed + (not ok)


def run(*args, folder=data):
    return subprocess.run([cli, *args, "--data", folder], check=True, capture_output=True).stdout


def events(raw):
    return [c for c in icalendar.Calendar.from_ical(raw).walk("VEVENT")]


def gregorian_of(jalali_dates):
    out = subprocess.run([cli, "convert", "--from", "jalali", "--data", data],
                         input="\n".join(jalali_dates).encode(), check=True, capture_output=True).stdout
    return [line.split("\t")[1] for line in out.decode().splitlines()]


occasions = [l for m in range(1, 13) for l in run("occasions", "1405", str(m)).decode().splitlines()]
holidays = run("holidays", "1405").decode().splitlines()
first, second = run("ics", "1405"), run("ics", "1405")
parsed = events(first)
check(len(parsed) == len(occasions), f"{len(parsed)} events for the {len(occasions)} days of `occasions 1405`")
days = [str(e["DTSTART"].dt) for e in parsed]
check(days == gregorian_of([l.split("\t")[0] for l in occasions]), "each on its day")
check([str(e["UID"]) for e in parsed] == [str(e["UID"]) for e in events(second)], "the UIDs are the same on a second run")
check(len(set(str(e["UID"]) for e in parsed)) == len(parsed), "and all different")
cats = [str(e["CATEGORIES"].to_ical(), "utf-8") for e in parsed]
check(cats.count("holiday") == len(holidays), f"{cats.count('holiday')} of them holidays, as `holidays 1405` lists")
lines = first.split(b"\r\n")
check(max(len(l) for l in lines) <= 75 and b"\n" not in b"".join(lines), "CRLF lines of at most 75 octets")


def whole_utf8(line):
    try:
        line.decode("utf-8")
        return True
    except UnicodeDecodeError:
        return False


check(all(whole_utf8(l) for l in lines), "every folded line is whole UTF-8")
nowruz = next(e for e in parsed if str(e["DTSTART"].dt) == "2026-03-21")
check(str(nowruz["SUMMARY"]).startswith("\u0622\u063a\u0627\u0632 \u0646\u0648\u0631\u0648\u0632"),
      "Nowruz's summary is Persian: " + str(nowruz["SUMMARY"])[:40])

only = events(run("ics", "--holidays-only", "1405"))
check(len(only) == len(holidays), f"--holidays-only: {len(only)} events for the {len(holidays)} lines of `holidays 1405`")
check([str(e["DTSTART"].dt) for e in only] == [l.split("\t")[1] for l in holidays], "each on the holiday's day")

# The user's own days: a birthday kept in the lunar calendar, an anniversary on 30 Esfand
# (29 Esfand in the common year 1405).
mine = os.path.join(scratch, "my-days")
shutil.rmtree(mine, ignore_errors=True)
os.makedirs(mine)
for name in ("calendar.ini", "events.ini"):
    shutil.copy(os.path.join(data, name), mine)
with open(os.path.join(mine, "my-days.ini"), "w", encoding="utf-8", newline="\r\n") as f:
    f.write("[27]\n12=\u062a\u0648\u0644\u062f \u0645\u0627\u062f\u0631, \u0628\u0627 \u0648\u06cc\u0631\u06af\u0648\u0644 1\n[012]\n30=Our anniversary 0\n")
personal = [e for e in events(run("ics", "--my-days", "1405", folder=mine))
            if str(e["CATEGORIES"].to_ical(), "utf-8") == "personal"]
check(len(personal) == 2, f"--my-days adds the two days of my-days.ini as personal events ({len(personal)})")
check(sorted(str(e["DTSTART"].dt) for e in personal) == ["2026-12-22", "2027-03-20"],
      "12 Rajab 1448 and 30 Esfand on 29 Esfand 1405: " + str(sorted(str(e["DTSTART"].dt) for e in personal)))
check(any(str(e["SUMMARY"]).endswith(", \u0628\u0627 \u0648\u06cc\u0631\u06af\u0648\u0644") for e in personal),
      "a comma in a text comes back as written")
# Two days of the same text on one date, and a tab in a text: two events, two UIDs, no raw
# control character.
with open(os.path.join(mine, "my-days.ini"), "w", encoding="utf-8", newline="\r\n") as f:
    f.write("[09]\n18=Twins 0\n18-2=Twins 0\n19=Tab\there 0\n")
twins = [e for e in events(run("ics", "--my-days", "1405", folder=mine))
         if str(e["CATEGORIES"].to_ical(), "utf-8") == "personal"]
check(len(twins) == 3 and len(set(str(e["UID"]) for e in twins)) == 3, "two days of one text on a date: two UIDs")
check(all("\t" not in str(e["SUMMARY"]) for e in twins), "no control character in a SUMMARY")

# The span's ends: the first and last years iCalendar and the program can both hold are read
# back; a year before Gregorian 1 or past the span is refused.
refused = subprocess.run([cli, "ics", "-621", "--data", data], capture_output=True)
check(refused.returncode == 1 and b"iCalendar" in refused.stderr, "ics -621 is refused: " + refused.stderr.decode()[:80])
check(subprocess.run([cli, "ics", "3000", "--data", data], capture_output=True).returncode == 1,
      "a year past the span is refused")
for year in ("-620", "1", "2999"):
    ends = events(run("ics", year))
    starts = [e["DTSTART"].dt for e in ends]
    check(len(ends) > 0 and all(d.year >= 1 for d in starts), f"ics {year} reads back ({len(ends)} events)")
print(f"{passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
