#include "cabrillo/cabrillo_dialog.h"

#include "cabrillo/cabrillo_dialog_logic.h"
#include "cabrillo/cabrillo_dialog_posix.h"
#include "resources/resource.h"

namespace {

// Set and used on the host thread only.
CabrilloDialogAnswer g_answer = nullptr;
void* g_answerContext = nullptr;

// The text a control shows once the Win32 dialog has been filled from the
// header: a combo box shows the list item the text selects, if any.
std::string ShownText(const CabrilloDialogField& field, const std::string& text) {
    if (field.kind == CabrilloControlKind::kCombo) {
        const int selection = CabrilloComboSelection(field.controlId, text);
        if (selection >= 0) return CabrilloComboDisplayItems(field.controlId)[selection];
        return text;
    }
    return field.controlId == IDC_CABRILLO_SOAPBOX ? WithCrLfLineBreaks(text) : text;
}

}  // namespace

extern "C" void SetCabrilloDialogOperator(CabrilloDialogAnswer answer, void* context) {
    g_answer = answer;
    g_answerContext = answer ? context : nullptr;
}

// No desktop: the header is taken as the dialog would show it, with the
// edits of the operator's stand-in when one is set, as if OK were pressed.
bool ShowCabrilloDialog(CabrilloHeader* header) {
    if (!header) return false;
    for (const CabrilloDialogField& field : CabrilloDialogFields()) {
        std::string& text = header->*field.member;
        text = ShownText(field, text);
        if (!g_answer) continue;
        const char* entered = g_answer(g_answerContext, field.controlId, text.c_str());
        if (entered) text = entered;
    }
    return true;
}
