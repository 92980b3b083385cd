// The log sizes a benchmark is asked for on its command line: "2000,20000"
// (QSOs per log, comma separated; zeros and anything after the last number
// are dropped).
#ifndef STATS_BENCH_BENCH_SIZES_H_
#define STATS_BENCH_BENCH_SIZES_H_

#include <cstddef>
#include <cstdlib>
#include <vector>

inline std::vector<std::size_t> ParseSizes(const char* text) {
    std::vector<std::size_t> sizes;
    for (const char* p = text; *p;) {
        char* end;
        const unsigned long long n = std::strtoull(p, &end, 10);
        if (end == p) break;
        if (n > 0) sizes.push_back(static_cast<std::size_t>(n));
        p = *end == ',' ? end + 1 : end;
    }
    return sizes;
}

#endif  // STATS_BENCH_BENCH_SIZES_H_
