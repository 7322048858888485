#include "window/Almanac.h"

#include "engine/AlmanacDay.h"
#include "engine/AlmanacInput.h"
#include "ui/ProgramServices.h"
#include "ui/SideWindow.h"
#include "window/Accessible.h"
#include "window/DateTarget.h"
#include "window/Inscriptions.h"
#include "window/PageControls.h"
#include "window/PicturePane.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

namespace zentolk {

namespace {
QLineEdit* output(const char* name, const QString& accessible) {
    auto* field = Named(new TReadingField, name, accessible);
    field->setReadOnly(true);
    return field;
}

// A screen reader hears a field change only when its text does.
void showText(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

// The target's day: the one its date names, with the one its readings
// count, or nothing when they cannot be computed.
std::optional<FieldsDay> targetDay(const DateTarget& target) {
    const DateTarget::FieldTexts fields = target.Fields();
    return DayOfFields(fields.month, fields.day, fields.year, fields.era);
}

QString dateText(const CivilDate& date) {
    return Qs(CivilDateText(date) + " (" + IsoDateText(date) + ")");
}
} // namespace

TFrmAlmanac::TFrmAlmanac(DateTarget& target, QWidget* parent)
    : QWidget(parent, Qt::Window), target_(target), correlation_(DefaultCorrelation) {
    setObjectName(QStringLiteral("FrmAlmanac"));
    setWindowTitle(QStringLiteral("Almanac"));
    setAccessibleName(QStringLiteral("Almanac"));

    // The correlation: a named one, or any number typed.
    CorrelationList = Named(new TNamedList, "CorrelationList", QStringLiteral("Correlation"));
    for (const NamedCorrelation& c : NamedCorrelations)
        CorrelationList->addItem(QString::number(c.value) + QStringLiteral("  ") +
                                 Qs(std::string(c.name)));
    CorrelationList->addItem(QStringLiteral("Other (type the number)"));
    CorrelationNumber = Named(new QLineEdit(QString::number(DefaultCorrelation)),
                              "CorrelationNumber", QStringLiteral("Correlation number"));
    CorrelationNumber->setToolTip(
        QStringLiteral("The Julian Day Number of 0.0.0.0.0 4 Ahau 8 Cumku; press Enter"));

    JdnField = output("JdnField", QStringLiteral("Julian Day Number"));
    GregorianField = output("GregorianField", QStringLiteral("Gregorian date"));
    JulianField = output("JulianField", QStringLiteral("Julian date"));
    LongCountField = output("LongCountField", QStringLiteral("Long Count"));
    TzolkinField = output("TzolkinField", QStringLiteral("Tzolkin"));
    HaabField = output("HaabField", QStringLiteral("Haab"));
    CalendarRoundField = output("CalendarRoundField", QStringLiteral("Calendar Round"));
    LordField = output("LordField", QStringLiteral("Lord of the Night"));
    Note = Named(new TStatusLabel, "Note", QStringLiteral("Note"));
    Note->setWordWrap(true);
    Note->setMinimumHeight(3 * Note->fontMetrics().lineSpacing());
    Note->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    LongCountInput = Named(new QLineEdit, "LongCountInput", QStringLiteral("Long Count to go to"));
    LongCountInput->setPlaceholderText(QStringLiteral("9.12.11.5.18"));
    LongCountGo = PushButton("LongCountGo", QStringLiteral("Go"));
    LongCountGo->setAccessibleName(QStringLiteral("Go to the Long Count"));
    JulianInput = Named(new QLineEdit, "JulianInput", QStringLiteral("Julian date to go to"));
    JulianInput->setPlaceholderText(QStringLiteral("9 6 3114 B.C."));
    JulianGo = PushButton("JulianGo", QStringLiteral("Go"));
    JulianGo->setAccessibleName(QStringLiteral("Go to the Julian date"));

    TzolkinNumber = Named(new TNamedList, "TzolkinNumber", QStringLiteral("Tzolkin number"));
    TzolkinSignList = Named(new TNamedList, "TzolkinSignList", QStringLiteral("Tzolkin day sign"));
    HaabDayList = Named(new TNamedList, "HaabDayList", QStringLiteral("Haab day"));
    HaabMonthList = Named(new TNamedList, "HaabMonthList", QStringLiteral("Haab month"));
    for (QComboBox* list : {TzolkinNumber, TzolkinSignList, HaabDayList, HaabMonthList})
        list->addItem(QStringLiteral("any"));
    for (int n = 1; n <= TzolkinNumbers; ++n)
        TzolkinNumber->addItem(QString::number(n));
    for (std::string_view name : TzolkinSign)
        TzolkinSignList->addItem(Qs(std::string(name)));
    for (int d = 0; d < HaabMonthDays; ++d)
        HaabDayList->addItem(QString::number(d));
    for (std::string_view name : HaabMonth)
        HaabMonthList->addItem(Qs(std::string(name)));
    PreviousBtn = PushButton("PreviousBtn", QStringLiteral("&Previous"));
    NextBtn = PushButton("NextBtn", QStringLiteral("&Next"));
    CloseBtn = PushButton("CloseBtn", QStringLiteral("Close"));
    Status = Named(new TStatusLabel, "Status", QStringLiteral("Status"));
    Status->setWordWrap(true);
    Status->setMinimumHeight(3 * Status->fontMetrics().lineSpacing());
    Status->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Layout: correlation, the day's values, the way back, Close.
    auto* top = new QVBoxLayout(ScrollingPage(this));
    auto* correlationRow = new QHBoxLayout;
    auto* correlationLabel = new QLabel(QStringLiteral("C&orrelation:"));
    correlationLabel->setBuddy(CorrelationList);
    correlationRow->addWidget(correlationLabel);
    correlationRow->addWidget(CorrelationList, 1);
    correlationRow->addWidget(CorrelationNumber);
    CorrelationNumber->setMaximumWidth(100);
    top->addLayout(correlationRow);

    auto* values =
        Named(new QGroupBox(QStringLiteral("This day")), "DayBox", QStringLiteral("This day"));
    auto* form = new QFormLayout(values);
    form->addRow(QStringLiteral("Julian Day Number:"), JdnField);
    form->addRow(QStringLiteral("Gregorian:"), GregorianField);
    form->addRow(QStringLiteral("Julian:"), JulianField);
    form->addRow(QStringLiteral("Long Count:"), LongCountField);
    form->addRow(QStringLiteral("Tzolkin:"), TzolkinField);
    form->addRow(QStringLiteral("Haab:"), HaabField);
    form->addRow(QStringLiteral("Calendar Round:"), CalendarRoundField);
    form->addRow(QStringLiteral("Lord of the Night:"), LordField);
    form->addRow(Note);
    auto* back =
        Named(new QGroupBox(QStringLiteral("Go to a day")), "GoBox", QStringLiteral("Go to a day"));
    auto* grid = new QGridLayout(back);
    grid->addWidget(BuddyLabel(QStringLiteral("&Long Count:"), LongCountInput), 0, 0);
    grid->addWidget(LongCountInput, 0, 1, 1, 3);
    grid->addWidget(LongCountGo, 0, 4);
    grid->addWidget(BuddyLabel(QStringLiteral("&Julian date:"), JulianInput), 1, 0);
    grid->addWidget(JulianInput, 1, 1, 1, 3);
    grid->addWidget(JulianGo, 1, 4);
    grid->addWidget(BuddyLabel(QStringLiteral("&Tzolkin:"), TzolkinNumber), 2, 0);
    grid->addWidget(TzolkinNumber, 2, 1);
    grid->addWidget(TzolkinSignList, 2, 2, 1, 2);
    grid->addWidget(BuddyLabel(QStringLiteral("H&aab:"), HaabDayList), 3, 0);
    grid->addWidget(HaabDayList, 3, 1);
    grid->addWidget(HaabMonthList, 3, 2, 1, 2);
    grid->addWidget(PreviousBtn, 2, 4);
    grid->addWidget(NextBtn, 3, 4);
    grid->addWidget(Status, 4, 0, 1, 5);
    // The day and the way back on one page, the inscriptions on the other.
    auto* dayPage = new QWidget;
    auto* dayLayout = new QVBoxLayout(dayPage);
    dayLayout->setContentsMargins(0, 0, 0, 0);
    dayLayout->addWidget(values);
    dayLayout->addWidget(back);
    InscriptionsPage = new TInscriptions([this](std::int64_t jdn) { GoTo(jdn); });
    Tabs = Named(new QTabWidget, "Tabs", QStringLiteral("Almanac pages"));
    Tabs->addTab(dayPage, QStringLiteral("This da&y"));
    Tabs->addTab(InscriptionsPage, QStringLiteral("&Inscriptions"));
    Pictures = new TPicturePane;
    Tabs->addTab(Pictures, QStringLiteral("Pictu&re"));
    top->addWidget(Tabs);

    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(CloseBtn);
    top->addLayout(closeRow);

    setTabOrder(CorrelationList, CorrelationNumber);
    QWidget* previous = CorrelationNumber;
    for (QWidget* w : std::initializer_list<QWidget*>{
             JdnField, GregorianField, JulianField, LongCountField, TzolkinField, HaabField,
             CalendarRoundField, LordField, LongCountInput, LongCountGo, JulianInput, JulianGo,
             TzolkinNumber, TzolkinSignList, HaabDayList, HaabMonthList, PreviousBtn, NextBtn,
             CloseBtn}) {
        setTabOrder(previous, w);
        previous = w;
    }
    // The tab bar before the pages it shows; the pictures' controls before Close.
    setTabOrder(CorrelationNumber, Tabs);
    setTabOrder(Tabs, JdnField);
    previous = NextBtn;
    for (QWidget* w : Pictures->TabChain()) {
        setTabOrder(previous, w);
        previous = w;
    }
    setTabOrder(previous, CloseBtn);

    connect(CorrelationList, &QComboBox::activated, this, &TFrmAlmanac::CorrelationPicked);
    connect(CorrelationNumber, &QLineEdit::editingFinished, this, &TFrmAlmanac::CorrelationTyped);
    connect(LongCountInput, &QLineEdit::returnPressed, this, &TFrmAlmanac::GoToLongCount);
    connect(LongCountGo, &QPushButton::clicked, this, &TFrmAlmanac::GoToLongCount);
    connect(JulianInput, &QLineEdit::returnPressed, this, &TFrmAlmanac::GoToJulianDate);
    connect(JulianGo, &QPushButton::clicked, this, &TFrmAlmanac::GoToJulianDate);
    connect(PreviousBtn, &QPushButton::clicked, this, [this] { Search(false); });
    connect(NextBtn, &QPushButton::clicked, this, [this] { Search(true); });
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    // F1 opens the help of the page shown.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] {
        static constexpr std::string_view Pages[] = {"almanac.htm", "inscriptions.htm",
                                                     "pictures.htm"};
        const int shown = Tabs->currentIndex();
        target_.ShowHelpPage(Pages[shown >= 0 && shown < 3 ? shown : 0]);
    });
    connect(InscriptionsPage, &TInscriptions::SpellingChanged, this, [this] {
        if (shown_)
            ShowDay(*shown_);
    });

    FollowDate();
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
    for (QLineEdit* field : {JdnField, GregorianField, JulianField, LongCountField, TzolkinField,
                             HaabField, CalendarRoundField, LordField})
        field->clear();
    Note->Show(QStringLiteral("The calculator shows no day."));
    InscriptionsPage->DayShown(std::nullopt);
    Pictures->ClearDay();
}

void TFrmAlmanac::ShowDay(std::int64_t jdn) {
    shown_ = jdn;
    if (detached_)
        readingsDay_ = jdn;
    const AlmanacDay a = ComputeAlmanac(jdn, correlation_);
    showText(JdnField, QString::number(a.jdn));
    showText(GregorianField, dateText(a.gregorian));
    showText(JulianField, dateText(a.julian));
    showText(LongCountField, Qs(LongCountText(a.longCount)));
    const Spelling spelling = InscriptionsPage->CurrentSpelling();
    showText(TzolkinField, Qs(TzolkinText(a.tzolkin, spelling)));
    showText(HaabField, Qs(HaabText(a.haab, spelling)));
    showText(CalendarRoundField, Qs(CalendarRoundText(a.dayCount, spelling)));
    InscriptionsPage->DayShown(a);
    showText(LordField, QStringLiteral("G") + QString::number(a.lordOfTheNight));
    Pictures->ShowDay(a);

    QString note;
    if (detached_)
        note = QStringLiteral("The calculator's Year field holds five digits, so this day is "
                              "shown here only; the calculator keeps its date.");
    if (readingsDay_ != jdn) {
        // Before 4801 B.C. the calculator's formula runs off the true day.
        const std::int64_t off = readingsDay_ - jdn;
        if (!note.isEmpty())
            note += QLatin1Char(' ');
        note += QStringLiteral("The calculator's readings for this date count day %1, %2 %3 "
                               "(its formula runs off before 1 March 4801 B.C.).")
                    .arg(readingsDay_)
                    .arg(off < 0 ? -off : off)
                    .arg(QLatin1String(off == 1 || off == -1
                                           ? (off < 0 ? "day earlier" : "day later")
                                           : (off < 0 ? "days earlier" : "days later")));
    }
    if (correlation_ != DefaultCorrelation) {
        const AlmanacDay main = ComputeAlmanac(jdn, DefaultCorrelation);
        if (!note.isEmpty())
            note += QLatin1Char(' ');
        note += QStringLiteral("The calculator counts with %1: there this day is %2 %3.")
                    .arg(DefaultCorrelation)
                    .arg(Qs(LongCountText(main.longCount)),
                         Qs(CalendarRoundText(main.tzolkin, main.haab)));
    }
    Note->Show(note);
}

void TFrmAlmanac::SetStatus(const QString& text) {
    Status->Show(text);
}

void TFrmAlmanac::CorrelationPicked(int index) {
    if (index < 0 || index >= static_cast<int>(NamedCorrelations.size())) {
        CorrelationNumber->setFocus();
        CorrelationNumber->selectAll();
        return;
    }
    correlation_ = NamedCorrelations[static_cast<std::size_t>(index)].value;
    CorrelationNumber->setText(QString::number(correlation_));
    if (shown_)
        ShowDay(*shown_);
}

void TFrmAlmanac::CorrelationTyped() {
    std::string error;
    const std::optional<std::int64_t> value =
        ParseCorrelation(CorrelationNumber->text().toStdString(), error);
    if (!value) {
        SetStatus(Qs(error));
        return;
    }
    SetStatus({});
    correlation_ = *value;
    int index = static_cast<int>(NamedCorrelations.size()); // "Other"
    for (std::size_t i = 0; i < NamedCorrelations.size(); ++i)
        if (NamedCorrelations[i].value == correlation_)
            index = static_cast<int>(i);
    CorrelationList->setCurrentIndex(index);
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

void TFrmAlmanac::GoToLongCount() {
    std::string error;
    const std::optional<std::int64_t> count =
        ParseLongCount(LongCountInput->text().toStdString(), error);
    if (!count) {
        SetStatus(Qs(error));
        return;
    }
    const std::int64_t jdn = *count + correlation_;
    if (!DayInRange(jdn, Calendar::Gregorian)) {
        SetStatus(Qs(std::string(DayRangeMessage)));
        return;
    }
    SetStatus({});
    GoTo(jdn);
}

void TFrmAlmanac::GoToJulianDate() {
    std::string error;
    const std::optional<std::int64_t> jdn =
        ParseDateText(JulianInput->text().toStdString(), Calendar::Julian, error);
    if (!jdn) {
        SetStatus(Qs(error));
        return;
    }
    SetStatus({});
    GoTo(*jdn);
}

void TFrmAlmanac::Search(bool forward) {
    CalendarRoundQuery query;
    const int number = TzolkinNumber->currentIndex(), sign = TzolkinSignList->currentIndex();
    const int day = HaabDayList->currentIndex(), month = HaabMonthList->currentIndex();
    if ((number == 0) != (sign == 0)) {
        SetStatus(QStringLiteral("Pick both the Tzolkin number and day sign, or neither."));
        return;
    }
    if ((day == 0) != (month == 0)) {
        SetStatus(QStringLiteral("Pick both the Haab day and month, or neither."));
        return;
    }
    if (number != 0)
        query.tzolkin = TzolkinDay{number, sign};
    if (month != 0) {
        query.haab = HaabDay{day - 1, month};
        if (!IsHaabDay(*query.haab)) {
            SetStatus(Qs(HaabMonthDaysText(month) + " only."));
            return;
        }
    }
    switch (QueryStatusOf(query)) {
    case QueryStatus::NothingAsked:
        SetStatus(QStringLiteral("Pick a Tzolkin day, a Haab day or both."));
        return;
    case QueryStatus::NeverOccurs:
        SetStatus(Qs(WhyNoDay(query) + "."));
        return;
    case QueryStatus::Possible:
        break;
    }
    if (!shown_) {
        SetStatus(QStringLiteral("There is no day to search from: enter a date first."));
        return;
    }
    const std::int64_t from = *shown_ - correlation_;
    const std::int64_t jdn =
        (forward ? NextDayCount(query, from) : PreviousDayCount(query, from)) + correlation_;
    if (!DayInRange(jdn, Calendar::Gregorian)) {
        SetStatus(Qs("No such day within the years " + std::string(YearRangeText) + "."));
        return;
    }
    SetStatus({});
    GoTo(jdn);
}

} // namespace zentolk
