#include "shell/ChildFrame.h"

#include "shell/Document.h"
#include "shell/FrameMenus.h"

#include <QCloseEvent>
#include <QMenuBar>

CChildFrame::CChildFrame(CDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document) {
    setWindowTitle(document.title());
    connect(&document, &CDocument::titleChanged, this, &QWidget::setWindowTitle);
}

void CChildFrame::fillMenuBar(const FrameMenus& frameMenus, QMenuBar& bar) {
    using Menu = FrameMenus::Menu;
    for (Menu menu : {Menu::Editeur, Menu::Organigrammes, Menu::Gestes, Menu::Option,
                      Menu::Affichage, Menu::Fenetre, Menu::Aide})
        bar.addMenu(frameMenus.menu(menu));
}

bool CChildFrame::canClose() {
    return m_document.saveModified();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (canClose())
        event->accept();
    else
        event->ignore();
}
