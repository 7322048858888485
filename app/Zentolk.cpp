// The program entry: start-up, the event loop and shut-down, in that order.
#include "app/Application.h"
#include "help/HelpKit.h"
#include "links/Inet.h"
#include "platform/DisplayCheck.h"
#include "platform/Os.h"
#include "platform/TerminationSignals.h"
#include "platform/WindowDecorations.h"
#include "ui/DesktopWindow.h"
#include "ui/Palettes.h"
#include "ui/Translations.h"
#include "window/Calc.h"

#include <QFont>
#include <QTranslator>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

namespace {
const char* const HelpText = QT_TRANSLATE_NOOP(
    "zentolk::Startup",
    "Usage: zentolk [-debug] [--palette dark|light|system] [--lang en|es] [-style STYLE]\n"
    "               [-platform NAME] [Qt options]\n"
    "\n"
    "Shows where a civil date lies in the Great Cycle of the Long Count calendar.\n"
    "\n"
    "  -debug, /debug     write the help kit's diagnostics log, HHDebug.txt\n"
    "  --palette PALETTE  draw the windows in dark or light colours of the program's\n"
    "                     own, or in the desktop's (system, the default)\n"
    "  --lang LANGUAGE    speak English (en) or Spanish (es) whatever the locale says\n"
    "  -style STYLE       draw the window in another Qt style, such as fusion\n"
    "  -platform NAME     use this Qt platform (xcb, wayland, offscreen, ...)\n"
    "  -h, --help         show this help and exit\n"
    "  --version          show the version and exit\n"
    "\n"
    "Exit status: 0 after Exit, 1 when no display can be reached, 2 for a palette\n"
    "that is none of the three or a language other than en and es.\n"
    "Without a display, zentolk-cli gives the same readings in a terminal.\n");
const char* const PaletteProblem =
    QT_TRANSLATE_NOOP("zentolk::Startup", "zentolk: --palette takes dark, light or system\n"
                                          "Try 'zentolk --help'.\n");

// A text printed before the application exists, in the user's language: the
// catalogue is read here by hand, as no translator is installed yet.
void print(const char* text, std::FILE* to, zentolk::platform::Language language) {
    QTranslator catalogue;
    const QString translated = zentolk::LoadCatalogue(catalogue, language)
                                   ? catalogue.translate("zentolk::Startup", text)
                                   : QString();
    std::fputs(translated.isEmpty() ? text : translated.toUtf8().constData(), to);
}

// The value of Qt's -platform switch, which wins over QT_QPA_PLATFORM.
std::string_view platformSwitch(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return argv[i + 1];
    return {};
}

// Qt takes "-style" off the command line when the application is made, so
// look for it first: the user's choice wins over the default look.
bool styleChosen(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "-style", 6) == 0 || std::strncmp(argv[i], "--style", 7) == 0)
            return true;
    return !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE");
}

// --palette WORD or --palette=WORD; the last one given counts. Empty when
// the word is missing or none of the three.
std::optional<zentolk::PaletteChoice> paletteSwitch(int argc, char** argv) {
    constexpr std::string_view name = "--palette";
    std::optional<zentolk::PaletteChoice> choice = zentolk::PaletteChoice::System;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == name)
            choice = i + 1 < argc ? zentolk::ReadPaletteChoice(argv[++i]) : std::nullopt;
        else if (arg.substr(0, name.size() + 1) == "--palette=")
            choice = zentolk::ReadPaletteChoice(arg.substr(name.size() + 1));
    }
    return choice;
}

// --lang WORD or --lang=WORD, the last one counting; without it the locale
// chooses. Empty when the word names no language the program speaks.
std::optional<zentolk::platform::Language> languageSwitch(int argc, char** argv) {
    constexpr std::string_view name = "--lang";
    std::optional<zentolk::platform::Language> language = zentolk::platform::UserLanguage();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == name)
            language = i + 1 < argc ? zentolk::platform::ReadLanguage(argv[++i]) : std::nullopt;
        else if (arg.substr(0, name.size() + 1) == "--lang=")
            language = zentolk::platform::ReadLanguage(arg.substr(name.size() + 1));
    }
    return language;
}
} // namespace

int main(int argc, char** argv) {
    const std::optional<zentolk::platform::Language> language = languageSwitch(argc, argv);
    const zentolk::platform::Language speaking =
        language.value_or(zentolk::platform::Language::English);
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            print(HelpText, stdout, speaking);
            return 0;
        }
        if (arg == "--version") {
            std::fputs("zentolk " ZENTOLK_VERSION "\n", stdout);
            return 0;
        }
    }
    const std::optional<zentolk::PaletteChoice> palette = paletteSwitch(argc, argv);
    if (!palette) {
        print(PaletteProblem, stderr, speaking);
        return 2;
    }
    if (!language) {
        std::fputs("zentolk: --lang takes en or es\n"
                   "Try 'zentolk --help'.\n",
                   stderr);
        return 2;
    }
    // Qt aborts when it cannot reach a display, so look for one first.
    const std::string_view requested = platformSwitch(argc, argv);
    const zentolk::platform::DisplayProbes probes = zentolk::platform::SystemDisplayProbes();
    const auto platform = zentolk::platform::ChooseDisplayPlatform(probes, requested);
    if (!platform) {
        const std::string why = zentolk::platform::NoDisplayMessage(probes, requested);
        std::fprintf(stderr, "zentolk: %s\n", why.c_str());
        return 1;
    }
    const bool choosePlatform = requested.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (choosePlatform)
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));

    const bool keepStyle = styleChosen(argc, argv);
    // The window's face is drawn in a condensed face whose bold widths match
    // the classic one the layout was made for; the default substitute is wider.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                              QStringLiteral("DejaVu Sans Condensed"));
    zentolk::TApplication app(argc, argv);
    zentolk::platform::ReleaseDisplayProbe();
    if (choosePlatform)
        qunsetenv("QT_QPA_PLATFORM"); // not for the programs this one starts
    zentolk::platform::QuitOnTerminationSignals();
    if (!zentolk::InstallTranslations(app, *language))
        std::fputs("zentolk: the Spanish texts are missing from this build; English is shown\n",
                   stderr);
    if (!keepStyle)
        QApplication::setStyle(QStringLiteral("windows"));
    zentolk::ApplyPalette(*palette); // after the style, which brings its own

    // The help kit starts before the program's own code and ends after both
    // windows are gone, so its log sees the whole run.
    zentolk::help::HelpKit helpKit(zentolk::platform::CurrentOs());

    app.SetTitle("Ruviz Oruvodezar");

    auto calc = std::make_unique<zentolk::TFrmCalc>(helpKit);
    zentolk::KeepNormalState(calc.get());
    zentolk::FitOnScreen(calc.get());
    zentolk::CentreOnScreen(calc.get());
    // Made once, hidden; Web shows it modally and Close only hides it again.
    // It belongs to the calculator, so the desktop keeps it above it.
    auto internet = std::make_unique<zentolk::TInternetFrm>(calc.get());
    zentolk::KeepNormalState(internet.get());
    zentolk::FitOnScreen(internet.get());
    zentolk::platform::RequestBareTitleBar(internet.get());
    zentolk::CentreOnScreen(internet.get());
    QObject::connect(calc.get(), &zentolk::TFrmCalc::InternetDialogRequested, internet.get(),
                     &QDialog::exec);
    calc->show();
    calc->activateWindow(); // without a window manager nothing else gives it the keyboard

    const int status = app.exec();

    // The windows go in the reverse order of their making.
    internet.reset();
    calc.reset();
    return status;
}
