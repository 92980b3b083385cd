#include "platform/text_file.h"

#include "platform/file_env.h"

bool ReadTextLines(const std::string& path, std::vector<std::string>* lines) {
    lines->clear();
    std::FILE* f = std::fopen(NativePath(path).c_str(), "rb");
    if (!f) return false;
    std::string line;
    bool pending = false;
    int c;
    while ((c = std::fgetc(f)) != EOF) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines->push_back(line);
            line.clear();
            pending = false;
        } else {
            line.push_back(static_cast<char>(c));
            pending = true;
        }
    }
    if (pending) lines->push_back(line);
    std::fclose(f);
    return true;
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return WriteFileAtomically(NativePath(path), bytes);
}

AppendFile::AppendFile(const std::string& path) {
    if (!path.empty()) file_ = std::fopen(NativePath(path).c_str(), "ab");
}

AppendFile::~AppendFile() {
    if (file_) std::fclose(file_);
}

void AppendFile::WriteLine(const std::string& line) {
    if (!file_) return;
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fwrite("\r\n", 1, 2, file_);
    std::fflush(file_);
}
