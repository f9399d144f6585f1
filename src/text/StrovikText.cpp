#include "text/StrovikText.h"

#include <QCryptographicHash>
#include <QFont>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <QUrl>

#include <algorithm>
#include <vector>

namespace {

const QString kDataImage = QStringLiteral("data:image/");
const QString kBase64 = QStringLiteral(";base64,");
// A picture's name: this scheme and the SHA-1 of its bytes, in hexadecimal.
const QString kPictureScheme = QStringLiteral("strovik-image:");
const qsizetype kPictureNameLength = kPictureScheme.size() + 40;
// How the text's HTML refers to a picture.
const QString kPictureSource = "src=\"" + kPictureScheme;

bool isBase64(QChar c) {
    return (c.unicode() < 128 && c.isLetterOrNumber()) || c == '+' || c == '/' || c == '=';
}

bool isMediaType(QChar c) {
    return (c.unicode() < 128 && c.isLetterOrNumber()) || c == '+' || c == '.' || c == '-';
}

struct Pin {
    int from;
    int to;
    QTextCharFormat format;
};

// Where a list item sets a font property that its text leaves to the default:
// the default, for that text.
std::vector<Pin> listItemPins(const QTextDocument& document) {
    const QFont base = document.defaultFont();
    std::vector<Pin> pins;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.textList() == nullptr)
            continue;
        const QTextCharFormat item = block.charFormat();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat own = it.fragment().charFormat();
            const auto leftToDefault = [&](int property) {
                return item.hasProperty(property) && !own.hasProperty(property);
            };
            QTextCharFormat pin;
            if (leftToDefault(QTextFormat::FontWeight))
                pin.setFontWeight(base.weight());
            if (leftToDefault(QTextFormat::FontItalic))
                pin.setFontItalic(base.italic());
            if (leftToDefault(QTextFormat::TextUnderlineStyle))
                pin.setFontUnderline(false);
            if (leftToDefault(QTextFormat::FontFamilies))
                pin.setFontFamilies(QStringList{base.family()});
            if (leftToDefault(QTextFormat::FontPointSize))
                pin.setFontPointSize(base.pointSizeF());
            if (!pin.properties().isEmpty())
                pins.push_back({it.fragment().position(),
                                it.fragment().position() + it.fragment().length(), pin});
        }
    }
    return pins;
}

} // namespace

CStrovikText::CStrovikText(QObject* parent) : QTextDocument(parent) {
    setDefaultFont(QFont("Times New Roman", 12));
}

QByteArray CStrovikText::toSvk() const {
    const QByteArray html = withDataUris(htmlForFile()).toUtf8();
    return QByteArray::fromStdString(markAsSvk(std::string_view(html.data(), html.size())));
}

// Qt writes a list item's own character format as the item's style, which its
// text inherits when read back. The text is read back here, the fonts that it
// leaves to the default are given the default outright, and it is written
// again; unless the reading changed the characters, and the pins would miss.
QString CStrovikText::htmlForFile() const {
    const QString html = toHtml();
    const std::vector<Pin> pins = listItemPins(*this);
    if (pins.empty())
        return html;
    CStrovikText reread;
    reread.setHtml(html);
    if (reread.toRawText() != toRawText())
        return html;
    QTextCursor cursor(&reread);
    for (const Pin& pin : pins) {
        cursor.setPosition(pin.from);
        cursor.setPosition(pin.to, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(pin.format);
    }
    return reread.toHtml();
}

SvkProblem CStrovikText::readSvk(std::string_view content) {
    const SvkProblem problem = checkSvk(content);
    if (problem != SvkProblem::None)
        return problem;
    setHtml(
        withShortNames(QString::fromUtf8(content.data(), static_cast<qsizetype>(content.size()))));
    // Some HTML (text right after a table) reads into a document that reads
    // back from its own file with one more paragraph; read once more, the text
    // shown is the text that a save brings back.
    setHtml(htmlForFile());
    dropAbsoluteAlignments(0, characterCount());
    clearUndoRedoStacks();
    setModified(false);
    return SvkProblem::None;
}

void CStrovikText::startAgain() {
    clear();
    m_pictures.clear();
    clearUndoRedoStacks();
    setModified(false);
}

// Qt reads a paragraph's align="right" as right whatever the writing direction.
// The editor never gives a paragraph that flag: kept, it would read back as
// another alignment, and the right-alignment button would not show it.
void CStrovikText::dropAbsoluteAlignments(int from, int to) {
    QTextCursor cursor(this);
    for (QTextBlock block = findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (!format.alignment().testFlag(Qt::AlignAbsolute))
            continue;
        format.setAlignment(format.alignment() & ~Qt::AlignAbsolute);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

QString CStrovikText::addPicture(const QByteArray& type, const QByteArray& bytes) {
    const QString name =
        kPictureScheme +
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
    m_pictures.insert(name, {type, bytes});
    return name;
}

QByteArray CStrovikText::pictureType(const QString& name) const {
    const auto found = m_pictures.constFind(name);
    return found == m_pictures.cend() ? QByteArray() : found->type;
}

QString CStrovikText::withDataUris(const QString& html) const {
    QString out;
    qsizetype done = 0;
    for (qsizetype at = html.indexOf(kPictureSource); at >= 0;
         at = html.indexOf(kPictureSource, at + 1)) {
        const qsizetype name = at + kPictureSource.size() - kPictureScheme.size();
        const auto found = m_pictures.constFind(html.mid(name, kPictureNameLength));
        if (found == m_pictures.cend())
            continue;
        out += QStringView(html).mid(done, name - done);
        out += kDataImage + QString::fromLatin1(found->type) + kBase64 +
               QString::fromLatin1(found->bytes.toBase64());
        done = name + kPictureNameLength;
    }
    if (done == 0)
        return html;
    out += QStringView(html).mid(done);
    return out;
}

// Data URIs that are not base64 of a picture stay as they are; the text
// shows nothing for them.
QString CStrovikText::withShortNames(const QString& html) {
    QString out;
    qsizetype done = 0;
    for (qsizetype at = html.indexOf(kDataImage, 0, Qt::CaseInsensitive); at >= 0;
         at = html.indexOf(kDataImage, std::max(at + 1, done), Qt::CaseInsensitive)) {
        qsizetype data = at + kDataImage.size();
        while (data < html.size() && isMediaType(html[data]))
            ++data;
        if (html.mid(data, kBase64.size()).compare(kBase64, Qt::CaseInsensitive) != 0)
            continue;
        const QString type = html.mid(at + kDataImage.size(), data - at - kDataImage.size());
        data += kBase64.size();
        qsizetype end = data;
        while (end < html.size() && isBase64(html[end]))
            ++end;
        const QByteArray::FromBase64Result bytes = QByteArray::fromBase64Encoding(
            html.mid(data, end - data).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!bytes || bytes.decoded.isEmpty())
            continue;
        out += QStringView(html).mid(done, at - done);
        out += addPicture(type.toLower().toLatin1(), bytes.decoded);
        done = end;
    }
    if (done == 0)
        return html;
    out += QStringView(html).mid(done);
    return out;
}

// A picture is decoded the first time it is shown, and kept, in a form that
// is painted without a conversion. Any other name gets an empty answer that is
// not null, which stops the base class from looking in the file system.
QVariant CStrovikText::loadResource(int type, const QUrl& name) {
    const auto found = m_pictures.constFind(name.toString());
    if (type == ImageResource && found != m_pictures.cend()) {
        QImage image = QImage::fromData(found->bytes);
        if (!image.isNull()) {
            image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                    : QImage::Format_RGB32);
            addResource(type, name, image);
            return image;
        }
    }
    return QByteArray();
}
