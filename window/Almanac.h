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

class TFrmCalc;
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
    explicit TFrmAlmanac(TFrmCalc& calc);

    // The day shown, if any.
    std::optional<std::int64_t> ShownDay() const { return shown_; }
    std::int64_t Correlation() const { return correlation_; }

private slots:
    // Follows the calculator: its readings were shown, or cleared.
    void FollowCalculator();
    void ClearDay();

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

    TFrmCalc& calc_;
    std::optional<std::int64_t> shown_;
    bool detached_ = false;        // showing a day the calculator cannot show
    std::int64_t readingsDay_ = 0; // the day the calculator's readings count for the shown day
    std::int64_t correlation_;
};

// Gives the calculator its window menu with "Almanac..." (right button,
// Shift+F10, Menu key) and the key Ctrl+L; both open (or raise) the one
// Almanac window.
void InstallAlmanacMenu(TFrmCalc& calc);
TFrmAlmanac* ShowAlmanac(TFrmCalc& calc);

} // namespace zentolk
