#include <windows.h>

#include "platform/file_env.h"

namespace {

class WinWritableFile : public WritableFile {
public:
    explicit WinWritableFile(HANDLE file) : file_(file) {}
    ~WinWritableFile() override {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    }
    bool Append(const char* data, std::size_t n) override {
        while (n > 0) {
            const DWORD chunk = n > 0x10000000 ? 0x10000000 : static_cast<DWORD>(n);
            DWORD done = 0;
            if (!WriteFile(file_, data, chunk, &done, nullptr) || done == 0) return false;
            data += done;
            n -= done;
        }
        return true;
    }
    bool Sync() override { return FlushFileBuffers(file_) != 0; }
    bool Close() override {
        HANDLE file = file_;
        file_ = INVALID_HANDLE_VALUE;
        return CloseHandle(file) != 0;
    }

private:
    HANDLE file_;
};

class WinFileEnv : public FileEnv {
public:
    std::unique_ptr<WritableFile> NewWritableFile(const std::string& path) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return nullptr;
        return std::make_unique<WinWritableFile>(file);
    }
    bool ReplaceFile(const std::string& from, const std::string& to) override {
        return MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    bool RemoveFile(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }
    bool MayReplace(const std::string& path) override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const DWORD error = GetLastError();
            return error == ERROR_FILE_NOT_FOUND;
        }
        return (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
    }
};

}  // namespace

FileEnv* DefaultFileEnv() {
    static WinFileEnv env;
    return &env;
}
