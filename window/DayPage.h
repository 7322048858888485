#pragma once

#include "engine/AlmanacDay.h"
#include "engine/Names.h"

#include <QList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zentolk {

class TStatusLabel;

// The Almanac's first page: the day's values (Julian Day Number, Gregorian
// and Julian dates, Long Count, Tzolkin, Haab, Calendar Round, Lord of the
// Night) with a note, and the way back to a day: a Long Count, a Julian date,
// or the previous or next Tzolkin and/or Haab day. Days it finds are gone to
// through the Almanac.
class TDayPage : public QWidget {
    Q_OBJECT

public:
    // goTo sets the Almanac's (and so the calculator's) day.
    explicit TDayPage(std::function<void(std::int64_t jdn)> goTo);

    // The correlation a Long Count typed here is read under.
    void SetCorrelation(std::int64_t correlation) { correlation_ = correlation; }
    void ShowDay(const AlmanacDay& day, Spelling spelling, const QString& note,
                 YearBearerSystem bearers = YearBearerSystem::Classic);
    void ClearDay(const QString& note);
    // The line under the way back: what went wrong, or nothing.
    void SetStatus(const QString& text);

    // Its controls in the order Tab visits them.
    QList<QWidget*> TabChain() const;

private:
    void CreateControls();
    void LayOut();
    void Connect();
    void GoToLongCount();
    void GoToJulianDate();
    void Search(bool forward);

    QLineEdit *JdnField, *GregorianField, *JulianField, *LongCountField, *TzolkinField, *HaabField,
        *CalendarRoundField, *LordField, *StationField, *BearerField, *PeriodEndingField,
        *KatunField;
    // The patron of the day's introductory glyph, and the quarter and colour
    // of its 819-day station.
    QLineEdit *PatronField, *QuarterField;
    // The Lunar Series the day should carry: the astronomical moon, then the
    // epigraphic counts, in the engine's order of conventions.
    QList<QLineEdit*> LunarFields;
    TStatusLabel* Note;
    QLineEdit *LongCountInput, *JulianInput;
    QPushButton *LongCountGo, *JulianGo;
    QComboBox *TzolkinNumber, *TzolkinSignList, *HaabDayList, *HaabMonthList;
    QPushButton *PreviousBtn, *NextBtn;
    TStatusLabel* Status;

    std::function<void(std::int64_t)> goTo_;
    std::optional<AlmanacDay> day_;
    Spelling spelling_ = Spelling::Colonial; // that of the day shown, for messages
    std::int64_t correlation_ = DefaultCorrelation;
};

} // namespace zentolk
