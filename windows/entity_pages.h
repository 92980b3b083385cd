// The check-box pages that show what has been worked on the current band:
// the six continent pages of the extended multiplier window and the
// State/Province window. Built from the same tables as the resource script.
#ifndef STATS_WINDOWS_ENTITY_PAGES_H_
#define STATS_WINDOWS_ENTITY_PAGES_H_

#include <string>
#include <vector>

#include "scoring/qso_record.h"

struct EntityBox {
    const char* label;
    int controlId;
    int x, y, width, height;  // dialog units
    int flagIndex;     // place in the page's flag list
    const char* keys;  // worked-list texts that check it, blank-separated; "" = none
    bool hidden;       // hidden and disabled in the template
};

struct EntityPage {
    const char* tabText;  // "   EU " ...; "" for the State/Province window
    int templateId;
    std::vector<EntityBox> boxes;  // grid order
};

// In tab order: EU, AF, AS, NA, SA, OC.
constexpr int kContinentPages = 6;
const std::vector<EntityPage>& ContinentPages();
const EntityPage& StatProvPage();

// The page's flags, in flag order: 1 for every box one of whose keys is in
// worked (exact, case-sensitive), 0 for the rest, keyless boxes included.
std::vector<int> PageFlags(const EntityPage& page, const StringArray& worked);

#endif  // STATS_WINDOWS_ENTITY_PAGES_H_
