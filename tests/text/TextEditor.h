#pragma once

#include "generator/FamilyGestures.h"
#include "gesture/GestureClock.h"
#include "support/TestApplication.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <memory>

class CMainFrame;
class CStrovik;
class CStrovikView;

// The application with its real document types, started over a temporary data
// root, and a text window to work in.
class TextEditorTest : public testing::Test {
protected:
    TextEditorTest();
    ~TextEditorTest() override;

    CMainFrame& frame();
    // A new text document through the application's command; its window is active.
    CStrovik& newText();
    // Replaces the text of the view without leaving anything to undo.
    void setText(CStrovikView& view, const QString& text);
    QString statusMessage();
    static void selectRange(CStrovikView& view, int from, int to);
    // A picture of one colour, with the pixel at (1, 1) in `dot`, as a PNG file holds it.
    static QByteArray pngOf(int width, int height, QColor colour, QRgb dot);

    // The box of character `i` in the view's viewport; the character and the
    // next one must be on the same line.
    static QRect charBox(CStrovikView& view, int i);
    // The x of the caret before character `i`.
    static int boundaryX(CStrovikView& view, int i);

    // A member of the family drawn with a steady hand: the drawing's paths come
    // from the generator; `seed` picks proportions and starting points.
    static std::unique_ptr<CDessin> gesture(FamilyKind kind, Vec2 centre, double size,
                                            double rotation, std::uint32_t seed = 11);
    static std::unique_ptr<CDessin> steadily(const std::vector<Path>& paths);
    // Replays the drawing with the right button and fires the end of the gesture.
    void play(CStrovikView& view, const CDessin& drawing);
    // Replays it without the end of the gesture.
    void draw(CStrovikView& view, const CDessin& drawing);

    GestureClock::Manual m_clock;
    TestApplication m_app;
};
