// What cq160 reads out of the module's results text.
#ifndef CQ160_RESULTS_TEXT_H_
#define CQ160_RESULTS_TEXT_H_

#include <string>

// The score the results text states, or false when it states none.
bool ScoreInResults(const std::string& results, long long* score);

// A claimed score as operators write it ("123456", "123,456", "123 456");
// false when it is no number.
bool ParseClaimedScore(const std::string& text, long long* score);

#endif  // CQ160_RESULTS_TEXT_H_
