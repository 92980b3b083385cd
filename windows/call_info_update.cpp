// The call-information update (WM_CALLINFO): what the operator is typing in
// the host and where the host is tuned, shown in the open windows. The host
// is asked only while the module lock is free; the log and the per-band
// lists are read under it.
#include <cmath>

#include "scoring/contest_rules.h"
#include "windows/entity_pages.h"
#include "windows/main_window.h"
#include "windows/window_texts.h"

namespace {

// The previous-QSO row of one record: mode, time, and the state/province of
// a station that counts through them or else the zone with two digits.
void FillRow(const CInfo& record, StringArray* row) {
    (*row)[1] = record.mode;
    (*row)[2] = record.time.Format("%H:%M");
    if (CountsThroughStateProv(record.country)) {
        (*row)[3] = record.stateProv;
    } else {
        (*row)[3] = (record.zone >= 10 ? "" : "0") + std::to_string(record.zone);
    }
}

constexpr std::size_t kRowFields = 5;  // band, mode, time, zone or state, spare

}  // namespace

void SetupCqWw::OnCallInfo() {
    if (!host_.Attached()) {
        Rearm();
        return;
    }
    if (viewStatProv && !state_.statProvWindow && OpenChild(WindowKind::kStatProv)) {
        settings_.WriteText(ViewKey(WindowKind::kStatProv), "1");
    }
    if (viewMultiplier && !state_.multiplierWindow && OpenChild(WindowKind::kMultiplier)) {
        settings_.WriteText(ViewKey(WindowKind::kMultiplier), "1");
    }
    if (viewMultiplierExt && !state_.extMultiplierWindow && OpenChild(WindowKind::kMultiplierExt)) {
        settings_.WriteText(ViewKey(WindowKind::kMultiplierExt), "1");
    }

    state_.currentCall.clear();
    state_.currentCall = host_.GetField(5);
    // One or two characters: the operator has only begun the call.
    if (state_.currentCall.size() == 1 || state_.currentCall.size() == 2) {
        Rearm();
        return;
    }
    const std::string& call = state_.currentCall;
    RunTexts texts;
    {
        MutexLock lock(data_.lock);
        texts.altLanguage = data_.run->altLanguage != 0;
        texts.cw = data_.run->cwContest != 0;
        texts.year = data_.run->periodYear;
        auto& rows = data_.store->prevQsoRows;
        // Only rows the reset built are filled (in this contest: row 0).
        if (rows[0].size() >= kRowFields) {
            rows[0][1] = "   -";
            rows[0][2] = "   -";
            rows[0][3] = " -";
            rows[0][4] = "   -";
        }
        if (!call.empty()) {
            const LogStore& log = data_.store->log;
            for (int band = 0; band < kBandSlots; ++band) {
                if (rows[band].size() < kRowFields) continue;
                const std::size_t latest = log.FindLast(call, state_.bandNames[band]);
                if (latest < log.size()) FillRow(log[latest], &rows[band]);
            }
        }
    }
    if (!call.empty() && state_.multiplierWindow) {
        state_.multiplierWindow->SetCaption(WorkedWithCaption(texts.cw, call));
        state_.multiplierWindow->RepaintPanel();
    }

    const double frequency = host_.GetFrequency();
    if (std::fabs(frequency - state_.lastFrequency) > 300) {
        host_.RunMacro("<SP1>");
        state_.lastFrequency = frequency;
    }
    const int band = BandFromFrequency(frequency);
    if (band < 0) {
        Rearm();
        return;
    }
    state_.currentBand = band;
    const std::string& bandName = state_.bandNames[band];

    if (call.empty()) {
        const std::string caption = BandCaption(texts.cw, texts.year, bandName);
        if (state_.multiplierWindow) state_.multiplierWindow->SetCaption(caption);
        if (state_.extMultiplierWindow) state_.extMultiplierWindow->SetCaption(caption);
    }
    MarkWorked(band, StatProvCaption(texts.altLanguage, bandName));
    if (state_.multiplierWindow) state_.multiplierWindow->RepaintPanel();
    Rearm();
}

void SetupCqWw::MarkWorked(int band, const std::string& statProvCaption) {
    if (!state_.extMultiplierWindow && !state_.statProvWindow) return;
    StringArray countries;
    StringArray stateProvs;
    {
        MutexLock lock(data_.lock);
        countries = data_.store->bandCountries[band];
        stateProvs = data_.store->bandStateProvs[band];
    }
    if (state_.extMultiplierWindow) {
        const std::vector<EntityPage>& pages = ContinentPages();
        for (int page = 0; page < kContinentPages; ++page) {
            state_.extMultiplierWindow->TransferFlags(page, PageFlags(pages[page], countries));
        }
    }
    if (state_.statProvWindow) {
        state_.statProvWindow->SetCaption(statProvCaption);
        state_.statProvWindow->TransferFlags(0, PageFlags(StatProvPage(), stateProvs));
    }
}
