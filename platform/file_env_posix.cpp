#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/file_env.h"

namespace {

class PosixWritableFile : public WritableFile {
public:
    explicit PosixWritableFile(int fd) : fd_(fd) {}
    ~PosixWritableFile() override {
        if (fd_ >= 0) ::close(fd_);
    }
    bool Append(const char* data, std::size_t n) override {
        while (n > 0) {
            const ssize_t done = ::write(fd_, data, n);
            if (done < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            data += done;
            n -= static_cast<std::size_t>(done);
        }
        return true;
    }
    bool Sync() override { return ::fsync(fd_) == 0; }
    bool Close() override {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

class PosixFileEnv : public FileEnv {
public:
    std::unique_ptr<WritableFile> NewWritableFile(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) return nullptr;
        return std::make_unique<PosixWritableFile>(fd);
    }
    bool ReplaceFile(const std::string& from, const std::string& to) override {
        struct stat old;
        if (::stat(to.c_str(), &old) == 0) ::chmod(from.c_str(), old.st_mode & 07777);
        return std::rename(from.c_str(), to.c_str()) == 0;
    }
    bool RemoveFile(const std::string& path) override { return ::unlink(path.c_str()) == 0; }
    bool MayReplace(const std::string& path) override {
        // Opening without O_CREAT or O_TRUNC asks exactly what an in-place
        // write would ask, and changes nothing.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
        return errno == ENOENT;
    }
};

}  // namespace

FileEnv* DefaultFileEnv() {
    static PosixFileEnv env;
    return &env;
}
