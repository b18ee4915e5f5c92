<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/gui/app/AboutBox.cpp" line="+20"/>
        <source>About Postling</source>
        <translation>Over Postling</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postling keeps your webmail close at hand: saved messages, address books, templates and inbox tools beside Roundcube, Yahoo! Mail and Hotmail.</source>
        <translation>Postling houdt uw webmail binnen handbereik: opgeslagen berichten, adresboeken, sjablonen en hulpmiddelen voor Postvak IN naast Roundcube, Yahoo! Mail en Hotmail.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminformatie...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is op dit moment niet beschikbaar</translation>
    </message>
</context>
<context>
    <name>AddressBookSubsystem</name>
    <message>
        <location filename="../src/gui/addressbook/AddressBookSubsystem.cpp" line="+28"/>
        <source>&amp;New Address Book</source>
        <translation>&amp;Nieuw adresboek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Address Book</source>
        <translation>Adresboek &amp;openen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Addresses</source>
        <translation>Adressen &amp;importeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add New Address</source>
        <translation>Nieuw adres &amp;toevoegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Address</source>
        <translation>Adres &amp;verwijderen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Address from &amp;Message</source>
        <translation>Adres uit be&amp;richt toevoegen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Find Address...</source>
        <translation>Adres &amp;zoeken...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Expand Address Book for Editing</source>
        <translation>Adresboek &amp;uitklappen om te bewerken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide Address Book Pane</source>
        <translation>&amp;Deelvenster adresboek verbergen</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Show Address Book Pane</source>
        <translation>Deelvenster adresboek tonen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Address Book Pane</source>
        <translation>Deelvenster adresboek verbergen</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Open Address List</source>
        <translation>Adreslijst openen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+134"/>
        <source>Address Book (*.csv);;Tab Delimited Text File (*.txt)</source>
        <translation>Adresboek (*.csv);;Tekstbestand met tabs als scheidingsteken (*.txt)</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>The address book could not be read.
%1
Nothing was changed.</source>
        <translation>Het adresboek kon niet worden gelezen.
%1
Er is niets gewijzigd.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Warning: Your address book does not appear to contain any email addresses.</source>
        <translation>Waarschuwing: uw adresboek lijkt geen e-mailadressen te bevatten.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The address book could not be saved.
%1
Your changes are still open: once the disk has room (or the folder can be written), try again.</source>
        <translation>Het adresboek kon niet worden opgeslagen.
%1
Uw wijzigingen staan nog open: probeer het opnieuw zodra er ruimte op de schijf is (of zodra er in de map kan worden geschreven).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New Address Book</source>
        <translation>Nieuw adresboek</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Address Book Name:</source>
        <translation>Naam van het adresboek:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An address book with this name already exists. Do you want to overwrite it?</source>
        <translation>Er bestaat al een adresboek met deze naam. Wilt u het overschrijven?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete the selected addresses?</source>
        <translation>De geselecteerde adressen verwijderen?</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Unable to locate address. Are you sure a message is displayed?</source>
        <translation>Kan geen adres vinden. Weet u zeker dat er een bericht wordt weergegeven?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Addr Added</source>
        <translation>Adres toegevoegd</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Import Address List</source>
        <translation>Adreslijst importeren</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The new data has been appended to the bottom of your address book.</source>
        <translation>De nieuwe gegevens zijn onderaan uw adresboek toegevoegd.</translation>
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
        <translation>Hulpmiddelen voor het adresboek</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Address book</source>
        <translation>Adresboek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The selected cell</source>
        <translation>De geselecteerde cel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hide Address Book Pane</source>
        <translation>Deelvenster adresboek verbergen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>New Address Book</source>
        <translation>Nieuw adresboek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Address Book/List</source>
        <translation>Adresboek/adreslijst openen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add blank address</source>
        <translation>Leeg adres toevoegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove address</source>
        <translation>Adres verwijderen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find in address book</source>
        <translation>Zoeken in adresboek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add address from current message</source>
        <translation>Adres uit huidig bericht toevoegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into To field</source>
        <translation>Adres invoegen in Aan-veld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Cc field</source>
        <translation>Adres invoegen in Cc-veld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Bcc field</source>
        <translation>Adres invoegen in Bcc-veld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expand Address Book</source>
        <translation>Adresboek uitklappen</translation>
    </message>
    <message>
        <location line="+61"/>
        <source> Address Book:  %1</source>
        <translation> Adresboek:  %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/gui/app/Artwork.cpp" line="+44"/>
        <source>your webmail companion</source>
        <translation>uw hulp bij webmail</translation>
    </message>
</context>
<context>
    <name>BrowsingSubsystem</name>
    <message>
        <location filename="../src/gui/browsing/BrowsingSubsystem.cpp" line="+33"/>
        <source>Go directly to &amp;inbox after login (bypass mail home page)</source>
        <translation>Na aanmelden &amp;direct naar Postvak IN gaan (startpagina van de mail overslaan)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Back</source>
        <translation>Ga terug</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Forward</source>
        <translation>Ga vooruit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Postling Help</source>
        <translation>Help bij Postling</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>Go</source>
        <translation>Ga</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>No calendar</source>
        <translation>Geen agenda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has no calendar that Postling can show.</source>
        <translation>%1 heeft geen agenda die Postling kan weergeven.</translation>
    </message>
</context>
<context>
    <name>ComposeFiller</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/ComposeFiller.cpp" line="+60"/>
        <source>The compose form did not come within %n seconds, so nothing was filled. Open the Compose tab, then try again.</source>
        <translation>
            <numerusform>Het opstelformulier verscheen niet binnen %n seconde, dus er is niets ingevuld. Open het tabblad Opstellen en probeer het opnieuw.</numerusform>
            <numerusform>Het opstelformulier verscheen niet binnen %n seconden, dus er is niets ingevuld. Open het tabblad Opstellen en probeer het opnieuw.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>To</source>
        <translation>Aan</translation>
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
        <translation>Onderwerp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message text</source>
        <translation>berichttekst</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No %1 field was found on this page</source>
        <translation>Er is geen veld „%1” gevonden op deze pagina</translation>
    </message>
</context>
<context>
    <name>ComposeSubsystem</name>
    <message>
        <location filename="../src/gui/compose/ComposeSubsystem.cpp" line="+33"/>
        <location line="+1"/>
        <source>&amp;Mail Merge...</source>
        <translation>E-&amp;mail samenvoegen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Email Address Palette...</source>
        <translation>&amp;E-mailadrespalet...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve Sent Messages</source>
        <translation>Ver&amp;zonden berichten opslaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Email Address Palette on Startup</source>
        <translation>&amp;E-mailadrespalet tonen bij opstarten</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Insert into &amp;To field</source>
        <translation>Invoegen in &amp;Aan-veld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Cc field</source>
        <translation>Invoegen in &amp;Cc-veld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Bcc field</source>
        <translation>Invoegen in &amp;Bcc-veld</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>Unable to insert address. Are you sure the Compose screen is displayed in your browser?</source>
        <translation>Kan het adres niet invoegen. Weet u zeker dat het scherm Opstellen in uw browser wordt weergegeven?</translation>
    </message>
</context>
<context>
    <name>DefaultMailer</name>
    <message>
        <location filename="../src/gui/app/DefaultMailer.cpp" line="+52"/>
        <source>cannot create %1</source>
        <translation>kan %1 niet aanmaken</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Make Postling the program that opens e-mail links (mailto:) on this desktop?</source>
        <translation>Postling instellen als het programma dat e-mailkoppelingen (mailto:) opent op dit bureaublad?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Postling now opens e-mail links (mailto:).</source>
        <translation>Postling opent nu e-mailkoppelingen (mailto:).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>xdg-mime was not found (it comes with the xdg-utils package).</source>
        <translation>xdg-mime is niet gevonden (het hoort bij het pakket xdg-utils).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>xdg-mime said: %1</source>
        <translation>xdg-mime meldde: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postling could not be made the program for e-mail links. %1</source>
        <translation>Postling kon niet worden ingesteld als programma voor e-mailkoppelingen. %1</translation>
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
        <translation>E-mailadressen</translation>
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
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder or file is read-only (no permission to write)</source>
        <translation>de map of het bestand is alleen-lezen (geen schrijfrechten)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not there any more (moved or deleted)</source>
        <translation>het bestaat niet meer (verplaatst of verwijderd)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of that name is in the way</source>
        <translation>een map met die naam staat in de weg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a file of that name is already there</source>
        <translation>er bestaat al een bestand met die naam</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the name is too long</source>
        <translation>de naam is te lang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk reported an error</source>
        <translation>de schijf meldde een fout</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+22"/>
        <source>Find Address</source>
        <translation>Adres zoeken</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find:</source>
        <translation>Zoeken:</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/app/HelpWindow.cpp" line="+14"/>
        <source>Postling Help</source>
        <translation>Help bij Postling</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The help file %1 was not found.</source>
        <translation>Het helpbestand %1 is niet gevonden.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+38"/>
        <source>Move Selected Column to Postion:</source>
        <translation>Geselecteerde kolom verplaatsen naar positie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish Import</source>
        <translation>Importeren voltooien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Data</source>
        <translation>Gegevens importeren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>first name</source>
        <translation>voornaam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last name</source>
        <translation>achternaam</translation>
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
        <translation>%1 uit &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proposed: %1.</source>
        <translation>Voorgesteld: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Line up Columns</source>
        <translation>Kolommen uitlijnen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Before clicking the Finish Import button, you must insure that the fields (columns) line up properly. Use the controls below to  move columns in the data file you are importing. It is NOT necessary to line up columns which are completely blank or which contain information you don&apos;t care about.</source>
        <translation>Zorg ervoor dat de velden (kolommen) goed zijn uitgelijnd voordat u op de knop Importeren voltooien klikt. Gebruik de knoppen hieronder om kolommen in het gegevensbestand dat u importeert te verplaatsen. Kolommen die helemaal leeg zijn of gegevens bevatten die u niet nodig hebt, hoeft u NIET uit te lijnen.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Data being Imported:</source>
        <translation>Gegevens die worden geïmporteerd:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import To (The data being imported must line up with these colums):</source>
        <translation>Importeren naar (de geïmporteerde gegevens moeten met deze kolommen zijn uitgelijnd):</translation>
    </message>
</context>
<context>
    <name>InboxSubsystem</name>
    <message>
        <location filename="../src/gui/inbox/InboxSubsystem.cpp" line="+25"/>
        <source>Inbox Management</source>
        <translation>Beheer Postvak IN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inbox Management/Spam Settings</source>
        <translation>Beheer Postvak IN/spaminstellingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks only un&amp;read messages</source>
        <translation>&quot;Spam aanvinken&quot; vinkt a&amp;lleen ongelezen berichten aan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks messa&amp;ges with multiple non-English characters</source>
        <translation>&quot;Spam aanvinken&quot; vinkt berichten met meerdere niet-En&amp;gelse tekens aan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit Spam &amp;Keywords</source>
        <translation>Spamtrefwoorden bewer&amp;ken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check S&amp;pam</source>
        <translation>S&amp;pam aanvinken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Unread</source>
        <translation>&amp;Ongelezen aanvinken</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Check Spam Messages</source>
        <translation>&amp;Spamberichten aanvinken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;heck Unread Messages</source>
        <translation>&amp;Ongelezen berichten aanvinken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Group of Messages</source>
        <translation>&amp;Groep berichten aanvinken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Uncheck All Messages</source>
        <translation>Alle berichten &amp;uitvinken</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Unread Messages</source>
        <translation>Alle ongelezen berichten</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>First %n Unread Messages</source>
        <translation>
            <numerusform>Eerste %n ongelezen bericht</numerusform>
            <numerusform>Eerste %n ongelezen berichten</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;Check Unread&quot; checks:</source>
        <translation>&quot;Ongelezen aanvinken&quot; vinkt aan:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>a list of spam keywords</source>
        <translation>een lijst met spamtrefwoorden</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No message list with check boxes was found on this page</source>
        <translation>Geen berichtenlijst met selectievakjes gevonden op deze pagina</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>Ticked %n: %1 by keyword, %2 non-English</source>
        <translation>
            <numerusform>%n aangevinkt: %1 op trefwoord, %2 niet-Engels</numerusform>
            <numerusform>%n aangevinkt: %1 op trefwoord, %2 niet-Engels</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Check Unread: unread</source>
        <extracomment>Why Check Unread ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Ongelezen aanvinken: ongelezen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n unread</source>
        <translation>
            <numerusform>%n ongelezen aangevinkt</numerusform>
            <numerusform>%n ongelezen aangevinkt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check Group: between ticked messages</source>
        <translation>Groep aanvinken: tussen aangevinkte berichten</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n between ticked messages</source>
        <translation>
            <numerusform>%n aangevinkt tussen aangevinkte berichten</numerusform>
            <numerusform>%n aangevinkt tussen aangevinkte berichten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Unticked %n</source>
        <translation>
            <numerusform>%n uitgevinkt</numerusform>
            <numerusform>%n uitgevinkt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InboxTools</name>
    <message>
        <location filename="../src/core/inbox/InboxTools.cpp" line="+96"/>
        <source>Check Spam: keyword &apos;%1&apos;</source>
        <extracomment>Why Check Spam ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Spam aanvinken: trefwoord &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Spam: %1 non-English letters</source>
        <translation>Spam aanvinken: %1 niet-Engelse letters</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../src/core/app/IniFile.cpp" line="+102"/>
        <source>a setting&apos;s value cannot hold a line break or NUL</source>
        <translation>de waarde van een instelling mag geen regeleinde of NUL bevatten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed section name</source>
        <translation>ongeldige sectienaam</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed key</source>
        <translation>ongeldige sleutel</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>no settings file</source>
        <translation>geen instellingenbestand</translation>
    </message>
</context>
<context>
    <name>MailMerge</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/MailMerge.cpp" line="+35"/>
        <source>Waiting for the site (message %1); the run stops if it has not answered in %n seconds…</source>
        <translation>
            <numerusform>Wachten op de site (bericht %1); de verzendronde stopt als de site niet binnen %n seconde antwoordt…</numerusform>
            <numerusform>Wachten op de site (bericht %1); de verzendronde stopt als de site niet binnen %n seconden antwoordt…</numerusform>
        </translation>
    </message>
    <message>
        <location line="+121"/>
        <source>The message has no text. Write it in the compose form, or use a template, then start the merge.</source>
        <translation>Het bericht heeft geen tekst. Schrijf het in het opstelformulier of gebruik een sjabloon, en start daarna het samenvoegen.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The merge log could not be written, so nothing was sent.
%1</source>
        <translation>Het samenvoeglogboek kon niet worden geschreven, dus er is niets verzonden.
%1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Stopping once message %1 has been accepted; press Stop again not to wait.</source>
        <translation>Er wordt gestopt zodra bericht %1 is geaccepteerd; klik nogmaals op Stoppen om niet te wachten.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 of %2 sent, %3 left</source>
        <translation>%1 van %2 verzonden, nog %3</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../src/gui/app/MainForm.cpp" line="+102"/>
        <source>Inbox/Login</source>
        <translation>Postvak IN/Aanmelden</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+67"/>
        <source>Compose</source>
        <translation>Opstellen</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Saved Message Folders (local)</source>
        <translation>Mappen met opgeslagen berichten (lokaal)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calendar</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Address </source>
        <translation> Adres </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Messages Locally</source>
        <translation>Berichten lokaal opslaan</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder:</source>
        <translation>Map:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Set Postling as your &amp;Default E-mail Program (for mailto links)</source>
        <translation>Postling instellen als &amp;uw standaard-e-mailprogramma (voor mailto-koppelingen)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Default Email Template:</source>
        <translation>Standaard-e-mailsjabloon:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Default Folder for Saving Messages:</source>
        <translation>Standaardmap voor het opslaan van berichten:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Address Book</source>
        <translation>&amp;Adresboek</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhoud...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About Postling...</source>
        <translation>&amp;Over Postling...</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close Postling anyway? The changes to the address book will be lost.</source>
        <translation>Postling toch afsluiten? De wijzigingen in het adresboek gaan verloren.</translation>
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
            <numerusform>%n onderbroken schrijfbewerking verwijderd</numerusform>
            <numerusform>%n onderbroken schrijfbewerkingen verwijderd</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a mail merge to resume (Mail Merge, Start)</source>
        <translation>een samenvoeging om te hervatten (E-mail samenvoegen, Starten)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recovered: %1</source>
        <translation>Hersteld: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not read: %1</source>
        <translation>Niet gelezen: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>More tools</source>
        <translation>Meer hulpmiddelen</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Postling could not save its settings or spam keywords; the files keep what they held before.
%1</source>
        <translation>Postling kon de instellingen of spamtrefwoorden niet opslaan; de bestanden behouden hun eerdere inhoud.
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
        <translation>Alle adressen in uw adresboek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the selected addresses</source>
        <translation>Alleen de geselecteerde adressen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+158"/>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <location line="-157"/>
        <source>Stop Test</source>
        <translation>Test stoppen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Log</source>
        <translation>Logboek verbergen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show Log</source>
        <translation>Logboek tonen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location line="+111"/>
        <location line="+7"/>
        <source>Emails Sent: %n</source>
        <translation>
            <numerusform>E-mails verzonden: %n</numerusform>
            <numerusform>E-mails verzonden: %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview...</source>
        <translation>Voorbeeld...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mail Merge</source>
        <translation>E-mail samenvoegen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mail Merge lets you send personalized email to a list of people. You must enter the body of your email message into the Compose form. You can use &quot;Merge  Fields&quot; to insert personalized information such as names from your address book.</source>
        <translation>Met E-mail samenvoegen kunt u gepersonaliseerde e-mail naar een lijst met personen verzenden. U moet de tekst van uw e-mailbericht in het opstelformulier invoeren. Met &quot;samenvoegvelden&quot; kunt u persoonlijke gegevens, zoals namen uit uw adresboek, invoegen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For detailed instructions on how to use this feature, please  click the Help button.</source>
        <translation>Klik op de knop Help voor uitgebreide instructies over het gebruik van deze functie.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Merge Settings</source>
        <translation>Instellingen voor samenvoegen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Mail To:</source>
        <translation>E-mail verzenden naar:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause between messages:</source>
        <translation>Pauze tussen berichten:</translation>
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
        <translation>De testfunctie maakt één e-mail op basis van het eerste adres in uw lijst en toont die in het opstelformulier. De e-mail wordt niet verzonden. Controleer of de test-e-mail juist is en klik daarna op de knop Test stoppen om terug te keren naar uw oorspronkelijke e-mailsjabloon.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Start Merge: Press Start to begin sending</source>
        <translation>Samenvoegen starten: klik op Starten om het verzenden te beginnen</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>row %1, %2: %3</source>
        <translation>rij %1, %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not sent to %1: %2</source>
        <translation>Niet verzonden naar %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n sent. The site did not send these:
%1
Start again to send just them once they are put right.</source>
        <translation>
            <numerusform>%n verzonden. De site heeft deze niet verzonden:
%1
Start opnieuw om alleen deze te verzenden zodra ze zijn verbeterd.</numerusform>
            <numerusform>%n verzonden. De site heeft deze niet verzonden:
%1
Start opnieuw om alleen deze te verzenden zodra ze zijn verbeterd.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Emails have been sent to:</source>
        <translation>E-mails zijn verzonden naar:</translation>
    </message>
</context>
<context>
    <name>MergePreview</name>
    <message>
        <location filename="../src/gui/compose/MergePreview.cpp" line="+16"/>
        <source>skipped: no address</source>
        <translation>overgeslagen: geen adres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: sent by an earlier run</source>
        <translation>overgeslagen: verzonden in een eerdere verzendronde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: was being sent when a run stopped</source>
        <translation>overgeslagen: werd verzonden toen een verzendronde stopte</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Merge Preview</source>
        <translation>Voorbeeld samenvoegen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Row</source>
        <translation>Rij</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>To</source>
        <translation>Aan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subject</source>
        <translation>Onderwerp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the body</source>
        <translation>Begin van de tekst</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 of %n rows will be sent.</source>
        <translation>
            <numerusform>Te verzenden: %1 van %n rij.</numerusform>
            <numerusform>Te verzenden: %1 van %n rijen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 matches no column and is sent as it is written.</source>
        <translation>%1 komt met geen enkele kolom overeen en wordt verzonden zoals het geschreven is.</translation>
    </message>
</context>
<context>
    <name>MergeTexts</name>
    <message>
        <location filename="../src/gui/compose/MergeTexts.cpp" line="+21"/>
        <source>Unable to send message. Are you sure the compose form is displayed? Mail Merge works only in plain test mode. You cannot use the Rich Text/HTML compose form.</source>
        <translation>Kan het bericht niet verzenden. Weet u zeker dat het opstelformulier wordt weergegeven? E-mail samenvoegen werkt alleen in de modus voor platte tekst. U kunt het opstelformulier voor opgemaakte tekst/HTML niet gebruiken.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The run has stopped; press Stop, and Start again later to send the rest. %1 lists what was sent.</source>
        <translation>De verzendronde is gestopt; klik op Stoppen en later opnieuw op Starten om de rest te verzenden. In %1 staat wat er is verzonden.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The site did not accept the message to %1.</source>
        <translation>De site heeft het bericht aan %1 niet geaccepteerd.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not accept the message to %1 (row %2).</source>
        <translation>De site heeft het bericht aan %1 (rij %2) niet geaccepteerd.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The site showed another page instead of its compose form.</source>
        <translation>De site toonde een andere pagina in plaats van het opstelformulier.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site showed another page instead of its compose form: perhaps you were signed out. Sign in again first.</source>
        <translation>De site toonde een andere pagina in plaats van het opstelformulier: misschien bent u afgemeld. Meld u eerst opnieuw aan.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No answer about the message to %1.</source>
        <translation>Geen antwoord over het bericht aan %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds about the message to %2 (row %3). It may have been sent, so it will not be sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>De site heeft niet binnen %1 seconden geantwoord over het bericht aan %2 (rij %3). Het is misschien verzonden en wordt daarom niet opnieuw verzonden: zoek het in de map Verzonden van de site.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The site did not answer.</source>
        <translation>De site heeft niet geantwoord.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds.</source>
        <translation>De site heeft niet binnen %1 seconden geantwoord.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge log could not be written.</source>
        <translation>Het samenvoeglogboek kon niet worden geschreven.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The merge log could not be written, so the run has stopped before its next message.
%1
Press Stop; once the log can be written, Start again to send the rest.</source>
        <translation>Het samenvoeglogboek kon niet worden geschreven, dus de verzendronde is vóór het volgende bericht gestopt.
%1
Klik op Stoppen; klik zodra het logboek weer kan worden geschreven opnieuw op Starten om de rest te verzenden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>The site could not be reached.</source>
        <translation>De site is niet bereikbaar.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>The last run of this message over this address book did not finish: %n of its messages were sent.</source>
        <translation>
            <numerusform>De laatste verzendronde van dit bericht met dit adresboek is niet voltooid: er is %n bericht verzonden.</numerusform>
            <numerusform>De laatste verzendronde van dit bericht met dit adresboek is niet voltooid: er zijn %n berichten verzonden.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was being sent when the run stopped. It is not sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>Rij %1 (%2) werd verzonden toen de verzendronde stopte. Deze wordt niet opnieuw verzonden: zoek het bericht in de map Verzonden van de site.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was refused: %3</source>
        <translation>Rij %1 (%2) is geweigerd: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skip the rows already sent and send only the rest? (No sends every row again; Cancel sends nothing.)</source>
        <translation>De al verzonden rijen overslaan en alleen de rest verzenden? (Nee verzendt elke rij opnieuw; Annuleren verzendt niets.)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The merge cannot start: no %1 field was found on this page.</source>
        <translation>Het samenvoegen kan niet beginnen: er is geen veld „%1” gevonden op deze pagina.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The merge cannot start: no Send button was found on this page.</source>
        <translation>Het samenvoegen kan niet beginnen: er is geen verzendknop gevonden op deze pagina.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge cannot start: this page has no place where the site says whether a message was sent, so Postling could not tell which messages went.</source>
        <translation>Het samenvoegen kan niet beginnen: deze pagina heeft geen plek waar de site zegt of een bericht is verzonden, dus Postling zou niet kunnen zien welke berichten zijn verstuurd.</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>Send %n messages, one to each address of the chosen rows?</source>
        <translation>
            <numerusform>%n bericht verzenden, één naar elk adres van de gekozen rijen?</numerusform>
            <numerusform>%n berichten verzenden, één naar elk adres van de gekozen rijen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MessageListModel</name>
    <message>
        <location filename="../src/gui/store/MessageListModel.cpp" line="+84"/>
        <source>Sent To</source>
        <translation>Verzonden aan</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Subject</source>
        <translation>Onderwerp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To</source>
        <translation>Aan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Map</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>PaneFrame</name>
    <message>
        <location filename="../src/gui/addressbook/PaneFrame.cpp" line="+43"/>
        <source>To</source>
        <translation>Aan</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show Email Address Palette</source>
        <translation>E-mailadrespalet tonen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show Address Book Panel</source>
        <translation>Deelvenster adresboek tonen</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Contract Address Book</source>
        <translation>Adresboek inklappen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Expand Address Book</source>
        <translation>Adresboek uitklappen</translation>
    </message>
</context>
<context>
    <name>SavedMessagesPanel</name>
    <message>
        <location filename="../src/gui/store/SavedMessagesPanel.cpp" line="+35"/>
        <source>N&amp;ew Folder...</source>
        <translation>Nieu&amp;we map...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mana&amp;ge Folders...</source>
        <translation>Mappen behe&amp;ren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Reply (with original text)</source>
        <translation>B&amp;eantwoorden (met oorspronkelijke tekst)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reply (&amp;blank)</source>
        <translation>Beantwoorden (&amp;leeg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For&amp;ward</source>
        <translation>&amp;Doorsturen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send &amp;Again</source>
        <translation>Opn&amp;ieuw verzenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move t&amp;o:</source>
        <translation>Verplaa&amp;tsen naar:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>  Folders</source>
        <translation>  Mappen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search every folder: sender, recipient, subject, text</source>
        <translation>Zoeken in alle mappen: afzender, ontvanger, onderwerp, tekst</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saved messages</source>
        <translation>Opgeslagen berichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders</source>
        <translation>Mappen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder to move the message to</source>
        <translation>Map waarnaar het bericht wordt verplaatst</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>This file (%1 MB) is too large to show here. It is kept as it is in %2.</source>
        <translation>Dit bestand (%1 MB) is te groot om hier te tonen. Het blijft ongewijzigd in %2.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>The message could not be deleted.
%1</source>
        <translation>Het bericht kon niet worden verwijderd.
%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You must select the folder you want to move the file to.</source>
        <translation>U moet de map selecteren waarnaar u het bestand wilt verplaatsen.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There was an error in attempting to move this file.
%1</source>
        <translation>Er is een fout opgetreden bij het verplaatsen van dit bestand.
%1</translation>
    </message>
</context>
<context>
    <name>SentCopies</name>
    <message>
        <location filename="../src/gui/compose/SentCopies.cpp" line="+75"/>
        <source>The site did not confirm the message was sent, so no Sent copy was kept.</source>
        <translation>De site heeft niet bevestigd dat het bericht is verzonden, dus is er geen kopie in Sent bewaard.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The site did not send the message (%1), so no Sent copy was kept.</source>
        <translation>De site heeft het bericht niet verzonden (%1), dus is er geen kopie in Sent bewaard.</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <location filename="../src/gui/app/SettingsPanel.cpp" line="+9"/>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
</context>
<context>
    <name>StartPages</name>
    <message>
        <location filename="../src/gui/sites/StartPages.cpp" line="+18"/>
        <source>Start Page</source>
        <translation>Startpagina</translation>
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
        <translation>Naar Yahoo Mail gaan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MSN H&amp;otmail</source>
        <translation>MSN Ho&amp;tmail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotmail</source>
        <translation>Hotmail</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Hotmail</source>
        <translation>Naar Hotmail gaan</translation>
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
        <translation>Naar uw Roundcube gaan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other &amp;webmail:</source>
        <translation>Andere &amp;webmail:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other webmail</source>
        <translation>Andere webmail</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to your other webmail</source>
        <translation>Naar uw andere webmail gaan</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 start page</source>
        <translation>Startpagina van %1</translation>
    </message>
</context>
<context>
    <name>StoreSubsystem</name>
    <message>
        <location filename="../src/gui/store/StoreSubsystem.cpp" line="+32"/>
        <source>Unable to read message. Are you sure a message is displayed?</source>
        <translation>Kan het bericht niet lezen. Weet u zeker dat er een bericht wordt weergegeven?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Save Msg &lt;&lt;</source>
        <translation>Bericht op&amp;slaan &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message Saved</source>
        <translation>Bericht opgeslagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Current Message</source>
        <translation>&amp;Huidig bericht opslaan</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+162"/>
        <source>New Folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <location line="-149"/>
        <location line="+143"/>
        <source>Save to: %1</source>
        <translation>Opslaan in: %1</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>You must select a folder to save the message to</source>
        <translation>U moet een map selecteren om het bericht in op te slaan</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The site did not send the message&apos;s text, so nothing was saved. Is the site reachable? Try again once it is.</source>
        <translation>De site heeft de tekst van het bericht niet gestuurd, dus is er niets opgeslagen. Is de site bereikbaar? Probeer het opnieuw zodra dat zo is.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+21"/>
        <source>No From or Subject was found on this page</source>
        <translation>Geen afzender (Van) of onderwerp gevonden op deze pagina</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>No From was found on this page</source>
        <translation>Geen afzender (Van) gevonden op deze pagina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No Subject was found on this page</source>
        <translation>Geen onderwerp gevonden op deze pagina</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You cannot save incoming messages to the Sent Messages Folder.</source>
        <translation>U kunt inkomende berichten niet opslaan in de map voor verzonden berichten (Sent).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sent message could not be kept: %1</source>
        <translation>Het verzonden bericht kon niet worden bewaard: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The message could not be saved.
%1</source>
        <translation>Het bericht kon niet worden opgeslagen.
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg not saved</source>
        <translation>Bericht niet opgeslagen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Msg Saved</source>
        <translation>Bericht opgeslagen</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Folder Name:</source>
        <translation>Mapnaam:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to create directory. Please check to make sure you have entered a valid directory name.</source>
        <translation>Kan de map niet maken. Controleer of u een geldige mapnaam hebt ingevoerd.</translation>
    </message>
</context>
<context>
    <name>Template</name>
    <message>
        <location filename="../src/core/compose/Template.cpp" line="+68"/>
        <source>a template&apos;s name cannot hold &quot;/&quot;</source>
        <translation>de naam van een sjabloon mag geen &quot;/&quot; bevatten</translation>
    </message>
</context>
<context>
    <name>TemplateCommands</name>
    <message>
        <location filename="../src/gui/compose/TemplateCommands.cpp" line="+20"/>
        <source>Use Temp&amp;late &gt;&gt;</source>
        <translation>S&amp;jabloon gebruiken &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New/Edit...</source>
        <translation>&amp;Nieuw/bewerken...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Insert/Edit Email Template...</source>
        <translation>E-mailsjabloon &amp;invoegen/bewerken...</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>You must select a template.</source>
        <translation>U moet een sjabloon selecteren.</translation>
    </message>
</context>
<context>
    <name>TemplateDialog</name>
    <message>
        <location filename="../src/gui/compose/TemplateDialog.cpp" line="+22"/>
        <source>Do you want to save your changes to this email template?</source>
        <translation>Wilt u de wijzigingen in dit e-mailsjabloon opslaan?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert to Form &gt;&gt;</source>
        <translation>In formulier invoegen &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Capture from Form &lt;&lt;</source>
        <translation>Uit formulier overnemen &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for the compose form to load… Close this window to stop waiting.</source>
        <translation>Wachten tot het opstelformulier is geladen… Sluit dit venster om niet langer te wachten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Email Template</source>
        <translation>E-mailsjabloon</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Template name</source>
        <translation>Naam van het sjabloon</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Template</source>
        <translation>Sjabloon openen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject:</source>
        <translation>Onderwerp:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Body:</source>
        <translation>Berichttekst:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Capture From or Insert to Compose Form</source>
        <translation>Overnemen uit of invoegen in opstelformulier</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The email template could not be read from %1.</source>
        <translation>Het e-mailsjabloon kon niet worden gelezen uit %1.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>You must give the email template a name.</source>
        <translation>U moet het e-mailsjabloon een naam geven.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must specify a subject.</source>
        <translation>U moet een onderwerp opgeven.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must enter some body text.</source>
        <translation>U moet een berichttekst invoeren.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The email template could not be saved.
%1</source>
        <translation>Het e-mailsjabloon kon niet worden opgeslagen.
%1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <location filename="../src/core/addressbook/AddressBook.cpp" line="+38"/>
        <source>an address book</source>
        <translation>een adresboek</translation>
    </message>
    <message>
        <location filename="../src/core/text/Strings.cpp" line="+96"/>
        <source>it is too large (%1 MB) for %2</source>
        <extracomment>%2 is what the file was to be: &quot;an address book&quot;.</extracomment>
        <translation>het is te groot (%1 MB) voor %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+5"/>
        <source>it holds binary data, not text</source>
        <translation>het bevat binaire gegevens, geen tekst</translation>
    </message>
</context>
<context>
    <name>WaitOverlay</name>
    <message>
        <location filename="../src/gui/app/WaitOverlay.cpp" line="+7"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please wait...</source>
        <translation>Even geduld...</translation>
    </message>
</context>
<context>
    <name>WebBrowser</name>
    <message>
        <location filename="../src/gui/browser/WebBrowser.cpp" line="+18"/>
        <source>Opening page %1...</source>
        <translation>Pagina %1 openen...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Done</source>
        <translation>Gereed</translation>
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
        <translation>&amp;Andere webmail:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Welcome!</source>
        <translation>Welkom!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Roundcube address</source>
        <translation>Adres van Roundcube</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Other webmail address</source>
        <translation>Adres van de andere webmail</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Welcome to Postling!</source>
        <translation>Welkom bij Postling!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please indicate whether you would prefer to begin at Yahoo! Mail, Hotmail, your own Roundcube or another webmail when you first start Postling.</source>
        <translation>Geef aan of u bij het starten van Postling liever begint bij Yahoo! Mail, Hotmail, uw eigen Roundcube of een andere webmail.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select your Start Page</source>
        <translation>Kies uw startpagina</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Just choose the mail provider you use most often. You can still easily access the others from the toolbar or change the default in the settings tab.</source>
        <translation>Kies gewoon de mailprovider die u het vaakst gebruikt. U kunt de andere nog altijd eenvoudig openen via de werkbalk, of de standaardkeuze wijzigen op het tabblad Instellingen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
