<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CardDav</name>
    <message numerus="yes">
        <source>, ... (%n row(s))</source>
        <translation>
            <numerusform>, ... (%n row)</numerusform>
            <numerusform>, ... (%n rows)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had nothing to be matched by (no e-mail address, name or company) and went under their row number, so moving them in the sheet makes them new contacts: row(s) %1.</source>
        <translation>
            <numerusform>%n contact had nothing to be matched by (no e-mail address, name or company) and went under its row number, so moving it in the sheet makes it a new contact: row %1.</numerusform>
            <numerusform>%n contacts had nothing to be matched by (no e-mail address, name or company) and went under their row number, so moving them in the sheet makes them new contacts: rows %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had the same e-mail address, name or key as an earlier row and were sent as contacts of their own: row(s) %1.</source>
        <translation>
            <numerusform>%n contact had the same e-mail address, name or key as an earlier row and was sent as a contact of its own: row %1.</numerusform>
            <numerusform>%n contacts had the same e-mail address, name or key as an earlier row and were sent as contacts of their own: rows %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message numerus="yes">
        <source>%n contact(s) written to vCard files.</source>
        <translation>
            <numerusform>%n contact written to vCard files.</numerusform>
            <numerusform>%n contacts written to vCard files.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) left out: an e-mail cell holds only spaces (--allow-empty-email keeps them).</source>
        <translation>
            <numerusform>%n row was left out: an e-mail cell holds only spaces (--allow-empty-email keeps them).</numerusform>
            <numerusform>%n rows were left out: an e-mail cell holds only spaces (--allow-empty-email keeps them).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 unchanged, %3 not sent</source>
        <translation>
            <numerusform>%n contact added, %1 updated, %2 unchanged, %3 not sent</numerusform>
            <numerusform>%n contacts added, %1 updated, %2 unchanged, %3 not sent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were (--only-new).</source>
        <translation>
            <numerusform>%n contact already in the address book was left as it was (--only-new).</numerusform>
            <numerusform>%n contacts already in the address book were left as they were (--only-new).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message numerus="yes">
        <source>%n birthday(s) could not be read as dates</source>
        <translation>
            <numerusform>%n birthday could not be read as a date</numerusform>
            <numerusform>%n birthdays could not be read as dates</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(s) could not be read as dates</source>
        <translation>
            <numerusform>%n anniversary could not be read as a date</numerusform>
            <numerusform>%n anniversaries could not be read as dates</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) could not be read</source>
        <translation>
            <numerusform>%n photo could not be read</numerusform>
            <numerusform>%n photos could not be read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phone number(s) were left as they were</source>
        <translation>
            <numerusform>%n phone number was left as it was</numerusform>
            <numerusform>%n phone numbers were left as they were</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ServerDialog</name>
    <message numerus="yes">
        <source>%n address book(s) found.</source>
        <translation>
            <numerusform>%n address book found.</numerusform>
            <numerusform>%n address books found.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 left unchanged.</source>
        <translation>
            <numerusform>%n contact added, %1 updated, %2 left unchanged.</numerusform>
            <numerusform>%n contacts added, %1 updated, %2 left unchanged.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were.</source>
        <translation>
            <numerusform>%n contact already in the address book was left as it was.</numerusform>
            <numerusform>%n contacts already in the address book were left as they were.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... and %n more.</numerusform>
            <numerusform>... and %n more.</numerusform>
        </translation>
    </message>
</context>
</TS>
