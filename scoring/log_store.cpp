#include <algorithm>
#include <cmath>

#include "scoring/qso_record.h"

bool LinearMilliseconds(const COleDateTime& date, long long* ms) {
    if (date.m_status != COleDateTime::valid || !std::isfinite(date.m_dt) ||
        std::fabs(date.m_dt) > 1e7) {
        return false;
    }
    const double day = std::trunc(date.m_dt);
    const double fraction = std::fabs(date.m_dt - day);
    *ms = static_cast<long long>(day) * 86400000LL + std::llround(fraction * 86400000.0);
    return true;
}

std::uint32_t LogStore::Find(const StringArray& texts, const std::string& text) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) return static_cast<std::uint32_t>(i);
    }
    return kNone;
}

std::uint32_t LogStore::Intern(StringArray* texts, const std::string& text) {
    const std::uint32_t id = Find(*texts, text);
    if (id != kNone) return id;
    texts->push_back(text);
    return static_cast<std::uint32_t>(texts->size() - 1);
}

// The id's four bytes, then the text: no two (id, text) pairs share a key.
std::string LogStore::Key(std::uint32_t id, const std::string& text) {
    std::string key(4 + text.size(), '\0');
    for (int i = 0; i < 4; ++i) key[i] = static_cast<char>((id >> (8 * i)) & 0xFF);
    std::copy(text.begin(), text.end(), key.begin() + 4);
    return key;
}

const LogStore::EntryList* LogStore::Entries(const std::string& call,
                                             const std::string& band) const {
    const std::uint32_t bandId = Find(bands_, band);
    if (bandId == kNone) return nullptr;
    const auto it = byCallBand_.find(Key(bandId, call));
    return it == byCallBand_.end() ? nullptr : &it->second;
}

std::size_t LogStore::IndexOf(std::uint64_t seq) const {
    return static_cast<std::size_t>(std::lower_bound(seqs_.begin(), seqs_.end(), seq) -
                                    seqs_.begin());
}

void LogStore::push_back(CInfo record) {
    const std::uint32_t bandId = Intern(&bands_, record.band);
    const std::uint32_t modeId = Intern(&modes_, record.mode);
    const std::uint64_t seq = nextSeq_++;
    byCallBand_[Key(bandId, record.call)].push_back(Entry{seq, modeId});
    ++byBandCountry_[Key(bandId, record.country)];
    Facts facts;
    facts.band = bandId;
    facts.timed = LinearMilliseconds(record.time, &facts.ms);
    if (!facts.timed) facts.ms = 0;
    facts.country = HoldCountry(record.country);
    seqs_.push_back(seq);
    facts_.push_back(facts);
    records_.push_back(std::move(record));
}

void LogStore::erase(std::size_t i) {
    const CInfo& record = records_[i];
    const std::uint32_t bandId = Find(bands_, record.band);
    const auto calls = byCallBand_.find(Key(bandId, record.call));
    if (calls != byCallBand_.end()) {
        EntryList& entries = calls->second;
        const std::uint64_t seq = seqs_[i];
        entries.erase(std::find_if(entries.begin(), entries.end(),
                                   [seq](const Entry& e) { return e.seq == seq; }));
        if (entries.empty()) byCallBand_.erase(calls);
    }
    const auto countries = byBandCountry_.find(Key(bandId, record.country));
    if (countries != byBandCountry_.end() && --countries->second == 0)
        byBandCountry_.erase(countries);
    ReleaseCountry(record.country);
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(i));
    seqs_.erase(seqs_.begin() + static_cast<std::ptrdiff_t>(i));
    facts_.erase(facts_.begin() + static_cast<std::ptrdiff_t>(i));
    // Packed only when at least half the numbers are free: the walk over
    // the records is then paid for by as many removals, each of which moved
    // the later records anyway.
    constexpr std::uint32_t kSmallTable = 64;
    if (countryIdCount_ > kSmallTable && countryIds_.size() * 2 < countryIdCount_)
        PackCountryIds();
}

std::uint32_t LogStore::HoldCountry(const std::string& country) {
    // Looked up before it is added: emplace would make a node every time.
    auto it = countryIds_.find(country);
    if (it == countryIds_.end()) {
        std::uint32_t id;
        if (freeCountryIds_.empty()) {
            id = countryIdCount_++;
        } else {
            id = freeCountryIds_.back();
            freeCountryIds_.pop_back();
        }
        it = countryIds_.emplace(country, CountryEntry{id, 0}).first;
    }
    ++it->second.records;
    return it->second.id;
}

void LogStore::ReleaseCountry(const std::string& country) {
    const auto it = countryIds_.find(country);
    if (it == countryIds_.end() || --it->second.records != 0) return;
    freeCountryIds_.push_back(it->second.id);
    countryIds_.erase(it);
}

// Numbers 0 .. countries-1 for the countries held, the records renumbered.
void LogStore::PackCountryIds() {
    std::vector<std::uint32_t> renumbered(countryIdCount_, kNone);
    std::uint32_t next = 0;
    for (auto& country : countryIds_) {
        renumbered[country.second.id] = next;
        country.second.id = next++;
    }
    for (Facts& facts : facts_) facts.country = renumbered[facts.country];
    countryIdCount_ = next;
    freeCountryIds_ = std::vector<std::uint32_t>();
    countryIds_.rehash(0);  // as few buckets as the countries held need
}

void LogStore::clear() {
    records_.clear();
    seqs_.clear();
    facts_.clear();
    countryIds_.clear();
    freeCountryIds_.clear();
    countryIdCount_ = 0;
    nextSeq_ = 0;
    bands_.clear();
    modes_.clear();
    byCallBand_.clear();
    byBandCountry_.clear();
}

void LogStore::shrink_to_fit() {
    records_.shrink_to_fit();
    seqs_.shrink_to_fit();
    facts_.shrink_to_fit();
    freeCountryIds_.shrink_to_fit();
    if (countryIds_.empty()) countryIds_ = decltype(countryIds_)();
    // A cleared hash table keeps its buckets; a fresh one has none.
    if (byCallBand_.empty()) byCallBand_ = decltype(byCallBand_)();
    if (byBandCountry_.empty()) byBandCountry_ = decltype(byBandCountry_)();
}

std::uint32_t LogStore::CountryIdOf(const std::string& country) const {
    const auto it = countryIds_.find(country);
    return it == countryIds_.end() ? kNone : it->second.id;
}

bool LogStore::HasCallOnBand(const std::string& call, const std::string& band) const {
    return Entries(call, band) != nullptr;
}

bool LogStore::HasCountryOnBand(const std::string& band, const std::string& country) const {
    const std::uint32_t bandId = Find(bands_, band);
    return bandId != kNone && byBandCountry_.count(Key(bandId, country)) != 0;
}

std::size_t LogStore::FindLast(const std::string& call, const std::string& band) const {
    const EntryList* entries = Entries(call, band);
    return entries ? IndexOf(entries->back().seq) : records_.size();
}

int LogStore::CountCallBandMode(const std::string& call, const std::string& band,
                                const std::string& mode) const {
    const EntryList* entries = Entries(call, band);
    const std::uint32_t modeId = Find(modes_, mode);
    if (!entries || modeId == kNone) return 0;
    return static_cast<int>(std::count_if(entries->begin(), entries->end(),
                                          [modeId](const Entry& e) { return e.mode == modeId; }));
}
