#include "shell/ShippedSetFiles.h"

#include "recognizer/Files.h"
#include "shell/Configuration.h"

#include <QDir>
#include <QFile>

namespace {

const QString kFolder = QStringLiteral(":/gestes/");

} // namespace

QStringList shippedSetNames() {
    return QDir(kFolder).entryList(QDir::Files);
}

QByteArray shippedSetContent(const QString& fileName) {
    QFile file(kFolder + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList installShippedSets(const Configuration& configuration) {
    QStringList errors;
    for (const QString& name : shippedSetNames()) {
        const std::string path = configuration.gestureSetPath(name.toStdString());
        if (fileExists(path))
            continue;
        const FileResult written = writeFileAtomically(path, shippedSetContent(name).toStdString());
        if (!written.ok)
            errors << QString::fromStdString(written.error);
    }
    return errors;
}
