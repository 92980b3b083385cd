#include "scoring/log_ops.h"

#include <algorithm>
#include <memory>

#include "platform/text_file.h"
#include "platform/text_util.h"
#include "scoring/bad_qso_report.h"
#include "scoring/contest_rules.h"

namespace {

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
    r.country = QsoCountry(qso.call, qso.countryPrefix, qso.detailedPrefix);
    if (const CountryByExchange* abroad =
            CountryOfUsExchange(qso.countryPrefix, qso.call, qso.exchRcvd)) {
        r.country = abroad->country;
        r.continent = abroad->continent;
    }
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
    if (!ModeRules().contains(qso.mode) || qso.mode != WeekendMode(run.cwContest)) {
        report.Write(kWrongMode);
        return 0;
    }
    // The sponsor removes these; kept, they would also make the real QSO
    // with the same station a dupe.
    if (run.period.Excludes(qso.time)) {
        report.Write(kOutsidePeriod);
        return 0;
    }
    if (IsOwnCall(qso.ownCall, qso.call)) {
        report.Write(kOwnCall);
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
    if (SendsStateProv(qso.countryPrefix, qso.call, qso.exchRcvd)) {
        const std::string entered = UpperTrimmed(qso.exchRcvd);
        const std::string stateProv = NormalisedStateProv(qso.exchRcvd, qso.call);
        if (isStateProv(stateProv)) {
            record.stateProv = stateProv;
        } else {
            record.excluded = 1;
            record.errorFlag = 1;
            report.Write("  " + OneLine(entered) + kBadStateProv);
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
        if (SendsStateProv(qso.countryPrefix, qso.call, qso.exchRcvd))
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
