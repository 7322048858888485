#!/usr/bin/python3
"""The same table converted with python3-convertdate, as a yardstick for
zentolk-cli --tsv: the Long Count, the Tzolkin day and the week day only
(convertdate has no Great Cycle shares or harmonics)."""
import sys

from convertdate import gregorian, mayan, utils

WEEK = ("Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday")


def main():
    out = []
    write = out.append
    for line in sys.stdin.buffer:
        fields = line.rstrip(b"\r\n").split(b"\t")
        if len(fields) != 4:
            continue
        try:
            month, day, year, era = (int(f) for f in fields)
            if era == 1:
                year = 1 - year
            jd = gregorian.to_jd(year, month, day)
            number, name = mayan.to_tzolkin(jd)
            write("%s\t%s\t%d  %s\t%s\n" % (
                line.rstrip(b"\r\n").decode("latin-1"),
                ".".join(str(p) for p in mayan.from_jd(jd)),
                number, name, WEEK[utils.jwday(jd)]))
        except ValueError as error:
            write("%s\t%s\n" % (line.rstrip(b"\r\n").decode("latin-1"), error))
        if len(out) >= 4096:
            sys.stdout.write("".join(out))
            out.clear()
    sys.stdout.write("".join(out))


main()
