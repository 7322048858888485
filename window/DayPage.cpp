#include "window/DayPage.h"

#include "engine/AlmanacInput.h"
#include "engine/Epigraphy.h"
#include "engine/Lunar.h"
#include "engine/Periods.h"
#include "ui/Translations.h"
#include "window/Accessible.h"
#include "window/PageControls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
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
    if (field->text() == text)
        return;
    GrowFor(field, text);
    field->setText(text);
    field->setCursorPosition(0); // the start, should the field still be narrower
}

QString dateText(const CivilDate& date, Language language) {
    return Qs(CivilDateText(date, language) + " (" + IsoDateText(date) + ")");
}

// A status line of three lines' height, so that the page does not jump.
TStatusLabel* statusLine(const char* name, const QString& accessible) {
    auto* line = Named(new TStatusLabel, name, accessible);
    line->setWordWrap(true);
    line->setMinimumHeight(3 * line->fontMetrics().lineSpacing());
    line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return line;
}
} // namespace

TDayPage::TDayPage(std::function<void(std::int64_t)> goTo) : goTo_(std::move(goTo)) {
    setObjectName(QStringLiteral("DayPage"));
    CreateControls();
    LayOut();
    Connect();
}

void TDayPage::CreateControls() {
    JdnField = output("JdnField", tr("Julian Day Number"));
    GregorianField = output("GregorianField", tr("Gregorian date"));
    JulianField = output("JulianField", tr("Julian date"));
    LongCountField = output("LongCountField", tr("Long Count"));
    TzolkinField = output("TzolkinField", tr("Tzolkin"));
    HaabField = output("HaabField", tr("Haab"));
    CalendarRoundField = output("CalendarRoundField", tr("Calendar Round"));
    LordField = output("LordField", tr("Lord of the Night"));
    StationField = output("DayStationField", tr("819-day station"));
    QuarterField = output("StationQuarterField", tr("819-day station direction"));
    PatronField = output("PatronField", tr("Introductory glyph patron"));
    BearerField = output("DayBearerField", tr("Year bearer"));
    PeriodEndingField = output("PeriodEndingField", tr("Period ending"));
    KatunField = output("KatunField", tr("Katun"));
    for (const LunarConvention c : LunarConventions) {
        const QString title = Qs(std::string(InfoOf(c, InterfaceLanguage()).title));
        LunarFields << output("LunarSeriesField", tr("Lunar Series, %1").arg(title));
        LunarFields.back()->setObjectName(Qs("LunarSeries_" + std::string(InfoOf(c).key)));
    }
    Note = statusLine("Note", tr("Note"));

    LongCountInput = Named(new QLineEdit, "LongCountInput", tr("Long Count to go to"));
    LongCountInput->setPlaceholderText(QStringLiteral("9.12.11.5.18"));
    LongCountGo = PushButton("LongCountGo", tr("Go"));
    LongCountGo->setAccessibleName(tr("Go to the Long Count"));
    JulianInput = Named(new QLineEdit, "JulianInput", tr("Julian date to go to"));
    JulianInput->setPlaceholderText(QStringLiteral("9 6 3114 ") +
                                    Qs(std::string(EraText(EraIndexBC, InterfaceLanguage()))));
    JulianGo = PushButton("JulianGo", tr("Go"));
    JulianGo->setAccessibleName(tr("Go to the Julian date"));

    TzolkinNumber = Named(new TNamedList, "TzolkinNumber", tr("Tzolkin number"));
    TzolkinSignList = Named(new TNamedList, "TzolkinSignList", tr("Tzolkin day sign"));
    HaabDayList = Named(new TNamedList, "HaabDayList", tr("Haab day"));
    HaabMonthList = Named(new TNamedList, "HaabMonthList", tr("Haab month"));
    for (QComboBox* list : {TzolkinNumber, TzolkinSignList, HaabDayList, HaabMonthList})
        list->addItem(tr("any"));
    for (int n = 1; n <= TzolkinNumbers; ++n)
        TzolkinNumber->addItem(QString::number(n));
    for (std::string_view name : TzolkinSign)
        TzolkinSignList->addItem(Qs(std::string(name)));
    for (int d = 0; d < HaabMonthDays; ++d)
        HaabDayList->addItem(QString::number(d));
    for (std::string_view name : HaabMonth)
        HaabMonthList->addItem(Qs(std::string(name)));
    PreviousBtn = PushButton("PreviousBtn", tr("&Previous"));
    NextBtn = PushButton("NextBtn", tr("&Next"));
    Status = statusLine("Status", tr("Status"));
}

// The day's values above, the way back below.
void TDayPage::LayOut() {
    auto* values = Named(new QGroupBox(tr("This day")), "DayBox", tr("This day"));
    auto* form = new QFormLayout(values);
    // Seventeen readings: close rows keep the page within a small screen.
    form->setVerticalSpacing(2);
    // A reading too long for the window beside the calculator (a longer
    // translation's) goes under its caption rather than widen the page.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->addRow(tr("Julian Day Number:"), JdnField);
    form->addRow(tr("Gregorian:"), GregorianField);
    form->addRow(tr("Julian:"), JulianField);
    form->addRow(tr("Long Count:"), LongCountField);
    form->addRow(tr("Tzolkin:"), TzolkinField);
    form->addRow(tr("Haab:"), HaabField);
    form->addRow(tr("Introductory glyph:"), PatronField);
    form->addRow(tr("Calendar Round:"), CalendarRoundField);
    form->addRow(tr("Lord of the Night:"), LordField);
    form->addRow(tr("819-day station:"), StationField);
    form->addRow(tr("Station direction:"), QuarterField);
    form->addRow(tr("Year bearer:"), BearerField);
    form->addRow(tr("Period ending:"), PeriodEndingField);
    form->addRow(tr("Katun:"), KatunField);
    for (std::size_t i = 0; i < std::size(LunarConventions); ++i)
        form->addRow(Qs(std::string(InfoOf(LunarConventions[i], InterfaceLanguage()).title) + ":"),
                     LunarFields[static_cast<qsizetype>(i)]);
    form->addRow(Note);
    auto* back = Named(new QGroupBox(tr("Go to a day")), "GoBox", tr("Go to a day"));
    auto* grid = new QGridLayout(back);
    grid->addWidget(BuddyLabel(tr("&Long Count:"), LongCountInput), 0, 0);
    grid->addWidget(LongCountInput, 0, 1, 1, 3);
    grid->addWidget(LongCountGo, 0, 4);
    grid->addWidget(BuddyLabel(tr("&Julian date:"), JulianInput), 1, 0);
    grid->addWidget(JulianInput, 1, 1, 1, 3);
    grid->addWidget(JulianGo, 1, 4);
    grid->addWidget(BuddyLabel(tr("&Tzolkin:"), TzolkinNumber), 2, 0);
    grid->addWidget(TzolkinNumber, 2, 1);
    grid->addWidget(TzolkinSignList, 2, 2, 1, 2);
    grid->addWidget(BuddyLabel(tr("H&aab:"), HaabDayList), 3, 0);
    grid->addWidget(HaabDayList, 3, 1);
    grid->addWidget(HaabMonthList, 3, 2, 1, 2);
    grid->addWidget(PreviousBtn, 2, 4);
    grid->addWidget(NextBtn, 3, 4);
    grid->addWidget(Status, 4, 0, 1, 5);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(values);
    layout->addWidget(back);
}

void TDayPage::Connect() {
    connect(LongCountInput, &QLineEdit::returnPressed, this, &TDayPage::GoToLongCount);
    connect(LongCountGo, &QPushButton::clicked, this, &TDayPage::GoToLongCount);
    connect(JulianInput, &QLineEdit::returnPressed, this, &TDayPage::GoToJulianDate);
    connect(JulianGo, &QPushButton::clicked, this, &TDayPage::GoToJulianDate);
    connect(PreviousBtn, &QPushButton::clicked, this, [this] { Search(false); });
    connect(NextBtn, &QPushButton::clicked, this, [this] { Search(true); });
}

QList<QWidget*> TDayPage::TabChain() const {
    QList<QWidget*> chain = {JdnField,          GregorianField, JulianField,  LongCountField,
                             TzolkinField,      HaabField,      PatronField,  CalendarRoundField,
                             LordField,         StationField,   QuarterField, BearerField,
                             PeriodEndingField, KatunField};
    for (QLineEdit* field : LunarFields)
        chain << field;
    return chain + QList<QWidget*>{LongCountInput, LongCountGo,     JulianInput, JulianGo,
                                   TzolkinNumber,  TzolkinSignList, HaabDayList, HaabMonthList,
                                   PreviousBtn,    NextBtn};
}

void TDayPage::ShowDay(const AlmanacDay& a, Spelling spelling, const QString& note,
                       YearBearerSystem bearers) {
    day_ = a;
    spelling_ = spelling;
    const Language language = InterfaceLanguage();
    showText(JdnField, QString::number(a.jdn));
    showText(GregorianField, dateText(a.gregorian, language));
    showText(JulianField, dateText(a.julian, language));
    showText(LongCountField, Qs(InscribedDayText(a.dayCount, language)));
    showText(TzolkinField, Qs(TzolkinText(a.tzolkin, spelling)));
    showText(HaabField, Qs(HaabText(a.haab, spelling)));
    showText(PatronField, Qs(IntroductoryPatronText(a.dayCount, spelling, language)));
    showText(CalendarRoundField, Qs(CalendarRoundText(a.dayCount, spelling)));
    showText(LordField, QStringLiteral("G") + QString::number(a.lordOfTheNight));
    showText(StationField, Qs(Station819Text(a.dayCount, spelling, language)));
    showText(QuarterField, Qs(Station819QuarterText(a.dayCount, language)));
    showText(BearerField, Qs(YearBearerText(a.dayCount, bearers, spelling, language)));
    const std::string ending = PeriodEndingText(a.dayCount, spelling);
    showText(PeriodEndingField, ending.empty() ? tr("none") : Qs(ending));
    showText(KatunField, Qs(KatunText(a.dayCount, spelling, language)));
    for (std::size_t i = 0; i < std::size(LunarConventions); ++i)
        showText(LunarFields[static_cast<qsizetype>(i)],
                 Qs(LunarReadingText(LunarConventions[i], a.dayCount, a.correlation, language)));
    Note->Show(note);
}

void TDayPage::ClearDay(const QString& note) {
    day_.reset();
    for (QLineEdit* field : {JdnField, GregorianField, JulianField, LongCountField, TzolkinField,
                             HaabField, PatronField, CalendarRoundField, LordField, StationField,
                             QuarterField, BearerField, PeriodEndingField, KatunField})
        field->clear();
    for (QLineEdit* field : LunarFields)
        field->clear();
    Note->Show(note);
}

void TDayPage::SetStatus(const QString& text) {
    Status->Show(text);
}

void TDayPage::GoToLongCount() {
    std::string error;
    // A full date or an earlier era's count is read as the Inscriptions page reads it.
    const std::optional<LongCountDate> date = ReadLongCountDate(
        LongCountInput->text().toStdString(), error, spelling_, InterfaceLanguage());
    if (!date) {
        SetStatus(Qs(error));
        return;
    }
    const std::int64_t jdn = date->dayCount + correlation_;
    if (!DayInRange(jdn, Calendar::Gregorian)) {
        SetStatus(Qs(std::string(DayRangeWords.in(InterfaceLanguage()))));
        return;
    }
    SetStatus({});
    goTo_(jdn);
}

void TDayPage::GoToJulianDate() {
    std::string error;
    const std::optional<std::int64_t> jdn = ParseDateText(
        JulianInput->text().toStdString(), Calendar::Julian, error, InterfaceLanguage());
    if (!jdn) {
        SetStatus(Qs(error));
        return;
    }
    SetStatus({});
    goTo_(*jdn);
}

void TDayPage::Search(bool forward) {
    CalendarRoundQuery query;
    const int number = TzolkinNumber->currentIndex(), sign = TzolkinSignList->currentIndex();
    const int day = HaabDayList->currentIndex(), month = HaabMonthList->currentIndex();
    if ((number == 0) != (sign == 0)) {
        SetStatus(tr("Pick both the Tzolkin number and day sign, or neither."));
        return;
    }
    if ((day == 0) != (month == 0)) {
        SetStatus(tr("Pick both the Haab day and month, or neither."));
        return;
    }
    if (number != 0)
        query.tzolkin = TzolkinDay{number, sign};
    if (month != 0) {
        query.haab = HaabDay{day - 1, month};
        if (!IsHaabDay(*query.haab)) {
            SetStatus(
                tr("%1 only.").arg(Qs(HaabMonthDaysText(month, spelling_, InterfaceLanguage()))));
            return;
        }
    }
    switch (QueryStatusOf(query)) {
    case QueryStatus::NothingAsked:
        SetStatus(tr("Pick a Tzolkin day, a Haab day or both."));
        return;
    case QueryStatus::NeverOccurs:
        SetStatus(Qs(WhyNoDay(query, spelling_, InterfaceLanguage()) + "."));
        return;
    case QueryStatus::Possible:
        break;
    }
    if (!day_) {
        SetStatus(tr("There is no day to search from: enter a date first."));
        return;
    }
    const std::int64_t jdn =
        (forward ? NextDayCount(query, day_->dayCount) : PreviousDayCount(query, day_->dayCount)) +
        day_->correlation;
    if (!DayInRange(jdn, Calendar::Gregorian)) {
        SetStatus(tr("No such day within the years %1.").arg(Qs(std::string(YearRangeText))));
        return;
    }
    SetStatus({});
    goTo_(jdn);
}

} // namespace zentolk
