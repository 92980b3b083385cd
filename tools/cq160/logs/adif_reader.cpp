#include "tools/cq160/logs/adif_reader.h"

#include <initializer_list>
#include <map>

#include "tools/cq160/contest/band_plan.h"
#include "tools/cq160/logs/log_text.h"

namespace {

using Record = std::map<std::string, std::string>;  // upper-case name -> data

// The first of the named fields that is present and not blank.
std::string First(const Record& r, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        auto it = r.find(name);
        if (it != r.end() && !TrimBlanks(it->second).empty()) return TrimBlanks(it->second);
    }
    return std::string();
}

// One record to a QSO, or false with the reason.
bool ToQso(const Record& r, LogQso* qso, std::string* reason) {
    qso->call = UpperAscii(First(r, {"CALL"}));
    if (qso->call.empty()) {
        *reason = "no CALL";
        return false;
    }
    const std::string date = First(r, {"QSO_DATE"});
    const std::string time = First(r, {"TIME_ON"});
    if (date.size() != 8 || !IsDigits(date)) {
        *reason = "bad QSO_DATE " + date;
        return false;
    }
    if ((time.size() != 4 && time.size() != 6) || !IsDigits(time)) {
        *reason = "bad TIME_ON " + time;
        return false;
    }
    UtcTime& t = qso->time;
    t.year = std::stoi(date.substr(0, 4));
    t.month = std::stoi(date.substr(4, 2));
    t.day = std::stoi(date.substr(6, 2));
    t.hour = std::stoi(time.substr(0, 2));
    t.minute = std::stoi(time.substr(2, 2));
    // The host keeps QSO times to the minute, like Cabrillo.
    t.second = 0;
    if (!IsValidUtcTime(t)) {
        *reason = "no such date or time " + date + " " + time;
        return false;
    }
    const std::string freq = First(r, {"FREQ"});
    const std::string band = First(r, {"BAND"});
    if (!freq.empty()) {
        unsigned long long hz = 0;
        if (!ParseScaledDecimal(freq, 6, &hz) || hz == 0 || hz > 4000000000ULL) {
            *reason = "bad FREQ " + freq;
            return false;
        }
        qso->freqHz = static_cast<unsigned>(hz);
        qso->band = BandOfKHz(hz / 1000.0);
    } else if (!band.empty()) {
        qso->band = NormalisedBand(band);
        if (qso->band.empty()) {
            *reason = "unknown BAND " + band;
            return false;
        }
        // The host always hands over a frequency; a logger that kept only
        // the band worked somewhere in it.
        qso->freqHz = static_cast<unsigned>(BandLowerEdgeKHz(qso->band) * 1000.0 + 0.5);
    } else {
        *reason = "neither FREQ nor BAND";
        return false;
    }
    const std::string mode = First(r, {"MODE"});
    if (mode.empty()) {
        *reason = "no MODE";
        return false;
    }
    qso->mode = HostMode(mode);
    qso->ownCall = UpperAscii(First(r, {"STATION_CALLSIGN", "OPERATOR"}));
    qso->rstSent = First(r, {"RST_SENT"});
    qso->rstRcvd = First(r, {"RST_RCVD"});
    qso->exchSent = First(r, {"STX_STRING", "STX"});
    qso->exchRcvd = First(r, {"SRX_STRING", "SRX"});
    qso->rcvdStateProv = UpperAscii(First(r, {"STATE", "VE_PROV"}));
    qso->rcvdZone = First(r, {"CQZ"});
    qso->sentStateProv = UpperAscii(First(r, {"MY_STATE"}));
    qso->sentZone = First(r, {"MY_CQ_ZONE"});
    return true;
}

// Line numbers of increasing positions, counted as the reader moves on.
class LineCounter {
public:
    explicit LineCounter(const std::string& text) : text_(text) {}
    int At(std::size_t pos) {
        for (; counted_ < pos && counted_ < text_.size(); ++counted_) {
            line_ += text_[counted_] == '\n';
        }
        return line_;
    }

private:
    const std::string& text_;
    std::size_t counted_ = 0;
    int line_ = 1;
};

// The record's text on one line, for the list of unreadable records.
std::string Shown(const std::string& text, std::size_t begin, std::size_t end) {
    std::string shown = TrimBlanks(text.substr(begin, end - begin));
    for (char& c : shown) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return shown;
}

}  // namespace

void ReadAdif(const std::string& text, ContestLog* log) {
    log->format = "ADIF";
    // The header, when there is one, ends at <EOH>.
    const std::size_t eoh = UpperAscii(text).find("<EOH>");
    std::size_t pos = eoh == std::string::npos ? 0 : eoh + 5;

    LineCounter lines(text);
    Record record;
    std::size_t recordStart = std::string::npos;  // where the record's first tag opens
    int recordLine = 0;
    std::string broken;  // why the record cannot be read, once known
    while (true) {
        const std::size_t open = text.find('<', pos);
        if (open == std::string::npos) break;
        if (recordStart == std::string::npos) {
            recordStart = open;
            recordLine = lines.At(open);
        }
        const std::size_t close = text.find('>', open);
        if (close == std::string::npos) {
            log->unreadable.push_back({recordLine, Shown(text, recordStart, text.size()),
                                       "unclosed tag"});
            return;
        }
        const std::string tagText = text.substr(open + 1, close - open - 1);
        const std::size_t colon = tagText.find(':');
        const std::string name = UpperAscii(TrimBlanks(tagText.substr(0, colon)));
        pos = close + 1;
        if (colon == std::string::npos) {
            if (name != "EOR") continue;  // a tag without data: nothing to keep
            LogQso qso;
            std::string reason = broken;
            if (broken.empty() && ToQso(record, &qso, &reason)) {
                qso.line = recordLine;
                if (log->callsign.empty() && !qso.ownCall.empty()) {
                    log->callsign = qso.ownCall;
                    log->callsignLine = recordLine;
                }
                log->qsos.push_back(qso);
            } else {
                log->unreadable.push_back({recordLine, Shown(text, recordStart, pos), reason});
            }
            if (log->contest.empty()) {
                log->contest = UpperAscii(First(record, {"CONTEST_ID"}));
                if (!log->contest.empty()) log->contestLine = recordLine;
            }
            record.clear();
            recordStart = std::string::npos;
            broken.clear();
            continue;
        }
        std::string length = tagText.substr(colon + 1);
        length = length.substr(0, length.find(':'));
        if (!IsDigits(length) || length.size() > 7) {
            if (broken.empty()) broken = "bad field length in <" + tagText + ">";
            continue;
        }
        const std::size_t n = static_cast<std::size_t>(std::stoul(length));
        if (n > text.size() - pos) {
            log->unreadable.push_back({recordLine, Shown(text, recordStart, text.size()),
                                       "field <" + tagText + "> runs past the end of the file"});
            return;
        }
        record[name] = text.substr(pos, n);
        pos += n;
    }
    if (recordStart != std::string::npos && !record.empty()) {
        log->unreadable.push_back({recordLine, Shown(text, recordStart, text.size()), "no <EOR>"});
    }
}
