#include "text/StrovikText.h"

#include <QFont>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <QUrl>

#include <memory>
#include <utility>
#include <vector>

namespace {

// A list item's own character format goes into the file as the item's style,
// which its text inherits when read back: where the item sets a font property
// that its text leaves to the default, the text is given the default outright.
void pinListItemFonts(QTextDocument& document) {
    const QFont base = document.defaultFont();
    std::vector<std::pair<QTextFragment, QTextCharFormat>> pins;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.textList() == nullptr)
            continue;
        const QTextCharFormat item = block.charFormat();
        const auto leftToDefault = [&item](const QTextCharFormat& own, int property) {
            return item.hasProperty(property) && !own.hasProperty(property);
        };
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat own = it.fragment().charFormat();
            QTextCharFormat pin;
            if (leftToDefault(own, QTextFormat::FontWeight))
                pin.setFontWeight(base.weight());
            if (leftToDefault(own, QTextFormat::FontItalic))
                pin.setFontItalic(base.italic());
            if (leftToDefault(own, QTextFormat::TextUnderlineStyle))
                pin.setFontUnderline(false);
            if (leftToDefault(own, QTextFormat::FontFamilies))
                pin.setFontFamilies(QStringList{base.family()});
            if (leftToDefault(own, QTextFormat::FontPointSize))
                pin.setFontPointSize(base.pointSizeF());
            if (!pin.properties().isEmpty())
                pins.emplace_back(it.fragment(), pin);
        }
    }
    QTextCursor cursor(&document);
    for (const auto& [fragment, pin] : pins) {
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(pin);
    }
}

} // namespace

CStrovikText::CStrovikText(QObject* parent) : QTextDocument(parent) {
    setDefaultFont(QFont("Times New Roman", 12));
}

QByteArray CStrovikText::toSvk() const {
    const std::unique_ptr<QTextDocument> copy(clone());
    pinListItemFonts(*copy);
    const QByteArray html = copy->toHtml().toUtf8();
    return QByteArray::fromStdString(markAsSvk(std::string_view(html.data(), html.size())));
}

SvkProblem CStrovikText::readSvk(std::string_view content) {
    const SvkProblem problem = checkSvk(content);
    if (problem != SvkProblem::None)
        return problem;
    setHtml(QString::fromUtf8(content.data(), static_cast<qsizetype>(content.size())));
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
