// The Almanac's Picture tab: the pictures follow the day, say it in words to
// a screen reader, follow the palette, and copy and save through a fake
// desktop.
#include "FakeOs.h"
#include "FakeViewer.h"
#include "WindowParts.h"
#include "app/Application.h"
#include "help/HelpKit.h"
#include "ui/Colours.h"
#include "window/Almanac.h"
#include "window/Calc.h"
#include "window/CalcMenu.h"
#include "window/PicturePane.h"
#include "window/Spin.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using zentolk::TFrmCalc;
using zentolk::TPicturePane;
using zentolk::TPictureView;
using zentolk::testing::FakeOs;
using zentolk::testing::Part;

namespace {
// The box of a text's ink as drawn, in the picture's units.
QPolygonF InkOf(const zentolk::picture::Shape& text, const QFont& font, double leastText) {
    const zentolk::PlacedText placed = zentolk::PlaceText(text, font, leastText);
    const QRectF ink =
        QFontMetricsF(placed.font).tightBoundingRect(QString::fromStdString(text.text));
    return placed.turn.map(QPolygonF(ink.translated(placed.baseline)));
}
} // namespace

class PictureTabTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeOs> fake;
    std::unique_ptr<zentolk::help::HelpKit> kit;
    std::unique_ptr<TFrmCalc> calc;
    zentolk::TFrmAlmanac* almanac = nullptr;

private slots:
    void init() {
        fake = std::make_unique<FakeOs>();
        fake->now.date = {683, 8, 29}; // 9.12.11.5.18 6 Edznab 11 Yax
        zentolk::testing::OfferFakeViewer(*fake);
        kit = std::make_unique<zentolk::help::HelpKit>(*fake);
        calc = std::make_unique<TFrmCalc>(*kit);
        calc->show();
        almanac = zentolk::ShowAlmanac(*calc);
    }
    void cleanup() {
        calc.reset();
        kit.reset();
        fake.reset();
    }

    void picturesSayTheDayInWordsAndFollowIt() {
        auto* tabs = Part<QTabWidget>(*almanac, "Tabs");
        QCOMPARE(tabs->tabText(2), QString("Pictu&re"));
        auto* longCount = Part<TPictureView>(*almanac, "LongCountPicture");
        auto* round = Part<TPictureView>(*almanac, "CalendarRoundPicture");
        QCOMPARE(longCount->accessibleDescription(),
                 QString("Long Count 9.12.11.5.18: 9 baktuns, 12 katuns, 11 tuns, 5 uinals, 18 "
                         "kins. Calendar Round 6 Edznab 11 Yax."));
        QVERIFY(round->accessibleDescription().startsWith("Calendar Round 6 Edznab 11 Yax: "));
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(longCount);
        QVERIFY(reader != nullptr);
        QCOMPARE(reader->role(), QAccessible::Graphic);
        QCOMPARE(reader->text(QAccessible::Name), QString("Long Count picture"));
        QCOMPARE(reader->text(QAccessible::Description), longCount->accessibleDescription());
        QCOMPARE(longCount->focusPolicy(), Qt::StrongFocus);

        Part<zentolk::TSpinEdit>(*calc, "Day")->setText("30");
        QVERIFY(longCount->accessibleDescription().startsWith("Long Count 9.12.11.5.19:"));
        Part<zentolk::TSpinEdit>(*calc, "Year")->setText("");
        QCOMPARE(longCount->accessibleDescription(), QString("No day is shown."));
        QVERIFY(!Part<QPushButton>(*almanac, "CopyLongCount")->isEnabled());
    }

    void picturesFollowThePalette() {
        QPalette dark;
        dark.setColor(QPalette::Base, QColor("#202020"));
        dark.setColor(QPalette::Text, QColor("#f0f0f0"));
        dark.setColor(QPalette::Link, QColor("#0000ff")); // too dark to stand out here
        const zentolk::picture::Inks inks = zentolk::InksOf(dark);
        QCOMPARE(inks.paper, std::string("#202020"));
        QCOMPARE(inks.text, std::string("#f0f0f0"));
        // Lighter, still blue: between the link's colour and the text's.
        const QColor accent(QString::fromStdString(inks.accent));
        QVERIFY(accent.lightness() > QColor("#0000ff").lightness());
        QVERIFY(accent.blue() > accent.red() && accent != QColor("#f0f0f0"));
        // Every mark and label reads as text does on the paper.
        for (const std::string& ink : {inks.text, inks.accent, inks.faint})
            QVERIFY(zentolk::ContrastRatio(QColor(QString::fromStdString(ink)),
                                           QColor("#202020")) >= zentolk::ReadableContrast);
        auto* view = Part<TPictureView>(*almanac, "LongCountPicture");
        view->setPalette(dark);
        QVERIFY(view->Svg().find("fill=\"#f0f0f0\"") != std::string::npos);
        QCOMPARE(view->Image(1).pixelColor(2, 2), QColor("#202020"));
    }

    // Labels drawn as large as the window's text, on any day and at any size
    // of the view, never run into each other: their ink, measured in the
    // window's font, stays apart.
    void calendarRoundLabelsKeepApart() {
        const QFont font = Part<TPictureView>(*almanac, "CalendarRoundPicture")->font();
        for (std::int64_t jdn = 2456283; jdn < 2456283 + 365; jdn += 19) {
            const zentolk::picture::Picture p = zentolk::picture::CalendarRoundPicture(
                zentolk::ComputeAlmanac(jdn, zentolk::DefaultCorrelation));
            // From the picture's own size to a view far narrower than the default.
            for (const double viewWidth : {1e9, 700.0, 254.0, 160.0, 80.0}) {
                const double leastText = QFontInfo(font).pixelSize() * p.width / viewWidth;
                std::vector<std::pair<std::string, QPolygonF>> inks;
                for (const auto& g : p.groups)
                    for (const auto& s : g.shapes)
                        if (s.kind == zentolk::picture::Kind::Text)
                            inks.emplace_back(s.text, InkOf(s, font, leastText));
                for (std::size_t i = 0; i < inks.size(); ++i)
                    for (std::size_t j = i + 1; j < inks.size(); ++j)
                        QVERIFY2(!inks[i].second.intersects(inks[j].second),
                                 qPrintable(QString("%1 and %2, view %3 wide")
                                                .arg(inks[i].first.c_str(), inks[j].first.c_str())
                                                .arg(viewWidth)));
            }
        }
    }

    void copiesAndSavesAsPngOrSvg() {
        auto* pane = Part<TPicturePane>(*almanac, "PicturePane");
        QTest::mouseClick(Part<QPushButton>(*almanac, "CopyCalendarRound"), Qt::LeftButton);
        QVERIFY(fake->clipboardPng.starts_with("\x89PNG"));
        QXmlStreamReader svg(QByteArray::fromStdString(fake->clipboardSvg));
        int wheels = 0;
        while (!svg.atEnd())
            if (svg.readNext() == QXmlStreamReader::StartElement &&
                svg.attributes().value("class") == QLatin1String("wheel"))
                ++wheels;
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QCOMPARE(wheels, 3);

        fake->clipboardAvailable = false;
        QVERIFY(!pane->CopyPicture(*pane->LongCountPicture()));
        QCOMPARE(fake->messages.size(), std::size_t{1});

        QVERIFY(pane->SavePicture(*pane->LongCountPicture(), "/opt/zentolk/bin/lc.svg"));
        QVERIFY(fake->files["/opt/zentolk/bin/lc.svg"].content.starts_with("<svg "));
        QVERIFY(pane->SavePicture(*pane->LongCountPicture(), "/opt/zentolk/bin/lc.PNG"));
        QVERIFY(fake->files["/opt/zentolk/bin/lc.PNG"].content.starts_with("\x89PNG"));
        fake->files["/opt/zentolk/bin/lc.svg"].readOnly = true;
        QVERIFY(!pane->SavePicture(*pane->LongCountPicture(), "/opt/zentolk/bin/lc.svg"));
        QCOMPARE(fake->messages.size(), std::size_t{2});
    }
};

int main(int argc, char** argv) {
    zentolk::TApplication app(argc, argv);
    PictureTabTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "PictureTabTest.moc"
