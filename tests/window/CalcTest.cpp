// The main window driven as a user drives it: keys into the fields, clicks
// on the buttons, with a fake desktop recording boxes and the clipboard.
#include "window/Calc.h"

#include "FakeOs.h"
#include "FakeViewer.h"
#include "WindowParts.h"
#include "WorkedExample.h"
#include "app/Application.h"
#include "help/HelpKit.h"
#include "ui/Translations.h"
#include "viewer/hhctrl.h"
#include "window/Spin.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <memory>

using zentolk::TFrmCalc;
using zentolk::TSpinEdit;
using zentolk::TTimerSpeedButton;
using zentolk::platform::MessageKind;
using zentolk::testing::FakeOs;
using zentolk::testing::Part;
using zentolk::testing::viewerCalls;

namespace {

const char* const OutputNames[] = {"GreatCycle", "KinDays", "KinLbl1", "KinLeft", "KinLbl2",
                                   "Harmonic",   "jMayan",  "LongC",   "Tzolkin", "WeekD"};

QString outputText(TFrmCalc& w, const char* name) {
    auto* widget = w.findChild<QWidget*>(QString::fromLatin1(name));
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        return field->text();
    return qobject_cast<QLabel*>(widget)->text();
}

QStringList outputs(TFrmCalc& w) {
    QStringList texts;
    for (const char* name : OutputNames)
        texts << outputText(w, name);
    return texts;
}

// Replaces a field's text the way a user does: select all, then type.
void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

// Ticks of a held spin button's repeat timer, whatever the clock says.
void Tick(TTimerSpeedButton* button, int times = 1) {
    for (int i = 0; i < times && button->RepeatTimer() != nullptr; ++i)
        QMetaObject::invokeMethod(button->RepeatTimer(), "timeout");
}

} // namespace

class CalcTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeOs> fake;
    std::unique_ptr<zentolk::help::HelpKit> kit;
    std::unique_ptr<TFrmCalc> window;

    TFrmCalc& w() { return *window; }
    std::vector<std::string> errorTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : fake->messages)
            if (m.kind == MessageKind::Error)
                texts.push_back(m.text);
        return texts;
    }

    static void RemoveTranslations() {
        for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        zentolk::InstallTranslations(*qApp, zentolk::platform::Language::English);
    }

private slots:
    void init() {
        fake = std::make_unique<FakeOs>();
        fake->now.date = {2024, 6, 15};
        fake->currentDirectory = "/home/user";
        zentolk::testing::OfferFakeViewer(*fake);
        // Installed: its file carries a version.
        fake->AddVersionedFile("/opt/zentolk/lib/zentolk/libhhctrl.so", 5, 2, 3790, 2847);
        kit = std::make_unique<zentolk::help::HelpKit>(*fake);
        window = zentolk::testing::ShownActive<TFrmCalc>(*kit);
        QVERIFY(window != nullptr);
    }
    void cleanup() {
        window.reset();
        kit.reset();
        fake.reset();
    }

    void startsOnTodayWithTodaysReadings() {
        QCOMPARE(Part<TSpinEdit>(w(), "Month")->text(), QString("6"));
        QCOMPARE(Part<TSpinEdit>(w(), "Day")->text(), QString("15"));
        QCOMPARE(Part<TSpinEdit>(w(), "Year")->text(), QString("2024"));
        QCOMPARE(Part<QComboBox>(w(), "ADBC")->currentText(), QString("A.D."));
        QCOMPARE(outputs(w()),
                 (QStringList{"Plus 1", "4,194", "0.22404%", "1,867,806", "99.77596%", "none",
                              "0.0.11.11.14", "0.13.0.11.11.14", "12  Ix  (Jaguar)", "Saturday"}));
        QVERIFY(fake->messages.empty());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Part<TSpinEdit>(w(), "Month")));
    }

    void startsWithoutLeadingZerosAndWithoutErrors() {
        fake->now.date = {2026, 1, 5};
        TFrmCalc second(*kit);
        QCOMPARE(Part<TSpinEdit>(second, "Month")->text(), QString("1"));
        QCOMPARE(Part<TSpinEdit>(second, "Day")->text(), QString("5"));
        for (const QString& text : outputs(second))
            QVERIFY2(!text.isEmpty() && !QString(OutputNames[0]).contains(text), qPrintable(text));
        QVERIFY(fake->messages.empty());
    }

    // Every caption, title and button text shows whole, in either language:
    // a longer translation grows its caption toward the box's edge.
    void everyCaptionShowsWhole_data() {
        QTest::addColumn<bool>("spanish");
        QTest::newRow("English") << false;
        QTest::newRow("Spanish") << true;
    }
    void everyCaptionShowsWhole() {
        QFETCH(bool, spanish);
        const auto language =
            spanish ? zentolk::platform::Language::Spanish : zentolk::platform::Language::English;
        QVERIFY(zentolk::InstallTranslations(*qApp, language));
        TFrmCalc shown(*kit);
        QCOMPARE(Part<QLabel>(shown, "Label1")->text(),
                 spanish ? QString("Mes") : QString("Month"));
        // The readings and the report speak the captions' language.
        const QStringList days = spanish ? QStringList{"12  Ix (Jaguar)", "sábado"}
                                         : QStringList{"12  Ix  (Jaguar)", "Saturday"};
        QCOMPARE(outputs(shown).mid(8), days);
        QTest::mouseClick(Part<QPushButton>(shown, "CopyBtn"), Qt::LeftButton);
        QVERIFY(
            QString::fromStdString(fake->clipboard)
                .contains(spanish ? "\r\nGran Ciclo:  Más 1\r\n" : "\r\nGreat Cycle:  Plus 1\r\n"));
        for (const QLabel* label : shown.findChildren<QLabel*>()) {
            if (label->isHidden() || label->width() == 0 || label->text().startsWith("KinLbl"))
                continue;
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <=
                             label->contentsRect().width() &&
                         label->x() >= 0,
                     qPrintable(label->text()));
        }
        for (const QPushButton* button : shown.findChildren<QPushButton*>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) +
                             (button->icon().isNull() ? 0 : button->iconSize().width() + 4) <
                         button->width() - 8,
                     qPrintable(button->text()));
        for (const QGroupBox* box : shown.findChildren<QGroupBox*>())
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) < box->width() / 2,
                     qPrintable(box->title()));
        // The era's names, "a. C." wider than "B.C.", beside the box's arrow.
        for (QComboBox* box : shown.findChildren<QComboBox*>()) {
            QStyleOptionComboBox option;
            option.initFrom(box);
            const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, box);
            for (int i = 0; i < box->count(); ++i)
                QVERIFY2(box->fontMetrics().horizontalAdvance(box->itemText(i)) <= field.width(),
                         qPrintable(box->itemText(i)));
        }
        RemoveTranslations();
    }

    // The help opens in the interface's language.
    void helpOpensInTheInterfacesLanguage_data() {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<std::string>("file");
        QTest::newRow("English") << false << std::string("/home/user/Zentolk.chm");
        QTest::newRow("Spanish") << true << std::string("/home/user/Zentolk.es.chm");
    }
    void helpOpensInTheInterfacesLanguage() {
        QFETCH(bool, spanish);
        QFETCH(std::string, file);
        QVERIFY(zentolk::InstallTranslations(*qApp, spanish
                                                        ? zentolk::platform::Language::Spanish
                                                        : zentolk::platform::Language::English));
        TFrmCalc shown(*kit);
        viewerCalls.clear();
        Part<QPushButton>(shown, "HelpBtn")->click();
        RemoveTranslations();
        QCOMPARE(viewerCalls.size(), std::size_t{1});
        QCOMPARE(viewerCalls[0].file, file);
    }

    void typingRightAfterTheStartReplacesTheMonth_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a digit") << int(Qt::Key_5) << "5";
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << "";
    }
    void typingRightAfterTheStartReplacesTheMonth() {
        QFETCH(int, key);
        QCOMPARE(Part<TSpinEdit>(w(), "Month")->selectedText(), QString("6"));
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        QTEST(Part<TSpinEdit>(w(), "Month")->text(), "shown");
    }

    // However a press leads to an error box, the box is the only one: no
    // step follows it and no button stays pressed, even when the release
    // never reaches the window.
    void aPressThatEndsInAnErrorBoxEndsThere_data() {
        QTest::addColumn<QString>("emptied");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("Day up held, Month empty") << "Month"
                                                  << ""
                                                  << "Day up";
        QTest::newRow("Year up held, Month empty") << "Month"
                                                   << ""
                                                   << "Year up";
        QTest::newRow("Month up leaving Year 0, Day empty") << "Day"
                                                            << "0"
                                                            << "Month up";
        QTest::newRow("Copy leaving Year 0, Day empty") << "Day"
                                                        << "0"
                                                        << "CopyBtn";
    }
    void aPressThatEndsInAnErrorBoxEndsThere() {
        QFETCH(QString, emptied);
        QFETCH(QString, year);
        QFETCH(QString, pressed);
        typeInto(w().findChild<TSpinEdit*>(emptied), "");
        if (!year.isEmpty())
            typeInto(Part<TSpinEdit>(w(), "Year"), year);
        fake->messages.clear();
        QWidget* target = w().findChild<QWidget*>(pressed);
        auto* repeating = static_cast<TTimerSpeedButton*>(nullptr);
        if (target == nullptr) {
            repeating = w().findChild<TSpinEdit*>(pressed.section(' ', 0, 0))->Button()->UpButton();
            target = repeating;
        }
        QTest::mousePress(target, Qt::LeftButton);
        for (int i = 0; repeating != nullptr && errorTexts().empty() && i < 3; ++i)
            Tick(repeating);
        QCOMPARE(errorTexts().size(), std::size_t{1});
        const QStringList shown{Part<TSpinEdit>(w(), "Month")->text(),
                                Part<TSpinEdit>(w(), "Day")->text(),
                                Part<TSpinEdit>(w(), "Year")->text()};

        if (repeating != nullptr)
            Tick(repeating, 5);
        QTest::mouseRelease(target, Qt::LeftButton);
        QCOMPARE(fake->messages.size(), std::size_t{1}); // no "Copied" either
        QCOMPARE(
            (QStringList{Part<TSpinEdit>(w(), "Month")->text(), Part<TSpinEdit>(w(), "Day")->text(),
                         Part<TSpinEdit>(w(), "Year")->text()}),
            shown);
        for (auto* button : w().findChildren<TTimerSpeedButton*>()) {
            QVERIFY(!button->isDown());
            QVERIFY(button->RepeatTimer() == nullptr || !button->RepeatTimer()->isActive());
        }
        for (auto* button : w().findChildren<QPushButton*>())
            QVERIFY2(!button->isDown(), qPrintable(button->objectName()));
    }

    // F1 over the dropped-down era list or a field's context menu is a help
    // request of the application, which the hook answers with the viewer's
    // topic for context 0 (the Help button asks for the default topic).
    void f1OverAnOpenPopupAsksTheHelpHookForContextZero() {
        const auto contextRequests = [] {
            std::vector<std::uintptr_t> contexts;
            for (const auto& call : viewerCalls)
                if (call.command == zentolk::viewer::HH_HELP_CONTEXT)
                    contexts.push_back(call.data);
            return contexts;
        };
        Part<QComboBox>(w(), "ADBC")->setFocus();
        Part<QComboBox>(w(), "ADBC")->showPopup();
        QWidget* list = QApplication::activePopupWidget();
        QVERIFY(list != nullptr);
        QTest::keyClick(list->focusWidget() != nullptr ? list->focusWidget() : list, Qt::Key_F1);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(contextRequests(), std::vector<std::uintptr_t>{0});

        // The menu runs its own loop; the key comes once it is up.
        QTimer::singleShot(0, [] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                QTest::keyClick(menu, Qt::Key_F1);
                if (QWidget* left = QApplication::activePopupWidget())
                    left->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4),
                                Part<TSpinEdit>(w(), "Month")->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(Part<TSpinEdit>(w(), "Month"), &event);
        QCOMPARE(contextRequests(), (std::vector<std::uintptr_t>{0, 0}));
        QCOMPARE(viewerCalls.size(), std::size_t{2}); // not the Help button's road
        QVERIFY(fake->messages.empty());
        QCOMPARE(Part<QComboBox>(w(), "ADBC")->currentIndex(), 0);
    }

    void monthAndDayWrapAsTheyAreTyped_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("month 13") << "Month"
                                  << "13"
                                  << "1";
        QTest::newRow("month 0") << "Month"
                                 << "0"
                                 << "12";
        QTest::newRow("month lone minus") << "Month"
                                          << "-"
                                          << "12";
        QTest::newRow("month lone plus") << "Month"
                                         << "+"
                                         << "12";
        QTest::newRow("day 45") << "Day"
                                << "45"
                                << "1";
        QTest::newRow("day 32") << "Day"
                                << "32"
                                << "1";
        QTest::newRow("day 0") << "Day"
                               << "0"
                               << "31";
        QTest::newRow("day lone sign") << "Day"
                                       << "-"
                                       << "31";
        QTest::newRow("day 31 in February stays") << "Day"
                                                  << "31"
                                                  << "31";
    }
    void monthAndDayWrapAsTheyAreTyped() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        auto* spin = w().findChild<TSpinEdit*>(field);
        if (field == "Day")
            typeInto(Part<TSpinEdit>(w(), "Month"), "2");
        typeInto(spin, typed);
        QCOMPARE(spin->text(), shown);
        QVERIFY(fake->messages.empty());
        // The readings are those of the wrapped value.
        TFrmCalc* calc = &w();
        const QStringList wrapped = outputs(*calc);
        typeInto(spin, shown);
        QCOMPARE(outputs(*calc), wrapped);
    }

    void spinButtonsWrapWithinTheSameEvent_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("shown");
        QTest::newRow("month 12 up") << "Month"
                                     << "12" << true << "1";
        QTest::newRow("month 1 down") << "Month"
                                      << "1" << false << "12";
        QTest::newRow("day 31 up") << "Day"
                                   << "31" << true << "1";
        QTest::newRow("day 1 down") << "Day"
                                    << "1" << false << "31";
        QTest::newRow("month 6 up") << "Month"
                                    << "6" << true << "7";
    }
    void spinButtonsWrapWithinTheSameEvent() {
        QFETCH(QString, field);
        QFETCH(QString, from);
        QFETCH(bool, up);
        QFETCH(QString, shown);
        auto* spin = w().findChild<TSpinEdit*>(field);
        typeInto(spin, from);
        QWidget* button = up ? static_cast<QWidget*>(spin->Button()->UpButton())
                             : static_cast<QWidget*>(spin->Button()->DownButton());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(spin->text(), shown); // no event loop ran in between
        QVERIFY(fake->messages.empty());
        const QStringList afterClick = outputs(w());
        typeInto(spin, shown);
        QCOMPARE(outputs(w()), afterClick);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(spin));
    }

    void arrowKeysStepAndWrap() {
        typeInto(Part<TSpinEdit>(w(), "Month"), "12");
        QTest::keyClick(Part<TSpinEdit>(w(), "Month"), Qt::Key_Up);
        QCOMPARE(Part<TSpinEdit>(w(), "Month")->text(), QString("1"));
        QTest::keyClick(Part<TSpinEdit>(w(), "Month"), Qt::Key_Down);
        QCOMPARE(Part<TSpinEdit>(w(), "Month")->text(), QString("12"));
    }

    void leavingYearAtZeroMakesItYearOne() {
        typeInto(Part<TSpinEdit>(w(), "Year"), "0");
        QCOMPARE(outputs(w()), QStringList(10, QString()));
        QTest::keyClick(Part<TSpinEdit>(w(), "Year"), Qt::Key_Tab);
        QCOMPARE(Part<TSpinEdit>(w(), "Year")->text(), QString("1"));
        QCOMPARE(outputText(w(), "WeekD"), QString("Friday")); // 15 June 1 A.D.
        QVERIFY(fake->messages.empty());
    }

    void emptyingAnyFieldClearsEveryReading_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("Month") << "Month";
        QTest::newRow("Day") << "Day";
        QTest::newRow("Year") << "Year";
    }
    void emptyingAnyFieldClearsEveryReading() {
        QFETCH(QString, field);
        auto* spin = w().findChild<TSpinEdit*>(field);
        const QStringList before = outputs(w());
        typeInto(spin, "");
        QCOMPARE(outputs(w()), QStringList(10, QString()));
        QVERIFY(fake->messages.empty());
        typeInto(spin, field == "Year" ? "2024" : field == "Month" ? "6" : "15");
        QCOMPARE(outputs(w()), before);
    }

    void yearZeroClearsButDoubleZeroIsYearZero() {
        typeInto(Part<TSpinEdit>(w(), "Year"), "0");
        QCOMPARE(outputs(w()), QStringList(10, QString()));
        typeInto(Part<TSpinEdit>(w(), "Year"), "00");
        QCOMPARE(outputText(w(), "WeekD"), QString("Thursday")); // 15 June of the year 0
        QCOMPARE(outputText(w(), "GreatCycle"), QString("Starting"));
        QVERIFY(fake->messages.empty());
    }

    void aYearThatIsNoNumberShowsTheErrorAndKeepsTheReadings() {
        const QStringList before = outputs(w());
        typeInto(Part<TSpinEdit>(w(), "Year"), "-");
        QCOMPARE(errorTexts(), std::vector<std::string>{"'-' is not a valid integer value."});
        QCOMPARE(fake->messages[0].caption, std::string("Ruviz Oruvodezar"));
        QCOMPARE(outputs(w()), before); // stale until the next success
        QTest::keyClicks(Part<TSpinEdit>(w(), "Year"), "5");
        QCOMPARE(outputText(w(), "WeekD"), QString("Thursday")); // 15 June 6 B.C.
    }

    void aChangeWhileAnotherFieldIsEmptyNamesNothing() {
        typeInto(Part<TSpinEdit>(w(), "Month"), "");
        fake->messages.clear();
        Part<QComboBox>(w(), "ADBC")->setFocus();
        QTest::keyClick(Part<QComboBox>(w(), "ADBC"), Qt::Key_Down);
        QCOMPARE(Part<QComboBox>(w(), "ADBC")->currentText(), QString("B.C."));
        QCOMPARE(errorTexts(), std::vector<std::string>{"'' is not a valid integer value."});
        typeInto(Part<TSpinEdit>(w(), "Day"), "3");
        QCOMPARE(errorTexts().size(), std::size_t{2});
        QCOMPARE(errorTexts()[1], std::string("'' is not a valid integer value."));
        QCOMPARE(outputs(w()), QStringList(10, QString()));
    }

    void aFailingWrapShowsTwoBoxes() {
        typeInto(Part<TSpinEdit>(w(), "Year"), "");
        typeInto(Part<TSpinEdit>(w(), "Month"), "1");
        fake->messages.clear();
        QTest::keyClicks(Part<TSpinEdit>(w(), "Month"),
                         "3"); // 13 wraps to 1: the nested run fails, then the outer
        QCOMPARE(Part<TSpinEdit>(w(), "Month")->text(), QString("1"));
        QCOMPARE(errorTexts(), (std::vector<std::string>{"'' is not a valid integer value.",
                                                         "'' is not a valid integer value."}));
    }

    void eraPickedByCodeRaisesNothing() {
        const QStringList before = outputs(w());
        Part<QComboBox>(w(), "ADBC")->setCurrentIndex(1);
        QCOMPARE(outputs(w()), before);
        Part<QComboBox>(w(), "ADBC")->setCurrentIndex(0);
        Part<QComboBox>(w(), "ADBC")->setFocus();
        QTest::keyClick(Part<QComboBox>(w(), "ADBC"), Qt::Key_Down);
        QCOMPARE(outputText(w(), "LongC"), QString("0.2.15.5.12.17")); // 15 June 2024 B.C.
    }

    void f1AndHelpOpenTheHelpFileWithAnyModifiersAndGoOn() {
        for (Qt::KeyboardModifiers modifiers :
             {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
              Qt::KeyboardModifiers(Qt::ControlModifier)})
            QTest::keyClick(Part<TSpinEdit>(w(), "Month"), Qt::Key_F1, modifiers);
        QTest::mouseClick(Part<QPushButton>(w(), "HelpBtn"), Qt::LeftButton);
        QTest::keyClick(Part<TSpinEdit>(w(), "Month"), Qt::Key_F2);
        QCOMPARE(viewerCalls.size(), std::size_t{4});
        for (const auto& call : viewerCalls) {
            QCOMPARE(call.file, std::string("/home/user/Zentolk.chm"));
            QCOMPARE(call.command, zentolk::viewer::HH_DISPLAY_TOPIC);
            QCOMPARE(call.data, std::uintptr_t{0});
            QCOMPARE(call.caller, nullptr);
        }
        QVERIFY(fake->messages.empty());
        // The key goes on to the field: F1 is no character, so the text stays.
        QCOMPARE(Part<TSpinEdit>(w(), "Month")->text(), QString("6"));
    }

    void withoutAViewerHelpSaysSo() {
        kit->UnloadViewerLibrary();
        QTest::keyClick(Part<TSpinEdit>(w(), "Month"), Qt::Key_F1);
        QVERIFY(viewerCalls.empty());
        QCOMPARE(fake->messages.size(), std::size_t{1});
        QVERIFY(fake->messages[0].kind == MessageKind::Warning);
        QCOMPARE(fake->messages[0].caption, std::string("Ruviz Oruvodezar"));
    }

    void closingTheWindowClosesTheHelpWindowsTwice() {
        window.reset();
        QCOMPARE(viewerCalls.size(), std::size_t{2});
        for (const auto& call : viewerCalls)
            QCOMPARE(call.command, zentolk::viewer::HH_CLOSE_ALL);
    }

    void theHookTakesOverTheApplicationsHelpRequests() {
        QVERIFY(zentolk::CurrentProgram()->OnHelp != nullptr);
        window.reset();
        QVERIFY(zentolk::CurrentProgram()->OnHelp == nullptr); // the earlier handler
    }

    void tabCyclesThroughTheInputsAndButtonsButNotHelp() {
        Part<TSpinEdit>(w(), "Month")->setFocus();
        QStringList order;
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order,
                 (QStringList{"Day", "Year", "ADBC", "ExitBtn", "CopyBtn", "InterBtn", "Month"}));
    }

    void copyPutsTheReportOnTheClipboard() {
        QTest::mouseClick(Part<QPushButton>(w(), "CopyBtn"), Qt::LeftButton);
        const std::string& expected = zentolk::testing::WorkedExampleReport;
        QCOMPARE(fake->clipboard, expected);
        QCOMPARE(fake->clipboard.size(), std::size_t{286});
        QCOMPARE(fake->messages.size(), std::size_t{1});
        QCOMPARE(fake->messages[0].caption, std::string("Information"));
        QCOMPARE(fake->messages[0].text, std::string("Copied to Clipboard."));
        QVERIFY(fake->messages[0].kind == MessageKind::Information);
    }

    void copyOfThreeEmptyFieldsKeepsEveryLabel() {
        typeInto(Part<TSpinEdit>(w(), "Month"), "");
        typeInto(Part<TSpinEdit>(w(), "Day"), "");
        typeInto(Part<TSpinEdit>(w(), "Year"), "");
        fake->messages.clear();
        QTest::mouseClick(Part<QPushButton>(w(), "CopyBtn"), Qt::LeftButton);
        QCOMPARE(fake->clipboard.size(), std::size_t{187});
        QVERIFY(fake->clipboard.find("\r\nElapsed Kin:    ()\r\n") != std::string::npos);
    }

    void copyAfterAnErrorPairsNewInputsWithOldReadings() {
        typeInto(Part<TSpinEdit>(w(), "Year"), "+");
        QTest::mouseClick(Part<QPushButton>(w(), "CopyBtn"), Qt::LeftButton);
        QVERIFY(fake->clipboard.find("Year:  +   A.D.\r\n") != std::string::npos);
        QVERIFY(fake->clipboard.find("Tzolkin Day:  12  Ix  (Jaguar)") != std::string::npos);
    }

    void aBusyClipboardShowsTheErrorAndNoConfirmation() {
        fake->clipboardAvailable = false;
        QTest::mouseClick(Part<QPushButton>(w(), "CopyBtn"), Qt::LeftButton);
        QCOMPARE(fake->messages.size(), std::size_t{1});
        QCOMPARE(fake->messages[0].text, std::string("Cannot open clipboard."));
        QCOMPARE(fake->messages[0].caption, std::string("Ruviz Oruvodezar"));
        QVERIFY(fake->messages[0].kind == MessageKind::Error);
    }

    void exitEndsTheEventLoopWithoutAsking() {
        QTimer::singleShot(0, Part<QPushButton>(w(), "ExitBtn"), [this] {
            QTest::mouseClick(Part<QPushButton>(w(), "ExitBtn"), Qt::LeftButton);
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(fake->messages.empty());
    }

    void closingTheWindowEndsTheEventLoop() {
        QTimer::singleShot(0, Part<QPushButton>(w(), "ExitBtn"), [this] { w().close(); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    // The layout as read from the controls' own geometry, found by name: a
    // caption stands before the control it names (above it, or to its left
    // on the same line), and a share follows its reading on the same line.
    void eachControlStandsBesideWhatItBelongsTo_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("above"); // else to the left, on the same line
        const struct {
            const char* first;
            const char* second;
            bool above;
        } table[] = {
            {"Label1", "Month", true},      {"Label2", "Day", true},
            {"Label3", "Year", true},       {"Label9", "GreatCycle", false},
            {"Label5", "jMayan", false},    {"Label4", "KinDays", false},
            {"KinDays", "KinLbl1", false},  {"Label8", "KinLeft", false},
            {"KinLeft", "KinLbl2", false},  {"Label6", "Harmonic", false},
            {"Label7", "LongC", false},     {"Label10", "Tzolkin", false},
            {"Label11", "WeekD", false},    {"Month", "Day", false},
            {"Day", "Year", false},         {"Year", "ADBC", false},
            {"HelpBtn", "InterBtn", false}, {"InterBtn", "CopyBtn", false},
            {"CopyBtn", "ExitBtn", false},
        };
        for (const auto& row : table)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(row.first, row.second)))
                << row.first << row.second << row.above;
    }
    void eachControlStandsBesideWhatItBelongsTo() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, above);
        const QWidget* a = Part(w(), qPrintable(first));
        const QWidget* b = Part(w(), qPrintable(second));
        QCOMPARE(a->parentWidget(), b->parentWidget());
        const QRect one = a->geometry(), two = b->geometry();
        if (above) {
            QVERIFY(one.bottom() < two.top());
            QVERIFY(one.left() >= two.left() && one.left() < two.right());
        } else {
            QVERIFY(one.right() < two.left());
            QVERIFY(one.top() <= two.bottom() && two.top() <= one.bottom());
        }
        if (const auto* caption = qobject_cast<const QLabel*>(a))
            QVERIFY2(caption->fontMetrics().horizontalAdvance(caption->text()) <= one.width(),
                     "the caption is cut off");
    }

    // Every control lies whole within the window or its group, none covers
    // another, and the readings of all three groups stand in one column.
    void controlsLieWithinTheirParentsApartAndTheReadingsInOneColumn() {
        for (const char* name : {"FrmCalc", "GroupBox1", "GroupBox2", "GroupBox3"}) {
            QWidget* parent = QLatin1String(name) == QLatin1String("FrmCalc")
                                  ? static_cast<QWidget*>(&w())
                                  : Part(w(), name);
            QList<QWidget*> controls;
            for (QWidget* child :
                 parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                if (!child->isWindow() && child->isVisibleTo(parent) && !child->size().isEmpty())
                    controls << child;
            QVERIFY(controls.size() >= 2);
            for (QWidget* control : controls) {
                QVERIFY2(parent->rect().contains(control->geometry()),
                         qPrintable(control->objectName()));
                for (QWidget* other : controls)
                    QVERIFY2(other == control || !other->geometry().intersects(control->geometry()),
                             qPrintable(control->objectName() + " " + other->objectName()));
            }
        }
        const int column = Part(w(), "GreatCycle")->mapTo(&w(), QPoint()).x();
        for (const char* name :
             {"jMayan", "KinDays", "KinLeft", "Harmonic", "LongC", "Tzolkin", "WeekD"})
            QCOMPARE(Part(w(), name)->mapTo(&w(), QPoint()).x(), column);
    }

    void theWindowIsFixedAndDressedAsDesigned() {
        QCOMPARE(w().size(), QSize(448, 531));
        QCOMPARE(w().minimumSize(), w().maximumSize());
        QVERIFY(!(w().windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w().windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(w().windowTitle().startsWith("Zentolk 3.2, "));
        QCOMPARE(w().font().pixelSize(), 13);
        QVERIFY(w().font().bold());
        QCOMPARE(Part<QLabel>(w(), "Panel2")->font().pixelSize(), 16);
        QCOMPARE(Part<QLabel>(w(), "Panel2")->text(), QString("Ririv Ivozezad Ozidovuvaz"));
        QCOMPARE(Part<QGroupBox>(w(), "GroupBox2")->title(), QString(" Great Cycle "));
        QCOMPARE(Part<QGroupBox>(w(), "GroupBox3")->title(), QString(" Historical Long Count "));
        QCOMPARE(Part<QGroupBox>(w(), "GroupBox1")->title(), QString(" Day "));
        int hints = 0;
        for (QWidget* child : w().findChildren<QWidget*>())
            hints += !child->toolTip().isEmpty();
        QCOMPARE(hints, 9);
        for (QPushButton* b :
             {Part<QPushButton>(w(), "HelpBtn"), Part<QPushButton>(w(), "InterBtn"),
              Part<QPushButton>(w(), "CopyBtn")}) {
            const QImage image = b->icon().pixmap(b->iconSize()).toImage();
            QCOMPARE(image.pixelColor(0, image.height() - 1).alpha(), 0); // silver is transparent
        }
        QCOMPARE(Part<QPushButton>(w(), "HelpBtn")->iconSize(), QSize(17, 17));
    }
};

int main(int argc, char** argv) {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                              QStringLiteral("DejaVu Sans Condensed"));
    zentolk::TApplication app(argc, argv);
    app.SetTitle("Ruviz Oruvodezar");
    CalcTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CalcTest.moc"
