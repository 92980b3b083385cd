#include "tools/cq160/contest/band_plan.h"

namespace {

struct Band {
    const char* name;
    double lowKHz;
    double highKHz;
};

// Edges as the ADIF band enumeration has them, which covers every region.
const Band kBands[] = {
    {"2190m", 135.7, 137.8},     {"630m", 472, 479},          {"160m", 1800, 2000},
    {"80m", 3500, 4000},         {"60m", 5060, 5450},         {"40m", 7000, 7300},
    {"30m", 10100, 10150},       {"20m", 14000, 14350},       {"17m", 18068, 18168},
    {"15m", 21000, 21450},       {"12m", 24890, 24990},       {"10m", 28000, 29700},
    {"6m", 50000, 54000},        {"4m", 70000, 71000},        {"2m", 144000, 148000},
    {"1.25m", 222000, 225000},   {"70cm", 420000, 450000},
};

}  // namespace

std::string BandOfKHz(double kHz) {
    for (const Band& band : kBands) {
        if (kHz >= band.lowKHz && kHz <= band.highKHz) return band.name;
    }
    return std::string();
}

std::string NormalisedBand(const std::string& name) {
    std::string lower;
    for (char c : name) {
        if (c == ' ' || c == '\t') continue;
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    for (const Band& band : kBands) {
        if (lower == band.name) return band.name;
    }
    return std::string();
}

double BandLowerEdgeKHz(const std::string& band) {
    for (const Band& b : kBands) {
        if (band == b.name) return b.lowKHz;
    }
    return 0;
}
