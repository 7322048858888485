// The program entry: start-up, the event loop and shut-down, in that order.
#include "Application.h"
#include "Calc.h"
#include "DesktopWindow.h"
#include "HelpKit.h"
#include "Inet.h"
#include "TerminationSignals.h"
#include "WindowDecorations.h"

#include <QFont>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace {
// Qt takes "-style" off the command line when the application is made, so
// look for it first: the user's choice wins over the default look.
bool styleChosen(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "-style", 6) == 0 || std::strncmp(argv[i], "--style", 7) == 0)
            return true;
    return !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE");
}

// For the start-up benchmark (bench/startup): prints the wall-clock time once
// the window's first paint has been handled.
class FirstPaintReporter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                std::fprintf(stderr, "first paint %lld%09ld\n", static_cast<long long>(now.tv_sec),
                             now.tv_nsec);
            });
        }
        return false;
    }

private:
    bool reported_ = false;
};
} // namespace

int main(int argc, char** argv) {
    const bool keepStyle = styleChosen(argc, argv);
    // The window's face is drawn in a condensed face whose bold widths match
    // the classic one the layout was made for; the default substitute is wider.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                              QStringLiteral("DejaVu Sans Condensed"));
    zentolk::TApplication app(argc, argv);
    zentolk::platform::QuitOnTerminationSignals();
    if (!keepStyle)
        QApplication::setStyle(QStringLiteral("windows"));

    // The help kit starts before the program's own code and ends after both
    // windows are gone, so its log sees the whole run.
    zentolk::help::HelpKitStartup();

    app.SetTitle("Ruviz Oruvodezar");

    auto calc = std::make_unique<zentolk::TFrmCalc>();
    zentolk::KeepNormalState(calc.get());
    zentolk::CentreOnScreen(calc.get());
    // Made once, hidden; Web shows it modally and Close only hides it again.
    auto internet = std::make_unique<zentolk::TInternetFrm>();
    zentolk::KeepNormalState(internet.get());
    zentolk::platform::RequestBareTitleBar(internet.get());
    zentolk::CentreOnScreen(internet.get());
    calc->ShowInternetDialog = [] { zentolk::InternetFrm->exec(); };
    if (qEnvironmentVariableIsSet("ZENTOLK_REPORT_FIRST_PAINT"))
        calc->installEventFilter(new FirstPaintReporter(calc.get()));
    calc->show();
    calc->activateWindow(); // without a window manager nothing else gives it the keyboard

    const int status = app.exec();

    // The windows go in the reverse order of their making.
    internet.reset();
    calc.reset();
    zentolk::help::HelpKitShutdown();
    return status;
}
