#include "platform/FileError.h"

#include "platform/Messages.h"

#include <cerrno>

namespace {

const char* Pattern(FileError::Cause cause)
{
    using C = FileError::Cause;
    switch (cause) {
    case C::FileNotFound: return "Impossible de trouver %1.";
    case C::BadPath: return "%1 contient un chemin d'accès incorrect.";
    case C::TooManyOpenFiles: return "Impossible d'ouvrir %1 : trop de fichiers sont ouverts.";
    case C::AccessDenied: return "L'accès à %1 a été refusé.";
    case C::BadSeek: return "Une erreur s'est produite lors du positionnement dans %1.";
    case C::HardIO: return "Une erreur matérielle s'est produite lors de l'accès à %1.";
    case C::SharingViolation: return "Une violation de partage s'est produite lors de l'accès à %1.";
    case C::DiskFull: return "Disque plein lors de l'accès à %1.";
    case C::EndOfFile: return "Tentative d'accès au-delà de la fin de %1.";
    case C::NotRegularFile: return "%1 n'est pas un fichier ordinaire : Qav ne peut pas l'utiliser.";
    case C::Damaged: return "%1 est endommagé.";
    case C::Generic: break;
    }
    return "Une erreur inattendue s'est produite lors de l'accès à %1.";
}

} // namespace

FileError::FileError(Cause cause, std::string fileName)
    : std::runtime_error(FileErrorText(cause, fileName)), cause_(cause), fileName_(std::move(fileName))
{
}

FileError::FileError(std::string fileName, std::string text)
    : std::runtime_error(std::move(text)), cause_(Cause::Damaged), fileName_(std::move(fileName))
{
}

FileError::Cause FileError::CauseFromErrno(int error)
{
    switch (error) {
    case ENOENT: return Cause::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return Cause::BadPath;
    case EMFILE:
    case ENFILE: return Cause::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return Cause::AccessDenied;
    case EWOULDBLOCK: return Cause::SharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Cause::DiskFull;
    case ESPIPE:
    case EINVAL: return Cause::BadSeek;
    case EIO: return Cause::HardIO;
    case ENXIO: return Cause::NotRegularFile;  // a pipe without a writer, a device without its unit
    default: return Cause::Generic;
    }
}

std::string FileErrorText(FileError::Cause cause, const std::string& fileName)
{
    std::string text = Pattern(cause);
    const auto at = text.find("%1");
    text.replace(at, 2, fileName);
    return text;
}

void ReportFileError(const FileError& error)
{
    ShowMessage(MessageIcon::Stop, FileErrorText(error));
}
