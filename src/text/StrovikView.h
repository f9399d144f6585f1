#pragma once

#include "gesture/GestureCapture.h"
#include "recognizer/IndexedList.h"
#include "recognizer/ShapeRecognizer.h"
#include "shell/Document.h"
#include "text/RechercheDlg.h"

#include <QPointer>
#include <QTextEdit>

#include <memory>

class CStrovikDoc;
struct TextAction;
class QPrinter;
class QTextDocumentFragment;

// The text of a document, edited with the keyboard and the left button as
// usual, and with gestures drawn with the right button: once the writer pauses,
// the rule-based recogniser names the gesture and the view edits the text under it.
class CStrovikView : public QTextEdit, public CView {
    Q_OBJECT
public:
    enum PointerMode { ArrowPointer = 0, TextPointer = 1 };

    CStrovikView(CStrovikDoc& document, QWidget* parent);
    ~CStrovikView() override;

    // The text; the document of the view is strovikDoc().
    using QTextEdit::document;
    CStrovikDoc& strovikDoc() const;
    void onUpdate(CView* sender, int hint) override;

    int pointerMode() const { return m_pointerMode; }
    void setPointerMode(int mode);

    GestureCapture& capture() { return m_capture; }
    bool isRangeStartPending() const { return m_rangeStartPending; }
    // The best result of every recognition, in order.
    const CIndexedList<std::unique_ptr<CShapeGesture>>& history() const { return m_history; }

    // A selection holding something else than embedded objects.
    bool hasTextSelected() const;
    bool isBold() const;
    bool hasBullets() const;
    void toggleBold();
    void toggleItalic();
    void toggleUnderline();
    void toggleBullets();

    // Starts a new text in this window, once a modified one is saved or given up:
    // the gestures drawn and their history are forgotten.
    void OnFileNew();
    void OnEditCollageSpecial();
    void OnEditRechercher();
    void OnEditSuivant();
    void OnEditRemplacer();
    void OnInsererObjet();
    void OnProprietesObjet();
    bool hasObjectSelected() const;
    // The widest a new picture is shown: the width of the text in the window.
    int pictureWidth() const;

    // Half-inch margins on the four sides of the page.
    static void setTextMargins(QPrinter& printer);
    // Prints with those margins, then gives the printer its own back.
    void print(QPrinter& printer) const;
    // Prints with the printer's margins.
    void render(QPrinter& printer) const;

signals:
    void pointerModeChanged();
    void statusMessage(const QString& text);
    void paneText(int pane, const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The selection as text, and as HTML that carries its pictures whole.
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

private:
    // The end of a gesture: recognises the drawing and edits the text.
    void gestureFinished();
    void showPointerCursor();
    void showCaret();
    void applyResult(const CShapeGesture& best);
    void applyEdit(const TextAction& action);

    int charAt(const CInkPoint& p) const;
    void select(int anchor, int position);
    QString selectedPlainText() const;
    QTextDocumentFragment selectedFragment() const;
    void insertSelected(int at, const QString& text);
    void pasteAt(int at);
    void tidyPasted(int from, int to);
    void moveSelectionTo(int target);
    void openSearch(CRechercheDlg::Mode mode);

    GestureCapture m_capture;
    CShapeRecognizer m_recognizer;
    CIndexedList<std::unique_ptr<CShapeGesture>> m_history;
    bool m_rangeStartPending = false;
    int m_rangeStart = 0;
    int m_pointerMode = TextPointer;
    TextSearch m_search;
    QPointer<CRechercheDlg> m_searchDialog;
};
