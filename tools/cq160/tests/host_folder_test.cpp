#include "tools/cq160/host/host_folder.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tools/cq160/host/ini_text.h"

namespace {

TEST(HostFolder, TheLogsHeaderInTheKeysTheDialogIsPrefilledFrom) {
    const std::vector<HeaderTag> header = {
        {2, "CALLSIGN", "W3ABC"},          {3, "NAME", "Pat Example"},
        {4, "ADDRESS", "1 Main St"},       {5, "ADDRESS", "Apt 2"},
        {6, "ADDRESS-CITY", "Erie"},       {7, "CATEGORY-POWER", "LOW"},
        {8, "SOAPBOX", "Good conditions"}, {9, "SOAPBOX", "73"},
        {10, "EMAIL", std::string(120, 'e')}};
    const IniValues values = HeaderSettings(header);
    // Every key the dialog is prefilled from, in the module's order, empty
    // where the log has no tag (so an earlier export's value cannot stay);
    // no category key.
    std::string keys;
    for (const auto& [key, value] : values) keys += key + (value.empty() ? "= " : "=x ");
    EXPECT_EQ(keys, "Operators= Name=x Address=x Address_City=x Address_St_Prov= "
                    "Address_PostalCode= Address_Country= Email=x Club= SoapBox=x ");
    EXPECT_EQ(values[1], (std::pair<std::string, std::string>{"Name", "Pat Example"}));
    EXPECT_EQ(values[2].second, "1 Main St, Apt 2");
    EXPECT_EQ(values[7], (std::pair<std::string, std::string>{"Email", std::string(99, 'e')}));
    EXPECT_EQ(values[9].second, "Good conditions<CR><LF>73");
    EXPECT_EQ(SettingsText("", true, values).substr(0, 41),
              "[Settings]\r\nMode=1\r\nStart=1\r\nOperators=\r\n");
}

TEST(HostFolder, TheLogsCategoriesAndLocationAsTypedIntoTheDialog) {
    const std::vector<HeaderTag> header = {
        {2, "CALLSIGN", "OK1ABC"},          {3, "NAME", "Pat Example"},
        {4, "CATEGORY-POWER", "LOW"},       {5, "CATEGORY-OPERATOR", "MULTI-OP"},
        {6, "LOCATION", "DX"},              {7, "CATEGORY-OVERLAY", "ROOKIE"},
        {8, "CATEGORY-OVERLAY", "CLASSIC"}, {9, "CATEGORY-MODE", "CW"}};
    const std::vector<DialogEdit> edits = HeaderDialogEdits(header);
    std::vector<std::pair<int, std::string>> got;
    for (const DialogEdit& e : edits) got.push_back({e.controlId, e.text});
    // Only the tags the log has; NAME is prefilled from the settings.
    EXPECT_EQ(got, (std::vector<std::pair<int, std::string>>{
                       {IDC_CABRILLO_CATEGORY_OPERATOR, "MULTI-OP"},
                       {IDC_CABRILLO_CATEGORY_MODE, "CW"},
                       {IDC_CABRILLO_CATEGORY_POWER, "LOW"},
                       {IDC_CABRILLO_CATEGORY_OVERLAY, "ROOKIE CLASSIC"},
                       {IDC_CABRILLO_LOCATION, "DX"}}));
    EXPECT_TRUE(HeaderDialogEdits({{2, "CALLSIGN", "OK1ABC"}}).empty());
}

TEST(HostFolder, ACabrillo2CategoryLineInTheFieldsItStandsFor) {
    using Edits = std::vector<std::pair<int, std::string>>;
    auto edits = [](std::vector<HeaderTag> header) {
        Edits got;
        for (const DialogEdit& e : HeaderDialogEdits(header)) got.push_back({e.controlId, e.text});
        return got;
    };
    EXPECT_EQ(edits({{2, "CATEGORY", "single-op-assisted 160M  low cw"}}),
              (Edits{{IDC_CABRILLO_CATEGORY_OPERATOR, "SINGLE-OP"},
                     {IDC_CABRILLO_CATEGORY_ASSISTED, "ASSISTED"},
                     {IDC_CABRILLO_CATEGORY_BAND, "160M"},
                     {IDC_CABRILLO_CATEGORY_MODE, "CW"},
                     {IDC_CABRILLO_CATEGORY_POWER, "LOW"}}));
    // A 3.0 tag wins over the 2.0 line; words it does not know are left out.
    EXPECT_EQ(edits({{2, "CATEGORY", "MULTI-MULTI ALL HIGH NOVICE"},
                     {3, "CATEGORY-POWER", "LOW"}}),
              (Edits{{IDC_CABRILLO_CATEGORY_OPERATOR, "MULTI-OP"},
                     {IDC_CABRILLO_CATEGORY_BAND, "ALL"},
                     {IDC_CABRILLO_CATEGORY_POWER, "LOW"},
                     {IDC_CABRILLO_CATEGORY_TRANSMITTER, "UNLIMITED"}}));
    EXPECT_TRUE(edits({{2, "CATEGORY", "SWL"}}).empty());
}

TEST(HostFolder, WithTheWindowsTheNextResetOpensThem) {
    // The contest window opens when Start is 0, and takes its weekend from
    // setup_mode_cw / setup_mode_ssb rather than from Mode.
    const std::string ssb = SettingsText("[Settings]\r\nStart=1\r\nsetup_mode_cw=1\r\n", false,
                                         WindowSettings(false));
    EXPECT_NE(ssb.find("\r\nStart=0\r\n"), std::string::npos) << ssb;
    EXPECT_EQ(ssb.find("Start=1"), std::string::npos) << ssb;
    EXPECT_NE(ssb.find("\r\nsetup_mode_cw=0\r\n"), std::string::npos) << ssb;
    EXPECT_NE(ssb.find("\r\nsetup_mode_ssb=1\r\n"), std::string::npos) << ssb;
    EXPECT_NE(ssb.find("\r\nsetup_view_zone=1\r\n"), std::string::npos) << ssb;
}

TEST(HostFolder, NewSettingsFile) {
    EXPECT_EQ(SettingsText("", true), "[Settings]\r\nMode=1\r\nStart=1\r\n");
    EXPECT_EQ(SettingsText("", false), "[Settings]\r\nMode=0\r\nStart=1\r\n");
}

TEST(HostFolder, ExistingSettingsKeepEverythingElse) {
    // What the module leaves after a run: Start toggled, its claimed score.
    EXPECT_EQ(SettingsText("[Settings]\r\nMode=0\r\nStart=0\r\nClaimed=240\r\n", true),
              "[Settings]\r\nMode=1\r\nStart=1\r\nClaimed=240\r\n");
    EXPECT_EQ(
        SettingsText("; mine\n[other]\nMode=7\n\n[ settings ]\n  mode = 0\nX=1\n\n[z]\n", true),
        "; mine\n[other]\nMode=7\n\n[ settings ]\nMode=1\nX=1\nStart=1\r\n\n[z]\n");
}

TEST(IniText, FindsKeysAsTheProfileFunctionsDo) {
    // Only the first section of a name and its first entry of a key count;
    // comments and lines without "=" are no entries.
    EXPECT_EQ(SetIniValues("[S]\r\n;K=1\r\nK\r\nk=1\r\nK=2\r\n[S]\r\nK=3\r\n", "s", {{"K", "9"}}),
              "[S]\r\n;K=1\r\nK\r\nK=9\r\nK=2\r\n[S]\r\nK=3\r\n");
    // A last line without a line end gets one when something follows it.
    EXPECT_EQ(SetIniValues("[A]\r\nX=1", "A", {{"Y", "2"}}), "[A]\r\nX=1\r\nY=2\r\n");
    EXPECT_EQ(SetIniValues("[A]\r\nX=1", "B", {{"Y", "2"}}), "[A]\r\nX=1\r\n[B]\r\nY=2\r\n");
    EXPECT_EQ(SetIniValues("[A]", "A", {{"Y", "2"}}), "[A]\r\nY=2\r\n");
}

}  // namespace
