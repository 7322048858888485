"""The Python module against the command line's almanac table, on the same
generated days, and its behaviour where the table has no counterpart."""
import csv
import io
import os
import random
import subprocess
import unittest
import warnings

import numpy as np

import zentolk

CLI = os.environ.get("ZENTOLK_CLI", "zentolk-cli")


def generated_days(input, n=3000, seed=819):
    """Days of one kind, across the whole range and beyond it, with
    malformed ones among them."""
    rng = random.Random(seed)
    bad = {"iso": ["2024-02-30", "2024-13-01", "24-06-15", "+1000001-01-01", "x,y", "say \"hi\""],
           "jdn": ["1e5", "12.5", "-999999999", "999999999", "abc"],
           "long-count": ["9.12.11.5.18 6 Ahau", "9.12.11.5", "9.12.11.5.99", "13.0.0.0.0 4 Ahau 8 Cumku"],
           "mdy": [("13", "1", "2024", "0"), ("2", "30", "2024", "AD"), ("1", "1", "1000001", "0"),
                   ("x", "1", "1", "0"), ("1", "1", "1", "Q")]}[input]
    days = []
    for i in range(n):
        if i % 17 == 0:
            days.append(bad[(i // 17) % len(bad)])
            continue
        jdn = rng.randint(-363_000_000, 366_000_000) if i % 5 == 0 else rng.randint(500_000, 3_000_000)
        days.append(jdn)
    if input == "jdn":
        return [str(d) for d in days]
    # The day numbers become dates and Long Counts by the table itself.
    jdns = [d for d in days if isinstance(d, int)]
    made = zentolk.almanac(np.array(jdns), input="jdn")
    it = iter(range(len(jdns)))
    out = []
    for d in days:
        if not isinstance(d, int):
            out.append(d)
            continue
        k = next(it)
        if not made["ok"][k]:
            continue
        if input == "iso":
            y, m, dd = made["gregorian_year"][k], made["gregorian_month"][k], made["gregorian_day"][k]
            sign = "-" if y < 0 else "+" if y > 9999 else ""
            out.append(f"{sign}{abs(y):04d}-{m:02d}-{dd:02d}")
        elif input == "long-count":
            text = made["long_count"][k]
            out.append(text if k % 3 else f"{text} {made['calendar_round'][k]}")
        else:
            y = made["gregorian_year"][k]
            era = k % 2
            out.append((str(made["gregorian_month"][k]), str(made["gregorian_day"][k]),
                        str(y if y > 0 or era == 0 else 1 - y), "BC" if era else "0"))
    return out


def cli_table(lines, args):
    buffer = io.StringIO()
    csv.writer(buffer, lineterminator="\n").writerows(lines)
    run = subprocess.run([CLI, "almanac", "--csv", *args], input=buffer.getvalue().encode(),
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False)
    return list(csv.reader(io.StringIO(run.stdout.decode())))


def as_cell(value, ok):
    if isinstance(value, (bool, np.bool_)):
        return "1" if value else "0"
    if value is None or (not ok and not isinstance(value, str)):
        return ""
    return str(value)


def values_of(names):
    return names[names.index("error") + 1:]


def frame_missing(value):
    import pandas as pd
    return value is None or value is pd.NA or (isinstance(value, float) and np.isnan(value))


class AgainstTheTable(unittest.TestCase):
    # Each input with settings a table may be asked for.
    CASES = [
        ("iso", {}, []),
        ("iso", {"julian": True, "spelling": "modern", "correlation": "spinden"},
         ["--julian", "--spelling", "modern", "--correlation", "spinden"]),
        ("jdn", {"correlation": 600000, "year_bearer": "mayapan"},
         ["--correlation", "600000", "--year-bearer", "mayapan"]),
        ("long-count", {"spelling": "modern", "correlation": "lounsbury"},
         ["--spelling", "modern", "--correlation", "lounsbury"]),
        ("mdy", {"julian": True, "year_bearer": "campeche"},
         ["--julian", "--year-bearer", "campeche"]),
    ]

    def test_every_column_of_every_row(self):
        for input, options, args in self.CASES:
            with self.subTest(input=input, options=options):
                days = generated_days(input)
                if input == "mdy":
                    lines = days
                    columns = [np.array(c, dtype=object) for c in zip(*days)]
                else:
                    lines = [[d] for d in days]
                    columns = np.array(days, dtype=object)
                table = cli_table(lines, ["--input", input, *args])
                cols = zentolk.almanac(columns, input=input, **options)
                self.assertEqual(table[0], list(cols), "the columns and their order")
                self.assertEqual(table[0], zentolk.column_names(input))
                self.assertEqual(len(table) - 1, len(days))
                self.assertTrue(0 < sum(cols["ok"]) < len(days), "good and bad rows alike")
                names = list(cols)
                for row, expected in enumerate(table[1:]):
                    ok = bool(cols["ok"][row])
                    got = [as_cell(cols[name][row], ok or name in ("ok", "error")) for name in names]
                    if got != expected:
                        self.fail(f"row {row} ({lines[row]}): "
                                  + ", ".join(f"{n}: {g!r} != {e!r}"
                                              for n, g, e in zip(names, got, expected) if g != e))
                # A value without a fast path is taken from the table's list of values.
                read = columns if input == "mdy" else [columns]
                listed = zentolk._zentolk.almanac_columns(read, input, options.get("julian", False),
                                                          options.get("correlation"),
                                                          options.get("spelling", "colonial"),
                                                          options.get("year_bearer", "classic"),
                                                          through_list=True)
                for name in values_of(names):
                    self.assertEqual([as_cell(v, True) for v in listed[name]],
                                     [as_cell(v, True) for v in cols[name]], name)
                # A frame of some of the columns holds the same cells, in the same order.
                values = values_of(names)
                some = random.Random(len(days)).sample(values, 12)
                frame = zentolk.almanac_frame(columns, input=input, columns=some, **options)
                self.assertEqual(list(frame.columns),
                                 names[:names.index("error") + 1] + [n for n in values if n in some])
                for name in some:
                    k = table[0].index(name)
                    self.assertEqual([as_cell(None if frame_missing(v) else v, True)
                                      for v in frame[name]],
                                     [row[k] for row in table[1:]], name)


class ReadingsAgainstTheCalculatorsTable(unittest.TestCase):
    def test_every_reading_of_every_row(self):
        rng = random.Random(2012)
        odd = ["$A", " 7", "x", "", "99999999999", "-3"]
        rows = [[str(rng.randint(0, 13)), str(rng.randint(0, 32)), str(rng.randint(1, 99999)),
                 rng.choice(["0", "1", "BC", "a.d."])] for _ in range(2000)]
        for i in range(0, len(rows), 23):
            rows[i][i % 3] = odd[(i // 23) % len(odd)]
        text = "".join("\t".join(r) + "\n" for r in rows)
        run = subprocess.run([CLI, "--tsv"], input=text.encode(), stdout=subprocess.PIPE,
                             env={**os.environ, "LC_ALL": "C"},
                             stderr=subprocess.DEVNULL, check=False)
        table = [line.split("\t")[4:] for line in run.stdout.decode().splitlines()]
        cols = zentolk.readings(*zip(*rows))
        names = list(cols)[6:]
        self.assertEqual(len(names), 10)
        for k, expected in enumerate(table):
            got = [cols[n][k] for n in names] if cols["ok"][k] else [cols["error"][k]]
            self.assertEqual(got, expected, rows[k])
        self.assertTrue(0 < sum(cols["ok"]) < len(rows))
        self.assertEqual(zentolk.reading(6, 15, 2024)["historical_long_count"], "0.13.0.11.11.14")


class Behaviour(unittest.TestCase):
    def test_wrong_arguments_raise_with_the_command_lines_messages(self):
        cases = [
            ({"input": "dates"}, ValueError, "input needs mdy, iso, jdn or long-count, not 'dates'"),
            ({"correlation": "nope"}, ValueError, "the correlation 'nope' is neither a number nor one of"),
            ({"correlation": 10**9}, ValueError, "lies outside -100000000 to 100000000"),
            ({"correlation": 1.5}, TypeError, "correlation needs a number or a name"),
            ({"spelling": "old"}, ValueError, "spelling needs colonial or modern, not 'old'"),
            ({"year_bearer": "x"}, ValueError, "year_bearer needs classic, campeche or mayapan"),
            ({"columns": ["jdn", "day"]}, ValueError, "'day' is none of the almanac's columns"),
            ({"columns": "jdn"}, TypeError, "a list of column names, not one name"),
        ]
        for options, error, message in cases:
            with self.subTest(options=options):
                with self.assertRaisesRegex(error, message):
                    zentolk.almanac(["2024-06-15"], **options)
        with self.assertRaises(TypeError):
            zentolk.almanac("2024-06-15")
        with self.assertRaises(ValueError):
            zentolk.almanac([[1, 2], [3, 4]], input="mdy")

    def test_any_array_of_days_reads_alike_and_missing_values_are_error_rows(self):
        expected = ["13.0.11.11.14", None, "9.12.11.5.18"]
        import pandas as pd
        for days in (["2024-06-15", None, "0683-08-29"],
                     np.array(["2024-06-15", "", "0683-08-29"]),
                     np.array([b"2024-06-15", b"", b"0683-08-29"]),
                     pd.Series(["2024-06-15", pd.NA, "0683-08-29"], dtype="string"),
                     pd.to_datetime(pd.Series(["2024-06-15", None, "1683-08-29"]))):
            with self.subTest(days=days):
                cols = zentolk.almanac(days)
                self.assertEqual(list(cols["long_count"])[:2], expected[:2])
                self.assertEqual(list(cols["ok"]), [True, False, True])
        for days in ([2460477, float("nan"), 1970761], pd.Series([2460477, None, 1970761])):
            cols = zentolk.almanac(days, input="jdn")
            self.assertEqual(list(cols["long_count"]), expected)
            self.assertEqual(cols["error"][1], "the value is missing")

    def test_scalars_agree_with_the_columns(self):
        days = generated_days("iso", n=300, seed=5)
        cols = zentolk.almanac(days)
        for k, day in enumerate(days):
            if not cols["ok"][k]:
                with self.assertRaisesRegex(ValueError, cols["error"][k]):
                    zentolk.long_count(day)
                continue
            self.assertEqual(zentolk.long_count(day), cols["long_count"][k])
            self.assertEqual(zentolk.long_count(int(cols["jdn"][k])), cols["long_count"][k])
            self.assertEqual(zentolk.from_long_count(cols["long_count"][k]), day)
        d = zentolk.distance("9.12.11.5.18", "2024-06-15")
        self.assertEqual(d["days"], 2460477 - 1970761)
        self.assertEqual(zentolk.distance("2024-06-15", 2460477 + 800)["inscribed"], "2.4.0")

    def test_match_finds_only_fitting_days_and_warns_past_its_limit(self):
        found = zentolk.match("9.*.*.0.0 * Ahau 8 *")
        self.assertGreater(len(found["jdn"]), 0)
        self.assertTrue(all(found["tzolkin_name"] == "Ahau") and all(found["haab_day"] == 8))
        self.assertTrue(all(found["baktun"] == 9) and all(found["kin"] == 0))
        with warnings.catch_warnings(record=True) as caught:
            warnings.simplefilter("always")
            self.assertEqual(len(zentolk.match("* Ahau * *", limit=5)["jdn"]), 5)
        self.assertIn("the first 5 are returned", str(caught[0].message))

    def test_number_columns_take_ordinary_arithmetic_without_overflow(self):
        # Seconds since a day, yyyymmdd keys: what a caller multiplies by.
        days = np.array(generated_days("jdn", n=2000, seed=86400), dtype=object)
        cols = zentolk.almanac(days, input="jdn")
        for name, values in cols.items():
            if values.dtype.kind != "i":
                continue
            for factor in (86_400, 10_000):
                with self.subTest(name=name, factor=factor):
                    wrong = [(int(v), int(p)) for v, p in zip(values, values * factor)
                             if int(v) * factor != int(p)]
                    self.assertEqual(wrong[:3], [], "value, product")

    def test_frame_keeps_the_index_and_leaves_failed_cells_missing(self):
        import pandas as pd
        series = pd.Series(["2024-06-15", "2024-02-30"], index=["a", "b"])
        frame = zentolk.almanac_frame(series, input="iso")
        self.assertEqual(list(frame.index), ["a", "b"])
        self.assertEqual(str(frame["jdn"].dtype), "Int64")
        self.assertTrue(pd.isna(frame.loc["b", "jdn"]) and frame.loc["a", "jdn"] == 2460477)
        self.assertEqual(list(series.zentolk.long_count()), ["13.0.11.11.14", None])
        self.assertEqual(series.zentolk.almanac()["tzolkin_name"]["a"], "Ix")
        # Categorical texts sort as the texts do.
        frame = zentolk.almanac_frame(pd.Series(generated_days("iso", n=600, seed=7)))
        for name in ("tzolkin_name", "haab_month", "calendar_round", "station_819_long_count"):
            with self.subTest(name=name):
                self.assertEqual(list(frame[name].sort_values().dropna().astype(object)),
                                 sorted(frame[name].dropna().astype(object)))


if __name__ == "__main__":
    unittest.main()
