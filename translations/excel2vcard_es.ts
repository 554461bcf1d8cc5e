<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CardDav</name>
    <message>
        <source>&quot;%1&quot; is not a server address: it must begin with https://.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server address must not hold a password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not encrypted: use https://, so that the password does not travel in clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No certificate could be read from &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; does not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The secure connection to &quot;%1&quot; failed: %3. A server with a certificate of its own needs that certificate as CA file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to &quot;%1&quot; failed: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server asks for a password, and none was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server sent the program on to &quot;%3&quot;, which is not the same server; it was not followed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server sent the program on too many times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server answered %2 %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account has no address book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account has no address book &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account has several address books; choose one of: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Not written: Birthday &quot;%1&quot; is not a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written: Anniversary &quot;%1&quot; is not a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written: Photo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left as it stands: phone number &quot;%1&quot; is not a valid number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map a column to see the card it gives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 holds no contact.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card: the e-mail cell of row %1 holds nothing but spaces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card: it has %1 KB, and %2 takes cards under %3 KB.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>There is no worksheet “%1” in “%2”: it has no worksheet at all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no worksheet “%1” in “%2”. Give one of its worksheets by name or by number (1 to %3): %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown field “%1”. The fields are: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field “%1” is mapped twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no header column “%1” in the sheet (its header columns are A to %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The column %1 is mapped twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The header “%1” is mapped more often than it stands in row 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The header “%1” is not in the sheet (see --list-headers).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: %1 of %2 pairs of the mapping file were left out:
  %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No column is mapped: no pair of the mapping fits the sheet and no header was recognised (see --list-headers).</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written to vCard files.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) left out: an e-mail cell holds only spaces (--allow-empty-email keeps them).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written. The first reason: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run excel2vcard-cli --help for the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: row 1 has %1 more header cells after column CW; only the first 101 columns are offered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Choose Saving Location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (accepted but reaches no card)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage:
  excel2vcard-cli [-m|--map &quot;HEADER=FIELD&quot;]... [--map-column LETTERS=FIELD]...
                  [--vcard-version 2.1|3.0|4.0] [--single-file] [--allow-empty-email]
                  [--phone-format e164|international] [--phone-region CC]
                  [--target generic|outlook|apple|google|android]
                  [--date-order DMY|MDY|YMD]
                  [--mapping-file FILE] [--auto-map] [--save-mapping FILE]
                  [-o|--output DIR] [--sheet NAME|NUMBER] SPREADSHEET
  excel2vcard-cli --list-headers [--sheet NAME|NUMBER] SPREADSHEET
  excel2vcard-cli --list-sheets SPREADSHEET
  excel2vcard-cli --suggest-mapping [mapping options] [--save-mapping FILE] SPREADSHEET

Converts the contacts of the first worksheet of a spreadsheet (.xlsx, .xls, .ods or
  .csv) into vCard files. Row 1 holds the column headers, every row below one contact.

  -m, --map &quot;HEADER=FIELD&quot;      Feed the column headed HEADER (the exact text) into
                                FIELD. When several columns carry that header, each
                                --map takes the next of them.
  --map-column LETTERS=FIELD    Feed the column with these letters (C, AB, ...) into
                                FIELD.
  --mapping-file FILE           Apply a mapping saved by the window (Save Mapping...) or
                                by --save-mapping. Pairs whose header is not in the
                                sheet are named in a warning on standard error and
                                left out; --map and --map-column win over the file.
  --auto-map                    Map the columns whose headers are recognised (common
                                exports, several languages) to the fields still
                                free, after --map, --map-column and --mapping-file.
  --suggest-mapping             Convert nothing: print the mapping --auto-map would
                                make, one line per pair: the column letters, a TAB,
                                the header text, a TAB, the field.
  --save-mapping FILE           Save the mapping to FILE (JSON) before converting;
                                the window and --mapping-file load it.
  --vcard-version VERSION       2.1 (the default), 3.0 or 4.0.
  --single-file                 Write every card into one file, &quot;All Contacts.vcf&quot;;
                                otherwise one file per contact, named after it.
  --allow-empty-email           Keep rows whose e-mail cell holds only spaces; by
                                default such rows are left out and counted.
  --phone-format FORMAT         Write valid telephone numbers as e164 (+16175550100)
                                or international (+1 617-555-0100); an extension is
                                kept as &quot; ext. 12&quot;. Other numbers are written as they
                                stand and counted. By default numbers are not changed.
  --phone-region CC             The country (two letters, such as US or DE) of numbers
                                written without a country code (default: the system
                                locale&apos;s country).
  --target TARGET               The address book the cards are for (default: generic,
                                cards as always). outlook: vCard 2.1, one file per
                                contact, CHARSET=UTF-8 on non-ASCII values. apple: 3.0,
                                at most 50,000 cards a file (&quot;All Contacts 2.vcf&quot;, ...),
                                each under 256 KB. google: 3.0. android: 2.1 or 3.0;
                                in 2.1 non-ASCII values as UTF-8 quoted-printable.
                                A version or --single-file the target does not take
                                is refused.
  --date-order ORDER            How dates written as numbers are read: DMY (31/12/1990),
                                MDY (12/31/1990) or YMD (1990/12/31). The default
                                follows your locale&apos;s date format.
  -o, --output DIR              The save location (default: your Documents folder).
                                A new folder named with the date and time is made
                                in it; its path is the last line on standard output.
  --list-headers                Print one line per header column of row 1: the
                                column letters, a TAB, the header text. Then the
                                &quot;Items Found: &quot; line with the number of contact rows.
  --sheet NAME|NUMBER           Read this worksheet instead of the first: its name, or
                                its number from 1 in --list-sheets. A name wins over a
                                number: &quot;--sheet 2&quot; reads a sheet named 2 if there is
                                one. Letter case counts only when two names differ by it.
  --list-sheets                 Print the names of the worksheets, one a line, in the
                                workbook&apos;s order (hidden ones too; chart sheets are not
                                worksheets). A .csv file is one sheet, named after the
                                file.
  -h, --help                    Show this text.

FIELD is one of:
%1
Mappings apply in the order given. Messages and a progress bar (on a terminal) go to
standard error. Pairs of a --mapping-file that are left out do not change the exit
status, unless no column is mapped at all.

Exit status:
  0  every contact was written;
  1  some cards (or the output folder, or the --save-mapping file) could not be
     written; the message says how many and why;
  2  bad usage, an unknown field name, a field or column mapped twice, a header that
     is not in the sheet, a worksheet the spreadsheet does not have, no column
     mapped, a --mapping-file that cannot be used, or a spreadsheet that cannot be
     read (the reason is printed).

Example:
  excel2vcard-cli -m &quot;First name=FirstName&quot; -m &quot;Last name=LastName&quot; \
      -m &quot;E-mail=EmailAddress&quot; --map-column D=MobileNumber --vcard-version 3.0 \
      -o ~/Cards contacts.xlsx
  excel2vcard-cli --auto-map --save-mapping staff.json -o ~/Cards staff.xlsx
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mapping reads HEADER=FIELD or LETTERS=FIELD, not “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vCard version is 2.1, 3.0 or 4.0, not “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target is one of %1, not “%2”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--target %1 writes vCard %2; --vcard-version %3 cannot be used with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--target %1 cannot read vCard %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--target %1 takes one contact a file; --single-file cannot be used with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date order is DMY, MDY or YMD, not “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone format is e164 or international, not “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone region is a two-letter country code such as US or DE, not “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spreadsheet given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give exactly one spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map at least one column (--map or --map-column), or use --list-headers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 mappings can be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>“%1” has changed since it was read: column %2 no longer has the header “%3”. Select the file again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cards are made for import into %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card of contact %1 has %2 KB, and %3 takes cards under %4 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) could not be read as dates</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(s) could not be read as dates</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) could not be read</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phone number(s) were left as they were</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (row %2: %3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateOrder</name>
    <message>
        <source>M/D/Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>Excel File (*.xlsx *.xls *.csv);;OpenDocument Spreadsheet (*.ods);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mapping (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>first name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name as shown; without it, first and last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>preferred e-mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second e-mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third e-mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>job title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>work address in one text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>work address: city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>work address: country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>work address: postal code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>work address: state or region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>work address: street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>work fax number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>work telephone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>department (written with a Company)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home address in one text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home address: city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home address: country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home address: postal code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home address: state or region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home address: street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home fax number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home telephone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mobile telephone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>form of address, such as Dr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name suffix, such as Jr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nickname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>birthday (a date, the year may be left out)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>anniversary (a date)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>categories, separated by &quot;,&quot; or &quot;;&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other telephone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pager number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>personal web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>photo: a picture file&apos;s path or a web address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mapping</name>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not JSON (%1 at character %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no JSON object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no “format” number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is written in format %1; this version reads format %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no “pairs” list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair %1 is not a JSON object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair %1 has no “header” text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair %1 has no “field” name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair %1 has a “column” that is not column letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a mapping this program can load: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the header is not in this sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field is not one of this program&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column or the field is mapped already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” → %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” (column %2) → %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>“%1” cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: too many folders of that name exist already.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Photo</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder, not an image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an image that can be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>image too large (%1 x %2 pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be made small enough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an http or https address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a valid web address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>a sheet&apos;s position in the workbook is wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or macros).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook ends before its last record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a record runs past the end of the workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its workbook does not begin like an Excel workbook).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is in the format of Excel 4 or older, which this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is in an Excel format this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a workbook this program reads (it holds no worksheet).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a code-page record is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a date-mode record is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook&apos;s global part does not end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its password record is malformed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is protected with a password. Open it in your spreadsheet program, remove the password and save it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sheet record is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sheet name runs past its record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds two shared-string tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the shared-string table is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a shared string runs past its records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a shared string is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a cell beyond the %1 rows and %2 columns an .xls sheet can have, so the file is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text runs past its record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number record is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a multiple-number record has a wrong length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text record is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a truth-value record is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a formula record is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has more than %1 rows, more than a worksheet holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 has more than %2 fields, more than a worksheet has columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a field in row %1 is longer than %2 characters, more than a cell may hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains a NUL character (line %1), so it is not a plain text list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (its UTF-16 text ends in the middle of a character).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has a cell beyond the last row a worksheet can hold (row 1,048,576).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has a cell beyond the last column a worksheet can hold (column XFD).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds more cells than this program can keep (its repeated rows and columns add up to tens of millions of cells).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (its content part, content.xml, is missing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its content holds no table body).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a word-processing document, not a spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a presentation, not a spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a drawing, not a spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is an e-book, not a spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a document of another kind (%1), not a spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a zip archive, not a spreadsheet (it holds neither a workbook nor an OpenDocument spreadsheet).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has a cell beyond the last row or column a worksheet can hold (row 1,048,576, column XFD).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds more than %1 cells, more than this program reads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a text longer than any cell may be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (a cell refers to a shared text that does not exist).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no worksheet number %1 (it has %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items Found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a web page or XML document, not a spreadsheet. Open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a spreadsheet in a format this program reads (.xlsx, .xls, .ods or .csv).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no worksheet was chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook stream is larger than the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its workbook is larger than the 512 MB this program reads from an .xls file. Save it as .xlsx in your spreadsheet program and choose that file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its workbook stream cannot be read to the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its compound-file structure is broken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a spreadsheet (the file holds no workbook; it may be a document of another program).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its workbook stream cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds more shared texts than this program can keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (its first worksheet, %1, is missing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (its worksheet number %1, %2, is missing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (its first sheet, %1, is not a worksheet).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (its sheet number %1, %2, is not a worksheet).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the package relationships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a binary workbook (.xlsb), which this program does not read. Save it as .xlsx and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the content types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its package names no main document).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (its workbook part, %1, is missing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its main part is not a workbook).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (the relationships of its workbook part are missing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or other kinds of sheets).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the shared texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the styles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: unbound prefix at line %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1 nests elements more than %2 levels deep).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contains a document type declaration, which this program refuses for safety (it may define entities that expand without end).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 defines XML entities, which this program refuses for safety.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: %2 at line %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1 holds a tag longer than %2 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (the checksum of %1 does not match).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (the compressed data of %1 is corrupt).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged or incomplete (%1 cannot be read in full; the file may have been cut short).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is protected by a password (its parts are encrypted). Save it again without a password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part %1 is compressed with a method this program does not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1 cannot be read: %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 bytes, more than this program accepts for one part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 times its compressed size; the file looks like a zip bomb and is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1 inflates to %2 bytes, but its zip directory says %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged or incomplete (the directory at the end of its zip package is missing; the file may have been cut short).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (the directory of its zip package is inconsistent).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (its zip package cannot be opened: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (a part of its zip package is missing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (its zip directory gives %1 a compressed size larger than the whole file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged (%1 is far longer than it should be).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Map Excel Column to Outlook Attribute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Map recognised no further column header.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the %2 pairs of the mapping were left out:
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 imports only the first card of a file: one file per contact.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written to vCard files. The first reason: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wizard steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About &amp;Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Excel (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Excel File :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto &amp;Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Mapping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Mapping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Fields (Excel to vCard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How birthdays and anniversaries written as numbers are read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import into:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book the cards are written for: it decides the versions offered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format p&amp;hone numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country of the numbers written without a country code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E.164</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone number form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card &amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which contact the card preview shows, counted over the rows that are converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an Excel file to see a contact&apos;s card here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(row %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
