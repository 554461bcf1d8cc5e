#pragma once

#include <QLineEdit>

// A path the program shows and the user reads, selects and copies but never changes. Being
// read-only stops typing and pasting; an accessibility client still writes through
// QLineEdit::setText, which read-only does not stop, so text the program did not set is put
// back at once.
class PathBox final : public QLineEdit {
public:
    explicit PathBox(QWidget* parent = nullptr) : QLineEdit(parent) {
        setReadOnly(true);
        connect(this, &QLineEdit::textChanged, this, [this] {
            if (text() != m_path) {
                setText(m_path);
            }
        });
    }

    void setPath(const QString& path) {
        m_path = path;
        setText(path);
    }

private:
    QString m_path;
};
