#pragma once

#include "engine/Ensemble.h"
#include "recognizer/Files.h"

#include <memory>
#include <string>
#include <string_view>

// The gesture-set text file (.gst): what the user made (names, descriptions,
// action type, codes, every example's strokes with time stamps), never what
// training derives. A text field is its length in characters, a space, then the
// text with "#" for each space; "0 " when empty.

struct LectureEnsemble {
    // Never null: the set read and trained, or, when the file was not sound, an
    // empty set named after the file.
    std::unique_ptr<CEnsemble> ensemble;
    // Empty when the file was sound; otherwise a French message naming the file
    // and, for a malformed one, the line.
    std::string erreur;
};

// Reads and trains the set at `path`; its file name becomes `path`. Accepts CRLF
// line ends and Windows-1252 text fields. Never reads past the end of the data,
// and never allocates more than the file could hold.
LectureEnsemble chargerEnsemble(const std::string& path);
// The same from text already in memory; `path` names the set's file and the messages.
LectureEnsemble lireEnsemble(std::string_view texte, const std::string& path);

// Writes `ensemble` as `dossier` + `nomFichier` (the folder ends with "/"),
// atomically: a failure leaves any previous file as it was and is reported in
// French. A set, class or example without a name is not written, since it could
// not be read back. On success the set's file name becomes `nomFichier`.
FileResult enregistrerEnsemble(CEnsemble& ensemble, const std::string& dossier,
                               const std::string& nomFichier);
// The file's text: UTF-8, LF line ends, time stamps to six significant digits.
std::string ecrireEnsemble(const CEnsemble& ensemble);
