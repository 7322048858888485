// The Almanac's Inscriptions page driven by keys and clicks beside a
// calculator whose desktop is a fake.
#include "FakeOs.h"
#include "FakeViewer.h"
#include "Unhurried.h"
#include "WindowParts.h"
#include "app/Application.h"
#include "help/HelpKit.h"
#include "window/Almanac.h"
#include "window/Calc.h"
#include "window/CalcMenu.h"
#include "window/Spin.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

using zentolk::TFrmAlmanac;
using zentolk::TFrmCalc;
using zentolk::testing::FakeOs;
using zentolk::testing::Part;
using zentolk::testing::WaitActive;

class InscriptionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeOs> fake;
    std::unique_ptr<zentolk::help::HelpKit> kit;
    std::unique_ptr<TFrmCalc> calc;
    TFrmAlmanac* almanac = nullptr;

    void typeAndEnter(const char* name, const QString& text) {
        auto* field = Part<QLineEdit>(*almanac, name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    QString text(const char* name) { return Part<QLineEdit>(*almanac, name)->text(); }
    QString result() { return Part<QLabel>(*almanac, "Result")->text(); }

private slots:
    void init() {
        fake = std::make_unique<FakeOs>();
        fake->now.date = {683, 8, 29}; // 9.12.11.5.18 6 Edznab 11 Yax
        zentolk::testing::OfferFakeViewer(*fake);
        kit = std::make_unique<zentolk::help::HelpKit>(*fake);
        calc = std::make_unique<TFrmCalc>(*kit);
        calc->show();
        almanac = zentolk::ShowAlmanac(*calc);
        Part<QTabWidget>(*almanac, "Tabs")->setCurrentIndex(1);
    }
    void cleanup() {
        calc.reset();
        kit.reset();
        fake.reset();
    }

    void showsTheStationAndTheYearBearerInEitherSpelling() {
        QCOMPARE(text("StationField"), QString("9.12.9.5.5  1 Chicchan 8 Yax  (733 days before)"));
        QCOMPARE(text("BearerField"), QString("10 Manik"));
        Part<QComboBox>(*almanac, "BearerList")->setCurrentIndex(2); // mayapan: 2 Pop
        QCOMPARE(text("BearerField"), QString("12 Muluc"));
        Part<QComboBox>(*almanac, "SpellingList")->setCurrentIndex(1);
        QCOMPARE(text("BearerField"), QString("12 Muluk"));
        QCOMPARE(text("CalendarRoundField"), QString("6 Etz'nab 11 Yax"));
    }

    // The result line is read: a status line named by its text, errors
    // included, as the calculator's reading is (and so announced alike).
    void theResultIsReadAsAStatus() {
        auto* line = Part<QLabel>(*almanac, "Result");
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(line);
        for (const char* typed : {"9.12.0.0.0", "9.12.0.0.0 4 Ahau 8 Cumku", "nonsense"}) {
            typeAndEnter("FullDateInput", typed);
            QCOMPARE(reader->role(), QAccessible::StatusBar);
            QCOMPARE(reader->text(QAccessible::Name), line->text());
            QCOMPARE(reader->text(QAccessible::Value), line->text());
        }
    }

    // Lists named by their captions whatever is picked, read-only values
    // that are not editable, examples not given as descriptions.
    void controlsAreNamedByTheirCaptions() {
        const auto nameOf = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        Part<QComboBox>(*almanac, "SpellingList")->setCurrentIndex(1);
        QCOMPARE(nameOf(Part<QWidget>(*almanac, "SpellingList")), QString("Spelling"));
        QCOMPARE(nameOf(Part<QWidget>(*almanac, "BearerList")), QString("Year bearer system"));
        for (const char* name : {"StationField", "BearerField"}) {
            const QAccessible::State state =
                QAccessible::queryAccessibleInterface(Part<QLineEdit>(*almanac, name))->state();
            QVERIFY(state.readOnly && !state.editable);
        }
        for (QLineEdit* field : almanac->findChildren<QLineEdit*>())
            if (!field->placeholderText().isEmpty())
                QVERIFY(QAccessible::queryAccessibleInterface(field)->text(
                            QAccessible::Description) != field->placeholderText());
        QCOMPARE(Part<QWidget>(*almanac, "DayPage")->accessibleName(), QString("This day"));
    }

    // Closed from Close and opened again, Tab starts at the first field.
    void theKeysStartAtTheFirstFieldEachTime() {
        almanac->activateWindow();
        QVERIFY(WaitActive(almanac));
        auto* close = Part<QPushButton>(*almanac, "CloseBtn");
        close->setFocus();
        QTest::keyClick(close, Qt::Key_Space);
        QVERIFY(!almanac->isVisible());
        QCOMPARE(zentolk::ShowAlmanac(*calc), almanac);
        QVERIFY(WaitActive(almanac));
        QCOMPARE(QApplication::focusWidget(), Part<QWidget>(*almanac, "CorrelationList"));
    }

    void movesByADistanceNumberAndMeasuresOne() {
        typeAndEnter("DistanceInput", "2.4.0");
        QCOMPARE(text("LongCountField"), QString("9.12.13.9.18"));
        QCOMPARE(Part<zentolk::TSpinEdit>(*calc, "Year")->text(), QString("685"));
        QTest::mouseClick(Part<QPushButton>(*almanac, "SubtractBtn"), Qt::LeftButton);
        QCOMPARE(text("LongCountField"), QString("9.12.11.5.18"));
        typeAndEnter("DistanceInput", "2.18.0");
        QVERIFY(result().contains("uinal"));
        typeAndEnter("FromInput", "9.12.9.5.5");
        QVERIFY(result().endsWith(": 2.0.13 (733 days)"));
        typeAndEnter("FromInput", "8 29 683 A.D.");
        QVERIFY(result().endsWith(": 0 (0 days)"));
    }

    void checksAFullDateAndGoesToASuggestion() {
        typeAndEnter("FullDateInput", "9.12.11.5.17 6 Etznab 11 Yax");
        auto* list = Part<QListWidget>(*almanac, "DayList");
        QVERIFY(result().contains("whose Calendar Round is 5 Caban 10 Yax"));
        QCOMPARE(list->count(), 1);
        typeAndEnter("DistanceInput", "1.0.0"); // another action: the suggestions go
        QCOMPARE(list->count(), 0);
        typeAndEnter("FullDateInput", "9.12.11.5.17 6 Etznab 11 Yax"); // back by the suggestion
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(text("LongCountField"), QString("9.12.11.5.18"));
        typeAndEnter("FullDateInput", "13.0.0.0.0 4 Ahau 8 Cumku");
        QVERIFY(result().contains("era before"));
        // The era before as it writes its days, on both pages.
        typeAndEnter("LongCountInput", "12.19.13.4.0 8 Ahau 18 Tzec");
        QCOMPARE(text("LongCountField"), QString("12.19.13.4.0 (era before)"));
        QVERIFY(text("StationField").startsWith("12.19.13.3.0 (era before)  1 Ahau 18 Zotz"));
        typeAndEnter("FromInput", "13.0.0.0.0 (era before)");
        QVERIFY(result().endsWith(": -6.14.0 (-2,440 days)"));
    }

    void listsTheDaysOfADamagedDate() {
        // Both eras, as their inscriptions write them: 99 days in each.
        typeAndEnter("PatternInput", "9.*.*.0.0 * Ahau 8 *");
        QCOMPARE(result(), QString("198 days from 0.0.0.0.0 (era before) to 13.0.0.0.0 fit."));
        QCOMPARE(Part<QListWidget>(*almanac, "DayList")->count(), 198);
        typeAndEnter("PatternInput", "*.*.*.*.*");
        QVERIFY(result().contains("3,744,001 days"));
        QCOMPARE(Part<QListWidget>(*almanac, "DayList")->count(), 1000);
        typeAndEnter("PatternInput", "9.*.*.0 Ahau");
        QVERIFY(result().contains("five places"));
        QVERIFY(fake->messages.empty());
    }

    // Both lists are named for screen readers and go to a day on Enter.
    void listsPeriodEndingsAndPlacesShortFormDates() {
        typeAndEnter("PeriodInput", "katun 13");
        QCOMPARE(result(), QString("20 days from 0.0.0.0.0 to 13.0.0.0.0."));
        auto* list = Part<QListWidget>(*almanac, "DayList");
        QCOMPARE(list->accessibleName(), QString("Period endings"));
        QVERIFY(list->item(0)->text().startsWith("0.2.0.0.0  13 Ahau 8 Mol"));

        typeAndEnter("PlaceInput", "3 Ajaw 3 Muwaan in katun 13 Ajaw");
        QCOMPARE(list->accessibleName(), QString("Placed days"));
        QCOMPARE(result(), QString("10 days from 0.0.0.0.0 to 13.0.0.0.0."));
        list->setCurrentItem(list->findItems("9.16.6.11.0 ", Qt::MatchStartsWith).value(0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(text("LongCountField"), QString("9.16.6.11.0"));
        QVERIFY(fake->messages.empty());
    }

    void aFontSetLaterStillShowsAFullDate() {
        auto* field = Part<QLineEdit>(*almanac, "FullDateInput");
        const QString date = QStringLiteral("12.19.13.4.0 13 Chicchan 8 Kankin");
        QFont font = almanac->font();
        font.setPointSize(20);
        almanac->setFont(font);
        QVERIFY(field->minimumWidth() > QFontMetrics(font).horizontalAdvance(date));
    }
};

int main(int argc, char** argv) {
    zentolk::TApplication app(argc, argv);
    InscriptionsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "InscriptionsTest.moc"
