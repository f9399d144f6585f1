#include "text/StrovikText.h"

#include <QBuffer>
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

// Pictures take megabytes of base64 in HTML: it is worked on as UTF-8 bytes,
// and the names and data URIs are searched as ASCII.
const QLatin1StringView kDataImage("data:image/");
const QLatin1StringView kBase64(";base64,");
// A picture's name: this scheme and the SHA-1 of its bytes, in hexadecimal.
const QLatin1StringView kPictureScheme("strovik-image:");
const qsizetype kPictureNameLength = kPictureScheme.size() + 40;
// How the text's HTML refers to a picture.
const QByteArray kPictureSource = "src=\"" + QByteArray(kPictureScheme.data());

bool isAsciiLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isBase64(char c) {
    return isAsciiLetterOrDigit(c) || c == '+' || c == '/' || c == '=';
}

bool isMediaType(char c) {
    return isAsciiLetterOrDigit(c) || c == '+' || c == '.' || c == '-';
}

qsizetype base64Size(qsizetype bytes) {
    return (bytes + 2) / 3 * 4;
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
    const QByteArray html = htmlForFile().toUtf8();
    return withDataUris(
        QByteArray::fromStdString(markAsSvk(std::string_view(html.data(), html.size()))),
        m_pictures);
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
    setHtml(withShortNames(QByteArrayView(content.data(), static_cast<qsizetype>(content.size()))));
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

QString CStrovikText::addImage(const QImage& image) {
    if (m_lastImage.first == image.cacheKey() && m_pictures.contains(m_lastImage.second))
        return m_lastImage.second;
    // Qt's PNG writer takes 80 as zlib's fastest level. On pictures of a few
    // megapixels it encodes three to four times faster than the default, for a
    // file about 7 % larger.
    constexpr int kPngQuality = 80;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", kPngQuality);
    m_lastImage = {image.cacheKey(), addPicture("png", png)};
    return m_lastImage.second;
}

QByteArray CStrovikText::pictureType(const QString& name) const {
    const auto found = m_pictures.constFind(name);
    return found == m_pictures.cend() ? QByteArray() : found->type;
}

// The output is sized first and written once: a copy of megabytes costs.
QByteArray CStrovikText::withDataUris(QByteArrayView html, const Pictures& pictures) {
    struct Splice {
        qsizetype name;
        const Picture* picture;
    };
    const QLatin1StringView text(html.data(), html.size());
    std::vector<Splice> splices;
    qsizetype size = html.size();
    for (qsizetype at = html.indexOf(kPictureSource); at >= 0;
         at = html.indexOf(kPictureSource, at + 1)) {
        const qsizetype name = at + kPictureSource.size() - kPictureScheme.size();
        const auto found = pictures.constFind(QString(text.mid(name, kPictureNameLength)));
        if (found == pictures.cend())
            continue;
        splices.push_back({name, &*found});
        size += kDataImage.size() + found->type.size() + kBase64.size() +
                base64Size(found->bytes.size()) - kPictureNameLength;
    }
    QByteArray out;
    out.reserve(size);
    qsizetype done = 0;
    for (const Splice& splice : splices) {
        out.append(html.sliced(done, splice.name - done))
            .append(kDataImage)
            .append(splice.picture->type)
            .append(kBase64)
            .append(splice.picture->bytes.toBase64());
        done = splice.name + kPictureNameLength;
    }
    return out.append(html.sliced(done));
}

class CStrovikText::FragmentData : public QMimeData {
public:
    FragmentData(const QString& html, const Pictures& pictures)
        : m_html(html.toUtf8()), m_pictures(pictures) {}

    // The base class's hasFormat() asks formats().
    QStringList formats() const override { return QMimeData::formats() << kHtml; }

    // Its HTML still holds the pictures' names.
    const QByteArray m_html;
    const Pictures m_pictures;

protected:
    QVariant retrieveData(const QString& type, QMetaType preferred) const override {
        if (type != kHtml)
            return QMimeData::retrieveData(type, preferred);
        return QString::fromUtf8(withDataUris(m_html, m_pictures));
    }

private:
    static inline const QString kHtml = QStringLiteral("text/html");
};

std::unique_ptr<QMimeData> CStrovikText::mimeData(const QString& html, const QString& plain) const {
    // Only the fragment's own pictures: the clipboard may outlive this text.
    Pictures pictures;
    for (auto it = m_pictures.cbegin(); it != m_pictures.cend(); ++it)
        if (html.contains(it.key()))
            pictures.insert(it.key(), it.value());
    auto data = std::make_unique<FragmentData>(html, pictures);
    data->setText(plain);
    return data;
}

// Between texts of this program the pictures go by name, never encoded.
QString CStrovikText::pastedHtml(const QMimeData& data) {
    if (const auto* ours = dynamic_cast<const FragmentData*>(&data)) {
        m_pictures.insert(ours->m_pictures);
        return QString::fromUtf8(ours->m_html);
    }
    return withShortNames(data.html().toUtf8());
}

// Data URIs that are not base64 of a picture stay as they are; the text
// shows nothing for them.
QString CStrovikText::withShortNames(QByteArrayView html) {
    const QLatin1StringView text(html.data(), html.size());
    QByteArray out;
    qsizetype done = 0;
    for (qsizetype at = text.indexOf(kDataImage, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(kDataImage, std::max(at + 1, done), Qt::CaseInsensitive)) {
        qsizetype data = at + kDataImage.size();
        while (data < html.size() && isMediaType(html[data]))
            ++data;
        if (text.mid(data, kBase64.size()).compare(kBase64, Qt::CaseInsensitive) != 0)
            continue;
        const QByteArray type =
            html.sliced(at + kDataImage.size(), data - at - kDataImage.size()).toByteArray();
        data += kBase64.size();
        qsizetype end = data;
        while (end < html.size() && isBase64(html[end]))
            ++end;
        const QByteArray::FromBase64Result bytes =
            QByteArray::fromBase64Encoding(QByteArray::fromRawData(html.data() + data, end - data),
                                           QByteArray::AbortOnBase64DecodingErrors);
        if (!bytes || bytes.decoded.isEmpty())
            continue;
        out.append(html.sliced(done, at - done))
            .append(addPicture(type.toLower(), bytes.decoded).toLatin1());
        done = end;
    }
    if (done == 0)
        return QString::fromUtf8(html);
    return QString::fromUtf8(out.append(html.sliced(done)));
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
