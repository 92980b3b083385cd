// The file-name wildcard match, against a plain reference (the textbook
// table of which pattern prefix matches which name prefix) on random
// patterns, with a bound on the steps it takes rather than on time.
#include "platform/wildcard.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

namespace {

bool ReferenceMatch(const std::string& p, const std::string& n) {
    // m[i][j]: the first i pattern characters match the first j of the name.
    std::vector<std::vector<bool>> m(p.size() + 1, std::vector<bool>(n.size() + 1, false));
    m[0][0] = true;
    for (std::size_t i = 1; i <= p.size(); ++i) {
        for (std::size_t j = 0; j <= n.size(); ++j) {
            if (p[i - 1] == '*') {
                m[i][j] = m[i - 1][j] || (j > 0 && m[i][j - 1]);
            } else if (j > 0) {
                const bool same = p[i - 1] == '?' ||
                                  std::tolower(static_cast<unsigned char>(p[i - 1])) ==
                                      std::tolower(static_cast<unsigned char>(n[j - 1]));
                m[i][j] = same && m[i - 1][j - 1];
            }
        }
    }
    return m[p.size()][n.size()];
}

std::size_t StepBound(const std::string& p, const std::string& n) {
    return (p.size() + 1) * (n.size() + 2);
}

}  // namespace

TEST(Wildcard, AgreesWithTheReferenceOnRandomPatterns) {
    std::mt19937 random(20261208);
    const char kPatternChars[] = "**??aAbB.";
    const char kNameChars[] = "aAbB.";
    for (int round = 0; round < 20000; ++round) {
        std::string pattern, name;
        const int pn = static_cast<int>(random() % 12), nn = static_cast<int>(random() % 14);
        for (int i = 0; i < pn; ++i) pattern += kPatternChars[random() % (sizeof kPatternChars - 1)];
        for (int i = 0; i < nn; ++i) name += kNameChars[random() % (sizeof kNameChars - 1)];
        std::size_t steps = 0;
        ASSERT_EQ(WildcardMatch(pattern, name, &steps), ReferenceMatch(pattern, name))
            << "pattern " << pattern << ", name " << name;
        ASSERT_LE(steps, StepBound(pattern, name)) << "pattern " << pattern << ", name " << name;
    }
}

TEST(Wildcard, LongRunsOfStarsAndQuestionMarksStayWithinTheBound) {
    struct Case {
        std::string pattern, name;
        bool matches;
    };
    const std::string as(3000, 'a');
    std::string starsA;
    for (int i = 0; i < 300; ++i) starsA += "*a";
    const Case cases[] = {
        {std::string(300000, '*') + ".ini", "Harlo2.ini", true},
        {std::string(300000, '*') + "x", as, false},
        {starsA + "b", as, false},
        {starsA, as, true},
        {std::string(2999, '?'), as, false},
        {std::string(3000, '?'), as, true},
        {"*?*?*?*?*?*?*?*?*?*?b", as, false},
        {"C:\\Harlo\\*.ini", "c:\\harlo\\HARLO2.INI", true},
    };
    for (const Case& c : cases) {
        std::size_t steps = 0;
        EXPECT_EQ(WildcardMatch(c.pattern, c.name, &steps), c.matches) << c.pattern.substr(0, 40);
        EXPECT_LE(steps, StepBound(c.pattern, c.name)) << c.pattern.substr(0, 40);
    }
}
