<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/gui/app/AboutBox.cpp" line="+20"/>
        <source>About Postling</source>
        <translation>À propos de Postling</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Postling keeps your webmail close at hand: saved messages, address books, templates and inbox tools beside Roundcube, Yahoo! Mail and Hotmail.</source>
        <translation>Postling garde votre messagerie web à portée de main&#xa0;: messages enregistrés, carnets d&apos;adresses, modèles et outils pour la boîte de réception, à côté de Roundcube, Yahoo! Mail et Hotmail.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>AddressBookSubsystem</name>
    <message>
        <location filename="../src/gui/addressbook/AddressBookSubsystem.cpp" line="+28"/>
        <source>&amp;New Address Book</source>
        <translation>&amp;Nouveau carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Address Book</source>
        <translation>&amp;Ouvrir un carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Addresses</source>
        <translation>&amp;Importer des adresses</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add New Address</source>
        <translation>&amp;Ajouter une adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Address</source>
        <translation>&amp;Supprimer l&apos;adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Address from &amp;Message</source>
        <translation>Ajouter l&apos;adresse du &amp;message</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Find Address...</source>
        <translation>&amp;Rechercher une adresse...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Expand Address Book for Editing</source>
        <translation>A&amp;grandir le carnet d&apos;adresses pour le modifier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hide Address Book Pane</source>
        <translation>Masquer le &amp;volet du carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Show Address Book Pane</source>
        <translation>Afficher le volet du carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Address Book Pane</source>
        <translation>Masquer le volet du carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Open Address List</source>
        <translation>Ouvrir une liste d&apos;adresses</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+134"/>
        <source>Address Book (*.csv);;Tab Delimited Text File (*.txt)</source>
        <translation>Carnet d&apos;adresses (*.csv);;Fichier texte délimité par des tabulations (*.txt)</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>The address book could not be read.
%1
Nothing was changed.</source>
        <translation>Impossible de lire le carnet d&apos;adresses.
%1
Aucune modification n&apos;a été effectuée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Warning: Your address book does not appear to contain any email addresses.</source>
        <translation>Attention&#xa0;: votre carnet d&apos;adresses ne semble contenir aucune adresse e-mail.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The address book could not be saved.
%1
Your changes are still open: once the disk has room (or the folder can be written), try again.</source>
        <translation>Impossible d&apos;enregistrer le carnet d&apos;adresses.
%1
Vos modifications sont conservées&#xa0;: dès que le disque aura de la place (ou que le dossier sera accessible en écriture), réessayez.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New Address Book</source>
        <translation>Nouveau carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Address Book Name:</source>
        <translation>Nom du carnet d&apos;adresses&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An address book with this name already exists. Do you want to overwrite it?</source>
        <translation>Un carnet d&apos;adresses portant ce nom existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Delete the selected addresses?</source>
        <translation>Supprimer les adresses sélectionnées&#xa0;?</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Unable to locate address. Are you sure a message is displayed?</source>
        <translation>Impossible de trouver l&apos;adresse. Un message est-il bien affiché&#xa0;?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Addr Added</source>
        <translation>Adresse ajoutée</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Import Address List</source>
        <translation>Importer une liste d&apos;adresses</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The new data has been appended to the bottom of your address book.</source>
        <translation>Les nouvelles données ont été ajoutées à la fin de votre carnet d&apos;adresses.</translation>
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
        <translation>Outils du carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Address book</source>
        <translation>Carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The selected cell</source>
        <translation>La cellule sélectionnée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hide Address Book Pane</source>
        <translation>Masquer le volet du carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>New Address Book</source>
        <translation>Nouveau carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Address Book/List</source>
        <translation>Ouvrir un carnet ou une liste d&apos;adresses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add blank address</source>
        <translation>Ajouter une adresse vide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove address</source>
        <translation>Supprimer l&apos;adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find in address book</source>
        <translation>Rechercher dans le carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add address from current message</source>
        <translation>Ajouter l&apos;adresse du message affiché</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into To field</source>
        <translation>Insérer l&apos;adresse dans le champ À</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Cc field</source>
        <translation>Insérer l&apos;adresse dans le champ Cc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert address into Bcc field</source>
        <translation>Insérer l&apos;adresse dans le champ Cci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expand Address Book</source>
        <translation>Agrandir le carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+61"/>
        <source> Address Book:  %1</source>
        <translation> Carnet d&apos;adresses&#xa0;:  %1</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/gui/app/Artwork.cpp" line="+44"/>
        <source>your webmail companion</source>
        <translation>votre compagnon de messagerie web</translation>
    </message>
</context>
<context>
    <name>BrowsingSubsystem</name>
    <message>
        <location filename="../src/gui/browsing/BrowsingSubsystem.cpp" line="+33"/>
        <source>Go directly to &amp;inbox after login (bypass mail home page)</source>
        <translation>Aller directement à la &amp;boîte de réception après la connexion (sans passer par la page d&apos;accueil de la messagerie)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Back</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go Forward</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Postling Help</source>
        <translation>Aide de Postling</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>No calendar</source>
        <translation>Aucun calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has no calendar that Postling can show.</source>
        <translation>%1 n&apos;a aucun calendrier que Postling puisse afficher.</translation>
    </message>
</context>
<context>
    <name>ComposeFiller</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/ComposeFiller.cpp" line="+60"/>
        <source>The compose form did not come within %n seconds, so nothing was filled. Open the Compose tab, then try again.</source>
        <translation>
            <numerusform>Le formulaire de rédaction n&apos;est pas apparu en %n seconde&#xa0;: rien n&apos;a été rempli. Ouvrez l&apos;onglet Rédiger, puis réessayez.</numerusform>
            <numerusform>Le formulaire de rédaction n&apos;est pas apparu en %n secondes&#xa0;: rien n&apos;a été rempli. Ouvrez l&apos;onglet Rédiger, puis réessayez.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cc</source>
        <translation>Cc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bcc</source>
        <translation>Cci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message text</source>
        <translation>texte du message</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No %1 field was found on this page</source>
        <translation>Aucun champ « %1 » n’a été trouvé sur cette page</translation>
    </message>
</context>
<context>
    <name>ComposeSubsystem</name>
    <message>
        <location filename="../src/gui/compose/ComposeSubsystem.cpp" line="+33"/>
        <location line="+1"/>
        <source>&amp;Mail Merge...</source>
        <translation>&amp;Publipostage...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Email Address Palette...</source>
        <translation>Palette d&apos;&amp;adresses e-mail...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve Sent Messages</source>
        <translation>Enregistrer les messages en&amp;voyés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show &amp;Email Address Palette on Startup</source>
        <translation>Afficher la pale&amp;tte d&apos;adresses e-mail au démarrage</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Insert into &amp;To field</source>
        <translation>Insérer dans le c&amp;hamp À</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Cc field</source>
        <translation>Insérer dans le champ &amp;Cc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert into &amp;Bcc field</source>
        <translation>Insérer dans le champ Cc&amp;i</translation>
    </message>
    <message>
        <location line="+191"/>
        <source>Unable to insert address. Are you sure the Compose screen is displayed in your browser?</source>
        <translation>Impossible d&apos;insérer l&apos;adresse. L&apos;écran de rédaction est-il bien affiché dans votre navigateur&#xa0;?</translation>
    </message>
</context>
<context>
    <name>DefaultMailer</name>
    <message>
        <location filename="../src/gui/app/DefaultMailer.cpp" line="+52"/>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Make Postling the program that opens e-mail links (mailto:) on this desktop?</source>
        <translation>Faire de Postling le programme qui ouvre les liens e-mail (mailto:) sur ce bureau&#xa0;?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Postling now opens e-mail links (mailto:).</source>
        <translation>Postling ouvre désormais les liens e-mail (mailto:).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>xdg-mime was not found (it comes with the xdg-utils package).</source>
        <translation>xdg-mime est introuvable (il est fourni avec le paquet xdg-utils).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>xdg-mime said: %1</source>
        <translation>xdg-mime a répondu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postling could not be made the program for e-mail links. %1</source>
        <translation>Postling n&apos;a pas pu devenir le programme des liens e-mail. %1</translation>
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
        <translation>Adresses e-mail</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <location filename="../src/core/fs/AtomicFile.cpp" line="+48"/>
        <source>%1: %2</source>
        <extracomment>A file and why it could not be read or written (&quot;the disk is full&quot;).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the folder or file is read-only (no permission to write)</source>
        <translation>le dossier ou le fichier est en lecture seule (pas d&apos;autorisation d&apos;écriture)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it is not there any more (moved or deleted)</source>
        <translation>il n&apos;existe plus (déplacé ou supprimé)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of that name is in the way</source>
        <translation>un dossier portant ce nom occupe déjà la place</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a file of that name is already there</source>
        <translation>un fichier portant ce nom existe déjà</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the disk reported an error</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+22"/>
        <source>Find Address</source>
        <translation>Rechercher une adresse</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find:</source>
        <translation>Rechercher&#xa0;:</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/app/HelpWindow.cpp" line="+14"/>
        <source>Postling Help</source>
        <translation>Aide de Postling</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The help file %1 was not found.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/gui/addressbook/AddressDialogs.cpp" line="+38"/>
        <source>Move Selected Column to Postion:</source>
        <translation>Déplacer la colonne sélectionnée à la position&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finish Import</source>
        <translation>Terminer l&apos;importation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Data</source>
        <translation>Importer les données</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>first name</source>
        <translation>prénom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>last name</source>
        <translation>nom</translation>
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
        <translation>%1 tiré de &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proposed: %1.</source>
        <translation>Proposé&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Line up Columns</source>
        <translation>Aligner les colonnes</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Before clicking the Finish Import button, you must insure that the fields (columns) line up properly. Use the controls below to  move columns in the data file you are importing. It is NOT necessary to line up columns which are completely blank or which contain information you don&apos;t care about.</source>
        <translation>Avant de cliquer sur le bouton Terminer l&apos;importation, vous devez vous assurer que les champs (colonnes) sont correctement alignés. Utilisez les commandes ci-dessous pour déplacer les colonnes du fichier de données que vous importez. Il n&apos;est PAS nécessaire d&apos;aligner les colonnes entièrement vides ou qui contiennent des informations qui ne vous intéressent pas.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Data being Imported:</source>
        <translation>Données en cours d&apos;importation&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import To (The data being imported must line up with these colums):</source>
        <translation>Importer vers (les données importées doivent être alignées sur ces colonnes)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>InboxSubsystem</name>
    <message>
        <location filename="../src/gui/inbox/InboxSubsystem.cpp" line="+25"/>
        <source>Inbox Management</source>
        <translation>Gestion de la boîte de réception</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inbox Management/Spam Settings</source>
        <translation>Gestion de la boîte de réception/Paramètres anti-spam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks only un&amp;read messages</source>
        <translation>&quot;Cocher les spams&quot; ne coche &amp;que les messages non lus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Check Spam&quot; checks messa&amp;ges with multiple non-English characters</source>
        <translation>&quot;Cocher les spams&quot; coche les messages contenant plusieurs caractères &amp;non anglais</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edit Spam &amp;Keywords</source>
        <translation>Modifier les mots-clés de &amp;spam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check S&amp;pam</source>
        <translation>Coc&amp;her les spams</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Unread</source>
        <translation>Cocher les non &amp;lus</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Check Spam Messages</source>
        <translation>Cocher les messages de &amp;spam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;heck Unread Messages</source>
        <translation>Cocher les messages &amp;non lus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check &amp;Group of Messages</source>
        <translation>Cocher un &amp;groupe de messages</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Uncheck All Messages</source>
        <translation>&amp;Décocher tous les messages</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Unread Messages</source>
        <translation>Tous les messages non lus</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>First %n Unread Messages</source>
        <translation>
            <numerusform>Le premier message non lu (%n)</numerusform>
            <numerusform>Les %n premiers messages non lus</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;Check Unread&quot; checks:</source>
        <translation>&quot;Cocher les non lus&quot; coche&#xa0;:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>a list of spam keywords</source>
        <translation>une liste de mots-clés de spam</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>No message list with check boxes was found on this page</source>
        <translation>Aucune liste de messages avec cases à cocher trouvée sur cette page</translation>
    </message>
    <message numerus="yes">
        <location line="+24"/>
        <source>Ticked %n: %1 by keyword, %2 non-English</source>
        <translation>
            <numerusform>%n message coché&#xa0;: %1 par mot-clé, %2 non anglais</numerusform>
            <numerusform>%n messages cochés&#xa0;: %1 par mot-clé, %2 non anglais</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Check Unread: unread</source>
        <extracomment>Why Check Unread ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Cocher les non lus&#xa0;: non lu</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n unread</source>
        <translation>
            <numerusform>%n message non lu coché</numerusform>
            <numerusform>%n messages non lus cochés</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Check Group: between ticked messages</source>
        <translation>Cocher un groupe&#xa0;: entre des messages cochés</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Ticked %n between ticked messages</source>
        <translation>
            <numerusform>%n message coché entre les messages cochés</numerusform>
            <numerusform>%n messages cochés entre les messages cochés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Unticked %n</source>
        <translation>
            <numerusform>%n message décoché</numerusform>
            <numerusform>%n messages décochés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InboxTools</name>
    <message>
        <location filename="../src/core/inbox/InboxTools.cpp" line="+96"/>
        <source>Check Spam: keyword &apos;%1&apos;</source>
        <extracomment>Why Check Spam ticked a message (its tooltip in the inbox).</extracomment>
        <translation>Cocher les spams&#xa0;: mot-clé &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Check Spam: %1 non-English letters</source>
        <translation>Cocher les spams&#xa0;: %1 lettres non anglaises</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../src/core/app/IniFile.cpp" line="+102"/>
        <source>a setting&apos;s value cannot hold a line break or NUL</source>
        <translation>la valeur d&apos;un paramètre ne peut contenir ni saut de ligne ni caractère NUL</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed section name</source>
        <translation>nom de section mal formé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>malformed key</source>
        <translation>clé mal formée</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>no settings file</source>
        <translation>aucun fichier de paramètres</translation>
    </message>
</context>
<context>
    <name>MailMerge</name>
    <message numerus="yes">
        <location filename="../src/gui/compose/MailMerge.cpp" line="+35"/>
        <source>Waiting for the site (message %1); the run stops if it has not answered in %n seconds…</source>
        <translation>
            <numerusform>En attente du site (message %1)&#xa0;; l&apos;envoi s&apos;arrête s&apos;il n&apos;a pas répondu d&apos;ici %n seconde…</numerusform>
            <numerusform>En attente du site (message %1)&#xa0;; l&apos;envoi s&apos;arrête s&apos;il n&apos;a pas répondu d&apos;ici %n secondes…</numerusform>
        </translation>
    </message>
    <message>
        <location line="+121"/>
        <source>The message has no text. Write it in the compose form, or use a template, then start the merge.</source>
        <translation>Le message n&apos;a pas de texte. Rédigez-le dans le formulaire de rédaction, ou utilisez un modèle, puis lancez le publipostage.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The merge log could not be written, so nothing was sent.
%1</source>
        <translation>Impossible d&apos;écrire le journal du publipostage&#xa0;: rien n&apos;a donc été envoyé.
%1</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Stopping once message %1 has been accepted; press Stop again not to wait.</source>
        <translation>Arrêt dès que le message %1 aura été accepté&#xa0;; appuyez de nouveau sur Arrêter pour ne pas attendre.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 of %2 sent, %3 left</source>
        <translation>%1 sur %2 envoyés, %3 restants</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <location filename="../src/gui/app/MainForm.cpp" line="+102"/>
        <source>Inbox/Login</source>
        <translation>Boîte de réception/Connexion</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+67"/>
        <source>Compose</source>
        <translation>Rédiger</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Saved Message Folders (local)</source>
        <translation>Dossiers des messages enregistrés (en local)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Browser</source>
        <translation>Navigateur</translation>
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
        <translation>Enregistrer les messages en local</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Set Postling as your &amp;Default E-mail Program (for mailto links)</source>
        <translation>Faire de Postling votre programme de messagerie par &amp;défaut (pour les liens mailto)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Default Email Template:</source>
        <translation>Modèle d&apos;e-mail par défaut&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Default Folder for Saving Messages:</source>
        <translation>Dossier par défaut pour l&apos;enregistrement des messages&#xa0;:</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Address Book</source>
        <translation>&amp;Carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About Postling...</source>
        <translation>À &amp;propos de Postling...</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Close Postling anyway? The changes to the address book will be lost.</source>
        <translation>Fermer Postling quand même&#xa0;? Les modifications du carnet d&apos;adresses seront perdues.</translation>
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
            <numerusform>%n écriture interrompue supprimée</numerusform>
            <numerusform>%n écritures interrompues supprimées</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a mail merge to resume (Mail Merge, Start)</source>
        <translation>un publipostage à reprendre (Publipostage, Démarrer)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recovered: %1</source>
        <translation>Récupéré&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not read: %1</source>
        <translation>Non lu : %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>More tools</source>
        <translation>Plus d&apos;outils</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Postling could not save its settings or spam keywords; the files keep what they held before.
%1</source>
        <translation>Postling n&apos;a pas pu enregistrer ses paramètres ou ses mots-clés de spam&#xa0;; les fichiers conservent leur contenu précédent.
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
        <translation>Toutes les adresses de votre carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only the selected addresses</source>
        <translation>Seulement les adresses sélectionnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+158"/>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <location line="-157"/>
        <source>Stop Test</source>
        <translation>Arrêter le test</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide Log</source>
        <translation>Masquer le journal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show Log</source>
        <translation>Afficher le journal</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location line="+111"/>
        <location line="+7"/>
        <source>Emails Sent: %n</source>
        <translation>
            <numerusform>E-mail envoyé&#xa0;: %n</numerusform>
            <numerusform>E-mails envoyés&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="-117"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preview...</source>
        <translation>Aperçu...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mail Merge</source>
        <translation>Publipostage</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mail Merge lets you send personalized email to a list of people. You must enter the body of your email message into the Compose form. You can use &quot;Merge  Fields&quot; to insert personalized information such as names from your address book.</source>
        <translation>Le publipostage vous permet d&apos;envoyer un e-mail personnalisé à une liste de personnes. Vous devez saisir le corps de votre message dans le formulaire de rédaction. Vous pouvez utiliser des &quot;champs de fusion&quot; pour insérer des informations personnalisées, comme les noms de votre carnet d&apos;adresses.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For detailed instructions on how to use this feature, please  click the Help button.</source>
        <translation>Pour des instructions détaillées sur l&apos;utilisation de cette fonction, cliquez sur le bouton Aide.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Merge Settings</source>
        <translation>Paramètres du publipostage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Send Mail To:</source>
        <translation>Envoyer le message à&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pause between messages:</source>
        <translation>Pause entre les messages&#xa0;:</translation>
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
        <translation>La fonction de test crée un e-mail pour la première adresse de votre liste et l&apos;affiche dans le formulaire de rédaction. L&apos;e-mail n&apos;est pas envoyé. Après avoir vérifié que l&apos;e-mail de test est correct, cliquez sur le bouton Arrêter le test pour revenir à votre modèle d&apos;e-mail d&apos;origine.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Start Merge: Press Start to begin sending</source>
        <translation>Lancer le publipostage&#xa0;: appuyez sur Démarrer pour commencer l&apos;envoi</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>row %1, %2: %3</source>
        <translation>ligne %1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not sent to %1: %2</source>
        <translation>Non envoyé à %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n sent. The site did not send these:
%1
Start again to send just them once they are put right.</source>
        <translation>
            <numerusform>%n envoyé. Le site n&apos;a pas envoyé les messages suivants&#xa0;:
%1
Une fois le problème corrigé, démarrez de nouveau pour n&apos;envoyer que ceux-là.</numerusform>
            <numerusform>%n envoyés. Le site n&apos;a pas envoyé les messages suivants&#xa0;:
%1
Une fois le problème corrigé, démarrez de nouveau pour n&apos;envoyer que ceux-là.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Emails have been sent to:</source>
        <translation>Des e-mails ont été envoyés à&#xa0;:</translation>
    </message>
</context>
<context>
    <name>MergePreview</name>
    <message>
        <location filename="../src/gui/compose/MergePreview.cpp" line="+16"/>
        <source>skipped: no address</source>
        <translation>ignorée&#xa0;: aucune adresse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: sent by an earlier run</source>
        <translation>ignorée&#xa0;: envoyée lors d&apos;un envoi précédent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skipped: was being sent when a run stopped</source>
        <translation>ignorée&#xa0;: en cours d&apos;envoi à l&apos;arrêt d&apos;un envoi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Merge Preview</source>
        <translation>Aperçu du publipostage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start of the body</source>
        <translation>Début du corps du message</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 of %n rows will be sent.</source>
        <translation>
            <numerusform>Lignes à envoyer&#xa0;: %1 sur %n.</numerusform>
            <numerusform>Lignes à envoyer&#xa0;: %1 sur %n.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 matches no column and is sent as it is written.</source>
        <translation>%1 ne correspond à aucune colonne et est envoyé tel quel.</translation>
    </message>
</context>
<context>
    <name>MergeTexts</name>
    <message>
        <location filename="../src/gui/compose/MergeTexts.cpp" line="+21"/>
        <source>Unable to send message. Are you sure the compose form is displayed? Mail Merge works only in plain test mode. You cannot use the Rich Text/HTML compose form.</source>
        <translation>Impossible d&apos;envoyer le message. Le formulaire de rédaction est-il bien affiché&#xa0;? Le publipostage ne fonctionne qu&apos;en mode texte brut. Vous ne pouvez pas utiliser le formulaire de rédaction en texte enrichi/HTML.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The run has stopped; press Stop, and Start again later to send the rest. %1 lists what was sent.</source>
        <translation>L&apos;envoi s&apos;est arrêté&#xa0;; appuyez sur Arrêter, puis de nouveau sur Démarrer plus tard pour envoyer le reste. %1 indique ce qui a été envoyé.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The site did not accept the message to %1.</source>
        <translation>Le site n&apos;a pas accepté le message destiné à %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not accept the message to %1 (row %2).</source>
        <translation>Le site n&apos;a pas accepté le message destiné à %1 (ligne %2).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The site showed another page instead of its compose form.</source>
        <translation>Le site a affiché une autre page au lieu de son formulaire de rédaction.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site showed another page instead of its compose form: perhaps you were signed out. Sign in again first.</source>
        <translation>Le site a affiché une autre page au lieu de son formulaire de rédaction&#xa0;: vous avez peut-être été déconnecté. Reconnectez-vous d&apos;abord.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No answer about the message to %1.</source>
        <translation>Aucune réponse concernant le message destiné à %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds about the message to %2 (row %3). It may have been sent, so it will not be sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>Le site n&apos;a pas répondu dans les %1 secondes concernant le message destiné à %2 (ligne %3). Il a peut-être été envoyé&#xa0;; il ne sera donc pas renvoyé&#xa0;: cherchez-le dans le dossier Envoyés du site.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The site did not answer.</source>
        <translation>Le site n&apos;a pas répondu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The site did not answer within %1 seconds.</source>
        <translation>Le site n&apos;a pas répondu dans les %1 secondes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge log could not be written.</source>
        <translation>Impossible d&apos;écrire le journal du publipostage.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The merge log could not be written, so the run has stopped before its next message.
%1
Press Stop; once the log can be written, Start again to send the rest.</source>
        <translation>Impossible d&apos;écrire le journal du publipostage&#xa0;: l&apos;envoi s&apos;est donc arrêté avant le message suivant.
%1
Appuyez sur Arrêter&#xa0;; dès que le journal pourra être écrit, démarrez de nouveau pour envoyer le reste.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+1"/>
        <source>The site could not be reached.</source>
        <translation>Impossible de joindre le site.</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>The last run of this message over this address book did not finish: %n of its messages were sent.</source>
        <translation>
            <numerusform>Le dernier envoi de ce message à ce carnet d&apos;adresses ne s&apos;est pas terminé&#xa0;: %n de ses messages a été envoyé.</numerusform>
            <numerusform>Le dernier envoi de ce message à ce carnet d&apos;adresses ne s&apos;est pas terminé&#xa0;: %n de ses messages ont été envoyés.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was being sent when the run stopped. It is not sent again: look for it in the site&apos;s Sent folder.</source>
        <translation>La ligne %1 (%2) était en cours d&apos;envoi lorsque l&apos;envoi s&apos;est arrêté. Son message n&apos;est pas renvoyé&#xa0;: cherchez-le dans le dossier Envoyés du site.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1 (%2) was refused: %3</source>
        <translation>La ligne %1 (%2) a été refusée&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Skip the rows already sent and send only the rest? (No sends every row again; Cancel sends nothing.)</source>
        <translation>Ignorer les lignes déjà envoyées et n&apos;envoyer que le reste&#xa0;? (Non renvoie toutes les lignes&#xa0;; Annuler n&apos;envoie rien.)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The merge cannot start: no %1 field was found on this page.</source>
        <translation>Le publipostage ne peut pas commencer : aucun champ « %1 » n’a été trouvé sur cette page.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The merge cannot start: no Send button was found on this page.</source>
        <translation>Le publipostage ne peut pas commencer : aucun bouton d’envoi n’a été trouvé sur cette page.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The merge cannot start: this page has no place where the site says whether a message was sent, so Postling could not tell which messages went.</source>
        <translation>Le publipostage ne peut pas commencer : cette page n’a aucun endroit où le site dit si un message a été envoyé, Postling ne pourrait donc pas savoir quels messages sont partis.</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>Send %n messages, one to each address of the chosen rows?</source>
        <translation>
            <numerusform>Envoyer %n message, un à chaque adresse des lignes choisies&#xa0;?</numerusform>
            <numerusform>Envoyer %n messages, un à chaque adresse des lignes choisies&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MessageListModel</name>
    <message>
        <location filename="../src/gui/store/MessageListModel.cpp" line="+84"/>
        <source>Sent To</source>
        <translation>Envoyé à</translation>
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
        <translation>Objet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <translation>Dossier</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PaneFrame</name>
    <message>
        <location filename="../src/gui/addressbook/PaneFrame.cpp" line="+43"/>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Show Email Address Palette</source>
        <translation>Afficher la palette d&apos;adresses e-mail</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show Address Book Panel</source>
        <translation>Afficher le volet du carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Contract Address Book</source>
        <translation>Réduire le carnet d&apos;adresses</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Expand Address Book</source>
        <translation>Agrandir le carnet d&apos;adresses</translation>
    </message>
</context>
<context>
    <name>SavedMessagesPanel</name>
    <message>
        <location filename="../src/gui/store/SavedMessagesPanel.cpp" line="+35"/>
        <source>N&amp;ew Folder...</source>
        <translation>&amp;Nouveau dossier...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mana&amp;ge Folders...</source>
        <translation>&amp;Gérer les dossiers...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Reply (with original text)</source>
        <translation>&amp;Répondre (avec le texte d&apos;origine)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reply (&amp;blank)</source>
        <translation>Répondre (sans te&amp;xte)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For&amp;ward</source>
        <translation>&amp;Transférer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send &amp;Again</source>
        <translation>Renvo&amp;yer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move t&amp;o:</source>
        <translation>&amp;Déplacer vers&#xa0;:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>  Folders</source>
        <translation>  Dossiers</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search every folder: sender, recipient, subject, text</source>
        <translation>Rechercher dans tous les dossiers&#xa0;: expéditeur, destinataire, objet, texte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Saved messages</source>
        <translation>Messages enregistrés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder to move the message to</source>
        <translation>Dossier de destination du message</translation>
    </message>
    <message>
        <location line="+162"/>
        <source>This file (%1 MB) is too large to show here. It is kept as it is in %2.</source>
        <translation>Ce fichier (%1 Mo) est trop volumineux pour être affiché ici. Il est conservé tel quel dans %2.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>The message could not be deleted.
%1</source>
        <translation>Impossible de supprimer le message.
%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You must select the folder you want to move the file to.</source>
        <translation>Vous devez sélectionner le dossier vers lequel déplacer le fichier.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There was an error in attempting to move this file.
%1</source>
        <translation>Une erreur s&apos;est produite lors de la tentative de déplacement de ce fichier.
%1</translation>
    </message>
</context>
<context>
    <name>SentCopies</name>
    <message>
        <location filename="../src/gui/compose/SentCopies.cpp" line="+75"/>
        <source>The site did not confirm the message was sent, so no Sent copy was kept.</source>
        <translation>Le site n&apos;a pas confirmé l&apos;envoi du message ; aucune copie n&apos;a donc été gardée dans Sent.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The site did not send the message (%1), so no Sent copy was kept.</source>
        <translation>Le site n&apos;a pas envoyé le message (%1) ; aucune copie n&apos;a donc été gardée dans Sent.</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <location filename="../src/gui/app/SettingsPanel.cpp" line="+9"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>StartPages</name>
    <message>
        <location filename="../src/gui/sites/StartPages.cpp" line="+18"/>
        <source>Start Page</source>
        <translation>Page de démarrage</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Yahoo Mail:</source>
        <translation>&amp;Yahoo Mail&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yahoo! Mail</source>
        <translation>Yahoo! Mail</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Yahoo Mail</source>
        <translation>Aller sur Yahoo Mail</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MSN H&amp;otmail</source>
        <translation>&amp;MSN Hotmail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotmail</source>
        <translation>Hotmail</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to Hotmail</source>
        <translation>Aller sur Hotmail</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Round&amp;cube:</source>
        <translation>&amp;Roundcube&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Roundcube</source>
        <translation>Roundcube</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to your Roundcube</source>
        <translation>Aller sur votre Roundcube</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other &amp;webmail:</source>
        <translation>Autre messagerie &amp;web&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other webmail</source>
        <translation>Autre messagerie web</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Go to your other webmail</source>
        <translation>Aller sur votre autre messagerie web</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 start page</source>
        <translation>Page de démarrage de %1</translation>
    </message>
</context>
<context>
    <name>StoreSubsystem</name>
    <message>
        <location filename="../src/gui/store/StoreSubsystem.cpp" line="+32"/>
        <source>Unable to read message. Are you sure a message is displayed?</source>
        <translation>Impossible de lire le message. Un message est-il bien affiché&#xa0;?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Save Msg &lt;&lt;</source>
        <translation>&amp;Enregistrer msg &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message Saved</source>
        <translation>Message enregistré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Current Message</source>
        <translation>&amp;Enregistrer le message affiché</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+162"/>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <location line="-149"/>
        <location line="+143"/>
        <source>Save to: %1</source>
        <translation>Enregistrer dans&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>You must select a folder to save the message to</source>
        <translation>Vous devez sélectionner un dossier dans lequel enregistrer le message</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The site did not send the message&apos;s text, so nothing was saved. Is the site reachable? Try again once it is.</source>
        <translation>Le site n&apos;a pas transmis le texte du message ; rien n&apos;a donc été enregistré. Le site est-il accessible ? Réessayez dès qu&apos;il l&apos;est.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+21"/>
        <source>No From or Subject was found on this page</source>
        <translation>Ni expéditeur (De) ni objet trouvé sur cette page</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>No From was found on this page</source>
        <translation>Aucun expéditeur (De) trouvé sur cette page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No Subject was found on this page</source>
        <translation>Aucun objet trouvé sur cette page</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You cannot save incoming messages to the Sent Messages Folder.</source>
        <translation>Vous ne pouvez pas enregistrer de messages reçus dans le dossier Sent des messages envoyés.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sent message could not be kept: %1</source>
        <translation>Le message envoyé n&apos;a pas pu être conservé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The message could not be saved.
%1</source>
        <translation>Impossible d&apos;enregistrer le message.
%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Msg not saved</source>
        <translation>Msg non enregistré</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Msg Saved</source>
        <translation>Msg enregistré</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Folder Name:</source>
        <translation>Nom du dossier&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unable to create directory. Please check to make sure you have entered a valid directory name.</source>
        <translation>Impossible de créer le dossier. Vérifiez que vous avez saisi un nom de dossier valide.</translation>
    </message>
</context>
<context>
    <name>Template</name>
    <message>
        <location filename="../src/core/compose/Template.cpp" line="+68"/>
        <source>a template&apos;s name cannot hold &quot;/&quot;</source>
        <translation>le nom d&apos;un modèle ne peut pas contenir &quot;/&quot;</translation>
    </message>
</context>
<context>
    <name>TemplateCommands</name>
    <message>
        <location filename="../src/gui/compose/TemplateCommands.cpp" line="+20"/>
        <source>Use Temp&amp;late &gt;&gt;</source>
        <translation>&amp;Utiliser le modèle &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New/Edit...</source>
        <translation>Nouveau/Mod&amp;ifier...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Insert/Edit Email Template...</source>
        <translation>Insérer/modifier un &amp;modèle d&apos;e-mail...</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>You must select a template.</source>
        <translation>Vous devez sélectionner un modèle.</translation>
    </message>
</context>
<context>
    <name>TemplateDialog</name>
    <message>
        <location filename="../src/gui/compose/TemplateDialog.cpp" line="+22"/>
        <source>Do you want to save your changes to this email template?</source>
        <translation>Voulez-vous enregistrer les modifications apportées à ce modèle d&apos;e-mail&#xa0;?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert to Form &gt;&gt;</source>
        <translation>Insérer dans le formulaire &gt;&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Capture from Form &lt;&lt;</source>
        <translation>Récupérer du formulaire &lt;&lt;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for the compose form to load… Close this window to stop waiting.</source>
        <translation>Attente du chargement du formulaire de rédaction… Fermez cette fenêtre pour ne plus attendre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Email Template</source>
        <translation>Modèle d&apos;e-mail</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Template name</source>
        <translation>Nom du modèle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Template</source>
        <translation>Ouvrir un modèle</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subject:</source>
        <translation>Objet&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Body:</source>
        <translation>Corps&#xa0;:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Capture From or Insert to Compose Form</source>
        <translation>Récupérer du formulaire de rédaction ou y insérer</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The email template could not be read from %1.</source>
        <translation>Impossible de lire le modèle d&apos;e-mail depuis %1.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>You must give the email template a name.</source>
        <translation>Vous devez donner un nom au modèle d&apos;e-mail.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must specify a subject.</source>
        <translation>Vous devez indiquer un objet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You must enter some body text.</source>
        <translation>Vous devez saisir le texte du message.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The email template could not be saved.
%1</source>
        <translation>Impossible d&apos;enregistrer le modèle d&apos;e-mail.
%1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <location filename="../src/core/addressbook/AddressBook.cpp" line="+38"/>
        <source>an address book</source>
        <translation>un carnet d&apos;adresses</translation>
    </message>
    <message>
        <location filename="../src/core/text/Strings.cpp" line="+96"/>
        <source>it is too large (%1 MB) for %2</source>
        <extracomment>%2 is what the file was to be: &quot;an address book&quot;.</extracomment>
        <translation>il est trop volumineux (%1 Mo) pour %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+5"/>
        <source>it holds binary data, not text</source>
        <translation>il contient des données binaires, pas du texte</translation>
    </message>
</context>
<context>
    <name>WaitOverlay</name>
    <message>
        <location filename="../src/gui/app/WaitOverlay.cpp" line="+7"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>WebBrowser</name>
    <message>
        <location filename="../src/gui/browser/WebBrowser.cpp" line="+18"/>
        <source>Opening page %1...</source>
        <translation>Ouverture de la page %1...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Done</source>
        <translation>Terminé</translation>
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
        <translation>&amp;Roundcube&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Other webmail:</source>
        <translation>&amp;Autre messagerie web&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Welcome!</source>
        <translation>Bienvenue&#xa0;!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Roundcube address</source>
        <translation>Adresse de Roundcube</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Other webmail address</source>
        <translation>Adresse de l&apos;autre messagerie web</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Welcome to Postling!</source>
        <translation>Bienvenue dans Postling&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please indicate whether you would prefer to begin at Yahoo! Mail, Hotmail, your own Roundcube or another webmail when you first start Postling.</source>
        <translation>Indiquez si vous préférez commencer par Yahoo! Mail, Hotmail, votre propre Roundcube ou une autre messagerie web au premier lancement de Postling.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select your Start Page</source>
        <translation>Choisissez votre page de démarrage</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Just choose the mail provider you use most often. You can still easily access the others from the toolbar or change the default in the settings tab.</source>
        <translation>Choisissez simplement le fournisseur de messagerie que vous utilisez le plus souvent. Vous pourrez toujours accéder facilement aux autres depuis la barre d&apos;outils, ou modifier ce choix dans l&apos;onglet Paramètres.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
