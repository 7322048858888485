// The Almanac on its own, beside a stand-in for the calculator: what it reads
// of the target's date, what it sets there, and Tab through its pages.
#include "Unhurried.h"
#include "WindowParts.h"
#include "app/Application.h"
#include "window/Almanac.h"
#include "window/DateTarget.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <memory>

using zentolk::TFrmAlmanac;
using zentolk::testing::Part;
using zentolk::testing::WaitActive;

namespace {
// Holds a date and records what the Almanac asks of it.
struct FakeTarget : zentolk::DateTarget {
    FieldTexts fields{"8", "29", "683", 0};
    QList<QList<int>> set; // each SetFields: month, day, year, era
    FieldTexts Fields() const override { return fields; }
    void SetFields(int month, int day, int year, int era) override {
        set.append({month, day, year, era});
    }
    void ShowHelpPage(std::string_view) override {}
};
} // namespace

class AlmanacTargetTest : public QObject {
    Q_OBJECT

    FakeTarget target;
    std::unique_ptr<TFrmAlmanac> almanac;

    void typeAndEnter(const char* name, const QString& text) {
        auto* field = Part<QLineEdit>(*almanac, name);
        field->setText(text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    QString text(const char* name) { return Part<QLineEdit>(*almanac, name)->text(); }

private slots:
    void init() {
        target = FakeTarget();
        almanac = std::make_unique<TFrmAlmanac>(target, nullptr);
    }
    void cleanup() { almanac.reset(); }

    // A day gone to sets the target's fields once, era as its index; one the
    // Year field cannot hold, or no day, leaves them alone.
    void eachWayBackSetsTheTargetOnce_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<QList<int>>>("set");
        QTest::addColumn<QString>("said");
        using Sets = QList<QList<int>>;
        QTest::newRow("Long Count") << "LongCountInput"
                                    << "9.12.11.5.18" << Sets{{8, 29, 683, 0}} << "";
        QTest::newRow("Julian date B.C.") << "JulianInput"
                                          << "9 6 3114 BC" << Sets{{8, 11, 3114, 1}} << "";
        QTest::newRow("six-digit year") << "LongCountInput"
                                        << "19.0.0.0.0.0" << Sets{} << "five digits";
        QTest::newRow("no Long Count") << "LongCountInput"
                                       << "9.12.11.18.0" << Sets{} << "uinal must be 0 to 17";
    }
    void eachWayBackSetsTheTargetOnce() {
        QFETCH(QString, input);
        QFETCH(QString, typed);
        QFETCH(QString, said);
        typeAndEnter(qPrintable(input), typed);
        QTEST(target.set, "set");
        const QString shown =
            Part<QLabel>(*almanac, "Note")->text() + " " + Part<QLabel>(*almanac, "Status")->text();
        QVERIFY2(shown.contains(said), qPrintable(shown));
    }

    // The Almanac shows the target's date when told of it, searches from it,
    // and clears when the date cannot be read.
    void followsAndSearchesFromTheTargetsDate() {
        QCOMPARE(text("LongCountField"), QString("9.12.11.5.18"));
        target.fields = {"8", "30", "683", 0};
        QCOMPARE(text("LongCountField"), QString("9.12.11.5.18")); // not told yet
        almanac->FollowDate();
        QCOMPARE(text("LongCountField"), QString("9.12.11.5.19"));
        // The next 6 Edznab, 260 days after the last, the day before.
        Part<QComboBox>(*almanac, "TzolkinNumber")->setCurrentIndex(6);
        Part<QComboBox>(*almanac, "TzolkinSignList")->setCurrentIndex(18);
        QTest::mouseClick(Part<QWidget>(*almanac, "NextBtn"), Qt::LeftButton);
        QCOMPARE(target.set, (QList<QList<int>>{{5, 15, 684, 0}}));
        target.fields.year = "";
        almanac->FollowDate();
        QCOMPARE(text("JdnField"), QString());
        QVERIFY(!almanac->ShownDay());
        QCOMPARE(Part<QLabel>(*almanac, "Note")->text(), QString("The calculator shows no day."));
    }

    // Tab goes from the correlation to the tab bar, through the page shown
    // in order, to Close and round again.
    void tabVisitsThePageShownInOrder_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("This day") << 0
                                  << QStringList{"JdnField",
                                                 "GregorianField",
                                                 "JulianField",
                                                 "LongCountField",
                                                 "TzolkinField",
                                                 "HaabField",
                                                 "PatronField",
                                                 "CalendarRoundField",
                                                 "LordField",
                                                 "DayStationField",
                                                 "StationQuarterField",
                                                 "DayBearerField",
                                                 "PeriodEndingField",
                                                 "KatunField",
                                                 "LunarSeries_astronomical",
                                                 "LunarSeries_palenque",
                                                 "LunarSeries_coba",
                                                 "LongCountInput",
                                                 "LongCountGo",
                                                 "JulianInput",
                                                 "JulianGo",
                                                 "TzolkinNumber",
                                                 "TzolkinSignList",
                                                 "HaabDayList",
                                                 "HaabMonthList",
                                                 "PreviousBtn",
                                                 "NextBtn"};
        QTest::newRow("Inscriptions")
            << 1 << QStringList{"StationField",  "BearerList",    "BearerField", "SpellingList",
                                "DistanceInput", "AddBtn",        "SubtractBtn", "FromInput",
                                "MeasureBtn",    "FullDateInput", "CheckBtn",    "PatternInput",
                                "FindBtn",       "PeriodInput",   "PeriodBtn",   "PlaceInput",
                                "PlaceBtn",      "DayList"};
        QTest::newRow("Picture") << 2 << QStringList{"LongCountPicture",  "CopyLongCount",
                                                     "SaveLongCount",     "CalendarRoundPicture",
                                                     "CopyCalendarRound", "SaveCalendarRound"};
    }
    void tabVisitsThePageShownInOrder() {
        QFETCH(int, page);
        QFETCH(QStringList, controls);
        Part<QTabWidget>(*almanac, "Tabs")->setCurrentIndex(page);
        almanac->show();
        almanac->activateWindow();
        QVERIFY(WaitActive(almanac.get()));
        Part<QWidget>(*almanac, "CorrelationList")->setFocus(Qt::TabFocusReason);
        QStringList visited;
        while (visited.size() < 40 && !visited.contains("CorrelationList")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        const QStringList expected = QStringList{"CorrelationNumber", "qt_tabwidget_tabbar"} +
                                     controls + QStringList{"CloseBtn", "CorrelationList"};
        QCOMPARE(visited, expected);
    }
};

int main(int argc, char** argv) {
    zentolk::TApplication app(argc, argv);
    AlmanacTargetTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "AlmanacTargetTest.moc"
