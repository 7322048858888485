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
        {Month, "Month"},
        {Day, "Day"},
        {Year, "Year"},
        {ADBC, "Era"},
        {GroupBox2, "Great Cycle"},
        {GreatCycle, "Great Cycle"},
        {jMayan, "Long Count"},
        {KinDays, "Elapsed Kin"},
        {KinLbl1, "Elapsed Kin share"},
        {KinLeft, "Remaining Kin"},
        {KinLbl2, "Remaining Kin share"},
        {Harmonic, "Cycle Harmonic"},
        {GroupBox3, "Historical Long Count"},
        {LongC, "Historical Long Count"},
        {GroupBox1, "Day"},
        {Tzolkin, "Tzolkin Day"},
        {WeekD, "Day of Week"},
        {HelpBtn, "Help"},
        {InterBtn, "Web"},
        {CopyBtn, "Copy"},
        {ExitBtn, "Exit"},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(QString::fromLatin1(name));

    const std::pair<QLabel*, QWidget*> captions[] = {
        {Label1, Month},  {Label2, Day},      {Label3, Year},    {Label9, GreatCycle},
        {Label5, jMayan}, {Label4, KinDays},  {Label8, KinLeft}, {Label6, Harmonic},
        {Label7, LongC},  {Label10, Tzolkin}, {Label11, WeekD},
    };
    for (const auto& [caption, field] : captions)
        caption->setBuddy(field);

    // The era list has no caption on screen: besides its own name it gets a
    // hidden one, which assistive technology reads as its label.
    auto* era = new QLabel(QStringLiteral("Era"), this);
    era->setObjectName(QStringLiteral("EraCaption"));
    era->hide();
    era->setBuddy(ADBC);

    // The new Long Count is announced as a status line is: it has no place
    // on screen, so it takes none.
    Announcer = new TStatusLabel(this);
    Announcer->setObjectName(QStringLiteral("ReadingAnnouncer"));
    Announcer->setAccessibleName(QStringLiteral("Reading"));
    Announcer->setGeometry(0, 0, 0, 0);
}

void TFrmCalc::AnnounceReading() {
    if (Announcer != nullptr)
        Announcer->Show(QStringLiteral("Long Count ") + jMayan->text());
}

} // namespace zentolk
