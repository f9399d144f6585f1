#pragma once

#include "shell/Document.h"

#include <memory>

class CEnsemble;

// The document of a gesture-set window. It never reads a file: it takes over
// the set that the application's New or Open gesture-set command prepared.
// The set's own modified flag is the only one; the form keeps it.
class CApprentissageDoc : public CDocument {
    Q_OBJECT
public:
    CApprentissageDoc(const CDocTemplate& docTemplate, EditorContext& context);
    ~CApprentissageDoc() override;

    CEnsemble& ensemble() const { return *m_ensemble; }
    // The set's file name without its folder, as the window and messages name it.
    QString fileName() const;

    // Writes the set into the gesture-set folder under `fileName` (its folder,
    // if any, is ignored); the set then carries that name. Another set's file
    // there is replaced only if the user says so. A refusal or a failure
    // (shown to the user) gives false.
    bool enregistrerEnsemble(const QString& fileName);
    enum class SaveResult { Written, Cancelled, Failed };
    // Asks for a file name, then writes there: always into the gesture-set
    // folder, whatever folder was browsed. The set is unmodified once written.
    SaveResult enregistrerSous();

    // Gesture sets are read by the application, never through the document.
    bool onOpenDocument(const QString& path) override;
    bool onSaveDocument(const QString& path) override;

private:
    QString gestureFolder() const;
    // True when `target` may be written: it is this set's own file, it does
    // not exist, or the user agrees to replace it.
    bool mayReplace(const QString& target) const;
    // enregistrerEnsemble without the question.
    bool write(const QString& fileName);

    std::unique_ptr<CEnsemble> m_ensemble;
    // The file the set was read from or last written to; empty for a new set.
    QString m_ownFile;
};
