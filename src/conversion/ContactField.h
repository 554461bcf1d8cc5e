#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// A contact field name, compared as exact, case-sensitive text.
using ContactField = QString;

inline constexpr int kCatalogueSize = 30;

// The 30 names offered for mapping, in the order they are offered.
const QStringList& contactFieldCatalogue();

bool isCatalogueField(QStringView name);
