#include "ImportTarget.h"

#include <array>

namespace {

// The writer types every TEL for every target (WORK;VOICE, CELL;VOICE, WORK;FAX...): the
// desktop mail program's import needs the type to put a number into its business, home,
// mobile or fax field.
const std::array kTargets = {
    // Today's cards, unchanged.
    ImportTargetRules{ImportTarget::Generic,
                      u"generic",
                      u"any address book",
                      std::nullopt,
                      std::nullopt,
                      true,
                      0,
                      0,
                      {}},
    // The desktop mail program imports vCard 2.1 and reads only the first card of a file; it
    // takes text as the system's ANSI code page unless a property says CHARSET=UTF-8
    // (Microsoft's import help and the cards its own export writes: 2.1, one contact a file,
    // CHARSET on non-ASCII properties).
    ImportTargetRules{ImportTarget::Outlook,
                      u"outlook",
                      u"Outlook",
                      VCardVersion::V21,
                      std::nullopt,
                      false,
                      0,
                      0,
                      {true, false}},
    // iCloud Contacts' published limits: at most 50,000 contacts, a contact card under
    // 256 KB; its import and the Contacts app write and read vCard 3.0.
    ImportTargetRules{ImportTarget::Apple,
                      u"apple",
                      u"Apple Contacts",
                      VCardVersion::V30,
                      std::nullopt,
                      true,
                      50000,
                      256 * 1024,
                      {}},
    // Google Contacts' import help asks for vCard 3.0 (or CSV); its export writes 3.0.
    ImportTargetRules{ImportTarget::Google,
                      u"google",
                      u"Google Contacts",
                      VCardVersion::V30,
                      std::nullopt,
                      true,
                      0,
                      0,
                      {}},
    // The platform's vCard library (com.android.vcard) parses 2.1 and 3.0 and has no 4.0
    // parser; its own 2.1 export writes every non-ASCII value as
    // CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE, and its 2.1 parser reads values without a
    // charset in a legacy default.
    ImportTargetRules{ImportTarget::Android,
                      u"android",
                      u"Android",
                      std::nullopt,
                      VCardVersion::V40,
                      true,
                      0,
                      0,
                      {false, true}},
};

} // namespace

const ImportTargetRules& importTargetRules(ImportTarget target) {
    for (const ImportTargetRules& t : kTargets) {
        if (t.target == target) {
            return t;
        }
    }
    return kTargets.front();
}

std::optional<ImportTarget> importTargetFromText(QStringView text) {
    for (const ImportTargetRules& t : kTargets) {
        if (text == QStringView(t.option)) {
            return t.target;
        }
    }
    return std::nullopt;
}

QString importTargetChoices() {
    QString choices;
    for (const ImportTargetRules& t : kTargets) {
        if (!choices.isEmpty()) {
            choices += QLatin1Char('|');
        }
        choices += QStringView(t.option);
    }
    return choices;
}

VCardVersion versionForTarget(ImportTarget target, VCardVersion requested) {
    const ImportTargetRules& rules = importTargetRules(target);
    if (rules.fixedVersion) {
        return *rules.fixedVersion;
    }
    if (rules.refusedVersion && *rules.refusedVersion == requested) {
        return VCardVersion::V30;
    }
    return requested;
}

bool versionAllowed(ImportTarget target, VCardVersion version) {
    const ImportTargetRules& rules = importTargetRules(target);
    if (rules.fixedVersion) {
        return *rules.fixedVersion == version;
    }
    return !(rules.refusedVersion && *rules.refusedVersion == version);
}

bool targetSendsToServer(ImportTarget target) {
    switch (target) {
    case ImportTarget::Generic:
    case ImportTarget::Apple:
    case ImportTarget::Google:
        return true;
    case ImportTarget::Outlook:
    case ImportTarget::Android:
        return false;
    }
    return false;
}
