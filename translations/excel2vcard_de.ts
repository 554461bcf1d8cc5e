<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CardDav</name>
    <message>
        <source>&quot;%1&quot; is not a server address: it must begin with https://.</source>
        <translation>„%1“ ist keine Serveradresse: Die Adresse muss mit https:// beginnen.</translation>
    </message>
    <message>
        <source>The server address must not hold a password.</source>
        <translation>Die Serveradresse darf kein Passwort enthalten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not encrypted: use https://, so that the password does not travel in clear.</source>
        <translation>„%1“ ist nicht verschlüsselt: Verwenden Sie https://, damit das Passwort nicht im Klartext übertragen wird.</translation>
    </message>
    <message>
        <source>No certificate could be read from &quot;%3&quot;.</source>
        <translation>Aus „%3“ konnte kein Zertifikat gelesen werden.</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; was not found.</source>
        <translation>Der Server von „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; does not answer.</source>
        <translation>Der Server von „%1“ antwortet nicht.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Der Server hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The secure connection to &quot;%1&quot; failed: %3. A server with a certificate of its own needs that certificate as CA file.</source>
        <translation>Die sichere Verbindung zu „%1“ ist fehlgeschlagen: %3. Ein Server mit eigenem Zertifikat benötigt dieses Zertifikat als CA-Datei.</translation>
    </message>
    <message>
        <source>The connection to &quot;%1&quot; failed: %3.</source>
        <translation>Die Verbindung zu „%1“ ist fehlgeschlagen: %3.</translation>
    </message>
    <message>
        <source>The server asks for a password, and none was given.</source>
        <translation>Der Server verlangt ein Passwort, es wurde aber keines angegeben.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Der Server hat den Benutzernamen oder das Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>The server sent the program on to &quot;%3&quot;, which is not the same server; it was not followed.</source>
        <translation>Der Server hat das Programm an „%3“ weitergeleitet, einen anderen Server; der Weiterleitung wurde nicht gefolgt.</translation>
    </message>
    <message>
        <source>The server sent the program on too many times.</source>
        <translation>Der Server hat das Programm zu oft weitergeleitet.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large.</source>
        <translation>Die Antwort des Servers war zu groß.</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read: %3.</source>
        <translation>Die Antwort des Servers konnte nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>The server answered %2 %3.</source>
        <translation>Der Server hat mit %2 %3 geantwortet.</translation>
    </message>
    <message>
        <source>The account has no address book.</source>
        <translation>Das Konto hat kein Adressbuch.</translation>
    </message>
    <message>
        <source>The account has no address book &quot;%3&quot;.</source>
        <translation>Das Konto hat kein Adressbuch „%3“.</translation>
    </message>
    <message>
        <source>The account has several address books; choose one of: %3.</source>
        <translation>Das Konto hat mehrere Adressbücher; wählen Sie eines davon: %3.</translation>
    </message>
    <message numerus="yes">
        <source>, ... (%n row(s))</source>
        <translation>
            <numerusform>, ... (%n Zeile)</numerusform>
            <numerusform>, ... (%n Zeilen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had nothing to be matched by (no e-mail address, name or company) and went under their row number, so moving them in the sheet makes them new contacts: row(s) %1.</source>
        <translation>
            <numerusform>%n Kontakt hatte kein Erkennungsmerkmal (keine E-Mail-Adresse, keinen Namen, keine Firma) und wird an seiner Zeilennummer erkannt; wird er im Arbeitsblatt verschoben, gilt er als neuer Kontakt: Zeile %1.</numerusform>
            <numerusform>%n Kontakte hatten kein Erkennungsmerkmal (keine E-Mail-Adresse, keinen Namen, keine Firma) und werden an ihrer Zeilennummer erkannt; werden sie im Arbeitsblatt verschoben, gelten sie als neue Kontakte: Zeilen %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had the same e-mail address, name or key as an earlier row and were sent as contacts of their own: row(s) %1.</source>
        <translation>
            <numerusform>%n Kontakt hatte dieselbe E-Mail-Adresse, denselben Namen oder Schlüssel wie eine vorhergehende Zeile und wurde als eigener Kontakt gesendet: Zeile %1.</numerusform>
            <numerusform>%n Kontakte hatten dieselbe E-Mail-Adresse, denselben Namen oder Schlüssel wie eine vorhergehende Zeile und wurden als eigene Kontakte gesendet: Zeilen %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Not written: Birthday &quot;%1&quot; is not a date</source>
        <translation>Nicht geschrieben: Geburtstag „%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>Not written: Anniversary &quot;%1&quot; is not a date</source>
        <translation>Nicht geschrieben: Jahrestag „%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>Not written: Photo %1</source>
        <translation>Nicht geschrieben: Foto %1</translation>
    </message>
    <message>
        <source>Left as it stands: phone number &quot;%1&quot; is not a valid number</source>
        <translation>Unverändert übernommen: Telefonnummer „%1“ ist keine gültige Nummer</translation>
    </message>
    <message>
        <source>Map a column to see the card it gives.</source>
        <translation>Ordnen Sie eine Spalte zu, um die vCard zu sehen, die daraus entsteht.</translation>
    </message>
    <message>
        <source>Row %1 holds no contact.</source>
        <translation>Zeile %1 enthält keinen Kontakt.</translation>
    </message>
    <message>
        <source>No card: the e-mail cell of row %1 holds nothing but spaces.</source>
        <translation>Keine vCard: Die E-Mail-Zelle in Zeile %1 enthält nur Leerzeichen.</translation>
    </message>
    <message>
        <source>No card: it has %1 KB, and %2 takes cards under %3 KB.</source>
        <translation>Keine vCard: Die vCard wäre %1 KB groß, und %2 nimmt nur vCards unter %3 KB an.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>There is no worksheet “%1” in “%2”: it has no worksheet at all.</source>
        <translation>In „%2“ gibt es kein Arbeitsblatt „%1“: Die Datei enthält überhaupt kein Arbeitsblatt.</translation>
    </message>
    <message>
        <source>There is no worksheet “%1” in “%2”. Give one of its worksheets by name or by number (1 to %3): %4.</source>
        <translation>In „%2“ gibt es kein Arbeitsblatt „%1“. Geben Sie eines der vorhandenen Arbeitsblätter mit Namen oder Nummer (1 bis %3) an: %4.</translation>
    </message>
    <message>
        <source>Unknown field “%1”. The fields are: %2.</source>
        <translation>Unbekanntes Feld „%1“. Mögliche Felder: %2.</translation>
    </message>
    <message>
        <source>The field “%1” is mapped twice.</source>
        <translation>Das Feld „%1“ ist zweimal zugeordnet.</translation>
    </message>
    <message>
        <source>There is no header column “%1” in the sheet (its header columns are A to %2).</source>
        <translation>Das Arbeitsblatt hat keine Spalte „%1“ mit Überschrift (Spalten mit Überschrift: A bis %2).</translation>
    </message>
    <message>
        <source>The column %1 is mapped twice.</source>
        <translation>Die Spalte %1 ist zweimal zugeordnet.</translation>
    </message>
    <message>
        <source>The header “%1” is mapped more often than it stands in row 1.</source>
        <translation>Die Überschrift „%1“ ist öfter zugeordnet, als sie in Zeile 1 vorkommt.</translation>
    </message>
    <message>
        <source>The header “%1” is not in the sheet (see --list-headers).</source>
        <translation>Die Überschrift „%1“ kommt im Arbeitsblatt nicht vor (siehe --list-headers).</translation>
    </message>
    <message>
        <source>Warning: %1 of %2 pairs of the mapping file were left out:
  %3</source>
        <translation>Warnung: %1 von %2 Paaren der Zuordnungsdatei wurden ausgelassen:
  %3</translation>
    </message>
    <message>
        <source>No column is mapped: no pair of the mapping fits the sheet and no header was recognised (see --list-headers).</source>
        <translation>Keine Spalte ist zugeordnet: Kein Paar der Zuordnung passt zum Arbeitsblatt, und keine Überschrift wurde erkannt (siehe --list-headers).</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written to vCard files.</source>
        <translation>
            <numerusform>%n Kontakt wurde in vCard-Dateien geschrieben.</numerusform>
            <numerusform>%n Kontakte wurden in vCard-Dateien geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) left out: an e-mail cell holds only spaces (--allow-empty-email keeps them).</source>
        <translation>
            <numerusform>%n Zeile wurde ausgelassen, weil ihre E-Mail-Zelle nur Leerzeichen enthält (--allow-empty-email behält solche Zeilen).</numerusform>
            <numerusform>%n Zeilen wurden ausgelassen, weil ihre E-Mail-Zellen nur Leerzeichen enthalten (--allow-empty-email behält solche Zeilen).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written. The first reason: %3</source>
        <translation>%1 von %2 Kontakten konnten nicht geschrieben werden. Erster Grund: %3</translation>
    </message>
    <message>
        <source>Run excel2vcard-cli --help for the options.</source>
        <translation>Die Optionen zeigt excel2vcard-cli --help.</translation>
    </message>
    <message>
        <source>Note: row 1 has %1 more header cells after column CW; only the first 101 columns are offered.</source>
        <translation>Hinweis: Zeile 1 hat nach Spalte CW noch %1 weitere Überschriftenzellen; nur die ersten 101 Spalten werden angeboten.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location.</source>
        <translation>Bitte wählen Sie einen Speicherort.</translation>
    </message>
    <message>
        <source> (accepted but reaches no card)</source>
        <translation> (angenommen, aber in keine vCard übernommen)</translation>
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
        <translation>Aufruf:
  excel2vcard-cli [-m|--map &quot;HEADER=FIELD&quot;]... [--map-column LETTERS=FIELD]...
                  [--vcard-version 2.1|3.0|4.0] [--single-file]
                  [--allow-empty-email]
                  [--phone-format e164|international] [--phone-region CC]
                  [--target generic|outlook|apple|google|android]
                  [--date-order DMY|MDY|YMD]
                  [--mapping-file FILE] [--auto-map] [--save-mapping FILE]
                  [-o|--output DIR] [--sheet NAME|NUMBER] SPREADSHEET
  excel2vcard-cli --list-headers [--sheet NAME|NUMBER] SPREADSHEET
  excel2vcard-cli --list-sheets SPREADSHEET
  excel2vcard-cli --suggest-mapping [Zuordnungsoptionen] [--save-mapping FILE]
                  SPREADSHEET

Wandelt die Kontakte des ersten Arbeitsblatts eines Tabellendokuments (.xlsx,
  .xls, .ods oder .csv) in vCard-Dateien um. Zeile 1 enthält die
  Spaltenüberschriften, jede Zeile darunter einen Kontakt.

  -m, --map &quot;HEADER=FIELD&quot;      Überträgt die Spalte mit der Überschrift HEADER
                                (genau dieser Text) in FIELD. Tragen mehrere
                                Spalten diese Überschrift, nimmt jedes --map die
                                nächste davon.
  --map-column LETTERS=FIELD    Überträgt die Spalte mit diesen Buchstaben
                                (C, AB, ...) in FIELD.
  --mapping-file FILE           Wendet eine Zuordnung an, die im Fenster
                                (Zuordnung speichern...) oder mit --save-mapping
                                gespeichert wurde. Paare, deren Überschrift
                                nicht im Arbeitsblatt steht, werden in einer
                                Warnung auf der Standardfehlerausgabe genannt
                                und ausgelassen; --map und --map-column haben
                                Vorrang vor der Datei.
  --auto-map                    Ordnet die Spalten, deren Überschriften erkannt
                                werden (übliche Exporte, mehrere Sprachen), den
                                noch freien Feldern zu, nach --map, --map-column
                                und --mapping-file.
  --suggest-mapping             Wandelt nichts um: Gibt die Zuordnung aus, die
                                --auto-map vornehmen würde, eine Zeile pro Paar:
                                die Spaltenbuchstaben, ein TAB, der Text der
                                Überschrift, ein TAB, das Feld.
  --save-mapping FILE           Speichert die Zuordnung vor dem Umwandeln in
                                FILE (JSON); das Fenster und --mapping-file
                                laden sie.
  --vcard-version VERSION       2.1 (Standard), 3.0 oder 4.0.
  --single-file                 Schreibt alle vCards in eine Datei,
                                „All Contacts.vcf“; sonst eine Datei pro
                                Kontakt, nach ihm benannt.
  --allow-empty-email           Behält Zeilen, deren E-Mail-Zelle nur
                                Leerzeichen enthält; standardmäßig werden solche
                                Zeilen ausgelassen und gezählt.
  --phone-format FORMAT         Schreibt gültige Telefonnummern als e164
                                (+16175550100) oder international
                                (+1 617-555-0100); eine Durchwahl bleibt als
                                „ ext. 12“ erhalten. Andere Nummern werden
                                unverändert geschrieben und gezählt.
                                Standardmäßig werden Nummern nicht geändert.
  --phone-region CC             Das Land (zwei Buchstaben, etwa US oder DE) von
                                Nummern, die ohne Ländervorwahl geschrieben sind
                                (Standard: das Land des Gebietsschemas des
                                Systems).
  --target TARGET               Das Adressbuch, für das die vCards bestimmt sind
                                (Standard: generic, vCards wie immer). outlook:
                                vCard 2.1, eine Datei pro Kontakt, CHARSET=UTF-8
                                bei Nicht-ASCII-Werten. apple: 3.0, höchstens
                                50.000 vCards pro Datei
                                („All Contacts 2.vcf“, ...), jede unter 256 KB.
                                google: 3.0. android: 2.1 oder 3.0; bei 2.1
                                Nicht-ASCII-Werte als UTF-8 quoted-printable.
                                Eine Version oder --single-file, die das Ziel
                                nicht annimmt, wird abgelehnt.
  --date-order ORDER            Wie als Zahlen geschriebene Datumsangaben
                                gelesen werden: DMY (31/12/1990), MDY
                                (12/31/1990) oder YMD (1990/12/31).
                                Standardmäßig gilt das Datumsformat Ihres
                                Gebietsschemas.
  -o, --output DIR              Der Speicherort (Standard: Ihr
                                Dokumente-Ordner). Darin wird ein neuer Ordner
                                angelegt, der nach Datum und Uhrzeit benannt
                                ist; sein Pfad ist die letzte Zeile der
                                Standardausgabe.
  --list-headers                Gibt eine Zeile pro Überschriftenspalte von
                                Zeile 1 aus: die Spaltenbuchstaben, ein TAB, der
                                Text der Überschrift. Danach die Zeile
                                „Items Found: “ mit der Anzahl der
                                Kontaktzeilen.
  --sheet NAME|NUMBER           Liest dieses Arbeitsblatt statt des ersten:
                                seinen Namen oder seine Nummer ab 1 wie in
                                --list-sheets. Ein Name hat Vorrang vor einer
                                Nummer: „--sheet 2“ liest ein Blatt namens 2,
                                falls es eines gibt. Groß- und Kleinschreibung
                                zählt nur, wenn sich zwei Namen allein darin
                                unterscheiden.
  --list-sheets                 Gibt die Namen der Arbeitsblätter aus, einen pro
                                Zeile, in der Reihenfolge der Arbeitsmappe (auch
                                ausgeblendete; Diagrammblätter sind keine
                                Arbeitsblätter). Eine .csv-Datei ist ein Blatt,
                                benannt nach der Datei.
  -h, --help                    Zeigt diesen Text an.

FIELD ist eines der folgenden Felder:
%1
Zuordnungen gelten in der angegebenen Reihenfolge. Meldungen und ein
Fortschrittsbalken (in einem Terminal) gehen an die Standardfehlerausgabe.
Ausgelassene Paare einer --mapping-file ändern den Exit-Status nicht, außer wenn
gar keine Spalte zugeordnet ist.

Exit-Status:
  0  alle Kontakte wurden geschrieben;
  1  einige vCards (oder der Ausgabeordner oder die --save-mapping-Datei)
     konnten nicht geschrieben werden; die Meldung nennt Anzahl und Grund;
  2  falscher Aufruf, ein unbekannter Feldname, ein Feld oder eine Spalte
     doppelt zugeordnet, eine Überschrift, die nicht im Arbeitsblatt steht, ein
     Arbeitsblatt, das es im Tabellendokument nicht gibt, keine Spalte
     zugeordnet, eine unbrauchbare --mapping-file oder ein Tabellendokument, das
     nicht gelesen werden kann (der Grund wird ausgegeben).

Beispiel:
  excel2vcard-cli -m &quot;First name=FirstName&quot; -m &quot;Last name=LastName&quot; \
      -m &quot;E-mail=EmailAddress&quot; --map-column D=MobileNumber --vcard-version 3.0 \
      -o ~/Cards contacts.xlsx
  excel2vcard-cli --auto-map --save-mapping staff.json -o ~/Cards staff.xlsx
</translation>
    </message>
    <message>
        <source>A mapping reads HEADER=FIELD or LETTERS=FIELD, not “%1”.</source>
        <translation>Eine Zuordnung lautet HEADER=FIELD oder LETTERS=FIELD, nicht „%1“.</translation>
    </message>
    <message>
        <source>The vCard version is 2.1, 3.0 or 4.0, not “%1”.</source>
        <translation>Die vCard-Version muss 2.1, 3.0 oder 4.0 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>The target is one of %1, not “%2”.</source>
        <translation>Das Ziel muss eines von %1 sein, nicht „%2“.</translation>
    </message>
    <message>
        <source>--target %1 writes vCard %2; --vcard-version %3 cannot be used with it.</source>
        <translation>--target %1 schreibt vCard %2; --vcard-version %3 kann damit nicht verwendet werden.</translation>
    </message>
    <message>
        <source>--target %1 cannot read vCard %2.</source>
        <translation>--target %1 kann vCard %2 nicht lesen.</translation>
    </message>
    <message>
        <source>--target %1 takes one contact a file; --single-file cannot be used with it.</source>
        <translation>--target %1 nimmt einen Kontakt pro Datei an; --single-file kann damit nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The date order is DMY, MDY or YMD, not “%1”.</source>
        <translation>Die Datumsreihenfolge muss DMY, MDY oder YMD sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>The phone format is e164 or international, not “%1”.</source>
        <translation>Das Telefonnummernformat muss e164 oder international sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>The phone region is a two-letter country code such as US or DE, not “%1”.</source>
        <translation>Die Telefonregion muss ein Ländercode aus zwei Buchstaben sein, etwa US oder DE, nicht „%1“.</translation>
    </message>
    <message>
        <source>No spreadsheet given.</source>
        <translation>Kein Tabellendokument angegeben.</translation>
    </message>
    <message>
        <source>Give exactly one spreadsheet.</source>
        <translation>Geben Sie genau ein Tabellendokument an.</translation>
    </message>
    <message>
        <source>Map at least one column (--map or --map-column), or use --list-headers.</source>
        <translation>Ordnen Sie mindestens eine Spalte zu (--map oder --map-column), oder verwenden Sie --list-headers.</translation>
    </message>
    <message>
        <source>At most %1 mappings can be made.</source>
        <translation>Es können höchstens %1 Zuordnungen vorgenommen werden.</translation>
    </message>
    <message>
        <source>
Sending the contacts to an address book on a server (CardDAV):
  excel2vcard-cli [mapping options] --carddav URL --user NAME [--addressbook BOOK]
                  [--ca-file FILE] [--password-file FILE] [--uid-column LETTERS]
                  [--only-new] SPREADSHEET
  excel2vcard-cli --carddav URL --user NAME [--ca-file FILE] --list-addressbooks

  --carddav URL                 Send the cards to an address book on this server
                                instead of writing files: the server&apos;s address, the
                                account&apos;s or the address book&apos;s own. https://, or
                                http:// to this machine only. The cards are vCard 3.0
                                (4.0 with --vcard-version 4.0 when the address book
                                takes it); a second run updates the contacts it sent
                                before instead of adding them again. Nothing on the
                                server is ever deleted. --target outlook and android,
                                --single-file and --output cannot be used with it.
  --user NAME                   The user name of the account.
  --addressbook BOOK            The address book, by name or address (see
                                --list-addressbooks); needed when the account has
                                several.
  --ca-file FILE                Trust the certificates of this PEM file as well as the
                                system&apos;s (a server with a certificate of its own).
  --password-file FILE          Read the password from the first line of FILE. The
                                password is asked for only when the server asks for
                                one: from the environment variable
                                E2V_CARDDAV_PASSWORD, this file, the desktop&apos;s keyring
                                (as the window remembers it), or a prompt on the
                                terminal.
  --uid-column LETTERS          Match the contacts on the server by the text of this
                                column. By default by the first e-mail address, else
                                by name and company, else by the row number (the
                                report names those rows).
  --only-new                    Add the contacts the address book does not hold yet;
                                leave those it holds as they are.
  --list-addressbooks           Print the account&apos;s address books, one a line: the
                                address, a TAB, the name.

The report on standard error: &quot;N contacts added, M updated, K unchanged, F not sent&quot;,
then each contact not sent with its row and the server&apos;s reason; the address book&apos;s
address is the last line on standard output. Exit status 0: every contact was sent or
was unchanged; 1: some were not sent; 2: nothing could be sent (bad usage, the sign-in
was refused, no password, the address book was not found or not chosen among several,
the server&apos;s certificate is not trusted, the server cannot be reached).
</source>
        <translation>
Senden der Kontakte an ein Adressbuch auf einem Server (CardDAV):
  excel2vcard-cli [Zuordnungsoptionen] --carddav URL --user NAME
                  [--addressbook BOOK] [--ca-file FILE] [--password-file FILE]
                  [--uid-column LETTERS] [--only-new] SPREADSHEET
  excel2vcard-cli --carddav URL --user NAME [--ca-file FILE] --list-addressbooks

  --carddav URL                 Sendet die vCards an ein Adressbuch auf diesem
                                Server, statt Dateien zu schreiben. URL ist die
                                Adresse des Servers, des Kontos oder des
                                Adressbuchs selbst; https:// oder, nur zu diesem
                                Rechner, http://. Die vCards haben das Format
                                vCard 3.0 (4.0 mit --vcard-version 4.0, wenn das
                                Adressbuch es annimmt); ein zweiter Lauf
                                aktualisiert die zuvor gesendeten Kontakte,
                                statt sie erneut hinzuzufügen. Auf dem Server
                                wird nie etwas gelöscht. --target outlook und
                                android, --single-file und --output können damit
                                nicht verwendet werden.
  --user NAME                   Der Benutzername des Kontos.
  --addressbook BOOK            Das Adressbuch, mit Namen oder Adresse (siehe
                                --list-addressbooks); nötig, wenn das Konto
                                mehrere hat.
  --ca-file FILE                Vertraut den Zertifikaten dieser PEM-Datei
                                zusätzlich zu denen des Systems (für einen
                                Server mit eigenem Zertifikat).
  --password-file FILE          Liest das Passwort aus der ersten Zeile von
                                FILE. Ein Passwort wird nur geholt, wenn der
                                Server eines verlangt: aus der
                                Umgebungsvariablen E2V_CARDDAV_PASSWORD, aus
                                dieser Datei, aus dem Schlüsselbund des Desktops
                                (wo das Fenster es speichert) oder per Abfrage
                                im Terminal.
  --uid-column LETTERS          Erkennt die Kontakte auf dem Server am Text
                                dieser Spalte. Standardmäßig an der ersten
                                E-Mail-Adresse, sonst an Name und Firma, sonst
                                an der Zeilennummer (der Bericht nennt diese
                                Zeilen).
  --only-new                    Fügt die Kontakte hinzu, die das Adressbuch noch
                                nicht enthält; die vorhandenen bleiben, wie sie
                                sind.
  --list-addressbooks           Gibt die Adressbücher des Kontos aus, eines pro
                                Zeile: die Adresse, ein TAB, der Name.

Der Bericht auf der Standardfehlerausgabe:
„N Kontakte hinzugefügt, M aktualisiert, K unverändert, F nicht gesendet“, dann
jeder nicht gesendete Kontakt mit seiner Zeile und dem Grund des Servers; die
Adresse des Adressbuchs ist die letzte Zeile der Standardausgabe. Exit-Status 0:
jeder Kontakt wurde gesendet oder war unverändert; 1: einige wurden nicht
gesendet; 2: nichts konnte gesendet werden (falscher Aufruf, die Anmeldung wurde
abgelehnt, kein Passwort, das Adressbuch wurde nicht gefunden oder unter
mehreren nicht gewählt, dem Zertifikat des Servers wird nicht vertraut, der
Server ist nicht erreichbar).
</translation>
    </message>
    <message>
        <source>--%1 needs --carddav.</source>
        <translation>--%1 erfordert --carddav.</translation>
    </message>
    <message>
        <source>--carddav needs the user name (--user NAME).</source>
        <translation>--carddav erfordert den Benutzernamen (--user NAME).</translation>
    </message>
    <message>
        <source>--target %1 makes files to import; it cannot be used with --carddav.</source>
        <translation>--target %1 erstellt Dateien zum Importieren; --carddav kann damit nicht verwendet werden.</translation>
    </message>
    <message>
        <source>--%1 is about files; it cannot be used with --carddav.</source>
        <translation>--%1 betrifft Dateien; --carddav kann damit nicht verwendet werden.</translation>
    </message>
    <message>
        <source>An address book on a server takes vCard 3.0 or 4.0, not 2.1.</source>
        <translation>Ein Adressbuch auf einem Server nimmt vCard 3.0 oder 4.0 an, nicht 2.1.</translation>
    </message>
    <message>
        <source>--uid-column takes column letters (A, AB, ...), not “%1”.</source>
        <translation>--uid-column erwartet Spaltenbuchstaben (A, AB, ...), nicht „%1“.</translation>
    </message>
    <message>
        <source>--list-addressbooks takes no spreadsheet.</source>
        <translation>--list-addressbooks erwartet kein Tabellendokument.</translation>
    </message>
    <message>
        <source>The password file “%1” cannot be read: %2.</source>
        <translation>Die Passwortdatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Password of %1 at %2: </source>
        <translation>Passwort für %1 auf %2: </translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>Die Adressbücher des Kontos: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 unchanged, %3 not sent</source>
        <translation>
            <numerusform>%n Kontakt hinzugefügt, %1 aktualisiert, %2 unverändert, %3 nicht gesendet</numerusform>
            <numerusform>%n Kontakte hinzugefügt, %1 aktualisiert, %2 unverändert, %3 nicht gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were (--only-new).</source>
        <translation>
            <numerusform>%n Kontakt, der schon im Adressbuch war, blieb unverändert (--only-new).</numerusform>
            <numerusform>%n Kontakte, die schon im Adressbuch waren, blieben unverändert (--only-new).</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>Nicht gesendet: Zeile %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>“%1” has changed since it was read: column %2 no longer has the header “%3”. Select the file again.</source>
        <translation>„%1“ wurde seit dem Einlesen geändert: Spalte %2 hat nicht mehr die Überschrift „%3“. Wählen Sie die Datei erneut aus.</translation>
    </message>
    <message>
        <source>The cards are made for import into %1.</source>
        <translation>Die vCards wurden für den Import in %1 erstellt.</translation>
    </message>
    <message>
        <source>the card of contact %1 has %2 KB, and %3 takes cards under %4 KB</source>
        <translation>die vCard von Kontakt %1 ist %2 KB groß, und %3 nimmt nur vCards unter %4 KB an</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) could not be read as dates</source>
        <translation>
            <numerusform>%n Geburtstag konnte nicht als Datum gelesen werden</numerusform>
            <numerusform>%n Geburtstage konnten nicht als Datum gelesen werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(s) could not be read as dates</source>
        <translation>
            <numerusform>%n Jahrestag konnte nicht als Datum gelesen werden</numerusform>
            <numerusform>%n Jahrestage konnten nicht als Datum gelesen werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) could not be read</source>
        <translation>
            <numerusform>%n Foto konnte nicht gelesen werden</numerusform>
            <numerusform>%n Fotos konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phone number(s) were left as they were</source>
        <translation>
            <numerusform>%n Telefonnummer blieb unverändert</numerusform>
            <numerusform>%n Telefonnummern blieben unverändert</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (row %2: %3)</source>
        <translation>%1 (Zeile %2: %3)</translation>
    </message>
</context>
<context>
    <name>DateOrder</name>
    <message>
        <source>M/D/Y</source>
        <translation>M/T/J</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>J/M/T</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>T/M/J</translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>Excel File (*.xlsx *.xls *.csv);;OpenDocument Spreadsheet (*.ods);;All files (*)</source>
        <translation>Excel-Datei (*.xlsx *.xls *.csv);;OpenDocument-Tabelle (*.ods);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Mapping (*.json);;All files (*)</source>
        <translation>Zuordnung (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>first name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>name as shown; without it, first and last name</source>
        <translation>angezeigter Name; ohne ihn Vor- und Nachname</translation>
    </message>
    <message>
        <source>preferred e-mail address</source>
        <translation>bevorzugte E-Mail-Adresse</translation>
    </message>
    <message>
        <source>second e-mail address</source>
        <translation>zweite E-Mail-Adresse</translation>
    </message>
    <message>
        <source>third e-mail address</source>
        <translation>dritte E-Mail-Adresse</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>Berufsbezeichnung</translation>
    </message>
    <message>
        <source>company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>work address in one text</source>
        <translation>Geschäftsadresse als ein Text</translation>
    </message>
    <message>
        <source>work address: city</source>
        <translation>Geschäftsadresse: Ort</translation>
    </message>
    <message>
        <source>work address: country</source>
        <translation>Geschäftsadresse: Land</translation>
    </message>
    <message>
        <source>work address: postal code</source>
        <translation>Geschäftsadresse: Postleitzahl</translation>
    </message>
    <message>
        <source>work address: state or region</source>
        <translation>Geschäftsadresse: Bundesland oder Region</translation>
    </message>
    <message>
        <source>work address: street</source>
        <translation>Geschäftsadresse: Straße</translation>
    </message>
    <message>
        <source>work fax number</source>
        <translation>geschäftliche Faxnummer</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>work telephone number</source>
        <translation>geschäftliche Telefonnummer</translation>
    </message>
    <message>
        <source>department (written with a Company)</source>
        <translation>Abteilung (nur zusammen mit Company geschrieben)</translation>
    </message>
    <message>
        <source>home address in one text</source>
        <translation>Privatadresse als ein Text</translation>
    </message>
    <message>
        <source>home address: city</source>
        <translation>Privatadresse: Ort</translation>
    </message>
    <message>
        <source>home address: country</source>
        <translation>Privatadresse: Land</translation>
    </message>
    <message>
        <source>home address: postal code</source>
        <translation>Privatadresse: Postleitzahl</translation>
    </message>
    <message>
        <source>home address: state or region</source>
        <translation>Privatadresse: Bundesland oder Region</translation>
    </message>
    <message>
        <source>home address: street</source>
        <translation>Privatadresse: Straße</translation>
    </message>
    <message>
        <source>home fax number</source>
        <translation>private Faxnummer</translation>
    </message>
    <message>
        <source>home telephone number</source>
        <translation>private Telefonnummer</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>zweiter Vorname</translation>
    </message>
    <message>
        <source>mobile telephone number</source>
        <translation>Mobiltelefonnummer</translation>
    </message>
    <message>
        <source>form of address, such as Dr</source>
        <translation>Anrede, etwa Dr.</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>name suffix, such as Jr.</source>
        <translation>Namenszusatz, etwa jun.</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>birthday (a date, the year may be left out)</source>
        <translation>Geburtstag (ein Datum, das Jahr darf fehlen)</translation>
    </message>
    <message>
        <source>anniversary (a date)</source>
        <translation>Jahrestag (ein Datum)</translation>
    </message>
    <message>
        <source>categories, separated by &quot;,&quot; or &quot;;&quot;</source>
        <translation>Kategorien, getrennt durch „,“ oder „;“</translation>
    </message>
    <message>
        <source>other telephone number</source>
        <translation>weitere Telefonnummer</translation>
    </message>
    <message>
        <source>pager number</source>
        <translation>Pager-Nummer</translation>
    </message>
    <message>
        <source>personal web page</source>
        <translation>persönliche Webseite</translation>
    </message>
    <message>
        <source>photo: a picture file&apos;s path or a web address</source>
        <translation>Foto: Pfad einer Bilddatei oder eine Webadresse</translation>
    </message>
</context>
<context>
    <name>Mapping</name>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Bitte wählen Sie das Outlook-Feld aus.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Bitte wählen Sie das Excel-Feld aus.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Wählen Sie einen Eintrag aus den hinzugefügten Feldern aus.</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at character %2)</source>
        <translation>die Datei ist kein JSON (%1 bei Zeichen %2)</translation>
    </message>
    <message>
        <source>it holds no JSON object</source>
        <translation>die Datei enthält kein JSON-Objekt</translation>
    </message>
    <message>
        <source>it has no “format” number</source>
        <translation>die Datei hat keine „format“-Nummer</translation>
    </message>
    <message>
        <source>it is written in format %1; this version reads format %2</source>
        <translation>die Datei hat das Format %1; diese Version liest Format %2</translation>
    </message>
    <message>
        <source>it has no “pairs” list</source>
        <translation>die Datei hat keine „pairs“-Liste</translation>
    </message>
    <message>
        <source>pair %1 is not a JSON object</source>
        <translation>Paar %1 ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>pair %1 has no “header” text</source>
        <translation>Paar %1 hat keinen „header“-Text</translation>
    </message>
    <message>
        <source>pair %1 has no “field” name</source>
        <translation>Paar %1 hat keinen „field“-Namen</translation>
    </message>
    <message>
        <source>pair %1 has a “column” that is not column letters</source>
        <translation>Paar %1 hat eine „column“, die keine Spaltenbuchstaben sind</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be read: %2.</source>
        <translation>Die Zuordnungsdatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a mapping this program can load: %2.</source>
        <translation>„%1“ ist keine Zuordnung, die dieses Programm laden kann: %2.</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be written: %2.</source>
        <translation>Die Zuordnungsdatei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the header is not in this sheet</source>
        <translation>die Überschrift kommt in diesem Arbeitsblatt nicht vor</translation>
    </message>
    <message>
        <source>the field is not one of this program&apos;s</source>
        <translation>dieses Programm kennt das Feld nicht</translation>
    </message>
    <message>
        <source>the column or the field is mapped already</source>
        <translation>die Spalte oder das Feld ist bereits zugeordnet</translation>
    </message>
    <message>
        <source>“%1” → %2: %3</source>
        <translation>„%1“ → %2: %3</translation>
    </message>
    <message>
        <source>“%1” (column %2) → %3: %4</source>
        <translation>„%1“ (Spalte %2) → %3: %4</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>“%1” cannot be written: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: %2.</source>
        <translation>Der Ordner „%1“ kann nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: too many folders of that name exist already.</source>
        <translation>Der Ordner „%1“ kann nicht erstellt werden: Es gibt bereits zu viele Ordner mit diesem Namen.</translation>
    </message>
</context>
<context>
    <name>Photo</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>a folder, not an image</source>
        <translation>ein Ordner, kein Bild</translation>
    </message>
    <message>
        <source>not an image that can be read</source>
        <translation>kein lesbares Bild</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>image too large (%1 x %2 pixels)</source>
        <translation>Bild zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>cannot be made small enough</source>
        <translation>lässt sich nicht genug verkleinern</translation>
    </message>
    <message>
        <source>not an http or https address</source>
        <translation>keine http- oder https-Adresse</translation>
    </message>
    <message>
        <source>not a valid web address</source>
        <translation>keine gültige Webadresse</translation>
    </message>
</context>
<context>
    <name>ServerDialog</name>
    <message>
        <source>Address Book on a Server</source>
        <translation>Adressbuch auf einem Server</translation>
    </message>
    <message>
        <source>https://cloud.example.org</source>
        <translation>https://cloud.example.org</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>&amp;Serveradresse:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>Needed only when the server asks for one; leave it empty to use the remembered one</source>
        <translation>Nur nötig, wenn der Server eines verlangt; leer lassen, um das gespeicherte zu verwenden</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>Passwort &amp;merken</translation>
    </message>
    <message>
        <source>No keyring runs on this desktop, so the password cannot be kept.</source>
        <translation>Auf diesem Desktop läuft kein Schlüsselbund, daher kann das Passwort nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The account&apos;s only one</source>
        <translation>Das einzige Adressbuch des Kontos</translation>
    </message>
    <message>
        <source>C&amp;onnect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>Lists the address books of the account</source>
        <translation>Listet die Adressbücher des Kontos auf</translation>
    </message>
    <message>
        <source>Address &amp;book:</source>
        <translation>A&amp;dressbuch:</translation>
    </message>
    <message>
        <source>E-mail address (default)</source>
        <translation>E-Mail-Adresse (Standard)</translation>
    </message>
    <message>
        <source>What tells a contact of the sheet and its card on the server are the same</source>
        <translation>Woran erkannt wird, dass ein Kontakt des Arbeitsblatts und eine vCard auf dem Server zusammengehören</translation>
    </message>
    <message>
        <source>&amp;Match contacts by:</source>
        <translation>&amp;Kontakte erkennen an:</translation>
    </message>
    <message>
        <source>Only add &amp;new contacts</source>
        <translation>Nur &amp;neue Kontakte hinzufügen</translation>
    </message>
    <message>
        <source>Contacts already in the address book are left as they are</source>
        <translation>Kontakte, die schon im Adressbuch sind, bleiben unverändert</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s) found.</source>
        <translation>
            <numerusform>%n Adressbuch gefunden.</numerusform>
            <numerusform>%n Adressbücher gefunden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>a sheet&apos;s position in the workbook is wrong</source>
        <translation>die Position eines Blatts in der Arbeitsmappe ist falsch</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or macros).</source>
        <translation>die Datei enthält kein Arbeitsblatt (nur Diagramme oder Makros).</translation>
    </message>
    <message>
        <source>the workbook ends before its last record</source>
        <translation>die Arbeitsmappe endet vor ihrem letzten Datensatz</translation>
    </message>
    <message>
        <source>a record runs past the end of the workbook</source>
        <translation>ein Datensatz reicht über das Ende der Arbeitsmappe hinaus</translation>
    </message>
    <message>
        <source>the workbook is empty</source>
        <translation>die Arbeitsmappe ist leer</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its workbook does not begin like an Excel workbook).</source>
        <translation>die Datei ist kein Tabellendokument (ihre Arbeitsmappe beginnt nicht wie eine Excel-Arbeitsmappe).</translation>
    </message>
    <message>
        <source>it is in the format of Excel 4 or older, which this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>die Datei hat das Format von Excel 4 oder älter, das dieses Programm nicht liest. Öffnen Sie sie in Ihrer Tabellenkalkulation und speichern Sie sie als .xlsx.</translation>
    </message>
    <message>
        <source>it is in an Excel format this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>die Datei hat ein Excel-Format, das dieses Programm nicht liest. Öffnen Sie sie in Ihrer Tabellenkalkulation und speichern Sie sie als .xlsx.</translation>
    </message>
    <message>
        <source>it is not a workbook this program reads (it holds no worksheet).</source>
        <translation>die Datei ist keine Arbeitsmappe, die dieses Programm liest (sie enthält kein Arbeitsblatt).</translation>
    </message>
    <message>
        <source>a code-page record is too short</source>
        <translation>ein Codepage-Datensatz ist zu kurz</translation>
    </message>
    <message>
        <source>a date-mode record is too short</source>
        <translation>ein Datumsmodus-Datensatz ist zu kurz</translation>
    </message>
    <message>
        <source>the workbook&apos;s global part does not end</source>
        <translation>der globale Teil der Arbeitsmappe endet nicht</translation>
    </message>
    <message>
        <source>its password record is malformed</source>
        <translation>der Passwort-Datensatz ist fehlerhaft</translation>
    </message>
    <message>
        <source>it is protected with a password. Open it in your spreadsheet program, remove the password and save it again.</source>
        <translation>die Datei ist mit einem Passwort geschützt. Öffnen Sie sie in Ihrer Tabellenkalkulation, entfernen Sie das Passwort und speichern Sie sie erneut.</translation>
    </message>
    <message>
        <source>a sheet record is too short</source>
        <translation>ein Blatt-Datensatz ist zu kurz</translation>
    </message>
    <message>
        <source>a sheet name runs past its record</source>
        <translation>ein Blattname reicht über seinen Datensatz hinaus</translation>
    </message>
    <message>
        <source>it holds two shared-string tables</source>
        <translation>die Datei enthält zwei Tabellen gemeinsamer Zeichenfolgen</translation>
    </message>
    <message>
        <source>the shared-string table is too short</source>
        <translation>die Tabelle der gemeinsamen Zeichenfolgen ist zu kurz</translation>
    </message>
    <message>
        <source>a shared string runs past its records</source>
        <translation>eine gemeinsame Zeichenfolge reicht über ihre Datensätze hinaus</translation>
    </message>
    <message>
        <source>a shared string is too long</source>
        <translation>eine gemeinsame Zeichenfolge ist zu lang</translation>
    </message>
    <message>
        <source>it holds a cell beyond the %1 rows and %2 columns an .xls sheet can have, so the file is damaged.</source>
        <translation>die Datei enthält eine Zelle außerhalb der %1 Zeilen und %2 Spalten, die ein .xls-Blatt haben kann, und ist daher beschädigt.</translation>
    </message>
    <message>
        <source>a text runs past its record</source>
        <translation>ein Text reicht über seinen Datensatz hinaus</translation>
    </message>
    <message>
        <source>a number record is too short</source>
        <translation>ein Zahl-Datensatz ist zu kurz</translation>
    </message>
    <message>
        <source>a multiple-number record has a wrong length</source>
        <translation>ein Mehrfachzahl-Datensatz hat eine falsche Länge</translation>
    </message>
    <message>
        <source>a text record is too short</source>
        <translation>ein Text-Datensatz ist zu kurz</translation>
    </message>
    <message>
        <source>a truth-value record is too short</source>
        <translation>ein Wahrheitswert-Datensatz ist zu kurz</translation>
    </message>
    <message>
        <source>a formula record is too short</source>
        <translation>ein Formel-Datensatz ist zu kurz</translation>
    </message>
    <message>
        <source>it has more than %1 rows, more than a worksheet holds.</source>
        <translation>die Datei hat mehr als %1 Zeilen, mehr als ein Arbeitsblatt fassen kann.</translation>
    </message>
    <message>
        <source>row %1 has more than %2 fields, more than a worksheet has columns.</source>
        <translation>Zeile %1 hat mehr als %2 Felder, mehr als ein Arbeitsblatt Spalten hat.</translation>
    </message>
    <message>
        <source>a field in row %1 is longer than %2 characters, more than a cell may hold.</source>
        <translation>ein Feld in Zeile %1 ist länger als %2 Zeichen, mehr als eine Zelle fassen kann.</translation>
    </message>
    <message>
        <source>it contains a NUL character (line %1), so it is not a plain text list.</source>
        <translation>die Datei enthält ein NUL-Zeichen (Zeile %1) und ist daher keine reine Textliste.</translation>
    </message>
    <message>
        <source>it is damaged (its UTF-16 text ends in the middle of a character).</source>
        <translation>die Datei ist beschädigt (ihr UTF-16-Text endet mitten in einem Zeichen).</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation>die Datei kann nicht geöffnet werden (%1).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row a worksheet can hold (row 1,048,576).</source>
        <translation>die Datei hat eine Zelle hinter der letzten Zeile, die ein Arbeitsblatt fassen kann (Zeile 1.048.576).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last column a worksheet can hold (column XFD).</source>
        <translation>die Datei hat eine Zelle hinter der letzten Spalte, die ein Arbeitsblatt fassen kann (Spalte XFD).</translation>
    </message>
    <message>
        <source>it holds more cells than this program can keep (its repeated rows and columns add up to tens of millions of cells).</source>
        <translation>die Datei enthält mehr Zellen, als dieses Programm aufnehmen kann (ihre wiederholten Zeilen und Spalten ergeben zig Millionen Zellen).</translation>
    </message>
    <message>
        <source>it is damaged (its content part, content.xml, is missing).</source>
        <translation>die Datei ist beschädigt (ihr Inhaltsteil content.xml fehlt).</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its content holds no table body).</source>
        <translation>die Datei ist kein Tabellendokument (ihr Inhalt enthält keinen Tabellenkörper).</translation>
    </message>
    <message>
        <source>it is a word-processing document, not a spreadsheet.</source>
        <translation>die Datei ist ein Textdokument, kein Tabellendokument.</translation>
    </message>
    <message>
        <source>it is a presentation, not a spreadsheet.</source>
        <translation>die Datei ist eine Präsentation, kein Tabellendokument.</translation>
    </message>
    <message>
        <source>it is a drawing, not a spreadsheet.</source>
        <translation>die Datei ist eine Zeichnung, kein Tabellendokument.</translation>
    </message>
    <message>
        <source>it is an e-book, not a spreadsheet.</source>
        <translation>die Datei ist ein E-Book, kein Tabellendokument.</translation>
    </message>
    <message>
        <source>it is a document of another kind (%1), not a spreadsheet.</source>
        <translation>die Datei ist ein Dokument anderer Art (%1), kein Tabellendokument.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a spreadsheet (it holds neither a workbook nor an OpenDocument spreadsheet).</source>
        <translation>die Datei ist ein ZIP-Archiv, kein Tabellendokument (sie enthält weder eine Arbeitsmappe noch eine OpenDocument-Tabelle).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row or column a worksheet can hold (row 1,048,576, column XFD).</source>
        <translation>die Datei hat eine Zelle hinter der letzten Zeile oder Spalte, die ein Arbeitsblatt fassen kann (Zeile 1.048.576, Spalte XFD).</translation>
    </message>
    <message>
        <source>it holds more than %1 cells, more than this program reads.</source>
        <translation>die Datei enthält mehr als %1 Zellen, mehr als dieses Programm liest.</translation>
    </message>
    <message>
        <source>it holds a text longer than any cell may be.</source>
        <translation>die Datei enthält einen Text, der länger ist, als eine Zelle sein darf.</translation>
    </message>
    <message>
        <source>it is damaged (a cell refers to a shared text that does not exist).</source>
        <translation>die Datei ist beschädigt (eine Zelle verweist auf einen gemeinsamen Text, den es nicht gibt).</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it has no worksheet number %1 (it has %2).</source>
        <translation>die Datei hat kein Arbeitsblatt Nummer %1 (sie hat %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1).</source>
        <translation>die Datei ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>Items Found: </source>
        <translation>Gefundene Einträge: </translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>die Datei ist leer.</translation>
    </message>
    <message>
        <source>it is a web page or XML document, not a spreadsheet. Open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>die Datei ist eine Webseite oder ein XML-Dokument, kein Tabellendokument. Öffnen Sie sie in einer Tabellenkalkulation und speichern Sie sie als .xlsx oder .csv.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet in a format this program reads (.xlsx, .xls, .ods or .csv).</source>
        <translation>die Datei ist kein Tabellendokument in einem Format, das dieses Programm liest (.xlsx, .xls, .ods oder .csv).</translation>
    </message>
    <message>
        <source>no worksheet was chosen.</source>
        <translation>es wurde kein Arbeitsblatt gewählt.</translation>
    </message>
    <message>
        <source>the workbook stream is larger than the file</source>
        <translation>der Arbeitsmappen-Stream ist größer als die Datei</translation>
    </message>
    <message>
        <source>its workbook is larger than the 512 MB this program reads from an .xls file. Save it as .xlsx in your spreadsheet program and choose that file.</source>
        <translation>die Arbeitsmappe ist größer als die 512 MB, die dieses Programm aus einer .xls-Datei liest. Speichern Sie sie in Ihrer Tabellenkalkulation als .xlsx und wählen Sie diese Datei.</translation>
    </message>
    <message>
        <source>its workbook stream cannot be read to the end</source>
        <translation>der Arbeitsmappen-Stream kann nicht bis zum Ende gelesen werden</translation>
    </message>
    <message>
        <source>the file cannot be opened.</source>
        <translation>die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>its compound-file structure is broken</source>
        <translation>die Struktur der Verbunddatei ist defekt</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (the file holds no workbook; it may be a document of another program).</source>
        <translation>die Datei ist kein Tabellendokument (sie enthält keine Arbeitsmappe; vielleicht ist sie ein Dokument eines anderen Programms).</translation>
    </message>
    <message>
        <source>its workbook stream cannot be opened</source>
        <translation>der Arbeitsmappen-Stream kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it holds more shared texts than this program can keep.</source>
        <translation>die Datei enthält mehr gemeinsame Texte, als dieses Programm aufnehmen kann.</translation>
    </message>
    <message>
        <source>it is damaged (its first worksheet, %1, is missing).</source>
        <translation>die Datei ist beschädigt (ihr erstes Arbeitsblatt, %1, fehlt).</translation>
    </message>
    <message>
        <source>it is damaged (its worksheet number %1, %2, is missing).</source>
        <translation>die Datei ist beschädigt (ihr Arbeitsblatt Nummer %1, %2, fehlt).</translation>
    </message>
    <message>
        <source>it is damaged (its first sheet, %1, is not a worksheet).</source>
        <translation>die Datei ist beschädigt (ihr erstes Blatt, %1, ist kein Arbeitsblatt).</translation>
    </message>
    <message>
        <source>it is damaged (its sheet number %1, %2, is not a worksheet).</source>
        <translation>die Datei ist beschädigt (ihr Blatt Nummer %1, %2, ist kein Arbeitsblatt).</translation>
    </message>
    <message>
        <source>the package relationships</source>
        <translation>der Teil mit den Paketbeziehungen</translation>
    </message>
    <message>
        <source>it is a binary workbook (.xlsb), which this program does not read. Save it as .xlsx and try again.</source>
        <translation>die Datei ist eine binäre Arbeitsmappe (.xlsb), die dieses Programm nicht liest. Speichern Sie sie als .xlsx und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>the content types</source>
        <translation>der Teil mit den Inhaltstypen</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its package names no main document).</source>
        <translation>die Datei ist beschädigt oder kein Tabellendokument (ihr Paket nennt kein Hauptdokument).</translation>
    </message>
    <message>
        <source>it is damaged (its workbook part, %1, is missing).</source>
        <translation>die Datei ist beschädigt (ihr Arbeitsmappenteil %1 fehlt).</translation>
    </message>
    <message>
        <source>the workbook part</source>
        <translation>der Arbeitsmappenteil</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its main part is not a workbook).</source>
        <translation>die Datei ist beschädigt oder kein Tabellendokument (ihr Hauptteil ist keine Arbeitsmappe).</translation>
    </message>
    <message>
        <source>it is damaged (the relationships of its workbook part are missing).</source>
        <translation>die Datei ist beschädigt (die Beziehungen ihres Arbeitsmappenteils fehlen).</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or other kinds of sheets).</source>
        <translation>die Datei enthält kein Arbeitsblatt (nur Diagramme oder andere Arten von Blättern).</translation>
    </message>
    <message>
        <source>the shared texts</source>
        <translation>der Teil mit den gemeinsamen Texten</translation>
    </message>
    <message>
        <source>the styles</source>
        <translation>der Teil mit den Formatvorlagen</translation>
    </message>
    <message>
        <source>the worksheet</source>
        <translation>das Arbeitsblatt</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: unbound prefix at line %2).</source>
        <translation>die Datei ist beschädigt (%1 ist kein wohlgeformtes XML: ungebundenes Präfix in Zeile %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1 nests elements more than %2 levels deep).</source>
        <translation>die Datei ist beschädigt (%1 verschachtelt Elemente tiefer als %2 Ebenen).</translation>
    </message>
    <message>
        <source>%1 contains a document type declaration, which this program refuses for safety (it may define entities that expand without end).</source>
        <translation>%1 enthält eine Dokumenttypdeklaration, die dieses Programm aus Sicherheitsgründen ablehnt (sie könnte Entitäten definieren, die sich endlos erweitern).</translation>
    </message>
    <message>
        <source>%1 defines XML entities, which this program refuses for safety.</source>
        <translation>%1 definiert XML-Entitäten, die dieses Programm aus Sicherheitsgründen ablehnt.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>zum Lesen ist nicht genug Speicher vorhanden.</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: %2 at line %3).</source>
        <translation>die Datei ist beschädigt (%1 ist kein wohlgeformtes XML: %2 in Zeile %3).</translation>
    </message>
    <message>
        <source>it is damaged (%1 holds a tag longer than %2 MB).</source>
        <translation>die Datei ist beschädigt (%1 enthält ein Tag, das länger als %2 MB ist).</translation>
    </message>
    <message>
        <source>it is damaged (the checksum of %1 does not match).</source>
        <translation>die Datei ist beschädigt (die Prüfsumme von %1 stimmt nicht).</translation>
    </message>
    <message>
        <source>it is damaged (the compressed data of %1 is corrupt).</source>
        <translation>die Datei ist beschädigt (die komprimierten Daten von %1 sind fehlerhaft).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (%1 cannot be read in full; the file may have been cut short).</source>
        <translation>die Datei ist beschädigt oder unvollständig (%1 kann nicht vollständig gelesen werden; die Datei wurde vielleicht abgeschnitten).</translation>
    </message>
    <message>
        <source>it is protected by a password (its parts are encrypted). Save it again without a password.</source>
        <translation>die Datei ist durch ein Passwort geschützt (ihre Teile sind verschlüsselt). Speichern Sie sie erneut ohne Passwort.</translation>
    </message>
    <message>
        <source>its part %1 is compressed with a method this program does not read.</source>
        <translation>ihr Teil %1 ist mit einem Verfahren komprimiert, das dieses Programm nicht liest.</translation>
    </message>
    <message>
        <source>it is damaged (%1 cannot be read: %2).</source>
        <translation>die Datei ist beschädigt (%1 kann nicht gelesen werden: %2).</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 bytes, more than this program accepts for one part.</source>
        <translation>ihr Teil %1 wird entpackt größer als %2 Bytes, mehr als dieses Programm für einen Teil annimmt.</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 times its compressed size; the file looks like a zip bomb and is refused.</source>
        <translation>ihr Teil %1 wird entpackt mehr als %2-mal so groß wie komprimiert; die Datei sieht wie eine ZIP-Bombe aus und wird abgelehnt.</translation>
    </message>
    <message>
        <source>it is damaged (%1 inflates to %2 bytes, but its zip directory says %3).</source>
        <translation>die Datei ist beschädigt (%1 ergibt entpackt %2 Bytes, ihr ZIP-Verzeichnis nennt aber %3).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (the directory at the end of its zip package is missing; the file may have been cut short).</source>
        <translation>die Datei ist beschädigt oder unvollständig (das Verzeichnis am Ende ihres ZIP-Pakets fehlt; die Datei wurde vielleicht abgeschnitten).</translation>
    </message>
    <message>
        <source>it is damaged (the directory of its zip package is inconsistent).</source>
        <translation>die Datei ist beschädigt (das Verzeichnis ihres ZIP-Pakets ist widersprüchlich).</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>it is damaged (its zip package cannot be opened: %1).</source>
        <translation>die Datei ist beschädigt (ihr ZIP-Paket kann nicht geöffnet werden: %1).</translation>
    </message>
    <message>
        <source>it is damaged (a part of its zip package is missing).</source>
        <translation>die Datei ist beschädigt (ein Teil ihres ZIP-Pakets fehlt).</translation>
    </message>
    <message>
        <source>it is damaged (its zip directory gives %1 a compressed size larger than the whole file).</source>
        <translation>die Datei ist beschädigt (ihr ZIP-Verzeichnis gibt für %1 eine komprimierte Größe an, die größer als die ganze Datei ist).</translation>
    </message>
    <message>
        <source>it is damaged (%1 is far longer than it should be).</source>
        <translation>die Datei ist beschädigt (%1 ist weit länger, als es sein dürfte).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Us</source>
        <translation>Über uns</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Map Excel Column to Outlook Attribute.</source>
        <translation>Bitte ordnen Sie eine Excel-Spalte einem Outlook-Feld zu.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 zu %2</translation>
    </message>
    <message>
        <source>Auto Map recognised no further column header.</source>
        <translation>Die automatische Zuordnung hat keine weitere Spaltenüberschrift erkannt.</translation>
    </message>
    <message>
        <source>%1 of the %2 pairs of the mapping were left out:
%3</source>
        <translation>%1 von %2 Paaren der Zuordnung wurden ausgelassen:
%3</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>%1 imports only the first card of a file: one file per contact.</source>
        <translation>%1 importiert nur die erste vCard einer Datei: eine Datei pro Kontakt.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Bitte wählen Sie einen Speicherort</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Zielordner öffnen</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>Die Kontakte wurden erfolgreich in vCard-Dateien exportiert.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written to vCard files. The first reason: %3</source>
        <translation>%1 von %2 Kontakten konnten nicht in vCard-Dateien geschrieben werden. Erster Grund: %3</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>Möchten Sie den Ordner mit den vCard-Dateien öffnen? Klicken Sie auf „Ja“, sonst auf „Nein“.</translation>
    </message>
    <message>
        <source>Wizard steps</source>
        <translation>Assistentenschritte</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Auswählen</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Spalten zuordnen</translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation>3. Exportieren</translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation>&lt;  &amp;Zurück</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>About &amp;Us</source>
        <translation>Über &amp;uns</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Excel-Datei öffnen</translation>
    </message>
    <message>
        <source>Open Excel (%1)</source>
        <translation>Excel-Datei öffnen (%1)</translation>
    </message>
    <message>
        <source>Select Excel File :</source>
        <translation>Excel-Datei auswählen:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Du&amp;rchsuchen...</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Blatt:</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Vorschau der Excel-Datei</translation>
    </message>
    <message>
        <source>Excel Fields</source>
        <translation>Excel-Felder</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>vCard-Felder</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Auto &amp;Map</source>
        <translation>&amp;Auto-Zuordnung</translation>
    </message>
    <message>
        <source>&amp;Save Mapping...</source>
        <translation>Zuordnung &amp;sichern...</translation>
    </message>
    <message>
        <source>&amp;Load Mapping...</source>
        <translation>Zuordnung &amp;laden...</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Ausgewählte Felder (Excel → vCard)</translation>
    </message>
    <message>
        <source>Selected Fields (Excel to vCard)</source>
        <translation>Ausgewählte Felder (von Excel nach vCard)</translation>
    </message>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Leere E-Mail-Adressen beim Import zulassen</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Eine vCard-Datei für alle Kontakte</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(standardmäßig eine eigene vCard pro Kontakt)</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> vCard-Version 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> vCard-Version 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> vCard-Version 4.0</translation>
    </message>
    <message>
        <source>Date order:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>How birthdays and anniversaries written as numbers are read</source>
        <translation>Wie als Zahlen geschriebene Geburtstage und Jahrestage gelesen werden</translation>
    </message>
    <message>
        <source>&amp;Import into:</source>
        <translation>&amp;Import in:</translation>
    </message>
    <message>
        <source>Any address book</source>
        <translation>Beliebiges Adressbuch</translation>
    </message>
    <message>
        <source>The address book the cards are written for: it decides the versions offered</source>
        <translation>Das Adressbuch, für das die vCards geschrieben werden: Es bestimmt die angebotenen Versionen</translation>
    </message>
    <message>
        <source>Format p&amp;hone numbers</source>
        <translation>Rufnummern &amp;formatieren</translation>
    </message>
    <message>
        <source>Phone region</source>
        <translation>Telefonregion</translation>
    </message>
    <message>
        <source>The country of the numbers written without a country code</source>
        <translation>Das Land der Nummern, die ohne Ländervorwahl geschrieben sind</translation>
    </message>
    <message>
        <source>International</source>
        <translation>International</translation>
    </message>
    <message>
        <source>E.164</source>
        <translation>E.164</translation>
    </message>
    <message>
        <source>Phone number form</source>
        <translation>Format der Telefonnummern</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Anzahl Kontakte ohne E-Mail        :</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Anzahl hinzugefügter Kontakte    :</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Fortschritt der Umwandlung</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Speicherort:</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>Ä&amp;ndern...</translation>
    </message>
    <message>
        <source>Card &amp;Preview</source>
        <translation>&amp;vCard-Vorschau</translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation>&amp;Kontakt:</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Which contact the card preview shows, counted over the rows that are converted</source>
        <translation>Welchen Kontakt die vCard-Vorschau zeigt, gezählt über die umgewandelten Zeilen</translation>
    </message>
    <message>
        <source>Card preview</source>
        <translation>vCard-Vorschau</translation>
    </message>
    <message>
        <source>Select an Excel file to see a contact&apos;s card here.</source>
        <translation>Wählen Sie eine Excel-Datei, um hier die vCard eines Kontakts zu sehen.</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> von %1</translation>
    </message>
    <message>
        <source>(row %1)</source>
        <translation>(Zeile %1)</translation>
    </message>
    <message>
        <source>%1  ·  your contact list, ready for every address book</source>
        <translation>%1  ·  Ihre Kontaktliste, bereit für jedes Adressbuch</translation>
    </message>
    <message>
        <source>A server takes each contact as a card of its own.</source>
        <translation>Ein Server nimmt jeden Kontakt als eigene vCard an.</translation>
    </message>
    <message>
        <source>%1 imports files only.</source>
        <translation>%1 importiert nur Dateien.</translation>
    </message>
    <message>
        <source>Please choose the server with &quot;Server...&quot;.</source>
        <translation>Bitte wählen Sie den Server über „Server...“ aus.</translation>
    </message>
    <message>
        <source>No contact was sent.</source>
        <translation>Es wurde kein Kontakt gesendet.</translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>Die Adressbücher des Kontos: %1.</translation>
    </message>
    <message>
        <source>The contacts were sent to the address book &quot;%1&quot;.</source>
        <translation>Die Kontakte wurden an das Adressbuch „%1“ gesendet.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be sent to the address book &quot;%3&quot;.</source>
        <translation>%1 von %2 Kontakten konnten nicht an das Adressbuch „%3“ gesendet werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 left unchanged.</source>
        <translation>
            <numerusform>%n Kontakt hinzugefügt, %1 aktualisiert, %2 unverändert.</numerusform>
            <numerusform>%n Kontakte hinzugefügt, %1 aktualisiert, %2 unverändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were.</source>
        <translation>
            <numerusform>%n Kontakt, der schon im Adressbuch war, blieb unverändert.</numerusform>
            <numerusform>%n Kontakte, die schon im Adressbuch waren, blieben unverändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>Nicht gesendet: Zeile %1, %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weiterer.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Send to:</source>
        <translation>&amp;Senden an:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Address book on a server</source>
        <translation>Adressbuch auf einem Server</translation>
    </message>
    <message>
        <source>Files in a folder, or the contacts sent to an address book on a server</source>
        <translation>Dateien in einen Ordner schreiben oder die Kontakte an ein Adressbuch auf einem Server senden</translation>
    </message>
    <message>
        <source>Se&amp;rver...</source>
        <translation>Se&amp;rver...</translation>
    </message>
    <message>
        <source>The server, the sign-in and the address book</source>
        <translation>Server, Anmeldung und Adressbuch</translation>
    </message>
</context>
</TS>
