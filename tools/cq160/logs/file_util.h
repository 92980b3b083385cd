// The few file system operations cq160 needs, on std::filesystem and the
// platform's calls, reporting failure by return value (no exceptions).
#ifndef CQ160_FILE_UTIL_H_
#define CQ160_FILE_UTIL_H_

#include <cstddef>
#include <string>
#include <vector>

// The most cq160 reads of one input file (a log, a country file, a
// settings file): far above the largest real log (well under 1 MB) or
// country file (a few hundred kB), low enough that /dev/zero or a wrong
// file is refused at once instead of filling the memory.
constexpr std::size_t kMaxInputBytes = 64u << 20;
extern const char kMaxInputText[];  // "64 MB"

// Reads a whole file as bytes, at most kMaxInputBytes of it. False when it
// cannot be read or is larger; *tooLarge (when given) tells which.
bool ReadWholeFile(const std::string& path, std::string* text, bool* tooLarge = nullptr);
// Writes a whole file as bytes.
bool WriteWholeFile(const std::string& path, const std::string& text);

bool FileExists(const std::string& path);
// True when both paths name one existing file, also through another
// spelling, a link or (Windows) another letter case.
bool SameFile(const std::string& a, const std::string& b);
bool FolderExists(const std::string& path);

// The day (UTC) the file was last written, as "yyyy-mm-dd"; empty when it
// cannot be found out.
std::string FileModifiedDate(const std::string& path);

// Creates the folder and every missing folder above it.
bool MakeFolders(const std::string& path, std::string* error);

// Makes path the current directory.
bool EnterFolder(const std::string& path, std::string* error);

// The path from the root, so that it still names the same file after the
// current directory changes. Unchanged when that cannot be found out.
std::string AbsolutePath(const std::string& path);

// The folder of the running program, or empty when unknown.
std::string ExecutableFolder();

// The names of the files in a folder, sorted; empty when it cannot be read.
std::vector<std::string> FileNamesIn(const std::string& folder);

// "a/b" for "a/b/c"; empty at the root.
std::string ParentFolder(const std::string& path);

// folder + "/" + name; name alone for an empty folder.
std::string JoinPath(const std::string& folder, const std::string& name);

// The last part of a path ("log.cbr" for "examples/cw/log.cbr").
std::string BaseName(const std::string& path);

#endif  // CQ160_FILE_UTIL_H_
