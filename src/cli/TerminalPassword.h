#pragma once

#include <QString>

#include <optional>

// Asks for a password on the terminal: the prompt on standard error, the answer read from
// standard input without echo. nullopt when standard input is no terminal (or it ends).
std::optional<QString> askPasswordOnTerminal(const QString& prompt);
