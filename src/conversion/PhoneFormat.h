#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>
#include <string>

// How telephone numbers are written on the cards.
enum class PhoneStyle : quint8 {
    Off,           // as the cell shows them
    E164,          // "+16175550100"
    International, // "+1 617-555-0100"
};

struct PhoneFormatOptions {
    PhoneStyle style = PhoneStyle::Off;
    // ISO 3166 two-letter code (upper case) of the country whose numbers are written without
    // a country code; empty: only numbers that carry one ("+49 30 ...") are rewritten.
    QString region;

    bool active() const { return style != PhoneStyle::Off; }
    friend bool operator==(const PhoneFormatOptions&, const PhoneFormatOptions&) = default;
};

// "e164" and "international" (any case); none for other text.
std::optional<PhoneStyle> phoneStyleFromText(QStringView text);

// Whether the code (any case) names a country whose numbers are known.
bool isPhoneRegion(QStringView code);
// The system locale's country when its numbers are known, else empty.
QString systemPhoneRegion();

struct PhoneRegion {
    QString code; // "DE"
    QString name; // "Germany (DE)"
};
// Every country whose numbers are known, named in English with its code, sorted by name.
QList<PhoneRegion> phoneRegions();

// Rewrites telephone numbers in the chosen form. A number is rewritten only when it is valid:
// in the country its "+" code names, or in the region when it has none. Anything else (words,
// too short or too long, valid only in another country, letters such as "1-800-FLOWERS") is
// left as it was. An extension is kept, as " ext. 12" after the number in both forms (E.164
// itself has no extension: written as a vCard value, " ext. " reads well in every address
// book and needs no escaping, unlike the ";ext=" of a tel: URI).
// Results are remembered per text: lists repeat numbers, and the check is costly.
class PhoneFormatter {
public:
    explicit PhoneFormatter(PhoneFormatOptions options = {});

    const PhoneFormatOptions& options() const { return m_options; }
    // The number in the chosen form; none when it is left as it was (and always when the style
    // is Off).
    std::optional<QString> format(const QString& text);

private:
    std::optional<QString> formatUncached(const QString& text) const;

    PhoneFormatOptions m_options;
    std::string m_region;
    QHash<QString, std::optional<QString>> m_cache;
};
