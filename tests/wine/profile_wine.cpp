// Differential test of the module's INI reader/writer (ini_file.h) against
// the system's GetPrivateProfileStringA / WritePrivateProfileStringA.
//
// Each scenario starts from the same initial state twice (a file with given
// bytes, no file, or no Plugins folder), runs the same reads and writes once
// through the system functions and once through IniReadString /
// IniWriteString on a parallel file, and compares every result and then the
// final bytes of the two files.
//
// Where Wine is known to differ from Windows, the scenario carries what
// Windows gives instead, with the reason; the module is checked against that
// and the comparison with Wine is reported as skipped.
//
// Runs in the current directory (ctest's working directory) in a scratch
// folder of its own, which it removes again.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/ini_file.h"

namespace {

const char kScratch[] = "profile_wine.tmp";
const char kSettings[] = "Settings";
const std::size_t kModuleBuffer = 100;  // what the module passes on every read

enum class Start { kContent, kNoFile, kNoFolder };

struct Op {
    bool write = false;
    std::string section = kSettings;
    std::string key;
    std::string value;         // the value to write, or the default to read with
    std::size_t bufferSize = kModuleBuffer;
    // Set when Wine reads differently from Windows: why, and what Windows
    // returns, which the module must return too.
    const char* reason = nullptr;
    std::string windowsValue;
};

Op ReadIn(const std::string& section, const std::string& key, const std::string& def = "",
          std::size_t bufferSize = kModuleBuffer) {
    Op op;
    op.section = section;
    op.key = key;
    op.value = def;
    op.bufferSize = bufferSize;
    return op;
}

Op Read(const std::string& key, std::size_t bufferSize = kModuleBuffer) {
    return ReadIn(kSettings, key, "", bufferSize);
}

Op WriteIn(const std::string& section, const std::string& key, const std::string& value) {
    Op op;
    op.write = true;
    op.section = section;
    op.key = key;
    op.value = value;
    return op;
}

Op Write(const std::string& key, const std::string& value) {
    return WriteIn(kSettings, key, value);
}

Op AsOnWindows(Op op, const std::string& windowsValue, const char* reason) {
    op.windowsValue = windowsValue;
    op.reason = reason;
    return op;
}

struct Scenario {
    std::string name;
    Start start = Start::kContent;
    std::string content;
    std::vector<Op> ops;
    // Set when Wine rewrites lines that Windows keeps: the bytes Windows
    // leaves, which the module must leave too.
    const char* bytesReason = nullptr;
    std::string windowsBytes;
};

Scenario Make(const std::string& name, Start start, const std::string& content,
              std::vector<Op> ops) {
    Scenario s;
    s.name = name;
    s.start = start;
    s.content = content;
    s.ops = std::move(ops);
    return s;
}

Scenario WithWindowsBytes(Scenario s, const char* reason, const std::string& bytes) {
    s.bytesReason = reason;
    s.windowsBytes = bytes;
    return s;
}

const char kWineTrims[] =
    "Wine rewrites every line without its blanks; Windows keeps the lines it does not set";
const char kWineLineEnds[] =
    "Wine rewrites every line end as CR LF; Windows keeps the lines it does not set";
const char kWineBlankLines[] =
    "Wine drops blank lines; Windows keeps the lines it does not set";

std::vector<Scenario> Scenarios() {
    const std::string s150 = [] {
        std::string t;
        for (int i = 0; i < 150; ++i) t += static_cast<char>('a' + i % 26);
        return t;
    }();
    std::vector<Scenario> all;

    all.push_back(Make("no-file", Start::kNoFile, "",
                       {Read("Key"), ReadIn(kSettings, "Key", "  default  "),
                        Write("Key", "Value"), Write("Flag", "1"), Read("Key"), Read("Flag")}));
    all.push_back(Make("no-plugins-folder", Start::kNoFolder, "",
                       {Write("Key", "Value"), Read("Key")}));
    all.push_back(Make("empty-file", Start::kContent, "", {Write("Key", "Value"), Read("Key")}));
    all.push_back(Make("replace-value", Start::kContent, "[Settings]\r\nA=1\r\nKey=old\r\nB=2\r\n",
                       {Read("Key"), Write("Key", "new"), Read("Key"), Read("A"), Read("B")}));
    all.push_back(Make("other-letter-case", Start::kContent,
                       "[SETTINGS]\r\nMyKey=1\r\n[other]\r\nX=2\r\n",
                       {ReadIn("settings", "MYKEY"), ReadIn("Other", "x"),
                        WriteIn("settings", "mykey", "2"), WriteIn("OTHER", "Y", "3"),
                        Read("MyKey"), ReadIn("other", "y")}));
    all.push_back(Make("blanks-read", Start::kContent,
                       "  [  Settings  ]  \r\n  Key  =  Value  \r\n\tTab\t=\tv\t\r\n"
                       "Empty =   \r\nNoEquals\r\nInner=a  b\r\n",
                       {Read("Key"), Read("Tab"), ReadIn(kSettings, "Empty", "D"),
                        ReadIn(kSettings, "NoEquals", "D"), Read("Inner")}));
    all.push_back(WithWindowsBytes(
        Make("blanks-around-equals-write", Start::kContent,
             "[Settings]\r\nA = 1\r\n  Key  =  old  \r\nB = 2\r\n",
             {Write("key", "new"), Read("Key"), Read("A"), Read("B")}),
        kWineTrims, "[Settings]\r\nA = 1\r\nKey=new\r\nB = 2\r\n"));
    all.push_back(WithWindowsBytes(
        Make("lf-only-lines", Start::kContent, "[Settings]\nA=1\nKey=old\nB=2\n[Other]\nX=1\n",
             {Read("Key"), Read("B"), Write("Key", "new"), Write("New", "x"), Read("Key"),
              Read("New"), ReadIn("Other", "X")}),
        kWineLineEnds, "[Settings]\nA=1\nKey=new\r\nB=2\nNew=x\r\n[Other]\nX=1\n"));
    all.push_back(Make("no-final-line-end-replace", Start::kContent,
                       "[Settings]\r\nA=1\r\nKey=old", {Read("Key"), Write("Key", "new")}));
    all.push_back(Make("no-final-line-end-new-key", Start::kContent, "[Settings]\r\nKey=old",
                       {Write("K2", "v"), Read("Key"), Read("K2")}));
    all.push_back(Make("no-final-line-end-new-section", Start::kContent, "[Other]\r\nX=1",
                       {Write("Key", "v"), Read("Key")}));
    all.push_back(Make("key-twice", Start::kContent, "[Settings]\r\nKey=first\r\nKey=second\r\n",
                       {Read("Key"), Write("Key", "new"), Read("Key")}));
    all.push_back(Make("section-twice", Start::kContent,
                       "[Settings]\r\nA=1\r\n[Other]\r\nX=1\r\n[settings]\r\nB=2\r\n",
                       {Read("B"), Read("A"), Write("B", "3"), Read("B")}));
    all.push_back(Make("comment-lines", Start::kContent,
                       ";top\r\n[Settings]\r\n;Key=commented\r\nKey=real\r\n;note\r\n"
                       "[Other]\r\nX=1\r\n",
                       {Read("Key"), Write("Key", "new"), Write("K2", "v"), Read("Key")}));
    all.push_back(Make("quoted-values", Start::kContent,
                       "[Settings]\r\nA=\"quoted\"\r\nB='single'\r\nC=\" spaced \"\r\n"
                       "D=\"unmatched\r\nE=\"mixed'\r\nF=  \"x\"  \r\nG=\"\"\"\"\r\nH=\"\r\n"
                       "I=\"a\"b\"\r\nK=''\r\nL=a\"b\"\r\n",
                       {Read("A"), Read("B"), Read("C"), Read("D"), Read("E"), Read("F"),
                        Read("G"), Read("H"), Read("I"), Read("K"), Read("L")}));
    all.push_back(Make(
        "quoted-value-fills-buffer", Start::kContent,
        "[Settings]\r\nK=\"abcdef\"\r\nL=\"" + std::string(99, 'x') + "\"\r\n",
        {Read("K", 5), Read("K", 8),
         AsOnWindows(Read("K", 7), "abcdef",
                     "Wine loses a character when the quoted text just fits the buffer"),
         AsOnWindows(Read("L"), std::string(99, 'x'),
                     "Wine loses a character when the quoted text just fits the buffer")}));
    all.push_back(Make("long-values", Start::kContent,
                       "[Settings]\r\nLong=" + s150 + "\r\nL99=" + std::string(99, 'v') +
                           "\r\nL100=" + std::string(100, 'w') + "\r\nCut=" +
                           std::string(98, 't') + " u\r\nQ=\"" + s150 + "\"\r\n",
                       {Read("Long"), Read("L99"), Read("L100"), Read("Cut"), Read("Q"),
                        Read("Long", 1), Write("Written", s150), Read("Written")}));
    all.push_back(Make("new-key-before-next-section", Start::kContent,
                       "[Settings]\r\nA=1\r\n[Other]\r\nX=1\r\n",
                       {Write("Key", "v"), Read("Key"), ReadIn("Other", "X")}));
    all.push_back(WithWindowsBytes(
        Make("new-key-before-blank-lines", Start::kContent,
             "[Settings]\r\nA=1\r\n\r\n[Other]\r\nX=1\r\n", {Write("Key", "v"), Read("Key")}),
        kWineBlankLines, "[Settings]\r\nA=1\r\nKey=v\r\n\r\n[Other]\r\nX=1\r\n"));
    all.push_back(Make("new-section", Start::kContent, "[Other]\r\nX=1\r\n",
                       {Write("Key", "v"), Read("Key"), ReadIn("Other", "X")}));
    all.push_back(WithWindowsBytes(
        Make("new-section-after-blank-line", Start::kContent, "[Other]\r\nX=1\r\n\r\n",
             {Write("Key", "v"), Read("Key")}),
        kWineBlankLines, "[Other]\r\nX=1\r\n\r\n[Settings]\r\nKey=v\r\n"));
    all.push_back(WithWindowsBytes(
        Make("empty-value-and-trailing-blanks", Start::kContent,
             "[Settings]\r\nKey=Value   \r\nEmpty=\r\n",
             {Read("Key"), ReadIn(kSettings, "Empty", "D"), Write("Empty2", ""),
              ReadIn(kSettings, "Empty2", "D")}),
        kWineTrims, "[Settings]\r\nKey=Value   \r\nEmpty=\r\nEmpty2=\r\n"));
    all.push_back(WithWindowsBytes(
        Make("value-with-blanks-written", Start::kNoFile, "",
             {Write("Text", "  padded  "), Read("Text")}),
        "Wine drops the leading blanks of a value it writes; Windows writes it as given",
        "[Settings]\r\nText=  padded  \r\n"));
    all.push_back(Make("missing-closing-bracket", Start::kContent, "[Settings\r\nKey=v\r\n",
                       {AsOnWindows(Read("Key"), "v",
                                    "Wine ignores a section header without \"]\"")}));
    all.push_back(WithWindowsBytes(
        Make("utf8-byte-order-mark", Start::kContent, "\xEF\xBB\xBF[Settings]\r\nKey=bom\r\n",
             {AsOnWindows(Read("Key"), "",
                          "Windows takes a UTF-8 byte-order mark as part of the first line"),
              Write("Key", "new"), Read("Key")}),
        "Windows takes a UTF-8 byte-order mark as part of the first line",
        "\xEF\xBB\xBF[Settings]\r\nKey=bom\r\n[Settings]\r\nKey=new\r\n"));

    // The module's own pattern: flags, numbers and texts, set and set again.
    std::vector<Op> many;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 8; ++i) {
            std::string n = std::to_string(i);
            many.push_back(Write("Flag" + n, (i + round) % 2 ? "1" : "0"));
            many.push_back(Write("Count" + n, std::to_string(1000 * round - 37 * i)));
            many.push_back(Write("Text" + n, "Call W" + n + "XYZ; round " + std::to_string(round)));
        }
        many.push_back(WriteIn("Other", "Round", std::to_string(round)));
    }
    for (int i = 0; i < 8; ++i) {
        std::string n = std::to_string(i);
        many.push_back(Read("Flag" + n));
        many.push_back(Read("Count" + n));
        many.push_back(Read("Text" + n));
    }
    many.push_back(ReadIn("Other", "Round"));
    all.push_back(Make("many-writes", Start::kNoFile, "", std::move(many)));
    return all;
}

std::string Escape(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c >= 0x7f || c == '\\' || c == '"') {
            char hex[8];
            std::snprintf(hex, sizeof(hex), "\\x%02x", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return "\"" + out + "\"";
}

bool PutFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// The file's bytes, or "(no file)" when it does not exist.
std::string GetFile(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return "(no file)";
    std::string bytes;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0) bytes.append(buffer, n);
    std::fclose(f);
    return Escape(bytes);
}

std::string ApiRead(const std::string& path, const Op& op) {
    std::vector<char> buffer(op.bufferSize + 1, '\0');
    DWORD n = GetPrivateProfileStringA(op.section.c_str(), op.key.c_str(), op.value.c_str(),
                                       buffer.data(), static_cast<DWORD>(op.bufferSize),
                                       path.c_str());
    return std::string(buffer.data(), n);
}

std::string Describe(const Op& op) {
    std::string what = op.write ? "write " : "read ";
    what += op.section + "/" + op.key;
    if (op.write) what += "=" + Escape(op.value);
    if (!op.write && op.bufferSize != kModuleBuffer) {
        what += " size " + std::to_string(op.bufferSize);
    }
    return what;
}

// Runs one scenario; returns false with the differences in *failures, and
// fills *notes with the comparisons with Wine that were skipped.
bool Run(const Scenario& s, std::vector<std::string>* failures, std::vector<std::string>* notes) {
    const std::string dir = std::string(kScratch) + "\\" + s.name;
    const std::string plugins = dir + "\\Plugins";
    const std::string apiPath = plugins + "\\" + s.name + "-api.ini";
    const std::string iniPath = plugins + "\\" + s.name + "-ini.ini";
    CreateDirectoryA(dir.c_str(), nullptr);
    if (s.start != Start::kNoFolder) CreateDirectoryA(plugins.c_str(), nullptr);
    if (s.start == Start::kContent &&
        (!PutFile(apiPath, s.content) || !PutFile(iniPath, s.content))) {
        failures->push_back("cannot create the initial files");
        return false;
    }

    for (const Op& op : s.ops) {
        if (op.write) {
            bool api = WritePrivateProfileStringA(op.section.c_str(), op.key.c_str(),
                                                  op.value.c_str(), apiPath.c_str()) != 0;
            bool ini = IniWriteString(iniPath, op.section, op.key, op.value);
            if (api != ini) {
                failures->push_back(Describe(op) + ": system " + (api ? "true" : "false") +
                                    ", module " + (ini ? "true" : "false"));
            }
            continue;
        }
        std::string api = ApiRead(apiPath, op);
        std::string ini = IniReadString(iniPath, op.section, op.key, op.value, op.bufferSize);
        if (op.reason) {
            notes->push_back(Describe(op) + ": Wine " + Escape(api) + " not compared (" +
                             op.reason + ")");
            if (ini != op.windowsValue) {
                failures->push_back(Describe(op) + ": Windows " + Escape(op.windowsValue) +
                                    ", module " + Escape(ini));
            }
        } else if (api != ini) {
            failures->push_back(Describe(op) + ": system " + Escape(api) + ", module " +
                                Escape(ini));
        }
    }

    // Any profile data the system still caches goes to disk first.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, apiPath.c_str());
    std::string api = GetFile(apiPath);
    std::string ini = GetFile(iniPath);
    if (s.bytesReason) {
        notes->push_back("file bytes: Wine " + api + " not compared (" + s.bytesReason + ")");
        if (ini != Escape(s.windowsBytes)) {
            failures->push_back("file bytes: Windows " + Escape(s.windowsBytes) + ", module " +
                                ini);
        }
    } else if (api != ini) {
        failures->push_back("file bytes: system " + api + ", module " + ini);
    }
    if (s.start == Start::kNoFolder &&
        GetFileAttributesA(plugins.c_str()) != INVALID_FILE_ATTRIBUTES) {
        failures->push_back("the missing Plugins folder was created");
    }
    return failures->empty();
}

}  // namespace

int main() {
    std::error_code ignored;
    std::filesystem::remove_all(kScratch, ignored);
    if (!CreateDirectoryA(kScratch, nullptr)) {
        std::printf("profile_wine: cannot create %s\n", kScratch);
        return 1;
    }
    int passed = 0;
    int failed = 0;
    for (const Scenario& s : Scenarios()) {
        std::vector<std::string> failures;
        std::vector<std::string> notes;
        bool ok = Run(s, &failures, &notes);
        std::printf("%s %s\n", ok ? "PASS" : "FAIL", s.name.c_str());
        for (const std::string& note : notes) std::printf("    skipped: %s\n", note.c_str());
        for (const std::string& failure : failures) std::printf("    %s\n", failure.c_str());
        (ok ? passed : failed) += 1;
    }
    std::filesystem::remove_all(kScratch, ignored);
    std::printf("profile_wine: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
