#include "windows/window_texts.h"

#include <cmath>

namespace {
// Windows-1251: "Установки ", "Отображать", "Вид радиосвязи",
// "Штаты/Провинции отработано на ".
const char kRuSetup[] = "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8 ";
const char kRuView[] = "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC";
const char kRuMode[] = "\xC2\xE8\xE4 \xF0\xE0\xE4\xE8\xEE\xF1\xE2\xFF\xE7\xE8";
const char kRuStatProv[] =
    "\xD8\xF2\xE0\xF2\xFB/\xCF\xF0\xEE\xE2\xE8\xED\xF6\xE8\xE8 "
    "\xEE\xF2\xF0\xE0\xE1\xEE\xF2\xE0\xED\xEE \xED\xE0 ";

const char* ContestName(bool cw) { return cw ? "CQ-WW-160M-CW" : "CQ-WW-160M-SSB"; }
}  // namespace

std::string MainCaption(bool altLanguage, bool cw, const std::string& year) {
    return std::string(altLanguage ? kRuSetup : "Setup ") + ContestName(cw) + "-" + year;
}

std::string ViewLabel(bool altLanguage) { return altLanguage ? kRuView : "View"; }

std::string ModeLabel(bool altLanguage) { return altLanguage ? kRuMode : "Mode"; }

std::string WorkedWithCaption(bool cw, const std::string& call) {
    return std::string(ContestName(cw)) + " worked with " + call;
}

std::string BandCaption(bool cw, const std::string& year, const std::string& band) {
    return std::string(ContestName(cw)) + " " + year + "  DXCC worked on " + band;
}

std::string StatProvCaption(bool altLanguage, const std::string& band) {
    return std::string(altLanguage ? kRuStatProv : "State/Province worked on ") + band;
}

int BandFromFrequency(double hz) {
    // Out of range (and NaN) first, so the truncation below is defined.
    if (!(hz > -1e9 && hz < 1e9)) return -1;
    switch (static_cast<long>(std::trunc(hz / 1e6))) {
    case 1: return 0;
    case 3: return 1;
    case 7: return 2;
    case 14: return 3;
    case 21: return 4;
    case 28: return 5;
    default: return -1;
    }
}
