// The controls of the module's small windows, one table per template,
// shared by the resource script and the code. Positions are dialog units.
#ifndef STATS_RESOURCES_WINDOW_TEMPLATES_H_
#define STATS_RESOURCES_WINDOW_TEMPLATES_H_

// The main contest window (template 123), in creation order:
//   X(label, control id, x, y, width, height, kind, hidden)
// kind: LABEL (static text) or CHECK (automatic check box); hidden = 1 for a
// control that is hidden and disabled. "New style" is shown but disabled.
#define SETUP_CQ_WW_CONTROLS(X) \
    X("Mode", IDC_SETUP_MODE_LABEL, 24, 4, 65, 9, LABEL, 0) \
    X("View", IDC_SETUP_VIEW_LABEL, 109, 3, 73, 8, LABEL, 0) \
    X("CW", IDC_SETUP_CW, 7, 11, 24, 12, CHECK, 0) \
    X("SSB", IDC_SETUP_SSB, 41, 11, 30, 12, CHECK, 0) \
    X("Window on top", IDC_SETUP_ON_TOP, 7, 23, 65, 12, CHECK, 0) \
    X("New style", IDC_SETUP_NEW_STYLE, 7, 34, 65, 12, CHECK_DISABLED, 0) \
    X("Multiplier", IDC_SETUP_MULTIPLIER, 97, 11, 56, 12, CHECK, 0) \
    X("Extended Multiplier", IDC_SETUP_MULTIPLIER_EXT, 97, 23, 85, 12, CHECK, 0) \
    X("State/Prov", IDC_SETUP_STAT_PROV, 97, 34, 67, 12, CHECK, 0) \
    X("Show not worked zone", IDC_SETUP_NOT_WORKED_ZONE, 97, 1, 85, 12, CHECK, 1) \
    X("Call details", IDC_SETUP_CALL_DETAILS, 109, 1, 73, 12, CHECK, 1)

// The State/Province window's boxes (template 115), row by row, in eight
// columns 27 units apart, each box wide enough for its label beside the
// check mark with room before the next; the same row format as the
// continent pages' tables (entity_pages.h). Flag i belongs to control
// 1016 + i; every box is keyed by its label. No box for Alaska or Hawaii.
#define STAT_PROV_BOXES(X) \
    X("AL", 1016, 7, 17, 25, 8, 0, "AL", 0) \
    X("AR", 1018, 34, 17, 25, 8, 2, "AR", 0) \
    X("AZ", 1019, 61, 17, 25, 8, 3, "AZ", 0) \
    X("CA", 1020, 88, 17, 25, 8, 4, "CA", 0) \
    X("CO", 1021, 115, 17, 25, 8, 5, "CO", 0) \
    X("CT", 1022, 142, 17, 25, 8, 6, "CT", 0) \
    X("DE", 1023, 169, 17, 25, 8, 7, "DE", 0) \
    X("FL", 1024, 196, 17, 25, 8, 8, "FL", 0) \
    X("GA", 1025, 7, 27, 25, 8, 9, "GA", 0) \
    X("ID", 1026, 34, 27, 25, 8, 10, "ID", 0) \
    X("IL", 1027, 61, 27, 25, 8, 11, "IL", 0) \
    X("IA", 1028, 88, 27, 25, 8, 12, "IA", 0) \
    X("KS", 1029, 115, 27, 25, 8, 13, "KS", 0) \
    X("KY", 1030, 142, 27, 25, 8, 14, "KY", 0) \
    X("LA", 1031, 169, 27, 25, 8, 15, "LA", 0) \
    X("MA", 1032, 196, 27, 25, 8, 16, "MA", 0) \
    X("MD", 1017, 7, 36, 25, 8, 1, "MD", 0) \
    X("ME", 1033, 34, 36, 25, 8, 17, "ME", 0) \
    X("MI", 1034, 61, 36, 25, 8, 18, "MI", 0) \
    X("MN", 1035, 88, 36, 25, 8, 19, "MN", 0) \
    X("MS", 1036, 115, 36, 25, 8, 20, "MS", 0) \
    X("MO", 1037, 142, 36, 25, 8, 21, "MO", 0) \
    X("MT", 1038, 169, 36, 25, 8, 22, "MT", 0) \
    X("IN", 1039, 196, 36, 25, 8, 23, "IN", 0) \
    X("NE", 1040, 7, 46, 25, 8, 24, "NE", 0) \
    X("NV", 1041, 34, 46, 25, 8, 25, "NV", 0) \
    X("NH", 1042, 61, 46, 25, 8, 26, "NH", 0) \
    X("NJ", 1043, 88, 46, 25, 8, 27, "NJ", 0) \
    X("NM", 1044, 115, 46, 25, 8, 28, "NM", 0) \
    X("NY", 1045, 142, 46, 25, 8, 29, "NY", 0) \
    X("NC", 1046, 169, 46, 25, 8, 30, "NC", 0) \
    X("ND", 1047, 196, 46, 25, 8, 31, "ND", 0) \
    X("OH", 1048, 7, 56, 25, 8, 32, "OH", 0) \
    X("OK", 1049, 34, 56, 25, 8, 33, "OK", 0) \
    X("OR", 1050, 61, 56, 25, 8, 34, "OR", 0) \
    X("PA", 1051, 88, 56, 25, 8, 35, "PA", 0) \
    X("RI", 1052, 115, 56, 25, 8, 36, "RI", 0) \
    X("SC", 1053, 142, 56, 25, 8, 37, "SC", 0) \
    X("SD", 1054, 169, 56, 25, 8, 38, "SD", 0) \
    X("TN", 1055, 196, 56, 25, 8, 39, "TN", 0) \
    X("TX", 1056, 7, 66, 25, 8, 40, "TX", 0) \
    X("UT", 1057, 34, 66, 25, 8, 41, "UT", 0) \
    X("VT", 1058, 61, 66, 25, 8, 42, "VT", 0) \
    X("VA", 1059, 88, 66, 25, 8, 43, "VA", 0) \
    X("WA", 1060, 115, 66, 25, 8, 44, "WA", 0) \
    X("WV", 1061, 142, 66, 25, 8, 45, "WV", 0) \
    X("WI", 1062, 169, 66, 25, 8, 46, "WI", 0) \
    X("WY", 1063, 196, 66, 25, 8, 47, "WY", 0) \
    X("DC", 1078, 115, 75, 25, 8, 62, "DC", 0) \
    X("AB", 1064, 7, 95, 25, 8, 48, "AB", 0) \
    X("BC", 1065, 34, 95, 25, 8, 49, "BC", 0) \
    X("LB", 1066, 61, 95, 25, 8, 50, "LB", 0) \
    X("MB", 1067, 88, 95, 25, 8, 51, "MB", 0) \
    X("NB", 1068, 115, 95, 25, 8, 52, "NB", 0) \
    X("NF", 1069, 142, 95, 25, 8, 53, "NF", 0) \
    X("NS", 1070, 169, 95, 25, 8, 54, "NS", 0) \
    X("NWT", 1071, 196, 95, 30, 8, 55, "NWT", 0) \
    X("NU", 1072, 7, 105, 25, 8, 56, "NU", 0) \
    X("ON", 1073, 34, 105, 25, 8, 57, "ON", 0) \
    X("QC", 1074, 61, 105, 25, 8, 58, "QC", 0) \
    X("SK", 1075, 88, 105, 25, 8, 59, "SK", 0) \
    X("YT", 1076, 115, 105, 25, 8, 60, "YT", 0) \
    X("PEI", 1077, 142, 105, 30, 8, 61, "PEI", 0)

// The CQ-zone window's buttons (template 125), in zone order:
//   X(label, control id, x, y, width, height)
#define ZONE_BUTTONS(X) \
    X("1", 1003, 7, 7, 16, 10) \
    X("2", 1004, 25, 7, 16, 10) \
    X("3", 1005, 43, 7, 16, 10) \
    X("4", 1006, 63, 7, 16, 10) \
    X("5", 1007, 81, 7, 16, 10) \
    X("6", 1008, 7, 19, 16, 10) \
    X("7", 1009, 25, 19, 16, 10) \
    X("8", 1010, 43, 19, 16, 10) \
    X("9", 1011, 63, 19, 16, 10) \
    X("10", 1012, 81, 19, 16, 10) \
    X("11", 1013, 7, 32, 16, 10) \
    X("12", 1014, 25, 32, 16, 10) \
    X("13", 1015, 43, 32, 16, 10) \
    X("14", 1016, 63, 32, 16, 10) \
    X("15", 1017, 81, 32, 16, 10) \
    X("16", 1018, 7, 44, 16, 10) \
    X("17", 1019, 25, 44, 16, 10) \
    X("18", 1020, 43, 44, 16, 10) \
    X("19", 1021, 63, 44, 16, 10) \
    X("20", 1022, 81, 44, 16, 10) \
    X("21", 1023, 7, 56, 16, 10) \
    X("22", 1024, 25, 56, 16, 10) \
    X("23", 1025, 43, 56, 16, 10) \
    X("24", 1026, 63, 56, 16, 10) \
    X("25", 1027, 81, 56, 16, 10) \
    X("26", 1028, 7, 69, 16, 10) \
    X("27", 1029, 25, 69, 16, 10) \
    X("28", 1030, 43, 69, 16, 10) \
    X("29", 1031, 63, 69, 16, 10) \
    X("30", 1032, 81, 69, 16, 10) \
    X("31", 1033, 7, 82, 16, 10) \
    X("32", 1034, 25, 82, 16, 10) \
    X("33", 1035, 43, 82, 16, 10) \
    X("34", 1036, 63, 82, 16, 10) \
    X("35", 1037, 81, 82, 16, 10) \
    X("36", 1038, 7, 94, 16, 10) \
    X("37", 1039, 25, 94, 16, 10) \
    X("38", 1040, 43, 94, 16, 10) \
    X("39", 1041, 63, 94, 16, 10) \
    X("40", 1042, 81, 94, 16, 10)

#endif  // STATS_RESOURCES_WINDOW_TEMPLATES_H_
