// Damaged and crafted help files, opened through the viewer's public entry
// as the program opens them: whatever the file holds, this process goes on.
// The copies are mutations of the fixture file from a fixed seed; set
// ZENTOLK_FUZZ_CASES and ZENTOLK_FUZZ_SEED for a longer or another run.
#include "FakeOs.h"
#include "viewer/DecoderProcess.h"
#include "viewer/HelpBrowser.h"
#include "viewer/HelpWindow.h"
#include "viewer/Sitemap.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstdint>
#include <random>

using namespace zentolk::viewer;
using zentolk::testing::FakeOs;

namespace {

int Setting(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// Values that sizes, counts and versions in a file are often not ready for.
constexpr std::uint32_t EdgeValues[] = {
    0,      1,       2,          3,          4,          0x7F,       0x100,      0x1000,
    0x8000, 0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFE, 0x00200000, 0x40000000};

class Mutator {
public:
    Mutator(QByteArray original, std::uint32_t seed)
        : original_(std::move(original)), random_(seed) {
        lzx_ = original_.indexOf("LZXC");
    }

    QByteArray Next() {
        QByteArray bytes = original_;
        const int rounds = Below(3) + 1;
        for (int i = 0; i < rounds; ++i) {
            switch (Below(5)) {
            case 0: // cut short
                bytes.truncate(Below(int(bytes.size()) + 1));
                break;
            case 1: // flip a few bytes anywhere
                for (int n = Below(8) + 1; n > 0 && !bytes.isEmpty(); --n)
                    bytes[Below(int(bytes.size()))] ^= char(Below(255) + 1);
                break;
            case 2: // a field of the file and directory headers
                Overwrite(bytes, Below(0x200) & ~3);
                break;
            case 3: // the decompressor's control data and what follows it
                if (lzx_ >= 0)
                    Overwrite(bytes, lzx_ + 4 + 4 * Below(6));
                break;
            default: // anywhere, aligned
                Overwrite(bytes, Below(int(bytes.size()) + 1) & ~3);
                break;
            }
        }
        return bytes;
    }

private:
    int Below(int limit) { return int(std::uniform_int_distribution<int>(0, limit - 1)(random_)); }

    void Overwrite(QByteArray& bytes, qsizetype at) {
        std::uint32_t value = Below(4) == 0 ? std::uint32_t(random_())
                                            : EdgeValues[Below(int(std::size(EdgeValues)))];
        for (int i = 0; i < 4 && at + i < bytes.size(); ++i, value >>= 8)
            bytes[at + i] = char(value & 0xFF);
    }

    QByteArray original_;
    qsizetype lzx_;
    std::mt19937 random_;
};

// Everything a reader may do first: the start page, a mapped topic, the
// contents, each entry clicked, back and home.
void UseTheFile(const QString& path, int round) {
    auto* window =
        qobject_cast<HelpWindow*>(HtmlHelp(path, round % 2 == 0 ? DisplayTopic : HelpContext, 20));
    QVERIFY(window != nullptr);
    int clicks = 0;
    for (QTreeWidgetItemIterator it(window->Contents()); *it != nullptr && clicks < 4;
         ++it, ++clicks)
        emit window->Contents()->itemClicked(*it, 0);
    window->Search(QStringLiteral("page"));
    window->FilterIndex(QStringLiteral("t"));
    window->ShowTopic(QStringLiteral("/sub/third.htm"));
    window->BackAction()->trigger();
    window->HomeAction()->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(HtmlHelp({}, CloseAll, 0), nullptr);
}

} // namespace

class FuzzTest : public QObject {
    Q_OBJECT
private slots:
    void survivesMutatedHelpFiles() {
        FakeOs fake;
        SetDataFolders({});
        QFile source(QStringLiteral(ZENTOLK_FIXTURE_CHM));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("Zentolk.chm"));
        const int cases = Setting("ZENTOLK_FUZZ_CASES", 200);
        Mutator mutator(source.readAll(), std::uint32_t(Setting("ZENTOLK_FUZZ_SEED", 1)));
        for (int round = 0; round < cases; ++round) {
            const QByteArray bytes = mutator.Next();
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(out.write(bytes), bytes.size());
            out.close();
            UseTheFile(path, round);
            if (QTest::currentTestFailed()) {
                QFile::copy(path, dir.filePath(QStringLiteral("failed.chm")));
                dir.setAutoRemove(false);
                QFAIL(
                    qPrintable(QStringLiteral("round %1, kept in %2").arg(round).arg(dir.path())));
            }
        }
    }

    // Contents 60,000 lists deep with a million-character entry: the tree
    // stops at the deepest level, and the page still shows.
    void deepAndLongContentsStayBounded() {
        FakeOs fake;
        SetDataFolders({});
        // What is bounded here is the size, not the time: a stopped clock
        // keeps the decoder's time budget out of it on a slow, busy machine.
        DecoderProcess::SetClock([] { return 0LL; });
        const struct Restore {
            ~Restore() { DecoderProcess::SetClock(nullptr); }
        } restore;
        auto* window =
            qobject_cast<HelpWindow*>(HtmlHelp(QStringLiteral(ZENTOLK_DEEP_CHM), DisplayTopic, 0));
        QVERIFY(window != nullptr);
        QVERIFY(window->HasFile());
        QVERIFY(window->Browser()->toPlainText().contains(QStringLiteral("Deep page")));
        int deepest = 0;
        int entries = 0;
        for (QTreeWidgetItemIterator it(window->Contents()); *it != nullptr; ++it, ++entries) {
            int depth = 0;
            for (QTreeWidgetItem* up = (*it)->parent(); up != nullptr; up = up->parent())
                ++depth;
            deepest = std::max(deepest, depth);
        }
        QCOMPARE(deepest, DeepestEntry);
        QCOMPARE(entries, 50000);
        QCOMPARE(HtmlHelp({}, CloseAll, 0), nullptr);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    FuzzTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FuzzTest.moc"
