<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CardDav</name>
    <message>
        <source>&quot;%1&quot; is not a server address: it must begin with https://.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une adresse de serveur&#xa0;: elle doit commencer par https://.</translation>
    </message>
    <message>
        <source>The server address must not hold a password.</source>
        <translation>L’adresse du serveur ne doit pas contenir de mot de passe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not encrypted: use https://, so that the password does not travel in clear.</source>
        <translation>La connexion à «&#xa0;%1&#xa0;» n’est pas chiffrée&#xa0;: utilisez https:// pour que le mot de passe ne circule pas en clair.</translation>
    </message>
    <message>
        <source>No certificate could be read from &quot;%3&quot;.</source>
        <translation>Aucun certificat n’a pu être lu dans «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; was not found.</source>
        <translation>Le serveur de «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; does not answer.</source>
        <translation>Le serveur de «&#xa0;%1&#xa0;» ne répond pas.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Le serveur a fermé la connexion.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Le serveur n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>The secure connection to &quot;%1&quot; failed: %3. A server with a certificate of its own needs that certificate as CA file.</source>
        <translation>La connexion sécurisée à «&#xa0;%1&#xa0;» a échoué&#xa0;: %3. Pour un serveur qui a son propre certificat, indiquez ce certificat comme fichier CA.</translation>
    </message>
    <message>
        <source>The connection to &quot;%1&quot; failed: %3.</source>
        <translation>La connexion à «&#xa0;%1&#xa0;» a échoué&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The server asks for a password, and none was given.</source>
        <translation>Le serveur demande un mot de passe, mais aucun n’a été fourni.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Le serveur a refusé le nom d’utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>The server sent the program on to &quot;%3&quot;, which is not the same server; it was not followed.</source>
        <translation>Le serveur a redirigé le programme vers «&#xa0;%3&#xa0;», qui n’est pas le même serveur&#xa0;; la redirection n’a pas été suivie.</translation>
    </message>
    <message>
        <source>The server sent the program on too many times.</source>
        <translation>Le serveur a redirigé le programme trop de fois.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large.</source>
        <translation>La réponse du serveur était trop volumineuse.</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read: %3.</source>
        <translation>La réponse du serveur n’a pas pu être lue&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The server answered %2 %3.</source>
        <translation>Le serveur a répondu %2 %3.</translation>
    </message>
    <message>
        <source>The account has no address book.</source>
        <translation>Le compte n’a aucun carnet d’adresses.</translation>
    </message>
    <message>
        <source>The account has no address book &quot;%3&quot;.</source>
        <translation>Le compte n’a pas de carnet d’adresses «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>The account has several address books; choose one of: %3.</source>
        <translation>Le compte a plusieurs carnets d’adresses&#xa0;; choisissez-en un parmi&#xa0;: %3.</translation>
    </message>
    <message numerus="yes">
        <source>, ... (%n row(s))</source>
        <translation>
            <numerusform>, ... (%n ligne)</numerusform>
            <numerusform>, ... (%n lignes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had nothing to be matched by (no e-mail address, name or company) and went under their row number, so moving them in the sheet makes them new contacts: row(s) %1.</source>
        <translation>
            <numerusform>%n contact n’avait rien qui permette de le reconnaître (ni adresse e-mail, ni nom, ni société) et a été identifié par son numéro de ligne&#xa0;; si vous le déplacez dans la feuille, il deviendra un nouveau contact&#xa0;: ligne %1.</numerusform>
            <numerusform>%n contacts n’avaient rien qui permette de les reconnaître (ni adresse e-mail, ni nom, ni société) et ont été identifiés par leur numéro de ligne&#xa0;; si vous les déplacez dans la feuille, ils deviendront de nouveaux contacts&#xa0;: lignes %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had the same e-mail address, name or key as an earlier row and were sent as contacts of their own: row(s) %1.</source>
        <translation>
            <numerusform>%n contact avait la même adresse e-mail, le même nom ou la même clé qu’une ligne précédente et a été envoyé comme un contact distinct&#xa0;: ligne %1.</numerusform>
            <numerusform>%n contacts avaient la même adresse e-mail, le même nom ou la même clé qu’une ligne précédente et ont été envoyés comme des contacts distincts&#xa0;: lignes %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Not written: Birthday &quot;%1&quot; is not a date</source>
        <translation>Omis&#xa0;: la date de naissance «&#xa0;%1&#xa0;» n’est pas une date</translation>
    </message>
    <message>
        <source>Not written: Anniversary &quot;%1&quot; is not a date</source>
        <translation>Omis&#xa0;: l’anniversaire «&#xa0;%1&#xa0;» n’est pas une date</translation>
    </message>
    <message>
        <source>Not written: Photo %1</source>
        <translation>Omis&#xa0;: photo %1</translation>
    </message>
    <message>
        <source>Left as it stands: phone number &quot;%1&quot; is not a valid number</source>
        <translation>Laissé tel quel&#xa0;: le numéro de téléphone «&#xa0;%1&#xa0;» n’est pas valide</translation>
    </message>
    <message>
        <source>Map a column to see the card it gives.</source>
        <translation>Associez une colonne pour voir la fiche obtenue.</translation>
    </message>
    <message>
        <source>Row %1 holds no contact.</source>
        <translation>La ligne %1 ne contient aucun contact.</translation>
    </message>
    <message>
        <source>No card: the e-mail cell of row %1 holds nothing but spaces.</source>
        <translation>Pas de fiche&#xa0;: la cellule e-mail de la ligne %1 ne contient que des espaces.</translation>
    </message>
    <message>
        <source>No card: it has %1 KB, and %2 takes cards under %3 KB.</source>
        <translation>Pas de fiche&#xa0;: elle fait %1 Ko, et %2 n’accepte que les fiches de moins de %3 Ko.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>There is no worksheet “%1” in “%2”: it has no worksheet at all.</source>
        <translation>Il n’y a pas de feuille de calcul «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;»&#xa0;: ce fichier ne contient aucune feuille de calcul.</translation>
    </message>
    <message>
        <source>There is no worksheet “%1” in “%2”. Give one of its worksheets by name or by number (1 to %3): %4.</source>
        <translation>Il n’y a pas de feuille de calcul «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;». Indiquez l’une de ses feuilles par son nom ou son numéro (1 à %3)&#xa0;: %4.</translation>
    </message>
    <message>
        <source>Unknown field “%1”. The fields are: %2.</source>
        <translation>Champ inconnu «&#xa0;%1&#xa0;». Les champs sont&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The field “%1” is mapped twice.</source>
        <translation>Le champ «&#xa0;%1&#xa0;» est associé deux fois.</translation>
    </message>
    <message>
        <source>There is no header column “%1” in the sheet (its header columns are A to %2).</source>
        <translation>Il n’y a pas de colonne d’en-tête «&#xa0;%1&#xa0;» dans la feuille (ses colonnes d’en-tête vont de A à %2).</translation>
    </message>
    <message>
        <source>The column %1 is mapped twice.</source>
        <translation>La colonne %1 est associée deux fois.</translation>
    </message>
    <message>
        <source>The header “%1” is mapped more often than it stands in row 1.</source>
        <translation>L’en-tête «&#xa0;%1&#xa0;» est associé plus de fois qu’il n’apparaît dans la ligne 1.</translation>
    </message>
    <message>
        <source>The header “%1” is not in the sheet (see --list-headers).</source>
        <translation>L’en-tête «&#xa0;%1&#xa0;» ne figure pas dans la feuille (voir --list-headers).</translation>
    </message>
    <message>
        <source>Warning: %1 of %2 pairs of the mapping file were left out:
  %3</source>
        <translation>Avertissement&#xa0;: %1 sur %2 paires du fichier de correspondance ignorées&#xa0;:
  %3</translation>
    </message>
    <message>
        <source>No column is mapped: no pair of the mapping fits the sheet and no header was recognised (see --list-headers).</source>
        <translation>Aucune colonne n’est associée&#xa0;: aucune paire de la correspondance ne convient à la feuille et aucun en-tête n’a été reconnu (voir --list-headers).</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written to vCard files.</source>
        <translation>
            <numerusform>%n contact écrit dans des fichiers vCard.</numerusform>
            <numerusform>%n contacts écrits dans des fichiers vCard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) left out: an e-mail cell holds only spaces (--allow-empty-email keeps them).</source>
        <translation>
            <numerusform>%n ligne ignorée&#xa0;: sa cellule e-mail ne contient que des espaces (--allow-empty-email la conserve).</numerusform>
            <numerusform>%n lignes ignorées&#xa0;: leur cellule e-mail ne contient que des espaces (--allow-empty-email les conserve).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written. The first reason: %3</source>
        <translation>Contacts non écrits&#xa0;: %1 sur %2. Première raison&#xa0;: %3</translation>
    </message>
    <message>
        <source>Run excel2vcard-cli --help for the options.</source>
        <translation>Lancez excel2vcard-cli --help pour voir les options.</translation>
    </message>
    <message>
        <source>Note: row 1 has %1 more header cells after column CW; only the first 101 columns are offered.</source>
        <translation>Remarque&#xa0;: après la colonne CW, la ligne 1 contient encore des cellules d’en-tête (%1 de plus)&#xa0;; seules les 101 premières colonnes sont proposées.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location.</source>
        <translation>Veuillez choisir l’emplacement d’enregistrement.</translation>
    </message>
    <message>
        <source> (accepted but reaches no card)</source>
        <translation> (accepté, mais n’atteint aucune fiche)</translation>
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
        <translation>Utilisation&#xa0;:
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
  excel2vcard-cli --suggest-mapping [options de correspondance]
                  [--save-mapping FILE] SPREADSHEET

Convertit en fichiers vCard les contacts de la première feuille de calcul d’un
  classeur (.xlsx, .xls, .ods ou .csv). La ligne 1 contient les en-têtes de
  colonne, chaque ligne en dessous un contact.

  -m, --map &quot;HEADER=FIELD&quot;      Verse dans FIELD la colonne dont l’en-tête est
                                HEADER (le texte exact). Si plusieurs colonnes
                                portent cet en-tête, chaque --map prend la
                                suivante.
  --map-column LETTERS=FIELD    Verse dans FIELD la colonne désignée par ces
                                lettres (C, AB, ...).
  --mapping-file FILE           Applique une correspondance enregistrée depuis
                                la fenêtre (Enregistrer...) ou par
                                --save-mapping. Les paires dont l’en-tête ne
                                figure pas dans la feuille sont signalées par un
                                avertissement sur la sortie d’erreur standard et
                                ignorées&#xa0;; --map et --map-column l’emportent sur
                                le fichier.
  --auto-map                    Associe les colonnes dont les en-têtes sont
                                reconnus (exports courants, plusieurs langues)
                                aux champs encore libres, après --map,
                                --map-column et --mapping-file.
  --suggest-mapping             Ne convertit rien&#xa0;: affiche la correspondance
                                que ferait --auto-map, une ligne par paire&#xa0;: les
                                lettres de la colonne, une TAB, le texte de
                                l’en-tête, une TAB, le champ.
  --save-mapping FILE           Enregistre la correspondance dans FILE (JSON)
                                avant la conversion&#xa0;; la fenêtre et
                                --mapping-file savent la charger.
  --vcard-version VERSION       2.1 (par défaut), 3.0 ou 4.0.
  --single-file                 Écrit toutes les fiches dans un seul fichier,
                                «&#xa0;All Contacts.vcf&#xa0;»&#xa0;; sinon un fichier par
                                contact, nommé d’après lui.
  --allow-empty-email           Conserve les lignes dont la cellule e-mail ne
                                contient que des espaces&#xa0;; par défaut, ces
                                lignes sont ignorées et comptées.
  --phone-format FORMAT         Écrit les numéros de téléphone valides au format
                                e164 (+16175550100) ou international
                                (+1 617-555-0100)&#xa0;; un poste est conservé sous
                                la forme «&#xa0;ext. 12&#xa0;». Les autres numéros sont
                                écrits tels quels et comptés. Par défaut, les
                                numéros ne sont pas modifiés.
  --phone-region CC             Le pays (deux lettres, comme US ou DE) des
                                numéros écrits sans indicatif de pays (par
                                défaut&#xa0;: le pays des paramètres régionaux du
                                système).
  --target TARGET               Le carnet d’adresses auquel les fiches sont
                                destinées (par défaut&#xa0;: generic, des fiches
                                comme toujours). outlook&#xa0;: vCard 2.1, un fichier
                                par contact, CHARSET=UTF-8 sur les valeurs non
                                ASCII. apple&#xa0;: 3.0, au plus 50 000 fiches par
                                fichier («&#xa0;All Contacts 2.vcf&#xa0;», ...), chacune
                                de moins de 256 Ko. google&#xa0;: 3.0. android&#xa0;: 2.1
                                ou 3.0&#xa0;; en 2.1, les valeurs non ASCII en UTF-8
                                quoted-printable. Toute version (ou
                                --single-file) que la cible n’accepte pas est
                                refusée.
  --date-order ORDER            Comment lire les dates écrites sous forme de
                                nombres&#xa0;: DMY (31/12/1990), MDY (12/31/1990) ou
                                YMD (1990/12/31). Par défaut, suit le format de
                                date de vos paramètres régionaux.
  -o, --output DIR              L’emplacement d’enregistrement (par défaut&#xa0;:
                                votre dossier Documents). Un nouveau dossier
                                nommé d’après la date et l’heure y est créé&#xa0;;
                                son chemin est la dernière ligne de la sortie
                                standard.
  --list-headers                Affiche une ligne par colonne d’en-tête de la
                                ligne 1&#xa0;: les lettres de la colonne, une TAB, le
                                texte de l’en-tête. Puis la ligne
                                «&#xa0;Items Found:&#xa0;» avec le nombre de lignes de
                                contacts.
  --sheet NAME|NUMBER           Lit cette feuille de calcul au lieu de la
                                première&#xa0;: son nom, ou son numéro à partir de 1
                                dans --list-sheets. Un nom l’emporte sur un
                                numéro&#xa0;: «&#xa0;--sheet 2&#xa0;» lit une feuille nommée 2
                                s’il en existe une. La casse ne compte que si
                                deux noms ne diffèrent que par elle.
  --list-sheets                 Affiche les noms des feuilles de calcul, un par
                                ligne, dans l’ordre du classeur (feuilles
                                masquées comprises&#xa0;; les feuilles de graphique
                                ne sont pas des feuilles de calcul). Un fichier
                                .csv est une seule feuille, nommée d’après le
                                fichier.
  -h, --help                    Affiche ce texte.

FIELD est l’un des champs suivants&#xa0;:
%1
Les associations s’appliquent dans l’ordre indiqué. Les messages et une barre de
progression (dans un terminal) vont sur la sortie d’erreur standard. Les paires
d’un --mapping-file qui sont ignorées ne changent pas le code de sortie, sauf si
aucune colonne n’est associée.

Code de sortie&#xa0;:
  0  tous les contacts ont été écrits&#xa0;;
  1  certaines fiches (ou le dossier de sortie, ou le fichier de --save-mapping)
     n’ont pas pu être écrites&#xa0;; le message indique combien et pourquoi&#xa0;;
  2  mauvaise utilisation, nom de champ inconnu, champ ou colonne associé deux
     fois, en-tête absent de la feuille, feuille de calcul absente du classeur,
     aucune colonne associée, --mapping-file inutilisable, ou classeur illisible
     (la raison est affichée).

Exemple&#xa0;:
  excel2vcard-cli -m &quot;First name=FirstName&quot; -m &quot;Last name=LastName&quot; \
      -m &quot;E-mail=EmailAddress&quot; --map-column D=MobileNumber --vcard-version 3.0 \
      -o ~/Cards contacts.xlsx
  excel2vcard-cli --auto-map --save-mapping staff.json -o ~/Cards staff.xlsx
</translation>
    </message>
    <message>
        <source>A mapping reads HEADER=FIELD or LETTERS=FIELD, not “%1”.</source>
        <translation>Une association s’écrit HEADER=FIELD ou LETTERS=FIELD, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The vCard version is 2.1, 3.0 or 4.0, not “%1”.</source>
        <translation>La version vCard est 2.1, 3.0 ou 4.0, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The target is one of %1, not “%2”.</source>
        <translation>La cible est l’une des valeurs %1, et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>--target %1 writes vCard %2; --vcard-version %3 cannot be used with it.</source>
        <translation>--target %1 écrit des vCard %2&#xa0;; --vcard-version %3 est incompatible avec cette cible.</translation>
    </message>
    <message>
        <source>--target %1 cannot read vCard %2.</source>
        <translation>--target %1 ne sait pas lire les vCard %2.</translation>
    </message>
    <message>
        <source>--target %1 takes one contact a file; --single-file cannot be used with it.</source>
        <translation>--target %1 exige un contact par fichier&#xa0;; --single-file est incompatible avec cette cible.</translation>
    </message>
    <message>
        <source>The date order is DMY, MDY or YMD, not “%1”.</source>
        <translation>L’ordre des dates est DMY, MDY ou YMD, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The phone format is e164 or international, not “%1”.</source>
        <translation>Le format de téléphone est e164 ou international, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The phone region is a two-letter country code such as US or DE, not “%1”.</source>
        <translation>La région téléphonique est un code de pays à deux lettres, comme US ou DE, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No spreadsheet given.</source>
        <translation>Aucun classeur indiqué.</translation>
    </message>
    <message>
        <source>Give exactly one spreadsheet.</source>
        <translation>Indiquez un seul classeur.</translation>
    </message>
    <message>
        <source>Map at least one column (--map or --map-column), or use --list-headers.</source>
        <translation>Associez au moins une colonne (--map ou --map-column), ou utilisez --list-headers.</translation>
    </message>
    <message>
        <source>At most %1 mappings can be made.</source>
        <translation>Il ne peut y avoir plus de %1 associations.</translation>
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
Envoi des contacts à un carnet d’adresses sur un serveur (CardDAV)&#xa0;:
  excel2vcard-cli [options de correspondance] --carddav URL --user NAME
                  [--addressbook BOOK] [--ca-file FILE] [--password-file FILE]
                  [--uid-column LETTERS] [--only-new] SPREADSHEET
  excel2vcard-cli --carddav URL --user NAME [--ca-file FILE] --list-addressbooks

  --carddav URL                 Envoie les fiches à un carnet d’adresses de ce
                                serveur au lieu d’écrire des fichiers&#xa0;:
                                l’adresse du serveur, celle du compte ou celle
                                du carnet d’adresses lui-même. https://, ou
                                http:// vers cette machine uniquement. Les
                                fiches sont en vCard 3.0 (4.0 avec
                                --vcard-version 4.0 si le carnet d’adresses
                                l’accepte)&#xa0;; une deuxième exécution met à jour
                                les contacts envoyés la fois précédente au lieu
                                de les ajouter de nouveau. Rien n’est jamais
                                supprimé sur le serveur. --target outlook et
                                android, --single-file et --output sont
                                incompatibles avec cette option.
  --user NAME                   Le nom d’utilisateur du compte.
  --addressbook BOOK            Le carnet d’adresses, par son nom ou son adresse
                                (voir --list-addressbooks)&#xa0;; nécessaire quand le
                                compte en a plusieurs.
  --ca-file FILE                Fait confiance aux certificats de ce fichier PEM
                                en plus de ceux du système (pour un serveur qui
                                a son propre certificat).
  --password-file FILE          Lit le mot de passe sur la première ligne de
                                FILE. Le mot de passe n’est demandé que si le
                                serveur en exige un&#xa0;: il est pris dans la
                                variable d’environnement E2V_CARDDAV_PASSWORD,
                                sinon dans ce fichier, sinon dans le trousseau
                                de clés du bureau (tel que la fenêtre l’a
                                mémorisé), sinon demandé dans le terminal.
  --uid-column LETTERS          Reconnaît les contacts du serveur au texte de
                                cette colonne. Par défaut, à la première adresse
                                e-mail, sinon au nom et à la société, sinon au
                                numéro de ligne (le rapport indique ces lignes).
  --only-new                    Ajoute les contacts que le carnet d’adresses ne
                                contient pas encore&#xa0;; laisse tels quels ceux
                                qu’il contient.
  --list-addressbooks           Affiche les carnets d’adresses du compte, un par
                                ligne&#xa0;: l’adresse, une TAB, le nom.

Le rapport sur la sortie d’erreur standard&#xa0;: «&#xa0;Contacts ajoutés&#xa0;: N, mis à
jour&#xa0;: M, inchangés&#xa0;: K, non envoyés&#xa0;: F&#xa0;», puis chaque contact non envoyé avec
sa ligne et la raison donnée par le serveur&#xa0;; l’adresse du carnet d’adresses est
la dernière ligne de la sortie standard. Code de sortie 0&#xa0;: chaque contact a été
envoyé ou était inchangé&#xa0;; 1&#xa0;: certains n’ont pas été envoyés&#xa0;; 2&#xa0;: rien n’a pu
être envoyé (mauvaise utilisation, connexion refusée, pas de mot de passe,
carnet d’adresses introuvable ou non choisi parmi plusieurs, certificat du
serveur non approuvé, serveur injoignable).
</translation>
    </message>
    <message>
        <source>--%1 needs --carddav.</source>
        <translation>--%1 nécessite --carddav.</translation>
    </message>
    <message>
        <source>--carddav needs the user name (--user NAME).</source>
        <translation>--carddav nécessite le nom d’utilisateur (--user NAME).</translation>
    </message>
    <message>
        <source>--target %1 makes files to import; it cannot be used with --carddav.</source>
        <translation>--target %1 produit des fichiers à importer&#xa0;; cette cible est incompatible avec --carddav.</translation>
    </message>
    <message>
        <source>--%1 is about files; it cannot be used with --carddav.</source>
        <translation>--%1 concerne les fichiers&#xa0;; cette option est incompatible avec --carddav.</translation>
    </message>
    <message>
        <source>An address book on a server takes vCard 3.0 or 4.0, not 2.1.</source>
        <translation>Un carnet d’adresses sur un serveur accepte les vCard 3.0 ou 4.0, et non 2.1.</translation>
    </message>
    <message>
        <source>--uid-column takes column letters (A, AB, ...), not “%1”.</source>
        <translation>--uid-column attend des lettres de colonne (A, AB, ...), et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--list-addressbooks takes no spreadsheet.</source>
        <translation>--list-addressbooks n’accepte pas de classeur.</translation>
    </message>
    <message>
        <source>The password file “%1” cannot be read: %2.</source>
        <translation>Le fichier de mot de passe «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Password of %1 at %2: </source>
        <translation>Mot de passe pour %1 sur %2&#xa0;: </translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>Carnets d’adresses du compte&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 unchanged, %3 not sent</source>
        <translation>
            <numerusform>Contacts ajoutés&#xa0;: %n, mis à jour&#xa0;: %1, inchangés&#xa0;: %2, non envoyés&#xa0;: %3</numerusform>
            <numerusform>Contacts ajoutés&#xa0;: %n, mis à jour&#xa0;: %1, inchangés&#xa0;: %2, non envoyés&#xa0;: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were (--only-new).</source>
        <translation>
            <numerusform>%n contact déjà présent dans le carnet d’adresses a été laissé tel quel (--only-new).</numerusform>
            <numerusform>%n contacts déjà présents dans le carnet d’adresses ont été laissés tels quels (--only-new).</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>Non envoyé&#xa0;: ligne %1, %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>“%1” has changed since it was read: column %2 no longer has the header “%3”. Select the file again.</source>
        <translation>«&#xa0;%1&#xa0;» a changé depuis sa lecture&#xa0;: la colonne %2 n’a plus l’en-tête «&#xa0;%3&#xa0;». Sélectionnez à nouveau le fichier.</translation>
    </message>
    <message>
        <source>The cards are made for import into %1.</source>
        <translation>Les fiches sont prévues pour une importation dans %1.</translation>
    </message>
    <message>
        <source>the card of contact %1 has %2 KB, and %3 takes cards under %4 KB</source>
        <translation>la fiche du contact %1 fait %2 Ko, et %3 n’accepte que les fiches de moins de %4 Ko</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) could not be read as dates</source>
        <translation>
            <numerusform>%n date de naissance n’a pas pu être interprétée</numerusform>
            <numerusform>%n dates de naissance n’ont pas pu être interprétées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(s) could not be read as dates</source>
        <translation>
            <numerusform>%n anniversaire n’a pas pu être interprété comme une date</numerusform>
            <numerusform>%n anniversaires n’ont pas pu être interprétés comme des dates</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) could not be read</source>
        <translation>
            <numerusform>%n photo n’a pas pu être lue</numerusform>
            <numerusform>%n photos n’ont pas pu être lues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phone number(s) were left as they were</source>
        <translation>
            <numerusform>%n numéro de téléphone a été laissé tel quel</numerusform>
            <numerusform>%n numéros de téléphone ont été laissés tels quels</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (row %2: %3)</source>
        <translation>%1 (ligne %2&#xa0;: %3)</translation>
    </message>
</context>
<context>
    <name>DateOrder</name>
    <message>
        <source>M/D/Y</source>
        <translation>M/J/A</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>A/M/J</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>J/M/A</translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>Excel File (*.xlsx *.xls *.csv);;OpenDocument Spreadsheet (*.ods);;All files (*)</source>
        <translation>Fichier Excel (*.xlsx *.xls *.csv);;Classeur OpenDocument (*.ods);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Mapping (*.json);;All files (*)</source>
        <translation>Fichier de correspondance (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Le mot de passe n’a pas pu être mémorisé dans le trousseau de clés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>first name</source>
        <translation>prénom</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>name as shown; without it, first and last name</source>
        <translation>nom affiché&#xa0;; à défaut, prénom et nom</translation>
    </message>
    <message>
        <source>preferred e-mail address</source>
        <translation>adresse e-mail principale</translation>
    </message>
    <message>
        <source>second e-mail address</source>
        <translation>deuxième adresse e-mail</translation>
    </message>
    <message>
        <source>third e-mail address</source>
        <translation>troisième adresse e-mail</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>fonction</translation>
    </message>
    <message>
        <source>company</source>
        <translation>société</translation>
    </message>
    <message>
        <source>work address in one text</source>
        <translation>adresse professionnelle en un seul texte</translation>
    </message>
    <message>
        <source>work address: city</source>
        <translation>adresse professionnelle&#xa0;: ville</translation>
    </message>
    <message>
        <source>work address: country</source>
        <translation>adresse professionnelle&#xa0;: pays</translation>
    </message>
    <message>
        <source>work address: postal code</source>
        <translation>adresse professionnelle&#xa0;: code postal</translation>
    </message>
    <message>
        <source>work address: state or region</source>
        <translation>adresse professionnelle&#xa0;: État ou région</translation>
    </message>
    <message>
        <source>work address: street</source>
        <translation>adresse professionnelle&#xa0;: rue</translation>
    </message>
    <message>
        <source>work fax number</source>
        <translation>fax professionnel</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>page web</translation>
    </message>
    <message>
        <source>work telephone number</source>
        <translation>téléphone professionnel</translation>
    </message>
    <message>
        <source>department (written with a Company)</source>
        <translation>service (écrit avec le champ Company)</translation>
    </message>
    <message>
        <source>home address in one text</source>
        <translation>adresse personnelle en un seul texte</translation>
    </message>
    <message>
        <source>home address: city</source>
        <translation>adresse personnelle&#xa0;: ville</translation>
    </message>
    <message>
        <source>home address: country</source>
        <translation>adresse personnelle&#xa0;: pays</translation>
    </message>
    <message>
        <source>home address: postal code</source>
        <translation>adresse personnelle&#xa0;: code postal</translation>
    </message>
    <message>
        <source>home address: state or region</source>
        <translation>adresse personnelle&#xa0;: État ou région</translation>
    </message>
    <message>
        <source>home address: street</source>
        <translation>adresse personnelle&#xa0;: rue</translation>
    </message>
    <message>
        <source>home fax number</source>
        <translation>fax personnel</translation>
    </message>
    <message>
        <source>home telephone number</source>
        <translation>téléphone personnel</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>deuxième prénom</translation>
    </message>
    <message>
        <source>mobile telephone number</source>
        <translation>téléphone mobile</translation>
    </message>
    <message>
        <source>form of address, such as Dr</source>
        <translation>civilité, par exemple Dr</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notes</translation>
    </message>
    <message>
        <source>name suffix, such as Jr.</source>
        <translation>suffixe du nom, par exemple Jr.</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>surnom</translation>
    </message>
    <message>
        <source>birthday (a date, the year may be left out)</source>
        <translation>date de naissance (l’année est facultative)</translation>
    </message>
    <message>
        <source>anniversary (a date)</source>
        <translation>anniversaire (une date)</translation>
    </message>
    <message>
        <source>categories, separated by &quot;,&quot; or &quot;;&quot;</source>
        <translation>catégories, séparées par «&#xa0;,&#xa0;» ou «&#xa0;;&#xa0;»</translation>
    </message>
    <message>
        <source>other telephone number</source>
        <translation>autre téléphone</translation>
    </message>
    <message>
        <source>pager number</source>
        <translation>numéro de bipeur</translation>
    </message>
    <message>
        <source>personal web page</source>
        <translation>page web personnelle</translation>
    </message>
    <message>
        <source>photo: a picture file&apos;s path or a web address</source>
        <translation>photo&#xa0;: chemin d’un fichier image ou adresse web</translation>
    </message>
</context>
<context>
    <name>Mapping</name>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Veuillez sélectionner le champ vCard.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Veuillez sélectionner le champ Excel.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Sélectionnez l’élément parmi les champs ajoutés.</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at character %2)</source>
        <translation>ce n’est pas du JSON (%1 au caractère %2)</translation>
    </message>
    <message>
        <source>it holds no JSON object</source>
        <translation>il ne contient aucun objet JSON</translation>
    </message>
    <message>
        <source>it has no “format” number</source>
        <translation>il n’a pas de numéro «&#xa0;format&#xa0;»</translation>
    </message>
    <message>
        <source>it is written in format %1; this version reads format %2</source>
        <translation>il est écrit au format %1&#xa0;; cette version lit le format %2</translation>
    </message>
    <message>
        <source>it has no “pairs” list</source>
        <translation>il n’a pas de liste «&#xa0;pairs&#xa0;»</translation>
    </message>
    <message>
        <source>pair %1 is not a JSON object</source>
        <translation>la paire %1 n’est pas un objet JSON</translation>
    </message>
    <message>
        <source>pair %1 has no “header” text</source>
        <translation>la paire %1 n’a pas de texte «&#xa0;header&#xa0;»</translation>
    </message>
    <message>
        <source>pair %1 has no “field” name</source>
        <translation>la paire %1 n’a pas de nom «&#xa0;field&#xa0;»</translation>
    </message>
    <message>
        <source>pair %1 has a “column” that is not column letters</source>
        <translation>la paire %1 a une valeur «&#xa0;column&#xa0;» qui n’est pas faite de lettres de colonne</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be read: %2.</source>
        <translation>Le fichier de correspondance «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a mapping this program can load: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une correspondance que ce programme peut charger&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be written: %2.</source>
        <translation>Le fichier de correspondance «&#xa0;%1&#xa0;» ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the header is not in this sheet</source>
        <translation>l’en-tête ne figure pas dans cette feuille</translation>
    </message>
    <message>
        <source>the field is not one of this program&apos;s</source>
        <translation>le champ n’est pas un champ de ce programme</translation>
    </message>
    <message>
        <source>the column or the field is mapped already</source>
        <translation>la colonne ou le champ est déjà associé</translation>
    </message>
    <message>
        <source>“%1” → %2: %3</source>
        <translation>«&#xa0;%1&#xa0;» → %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>“%1” (column %2) → %3: %4</source>
        <translation>«&#xa0;%1&#xa0;» (colonne %2) → %3&#xa0;: %4</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>“%1” cannot be written: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: %2.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: too many folders of that name exist already.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être créé&#xa0;: il existe déjà trop de dossiers portant ce nom.</translation>
    </message>
</context>
<context>
    <name>Photo</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>a folder, not an image</source>
        <translation>un dossier, pas une image</translation>
    </message>
    <message>
        <source>not an image that can be read</source>
        <translation>pas une image lisible</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>impossible à ouvrir</translation>
    </message>
    <message>
        <source>image too large (%1 x %2 pixels)</source>
        <translation>image trop grande (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>cannot be made small enough</source>
        <translation>impossible à réduire suffisamment</translation>
    </message>
    <message>
        <source>not an http or https address</source>
        <translation>pas une adresse http ou https</translation>
    </message>
    <message>
        <source>not a valid web address</source>
        <translation>adresse web non valide</translation>
    </message>
</context>
<context>
    <name>ServerDialog</name>
    <message>
        <source>Address Book on a Server</source>
        <translation>Carnet d’adresses sur un serveur</translation>
    </message>
    <message>
        <source>https://cloud.example.org</source>
        <translation>https://cloud.example.org</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>Adresse du &amp;serveur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d’&amp;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Needed only when the server asks for one; leave it empty to use the remembered one</source>
        <translation>Nécessaire seulement si le serveur en demande un&#xa0;; laissez-le vide pour utiliser celui qui est mémorisé</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>&amp;Mémoriser le mot de passe</translation>
    </message>
    <message>
        <source>No keyring runs on this desktop, so the password cannot be kept.</source>
        <translation>Aucun trousseau de clés n’est actif sur ce bureau&#xa0;: le mot de passe ne peut pas être mémorisé.</translation>
    </message>
    <message>
        <source>The account&apos;s only one</source>
        <translation>Le seul carnet du compte</translation>
    </message>
    <message>
        <source>C&amp;onnect</source>
        <translation>Se connec&amp;ter</translation>
    </message>
    <message>
        <source>Lists the address books of the account</source>
        <translation>Affiche la liste des carnets d’adresses du compte</translation>
    </message>
    <message>
        <source>Address &amp;book:</source>
        <translation>&amp;Carnet d’adresses&#xa0;:</translation>
    </message>
    <message>
        <source>E-mail address (default)</source>
        <translation>Adresse e-mail (par défaut)</translation>
    </message>
    <message>
        <source>What tells a contact of the sheet and its card on the server are the same</source>
        <translation>Comment reconnaître qu’un contact de la feuille et une fiche du serveur sont le même contact</translation>
    </message>
    <message>
        <source>&amp;Match contacts by:</source>
        <translation>&amp;Identifier les contacts par&#xa0;:</translation>
    </message>
    <message>
        <source>Only add &amp;new contacts</source>
        <translation>Ajouter uniquement les &amp;nouveaux contacts</translation>
    </message>
    <message>
        <source>Contacts already in the address book are left as they are</source>
        <translation>Les contacts déjà présents dans le carnet d’adresses sont laissés tels quels</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s) found.</source>
        <translation>
            <numerusform>%n carnet d’adresses trouvé.</numerusform>
            <numerusform>%n carnets d’adresses trouvés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>a sheet&apos;s position in the workbook is wrong</source>
        <translation>la position d’une feuille dans le classeur est erronée</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or macros).</source>
        <translation>il ne contient aucune feuille de calcul (seulement des graphiques ou des macros).</translation>
    </message>
    <message>
        <source>the workbook ends before its last record</source>
        <translation>le classeur se termine avant son dernier enregistrement</translation>
    </message>
    <message>
        <source>a record runs past the end of the workbook</source>
        <translation>un enregistrement dépasse la fin du classeur</translation>
    </message>
    <message>
        <source>the workbook is empty</source>
        <translation>le classeur est vide</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its workbook does not begin like an Excel workbook).</source>
        <translation>ce n’est pas un classeur (son flux Workbook ne commence pas comme un classeur Excel).</translation>
    </message>
    <message>
        <source>it is in the format of Excel 4 or older, which this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>il est au format d’Excel 4 ou antérieur, que ce programme ne lit pas. Ouvrez-le dans votre tableur et enregistrez-le au format .xlsx.</translation>
    </message>
    <message>
        <source>it is in an Excel format this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>il est dans un format Excel que ce programme ne lit pas. Ouvrez-le dans votre tableur et enregistrez-le au format .xlsx.</translation>
    </message>
    <message>
        <source>it is not a workbook this program reads (it holds no worksheet).</source>
        <translation>ce n’est pas un classeur que ce programme sait lire (il ne contient aucune feuille de calcul).</translation>
    </message>
    <message>
        <source>a code-page record is too short</source>
        <translation>un enregistrement de page de code est trop court</translation>
    </message>
    <message>
        <source>a date-mode record is too short</source>
        <translation>un enregistrement de mode de date est trop court</translation>
    </message>
    <message>
        <source>the workbook&apos;s global part does not end</source>
        <translation>la partie globale du classeur ne se termine pas</translation>
    </message>
    <message>
        <source>its password record is malformed</source>
        <translation>son enregistrement de mot de passe est mal formé</translation>
    </message>
    <message>
        <source>it is protected with a password. Open it in your spreadsheet program, remove the password and save it again.</source>
        <translation>il est protégé par un mot de passe. Ouvrez-le dans votre tableur, supprimez le mot de passe et enregistrez-le à nouveau.</translation>
    </message>
    <message>
        <source>a sheet record is too short</source>
        <translation>un enregistrement de feuille est trop court</translation>
    </message>
    <message>
        <source>a sheet name runs past its record</source>
        <translation>un nom de feuille dépasse de son enregistrement</translation>
    </message>
    <message>
        <source>it holds two shared-string tables</source>
        <translation>il contient deux tables de chaînes partagées</translation>
    </message>
    <message>
        <source>the shared-string table is too short</source>
        <translation>la table des chaînes partagées est trop courte</translation>
    </message>
    <message>
        <source>a shared string runs past its records</source>
        <translation>une chaîne partagée dépasse de ses enregistrements</translation>
    </message>
    <message>
        <source>a shared string is too long</source>
        <translation>une chaîne partagée est trop longue</translation>
    </message>
    <message>
        <source>it holds a cell beyond the %1 rows and %2 columns an .xls sheet can have, so the file is damaged.</source>
        <translation>il contient une cellule au-delà des %1 lignes et %2 colonnes que peut avoir une feuille .xls&#xa0;: le fichier est donc endommagé.</translation>
    </message>
    <message>
        <source>a text runs past its record</source>
        <translation>un texte dépasse de son enregistrement</translation>
    </message>
    <message>
        <source>a number record is too short</source>
        <translation>un enregistrement de nombre est trop court</translation>
    </message>
    <message>
        <source>a multiple-number record has a wrong length</source>
        <translation>un enregistrement de nombres multiples a une longueur erronée</translation>
    </message>
    <message>
        <source>a text record is too short</source>
        <translation>un enregistrement de texte est trop court</translation>
    </message>
    <message>
        <source>a truth-value record is too short</source>
        <translation>un enregistrement de valeur booléenne est trop court</translation>
    </message>
    <message>
        <source>a formula record is too short</source>
        <translation>un enregistrement de formule est trop court</translation>
    </message>
    <message>
        <source>it has more than %1 rows, more than a worksheet holds.</source>
        <translation>il a plus de %1 lignes, plus que n’en contient une feuille de calcul.</translation>
    </message>
    <message>
        <source>row %1 has more than %2 fields, more than a worksheet has columns.</source>
        <translation>la ligne %1 a plus de %2 champs, plus qu’une feuille de calcul n’a de colonnes.</translation>
    </message>
    <message>
        <source>a field in row %1 is longer than %2 characters, more than a cell may hold.</source>
        <translation>un champ de la ligne %1 dépasse %2 caractères, plus que n’en peut contenir une cellule.</translation>
    </message>
    <message>
        <source>it contains a NUL character (line %1), so it is not a plain text list.</source>
        <translation>il contient un caractère NUL (ligne %1)&#xa0;: ce n’est donc pas une liste en texte brut.</translation>
    </message>
    <message>
        <source>it is damaged (its UTF-16 text ends in the middle of a character).</source>
        <translation>il est endommagé (son texte UTF-16 se termine au milieu d’un caractère).</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation>le fichier ne peut pas être ouvert (%1).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row a worksheet can hold (row 1,048,576).</source>
        <translation>il a une cellule au-delà de la dernière ligne possible d’une feuille de calcul (ligne 1 048 576).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last column a worksheet can hold (column XFD).</source>
        <translation>il a une cellule au-delà de la dernière colonne possible d’une feuille de calcul (colonne XFD).</translation>
    </message>
    <message>
        <source>it holds more cells than this program can keep (its repeated rows and columns add up to tens of millions of cells).</source>
        <translation>il contient plus de cellules que ce programme ne peut en garder (ses lignes et colonnes répétées totalisent des dizaines de millions de cellules).</translation>
    </message>
    <message>
        <source>it is damaged (its content part, content.xml, is missing).</source>
        <translation>il est endommagé (sa partie de contenu, content.xml, est absente).</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its content holds no table body).</source>
        <translation>ce n’est pas un classeur (son contenu ne comporte aucun corps de tableau).</translation>
    </message>
    <message>
        <source>it is a word-processing document, not a spreadsheet.</source>
        <translation>c’est un document texte, pas un classeur.</translation>
    </message>
    <message>
        <source>it is a presentation, not a spreadsheet.</source>
        <translation>c’est une présentation, pas un classeur.</translation>
    </message>
    <message>
        <source>it is a drawing, not a spreadsheet.</source>
        <translation>c’est un dessin, pas un classeur.</translation>
    </message>
    <message>
        <source>it is an e-book, not a spreadsheet.</source>
        <translation>c’est un livre numérique, pas un classeur.</translation>
    </message>
    <message>
        <source>it is a document of another kind (%1), not a spreadsheet.</source>
        <translation>c’est un document d’un autre type (%1), pas un classeur.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a spreadsheet (it holds neither a workbook nor an OpenDocument spreadsheet).</source>
        <translation>c’est une archive zip, pas un classeur (elle ne contient ni classeur Excel ni classeur OpenDocument).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row or column a worksheet can hold (row 1,048,576, column XFD).</source>
        <translation>il a une cellule au-delà de la dernière ligne ou colonne possible d’une feuille de calcul (ligne 1 048 576, colonne XFD).</translation>
    </message>
    <message>
        <source>it holds more than %1 cells, more than this program reads.</source>
        <translation>il contient plus de %1 cellules, plus que ce programme n’en lit.</translation>
    </message>
    <message>
        <source>it holds a text longer than any cell may be.</source>
        <translation>il contient un texte trop long pour une cellule.</translation>
    </message>
    <message>
        <source>it is damaged (a cell refers to a shared text that does not exist).</source>
        <translation>il est endommagé (une cellule renvoie à un texte partagé qui n’existe pas).</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>it has no worksheet number %1 (it has %2).</source>
        <translation>il n’a pas de feuille de calcul numéro %1 (il en a %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1).</source>
        <translation>il est endommagé (%1).</translation>
    </message>
    <message>
        <source>Items Found: </source>
        <translation>Éléments trouvés&#xa0;: </translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>c’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>le fichier est vide.</translation>
    </message>
    <message>
        <source>it is a web page or XML document, not a spreadsheet. Open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>c’est une page web ou un document XML, pas un classeur. Ouvrez-le dans un tableur et enregistrez-le au format .xlsx ou .csv.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet in a format this program reads (.xlsx, .xls, .ods or .csv).</source>
        <translation>ce n’est pas un classeur dans un format que ce programme lit (.xlsx, .xls, .ods ou .csv).</translation>
    </message>
    <message>
        <source>no worksheet was chosen.</source>
        <translation>aucune feuille de calcul n’a été choisie.</translation>
    </message>
    <message>
        <source>the workbook stream is larger than the file</source>
        <translation>le flux Workbook est plus grand que le fichier</translation>
    </message>
    <message>
        <source>its workbook is larger than the 512 MB this program reads from an .xls file. Save it as .xlsx in your spreadsheet program and choose that file.</source>
        <translation>son flux Workbook dépasse les 512 Mo que ce programme lit dans un fichier .xls. Enregistrez-le au format .xlsx dans votre tableur et choisissez ce fichier.</translation>
    </message>
    <message>
        <source>its workbook stream cannot be read to the end</source>
        <translation>son flux Workbook ne peut pas être lu jusqu’au bout</translation>
    </message>
    <message>
        <source>the file cannot be opened.</source>
        <translation>le fichier ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>its compound-file structure is broken</source>
        <translation>sa structure de fichier composé est endommagée</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (the file holds no workbook; it may be a document of another program).</source>
        <translation>ce n’est pas un classeur (le fichier ne contient aucun flux Workbook&#xa0;; c’est peut-être un document d’un autre programme).</translation>
    </message>
    <message>
        <source>its workbook stream cannot be opened</source>
        <translation>son flux Workbook ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>it holds more shared texts than this program can keep.</source>
        <translation>il contient plus de textes partagés que ce programme ne peut en garder.</translation>
    </message>
    <message>
        <source>it is damaged (its first worksheet, %1, is missing).</source>
        <translation>il est endommagé (sa première feuille de calcul, %1, est absente).</translation>
    </message>
    <message>
        <source>it is damaged (its worksheet number %1, %2, is missing).</source>
        <translation>il est endommagé (sa feuille de calcul numéro %1, %2, est absente).</translation>
    </message>
    <message>
        <source>it is damaged (its first sheet, %1, is not a worksheet).</source>
        <translation>il est endommagé (sa première feuille, %1, n’est pas une feuille de calcul).</translation>
    </message>
    <message>
        <source>it is damaged (its sheet number %1, %2, is not a worksheet).</source>
        <translation>il est endommagé (sa feuille numéro %1, %2, n’est pas une feuille de calcul).</translation>
    </message>
    <message>
        <source>the package relationships</source>
        <translation>les relations du paquet</translation>
    </message>
    <message>
        <source>it is a binary workbook (.xlsb), which this program does not read. Save it as .xlsx and try again.</source>
        <translation>c’est un classeur binaire (.xlsb), que ce programme ne lit pas. Enregistrez-le au format .xlsx et réessayez.</translation>
    </message>
    <message>
        <source>the content types</source>
        <translation>les types de contenu</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its package names no main document).</source>
        <translation>il est endommagé ou ce n’est pas un classeur (son paquet n’indique aucun document principal).</translation>
    </message>
    <message>
        <source>it is damaged (its workbook part, %1, is missing).</source>
        <translation>il est endommagé (sa partie classeur, %1, est absente).</translation>
    </message>
    <message>
        <source>the workbook part</source>
        <translation>la partie classeur</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its main part is not a workbook).</source>
        <translation>il est endommagé ou ce n’est pas un classeur (sa partie principale n’est pas un classeur).</translation>
    </message>
    <message>
        <source>it is damaged (the relationships of its workbook part are missing).</source>
        <translation>il est endommagé (les relations de sa partie classeur sont absentes).</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or other kinds of sheets).</source>
        <translation>il ne contient aucune feuille de calcul (seulement des graphiques ou d’autres types de feuilles).</translation>
    </message>
    <message>
        <source>the shared texts</source>
        <translation>les textes partagés</translation>
    </message>
    <message>
        <source>the styles</source>
        <translation>les styles</translation>
    </message>
    <message>
        <source>the worksheet</source>
        <translation>la feuille de calcul</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: unbound prefix at line %2).</source>
        <translation>il est endommagé (XML mal formé dans %1&#xa0;: préfixe non lié, ligne %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1 nests elements more than %2 levels deep).</source>
        <translation>il est endommagé (des éléments sont imbriqués sur plus de %2 niveaux dans %1).</translation>
    </message>
    <message>
        <source>%1 contains a document type declaration, which this program refuses for safety (it may define entities that expand without end).</source>
        <translation>une déclaration de type de document figure dans %1, ce que ce programme refuse par sécurité (elle peut définir des entités qui se développent sans fin).</translation>
    </message>
    <message>
        <source>%1 defines XML entities, which this program refuses for safety.</source>
        <translation>des entités XML sont définies dans %1, ce que ce programme refuse par sécurité.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>la mémoire est insuffisante pour le lire.</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: %2 at line %3).</source>
        <translation>il est endommagé (XML mal formé dans %1&#xa0;: %2 à la ligne %3).</translation>
    </message>
    <message>
        <source>it is damaged (%1 holds a tag longer than %2 MB).</source>
        <translation>il est endommagé (une balise de plus de %2 Mo figure dans %1).</translation>
    </message>
    <message>
        <source>it is damaged (the checksum of %1 does not match).</source>
        <translation>il est endommagé (la somme de contrôle de %1 ne correspond pas).</translation>
    </message>
    <message>
        <source>it is damaged (the compressed data of %1 is corrupt).</source>
        <translation>il est endommagé (les données compressées de %1 sont corrompues).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (%1 cannot be read in full; the file may have been cut short).</source>
        <translation>il est endommagé ou incomplet (%1 ne peut pas être lu en entier&#xa0;; le fichier a peut-être été tronqué).</translation>
    </message>
    <message>
        <source>it is protected by a password (its parts are encrypted). Save it again without a password.</source>
        <translation>il est protégé par un mot de passe (ses parties sont chiffrées). Enregistrez-le à nouveau sans mot de passe.</translation>
    </message>
    <message>
        <source>its part %1 is compressed with a method this program does not read.</source>
        <translation>sa partie %1 est compressée avec une méthode que ce programme ne lit pas.</translation>
    </message>
    <message>
        <source>it is damaged (%1 cannot be read: %2).</source>
        <translation>il est endommagé (%1 ne peut pas être lu&#xa0;: %2).</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 bytes, more than this program accepts for one part.</source>
        <translation>une fois décompressée, sa partie %1 dépasse %2 octets, plus que ce programme n’en accepte pour une partie.</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 times its compressed size; the file looks like a zip bomb and is refused.</source>
        <translation>une fois décompressée, sa partie %1 dépasse %2 fois sa taille compressée&#xa0;; le fichier ressemble à une bombe de décompression et il est refusé.</translation>
    </message>
    <message>
        <source>it is damaged (%1 inflates to %2 bytes, but its zip directory says %3).</source>
        <translation>il est endommagé (%1 fait %2 octets une fois décompressé, mais son répertoire zip indique %3).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (the directory at the end of its zip package is missing; the file may have been cut short).</source>
        <translation>il est endommagé ou incomplet (le répertoire à la fin de son paquet zip est absent&#xa0;; le fichier a peut-être été tronqué).</translation>
    </message>
    <message>
        <source>it is damaged (the directory of its zip package is inconsistent).</source>
        <translation>il est endommagé (le répertoire de son paquet zip est incohérent).</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>it is damaged (its zip package cannot be opened: %1).</source>
        <translation>il est endommagé (son paquet zip ne peut pas être ouvert&#xa0;: %1).</translation>
    </message>
    <message>
        <source>it is damaged (a part of its zip package is missing).</source>
        <translation>il est endommagé (une partie de son paquet zip est absente).</translation>
    </message>
    <message>
        <source>it is damaged (its zip directory gives %1 a compressed size larger than the whole file).</source>
        <translation>il est endommagé (son répertoire zip attribue à %1 une taille compressée supérieure au fichier entier).</translation>
    </message>
    <message>
        <source>it is damaged (%1 is far longer than it should be).</source>
        <translation>il est endommagé (%1 est bien plus long qu’il ne devrait l’être).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Us</source>
        <translation>À propos de nous</translation>
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
        <translation>Veuillez associer une colonne Excel à un champ vCard.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 vers %2</translation>
    </message>
    <message>
        <source>Auto Map recognised no further column header.</source>
        <translation>La détection automatique n’a reconnu aucun autre en-tête de colonne.</translation>
    </message>
    <message>
        <source>%1 of the %2 pairs of the mapping were left out:
%3</source>
        <translation>%1 sur %2 paires de la correspondance ignorées&#xa0;:
%3</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>%1 imports only the first card of a file: one file per contact.</source>
        <translation>%1 n’importe que la première fiche d’un fichier&#xa0;: un fichier par contact.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Veuillez choisir l’emplacement d’enregistrement</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>Les contacts ont été exportés avec succès dans des fichiers vCard.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written to vCard files. The first reason: %3</source>
        <translation>Contacts non écrits dans des fichiers vCard&#xa0;: %1 sur %2. Première raison&#xa0;: %3</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>Voulez-vous ouvrir le dossier qui contient les fichiers vCard&#xa0;? Cliquez sur Oui, sinon sur Non.</translation>
    </message>
    <message>
        <source>Wizard steps</source>
        <translation>Étapes de l’assistant</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Sélectionner</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Associer les colonnes</translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation>3. Exporter</translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation>&lt;  &amp;Précédent</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>About &amp;Us</source>
        <translation>À propos de &amp;nous</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Ouvrir un fichier Excel</translation>
    </message>
    <message>
        <source>Open Excel (%1)</source>
        <translation>Ouvrir un fichier Excel (%1)</translation>
    </message>
    <message>
        <source>Select Excel File :</source>
        <translation>Fichier Excel&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Feuille&#xa0;:</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Aperçu du fichier Excel</translation>
    </message>
    <message>
        <source>Excel Fields</source>
        <translation>Champs Excel</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>Champs vCard</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Auto &amp;Map</source>
        <translation>&amp;Détection auto</translation>
    </message>
    <message>
        <source>&amp;Save Mapping...</source>
        <translation>&amp;Enregistrer l’association...</translation>
    </message>
    <message>
        <source>&amp;Load Mapping...</source>
        <translation>&amp;Charger une association...</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Champs sélectionnés (Excel → vCard)</translation>
    </message>
    <message>
        <source>Selected Fields (Excel to vCard)</source>
        <translation>Champs sélectionnés (Excel vers vCard)</translation>
    </message>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Autoriser les adresses e-mail vides</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Tous les contacts dans un fichier</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(par défaut, un fichier vCard distinct par contact)</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> Version vCard 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> Version vCard 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> Version vCard 4.0</translation>
    </message>
    <message>
        <source>Date order:</source>
        <translation>Ordre de date&#xa0;:</translation>
    </message>
    <message>
        <source>How birthdays and anniversaries written as numbers are read</source>
        <translation>Comment lire les dates de naissance et les anniversaires écrits sous forme de nombres</translation>
    </message>
    <message>
        <source>&amp;Import into:</source>
        <translation>&amp;Importer dans&#xa0;:</translation>
    </message>
    <message>
        <source>Any address book</source>
        <translation>Tout carnet d’adresses</translation>
    </message>
    <message>
        <source>The address book the cards are written for: it decides the versions offered</source>
        <translation>Le carnet d’adresses auquel les fiches sont destinées&#xa0;: il détermine les versions proposées</translation>
    </message>
    <message>
        <source>Format p&amp;hone numbers</source>
        <translation>Formater les &amp;numéros</translation>
    </message>
    <message>
        <source>Phone region</source>
        <translation>Région téléphonique</translation>
    </message>
    <message>
        <source>The country of the numbers written without a country code</source>
        <translation>Le pays des numéros écrits sans indicatif de pays</translation>
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
        <translation>Format des numéros de téléphone</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Contacts sans adresse e-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Contacts ajoutés                    &#xa0;:</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progression de la conversion</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Enregistrer dans&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Card &amp;Preview</source>
        <translation>&amp;Aperçu de la fiche</translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation>Fic&amp;he&#xa0;:</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Which contact the card preview shows, counted over the rows that are converted</source>
        <translation>Le contact affiché dans l’aperçu de la fiche, compté parmi les lignes converties</translation>
    </message>
    <message>
        <source>Card preview</source>
        <translation>Aperçu de la fiche</translation>
    </message>
    <message>
        <source>Select an Excel file to see a contact&apos;s card here.</source>
        <translation>Sélectionnez un fichier Excel pour voir ici la fiche d’un contact.</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> sur %1</translation>
    </message>
    <message>
        <source>(row %1)</source>
        <translation>(ligne %1)</translation>
    </message>
    <message>
        <source>%1  ·  your contact list, ready for every address book</source>
        <translation>%1  ·  votre liste de contacts, prête pour tout carnet d’adresses</translation>
    </message>
    <message>
        <source>A server takes each contact as a card of its own.</source>
        <translation>Un serveur reçoit chaque contact sous forme de fiche distincte.</translation>
    </message>
    <message>
        <source>%1 imports files only.</source>
        <translation>%1 n’importe que des fichiers.</translation>
    </message>
    <message>
        <source>Please choose the server with &quot;Server...&quot;.</source>
        <translation>Veuillez choisir le serveur avec le bouton «&#xa0;Serveur...&#xa0;».</translation>
    </message>
    <message>
        <source>No contact was sent.</source>
        <translation>Aucun contact n’a été envoyé.</translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>Carnets d’adresses du compte&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The contacts were sent to the address book &quot;%1&quot;.</source>
        <translation>Les contacts ont été envoyés au carnet d’adresses «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be sent to the address book &quot;%3&quot;.</source>
        <translation>Contacts non envoyés au carnet d’adresses «&#xa0;%3&#xa0;»&#xa0;: %1 sur %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 left unchanged.</source>
        <translation>
            <numerusform>Contacts ajoutés&#xa0;: %n, mis à jour&#xa0;: %1, inchangés&#xa0;: %2.</numerusform>
            <numerusform>Contacts ajoutés&#xa0;: %n, mis à jour&#xa0;: %1, inchangés&#xa0;: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were.</source>
        <translation>
            <numerusform>%n contact déjà présent dans le carnet d’adresses a été laissé tel quel.</numerusform>
            <numerusform>%n contacts déjà présents dans le carnet d’adresses ont été laissés tels quels.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>Non envoyé&#xa0;: ligne %1, %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... et %n autre.</numerusform>
            <numerusform>... et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Send to:</source>
        <translation>&amp;Envoyer vers&#xa0;:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Address book on a server</source>
        <translation>Carnet d’adresses sur un serveur</translation>
    </message>
    <message>
        <source>Files in a folder, or the contacts sent to an address book on a server</source>
        <translation>Des fichiers dans un dossier, ou les contacts envoyés à un carnet d’adresses sur un serveur</translation>
    </message>
    <message>
        <source>Se&amp;rver...</source>
        <translation>Se&amp;rveur...</translation>
    </message>
    <message>
        <source>The server, the sign-in and the address book</source>
        <translation>Le serveur, la connexion et le carnet d’adresses</translation>
    </message>
</context>
</TS>
