#!/usr/bin/python3
"""Checks Qarnivo's iCalendar export with an independent parser (Debian's
python3-icalendar): Qarnivo --export-ics writes the occasions of 1446 AH
twice, and the files must parse, hold 44 all-day events with 1 Ramadhan on
1 March 2025, fold their lines at 75 octets with CR LF ends, and keep every
UID from one export to the next. Exits 77 (skipped) without the parser."""

import subprocess
import sys
import tempfile
from datetime import date, timedelta
from pathlib import Path

try:
    import icalendar
except ImportError:
    print("python3-icalendar is not installed; skipped")
    sys.exit(77)


def export(program, folder, name, *options):
    path = Path(folder) / name
    subprocess.run([program, "--export-ics", str(path), "--hijri-year", "1446", *options],
                   check=True, capture_output=True)
    return path.read_bytes()


def events(raw):
    calendar = icalendar.Calendar.from_ical(raw)
    assert str(calendar["VERSION"]) == "2.0"
    assert "PRODID" in calendar
    return [item for item in calendar.walk() if item.name == "VEVENT"]


def main(program):
    with tempfile.TemporaryDirectory() as folder:
        first = export(program, folder, "first.ics")
        again = export(program, folder, "again.ics")
        shifted = export(program, folder, "shifted.ics", "--correction", "1")

    for line in first.split(b"\r\n"):
        assert len(line) <= 75, line
        assert b"\n" not in line and b"\r" not in line, line
    assert first.endswith(b"END:VCALENDAR\r\n")

    found = events(first)
    assert len(found) == 44, len(found)
    by_uid = {str(event["UID"]): event for event in found}
    assert len(by_uid) == 44, "UIDs are unique"
    assert sorted(by_uid) == sorted(str(event["UID"]) for event in events(again))

    for event in found:
        start = event["DTSTART"].dt
        assert type(start) is date, "all-day events"
        assert event["DTEND"].dt == start + timedelta(days=1)
        assert str(event["SUMMARY"]).strip()
        assert str(event["DESCRIPTION"]).endswith("1446 AH")

    ramadhan = [e for e in found if str(e["SUMMARY"]) == "Start of Ramazan-ul-Mubarak"]
    assert len(ramadhan) == 1 and ramadhan[0]["DTSTART"].dt == date(2025, 3, 1)
    assert str(ramadhan[0]["DESCRIPTION"]) == "1 Ramadhan-ul-Mubarak 1446 AH"
    nights = [e for e in found if str(e["SUMMARY"]) == "LAILAT-UL-QUADRA"]
    assert len(nights) == 8, len(nights)
    new_year = by_uid["1446-01-01@qarnivo"]
    assert "1446" in str(new_year["SUMMARY"]), "the long greeting survives folding"

    moved = {str(e["UID"]): e["DTSTART"].dt for e in events(shifted)}
    for uid, event in by_uid.items():
        assert moved[uid] == event["DTSTART"].dt + timedelta(days=1), uid
    print("44 events parsed; folding, dates, UIDs and the correction agree")


if __name__ == "__main__":
    main(sys.argv[1])
