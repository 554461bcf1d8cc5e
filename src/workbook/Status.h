#pragma once

#include "Sentence.h"

#include <QString>

// Outcome of an operation that can fail: either fine, or a message for the user.
class Status {
public:
    static Status success() { return Status(); }
    static Status failure(Sentence message) { return Status(std::move(message)); }
    // A message shown as it stands: already in the user's language, or never translated.
    static Status failure(QString message) { return Status(Sentence::plain(std::move(message))); }

    bool isOk() const { return !m_failed; }
    explicit operator bool() const { return isOk(); }
    // The message in the current language; empty on success.
    QString message() const { return m_message.toString(); }
    // The message before translation, to nest in a longer one or to show later.
    const Sentence& sentence() const { return m_message; }

private:
    Status() = default;
    explicit Status(Sentence message) : m_failed(true), m_message(std::move(message)) {}

    bool m_failed = false;
    Sentence m_message;
};
