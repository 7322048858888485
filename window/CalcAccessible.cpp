// The main window as assistive technology presents it: each control under
// the name a person would say, captions tied to the fields they label.
#include "window/Accessible.h"
#include "window/Calc.h"
#include "window/Spin.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zentolk {

void TFrmCalc::NameForAssistiveTechnology() {
    const std::pair<QWidget*, const char*> names[] = {
        {Month, QT_TR_NOOP("Month")},
        {Day, QT_TR_NOOP("Day")},
        {Year, QT_TR_NOOP("Year")},
        {ADBC, QT_TR_NOOP("Era")},
        {GroupBox2, QT_TR_NOOP("Great Cycle")},
        {GreatCycle, QT_TR_NOOP("Great Cycle")},
        {jMayan, QT_TR_NOOP("Long Count")},
        {KinDays, QT_TR_NOOP("Elapsed Kin")},
        {KinLbl1, QT_TR_NOOP("Elapsed Kin share")},
        {KinLeft, QT_TR_NOOP("Remaining Kin")},
        {KinLbl2, QT_TR_NOOP("Remaining Kin share")},
        {Harmonic, QT_TR_NOOP("Cycle Harmonic")},
        {GroupBox3, QT_TR_NOOP("Historical Long Count")},
        {LongC, QT_TR_NOOP("Historical Long Count")},
        {GroupBox1, QT_TR_NOOP("Day")},
        {Tzolkin, QT_TR_NOOP("Tzolkin Day")},
        {WeekD, QT_TR_NOOP("Day of Week")},
        {HelpBtn, QT_TR_NOOP("Help")},
        {InterBtn, QT_TR_NOOP("Web")},
        {CopyBtn, QT_TR_NOOP("Copy")},
        {ExitBtn, QT_TR_NOOP("Exit")},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(tr(name));

    const std::pair<QLabel*, QWidget*> captions[] = {
        {Label1, Month},  {Label2, Day},      {Label3, Year},    {Label9, GreatCycle},
        {Label5, jMayan}, {Label4, KinDays},  {Label8, KinLeft}, {Label6, Harmonic},
        {Label7, LongC},  {Label10, Tzolkin}, {Label11, WeekD},
    };
    for (const auto& [caption, field] : captions)
        caption->setBuddy(field);

    // The era list has no caption on screen: besides its own name it gets a
    // hidden one, which assistive technology reads as its label.
    auto* era = new QLabel(tr("Era"), this);
    era->setObjectName(QStringLiteral("EraCaption"));
    era->hide();
    era->setBuddy(ADBC);

    // The new Long Count is announced as a status line is: it has no place
    // on screen, so it takes none.
    Announcer = new TStatusLabel(this);
    Announcer->setObjectName(QStringLiteral("ReadingAnnouncer"));
    Announcer->setAccessibleName(tr("Reading"));
    Announcer->setGeometry(0, 0, 0, 0);
}

void TFrmCalc::AnnounceReading() {
    if (Announcer != nullptr)
        Announcer->Show(tr("Long Count %1").arg(jMayan->text()));
}

} // namespace zentolk
