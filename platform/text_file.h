// Whole-file and append access to the module's text files (the bad-QSO
// report, the host's settings file). Files are opened in binary mode and
// line ends are written as CR LF explicitly, so that every build writes the
// same bytes. Paths are relative to the current directory; a backslash
// separates folders on every platform. Not thread-safe per file: callers
// serialise access to one file themselves.
#ifndef STATS_PLATFORM_TEXT_FILE_H_
#define STATS_PLATFORM_TEXT_FILE_H_

#include <cstdio>
#include <string>
#include <vector>

// Splits the file into lines the way a text-mode reader sees them: a line
// ends at LF, and a CR right before that LF belongs to the line end. A last
// line without a line end is kept. Returns false when the file cannot be
// opened.
bool ReadTextLines(const std::string& path, std::vector<std::string>* lines);

// Writes the file anew, each line followed by CR LF, whole or not at all
// (WriteFileAtomically): on false the old file is as it was.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

// A file opened for appending (created when absent), written line by line
// and flushed after each line. A file that cannot be opened swallows the
// lines; the caller need not check.
class AppendFile {
public:
    explicit AppendFile(const std::string& path);
    ~AppendFile();
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    void WriteLine(const std::string& line);

private:
    std::FILE* file_ = nullptr;
};

// The name as the platform's file functions take it: on Windows unchanged,
// elsewhere with each backslash turned into a slash.
std::string NativePath(const std::string& path);

// Names (without folder) of the files that match a Windows wildcard pattern
// such as "C:\Harlo\*.ini" or "*.ini", in the order the system returns them
// (FindFirstFileA / FindNextFileA on Windows, directory order elsewhere,
// with the case-insensitive matching of Windows).
std::vector<std::string> FindFileNames(const std::string& pattern);

#endif  // STATS_PLATFORM_TEXT_FILE_H_
