#include "platform/profile.h"

#include <mutex>

namespace {

// Every settings write of the process, whichever thread makes it (the host
// thread's "Claimed" and Cabrillo keys, the UI thread's window keys), goes
// through here one at a time. Held only for the one write: no dialog, no
// call to the host and no other lock is ever taken inside it.
std::mutex g_profileWriteLock;

}  // namespace

std::string SingleLineValue(const std::string& value) {
    std::string line;
    line.reserve(value.size());
    for (char c : value) {
        if (c != '\r' && c != '\n' && c != '\0') line += c;
    }
    return line;
}

bool ProfileWriteString(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value) {
    const std::string line = SingleLineValue(value);
    std::lock_guard<std::mutex> lock(g_profileWriteLock);
    return PlatformProfileWrite(path, section, key, line);
}
