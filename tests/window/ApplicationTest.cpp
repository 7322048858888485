#include "app/Application.h"

#include "FakeOs.h"

#include <QObject>
#include <QTest>
#include <stdexcept>

using zentolk::ErrorBoxText;
using zentolk::TApplication;
using zentolk::testing::FakeOs;

namespace {

class Thrower : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::runtime_error("a fault");
        return QObject::event(e);
    }
};

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void errorBoxTextAppendsAFullStopAfterLettersAndDigits() {
        const std::pair<const char*, const char*> cases[] = {
            {"", ""},
            {"Cannot open clipboard", "Cannot open clipboard."},
            {"'-' is not a valid integer value", "'-' is not a valid integer value."},
            {"ends in 7", "ends in 7."},
            {"already.", "already."},
            {"quoted'", "quoted'"}, // "'" sorts before "."
            {"slash/", "slash/."},  // "/" sorts after "."
            {"dash-", "dash-"},
            {"high\xe9", "high\xe9."}, // 8-bit characters sort after "." too
        };
        for (const auto& [message, shown] : cases)
            QCOMPARE(ErrorBoxText(message), std::string(shown));
    }

    void aReportedErrorShowsTheErrorBox() {
        FakeOs fake;
        auto* app = zentolk::CurrentProgram();
        app->SetTitle("Ruviz Oruvodezar");
        zentolk::ReportError("Cannot open clipboard");
        QCOMPARE(fake.messages.size(), std::size_t{1});
        QCOMPARE(fake.messages[0].caption, std::string("Ruviz Oruvodezar"));
        QCOMPARE(fake.messages[0].text, std::string("Cannot open clipboard."));
        QVERIFY(fake.messages[0].kind == zentolk::platform::MessageKind::Error);
    }

    // Nothing a user does throws; an exception that still escapes a handler
    // is a fault, logged without a box, and the program goes on.
    void anExceptionEscapingAnEventIsLogged() {
        FakeOs fake;
        Thrower thrower;
        QEvent event(QEvent::User);
        QTest::ignoreMessage(QtCriticalMsg, "Unexpected error while handling an event: a fault");
        QCoreApplication::sendEvent(&thrower, &event);
        QVERIFY(fake.messages.empty());
    }
};

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ApplicationTest.moc"
