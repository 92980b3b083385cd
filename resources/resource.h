// Resource identifiers of Stats.dll, in blocks per dialog. Plain numbers
// only: included by the resource script and by portable code alike. Control
// ids repeat between dialogs; the prefix names the dialog.
#ifndef STATS_RESOURCES_RESOURCE_H_
#define STATS_RESOURCES_RESOURCE_H_

// The Cabrillo header dialog.
#define IDD_CABRILLO 101

#define IDC_CABRILLO_SOAPBOX 1001
#define IDC_CABRILLO_ADDRESS 1002
#define IDC_CABRILLO_ADDRESS_CITY 1003
#define IDC_CABRILLO_EMAIL 1004
#define IDC_CABRILLO_CLUB 1005
#define IDC_CABRILLO_OPERATORS 1006
#define IDC_CABRILLO_NAME 1007
#define IDC_CABRILLO_CLAIMED 1008
#define IDC_CABRILLO_CONTEST 1009
#define IDC_CABRILLO_CALLSIGN 1010
#define IDC_CABRILLO_ADDRESS_STATE_PROVINCE 1011
#define IDC_CABRILLO_ADDRESS_POSTALCODE 1012
#define IDC_CABRILLO_CATEGORY_OPERATOR 1013
#define IDC_CABRILLO_CATEGORY_BAND 1014
#define IDC_CABRILLO_ADDRESS_COUNTRY 1015
#define IDC_CABRILLO_CATEGORY_ASSISTED 1016
#define IDC_CABRILLO_CATEGORY_MODE 1020
#define IDC_CABRILLO_CATEGORY_POWER 1021
#define IDC_CABRILLO_CATEGORY_TRANSMITTER 1022
#define IDC_CABRILLO_CATEGORY_OVERLAY 1023
#define IDC_CABRILLO_LOCATION 1024
#define IDC_CABRILLO_CATEGORY_STATION 1025

// The module's icon, 32 x 32 and 16 x 16.
#define IDI_STATS 113

// The main contest window.
#define IDD_SETUP_CQ_WW 123
#define IDC_SETUP_CW 1015
#define IDC_SETUP_SSB 1016
#define IDC_SETUP_STAT_PROV 1017
#define IDC_SETUP_MULTIPLIER 1018
#define IDC_SETUP_MULTIPLIER_EXT 1019
#define IDC_SETUP_NOT_WORKED_ZONE 1020
#define IDC_SETUP_ON_TOP 1021
#define IDC_SETUP_NEW_STYLE 1022
#define IDC_SETUP_CALL_DETAILS 1023
#define IDC_SETUP_VIEW_LABEL 1039
#define IDC_SETUP_MODE_LABEL 1040

// The single multiplier window: one owner-drawn button, the info panel.
#define IDD_MULTIPLIER 105
#define IDC_MULTIPLIER_PANEL 1016

// The extended multiplier window and its six continent pages (their boxes
// are in entity_pages.h).
#define IDD_MULTIPLIER_EXT 116
#define IDC_MULTIPLIER_EXT_TABS 1025
#define IDD_PAGE_EU 117
#define IDD_PAGE_AF 118
#define IDD_PAGE_AS 119
#define IDD_PAGE_NA 120
#define IDD_PAGE_SA 121
#define IDD_PAGE_OC 122

// The State/Province window (boxes in window_templates.h).
#define IDD_STAT_PROV 115

// The CQ-zone window: the button of zone z is IDC_ZONE_BUTTON_0 + z.
#define IDD_ZONE_SEARCH 125
#define IDC_ZONE_BUTTON_0 1002

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif  // STATS_RESOURCES_RESOURCE_H_
