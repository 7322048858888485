"""Zentolk's calendar engine for NumPy, pandas and Dask.

The almanac of many days at once, as columns::

    >>> import zentolk
    >>> cols = zentolk.almanac(["2024-06-15", "0683-08-29", "2024-02-30"])
    >>> list(cols["long_count"])
    ['13.0.11.11.14', '9.12.11.5.18', None]
    >>> list(cols["error"])
    [None, None, 'no such day in the calendar']

The columns are those of ``zentolk-cli almanac --csv``, with the same names,
order and meanings: the input column(s), ``ok``, ``error``, then ``jdn``,
``correlation``, ... ``inscribed`` (``columns=`` picks some). Numbers are
int64 arrays for day numbers and years, int32 for the cycles' places and
counts (0 in a failed row); texts are object arrays of str (None where the
table leaves a cell empty), texts that repeat sharing one str. Every column
is new memory, so asking only for the columns needed is what makes a call
fast: see :func:`almanac`.
A row that cannot be read has ``ok`` False and the reason in ``error``; only
wrong arguments raise (ValueError, with the command line's message).

Single days, for interactive use: :func:`long_count`, :func:`from_long_count`,
:func:`distance`, :func:`match`; the calculator's readings of a date:
:func:`reading`, and :func:`readings` for columns. With pandas, :func:`almanac_frame` gives a
DataFrame and every Series has ``series.zentolk.almanac()`` and
``series.zentolk.long_count()``.
"""

import warnings

import numpy as _np

from . import _zentolk

__all__ = [
    "almanac",
    "almanac_frame",
    "column_names",
    "long_count",
    "from_long_count",
    "distance",
    "match",
    "reading",
    "readings",
    "INPUTS",
]

INPUTS = ("iso", "jdn", "long-count", "mdy")
_MDY = ("month", "day", "year", "era")


def _input_columns(days, input):
    """The input as (names, arrays, arrays to read): one column, or four for
    ``mdy``. NumPy dates (datetime64, a pandas date column) are read as the
    ISO dates they are, NaT as a missing value."""
    if input != "mdy":
        array = _np.asarray(days)
        if array.ndim == 0:
            raise TypeError("expected a column of days (a list, array or Series), not one day")
        read = array
        if array.dtype.kind == "M":
            read = _np.datetime_as_string(array, unit="D").astype(object)
            read[_np.isnat(array)] = None
        return ("input",), [array], [read]
    if hasattr(days, "columns"):  # a DataFrame: its first four columns
        days = [days[c] for c in list(days.columns)[:4]]
    elif isinstance(days, _np.ndarray) and days.ndim == 2:
        days = list(days.T)
    if len(days) != 4:
        raise ValueError("input: mdy takes four columns: month, day, year and era")
    columns = [_np.asarray(c) for c in days]
    return _MDY, columns, columns


def _values(days, input, julian, correlation, spelling, year_bearer, columns, coded=False):
    names, given, read = _input_columns(days, input)
    values = _zentolk.almanac_columns(read, input, julian, correlation, spelling, year_bearer,
                                      columns, coded)
    out = dict(zip(names, given))
    out.update(values)
    return out


def almanac(days, *, input="iso", julian=False, correlation=None, spelling="colonial",
            year_bearer="classic", columns=None):
    """The almanac of every day in ``days``, as a dict of NumPy arrays.

    days
        A column of days: a list, NumPy array or pandas Series of texts (str,
        bytes, fixed-width or object arrays), of dates (datetime64, read as
        ISO dates) or, for ``input="jdn"``, integers. None, NaN, NaT and
        pandas' NA are missing values: error rows. For ``input="mdy"`` four such columns (month, day, year,
        era), as a list, an (n, 4) array or a DataFrame's first four columns.
    input
        What a day is: ``"iso"`` a date YYYY-MM-DD (astronomical year of four
        or more digits, a sign before year 0: ``-3113-08-11``), ``"jdn"`` a
        Julian Day Number, ``"long-count"`` a Long Count or full date
        (``9.12.11.5.18 6 Edznab 11 Yax``), ``"mdy"`` month, day, year and
        era (index 0/1 or A.D./B.C.) as the calculator reads its fields:
        a list of four columns, or an (n, 4) array of rows.
    julian
        Dates are read in the Julian calendar rather than the Gregorian.
    correlation
        The start day's Julian Day Number (-100,000,000 to 100,000,000) or a
        correlation's name: gmt, lounsbury, martinez, martin-skidmore,
        spinden, fuls. None (the default) is gmt, 584283.
    spelling
        ``"colonial"`` (Ahau, Cumku) or ``"modern"`` (Ajaw, Kumk'u).
    year_bearer
        ``"classic"``, ``"campeche"`` or ``"mayapan"``.
    columns
        The names of the value columns to make (as :func:`column_names`
        gives them), or None for all. Only those are computed; the input
        column(s), ``ok`` and ``error`` come in any case, and the columns
        keep the table's order.

    Returns the columns of ``zentolk-cli almanac --csv`` in its order: the
    input column(s) as given, ``ok`` (bool), ``error`` (str or None), then
    the almanac's values: numbers as int64 arrays (``jdn``, ``correlation``,
    ``day_count`` and the years, which a caller turns into seconds or
    yyyymmdd keys) or int32 arrays (the rest, cycle places and counts), texts
    as object arrays of str, each text that repeats (a name, a Calendar
    Round, a station) one shared str, ``long_count`` and ``inscribed`` a str
    per row. A row that cannot be read (a missing value, a malformed
    date, a day outside the years -1,000,000 to 1,000,000) has ``ok`` False,
    its message in ``error``, 0 in the number columns and None in the texts.
    Wrong arguments raise ValueError (TypeError for a wrong type).

    Speed: the calendar is a small part of a call; most of it is the new
    memory of the result, about 320 bytes a row for all columns, of which a
    str per row for ``long_count`` and ``inscribed`` is 64 each. On 10
    million dates all 37 columns take several times the CPU of
    ``zentolk-cli almanac --tsv``; a handful of columns (``columns=["jdn",
    "tzolkin_name", "haab_month", "calendar_round"]``) takes about as much
    or less, and the Long Count's places as numbers (``baktun`` ... ``kin``)
    cost far less than its text. Calls on parts of a large input (a million rows at a
    time, as a cluster's partitions are) reuse the memory the previous part
    freed and run faster.
    """
    return _values(days, input, julian, correlation, spelling, year_bearer, columns)


def column_names(input="iso"):
    """The names of :func:`almanac`'s columns, in order, for one kind of input."""
    names = ("input",) if input != "mdy" else _MDY
    return list(names) + ["ok", "error"] + _zentolk.column_names(input)


def almanac_frame(days, *, input="iso", julian=False, correlation=None, spelling="colonial",
                  year_bearer="classic", columns=None):
    """:func:`almanac` as a pandas DataFrame.

    Number columns are pandas' nullable Int64 (day numbers and years) or
    Int32 (the rest), missing (<NA>) in failed rows
    where the csv table leaves its cells empty. Texts that repeat (names,
    Calendar Rounds, stations) are categoricals of their str, categories in
    sorted order; ``long_count`` and ``inscribed`` are object columns of str;
    texts are missing in failed rows. A Series or DataFrame passed in gives
    its index to the result. Takes the keyword arguments of :func:`almanac`.
    """
    import pandas as pd

    cols = _values(days, input, julian, correlation, spelling, year_bearer, columns, coded=True)
    failed = ~cols["ok"]
    inputs = _MDY if input == "mdy" else ("input",)
    frame = {}
    for name, values in cols.items():
        if isinstance(values, tuple):
            values = pd.Categorical.from_codes(values[0], values[1])
        elif name in inputs:
            pass
        elif values.dtype.kind == "i":
            values = pd.arrays.IntegerArray(values, failed.copy())
        frame[name] = values
    index = days.index if isinstance(days, (pd.Series, pd.DataFrame)) else None
    return pd.DataFrame(frame, index=index, copy=False)


def _one(day, column, julian=False, correlation=None, spelling="colonial",
         year_bearer="classic"):
    jdn = _zentolk.day_number(day, julian, correlation, spelling)
    cols = _zentolk.almanac_columns([_np.array([jdn], dtype=_np.int64)], "jdn", julian,
                                    correlation, spelling, year_bearer, [column])
    if not cols["ok"][0]:
        raise ValueError(cols["error"][0])
    return cols[column][0]


def long_count(day, *, julian=False, correlation=None):
    """The Long Count of one day: a date ``"2024-06-15"``, a day number or a
    Long Count with its Calendar Round (checked). ``"13.0.11.11.14"``."""
    return _one(day, "long_count", julian, correlation)


def from_long_count(text, *, julian=False, correlation=None, spelling="colonial"):
    """The date of a Long Count (or full date), written YYYY-MM-DD:
    ``from_long_count("9.12.11.5.18")`` is ``"0683-08-29"``."""
    if not isinstance(text, str):
        raise TypeError("expected a Long Count as a str")
    jdn = _zentolk.day_number(text, julian, correlation, spelling)
    return _zentolk.iso_date(jdn, julian)


def distance(a, b, *, julian=False, correlation=None, spelling="colonial"):
    """The signed distance from day ``a`` to day ``b`` (each a date, a day
    number, a Long Count or full date): a dict with ``days``, ``distance``
    (all five places, ``"0.0.2.4.0"``) and ``inscribed`` (as inscriptions
    write it, ``"2.4.0"``)."""
    days = (_zentolk.day_number(b, julian, correlation, spelling)
            - _zentolk.day_number(a, julian, correlation, spelling))
    places, inscribed = _zentolk.distance_texts(days)
    return {"days": days, "distance": places, "inscribed": inscribed}


def match(pattern, *, start=None, stop=None, limit=1000, julian=False, correlation=None,
          spelling="colonial", year_bearer="classic"):
    """The days that fit a damaged date, as :func:`almanac`'s columns.

    ``pattern`` is a Long Count whose places may be ``*``, then a Tzolkin
    and Haab day whose parts may be ``*``: ``"9.*.*.0.0 * Ahau 8 *"``.
    ``start`` and ``stop`` are Long Counts (0.0.0.0.0 and 13.0.0.0.0 by
    default). At most ``limit`` days are returned, in order; a warning says
    when more fit.
    """
    jdns, total, span = _zentolk.match_days(pattern, start, stop, limit, correlation, julian,
                                            spelling)
    if total > limit:
        warnings.warn(f"{total:,} days from {span} fit {pattern.strip()!r}; "
                      f"the first {limit:,} are returned (see limit)", stacklevel=2)
    return almanac(jdns, input="jdn", julian=julian, correlation=correlation,
                   spelling=spelling, year_bearer=year_bearer)


def readings(month, day, year, era, *, decimal_separator="."):
    """The calculator's ten readings for columns of month, day, year and era
    (0 or A.D., 1 or B.C.), read as its fields read them ("$A" is 10, a day
    past the month's end runs on): a dict of the four inputs, ``ok``,
    ``error`` and the ten texts named as ``zentolk-cli --tsv --header``
    names them (``great_cycle`` ... ``week_day``), None in a failed row.
    """
    columns = [_np.asarray(c) for c in (month, day, year, era)]
    out = dict(zip(_MDY, columns))
    out.update(_zentolk.readings(columns, decimal_separator))
    return out


def reading(month, day, year, era=0, *, decimal_separator="."):
    """The calculator's ten readings of one date, as a dict of texts:
    ``reading(6, 15, 2024)["long_count"]`` is ``"0.0.11.11.14"``. A date
    that cannot be read raises ValueError with the calculator's message."""
    out = _zentolk.readings([_np.array([str(v)], dtype=object) for v in (month, day, year, era)],
                            decimal_separator)
    if not out["ok"][0]:
        raise ValueError(out["error"][0])
    return {name: values[0] for name, values in out.items() if name not in ("ok", "error")}


def _register_accessor():
    try:
        import pandas as pd
    except ImportError:
        return

    @pd.api.extensions.register_series_accessor("zentolk")
    class ZentolkAccessor:
        """``series.zentolk.almanac(...)`` and ``series.zentolk.long_count(...)``:
        the almanac of a Series of days, with the Series' index."""

        def __init__(self, series):
            self._series = series

        def almanac(self, **options):
            """:func:`zentolk.almanac_frame` of this Series."""
            return almanac_frame(self._series, **options)

        def column(self, name, **options):
            """One column of the almanac as a Series (ints nullable)."""
            return self.almanac(**options)[name]

        def long_count(self, **options):
            """The Long Count of every day, None where it cannot be read."""
            return self.column("long_count", **options)


_register_accessor()
