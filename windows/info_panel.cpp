#include "windows/info_panel.h"

#include <algorithm>

#include "scoring/contest_rules.h"

namespace {

DrawOp Fill(int left, int top, int right, int bottom, std::uint32_t colour) {
    DrawOp op{DrawOp::kFill, PanelRect{left, top, right, bottom}, colour, 0, 0, {}};
    return op;
}

DrawOp Text(int x, int y, const std::string& text) {
    DrawOp op{DrawOp::kText, PanelRect{}, 0, x, y, text};
    return op;
}

DrawOp Transparent() { return DrawOp{DrawOp::kTransparent, PanelRect{}, 0, 0, 0, {}}; }

bool ByteLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        });
}

void CallDetails(const PanelRect& item, const PanelData& data, std::vector<DrawOp>* ops) {
    ops->push_back(Fill(item.left, item.top, item.right, item.bottom, kCallDetailsBackground));
    // Seven slots of h: the heading, then one per band index.
    const int h = item.bottom / 7;
    if (data.currentBand >= 0) {
        ops->push_back(Fill(0, h * (data.currentBand + 1) + 10, item.right,
                            h * (data.currentBand + 2), kBandHighlight));
    }
    ops->push_back(Transparent());
    ops->push_back(Text(20, 14, "Band"));
    ops->push_back(Text(100, 14, "Mode"));
    ops->push_back(Text(140, 0, data.currentCall));
    // The data columns of Time and Zone/St/Prov stand right of their headings.
    ops->push_back(Text(178, 14, "Time"));
    ops->push_back(Text(250, 14, "Zone/St/Prov"));
    const int xs[] = {20, 100, 180, 260};
    for (std::size_t i = 0; i < 4 && i < data.row0.size(); ++i) {
        ops->push_back(Text(xs[i], h + 10, data.row0[i]));
    }
}

void CountryList(const PanelRect& item, const PanelData& data, std::vector<DrawOp>* ops) {
    ops->push_back(Fill(item.left, item.top, item.right, item.bottom, kCountryListBackground));
    if (data.currentBand < 0) return;
    ops->push_back(Transparent());
    // The band's list holds every country worked; the grid shows those that
    // count as country multipliers, as the results' DXCC column does (no K
    // or VE, whose stations count through their state or province, and no
    // maritime mobile without a country).
    StringArray sorted;
    for (const std::string& country : data.countries) {
        if (CountsAsCountry(country)) sorted.push_back(country);
    }
    SortCountries(&sorted);
    int x = 5;
    int y = 15;
    for (const std::string& country : sorted) {
        ops->push_back(Text(x, y, country));
        x += 40;
        if (x > item.right - 40) {
            y += 15;
            x = 5;
        }
    }
}

}  // namespace

void SortCountries(StringArray* countries) {
    std::stable_sort(countries->begin(), countries->end(), ByteLess);
}

std::vector<DrawOp> DrawInfoPanel(const PanelRect& item, const PanelData& data) {
    std::vector<DrawOp> ops;
    if (!data.currentCall.empty()) {
        CallDetails(item, data, &ops);
    } else {
        CountryList(item, data, &ops);
    }
    return ops;
}
