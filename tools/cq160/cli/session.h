// What is the same for every log of a score, export or check command:
// the options, the module (loaded once) and where the working folders go.
#ifndef CQ160_SESSION_H_
#define CQ160_SESSION_H_

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tools/cq160/cli/options.h"
#include "tools/cq160/host/host_windows.h"
#include "tools/cq160/host/module_loader.h"

// What is the same for every log of a command: the module and the paths the
// user gave, made absolute (cq160 moves into each log's working folder).
struct Session {
    Options given;    // as the user wrote them, for messages
    Options options;  // the same with absolute paths
    ModuleApi api;
    bool loaded = false;
    std::string modulePath;
    std::string outBase;  // where the logs' working folders go, absolute
    std::vector<std::string> inputs;       // every file the run reads, absolute
    std::set<std::string> folderNames;     // a batch's working folders so far, upper case
    // check --windows: the host's part while the module's windows are up,
    // from before the reset until they are closed after the report.
    std::unique_ptr<WindowedHost> windows;
};

// A path the user gave, made absolute (empty stays empty).
std::string Absolute(const std::string& path);

// A batch log's working folder below outBase: the call's (FolderNameFor),
// or, when an earlier log of the batch has that one, the call's and the log
// file's name ("W3ABC_W3ABC_adi"), then a number; never one used before in
// the batch, in any letter case (the same folder on Windows).
std::string BatchFolderName(Session* s, const std::string& call, const std::string& logPath);

// Loads the module at s->modulePath unless it is loaded already.
bool LoadModuleOnce(Session* s, std::string* error);

#endif  // CQ160_SESSION_H_
