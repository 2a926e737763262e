<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ActionLabel</name>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Clear Marked Items</source>
        <translation>Abgehakte entfernen</translation>
    </message>
    <message>
        <source>Clear Coupons</source>
        <translation>Gutscheine entfernen</translation>
    </message>
    <message>
        <source>Arrange Departments</source>
        <translation>Abteilungen anordnen</translation>
    </message>
    <message>
        <source>Arrange Departments for %1</source>
        <translation>Abteilungen für %1 anordnen</translation>
    </message>
    <message>
        <source>Learned walk of %1</source>
        <translation>Gelernter Laufweg von %1</translation>
    </message>
    <message>
        <source>Walk of %1</source>
        <translation>Laufweg von %1</translation>
    </message>
    <message>
        <source>New Item: %1</source>
        <translation>Neuer Artikel: %1</translation>
    </message>
    <message>
        <source>Edit Item: %1</source>
        <translation>Artikel bearbeitet: %1</translation>
    </message>
    <message>
        <source>Delete Item: %1</source>
        <translation>Artikel gelöscht: %1</translation>
    </message>
    <message>
        <source>Add one: %1</source>
        <translation>Eins mehr: %1</translation>
    </message>
    <message>
        <source>Subtract one: %1</source>
        <translation>Eins weniger: %1</translation>
    </message>
    <message>
        <source>Quantity %1: %2</source>
        <translation>Menge %1: %2</translation>
    </message>
    <message>
        <source>Mark: %1</source>
        <translation>Abgehakt: %1</translation>
    </message>
    <message>
        <source>Unmark: %1</source>
        <translation>Haken entfernt: %1</translation>
    </message>
    <message>
        <source>Rename department %1 to %2</source>
        <translation>Abteilung %1 in %2 umbenennen</translation>
    </message>
    <message>
        <source>Rename store %1 to %2</source>
        <translation>Laden %1 in %2 umbenennen</translation>
    </message>
    <message>
        <source>Import %1 item from the common groceries</source>
        <translation>%1 Artikel aus dem Grundsortiment importieren</translation>
    </message>
    <message>
        <source>Import %1 items from the common groceries</source>
        <translation>%1 Artikel aus dem Grundsortiment importieren</translation>
    </message>
    <message>
        <source>Import %1 item from %2</source>
        <translation>%1 Artikel aus %2 importieren</translation>
    </message>
    <message>
        <source>Import %1 items from %2</source>
        <translation>%1 Artikel aus %2 importieren</translation>
    </message>
</context>
<context>
    <name>AutoWalks</name>
    <message>
        <source>%1 now walks as learned from %2 trip; Ctrl+Z undoes it.</source>
        <translation>%1 folgt jetzt dem aus %2 Einkauf gelernten Laufweg; Strg+Z macht es rückgängig.</translation>
    </message>
    <message>
        <source>%1 now walks as learned from %2 trips; Ctrl+Z undoes it.</source>
        <translation>%1 folgt jetzt dem aus %2 Einkäufen gelernten Laufweg; Strg+Z macht es rückgängig.</translation>
    </message>
    <message>
        <source>%1 now walk as learned from their trips; Ctrl+Z undoes each.</source>
        <translation>%1 folgen jetzt den aus ihren Einkäufen gelernten Laufwegen; Strg+Z macht jeden rückgängig.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Grocelle</source>
        <translation>Über Grocelle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>© 2026 Velmora. Made for people who shop.</source>
        <translation>© 2026 Velmora. Für Menschen, die einkaufen.</translation>
    </message>
</context>
<context>
    <name>CArrangeDlg</name>
    <message>
        <source>Arrange Departments</source>
        <translation>Abteilungen anordnen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Make the learned order this store&apos;s walk</source>
        <translation>Die gelernte Reihenfolge zum Laufweg dieses Ladens machen</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <translation>&amp;Laden:</translation>
    </message>
    <message>
        <source>The walk of %1 could not be saved, so it stays as it was.</source>
        <translation>Der Laufweg von %1 konnte nicht gespeichert werden und bleibt unverändert.</translation>
    </message>
    <message>
        <source>every store</source>
        <translation>alle Läden</translation>
    </message>
    <message>
        <source>Keep the order arranged for %1?</source>
        <translation>Die Reihenfolge für %1 beibehalten?</translation>
    </message>
    <message>
        <source>The walk of %1 could not be read.</source>
        <translation>Der Laufweg von %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1&apos;s own walk</source>
        <translation>Eigener Laufweg von %1</translation>
    </message>
    <message>
        <source>%1 walks in the everyday order</source>
        <translation>%1 folgt der üblichen Reihenfolge</translation>
    </message>
    <message>
        <source>Nothing learned yet at %1. Its walk is learned from the trips on which items are marked in its tab.</source>
        <translation>Bei %1 noch nichts gelernt. Der Laufweg wird aus Einkäufen gelernt, bei denen Artikel in seinem Reiter abgehakt werden.</translation>
    </message>
    <message>
        <source>%1, learned from 1 trip</source>
        <translation>%1, gelernt aus 1 Einkauf</translation>
    </message>
    <message>
        <source>%1, learned from %2 trips</source>
        <translation>%1, gelernt aus %2 Einkäufen</translation>
    </message>
    <message>
        <source>The learned walk could not be applied, so %1 keeps its walk.</source>
        <translation>Der gelernte Laufweg konnte nicht übernommen werden; %1 behält seinen Laufweg.</translation>
    </message>
    <message>
        <source>The departments could not be put in order, so every item keeps its old place.</source>
        <translation>Die Abteilungen konnten nicht geordnet werden; jeder Artikel behält seinen Platz.</translation>
    </message>
    <message>
        <source>Arrange the list above in the order you walk through the store.  Your list will be sorted that way.</source>
        <translation>Ordnen Sie die Liste oben so, wie Sie durch den Laden gehen. Ihre Einkaufsliste wird dann so sortiert.</translation>
    </message>
    <message>
        <source>Arrange the list in the order you walk through this store.  Its own list will be sorted that way; the other stores keep theirs.</source>
        <translation>Ordnen Sie die Liste so, wie Sie durch diesen Laden gehen. Seine Liste wird so sortiert; die anderen Läden behalten ihre.</translation>
    </message>
    <message>
        <source>Error in opening DB: 10001</source>
        <translation>Fehler beim Öffnen der Datenbank: 10001</translation>
    </message>
    <message>
        <source>All stores</source>
        <translation>Alle Läden</translation>
    </message>
</context>
<context>
    <name>CFirstStartDlg</name>
    <message>
        <source>Your catalog is empty. How would you like to start?</source>
        <translation>Ihr Katalog ist leer. Wie möchten Sie beginnen?</translation>
    </message>
    <message>
        <source>Start with &amp;common groceries (%1 items in %2 departments)</source>
        <translation>Mit &amp;üblichen Lebensmitteln beginnen (%1 Artikel in %2 Abteilungen)</translation>
    </message>
    <message>
        <source>&amp;Import a file...</source>
        <translation>Datei &amp;importieren...</translation>
    </message>
    <message>
        <source>Start &amp;empty</source>
        <translation>&amp;Leer beginnen</translation>
    </message>
    <message>
        <source>Tip for first-time users:  You can bring a list you already have: copy it and press Ctrl+Shift+V, or choose Tools &gt; Import... for a file from another program.</source>
        <translation>Tipp für den Einstieg: Eine vorhandene Liste können Sie kopieren und mit Strg+Umschalt+V einfügen, oder wählen Sie Extras &gt; Importieren... für eine Datei aus einem anderen Programm.</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Choose an action to undo it with every action after it.</source>
        <translation>Wählen Sie eine Aktion, um sie mit allen späteren rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>&amp;Undo to Here</source>
        <translation>Bis hierher &amp;rückgängig</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import from %1 (%2)</source>
        <translation>Import aus %1 (%2)</translation>
    </message>
    <message>
        <source>Items already in the catalog</source>
        <translation>Artikel, die schon im Katalog sind</translation>
    </message>
    <message>
        <source>&amp;Set their quantities to the file&apos;s</source>
        <translation>Mengen aus der Datei &amp;übernehmen</translation>
    </message>
    <message>
        <source>&amp;Add the file&apos;s quantities to theirs</source>
        <translation>Mengen der Datei &amp;hinzuzählen</translation>
    </message>
    <message>
        <source>&amp;Department of new items:</source>
        <translation>&amp;Abteilung neuer Artikel:</translation>
    </message>
    <message>
        <source>S&amp;tore of new items:</source>
        <translation>&amp;Laden neuer Artikel:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>The catalog cannot be read.</source>
        <translation>Der Katalog kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Nothing can be imported.</source>
        <translation>Es kann nichts importiert werden.</translation>
    </message>
    <message>
        <source>Import without the refused line</source>
        <translation>Ohne die abgelehnte Zeile importieren</translation>
    </message>
    <message>
        <source>Import without the %1 refused lines</source>
        <translation>Ohne die %1 abgelehnten Zeilen importieren</translation>
    </message>
    <message>
        <source>The import could not be written; the catalog is as it was.</source>
        <translation>Der Import konnte nicht geschrieben werden; der Katalog ist unverändert.</translation>
    </message>
</context>
<context>
    <name>CItemDlg</name>
    <message>
        <source>Dept:</source>
        <translation>Abt.:</translation>
    </message>
    <message>
        <source>Coupon:</source>
        <translation>Gutschein:</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>Gutschein</translation>
    </message>
    <message>
        <source>Store:</source>
        <translation>Laden:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Sold by the:</source>
        <translation>Verkauft je:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Artikel:</translation>
    </message>
    <message>
        <source>Qty:</source>
        <translation>Menge:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter a whole number from 0 to %1 in the Qty box.</source>
        <translation>Bitte geben Sie im Feld Menge eine ganze Zahl von 0 bis %1 ein.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters in the %2 box.</source>
        <translation>Bitte geben Sie im Feld %2 höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>Please enter a number from 0 to 9999999 in the Price box.</source>
        <translation>Bitte geben Sie im Feld Preis eine Zahl von 0 bis 9999999 ein.</translation>
    </message>
    <message>
        <source>Please specify a department.</source>
        <translation>Bitte geben Sie eine Abteilung an.</translation>
    </message>
    <message>
        <source>Please name this item, or press cancel.</source>
        <translation>Bitte benennen Sie den Artikel oder wählen Sie Abbrechen.</translation>
    </message>
    <message>
        <source>Could not open database</source>
        <translation>Datenbank konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Sold by the</source>
        <translation>Verkauft je</translation>
    </message>
    <message>
        <source>Dept</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>CItemListCtrl</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>A&amp;bhaken</translation>
    </message>
    <message>
        <source>&amp;Delete item</source>
        <translation>Artikel &amp;löschen</translation>
    </message>
    <message>
        <source>C&amp;opy list to clipboard</source>
        <translation>Liste in Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Dept</source>
        <translation>Abt.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
</context>
<context>
    <name>CListApp</name>
    <message>
        <source>Grocelle cannot save its settings in %1.  It runs on the settings it could read and on its defaults, and changes to them are not kept.</source>
        <translation>Grocelle kann seine Einstellungen nicht in %1 speichern. Es läuft mit den lesbaren Einstellungen und den Vorgaben; Änderungen daran werden nicht behalten.</translation>
    </message>
</context>
<context>
    <name>CMainDlg</name>
    <message>
        <source>Dept:</source>
        <translation>Abt.:</translation>
    </message>
    <message>
        <source>The phone list could not start. %1</source>
        <translation>Die Handyliste konnte nicht starten. %1</translation>
    </message>
    <message>
        <source>The catalog is read-only, so changes cannot be undone.</source>
        <translation>Der Katalog ist schreibgeschützt, daher lassen sich Änderungen nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The catalog is empty: type a name in the box above and press Enter to add your first item.</source>
        <translation>Der Katalog ist leer: Geben Sie oben einen Namen ein und drücken Sie die Eingabetaste, um Ihren ersten Artikel anzulegen.</translation>
    </message>
</context>
<context>
    <name>CPhoneListDlg</name>
    <message>
        <source>Phone List</source>
        <translation>Handyliste</translation>
    </message>
    <message>
        <source>Serve the shopping list to phones on this network</source>
        <translation>Einkaufsliste für Handys in diesem Netz bereitstellen</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Open the address on a phone, or point its camera at the code. Anyone with a link can see and change the list. Each phone gets a link of its own with Add Phone; Remove stops one phone&apos;s link, New Link stops them all and makes one new one.</source>
        <translation>Öffnen Sie die Adresse auf dem Handy oder richten Sie die Kamera auf den Code. Wer einen Link hat, kann die Liste sehen und ändern. „Handy hinzufügen“ gibt jedem Handy einen eigenen Link; „Entfernen“ sperrt den Link eines Handys, „Neuer Link“ sperrt alle und erstellt einen neuen.</translation>
    </message>
    <message>
        <source>Offline use on the phone needs a secure (https://) link: see “The phone list without reception” in the README.</source>
        <translation>Für die Nutzung ohne Netz braucht das Handy einen sicheren Link (https://): siehe „The phone list without reception“ im README.</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Handy</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Zuletzt gesehen</translation>
    </message>
    <message>
        <source>Add Phone…</source>
        <translation>Handy hinzufügen…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>New Link</source>
        <translation>Neuer Link</translation>
    </message>
    <message>
        <source>The phone list could not start. %1</source>
        <translation>Die Handyliste konnte nicht starten. %1</translation>
    </message>
    <message>
        <source>Add Phone</source>
        <translation>Handy hinzufügen</translation>
    </message>
    <message>
        <source>A name for the phone, such as &quot;Anna&apos;s phone&quot;:</source>
        <translation>Ein Name für das Handy, etwa „Annas Handy“:</translation>
    </message>
    <message>
        <source>Remove %1? Its link stops working at once.</source>
        <translation>%1 entfernen? Sein Link funktioniert sofort nicht mehr.</translation>
    </message>
    <message>
        <source>(off)</source>
        <translation>(aus)</translation>
    </message>
    <message>
        <source>Turn the list on to show its code.</source>
        <translation>Schalten Sie die Liste ein, um ihren Code zu zeigen.</translation>
    </message>
    <message>
        <source>Each phone&apos;s link is shown once, when it is made. Add Phone makes a link for another phone.</source>
        <translation>Der Link eines Handys wird nur einmal gezeigt, wenn er entsteht. „Handy hinzufügen“ erstellt einen Link für ein weiteres Handy.</translation>
    </message>
    <message>
        <source>The link of %1</source>
        <translation>Der Link von %1</translation>
    </message>
</context>
<context>
    <name>CQuickEntry</name>
    <message>
        <source>Please enter a quantity from 1 to %1 in the quantity box.</source>
        <translation>Bitte geben Sie im Mengenfeld eine Menge von 1 bis %1 ein.</translation>
    </message>
</context>
<context>
    <name>CRenameDlg</name>
    <message>
        <source>Rename Stores / Depts</source>
        <translation>Läden / Abteilungen umbenennen</translation>
    </message>
    <message>
        <source>To globally rename a department or store, enter the old and new name below.</source>
        <translation>Um eine Abteilung oder einen Laden überall umzubenennen, geben Sie unten den alten und neuen Namen ein.</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>Ansicht:</translation>
    </message>
    <message>
        <source>Old name:</source>
        <translation>Alter Name:</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Departments</source>
        <translation>Abteilungen</translation>
    </message>
    <message>
        <source>Stores</source>
        <translation>Läden</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>There is already one by that name.</source>
        <translation>Diesen Namen gibt es schon.</translation>
    </message>
    <message>
        <source>Change the %1 named &apos;%2&apos; to &apos;%3&apos;.  Are you sure?</source>
        <translation>%1 „%2“ in „%3“ umbenennen? Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Renamed the %1 &apos;%2&apos; to &apos;%3&apos;.</source>
        <translation>%1 „%2“ in „%3“ umbenannt.</translation>
    </message>
    <message>
        <source>Nothing was renamed.</source>
        <translation>Es wurde nichts umbenannt.</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Smallest</source>
        <translation>Sehr klein</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <source>Edit item</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Mark/Unmark</source>
        <translation>Ab-/Anhaken</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Grocelle Settings</source>
        <translation>Grocelle-Einstellungen</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Schriftgröße:</translation>
    </message>
    <message>
        <source>Sound on Launch:</source>
        <translation>Ton beim Start:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Double click item:</source>
        <translation>Doppelklick:</translation>
    </message>
    <message>
        <source>Learn each store&apos;s walk</source>
        <translation>Laufweg je Laden lernen</translation>
    </message>
    <message>
        <source>After each trip, put a store&apos;s departments in the order you walked them</source>
        <translation>Nach jedem Einkauf die Abteilungen eines Ladens in der gelaufenen Reihenfolge ordnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>A new language applies at the next start.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Währung:</translation>
    </message>
    <message>
        <source>The symbol written with prices; empty for your region&apos;s own</source>
        <translation>Das Symbol, das bei Preisen steht; leer für das Ihrer Region</translation>
    </message>
</context>
<context>
    <name>CatalogFailure</name>
    <message>
        <source>The %1 did not answer in time.</source>
        <translation>Keine rechtzeitige Antwort von: %1.</translation>
    </message>
    <message>
        <source>The %1 cannot be reached.</source>
        <translation>Nicht erreichbar: %1.</translation>
    </message>
    <message>
        <source>The change was not saved: the catalog could not be written.</source>
        <translation>Die Änderung wurde nicht gespeichert: Der Katalog ließ sich nicht schreiben.</translation>
    </message>
    <message>
        <source>The change was not saved: the catalog refused a value.</source>
        <translation>Die Änderung wurde nicht gespeichert: Der Katalog hat einen Wert abgelehnt.</translation>
    </message>
    <message>
        <source>The catalog could not be read.</source>
        <translation>Der Katalog konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The catalog holds text where a number belongs.</source>
        <translation>Der Katalog enthält Text, wo eine Zahl stehen muss.</translation>
    </message>
    <message>
        <source>The catalog could not be opened.</source>
        <translation>Der Katalog konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The catalog reported a failure.</source>
        <translation>Der Katalog hat einen Fehler gemeldet.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--copy-catalog needs a catalog to copy FROM and one to copy TO.</source>
        <translation>--copy-catalog braucht einen Katalog als Quelle (FROM) und einen als Ziel (TO).</translation>
    </message>
    <message>
        <source>--replace goes only with --copy-catalog.</source>
        <translation>--replace geht nur zusammen mit --copy-catalog.</translation>
    </message>
    <message>
        <source>--%1 goes only with --serve.</source>
        <translation>--%1 geht nur zusammen mit --serve.</translation>
    </message>
    <message>
        <source>Unknown argument &apos;%1&apos;.</source>
        <translation>Unbekanntes Argument „%1“.</translation>
    </message>
    <message>
        <source>--catalog needs a file path or a postgresql:// URI.</source>
        <translation>--catalog braucht einen Dateipfad oder eine postgresql://-URI.</translation>
    </message>
    <message>
        <source>--export and --import go one at a time.</source>
        <translation>--export und --import gehen nur einzeln.</translation>
    </message>
    <message>
        <source>--%1 goes only with --import.</source>
        <translation>--%1 geht nur zusammen mit --import.</translation>
    </message>
</context>
<context>
    <name>CommandRouter</name>
    <message>
        <source>Add one</source>
        <translation>Eins mehr</translation>
    </message>
    <message>
        <source>Subtract one</source>
        <translation>Eins weniger</translation>
    </message>
    <message>
        <source>New item</source>
        <translation>Neuer Artikel</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Artikel löschen</translation>
    </message>
    <message>
        <source>Edit item</source>
        <translation>Artikel bearbeiten</translation>
    </message>
    <message>
        <source>Show only what is needed</source>
        <translation>Nur Benötigtes zeigen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Histor&amp;y...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>&amp;New Item</source>
        <translation>&amp;Neuer Artikel</translation>
    </message>
    <message>
        <source>&amp;Edit Item</source>
        <translation>Artikel &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <translation>Artikel &amp;löschen</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>Clear &amp;Marked Items</source>
        <translation>Abge&amp;hakte entfernen</translation>
    </message>
    <message>
        <source>Clear Co&amp;upons</source>
        <translation>&amp;Gutscheine entfernen</translation>
    </message>
    <message>
        <source>&amp;Arrange Departments</source>
        <translation>Abteilungen &amp;anordnen</translation>
    </message>
    <message>
        <source>Rena&amp;me...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Copy List</source>
        <translation>Liste &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy List as Chec&amp;klist</source>
        <translation>Liste als &amp;Checkliste kopieren</translation>
    </message>
    <message>
        <source>Pas&amp;te List...</source>
        <translation>Liste ein&amp;fügen...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Phone List...</source>
        <translation>&amp;Handyliste...</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Aktualisie&amp;ren</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Hil&amp;fe</translation>
    </message>
    <message>
        <source>A&amp;bout Grocelle</source>
        <translation>Ü&amp;ber Grocelle</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Tools (Alt+T, F10)</source>
        <translation>Extras (Alt+T, F10)</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>Der Befehl ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>There is no phone named &quot;%1&quot;.</source>
        <translation>Es gibt kein Handy namens „%1“.</translation>
    </message>
    <message>
        <source>Removed %1: its link no longer works.</source>
        <translation>%1 entfernt: Sein Link funktioniert nicht mehr.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 nimmt keinen Wert.</translation>
    </message>
    <message>
        <source>--port needs a number from 0 to 65535, not &quot;%1&quot;.</source>
        <translation>--port braucht eine Zahl von 0 bis 65535, nicht „%1“.</translation>
    </message>
    <message>
        <source>--public-url needs an http:// or https:// address, not &quot;%1&quot;.</source>
        <translation>--public-url braucht eine http://- oder https://-Adresse, nicht „%1“.</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot;. grocelle --help lists the options.</source>
        <translation>Unbekannte Option „%1“. grocelle --help listet die Optionen auf.</translation>
    </message>
    <message>
        <source>Give one of --add-device, --list-devices and --remove-device at a time.</source>
        <translation>Bitte nur eines von --add-device, --list-devices und --remove-device angeben.</translation>
    </message>
</context>
<context>
    <name>ItemSaveFlow</name>
    <message>
        <source>&apos;%1&apos; is a new department.  Use &apos;Arrange Departments&apos; on the Tools Menu to set the proper order in the store.  For now, I&apos;m putting this department at the top of the list.</source>
        <translation>„%1“ ist eine neue Abteilung. Mit „Abteilungen anordnen“ im Menü Extras legen Sie ihre Reihenfolge im Laden fest. Vorerst steht sie oben in der Liste.</translation>
    </message>
    <message>
        <source>No new item can be added: the catalog already uses the highest item number there is (%1).</source>
        <translation>Es kann kein Artikel mehr angelegt werden: Der Katalog nutzt bereits die höchste Artikelnummer (%1).</translation>
    </message>
    <message>
        <source>This item is no longer in the catalog (another program may have deleted it), so your changes were not saved.  Save it as a new item?</source>
        <translation>Dieser Artikel ist nicht mehr im Katalog (vielleicht hat ein anderes Programm ihn gelöscht), daher wurden Ihre Änderungen nicht gespeichert. Als neuen Artikel speichern?</translation>
    </message>
    <message>
        <source>“%1” is already in the catalog, and saving would change it:

%2

Update that item?  (No goes back to the editor.)</source>
        <translation>„%1“ ist bereits im Katalog, und Speichern würde ihn ändern:

%2

Diesen Artikel aktualisieren? (Nein kehrt zum Editor zurück.)</translation>
    </message>
    <message>
        <source>The item could not be saved.</source>
        <translation>Der Artikel konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The item could not be saved: a text cannot hold a NUL character.</source>
        <translation>Der Artikel konnte nicht gespeichert werden: Ein Text darf kein NUL-Zeichen enthalten.</translation>
    </message>
    <message>
        <source>Dept</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Sold by the</source>
        <translation>Verkauft je</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>Gutschein</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>The list could not be cleared, so every item is as it was.</source>
        <translation>Die Liste konnte nicht geleert werden; alle Artikel sind unverändert.</translation>
    </message>
    <message>
        <source>The marked items could not be cleared, so every item is as it was.</source>
        <translation>Die abgehakten Artikel konnten nicht entfernt werden; alle Artikel sind unverändert.</translation>
    </message>
    <message>
        <source>The coupons could not be cleared, so every item is as it was.</source>
        <translation>Die Gutscheine konnten nicht entfernt werden; alle Artikel sind unverändert.</translation>
    </message>
    <message>
        <source>Create a new list?  This will reset all quantities in your existing list to zero.</source>
        <translation>Neue Liste anlegen? Alle Mengen der bisherigen Liste werden auf null gesetzt.</translation>
    </message>
    <message>
        <source>Remove all marked items from needed list?</source>
        <translation>Alle abgehakten Artikel von der Einkaufsliste entfernen?</translation>
    </message>
    <message>
        <source>Clear all coupons in memory?</source>
        <translation>Alle gespeicherten Gutscheine entfernen?</translation>
    </message>
    <message>
        <source>No item selected.</source>
        <translation>Kein Artikel ausgewählt.</translation>
    </message>
    <message>
        <source>WARNING:  This will permanently delete this memorized item.  (To remove an item from your list, simply highlight it and press &apos;-&apos;.)
  Are you sure?</source>
        <translation>ACHTUNG: Dieser gespeicherte Artikel wird endgültig gelöscht. (Um einen Artikel nur von der Liste zu nehmen, markieren Sie ihn und drücken Sie „-“.)
  Sind Sie sicher?</translation>
    </message>
    <message>
        <source>The item could not be deleted.</source>
        <translation>Der Artikel konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>ListCopier</name>
    <message>
        <source>Copied 1 item to the clipboard.</source>
        <translation>1 Artikel in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>Copied %1 items to the clipboard.</source>
        <translation>%1 Artikel in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>Cannot open the Clipboard</source>
        <translation>Die Zwischenablage lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Cannot empty the Clipboard</source>
        <translation>Die Zwischenablage lässt sich nicht leeren</translation>
    </message>
    <message>
        <source>Unable to set Clipboard data</source>
        <translation>Daten können nicht in die Zwischenablage gelegt werden</translation>
    </message>
</context>
<context>
    <name>ListRows</name>
    <message>
        <source>Unable to open shopping list</source>
        <translation>Die Einkaufsliste kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>MainButtons</name>
    <message>
        <source>Jump to %1</source>
        <translation>Springe zu %1</translation>
    </message>
    <message>
        <source>One more</source>
        <translation>Eins mehr</translation>
    </message>
    <message>
        <source>One less</source>
        <translation>Eins weniger</translation>
    </message>
    <message>
        <source>Put on the list</source>
        <translation>Auf die Liste setzen</translation>
    </message>
    <message>
        <source>Clear the boxes</source>
        <translation>Felder leeren</translation>
    </message>
</context>
<context>
    <name>SummaryPainter</name>
    <message>
        <source>1 item</source>
        <translation>1 Artikel</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Artikel</translation>
    </message>
    <message>
        <source> needed (%1)  </source>
        <translation> benötigt (%1)  </translation>
    </message>
    <message>
        <source> in %1 (%2)  </source>
        <translation> in %1 (%2)  </translation>
    </message>
    <message>
        <source>Filter: Qty &gt; 0  </source>
        <translation>Filter: Menge &gt; 0  </translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>In basket</source>
        <translation>Im Korb</translation>
    </message>
</context>
<context>
    <name>TransferCommand</name>
    <message>
        <source>The catalog %1 could not be opened: %2</source>
        <translation>Der Katalog %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Exported %1 items to %2.</source>
        <translation>%1 Artikel nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Nothing was written (--dry-run).</source>
        <translation>Nichts geschrieben (--dry-run).</translation>
    </message>
    <message>
        <source>Nothing to write: the catalog holds every item as the file has it.</source>
        <translation>Nichts zu schreiben: Der Katalog enthält jeden Artikel so wie die Datei.</translation>
    </message>
    <message>
        <source>Nothing was written: give --skip-refused to import the other lines.</source>
        <translation>Nichts geschrieben: Mit --skip-refused werden die übrigen Zeilen importiert.</translation>
    </message>
    <message>
        <source>Nothing was written: %1</source>
        <translation>Nichts geschrieben: %1</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>Undo “%1”?</source>
        <translation>„%1“ rückgängig machen?</translation>
    </message>
    <message>
        <source>Undo “%1” and the %2 after it?</source>
        <translation>„%1“ und %2 rückgängig machen?</translation>
    </message>
    <message>
        <source>action</source>
        <translation>die Aktion danach</translation>
    </message>
    <message>
        <source>%1 actions</source>
        <translation>die %1 Aktionen danach</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>menu entry: Undo or Redo, then what it undoes</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ViewController</name>
    <message>
        <source>Need</source>
        <translation>Bedarf</translation>
    </message>
</context>
<context>
    <name>ViewState</name>
    <message>
        <source>All Items</source>
        <translation>Alle Artikel</translation>
    </message>
</context>
</TS>
