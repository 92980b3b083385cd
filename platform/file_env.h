// The file operations under the module's whole-file writes, behind one
// interface with one body per platform (file_env_posix.cpp,
// file_env_win.cpp), so that tests can make a write fail at a chosen byte
// or refuse a rename without filling a real disk.
//
// Paths are the platform's own names (see NativePath in text_file.h).
// The default environment keeps no state and may be used from any thread;
// SetFileEnvForTesting must not race with writes.
#ifndef STATS_PLATFORM_FILE_ENV_H_
#define STATS_PLATFORM_FILE_ENV_H_

#include <cstddef>
#include <memory>
#include <string>

// A file being written. Each call reports failure by its result; after a
// failure the caller closes the file and throws it away.
class WritableFile {
public:
    virtual ~WritableFile() = default;
    // Writes all n bytes, or returns false.
    virtual bool Append(const char* data, std::size_t n) = 0;
    // Pushes what was written to the storage device.
    virtual bool Sync() = 0;
    // False when the last bytes could not be written. Called once.
    virtual bool Close() = 0;
};

class FileEnv {
public:
    virtual ~FileEnv() = default;
    // Creates or truncates the file, binary. Null when it cannot be created.
    virtual std::unique_ptr<WritableFile> NewWritableFile(const std::string& path) = 0;
    // Puts the file from in the place of to in one step, replacing to when
    // it exists (rename(2); MoveFileExA with MOVEFILE_REPLACE_EXISTING). A
    // replaced file's permissions carry over where the system has them.
    virtual bool ReplaceFile(const std::string& from, const std::string& to) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // False when something exists at path that could not be opened for
    // writing in place (a read-only file, a folder); true when nothing is
    // there or a writable file is. No byte is changed.
    virtual bool MayReplace(const std::string& path) = 0;
};

// The platform's environment.
FileEnv* DefaultFileEnv();

// The environment whole-file writes go through: the default, or the one a
// test installed. Null restores the default.
FileEnv* CurrentFileEnv();
void SetFileEnvForTesting(FileEnv* env);

// Writes the whole file or nothing: the bytes go to path + ".tmp" in the
// same folder, which then replaces path in one step. On any failure the
// old file at path stays as it was, the temporary file is removed, and the
// result is false. Writes of one path must not overlap (they share the
// temporary name); callers serialise them.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

#endif  // STATS_PLATFORM_FILE_ENV_H_
