#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The vCard versions the program writes. Parsed once where a version enters (the option
// buttons, --vcard-version) and passed on as this value, never as text.
enum class VCardVersion { V21, V30, V40 };

inline constexpr VCardVersion kDefaultVCardVersion = VCardVersion::V21;

// "2.1", "3.0" or "4.0": exactly these texts, nothing else.
std::optional<VCardVersion> parseVCardVersion(QStringView text);

// The text of the VERSION line and of the option: "2.1", "3.0" or "4.0".
QString vCardVersionText(VCardVersion version);
