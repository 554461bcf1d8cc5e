#include "PhoneFormat.h"

#include <QLocale>
#include <QRegularExpression>

#include <phonenumbers/phonenumberutil.h>

#include <algorithm>
#include <set>

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

namespace {

// The region libphonenumber takes for "none": only numbers with a "+" code parse.
const std::string kNoRegion = "ZZ";
// Enough for the distinct numbers of a large list's switchboards; cleared when full.
constexpr qsizetype kCacheLimit = 1 << 14;

const std::set<std::string>& knownRegions() {
    static const std::set<std::string> regions = [] {
        std::set<std::string> all;
        PhoneNumberUtil::GetInstance()->GetSupportedRegions(&all);
        return all;
    }();
    return regions;
}

// What is left to the library: digits with the usual separators, a leading "+" and an
// extension. Words are not: the library would read "call 617 555 0100 after 5" as one long
// number and "1-800-FLOWERS" as digits, and the card must never lose what the user wrote.
bool looksLikeNumber(const QString& text) {
    static const QRegularExpression shape(
        QStringLiteral("^\\s*[+\\x{FF0B}]?[\\d\\s().\\-/\\x{00A0}\\x{2010}-\\x{2015}\\x{2212}"
                       "\\x{3000}\\x{FF08}\\x{FF09}\\x{FF0D}\\x{FF0E}\\x{FF0F}]+"
                       "(?:(?:\\s*(?:ext\\.?|extn\\.?|extension|x|#)\\s*|;ext=)\\d{1,7}#?)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return shape.match(text).hasMatch();
}

} // namespace

std::optional<PhoneStyle> phoneStyleFromText(QStringView text) {
    if (text.compare(u"e164", Qt::CaseInsensitive) == 0) {
        return PhoneStyle::E164;
    }
    if (text.compare(u"international", Qt::CaseInsensitive) == 0) {
        return PhoneStyle::International;
    }
    return std::nullopt;
}

bool isPhoneRegion(QStringView code) {
    return code.size() == 2 && knownRegions().count(code.toString().toUpper().toStdString()) > 0;
}

QString systemPhoneRegion() {
    const QString code = QLocale::territoryToCode(QLocale::system().territory());
    return isPhoneRegion(code) ? code.toUpper() : QString();
}

QList<PhoneRegion> phoneRegions() {
    QList<PhoneRegion> regions;
    for (const std::string& region : knownRegions()) {
        const QString code = QString::fromStdString(region);
        const QLocale::Territory territory = QLocale::codeToTerritory(code);
        // A code Qt has no name for is shown as itself rather than left out.
        const QString name =
            territory == QLocale::AnyTerritory ? code : QLocale::territoryToString(territory);
        regions.append({code, QStringLiteral("%1 (%2)").arg(name, code)});
    }
    std::sort(regions.begin(), regions.end(), [](const PhoneRegion& a, const PhoneRegion& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return regions;
}

PhoneFormatter::PhoneFormatter(PhoneFormatOptions options)
    : m_options(std::move(options)),
      m_region(isPhoneRegion(m_options.region) ? m_options.region.toUpper().toStdString()
                                               : kNoRegion) {}

std::optional<QString> PhoneFormatter::format(const QString& text) {
    if (!m_options.active()) {
        return std::nullopt;
    }
    if (const auto it = m_cache.constFind(text); it != m_cache.cend()) {
        return *it;
    }
    if (m_cache.size() >= kCacheLimit) {
        m_cache.clear();
    }
    const std::optional<QString> result = formatUncached(text);
    m_cache.insert(text, result);
    return result;
}

std::optional<QString> PhoneFormatter::formatUncached(const QString& text) const {
    if (!looksLikeNumber(text)) {
        return std::nullopt;
    }
    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    PhoneNumber number;
    if (util.Parse(text.toStdString(), m_region, &number) != PhoneNumberUtil::NO_PARSING_ERROR ||
        !util.IsValidNumber(number)) {
        return std::nullopt;
    }
    std::string out;
    if (m_options.style == PhoneStyle::E164) {
        util.Format(number, PhoneNumberUtil::E164, &out);
        if (number.has_extension() && !number.extension().empty()) {
            out += " ext. ";
            out += number.extension();
        }
    } else {
        util.Format(number, PhoneNumberUtil::INTERNATIONAL, &out);
    }
    return QString::fromStdString(out);
}
