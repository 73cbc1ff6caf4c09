#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The command line's exports against the window: --export-csv read back
through Python's csv module, --export-pdf against the page the report prints,
and the failures (one line on standard error, status 1, no output file).
Usage: export_test.py VELMORA DRIVER WORKDIR. Exits 77 (skipped) without pdftotext."""

import csv
import io
import os
import shutil
import subprocess
import sys

VELMORA, DRIVER = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
WORKDIR = os.path.abspath(sys.argv[3])
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAILED: " + what)


def drive(flags, script):
    return subprocess.run([DRIVER] + flags, input="\n".join(script) + "\n", capture_output=True, text=True,
                          cwd=WORKDIR, check=True).stdout.splitlines()


def shown(lines, name):
    for line in lines:
        fields = line.split("\t")
        if fields[0] == name:
            return fields[1]
    raise KeyError(name)


def velmora(*args):
    return subprocess.run([VELMORA] + list(args), capture_output=True, cwd=WORKDIR)


# A plan of three channels: a computed one, a hand-typed (CBR) one, and one with sound.
PLAN = os.path.join(WORKDIR, "export.velmora")
PRINTED = os.path.join(WORKDIR, "export-printed.pdf")
for path in (PLAN, PRINTED):
    if os.path.exists(path):
        os.remove(path)
SCRIPT = ["select Combo4 0", "set Text2 4", "set Text3 14", "click Command3", "select Combo6 5", "set Text1 2048",
          "click Command3", "check Check2 1", "select Combo1 4", "click Command5",
          "set Form3.Text1 Объект: склад; 2 этаж, \"север\"", f"save {PLAN}", "click Form3.Command1"]
ROWS = ["Label1", "Label2", "Label12", "Label3", "Label4", "Label11", "Label28"]
for separator in (".", ","):
    flags = ["--print-to", PRINTED, "--decimal", separator]
    looks = ["dump"] + [f"get Form3.{row}({k})" for k in (1, 2, 3) for row in ROWS]
    looks += ["get Form3.Label6", "get Form3.Label9", "get Form3.Label31", "get Form3.Label34"]
    window = drive(flags, SCRIPT + looks)
    check(f"saved\t{PLAN}" in window and f"printed\t{PRINTED}" in window, "the driver saved and printed")

    # CSV, into a file and onto standard output: the same bytes.
    out = os.path.join(WORKDIR, "export.csv")
    if os.path.exists(out):
        os.remove(out)
    done = velmora("--export-csv", out, "--decimal", separator, PLAN)
    check(done.returncode == 0 and done.stdout == b"" and done.stderr == b"", f"--export-csv {separator} ran quietly")
    raw = open(out, "rb").read()
    check(raw.startswith(b"\xef\xbb\xbf"), "the CSV starts with a byte order mark")
    check(velmora("--export-csv", "-", "--decimal", separator, PLAN).stdout == raw, "standard output gets the same CSV")
    rows = list(csv.reader(io.StringIO(raw.decode("utf-8-sig"), newline=""), delimiter=";"))
    check(rows[0] == ["Канал", "Профиль", "Качество", "Разрешение", "Кадров в секунду", "Часов в сутки",
                      "Битрейт, Кбит/сек", "Объём в сутки", "Единица"], "the header row")
    check(all(len(r) == 9 for r in rows), "every row has nine fields")
    channels, totals = rows[1:4], {r[0]: r[1:] for r in rows[4:]}
    check([r[0] for r in channels] == ["1", "2", "3"], "a row per channel in use")
    report = {name: shown(window, f"Form3.{name}") for name in
              [f"{row}({k})" for k in (1, 2, 3) for row in ROWS] + ["Label6", "Label9", "Label31", "Label34"]}
    for k, row in enumerate(channels, start=1):
        check(row[1] == report[f"Label2({k})"], f"channel {k}: profile as in the report")
        check(row[5] == report[f"Label11({k})"], f"channel {k}: hours as in the report")
        if row[1] != "CBR":
            check(row[3] == report[f"Label3({k})"], f"channel {k}: resolution as in the report")
            check(row[4] == report[f"Label4({k})"], f"channel {k}: frame rate as in the report")
        # The report gives every channel's day in gigabytes: a volume in Mбайт is 1024 times its figure.
        check(row[8] in ("Гбайт", "Mбайт"), f"channel {k}: the unit of the volume a day")
        if row[8] == "Гбайт":
            check(row[7] == report[f"Label28({k})"], f"channel {k}: volume a day as in the report")
        else:
            number = lambda text: float(text.replace(",", "."))
            check(abs(number(row[7]) / 1024 - number(report[f"Label28({k})"])) <= 0.006,
                  f"channel {k}: volume a day in Mбайт as in the report")
    check(channels[1][1:3] == ["CBR", "битрейт"] and channels[1][6] == "2048", "the hand-typed channel")
    # The channel shown is the last one: its bitrate and volume are in the window's fields. (Where the
    # separator is a comma, the field reads only up to it, so the channel holds the whole part.)
    check(channels[2][6] == shown(window, "Text1").split(",")[0], "the shown channel's bitrate as the window holds it")
    check(channels[2][7] == shown(window, "Label6"), "the shown channel's volume as the window shows it")
    check(channels[2][8] == shown(window, "Label8"), "the shown channel's unit as the window shows it")
    check(totals["Всего в сутки"][0] == report["Label6"] == shown(window, "Label26"), "the day total")
    check(totals["За период"][:3] == [shown(window, "Label29"), "Тбайт", "14"], "the period total")
    check(totals["Объём диска"][0] == report["Label31"], "the disk size")
    check(totals["Глубина архива"][0] == report["Label34"] == shown(window, "Label34"), "the depth")
    check(totals["Суммарный битрейт"][0] == shown(window, "Label43"), "the total bitrate")
    check(all("." not in f for r in rows[1:] for f in r[6:8]) if separator == "," else True,
          "a comma where the separator is one")

    # PDF: the printed page, word for word.
    pdf = os.path.join(WORKDIR, "export.pdf")
    if os.path.exists(pdf):
        os.remove(pdf)
    done = velmora("--export-pdf", pdf, "--decimal", separator, PLAN)
    check(done.returncode == 0 and done.stdout == b"" and done.stderr == b"", f"--export-pdf {separator} ran quietly")
    if shutil.which("pdftotext") and shutil.which("pdfinfo"):
        text = lambda p: subprocess.run(["pdftotext", "-layout", p, "-"], capture_output=True, check=True).stdout
        check(text(pdf) == text(PRINTED), "the exported page reads as the printed one")
        info = subprocess.run(["pdfinfo", pdf], capture_output=True).stdout.decode()
        check(any(line.split() == ["Pages:", "1"] for line in info.splitlines()), "one page")
        check("склад; 2 этаж".encode() in text(pdf), "the notes are on the page")

# Failures: one line naming the file, status 1, nothing left behind.
with open(os.path.join(WORKDIR, "export-bad.velmora"), "w") as f:
    f.write("{\"format\": \"velmora-plan\", \"version\": \"9.0\"}")
for args, named in [(["--export-csv", "x.csv", "missing.velmora"], "missing.velmora"),
                    (["--export-pdf", "x.pdf", "export-bad.velmora"], "export-bad.velmora"),
                    (["--export-csv", "no-folder/x.csv", PLAN], "no-folder/x.csv"),
                    (["--export-pdf", "no-folder/x.pdf", PLAN], "no-folder/x.pdf")]:
    for leftover in ("x.csv", "x.pdf"):
        if os.path.exists(os.path.join(WORKDIR, leftover)):
            os.remove(os.path.join(WORKDIR, leftover))
    done = velmora(*args)
    err = done.stderr.decode()
    check(done.returncode == 1, f"{' '.join(args)}: status 1")
    check(err.count("\n") == 1 and named in err, f"{' '.join(args)}: one line naming the file: {err!r}")
    check(not any(os.path.exists(os.path.join(WORKDIR, p)) for p in ("x.csv", "x.pdf")), "no output file")

if not (shutil.which("pdftotext") and shutil.which("pdfinfo")):
    print("pdftotext is not installed: the PDF content was not compared")
    sys.exit(77)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
