// The log store's country numbers: a host that adds and removes QSOs with
// ever new country texts must not grow the store, and the numbers must keep
// standing for the texts through reuse and packing.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "scoring/qso_record.h"

namespace {

CInfo Record(const std::string& call, const std::string& country) {
    CInfo r;
    r.call = call;
    r.country = country;
    r.band = "160m";
    r.mode = "CW";
    return r;
}

// Every record's number is below CountryIds(), the number of its text, and
// equal numbers are equal texts.
void ExpectNumbersStandForTexts(const LogStore& log) {
    std::map<std::uint32_t, std::string> texts;
    for (std::size_t i = 0; i < log.size(); ++i) {
        const std::uint32_t id = log.CountryId(i);
        ASSERT_LT(id, log.CountryIds());
        EXPECT_EQ(log.CountryIdOf(log[i].country), id);
        const auto known = texts.emplace(id, log[i].country);
        EXPECT_EQ(known.first->second, log[i].country) << "number " << id;
    }
}

}  // namespace

TEST(LogStoreCountries, AddingAndRemovingNewCountriesKeepsTheTableBounded) {
    LogStore log;
    log.push_back(Record("DL1ABC", "DL"));  // one QSO stays throughout
    for (int i = 0; i < 100000; ++i) {
        // Ten QSOs with countries of their own at most are held at once.
        if (log.size() == 11) log.erase(1);
        log.push_back(Record("X" + std::to_string(i), "C" + std::to_string(i)));
        ASSERT_LE(log.CountryIds(), 11u) << "after " << i << " cycles";
    }
    EXPECT_EQ(log.CountryIdOf("C0"), LogStore::kNone);
    EXPECT_FALSE(log.HasCountryOnBand("160m", "C0"));
    EXPECT_TRUE(log.HasCountryOnBand("160m", "C99999"));
    ExpectNumbersStandForTexts(log);
}

TEST(LogStoreCountries, NumbersArePackedWhenMostCountriesAreGone) {
    LogStore log;
    for (int i = 0; i < 1000; ++i) {
        log.push_back(Record("X" + std::to_string(i), "C" + std::to_string(i % 500)));
    }
    EXPECT_EQ(log.CountryIds(), 500u);
    // Every country but C480 .. C499 goes; C480 .. C499 keep a record each.
    while (log.size() > 20) log.erase(0);
    ExpectNumbersStandForTexts(log);
    EXPECT_LE(log.CountryIds(), 64u);
    std::set<std::uint32_t> ids;
    for (std::size_t i = 0; i < log.size(); ++i) ids.insert(log.CountryId(i));
    EXPECT_EQ(ids.size(), 20u);
    // A new country after the packing gets a number of its own.
    log.push_back(Record("Y", "NEW"));
    ExpectNumbersStandForTexts(log);
    EXPECT_EQ(ids.count(log.CountryId(log.size() - 1)), 0u);
    log.clear();
    EXPECT_EQ(log.CountryIds(), 0u);
}
