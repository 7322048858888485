// The link labels and the Internet resources dialog, with a fake desktop
// recording what would be opened.
#include "FakeOs.h"
#include "Unhurried.h"
#include "WindowParts.h"
#include "app/Application.h"
#include "links/Addresses.h"
#include "links/Inet.h"
#include "links/ovcurl.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

using zentolk::TInternetFrm;
using zentolk::TOvcURL;
using zentolk::testing::FakeOs;
using zentolk::testing::Part;
using zentolk::testing::WaitExposed;

namespace {

const QColor Navy(0, 0, 128);
const QColor Red(255, 0, 0);
const QColor Maroon(128, 0, 0);

void moveOnto(TOvcURL* link) {
    QTest::mouseMove(link, link->rect().center());
}

// The pointer goes on to a spot of the window away from the link.
void leave(TOvcURL* link) {
    QTest::mouseMove(link->window(), QPoint(2, link->window()->height() - 2));
}

} // namespace

class LinksTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeOs> fake;
    std::unique_ptr<TInternetFrm> dialog;

    // Shows the dialog modally, runs `whileOpen` inside its event loop, then
    // closes it with Esc; returns the modal result.
    int runModal(const std::function<void()>& whileOpen) {
        QTimer::singleShot(0, dialog.get(), [&] {
            whileOpen();
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        });
        return dialog->exec();
    }

private slots:
    void init() {
        fake = std::make_unique<FakeOs>();
        dialog = std::make_unique<TInternetFrm>();
        dialog->show();
        QVERIFY(WaitExposed(dialog.get()));
    }
    void cleanup() {
        dialog.reset();
        fake.reset();
    }

    void linksAreNavyAtRestRedWhileThePointerStaysAndNavyAgainAfterLeaving() {
        TOvcURL* link = Part<TOvcURL>(*dialog, "OvcURL3");
        QCOMPARE(link->FontColor(), Navy);
        moveOnto(link);
        QCOMPARE(link->FontColor(), Red);
        QTest::mouseMove(link, QPoint(1, 1)); // the pointer stays: so does the highlight
        QCOMPARE(link->FontColor(), Red);
        leave(link);
        QCOMPARE(link->FontColor(), Navy);
        QVERIFY(!link->Hovered());
    }

    void aClickedLinkStaysRedWhileOverAndTurnsMaroonAfter() {
        TOvcURL* link = Part<TOvcURL>(*dialog, "OvcURL1");
        moveOnto(link);
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        QCOMPARE(fake->openedAddresses,
                 std::vector<std::string>{zentolk::links::DonationAddress()});
        QCOMPARE(link->FontColor(), Red);
        leave(link);
        QCOMPARE(link->FontColor(), Maroon);
        QCOMPARE(fake->beeps, 0);
    }

    void theVisitedColourOutlastsClosingAndReopening() {
        TOvcURL* link = Part<TOvcURL>(*dialog, "OvcURL3");
        const int first = runModal([&] {
            moveOnto(link);
            QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
            leave(link);
            QCOMPARE(link->FontColor(), Maroon);
        });
        QCOMPARE(first, int(QDialog::Rejected));
        QVERIFY(dialog->isHidden());
        const int second = runModal([&] { QCOMPARE(link->FontColor(), Maroon); });
        QCOMPARE(second, int(QDialog::Rejected));
        QCOMPARE(Part<TOvcURL>(*dialog, "OvcURL5")->FontColor(), Navy);
    }

    void closeButtonAndEscBothHideTheDialog() {
        QTimer::singleShot(0, dialog.get(), [&] {
            QTest::mouseClick(Part<QPushButton>(*dialog, "Button1"), Qt::LeftButton);
        });
        QCOMPARE(dialog->exec(), int(QDialog::Rejected));
        QCOMPARE(runModal([] {}), int(QDialog::Rejected));
        QVERIFY(dialog->isHidden());
    }

    void aFailingDesktopBeepsOnceAndTheLinkIsStillVisited() {
        fake->addressesOpen = false;
        TOvcURL* link = Part<TOvcURL>(*dialog, "OvcURL5");
        moveOnto(link);
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        QCOMPARE(fake->beeps, 1);
        leave(link);
        QCOMPARE(link->FontColor(), Maroon);
        QVERIFY(fake->messages.empty());
    }

    // The limit counts characters, and a character outside the basic plane
    // is never cut in half.
    void anOverlongAddressIsCutTo1023Characters_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened");
        const QString a(1022, QChar('a'));
        const QString emoji = QString::fromUtf8("\xF0\x9F\x8C\x9E");
        QTest::newRow("plain") << QString(2000, QChar('a')) << a + 'a';
        QTest::newRow("exactly 1023") << a + 'b' << a + 'b';
        QTest::newRow("a pair at the limit") << a + emoji + emoji << a + emoji;
        QTest::newRow("pairs only") << emoji.repeated(1100) << emoji.repeated(1023);
        QTest::newRow("two-byte characters")
            << QString(1100, QChar(0xE9)) << QString(1023, QChar(0xE9));
    }
    void anOverlongAddressIsCutTo1023Characters() {
        QFETCH(QString, address);
        QFETCH(QString, opened);
        TOvcURL link;
        link.SetURL(address);
        link.Click();
        QCOMPARE(fake->openedAddresses.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(fake->openedAddresses[0]), opened);
    }

    void anEmptyAddressOpensNothingButStillClicks() {
        TOvcURL link;
        link.SetUseVisitedColor(true);
        link.SetVisitedColor(Maroon);
        int clicks = 0;
        QObject::connect(&link, &TOvcURL::OnClick, &link, [&](TOvcURL* sender) {
            QCOMPARE(sender, &link);
            ++clicks;
        });
        link.Click();
        QCOMPARE(clicks, 1);
        QVERIFY(fake->openedAddresses.empty());
        QCOMPARE(fake->beeps, 0);
    }

    void aReleaseOffTheLinkIsNoClick() {
        TOvcURL* link = Part<TOvcURL>(*dialog, "OvcURL3");
        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(fake->openedAddresses.empty());
    }

    void theCaptionOrElseTheAddressIsShown() {
        TOvcURL link;
        link.SetURL("http://brinemoor.example/");
        QCOMPARE(link.text(), QString("http://brinemoor.example/"));
        link.SetCaption("Home");
        QCOMPARE(link.text(), QString("Home"));
        link.SetURL("http://elsewhere.example/");
        QCOMPARE(link.text(), QString("Home"));
        link.SetCaption(QString());
        QCOMPARE(link.text(), QString("http://elsewhere.example/"));
        link.SetURL("http://x.example/<b>bold</b>"); // drawn as written, never as markup
        QCOMPARE(link.textFormat(), Qt::PlainText);
        QCOMPARE(link.text(), QString("http://x.example/<b>bold</b>"));
    }

    void noColourStoresTheFontColourAndColourChangesRecaptureTheRest() {
        TOvcURL* link = Part<TOvcURL>(*dialog, "OvcURL3");
        link->SetFontColor(Qt::darkGreen);
        link->SetVisitedColor(QColor()); // no colour: the font's colour of this moment
        QCOMPARE(link->VisitedColor(), QColor(Qt::darkGreen));
        link->SetVisitedColor(Maroon);

        moveOnto(link);
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        leave(link);
        QCOMPARE(link->FontColor(), Maroon);
        link->SetVisitedColor(Qt::blue); // the next hover captures the font colour anew
        moveOnto(link);
        leave(link);
        QCOMPARE(link->FontColor(), Maroon);
    }

    // A press holds the mouse, so dragging off the link brings no leave.
    void draggingOffAPressedLinkEndsTheHighlight() {
        TOvcURL* link = Part<TOvcURL>(*dialog, "OvcURL5");
        moveOnto(link);
        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        QTest::mouseMove(link, QPoint(-10, -10));
        QCOMPARE(link->FontColor(), Navy);
        QTest::mouseMove(link, link->rect().center());
        QCOMPARE(link->FontColor(), Red);
        QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().center());
        leave(link);
        QCOMPARE(link->FontColor(), Maroon);
    }

    void aHiddenLinkRests() {
        TOvcURL* link = Part<TOvcURL>(*dialog, "OvcURL3");
        moveOnto(link);
        dialog->hide();
        QVERIFY(!link->Hovered());
        QCOMPARE(link->FontColor(), Navy);
    }

    void aNewLinkIsUnderlinedUnderAPointingHand() {
        TOvcURL link;
        QVERIFY(link.font().underline());
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link.VisitedColor(), QColor(Qt::black));
    }

    void theAddressesAreTheMakersAndThePaymentSites() {
        QCOMPARE(Part<TOvcURL>(*dialog, "OvcURL3")->URL(),
                 QString("http://brinemoor.example/brinemoor/zentolk/"));
        QCOMPARE(Part<TOvcURL>(*dialog, "OvcURL5")->URL(),
                 QString("http://brinemoor.example/brinemoor/software.html"));
        QCOMPARE(Part<TOvcURL>(*dialog, "OvcURL1")->URL(),
                 QString("https://payments.example/xclick/business=donations%40brinemoor.example"
                         "&item_name=Software+Donation&item_number=DN-100&no_shipping=1"
                         "&cn=Optional+Note&tax=0&currency_code=USD"));
        QCOMPARE(Part<TOvcURL>(*dialog, "OvcURL5")->text(), QString("Brinemoor Software Catalog"));
    }

    void theDialogIsLaidOutAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Panel3") << "Panel3" << QRect(0, 0, 346, 41);
        QTest::newRow("Panel4") << "Panel4" << QRect(13, 55, 323, 258);
        QTest::newRow("Label1") << "Label1" << QRect(48, 20, 219, 20);
        QTest::newRow("OvcURL3") << "OvcURL3" << QRect(49, 46, 237, 20);
        QTest::newRow("Label6") << "Label6" << QRect(48, 84, -1, 20); // the maker's name is ours
        QTest::newRow("Label4") << "Label4" << QRect(47, 148, 234, 53);
        QTest::newRow("OvcURL1") << "OvcURL1" << QRect(98, 214, 122, 20);
        QTest::newRow("Button1") << "Button1" << QRect(135, 328, 75, 25);
    }
    void theDialogIsLaidOutAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto* control = dialog->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry().topLeft(), geometry.topLeft());
        // Labels sized to their text: within a few pixels of the design's sizes.
        if (geometry.width() >= 0)
            QVERIFY2(qAbs(control->width() - geometry.width()) <= 4,
                     qPrintable(QString::number(control->width())));
        QVERIFY2(qAbs(control->height() - geometry.height()) <= 2,
                 qPrintable(QString::number(control->height())));
    }

    void theDialogIsFixedWithoutTitleBarButtons() {
        QCOMPARE(dialog->size(), QSize(346, 366));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(dialog->windowTitle().isEmpty());
        const Qt::WindowFlags flags = dialog->windowFlags();
        QVERIFY(!(flags & (Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)));
        QCOMPARE(QApplication::focusWidget(),
                 static_cast<QWidget*>(Part<QPushButton>(*dialog, "Button1")));
    }
};

int main(int argc, char** argv) {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                              QStringLiteral("DejaVu Sans Condensed"));
    zentolk::TApplication app(argc, argv);
    app.SetTitle("Ruviz Oruvodezar");
    LinksTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LinksTest.moc"
