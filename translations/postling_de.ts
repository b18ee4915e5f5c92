<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/gui/app/AboutBox.cpp" line="+20"/>
        <source>About Postling</source>
        <translation>Über Postling</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postling keeps your webmail close at hand: saved messages, address books, templates and inbox tools beside Roundcube, Yahoo! Mail and Hotmail.</source>
        <translation>Postling hält Ihr Webmail griffbereit: gespeicherte Nachrichten, Adressbücher, Vorlagen und Werkzeuge für den Posteingang neben Roundcube, Yahoo! Mail und Hotmail.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;System Info...</source>
        <translation>System&amp;informationen...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>AddressBookSubsystem</name>
    <message>
        <location filename="../src/gui/addressbook/AddressBookSubsystem.cpp" line="+28"/>
        <source>&amp;New Address Book</source>
        <translation>N&amp;eues Adressbuch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Address Book</source>
        <translation>Adressbuch ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Addresses</source>
        <translation>Adressen &amp;importieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add New Address</source>
        <translation>Neue Adresse &amp;hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Address</source>
        <translation>Adresse &amp;löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Address from &amp;Message</source>
        <translation>Adresse aus &amp;Nachricht hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Find Address...</source>
        <translation>Adresse &amp;suchen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Expand Address Book for Editing</source>
        <translation>Adressbuch zum Bearbeiten &amp;vergrößern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide Address Book Pane</source>
        <translation>Adressbuchbereich a&amp;usblenden</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Show Address Book Pane</source>
        <translation>Adressbuchbereich einblenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Address Book Pane</source>
        <translation>Adressbuchbereich ausblenden</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Open Address List</source>
        <translation>Adressliste öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+134"/>
        <source>Address Book (*.csv);;Tab Delimited Text File (*.txt)</source>
        <translation>Adressbuch (*.csv);;Textdatei mit Tabulatortrennung (*.txt)</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>The address book could not be read.
%1
Nothing was changed.</source>
        <translation>Das Adressbuch konnte nicht gelesen werden.
%1
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Warning: Your address book does not appear to contain any email addresses.</source>
        <translation>Warnung: Ihr Adressbuch scheint keine E-Mail-Adressen zu enthalten.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The address book could not be saved.
%1
Your changes are still open: once the disk has room (or the folder can be written), try again.</source>
        <translation>Das Adressbuch konnte nicht gespeichert werden.
%1
Ihre Änderungen sind noch vorhanden: Versuchen Sie es erneut, sobald auf dem Datenträger wieder Platz ist (oder in den Ordner geschrieben werden kann).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New Address Book</source>
        <translation>Neues Adressbuch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Address Book Name:</source>
        <translation>Name des Adressbuchs:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An address book with this name already exists. Do you want to overwrite it?</source>
        <translation>Ein Adressbuch mit diesem Namen ist bereits vorhanden. Möchten Sie es überschreiben?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete the selected addresses?</source>
        <translation>Die ausgewählten Adressen löschen?</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Unable to locate address. Are you sure a message is displayed?</source>
        <translation>Es wurde keine Adresse gefunden. Wird wirklich eine Nachricht angezeigt?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Addr Added</source>
        <translation>Adresse hinzugefügt</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Import Address List</source>
        <translation>Adressliste importieren</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The new data has been appended to the bottom of your address book.</source>
        <translation>Die neuen Daten wurden am Ende Ihres Adressbuchs angefügt.</translation>
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
        <translation>Adressbuch-Werkzeuge</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The selected cell</source>
        <translation>Die ausgewählte Zelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hide Address Book Pane</source>
        <translation>Adressbuchbereich ausblenden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>New Address Book</source>
        <translation>Neues Adressbuch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Address Book/List</source>
        <translation>Adressbuch/Adressliste öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add blank address</source>
        <translation>Leere Adresse hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove address</source>
        <translation>Adresse entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find in address book</source>
        <translation>Im Adressbuch suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add address from current message</source>
        <translation>Adresse aus aktueller Nachricht hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into To field</source>
        <translation>Adresse in das An-Feld einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Cc field</source>
        <translation>Adresse in das Cc-Feld einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Bcc field</source>
        <translation>Adresse in das Bcc-Feld einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expand Address Book</source>
        <translation>Adressbuch vergrößern</translation>
    </message>
    <message>
        <location line="+61"/>
        <source> Address Book:  %1</source>
        <translation> Adressbuch:  %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/gui/app/Artwork.cpp" line="+44"/>
        <source>your webmail companion</source>
        <translation>Ihr Begleiter für Webmail</translation>
    </message>
</context>
<context>
    <name>BrowsingSubsystem</name>
    <message>
        <location filename="../src/gui/browsing/BrowsingSubsystem.cpp" line="+33"/>
        <source>Go directly to &amp;inbox after login (bypass mail home page)</source>
        <translation>Nach der Anmeldung d&amp;irekt zum Posteingang (Startseite des Anbieters überspringen)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Back</source>
        <translation>Eine Seite zurück</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Forward</source>
        <translation>Eine Seite vorwärts</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Postling Help</source>
        <translation>Postling-Hilfe</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>No calendar</source>
        <translation>Kein Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has no calendar that Postling can show.</source>
        <translation>%1 hat keinen Kalender, den Postling anzeigen kann.</translation>
    </message>
</context>
<context>
    <name>ComposeFiller</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/ComposeFiller.cpp" line="+60"/>
        <source>The compose form did not come within %n seconds, so nothing was filled. Open the Compose tab, then try again.</source>
        <translation>
            <numerusform>Das Verfassen-Formular ist nicht innerhalb von %n Sekunde erschienen, daher wurde nichts ausgefüllt. Öffnen Sie die Registerkarte „Verfassen“ und versuchen Sie es dann erneut.</numerusform>
            <numerusform>Das Verfassen-Formular ist nicht innerhalb von %n Sekunden erschienen, daher wurde nichts ausgefüllt. Öffnen Sie die Registerkarte „Verfassen“ und versuchen Sie es dann erneut.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cc</source>
        <translation>Cc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bcc</source>
        <translation>Bcc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message text</source>
        <translation>Nachrichtentext</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No %1 field was found on this page</source>
        <translation>Auf dieser Seite wurde kein Feld „%1“ gefunden</translation>
    </message>
</context>
<context>
    <name>ComposeSubsystem</name>
    <message>
        <location filename="../src/gui/compose/ComposeSubsystem.cpp" line="+33"/>
        <location line="+1"/>
        <source>&amp;Mail Merge...</source>
        <translation>Serien-E-&amp;Mail...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Email Address Palette...</source>
        <translation>&amp;E-Mail-Adresspalette...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve Sent Messages</source>
        <translation>&amp;Gesendete Nachrichten speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Email Address Palette on Startup</source>
        <translation>&amp;E-Mail-Adresspalette beim Start anzeigen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Insert into &amp;To field</source>
        <translation>In das &amp;An-Feld einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Cc field</source>
        <translation>In das &amp;Cc-Feld einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Bcc field</source>
        <translation>In das &amp;Bcc-Feld einfügen</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>Unable to insert address. Are you sure the Compose screen is displayed in your browser?</source>
        <translation>Die Adresse konnte nicht eingefügt werden. Wird das Verfassen-Formular wirklich im Browser angezeigt?</translation>
    </message>
</context>
<context>
    <name>DefaultMailer</name>
    <message>
        <location filename="../src/gui/app/DefaultMailer.cpp" line="+52"/>
        <source>cannot create %1</source>
        <translation>%1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Make Postling the program that opens e-mail links (mailto:) on this desktop?</source>
        <translation>Postling als das Programm festlegen, das auf diesem Desktop E-Mail-Links (mailto:) öffnet?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Postling now opens e-mail links (mailto:).</source>
        <translation>Postling öffnet jetzt E-Mail-Links (mailto:).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>xdg-mime was not found (it comes with the xdg-utils package).</source>
        <translation>xdg-mime wurde nicht gefunden (es ist im Paket xdg-utils enthalten).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>xdg-mime said: %1</source>
        <translation>Meldung von xdg-mime: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postling could not be made the program for e-mail links. %1</source>
        <translation>Postling konnte nicht als Programm für E-Mail-Links festgelegt werden. %1</translation>
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
        <translation>E-Mail-Adressen</translation>
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
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder or file is read-only (no permission to write)</source>
        <translation>der Ordner oder die Datei ist schreibgeschützt (keine Schreibberechtigung)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not there any more (moved or deleted)</source>
        <translation>nicht mehr vorhanden (verschoben oder gelöscht)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of that name is in the way</source>
        <translation>ein gleichnamiger Ordner steht im Weg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a file of that name is already there</source>
        <translation>eine gleichnamige Datei ist bereits vorhanden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk reported an error</source>
        <translation>der Datenträger hat einen Fehler gemeldet</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+22"/>
        <source>Find Address</source>
        <translation>Adresse suchen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/app/HelpWindow.cpp" line="+14"/>
        <source>Postling Help</source>
        <translation>Postling-Hilfe</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The help file %1 was not found.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+38"/>
        <source>Move Selected Column to Postion:</source>
        <translation>Ausgewählte Spalte an Position verschieben:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish Import</source>
        <translation>Import abschließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Data</source>
        <translation>Daten importieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>first name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 from &quot;%2&quot;</source>
        <extracomment>A column of the book filled from a column of the file: first name from &quot;Vorname&quot;.</extracomment>
        <translation>%1 aus &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proposed: %1.</source>
        <translation>Vorschlag: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Line up Columns</source>
        <translation>Spalten ausrichten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Before clicking the Finish Import button, you must insure that the fields (columns) line up properly. Use the controls below to  move columns in the data file you are importing. It is NOT necessary to line up columns which are completely blank or which contain information you don&apos;t care about.</source>
        <translation>Bevor Sie auf „Import abschließen“ klicken, müssen Sie sicherstellen, dass die Felder (Spalten) richtig zueinander ausgerichtet sind. Verschieben Sie mit den Steuerelementen unten die Spalten der Datendatei, die Sie importieren. Spalten, die vollständig leer sind oder Angaben enthalten, die Sie nicht benötigen, müssen NICHT ausgerichtet werden.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Data being Imported:</source>
        <translation>Zu importierende Daten:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import To (The data being imported must line up with these colums):</source>
        <translation>Importieren nach (die zu importierenden Daten müssen zu diesen Spalten passen):</translation>
    </message>
</context>
<context>
    <name>InboxSubsystem</name>
    <message>
        <location filename="../src/gui/inbox/InboxSubsystem.cpp" line="+25"/>
        <source>Inbox Management</source>
        <translation>Posteingangsverwaltung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inbox Management/Spam Settings</source>
        <translation>Posteingangsverwaltung/Spam-Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks only un&amp;read messages</source>
        <translation>&quot;Spam auswählen&quot; prüft nu&amp;r ungelesene Nachrichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks messa&amp;ges with multiple non-English characters</source>
        <translation>&quot;Spam auswählen&quot; prüft Nachrichten mit mehreren nicht-englischen &amp;Zeichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit Spam &amp;Keywords</source>
        <translation>Spam-Schlüsselwörter &amp;bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check S&amp;pam</source>
        <translation>S&amp;pam auswählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Unread</source>
        <translation>&amp;Ungelesene auswählen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Check Spam Messages</source>
        <translation>S&amp;pam-Nachrichten auswählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;heck Unread Messages</source>
        <translation>&amp;Ungelesene Nachrichten auswählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Group of Messages</source>
        <translation>&amp;Gruppe von Nachrichten auswählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Uncheck All Messages</source>
        <translation>Alle Nachrichten ab&amp;wählen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Unread Messages</source>
        <translation>Alle ungelesenen Nachrichten</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>First %n Unread Messages</source>
        <translation>
            <numerusform>Die erste ungelesene Nachricht (%n)</numerusform>
            <numerusform>Die ersten %n ungelesenen Nachrichten</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;Check Unread&quot; checks:</source>
        <translation>&quot;Ungelesene auswählen&quot; wählt aus:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>a list of spam keywords</source>
        <translation>eine Liste von Spam-Schlüsselwörtern</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No message list with check boxes was found on this page</source>
        <translation>Auf dieser Seite wurde keine Nachrichtenliste mit Kontrollkästchen gefunden</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>Ticked %n: %1 by keyword, %2 non-English</source>
        <translation>
            <numerusform>%n Nachricht ausgewählt: %1 per Schlüsselwort, %2 nicht-englisch</numerusform>
            <numerusform>%n Nachrichten ausgewählt: %1 per Schlüsselwort, %2 nicht-englisch</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Check Unread: unread</source>
        <extracomment>Why Check Unread ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Ungelesene auswählen: ungelesen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n unread</source>
        <translation>
            <numerusform>%n ungelesene Nachricht ausgewählt</numerusform>
            <numerusform>%n ungelesene Nachrichten ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check Group: between ticked messages</source>
        <translation>Gruppe auswählen: zwischen ausgewählten Nachrichten</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n between ticked messages</source>
        <translation>
            <numerusform>%n Nachricht zwischen ausgewählten Nachrichten ausgewählt</numerusform>
            <numerusform>%n Nachrichten zwischen ausgewählten Nachrichten ausgewählt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Unticked %n</source>
        <translation>
            <numerusform>%n Nachricht abgewählt</numerusform>
            <numerusform>%n Nachrichten abgewählt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InboxTools</name>
    <message>
        <location filename="../src/core/inbox/InboxTools.cpp" line="+96"/>
        <source>Check Spam: keyword &apos;%1&apos;</source>
        <extracomment>Why Check Spam ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Spam auswählen: Schlüsselwort &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Spam: %1 non-English letters</source>
        <translation>Spam auswählen: %1 nicht-englische Buchstaben</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../src/core/app/IniFile.cpp" line="+102"/>
        <source>a setting&apos;s value cannot hold a line break or NUL</source>
        <translation>der Wert einer Einstellung darf keinen Zeilenumbruch und kein NUL enthalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed section name</source>
        <translation>ungültiger Abschnittsname</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed key</source>
        <translation>ungültiger Schlüssel</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>no settings file</source>
        <translation>keine Einstellungsdatei</translation>
    </message>
</context>
<context>
    <name>MailMerge</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/MailMerge.cpp" line="+35"/>
        <source>Waiting for the site (message %1); the run stops if it has not answered in %n seconds…</source>
        <translation>
            <numerusform>Warten auf die Website (Nachricht %1); der Versand wird angehalten, wenn sie nicht innerhalb von %n Sekunde antwortet…</numerusform>
            <numerusform>Warten auf die Website (Nachricht %1); der Versand wird angehalten, wenn sie nicht innerhalb von %n Sekunden antwortet…</numerusform>
        </translation>
    </message>
    <message>
        <location line="+121"/>
        <source>The message has no text. Write it in the compose form, or use a template, then start the merge.</source>
        <translation>Die Nachricht enthält keinen Text. Schreiben Sie ihn im Verfassen-Formular oder verwenden Sie eine Vorlage und starten Sie dann die Serien-E-Mail.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The merge log could not be written, so nothing was sent.
%1</source>
        <translation>Das Protokoll der Serien-E-Mail konnte nicht geschrieben werden, daher wurde nichts gesendet.
%1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Stopping once message %1 has been accepted; press Stop again not to wait.</source>
        <translation>Der Versand wird angehalten, sobald Nachricht %1 angenommen wurde; klicken Sie erneut auf „Stopp“, um nicht zu warten.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 of %2 sent, %3 left</source>
        <translation>%1 von %2 gesendet, %3 verbleibend</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../src/gui/app/MainForm.cpp" line="+102"/>
        <source>Inbox/Login</source>
        <translation>Posteingang/Anmeldung</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+67"/>
        <source>Compose</source>
        <translation>Verfassen</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Saved Message Folders (local)</source>
        <translation>Ordner mit gespeicherten Nachrichten (lokal)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Address </source>
        <translation> Adresse </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Messages Locally</source>
        <translation>Nachrichten lokal speichern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Set Postling as your &amp;Default E-mail Program (for mailto links)</source>
        <translation>Postling als Standard-E-Mail-Programm &amp;festlegen (für mailto-Links)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Default Email Template:</source>
        <translation>Standard-E-Mail-Vorlage:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Default Folder for Saving Messages:</source>
        <translation>Standardordner zum Speichern von Nachrichten:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Address Book</source>
        <translation>&amp;Adressbuch</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About Postling...</source>
        <translation>Ü&amp;ber Postling...</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close Postling anyway? The changes to the address book will be lost.</source>
        <translation>Postling trotzdem beenden? Die Änderungen am Adressbuch gehen dann verloren.</translation>
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
            <numerusform>%n unterbrochener Schreibvorgang entfernt</numerusform>
            <numerusform>%n unterbrochene Schreibvorgänge entfernt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a mail merge to resume (Mail Merge, Start)</source>
        <translation>eine fortzusetzende Serien-E-Mail (Serien-E-Mail, Start)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recovered: %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not read: %1</source>
        <translation>Nicht gelesen: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>More tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Postling could not save its settings or spam keywords; the files keep what they held before.
%1</source>
        <translation>Postling konnte seine Einstellungen oder Spam-Schlüsselwörter nicht speichern; die Dateien behalten ihren bisherigen Inhalt.
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
        <translation>Alle Adressen in Ihrem Adressbuch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the selected addresses</source>
        <translation>Nur die ausgewählten Adressen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+158"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location line="-157"/>
        <source>Stop Test</source>
        <translation>Test beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Log</source>
        <translation>Protokoll ausblenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show Log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location line="+111"/>
        <location line="+7"/>
        <source>Emails Sent: %n</source>
        <translation>
            <numerusform>Gesendete E-Mails: %n</numerusform>
            <numerusform>Gesendete E-Mails: %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mail Merge</source>
        <translation>Serien-E-Mail</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mail Merge lets you send personalized email to a list of people. You must enter the body of your email message into the Compose form. You can use &quot;Merge  Fields&quot; to insert personalized information such as names from your address book.</source>
        <translation>Mit Serien-E-Mail können Sie personalisierte E-Mails an eine Liste von Personen senden. Den Text Ihrer E-Mail geben Sie im Verfassen-Formular ein. Mit &quot;Serienfeldern&quot; können Sie persönliche Angaben wie Namen aus Ihrem Adressbuch einfügen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For detailed instructions on how to use this feature, please  click the Help button.</source>
        <translation>Eine ausführliche Anleitung zu dieser Funktion erhalten Sie, wenn Sie auf „Hilfe“ klicken.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Merge Settings</source>
        <translation>Einstellungen für Serien-E-Mail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Mail To:</source>
        <translation>E-Mail senden an:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause between messages:</source>
        <translation>Pause zwischen Nachrichten:</translation>
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
        <translation>Die Testfunktion erstellt eine E-Mail für die erste Adresse Ihrer Liste und zeigt sie im Verfassen-Formular an. Die E-Mail wird nicht gesendet. Wenn Sie die Test-E-Mail geprüft haben, klicken Sie auf „Test beenden“, um zu Ihrer ursprünglichen E-Mail-Vorlage zurückzukehren.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Start Merge: Press Start to begin sending</source>
        <translation>Serien-E-Mail starten: Klicken Sie auf „Start“, um den Versand zu beginnen</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>row %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not sent to %1: %2</source>
        <translation>Nicht gesendet an %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n sent. The site did not send these:
%1
Start again to send just them once they are put right.</source>
        <translation>
            <numerusform>%n Nachricht gesendet. Diese hat die Website nicht gesendet:
%1
Korrigieren Sie sie und klicken Sie dann erneut auf „Start“, um nur diese zu senden.</numerusform>
            <numerusform>%n Nachrichten gesendet. Diese hat die Website nicht gesendet:
%1
Korrigieren Sie sie und klicken Sie dann erneut auf „Start“, um nur diese zu senden.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Emails have been sent to:</source>
        <translation>E-Mails wurden gesendet an:</translation>
    </message>
</context>
<context>
    <name>MergePreview</name>
    <message>
        <location filename="../src/gui/compose/MergePreview.cpp" line="+16"/>
        <source>skipped: no address</source>
        <translation>übersprungen: keine Adresse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: sent by an earlier run</source>
        <translation>übersprungen: bei einem früheren Versand gesendet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: was being sent when a run stopped</source>
        <translation>übersprungen: wurde gerade gesendet, als ein Versand abbrach</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Merge Preview</source>
        <translation>Vorschau der Serien-E-Mail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the body</source>
        <translation>Anfang des Textes</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 of %n rows will be sent.</source>
        <translation>
            <numerusform>Zu senden: %1 von %n Zeile.</numerusform>
            <numerusform>Zu senden: %1 von %n Zeilen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 matches no column and is sent as it is written.</source>
        <translation>%1 passt zu keiner Spalte und wird so gesendet, wie es geschrieben ist.</translation>
    </message>
</context>
<context>
    <name>MergeTexts</name>
    <message>
        <location filename="../src/gui/compose/MergeTexts.cpp" line="+21"/>
        <source>Unable to send message. Are you sure the compose form is displayed? Mail Merge works only in plain test mode. You cannot use the Rich Text/HTML compose form.</source>
        <translation>Die Nachricht konnte nicht gesendet werden. Wird das Verfassen-Formular wirklich angezeigt? Serien-E-Mail funktioniert nur im Nur-Text-Modus. Das Verfassen-Formular für Rich-Text/HTML kann nicht verwendet werden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The run has stopped; press Stop, and Start again later to send the rest. %1 lists what was sent.</source>
        <translation>Der Versand wurde angehalten; klicken Sie auf „Stopp“ und später erneut auf „Start“, um den Rest zu senden. %1 führt auf, was gesendet wurde.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The site did not accept the message to %1.</source>
        <translation>Die Website hat die Nachricht an %1 nicht angenommen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not accept the message to %1 (row %2).</source>
        <translation>Die Website hat die Nachricht an %1 (Zeile %2) nicht angenommen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The site showed another page instead of its compose form.</source>
        <translation>Die Website hat statt ihres Verfassen-Formulars eine andere Seite angezeigt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site showed another page instead of its compose form: perhaps you were signed out. Sign in again first.</source>
        <translation>Die Website hat statt ihres Verfassen-Formulars eine andere Seite angezeigt: Vielleicht wurden Sie abgemeldet. Melden Sie sich zuerst erneut an.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No answer about the message to %1.</source>
        <translation>Keine Antwort zur Nachricht an %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds about the message to %2 (row %3). It may have been sent, so it will not be sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>Die Website hat nicht innerhalb von %1 Sekunden zur Nachricht an %2 (Zeile %3) geantwortet. Sie wurde möglicherweise gesendet und wird daher nicht erneut gesendet: Sehen Sie im Ordner „Gesendet“ der Website nach.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The site did not answer.</source>
        <translation>Die Website hat nicht geantwortet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds.</source>
        <translation>Die Website hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge log could not be written.</source>
        <translation>Das Protokoll der Serien-E-Mail konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The merge log could not be written, so the run has stopped before its next message.
%1
Press Stop; once the log can be written, Start again to send the rest.</source>
        <translation>Das Protokoll der Serien-E-Mail konnte nicht geschrieben werden, daher wurde der Versand vor der nächsten Nachricht angehalten.
%1
Klicken Sie auf „Stopp“; sobald das Protokoll geschrieben werden kann, klicken Sie erneut auf „Start“, um den Rest zu senden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>The site could not be reached.</source>
        <translation>Die Website war nicht erreichbar.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>The last run of this message over this address book did not finish: %n of its messages were sent.</source>
        <translation>
            <numerusform>Der letzte Versand dieser Nachricht an dieses Adressbuch wurde nicht abgeschlossen: %n Nachricht wurde gesendet.</numerusform>
            <numerusform>Der letzte Versand dieser Nachricht an dieses Adressbuch wurde nicht abgeschlossen: %n Nachrichten wurden gesendet.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was being sent when the run stopped. It is not sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>Zeile %1 (%2) wurde gerade gesendet, als der Versand abbrach. Sie wird nicht erneut gesendet: Sehen Sie im Ordner „Gesendet“ der Website nach.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was refused: %3</source>
        <translation>Zeile %1 (%2) wurde abgelehnt: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skip the rows already sent and send only the rest? (No sends every row again; Cancel sends nothing.)</source>
        <translation>Bereits gesendete Zeilen überspringen und nur den Rest senden? („Nein“ sendet alle Zeilen erneut; „Abbrechen“ sendet nichts.)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The merge cannot start: no %1 field was found on this page.</source>
        <translation>Der Serienbrief kann nicht beginnen: Auf dieser Seite wurde kein Feld „%1“ gefunden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The merge cannot start: no Send button was found on this page.</source>
        <translation>Der Serienbrief kann nicht beginnen: Auf dieser Seite wurde keine Schaltfläche zum Senden gefunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge cannot start: this page has no place where the site says whether a message was sent, so Postling could not tell which messages went.</source>
        <translation>Der Serienbrief kann nicht beginnen: Diese Seite hat keine Stelle, an der die Website sagt, ob eine Nachricht gesendet wurde. Postling könnte also nicht erkennen, welche Nachrichten verschickt wurden.</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>Send %n messages, one to each address of the chosen rows?</source>
        <translation>
            <numerusform>%n Nachricht an die Adresse der gewählten Zeile senden?</numerusform>
            <numerusform>%n Nachrichten senden, eine an jede Adresse der gewählten Zeilen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MessageListModel</name>
    <message>
        <location filename="../src/gui/store/MessageListModel.cpp" line="+84"/>
        <source>Sent To</source>
        <translation>Gesendet an</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Ordner</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PaneFrame</name>
    <message>
        <location filename="../src/gui/addressbook/PaneFrame.cpp" line="+43"/>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show Email Address Palette</source>
        <translation>E-Mail-Adresspalette anzeigen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show Address Book Panel</source>
        <translation>Adressbuchbereich einblenden</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Contract Address Book</source>
        <translation>Adressbuch verkleinern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Expand Address Book</source>
        <translation>Adressbuch vergrößern</translation>
    </message>
</context>
<context>
    <name>SavedMessagesPanel</name>
    <message>
        <location filename="../src/gui/store/SavedMessagesPanel.cpp" line="+35"/>
        <source>N&amp;ew Folder...</source>
        <translation>Neuer &amp;Ordner...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mana&amp;ge Folders...</source>
        <translation>Ordner ve&amp;rwalten...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Reply (with original text)</source>
        <translation>An&amp;tworten (mit Originaltext)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reply (&amp;blank)</source>
        <translation>Antworten (&amp;leer)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For&amp;ward</source>
        <translation>&amp;Weiterleiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send &amp;Again</source>
        <translation>&amp;Erneut senden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move t&amp;o:</source>
        <translation>Versch&amp;ieben nach:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>  Folders</source>
        <translation>  Ordner</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search every folder: sender, recipient, subject, text</source>
        <translation>Alle Ordner durchsuchen: Absender, Empfänger, Betreff, Text</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saved messages</source>
        <translation>Gespeicherte Nachrichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder to move the message to</source>
        <translation>Zielordner für die Nachricht</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>This file (%1 MB) is too large to show here. It is kept as it is in %2.</source>
        <translation>Diese Datei (%1 MB) ist zu groß, um sie hier anzuzeigen. Sie bleibt unverändert in %2.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>The message could not be deleted.
%1</source>
        <translation>Die Nachricht konnte nicht gelöscht werden.
%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You must select the folder you want to move the file to.</source>
        <translation>Sie müssen den Ordner auswählen, in den die Datei verschoben werden soll.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There was an error in attempting to move this file.
%1</source>
        <translation>Beim Verschieben dieser Datei ist ein Fehler aufgetreten.
%1</translation>
    </message>
</context>
<context>
    <name>SentCopies</name>
    <message>
        <location filename="../src/gui/compose/SentCopies.cpp" line="+75"/>
        <source>The site did not confirm the message was sent, so no Sent copy was kept.</source>
        <translation>Die Website hat nicht bestätigt, dass die Nachricht gesendet wurde; daher wurde keine Kopie unter „Sent“ gespeichert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The site did not send the message (%1), so no Sent copy was kept.</source>
        <translation>Die Website hat die Nachricht nicht gesendet (%1); daher wurde keine Kopie unter „Sent“ gespeichert.</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <location filename="../src/gui/app/SettingsPanel.cpp" line="+9"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>StartPages</name>
    <message>
        <location filename="../src/gui/sites/StartPages.cpp" line="+18"/>
        <source>Start Page</source>
        <translation>Startseite</translation>
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
        <translation>Zu Yahoo Mail wechseln</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MSN H&amp;otmail</source>
        <translation>MSN H&amp;otmail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotmail</source>
        <translation>Hotmail</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Hotmail</source>
        <translation>Zu Hotmail wechseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round&amp;cube:</source>
        <translation>Round&amp;cube:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Roundcube</source>
        <translation>Roundcube</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to your Roundcube</source>
        <translation>Zu Ihrem Roundcube wechseln</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other &amp;webmail:</source>
        <translation>Anderer &amp;Webmail-Dienst:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other webmail</source>
        <translation>Anderer Webmail-Dienst</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to your other webmail</source>
        <translation>Zu Ihrem anderen Webmail-Dienst wechseln</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 start page</source>
        <translation>Startseite von %1</translation>
    </message>
</context>
<context>
    <name>StoreSubsystem</name>
    <message>
        <location filename="../src/gui/store/StoreSubsystem.cpp" line="+32"/>
        <source>Unable to read message. Are you sure a message is displayed?</source>
        <translation>Die Nachricht konnte nicht gelesen werden. Wird wirklich eine Nachricht angezeigt?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Save Msg &lt;&lt;</source>
        <translation>Nachricht &amp;speichern &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message Saved</source>
        <translation>Nachricht gespeichert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Current Message</source>
        <translation>Aktuelle Nachricht &amp;speichern</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+162"/>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <location line="-149"/>
        <location line="+143"/>
        <source>Save to: %1</source>
        <translation>Speichern in: %1</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>You must select a folder to save the message to</source>
        <translation>Sie müssen einen Ordner auswählen, in dem die Nachricht gespeichert werden soll</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The site did not send the message&apos;s text, so nothing was saved. Is the site reachable? Try again once it is.</source>
        <translation>Die Website hat den Text der Nachricht nicht übermittelt; daher wurde nichts gespeichert. Ist die Website erreichbar? Versuchen Sie es erneut, sobald sie es ist.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+21"/>
        <source>No From or Subject was found on this page</source>
        <translation>Auf dieser Seite wurden weder Absender (Von) noch Betreff gefunden</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>No From was found on this page</source>
        <translation>Auf dieser Seite wurde kein Absender (Von) gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No Subject was found on this page</source>
        <translation>Auf dieser Seite wurde kein Betreff gefunden</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You cannot save incoming messages to the Sent Messages Folder.</source>
        <translation>Eingehende Nachrichten können nicht im Ordner für gesendete Nachrichten (Sent) gespeichert werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sent message could not be kept: %1</source>
        <translation>Die gesendete Nachricht konnte nicht aufbewahrt werden: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The message could not be saved.
%1</source>
        <translation>Die Nachricht konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg not saved</source>
        <translation>Nachricht nicht gespeichert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Msg Saved</source>
        <translation>Nachricht gespeichert</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Folder Name:</source>
        <translation>Ordnername:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to create directory. Please check to make sure you have entered a valid directory name.</source>
        <translation>Der Ordner konnte nicht erstellt werden. Bitte prüfen Sie, ob Sie einen gültigen Ordnernamen eingegeben haben.</translation>
    </message>
</context>
<context>
    <name>Template</name>
    <message>
        <location filename="../src/core/compose/Template.cpp" line="+68"/>
        <source>a template&apos;s name cannot hold &quot;/&quot;</source>
        <translation>der Name einer Vorlage darf kein &quot;/&quot; enthalten</translation>
    </message>
</context>
<context>
    <name>TemplateCommands</name>
    <message>
        <location filename="../src/gui/compose/TemplateCommands.cpp" line="+20"/>
        <source>Use Temp&amp;late &gt;&gt;</source>
        <translation>&amp;Vorlage verwenden &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New/Edit...</source>
        <translation>&amp;Neu/Bearbeiten...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Insert/Edit Email Template...</source>
        <translation>E-Mail-&amp;Vorlage einfügen/bearbeiten...</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>You must select a template.</source>
        <translation>Sie müssen eine Vorlage auswählen.</translation>
    </message>
</context>
<context>
    <name>TemplateDialog</name>
    <message>
        <location filename="../src/gui/compose/TemplateDialog.cpp" line="+22"/>
        <source>Do you want to save your changes to this email template?</source>
        <translation>Möchten Sie Ihre Änderungen an dieser E-Mail-Vorlage speichern?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert to Form &gt;&gt;</source>
        <translation>In Formular einfügen &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Capture from Form &lt;&lt;</source>
        <translation>Aus Formular übernehmen &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for the compose form to load… Close this window to stop waiting.</source>
        <translation>Warten, bis das Verfassen-Formular geladen ist… Schließen Sie dieses Fenster, um das Warten abzubrechen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Email Template</source>
        <translation>E-Mail-Vorlage</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Template name</source>
        <translation>Name der Vorlage</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Template</source>
        <translation>Vorlage öffnen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Body:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Capture From or Insert to Compose Form</source>
        <translation>Aus dem Verfassen-Formular übernehmen oder in dieses einfügen</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The email template could not be read from %1.</source>
        <translation>Die E-Mail-Vorlage konnte nicht aus %1 gelesen werden.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>You must give the email template a name.</source>
        <translation>Sie müssen der E-Mail-Vorlage einen Namen geben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must specify a subject.</source>
        <translation>Sie müssen einen Betreff angeben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must enter some body text.</source>
        <translation>Sie müssen einen Nachrichtentext eingeben.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The email template could not be saved.
%1</source>
        <translation>Die E-Mail-Vorlage konnte nicht gespeichert werden.
%1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <location filename="../src/core/addressbook/AddressBook.cpp" line="+38"/>
        <source>an address book</source>
        <translation>ein Adressbuch</translation>
    </message>
    <message>
        <location filename="../src/core/text/Strings.cpp" line="+96"/>
        <source>it is too large (%1 MB) for %2</source>
        <extracomment>%2 is what the file was to be: &quot;an address book&quot;.</extracomment>
        <translation>die Datei ist zu groß (%1 MB) für %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+5"/>
        <source>it holds binary data, not text</source>
        <translation>die Datei enthält Binärdaten, keinen Text</translation>
    </message>
</context>
<context>
    <name>WaitOverlay</name>
    <message>
        <location filename="../src/gui/app/WaitOverlay.cpp" line="+7"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
</context>
<context>
    <name>WebBrowser</name>
    <message>
        <location filename="../src/gui/browser/WebBrowser.cpp" line="+18"/>
        <source>Opening page %1...</source>
        <translation>Seite %1 wird geöffnet...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Done</source>
        <translation>Fertig</translation>
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
        <translation>&amp;Anderer Webmail-Dienst:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Welcome!</source>
        <translation>Willkommen!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Roundcube address</source>
        <translation>Roundcube-Adresse</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Other webmail address</source>
        <translation>Adresse des anderen Webmail-Dienstes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Welcome to Postling!</source>
        <translation>Willkommen bei Postling!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please indicate whether you would prefer to begin at Yahoo! Mail, Hotmail, your own Roundcube or another webmail when you first start Postling.</source>
        <translation>Bitte geben Sie an, ob Sie beim ersten Start von Postling mit Yahoo! Mail, Hotmail, Ihrem eigenen Roundcube oder einem anderen Webmail-Dienst beginnen möchten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select your Start Page</source>
        <translation>Wählen Sie Ihre Startseite</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Just choose the mail provider you use most often. You can still easily access the others from the toolbar or change the default in the settings tab.</source>
        <translation>Wählen Sie einfach den E-Mail-Anbieter, den Sie am häufigsten nutzen. Die anderen erreichen Sie weiterhin bequem über die Symbolleiste, und die Voreinstellung können Sie auf der Registerkarte „Einstellungen“ ändern.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
