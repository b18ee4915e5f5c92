<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/gui/app/AboutBox.cpp" line="+20"/>
        <source>About Postling</source>
        <translation>Acerca de Postling</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postling keeps your webmail close at hand: saved messages, address books, templates and inbox tools beside Roundcube, Yahoo! Mail and Hotmail.</source>
        <translation>Postling mantiene su correo web al alcance de la mano: mensajes guardados, libretas de direcciones, plantillas y herramientas para la bandeja de entrada junto a Roundcube, Yahoo! Mail y Hotmail.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Información del sistema...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>AddressBookSubsystem</name>
    <message>
        <location filename="../src/gui/addressbook/AddressBookSubsystem.cpp" line="+28"/>
        <source>&amp;New Address Book</source>
        <translation>&amp;Nueva libreta de direcciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Address Book</source>
        <translation>A&amp;brir libreta de direcciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Addresses</source>
        <translation>&amp;Importar direcciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add New Address</source>
        <translation>&amp;Añadir dirección nueva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Address</source>
        <translation>&amp;Eliminar dirección</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Address from &amp;Message</source>
        <translation>Añadir dirección desde el &amp;mensaje</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Find Address...</source>
        <translation>Bu&amp;scar dirección...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Expand Address Book for Editing</source>
        <translation>E&amp;xpandir la libreta de direcciones para editarla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide Address Book Pane</source>
        <translation>&amp;Ocultar el panel de la libreta de direcciones</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Show Address Book Pane</source>
        <translation>Mostrar el panel de la libreta de direcciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Address Book Pane</source>
        <translation>Ocultar el panel de la libreta de direcciones</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Open Address List</source>
        <translation>Abrir lista de direcciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+134"/>
        <source>Address Book (*.csv);;Tab Delimited Text File (*.txt)</source>
        <translation>Libreta de direcciones (*.csv);;Archivo de texto delimitado por tabulaciones (*.txt)</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>The address book could not be read.
%1
Nothing was changed.</source>
        <translation>No se pudo leer la libreta de direcciones.
%1
No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Warning: Your address book does not appear to contain any email addresses.</source>
        <translation>Advertencia: parece que su libreta de direcciones no contiene ninguna dirección de correo electrónico.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The address book could not be saved.
%1
Your changes are still open: once the disk has room (or the folder can be written), try again.</source>
        <translation>No se pudo guardar la libreta de direcciones.
%1
Sus cambios siguen abiertos: cuando haya espacio en el disco (o se pueda escribir en la carpeta), vuelva a intentarlo.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New Address Book</source>
        <translation>Nueva libreta de direcciones</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Address Book Name:</source>
        <translation>Nombre de la libreta de direcciones:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An address book with this name already exists. Do you want to overwrite it?</source>
        <translation>Ya existe una libreta de direcciones con este nombre. ¿Desea sobrescribirla?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete the selected addresses?</source>
        <translation>¿Eliminar las direcciones seleccionadas?</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Unable to locate address. Are you sure a message is displayed?</source>
        <translation>No se pudo localizar la dirección. ¿Está seguro de que se muestra un mensaje?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Addr Added</source>
        <translation>Dirección añadida</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Import Address List</source>
        <translation>Importar lista de direcciones</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The new data has been appended to the bottom of your address book.</source>
        <translation>Los datos nuevos se han añadido al final de su libreta de direcciones.</translation>
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
        <translation>Herramientas de la libreta de direcciones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Address book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The selected cell</source>
        <translation>La celda seleccionada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hide Address Book Pane</source>
        <translation>Ocultar el panel de la libreta de direcciones</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>New Address Book</source>
        <translation>Nueva libreta de direcciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Address Book/List</source>
        <translation>Abrir libreta/lista de direcciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add blank address</source>
        <translation>Añadir dirección en blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove address</source>
        <translation>Quitar dirección</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find in address book</source>
        <translation>Buscar en la libreta de direcciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add address from current message</source>
        <translation>Añadir dirección del mensaje actual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into To field</source>
        <translation>Insertar dirección en el campo Para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Cc field</source>
        <translation>Insertar dirección en el campo Cc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Bcc field</source>
        <translation>Insertar dirección en el campo Bcc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expand Address Book</source>
        <translation>Expandir la libreta de direcciones</translation>
    </message>
    <message>
        <location line="+61"/>
        <source> Address Book:  %1</source>
        <translation> Libreta de direcciones:  %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/gui/app/Artwork.cpp" line="+44"/>
        <source>your webmail companion</source>
        <translation>su compañero para el correo web</translation>
    </message>
</context>
<context>
    <name>BrowsingSubsystem</name>
    <message>
        <location filename="../src/gui/browsing/BrowsingSubsystem.cpp" line="+33"/>
        <source>Go directly to &amp;inbox after login (bypass mail home page)</source>
        <translation>&amp;Ir directamente a la bandeja de entrada tras iniciar sesión (sin pasar por la página principal del correo)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Back</source>
        <translation>Ir atrás</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Forward</source>
        <translation>Ir adelante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Postling Help</source>
        <translation>Ayuda de Postling</translation>
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
        <translation>Dirección</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>No calendar</source>
        <translation>Sin calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has no calendar that Postling can show.</source>
        <translation>%1 no tiene ningún calendario que Postling pueda mostrar.</translation>
    </message>
</context>
<context>
    <name>ComposeFiller</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/ComposeFiller.cpp" line="+60"/>
        <source>The compose form did not come within %n seconds, so nothing was filled. Open the Compose tab, then try again.</source>
        <translation>
            <numerusform>El formulario de redacción no apareció en %n segundo, así que no se rellenó nada. Abra la pestaña Redactar y vuelva a intentarlo.</numerusform>
            <numerusform>El formulario de redacción no apareció en %n segundos, así que no se rellenó nada. Abra la pestaña Redactar y vuelva a intentarlo.</numerusform>
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
        <translation>CC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bcc</source>
        <translation>CCO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message text</source>
        <translation>texto del mensaje</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No %1 field was found on this page</source>
        <translation>No se encontró ningún campo «%1» en esta página</translation>
    </message>
</context>
<context>
    <name>ComposeSubsystem</name>
    <message>
        <location filename="../src/gui/compose/ComposeSubsystem.cpp" line="+33"/>
        <location line="+1"/>
        <source>&amp;Mail Merge...</source>
        <translation>&amp;Combinar correspondencia...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Email Address Palette...</source>
        <translation>&amp;Paleta de direcciones de correo...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve Sent Messages</source>
        <translation>Guardar mensa&amp;jes enviados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Email Address Palette on Startup</source>
        <translation>Mo&amp;strar la paleta de direcciones de correo al iniciar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Insert into &amp;To field</source>
        <translation>Insertar en el campo &amp;Para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Cc field</source>
        <translation>Insertar en el campo &amp;Cc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Bcc field</source>
        <translation>Insertar en el campo &amp;Bcc</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>Unable to insert address. Are you sure the Compose screen is displayed in your browser?</source>
        <translation>No se pudo insertar la dirección. ¿Está seguro de que la pantalla Redactar se muestra en el navegador?</translation>
    </message>
</context>
<context>
    <name>DefaultMailer</name>
    <message>
        <location filename="../src/gui/app/DefaultMailer.cpp" line="+52"/>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Make Postling the program that opens e-mail links (mailto:) on this desktop?</source>
        <translation>¿Convertir Postling en el programa que abre los enlaces de correo electrónico (mailto:) en este escritorio?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Postling now opens e-mail links (mailto:).</source>
        <translation>Postling abre ahora los enlaces de correo electrónico (mailto:).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>xdg-mime was not found (it comes with the xdg-utils package).</source>
        <translation>No se encontró xdg-mime (viene con el paquete xdg-utils).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>xdg-mime said: %1</source>
        <translation>xdg-mime respondió: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postling could not be made the program for e-mail links. %1</source>
        <translation>No se pudo convertir Postling en el programa para los enlaces de correo electrónico. %1</translation>
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
        <translation>Direcciones de correo</translation>
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
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder or file is read-only (no permission to write)</source>
        <translation>la carpeta o el archivo es de solo lectura (no hay permiso de escritura)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not there any more (moved or deleted)</source>
        <translation>ya no está ahí (se ha movido o eliminado)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of that name is in the way</source>
        <translation>hay una carpeta con ese nombre que lo impide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a file of that name is already there</source>
        <translation>ya existe un archivo con ese nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk reported an error</source>
        <translation>el disco informó de un error</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+22"/>
        <source>Find Address</source>
        <translation>Buscar dirección</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/app/HelpWindow.cpp" line="+14"/>
        <source>Postling Help</source>
        <translation>Ayuda de Postling</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The help file %1 was not found.</source>
        <translation>No se encontró el archivo de ayuda %1.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+38"/>
        <source>Move Selected Column to Postion:</source>
        <translation>Mover la columna seleccionada a la posición:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish Import</source>
        <translation>Finalizar importación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Data</source>
        <translation>Importar datos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>first name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last name</source>
        <translation>apellidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e-mail</source>
        <translation>correo electrónico</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 from &quot;%2&quot;</source>
        <extracomment>A column of the book filled from a column of the file: first name from &quot;Vorname&quot;.</extracomment>
        <translation>%1 a partir de &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proposed: %1.</source>
        <translation>Propuesta: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Line up Columns</source>
        <translation>Alinear columnas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Before clicking the Finish Import button, you must insure that the fields (columns) line up properly. Use the controls below to  move columns in the data file you are importing. It is NOT necessary to line up columns which are completely blank or which contain information you don&apos;t care about.</source>
        <translation>Antes de pulsar el botón Finalizar importación, asegúrese de que los campos (columnas) están bien alineados. Use los controles de abajo para mover las columnas del archivo de datos que está importando. NO es necesario alinear las columnas que estén completamente vacías o que contengan información que no le interese.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Data being Imported:</source>
        <translation>Datos que se importan:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import To (The data being imported must line up with these colums):</source>
        <translation>Importar a (los datos que se importan deben alinearse con estas columnas):</translation>
    </message>
</context>
<context>
    <name>InboxSubsystem</name>
    <message>
        <location filename="../src/gui/inbox/InboxSubsystem.cpp" line="+25"/>
        <source>Inbox Management</source>
        <translation>Gestión de la bandeja de entrada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inbox Management/Spam Settings</source>
        <translation>Gestión de la bandeja de entrada/Configuración de spam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks only un&amp;read messages</source>
        <translation>&quot;Marcar spam&quot; marca s&amp;olo mensajes no leídos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks messa&amp;ges with multiple non-English characters</source>
        <translation>&quot;Marcar spam&quot; marca mensajes con &amp;varios caracteres no ingleses</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit Spam &amp;Keywords</source>
        <translation>Editar pala&amp;bras clave de spam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check S&amp;pam</source>
        <translation>Marcar s&amp;pam</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Unread</source>
        <translation>Marcar &amp;no leídos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Check Spam Messages</source>
        <translation>Marcar mensajes de &amp;spam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;heck Unread Messages</source>
        <translation>Marcar mensajes &amp;no leídos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Group of Messages</source>
        <translation>Marcar g&amp;rupo de mensajes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Uncheck All Messages</source>
        <translation>&amp;Desmarcar todos los mensajes</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Unread Messages</source>
        <translation>Todos los mensajes no leídos</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>First %n Unread Messages</source>
        <translation>
            <numerusform>El primer mensaje no leído (%n)</numerusform>
            <numerusform>Los primeros %n mensajes no leídos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;Check Unread&quot; checks:</source>
        <translation>&quot;Marcar no leídos&quot; marca:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>a list of spam keywords</source>
        <translation>una lista de palabras clave de spam</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No message list with check boxes was found on this page</source>
        <translation>No se encontró en esta página ninguna lista de mensajes con casillas</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>Ticked %n: %1 by keyword, %2 non-English</source>
        <translation>
            <numerusform>Se marcó %n mensaje: %1 por palabra clave, %2 por caracteres no ingleses</numerusform>
            <numerusform>Se marcaron %n mensajes: %1 por palabra clave, %2 por caracteres no ingleses</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Check Unread: unread</source>
        <extracomment>Why Check Unread ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Marcar no leídos: no leído</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n unread</source>
        <translation>
            <numerusform>Se marcó %n mensaje no leído</numerusform>
            <numerusform>Se marcaron %n mensajes no leídos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check Group: between ticked messages</source>
        <translation>Marcar grupo: entre mensajes marcados</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n between ticked messages</source>
        <translation>
            <numerusform>Se marcó %n mensaje entre los marcados</numerusform>
            <numerusform>Se marcaron %n mensajes entre los marcados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Unticked %n</source>
        <translation>
            <numerusform>Se desmarcó %n mensaje</numerusform>
            <numerusform>Se desmarcaron %n mensajes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InboxTools</name>
    <message>
        <location filename="../src/core/inbox/InboxTools.cpp" line="+96"/>
        <source>Check Spam: keyword &apos;%1&apos;</source>
        <extracomment>Why Check Spam ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Marcar spam: palabra clave &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Spam: %1 non-English letters</source>
        <translation>Marcar spam: %1 letras no inglesas</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../src/core/app/IniFile.cpp" line="+102"/>
        <source>a setting&apos;s value cannot hold a line break or NUL</source>
        <translation>el valor de un ajuste no puede contener un salto de línea ni NUL</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed section name</source>
        <translation>nombre de sección mal formado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed key</source>
        <translation>clave mal formada</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>no settings file</source>
        <translation>no hay archivo de configuración</translation>
    </message>
</context>
<context>
    <name>MailMerge</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/MailMerge.cpp" line="+35"/>
        <source>Waiting for the site (message %1); the run stops if it has not answered in %n seconds…</source>
        <translation>
            <numerusform>Esperando al sitio (mensaje %1); la ejecución se detiene si no responde en %n segundo…</numerusform>
            <numerusform>Esperando al sitio (mensaje %1); la ejecución se detiene si no responde en %n segundos…</numerusform>
        </translation>
    </message>
    <message>
        <location line="+121"/>
        <source>The message has no text. Write it in the compose form, or use a template, then start the merge.</source>
        <translation>El mensaje no tiene texto. Escríbalo en el formulario de redacción, o use una plantilla, y después inicie la combinación.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The merge log could not be written, so nothing was sent.
%1</source>
        <translation>No se pudo escribir el registro de la combinación, así que no se envió nada.
%1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Stopping once message %1 has been accepted; press Stop again not to wait.</source>
        <translation>Se detendrá en cuanto se acepte el mensaje %1; pulse Detener otra vez para no esperar.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 of %2 sent, %3 left</source>
        <translation>%1 de %2 enviados, quedan %3</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../src/gui/app/MainForm.cpp" line="+102"/>
        <source>Inbox/Login</source>
        <translation>Bandeja de entrada/Acceso</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+67"/>
        <source>Compose</source>
        <translation>Redactar</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Saved Message Folders (local)</source>
        <translation>Carpetas de mensajes guardados (local)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Address </source>
        <translation> Dirección </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Messages Locally</source>
        <translation>Guardar mensajes localmente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Set Postling as your &amp;Default E-mail Program (for mailto links)</source>
        <translation>&amp;Establecer Postling como programa de correo predeterminado (para enlaces mailto)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Default Email Template:</source>
        <translation>Plantilla de correo predeterminada:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Default Folder for Saving Messages:</source>
        <translation>Carpeta predeterminada para guardar mensajes:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Address Book</source>
        <translation>&amp;Libreta de direcciones</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents...</source>
        <translation>&amp;Contenido...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About Postling...</source>
        <translation>&amp;Acerca de Postling...</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close Postling anyway? The changes to the address book will be lost.</source>
        <translation>¿Cerrar Postling de todos modos? Se perderán los cambios de la libreta de direcciones.</translation>
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
            <numerusform>%n escritura interrumpida eliminada</numerusform>
            <numerusform>%n escrituras interrumpidas eliminadas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a mail merge to resume (Mail Merge, Start)</source>
        <translation>una combinación de correspondencia pendiente de reanudar (Combinar correspondencia, Iniciar)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recovered: %1</source>
        <translation>Recuperado: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not read: %1</source>
        <translation>No leído: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>More tools</source>
        <translation>Más herramientas</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Postling could not save its settings or spam keywords; the files keep what they held before.
%1</source>
        <translation>Postling no pudo guardar su configuración ni las palabras clave de spam; los archivos conservan lo que tenían antes.
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
        <translation>Todas las direcciones de su libreta de direcciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the selected addresses</source>
        <translation>Solo las direcciones seleccionadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+158"/>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <location line="-157"/>
        <source>Stop Test</source>
        <translation>Detener prueba</translation>
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
        <translation>Detener</translation>
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
            <numerusform>Correos enviados: %n</numerusform>
            <numerusform>Correos enviados: %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview...</source>
        <translation>Vista previa...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mail Merge</source>
        <translation>Combinar correspondencia</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mail Merge lets you send personalized email to a list of people. You must enter the body of your email message into the Compose form. You can use &quot;Merge  Fields&quot; to insert personalized information such as names from your address book.</source>
        <translation>Combinar correspondencia le permite enviar correo personalizado a una lista de personas. Debe escribir el cuerpo del mensaje en el formulario Redactar. Puede usar &quot;campos de combinación&quot; para insertar información personalizada, como los nombres de su libreta de direcciones.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For detailed instructions on how to use this feature, please  click the Help button.</source>
        <translation>Para obtener instrucciones detalladas sobre cómo usar esta función, pulse el botón Ayuda.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Merge Settings</source>
        <translation>Configuración de la combinación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Mail To:</source>
        <translation>Enviar correo a:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause between messages:</source>
        <translation>Pausa entre mensajes:</translation>
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
        <translation>La función de prueba creará un correo a partir de la primera dirección de su lista y lo mostrará en el formulario Redactar. El correo no se enviará. Después de comprobar que el correo de prueba es correcto, pulse el botón Detener prueba para volver a su plantilla de correo original.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Start Merge: Press Start to begin sending</source>
        <translation>Iniciar combinación: pulse Iniciar para empezar a enviar</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>row %1, %2: %3</source>
        <translation>fila %1, %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not sent to %1: %2</source>
        <translation>No enviado a %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n sent. The site did not send these:
%1
Start again to send just them once they are put right.</source>
        <translation>
            <numerusform>%n enviado. El sitio no envió estos:
%1
Cuando estén corregidos, pulse Iniciar de nuevo para enviar solo esos.</numerusform>
            <numerusform>%n enviados. El sitio no envió estos:
%1
Cuando estén corregidos, pulse Iniciar de nuevo para enviar solo esos.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Emails have been sent to:</source>
        <translation>Se han enviado correos a:</translation>
    </message>
</context>
<context>
    <name>MergePreview</name>
    <message>
        <location filename="../src/gui/compose/MergePreview.cpp" line="+16"/>
        <source>skipped: no address</source>
        <translation>omitida: sin dirección</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: sent by an earlier run</source>
        <translation>omitida: enviada en una ejecución anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: was being sent when a run stopped</source>
        <translation>omitida: se estaba enviando cuando se detuvo una ejecución</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Merge Preview</source>
        <translation>Vista previa de la combinación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the body</source>
        <translation>Inicio del cuerpo</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 of %n rows will be sent.</source>
        <translation>
            <numerusform>Se enviará %1 de %n fila.</numerusform>
            <numerusform>Se enviarán %1 de %n filas.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 matches no column and is sent as it is written.</source>
        <translation>%1 no coincide con ninguna columna y se envía tal como está escrito.</translation>
    </message>
</context>
<context>
    <name>MergeTexts</name>
    <message>
        <location filename="../src/gui/compose/MergeTexts.cpp" line="+21"/>
        <source>Unable to send message. Are you sure the compose form is displayed? Mail Merge works only in plain test mode. You cannot use the Rich Text/HTML compose form.</source>
        <translation>No se pudo enviar el mensaje. ¿Está seguro de que se muestra el formulario de redacción? Combinar correspondencia solo funciona en modo de texto sin formato. No puede usar el formulario de redacción de texto enriquecido/HTML.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The run has stopped; press Stop, and Start again later to send the rest. %1 lists what was sent.</source>
        <translation>La ejecución se ha detenido; pulse Detener y, más tarde, Iniciar de nuevo para enviar el resto. %1 indica lo que se envió.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The site did not accept the message to %1.</source>
        <translation>El sitio no aceptó el mensaje para %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not accept the message to %1 (row %2).</source>
        <translation>El sitio no aceptó el mensaje para %1 (fila %2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The site showed another page instead of its compose form.</source>
        <translation>El sitio mostró otra página en lugar de su formulario de redacción.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site showed another page instead of its compose form: perhaps you were signed out. Sign in again first.</source>
        <translation>El sitio mostró otra página en lugar de su formulario de redacción: quizá se cerró su sesión. Vuelva a iniciar sesión primero.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No answer about the message to %1.</source>
        <translation>Sin respuesta sobre el mensaje para %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds about the message to %2 (row %3). It may have been sent, so it will not be sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>El sitio no respondió en %1 segundos sobre el mensaje para %2 (fila %3). Puede que se haya enviado, así que no se volverá a enviar: búsquelo en la carpeta Enviados del sitio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The site did not answer.</source>
        <translation>El sitio no respondió.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds.</source>
        <translation>El sitio no respondió en %1 segundos.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge log could not be written.</source>
        <translation>No se pudo escribir el registro de la combinación.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The merge log could not be written, so the run has stopped before its next message.
%1
Press Stop; once the log can be written, Start again to send the rest.</source>
        <translation>No se pudo escribir el registro de la combinación, así que la ejecución se ha detenido antes del siguiente mensaje.
%1
Pulse Detener; cuando se pueda escribir el registro, pulse Iniciar de nuevo para enviar el resto.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>The site could not be reached.</source>
        <translation>No se pudo acceder al sitio.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>The last run of this message over this address book did not finish: %n of its messages were sent.</source>
        <translation>
            <numerusform>La última ejecución de este mensaje con esta libreta de direcciones no terminó: se envió %n de sus mensajes.</numerusform>
            <numerusform>La última ejecución de este mensaje con esta libreta de direcciones no terminó: se enviaron %n de sus mensajes.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was being sent when the run stopped. It is not sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>La fila %1 (%2) se estaba enviando cuando se detuvo la ejecución. No se vuelve a enviar: busque el mensaje en la carpeta Enviados del sitio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was refused: %3</source>
        <translation>La fila %1 (%2) fue rechazada: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skip the rows already sent and send only the rest? (No sends every row again; Cancel sends nothing.)</source>
        <translation>¿Omitir las filas ya enviadas y enviar solo el resto? (No vuelve a enviar todas las filas; Cancelar no envía nada.)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The merge cannot start: no %1 field was found on this page.</source>
        <translation>La combinación no puede empezar: no se encontró ningún campo «%1» en esta página.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The merge cannot start: no Send button was found on this page.</source>
        <translation>La combinación no puede empezar: no se encontró ningún botón de envío en esta página.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge cannot start: this page has no place where the site says whether a message was sent, so Postling could not tell which messages went.</source>
        <translation>La combinación no puede empezar: esta página no tiene ningún lugar donde el sitio diga si un mensaje se ha enviado, así que Postling no podría saber qué mensajes salieron.</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>Send %n messages, one to each address of the chosen rows?</source>
        <translation>
            <numerusform>¿Enviar %n mensaje a la dirección de la fila elegida?</numerusform>
            <numerusform>¿Enviar %n mensajes, uno a cada dirección de las filas elegidas?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MessageListModel</name>
    <message>
        <location filename="../src/gui/store/MessageListModel.cpp" line="+84"/>
        <source>Sent To</source>
        <translation>Enviado a</translation>
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
        <translation>Asunto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <location filename="../src/gui/app/NameDialog.cpp" line="+12"/>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Mostrar la paleta de direcciones de correo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show Address Book Panel</source>
        <translation>Mostrar el panel de la libreta de direcciones</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Contract Address Book</source>
        <translation>Contraer la libreta de direcciones</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Expand Address Book</source>
        <translation>Expandir la libreta de direcciones</translation>
    </message>
</context>
<context>
    <name>SavedMessagesPanel</name>
    <message>
        <location filename="../src/gui/store/SavedMessagesPanel.cpp" line="+35"/>
        <source>N&amp;ew Folder...</source>
        <translation>Nue&amp;va carpeta...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mana&amp;ge Folders...</source>
        <translation>Admini&amp;strar carpetas...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Reply (with original text)</source>
        <translation>&amp;Responder (con el texto original)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reply (&amp;blank)</source>
        <translation>Responder (en &amp;blanco)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For&amp;ward</source>
        <translation>Reenv&amp;iar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send &amp;Again</source>
        <translation>V&amp;olver a enviar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move t&amp;o:</source>
        <translation>&amp;Mover a:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>  Folders</source>
        <translation>  Carpetas</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search every folder: sender, recipient, subject, text</source>
        <translation>Buscar en todas las carpetas: remitente, destinatario, asunto, texto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saved messages</source>
        <translation>Mensajes guardados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder to move the message to</source>
        <translation>Carpeta a la que mover el mensaje</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>This file (%1 MB) is too large to show here. It is kept as it is in %2.</source>
        <translation>Este archivo (%1 MB) es demasiado grande para mostrarlo aquí. Se conserva tal cual en %2.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>The message could not be deleted.
%1</source>
        <translation>No se pudo eliminar el mensaje.
%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You must select the folder you want to move the file to.</source>
        <translation>Debe seleccionar la carpeta a la que desea mover el archivo.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There was an error in attempting to move this file.
%1</source>
        <translation>Se produjo un error al intentar mover este archivo.
%1</translation>
    </message>
</context>
<context>
    <name>SentCopies</name>
    <message>
        <location filename="../src/gui/compose/SentCopies.cpp" line="+75"/>
        <source>The site did not confirm the message was sent, so no Sent copy was kept.</source>
        <translation>El sitio no confirmó que el mensaje se hubiera enviado, así que no se guardó ninguna copia en Sent.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The site did not send the message (%1), so no Sent copy was kept.</source>
        <translation>El sitio no envió el mensaje (%1), así que no se guardó ninguna copia en Sent.</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <location filename="../src/gui/app/SettingsPanel.cpp" line="+9"/>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
</context>
<context>
    <name>StartPages</name>
    <message>
        <location filename="../src/gui/sites/StartPages.cpp" line="+18"/>
        <source>Start Page</source>
        <translation>Página de inicio</translation>
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
        <translation>Ir a Yahoo Mail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MSN H&amp;otmail</source>
        <translation>MSN Hot&amp;mail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotmail</source>
        <translation>Hotmail</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Hotmail</source>
        <translation>Ir a Hotmail</translation>
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
        <translation>Ir a su Roundcube</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other &amp;webmail:</source>
        <translation>Otro correo &amp;web:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other webmail</source>
        <translation>Otro correo web</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to your other webmail</source>
        <translation>Ir a su otro correo web</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 start page</source>
        <translation>Página de inicio de %1</translation>
    </message>
</context>
<context>
    <name>StoreSubsystem</name>
    <message>
        <location filename="../src/gui/store/StoreSubsystem.cpp" line="+32"/>
        <source>Unable to read message. Are you sure a message is displayed?</source>
        <translation>No se pudo leer el mensaje. ¿Está seguro de que se muestra un mensaje?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Save Msg &lt;&lt;</source>
        <translation>&amp;Guardar mensaje &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message Saved</source>
        <translation>Mensaje guardado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Current Message</source>
        <translation>&amp;Guardar el mensaje actual</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+162"/>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <location line="-149"/>
        <location line="+143"/>
        <source>Save to: %1</source>
        <translation>Guardar en: %1</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>You must select a folder to save the message to</source>
        <translation>Debe seleccionar una carpeta en la que guardar el mensaje</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The site did not send the message&apos;s text, so nothing was saved. Is the site reachable? Try again once it is.</source>
        <translation>El sitio no entregó el texto del mensaje, así que no se guardó nada. ¿Se puede acceder al sitio? Vuelva a intentarlo cuando se pueda.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+21"/>
        <source>No From or Subject was found on this page</source>
        <translation>No se encontró remitente (De) ni asunto en esta página</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>No From was found on this page</source>
        <translation>No se encontró remitente (De) en esta página</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No Subject was found on this page</source>
        <translation>No se encontró asunto en esta página</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You cannot save incoming messages to the Sent Messages Folder.</source>
        <translation>No puede guardar mensajes recibidos en la carpeta de mensajes enviados (Sent).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sent message could not be kept: %1</source>
        <translation>No se pudo conservar el mensaje enviado: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The message could not be saved.
%1</source>
        <translation>No se pudo guardar el mensaje.
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg not saved</source>
        <translation>Mensaje no guardado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Msg Saved</source>
        <translation>Mensaje guardado</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Folder Name:</source>
        <translation>Nombre de la carpeta:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to create directory. Please check to make sure you have entered a valid directory name.</source>
        <translation>No se pudo crear la carpeta. Compruebe que ha escrito un nombre de carpeta válido.</translation>
    </message>
</context>
<context>
    <name>Template</name>
    <message>
        <location filename="../src/core/compose/Template.cpp" line="+68"/>
        <source>a template&apos;s name cannot hold &quot;/&quot;</source>
        <translation>el nombre de una plantilla no puede contener &quot;/&quot;</translation>
    </message>
</context>
<context>
    <name>TemplateCommands</name>
    <message>
        <location filename="../src/gui/compose/TemplateCommands.cpp" line="+20"/>
        <source>Use Temp&amp;late &gt;&gt;</source>
        <translation>Usar plan&amp;tilla &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New/Edit...</source>
        <translation>Nueva/E&amp;ditar...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Insert/Edit Email Template...</source>
        <translation>&amp;Insertar/editar plantilla de correo...</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>You must select a template.</source>
        <translation>Debe seleccionar una plantilla.</translation>
    </message>
</context>
<context>
    <name>TemplateDialog</name>
    <message>
        <location filename="../src/gui/compose/TemplateDialog.cpp" line="+22"/>
        <source>Do you want to save your changes to this email template?</source>
        <translation>¿Desea guardar los cambios de esta plantilla de correo?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert to Form &gt;&gt;</source>
        <translation>Insertar en el formulario &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Capture from Form &lt;&lt;</source>
        <translation>Capturar del formulario &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for the compose form to load… Close this window to stop waiting.</source>
        <translation>Esperando a que se cargue el formulario de redacción… Cierre esta ventana para dejar de esperar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Email Template</source>
        <translation>Plantilla de correo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Template name</source>
        <translation>Nombre de la plantilla</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Template</source>
        <translation>Abrir plantilla</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject:</source>
        <translation>Asunto:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Body:</source>
        <translation>Cuerpo:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Capture From or Insert to Compose Form</source>
        <translation>Capturar del formulario de redacción o insertar en él</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The email template could not be read from %1.</source>
        <translation>No se pudo leer la plantilla de correo de %1.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>You must give the email template a name.</source>
        <translation>Debe dar un nombre a la plantilla de correo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must specify a subject.</source>
        <translation>Debe indicar un asunto.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must enter some body text.</source>
        <translation>Debe escribir algún texto en el cuerpo.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The email template could not be saved.
%1</source>
        <translation>No se pudo guardar la plantilla de correo.
%1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <location filename="../src/core/addressbook/AddressBook.cpp" line="+38"/>
        <source>an address book</source>
        <translation>una libreta de direcciones</translation>
    </message>
    <message>
        <location filename="../src/core/text/Strings.cpp" line="+96"/>
        <source>it is too large (%1 MB) for %2</source>
        <extracomment>%2 is what the file was to be: &quot;an address book&quot;.</extracomment>
        <translation>es demasiado grande (%1 MB) para %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+5"/>
        <source>it holds binary data, not text</source>
        <translation>contiene datos binarios, no texto</translation>
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
        <translation>Espere, por favor...</translation>
    </message>
</context>
<context>
    <name>WebBrowser</name>
    <message>
        <location filename="../src/gui/browser/WebBrowser.cpp" line="+18"/>
        <source>Opening page %1...</source>
        <translation>Abriendo la página %1...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Done</source>
        <translation>Listo</translation>
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
        <translation>&amp;Otro correo web:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Welcome!</source>
        <translation>¡Bienvenido!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Roundcube address</source>
        <translation>Dirección de Roundcube</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Other webmail address</source>
        <translation>Dirección del otro correo web</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Welcome to Postling!</source>
        <translation>¡Bienvenido a Postling!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please indicate whether you would prefer to begin at Yahoo! Mail, Hotmail, your own Roundcube or another webmail when you first start Postling.</source>
        <translation>Indique si prefiere comenzar en Yahoo! Mail, en Hotmail, en su propio Roundcube o en otro correo web al iniciar Postling.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select your Start Page</source>
        <translation>Seleccione su página de inicio</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Just choose the mail provider you use most often. You can still easily access the others from the toolbar or change the default in the settings tab.</source>
        <translation>Elija simplemente el proveedor de correo que use con más frecuencia. Podrá acceder fácilmente a los demás desde la barra de herramientas o cambiar el predeterminado en la pestaña Configuración.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
