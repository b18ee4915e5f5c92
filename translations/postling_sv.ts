<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/gui/app/AboutBox.cpp" line="+20"/>
        <source>About Postling</source>
        <translation>Om Postling</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postling keeps your webmail close at hand: saved messages, address books, templates and inbox tools beside Roundcube, Yahoo! Mail and Hotmail.</source>
        <translation>Postling har din webbmail nära till hands: sparade meddelanden, adressböcker, mallar och inkorgsverktyg bredvid Roundcube, Yahoo! Mail och Hotmail.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;System Info...</source>
        <translation>Sys&amp;teminformation...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen är inte tillgänglig just nu</translation>
    </message>
</context>
<context>
    <name>AddressBookSubsystem</name>
    <message>
        <location filename="../src/gui/addressbook/AddressBookSubsystem.cpp" line="+28"/>
        <source>&amp;New Address Book</source>
        <translation>&amp;Ny adressbok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Address Book</source>
        <translation>Ö&amp;ppna adressbok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Addresses</source>
        <translation>&amp;Importera adresser</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add New Address</source>
        <translation>&amp;Lägg till ny adress</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Address</source>
        <translation>Ta bort &amp;adress</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Address from &amp;Message</source>
        <translation>Lägg till adress från &amp;meddelande</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Find Address...</source>
        <translation>&amp;Sök adress...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Expand Address Book for Editing</source>
        <translation>&amp;Förstora adressboken för redigering</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide Address Book Pane</source>
        <translation>&amp;Dölj adressbokspanelen</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Show Address Book Pane</source>
        <translation>Visa adressbokspanelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Address Book Pane</source>
        <translation>Dölj adressbokspanelen</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Open Address List</source>
        <translation>Öppna adresslista</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+134"/>
        <source>Address Book (*.csv);;Tab Delimited Text File (*.txt)</source>
        <translation>Adressbok (*.csv);;Tabbavgränsad textfil (*.txt)</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>The address book could not be read.
%1
Nothing was changed.</source>
        <translation>Adressboken kunde inte läsas.
%1
Ingenting har ändrats.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Warning: Your address book does not appear to contain any email addresses.</source>
        <translation>Varning: Adressboken verkar inte innehålla några e-postadresser.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The address book could not be saved.
%1
Your changes are still open: once the disk has room (or the folder can be written), try again.</source>
        <translation>Adressboken kunde inte sparas.
%1
Dina ändringar finns kvar: försök igen när det finns plats på disken (eller när det går att skriva i mappen).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New Address Book</source>
        <translation>Ny adressbok</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Address Book Name:</source>
        <translation>Adressbokens namn:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An address book with this name already exists. Do you want to overwrite it?</source>
        <translation>Det finns redan en adressbok med det här namnet. Vill du skriva över den?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete the selected addresses?</source>
        <translation>Vill du ta bort de valda adresserna?</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Unable to locate address. Are you sure a message is displayed?</source>
        <translation>Det gick inte att hitta någon adress. Är du säker på att ett meddelande visas?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Addr Added</source>
        <translation>Adress tillagd</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Import Address List</source>
        <translation>Importera adresslista</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The new data has been appended to the bottom of your address book.</source>
        <translation>De nya uppgifterna har lagts till sist i adressboken.</translation>
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
        <translation>Adressboksverktyg</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Address book</source>
        <translation>Adressbok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The selected cell</source>
        <translation>Den markerade cellen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hide Address Book Pane</source>
        <translation>Dölj adressbokspanelen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>New Address Book</source>
        <translation>Ny adressbok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Address Book/List</source>
        <translation>Öppna adressbok/lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add blank address</source>
        <translation>Lägg till tom adress</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove address</source>
        <translation>Ta bort adress</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find in address book</source>
        <translation>Sök i adressboken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add address from current message</source>
        <translation>Lägg till adress från aktuellt meddelande</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into To field</source>
        <translation>Infoga adressen i Till-fältet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Cc field</source>
        <translation>Infoga adressen i Cc-fältet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Bcc field</source>
        <translation>Infoga adressen i Bcc-fältet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expand Address Book</source>
        <translation>Förstora adressboken</translation>
    </message>
    <message>
        <location line="+61"/>
        <source> Address Book:  %1</source>
        <translation> Adressbok:  %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/gui/app/Artwork.cpp" line="+44"/>
        <source>your webmail companion</source>
        <translation>din följeslagare för webbmail</translation>
    </message>
</context>
<context>
    <name>BrowsingSubsystem</name>
    <message>
        <location filename="../src/gui/browsing/BrowsingSubsystem.cpp" line="+33"/>
        <source>Go directly to &amp;inbox after login (bypass mail home page)</source>
        <translation>Gå direkt till &amp;inkorgen efter inloggning (hoppa över e-posttjänstens startsida)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Back</source>
        <translation>Gå bakåt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Framåt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Forward</source>
        <translation>Gå framåt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Postling Help</source>
        <translation>Hjälp för Postling</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>Go</source>
        <translation>Gå</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Address</source>
        <translation>Adress</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>No calendar</source>
        <translation>Ingen kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has no calendar that Postling can show.</source>
        <translation>%1 har ingen kalender som Postling kan visa.</translation>
    </message>
</context>
<context>
    <name>ComposeFiller</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/ComposeFiller.cpp" line="+60"/>
        <source>The compose form did not come within %n seconds, so nothing was filled. Open the Compose tab, then try again.</source>
        <translation>
            <numerusform>Skrivformuläret visades inte inom %n sekund, så ingenting fylldes i. Öppna fliken Skriv och försök sedan igen.</numerusform>
            <numerusform>Skrivformuläret visades inte inom %n sekunder, så ingenting fylldes i. Öppna fliken Skriv och försök sedan igen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>To</source>
        <translation>Till</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cc</source>
        <translation>Kopia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bcc</source>
        <translation>Dold kopia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subject</source>
        <translation>Ämne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message text</source>
        <translation>meddelandetext</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No %1 field was found on this page</source>
        <translation>Inget fält ”%1” hittades på den här sidan</translation>
    </message>
</context>
<context>
    <name>ComposeSubsystem</name>
    <message>
        <location filename="../src/gui/compose/ComposeSubsystem.cpp" line="+33"/>
        <location line="+1"/>
        <source>&amp;Mail Merge...</source>
        <translation>Mass&amp;utskick...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Email Address Palette...</source>
        <translation>&amp;E-postadresspalett...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve Sent Messages</source>
        <translation>Spara s&amp;kickade meddelanden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Email Address Palette on Startup</source>
        <translation>Visa e-postadresspa&amp;letten vid start</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Insert into &amp;To field</source>
        <translation>Infoga i &amp;Till-fältet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Cc field</source>
        <translation>Infoga i &amp;Cc-fältet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Bcc field</source>
        <translation>Infoga i &amp;Bcc-fältet</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>Unable to insert address. Are you sure the Compose screen is displayed in your browser?</source>
        <translation>Det gick inte att infoga adressen. Är du säker på att sidan för att skriva meddelanden visas i webbläsaren?</translation>
    </message>
</context>
<context>
    <name>DefaultMailer</name>
    <message>
        <location filename="../src/gui/app/DefaultMailer.cpp" line="+52"/>
        <source>cannot create %1</source>
        <translation>det går inte att skapa %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Make Postling the program that opens e-mail links (mailto:) on this desktop?</source>
        <translation>Vill du att Postling ska vara programmet som öppnar e-postlänkar (mailto:) på det här skrivbordet?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Postling now opens e-mail links (mailto:).</source>
        <translation>Postling öppnar nu e-postlänkar (mailto:).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>xdg-mime was not found (it comes with the xdg-utils package).</source>
        <translation>xdg-mime hittades inte (det ingår i paketet xdg-utils).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>xdg-mime said: %1</source>
        <translation>xdg-mime svarade: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postling could not be made the program for e-mail links. %1</source>
        <translation>Postling kunde inte göras till programmet för e-postlänkar. %1</translation>
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
        <translation>E-postadresser</translation>
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
        <translation>disken är full</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk is read-only</source>
        <translation>disken är skrivskyddad</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder or file is read-only (no permission to write)</source>
        <translation>mappen eller filen är skrivskyddad (behörighet att skriva saknas)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not there any more (moved or deleted)</source>
        <translation>den finns inte längre (flyttad eller borttagen)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of that name is in the way</source>
        <translation>en mapp med det namnet är i vägen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a file of that name is already there</source>
        <translation>det finns redan en fil med det namnet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the name is too long</source>
        <translation>namnet är för långt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk reported an error</source>
        <translation>disken rapporterade ett fel</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+22"/>
        <source>Find Address</source>
        <translation>Sök adress</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find:</source>
        <translation>Sök:</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/app/HelpWindow.cpp" line="+14"/>
        <source>Postling Help</source>
        <translation>Hjälp för Postling</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The help file %1 was not found.</source>
        <translation>Hjälpfilen %1 hittades inte.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+38"/>
        <source>Move Selected Column to Postion:</source>
        <translation>Flytta vald kolumn till position:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish Import</source>
        <translation>Slutför import</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Data</source>
        <translation>Importera data</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>first name</source>
        <translation>förnamn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last name</source>
        <translation>efternamn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e-mail</source>
        <translation>e-post</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 from &quot;%2&quot;</source>
        <extracomment>A column of the book filled from a column of the file: first name from &quot;Vorname&quot;.</extracomment>
        <translation>%1 från &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proposed: %1.</source>
        <translation>Förslag: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Line up Columns</source>
        <translation>Passa ihop kolumner</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Before clicking the Finish Import button, you must insure that the fields (columns) line up properly. Use the controls below to  move columns in the data file you are importing. It is NOT necessary to line up columns which are completely blank or which contain information you don&apos;t care about.</source>
        <translation>Innan du klickar på knappen Slutför import måste du se till att fälten (kolumnerna) passar ihop korrekt. Använd kontrollerna nedan för att flytta kolumner i datafilen som du importerar. Det är INTE nödvändigt att passa ihop kolumner som är helt tomma eller som innehåller information som du inte bryr dig om.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Data being Imported:</source>
        <translation>Data som importeras:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import To (The data being imported must line up with these colums):</source>
        <translation>Importera till (data som importeras måste passa ihop med de här kolumnerna):</translation>
    </message>
</context>
<context>
    <name>InboxSubsystem</name>
    <message>
        <location filename="../src/gui/inbox/InboxSubsystem.cpp" line="+25"/>
        <source>Inbox Management</source>
        <translation>Inkorgshantering</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inbox Management/Spam Settings</source>
        <translation>Inkorgshantering/skräppostinställningar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks only un&amp;read messages</source>
        <translation>&quot;Markera skräppost&quot; kontrollerar &amp;bara olästa meddelanden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks messa&amp;ges with multiple non-English characters</source>
        <translation>&quot;Markera skräppost&quot; kontrollerar meddelanden med flera icke-&amp;engelska tecken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit Spam &amp;Keywords</source>
        <translation>&amp;Redigera nyckelord för skräppost</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check S&amp;pam</source>
        <translation>Markera skräp&amp;post</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Unread</source>
        <translation>Markera &amp;olästa</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Check Spam Messages</source>
        <translation>&amp;Markera skräppostmeddelanden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;heck Unread Messages</source>
        <translation>Markera &amp;olästa meddelanden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Group of Messages</source>
        <translation>Markera en &amp;grupp meddelanden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Uncheck All Messages</source>
        <translation>&amp;Avmarkera alla meddelanden</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Unread Messages</source>
        <translation>Alla olästa meddelanden</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>First %n Unread Messages</source>
        <translation>
            <numerusform>Första %n olästa meddelandet</numerusform>
            <numerusform>Första %n olästa meddelandena</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;Check Unread&quot; checks:</source>
        <translation>&quot;Markera olästa&quot; markerar:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>a list of spam keywords</source>
        <translation>en lista med skräppostord</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No message list with check boxes was found on this page</source>
        <translation>Ingen meddelandelista med kryssrutor hittades på sidan</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>Ticked %n: %1 by keyword, %2 non-English</source>
        <translation>
            <numerusform>Markerade %n: %1 efter nyckelord, %2 icke-engelska</numerusform>
            <numerusform>Markerade %n: %1 efter nyckelord, %2 icke-engelska</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Check Unread: unread</source>
        <extracomment>Why Check Unread ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Markera olästa: oläst</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n unread</source>
        <translation>
            <numerusform>Markerade %n oläst</numerusform>
            <numerusform>Markerade %n olästa</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check Group: between ticked messages</source>
        <translation>Markera grupp: mellan markerade meddelanden</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n between ticked messages</source>
        <translation>
            <numerusform>Markerade %n mellan markerade meddelanden</numerusform>
            <numerusform>Markerade %n mellan markerade meddelanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Unticked %n</source>
        <translation>
            <numerusform>Avmarkerade %n</numerusform>
            <numerusform>Avmarkerade %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InboxTools</name>
    <message>
        <location filename="../src/core/inbox/InboxTools.cpp" line="+96"/>
        <source>Check Spam: keyword &apos;%1&apos;</source>
        <extracomment>Why Check Spam ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Markera skräppost: nyckelord &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Spam: %1 non-English letters</source>
        <translation>Markera skräppost: %1 icke-engelska bokstäver</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../src/core/app/IniFile.cpp" line="+102"/>
        <source>a setting&apos;s value cannot hold a line break or NUL</source>
        <translation>värdet för en inställning får inte innehålla radbrytning eller NUL</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed section name</source>
        <translation>felaktigt avsnittsnamn</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed key</source>
        <translation>felaktig nyckel</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>no settings file</source>
        <translation>ingen inställningsfil</translation>
    </message>
</context>
<context>
    <name>MailMerge</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/MailMerge.cpp" line="+35"/>
        <source>Waiting for the site (message %1); the run stops if it has not answered in %n seconds…</source>
        <translation>
            <numerusform>Väntar på webbplatsen (meddelande %1); körningen avbryts om den inte har svarat inom %n sekund…</numerusform>
            <numerusform>Väntar på webbplatsen (meddelande %1); körningen avbryts om den inte har svarat inom %n sekunder…</numerusform>
        </translation>
    </message>
    <message>
        <location line="+121"/>
        <source>The message has no text. Write it in the compose form, or use a template, then start the merge.</source>
        <translation>Meddelandet har ingen text. Skriv det i skrivformuläret eller använd en mall, och starta sedan massutskicket.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The merge log could not be written, so nothing was sent.
%1</source>
        <translation>Loggen för massutskick kunde inte skrivas, så ingenting skickades.
%1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Stopping once message %1 has been accepted; press Stop again not to wait.</source>
        <translation>Stoppar när meddelande %1 har tagits emot; tryck på Stoppa igen om du inte vill vänta.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 of %2 sent, %3 left</source>
        <translation>%1 av %2 skickade, %3 kvar</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../src/gui/app/MainForm.cpp" line="+102"/>
        <source>Inbox/Login</source>
        <translation>Inkorg/inloggning</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+67"/>
        <source>Compose</source>
        <translation>Skriv</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Saved Message Folders (local)</source>
        <translation>Mappar med sparade meddelanden (lokalt)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Browser</source>
        <translation>Webbläsare</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address</source>
        <translation>Adress</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Address </source>
        <translation> Adress </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Messages Locally</source>
        <translation>Spara meddelanden lokalt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder:</source>
        <translation>Mapp:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Set Postling as your &amp;Default E-mail Program (for mailto links)</source>
        <translation>&amp;Gör Postling till ditt standardprogram för e-post (för mailto-länkar)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Default Email Template:</source>
        <translation>Standardmall för e-post:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Default Folder for Saving Messages:</source>
        <translation>Standardmapp för att spara meddelanden:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Address Book</source>
        <translation>A&amp;dressbok</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tools</source>
        <translation>&amp;Verktyg</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents...</source>
        <translation>&amp;Innehåll...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About Postling...</source>
        <translation>&amp;Om Postling...</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close Postling anyway? The changes to the address book will be lost.</source>
        <translation>Vill du stänga Postling ändå? Ändringarna i adressboken går förlorade.</translation>
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
            <numerusform>%n avbruten skrivning togs bort</numerusform>
            <numerusform>%n avbrutna skrivningar togs bort</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a mail merge to resume (Mail Merge, Start)</source>
        <translation>ett massutskick att återuppta (Massutskick, Starta)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recovered: %1</source>
        <translation>Återställt: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not read: %1</source>
        <translation>Inte läst: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>More tools</source>
        <translation>Fler verktyg</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Postling could not save its settings or spam keywords; the files keep what they held before.
%1</source>
        <translation>Postling kunde inte spara sina inställningar eller nyckelord för skräppost; filerna behåller sitt tidigare innehåll.
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
        <translation>Alla adresser i adressboken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the selected addresses</source>
        <translation>Endast de valda adresserna</translation>
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
        <translation>Stoppa test</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Log</source>
        <translation>Dölj logg</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show Log</source>
        <translation>Visa logg</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location line="+111"/>
        <location line="+7"/>
        <source>Emails Sent: %n</source>
        <translation>
            <numerusform>Skickade e-postmeddelanden: %n</numerusform>
            <numerusform>Skickade e-postmeddelanden: %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview...</source>
        <translation>Förhandsgranska...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mail Merge</source>
        <translation>Massutskick</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mail Merge lets you send personalized email to a list of people. You must enter the body of your email message into the Compose form. You can use &quot;Merge  Fields&quot; to insert personalized information such as names from your address book.</source>
        <translation>Med Massutskick kan du skicka personliga e-postmeddelanden till en lista med personer. Du måste skriva meddelandets brödtext i skrivformuläret. Du kan använda &quot;kopplingsfält&quot; för att infoga personlig information, till exempel namn från adressboken.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For detailed instructions on how to use this feature, please  click the Help button.</source>
        <translation>Klicka på knappen Hjälp om du vill ha utförliga instruktioner om hur funktionen används.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Merge Settings</source>
        <translation>Inställningar för massutskick</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Mail To:</source>
        <translation>Skicka e-post till:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause between messages:</source>
        <translation>Paus mellan meddelanden:</translation>
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
        <translation>Testfunktionen skapar ett e-postmeddelande utifrån den första adressen i listan och visar det i skrivformuläret. Meddelandet skickas inte. När du har kontrollerat att testmeddelandet är korrekt klickar du på knappen Stoppa test för att återgå till din ursprungliga e-postmall.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Start Merge: Press Start to begin sending</source>
        <translation>Starta massutskick: Tryck på Starta för att börja skicka</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>row %1, %2: %3</source>
        <translation>rad %1, %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not sent to %1: %2</source>
        <translation>Inte skickat till %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n sent. The site did not send these:
%1
Start again to send just them once they are put right.</source>
        <translation>
            <numerusform>%n skickat. Webbplatsen skickade inte dessa:
%1
Starta igen när de har rättats för att skicka bara dem.</numerusform>
            <numerusform>%n skickade. Webbplatsen skickade inte dessa:
%1
Starta igen när de har rättats för att skicka bara dem.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Emails have been sent to:</source>
        <translation>E-post har skickats till:</translation>
    </message>
</context>
<context>
    <name>MergePreview</name>
    <message>
        <location filename="../src/gui/compose/MergePreview.cpp" line="+16"/>
        <source>skipped: no address</source>
        <translation>hoppas över: ingen adress</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: sent by an earlier run</source>
        <translation>hoppas över: skickades vid en tidigare körning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: was being sent when a run stopped</source>
        <translation>hoppas över: höll på att skickas när en körning avbröts</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Merge Preview</source>
        <translation>Förhandsgranskning av massutskick</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Row</source>
        <translation>Rad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>To</source>
        <translation>Till</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subject</source>
        <translation>Ämne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the body</source>
        <translation>Början av brödtexten</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 of %n rows will be sent.</source>
        <translation>
            <numerusform>%1 av %n rad kommer att skickas.</numerusform>
            <numerusform>%1 av %n rader kommer att skickas.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 matches no column and is sent as it is written.</source>
        <translation>%1 matchar ingen kolumn och skickas precis som det är skrivet.</translation>
    </message>
</context>
<context>
    <name>MergeTexts</name>
    <message>
        <location filename="../src/gui/compose/MergeTexts.cpp" line="+21"/>
        <source>Unable to send message. Are you sure the compose form is displayed? Mail Merge works only in plain test mode. You cannot use the Rich Text/HTML compose form.</source>
        <translation>Det gick inte att skicka meddelandet. Är du säker på att skrivformuläret visas? Massutskick fungerar bara i läget för oformaterad text. Du kan inte använda skrivformuläret för formaterad text/HTML.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The run has stopped; press Stop, and Start again later to send the rest. %1 lists what was sent.</source>
        <translation>Körningen har avbrutits; tryck på Stoppa och sedan på Starta igen senare för att skicka resten. %1 visar vad som har skickats.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The site did not accept the message to %1.</source>
        <translation>Webbplatsen tog inte emot meddelandet till %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not accept the message to %1 (row %2).</source>
        <translation>Webbplatsen tog inte emot meddelandet till %1 (rad %2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The site showed another page instead of its compose form.</source>
        <translation>Webbplatsen visade en annan sida i stället för sitt skrivformulär.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site showed another page instead of its compose form: perhaps you were signed out. Sign in again first.</source>
        <translation>Webbplatsen visade en annan sida i stället för sitt skrivformulär: du kanske har loggats ut. Logga in igen först.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No answer about the message to %1.</source>
        <translation>Inget svar om meddelandet till %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds about the message to %2 (row %3). It may have been sent, so it will not be sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>Webbplatsen svarade inte inom %1 sekunder om meddelandet till %2 (rad %3). Det kan ha skickats, så det skickas inte igen: leta efter det i webbplatsens mapp Skickat.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The site did not answer.</source>
        <translation>Webbplatsen svarade inte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds.</source>
        <translation>Webbplatsen svarade inte inom %1 sekunder.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge log could not be written.</source>
        <translation>Loggen för massutskick kunde inte skrivas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The merge log could not be written, so the run has stopped before its next message.
%1
Press Stop; once the log can be written, Start again to send the rest.</source>
        <translation>Loggen för massutskick kunde inte skrivas, så körningen har avbrutits före nästa meddelande.
%1
Tryck på Stoppa; när loggen kan skrivas startar du igen för att skicka resten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>The site could not be reached.</source>
        <translation>Det gick inte att nå webbplatsen.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>The last run of this message over this address book did not finish: %n of its messages were sent.</source>
        <translation>
            <numerusform>Den senaste körningen av det här meddelandet med den här adressboken slutfördes inte: %n av dess meddelanden skickades.</numerusform>
            <numerusform>Den senaste körningen av det här meddelandet med den här adressboken slutfördes inte: %n av dess meddelanden skickades.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was being sent when the run stopped. It is not sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>Rad %1 (%2) höll på att skickas när körningen avbröts. Den skickas inte igen: leta efter den i webbplatsens mapp Skickat.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was refused: %3</source>
        <translation>Rad %1 (%2) avvisades: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skip the rows already sent and send only the rest? (No sends every row again; Cancel sends nothing.)</source>
        <translation>Vill du hoppa över raderna som redan har skickats och bara skicka resten? (Nej skickar alla rader igen; Avbryt skickar ingenting.)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The merge cannot start: no %1 field was found on this page.</source>
        <translation>Massutskicket kan inte börja: inget fält ”%1” hittades på den här sidan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The merge cannot start: no Send button was found on this page.</source>
        <translation>Massutskicket kan inte börja: ingen skicka-knapp hittades på den här sidan.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge cannot start: this page has no place where the site says whether a message was sent, so Postling could not tell which messages went.</source>
        <translation>Massutskicket kan inte börja: sidan har ingen plats där webbplatsen säger om ett meddelande skickades, så Postling kan inte avgöra vilka meddelanden som gick iväg.</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>Send %n messages, one to each address of the chosen rows?</source>
        <translation>
            <numerusform>Vill du skicka %n meddelande, ett till varje adress på de valda raderna?</numerusform>
            <numerusform>Vill du skicka %n meddelanden, ett till varje adress på de valda raderna?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MessageListModel</name>
    <message>
        <location filename="../src/gui/store/MessageListModel.cpp" line="+84"/>
        <source>Sent To</source>
        <translation>Skickat till</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>From</source>
        <translation>Från</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Subject</source>
        <translation>Ämne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To</source>
        <translation>Till</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Mapp</translation>
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
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>PaneFrame</name>
    <message>
        <location filename="../src/gui/addressbook/PaneFrame.cpp" line="+43"/>
        <source>To</source>
        <translation>Till</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show Email Address Palette</source>
        <translation>Visa e-postadresspaletten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show Address Book Panel</source>
        <translation>Visa adressbokspanelen</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Contract Address Book</source>
        <translation>Förminska adressboken</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Expand Address Book</source>
        <translation>Förstora adressboken</translation>
    </message>
</context>
<context>
    <name>SavedMessagesPanel</name>
    <message>
        <location filename="../src/gui/store/SavedMessagesPanel.cpp" line="+35"/>
        <source>N&amp;ew Folder...</source>
        <translation>N&amp;y mapp...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mana&amp;ge Folders...</source>
        <translation>Hant&amp;era mappar...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Reply (with original text)</source>
        <translation>Sva&amp;ra (med originaltext)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reply (&amp;blank)</source>
        <translation>Svara (&amp;tomt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For&amp;ward</source>
        <translation>Vidarebe&amp;fordra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send &amp;Again</source>
        <translation>Skicka &amp;igen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>Ta &amp;bort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move t&amp;o:</source>
        <translation>F&amp;lytta till:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>  Folders</source>
        <translation>  Mappar</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search every folder: sender, recipient, subject, text</source>
        <translation>Sök i alla mappar: avsändare, mottagare, ämne, text</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saved messages</source>
        <translation>Sparade meddelanden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders</source>
        <translation>Mappar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder to move the message to</source>
        <translation>Mapp att flytta meddelandet till</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>This file (%1 MB) is too large to show here. It is kept as it is in %2.</source>
        <translation>Den här filen (%1 MB) är för stor för att visas här. Den finns kvar oförändrad i %2.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>The message could not be deleted.
%1</source>
        <translation>Meddelandet kunde inte tas bort.
%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You must select the folder you want to move the file to.</source>
        <translation>Du måste välja den mapp som du vill flytta filen till.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There was an error in attempting to move this file.
%1</source>
        <translation>Ett fel uppstod när filen skulle flyttas.
%1</translation>
    </message>
</context>
<context>
    <name>SentCopies</name>
    <message>
        <location filename="../src/gui/compose/SentCopies.cpp" line="+75"/>
        <source>The site did not confirm the message was sent, so no Sent copy was kept.</source>
        <translation>Webbplatsen bekräftade inte att meddelandet skickades, så ingen kopia sparades i Sent.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The site did not send the message (%1), so no Sent copy was kept.</source>
        <translation>Webbplatsen skickade inte meddelandet (%1), så ingen kopia sparades i Sent.</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <location filename="../src/gui/app/SettingsPanel.cpp" line="+9"/>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
</context>
<context>
    <name>StartPages</name>
    <message>
        <location filename="../src/gui/sites/StartPages.cpp" line="+18"/>
        <source>Start Page</source>
        <translation>Startsida</translation>
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
        <translation>Gå till Yahoo Mail</translation>
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
        <translation>Gå till Hotmail</translation>
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
        <translation>Gå till din Roundcube</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other &amp;webmail:</source>
        <translation>Annan &amp;webbmejl:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other webmail</source>
        <translation>Annan webbmejl</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to your other webmail</source>
        <translation>Gå till din andra webbmejl</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 start page</source>
        <translation>Startsida för %1</translation>
    </message>
</context>
<context>
    <name>StoreSubsystem</name>
    <message>
        <location filename="../src/gui/store/StoreSubsystem.cpp" line="+32"/>
        <source>Unable to read message. Are you sure a message is displayed?</source>
        <translation>Det gick inte att läsa meddelandet. Är du säker på att ett meddelande visas?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Save Msg &lt;&lt;</source>
        <translation>&amp;Spara medd. &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message Saved</source>
        <translation>Meddelandet sparat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Current Message</source>
        <translation>&amp;Spara aktuellt meddelande</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+162"/>
        <source>New Folder</source>
        <translation>Ny mapp</translation>
    </message>
    <message>
        <location line="-149"/>
        <location line="+143"/>
        <source>Save to: %1</source>
        <translation>Spara i: %1</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>You must select a folder to save the message to</source>
        <translation>Du måste välja en mapp att spara meddelandet i</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The site did not send the message&apos;s text, so nothing was saved. Is the site reachable? Try again once it is.</source>
        <translation>Webbplatsen skickade inte meddelandets text, så inget sparades. Går webbplatsen att nå? Försök igen när den gör det.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+21"/>
        <source>No From or Subject was found on this page</source>
        <translation>Ingen avsändare (Från) eller ämne hittades på sidan</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>No From was found on this page</source>
        <translation>Ingen avsändare (Från) hittades på sidan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No Subject was found on this page</source>
        <translation>Inget ämne hittades på sidan</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You cannot save incoming messages to the Sent Messages Folder.</source>
        <translation>Du kan inte spara inkommande meddelanden i mappen för skickade meddelanden (Sent).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sent message could not be kept: %1</source>
        <translation>Det skickade meddelandet kunde inte sparas: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The message could not be saved.
%1</source>
        <translation>Meddelandet kunde inte sparas.
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg not saved</source>
        <translation>Medd. inte sparat</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Msg Saved</source>
        <translation>Medd. sparat</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Folder Name:</source>
        <translation>Mappnamn:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to create directory. Please check to make sure you have entered a valid directory name.</source>
        <translation>Det gick inte att skapa mappen. Kontrollera att du har angett ett giltigt mappnamn.</translation>
    </message>
</context>
<context>
    <name>Template</name>
    <message>
        <location filename="../src/core/compose/Template.cpp" line="+68"/>
        <source>a template&apos;s name cannot hold &quot;/&quot;</source>
        <translation>en malls namn får inte innehålla &quot;/&quot;</translation>
    </message>
</context>
<context>
    <name>TemplateCommands</name>
    <message>
        <location filename="../src/gui/compose/TemplateCommands.cpp" line="+20"/>
        <source>Use Temp&amp;late &gt;&gt;</source>
        <translation>Använd &amp;mall &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New/Edit...</source>
        <translation>&amp;Ny/redigera...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Insert/Edit Email Template...</source>
        <translation>&amp;Infoga/redigera e-postmall...</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>You must select a template.</source>
        <translation>Du måste välja en mall.</translation>
    </message>
</context>
<context>
    <name>TemplateDialog</name>
    <message>
        <location filename="../src/gui/compose/TemplateDialog.cpp" line="+22"/>
        <source>Do you want to save your changes to this email template?</source>
        <translation>Vill du spara ändringarna i den här e-postmallen?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert to Form &gt;&gt;</source>
        <translation>Infoga i formuläret &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Capture from Form &lt;&lt;</source>
        <translation>Hämta från formuläret &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>S&amp;täng</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for the compose form to load… Close this window to stop waiting.</source>
        <translation>Väntar på att skrivformuläret ska läsas in… Stäng det här fönstret om du inte vill vänta längre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Email Template</source>
        <translation>E-postmall</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Template name</source>
        <translation>Mallens namn</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Template</source>
        <translation>Öppna mall</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject:</source>
        <translation>Ämne:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Body:</source>
        <translation>Brödtext:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Capture From or Insert to Compose Form</source>
        <translation>Hämta från eller infoga i skrivformuläret</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The email template could not be read from %1.</source>
        <translation>E-postmallen kunde inte läsas från %1.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>You must give the email template a name.</source>
        <translation>Du måste ge e-postmallen ett namn.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must specify a subject.</source>
        <translation>Du måste ange ett ämne.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must enter some body text.</source>
        <translation>Du måste skriva någon brödtext.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The email template could not be saved.
%1</source>
        <translation>E-postmallen kunde inte sparas.
%1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <location filename="../src/core/addressbook/AddressBook.cpp" line="+38"/>
        <source>an address book</source>
        <translation>en adressbok</translation>
    </message>
    <message>
        <location filename="../src/core/text/Strings.cpp" line="+96"/>
        <source>it is too large (%1 MB) for %2</source>
        <extracomment>%2 is what the file was to be: &quot;an address book&quot;.</extracomment>
        <translation>den är för stor (%1 MB) för %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+5"/>
        <source>it holds binary data, not text</source>
        <translation>den innehåller binärdata, inte text</translation>
    </message>
</context>
<context>
    <name>WaitOverlay</name>
    <message>
        <location filename="../src/gui/app/WaitOverlay.cpp" line="+7"/>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please wait...</source>
        <translation>Vänta...</translation>
    </message>
</context>
<context>
    <name>WebBrowser</name>
    <message>
        <location filename="../src/gui/browser/WebBrowser.cpp" line="+18"/>
        <source>Opening page %1...</source>
        <translation>Öppnar sidan %1...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Done</source>
        <translation>Klar</translation>
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
        <translation>&amp;Annan webbmejl:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Welcome!</source>
        <translation>Välkommen!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Roundcube address</source>
        <translation>Roundcube-adress</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Other webmail address</source>
        <translation>Adress till annan webbmejl</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Welcome to Postling!</source>
        <translation>Välkommen till Postling!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please indicate whether you would prefer to begin at Yahoo! Mail, Hotmail, your own Roundcube or another webmail when you first start Postling.</source>
        <translation>Ange om du helst vill börja på Yahoo! Mail, Hotmail, din egen Roundcube eller en annan webbmejl när du startar Postling första gången.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select your Start Page</source>
        <translation>Välj startsida</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Just choose the mail provider you use most often. You can still easily access the others from the toolbar or change the default in the settings tab.</source>
        <translation>Välj bara den e-posttjänst som du använder oftast. Du kan fortfarande enkelt nå de andra från verktygsfältet eller ändra standardvalet på fliken Inställningar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
