#pragma once

#include <QStringList>

class QTextDocument;

// Each run of characters with the formats it shows, block by block: what must
// come back from a file as it went in.
QStringList describeText(const QTextDocument& document);
