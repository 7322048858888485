#include "window/Spin.h"

#include "FakeOs.h"
#include "Unhurried.h"
#include "app/Application.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QStyleFactory>
#include <QTest>
#include <QTestEventList>
#include <QTimer>

using zentolk::ReportError;
using zentolk::TApplication;
using zentolk::TSpinButton;
using zentolk::TSpinEdit;
using zentolk::TTimerSpeedButton;
using zentolk::testing::FakeOs;
using zentolk::testing::Unhurried;
using zentolk::testing::WaitActive;

namespace {

// A window with the field under test and a plain edit that holds the focus
// until a test moves it.
struct Form {
    FakeOs platform;
    QWidget window;
    TSpinEdit* field = new TSpinEdit(&window);
    QLineEdit* other = new QLineEdit(&window);
    int changes = 0;

    Form(std::int32_t min, std::int32_t max, const QString& text) {
        field->setGeometry(10, 10, 121, field->MinHeight());
        other->setGeometry(10, 60, 121, 24);
        window.resize(200, 100);
        window.show();
        window.activateWindow();
        if (WaitActive(&window))
            other->setFocus();
        // Set only now: the field had the focus for a moment, and leaving it clamps.
        field->SetMinValue(min);
        field->SetMaxValue(max);
        field->setText(text);
        QObject::connect(field, &TSpinEdit::OnChange, field, [this] { ++changes; });
    }
};

// The button a user hits in the upper or lower part of the pair.
TTimerSpeedButton* ButtonAt(TSpinButton* pair, bool upper) {
    const QPoint point(pair->width() / 2, upper ? 1 : pair->height() - 2);
    return qobject_cast<TTimerSpeedButton*>(pair->childAt(point));
}

// One tick of a button's repeat timer, whatever the clock says.
void Tick(TTimerSpeedButton* button, int times = 1) {
    for (int i = 0; i < times; ++i)
        QMetaObject::invokeMethod(button->RepeatTimer(), "timeout");
}

// An image as text: "#" opaque black, " " transparent, "?" anything else.
QStringList Rows(const QImage& image) {
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            row += qAlpha(pixel) == 0 ? ' ' : pixel == qRgb(0, 0, 0) ? '#' : '?';
        }
        rows << row;
    }
    return rows;
}

enum class Step { KeyUp, KeyDown, ButtonUp, ButtonDown };

void DoStep(TSpinEdit* field, Step step) {
    switch (step) {
    case Step::KeyUp:
        return QTest::keyClick(field, Qt::Key_Up);
    case Step::KeyDown:
        return QTest::keyClick(field, Qt::Key_Down);
    case Step::ButtonUp:
        return QTest::mouseClick(ButtonAt(field->Button(), true), Qt::LeftButton);
    case Step::ButtonDown:
        return QTest::mouseClick(ButtonAt(field->Button(), false), Qt::LeftButton);
    }
}

class CountingField : public TSpinEdit {
public:
    void StepUp() override { ++ups; }
    void StepDown() override { ++downs; }
    int ups = 0;
    int downs = 0;
};

class NoTimerButton : public TTimerSpeedButton {
protected:
    bool StartRepeatTimer(int) override { return false; }
};

// A repeating button whose timer never runs by itself: the test ticks it.
class ManualClockButton : public TTimerSpeedButton {
public:
    ManualClockButton() {
        SetRepeatAllowed(true);
        resize(20, 10);
        connect(this, &QAbstractButton::clicked, this, [this] { ++clicks; });
    }
    std::vector<int> starts; // the interval of every start of the timer
    int clicks = 0;

protected:
    bool StartRepeatTimer(int interval) override {
        starts.push_back(interval);
        return true;
    }
};

} // namespace

Q_DECLARE_METATYPE(Step)

class SpinTest : public QObject {
    Q_OBJECT

private slots:
    void newFieldShowsZero() {
        TSpinEdit field;
        QCOMPARE(field.text(), QString("0"));
        QCOMPARE(field.Value(), 0);
        QVERIFY(field.EditorEnabled() && field.AutoSelect() && !field.Locked());
    }

    void valueReadsTheTextWithoutClamping_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << "" << 1;
        QTest::newRow("lone sign") << "-" << 1;
        QTest::newRow("sign inside") << "1-2" << 1;
        QTest::newRow("separator") << "3." << 1;
        QTest::newRow("trailing blank") << "12 " << 1;
        QTest::newRow("too big") << "2147483648" << 1;
        QTest::newRow("plus") << "+5" << 5;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("leading blank") << " 12" << 12;
        QTest::newRow("hexadecimal") << "$1F" << 31;
        QTest::newRow("above the bounds") << "99" << 99;
        QTest::newRow("below the bounds") << "-2147483648" << -2147483647 - 1;
    }
    void valueReadsTheTextWithoutClamping() {
        QFETCH(QString, text);
        QFETCH(int, value);
        TSpinEdit field;
        field.SetMinValue(1);
        field.SetMaxValue(13);
        field.setText(text);
        QCOMPARE(field.Value(), value);
        QCOMPARE(field.text(), text);
    }

    void writingClampsAndReportsOnlyRealChanges_data() {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("changes");
        QTest::newRow("above") << 0 << 13 << "5" << 14 << "13" << 1;
        QTest::newRow("below") << 1 << 99999 << "5" << -7 << "1" << 1;
        QTest::newRow("equal bounds clamp nothing") << 0 << 0 << "5" << -123 << "-123" << 1;
        QTest::newRow("same text") << 0 << 13 << "7" << 7 << "7" << 0;
        QTest::newRow("same number, other text") << 0 << 13 << "007" << 7 << "7" << 1;
        QTest::newRow("clamped to what is shown") << 0 << 13 << "13" << 20 << "13" << 0;
        QTest::newRow("longer than the typed length limit")
            << 0 << 0 << "5" << 12345 << "12345" << 1;
    }
    void writingClampsAndReportsOnlyRealChanges() {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QString, before);
        QFETCH(int, written);
        Form form(min, max, before);
        form.field->SetTypedLengthLimit(2);
        form.changes = 0;
        form.field->SetValue(written);
        QTEST(form.field->text(), "shown");
        QTEST(form.changes, "changes");
    }

    // The main window's Month field wraps 13 to 1 and 0 to 12 from inside
    // its change handler.
    void aHandlerThatRewritesItsFieldRunsNested() {
        Form form(0, 13, "12");
        QStringList log;
        QObject::connect(form.field, &TSpinEdit::OnChange, form.field, [&](TSpinEdit* sender) {
            log << "enter " + sender->text();
            if (sender->Value() > 12)
                sender->SetValue(1);
            else if (sender->Value() < 1)
                sender->SetValue(12);
            log << "exit " + sender->text();
        });
        DoStep(form.field, Step::ButtonUp);
        QCOMPARE(log, QStringList({"enter 13", "enter 1", "exit 1", "exit 1"}));
        log.clear();
        DoStep(form.field, Step::KeyDown);
        QCOMPARE(log, QStringList({"enter 0", "enter 12", "exit 12", "exit 12"}));
    }

    void anErrorReportedFromOnChangeLeavesTheFieldWorking() {
        Form form(0, 0, "0");
        QObject::disconnect(form.field, &TSpinEdit::OnChange, nullptr, nullptr);
        QObject::connect(form.field, &TSpinEdit::OnChange, form.field, [&form](TSpinEdit* sender) {
            ++form.changes;
            if (sender->text() != "7")
                ReportError("bad");
        });
        form.field->SetValue(5);
        QCOMPARE(form.platform.messages.size(), std::size_t{1});
        form.field->setFocus();
        form.field->selectAll();
        QTest::keyClicks(form.field, "12"); // each change ends in the error box
        QCOMPARE(form.platform.messages.size(), std::size_t{3});
        QCOMPARE(form.field->text(), QString("12"));
        form.field->SetValue(7);
        QCOMPARE(form.changes, 4);
    }

    void steps_data() {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("before");
        QTest::addColumn<Step>("step");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("changes");
        QTest::addColumn<int>("beeps");
        const int max = 2147483647;
        QTest::newRow("empty month") << 0 << 13 << "" << Step::ButtonUp << false << "1" << 1 << 0;
        QTest::newRow("empty year") << 1 << 99999 << "" << Step::KeyUp << false << "2" << 1 << 0;
        QTest::newRow("month at 13")
            << 0 << 13 << "13" << Step::ButtonUp << false << "13" << 0 << 0;
        QTest::newRow("at the bottom") << 0 << 13 << "0" << Step::KeyDown << false << "0" << 0 << 0;
        QTest::newRow("typed above") << 0 << 13 << "99" << Step::KeyDown << false << "13" << 1 << 0;
        QTest::newRow("unbounded")
            << 0 << 0 << "99999" << Step::ButtonUp << false << "100000" << 1 << 0;
        QTest::newRow("top of the number range") << 0 << 0 << QString::number(max) << Step::KeyUp
                                                 << false << QString::number(max) << 0 << 0;
        QTest::newRow("bottom of the number range")
            << 0 << 0 << QString::number(-max - 1) << Step::ButtonDown << false
            << QString::number(-max - 1) << 0 << 0;
        QTest::newRow("read-only key") << 0 << 13 << "5" << Step::KeyUp << true << "5" << 0 << 1;
        QTest::newRow("read-only button")
            << 0 << 13 << "5" << Step::ButtonDown << true << "5" << 0 << 1;
    }
    void steps() {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QString, before);
        QFETCH(Step, step);
        QFETCH(bool, readOnly);
        Form form(min, max, before);
        form.field->SetLocked(readOnly);
        form.field->setFocus();
        form.changes = 0;
        DoStep(form.field, step);
        QTEST(form.field->text(), "shown");
        QTEST(form.changes, "changes");
        QTEST(form.platform.beeps, "beeps");
    }

    void buttonsAndKeysStepThroughTheOverridableEntries() {
        CountingField field;
        field.SetEditorEnabled(false); // steps do not depend on the editor
        field.show();
        field.activateWindow();
        QVERIFY(WaitActive(&field));
        for (Step step : {Step::KeyUp, Step::ButtonUp, Step::KeyDown, Step::ButtonDown})
            DoStep(&field, step);
        QCOMPARE(field.ups, 2);
        QCOMPARE(field.downs, 2);
        QCOMPARE(field.text(), QString("0"));
    }

    void aWindowThatConsumesTheArrowKeyPreventsTheStep() {
        Form form(0, 13, "5");
        form.field->setFocus();
        struct KeyFilter : QObject {
            bool consume = true;
            int seen = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() != QEvent::KeyPress ||
                    static_cast<QKeyEvent*>(event)->key() != Qt::Key_Up)
                    return false;
                ++seen;
                return consume;
            }
        } preview, window;
        window.consume = false;
        form.field->installEventFilter(&preview);
        form.window.installEventFilter(&window);
        QTest::keyClick(form.field, Qt::Key_Up);
        QCOMPARE(form.field->text(), QString("5"));
        preview.consume = false;
        QTest::keyClick(form.field, Qt::Key_Up);
        QCOMPARE(form.field->text(), QString("6"));
        QCOMPARE(window.seen, 1); // the field steps but leaves the key to its window
    }

    void typedCharacters_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("editorEnabled");
        QTest::addColumn<char>("separator");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("changes");
        const auto keys = [](const QString& text, Qt::Key key = Qt::Key_unknown) {
            QTestEventList list;
            list.addKeyClicks(text);
            if (key != Qt::Key_unknown)
                list.addKeyClick(key);
            return list;
        };
        QTest::newRow("digits signs separator")
            << "" << true << '.' << 0 << keys("+1-2.3") << "+1-2.3" << 0 << 6;
        QTest::newRow("letters and blanks refused")
            << "" << true << '.' << 0 << keys("1a b2") << "12" << 3 << 2;
        QTest::newRow("the locale's separator")
            << "" << true << ',' << 0 << keys("3,3.") << "3,3" << 1 << 3;
        QTest::newRow("return refused")
            << "" << true << '.' << 0 << keys("4", Qt::Key_Return) << "4" << 1 << 1;
        QTest::newRow("backspace")
            << "" << true << '.' << 0 << keys("45", Qt::Key_Backspace) << "4" << 0 << 3;
        QTest::newRow("editor disabled")
            << "45" << false << '.' << 0 << keys("7", Qt::Key_Backspace) << "45" << 2 << 0;
        QTest::newRow("editor disabled, delete")
            << "45" << false << '.' << 0 << keys("", Qt::Key_Home) << "45" << 0 << 0;
        QTest::newRow("typed length limit")
            << "" << true << '.' << 2 << keys("123") << "12" << 0 << 2;
        QTestEventList replace;
        replace.addKeyClick(Qt::Key_A, Qt::ControlModifier); // a control character: no beep
        replace.addKeyClicks("45");
        QTest::newRow("typed length limit, typing over a selection")
            << "12" << true << '.' << 2 << replace << "45" << 0 << 2;
        // Alt, Meta (Super) and AltGr-like Control+Alt change nothing about the filter.
        for (const auto& [name, modifiers] :
             {std::pair{"alt", Qt::KeyboardModifiers(Qt::AltModifier)},
              std::pair{"meta", Qt::KeyboardModifiers(Qt::MetaModifier)},
              std::pair{"control alt",
                        Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)}}) {
            QTestEventList held;
            for (char c : {'a', '5', '7', '-'})
                held.addKeyClick(c, modifiers);
            QTest::newRow(qPrintable(QString("with %1: filter and typed length limit").arg(name)))
                << "202" << true << '.' << 5 << held << "20257" << 1 << 2;
        }
    }
    void typedCharacters() {
        QFETCH(QString, before);
        QFETCH(bool, editorEnabled);
        QFETCH(char, separator);
        QFETCH(int, maxLength);
        QFETCH(QTestEventList, keys);
        Form form(0, 13, before);
        form.platform.locale.decimalSeparator = separator;
        form.field->SetEditorEnabled(editorEnabled);
        form.field->SetTypedLengthLimit(maxLength);
        form.field->setFocus();
        form.field->end(false);
        form.changes = 0;
        keys.simulate(form.field);
        if (!editorEnabled)
            QTest::keyClick(form.field, Qt::Key_Delete);
        QTEST(form.field->text(), "shown");
        QTEST(form.platform.beeps, "beeps");
        QTEST(form.changes, "changes");
    }

    void pasteAndCut_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<bool>("editorEnabled");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("value");
        const QKeySequence paste(Qt::CTRL | Qt::Key_V), cut(Qt::CTRL | Qt::Key_X);
        QTest::newRow("letters unfiltered") << "abc" << 0 << true << false << paste << "1abc" << 0;
        QTest::newRow("hexadecimal") << "$1F" << 0 << true << false << paste << "1$1F" << 0;
        QTest::newRow("cut to the typed length limit")
            << "98765" << 3 << true << false << paste << "198" << 198;
        QTest::newRow("shift insert") << "98765" << 3 << true << false
                                      << QKeySequence(Qt::SHIFT | Qt::Key_Insert) << "198" << 198;
        QTest::newRow("paste, editor disabled") << "5" << 0 << false << false << paste << "1" << 1;
        QTest::newRow("paste, read-only") << "5" << 0 << true << true << paste << "1" << 1;
        QTest::newRow("cut") << "x" << 0 << true << false << cut << "" << 0;
        QTest::newRow("cut, editor disabled") << "x" << 0 << false << false << cut << "1" << 1;
        QTest::newRow("cut, read-only") << "x" << 0 << true << true << cut << "1" << 1;
    }
    void pasteAndCut() {
        QFETCH(QString, clipboard);
        QFETCH(int, maxLength);
        QFETCH(bool, editorEnabled);
        QFETCH(bool, readOnly);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, shown);
        Form form(0, 99999, "1");
        QGuiApplication::clipboard()->setText(clipboard);
        form.field->SetTypedLengthLimit(maxLength);
        form.field->SetEditorEnabled(editorEnabled);
        form.field->SetLocked(readOnly);
        form.field->setFocus();
        if (keys == QKeySequence(Qt::CTRL | Qt::Key_X))
            form.field->selectAll();
        else
            form.field->end(false);
        form.changes = 0;
        QTest::keySequence(form.field, keys);
        QCOMPARE(form.field->text(), shown);
        QTEST(form.field->Value(), "value");
        QCOMPARE(form.changes, shown == "1" ? 0 : 1);
        QCOMPARE(form.platform.beeps, 0);
        const bool cutDone = shown.isEmpty();
        QCOMPARE(QGuiApplication::clipboard()->text(), cutDone ? QString("1") : clipboard);
    }

    void theContextMenuPastesWithinMaxLength() {
        Form form(0, 99999, "1");
        form.field->SetTypedLengthLimit(3);
        QGuiApplication::clipboard()->setText("98765");
        // Picks Paste by its mnemonic once the menu's own loop runs; closes
        // the menu whatever happens.
        QTimer::singleShot(0, [] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                QTest::keyClick(menu, Qt::Key_P);
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4),
                                form.field->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(form.field, &event);
        QCOMPARE(form.field->text(), QString("198"));
        QCOMPARE(form.changes, 1);
    }

    void focusFromTheKeyboardSelectsAllAClickPlacesTheCaret_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("autoSelect");
        QTest::addColumn<QString>("selected");
        QTest::newRow("tab") << "tab" << true << "13";
        QTest::newRow("tab, AutoSelect off") << "tab" << false << "";
        QTest::newRow("click in the text") << "text" << true << "";
        QTest::newRow("right click in the text") << "right" << true << "13";
        QTest::newRow("click on a button") << "button" << true << "13";
    }
    void focusFromTheKeyboardSelectsAllAClickPlacesTheCaret() {
        QFETCH(QString, how);
        QFETCH(bool, autoSelect);
        Form form(0, 13, "13");
        form.field->SetAutoSelect(autoSelect);
        QTRY_VERIFY_WITH_TIMEOUT(form.other->hasFocus(), Unhurried);
        const QPoint inText(4, form.field->height() / 2);
        if (how == "tab")
            QTest::keyClick(form.other, Qt::Key_Tab);
        else if (how == "text")
            QTest::mouseClick(form.field, Qt::LeftButton, {}, inText);
        else if (how == "right")
            QTest::mouseClick(form.field, Qt::RightButton, {}, inText);
        else
            DoStep(form.field, Step::ButtonUp); // at the top: the text stays
        QVERIFY(form.field->hasFocus());
        QTEST(form.field->selectedText(), "selected");
        QCOMPARE(form.changes, 0);
    }

    // Focus given while the window is hidden comes in when the window is
    // first activated, and selects; a later return to the window does not.
    void focusGivenBeforeTheWindowShowsSelectsWhenTheWindowComesUp() {
        FakeOs platform;
        QWidget window;
        auto* field = new TSpinEdit(&window);
        new QLineEdit(&window);
        field->setText("12");
        field->setFocus();
        window.show();
        window.activateWindow();
        QVERIFY(WaitActive(&window));
        QCOMPARE(field->selectedText(), QString("12"));

        field->end(false);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(WaitActive(&other));
        window.activateWindow();
        QVERIFY(WaitActive(&window));
        QVERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), QString());
    }

    void leavingTheFieldClampsANumberOutOfRange_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("changes");
        QTest::newRow("above") << "99"
                               << "13" << 1;
        QTest::newRow("below") << "-3"
                               << "0" << 1;
        QTest::newRow("leading zeros") << "007"
                                       << "007" << 0;
        QTest::newRow("plus") << "+5"
                              << "+5" << 0;
        QTest::newRow("empty") << ""
                               << "" << 0;
        QTest::newRow("no number") << "1-2"
                                   << "1-2" << 0;
    }
    void leavingTheFieldClampsANumberOutOfRange() {
        QFETCH(QString, typed);
        Form form(0, 13, "");
        form.field->setFocus();
        QTest::keyClicks(form.field, typed);
        QCOMPARE(form.field->text(), typed); // read unclamped while typing
        form.changes = 0;
        QTest::keyClick(form.field, Qt::Key_Tab);
        QVERIFY(form.other->hasFocus());
        QTEST(form.field->text(), "shown");
        QTEST(form.changes, "changes");
    }

    // The classic layout numbers, for a style with a two-pixel frame.
    void layout() {
        Form form(0, 13, "5");
        TSpinEdit* field = form.field;
        TSpinButton* pair = field->Button();
        const int h = field->MinHeight() + 3;
        field->resize(121, h);
        QCOMPARE(pair->geometry(), QRect(2 + 121 - 15 - 5, 2, 15, h - 5));
        QCOMPARE(field->TextRect(), QRect(2, 2, 121 - 4 - 15 - 2, h - 4 + 1));

        field->setFrame(false);
        field->resize(122, h + 1);
        QCOMPARE(pair->geometry(), QRect(122 - 15, 1, 15, h + 1 - 3));
        QCOMPARE(field->TextRect(), QRect(0, 0, 122 - 15 - 2, h + 2));

        for (int pairHeight : {16, 17}) {
            pair->resize(10, pairHeight);
            QCOMPARE(pair->width(), 15);
            QCOMPARE(pair->UpButton()->geometry(), QRect(0, 0, 15, pairHeight / 2));
            QCOMPARE(pair->DownButton()->geometry().top(), pairHeight / 2 - 1); // one shared row
            QCOMPARE(pair->DownButton()->geometry().bottom(), pairHeight - 1);
        }

        field->resize(121, 1);
        QCOMPARE(field->height(), field->MinHeight());
        const int small = field->MinHeight();
        QFont large = field->font();
        large.setPixelSize(30);
        field->setFont(large);
        QVERIFY(field->MinHeight() > small + 10);
        QCOMPARE(field->height(), field->MinHeight());

        TSpinButton alone;
        QCOMPARE(alone.size(), QSize(20, 25));
    }

    void arrowGlyphs() {
        TSpinButton pair;
        pair.SetUpGlyph(QPixmap(3, 3));
        pair.SetUpGlyph(QPixmap()); // back to the default
        const QStringList up{"         ", "    #    ", "   ###   ",
                             "  #####  ", " ####### ", "         "};
        QStringList down = up;
        std::reverse(down.begin(), down.end());
        QCOMPARE(Rows(pair.UpGlyph().toImage()), up);
        QCOMPARE(Rows(pair.DownGlyph().toImage()), down);
    }

    // Every tick clicks while the button is held with the pointer over it;
    // the first comes 400 ms after the press, the others every 100 ms.
    void aHeldButtonClicksOnEveryTickAndOnceMoreOnRelease() {
        FakeOs platform;
        ManualClockButton button;
        button.show();
        const QPoint off(button.width() + 20, button.height() / 2);
        QTest::mousePress(&button, Qt::LeftButton);
        QVERIFY(button.isDown());
        QCOMPARE(button.starts, std::vector<int>{TTimerSpeedButton::FirstRepeatDelay});
        QCOMPARE(button.RepeatTimer()->timerType(), Qt::PreciseTimer);
        QCOMPARE(button.clicks, 0);
        Tick(&button, 7);
        QCOMPARE(button.clicks, 7);
        QCOMPARE(button.RepeatTimer()->interval(), TTimerSpeedButton::RepeatInterval);

        QTest::mouseMove(&button, off); // off the button: ticks pause
        QVERIFY(!button.isDown());
        Tick(&button, 3);
        QCOMPARE(button.clicks, 7);
        QTest::mouseMove(&button, button.rect().center());
        QVERIFY(button.isDown());
        Tick(&button, 2);
        QCOMPARE(button.clicks, 9);

        QTest::mouseRelease(&button, Qt::LeftButton); // over it: one more
        QCOMPARE(button.clicks, 10);
        QVERIFY(!button.isDown());
        Tick(&button); // a tick already queued clicks nothing
        QCOMPARE(button.clicks, 10);

        QTest::mousePress(&button, Qt::LeftButton);
        QTest::mouseMove(&button, off);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, off); // off it: none
        Tick(&button);
        QCOMPARE(button.clicks, 10);
        QCOMPARE(button.starts.size(), std::size_t{2});
        QVERIFY(platform.messages.empty());
    }

    void anErrorReportedFromARepeatedClickEndsTheHold() {
        FakeOs platform;
        ManualClockButton button;
        QObject::disconnect(&button, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(&button, &QAbstractButton::clicked, &button, [&] {
            if (++button.clicks == 2)
                ReportError("'x' is not a valid integer value");
        });
        button.show();
        QTest::mousePress(&button, Qt::LeftButton);
        Tick(&button, 2);
        QCOMPARE(platform.messages.size(), std::size_t{1});
        QCOMPARE(platform.messages[0].text, std::string("'x' is not a valid integer value."));
        QVERIFY(!button.RepeatTimer()->isActive());
        QVERIFY(!button.isDown());
        Tick(&button, 5);
        QTest::mouseRelease(&button, Qt::LeftButton); // the hold ended with the error
        QCOMPARE(button.clicks, 2);
        QCOMPARE(platform.messages.size(), std::size_t{1});

        // An error from the click on release leaves nothing held either.
        button.clicks = 1;
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(platform.messages.size(), std::size_t{2});
        QVERIFY(!button.isDown());
    }

    // An error box shown for anything else ends every hold as well: the box
    // takes the mouse, and the release would never reach the button.
    void anyErrorBoxEndsTheHoldOfEveryButton() {
        Form form(0, 0, "0");
        TTimerSpeedButton* up = ButtonAt(form.field->Button(), true);
        QTest::mousePress(up, Qt::LeftButton);
        QVERIFY(up->isDown() && up->RepeatTimer()->isActive());
        ReportError("elsewhere");
        QVERIFY(!up->isDown());
        QVERIFY(!up->RepeatTimer()->isActive());
        Tick(up);
        QTest::mouseRelease(up, Qt::LeftButton);
        QCOMPARE(form.changes, 0);
        QCOMPARE(form.field->text(), QString("0"));
    }

    // The arrows keep every mouse event of a hold to themselves: a drag off
    // them moves no caret and selects no text in the field.
    void aDragOffAHeldArrowLeavesTheTextAlone() {
        Form form(0, 99, "42");
        form.field->setFocus();
        form.field->setCursorPosition(1);
        TTimerSpeedButton* up = ButtonAt(form.field->Button(), true);
        QTest::mousePress(up, Qt::LeftButton);
        const QPoint overText = up->mapFrom(form.field, QPoint(2, form.field->height() / 2));
        QTest::mouseMove(up, overText);
        QVERIFY(!up->isDown());
        QTest::mouseMove(up, overText + QPoint(1, 0)); // off it already
        QTest::mouseRelease(up, Qt::LeftButton, {}, overText);
        QCOMPARE(form.field->selectedText(), QString());
        QCOMPARE(form.field->cursorPosition(), 1);
        QCOMPARE(form.field->text(), QString("42"));
    }

    void aPressWithoutATimerReportsTheError() {
        FakeOs platform;
        NoTimerButton button;
        button.SetRepeatAllowed(true);
        int clicks = 0;
        QObject::connect(&button, &QAbstractButton::clicked, &button, [&] { ++clicks; });
        button.show();
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(platform.messages.size(), std::size_t{1});
        QCOMPARE(platform.messages[0].text, std::string("Not enough timers available."));
        QVERIFY(!button.isDown());
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(clicks, 0);
    }

    void aPairOnItsOwnTakesTheFocusAndSteps() {
        FakeOs platform;
        QWidget window;
        auto* pair = new TSpinButton(&window);
        pair->SetTabStop(true);
        QStringList clicks;
        QObject::connect(pair, &TSpinButton::OnUpClick, pair, [&] { clicks << "up"; });
        QObject::connect(pair, &TSpinButton::OnDownClick, pair, [&] { clicks << "down"; });
        window.show();
        window.activateWindow();
        QVERIFY(WaitActive(&window));

        QTest::mouseClick(pair->DownButton(), Qt::LeftButton);
        QVERIFY(pair->hasFocus());
        QCOMPARE(pair->FocusedButton(), pair->DownButton());
        QVERIFY(pair->DownButton()->DrawFocusRect() && !pair->UpButton()->DrawFocusRect());

        QTest::keyClick(pair, Qt::Key_Space);
        QTest::keyClick(pair, Qt::Key_Up);
        QTest::keyClick(pair, Qt::Key_Space);
        QCOMPARE(pair->FocusedButton(), pair->UpButton());
        QVERIFY(pair->UpButton()->DrawFocusRect() && !pair->DownButton()->DrawFocusRect());
        QTest::keyClick(pair, Qt::Key_Down);
        QCOMPARE(clicks, QStringList({"down", "down", "up", "up", "down"}));

        pair->clearFocus();
        QVERIFY(!pair->DownButton()->DrawFocusRect());
    }
};

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    // The layout numbers assume the classic two-pixel frame of this style.
    QApplication::setStyle(QStyleFactory::create("Windows"));
    SpinTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SpinTest.moc"
