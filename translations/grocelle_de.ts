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
    <message>
        <source>Import %1 item from the clipboard</source>
        <translation>%1 Artikel aus der Zwischenablage importieren</translation>
    </message>
    <message>
        <source>Import %1 items from the clipboard</source>
        <translation>%1 Artikel aus der Zwischenablage importieren</translation>
    </message>
    <message>
        <source>Barcode for %1</source>
        <translation>Strichcode für %1</translation>
    </message>
    <message>
        <source>Cheapest Stores</source>
        <translation>Günstigste Läden</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>Could not open/create key</source>
        <translation>Der Einstellungsschlüssel konnte nicht geöffnet oder angelegt werden</translation>
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
    <name>Barcode</name>
    <message>
        <source>The barcode is empty.</source>
        <translation>Der Strichcode ist leer.</translation>
    </message>
    <message>
        <source>A barcode has at most %1 characters.</source>
        <translation>Ein Strichcode hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A barcode holds only letters, digits, spaces and - . / _ + #.</source>
        <translation>Ein Strichcode enthält nur Buchstaben, Ziffern, Leerzeichen und - . / _ + #.</translation>
    </message>
    <message>
        <source>The check digit does not fit: the barcode was read or typed wrong.</source>
        <translation>Die Prüfziffer passt nicht: Der Strichcode wurde falsch gelesen oder eingegeben.</translation>
    </message>
</context>
<context>
    <name>BarcodeScan</name>
    <message>
        <source>The scanned code was not taken. %1</source>
        <translation>Der gescannte Code wurde nicht übernommen. %1</translation>
    </message>
</context>
<context>
    <name>Barcodes</name>
    <message>
        <source>This catalog keeps no barcodes: it was made by a user who may not add tables to it.</source>
        <translation>Dieser Katalog führt keine Strichcodes: Er wurde von einem Benutzer angelegt, der ihm keine Tabellen hinzufügen darf.</translation>
    </message>
</context>
<context>
    <name>BulkPass</name>
    <message>
        <source>The items changed while they were read.</source>
        <translation>Die Artikel wurden während des Lesens geändert.</translation>
    </message>
    <message>
        <source>The pass sets a column it did not name.</source>
        <translation>Der Durchlauf setzt eine Spalte, die er nicht genannt hat.</translation>
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
    <name>CAdoCommand</name>
    <message>
        <source>The catalog is not open.</source>
        <translation>Der Katalog ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>CAdoConnection</name>
    <message>
        <source>no catalog engine opens %1</source>
        <translation>keine Katalog-Engine kann %1 öffnen</translation>
    </message>
    <message>
        <source>the catalog is not open</source>
        <translation>der Katalog ist nicht geöffnet</translation>
    </message>
    <message>
        <source>the change was undone after a failure</source>
        <translation>die Änderung wurde nach einem Fehler zurückgenommen</translation>
    </message>
</context>
<context>
    <name>CAdoException</name>
    <message>
        <source>A value of the catalog is not a number (error %1).</source>
        <translation>Ein Wert des Katalogs ist keine Zahl (Fehler %1).</translation>
    </message>
    <message>
        <source>The catalog store could not be started (error %1).</source>
        <translation>Der Katalogspeicher konnte nicht gestartet werden (Fehler %1).</translation>
    </message>
    <message>
        <source>The catalog could not be opened (error %1).</source>
        <translation>Der Katalog konnte nicht geöffnet werden (Fehler %1).</translation>
    </message>
    <message>
        <source>The catalog refused a value (error %1).</source>
        <translation>Der Katalog hat einen Wert abgelehnt (Fehler %1).</translation>
    </message>
    <message>
        <source>A value of the catalog could not be read (error %1).</source>
        <translation>Ein Wert des Katalogs konnte nicht gelesen werden (Fehler %1).</translation>
    </message>
    <message>
        <source>The catalog could not be written (error %1).</source>
        <translation>Der Katalog ließ sich nicht schreiben (Fehler %1).</translation>
    </message>
    <message>
        <source>The catalog reported a failure (error %1).</source>
        <translation>Der Katalog hat einen Fehler gemeldet (Fehler %1).</translation>
    </message>
</context>
<context>
    <name>CAdoField</name>
    <message>
        <source>%1 is too long for %2.</source>
        <translation>%1 ist zu lang für %2.</translation>
    </message>
    <message>
        <source>%1 does not fit %2 (from -32768 to 32767).</source>
        <translation>%1 passt nicht in %2 (von -32768 bis 32767).</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 does not fit %2.</source>
        <translation>%1 passt nicht in %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number for %2.</source>
        <translation>„%1“ ist keine ganze Zahl für %2.</translation>
    </message>
</context>
<context>
    <name>CAdoRecordset</name>
    <message>
        <source>the catalog is not open</source>
        <translation>der Katalog ist nicht geöffnet</translation>
    </message>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>Dieser Wert kann hier nicht geändert werden.</translation>
    </message>
    <message>
        <source>There is no current item to write.</source>
        <translation>Es gibt keinen aktuellen Artikel zum Schreiben.</translation>
    </message>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Diese Zeilen können nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The catalog is not open.</source>
        <translation>Der Katalog ist nicht geöffnet.</translation>
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
    <name>CBarcodeChooserDlg</name>
    <message>
        <source>No item has the barcode %1 yet. Which item is it?</source>
        <translation>Noch kein Artikel hat den Strichcode %1. Welcher Artikel ist es?</translation>
    </message>
    <message>
        <source>Name of an item</source>
        <translation>Name eines Artikels</translation>
    </message>
    <message>
        <source>Take this item</source>
        <translation>Diesen Artikel nehmen</translation>
    </message>
    <message>
        <source>New item...</source>
        <translation>Neuer Artikel...</translation>
    </message>
    <message>
        <source>There is no item named &quot;%1&quot;. Pick a name from the list, or make a new item.</source>
        <translation>Es gibt keinen Artikel „%1“. Wählen Sie einen Namen aus der Liste oder legen Sie einen neuen Artikel an.</translation>
    </message>
</context>
<context>
    <name>CBarcodesDlg</name>
    <message>
        <source>Barcodes of %1</source>
        <translation>Strichcodes von %1</translation>
    </message>
    <message>
        <source>Type or scan a code</source>
        <translation>Code eingeben oder scannen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>The barcode %1 belongs to %2. Move it to %3?</source>
        <translation>Der Strichcode %1 gehört zu %2. Zu %3 verschieben?</translation>
    </message>
</context>
<context>
    <name>CCheapestDlg</name>
    <message>
        <source>Cheapest Stores</source>
        <translation>Günstigste Läden</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Now at</source>
        <translation>Bisher bei</translation>
    </message>
    <message>
        <source>&amp;Move Ticked Items</source>
        <translation>Angehakte &amp;verschieben</translation>
    </message>
    <message>
        <source>The items could not be moved.</source>
        <translation>Die Artikel konnten nicht verschoben werden.</translation>
    </message>
    <message>
        <source>(no store)</source>
        <translation>(kein Laden)</translation>
    </message>
    <message>
        <source>Today&apos;s stores: %1. Split by cheapest: %2. Saves %3.</source>
        <translation>Bei den bisherigen Läden: %1. Aufgeteilt nach dem günstigsten: %2. Ersparnis: %3.</translation>
    </message>
</context>
<context>
    <name>CColumnMapDlg</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>The columns of %1 are its own. Say which catalog column each one fills:</source>
        <translation>%1 hat eigene Spalten. Geben Sie an, welche Katalogspalte jede füllt:</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(nicht importiert)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
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
    <name>CHelpDlg</name>
    <message>
        <source>Grocelle Help</source>
        <translation>Grocelle-Hilfe</translation>
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
    <message>
        <source>Search the items</source>
        <translation>Artikel suchen</translation>
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
    <message>
        <source>Codes: %1</source>
        <translation>Codes: %1</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Preise</translation>
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
        <translation>Einh.</translation>
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
        <source>Offline use on the phone needs a secure (https://) link. The README tells how, in its section on the phone list without reception.</source>
        <translation>Für die Nutzung ohne Netz braucht das Handy einen sicheren Link (https://). Wie Sie einen bekommen, steht in der README (auf Englisch) im Abschnitt über die Handyliste ohne Empfang.</translation>
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
    <message>
        <source>any free port</source>
        <translation>beliebiger freier Port</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
</context>
<context>
    <name>CPricesDlg</name>
    <message>
        <source>Prices of %1</source>
        <translation>Preise von %1</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Lowest (90 days)</source>
        <translation>Tiefster (90 Tage)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Please enter a price above 0 and up to 9999999.</source>
        <translation>Bitte einen Preis über 0 und bis 9999999 eingeben.</translation>
    </message>
    <message>
        <source>Please name the store the price was seen at.</source>
        <translation>Bitte den Laden angeben, in dem der Preis gesehen wurde.</translation>
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
    <name>CRegistry</name>
    <message>
        <source>Could not open/create key</source>
        <translation>Der Einstellungsschlüssel konnte nicht geöffnet oder angelegt werden</translation>
    </message>
    <message>
        <source>Could not save key</source>
        <translation>Der Einstellungsschlüssel konnte nicht gespeichert werden</translation>
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
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The Need view marks an item that another store sells for this much less</source>
        <translation>Die Ansicht „Bedarf“ markiert einen Artikel, den ein anderes Geschäft um so viel günstiger verkauft</translation>
    </message>
    <message>
        <source>Cheaper elsewhere by at least:</source>
        <translation>Anderswo günstiger ab:</translation>
    </message>
</context>
<context>
    <name>CachedRows</name>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Diese Zeilen können nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>The catalog %1 could not be opened: %2</source>
        <translation>Der Katalog %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The user has no permission to create the catalog on the %1.</source>
        <translation>Der Benutzer darf den Katalog auf dem %1 nicht anlegen.</translation>
    </message>
    <message>
        <source>The user has no permission to read the catalog on the %1.</source>
        <translation>Der Benutzer darf den Katalog auf dem %1 nicht lesen.</translation>
    </message>
    <message>
        <source>The %1 is read-only: the catalog cannot be created there.</source>
        <translation>Der %1 ist schreibgeschützt: Der Katalog kann dort nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The table ShoppingLists on the %1 is not a Grocelle catalog. It has been left as it is, and the list stays empty.</source>
        <translation>Die Tabelle ShoppingLists auf dem %1 ist kein Grocelle-Katalog. Sie bleibt unverändert, und die Liste bleibt leer.</translation>
    </message>
    <message>
        <source>The file %1 is not a Grocelle catalog, or it cannot be read. It has been left as it is, and the list stays empty.</source>
        <translation>Die Datei %1 ist kein Grocelle-Katalog oder kann nicht gelesen werden. Sie bleibt unverändert, und die Liste bleibt leer.</translation>
    </message>
    <message>
        <source>The catalog on the %1 can be read but not changed: the server or the database is read-only, or the user has no right to change it. Changes to the list cannot be saved.</source>
        <translation>Der Katalog auf dem %1 kann gelesen, aber nicht geändert werden: Server oder Datenbank sind schreibgeschützt, oder der Benutzer darf ihn nicht ändern. Änderungen an der Liste können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The catalog %1 cannot be written: the file or its folder is read-only. Changes to the list cannot be saved.</source>
        <translation>Der Katalog %1 kann nicht geschrieben werden: Die Datei oder ihr Ordner ist schreibgeschützt. Änderungen an der Liste können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The list stays empty.</source>
        <translation>Die Liste bleibt leer.</translation>
    </message>
    <message>
        <source>The catalog on the %1 cannot be reached or could not be created. The list stays empty.</source>
        <translation>Der Katalog auf dem %1 ist nicht erreichbar oder konnte nicht angelegt werden. Die Liste bleibt leer.</translation>
    </message>
    <message>
        <source>The catalog %1 does not exist and could not be created. The list stays empty.</source>
        <translation>Der Katalog %1 existiert nicht und konnte nicht angelegt werden. Die Liste bleibt leer.</translation>
    </message>
    <message>
        <source>Updating database structure, adding PRICE field...</source>
        <translation>Datenbankstruktur wird aktualisiert, Feld PRICE wird hinzugefügt...</translation>
    </message>
    <message>
        <source>Updating database structure, adding COUPON field...</source>
        <translation>Datenbankstruktur wird aktualisiert, Feld COUPON wird hinzugefügt...</translation>
    </message>
    <message>
        <source>Updating database structure, adding DEPTORDER field...</source>
        <translation>Datenbankstruktur wird aktualisiert, Feld DEPTORDER wird hinzugefügt...</translation>
    </message>
</context>
<context>
    <name>CatalogChoice</name>
    <message>
        <source>Usage: grocelle --copy-catalog FROM TO [--replace]</source>
        <translation>Aufruf: grocelle --copy-catalog FROM TO [--replace]</translation>
    </message>
    <message>
        <source>Copied %1 rows and %2 undo history entries from %3 to %4.</source>
        <translation>Von %3 nach %4 kopiert – Zeilen: %1, Einträge des Rückgängig-Verlaufs: %2.</translation>
    </message>
    <message>
        <source>Checksum of %1: %2</source>
        <translation>Prüfsumme von %1: %2</translation>
    </message>
</context>
<context>
    <name>CatalogCopier</name>
    <message>
        <source>There is no catalog at %1.</source>
        <translation>Unter %1 gibt es keinen Katalog.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 has %2 characters, more than its %3</source>
        <translation>%1 hat %2 Zeichen, mehr als die erlaubten %3</translation>
    </message>
    <message>
        <source>%1 holds a NUL character</source>
        <translation>%1 enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number it takes</source>
        <translation>%1 enthält „%2“, keine Zahl, die es annimmt</translation>
    </message>
    <message>
        <source>Item %1 cannot be stored on the %2: %3. Nothing was copied.</source>
        <translation>Artikel %1 kann nicht auf dem %2 gespeichert werden: %3. Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>%1 already holds %2 items; nothing was copied. Give --replace to replace them.</source>
        <translation>%1 enthält bereits %2 Artikel; es wurde nichts kopiert. Mit --replace werden sie ersetzt.</translation>
    </message>
    <message>
        <source>%1 holds no readable catalog: %2</source>
        <translation>%1 enthält keinen lesbaren Katalog: %2</translation>
    </message>
    <message>
        <source>The copy does not match its source (%1 of %2 rows); nothing was copied.</source>
        <translation>Die Kopie stimmt nicht mit der Quelle überein (%1 von %2 Zeilen); es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>CatalogExport</name>
    <message>
        <source>The catalog cannot be read: %1</source>
        <translation>Der Katalog kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
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
    <message>
        <source>Error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
</context>
<context>
    <name>ColumnMapping</name>
    <message>
        <source>&quot;%1&quot; is no CatalogColumn=FileColumn pair, such as ItemName=Item.</source>
        <translation>„%1“ ist kein Paar KatalogSpalte=DateiSpalte wie ItemName=Item.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no catalog column: %2.</source>
        <translation>„%1“ ist keine Spalte des Katalogs: %2.</translation>
    </message>
    <message>
        <source>The file has no column &quot;%1&quot;: it has %2.</source>
        <translation>Die Datei hat keine Spalte „%1“, sondern %2.</translation>
    </message>
    <message>
        <source>Two columns of the file fill %1.</source>
        <translation>Zwei Spalten der Datei füllen %1.</translation>
    </message>
    <message>
        <source>No column of the file is the item&apos;s name (ItemName).</source>
        <translation>Keine Spalte der Datei ist der Name des Artikels (ItemName).</translation>
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
    <message>
        <source>the catalog to work on: an SQLite file, or a
PostgreSQL database (postgresql://user@host:port/db).
Otherwise $GROCELLE_CATALOG, then the Catalog value
in Grocelle.conf.</source>
        <translation>der Katalog, mit dem gearbeitet wird: eine SQLite-Datei
oder eine PostgreSQL-Datenbank
(postgresql://user@host:port/db). Sonst
$GROCELLE_CATALOG, dann der Wert Catalog in
Grocelle.conf.</translation>
    </message>
    <message>
        <source>with FROM TO: copies every row from one catalog to
another in one transaction and prints the count and
both checksums; a target with rows is refused unless
--replace is given.</source>
        <translation>mit FROM TO: kopiert alle Zeilen von einem Katalog in
einen anderen, in einer Transaktion, und gibt die
Anzahl und beide Prüfsummen aus; ein Ziel mit Zeilen
wird abgelehnt, außer mit --replace.</translation>
    </message>
    <message>
        <source>lets --copy-catalog empty a target that has rows.</source>
        <translation>lässt --copy-catalog ein Ziel mit Zeilen leeren.</translation>
    </message>
    <message>
        <source>writes the whole catalog to FILE: JSON for a name
ending in .json, CSV otherwise.</source>
        <translation>schreibt den ganzen Katalog in FILE: JSON bei einem
Namen auf .json, sonst CSV.</translation>
    </message>
    <message>
        <source>reads FILE (CSV, JSON, OI Shopping List CSV or a
plain list) into the catalog as one action Undo
takes back; prints what it did. Exit 0 only when
every line was taken.</source>
        <translation>liest FILE (CSV, JSON, OI Shopping List CSV oder eine
einfache Liste) in den Katalog, als eine Aktion, die
Rückgängig zurücknimmt; gibt aus, was geschah.
Exit-Code 0 nur, wenn jede Zeile übernommen wurde.</translation>
    </message>
    <message>
        <source>with --import: prints what it would do, writes nothing.</source>
        <translation>mit --import: zeigt, was geschähe, schreibt nichts.</translation>
    </message>
    <message>
        <source>with --import: imports the other lines when some
are refused (otherwise nothing is written).</source>
        <translation>mit --import: importiert die übrigen Zeilen, wenn
manche abgelehnt werden (sonst wird nichts
geschrieben).</translation>
    </message>
    <message>
        <source>with --import: adds the file&apos;s quantities to those
of existing items instead of setting them.</source>
        <translation>mit --import: addiert die Mengen der Datei zu denen
vorhandener Artikel, statt sie zu ersetzen.</translation>
    </message>
    <message>
        <source>serves the phone list without a window or display
until SIGTERM or SIGINT.</source>
        <translation>stellt die Handyliste ohne Fenster und Bildschirm
bereit, bis SIGTERM oder SIGINT kommt.</translation>
    </message>
    <message>
        <source>the port of --serve; otherwise PhonePort in the
settings, otherwise 8642.</source>
        <translation>der Port von --serve; sonst PhonePort in den
Einstellungen, sonst 8642.</translation>
    </message>
    <message>
        <source>with --tls-key: --serve speaks HTTPS (otherwise
TlsCert and TlsKey in the settings).</source>
        <translation>mit --tls-key: --serve spricht HTTPS (sonst TlsCert
und TlsKey in den Einstellungen).</translation>
    </message>
    <message>
        <source>the key of --tls-cert.</source>
        <translation>der Schlüssel zu --tls-cert.</translation>
    </message>
    <message>
        <source>the address phones reach the list by (a proxy&apos;s),
for the links --serve prints.</source>
        <translation>die Adresse, unter der Handys die Liste erreichen
(die eines Proxys), für die Links von --serve.</translation>
    </message>
    <message>
        <source>makes a link for one phone and prints it with its
QR code.</source>
        <translation>erstellt einen Link für ein Handy und gibt ihn mit
seinem QR-Code aus.</translation>
    </message>
    <message>
        <source>the phones that have a link, with when each was
last seen.</source>
        <translation>die Handys mit Link, und wann jedes zuletzt gesehen
wurde.</translation>
    </message>
    <message>
        <source>that phone&apos;s link stops working at once.</source>
        <translation>der Link dieses Handys funktioniert sofort nicht mehr.</translation>
    </message>
    <message>
        <source>prints the version.</source>
        <translation>gibt die Version aus.</translation>
    </message>
    <message>
        <source>prints this text.</source>
        <translation>gibt diesen Text aus.</translation>
    </message>
    <message>
        <source>Grocelle version %1</source>
        <translation>Grocelle Version %1</translation>
    </message>
    <message>
        <source>Usage: grocelle [--catalog FILE|URL] [--version] [--help]
       grocelle --copy-catalog FROM TO [--replace]
       grocelle --export FILE | --import FILE [--dry-run] [--catalog FILE|URL]</source>
        <translation>Aufruf: grocelle [--catalog FILE|URL] [--version] [--help]
        grocelle --copy-catalog FROM TO [--replace]
        grocelle --export FILE | --import FILE [--dry-run]
                 [--catalog FILE|URL]</translation>
    </message>
    <message>
        <source>Grocelle keeps the catalog of the things you buy and the shopping list drawn
from it. Everything else is set in the program itself.</source>
        <translation>Grocelle führt den Katalog der Dinge, die Sie kaufen, und die Einkaufsliste
daraus. Alles Weitere wird im Programm selbst eingestellt.</translation>
    </message>
    <message>
        <source>Files:
  catalog   $GROCELLE_HOME/shoplistdata.cdb, otherwise
            $XDG_DATA_HOME/grocelle/shoplistdata.cdb (~/.local/share/grocelle)
  settings  $GROCELLE_HOME/Grocelle.conf, otherwise
            $XDG_CONFIG_HOME/Velmora/Grocelle.conf (~/.config/Velmora)</source>
        <translation>Dateien:
  Katalog:
            $GROCELLE_HOME/shoplistdata.cdb, sonst
            $XDG_DATA_HOME/grocelle/shoplistdata.cdb (~/.local/share/grocelle)
  Einstellungen:
            $GROCELLE_HOME/Grocelle.conf, sonst
            $XDG_CONFIG_HOME/Velmora/Grocelle.conf (~/.config/Velmora)</translation>
    </message>
    <message>
        <source>an address --serve listens on, such as 127.0.0.1
behind a proxy; give it again for more. Otherwise
every address.</source>
        <translation>eine Adresse, an der --serve lauscht, etwa 127.0.0.1
hinter einem Proxy; für mehrere erneut angeben. Sonst
jede Adresse.</translation>
    </message>
    <message>
        <source>with --import of a CSV with columns of its own:
which column is which, as
&quot;ItemName=Item,QtyToBuy=Quantity&quot;.</source>
        <translation>mit --import einer CSV mit eigenen Spalten:
welche Spalte welche ist, etwa
&quot;ItemName=Item,QtyToBuy=Quantity&quot;.</translation>
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
    <message>
        <source>Cheapest &amp;Stores...</source>
        <translation>Günstigste &amp;Läden...</translation>
    </message>
</context>
<context>
    <name>CsvTransfer</name>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>Die Zeile ist kein gültiger UTF-8-Text.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; matches no format Grocelle reads: its own columns (%2), or OI Shopping List&apos;s (Subject, % Complete, Categories, Tags).</source>
        <translation>Die Kopfzeile „%1“ passt zu keinem Format, das Grocelle liest: seinen eigenen Spalten (%2) oder denen von OI Shopping List (Subject, % Complete, Categories, Tags).</translation>
    </message>
    <message>
        <source>It has %1 values where the header has %2.</source>
        <translation>Sie hat %1 Werte, die Kopfzeile aber %2.</translation>
    </message>
    <message>
        <source>A quoted value that starts on this line is never closed.</source>
        <translation>Ein Wert in Anführungszeichen, der in dieser Zeile beginnt, wird nie geschlossen.</translation>
    </message>
    <message>
        <source>The file holds no lines.</source>
        <translation>Die Datei enthält keine Zeilen.</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>Another program is changing this item; try again.</source>
        <translation>Ein anderes Programm ändert gerade diesen Artikel; versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The item no longer exists in the catalog.</source>
        <translation>Der Artikel ist nicht mehr im Katalog.</translation>
    </message>
    <message>
        <source>the item no longer exists in the catalog</source>
        <translation>der Artikel ist nicht mehr im Katalog</translation>
    </message>
    <message>
        <source>the %1 did not answer within %2 seconds</source>
        <translation>der %1 hat nicht innerhalb von %2 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>der Server hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the %1 did not finish the statement within %2 seconds</source>
        <translation>der %1 hat die Anweisung nicht innerhalb von %2 Sekunden beendet</translation>
    </message>
    <message>
        <source>the connection to the %1 was lost (%2)</source>
        <translation>die Verbindung zum %1 ist abgebrochen (%2)</translation>
    </message>
    <message>
        <source>The %1 cannot be reached: it did not answer within %2 seconds.</source>
        <translation>Der %1 ist nicht erreichbar: Er hat nicht innerhalb von %2 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The %1 cannot be reached (%2).</source>
        <translation>Der %1 ist nicht erreichbar (%2).</translation>
    </message>
    <message>
        <source>The %1 cannot be reached.</source>
        <translation>Nicht erreichbar: %1.</translation>
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
    <message>
        <source>The link of %1 (shown this once; only its hash is kept):</source>
        <translation>Der Link von %1 (nur dieses eine Mal gezeigt; nur sein Hash wird gespeichert):</translation>
    </message>
    <message>
        <source>No phones yet: add one with --add-device NAME.</source>
        <translation>Noch keine Handys: --add-device NAME fügt eines hinzu.</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>%1	last seen %2</source>
        <translation>%1	zuletzt gesehen: %2</translation>
    </message>
    <message>
        <source>The phone list is at %1</source>
        <translation>Die Handyliste ist unter %1</translation>
    </message>
    <message>
        <source>Phones: %1 (--list-devices shows them, --add-device NAME adds one)</source>
        <translation>Handys: %1 (--list-devices zeigt sie, --add-device NAME fügt eines hinzu)</translation>
    </message>
    <message>
        <source>--listen needs an IPv4 or IPv6 address such as 127.0.0.1, not &quot;%1&quot;.</source>
        <translation>--listen braucht eine IPv4- oder IPv6-Adresse wie 127.0.0.1, nicht „%1“.</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>This help has not been written in %1 yet, so it is shown in English.</source>
        <translation>Diese Hilfe gibt es noch nicht auf %1, daher wird sie auf Englisch gezeigt.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>The item has no name.</source>
        <translation>Der Artikel hat keinen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is on line %2 already.</source>
        <translation>„%1“ steht schon in Zeile %2.</translation>
    </message>
    <message>
        <source>The quantity would be %1, above %2.</source>
        <translation>Die Menge wäre %1, mehr als %2.</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>%1 new, %2, %3 unchanged, %4 refused.</source>
        <translation>%1 neu, %2, %3 unverändert, %4 abgelehnt.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>%1 is sold by the %2: tick to buy %3 %2.</source>
        <translation>%1 wird pro %2 verkauft: zum Kauf von %3 %2 ankreuzen.</translation>
    </message>
    <message>
        <source>%1 is sold by the %2, the line says %3 %4: tick to buy it by the %4.</source>
        <translation>%1 wird pro %2 verkauft, die Zeile sagt %3 %4: ankreuzen, um es pro %4 zu kaufen.</translation>
    </message>
    <message>
        <source>%1 %2 is %3 %4, above %5.</source>
        <translation>%1 %2 sind %3 %4, mehr als %5.</translation>
    </message>
    <message>
        <source>%1 %2 is %3 %4.</source>
        <translation>%1 %2 sind %3 %4.</translation>
    </message>
    <message>
        <source>%1 %2 is %3 %4, bought as %5.</source>
        <translation>%1 %2 sind %3 %4, gekauft als %5.</translation>
    </message>
    <message>
        <source>%1 (new): %2</source>
        <translation>%1 (neu): %2</translation>
    </message>
    <message>
        <source>Not imported unless ticked: %1</source>
        <translation>Nur angekreuzt importiert: %1</translation>
    </message>
    <message>
        <source>%1 not ticked.</source>
        <translation>%1 nicht angekreuzt.</translation>
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
    <name>Journal</name>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 cannot be undone: 1 item has changed since, and undoing it would overwrite those changes.  Nothing was changed.</source>
        <translation>%1 kann nicht rückgängig gemacht werden: 1 Artikel wurde seither geändert, und das Rückgängigmachen würde diese Änderung überschreiben. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 cannot be undone: %2 items have changed since, and undoing it would overwrite those changes.  Nothing was changed.</source>
        <translation>%1 kann nicht rückgängig gemacht werden: %2 Artikel wurden seither geändert, und das Rückgängigmachen würde diese Änderungen überschreiben. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 cannot be redone: 1 item has changed since it was undone.  Nothing was changed.</source>
        <translation>%1 kann nicht wiederholt werden: 1 Artikel wurde seit dem Rückgängigmachen geändert. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 cannot be redone: %2 items have changed since it was undone.  Nothing was changed.</source>
        <translation>%1 kann nicht wiederholt werden: %2 Artikel wurden seit dem Rückgängigmachen geändert. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>No catalog is open.</source>
        <translation>Es ist kein Katalog geöffnet.</translation>
    </message>
    <message>
        <source>The catalog is read-only, so changes cannot be undone.</source>
        <translation>Der Katalog ist schreibgeschützt, daher lassen sich Änderungen nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The undo history in this catalog was made by another program and cannot be used.</source>
        <translation>Der Rückgängig-Verlauf in diesem Katalog stammt von einem anderen Programm und kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>One entry of the undo history is damaged and was skipped.</source>
        <translation>Ein Eintrag des Rückgängig-Verlaufs ist beschädigt und wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 entries of the undo history are damaged and were skipped.</source>
        <translation>%1 Einträge des Rückgängig-Verlaufs sind beschädigt und wurden übersprungen.</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>%1 cannot be undone yet: %2 was done after it.  Undo %2 first.</source>
        <translation>%1 kann noch nicht rückgängig gemacht werden: %2 geschah danach. Machen Sie zuerst %2 rückgängig.</translation>
    </message>
    <message>
        <source>That action has been undone already, or is no longer in the history.</source>
        <translation>Diese Aktion wurde bereits rückgängig gemacht oder ist nicht mehr im Verlauf.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Es gibt nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>The history has changed meanwhile: %1 is the next to redo.</source>
        <translation>Der Verlauf hat sich inzwischen geändert: %1 ist als Nächstes zu wiederholen.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>Es wurde nichts rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Nothing was redone.</source>
        <translation>Es wurde nichts wiederholt.</translation>
    </message>
    <message>
        <source>The history entry of %1 is damaged; it has been skipped.</source>
        <translation>Der Verlaufseintrag von %1 ist beschädigt; er wurde übersprungen.</translation>
    </message>
</context>
<context>
    <name>JsonTransfer</name>
    <message>
        <source>%1 should be a number, a text or null.</source>
        <translation>%1 sollte eine Zahl, ein Text oder null sein.</translation>
    </message>
    <message>
        <source>The JSON is not well-formed: %1.</source>
        <translation>Das JSON ist nicht wohlgeformt: %1.</translation>
    </message>
    <message>
        <source>The JSON holds no &quot;items&quot; list of a Grocelle catalog.</source>
        <translation>Das JSON enthält keine „items“-Liste eines Grocelle-Katalogs.</translation>
    </message>
    <message>
        <source>The file was written by a newer Grocelle (version %1).</source>
        <translation>Die Datei wurde von einem neueren Grocelle geschrieben (Version %1).</translation>
    </message>
    <message>
        <source>Item %1 is not an object.</source>
        <translation>Eintrag %1 ist kein Objekt.</translation>
    </message>
    <message>
        <source>Barcodes should be a list of texts.</source>
        <translation>Barcodes sollte eine Liste von Texten sein.</translation>
    </message>
    <message>
        <source>Barcode %1: %2</source>
        <translation>Strichcode %1: %2</translation>
    </message>
    <message>
        <source>not a text.</source>
        <translation>kein Text.</translation>
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
    <name>PgCommand</name>
    <message>
        <source>The catalog is not open.</source>
        <translation>Der Katalog ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The statement has no parameter %1.</source>
        <translation>Die Anweisung hat keinen Parameter %1.</translation>
    </message>
</context>
<context>
    <name>PgConnection</name>
    <message>
        <source>the statement takes %1 values, %2 were given</source>
        <translation>die Anweisung nimmt %1 Werte, %2 wurden übergeben</translation>
    </message>
</context>
<context>
    <name>PgResultRows</name>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Diese Zeilen können nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>PgSession</name>
    <message>
        <source>The database on the %1 does not exist (%2).</source>
        <translation>Die Datenbank auf dem %1 existiert nicht (%2).</translation>
    </message>
    <message>
        <source>The %1 did not accept the user name or password (%2).</source>
        <translation>Der %1 hat Benutzername oder Passwort nicht akzeptiert (%2).</translation>
    </message>
    <message>
        <source>The user has no permission to connect to the %1 (%2).</source>
        <translation>Der Benutzer darf sich nicht mit dem %1 verbinden (%2).</translation>
    </message>
    <message>
        <source>PostgreSQL server %1</source>
        <translation>PostgreSQL-Server %1</translation>
    </message>
    <message>
        <source>The catalog address %1 cannot be read as a PostgreSQL address.</source>
        <translation>Die Katalogadresse %1 ist keine lesbare PostgreSQL-Adresse.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>The %1 refused the session&apos;s settings.</source>
        <translation>Der %1 hat die Einstellungen der Sitzung abgelehnt.</translation>
    </message>
    <message>
        <source>the connection to the %1 is still waiting for the answer to another statement</source>
        <translation>die Verbindung zum %1 wartet noch auf die Antwort auf eine andere Anweisung</translation>
    </message>
    <message>
        <source>another program changed the same items at the same moment, so nothing of this change was kept (%1).  Please try again</source>
        <translation>ein anderes Programm hat im selben Moment dieselben Artikel geändert, daher wurde nichts von dieser Änderung behalten (%1). Bitte versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the change was undone after a failure</source>
        <translation>die Änderung wurde nach einem Fehler zurückgenommen</translation>
    </message>
</context>
<context>
    <name>PhoneDevices</name>
    <message>
        <source>A device name has 1 to %1 characters.</source>
        <translation>Ein Gerätename hat 1 bis %1 Zeichen.</translation>
    </message>
    <message>
        <source>There is a device named &quot;%1&quot; already.</source>
        <translation>Es gibt schon ein Gerät namens „%1“.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Handy</translation>
    </message>
</context>
<context>
    <name>PhoneServer</name>
    <message>
        <source>Port %1 is in use by another program. Choose another port.</source>
        <translation>Port %1 wird von einem anderen Programm belegt. Wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>Port %1 cannot be used: %2</source>
        <translation>Port %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>%1 is not an address of this computer.</source>
        <translation>%1 ist keine Adresse dieses Computers.</translation>
    </message>
</context>
<context>
    <name>PlainListReader</name>
    <message>
        <source>The line holds a NUL character.</source>
        <translation>Die Zeile enthält ein NUL-Zeichen.</translation>
    </message>
    <message>
        <source>The quantity %1 is out of range (0 to %2).</source>
        <translation>Die Menge %1 liegt außerhalb des Bereichs (0 bis %2).</translation>
    </message>
    <message>
        <source>It is longer than a name can be (%1 characters).</source>
        <translation>Die Zeile ist länger, als ein Name sein kann (%1 Zeichen).</translation>
    </message>
    <message>
        <source>It reads as a sentence, not an item.</source>
        <translation>Die Zeile ist ein Satz, kein Artikel.</translation>
    </message>
</context>
<context>
    <name>PriceCorrection</name>
    <message>
        <source>Please enter a number from 0 to 9999999 as the price.</source>
        <translation>Bitte als Preis eine Zahl von 0 bis 9999999 eingeben.</translation>
    </message>
</context>
<context>
    <name>PricePoints</name>
    <message>
        <source>This catalog keeps no prices per store: it was made by a user who may not add tables to it.</source>
        <translation>Dieser Katalog führt keine Preise je Laden: Er wurde von einem Benutzer angelegt, der ihm keine Tabellen hinzufügen darf.</translation>
    </message>
    <message>
        <source>A price cannot be below zero.</source>
        <translation>Ein Preis kann nicht unter null liegen.</translation>
    </message>
    <message>
        <source>A price needs the store it was seen at.</source>
        <translation>Ein Preis braucht den Laden, in dem er gesehen wurde.</translation>
    </message>
</context>
<context>
    <name>PriceTransfer</name>
    <message>
        <source>Prices should be a list.</source>
        <translation>Prices sollte eine Liste sein.</translation>
    </message>
    <message>
        <source>Price %1 needs a store, a price of 0 or more and the time it was seen.</source>
        <translation>Preis %1 braucht einen Laden, einen Preis von 0 oder mehr und den Zeitpunkt, an dem er gesehen wurde.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
</context>
<context>
    <name>SqliteCommand</name>
    <message>
        <source>The catalog is not open.</source>
        <translation>Der Katalog ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>SqliteConnection</name>
    <message>
        <source>the SQLite library cannot start</source>
        <translation>die SQLite-Bibliothek kann nicht starten</translation>
    </message>
    <message>
        <source>only one statement can be run at a time</source>
        <translation>es kann nur eine Anweisung auf einmal ausgeführt werden</translation>
    </message>
    <message>
        <source>the statement takes %1 values, %2 were given</source>
        <translation>die Anweisung nimmt %1 Werte, %2 wurden übergeben</translation>
    </message>
</context>
<context>
    <name>SqliteStatementRows</name>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Diese Zeilen können nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>StarterCatalog</name>
    <message>
        <source>lb</source>
        <extracomment>What an item is sold by, in the country&apos;s own units (&quot;kg&quot; for &quot;lb&quot;) and short enough for the narrow unit column, as &quot;Pck.&quot; or &quot;paq.&quot;.</extracomment>
        <translation>kg</translation>
    </message>
    <message>
        <source>pkg</source>
        <translation>Pck.</translation>
    </message>
    <message>
        <source>bag</source>
        <translation>Btl.</translation>
    </message>
    <message>
        <source>head</source>
        <translation>Stk.</translation>
    </message>
    <message>
        <source>bunch</source>
        <translation>Bund</translation>
    </message>
    <message>
        <source>loaf</source>
        <translation>Laib</translation>
    </message>
    <message>
        <source>each</source>
        <translation>Stk.</translation>
    </message>
    <message>
        <source>gal</source>
        <translation>l</translation>
    </message>
    <message>
        <source>dozen</source>
        <translation>Pck.</translation>
    </message>
    <message>
        <source>carton</source>
        <translation>l</translation>
    </message>
    <message>
        <source>can</source>
        <translation>Dose</translation>
    </message>
    <message>
        <source>bottle</source>
        <translation>Fl.</translation>
    </message>
    <message>
        <source>box</source>
        <translation>Pck.</translation>
    </message>
    <message>
        <source>jar</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>roll</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Produce</source>
        <extracomment>The departments and items are a household&apos;s everyday groceries: name each as shoppers of the country do, or a close local one.</extracomment>
        <translation>Obst und Gemüse</translation>
    </message>
    <message>
        <source>Apples</source>
        <translation>Äpfel</translation>
    </message>
    <message>
        <source>Bananas</source>
        <translation>Bananen</translation>
    </message>
    <message>
        <source>Oranges</source>
        <translation>Orangen</translation>
    </message>
    <message>
        <source>Lemons</source>
        <translation>Zitronen</translation>
    </message>
    <message>
        <source>Limes</source>
        <translation>Limetten</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Weintrauben</translation>
    </message>
    <message>
        <source>Strawberries</source>
        <translation>Erdbeeren</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Heidelbeeren</translation>
    </message>
    <message>
        <source>Avocados</source>
        <translation>Avocados</translation>
    </message>
    <message>
        <source>Tomatoes</source>
        <translation>Tomaten</translation>
    </message>
    <message>
        <source>Potatoes</source>
        <translation>Kartoffeln</translation>
    </message>
    <message>
        <source>Onions</source>
        <translation>Zwiebeln</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Knoblauch</translation>
    </message>
    <message>
        <source>Carrots</source>
        <translation>Karotten</translation>
    </message>
    <message>
        <source>Celery</source>
        <translation>Staudensellerie</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Kopfsalat</translation>
    </message>
    <message>
        <source>Spinach</source>
        <translation>Spinat</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brokkoli</translation>
    </message>
    <message>
        <source>Cucumbers</source>
        <translation>Gurken</translation>
    </message>
    <message>
        <source>Bell peppers</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Mushrooms</source>
        <translation>Champignons</translation>
    </message>
    <message>
        <source>Zucchini</source>
        <translation>Zucchini</translation>
    </message>
    <message>
        <source>Fresh herbs</source>
        <translation>Frische Kräuter</translation>
    </message>
    <message>
        <source>Bakery</source>
        <translation>Backwaren</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Brot</translation>
    </message>
    <message>
        <source>Bagels</source>
        <translation>Bagels</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Brötchen</translation>
    </message>
    <message>
        <source>Tortillas</source>
        <translation>Tortillas</translation>
    </message>
    <message>
        <source>Pita bread</source>
        <translation>Fladenbrot</translation>
    </message>
    <message>
        <source>Muffins</source>
        <translation>Muffins</translation>
    </message>
    <message>
        <source>Croissants</source>
        <translation>Croissants</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Kuchen</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Kekse</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Tarte</translation>
    </message>
    <message>
        <source>Deli</source>
        <translation>Feinkost</translation>
    </message>
    <message>
        <source>Sliced ham</source>
        <translation>Kochschinken</translation>
    </message>
    <message>
        <source>Sliced turkey</source>
        <translation>Putenbrust</translation>
    </message>
    <message>
        <source>Salami</source>
        <translation>Salami</translation>
    </message>
    <message>
        <source>Cheddar cheese</source>
        <translation>Gouda</translation>
    </message>
    <message>
        <source>Swiss cheese</source>
        <translation>Emmentaler</translation>
    </message>
    <message>
        <source>Hummus</source>
        <translation>Hummus</translation>
    </message>
    <message>
        <source>Olives</source>
        <translation>Oliven</translation>
    </message>
    <message>
        <source>Potato salad</source>
        <translation>Kartoffelsalat</translation>
    </message>
    <message>
        <source>Rotisserie chicken</source>
        <translation>Brathähnchen</translation>
    </message>
    <message>
        <source>Coleslaw</source>
        <translation>Krautsalat</translation>
    </message>
    <message>
        <source>Meat and Fish</source>
        <translation>Fleisch, Fisch</translation>
    </message>
    <message>
        <source>Chicken breasts</source>
        <translation>Hähnchenbrust</translation>
    </message>
    <message>
        <source>Ground beef</source>
        <translation>Hackfleisch</translation>
    </message>
    <message>
        <source>Steak</source>
        <translation>Steak</translation>
    </message>
    <message>
        <source>Pork chops</source>
        <translation>Schweinekoteletts</translation>
    </message>
    <message>
        <source>Bacon</source>
        <translation>Speck</translation>
    </message>
    <message>
        <source>Sausages</source>
        <translation>Würstchen</translation>
    </message>
    <message>
        <source>Salmon</source>
        <translation>Lachs</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Garnelen</translation>
    </message>
    <message>
        <source>Tuna steaks</source>
        <translation>Thunfischsteaks</translation>
    </message>
    <message>
        <source>Chicken thighs</source>
        <translation>Hähnchenschenkel</translation>
    </message>
    <message>
        <source>Dairy</source>
        <translation>Milchprodukte</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Milch</translation>
    </message>
    <message>
        <source>Butter</source>
        <translation>Butter</translation>
    </message>
    <message>
        <source>Eggs</source>
        <translation>Eier</translation>
    </message>
    <message>
        <source>Yogurt</source>
        <translation>Joghurt</translation>
    </message>
    <message>
        <source>Cream cheese</source>
        <translation>Frischkäse</translation>
    </message>
    <message>
        <source>Sour cream</source>
        <translation>Schmand</translation>
    </message>
    <message>
        <source>Heavy cream</source>
        <translation>Schlagsahne</translation>
    </message>
    <message>
        <source>Shredded cheese</source>
        <translation>Reibekäse</translation>
    </message>
    <message>
        <source>Parmesan</source>
        <translation>Parmesan</translation>
    </message>
    <message>
        <source>Mozzarella</source>
        <translation>Mozzarella</translation>
    </message>
    <message>
        <source>Cottage cheese</source>
        <translation>Hüttenkäse</translation>
    </message>
    <message>
        <source>Orange juice</source>
        <translation>Orangensaft</translation>
    </message>
    <message>
        <source>Canned Goods</source>
        <translation>Konserven</translation>
    </message>
    <message>
        <source>Canned tomatoes</source>
        <translation>Dosentomaten</translation>
    </message>
    <message>
        <source>Tomato sauce</source>
        <translation>Passierte Tomaten</translation>
    </message>
    <message>
        <source>Black beans</source>
        <translation>Kidneybohnen</translation>
    </message>
    <message>
        <source>Chickpeas</source>
        <translation>Kichererbsen</translation>
    </message>
    <message>
        <source>Tuna</source>
        <translation>Thunfisch</translation>
    </message>
    <message>
        <source>Soup</source>
        <translation>Suppe</translation>
    </message>
    <message>
        <source>Corn</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Coconut milk</source>
        <translation>Kokosmilch</translation>
    </message>
    <message>
        <source>Tomato paste</source>
        <translation>Tomatenmark</translation>
    </message>
    <message>
        <source>Green beans</source>
        <translation>Grüne Bohnen</translation>
    </message>
    <message>
        <source>Pasta &amp; Grains</source>
        <translation>Nudeln und Reis</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spaghetti</translation>
    </message>
    <message>
        <source>Penne</source>
        <translation>Penne</translation>
    </message>
    <message>
        <source>Rice</source>
        <translation>Reis</translation>
    </message>
    <message>
        <source>Quinoa</source>
        <translation>Quinoa</translation>
    </message>
    <message>
        <source>Oats</source>
        <translation>Haferflocken</translation>
    </message>
    <message>
        <source>Couscous</source>
        <translation>Couscous</translation>
    </message>
    <message>
        <source>Noodles</source>
        <translation>Eiernudeln</translation>
    </message>
    <message>
        <source>Flour</source>
        <translation>Mehl</translation>
    </message>
    <message>
        <source>Bread crumbs</source>
        <translation>Paniermehl</translation>
    </message>
    <message>
        <source>Lentils</source>
        <translation>Linsen</translation>
    </message>
    <message>
        <source>Baking &amp; Spices</source>
        <translation>Backen, Gewürze</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Zucker</translation>
    </message>
    <message>
        <source>Brown sugar</source>
        <translation>Brauner Zucker</translation>
    </message>
    <message>
        <source>Baking soda</source>
        <translation>Natron</translation>
    </message>
    <message>
        <source>Baking powder</source>
        <translation>Backpulver</translation>
    </message>
    <message>
        <source>Vanilla extract</source>
        <translation>Vanillezucker</translation>
    </message>
    <message>
        <source>Salt</source>
        <translation>Salz</translation>
    </message>
    <message>
        <source>Black pepper</source>
        <translation>Schwarzer Pfeffer</translation>
    </message>
    <message>
        <source>Cinnamon</source>
        <translation>Zimt</translation>
    </message>
    <message>
        <source>Paprika</source>
        <translation>Paprikapulver</translation>
    </message>
    <message>
        <source>Chili powder</source>
        <translation>Chilipulver</translation>
    </message>
    <message>
        <source>Olive oil</source>
        <translation>Olivenöl</translation>
    </message>
    <message>
        <source>Vegetable oil</source>
        <translation>Sonnenblumenöl</translation>
    </message>
    <message>
        <source>Vinegar</source>
        <translation>Essig</translation>
    </message>
    <message>
        <source>Cereal &amp; Snacks</source>
        <translation>Müsli, Snacks</translation>
    </message>
    <message>
        <source>Cereal</source>
        <translation>Cornflakes</translation>
    </message>
    <message>
        <source>Granola</source>
        <translation>Knuspermüsli</translation>
    </message>
    <message>
        <source>Peanut butter</source>
        <translation>Erdnussbutter</translation>
    </message>
    <message>
        <source>Jam</source>
        <translation>Marmelade</translation>
    </message>
    <message>
        <source>Honey</source>
        <translation>Honig</translation>
    </message>
    <message>
        <source>Maple syrup</source>
        <translation>Ahornsirup</translation>
    </message>
    <message>
        <source>Crackers</source>
        <translation>Cracker</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Chips</translation>
    </message>
    <message>
        <source>Pretzels</source>
        <translation>Salzstangen</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Popcorn</translation>
    </message>
    <message>
        <source>Nuts</source>
        <translation>Nüsse</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Schokolade</translation>
    </message>
    <message>
        <source>Condiments</source>
        <translation>Saucen</translation>
    </message>
    <message>
        <source>Ketchup</source>
        <translation>Ketchup</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Senf</translation>
    </message>
    <message>
        <source>Mayonnaise</source>
        <translation>Mayonnaise</translation>
    </message>
    <message>
        <source>Soy sauce</source>
        <translation>Sojasauce</translation>
    </message>
    <message>
        <source>Hot sauce</source>
        <translation>Scharfe Sauce</translation>
    </message>
    <message>
        <source>Salad dressing</source>
        <translation>Salatdressing</translation>
    </message>
    <message>
        <source>Salsa</source>
        <translation>Salsa</translation>
    </message>
    <message>
        <source>Pickles</source>
        <translation>Gewürzgurken</translation>
    </message>
    <message>
        <source>Barbecue sauce</source>
        <translation>Grillsauce</translation>
    </message>
    <message>
        <source>Pesto</source>
        <translation>Pesto</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Getränke</translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation>Kaffee</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Tee</translation>
    </message>
    <message>
        <source>Sparkling water</source>
        <translation>Mineralwasser</translation>
    </message>
    <message>
        <source>Soda</source>
        <translation>Limonade</translation>
    </message>
    <message>
        <source>Juice</source>
        <translation>Fruchtsaft</translation>
    </message>
    <message>
        <source>Beer</source>
        <translation>Bier</translation>
    </message>
    <message>
        <source>Wine</source>
        <translation>Wein</translation>
    </message>
    <message>
        <source>Bottled water</source>
        <translation>Stilles Wasser</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Paper towels</source>
        <translation>Küchenrolle</translation>
    </message>
    <message>
        <source>Toilet paper</source>
        <translation>Toilettenpapier</translation>
    </message>
    <message>
        <source>Dish soap</source>
        <translation>Spülmittel</translation>
    </message>
    <message>
        <source>Laundry detergent</source>
        <translation>Waschmittel</translation>
    </message>
    <message>
        <source>Trash bags</source>
        <translation>Müllbeutel</translation>
    </message>
    <message>
        <source>Aluminum foil</source>
        <translation>Alufolie</translation>
    </message>
    <message>
        <source>Plastic wrap</source>
        <translation>Frischhaltefolie</translation>
    </message>
    <message>
        <source>Sponges</source>
        <translation>Schwämme</translation>
    </message>
    <message>
        <source>Hand soap</source>
        <translation>Handseife</translation>
    </message>
    <message>
        <source>Shampoo</source>
        <translation>Shampoo</translation>
    </message>
    <message>
        <source>Toothpaste</source>
        <translation>Zahnpasta</translation>
    </message>
    <message>
        <source>Batteries</source>
        <translation>Batterien</translation>
    </message>
    <message>
        <source>Frozen</source>
        <translation>Tiefkühlkost</translation>
    </message>
    <message>
        <source>Frozen peas</source>
        <translation>TK-Erbsen</translation>
    </message>
    <message>
        <source>Frozen berries</source>
        <translation>TK-Beeren</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Eis</translation>
    </message>
    <message>
        <source>Frozen pizza</source>
        <translation>TK-Pizza</translation>
    </message>
    <message>
        <source>Frozen vegetables</source>
        <translation>TK-Gemüse</translation>
    </message>
    <message>
        <source>Fish sticks</source>
        <translation>Fischstäbchen</translation>
    </message>
    <message>
        <source>Frozen fries</source>
        <translation>Pommes</translation>
    </message>
    <message>
        <source>Ice</source>
        <translation>Eiswürfel</translation>
    </message>
    <message>
        <source>Grocery</source>
        <extracomment>The store the common groceries are in.</extracomment>
        <translation>Supermarkt</translation>
    </message>
</context>
<context>
    <name>StoreWalks</name>
    <message>
        <source>A walk belongs to one store.</source>
        <translation>Ein Laufweg gehört zu einem Laden.</translation>
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
    <name>TransferColumns</name>
    <message>
        <source>The quantity</source>
        <translation>Die Menge</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number.</source>
        <translation>%1 „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 should be text.</source>
        <translation>%1 sollte Text sein.</translation>
    </message>
    <message>
        <source>%1 holds a NUL character.</source>
        <translation>%1 enthält ein NUL-Zeichen.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>The price %1 is out of range.</source>
        <translation>Der Preis %1 liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>%1 %2 is not a whole number in range.</source>
        <translation>%1 %2 ist keine ganze Zahl im gültigen Bereich.</translation>
    </message>
    <message>
        <source>%1 %2 is out of range (%3 to %4).</source>
        <translation>%1 %2 liegt außerhalb des Bereichs (%3 bis %4).</translation>
    </message>
</context>
<context>
    <name>TransferCommand</name>
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
    <message>
        <source>Import 1 item from %1: done.</source>
        <translation>Import von 1 Artikel aus %1: fertig.</translation>
    </message>
    <message>
        <source>Import %1 items from %2: done.</source>
        <translation>Import von %1 Artikeln aus %2: fertig.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n items to %1.</source>
        <translation>
            <numerusform>%n Artikel nach %1 exportiert.</numerusform>
            <numerusform>%n Artikel nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>--columns is for a CSV file.</source>
        <translation>--columns gilt nur für eine CSV-Datei.</translation>
    </message>
    <message>
        <source>Say which column is which with --columns, such as:</source>
        <translation>Geben Sie mit --columns an, welche Spalte welche ist, etwa:</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.txt *.md);;All files (*)</source>
        <translation>Listen (*.csv *.json *.txt *.md);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>The catalog was not exported.</source>
        <translation>Der Katalog wurde nicht exportiert.</translation>
    </message>
    <message>
        <source>1 item exported to %1.</source>
        <translation>1 Artikel nach %1 exportiert.</translation>
    </message>
    <message>
        <source>%1 items exported to %2.</source>
        <translation>%1 Artikel nach %2 exportiert.</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>%1 kann nicht importiert werden.
%2</translation>
    </message>
    <message>
        <source>The clipboard holds no list to paste: copy some lines, one item each, then choose Paste List again.</source>
        <translation>Die Zwischenablage enthält keine Liste zum Einfügen: Kopieren Sie einige Zeilen, einen Artikel pro Zeile, und wählen Sie dann erneut „Liste einfügen“.</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>der Zwischenablage</translation>
    </message>
</context>
<context>
    <name>TransferFile</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a plain list</source>
        <translation>eine einfache Liste</translation>
    </message>
    <message>
        <source>an unknown format</source>
        <translation>ein unbekanntes Format</translation>
    </message>
    <message>
        <source>CSV with columns of its own</source>
        <translation>CSV mit eigenen Spalten</translation>
    </message>
</context>
<context>
    <name>TransferReader</name>
    <message>
        <source>a picture (PNG)</source>
        <translation>ein Bild (PNG)</translation>
    </message>
    <message>
        <source>a picture (JPEG)</source>
        <translation>ein Bild (JPEG)</translation>
    </message>
    <message>
        <source>a picture (GIF)</source>
        <translation>ein Bild (GIF)</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>ein ZIP-Archiv</translation>
    </message>
    <message>
        <source>a picture (TIFF)</source>
        <translation>ein Bild (TIFF)</translation>
    </message>
    <message>
        <source>a picture (WebP)</source>
        <translation>ein Bild (WebP)</translation>
    </message>
    <message>
        <source>not text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>Die Zeile ist kein gültiger UTF-8-Text.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file is too large for a list (%1 MB).</source>
        <translation>Die Datei ist zu groß für eine Liste (%1 MB).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is not valid UTF-16 text.</source>
        <translation>Die Datei ist kein gültiger UTF-16-Text.</translation>
    </message>
    <message>
        <source>The file is %1, not a list.</source>
        <translation>Die Datei ist %1, keine Liste.</translation>
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
