#pragma once

#include <QString>

// Outcome of an operation that can fail: either fine, or a message for the user.
class Status {
public:
    static Status success() { return Status(); }
    static Status failure(QString message) { return Status(std::move(message)); }

    bool isOk() const { return !m_failed; }
    explicit operator bool() const { return isOk(); }
    const QString& message() const { return m_message; }

private:
    Status() = default;
    explicit Status(QString message) : m_failed(true), m_message(std::move(message)) {}

    bool m_failed = false;
    QString m_message;
};
