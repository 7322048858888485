#pragma once

#include <string>
#include <string_view>

namespace zentolk {

// What the Almanac needs of the window whose date it follows and sets: the
// calculator, or a stand-in in a test. The Almanac learns of a new date
// through its FollowDate and ClearDay, connected where both windows meet.
class DateTarget {
public:
    // The date as the fields show it: the Month, Day and Year texts and the
    // era index.
    struct FieldTexts {
        std::string month, day, year;
        int era;
    };
    virtual FieldTexts Fields() const = 0;
    // Puts a whole date into the fields, as typed but with no change handler
    // per field (a half-set date could raise an error box), then shows its
    // readings once.
    virtual void SetFields(int month, int day, int year, int era) = 0;
    // One page of the help file, or its default topic when `page` is empty.
    virtual void ShowHelpPage(std::string_view page) = 0;

protected:
    ~DateTarget() = default;
};

} // namespace zentolk
