// The decoding process as a sandbox: what it may still do once it has
// confined itself, how many run at once, and how long a help request may
// keep the program waiting on them.
#include "viewer/ChmFile.h"
#include "viewer/DecoderProcess.h"
#include "viewer/HelpBrowser.h"
#include "viewer/HelpWindow.h"
#include "viewer/PageLayout.h"
#include "viewer/PageSearch.h"
#include "viewer/decoder/Protocol.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <csignal>
#include <vector>

using namespace zentolk::viewer;

namespace {
const QString Fixture = QStringLiteral(ZENTOLK_FIXTURE_CHM);
const QString RealHelp = QStringLiteral(ZENTOLK_HELP_CHM);
const QString Large = QStringLiteral(ZENTOLK_LARGE_CHM);

QString ProcFile(pid_t pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of a "Name:\tvalue" line of /proc/PID/status, or of the limit
// named at the start of a line of /proc/PID/limits (its soft limit).
QString Field(const QString& text, const QString& name) {
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(name))
            return line.mid(name.size()).simplified().section(QLatin1Char(' '), 0, 0);
    }
    return QStringLiteral("(missing)");
}

// A fake clock that runs a whole second each time it is read, and one that
// stands still, which every test but the one that runs out of time keeps,
// so that no request runs out of time however loaded the machine is.
long long fakeNow = 0;
long long RacingClock() {
    return fakeNow += 1000;
}
long long StoppedClock() {
    return 0;
}

int DeepestTable(QTextFrame* frame) {
    int deepest = 0;
    for (QTextFrame* child : frame->childFrames())
        deepest = std::max(deepest, DeepestTable(child));
    return deepest + (qobject_cast<QTextTable*>(frame) != nullptr ? 1 : 0);
}

QString Shown(QTextDocument* document) {
    return document->toPlainText().remove(QChar(0x200B));
}

// What the layout of a page is bounded by, as it was laid out: paragraphs
// are laid out whole, so none is much longer than the bound.
bool LaidOutWithinBounds(QTextDocument* page) {
    static const QRegularExpression longRun(
        QStringLiteral("[^\\s\\x{200B}]{%1,}").arg(LongestUnbrokenRun + 1));
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next())
        if (block.length() > LongestParagraph + 2 * LongestUnbrokenRun)
            return false;
    return DeepestTable(page->rootFrame()) <= MostNestedTables &&
           !page->toPlainText().contains(longRun) && page->blockCount() <= 2 * MostTags;
}
} // namespace

class SandboxTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch;

    QString CopyOfFixture(const QString& name) {
        const QString path = scratch.filePath(name);
        QFile::remove(path);
        return QFile::copy(Fixture, path) ? path : QString();
    }

private slots:
    void initTestCase() { DecoderProcess::SetClock(StoppedClock); }
    void cleanupTestCase() { DecoderProcess::SetClock(nullptr); }

    // The test build of the decoder tries, after the filter is in place,
    // what an attacker's code would; every try must be refused.
    void decoderRefusesWhatItDoesNotNeed() {
        DecoderProcess decoder(ZENTOLK_DECODER_PROBE_PROGRAM,
                               {QFile::encodeName(Fixture).toStdString()}, DecoderLimits{});
        QVERIFY(decoder.Running());
        QCOMPARE(int(decoder.Ask(zentolk::viewer::decoder::OpenQuestion, {}).outcome),
                 int(DecoderProcess::Outcome::Yes));
        // Still able to decode: it reads the file through the filter.
        const DecoderProcess::Answer system =
            decoder.Ask(zentolk::viewer::decoder::ReadQuestion, "/#SYSTEM");
        QCOMPARE(int(system.outcome), int(DecoderProcess::Outcome::Yes));
        QVERIFY(system.data.size() > 4);

        const QString status = ProcFile(decoder.Pid(), "status");
        QCOMPARE(Field(status, QStringLiteral("Seccomp:")), QStringLiteral("2"));
        QCOMPARE(Field(status, QStringLiteral("NoNewPrivs:")), QStringLiteral("1"));
        QCOMPARE(ProcFile(decoder.Pid(), "environ"), QString());
        // Nothing to lose: no capability, and never root.
        QCOMPARE(Field(status, QStringLiteral("CapEff:")), QStringLiteral("0000000000000000"));
        QCOMPARE(Field(status, QStringLiteral("CapPrm:")), QStringLiteral("0000000000000000"));
        QVERIFY(Field(status, QStringLiteral("Uid:")) != QStringLiteral("0"));
        const QString limits = ProcFile(decoder.Pid(), "limits");
        // Started by root it runs as the user with no rights, whose other
        // processes would count against a limit; its filter forbids new ones.
        if (geteuid() != 0)
            QCOMPARE(Field(limits, QStringLiteral("Max processes")), QStringLiteral("0"));
        for (const auto& [name, value] : {std::pair{"Max file size", "0"},
                                          {"Max locked memory", "0"},
                                          {"Max open files", "8"},
                                          {"Max cpu time", "20"},
                                          {"Max core file size", "0"}})
            QCOMPARE(Field(limits, QLatin1String(name)), QLatin1String(value));

        const DecoderProcess::Answer probe = decoder.Ask('P', {});
        QCOMPARE(int(probe.outcome), int(DecoderProcess::Outcome::Yes));
        const QStringList lines =
            QString::fromStdString(probe.data).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList tried =
            QStringLiteral("ptrace socket socket-unix connect fork clone3 execve openat "
                           "open-parent-memory creat unlink kill kill-group process_vm_readv "
                           "write-stderr setrlimit exec-memory")
                .split(QLatin1Char(' '));
        QCOMPARE(lines.size(), tried.size() + 1);
        for (qsizetype i = 0; i < tried.size(); ++i)
            QCOMPARE(lines[i], tried[i] + QStringLiteral(" refused"));
        QCOMPARE(lines.last(), QStringLiteral("environment empty"));
        QVERIFY(!QFile::exists(QStringLiteral("/tmp/22-probe-made")));
        // The forbidden calls did not end it: it still answers.
        QCOMPARE(int(decoder.Ask(zentolk::viewer::decoder::ContainsQuestion, "/#SYSTEM").outcome),
                 int(DecoderProcess::Outcome::Yes));
    }

    // More files than decoders may run: the one used least recently makes
    // room, and its file still reads afterwards, however often that happens.
    void fewDecodersRunAtOnce() {
        std::vector<std::unique_ptr<ChmFile>> files;
        for (int i = 0; i < MostRunningDecoders + 2; ++i) {
            files.push_back(ChmFile::Open(CopyOfFixture(QStringLiteral("few%1.chm").arg(i))));
            QVERIFY(files.back());
        }
        const auto children = [] {
            const QString path = QStringLiteral("task/%1/children").arg(getpid());
            return ProcFile(getpid(), path.toLatin1().constData())
                .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                .size();
        };
        QCOMPARE(children(), MostRunningDecoders);
        for (int round = 0; round < 4; ++round) {
            for (const auto& file : files) {
                QVERIFY(file->Read(QStringLiteral("/#SYSTEM")).has_value());
                QVERIFY(!file->Failed());
            }
        }
        QCOMPARE(children(), MostRunningDecoders);
    }

    // A decoder that ends between requests is reaped as soon as the event
    // loop runs, and the next request starts another and is answered.
    void aDeadDecoderIsReapedAndTheNextRequestAnswered() {
        const std::unique_ptr<ChmFile> file =
            ChmFile::Open(CopyOfFixture(QStringLiteral("dead.chm")));
        QVERIFY(file);
        const auto decoders = [] {
            return ProcFile(getpid(),
                            QStringLiteral("task/%1/children").arg(getpid()).toLatin1().constData())
                .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        };
        const QStringList before = decoders();
        QVERIFY(!before.isEmpty());
        const pid_t pid = pid_t(before.last().toInt());
        kill(pid, SIGKILL);
        // The end is seen when the socket closes; no clock is waited on.
        while (decoders().contains(QString::number(pid)))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QVERIFY(file->Read(QStringLiteral("/#SYSTEM")).has_value());
        QVERIFY(!file->Failed());
    }

    // A decoder's list of 64 MiB of line ends costs the program what the
    // list's bound allows, not its length (or many times it, as it did).
    void aListBombCostsItsBoundOnly() {
        const QString saved = ChmFile::DecoderProgram();
        ChmFile::SetDecoderProgram(QStringLiteral(ZENTOLK_HOSTILE_DECODER));
        const std::unique_ptr<ChmFile> file =
            ChmFile::Open(CopyOfFixture(QStringLiteral("bomb.chm")));
        ChmFile::SetDecoderProgram(saved);
        QVERIFY(file);
        const auto peak = [] {
            return Field(ProcFile(getpid(), "status"), QStringLiteral("VmHWM:")).toLongLong();
        };
        const long long before = peak();
        QVERIFY(file->Pages().isEmpty());
        QVERIFY(peak() - before < 16 * 1024); // kB
        QVERIFY(!file->Failed());             // the rest was read and dropped; the decoder runs on
        QVERIFY(file->Read(QStringLiteral("/#SYSTEM")).has_value());
    }

    // A request that runs past its total time leaves the file unreadable for
    // the rest of the run, in a new window too; other files are not affected.
    void slowRequestMakesTheFileUnreadableForTheRun() {
        const QString slow = CopyOfFixture(QStringLiteral("slow.chm"));
        fakeNow = 0;
        DecoderProcess::SetClock(RacingClock);
        std::unique_ptr<ChmFile> file = ChmFile::Open(slow);
        DecoderProcess::SetClock(StoppedClock);
        QVERIFY(!file);
        QApplication::processEvents(); // the request ends
        QVERIFY(!ChmFile::Open(slow));
        QVERIFY(ChmFile::Open(CopyOfFixture(QStringLiteral("other.chm"))));
    }

    // Ordinary pages keep their text and look when they are bounded.
    void boundingKeepsOrdinaryPages() {
        for (const QString& path : {Fixture, RealHelp}) {
            const std::unique_ptr<ChmFile> file = ChmFile::Open(path);
            QVERIFY(file);
            const QStringList pages = file->Pages();
            QVERIFY(!pages.isEmpty());
            for (const QString& topic : pages) {
                const QString html = DecodeHtml(file->Read(topic).value_or(QByteArray()));
                QTextDocument plain, bounded;
                plain.setHtml(html);
                bounded.setHtml(BoundedForLayout(html));
                QCOMPARE(Shown(&bounded), Shown(&plain));
                QCOMPARE(bounded.blockCount(), plain.blockCount());
                QCOMPARE(DeepestTable(bounded.rootFrame()), DeepestTable(plain.rootFrame()));
            }
        }
    }

    // Every style rule is tried on every element: sheets past the bound
    // are left out, whole. Cells with no row open start tables of the
    // layout's own that nest every later table: they are text.
    void pagesAreBounded_data() {
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("sheetsKept");
        const QString rule = QStringLiteral("*{color:red}");
        const QString link = QStringLiteral("<link rel=\"stylesheet\" href=\"s.css\">");
        QTest::newRow("rules within the bound")
            << QStringLiteral("<style>%1</style>").arg(rule.repeated(MostStyleRules)) << QString()
            << 1;
        QTest::newRow("one rule too many")
            << QStringLiteral("<style>%1</style>").arg(rule.repeated(MostStyleRules + 1))
            << QString() << 0;
        QTest::newRow("over the bound in two sheets")
            << QStringLiteral("<style>%1</style><style>%1</style>")
                   .arg(rule.repeated(MostStyleRules / 2 + 1))
            << QString() << 1;
        QTest::newRow("importing")
            << QStringLiteral("<style>@import \"a.css\";</style>") << QString() << 0;
        QTest::newRow("links") << link.repeated(MostStyleSheets + 2) << QString()
                               << MostStyleSheets;
        const int tables = MostNestedTables + 1;
        QTest::newRow("cell after a row's end")
            << QString()
            << QStringLiteral("<table><tr><td>a</td></tr><td>b</td></table>").repeated(tables) << 0;
        QTest::newRow("cell before any row")
            << QString() << QStringLiteral("<table><td>a</td></table>").repeated(tables) << 0;
        QTest::newRow("cell after a head")
            << QString()
            << QStringLiteral("<table><thead><tr><th>a</th></tr></thead><td>b</td></table>")
                   .repeated(tables)
            << 0;
    }
    void pagesAreBounded() {
        QFETCH(QString, head);
        QFETCH(QString, body);
        const QString page = BoundedForLayout(
            QStringLiteral("<html><head>%1</head><body>%2<p>x</p></body></html>").arg(head, body));
        QTEST(int(page.count(QStringLiteral("<style")) + page.count(QStringLiteral("<link"))),
              "sheetsKept");
        QVERIFY(page.contains(QStringLiteral("<p>x")));
        QTextDocument laidOut;
        laidOut.setHtml(page);
        QVERIFY(LaidOutWithinBounds(&laidOut));
    }

    // The cost of laying a page out is told before any of it is: a page
    // past the budget is its text alone, one just within it keeps its tags.
    void pagesPastTheLayoutBudgetAreTheirText_data() {
        QTest::addColumn<QString>("structure");
        QTest::addColumn<qint64>("structureCost");
        QTest::newRow("list items")
            << QStringLiteral("<ul>") + QStringLiteral("<li>").repeated(MostListItems)
            << ListItemCost * MostListItems;
        QTest::newRow("table text")
            << QStringLiteral("<table><tr><td>").repeated(MostNestedTables) +
                   QStringLiteral("t").repeated(MostTableText / 2)
            << (qint64(1) << MostNestedTables) * (MostTableText / 2);
    }
    void pagesPastTheLayoutBudgetAreTheirText() {
        QFETCH(QString, structure);
        QFETCH(qint64, structureCost);
        for (const qint64 over : {-5000, 5000}) {
            const qsizetype words = (MostLayoutCost - structureCost + over) / 5;
            const QString page =
                QStringLiteral("<p>") + QStringLiteral("word ").repeated(words) + structure;
            const QString laidOut = PageForLayout(page);
            QCOMPARE(laidOut.contains(QStringLiteral("<td")) ||
                         laidOut.contains(QStringLiteral("<li")),
                     over < 0);
            QCOMPARE(laidOut.count(QStringLiteral("word")), words);
        }
    }

    // A page of the largest size shown, made of what lays out slowest, opens
    // bounded (past the layout budget, as its text alone) in paragraphs the
    // view lays out one at a time; a page one byte larger is not laid out.
    void largePagesAreBoundedOrNotShown() {
        auto* window = new HelpWindow(Large, QStringLiteral("Large"));
        QVERIFY(window->HasFile());
        window->ShowTopic(QStringLiteral("/over.htm"));
        QVERIFY(window->Browser()->toPlainText().contains(QStringLiteral("cannot be shown")));
        window->ShowTopic(QStringLiteral("/bound.htm"));
        QTextDocument* page = window->Browser()->document();
        window->show();
        QVERIFY(page->documentLayout()->documentSize().height() > 0); // the whole page laid out

        QVERIFY(LaidOutWithinBounds(page));
        QVERIFY(Shown(page).startsWith(QStringLiteral("Bounded page")));
        QVERIFY(Shown(page).contains(QStringLiteral("word word")));
        QVERIFY(DeepestTable(page->rootFrame()) <= MostNestedTables);
        static const QRegularExpression longRun(
            QStringLiteral("[^\\s\\x{200B}]{%1,}").arg(LongestUnbrokenRun + 1));
        QVERIFY(!page->toPlainText().contains(longRun));
        window->BackAction()->trigger();
        QVERIFY(window->Browser()->toPlainText().contains(QStringLiteral("cannot be shown")));
        // Search reads the text, never lays pages out; titles are cut short.
        window->Search(QStringLiteral("word"));
        QCOMPARE(window->SearchResults()->count(), 2);
        QVERIFY(window->SearchResults()->item(0)->text().size() <= LongestSearchTitle + 1);
        delete window;
    }

    // Images are charged by the size their headers tell against the page's
    // budget: one past it is its alternative text, one address is one image.
    void imagesPastThePixelBudgetAreTheirText() {
        auto* window = new HelpWindow(Large, QStringLiteral("Large"));
        window->ShowTopic(QStringLiteral("/images.htm"));
        const QString shown = window->Browser()->toPlainText();
        QCOMPARE(shown.count(QChar::ObjectReplacementCharacter), 2); // the small image, twice
        QVERIFY(shown.contains(QStringLiteral("too <big>")));
        QVERIFY(shown.contains(QStringLiteral("again")));
        QVERIFY(!shown.contains(QStringLiteral("small")) &&
                !shown.contains(QStringLiteral("once")));
        QCOMPARE(window->Browser()->PixelsLeft(), MostPagePixels - 4);
        delete window;
    }

    // The real help file with one bit flipped in its compressed pages: every
    // page that still decodes is searched and shown within the bounds
    // (ZENTOLK_FLIP_CASES sets the number of copies).
    void flippedBitsStillLayOutWithinBounds() {
        QFile real(RealHelp);
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray original = real.readAll();
        const qsizetype content = original.lastIndexOf("LZXC");
        QVERIFY(content > 0);
        std::uint32_t seed = 22;
        bool set = false;
        const int cases = qEnvironmentVariableIntValue("ZENTOLK_FLIP_CASES", &set);
        for (int mutant = 0; mutant < (set && cases > 0 ? cases : 24); ++mutant) {
            seed = seed * 1103515245u + 12345u;
            QByteArray bytes = original;
            const qsizetype at = content + qsizetype(seed % std::uint32_t(bytes.size() - content));
            bytes[at] = char(bytes[at] ^ (1 << (seed >> 29)));
            const QString path = scratch.filePath(QStringLiteral("flipped%1.chm").arg(mutant));
            QFile copy(path);
            QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size());
            copy.close();
            auto* window = new HelpWindow(path, QStringLiteral("Flipped"));
            window->Search(QStringLiteral("the"));
            for (int row = 0; row < window->SearchResults()->count(); ++row) {
                window->SearchResults()->setCurrentRow(row);
                emit window->SearchResults()->itemActivated(window->SearchResults()->item(row));
                QTextDocument* page = window->Browser()->document();
                page->documentLayout()->documentSize();
                QVERIFY2(LaidOutWithinBounds(page), qPrintable(path));
            }
            delete window;
        }
    }
};

QTEST_MAIN(SandboxTest)
#include "SandboxTest.moc"
