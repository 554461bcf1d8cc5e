#pragma once

#include <QString>
#include <QTranslator>

// A catalogue that changes every text it is asked for into "⟦text⟧", placeholders and
// accelerator marks kept: a text shown without going through a translation stands out.
class PseudoTranslator final : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        if (!source || !*source) {
            return QString();
        }
        return QStringLiteral("\u27E6") + QString::fromUtf8(source) + QStringLiteral("\u27E7");
    }
    bool isEmpty() const override { return false; }
};

inline bool isPseudoTranslated(const QString& text) {
    return text.contains(QStringLiteral("\u27E6"));
}
