#include "support/TextRuns.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

QStringList describeText(const QTextDocument& document) {
    const QFont base = document.defaultFont();
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat paragraph = block.blockFormat();
        const QTextList* list = block.textList();
        lines << QString("paragraph align=%1 list=%2")
                     .arg(int(paragraph.alignment() & Qt::AlignHorizontal_Mask))
                     .arg(list ? int(list->format().style()) : 0);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            const QStringList families = f.hasProperty(QTextFormat::FontFamilies)
                                             ? f.fontFamilies().toStringList()
                                             : QStringList{base.family()};
            const double size =
                f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : base.pointSizeF();
            QString run = QString("  \"%1\" weight=%2 italic=%3 underline=%4 font=%5 %6pt")
                              .arg(fragment.text())
                              .arg(f.fontWeight())
                              .arg(f.fontItalic())
                              .arg(f.fontUnderline())
                              .arg(families.join(","))
                              .arg(size);
            if (f.isImageFormat())
                run += QString(" image=%1 %2x%3")
                           .arg(qHash(f.toImageFormat().name()))
                           .arg(f.toImageFormat().width())
                           .arg(f.toImageFormat().height());
            if (!lines.isEmpty() && lines.last().startsWith("  ") &&
                lines.last().section('"', 2) == run.section('"', 2))
                lines.last() = "  \"" + lines.last().section('"', 1, 1) + fragment.text() + "\"" +
                               run.section('"', 2);
            else
                lines << run;
        }
    }
    return lines;
}
