#pragma once

#include "shell/Application.h"

#include <memory>
#include <vector>

class CDocTemplate;

// The three editors that the program registers with its application object.

// Their document types, in registration order: text, gesture set, flowchart.
std::vector<std::unique_ptr<CDocTemplate>> editorTemplates();
// The gesture-set editor's dialog for the New gesture-set command.
CApplication::NewSetDialog newSetDialog();
// The dialog that adapts the flowchart's gesture sets to the user's hand.
CApplication::AdaptDialog adaptDialog();
