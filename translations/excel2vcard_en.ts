<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
</TS>
