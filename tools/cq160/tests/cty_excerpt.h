// A small country file in the cty.dat format for the tests: a few entities
// shaped like the real file's, with every override form and the WAE-only
// and exact-call entries the resolver has to handle.
#ifndef CQ160_TESTS_CTY_EXCERPT_H_
#define CQ160_TESTS_CTY_EXCERPT_H_

constexpr char kCtyExcerpt[] =
    "Fiji:                     32:  56:  OC:  -17.78:  -177.92:   -12.0:  3D2:\r\n"
    "    3D2;\r\n"
    "Rotuma Island:            32:  56:  OC:  -12.48:  -177.08:   -12.0:  3D2/r:\r\n"
    "    =3D2RR;\r\n"
    "ITU HQ:                   14:  28:  EU:   46.17:    -6.05:    -1.0:  4U1I:\r\n"
    "    =4U1ITU;\r\n"
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\r\n"
    "    DA,DJ,DK,DL,\r\n"
    "    =DL0XX/LH;\r\n"
    "Scotland:                 14:  27:  EU:   56.82:     4.18:     0.0:  GM:\r\n"
    "    GM,MM;\r\n"
    "Shetland Islands:         14:  27:  EU:   60.50:     1.50:     0.0:  *GM/s:\r\n"
    "    =GM3ZZZ;\r\n"
    "Switzerland:              14:  28:  EU:   46.87:    -8.12:    -1.0:  HB:\r\n"
    "    HB,=4U1G;\r\n"
    "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\r\n"
    "    4U,I;\r\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\r\n"
    "    IT9,IW9;\r\n"
    "United States of America: 05:  08:  NA:   37.60:    91.87:     5.0:  K:\r\n"
    "    K,N,W,=KL7XX,=N2NL/MM(7),\r\n"
    "    K6(3)[6],W6(3)[6],K7(3)[6];\r\n"
    "Alaska:                   01:  01:  NA:   61.40:   148.87:     8.0:  KL:\r\n"
    "    KL;\r\n"
    "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\r\n"
    "    KH6;\r\n"
    "Asiatic Turkey:           20:  39:  AS:   39.18:   -35.65:    -2.0:  TA:\r\n"
    "    TA;\r\n"
    "European Turkey:          20:  39:  EU:   41.02:   -28.97:    -2.0:  *TA1:\r\n"
    "    TA1;\r\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\r\n"
    "    R,U,UA9X(17){EU};\r\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\r\n"
    "    R9,UA9,UA0(19)[33]<55.0/-100.0>~-8.0~;\r\n"
    "Canada:                   05:  09:  NA:   44.35:    78.75:     5.0:  VE:\r\n"
    "    VE,VA,VE8(1)[2]{NA},=VE2EM/M;\r\n"
    "Anguilla:                 08:  11:  NA:   18.23:    63.00:     4.0:  VP2E:\r\n"
    "    VP2E;\r\n"
    "Bermuda:                  05:  11:  NA:   32.32:    64.73:     4.0:  VP9:\r\n"
    "    VP9;\r\n"
    "Republic of Kosovo:       15:  28:  EU:   42.67:   -21.17:    -1.0:  Z6:\r\n"
    "    Z6;\r\n"
    // A WAE-only entity that the resolver has no table entry for.
    "Test Island:              15:  28:  EU:   42.00:   -21.00:    -1.0:  *Z67:\r\n"
    "    Z67;\r\n";

#endif  // CQ160_TESTS_CTY_EXCERPT_H_
