#include "text/StrovikText.h"

#include <QFont>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <QUrl>

#include <vector>

namespace {

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
    setHtml(QString::fromUtf8(content.data(), static_cast<qsizetype>(content.size())));
    // Some HTML (text right after a table) reads into a document that reads
    // back from its own file with one more paragraph; read once more, the text
    // shown is the text that a save brings back.
    setHtml(htmlForFile());
    dropAbsoluteAlignments(0, characterCount());
    clearUndoRedoStacks();
    setModified(false);
    return SvkProblem::None;
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
