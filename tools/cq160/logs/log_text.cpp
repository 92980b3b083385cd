#include "tools/cq160/logs/log_text.h"

#include <cstdio>

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string TrimBlanks(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> SplitBlanks(const std::string& text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) end = text.size();
        std::size_t cut = end;
        if (cut > start && text[cut - 1] == '\r') --cut;
        lines.push_back(text.substr(start, cut - start));
        start = end + 1;
    }
    return lines;
}

bool IsDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

bool ParseScaledDecimal(const std::string& text, int scaleDigits, unsigned long long* value) {
    const std::size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    if (whole.empty() && fraction.empty()) return false;
    if ((!whole.empty() && !IsDigits(whole)) || (!fraction.empty() && !IsDigits(fraction)))
        return false;
    fraction.resize(static_cast<std::size_t>(scaleDigits), '0');
    const std::string digits = whole + fraction;
    if (digits.size() > 18) return false;
    unsigned long long v = 0;
    for (char c : digits) v = v * 10 + static_cast<unsigned>(c - '0');
    *value = v;
    return true;
}

std::string HostMode(const std::string& logMode) {
    const std::string mode = UpperAscii(TrimBlanks(logMode));
    if (mode == "PH" || mode == "SSB" || mode == "USB" || mode == "LSB" || mode == "PHONE")
        return "SSB";
    return mode;
}

namespace {

// Unicode of the Windows-1251 bytes 0x80 to 0xBF; 0 for 0x98, which has
// none. 0xC0 to 0xFF are U+0410 to U+044F in order.
const unsigned short kWindows1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

void AppendUtf8(unsigned code, std::string* out) {
    if (code < 0x800) {
        *out += static_cast<char>(0xC0 | (code >> 6));
    } else {
        *out += static_cast<char>(0xE0 | (code >> 12));
        *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    }
    *out += static_cast<char>(0x80 | (code & 0x3F));
}

}  // namespace

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        unsigned code = c;
        if (c >= 0xC0) {
            code = 0x0410 + (c - 0xC0);
        } else if (c >= 0x80) {
            code = kWindows1251High[c - 0x80];
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F || code == 0) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else if (code < 0x80) {
            out += static_cast<char>(c);
        } else {
            AppendUtf8(code, &out);
        }
    }
    return out + "\"";
}
