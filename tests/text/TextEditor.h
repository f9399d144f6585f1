#pragma once

#include "generator/FamilyGestures.h"
#include "support/EditorFixture.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/WindowTexts.h"
#include "text/Strovik.h"
#include "text/StrovikView.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <numbers>

// A picture of one colour, with the pixel at (1, 1) in `dot`, as a file of
// `format` holds it.
inline QByteArray pngOf(int width, int height, QColor colour, QRgb dot,
                        const char* format = "PNG") {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(1, 1, dot);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Puts the HTML, and the plain text when not empty, on the clipboard.
inline void setClipboard(const QString& html, const QString& text = {}) {
    auto* data = new QMimeData;
    data->setHtml(html);
    if (!text.isEmpty())
        data->setText(text);
    QApplication::clipboard()->setMimeData(data);
}

// Paths drawn with a steady hand.
inline std::unique_ptr<CDessin> steadily(const std::vector<Path>& paths) {
    DrawingGenerator g(7);
    return g.draw(paths, PenStyle{.sampleRateHz = 100.0,
                                  .speed = 400.0,
                                  .cornerSpeed = 0.3,
                                  .jitter = 0.5,
                                  .pause = 0.1});
}

// A member of the family drawn steadily; `seed` picks proportions and starts.
inline std::unique_ptr<CDessin> gesture(FamilyKind kind, Vec2 centre, double size, double rotation,
                                        std::uint32_t seed = 11) {
    DrawingGenerator g(seed);
    return steadily(familyGesture(kind, g, centre, size, rotation));
}

// The text editor in the running application, with a new text open.
class TextEditorTest : public testing::Test {
protected:
    TextEditorTest() { editor.frame().action(CMainFrame::Action::NouveauTexte)->trigger(); }
    CMainFrame& frame() { return editor.frame(); }
    CStrovik& window() { return *editor.active<CStrovik>(); }
    CStrovikView& view() { return window().view(); }
    QString path(const QString& name) { return editor.root() + "Editeur/" + name; }
    QAction* edition(const QString& entry) { return menuEntry(frame(), "Edi&tion", entry); }
    void saveAs(const QString& file) {
        answers.then(chooseFile(file));
        chooseMenuEntry(frame(), "&Editeur", "&Enregistrer");
    }
    // Closes the text and opens the file again.
    void reopen(const QString& file) {
        editor.closeActive();
        editor.application().openFile(file);
        ASSERT_NE(editor.active<CStrovik>(), nullptr);
    }
    // Replaces the text without leaving anything to undo.
    void setText(const QString& text) {
        QTextCursor cursor(view().document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
        view().document()->clearUndoRedoStacks();
        view().moveCursor(QTextCursor::Start);
    }
    void select(int from, int to) {
        QTextCursor cursor(view().document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        view().setTextCursor(cursor);
    }
    // The box of character `i` in the viewport; it and the next one share a line.
    QRect charBox(int i) {
        QTextCursor cursor(view().document());
        cursor.setPosition(i);
        const QRect before = view().cursorRect(cursor);
        cursor.setPosition(i + 1);
        return QRect(before.topLeft(), QPoint(view().cursorRect(cursor).left(), before.bottom()));
    }
    // The caret's place before character `i`, halfway up its line.
    Vec2 at(int i) { return {double(charBox(i).left()), double(charBox(i).center().y())}; }
    // Draws with the right button and ends the gesture.
    void play(const CDessin& drawing) { editor.draw(view().capture(), drawing, Qt::RightButton); }

    EditorFixture editor{5000.0};
    ModalAnswers answers;
};
