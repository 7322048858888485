from typing import Any, Literal, Mapping, Sequence, TypedDict, Union

import numpy as np
import numpy.typing as npt

Input = Literal["iso", "jdn", "long-count", "mdy"]
Correlation = Union[int, str, None]
Day = Union[str, int]
INPUTS: tuple[str, ...]

def almanac(
    days: Any,
    *,
    input: Input = ...,
    julian: bool = ...,
    correlation: Correlation = ...,
    spelling: Literal["colonial", "modern"] = ...,
    year_bearer: Literal["classic", "campeche", "mayapan"] = ...,
    columns: Sequence[str] | None = ...,
) -> dict[str, npt.NDArray[Any]]: ...
def almanac_frame(
    days: Any,
    *,
    input: Input = ...,
    julian: bool = ...,
    correlation: Correlation = ...,
    spelling: Literal["colonial", "modern"] = ...,
    year_bearer: Literal["classic", "campeche", "mayapan"] = ...,
    columns: Sequence[str] | None = ...,
) -> Any: ...  # pandas.DataFrame
def column_names(input: Input = ...) -> list[str]: ...
def long_count(day: Day, *, julian: bool = ..., correlation: Correlation = ...) -> str: ...
def from_long_count(
    text: str, *, julian: bool = ..., correlation: Correlation = ..., spelling: str = ...
) -> str: ...

class Distance(TypedDict):
    days: int
    distance: str
    inscribed: str

def distance(
    a: Day, b: Day, *, julian: bool = ..., correlation: Correlation = ..., spelling: str = ...
) -> Distance: ...
def match(
    pattern: str,
    *,
    start: str | None = ...,
    stop: str | None = ...,
    limit: int = ...,
    julian: bool = ...,
    correlation: Correlation = ...,
    spelling: str = ...,
    year_bearer: str = ...,
) -> dict[str, npt.NDArray[Any]]: ...
def readings(
    month: Any, day: Any, year: Any, era: Any, *, decimal_separator: str = ...
) -> dict[str, npt.NDArray[Any]]: ...
def reading(
    month: int | str, day: int | str, year: int | str, era: int | str = ..., *,
    decimal_separator: str = ...
) -> dict[str, str]: ...
