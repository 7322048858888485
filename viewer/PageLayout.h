#pragma once

#include <QString>
#include <QStringView>
#include <functional>

namespace zentolk::viewer {

// The text layout a page view does costs more than linear time in the
// nesting of elements, in the length of a run of text without a place to
// break it, and for tables in their text times two to the power of their
// nesting. A page is bounded in all three before it
// is laid out, so that whatever a help file holds, showing a page takes time
// in proportion to its size.

// Pages of more bytes than this are not shown at all: within the layout
// budget below, the largest takes about half a second of CPU time to lay out.
inline constexpr qsizetype LargestShownPage = 2 * 1024 * 1024;
// Deeper elements lose their tags; their text stays.
inline constexpr int MostNestedElements = 40;
inline constexpr int MostNestedTables = 4;
// Past this many characters or cells in tables, the tables end and no more
// are laid out as tables.
inline constexpr qsizetype MostTableText = 64 * 1024;
inline constexpr int MostTableCells = 5000;
// List items beyond this many run on as text.
inline constexpr int MostListItems = 5000;
// Tags beyond this many are dropped, and line ends beyond it become blanks.
inline constexpr int MostTags = 20000;
// A run of text longer than this without a blank gets an invisible break.
inline constexpr int LongestUnbrokenRun = 64;
// A paragraph is laid out whole before the view shows any of it: past this
// many characters, its next blank ends it and another begins.
inline constexpr qsizetype LongestParagraph = 32 * 1024;

// Style rules in a page's own sheets, and in each sheet it links (of which
// it may link this many); a sheet past the bound is left out.
inline constexpr qsizetype MostStyleRules = 100;
inline constexpr int MostStyleSheets = 4;
// The rules of a style sheet, as they count towards the bound.
qsizetype StyleRules(QStringView sheet);

// Whether the image a page names (its "src", as written) is to be shown.
using ImageCheck = std::function<bool(const QString& source)>;

// What laying a page out costs, in the time a character of plain text takes:
// text in tables is laid out again at every level of them, and list items
// and cells cost more the more there are (up to the bounds above). A page
// past the budget, which takes about half a second, is not laid out as it is.
inline constexpr qint64 ListItemCost = 280;
inline constexpr qint64 CellCost = 100;
inline constexpr qint64 MostLayoutCost = 2'500'000;

// The page as it is laid out: the same text in the same elements, where the
// bounds above are kept; in time proportional to its length. An image that
// `imageShown` refuses is its alternative text. `cost` gets what laying it
// out will cost.
QString BoundedForLayout(QStringView html, const ImageCheck& imageShown = {},
                         qint64* cost = nullptr);

// The page bounded for layout, or, when even that costs more than the
// budget, its text alone in one wrapped paragraph: decided before any of it
// is laid out.
QString PageForLayout(QStringView html, const ImageCheck& imageShown = {});

} // namespace zentolk::viewer
