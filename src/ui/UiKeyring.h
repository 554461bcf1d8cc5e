#pragma once

#include <QString>

#include <optional>

// The desktop's keyring as the window uses it: one entry per user and server, shared with the
// command line.
bool keyringAvailable();
std::optional<QString> keyringPassword(const QString& user, const QString& host);
bool storeKeyringPassword(const QString& user, const QString& host, const QString& password,
                          QString* error);
void forgetKeyringPassword(const QString& user, const QString& host);
