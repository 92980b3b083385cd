// Amateur bands by frequency, named the way the host names them ("160m").
#ifndef CQ160_BAND_PLAN_H_
#define CQ160_BAND_PLAN_H_

#include <string>

// The band that holds the frequency (kHz, edges included): "160m" for 1800
// to 2000 kHz, "80m" for 3500 to 4000, and so on up to "70cm". Empty
// outside every band, which the module refuses like any wrong band.
std::string BandOfKHz(double kHz);

// A band name as the host writes it ("160M" -> "160m", "70CM" -> "70cm");
// empty when it is none of the known bands.
std::string NormalisedBand(const std::string& name);

// The lowest frequency of a band named as BandOfKHz() names it, in kHz
// (1800 for "160m"); 0 for a name that is no band.
double BandLowerEdgeKHz(const std::string& band);

#endif  // CQ160_BAND_PLAN_H_
