#include "scoring/log_ops.h"

#include <algorithm>

#include "platform/text_file.h"
#include "scoring/bad_qso_report.h"
#include "scoring/contest_rules.h"
#include "scoring/text_util.h"

namespace {

bool UsesOwnDetailedPrefix(const std::string& prefix) {
    // Entities that the host files under a parent prefix but that count on
    // their own here: Kosovo, European Turkey, the UN in Geneva, Sicily.
    return prefix == "Z6" || prefix == "TA1" || prefix == "4U1" || prefix == "IT9";
}

bool SameTime(const COleDateTime& a, const COleDateTime& b) {
    if (a.m_status == COleDateTime::valid && b.m_status == COleDateTime::valid)
        return a.m_dt == b.m_dt;
    return a.m_status == COleDateTime::null && b.m_status == COleDateTime::null;
}

template <typename T>
void EraseFirst(std::vector<T>* list, const T& value) {
    auto it = std::find(list->begin(), list->end(), value);
    if (it != list->end()) list->erase(it);
}

}  // namespace

bool SendsStateProv(const std::string& countryPrefix) {
    return countryPrefix == "K" || countryPrefix == "VE";
}

std::string NormalisedStateProv(const std::string& exchRcvd) {
    std::string text = UpperTrimmed(exchRcvd);
    return text == "PE" ? "PEI" : text;
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
    r.freqKHz = qso.freqHz / 1000;
    return r;
}

int AddQso(const QsoInput& qso, const RunContext& run, ContestStore* store) {
    CInfo record = RecordFromInput(qso);
    const std::string fields = ReportLineFields(qso);
    AppendFile report(run.badQsoPath);

    if (!BandRules().contains(qso.band)) {
        report.WriteLine(fields + kWrongBand);
        return 0;
    }
    if (!ModeRules().contains(qso.mode) || qso.mode != (run.cwContest ? "CW" : "SSB")) {
        report.WriteLine(fields + kWrongMode);
        return 0;
    }
    if (qso.exchRcvd.empty() || qso.exchSent.empty()) {
        report.WriteLine(fields + kNoNumber);
        return 0;
    }
    if (std::find(store->bandsWorked.begin(), store->bandsWorked.end(), qso.band) ==
        store->bandsWorked.end()) {
        store->bandsWorked.push_back(qso.band);
    }
    if (SendsStateProv(qso.countryPrefix)) {
        const std::string entered = UpperTrimmed(qso.exchRcvd);
        if (isStateProv(entered)) {
            record.stateProv = NormalisedStateProv(qso.exchRcvd);
        } else {
            record.excluded = 1;
            record.errorFlag = 1;
            report.WriteLine(fields + "  " + entered + kBadStateProv);
        }
    }
    for (const CInfo& earlier : store->log) {
        if (earlier.call == record.call && earlier.band == record.band &&
            earlier.mode == record.mode) {
            record.dupeFlag = 1;
            record.excluded = 1;
            report.WriteLine(fields + kDupe);
        }
    }
    store->log.push_back(record);
    return 1;
}

int RemoveQso(const QsoInput& qso, const RunContext& run, ContestStore* store) {
    CInfo local = RecordFromInput(qso);
    local.country = qso.countryPrefix;
    LogStore& log = store->log;
    for (auto it = log.begin(); it != log.end(); ++it) {
        if (it->call == local.call && it->mode == local.mode && it->band == local.band &&
            SameTime(it->time, local.time)) {
            const int slot = BandSlot(local.band);
            EraseFirst(&store->bandZones[slot], static_cast<unsigned>(local.zone));
            if (SendsStateProv(qso.countryPrefix))
                EraseFirst(&store->bandStateProvs[slot], NormalisedStateProv(qso.exchRcvd));
            log.erase(it);
            break;
        }
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
