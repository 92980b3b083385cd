// One QSO as the module holds it, and the store of them: the log with its
// lookups, and the per-band tables. Value types without locks of their own;
// the store is shared between the host thread and the UI thread, and every
// access goes under the module lock (interface/contest_module.h).
#ifndef STATS_SCORING_QSO_RECORD_H_
#define STATS_SCORING_QSO_RECORD_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ole_date.h"

struct CInfo {
    std::string call;       // worked station
    std::string country;    // country prefix ("K", "DL", or "IT9" and the like)
    std::string continent;  // "EU", "NA", ...
    std::string band;       // "160m"
    std::string mode;       // "CW" or "SSB"
    std::string rstRcvd;
    std::string rstSent;
    std::string exchRcvd;   // as entered: a CQ zone or a state/province
    std::string exchSent;
    std::string stateProv;  // accepted state/province of a K or VE station, else empty
    int zone = 0;           // leading number of exchRcvd
    unsigned freqKHz = 0;
    int excluded = 0;       // 1 = scores nothing (dupe or bad state/province)
    int errorFlag = 0;      // 1 = state/province not acceptable
    int dupeFlag = 0;       // 1 = same call, band and mode logged before
    COleDateTime time;
};

using StringArray = std::vector<std::string>;

// An OLE date in whole milliseconds on one linear scale: for negative dates
// the day fraction counts forward from the day's midnight, so differences
// are true spans. False for a date that is not valid, not finite or more
// than 1e7 days from the epoch.
bool LinearMilliseconds(const COleDateTime& date, long long* ms);

// The log: the records in the order they were stored, read like a vector,
// changed only through push_back, erase and clear, which keep three lookups
// in step with the records: a call on a band, a call on a band in a mode
// (how many, and which), a country on a band. Each answers in constant time
// what a walk over the whole log would answer. Plain value type, guarded by
// the module lock like the rest of the store.
class LogStore {
public:
    using const_iterator = std::vector<CInfo>::const_iterator;

    const_iterator begin() const { return records_.begin(); }
    const_iterator end() const { return records_.end(); }
    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    const CInfo& operator[](std::size_t i) const { return records_[i]; }
    const CInfo& back() const { return records_.back(); }

    void push_back(CInfo record);
    // Removes the record at index i (below size()); the others keep their order.
    void erase(std::size_t i);
    void clear();
    void shrink_to_fit();

    // True when some record has exactly this call and band.
    bool HasCallOnBand(const std::string& call, const std::string& band) const;
    // True when some record has exactly this band and country.
    bool HasCountryOnBand(const std::string& band, const std::string& country) const;
    // The records with exactly this call, band and mode.
    int CountCallBandMode(const std::string& call, const std::string& band,
                          const std::string& mode) const;
    // Record i's band and country as numbers: equal numbers, equal texts.
    // Country numbers are below CountryIds(), which stays below twice the
    // number of countries the records hold (or a small floor): the number
    // of a country no record holds any more is given to the next new one,
    // and the numbers are packed again when most are free. The Of functions
    // give the number of a text, kNone for a text no record has (bands: has
    // had since clear()).
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    std::uint32_t BandId(std::size_t i) const { return facts_[i].band; }
    std::uint32_t CountryId(std::size_t i) const { return facts_[i].country; }
    std::size_t CountryIds() const { return countryIdCount_; }
    std::uint32_t BandIdOf(const std::string& band) const { return Find(bands_, band); }
    std::uint32_t CountryIdOf(const std::string& country) const;
    // Record i's time as LinearMilliseconds gives it; false when it gives none.
    bool Milliseconds(std::size_t i, long long* ms) const {
        *ms = facts_[i].ms;
        return facts_[i].timed;
    }

    // Index of the last record with exactly this call and band; size() when
    // there is none.
    std::size_t FindLast(const std::string& call, const std::string& band) const;
    // Index of the first record with exactly this call, band and mode for
    // which match(record) is true; size() when there is none.
    template <typename Match>
    std::size_t FindFirst(const std::string& call, const std::string& band,
                          const std::string& mode, Match match) const;

private:
    // One record under its call and band: its sequence number and mode.
    struct Entry {
        std::uint64_t seq;
        std::uint32_t mode;
    };
    using EntryList = std::vector<Entry>;
    // What the summary asks of every record, worked out once.
    struct Facts {
        long long ms;
        std::uint32_t band;
        std::uint32_t country;
        bool timed;
    };

    // Small numbers for the few band and mode texts, so that keys stay
    // short; kNone when the text was never stored.
    static std::uint32_t Find(const StringArray& texts, const std::string& text);
    static std::uint32_t Intern(StringArray* texts, const std::string& text);
    static std::string Key(std::uint32_t id, const std::string& text);
    const EntryList* Entries(const std::string& call, const std::string& band) const;
    std::size_t IndexOf(std::uint64_t seq) const;
    std::uint32_t HoldCountry(const std::string& country);
    void ReleaseCountry(const std::string& country);
    void PackCountryIds();

    std::vector<CInfo> records_;
    std::vector<std::uint64_t> seqs_;  // seqs_[i] belongs to records_[i]; ascending
    std::vector<Facts> facts_;         // facts_[i] belongs to records_[i]
    // A country's number and how many records hold it; only countries that
    // some record holds are here.
    struct CountryEntry {
        std::uint32_t id;
        std::uint32_t records;
    };
    std::unordered_map<std::string, CountryEntry> countryIds_;
    std::vector<std::uint32_t> freeCountryIds_;  // below countryIdCount_, held by no country
    std::uint32_t countryIdCount_ = 0;
    std::uint64_t nextSeq_ = 0;
    StringArray bands_;
    StringArray modes_;
    std::unordered_map<std::string, EntryList> byCallBand_;  // in log order
    std::unordered_map<std::string, int> byBandCountry_;     // record count
};

template <typename Match>
std::size_t LogStore::FindFirst(const std::string& call, const std::string& band,
                                const std::string& mode, Match match) const {
    const EntryList* entries = Entries(call, band);
    const std::uint32_t modeId = Find(modes_, mode);
    if (!entries || modeId == kNone) return records_.size();
    for (const Entry& entry : *entries) {
        if (entry.mode != modeId) continue;
        const std::size_t i = IndexOf(entry.seq);
        if (match(records_[i])) return i;
    }
    return records_.size();
}

// Band slots of the per-band tables: 0 "160m", 1 "80m", 2 "40m", 3 "20m",
// 4 "15m", 5 "10m". Only slot 0 is filled in this contest.
constexpr int kBandSlots = 6;
extern const char* const kBandSlotNames[kBandSlots];

// Slot of a band text (exact comparison); any other text uses slot 0.
int BandSlot(const std::string& band);

// Everything a scoring run keeps in memory.
struct ContestStore {
    LogStore log;
    StringArray bandsWorked;  // distinct bands of accepted QSOs, first-seen order
    std::array<StringArray, kBandSlots> bandCountries;
    std::array<StringArray, kBandSlots> bandStateProvs;
    std::array<std::vector<unsigned>, kBandSlots> bandZones;  // never appended to
    std::array<StringArray, kBandSlots> prevQsoRows;  // band text + four display fields
};

#endif  // STATS_SCORING_QSO_RECORD_H_
