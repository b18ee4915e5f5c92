<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/gui/app/AboutBox.cpp" line="+20"/>
        <source>About Postling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postling keeps your webmail close at hand: saved messages, address books, templates and inbox tools beside Roundcube, Yahoo! Mail and Hotmail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressBookSubsystem</name>
    <message>
        <location filename="../src/gui/addressbook/AddressBookSubsystem.cpp" line="+28"/>
        <source>&amp;New Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add New Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Address from &amp;Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Find Address...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Expand Address Book for Editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide Address Book Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Show Address Book Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Address Book Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Open Address List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+134"/>
        <source>Address Book (*.csv);;Tab Delimited Text File (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-127"/>
        <source>The address book could not be read.
%1
Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Warning: Your address book does not appear to contain any email addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The address book could not be saved.
%1
Your changes are still open: once the disk has room (or the folder can be written), try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Address Book Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An address book with this name already exists. Do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete the selected addresses?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Unable to locate address. Are you sure a message is displayed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Addr Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Import Address List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The new data has been appended to the bottom of your address book.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressPane</name>
    <message>
        <location filename="../src/gui/addressbook/AddressPane.cpp" line="+24"/>
        <source>X</source>
        <extracomment>The small button that hides the address book pane.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Hide Address Book Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>New Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Address Book/List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add blank address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find in address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add address from current message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into To field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Cc field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Bcc field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expand Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+61"/>
        <source> Address Book:  %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/gui/app/Artwork.cpp" line="+44"/>
        <source>your webmail companion</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowsingSubsystem</name>
    <message>
        <location filename="../src/gui/browsing/BrowsingSubsystem.cpp" line="+32"/>
        <source>Go directly to &amp;inbox after login (bypass mail home page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Postling Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+117"/>
        <source>No calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has no calendar that Postling can show.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComposeFiller</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/ComposeFiller.cpp" line="+60"/>
        <source>The compose form did not come within %n seconds, so nothing was filled. Open the Compose tab, then try again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ComposeSubsystem</name>
    <message>
        <location filename="../src/gui/compose/ComposeSubsystem.cpp" line="+34"/>
        <location line="+1"/>
        <source>&amp;Mail Merge...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Email Address Palette...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;ave Sent Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Email Address Palette on Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Insert into &amp;To field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Cc field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Bcc field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+180"/>
        <source>Unable to insert address. Are you sure the Compose screen is displayed in your browser?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DefaultMailer</name>
    <message>
        <location filename="../src/gui/app/DefaultMailer.cpp" line="+52"/>
        <source>cannot create %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Make Postling the program that opens e-mail links (mailto:) on this desktop?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Postling now opens e-mail links (mailto:).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>xdg-mime was not found (it comes with the xdg-utils package).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>xdg-mime said: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postling could not be made the program for e-mail links. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../src/gui/app/Dialogs.h" line="+17"/>
        <source>Postling</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmailPalette</name>
    <message>
        <location filename="../src/gui/compose/EmailPalette.cpp" line="+11"/>
        <source>Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <location filename="../src/core/fs/AtomicFile.cpp" line="+48"/>
        <source>%1: %2</source>
        <extracomment>A file and why it could not be read or written (&quot;the disk is full&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-29"/>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder or file is read-only (no permission to write)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not there any more (moved or deleted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of that name is in the way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a file of that name is already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the name is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk reported an error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+22"/>
        <source>Find Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/app/HelpWindow.cpp" line="+14"/>
        <source>Postling Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The help file %1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+36"/>
        <source>Move Selected Column to Postion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>first name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 from &quot;%2&quot;</source>
        <extracomment>A column of the book filled from a column of the file: first name from &quot;Vorname&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proposed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Line up Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Before clicking the Finish Import button, you must insure that the fields (columns) line up properly. Use the controls below to  move columns in the data file you are importing. It is NOT necessary to line up columns which are completely blank or which contain information you don&apos;t care about.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Data being Imported:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import To (The data being imported must line up with these colums):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InboxSubsystem</name>
    <message>
        <location filename="../src/gui/inbox/InboxSubsystem.cpp" line="+23"/>
        <source>Inbox Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inbox Management/Spam Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks &amp;only unread messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks messages with multiple non-&amp;English characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit Spam &amp;Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check S&amp;pam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Unread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Check Spam Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;heck Unread Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Group of Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Uncheck All Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Unread Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>First %n Unread Messages</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;Check Unread&quot; checks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+84"/>
        <source>Ticked %n: %1 by keyword, %2 non-English</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Check Unread: unread</source>
        <extracomment>Why Check Unread ticked a message (its tooltip in the inbox).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n unread</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check Group: between ticked messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n between ticked messages</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Unticked %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InboxTools</name>
    <message>
        <location filename="../src/core/inbox/InboxTools.cpp" line="+96"/>
        <source>Check Spam: keyword &apos;%1&apos;</source>
        <extracomment>Why Check Spam ticked a message (its tooltip in the inbox).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Spam: %1 non-English letters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../src/core/app/IniFile.cpp" line="+102"/>
        <source>a setting&apos;s value cannot hold a line break or NUL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed section name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+87"/>
        <source>no settings file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailMerge</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/MailMerge.cpp" line="+35"/>
        <source>Waiting for the site (message %1); the run stops if it has not answered in %n seconds…</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+108"/>
        <source>Send %n messages, one to each address of the chosen rows?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The message has no text. Write it in the compose form, or use a template, then start the merge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The merge log could not be written, so nothing was sent.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Stopping once message %1 has been accepted; press Stop again not to wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 of %2 sent, %3 left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../src/gui/app/MainForm.cpp" line="+102"/>
        <source>Inbox/Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+67"/>
        <source>Compose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Saved Message Folders (local)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Address </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Messages Locally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Set &amp;Postling as your Default E-mail Program (for mailto links)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Default Email Template:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Default Folder for Saving Messages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About Postling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close Postling anyway? The changes to the address book will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/gui/app/MainForm.h" line="+52"/>
        <source>Postling</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../src/gui/app/MainFormLifecycle.cpp" line="+120"/>
        <source>%n interrupted write(s) removed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a mail merge to resume (Mail Merge, Start)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recovered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Postling could not save its settings or spam keywords; the files keep what they held before.
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <location filename="../src/core/compose/Merge.cpp" line="+104"/>
        <source>%1 s</source>
        <extracomment>A duration in seconds: what is left of a mail merge.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 min %2 s</source>
        <extracomment>A duration in minutes and seconds: what is left of a mail merge.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MergeDialog</name>
    <message>
        <location filename="../src/gui/compose/MergeDialog.cpp" line="+31"/>
        <source>All addresses in your address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the selected addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+157"/>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-156"/>
        <source>Stop Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location line="+111"/>
        <location line="+7"/>
        <source>Emails Sent: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mail Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mail Merge lets you send personalized email to a list of people. You must enter the body of your email message into the Compose form. You can use &quot;Merge  Fields&quot; to insert personalized information such as names from your address book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For detailed instructions on how to use this feature, please  click the Help button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Merge Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Mail To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause between messages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source> s</source>
        <extracomment>Seconds, after the pause&apos;s number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The test feature will create one email based on the first address in your list and will display it in the Compose form. The email will not be sent. After checking the test email to make sure it is correct, click the Stop Test button go return to your original email template.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Start Merge: Press Start to begin sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+56"/>
        <source>row %1, %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not sent to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n sent. The site did not send these:
%1
Start again to send just them once they are put right.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Emails have been sent to:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MergePreview</name>
    <message>
        <location filename="../src/gui/compose/MergePreview.cpp" line="+16"/>
        <source>skipped: no address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: sent by an earlier run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: was being sent when a run stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Merge Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the body</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 of %n rows will be sent.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 matches no column and is sent as it is written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MergeTexts</name>
    <message>
        <location filename="../src/gui/compose/MergeTexts.cpp" line="+17"/>
        <source>Unable to send message. Are you sure the compose form is displayed? Mail Merge works only in plain test mode. You cannot use the Rich Text/HTML compose form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The run has stopped; press Stop, and Start again later to send the rest. %1 lists what was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The site did not accept the message to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not accept the message to %1 (row %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The site showed another page instead of its compose form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site showed another page instead of its compose form: perhaps you were signed out. Sign in again first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No answer about the message to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds about the message to %2 (row %3). It may have been sent, so it will not be sent again: look for it in the site&apos;s Sent folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The site did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge log could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The merge log could not be written, so the run has stopped before its next message.
%1
Press Stop; once the log can be written, Start again to send the rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>The site could not be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>The last run of this message over this address book did not finish: %n of its messages were sent.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was being sent when the run stopped. It is not sent again: look for it in the site&apos;s Sent folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was refused: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skip the rows already sent and send only the rest? (No sends every row again; Cancel sends nothing.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageListModel</name>
    <message>
        <location filename="../src/gui/store/MessageListModel.cpp" line="+84"/>
        <source>Sent To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+4"/>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <location filename="../src/gui/app/NameDialog.cpp" line="+12"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaneFrame</name>
    <message>
        <location filename="../src/gui/addressbook/PaneFrame.cpp" line="+43"/>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show Email Address Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show Address Book Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Contract Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Expand Address Book</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedMessagesPanel</name>
    <message>
        <location filename="../src/gui/store/SavedMessagesPanel.cpp" line="+34"/>
        <source>New &amp;Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mana&amp;ge Folders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Reply (with original text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reply (&amp;blank)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For&amp;ward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send &amp;Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Move to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>  Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search every folder: sender, recipient, subject, text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+189"/>
        <source>The message could not be deleted.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You must select the folder you want to move the file to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There was an error in attempting to move this file.
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <location filename="../src/gui/app/SettingsPanel.cpp" line="+9"/>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartPages</name>
    <message>
        <location filename="../src/gui/sites/StartPages.cpp" line="+17"/>
        <source>Start Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Yahoo Mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yahoo! Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Yahoo Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MSN &amp;Hotmail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotmail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Hotmail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round&amp;cube:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Roundcube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to your Roundcube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 start page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreSubsystem</name>
    <message>
        <location filename="../src/gui/store/StoreSubsystem.cpp" line="+32"/>
        <source>Unable to read message. Are you sure a message is displayed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Save Msg &lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Current Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+144"/>
        <source>New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-131"/>
        <location line="+125"/>
        <source>Save to: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-77"/>
        <source>You must select a folder to save the message to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>You cannot save incoming messages to the Sent Messages Folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sent message could not be kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The message could not be saved.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Msg Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Folder Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to create directory. Please check to make sure you have entered a valid directory name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Template</name>
    <message>
        <location filename="../src/core/compose/Template.cpp" line="+68"/>
        <source>a template&apos;s name cannot hold &quot;/&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateCommands</name>
    <message>
        <location filename="../src/gui/compose/TemplateCommands.cpp" line="+20"/>
        <source>Use &amp;Template &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New/Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Insert/Edit Email Template...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+62"/>
        <source>You must select a template.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateDialog</name>
    <message>
        <location filename="../src/gui/compose/TemplateDialog.cpp" line="+22"/>
        <source>Do you want to save your changes to this email template?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert to Form &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Capture from Form &lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for the compose form to load… Close this window to stop waiting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Email Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Body:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Capture From or Insert to Compose Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The email template could not be read from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>You must give the email template a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must specify a subject.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must enter some body text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The email template could not be saved.
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <location filename="../src/core/addressbook/AddressBook.cpp" line="+38"/>
        <source>an address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/text/Strings.cpp" line="+96"/>
        <source>it is too large (%1 MB) for %2</source>
        <extracomment>%2 is what the file was to be: &quot;an address book&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+5"/>
        <source>it holds binary data, not text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitOverlay</name>
    <message>
        <location filename="../src/gui/app/WaitOverlay.cpp" line="+7"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebBrowser</name>
    <message>
        <location filename="../src/gui/browser/WebBrowser.cpp" line="+18"/>
        <source>Opening page %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <location filename="../src/gui/sites/WelcomeDialog.cpp" line="+15"/>
        <source>&amp;Yahoo Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;MSN Hotmail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Roundcube:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Welcome!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Roundcube address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Welcome to Postling!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please indicate whether you would prefer to begin at Yahoo! Mail, Hotmail or your own Roundcube when you first start Postling.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select your Start Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Just choose the mail provider you use most often. You can still easily access the others from the toolbar or change the default in the settings tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
