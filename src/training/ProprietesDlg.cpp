#include "training/ProprietesDlg.h"

#include "engine/Ensemble.h"
#include "shell/Messages.h"
#include "shell/Strings.h"
#include "training/Nombres.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <optional>

namespace {

QDialogButtonBox* okButton(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    return buttons;
}

QLineEdit* readOnlyText(const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setReadOnly(true);
    return edit;
}

QLabel* header(int number, QWidget* parent) {
    auto* label = new QLabel(QString::number(number), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

ChoiceDialog::ChoiceDialog(const QString& caption, const QStringList& choices, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* group = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < choices.size(); ++i) {
        auto* radio = new QRadioButton(choices[i], this);
        radio->setObjectName(QStringLiteral("choix%1").arg(i));
        radio->setChecked(i == 0);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { m_choice = id; });
    QDialogButtonBox* buttons = okButton(this);
    buttons->addButton("Annuler", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

CProprietesExempleDlg::CProprietesExempleDlg(QWidget* parent)
    : ChoiceDialog("Propriétés de l'exemple", {"Caractéristiques de Rubine", "Quelques points..."},
                   parent) {}

CProprietesClasseDlg::CProprietesClasseDlg(QWidget* parent)
    : ChoiceDialog("Propriétés de la classe",
                   {"Caractéristiques moyennes de Rubine", "Matrice de variance-covariance",
                    "Vecteur de poids"},
                   parent) {}

CProprietesEnsembleDlg::CProprietesEnsembleDlg(QWidget* parent)
    : ChoiceDialog("Propriétés de l'ensemble",
                   {"Matrice moyenne de variance-covariance", "Matrice inverse",
                    "Poids associés à chaque classe de l'ensemble"},
                   parent) {}

CCaracteristiquesDlg::CCaracteristiquesDlg(const CExemple::Caracteristiques& valeurs,
                                           QWidget* parent)
    : QDialog(parent) {
    static const char* const explications[CExemple::NB_CARACTERISTIQUES] = {
        "( Cosinus de l'angle initial )",
        "( Sinus de l'angle initial )",
        "( Longueur de la diagonale du rectangle circonscrit )",
        "( Angle effectué par la diagonale du rectangle circonscrit )",
        "( Distance entre le premier et le dernier point )",
        "( Cosinus de l'angle créé par le premier et le dernier point )",
        "( Sinus de l'angle créé par le premier et le dernier point )",
        "( Longueur totale du geste )",
        "( Total des angles traversés )",
        "( Somme des valeurs absolues des angles traversés )",
        "( Somme des carrés de ces angles )",
        "( rapport des distances entre le pont milieu et les extremités )",
        "( Durée de création du geste )",
    };
    setWindowTitle("Caractéristiques de Rubine");
    auto* grid = new QGridLayout;
    for (int i = 0; i < CExemple::NB_CARACTERISTIQUES; ++i) {
        // f8 to f12 are lengths and sums of angles: whole numbers are enough.
        const int decimales = i >= 7 && i <= 11 ? 0 : 2;
        QLineEdit* text = readOnlyText(
            toQString(FormaterNombre(valeurs[static_cast<std::size_t>(i)], decimales)), this);
        text->setObjectName(QStringLiteral("f%1").arg(i + 1));
        text->setAlignment(Qt::AlignRight);
        grid->addWidget(new QLabel(QStringLiteral("f%1 :").arg(i + 1), this), i, 0);
        grid->addWidget(text, i, 1);
        grid->addWidget(new QLabel(explications[i], this), i, 2);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(okButton(this));
}

NumberCellsDialog::NumberCellsDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
}

QLineEdit* NumberCellsDialog::cell(double value) {
    auto* edit = new QLineEdit(toQString(formatGeneral(value)), this);
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(fontMetrics().horizontalAdvance("-0.000000000000000") / 2);
    edit->setCursorPosition(0);
    // A narrow cell hides the exponent; the tooltip shows the number whole.
    edit->setToolTip(edit->text());
    connect(edit, &QLineEdit::textChanged, edit, &QWidget::setToolTip);
    return edit;
}

void NumberCellsDialog::setGrid(QLayout* grid) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(okButton(this));
}

void NumberCellsDialog::accept() {
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        bool number = false;
        edit->text().trimmed().toDouble(&number);
        if (!number) {
            showMessage(this, "Entrez un nombre.");
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    QDialog::accept();
}

CMatriceDlg::CMatriceDlg(const CMatrice& matrice, Part part, QWidget* parent)
    : NumberCellsDialog("Propriétés", parent) {
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int r = 0; r < matrice.ordre(); ++r) {
        grid->addWidget(header(r, this), 0, r + 1);
        grid->addWidget(header(r, this), r + 1, 0);
        for (int c = 0; c < matrice.ordre(); ++c) {
            QLineEdit* edit =
                cell(part == Part::Values ? matrice.valeur(r, c) : matrice.inverse(r, c));
            edit->setObjectName(QStringLiteral("cell%1_%2").arg(r).arg(c));
            grid->addWidget(edit, r + 1, c + 1);
        }
    }
    setGrid(grid);
}

CPoidsClasseDlg::CPoidsClasseDlg(const CClasse::Poids& poids, QWidget* parent)
    : NumberCellsDialog("Poids associés à la classe", parent) {
    auto* grid = new QGridLayout;
    constexpr int perRow = CClasse::NB_POIDS / 2;
    for (int k = 0; k < CClasse::NB_POIDS; ++k) {
        const int row = k / perRow * 2;
        QLineEdit* edit = cell(poids[static_cast<std::size_t>(k)]);
        edit->setObjectName(QStringLiteral("w%1").arg(k));
        grid->addWidget(header(k, this), row, k % perRow);
        grid->addWidget(edit, row + 1, k % perRow);
    }
    setGrid(grid);
}

std::vector<double> CPoidsClassesDlg::table(const CEnsemble& ensemble) {
    std::vector<double> values(static_cast<std::size_t>(CClasse::NB_POIDS * kColonnes), 0.0);
    for (int j = 0; j < kColonnes && j < ensemble.nbClasses(); ++j) {
        const CClasse::Poids& poids = ensemble.classe(j).poids();
        for (int k = 0; k < CClasse::NB_POIDS; ++k)
            values[static_cast<std::size_t>(k * kColonnes + j)] =
                poids[static_cast<std::size_t>(k)];
    }
    return values;
}

CPoidsClassesDlg::CPoidsClassesDlg(const CEnsemble& ensemble, QWidget* parent)
    : NumberCellsDialog("Poids associés à toutes les classes", parent) {
    const std::vector<double> values = table(ensemble);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int j = 0; j < kColonnes; ++j)
        grid->addWidget(header(j, this), 0, j + 1);
    for (int k = 0; k < CClasse::NB_POIDS; ++k) {
        grid->addWidget(header(k, this), k + 1, 0);
        for (int j = 0; j < kColonnes; ++j) {
            QLineEdit* edit = cell(values[static_cast<std::size_t>(k * kColonnes + j)]);
            edit->setObjectName(QStringLiteral("cell%1_%2").arg(k).arg(j));
            grid->addWidget(edit, k + 1, j + 1);
        }
    }
    setGrid(grid);
}

CPointsDlg::CPointsDlg(const CExemple& exemple, QWidget* parent)
    : QDialog(parent), m_exemple(exemple) {
    setWindowTitle("Quelques points...");
    const int count = m_exemple.nbPoints();
    const auto point = [this, count](int i) -> std::optional<CInkPoint> {
        if (i < 0 || i >= count)
            return std::nullopt;
        return m_exemple.points()[static_cast<std::size_t>(i)];
    };

    auto* total = new QHBoxLayout;
    QLineEdit* countText = readOnlyText(QString::number(count), this);
    countText->setObjectName("nbPoints");
    total->addWidget(new QLabel("Nombre de points (P) :", this));
    total->addWidget(countText);

    auto* coordinates = new QGroupBox("Coordonnées", this);
    auto* grid = new QGridLayout(coordinates);
    grid->addWidget(new QLabel("X", coordinates), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel("Y", coordinates), 0, 2, Qt::AlignCenter);
    struct Row {
        const char* label;
        const char* name;
        int index;
    };
    const Row rows[] = {{"point 0 :", "0", 0},
                        {"point 1 :", "1", 1},
                        {"point 2 :", "2", 2},
                        {"point 3 :", "3", 3},
                        {"point P-2 :", "P-2", count - 2},
                        {"point P-1 :", "P-1", count - 1}};
    int line = 1;
    for (const Row& row : rows) {
        if (line == 5)
            grid->addWidget(new QLabel("...", coordinates), line++, 0);
        const std::optional<CInkPoint> p = point(row.index);
        QLineEdit* x = readOnlyText(p ? QString::number(p->x) : QString(), coordinates);
        QLineEdit* y = readOnlyText(p ? QString::number(p->y) : QString(), coordinates);
        x->setObjectName(QStringLiteral("x%1").arg(row.name));
        y->setObjectName(QStringLiteral("y%1").arg(row.name));
        grid->addWidget(new QLabel(row.label, coordinates), line, 0);
        grid->addWidget(x, line, 1);
        grid->addWidget(y, line, 2);
        ++line;
    }

    auto* box = new QGroupBox("Rectangle circonscrit", this);
    auto* frame = new QFrame(box);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setMinimumSize(160, 80);
    auto* corners = new QGridLayout(frame);
    const CInkPoint& low = m_exemple.boiteMin();
    const CInkPoint& high = m_exemple.boiteMax();
    auto* minimum = new QLabel(QStringLiteral("%1 ; %2").arg(low.x).arg(low.y), frame);
    auto* maximum = new QLabel(QStringLiteral("%1 ; %2").arg(high.x).arg(high.y), frame);
    minimum->setObjectName("minimum");
    maximum->setObjectName("maximum");
    corners->addWidget(minimum, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    corners->addWidget(maximum, 1, 1, Qt::AlignRight | Qt::AlignBottom);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(frame);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(total);
    layout->addWidget(coordinates);
    layout->addWidget(box);
    layout->addWidget(okButton(this));
}

void showExampleProperties(QWidget* parent, const CExemple& exemple) {
    CProprietesExempleDlg choice(parent);
    if (choice.exec() != QDialog::Accepted)
        return;
    switch (choice.choice()) {
    case 0: {
        CCaracteristiquesDlg features(exemple.caracteristiques(), parent);
        features.exec();
        break;
    }
    case 1: {
        CPointsDlg points(exemple, parent);
        points.exec();
        break;
    }
    default:
        showMessage(parent, "Erreur dans la fonction OnProprietesExemple() de CExempleForm...");
    }
}
