#pragma once

#include <QString>

#include <memory>

class CEnsemble;
struct Configuration;
class QWidget;

// Asks for a gesture-set file, starting in the gesture-set folder, and checks
// it before anything reads it: another extension is refused with "Le fichier "
// + name + `badExtension`, a file that cannot be opened with "Erreur lors de
// l'ouverture du fichier " + name + "...". Returns "" when refused or cancelled.
QString askGestureSetFile(QWidget* parent, const Configuration& configuration,
                          const QString& initialName, const QString& badExtension);

// Reads and trains the set at `path`; when the file is not sound, says why and
// returns nothing.
std::unique_ptr<CEnsemble> readGestureSet(QWidget* parent, const QString& path);
