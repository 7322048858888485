// Finding things in a help window: the Index and Search tabs driven by keys,
// the page text the search reads, and where a new help window is placed.
#include "FakeOs.h"
#include "Unhurried.h"
#include "ui/Colours.h"
#include "ui/SideWindow.h"
#include "viewer/ChmFile.h"
#include "viewer/DecoderProcess.h"
#include "viewer/HelpBrowser.h"
#include "viewer/HelpWindow.h"
#include "viewer/PageSearch.h"
#include "viewer/PageText.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

using namespace zentolk::viewer;
using zentolk::testing::FakeOs;
using zentolk::testing::WaitActive;

namespace {
const QString Fixture = QStringLiteral(ZENTOLK_FIXTURE_CHM);
const QString RealHelp = QStringLiteral(ZENTOLK_HELP_CHM);
const QString SpanishHelp = QStringLiteral(ZENTOLK_HELP_ES_CHM);

HelpWindow* ShowActive(const QString& file) {
    auto* window = qobject_cast<HelpWindow*>(HtmlHelp(file, DisplayTopic, 0));
    if (window != nullptr) {
        window->activateWindow();
        if (!WaitActive(window))
            return nullptr;
    }
    return window;
}

// QTest types ASCII only: other letters come as an input method commits them.
void Type(QLineEdit* field, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else
            field->insert(QString(c));
    }
}

QStringList Shown(QListWidget* list) {
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        if (!list->item(row)->isHidden())
            names << list->item(row)->text().trimmed();
    return names;
}
} // namespace

class FindingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeOs> fake;

private slots:
    void init() {
        fake = std::make_unique<FakeOs>();
        SetDataFolders({});
        // A clock that stands still: no request runs out of time however
        // loaded the machine is.
        DecoderProcess::SetClock([] { return 0LL; });
    }

    void cleanup() {
        DecoderProcess::SetClock(nullptr);
        QCOMPARE(HtmlHelp({}, CloseAll, 0), nullptr);
        fake.reset();
    }

    // Typing narrows the index; Enter in the field opens the chosen entry.
    // The Spanish index is in Spanish alphabetical order, accents and all.
    void theIndexFindsAsYouType_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("keys"); // pressed after typing
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("page");
        QTest::newRow("inside an entry")
            << RealHelp << "harmonic" << QStringList() << "Cycle Harmonic"
            << "/harmonic.htm";
        QTest::newRow("start preferred") << RealHelp << "HARM" << QStringList() << "Cycle Harmonic"
                                         << "/harmonic.htm";
        QTest::newRow("down to the next")
            << RealHelp << "harmonic" << QStringList{"Down"} << "none (Cycle Harmonic)"
            << "/harmonic.htm";
        QTest::newRow("start of a later entry")
            << RealHelp << "julian" << QStringList() << "Julian calendar"
            << "/almanac.htm";
        QTest::newRow("the command line")
            << RealHelp << "zentolk-cli" << QStringList() << "zentolk-cli"
            << "/commandline.htm";
        QTest::newRow("nothing holds it") << RealHelp << "qqqq" << QStringList() << ""
                                          << "/index.htm";
        QTest::newRow("es: accented, any case")
            << SpanishHelp << "ARMÓNICO" << QStringList() << "armónico del ciclo"
            << "/harmonic.htm";
        QTest::newRow("es: down to the next")
            << SpanishHelp << "armónico" << QStringList{"Down"} << "ninguno (armónico del ciclo)"
            << "/harmonic.htm";
        QTest::newRow("es: in Spanish order")
            << SpanishHelp << "año" << QStringList{"Down", "Down"} << "años astronómicos"
            << "/calendar.htm";
        QTest::newRow("es: inside an entry")
            << SpanishHelp << "juliano" << QStringList() << "calendario juliano"
            << "/almanac.htm";
        QTest::newRow("es: typed without accents")
            << SpanishHelp << "armonico" << QStringList() << "armónico del ciclo"
            << "/harmonic.htm";
    }
    void theIndexFindsAsYouType() {
        QFETCH(QString, file);
        QFETCH(QString, typed);
        QFETCH(QStringList, keys);
        QFETCH(QString, chosen);
        QFETCH(QString, page);
        HelpWindow* window = ShowActive(file);
        QVERIFY(window);
        QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), window->IndexFilter());
        Type(window->IndexFilter(), typed);
        for (const QString& key : keys)
            QTest::keyClick(window->IndexFilter(), key == "Down" ? Qt::Key_Down : Qt::Key_Up);
        QListWidgetItem* current = window->IndexList()->currentItem();
        QCOMPARE(current ? current->text().trimmed() : QString(), chosen);
        for (const QString& name : Shown(window->IndexList()))
            QVERIFY2(PageSearch::Fold(name).contains(PageSearch::Fold(typed)), qPrintable(name));
        QTest::keyClick(window->IndexFilter(), Qt::Key_Return);
        QCOMPARE(window->Browser()->source().path(), page);
    }

    // Search reads the pages' bodies: "Uayeb" is on the almanac page only,
    // in neither its title nor the index.
    void searchFindsWordsOnThePages_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("titles");
        // False: the titles are among those found, in any order, with others.
        QTest::addColumn<bool>("exactly");
        QTest::newRow("a word of one body")
            << RealHelp << "uayeb" << QStringList{"The Almanac"} << true;
        QTest::newRow("any letter case, all words")
            << RealHelp << "  UAYEB   Haab " << QStringList{"The Almanac"} << true;
        QTest::newRow("words on different pages")
            << RealHelp << "uayeb diagnostics" << QStringList() << true;
        // "13 &times; 144,000 = 1,872,000 days" on the Great Cycle page.
        QTest::newRow("an entity decoded")
            << RealHelp << "1,872,000 days" << QStringList{"Welcome to Zentolk", "The Great Cycle"}
            << false;
        QTest::newRow("not in any page") << RealHelp << "xyzzy" << QStringList() << true;
        QTest::newRow("a tag's name is no word") << RealHelp << "href" << QStringList() << true;
        QTest::newRow("blank") << RealHelp << "   " << QStringList() << true;
        QTest::newRow("es: a word of one body")
            << SpanishHelp << "UAYEB haab" << QStringList{"El Almanaque"} << true;
        QTest::newRow("es: accented words")
            << SpanishHelp << "SEÑOR noche días" << QStringList{"El Almanaque", "Fechas completas"}
            << false;
        QTest::newRow("es: a book's title")
            << SpanishHelp << "relación de las cosas de yucatán"
            << QStringList{"La cuenta de 819 días", "Portadores del año"} << true;
        QTest::newRow("es: typed without accents")
            << SpanishHelp << "calendarica senores" << QStringList{"El Almanaque"} << false;
    }
    void searchFindsWordsOnThePages() {
        QFETCH(QString, file);
        QFETCH(QString, query);
        QFETCH(QStringList, titles);
        QFETCH(bool, exactly);
        HelpWindow* window = ShowActive(file);
        QVERIFY(window);
        window->Search(query);
        const QStringList found = Shown(window->SearchResults());
        if (exactly)
            QCOMPARE(found, titles);
        for (const QString& title : titles)
            QVERIFY2(found.contains(title), qPrintable(title));
    }

    // A word found with or without its accents is selected as the page writes it.
    void aFoundWordIsLocatedAsThePageWritesIt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");
        QTest::newRow("accents left out") << "La rueda calendárica"
                                          << "CALENDARICA"
                                          << "calendárica";
        QTest::newRow("a mark of its own") << "an\u0303o ano"
                                           << "ano"
                                           << "an\u0303o";
        QTest::newRow("outside the first plane") << "\U0001D400 año"
                                                 << "año"
                                                 << "año";
        QTest::newRow("not there") << "uayeb"
                                   << "haab"
                                   << "";
    }
    void aFoundWordIsLocatedAsThePageWritesIt() {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(QString, selected);
        const auto [start, end] = PageSearch::Locate(text, PageSearch::Fold(typed));
        QCOMPARE(start < 0 ? QString() : text.mid(start, end - start), selected);
    }

    // Alt+S, the words, Enter lists; Enter again opens the page with the
    // word selected. Alt+C and Alt+N switch back, the keys going along.
    void theTabsAreWorkedByKeys() {
        HelpWindow* window = ShowActive(RealHelp);
        QVERIFY(window);
        QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(window->Tabs()->currentIndex(), 2);
        QCOMPARE(QApplication::focusWidget(), window->SearchText());
        QTest::keyClicks(window->SearchText(), "uayeb");
        QTest::keyClick(window->SearchText(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), window->SearchResults());
        QTest::keyClick(window->SearchResults(), Qt::Key_Return);
        QCOMPARE(window->Browser()->source().path(), QStringLiteral("/almanac.htm"));
        QCOMPARE(window->Browser()->textCursor().selectedText(), QStringLiteral("Uayeb"));

        QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
        QCOMPARE(window->Tabs()->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), window->Contents());
        QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(window->Tabs()->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), window->IndexFilter());
        // The tab already shown takes the keys as well.
        window->Browser()->setFocus();
        QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), window->IndexFilter());
    }

    // On a palette that pairs the selection or the disabled captions badly,
    // the help window reads well all the same; the page shows its focus.
    void theHelpWindowReadsWellAndShowsItsFocus() {
        const QPalette before = QApplication::palette();
        QPalette bad = before;
        bad.setColor(QPalette::HighlightedText, bad.color(QPalette::Highlight).lighter(120));
        for (const auto role : {QPalette::Window, QPalette::Button})
            bad.setColor(role, QColor("#353535"));
        bad.setColor(QPalette::ButtonText, QColor("#e0e0e0"));
        bad.setColor(QPalette::Disabled, QPalette::ButtonText, QColor("#606060"));
        QApplication::setPalette(bad);
        HelpWindow* window = ShowActive(RealHelp);
        QVERIFY(window);
        const QPalette p = window->palette();
        QVERIFY(zentolk::ContrastRatio(p.color(QPalette::Highlight),
                                       p.color(QPalette::HighlightedText)) >= 4.5);
        const QColor disabled = p.color(QPalette::Disabled, QPalette::ButtonText);
        QVERIFY(zentolk::ContrastRatio(disabled, p.color(QPalette::Window)) >= 4.5);
        QVERIFY(disabled != p.color(QPalette::Active, QPalette::ButtonText));
        window->Browser()->setFocus();
        QCOMPARE(window->Browser()->frameShape(), QFrame::Box);
        window->Contents()->setFocus();
        QCOMPARE(window->Browser()->frameShape(), QFrame::StyledPanel);
        QApplication::setPalette(before);
    }

    // A file without an index offers no Index tab; its search still works.
    void aFileWithoutAnIndexHasNoIndexTab() {
        HelpWindow* window = ShowActive(Fixture);
        QVERIFY(window);
        QStringList tabs;
        for (int i = 0; i < window->Tabs()->count(); ++i)
            tabs << window->Tabs()->tabText(i);
        QCOMPARE(tabs, (QStringList{"&Contents", "&Search"}));
        window->Search(QStringLiteral("fixture START"));
        QCOMPARE(Shown(window->SearchResults()), QStringList{"Intro"});
        const auto file = ChmFile::Open(Fixture);
        QVERIFY(file);
        QStringList pages = file->Pages();
        pages.sort(Qt::CaseInsensitive);
        QCOMPARE(pages, (QStringList{"/intro.htm", "/second.htm", "/sub/third.htm"}));
    }

    void pageTextIsWhatThePageShows_data() {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QByteArray("<html><head><title> A  page </title></head>"
                                             "<body><h1>Head</h1><p>One<br>two</p></body>")
                               << "A page"
                               << "Head One two";
        QTest::newRow("scripts, styles, comments")
            << QByteArray("<style>p{x:1}</style><SCRIPT>var a='<p>';</script>"
                          "<!-- hidden <p> -->seen")
            << ""
            << "seen";
        QTest::newRow("entities and quoted >")
            << QByteArray("<a title=\"a > b\">R&amp;D &lt;x&gt; &#65;&#x42;</a>") << ""
            << "R&D <x> AB";
        QTest::newRow("unclosed tag") << QByteArray("text <a href=\"x") << ""
                                      << "text";
        QTest::newRow("unclosed comment") << QByteArray("one <!-- two") << ""
                                          << "one";
        QTest::newRow("unclosed script") << QByteArray("one <script> two") << ""
                                         << "one";
        QTest::newRow("latin-1") << QByteArray("<p>caf\xe9</p>") << ""
                                 << "caf\u00e9";
    }
    void pageTextIsWhatThePageShows() {
        QFETCH(QByteArray, html);
        QFETCH(QString, title);
        QFETCH(QString, text);
        const PageText page = ExtractPageText(html);
        QCOMPARE(page.title, title);
        QCOMPARE(page.text, text);
    }

    // Pages built to make a scanner go back and forth are read in one pass.
    void hostilePagesAreReadOnce() {
        for (const QByteArray& unit : {QByteArray("<a x=\""), QByteArray("<!--"),
                                       QByteArray("<script>"), QByteArray("<"), QByteArray("&")}) {
            const PageText page = ExtractPageText(unit.repeated(LongestPage / unit.size() + 10));
            QVERIFY(page.text.size() <= LongestPage);
        }
    }

    // Whatever the screen and the anchor's place, a placed window lies on
    // the screen, no larger than wanted and no smaller than asked where the
    // screen allows; it covers the anchor (moved aside if need be) only on
    // a screen too narrow for both, and the anchor moves only then.
    void aNewWindowCoversTheAskingOneOnlyWhenTheScreenCannotAvoidIt() {
        const QSize anchorSize(450, 560);
        const QSize smallest(420, 360);
        int moved = 0, covered = 0;
        for (const QRect screen : {QRect(0, 0, 1024, 768), QRect(0, 0, 1280, 1024),
                                   QRect(0, 30, 800, 570), QRect(1920, 0, 1024, 738)}) {
            for (const QSize wanted :
                 {QSize(300, 200), QSize(560, 500), QSize(880, 640), QSize(900, 1100)}) {
                for (int x = -100; x <= screen.width(); x += 50) {
                    for (int y = -50; y <= screen.height(); y += 50) {
                        const QRect anchor(screen.topLeft() + QPoint(x, y), anchorSize);
                        const zentolk::Arrangement placed =
                            zentolk::ArrangeBeside(anchor, wanted, smallest, screen);
                        const QRect at = placed.window;
                        const QSize least = smallest.boundedTo(wanted).boundedTo(screen.size());
                        QVERIFY(screen.contains(at));
                        QVERIFY(at.width() <= wanted.width() && at.height() <= wanted.height());
                        QVERIFY(at.width() >= least.width() && at.height() >= least.height());
                        const bool roomForBoth =
                            screen.width() - anchorSize.width() - 8 >= least.width();
                        if (placed.anchor != anchor) {
                            ++moved;
                            QCOMPARE(placed.anchor.size(), anchor.size());
                            QCOMPARE(placed.anchor.top(), anchor.top());
                            QVERIFY(screen.left() <= placed.anchor.left() &&
                                    placed.anchor.right() <= screen.right());
                        }
                        if (at.intersects(placed.anchor)) {
                            ++covered;
                            QVERIFY(!roomForBoth);
                            QCOMPARE(placed.anchor, anchor);
                        }
                    }
                }
            }
        }
        QVERIFY(moved > 100);
        QVERIFY(covered > 100);
    }

    // Asked from a window that stands beside its owner (the Almanac beside
    // the calculator), a new window lies on the screen, moves neither, and
    // covers the owner only when no side of the owner leaves it room.
    void aWindowAskedFromAPairNeverCoversTheOwnerWhileRoomExists() {
        const QSize ownerSize(450, 560), askingSize(560, 600), smallest(420, 360);
        int overAsking = 0;
        for (const QRect screen : {QRect(0, 0, 1024, 768), QRect(0, 0, 1366, 768),
                                   QRect(0, 0, 683, 384), QRect(0, 30, 800, 570)}) {
            for (int x = -50; x <= screen.width(); x += 25) {
                const QRect owner(screen.topLeft() + QPoint(x, 40), ownerSize);
                const QRect asking =
                    zentolk::ArrangeBeside(owner, askingSize, smallest, screen).window;
                const QRect at =
                    zentolk::ArrangeBesidePair(owner, asking, QSize(880, 640), smallest, screen);
                QVERIFY(screen.contains(at));
                const int free =
                    std::max(screen.right() - owner.right(), owner.left() - screen.left()) - 8;
                if (free >= smallest.width())
                    QVERIFY2(!at.intersects(owner), qPrintable(QString::number(x)));
                overAsking += at.intersects(asking) ? 1 : 0;
            }
        }
        QVERIFY(overAsking > 20);
    }

    void placesByTheRoomOnEachSide_data() {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<QRect>("anchorMovedTo");
        QTest::newRow("left edge: to the right")
            << QRect(0, 100, 300, 200) << QRect(308, 100, 716, 640) << QRect(0, 100, 300, 200);
        QTest::newRow("right edge: to the left")
            << QRect(700, 50, 324, 200) << QRect(0, 50, 692, 640) << QRect(700, 50, 324, 200);
        QTest::newRow("level with it where the screen allows")
            << QRect(0, 600, 300, 100) << QRect(308, 128, 716, 640) << QRect(0, 600, 300, 100);
        QTest::newRow("centred, wide: below")
            << QRect(200, 0, 624, 200) << QRect(144, 208, 880, 560) << QRect(200, 0, 624, 200);
        QTest::newRow("centred, tall: the anchor moves left just enough")
            << QRect(287, 100, 450, 600) << QRect(458, 100, 566, 640) << QRect(0, 100, 450, 600);
        QTest::newRow("slightly right of centre: the anchor moves right")
            << QRect(300, 100, 450, 600) << QRect(0, 100, 566, 640) << QRect(574, 100, 450, 600);
        QTest::newRow("no room for both: over it, from the right")
            << QRect(100, 100, 824, 568) << QRect(144, 100, 880, 640) << QRect(100, 100, 824, 568);
    }
    void placesByTheRoomOnEachSide() {
        QFETCH(QRect, anchor);
        QFETCH(QRect, expected);
        QFETCH(QRect, anchorMovedTo);
        const zentolk::Arrangement placed = zentolk::ArrangeBeside(
            anchor, QSize(880, 640), QSize(420, 360), QRect(0, 0, 1024, 768));
        QCOMPARE(placed.window, expected);
        QCOMPARE(placed.anchor, anchorMovedTo);
    }

    // Asked from a window on the left, the help opens to its right.
    void theHelpWindowOpensBesideTheAskingWindow() {
        QWidget asking;
        asking.setGeometry(20, 40, 320, 240);
        asking.show();
        asking.activateWindow();
        QVERIFY(WaitActive(&asking));
        auto* window = qobject_cast<HelpWindow*>(HtmlHelp(RealHelp, DisplayTopic, 0));
        QVERIFY(window);
        QVERIFY(!window->frameGeometry().intersects(asking.frameGeometry()));
        QVERIFY(window->frameGeometry().left() > asking.frameGeometry().right());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    FindingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FindingTest.moc"
