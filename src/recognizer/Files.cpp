#include "recognizer/Files.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string reason(int error) {
    switch (error) {
    case ENOENT:
        return "il n'existe pas";
    case EACCES:
    case EPERM:
    case EROFS:
        return "accès refusé";
    case ENOSPC:
    case EDQUOT:
        return "le disque est plein";
    case EFBIG:
        return "le fichier dépasse la taille permise";
    case EISDIR:
        return "c'est un dossier";
    case ENOTDIR:
        return "un élément du chemin n'est pas un dossier";
    case ENAMETOOLONG:
        return "le nom est trop long";
    case 0:
        return "erreur d'entrée-sortie";
    default:
        return "erreur du système n° " + std::to_string(error);
    }
}

FileResult failure(const std::string& what, const std::string& path, int error) {
    return {false, what + " " + path + " : " + reason(error) + "."};
}

// The mode a newly created file gets: what the process's umask leaves of rw-rw-rw-.
mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Writes all of `content` to `fd`, resuming after interruptions; 0 or errno.
int writeAll(int fd, const std::string& content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

// Makes the folder's entry for a renamed file survive a power cut.
void syncFolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

FileResult readWholeFile(const std::string& path, std::string& content, std::size_t maxBytes) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return failure("Impossible d'ouvrir le fichier", path, EISDIR);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return failure("Impossible d'ouvrir le fichier", path, errno);
    content.clear();
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const auto n = static_cast<std::size_t>(in.gcount());
        if (content.size() + n > maxBytes)
            return {false, "Le fichier " + path + " est trop volumineux."};
        content.append(buffer, n);
    }
    if (in.bad())
        return failure("Impossible de lire le fichier", path, errno);
    return {true, {}};
}

FileResult writeFileAtomically(const std::string& path, const std::string& content) {
    std::string temporary = path + ".tmp-XXXXXX";
    errno = 0;
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return failure("Impossible d'écrire le fichier", path, errno);

    // mkostemp makes the file private; it takes the old file's mode, or a new file's.
    struct stat existing {};
    const mode_t mode =
        ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : newFileMode();
    int error = writeAll(fd, content);
    if (error == 0 && ::fchmod(fd, mode) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure("Impossible d'écrire le fichier", path, error);
    }
    syncFolderOf(path);
    return {true, {}};
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    return static_cast<bool>(in);
}
