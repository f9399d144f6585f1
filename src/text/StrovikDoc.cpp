#include "text/StrovikDoc.h"

#include "recognizer/Files.h"
#include "shell/Configuration.h"
#include "shell/EditorContext.h"
#include "shell/Messages.h"
#include "shell/Strings.h"
#include "text/StrovikText.h"

#include <QFileInfo>

CStrovikDoc::CStrovikDoc(const CDocTemplate& docTemplate, EditorContext& context)
    : CDocument(docTemplate, context), m_text(new CStrovikText(this)) {
    connect(m_text, &QTextDocument::modificationChanged, this,
            [this](bool modified) { setModifiedFlag(modified); });
}

CStrovikDoc::~CStrovikDoc() = default;

void CStrovikDoc::startNewText() {
    m_text->startAgain();
    // A save of the new text must not silently replace the file the old one came from.
    clearPathName();
    setModifiedFlag(false);
}

bool CStrovikDoc::onOpenDocument(const QString& path) {
    QWidget* parent = context().dialogParent();
    std::string content;
    const FileResult read = readWholeFile(toStdString(path), content, kMaxSvkBytes);
    if (!read.ok) {
        showMessage(parent, toQString(read.error));
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    switch (m_text->readSvk(content)) {
    case SvkProblem::None:
        return true;
    case SvkProblem::Foreign:
        showMessage(parent, "Le fichier " + name + " n'est pas un document Strovik.");
        return false;
    case SvkProblem::Truncated:
        showMessage(parent, "Le fichier " + name + " est incomplet : il a été tronqué.");
        return false;
    case SvkProblem::NotUtf8:
        showMessage(parent,
                    "Le fichier " + name + " est endommagé : son texte n'est pas en UTF-8.");
        return false;
    }
    return false;
}

bool CStrovikDoc::onSaveDocument(const QString& path) {
    const FileResult written =
        writeFileAtomically(toStdString(path), m_text->toSvk().toStdString());
    if (!written.ok) {
        showMessage(context().dialogParent(), toQString(written.error));
        return false;
    }
    m_text->setModified(false);
    return true;
}

QString CStrovikDoc::defaultFolder() const {
    const Configuration& c = context().configuration();
    return toQString(c.dataRoot + c.textFolder);
}
