#pragma once

#include "shell/Document.h"

class CStrovikText;

// A text document: rich text with embedded images, read from and written to
// .svk files. A new one is empty.
class CStrovikDoc : public CDocument {
    Q_OBJECT
public:
    CStrovikDoc(const CDocTemplate& docTemplate, EditorContext& context);
    ~CStrovikDoc() override;

    CStrovikText& text() const { return *m_text; }
    // An empty text in place of this one, bound to no file.
    void startNewText();

    bool onOpenDocument(const QString& path) override;
    bool onSaveDocument(const QString& path) override;
    QString defaultFolder() const override;

private:
    CStrovikText* m_text;
};
