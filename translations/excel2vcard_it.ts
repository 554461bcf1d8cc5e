<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CardDav</name>
    <message>
        <source>&quot;%1&quot; is not a server address: it must begin with https://.</source>
        <translation>“%1” non è un indirizzo di server: deve iniziare con https://.</translation>
    </message>
    <message>
        <source>The server address must not hold a password.</source>
        <translation>L&apos;indirizzo del server non deve contenere una password.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not encrypted: use https://, so that the password does not travel in clear.</source>
        <translation>La connessione a “%1” non è cifrata: usa https://, così la password non viaggia in chiaro.</translation>
    </message>
    <message>
        <source>No certificate could be read from &quot;%3&quot;.</source>
        <translation>Impossibile leggere un certificato da “%3”.</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; was not found.</source>
        <translation>Il server di “%1” non è stato trovato.</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; does not answer.</source>
        <translation>Il server di “%1” non risponde.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Il server ha chiuso la connessione.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Il server non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>The secure connection to &quot;%1&quot; failed: %3. A server with a certificate of its own needs that certificate as CA file.</source>
        <translation>La connessione sicura a “%1” non è riuscita: %3. Per un server con un certificato proprio, indica quel certificato come file CA.</translation>
    </message>
    <message>
        <source>The connection to &quot;%1&quot; failed: %3.</source>
        <translation>La connessione a “%1” non è riuscita: %3.</translation>
    </message>
    <message>
        <source>The server asks for a password, and none was given.</source>
        <translation>Il server chiede una password, ma non ne è stata fornita nessuna.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Il server ha rifiutato il nome utente o la password.</translation>
    </message>
    <message>
        <source>The server sent the program on to &quot;%3&quot;, which is not the same server; it was not followed.</source>
        <translation>Il server ha reindirizzato il programma a “%3”, che non è lo stesso server; il reindirizzamento non è stato seguito.</translation>
    </message>
    <message>
        <source>The server sent the program on too many times.</source>
        <translation>Il server ha reindirizzato il programma troppe volte.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large.</source>
        <translation>La risposta del server era troppo grande.</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read: %3.</source>
        <translation>Impossibile leggere la risposta del server: %3.</translation>
    </message>
    <message>
        <source>The server answered %2 %3.</source>
        <translation>Il server ha risposto %2 %3.</translation>
    </message>
    <message>
        <source>The account has no address book.</source>
        <translation>L&apos;account non ha nessuna rubrica.</translation>
    </message>
    <message>
        <source>The account has no address book &quot;%3&quot;.</source>
        <translation>L&apos;account non ha una rubrica “%3”.</translation>
    </message>
    <message>
        <source>The account has several address books; choose one of: %3.</source>
        <translation>L&apos;account ha più rubriche; scegline una tra: %3.</translation>
    </message>
    <message numerus="yes">
        <source>, ... (%n row(s))</source>
        <translation>
            <numerusform>, ... (%n riga)</numerusform>
            <numerusform>, ... (%n righe)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had nothing to be matched by (no e-mail address, name or company) and went under their row number, so moving them in the sheet makes them new contacts: row(s) %1.</source>
        <translation>
            <numerusform>%n contatto non aveva nulla per essere riconosciuto (né indirizzo email, né nome, né azienda) ed è stato identificato dal suo numero di riga; se lo sposti nel foglio, diventerà un nuovo contatto: riga %1.</numerusform>
            <numerusform>%n contatti non avevano nulla per essere riconosciuti (né indirizzo email, né nome, né azienda) e sono stati identificati dal loro numero di riga; se li sposti nel foglio, diventeranno nuovi contatti: righe %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had the same e-mail address, name or key as an earlier row and were sent as contacts of their own: row(s) %1.</source>
        <translation>
            <numerusform>%n contatto aveva lo stesso indirizzo email, nome o chiave di una riga precedente ed è stato inviato come contatto a sé: riga %1.</numerusform>
            <numerusform>%n contatti avevano lo stesso indirizzo email, nome o chiave di una riga precedente e sono stati inviati come contatti a sé: righe %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Not written: Birthday &quot;%1&quot; is not a date</source>
        <translation>Omesso: il compleanno “%1” non è una data</translation>
    </message>
    <message>
        <source>Not written: Anniversary &quot;%1&quot; is not a date</source>
        <translation>Omesso: l&apos;anniversario “%1” non è una data</translation>
    </message>
    <message>
        <source>Not written: Photo %1</source>
        <translation>Omesso: foto %1</translation>
    </message>
    <message>
        <source>Left as it stands: phone number &quot;%1&quot; is not a valid number</source>
        <translation>Lasciato com&apos;è: il numero di telefono “%1” non è valido</translation>
    </message>
    <message>
        <source>Map a column to see the card it gives.</source>
        <translation>Associa una colonna per vedere la scheda che ne risulta.</translation>
    </message>
    <message>
        <source>Row %1 holds no contact.</source>
        <translation>La riga %1 non contiene alcun contatto.</translation>
    </message>
    <message>
        <source>No card: the e-mail cell of row %1 holds nothing but spaces.</source>
        <translation>Nessuna scheda: la cella email della riga %1 contiene solo spazi.</translation>
    </message>
    <message>
        <source>No card: it has %1 KB, and %2 takes cards under %3 KB.</source>
        <translation>Nessuna scheda: occupa %1 KB, e %2 accetta solo schede sotto i %3 KB.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>There is no worksheet “%1” in “%2”: it has no worksheet at all.</source>
        <translation>Non c&apos;è nessun foglio di lavoro “%1” in “%2”: il file non contiene alcun foglio di lavoro.</translation>
    </message>
    <message>
        <source>There is no worksheet “%1” in “%2”. Give one of its worksheets by name or by number (1 to %3): %4.</source>
        <translation>Non c&apos;è nessun foglio di lavoro “%1” in “%2”. Indica uno dei suoi fogli di lavoro per nome o per numero (da 1 a %3): %4.</translation>
    </message>
    <message>
        <source>Unknown field “%1”. The fields are: %2.</source>
        <translation>Campo sconosciuto “%1”. I campi sono: %2.</translation>
    </message>
    <message>
        <source>The field “%1” is mapped twice.</source>
        <translation>Il campo “%1” è associato due volte.</translation>
    </message>
    <message>
        <source>There is no header column “%1” in the sheet (its header columns are A to %2).</source>
        <translation>Nel foglio non c&apos;è nessuna colonna di intestazione “%1” (le sue colonne di intestazione vanno da A a %2).</translation>
    </message>
    <message>
        <source>The column %1 is mapped twice.</source>
        <translation>La colonna %1 è associata due volte.</translation>
    </message>
    <message>
        <source>The header “%1” is mapped more often than it stands in row 1.</source>
        <translation>L&apos;intestazione “%1” è associata più volte di quante compaia nella riga 1.</translation>
    </message>
    <message>
        <source>The header “%1” is not in the sheet (see --list-headers).</source>
        <translation>L&apos;intestazione “%1” non è nel foglio (vedi --list-headers).</translation>
    </message>
    <message>
        <source>Warning: %1 of %2 pairs of the mapping file were left out:
  %3</source>
        <translation>Attenzione: coppie del file di associazione ignorate (%1 su %2):
  %3</translation>
    </message>
    <message>
        <source>No column is mapped: no pair of the mapping fits the sheet and no header was recognised (see --list-headers).</source>
        <translation>Nessuna colonna è associata: nessuna coppia dell&apos;associazione corrisponde al foglio e nessuna intestazione è stata riconosciuta (vedi --list-headers).</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written to vCard files.</source>
        <translation>
            <numerusform>%n contatto scritto in file vCard.</numerusform>
            <numerusform>%n contatti scritti in file vCard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) left out: an e-mail cell holds only spaces (--allow-empty-email keeps them).</source>
        <translation>
            <numerusform>%n riga esclusa: la sua cella email contiene solo spazi (--allow-empty-email la mantiene).</numerusform>
            <numerusform>%n righe escluse: la loro cella email contiene solo spazi (--allow-empty-email le mantiene).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written. The first reason: %3</source>
        <translation>Contatti non scritti: %1 su %2. Primo motivo: %3</translation>
    </message>
    <message>
        <source>Run excel2vcard-cli --help for the options.</source>
        <translation>Esegui excel2vcard-cli --help per le opzioni.</translation>
    </message>
    <message>
        <source>Note: row 1 has %1 more header cells after column CW; only the first 101 columns are offered.</source>
        <translation>Nota: dopo la colonna CW la riga 1 contiene altre celle di intestazione (%1 in più); vengono proposte solo le prime 101 colonne.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location.</source>
        <translation>Scegli il percorso di salvataggio.</translation>
    </message>
    <message>
        <source> (accepted but reaches no card)</source>
        <translation> (accettato ma non arriva in nessuna scheda)</translation>
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
        <translation>Uso:
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
  excel2vcard-cli --suggest-mapping [opzioni di associazione]
                  [--save-mapping FILE] SPREADSHEET

Converte in file vCard i contatti del primo foglio di lavoro di un foglio di
  calcolo (.xlsx, .xls, .ods o .csv). La riga 1 contiene le intestazioni di
  colonna, ogni riga sottostante un contatto.

  -m, --map &quot;HEADER=FIELD&quot;      Inserisce in FIELD la colonna con intestazione
                                HEADER (il testo esatto). Se più colonne hanno
                                quell&apos;intestazione, ogni --map prende la
                                successiva.
  --map-column LETTERS=FIELD    Inserisce in FIELD la colonna con queste lettere
                                (C, AB, ...).
  --mapping-file FILE           Applica un&apos;associazione salvata dalla finestra
                                (Salva...) o da --save-mapping. Le coppie la cui
                                intestazione non è nel foglio vengono segnalate
                                con un avviso sullo standard error e ignorate;
                                --map e --map-column prevalgono sul file.
  --auto-map                    Associa le colonne con intestazioni riconosciute
                                (esportazioni comuni, più lingue) ai campi
                                ancora liberi, dopo --map, --map-column e
                                --mapping-file.
  --suggest-mapping             Non converte nulla: stampa l&apos;associazione che
                                farebbe --auto-map, una riga per coppia: le
                                lettere della colonna, un TAB, il testo
                                dell&apos;intestazione, un TAB, il campo.
  --save-mapping FILE           Salva l&apos;associazione in FILE (JSON) prima di
                                convertire; la finestra e --mapping-file la
                                possono caricare.
  --vcard-version VERSION       2.1 (predefinita), 3.0 o 4.0.
  --single-file                 Scrive tutte le schede in un unico file,
                                “All Contacts.vcf”; altrimenti un file per
                                contatto, con il suo nome.
  --allow-empty-email           Mantiene le righe la cui cella email contiene
                                solo spazi; per impostazione predefinita tali
                                righe vengono escluse e contate.
  --phone-format FORMAT         Scrive i numeri di telefono validi come e164
                                (+16175550100) o international
                                (+1 617-555-0100); un interno viene mantenuto
                                come “ ext. 12”. Gli altri numeri vengono
                                scritti come sono e contati. Per impostazione
                                predefinita i numeri non vengono modificati.
  --phone-region CC             Il paese (due lettere, come US o DE) dei numeri
                                scritti senza prefisso internazionale
                                (predefinito: il paese delle impostazioni
                                internazionali del sistema).
  --target TARGET               La rubrica a cui sono destinate le schede
                                (predefinito: generic, schede come sempre).
                                outlook: vCard 2.1, un file per contatto,
                                CHARSET=UTF-8 sui valori non ASCII. apple: 3.0,
                                al massimo 50.000 schede per file
                                (“All Contacts 2.vcf”, ...), ciascuna sotto i
                                256 KB. google: 3.0. android: 2.1 o 3.0; in 2.1
                                i valori non ASCII come UTF-8 quoted-printable.
                                Una versione o --single-file che la destinazione
                                non accetta viene rifiutata.
  --date-order ORDER            Come leggere le date scritte come numeri: DMY
                                (31/12/1990), MDY (12/31/1990) o YMD
                                (1990/12/31). Il valore predefinito segue il
                                formato di data delle impostazioni
                                internazionali.
  -o, --output DIR              Il percorso di salvataggio (predefinito: la
                                cartella Documenti). Al suo interno viene creata
                                una nuova cartella con la data e l&apos;ora nel nome;
                                il suo percorso è l&apos;ultima riga dello standard
                                output.
  --list-headers                Stampa una riga per ogni colonna di intestazione
                                della riga 1: le lettere della colonna, un TAB,
                                il testo dell&apos;intestazione. Poi la riga
                                “Items Found: ” con il numero di righe di
                                contatti.
  --sheet NAME|NUMBER           Legge questo foglio di lavoro invece del primo:
                                il suo nome, o il suo numero a partire da 1 in
                                --list-sheets. Un nome prevale su un numero:
                                “--sheet 2” legge un foglio chiamato 2, se
                                esiste. Maiuscole e minuscole contano solo
                                quando due nomi differiscono solo per esse.
  --list-sheets                 Stampa i nomi dei fogli di lavoro, uno per riga,
                                nell&apos;ordine della cartella di lavoro (anche
                                quelli nascosti; i fogli grafico non sono fogli
                                di lavoro). Un file .csv è un unico foglio, con
                                il nome del file.
  -h, --help                    Mostra questo testo.

FIELD è uno dei seguenti:
%1
Le associazioni si applicano nell&apos;ordine indicato. I messaggi e una barra di
avanzamento (in un terminale) vanno sullo standard error. Le coppie di un
--mapping-file che vengono ignorate non cambiano lo stato di uscita, a meno che
nessuna colonna sia associata.

Stato di uscita:
  0  tutti i contatti sono stati scritti;
  1  alcune schede (o la cartella di destinazione, o il file di --save-mapping)
     non sono state scritte; il messaggio dice quante e perché;
  2  uso errato, nome di campo sconosciuto, campo o colonna associati due volte,
     intestazione assente dal foglio, foglio di lavoro inesistente nel foglio di
     calcolo, nessuna colonna associata, --mapping-file inutilizzabile, o foglio
     di calcolo illeggibile (il motivo viene stampato).

Esempio:
  excel2vcard-cli -m &quot;First name=FirstName&quot; -m &quot;Last name=LastName&quot; \
      -m &quot;E-mail=EmailAddress&quot; --map-column D=MobileNumber --vcard-version 3.0 \
      -o ~/Cards contacts.xlsx
  excel2vcard-cli --auto-map --save-mapping staff.json -o ~/Cards staff.xlsx
</translation>
    </message>
    <message>
        <source>A mapping reads HEADER=FIELD or LETTERS=FIELD, not “%1”.</source>
        <translation>Un&apos;associazione si scrive HEADER=FIELD o LETTERS=FIELD, non “%1”.</translation>
    </message>
    <message>
        <source>The vCard version is 2.1, 3.0 or 4.0, not “%1”.</source>
        <translation>La versione vCard è 2.1, 3.0 o 4.0, non “%1”.</translation>
    </message>
    <message>
        <source>The target is one of %1, not “%2”.</source>
        <translation>La destinazione è una tra %1, non “%2”.</translation>
    </message>
    <message>
        <source>--target %1 writes vCard %2; --vcard-version %3 cannot be used with it.</source>
        <translation>--target %1 scrive vCard %2; --vcard-version %3 non può essere usato con questa destinazione.</translation>
    </message>
    <message>
        <source>--target %1 cannot read vCard %2.</source>
        <translation>--target %1 non sa leggere vCard %2.</translation>
    </message>
    <message>
        <source>--target %1 takes one contact a file; --single-file cannot be used with it.</source>
        <translation>--target %1 accetta un contatto per file; --single-file non può essere usato con questa destinazione.</translation>
    </message>
    <message>
        <source>The date order is DMY, MDY or YMD, not “%1”.</source>
        <translation>L&apos;ordine delle date è DMY, MDY o YMD, non “%1”.</translation>
    </message>
    <message>
        <source>The phone format is e164 or international, not “%1”.</source>
        <translation>Il formato dei numeri di telefono è e164 o international, non “%1”.</translation>
    </message>
    <message>
        <source>The phone region is a two-letter country code such as US or DE, not “%1”.</source>
        <translation>La regione telefonica è un codice di paese di due lettere, come US o DE, non “%1”.</translation>
    </message>
    <message>
        <source>No spreadsheet given.</source>
        <translation>Nessun foglio di calcolo indicato.</translation>
    </message>
    <message>
        <source>Give exactly one spreadsheet.</source>
        <translation>Indica un solo foglio di calcolo.</translation>
    </message>
    <message>
        <source>Map at least one column (--map or --map-column), or use --list-headers.</source>
        <translation>Associa almeno una colonna (--map o --map-column), oppure usa --list-headers.</translation>
    </message>
    <message>
        <source>At most %1 mappings can be made.</source>
        <translation>Si possono creare al massimo %1 associazioni.</translation>
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
Invio dei contatti a una rubrica su un server (CardDAV):
  excel2vcard-cli [opzioni di associazione] --carddav URL --user NAME
                  [--addressbook BOOK] [--ca-file FILE] [--password-file FILE]
                  [--uid-column LETTERS] [--only-new] SPREADSHEET
  excel2vcard-cli --carddav URL --user NAME [--ca-file FILE] --list-addressbooks

  --carddav URL                 Invia le schede a una rubrica di questo server
                                invece di scrivere file: l&apos;indirizzo del server,
                                quello dell&apos;account o quello della rubrica
                                stessa. https://, o http:// solo verso questo
                                computer. Le schede sono in vCard 3.0 (4.0 con
                                --vcard-version 4.0 se la rubrica lo accetta);
                                una seconda esecuzione aggiorna i contatti
                                inviati in precedenza invece di aggiungerli di
                                nuovo. Nulla viene mai eliminato dal server.
                                --target outlook e android, --single-file e
                                --output non si possono usare con questa
                                opzione.
  --user NAME                   Il nome utente dell&apos;account.
  --addressbook BOOK            La rubrica, per nome o indirizzo (vedi
                                --list-addressbooks); necessaria quando
                                l&apos;account ne ha più di una.
  --ca-file FILE                Considera attendibili i certificati di questo
                                file PEM oltre a quelli del sistema (per un
                                server con un certificato proprio).
  --password-file FILE          Legge la password dalla prima riga di FILE. La
                                password viene chiesta solo quando il server la
                                richiede: dalla variabile d&apos;ambiente
                                E2V_CARDDAV_PASSWORD, altrimenti da questo file,
                                altrimenti dal portachiavi del desktop (come la
                                memorizza la finestra), altrimenti con una
                                richiesta nel terminale.
  --uid-column LETTERS          Riconosce i contatti sul server dal testo di
                                questa colonna. Per impostazione predefinita dal
                                primo indirizzo email, altrimenti da nome e
                                azienda, altrimenti dal numero di riga (il
                                rapporto indica quelle righe).
  --only-new                    Aggiunge i contatti che la rubrica non contiene
                                ancora; lascia come sono quelli che contiene.
  --list-addressbooks           Stampa le rubriche dell&apos;account, una per riga:
                                l&apos;indirizzo, un TAB, il nome.

Il rapporto sullo standard error: “Contatti aggiunti: N, aggiornati: M,
invariati: K, non inviati: F”, poi ogni contatto non inviato con la sua riga e
il motivo indicato dal server; l&apos;indirizzo della rubrica è l&apos;ultima riga dello
standard output. Stato di uscita 0: ogni contatto è stato inviato o era
invariato; 1: alcuni non sono stati inviati; 2: non è stato possibile inviare
nulla (uso errato, accesso rifiutato, nessuna password, rubrica non trovata o
non scelta tra più rubriche, certificato del server non attendibile, server non
raggiungibile).
</translation>
    </message>
    <message>
        <source>--%1 needs --carddav.</source>
        <translation>--%1 richiede --carddav.</translation>
    </message>
    <message>
        <source>--carddav needs the user name (--user NAME).</source>
        <translation>--carddav richiede il nome utente (--user NAME).</translation>
    </message>
    <message>
        <source>--target %1 makes files to import; it cannot be used with --carddav.</source>
        <translation>--target %1 produce file da importare; questa destinazione non può essere usata con --carddav.</translation>
    </message>
    <message>
        <source>--%1 is about files; it cannot be used with --carddav.</source>
        <translation>--%1 riguarda i file; questa opzione non può essere usata con --carddav.</translation>
    </message>
    <message>
        <source>An address book on a server takes vCard 3.0 or 4.0, not 2.1.</source>
        <translation>Una rubrica su un server accetta vCard 3.0 o 4.0, non 2.1.</translation>
    </message>
    <message>
        <source>--uid-column takes column letters (A, AB, ...), not “%1”.</source>
        <translation>--uid-column accetta lettere di colonna (A, AB, ...), non “%1”.</translation>
    </message>
    <message>
        <source>--list-addressbooks takes no spreadsheet.</source>
        <translation>--list-addressbooks non accetta alcun foglio di calcolo.</translation>
    </message>
    <message>
        <source>The password file “%1” cannot be read: %2.</source>
        <translation>Impossibile leggere il file della password “%1”: %2.</translation>
    </message>
    <message>
        <source>Password of %1 at %2: </source>
        <translation>Password per %1 su %2: </translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>Rubriche dell&apos;account: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 unchanged, %3 not sent</source>
        <translation>
            <numerusform>Contatti aggiunti: %n, aggiornati: %1, invariati: %2, non inviati: %3</numerusform>
            <numerusform>Contatti aggiunti: %n, aggiornati: %1, invariati: %2, non inviati: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were (--only-new).</source>
        <translation>
            <numerusform>%n contatto già presente nella rubrica è stato lasciato com&apos;era (--only-new).</numerusform>
            <numerusform>%n contatti già presenti nella rubrica sono stati lasciati com&apos;erano (--only-new).</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>Non inviato: riga %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>“%1” has changed since it was read: column %2 no longer has the header “%3”. Select the file again.</source>
        <translation>“%1” è cambiato da quando è stato letto: la colonna %2 non ha più l&apos;intestazione “%3”. Seleziona di nuovo il file.</translation>
    </message>
    <message>
        <source>The cards are made for import into %1.</source>
        <translation>Le schede sono preparate per l&apos;importazione in %1.</translation>
    </message>
    <message>
        <source>the card of contact %1 has %2 KB, and %3 takes cards under %4 KB</source>
        <translation>la scheda del contatto %1 occupa %2 KB, e %3 accetta solo schede sotto i %4 KB</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) could not be read as dates</source>
        <translation>
            <numerusform>%n compleanno non è stato riconosciuto come data</numerusform>
            <numerusform>%n compleanni non sono stati riconosciuti come date</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(s) could not be read as dates</source>
        <translation>
            <numerusform>%n anniversario non è stato riconosciuto come data</numerusform>
            <numerusform>%n anniversari non sono stati riconosciuti come date</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) could not be read</source>
        <translation>
            <numerusform>%n foto non è stata letta</numerusform>
            <numerusform>%n foto non sono state lette</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phone number(s) were left as they were</source>
        <translation>
            <numerusform>%n numero di telefono è stato lasciato com&apos;era</numerusform>
            <numerusform>%n numeri di telefono sono stati lasciati com&apos;erano</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (row %2: %3)</source>
        <translation>%1 (riga %2: %3)</translation>
    </message>
</context>
<context>
    <name>DateOrder</name>
    <message>
        <source>M/D/Y</source>
        <translation>M/G/A</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>A/M/G</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>G/M/A</translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>Excel File (*.xlsx *.xls *.csv);;OpenDocument Spreadsheet (*.ods);;All files (*)</source>
        <translation>File Excel (*.xlsx *.xls *.csv);;Foglio di calcolo OpenDocument (*.ods);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Mapping (*.json);;All files (*)</source>
        <translation>File di associazione (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Impossibile memorizzare la password nel portachiavi: %1</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>first name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>cognome</translation>
    </message>
    <message>
        <source>name as shown; without it, first and last name</source>
        <translation>nome visualizzato; se manca, nome e cognome</translation>
    </message>
    <message>
        <source>preferred e-mail address</source>
        <translation>indirizzo email principale</translation>
    </message>
    <message>
        <source>second e-mail address</source>
        <translation>secondo indirizzo email</translation>
    </message>
    <message>
        <source>third e-mail address</source>
        <translation>terzo indirizzo email</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>qualifica</translation>
    </message>
    <message>
        <source>company</source>
        <translation>azienda</translation>
    </message>
    <message>
        <source>work address in one text</source>
        <translation>indirizzo di lavoro in un unico testo</translation>
    </message>
    <message>
        <source>work address: city</source>
        <translation>indirizzo di lavoro: città</translation>
    </message>
    <message>
        <source>work address: country</source>
        <translation>indirizzo di lavoro: paese</translation>
    </message>
    <message>
        <source>work address: postal code</source>
        <translation>indirizzo di lavoro: CAP</translation>
    </message>
    <message>
        <source>work address: state or region</source>
        <translation>indirizzo di lavoro: provincia o regione</translation>
    </message>
    <message>
        <source>work address: street</source>
        <translation>indirizzo di lavoro: via</translation>
    </message>
    <message>
        <source>work fax number</source>
        <translation>fax di lavoro</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>pagina web</translation>
    </message>
    <message>
        <source>work telephone number</source>
        <translation>telefono di lavoro</translation>
    </message>
    <message>
        <source>department (written with a Company)</source>
        <translation>reparto (scritto con il campo Company)</translation>
    </message>
    <message>
        <source>home address in one text</source>
        <translation>indirizzo di casa in un unico testo</translation>
    </message>
    <message>
        <source>home address: city</source>
        <translation>indirizzo di casa: città</translation>
    </message>
    <message>
        <source>home address: country</source>
        <translation>indirizzo di casa: paese</translation>
    </message>
    <message>
        <source>home address: postal code</source>
        <translation>indirizzo di casa: CAP</translation>
    </message>
    <message>
        <source>home address: state or region</source>
        <translation>indirizzo di casa: provincia o regione</translation>
    </message>
    <message>
        <source>home address: street</source>
        <translation>indirizzo di casa: via</translation>
    </message>
    <message>
        <source>home fax number</source>
        <translation>fax di casa</translation>
    </message>
    <message>
        <source>home telephone number</source>
        <translation>telefono di casa</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>secondo nome</translation>
    </message>
    <message>
        <source>mobile telephone number</source>
        <translation>telefono cellulare</translation>
    </message>
    <message>
        <source>form of address, such as Dr</source>
        <translation>titolo, ad esempio Dott.</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>note</translation>
    </message>
    <message>
        <source>name suffix, such as Jr.</source>
        <translation>suffisso del nome, ad esempio Jr.</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>soprannome</translation>
    </message>
    <message>
        <source>birthday (a date, the year may be left out)</source>
        <translation>compleanno (una data, l&apos;anno si può omettere)</translation>
    </message>
    <message>
        <source>anniversary (a date)</source>
        <translation>anniversario (una data)</translation>
    </message>
    <message>
        <source>categories, separated by &quot;,&quot; or &quot;;&quot;</source>
        <translation>categorie, separate da “,” o “;”</translation>
    </message>
    <message>
        <source>other telephone number</source>
        <translation>altro telefono</translation>
    </message>
    <message>
        <source>pager number</source>
        <translation>numero del cercapersone</translation>
    </message>
    <message>
        <source>personal web page</source>
        <translation>pagina web personale</translation>
    </message>
    <message>
        <source>photo: a picture file&apos;s path or a web address</source>
        <translation>foto: percorso di un&apos;immagine o indirizzo web</translation>
    </message>
</context>
<context>
    <name>Mapping</name>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Seleziona il campo vCard.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Seleziona il campo Excel.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Seleziona l&apos;elemento tra i campi aggiunti.</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at character %2)</source>
        <translation>non è JSON (%1 al carattere %2)</translation>
    </message>
    <message>
        <source>it holds no JSON object</source>
        <translation>non contiene alcun oggetto JSON</translation>
    </message>
    <message>
        <source>it has no “format” number</source>
        <translation>non ha un numero “format”</translation>
    </message>
    <message>
        <source>it is written in format %1; this version reads format %2</source>
        <translation>è scritto nel formato %1; questa versione legge il formato %2</translation>
    </message>
    <message>
        <source>it has no “pairs” list</source>
        <translation>non ha un elenco “pairs”</translation>
    </message>
    <message>
        <source>pair %1 is not a JSON object</source>
        <translation>la coppia %1 non è un oggetto JSON</translation>
    </message>
    <message>
        <source>pair %1 has no “header” text</source>
        <translation>la coppia %1 non ha un testo “header”</translation>
    </message>
    <message>
        <source>pair %1 has no “field” name</source>
        <translation>la coppia %1 non ha un nome “field”</translation>
    </message>
    <message>
        <source>pair %1 has a “column” that is not column letters</source>
        <translation>la coppia %1 ha un valore “column” che non è formato da lettere di colonna</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be read: %2.</source>
        <translation>Impossibile leggere il file di associazione “%1”: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a mapping this program can load: %2.</source>
        <translation>“%1” non è un&apos;associazione che questo programma può caricare: %2.</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be written: %2.</source>
        <translation>Impossibile scrivere il file di associazione “%1”: %2.</translation>
    </message>
    <message>
        <source>the header is not in this sheet</source>
        <translation>l&apos;intestazione non è in questo foglio</translation>
    </message>
    <message>
        <source>the field is not one of this program&apos;s</source>
        <translation>il campo non è uno di quelli di questo programma</translation>
    </message>
    <message>
        <source>the column or the field is mapped already</source>
        <translation>la colonna o il campo è già associato</translation>
    </message>
    <message>
        <source>“%1” → %2: %3</source>
        <translation>“%1” → %2: %3</translation>
    </message>
    <message>
        <source>“%1” (column %2) → %3: %4</source>
        <translation>“%1” (colonna %2) → %3: %4</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>“%1” cannot be written: %2</source>
        <translation>Impossibile scrivere “%1”: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: %2.</source>
        <translation>Impossibile creare la cartella “%1”: %2.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: too many folders of that name exist already.</source>
        <translation>Impossibile creare la cartella “%1”: esistono già troppe cartelle con quel nome.</translation>
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
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>a folder, not an image</source>
        <translation>una cartella, non un&apos;immagine</translation>
    </message>
    <message>
        <source>not an image that can be read</source>
        <translation>non è un&apos;immagine leggibile</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>impossibile aprire il file</translation>
    </message>
    <message>
        <source>image too large (%1 x %2 pixels)</source>
        <translation>immagine troppo grande (%1 x %2 pixel)</translation>
    </message>
    <message>
        <source>cannot be made small enough</source>
        <translation>impossibile ridurre abbastanza l&apos;immagine</translation>
    </message>
    <message>
        <source>not an http or https address</source>
        <translation>non è un indirizzo http o https</translation>
    </message>
    <message>
        <source>not a valid web address</source>
        <translation>indirizzo web non valido</translation>
    </message>
</context>
<context>
    <name>ServerDialog</name>
    <message>
        <source>Address Book on a Server</source>
        <translation>Rubrica su un server</translation>
    </message>
    <message>
        <source>https://cloud.example.org</source>
        <translation>https://cloud.example.org</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>Indirizzo del &amp;server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>Needed only when the server asks for one; leave it empty to use the remembered one</source>
        <translation>Necessaria solo se il server la richiede; lasciala vuota per usare quella memorizzata</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>&amp;Memorizza la password</translation>
    </message>
    <message>
        <source>No keyring runs on this desktop, so the password cannot be kept.</source>
        <translation>Su questo desktop non è attivo alcun portachiavi, quindi la password non può essere memorizzata.</translation>
    </message>
    <message>
        <source>The account&apos;s only one</source>
        <translation>L&apos;unica rubrica dell&apos;account</translation>
    </message>
    <message>
        <source>C&amp;onnect</source>
        <translation>&amp;Connetti</translation>
    </message>
    <message>
        <source>Lists the address books of the account</source>
        <translation>Elenca le rubriche dell&apos;account</translation>
    </message>
    <message>
        <source>Address &amp;book:</source>
        <translation>&amp;Rubrica:</translation>
    </message>
    <message>
        <source>E-mail address (default)</source>
        <translation>Indirizzo email (predefinito)</translation>
    </message>
    <message>
        <source>What tells a contact of the sheet and its card on the server are the same</source>
        <translation>Come riconoscere che un contatto del foglio e una scheda sul server sono lo stesso contatto</translation>
    </message>
    <message>
        <source>&amp;Match contacts by:</source>
        <translation>&amp;Identifica i contatti per:</translation>
    </message>
    <message>
        <source>Only add &amp;new contacts</source>
        <translation>Aggiungi solo i &amp;nuovi contatti</translation>
    </message>
    <message>
        <source>Contacts already in the address book are left as they are</source>
        <translation>I contatti già presenti nella rubrica vengono lasciati come sono</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s) found.</source>
        <translation>
            <numerusform>%n rubrica trovata.</numerusform>
            <numerusform>%n rubriche trovate.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>a sheet&apos;s position in the workbook is wrong</source>
        <translation>la posizione di un foglio nella cartella di lavoro è errata</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or macros).</source>
        <translation>non contiene alcun foglio di lavoro (solo grafici o macro).</translation>
    </message>
    <message>
        <source>the workbook ends before its last record</source>
        <translation>la cartella di lavoro termina prima del suo ultimo record</translation>
    </message>
    <message>
        <source>a record runs past the end of the workbook</source>
        <translation>un record va oltre la fine della cartella di lavoro</translation>
    </message>
    <message>
        <source>the workbook is empty</source>
        <translation>la cartella di lavoro è vuota</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its workbook does not begin like an Excel workbook).</source>
        <translation>non è un foglio di calcolo (il flusso Workbook non inizia come una cartella di lavoro Excel).</translation>
    </message>
    <message>
        <source>it is in the format of Excel 4 or older, which this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>è nel formato di Excel 4 o precedente, che questo programma non legge. Aprilo nel tuo programma di fogli di calcolo e salvalo come .xlsx.</translation>
    </message>
    <message>
        <source>it is in an Excel format this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>è in un formato Excel che questo programma non legge. Aprilo nel tuo programma di fogli di calcolo e salvalo come .xlsx.</translation>
    </message>
    <message>
        <source>it is not a workbook this program reads (it holds no worksheet).</source>
        <translation>non è una cartella di lavoro che questo programma sa leggere (non contiene alcun foglio di lavoro).</translation>
    </message>
    <message>
        <source>a code-page record is too short</source>
        <translation>un record della tabella codici è troppo corto</translation>
    </message>
    <message>
        <source>a date-mode record is too short</source>
        <translation>un record della modalità data è troppo corto</translation>
    </message>
    <message>
        <source>the workbook&apos;s global part does not end</source>
        <translation>la parte globale della cartella di lavoro non termina</translation>
    </message>
    <message>
        <source>its password record is malformed</source>
        <translation>il suo record della password non è valido</translation>
    </message>
    <message>
        <source>it is protected with a password. Open it in your spreadsheet program, remove the password and save it again.</source>
        <translation>è protetto da password. Aprilo nel tuo programma di fogli di calcolo, rimuovi la password e salvalo di nuovo.</translation>
    </message>
    <message>
        <source>a sheet record is too short</source>
        <translation>un record di foglio è troppo corto</translation>
    </message>
    <message>
        <source>a sheet name runs past its record</source>
        <translation>un nome di foglio va oltre il suo record</translation>
    </message>
    <message>
        <source>it holds two shared-string tables</source>
        <translation>contiene due tabelle di stringhe condivise</translation>
    </message>
    <message>
        <source>the shared-string table is too short</source>
        <translation>la tabella delle stringhe condivise è troppo corta</translation>
    </message>
    <message>
        <source>a shared string runs past its records</source>
        <translation>una stringa condivisa va oltre i suoi record</translation>
    </message>
    <message>
        <source>a shared string is too long</source>
        <translation>una stringa condivisa è troppo lunga</translation>
    </message>
    <message>
        <source>it holds a cell beyond the %1 rows and %2 columns an .xls sheet can have, so the file is damaged.</source>
        <translation>contiene una cella oltre le %1 righe e %2 colonne che un foglio .xls può avere, quindi il file è danneggiato.</translation>
    </message>
    <message>
        <source>a text runs past its record</source>
        <translation>un testo va oltre il suo record</translation>
    </message>
    <message>
        <source>a number record is too short</source>
        <translation>un record di numero è troppo corto</translation>
    </message>
    <message>
        <source>a multiple-number record has a wrong length</source>
        <translation>un record di più numeri ha una lunghezza errata</translation>
    </message>
    <message>
        <source>a text record is too short</source>
        <translation>un record di testo è troppo corto</translation>
    </message>
    <message>
        <source>a truth-value record is too short</source>
        <translation>un record di valore logico è troppo corto</translation>
    </message>
    <message>
        <source>a formula record is too short</source>
        <translation>un record di formula è troppo corto</translation>
    </message>
    <message>
        <source>it has more than %1 rows, more than a worksheet holds.</source>
        <translation>ha più di %1 righe, più di quante ne contenga un foglio di lavoro.</translation>
    </message>
    <message>
        <source>row %1 has more than %2 fields, more than a worksheet has columns.</source>
        <translation>la riga %1 ha più di %2 campi, più delle colonne di un foglio di lavoro.</translation>
    </message>
    <message>
        <source>a field in row %1 is longer than %2 characters, more than a cell may hold.</source>
        <translation>un campo della riga %1 supera i %2 caratteri, più di quanti ne possa contenere una cella.</translation>
    </message>
    <message>
        <source>it contains a NUL character (line %1), so it is not a plain text list.</source>
        <translation>contiene un carattere NUL (riga %1), quindi non è un elenco in testo semplice.</translation>
    </message>
    <message>
        <source>it is damaged (its UTF-16 text ends in the middle of a character).</source>
        <translation>è danneggiato (il suo testo UTF-16 termina a metà di un carattere).</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation>il file non può essere aperto (%1).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row a worksheet can hold (row 1,048,576).</source>
        <translation>ha una cella oltre l&apos;ultima riga possibile in un foglio di lavoro (riga 1.048.576).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last column a worksheet can hold (column XFD).</source>
        <translation>ha una cella oltre l&apos;ultima colonna possibile in un foglio di lavoro (colonna XFD).</translation>
    </message>
    <message>
        <source>it holds more cells than this program can keep (its repeated rows and columns add up to tens of millions of cells).</source>
        <translation>contiene più celle di quante questo programma possa gestirne (le sue righe e colonne ripetute arrivano a decine di milioni di celle).</translation>
    </message>
    <message>
        <source>it is damaged (its content part, content.xml, is missing).</source>
        <translation>è danneggiato (manca la sua parte di contenuto, content.xml).</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its content holds no table body).</source>
        <translation>non è un foglio di calcolo (il suo contenuto non ha alcun corpo di tabella).</translation>
    </message>
    <message>
        <source>it is a word-processing document, not a spreadsheet.</source>
        <translation>è un documento di testo, non un foglio di calcolo.</translation>
    </message>
    <message>
        <source>it is a presentation, not a spreadsheet.</source>
        <translation>è una presentazione, non un foglio di calcolo.</translation>
    </message>
    <message>
        <source>it is a drawing, not a spreadsheet.</source>
        <translation>è un disegno, non un foglio di calcolo.</translation>
    </message>
    <message>
        <source>it is an e-book, not a spreadsheet.</source>
        <translation>è un e-book, non un foglio di calcolo.</translation>
    </message>
    <message>
        <source>it is a document of another kind (%1), not a spreadsheet.</source>
        <translation>è un documento di altro tipo (%1), non un foglio di calcolo.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a spreadsheet (it holds neither a workbook nor an OpenDocument spreadsheet).</source>
        <translation>è un archivio zip, non un foglio di calcolo (non contiene né una cartella di lavoro né un foglio di calcolo OpenDocument).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row or column a worksheet can hold (row 1,048,576, column XFD).</source>
        <translation>ha una cella oltre l&apos;ultima riga o colonna possibile in un foglio di lavoro (riga 1.048.576, colonna XFD).</translation>
    </message>
    <message>
        <source>it holds more than %1 cells, more than this program reads.</source>
        <translation>contiene più di %1 celle, più di quante ne legga questo programma.</translation>
    </message>
    <message>
        <source>it holds a text longer than any cell may be.</source>
        <translation>contiene un testo troppo lungo per una cella.</translation>
    </message>
    <message>
        <source>it is damaged (a cell refers to a shared text that does not exist).</source>
        <translation>è danneggiato (una cella rimanda a un testo condiviso che non esiste).</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>Impossibile leggere “%1”: %2</translation>
    </message>
    <message>
        <source>it has no worksheet number %1 (it has %2).</source>
        <translation>non ha un foglio di lavoro numero %1 (ne ha %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1).</source>
        <translation>è danneggiato (%1).</translation>
    </message>
    <message>
        <source>Items Found: </source>
        <translation>Elementi trovati: </translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>il file non esiste.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>è una cartella, non un file.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>il file è vuoto.</translation>
    </message>
    <message>
        <source>it is a web page or XML document, not a spreadsheet. Open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>è una pagina web o un documento XML, non un foglio di calcolo. Aprilo in un programma di fogli di calcolo e salvalo come .xlsx o .csv.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet in a format this program reads (.xlsx, .xls, .ods or .csv).</source>
        <translation>non è un foglio di calcolo in un formato che questo programma legge (.xlsx, .xls, .ods o .csv).</translation>
    </message>
    <message>
        <source>no worksheet was chosen.</source>
        <translation>non è stato scelto alcun foglio di lavoro.</translation>
    </message>
    <message>
        <source>the workbook stream is larger than the file</source>
        <translation>il flusso Workbook è più grande del file</translation>
    </message>
    <message>
        <source>its workbook is larger than the 512 MB this program reads from an .xls file. Save it as .xlsx in your spreadsheet program and choose that file.</source>
        <translation>la sua cartella di lavoro supera i 512 MB che questo programma legge da un file .xls. Salvalo come .xlsx nel tuo programma di fogli di calcolo e scegli quel file.</translation>
    </message>
    <message>
        <source>its workbook stream cannot be read to the end</source>
        <translation>il suo flusso Workbook non può essere letto fino alla fine</translation>
    </message>
    <message>
        <source>the file cannot be opened.</source>
        <translation>il file non può essere aperto.</translation>
    </message>
    <message>
        <source>its compound-file structure is broken</source>
        <translation>la sua struttura di file composto è danneggiata</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (the file holds no workbook; it may be a document of another program).</source>
        <translation>non è un foglio di calcolo (il file non contiene alcuna cartella di lavoro; potrebbe essere un documento di un altro programma).</translation>
    </message>
    <message>
        <source>its workbook stream cannot be opened</source>
        <translation>il suo flusso Workbook non può essere aperto</translation>
    </message>
    <message>
        <source>it holds more shared texts than this program can keep.</source>
        <translation>contiene più testi condivisi di quanti questo programma possa gestirne.</translation>
    </message>
    <message>
        <source>it is damaged (its first worksheet, %1, is missing).</source>
        <translation>è danneggiato (manca il suo primo foglio di lavoro, %1).</translation>
    </message>
    <message>
        <source>it is damaged (its worksheet number %1, %2, is missing).</source>
        <translation>è danneggiato (manca il suo foglio di lavoro numero %1, %2).</translation>
    </message>
    <message>
        <source>it is damaged (its first sheet, %1, is not a worksheet).</source>
        <translation>è danneggiato (il suo primo foglio, %1, non è un foglio di lavoro).</translation>
    </message>
    <message>
        <source>it is damaged (its sheet number %1, %2, is not a worksheet).</source>
        <translation>è danneggiato (il suo foglio numero %1, %2, non è un foglio di lavoro).</translation>
    </message>
    <message>
        <source>the package relationships</source>
        <translation>le relazioni del pacchetto</translation>
    </message>
    <message>
        <source>it is a binary workbook (.xlsb), which this program does not read. Save it as .xlsx and try again.</source>
        <translation>è una cartella di lavoro binaria (.xlsb), che questo programma non legge. Salvala come .xlsx e riprova.</translation>
    </message>
    <message>
        <source>the content types</source>
        <translation>i tipi di contenuto</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its package names no main document).</source>
        <translation>è danneggiato o non è un foglio di calcolo (il suo pacchetto non indica alcun documento principale).</translation>
    </message>
    <message>
        <source>it is damaged (its workbook part, %1, is missing).</source>
        <translation>è danneggiato (manca la sua parte cartella di lavoro, %1).</translation>
    </message>
    <message>
        <source>the workbook part</source>
        <translation>la parte cartella di lavoro</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its main part is not a workbook).</source>
        <translation>è danneggiato o non è un foglio di calcolo (la sua parte principale non è una cartella di lavoro).</translation>
    </message>
    <message>
        <source>it is damaged (the relationships of its workbook part are missing).</source>
        <translation>è danneggiato (mancano le relazioni della sua parte cartella di lavoro).</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or other kinds of sheets).</source>
        <translation>non contiene alcun foglio di lavoro (solo grafici o altri tipi di fogli).</translation>
    </message>
    <message>
        <source>the shared texts</source>
        <translation>i testi condivisi</translation>
    </message>
    <message>
        <source>the styles</source>
        <translation>gli stili</translation>
    </message>
    <message>
        <source>the worksheet</source>
        <translation>il foglio di lavoro</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: unbound prefix at line %2).</source>
        <translation>è danneggiato (XML non ben formato in %1: prefisso non associato, riga %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1 nests elements more than %2 levels deep).</source>
        <translation>è danneggiato (in %1 gli elementi sono annidati per più di %2 livelli).</translation>
    </message>
    <message>
        <source>%1 contains a document type declaration, which this program refuses for safety (it may define entities that expand without end).</source>
        <translation>in %1 c&apos;è una dichiarazione del tipo di documento, che questo programma rifiuta per sicurezza (può definire entità che si espandono senza fine).</translation>
    </message>
    <message>
        <source>%1 defines XML entities, which this program refuses for safety.</source>
        <translation>in %1 sono definite entità XML, che questo programma rifiuta per sicurezza.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>non c&apos;è abbastanza memoria per leggerlo.</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: %2 at line %3).</source>
        <translation>è danneggiato (XML non ben formato in %1: %2 alla riga %3).</translation>
    </message>
    <message>
        <source>it is damaged (%1 holds a tag longer than %2 MB).</source>
        <translation>è danneggiato (in %1 c&apos;è un tag più lungo di %2 MB).</translation>
    </message>
    <message>
        <source>it is damaged (the checksum of %1 does not match).</source>
        <translation>è danneggiato (il checksum di %1 non corrisponde).</translation>
    </message>
    <message>
        <source>it is damaged (the compressed data of %1 is corrupt).</source>
        <translation>è danneggiato (i dati compressi di %1 sono corrotti).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (%1 cannot be read in full; the file may have been cut short).</source>
        <translation>è danneggiato o incompleto (%1 non può essere letto per intero; il file potrebbe essere stato troncato).</translation>
    </message>
    <message>
        <source>it is protected by a password (its parts are encrypted). Save it again without a password.</source>
        <translation>è protetto da password (le sue parti sono cifrate). Salvalo di nuovo senza password.</translation>
    </message>
    <message>
        <source>its part %1 is compressed with a method this program does not read.</source>
        <translation>la sua parte %1 è compressa con un metodo che questo programma non legge.</translation>
    </message>
    <message>
        <source>it is damaged (%1 cannot be read: %2).</source>
        <translation>è danneggiato (%1 non può essere letto: %2).</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 bytes, more than this program accepts for one part.</source>
        <translation>la sua parte %1, decompressa, supera i %2 byte, più di quanto questo programma accetti per una parte.</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 times its compressed size; the file looks like a zip bomb and is refused.</source>
        <translation>la sua parte %1, decompressa, supera di %2 volte la sua dimensione compressa; il file sembra una zip bomb e viene rifiutato.</translation>
    </message>
    <message>
        <source>it is damaged (%1 inflates to %2 bytes, but its zip directory says %3).</source>
        <translation>è danneggiato (%1 decompresso occupa %2 byte, ma la sua directory zip indica %3).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (the directory at the end of its zip package is missing; the file may have been cut short).</source>
        <translation>è danneggiato o incompleto (manca la directory alla fine del suo pacchetto zip; il file potrebbe essere stato troncato).</translation>
    </message>
    <message>
        <source>it is damaged (the directory of its zip package is inconsistent).</source>
        <translation>è danneggiato (la directory del suo pacchetto zip è incoerente).</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>il file non può essere letto.</translation>
    </message>
    <message>
        <source>it is damaged (its zip package cannot be opened: %1).</source>
        <translation>è danneggiato (il suo pacchetto zip non può essere aperto: %1).</translation>
    </message>
    <message>
        <source>it is damaged (a part of its zip package is missing).</source>
        <translation>è danneggiato (manca una parte del suo pacchetto zip).</translation>
    </message>
    <message>
        <source>it is damaged (its zip directory gives %1 a compressed size larger than the whole file).</source>
        <translation>è danneggiato (la sua directory zip attribuisce a %1 una dimensione compressa maggiore dell&apos;intero file).</translation>
    </message>
    <message>
        <source>it is damaged (%1 is far longer than it should be).</source>
        <translation>è danneggiato (%1 è molto più lungo del dovuto).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Us</source>
        <translation>Chi siamo</translation>
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
        <translation>Associa una colonna Excel a un campo vCard.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Auto Map recognised no further column header.</source>
        <translation>L&apos;associazione automatica non ha riconosciuto altre intestazioni di colonna.</translation>
    </message>
    <message>
        <source>%1 of the %2 pairs of the mapping were left out:
%3</source>
        <translation>Coppie dell&apos;associazione ignorate (%1 su %2):
%3</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>%1 imports only the first card of a file: one file per contact.</source>
        <translation>%1 importa solo la prima scheda di un file: un file per contatto.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Scegli il percorso di salvataggio</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Apri cartella di destinazione</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>I contatti sono stati esportati correttamente in file vCard.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written to vCard files. The first reason: %3</source>
        <translation>Contatti non scritti nei file vCard: %1 su %2. Primo motivo: %3</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>Vuoi aprire la cartella che contiene i file vCard? Fai clic su Sì, altrimenti su No.</translation>
    </message>
    <message>
        <source>Wizard steps</source>
        <translation>Passaggi della procedura guidata</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Seleziona</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Associa colonne</translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation>3. Esporta</translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation>&lt;  &amp;Precedente</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Successivo &gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>About &amp;Us</source>
        <translation>&amp;Chi siamo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Apri file Excel</translation>
    </message>
    <message>
        <source>Open Excel (%1)</source>
        <translation>Apri file Excel (%1)</translation>
    </message>
    <message>
        <source>Select Excel File :</source>
        <translation>File Excel:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Sf&amp;oglia...</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Foglio:</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Anteprima del file Excel</translation>
    </message>
    <message>
        <source>Excel Fields</source>
        <translation>Campi Excel</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>Campi vCard</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Auto &amp;Map</source>
        <translation>Associa a&amp;uto</translation>
    </message>
    <message>
        <source>&amp;Save Mapping...</source>
        <translation>Sal&amp;va associazione...</translation>
    </message>
    <message>
        <source>&amp;Load Mapping...</source>
        <translation>&amp;Carica associazione...</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Campi selezionati (Excel → vCard)</translation>
    </message>
    <message>
        <source>Selected Fields (Excel to vCard)</source>
        <translation>Campi selezionati (da Excel a vCard)</translation>
    </message>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Consenti indirizzi email vuoti</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Un solo file vCard per tutti i contatti</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(per impostazione predefinita, un file vCard per contatto)</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> vCard versione 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> vCard versione 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> vCard versione 4.0</translation>
    </message>
    <message>
        <source>Date order:</source>
        <translation>Ordine date:</translation>
    </message>
    <message>
        <source>How birthdays and anniversaries written as numbers are read</source>
        <translation>Come leggere compleanni e anniversari scritti come numeri</translation>
    </message>
    <message>
        <source>&amp;Import into:</source>
        <translation>I&amp;mporta in:</translation>
    </message>
    <message>
        <source>Any address book</source>
        <translation>Qualsiasi rubrica</translation>
    </message>
    <message>
        <source>The address book the cards are written for: it decides the versions offered</source>
        <translation>La rubrica a cui sono destinate le schede: determina le versioni proposte</translation>
    </message>
    <message>
        <source>Format p&amp;hone numbers</source>
        <translation>Formatta i &amp;numeri</translation>
    </message>
    <message>
        <source>Phone region</source>
        <translation>Regione telefonica</translation>
    </message>
    <message>
        <source>The country of the numbers written without a country code</source>
        <translation>Il paese dei numeri scritti senza prefisso internazionale</translation>
    </message>
    <message>
        <source>International</source>
        <translation>Internazionale</translation>
    </message>
    <message>
        <source>E.164</source>
        <translation>E.164</translation>
    </message>
    <message>
        <source>Phone number form</source>
        <translation>Formato dei numeri di telefono</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Contatti senza email:</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Contatti aggiunti      :</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Avanzamento della conversione</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Salva in:</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambia...</translation>
    </message>
    <message>
        <source>Card &amp;Preview</source>
        <translation>&amp;Anteprima scheda</translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation>Sc&amp;heda:</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatto</translation>
    </message>
    <message>
        <source>Which contact the card preview shows, counted over the rows that are converted</source>
        <translation>Il contatto mostrato nell&apos;anteprima della scheda, contato tra le righe convertite</translation>
    </message>
    <message>
        <source>Card preview</source>
        <translation>Anteprima della scheda</translation>
    </message>
    <message>
        <source>Select an Excel file to see a contact&apos;s card here.</source>
        <translation>Seleziona un file Excel per vedere qui la scheda di un contatto.</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> di %1</translation>
    </message>
    <message>
        <source>(row %1)</source>
        <translation>(riga %1)</translation>
    </message>
    <message>
        <source>%1  ·  your contact list, ready for every address book</source>
        <translation>%1  ·  il tuo elenco di contatti, pronto per ogni rubrica</translation>
    </message>
    <message>
        <source>A server takes each contact as a card of its own.</source>
        <translation>Un server riceve ogni contatto come scheda a sé.</translation>
    </message>
    <message>
        <source>%1 imports files only.</source>
        <translation>%1 importa solo file.</translation>
    </message>
    <message>
        <source>Please choose the server with &quot;Server...&quot;.</source>
        <translation>Scegli il server con il pulsante “Server...”.</translation>
    </message>
    <message>
        <source>No contact was sent.</source>
        <translation>Nessun contatto è stato inviato.</translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>Rubriche dell&apos;account: %1.</translation>
    </message>
    <message>
        <source>The contacts were sent to the address book &quot;%1&quot;.</source>
        <translation>I contatti sono stati inviati alla rubrica “%1”.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be sent to the address book &quot;%3&quot;.</source>
        <translation>Contatti non inviati alla rubrica “%3”: %1 su %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 left unchanged.</source>
        <translation>
            <numerusform>Contatti aggiunti: %n, aggiornati: %1, invariati: %2.</numerusform>
            <numerusform>Contatti aggiunti: %n, aggiornati: %1, invariati: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were.</source>
        <translation>
            <numerusform>%n contatto già presente nella rubrica è stato lasciato com&apos;era.</numerusform>
            <numerusform>%n contatti già presenti nella rubrica sono stati lasciati com&apos;erano.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>Non inviato: riga %1, %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... e %n altro.</numerusform>
            <numerusform>... e altri %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Send to:</source>
        <translation>In&amp;via a:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Address book on a server</source>
        <translation>Rubrica su un server</translation>
    </message>
    <message>
        <source>Files in a folder, or the contacts sent to an address book on a server</source>
        <translation>File in una cartella, oppure i contatti inviati a una rubrica su un server</translation>
    </message>
    <message>
        <source>Se&amp;rver...</source>
        <translation>Se&amp;rver...</translation>
    </message>
    <message>
        <source>The server, the sign-in and the address book</source>
        <translation>Il server, l&apos;accesso e la rubrica</translation>
    </message>
</context>
</TS>
