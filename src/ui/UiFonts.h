#pragma once

#include <QFont>
#include <QString>

// The font a control was designed with when the system has it, otherwise the platform's
// sans font at the same point size.
QFont designFont(const QString& family, qreal pointSize = 8.25);
