// What a help page costs the program: its layout, by the kind of content
// that lays out slowest, with and without the bounds the viewer keeps; and
// starting a decoding process and opening a help file in it.
#include "viewer/DecoderProcess.h"
#include "viewer/HelpBrowser.h"
#include "viewer/PageLayout.h"
#include "viewer/decoder/Protocol.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

using zentolk::viewer::BoundedForLayout;

enum Kind { Words, Unbroken, Nul, Lines, Items, Cells, Tables, Nested, KindCount };
const char* const KindNames[] = {"words", "unbroken", "nul",    "lines",
                                 "items", "cells",    "tables", "nested"};

// A page of `bytes` bytes of one kind of content.
QString Page(int kind, qsizetype bytes) {
    const auto fill = [bytes](const QString& head, const QString& unit) {
        QString page = head;
        while (page.size() + unit.size() <= bytes)
            page += unit;
        return page;
    };
    switch (kind) {
    case Words:
        return fill(QStringLiteral("<p>"), QStringLiteral("word "));
    case Unbroken:
        return fill(QStringLiteral("<p>"), QStringLiteral("x"));
    case Nul:
        return fill(QStringLiteral("<p>"), QString(QChar(0)));
    case Lines:
        return fill(QStringLiteral("<pre>"), QStringLiteral("x\n"));
    case Items:
        return fill(QStringLiteral("<ul>"), QStringLiteral("<li>x"));
    case Cells:
        return fill(QStringLiteral("<table><tr>"), QStringLiteral("<td>x"));
    case Tables:
        return fill(QStringLiteral("<table><tr><td>").repeated(4), QStringLiteral("word "));
    default:
        return fill(QString(), QStringLiteral("<span>s "));
    }
}

// Args: kind, page size in KiB, 1 for bounded.
void BM_LayOutPage(benchmark::State& state) {
    const QString page = Page(int(state.range(0)), qsizetype(state.range(1)) * 1024);
    const bool bounded = state.range(2) != 0;
    state.SetLabel(std::string(KindNames[state.range(0)]) + (bounded ? " bounded" : " as it is"));
    for (auto _ : state) {
        QTextDocument document;
        document.setTextWidth(600);
        document.setHtml(bounded ? BoundedForLayout(page) : page);
        benchmark::DoNotOptimize(document.documentLayout()->documentSize());
    }
    // The CPU time per unit of the estimated cost: flat across the kinds
    // when the estimate is sound.
    qint64 cost = 0;
    BoundedForLayout(page, {}, &cost);
    state.counters["per_cost"] = benchmark::Counter(
        double(cost), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void LayoutArguments(benchmark::internal::Benchmark* bench) {
    for (int kind = 0; kind < KindCount; ++kind) {
        bench->Args({kind, 64, 0});
        bench->Args({kind, 64, 1});
        bench->Args({kind, 2048, 1});
    }
}
BENCHMARK(BM_LayOutPage)->Apply(LayoutArguments)->Unit(benchmark::kMillisecond)->Iterations(1);

// The help window's page view, serving one page from memory as it serves
// pages from the help file.
class OnePageView : public zentolk::viewer::HelpBrowser {
public:
    explicit OnePageView(QString page) : page_(std::move(page)) {}
    QVariant loadResource(int type, const QUrl& name) override {
        return type == QTextDocument::HtmlResource ? QVariant(PageToLayOut(page_, name))
                                                   : QVariant();
    }

private:
    QString page_;
};

// Args: kind, page size in KiB. A page's first display in a shown view: its
// bounding, layout at the view's width and first paint.
void BM_ShowPage(benchmark::State& state) {
    const QString page = Page(int(state.range(0)), qsizetype(state.range(1)) * 1024);
    state.SetLabel(KindNames[state.range(0)]);
    for (auto _ : state) {
        OnePageView view(page);
        view.resize(800, 600);
        view.show();
        view.setSource(QUrl(QStringLiteral("chm:/page.htm")));
        benchmark::DoNotOptimize(view.grab());
    }
}
BENCHMARK(BM_ShowPage)
    ->ArgsProduct({{Words, Lines, Items, Tables}, {2048}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Pages made to cost the bounder most: tags that never close, quotes that
// never end, raw elements that never end. Each unit is repeated to the size.
const char* const HostileUnits[] = {"<a", "</", "<!", "<a b=\"", "<style/>", "<a>", "x"};

// Args: hostile unit, page size in KiB. The cost per byte stays flat as the
// page grows when the bounder takes linear time.
void BM_BoundPage(benchmark::State& state) {
    const QString unit = QString::fromLatin1(HostileUnits[state.range(0)]);
    const qsizetype bytes = qsizetype(state.range(1)) * 1024;
    const QString page = unit.repeated(bytes / unit.size());
    state.SetLabel(HostileUnits[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(BoundedForLayout(page));
    state.counters["per_byte"] =
        benchmark::Counter(double(page.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                    benchmark::Counter::kInvert);
}

void BoundArguments(benchmark::internal::Benchmark* bench) {
    for (int unit = 0; unit < int(std::size(HostileUnits)); ++unit)
        for (const int kib : {64, 256, 1024, 2048})
            bench->Args({unit, kib});
}
BENCHMARK(BM_BoundPage)->Apply(BoundArguments)->Unit(benchmark::kMillisecond);

// Starting the decoder (limits, filter) and opening the help file in it.
void BM_DecoderStartAndOpen(benchmark::State& state) {
    const std::string program =
        QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/zentolk-chmread"))
            .absoluteFilePath()
            .toStdString();
    for (auto _ : state) {
        zentolk::viewer::DecoderProcess decoder(program, {ZENTOLK_HELP_CHM},
                                                zentolk::viewer::DecoderLimits{});
        const auto answer = decoder.Ask(zentolk::viewer::decoder::OpenQuestion, {});
        if (answer.outcome != zentolk::viewer::DecoderProcess::Outcome::Yes) {
            state.SkipWithError("the decoder did not open the help file");
            break;
        }
    }
}
BENCHMARK(BM_DecoderStartAndOpen)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
