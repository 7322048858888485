#include "window/Inscriptions.h"

#include "engine/AlmanacInput.h"
#include "engine/Epigraphy.h"
#include "engine/NumberText.h"
#include "engine/Periods.h"
#include "engine/TextParsing.h"
#include "ui/Translations.h"
#include "window/Accessible.h"
#include "window/PageControls.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentolk {

namespace {
// Matches beyond this many are counted, not listed.
constexpr std::int64_t ListedDays = 1000;
} // namespace

TInscriptions::TInscriptions(std::function<void(std::int64_t)> goTo) : goTo_(std::move(goTo)) {
    setObjectName(QStringLiteral("Inscriptions"));
    setAccessibleName(QStringLiteral("Inscriptions"));
    CreateControls();
    LayOut();
    SetTabOrder();
    Connect();
}

void TInscriptions::CreateControls() {
    SpellingList = Named(new TNamedList, "SpellingList", tr("Spelling"));
    SpellingList->addItems({tr("Colonial (Ahau, Cumku)"), tr("Modern (Ajaw, Kumk'u)")});
    BearerList = Named(new TNamedList, "BearerList", tr("Year bearer system"));
    BearerList->addItems({tr("Classic (0 Pop)"), tr("Campeche (1 Pop)"), tr("Mayapan (2 Pop)")});
    StationField = Named(new TReadingField, "StationField", tr("819-day station"));
    StationField->setReadOnly(true);
    BearerField = Named(new TReadingField, "BearerField", tr("Year bearer"));
    BearerField->setReadOnly(true);

    DistanceInput = Named(new QLineEdit, "DistanceInput", tr("Distance number"));
    DistanceInput->setPlaceholderText(QStringLiteral("2.4.0"));
    DistanceInput->setToolTip(tr("Largest place first, kins last; Enter adds"));
    AddBtn = PushButton("AddBtn", tr("Add"), tr("Add the distance"));
    SubtractBtn = PushButton("SubtractBtn", tr("Subtract"), tr("Subtract the distance"));
    FromInput = Named(new QLineEdit, "FromInput", tr("Distance from"));
    FromInput->setPlaceholderText(tr("9.12.11.5.18 or 8 29 683 A.D."));
    MeasureBtn = PushButton("MeasureBtn", tr("Measure"), tr("Measure the distance to this day"));
    FullDateInput = Named(new QLineEdit, "FullDateInput", tr("Full date"));
    FullDateInput->setPlaceholderText(QStringLiteral("9.12.11.5.18 6 Etznab 11 Yax"));
    CheckBtn = PushButton("CheckBtn", tr("Chec&k"), tr("Check"));
    PatternInput = Named(new QLineEdit, "PatternInput", tr("Damaged date"));
    PatternInput->setPlaceholderText(QStringLiteral("9.*.*.0.0 * Ahau 8 *"));
    PatternInput->setToolTip(tr("Write * for a place or name that cannot be read"));
    FindBtn = PushButton("FindBtn", tr("Fin&d"), tr("Find"));
    CreatePeriodControls();
    Result = Named(new TStatusLabel, "Result", tr("Result"));
    Result->setWordWrap(true);
    Result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DayList = Named(new QListWidget, "DayList", tr("Days found"));
    DayList->setToolTip(tr("Enter or a double click goes to the day"));
    // The list takes what height the window has, so that the page is no
    // taller than the day's page.
    DayList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    SizeToFont();
}

void TInscriptions::SizeToFont() {
    // A full date as typed, of either era, whole; the station's longer line
    // shows its start, so that the page still fits beside the calculator.
    const QString fullDate = QStringLiteral("12.19.13.4.0 13 Chicchan 8 Kankin");
    for (QLineEdit* field : {FromInput, FullDateInput, PatternInput})
        field->setMinimumWidth(WidthFor(field, fullDate)); // narrower again with a smaller font
    Result->setMinimumHeight(3 * Result->fontMetrics().lineSpacing());
    DayList->setMinimumHeight(4 * DayList->fontMetrics().lineSpacing());
}

void TInscriptions::changeEvent(QEvent* event) {
    // The children have their new font by the time the page hears of it.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ApplicationFontChange)
        SizeToFont();
    QWidget::changeEvent(event);
}

// The day's readings and the spelling above, the inscription's work below.
void TInscriptions::LayOut() {
    auto* top = new QVBoxLayout(this);
    auto* readings = Named(new QGroupBox(tr("This day")), "InscriptionDayBox", tr("This day"));
    auto* form = new QFormLayout(readings);
    form->addRow(tr("819-day station:"), StationField);
    form->addRow(BuddyLabel(tr("Year &bearer:"), BearerList), BearerList);
    form->addRow(QString(), BearerField);
    form->addRow(BuddyLabel(tr("Spellin&g:"), SpellingList), SpellingList);
    top->addWidget(readings);

    auto* work = Named(new QGroupBox(tr("Inscription")), "InscriptionBox", tr("Inscription"));
    auto* grid = new QGridLayout(work);
    grid->addWidget(BuddyLabel(tr("Distance n&umber:"), DistanceInput), 0, 0);
    grid->addWidget(DistanceInput, 0, 1);
    grid->addWidget(AddBtn, 0, 2);
    grid->addWidget(SubtractBtn, 0, 3);
    grid->addWidget(BuddyLabel(tr("Distance &from:"), FromInput), 1, 0);
    grid->addWidget(FromInput, 1, 1);
    grid->addWidget(MeasureBtn, 1, 2, 1, 2);
    grid->addWidget(BuddyLabel(tr("Full dat&e:"), FullDateInput), 2, 0);
    grid->addWidget(FullDateInput, 2, 1);
    grid->addWidget(CheckBtn, 2, 2, 1, 2);
    grid->addWidget(BuddyLabel(tr("Da&maged date:"), PatternInput), 3, 0);
    grid->addWidget(PatternInput, 3, 1);
    grid->addWidget(FindBtn, 3, 2, 1, 2);
    LayOutPeriodRows(grid, 4);
    grid->addWidget(Result, 6, 0, 1, 4);
    grid->addWidget(DayList, 7, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);
    top->addWidget(work, 1);
}

void TInscriptions::SetTabOrder() {
    const QList<QWidget*> chain = TabChain();
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

QList<QWidget*> TInscriptions::TabChain() const {
    return {StationField, BearerList,   BearerField, SpellingList, DistanceInput,
            AddBtn,       SubtractBtn,  FromInput,   MeasureBtn,   FullDateInput,
            CheckBtn,     PatternInput, FindBtn,     PeriodInput,  PeriodBtn,
            PlaceInput,   PlaceBtn,     Result,      DayList};
}

void TInscriptions::Connect() {
    connect(SpellingList, &QComboBox::currentIndexChanged, this, [this] {
        ShowReadings();
        emit SpellingChanged();
    });
    connect(BearerList, &QComboBox::currentIndexChanged, this, [this] {
        ShowReadings();
        emit SpellingChanged();
    });
    connect(DistanceInput, &QLineEdit::returnPressed, this, [this] { Move(true); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { Move(true); });
    connect(SubtractBtn, &QPushButton::clicked, this, [this] { Move(false); });
    connect(FromInput, &QLineEdit::returnPressed, this, &TInscriptions::MeasureDistance);
    connect(MeasureBtn, &QPushButton::clicked, this, &TInscriptions::MeasureDistance);
    connect(FullDateInput, &QLineEdit::returnPressed, this, &TInscriptions::CheckDate);
    connect(CheckBtn, &QPushButton::clicked, this, &TInscriptions::CheckDate);
    connect(PatternInput, &QLineEdit::returnPressed, this, &TInscriptions::FindMatches);
    connect(FindBtn, &QPushButton::clicked, this, &TInscriptions::FindMatches);
    connect(PeriodInput, &QLineEdit::returnPressed, this, &TInscriptions::ListPeriodEndings);
    connect(PeriodBtn, &QPushButton::clicked, this, &TInscriptions::ListPeriodEndings);
    connect(PlaceInput, &QLineEdit::returnPressed, this, &TInscriptions::PlaceShortForm);
    connect(PlaceBtn, &QPushButton::clicked, this, &TInscriptions::PlaceShortForm);
    connect(DayList, &QListWidget::itemActivated, this, &TInscriptions::GoToItem);
}

YearBearerSystem TInscriptions::CurrentYearBearer() const {
    return static_cast<YearBearerSystem>(std::max(0, BearerList->currentIndex()));
}

Spelling TInscriptions::CurrentSpelling() const {
    return SpellingList->currentIndex() == 1 ? Spelling::Modern : Spelling::Colonial;
}

void TInscriptions::DayShown(const std::optional<AlmanacDay>& day) {
    day_ = day;
    ShowReadings();
}

QString TInscriptions::LineOf(std::int64_t dayCount) const {
    const std::int64_t correlation = day_ ? day_->correlation : DefaultCorrelation;
    const CivilDate date = JdnToCivil(Calendar::Gregorian, dayCount + correlation);
    return Qs(InscribedDayText(dayCount, InterfaceLanguage())) + QStringLiteral("  ") +
           Qs(CalendarRoundText(dayCount, CurrentSpelling())) + QStringLiteral("  ") +
           tr("%1 (Gregorian)").arg(Qs(CivilDateText(date, InterfaceLanguage())));
}

void TInscriptions::ShowReadings() {
    if (!day_) {
        StationField->clear();
        BearerField->clear();
        return;
    }
    StationField->setText(
        Qs(Station819Text(day_->dayCount, CurrentSpelling(), InterfaceLanguage())));
    StationField->setCursorPosition(0); // its start, when the field is narrower than the text
    const YearBearerSystem system = CurrentYearBearer();
    BearerField->setText(Qs(TzolkinText(YearBearerOf(day_->dayCount, system), CurrentSpelling())));
}

void TInscriptions::SetResult(const QString& text) {
    // The engine's messages start in lower case, to be quoted mid-sentence.
    Result->Show(text.isEmpty() ? text : text.front().toUpper() + text.mid(1));
}

void TInscriptions::Move(bool forward) {
    DayList->clear(); // the list answers the action that filled it, not this one
    std::string error;
    const std::optional<std::int64_t> days =
        ParseDistanceNumber(DistanceInput->text().toStdString(), error, InterfaceLanguage());
    if (!days) {
        SetResult(Qs(error));
        return;
    }
    if (!day_) {
        SetResult(tr("There is no day to count from: enter a date first."));
        return;
    }
    const std::int64_t jdn = day_->jdn + (forward ? *days : -*days);
    if (!DayInRange(jdn, Calendar::Gregorian)) {
        SetResult(Qs(std::string(DayRangeWords.in(InterfaceLanguage()))));
        return;
    }
    SetResult(QStringLiteral("%1 %2 %3:")
                  .arg(Qs(InscribedDayText(day_->dayCount, InterfaceLanguage())),
                       forward ? "+" : "-", Qs(InscribedDistanceText(*days))) +
              QStringLiteral(" ") + LineOf(jdn - day_->correlation));
    goTo_(jdn);
}

void TInscriptions::MeasureDistance() {
    DayList->clear();
    if (!day_) {
        SetResult(tr("There is no day to measure to: enter a date first."));
        return;
    }
    const std::string text = FromInput->text().trimmed().toStdString();
    std::string error;
    std::optional<WideCount> from;
    if (!IsLongCountText(text)) {
        if (const std::optional<std::int64_t> jdn =
                ParseDateText(text, Calendar::Gregorian, error, InterfaceLanguage()))
            from = *jdn - day_->correlation;
    } else if (const std::optional<WideLongCountDate> date =
                   ReadWideLongCountDate(text, error, CurrentSpelling(), InterfaceLanguage())) {
        from = date->dayCount; // a deep count's day too, which has no civil date
    }
    if (!from) {
        SetResult(Qs(error));
        return;
    }
    const WideCount days = day_->dayCount - *from;
    const std::optional<std::int64_t> near = NarrowDayCount(*from);
    SetResult(tr("From %1 to this day, %2: %3 (%4 days)")
                  .arg(Qs(near ? InscribedDayText(*near, InterfaceLanguage())
                               : WideInscribedDayText(*from, InterfaceLanguage())),
                       Qs(InscribedDayText(day_->dayCount, InterfaceLanguage())),
                       Qs(InscribedWideDistanceText(days)),
                       Qs(GroupThousands(WideNumberText(days)))));
}

void TInscriptions::CheckDate() {
    std::string error;
    const std::string text = FullDateInput->text().toStdString();
    const std::optional<FullDate> date =
        ParseFullDate(text, error, CurrentSpelling(), InterfaceLanguage());
    DayList->clear();
    DayList->setAccessibleName(tr("Suggestions"));
    std::string_view rest = text;
    const std::string_view first = TakeWord(rest);
    std::string ignored; // a count that does not read is refused below
    if (const std::optional<WideCount> written =
            IsWideLongCountText(first) ? ParseWideLongCount(first, ignored) : std::nullopt;
        written && !NarrowDayCount(*written)) {
        // Beyond 64 bits: checked by its cycles, with no day to go to.
        error.clear();
        const std::optional<WideLongCountDate> deep =
            ReadWideLongCountDate(text, error, CurrentSpelling(), InterfaceLanguage());
        if (deep)
            SetResult(
                Qs(deep->note) + (deep->note.empty() ? "" : ". ") +
                tr("The date fits: %1  %2, which has no Gregorian or Julian date.")
                    .arg(Qs(WideInscribedDayText(deep->dayCount, InterfaceLanguage())),
                         Qs(CalendarRoundText(CycleDayOf(deep->dayCount), CurrentSpelling()))));
        else
            SetResult(Qs(error));
        return;
    }
    if (!date) {
        SetResult(error.empty() ? tr("Write a Long Count followed by its Tzolkin day, "
                                     "Haab day or both.")
                                : Qs(error));
        return;
    }
    const FullDateCheck check = CheckFullDate(*date, CurrentSpelling(), true, InterfaceLanguage());
    if (check.fits) {
        const QString fits = tr("The date fits: %1").arg(LineOf(check.dayCount));
        SetResult(check.previousEra ? Qs(check.note) + QStringLiteral(". ") + fits : fits);
        DayList->addItem(LineOf(check.dayCount));
        DayList->item(0)->setData(Qt::UserRole, QVariant::fromValue<qint64>(check.dayCount));
        return;
    }
    for (const std::int64_t s : check.suggestions) {
        auto* item = new QListWidgetItem(LineOf(s), DayList);
        item->setData(Qt::UserRole, QVariant::fromValue<qint64>(s));
    }
    SetResult((check.suggestions.empty()
                   ? tr("%1. No Long Count one place away fits.")
                   : tr("%1. Below, the Long Counts one place away that fit, nearest first."))
                  .arg(Qs(check.problem)));
}

void TInscriptions::FindMatches() {
    std::string error;
    const std::optional<DatePattern> pattern = ParseDatePattern(
        PatternInput->text().toStdString(), error, CurrentSpelling(), InterfaceLanguage());
    DayList->clear();
    DayList->setAccessibleName(tr("Matching days"));
    if (!pattern) {
        SetResult(Qs(error));
        return;
    }
    // Both eras the inscriptions write, as match searches them when its range
    // covers the era before.
    const std::int64_t from = -EraDays, to = EraDays;
    ShowFound(MatchPattern(*pattern, from, to, ListedDays), from, to, true);
}

// Period endings and short-form dates: a row each below the damaged date.
void TInscriptions::CreatePeriodControls() {
    PeriodInput = Named(new QLineEdit, "PeriodInput", tr("Period endings"));
    PeriodInput->setPlaceholderText(QStringLiteral("katun 13"));
    PeriodInput->setToolTip(tr("A period (baktun, katun, lahuntun, hotun, tun), "
                               "with the number of its Ahau day if wanted"));
    PeriodBtn = PushButton("PeriodBtn", tr("List"), tr("List the period endings"));
    PlaceInput = Named(new QLineEdit, "PlaceInput", tr("Short-form date"));
    PlaceInput->setPlaceholderText(QStringLiteral("3 Ahau 3 Mol katun 13"));
    PlaceInput->setToolTip(tr("A Calendar Round, then \"katun N\" for the katun "
                              "N Ahau it lies in or a period it ends"));
    PlaceBtn = PushButton("PlaceBtn", tr("Place"), tr("Place the Calendar Round"));
}

void TInscriptions::LayOutPeriodRows(QGridLayout* grid, int row) {
    grid->addWidget(BuddyLabel(tr("Period ending&s:"), PeriodInput), row, 0);
    grid->addWidget(PeriodInput, row, 1);
    grid->addWidget(PeriodBtn, row, 2, 1, 2);
    grid->addWidget(BuddyLabel(tr("S&hort-form date:"), PlaceInput), row + 1, 0);
    grid->addWidget(PlaceInput, row + 1, 1);
    grid->addWidget(PlaceBtn, row + 1, 2, 1, 2);
}

// Lists the days found from `from` to `to` and says how many there are;
// `fit` when they are the days that fit what was typed.
void TInscriptions::ShowFound(const MatchResult& found, std::int64_t from, std::int64_t to,
                              bool fit) {
    for (const std::int64_t d : found.days) {
        auto* item = new QListWidgetItem(LineOf(d), DayList);
        item->setData(Qt::UserRole, QVariant::fromValue<qint64>(d));
    }
    const QString range = tr("%1 to %2")
                              .arg(Qs(InscribedDayText(from, InterfaceLanguage())),
                                   Qs(InscribedDayText(to, InterfaceLanguage())));
    const QString total = Qs(GroupThousands(std::to_string(found.total)));
    // Whole sentences, so that a translation can place the verb.
    if (found.total == 0)
        SetResult((fit ? tr("No day from %1 fits.") : tr("No day from %1.")).arg(range));
    else if (found.total == 1)
        SetResult((fit ? tr("One day from %1 fits.") : tr("One day from %1.")).arg(range));
    else if (found.total > ListedDays)
        SetResult((fit ? tr("%1 days from %2 fit; the first %3 are listed.")
                       : tr("%1 days from %2; the first %3 are listed."))
                      .arg(total, range, Qs(GroupThousands(std::to_string(ListedDays)))));
    else
        SetResult((fit ? tr("%1 days from %2 fit.") : tr("%1 days from %2.")).arg(total, range));
}

void TInscriptions::ListPeriodEndings() {
    std::string error;
    const std::optional<PeriodQuery> query =
        ParsePeriodQuery(PeriodInput->text().toStdString(), error, InterfaceLanguage());
    DayList->clear();
    DayList->setAccessibleName(tr("Period endings"));
    if (!query) {
        SetResult(Qs(error));
        return;
    }
    ShowFound(PeriodEndings(query->period, query->ajaw, 0, EraDays, ListedDays), 0, EraDays, false);
}

void TInscriptions::PlaceShortForm() {
    std::string error;
    const std::optional<ShortFormDate> date = ParseShortFormDate(
        PlaceInput->text().toStdString(), error, CurrentSpelling(), InterfaceLanguage());
    DayList->clear();
    DayList->setAccessibleName(tr("Placed days"));
    if (!date) {
        SetResult(Qs(error));
        return;
    }
    ShowFound(PlaceRound(date->round, date->clues, 0, EraDays, ListedDays), 0, EraDays, false);
}

void TInscriptions::GoToItem(QListWidgetItem* item) {
    const std::int64_t correlation = day_ ? day_->correlation : DefaultCorrelation;
    const std::int64_t jdn = item->data(Qt::UserRole).toLongLong() + correlation;
    if (DayInRange(jdn, Calendar::Gregorian))
        goTo_(jdn);
}

} // namespace zentolk
