#include "platform/CatalogFile.h"

#include "platform/FileError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

CatalogFile::CatalogFile(std::string name, Mode mode) : name_(std::move(name))
{
    // O_NONBLOCK: a pipe or a device put in the catalogue's place must be
    // refused, not waited for; a regular file never blocks anyway.
    int flags = O_CLOEXEC | O_NONBLOCK;
    switch (mode) {
    case Mode::Read: flags |= O_RDONLY; break;
    case Mode::WriteExisting: flags |= O_WRONLY; break;
    case Mode::ReadWrite: flags |= O_RDWR; break;
    }
    do {
        fd_ = ::open(name_.c_str(), flags);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0)
        Fail(errno);

    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool folder = S_ISDIR(status.st_mode);
        ::close(fd_);
        fd_ = -1;
        throw FileError(folder ? FileError::Cause::AccessDenied : FileError::Cause::NotRegularFile, name_);
    }
    // flock locks belong to the open file description, so two opens in this
    // process exclude each other just as two programs do.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        throw FileError(error == EWOULDBLOCK ? FileError::Cause::SharingViolation
                                              : FileError::CauseFromErrno(error),
                        name_);
    }
}

CatalogFile::~CatalogFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

CatalogFile::CatalogFile(CatalogFile&& other) noexcept
    : name_(std::move(other.name_)), fd_(std::exchange(other.fd_, -1))
{
}

CatalogFile& CatalogFile::operator=(CatalogFile&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        name_ = std::move(other.name_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void CatalogFile::Fail(int error) const
{
    throw FileError(FileError::CauseFromErrno(error), name_);
}

void CatalogFile::Seek(std::int64_t offset)
{
    if (offset < 0)
        throw FileError(FileError::Cause::BadSeek, name_);
    if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0)
        throw FileError(FileError::Cause::BadSeek, name_);
}

void CatalogFile::SeekToEnd()
{
    if (::lseek(fd_, 0, SEEK_END) < 0)
        throw FileError(FileError::Cause::BadSeek, name_);
}

std::size_t CatalogFile::Read(void* buffer, std::size_t count)
{
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(fd_, bytes + done, count - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void CatalogFile::Write(const void* buffer, std::size_t count)
{
    const auto* bytes = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(fd_, bytes + done, count - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        if (put == 0)
            throw FileError(FileError::Cause::DiskFull, name_);
        done += static_cast<std::size_t>(put);
    }
}

std::int64_t CatalogFile::Length() const
{
    struct stat status {};
    if (::fstat(fd_, &status) != 0)
        Fail(errno);
    return static_cast<std::int64_t>(status.st_size);
}

void CatalogFile::SetLength(std::int64_t length)
{
    if (length < 0)
        throw FileError(FileError::Cause::BadSeek, name_);
    if (::ftruncate(fd_, static_cast<off_t>(length)) != 0)
        Fail(errno);
}
