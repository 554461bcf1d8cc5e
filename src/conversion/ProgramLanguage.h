#pragma once

class QCoreApplication;

// Puts the program's sentences and Qt's own (dialogs, buttons, the command line parser's
// messages) into the user's language: the first of the system's languages that has a
// catalogue (LANGUAGE before LANG), English when none has. Numbers, card texts, field and
// option names are never translated.
void installTranslations(QCoreApplication& app);

// Only the English forms of the sentences that count something ("1 contact", "2 contacts"),
// which every language starts from. False when the catalogue is missing.
bool installPluralForms(QCoreApplication& app);
