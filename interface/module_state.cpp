#include "interface/module_state.h"

std::mutex g_storeLock;
ContestStore g_store;
LogStore& g_log = g_store.log;
StringArray& g_bandsWorked = g_store.bandsWorked;
std::array<StringArray, kBandSlots>& g_bandCountries = g_store.bandCountries;
std::array<StringArray, kBandSlots>& g_bandStateProvs = g_store.bandStateProvs;
std::array<std::vector<unsigned>, kBandSlots>& g_bandZones = g_store.bandZones;
std::array<StringArray, kBandSlots>& g_prevQsoRows = g_store.prevQsoRows;

RunState g_run;
std::atomic<int>& g_cwContest = g_run.cwContest;
int& g_altLanguage = g_run.altLanguage;
std::string& g_periodYear = g_run.periodYear;
std::string& g_periodEndFileDate = g_run.periodEndFileDate;
std::string& g_badQsoPath = g_run.badQsoPath;

int g_reportMode = 0;
int g_versionAnnounced = 0;
int g_startToggle = 0;
std::string g_hostVersion;
std::string g_ownCall;
std::string g_ownCountry;
std::string g_ownContinent;
std::string g_periodStartDayMonth;
std::string g_periodEndDate;
ScoringPeriod g_scoringPeriod;

int g_claimedScore = 0;
CabrilloExport g_cabrilloExport;

std::atomic<int> g_refreshArmed{1};
