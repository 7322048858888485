// Every window and page in Spanish, set against the same windows in
// English: no text a person reads or hears is left in English, and no two
// mnemonics clash in either language.
#include "FakeOs.h"
#include "FakeViewer.h"
#include "WindowParts.h"
#include "app/Application.h"
#include "engine/Correlation.h"
#include "engine/Names.h"
#include "help/HelpKit.h"
#include "links/Inet.h"
#include "ui/Translations.h"
#include "window/Almanac.h"
#include "window/Calc.h"
#include "window/CalcMenu.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <memory>

using zentolk::platform::Language;
using zentolk::testing::Part;

namespace {
// Words a Spanish text shares with the English one by right: Maya names and
// terms, the correlations' authors, the program's and its makers' names,
// and a few both languages write alike.
QSet<QString> sharedWords() {
    QStringList names = {"Tzolkin Haab baktun katun tun uinal kin pictun lahuntun hotun Pop",
                         "Zentolk Ririv Ivozezad Ozidovuvaz Zeriz Edaz Odazo Dozadizeva",
                         "Brinemoor Software Internet Copyright Web Era Colonial Campeche",
                         "PNG SVG no Etznab lunar base Palenque Coba"};
    for (const auto* list : {&zentolk::TzolkinSign, &zentolk::ModernTzolkinSign})
        for (std::string_view name : *list)
            names << QString::fromUtf8(name);
    for (const auto* list : {&zentolk::HaabMonth, &zentolk::ModernHaabMonth})
        for (std::string_view name : *list)
            names << QString::fromUtf8(name);
    for (const zentolk::NamedCorrelation& c : zentolk::NamedCorrelations)
        names << QString::fromUtf8(c.name);
    // A gloss the Spanish sources give as English does ("Jaguar").
    for (std::size_t i = 0; i < zentolk::TzolkinGloss.size(); ++i)
        if (zentolk::TzolkinGloss[i] == zentolk::SpanishTzolkinGloss[i])
            names << QString::fromUtf8(zentolk::TzolkinGloss[i]);
    const QStringList words =
        names.join(' ').toLower().split(QRegularExpression(QStringLiteral("[ -]")));
    return {words.begin(), words.end()};
}

// The words of a text, mnemonics aside.
QSet<QString> wordsOf(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[\\p{L}']{2,}"));
    QSet<QString> words;
    for (const auto& m : word.globalMatch(QString(text).remove(QLatin1Char('&'))))
        words << m.captured().toLower();
    return words;
}

// The page of a tab widget a control lies on, or null for the window's own.
const QWidget* pageOf(const QWidget* w) {
    for (; w != nullptr; w = w->parentWidget())
        if (auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
            stack != nullptr && qobject_cast<QTabWidget*>(stack->parentWidget()) != nullptr)
            return w;
    return nullptr;
}

// What a person reads or hears of each control, in the window's order; a
// control's captions with a mnemonic go into `mnemonics` by page.
QStringList textsOf(QWidget& window, QMultiMap<const QWidget*, QString>* mnemonics = nullptr) {
    QStringList texts{window.objectName() + QStringLiteral(": ") + window.windowTitle()};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        QStringList own{w->toolTip()}, captions;
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w))
            own << a->text(QAccessible::Name) << a->text(QAccessible::Description);
        if (auto* l = qobject_cast<QLabel*>(w))
            (l->buddy() != nullptr ? captions : own) << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            captions << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w))
            own << g->title();
        if (auto* e = qobject_cast<QLineEdit*>(w))
            own << e->text() << e->placeholderText();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                own << c->itemText(i);
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i)
                captions << t->tabText(i);
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                own << list->item(i)->text();
        for (const QString& caption : captions)
            if (mnemonics != nullptr && QString(caption).remove(QStringLiteral("&&")).contains('&'))
                mnemonics->insert(pageOf(w), caption);
        for (const QString& text : own + captions)
            texts << w->objectName() + QStringLiteral(": ") + text;
    }
    return texts;
}

// Mnemonics shared by captions shown at once: the window's own, or the
// window's and one page's.
QStringList mnemonicClashes(const QMultiMap<const QWidget*, QString>& captions) {
    QStringList clashes;
    const auto keyOf = [](const QString& caption) {
        const QString plain = QString(caption).replace(QStringLiteral("&&"), QStringLiteral("__"));
        return plain.at(plain.indexOf('&') + 1).toLower();
    };
    for (const QWidget* page : captions.uniqueKeys()) {
        QMap<QChar, QString> taken;
        const QStringList shown = page == nullptr
                                      ? captions.values(nullptr)
                                      : captions.values(nullptr) + captions.values(page);
        for (const QString& caption : shown) {
            if (taken.contains(keyOf(caption)))
                clashes << taken[keyOf(caption)] + QStringLiteral(" / ") + caption;
            taken[keyOf(caption)] = caption;
        }
    }
    return clashes;
}
} // namespace

class LanguageWalkTest : public QObject {
    Q_OBJECT

    std::unique_ptr<zentolk::testing::FakeOs> fake;
    std::unique_ptr<zentolk::help::HelpKit> kit;

    void speak(Language language) {
        for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        QVERIFY(zentolk::InstallTranslations(*qApp, language));
    }

    // Every window's texts, with what the Almanac shows after each step of
    // its work; and the windows' mnemonic clashes.
    QStringList walk(Language language, QStringList& clashes) {
        speak(language);
        zentolk::TFrmCalc calc(*kit);
        calc.show();
        zentolk::TInternetFrm internet(&calc);
        QWidget& almanac = *zentolk::ShowAlmanac(calc);
        const auto enter = [&almanac](const char* field, const QString& text) {
            auto* input = Part<QLineEdit>(almanac, field);
            input->setText(text);
            QTest::keyClick(input, Qt::Key_Return);
        };
        const std::function<void()> work[] = {
            [] {},
            [&] { enter("LongCountInput", "19.0.0.0.0.0"); },
            [&] {
                Part<QComboBox>(almanac, "TzolkinNumber")->setCurrentIndex(1);
                Part<QAbstractButton>(almanac, "NextBtn")->click();
            },
            [&] { enter("FullDateInput", "9.12.11.5.18 6 Etznab 12 Yax"); },
            [&] { enter("PeriodInput", "katun 13"); },
            [&] { enter("PeriodInput", "katun 14"); },
            [&] { enter("FromInput", "9.12.11.5.18"); },
            [&] { enter("CorrelationNumber", "584285"); },
            [&] { enter("PatternInput", "9.*.*.0.0 * Ahau 8 Zip"); },
        };
        QStringList texts;
        for (QWidget* window : {static_cast<QWidget*>(&calc), static_cast<QWidget*>(&internet)}) {
            QMultiMap<const QWidget*, QString> captions;
            texts += textsOf(*window, &captions);
            clashes += mnemonicClashes(captions);
        }
        for (const auto& step : work) {
            step();
            QMultiMap<const QWidget*, QString> captions;
            texts += textsOf(almanac, &captions);
            clashes += mnemonicClashes(captions);
        }
        return texts;
    }

private slots:
    void init() {
        fake = std::make_unique<zentolk::testing::FakeOs>();
        fake->now.date = {2024, 6, 15};
        zentolk::testing::OfferFakeViewer(*fake);
        kit = std::make_unique<zentolk::help::HelpKit>(*fake);
    }
    void cleanup() {
        speak(Language::English);
        kit.reset();
        fake.reset();
    }

    void nothingIsLeftInEnglish() {
        static const QSet<QString> shared = sharedWords();
        QStringList problems;
        const QStringList english = walk(Language::English, problems);
        const QStringList spanish = walk(Language::Spanish, problems);
        QCOMPARE(spanish.size(), english.size());
        // An era's name has no word of two letters: looked for apart.
        static const QRegularExpression englishEra(QStringLiteral("\\b(A\\.D|B\\.C)\\."));
        for (qsizetype i = 0; i < english.size(); ++i) {
            const QString before = english[i].section(QStringLiteral(": "), 1),
                          after = spanish[i].section(QStringLiteral(": "), 1);
            if (after.contains(englishEra))
                problems << QStringLiteral("English era in %1").arg(spanish[i]);
            if (const QSet<QString> left = (wordsOf(before) & wordsOf(after)) - shared;
                !left.isEmpty() && !before.contains(QStringLiteral("://")))
                problems << QStringLiteral("English (%1) in %2")
                                .arg(QStringList(left.begin(), left.end()).join(' '), spanish[i]);
        }
        problems.removeDuplicates();
        for (const QString& problem : problems)
            qWarning("%s", qPrintable(problem));
        QVERIFY2(problems.isEmpty(), "the problems above");
    }
};

int main(int argc, char** argv) {
    zentolk::TApplication app(argc, argv);
    LanguageWalkTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "LanguageWalkTest.moc"
