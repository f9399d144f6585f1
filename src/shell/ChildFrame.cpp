#include "shell/ChildFrame.h"

#include "shell/Document.h"
#include "shell/MainFrm.h"

#include <QCloseEvent>
#include <QMenuBar>

CChildFrame::CChildFrame(CDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document) {
    setWindowTitle(document.title());
    connect(&document, &CDocument::titleChanged, this, &QWidget::setWindowTitle);
}

void CChildFrame::fillMenuBar(CMainFrame& mainFrame, QMenuBar& bar) {
    using Menu = CMainFrame::Menu;
    for (Menu menu : {Menu::Editeur, Menu::Organigrammes, Menu::Gestes, Menu::Option,
                      Menu::Affichage, Menu::Fenetre, Menu::Aide})
        bar.addMenu(mainFrame.menu(menu));
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
