#pragma once

#include <QString>

// Replaces 18 punctuation characters for use in a file name: "&" becomes " and ", ":" a
// hyphen, the other sixteen a space. Nothing is trimmed or collapsed.
QString strClean(const QString& strtoclean);
