#include "scoring/log_ops.h"

#include <algorithm>
#include <memory>

#include "platform/text_file.h"
#include "scoring/bad_qso_report.h"
#include "scoring/contest_rules.h"
#include "scoring/text_util.h"

namespace {

// A Labrador call: one that begins with VO2 (VO2AB, VO2AB/P, VO2/K1ABC), or
// has VO2 as the location part after the call (K1ABC/VO2). Newfoundland and Labrador send the one
// postal code "NL" today, but count as two multipliers in this contest.
bool IsLabradorCall(const std::string& call) {
    const std::string text = UpperTrimmed(call);
    if (text.compare(0, 3, "VO2") == 0) return true;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t slash = text.find('/', start);
        if (slash == std::string::npos) slash = text.size();
        if (text.compare(start, slash - start, "VO2") == 0) return true;
        start = slash + 1;
    }
    return false;
}

bool SameTime(const COleDateTime& a, const COleDateTime& b) {
    if (a.m_status == COleDateTime::valid && b.m_status == COleDateTime::valid)
        return a.m_dt == b.m_dt;
    return a.m_status == COleDateTime::null && b.m_status == COleDateTime::null;
}

// The report as AddQso writes it: a problem line is the QSO's fields and a
// message. The file is opened, and the fields formatted, with the first
// line, so a QSO without a problem costs neither.
class ProblemLines {
public:
    ProblemLines(const std::string& path, const QsoInput& qso) : path_(path), qso_(qso) {}
    void Write(const std::string& message) {
        if (!file_) {
            file_.reset(new AppendFile(path_));
            fields_ = ReportLineFields(qso_);
        }
        file_->WriteLine(fields_ + message);
    }

private:
    const std::string& path_;
    const QsoInput& qso_;
    std::unique_ptr<AppendFile> file_;
    std::string fields_;
};

template <typename T>
void EraseFirst(std::vector<T>* list, const T& value) {
    auto it = std::find(list->begin(), list->end(), value);
    if (it != list->end()) list->erase(it);
}

}  // namespace

bool SendsStateProv(const std::string& countryPrefix) {
    return countryPrefix == "K" || countryPrefix == "VE";
}

bool LooksUpStateProv(const QsoInput& qso) {
    return SendsStateProv(qso.countryPrefix) && !IsMaritimeMobile(qso.call);
}

std::string NormalisedStateProv(const std::string& exchRcvd, const std::string& call) {
    const std::string text = UpperTrimmed(exchRcvd);
    // Today's postal codes stand for the contest's abbreviations.
    if (text == "PE") return "PEI";
    if (text == "NT") return "NWT";
    if (text == "NL") return IsLabradorCall(call) ? "LB" : "NF";
    return text;
}

CInfo RecordFromInput(const QsoInput& qso) {
    CInfo r;
    r.time = qso.time;
    r.call = qso.call;
    r.band = qso.band;
    r.mode = qso.mode;
    r.continent = qso.continent;
    r.rstRcvd = qso.rstRcvd;
    r.rstSent = qso.rstSent;
    r.exchRcvd = qso.exchRcvd;
    r.exchSent = qso.exchSent;
    r.zone = ParseLeadingInt(qso.exchRcvd);
    r.country = UsesOwnDetailedPrefix(qso.detailedPrefix) ? qso.detailedPrefix : qso.countryPrefix;
    // A ship is in no country: whatever the host resolved from the call's
    // home part, the QSO must not count, mark or match as that country (in
    // the results, the call check and the windows alike).
    if (IsMaritimeMobile(qso.call)) r.country.clear();
    r.freqKHz = qso.freqHz / 1000;
    return r;
}

int AddQso(const QsoInput& qso, const RunContext& run, ContestStore* store) {
    CInfo record = RecordFromInput(qso);
    ProblemLines report(run.badQsoPath, qso);

    if (!BandRules().contains(qso.band)) {
        report.Write(kWrongBand);
        return 0;
    }
    if (!ModeRules().contains(qso.mode) || qso.mode != (run.cwContest ? "CW" : "SSB")) {
        report.Write(kWrongMode);
        return 0;
    }
    if (qso.exchRcvd.empty() || qso.exchSent.empty()) {
        report.Write(kNoNumber);
        return 0;
    }
    if (std::find(store->bandsWorked.begin(), store->bandsWorked.end(), qso.band) ==
        store->bandsWorked.end()) {
        store->bandsWorked.push_back(qso.band);
    }
    if (LooksUpStateProv(qso)) {
        const std::string entered = UpperTrimmed(qso.exchRcvd);
        const std::string stateProv = NormalisedStateProv(qso.exchRcvd, qso.call);
        if (isStateProv(stateProv)) {
            record.stateProv = stateProv;
        } else {
            record.excluded = 1;
            record.errorFlag = 1;
            report.Write("  " + entered + kBadStateProv);
        }
    }
    // One line for every earlier QSO it repeats.
    const int earlier = store->log.CountCallBandMode(record.call, record.band, record.mode);
    if (earlier > 0) {
        record.dupeFlag = 1;
        record.excluded = 1;
        for (int i = 0; i < earlier; ++i) report.Write(kDupe);
    }
    store->log.push_back(std::move(record));
    return 1;
}

int RemoveQso(const QsoInput& qso, const RunContext& run, ContestStore* store) {
    CInfo local = RecordFromInput(qso);
    local.country = qso.countryPrefix;
    LogStore& log = store->log;
    const std::size_t found =
        log.FindFirst(local.call, local.band, local.mode,
                      [&local](const CInfo& r) { return SameTime(r.time, local.time); });
    if (found < log.size()) {
        const int slot = BandSlot(local.band);
        EraseFirst(&store->bandZones[slot], static_cast<unsigned>(local.zone));
        if (LooksUpStateProv(qso))
            EraseFirst(&store->bandStateProvs[slot], NormalisedStateProv(qso.exchRcvd, qso.call));
        log.erase(found);
    }
    if (log.empty()) {
        store->bandsWorked.clear();
        for (int slot = 0; slot < kBandSlots; ++slot) {
            store->bandCountries[slot].clear();
            store->bandZones[slot].clear();
        }
    }
    RewriteReportWithout(run.badQsoPath, RemoveReportHeader(run.cwContest != 0),
                         ReportLineFields(qso));
    return 1;
}

void ResetStore(ContestStore* store) {
    store->log.clear();
    store->log.shrink_to_fit();
    store->bandsWorked.clear();
    const CContestRules& bands = BandRules();
    for (std::size_t slot = 0; slot < bands.size() && slot < kBandSlots; ++slot) {
        StringArray& row = store->prevQsoRows[slot];
        row.clear();
        row.push_back(bands.at(slot));
        for (int i = 0; i < 4; ++i) row.push_back("-");
    }
}
