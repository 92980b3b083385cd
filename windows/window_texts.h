// Captions and labels of the module windows, in both languages (the Russian
// texts as Windows-1251 bytes), and the band a host frequency falls in.
#ifndef STATS_WINDOWS_WINDOW_TEXTS_H_
#define STATS_WINDOWS_WINDOW_TEXTS_H_

#include <string>

// "Setup CQ-WW-160M-CW-2027" and the like.
std::string MainCaption(bool altLanguage, bool cw, const std::string& year);
std::string ViewLabel(bool altLanguage);  // label 1039
std::string ModeLabel(bool altLanguage);  // label 1040
// "CQ-WW-160M-CW worked with DL1ABC"
std::string WorkedWithCaption(bool cw, const std::string& call);
// "CQ-WW-160M-CW 2027  DXCC worked on 160m"
std::string BandCaption(bool cw, const std::string& year, const std::string& band);
// "State/Province worked on 160m"
std::string StatProvCaption(bool altLanguage, const std::string& band);

// Band index 0..5 ("160m" ... "10m") of a frequency in Hz by its whole
// megahertz, truncated: 1, 3, 7, 14, 21, 28. -1 for any other frequency.
int BandFromFrequency(double hz);

#endif  // STATS_WINDOWS_WINDOW_TEXTS_H_
