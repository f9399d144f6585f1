#include "text/StrovikView.h"

#include "recognizer/Files.h"
#include "shell/FileDialogs.h"
#include "shell/Messages.h"
#include "shell/Strings.h"
#include "text/CntrItem.h"
#include "text/CollageSpecialDlg.h"
#include "text/ProprietesObjetDlg.h"
#include "text/StrovikDoc.h"
#include "text/StrovikInsertDlg.h"
#include "text/StrovikText.h"
#include "text/TextGestures.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextList>
#include <QUrl>

#include <algorithm>

namespace {

const QColor kInk(255, 0, 0);

} // namespace

CStrovikView::CStrovikView(CStrovikDoc& document, QWidget* parent)
    : QTextEdit(parent), CView(document), m_capture(*viewport(), {.shorteningMs = 100}),
      m_recognizer(true, 0.0) {
    setDocument(&document.text());
    // The right button draws: no context menu takes it.
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setMouseTracking(true);
    connect(&m_capture, &GestureCapture::finished, this, &CStrovikView::gestureFinished);
    connect(&m_capture, &GestureCapture::statusMessage, this, &CStrovikView::statusMessage);
    connect(&m_capture, &GestureCapture::paneText, this, &CStrovikView::paneText);
    setPointerMode(m_pointerMode);
}

CStrovikView::~CStrovikView() = default;

CStrovikDoc& CStrovikView::strovikDoc() const {
    return static_cast<CStrovikDoc&>(CView::document());
}

void CStrovikView::onUpdate(CView*, int) {
    viewport()->update();
}

void CStrovikView::setPointerMode(int mode) {
    m_pointerMode = mode;
    showPointerCursor();
    emit pointerModeChanged();
}

// The text control sets its own cursor as the mouse moves: the mode's cursor
// is put back after it.
void CStrovikView::showPointerCursor() {
    const Qt::CursorShape shape = m_pointerMode == ArrowPointer ? Qt::ArrowCursor : Qt::IBeamCursor;
    if (viewport()->cursor().shape() != shape)
        viewport()->setCursor(shape);
}

void CStrovikView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        m_capture.startStroke(event->position().toPoint());
    else
        QTextEdit::mousePressEvent(event);
}

void CStrovikView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->buttons() & Qt::RightButton) {
        if (!m_capture.isCapturing())
            return;
        m_capture.extendStroke(p, kInk);
    }
    m_capture.showPointer(p);
    showCaret();
    QTextEdit::mouseMoveEvent(event);
    showPointerCursor();
}

// The status line is cleared once the pen is up.
void CStrovikView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QTextEdit::mouseReleaseEvent(event);
    } else if (m_capture.isCapturing()) {
        m_capture.endStroke(event->position().toPoint(), kInk);
        emit statusMessage("");
    }
}

void CStrovikView::keyPressEvent(QKeyEvent* event) {
    showCaret();
    QTextEdit::keyPressEvent(event);
}

void CStrovikView::paintEvent(QPaintEvent* event) {
    QTextEdit::paintEvent(event);
    if (!m_capture.hasInk())
        return;
    QPainter painter(viewport());
    m_capture.paintInk(painter, event->rect());
}

void CStrovikView::gestureFinished() {
    const std::shared_ptr<CDessin> drawing = m_capture.takeDrawing();
    m_capture.clearInk();
    viewport()->repaint();
    const CSortedList<CShapeGesture*> results = m_recognizer.recognize(*drawing);
    const CShapeGesture& best = *results.at(0);
    std::unique_ptr<CShapeGesture> entry = best.clone();
    entry->detach();
    m_history.append(std::move(entry));
    applyResult(best);
}

void CStrovikView::showCaret() {
    const QPoint caret = cursorRect().topLeft();
    emit paneText(2, QString("Curseur (x = %1 , y = %2, Caractère n°%3)")
                         .arg(caret.x())
                         .arg(caret.y())
                         .arg(textCursor().position()));
}

bool CStrovikView::hasTextSelected() const {
    const QString selected = textCursor().selectedText();
    return std::any_of(selected.begin(), selected.end(),
                       [](QChar c) { return c != QChar::ObjectReplacementCharacter; });
}

void CStrovikView::applyResult(const CShapeGesture& best) {
    const TextAction action =
        textActionFor(best, {.rangeStartPending = m_rangeStartPending,
                             .textSelected = hasTextSelected(),
                             .clipboardHasText = !QApplication::clipboard()->text().isEmpty()});
    m_rangeStartPending = action.edit == TextEdit::StartRange;
    if (!action.message.empty())
        emit statusMessage(toQString(action.message));
    applyEdit(action);
}

void CStrovikView::applyEdit(const TextAction& action) {
    switch (action.edit) {
    case TextEdit::None:
        break;
    case TextEdit::DeleteBetween:
        select(charAt(action.at), charAt(action.to));
        textCursor().removeSelectedText();
        break;
    case TextEdit::StartRange:
        m_rangeStart = charAt(action.at);
        break;
    case TextEdit::EndRange:
        select(m_rangeStart, charAt(action.at));
        break;
    case TextEdit::InsertText: {
        CStrovikInsertDlg dialog(this);
        dialog.exec();
        insertSelected(charAt(action.at), dialog.text());
        break;
    }
    case TextEdit::MoveSelection:
        moveSelectionTo(charAt(action.at));
        break;
    case TextEdit::PasteAtCaret:
        pasteAt(textCursor().position());
        break;
    case TextEdit::SelectBetween:
        select(charAt(action.at), charAt(action.to));
        break;
    case TextEdit::SelectWord: {
        QTextCursor word = cursorForPosition(QPoint(action.at.x, action.at.y));
        word.select(QTextCursor::WordUnderCursor);
        setTextCursor(word);
        break;
    }
    case TextEdit::CopySelection:
        QApplication::clipboard()->setMimeData(createMimeDataFromSelection());
        break;
    case TextEdit::CutSelection: {
        QMimeData* taken = createMimeDataFromSelection();
        textCursor().removeSelectedText();
        QApplication::clipboard()->setMimeData(taken);
        break;
    }
    case TextEdit::ClearSelection:
        textCursor().removeSelectedText();
        break;
    }
}

int CStrovikView::charAt(const CInkPoint& p) const {
    return cursorForPosition(QPoint(p.x, p.y)).position();
}

void CStrovikView::select(int anchor, int position) {
    const int last = document()->characterCount() - 1;
    QTextCursor cursor(document());
    cursor.setPosition(std::clamp(anchor, 0, last));
    cursor.setPosition(std::clamp(position, 0, last), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

// Embedded objects have no plain-text form. The fragment's own plain text
// would start with a line break for a part of a list item.
QString CStrovikView::selectedPlainText() const {
    return textCursor()
        .selectedText()
        .replace(QChar::ParagraphSeparator, '\n')
        .replace(QChar::LineSeparator, '\n')
        .remove(QChar::ObjectReplacementCharacter);
}

// Qt's fragment of a part of a paragraph brings the paragraph along, list and
// all: pasted, it would start a new one. Such a part is copied character by
// character, with their formats and pictures.
QTextDocumentFragment CStrovikView::selectedFragment() const {
    const QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart(), end = cursor.selectionEnd();
    const QTextBlock block = document()->findBlock(start);
    if (end >= block.position() + block.length())
        return cursor.selection();
    QTextDocument part;
    QTextCursor out(&part);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment piece = it.fragment();
        const int from = std::max(start, piece.position());
        const int to = std::min(end, piece.position() + piece.length());
        if (from < to)
            out.insertText(piece.text().mid(from - piece.position(), to - from),
                           piece.charFormat());
    }
    return QTextDocumentFragment(&part);
}

QMimeData* CStrovikView::createMimeDataFromSelection() const {
    // The clipboard or the drag takes it.
    return strovikDoc().text().mimeData(selectedFragment().toHtml(), selectedPlainText()).release();
}

void CStrovikView::insertSelected(int at, const QString& text) {
    select(at, at);
    textCursor().insertText(text);
    select(at, at + static_cast<int>(text.size()));
}

// The rich text paste of the clipboard, or its plain text.
void CStrovikView::pasteAt(int at) {
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    if (clipboard == nullptr || !clipboard->hasHtml()) {
        insertSelected(at, QApplication::clipboard()->text());
        return;
    }
    select(at, at);
    QTextCursor cursor = textCursor();
    // Cleaned as a paste by the keys is, in the same single step.
    cursor.beginEditBlock();
    cursor.insertFragment(
        QTextDocumentFragment::fromHtml(strovikDoc().text().pastedHtml(*clipboard), document()));
    tidyPasted(at, cursor.position());
    cursor.endEditBlock();
    select(at, cursor.position());
}

// The fragment keeps its formats and pictures; the paragraph where it lands
// keeps its own.
void CStrovikView::moveSelectionTo(int target) {
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart(), end = cursor.selectionEnd();
    const QTextDocumentFragment fragment = selectedFragment();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const int at = moveTarget(start, end, target);
    cursor.setPosition(at);
    cursor.insertFragment(fragment);
    const int after = cursor.position();
    cursor.endEditBlock();
    select(at, after);
}

bool CStrovikView::isBold() const {
    return fontWeight() >= QFont::Bold;
}

bool CStrovikView::hasBullets() const {
    return textCursor().currentList() != nullptr;
}

void CStrovikView::toggleBold() {
    setFontWeight(isBold() ? QFont::Normal : QFont::Bold);
}

void CStrovikView::toggleItalic() {
    setFontItalic(!fontItalic());
}

void CStrovikView::toggleUnderline() {
    setFontUnderline(!fontUnderline());
}

void CStrovikView::toggleBullets() {
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    if (hasBullets()) {
        QTextCursor each(document());
        const QTextBlock last = document()->findBlock(cursor.selectionEnd());
        for (QTextBlock block = document()->findBlock(cursor.selectionStart()); block.isValid();
             block = block.next()) {
            if (QTextList* list = block.textList())
                list->remove(block);
            each.setPosition(block.position());
            QTextBlockFormat format = block.blockFormat();
            format.setIndent(0);
            each.setBlockFormat(format);
            if (block == last)
                break;
        }
    } else {
        cursor.createList(QTextListFormat::ListDisc);
    }
    cursor.endEditBlock();
}

void CStrovikView::insertFromMimeData(const QMimeData* source) {
    if (source->hasImage() && !source->hasHtml()) {
        QTextCursor cursor = textCursor();
        CStrovikCntrItem::insertImage(cursor, qvariant_cast<QImage>(source->imageData()),
                                      pictureWidth());
        setTextCursor(cursor);
        return;
    }
    QMimeData kept;
    if (source->hasHtml())
        kept.setHtml(strovikDoc().text().pastedHtml(*source));
    if (source->hasText())
        kept.setText(source->text());
    QTextCursor step(document());
    step.beginEditBlock();
    const int from = textCursor().selectionStart();
    QTextEdit::insertFromMimeData(&kept);
    tidyPasted(from, textCursor().position());
    step.endEditBlock();
}

bool CStrovikView::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasImage() || QTextEdit::canInsertFromMimeData(source);
}

// A document keeps its images inside it: pictures that pasted text only links
// to are left out. Right-aligned paragraphs lose the absolute flag Qt reads
// from HTML, as a file read does.
void CStrovikView::tidyPasted(int from, int to) {
    QTextCursor cursor(document());
    for (int i = to - 1; i >= from; --i) {
        if (document()->characterAt(i) != QChar::ObjectReplacementCharacter)
            continue;
        cursor.setPosition(i);
        cursor.setPosition(i + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat format = cursor.charFormat();
        if (format.isImageFormat() &&
            !strovikDoc().text().hasPicture(format.toImageFormat().name())) {
            cursor.removeSelectedText();
            --to;
        }
    }
    strovikDoc().text().dropAbsoluteAlignments(from, to);
}

// A clipboard that holds nothing may have no data at all.
void CStrovikView::OnEditCollageSpecial() {
    const QMimeData nothing;
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    const QMimeData& source = clipboard != nullptr ? *clipboard : nothing;
    CCollageSpecialDlg dialog(source, this);
    if (!dialog.hasForms()) {
        showMessage(this, "Le Presse-papiers est vide.");
        return;
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextCursor cursor = textCursor();
    switch (dialog.form()) {
    case CCollageSpecialDlg::Form::Formatted: {
        QMimeData html;
        html.setHtml(source.html());
        insertFromMimeData(&html);
        return;
    }
    case CCollageSpecialDlg::Form::Plain:
        cursor.insertText(source.text());
        break;
    case CCollageSpecialDlg::Form::Image:
        CStrovikCntrItem::insertImage(cursor, qvariant_cast<QImage>(source.imageData()),
                                      pictureWidth());
        break;
    }
    setTextCursor(cursor);
}

void CStrovikView::openSearch(CRechercheDlg::Mode mode) {
    if (m_searchDialog && m_searchDialog->mode() != mode) {
        m_searchDialog->close();
        m_searchDialog = nullptr;
    }
    if (!m_searchDialog)
        m_searchDialog = new CRechercheDlg(*this, m_search, mode, this);
    m_searchDialog->show();
    m_searchDialog->raise();
    m_searchDialog->activateWindow();
}

void CStrovikView::OnEditRechercher() {
    openSearch(CRechercheDlg::Mode::Find);
}

void CStrovikView::OnEditRemplacer() {
    openSearch(CRechercheDlg::Mode::Replace);
}

void CStrovikView::OnEditSuivant() {
    if (m_search.text.isEmpty())
        OnEditRechercher();
    else
        findNextOrTell(*this, m_search);
}

void CStrovikView::OnInsererObjet() {
    constexpr std::size_t kMaxImageBytes = std::size_t{64} << 20;
    const QString path = askOpenFileName(
        this, {.filters = {"Images (*.png *.jpg *.jpeg *.gif *.bmp)", allFilesFilter()},
               .folder = QDir::currentPath()});
    if (path.isEmpty())
        return;
    std::string bytes;
    const FileResult read = readWholeFile(toStdString(path), bytes, kMaxImageBytes);
    if (!read.ok) {
        showMessage(this, toQString(read.error));
        return;
    }
    QTextCursor cursor = textCursor();
    const QByteArray encoded = QByteArray::fromStdString(bytes);
    if (!CStrovikCntrItem::insertEncoded(cursor, encoded, pictureWidth())) {
        showMessage(this, CStrovikCntrItem::refusal(encoded, QFileInfo(path).fileName()));
        return;
    }
    setTextCursor(cursor);
}

int CStrovikView::pictureWidth() const {
    return std::max(1, viewport()->width() - 2 * qRound(document()->documentMargin()));
}

void CStrovikView::OnFileNew() {
    if (!strovikDoc().saveModified())
        return;
    m_history.clear();
    m_capture.cancel();
    m_rangeStartPending = false;
    strovikDoc().startNewText();
    viewport()->repaint();
}

bool CStrovikView::hasObjectSelected() const {
    return CStrovikCntrItem::selectedIn(strovikDoc(), textCursor()).has_value();
}

void CStrovikView::OnProprietesObjet() {
    std::optional<CStrovikCntrItem> item = CStrovikCntrItem::selectedIn(strovikDoc(), textCursor());
    if (!item)
        return;
    CProprietesObjetDlg dialog(*item, this);
    if (dialog.exec() == QDialog::Accepted && dialog.displaySize() != item->displaySize())
        item->setDisplaySize(dialog.displaySize());
}

void CStrovikView::setTextMargins(QPrinter& printer) {
    constexpr double kHalfInch = 36.0; // 720 twips, in points
    printer.setPageMargins(QMarginsF(kHalfInch, kHalfInch, kHalfInch, kHalfInch),
                           QPageLayout::Point);
}

void CStrovikView::print(QPrinter& printer) const {
    const QPageLayout kept = printer.pageLayout();
    setTextMargins(printer);
    render(printer);
    printer.setPageLayout(kept);
}

// Laid out page by page for the printer, the text fills the printer's page
// rectangle: the printer's margins are the only ones.
namespace {

// Qt cannot copy an empty text whose paragraph is a list item: the copy would
// point at a list that it does not have. That one is copied by hand.
std::unique_ptr<QTextDocument> copyOf(const QTextDocument& text, QTextDocument* parent) {
    const QTextBlock only = text.firstBlock();
    if (!text.isEmpty() || only.textList() == nullptr)
        return std::unique_ptr<QTextDocument>(text.clone(parent));
    auto copy = std::make_unique<QTextDocument>(parent);
    copy->setDefaultFont(text.defaultFont());
    copy->setDefaultTextOption(text.defaultTextOption());
    QTextCursor cursor(copy.get());
    QTextBlockFormat paragraph = only.blockFormat();
    paragraph.clearProperty(QTextFormat::ObjectIndex);
    cursor.setBlockFormat(paragraph);
    cursor.setBlockCharFormat(only.charFormat());
    cursor.createList(only.textList()->format());
    return copy;
}

} // namespace

void CStrovikView::render(QPrinter& printer) const {
    const std::unique_ptr<QTextDocument> pages = copyOf(*document(), document());
    pages->documentLayout()->setPaintDevice(&printer);
    pages->setPageSize(printer.pageLayout().paintRectPixels(printer.resolution()).size());
    QTextFrameFormat frame = pages->rootFrame()->frameFormat();
    frame.setMargin(0);
    pages->rootFrame()->setFrameFormat(frame);
    pages->print(&printer);
}
