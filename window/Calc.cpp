#include "window/Calc.h"

#include "engine/Reading.h"
#include "engine/Report.h"
#include "help/HookHelpSystem.h"
#include "platform/Os.h"
#include "ui/Colours.h"
#include "ui/Controls.h"
#include "ui/ProgramServices.h"
#include "ui/Translations.h"
#include "viewer/hhctrl.h"
#include "window/Accessible.h"
#include "window/CalcMenu.h"
#include "window/Spin.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace zentolk {

namespace {
#include "images/copy.xpm"
#include "images/help.xpm"
#include "images/web.xpm"

constexpr int ClientWidth = 448;
constexpr int ClientHeight = 531;

// The image with the colour of its bottom-left pixel made transparent.
QIcon buttonImage(const char* const xpm[]) {
    QPixmap pixmap(xpm);
    const QImage image = pixmap.toImage();
    const QColor background = image.pixelColor(0, image.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(background, Qt::MaskInColor));
    return QIcon(pixmap);
}

std::string textOf(const QLineEdit* field) {
    return field->text().toStdString();
}

// The readings stand in line edits, the two shares in labels.
QString readingText(const QWidget* control) {
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text();
    return static_cast<const QLabel*>(control)->text();
}
void setReadingText(QWidget* control, const QString& text) {
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        // A field tells assistive technology of every text set, changed or not.
        if (field->text() != text)
            field->setText(text);
    } else
        static_cast<TReadingLabel*>(control)->ShowReading(text);
}

template <class Label = QLabel>
Label* label(QWidget* parent, const char* name, const QString& caption, QRect geometry,
             bool rightAligned) {
    auto* l = Named(new Label(caption, parent), name);
    // A caption longer than the place made for the English one grows to the
    // left, so it still ends where its field begins.
    const int longer = l->fontMetrics().horizontalAdvance(caption) - geometry.width();
    if (longer > 0)
        geometry.setLeft(geometry.left() - std::min(longer, geometry.left() - 4));
    l->setGeometry(geometry);
    l->setAlignment((rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    return l;
}

// A read-only output: its text can be selected and copied, and Tab skips it.
QLineEdit* output(QWidget* parent, const char* name, QRect geometry, const QString& hint) {
    auto* field = Named(new TReadingField(QString::fromLatin1(name), parent), name);
    field->setGeometry(geometry);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    if (!hint.isEmpty())
        field->setToolTip(hint);
    return field;
}

TSpinEdit* spinField(QWidget* parent, const char* name, QRect geometry, std::int32_t minValue,
                     std::int32_t maxValue, int maxLength, const char* storedText) {
    auto* field = Named(new TSpinEdit(parent), name);
    field->setGeometry(geometry);
    field->SetMinValue(minValue);
    field->SetMaxValue(maxValue);
    field->SetTypedLengthLimit(maxLength);
    field->setText(QString::fromLatin1(storedText));
    return field;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* b = Named(new QPushButton(caption, parent), name);
    b->setGeometry(geometry);
    b->setAutoDefault(true); // Enter presses the focused button, as Space does
    return b;
}
} // namespace

TFrmCalc::TFrmCalc(help::HelpKit& helpKit, QWidget* parent) : QWidget(parent), helpKit_(helpKit) {
    setObjectName(QStringLiteral("FrmCalc"));
    setWindowTitle(tr("Zentolk %1, Copyright (C) the Zentolk developers")
                       .arg(QStringLiteral(ZENTOLK_TITLE_VERSION)));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);

    setFont(ClassicFont(13));
    QPalette buttonFace = palette();
    buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
    // The captions' black is the classic button text: the theme's own, which
    // stays readable on a dark button face.
    buttonFace.setColor(QPalette::WindowText, ReadableOn(buttonFace.color(QPalette::Button),
                                                         buttonFace.color(QPalette::ButtonText)));
    setPalette(buttonFace);
    setAutoFillBackground(true);

    // Before any control exists: an interface made for one is kept.
    InstallAccessibility();
    CreateControls();
    NameForAssistiveTechnology();
    InstallAlmanacMenu(*this);
    // The window sees every key before the focused control does.
    qApp->installEventFilter(this);
    FormCreate();
}

TFrmCalc::~TFrmCalc() {
    qApp->removeEventFilter(this);
    FormDestroy();
}

void TFrmCalc::CreateControls() {
    Panel2 = Named(new QLabel(QStringLiteral("Ririv Ivozezad Ozidovuvaz"), this), "Panel2");
    Panel2->setGeometry(0, 0, ClientWidth, 36);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setLineWidth(1);
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setAutoFillBackground(true);
    Panel2->setFont(ClassicFont(16));

    Label1 = label(this, "Label1", tr("Month"), {92, 44, 42, 16}, false);
    Label2 = label(this, "Label2", tr("Day"), {160, 44, 29, 16}, false);
    Label3 = label(this, "Label3", tr("Year"), {232, 44, 34, 16}, false);
    // The bounds lie one beyond the wrap points, so that a step past an end
    // changes the text and the change handler can wrap it.
    Month = spinField(this, "Month", {92, 60, 41, 26}, 0, 13, 2, "1");
    Day = spinField(this, "Day", {160, 60, 41, 26}, 0, 32, 2, "1");
    Year = spinField(this, "Year", {224, 60, 65, 26}, 1, 99999, 5, "1998");

    ADBC = Named(new TNamedList(this), "ADBC");
    // The era as the engine writes it in dates, so that the box and the
    // readings name it alike.
    for (const std::int32_t era : {0, EraIndexBC}) {
        const std::string_view name = EraText(era, InterfaceLanguage());
        ADBC->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    ADBC->setGeometry(300, 60, 57, 24);

    GroupBox2 = Named(new QGroupBox(tr(" Great Cycle "), this), "GroupBox2");
    GroupBox2->setGeometry(24, 96, 401, 219);
    Label9 = label(GroupBox2, "Label9", tr("Great Cycle:"), {53, 24, 86, 16}, true);
    GreatCycle = output(GroupBox2, "GreatCycle", {148, 22, 125, 24},
                        tr("13 x bakun = 1,872,000 days = 5,125.26 years."));
    Label5 = label(GroupBox2, "Label5", tr("Long Count:"), {57, 64, 82, 16}, true);
    jMayan =
        output(GroupBox2, "jMayan", {148, 62, 125, 24}, tr("[Baktun].[Katun].[Tun].[Uinal].[Kin]"));
    Label4 = label(GroupBox2, "Label4", tr("Elapsed Kin:"), {53, 104, 88, 16}, true);
    KinDays =
        output(GroupBox2, "KinDays", {148, 102, 125, 24}, tr("Elapsed days from start of Cycle."));
    KinLbl1 = label<TReadingLabel>(GroupBox2, "KinLbl1", QStringLiteral("KinLbl1"),
                                   {284, 104, 90, 13}, true);
    Label8 = label(GroupBox2, "Label8", tr("Remaining Kin:"), {37, 144, 104, 16}, true);
    KinLeft = output(GroupBox2, "KinLeft", {148, 142, 125, 24}, tr("Days to End of Cycle."));
    KinLbl2 = label<TReadingLabel>(GroupBox2, "KinLbl2", QStringLiteral("KinLbl2"),
                                   {284, 144, 90, 13}, true);
    Label6 = label(GroupBox2, "Label6", tr("Cycle Harmonic:"), {27, 184, 114, 16}, true);
    Harmonic =
        output(GroupBox2, "Harmonic", {148, 182, 125, 24}, tr("Fraction of 1,872,000 Kin Cycle"));

    GroupBox3 = Named(new QGroupBox(tr(" Historical Long Count "), this), "GroupBox3");
    GroupBox3->setGeometry(24, 322, 401, 61);
    Label7 = label(GroupBox3, "Label7", tr("Long Count:"), {57, 27, 82, 16}, true);
    LongC = output(GroupBox3, "LongC", {148, 25, 125, 24},
                   tr("[Pictun].[Baktun].[Katun].[Tun].[Uinal].[Kin]"));

    GroupBox1 = Named(new QGroupBox(tr(" Day "), this), "GroupBox1");
    GroupBox1->setGeometry(24, 392, 401, 85);
    Label10 = label(GroupBox1, "Label10", tr("Tzolkin Day:"), {51, 20, 87, 16}, false);
    Tzolkin = output(GroupBox1, "Tzolkin", {148, 18, 181, 24}, {});
    Label11 = label(GroupBox1, "Label11", tr("Day of Week:"), {44, 52, 94, 16}, false);
    WeekD = output(GroupBox1, "WeekD", {148, 50, 181, 24}, {});
    for (QGroupBox* box : {GroupBox1, GroupBox2, GroupBox3})
        box->setFocusPolicy(Qt::NoFocus);

    HelpBtn = button(this, "HelpBtn", tr("Help"), {45, 492, 75, 27});
    HelpBtn->setIcon(buttonImage(help_xpm));
    HelpBtn->setIconSize({17, 17});
    HelpBtn->setToolTip(tr("Help"));
    HelpBtn->setFocusPolicy(Qt::ClickFocus); // reached by the mouse or F1, never by Tab
    InterBtn = button(this, "InterBtn", tr("Web"), {140, 492, 75, 25});
    InterBtn->setIcon(buttonImage(web_xpm));
    InterBtn->setToolTip(tr("Internet Links"));
    CopyBtn = button(this, "CopyBtn", tr("Copy"), {234, 492, 75, 25});
    CopyBtn->setIcon(buttonImage(copy_xpm));
    CopyBtn->setToolTip(tr("Copy All to Clipboard"));
    ExitBtn = button(this, "ExitBtn", tr("Exit"), {329, 492, 75, 25});
    for (QPushButton* b : {InterBtn, CopyBtn})
        b->setIconSize({16, 16});

    // The output controls carry the readings' names.
    for (std::size_t i = 0; i < ReadingFieldCount; ++i) {
        ReadingControls[i] = findChild<QWidget*>(QString::fromLatin1(ReadingFieldNames[i]));
        Q_ASSERT(ReadingControls[i] != nullptr);
    }

    setTabOrder(Month, Day);
    setTabOrder(Day, Year);
    setTabOrder(Year, ADBC);
    setTabOrder(ADBC, ExitBtn);
    setTabOrder(ExitBtn, CopyBtn);
    setTabOrder(CopyBtn, InterBtn);
    setTabOrder(InterBtn, Month);

    // Handlers are live from here on, so they already run while the window
    // is being created.
    connect(Month, &TSpinEdit::OnChange, this, &TFrmCalc::MonthChange);
    connect(Day, &TSpinEdit::OnChange, this, &TFrmCalc::DayChange);
    connect(Year, &TSpinEdit::OnChange, this, &TFrmCalc::YearChange);
    // activated: only a pick by the user, never a selection made by code.
    connect(ADBC, &QComboBox::activated, this, &TFrmCalc::ADBCChange);
    connect(HelpBtn, &QPushButton::clicked, this, &TFrmCalc::HelpBtnClick);
    connect(InterBtn, &QPushButton::clicked, this, &TFrmCalc::InterBtnClick);
    connect(CopyBtn, &QPushButton::clicked, this, &TFrmCalc::CopyBtnClick);
    connect(ExitBtn, &QPushButton::clicked, this, &TFrmCalc::ExitBtnClick);
}

void TFrmCalc::FormCreate() {
    // Whether the file exists is the viewer's affair.
    // The viewer opens the English file when this language's is missing.
    const platform::Language language = InterfaceLanguage();
    const std::string suffix = language == platform::Language::English
                                   ? std::string()
                                   : "." + std::string(platform::LanguageCode(language));
    HelpFilePath = platform::CurrentOs().CurrentDirectory() + "/Zentolk" + suffix + ".chm";
    MainHelpHook = std::make_unique<help::THookHelpSystem>(helpKit_, HelpFilePath, std::string());
    ADBC->setCurrentIndex(0);
    const platform::LocalDate today = platform::CurrentOs().Now().date;
    // Each write that changes a field's text runs its change handler at once,
    // with the other fields as they stand at that moment.
    Month->setText(QString::number(today.month));
    Day->setText(QString::number(today.day));
    Year->setText(QString::number(today.year));
    Recalculate();
    Month->setFocus(Qt::TabFocusReason);
}

void TFrmCalc::FormDestroy() {
    MainHelpHook.reset();
    helpKit_.CloseAllHelpWindows(); // once more: harmless when the hook closed them
}

void TFrmCalc::Recalculate() {
    const CalendarDate date{textOf(Month), textOf(Day), textOf(Year), ADBC->currentIndex()};
    const ReadingResult result =
        ComputeReading(date, platform::CurrentOs().Locale().decimalSeparator, InterfaceLanguage());
    if (!result.ok()) {
        ReportError(result.Error);
        return;
    }
    for (ReadingField field : AllReadingFields)
        setReadingText(ReadingControl(field), QString::fromStdString(result.Reading[field]));
    AnnounceReading();
    emit ReadingsShown();
}

QWidget* TFrmCalc::ReadingControl(ReadingField field) const {
    return ReadingControls[static_cast<std::size_t>(field)];
}

void TFrmCalc::ClearReadings() {
    for (ReadingField field : AllReadingFields)
        setReadingText(ReadingControl(field), QString());
    emit ReadingsCleared();
}

// Month and Day wrap one beyond either end. A write here changes the text
// and so runs this handler again, nested, before the write returns; every
// value is therefore read afresh after a write.
void TFrmCalc::WrapField(TSpinEdit* field, int wrapPoint) {
    if (!field->text().isEmpty()) {
        if (field->Value() > wrapPoint)
            field->SetValue(1);
        if (field->Value() < 1)
            field->SetValue(wrapPoint);
    }
    if (!field->text().isEmpty())
        Recalculate();
    else
        ClearReadings();
}

void TFrmCalc::MonthChange() {
    WrapField(Month, 12);
}

void TFrmCalc::DayChange() {
    WrapField(Day, 31);
}

void TFrmCalc::YearChange() {
    const QString text = Year->text();
    if (!text.isEmpty() && text != QLatin1String("0"))
        Recalculate();
    else
        ClearReadings();
}

void TFrmCalc::ADBCChange() {
    Recalculate();
}

// Help and F1 open the help file at its default topic, in a viewer window
// that this window does not own. Without a viewer there is nothing to call:
// say so rather than do nothing.
void TFrmCalc::HelpBtnClick() {
    ShowHelpPage({});
}

void TFrmCalc::ShowHelpPage(std::string_view page) {
    const HtmlHelpAFunction showHelp = helpKit_.ViewerLibrary().HtmlHelp;
    if (showHelp == nullptr) {
        platform::CurrentOs().ShowMessage(
            CurrentProgram()->Title(),
            tr("The help viewer is not installed, so the help cannot be shown.").toStdString(),
            platform::MessageKind::Warning);
        return;
    }
    const std::string where =
        page.empty() ? HelpFilePath : HelpFilePath + "::/" + std::string(page);
    showHelp(nullptr, where.c_str(), viewer::HH_DISPLAY_TOPIC, 0);
}

void TFrmCalc::InterBtnClick() {
    emit InternetDialogRequested();
}

void TFrmCalc::CopyBtnClick() {
    // The report shows the controls as they stand; nothing is recalculated.
    const std::string month = textOf(Month), day = textOf(Day), year = textOf(Year),
                      era = ADBC->currentText().toStdString();
    CalendarReading shown;
    for (ReadingField field : AllReadingFields)
        shown[field] = readingText(ReadingControl(field)).toStdString();
    CopyReport =
        BuildReport({month, day, year, era, ViewsOf(shown)}, ClipboardLineEnd, InterfaceLanguage());
    platform::Os& desktop = platform::CurrentOs();
    if (!desktop.ClearClipboard() || !desktop.PutClipboardText(CopyReport)) {
        ReportError(tr("Cannot open clipboard").toStdString());
        return;
    }
    desktop.ShowMessage(tr("Information").toStdString(), tr("Copied to Clipboard.").toStdString(),
                        platform::MessageKind::Information);
}

void TFrmCalc::ExitBtnClick() {
    QCoreApplication::quit();
}

TFrmCalc::FieldTexts TFrmCalc::Fields() const {
    return {textOf(Month), textOf(Day), textOf(Year), ADBC->currentIndex()};
}

void TFrmCalc::SetFields(int month, int day, int year, int era) {
    Month->SetTextUnreported(QString::number(month));
    Day->SetTextUnreported(QString::number(day));
    Year->SetTextUnreported(QString::number(year));
    ADBC->setCurrentIndex(era);
    Recalculate();
}

void TFrmCalc::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_F1)
        HelpBtnClick();
}

// The pop-up of one of this window's controls that is open, if any: the
// era list dropped down or a field's context menu.
QWidget* TFrmCalc::OpenPopup() const {
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr)
        return nullptr;
    QWidget* owner = popup->parentWidget();
    return owner != nullptr && (owner == this || isAncestorOf(owner)) ? popup : nullptr;
}

bool TFrmCalc::eventFilter(QObject* watched, QEvent* event) {
    // F1 while a pop-up is open is a help request of the application, which
    // the help hook answers. The pop-up closes first: it holds the keyboard
    // and the mouse, and the help window must get them.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        QWidget* popup = OpenPopup();
        auto* target = qobject_cast<QWidget*>(watched);
        if (popup != nullptr && target != nullptr &&
            (target == popup || popup->isAncestorOf(target))) {
            for (int tries = 0; tries < 8; ++tries) {
                QWidget* open = OpenPopup();
                if (open == nullptr)
                    break;
                if (auto* list = qobject_cast<QComboBox*>(open->parentWidget()))
                    list->hidePopup();
                else
                    open->close();
            }
            CurrentProgram()->HelpCommand(HELP_CONTEXT, 0);
            return true;
        }
    }
    // A key reaches the focused control first and then, if that control
    // ignores it, its parents; look at it once, on its first delivery.
    if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget() &&
        isAncestorOf(static_cast<QWidget*>(watched))) {
        const auto* key = static_cast<QKeyEvent*>(event);
        FormKeyDown(key->key(), key->modifiers());
    }
    return false; // never consumed
}

void TFrmCalc::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

} // namespace zentolk
