<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ActionLabel</name>
    <message>
        <source>Clear List</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Clear Marked Items</source>
        <translation>Quitar artículos marcados</translation>
    </message>
    <message>
        <source>Clear Coupons</source>
        <translation>Borrar cupones</translation>
    </message>
    <message>
        <source>Arrange Departments</source>
        <translation>Ordenar secciones</translation>
    </message>
    <message>
        <source>Arrange Departments for %1</source>
        <translation>Ordenar secciones de %1</translation>
    </message>
    <message>
        <source>Learned walk of %1</source>
        <translation>Recorrido aprendido de %1</translation>
    </message>
    <message>
        <source>Walk of %1</source>
        <translation>Recorrido de %1</translation>
    </message>
    <message>
        <source>New Item: %1</source>
        <translation>Nuevo artículo: %1</translation>
    </message>
    <message>
        <source>Edit Item: %1</source>
        <translation>Artículo editado: %1</translation>
    </message>
    <message>
        <source>Delete Item: %1</source>
        <translation>Artículo eliminado: %1</translation>
    </message>
    <message>
        <source>Add one: %1</source>
        <translation>Uno más: %1</translation>
    </message>
    <message>
        <source>Subtract one: %1</source>
        <translation>Uno menos: %1</translation>
    </message>
    <message>
        <source>Quantity %1: %2</source>
        <translation>Cantidad %1: %2</translation>
    </message>
    <message>
        <source>Mark: %1</source>
        <translation>Marcado: %1</translation>
    </message>
    <message>
        <source>Unmark: %1</source>
        <translation>Desmarcado: %1</translation>
    </message>
    <message>
        <source>Rename department %1 to %2</source>
        <translation>Renombrar la sección %1 a %2</translation>
    </message>
    <message>
        <source>Rename store %1 to %2</source>
        <translation>Renombrar la tienda %1 a %2</translation>
    </message>
    <message>
        <source>Import %1 item from the common groceries</source>
        <translation>Importar %1 artículo de la compra habitual</translation>
    </message>
    <message>
        <source>Import %1 items from the common groceries</source>
        <translation>Importar %1 artículos de la compra habitual</translation>
    </message>
    <message>
        <source>Import %1 item from %2</source>
        <translation>Importar %1 artículo de %2</translation>
    </message>
    <message>
        <source>Import %1 items from %2</source>
        <translation>Importar %1 artículos de %2</translation>
    </message>
</context>
<context>
    <name>AutoWalks</name>
    <message>
        <source>%1 now walks as learned from %2 trip; Ctrl+Z undoes it.</source>
        <translation>%1 sigue ahora el recorrido aprendido de %2 compra; Ctrl+Z lo deshace.</translation>
    </message>
    <message>
        <source>%1 now walks as learned from %2 trips; Ctrl+Z undoes it.</source>
        <translation>%1 sigue ahora el recorrido aprendido de %2 compras; Ctrl+Z lo deshace.</translation>
    </message>
    <message>
        <source>%1 now walk as learned from their trips; Ctrl+Z undoes each.</source>
        <translation>%1 siguen ahora los recorridos aprendidos de sus compras; Ctrl+Z deshace cada uno.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Grocelle</source>
        <translation>Acerca de Grocelle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versión %1</translation>
    </message>
    <message>
        <source>© 2026 Velmora. Made for people who shop.</source>
        <translation>© 2026 Velmora. Para quienes hacen la compra.</translation>
    </message>
</context>
<context>
    <name>CArrangeDlg</name>
    <message>
        <source>Arrange Departments</source>
        <translation>Ordenar secciones</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Make the learned order this store&apos;s walk</source>
        <translation>Usar el orden aprendido como recorrido de esta tienda</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <translation>&amp;Tienda:</translation>
    </message>
    <message>
        <source>The walk of %1 could not be saved, so it stays as it was.</source>
        <translation>No se pudo guardar el recorrido de %1; queda como estaba.</translation>
    </message>
    <message>
        <source>every store</source>
        <translation>todas las tiendas</translation>
    </message>
    <message>
        <source>Keep the order arranged for %1?</source>
        <translation>¿Conservar el orden elegido para %1?</translation>
    </message>
    <message>
        <source>The walk of %1 could not be read.</source>
        <translation>No se pudo leer el recorrido de %1.</translation>
    </message>
    <message>
        <source>%1&apos;s own walk</source>
        <translation>Recorrido propio de %1</translation>
    </message>
    <message>
        <source>%1 walks in the everyday order</source>
        <translation>%1 sigue el orden habitual</translation>
    </message>
    <message>
        <source>Nothing learned yet at %1. Its walk is learned from the trips on which items are marked in its tab.</source>
        <translation>Aún no se ha aprendido nada en %1. Su recorrido se aprende de las compras en que se marcan artículos en su pestaña.</translation>
    </message>
    <message>
        <source>%1, learned from 1 trip</source>
        <translation>%1, aprendido de 1 compra</translation>
    </message>
    <message>
        <source>%1, learned from %2 trips</source>
        <translation>%1, aprendido de %2 compras</translation>
    </message>
    <message>
        <source>The learned walk could not be applied, so %1 keeps its walk.</source>
        <translation>No se pudo aplicar el recorrido aprendido; %1 conserva el suyo.</translation>
    </message>
    <message>
        <source>The departments could not be put in order, so every item keeps its old place.</source>
        <translation>No se pudieron ordenar las secciones; cada artículo conserva su lugar.</translation>
    </message>
    <message>
        <source>Arrange the list above in the order you walk through the store.  Your list will be sorted that way.</source>
        <translation>Ordene la lista de arriba según su recorrido por la tienda. Su lista se ordenará así.</translation>
    </message>
    <message>
        <source>Arrange the list in the order you walk through this store.  Its own list will be sorted that way; the other stores keep theirs.</source>
        <translation>Ordene la lista según su recorrido por esta tienda. Su lista se ordenará así; las demás tiendas conservan la suya.</translation>
    </message>
    <message>
        <source>Error in opening DB: 10001</source>
        <translation>Error al abrir la base de datos: 10001</translation>
    </message>
    <message>
        <source>All stores</source>
        <translation>Todas las tiendas</translation>
    </message>
</context>
<context>
    <name>CFirstStartDlg</name>
    <message>
        <source>Your catalog is empty. How would you like to start?</source>
        <translation>Su catálogo está vacío. ¿Cómo quiere empezar?</translation>
    </message>
    <message>
        <source>Start with &amp;common groceries (%1 items in %2 departments)</source>
        <translation>Empezar con la &amp;compra habitual (%1 artículos en %2 secciones)</translation>
    </message>
    <message>
        <source>&amp;Import a file...</source>
        <translation>&amp;Importar un archivo...</translation>
    </message>
    <message>
        <source>Start &amp;empty</source>
        <translation>Empezar &amp;vacío</translation>
    </message>
    <message>
        <source>Tip for first-time users:  You can bring a list you already have: copy it and press Ctrl+Shift+V, or choose Tools &gt; Import... for a file from another program.</source>
        <translation>Consejo para empezar: para traer una lista que ya tiene, cópiela y pulse Ctrl+Mayús+V, o elija Herramientas &gt; Importar... para un archivo de otro programa.</translation>
    </message>
</context>
<context>
    <name>CHistoryDlg</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>No hay nada que deshacer.</translation>
    </message>
    <message>
        <source>Choose an action to undo it with every action after it.</source>
        <translation>Elija una acción para deshacerla junto con todas las posteriores.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Artículos</translation>
    </message>
    <message>
        <source>&amp;Undo to Here</source>
        <translation>&amp;Deshacer hasta aquí</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Import from %1 (%2)</source>
        <translation>Importar de %1 (%2)</translation>
    </message>
    <message>
        <source>Items already in the catalog</source>
        <translation>Artículos que ya están en el catálogo</translation>
    </message>
    <message>
        <source>&amp;Set their quantities to the file&apos;s</source>
        <translation>&amp;Poner las cantidades del archivo</translation>
    </message>
    <message>
        <source>&amp;Add the file&apos;s quantities to theirs</source>
        <translation>&amp;Sumar las cantidades del archivo a las suyas</translation>
    </message>
    <message>
        <source>&amp;Department of new items:</source>
        <translation>&amp;Sección de los artículos nuevos:</translation>
    </message>
    <message>
        <source>S&amp;tore of new items:</source>
        <translation>&amp;Tienda de los artículos nuevos:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>The catalog cannot be read.</source>
        <translation>No se puede leer el catálogo.</translation>
    </message>
    <message>
        <source>Nothing can be imported.</source>
        <translation>No se puede importar nada.</translation>
    </message>
    <message>
        <source>Import without the refused line</source>
        <translation>Importar sin la línea rechazada</translation>
    </message>
    <message>
        <source>Import without the %1 refused lines</source>
        <translation>Importar sin las %1 líneas rechazadas</translation>
    </message>
    <message>
        <source>The import could not be written; the catalog is as it was.</source>
        <translation>No se pudo escribir la importación; el catálogo sigue igual.</translation>
    </message>
</context>
<context>
    <name>CItemDlg</name>
    <message>
        <source>Dept:</source>
        <translation>Secc.:</translation>
    </message>
    <message>
        <source>Coupon:</source>
        <translation>Cupón:</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>Cupón</translation>
    </message>
    <message>
        <source>Store:</source>
        <translation>Tienda:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Precio:</translation>
    </message>
    <message>
        <source>Sold by the:</source>
        <translation>Se vende por:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Artículo:</translation>
    </message>
    <message>
        <source>Qty:</source>
        <translation>Cant.:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please enter a whole number from 0 to %1 in the Qty box.</source>
        <translation>Introduzca un número entero de 0 a %1 en el cuadro Cant.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters in the %2 box.</source>
        <translation>Introduzca como máximo %1 caracteres en el cuadro %2.</translation>
    </message>
    <message>
        <source>Please enter a number from 0 to 9999999 in the Price box.</source>
        <translation>Introduzca un número de 0 a 9999999 en el cuadro Precio.</translation>
    </message>
    <message>
        <source>Please specify a department.</source>
        <translation>Indique una sección.</translation>
    </message>
    <message>
        <source>Please name this item, or press cancel.</source>
        <translation>Escriba un nombre para el artículo o pulse Cancelar.</translation>
    </message>
    <message>
        <source>Could not open database</source>
        <translation>No se pudo abrir la base de datos</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Tienda</translation>
    </message>
    <message>
        <source>Sold by the</source>
        <translation>Se vende por</translation>
    </message>
    <message>
        <source>Dept</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artículo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>CItemListCtrl</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Marcar</translation>
    </message>
    <message>
        <source>&amp;Delete item</source>
        <translation>E&amp;liminar artículo</translation>
    </message>
    <message>
        <source>C&amp;opy list to clipboard</source>
        <translation>Co&amp;piar lista al portapapeles</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artículo</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Dept</source>
        <translation>Secc.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
</context>
<context>
    <name>CListApp</name>
    <message>
        <source>Grocelle cannot save its settings in %1.  It runs on the settings it could read and on its defaults, and changes to them are not kept.</source>
        <translation>Grocelle no puede guardar sus ajustes en %1. Funciona con los ajustes que pudo leer y los predeterminados; los cambios no se conservarán.</translation>
    </message>
</context>
<context>
    <name>CMainDlg</name>
    <message>
        <source>Dept:</source>
        <translation>Secc.:</translation>
    </message>
    <message>
        <source>The phone list could not start. %1</source>
        <translation>No se pudo iniciar la lista del móvil. %1</translation>
    </message>
    <message>
        <source>The catalog is read-only, so changes cannot be undone.</source>
        <translation>El catálogo es de solo lectura, así que los cambios no se pueden deshacer.</translation>
    </message>
    <message>
        <source>The catalog is empty: type a name in the box above and press Enter to add your first item.</source>
        <translation>El catálogo está vacío: escriba un nombre en el cuadro de arriba y pulse Intro para añadir su primer artículo.</translation>
    </message>
</context>
<context>
    <name>CPhoneListDlg</name>
    <message>
        <source>Phone List</source>
        <translation>Lista para el móvil</translation>
    </message>
    <message>
        <source>Serve the shopping list to phones on this network</source>
        <translation>Ofrecer la lista de la compra a los móviles de esta red</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Open the address on a phone, or point its camera at the code. Anyone with a link can see and change the list. Each phone gets a link of its own with Add Phone; Remove stops one phone&apos;s link, New Link stops them all and makes one new one.</source>
        <translation>Abra la dirección en un móvil o apunte su cámara al código. Quien tenga un enlace puede ver y cambiar la lista. «Añadir móvil» da a cada móvil su propio enlace; «Quitar» anula el enlace de un móvil y «Enlace nuevo» los anula todos y crea uno nuevo.</translation>
    </message>
    <message>
        <source>Offline use on the phone needs a secure (https://) link: see “The phone list without reception” in the README.</source>
        <translation>Usar la lista sin conexión en el móvil requiere un enlace seguro (https://): vea «The phone list without reception» en el README.</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Última conexión</translation>
    </message>
    <message>
        <source>Add Phone…</source>
        <translation>Añadir móvil…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>New Link</source>
        <translation>Enlace nuevo</translation>
    </message>
    <message>
        <source>The phone list could not start. %1</source>
        <translation>No se pudo iniciar la lista del móvil. %1</translation>
    </message>
    <message>
        <source>Add Phone</source>
        <translation>Añadir móvil</translation>
    </message>
    <message>
        <source>A name for the phone, such as &quot;Anna&apos;s phone&quot;:</source>
        <translation>Un nombre para el móvil, por ejemplo «Móvil de Ana»:</translation>
    </message>
    <message>
        <source>Remove %1? Its link stops working at once.</source>
        <translation>¿Quitar %1? Su enlace deja de funcionar al instante.</translation>
    </message>
    <message>
        <source>(off)</source>
        <translation>(apagada)</translation>
    </message>
    <message>
        <source>Turn the list on to show its code.</source>
        <translation>Active la lista para mostrar su código.</translation>
    </message>
    <message>
        <source>Each phone&apos;s link is shown once, when it is made. Add Phone makes a link for another phone.</source>
        <translation>El enlace de cada móvil se muestra una sola vez, al crearlo. «Añadir móvil» crea un enlace para otro móvil.</translation>
    </message>
    <message>
        <source>The link of %1</source>
        <translation>El enlace de %1</translation>
    </message>
</context>
<context>
    <name>CQuickEntry</name>
    <message>
        <source>Please enter a quantity from 1 to %1 in the quantity box.</source>
        <translation>Introduzca una cantidad de 1 a %1 en el cuadro de cantidad.</translation>
    </message>
</context>
<context>
    <name>CRenameDlg</name>
    <message>
        <source>Rename Stores / Depts</source>
        <translation>Renombrar tiendas / secciones</translation>
    </message>
    <message>
        <source>To globally rename a department or store, enter the old and new name below.</source>
        <translation>Para renombrar en todas partes una sección o tienda, escriba abajo el nombre actual y el nuevo.</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>Vista:</translation>
    </message>
    <message>
        <source>Old name:</source>
        <translation>Nombre actual:</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nombre nuevo:</translation>
    </message>
    <message>
        <source>Departments</source>
        <translation>Secciones</translation>
    </message>
    <message>
        <source>Stores</source>
        <translation>Tiendas</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>There is already one by that name.</source>
        <translation>Ya existe uno con ese nombre.</translation>
    </message>
    <message>
        <source>Change the %1 named &apos;%2&apos; to &apos;%3&apos;.  Are you sure?</source>
        <translation>¿Cambiar %1 «%2» a «%3»? ¿Está seguro?</translation>
    </message>
    <message>
        <source>Renamed the %1 &apos;%2&apos; to &apos;%3&apos;.</source>
        <translation>%1 «%2» cambiado a «%3».</translation>
    </message>
    <message>
        <source>Nothing was renamed.</source>
        <translation>No se cambió ningún nombre.</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Smallest</source>
        <translation>Muy pequeña</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeña</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Muy grande</translation>
    </message>
    <message>
        <source>Edit item</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Mark/Unmark</source>
        <translation>(Des)marcar</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Grocelle Settings</source>
        <translation>Ajustes de Grocelle</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Tamaño de letra:</translation>
    </message>
    <message>
        <source>Sound on Launch:</source>
        <translation>Sonido al iniciar:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Double click item:</source>
        <translation>Doble clic:</translation>
    </message>
    <message>
        <source>Learn each store&apos;s walk</source>
        <translation>Aprender cada recorrido</translation>
    </message>
    <message>
        <source>After each trip, put a store&apos;s departments in the order you walked them</source>
        <translation>Tras cada compra, ordenar las secciones de la tienda según su recorrido</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>A new language applies at the next start.</source>
        <translation>El nuevo idioma se aplica en el próximo inicio.</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Moneda:</translation>
    </message>
    <message>
        <source>The symbol written with prices; empty for your region&apos;s own</source>
        <translation>El símbolo que acompaña a los precios; vacío para el de su región</translation>
    </message>
</context>
<context>
    <name>CatalogFailure</name>
    <message>
        <source>The %1 did not answer in time.</source>
        <translation>Sin respuesta a tiempo de: %1.</translation>
    </message>
    <message>
        <source>The %1 cannot be reached.</source>
        <translation>No se puede contactar con: %1.</translation>
    </message>
    <message>
        <source>The change was not saved: the catalog could not be written.</source>
        <translation>El cambio no se guardó: no se pudo escribir en el catálogo.</translation>
    </message>
    <message>
        <source>The change was not saved: the catalog refused a value.</source>
        <translation>El cambio no se guardó: el catálogo rechazó un valor.</translation>
    </message>
    <message>
        <source>The catalog could not be read.</source>
        <translation>No se pudo leer el catálogo.</translation>
    </message>
    <message>
        <source>The catalog holds text where a number belongs.</source>
        <translation>El catálogo contiene texto donde debería haber un número.</translation>
    </message>
    <message>
        <source>The catalog could not be opened.</source>
        <translation>No se pudo abrir el catálogo.</translation>
    </message>
    <message>
        <source>The catalog reported a failure.</source>
        <translation>El catálogo ha informado de un error.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--copy-catalog needs a catalog to copy FROM and one to copy TO.</source>
        <translation>--copy-catalog necesita un catálogo de origen (FROM) y uno de destino (TO).</translation>
    </message>
    <message>
        <source>--replace goes only with --copy-catalog.</source>
        <translation>--replace solo se usa con --copy-catalog.</translation>
    </message>
    <message>
        <source>--%1 goes only with --serve.</source>
        <translation>--%1 solo se usa con --serve.</translation>
    </message>
    <message>
        <source>Unknown argument &apos;%1&apos;.</source>
        <translation>Argumento desconocido «%1».</translation>
    </message>
    <message>
        <source>--catalog needs a file path or a postgresql:// URI.</source>
        <translation>--catalog necesita una ruta de archivo o una URI postgresql://.</translation>
    </message>
    <message>
        <source>--export and --import go one at a time.</source>
        <translation>--export y --import se usan por separado.</translation>
    </message>
    <message>
        <source>--%1 goes only with --import.</source>
        <translation>--%1 solo se usa con --import.</translation>
    </message>
</context>
<context>
    <name>CommandRouter</name>
    <message>
        <source>Add one</source>
        <translation>Uno más</translation>
    </message>
    <message>
        <source>Subtract one</source>
        <translation>Uno menos</translation>
    </message>
    <message>
        <source>New item</source>
        <translation>Nuevo artículo</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Eliminar artículo</translation>
    </message>
    <message>
        <source>Edit item</source>
        <translation>Editar artículo</translation>
    </message>
    <message>
        <source>Show only what is needed</source>
        <translation>Mostrar solo lo necesario</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Histor&amp;y...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>&amp;New Item</source>
        <translation>&amp;Nuevo artículo</translation>
    </message>
    <message>
        <source>&amp;Edit Item</source>
        <translation>&amp;Editar artículo</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <translation>E&amp;liminar artículo</translation>
    </message>
    <message>
        <source>C&amp;lear List</source>
        <translation>&amp;Vaciar lista</translation>
    </message>
    <message>
        <source>Clear &amp;Marked Items</source>
        <translation>Quitar artículos &amp;marcados</translation>
    </message>
    <message>
        <source>Clear Co&amp;upons</source>
        <translation>Borrar &amp;cupones</translation>
    </message>
    <message>
        <source>&amp;Arrange Departments</source>
        <translation>&amp;Ordenar secciones</translation>
    </message>
    <message>
        <source>Rena&amp;me...</source>
        <translation>Cambiar &amp;nombre...</translation>
    </message>
    <message>
        <source>&amp;Copy List</source>
        <translation>Co&amp;piar lista</translation>
    </message>
    <message>
        <source>Copy List as Chec&amp;klist</source>
        <translation>Copiar como lista de compro&amp;bación</translation>
    </message>
    <message>
        <source>Pas&amp;te List...</source>
        <translation>Pe&amp;gar lista...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>&amp;Phone List...</source>
        <translation>Lista para el &amp;móvil...</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;pciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>A&amp;bout Grocelle</source>
        <translation>Acerca &amp;de Grocelle</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Tools (Alt+T, F10)</source>
        <translation>Herramientas (Alt+T, F10)</translation>
    </message>
    <message>
        <source>The command failed: %1</source>
        <translation>La orden ha fallado: %1</translation>
    </message>
</context>
<context>
    <name>HeadlessServer</name>
    <message>
        <source>There is no phone named &quot;%1&quot;.</source>
        <translation>No hay ningún móvil llamado «%1».</translation>
    </message>
    <message>
        <source>Removed %1: its link no longer works.</source>
        <translation>%1 quitado: su enlace ya no funciona.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 necesita un valor.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 no admite valor.</translation>
    </message>
    <message>
        <source>--port needs a number from 0 to 65535, not &quot;%1&quot;.</source>
        <translation>--port necesita un número de 0 a 65535, no «%1».</translation>
    </message>
    <message>
        <source>--public-url needs an http:// or https:// address, not &quot;%1&quot;.</source>
        <translation>--public-url necesita una dirección http:// o https://, no «%1».</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot;. grocelle --help lists the options.</source>
        <translation>Opción desconocida «%1». grocelle --help muestra las opciones.</translation>
    </message>
    <message>
        <source>Give one of --add-device, --list-devices and --remove-device at a time.</source>
        <translation>Indique solo uno de --add-device, --list-devices y --remove-device a la vez.</translation>
    </message>
</context>
<context>
    <name>ItemSaveFlow</name>
    <message>
        <source>&apos;%1&apos; is a new department.  Use &apos;Arrange Departments&apos; on the Tools Menu to set the proper order in the store.  For now, I&apos;m putting this department at the top of the list.</source>
        <translation>«%1» es una sección nueva. Use «Ordenar secciones» en el menú Herramientas para colocarla en el orden de la tienda. De momento queda al principio de la lista.</translation>
    </message>
    <message>
        <source>No new item can be added: the catalog already uses the highest item number there is (%1).</source>
        <translation>No se pueden añadir artículos: el catálogo ya usa el número de artículo más alto posible (%1).</translation>
    </message>
    <message>
        <source>This item is no longer in the catalog (another program may have deleted it), so your changes were not saved.  Save it as a new item?</source>
        <translation>Este artículo ya no está en el catálogo (quizá otro programa lo eliminó), así que sus cambios no se guardaron. ¿Guardarlo como artículo nuevo?</translation>
    </message>
    <message>
        <source>“%1” is already in the catalog, and saving would change it:

%2

Update that item?  (No goes back to the editor.)</source>
        <translation>«%1» ya está en el catálogo y guardar lo cambiaría:

%2

¿Actualizar ese artículo? (No vuelve al editor.)</translation>
    </message>
    <message>
        <source>The item could not be saved.</source>
        <translation>No se pudo guardar el artículo.</translation>
    </message>
    <message>
        <source>The item could not be saved: a text cannot hold a NUL character.</source>
        <translation>No se pudo guardar el artículo: un texto no puede contener el carácter NUL.</translation>
    </message>
    <message>
        <source>Dept</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Tienda</translation>
    </message>
    <message>
        <source>Sold by the</source>
        <translation>Se vende por</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>Cupón</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>The list could not be cleared, so every item is as it was.</source>
        <translation>No se pudo vaciar la lista; todos los artículos siguen igual.</translation>
    </message>
    <message>
        <source>The marked items could not be cleared, so every item is as it was.</source>
        <translation>No se pudieron quitar los artículos marcados; todos siguen igual.</translation>
    </message>
    <message>
        <source>The coupons could not be cleared, so every item is as it was.</source>
        <translation>No se pudieron borrar los cupones; todos los artículos siguen igual.</translation>
    </message>
    <message>
        <source>Create a new list?  This will reset all quantities in your existing list to zero.</source>
        <translation>¿Crear una lista nueva? Todas las cantidades de la lista actual volverán a cero.</translation>
    </message>
    <message>
        <source>Remove all marked items from needed list?</source>
        <translation>¿Quitar todos los artículos marcados de la lista de la compra?</translation>
    </message>
    <message>
        <source>Clear all coupons in memory?</source>
        <translation>¿Borrar todos los cupones guardados?</translation>
    </message>
    <message>
        <source>No item selected.</source>
        <translation>No hay ningún artículo seleccionado.</translation>
    </message>
    <message>
        <source>WARNING:  This will permanently delete this memorized item.  (To remove an item from your list, simply highlight it and press &apos;-&apos;.)
  Are you sure?</source>
        <translation>ATENCIÓN: este artículo guardado se eliminará para siempre. (Para quitar un artículo solo de la lista, selecciónelo y pulse «-».)
  ¿Está seguro?</translation>
    </message>
    <message>
        <source>The item could not be deleted.</source>
        <translation>No se pudo eliminar el artículo.</translation>
    </message>
</context>
<context>
    <name>ListCopier</name>
    <message>
        <source>Copied 1 item to the clipboard.</source>
        <translation>1 artículo copiado al portapapeles.</translation>
    </message>
    <message>
        <source>Copied %1 items to the clipboard.</source>
        <translation>%1 artículos copiados al portapapeles.</translation>
    </message>
    <message>
        <source>Cannot open the Clipboard</source>
        <translation>No se puede abrir el portapapeles</translation>
    </message>
    <message>
        <source>Cannot empty the Clipboard</source>
        <translation>No se puede vaciar el portapapeles</translation>
    </message>
    <message>
        <source>Unable to set Clipboard data</source>
        <translation>No se pueden poner los datos en el portapapeles</translation>
    </message>
</context>
<context>
    <name>ListRows</name>
    <message>
        <source>Unable to open shopping list</source>
        <translation>No se puede abrir la lista de la compra</translation>
    </message>
</context>
<context>
    <name>MainButtons</name>
    <message>
        <source>Jump to %1</source>
        <translation>Ir a %1</translation>
    </message>
    <message>
        <source>One more</source>
        <translation>Uno más</translation>
    </message>
    <message>
        <source>One less</source>
        <translation>Uno menos</translation>
    </message>
    <message>
        <source>Put on the list</source>
        <translation>Añadir a la lista</translation>
    </message>
    <message>
        <source>Clear the boxes</source>
        <translation>Vaciar los campos</translation>
    </message>
</context>
<context>
    <name>SummaryPainter</name>
    <message>
        <source>1 item</source>
        <translation>1 artículo</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 artículos</translation>
    </message>
    <message>
        <source> needed (%1)  </source>
        <translation> por comprar (%1)  </translation>
    </message>
    <message>
        <source> in %1 (%2)  </source>
        <translation> en %1 (%2)  </translation>
    </message>
    <message>
        <source>Filter: Qty &gt; 0  </source>
        <translation>Filtro: cant. &gt; 0  </translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>In basket</source>
        <translation>En la cesta</translation>
    </message>
</context>
<context>
    <name>TransferCommand</name>
    <message>
        <source>The catalog %1 could not be opened: %2</source>
        <translation>No se pudo abrir el catálogo %1: %2</translation>
    </message>
    <message>
        <source>Exported %1 items to %2.</source>
        <translation>%1 artículos exportados a %2.</translation>
    </message>
    <message>
        <source>Nothing was written (--dry-run).</source>
        <translation>No se escribió nada (--dry-run).</translation>
    </message>
    <message>
        <source>Nothing to write: the catalog holds every item as the file has it.</source>
        <translation>Nada que escribir: el catálogo ya tiene cada artículo como el archivo.</translation>
    </message>
    <message>
        <source>Nothing was written: give --skip-refused to import the other lines.</source>
        <translation>No se escribió nada: use --skip-refused para importar las demás líneas.</translation>
    </message>
    <message>
        <source>Nothing was written: %1</source>
        <translation>No se escribió nada: %1</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>Undo “%1”?</source>
        <translation>¿Deshacer «%1»?</translation>
    </message>
    <message>
        <source>Undo “%1” and the %2 after it?</source>
        <translation>¿Deshacer «%1» y %2?</translation>
    </message>
    <message>
        <source>action</source>
        <translation>la acción siguiente</translation>
    </message>
    <message>
        <source>%1 actions</source>
        <translation>las %1 acciones siguientes</translation>
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
        <translation>Por comprar</translation>
    </message>
</context>
<context>
    <name>ViewState</name>
    <message>
        <source>All Items</source>
        <translation>Todos los artículos</translation>
    </message>
</context>
</TS>
