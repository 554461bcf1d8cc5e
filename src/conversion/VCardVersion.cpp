#include "VCardVersion.h"

std::optional<VCardVersion> parseVCardVersion(QStringView text) {
    if (text == u"2.1") {
        return VCardVersion::V21;
    }
    if (text == u"3.0") {
        return VCardVersion::V30;
    }
    if (text == u"4.0") {
        return VCardVersion::V40;
    }
    return std::nullopt;
}

QString vCardVersionText(VCardVersion version) {
    switch (version) {
    case VCardVersion::V21:
        break;
    case VCardVersion::V30:
        return QStringLiteral("3.0");
    case VCardVersion::V40:
        return QStringLiteral("4.0");
    }
    return QStringLiteral("2.1");
}
