#include "tools/cq160/logs/cabrillo_reader.h"

#include <vector>

#include "tools/cq160/contest/band_plan.h"
#include "tools/cq160/logs/log_text.h"

namespace {

bool IsCallText(const std::string& call) {
    bool digitOrLetter = false;
    for (char c : call) {
        const bool alnum = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum && c != '/') return false;
        digitOrLetter |= alnum;
    }
    return digitOrLetter;
}

bool ParseHhmm(const std::string& text, UtcTime* t) {
    if (text.size() != 4 || !IsDigits(text)) return false;
    t->hour = std::stoi(text.substr(0, 2));
    t->minute = std::stoi(text.substr(2, 2));
    t->second = 0;
    return true;
}

}  // namespace

bool ParseCabrilloQso(const std::string& fields, LogQso* qso, std::string* reason) {
    const std::vector<std::string> w = SplitBlanks(fields);
    if (w.size() != 10 && w.size() != 11) {
        *reason = std::to_string(w.size()) + " fields instead of 10 or 11";
        return false;
    }
    unsigned long long hz = 0;
    if (!ParseScaledDecimal(w[0], 3, &hz) || hz == 0 || hz > 4000000000ULL) {
        *reason = "bad frequency " + w[0];
        return false;
    }
    UtcTime t;
    if (!ParseDateText(w[2], &t)) {
        *reason = "bad date " + w[2];
        return false;
    }
    if (!ParseHhmm(w[3], &t)) {
        *reason = "bad time " + w[3];
        return false;
    }
    if (!IsValidUtcTime(t)) {
        *reason = "no such date or time " + w[2] + " " + w[3];
        return false;
    }
    const std::string ownCall = UpperAscii(w[4]);
    const std::string call = UpperAscii(w[7]);
    if (!IsCallText(ownCall) || !IsCallText(call)) {
        *reason = "bad call " + (IsCallText(ownCall) ? w[7] : w[4]);
        return false;
    }
    if (w.size() == 11 && !IsDigits(w[10])) {
        *reason = "bad transmitter " + w[10];
        return false;
    }
    qso->freqHz = static_cast<unsigned>(hz);
    qso->band = BandOfKHz(hz / 1000.0);
    qso->mode = HostMode(w[1]);
    qso->time = t;
    qso->ownCall = ownCall;
    qso->rstSent = w[5];
    qso->exchSent = w[6];
    qso->call = call;
    qso->rstRcvd = w[8];
    qso->exchRcvd = w[9];
    return true;
}

void ReadCabrillo(const std::string& text, ContestLog* log) {
    log->format = "Cabrillo";
    const std::vector<std::string> lines = SplitLines(text);
    bool started = false, ended = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        const std::string& line = lines[i];
        const std::size_t colon = line.find(':');
        const std::string tag = UpperAscii(TrimBlanks(line.substr(0, colon)));
        if (colon == std::string::npos) {
            // Not a tag line. A QSO line without its colon is still a QSO
            // the operator expects to count.
            const std::vector<std::string> words = SplitBlanks(line);
            if (!words.empty() && UpperAscii(words[0]) == "QSO")
                log->unreadable.push_back({lineNumber, line, "no colon after QSO"});
            continue;
        }
        const std::string value = TrimBlanks(line.substr(colon + 1));
        if (tag == "QSO") {
            LogQso qso;
            std::string reason;
            if (ParseCabrilloQso(value, &qso, &reason)) {
                qso.line = lineNumber;
                log->qsos.push_back(qso);
            } else {
                log->unreadable.push_back({lineNumber, line, reason});
            }
        } else if (tag == "X-QSO") {
            ++log->skippedLines;
        } else {
            log->header.push_back({lineNumber, tag, value});
            if (tag == "START-OF-LOG") {
                started = true;
                if (!value.empty()) log->format = "Cabrillo " + value;
            } else if (tag == "END-OF-LOG") {
                ended = true;
            } else if (tag == "CALLSIGN") {
                log->callsign = UpperAscii(value);
                log->callsignLine = lineNumber;
            } else if (tag == "CONTEST") {
                log->contest = UpperAscii(value);
                log->contestLine = lineNumber;
            } else if (tag == "CLAIMED-SCORE") {
                log->claimedScore = value;
            }
        }
    }
    log->endMissing = started && !ended;
}
