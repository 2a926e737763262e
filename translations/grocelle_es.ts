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
    <message>
        <source>Import %1 item from the clipboard</source>
        <translation>Importar %1 artículo del portapapeles</translation>
    </message>
    <message>
        <source>Import %1 items from the clipboard</source>
        <translation>Importar %1 artículos del portapapeles</translation>
    </message>
    <message>
        <source>Barcode for %1</source>
        <translation>Código de barras para %1</translation>
    </message>
    <message>
        <source>Cheapest Stores</source>
        <translation>Tiendas más baratas</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>Could not open/create key</source>
        <translation>No se pudo abrir ni crear la clave de ajustes</translation>
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
    <name>Barcode</name>
    <message>
        <source>The barcode is empty.</source>
        <translation>El código de barras está vacío.</translation>
    </message>
    <message>
        <source>A barcode has at most %1 characters.</source>
        <translation>Un código de barras tiene como mucho %1 caracteres.</translation>
    </message>
    <message>
        <source>A barcode holds only letters, digits, spaces and - . / _ + #.</source>
        <translation>Un código de barras solo contiene letras, dígitos, espacios y - . / _ + #.</translation>
    </message>
    <message>
        <source>The check digit does not fit: the barcode was read or typed wrong.</source>
        <translation>El dígito de control no cuadra: el código se leyó o escribió mal.</translation>
    </message>
</context>
<context>
    <name>BarcodeScan</name>
    <message>
        <source>The scanned code was not taken. %1</source>
        <translation>El código escaneado no se ha tomado. %1</translation>
    </message>
</context>
<context>
    <name>Barcodes</name>
    <message>
        <source>This catalog keeps no barcodes: it was made by a user who may not add tables to it.</source>
        <translation>Este catálogo no guarda códigos de barras: lo abrió un usuario que no puede añadirle tablas.</translation>
    </message>
</context>
<context>
    <name>BulkPass</name>
    <message>
        <source>The items changed while they were read.</source>
        <translation>Los artículos cambiaron mientras se leían.</translation>
    </message>
    <message>
        <source>The pass sets a column it did not name.</source>
        <translation>La pasada cambia una columna que no nombró.</translation>
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
    <name>CAdoCommand</name>
    <message>
        <source>The catalog is not open.</source>
        <translation>El catálogo no está abierto.</translation>
    </message>
</context>
<context>
    <name>CAdoConnection</name>
    <message>
        <source>no catalog engine opens %1</source>
        <translation>ningún motor de catálogo abre %1</translation>
    </message>
    <message>
        <source>the catalog is not open</source>
        <translation>el catálogo no está abierto</translation>
    </message>
    <message>
        <source>the change was undone after a failure</source>
        <translation>el cambio se deshizo tras un error</translation>
    </message>
</context>
<context>
    <name>CAdoException</name>
    <message>
        <source>A value of the catalog is not a number (error %1).</source>
        <translation>Un valor del catálogo no es un número (error %1).</translation>
    </message>
    <message>
        <source>The catalog store could not be started (error %1).</source>
        <translation>No se pudo iniciar el almacén del catálogo (error %1).</translation>
    </message>
    <message>
        <source>The catalog could not be opened (error %1).</source>
        <translation>No se pudo abrir el catálogo (error %1).</translation>
    </message>
    <message>
        <source>The catalog refused a value (error %1).</source>
        <translation>El catálogo rechazó un valor (error %1).</translation>
    </message>
    <message>
        <source>A value of the catalog could not be read (error %1).</source>
        <translation>No se pudo leer un valor del catálogo (error %1).</translation>
    </message>
    <message>
        <source>The catalog could not be written (error %1).</source>
        <translation>No se pudo escribir en el catálogo (error %1).</translation>
    </message>
    <message>
        <source>The catalog reported a failure (error %1).</source>
        <translation>El catálogo informó de un error (error %1).</translation>
    </message>
</context>
<context>
    <name>CAdoField</name>
    <message>
        <source>%1 is too long for %2.</source>
        <translation>%1 es demasiado largo para %2.</translation>
    </message>
    <message>
        <source>%1 does not fit %2 (from -32768 to 32767).</source>
        <translation>%1 no cabe en %2 (de -32768 a 32767).</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 no es un número.</translation>
    </message>
    <message>
        <source>%1 does not fit %2.</source>
        <translation>%1 no cabe en %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number for %2.</source>
        <translation>«%1» no es un número entero para %2.</translation>
    </message>
</context>
<context>
    <name>CAdoRecordset</name>
    <message>
        <source>the catalog is not open</source>
        <translation>el catálogo no está abierto</translation>
    </message>
    <message>
        <source>This value cannot be changed here.</source>
        <translation>Este valor no se puede cambiar aquí.</translation>
    </message>
    <message>
        <source>There is no current item to write.</source>
        <translation>No hay ningún artículo actual que escribir.</translation>
    </message>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Estas filas no se pueden escribir.</translation>
    </message>
    <message>
        <source>The catalog is not open.</source>
        <translation>El catálogo no está abierto.</translation>
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
    <name>CBarcodeChooserDlg</name>
    <message>
        <source>No item has the barcode %1 yet. Which item is it?</source>
        <translation>Ningún artículo tiene aún el código %1. ¿Qué artículo es?</translation>
    </message>
    <message>
        <source>Name of an item</source>
        <translation>Nombre de un artículo</translation>
    </message>
    <message>
        <source>Take this item</source>
        <translation>Tomar este artículo</translation>
    </message>
    <message>
        <source>New item...</source>
        <translation>Artículo nuevo...</translation>
    </message>
    <message>
        <source>There is no item named &quot;%1&quot;. Pick a name from the list, or make a new item.</source>
        <translation>No hay ningún artículo «%1». Elija un nombre de la lista o cree un artículo nuevo.</translation>
    </message>
</context>
<context>
    <name>CBarcodesDlg</name>
    <message>
        <source>Barcodes of %1</source>
        <translation>Códigos de barras de %1</translation>
    </message>
    <message>
        <source>Type or scan a code</source>
        <translation>Escriba o escanee un código</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>The barcode %1 belongs to %2. Move it to %3?</source>
        <translation>El código %1 pertenece a %2. ¿Pasarlo a %3?</translation>
    </message>
</context>
<context>
    <name>CCheapestDlg</name>
    <message>
        <source>Cheapest Stores</source>
        <translation>Tiendas más baratas</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artículo</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Now at</source>
        <translation>Ahora en</translation>
    </message>
    <message>
        <source>&amp;Move Ticked Items</source>
        <translation>&amp;Mover los marcados</translation>
    </message>
    <message>
        <source>The items could not be moved.</source>
        <translation>No se pudieron mover los artículos.</translation>
    </message>
    <message>
        <source>(no store)</source>
        <translation>(sin tienda)</translation>
    </message>
    <message>
        <source>Today&apos;s stores: %1. Split by cheapest: %2. Saves %3.</source>
        <translation>Tiendas actuales: %1. Repartido por la más barata: %2. Ahorro: %3.</translation>
    </message>
</context>
<context>
    <name>CColumnMapDlg</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>The columns of %1 are its own. Say which catalog column each one fills:</source>
        <translation>Las columnas de %1 son propias. Indique qué columna del catálogo llena cada una:</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(no se importa)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
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
    <name>CHelpDlg</name>
    <message>
        <source>Grocelle Help</source>
        <translation>Ayuda de Grocelle</translation>
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
    <message>
        <source>Search the items</source>
        <translation>Buscar artículos</translation>
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
    <message>
        <source>Codes: %1</source>
        <translation>Códigos: %1</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Precios</translation>
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
        <source>Offline use on the phone needs a secure (https://) link. The README tells how, in its section on the phone list without reception.</source>
        <translation>Usar la lista sin conexión en el móvil requiere un enlace seguro (https://). El README (en inglés) explica cómo conseguirlo, en su apartado sobre la lista del móvil sin cobertura.</translation>
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
    <message>
        <source>any free port</source>
        <translation>cualquier puerto libre</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
</context>
<context>
    <name>CPricesDlg</name>
    <message>
        <source>Prices of %1</source>
        <translation>Precios de %1</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Tienda</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source>Lowest (90 days)</source>
        <translation>Mínimo (90 días)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Please enter a price above 0 and up to 9999999.</source>
        <translation>Introduzca un precio mayor que 0 y hasta 9999999.</translation>
    </message>
    <message>
        <source>Please name the store the price was seen at.</source>
        <translation>Indique la tienda donde se vio el precio.</translation>
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
    <name>CRegistry</name>
    <message>
        <source>Could not open/create key</source>
        <translation>No se pudo abrir ni crear la clave de ajustes</translation>
    </message>
    <message>
        <source>Could not save key</source>
        <translation>No se pudo guardar la clave de ajustes</translation>
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
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The Need view marks an item that another store sells for this much less</source>
        <translation>La vista «Por comprar» marca un artículo que otra tienda vende al menos así de más barato</translation>
    </message>
    <message>
        <source>Cheaper elsewhere by at least:</source>
        <translation>Más barato en otra tienda desde:</translation>
    </message>
</context>
<context>
    <name>CachedRows</name>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Estas filas no se pueden escribir.</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>The catalog %1 could not be opened: %2</source>
        <translation>No se pudo abrir el catálogo %1: %2</translation>
    </message>
    <message>
        <source>The user has no permission to create the catalog on the %1.</source>
        <translation>El usuario no tiene permiso para crear el catálogo en el %1.</translation>
    </message>
    <message>
        <source>The user has no permission to read the catalog on the %1.</source>
        <translation>El usuario no tiene permiso para leer el catálogo en el %1.</translation>
    </message>
    <message>
        <source>The %1 is read-only: the catalog cannot be created there.</source>
        <translation>El %1 es de solo lectura: no se puede crear allí el catálogo.</translation>
    </message>
    <message>
        <source>The table ShoppingLists on the %1 is not a Grocelle catalog. It has been left as it is, and the list stays empty.</source>
        <translation>La tabla ShoppingLists del %1 no es un catálogo de Grocelle. Se ha dejado como estaba y la lista queda vacía.</translation>
    </message>
    <message>
        <source>The file %1 is not a Grocelle catalog, or it cannot be read. It has been left as it is, and the list stays empty.</source>
        <translation>El archivo %1 no es un catálogo de Grocelle o no se puede leer. Se ha dejado como estaba y la lista queda vacía.</translation>
    </message>
    <message>
        <source>The catalog on the %1 can be read but not changed: the server or the database is read-only, or the user has no right to change it. Changes to the list cannot be saved.</source>
        <translation>El catálogo del %1 se puede leer pero no cambiar: el servidor o la base de datos son de solo lectura, o el usuario no tiene permiso para cambiarlo. Los cambios en la lista no se pueden guardar.</translation>
    </message>
    <message>
        <source>The catalog %1 cannot be written: the file or its folder is read-only. Changes to the list cannot be saved.</source>
        <translation>No se puede escribir en el catálogo %1: el archivo o su carpeta son de solo lectura. Los cambios en la lista no se pueden guardar.</translation>
    </message>
    <message>
        <source>The list stays empty.</source>
        <translation>La lista queda vacía.</translation>
    </message>
    <message>
        <source>The catalog on the %1 cannot be reached or could not be created. The list stays empty.</source>
        <translation>No se puede contactar con el catálogo del %1 o no se pudo crear. La lista queda vacía.</translation>
    </message>
    <message>
        <source>The catalog %1 does not exist and could not be created. The list stays empty.</source>
        <translation>El catálogo %1 no existe y no se pudo crear. La lista queda vacía.</translation>
    </message>
    <message>
        <source>Updating database structure, adding PRICE field...</source>
        <translation>Actualizando la estructura de la base de datos, añadiendo el campo PRICE...</translation>
    </message>
    <message>
        <source>Updating database structure, adding COUPON field...</source>
        <translation>Actualizando la estructura de la base de datos, añadiendo el campo COUPON...</translation>
    </message>
    <message>
        <source>Updating database structure, adding DEPTORDER field...</source>
        <translation>Actualizando la estructura de la base de datos, añadiendo el campo DEPTORDER...</translation>
    </message>
</context>
<context>
    <name>CatalogChoice</name>
    <message>
        <source>Usage: grocelle --copy-catalog FROM TO [--replace]</source>
        <translation>Uso: grocelle --copy-catalog FROM TO [--replace]</translation>
    </message>
    <message>
        <source>Copied %1 rows and %2 undo history entries from %3 to %4.</source>
        <translation>Copiado de %3 a %4 – filas: %1, entradas del historial de deshacer: %2.</translation>
    </message>
    <message>
        <source>Checksum of %1: %2</source>
        <translation>Suma de comprobación de %1: %2</translation>
    </message>
</context>
<context>
    <name>CatalogCopier</name>
    <message>
        <source>There is no catalog at %1.</source>
        <translation>No hay ningún catálogo en %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 has %2 characters, more than its %3</source>
        <translation>%1 tiene %2 caracteres, más que sus %3</translation>
    </message>
    <message>
        <source>%1 holds a NUL character</source>
        <translation>%1 contiene un carácter NUL</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number it takes</source>
        <translation>%1 contiene «%2», que no es un número que admita</translation>
    </message>
    <message>
        <source>Item %1 cannot be stored on the %2: %3. Nothing was copied.</source>
        <translation>El artículo %1 no se puede guardar en el %2: %3. No se copió nada.</translation>
    </message>
    <message>
        <source>%1 already holds %2 items; nothing was copied. Give --replace to replace them.</source>
        <translation>%1 ya contiene %2 artículos; no se copió nada. Use --replace para sustituirlos.</translation>
    </message>
    <message>
        <source>%1 holds no readable catalog: %2</source>
        <translation>%1 no contiene ningún catálogo legible: %2</translation>
    </message>
    <message>
        <source>The copy does not match its source (%1 of %2 rows); nothing was copied.</source>
        <translation>La copia no coincide con su origen (%1 de %2 filas); no se copió nada.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>CatalogExport</name>
    <message>
        <source>The catalog cannot be read: %1</source>
        <translation>No se puede leer el catálogo: %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
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
    <message>
        <source>Error %1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Error %1: %2</translation>
    </message>
</context>
<context>
    <name>ColumnMapping</name>
    <message>
        <source>&quot;%1&quot; is no CatalogColumn=FileColumn pair, such as ItemName=Item.</source>
        <translation>«%1» no es un par ColumnaCatálogo=ColumnaArchivo, como ItemName=Item.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no catalog column: %2.</source>
        <translation>«%1» no es una columna del catálogo: %2.</translation>
    </message>
    <message>
        <source>The file has no column &quot;%1&quot;: it has %2.</source>
        <translation>El archivo no tiene la columna «%1»: tiene %2.</translation>
    </message>
    <message>
        <source>Two columns of the file fill %1.</source>
        <translation>Dos columnas del archivo llenan %1.</translation>
    </message>
    <message>
        <source>No column of the file is the item&apos;s name (ItemName).</source>
        <translation>Ninguna columna del archivo es el nombre del artículo (ItemName).</translation>
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
    <message>
        <source>the catalog to work on: an SQLite file, or a
PostgreSQL database (postgresql://user@host:port/db).
Otherwise $GROCELLE_CATALOG, then the Catalog value
in Grocelle.conf.</source>
        <translation>el catálogo con el que trabajar: un archivo SQLite o
una base PostgreSQL (postgresql://user@host:port/db).
Si no, $GROCELLE_CATALOG y luego el valor Catalog de
Grocelle.conf.</translation>
    </message>
    <message>
        <source>with FROM TO: copies every row from one catalog to
another in one transaction and prints the count and
both checksums; a target with rows is refused unless
--replace is given.</source>
        <translation>con FROM TO: copia todas las filas de un catálogo a
otro en una transacción y muestra el número y las dos
sumas de comprobación; un destino con filas se
rechaza salvo con --replace.</translation>
    </message>
    <message>
        <source>lets --copy-catalog empty a target that has rows.</source>
        <translation>permite a --copy-catalog vaciar un destino con filas.</translation>
    </message>
    <message>
        <source>writes the whole catalog to FILE: JSON for a name
ending in .json, CSV otherwise.</source>
        <translation>escribe todo el catálogo en FILE: JSON si el nombre
termina en .json, si no CSV.</translation>
    </message>
    <message>
        <source>reads FILE (CSV, JSON, OI Shopping List CSV or a
plain list) into the catalog as one action Undo
takes back; prints what it did. Exit 0 only when
every line was taken.</source>
        <translation>lee FILE (CSV, JSON, CSV de OI Shopping List o una
lista simple) en el catálogo como una sola acción que
Deshacer revierte; muestra lo que hizo. Sale con 0
solo si se aceptó cada línea.</translation>
    </message>
    <message>
        <source>with --import: prints what it would do, writes nothing.</source>
        <translation>con --import: muestra lo que haría, no escribe nada.</translation>
    </message>
    <message>
        <source>with --import: imports the other lines when some
are refused (otherwise nothing is written).</source>
        <translation>con --import: importa las demás líneas cuando se
rechazan algunas (si no, no se escribe nada).</translation>
    </message>
    <message>
        <source>with --import: adds the file&apos;s quantities to those
of existing items instead of setting them.</source>
        <translation>con --import: suma las cantidades del archivo a las
de los artículos existentes en vez de fijarlas.</translation>
    </message>
    <message>
        <source>serves the phone list without a window or display
until SIGTERM or SIGINT.</source>
        <translation>sirve la lista para el móvil sin ventana ni pantalla
hasta SIGTERM o SIGINT.</translation>
    </message>
    <message>
        <source>the port of --serve; otherwise PhonePort in the
settings, otherwise 8642.</source>
        <translation>el puerto de --serve; si no, PhonePort de los
ajustes; si no, 8642.</translation>
    </message>
    <message>
        <source>with --tls-key: --serve speaks HTTPS (otherwise
TlsCert and TlsKey in the settings).</source>
        <translation>con --tls-key: --serve habla HTTPS (si no, TlsCert y
TlsKey de los ajustes).</translation>
    </message>
    <message>
        <source>the key of --tls-cert.</source>
        <translation>la clave de --tls-cert.</translation>
    </message>
    <message>
        <source>the address phones reach the list by (a proxy&apos;s),
for the links --serve prints.</source>
        <translation>la dirección por la que los móviles llegan a la
lista (la de un proxy), para los enlaces de --serve.</translation>
    </message>
    <message>
        <source>makes a link for one phone and prints it with its
QR code.</source>
        <translation>crea un enlace para un móvil y lo muestra con su
código QR.</translation>
    </message>
    <message>
        <source>the phones that have a link, with when each was
last seen.</source>
        <translation>los móviles que tienen enlace, y cuándo se vio cada
uno por última vez.</translation>
    </message>
    <message>
        <source>that phone&apos;s link stops working at once.</source>
        <translation>el enlace de ese móvil deja de funcionar al momento.</translation>
    </message>
    <message>
        <source>prints the version.</source>
        <translation>muestra la versión.</translation>
    </message>
    <message>
        <source>prints this text.</source>
        <translation>muestra este texto.</translation>
    </message>
    <message>
        <source>Grocelle version %1</source>
        <translation>Grocelle versión %1</translation>
    </message>
    <message>
        <source>Usage: grocelle [--catalog FILE|URL] [--version] [--help]
       grocelle --copy-catalog FROM TO [--replace]
       grocelle --export FILE | --import FILE [--dry-run] [--catalog FILE|URL]</source>
        <translation>Uso: grocelle [--catalog FILE|URL] [--version] [--help]
     grocelle --copy-catalog FROM TO [--replace]
     grocelle --export FILE | --import FILE [--dry-run] [--catalog FILE|URL]</translation>
    </message>
    <message>
        <source>Grocelle keeps the catalog of the things you buy and the shopping list drawn
from it. Everything else is set in the program itself.</source>
        <translation>Grocelle lleva el catálogo de lo que usted compra y la lista de la compra
sacada de él. Todo lo demás se ajusta en el propio programa.</translation>
    </message>
    <message>
        <source>Files:
  catalog   $GROCELLE_HOME/shoplistdata.cdb, otherwise
            $XDG_DATA_HOME/grocelle/shoplistdata.cdb (~/.local/share/grocelle)
  settings  $GROCELLE_HOME/Grocelle.conf, otherwise
            $XDG_CONFIG_HOME/Velmora/Grocelle.conf (~/.config/Velmora)</source>
        <translation>Archivos:
  catálogo  $GROCELLE_HOME/shoplistdata.cdb, si no
            $XDG_DATA_HOME/grocelle/shoplistdata.cdb (~/.local/share/grocelle)
  ajustes   $GROCELLE_HOME/Grocelle.conf, si no
            $XDG_CONFIG_HOME/Velmora/Grocelle.conf (~/.config/Velmora)</translation>
    </message>
    <message>
        <source>an address --serve listens on, such as 127.0.0.1
behind a proxy; give it again for more. Otherwise
every address.</source>
        <translation>una dirección en la que escucha --serve, como 127.0.0.1
tras un proxy; repítala para dar más. Si no, todas
las direcciones.</translation>
    </message>
    <message>
        <source>with --import of a CSV with columns of its own:
which column is which, as
&quot;ItemName=Item,QtyToBuy=Quantity&quot;.</source>
        <translation>con --import de un CSV con columnas propias:
qué columna es cada una, por ejemplo
&quot;ItemName=Item,QtyToBuy=Quantity&quot;.</translation>
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
    <message>
        <source>Cheapest &amp;Stores...</source>
        <translation>&amp;Tiendas más baratas...</translation>
    </message>
</context>
<context>
    <name>CsvTransfer</name>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>La línea no es texto UTF-8 válido.</translation>
    </message>
    <message>
        <source>The header &quot;%1&quot; matches no format Grocelle reads: its own columns (%2), or OI Shopping List&apos;s (Subject, % Complete, Categories, Tags).</source>
        <translation>El encabezado «%1» no coincide con ningún formato que Grocelle lea: sus propias columnas (%2) o las de OI Shopping List (Subject, % Complete, Categories, Tags).</translation>
    </message>
    <message>
        <source>It has %1 values where the header has %2.</source>
        <translation>Tiene %1 valores donde el encabezado tiene %2.</translation>
    </message>
    <message>
        <source>A quoted value that starts on this line is never closed.</source>
        <translation>Un valor entre comillas que empieza en esta línea nunca se cierra.</translation>
    </message>
    <message>
        <source>The file holds no lines.</source>
        <translation>El archivo no contiene líneas.</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>Another program is changing this item; try again.</source>
        <translation>Otro programa está cambiando este artículo; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The item no longer exists in the catalog.</source>
        <translation>El artículo ya no existe en el catálogo.</translation>
    </message>
    <message>
        <source>the item no longer exists in the catalog</source>
        <translation>el artículo ya no existe en el catálogo</translation>
    </message>
    <message>
        <source>the %1 did not answer within %2 seconds</source>
        <translation>el %1 no respondió en %2 segundos</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>el servidor no respondió</translation>
    </message>
    <message>
        <source>the %1 did not finish the statement within %2 seconds</source>
        <translation>el %1 no terminó la instrucción en %2 segundos</translation>
    </message>
    <message>
        <source>the connection to the %1 was lost (%2)</source>
        <translation>se perdió la conexión con el %1 (%2)</translation>
    </message>
    <message>
        <source>The %1 cannot be reached: it did not answer within %2 seconds.</source>
        <translation>No se puede contactar con el %1: no respondió en %2 segundos.</translation>
    </message>
    <message>
        <source>The %1 cannot be reached (%2).</source>
        <translation>No se puede contactar con el %1 (%2).</translation>
    </message>
    <message>
        <source>The %1 cannot be reached.</source>
        <translation>No se puede contactar con: %1.</translation>
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
    <message>
        <source>The link of %1 (shown this once; only its hash is kept):</source>
        <translation>El enlace de %1 (se muestra solo esta vez; solo se guarda su hash):</translation>
    </message>
    <message>
        <source>No phones yet: add one with --add-device NAME.</source>
        <translation>Aún no hay móviles: --add-device NAME añade uno.</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>%1	last seen %2</source>
        <translation>%1	visto por última vez: %2</translation>
    </message>
    <message>
        <source>The phone list is at %1</source>
        <translation>La lista para el móvil está en %1</translation>
    </message>
    <message>
        <source>Phones: %1 (--list-devices shows them, --add-device NAME adds one)</source>
        <translation>Móviles: %1 (--list-devices los muestra, --add-device NAME añade uno)</translation>
    </message>
    <message>
        <source>--listen needs an IPv4 or IPv6 address such as 127.0.0.1, not &quot;%1&quot;.</source>
        <translation>--listen necesita una dirección IPv4 o IPv6 como 127.0.0.1, no «%1».</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>This help has not been written in %1 yet, so it is shown in English.</source>
        <translation>Esta ayuda aún no está escrita en %1, así que se muestra en inglés.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>The item has no name.</source>
        <translation>El artículo no tiene nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is on line %2 already.</source>
        <translation>«%1» ya está en la línea %2.</translation>
    </message>
    <message>
        <source>The quantity would be %1, above %2.</source>
        <translation>La cantidad sería %1, más de %2.</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 cambiados</translation>
    </message>
    <message>
        <source>%1 new, %2, %3 unchanged, %4 refused.</source>
        <translation>%1 nuevos, %2, %3 sin cambios, %4 rechazados.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>%1 is sold by the %2: tick to buy %3 %2.</source>
        <translation>%1 se vende por %2: marque para comprar %3 %2.</translation>
    </message>
    <message>
        <source>%1 is sold by the %2, the line says %3 %4: tick to buy it by the %4.</source>
        <translation>%1 se vende por %2, la línea dice %3 %4: marque para comprarlo por %4.</translation>
    </message>
    <message>
        <source>%1 %2 is %3 %4, above %5.</source>
        <translation>%1 %2 son %3 %4, más de %5.</translation>
    </message>
    <message>
        <source>%1 %2 is %3 %4.</source>
        <translation>%1 %2 son %3 %4.</translation>
    </message>
    <message>
        <source>%1 %2 is %3 %4, bought as %5.</source>
        <translation>%1 %2 son %3 %4, se compran %5.</translation>
    </message>
    <message>
        <source>%1 (new): %2</source>
        <translation>%1 (nuevo): %2</translation>
    </message>
    <message>
        <source>Not imported unless ticked: %1</source>
        <translation>Solo se importa si se marca: %1</translation>
    </message>
    <message>
        <source>%1 not ticked.</source>
        <translation>%1 sin marcar.</translation>
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
    <name>Journal</name>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1 cannot be undone: 1 item has changed since, and undoing it would overwrite those changes.  Nothing was changed.</source>
        <translation>%1 no se puede deshacer: 1 artículo ha cambiado desde entonces, y deshacerlo sobrescribiría ese cambio. No se cambió nada.</translation>
    </message>
    <message>
        <source>%1 cannot be undone: %2 items have changed since, and undoing it would overwrite those changes.  Nothing was changed.</source>
        <translation>%1 no se puede deshacer: %2 artículos han cambiado desde entonces, y deshacerlo sobrescribiría esos cambios. No se cambió nada.</translation>
    </message>
    <message>
        <source>%1 cannot be redone: 1 item has changed since it was undone.  Nothing was changed.</source>
        <translation>%1 no se puede rehacer: 1 artículo ha cambiado desde que se deshizo. No se cambió nada.</translation>
    </message>
    <message>
        <source>%1 cannot be redone: %2 items have changed since it was undone.  Nothing was changed.</source>
        <translation>%1 no se puede rehacer: %2 artículos han cambiado desde que se deshizo. No se cambió nada.</translation>
    </message>
    <message>
        <source>No catalog is open.</source>
        <translation>No hay ningún catálogo abierto.</translation>
    </message>
    <message>
        <source>The catalog is read-only, so changes cannot be undone.</source>
        <translation>El catálogo es de solo lectura, así que los cambios no se pueden deshacer.</translation>
    </message>
    <message>
        <source>The undo history in this catalog was made by another program and cannot be used.</source>
        <translation>El historial de deshacer de este catálogo lo creó otro programa y no se puede usar.</translation>
    </message>
    <message>
        <source>One entry of the undo history is damaged and was skipped.</source>
        <translation>Una entrada del historial de deshacer está dañada y se omitió.</translation>
    </message>
    <message>
        <source>%1 entries of the undo history are damaged and were skipped.</source>
        <translation>%1 entradas del historial de deshacer están dañadas y se omitieron.</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>No hay nada que deshacer.</translation>
    </message>
    <message>
        <source>%1 cannot be undone yet: %2 was done after it.  Undo %2 first.</source>
        <translation>%1 aún no se puede deshacer: %2 se hizo después. Deshaga primero %2.</translation>
    </message>
    <message>
        <source>That action has been undone already, or is no longer in the history.</source>
        <translation>Esa acción ya se deshizo o ya no está en el historial.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>No hay nada que rehacer.</translation>
    </message>
    <message>
        <source>The history has changed meanwhile: %1 is the next to redo.</source>
        <translation>El historial ha cambiado mientras tanto: %1 es lo siguiente que rehacer.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>No se deshizo nada.</translation>
    </message>
    <message>
        <source>Nothing was redone.</source>
        <translation>No se rehízo nada.</translation>
    </message>
    <message>
        <source>The history entry of %1 is damaged; it has been skipped.</source>
        <translation>La entrada del historial de %1 está dañada; se ha omitido.</translation>
    </message>
</context>
<context>
    <name>JsonTransfer</name>
    <message>
        <source>%1 should be a number, a text or null.</source>
        <translation>%1 debe ser un número, un texto o null.</translation>
    </message>
    <message>
        <source>The JSON is not well-formed: %1.</source>
        <translation>El JSON no está bien formado: %1.</translation>
    </message>
    <message>
        <source>The JSON holds no &quot;items&quot; list of a Grocelle catalog.</source>
        <translation>El JSON no contiene una lista «items» de un catálogo de Grocelle.</translation>
    </message>
    <message>
        <source>The file was written by a newer Grocelle (version %1).</source>
        <translation>El archivo lo escribió un Grocelle más reciente (versión %1).</translation>
    </message>
    <message>
        <source>Item %1 is not an object.</source>
        <translation>El elemento %1 no es un objeto.</translation>
    </message>
    <message>
        <source>Barcodes should be a list of texts.</source>
        <translation>Barcodes debería ser una lista de textos.</translation>
    </message>
    <message>
        <source>Barcode %1: %2</source>
        <translation>Código de barras %1: %2</translation>
    </message>
    <message>
        <source>not a text.</source>
        <translation>no es un texto.</translation>
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
    <name>PgCommand</name>
    <message>
        <source>The catalog is not open.</source>
        <translation>El catálogo no está abierto.</translation>
    </message>
    <message>
        <source>The statement has no parameter %1.</source>
        <translation>La instrucción no tiene el parámetro %1.</translation>
    </message>
</context>
<context>
    <name>PgConnection</name>
    <message>
        <source>the statement takes %1 values, %2 were given</source>
        <translation>la instrucción admite %1 valores y se dieron %2</translation>
    </message>
</context>
<context>
    <name>PgResultRows</name>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Estas filas no se pueden escribir.</translation>
    </message>
</context>
<context>
    <name>PgSession</name>
    <message>
        <source>The database on the %1 does not exist (%2).</source>
        <translation>La base de datos del %1 no existe (%2).</translation>
    </message>
    <message>
        <source>The %1 did not accept the user name or password (%2).</source>
        <translation>El %1 no aceptó el nombre de usuario o la contraseña (%2).</translation>
    </message>
    <message>
        <source>The user has no permission to connect to the %1 (%2).</source>
        <translation>El usuario no tiene permiso para conectarse al %1 (%2).</translation>
    </message>
    <message>
        <source>PostgreSQL server %1</source>
        <translation>servidor PostgreSQL %1</translation>
    </message>
    <message>
        <source>The catalog address %1 cannot be read as a PostgreSQL address.</source>
        <translation>La dirección de catálogo %1 no se puede leer como dirección de PostgreSQL.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>The %1 refused the session&apos;s settings.</source>
        <translation>El %1 rechazó los ajustes de la sesión.</translation>
    </message>
    <message>
        <source>the connection to the %1 is still waiting for the answer to another statement</source>
        <translation>la conexión con el %1 aún espera la respuesta a otra instrucción</translation>
    </message>
    <message>
        <source>another program changed the same items at the same moment, so nothing of this change was kept (%1).  Please try again</source>
        <translation>otro programa cambió los mismos artículos en el mismo momento, así que no se conservó nada de este cambio (%1). Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>the change was undone after a failure</source>
        <translation>el cambio se deshizo tras un error</translation>
    </message>
</context>
<context>
    <name>PhoneDevices</name>
    <message>
        <source>A device name has 1 to %1 characters.</source>
        <translation>Un nombre de dispositivo tiene de 1 a %1 caracteres.</translation>
    </message>
    <message>
        <source>There is a device named &quot;%1&quot; already.</source>
        <translation>Ya hay un dispositivo llamado «%1».</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>No se puede escribir el archivo de ajustes %1.</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Móvil</translation>
    </message>
</context>
<context>
    <name>PhoneServer</name>
    <message>
        <source>Port %1 is in use by another program. Choose another port.</source>
        <translation>Otro programa está usando el puerto %1. Elija otro puerto.</translation>
    </message>
    <message>
        <source>Port %1 cannot be used: %2</source>
        <translation>No se puede usar el puerto %1: %2</translation>
    </message>
    <message>
        <source>%1 is not an address of this computer.</source>
        <translation>%1 no es una dirección de este ordenador.</translation>
    </message>
</context>
<context>
    <name>PlainListReader</name>
    <message>
        <source>The line holds a NUL character.</source>
        <translation>La línea contiene un carácter NUL.</translation>
    </message>
    <message>
        <source>The quantity %1 is out of range (0 to %2).</source>
        <translation>La cantidad %1 está fuera de rango (0 a %2).</translation>
    </message>
    <message>
        <source>It is longer than a name can be (%1 characters).</source>
        <translation>La línea es más larga de lo que puede ser un nombre (%1 caracteres).</translation>
    </message>
    <message>
        <source>It reads as a sentence, not an item.</source>
        <translation>La línea es una frase, no un artículo.</translation>
    </message>
</context>
<context>
    <name>PriceCorrection</name>
    <message>
        <source>Please enter a number from 0 to 9999999 as the price.</source>
        <translation>Introduzca como precio un número de 0 a 9999999.</translation>
    </message>
</context>
<context>
    <name>PricePoints</name>
    <message>
        <source>This catalog keeps no prices per store: it was made by a user who may not add tables to it.</source>
        <translation>Este catálogo no guarda precios por tienda: lo creó un usuario que no puede añadirle tablas.</translation>
    </message>
    <message>
        <source>A price cannot be below zero.</source>
        <translation>Un precio no puede ser menor que cero.</translation>
    </message>
    <message>
        <source>A price needs the store it was seen at.</source>
        <translation>Un precio necesita la tienda donde se vio.</translation>
    </message>
</context>
<context>
    <name>PriceTransfer</name>
    <message>
        <source>Prices should be a list.</source>
        <translation>Prices debería ser una lista.</translation>
    </message>
    <message>
        <source>Price %1 needs a store, a price of 0 or more and the time it was seen.</source>
        <translation>El precio %1 necesita una tienda, un precio de 0 o más y el momento en que se vio.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor tras «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado tras «%1».</translation>
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
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
</context>
<context>
    <name>SqliteCommand</name>
    <message>
        <source>The catalog is not open.</source>
        <translation>El catálogo no está abierto.</translation>
    </message>
</context>
<context>
    <name>SqliteConnection</name>
    <message>
        <source>the SQLite library cannot start</source>
        <translation>la biblioteca SQLite no puede iniciarse</translation>
    </message>
    <message>
        <source>only one statement can be run at a time</source>
        <translation>solo se puede ejecutar una instrucción a la vez</translation>
    </message>
    <message>
        <source>the statement takes %1 values, %2 were given</source>
        <translation>la instrucción admite %1 valores y se dieron %2</translation>
    </message>
</context>
<context>
    <name>SqliteStatementRows</name>
    <message>
        <source>These rows cannot be written.</source>
        <translation>Estas filas no se pueden escribir.</translation>
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
        <translation>bolsa</translation>
    </message>
    <message>
        <source>head</source>
        <translation>ud.</translation>
    </message>
    <message>
        <source>bunch</source>
        <translation>ud.</translation>
    </message>
    <message>
        <source>loaf</source>
        <translation>barra</translation>
    </message>
    <message>
        <source>each</source>
        <translation>ud.</translation>
    </message>
    <message>
        <source>gal</source>
        <translation>l</translation>
    </message>
    <message>
        <source>dozen</source>
        <translation>doc.</translation>
    </message>
    <message>
        <source>carton</source>
        <translation>brick</translation>
    </message>
    <message>
        <source>can</source>
        <translation>lata</translation>
    </message>
    <message>
        <source>bottle</source>
        <translation>bot.</translation>
    </message>
    <message>
        <source>box</source>
        <translation>caja</translation>
    </message>
    <message>
        <source>jar</source>
        <translation>tarro</translation>
    </message>
    <message>
        <source>roll</source>
        <translation>rollo</translation>
    </message>
    <message>
        <source>Produce</source>
        <extracomment>The departments and items are a household&apos;s everyday groceries: name each as shoppers of the country do, or a close local one.</extracomment>
        <translation>Fruta y verdura</translation>
    </message>
    <message>
        <source>Apples</source>
        <translation>Manzanas</translation>
    </message>
    <message>
        <source>Bananas</source>
        <translation>Plátanos</translation>
    </message>
    <message>
        <source>Oranges</source>
        <translation>Naranjas</translation>
    </message>
    <message>
        <source>Lemons</source>
        <translation>Limones</translation>
    </message>
    <message>
        <source>Limes</source>
        <translation>Limas</translation>
    </message>
    <message>
        <source>Grapes</source>
        <translation>Uvas</translation>
    </message>
    <message>
        <source>Strawberries</source>
        <translation>Fresas</translation>
    </message>
    <message>
        <source>Blueberries</source>
        <translation>Arándanos</translation>
    </message>
    <message>
        <source>Avocados</source>
        <translation>Aguacates</translation>
    </message>
    <message>
        <source>Tomatoes</source>
        <translation>Tomates</translation>
    </message>
    <message>
        <source>Potatoes</source>
        <translation>Patatas</translation>
    </message>
    <message>
        <source>Onions</source>
        <translation>Cebollas</translation>
    </message>
    <message>
        <source>Garlic</source>
        <translation>Ajo</translation>
    </message>
    <message>
        <source>Carrots</source>
        <translation>Zanahorias</translation>
    </message>
    <message>
        <source>Celery</source>
        <translation>Apio</translation>
    </message>
    <message>
        <source>Lettuce</source>
        <translation>Lechuga</translation>
    </message>
    <message>
        <source>Spinach</source>
        <translation>Espinacas</translation>
    </message>
    <message>
        <source>Broccoli</source>
        <translation>Brócoli</translation>
    </message>
    <message>
        <source>Cucumbers</source>
        <translation>Pepinos</translation>
    </message>
    <message>
        <source>Bell peppers</source>
        <translation>Pimientos</translation>
    </message>
    <message>
        <source>Mushrooms</source>
        <translation>Champiñones</translation>
    </message>
    <message>
        <source>Zucchini</source>
        <translation>Calabacines</translation>
    </message>
    <message>
        <source>Fresh herbs</source>
        <translation>Hierbas frescas</translation>
    </message>
    <message>
        <source>Bakery</source>
        <translation>Panadería</translation>
    </message>
    <message>
        <source>Bread</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Bagels</source>
        <translation>Bagels</translation>
    </message>
    <message>
        <source>Rolls</source>
        <translation>Panecillos</translation>
    </message>
    <message>
        <source>Tortillas</source>
        <translation>Tortillas de trigo</translation>
    </message>
    <message>
        <source>Pita bread</source>
        <translation>Pan de pita</translation>
    </message>
    <message>
        <source>Muffins</source>
        <translation>Magdalenas</translation>
    </message>
    <message>
        <source>Croissants</source>
        <translation>Cruasanes</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Bizcocho</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Galletas</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Tarta</translation>
    </message>
    <message>
        <source>Deli</source>
        <translation>Charcutería</translation>
    </message>
    <message>
        <source>Sliced ham</source>
        <translation>Jamón cocido</translation>
    </message>
    <message>
        <source>Sliced turkey</source>
        <translation>Pechuga de pavo</translation>
    </message>
    <message>
        <source>Salami</source>
        <translation>Salchichón</translation>
    </message>
    <message>
        <source>Cheddar cheese</source>
        <translation>Queso manchego</translation>
    </message>
    <message>
        <source>Swiss cheese</source>
        <translation>Queso emmental</translation>
    </message>
    <message>
        <source>Hummus</source>
        <translation>Hummus</translation>
    </message>
    <message>
        <source>Olives</source>
        <translation>Aceitunas</translation>
    </message>
    <message>
        <source>Potato salad</source>
        <translation>Ensaladilla rusa</translation>
    </message>
    <message>
        <source>Rotisserie chicken</source>
        <translation>Pollo asado</translation>
    </message>
    <message>
        <source>Coleslaw</source>
        <translation>Ensalada de col</translation>
    </message>
    <message>
        <source>Meat and Fish</source>
        <translation>Carne y pescado</translation>
    </message>
    <message>
        <source>Chicken breasts</source>
        <translation>Pechugas de pollo</translation>
    </message>
    <message>
        <source>Ground beef</source>
        <translation>Carne picada</translation>
    </message>
    <message>
        <source>Steak</source>
        <translation>Filetes de ternera</translation>
    </message>
    <message>
        <source>Pork chops</source>
        <translation>Chuletas de cerdo</translation>
    </message>
    <message>
        <source>Bacon</source>
        <translation>Beicon</translation>
    </message>
    <message>
        <source>Sausages</source>
        <translation>Salchichas</translation>
    </message>
    <message>
        <source>Salmon</source>
        <translation>Salmón</translation>
    </message>
    <message>
        <source>Shrimp</source>
        <translation>Gambas</translation>
    </message>
    <message>
        <source>Tuna steaks</source>
        <translation>Atún fresco</translation>
    </message>
    <message>
        <source>Chicken thighs</source>
        <translation>Muslos de pollo</translation>
    </message>
    <message>
        <source>Dairy</source>
        <translation>Lácteos</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Leche</translation>
    </message>
    <message>
        <source>Butter</source>
        <translation>Mantequilla</translation>
    </message>
    <message>
        <source>Eggs</source>
        <translation>Huevos</translation>
    </message>
    <message>
        <source>Yogurt</source>
        <translation>Yogures</translation>
    </message>
    <message>
        <source>Cream cheese</source>
        <translation>Queso de untar</translation>
    </message>
    <message>
        <source>Sour cream</source>
        <translation>Nata agria</translation>
    </message>
    <message>
        <source>Heavy cream</source>
        <translation>Nata para montar</translation>
    </message>
    <message>
        <source>Shredded cheese</source>
        <translation>Queso rallado</translation>
    </message>
    <message>
        <source>Parmesan</source>
        <translation>Parmesano</translation>
    </message>
    <message>
        <source>Mozzarella</source>
        <translation>Mozzarella</translation>
    </message>
    <message>
        <source>Cottage cheese</source>
        <translation>Requesón</translation>
    </message>
    <message>
        <source>Orange juice</source>
        <translation>Zumo de naranja</translation>
    </message>
    <message>
        <source>Canned Goods</source>
        <translation>Conservas</translation>
    </message>
    <message>
        <source>Canned tomatoes</source>
        <translation>Tomate triturado</translation>
    </message>
    <message>
        <source>Tomato sauce</source>
        <translation>Tomate frito</translation>
    </message>
    <message>
        <source>Black beans</source>
        <translation>Alubias</translation>
    </message>
    <message>
        <source>Chickpeas</source>
        <translation>Garbanzos</translation>
    </message>
    <message>
        <source>Tuna</source>
        <translation>Atún en lata</translation>
    </message>
    <message>
        <source>Soup</source>
        <translation>Sopa</translation>
    </message>
    <message>
        <source>Corn</source>
        <translation>Maíz dulce</translation>
    </message>
    <message>
        <source>Coconut milk</source>
        <translation>Leche de coco</translation>
    </message>
    <message>
        <source>Tomato paste</source>
        <translation>Tomate concentrado</translation>
    </message>
    <message>
        <source>Green beans</source>
        <translation>Judías verdes</translation>
    </message>
    <message>
        <source>Pasta &amp; Grains</source>
        <translation>Pasta y arroz</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Espaguetis</translation>
    </message>
    <message>
        <source>Penne</source>
        <translation>Macarrones</translation>
    </message>
    <message>
        <source>Rice</source>
        <translation>Arroz</translation>
    </message>
    <message>
        <source>Quinoa</source>
        <translation>Quinoa</translation>
    </message>
    <message>
        <source>Oats</source>
        <translation>Copos de avena</translation>
    </message>
    <message>
        <source>Couscous</source>
        <translation>Cuscús</translation>
    </message>
    <message>
        <source>Noodles</source>
        <translation>Fideos</translation>
    </message>
    <message>
        <source>Flour</source>
        <translation>Harina</translation>
    </message>
    <message>
        <source>Bread crumbs</source>
        <translation>Pan rallado</translation>
    </message>
    <message>
        <source>Lentils</source>
        <translation>Lentejas</translation>
    </message>
    <message>
        <source>Baking &amp; Spices</source>
        <translation>Despensa</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Azúcar</translation>
    </message>
    <message>
        <source>Brown sugar</source>
        <translation>Azúcar moreno</translation>
    </message>
    <message>
        <source>Baking soda</source>
        <translation>Bicarbonato</translation>
    </message>
    <message>
        <source>Baking powder</source>
        <translation>Levadura química</translation>
    </message>
    <message>
        <source>Vanilla extract</source>
        <translation>Esencia de vainilla</translation>
    </message>
    <message>
        <source>Salt</source>
        <translation>Sal</translation>
    </message>
    <message>
        <source>Black pepper</source>
        <translation>Pimienta negra</translation>
    </message>
    <message>
        <source>Cinnamon</source>
        <translation>Canela</translation>
    </message>
    <message>
        <source>Paprika</source>
        <translation>Pimentón</translation>
    </message>
    <message>
        <source>Chili powder</source>
        <translation>Guindilla molida</translation>
    </message>
    <message>
        <source>Olive oil</source>
        <translation>Aceite de oliva</translation>
    </message>
    <message>
        <source>Vegetable oil</source>
        <translation>Aceite girasol</translation>
    </message>
    <message>
        <source>Vinegar</source>
        <translation>Vinagre</translation>
    </message>
    <message>
        <source>Cereal &amp; Snacks</source>
        <translation>Snacks y dulces</translation>
    </message>
    <message>
        <source>Cereal</source>
        <translation>Cereales</translation>
    </message>
    <message>
        <source>Granola</source>
        <translation>Granola</translation>
    </message>
    <message>
        <source>Peanut butter</source>
        <translation>Crema de cacahuete</translation>
    </message>
    <message>
        <source>Jam</source>
        <translation>Mermelada</translation>
    </message>
    <message>
        <source>Honey</source>
        <translation>Miel</translation>
    </message>
    <message>
        <source>Maple syrup</source>
        <translation>Sirope de arce</translation>
    </message>
    <message>
        <source>Crackers</source>
        <translation>Galletas saladas</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Patatas fritas</translation>
    </message>
    <message>
        <source>Pretzels</source>
        <translation>Palitos salados</translation>
    </message>
    <message>
        <source>Popcorn</source>
        <translation>Palomitas</translation>
    </message>
    <message>
        <source>Nuts</source>
        <translation>Frutos secos</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolate</translation>
    </message>
    <message>
        <source>Condiments</source>
        <translation>Condimentos</translation>
    </message>
    <message>
        <source>Ketchup</source>
        <translation>Kétchup</translation>
    </message>
    <message>
        <source>Mustard</source>
        <translation>Mostaza</translation>
    </message>
    <message>
        <source>Mayonnaise</source>
        <translation>Mayonesa</translation>
    </message>
    <message>
        <source>Soy sauce</source>
        <translation>Salsa de soja</translation>
    </message>
    <message>
        <source>Hot sauce</source>
        <translation>Salsa picante</translation>
    </message>
    <message>
        <source>Salad dressing</source>
        <translation>Aliño para ensalada</translation>
    </message>
    <message>
        <source>Salsa</source>
        <translation>Salsa mexicana</translation>
    </message>
    <message>
        <source>Pickles</source>
        <translation>Pepinillos</translation>
    </message>
    <message>
        <source>Barbecue sauce</source>
        <translation>Salsa barbacoa</translation>
    </message>
    <message>
        <source>Pesto</source>
        <translation>Pesto</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Bebidas</translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation>Café</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Té</translation>
    </message>
    <message>
        <source>Sparkling water</source>
        <translation>Agua con gas</translation>
    </message>
    <message>
        <source>Soda</source>
        <translation>Refrescos</translation>
    </message>
    <message>
        <source>Juice</source>
        <translation>Zumo de frutas</translation>
    </message>
    <message>
        <source>Beer</source>
        <translation>Cerveza</translation>
    </message>
    <message>
        <source>Wine</source>
        <translation>Vino</translation>
    </message>
    <message>
        <source>Bottled water</source>
        <translation>Agua mineral</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Droguería</translation>
    </message>
    <message>
        <source>Paper towels</source>
        <translation>Papel de cocina</translation>
    </message>
    <message>
        <source>Toilet paper</source>
        <translation>Papel higiénico</translation>
    </message>
    <message>
        <source>Dish soap</source>
        <translation>Lavavajillas</translation>
    </message>
    <message>
        <source>Laundry detergent</source>
        <translation>Detergente</translation>
    </message>
    <message>
        <source>Trash bags</source>
        <translation>Bolsas de basura</translation>
    </message>
    <message>
        <source>Aluminum foil</source>
        <translation>Papel de aluminio</translation>
    </message>
    <message>
        <source>Plastic wrap</source>
        <translation>Film transparente</translation>
    </message>
    <message>
        <source>Sponges</source>
        <translation>Estropajos</translation>
    </message>
    <message>
        <source>Hand soap</source>
        <translation>Jabón de manos</translation>
    </message>
    <message>
        <source>Shampoo</source>
        <translation>Champú</translation>
    </message>
    <message>
        <source>Toothpaste</source>
        <translation>Pasta de dientes</translation>
    </message>
    <message>
        <source>Batteries</source>
        <translation>Pilas</translation>
    </message>
    <message>
        <source>Frozen</source>
        <translation>Congelados</translation>
    </message>
    <message>
        <source>Frozen peas</source>
        <translation>Guisantes congelados</translation>
    </message>
    <message>
        <source>Frozen berries</source>
        <translation>Frutos rojos congelados</translation>
    </message>
    <message>
        <source>Ice cream</source>
        <translation>Helado</translation>
    </message>
    <message>
        <source>Frozen pizza</source>
        <translation>Pizza congelada</translation>
    </message>
    <message>
        <source>Frozen vegetables</source>
        <translation>Verduras congeladas</translation>
    </message>
    <message>
        <source>Fish sticks</source>
        <translation>Palitos de pescado</translation>
    </message>
    <message>
        <source>Frozen fries</source>
        <translation>Patatas congeladas</translation>
    </message>
    <message>
        <source>Ice</source>
        <translation>Hielo</translation>
    </message>
    <message>
        <source>Grocery</source>
        <extracomment>The store the common groceries are in.</extracomment>
        <translation>Supermercado</translation>
    </message>
</context>
<context>
    <name>StoreWalks</name>
    <message>
        <source>A walk belongs to one store.</source>
        <translation>Un recorrido pertenece a una sola tienda.</translation>
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
    <name>TransferColumns</name>
    <message>
        <source>The quantity</source>
        <translation>La cantidad</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number.</source>
        <translation>%1 «%2» no es un número.</translation>
    </message>
    <message>
        <source>%1 should be text.</source>
        <translation>%1 debe ser texto.</translation>
    </message>
    <message>
        <source>%1 holds a NUL character.</source>
        <translation>%1 contiene un carácter NUL.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>The price %1 is out of range.</source>
        <translation>El precio %1 está fuera de rango.</translation>
    </message>
    <message>
        <source>%1 %2 is not a whole number in range.</source>
        <translation>%1 %2 no es un número entero dentro del rango.</translation>
    </message>
    <message>
        <source>%1 %2 is out of range (%3 to %4).</source>
        <translation>%1 %2 está fuera de rango (%3 a %4).</translation>
    </message>
</context>
<context>
    <name>TransferCommand</name>
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
    <message>
        <source>Import 1 item from %1: done.</source>
        <translation>Importación de 1 artículo de %1: hecho.</translation>
    </message>
    <message>
        <source>Import %1 items from %2: done.</source>
        <translation>Importación de %1 artículos de %2: hecho.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n items to %1.</source>
        <translation>
            <numerusform>%n artículo exportado a %1.</numerusform>
            <numerusform>%n artículos exportados a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>--columns is for a CSV file.</source>
        <translation>--columns es solo para un archivo CSV.</translation>
    </message>
    <message>
        <source>Say which column is which with --columns, such as:</source>
        <translation>Indique con --columns qué columna es cada una, por ejemplo:</translation>
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
        <translation>Listas (*.csv *.json *.txt *.md);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>The catalog was not exported.</source>
        <translation>El catálogo no se exportó.</translation>
    </message>
    <message>
        <source>1 item exported to %1.</source>
        <translation>1 artículo exportado a %1.</translation>
    </message>
    <message>
        <source>%1 items exported to %2.</source>
        <translation>%1 artículos exportados a %2.</translation>
    </message>
    <message>
        <source>%1 cannot be imported.
%2</source>
        <translation>No se puede importar %1.
%2</translation>
    </message>
    <message>
        <source>The clipboard holds no list to paste: copy some lines, one item each, then choose Paste List again.</source>
        <translation>El portapapeles no contiene ninguna lista para pegar: copie algunas líneas, un artículo por línea, y elija de nuevo «Pegar lista».</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>portapapeles</translation>
    </message>
</context>
<context>
    <name>TransferFile</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>a plain list</source>
        <translation>una lista simple</translation>
    </message>
    <message>
        <source>an unknown format</source>
        <translation>un formato desconocido</translation>
    </message>
    <message>
        <source>CSV with columns of its own</source>
        <translation>CSV con columnas propias</translation>
    </message>
</context>
<context>
    <name>TransferReader</name>
    <message>
        <source>a picture (PNG)</source>
        <translation>una imagen (PNG)</translation>
    </message>
    <message>
        <source>a picture (JPEG)</source>
        <translation>una imagen (JPEG)</translation>
    </message>
    <message>
        <source>a picture (GIF)</source>
        <translation>una imagen (GIF)</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>un archivo ZIP</translation>
    </message>
    <message>
        <source>a picture (TIFF)</source>
        <translation>una imagen (TIFF)</translation>
    </message>
    <message>
        <source>a picture (WebP)</source>
        <translation>una imagen (WebP)</translation>
    </message>
    <message>
        <source>not text</source>
        <translation>algo que no es texto</translation>
    </message>
    <message>
        <source>The line is not valid UTF-8 text.</source>
        <translation>La línea no es texto UTF-8 válido.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>The file is too large for a list (%1 MB).</source>
        <translation>El archivo es demasiado grande para una lista (%1 MB).</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is not valid UTF-16 text.</source>
        <translation>El archivo no es texto UTF-16 válido.</translation>
    </message>
    <message>
        <source>The file is %1, not a list.</source>
        <translation>El archivo es %1, no una lista.</translation>
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
