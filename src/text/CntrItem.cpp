#include "text/CntrItem.h"

#include "text/StrovikDoc.h"
#include "text/StrovikText.h"

#include <QBuffer>
#include <QImageReader>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace {

const QString kDataPrefix = QStringLiteral("data:image/");

void insertUri(QTextCursor& cursor, const QString& uri, const QImage& image) {
    cursor.document()->addResource(QTextDocument::ImageResource, QUrl(uri), image);
    QTextImageFormat format;
    format.setName(uri);
    cursor.insertImage(format);
}

QString dataUri(const QByteArray& type, const QByteArray& bytes) {
    return kDataPrefix + QString::fromLatin1(type) + ";base64," +
           QString::fromLatin1(bytes.toBase64());
}

} // namespace

CStrovikCntrItem::CStrovikCntrItem(CStrovikDoc& document, int position)
    : m_document(document), m_position(position) {}

std::optional<CStrovikCntrItem> CStrovikCntrItem::selectedIn(CStrovikDoc& document,
                                                             const QTextCursor& cursor) {
    if (cursor.selectionEnd() - cursor.selectionStart() != 1)
        return std::nullopt;
    QTextCursor probe(&document.text());
    probe.setPosition(cursor.selectionEnd());
    if (!probe.charFormat().isImageFormat())
        return std::nullopt;
    return CStrovikCntrItem(document, cursor.selectionStart());
}

bool CStrovikCntrItem::insertEncoded(QTextCursor& cursor, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QByteArray type = reader.format();
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    if (type == "png" || type == "jpeg" || type == "gif")
        insertUri(cursor, dataUri(type, bytes), image);
    else
        insertImage(cursor, image);
    return true;
}

void CStrovikCntrItem::insertImage(QTextCursor& cursor, const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    insertUri(cursor, dataUri("png", png), image);
}

QTextImageFormat CStrovikCntrItem::format() const {
    QTextCursor probe(&m_document.text());
    probe.setPosition(m_position + 1);
    return probe.charFormat().toImageFormat();
}

QImage CStrovikCntrItem::image() const {
    const QVariant resource =
        m_document.text().resource(QTextDocument::ImageResource, QUrl(format().name()));
    if (resource.userType() == QMetaType::QImage)
        return resource.value<QImage>();
    return QImage::fromData(resource.toByteArray());
}

QString CStrovikCntrItem::typeName() const {
    const QString name = format().name();
    if (!name.startsWith(kDataPrefix))
        return {};
    return name.mid(kDataPrefix.size(), name.indexOf(';') - kDataPrefix.size()).toUpper();
}

QSize CStrovikCntrItem::displaySize() const {
    const QTextImageFormat f = format();
    const QSize natural = naturalSize();
    return {f.hasProperty(QTextFormat::ImageWidth) ? qRound(f.width()) : natural.width(),
            f.hasProperty(QTextFormat::ImageHeight) ? qRound(f.height()) : natural.height()};
}

void CStrovikCntrItem::setDisplaySize(QSize size) {
    QTextCursor cursor(&m_document.text());
    cursor.setPosition(m_position);
    cursor.setPosition(m_position + 1, QTextCursor::KeepAnchor);
    QTextImageFormat f = format();
    f.setWidth(size.width());
    f.setHeight(size.height());
    cursor.setCharFormat(f);
}
