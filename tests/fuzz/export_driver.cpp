#include "tests/fuzz/export_driver.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <limits>
#include <vector>

#include "interface/exports.h"
#include "interface/module_state.h"
#include "tools/driver/export_calls.h"

std::uint64_t ByteSource::Bits() {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        bits = (bits << 8) | (pos_ < size_ ? data_[pos_] : 0);
        ++pos_;
    }
    return bits;
}

namespace {

const char* const kWords[] = {
    "160m", "160M", "80m", "40m", "10m", "2m", "CW", "SSB", "RTTY", "cw", "K", "VE", "DL", "UA",
    "UA2/f", "IT9", "TA1", "4U1", "Z6", "VK", "EU", "NA", "AS", "OC", "MA", "ON", "PE", "PEI",
    "NF", "TX", "DX", "14", "5", "05", "2", "40", "599", "59", "DL1ABC", "K1AB", "K1ABC",
    "UA9AAA", "DL1ABC/P", "..", "../x", "C:\\x", "*", "?", " ", "\t", "Mode=1",
    "a\r\nMode=1\r\n[Other]", "<CR><LF>", "%s%n%d", "\xC0\xFF\x80"};
constexpr std::size_t kBig = 100 * 1024;

// Texts of one call: they live until the next call is made.
class TextMaker {
public:
    explicit TextMaker(ChoiceSource* source)
        : source_(source), bigLetters_(BigLetters()), bigBytes_(BigBytes()) {}
    void NewCall() { made_.clear(); }

    const char* Text() {
        // The 100 KB texts are rare: every one ends up in the report file,
        // which the results and each removal read back whole.
        switch (source_->Below(16)) {
            case 0: return nullptr;
            case 1: return "";
            case 2:
                if (source_->OneIn(8)) return bigLetters_.c_str();
                return Keep(std::string(source_->Below(300), 'A'));
            case 3:
                if (source_->OneIn(8)) return bigBytes_.c_str() + source_->Below(kBig);
                return Keep(RandomBytes(source_->Below(300)));
            case 4: case 5: return Keep(RandomBytes(source_->Below(24)));
            case 6: return Keep(std::to_string(static_cast<long long>(source_->Bits()) >> source_->Below(64)));
            default: return kWords[source_->Below(sizeof kWords / sizeof kWords[0])];
        }
    }
    // Mostly a text that the module accepts, so that logs grow.
    const char* Likely(const char* usual) { return source_->OneIn(4) ? Text() : usual; }

    const char* Prefix() {
        std::string p;
        switch (source_->Below(8)) {
            case 0: return Text();
            case 1: p.assign(source_->Below(2000), '*'); break;
            case 2: for (std::uint64_t i = source_->Below(500); i > 0; --i) p += "*?"; break;
            case 3: p = "../"; break;
            case 4: p = "/"; break;
            case 5: p = "Plugins\\"; break;
            case 6: p = "no/such/folder/"; break;
            default: p = RandomBytes(source_->Below(12)) + "*"; break;
        }
        return Keep(p);
    }

private:
    std::string RandomBytes(std::uint64_t n) {
        std::string s;
        for (std::uint64_t i = 0; i < n; ++i) s += static_cast<char>(1 + source_->Below(255));
        return s;
    }
    const char* Keep(std::string text) {
        made_.push_back(std::move(text));
        return made_.back().c_str();
    }

    // Made once per process: libFuzzer builds a driver for every input.
    static const std::string& BigLetters() {
        static const std::string text(kBig, 'A');
        return text;
    }
    static const std::string& BigBytes() {
        static const std::string text = [] {
            std::string bytes(kBig, ' ');
            std::mt19937 random(1);
            for (char& c : bytes) c = static_cast<char>(1 + random() % 255);
            return bytes;
        }();
        return text;
    }

    ChoiceSource* source_;
    const std::string& bigLetters_;
    const std::string& bigBytes_;
    std::deque<std::string> made_;  // a deque keeps the pointers valid as it grows
};

double Days(ChoiceSource* s) {
    switch (s->Below(12)) {
        case 0: return std::numeric_limits<double>::quiet_NaN();
        case 1: return std::numeric_limits<double>::infinity();
        case 2: return -std::numeric_limits<double>::infinity();
        case 3: return 1e300;
        case 4: return -1e300;
        case 5: return -657434.999999;  // about the start of year 100
        case 6: return 2958465.99999999;  // the last moment of 9999
        case 7: {
            const std::uint64_t bits = s->Bits();
            double d;
            std::memcpy(&d, &bits, sizeof d);
            return d;
        }
        default:  // around the contest weekends of 2027
            return 46416.0 + static_cast<double>(s->Below(40 * 1440)) / 1440.0;
    }
}

COleDateTime::DateTimeStatus Status(ChoiceSource* s) {
    switch (s->Below(10)) {
        case 0: return COleDateTime::invalid;
        case 1: return COleDateTime::null;
        case 2: return static_cast<COleDateTime::DateTimeStatus>(static_cast<std::int32_t>(s->Bits()));
        default: return COleDateTime::valid;
    }
}

// One QSO's arguments, kept so that a later removal can name it exactly.
struct QsoArgs {
    std::string ownCall, call, mode, rstSent, rstRcvd, exchSent, exchRcvd, detailed, country,
        continent, band;
    bool nullTime = false;
    COleDateTime time;
    unsigned freqHz = 0;
};

std::size_t LogSize() { return g_module.LogSize(); }

class Driver {
public:
    Driver(ChoiceSource* source, std::string* failure)
        : s_(source), texts_(source), failure_(failure) {}

    bool Call() {
        texts_.NewCall();
        const std::uint64_t pick = s_->Below(100);
        if (pick < 30) return Add();
        if (pick < 40) return Remove();
        if (pick < 60) return Check();
        if (pick < 70) return ValidExchange();
        if (pick < 78) return Result();
        if (pick < 80) return Reset();
        if (pick < 81) return Expect(setVersion(texts_.Text()) == 0, "setVersion");
        if (pick < 82) return Expect(GetNumberOfSets() == 1, "GetNumberOfSets");
        if (pick < 83) {
            return Expect(GetExchgCount0(texts_.Text(), texts_.Text(), texts_.Text()) == 1,
                          "GetExchgCount0");
        }
        if (pick < 84) {
            Text name = GetSetName(static_cast<int>(s_->Bits()));
            return Expect(name && std::strcmp(name, "CQ WW 160M CW/SSB (C)") == 0, "GetSetName");
        }
        if (pick < 85) {
            if (s_->OneIn(20)) SetupSet0();
            return true;
        }
        return Files();
    }

private:
    bool Expect(bool ok, const char* what) {
        if (!ok) *failure_ = what;
        return ok;
    }

    QsoArgs NewQso() {
        QsoArgs q;
        auto take = [](const char* t) { return t ? std::string(t) : std::string(); };
        q.ownCall = take(texts_.Likely("DL1ABC"));
        q.call = take(texts_.Likely(s_->OneIn(2) ? "K1AB" : "UA9AAA"));
        q.mode = take(texts_.Likely(s_->OneIn(2) ? "CW" : "SSB"));
        q.rstSent = take(texts_.Likely("599"));
        q.rstRcvd = take(texts_.Likely("599"));
        q.exchSent = take(texts_.Likely("14"));
        q.exchRcvd = take(texts_.Likely(s_->OneIn(2) ? "MA" : "17"));
        q.country = take(texts_.Likely(s_->OneIn(2) ? "K" : "UA9"));
        q.detailed = take(texts_.Likely(q.country.c_str()));
        q.continent = take(texts_.Likely(s_->OneIn(2) ? "NA" : "AS"));
        q.band = take(texts_.Likely("160m"));
        q.nullTime = s_->OneIn(20);
        q.time = COleDateTime(Days(s_), Status(s_));
        q.freqHz = s_->OneIn(4) ? static_cast<unsigned>(s_->Bits())
                                : 1810000 + static_cast<unsigned>(s_->Below(190000));
        return q;
    }

    int CallWith(const QsoArgs& q, bool add) {
        driver::Qso h;
        h.ownCall = q.ownCall.c_str();
        h.call = q.call.c_str();
        h.time = q.time;
        h.noTime = q.nullTime;
        h.freqHz = q.freqHz;
        h.mode = q.mode.c_str();
        h.rstSent = q.rstSent.c_str();
        h.rstRcvd = q.rstRcvd.c_str();
        h.exchSent = q.exchSent.c_str();
        h.exchRcvd = q.exchRcvd.c_str();
        h.detailedPrefix = q.detailed.c_str();
        h.countryPrefix = q.country.c_str();
        h.continent = q.continent.c_str();
        h.band = q.band.c_str();
        return driver::CallQso(add ? &AddData0 : &RemoveData0, h, driver::Unused::kNull);
    }

    bool Add() {
        const QsoArgs q = NewQso();
        const std::size_t before = LogSize();
        const int stored = CallWith(q, true);
        const std::size_t after = LogSize();
        if (stored == 1) {
            recent_.push_back(q);
            if (recent_.size() > 16) recent_.pop_front();
        }
        return Expect((stored == 0 && after == before) || (stored == 1 && after == before + 1),
                      "AddData0: result and log size disagree");
    }

    bool Remove() {
        const bool known = !recent_.empty() && s_->OneIn(2);
        const QsoArgs q = known ? recent_[s_->Below(recent_.size())] : NewQso();
        const std::size_t before = LogSize();
        const int result = CallWith(q, false);
        const std::size_t after = LogSize();
        return Expect(result == 1 && (after == before || after + 1 == before),
                      "RemoveData0: not 1, or more than one record removed");
    }

    bool Check() {
        char hint[128];
        std::memset(hint, 0x5A, sizeof hint);
        char* hintArg = s_->OneIn(10) ? nullptr : hint;
        const int zone = s_->OneIn(3) ? static_cast<int>(s_->Bits()) : static_cast<int>(s_->Below(42));
        const int verdict = CheckCall0(
            texts_.Likely("K1AB"), 0, 0, texts_.Likely("CW"), texts_.Text(), nullptr, nullptr,
            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, texts_.Likely("K"), zone, 0, 0,
            0.0, 0.0, nullptr, texts_.Likely("NA"), nullptr, nullptr, nullptr,
            texts_.Likely("160m"), texts_.Likely("160M"), hintArg, nullptr);
        if (!Expect(verdict == 0 || verdict == 1 || verdict == 2 || verdict == 4,
                    "CheckCall0: verdict not 0, 1, 2 or 4")) {
            return false;
        }
        // The hint stays inside the host's 100 bytes and is terminated there.
        for (std::size_t i = 100; i < sizeof hint; ++i) {
            if (hint[i] != 0x5A) return Expect(false, "CheckCall0: wrote past the hint buffer");
        }
        if (hint[0] != 0x5A && std::memchr(hint, '\0', 100) == nullptr)
            return Expect(false, "CheckCall0: hint not terminated");
        return true;
    }

    bool ValidExchange() {
        const int valid = IsValidExchg0(texts_.Likely("05"), texts_.Text(), texts_.Likely("VE"),
                                        texts_.Text(), static_cast<int>(s_->Bits()),
                                        static_cast<int>(s_->Bits()),
                                        s_->OneIn(4) ? static_cast<int>(s_->Bits()) : 0);
        return Expect(valid == 0 || valid == 1, "IsValidExchg0: not 0 or 1");
    }

    bool Result() {
        int out = 12345;
        Text text = GetResult0(s_->OneIn(10) ? nullptr : &out);
        if (!Expect(text != nullptr, "GetResult0: null")) return false;
        // A terminated text: the sanitizers catch a read past its end.
        const std::size_t length = std::strlen(text);
        return Expect((out == -1 || out == 12345) && length < (std::size_t(1) << 30),
                      "GetResult0: out not -1");
    }

    bool Reset() {
        COleDateTime start(Days(s_), Status(s_)), end(Days(s_), Status(s_));
        if (s_->OneIn(2)) {
            start = COleDateTime(46416.0 + 22.0 / 24);
            end = COleDateTime(46418.0 + 22.0 / 24);
        }
        const int report = s_->OneIn(3) ? (s_->OneIn(4) ? static_cast<int>(s_->Bits()) : 1) : 0;
        const int result = ResetStats0(
            texts_.Prefix(), report, texts_.Likely("DL1ABC"), s_->OneIn(10) ? nullptr : &start,
            s_->OneIn(10) ? nullptr : &end, texts_.Text(), nullptr, nullptr, nullptr, nullptr,
            nullptr, nullptr, nullptr, nullptr, texts_.Likely("DL"), 0, 0, 0, 0.0, 0.0, nullptr,
            texts_.Likely("EU"), nullptr);
        recent_.clear();
        return Expect(result == 1 && LogSize() == 0, "ResetStats0: not 1, or the log not empty");
    }

    // The host's folder changes under the module: settings folder there or
    // not, a host settings file with odd contents.
    bool Files() {
        if (s_->OneIn(2)) {
            mkdir("Plugins", 0777);
        } else if (s_->OneIn(4)) {
            std::remove("Plugins/CQ-WW-160-CW-SSB.ini");
            rmdir("Plugins");
        }
        if (std::FILE* f = std::fopen("Harlo2.ini", "wb")) {
            const char* text = texts_.Text();
            std::fprintf(f, "[Harlo]\r\nHarlo=%s\r\n", text ? text : "");
            std::fclose(f);
        }
        return true;
    }

    ChoiceSource* s_;
    TextMaker texts_;
    std::string* failure_;
    std::deque<QsoArgs> recent_;
};

}  // namespace

bool RunExportCalls(ChoiceSource* source, long calls, std::string* failure) {
    Driver driver(source, failure);
    for (long i = 0; i < calls && !source->Exhausted(); ++i) {
        if (!driver.Call()) return false;
    }
    return true;
}
