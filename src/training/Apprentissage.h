#pragma once

#include "shell/ChildFrame.h"

#include <memory>

class CApprentissageDoc;
class CDocTemplate;
class CExempleForm;
class CExempleView;
class CReconForm;
class QAction;
class QMenu;
class QSplitter;

// The window of a gesture set: the example form on the left; on the right the
// result pane above the drawing area. Commands go to the pane the user last
// worked in, as the form, the drawing area and the result pane each answer
// them differently.
class CApprentissage : public CChildFrame {
    Q_OBJECT
public:
    explicit CApprentissage(CApprentissageDoc& document);
    ~CApprentissage() override;

    CExempleForm& form() const { return *m_form; }
    CReconForm& result() const { return *m_result; }
    CExempleView& view() const { return *m_view; }

    QSize sizeHint() const override { return {800, 410}; }
    void fillMenuBar(const FrameMenus& frameMenus, QMenuBar& bar) override;
    bool isCommandEnabled(DocCommand command) const override;
    void runCommand(DocCommand command) override;

protected:
    bool canClose() override;
    void showEvent(QShowEvent* event) override;

private:
    enum class Pane { Form, Result, View };

    void focusChanged(QWidget* now);
    void OnEnregistrerSous();
    void OnEvaluer();
    void OnGalerie();

    CApprentissageDoc& m_document;
    QSplitter* m_outer;
    QSplitter* m_nested;
    CExempleForm* m_form;
    CReconForm* m_result;
    CExempleView* m_view;
    Pane m_active = Pane::Form;
    bool m_sized = false;
    QMenu* m_gestes;
    QAction* m_fermer;
    QAction* m_enregistrer;
    // Cut before the window's children go: a closing dialog among them moves the focus.
    QMetaObject::Connection m_focusWatch;
};

// The "Gesture" document type: gesture-set documents in their windows.
std::unique_ptr<CDocTemplate> gestureSetTemplate();
