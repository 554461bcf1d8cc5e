<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CardDav</name>
    <message numerus="yes">
        <source>, ... (%n row(s))</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had nothing to be matched by (no e-mail address, name or company) and went under their row number, so moving them in the sheet makes them new contacts: row(s) %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had the same e-mail address, name or key as an earlier row and were sent as contacts of their own: row(s) %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
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
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were (--only-new).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
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
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 left unchanged.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
