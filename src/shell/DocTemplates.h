#pragma once

#include <memory>
#include <vector>

class CDocTemplate;

// The document types of the application, in registration order: text, gesture
// set, flowchart. Each editor adds its template in DocTemplates.cpp; a type not
// listed leaves the commands that need it disabled.
std::vector<std::unique_ptr<CDocTemplate>> applicationTemplates();
