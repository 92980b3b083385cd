// The info panel's two pictures as drawing operations.
#include <gtest/gtest.h>

#include "windows/info_panel.h"

namespace {

std::string Describe(const DrawOp& op) {
    switch (op.kind) {
    case DrawOp::kFill:
        return "fill " + std::to_string(op.rect.left) + "," + std::to_string(op.rect.top) + "-" +
               std::to_string(op.rect.right) + "," + std::to_string(op.rect.bottom) + " " +
               std::to_string(op.colour);
    case DrawOp::kTransparent: return "transparent";
    case DrawOp::kText:
        return "text " + std::to_string(op.x) + "," + std::to_string(op.y) + " " + op.text;
    }
    return "?";
}

std::vector<std::string> Draw(const PanelRect& rect, const PanelData& data) {
    std::vector<std::string> ops;
    for (const DrawOp& op : DrawInfoPanel(rect, data)) ops.push_back(Describe(op));
    return ops;
}

const std::string kDetails = std::to_string(kCallDetailsBackground);
const std::string kHighlight = std::to_string(kBandHighlight);
const std::string kList = std::to_string(kCountryListBackground);

PanelData Typed(int band) {
    PanelData data;
    data.currentCall = "DL1ABC";
    data.currentBand = band;
    data.row0 = {"160m", "CW", "02:15", "14", "   -"};
    return data;
}

TEST(InfoPanelTest, CallDetailsDrawHeadingsTheRowAndTheBandHighlight) {
    EXPECT_EQ(Draw(PanelRect{0, 0, 300, 140}, Typed(0)),
              (std::vector<std::string>{
                  "fill 0,0-300,140 " + kDetails, "fill 0,30-300,40 " + kHighlight, "transparent",
                  "text 20,14 Band", "text 100,14 Mode", "text 140,0 DL1ABC", "text 178,14 Time",
                  "text 250,14 Zone/St/Prov", "text 20,30 160m", "text 100,30 CW",
                  "text 180,30 02:15", "text 260,30 14"}));
    // 20 m: the fourth slot is highlighted, with no text in it.
    EXPECT_EQ(Draw(PanelRect{0, 0, 300, 140}, Typed(3))[1], "fill 0,90-300,100 " + kHighlight);
    // After a resize to 296 x 196 the rows are 28 high.
    const std::vector<std::string> resized = Draw(PanelRect{0, 0, 296, 196}, Typed(0));
    EXPECT_EQ(resized[1], "fill 0,38-296,56 " + kHighlight);
    EXPECT_EQ(resized.back(), "text 260,38 14");
    // No band yet: no highlight.
    EXPECT_EQ(Draw(PanelRect{0, 0, 300, 140}, Typed(-1))[1], "transparent");
}

TEST(InfoPanelTest, CountryListIsSortedInAGridThatWraps) {
    PanelData data;
    data.currentBand = 0;
    // K and VE count through their states and provinces, a maritime mobile
    // station (no country) not at all: the grid leaves them out, as the
    // results' DXCC column does.
    data.countries = {"W", "DL", "K", "VE", "", "KL"};
    EXPECT_EQ(Draw(PanelRect{0, 0, 300, 140}, data),
              (std::vector<std::string>{"fill 0,0-300,140 " + kList, "transparent",
                                        "text 5,15 DL", "text 45,15 KL", "text 85,15 W"}));
    // The shared list keeps its order.
    EXPECT_EQ(data.countries, (StringArray{"W", "DL", "K", "VE", "", "KL"}));

    data.countries = {"F", "E", "D", "C", "B", "A"};
    const std::vector<std::string> wrapped = Draw(PanelRect{0, 0, 240, 140}, data);
    EXPECT_EQ(wrapped[6], "text 165,15 E");
    EXPECT_EQ(wrapped[7], "text 5,30 F");

    // Unsigned bytes: digits, upper case, lower case; a prefix before its extensions.
    StringArray order{"dl", "DL", "9A", "DL1", "\xC0", "D"};
    SortCountries(&order);
    EXPECT_EQ(order, (StringArray{"9A", "D", "DL", "DL1", "dl", "\xC0"}));
}

TEST(InfoPanelTest, OnlyTheBackgroundWithoutBandOrCountries) {
    PanelData data;
    data.countries = {"DL"};
    EXPECT_EQ(Draw(PanelRect{0, 0, 300, 140}, data),
              (std::vector<std::string>{"fill 0,0-300,140 " + kList}));
    data.currentBand = 0;
    data.countries.clear();
    EXPECT_EQ(Draw(PanelRect{0, 0, 300, 140}, data),
              (std::vector<std::string>{"fill 0,0-300,140 " + kList, "transparent"}));
}

}  // namespace
