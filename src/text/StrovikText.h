#pragma once

#include "text/SvkFormat.h"

#include <QHash>
#include <QMimeData>
#include <QTextDocument>

#include <memory>
#include <string_view>
#include <utility>

// The rich text of a text document, in Times New Roman 12 points unless told
// otherwise. Its pictures are kept inside it, as the bytes of their files,
// under short names: the text refers to them by these names and nothing is
// ever fetched from a file or the network to show them. HTML that leaves the
// document (its file, the clipboard) carries the pictures whole as data URIs.
class CStrovikText : public QTextDocument {
    Q_OBJECT
public:
    explicit CStrovikText(QObject* parent = nullptr);

    // The content of a .svk file.
    QByteArray toSvk() const;
    // Replaces the text by the file's content, unless the content is refused;
    // the text then comes back unmodified, with nothing to undo.
    SvkProblem readSvk(std::string_view content);

    // Empties the text and forgets its pictures, with nothing to undo.
    void startAgain();

    // Gives the paragraphs from `from` to `to` the alignments the editor gives:
    // right, not right whatever the writing direction, as HTML brings them.
    void dropAbsoluteAlignments(int from, int to);

    // Keeps the encoded picture (`type` "png", "jpeg" or "gif") and gives the
    // name under which the text shows it; the same bytes get the same name.
    QString addPicture(const QByteArray& type, const QByteArray& bytes);
    // Keeps the image as a PNG file and gives its name. The same image pasted
    // again is not encoded again.
    QString addImage(const QImage& image);
    bool hasPicture(const QString& name) const { return m_pictures.contains(name); }
    // "png", "jpeg" or "gif"; empty for a name that is not a picture of the text.
    QByteArray pictureType(const QString& name) const;
    // What the clipboard or a drag takes of `html`, a fragment of this text,
    // and of `plain`, its plain form. Its pictures become data URIs only when
    // the HTML is asked for: a drag never dropped costs no encoding.
    std::unique_ptr<QMimeData> mimeData(const QString& html, const QString& plain) const;
    // The HTML of what is pasted, its pictures kept here under their names.
    QString pastedHtml(const QMimeData& data);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    struct Picture {
        QByteArray type;
        QByteArray bytes;
    };

    using Pictures = QHash<QString, Picture>;
    class FragmentData;

    QString htmlForFile() const;
    // The HTML, in UTF-8, with the pictures' names replaced by their data URIs.
    static QByteArray withDataUris(QByteArrayView html, const Pictures& pictures);
    // The HTML, in UTF-8, with its data URIs of PNG, JPEG and GIF pictures kept
    // here and replaced by their names.
    QString withShortNames(QByteArrayView html);

    Pictures m_pictures;
    // The last image kept by addImage(): its cache key and its name.
    std::pair<qint64, QString> m_lastImage;
};
