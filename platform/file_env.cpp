#include "platform/file_env.h"

#include <atomic>

namespace {
std::atomic<FileEnv*> g_testEnv{nullptr};
}  // namespace

FileEnv* CurrentFileEnv() {
    FileEnv* env = g_testEnv.load();
    return env ? env : DefaultFileEnv();
}

void SetFileEnvForTesting(FileEnv* env) { g_testEnv.store(env); }

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    FileEnv* env = CurrentFileEnv();
    // A read-only file stays read-only: replacing it by rename would
    // otherwise succeed where writing it in place fails.
    if (path.empty() || !env->MayReplace(path)) return false;
    const std::string temp = path + ".tmp";
    std::unique_ptr<WritableFile> file = env->NewWritableFile(temp);
    if (!file) return false;
    bool ok = file->Append(bytes.data(), bytes.size()) && file->Sync();
    ok = file->Close() && ok;
    if (ok) ok = env->ReplaceFile(temp, path);
    if (!ok) env->RemoveFile(temp);
    return ok;
}
