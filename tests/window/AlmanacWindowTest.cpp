// The Almanac window driven by keys and clicks beside a calculator whose
// desktop is a fake.
#include "FakeOs.h"
#include "FakeViewer.h"
#include "Unhurried.h"
#include "WindowParts.h"
#include "app/Application.h"
#include "engine/AlmanacDay.h"
#include "help/HelpKit.h"
#include "window/Almanac.h"
#include "window/Calc.h"
#include "window/CalcMenu.h"
#include "window/Spin.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

using zentolk::TFrmAlmanac;
using zentolk::TFrmCalc;
using zentolk::TSpinEdit;
using zentolk::testing::FakeOs;
using zentolk::testing::Part;
using zentolk::testing::WaitActive;
using zentolk::testing::WaitExposed;

class AlmanacWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeOs> fake;
    std::unique_ptr<zentolk::help::HelpKit> kit;
    std::unique_ptr<TFrmCalc> calc;
    TFrmAlmanac* almanac = nullptr;

    QStringList calcDate() const {
        return {Part<TSpinEdit>(*calc, "Month")->text(), Part<TSpinEdit>(*calc, "Day")->text(),
                Part<TSpinEdit>(*calc, "Year")->text(),
                Part<QComboBox>(*calc, "ADBC")->currentText()};
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

    // Under a 20 pt font every value is shown whole, the correlation number
    // included, in a window too narrow for them (which scrolls).
    void aLargeFontShowsEveryValueWhole() {
        calc.reset();
        const QFont before = QApplication::font();
        QApplication::setFont(QFont(before.family(), 20));
        calc = std::make_unique<TFrmCalc>(*kit);
        calc->show();
        almanac = zentolk::ShowAlmanac(*calc);
        QVERIFY(WaitExposed(almanac));
        almanac->resize(320, almanac->height()); // narrow, as beside the calculator
        auto* correlation = Part<QLineEdit>(*almanac, "CorrelationNumber");
        correlation->setText("-9999999");
        QApplication::processEvents();
        for (QLineEdit* field : almanac->findChildren<QLineEdit*>()) {
            if (!field->isReadOnly() && field != correlation)
                continue;
            const int needed = QFontMetrics(field->font()).horizontalAdvance(field->text());
            QVERIFY2(field->width() > needed, qPrintable(field->objectName()));
        }
        QApplication::setFont(before);
    }

    void opensFromTheContextMenuOnce() {
        // Fires once the menu's own loop runs.
        QTimer::singleShot(0, [] {
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

    // From anywhere in the calculator, a field included, Shift+F10 and the
    // Menu key open its window menu; Ctrl+L opens the Almanac, Escape
    // closes it.
    void theKeyboardOpensTheMenuAndTheAlmanac_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Shift+F10 in Month")
            << "Month" << int(Qt::Key_F10) << int(Qt::ShiftModifier);
        QTest::newRow("Menu key in Year") << "Year" << int(Qt::Key_Menu) << 0;
        QTest::newRow("Menu key on Exit") << "ExitBtn" << int(Qt::Key_Menu) << 0;
        QTest::newRow("Shift+F10 on the era")
            << "ADBC" << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }
    void theKeyboardOpensTheMenuAndTheAlmanac() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        almanac->close();
        calc->activateWindow();
        QVERIFY(WaitActive(calc.get()));
        QWidget* target = Part<QWidget>(*calc, qPrintable(focus));
        target->setFocus(Qt::OtherFocusReason);
        QString seen;
        // The menu is closed once the window system has given it the focus, as a user can
        // close it: closed before, its activation comes late, finds no menu open and leaves no
        // window active, and Ctrl+L (a window's key) then does nothing. However late that
        // comes, it is waited for.
        const QMetaObject::Connection watch =
            QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [&seen](QWindow* focus) {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (menu == nullptr || focus != menu->windowHandle())
                    return;
                // Out of the focus change first.
                QTimer::singleShot(0, menu, [&seen, menu] {
                    seen = menu->objectName() + " " + menu->actions().value(0)->text();
                    menu->close();
                });
            });
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QObject::disconnect(watch);
        QCOMPARE(seen, QString("CalcMenu Almanac..."));
        QVERIFY(!almanac->isVisible());

        QTest::keyClick(target, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(almanac->isVisible());
        almanac->activateWindow();
        QVERIFY(WaitActive(almanac));
        QTest::keyClick(Part<QLineEdit>(*almanac, "LongCountInput"), Qt::Key_Escape);
        QVERIFY(!almanac->isVisible());
    }

    // F1 opens the help page of the Almanac's page shown.
    void f1OpensTheHelpOfThePageShown() {
        auto* tabs = Part<QTabWidget>(*almanac, "Tabs");
        almanac->activateWindow();
        QVERIFY(WaitActive(almanac));
        const char* const pages[] = {"almanac.htm", "inscriptions.htm", "pictures.htm"};
        for (int i = 0; i < 3; ++i) {
            tabs->setCurrentIndex(i);
            zentolk::testing::viewerCalls.clear();
            QTest::keyClick(tabs, Qt::Key_F1);
            QCOMPARE(zentolk::testing::viewerCalls.size(), std::size_t(1));
            QVERIFY2(zentolk::testing::viewerCalls[0].file.ends_with(std::string("Zentolk.chm::/") +
                                                                     pages[i]),
                     zentolk::testing::viewerCalls[0].file.c_str());
        }
    }

    // With a large font the Almanac is taller than the screen: it lies on
    // the screen all the same and scrolls.
    void aWindowTallerThanTheScreenScrolls() {
        calc.reset();
        QFont large = QApplication::font();
        large.setPointSize(30);
        QApplication::setFont(large);
        calc = std::make_unique<TFrmCalc>(*kit);
        calc->show();
        almanac = zentolk::ShowAlmanac(*calc);
        QApplication::setFont(QFont());
        const QRect screen = almanac->screen()->availableGeometry();
        QVERIFY(screen.contains(almanac->frameGeometry()));
        auto* page = almanac->findChild<QScrollArea*>("ScrollingPage");
        QVERIFY(page != nullptr);
        QVERIFY(page->widget()->sizeHint().height() > screen.height());
        QVERIFY(page->verticalScrollBar()->maximum() > 0);
    }

    void followsTheCalculatorAndShowsTheCorrelation() {
        QCOMPARE(Part<QLineEdit>(*almanac, "LongCountField")->text(), QString("13.0.0.0.0"));
        QCOMPARE(Part<QLineEdit>(*almanac, "CalendarRoundField")->text(),
                 QString("4 Ahau 3 Kankin"));
        QCOMPARE(Part<QLineEdit>(*almanac, "JulianField")->text(),
                 QString("December 8, 2012 A.D. (2012-12-08)"));
        QCOMPARE(Part<QLineEdit>(*almanac, "LordField")->text(), QString("G9"));
        // The station and the bearer, as the command line's block gives them.
        QCOMPARE(Part<QLineEdit>(*almanac, "DayStationField")->text(),
                 QString("12.19.18.6.12  1 Eb 0 Zip  (588 days before)"));
        QCOMPARE(Part<QLineEdit>(*almanac, "StationQuarterField")->text(),
                 QString("south, yellow"));
        QCOMPARE(Part<QLineEdit>(*almanac, "PatronField")->text(), QString("patron of Kankin"));
        QCOMPARE(Part<QLineEdit>(*almanac, "DayBearerField")->text(), QString("1 Caban (classic)"));
        QCOMPARE(Part<QLineEdit>(*almanac, "PeriodEndingField")->text(),
                 QString("baktun, katun 4 Ahau"));
        QCOMPARE(Part<QLineEdit>(*almanac, "KatunField")->text(),
                 QString("4 Ahau, ending 13.0.0.0.0 4 Ahau 3 Kankin (this day)"));
        // The Lunar Series of every convention, as lunar gives them.
        QCOMPARE(Part<QLineEdit>(*almanac, "LunarSeries_astronomical")->text(),
                 QString("age 8 (D 8), A 29"));
        QCOMPARE(Part<QLineEdit>(*almanac, "LunarSeries_palenque")->text(),
                 QString("age 3 (D 3), C 2 in the semester before the skull's, A 30"));
        QCOMPARE(Part<QLineEdit>(*almanac, "LunarSeries_coba")->accessibleName(),
                 QString("Lunar Series, Coba base count"));
        typeAndEnter(Part<QLineEdit>(*almanac, "CorrelationNumber"), "584285");
        QCOMPARE(Part<QComboBox>(*almanac, "CorrelationList")->currentIndex(), 1);
        QCOMPARE(Part<QLineEdit>(*almanac, "LongCountField")->text(), QString("12.19.19.17.18"));
        QVERIFY(Part<QLabel>(*almanac, "Note")->text().contains("counts with 584283"));
        // The calculator's day changes by typing; a cleared Year clears the almanac.
        Part<TSpinEdit>(*calc, "Day")->setText("23");
        QCOMPARE(Part<QLineEdit>(*almanac, "LongCountField")->text(), QString("13.0.0.0.0"));
        Part<TSpinEdit>(*calc, "Year")->setText("");
        QCOMPARE(Part<QLineEdit>(*almanac, "LongCountField")->text(), QString());
        QVERIFY(!almanac->ShownDay());
    }

    void setsTheCalculatorFromALongCountAJulianDateAndASearch() {
        typeAndEnter(Part<QLineEdit>(*almanac, "LongCountInput"), "9.12.11.5.18");
        QCOMPARE(calcDate(), (QStringList{"8", "29", "683", "A.D."}));
        QCOMPARE(Part<QLineEdit>(*calc, "Tzolkin")->text(), QString("6  Edznab  (Flint)"));
        typeAndEnter(Part<QLineEdit>(*almanac, "JulianInput"), "9 6 3114 BC");
        QCOMPARE(calcDate(), (QStringList{"8", "11", "3114", "B.C."}));
        QCOMPARE(Part<QLineEdit>(*calc, "jMayan")->text(), QString("0.0.0.0.0"));
        QCOMPARE(Part<QLineEdit>(*almanac, "CalendarRoundField")->text(),
                 QString("4 Ahau 8 Cumku"));
        // The next 4 Ahau 8 Cumku is one Calendar Round later.
        Part<QComboBox>(*almanac, "TzolkinNumber")->setCurrentIndex(4);
        Part<QComboBox>(*almanac, "TzolkinSignList")->setCurrentIndex(20);
        Part<QComboBox>(*almanac, "HaabDayList")->setCurrentIndex(9);
        Part<QComboBox>(*almanac, "HaabMonthList")->setCurrentIndex(18);
        QTest::mouseClick(Part<QPushButton>(*almanac, "NextBtn"), Qt::LeftButton);
        QCOMPARE(almanac->ShownDay(), std::optional<std::int64_t>(584283 + 18980));
        QCOMPARE(Part<QLineEdit>(*almanac, "CalendarRoundField")->text(),
                 QString("4 Ahau 8 Cumku"));
        QTest::mouseClick(Part<QPushButton>(*almanac, "PreviousBtn"), Qt::LeftButton);
        QCOMPARE(almanac->ShownDay(), std::optional<std::int64_t>(584283));
        QVERIFY(fake->messages.empty());
    }

    void keepsTheDayItWasSentToAndSaysWhereTheReadingsDiffer() {
        // Day -23194957 is 6 April 68219 B.C.; the calculator's formula counts the day before.
        typeAndEnter(Part<QLineEdit>(*almanac, "LongCountInput"), "-8.5.2.13.8.0");
        QCOMPARE(calcDate(), (QStringList{"4", "6", "68219", "B.C."}));
        QCOMPARE(almanac->ShownDay(), std::optional<std::int64_t>(-23194957));
        QCOMPARE(Part<QLineEdit>(*almanac, "CalendarRoundField")->text(),
                 QString("13 Ahau 8 Yaxkin"));
        QVERIFY(
            Part<QLabel>(*almanac, "Note")->text().contains("count day -23194958, 1 day earlier"));
        // Next and Previous step from the day shown, not from the calculator's.
        Part<QComboBox>(*almanac, "TzolkinNumber")->setCurrentIndex(13);
        Part<QComboBox>(*almanac, "TzolkinSignList")->setCurrentIndex(20);
        QTest::mouseClick(Part<QPushButton>(*almanac, "NextBtn"), Qt::LeftButton);
        QCOMPARE(almanac->ShownDay(), std::optional<std::int64_t>(-23194957 + 260));
        QTest::mouseClick(Part<QPushButton>(*almanac, "PreviousBtn"), Qt::LeftButton);
        QCOMPARE(almanac->ShownDay(), std::optional<std::int64_t>(-23194957));
        typeAndEnter(Part<QLineEdit>(*almanac, "LongCountInput"), "9.12.11.5.18");
        QVERIFY(!Part<QLabel>(*almanac, "Note")->text().contains("readings"));
    }

    void saysWhatItCannotDo() {
        typeAndEnter(Part<QLineEdit>(*almanac, "LongCountInput"), "9.12.11.18.0");
        QVERIFY(Part<QLabel>(*almanac, "Status")->text().contains("uinal must be 0 to 17"));
        Part<QComboBox>(*almanac, "TzolkinNumber")->setCurrentIndex(4);
        Part<QComboBox>(*almanac, "TzolkinSignList")->setCurrentIndex(20);
        Part<QComboBox>(*almanac, "HaabDayList")->setCurrentIndex(5);
        Part<QComboBox>(*almanac, "HaabMonthList")->setCurrentIndex(18);
        QTest::mouseClick(Part<QPushButton>(*almanac, "NextBtn"), Qt::LeftButton);
        QVERIFY(Part<QLabel>(*almanac, "Status")->text().contains("never occurs"));
        // A day beyond the Year field's five digits is shown here, the calculator keeps its date.
        const QStringList before = calcDate();
        typeAndEnter(Part<QLineEdit>(*almanac, "LongCountInput"), "19.0.0.0.0.0");
        QCOMPARE(calcDate(), before);
        QCOMPARE(Part<QLineEdit>(*almanac, "LongCountField")->text(), QString("19.0.0.0.0.0"));
        QVERIFY(Part<QLabel>(*almanac, "Note")->text().contains("five digits"));
        QVERIFY(fake->messages.empty());
    }
};

int main(int argc, char** argv) {
    zentolk::TApplication app(argc, argv);
    AlmanacWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "AlmanacWindowTest.moc"
