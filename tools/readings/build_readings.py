#!/usr/bin/python3
"""Builds the texts of the Thoughts of the Day and of the scripture panel.

Reads the reference table (references.tsv beside this script) and the
Pickthall rendering of the Qur'an (pickthall.txt, one verse a line as
"chapter|verse|text"), and writes two files that the program compiles in:

  resources/readings/thoughts.txt   the 360 readings, one per Hijri month/day
  resources/readings/passages.txt   the verses that the scripture panel quotes

Both files are ASCII with LF line ends. A record starts with a line "[key]"
("[month day]" for a reading, "[chapter:verse]" for a passage) and its lines
follow; the program joins them with CR LF. Lines starting with "#" before the
first record are comments.

The output depends on the inputs alone, so running the script again
reproduces the committed files byte for byte. With --check it writes nothing
and exits with status 1 when a committed file differs from what it would
write.

Only the Python 3 standard library is used.
"""

import argparse
import re
import sys
from pathlib import Path

TOOL_DIR = Path(__file__).resolve().parent
REPO_DIR = TOOL_DIR.parent.parent
DEFAULT_DATA_DIR = TOOL_DIR / "data"
DEFAULT_OUT_DIR = REPO_DIR / "resources" / "readings"

# The verses of the scripture panel "HIJRA - A Divine Calendar".
PANEL_VERSES = [(2, 189), (9, 36), (9, 37)]

# What the finished table must hold; a slip in the reference table shows here.
EXPECTED_COUNTS = {
    "readings": 360,
    "quran": 356,
    "hadith": 3,
    "collection": 1,
    "chapter lines": 336,
    "distinct chapter lines": 46,
}

RECORD_KEY = re.compile(r"^\[[^\]]+\]$")
SENTENCE_END = (".", "!", "?")


class TableError(Exception):
    """A fault in the reference table or the source text."""


def read_verses(path):
    """Returns {(chapter, verse): text} from the one-verse-a-line source."""
    verses = {}
    with open(path, encoding="ascii", newline="") as source:
        for number, line in enumerate(source, 1):
            line = line.rstrip("\r\n")
            if not line:
                continue
            fields = line.split("|", 2)
            if len(fields) != 3:
                raise TableError(f"{path}:{number}: not chapter|verse|text")
            key = (int(fields[0]), int(fields[1]))
            if key in verses:
                raise TableError(f"{path}:{number}: verse {key} given twice")
            verses[key] = fields[2].strip()
    return verses


def parse_verse_list(chapter, text):
    """The verse numbers named by the part after "chapter:", in order.

    Returns (verses, partial): partial is True for one verse with a trailing
    "p", which stands for a part of that verse."""
    if re.fullmatch(r"\d+p", text):
        return [int(text[:-1])], True
    match = re.fullmatch(r"(\d+)\.\.(\d+)", text)
    if match:
        first, last = int(match.group(1)), int(match.group(2))
        if last <= first:
            raise TableError(f"{chapter}:{text}: a range must rise")
        return list(range(first, last + 1)), False
    if re.fullmatch(r"\d+(-\d+)*", text):
        return [int(v) for v in text.split("-")], False
    raise TableError(f"{chapter}:{text}: not a verse reference")


def sentence_part(verse_text, start):
    """The part of a verse from the sentence that begins with `start` to the
    end of the verse; it must begin a sentence and the verse must end one."""
    index = verse_text.find(start)
    if index < 0:
        raise TableError(f"part start {start!r} not found in the verse")
    if index > 0 and not verse_text[:index].rstrip().endswith(SENTENCE_END):
        raise TableError(f"part start {start!r} does not begin a sentence")
    part = verse_text[index:]
    if not part.endswith(SENTENCE_END):
        raise TableError(f"part {part!r} does not end a sentence")
    return part


def read_table(path):
    """The rows of the reference table as dictionaries, in file order."""
    rows = []
    with open(path, encoding="ascii", newline="") as table:
        for number, line in enumerate(table, 1):
            line = line.rstrip("\r\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < 4:
                raise TableError(f"{path}:{number}: fewer than four columns")
            row = {"line": number, "month": int(fields[0]), "day": int(fields[1]),
                   "reference": fields[2], "chapter": fields[3], "options": {}}
            for option in fields[4:]:
                name, _, value = option.partition("=")
                if name in row["options"]:
                    raise TableError(f"{path}:{number}: option {name} given twice")
                row["options"][name] = value
            rows.append(row)
    return rows


def build_reading(row, verses, chapter_names):
    """The lines of one reading."""
    options = row["options"]
    reference = row["reference"]
    lines = []
    if "heading" in options:
        lines.append(options["heading"])
    if reference in ("HADITH", "COLLECTION"):
        if row["chapter"] != "-":
            raise TableError("a saying has no chapter line")
        lines.append(options["text"])
        lines.append("")
        if reference == "HADITH":
            lines.append("...HADITH")
        else:
            lines.append("... " + options["collection"])
        return lines

    match = re.fullmatch(r"(\d+):(\S+)", reference)
    if not match:
        raise TableError(f"{reference}: not chapter:verses")
    chapter = int(match.group(1))
    numbers, partial = parse_verse_list(chapter, match.group(2))
    texts = []
    for verse in numbers:
        if (chapter, verse) not in verses:
            raise TableError(f"{chapter}:{verse} is not in the source")
        texts.append(verses[(chapter, verse)])
    if partial:
        texts = [sentence_part(texts[0], options["from"])]
    elif "from" in options:
        raise TableError("from= belongs to a partial reference")

    separator = [] if "lines" in options else [""]
    for index, text in enumerate(texts):
        if index > 0:
            lines.extend(separator)
        lines.append(text)
    lines.append("")
    lines.append(" ...QURA'N [" + reference + "]")

    name = row["chapter"]
    if name != "-":
        known = chapter_names.setdefault(name, chapter)
        if known != chapter:
            raise TableError(f"chapter name {name} used for {known} and {chapter}")
        lines.append("   (Surah " + name + ").")
    return lines


def count_readings(readings):
    counts = dict.fromkeys(EXPECTED_COUNTS, 0)
    chapter_lines = set()
    counts["readings"] = len(readings)
    for lines in readings.values():
        if lines[-1].startswith("   (Surah "):
            counts["chapter lines"] += 1
            chapter_lines.add(lines[-1])
        reference = [line for line in lines if line.lstrip().startswith("...")]
        if len(reference) != 1:
            raise TableError(f"a reading holds {len(reference)} reference lines")
        if reference[0].lstrip().startswith("...QURA'N ["):
            counts["quran"] += 1
        elif reference[0] == "...HADITH":
            counts["hadith"] += 1
        else:
            counts["collection"] += 1
    counts["distinct chapter lines"] = len(chapter_lines)
    return counts


def build_readings(table, verses):
    readings = {}
    chapter_names = {}
    for row in table:
        key = (row["month"], row["day"])
        if not (1 <= key[0] <= 12 and 1 <= key[1] <= 30):
            raise TableError(f"line {row['line']}: no such month and day {key}")
        if key in readings:
            raise TableError(f"line {row['line']}: month and day {key} given twice")
        try:
            readings[key] = build_reading(row, verses, chapter_names)
        except (TableError, KeyError) as error:
            raise TableError(f"line {row['line']}: {error}") from error
    missing = [(m, d) for m in range(1, 13) for d in range(1, 31) if (m, d) not in readings]
    if missing:
        raise TableError(f"no reading for {missing}")
    counts = count_readings(readings)
    if counts != EXPECTED_COUNTS:
        raise TableError(f"counts {counts} differ from {EXPECTED_COUNTS}")
    return readings


def record_file(header, records):
    """The text of a record file: comment header, then "[key]" and lines."""
    out = ["# " + line if line else "#" for line in header]
    for key, lines in records:
        out.append("[" + key + "]")
        for line in lines:
            if RECORD_KEY.match(line) or line.startswith("#") or line != line.rstrip():
                raise TableError(f"record {key}: line {line!r} cannot be stored")
            out.append(line)
        if not lines or lines[-1] == "":
            raise TableError(f"record {key} must end with a line of text")
    text = "\n".join(out) + "\n"
    text.encode("ascii")  # the program reads it as ASCII / UTF-8 alike
    return text


def build_files(data_dir):
    verses = read_verses(data_dir / "pickthall.txt")
    table = read_table(TOOL_DIR / "references.tsv")
    readings = build_readings(table, verses)
    thoughts = record_file(
        ["Thoughts of the Day: the reading of each Hijri month and day.",
         "Generated by tools/readings/build_readings.py from",
         "tools/readings/references.tsv and the Qur'an in the English rendering of",
         "Mohammed Marmaduke Pickthall. Do not edit; run the script instead.",
         "",
         "A reading starts at its line \"[month day]\"; its lines follow and are",
         "joined with CR LF."],
        [(f"{m} {d}", readings[(m, d)]) for m in range(1, 13) for d in range(1, 31)])
    passages = record_file(
        ["Verses quoted by the scripture panel, from the English rendering of the",
         "Qur'an by Mohammed Marmaduke Pickthall.",
         "Generated by tools/readings/build_readings.py. Do not edit.",
         "",
         "A passage starts at its line \"[chapter:verse]\"."],
        [(f"{c}:{v}", [verses[(c, v)]]) for c, v in PANEL_VERSES])
    return {"thoughts.txt": thoughts, "passages.txt": passages}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", type=Path, default=DEFAULT_DATA_DIR,
                        help="folder holding pickthall.txt")
    parser.add_argument("--out", type=Path, default=DEFAULT_OUT_DIR,
                        help="folder to write thoughts.txt and passages.txt into")
    parser.add_argument("--check", action="store_true",
                        help="compare with the files in --out instead of writing")
    arguments = parser.parse_args()
    try:
        files = build_files(arguments.data)
    except (TableError, OSError, UnicodeError) as error:
        print(f"build_readings: {error}", file=sys.stderr)
        return 2
    status = 0
    for name, text in files.items():
        path = arguments.out / name
        data = text.encode("ascii")
        if arguments.check:
            if not path.exists() or path.read_bytes() != data:
                print(f"build_readings: {path} is out of date", file=sys.stderr)
                status = 1
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)
    return status


if __name__ == "__main__":
    sys.exit(main())
