// What the Cabrillo header dialog shows, decided without Win32: which
// control holds which header field, the lists of the combo boxes and which
// list item a field's text selects. The Win32 dialog only carries this out.
#ifndef STATS_CABRILLO_CABRILLO_DIALOG_LOGIC_H_
#define STATS_CABRILLO_CABRILLO_DIALOG_LOGIC_H_

#include <string>
#include <vector>

#include "cabrillo/cabrillo_dialog.h"

enum class CabrilloControlKind { kEdit, kCombo };

// One header field and the control (dialog item id) that shows it.
struct CabrilloDialogField {
    int controlId;
    CabrilloControlKind kind;
    std::string CabrilloHeader::*member;
};

// Every field of CabrilloHeader exactly once, in the controls' creation
// order (which is also the tab order of the tab stops).
const std::vector<CabrilloDialogField>& CabrilloDialogFields();

// A combo box's items in the order they are added at dialog start; empty
// for an id that is not a combo box.
const std::vector<std::string>& CabrilloComboItems(int controlId);

// Whether the combo box keeps its list sorted (CBS_SORT).
bool CabrilloComboIsSorted(int controlId);

// The items in the order the list shows them: as added, or sorted
// alphabetically ignoring case for a sorted combo box.
std::vector<std::string> CabrilloComboDisplayItems(int controlId);

// The index of the first of `items` that begins with `text`, ignoring ASCII
// case, or -1 when none does. The empty text begins every item, so it picks
// the first item of a non-empty list (as CB_SELECTSTRING does).
int FirstItemWithPrefix(const std::vector<std::string>& items, const std::string& text);

// The displayed item a combo box selects for a field's text at dialog start,
// or -1: the text then stands in the combo's edit field as typed.
int CabrilloComboSelection(int controlId, const std::string& text);

// The text in the form a multi-line edit control shows as separate lines:
// each line break (CR LF, a lone LF or a lone CR) becomes CR LF.
std::string WithCrLfLineBreaks(const std::string& text);

#endif  // STATS_CABRILLO_CABRILLO_DIALOG_LOGIC_H_
