#include "text/CntrItem.h"

#include "text/StrovikDoc.h"
#include "text/StrovikText.h"

#include <QBuffer>
#include <QImageReader>
#include <QLocale>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace {

// The cursors given are on the text of a document.
CStrovikText& textOf(QTextCursor& cursor) {
    return static_cast<CStrovikText&>(*cursor.document());
}

void insertPicture(QTextCursor& cursor, const QString& name, QSize size, int maxWidth) {
    QTextImageFormat format;
    format.setName(name);
    if (maxWidth > 0 && size.width() > maxWidth) {
        format.setWidth(maxWidth);
        format.setHeight(qRound(double(size.height()) * maxWidth / size.width()));
    }
    cursor.insertImage(format);
}

// "0,3 mégapixel", "67,1 mégapixels", "400 mégapixels".
QString megapixels(double pixels) {
    const double millions = pixels / 1e6;
    QString number = QLocale(QLocale::French).toString(millions, 'f', 1);
    if (number.endsWith(",0"))
        number.chop(2);
    return number + (millions < 2 ? " mégapixel" : " mégapixels");
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

bool CStrovikCntrItem::insertEncoded(QTextCursor& cursor, const QByteArray& bytes, int maxWidth) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QByteArray type = reader.format();
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    if (type == "png" || type == "jpeg" || type == "gif")
        insertPicture(cursor, textOf(cursor).addPicture(type, bytes), image.size(), maxWidth);
    else
        insertImage(cursor, image, maxWidth);
    return true;
}

void CStrovikCntrItem::insertImage(QTextCursor& cursor, const QImage& image, int maxWidth) {
    insertPicture(cursor, textOf(cursor).addImage(image), image.size(), maxWidth);
}

// The decoder refuses pictures whose pixels would take more memory than its
// limit, before reading them.
QString CStrovikCntrItem::refusal(const QByteArray& bytes, const QString& fileName) {
    QBuffer buffer;
    buffer.setData(bytes);
    const QSize size = QImageReader(&buffer).size();
    const qint64 limitMb = QImageReader::allocationLimit();
    constexpr qint64 kBytesPerPixel = 4;
    if (size.isValid() && limitMb > 0 &&
        qint64(size.width()) * size.height() * kBytesPerPixel > (limitMb << 20))
        return QString("L'image %1 est trop grande : %2 x %3 pixels, soit %4. "
                       "Strovik lit des images d'au plus %5 (%6 Mo en mémoire).")
            .arg(fileName)
            .arg(size.width())
            .arg(size.height())
            .arg(megapixels(double(size.width()) * size.height()))
            .arg(megapixels(double(limitMb << 20) / kBytesPerPixel))
            .arg(limitMb);
    return "Le fichier " + fileName + " n'est pas une image que Strovik sait lire.";
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
    return QString::fromLatin1(m_document.text().pictureType(format().name())).toUpper();
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
