#include "recognizer/Files.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

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

std::string temporaryNameFor(const std::string& path) {
    static std::mt19937_64 random{std::random_device{}()};
    return path + ".tmp-" + std::to_string(random() % 1'000'000'000);
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
    const std::string temporary = temporaryNameFor(path);
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out)
        return failure("Impossible d'écrire le fichier", path, errno);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    int error = out ? 0 : (errno ? errno : EIO);
    out.close();
    if (error == 0 && out.fail())
        error = errno ? errno : EIO;

    std::error_code ec;
    if (error == 0) {
        const fs::file_status existing = fs::status(path, ec);
        if (fs::exists(existing))
            fs::permissions(temporary, existing.permissions(), ec);
        fs::rename(temporary, path, ec);
        if (ec)
            error = ec.value();
    }
    if (error != 0) {
        fs::remove(temporary, ec);
        return failure("Impossible d'écrire le fichier", path, error);
    }
    return {true, {}};
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    return static_cast<bool>(in);
}
