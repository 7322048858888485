// The two windows as assistive technology and the desktop see them: spoken
// names, captions, readable readings, pressable arrows and links, Enter on
// buttons, and window states that the windows refuse.
#include "FakeOs.h"
#include "Unhurried.h"
#include "WindowParts.h"
#include "app/Application.h"
#include "help/HelpKit.h"
#include "links/Inet.h"
#include "links/ovcurl.h"
#include "ui/Colours.h"
#include "ui/DesktopWindow.h"
#include "ui/Palettes.h"
#include "window/Calc.h"
#include "window/Spin.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

using zentolk::TFrmCalc;
using zentolk::TInternetFrm;
using zentolk::TOvcURL;
using zentolk::TSpinEdit;
using zentolk::testing::FakeOs;
using zentolk::testing::Part;
using zentolk::testing::Unhurried;
using zentolk::testing::WaitActive;
using zentolk::testing::WaitExposed;

namespace {

QAccessibleInterface* iface(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Every interface below `root`, depth first.
void walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit) {
    visit(root);
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* child = root->child(i))
            walk(child, visit);
}

QPalette darkPalette(const QColor& buttonText) {
    QPalette p(QColor(53, 53, 53));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::BrightText})
        p.setColor(role, QColor(230, 230, 230));
    p.setColor(QPalette::ButtonText, buttonText);
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::Midlight, QColor(80, 80, 80));
    return p;
}

bool press(QAccessibleInterface* target) {
    QAccessibleActionInterface* actions = target->actionInterface();
    if (actions == nullptr ||
        !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
        return false;
    actions->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeOs> fake;
    std::unique_ptr<zentolk::help::HelpKit> kit;
    std::unique_ptr<TFrmCalc> calc;
    std::unique_ptr<TInternetFrm> dialog;
    int dialogShown = 0;

    QWidget* control(const QString& name) {
        for (QWidget* root :
             {static_cast<QWidget*>(calc.get()), static_cast<QWidget*>(dialog.get())})
            if (root->objectName() == name)
                return root;
            else if (auto* found = root->findChild<QWidget*>(name))
                return found;
        return nullptr;
    }

private slots:
    void init() {
        fake = std::make_unique<FakeOs>();
        fake->now.date = {2024, 6, 15};
        kit = std::make_unique<zentolk::help::HelpKit>(*fake);
        calc = zentolk::testing::ShownActive<TFrmCalc>(*kit);
        QVERIFY(calc != nullptr);
        dialog = std::make_unique<TInternetFrm>();
        dialogShown = 0;
        QObject::connect(calc.get(), &TFrmCalc::InternetDialogRequested, calc.get(),
                         [this] { ++dialogShown; });
    }
    void cleanup() {
        dialog.reset();
        calc.reset();
        kit.reset();
        fake.reset();
    }

    void everyControlHasASpokenName_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value"); // through the text interface; "-" for none
        const struct {
            const char* object;
            QAccessible::Role role;
            const char* name;
            const char* value;
        } table[] = {
            {"FrmCalc", QAccessible::Window, "Zentolk 3.2, Copyright (C) the Zentolk developers",
             "-"},
            {"HelpBtn", QAccessible::Button, "Help", "-"},
            {"InterBtn", QAccessible::Button, "Web", "-"},
            {"CopyBtn", QAccessible::Button, "Copy", "-"},
            {"ExitBtn", QAccessible::Button, "Exit", "-"},
            {"Panel2", QAccessible::StaticText, "Ririv Ivozezad Ozidovuvaz", "-"},
            {"Label1", QAccessible::StaticText, "Month", "-"},
            {"Label9", QAccessible::StaticText, "Great Cycle:", "-"},
            {"Month", QAccessible::EditableText, "Month", "6"},
            {"Day", QAccessible::EditableText, "Day", "15"},
            {"Year", QAccessible::EditableText, "Year", "2024"},
            {"GroupBox2", QAccessible::Grouping, "Great Cycle", "-"},
            {"GroupBox3", QAccessible::Grouping, "Historical Long Count", "-"},
            {"GroupBox1", QAccessible::Grouping, "Day", "-"},
            {"GreatCycle", QAccessible::EditableText, "Great Cycle", "Plus 1"},
            {"jMayan", QAccessible::EditableText, "Long Count", "0.0.11.11.14"},
            {"KinDays", QAccessible::EditableText, "Elapsed Kin", "4,194"},
            {"KinLbl1", QAccessible::EditableText, "Elapsed Kin share", "0.22404%"},
            {"KinLeft", QAccessible::EditableText, "Remaining Kin", "1,867,806"},
            {"KinLbl2", QAccessible::EditableText, "Remaining Kin share", "99.77596%"},
            {"Harmonic", QAccessible::EditableText, "Cycle Harmonic", "none"},
            {"LongC", QAccessible::EditableText, "Historical Long Count", "0.13.0.11.11.14"},
            {"Tzolkin", QAccessible::EditableText, "Tzolkin Day", "12  Ix  (Jaguar)"},
            {"WeekD", QAccessible::EditableText, "Day of Week", "Saturday"},
            {"InternetFrm", QAccessible::Dialog, "Internet Resources", "-"},
            {"Button1", QAccessible::Button, "Close", "-"},
            {"Label1", QAccessible::StaticText, "Month", "-"},
            {"OvcURL3", QAccessible::Link, "Zeriz Edaz Odazo Dozadizeva", "-"},
            {"OvcURL1", QAccessible::Link, "Make Donation", "-"},
        };
        for (const auto& row : table)
            QTest::addRow("%s %s", row.object, row.name)
                << QString(row.object) << int(row.role) << QString(row.name) << QString(row.value);
    }
    void everyControlHasASpokenName() {
        QFETCH(QString, object);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QWidget* widget = control(object);
        QVERIFY(widget != nullptr);
        QAccessibleInterface* i = iface(widget);
        QVERIFY(i != nullptr);
        QCOMPARE(int(i->role()), role);
        QCOMPARE(i->text(QAccessible::Name), name);
        QCOMPARE(widget->objectName(), object); // the design name stays for tests and logs
        if (value == "-")
            return;
        QAccessibleTextInterface* text = i->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->text(0, text->characterCount()), value);
    }

    void theEraListIsLabelledEra() {
        QAccessibleInterface* era = iface(Part<QComboBox>(*calc, "ADBC"));
        QCOMPARE(era->text(QAccessible::Name), QString("Era"));
        QCOMPARE(era->text(QAccessible::Value), QString("A.D."));
        bool labelled = false;
        for (const auto& [label, relation] :
             iface(Part<QComboBox>(*calc, "ADBC"))->relations(QAccessible::Label))
            labelled = labelled || label->text(QAccessible::Name) == "Era";
        QVERIFY(labelled);
    }

    void captionsLabelTheirFields() {
        const std::pair<QLabel*, QWidget*> pairs[] = {
            {Part<QLabel>(*calc, "Label1"), Part<TSpinEdit>(*calc, "Month")},
            {Part<QLabel>(*calc, "Label2"), Part<TSpinEdit>(*calc, "Day")},
            {Part<QLabel>(*calc, "Label3"), Part<TSpinEdit>(*calc, "Year")},
            {Part<QLabel>(*calc, "Label9"), Part<QLineEdit>(*calc, "GreatCycle")},
            {Part<QLabel>(*calc, "Label5"), Part<QLineEdit>(*calc, "jMayan")},
            {Part<QLabel>(*calc, "Label4"), Part<QLineEdit>(*calc, "KinDays")},
            {Part<QLabel>(*calc, "Label8"), Part<QLineEdit>(*calc, "KinLeft")},
            {Part<QLabel>(*calc, "Label6"), Part<QLineEdit>(*calc, "Harmonic")},
            {Part<QLabel>(*calc, "Label7"), Part<QLineEdit>(*calc, "LongC")},
            {Part<QLabel>(*calc, "Label10"), Part<QLineEdit>(*calc, "Tzolkin")},
            {Part<QLabel>(*calc, "Label11"), Part<QLineEdit>(*calc, "WeekD")},
        };
        for (const auto& [caption, field] : pairs) {
            const auto labels = iface(field)->relations(QAccessible::Label);
            QVERIFY2(!labels.isEmpty(), qPrintable(field->objectName()));
            QCOMPARE(labels.first().first->object(), caption); // the caption first, then the box
        }
    }

    // Every node of both trees: shown, named as a person would say it, never
    // by its design name; the hidden name lists are not there at all.
    void theTreesHoldOnlyShownNamedParts() {
        dialog->show();
        for (QWidget* root :
             {static_cast<QWidget*>(calc.get()), static_cast<QWidget*>(dialog.get())}) {
            walk(iface(root), [&](QAccessibleInterface* node) {
                QObject* o = node->object();
                const QString objectName = o != nullptr ? o->objectName() : QString();
                QVERIFY2(objectName != "DayName" && objectName != "WeekN", qPrintable(objectName));
                const QAccessible::Role role = node->role();
                if (role == QAccessible::Button || role == QAccessible::EditableText ||
                    role == QAccessible::Link || role == QAccessible::StaticText ||
                    role == QAccessible::ComboBox || role == QAccessible::Grouping) {
                    const QString name = node->text(QAccessible::Name);
                    QVERIFY2(!name.isEmpty(), qPrintable(objectName));
                    QVERIFY2(objectName.isEmpty() || name != objectName || name == "Month" ||
                                 name == "Day" || name == "Year",
                             qPrintable(objectName));
                }
            });
        }
        // Children and parents agree.
        QAccessibleInterface* window = iface(calc.get());
        for (int i = 0; i < window->childCount(); ++i)
            QCOMPARE(window->indexOfChild(window->child(i)), i);
    }

    void spinArrowsAreNamedButtonsThatStep_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("after");
        QTest::newRow("month up") << "Month" << true << "Increase Month"
                                  << "7";
        QTest::newRow("month down") << "Month" << false << "Decrease Month"
                                    << "5";
        QTest::newRow("day up") << "Day" << true << "Increase Day"
                                << "16";
        QTest::newRow("year down") << "Year" << false << "Decrease Year"
                                   << "2023";
    }
    void spinArrowsAreNamedButtonsThatStep() {
        QFETCH(QString, field);
        QFETCH(bool, up);
        QFETCH(QString, name);
        QFETCH(QString, after);
        auto* spin = qobject_cast<TSpinEdit*>(control(field));
        QWidget* arrow = up ? static_cast<QWidget*>(spin->Button()->UpButton())
                            : static_cast<QWidget*>(spin->Button()->DownButton());
        QAccessibleInterface* i = iface(arrow);
        QCOMPARE(i->role(), QAccessible::Button);
        QCOMPARE(i->text(QAccessible::Name), name);
        QVERIFY(press(i));
        QCOMPARE(spin->text(), after);
        QCOMPARE(iface(Part<QLabel>(*calc, "KinLbl1"))->textInterface()->characterCount() > 0,
                 true);
    }

    // A link is followed from the accessibility bus as by a click, and is
    // reached by Tab after Close, the one control the dialog had for it.
    void linksArePressableWithTheirAddress() {
        for (TOvcURL* link : {Part<TOvcURL>(*dialog, "OvcURL3"), Part<TOvcURL>(*dialog, "OvcURL5"),
                              Part<TOvcURL>(*dialog, "OvcURL1")}) {
            QAccessibleInterface* i = iface(link);
            QCOMPARE(i->text(QAccessible::Description), link->URL());
            QVERIFY(i->state().linked);
            QVERIFY(i->state().focusable);
            QVERIFY(press(i));
            QCOMPARE(QString::fromStdString(fake->openedAddresses.back()), link->URL());
            QCOMPARE(link->FontColor(), QColor(128, 0, 0)); // visited, with no hover to end
        }
        QCOMPARE(fake->openedAddresses.size(), std::size_t{3});
    }

    void linksAreReachedByTabAndFollowedByTheirKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << 0;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << 0;
    }
    void linksAreReachedByTabAndFollowedByTheirKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        dialog->show();
        dialog->activateWindow();
        QVERIFY(WaitActive(dialog.get()));
        QCOMPARE(QApplication::focusWidget(), control("Button1"));
        for (const char* name : {"OvcURL3", "OvcURL5", "OvcURL1", "Button1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), control(name));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* link = Part<TOvcURL>(*dialog, "OvcURL3");
        // The focus shows: the focused link is drawn differently.
        const QImage focused = link->grab().toImage();
        QTest::keyClick(link, Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(link->grab().toImage() != focused);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(link, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(fake->openedAddresses.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(fake->openedAddresses.back()), link->URL());
        QVERIFY(dialog->isVisible()); // the key went to the link, not to Close
    }

    // Every text of both windows reads well on what is drawn behind it, in a
    // light and in dark palettes (one that pairs its button face with dark
    // text): the theme's colours where the design leaves them open, and the
    // design's own (the white box, navy and maroon links) where it fixes them.
    void textsReadWellInLightAndDarkPalettes_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::style()->standardPalette();
        QTest::newRow("dark") << darkPalette(QColor(230, 230, 230));
        QTest::newRow("dark, badly paired") << darkPalette(QColor(20, 20, 20));
    }
    void textsReadWellInLightAndDarkPalettes() {
        QFETCH(QPalette, palette);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(palette);
        const auto calcThere = std::make_unique<TFrmCalc>(*kit);
        const auto dialogThere = std::make_unique<TInternetFrm>();
        const auto readable = [](const QWidget* w, const QColor& text) {
            const double ratio = zentolk::ContrastRatio(text, w->palette().color(QPalette::Window));
            QVERIFY2(ratio >= 4.5, qPrintable(w->objectName() + " " + QString::number(ratio)));
        };
        for (QWidget* root :
             {static_cast<QWidget*>(calcThere.get()), static_cast<QWidget*>(dialogThere.get())})
            for (QWidget* w : root->findChildren<QWidget*>())
                if (qobject_cast<QLabel*>(w) != nullptr || qobject_cast<QGroupBox*>(w) != nullptr)
                    readable(w, w->palette().color(QPalette::WindowText));
        for (auto* link : dialogThere->findChildren<TOvcURL*>()) {
            QCOMPARE(link->FontColor(), QColor(0, 0, 128));
            readable(link, link->VisitedColor());
        }
        QCOMPARE(Part<QWidget>(*dialogThere, "Panel4")->palette().color(QPalette::Window),
                 QColor(Qt::white));
        // The spin arrows, measured from their pixels against the button face.
        for (auto* arrow : Part<TSpinEdit>(*calcThere, "Month")->findChildren<QAbstractButton*>()) {
            const QImage image = arrow->grab().toImage();
            const QColor face = arrow->palette().color(QPalette::Button);
            double best = 1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    best = std::max(best, zentolk::ContrastRatio(image.pixelColor(x, y), face));
            QVERIFY2(best >= 4.5, qPrintable(QString::number(best)));
        }
        QApplication::setPalette(before);
    }

    void aFixedWindowFitsTheRoomItsFrameLeaves() {
        const struct {
            QSize room, size;
            bool down, across;
        } cases[] = {
            {{1024, 740}, {448, 531}, false, false}, // room enough: unchanged
            {{910, 489}, {464, 489}, true, false},   // too short: a bar beside
            {{460, 300}, {460, 300}, true, true},    // the bar leaves too little width
            {{400, 600}, {400, 547}, false, true},   // too narrow: a bar below
        };
        for (const auto& c : cases) {
            const zentolk::FittedWindow fitted = zentolk::FitWindow(QSize(448, 531), c.room, 16);
            QCOMPARE(fitted.size, c.size);
            QVERIFY(fitted.scrollsDown == c.down && fitted.scrollsAcross == c.across);
        }
    }

    // Larger than the screen, the window takes the screen and scrolls to
    // whatever control takes the focus.
    void aWindowTooLargeForTheScreenScrollsToTheFocus() {
        const QRect area = QApplication::primaryScreen()->availableGeometry();
        QWidget window;
        window.setFixedSize(area.width() / 2, area.height() + 300);
        auto* last = new QLineEdit(&window);
        last->setGeometry(10, area.height() + 250, 100, 24);
        auto* first = new QLineEdit(&window);
        first->setGeometry(10, 10, 100, 24);
        zentolk::FitOnScreen(&window);
        window.show();
        window.activateWindow();
        QVERIFY(WaitActive(&window));
        QVERIFY(area.contains(window.frameGeometry()));
        for (QLineEdit* field : {last, first}) {
            field->setFocus();
            QVERIFY(window.rect().contains(QRect(field->mapTo(&window, QPoint()), field->size())));
        }
    }

    // The program's own palettes: every text on what it is drawn on, the
    // selection and disabled texts included.
    void theProgramsPalettesReadWell() {
        for (const auto choice : {zentolk::PaletteChoice::Light, zentolk::PaletteChoice::Dark}) {
            const QPalette p = zentolk::ProgramPalette(choice);
            using R = QPalette::ColorRole;
            const std::pair<R, R> pairs[] = {{R::WindowText, R::Window},
                                             {R::Text, R::Base},
                                             {R::ButtonText, R::Button},
                                             {R::HighlightedText, R::Highlight},
                                             {R::Link, R::Base},
                                             {R::LinkVisited, R::Base},
                                             {R::ToolTipText, R::ToolTipBase},
                                             {R::PlaceholderText, R::Base}};
            for (const auto group : {QPalette::Active, QPalette::Disabled})
                for (const auto& [text, background] : pairs)
                    QVERIFY(zentolk::ContrastRatio(p.color(group, text),
                                                   p.color(group, background)) >= 4.5);
            QVERIFY(zentolk::ContrastRatio(p.color(QPalette::Disabled, R::ButtonText),
                                           p.color(R::Window)) >= 4.5);
        }
    }

    // The new Long Count is heard as a status line, named by the reading.
    void theLongCountIsAnnouncedAsAStatus() {
        QObject* announcer = calc->findChild<QObject*>("ReadingAnnouncer");
        QCOMPARE(iface(announcer)->role(), QAccessible::StatusBar);
        Part<TSpinEdit>(*calc, "Day")->setText("16");
        QCOMPARE(iface(announcer)->text(QAccessible::Name), QString("Long Count 0.0.11.11.15"));
        QCOMPARE(iface(announcer)->text(QAccessible::Description), QString("Reading"));
    }

    void readingsAreReadOnlyText() {
        for (const char* name : {"GreatCycle", "jMayan", "KinLbl1", "LongC", "WeekD"}) {
            const QAccessible::State state = iface(control(name))->state();
            QVERIFY2(state.readOnly && !state.editable, name);
        }
        QVERIFY(iface(control("Month"))->state().editable);
    }

    // Enter and keypad Enter press the focused button, once, as Space does;
    // on a field they press nothing.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("pressed");
        for (const char* button : {"InterBtn", "CopyBtn", "ExitBtn", "HelpBtn"}) {
            QTest::addRow("%s Return", button) << button << int(Qt::Key_Return) << 0 << button;
            QTest::addRow("%s keypad Enter", button)
                << button << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << button;
            QTest::addRow("%s Space", button) << button << int(Qt::Key_Space) << 0 << button;
        }
        QTest::newRow("Month Return") << "Month" << int(Qt::Key_Return) << 0 << "";
        QTest::newRow("ADBC keypad Enter")
            << "ADBC" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "";
    }
    void enterPressesTheFocusedButton() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, pressed);
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const QList<QPushButton*> buttons{
            Part<QPushButton>(*calc, "HelpBtn"), Part<QPushButton>(*calc, "InterBtn"),
            Part<QPushButton>(*calc, "CopyBtn"), Part<QPushButton>(*calc, "ExitBtn")};
        for (QPushButton* b : buttons) {
            b->disconnect(SIGNAL(clicked(bool))); // count presses, run no handler
            spies.push_back(std::make_unique<QSignalSpy>(b, &QPushButton::clicked));
        }
        QWidget* target = control(focus);
        target->setFocus(Qt::OtherFocusReason);
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        for (int i = 0; i < buttons.size(); ++i)
            QCOMPARE(spies[i]->count(), buttons[i]->objectName() == pressed ? 1 : 0);
    }

    void enterOnCloseClosesTheDialog_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << 0;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << 0;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0;
    }
    void enterOnCloseClosesTheDialog() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        int result = -1;
        QTimer::singleShot(0, dialog.get(), [&] {
            dialog->activateWindow();
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(),
                                      static_cast<QWidget*>(Part<QPushButton>(*dialog, "Button1")),
                                      Unhurried);
            QTest::keyClick(Part<QPushButton>(*dialog, "Button1"), Qt::Key(key),
                            Qt::KeyboardModifiers(modifiers));
        });
        result = dialog->exec();
        QCOMPARE(result, int(QDialog::Rejected));
    }

    // A state the windows do not offer, asked for anyway by the desktop,
    // is undone; a minimised dialog is cancelled and comes back normal.
    void refusedStatesAreUndone_data() {
        QTest::addColumn<bool>("onDialog");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("stillShown");
        QTest::newRow("main maximised") << false << int(Qt::WindowMaximized) << true;
        QTest::newRow("main full screen") << false << int(Qt::WindowFullScreen) << true;
        QTest::newRow("dialog maximised") << true << int(Qt::WindowMaximized) << true;
        QTest::newRow("dialog full screen") << true << int(Qt::WindowFullScreen) << true;
        QTest::newRow("dialog minimised") << true << int(Qt::WindowMinimized) << false;
    }
    void refusedStatesAreUndone() {
        QFETCH(bool, onDialog);
        QFETCH(int, state);
        QFETCH(bool, stillShown);
        QWidget* window = onDialog ? static_cast<QWidget*>(dialog.get()) : calc.get();
        zentolk::KeepNormalState(window);
        const QSize fixed = window->size();
        window->show();
        QVERIFY(WaitExposed(window));
        window->setWindowState(Qt::WindowStates(state));
        QTRY_COMPARE_WITH_TIMEOUT(window->windowState() & ~Qt::WindowActive, Qt::WindowStates(),
                                  Unhurried);
        QTRY_COMPARE_WITH_TIMEOUT(window->isVisible(), stillShown, Unhurried);
        QCOMPARE(window->size(), fixed);
        window->show();
        QVERIFY(WaitExposed(window));
        QTRY_COMPARE_WITH_TIMEOUT(window->windowHandle()->minimumSize(), fixed, Unhurried);
        QCOMPARE(window->windowHandle()->maximumSize(), fixed);
    }

    void onlyTheMainWindowOffersTitleBarButtons() {
        const Qt::WindowFlags buttons = Qt::WindowMinimizeButtonHint |
                                        Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint |
                                        Qt::WindowSystemMenuHint;
        QCOMPARE(dialog->windowFlags() & buttons, Qt::WindowFlags());
        QCOMPARE(calc->windowFlags() & buttons, buttons & ~Qt::WindowMaximizeButtonHint);
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    }
};

int main(int argc, char** argv) {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                              QStringLiteral("DejaVu Sans Condensed"));
    zentolk::TApplication app(argc, argv);
    app.SetTitle("Ruviz Oruvodezar");
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopTest.moc"
