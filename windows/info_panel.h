// The information panel of the single multiplier window: what it draws, as a
// list of drawing operations in order, for a panel rectangle and the data of
// the moment. The Win32 shell carries the operations out on an off-screen
// context and copies the picture once. Two pictures:
// - call details, while a call is typed: headings, the call, the 160 m row
//   of what was logged before with it, the current band's slot highlighted;
// - the country list, with no call typed: the band's worked countries that
//   count as country multipliers, sorted, in a grid that wraps at the
//   panel's right edge.
#ifndef STATS_WINDOWS_INFO_PANEL_H_
#define STATS_WINDOWS_INFO_PANEL_H_

#include <cstdint>
#include <string>
#include <vector>

#include "scoring/qso_record.h"

struct PanelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

constexpr std::uint32_t PanelRgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}
constexpr std::uint32_t kCallDetailsBackground = PanelRgb(255, 255, 198);
constexpr std::uint32_t kBandHighlight = PanelRgb(198, 255, 255);
constexpr std::uint32_t kCountryListBackground = PanelRgb(255, 250, 198);

struct DrawOp {
    enum Kind { kFill, kTransparent, kText } kind;
    PanelRect rect;           // kFill
    std::uint32_t colour = 0; // kFill, as COLORREF (0x00BBGGRR)
    int x = 0;                // kText: top-left point
    int y = 0;
    std::string text;         // kText
};

// What one paint shows, copied under the module lock.
struct PanelData {
    std::string currentCall;  // "" = country-list picture
    int currentBand = -1;     // -1 = no band yet
    StringArray row0;         // the 160 m previous-QSO row: band, mode, time, zone/state, spare
    StringArray countries;    // the current band's worked countries, in list order
};

std::vector<DrawOp> DrawInfoPanel(const PanelRect& item, const PanelData& data);

// Ascending by unsigned byte values, a prefix before its extensions. The
// panel sorts its own copy of the band's list: the shared list keeps its
// order (the picture is the same as if the list were sorted in place, since
// its texts are distinct).
void SortCountries(StringArray* countries);

#endif  // STATS_WINDOWS_INFO_PANEL_H_
