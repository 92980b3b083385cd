#include "tools/cq160/output/results_text.h"

#include "tools/cq160/logs/log_text.h"

bool ScoreInResults(const std::string& results, long long* score) {
    // "Score: 40*(5+1) = 240" in the text, "Score:</th><td colspan=4>
    // <center>40 * (5 + 1) = 240" in the HTML page: the number after the
    // ") =" that follows the last "Score:" (the HTML has other "=" first).
    const std::size_t label = results.rfind("Score:");
    if (label == std::string::npos) return false;
    const std::size_t equals = results.find(") =", label);
    if (equals == std::string::npos) return false;
    std::size_t i = equals + 3;
    while (i < results.size() && results[i] == ' ') ++i;
    std::size_t end = i;
    while (end < results.size() && results[end] >= '0' && results[end] <= '9') ++end;
    if (end == i || end - i > 15) return false;
    *score = std::stoll(results.substr(i, end - i));
    return true;
}

bool ParseClaimedScore(const std::string& text, long long* score) {
    std::string digits;
    for (char c : TrimBlanks(text)) {
        if (c == ',' || c == ' ' || c == '.' || c == '\'') continue;
        digits += c;
    }
    if (!IsDigits(digits) || digits.size() > 15) return false;
    *score = std::stoll(digits);
    return true;
}
