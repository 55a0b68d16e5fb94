#pragma once

#include <filesystem>
#include <string>

namespace lindquay::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The folder, or a file in it, as a program text (GBK); `name` is UTF-8.
    std::string programPath(const std::string& name = {}) const;
    // A file in it as a host path; `name` is UTF-8.
    std::string hostPath(const std::string& name) const;

private:
    std::filesystem::path m_path;
};

// Writes a file with the given bytes, creating its folders.
void writeFile(const std::filesystem::path& path, const std::string& bytes);
std::string readFile(const std::filesystem::path& path);

} // namespace lindquay::test
