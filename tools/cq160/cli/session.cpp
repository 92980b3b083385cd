#include "tools/cq160/cli/session.h"

#include "tools/cq160/host/module_place.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"

std::string Absolute(const std::string& path) { return path.empty() ? path : AbsolutePath(path); }

// A batch log's working folder below outBase: the call's (FolderNameFor),
// or, when an earlier log of the batch has that one, the call's and the log
// file's name ("W3ABC_W3ABC_adi"), then a number; never one used before in
// the batch, in any letter case (the same folder on Windows).
std::string BatchFolderName(Session* s, const std::string& call, const std::string& logPath) {
    std::string name = FolderNameFor(call);
    if (s->folderNames.count(UpperAscii(name))) {
        std::string file;
        for (char c : BaseName(logPath)) {
            const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                              (c >= '0' && c <= '9') || c == '-';
            file += kept ? c : '_';
            if (file.size() == 64) break;
        }
        const std::string stem = name + "_" + file;
        name = stem;
        for (int n = 2; s->folderNames.count(UpperAscii(name)); ++n)
            name = stem + "_" + std::to_string(n);
    }
    s->folderNames.insert(UpperAscii(name));
    return name;
}

bool LoadModuleOnce(Session* s, std::string* error) {
    if (s->loaded) return true;
    if (!LoadModule(s->modulePath, &s->api, error)) return false;
    s->loaded = true;
    return true;
}
