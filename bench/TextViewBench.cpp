#include "QtBench.h"
#include "text/CntrItem.h"
#include "text/Strovik.h"
#include "text/StrovikText.h"
#include "text/StrovikView.h"

#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextCursor>

#include <benchmark/benchmark.h>

#include <cstdint>

// Goals, on a text of ten pages holding a 20-megapixel photo: one gesture (its
// ink drawn as the pen moves, its recognition, its edit and the repaint of the
// window) under 50 ms, typing one character (the edit and its repaint) under 10 ms.
// Saving it, reading it back and copying it all are measured too: the photo
// travels through them as megabytes of base64.

namespace {

constexpr QSize kPhoto{5000, 4000};
constexpr int kParagraphs = 150; // ten pages of 15 lines of about 80 characters

// Smooth shades with grain, as a camera gives: a JPEG of several megabytes.
QByteArray photo() {
    QImage image(kPhoto, QImage::Format_RGB32);
    std::uint32_t seed = 2026;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 28);
            line[x] =
                qRgb((x * 255 / kPhoto.width() + grain) & 0xFF,
                     (y * 255 / kPhoto.height() + grain) & 0xFF, ((x + y) / 40 + grain) & 0xFF);
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return jpeg;
}

// The application with one text window: a first paragraph, the photo, then the pages.
class Editor {
public:
    Editor() {
        startQt();
        m_application = startApplication(m_data.root);
        CMainFrame& frame = *m_application->mainFrame();
        frame.action(CMainFrame::Action::NouveauTexte)->trigger();
        window = qobject_cast<CStrovik*>(frame.activeChildFrame());
        if (window == nullptr)
            qFatal("no text window");
        window->parentWidget()->showMaximized();
        QTextCursor cursor(window->view().document());
        cursor.insertText("Une ligne de texte que le geste barre en partie, puis la photo.\n");
        const QByteArray jpeg = photo();
        photoBytes = jpeg.size();
        if (!CStrovikCntrItem::insertEncoded(cursor, jpeg, window->view().pictureWidth()))
            qFatal("the photo was refused");
        for (int i = 0; i < kParagraphs; ++i)
            cursor.insertText(QString("\nParagraphe %1 : du texte ordinaire, assez long pour "
                                      "remplir une ligne de la page ou un peu plus encore.")
                                  .arg(i));
        window->view().moveCursor(QTextCursor::Start);
        QCoreApplication::processEvents();
    }

    CStrovik* window = nullptr;
    qsizetype photoBytes = 0;

private:
    DataRoot m_data;
    std::unique_ptr<CApplication> m_application;
};

Editor& editor() {
    static Editor shared;
    return shared;
}

void mouse(QWidget& widget, QEvent::Type type, QPoint p, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(p), QPointF(widget.mapToGlobal(p)), Qt::RightButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
    QCoreApplication::processEvents();
}

// A stroke across the middle of the first line, drawn as the mouse sends it
// (a point every 4 pixels, each segment of ink painted), recognised at once
// as its timer would: the struck-through characters go. Undoing it is not timed.
void BM_StrikeThroughGesture(benchmark::State& state) {
    CStrovikView& view = editor().window->view();
    QWidget& surface = *view.viewport();
    QTextCursor first(view.document());
    first.setPosition(10);
    const QRect from = view.cursorRect(first);
    const int y = from.center().y();
    const QString before = view.toPlainText();
    for (auto _ : state) {
        mouse(surface, QEvent::MouseButtonPress, {from.left(), y}, Qt::RightButton);
        for (int x = from.left() + 4; x < from.left() + 160; x += 4)
            mouse(surface, QEvent::MouseMove, {x, y}, Qt::RightButton);
        mouse(surface, QEvent::MouseButtonRelease, {from.left() + 160, y}, Qt::NoButton);
        view.capture().finishNow();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (view.toPlainText() == before)
            state.SkipWithError("the gesture deleted nothing");
        view.undo();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["octets_photo"] = static_cast<double>(editor().photoBytes);
}
BENCHMARK(BM_StrikeThroughGesture)->Unit(benchmark::kMillisecond);

// One character typed at the start of the text, next to the photo, and shown.
void BM_TypeOneCharacter(benchmark::State& state) {
    CStrovikView& view = editor().window->view();
    view.moveCursor(QTextCursor::Start);
    const int length = view.document()->characterCount();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
        QCoreApplication::sendEvent(&view, &press);
        QCoreApplication::processEvents();
    }
    if (view.document()->characterCount() != length + static_cast<int>(state.iterations()))
        state.SkipWithError("the characters were not all typed");
}
BENCHMARK(BM_TypeOneCharacter)->Unit(benchmark::kMillisecond);

const CStrovikText& photoText() {
    return static_cast<const CStrovikText&>(*editor().window->view().document());
}

// The .svk file's content, the photo inside it as a data URI.
void BM_SaveTextWithPhoto(benchmark::State& state) {
    const CStrovikText& text = photoText();
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = text.toSvk().size();
    if (bytes < editor().photoBytes * 4 / 3)
        state.SkipWithError("the photo is not inside the file");
    state.counters["octets_fichier"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveTextWithPhoto)->Unit(benchmark::kMillisecond);

// The file read into a new text, its photo taken back out of the data URI.
void BM_ReadTextWithPhoto(benchmark::State& state) {
    const std::string file = photoText().toSvk().toStdString();
    for (auto _ : state) {
        CStrovikText text;
        if (text.readSvk(file) != SvkProblem::None)
            state.SkipWithError("the file was refused");
        benchmark::DoNotOptimize(text.characterCount());
    }
}
BENCHMARK(BM_ReadTextWithPhoto)->Unit(benchmark::kMillisecond);

// All the text, photo included, put on the clipboard and pasted at its end.
void BM_CopyAndPasteTextWithPhoto(benchmark::State& state) {
    CStrovikView& view = editor().window->view();
    const int length = view.document()->characterCount();
    for (auto _ : state) {
        view.selectAll();
        view.copy();
        view.moveCursor(QTextCursor::End);
        view.paste();
        state.PauseTiming();
        if (view.document()->characterCount() < 2 * length - 2)
            state.SkipWithError("the text was not pasted whole");
        view.undo();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CopyAndPasteTextWithPhoto)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
