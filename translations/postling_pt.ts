<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/gui/app/AboutBox.cpp" line="+20"/>
        <source>About Postling</source>
        <translation>Sobre o Postling</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postling keeps your webmail close at hand: saved messages, address books, templates and inbox tools beside Roundcube, Yahoo! Mail and Hotmail.</source>
        <translation>O Postling mantém seu webmail à mão: mensagens salvas, catálogos de endereços, modelos e ferramentas para a caixa de entrada ao lado do Roundcube, do Yahoo! Mail e do Hotmail.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;System Info...</source>
        <translation>Informações do &amp;sistema...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
<context>
    <name>AddressBookSubsystem</name>
    <message>
        <location filename="../src/gui/addressbook/AddressBookSubsystem.cpp" line="+28"/>
        <source>&amp;New Address Book</source>
        <translation>&amp;Novo catálogo de endereços</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Address Book</source>
        <translation>&amp;Abrir catálogo de endereços</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Addresses</source>
        <translation>&amp;Importar endereços</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add New Address</source>
        <translation>&amp;Adicionar novo endereço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Address</source>
        <translation>E&amp;xcluir endereço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Address from &amp;Message</source>
        <translation>Adicionar endereço da &amp;mensagem</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Find Address...</source>
        <translation>&amp;Localizar endereço...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Expand Address Book for Editing</source>
        <translation>&amp;Expandir catálogo de endereços para edição</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide Address Book Pane</source>
        <translation>&amp;Ocultar painel do catálogo de endereços</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Show Address Book Pane</source>
        <translation>Mostrar painel do catálogo de endereços</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Address Book Pane</source>
        <translation>Ocultar painel do catálogo de endereços</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Open Address List</source>
        <translation>Abrir lista de endereços</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+134"/>
        <source>Address Book (*.csv);;Tab Delimited Text File (*.txt)</source>
        <translation>Catálogo de endereços (*.csv);;Arquivo de texto delimitado por tabulações (*.txt)</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>The address book could not be read.
%1
Nothing was changed.</source>
        <translation>Não foi possível ler o catálogo de endereços.
%1
Nada foi alterado.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Warning: Your address book does not appear to contain any email addresses.</source>
        <translation>Aviso: seu catálogo de endereços parece não conter nenhum endereço de e-mail.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The address book could not be saved.
%1
Your changes are still open: once the disk has room (or the folder can be written), try again.</source>
        <translation>Não foi possível salvar o catálogo de endereços.
%1
Suas alterações continuam abertas: quando houver espaço no disco (ou for possível gravar na pasta), tente novamente.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New Address Book</source>
        <translation>Novo catálogo de endereços</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Address Book Name:</source>
        <translation>Nome do catálogo de endereços:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An address book with this name already exists. Do you want to overwrite it?</source>
        <translation>Já existe um catálogo de endereços com este nome. Deseja substituí-lo?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete the selected addresses?</source>
        <translation>Excluir os endereços selecionados?</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Unable to locate address. Are you sure a message is displayed?</source>
        <translation>Não foi possível localizar o endereço. Tem certeza de que há uma mensagem exibida?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Addr Added</source>
        <translation>End. adicionado</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Import Address List</source>
        <translation>Importar lista de endereços</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The new data has been appended to the bottom of your address book.</source>
        <translation>Os novos dados foram acrescentados ao final do seu catálogo de endereços.</translation>
    </message>
</context>
<context>
    <name>AddressPane</name>
    <message>
        <location filename="../src/gui/addressbook/AddressPane.cpp" line="+24"/>
        <source>X</source>
        <extracomment>The small button that hides the address book pane.</extracomment>
        <translation>X</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Address book tools</source>
        <translation>Ferramentas do catálogo de endereços</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Address book</source>
        <translation>Catálogo de endereços</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The selected cell</source>
        <translation>A célula selecionada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hide Address Book Pane</source>
        <translation>Ocultar painel do catálogo de endereços</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>New Address Book</source>
        <translation>Novo catálogo de endereços</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Address Book/List</source>
        <translation>Abrir catálogo/lista de endereços</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add blank address</source>
        <translation>Adicionar endereço em branco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove address</source>
        <translation>Remover endereço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find in address book</source>
        <translation>Localizar no catálogo de endereços</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add address from current message</source>
        <translation>Adicionar endereço da mensagem atual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into To field</source>
        <translation>Inserir endereço no campo Para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Cc field</source>
        <translation>Inserir endereço no campo Cc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Bcc field</source>
        <translation>Inserir endereço no campo Bcc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expand Address Book</source>
        <translation>Expandir catálogo de endereços</translation>
    </message>
    <message>
        <location line="+61"/>
        <source> Address Book:  %1</source>
        <translation> Catálogo de endereços:  %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/gui/app/Artwork.cpp" line="+44"/>
        <source>your webmail companion</source>
        <translation>seu companheiro de webmail</translation>
    </message>
</context>
<context>
    <name>BrowsingSubsystem</name>
    <message>
        <location filename="../src/gui/browsing/BrowsingSubsystem.cpp" line="+33"/>
        <source>Go directly to &amp;inbox after login (bypass mail home page)</source>
        <translation>Ir direto para a cai&amp;xa de entrada após o login (ignorar a página inicial do e-mail)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Back</source>
        <translation>Voltar à página anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Forward</source>
        <translation>Avançar para a próxima página</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Postling Help</source>
        <translation>Ajuda do Postling</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>No calendar</source>
        <translation>Sem calendário</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has no calendar that Postling can show.</source>
        <translation>%1 não tem um calendário que o Postling possa exibir.</translation>
    </message>
</context>
<context>
    <name>ComposeFiller</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/ComposeFiller.cpp" line="+60"/>
        <source>The compose form did not come within %n seconds, so nothing was filled. Open the Compose tab, then try again.</source>
        <translation>
            <numerusform>O formulário de composição não apareceu em %n segundo, por isso nada foi preenchido. Abra a aba Escrever e tente novamente.</numerusform>
            <numerusform>O formulário de composição não apareceu em %n segundos, por isso nada foi preenchido. Abra a aba Escrever e tente novamente.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cc</source>
        <translation>Cc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bcc</source>
        <translation>Cco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subject</source>
        <translation>Assunto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message text</source>
        <translation>texto da mensagem</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No %1 field was found on this page</source>
        <translation>Nenhum campo «%1» foi encontrado nesta página</translation>
    </message>
</context>
<context>
    <name>ComposeSubsystem</name>
    <message>
        <location filename="../src/gui/compose/ComposeSubsystem.cpp" line="+33"/>
        <location line="+1"/>
        <source>&amp;Mail Merge...</source>
        <translation>Mala &amp;direta...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Email Address Palette...</source>
        <translation>Paleta de &amp;endereços de e-mail...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve Sent Messages</source>
        <translation>Salvar mensagens &amp;enviadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Email Address Palette on Startup</source>
        <translation>Mostrar a paleta de endereços de e-mail ao &amp;iniciar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Insert into &amp;To field</source>
        <translation>Inserir no campo &amp;Para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Cc field</source>
        <translation>Inserir no campo &amp;Cc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Bcc field</source>
        <translation>Inserir no campo &amp;Bcc</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>Unable to insert address. Are you sure the Compose screen is displayed in your browser?</source>
        <translation>Não foi possível inserir o endereço. Tem certeza de que a tela de composição está exibida no navegador?</translation>
    </message>
</context>
<context>
    <name>DefaultMailer</name>
    <message>
        <location filename="../src/gui/app/DefaultMailer.cpp" line="+52"/>
        <source>cannot create %1</source>
        <translation>não é possível criar %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Make Postling the program that opens e-mail links (mailto:) on this desktop?</source>
        <translation>Tornar o Postling o programa que abre os links de e-mail (mailto:) nesta área de trabalho?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Postling now opens e-mail links (mailto:).</source>
        <translation>Agora o Postling abre os links de e-mail (mailto:).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>xdg-mime was not found (it comes with the xdg-utils package).</source>
        <translation>O xdg-mime não foi encontrado (ele vem no pacote xdg-utils).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>xdg-mime said: %1</source>
        <translation>Resposta do xdg-mime: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postling could not be made the program for e-mail links. %1</source>
        <translation>Não foi possível tornar o Postling o programa para links de e-mail. %1</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../src/gui/app/Dialogs.h" line="+17"/>
        <source>Postling</source>
        <translation>Postling</translation>
    </message>
</context>
<context>
    <name>EmailPalette</name>
    <message>
        <location filename="../src/gui/compose/EmailPalette.cpp" line="+11"/>
        <source>Email Addresses</source>
        <translation>Endereços de e-mail</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <location filename="../src/core/fs/AtomicFile.cpp" line="+48"/>
        <source>%1: %2</source>
        <extracomment>A file and why it could not be read or written (&quot;the disk is full&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder or file is read-only (no permission to write)</source>
        <translation>a pasta ou o arquivo é somente leitura (sem permissão de gravação)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not there any more (moved or deleted)</source>
        <translation>ele não está mais lá (foi movido ou excluído)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of that name is in the way</source>
        <translation>há uma pasta com esse nome no caminho</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a file of that name is already there</source>
        <translation>já existe um arquivo com esse nome</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the name is too long</source>
        <translation>o nome é longo demais</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk reported an error</source>
        <translation>o disco relatou um erro</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+22"/>
        <source>Find Address</source>
        <translation>Localizar endereço</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find:</source>
        <translation>Localizar:</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/app/HelpWindow.cpp" line="+14"/>
        <source>Postling Help</source>
        <translation>Ajuda do Postling</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The help file %1 was not found.</source>
        <translation>O arquivo de ajuda %1 não foi encontrado.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+38"/>
        <source>Move Selected Column to Postion:</source>
        <translation>Mover a coluna selecionada para a posição:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish Import</source>
        <translation>Concluir importação</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Data</source>
        <translation>Importar dados</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>first name</source>
        <translation>nome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last name</source>
        <translation>sobrenome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 from &quot;%2&quot;</source>
        <extracomment>A column of the book filled from a column of the file: first name from &quot;Vorname&quot;.</extracomment>
        <translation>%1 de &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proposed: %1.</source>
        <translation>Proposta: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Line up Columns</source>
        <translation>Alinhar colunas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Before clicking the Finish Import button, you must insure that the fields (columns) line up properly. Use the controls below to  move columns in the data file you are importing. It is NOT necessary to line up columns which are completely blank or which contain information you don&apos;t care about.</source>
        <translation>Antes de clicar no botão Concluir importação, verifique se os campos (colunas) estão alinhados corretamente. Use os controles abaixo para mover as colunas no arquivo de dados que você está importando. NÃO é necessário alinhar colunas que estejam completamente em branco ou que contenham informações que não lhe interessam.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Data being Imported:</source>
        <translation>Dados a importar:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import To (The data being imported must line up with these colums):</source>
        <translation>Importar para (os dados importados devem ficar alinhados com estas colunas):</translation>
    </message>
</context>
<context>
    <name>InboxSubsystem</name>
    <message>
        <location filename="../src/gui/inbox/InboxSubsystem.cpp" line="+25"/>
        <source>Inbox Management</source>
        <translation>Gerenciamento da caixa de entrada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inbox Management/Spam Settings</source>
        <translation>Gerenciamento da caixa de entrada/Configurações de spam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks only un&amp;read messages</source>
        <translation>&quot;Marcar spam&quot; marca s&amp;omente mensagens não lidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks messa&amp;ges with multiple non-English characters</source>
        <translation>&quot;Marcar spam&quot; marca mensagens com vários caracteres não in&amp;gleses</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit Spam &amp;Keywords</source>
        <translation>Editar pala&amp;vras-chave de spam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check S&amp;pam</source>
        <translation>Marcar s&amp;pam</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Unread</source>
        <translation>Marcar não &amp;lidas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Check Spam Messages</source>
        <translation>Marcar mensagens de s&amp;pam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;heck Unread Messages</source>
        <translation>Marcar mensagens &amp;não lidas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Group of Messages</source>
        <translation>Marcar &amp;grupo de mensagens</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Uncheck All Messages</source>
        <translation>Des&amp;marcar todas as mensagens</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Unread Messages</source>
        <translation>Todas as mensagens não lidas</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>First %n Unread Messages</source>
        <translation>
            <numerusform>%n primeira mensagem não lida</numerusform>
            <numerusform>%n primeiras mensagens não lidas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;Check Unread&quot; checks:</source>
        <translation>&quot;Marcar não lidas&quot; marca:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>a list of spam keywords</source>
        <translation>uma lista de palavras-chave de spam</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No message list with check boxes was found on this page</source>
        <translation>Nenhuma lista de mensagens com caixas de seleção encontrada nesta página</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>Ticked %n: %1 by keyword, %2 non-English</source>
        <translation>
            <numerusform>%n marcada: %1 por palavra-chave, %2 com caracteres não ingleses</numerusform>
            <numerusform>%n marcadas: %1 por palavra-chave, %2 com caracteres não ingleses</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Check Unread: unread</source>
        <extracomment>Why Check Unread ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Marcar não lidas: não lida</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n unread</source>
        <translation>
            <numerusform>%n não lida marcada</numerusform>
            <numerusform>%n não lidas marcadas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check Group: between ticked messages</source>
        <translation>Marcar grupo: entre mensagens marcadas</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n between ticked messages</source>
        <translation>
            <numerusform>%n marcada entre mensagens marcadas</numerusform>
            <numerusform>%n marcadas entre mensagens marcadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Unticked %n</source>
        <translation>
            <numerusform>%n desmarcada</numerusform>
            <numerusform>%n desmarcadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InboxTools</name>
    <message>
        <location filename="../src/core/inbox/InboxTools.cpp" line="+96"/>
        <source>Check Spam: keyword &apos;%1&apos;</source>
        <extracomment>Why Check Spam ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Marcar spam: palavra-chave &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Spam: %1 non-English letters</source>
        <translation>Marcar spam: %1 letras não inglesas</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../src/core/app/IniFile.cpp" line="+102"/>
        <source>a setting&apos;s value cannot hold a line break or NUL</source>
        <translation>o valor de uma configuração não pode conter quebra de linha nem NUL</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed section name</source>
        <translation>nome de seção malformado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed key</source>
        <translation>chave malformada</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>no settings file</source>
        <translation>nenhum arquivo de configurações</translation>
    </message>
</context>
<context>
    <name>MailMerge</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/MailMerge.cpp" line="+35"/>
        <source>Waiting for the site (message %1); the run stops if it has not answered in %n seconds…</source>
        <translation>
            <numerusform>Aguardando o site (mensagem %1); o envio será interrompido se ele não responder em %n segundo…</numerusform>
            <numerusform>Aguardando o site (mensagem %1); o envio será interrompido se ele não responder em %n segundos…</numerusform>
        </translation>
    </message>
    <message>
        <location line="+121"/>
        <source>The message has no text. Write it in the compose form, or use a template, then start the merge.</source>
        <translation>A mensagem não tem texto. Escreva-a no formulário de composição ou use um modelo e depois inicie a mala direta.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The merge log could not be written, so nothing was sent.
%1</source>
        <translation>Não foi possível gravar o registro da mala direta, por isso nada foi enviado.
%1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Stopping once message %1 has been accepted; press Stop again not to wait.</source>
        <translation>Parando assim que a mensagem %1 for aceita; clique em Parar de novo para não esperar.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 of %2 sent, %3 left</source>
        <translation>%1 de %2 enviadas, faltam %3</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../src/gui/app/MainForm.cpp" line="+102"/>
        <source>Inbox/Login</source>
        <translation>Caixa de entrada/Login</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+67"/>
        <source>Compose</source>
        <translation>Escrever</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Saved Message Folders (local)</source>
        <translation>Pastas de mensagens salvas (locais)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Address </source>
        <translation> Endereço </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Messages Locally</source>
        <translation>Salvar mensagens localmente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder:</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Set Postling as your &amp;Default E-mail Program (for mailto links)</source>
        <translation>Definir o Pos&amp;tling como seu programa de e-mail padrão (para links mailto)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Default Email Template:</source>
        <translation>Modelo de e-mail padrão:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Default Folder for Saving Messages:</source>
        <translation>Pasta padrão para salvar mensagens:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Address Book</source>
        <translation>&amp;Catálogo de endereços</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents...</source>
        <translation>&amp;Conteúdo...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About Postling...</source>
        <translation>&amp;Sobre o Postling...</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close Postling anyway? The changes to the address book will be lost.</source>
        <translation>Fechar o Postling mesmo assim? As alterações no catálogo de endereços serão perdidas.</translation>
    </message>
    <message>
        <location filename="../src/gui/app/MainForm.h" line="+52"/>
        <source>Postling</source>
        <translation>Postling</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gui/app/MainFormLifecycle.cpp" line="+121"/>
        <source>%n interrupted write(s) removed</source>
        <translation>
            <numerusform>%n gravação interrompida removida</numerusform>
            <numerusform>%n gravações interrompidas removidas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a mail merge to resume (Mail Merge, Start)</source>
        <translation>uma mala direta a retomar (Mala direta, Iniciar)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recovered: %1</source>
        <translation>Recuperado: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not read: %1</source>
        <translation>Não lido: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>More tools</source>
        <translation>Mais ferramentas</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Postling could not save its settings or spam keywords; the files keep what they held before.
%1</source>
        <translation>O Postling não conseguiu salvar as configurações ou as palavras-chave de spam; os arquivos mantêm o conteúdo anterior.
%1</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <location filename="../src/core/compose/Merge.cpp" line="+104"/>
        <source>%1 s</source>
        <extracomment>A duration in seconds: what is left of a mail merge.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 min %2 s</source>
        <extracomment>A duration in minutes and seconds: what is left of a mail merge.</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
</context>
<context>
    <name>MergeDialog</name>
    <message>
        <location filename="../src/gui/compose/MergeDialog.cpp" line="+32"/>
        <source>All addresses in your address book</source>
        <translation>Todos os endereços do seu catálogo de endereços</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the selected addresses</source>
        <translation>Somente os endereços selecionados</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+158"/>
        <source>Test</source>
        <translation>Testar</translation>
    </message>
    <message>
        <location line="-157"/>
        <source>Stop Test</source>
        <translation>Parar teste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Log</source>
        <translation>Ocultar registro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show Log</source>
        <translation>Mostrar registro</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location line="+111"/>
        <location line="+7"/>
        <source>Emails Sent: %n</source>
        <translation>
            <numerusform>E-mails enviados: %n</numerusform>
            <numerusform>E-mails enviados: %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview...</source>
        <translation>Visualizar...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mail Merge</source>
        <translation>Mala direta</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mail Merge lets you send personalized email to a list of people. You must enter the body of your email message into the Compose form. You can use &quot;Merge  Fields&quot; to insert personalized information such as names from your address book.</source>
        <translation>A mala direta permite enviar e-mails personalizados para uma lista de pessoas. Digite o corpo da mensagem no formulário de composição. Você pode usar &quot;campos de mesclagem&quot; para inserir informações personalizadas, como os nomes do seu catálogo de endereços.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For detailed instructions on how to use this feature, please  click the Help button.</source>
        <translation>Para obter instruções detalhadas sobre como usar este recurso, clique no botão Ajuda.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Merge Settings</source>
        <translation>Configurações da mala direta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Mail To:</source>
        <translation>Enviar e-mail para:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause between messages:</source>
        <translation>Pausa entre mensagens:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> s</source>
        <extracomment>Seconds, after the pause&apos;s number.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The test feature will create one email based on the first address in your list and will display it in the Compose form. The email will not be sent. After checking the test email to make sure it is correct, click the Stop Test button go return to your original email template.</source>
        <translation>O recurso de teste cria um e-mail com base no primeiro endereço da sua lista e o exibe no formulário de composição. O e-mail não é enviado. Depois de verificar se o e-mail de teste está correto, clique no botão Parar teste para voltar ao seu modelo de e-mail original.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Start Merge: Press Start to begin sending</source>
        <translation>Iniciar a mala direta: clique em Iniciar para começar o envio</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>row %1, %2: %3</source>
        <translation>linha %1, %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not sent to %1: %2</source>
        <translation>Não enviada para %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n sent. The site did not send these:
%1
Start again to send just them once they are put right.</source>
        <translation>
            <numerusform>%n enviada. O site não enviou estas:
%1
Depois de corrigi-las, clique em Iniciar novamente para enviar somente elas.</numerusform>
            <numerusform>%n enviadas. O site não enviou estas:
%1
Depois de corrigi-las, clique em Iniciar novamente para enviar somente elas.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Emails have been sent to:</source>
        <translation>E-mails enviados para:</translation>
    </message>
</context>
<context>
    <name>MergePreview</name>
    <message>
        <location filename="../src/gui/compose/MergePreview.cpp" line="+16"/>
        <source>skipped: no address</source>
        <translation>ignorada: sem endereço</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: sent by an earlier run</source>
        <translation>ignorada: enviada por um envio anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: was being sent when a run stopped</source>
        <translation>ignorada: estava sendo enviada quando um envio foi interrompido</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Merge Preview</source>
        <translation>Visualização da mala direta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Row</source>
        <translation>Linha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subject</source>
        <translation>Assunto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the body</source>
        <translation>Início do corpo</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 of %n rows will be sent.</source>
        <translation>
            <numerusform>Linhas a enviar: %1 de %n.</numerusform>
            <numerusform>Linhas a enviar: %1 de %n.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 matches no column and is sent as it is written.</source>
        <translation>%1 não corresponde a nenhuma coluna e é enviado como está escrito.</translation>
    </message>
</context>
<context>
    <name>MergeTexts</name>
    <message>
        <location filename="../src/gui/compose/MergeTexts.cpp" line="+21"/>
        <source>Unable to send message. Are you sure the compose form is displayed? Mail Merge works only in plain test mode. You cannot use the Rich Text/HTML compose form.</source>
        <translation>Não foi possível enviar a mensagem. Tem certeza de que o formulário de composição está exibido? A mala direta funciona apenas no modo de texto simples. Não é possível usar o formulário de composição em texto formatado/HTML.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The run has stopped; press Stop, and Start again later to send the rest. %1 lists what was sent.</source>
        <translation>O envio foi interrompido; clique em Parar e, mais tarde, em Iniciar novamente para enviar o restante. %1 lista o que foi enviado.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The site did not accept the message to %1.</source>
        <translation>O site não aceitou a mensagem para %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not accept the message to %1 (row %2).</source>
        <translation>O site não aceitou a mensagem para %1 (linha %2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The site showed another page instead of its compose form.</source>
        <translation>O site exibiu outra página em vez do formulário de composição.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site showed another page instead of its compose form: perhaps you were signed out. Sign in again first.</source>
        <translation>O site exibiu outra página em vez do formulário de composição: talvez sua sessão tenha sido encerrada. Faça login novamente primeiro.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No answer about the message to %1.</source>
        <translation>Sem resposta sobre a mensagem para %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds about the message to %2 (row %3). It may have been sent, so it will not be sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>O site não respondeu em %1 segundos sobre a mensagem para %2 (linha %3). Ela pode ter sido enviada, por isso não será enviada novamente: procure-a na pasta Enviados do site.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The site did not answer.</source>
        <translation>O site não respondeu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds.</source>
        <translation>O site não respondeu em %1 segundos.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge log could not be written.</source>
        <translation>Não foi possível gravar o registro da mala direta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The merge log could not be written, so the run has stopped before its next message.
%1
Press Stop; once the log can be written, Start again to send the rest.</source>
        <translation>Não foi possível gravar o registro da mala direta, por isso o envio foi interrompido antes da próxima mensagem.
%1
Clique em Parar; quando for possível gravar o registro, clique em Iniciar novamente para enviar o restante.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>The site could not be reached.</source>
        <translation>Não foi possível acessar o site.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>The last run of this message over this address book did not finish: %n of its messages were sent.</source>
        <translation>
            <numerusform>O último envio desta mensagem para este catálogo de endereços não terminou: %n mensagem foi enviada.</numerusform>
            <numerusform>O último envio desta mensagem para este catálogo de endereços não terminou: %n mensagens foram enviadas.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was being sent when the run stopped. It is not sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>A linha %1 (%2) estava sendo enviada quando o envio foi interrompido. Ela não será enviada novamente: procure-a na pasta Enviados do site.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was refused: %3</source>
        <translation>A linha %1 (%2) foi recusada: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skip the rows already sent and send only the rest? (No sends every row again; Cancel sends nothing.)</source>
        <translation>Ignorar as linhas já enviadas e enviar somente o restante? (Não envia todas as linhas novamente; Cancelar não envia nada.)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The merge cannot start: no %1 field was found on this page.</source>
        <translation>A mala direta não pode começar: nenhum campo «%1» foi encontrado nesta página.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The merge cannot start: no Send button was found on this page.</source>
        <translation>A mala direta não pode começar: nenhum botão de envio foi encontrado nesta página.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge cannot start: this page has no place where the site says whether a message was sent, so Postling could not tell which messages went.</source>
        <translation>A mala direta não pode começar: esta página não tem nenhum lugar onde o site diga se uma mensagem foi enviada, por isso o Postling não poderia saber que mensagens saíram.</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>Send %n messages, one to each address of the chosen rows?</source>
        <translation>
            <numerusform>Enviar %n mensagem, uma para cada endereço das linhas escolhidas?</numerusform>
            <numerusform>Enviar %n mensagens, uma para cada endereço das linhas escolhidas?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MessageListModel</name>
    <message>
        <location filename="../src/gui/store/MessageListModel.cpp" line="+84"/>
        <source>Sent To</source>
        <translation>Enviada para</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Subject</source>
        <translation>Assunto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <location filename="../src/gui/app/NameDialog.cpp" line="+12"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PaneFrame</name>
    <message>
        <location filename="../src/gui/addressbook/PaneFrame.cpp" line="+43"/>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show Email Address Palette</source>
        <translation>Mostrar paleta de endereços de e-mail</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show Address Book Panel</source>
        <translation>Mostrar painel do catálogo de endereços</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Contract Address Book</source>
        <translation>Recolher catálogo de endereços</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Expand Address Book</source>
        <translation>Expandir catálogo de endereços</translation>
    </message>
</context>
<context>
    <name>SavedMessagesPanel</name>
    <message>
        <location filename="../src/gui/store/SavedMessagesPanel.cpp" line="+35"/>
        <source>N&amp;ew Folder...</source>
        <translation>Nova pas&amp;ta...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mana&amp;ge Folders...</source>
        <translation>&amp;Gerenciar pastas...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Reply (with original text)</source>
        <translation>&amp;Responder (com o texto original)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reply (&amp;blank)</source>
        <translation>Responder (em &amp;branco)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For&amp;ward</source>
        <translation>Encam&amp;inhar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send &amp;Again</source>
        <translation>En&amp;viar novamente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move t&amp;o:</source>
        <translation>M&amp;over para:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>  Folders</source>
        <translation>  Pastas</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search every folder: sender, recipient, subject, text</source>
        <translation>Pesquisar em todas as pastas: remetente, destinatário, assunto, texto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saved messages</source>
        <translation>Mensagens salvas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder to move the message to</source>
        <translation>Pasta para onde mover a mensagem</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>This file (%1 MB) is too large to show here. It is kept as it is in %2.</source>
        <translation>Este arquivo (%1 MB) é grande demais para ser exibido aqui. Ele é mantido como está em %2.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>The message could not be deleted.
%1</source>
        <translation>Não foi possível excluir a mensagem.
%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You must select the folder you want to move the file to.</source>
        <translation>Você deve selecionar a pasta para a qual deseja mover o arquivo.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There was an error in attempting to move this file.
%1</source>
        <translation>Ocorreu um erro ao tentar mover este arquivo.
%1</translation>
    </message>
</context>
<context>
    <name>SentCopies</name>
    <message>
        <location filename="../src/gui/compose/SentCopies.cpp" line="+75"/>
        <source>The site did not confirm the message was sent, so no Sent copy was kept.</source>
        <translation>O site não confirmou que a mensagem foi enviada, por isso nenhuma cópia foi guardada em Sent.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The site did not send the message (%1), so no Sent copy was kept.</source>
        <translation>O site não enviou a mensagem (%1), por isso nenhuma cópia foi guardada em Sent.</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <location filename="../src/gui/app/SettingsPanel.cpp" line="+9"/>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
</context>
<context>
    <name>StartPages</name>
    <message>
        <location filename="../src/gui/sites/StartPages.cpp" line="+18"/>
        <source>Start Page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Yahoo Mail:</source>
        <translation>&amp;Yahoo Mail:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yahoo! Mail</source>
        <translation>Yahoo! Mail</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Yahoo Mail</source>
        <translation>Ir para o Yahoo Mail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MSN H&amp;otmail</source>
        <translation>MSN &amp;Hotmail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotmail</source>
        <translation>Hotmail</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Hotmail</source>
        <translation>Ir para o Hotmail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round&amp;cube:</source>
        <translation>&amp;Roundcube:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Roundcube</source>
        <translation>Roundcube</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to your Roundcube</source>
        <translation>Ir para o seu Roundcube</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other &amp;webmail:</source>
        <translation>Outro &amp;webmail:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other webmail</source>
        <translation>Outro webmail</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to your other webmail</source>
        <translation>Ir para o seu outro webmail</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 start page</source>
        <translation>Página inicial do %1</translation>
    </message>
</context>
<context>
    <name>StoreSubsystem</name>
    <message>
        <location filename="../src/gui/store/StoreSubsystem.cpp" line="+32"/>
        <source>Unable to read message. Are you sure a message is displayed?</source>
        <translation>Não foi possível ler a mensagem. Tem certeza de que há uma mensagem exibida?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Save Msg &lt;&lt;</source>
        <translation>&amp;Salvar msg &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message Saved</source>
        <translation>Mensagem salva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Current Message</source>
        <translation>&amp;Salvar mensagem atual</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+162"/>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <location line="-149"/>
        <location line="+143"/>
        <source>Save to: %1</source>
        <translation>Salvar em: %1</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>You must select a folder to save the message to</source>
        <translation>Você deve selecionar uma pasta para salvar a mensagem</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The site did not send the message&apos;s text, so nothing was saved. Is the site reachable? Try again once it is.</source>
        <translation>O site não enviou o texto da mensagem, por isso nada foi salvo. O site está acessível? Tente novamente quando estiver.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+21"/>
        <source>No From or Subject was found on this page</source>
        <translation>Nenhum remetente (De) nem assunto encontrado nesta página</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>No From was found on this page</source>
        <translation>Nenhum remetente (De) encontrado nesta página</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No Subject was found on this page</source>
        <translation>Nenhum assunto encontrado nesta página</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You cannot save incoming messages to the Sent Messages Folder.</source>
        <translation>Não é possível salvar mensagens recebidas na pasta de mensagens enviadas (Sent).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sent message could not be kept: %1</source>
        <translation>Não foi possível manter uma cópia da mensagem enviada: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The message could not be saved.
%1</source>
        <translation>Não foi possível salvar a mensagem.
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg not saved</source>
        <translation>Msg não salva</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Msg Saved</source>
        <translation>Msg salva</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Folder Name:</source>
        <translation>Nome da pasta:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to create directory. Please check to make sure you have entered a valid directory name.</source>
        <translation>Não foi possível criar a pasta. Verifique se você digitou um nome de pasta válido.</translation>
    </message>
</context>
<context>
    <name>Template</name>
    <message>
        <location filename="../src/core/compose/Template.cpp" line="+68"/>
        <source>a template&apos;s name cannot hold &quot;/&quot;</source>
        <translation>o nome de um modelo não pode conter &quot;/&quot;</translation>
    </message>
</context>
<context>
    <name>TemplateCommands</name>
    <message>
        <location filename="../src/gui/compose/TemplateCommands.cpp" line="+20"/>
        <source>Use Temp&amp;late &gt;&gt;</source>
        <translation>Usar &amp;modelo &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New/Edit...</source>
        <translation>&amp;Novo/Editar...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Insert/Edit Email Template...</source>
        <translation>&amp;Inserir/editar modelo de e-mail...</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>You must select a template.</source>
        <translation>Você deve selecionar um modelo.</translation>
    </message>
</context>
<context>
    <name>TemplateDialog</name>
    <message>
        <location filename="../src/gui/compose/TemplateDialog.cpp" line="+22"/>
        <source>Do you want to save your changes to this email template?</source>
        <translation>Deseja salvar as alterações neste modelo de e-mail?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert to Form &gt;&gt;</source>
        <translation>Inserir no formulário &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Capture from Form &lt;&lt;</source>
        <translation>Capturar do formulário &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for the compose form to load… Close this window to stop waiting.</source>
        <translation>Aguardando o carregamento do formulário de composição… Feche esta janela para parar de esperar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Email Template</source>
        <translation>Modelo de e-mail</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Template name</source>
        <translation>Nome do modelo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Template</source>
        <translation>Abrir modelo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject:</source>
        <translation>Assunto:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Body:</source>
        <translation>Corpo:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Capture From or Insert to Compose Form</source>
        <translation>Capturar do formulário de composição ou inserir nele</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The email template could not be read from %1.</source>
        <translation>Não foi possível ler o modelo de e-mail de %1.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>You must give the email template a name.</source>
        <translation>Você deve dar um nome ao modelo de e-mail.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must specify a subject.</source>
        <translation>Você deve informar um assunto.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must enter some body text.</source>
        <translation>Você deve digitar algum texto no corpo.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The email template could not be saved.
%1</source>
        <translation>Não foi possível salvar o modelo de e-mail.
%1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <location filename="../src/core/addressbook/AddressBook.cpp" line="+38"/>
        <source>an address book</source>
        <translation>um catálogo de endereços</translation>
    </message>
    <message>
        <location filename="../src/core/text/Strings.cpp" line="+96"/>
        <source>it is too large (%1 MB) for %2</source>
        <extracomment>%2 is what the file was to be: &quot;an address book&quot;.</extracomment>
        <translation>é grande demais (%1 MB) para %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+5"/>
        <source>it holds binary data, not text</source>
        <translation>contém dados binários, não texto</translation>
    </message>
</context>
<context>
    <name>WaitOverlay</name>
    <message>
        <location filename="../src/gui/app/WaitOverlay.cpp" line="+7"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
</context>
<context>
    <name>WebBrowser</name>
    <message>
        <location filename="../src/gui/browser/WebBrowser.cpp" line="+18"/>
        <source>Opening page %1...</source>
        <translation>Abrindo a página %1...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <location filename="../src/gui/sites/WelcomeDialog.cpp" line="+16"/>
        <source>&amp;Yahoo Mail</source>
        <translation>&amp;Yahoo Mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;MSN Hotmail</source>
        <translation>&amp;MSN Hotmail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Roundcube:</source>
        <translation>&amp;Roundcube:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Other webmail:</source>
        <translation>&amp;Outro webmail:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Welcome!</source>
        <translation>Bem-vindo!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Roundcube address</source>
        <translation>Endereço do Roundcube</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Other webmail address</source>
        <translation>Endereço do outro webmail</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Welcome to Postling!</source>
        <translation>Bem-vindo ao Postling!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please indicate whether you would prefer to begin at Yahoo! Mail, Hotmail, your own Roundcube or another webmail when you first start Postling.</source>
        <translation>Indique se prefere começar pelo Yahoo! Mail, pelo Hotmail, pelo seu próprio Roundcube ou por outro webmail ao iniciar o Postling pela primeira vez.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select your Start Page</source>
        <translation>Selecione sua página inicial</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Just choose the mail provider you use most often. You can still easily access the others from the toolbar or change the default in the settings tab.</source>
        <translation>Basta escolher o provedor de e-mail que você usa com mais frequência. Você ainda pode acessar facilmente os outros pela barra de ferramentas ou alterar o padrão na aba Configurações.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
