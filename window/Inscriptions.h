#pragma once

#include "engine/AlmanacDay.h"
#include "engine/Epigraphy.h"
#include "engine/Names.h"

#include <QList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zentolk {

class TStatusLabel;

// The Almanac's page for inscriptions: the shown day's 819-day station and
// year bearer, distance numbers added to it or measured to it, a full date
// checked with its suggestions, the days that fit a damaged date, the
// endings of a period, the days of a Calendar Round placed by its katun or
// period, and the spelling of the names. Days it finds are gone to through the Almanac.
class TInscriptions : public QWidget {
    Q_OBJECT

public:
    // goTo sets the Almanac's (and so the calculator's) day.
    explicit TInscriptions(std::function<void(std::int64_t jdn)> goTo);

    // The Almanac's day, or none; kept for the distances and the readings.
    void DayShown(const std::optional<AlmanacDay>& day);
    Spelling CurrentSpelling() const;
    YearBearerSystem CurrentYearBearer() const;
    // Its controls in the order Tab visits them.
    QList<QWidget*> TabChain() const;

signals:
    // The spelling or the year bearer system changed: the names shown change.
    void SpellingChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    // The constructor's steps, in order.
    void CreateControls();
    void LayOut();
    void SetTabOrder();
    void Connect();
    // The fields' widths and the lists' heights, from the font they now have.
    void SizeToFont();

    // The period endings' and short-form dates' controls and rows.
    void CreatePeriodControls();
    void LayOutPeriodRows(QGridLayout* grid, int row);

    void ShowReadings();
    void Move(bool forward);
    void MeasureDistance();
    void CheckDate();
    void FindMatches();
    void ListPeriodEndings();
    void PlaceShortForm();
    // Lists the days found from 0.0.0.0.0 to 13.0.0.0.0 and says how many.
    void ShowFound(const MatchResult& found, std::int64_t from, std::int64_t to, bool fit);
    void GoToItem(QListWidgetItem* item);
    void SetResult(const QString& text);
    QString LineOf(std::int64_t dayCount) const;

    QComboBox *SpellingList, *BearerList;
    QLineEdit *StationField, *BearerField;
    QLineEdit *DistanceInput, *FromInput, *FullDateInput, *PatternInput;
    QPushButton *AddBtn, *SubtractBtn, *MeasureBtn, *CheckBtn, *FindBtn;
    QLineEdit *PeriodInput, *PlaceInput;
    QPushButton *PeriodBtn, *PlaceBtn;
    TStatusLabel* Result;
    QListWidget* DayList;

    std::function<void(std::int64_t)> goTo_;
    std::optional<AlmanacDay> day_;
};

} // namespace zentolk
