#pragma once
// One open catalogue file, exclusively: a second open of the same file, even in
// this process, fails with a sharing violation until this one is destroyed.
// Every failure throws FileError naming the file as it was given (the bare
// catalogue name). Only a regular file is opened: a folder, a pipe or a
// device is refused at once, without waiting on it. The file is closed on every path out of its owner's scope.

#include <cstddef>
#include <cstdint>
#include <string>

class CatalogFile {
public:
    enum class Mode {
        Read,           // reading only
        WriteExisting,  // writing, never created, never truncated
        ReadWrite,      // both, never created, never truncated
    };

    CatalogFile(std::string name, Mode mode);
    ~CatalogFile();
    CatalogFile(const CatalogFile&) = delete;
    CatalogFile& operator=(const CatalogFile&) = delete;
    CatalogFile(CatalogFile&& other) noexcept;
    CatalogFile& operator=(CatalogFile&& other) noexcept;

    // A negative offset fails with BadSeek without reaching the file.
    void Seek(std::int64_t offset);
    void SeekToEnd();
    // Reads up to `count` bytes; fewer at the end of the file is not an error.
    std::size_t Read(void* buffer, std::size_t count);
    // Writes all `count` bytes or throws (DiskFull when the disk is full).
    void Write(const void* buffer, std::size_t count);
    std::int64_t Length() const;
    void SetLength(std::int64_t length);

    const std::string& name() const { return name_; }

private:
    [[noreturn]] void Fail(int error) const;

    std::string name_;
    int fd_ = -1;
};
