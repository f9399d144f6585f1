#include "text/StrovikText.h"

#include <QFont>
#include <QImage>
#include <QUrl>

CStrovikText::CStrovikText(QObject* parent) : QTextDocument(parent) {
    setDefaultFont(QFont("Times New Roman", 12));
}

QByteArray CStrovikText::toSvk() const {
    const QByteArray html = toHtml().toUtf8();
    return QByteArray::fromStdString(markAsSvk(std::string_view(html.data(), html.size())));
}

SvkProblem CStrovikText::readSvk(std::string_view content) {
    const SvkProblem problem = checkSvk(content);
    if (problem != SvkProblem::None)
        return problem;
    setHtml(QString::fromUtf8(content.data(), static_cast<qsizetype>(content.size())));
    // Some HTML (text right after a table) reads into a document that reads
    // back from its own HTML with one more paragraph; read once more, the text
    // shown is the text that a save brings back.
    setHtml(toHtml());
    clearUndoRedoStacks();
    setModified(false);
    return SvkProblem::None;
}

// Images are decoded once and kept. Any other name gets an empty answer that
// is not null, which stops the base class from looking in the file system.
QVariant CStrovikText::loadResource(int type, const QUrl& name) {
    const QString uri = name.toString();
    const qsizetype comma = uri.indexOf(',');
    if (type == ImageResource && name.scheme().compare("data", Qt::CaseInsensitive) == 0 &&
        comma > 0 && uri.left(comma).endsWith(";base64", Qt::CaseInsensitive)) {
        const QImage image =
            QImage::fromData(QByteArray::fromBase64(uri.mid(comma + 1).toLatin1()));
        if (!image.isNull()) {
            addResource(type, name, image);
            return image;
        }
    }
    return QByteArray();
}
