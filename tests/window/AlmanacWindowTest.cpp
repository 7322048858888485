// The Almanac window driven by keys and clicks beside a calculator whose
// desktop is a fake.
#include "FakeOs.h"
#include "FakeViewer.h"
#include "app/Application.h"
#include "engine/AlmanacDay.h"
#include "help/HelpKit.h"
#include "window/Almanac.h"
#include "window/Calc.h"
#include "window/Spin.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using zentolk::TFrmAlmanac;
using zentolk::TFrmCalc;
using zentolk::testing::FakeOs;

class AlmanacWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeOs> fake;
    std::unique_ptr<zentolk::help::HelpKit> kit;
    std::unique_ptr<TFrmCalc> calc;
    TFrmAlmanac* almanac = nullptr;

    QStringList calcDate() const {
        return {calc->Month->text(), calc->Day->text(), calc->Year->text(),
                calc->ADBC->currentText()};
    }
    void typeAndEnter(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

private slots:
    void init() {
        fake = std::make_unique<FakeOs>();
        fake->now.date = {2012, 12, 21};
        zentolk::testing::OfferFakeViewer(*fake);
        kit = std::make_unique<zentolk::help::HelpKit>(*fake);
        calc = std::make_unique<TFrmCalc>(*kit);
        calc->show();
        almanac = zentolk::ShowAlmanac(*calc);
    }
    void cleanup() {
        calc.reset(); // owns the Almanac window
        kit.reset();
        fake.reset();
    }

    void opensFromTheContextMenuOnce() {
        QTimer::singleShot(50, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            QCOMPARE(menu->actions().value(0)->text(), QString("Almanac..."));
            menu->actions().value(0)->trigger();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 200},
                                calc->mapToGlobal(QPoint(5, 200)));
        QApplication::sendEvent(calc.get(), &event);
        QCOMPARE(calc->findChildren<TFrmAlmanac*>().size(), 1);
        QCOMPARE(calc->size(), QSize(448, 531));
    }

    void followsTheCalculatorAndShowsTheCorrelation() {
        QCOMPARE(almanac->LongCountField->text(), QString("13.0.0.0.0"));
        QCOMPARE(almanac->CalendarRoundField->text(), QString("4 Ahau 3 Kankin"));
        QCOMPARE(almanac->JulianField->text(), QString("December 8, 2012 A.D. (2012-12-08)"));
        QCOMPARE(almanac->LordField->text(), QString("G9"));
        typeAndEnter(almanac->CorrelationNumber, "584285");
        QCOMPARE(almanac->CorrelationList->currentIndex(), 1);
        QCOMPARE(almanac->LongCountField->text(), QString("12.19.19.17.18"));
        QVERIFY(almanac->Note->text().contains("counts with 584283"));
        // The calculator's day changes by typing; a cleared Year clears the almanac.
        calc->Day->setText("23");
        QCOMPARE(almanac->LongCountField->text(), QString("13.0.0.0.0"));
        calc->Year->setText("");
        QCOMPARE(almanac->LongCountField->text(), QString());
        QVERIFY(!almanac->ShownDay());
    }

    void setsTheCalculatorFromALongCountAJulianDateAndASearch() {
        typeAndEnter(almanac->LongCountInput, "9.12.11.5.18");
        QCOMPARE(calcDate(), (QStringList{"8", "29", "683", "A.D."}));
        QCOMPARE(calc->Tzolkin->text(), QString("6  Edznab  (Flint)"));
        typeAndEnter(almanac->JulianInput, "9 6 3114 BC");
        QCOMPARE(calcDate(), (QStringList{"8", "11", "3114", "B.C."}));
        QCOMPARE(calc->jMayan->text(), QString("0.0.0.0.0"));
        QCOMPARE(almanac->CalendarRoundField->text(), QString("4 Ahau 8 Cumku"));
        // The next 4 Ahau 8 Cumku is one Calendar Round later.
        almanac->TzolkinNumber->setCurrentIndex(4);
        almanac->TzolkinSignList->setCurrentIndex(20);
        almanac->HaabDayList->setCurrentIndex(9);
        almanac->HaabMonthList->setCurrentIndex(18);
        QTest::mouseClick(almanac->NextBtn, Qt::LeftButton);
        QCOMPARE(almanac->ShownDay(), std::optional<std::int64_t>(584283 + 18980));
        QCOMPARE(almanac->CalendarRoundField->text(), QString("4 Ahau 8 Cumku"));
        QTest::mouseClick(almanac->PreviousBtn, Qt::LeftButton);
        QCOMPARE(almanac->ShownDay(), std::optional<std::int64_t>(584283));
        QVERIFY(fake->messages.empty());
    }

    void saysWhatItCannotDo() {
        typeAndEnter(almanac->LongCountInput, "9.12.11.18.0");
        QVERIFY(almanac->Status->text().contains("uinal must be 0 to 17"));
        almanac->TzolkinNumber->setCurrentIndex(4);
        almanac->TzolkinSignList->setCurrentIndex(20);
        almanac->HaabDayList->setCurrentIndex(5);
        almanac->HaabMonthList->setCurrentIndex(18);
        QTest::mouseClick(almanac->NextBtn, Qt::LeftButton);
        QVERIFY(almanac->Status->text().contains("never occurs"));
        // A day beyond the Year field's five digits is shown here, the calculator keeps its date.
        const QStringList before = calcDate();
        typeAndEnter(almanac->LongCountInput, "19.0.0.0.0.0");
        QCOMPARE(calcDate(), before);
        QCOMPARE(almanac->LongCountField->text(), QString("19.0.0.0.0.0"));
        QVERIFY(almanac->Note->text().contains("five digits"));
        QVERIFY(fake->messages.empty());
    }
};

int main(int argc, char** argv) {
    zentolk::TApplication app(argc, argv);
    AlmanacWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "AlmanacWindowTest.moc"
