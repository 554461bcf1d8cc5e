<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CardDav</name>
    <message>
        <source>&quot;%1&quot; is not a server address: it must begin with https://.</source>
        <translation>“%1” no es una dirección de servidor: debe empezar por https://.</translation>
    </message>
    <message>
        <source>The server address must not hold a password.</source>
        <translation>La dirección del servidor no debe contener ninguna contraseña.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not encrypted: use https://, so that the password does not travel in clear.</source>
        <translation>“%1” no usa cifrado: use https:// para que la contraseña no viaje sin cifrar.</translation>
    </message>
    <message>
        <source>No certificate could be read from &quot;%3&quot;.</source>
        <translation>No se ha podido leer ningún certificado de “%3”.</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; was not found.</source>
        <translation>No se ha encontrado el servidor de “%1”.</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; does not answer.</source>
        <translation>El servidor de “%1” no responde.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>El servidor ha cerrado la conexión.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>El servidor no ha respondido a tiempo.</translation>
    </message>
    <message>
        <source>The secure connection to &quot;%1&quot; failed: %3. A server with a certificate of its own needs that certificate as CA file.</source>
        <translation>Ha fallado la conexión segura con “%1”: %3. Un servidor con un certificado propio necesita ese certificado como archivo de CA.</translation>
    </message>
    <message>
        <source>The connection to &quot;%1&quot; failed: %3.</source>
        <translation>Ha fallado la conexión con “%1”: %3.</translation>
    </message>
    <message>
        <source>The server asks for a password, and none was given.</source>
        <translation>El servidor pide una contraseña y no se ha indicado ninguna.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>El servidor ha rechazado el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <source>The server sent the program on to &quot;%3&quot;, which is not the same server; it was not followed.</source>
        <translation>El servidor ha redirigido el programa a “%3”, que no es el mismo servidor; no se ha seguido la redirección.</translation>
    </message>
    <message>
        <source>The server sent the program on too many times.</source>
        <translation>El servidor ha redirigido el programa demasiadas veces.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large.</source>
        <translation>La respuesta del servidor es demasiado grande.</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read: %3.</source>
        <translation>No se ha podido leer la respuesta del servidor: %3.</translation>
    </message>
    <message>
        <source>The server answered %2 %3.</source>
        <translation>El servidor ha respondido %2 %3.</translation>
    </message>
    <message>
        <source>The account has no address book.</source>
        <translation>La cuenta no tiene ninguna libreta de direcciones.</translation>
    </message>
    <message>
        <source>The account has no address book &quot;%3&quot;.</source>
        <translation>La cuenta no tiene ninguna libreta de direcciones “%3”.</translation>
    </message>
    <message>
        <source>The account has several address books; choose one of: %3.</source>
        <translation>La cuenta tiene varias libretas de direcciones; elija una de estas: %3.</translation>
    </message>
    <message numerus="yes">
        <source>, ... (%n row(s))</source>
        <translation>
            <numerusform>, ... (%n fila)</numerusform>
            <numerusform>, ... (%n filas)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had nothing to be matched by (no e-mail address, name or company) and went under their row number, so moving them in the sheet makes them new contacts: row(s) %1.</source>
        <translation>
            <numerusform>%n contacto no tenía nada con lo que identificarlo (ni dirección de correo electrónico, ni nombre, ni empresa) y se ha enviado con su número de fila, así que si se mueve en la hoja pasará a ser un contacto nuevo: fila %1.</numerusform>
            <numerusform>%n contactos no tenían nada con lo que identificarlos (ni dirección de correo electrónico, ni nombre, ni empresa) y se han enviado con su número de fila, así que si se mueven en la hoja pasarán a ser contactos nuevos: filas %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had the same e-mail address, name or key as an earlier row and were sent as contacts of their own: row(s) %1.</source>
        <translation>
            <numerusform>%n contacto tenía la misma dirección de correo electrónico, nombre o clave que una fila anterior y se ha enviado como contacto independiente: fila %1.</numerusform>
            <numerusform>%n contactos tenían la misma dirección de correo electrónico, nombre o clave que una fila anterior y se han enviado como contactos independientes: filas %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Not written: Birthday &quot;%1&quot; is not a date</source>
        <translation>No escrito: el cumpleaños “%1” no es una fecha</translation>
    </message>
    <message>
        <source>Not written: Anniversary &quot;%1&quot; is not a date</source>
        <translation>No escrito: el aniversario “%1” no es una fecha</translation>
    </message>
    <message>
        <source>Not written: Photo %1</source>
        <translation>No escrita: la foto %1</translation>
    </message>
    <message>
        <source>Left as it stands: phone number &quot;%1&quot; is not a valid number</source>
        <translation>Se deja tal cual: el número de teléfono “%1” no es un número válido</translation>
    </message>
    <message>
        <source>Map a column to see the card it gives.</source>
        <translation>Asigne una columna para ver la tarjeta que resulta.</translation>
    </message>
    <message>
        <source>Row %1 holds no contact.</source>
        <translation>La fila %1 no contiene ningún contacto.</translation>
    </message>
    <message>
        <source>No card: the e-mail cell of row %1 holds nothing but spaces.</source>
        <translation>Sin tarjeta: la celda de correo electrónico de la fila %1 solo contiene espacios.</translation>
    </message>
    <message>
        <source>No card: it has %1 KB, and %2 takes cards under %3 KB.</source>
        <translation>Sin tarjeta: ocupa %1 KB y %2 admite tarjetas de menos de %3 KB.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>There is no worksheet “%1” in “%2”: it has no worksheet at all.</source>
        <translation>No hay ninguna hoja “%1” en “%2”: no tiene ninguna hoja.</translation>
    </message>
    <message>
        <source>There is no worksheet “%1” in “%2”. Give one of its worksheets by name or by number (1 to %3): %4.</source>
        <translation>No hay ninguna hoja “%1” en “%2”. Indique una de sus hojas por nombre o por número (de 1 a %3): %4.</translation>
    </message>
    <message>
        <source>Unknown field “%1”. The fields are: %2.</source>
        <translation>Campo desconocido “%1”. Los campos son: %2.</translation>
    </message>
    <message>
        <source>The field “%1” is mapped twice.</source>
        <translation>El campo “%1” está asignado dos veces.</translation>
    </message>
    <message>
        <source>There is no header column “%1” in the sheet (its header columns are A to %2).</source>
        <translation>No hay ninguna columna con encabezado “%1” en la hoja (sus columnas con encabezado van de la A a la %2).</translation>
    </message>
    <message>
        <source>The column %1 is mapped twice.</source>
        <translation>La columna %1 está asignada dos veces.</translation>
    </message>
    <message>
        <source>The header “%1” is mapped more often than it stands in row 1.</source>
        <translation>El encabezado “%1” está asignado más veces de las que aparece en la fila 1.</translation>
    </message>
    <message>
        <source>The header “%1” is not in the sheet (see --list-headers).</source>
        <translation>El encabezado “%1” no está en la hoja (vea --list-headers).</translation>
    </message>
    <message>
        <source>Warning: %1 of %2 pairs of the mapping file were left out:
  %3</source>
        <translation>Aviso: se han omitido %1 de los %2 pares del archivo de asignación:
  %3</translation>
    </message>
    <message>
        <source>No column is mapped: no pair of the mapping fits the sheet and no header was recognised (see --list-headers).</source>
        <translation>No hay ninguna columna asignada: ningún par de la asignación encaja con la hoja y no se ha reconocido ningún encabezado (vea --list-headers).</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written to vCard files.</source>
        <translation>
            <numerusform>%n contacto escrito en archivos vCard.</numerusform>
            <numerusform>%n contactos escritos en archivos vCard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) left out: an e-mail cell holds only spaces (--allow-empty-email keeps them).</source>
        <translation>
            <numerusform>%n fila omitida: una celda de correo electrónico solo contiene espacios (--allow-empty-email la conserva).</numerusform>
            <numerusform>%n filas omitidas: una celda de correo electrónico solo contiene espacios (--allow-empty-email las conserva).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written. The first reason: %3</source>
        <translation>No se han podido escribir %1 de %2 contactos. El primer motivo: %3</translation>
    </message>
    <message>
        <source>Run excel2vcard-cli --help for the options.</source>
        <translation>Ejecute excel2vcard-cli --help para ver las opciones.</translation>
    </message>
    <message>
        <source>Note: row 1 has %1 more header cells after column CW; only the first 101 columns are offered.</source>
        <translation>Nota: la fila 1 tiene %1 celdas de encabezado más después de la columna CW; solo se ofrecen las 101 primeras columnas.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location.</source>
        <translation>Elija dónde guardar.</translation>
    </message>
    <message>
        <source> (accepted but reaches no card)</source>
        <translation> (se acepta, pero no llega a ninguna tarjeta)</translation>
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
  excel2vcard-cli --suggest-mapping [opciones de asignación]
                  [--save-mapping FILE] SPREADSHEET

Convierte los contactos de la primera hoja de una hoja de cálculo (.xlsx, .xls,
  .ods o .csv) en archivos vCard. La fila 1 contiene los encabezados de columna
  y cada fila siguiente, un contacto.

  -m, --map &quot;HEADER=FIELD&quot;      Lleva a FIELD la columna cuyo encabezado es
                                HEADER (el texto exacto). Si varias columnas
                                tienen ese encabezado, cada --map toma la
                                siguiente.
  --map-column LETTERS=FIELD    Lleva a FIELD la columna con esas letras
                                (C, AB, ...).
  --mapping-file FILE           Aplica una asignación guardada por la ventana
                                (Guardar asignación...) o por --save-mapping.
                                Los pares cuyo encabezado no está en la hoja se
                                indican en un aviso en la salida de error y se
                                omiten; --map y --map-column prevalecen sobre el
                                archivo.
  --auto-map                    Asigna las columnas cuyos encabezados se
                                reconocen (exportaciones habituales, varios
                                idiomas) a los campos aún libres, después de
                                --map, --map-column y --mapping-file.
  --suggest-mapping             No convierte nada: muestra la asignación que
                                haría --auto-map, una línea por par: las letras
                                de la columna, un TAB, el texto del encabezado,
                                un TAB, el campo.
  --save-mapping FILE           Guarda la asignación en FILE (JSON) antes de
                                convertir; la ventana y --mapping-file la
                                cargan.
  --vcard-version VERSION       2.1 (predeterminada), 3.0 o 4.0.
  --single-file                 Escribe todas las tarjetas en un solo archivo,
                                &quot;All Contacts.vcf&quot;; si no, un archivo por
                                contacto, con el nombre de este.
  --allow-empty-email           Conserva las filas cuya celda de correo
                                electrónico solo contiene espacios; de forma
                                predeterminada esas filas se omiten y se
                                cuentan.
  --phone-format FORMAT         Escribe los números de teléfono válidos como
                                e164 (+16175550100) o international
                                (+1 617-555-0100); una extensión se conserva
                                como &quot; ext. 12&quot;. Los demás números se escriben
                                tal cual y se cuentan. De forma predeterminada
                                no se cambian.
  --phone-region CC             El país (dos letras, como US o DE) de los
                                números escritos sin prefijo de país
                                (predeterminado: el país de la configuración
                                regional del sistema).
  --target TARGET               La libreta de direcciones a la que van
                                destinadas las tarjetas (predeterminado:
                                generic, tarjetas como siempre). outlook:
                                vCard 2.1, un archivo por contacto,
                                CHARSET=UTF-8 en los valores no ASCII. apple:
                                3.0, como máximo 50.000 tarjetas por archivo
                                (&quot;All Contacts 2.vcf&quot;, ...), cada una de menos
                                de 256 KB. google: 3.0. android: 2.1 o 3.0; en
                                2.1, los valores no ASCII en UTF-8
                                quoted-printable. Se rechaza una versión o
                                --single-file que el destino no admita.
  --date-order ORDER            Cómo se leen las fechas escritas como números:
                                DMY (31/12/1990), MDY (12/31/1990) o YMD
                                (1990/12/31). De forma predeterminada sigue el
                                formato de fecha de su configuración regional.
  -o, --output DIR              La ubicación donde guardar (predeterminada: su
                                carpeta Documentos). Dentro se crea una carpeta
                                nueva con la fecha y la hora en el nombre; su
                                ruta es la última línea de la salida estándar.
  --list-headers                Muestra una línea por cada columna con
                                encabezado de la fila 1: las letras de la
                                columna, un TAB, el texto del encabezado.
                                Después, la línea &quot;Items Found: &quot; con el número
                                de filas de contactos.
  --sheet NAME|NUMBER           Lee esta hoja en lugar de la primera: su nombre
                                o su número, desde 1, en --list-sheets. Un
                                nombre prevalece sobre un número: &quot;--sheet 2&quot;
                                lee una hoja llamada 2 si la hay. Las mayúsculas
                                solo cuentan cuando dos nombres se distinguen
                                solo por ellas.
  --list-sheets                 Muestra los nombres de las hojas, uno por línea,
                                en el orden del libro (también las ocultas; las
                                hojas de gráfico no son hojas de cálculo). Un
                                archivo .csv es una sola hoja, con el nombre del
                                archivo.
  -h, --help                    Muestra este texto.

FIELD es uno de:
%1
Las asignaciones se aplican en el orden indicado. Los mensajes y una barra de
progreso (en un terminal) van a la salida de error. Los pares de un
--mapping-file que se omiten no cambian el código de salida, salvo que no quede
ninguna columna asignada.

Código de salida:
  0  se han escrito todos los contactos;
  1  no se han podido escribir algunas tarjetas (o la carpeta de destino, o el
     archivo de --save-mapping); el mensaje indica cuántas y por qué;
  2  uso incorrecto, un nombre de campo desconocido, un campo o una columna
     asignados dos veces, un encabezado que no está en la hoja, una hoja que la
     hoja de cálculo no tiene, ninguna columna asignada, un --mapping-file que
     no se puede usar o una hoja de cálculo que no se puede leer (se muestra el
     motivo).

Ejemplo:
  excel2vcard-cli -m &quot;First name=FirstName&quot; -m &quot;Last name=LastName&quot; \
      -m &quot;E-mail=EmailAddress&quot; --map-column D=MobileNumber --vcard-version 3.0 \
      -o ~/Cards contacts.xlsx
  excel2vcard-cli --auto-map --save-mapping staff.json -o ~/Cards staff.xlsx
</translation>
    </message>
    <message>
        <source>A mapping reads HEADER=FIELD or LETTERS=FIELD, not “%1”.</source>
        <translation>Una asignación tiene la forma HEADER=FIELD o LETTERS=FIELD, no “%1”.</translation>
    </message>
    <message>
        <source>The vCard version is 2.1, 3.0 or 4.0, not “%1”.</source>
        <translation>La versión de vCard es 2.1, 3.0 o 4.0, no “%1”.</translation>
    </message>
    <message>
        <source>The target is one of %1, not “%2”.</source>
        <translation>El destino debe ser uno de estos: %1; no “%2”.</translation>
    </message>
    <message>
        <source>--target %1 writes vCard %2; --vcard-version %3 cannot be used with it.</source>
        <translation>--target %1 escribe vCard %2; no se puede usar --vcard-version %3 con él.</translation>
    </message>
    <message>
        <source>--target %1 cannot read vCard %2.</source>
        <translation>--target %1 no puede leer vCard %2.</translation>
    </message>
    <message>
        <source>--target %1 takes one contact a file; --single-file cannot be used with it.</source>
        <translation>--target %1 admite un contacto por archivo; no se puede usar --single-file con él.</translation>
    </message>
    <message>
        <source>The date order is DMY, MDY or YMD, not “%1”.</source>
        <translation>El orden de fechas es DMY, MDY o YMD, no “%1”.</translation>
    </message>
    <message>
        <source>The phone format is e164 or international, not “%1”.</source>
        <translation>El formato de teléfono es e164 o international, no “%1”.</translation>
    </message>
    <message>
        <source>The phone region is a two-letter country code such as US or DE, not “%1”.</source>
        <translation>La región de teléfono es un código de país de dos letras, como US o DE, no “%1”.</translation>
    </message>
    <message>
        <source>No spreadsheet given.</source>
        <translation>No se ha indicado ninguna hoja de cálculo.</translation>
    </message>
    <message>
        <source>Give exactly one spreadsheet.</source>
        <translation>Indique exactamente una hoja de cálculo.</translation>
    </message>
    <message>
        <source>Map at least one column (--map or --map-column), or use --list-headers.</source>
        <translation>Asigne al menos una columna (--map o --map-column) o use --list-headers.</translation>
    </message>
    <message>
        <source>At most %1 mappings can be made.</source>
        <translation>Se pueden hacer como máximo %1 asignaciones.</translation>
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
Envío de los contactos a una libreta de direcciones de un servidor (CardDAV):
  excel2vcard-cli [opciones de asignación] --carddav URL --user NAME
                  [--addressbook BOOK] [--ca-file FILE] [--password-file FILE]
                  [--uid-column LETTERS] [--only-new] SPREADSHEET
  excel2vcard-cli --carddav URL --user NAME [--ca-file FILE] --list-addressbooks

  --carddav URL                 Envía las tarjetas a una libreta de direcciones
                                de este servidor en lugar de escribir archivos:
                                la dirección del servidor, la de la cuenta o la
                                de la propia libreta de direcciones. https://, o
                                http:// solo hacia este equipo. Las tarjetas son
                                vCard 3.0 (4.0 con --vcard-version 4.0 si la
                                libreta de direcciones la admite); una segunda
                                ejecución actualiza los contactos que envió
                                antes en lugar de volver a añadirlos. Nunca se
                                borra nada del servidor. No se puede usar con
                                --target outlook ni android, --single-file ni
                                --output.
  --user NAME                   El nombre de usuario de la cuenta.
  --addressbook BOOK            La libreta de direcciones, por nombre o por
                                dirección (vea --list-addressbooks); hace falta
                                cuando la cuenta tiene varias.
  --ca-file FILE                Confía en los certificados de este archivo PEM
                                además de en los del sistema (para un servidor
                                con un certificado propio).
  --password-file FILE          Lee la contraseña de la primera línea de FILE.
                                La contraseña solo se busca cuando el servidor
                                la pide: en la variable de entorno
                                E2V_CARDDAV_PASSWORD, en este archivo, en el
                                depósito de claves del escritorio (donde la
                                guarda la ventana) o, si no, se pregunta en el
                                terminal.
  --uid-column LETTERS          Identifica los contactos del servidor por el
                                texto de esta columna. De forma predeterminada,
                                por la primera dirección de correo electrónico;
                                si no, por el nombre y la empresa; si no, por el
                                número de fila (el informe indica esas filas).
  --only-new                    Añade los contactos que la libreta de
                                direcciones aún no tiene; deja como están los
                                que ya tiene.
  --list-addressbooks           Muestra las libretas de direcciones de la
                                cuenta, una por línea: la dirección, un TAB, el
                                nombre.

El informe va a la salida de error: &quot;Contactos añadidos: N, actualizados: M, sin
cambios: K, sin enviar: F&quot;; después, cada contacto no enviado con su fila y el
motivo del servidor; la dirección de la libreta de direcciones es la última
línea de la salida estándar. Código de salida 0: se han enviado todos los
contactos o no tenían cambios; 1: algunos no se han enviado; 2: no se ha podido
enviar nada (uso incorrecto, se ha rechazado el inicio de sesión, no hay
contraseña, no se ha encontrado la libreta de direcciones o no se ha elegido
entre varias, no se confía en el certificado del servidor, no se puede conectar
con el servidor).
</translation>
    </message>
    <message>
        <source>--%1 needs --carddav.</source>
        <translation>--%1 requiere --carddav.</translation>
    </message>
    <message>
        <source>--carddav needs the user name (--user NAME).</source>
        <translation>--carddav requiere el nombre de usuario (--user NAME).</translation>
    </message>
    <message>
        <source>--target %1 makes files to import; it cannot be used with --carddav.</source>
        <translation>--target %1 crea archivos para importar; no se puede usar con --carddav.</translation>
    </message>
    <message>
        <source>--%1 is about files; it cannot be used with --carddav.</source>
        <translation>--%1 se refiere a archivos; no se puede usar con --carddav.</translation>
    </message>
    <message>
        <source>An address book on a server takes vCard 3.0 or 4.0, not 2.1.</source>
        <translation>Una libreta de direcciones de un servidor admite vCard 3.0 o 4.0, no 2.1.</translation>
    </message>
    <message>
        <source>--uid-column takes column letters (A, AB, ...), not “%1”.</source>
        <translation>--uid-column admite letras de columna (A, AB, ...), no “%1”.</translation>
    </message>
    <message>
        <source>--list-addressbooks takes no spreadsheet.</source>
        <translation>--list-addressbooks no admite ninguna hoja de cálculo.</translation>
    </message>
    <message>
        <source>The password file “%1” cannot be read: %2.</source>
        <translation>No se puede leer el archivo de contraseña “%1”: %2.</translation>
    </message>
    <message>
        <source>Password of %1 at %2: </source>
        <translation>Contraseña de %1 en %2: </translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>Libretas de direcciones de la cuenta: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 unchanged, %3 not sent</source>
        <translation>
            <numerusform>Contactos añadidos: %n, actualizados: %1, sin cambios: %2, sin enviar: %3</numerusform>
            <numerusform>Contactos añadidos: %n, actualizados: %1, sin cambios: %2, sin enviar: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were (--only-new).</source>
        <translation>
            <numerusform>%n contacto que ya estaba en la libreta de direcciones se ha dejado como estaba (--only-new).</numerusform>
            <numerusform>%n contactos que ya estaban en la libreta de direcciones se han dejado como estaban (--only-new).</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>No enviado: fila %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>“%1” has changed since it was read: column %2 no longer has the header “%3”. Select the file again.</source>
        <translation>“%1” ha cambiado desde que se leyó: la columna %2 ya no tiene el encabezado “%3”. Vuelva a seleccionar el archivo.</translation>
    </message>
    <message>
        <source>The cards are made for import into %1.</source>
        <translation>Las tarjetas se han creado para importarlas en %1.</translation>
    </message>
    <message>
        <source>the card of contact %1 has %2 KB, and %3 takes cards under %4 KB</source>
        <translation>la tarjeta del contacto %1 ocupa %2 KB y %3 admite tarjetas de menos de %4 KB</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) could not be read as dates</source>
        <translation>
            <numerusform>%n cumpleaños no se ha podido leer como fecha</numerusform>
            <numerusform>%n cumpleaños no se han podido leer como fechas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(s) could not be read as dates</source>
        <translation>
            <numerusform>%n aniversario no se ha podido leer como fecha</numerusform>
            <numerusform>%n aniversarios no se han podido leer como fechas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) could not be read</source>
        <translation>
            <numerusform>%n foto no se ha podido leer</numerusform>
            <numerusform>%n fotos no se han podido leer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phone number(s) were left as they were</source>
        <translation>
            <numerusform>%n número de teléfono se ha dejado tal cual</numerusform>
            <numerusform>%n números de teléfono se han dejado tal cual</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (row %2: %3)</source>
        <translation>%1 (fila %2: %3)</translation>
    </message>
</context>
<context>
    <name>DateOrder</name>
    <message>
        <source>M/D/Y</source>
        <translation>M/D/A</translation>
    </message>
    <message>
        <source>Y/M/D</source>
        <translation>A/M/D</translation>
    </message>
    <message>
        <source>D/M/Y</source>
        <translation>D/M/A</translation>
    </message>
</context>
<context>
    <name>DialogService</name>
    <message>
        <source>Excel File (*.xlsx *.xls *.csv);;OpenDocument Spreadsheet (*.ods);;All files (*)</source>
        <translation>Archivo de Excel (*.xlsx *.xls *.csv);;Hoja de cálculo OpenDocument (*.ods);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Mapping (*.json);;All files (*)</source>
        <translation>Asignación (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>No se ha podido guardar la contraseña en el depósito de claves: %1</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>first name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>last name</source>
        <translation>apellidos</translation>
    </message>
    <message>
        <source>name as shown; without it, first and last name</source>
        <translation>nombre mostrado; si falta, nombre y apellidos</translation>
    </message>
    <message>
        <source>preferred e-mail address</source>
        <translation>dirección de correo electrónico preferida</translation>
    </message>
    <message>
        <source>second e-mail address</source>
        <translation>segunda dirección de correo electrónico</translation>
    </message>
    <message>
        <source>third e-mail address</source>
        <translation>tercera dirección de correo electrónico</translation>
    </message>
    <message>
        <source>job title</source>
        <translation>cargo</translation>
    </message>
    <message>
        <source>company</source>
        <translation>empresa</translation>
    </message>
    <message>
        <source>work address in one text</source>
        <translation>dirección del trabajo en un solo texto</translation>
    </message>
    <message>
        <source>work address: city</source>
        <translation>dirección del trabajo: ciudad</translation>
    </message>
    <message>
        <source>work address: country</source>
        <translation>dirección del trabajo: país</translation>
    </message>
    <message>
        <source>work address: postal code</source>
        <translation>dirección del trabajo: código postal</translation>
    </message>
    <message>
        <source>work address: state or region</source>
        <translation>dirección del trabajo: provincia o región</translation>
    </message>
    <message>
        <source>work address: street</source>
        <translation>dirección del trabajo: calle</translation>
    </message>
    <message>
        <source>work fax number</source>
        <translation>número de fax del trabajo</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>página web</translation>
    </message>
    <message>
        <source>work telephone number</source>
        <translation>número de teléfono del trabajo</translation>
    </message>
    <message>
        <source>department (written with a Company)</source>
        <translation>departamento (se escribe junto con Company)</translation>
    </message>
    <message>
        <source>home address in one text</source>
        <translation>dirección particular en un solo texto</translation>
    </message>
    <message>
        <source>home address: city</source>
        <translation>dirección particular: ciudad</translation>
    </message>
    <message>
        <source>home address: country</source>
        <translation>dirección particular: país</translation>
    </message>
    <message>
        <source>home address: postal code</source>
        <translation>dirección particular: código postal</translation>
    </message>
    <message>
        <source>home address: state or region</source>
        <translation>dirección particular: provincia o región</translation>
    </message>
    <message>
        <source>home address: street</source>
        <translation>dirección particular: calle</translation>
    </message>
    <message>
        <source>home fax number</source>
        <translation>número de fax particular</translation>
    </message>
    <message>
        <source>home telephone number</source>
        <translation>número de teléfono particular</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>segundo nombre</translation>
    </message>
    <message>
        <source>mobile telephone number</source>
        <translation>número de teléfono móvil</translation>
    </message>
    <message>
        <source>form of address, such as Dr</source>
        <translation>tratamiento, como Dr.</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notas</translation>
    </message>
    <message>
        <source>name suffix, such as Jr.</source>
        <translation>sufijo del nombre, como Jr.</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>apodo</translation>
    </message>
    <message>
        <source>birthday (a date, the year may be left out)</source>
        <translation>cumpleaños (una fecha; se puede omitir el año)</translation>
    </message>
    <message>
        <source>anniversary (a date)</source>
        <translation>aniversario (una fecha)</translation>
    </message>
    <message>
        <source>categories, separated by &quot;,&quot; or &quot;;&quot;</source>
        <translation>categorías, separadas por &quot;,&quot; o &quot;;&quot;</translation>
    </message>
    <message>
        <source>other telephone number</source>
        <translation>otro número de teléfono</translation>
    </message>
    <message>
        <source>pager number</source>
        <translation>número de buscapersonas</translation>
    </message>
    <message>
        <source>personal web page</source>
        <translation>página web personal</translation>
    </message>
    <message>
        <source>photo: a picture file&apos;s path or a web address</source>
        <translation>foto: ruta de una imagen o una dirección web</translation>
    </message>
</context>
<context>
    <name>Mapping</name>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Seleccione el campo de Outlook.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Seleccione el campo de Excel.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Seleccione el elemento entre los campos añadidos.</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at character %2)</source>
        <translation>no es JSON (%1 en el carácter %2)</translation>
    </message>
    <message>
        <source>it holds no JSON object</source>
        <translation>no contiene ningún objeto JSON</translation>
    </message>
    <message>
        <source>it has no “format” number</source>
        <translation>no tiene ningún número “format”</translation>
    </message>
    <message>
        <source>it is written in format %1; this version reads format %2</source>
        <translation>está escrito en el formato %1; esta versión lee el formato %2</translation>
    </message>
    <message>
        <source>it has no “pairs” list</source>
        <translation>no tiene ninguna lista “pairs”</translation>
    </message>
    <message>
        <source>pair %1 is not a JSON object</source>
        <translation>el par %1 no es un objeto JSON</translation>
    </message>
    <message>
        <source>pair %1 has no “header” text</source>
        <translation>el par %1 no tiene ningún texto “header”</translation>
    </message>
    <message>
        <source>pair %1 has no “field” name</source>
        <translation>el par %1 no tiene ningún nombre “field”</translation>
    </message>
    <message>
        <source>pair %1 has a “column” that is not column letters</source>
        <translation>el par %1 tiene una “column” que no son letras de columna</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be read: %2.</source>
        <translation>No se puede leer el archivo de asignación “%1”: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a mapping this program can load: %2.</source>
        <translation>“%1” no es una asignación que este programa pueda cargar: %2.</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be written: %2.</source>
        <translation>No se puede escribir el archivo de asignación “%1”: %2.</translation>
    </message>
    <message>
        <source>the header is not in this sheet</source>
        <translation>el encabezado no está en esta hoja</translation>
    </message>
    <message>
        <source>the field is not one of this program&apos;s</source>
        <translation>el campo no es uno de los de este programa</translation>
    </message>
    <message>
        <source>the column or the field is mapped already</source>
        <translation>la columna o el campo ya están asignados</translation>
    </message>
    <message>
        <source>“%1” → %2: %3</source>
        <translation>“%1” → %2: %3</translation>
    </message>
    <message>
        <source>“%1” (column %2) → %3: %4</source>
        <translation>“%1” (columna %2) → %3: %4</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>“%1” cannot be written: %2</source>
        <translation>No se puede escribir “%1”: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: %2.</source>
        <translation>No se puede crear la carpeta “%1”: %2.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: too many folders of that name exist already.</source>
        <translation>No se puede crear la carpeta “%1”: ya existen demasiadas carpetas con ese nombre.</translation>
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
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>a folder, not an image</source>
        <translation>es una carpeta, no una imagen</translation>
    </message>
    <message>
        <source>not an image that can be read</source>
        <translation>no es una imagen legible</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>image too large (%1 x %2 pixels)</source>
        <translation>imagen demasiado grande (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>cannot be made small enough</source>
        <translation>no se puede reducir lo suficiente</translation>
    </message>
    <message>
        <source>not an http or https address</source>
        <translation>no es una dirección http ni https</translation>
    </message>
    <message>
        <source>not a valid web address</source>
        <translation>no es una dirección web válida</translation>
    </message>
</context>
<context>
    <name>ServerDialog</name>
    <message>
        <source>Address Book on a Server</source>
        <translation>Libreta de direcciones de un servidor</translation>
    </message>
    <message>
        <source>https://cloud.example.org</source>
        <translation>https://cloud.example.org</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>&amp;Dirección del servidor:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>Needed only when the server asks for one; leave it empty to use the remembered one</source>
        <translation>Solo hace falta si el servidor la pide; déjela vacía para usar la recordada</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Con&amp;traseña:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>&amp;Recordar contraseña</translation>
    </message>
    <message>
        <source>No keyring runs on this desktop, so the password cannot be kept.</source>
        <translation>En este escritorio no funciona ningún depósito de claves, así que no se puede guardar la contraseña.</translation>
    </message>
    <message>
        <source>The account&apos;s only one</source>
        <translation>La única de la cuenta</translation>
    </message>
    <message>
        <source>C&amp;onnect</source>
        <translation>C&amp;onectar</translation>
    </message>
    <message>
        <source>Lists the address books of the account</source>
        <translation>Muestra las libretas de direcciones de la cuenta</translation>
    </message>
    <message>
        <source>Address &amp;book:</source>
        <translation>&amp;Libreta de direcciones:</translation>
    </message>
    <message>
        <source>E-mail address (default)</source>
        <translation>Dirección de correo electrónico (predeterminada)</translation>
    </message>
    <message>
        <source>What tells a contact of the sheet and its card on the server are the same</source>
        <translation>Lo que indica que un contacto de la hoja y su tarjeta en el servidor son el mismo</translation>
    </message>
    <message>
        <source>&amp;Match contacts by:</source>
        <translation>&amp;Identificar contactos por:</translation>
    </message>
    <message>
        <source>Only add &amp;new contacts</source>
        <translation>Solo añadir contactos &amp;nuevos</translation>
    </message>
    <message>
        <source>Contacts already in the address book are left as they are</source>
        <translation>Los contactos que ya están en la libreta de direcciones se dejan como están</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s) found.</source>
        <translation>
            <numerusform>Se ha encontrado %n libreta de direcciones.</numerusform>
            <numerusform>Se han encontrado %n libretas de direcciones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>a sheet&apos;s position in the workbook is wrong</source>
        <translation>la posición de una hoja en el libro es incorrecta</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or macros).</source>
        <translation>no contiene ninguna hoja (solo gráficos o macros).</translation>
    </message>
    <message>
        <source>the workbook ends before its last record</source>
        <translation>el libro termina antes de su último registro</translation>
    </message>
    <message>
        <source>a record runs past the end of the workbook</source>
        <translation>un registro sobrepasa el final del libro</translation>
    </message>
    <message>
        <source>the workbook is empty</source>
        <translation>el libro está vacío</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its workbook does not begin like an Excel workbook).</source>
        <translation>no es una hoja de cálculo (su libro no empieza como un libro de Excel).</translation>
    </message>
    <message>
        <source>it is in the format of Excel 4 or older, which this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>está en el formato de Excel 4 o anterior, que este programa no lee. Ábralo en su programa de hojas de cálculo y guárdelo como .xlsx.</translation>
    </message>
    <message>
        <source>it is in an Excel format this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>está en un formato de Excel que este programa no lee. Ábralo en su programa de hojas de cálculo y guárdelo como .xlsx.</translation>
    </message>
    <message>
        <source>it is not a workbook this program reads (it holds no worksheet).</source>
        <translation>no es un libro que este programa pueda leer (no contiene ninguna hoja).</translation>
    </message>
    <message>
        <source>a code-page record is too short</source>
        <translation>un registro de página de códigos es demasiado corto</translation>
    </message>
    <message>
        <source>a date-mode record is too short</source>
        <translation>un registro de modo de fecha es demasiado corto</translation>
    </message>
    <message>
        <source>the workbook&apos;s global part does not end</source>
        <translation>la parte global del libro no termina</translation>
    </message>
    <message>
        <source>its password record is malformed</source>
        <translation>su registro de contraseña está mal formado</translation>
    </message>
    <message>
        <source>it is protected with a password. Open it in your spreadsheet program, remove the password and save it again.</source>
        <translation>está protegido con contraseña. Ábralo en su programa de hojas de cálculo, quite la contraseña y vuelva a guardarlo.</translation>
    </message>
    <message>
        <source>a sheet record is too short</source>
        <translation>un registro de hoja es demasiado corto</translation>
    </message>
    <message>
        <source>a sheet name runs past its record</source>
        <translation>el nombre de una hoja sobrepasa su registro</translation>
    </message>
    <message>
        <source>it holds two shared-string tables</source>
        <translation>contiene dos tablas de cadenas compartidas</translation>
    </message>
    <message>
        <source>the shared-string table is too short</source>
        <translation>la tabla de cadenas compartidas es demasiado corta</translation>
    </message>
    <message>
        <source>a shared string runs past its records</source>
        <translation>una cadena compartida sobrepasa sus registros</translation>
    </message>
    <message>
        <source>a shared string is too long</source>
        <translation>una cadena compartida es demasiado larga</translation>
    </message>
    <message>
        <source>it holds a cell beyond the %1 rows and %2 columns an .xls sheet can have, so the file is damaged.</source>
        <translation>contiene una celda fuera de las %1 filas y %2 columnas que puede tener una hoja .xls, así que el archivo está dañado.</translation>
    </message>
    <message>
        <source>a text runs past its record</source>
        <translation>un texto sobrepasa su registro</translation>
    </message>
    <message>
        <source>a number record is too short</source>
        <translation>un registro de número es demasiado corto</translation>
    </message>
    <message>
        <source>a multiple-number record has a wrong length</source>
        <translation>un registro de varios números tiene una longitud incorrecta</translation>
    </message>
    <message>
        <source>a text record is too short</source>
        <translation>un registro de texto es demasiado corto</translation>
    </message>
    <message>
        <source>a truth-value record is too short</source>
        <translation>un registro de valor lógico es demasiado corto</translation>
    </message>
    <message>
        <source>a formula record is too short</source>
        <translation>un registro de fórmula es demasiado corto</translation>
    </message>
    <message>
        <source>it has more than %1 rows, more than a worksheet holds.</source>
        <translation>tiene más de %1 filas, más de las que admite una hoja.</translation>
    </message>
    <message>
        <source>row %1 has more than %2 fields, more than a worksheet has columns.</source>
        <translation>la fila %1 tiene más de %2 campos, más columnas de las que tiene una hoja.</translation>
    </message>
    <message>
        <source>a field in row %1 is longer than %2 characters, more than a cell may hold.</source>
        <translation>un campo de la fila %1 tiene más de %2 caracteres, más de los que puede contener una celda.</translation>
    </message>
    <message>
        <source>it contains a NUL character (line %1), so it is not a plain text list.</source>
        <translation>contiene un carácter NUL (línea %1), así que no es una lista de texto sin formato.</translation>
    </message>
    <message>
        <source>it is damaged (its UTF-16 text ends in the middle of a character).</source>
        <translation>está dañado (su texto UTF-16 termina a mitad de un carácter).</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation>no se puede abrir el archivo (%1).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row a worksheet can hold (row 1,048,576).</source>
        <translation>tiene una celda más allá de la última fila que admite una hoja (fila 1.048.576).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last column a worksheet can hold (column XFD).</source>
        <translation>tiene una celda más allá de la última columna que admite una hoja (columna XFD).</translation>
    </message>
    <message>
        <source>it holds more cells than this program can keep (its repeated rows and columns add up to tens of millions of cells).</source>
        <translation>contiene más celdas de las que este programa puede guardar (sus filas y columnas repetidas suman decenas de millones de celdas).</translation>
    </message>
    <message>
        <source>it is damaged (its content part, content.xml, is missing).</source>
        <translation>está dañado (falta su parte de contenido, content.xml).</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its content holds no table body).</source>
        <translation>no es una hoja de cálculo (su contenido no tiene cuerpo de tabla).</translation>
    </message>
    <message>
        <source>it is a word-processing document, not a spreadsheet.</source>
        <translation>es un documento de texto, no una hoja de cálculo.</translation>
    </message>
    <message>
        <source>it is a presentation, not a spreadsheet.</source>
        <translation>es una presentación, no una hoja de cálculo.</translation>
    </message>
    <message>
        <source>it is a drawing, not a spreadsheet.</source>
        <translation>es un dibujo, no una hoja de cálculo.</translation>
    </message>
    <message>
        <source>it is an e-book, not a spreadsheet.</source>
        <translation>es un libro electrónico, no una hoja de cálculo.</translation>
    </message>
    <message>
        <source>it is a document of another kind (%1), not a spreadsheet.</source>
        <translation>es un documento de otro tipo (%1), no una hoja de cálculo.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a spreadsheet (it holds neither a workbook nor an OpenDocument spreadsheet).</source>
        <translation>es un archivo zip, no una hoja de cálculo (no contiene ni un libro ni una hoja de cálculo OpenDocument).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row or column a worksheet can hold (row 1,048,576, column XFD).</source>
        <translation>tiene una celda más allá de la última fila o columna que admite una hoja (fila 1.048.576, columna XFD).</translation>
    </message>
    <message>
        <source>it holds more than %1 cells, more than this program reads.</source>
        <translation>contiene más de %1 celdas, más de las que lee este programa.</translation>
    </message>
    <message>
        <source>it holds a text longer than any cell may be.</source>
        <translation>contiene un texto más largo de lo que puede ser una celda.</translation>
    </message>
    <message>
        <source>it is damaged (a cell refers to a shared text that does not exist).</source>
        <translation>está dañado (una celda remite a un texto compartido que no existe).</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>No se puede leer “%1”: %2</translation>
    </message>
    <message>
        <source>it has no worksheet number %1 (it has %2).</source>
        <translation>no tiene ninguna hoja número %1 (tiene %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1).</source>
        <translation>está dañado (%1).</translation>
    </message>
    <message>
        <source>Items Found: </source>
        <translation>Elementos encontrados: </translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>el archivo no existe.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>el archivo está vacío.</translation>
    </message>
    <message>
        <source>it is a web page or XML document, not a spreadsheet. Open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>es una página web o un documento XML, no una hoja de cálculo. Ábralo en un programa de hojas de cálculo y guárdelo como .xlsx o .csv.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet in a format this program reads (.xlsx, .xls, .ods or .csv).</source>
        <translation>no es una hoja de cálculo en un formato que este programa lea (.xlsx, .xls, .ods o .csv).</translation>
    </message>
    <message>
        <source>no worksheet was chosen.</source>
        <translation>no se ha elegido ninguna hoja.</translation>
    </message>
    <message>
        <source>the workbook stream is larger than the file</source>
        <translation>el flujo del libro es mayor que el archivo</translation>
    </message>
    <message>
        <source>its workbook is larger than the 512 MB this program reads from an .xls file. Save it as .xlsx in your spreadsheet program and choose that file.</source>
        <translation>su libro supera los 512 MB que este programa lee de un archivo .xls. Guárdelo como .xlsx en su programa de hojas de cálculo y elija ese archivo.</translation>
    </message>
    <message>
        <source>its workbook stream cannot be read to the end</source>
        <translation>el flujo del libro no se puede leer hasta el final</translation>
    </message>
    <message>
        <source>the file cannot be opened.</source>
        <translation>no se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>its compound-file structure is broken</source>
        <translation>su estructura de archivo compuesto está rota</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (the file holds no workbook; it may be a document of another program).</source>
        <translation>no es una hoja de cálculo (el archivo no contiene ningún libro; puede que sea un documento de otro programa).</translation>
    </message>
    <message>
        <source>its workbook stream cannot be opened</source>
        <translation>el flujo del libro no se puede abrir</translation>
    </message>
    <message>
        <source>it holds more shared texts than this program can keep.</source>
        <translation>contiene más textos compartidos de los que este programa puede guardar.</translation>
    </message>
    <message>
        <source>it is damaged (its first worksheet, %1, is missing).</source>
        <translation>está dañado (falta su primera hoja, %1).</translation>
    </message>
    <message>
        <source>it is damaged (its worksheet number %1, %2, is missing).</source>
        <translation>está dañado (falta su hoja número %1, %2).</translation>
    </message>
    <message>
        <source>it is damaged (its first sheet, %1, is not a worksheet).</source>
        <translation>está dañado (su primera hoja, %1, no es una hoja de cálculo).</translation>
    </message>
    <message>
        <source>it is damaged (its sheet number %1, %2, is not a worksheet).</source>
        <translation>está dañado (su hoja número %1, %2, no es una hoja de cálculo).</translation>
    </message>
    <message>
        <source>the package relationships</source>
        <translation>las relaciones del paquete</translation>
    </message>
    <message>
        <source>it is a binary workbook (.xlsb), which this program does not read. Save it as .xlsx and try again.</source>
        <translation>es un libro binario (.xlsb), que este programa no lee. Guárdelo como .xlsx y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>the content types</source>
        <translation>los tipos de contenido</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its package names no main document).</source>
        <translation>está dañado o no es una hoja de cálculo (su paquete no indica ningún documento principal).</translation>
    </message>
    <message>
        <source>it is damaged (its workbook part, %1, is missing).</source>
        <translation>está dañado (falta la parte del libro, %1).</translation>
    </message>
    <message>
        <source>the workbook part</source>
        <translation>la parte del libro</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its main part is not a workbook).</source>
        <translation>está dañado o no es una hoja de cálculo (su parte principal no es un libro).</translation>
    </message>
    <message>
        <source>it is damaged (the relationships of its workbook part are missing).</source>
        <translation>está dañado (faltan las relaciones de la parte del libro).</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or other kinds of sheets).</source>
        <translation>no contiene ninguna hoja (solo gráficos u otros tipos de hojas).</translation>
    </message>
    <message>
        <source>the shared texts</source>
        <translation>los textos compartidos</translation>
    </message>
    <message>
        <source>the styles</source>
        <translation>los estilos</translation>
    </message>
    <message>
        <source>the worksheet</source>
        <translation>la hoja</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: unbound prefix at line %2).</source>
        <translation>está dañado (el XML de %1 no está bien formado: prefijo sin enlazar en la línea %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1 nests elements more than %2 levels deep).</source>
        <translation>está dañado (en %1 los elementos se anidan a más de %2 niveles de profundidad).</translation>
    </message>
    <message>
        <source>%1 contains a document type declaration, which this program refuses for safety (it may define entities that expand without end).</source>
        <translation>en %1 hay una declaración de tipo de documento, que este programa rechaza por seguridad (puede definir entidades que se expanden sin fin).</translation>
    </message>
    <message>
        <source>%1 defines XML entities, which this program refuses for safety.</source>
        <translation>en %1 se definen entidades XML, que este programa rechaza por seguridad.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>no hay memoria suficiente para leerlo.</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: %2 at line %3).</source>
        <translation>está dañado (el XML de %1 no está bien formado: %2 en la línea %3).</translation>
    </message>
    <message>
        <source>it is damaged (%1 holds a tag longer than %2 MB).</source>
        <translation>está dañado (en %1 hay una etiqueta de más de %2 MB).</translation>
    </message>
    <message>
        <source>it is damaged (the checksum of %1 does not match).</source>
        <translation>está dañado (la suma de comprobación de %1 no coincide).</translation>
    </message>
    <message>
        <source>it is damaged (the compressed data of %1 is corrupt).</source>
        <translation>está dañado (los datos comprimidos de %1 están corruptos).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (%1 cannot be read in full; the file may have been cut short).</source>
        <translation>está dañado o incompleto (%1 no se puede leer por completo; puede que el archivo esté truncado).</translation>
    </message>
    <message>
        <source>it is protected by a password (its parts are encrypted). Save it again without a password.</source>
        <translation>está protegido con contraseña (sus partes están cifradas). Vuelva a guardarlo sin contraseña.</translation>
    </message>
    <message>
        <source>its part %1 is compressed with a method this program does not read.</source>
        <translation>su parte %1 está comprimida con un método que este programa no lee.</translation>
    </message>
    <message>
        <source>it is damaged (%1 cannot be read: %2).</source>
        <translation>está dañado (no se puede leer %1: %2).</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 bytes, more than this program accepts for one part.</source>
        <translation>su parte %1 se descomprime en más de %2 bytes, más de lo que este programa acepta para una parte.</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 times its compressed size; the file looks like a zip bomb and is refused.</source>
        <translation>su parte %1 se descomprime en más de %2 veces su tamaño comprimido; el archivo parece una bomba zip y se rechaza.</translation>
    </message>
    <message>
        <source>it is damaged (%1 inflates to %2 bytes, but its zip directory says %3).</source>
        <translation>está dañado (%1 se descomprime en %2 bytes, pero su directorio zip indica %3).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (the directory at the end of its zip package is missing; the file may have been cut short).</source>
        <translation>está dañado o incompleto (falta el directorio al final de su paquete zip; puede que el archivo esté truncado).</translation>
    </message>
    <message>
        <source>it is damaged (the directory of its zip package is inconsistent).</source>
        <translation>está dañado (el directorio de su paquete zip es incoherente).</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>no se puede leer el archivo.</translation>
    </message>
    <message>
        <source>it is damaged (its zip package cannot be opened: %1).</source>
        <translation>está dañado (no se puede abrir su paquete zip: %1).</translation>
    </message>
    <message>
        <source>it is damaged (a part of its zip package is missing).</source>
        <translation>está dañado (falta una parte de su paquete zip).</translation>
    </message>
    <message>
        <source>it is damaged (its zip directory gives %1 a compressed size larger than the whole file).</source>
        <translation>está dañado (su directorio zip da a %1 un tamaño comprimido mayor que todo el archivo).</translation>
    </message>
    <message>
        <source>it is damaged (%1 is far longer than it should be).</source>
        <translation>está dañado (%1 es mucho más largo de lo que debería).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Us</source>
        <translation>Acerca de nosotros</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Map Excel Column to Outlook Attribute.</source>
        <translation>Asigne una columna de Excel a un campo de Outlook.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 asignado a %2</translation>
    </message>
    <message>
        <source>Auto Map recognised no further column header.</source>
        <translation>La asignación automática no ha reconocido ningún encabezado de columna más.</translation>
    </message>
    <message>
        <source>%1 of the %2 pairs of the mapping were left out:
%3</source>
        <translation>Se han omitido %1 de los %2 pares de la asignación:
%3</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>%1 imports only the first card of a file: one file per contact.</source>
        <translation>%1 solo importa la primera tarjeta de cada archivo: un archivo por contacto.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Elija dónde guardar</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Abrir la carpeta de destino</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>Los contactos se han exportado correctamente a archivos vCard.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written to vCard files. The first reason: %3</source>
        <translation>No se han podido escribir %1 de %2 contactos en archivos vCard. El primer motivo: %3</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>¿Quiere abrir la carpeta que contiene los archivos vCard? Pulse Sí para abrirla; si no, pulse No.</translation>
    </message>
    <message>
        <source>Wizard steps</source>
        <translation>Pasos del asistente</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Seleccionar</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Asignar columnas</translation>
    </message>
    <message>
        <source>3. Export</source>
        <translation>3. Exportar</translation>
    </message>
    <message>
        <source>&lt;  Pre&amp;vious</source>
        <translation>&lt;  A&amp;nterior</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>About &amp;Us</source>
        <translation>Acerca de &amp;nosotros</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Abrir archivo de Excel</translation>
    </message>
    <message>
        <source>Open Excel (%1)</source>
        <translation>Abrir archivo de Excel (%1)</translation>
    </message>
    <message>
        <source>Select Excel File :</source>
        <translation>Archivo de Excel:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Hoja:</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Vista previa de Excel</translation>
    </message>
    <message>
        <source>Excel Fields</source>
        <translation>Campos de Excel</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>Campos de vCard</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Añadi&amp;r</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Auto &amp;Map</source>
        <translation>A&amp;utoasignar</translation>
    </message>
    <message>
        <source>&amp;Save Mapping...</source>
        <translation>&amp;Guardar asignación...</translation>
    </message>
    <message>
        <source>&amp;Load Mapping...</source>
        <translation>&amp;Cargar asignación...</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Campos seleccionados (Excel --&gt; vCard)</translation>
    </message>
    <message>
        <source>Selected Fields (Excel to vCard)</source>
        <translation>Campos seleccionados (de Excel a vCard)</translation>
    </message>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Permitir importar contactos sin correo electrónico</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Un solo archivo vCard para todos los contactos</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(de forma predeterminada, se guarda un archivo vCard por contacto)</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> Versión vCard 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> Versión vCard 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> Versión vCard 4.0</translation>
    </message>
    <message>
        <source>Date order:</source>
        <translation>Orden de fechas:</translation>
    </message>
    <message>
        <source>How birthdays and anniversaries written as numbers are read</source>
        <translation>Cómo se leen los cumpleaños y aniversarios escritos como números</translation>
    </message>
    <message>
        <source>&amp;Import into:</source>
        <translation>&amp;Importar en:</translation>
    </message>
    <message>
        <source>Any address book</source>
        <translation>Cualquier libreta de direcciones</translation>
    </message>
    <message>
        <source>The address book the cards are written for: it decides the versions offered</source>
        <translation>La libreta de direcciones a la que van destinadas las tarjetas: determina las versiones ofrecidas</translation>
    </message>
    <message>
        <source>Format p&amp;hone numbers</source>
        <translation>&amp;Formatear teléfonos</translation>
    </message>
    <message>
        <source>Phone region</source>
        <translation>Región de teléfono</translation>
    </message>
    <message>
        <source>The country of the numbers written without a country code</source>
        <translation>El país de los números escritos sin prefijo de país</translation>
    </message>
    <message>
        <source>International</source>
        <translation>Internacional</translation>
    </message>
    <message>
        <source>E.164</source>
        <translation>E.164</translation>
    </message>
    <message>
        <source>Phone number form</source>
        <translation>Formato de los números de teléfono</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Contactos sin correo electrónico :</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Contactos añadidos                     :</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progreso de la conversión</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>&amp;Cambiar...</translation>
    </message>
    <message>
        <source>Card &amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation>Con&amp;tacto:</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Which contact the card preview shows, counted over the rows that are converted</source>
        <translation>Qué contacto muestra la vista previa de la tarjeta, contando las filas que se convierten</translation>
    </message>
    <message>
        <source>Card preview</source>
        <translation>Vista previa de la tarjeta</translation>
    </message>
    <message>
        <source>Select an Excel file to see a contact&apos;s card here.</source>
        <translation>Seleccione un archivo de Excel para ver aquí la tarjeta de un contacto.</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> de %1</translation>
    </message>
    <message>
        <source>(row %1)</source>
        <translation>(fila %1)</translation>
    </message>
    <message>
        <source>%1  ·  your contact list, ready for every address book</source>
        <translation>%1  ·  su lista de contactos, lista para cualquier agenda</translation>
    </message>
    <message>
        <source>A server takes each contact as a card of its own.</source>
        <translation>Un servidor guarda cada contacto como una tarjeta independiente.</translation>
    </message>
    <message>
        <source>%1 imports files only.</source>
        <translation>%1 solo importa archivos.</translation>
    </message>
    <message>
        <source>Please choose the server with &quot;Server...&quot;.</source>
        <translation>Elija el servidor con “Servidor...”.</translation>
    </message>
    <message>
        <source>No contact was sent.</source>
        <translation>No se ha enviado ningún contacto.</translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>Libretas de direcciones de la cuenta: %1.</translation>
    </message>
    <message>
        <source>The contacts were sent to the address book &quot;%1&quot;.</source>
        <translation>Los contactos se han enviado a la libreta de direcciones “%1”.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be sent to the address book &quot;%3&quot;.</source>
        <translation>No se han podido enviar %1 de %2 contactos a la libreta de direcciones “%3”.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 left unchanged.</source>
        <translation>
            <numerusform>Contactos añadidos: %n, actualizados: %1, sin cambios: %2.</numerusform>
            <numerusform>Contactos añadidos: %n, actualizados: %1, sin cambios: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were.</source>
        <translation>
            <numerusform>%n contacto que ya estaba en la libreta de direcciones se ha dejado como estaba.</numerusform>
            <numerusform>%n contactos que ya estaban en la libreta de direcciones se han dejado como estaban.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>No enviado: fila %1, %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Send to:</source>
        <translation>&amp;Enviar a:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Address book on a server</source>
        <translation>Libreta de direcciones de un servidor</translation>
    </message>
    <message>
        <source>Files in a folder, or the contacts sent to an address book on a server</source>
        <translation>Archivos en una carpeta, o los contactos enviados a una libreta de direcciones de un servidor</translation>
    </message>
    <message>
        <source>Se&amp;rver...</source>
        <translation>Se&amp;rvidor...</translation>
    </message>
    <message>
        <source>The server, the sign-in and the address book</source>
        <translation>El servidor, el inicio de sesión y la libreta de direcciones</translation>
    </message>
</context>
</TS>
