#include "support/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempFolder::TempFolder() : previous_(std::filesystem::current_path())
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qav-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    std::filesystem::current_path(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::Write(const std::string& name, std::string_view bytes) const
{
    const auto file = path_ / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string TempFolder::Read(const std::string& name) const
{
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TempFolder::CopySample(const std::string& name) const
{
    std::filesystem::copy_file(std::filesystem::path(QAV_SAMPLE_DATA_DIR) / name, path_ / name,
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::permissions(path_ / name, std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

void TempFolder::CopySamples() const
{
    for (const char* name : {"COMETS.WDB", "SITES.NDB", "ASTERS.DTB"})
        CopySample(name);
}
