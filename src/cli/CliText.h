#pragma once

#include <QCoreApplication>

// The command line's sentences, in the user's language: Cli::tr("...").
class Cli {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};
