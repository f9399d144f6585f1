#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QTextImageFormat>

#include <optional>

class CStrovikDoc;
class QTextCursor;

// An object embedded in the text: an image, kept inside the document as a data
// URI so that the file needs nothing beside it.
class CStrovikCntrItem {
public:
    // The image whose object character is at `position` in the document's text.
    CStrovikCntrItem(CStrovikDoc& document, int position);

    // The image that the cursor's selection holds alone, if it does.
    static std::optional<CStrovikCntrItem> selectedIn(CStrovikDoc& document,
                                                      const QTextCursor& cursor);
    // Puts the image in place of the cursor's selection, keeping the encoded
    // bytes of a PNG, JPEG or GIF file as they are; false when they are not an image.
    static bool insertEncoded(QTextCursor& cursor, const QByteArray& bytes);
    static void insertImage(QTextCursor& cursor, const QImage& image);

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
