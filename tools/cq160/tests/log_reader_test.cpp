#include <gtest/gtest.h>

#include "tools/cq160/logs/adif_reader.h"
#include "tools/cq160/logs/cabrillo_reader.h"
#include "tools/cq160/logs/contest_log.h"

namespace {

const char kCabrillo[] =
    "START-OF-LOG: 3.0\r\n"
    "CALLSIGN: dl1abc\r\n"
    "CONTEST: CQ-160-CW\r\n"
    "CLAIMED-SCORE: 12,345\r\n"
    "QSO:  1822 CW 2027-01-29 2205 DL1ABC        599 14     K1AB          599 MA     0\r\n"
    "QSO: 1830.5 CW 2027-01-29 2206 DL1ABC 599 14 OK1XYZ/P 599 15\r\n"  // no transmitter
    "qso:\t1831  cw   2027-01-29\t2207 dl1abc  599  14   ta1aa  599  20   \r\n"
    "X-QSO: 1832 CW 2027-01-29 2208 DL1ABC 599 14 G4XYZ 599 14\r\n"
    "QSO: 1845 PH 2027-01-29 2209 DL1ABC 59 14 F5XYZ 59 14\n"          // LF only
    "QSO: 3525 RY 2027-01-29 2210 DL1ABC 599 14 G4AAA 599 14\r\n"
    "QSO: 1832 CW 2027-01-29 22x8 DL1ABC 599 14 R1ABC 599 16\r\n"
    "QSO: 1832 CW 2027-02-30 2208 DL1ABC 599 14 R1ABC 599 16\r\n"
    "QSO: 1832 CW 2027-01-29 2208 DL1ABC 599 R1ABC 599 16\r\n"
    "QSO: 18x2 CW 2027-01-29 2208 DL1ABC 599 14 R1ABC 599 16\r\n"
    "QSO: 1832 CW 2027-01-29 2208 DL1ABC 599 14 R1ABC 599 16 A\r\n"
    "QSO 1832 CW 2027-01-29 2208 DL1ABC 599 14 R1ABC 599 16\r\n"
    "END-OF-LOG:";

TEST(CabrilloReader, ReadsGoodAndOddLinesAndListsBrokenOnes) {
    ContestLog log;
    ReadCabrillo(kCabrillo, &log);
    EXPECT_EQ(log.format, "Cabrillo 3.0");
    EXPECT_EQ(log.callsign, "DL1ABC");
    EXPECT_EQ(log.contest, "CQ-160-CW");
    EXPECT_EQ(log.claimedScore, "12,345");
    EXPECT_EQ(log.skippedLines, 1);

    ASSERT_EQ(log.qsos.size(), 5u);
    const LogQso& first = log.qsos[0];
    EXPECT_EQ(first.line, 5);
    EXPECT_EQ(first.freqHz, 1822000u);
    EXPECT_EQ(first.band, "160m");
    EXPECT_EQ(first.mode, "CW");
    EXPECT_EQ(first.time.year, 2027);
    EXPECT_EQ(first.time.month, 1);
    EXPECT_EQ(first.time.day, 29);
    EXPECT_EQ(first.time.hour, 22);
    EXPECT_EQ(first.time.minute, 5);
    EXPECT_EQ(first.ownCall, "DL1ABC");
    EXPECT_EQ(first.rstSent, "599");
    EXPECT_EQ(first.exchSent, "14");
    EXPECT_EQ(first.call, "K1AB");
    EXPECT_EQ(first.rstRcvd, "599");
    EXPECT_EQ(first.exchRcvd, "MA");

    EXPECT_EQ(log.qsos[1].freqHz, 1830500u);
    EXPECT_EQ(log.qsos[1].call, "OK1XYZ/P");
    EXPECT_EQ(log.qsos[2].call, "TA1AA");  // lower case and tabs
    EXPECT_EQ(log.qsos[2].mode, "CW");
    EXPECT_EQ(log.qsos[2].exchRcvd, "20");
    EXPECT_EQ(log.qsos[3].mode, "SSB");    // PH
    EXPECT_EQ(log.qsos[3].line, 9);
    EXPECT_EQ(log.qsos[4].mode, "RY");     // left for the module to refuse
    EXPECT_EQ(log.qsos[4].band, "80m");

    const char* reasons[] = {"bad time 22x8", "no such date or time 2027-02-30 2208",
                             "9 fields instead of 10 or 11", "bad frequency 18x2",
                             "bad transmitter A", "no colon after QSO"};
    ASSERT_EQ(log.unreadable.size(), 6u);
    for (std::size_t i = 0; i < log.unreadable.size(); ++i) {
        EXPECT_EQ(log.unreadable[i].line, static_cast<int>(11 + i));
        EXPECT_EQ(log.unreadable[i].reason, reasons[i]);
    }
    EXPECT_EQ(log.unreadable[0].text, "QSO: 1832 CW 2027-01-29 22x8 DL1ABC 599 14 R1ABC 599 16");
}

TEST(CabrilloReader, BandsByFrequency) {
    struct Case {
        const char* freq;
        const char* band;
    } cases[] = {{"1800", "160m"}, {"2000", "160m"}, {"1799.9", ""}, {"2000.1", ""},
                 {"3500", "80m"},  {"7025", "40m"},  {"14000", "20m"}, {"21450", "15m"},
                 {"28500", "10m"}, {"10110", "30m"}, {"50100", "6m"},  {"1", ""}};
    for (const Case& c : cases) {
        LogQso q;
        std::string reason;
        const std::string fields =
            std::string(c.freq) + " CW 2027-01-29 2205 A1A 599 14 B1B 599 15";
        ASSERT_TRUE(ParseCabrilloQso(fields, &q, &reason)) << reason;
        EXPECT_EQ(q.band, c.band) << c.freq;
    }
}

TEST(CabrilloReader, Version2AndMissingTags) {
    ContestLog log;
    ReadCabrillo("START-OF-LOG: 2.0\nQSO: 1822 CW 2003-01-24 2205 K1AR 599 MA DL1ABC 599 14\n",
                 &log);
    EXPECT_EQ(log.format, "Cabrillo 2.0");
    EXPECT_EQ(log.callsign, "");
    EXPECT_EQ(log.claimedScore, "");
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].exchSent, "MA");
}

const char kAdif[] =
    "Exported by a logger <not a tag\r\n"
    "<ADIF_VER:5>3.1.4 <PROGRAMID:4>test\r\n"
    "<EOH>\r\n"
    "<CALL:4>K1AB <QSO_DATE:8>20270226 <TIME_ON:6>220530 <FREQ:5:N>1.845 <BAND:4>160M\r\n"
    " <MODE:3>SSB <RST_SENT:2>59 <RST_RCVD:2>59 <STX_STRING:2>PA <SRX_STRING:2>MA\r\n"
    " <STATION_CALLSIGN:5>w3abc <CONTEST_ID:10>CQ-160-SSB <EOR>\r\n"
    "<call:5>dl1xx <qso_date:8>20270226 <time_on:4>2206 <band:4>160m <mode:5>PHONE\r\n"
    " <cqz:2>14 <my_state:2>PA <eor>\r\n"
    "<CALL:5>VE3XX <QSO_DATE:8>20270226 <TIME_ON:4>2207 <FREQ:4>1.85 <MODE:3>USB\r\n"
    " <STATE:2>ON <CQZ:1>4 <EOR>\n"
    "<QSO_DATE:8>20270226 <TIME_ON:4>2208 <FREQ:4>1.85 <MODE:3>LSB <EOR>\r\n"
    "<CALL:4>G4AB <QSO_DATE:8>20270226 <TIME_ON:4>2209 <FREQ:x>1.85 <MODE:3>SSB <EOR>\r\n"
    "<CALL:4>G4CD <QSO_DATE:8>2027022 <TIME_ON:4>2210 <FREQ:4>1.85 <MODE:3>SSB <EOR>\r\n"
    "<CALL:4>G4EF <QSO_DATE:8>20270226 <TIME_ON:4>2211 <MODE:3>SSB <EOR>\r\n"
    "<CALL:4>G4GH <QSO_DATE:8>20270226 <TIME_ON:4>2212 <FREQ:4>1.85\r\n";

TEST(AdifReader, ReadsRecordsAndListsBrokenOnes) {
    ContestLog log;
    ReadAdif(kAdif, &log);
    EXPECT_EQ(log.format, "ADIF");
    EXPECT_EQ(log.callsign, "W3ABC");
    EXPECT_EQ(log.contest, "CQ-160-SSB");
    ASSERT_EQ(log.qsos.size(), 3u);

    const LogQso& a = log.qsos[0];
    EXPECT_EQ(a.line, 4);
    EXPECT_EQ(a.call, "K1AB");
    EXPECT_EQ(a.freqHz, 1845000u);
    EXPECT_EQ(a.band, "160m");
    EXPECT_EQ(a.mode, "SSB");
    EXPECT_EQ(a.time.hour, 22);
    EXPECT_EQ(a.time.minute, 5);
    EXPECT_EQ(a.time.second, 0);  // the host keeps minutes
    EXPECT_EQ(a.ownCall, "W3ABC");
    EXPECT_EQ(a.exchSent, "PA");
    EXPECT_EQ(a.exchRcvd, "MA");

    const LogQso& b = log.qsos[1];  // lower-case names, band only, PHONE
    EXPECT_EQ(b.call, "DL1XX");
    EXPECT_EQ(b.freqHz, 1800000u);  // the band's lower edge, never 0
    EXPECT_EQ(b.band, "160m");
    EXPECT_EQ(b.mode, "SSB");
    EXPECT_EQ(b.exchRcvd, "");      // no exchange field: the locations wait
    EXPECT_EQ(b.rcvdZone, "14");
    EXPECT_EQ(b.exchSent, "");
    EXPECT_EQ(b.sentStateProv, "PA");
    EXPECT_EQ(b.rstSent, "");

    EXPECT_EQ(log.qsos[2].rcvdStateProv, "ON");
    EXPECT_EQ(log.qsos[2].rcvdZone, "4");
    EXPECT_EQ(log.qsos[2].mode, "SSB");     // USB

    const struct {
        int line;
        const char* reason;
    } broken[] = {{11, "no CALL"},
                  {12, "bad field length in <FREQ:x>"},
                  {13, "bad QSO_DATE 2027022"},
                  {14, "neither FREQ nor BAND"},
                  {15, "no <EOR>"}};
    ASSERT_EQ(log.unreadable.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(log.unreadable[i].line, broken[i].line);
        EXPECT_EQ(log.unreadable[i].reason, broken[i].reason);
    }
    EXPECT_EQ(log.unreadable[0].text,
              "<QSO_DATE:8>20270226 <TIME_ON:4>2208 <FREQ:4>1.85 <MODE:3>LSB <EOR>");
}

TEST(AdifReader, SerialNumberFieldsLocationsAndBandEdges) {
    // Loggers that keep the zone as a contest serial number, the state
    // only in the location fields, and no frequency.
    ContestLog log;
    ReadAdif("<EOH>\r\n"
             "<CALL:4>OK1X<QSO_DATE:8>20270129<TIME_ON:4>2201<BAND:4>160M<MODE:2>CW"
             "<SRX:2>15<STX:2>14<SRX_STRING:0><EOR>\r\n"
             "<CALL:4>K1AB<QSO_DATE:8>20270129<TIME_ON:4>2202<BAND:3>80m<MODE:2>CW"
             "<STX:2>14<SRX:1>5<SRX_STRING:2>MA<STATE:2>CT<EOR>\r\n"
             "<CALL:5>VE3AB<QSO_DATE:8>20270129<TIME_ON:4>2203<BAND:3>40M<MODE:2>CW"
             "<VE_PROV:2>on<CQZ:1>4<MY_CQ_ZONE:2>14<EOR>\r\n"
             "<CALL:4>G4AB<QSO_DATE:8>20270129<TIME_ON:4>2204<BAND:5>2200m<MODE:2>CW<EOR>\r\n",
             &log);
    ASSERT_EQ(log.qsos.size(), 3u);
    EXPECT_EQ(log.qsos[0].exchRcvd, "15");  // SRX when SRX_STRING is empty
    EXPECT_EQ(log.qsos[0].exchSent, "14");
    EXPECT_EQ(log.qsos[0].freqHz, 1800000u);
    EXPECT_EQ(log.qsos[1].exchRcvd, "MA");  // SRX_STRING before SRX
    EXPECT_EQ(log.qsos[1].rcvdStateProv, "CT");
    EXPECT_EQ(log.qsos[1].freqHz, 3500000u);
    EXPECT_EQ(log.qsos[2].rcvdStateProv, "ON");  // VE_PROV, upper-cased
    EXPECT_EQ(log.qsos[2].sentZone, "14");
    EXPECT_EQ(log.qsos[2].freqHz, 7000000u);
    EXPECT_EQ(log.qsos[2].line, 4);
    ASSERT_EQ(log.unreadable.size(), 1u);
    EXPECT_EQ(log.unreadable[0].reason, "unknown BAND 2200m");
}

TEST(AdifReader, FieldPastTheEndStopsTheReader) {
    ContestLog log;
    ReadAdif("<EOH><CALL:4>K1AB<EOR><CALL:40>K1", &log);
    EXPECT_EQ(log.qsos.size(), 0u);  // the first record lacks a date
    ASSERT_EQ(log.unreadable.size(), 2u);
    EXPECT_EQ(log.unreadable[1].reason, "field <CALL:40> runs past the end of the file");
}

TEST(ContestLog, WeekendFromTheContestTag) {
    EXPECT_EQ(ContestModeFromTag("CQ-WW-160M-CW"), 1);
    EXPECT_EQ(ContestModeFromTag("cq-160-cw"), 1);
    EXPECT_EQ(ContestModeFromTag("CQ-WW-160M-SSB"), 0);
    EXPECT_EQ(ContestModeFromTag("CQ-160-SSB"), 0);
    EXPECT_EQ(ContestModeFromTag("CQ-160-PH"), 0);
    EXPECT_EQ(ContestModeFromTag("ARRL-160"), -1);
    EXPECT_EQ(ContestModeFromTag(""), -1);
}

}  // namespace
