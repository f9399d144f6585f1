#include "text/TextEditor.h"

#include "app/Editors.h"
#include "gesture/GesturePlayer.h"
#include "shell/MainFrm.h"
#include "text/Strovik.h"
#include "text/StrovikView.h"

#include <QBuffer>
#include <QImage>
#include <QStatusBar>
#include <QTextCursor>

TextEditorTest::TextEditorTest() : m_clock(5000.0), m_app(editorTemplates(), newSetDialog()) {
    m_app.startReady();
}

TextEditorTest::~TextEditorTest() = default;

CMainFrame& TextEditorTest::frame() {
    return m_app.frame();
}

CStrovik& TextEditorTest::newText() {
    frame().action(CMainFrame::Action::NouveauTexte)->trigger();
    auto* window = qobject_cast<CStrovik*>(frame().activeChildFrame());
    EXPECT_NE(window, nullptr);
    return *window;
}

void TextEditorTest::setText(CStrovikView& view, const QString& text) {
    QTextCursor cursor(view.document());
    cursor.insertText(text);
    view.document()->clearUndoRedoStacks();
    view.moveCursor(QTextCursor::Start);
}

QString TextEditorTest::statusMessage() {
    return frame().statusBar()->currentMessage();
}

void TextEditorTest::selectRange(CStrovikView& view, int from, int to) {
    QTextCursor cursor(view.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
}

QByteArray TextEditorTest::pngOf(int width, int height, QColor colour, QRgb dot) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(1, 1, dot);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QRect TextEditorTest::charBox(CStrovikView& view, int i) {
    QTextCursor cursor(view.document());
    cursor.setPosition(i);
    const QRect before = view.cursorRect(cursor);
    cursor.setPosition(i + 1);
    const QRect after = view.cursorRect(cursor);
    EXPECT_EQ(before.top(), after.top()) << "characters " << i << " and " << i + 1;
    return QRect(QPoint(before.left(), before.top()), QPoint(after.left(), before.bottom()));
}

int TextEditorTest::boundaryX(CStrovikView& view, int i) {
    QTextCursor cursor(view.document());
    cursor.setPosition(i);
    return view.cursorRect(cursor).left();
}

std::unique_ptr<CDessin> TextEditorTest::gesture(FamilyKind kind, Vec2 centre, double size,
                                                 double rotation, std::uint32_t seed) {
    DrawingGenerator g(seed);
    return steadily(familyGesture(kind, g, centre, size, rotation));
}

std::unique_ptr<CDessin> TextEditorTest::steadily(const std::vector<Path>& paths) {
    DrawingGenerator g(7);
    return g.draw(paths, PenStyle{.sampleRateHz = 100.0,
                                  .speed = 400.0,
                                  .cornerSpeed = 0.3,
                                  .jitter = 0.5,
                                  .pause = 0.1});
}

void TextEditorTest::play(CStrovikView& view, const CDessin& drawing) {
    GesturePlayer player(view.capture(), m_clock);
    player.setButton(Qt::RightButton);
    player.play(drawing);
}

void TextEditorTest::draw(CStrovikView& view, const CDessin& drawing) {
    GesturePlayer player(view.capture(), m_clock);
    player.setButton(Qt::RightButton);
    player.playStrokes(drawing);
}
