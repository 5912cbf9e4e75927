#include "platform/CatalogReplacement.h"

#include "platform/FileError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary file, removed unless it became the catalogue.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& catalogue) : path_(catalogue + ".XXXXXX")
    {
        fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
        if (fd_ < 0)
            path_.clear();
    }
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    // Closes the file; false (errno set) when its last writes failed.
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void Kept() { path_.clear(); }

private:
    std::string path_;
    int fd_ = -1;
};

} // namespace

void ReplaceCatalogContents(const CatalogFile& locked, std::string_view bytes)
{
    const std::string& name = locked.name();
    const auto fail = [&name](int error) { throw FileError(FileError::CauseFromErrno(error), name); };

    TemporaryFile temporary(name);
    if (temporary.fd() < 0)
        fail(errno);
    // The new file keeps the permissions of the catalogue it replaces.
    struct stat status {};
    if (::stat(name.c_str(), &status) == 0)
        ::fchmod(temporary.fd(), status.st_mode & 07777);

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(temporary.fd(), bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            fail(errno);
        if (put == 0)
            throw FileError(FileError::Cause::DiskFull, name);
        done += static_cast<std::size_t>(put);
    }
    if (::fsync(temporary.fd()) != 0)
        fail(errno);
    if (!temporary.Close())
        fail(errno);
    if (::rename(temporary.path().c_str(), name.c_str()) != 0)
        fail(errno);
    temporary.Kept();

    // The new name reaches the disk with its folder.
    const std::string folder = std::filesystem::path(name).parent_path().string();
    const int directory = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
}
