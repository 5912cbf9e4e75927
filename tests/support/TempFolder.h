#pragma once
// A fresh temporary folder that becomes the working directory for the life of
// the object (the catalogues are opened by their bare names), then is removed
// and the previous working directory restored.

#include <filesystem>
#include <string>
#include <string_view>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes `bytes` to `name` in the folder (replacing it) and returns its path.
    std::filesystem::path Write(const std::string& name, std::string_view bytes) const;
    std::string Read(const std::string& name) const;
    // Copies one of the sample catalogues of data/ into the folder.
    void CopySample(const std::string& name) const;
    // The three of them.
    void CopySamples() const;

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
