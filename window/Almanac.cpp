#include "window/Almanac.h"

#include "engine/AlmanacDay.h"
#include "engine/AlmanacInput.h"
#include "engine/Epigraphy.h"
#include "ui/SideWindow.h"
#include "ui/Translations.h"
#include "window/Accessible.h"
#include "window/DateTarget.h"
#include "window/DayPage.h"
#include "window/Inscriptions.h"
#include "window/PageControls.h"
#include "window/PicturePane.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

namespace zentolk {

namespace {
// The target's day: the one its date names, with the one its readings
// count, or nothing when they cannot be computed.
std::optional<FieldsDay> targetDay(const DateTarget& target) {
    const DateTarget::FieldTexts fields = target.Fields();
    return DayOfFields(fields.month, fields.day, fields.year, fields.era);
}

// What the day's values mean for the calculator: a day it cannot show, a
// day its readings count otherwise, a correlation it does not count with.
QString dayNote(std::int64_t jdn, std::int64_t readingsDay, bool detached,
                std::int64_t correlation) {
    QString note;
    if (detached)
        note = TFrmAlmanac::tr("The calculator's Year field holds five digits, so this day is "
                               "shown here only; the calculator keeps its date.");
    if (readingsDay != jdn) {
        // Before 4801 B.C. the calculator's formula runs off the true day.
        const std::int64_t off = readingsDay - jdn;
        if (!note.isEmpty())
            note += QLatin1Char(' ');
        // One day is singular in both languages.
        const std::int64_t days = off < 0 ? -off : off;
        const QString shift = off < 0 ? (days == 1 ? TFrmAlmanac::tr("%1 day earlier")
                                                   : TFrmAlmanac::tr("%1 days earlier"))
                                      : (days == 1 ? TFrmAlmanac::tr("%1 day later")
                                                   : TFrmAlmanac::tr("%1 days later"));
        note += TFrmAlmanac::tr("The calculator's readings for this date count day %1, %2 "
                                "(its formula runs off before 1 March 4801 B.C.).")
                    .arg(readingsDay)
                    .arg(shift.arg(days));
    }
    if (correlation != DefaultCorrelation) {
        const AlmanacDay main = ComputeAlmanac(jdn, DefaultCorrelation);
        if (!note.isEmpty())
            note += QLatin1Char(' ');
        note += TFrmAlmanac::tr("The calculator counts with %1: there this day is %2 %3.")
                    .arg(DefaultCorrelation)
                    .arg(Qs(InscribedDayText(main.dayCount, InterfaceLanguage())),
                         Qs(CalendarRoundText(main.tzolkin, main.haab)));
    }
    return note;
}
} // namespace

TFrmAlmanac::TFrmAlmanac(DateTarget& target, QWidget* parent)
    : QWidget(parent, Qt::Window), target_(target), correlation_(DefaultCorrelation) {
    setObjectName(QStringLiteral("FrmAlmanac"));
    setWindowTitle(tr("Almanac"));
    setAccessibleName(tr("Almanac"));

    CreateCorrelationChoice();
    CreatePages();
    LayOut();
    SetTabOrder();
    Connect();
    DescribeExamples(this);
    FollowDate();
}

// The correlation: a named one, or any number typed.
void TFrmAlmanac::CreateCorrelationChoice() {
    CorrelationList = Named(new TNamedList, "CorrelationList", tr("Correlation"));
    for (const NamedCorrelation& c : NamedCorrelations)
        CorrelationList->addItem(QString::number(c.value) + QStringLiteral("  ") +
                                 Qs(std::string(c.name)));
    CorrelationList->addItem(tr("Other (type the number)"));
    CorrelationNumber = Named(new QLineEdit(QString::number(DefaultCorrelation)),
                              "CorrelationNumber", tr("Correlation number"));
    CorrelationNumber->setToolTip(
        tr("The Julian Day Number of 0.0.0.0.0 4 Ahau 8 Cumku; press Enter"));
}

void TFrmAlmanac::CreatePages() {
    const auto goTo = [this](std::int64_t jdn) { GoTo(jdn); };
    DayPage = new TDayPage(goTo);
    InscriptionsPage = new TInscriptions(goTo);
    Pictures = new TPicturePane;
    Tabs = Named(new QTabWidget, "Tabs", tr("Almanac pages"));
    Tabs->addTab(DayPage, tr("This da&y"));
    Tabs->addTab(InscriptionsPage, tr("&Inscriptions"));
    Tabs->addTab(Pictures, tr("Pictu&re"));
    // A screen reader names each page by its tab's caption.
    for (int i = 0; i < Tabs->count(); ++i)
        Tabs->widget(i)->setAccessibleName(Tabs->tabText(i).remove(QLatin1Char('&')));
    CloseBtn = PushButton("CloseBtn", tr("Close"));
}

// The correlation above the pages, Close below them.
void TFrmAlmanac::LayOut() {
    auto* top = new QVBoxLayout(ScrollingPage(this));
    auto* correlationRow = new QHBoxLayout;
    auto* correlationLabel = new QLabel(tr("C&orrelation:"));
    correlationLabel->setBuddy(CorrelationList);
    correlationRow->addWidget(correlationLabel);
    correlationRow->addWidget(CorrelationList, 1);
    correlationRow->addWidget(CorrelationNumber);
    // Room for any correlation's digits, whatever the font.
    const int digits = WidthFor(CorrelationNumber, QStringLiteral("00000000"));
    CorrelationNumber->setMinimumWidth(digits);
    CorrelationNumber->setMaximumWidth(std::max(100, digits));
    top->addLayout(correlationRow);
    top->addWidget(Tabs);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(CloseBtn);
    top->addLayout(closeRow);
}

// The correlation, the tab bar, the controls of each page (those of the
// page shown are the ones Tab reaches), Close.
void TFrmAlmanac::SetTabOrder() {
    const auto order = [this](const QList<QWidget*>& chain) {
        for (qsizetype i = 1; i < chain.size(); ++i)
            setTabOrder(chain[i - 1], chain[i]);
    };
    // The tab widget is placed as a whole, its bar and pages with it; within
    // it, the bar first.
    order({CorrelationList, CorrelationNumber, Tabs});
    order(QList<QWidget*>{Tabs->tabBar()} + DayPage->TabChain() + InscriptionsPage->TabChain() +
          Pictures->TabChain() + QList<QWidget*>{CloseBtn});
}

void TFrmAlmanac::Connect() {
    connect(CorrelationList, &QComboBox::activated, this, &TFrmAlmanac::CorrelationPicked);
    connect(CorrelationNumber, &QLineEdit::editingFinished, this, &TFrmAlmanac::CorrelationTyped);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &TFrmAlmanac::ShowHelp);
    connect(InscriptionsPage, &TInscriptions::SpellingChanged, this, [this] {
        if (shown_)
            ShowDay(*shown_);
    });
}

void TFrmAlmanac::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        CorrelationList->setFocus(Qt::TabFocusReason);
}

// F1 opens the help of the page shown.
void TFrmAlmanac::ShowHelp() {
    static constexpr std::string_view Pages[] = {"almanac.htm", "inscriptions.htm", "pictures.htm"};
    const int shown = Tabs->currentIndex();
    target_.ShowHelpPage(Pages[shown >= 0 && shown < 3 ? shown : 0]);
}

void TFrmAlmanac::FollowDate() {
    detached_ = false;
    const std::optional<FieldsDay> day = targetDay(target_);
    if (!day) {
        ClearDay();
        return;
    }
    readingsDay_ = day->readingsJdn;
    ShowDay(day->jdn);
}

void TFrmAlmanac::ClearDay() {
    shown_.reset();
    detached_ = false;
    DayPage->ClearDay(tr("The calculator shows no day."));
    InscriptionsPage->DayShown(std::nullopt);
    Pictures->ClearDay();
}

void TFrmAlmanac::ShowDay(std::int64_t jdn) {
    shown_ = jdn;
    if (detached_)
        readingsDay_ = jdn;
    const AlmanacDay a = ComputeAlmanac(jdn, correlation_);
    DayPage->ShowDay(a, InscriptionsPage->CurrentSpelling(),
                     dayNote(jdn, readingsDay_, detached_, correlation_),
                     InscriptionsPage->CurrentYearBearer());
    InscriptionsPage->DayShown(a);
    Pictures->ShowDay(a);
}

void TFrmAlmanac::CorrelationPicked(int index) {
    if (index < 0 || index >= static_cast<int>(NamedCorrelations.size())) {
        CorrelationNumber->setFocus();
        CorrelationNumber->selectAll();
        return;
    }
    SetCorrelation(NamedCorrelations[static_cast<std::size_t>(index)].value);
}

void TFrmAlmanac::CorrelationTyped() {
    std::string error;
    const std::optional<std::int64_t> value =
        ParseCorrelation(CorrelationNumber->text().toStdString(), error, InterfaceLanguage());
    if (!value) {
        DayPage->SetStatus(Qs(error));
        return;
    }
    DayPage->SetStatus({});
    int index = static_cast<int>(NamedCorrelations.size()); // "Other"
    for (std::size_t i = 0; i < NamedCorrelations.size(); ++i)
        if (NamedCorrelations[i].value == *value)
            index = static_cast<int>(i);
    CorrelationList->setCurrentIndex(index);
    SetCorrelation(*value);
}

void TFrmAlmanac::SetCorrelation(std::int64_t correlation) {
    correlation_ = correlation;
    DayPage->SetCorrelation(correlation);
    CorrelationNumber->setText(QString::number(correlation_));
    if (shown_)
        ShowDay(*shown_);
}

void TFrmAlmanac::GoTo(std::int64_t jdn) {
    const std::optional<FieldDate> fields = FieldDateOf(jdn);
    if (!fields) {
        detached_ = true;
        ShowDay(jdn);
        return;
    }
    target_.SetFields(fields->month, fields->day, fields->year, fields->eraIndex);
}

} // namespace zentolk
