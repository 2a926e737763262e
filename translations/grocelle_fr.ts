<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ActionLabel</name>
    <message>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Clear Marked Items</source>
        <translation>Retirer les articles cochés</translation>
    </message>
    <message>
        <source>Clear Coupons</source>
        <translation>Effacer les bons</translation>
    </message>
    <message>
        <source>Arrange Departments</source>
        <translation>Ordonner les rayons</translation>
    </message>
    <message>
        <source>Arrange Departments for %1</source>
        <translation>Ordonner les rayons de %1</translation>
    </message>
    <message>
        <source>Learned walk of %1</source>
        <translation>Parcours appris de %1</translation>
    </message>
    <message>
        <source>Walk of %1</source>
        <translation>Parcours de %1</translation>
    </message>
    <message>
        <source>New Item: %1</source>
        <translation>Nouvel article : %1</translation>
    </message>
    <message>
        <source>Edit Item: %1</source>
        <translation>Article modifié : %1</translation>
    </message>
    <message>
        <source>Delete Item: %1</source>
        <translation>Article supprimé : %1</translation>
    </message>
    <message>
        <source>Add one: %1</source>
        <translation>Un de plus : %1</translation>
    </message>
    <message>
        <source>Subtract one: %1</source>
        <translation>Un de moins : %1</translation>
    </message>
    <message>
        <source>Quantity %1: %2</source>
        <translation>Quantité %1 : %2</translation>
    </message>
    <message>
        <source>Mark: %1</source>
        <translation>Coché : %1</translation>
    </message>
    <message>
        <source>Unmark: %1</source>
        <translation>Décoché : %1</translation>
    </message>
    <message>
        <source>Rename department %1 to %2</source>
        <translation>Renommer le rayon %1 en %2</translation>
    </message>
    <message>
        <source>Rename store %1 to %2</source>
        <translation>Renommer le magasin %1 en %2</translation>
    </message>
    <message>
        <source>Import %1 item from the common groceries</source>
        <translation>Importer %1 article des courses courantes</translation>
    </message>
    <message>
        <source>Import %1 items from the common groceries</source>
        <translation>Importer %1 articles des courses courantes</translation>
    </message>
    <message>
        <source>Import %1 item from %2</source>
        <translation>Importer %1 article depuis %2</translation>
    </message>
    <message>
        <source>Import %1 items from %2</source>
        <translation>Importer %1 articles depuis %2</translation>
    </message>
    <message>
        <source>Import %1 item from the clipboard</source>
        <translation>Importer %1 article du presse-papiers</translation>
    </message>
    <message>
        <source>Import %1 items from the clipboard</source>
        <translation>Importer %1 articles du presse-papiers</translation>
    </message>
    <message>
        <source>Barcode for %1</source>
        <translation>Code-barres pour %1</translation>
    </message>
    <message>
        <source>Cheapest Stores</source>
        <translation>Magasins les moins chers</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>Could not open/create key</source>
        <translation>Impossible d&apos;ouvrir ou de créer la clé de réglages</translation>
    </message>
</context>
<context>
    <name>AutoWalks</name>
    <message>
        <source>%1 now walks as learned from %2 trip; Ctrl+Z undoes it.</source>
        <translation>%1 suit maintenant le parcours appris sur %2 course ; Ctrl+Z l&apos;annule.</translation>
    </message>
    <message>
        <source>%1 now walks as learned from %2 trips; Ctrl+Z undoes it.</source>
        <translation>%1 suit maintenant le parcours appris sur %2 courses ; Ctrl+Z l&apos;annule.</translation>
    </message>
    <message>
        <source>%1 now walk as learned from their trips; Ctrl+Z undoes each.</source>
        <translation>%1 suivent maintenant les parcours appris lors de leurs courses ; Ctrl+Z annule chacun.</translation>
    </message>
</context>
<context>
    <name>Barcode</name>
    <message>
        <source>The barcode is empty.</source>
        <translation>Le code-barres est vide.</translation>
    </message>
    <message>
        <source>A barcode has at most %1 characters.</source>
        <translation>Un code-barres a au plus %1 caractères.</translation>
    </message>
    <message>
        <source>A barcode holds only letters, digits, spaces and - . / _ + #.</source>
        <translation>Un code-barres ne contient que des lettres, des chiffres, des espaces et - . / _ + #.</translation>
    </message>
    <message>
        <source>The check digit does not fit: the barcode was read or typed wrong.</source>
        <translation>Le chiffre de contrôle ne correspond pas : le code-barres a été mal lu ou mal saisi.</translation>
    </message>
</context>
<context>
    <name>BarcodeScan</name>
    <message>
        <source>The scanned code was not taken. %1</source>
        <translation>Le code scanné n&apos;a pas été pris. %1</translation>
    </message>
</context>
<context>
    <name>Barcodes</name>
    <message>
        <source>This catalog keeps no barcodes: it was made by a user who may not add tables to it.</source>
        <translation>Ce catalogue ne garde pas de codes-barres : il a été ouvert par un utilisateur qui ne peut pas lui ajouter de tables.</translation>
    </message>
</context>
<context>
    <name>BulkPass</name>
    <message>
        <source>The items changed while they were read.</source>
        <translation>Les articles ont changé pendant leur lecture.</translation>
    </message>
    <message>
        <source>The pass sets a column it did not name.</source>
        <translation>Le passage modifie une colonne qu&apos;il n&apos;a pas nommée.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Grocelle</source>
        <translation>À propos de Grocelle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>© 2026 Velmora. Made for people who shop.</source>
        <translation>© 2026 Velmora. Pour ceux qui font les courses.</translation>
    </message>
</context>
<context>
    <name>CAdoCommand</name>
    <message>
        <source>The catalog is not open.</source>
        <translation>Le catalogue n&apos;est pas ouvert.</translation>
    </message>
</context>
<context>
    <name>CAdoConnection</name>
    <message>
        <source>no catalog engine opens %1</source>
        <translation>aucun moteur de catalogue n&apos;ouvre %1</translation>
    </message>
    <message>
        <source>the catalog is not open</source>
        <translation>le catalogue n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>the change was undone after a failure</source>
        <translation>la modification a été annulée après une erreur</translation>
    </message>
</context>
<context>
    <name>CAdoException</name>
    <message>
        <source>A value of the catalog is not a number (error %1).</source>
        <translation>Une valeur du catalogue n&apos;est pas un nombre (erreur %1).</translation>
    </message>
    <message>
        <source>The catalog store could not be started (error %1).</source>
        <translation>Le stockage du catalogue n&apos;a pas pu démarrer (erreur %1).</translation>
    </message>
    <message>
        <source>The catalog could not be opened (error %1).</source>
        <translation>Le catalogue n&apos;a pas pu être ouvert (erreur %1).</translation>
    </message>
    <message>
        <source>The catalog refused a value (error %1).</source>
        <translation>Le catalogue a refusé une valeur (erreur %1).</translation>
    </message>
    <message>
        <source>A value of the catalog could not be read (error %1).</source>
        <translation>Une valeur du catalogue n&apos;a pas pu être lue (erreur %1).</translation>
    </message>
    <message>
        <source>The catalog could not be written (error %1).</source>
        <translation>Le catalogue n&apos;a pas pu être écrit (erreur %1).</translation>
    </message>
    <message>
        <source>The catalog reported a failure (error %1).</source>
        <translation>Le catalogue a signalé une erreur (erreur %1).</translation>
    </message>
</context>
<context>
    <name>CAdoField</name>
    <message>
        <source>%1 is too long for %2.</source>
        <translation>%1 est trop long pour %2.</translation>
    </message>
    <message>
        <source>%1 does not fit %2 (from -32768 to 32767).</source>
        <translation>%1 ne tient pas dans %2 (de -32768 à 32767).</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>%1 does not fit %2.</source>
        <translation>%1 ne tient pas dans %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number for %2.</source>
        <translation>« %1 » n&apos;est pas un nombre entier pour %2.</translation>
    </message>
</context>
<context>
    <name>CAdoRecordset</name>
    <message>
        <source>the catalog is not open</source>
        <translation>le catalogue n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>Cette valeur ne peut pas être modifiée ici.</translation>
    </message>
    <message>
        <source>There is no current item to write.</source>
        <translation>Il n&apos;y a pas d&apos;article en cours à écrire.</translation>
    </message>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Ces lignes ne peuvent pas être écrites.</translation>
    </message>
    <message>
        <source>The catalog is not open.</source>
        <translation>Le catalogue n&apos;est pas ouvert.</translation>
    </message>
</context>
<context>
    <name>CArrangeDlg</name>
    <message>
        <source>Arrange Departments</source>
        <translation>Ordonner les rayons</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Make the learned order this store&apos;s walk</source>
        <translation>Faire de l&apos;ordre appris le parcours de ce magasin</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <translation>&amp;Magasin :</translation>
    </message>
    <message>
        <source>The walk of %1 could not be saved, so it stays as it was.</source>
        <translation>Le parcours de %1 n&apos;a pas pu être enregistré : il reste inchangé.</translation>
    </message>
    <message>
        <source>every store</source>
        <translation>tous les magasins</translation>
    </message>
    <message>
        <source>Keep the order arranged for %1?</source>
        <translation>Garder l&apos;ordre choisi pour %1 ?</translation>
    </message>
    <message>
        <source>The walk of %1 could not be read.</source>
        <translation>Le parcours de %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>%1&apos;s own walk</source>
        <translation>Parcours propre à %1</translation>
    </message>
    <message>
        <source>%1 walks in the everyday order</source>
        <translation>%1 suit l&apos;ordre habituel</translation>
    </message>
    <message>
        <source>Nothing learned yet at %1. Its walk is learned from the trips on which items are marked in its tab.</source>
        <translation>Rien d&apos;appris pour %1. Son parcours s&apos;apprend lors des courses où des articles sont cochés dans son onglet.</translation>
    </message>
    <message>
        <source>%1, learned from 1 trip</source>
        <translation>%1, appris sur 1 course</translation>
    </message>
    <message>
        <source>%1, learned from %2 trips</source>
        <translation>%1, appris sur %2 courses</translation>
    </message>
    <message>
        <source>The learned walk could not be applied, so %1 keeps its walk.</source>
        <translation>Le parcours appris n&apos;a pas pu être appliqué : %1 garde son parcours.</translation>
    </message>
    <message>
        <source>The departments could not be put in order, so every item keeps its old place.</source>
        <translation>Les rayons n&apos;ont pas pu être ordonnés : chaque article garde sa place.</translation>
    </message>
    <message>
        <source>Arrange the list above in the order you walk through the store.  Your list will be sorted that way.</source>
        <translation>Rangez la liste ci-dessus dans l&apos;ordre de votre parcours en magasin. Votre liste sera triée ainsi.</translation>
    </message>
    <message>
        <source>Arrange the list in the order you walk through this store.  Its own list will be sorted that way; the other stores keep theirs.</source>
        <translation>Rangez la liste dans l&apos;ordre de votre parcours dans ce magasin. Sa liste sera triée ainsi ; les autres magasins gardent la leur.</translation>
    </message>
    <message>
        <source>Error in opening DB: 10001</source>
        <translation>Erreur à l&apos;ouverture de la base : 10001</translation>
    </message>
    <message>
        <source>All stores</source>
        <translation>Tous les magasins</translation>
    </message>
</context>
<context>
    <name>CBarcodeChooserDlg</name>
    <message>
        <source>No item has the barcode %1 yet. Which item is it?</source>
        <translation>Aucun article n&apos;a encore le code-barres %1. Quel article est-ce ?</translation>
    </message>
    <message>
        <source>Name of an item</source>
        <translation>Nom d&apos;un article</translation>
    </message>
    <message>
        <source>Take this item</source>
        <translation>Prendre cet article</translation>
    </message>
    <message>
        <source>New item...</source>
        <translation>Nouvel article...</translation>
    </message>
    <message>
        <source>There is no item named &quot;%1&quot;. Pick a name from the list, or make a new item.</source>
        <translation>Il n&apos;y a pas d&apos;article « %1 ». Choisissez un nom dans la liste, ou créez un nouvel article.</translation>
    </message>
</context>
<context>
    <name>CBarcodesDlg</name>
    <message>
        <source>Barcodes of %1</source>
        <translation>Codes-barres de %1</translation>
    </message>
    <message>
        <source>Type or scan a code</source>
        <translation>Tapez ou scannez un code</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>The barcode %1 belongs to %2. Move it to %3?</source>
        <translation>Le code-barres %1 appartient à %2. Le déplacer vers %3 ?</translation>
    </message>
</context>
<context>
    <name>CCheapestDlg</name>
    <message>
        <source>Cheapest Stores</source>
        <translation>Magasins les moins chers</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Now at</source>
        <translation>Actuellement chez</translation>
    </message>
    <message>
        <source>&amp;Move Ticked Items</source>
        <translation>&amp;Déplacer les articles cochés</translation>
    </message>
    <message>
        <source>The items could not be moved.</source>
        <translation>Les articles n’ont pas pu être déplacés.</translation>
    </message>
    <message>
        <source>(no store)</source>
        <translation>(aucun magasin)</translation>
    </message>
    <message>
        <source>Today&apos;s stores: %1. Split by cheapest: %2. Saves %3.</source>
        <translation>Magasins actuels : %1. Réparti au moins cher : %2. Économie : %3.</translation>
    </message>
</context>
<context>
    <name>CColumnMapDlg</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>The columns of %1 are its own. Say which catalog column each one fills:</source>
        <translation>Les colonnes de %1 lui sont propres. Indiquez quelle colonne du catalogue chacune remplit&#xa0;:</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(non importée)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
</context>
<context>
    <name>CFirstStartDlg</name>
    <message>
        <source>Your catalog is empty. How would you like to start?</source>
        <translation>Votre catalogue est vide. Comment voulez-vous commencer ?</translation>
    </message>
    <message>
        <source>Start with &amp;common groceries (%1 items in %2 departments)</source>
        <translation>Commencer avec les &amp;courses courantes (%1 articles dans %2 rayons)</translation>
    </message>
    <message>
        <source>&amp;Import a file...</source>
        <translation>&amp;Importer un fichier...</translation>
    </message>
    <message>
        <source>Start &amp;empty</source>
        <translation>Commencer &amp;vide</translation>
    </message>
    <message>
        <source>Tip for first-time users:  You can bring a list you already have: copy it and press Ctrl+Shift+V, or choose Tools &gt; Import... for a file from another program.</source>
        <translation>Astuce pour débuter : pour reprendre une liste existante, copiez-la et appuyez sur Ctrl+Maj+V, ou choisissez Outils &gt; Importer... pour un fichier d&apos;un autre programme.</translation>
    </message>
</context>
<context>
    <name>CHelpDlg</name>
    <message>
        <source>Grocelle Help</source>
        <translation>Aide de Grocelle</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Il n&apos;y a rien à annuler.</translation>
    </message>
    <message>
        <source>Choose an action to undo it with every action after it.</source>
        <translation>Choisissez une action pour l&apos;annuler avec toutes celles qui la suivent.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>&amp;Undo to Here</source>
        <translation>&amp;Annuler jusqu&apos;ici</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Import from %1 (%2)</source>
        <translation>Importer depuis %1 (%2)</translation>
    </message>
    <message>
        <source>Items already in the catalog</source>
        <translation>Articles déjà dans le catalogue</translation>
    </message>
    <message>
        <source>&amp;Set their quantities to the file&apos;s</source>
        <translation>&amp;Remplacer leurs quantités par celles du fichier</translation>
    </message>
    <message>
        <source>&amp;Add the file&apos;s quantities to theirs</source>
        <translation>&amp;Ajouter les quantités du fichier aux leurs</translation>
    </message>
    <message>
        <source>&amp;Department of new items:</source>
        <translation>&amp;Rayon des nouveaux articles :</translation>
    </message>
    <message>
        <source>S&amp;tore of new items:</source>
        <translation>&amp;Magasin des nouveaux articles :</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>The catalog cannot be read.</source>
        <translation>Le catalogue ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Nothing can be imported.</source>
        <translation>Rien ne peut être importé.</translation>
    </message>
    <message>
        <source>Import without the refused line</source>
        <translation>Importer sans la ligne refusée</translation>
    </message>
    <message>
        <source>Import without the %1 refused lines</source>
        <translation>Importer sans les %1 lignes refusées</translation>
    </message>
    <message>
        <source>The import could not be written; the catalog is as it was.</source>
        <translation>L&apos;importation n&apos;a pas pu être écrite : le catalogue est inchangé.</translation>
    </message>
    <message>
        <source>Search the items</source>
        <translation>Chercher les articles</translation>
    </message>
</context>
<context>
    <name>CItemDlg</name>
    <message>
        <source>Dept:</source>
        <translation>Rayon :</translation>
    </message>
    <message>
        <source>Coupon:</source>
        <translation>Bon :</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Store:</source>
        <translation>Magasin :</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Prix :</translation>
    </message>
    <message>
        <source>Sold by the:</source>
        <translation>Vendu au/à la :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Article :</translation>
    </message>
    <message>
        <source>Qty:</source>
        <translation>Qté :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please enter a whole number from 0 to %1 in the Qty box.</source>
        <translation>Veuillez saisir un nombre entier de 0 à %1 dans la case Qté.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters in the %2 box.</source>
        <translation>Veuillez saisir au plus %1 caractères dans la case %2.</translation>
    </message>
    <message>
        <source>Please enter a number from 0 to 9999999 in the Price box.</source>
        <translation>Veuillez saisir un nombre de 0 à 9999999 dans la case Prix.</translation>
    </message>
    <message>
        <source>Please specify a department.</source>
        <translation>Veuillez indiquer un rayon.</translation>
    </message>
    <message>
        <source>Please name this item, or press cancel.</source>
        <translation>Veuillez nommer cet article, ou appuyez sur Annuler.</translation>
    </message>
    <message>
        <source>Could not open database</source>
        <translation>Impossible d&apos;ouvrir la base de données</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Magasin</translation>
    </message>
    <message>
        <source>Sold by the</source>
        <translation>Vendu au/à la</translation>
    </message>
    <message>
        <source>Dept</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Codes: %1</source>
        <translation>Codes : %1</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Prix</translation>
    </message>
</context>
<context>
    <name>CItemListCtrl</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Cocher</translation>
    </message>
    <message>
        <source>&amp;Delete item</source>
        <translation>&amp;Supprimer l&apos;article</translation>
    </message>
    <message>
        <source>C&amp;opy list to clipboard</source>
        <translation>Co&amp;pier la liste dans le presse-papiers</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Dept</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
</context>
<context>
    <name>CListApp</name>
    <message>
        <source>Grocelle cannot save its settings in %1.  It runs on the settings it could read and on its defaults, and changes to them are not kept.</source>
        <translation>Grocelle ne peut pas enregistrer ses paramètres dans %1. Il fonctionne avec les paramètres lisibles et ses valeurs par défaut ; les modifications ne seront pas conservées.</translation>
    </message>
</context>
<context>
    <name>CMainDlg</name>
    <message>
        <source>Dept:</source>
        <translation>Rayon :</translation>
    </message>
    <message>
        <source>The phone list could not start. %1</source>
        <translation>La liste pour téléphone n&apos;a pas pu démarrer. %1</translation>
    </message>
    <message>
        <source>The catalog is read-only, so changes cannot be undone.</source>
        <translation>Le catalogue est en lecture seule : les modifications ne peuvent pas être annulées.</translation>
    </message>
    <message>
        <source>The catalog is empty: type a name in the box above and press Enter to add your first item.</source>
        <translation>Le catalogue est vide : tapez un nom dans la case ci-dessus et appuyez sur Entrée pour ajouter votre premier article.</translation>
    </message>
</context>
<context>
    <name>CPhoneListDlg</name>
    <message>
        <source>Phone List</source>
        <translation>Liste pour téléphone</translation>
    </message>
    <message>
        <source>Serve the shopping list to phones on this network</source>
        <translation>Servir la liste de courses aux téléphones de ce réseau</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Open the address on a phone, or point its camera at the code. Anyone with a link can see and change the list. Each phone gets a link of its own with Add Phone; Remove stops one phone&apos;s link, New Link stops them all and makes one new one.</source>
        <translation>Ouvrez l&apos;adresse sur un téléphone, ou visez le code avec son appareil photo. Quiconque a un lien peut voir et modifier la liste. « Ajouter un téléphone » donne à chaque téléphone son propre lien ; « Retirer » coupe le lien d&apos;un téléphone, « Nouveau lien » les coupe tous et en crée un nouveau.</translation>
    </message>
    <message>
        <source>Offline use on the phone needs a secure (https://) link. The README tells how, in its section on the phone list without reception.</source>
        <translation>L&apos;usage hors ligne sur le téléphone demande un lien sécurisé (https://). Le README (en anglais) explique comment l&apos;obtenir, dans sa partie sur la liste du téléphone sans réseau.</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Vu pour la dernière fois</translation>
    </message>
    <message>
        <source>Add Phone…</source>
        <translation>Ajouter un téléphone…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>New Link</source>
        <translation>Nouveau lien</translation>
    </message>
    <message>
        <source>The phone list could not start. %1</source>
        <translation>La liste pour téléphone n&apos;a pas pu démarrer. %1</translation>
    </message>
    <message>
        <source>Add Phone</source>
        <translation>Ajouter un téléphone</translation>
    </message>
    <message>
        <source>A name for the phone, such as &quot;Anna&apos;s phone&quot;:</source>
        <translation>Un nom pour le téléphone, par exemple « Téléphone d&apos;Anna » :</translation>
    </message>
    <message>
        <source>Remove %1? Its link stops working at once.</source>
        <translation>Retirer %1 ? Son lien cesse aussitôt de fonctionner.</translation>
    </message>
    <message>
        <source>(off)</source>
        <translation>(arrêtée)</translation>
    </message>
    <message>
        <source>Turn the list on to show its code.</source>
        <translation>Activez la liste pour afficher son code.</translation>
    </message>
    <message>
        <source>Each phone&apos;s link is shown once, when it is made. Add Phone makes a link for another phone.</source>
        <translation>Le lien d&apos;un téléphone n&apos;est montré qu&apos;une fois, à sa création. « Ajouter un téléphone » crée un lien pour un autre téléphone.</translation>
    </message>
    <message>
        <source>The link of %1</source>
        <translation>Le lien de %1</translation>
    </message>
    <message>
        <source>any free port</source>
        <translation>n&apos;importe quel port libre</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
</context>
<context>
    <name>CPricesDlg</name>
    <message>
        <source>Prices of %1</source>
        <translation>Prix de %1</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Magasin</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Lowest (90 days)</source>
        <translation>Le plus bas (90 jours)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Please enter a price above 0 and up to 9999999.</source>
        <translation>Veuillez saisir un prix supérieur à 0 et jusqu’à 9999999.</translation>
    </message>
    <message>
        <source>Please name the store the price was seen at.</source>
        <translation>Veuillez indiquer le magasin où le prix a été vu.</translation>
    </message>
</context>
<context>
    <name>CQuickEntry</name>
    <message>
        <source>Please enter a quantity from 1 to %1 in the quantity box.</source>
        <translation>Veuillez saisir une quantité de 1 à %1 dans la case quantité.</translation>
    </message>
</context>
<context>
    <name>CRegistry</name>
    <message>
        <source>Could not open/create key</source>
        <translation>Impossible d&apos;ouvrir ou de créer la clé de réglages</translation>
    </message>
    <message>
        <source>Could not save key</source>
        <translation>Impossible d&apos;enregistrer la clé de réglages</translation>
    </message>
</context>
<context>
    <name>CRenameDlg</name>
    <message>
        <source>Rename Stores / Depts</source>
        <translation>Renommer magasins / rayons</translation>
    </message>
    <message>
        <source>To globally rename a department or store, enter the old and new name below.</source>
        <translation>Pour renommer partout un rayon ou un magasin, saisissez l&apos;ancien et le nouveau nom ci-dessous.</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>Vue :</translation>
    </message>
    <message>
        <source>Old name:</source>
        <translation>Ancien nom :</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau nom :</translation>
    </message>
    <message>
        <source>Departments</source>
        <translation>Rayons</translation>
    </message>
    <message>
        <source>Stores</source>
        <translation>Magasins</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>There is already one by that name.</source>
        <translation>Ce nom existe déjà.</translation>
    </message>
    <message>
        <source>Change the %1 named &apos;%2&apos; to &apos;%3&apos;.  Are you sure?</source>
        <translation>Renommer %1 « %2 » en « %3 » ? Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Renamed the %1 &apos;%2&apos; to &apos;%3&apos;.</source>
        <translation>%1 « %2 » renommé en « %3 ».</translation>
    </message>
    <message>
        <source>Nothing was renamed.</source>
        <translation>Rien n&apos;a été renommé.</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Smallest</source>
        <translation>Très petite</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>Edit item</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Mark/Unmark</source>
        <translation>(Dé)cocher</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Grocelle Settings</source>
        <translation>Paramètres de Grocelle</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Taille du texte :</translation>
    </message>
    <message>
        <source>Sound on Launch:</source>
        <translation>Son d&apos;accueil :</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Double click item:</source>
        <translation>Double-clic :</translation>
    </message>
    <message>
        <source>Learn each store&apos;s walk</source>
        <translation>Apprendre chaque parcours</translation>
    </message>
    <message>
        <source>After each trip, put a store&apos;s departments in the order you walked them</source>
        <translation>Après chaque course, ranger les rayons du magasin dans l&apos;ordre de votre parcours</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>A new language applies at the next start.</source>
        <translation>Une nouvelle langue s&apos;applique au prochain démarrage.</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Devise :</translation>
    </message>
    <message>
        <source>The symbol written with prices; empty for your region&apos;s own</source>
        <translation>Le symbole écrit avec les prix ; vide pour celui de votre région</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The Need view marks an item that another store sells for this much less</source>
        <translation>La vue « À acheter » signale un article qu’un autre magasin vend moins cher d’au moins autant</translation>
    </message>
    <message>
        <source>Cheaper elsewhere by at least:</source>
        <translation>Moins cher ailleurs d’au moins :</translation>
    </message>
</context>
<context>
    <name>CachedRows</name>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Ces lignes ne peuvent pas être écrites.</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>The catalog %1 could not be opened: %2</source>
        <translation>Le catalogue %1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>The user has no permission to create the catalog on the %1.</source>
        <translation>L&apos;utilisateur n&apos;a pas le droit de créer le catalogue sur le %1.</translation>
    </message>
    <message>
        <source>The user has no permission to read the catalog on the %1.</source>
        <translation>L&apos;utilisateur n&apos;a pas le droit de lire le catalogue sur le %1.</translation>
    </message>
    <message>
        <source>The %1 is read-only: the catalog cannot be created there.</source>
        <translation>Le %1 est en lecture seule : le catalogue ne peut pas y être créé.</translation>
    </message>
    <message>
        <source>The table ShoppingLists on the %1 is not a Grocelle catalog. It has been left as it is, and the list stays empty.</source>
        <translation>La table ShoppingLists sur le %1 n&apos;est pas un catalogue Grocelle. Elle a été laissée telle quelle, et la liste reste vide.</translation>
    </message>
    <message>
        <source>The file %1 is not a Grocelle catalog, or it cannot be read. It has been left as it is, and the list stays empty.</source>
        <translation>Le fichier %1 n&apos;est pas un catalogue Grocelle, ou il est illisible. Il a été laissé tel quel, et la liste reste vide.</translation>
    </message>
    <message>
        <source>The catalog on the %1 can be read but not changed: the server or the database is read-only, or the user has no right to change it. Changes to the list cannot be saved.</source>
        <translation>Le catalogue sur le %1 peut être lu mais pas modifié : le serveur ou la base est en lecture seule, ou l&apos;utilisateur n&apos;a pas le droit de le modifier. Les modifications de la liste ne peuvent pas être enregistrées.</translation>
    </message>
    <message>
        <source>The catalog %1 cannot be written: the file or its folder is read-only. Changes to the list cannot be saved.</source>
        <translation>Le catalogue %1 ne peut pas être écrit : le fichier ou son dossier est en lecture seule. Les modifications de la liste ne peuvent pas être enregistrées.</translation>
    </message>
    <message>
        <source>The list stays empty.</source>
        <translation>La liste reste vide.</translation>
    </message>
    <message>
        <source>The catalog on the %1 cannot be reached or could not be created. The list stays empty.</source>
        <translation>Le catalogue sur le %1 est injoignable ou n&apos;a pas pu être créé. La liste reste vide.</translation>
    </message>
    <message>
        <source>The catalog %1 does not exist and could not be created. The list stays empty.</source>
        <translation>Le catalogue %1 n&apos;existe pas et n&apos;a pas pu être créé. La liste reste vide.</translation>
    </message>
    <message>
        <source>Updating database structure, adding PRICE field...</source>
        <translation>Mise à jour de la structure de la base, ajout du champ PRICE...</translation>
    </message>
    <message>
        <source>Updating database structure, adding COUPON field...</source>
        <translation>Mise à jour de la structure de la base, ajout du champ COUPON...</translation>
    </message>
    <message>
        <source>Updating database structure, adding DEPTORDER field...</source>
        <translation>Mise à jour de la structure de la base, ajout du champ DEPTORDER...</translation>
    </message>
</context>
<context>
    <name>CatalogChoice</name>
    <message>
        <source>Usage: grocelle --copy-catalog FROM TO [--replace]</source>
        <translation>Utilisation : grocelle --copy-catalog FROM TO [--replace]</translation>
    </message>
    <message>
        <source>Copied %1 rows and %2 undo history entries from %3 to %4.</source>
        <translation>Copié de %3 vers %4 – lignes : %1, entrées de l&apos;historique d&apos;annulation : %2.</translation>
    </message>
    <message>
        <source>Checksum of %1: %2</source>
        <translation>Somme de contrôle de %1 : %2</translation>
    </message>
</context>
<context>
    <name>CatalogCopier</name>
    <message>
        <source>There is no catalog at %1.</source>
        <translation>Il n&apos;y a pas de catalogue à %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 has %2 characters, more than its %3</source>
        <translation>%1 a %2 caractères, plus que ses %3</translation>
    </message>
    <message>
        <source>%1 holds a NUL character</source>
        <translation>%1 contient un caractère NUL</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number it takes</source>
        <translation>%1 contient « %2 », qui n&apos;est pas un nombre qu&apos;il accepte</translation>
    </message>
    <message>
        <source>Item %1 cannot be stored on the %2: %3. Nothing was copied.</source>
        <translation>L&apos;article %1 ne peut pas être enregistré sur le %2 : %3. Rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>%1 already holds %2 items; nothing was copied. Give --replace to replace them.</source>
        <translation>%1 contient déjà %2 articles ; rien n&apos;a été copié. Indiquez --replace pour les remplacer.</translation>
    </message>
    <message>
        <source>%1 holds no readable catalog: %2</source>
        <translation>%1 ne contient aucun catalogue lisible : %2</translation>
    </message>
    <message>
        <source>The copy does not match its source (%1 of %2 rows); nothing was copied.</source>
        <translation>La copie ne correspond pas à sa source (%1 lignes sur %2) ; rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
</context>
<context>
    <name>CatalogExport</name>
    <message>
        <source>The catalog cannot be read: %1</source>
        <translation>Le catalogue ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>CatalogFailure</name>
    <message>
        <source>The %1 did not answer in time.</source>
        <translation>Pas de réponse à temps de : %1.</translation>
    </message>
    <message>
        <source>The %1 cannot be reached.</source>
        <translation>Injoignable : %1.</translation>
    </message>
    <message>
        <source>The change was not saved: the catalog could not be written.</source>
        <translation>La modification n&apos;a pas été enregistrée : le catalogue n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The change was not saved: the catalog refused a value.</source>
        <translation>La modification n&apos;a pas été enregistrée : le catalogue a refusé une valeur.</translation>
    </message>
    <message>
        <source>The catalog could not be read.</source>
        <translation>Le catalogue n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The catalog holds text where a number belongs.</source>
        <translation>Le catalogue contient du texte à la place d&apos;un nombre.</translation>
    </message>
    <message>
        <source>The catalog could not be opened.</source>
        <translation>Le catalogue n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The catalog reported a failure.</source>
        <translation>Le catalogue a signalé une erreur.</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Erreur %1</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Erreur %1 : %2</translation>
    </message>
</context>
<context>
    <name>ColumnMapping</name>
    <message>
        <source>&quot;%1&quot; is no CatalogColumn=FileColumn pair, such as ItemName=Item.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une paire ColonneCatalogue=ColonneFichier, comme ItemName=Item.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no catalog column: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une colonne du catalogue&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file has no column &quot;%1&quot;: it has %2.</source>
        <translation>Le fichier n’a pas de colonne «&#xa0;%1&#xa0;»&#xa0;: il a %2.</translation>
    </message>
    <message>
        <source>Two columns of the file fill %1.</source>
        <translation>Deux colonnes du fichier remplissent %1.</translation>
    </message>
    <message>
        <source>No column of the file is the item&apos;s name (ItemName).</source>
        <translation>Aucune colonne du fichier n’est le nom de l’article (ItemName).</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--copy-catalog needs a catalog to copy FROM and one to copy TO.</source>
        <translation>--copy-catalog attend un catalogue source (FROM) et un catalogue cible (TO).</translation>
    </message>
    <message>
        <source>--replace goes only with --copy-catalog.</source>
        <translation>--replace ne s&apos;emploie qu&apos;avec --copy-catalog.</translation>
    </message>
    <message>
        <source>--%1 goes only with --serve.</source>
        <translation>--%1 ne s&apos;emploie qu&apos;avec --serve.</translation>
    </message>
    <message>
        <source>Unknown argument &apos;%1&apos;.</source>
        <translation>Argument inconnu « %1 ».</translation>
    </message>
    <message>
        <source>--catalog needs a file path or a postgresql:// URI.</source>
        <translation>--catalog attend un chemin de fichier ou une URI postgresql://.</translation>
    </message>
    <message>
        <source>--export and --import go one at a time.</source>
        <translation>--export et --import s&apos;emploient séparément.</translation>
    </message>
    <message>
        <source>--%1 goes only with --import.</source>
        <translation>--%1 ne s&apos;emploie qu&apos;avec --import.</translation>
    </message>
    <message>
        <source>the catalog to work on: an SQLite file, or a
PostgreSQL database (postgresql://user@host:port/db).
Otherwise $GROCELLE_CATALOG, then the Catalog value
in Grocelle.conf.</source>
        <translation>le catalogue à utiliser : un fichier SQLite, ou une
base PostgreSQL (postgresql://user@host:port/db).
Sinon $GROCELLE_CATALOG, puis la valeur Catalog de
Grocelle.conf.</translation>
    </message>
    <message>
        <source>with FROM TO: copies every row from one catalog to
another in one transaction and prints the count and
both checksums; a target with rows is refused unless
--replace is given.</source>
        <translation>avec FROM TO : copie toutes les lignes d&apos;un catalogue
vers un autre en une transaction et affiche leur
nombre et les deux sommes de contrôle ; une cible qui
a des lignes est refusée sans --replace.</translation>
    </message>
    <message>
        <source>lets --copy-catalog empty a target that has rows.</source>
        <translation>permet à --copy-catalog de vider une cible qui a des
lignes.</translation>
    </message>
    <message>
        <source>writes the whole catalog to FILE: JSON for a name
ending in .json, CSV otherwise.</source>
        <translation>écrit tout le catalogue dans FILE : en JSON pour un
nom finissant par .json, sinon en CSV.</translation>
    </message>
    <message>
        <source>reads FILE (CSV, JSON, OI Shopping List CSV or a
plain list) into the catalog as one action Undo
takes back; prints what it did. Exit 0 only when
every line was taken.</source>
        <translation>lit FILE (CSV, JSON, CSV d&apos;OI Shopping List ou simple
liste) dans le catalogue en une action qu&apos;Annuler
défait ; affiche ce qui a été fait. Code de sortie 0
seulement si chaque ligne a été prise.</translation>
    </message>
    <message>
        <source>with --import: prints what it would do, writes nothing.</source>
        <translation>avec --import : affiche ce qui serait fait, n&apos;écrit
rien.</translation>
    </message>
    <message>
        <source>with --import: imports the other lines when some
are refused (otherwise nothing is written).</source>
        <translation>avec --import : importe les autres lignes quand
certaines sont refusées (sinon rien n&apos;est écrit).</translation>
    </message>
    <message>
        <source>with --import: adds the file&apos;s quantities to those
of existing items instead of setting them.</source>
        <translation>avec --import : ajoute les quantités du fichier à
celles des articles existants au lieu de les fixer.</translation>
    </message>
    <message>
        <source>serves the phone list without a window or display
until SIGTERM or SIGINT.</source>
        <translation>sert la liste pour téléphone sans fenêtre ni écran
jusqu&apos;à SIGTERM ou SIGINT.</translation>
    </message>
    <message>
        <source>the port of --serve; otherwise PhonePort in the
settings, otherwise 8642.</source>
        <translation>le port de --serve ; sinon PhonePort dans les
réglages, sinon 8642.</translation>
    </message>
    <message>
        <source>with --tls-key: --serve speaks HTTPS (otherwise
TlsCert and TlsKey in the settings).</source>
        <translation>avec --tls-key : --serve parle HTTPS (sinon TlsCert
et TlsKey dans les réglages).</translation>
    </message>
    <message>
        <source>the key of --tls-cert.</source>
        <translation>la clé de --tls-cert.</translation>
    </message>
    <message>
        <source>the address phones reach the list by (a proxy&apos;s),
for the links --serve prints.</source>
        <translation>l&apos;adresse par laquelle les téléphones atteignent la
liste (celle d&apos;un proxy), pour les liens de --serve.</translation>
    </message>
    <message>
        <source>makes a link for one phone and prints it with its
QR code.</source>
        <translation>crée un lien pour un téléphone et l&apos;affiche avec son
code QR.</translation>
    </message>
    <message>
        <source>the phones that have a link, with when each was
last seen.</source>
        <translation>les téléphones qui ont un lien, et quand chacun a été
vu pour la dernière fois.</translation>
    </message>
    <message>
        <source>that phone&apos;s link stops working at once.</source>
        <translation>le lien de ce téléphone cesse aussitôt de fonctionner.</translation>
    </message>
    <message>
        <source>prints the version.</source>
        <translation>affiche la version.</translation>
    </message>
    <message>
        <source>prints this text.</source>
        <translation>affiche ce texte.</translation>
    </message>
    <message>
        <source>Grocelle version %1</source>
        <translation>Grocelle version %1</translation>
    </message>
    <message>
        <source>Usage: grocelle [--catalog FILE|URL] [--version] [--help]
       grocelle --copy-catalog FROM TO [--replace]
       grocelle --export FILE | --import FILE [--dry-run] [--catalog FILE|URL]</source>
        <translation>Utilisation : grocelle [--catalog FILE|URL] [--version] [--help]
              grocelle --copy-catalog FROM TO [--replace]
              grocelle --export FILE | --import FILE [--dry-run]
                       [--catalog FILE|URL]</translation>
    </message>
    <message>
        <source>Grocelle keeps the catalog of the things you buy and the shopping list drawn
from it. Everything else is set in the program itself.</source>
        <translation>Grocelle tient le catalogue des choses que vous achetez et la liste de courses
qui en est tirée. Tout le reste se règle dans le programme lui-même.</translation>
    </message>
    <message>
        <source>Files:
  catalog   $GROCELLE_HOME/shoplistdata.cdb, otherwise
            $XDG_DATA_HOME/grocelle/shoplistdata.cdb (~/.local/share/grocelle)
  settings  $GROCELLE_HOME/Grocelle.conf, otherwise
            $XDG_CONFIG_HOME/Velmora/Grocelle.conf (~/.config/Velmora)</source>
        <translation>Fichiers :
  catalogue $GROCELLE_HOME/shoplistdata.cdb, sinon
            $XDG_DATA_HOME/grocelle/shoplistdata.cdb (~/.local/share/grocelle)
  réglages  $GROCELLE_HOME/Grocelle.conf, sinon
            $XDG_CONFIG_HOME/Velmora/Grocelle.conf (~/.config/Velmora)</translation>
    </message>
    <message>
        <source>an address --serve listens on, such as 127.0.0.1
behind a proxy; give it again for more. Otherwise
every address.</source>
        <translation>une adresse où --serve écoute, comme 127.0.0.1
derrière un proxy ; à répéter pour en donner plusieurs.
Sinon, toutes les adresses.</translation>
    </message>
    <message>
        <source>with --import of a CSV with columns of its own:
which column is which, as
&quot;ItemName=Item,QtyToBuy=Quantity&quot;.</source>
        <translation>avec --import d’un CSV à colonnes propres&#xa0;:
quelle colonne est laquelle, par exemple
&quot;ItemName=Item,QtyToBuy=Quantity&quot;.</translation>
    </message>
</context>
<context>
    <name>CommandRouter</name>
    <message>
        <source>Add one</source>
        <translation>Un de plus</translation>
    </message>
    <message>
        <source>Subtract one</source>
        <translation>Un de moins</translation>
    </message>
    <message>
        <source>New item</source>
        <translation>Nouvel article</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Supprimer l&apos;article</translation>
    </message>
    <message>
        <source>Edit item</source>
        <translation>Modifier l&apos;article</translation>
    </message>
    <message>
        <source>Show only what is needed</source>
        <translation>N&apos;afficher que le nécessaire</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Histor&amp;y...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>&amp;New Item</source>
        <translation>&amp;Nouvel article</translation>
    </message>
    <message>
        <source>&amp;Edit Item</source>
        <translation>&amp;Modifier l&apos;article</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <translation>&amp;Supprimer l&apos;article</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Clear &amp;Marked Items</source>
        <translation>Retirer les articles &amp;cochés</translation>
    </message>
    <message>
        <source>Clear Co&amp;upons</source>
        <translation>Effacer les &amp;bons</translation>
    </message>
    <message>
        <source>&amp;Arrange Departments</source>
        <translation>Ordonner les ra&amp;yons</translation>
    </message>
    <message>
        <source>Rena&amp;me...</source>
        <translation>Reno&amp;mmer...</translation>
    </message>
    <message>
        <source>&amp;Copy List</source>
        <translation>Co&amp;pier la liste</translation>
    </message>
    <message>
        <source>Copy List as Chec&amp;klist</source>
        <translation>Copier en liste à coc&amp;her</translation>
    </message>
    <message>
        <source>Pas&amp;te List...</source>
        <translation>Co&amp;ller une liste...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>&amp;Phone List...</source>
        <translation>Liste pour &amp;téléphone...</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Actualis&amp;er</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>A&amp;bout Grocelle</source>
        <translation>À pr&amp;opos de Grocelle</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Tools (Alt+T, F10)</source>
        <translation>Outils (Alt+T, F10)</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>La commande a échoué : %1</translation>
    </message>
    <message>
        <source>Cheapest &amp;Stores...</source>
        <translation>Magasins les moins &amp;chers...</translation>
    </message>
</context>
<context>
    <name>CsvTransfer</name>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>La ligne n&apos;est pas un texte UTF-8 valide.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; matches no format Grocelle reads: its own columns (%2), or OI Shopping List&apos;s (Subject, % Complete, Categories, Tags).</source>
        <translation>L&apos;en-tête « %1 » ne correspond à aucun format que Grocelle lit : ses propres colonnes (%2) ou celles d&apos;OI Shopping List (Subject, % Complete, Categories, Tags).</translation>
    </message>
    <message>
        <source>It has %1 values where the header has %2.</source>
        <translation>Elle a %1 valeurs alors que l&apos;en-tête en a %2.</translation>
    </message>
    <message>
        <source>A quoted value that starts on this line is never closed.</source>
        <translation>Une valeur entre guillemets qui commence sur cette ligne n&apos;est jamais fermée.</translation>
    </message>
    <message>
        <source>The file holds no lines.</source>
        <translation>Le fichier ne contient aucune ligne.</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>Another program is changing this item; try again.</source>
        <translation>Un autre programme modifie cet article ; réessayez.</translation>
    </message>
    <message>
        <source>The item no longer exists in the catalog.</source>
        <translation>L&apos;article n&apos;existe plus dans le catalogue.</translation>
    </message>
    <message>
        <source>the item no longer exists in the catalog</source>
        <translation>l&apos;article n&apos;existe plus dans le catalogue</translation>
    </message>
    <message>
        <source>the %1 did not answer within %2 seconds</source>
        <translation>le %1 n&apos;a pas répondu en %2 secondes</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>le serveur n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the %1 did not finish the statement within %2 seconds</source>
        <translation>le %1 n&apos;a pas terminé l&apos;instruction en %2 secondes</translation>
    </message>
    <message>
        <source>the connection to the %1 was lost (%2)</source>
        <translation>la connexion au %1 a été perdue (%2)</translation>
    </message>
    <message>
        <source>The %1 cannot be reached: it did not answer within %2 seconds.</source>
        <translation>Le %1 est injoignable : il n&apos;a pas répondu en %2 secondes.</translation>
    </message>
    <message>
        <source>The %1 cannot be reached (%2).</source>
        <translation>Le %1 est injoignable (%2).</translation>
    </message>
    <message>
        <source>The %1 cannot be reached.</source>
        <translation>Injoignable : %1.</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>There is no phone named &quot;%1&quot;.</source>
        <translation>Aucun téléphone ne s&apos;appelle « %1 ».</translation>
    </message>
    <message>
        <source>Removed %1: its link no longer works.</source>
        <translation>%1 retiré : son lien ne fonctionne plus.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 attend une valeur.</translation>
    </message>
    <message>
        <source>--port needs a number from 0 to 65535, not &quot;%1&quot;.</source>
        <translation>--port attend un nombre de 0 à 65535, pas « %1 ».</translation>
    </message>
    <message>
        <source>--public-url needs an http:// or https:// address, not &quot;%1&quot;.</source>
        <translation>--public-url attend une adresse http:// ou https://, pas « %1 ».</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot;. grocelle --help lists the options.</source>
        <translation>Option inconnue « %1 ». grocelle --help liste les options.</translation>
    </message>
    <message>
        <source>Give one of --add-device, --list-devices and --remove-device at a time.</source>
        <translation>Indiquez un seul de --add-device, --list-devices et --remove-device à la fois.</translation>
    </message>
    <message>
        <source>The link of %1 (shown this once; only its hash is kept):</source>
        <translation>Le lien de %1 (affiché cette seule fois ; seule son empreinte est gardée) :</translation>
    </message>
    <message>
        <source>No phones yet: add one with --add-device NAME.</source>
        <translation>Aucun téléphone pour l&apos;instant : --add-device NAME en ajoute un.</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>%1	last seen %2</source>
        <translation>%1	vu pour la dernière fois : %2</translation>
    </message>
    <message>
        <source>The phone list is at %1</source>
        <translation>La liste pour téléphone est à %1</translation>
    </message>
    <message>
        <source>Phones: %1 (--list-devices shows them, --add-device NAME adds one)</source>
        <translation>Téléphones : %1 (--list-devices les montre, --add-device NAME en ajoute un)</translation>
    </message>
    <message>
        <source>--listen needs an IPv4 or IPv6 address such as 127.0.0.1, not &quot;%1&quot;.</source>
        <translation>--listen attend une adresse IPv4 ou IPv6 comme 127.0.0.1, pas « %1 ».</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>This help has not been written in %1 yet, so it is shown in English.</source>
        <translation>Cette aide n&apos;existe pas encore en %1 ; elle est donc affichée en anglais.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>The item has no name.</source>
        <translation>L&apos;article n&apos;a pas de nom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is on line %2 already.</source>
        <translation>« %1 » figure déjà à la ligne %2.</translation>
    </message>
    <message>
        <source>The quantity would be %1, above %2.</source>
        <translation>La quantité serait %1, au-delà de %2.</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 modifiés</translation>
    </message>
    <message>
        <source>%1 new, %2, %3 unchanged, %4 refused.</source>
        <translation>%1 nouveaux, %2, %3 inchangés, %4 refusés.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>%1 is sold by the %2: tick to buy %3 %2.</source>
        <translation>%1 se vend par %2 : cochez pour acheter %3 %2.</translation>
    </message>
    <message>
        <source>%1 is sold by the %2, the line says %3 %4: tick to buy it by the %4.</source>
        <translation>%1 se vend par %2, la ligne dit %3 %4 : cochez pour l’acheter par %4.</translation>
    </message>
    <message>
        <source>%1 %2 is %3 %4, above %5.</source>
        <translation>%1 %2 font %3 %4, plus de %5.</translation>
    </message>
    <message>
        <source>%1 %2 is %3 %4.</source>
        <translation>%1 %2 font %3 %4.</translation>
    </message>
    <message>
        <source>%1 %2 is %3 %4, bought as %5.</source>
        <translation>%1 %2 font %3 %4, achetés comme %5.</translation>
    </message>
    <message>
        <source>%1 (new): %2</source>
        <translation>%1 (nouveau) : %2</translation>
    </message>
    <message>
        <source>Not imported unless ticked: %1</source>
        <translation>Importé seulement si coché : %1</translation>
    </message>
    <message>
        <source>%1 not ticked.</source>
        <translation>%1 non coché(s).</translation>
    </message>
</context>
<context>
    <name>ItemSaveFlow</name>
    <message>
        <source>&apos;%1&apos; is a new department.  Use &apos;Arrange Departments&apos; on the Tools Menu to set the proper order in the store.  For now, I&apos;m putting this department at the top of the list.</source>
        <translation>« %1 » est un nouveau rayon. Utilisez « Ordonner les rayons » dans le menu Outils pour le placer dans l&apos;ordre du magasin. Pour l&apos;instant, il est placé en haut de la liste.</translation>
    </message>
    <message>
        <source>No new item can be added: the catalog already uses the highest item number there is (%1).</source>
        <translation>Impossible d&apos;ajouter un article : le catalogue utilise déjà le plus grand numéro d&apos;article possible (%1).</translation>
    </message>
    <message>
        <source>This item is no longer in the catalog (another program may have deleted it), so your changes were not saved.  Save it as a new item?</source>
        <translation>Cet article n&apos;est plus dans le catalogue (un autre programme l&apos;a peut-être supprimé) : vos modifications n&apos;ont pas été enregistrées. L&apos;enregistrer comme nouvel article ?</translation>
    </message>
    <message>
        <source>“%1” is already in the catalog, and saving would change it:

%2

Update that item?  (No goes back to the editor.)</source>
        <translation>« %1 » est déjà dans le catalogue, et l&apos;enregistrer le modifierait :

%2

Mettre à jour cet article ? (Non revient à l&apos;éditeur.)</translation>
    </message>
    <message>
        <source>The item could not be saved.</source>
        <translation>L&apos;article n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The item could not be saved: a text cannot hold a NUL character.</source>
        <translation>L&apos;article n&apos;a pas pu être enregistré : un texte ne peut pas contenir de caractère NUL.</translation>
    </message>
    <message>
        <source>Dept</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Magasin</translation>
    </message>
    <message>
        <source>Sold by the</source>
        <translation>Vendu au/à la</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>Bon</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>“%1”</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>%1 cannot be undone: 1 item has changed since, and undoing it would overwrite those changes.  Nothing was changed.</source>
        <translation>%1 ne peut pas être annulé : 1 article a changé depuis, et l&apos;annulation écraserait ce changement. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 cannot be undone: %2 items have changed since, and undoing it would overwrite those changes.  Nothing was changed.</source>
        <translation>%1 ne peut pas être annulé : %2 articles ont changé depuis, et l&apos;annulation écraserait ces changements. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 cannot be redone: 1 item has changed since it was undone.  Nothing was changed.</source>
        <translation>%1 ne peut pas être rétabli : 1 article a changé depuis son annulation. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 cannot be redone: %2 items have changed since it was undone.  Nothing was changed.</source>
        <translation>%1 ne peut pas être rétabli : %2 articles ont changé depuis son annulation. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>No catalog is open.</source>
        <translation>Aucun catalogue n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>The catalog is read-only, so changes cannot be undone.</source>
        <translation>Le catalogue est en lecture seule : les modifications ne peuvent pas être annulées.</translation>
    </message>
    <message>
        <source>The undo history in this catalog was made by another program and cannot be used.</source>
        <translation>L&apos;historique d&apos;annulation de ce catalogue a été créé par un autre programme et ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>One entry of the undo history is damaged and was skipped.</source>
        <translation>Une entrée de l&apos;historique d&apos;annulation est endommagée et a été ignorée.</translation>
    </message>
    <message>
        <source>%1 entries of the undo history are damaged and were skipped.</source>
        <translation>%1 entrées de l&apos;historique d&apos;annulation sont endommagées et ont été ignorées.</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Il n&apos;y a rien à annuler.</translation>
    </message>
    <message>
        <source>%1 cannot be undone yet: %2 was done after it.  Undo %2 first.</source>
        <translation>%1 ne peut pas encore être annulé : %2 a été fait après. Annulez d&apos;abord %2.</translation>
    </message>
    <message>
        <source>That action has been undone already, or is no longer in the history.</source>
        <translation>Cette action a déjà été annulée, ou n&apos;est plus dans l&apos;historique.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Il n&apos;y a rien à rétablir.</translation>
    </message>
    <message>
        <source>The history has changed meanwhile: %1 is the next to redo.</source>
        <translation>L&apos;historique a changé entre-temps : %1 est le prochain à rétablir.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>Rien n&apos;a été annulé.</translation>
    </message>
    <message>
        <source>Nothing was redone.</source>
        <translation>Rien n&apos;a été rétabli.</translation>
    </message>
    <message>
        <source>The history entry of %1 is damaged; it has been skipped.</source>
        <translation>L&apos;entrée d&apos;historique de %1 est endommagée ; elle a été ignorée.</translation>
    </message>
</context>
<context>
    <name>JsonTransfer</name>
    <message>
        <source>%1 should be a number, a text or null.</source>
        <translation>%1 doit être un nombre, un texte ou null.</translation>
    </message>
    <message>
        <source>The JSON is not well-formed: %1.</source>
        <translation>Le JSON n&apos;est pas bien formé : %1.</translation>
    </message>
    <message>
        <source>The JSON holds no &quot;items&quot; list of a Grocelle catalog.</source>
        <translation>Le JSON ne contient pas de liste « items » d&apos;un catalogue Grocelle.</translation>
    </message>
    <message>
        <source>The file was written by a newer Grocelle (version %1).</source>
        <translation>Le fichier a été écrit par un Grocelle plus récent (version %1).</translation>
    </message>
    <message>
        <source>Item %1 is not an object.</source>
        <translation>L&apos;élément %1 n&apos;est pas un objet.</translation>
    </message>
    <message>
        <source>Barcodes should be a list of texts.</source>
        <translation>Barcodes devrait être une liste de textes.</translation>
    </message>
    <message>
        <source>Barcode %1: %2</source>
        <translation>Code-barres %1 : %2</translation>
    </message>
    <message>
        <source>not a text.</source>
        <translation>pas un texte.</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>The list could not be cleared, so every item is as it was.</source>
        <translation>La liste n&apos;a pas pu être vidée : aucun article n&apos;a changé.</translation>
    </message>
    <message>
        <source>The marked items could not be cleared, so every item is as it was.</source>
        <translation>Les articles cochés n&apos;ont pas pu être retirés : aucun article n&apos;a changé.</translation>
    </message>
    <message>
        <source>The coupons could not be cleared, so every item is as it was.</source>
        <translation>Les bons n&apos;ont pas pu être effacés : aucun article n&apos;a changé.</translation>
    </message>
    <message>
        <source>Create a new list?  This will reset all quantities in your existing list to zero.</source>
        <translation>Créer une nouvelle liste ? Toutes les quantités de la liste actuelle seront remises à zéro.</translation>
    </message>
    <message>
        <source>Remove all marked items from needed list?</source>
        <translation>Retirer tous les articles cochés de la liste des courses ?</translation>
    </message>
    <message>
        <source>Clear all coupons in memory?</source>
        <translation>Effacer tous les bons enregistrés ?</translation>
    </message>
    <message>
        <source>No item selected.</source>
        <translation>Aucun article sélectionné.</translation>
    </message>
    <message>
        <source>WARNING:  This will permanently delete this memorized item.  (To remove an item from your list, simply highlight it and press &apos;-&apos;.)
  Are you sure?</source>
        <translation>ATTENTION : cet article mémorisé sera supprimé définitivement. (Pour seulement retirer un article de la liste, sélectionnez-le et appuyez sur « - ».)
  Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>The item could not be deleted.</source>
        <translation>L&apos;article n&apos;a pas pu être supprimé.</translation>
    </message>
</context>
<context>
    <name>ListCopier</name>
    <message>
        <source>Copied 1 item to the clipboard.</source>
        <translation>1 article copié dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Copied %1 items to the clipboard.</source>
        <translation>%1 articles copiés dans le presse-papiers.</translation>
    </message>
    <message>
        <source>Cannot open the Clipboard</source>
        <translation>Impossible d&apos;ouvrir le presse-papiers</translation>
    </message>
    <message>
        <source>Cannot empty the Clipboard</source>
        <translation>Impossible de vider le presse-papiers</translation>
    </message>
    <message>
        <source>Unable to set Clipboard data</source>
        <translation>Impossible de placer les données dans le presse-papiers</translation>
    </message>
</context>
<context>
    <name>ListRows</name>
    <message>
        <source>Unable to open shopping list</source>
        <translation>Impossible d&apos;ouvrir la liste de courses</translation>
    </message>
</context>
<context>
    <name>MainButtons</name>
    <message>
        <source>Jump to %1</source>
        <translation>Aller à %1</translation>
    </message>
    <message>
        <source>One more</source>
        <translation>Un de plus</translation>
    </message>
    <message>
        <source>One less</source>
        <translation>Un de moins</translation>
    </message>
    <message>
        <source>Put on the list</source>
        <translation>Mettre sur la liste</translation>
    </message>
    <message>
        <source>Clear the boxes</source>
        <translation>Vider les champs</translation>
    </message>
</context>
<context>
    <name>PgCommand</name>
    <message>
        <source>The catalog is not open.</source>
        <translation>Le catalogue n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The statement has no parameter %1.</source>
        <translation>L&apos;instruction n&apos;a pas de paramètre %1.</translation>
    </message>
</context>
<context>
    <name>PgConnection</name>
    <message>
        <source>the statement takes %1 values, %2 were given</source>
        <translation>l&apos;instruction prend %1 valeurs, %2 ont été donnés</translation>
    </message>
</context>
<context>
    <name>PgResultRows</name>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Ces lignes ne peuvent pas être écrites.</translation>
    </message>
</context>
<context>
    <name>PgSession</name>
    <message>
        <source>The database on the %1 does not exist (%2).</source>
        <translation>La base de données sur le %1 n&apos;existe pas (%2).</translation>
    </message>
    <message>
        <source>The %1 did not accept the user name or password (%2).</source>
        <translation>Le %1 n&apos;a pas accepté le nom d&apos;utilisateur ou le mot de passe (%2).</translation>
    </message>
    <message>
        <source>The user has no permission to connect to the %1 (%2).</source>
        <translation>L&apos;utilisateur n&apos;a pas le droit de se connecter au %1 (%2).</translation>
    </message>
    <message>
        <source>PostgreSQL server %1</source>
        <translation>serveur PostgreSQL %1</translation>
    </message>
    <message>
        <source>The catalog address %1 cannot be read as a PostgreSQL address.</source>
        <translation>L&apos;adresse de catalogue %1 ne peut pas être lue comme une adresse PostgreSQL.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>The %1 refused the session&apos;s settings.</source>
        <translation>Le %1 a refusé les réglages de la session.</translation>
    </message>
    <message>
        <source>the connection to the %1 is still waiting for the answer to another statement</source>
        <translation>la connexion au %1 attend encore la réponse à une autre instruction</translation>
    </message>
    <message>
        <source>another program changed the same items at the same moment, so nothing of this change was kept (%1).  Please try again</source>
        <translation>un autre programme a modifié les mêmes articles au même moment : rien de cette modification n&apos;a été conservé (%1). Veuillez réessayer</translation>
    </message>
    <message>
        <source>the change was undone after a failure</source>
        <translation>la modification a été annulée après une erreur</translation>
    </message>
</context>
<context>
    <name>PhoneDevices</name>
    <message>
        <source>A device name has 1 to %1 characters.</source>
        <translation>Un nom d&apos;appareil a de 1 à %1 caractères.</translation>
    </message>
    <message>
        <source>There is a device named &quot;%1&quot; already.</source>
        <translation>Il existe déjà un appareil nommé « %1 ».</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
</context>
<context>
    <name>PhoneServer</name>
    <message>
        <source>Port %1 is in use by another program. Choose another port.</source>
        <translation>Le port %1 est utilisé par un autre programme. Choisissez un autre port.</translation>
    </message>
    <message>
        <source>Port %1 cannot be used: %2</source>
        <translation>Le port %1 ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>%1 is not an address of this computer.</source>
        <translation>%1 n&apos;est pas une adresse de cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>PlainListReader</name>
    <message>
        <source>The line holds a NUL character.</source>
        <translation>La ligne contient un caractère NUL.</translation>
    </message>
    <message>
        <source>The quantity %1 is out of range (0 to %2).</source>
        <translation>La quantité %1 est hors limites (0 à %2).</translation>
    </message>
    <message>
        <source>It is longer than a name can be (%1 characters).</source>
        <translation>La ligne est plus longue qu’un nom ne peut l’être (%1 caractères).</translation>
    </message>
    <message>
        <source>It reads as a sentence, not an item.</source>
        <translation>La ligne est une phrase, pas un article.</translation>
    </message>
</context>
<context>
    <name>PriceCorrection</name>
    <message>
        <source>Please enter a number from 0 to 9999999 as the price.</source>
        <translation>Veuillez saisir comme prix un nombre de 0 à 9999999.</translation>
    </message>
</context>
<context>
    <name>PricePoints</name>
    <message>
        <source>This catalog keeps no prices per store: it was made by a user who may not add tables to it.</source>
        <translation>Ce catalogue ne garde pas de prix par magasin : il a été créé par un utilisateur qui ne peut pas y ajouter de tables.</translation>
    </message>
    <message>
        <source>A price cannot be below zero.</source>
        <translation>Un prix ne peut pas être inférieur à zéro.</translation>
    </message>
    <message>
        <source>A price needs the store it was seen at.</source>
        <translation>Un prix a besoin du magasin où il a été vu.</translation>
    </message>
</context>
<context>
    <name>PriceTransfer</name>
    <message>
        <source>Prices should be a list.</source>
        <translation>Prices devrait être une liste.</translation>
    </message>
    <message>
        <source>Price %1 needs a store, a price of 0 or more and the time it was seen.</source>
        <translation>Le prix %1 a besoin d’un magasin, d’un prix de 0 ou plus et du moment où il a été vu.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après « %1 ».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après « %1 ».</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
</context>
<context>
    <name>SqliteCommand</name>
    <message>
        <source>The catalog is not open.</source>
        <translation>Le catalogue n&apos;est pas ouvert.</translation>
    </message>
</context>
<context>
    <name>SqliteConnection</name>
    <message>
        <source>the SQLite library cannot start</source>
        <translation>la bibliothèque SQLite ne peut pas démarrer</translation>
    </message>
    <message>
        <source>only one statement can be run at a time</source>
        <translation>une seule instruction peut être exécutée à la fois</translation>
    </message>
    <message>
        <source>the statement takes %1 values, %2 were given</source>
        <translation>l&apos;instruction prend %1 valeurs, %2 ont été donnés</translation>
    </message>
</context>
<context>
    <name>SqliteStatementRows</name>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Ces lignes ne peuvent pas être écrites.</translation>
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
        <translation>paq.</translation>
    </message>
    <message>
        <source>bag</source>
        <translation>paq.</translation>
    </message>
    <message>
        <source>head</source>
        <translation>pièce</translation>
    </message>
    <message>
        <source>bunch</source>
        <translation>botte</translation>
    </message>
    <message>
        <source>loaf</source>
        <translation>pièce</translation>
    </message>
    <message>
        <source>each</source>
        <translation>pièce</translation>
    </message>
    <message>
        <source>gal</source>
        <translation>l</translation>
    </message>
    <message>
        <source>dozen</source>
        <translation>boîte</translation>
    </message>
    <message>
        <source>carton</source>
        <translation>l</translation>
    </message>
    <message>
        <source>can</source>
        <translation>boîte</translation>
    </message>
    <message>
        <source>bottle</source>
        <translation>bout.</translation>
    </message>
    <message>
        <source>box</source>
        <translation>boîte</translation>
    </message>
    <message>
        <source>jar</source>
        <translation>pot</translation>
    </message>
    <message>
        <source>roll</source>
        <translation>lot</translation>
    </message>
    <message>
        <source>Produce</source>
        <extracomment>The departments and items are a household&apos;s everyday groceries: name each as shoppers of the country do, or a close local one.</extracomment>
        <translation>Fruits, légumes</translation>
    </message>
    <message>
        <source>Apples</source>
        <translation>Pommes</translation>
    </message>
    <message>
        <source>Bananas</source>
        <translation>Bananes</translation>
    </message>
    <message>
        <source>Oranges</source>
        <translation>Oranges</translation>
    </message>
    <message>
        <source>Lemons</source>
        <translation>Citrons</translation>
    </message>
    <message>
        <source>Limes</source>
        <translation>Citrons verts</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Raisin</translation>
    </message>
    <message>
        <source>Strawberries</source>
        <translation>Fraises</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Myrtilles</translation>
    </message>
    <message>
        <source>Avocados</source>
        <translation>Avocats</translation>
    </message>
    <message>
        <source>Tomatoes</source>
        <translation>Tomates</translation>
    </message>
    <message>
        <source>Potatoes</source>
        <translation>Pommes de terre</translation>
    </message>
    <message>
        <source>Onions</source>
        <translation>Oignons</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Ail</translation>
    </message>
    <message>
        <source>Carrots</source>
        <translation>Carottes</translation>
    </message>
    <message>
        <source>Celery</source>
        <translation>Céleri</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Salade</translation>
    </message>
    <message>
        <source>Spinach</source>
        <translation>Épinards</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brocolis</translation>
    </message>
    <message>
        <source>Cucumbers</source>
        <translation>Concombres</translation>
    </message>
    <message>
        <source>Bell peppers</source>
        <translation>Poivrons</translation>
    </message>
    <message>
        <source>Mushrooms</source>
        <translation>Champignons</translation>
    </message>
    <message>
        <source>Zucchini</source>
        <translation>Courgettes</translation>
    </message>
    <message>
        <source>Fresh herbs</source>
        <translation>Herbes fraîches</translation>
    </message>
    <message>
        <source>Bakery</source>
        <translation>Boulangerie</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pain</translation>
    </message>
    <message>
        <source>Bagels</source>
        <translation>Bagels</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Petits pains</translation>
    </message>
    <message>
        <source>Tortillas</source>
        <translation>Tortillas</translation>
    </message>
    <message>
        <source>Pita bread</source>
        <translation>Pain pita</translation>
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
        <translation>Gâteau</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Biscuits</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Tarte</translation>
    </message>
    <message>
        <source>Deli</source>
        <translation>Traiteur</translation>
    </message>
    <message>
        <source>Sliced ham</source>
        <translation>Jambon blanc</translation>
    </message>
    <message>
        <source>Sliced turkey</source>
        <translation>Blanc de dinde</translation>
    </message>
    <message>
        <source>Salami</source>
        <translation>Saucisson</translation>
    </message>
    <message>
        <source>Cheddar cheese</source>
        <translation>Comté</translation>
    </message>
    <message>
        <source>Swiss cheese</source>
        <translation>Emmental</translation>
    </message>
    <message>
        <source>Hummus</source>
        <translation>Houmous</translation>
    </message>
    <message>
        <source>Olives</source>
        <translation>Olives</translation>
    </message>
    <message>
        <source>Potato salad</source>
        <translation>Salade piémontaise</translation>
    </message>
    <message>
        <source>Rotisserie chicken</source>
        <translation>Poulet rôti</translation>
    </message>
    <message>
        <source>Coleslaw</source>
        <translation>Coleslaw</translation>
    </message>
    <message>
        <source>Meat and Fish</source>
        <translation>Viande, poisson</translation>
    </message>
    <message>
        <source>Chicken breasts</source>
        <translation>Blancs de poulet</translation>
    </message>
    <message>
        <source>Ground beef</source>
        <translation>Viande hachée</translation>
    </message>
    <message>
        <source>Steak</source>
        <translation>Steak</translation>
    </message>
    <message>
        <source>Pork chops</source>
        <translation>Côtes de porc</translation>
    </message>
    <message>
        <source>Bacon</source>
        <translation>Lardons</translation>
    </message>
    <message>
        <source>Sausages</source>
        <translation>Saucisses</translation>
    </message>
    <message>
        <source>Salmon</source>
        <translation>Saumon</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Crevettes</translation>
    </message>
    <message>
        <source>Tuna steaks</source>
        <translation>Steaks de thon</translation>
    </message>
    <message>
        <source>Chicken thighs</source>
        <translation>Cuisses de poulet</translation>
    </message>
    <message>
        <source>Dairy</source>
        <translation>Crèmerie</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Lait</translation>
    </message>
    <message>
        <source>Butter</source>
        <translation>Beurre</translation>
    </message>
    <message>
        <source>Eggs</source>
        <translation>Œufs</translation>
    </message>
    <message>
        <source>Yogurt</source>
        <translation>Yaourts</translation>
    </message>
    <message>
        <source>Cream cheese</source>
        <translation>Fromage à tartiner</translation>
    </message>
    <message>
        <source>Sour cream</source>
        <translation>Crème fraîche</translation>
    </message>
    <message>
        <source>Heavy cream</source>
        <translation>Crème liquide</translation>
    </message>
    <message>
        <source>Shredded cheese</source>
        <translation>Fromage râpé</translation>
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
        <translation>Fromage blanc</translation>
    </message>
    <message>
        <source>Orange juice</source>
        <translation>Jus d&apos;orange</translation>
    </message>
    <message>
        <source>Canned Goods</source>
        <translation>Conserves</translation>
    </message>
    <message>
        <source>Canned tomatoes</source>
        <translation>Tomates pelées</translation>
    </message>
    <message>
        <source>Tomato sauce</source>
        <translation>Coulis de tomate</translation>
    </message>
    <message>
        <source>Black beans</source>
        <translation>Haricots rouges</translation>
    </message>
    <message>
        <source>Chickpeas</source>
        <translation>Pois chiches</translation>
    </message>
    <message>
        <source>Tuna</source>
        <translation>Thon</translation>
    </message>
    <message>
        <source>Soup</source>
        <translation>Soupe</translation>
    </message>
    <message>
        <source>Corn</source>
        <translation>Maïs</translation>
    </message>
    <message>
        <source>Coconut milk</source>
        <translation>Lait de coco</translation>
    </message>
    <message>
        <source>Tomato paste</source>
        <translation>Concentré de tomate</translation>
    </message>
    <message>
        <source>Green beans</source>
        <translation>Haricots verts</translation>
    </message>
    <message>
        <source>Pasta &amp; Grains</source>
        <translation>Pâtes et riz</translation>
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
        <translation>Riz</translation>
    </message>
    <message>
        <source>Quinoa</source>
        <translation>Quinoa</translation>
    </message>
    <message>
        <source>Oats</source>
        <translation>Flocons d&apos;avoine</translation>
    </message>
    <message>
        <source>Couscous</source>
        <translation>Semoule</translation>
    </message>
    <message>
        <source>Noodles</source>
        <translation>Nouilles</translation>
    </message>
    <message>
        <source>Flour</source>
        <translation>Farine</translation>
    </message>
    <message>
        <source>Bread crumbs</source>
        <translation>Chapelure</translation>
    </message>
    <message>
        <source>Lentils</source>
        <translation>Lentilles</translation>
    </message>
    <message>
        <source>Baking &amp; Spices</source>
        <translation>Sucre et épices</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Sucre</translation>
    </message>
    <message>
        <source>Brown sugar</source>
        <translation>Cassonade</translation>
    </message>
    <message>
        <source>Baking soda</source>
        <translation>Bicarbonate</translation>
    </message>
    <message>
        <source>Baking powder</source>
        <translation>Levure chimique</translation>
    </message>
    <message>
        <source>Vanilla extract</source>
        <translation>Extrait de vanille</translation>
    </message>
    <message>
        <source>Salt</source>
        <translation>Sel</translation>
    </message>
    <message>
        <source>Black pepper</source>
        <translation>Poivre noir</translation>
    </message>
    <message>
        <source>Cinnamon</source>
        <translation>Cannelle</translation>
    </message>
    <message>
        <source>Paprika</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Chili powder</source>
        <translation>Piment en poudre</translation>
    </message>
    <message>
        <source>Olive oil</source>
        <translation>Huile d&apos;olive</translation>
    </message>
    <message>
        <source>Vegetable oil</source>
        <translation>Huile de tournesol</translation>
    </message>
    <message>
        <source>Vinegar</source>
        <translation>Vinaigre</translation>
    </message>
    <message>
        <source>Cereal &amp; Snacks</source>
        <translation>Céréales, apéro</translation>
    </message>
    <message>
        <source>Cereal</source>
        <translation>Céréales</translation>
    </message>
    <message>
        <source>Granola</source>
        <translation>Muesli</translation>
    </message>
    <message>
        <source>Peanut butter</source>
        <translation>Beurre de cacahuète</translation>
    </message>
    <message>
        <source>Jam</source>
        <translation>Confiture</translation>
    </message>
    <message>
        <source>Honey</source>
        <translation>Miel</translation>
    </message>
    <message>
        <source>Maple syrup</source>
        <translation>Sirop d&apos;érable</translation>
    </message>
    <message>
        <source>Crackers</source>
        <translation>Crackers</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Chips</translation>
    </message>
    <message>
        <source>Pretzels</source>
        <translation>Bretzels</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Pop-corn</translation>
    </message>
    <message>
        <source>Nuts</source>
        <translation>Fruits secs</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolat</translation>
    </message>
    <message>
        <source>Condiments</source>
        <translation>Condiments</translation>
    </message>
    <message>
        <source>Ketchup</source>
        <translation>Ketchup</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Moutarde</translation>
    </message>
    <message>
        <source>Mayonnaise</source>
        <translation>Mayonnaise</translation>
    </message>
    <message>
        <source>Soy sauce</source>
        <translation>Sauce soja</translation>
    </message>
    <message>
        <source>Hot sauce</source>
        <translation>Sauce piquante</translation>
    </message>
    <message>
        <source>Salad dressing</source>
        <translation>Vinaigrette</translation>
    </message>
    <message>
        <source>Salsa</source>
        <translation>Sauce salsa</translation>
    </message>
    <message>
        <source>Pickles</source>
        <translation>Cornichons</translation>
    </message>
    <message>
        <source>Barbecue sauce</source>
        <translation>Sauce barbecue</translation>
    </message>
    <message>
        <source>Pesto</source>
        <translation>Pesto</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Boissons</translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation>Café</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Thé</translation>
    </message>
    <message>
        <source>Sparkling water</source>
        <translation>Eau gazeuse</translation>
    </message>
    <message>
        <source>Soda</source>
        <translation>Soda</translation>
    </message>
    <message>
        <source>Juice</source>
        <translation>Jus de fruits</translation>
    </message>
    <message>
        <source>Beer</source>
        <translation>Bière</translation>
    </message>
    <message>
        <source>Wine</source>
        <translation>Vin</translation>
    </message>
    <message>
        <source>Bottled water</source>
        <translation>Eau plate</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hygiène, maison</translation>
    </message>
    <message>
        <source>Paper towels</source>
        <translation>Essuie-tout</translation>
    </message>
    <message>
        <source>Toilet paper</source>
        <translation>Papier toilette</translation>
    </message>
    <message>
        <source>Dish soap</source>
        <translation>Liquide vaisselle</translation>
    </message>
    <message>
        <source>Laundry detergent</source>
        <translation>Lessive</translation>
    </message>
    <message>
        <source>Trash bags</source>
        <translation>Sacs poubelle</translation>
    </message>
    <message>
        <source>Aluminum foil</source>
        <translation>Papier aluminium</translation>
    </message>
    <message>
        <source>Plastic wrap</source>
        <translation>Film alimentaire</translation>
    </message>
    <message>
        <source>Sponges</source>
        <translation>Éponges</translation>
    </message>
    <message>
        <source>Hand soap</source>
        <translation>Savon</translation>
    </message>
    <message>
        <source>Shampoo</source>
        <translation>Shampooing</translation>
    </message>
    <message>
        <source>Toothpaste</source>
        <translation>Dentifrice</translation>
    </message>
    <message>
        <source>Batteries</source>
        <translation>Piles</translation>
    </message>
    <message>
        <source>Frozen</source>
        <translation>Surgelés</translation>
    </message>
    <message>
        <source>Frozen peas</source>
        <translation>Petits pois surgelés</translation>
    </message>
    <message>
        <source>Frozen berries</source>
        <translation>Fruits rouges surgelés</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Glace</translation>
    </message>
    <message>
        <source>Frozen pizza</source>
        <translation>Pizza surgelée</translation>
    </message>
    <message>
        <source>Frozen vegetables</source>
        <translation>Légumes surgelés</translation>
    </message>
    <message>
        <source>Fish sticks</source>
        <translation>Poisson pané</translation>
    </message>
    <message>
        <source>Frozen fries</source>
        <translation>Frites surgelées</translation>
    </message>
    <message>
        <source>Ice</source>
        <translation>Glaçons</translation>
    </message>
    <message>
        <source>Grocery</source>
        <extracomment>The store the common groceries are in.</extracomment>
        <translation>Supermarché</translation>
    </message>
</context>
<context>
    <name>StoreWalks</name>
    <message>
        <source>A walk belongs to one store.</source>
        <translation>Un parcours appartient à un seul magasin.</translation>
    </message>
</context>
<context>
    <name>SummaryPainter</name>
    <message>
        <source>1 item</source>
        <translation>1 article</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 articles</translation>
    </message>
    <message>
        <source> needed (%1)  </source>
        <translation> à acheter (%1)  </translation>
    </message>
    <message>
        <source> in %1 (%2)  </source>
        <translation> à %1 (%2)  </translation>
    </message>
    <message>
        <source>Filter: Qty &gt; 0  </source>
        <translation>Filtre : qté &gt; 0  </translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>In basket</source>
        <translation>Au panier</translation>
    </message>
</context>
<context>
    <name>TransferColumns</name>
    <message>
        <source>The quantity</source>
        <translation>La quantité</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number.</source>
        <translation>%1 « %2 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>%1 should be text.</source>
        <translation>%1 doit être du texte.</translation>
    </message>
    <message>
        <source>%1 holds a NUL character.</source>
        <translation>%1 contient un caractère NUL.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>The price %1 is out of range.</source>
        <translation>Le prix %1 est hors limites.</translation>
    </message>
    <message>
        <source>%1 %2 is not a whole number in range.</source>
        <translation>%1 %2 n&apos;est pas un nombre entier dans les limites.</translation>
    </message>
    <message>
        <source>%1 %2 is out of range (%3 to %4).</source>
        <translation>%1 %2 est hors limites (%3 à %4).</translation>
    </message>
</context>
<context>
    <name>TransferCommand</name>
    <message>
        <source>Nothing was written (--dry-run).</source>
        <translation>Rien n&apos;a été écrit (--dry-run).</translation>
    </message>
    <message>
        <source>Nothing to write: the catalog holds every item as the file has it.</source>
        <translation>Rien à écrire : le catalogue contient chaque article tel que dans le fichier.</translation>
    </message>
    <message>
        <source>Nothing was written: give --skip-refused to import the other lines.</source>
        <translation>Rien n&apos;a été écrit : ajoutez --skip-refused pour importer les autres lignes.</translation>
    </message>
    <message>
        <source>Nothing was written: %1</source>
        <translation>Rien n&apos;a été écrit : %1</translation>
    </message>
    <message>
        <source>Import 1 item from %1: done.</source>
        <translation>Import de 1 article depuis %1 : terminé.</translation>
    </message>
    <message>
        <source>Import %1 items from %2: done.</source>
        <translation>Import de %1 articles depuis %2 : terminé.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n items to %1.</source>
        <translation>
            <numerusform>%n article exporté vers %1.</numerusform>
            <numerusform>%n articles exportés vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>--columns is for a CSV file.</source>
        <translation>--columns ne vaut que pour un fichier CSV.</translation>
    </message>
    <message>
        <source>Say which column is which with --columns, such as:</source>
        <translation>Indiquez avec --columns quelle colonne est laquelle, par exemple&#xa0;:</translation>
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
        <translation>Listes (*.csv *.json *.txt *.md);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>The catalog was not exported.</source>
        <translation>Le catalogue n&apos;a pas été exporté.</translation>
    </message>
    <message>
        <source>1 item exported to %1.</source>
        <translation>1 article exporté vers %1.</translation>
    </message>
    <message>
        <source>%1 items exported to %2.</source>
        <translation>%1 articles exportés vers %2.</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>%1 ne peut pas être importé.
%2</translation>
    </message>
    <message>
        <source>The clipboard holds no list to paste: copy some lines, one item each, then choose Paste List again.</source>
        <translation>Le presse-papiers ne contient aucune liste à coller : copiez quelques lignes, un article par ligne, puis choisissez à nouveau « Coller une liste ».</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>le presse-papiers</translation>
    </message>
</context>
<context>
    <name>TransferFile</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>a plain list</source>
        <translation>une liste simple</translation>
    </message>
    <message>
        <source>an unknown format</source>
        <translation>un format inconnu</translation>
    </message>
    <message>
        <source>CSV with columns of its own</source>
        <translation>CSV à colonnes propres</translation>
    </message>
</context>
<context>
    <name>TransferReader</name>
    <message>
        <source>a picture (PNG)</source>
        <translation>une image (PNG)</translation>
    </message>
    <message>
        <source>a picture (JPEG)</source>
        <translation>une image (JPEG)</translation>
    </message>
    <message>
        <source>a picture (GIF)</source>
        <translation>une image (GIF)</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un document PDF</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>une archive ZIP</translation>
    </message>
    <message>
        <source>a picture (TIFF)</source>
        <translation>une image (TIFF)</translation>
    </message>
    <message>
        <source>a picture (WebP)</source>
        <translation>une image (WebP)</translation>
    </message>
    <message>
        <source>not text</source>
        <translation>autre chose que du texte</translation>
    </message>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>La ligne n&apos;est pas un texte UTF-8 valide.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The file is too large for a list (%1 MB).</source>
        <translation>Le fichier est trop grand pour une liste (%1 Mo).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is not valid UTF-16 text.</source>
        <translation>Le fichier n&apos;est pas un texte UTF-16 valide.</translation>
    </message>
    <message>
        <source>The file is %1, not a list.</source>
        <translation>Le fichier est %1, pas une liste.</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>Undo “%1”?</source>
        <translation>Annuler « %1 » ?</translation>
    </message>
    <message>
        <source>Undo “%1” and the %2 after it?</source>
        <translation>Annuler « %1 » et %2 ?</translation>
    </message>
    <message>
        <source>action</source>
        <translation>l&apos;action suivante</translation>
    </message>
    <message>
        <source>%1 actions</source>
        <translation>les %1 actions suivantes</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>menu entry: Undo or Redo, then what it undoes</comment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>ViewController</name>
    <message>
        <source>Need</source>
        <translation>À acheter</translation>
    </message>
</context>
<context>
    <name>ViewState</name>
    <message>
        <source>All Items</source>
        <translation>Tous les articles</translation>
    </message>
</context>
</TS>
