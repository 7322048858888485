#include "viewer/PageLayout.h"

#include "viewer/PageText.h"
#include "viewer/Sitemap.h"

#include <QHash>
#include <algorithm>
#include <initializer_list>
#include <vector>

namespace zentolk::viewer {

namespace {

constexpr QChar ZeroWidthSpace(0x200B);
constexpr qsizetype LongestEntity = 10;
constexpr qsizetype LongestTag = 4096;

bool OneOf(const QString& name, std::initializer_list<const char16_t*> names) {
    return std::any_of(names.begin(), names.end(),
                       [&name](const char16_t* candidate) { return name == candidate; });
}

bool IsVoid(const QString& name) {
    return OneOf(name, {u"br", u"img", u"hr", u"meta", u"link", u"input", u"area", u"base", u"col",
                        u"param", u"wbr", u"embed", u"source", u"track", u"basefont", u"frame",
                        u"isindex", u"spacer"});
}

bool IsTablePart(const QString& name) {
    return OneOf(
        name, {u"tr", u"td", u"th", u"thead", u"tbody", u"tfoot", u"caption", u"colgroup", u"col"});
}

// Elements that begin and end paragraphs of the layout.
bool IsBlock(const QString& name) {
    return OneOf(name, {u"p",  u"div",    u"br",         u"li",    u"dt", u"dd", u"tr",
                        u"td", u"th",     u"h1",         u"h2",    u"h3", u"h4", u"h5",
                        u"h6", u"pre",    u"blockquote", u"table", u"ul", u"ol", u"dl",
                        u"hr", u"center", u"caption",    u"body"});
}

// Elements whose content is not text to lay out.
bool IsRaw(const QString& name) {
    return OneOf(name, {u"script", u"style"});
}

// The parser closes an open element of a group when a new one of the group
// starts, unless one of the group's containers lies between them.
struct ImpliedClose {
    std::initializer_list<const char16_t*> starts;
    std::initializer_list<const char16_t*> closes;
    std::initializer_list<const char16_t*> containers;
};

const ImpliedClose* ImpliedCloseFor(const QString& name) {
    static const ImpliedClose rules[] = {
        {{u"li"}, {u"li"}, {u"ul", u"ol", u"menu", u"dir"}},
        {{u"dt", u"dd"}, {u"dt", u"dd"}, {u"dl"}},
        {{u"td", u"th"}, {u"td", u"th"}, {u"tr", u"table"}},
        {{u"tr"}, {u"tr"}, {u"table"}},
        {{u"option"}, {u"option"}, {u"select"}},
        {{u"p"},
         {u"p"},
         {u"div", u"table", u"td", u"th", u"li", u"blockquote", u"ul", u"ol", u"dl", u"body"}},
    };
    for (const ImpliedClose& rule : rules)
        if (OneOf(name, rule.starts))
            return &rule;
    return nullptr;
}

// How many '{' lie before a place on the page, for places that only move on.
struct Tally {
    qsizetype at = 0;
    qsizetype count = 0;

    qsizetype Before(QStringView text, qsizetype place) {
        for (; at < place; ++at)
            count += text[at] == u'{' ? 1 : 0;
        return count;
    }
};

class Bounder {
public:
    Bounder(QStringView html, const ImageCheck& imageShown) : html_(html), imageShown_(imageShown) {
        out_.reserve(html.size() + html.size() / 16);
    }

    QString Run(qint64* cost) {
        qsizetype at = 0;
        while (at < html_.size()) {
            const QChar c = html_[at];
            if (c == u'<' && at + 1 < html_.size() &&
                (html_[at + 1].isLetter() || html_[at + 1] == u'/' || html_[at + 1] == u'!'))
                at = Tag(at);
            else
                at = Text(at);
        }
        if (cost != nullptr)
            *cost = cost_ + ListItemCost * std::min(listItems_, MostListItems) +
                    CellCost * std::min(cells_, MostTableCells);
        return std::move(out_);
    }

private:
    qsizetype Text(qsizetype at) {
        // An entity is one character of the run and is never split.
        qsizetype end = at + 1;
        if (html_[at] == u'&') {
            const qsizetype semicolon = html_.mid(at, LongestEntity).indexOf(u';');
            if (semicolon > 0)
                end = at + semicolon + 1;
        }
        Put(html_.mid(at, end - at));
        return end;
    }

    // One character or entity of text, as it is laid out.
    void Put(QStringView unit) {
        const QChar c = unit.front();
        cost_ += qint64(1) << tables_;
        ++blockText_;
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f') {
            run_ = 0;
            // A paragraph is laid out whole before any of it is shown: a long
            // one is parted at a blank, which the view barely shows.
            if (blockText_ > LongestParagraph && titles_ == 0) {
                out_ += QChar(QChar::ParagraphSeparator);
                blockText_ = 0;
                return;
            }
            // Preformatted text makes a line of each: past the bound, a blank.
            out_ += c == u'\n' && ++tags_ > MostTags ? QChar(u' ') : c;
            return;
        }
        // Text in tables is laid out again at every level of them.
        if (tables_ > 0 && ++tableText_ > MostTableText)
            LeaveTables();
        if (++run_ > LongestUnbrokenRun) {
            out_ += blockText_ > LongestParagraph && titles_ == 0 ? QChar(QChar::ParagraphSeparator)
                                                                  : ZeroWidthSpace;
            blockText_ = out_.back() == ZeroWidthSpace ? blockText_ + 1 : 0;
            run_ = 1;
        }
        // A control character is damage, and the layout reads NUL as the end.
        if (c.category() == QChar::Other_Control)
            out_ += QChar(QChar::ReplacementCharacter);
        else if (c == u'<') // one that starts no tag, and stays text
            out_ += QStringLiteral("&lt;");
        else
            out_ += unit;
    }

    // Whether the image is refused, and its alternative text put instead.
    bool AltInstead(qsizetype at, qsizetype end) {
        const QString text = html_.mid(at + 1, end - at - 1).toString();
        qsizetype read = 0;
        const HtmlTag tag = ReadHtmlTag(text, read);
        if (imageShown_(tag.attributes.value(QStringLiteral("src"))))
            return false;
        Put(u" ");
        for (const QChar c : tag.attributes.value(QStringLiteral("alt")))
            Put(c == u'&' ? QStringView(u"&amp;") : QStringView(&c, 1));
        Put(u" ");
        return true;
    }

    qsizetype Tag(qsizetype at) {
        if (html_.mid(at + 1, 3) == u"!--") {
            const qsizetype close = html_.indexOf(u"-->", at + 4);
            return close < 0 ? html_.size() : close + 3;
        }
        // A tag read alike by every parser holds no '<' and ends at the first
        // '>': what is too long for a tag, not closed, or not plain is laid
        // out as text. Only the first '>' and '<' ahead are looked for, and
        // each is found once for all the tags before it, so that a page of
        // tags that never close costs no more than its length.
        const qsizetype close = NextOf(u'>', nextClose_, at + 1);
        const qsizetype end = close + 1;
        if (close == html_.size() || NextOf(u'<', nextOpen_, at + 1) < close ||
            end - at > LongestTag || !Plain(at + 1, close)) {
            Text(at);
            return at + 1;
        }
        QString name = HtmlTagName(html_, at + 1);
        const bool closing = name.startsWith(u'/');
        if (closing)
            name.remove(0, 1);
        if (name.isEmpty() || html_[at + 1] == u'!') {
            if (++tags_ <= MostTags)
                CopyTag(at, end);
            return end;
        }
        const bool tablePart = name == u"table" || IsTablePart(name);
        if (tablePart && tablesOver_) {
            out_ += u' ';
            return end;
        }
        if (closing) {
            // The end of an element left out is left out too.
            if (int& left = dropped_[name]; left > 0) {
                --left;
            } else {
                Close(name);
                blockText_ = IsBlock(name) ? 0 : blockText_;
            }
            return end;
        }
        // Inside a table left out, so are its rows and cells; their text
        // stays apart.
        if (dropped_.value(QStringLiteral("table")) > 0 && IsTablePart(name)) {
            out_ += u' ';
            return end;
        }
        // Numbering list items and sizing cells costs more with each one.
        if (name == u"li" && ++listItems_ > MostListItems) {
            out_ += u' ';
            return end;
        }
        if ((name == u"td" || name == u"th") && tables_ > 0 && ++cells_ > MostTableCells) {
            LeaveTables();
            out_ += u' ';
            return end;
        }
        if (!IsVoid(name))
            CloseImplied(name);
        // Rows and cells out of place make the layout start tables of its own.
        if (IsTablePart(name) && !InPlace(name)) {
            out_ += u' ';
            return end;
        }
        // Every rule of a style sheet is tried on every element.
        if (name == u"style" && !StyleFits(end, RawEnd(name, end)))
            return SkipRaw(name, end);
        if (name == u"link" && ++links_ > MostStyleSheets)
            return end;
        if (name == u"img" && imageShown_ && AltInstead(at, end))
            return end;
        const bool table = name == u"table";
        const bool fits =
            ++tags_ <= MostTags && (IsVoid(name) || (int(open_.size()) < MostNestedElements &&
                                                     (!table || tables_ < MostNestedTables)));
        if (!fits) {
            if (IsRaw(name))
                return SkipRaw(name, end);
            if (!IsVoid(name))
                ++dropped_[name];
            return end;
        }
        CopyTag(at, end);
        blockText_ = IsBlock(name) ? 0 : blockText_;
        if (IsVoid(name) || html_.mid(at, end - at).endsWith(u"/>"))
            return end;
        open_.push_back(name);
        tables_ += table ? 1 : 0;
        titles_ += name == u"title" ? 1 : 0;
        return IsRaw(name) ? CopyRaw(name, end) : end;
    }

    // Where `what` next stands at or after `from` (the page's end when
    // nowhere), kept in `next` for the calls after.
    template <class Text>
    qsizetype NextOf(Text what, qsizetype& next, qsizetype from,
                     Qt::CaseSensitivity sensitivity = Qt::CaseSensitive) const {
        if (next < from) {
            next = html_.indexOf(what, from, sensitivity);
            if (next < 0)
                next = html_.size();
        }
        return next;
    }

    // Whether a tag's inside has quotes only around values ('=' just before
    // the opening one), each closed, and no '<' or '>' but its own end: where
    // parsers differ on anything else, one may read as text what the other
    // took for a tag.
    bool Plain(qsizetype from, qsizetype to) const {
        QChar quote;
        for (qsizetype i = from; i < to; ++i) {
            const QChar c = html_[i];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
                else if (c == u'<' || c == u'>')
                    return false;
            } else if (c == u'"' || c == u'\'') {
                if (html_[i - 1] != u'=')
                    return false;
                quote = c;
            } else if (c == u'<') {
                return false;
            }
        }
        return quote.isNull();
    }

    // The layout reads NUL as the end: control characters in a tag, a script
    // or a style become blanks.
    void CopyTag(qsizetype at, qsizetype end) {
        for (const QChar c : html_.mid(at, end - at))
            out_ += c.category() == QChar::Other_Control ? QChar(u' ') : c;
    }

    // A closing tag closes the latest element of its name and those inside
    // it; one that closes nothing open (or dropped) is left out.
    void Close(const QString& name) {
        const auto found = std::find(open_.rbegin(), open_.rend(), name);
        if (found == open_.rend())
            return;
        const std::size_t keep = std::size_t(open_.rend() - found) - 1;
        while (open_.size() > keep)
            Pop();
    }

    void CloseImplied(const QString& name) {
        const ImpliedClose* rule = ImpliedCloseFor(name);
        if (rule == nullptr)
            return;
        for (std::size_t i = open_.size(); i-- > 0;) {
            if (OneOf(open_[i], rule->closes)) {
                while (open_.size() > i)
                    Pop();
                return;
            }
            if (OneOf(open_[i], rule->containers))
                return;
        }
    }

    // Counted as StyleRules() does, without reading the page again for every
    // sheet: a page of "<style/>" has as many as its rest holds.
    bool StyleFits(qsizetype from, qsizetype to) {
        if (NextOf(QStringView(u"@import"), nextImport_, from, Qt::CaseInsensitive) < to)
            return false;
        styleRules_ += ruleStarts_.Before(html_, to) - ruleStartsFrom_.Before(html_, from);
        return styleRules_ <= MostStyleRules;
    }

    // Whether a row stands where a table holds it directly, or a cell where
    // a row does. A cell with no row open (before the first or after one's
    // end) makes the layout start a table that the table's end leaves open,
    // so that every later table nests in it.
    bool InPlace(const QString& name) const {
        const bool cell = name == u"td" || name == u"th";
        for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
            if (*it == u"table")
                return !cell;
            if (*it == u"tr")
                return cell;
            if (OneOf(*it, {u"td", u"th", u"caption"}))
                return false;
        }
        return false;
    }

    // Ends the tables open and lays out no more on this page.
    void LeaveTables() {
        while (tables_ > 0)
            Pop();
        tablesOver_ = true;
    }

    void Pop() {
        out_ += QStringLiteral("</") + open_.back() + u'>';
        tables_ -= open_.back() == u"table" ? 1 : 0;
        titles_ -= open_.back() == u"title" ? 1 : 0;
        open_.pop_back();
    }

    // A page of "<style/>" asks again and again.
    qsizetype RawEnd(const QString& name, qsizetype from) {
        const QString closing = QStringLiteral("</") + name;
        return NextOf(QStringView(closing), name == u"style" ? nextStyleEnd_ : nextScriptEnd_, from,
                      Qt::CaseInsensitive);
    }

    qsizetype CopyRaw(const QString& name, qsizetype from) {
        const qsizetype close = RawEnd(name, from);
        CopyTag(from, close);
        return close;
    }

    qsizetype SkipRaw(const QString& name, qsizetype from) {
        const qsizetype close = RawEnd(name, from);
        return close < html_.size() ? std::min(HtmlTagEnd(html_, close + 1) + 1, html_.size())
                                    : close;
    }

    QStringView html_;
    const ImageCheck& imageShown_;
    qsizetype nextClose_ = -1;
    qsizetype nextOpen_ = -1;
    qsizetype nextStyleEnd_ = -1;
    qsizetype nextScriptEnd_ = -1;
    qsizetype nextImport_ = -1;
    Tally ruleStarts_;
    Tally ruleStartsFrom_;
    QString out_;
    std::vector<QString> open_;
    QHash<QString, int> dropped_; // elements left out and not yet closed, by name
    int tables_ = 0;
    qsizetype tableText_ = 0;
    int cells_ = 0;
    int links_ = 0;
    qsizetype styleRules_ = 0;
    int listItems_ = 0;
    bool tablesOver_ = false; // no more tables on this page
    int tags_ = 0;
    int run_ = 0;
    qsizetype blockText_ = 0; // characters since the last paragraph began
    int titles_ = 0;
    qint64 cost_ = 0; // of the text, laid out again at every level of tables
};

} // namespace

qsizetype StyleRules(QStringView sheet) {
    // A sheet that loads others is never cheap to judge.
    return sheet.contains(u"@import", Qt::CaseInsensitive) ? MostStyleRules + 1 : sheet.count(u'{');
}

QString BoundedForLayout(QStringView html, const ImageCheck& imageShown, qint64* cost) {
    return Bounder(html, imageShown).Run(cost);
}

QString PageForLayout(QStringView html, const ImageCheck& imageShown) {
    qint64 cost = 0;
    QString bounded = BoundedForLayout(html, imageShown, &cost);
    if (cost <= MostLayoutCost)
        return bounded;
    // Its text alone costs no more than its characters.
    return BoundedForLayout(
        QStringLiteral("<p>%1</p>").arg(ExtractPageText(html).text.toHtmlEscaped()));
}

} // namespace zentolk::viewer
