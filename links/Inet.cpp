#include "links/Inet.h"

#include "links/Addresses.h"
#include "links/ovcurl.h"
#include "ui/Colours.h"
#include "ui/Controls.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace zentolk {

namespace {
constexpr int ClientWidth = 346;
constexpr int ClientHeight = 366;

QLabel* heading(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setFont(ClassicFont(16));
    label->move(at);
    label->adjustSize();
    return label;
}

TOvcURL* link(QWidget* parent, const char* name, const QString& caption, const std::string& address,
              QPoint at) {
    auto* url = Named(new TOvcURL(parent), name);
    QFont f = ClassicFont(16);
    f.setUnderline(true);
    url->setFont(f);
    url->SetFontColor(QColor(0, 0, 128)); // navy at rest
    url->SetUseVisitedColor(true);
    url->SetVisitedColor(QColor(128, 0, 0)); // maroon once visited
    url->SetCaption(caption);
    url->SetURL(QString::fromStdString(address));
    url->move(at);
    url->adjustSize();
    return url;
}
} // namespace

TInternetFrm::TInternetFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InternetFrm"));
    setWindowTitle(QString());
    // A title bar without buttons: the dialog is left through Close or Esc.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(ClassicFont(13));
    QPalette light = palette();
    light.setColor(QPalette::Window, light.color(QPalette::Midlight));
    // The window text colour of the theme, readable on its light 3D colour.
    light.setColor(QPalette::WindowText,
                   ReadableOn(light.color(QPalette::Midlight), light.color(QPalette::Text)));
    setPalette(light);
    setAutoFillBackground(true);

    Panel3 = Named(new QLabel(tr("Internet Resources"), this), "Panel3");
    Panel3->setGeometry(0, 0, ClientWidth, 41);
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel3->setLineWidth(2);
    Panel3->setAlignment(Qt::AlignCenter);
    Panel3->setFont(ClassicFont(19, false));
    setAccessibleName(Panel3->text()); // the title bar itself stays empty

    Panel4 = Named(new QFrame(this), "Panel4");
    Panel4->setGeometry(13, 55, 323, 258);
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel4->setLineWidth(2);
    QPalette white = Panel4->palette();
    white.setColor(QPalette::Window, Qt::white);
    // The box stays white, so its texts stay dark whatever the theme.
    white.setColor(QPalette::WindowText, ReadableOn(Qt::white, white.color(QPalette::Text)));
    Panel4->setPalette(white);
    Panel4->setAutoFillBackground(true);

    Label1 = heading(Panel4, "Label1", tr("Check for Software Update"), {48, 20});
    OvcURL3 = link(Panel4, "OvcURL3", QStringLiteral("Zeriz Edaz Odazo Dozadizeva"),
                   links::ProductPageAddress(), {49, 46});
    Label6 = heading(Panel4, "Label6", QStringLiteral("Brinemoor Software"), {48, 84});
    OvcURL5 = link(Panel4, "OvcURL5", tr("Brinemoor Software Catalog"), links::CatalogueAddress(),
                   {49, 110});
    Label4 = Named(new QLabel(tr("If you would like to help support our programming "
                                 "efforts, please consider making a donation."),
                              Panel4),
                   "Label4");
    Label4->setGeometry(47, 148, 234, 53);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    OvcURL1 = link(Panel4, "OvcURL1", tr("Make Donation"), links::DonationAddress(), {98, 214});

    Button1 = Named(new QPushButton(tr("Close"), this), "Button1");
    Button1->setGeometry(135, 328, 75, 25);
    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, &TInternetFrm::Button1Click);
    // The links after Close, in the order they are read.
    setTabOrder(Button1, OvcURL3);
    setTabOrder(OvcURL3, OvcURL5);
    setTabOrder(OvcURL5, OvcURL1);

    // A window the dialog blocks that the desktop activates anyway (a click
    // on it under Wayland) hands the keyboard straight back to the dialog.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused == nullptr || !isVisible() || !isModal() || focused == windowHandle() ||
            QGuiApplication::modalWindow() != windowHandle())
            return;
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) {
                raise();
                activateWindow();
            }
        });
    });
}

TInternetFrm::~TInternetFrm() = default;

// Close and Esc only hide the dialog; the modal call returns "cancelled".
void TInternetFrm::Button1Click() {
    reject();
}

} // namespace zentolk
