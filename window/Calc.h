#pragma once

#include "engine/Reading.h"
#include "window/DateTarget.h"

#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <string_view>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zentolk {

class TSpinEdit;
class TStatusLabel;
namespace help {
class HelpKit;
class THookHelpSystem;
} // namespace help

// The calculator window: three spin fields and the era list in, ten readings
// out, and the Help, Web, Copy and Exit buttons. Every change of an input
// recalculates at once; the engine does the calculating.
class TFrmCalc : public QWidget, public DateTarget {
    Q_OBJECT

public:
    // The help kit serves Help, F1 and the help hook; it outlives the window.
    explicit TFrmCalc(help::HelpKit& helpKit, QWidget* parent = nullptr);
    ~TFrmCalc() override;

    // The date the Almanac follows and sets; its F1 shows a page as Help does.
    FieldTexts Fields() const override;
    void SetFields(int month, int day, int year, int era) override;
    void ShowHelpPage(std::string_view page) override;

signals:
    // Web was pressed: the program entry shows the Internet resources
    // dialog modally.
    void InternetDialogRequested();
    // For windows that follow the date: the readings were shown, or cleared.
    void ReadingsShown();
    void ReadingsCleared();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    // The window's handlers. A date the engine cannot read, or a clipboard
    // that cannot be opened, is shown in the error box and ends the handler;
    // nothing is thrown for it.
    void MonthChange();
    void DayChange();
    void YearChange();
    void ADBCChange();
    void HelpBtnClick();
    void InterBtnClick();
    void CopyBtnClick();
    void ExitBtnClick();
    void FormCreate();
    void FormDestroy();
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

private:
    // Shows the readings of the fields, or the engine's message in the error
    // box when it cannot read the date.
    void Recalculate();
    QWidget* ReadingControl(ReadingField field) const;
    void ClearReadings();
    void CreateControls();
    void NameForAssistiveTechnology();
    // Tells assistive technology of the new main reading, once per change.
    void AnnounceReading();
    void WrapField(TSpinEdit* field, int wrapPoint);
    QWidget* OpenPopup() const;

    // The controls, named as the program's design names them.
    QLabel* Panel2;
    QLabel *Label1, *Label2, *Label3;
    TSpinEdit *Month, *Day, *Year;
    QComboBox* ADBC;
    QGroupBox *GroupBox1, *GroupBox2, *GroupBox3;
    QLabel *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11;
    QLineEdit *GreatCycle, *jMayan, *KinDays, *KinLeft, *Harmonic, *LongC, *Tzolkin, *WeekD;
    QLabel *KinLbl1, *KinLbl2;
    QPushButton *HelpBtn, *InterBtn, *CopyBtn, *ExitBtn;
    TStatusLabel* Announcer = nullptr; // heard, not seen
    // The ten output controls by reading.
    std::array<QWidget*, ReadingFieldCount> ReadingControls{};

    // The last report put on the clipboard, rebuilt on every Copy.
    std::string CopyReport;
    // The help file in the folder the program was started from, and the hook
    // that takes over the application's help requests; both made at creation.
    std::string HelpFilePath;
    std::unique_ptr<help::THookHelpSystem> MainHelpHook;

    help::HelpKit& helpKit_;
};

} // namespace zentolk
