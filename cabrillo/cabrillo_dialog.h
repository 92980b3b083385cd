// The Cabrillo header dialog (template 101): the operator reviews and edits
// the header before an export. Modal on the calling (host) thread; never
// call it while holding the module lock. On platforms without dialogs the header
// is taken as shown, as if OK were pressed without edits (or with those of a
// stand-in operator, cabrillo_dialog_posix.h).
#ifndef STATS_CABRILLO_CABRILLO_DIALOG_H_
#define STATS_CABRILLO_CABRILLO_DIALOG_H_

#include <string>

// The dialog's fields, one per control. soapBox separates lines with CR LF.
struct CabrilloHeader {
    std::string ownCall;
    std::string claimed;
    std::string club;
    std::string categoryOperator;
    std::string contest;
    std::string email;
    std::string name;
    std::string operators;
    std::string soapBox;
    std::string address;
    std::string categoryBand;
    std::string categoryMode;
    std::string categoryTransmitter;
    std::string categoryOverlay;
    std::string location;
    std::string addressCity;
    std::string addressStateProv;
    std::string addressPostalCode;
    std::string addressCountry;
    std::string categoryStation;
    std::string categoryAssisted;
    std::string categoryPower;
};

// Shows the dialog filled from *header. Returns true when it was closed with
// OK, after copying every control's text back into *header; false (header
// unchanged) for CANCEL, Esc, the close box or a dialog that could not be
// created.
bool ShowCabrilloDialog(CabrilloHeader* header);

#endif  // STATS_CABRILLO_CABRILLO_DIALOG_H_
