#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QTextImageFormat>

#include <optional>

class CStrovikDoc;
class QTextCursor;

// An object embedded in the text: a picture, whose file's bytes the text keeps
// (see CStrovikText), so that the document needs nothing beside it.
class CStrovikCntrItem {
public:
    // No limit to the width at which a new picture is shown.
    static constexpr int kAnyWidth = 0;

    // The image whose object character is at `position` in the document's text.
    CStrovikCntrItem(CStrovikDoc& document, int position);

    // The image that the cursor's selection holds alone, if it does.
    static std::optional<CStrovikCntrItem> selectedIn(CStrovikDoc& document,
                                                      const QTextCursor& cursor);
    // Puts the picture in place of the selection of a cursor on a CStrovikText,
    // keeping the bytes of a PNG, JPEG or GIF file as they are, shown at most
    // `maxWidth` pixels wide; false when they are not a picture that can be read.
    static bool insertEncoded(QTextCursor& cursor, const QByteArray& bytes,
                              int maxWidth = kAnyWidth);
    static void insertImage(QTextCursor& cursor, const QImage& image, int maxWidth = kAnyWidth);
    // Why insertEncoded() refused the bytes of the file `fileName`.
    static QString refusal(const QByteArray& bytes, const QString& fileName);

    CStrovikDoc& document() const { return m_document; }
    int position() const { return m_position; }

    QImage image() const;
    // The kind of picture: "PNG", "JPEG", ...
    QString typeName() const;
    QSize naturalSize() const { return image().size(); }
    // As shown in the text.
    QSize displaySize() const;
    // As one step that can be undone.
    void setDisplaySize(QSize size);

private:
    QTextImageFormat format() const;

    CStrovikDoc& m_document;
    int m_position;
};
