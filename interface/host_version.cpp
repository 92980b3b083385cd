#include "interface/host_version.h"

#include <vector>

#include "platform/text_file.h"

std::string LookUpHostVersion(const std::string& pathPrefix, const std::string& current) {
    static const char kHostIni[] = "Harlo2.ini";
    static const char kKey[] = "Harlo=";
    bool found = false;
    for (const std::string& name : FindFileNames(pathPrefix + "*.ini")) {
        if (name.find(kHostIni) != std::string::npos) {
            found = true;
            break;
        }
    }
    if (!found) return "Harlo";
    // The match only tells that the host is installed; the file read is the
    // one in the current directory, which is where the host keeps it.
    std::vector<std::string> lines;
    if (!ReadTextLines(kHostIni, &lines)) return current;
    for (const std::string& line : lines) {
        if (line.find(kKey) != std::string::npos) {
            const std::size_t keyLength = sizeof(kKey) - 1;
            return line.size() > keyLength ? line.substr(keyLength) : std::string();
        }
    }
    return current;
}
