#include "platform/text_file.h"

#include "platform/file_env.h"

bool ReadTextLines(const std::string& path, std::vector<std::string>* lines) {
    lines->clear();
    std::FILE* f = std::fopen(NativePath(path).c_str(), "rb");
    if (!f) return false;
    std::string bytes;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    std::fclose(f);
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        const std::size_t lf = bytes.find('\n', begin);
        if (lf == std::string::npos) {
            lines->push_back(bytes.substr(begin));
            break;
        }
        std::size_t end = lf;
        if (end > begin && bytes[end - 1] == '\r') --end;
        lines->emplace_back(bytes, begin, end - begin);
        begin = lf + 1;
    }
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
