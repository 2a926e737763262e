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
        <source>Offline use on the phone needs a secure (https://) link: see “The phone list without reception” in the README.</source>
        <translation>L&apos;usage hors ligne sur le téléphone demande un lien sécurisé (https://) : voir « The phone list without reception » dans le README.</translation>
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
</context>
<context>
    <name>CQuickEntry</name>
    <message>
        <source>Please enter a quantity from 1 to %1 in the quantity box.</source>
        <translation>Veuillez saisir une quantité de 1 à %1 dans la case quantité.</translation>
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
        <source>%1 takes no value.</source>
        <translation>%1 ne prend pas de valeur.</translation>
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
    <name>TransferCommand</name>
    <message>
        <source>The catalog %1 could not be opened: %2</source>
        <translation>Le catalogue %1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>Exported %1 items to %2.</source>
        <translation>%1 articles exportés vers %2.</translation>
    </message>
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
