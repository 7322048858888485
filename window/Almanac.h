#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zentolk {

class DateTarget;
class TDayPage;
class TInscriptions;
class TPicturePane;

// The Almanac window: the target's day under a chosen correlation on three
// pages (the day's values and the way back to a day, inscriptions, pictures).
// A day gone to sets the target's date as if typed. The engine does every
// calculation.
class TFrmAlmanac : public QWidget {
    Q_OBJECT

public:
    // Follows and sets the date of `target`; a window of its own above `parent`.
    TFrmAlmanac(DateTarget& target, QWidget* parent);

    // The day shown, if any.
    std::optional<std::int64_t> ShownDay() const { return shown_; }
    std::int64_t Correlation() const { return correlation_; }

protected:
    // Shown afresh, the keys start at the first field, wherever they were
    // when the window was closed.
    void showEvent(QShowEvent* event) override;

public slots:
    // Follows the target: its readings were shown, or cleared.
    void FollowDate();
    void ClearDay();

private:
    // The constructor's steps, in order.
    void CreateCorrelationChoice();
    void CreatePages();
    void LayOut();
    void SetTabOrder();
    void Connect();

    void CorrelationPicked(int index);
    void CorrelationTyped();
    void SetCorrelation(std::int64_t correlation);
    void ShowDay(std::int64_t jdn);
    // Sets the target's fields to the day, or shows it here with a note
    // when its Year field cannot hold the year.
    void GoTo(std::int64_t jdn);
    void ShowHelp();

    QComboBox* CorrelationList;
    QLineEdit* CorrelationNumber;
    QTabWidget* Tabs;
    TDayPage* DayPage;
    TInscriptions* InscriptionsPage;
    TPicturePane* Pictures;
    QPushButton* CloseBtn;

    DateTarget& target_;
    std::optional<std::int64_t> shown_;
    bool detached_ = false;        // showing a day the target cannot show
    std::int64_t readingsDay_ = 0; // the day the target's readings count for the shown day
    std::int64_t correlation_;
};

} // namespace zentolk
