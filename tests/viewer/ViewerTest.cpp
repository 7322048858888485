// The help viewer in-process: reading compiled help files, the three
// commands, and what a reader does in a help window. The fixture file is
// compiled from tests/viewer/fixture at build time.
#include "viewer/Viewer.h"

#include "FakeOs.h"
#include "Unhurried.h"
#include "viewer/ChmFile.h"
#include "viewer/DecoderProcess.h"
#include "viewer/HelpBrowser.h"
#include "viewer/HelpWindow.h"
#include "viewer/Location.h"
#include "viewer/Sitemap.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace zentolk::viewer;
using zentolk::testing::FakeOs;
using zentolk::testing::Unhurried;
using zentolk::testing::WaitActive;

Q_DECLARE_METATYPE(zentolk::viewer::HelpLocation)

namespace {
const QString Fixture = QStringLiteral(ZENTOLK_FIXTURE_CHM);
const QString RealHelp = QStringLiteral(ZENTOLK_HELP_CHM);
const QString SpanishHelp = QStringLiteral(ZENTOLK_HELP_ES_CHM);

// The decoders' clock, fake in every test: one that stands still, so that no
// request runs out of time however loaded the machine is, and one that runs
// a whole second each time it is read, for the child that never answers.
long long StoppedClock() {
    return 0;
}
long long RacingClock() {
    static long long now = 0;
    return now += 1000;
}

HelpWindow* Show(const QString& file, std::uint32_t command = DisplayTopic,
                 std::uintptr_t data = 0) {
    return qobject_cast<HelpWindow*>(HtmlHelp(file, command, data));
}

QString Page(HelpWindow* window) {
    return window->Browser()->toPlainText();
}

// Clicks the middle of a text shown on the page, as a reader would.
bool ClickText(QTextBrowser* browser, const QString& text) {
    const QTextCursor found = browser->document()->find(text);
    if (found.isNull())
        return false;
    QTextCursor middle(browser->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                      browser->cursorRect(middle).center());
    return true;
}

std::vector<std::pair<QString, int>> ContentsOf(QTreeWidget* tree) {
    std::vector<std::pair<QString, int>> lines;
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        int depth = 0;
        for (QTreeWidgetItem* up = (*it)->parent(); up != nullptr; up = up->parent())
            ++depth;
        lines.emplace_back((*it)->text(0), depth);
    }
    return lines;
}
} // namespace

class ViewerTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch;
    std::unique_ptr<FakeOs> fake;

    // A copy of the fixture under another name, cut after `keep` bytes when
    // `keep` is not negative.
    QString CopyOfFixture(const QString& name, qint64 keep = -1) {
        QFile source(Fixture);
        if (!source.open(QIODevice::ReadOnly))
            return {};
        QByteArray bytes = source.readAll();
        if (keep >= 0)
            bytes.truncate(keep);
        return WriteScratch(name, bytes);
    }

    QString WriteScratch(const QString& name, const QByteArray& bytes) {
        const QString path = scratch.filePath(name);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            return {};
        return path;
    }

private slots:
    void init() {
        fake = std::make_unique<FakeOs>();
        SetDataFolders({});
        DecoderProcess::SetClock(StoppedClock);
    }

    void cleanup() {
        DecoderProcess::SetClock(nullptr);
        QCOMPARE(HtmlHelp({}, CloseAll, 0), nullptr);
        QVERIFY(OpenWindows().empty());
        fake.reset();
    }

    // --- Reading the file ---------------------------------------------------

    void readsTheSystemRecord() {
        const auto file = ChmFile::Open(Fixture);
        QVERIFY(file);
        QCOMPARE(file->DefaultTopic(), QStringLiteral("/intro.htm"));
        QCOMPARE(file->Title(), QStringLiteral("Fixture Help"));
        QCOMPARE(file->ContentsFile(), QStringLiteral("/toc.hhc"));
        QVERIFY(file->Contains(QStringLiteral("/SUB/Third.htm")));
        QVERIFY(!file->Contains(QStringLiteral("/missing.htm")));
        const auto page = file->Read(QStringLiteral("/sub/third.htm"));
        QVERIFY(page && page->contains("Third page"));
    }

    // The compiler stores the page's whole build path; the viewer finds the
    // page inside the file from its tail.
    void mapsContextNumbers_data() {
        QTest::addColumn<uint>("context");
        QTest::addColumn<QString>("topic");
        QTest::newRow("mapped") << 20u << QStringLiteral("/second.htm");
        QTest::newRow("mapped in a folder") << 30u << QStringLiteral("/sub/third.htm");
        QTest::newRow("zero") << 0u << QString();
        QTest::newRow("between two") << 21u << QString();
        QTest::newRow("largest") << 0xFFFFFFFFu << QString();
    }
    void mapsContextNumbers() {
        QFETCH(uint, context);
        QFETCH(QString, topic);
        const auto file = ChmFile::Open(Fixture);
        QVERIFY(file);
        QCOMPARE(file->TopicForContext(context).value_or(QString()), topic);
    }

    void parsesSitemaps_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("entries"); // "depth name -> local"
        QTest::newRow("nested") << QByteArray("<UL><LI><OBJECT type=\"text/sitemap\">"
                                              "<param name=\"Name\" value=\"A\">"
                                              "<param name=\"Local\" value=\"a.htm\"></OBJECT>"
                                              "<UL><LI><object type='text/sitemap'>"
                                              "<PARAM NAME=name VALUE=B><param name=local "
                                              "value=\"b/b.htm\"></object></UL>"
                                              "<LI><object type=\"text/sitemap\">"
                                              "<param name=\"Name\" value=\"C\"></object></UL>")
                                << QStringList{"0 A -> a.htm", "1 B -> b/b.htm", "0 C -> "};
        QTest::newRow("entities and first page kept")
            << QByteArray("<ul><li><object type=\"text/sitemap\">"
                          "<param name=\"Name\" value=\"Day &amp; night &#8217;&#x41;\">"
                          "<param name=\"Local\" value=\"x.htm\">"
                          "<param name=\"Local\" value=\"y.htm\"></object></ul>")
            << QStringList{"0 Day & night \u2019A -> x.htm"};
        QTest::newRow("other objects and comments skipped")
            << QByteArray("<!-- <ul><object type=\"text/sitemap\"> --><object type=\"x\">"
                          "<param name=\"Name\" value=\"no\"></object><ul><li>"
                          "<object type=\"text/sitemap\"><param name=\"Name\" value=\"yes\">"
                          "</object>")
            << QStringList{"0 yes -> "};
        QTest::newRow("unclosed and broken")
            << QByteArray("<ul><ul><li><object type=\"text/sitemap\""
                          "><param name=\"Name\" value=\"deep")
            << QStringList{};
        QTest::newRow("more closing lists than opening")
            << QByteArray("</ul></ul><ul><li><object type=\"text/sitemap\">"
                          "<param name=\"Name\" value=\"top\"></object></ul>")
            << QStringList{"0 top -> "};
    }
    void parsesSitemaps() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, entries);
        QStringList got;
        for (const SitemapEntry& entry : ParseSitemap(text))
            got << QStringLiteral("%1 %2 -> %3").arg(entry.depth).arg(entry.name, entry.local);
        QCOMPARE(got, entries);
    }

    // Nested too deep, too many entries, too long: the parse stays bounded
    // and linear (a million characters of "&" once took half a minute).
    void sitemapsAreBounded() {
        const QByteArray entry("<ul><li><object type=\"text/sitemap\"><param name=\"Name\" "
                               "value=\"x\"></object>");
        const std::vector<SitemapEntry> deep = ParseSitemap(entry.repeated(60000));
        QCOMPARE(deep.size(), MostEntries);
        QCOMPARE(deep[DeepestEntry - 1].depth, DeepestEntry - 1);
        QCOMPARE(deep.back().depth, DeepestEntry);

        const QByteArray ampersands(1000000, '&');
        const std::vector<SitemapEntry> wide =
            ParseSitemap("<object type=\"text/sitemap\"><param name=\"Name\" value=\"" +
                         ampersands + "&amp;\">");
        QCOMPARE(wide.size(), 0u); // the object is never closed
        const std::vector<SitemapEntry> closed =
            ParseSitemap("<object type=\"text/sitemap\"><param name=\"Name\" value=\"" +
                         ampersands + "&amp;\"></object>");
        QCOMPARE(closed.size(), 1u);
        QCOMPARE(closed[0].name, QString(ampersands + '&'));

        // Whatever lies past the size limit is not read.
        QByteArray large(LargestSitemap, ' ');
        QCOMPARE(ParseSitemap(large + entry).size(), 0u);
    }

    // The decoding process is not trusted: any answer that is not exactly
    // what was asked for stops it, and the program goes on. Every child
    // either answers, ends or never answers, so no outcome depends on the
    // machine's speed: the rows that answer or end wait on a clock that
    // stands still, the one that never answers on a clock that races.
    void decoderProcessGivesUpOnMisbehaviour_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("answerMilliseconds");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("timedOut");
        const QString ask = QStringLiteral("dd bs=5 count=1 of=/dev/null 2>/dev/null; ");
        const int generous = 600000, never = 50;
        const auto yes = int(DecoderProcess::Outcome::Yes);
        const auto failed = int(DecoderProcess::Outcome::Failed);
        QTest::newRow("answers") << ask + "printf 'Y\\3\\0\\0\\0abc'" << generous << yes
                                 << QByteArray("abc") << false;
        QTest::newRow("not there") << ask + "printf 'N\\0\\0\\0\\0'" << generous
                                   << int(DecoderProcess::Outcome::No) << QByteArray() << false;
        QTest::newRow("limits in force")
            << ask +
                   "l=\"$(ulimit -f) $(ulimit -c) $(ulimit -t)\"; printf 'Y\\6\\0\\0\\0%-6s' \"$l\""
            << generous << yes << QByteArray("0 0 20") << false;
        QTest::newRow("no privileges to gain, no environment")
            << ask + "n=$(awk '/NoNewPrivs/{print $2}' /proc/$$/status); e=$(wc -c "
                     "</proc/$$/environ);"
                     " printf 'Y\\3\\0\\0\\0%s %s' \"$n\" \"$e\""
            << generous << yes << QByteArray("1 0") << false;
        QTest::newRow("crashes") << ask + "kill -SEGV $$" << generous << failed << QByteArray()
                                 << false;
        QTest::newRow("gone before the question")
            << QStringLiteral("exit 0") << generous << failed << QByteArray() << false;
        QTest::newRow("unknown kind")
            << ask + "printf 'Z\\0\\0\\0\\0'" << generous << failed << QByteArray() << false;
        QTest::newRow("no with data")
            << ask + "printf 'N\\1\\0\\0\\0x'" << generous << failed << QByteArray() << false;
        // "cat" keeps reading the questions and never answers: the length
        // alone must stop it, long before the limit.
        QTest::newRow("claims too much")
            << ask + "printf 'Y\\377\\377\\377\\177'; exec cat >/dev/null" << generous << failed
            << QByteArray() << false;
        QTest::newRow("cut short")
            << ask + "printf 'Y\\10\\0\\0\\0abc'" << generous << failed << QByteArray() << false;
        QTest::newRow("silent") << ask + "exec cat >/dev/null" << never << failed << QByteArray()
                                << true;
        // Past what the question keeps, the rest is read and dropped: the
        // process stays in step and runs on.
        QTest::newRow("longer than kept")
            << ask + "printf 'Y\\7\\0\\0\\0abcdefg'; exec cat >/dev/null" << generous << yes
            << QByteArray("abcdef") << false;
    }
    void decoderProcessGivesUpOnMisbehaviour() {
        QFETCH(QString, script);
        QFETCH(int, answerMilliseconds);
        QFETCH(int, outcome);
        QFETCH(QByteArray, data);
        QFETCH(bool, timedOut);
        DecoderProcess::SetClock(timedOut ? RacingClock : StoppedClock);
        DecoderLimits limits;
        limits.answerMilliseconds = answerMilliseconds;
        limits.largestAnswer = 1000;
        limits.processes = -1; // the shell starts its commands
        limits.openFiles = 64; // and keeps descriptors from 10 up
        DecoderProcess decoder("/bin/sh", {"-c", script.toStdString()}, limits);
        QVERIFY(decoder.Running());
        const DecoderProcess::Answer answer = decoder.Ask('R', "", -1, 6);
        QCOMPARE(int(answer.outcome), outcome);
        QCOMPARE(QByteArray::fromStdString(answer.data), data);
        QCOMPARE(answer.cut, QTest::currentDataTag() == QByteArray("longer than kept"));
        QCOMPARE(decoder.Running(), outcome != int(DecoderProcess::Outcome::Failed));
        QCOMPARE(decoder.TimedOut(), timedOut);
    }

    // A missing decoder program reads as a file that cannot be read.
    void missingDecoderMeansCannotBeRead() {
        const QString saved = ChmFile::DecoderProgram();
        ChmFile::SetDecoderProgram(QStringLiteral("/nonexistent/zentolk-chmread"));
        HelpWindow* window = Show(Fixture);
        ChmFile::SetDecoderProgram(saved);
        QVERIFY(window);
        QVERIFY(!window->HasFile());
        QVERIFY(Page(window).contains(QStringLiteral("cannot be read")));
    }

    void parsesLocations_data() {
        QTest::addColumn<QString>("location");
        QTest::addColumn<HelpLocation>("expected");
        QTest::newRow("plain path") << "/usr/share/zentolk/Zentolk.chm"
                                    << HelpLocation{"/usr/share/zentolk/Zentolk.chm", {}};
        QTest::newRow("window type") << "/a/Zentolk.chm>main" << HelpLocation{"/a/Zentolk.chm", {}};
        QTest::newRow("page") << "/a/Zentolk.chm::/dir/page.htm#part"
                              << HelpLocation{"/a/Zentolk.chm", "/dir/page.htm#part"};
        QTest::newRow("page with back slashes and window")
            << "/a/Zentolk.chm::dir\\page.htm>main"
            << HelpLocation{"/a/Zentolk.chm", "/dir/page.htm"};
        QTest::newRow("store prefix")
            << "mk:@MSITStore:/a/Zentolk.chm>w" << HelpLocation{"/a/Zentolk.chm", {}};
        QTest::newRow("\">\" inside a folder name")
            << "/a>b/Zentolk.chm" << HelpLocation{"/a>b/Zentolk.chm", {}};
        QTest::newRow("outer blanks") << "  /a/Zentolk.chm  " << HelpLocation{"/a/Zentolk.chm", {}};
    }
    void parsesLocations() {
        QFETCH(QString, location);
        QFETCH(HelpLocation, expected);
        const HelpLocation got = ParseLocation(location);
        QCOMPARE(got.file, expected.file);
        QCOMPARE(got.topic, expected.topic);
    }

    void dataFoldersFollowTheLibrary_data() {
        QTest::addColumn<QString>("library");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("installed") << "/usr/lib/zentolk/libhhctrl.so"
                                   << QStringList{"/usr/share/zentolk", "/usr/lib/zentolk"};
        QTest::newRow("other prefix")
            << "/opt/zt/lib/zentolk/libhhctrl.so"
            << QStringList{"/opt/zt/share/zentolk", "/opt/zt/lib/zentolk"};
        QTest::newRow("build tree")
            << "/src/build/dev/bin/libhhctrl.so"
            << QStringList{"/src/build/share/zentolk", "/src/build/dev/bin"};
    }
    void dataFoldersFollowTheLibrary() {
        QFETCH(QString, library);
        QFETCH(QStringList, folders);
        QCOMPARE(DataFolders(library), folders);
    }

    // Garbage and cut-off copies: either the file is refused, or every
    // lookup answers without reading past what is there.
    void damagedFilesAreReadWithoutCrashing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QFile source(Fixture);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray whole = source.readAll();
        QByteArray garbage(20000, '\0');
        for (qsizetype i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919 + 13) % 251);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << garbage;
        QTest::newRow("signature then garbage") << QByteArray("ITSF") + garbage;
        for (const qsizetype keep : {8, 100, 600, 4000, 6000, 8000})
            QTest::addRow("cut after %d bytes", int(keep)) << whole.left(keep);
        QTest::newRow("last byte missing") << whole.left(whole.size() - 1);
        QByteArray scrambled = whole;
        for (qsizetype i = 120; i < scrambled.size(); i += 97)
            scrambled[i] = char(scrambled[i] ^ 0x5A);
        QTest::newRow("scrambled") << scrambled;
    }
    // Checks only that nothing crashes or hangs: what a damaged file yields is open.
    void damagedFilesAreReadWithoutCrashing() {
        QFETCH(QByteArray, bytes);
        const QString path = WriteScratch(QStringLiteral("damaged.chm"), bytes);
        const auto file = ChmFile::Open(path);
        if (!file)
            return;
        for (const char* name : {"/intro.htm", "/second.htm", "/toc.hhc", "/#IVB"})
            (void)file->Read(QString::fromLatin1(name));
        for (const uint context : {20u, 30u, 99u})
            (void)file->TopicForContext(context);
        const auto contents = file->Read(file->ContentsFile());
        if (contents)
            (void)ParseSitemap(*contents);
    }

    // --- The commands -------------------------------------------------------

    void displaysTheDefaultTopic() {
        HelpWindow* window = Show(Fixture);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Fixture Help"));
        QCOMPARE(window->Browser()->source(), QUrl(QStringLiteral("chm:/intro.htm")));
        QVERIFY(Page(window).contains(QStringLiteral("Intro page")));
        // The page declares UTF-8.
        QVERIFY(Page(window).contains(QStringLiteral("Zentolk\u2019s days")));
        QVERIFY(window->parent() == nullptr);
    }

    void showsTheTopicOfAContextNumber_data() {
        QTest::addColumn<uint>("context");
        QTest::addColumn<QString>("heading");
        QTest::newRow("mapped") << 20u << QStringLiteral("Second page");
        QTest::newRow("mapped in a folder") << 30u << QStringLiteral("Third page");
        QTest::newRow("unmapped") << 99u << QStringLiteral("Intro page");
        QTest::newRow("zero") << 0u << QStringLiteral("Intro page");
    }
    void showsTheTopicOfAContextNumber() {
        QFETCH(uint, context);
        QFETCH(QString, heading);
        HelpWindow* window = Show(Fixture, HelpContext, context);
        QVERIFY(window);
        QVERIFY(Page(window).contains(heading));
    }

    void aSecondRequestRaisesTheSameWindow() {
        HelpWindow* first = Show(Fixture);
        QVERIFY(first);
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &other, Unhurried);

        HelpWindow* again = Show(Fixture, HelpContext, 20);
        QCOMPARE(again, first);
        QCOMPARE(OpenWindows().size(), std::size_t(1));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), static_cast<QWidget*>(first),
                                  Unhurried);
        QVERIFY(Page(first).contains(QStringLiteral("Second page")));

        // The same file reached by another spelling of its path.
        const QString dotted = QFileInfo(Fixture).absolutePath() + QStringLiteral("/./") +
                               QFileInfo(Fixture).fileName();
        QCOMPARE(Show(dotted), first);

        // Another file gets a window of its own.
        HelpWindow* second = Show(CopyOfFixture(QStringLiteral("other.chm")));
        QVERIFY(second && second != first);
        QCOMPARE(OpenWindows().size(), std::size_t(2));
    }

    void closeAllClosesEveryWindow() {
        QPointer<HelpWindow> first = Show(Fixture);
        QPointer<HelpWindow> second = Show(CopyOfFixture(QStringLiteral("other.chm")));
        QVERIFY(first && second);
        QCOMPARE(HtmlHelp({}, CloseAll, 0), nullptr);
        QVERIFY(first.isNull() && second.isNull());
        // Asked again after that, and once more with nothing open.
        QCOMPARE(HtmlHelp({}, CloseAll, 0), nullptr);
        QVERIFY(Show(Fixture));
    }

    void aWindowTheReaderClosedComesBack() {
        QPointer<HelpWindow> window = Show(Fixture, HelpContext, 20);
        QVERIFY(window);
        window->close();
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), Unhurried);
        HelpWindow* again = Show(Fixture);
        QVERIFY(again && again->isVisible());
        QVERIFY(Page(again).contains(QStringLiteral("Intro page")));
    }

    void otherCommandsDoNothing_data() {
        QTest::addColumn<uint>("command");
        for (const uint command : {1u, 2u, 13u, 16u, 17u, 19u, 0xFFFFFFFFu})
            QTest::addRow("%u", command) << command;
    }
    void otherCommandsDoNothing() {
        QFETCH(uint, command);
        QCOMPARE(HtmlHelp(Fixture, command, 20), nullptr);
        QVERIFY(OpenWindows().empty());
    }

    void aMissingFileIsTakenFromTheDataFolder() {
        QTemporaryDir data;
        QVERIFY(QFile::copy(Fixture, data.filePath(QStringLiteral("Zentolk.chm"))));
        SetDataFolders({scratch.filePath(QStringLiteral("nothing here")), data.path()});
        HelpWindow* window = Show(scratch.filePath(QStringLiteral("elsewhere/Zentolk.chm")));
        QVERIFY(window);
        QVERIFY(window->HasFile());
        QVERIFY(Page(window).contains(QStringLiteral("Intro page")));
        // Asked by its own path, the data folder's copy is the same window.
        QCOMPARE(Show(data.filePath(QStringLiteral("Zentolk.chm"))), window);
    }

    // A language's help file is looked for everywhere before the English one.
    void aMissingTranslationFallsBackToEnglish_data() {
        QTest::addColumn<QStringList>("present"); // "beside/" or "data/", then the name
        QTest::addColumn<QString>("found");
        QTest::newRow("beside") << QStringList{"beside/Z.es.chm", "beside/Z.chm"}
                                << "beside/Z.es.chm";
        QTest::newRow("the language before the place")
            << QStringList{"data/Z.es.chm", "beside/Z.chm"} << "data/Z.es.chm";
        QTest::newRow("English beside") << QStringList{"beside/Z.chm"} << "beside/Z.chm";
        QTest::newRow("English in the data folder") << QStringList{"data/Z.chm"} << "data/Z.chm";
        QTest::newRow("neither") << QStringList{"data/Z.fr.chm"} << "";
    }
    void aMissingTranslationFallsBackToEnglish() {
        QFETCH(QStringList, present);
        QFETCH(QString, found);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("beside")) &&
                QDir(root.path()).mkpath(QStringLiteral("data")));
        for (const QString& file : present)
            QVERIFY(QFile::copy(Fixture, root.filePath(file)));
        const QString result = FindHelpFile(root.filePath(QStringLiteral("beside/Z.es.chm")),
                                            {root.filePath(QStringLiteral("data"))});
        QCOMPARE(result, found.isEmpty() ? QString() : root.filePath(found));
    }

    void aFileFoundNowhereIsNamedOnAPage() {
        SetDataFolders({scratch.path()});
        HelpWindow* window =
            Show(QStringLiteral("/no/such/folder/Missing Help.chm"), HelpContext, 20);
        QVERIFY(window);
        QVERIFY(!window->HasFile());
        QVERIFY(Page(window).contains(
            QStringLiteral("The help file \"Missing Help.chm\" cannot be found.")));
        QVERIFY(window->isVisible());
    }

    void aDamagedFileSaysItCannotBeRead_data() {
        QTest::addColumn<qint64>("keep");
        QTest::addColumn<bool>("garbage");
        QTest::newRow("garbage") << qint64(-1) << true;
        QTest::newRow("cut after the header") << qint64(600) << false;
        QTest::newRow("cut inside the pages") << qint64(8000) << false;
    }
    void aDamagedFileSaysItCannotBeRead() {
        QFETCH(qint64, keep);
        QFETCH(bool, garbage);
        const QString path = garbage ? WriteScratch(QStringLiteral("broken.chm"),
                                                    QByteArray(5000, '\x7f').prepend("ITSF"))
                                     : CopyOfFixture(QStringLiteral("broken.chm"), keep);
        for (const std::uint32_t command : {DisplayTopic, HelpContext}) {
            HelpWindow* window = Show(path, command, 20);
            QVERIFY(window);
            QVERIFY2(Page(window).contains(
                         QStringLiteral("The help file \"broken.chm\" cannot be read.")),
                     qPrintable(Page(window)));
        }
    }

    // --- In the window ------------------------------------------------------

    void linksInsideTheFileAreFollowed() {
        HelpWindow* window = Show(Fixture);
        QVERIFY(window);
        QVERIFY(ClickText(window->Browser(), QStringLiteral("Go to second")));
        QTRY_VERIFY_WITH_TIMEOUT(Page(window).contains(QStringLiteral("Second page")), Unhurried);
        QVERIFY(ClickText(window->Browser(), QStringLiteral("Go to third")));
        QTRY_VERIFY_WITH_TIMEOUT(Page(window).contains(QStringLiteral("Third page")), Unhurried);
        QCOMPARE(window->Browser()->source(), QUrl(QStringLiteral("chm:/sub/third.htm")));
        // Relative to the page's own folder.
        QVERIFY(ClickText(window->Browser(), QStringLiteral("Back to intro")));
        QTRY_COMPARE_WITH_TIMEOUT(window->Browser()->source(),
                                  QUrl(QStringLiteral("chm:/intro.htm")), Unhurried);
        QVERIFY(fake->openedAddresses.empty());
    }

    void webLinksGoToTheDesktop() {
        HelpWindow* window = Show(Fixture);
        QVERIFY(window);
        QVERIFY(ClickText(window->Browser(), QStringLiteral("Web site")));
        QTRY_COMPARE_WITH_TIMEOUT(fake->openedAddresses,
                                  std::vector<std::string>{"http://brinemoor.example/zentolk/"},
                                  Unhurried);
        QCOMPARE(window->Browser()->source(), QUrl(QStringLiteral("chm:/intro.htm")));
        QVERIFY(Page(window).contains(QStringLiteral("Intro page")));
        QCOMPARE(fake->beeps, 0);

        // One the desktop cannot open beeps.
        fake->addressesOpen = false;
        QVERIFY(ClickText(window->Browser(), QStringLiteral("Web site")));
        QTRY_COMPARE_WITH_TIMEOUT(fake->beeps, 1, Unhurried);
    }

    void localFileLinksAreNotOpened() {
        HelpWindow* window = Show(Fixture);
        QVERIFY(window);
        QVERIFY(ClickText(window->Browser(), QStringLiteral("Local file")));
        QTRY_COMPARE_WITH_TIMEOUT(fake->beeps, 1, Unhurried);
        QVERIFY(fake->openedAddresses.empty());
        QCOMPARE(window->Browser()->source(), QUrl(QStringLiteral("chm:/intro.htm")));
    }

    void backForwardAndHome() {
        HelpWindow* window = Show(Fixture);
        QVERIFY(window);
        QVERIFY(!window->BackAction()->isEnabled());
        QVERIFY(!window->ForwardAction()->isEnabled());
        Show(Fixture, HelpContext, 20);
        Show(Fixture, HelpContext, 30);
        const QUrl intro(QStringLiteral("chm:/intro.htm"));
        const QUrl second(QStringLiteral("chm:/second.htm"));
        const QUrl third(QStringLiteral("chm:/sub/third.htm"));
        QCOMPARE(window->Browser()->source(), third);

        window->BackAction()->trigger();
        QCOMPARE(window->Browser()->source(), second);
        window->BackAction()->trigger();
        QCOMPARE(window->Browser()->source(), intro);
        QVERIFY(!window->BackAction()->isEnabled());
        QVERIFY(window->ForwardAction()->isEnabled());
        window->ForwardAction()->trigger();
        QCOMPARE(window->Browser()->source(), second);
        QVERIFY(Page(window).contains(QStringLiteral("Second page")));

        window->HomeAction()->trigger();
        QCOMPARE(window->Browser()->source(), intro);
        QVERIFY(!window->ForwardAction()->isEnabled());
        window->BackAction()->trigger();
        QCOMPARE(window->Browser()->source(), second);

        // Home is the file's default topic even when the window opened elsewhere.
        QVERIFY(HtmlHelp({}, CloseAll, 0) == nullptr);
        window = Show(Fixture, HelpContext, 30);
        window->HomeAction()->trigger();
        QCOMPARE(window->Browser()->source(), intro);
    }

    void theContentsPaneListsAndOpensTheEntries() {
        HelpWindow* window = Show(Fixture);
        QVERIFY(window);
        QTreeWidget* tree = window->Contents();
        QVERIFY(tree->isVisible());
        const std::vector<std::pair<QString, int>> expected{{QStringLiteral("Intro"), 0},
                                                            {QStringLiteral("Second & more"), 1},
                                                            {QStringLiteral("Third"), 0}};
        QCOMPARE(ContentsOf(tree), expected);
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Intro"));

        QTreeWidgetItem* third = tree->topLevelItem(1);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(third).center());
        QTRY_VERIFY_WITH_TIMEOUT(Page(window).contains(QStringLiteral("Third page")), Unhurried);
        QTreeWidgetItem* second = tree->topLevelItem(0)->child(0);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(second).center());
        QTRY_VERIFY_WITH_TIMEOUT(Page(window).contains(QStringLiteral("Second page")), Unhurried);

        // Following a link marks the page's entry.
        QVERIFY(ClickText(window->Browser(), QStringLiteral("Go to third")));
        QTRY_COMPARE_WITH_TIMEOUT(tree->currentItem(), third, Unhurried);
        // One click is one step back.
        window->BackAction()->trigger();
        QCOMPARE(window->Browser()->source(), QUrl(QStringLiteral("chm:/second.htm")));
    }

    // --- The help file the program ships -------------------------------------

    void theProgramsHelpFileIsWhole_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("English") << RealHelp;
        QTest::newRow("Spanish") << SpanishHelp;
    }
    void theProgramsHelpFileIsWhole() {
        QFETCH(QString, path);
        const auto file = ChmFile::Open(path);
        QVERIFY(file);
        QVERIFY(file->Contains(file->DefaultTopic()));
        const auto contents = file->Read(file->ContentsFile());
        const auto index = file->Read(file->IndexFile());
        QVERIFY(contents && index);
        std::vector<SitemapEntry> entries = ParseSitemap(*contents);
        QVERIFY(entries.size() >= 10);
        const std::vector<SitemapEntry> indexEntries = ParseSitemap(*index);
        QVERIFY(indexEntries.size() >= 30);
        entries.insert(entries.end(), indexEntries.begin(), indexEntries.end());
        for (const SitemapEntry& entry : entries) {
            QVERIFY2(file->Contains(NormalizeTopic(entry.local)), qPrintable(entry.local));
            const auto page = file->Read(NormalizeTopic(entry.local));
            QVERIFY2(page && page->contains("charset=\"utf-8\"") && page->contains("<title>"),
                     qPrintable(entry.local));
        }
        for (const uint context :
             {1000u, 1010u, 1020u, 1030u, 1040u, 1050u, 1060u, 1070u, 1080u, 1090u})
            QVERIFY2(file->TopicForContext(context).has_value(),
                     qPrintable(QString::number(context)));
    }

    // The program links to pages and their parts by name and opens topics by
    // number, whichever language's file it opens.
    void theSpanishHelpHasEveryEnglishPageAndPart() {
        const auto english = ChmFile::Open(RealHelp);
        const auto spanish = ChmFile::Open(SpanishHelp);
        QVERIFY(english && spanish);
        const QStringList pages = english->Pages();
        QVERIFY(pages.size() >= 25);
        const QRegularExpression part(QStringLiteral("\\b(?:id|name)=\"([^\"]+)\""));
        const auto parts = [&](const QByteArray& page) {
            QStringList names;
            for (const auto& match : part.globalMatch(QString::fromUtf8(page)))
                names << match.captured(1);
            names.sort();
            return names;
        };
        for (const QString& page : pages) {
            QVERIFY2(spanish->Contains(page), qPrintable(page));
            if (!page.endsWith(QLatin1String(".htm")))
                continue;
            const auto translated = spanish->Read(page);
            QVERIFY2(translated, qPrintable(page));
            QVERIFY2(translated->contains("<html lang=\"es\">"), qPrintable(page));
            QCOMPARE(parts(*translated), parts(*english->Read(page)));
        }
        for (std::uint32_t context = 1000; context <= 1110; ++context)
            QCOMPARE(spanish->TopicForContext(context).value_or(QString()),
                     english->TopicForContext(context).value_or(QString()));
        QVERIFY(spanish->Title() != english->Title());
    }

    // The last two run the application's event loop to its end, as the
    // program does. An open help window does not keep the program running
    // once its own windows are closed...
    void helpWindowsDoNotKeepTheProgramRunning() {
        QPointer<HelpWindow> window = Show(Fixture);
        QVERIFY(window);
        QWidget* main = new QWidget;
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->show();
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        QTimer::singleShot(0, main, &QWidget::close);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(window.isNull());
    }

    // ...and goes with it when the program ends its event loop itself.
    void helpWindowsCloseWithTheProgram() {
        QPointer<HelpWindow> first = Show(Fixture);
        QPointer<HelpWindow> second = Show(CopyOfFixture(QStringLiteral("other.chm")));
        QVERIFY(first && second);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        QVERIFY(first.isNull() && second.isNull());
        QVERIFY(OpenWindows().empty());
    }

    // Every control of a help window has a name, the page reads as a
    // document, Tab goes from pane to pane past the page's links, and
    // Escape closes the window.
    void aHelpWindowIsUsedByKeyboardAndScreenReader() {
        QPointer<HelpWindow> window = Show(Fixture);
        QVERIFY(window);
        window->activateWindow();
        QVERIFY(WaitActive(window));
        QTextBrowser* page = window->Browser();
        QAccessibleInterface* document = QAccessible::queryAccessibleInterface(page);
        QCOMPARE(document->role(), QAccessible::Document);
        QCOMPARE(document->text(QAccessible::Name), QString("Page"));
        QVERIFY(document->state().readOnly);
        QAccessibleTextInterface* text = document->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->text(0, text->characterCount()), page->toPlainText());
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(window) || control->focusPolicy() == Qt::NoFocus)
                continue;
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(!i->text(QAccessible::Name).isEmpty(), control->metaObject()->className());
        }
        for (QToolButton* clear :
             window->findChildren<QLineEdit*>()[0]->findChildren<QToolButton*>())
            QVERIFY(!clear->accessibleName().isEmpty());
        page->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != page);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), Unhurried);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ViewerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ViewerTest.moc"
