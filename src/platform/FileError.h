#pragma once
// A catalogue or document file that cannot be opened, sought, read or written.
// Thrown by CatalogFile; the command that started the action catches it and
// shows FileErrorText, the French standard message naming the file.

#include <stdexcept>
#include <string>

class FileError : public std::runtime_error {
public:
    enum class Cause {
        Generic,
        FileNotFound,
        BadPath,
        TooManyOpenFiles,
        AccessDenied,
        BadSeek,
        HardIO,
        SharingViolation,
        DiskFull,
        EndOfFile,
        NotRegularFile,  // a pipe, a device, a socket: opening or reading it could block
        Damaged,         // opened and read, but its contents cannot be used
    };

    FileError(Cause cause, std::string fileName);
    // A damaged file: `text` (UTF-8) says what is wrong, naming the file.
    FileError(std::string fileName, std::string text);

    Cause cause() const { return cause_; }
    const std::string& fileName() const { return fileName_; }

    // The cause an errno value from open, read, write, lseek or ftruncate stands for.
    static Cause CauseFromErrno(int error);

private:
    Cause cause_;
    std::string fileName_;
};

// "Impossible de trouver COMETS.WDB." and the like (UTF-8).
std::string FileErrorText(FileError::Cause cause, const std::string& fileName);
// The same, or the text of a damaged file.
inline std::string FileErrorText(const FileError& error)
{
    return error.cause() == FileError::Cause::Damaged ? error.what() : FileErrorText(error.cause(), error.fileName());
}

// Shows FileErrorText through the message seam, with the stop icon.
void ReportFileError(const FileError& error);
