// A random driver of every export of the module, as a hostile or careless
// host would call them: null texts, 100 KB texts, bytes above 127, NaN and
// huge dates, null date pointers, odd statuses, random bands and modes,
// resets with odd path prefixes, text and HTML results, removals of QSOs
// never added. Each call's result is checked against what the export
// promises; memory errors are left to the sanitizers the driver is built
// with. The choices come from a seeded generator (export_fuzz_main.cpp, run
// by the tests) or from libFuzzer's bytes (export_libfuzzer.cpp).
//
// Host thread only; works on relative file names in the current directory.
#ifndef STATS_TESTS_FUZZ_EXPORT_DRIVER_H_
#define STATS_TESTS_FUZZ_EXPORT_DRIVER_H_

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

class ChoiceSource {
public:
    virtual ~ChoiceSource() = default;
    virtual std::uint64_t Bits() = 0;  // 64 bits of choice
    virtual bool Exhausted() const { return false; }
    // 0 .. n - 1 (0 when n is 0).
    std::uint64_t Below(std::uint64_t n) { return n ? Bits() % n : 0; }
    bool OneIn(std::uint64_t n) { return Below(n) == 0; }
};

class SeededSource : public ChoiceSource {
public:
    explicit SeededSource(std::uint64_t seed) : random_(seed) {}
    std::uint64_t Bits() override { return random_(); }

private:
    std::mt19937_64 random_;
};

// Bytes read eight at a time; zeros once they are used up.
class ByteSource : public ChoiceSource {
public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint64_t Bits() override;
    bool Exhausted() const override { return pos_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Makes up to calls export calls (fewer when the source runs out). Returns
// false with *failure set at the first result that breaks an export's
// promise.
bool RunExportCalls(ChoiceSource* source, long calls, std::string* failure);

#endif  // STATS_TESTS_FUZZ_EXPORT_DRIVER_H_
