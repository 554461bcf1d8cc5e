<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CardDav</name>
    <message>
        <source>&quot;%1&quot; is not a server address: it must begin with https://.</source>
        <translation>“%1” não é um endereço de servidor: ele deve começar com https://.</translation>
    </message>
    <message>
        <source>The server address must not hold a password.</source>
        <translation>O endereço do servidor não deve conter senha.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not encrypted: use https://, so that the password does not travel in clear.</source>
        <translation>“%1” não usa criptografia: use https://, para que a senha não trafegue sem criptografia.</translation>
    </message>
    <message>
        <source>No certificate could be read from &quot;%3&quot;.</source>
        <translation>Não foi possível ler nenhum certificado de “%3”.</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; was not found.</source>
        <translation>O servidor de “%1” não foi encontrado.</translation>
    </message>
    <message>
        <source>The server of &quot;%1&quot; does not answer.</source>
        <translation>O servidor de “%1” não responde.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>O servidor fechou a conexão.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>O servidor não respondeu a tempo.</translation>
    </message>
    <message>
        <source>The secure connection to &quot;%1&quot; failed: %3. A server with a certificate of its own needs that certificate as CA file.</source>
        <translation>A conexão segura com “%1” falhou: %3. Um servidor com certificado próprio precisa desse certificado como arquivo de CA.</translation>
    </message>
    <message>
        <source>The connection to &quot;%1&quot; failed: %3.</source>
        <translation>A conexão com “%1” falhou: %3.</translation>
    </message>
    <message>
        <source>The server asks for a password, and none was given.</source>
        <translation>O servidor pede uma senha, e nenhuma foi informada.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>O servidor recusou o nome de usuário ou a senha.</translation>
    </message>
    <message>
        <source>The server sent the program on to &quot;%3&quot;, which is not the same server; it was not followed.</source>
        <translation>O servidor redirecionou o programa para “%3”, que não é o mesmo servidor; o redirecionamento não foi seguido.</translation>
    </message>
    <message>
        <source>The server sent the program on too many times.</source>
        <translation>O servidor redirecionou o programa vezes demais.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was too large.</source>
        <translation>A resposta do servidor era grande demais.</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read: %3.</source>
        <translation>Não foi possível ler a resposta do servidor: %3.</translation>
    </message>
    <message>
        <source>The server answered %2 %3.</source>
        <translation>O servidor respondeu %2 %3.</translation>
    </message>
    <message>
        <source>The account has no address book.</source>
        <translation>A conta não tem nenhum catálogo de endereços.</translation>
    </message>
    <message>
        <source>The account has no address book &quot;%3&quot;.</source>
        <translation>A conta não tem o catálogo de endereços “%3”.</translation>
    </message>
    <message>
        <source>The account has several address books; choose one of: %3.</source>
        <translation>A conta tem vários catálogos de endereços; escolha um destes: %3.</translation>
    </message>
    <message numerus="yes">
        <source>, ... (%n row(s))</source>
        <translation>
            <numerusform>, ... (%n linha)</numerusform>
            <numerusform>, ... (%n linhas)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had nothing to be matched by (no e-mail address, name or company) and went under their row number, so moving them in the sheet makes them new contacts: row(s) %1.</source>
        <translation>
            <numerusform>%n contato não tinha nada pelo qual ser identificado (nem endereço de e-mail, nem nome, nem empresa) e foi enviado pelo número da linha; por isso, se for movido na planilha, passará a ser um contato novo: linha %1.</numerusform>
            <numerusform>%n contatos não tinham nada pelo qual ser identificados (nem endereço de e-mail, nem nome, nem empresa) e foram enviados pelo número da linha; por isso, se forem movidos na planilha, passarão a ser contatos novos: linhas %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) had the same e-mail address, name or key as an earlier row and were sent as contacts of their own: row(s) %1.</source>
        <translation>
            <numerusform>%n contato tinha o mesmo endereço de e-mail, nome ou chave que uma linha anterior e foi enviado como um contato separado: linha %1.</numerusform>
            <numerusform>%n contatos tinham o mesmo endereço de e-mail, nome ou chave que uma linha anterior e foram enviados como contatos separados: linhas %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Not written: Birthday &quot;%1&quot; is not a date</source>
        <translation>Não gravado: o aniversário “%1” não é uma data</translation>
    </message>
    <message>
        <source>Not written: Anniversary &quot;%1&quot; is not a date</source>
        <translation>Não gravada: a data comemorativa “%1” não é uma data</translation>
    </message>
    <message>
        <source>Not written: Photo %1</source>
        <translation>Não gravada: a foto %1</translation>
    </message>
    <message>
        <source>Left as it stands: phone number &quot;%1&quot; is not a valid number</source>
        <translation>Mantido como está: o número de telefone “%1” não é um número válido</translation>
    </message>
    <message>
        <source>Map a column to see the card it gives.</source>
        <translation>Mapeie uma coluna para ver o cartão resultante.</translation>
    </message>
    <message>
        <source>Row %1 holds no contact.</source>
        <translation>A linha %1 não contém nenhum contato.</translation>
    </message>
    <message>
        <source>No card: the e-mail cell of row %1 holds nothing but spaces.</source>
        <translation>Nenhum cartão: a célula de e-mail da linha %1 contém apenas espaços.</translation>
    </message>
    <message>
        <source>No card: it has %1 KB, and %2 takes cards under %3 KB.</source>
        <translation>Nenhum cartão: ele tem %1 KB, e o %2 aceita cartões com menos de %3 KB.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>There is no worksheet “%1” in “%2”: it has no worksheet at all.</source>
        <translation>Não há nenhuma planilha “%1” em “%2”: o arquivo não tem nenhuma planilha.</translation>
    </message>
    <message>
        <source>There is no worksheet “%1” in “%2”. Give one of its worksheets by name or by number (1 to %3): %4.</source>
        <translation>Não há nenhuma planilha “%1” em “%2”. Informe uma das planilhas dele pelo nome ou pelo número (de 1 a %3): %4.</translation>
    </message>
    <message>
        <source>Unknown field “%1”. The fields are: %2.</source>
        <translation>Campo desconhecido “%1”. Os campos são: %2.</translation>
    </message>
    <message>
        <source>The field “%1” is mapped twice.</source>
        <translation>O campo “%1” foi mapeado duas vezes.</translation>
    </message>
    <message>
        <source>There is no header column “%1” in the sheet (its header columns are A to %2).</source>
        <translation>Não há nenhuma coluna de cabeçalho “%1” na planilha (as colunas de cabeçalho vão de A a %2).</translation>
    </message>
    <message>
        <source>The column %1 is mapped twice.</source>
        <translation>A coluna %1 foi mapeada duas vezes.</translation>
    </message>
    <message>
        <source>The header “%1” is mapped more often than it stands in row 1.</source>
        <translation>O cabeçalho “%1” foi mapeado mais vezes do que aparece na linha 1.</translation>
    </message>
    <message>
        <source>The header “%1” is not in the sheet (see --list-headers).</source>
        <translation>O cabeçalho “%1” não está na planilha (veja --list-headers).</translation>
    </message>
    <message>
        <source>Warning: %1 of %2 pairs of the mapping file were left out:
  %3</source>
        <translation>Aviso: %1 de %2 pares do arquivo de mapeamento foram deixados de fora:
  %3</translation>
    </message>
    <message>
        <source>No column is mapped: no pair of the mapping fits the sheet and no header was recognised (see --list-headers).</source>
        <translation>Nenhuma coluna está mapeada: nenhum par do mapeamento se ajusta à planilha e nenhum cabeçalho foi reconhecido (veja --list-headers).</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) written to vCard files.</source>
        <translation>
            <numerusform>%n contato gravado em arquivos vCard.</numerusform>
            <numerusform>%n contatos gravados em arquivos vCard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) left out: an e-mail cell holds only spaces (--allow-empty-email keeps them).</source>
        <translation>
            <numerusform>%n linha deixada de fora: uma célula de e-mail contém apenas espaços (--allow-empty-email a mantém).</numerusform>
            <numerusform>%n linhas deixadas de fora: uma célula de e-mail contém apenas espaços (--allow-empty-email as mantém).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written. The first reason: %3</source>
        <translation>Não foi possível gravar %1 de %2 contatos. O primeiro motivo: %3</translation>
    </message>
    <message>
        <source>Run excel2vcard-cli --help for the options.</source>
        <translation>Execute excel2vcard-cli --help para ver as opções.</translation>
    </message>
    <message>
        <source>Note: row 1 has %1 more header cells after column CW; only the first 101 columns are offered.</source>
        <translation>Observação: a linha 1 tem mais %1 células de cabeçalho depois da coluna CW; somente as primeiras 101 colunas são oferecidas.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location.</source>
        <translation>Escolha onde salvar.</translation>
    </message>
    <message>
        <source> (accepted but reaches no card)</source>
        <translation> (aceito, mas não chega a nenhum cartão)</translation>
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
  excel2vcard-cli --suggest-mapping [opções de mapeamento]
                  [--save-mapping FILE] SPREADSHEET

Converte os contatos da primeira planilha de um arquivo de planilha (.xlsx,
  .xls, .ods ou .csv) em arquivos vCard. A linha 1 contém os cabeçalhos das
  colunas; cada linha abaixo, um contato.

  -m, --map &quot;HEADER=FIELD&quot;      Passa para FIELD a coluna cujo cabeçalho é
                                HEADER (o texto exato). Quando várias colunas
                                têm esse cabeçalho, cada --map pega a próxima
                                delas.
  --map-column LETTERS=FIELD    Passa para FIELD a coluna com estas letras
                                (C, AB, ...).
  --mapping-file FILE           Aplica um mapeamento salvo pela janela
                                (Salvar mapeamento...) ou por --save-mapping. Os
                                pares cujo cabeçalho não está na planilha são
                                citados em um aviso na saída de erro e deixados
                                de fora; --map e --map-column prevalecem sobre o
                                arquivo.
  --auto-map                    Mapeia as colunas cujos cabeçalhos são
                                reconhecidos (exportações comuns, vários
                                idiomas) para os campos ainda livres, depois de
                                --map, --map-column e --mapping-file.
  --suggest-mapping             Não converte nada: mostra o mapeamento que
                                --auto-map faria, uma linha por par: as letras
                                da coluna, um TAB, o texto do cabeçalho, um TAB,
                                o campo.
  --save-mapping FILE           Salva o mapeamento em FILE (JSON) antes de
                                converter; a janela e --mapping-file o carregam.
  --vcard-version VERSION       2.1 (o padrão), 3.0 ou 4.0.
  --single-file                 Grava todos os cartões em um só arquivo,
                                &quot;All Contacts.vcf&quot;; caso contrário, um arquivo
                                por contato, com o nome dele.
  --allow-empty-email           Mantém as linhas cuja célula de e-mail contém
                                apenas espaços; por padrão, essas linhas são
                                deixadas de fora e contadas.
  --phone-format FORMAT         Grava os números de telefone válidos como e164
                                (+16175550100) ou international
                                (+1 617-555-0100); um ramal é mantido como
                                &quot; ext. 12&quot;. Os demais números são gravados como
                                estão e contados. Por padrão, os números não são
                                alterados.
  --phone-region CC             O país (duas letras, como US ou DE) dos números
                                escritos sem código do país (padrão: o país da
                                localidade do sistema).
  --target TARGET               O catálogo de endereços ao qual os cartões se
                                destinam (padrão: generic, cartões como sempre).
                                outlook: vCard 2.1, um arquivo por contato,
                                CHARSET=UTF-8 nos valores não ASCII. apple: 3.0,
                                no máximo 50.000 cartões por arquivo
                                (&quot;All Contacts 2.vcf&quot;, ...), cada um com menos
                                de 256 KB. google: 3.0. android: 2.1 ou 3.0; em
                                2.1, valores não ASCII em UTF-8
                                quoted-printable. Se o destino não aceitar a
                                versão pedida ou --single-file, o pedido é
                                recusado.
  --date-order ORDER            Como são lidas as datas escritas como números:
                                DMY (31/12/1990), MDY (12/31/1990) ou YMD
                                (1990/12/31). O padrão segue o formato de data
                                da sua localidade.
  -o, --output DIR              O local onde salvar (padrão: sua pasta
                                Documentos). Nele é criada uma nova pasta com a
                                data e a hora no nome; o caminho dela é a última
                                linha da saída padrão.
  --list-headers                Mostra uma linha por coluna com cabeçalho na
                                linha 1: as letras da coluna, um TAB, o texto do
                                cabeçalho. Depois, a linha &quot;Items Found: &quot; com o
                                número de linhas de contatos.
  --sheet NAME|NUMBER           Lê esta planilha em vez da primeira: o nome
                                dela, ou o número a partir de 1 em
                                --list-sheets. Um nome prevalece sobre um
                                número: &quot;--sheet 2&quot; lê uma planilha chamada 2,
                                se houver. Maiúsculas e minúsculas só contam
                                quando dois nomes diferem apenas nisso.
  --list-sheets                 Mostra os nomes das planilhas, um por linha, na
                                ordem da pasta de trabalho (inclusive as
                                ocultas; folhas de gráfico não são planilhas).
                                Um arquivo .csv é uma só planilha, com o nome do
                                arquivo.
  -h, --help                    Mostra este texto.

FIELD é um destes:
%1
Os mapeamentos se aplicam na ordem dada. As mensagens e uma barra de progresso
(em um terminal) vão para a saída de erro. Pares de um --mapping-file deixados
de fora não mudam o código de saída, a menos que nenhuma coluna fique mapeada.

Código de saída:
  0  todos os contatos foram gravados;
  1  alguns cartões (ou a pasta de saída, ou o arquivo de --save-mapping) não
     puderam ser gravados; a mensagem diz quantos e por quê;
  2  uso incorreto, um nome de campo desconhecido, um campo ou coluna mapeado
     duas vezes, um cabeçalho que não está na planilha, uma planilha que o
     arquivo não tem, nenhuma coluna mapeada, um --mapping-file que não pode ser
     usado ou um arquivo de planilha que não pode ser lido (o motivo é
     mostrado).

Exemplo:
  excel2vcard-cli -m &quot;First name=FirstName&quot; -m &quot;Last name=LastName&quot; \
      -m &quot;E-mail=EmailAddress&quot; --map-column D=MobileNumber --vcard-version 3.0 \
      -o ~/Cards contacts.xlsx
  excel2vcard-cli --auto-map --save-mapping staff.json -o ~/Cards staff.xlsx
</translation>
    </message>
    <message>
        <source>A mapping reads HEADER=FIELD or LETTERS=FIELD, not “%1”.</source>
        <translation>Um mapeamento tem a forma HEADER=FIELD ou LETTERS=FIELD, não “%1”.</translation>
    </message>
    <message>
        <source>The vCard version is 2.1, 3.0 or 4.0, not “%1”.</source>
        <translation>A versão do vCard é 2.1, 3.0 ou 4.0, não “%1”.</translation>
    </message>
    <message>
        <source>The target is one of %1, not “%2”.</source>
        <translation>O destino deve ser um destes: %1; não “%2”.</translation>
    </message>
    <message>
        <source>--target %1 writes vCard %2; --vcard-version %3 cannot be used with it.</source>
        <translation>--target %1 grava vCard %2; --vcard-version %3 não pode ser usado com ele.</translation>
    </message>
    <message>
        <source>--target %1 cannot read vCard %2.</source>
        <translation>--target %1 não consegue ler vCard %2.</translation>
    </message>
    <message>
        <source>--target %1 takes one contact a file; --single-file cannot be used with it.</source>
        <translation>--target %1 aceita um contato por arquivo; --single-file não pode ser usado com ele.</translation>
    </message>
    <message>
        <source>The date order is DMY, MDY or YMD, not “%1”.</source>
        <translation>A ordem das datas é DMY, MDY ou YMD, não “%1”.</translation>
    </message>
    <message>
        <source>The phone format is e164 or international, not “%1”.</source>
        <translation>O formato de telefone é e164 ou international, não “%1”.</translation>
    </message>
    <message>
        <source>The phone region is a two-letter country code such as US or DE, not “%1”.</source>
        <translation>A região do telefone é um código de país de duas letras, como US ou DE, não “%1”.</translation>
    </message>
    <message>
        <source>No spreadsheet given.</source>
        <translation>Nenhum arquivo de planilha foi informado.</translation>
    </message>
    <message>
        <source>Give exactly one spreadsheet.</source>
        <translation>Informe exatamente um arquivo de planilha.</translation>
    </message>
    <message>
        <source>Map at least one column (--map or --map-column), or use --list-headers.</source>
        <translation>Mapeie pelo menos uma coluna (--map ou --map-column) ou use --list-headers.</translation>
    </message>
    <message>
        <source>At most %1 mappings can be made.</source>
        <translation>No máximo %1 mapeamentos podem ser feitos.</translation>
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
Envio dos contatos para um catálogo de endereços em um servidor (CardDAV):
  excel2vcard-cli [opções de mapeamento] --carddav URL --user NAME
                  [--addressbook BOOK] [--ca-file FILE] [--password-file FILE]
                  [--uid-column LETTERS] [--only-new] SPREADSHEET
  excel2vcard-cli --carddav URL --user NAME [--ca-file FILE] --list-addressbooks

  --carddav URL                 Envia os cartões para um catálogo de endereços
                                neste servidor em vez de gravar arquivos: o
                                endereço do servidor, o da conta ou o do próprio
                                catálogo de endereços. https://, ou http://
                                somente para esta máquina. Os cartões são
                                vCard 3.0 (4.0 com --vcard-version 4.0 quando o
                                catálogo de endereços aceita); uma segunda
                                execução atualiza os contatos enviados antes em
                                vez de adicioná-los de novo. Nunca se exclui
                                nada do servidor. --target outlook e android,
                                --single-file e --output não podem ser usados
                                com esta opção.
  --user NAME                   O nome de usuário da conta.
  --addressbook BOOK            O catálogo de endereços, pelo nome ou pelo
                                endereço (veja --list-addressbooks); necessário
                                quando a conta tem vários.
  --ca-file FILE                Confia nos certificados deste arquivo PEM além
                                dos do sistema (para um servidor com certificado
                                próprio).
  --password-file FILE          Lê a senha da primeira linha de FILE. A senha só
                                é buscada quando o servidor a pede: na variável
                                de ambiente E2V_CARDDAV_PASSWORD, neste arquivo,
                                no chaveiro da área de trabalho (onde a janela a
                                guarda) ou, por último, é perguntada no
                                terminal.
  --uid-column LETTERS          Identifica os contatos no servidor pelo texto
                                desta coluna. Por padrão, pelo primeiro endereço
                                de e-mail; senão, pelo nome e pela empresa;
                                senão, pelo número da linha (o relatório indica
                                essas linhas).
  --only-new                    Adiciona os contatos que o catálogo de endereços
                                ainda não tem; mantém como estão os que ele já
                                tem.
  --list-addressbooks           Mostra os catálogos de endereços da conta, um
                                por linha: o endereço, um TAB, o nome.

O relatório vai para a saída de erro: &quot;Contatos adicionados: N, atualizados: M,
inalterados: K, não enviados: F&quot;; depois, cada contato não enviado com a linha
dele e o motivo dado pelo servidor; o endereço do catálogo de endereços é a
última linha da saída padrão. Código de saída 0: todos os contatos foram
enviados ou estavam inalterados; 1: alguns não foram enviados; 2: nada pôde ser
enviado (uso incorreto, o login foi recusado, não há senha, o catálogo de
endereços não foi encontrado ou não foi escolhido entre vários, o certificado do
servidor não é confiável, não é possível conectar ao servidor).
</translation>
    </message>
    <message>
        <source>--%1 needs --carddav.</source>
        <translation>--%1 requer --carddav.</translation>
    </message>
    <message>
        <source>--carddav needs the user name (--user NAME).</source>
        <translation>--carddav requer o nome de usuário (--user NAME).</translation>
    </message>
    <message>
        <source>--target %1 makes files to import; it cannot be used with --carddav.</source>
        <translation>--target %1 gera arquivos para importar; não pode ser usado com --carddav.</translation>
    </message>
    <message>
        <source>--%1 is about files; it cannot be used with --carddav.</source>
        <translation>--%1 diz respeito a arquivos; não pode ser usado com --carddav.</translation>
    </message>
    <message>
        <source>An address book on a server takes vCard 3.0 or 4.0, not 2.1.</source>
        <translation>Um catálogo de endereços em um servidor aceita vCard 3.0 ou 4.0, não 2.1.</translation>
    </message>
    <message>
        <source>--uid-column takes column letters (A, AB, ...), not “%1”.</source>
        <translation>--uid-column aceita letras de coluna (A, AB, ...), não “%1”.</translation>
    </message>
    <message>
        <source>--list-addressbooks takes no spreadsheet.</source>
        <translation>--list-addressbooks não aceita arquivo de planilha.</translation>
    </message>
    <message>
        <source>The password file “%1” cannot be read: %2.</source>
        <translation>Não é possível ler o arquivo de senha “%1”: %2.</translation>
    </message>
    <message>
        <source>Password of %1 at %2: </source>
        <translation>Senha de %1 em %2: </translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>Catálogos de endereços da conta: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 unchanged, %3 not sent</source>
        <translation>
            <numerusform>Contatos adicionados: %n, atualizados: %1, inalterados: %2, não enviados: %3</numerusform>
            <numerusform>Contatos adicionados: %n, atualizados: %1, inalterados: %2, não enviados: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were (--only-new).</source>
        <translation>
            <numerusform>%n contato que já estava no catálogo de endereços foi mantido como estava (--only-new).</numerusform>
            <numerusform>%n contatos que já estavam no catálogo de endereços foram mantidos como estavam (--only-new).</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>Não enviado: linha %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>“%1” has changed since it was read: column %2 no longer has the header “%3”. Select the file again.</source>
        <translation>“%1” mudou desde que foi lido: a coluna %2 não tem mais o cabeçalho “%3”. Selecione o arquivo novamente.</translation>
    </message>
    <message>
        <source>The cards are made for import into %1.</source>
        <translation>Os cartões foram feitos para importação no %1.</translation>
    </message>
    <message>
        <source>the card of contact %1 has %2 KB, and %3 takes cards under %4 KB</source>
        <translation>o cartão do contato %1 tem %2 KB, e o %3 aceita cartões com menos de %4 KB</translation>
    </message>
    <message numerus="yes">
        <source>%n birthday(s) could not be read as dates</source>
        <translation>
            <numerusform>%n aniversário não pôde ser lido como data</numerusform>
            <numerusform>%n aniversários não puderam ser lidos como datas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n anniversary(s) could not be read as dates</source>
        <translation>
            <numerusform>%n data comemorativa não pôde ser lida como data</numerusform>
            <numerusform>%n datas comemorativas não puderam ser lidas como datas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) could not be read</source>
        <translation>
            <numerusform>%n foto não pôde ser lida</numerusform>
            <numerusform>%n fotos não puderam ser lidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n phone number(s) were left as they were</source>
        <translation>
            <numerusform>%n número de telefone foi mantido como estava</numerusform>
            <numerusform>%n números de telefone foram mantidos como estavam</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (row %2: %3)</source>
        <translation>%1 (linha %2: %3)</translation>
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
        <translation>Arquivo do Excel (*.xlsx *.xls *.csv);;Planilha OpenDocument (*.ods);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Mapping (*.json);;All files (*)</source>
        <translation>Mapeamento (*.json);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Não foi possível guardar a senha no chaveiro: %1</translation>
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
        <translation>sobrenome</translation>
    </message>
    <message>
        <source>name as shown; without it, first and last name</source>
        <translation>nome de exibição; sem ele, nome e sobrenome</translation>
    </message>
    <message>
        <source>preferred e-mail address</source>
        <translation>endereço de e-mail preferencial</translation>
    </message>
    <message>
        <source>second e-mail address</source>
        <translation>segundo endereço de e-mail</translation>
    </message>
    <message>
        <source>third e-mail address</source>
        <translation>terceiro endereço de e-mail</translation>
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
        <translation>endereço comercial em um só texto</translation>
    </message>
    <message>
        <source>work address: city</source>
        <translation>endereço comercial: cidade</translation>
    </message>
    <message>
        <source>work address: country</source>
        <translation>endereço comercial: país</translation>
    </message>
    <message>
        <source>work address: postal code</source>
        <translation>endereço comercial: CEP</translation>
    </message>
    <message>
        <source>work address: state or region</source>
        <translation>endereço comercial: estado ou região</translation>
    </message>
    <message>
        <source>work address: street</source>
        <translation>endereço comercial: rua</translation>
    </message>
    <message>
        <source>work fax number</source>
        <translation>número de fax comercial</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>página da web</translation>
    </message>
    <message>
        <source>work telephone number</source>
        <translation>número de telefone comercial</translation>
    </message>
    <message>
        <source>department (written with a Company)</source>
        <translation>departamento (gravado junto com Company)</translation>
    </message>
    <message>
        <source>home address in one text</source>
        <translation>endereço residencial em um só texto</translation>
    </message>
    <message>
        <source>home address: city</source>
        <translation>endereço residencial: cidade</translation>
    </message>
    <message>
        <source>home address: country</source>
        <translation>endereço residencial: país</translation>
    </message>
    <message>
        <source>home address: postal code</source>
        <translation>endereço residencial: CEP</translation>
    </message>
    <message>
        <source>home address: state or region</source>
        <translation>endereço residencial: estado ou região</translation>
    </message>
    <message>
        <source>home address: street</source>
        <translation>endereço residencial: rua</translation>
    </message>
    <message>
        <source>home fax number</source>
        <translation>número de fax residencial</translation>
    </message>
    <message>
        <source>home telephone number</source>
        <translation>número de telefone residencial</translation>
    </message>
    <message>
        <source>middle name</source>
        <translation>nome do meio</translation>
    </message>
    <message>
        <source>mobile telephone number</source>
        <translation>número de celular</translation>
    </message>
    <message>
        <source>form of address, such as Dr</source>
        <translation>pronome de tratamento, como Dr.</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>observações</translation>
    </message>
    <message>
        <source>name suffix, such as Jr.</source>
        <translation>sufixo do nome, como Jr.</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>apelido</translation>
    </message>
    <message>
        <source>birthday (a date, the year may be left out)</source>
        <translation>aniversário (uma data; o ano pode ser omitido)</translation>
    </message>
    <message>
        <source>anniversary (a date)</source>
        <translation>data comemorativa (uma data)</translation>
    </message>
    <message>
        <source>categories, separated by &quot;,&quot; or &quot;;&quot;</source>
        <translation>categorias, separadas por &quot;,&quot; ou &quot;;&quot;</translation>
    </message>
    <message>
        <source>other telephone number</source>
        <translation>outro número de telefone</translation>
    </message>
    <message>
        <source>pager number</source>
        <translation>número do pager</translation>
    </message>
    <message>
        <source>personal web page</source>
        <translation>página pessoal na web</translation>
    </message>
    <message>
        <source>photo: a picture file&apos;s path or a web address</source>
        <translation>foto: caminho de uma imagem ou endereço da web</translation>
    </message>
</context>
<context>
    <name>Mapping</name>
    <message>
        <source>Please Select the Outlook Field.</source>
        <translation>Selecione o campo do Outlook.</translation>
    </message>
    <message>
        <source>Please Select the Excel Field.</source>
        <translation>Selecione o campo do Excel.</translation>
    </message>
    <message>
        <source>Select the item from the added fields.</source>
        <translation>Selecione o item entre os campos adicionados.</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at character %2)</source>
        <translation>não é JSON (%1 no caractere %2)</translation>
    </message>
    <message>
        <source>it holds no JSON object</source>
        <translation>não contém nenhum objeto JSON</translation>
    </message>
    <message>
        <source>it has no “format” number</source>
        <translation>não tem o número “format”</translation>
    </message>
    <message>
        <source>it is written in format %1; this version reads format %2</source>
        <translation>está gravado no formato %1; esta versão lê o formato %2</translation>
    </message>
    <message>
        <source>it has no “pairs” list</source>
        <translation>não tem a lista “pairs”</translation>
    </message>
    <message>
        <source>pair %1 is not a JSON object</source>
        <translation>o par %1 não é um objeto JSON</translation>
    </message>
    <message>
        <source>pair %1 has no “header” text</source>
        <translation>o par %1 não tem o texto “header”</translation>
    </message>
    <message>
        <source>pair %1 has no “field” name</source>
        <translation>o par %1 não tem o nome “field”</translation>
    </message>
    <message>
        <source>pair %1 has a “column” that is not column letters</source>
        <translation>o par %1 tem uma “column” que não são letras de coluna</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be read: %2.</source>
        <translation>Não é possível ler o arquivo de mapeamento “%1”: %2.</translation>
    </message>
    <message>
        <source>“%1” is not a mapping this program can load: %2.</source>
        <translation>“%1” não é um mapeamento que este programa consiga carregar: %2.</translation>
    </message>
    <message>
        <source>The mapping file “%1” cannot be written: %2.</source>
        <translation>Não é possível gravar o arquivo de mapeamento “%1”: %2.</translation>
    </message>
    <message>
        <source>the header is not in this sheet</source>
        <translation>o cabeçalho não está nesta planilha</translation>
    </message>
    <message>
        <source>the field is not one of this program&apos;s</source>
        <translation>o campo não é um dos campos deste programa</translation>
    </message>
    <message>
        <source>the column or the field is mapped already</source>
        <translation>a coluna ou o campo já está mapeado</translation>
    </message>
    <message>
        <source>“%1” → %2: %3</source>
        <translation>“%1” → %2: %3</translation>
    </message>
    <message>
        <source>“%1” (column %2) → %3: %4</source>
        <translation>“%1” (coluna %2) → %3: %4</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>“%1” cannot be written: %2</source>
        <translation>Não é possível gravar “%1”: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: %2.</source>
        <translation>Não é possível criar a pasta “%1”: %2.</translation>
    </message>
    <message>
        <source>The folder “%1” cannot be created: too many folders of that name exist already.</source>
        <translation>Não é possível criar a pasta “%1”: já existem pastas demais com esse nome.</translation>
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
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>a folder, not an image</source>
        <translation>é uma pasta, não uma imagem</translation>
    </message>
    <message>
        <source>not an image that can be read</source>
        <translation>não é uma imagem legível</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>não pode ser aberto</translation>
    </message>
    <message>
        <source>image too large (%1 x %2 pixels)</source>
        <translation>imagem grande demais (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>cannot be made small enough</source>
        <translation>não pode ser reduzida o suficiente</translation>
    </message>
    <message>
        <source>not an http or https address</source>
        <translation>não é um endereço http nem https</translation>
    </message>
    <message>
        <source>not a valid web address</source>
        <translation>não é um endereço da web válido</translation>
    </message>
</context>
<context>
    <name>ServerDialog</name>
    <message>
        <source>Address Book on a Server</source>
        <translation>Catálogo de endereços em um servidor</translation>
    </message>
    <message>
        <source>https://cloud.example.org</source>
        <translation>https://cloud.example.org</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>&amp;Endereço do servidor:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;usuário:</translation>
    </message>
    <message>
        <source>Needed only when the server asks for one; leave it empty to use the remembered one</source>
        <translation>Necessária apenas se o servidor pedir; deixe em branco para usar a senha lembrada</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Senha:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>&amp;Lembrar senha</translation>
    </message>
    <message>
        <source>No keyring runs on this desktop, so the password cannot be kept.</source>
        <translation>Nenhum chaveiro está em execução nesta área de trabalho, então a senha não pode ser guardada.</translation>
    </message>
    <message>
        <source>The account&apos;s only one</source>
        <translation>O único da conta</translation>
    </message>
    <message>
        <source>C&amp;onnect</source>
        <translation>Co&amp;nectar</translation>
    </message>
    <message>
        <source>Lists the address books of the account</source>
        <translation>Lista os catálogos de endereços da conta</translation>
    </message>
    <message>
        <source>Address &amp;book:</source>
        <translation>Ca&amp;tálogo de endereços:</translation>
    </message>
    <message>
        <source>E-mail address (default)</source>
        <translation>Endereço de e-mail (padrão)</translation>
    </message>
    <message>
        <source>What tells a contact of the sheet and its card on the server are the same</source>
        <translation>O que indica que um contato da planilha e o cartão dele no servidor são o mesmo</translation>
    </message>
    <message>
        <source>&amp;Match contacts by:</source>
        <translation>&amp;Identificar contatos por:</translation>
    </message>
    <message>
        <source>Only add &amp;new contacts</source>
        <translation>&amp;Adicionar apenas contatos novos</translation>
    </message>
    <message>
        <source>Contacts already in the address book are left as they are</source>
        <translation>Os contatos que já estão no catálogo de endereços são mantidos como estão</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s) found.</source>
        <translation>
            <numerusform>%n catálogo de endereços encontrado.</numerusform>
            <numerusform>%n catálogos de endereços encontrados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>a sheet&apos;s position in the workbook is wrong</source>
        <translation>a posição de uma planilha na pasta de trabalho está errada</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or macros).</source>
        <translation>não contém nenhuma planilha (apenas gráficos ou macros).</translation>
    </message>
    <message>
        <source>the workbook ends before its last record</source>
        <translation>a pasta de trabalho termina antes do último registro</translation>
    </message>
    <message>
        <source>a record runs past the end of the workbook</source>
        <translation>um registro ultrapassa o fim da pasta de trabalho</translation>
    </message>
    <message>
        <source>the workbook is empty</source>
        <translation>a pasta de trabalho está vazia</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its workbook does not begin like an Excel workbook).</source>
        <translation>não é um arquivo de planilha (a pasta de trabalho dele não começa como uma pasta de trabalho do Excel).</translation>
    </message>
    <message>
        <source>it is in the format of Excel 4 or older, which this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>está no formato do Excel 4 ou anterior, que este programa não lê. Abra-o no seu programa de planilhas e salve-o como .xlsx.</translation>
    </message>
    <message>
        <source>it is in an Excel format this program does not read. Open it in your spreadsheet program and save it as .xlsx.</source>
        <translation>está em um formato do Excel que este programa não lê. Abra-o no seu programa de planilhas e salve-o como .xlsx.</translation>
    </message>
    <message>
        <source>it is not a workbook this program reads (it holds no worksheet).</source>
        <translation>não é uma pasta de trabalho que este programa leia (não contém nenhuma planilha).</translation>
    </message>
    <message>
        <source>a code-page record is too short</source>
        <translation>um registro de página de código é curto demais</translation>
    </message>
    <message>
        <source>a date-mode record is too short</source>
        <translation>um registro de modo de data é curto demais</translation>
    </message>
    <message>
        <source>the workbook&apos;s global part does not end</source>
        <translation>a parte global da pasta de trabalho não termina</translation>
    </message>
    <message>
        <source>its password record is malformed</source>
        <translation>o registro de senha dele está malformado</translation>
    </message>
    <message>
        <source>it is protected with a password. Open it in your spreadsheet program, remove the password and save it again.</source>
        <translation>está protegido por senha. Abra-o no seu programa de planilhas, remova a senha e salve-o novamente.</translation>
    </message>
    <message>
        <source>a sheet record is too short</source>
        <translation>um registro de planilha é curto demais</translation>
    </message>
    <message>
        <source>a sheet name runs past its record</source>
        <translation>um nome de planilha ultrapassa o registro dele</translation>
    </message>
    <message>
        <source>it holds two shared-string tables</source>
        <translation>contém duas tabelas de cadeias compartilhadas</translation>
    </message>
    <message>
        <source>the shared-string table is too short</source>
        <translation>a tabela de cadeias compartilhadas é curta demais</translation>
    </message>
    <message>
        <source>a shared string runs past its records</source>
        <translation>uma cadeia compartilhada ultrapassa os registros dela</translation>
    </message>
    <message>
        <source>a shared string is too long</source>
        <translation>uma cadeia compartilhada é longa demais</translation>
    </message>
    <message>
        <source>it holds a cell beyond the %1 rows and %2 columns an .xls sheet can have, so the file is damaged.</source>
        <translation>contém uma célula além das %1 linhas e %2 colunas que uma planilha .xls pode ter, então o arquivo está danificado.</translation>
    </message>
    <message>
        <source>a text runs past its record</source>
        <translation>um texto ultrapassa o registro dele</translation>
    </message>
    <message>
        <source>a number record is too short</source>
        <translation>um registro de número é curto demais</translation>
    </message>
    <message>
        <source>a multiple-number record has a wrong length</source>
        <translation>um registro de vários números tem um comprimento errado</translation>
    </message>
    <message>
        <source>a text record is too short</source>
        <translation>um registro de texto é curto demais</translation>
    </message>
    <message>
        <source>a truth-value record is too short</source>
        <translation>um registro de valor lógico é curto demais</translation>
    </message>
    <message>
        <source>a formula record is too short</source>
        <translation>um registro de fórmula é curto demais</translation>
    </message>
    <message>
        <source>it has more than %1 rows, more than a worksheet holds.</source>
        <translation>tem mais de %1 linhas, mais do que uma planilha comporta.</translation>
    </message>
    <message>
        <source>row %1 has more than %2 fields, more than a worksheet has columns.</source>
        <translation>a linha %1 tem mais de %2 campos, mais do que as colunas de uma planilha.</translation>
    </message>
    <message>
        <source>a field in row %1 is longer than %2 characters, more than a cell may hold.</source>
        <translation>um campo na linha %1 tem mais de %2 caracteres, mais do que uma célula pode conter.</translation>
    </message>
    <message>
        <source>it contains a NUL character (line %1), so it is not a plain text list.</source>
        <translation>contém um caractere NUL (linha %1), então não é uma lista de texto simples.</translation>
    </message>
    <message>
        <source>it is damaged (its UTF-16 text ends in the middle of a character).</source>
        <translation>está danificado (o texto UTF-16 dele termina no meio de um caractere).</translation>
    </message>
    <message>
        <source>the file cannot be opened (%1).</source>
        <translation>o arquivo não pode ser aberto (%1).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row a worksheet can hold (row 1,048,576).</source>
        <translation>tem uma célula além da última linha que uma planilha comporta (linha 1.048.576).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last column a worksheet can hold (column XFD).</source>
        <translation>tem uma célula além da última coluna que uma planilha comporta (coluna XFD).</translation>
    </message>
    <message>
        <source>it holds more cells than this program can keep (its repeated rows and columns add up to tens of millions of cells).</source>
        <translation>contém mais células do que este programa consegue manter (as linhas e colunas repetidas somam dezenas de milhões de células).</translation>
    </message>
    <message>
        <source>it is damaged (its content part, content.xml, is missing).</source>
        <translation>está danificado (falta a parte de conteúdo, content.xml).</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (its content holds no table body).</source>
        <translation>não é um arquivo de planilha (o conteúdo dele não tem corpo de tabela).</translation>
    </message>
    <message>
        <source>it is a word-processing document, not a spreadsheet.</source>
        <translation>é um documento de texto, não um arquivo de planilha.</translation>
    </message>
    <message>
        <source>it is a presentation, not a spreadsheet.</source>
        <translation>é uma apresentação, não um arquivo de planilha.</translation>
    </message>
    <message>
        <source>it is a drawing, not a spreadsheet.</source>
        <translation>é um desenho, não um arquivo de planilha.</translation>
    </message>
    <message>
        <source>it is an e-book, not a spreadsheet.</source>
        <translation>é um e-book, não um arquivo de planilha.</translation>
    </message>
    <message>
        <source>it is a document of another kind (%1), not a spreadsheet.</source>
        <translation>é um documento de outro tipo (%1), não um arquivo de planilha.</translation>
    </message>
    <message>
        <source>it is a zip archive, not a spreadsheet (it holds neither a workbook nor an OpenDocument spreadsheet).</source>
        <translation>é um arquivo zip, não um arquivo de planilha (não contém nem uma pasta de trabalho nem uma planilha OpenDocument).</translation>
    </message>
    <message>
        <source>it has a cell beyond the last row or column a worksheet can hold (row 1,048,576, column XFD).</source>
        <translation>tem uma célula além da última linha ou coluna que uma planilha comporta (linha 1.048.576, coluna XFD).</translation>
    </message>
    <message>
        <source>it holds more than %1 cells, more than this program reads.</source>
        <translation>contém mais de %1 células, mais do que este programa lê.</translation>
    </message>
    <message>
        <source>it holds a text longer than any cell may be.</source>
        <translation>contém um texto mais longo do que qualquer célula pode ter.</translation>
    </message>
    <message>
        <source>it is damaged (a cell refers to a shared text that does not exist).</source>
        <translation>está danificado (uma célula se refere a um texto compartilhado que não existe).</translation>
    </message>
    <message>
        <source>“%1” cannot be read: %2</source>
        <translation>Não é possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>it has no worksheet number %1 (it has %2).</source>
        <translation>não tem a planilha número %1 (tem %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1).</source>
        <translation>está danificado (%1).</translation>
    </message>
    <message>
        <source>Items Found: </source>
        <translation>Itens encontrados: </translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>o arquivo não existe.</translation>
    </message>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>o arquivo está vazio.</translation>
    </message>
    <message>
        <source>it is a web page or XML document, not a spreadsheet. Open it in a spreadsheet program and save it as .xlsx or .csv.</source>
        <translation>é uma página da web ou um documento XML, não um arquivo de planilha. Abra-o em um programa de planilhas e salve-o como .xlsx ou .csv.</translation>
    </message>
    <message>
        <source>it is not a spreadsheet in a format this program reads (.xlsx, .xls, .ods or .csv).</source>
        <translation>não é um arquivo de planilha em um formato que este programa lê (.xlsx, .xls, .ods ou .csv).</translation>
    </message>
    <message>
        <source>no worksheet was chosen.</source>
        <translation>nenhuma planilha foi escolhida.</translation>
    </message>
    <message>
        <source>the workbook stream is larger than the file</source>
        <translation>o fluxo da pasta de trabalho é maior que o arquivo</translation>
    </message>
    <message>
        <source>its workbook is larger than the 512 MB this program reads from an .xls file. Save it as .xlsx in your spreadsheet program and choose that file.</source>
        <translation>a pasta de trabalho dele é maior que os 512 MB que este programa lê de um arquivo .xls. Salve-o como .xlsx no seu programa de planilhas e escolha esse arquivo.</translation>
    </message>
    <message>
        <source>its workbook stream cannot be read to the end</source>
        <translation>o fluxo da pasta de trabalho não pode ser lido até o fim</translation>
    </message>
    <message>
        <source>the file cannot be opened.</source>
        <translation>o arquivo não pode ser aberto.</translation>
    </message>
    <message>
        <source>its compound-file structure is broken</source>
        <translation>a estrutura de arquivo composto dele está corrompida</translation>
    </message>
    <message>
        <source>it is not a spreadsheet (the file holds no workbook; it may be a document of another program).</source>
        <translation>não é um arquivo de planilha (o arquivo não contém nenhuma pasta de trabalho; pode ser um documento de outro programa).</translation>
    </message>
    <message>
        <source>its workbook stream cannot be opened</source>
        <translation>o fluxo da pasta de trabalho não pode ser aberto</translation>
    </message>
    <message>
        <source>it holds more shared texts than this program can keep.</source>
        <translation>contém mais textos compartilhados do que este programa consegue manter.</translation>
    </message>
    <message>
        <source>it is damaged (its first worksheet, %1, is missing).</source>
        <translation>está danificado (falta a primeira planilha dele, %1).</translation>
    </message>
    <message>
        <source>it is damaged (its worksheet number %1, %2, is missing).</source>
        <translation>está danificado (falta a planilha número %1 dele, %2).</translation>
    </message>
    <message>
        <source>it is damaged (its first sheet, %1, is not a worksheet).</source>
        <translation>está danificado (a primeira folha dele, %1, não é uma planilha).</translation>
    </message>
    <message>
        <source>it is damaged (its sheet number %1, %2, is not a worksheet).</source>
        <translation>está danificado (a folha número %1 dele, %2, não é uma planilha).</translation>
    </message>
    <message>
        <source>the package relationships</source>
        <translation>as relações do pacote</translation>
    </message>
    <message>
        <source>it is a binary workbook (.xlsb), which this program does not read. Save it as .xlsx and try again.</source>
        <translation>é uma pasta de trabalho binária (.xlsb), que este programa não lê. Salve-o como .xlsx e tente novamente.</translation>
    </message>
    <message>
        <source>the content types</source>
        <translation>os tipos de conteúdo</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its package names no main document).</source>
        <translation>está danificado ou não é um arquivo de planilha (o pacote dele não indica nenhum documento principal).</translation>
    </message>
    <message>
        <source>it is damaged (its workbook part, %1, is missing).</source>
        <translation>está danificado (falta a parte da pasta de trabalho, %1).</translation>
    </message>
    <message>
        <source>the workbook part</source>
        <translation>a parte da pasta de trabalho</translation>
    </message>
    <message>
        <source>it is damaged or not a spreadsheet (its main part is not a workbook).</source>
        <translation>está danificado ou não é um arquivo de planilha (a parte principal dele não é uma pasta de trabalho).</translation>
    </message>
    <message>
        <source>it is damaged (the relationships of its workbook part are missing).</source>
        <translation>está danificado (faltam as relações da parte da pasta de trabalho).</translation>
    </message>
    <message>
        <source>it holds no worksheet (only charts or other kinds of sheets).</source>
        <translation>não contém nenhuma planilha (apenas gráficos ou outros tipos de folha).</translation>
    </message>
    <message>
        <source>the shared texts</source>
        <translation>os textos compartilhados</translation>
    </message>
    <message>
        <source>the styles</source>
        <translation>os estilos</translation>
    </message>
    <message>
        <source>the worksheet</source>
        <translation>a planilha</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: unbound prefix at line %2).</source>
        <translation>está danificado (o XML de %1 não está bem formado: prefixo não vinculado na linha %2).</translation>
    </message>
    <message>
        <source>it is damaged (%1 nests elements more than %2 levels deep).</source>
        <translation>está danificado (em %1, os elementos se aninham em mais de %2 níveis).</translation>
    </message>
    <message>
        <source>%1 contains a document type declaration, which this program refuses for safety (it may define entities that expand without end).</source>
        <translation>em %1 há uma declaração de tipo de documento, que este programa recusa por segurança (ela pode definir entidades que se expandem sem fim).</translation>
    </message>
    <message>
        <source>%1 defines XML entities, which this program refuses for safety.</source>
        <translation>em %1 são definidas entidades XML, que este programa recusa por segurança.</translation>
    </message>
    <message>
        <source>there is not enough memory to read it.</source>
        <translation>não há memória suficiente para lê-lo.</translation>
    </message>
    <message>
        <source>it is damaged (%1 is not well-formed XML: %2 at line %3).</source>
        <translation>está danificado (o XML de %1 não está bem formado: %2 na linha %3).</translation>
    </message>
    <message>
        <source>it is damaged (%1 holds a tag longer than %2 MB).</source>
        <translation>está danificado (em %1 há uma tag com mais de %2 MB).</translation>
    </message>
    <message>
        <source>it is damaged (the checksum of %1 does not match).</source>
        <translation>está danificado (a soma de verificação de %1 não confere).</translation>
    </message>
    <message>
        <source>it is damaged (the compressed data of %1 is corrupt).</source>
        <translation>está danificado (os dados compactados de %1 estão corrompidos).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (%1 cannot be read in full; the file may have been cut short).</source>
        <translation>está danificado ou incompleto (%1 não pode ser lido por inteiro; o arquivo pode ter sido truncado).</translation>
    </message>
    <message>
        <source>it is protected by a password (its parts are encrypted). Save it again without a password.</source>
        <translation>está protegido por senha (as partes dele são criptografadas). Salve-o novamente sem senha.</translation>
    </message>
    <message>
        <source>its part %1 is compressed with a method this program does not read.</source>
        <translation>a parte %1 dele está compactada com um método que este programa não lê.</translation>
    </message>
    <message>
        <source>it is damaged (%1 cannot be read: %2).</source>
        <translation>está danificado (não é possível ler %1: %2).</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 bytes, more than this program accepts for one part.</source>
        <translation>a parte %1 dele se descompacta em mais de %2 bytes, mais do que este programa aceita para uma parte.</translation>
    </message>
    <message>
        <source>its part %1 inflates to more than %2 times its compressed size; the file looks like a zip bomb and is refused.</source>
        <translation>a parte %1 dele se descompacta em mais de %2 vezes o tamanho compactado; o arquivo parece uma bomba zip e é recusado.</translation>
    </message>
    <message>
        <source>it is damaged (%1 inflates to %2 bytes, but its zip directory says %3).</source>
        <translation>está danificado (%1 se descompacta em %2 bytes, mas o diretório zip dele indica %3).</translation>
    </message>
    <message>
        <source>it is damaged or incomplete (the directory at the end of its zip package is missing; the file may have been cut short).</source>
        <translation>está danificado ou incompleto (falta o diretório no fim do pacote zip; o arquivo pode ter sido truncado).</translation>
    </message>
    <message>
        <source>it is damaged (the directory of its zip package is inconsistent).</source>
        <translation>está danificado (o diretório do pacote zip dele é inconsistente).</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>o arquivo não pode ser lido.</translation>
    </message>
    <message>
        <source>it is damaged (its zip package cannot be opened: %1).</source>
        <translation>está danificado (o pacote zip dele não pode ser aberto: %1).</translation>
    </message>
    <message>
        <source>it is damaged (a part of its zip package is missing).</source>
        <translation>está danificado (falta uma parte do pacote zip dele).</translation>
    </message>
    <message>
        <source>it is damaged (its zip directory gives %1 a compressed size larger than the whole file).</source>
        <translation>está danificado (o diretório zip dele dá a %1 um tamanho compactado maior que o arquivo inteiro).</translation>
    </message>
    <message>
        <source>it is damaged (%1 is far longer than it should be).</source>
        <translation>está danificado (%1 é muito mais longo do que deveria).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Us</source>
        <translation>Sobre nós</translation>
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
        <translation>Mapeie uma coluna do Excel para um campo do Outlook.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 mapeado para %2</translation>
    </message>
    <message>
        <source>Auto Map recognised no further column header.</source>
        <translation>O mapeamento automático não reconheceu mais nenhum cabeçalho de coluna.</translation>
    </message>
    <message>
        <source>%1 of the %2 pairs of the mapping were left out:
%3</source>
        <translation>%1 dos %2 pares do mapeamento foram deixados de fora:
%3</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>%1 imports only the first card of a file: one file per contact.</source>
        <translation>O %1 importa apenas o primeiro cartão de cada arquivo: um arquivo por contato.</translation>
    </message>
    <message>
        <source>Please Choose Saving Location</source>
        <translation>Escolha onde salvar</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Abrir pasta de destino</translation>
    </message>
    <message>
        <source>The contacts have been exported successfully to vCard files.</source>
        <translation>Os contatos foram exportados com sucesso para arquivos vCard.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be written to vCard files. The first reason: %3</source>
        <translation>Não foi possível gravar %1 de %2 contatos em arquivos vCard. O primeiro motivo: %3</translation>
    </message>
    <message>
        <source>Would you like to open folder containing excel file. Click Yes else click No.</source>
        <translation>Deseja abrir a pasta que contém os arquivos vCard? Clique em Sim para abri-la; caso contrário, clique em Não.</translation>
    </message>
    <message>
        <source>Wizard steps</source>
        <translation>Etapas do assistente</translation>
    </message>
    <message>
        <source>1. Select</source>
        <translation>1. Selecionar</translation>
    </message>
    <message>
        <source>2. Map Columns</source>
        <translation>2. Mapear colunas</translation>
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
        <translation>&amp;Próximo &gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>About &amp;Us</source>
        <translation>Sobre &amp;nós</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Abrir arquivo do Excel</translation>
    </message>
    <message>
        <source>Open Excel (%1)</source>
        <translation>Abrir arquivo do Excel (%1)</translation>
    </message>
    <message>
        <source>Select Excel File :</source>
        <translation>Arquivo do Excel:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>P&amp;rocurar...</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>Planilha:</translation>
    </message>
    <message>
        <source>Excel File Preview</source>
        <translation>Visualização do Excel</translation>
    </message>
    <message>
        <source>Excel Fields</source>
        <translation>Campos do Excel</translation>
    </message>
    <message>
        <source>vCard Fields</source>
        <translation>Campos do vCard</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;dicionar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Auto &amp;Map</source>
        <translation>Auto&amp;mapear</translation>
    </message>
    <message>
        <source>&amp;Save Mapping...</source>
        <translation>Sa&amp;lvar mapeamento...</translation>
    </message>
    <message>
        <source>&amp;Load Mapping...</source>
        <translation>&amp;Carregar mapeamento...</translation>
    </message>
    <message>
        <source>Selected Fileds ( Excel --&gt; vCard )</source>
        <translation>Campos selecionados (Excel --&gt; vCard)</translation>
    </message>
    <message>
        <source>Selected Fields (Excel to vCard)</source>
        <translation>Campos selecionados (do Excel para o vCard)</translation>
    </message>
    <message>
        <source>Allow Empty Email Addresses to be Imported</source>
        <translation>Permitir importar contatos sem e-mail</translation>
    </message>
    <message>
        <source>Single vCard File for All Contacts</source>
        <translation>Um só arquivo vCard para todos os contatos</translation>
    </message>
    <message>
        <source>(by default Separate vCards are saved for every Contact )</source>
        <translation>(por padrão, é salvo um arquivo vCard por contato)</translation>
    </message>
    <message>
        <source> vCard 2.1 Version</source>
        <translation> Versão vCard 2.1</translation>
    </message>
    <message>
        <source> vCard 3.0 Version</source>
        <translation> Versão vCard 3.0</translation>
    </message>
    <message>
        <source> vCard 4.0 Version</source>
        <translation> Versão vCard 4.0</translation>
    </message>
    <message>
        <source>Date order:</source>
        <translation>Ordem das datas:</translation>
    </message>
    <message>
        <source>How birthdays and anniversaries written as numbers are read</source>
        <translation>Como são lidos os aniversários e as datas comemorativas escritos como números</translation>
    </message>
    <message>
        <source>&amp;Import into:</source>
        <translation>&amp;Importar para:</translation>
    </message>
    <message>
        <source>Any address book</source>
        <translation>Qualquer catálogo de endereços</translation>
    </message>
    <message>
        <source>The address book the cards are written for: it decides the versions offered</source>
        <translation>O catálogo de endereços para o qual os cartões são gravados: ele determina as versões oferecidas</translation>
    </message>
    <message>
        <source>Format p&amp;hone numbers</source>
        <translation>&amp;Formatar telefones</translation>
    </message>
    <message>
        <source>Phone region</source>
        <translation>Região do telefone</translation>
    </message>
    <message>
        <source>The country of the numbers written without a country code</source>
        <translation>O país dos números escritos sem código do país</translation>
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
        <translation>Formato dos números de telefone</translation>
    </message>
    <message>
        <source>Number of Empty Email Contact(s)       :</source>
        <translation>Contatos sem e-mail  :</translation>
    </message>
    <message>
        <source>Number of Contacts Added                  :</source>
        <translation>Contatos adicionados :</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progresso da conversão</translation>
    </message>
    <message>
        <source>Saving Location :</source>
        <translation>Salvar em:</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>A&amp;lterar...</translation>
    </message>
    <message>
        <source>Card &amp;Preview</source>
        <translation>&amp;Visualização</translation>
    </message>
    <message>
        <source>Con&amp;tact:</source>
        <translation>Con&amp;tato:</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>Which contact the card preview shows, counted over the rows that are converted</source>
        <translation>Qual contato a visualização do cartão mostra, contando as linhas que são convertidas</translation>
    </message>
    <message>
        <source>Card preview</source>
        <translation>Visualização do cartão</translation>
    </message>
    <message>
        <source>Select an Excel file to see a contact&apos;s card here.</source>
        <translation>Selecione um arquivo do Excel para ver aqui o cartão de um contato.</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> de %1</translation>
    </message>
    <message>
        <source>(row %1)</source>
        <translation>(linha %1)</translation>
    </message>
    <message>
        <source>%1  ·  your contact list, ready for every address book</source>
        <translation>%1  ·  sua lista de contatos, pronta para qualquer agenda</translation>
    </message>
    <message>
        <source>A server takes each contact as a card of its own.</source>
        <translation>Um servidor recebe cada contato como um cartão separado.</translation>
    </message>
    <message>
        <source>%1 imports files only.</source>
        <translation>O %1 importa apenas arquivos.</translation>
    </message>
    <message>
        <source>Please choose the server with &quot;Server...&quot;.</source>
        <translation>Escolha o servidor em “Servidor...”.</translation>
    </message>
    <message>
        <source>No contact was sent.</source>
        <translation>Nenhum contato foi enviado.</translation>
    </message>
    <message>
        <source>The account&apos;s address books: %1.</source>
        <translation>Catálogos de endereços da conta: %1.</translation>
    </message>
    <message>
        <source>The contacts were sent to the address book &quot;%1&quot;.</source>
        <translation>Os contatos foram enviados para o catálogo de endereços “%1”.</translation>
    </message>
    <message>
        <source>%1 of %2 contacts could not be sent to the address book &quot;%3&quot;.</source>
        <translation>Não foi possível enviar %1 de %2 contatos para o catálogo de endereços “%3”.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added, %1 updated, %2 left unchanged.</source>
        <translation>
            <numerusform>Contatos adicionados: %n, atualizados: %1, inalterados: %2.</numerusform>
            <numerusform>Contatos adicionados: %n, atualizados: %1, inalterados: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) already in the address book were left as they were.</source>
        <translation>
            <numerusform>%n contato que já estava no catálogo de endereços foi mantido como estava.</numerusform>
            <numerusform>%n contatos que já estavam no catálogo de endereços foram mantidos como estavam.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: row %1, %2: %3</source>
        <translation>Não enviado: linha %1, %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... e mais %n.</numerusform>
            <numerusform>... e mais %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Send to:</source>
        <translation>&amp;Enviar para:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Address book on a server</source>
        <translation>Catálogo de endereços em um servidor</translation>
    </message>
    <message>
        <source>Files in a folder, or the contacts sent to an address book on a server</source>
        <translation>Arquivos em uma pasta ou os contatos enviados para um catálogo de endereços em um servidor</translation>
    </message>
    <message>
        <source>Se&amp;rver...</source>
        <translation>Se&amp;rvidor...</translation>
    </message>
    <message>
        <source>The server, the sign-in and the address book</source>
        <translation>O servidor, o login e o catálogo de endereços</translation>
    </message>
</context>
</TS>
