#include "shell/FakeEditor.h"

#include "shell/Messages.h"

#include <QFile>
#include <QVBoxLayout>

bool FakeDocument::onOpenDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(nullptr, "Lecture impossible");
        return false;
    }
    text = QString::fromUtf8(file.readAll());
    return true;
}

bool FakeDocument::onSaveDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    savedTo.append(path);
    return true;
}

void FakeView::onUpdate(CView*, int hint) {
    ++updates;
    lastHint = hint;
}

FakeFrame::FakeFrame(CDocument& document)
    : CChildFrame(document), view(new FakeView(document, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    if (auto* fake = dynamic_cast<FakeDocument*>(&document))
        view->setPlainText(fake->text);
}

std::unique_ptr<CDocTemplate> fakeTemplate(const QString& docString) {
    return std::make_unique<CDocTemplate>(
        docString,
        [](const CDocTemplate& t, EditorContext& context) {
            return std::make_unique<FakeDocument>(t, context);
        },
        [](CDocument& d) { return std::make_unique<FakeFrame>(d); });
}
