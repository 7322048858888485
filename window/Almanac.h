#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zentolk {

class DateTarget;
class TStatusLabel;
class TInscriptions;
class TPicturePane;

// The Almanac window: the calculator's day under a chosen correlation (Julian
// Day Number, Gregorian and Julian dates, Long Count, Tzolkin, Haab, Calendar
// Round, Lord of the Night), and the way back: a Long Count, a Julian date or
// a Tzolkin and/or Haab day sets the calculator's date as if typed. The
// engine does every calculation.
class TFrmAlmanac : public QWidget {
    Q_OBJECT

public:
    // Follows and sets the date of `target`; a window of its own above `parent`.
    TFrmAlmanac(DateTarget& target, QWidget* parent);

    // The day shown, if any.
    std::optional<std::int64_t> ShownDay() const { return shown_; }
    std::int64_t Correlation() const { return correlation_; }

public slots:
    // Follows the target: its readings were shown, or cleared.
    void FollowDate();
    void ClearDay();

private slots:
    void GoToLongCount();
    void GoToJulianDate();
    void Search(bool forward);

private:
    void CorrelationPicked(int index);
    void CorrelationTyped();
    void ShowDay(std::int64_t jdn);
    // Sets the calculator's fields to the day, or shows it here with a note
    // when its Year field cannot hold the year.
    void GoTo(std::int64_t jdn);
    void SetStatus(const QString& text);

    QComboBox* CorrelationList;
    QLineEdit* CorrelationNumber;
    QLineEdit *JdnField, *GregorianField, *JulianField, *LongCountField, *TzolkinField, *HaabField,
        *CalendarRoundField, *LordField;
    TStatusLabel* Note;
    QLineEdit *LongCountInput, *JulianInput;
    QPushButton *LongCountGo, *JulianGo;
    QComboBox *TzolkinNumber, *TzolkinSignList, *HaabDayList, *HaabMonthList;
    QPushButton *PreviousBtn, *NextBtn, *CloseBtn;
    TStatusLabel* Status;
    QTabWidget* Tabs;
    TInscriptions* InscriptionsPage;
    TPicturePane* Pictures;

    DateTarget& target_;
    std::optional<std::int64_t> shown_;
    bool detached_ = false;        // showing a day the calculator cannot show
    std::int64_t readingsDay_ = 0; // the day the calculator's readings count for the shown day
    std::int64_t correlation_;
};

} // namespace zentolk
