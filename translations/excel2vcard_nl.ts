<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CardDav</name>
    <message>
        <source>&quot;%1&quot; is not a server address: it must begin with https://.</source>
        <translation>“%1” is geen serveradres: het moet beginnen met https://.</translation>
    </message>
    <message>
        <source>The server address must not hold a password.</source>
        <translation>Het serveradres mag geen wachtwoord bevatten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not encrypted: use https://, so that the password does not travel in clear.</source>
        <translation>“%1” is niet versleuteld: gebruik https://, zodat het wachtwoord niet onversleuteld wordt verzonden.</translation>
    </message>
    <message>
        <source>No certificate could be read from &quot;%3&quot;.</source>
        <translation>Uit “%3” kon geen certificaat worden gelezen.</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; was not found.</source>
        <translation>De server van “%1” is niet gevonden.</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; does not answer.</source>
        <translation>De server van “%1” antwoordt niet.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>De server heeft de verbinding verbroken.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>De server heeft niet op tijd geantwoord.</translation>
    </message>
    <message>
        <source>The secure connection to &quot;%1&quot; failed: %3. A server with a certificate of its own needs that certificate as CA file.</source>
        <translation>De beveiligde verbinding met “%1” is mislukt: %3. Een server met een eigen certificaat heeft dat certificaat nodig als CA-bestand.</translation>
    </message>
    <message>
        <source>The connection to &quot;%1&quot; failed: %3.</source>
        <translation>De verbinding met “%1” is mislukt: %3.</translation>
    </message>
    <message>
        <source>The server asks for a password, and none was given.</source>
        <translation>De server vraagt om een wachtwoord, maar er is er geen opgegeven.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>De server heeft de gebruikersnaam of het wachtwoord geweigerd.</translation>
    </message>
    <message>
        <source>The server sent the program on to &quot;%3&quot;, which is not the same server; it was not followed.</source>
        <translation>De server heeft het programma doorgestuurd naar “%3”, een andere server; die doorverwijzing is niet gevolgd.</translation>
    </message>
    <message>
        <source>The server sent the program on too many times.</source>
        <translation>De server heeft het programma te vaak doorgestuurd.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large.</source>
        <translation>Het antwoord van de server was te groot.</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read: %3.</source>
        <translation>Het antwoord van de server kon niet worden gelezen: %3.</translation>
    </message>
    <message>
        <source>The server answered %2 %3.</source>
        <translation>De server antwoordde %2 %3.</translation>
    </message>
    <message>
        <source>The account has no address book.</source>
        <translation>Het account heeft geen adresboek.</translation>
    </message>
    <message>
        <source>The account has no address book &quot;%3&quot;.</source>
        <translation>Het account heeft geen adresboek “%3”.</translation>
    </message>
    <message>
        <source>The account has several address books; choose one of: %3.</source>
        <translation>Het account heeft meerdere adresboeken; kies er een uit: %3.</translation>
    </message>
    <message numerus="yes">
        <source>, ... (%n row(s))</source>
        <translation>
            <numerusform>, ... (%n rij)</numerusform>
            <numerusform>, ... (%n rijen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had nothing to be matched by (no e-mail address, name or company) and went under their row number, so moving them in the sheet makes them new contacts: row(s) %1.</source>
        <translation>
            <numerusform>%n contact had geen kenmerk om het aan te herkennen (geen e-mailadres, naam of bedrijf) en wordt daarom herkend aan zijn rijnummer; verplaatst u het in het werkblad, dan wordt het een nieuw contact: rij %1.</numerusform>
            <numerusform>%n contacten hadden geen kenmerk om ze aan te herkennen (geen e-mailadres, naam of bedrijf) en worden daarom herkend aan hun rijnummer; verplaatst u ze in het werkblad, dan worden het nieuwe contacten: rijen %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had the same e-mail address, name or key as an earlier row and were sent as contacts of their own: row(s) %1.</source>
        <translation>
            <numerusform>%n contact had hetzelfde e-mailadres, dezelfde naam of sleutel als een eerdere rij en is als apart contact verzonden: rij %1.</numerusform>
            <numerusform>%n contacten hadden hetzelfde e-mailadres, dezelfde naam of sleutel als een eerdere rij en zijn als aparte contacten verzonden: rijen %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Not written: Birthday &quot;%1&quot; is not a date</source>
        <translation>Niet geschreven: verjaardag “%1” is geen datum</translation>
    </message>
    <message>
        <source>Not written: Anniversary &quot;%1&quot; is not a date</source>
        <translation>Niet geschreven: jubileum “%1” is geen datum</translation>
    </message>
    <message>
        <source>Not written: Photo %1</source>
        <translation>Niet geschreven: foto %1</translation>
    </message>
    <message>
        <source>Left as it stands: phone number &quot;%1&quot; is not a valid number</source>
        <translation>Ongewijzigd gelaten: telefoonnummer “%1” is geen geldig nummer</translation>
    </message>
    <message>
        <source>Map a column to see the card it gives.</source>
        <translation>Koppel een kolom om de vCard te zien die dat oplevert.</translation>
    </message>
    <message>
        <source>Row %1 holds no contact.</source>
        <translation>Rij %1 bevat geen contact.</translation>
    </message>
    <message>
        <source>No card: the e-mail cell of row %1 holds nothing but spaces.</source>
        <translation>Geen vCard: de e-mailcel van rij %1 bevat alleen spaties.</translation>
    </message>
    <message>
        <source>No card: it has %1 KB, and %2 takes cards under %3 KB.</source>
        <translation>Geen vCard: deze is %1 KB groot, en %2 accepteert alleen vCards kleiner dan %3 KB.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>There is no worksheet “%1” in “%2”: it has no worksheet at all.</source>
        <translation>Er is geen werkblad “%1” in “%2”: het bestand heeft helemaal geen werkblad.</translation>
    </message>
    <message>
        <source>There is no worksheet “%1” in “%2”. Give one of its worksheets by name or by number (1 to %3): %4.</source>
        <translation>Er is geen werkblad “%1” in “%2”. Geef een van de werkbladen op met naam of nummer (1 tot en met %3): %4.</translation>
    </message>
    <message>
        <source>Unknown field “%1”. The fields are: %2.</source>
        <translation>Onbekend veld “%1”. Mogelijke velden: %2.</translation>
    </message>
    <message>
        <source>The field “%1” is mapped twice.</source>
        <translation>Het veld “%1” is twee keer gekoppeld.</translation>
    </message>
    <message>
        <source>There is no header column “%1” in the sheet (its header columns are A to %2).</source>
        <translation>Er is geen kolom “%1” met een kop in het werkblad (de kolommen met een kop zijn A tot en met %2).</translation>
    </message>
    <message>
        <source>The column %1 is mapped twice.</source>
        <translation>De kolom %1 is twee keer gekoppeld.</translation>
    </message>
    <message>
        <source>The header “%1” is mapped more often than it stands in row 1.</source>
        <translation>De kop “%1” is vaker gekoppeld dan hij in rij 1 voorkomt.</translation>
    </message>
    <message>
        <source>The header “%1” is not in the sheet (see --list-headers).</source>
        <translation>De kop “%1” staat niet in het werkblad (zie --list-headers).</translation>
    </message>
    <message>
        <source>Warning: %1 of %2 pairs of the mapping file were left out:
  %3</source>
        <translation>Waarschuwing: %1 van %2 paren uit het koppelingsbestand zijn weggelaten:
  %3</translation>
    </message>
    <message>
        <source>No column is mapped: no pair of the mapping fits the sheet and no header was recognised (see --list-headers).</source>
        <translation>Er is geen kolom gekoppeld: geen paar uit de koppeling past bij het werkblad en er is geen kop herkend (zie --list-headers).</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written to vCard files.</source>
        <translation>
            <numerusform>%n contact is naar vCard-bestanden geschreven.</numerusform>
            <numerusform>%n contacten zijn naar vCard-bestanden geschreven.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) left out: an e-mail cell holds only spaces (--allow-empty-email keeps them).</source>
        <translation>
            <numerusform>%n rij is weggelaten: de e-mailcel bevat alleen spaties (--allow-empty-email behoudt zulke rijen).</numerusform>
            <numerusform>%n rijen zijn weggelaten: hun e-mailcel bevat alleen spaties (--allow-empty-email behoudt zulke rijen).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written. The first reason: %3</source>
        <translation>%1 van %2 contacten konden niet worden geschreven. Eerste reden: %3</translation>
    </message>
    <message>
        <source>Run excel2vcard-cli --help for the options.</source>
        <translation>Voer excel2vcard-cli --help uit voor de opties.</translation>
    </message>
    <message>
        <source>Note: row 1 has %1 more header cells after column CW; only the first 101 columns are offered.</source>
        <translation>Opmerking: rij 1 heeft na kolom CW nog %1 kopcellen; alleen de eerste 101 kolommen worden aangeboden.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location.</source>
        <translation>Kies een opslaglocatie.</translation>
    </message>
    <message>
        <source> (accepted but reaches no card)</source>
        <translation> (geaccepteerd, maar komt in geen enkele vCard)</translation>
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
        <translation>Gebruik:
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
  excel2vcard-cli --suggest-mapping [koppelingsopties] [--save-mapping FILE]
                  SPREADSHEET

Zet de contacten van het eerste werkblad van een rekenblad (.xlsx, .xls, .ods of
  .csv) om naar vCard-bestanden. Rij 1 bevat de kolomkoppen, elke rij daaronder
  één contact.

  -m, --map &quot;HEADER=FIELD&quot;      Zet de kolom met de kop HEADER (precies deze
                                tekst) in FIELD. Als meerdere kolommen die kop
                                hebben, neemt elke --map de volgende daarvan.
  --map-column LETTERS=FIELD    Zet de kolom met deze letters (C, AB, ...) in
                                FIELD.
  --mapping-file FILE           Past een koppeling toe die is opgeslagen door
                                het venster (Koppeling opslaan...) of door
                                --save-mapping. Paren waarvan de kop niet in het
                                werkblad staat, worden in een waarschuwing op
                                standaardfout genoemd en weggelaten; --map en
                                --map-column gaan voor het bestand.
  --auto-map                    Koppelt de kolommen waarvan de koppen worden
                                herkend (gangbare exports, meerdere talen) aan
                                de velden die nog vrij zijn, na --map,
                                --map-column en --mapping-file.
  --suggest-mapping             Converteert niets: toont de koppeling die
                                --auto-map zou maken, één regel per paar: de
                                kolomletters, een TAB, de koptekst, een TAB, het
                                veld.
  --save-mapping FILE           Slaat de koppeling vóór het converteren op in
                                FILE (JSON); het venster en --mapping-file laden
                                deze.
  --vcard-version VERSION       2.1 (standaard), 3.0 of 4.0.
  --single-file                 Schrijft alle vCards naar één bestand,
                                “All Contacts.vcf”; anders één bestand per
                                contact, naar dat contact genoemd.
  --allow-empty-email           Behoudt rijen waarvan de e-mailcel alleen
                                spaties bevat; standaard worden zulke rijen
                                weggelaten en geteld.
  --phone-format FORMAT         Schrijft geldige telefoonnummers als e164
                                (+16175550100) of international
                                (+1 617-555-0100); een toestelnummer blijft
                                behouden als “ ext. 12”. Andere nummers worden
                                ongewijzigd geschreven en geteld. Standaard
                                worden nummers niet gewijzigd.
  --phone-region CC             Het land (twee letters, zoals US of DE) van
                                nummers die zonder landcode zijn geschreven
                                (standaard: het land van de landinstellingen van
                                het systeem).
  --target TARGET               Het adresboek waarvoor de vCards bedoeld zijn
                                (standaard: generic, vCards zoals altijd).
                                outlook: vCard 2.1, één bestand per contact,
                                CHARSET=UTF-8 bij niet-ASCII-waarden. apple:
                                3.0, hoogstens 50.000 vCards per bestand
                                (“All Contacts 2.vcf”, ...), elk kleiner dan
                                256 KB. google: 3.0. android: 2.1 of 3.0; in 2.1
                                niet-ASCII-waarden als UTF-8 quoted-printable.
                                Een versie of --single-file die het doel niet
                                accepteert, wordt geweigerd.
  --date-order ORDER            Hoe datums die als getallen zijn geschreven
                                worden gelezen: DMY (31/12/1990), MDY
                                (12/31/1990) of YMD (1990/12/31). Standaard
                                volgt dit de datumnotatie van uw
                                landinstellingen.
  -o, --output DIR              De opslaglocatie (standaard: uw map Documenten).
                                Daarin wordt een nieuwe map gemaakt met de datum
                                en tijd als naam; het pad daarvan is de laatste
                                regel op standaarduitvoer.
  --list-headers                Toont één regel per kolom met een kop in rij 1:
                                de kolomletters, een TAB, de koptekst. Daarna de
                                regel “Items Found: ” met het aantal
                                contactrijen.
  --sheet NAME|NUMBER           Leest dit werkblad in plaats van het eerste: de
                                naam, of het nummer vanaf 1 zoals in
                                --list-sheets. Een naam gaat voor een nummer:
                                “--sheet 2” leest een blad met de naam 2 als dat
                                bestaat. Hoofdletters tellen alleen mee als twee
                                namen alleen daarin verschillen.
  --list-sheets                 Toont de namen van de werkbladen, één per regel,
                                in de volgorde van de werkmap (ook verborgen
                                bladen; grafiekbladen zijn geen werkbladen). Een
                                .csv-bestand is één blad, genoemd naar het
                                bestand.
  -h, --help                    Toont deze tekst.

FIELD is een van:
%1
Koppelingen worden toegepast in de opgegeven volgorde. Meldingen en een
voortgangsbalk (in een terminal) gaan naar standaardfout. Weggelaten paren uit
een --mapping-file veranderen de afsluitstatus niet, tenzij er helemaal geen
kolom is gekoppeld.

Afsluitstatus:
  0  alle contacten zijn geschreven;
  1  sommige vCards (of de uitvoermap, of het --save-mapping-bestand) konden
     niet worden geschreven; de melding zegt hoeveel en waarom;
  2  onjuist gebruik, een onbekende veldnaam, een veld of kolom die twee keer is
     gekoppeld, een kop die niet in het werkblad staat, een werkblad dat het
     rekenblad niet heeft, geen gekoppelde kolom, een --mapping-file die niet
     kan worden gebruikt, of een rekenblad dat niet kan worden gelezen (de reden
     wordt getoond).

Voorbeeld:
  excel2vcard-cli -m &quot;First name=FirstName&quot; -m &quot;Last name=LastName&quot; \
      -m &quot;E-mail=EmailAddress&quot; --map-column D=MobileNumber --vcard-version 3.0 \
      -o ~/Cards contacts.xlsx
  excel2vcard-cli --auto-map --save-mapping staff.json -o ~/Cards staff.xlsx
</translation>
    </message>
    <message>
        <source>A mapping reads HEADER=FIELD or LETTERS=FIELD, not “%1”.</source>
        <translation>Een koppeling luidt HEADER=FIELD of LETTERS=FIELD, niet “%1”.</translation>
    </message>
    <message>
        <source>The vCard version is 2.1, 3.0 or 4.0, not “%1”.</source>
        <translation>De vCard-versie moet 2.1, 3.0 of 4.0 zijn, niet “%1”.</translation>
    </message>
    <message>
        <source>The target is one of %1, not “%2”.</source>
        <translation>Het doel moet een van %1 zijn, niet “%2”.</translation>
    </message>
    <message>
        <source>--target %1 writes vCard %2; --vcard-version %3 cannot be used with it.</source>
        <translation>--target %1 schrijft vCard %2; --vcard-version %3 kan daarmee niet worden gebruikt.</translation>
    </message>
    <message>
        <source>--target %1 cannot read vCard %2.</source>
        <translation>--target %1 kan vCard %2 niet lezen.</translation>
    </message>
    <message>
        <source>--target %1 takes one contact a file; --single-file cannot be used with it.</source>
        <translation>--target %1 accepteert één contact per bestand; --single-file kan daarmee niet worden gebruikt.</translation>
    </message>
    <message>
        <source>The date order is DMY, MDY or YMD, not “%1”.</source>
        <translation>De datumvolgorde moet DMY, MDY of YMD zijn, niet “%1”.</translation>
    </message>
    <message>
        <source>The phone format is e164 or international, not “%1”.</source>
        <translation>De telefoonnummernotatie moet e164 of international zijn, niet “%1”.</translation>
    </message>
    <message>
        <source>The phone region is a two-letter country code such as US or DE, not “%1”.</source>
        <translation>De telefoonregio moet een landcode van twee letters zijn, zoals US of DE, niet “%1”.</translation>
    </message>
    <message>
        <source>No spreadsheet given.</source>
        <translation>Geen rekenblad opgegeven.</translation>
    </message>
    <message>
        <source>Give exactly one spreadsheet.</source>
        <translation>Geef precies één rekenblad op.</translation>
    </message>
    <message>
        <source>Map at least one column (--map or --map-column), or use --list-headers.</source>
        <translation>Koppel minstens één kolom (--map of --map-column), of gebruik --list-headers.</translation>
    </message>
    <message>
        <source>At most %1 mappings can be made.</source>
        <translation>Er kunnen hoogstens %1 koppelingen worden gemaakt.</translation>
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
De contacten naar een adresboek op een server verzenden (CardDAV):
  excel2vcard-cli [koppelingsopties] --carddav URL --user NAME
                  [--addressbook BOOK] [--ca-file FILE] [--password-file FILE]
                  [--uid-column LETTERS] [--only-new] SPREADSHEET
  excel2vcard-cli --carddav URL --user NAME [--ca-file FILE] --list-addressbooks

  --carddav URL                 Verzendt de vCards naar een adresboek op deze
                                server in plaats van bestanden te schrijven. URL
                                is het adres van de server, van het account of
                                van het adresboek zelf; https://, of http://
                                alleen naar deze computer. De vCards zijn
                                vCard 3.0 (4.0 met --vcard-version 4.0 als het
                                adresboek dat accepteert); een tweede keer
                                uitvoeren werkt de eerder verzonden contacten
                                bij in plaats van ze opnieuw toe te voegen. Op
                                de server wordt nooit iets verwijderd.
                                --target outlook en android, --single-file en
                                --output kunnen daarmee niet worden gebruikt.
  --user NAME                   De gebruikersnaam van het account.
  --addressbook BOOK            Het adresboek, met naam of adres (zie
                                --list-addressbooks); nodig als het account er
                                meerdere heeft.
  --ca-file FILE                Vertrouwt de certificaten in dit PEM-bestand
                                naast die van het systeem (voor een server met
                                een eigen certificaat).
  --password-file FILE          Leest het wachtwoord uit de eerste regel van
                                FILE. Een wachtwoord wordt alleen opgehaald als
                                de server erom vraagt: uit de omgevingsvariabele
                                E2V_CARDDAV_PASSWORD, uit dit bestand, uit de
                                sleutelbos van het bureaublad (waar het venster
                                het bewaart) of via een vraag in de terminal.
  --uid-column LETTERS          Herkent de contacten op de server aan de tekst
                                in deze kolom. Standaard aan het eerste
                                e-mailadres, anders aan naam en bedrijf, anders
                                aan het rijnummer (het verslag noemt die rijen).
  --only-new                    Voegt de contacten toe die nog niet in het
                                adresboek staan; de contacten die er al in
                                staan, blijven zoals ze zijn.
  --list-addressbooks           Toont de adresboeken van het account, één per
                                regel: het adres, een TAB, de naam.

Het verslag op standaardfout:
“N contacten toegevoegd, M bijgewerkt, K ongewijzigd, F niet verzonden”, daarna
elk niet verzonden contact met zijn rij en de reden van de server; het adres van
het adresboek is de laatste regel op standaarduitvoer. Afsluitstatus 0: elk
contact is verzonden of was ongewijzigd; 1: sommige zijn niet verzonden; 2: er
kon niets worden verzonden (onjuist gebruik, de aanmelding is geweigerd, geen
wachtwoord, het adresboek is niet gevonden of niet gekozen uit meerdere, het
certificaat van de server wordt niet vertrouwd, de server is niet bereikbaar).
</translation>
    </message>
    <message>
        <source>--%1 needs --carddav.</source>
        <translation>--%1 vereist --carddav.</translation>
    </message>
    <message>
        <source>--carddav needs the user name (--user NAME).</source>
        <translation>--carddav vereist de gebruikersnaam (--user NAME).</translation>
    </message>
    <message>
        <source>--target %1 makes files to import; it cannot be used with --carddav.</source>
        <translation>--target %1 maakt bestanden om te importeren; --carddav kan daarmee niet worden gebruikt.</translation>
    </message>
    <message>
        <source>--%1 is about files; it cannot be used with --carddav.</source>
        <translation>--%1 betreft bestanden; --carddav kan daarmee niet worden gebruikt.</translation>
    </message>
    <message>
        <source>An address book on a server takes vCard 3.0 or 4.0, not 2.1.</source>
        <translation>Een adresboek op een server accepteert vCard 3.0 of 4.0, niet 2.1.</translation>
    </message>
    <message>
        <source>--uid-column takes column letters (A, AB, ...), not “%1”.</source>
        <translation>--uid-column verwacht kolomletters (A, AB, ...), niet “%1”.</translation>
    </message>
    <message>
        <source>--list-addressbooks takes no spreadsheet.</source>
        <translation>--list-addressbooks verwacht geen rekenblad.</translation>
    </message>
    <message>
        <source>The password file “%1” cannot be read: %2.</source>
        <translation>Het wachtwoordbestand “%1” kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>Password of %1 at %2: </source>
        <translation>Wachtwoord van %1 op %2: </translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>De adresboeken van het account: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 unchanged, %3 not sent</source>
        <translation>
            <numerusform>%n contact toegevoegd, %1 bijgewerkt, %2 ongewijzigd, %3 niet verzonden</numerusform>
            <numerusform>%n contacten toegevoegd, %1 bijgewerkt, %2 ongewijzigd, %3 niet verzonden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were (--only-new).</source>
        <translation>
            <numerusform>%n contact dat al in het adresboek stond, is ongewijzigd gelaten (--only-new).</numerusform>
            <numerusform>%n contacten die al in het adresboek stonden, zijn ongewijzigd gelaten (--only-new).</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>Niet verzonden: rij %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>“%1” has changed since it was read: column %2 no longer has the header “%3”. Select the file again.</source>
        <translation>“%1” is gewijzigd sinds het werd ingelezen: kolom %2 heeft niet meer de kop “%3”. Selecteer het bestand opnieuw.</translation>
    </message>
    <message>
        <source>The cards are made for import into %1.</source>
        <translation>De vCards zijn gemaakt voor import in %1.</translation>
    </message>
    <message>
        <source>the card of contact %1 has %2 KB, and %3 takes cards under %4 KB</source>
        <translation>de vCard van contact %1 is %2 KB groot, en %3 accepteert alleen vCards kleiner dan %4 KB</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) could not be read as dates</source>
        <translation>
            <numerusform>%n verjaardag kon niet als datum worden gelezen</numerusform>
            <numerusform>%n verjaardagen konden niet als datum worden gelezen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(s) could not be read as dates</source>
        <translation>
            <numerusform>%n jubileum kon niet als datum worden gelezen</numerusform>
            <numerusform>%n jubilea konden niet als datum worden gelezen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) could not be read</source>
        <translation>
            <numerusform>%n foto kon niet worden gelezen</numerusform>
            <numerusform>%n foto&apos;s konden niet worden gelezen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phone number(s) were left as they were</source>
        <translation>
            <numerusform>%n telefoonnummer is ongewijzigd gelaten</numerusform>
            <numerusform>%n telefoonnummers zijn ongewijzigd gelaten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (row %2: %3)</source>
        <translation>%1 (rij %2: %3)</translation>
    </message>
</context>
<context>
    <name>DateOrder</name>
    <message>
        <source>M/D/Y</source>
        <translation>M/D/J</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>J/M/D</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>D/M/J</translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>Excel File (*.xlsx *.xls *.csv);;OpenDocument Spreadsheet (*.ods);;All files (*)</source>
        <translation>Excel-bestand (*.xlsx *.xls *.csv);;OpenDocument-rekenblad (*.ods);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Mapping (*.json);;All files (*)</source>
        <translation>Koppeling (*.json);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Het wachtwoord kon niet in de sleutelbos worden bewaard: %1</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>first name</source>
        <translation>voornaam</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>achternaam</translation>
    </message>
    <message>
        <source>name as shown; without it, first and last name</source>
        <translation>weergavenaam; zonder deze voor- en achternaam</translation>
    </message>
    <message>
        <source>preferred e-mail address</source>
        <translation>e-mailadres met voorkeur</translation>
    </message>
    <message>
        <source>second e-mail address</source>
        <translation>tweede e-mailadres</translation>
    </message>
    <message>
        <source>third e-mail address</source>
        <translation>derde e-mailadres</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>functie</translation>
    </message>
    <message>
        <source>company</source>
        <translation>bedrijf</translation>
    </message>
    <message>
        <source>work address in one text</source>
        <translation>werkadres als één tekst</translation>
    </message>
    <message>
        <source>work address: city</source>
        <translation>werkadres: plaats</translation>
    </message>
    <message>
        <source>work address: country</source>
        <translation>werkadres: land</translation>
    </message>
    <message>
        <source>work address: postal code</source>
        <translation>werkadres: postcode</translation>
    </message>
    <message>
        <source>work address: state or region</source>
        <translation>werkadres: provincie of regio</translation>
    </message>
    <message>
        <source>work address: street</source>
        <translation>werkadres: straat</translation>
    </message>
    <message>
        <source>work fax number</source>
        <translation>faxnummer werk</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>webpagina</translation>
    </message>
    <message>
        <source>work telephone number</source>
        <translation>telefoonnummer werk</translation>
    </message>
    <message>
        <source>department (written with a Company)</source>
        <translation>afdeling (alleen geschreven samen met Company)</translation>
    </message>
    <message>
        <source>home address in one text</source>
        <translation>huisadres als één tekst</translation>
    </message>
    <message>
        <source>home address: city</source>
        <translation>huisadres: plaats</translation>
    </message>
    <message>
        <source>home address: country</source>
        <translation>huisadres: land</translation>
    </message>
    <message>
        <source>home address: postal code</source>
        <translation>huisadres: postcode</translation>
    </message>
    <message>
        <source>home address: state or region</source>
        <translation>huisadres: provincie of regio</translation>
    </message>
    <message>
        <source>home address: street</source>
        <translation>huisadres: straat</translation>
    </message>
    <message>
        <source>home fax number</source>
        <translation>faxnummer thuis</translation>
    </message>
    <message>
        <source>home telephone number</source>
        <translation>telefoonnummer thuis</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>tweede voornaam</translation>
    </message>
    <message>
        <source>mobile telephone number</source>
        <translation>mobiel telefoonnummer</translation>
    </message>
    <message>
        <source>form of address, such as Dr</source>
        <translation>aanspreektitel, zoals dr.</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notities</translation>
    </message>
    <message>
        <source>name suffix, such as Jr.</source>
        <translation>achtervoegsel bij de naam, zoals jr.</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>bijnaam</translation>
    </message>
    <message>
        <source>birthday (a date, the year may be left out)</source>
        <translation>verjaardag (een datum, het jaar mag ontbreken)</translation>
    </message>
    <message>
        <source>anniversary (a date)</source>
        <translation>jubileum (een datum)</translation>
    </message>
    <message>
        <source>categories, separated by &quot;,&quot; or &quot;;&quot;</source>
        <translation>categorieën, gescheiden door “,” of “;”</translation>
    </message>
    <message>
        <source>other telephone number</source>
        <translation>ander telefoonnummer</translation>
    </message>
    <message>
        <source>pager number</source>
        <translation>piepernummer</translation>
    </message>
    <message>
        <source>personal web page</source>
        <translation>persoonlijke webpagina</translation>
    </message>
    <message>
        <source>photo: a picture file&apos;s path or a web address</source>
        <translation>foto: pad van een afbeelding of een webadres</translation>
    </message>
</context>
<context>
    <name>Mapping</name>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Selecteer het Outlook-veld.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Selecteer het Excel-veld.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Selecteer een item uit de toegevoegde velden.</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at character %2)</source>
        <translation>het bestand is geen JSON (%1 bij teken %2)</translation>
    </message>
    <message>
        <source>it holds no JSON object</source>
        <translation>het bestand bevat geen JSON-object</translation>
    </message>
    <message>
        <source>it has no “format” number</source>
        <translation>het bestand heeft geen “format”-nummer</translation>
    </message>
    <message>
        <source>it is written in format %1; this version reads format %2</source>
        <translation>het bestand heeft indeling %1; deze versie leest indeling %2</translation>
    </message>
    <message>
        <source>it has no “pairs” list</source>
        <translation>het bestand heeft geen “pairs”-lijst</translation>
    </message>
    <message>
        <source>pair %1 is not a JSON object</source>
        <translation>paar %1 is geen JSON-object</translation>
    </message>
    <message>
        <source>pair %1 has no “header” text</source>
        <translation>paar %1 heeft geen “header”-tekst</translation>
    </message>
    <message>
        <source>pair %1 has no “field” name</source>
        <translation>paar %1 heeft geen “field”-naam</translation>
    </message>
    <message>
        <source>pair %1 has a “column” that is not column letters</source>
        <translation>paar %1 heeft een “column” zonder geldige kolomletters</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be read: %2.</source>
        <translation>Het koppelingsbestand “%1” kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a mapping this program can load: %2.</source>
        <translation>“%1” is geen koppeling die dit programma kan laden: %2.</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be written: %2.</source>
        <translation>Het koppelingsbestand “%1” kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>the header is not in this sheet</source>
        <translation>de kop staat niet in dit werkblad</translation>
    </message>
    <message>
        <source>the field is not one of this program&apos;s</source>
        <translation>dit programma kent het veld niet</translation>
    </message>
    <message>
        <source>the column or the field is mapped already</source>
        <translation>de kolom of het veld is al gekoppeld</translation>
    </message>
    <message>
        <source>“%1” → %2: %3</source>
        <translation>“%1” → %2: %3</translation>
    </message>
    <message>
        <source>“%1” (column %2) → %3: %4</source>
        <translation>“%1” (kolom %2) → %3: %4</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>“%1” cannot be written: %2</source>
        <translation>“%1” kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: %2.</source>
        <translation>De map “%1” kan niet worden aangemaakt: %2.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: too many folders of that name exist already.</source>
        <translation>De map “%1” kan niet worden aangemaakt: er bestaan al te veel mappen met die naam.</translation>
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
        <translation>bestand niet gevonden</translation>
    </message>
    <message>
        <source>a folder, not an image</source>
        <translation>een map, geen afbeelding</translation>
    </message>
    <message>
        <source>not an image that can be read</source>
        <translation>geen leesbare afbeelding</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>kan niet worden geopend</translation>
    </message>
    <message>
        <source>image too large (%1 x %2 pixels)</source>
        <translation>afbeelding te groot (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>cannot be made small enough</source>
        <translation>kan niet klein genoeg worden gemaakt</translation>
    </message>
    <message>
        <source>not an http or https address</source>
        <translation>geen http- of https-adres</translation>
    </message>
    <message>
        <source>not a valid web address</source>
        <translation>geen geldig webadres</translation>
    </message>
</context>
<context>
    <name>ServerDialog</name>
    <message>
        <source>Address Book on a Server</source>
        <translation>Adresboek op een server</translation>
    </message>
    <message>
        <source>https://cloud.example.org</source>
        <translation>https://cloud.example.org</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>&amp;Serveradres:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <source>Needed only when the server asks for one; leave it empty to use the remembered one</source>
        <translation>Alleen nodig als de server erom vraagt; laat het leeg om het onthouden wachtwoord te gebruiken</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>Wachtwoord ont&amp;houden</translation>
    </message>
    <message>
        <source>No keyring runs on this desktop, so the password cannot be kept.</source>
        <translation>Op dit bureaublad draait geen sleutelbos, dus het wachtwoord kan niet worden bewaard.</translation>
    </message>
    <message>
        <source>The account&apos;s only one</source>
        <translation>Het enige adresboek van het account</translation>
    </message>
    <message>
        <source>C&amp;onnect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>Lists the address books of the account</source>
        <translation>Toont de adresboeken van het account</translation>
    </message>
    <message>
        <source>Address &amp;book:</source>
        <translation>Adres&amp;boek:</translation>
    </message>
    <message>
        <source>E-mail address (default)</source>
        <translation>E-mailadres (standaard)</translation>
    </message>
    <message>
        <source>What tells a contact of the sheet and its card on the server are the same</source>
        <translation>Waaraan te zien is dat een contact in het werkblad en een vCard op de server bij elkaar horen</translation>
    </message>
    <message>
        <source>&amp;Match contacts by:</source>
        <translation>&amp;Contacten herkennen aan:</translation>
    </message>
    <message>
        <source>Only add &amp;new contacts</source>
        <translation>Alleen &amp;nieuwe contacten toevoegen</translation>
    </message>
    <message>
        <source>Contacts already in the address book are left as they are</source>
        <translation>Contacten die al in het adresboek staan, blijven ongewijzigd</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinding maken...</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s) found.</source>
        <translation>
            <numerusform>%n adresboek gevonden.</numerusform>
            <numerusform>%n adresboeken gevonden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>a sheet&apos;s position in the workbook is wrong</source>
        <translation>de positie van een blad in de werkmap is onjuist</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or macros).</source>
        <translation>het bestand bevat geen werkblad (alleen grafieken of macro&apos;s).</translation>
    </message>
    <message>
        <source>the workbook ends before its last record</source>
        <translation>de werkmap eindigt vóór het laatste record</translation>
    </message>
    <message>
        <source>a record runs past the end of the workbook</source>
        <translation>een record loopt door tot voorbij het einde van de werkmap</translation>
    </message>
    <message>
        <source>the workbook is empty</source>
        <translation>de werkmap is leeg</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its workbook does not begin like an Excel workbook).</source>
        <translation>het bestand is geen rekenblad (de werkmap begint niet zoals een Excel-werkmap).</translation>
    </message>
    <message>
        <source>it is in the format of Excel 4 or older, which this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>het bestand heeft de indeling van Excel 4 of ouder, die dit programma niet leest. Open het in uw rekenbladprogramma en sla het op als .xlsx.</translation>
    </message>
    <message>
        <source>it is in an Excel format this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>het bestand heeft een Excel-indeling die dit programma niet leest. Open het in uw rekenbladprogramma en sla het op als .xlsx.</translation>
    </message>
    <message>
        <source>it is not a workbook this program reads (it holds no worksheet).</source>
        <translation>het bestand is geen werkmap die dit programma leest (het bevat geen werkblad).</translation>
    </message>
    <message>
        <source>a code-page record is too short</source>
        <translation>een codepagina-record is te kort</translation>
    </message>
    <message>
        <source>a date-mode record is too short</source>
        <translation>een datummodus-record is te kort</translation>
    </message>
    <message>
        <source>the workbook&apos;s global part does not end</source>
        <translation>het globale deel van de werkmap eindigt niet</translation>
    </message>
    <message>
        <source>its password record is malformed</source>
        <translation>het wachtwoordrecord is ongeldig</translation>
    </message>
    <message>
        <source>it is protected with a password. Open it in your spreadsheet program, remove the password and save it again.</source>
        <translation>het bestand is beveiligd met een wachtwoord. Open het in uw rekenbladprogramma, verwijder het wachtwoord en sla het opnieuw op.</translation>
    </message>
    <message>
        <source>a sheet record is too short</source>
        <translation>een bladrecord is te kort</translation>
    </message>
    <message>
        <source>a sheet name runs past its record</source>
        <translation>een bladnaam loopt voorbij het einde van het record</translation>
    </message>
    <message>
        <source>it holds two shared-string tables</source>
        <translation>het bestand bevat twee tabellen met gedeelde tekenreeksen</translation>
    </message>
    <message>
        <source>the shared-string table is too short</source>
        <translation>de tabel met gedeelde tekenreeksen is te kort</translation>
    </message>
    <message>
        <source>a shared string runs past its records</source>
        <translation>een gedeelde tekenreeks loopt voorbij het einde van de records</translation>
    </message>
    <message>
        <source>a shared string is too long</source>
        <translation>een gedeelde tekenreeks is te lang</translation>
    </message>
    <message>
        <source>it holds a cell beyond the %1 rows and %2 columns an .xls sheet can have, so the file is damaged.</source>
        <translation>het bestand bevat een cel buiten de %1 rijen en %2 kolommen die een .xls-blad kan hebben, dus het bestand is beschadigd.</translation>
    </message>
    <message>
        <source>a text runs past its record</source>
        <translation>een tekst loopt voorbij het einde van het record</translation>
    </message>
    <message>
        <source>a number record is too short</source>
        <translation>een getalrecord is te kort</translation>
    </message>
    <message>
        <source>a multiple-number record has a wrong length</source>
        <translation>een record met meerdere getallen heeft een onjuiste lengte</translation>
    </message>
    <message>
        <source>a text record is too short</source>
        <translation>een tekstrecord is te kort</translation>
    </message>
    <message>
        <source>a truth-value record is too short</source>
        <translation>een record met een waarheidswaarde is te kort</translation>
    </message>
    <message>
        <source>a formula record is too short</source>
        <translation>een formulerecord is te kort</translation>
    </message>
    <message>
        <source>it has more than %1 rows, more than a worksheet holds.</source>
        <translation>het bestand heeft meer dan %1 rijen, meer dan een werkblad kan bevatten.</translation>
    </message>
    <message>
        <source>row %1 has more than %2 fields, more than a worksheet has columns.</source>
        <translation>rij %1 heeft meer dan %2 velden, meer dan een werkblad kolommen heeft.</translation>
    </message>
    <message>
        <source>a field in row %1 is longer than %2 characters, more than a cell may hold.</source>
        <translation>een veld in rij %1 is langer dan %2 tekens, meer dan een cel kan bevatten.</translation>
    </message>
    <message>
        <source>it contains a NUL character (line %1), so it is not a plain text list.</source>
        <translation>het bestand bevat een NUL-teken (regel %1) en is dus geen platte tekstlijst.</translation>
    </message>
    <message>
        <source>it is damaged (its UTF-16 text ends in the middle of a character).</source>
        <translation>het bestand is beschadigd (de UTF-16-tekst eindigt midden in een teken).</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation>het bestand kan niet worden geopend (%1).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row a worksheet can hold (row 1,048,576).</source>
        <translation>het bestand heeft een cel voorbij de laatste rij die een werkblad kan bevatten (rij 1.048.576).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last column a worksheet can hold (column XFD).</source>
        <translation>het bestand heeft een cel voorbij de laatste kolom die een werkblad kan bevatten (kolom XFD).</translation>
    </message>
    <message>
        <source>it holds more cells than this program can keep (its repeated rows and columns add up to tens of millions of cells).</source>
        <translation>het bestand bevat meer cellen dan dit programma kan bewaren (de herhaalde rijen en kolommen komen samen op tientallen miljoenen cellen).</translation>
    </message>
    <message>
        <source>it is damaged (its content part, content.xml, is missing).</source>
        <translation>het bestand is beschadigd (het inhoudsdeel content.xml ontbreekt).</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its content holds no table body).</source>
        <translation>het bestand is geen rekenblad (de inhoud bevat geen tabel).</translation>
    </message>
    <message>
        <source>it is a word-processing document, not a spreadsheet.</source>
        <translation>het bestand is een tekstdocument, geen rekenblad.</translation>
    </message>
    <message>
        <source>it is a presentation, not a spreadsheet.</source>
        <translation>het bestand is een presentatie, geen rekenblad.</translation>
    </message>
    <message>
        <source>it is a drawing, not a spreadsheet.</source>
        <translation>het bestand is een tekening, geen rekenblad.</translation>
    </message>
    <message>
        <source>it is an e-book, not a spreadsheet.</source>
        <translation>het bestand is een e-book, geen rekenblad.</translation>
    </message>
    <message>
        <source>it is a document of another kind (%1), not a spreadsheet.</source>
        <translation>het bestand is een ander soort document (%1), geen rekenblad.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a spreadsheet (it holds neither a workbook nor an OpenDocument spreadsheet).</source>
        <translation>het bestand is een zip-archief, geen rekenblad (het bevat geen werkmap en ook geen OpenDocument-rekenblad).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row or column a worksheet can hold (row 1,048,576, column XFD).</source>
        <translation>het bestand heeft een cel voorbij de laatste rij of kolom die een werkblad kan bevatten (rij 1.048.576, kolom XFD).</translation>
    </message>
    <message>
        <source>it holds more than %1 cells, more than this program reads.</source>
        <translation>het bestand bevat meer dan %1 cellen, meer dan dit programma leest.</translation>
    </message>
    <message>
        <source>it holds a text longer than any cell may be.</source>
        <translation>het bestand bevat een tekst die langer is dan een cel mag zijn.</translation>
    </message>
    <message>
        <source>it is damaged (a cell refers to a shared text that does not exist).</source>
        <translation>het bestand is beschadigd (een cel verwijst naar een gedeelde tekst die niet bestaat).</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>“%1” kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>it has no worksheet number %1 (it has %2).</source>
        <translation>het bestand heeft geen werkblad nummer %1 (het heeft er %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1).</source>
        <translation>het bestand is beschadigd (%1).</translation>
    </message>
    <message>
        <source>Items Found: </source>
        <translation>Gevonden items: </translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>het is een map, geen bestand.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>het bestand is leeg.</translation>
    </message>
    <message>
        <source>it is a web page or XML document, not a spreadsheet. Open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>het bestand is een webpagina of XML-document, geen rekenblad. Open het in een rekenbladprogramma en sla het op als .xlsx of .csv.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet in a format this program reads (.xlsx, .xls, .ods or .csv).</source>
        <translation>het bestand is geen rekenblad in een indeling die dit programma leest (.xlsx, .xls, .ods of .csv).</translation>
    </message>
    <message>
        <source>no worksheet was chosen.</source>
        <translation>er is geen werkblad gekozen.</translation>
    </message>
    <message>
        <source>the workbook stream is larger than the file</source>
        <translation>de werkmapstream is groter dan het bestand</translation>
    </message>
    <message>
        <source>its workbook is larger than the 512 MB this program reads from an .xls file. Save it as .xlsx in your spreadsheet program and choose that file.</source>
        <translation>de werkmap is groter dan de 512 MB die dit programma uit een .xls-bestand leest. Sla het bestand in uw rekenbladprogramma op als .xlsx en kies dat bestand.</translation>
    </message>
    <message>
        <source>its workbook stream cannot be read to the end</source>
        <translation>de werkmapstream kan niet tot het einde worden gelezen</translation>
    </message>
    <message>
        <source>the file cannot be opened.</source>
        <translation>het bestand kan niet worden geopend.</translation>
    </message>
    <message>
        <source>its compound-file structure is broken</source>
        <translation>de structuur van het samengestelde bestand is beschadigd</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (the file holds no workbook; it may be a document of another program).</source>
        <translation>het bestand is geen rekenblad (het bevat geen werkmap; mogelijk is het een document van een ander programma).</translation>
    </message>
    <message>
        <source>its workbook stream cannot be opened</source>
        <translation>de werkmapstream kan niet worden geopend</translation>
    </message>
    <message>
        <source>it holds more shared texts than this program can keep.</source>
        <translation>het bestand bevat meer gedeelde teksten dan dit programma kan bewaren.</translation>
    </message>
    <message>
        <source>it is damaged (its first worksheet, %1, is missing).</source>
        <translation>het bestand is beschadigd (het eerste werkblad, %1, ontbreekt).</translation>
    </message>
    <message>
        <source>it is damaged (its worksheet number %1, %2, is missing).</source>
        <translation>het bestand is beschadigd (werkblad nummer %1, %2, ontbreekt).</translation>
    </message>
    <message>
        <source>it is damaged (its first sheet, %1, is not a worksheet).</source>
        <translation>het bestand is beschadigd (het eerste blad, %1, is geen werkblad).</translation>
    </message>
    <message>
        <source>it is damaged (its sheet number %1, %2, is not a worksheet).</source>
        <translation>het bestand is beschadigd (blad nummer %1, %2, is geen werkblad).</translation>
    </message>
    <message>
        <source>the package relationships</source>
        <translation>het deel met de pakketrelaties</translation>
    </message>
    <message>
        <source>it is a binary workbook (.xlsb), which this program does not read. Save it as .xlsx and try again.</source>
        <translation>het bestand is een binaire werkmap (.xlsb), die dit programma niet leest. Sla het op als .xlsx en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>the content types</source>
        <translation>het deel met de inhoudstypen</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its package names no main document).</source>
        <translation>het bestand is beschadigd of geen rekenblad (het pakket noemt geen hoofddocument).</translation>
    </message>
    <message>
        <source>it is damaged (its workbook part, %1, is missing).</source>
        <translation>het bestand is beschadigd (het werkmapdeel %1 ontbreekt).</translation>
    </message>
    <message>
        <source>the workbook part</source>
        <translation>het werkmapdeel</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its main part is not a workbook).</source>
        <translation>het bestand is beschadigd of geen rekenblad (het hoofddeel is geen werkmap).</translation>
    </message>
    <message>
        <source>it is damaged (the relationships of its workbook part are missing).</source>
        <translation>het bestand is beschadigd (de relaties van het werkmapdeel ontbreken).</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or other kinds of sheets).</source>
        <translation>het bestand bevat geen werkblad (alleen grafieken of andere soorten bladen).</translation>
    </message>
    <message>
        <source>the shared texts</source>
        <translation>het deel met de gedeelde teksten</translation>
    </message>
    <message>
        <source>the styles</source>
        <translation>het deel met de stijlen</translation>
    </message>
    <message>
        <source>the worksheet</source>
        <translation>het werkblad</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: unbound prefix at line %2).</source>
        <translation>het bestand is beschadigd (%1 is geen goedgevormde XML: niet-gebonden voorvoegsel op regel %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1 nests elements more than %2 levels deep).</source>
        <translation>het bestand is beschadigd (%1 nest elementen dieper dan %2 niveaus).</translation>
    </message>
    <message>
        <source>%1 contains a document type declaration, which this program refuses for safety (it may define entities that expand without end).</source>
        <translation>%1 bevat een documenttypedeclaratie, die dit programma om veiligheidsredenen weigert (die kan entiteiten definiëren die eindeloos uitdijen).</translation>
    </message>
    <message>
        <source>%1 defines XML entities, which this program refuses for safety.</source>
        <translation>%1 definieert XML-entiteiten, die dit programma om veiligheidsredenen weigert.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>er is onvoldoende geheugen om het te lezen.</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: %2 at line %3).</source>
        <translation>het bestand is beschadigd (%1 is geen goedgevormde XML: %2 op regel %3).</translation>
    </message>
    <message>
        <source>it is damaged (%1 holds a tag longer than %2 MB).</source>
        <translation>het bestand is beschadigd (%1 bevat een tag die langer is dan %2 MB).</translation>
    </message>
    <message>
        <source>it is damaged (the checksum of %1 does not match).</source>
        <translation>het bestand is beschadigd (de controlesom van %1 klopt niet).</translation>
    </message>
    <message>
        <source>it is damaged (the compressed data of %1 is corrupt).</source>
        <translation>het bestand is beschadigd (de gecomprimeerde gegevens van %1 zijn corrupt).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (%1 cannot be read in full; the file may have been cut short).</source>
        <translation>het bestand is beschadigd of onvolledig (%1 kan niet volledig worden gelezen; het bestand is mogelijk afgekapt).</translation>
    </message>
    <message>
        <source>it is protected by a password (its parts are encrypted). Save it again without a password.</source>
        <translation>het bestand is beveiligd met een wachtwoord (de onderdelen zijn versleuteld). Sla het opnieuw op zonder wachtwoord.</translation>
    </message>
    <message>
        <source>its part %1 is compressed with a method this program does not read.</source>
        <translation>het deel %1 is gecomprimeerd met een methode die dit programma niet leest.</translation>
    </message>
    <message>
        <source>it is damaged (%1 cannot be read: %2).</source>
        <translation>het bestand is beschadigd (%1 kan niet worden gelezen: %2).</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 bytes, more than this program accepts for one part.</source>
        <translation>het deel %1 wordt uitgepakt groter dan %2 bytes, meer dan dit programma voor één deel accepteert.</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 times its compressed size; the file looks like a zip bomb and is refused.</source>
        <translation>het deel %1 wordt uitgepakt meer dan %2 keer zo groot als gecomprimeerd; het bestand lijkt een zipbom en wordt geweigerd.</translation>
    </message>
    <message>
        <source>it is damaged (%1 inflates to %2 bytes, but its zip directory says %3).</source>
        <translation>het bestand is beschadigd (%1 is uitgepakt %2 bytes, maar volgens de inhoudsopgave van het zip-pakket %3).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (the directory at the end of its zip package is missing; the file may have been cut short).</source>
        <translation>het bestand is beschadigd of onvolledig (de inhoudsopgave aan het einde van het zip-pakket ontbreekt; het bestand is mogelijk afgekapt).</translation>
    </message>
    <message>
        <source>it is damaged (the directory of its zip package is inconsistent).</source>
        <translation>het bestand is beschadigd (de inhoudsopgave van het zip-pakket is inconsistent).</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>it is damaged (its zip package cannot be opened: %1).</source>
        <translation>het bestand is beschadigd (het zip-pakket kan niet worden geopend: %1).</translation>
    </message>
    <message>
        <source>it is damaged (a part of its zip package is missing).</source>
        <translation>het bestand is beschadigd (een deel van het zip-pakket ontbreekt).</translation>
    </message>
    <message>
        <source>it is damaged (its zip directory gives %1 a compressed size larger than the whole file).</source>
        <translation>het bestand is beschadigd (de inhoudsopgave van het zip-pakket geeft %1 een gecomprimeerde grootte die groter is dan het hele bestand).</translation>
    </message>
    <message>
        <source>it is damaged (%1 is far longer than it should be).</source>
        <translation>het bestand is beschadigd (%1 is veel langer dan het zou moeten zijn).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Us</source>
        <translation>Over ons</translation>
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
        <translation>Koppel een Excel-kolom aan een Outlook-veld.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converteren</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 naar %2</translation>
    </message>
    <message>
        <source>Auto Map recognised no further column header.</source>
        <translation>Automatisch koppelen heeft geen verdere kolomkop herkend.</translation>
    </message>
    <message>
        <source>%1 of the %2 pairs of the mapping were left out:
%3</source>
        <translation>%1 van de %2 paren uit de koppeling zijn weggelaten:
%3</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Map selecteren</translation>
    </message>
    <message>
        <source>%1 imports only the first card of a file: one file per contact.</source>
        <translation>%1 importeert alleen de eerste vCard van een bestand: één bestand per contact.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Kies een opslaglocatie</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Doelmap openen</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>De contacten zijn met succes naar vCard-bestanden geëxporteerd.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written to vCard files. The first reason: %3</source>
        <translation>%1 van %2 contacten konden niet naar vCard-bestanden worden geschreven. Eerste reden: %3</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>Wilt u de map met de vCard-bestanden openen? Klik op “Ja”, anders op “Nee”.</translation>
    </message>
    <message>
        <source>Wizard steps</source>
        <translation>Stappen van de assistent</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Selecteren</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Kolommen koppelen</translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation>3. Exporteren</translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation>&lt;  V&amp;orige</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>Volge&amp;nde &gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>About &amp;Us</source>
        <translation>&amp;Over ons</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Excel-bestand openen</translation>
    </message>
    <message>
        <source>Open Excel (%1)</source>
        <translation>Excel-bestand openen (%1)</translation>
    </message>
    <message>
        <source>Select Excel File :</source>
        <translation>Excel-bestand:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>B&amp;laderen...</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Werkblad:</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Voorbeeld van Excel-bestand</translation>
    </message>
    <message>
        <source>Excel Fields</source>
        <translation>Excel-velden</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>vCard-velden</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ve&amp;rwijderen</translation>
    </message>
    <message>
        <source>Auto &amp;Map</source>
        <translation>Auto-&amp;koppelen</translation>
    </message>
    <message>
        <source>&amp;Save Mapping...</source>
        <translation>Koppeling op&amp;slaan...</translation>
    </message>
    <message>
        <source>&amp;Load Mapping...</source>
        <translation>Koppeling &amp;laden...</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Geselecteerde velden (Excel → vCard)</translation>
    </message>
    <message>
        <source>Selected Fields (Excel to vCard)</source>
        <translation>Geselecteerde velden (van Excel naar vCard)</translation>
    </message>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Lege e-mailadressen toestaan bij importeren</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Alle contacten in één bestand</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(standaard een aparte vCard per contact)</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> vCard-versie 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> vCard-versie 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> vCard-versie 4.0</translation>
    </message>
    <message>
        <source>Date order:</source>
        <translation>Datumvolgorde:</translation>
    </message>
    <message>
        <source>How birthdays and anniversaries written as numbers are read</source>
        <translation>Hoe als getal geschreven verjaardagen en jubilea worden gelezen</translation>
    </message>
    <message>
        <source>&amp;Import into:</source>
        <translation>Im&amp;porteren in:</translation>
    </message>
    <message>
        <source>Any address book</source>
        <translation>Elk adresboek</translation>
    </message>
    <message>
        <source>The address book the cards are written for: it decides the versions offered</source>
        <translation>Het adresboek waarvoor de vCards worden geschreven: dit bepaalt welke versies beschikbaar zijn</translation>
    </message>
    <message>
        <source>Format p&amp;hone numbers</source>
        <translation>Nummers op&amp;maken</translation>
    </message>
    <message>
        <source>Phone region</source>
        <translation>Telefoonregio</translation>
    </message>
    <message>
        <source>The country of the numbers written without a country code</source>
        <translation>Het land van de nummers die zonder landcode zijn geschreven</translation>
    </message>
    <message>
        <source>International</source>
        <translation>Internationaal</translation>
    </message>
    <message>
        <source>E.164</source>
        <translation>E.164</translation>
    </message>
    <message>
        <source>Phone number form</source>
        <translation>Notatie van telefoonnummers</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Aantal contacten zonder e-mail    :</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Aantal toegevoegde contacten     :</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Voortgang van de conversie</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Opslaglocatie:</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Wijzigen...</translation>
    </message>
    <message>
        <source>Card &amp;Preview</source>
        <translation>&amp;vCard-voorbeeld</translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation>&amp;Contact:</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Which contact the card preview shows, counted over the rows that are converted</source>
        <translation>Welk contact het vCard-voorbeeld toont, geteld over de rijen die worden geconverteerd</translation>
    </message>
    <message>
        <source>Card preview</source>
        <translation>vCard-voorbeeld</translation>
    </message>
    <message>
        <source>Select an Excel file to see a contact&apos;s card here.</source>
        <translation>Selecteer een Excel-bestand om hier de vCard van een contact te zien.</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> van %1</translation>
    </message>
    <message>
        <source>(row %1)</source>
        <translation>(rij %1)</translation>
    </message>
    <message>
        <source>%1  ·  your contact list, ready for every address book</source>
        <translation>%1  ·  uw contactenlijst, klaar voor elk adresboek</translation>
    </message>
    <message>
        <source>A server takes each contact as a card of its own.</source>
        <translation>Een server ontvangt elk contact als aparte vCard.</translation>
    </message>
    <message>
        <source>%1 imports files only.</source>
        <translation>%1 importeert alleen bestanden.</translation>
    </message>
    <message>
        <source>Please choose the server with &quot;Server...&quot;.</source>
        <translation>Kies de server met “Server...”.</translation>
    </message>
    <message>
        <source>No contact was sent.</source>
        <translation>Er is geen contact verzonden.</translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>De adresboeken van het account: %1.</translation>
    </message>
    <message>
        <source>The contacts were sent to the address book &quot;%1&quot;.</source>
        <translation>De contacten zijn naar het adresboek “%1” verzonden.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be sent to the address book &quot;%3&quot;.</source>
        <translation>%1 van %2 contacten konden niet naar het adresboek “%3” worden verzonden.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 left unchanged.</source>
        <translation>
            <numerusform>%n contact toegevoegd, %1 bijgewerkt, %2 ongewijzigd gelaten.</numerusform>
            <numerusform>%n contacten toegevoegd, %1 bijgewerkt, %2 ongewijzigd gelaten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were.</source>
        <translation>
            <numerusform>%n contact dat al in het adresboek stond, is ongewijzigd gelaten.</numerusform>
            <numerusform>%n contacten die al in het adresboek stonden, zijn ongewijzigd gelaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>Niet verzonden: rij %1, %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... en nog %n.</numerusform>
            <numerusform>... en nog %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Send to:</source>
        <translation>&amp;Sturen naar:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Address book on a server</source>
        <translation>Adresboek op een server</translation>
    </message>
    <message>
        <source>Files in a folder, or the contacts sent to an address book on a server</source>
        <translation>Bestanden in een map, of de contacten verzonden naar een adresboek op een server</translation>
    </message>
    <message>
        <source>Se&amp;rver...</source>
        <translation>Se&amp;rver...</translation>
    </message>
    <message>
        <source>The server, the sign-in and the address book</source>
        <translation>De server, de aanmelding en het adresboek</translation>
    </message>
</context>
</TS>
