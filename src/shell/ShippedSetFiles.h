#pragma once

#include <QByteArray>
#include <QStringList>

struct Configuration;

// The gesture sets compiled into the program (formes.gst, commandes.gst,
// lettres.gst), so that a new user's flowchart editor recognises gestures at once.

// The names of the shipped sets, in the resources' order.
QStringList shippedSetNames();
// The content of the shipped set `fileName`; empty when there is none.
QByteArray shippedSetContent(const QString& fileName);

// Copies each shipped set into the configuration's gesture-set folder when no
// file of its name is there; a file already there, the user's own or an older
// copy, is never replaced. Returns the French message of every copy that failed.
QStringList installShippedSets(const Configuration& configuration);
