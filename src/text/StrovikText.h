#pragma once

#include "text/SvkFormat.h"

#include <QTextDocument>

#include <string_view>

// The rich text of a text document, in Times New Roman 12 points unless told
// otherwise. Its images live inside it as data URIs: nothing is ever fetched
// from a file or the network to show it.
class CStrovikText : public QTextDocument {
    Q_OBJECT
public:
    explicit CStrovikText(QObject* parent = nullptr);

    // The content of a .svk file.
    QByteArray toSvk() const;
    // Replaces the text by the file's content, unless the content is refused;
    // the text then comes back unmodified, with nothing to undo.
    SvkProblem readSvk(std::string_view content);

    // Gives the paragraphs from `from` to `to` the alignments the editor gives:
    // right, not right whatever the writing direction, as HTML brings them.
    void dropAbsoluteAlignments(int from, int to);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString htmlForFile() const;
};
