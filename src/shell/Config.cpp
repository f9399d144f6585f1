#include "shell/Config.h"

#include "engine/Ensemble.h"
#include "shell/Configuration.h"
#include "shell/DialogButtons.h"
#include "shell/GestureSetFiles.h"
#include "shell/Messages.h"
#include "shell/Strings.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

CConfigurationDlg::CConfigurationDlg(const Configuration& configuration, QWidget* parent)
    : QDialog(parent), m_rootEdit(new QLineEdit(toQString(configuration.dataRoot), this)) {
    setWindowTitle("Configuration...");
    m_rootEdit->setObjectName("rootEdit");
    m_rootEdit->setMinimumWidth(320);
    m_rootEdit->installEventFilter(this);

    const Configuration defaults("");
    auto* folders = new QGroupBox("Répertoires par défaut", this);
    auto* folderRows = new QFormLayout(folders);
    folderRows->addRow("Documents texte :", new QLabel(toQString(defaults.textFolder), folders));
    folderRows->addRow("Organigrammes :", new QLabel(toQString(defaults.flowchartFolder), folders));
    folderRows->addRow("Ensembles de gestes :",
                       new QLabel(toQString(defaults.gestureFolder), folders));
    folderRows->addRow("Apprentissage :", new QLabel(toQString(defaults.trainingFolder), folders));
    folderRows->addRow("Reconnaissance :",
                       new QLabel(toQString(defaults.recognitionFolder), folders));

    QDialogButtonBox* buttons = okCancelButtons(this);
    m_ok = buttons->button(QDialogButtonBox::Ok);

    auto* rootRow = new QFormLayout;
    rootRow->addRow("Répertoire courant :", m_rootEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rootRow);
    layout->addWidget(folders);
    layout->addWidget(buttons);

    connect(m_rootEdit, &QLineEdit::textChanged, this, &CConfigurationDlg::rootEdited);
    rootEdited(m_rootEdit->text());
    checkRoot();
}

void CConfigurationDlg::rootEdited(const QString& text) {
    m_root = text;
    if (!m_root.isEmpty() && !m_root.endsWith('/'))
        m_root += '/';
    m_ok->setEnabled(!m_root.isEmpty());
}

void CConfigurationDlg::checkRoot() {
    m_rootExists = isUsableFolder(m_root.toStdString());
}

bool CConfigurationDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_rootEdit && event->type() == QEvent::FocusOut)
        checkRoot();
    return QDialog::eventFilter(watched, event);
}

// Return in the edit accepts without the focus leaving it: the root is tried again.
void CConfigurationDlg::accept() {
    checkRoot();
    if (!m_rootExists) {
        QMessageBox question(QMessageBox::Question, "Répertoire inexistant...",
                             "Le répertoire " + m_root + " n'existe pas.\nVoulez-vous le créer ?",
                             QMessageBox::Yes | QMessageBox::No, this);
        if (question.exec() != QMessageBox::Yes || !createRoot())
            return;
    } else if (!createRoot()) {
        return;
    }
    QDialog::accept();
}

bool CConfigurationDlg::createRoot() {
    const std::string root = m_root.toStdString();
    std::string failed = createFolder(root) ? createMissingFolders(Configuration(root)) : root;
    if (failed.empty())
        return true;
    showMessage(this, "Le répertoire " + toQString(failed) + " ne peut être créé.");
    return false;
}

CChoixFichiers::CChoixFichiers(const Configuration& configuration, QWidget* parent)
    : QDialog(parent),
      m_configuration(configuration), m_files{toQString(configuration.componentSet),
                                              toQString(configuration.commandSet),
                                              toQString(configuration.textSet)} {
    setWindowTitle("Choisir les gestes...");
    static const char* const labels[] = {
        "Représentation graphique des composants d'un organigramme :",
        "Commandes disponibles sur sélection d'un composant (déplacer, effacer,...) :",
        "Insertion de caractères :"};
    auto* layout = new QVBoxLayout(this);
    for (int kind = 1; kind <= 3; ++kind) {
        layout->addWidget(new QLabel(labels[kind - 1], this));
        auto* text = new QLineEdit(m_files[kind - 1], this);
        text->setObjectName(QStringLiteral("set%1").arg(kind));
        text->setReadOnly(true);
        auto* change = new QPushButton("Modifier", this);
        change->setObjectName(QStringLiteral("change%1").arg(kind));
        auto* row = new QHBoxLayout;
        row->addWidget(text, 1);
        row->addWidget(change);
        layout->addLayout(row);
        connect(change, &QPushButton::clicked, this, [this, kind, text] {
            choixFichier(m_files[kind - 1], kind);
            text->setText(m_files[kind - 1]);
        });
    }
    layout->addWidget(okCancelButtons(this));
}

void CChoixFichiers::choixFichier(QString& target, int kind) {
    const QString path = askGestureSetFile(this, m_configuration, target,
                                           " ne possède pas la bonne extension (.gst).");
    if (path.isEmpty())
        return;
    const std::unique_ptr<CEnsemble> set = readGestureSet(this, path);
    if (!set)
        return;
    const QString name = QFileInfo(path).fileName();
    if (set->typeAction() == kind) {
        target = name;
        m_setsChanged = true;
        return;
    }
    static const char* const wordings[] = {
        "aux composants d'un organigramme.",
        "aux commandes d'un organigramme (changement de couleur, de taille,...).",
        "à l'insertion de texte dans un organigramme."};
    if (kind < 1 || kind > 3) {
        showMessage(this, "Erreur dans CChoixFichiers::choixFichier()");
        return;
    }
    showMessage(this, "Le fichier " + name + " ne contient pas de gestes associés\n" +
                          wordings[kind - 1]);
}
