<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>Editor de paneles LED segmentados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Version 
</source>
        <translation>Versión 
</translation>
    </message>
    <message>
        <source>  KamdelEditor: %1
</source>
        <translation>  KamdelEditor: %1
</translation>
    </message>
    <message>
        <source>  KamdelDocument: %1
</source>
        <translation>  KamdelDocument: %1
</translation>
    </message>
</context>
<context>
    <name>AbstractDocument</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 se ha modificado.
¿Desea guardar los cambios?</translation>
    </message>
</context>
<context>
    <name>AbstractLedPanelScene</name>
    <message>
        <source>Paint</source>
        <translation>Pintar</translation>
    </message>
    <message>
        <source>Ring %1, position %2</source>
        <translation>Anillo %1, posición %2</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Anillo %1</translation>
    </message>
    <message>
        <source>%1, on</source>
        <translation>%1, encendido</translation>
    </message>
    <message>
        <source>%1, off</source>
        <translation>%1, apagado</translation>
    </message>
</context>
<context>
    <name>AnimationExport</name>
    <message>
        <source>The program shows no frame.</source>
        <translation>El programa no muestra ningún fotograma.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>AnimationImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (%2).</source>
        <translation>%1 está truncado o dañado (%2).</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; pictures up to %4 x %4 pixels can be imported.</source>
        <translation>%1 mide %2 x %3 píxeles; se pueden importar imágenes de hasta %4 x %4 píxeles.</translation>
    </message>
    <message>
        <source>%1 holds more frames than can be imported (at most %2).</source>
        <translation>%1 contiene más fotogramas de los que se pueden importar (como máximo %2).</translation>
    </message>
    <message>
        <source>%1 holds too many pixels to import.</source>
        <translation>%1 contiene demasiados píxeles para importarlo.</translation>
    </message>
    <message>
        <source>Not enough memory to read %1.</source>
        <translation>No hay memoria suficiente para leer %1.</translation>
    </message>
    <message>
        <source>%1 is a progressive JPEG of %2 scans; at most %3 are read.</source>
        <translation>%1 es un JPEG progresivo de %2 pasadas; se leen como máximo %3.</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it has no pixels).</source>
        <translation>%1 está truncado o dañado (no tiene píxeles).</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (a frame has no colours).</source>
        <translation>%1 está truncado o dañado (un fotograma no tiene colores).</translation>
    </message>
    <message>
        <source>%1 holds no picture.</source>
        <translation>%1 no contiene ninguna imagen.</translation>
    </message>
    <message>
        <source>Pictures (*.gif *.png *.jpg *.jpeg *.bmp);;All files (*)</source>
        <translation>Imágenes (*.gif *.png *.jpg *.jpeg *.bmp);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>No picture was given.</source>
        <translation>No se indicó ninguna imagen.</translation>
    </message>
    <message>
        <source>%1 is a link that leads nowhere.</source>
        <translation>%1 es un enlace que no lleva a ninguna parte.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 no es un archivo de imagen.</translation>
    </message>
    <message>
        <source>%1 is too large to import.</source>
        <translation>%1 es demasiado grande para importarlo.</translation>
    </message>
    <message>
        <source>%1 is not a picture: GIF, PNG, JPEG and BMP pictures can be imported.</source>
        <translation>%1 no es una imagen: se pueden importar imágenes GIF, PNG, JPEG y BMP.</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it ends too early).</source>
        <translation>%1 está truncado o dañado (termina antes de tiempo).</translation>
    </message>
</context>
<context>
    <name>BoardLegend</name>
    <message>
        <source>Board legend</source>
        <translation>Leyenda de la placa</translation>
    </message>
    <message>
        <source>Yellow: the LED is on in the frame shown.</source>
        <translation>Amarillo: el LED está encendido en el fotograma mostrado.</translation>
    </message>
    <message>
        <source>Dark grey: the LED is off in the frame shown.</source>
        <translation>Gris oscuro: el LED está apagado en el fotograma mostrado.</translation>
    </message>
    <message>
        <source>Blue left half ring: the LED is on in the previous frame.</source>
        <translation>Medio anillo azul a la izquierda: el LED está encendido en el fotograma anterior.</translation>
    </message>
    <message>
        <source>Red right half ring: the LED is on in the next frame.</source>
        <translation>Medio anillo rojo a la derecha: el LED está encendido en el fotograma siguiente.</translation>
    </message>
    <message>
        <source>Both halves: on before and after; here also on in the frame shown.</source>
        <translation>Ambas mitades: encendido antes y después; aquí también encendido en el fotograma mostrado.</translation>
    </message>
    <message>
        <source>The half rings show while Adjacent is ticked in the board&apos;s menu (right click on the board). A frame without a frame before or after it shows only one half.</source>
        <translation>Los medios anillos se muestran mientras Adyacentes está marcado en el menú de la placa (clic derecho sobre la placa). Un fotograma sin fotograma anterior o siguiente muestra solo una mitad.</translation>
    </message>
</context>
<context>
    <name>CallWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>CommandTreeMenu</name>
    <message>
        <source>Collection</source>
        <translation>Colección</translation>
    </message>
    <message>
        <source>LedState</source>
        <translation>LedState</translation>
    </message>
    <message>
        <source>LedStates</source>
        <translation>LedStates</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Llamada</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retorno</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reinicio</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Añadir al final</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Quitar elemento</translation>
    </message>
    <message>
        <source>Edit as table</source>
        <translation>Editar como tabla</translation>
    </message>
    <message>
        <source>Cut Frames</source>
        <translation>Cortar fotogramas</translation>
    </message>
    <message>
        <source>Copy Frames</source>
        <translation>Copiar fotogramas</translation>
    </message>
    <message>
        <source>Paste Frames</source>
        <translation>Pegar fotogramas</translation>
    </message>
    <message>
        <source>Import sequence...</source>
        <translation>Importar secuencia...</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>Importar animación...</translation>
    </message>
    <message>
        <source>Export sequence...</source>
        <translation>Exportar secuencia...</translation>
    </message>
</context>
<context>
    <name>CommandTreeView</name>
    <message>
        <source>Insert LedState items</source>
        <translation>Insertar elementos LedState</translation>
    </message>
    <message>
        <source>Append LedState items</source>
        <translation>Añadir elementos LedState al final</translation>
    </message>
    <message>
        <source>Insert %1 Frames</source>
        <translation>Insertar %1 fotogramas</translation>
    </message>
    <message>
        <source>Append %1 Frames</source>
        <translation>Añadir %1 fotogramas al final</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Número:</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n fotograma</numerusform>
            <numerusform>%n fotogramas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation>
            <numerusform>%n unidad</numerusform>
            <numerusform>%n unidades</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
</context>
<context>
    <name>DocumentEdits</name>
    <message>
        <source>Set LED</source>
        <translation>Cambiar LED</translation>
    </message>
    <message>
        <source>Edit LEDs</source>
        <translation>Editar LED</translation>
    </message>
    <message>
        <source>The document would hold %L1 frames; a document holds at most %L2.</source>
        <translation>El documento tendría %L1 fotogramas; un documento admite como máximo %L2.</translation>
    </message>
</context>
<context>
    <name>DocumentHost</name>
    <message>
        <source>The recovery copy of %1 cannot be read. It is kept at %2.</source>
        <translation>No se puede leer la copia de recuperación de %1. Se conserva en %2.</translation>
    </message>
    <message>
        <source>The recovery copy of %1 could be read only in part; what was read is shown. The copy is kept at %2.</source>
        <translation>La copia de recuperación de %1 solo se pudo leer en parte; se muestra lo que se leyó. La copia se conserva en %2.</translation>
    </message>
    <message>
        <source>Document loaded</source>
        <translation>Documento cargado</translation>
    </message>
    <message>
        <source>Example opened</source>
        <translation>Ejemplo abierto</translation>
    </message>
    <message>
        <source>Unknown file %1!</source>
        <translation>¡Archivo desconocido %1!</translation>
    </message>
    <message>
        <source>Document saved</source>
        <translation>Documento guardado</translation>
    </message>
</context>
<context>
    <name>DropHandler</name>
    <message>
        <source>Drop to open %1.</source>
        <translation>Suelte para abrir %1.</translation>
    </message>
    <message>
        <source>Drop to add the frames of %1 after the current frame.</source>
        <translation>Suelte para añadir los fotogramas de %1 tras el fotograma actual.</translation>
    </message>
    <message>
        <source>Open or create a document first to add the frames of %1.</source>
        <translation>Abra o cree primero un documento para añadir los fotogramas de %1.</translation>
    </message>
    <message>
        <source>The window takes a panel document (.xml) to open, or a sequence file (.csv) whose frames go after the current frame.</source>
        <translation>La ventana acepta un documento de panel (.xml) para abrirlo, o un archivo de secuencia (.csv) cuyos fotogramas van tras el fotograma actual.</translation>
    </message>
    <message>
        <source>Added %1 LED frames from %2.</source>
        <translation>Se añadieron %1 fotogramas LED de %2.</translation>
    </message>
    <message>
        <source>This cannot be dropped here.</source>
        <translation>Esto no se puede soltar aquí.</translation>
    </message>
    <message>
        <source>%1 cannot be dropped here.</source>
        <translation>%1 no se puede soltar aquí.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>No se puede leer el archivo %1:
%2.</translation>
    </message>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 no es un archivo de secuencia.</translation>
    </message>
    <message>
        <source>The document takes no frames.</source>
        <translation>El documento no admite fotogramas.</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>Importar secuencia</translation>
    </message>
    <message>
        <source>The document has no program to take the frames.</source>
        <translation>El documento no tiene ningún programa que reciba los fotogramas.</translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>The editor did not end normally while %1 had unsaved changes.
Restore the copy kept at %2?

Cancel keeps the copy for the next start.</source>
        <translation>El editor no terminó con normalidad mientras %1 tenía cambios sin guardar.
¿Restaurar la copia conservada en %2?

Cancelar conserva la copia para el próximo inicio.</translation>
    </message>
    <message>
        <source>A program is being written to the panel.
Stop writing and close? The panel then holds an incomplete program.</source>
        <translation>Se está escribiendo un programa en el panel.
¿Detener la escritura y cerrar? El panel quedará con un programa incompleto.</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>The number of frames must lie between 1 and %1.</source>
        <translation>El número de fotogramas debe estar entre 1 y %1.</translation>
    </message>
    <message>
        <source>The number of heads must divide 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 or 48).</source>
        <translation>El número de cabezas debe dividir a 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 o 48).</translation>
    </message>
    <message>
        <source>The length must lie between 1 and %1 (48 / heads).</source>
        <translation>La longitud debe estar entre 1 y %1 (48 / cabezas).</translation>
    </message>
    <message>
        <source>The direction must be 1 or -1.</source>
        <translation>La dirección debe ser 1 o -1.</translation>
    </message>
    <message>
        <source>The LEDs per frame must be at least 1.</source>
        <translation>Los LED por fotograma deben ser al menos 1.</translation>
    </message>
    <message>
        <source>The width must lie between 1 and 4 rings.</source>
        <translation>El ancho debe estar entre 1 y 4 anillos.</translation>
    </message>
    <message>
        <source>There is no frame to start from: show one on the board.</source>
        <translation>No hay fotograma del que partir: muestre uno en la placa.</translation>
    </message>
    <message>
        <source>There is no frame to end at.</source>
        <translation>No hay fotograma en el que terminar.</translation>
    </message>
    <message>
        <source>The number of blinks must lie between 1 and %1.</source>
        <translation>El número de parpadeos debe estar entre 1 y %1.</translation>
    </message>
    <message>
        <source>The density must lie between 0 and 100 percent.</source>
        <translation>La densidad debe estar entre el 0 y el 100 por ciento.</translation>
    </message>
    <message>
        <source>Turned by %1 positions the frame looks the same: the spin has no frames.</source>
        <translation>Girado %1 posiciones, el fotograma se ve igual: el giro no tiene fotogramas.</translation>
    </message>
    <message>
        <source>Unknown effect.</source>
        <translation>Efecto desconocido.</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>Persecución</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Parpadeo</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Disolución</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Centelleo</translation>
    </message>
</context>
<context>
    <name>ExamplesMenu</name>
    <message>
        <source>Comet and fill</source>
        <translation>Cometa y relleno</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>Latido</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Campo de estrellas</translation>
    </message>
    <message>
        <source>Comet slowing over a drawn ring</source>
        <translation>Cometa que frena sobre un anillo dibujado</translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation>Anillo de progreso</translation>
    </message>
    <message>
        <source>Ripple pulse</source>
        <translation>Pulso en onda</translation>
    </message>
    <message>
        <source>Dissolve between patterns</source>
        <translation>Disolución entre patrones</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Open the example as a new document</source>
        <translation>Abrir el ejemplo como documento nuevo</translation>
    </message>
</context>
<context>
    <name>ExportAnimationDialog</name>
    <message>
        <source>Export animation</source>
        <translation>Exportar animación</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Fotogramas:</translation>
    </message>
    <message>
        <source>How many frames to draw; at most 1000</source>
        <translation>Cuántos fotogramas dibujar; como máximo 1000</translation>
    </message>
    <message>
        <source>Until the program holds or repeats</source>
        <translation>Hasta que el programa se detenga o se repita</translation>
    </message>
    <message>
        <source>Time per frame:</source>
        <translation>Tiempo por fotograma:</translation>
    </message>
    <message>
        <source>Most viewers show shorter times than 20 ms much slower, so 20 ms is the shortest</source>
        <translation>La mayoría de los visores muestran los tiempos menores de 20 ms mucho más lentos, así que 20 ms es el mínimo</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Seen from:</source>
        <translation>Vista desde:</translation>
    </message>
    <message>
        <source>Top side</source>
        <translation>Cara superior</translation>
    </message>
    <message>
        <source>Bottom side</source>
        <translation>Cara inferior</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>No document is open: there is nothing to import into.</source>
        <translation>No hay ningún documento abierto: no hay dónde importar.</translation>
    </message>
    <message>
        <source>%1 frames imported</source>
        <translation>%1 fotogramas importados</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to export.</source>
        <translation>No hay ningún documento abierto: no hay nada que exportar.</translation>
    </message>
    <message>
        <source>Export animation</source>
        <translation>Exportar animación</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animado (*.gif)</translation>
    </message>
    <message>
        <source>%1 frames exported to %2</source>
        <translation>%1 fotogramas exportados a %2</translation>
    </message>
    <message>
        <source>No frame is shown: pick one in the tree.</source>
        <translation>No se muestra ningún fotograma: elija uno en el árbol.</translation>
    </message>
    <message>
        <source>Export frame as PNG</source>
        <translation>Exportar fotograma como PNG</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Frame exported to %1</source>
        <translation>Fotograma exportado a %1</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>The firmware file does not exist.</source>
        <translation>El archivo de firmware no existe.</translation>
    </message>
    <message>
        <source>The firmware file is not a regular file (it is a folder, a device or a pipe).</source>
        <translation>El archivo de firmware no es un archivo normal (es una carpeta, un dispositivo o una tubería).</translation>
    </message>
    <message>
        <source>The firmware file is larger than 16 MiB, more than any device holds.</source>
        <translation>El archivo de firmware ocupa más de 16 MiB, más de lo que cabe en cualquier dispositivo.</translation>
    </message>
    <message>
        <source>Cannot read the firmware file: %1.</source>
        <translation>No se puede leer el archivo de firmware: %1.</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>more data than any device holds (over 2.25 MiB)</source>
        <translation>más datos de los que caben en cualquier dispositivo (más de 2,25 MiB)</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>You may need to be a member of the group &quot;%1&quot; that owns %2 (log in again after joining it).</source>
        <translation>Puede que necesite ser miembro del grupo &quot;%1&quot; propietario de %2 (vuelva a iniciar sesión después de unirse).</translation>
    </message>
    <message>
        <source>Serial port %1 (%2) is active!</source>
        <translation>¡El puerto serie %1 (%2) está activo!</translation>
    </message>
    <message>
        <source>Open serial port %1 (%2).</source>
        <translation>Abrir puerto serie %1 (%2).</translation>
    </message>
    <message>
        <source>Cannot open serial port %1! Error: %2</source>
        <translation>¡No se puede abrir el puerto serie %1! Error: %2</translation>
    </message>
    <message>
        <source>Enter MPU flasher.</source>
        <translation>Entrar en el programador de la MPU.</translation>
    </message>
    <message>
        <source>Close serial port.</source>
        <translation>Cerrar puerto serie.</translation>
    </message>
    <message>
        <source>Finished successfully!</source>
        <translation>¡Terminado correctamente!</translation>
    </message>
    <message>
        <source>Flashing canceled.</source>
        <translation>Grabación cancelada.</translation>
    </message>
    <message>
        <source>Finished with error!</source>
        <translation>¡Terminado con errores!</translation>
    </message>
    <message>
        <source>The device holds no valid application now.</source>
        <translation>El dispositivo ya no contiene ninguna aplicación válida.</translation>
    </message>
    <message>
        <source>Its boot loader is still there: flash it again.</source>
        <translation>Su cargador de arranque sigue ahí: vuelva a grabarlo.</translation>
    </message>
    <message>
        <source>The device was not changed.</source>
        <translation>El dispositivo no se modificó.</translation>
    </message>
    <message>
        <source>Invalid device application code file!</source>
        <translation>¡Archivo de código de aplicación del dispositivo no válido!</translation>
    </message>
    <message>
        <source>The file holds no data.</source>
        <translation>El archivo no contiene datos.</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Advertencia: %1</translation>
    </message>
    <message>
        <source>Address %1 lies outside the memory of the device (allowed: %2).</source>
        <translation>La dirección %1 está fuera de la memoria del dispositivo (permitido: %2).</translation>
    </message>
    <message>
        <source>The device was not touched.</source>
        <translation>No se tocó el dispositivo.</translation>
    </message>
    <message>
        <source>1 byte at %1</source>
        <translation>1 byte en %1</translation>
    </message>
    <message>
        <source>%1 bytes at %2-%3</source>
        <translation>%1 bytes en %2-%3</translation>
    </message>
    <message>
        <source>The image writes %1, above the application, where the boot loader keeps the interrupt vectors. A boot loader that guards itself refuses them and flashing fails after the erase; one that does not may be overwritten.</source>
        <translation>La imagen escribe %1, por encima de la aplicación, donde el cargador de arranque guarda los vectores de interrupción. Un cargador de arranque que se protege a sí mismo los rechaza y la grabación falla tras el borrado; uno que no lo hace puede quedar sobrescrito.</translation>
    </message>
    <message>
        <source>Write them anyway?</source>
        <translation>¿Escribirlos de todos modos?</translation>
    </message>
    <message>
        <source>Verify device.</source>
        <translation>Verificar dispositivo.</translation>
    </message>
    <message>
        <source>Invalid device version!</source>
        <translation>¡Versión de dispositivo no válida!</translation>
    </message>
    <message>
        <source>Erase device.</source>
        <translation>Borrar dispositivo.</translation>
    </message>
    <message>
        <source>Cannot erase device!</source>
        <translation>¡No se puede borrar el dispositivo!</translation>
    </message>
    <message>
        <source>Write device application code.</source>
        <translation>Escribir el código de aplicación del dispositivo.</translation>
    </message>
    <message>
        <source>Cannot flash device!</source>
        <translation>¡No se puede grabar el dispositivo!</translation>
    </message>
    <message>
        <source>Jump to the application.</source>
        <translation>Saltar a la aplicación.</translation>
    </message>
</context>
<context>
    <name>FrameEditor</name>
    <message>
        <source>Add frame</source>
        <translation>Añadir fotograma</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Girar en sentido horario</translation>
    </message>
    <message>
        <source>Rotate counter-clockwise</source>
        <translation>Girar en sentido antihorario</translation>
    </message>
    <message>
        <source>Mirror left-right</source>
        <translation>Reflejar izquierda-derecha</translation>
    </message>
    <message>
        <source>Mirror top-bottom</source>
        <translation>Reflejar arriba-abajo</translation>
    </message>
    <message>
        <source>Rings outward</source>
        <translation>Anillos hacia fuera</translation>
    </message>
    <message>
        <source>Rings inward</source>
        <translation>Anillos hacia dentro</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Generar...</translation>
    </message>
    <message>
        <source>Hold...</source>
        <translation>Mantener...</translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation>Repetir...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Orden inverso</translation>
    </message>
    <message>
        <source>Ping-pong</source>
        <translation>Ida y vuelta</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Reflejar</translation>
    </message>
    <message>
        <source>Rings Outward</source>
        <translation>Anillos hacia fuera</translation>
    </message>
    <message>
        <source>Rings Inward</source>
        <translation>Anillos hacia dentro</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Copies of the current frame:</source>
        <translation>Copias del fotograma actual:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Times to repeat the selected frames:</source>
        <translation>Veces que repetir los fotogramas seleccionados:</translation>
    </message>
    <message>
        <source>nowhere: the document has no Program</source>
        <translation>en ningún sitio: el documento no tiene Programa</translation>
    </message>
    <message>
        <source>at the start of %1</source>
        <translation>al inicio de %1</translation>
    </message>
    <message>
        <source>at the end, after frame #%1</source>
        <translation>al final, tras el fotograma #%1</translation>
    </message>
    <message>
        <source>after frame #%1</source>
        <translation>tras el fotograma #%1</translation>
    </message>
    <message>
        <source>Generate %1</source>
        <translation>Generar %1</translation>
    </message>
</context>
<context>
    <name>FrameNumberDelegate</name>
    <message>
        <source>#%1 %2</source>
        <translation>#%1 %2</translation>
    </message>
</context>
<context>
    <name>FrameTransfers</name>
    <message>
        <source>Select the LED frames to copy.</source>
        <translation>Seleccione los fotogramas LED que copiar.</translation>
    </message>
    <message>
        <source>Copied %1 LED frames.</source>
        <translation>Se copiaron %1 fotogramas LED.</translation>
    </message>
    <message>
        <source>Cut %1 Frames</source>
        <translation>Cortar %1 fotogramas</translation>
    </message>
    <message>
        <source>The clipboard holds no LED frames.</source>
        <translation>El portapapeles no contiene fotogramas LED.</translation>
    </message>
    <message>
        <source>Paste %1 Frames</source>
        <translation>Pegar %1 fotogramas</translation>
    </message>
    <message>
        <source>Pasted %1 LED frames.</source>
        <translation>Se pegaron %1 fotogramas LED.</translation>
    </message>
    <message>
        <source>Import sequence</source>
        <translation>Importar secuencia</translation>
    </message>
    <message>
        <source>No LED frames found in %1.</source>
        <translation>No se encontraron fotogramas LED en %1.</translation>
    </message>
    <message>
        <source>Imported %1 LED frames from %2.</source>
        <translation>Se importaron %1 fotogramas LED de %2.</translation>
    </message>
    <message>
        <source>Export sequence</source>
        <translation>Exportar secuencia</translation>
    </message>
    <message>
        <source>Exported %1 LED frames to %2.</source>
        <translation>Se exportaron %1 fotogramas LED a %2.</translation>
    </message>
</context>
<context>
    <name>FunctionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate frames</source>
        <translation>Generar fotogramas</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Preajuste:</translation>
    </message>
    <message>
        <source>Choose one to fill the page with its parameters</source>
        <translation>Elija uno para rellenar la página con sus parámetros</translation>
    </message>
    <message>
        <source>Save preset...</source>
        <translation>Guardar preajuste...</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Eliminar preajuste</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>Persecución</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Parpadeo</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Disolución</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Centelleo</translation>
    </message>
    <message>
        <source>Rings:</source>
        <translation>Anillos:</translation>
    </message>
    <message>
        <source>R1</source>
        <translation>R1</translation>
    </message>
    <message>
        <source>R2</source>
        <translation>R2</translation>
    </message>
    <message>
        <source>R3</source>
        <translation>R3</translation>
    </message>
    <message>
        <source>R4</source>
        <translation>R4</translation>
    </message>
    <message>
        <source>Positions per frame:</source>
        <translation>Posiciones por fotograma:</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sentido horario</translation>
    </message>
    <message>
        <source>Ease:</source>
        <translation>Ritmo:</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Uniforme</translation>
    </message>
    <message>
        <source>Speeding up</source>
        <translation>Acelerando</translation>
    </message>
    <message>
        <source>Slowing down</source>
        <translation>Frenando</translation>
    </message>
    <message>
        <source>Speeding up, then slowing down</source>
        <translation>Acelerando y luego frenando</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Heads:</source>
        <translation>Cabezas:</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>48</source>
        <translation>48</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Fotogramas:</translation>
    </message>
    <message>
        <source>Start position:</source>
        <translation>Posición inicial:</translation>
    </message>
    <message>
        <source>LEDs per frame:</source>
        <translation>LED por fotograma:</translation>
    </message>
    <message>
        <source>Then empty</source>
        <translation>Después vacío</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Outward</source>
        <translation>Hacia fuera</translation>
    </message>
    <message>
        <source>Inward</source>
        <translation>Hacia dentro</translation>
    </message>
    <message>
        <source>Width in rings:</source>
        <translation>Ancho en anillos:</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Rebote</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Veces:</translation>
    </message>
    <message>
        <source>Invert instead of dark</source>
        <translation>Invertir en vez de apagar</translation>
    </message>
    <message>
        <source>To frame:</source>
        <translation>Hasta el fotograma:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semilla:</translation>
    </message>
    <message>
        <source>Density:</source>
        <translation>Densidad:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Density at the end:</source>
        <translation>Densidad al final:</translation>
    </message>
    <message>
        <source>As at the start</source>
        <translation>Igual que al inicio</translation>
    </message>
    <message>
        <source>Where the frames go</source>
        <translation>Dónde van los fotogramas</translation>
    </message>
    <message>
        <source>Combine:</source>
        <translation>Combinar:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sustituir</translation>
    </message>
    <message>
        <source>Add (light where either is lit)</source>
        <translation>Sumar (encender donde cualquiera esté encendido)</translation>
    </message>
    <message>
        <source>Remove (darken where the effect is lit)</source>
        <translation>Quitar (apagar donde el efecto esté encendido)</translation>
    </message>
    <message>
        <source>Toggle (flip where the effect is lit)</source>
        <translation>Alternar (invertir donde el efecto esté encendido)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Guardar preajuste</translation>
    </message>
    <message>
        <source>Name of the %1 preset:</source>
        <translation>Nombre del preajuste de %1:</translation>
    </message>
    <message>
        <source>%1 is a shipped preset and stays as it is; choose another name.</source>
        <translation>%1 es un preajuste incluido y no se modifica; elija otro nombre.</translation>
    </message>
    <message>
        <source>A preset named %1 exists. Replace it?</source>
        <translation>Ya existe un preajuste llamado %1. ¿Sustituirlo?</translation>
    </message>
    <message>
        <source>Insert after #%1</source>
        <translation>Insertar tras #%1</translation>
    </message>
    <message>
        <source>Insert after the shown frame</source>
        <translation>Insertar tras el fotograma mostrado</translation>
    </message>
    <message>
        <source>Over the frames from #%1</source>
        <translation>Sobre los fotogramas desde #%1</translation>
    </message>
    <message>
        <source>Over the shown frame</source>
        <translation>Sobre el fotograma mostrado</translation>
    </message>
    <message>
        <source>At the end of the %1</source>
        <translation>Al final de %1</translation>
    </message>
    <message>
        <source>Keep the other rings of #%1</source>
        <translation>Conservar los demás anillos de #%1</translation>
    </message>
    <message>
        <source>Keep the other rings</source>
        <translation>Conservar los demás anillos</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2, and %3 more at the end.</source>
        <translation>Los fotogramas van sobre los fotogramas #%1 a #%2, y %3 más al final.</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2.</source>
        <translation>Los fotogramas van sobre los fotogramas #%1 a #%2.</translation>
    </message>
    <message>
        <source>The frames go at the end, after frame #%1.</source>
        <translation>Los fotogramas van al final, tras el fotograma #%1.</translation>
    </message>
    <message>
        <source>The frames go at the end.</source>
        <translation>Los fotogramas van al final.</translation>
    </message>
    <message>
        <source>The frames go after frame #%1.</source>
        <translation>Los fotogramas van tras el fotograma #%1.</translation>
    </message>
    <message>
        <source>With %1 more the document takes %2 of %3 bytes.</source>
        <translation>Con %1 más, el documento ocupa %2 de %3 bytes.</translation>
    </message>
    <message>
        <source>%1 bytes more than the panel&apos;s program memory: the program cannot be written until it is smaller.</source>
        <translation>%1 bytes más que la memoria de programa del panel: el programa no se puede escribir hasta que sea más pequeño.</translation>
    </message>
    <message>
        <source>No frames</source>
        <translation>Sin fotogramas</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Fotograma %1 de %2</translation>
    </message>
</context>
<context>
    <name>GeneratePresets</name>
    <message>
        <source>Comet</source>
        <translation>Cometa</translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation>Anillo de progreso</translation>
    </message>
    <message>
        <source>Pulse out</source>
        <translation>Pulso hacia fuera</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>Latido</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Campo de estrellas</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>How to draw frames, play them and write them to a panel</source>
        <translation>Cómo dibujar fotogramas, reproducirlos y escribirlos en un panel</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>List the keys of every command</source>
        <translation>Lista las teclas de cada comando</translation>
    </message>
    <message>
        <source>Board legend</source>
        <translation>Leyenda de la placa</translation>
    </message>
    <message>
        <source>What the marks and colours on the board mean</source>
        <translation>Qué significan las marcas y los colores de la placa</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>The file has no end mark &apos;q&apos;; check that it is complete.</source>
        <translation>El archivo no tiene la marca final &apos;q&apos;; compruebe que está completo.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
</context>
<context>
    <name>ImportAnimationDialog</name>
    <message>
        <source>Import animation</source>
        <translation>Importar animación</translation>
    </message>
    <message>
        <source>Lit from brightness:</source>
        <translation>Encendido desde el brillo:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Invert (dark parts lit)</source>
        <translation>Invertir (partes oscuras encendidas)</translation>
    </message>
    <message>
        <source>Board seen from:</source>
        <translation>Placa vista desde:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>First frame:</source>
        <translation>Primer fotograma:</translation>
    </message>
    <message>
        <source>Number of frames:</source>
        <translation>Número de fotogramas:</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>La imagen</translation>
    </message>
    <message>
        <source>The LED frame it gives</source>
        <translation>El fotograma LED resultante</translation>
    </message>
    <message>
        <source>At the end of the Program</source>
        <translation>Al final del Programa</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Fotograma %1 de %2</translation>
    </message>
    <message>
        <source>No preview of this frame</source>
        <translation>Sin vista previa de este fotograma</translation>
    </message>
    <message>
        <source>The frames go %1.</source>
        <translation>Los fotogramas van %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>Importar animación</translation>
    </message>
    <message>
        <source>The document takes no more frames.</source>
        <translation>El documento no admite más fotogramas.</translation>
    </message>
</context>
<context>
    <name>IntelHexReader</name>
    <message>
        <source>more than 16 MiB of text</source>
        <translation>más de 16 MiB de texto</translation>
    </message>
    <message>
        <source>record after the end-of-file record</source>
        <translation>registro tras el registro de fin de archivo</translation>
    </message>
    <message>
        <source>no end-of-file record</source>
        <translation>no hay registro de fin de archivo</translation>
    </message>
    <message>
        <source>record does not start with &apos;:&apos;</source>
        <translation>el registro no empieza por &apos;:&apos;</translation>
    </message>
    <message>
        <source>record is too short or has an odd number of digits</source>
        <translation>el registro es demasiado corto o tiene un número impar de dígitos</translation>
    </message>
    <message>
        <source>record is longer than 255 data bytes allow</source>
        <translation>el registro es más largo de lo que permiten 255 bytes de datos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hexadecimal digit</source>
        <translation>&apos;%1&apos; no es un dígito hexadecimal</translation>
    </message>
    <message>
        <source>length %1 does not match the record</source>
        <translation>la longitud %1 no coincide con el registro</translation>
    </message>
    <message>
        <source>checksum %1 should be %2</source>
        <translation>la suma de comprobación %1 debería ser %2</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>la dirección %1 está fuera del espacio de direcciones de 24 bits</translation>
    </message>
    <message>
        <source>end-of-file record carries data</source>
        <translation>el registro de fin de archivo contiene datos</translation>
    </message>
    <message>
        <source>address record must carry two bytes</source>
        <translation>el registro de dirección debe contener dos bytes</translation>
    </message>
    <message>
        <source>start address record must carry four bytes</source>
        <translation>el registro de dirección de inicio debe contener cuatro bytes</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>tipo de registro desconocido %1</translation>
    </message>
</context>
<context>
    <name>ItemSummary</name>
    <message>
        <source>The program is what the panel runs, command by command, when it starts and after a Reset.</source>
        <translation>El programa es lo que ejecuta el panel, comando a comando, al arrancar y tras un Reinicio.</translation>
    </message>
    <message>
        <source>A function holds commands that Calls run, ending with a Return; its commands take %1.</source>
        <translation>Una función contiene comandos que ejecutan las Llamadas y termina con un Retorno; sus comandos ocupan %1.</translation>
    </message>
    <message>
        <source>A Call runs the commands of a function and comes back, though its target is not filled in yet, so the panel passes over it; it takes %1.</source>
        <translation>Una Llamada ejecuta los comandos de una función y vuelve, pero su destino aún no está indicado, así que el panel la salta; ocupa %1.</translation>
    </message>
    <message>
        <source>A Return ends a function: the panel goes back to the command after the Call; it takes %1.</source>
        <translation>Un Retorno termina una función: el panel vuelve al comando siguiente a la Llamada; ocupa %1.</translation>
    </message>
    <message>
        <source>A Reset starts the panel&apos;s program again from its first command; it takes %1.</source>
        <translation>Un Reinicio vuelve a empezar el programa del panel desde su primer comando; ocupa %1.</translation>
    </message>
    <message>
        <source>A Stop makes the panel hold its last frame until it is told to go on; it takes %1.</source>
        <translation>Una Parada hace que el panel mantenga su último fotograma hasta que se le indique continuar; ocupa %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KamdelDocument</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>Documentos de panel (*.xml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 se ha modificado.
¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Fotograma</translation>
    </message>
</context>
<context>
    <name>LanesDock</name>
    <message>
        <source>Ring lanes</source>
        <translation>Carriles de anillos</translation>
    </message>
    <message>
        <source>Show or hide every frame of the current list, ring by ring</source>
        <translation>Muestra u oculta todos los fotogramas de la lista actual, anillo por anillo</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>El idioma cambiará en el próximo inicio.</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Se aplica en el próximo inicio</translation>
    </message>
</context>
<context>
    <name>LedPanelTableView</name>
    <message>
        <source>Cut cannot used this kind of multiple selection.</source>
        <translation>Cortar no admite este tipo de selección múltiple.</translation>
    </message>
    <message>
        <source>Copy cannot used this kind of multiple selection.</source>
        <translation>Copiar no admite este tipo de selección múltiple.</translation>
    </message>
    <message>
        <source>Paste cannot used this kind of multiple selection.</source>
        <translation>Pegar no admite este tipo de selección múltiple.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>LedPanelView</name>
    <message>
        <source>LED board</source>
        <translation>Placa LED</translation>
    </message>
    <message>
        <source>Arrow keys move along and between the rings, Space switches the LED, Shift with an arrow paints</source>
        <translation>Las flechas se mueven por los anillos y entre ellos, Espacio conmuta el LED, Mayús con una flecha pinta</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>New %1 document</source>
        <translation>Nuevo documento %1</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir un documento existente</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the document</source>
        <translation>Guardar el documento</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Save the document under a new name</source>
        <translation>Guardar el documento con otro nombre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the document</source>
        <translation>Cerrar el documento</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Copy to clipboard and delete</source>
        <translation>Copiar al portapapeles y eliminar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>Pegar desde el portapapeles</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Play the program in the editor as the panel would</source>
        <translation>Reproducir el programa en el editor como lo haría el panel</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Show the next frame</source>
        <translation>Mostrar el fotograma siguiente</translation>
    </message>
    <message>
        <source>Stop playback</source>
        <translation>Detener la reproducción</translation>
    </message>
    <message>
        <source>Stop and go back to the start</source>
        <translation>Detener y volver al inicio</translation>
    </message>
    <message>
        <source>100 fps, the panel&apos;s Animate pace</source>
        <translation>100 fps, el ritmo de Animar del panel</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>Importar animación...</translation>
    </message>
    <message>
        <source>Add the frames of an animated GIF or of pictures after the current frame</source>
        <translation>Añadir los fotogramas de un GIF animado o de imágenes tras el fotograma actual</translation>
    </message>
    <message>
        <source>Export animation...</source>
        <translation>Exportar animación...</translation>
    </message>
    <message>
        <source>Save the program as an animated GIF</source>
        <translation>Guardar el programa como GIF animado</translation>
    </message>
    <message>
        <source>Export frame as PNG...</source>
        <translation>Exportar fotograma como PNG...</translation>
    </message>
    <message>
        <source>Save the frame shown as a PNG picture</source>
        <translation>Guardar el fotograma mostrado como imagen PNG</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Control</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Playback in the editor</source>
        <translation>Reproducción en el editor</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Velocidad de reproducción</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Insert an empty frame after the current one; with Shift, a copy of it</source>
        <translation>Insertar un fotograma vacío tras el actual; con Mayús, una copia de él</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Reproducción</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Deshacer la última edición</translation>
    </message>
    <message>
        <source>Redo the last undone edit</source>
        <translation>Rehacer la última edición deshecha</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Simetría</translation>
    </message>
    <message>
        <source>Symmetry:</source>
        <translation>Simetría:</translation>
    </message>
    <message>
        <source>Set every LED a click sets, turned by 360 / order degrees</source>
        <translation>Cambiar también cada LED que cambia un clic, girado 360 / orden grados</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>Also set the mirror images across the vertical axis</source>
        <translation>Cambiar también las imágenes reflejadas respecto al eje vertical</translation>
    </message>
    <message>
        <source>F&amp;rame</source>
        <translation>&amp;Fotograma</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%v of %m blocks</source>
        <translation>%v de %m bloques</translation>
    </message>
    <message>
        <source>The settings cannot be saved: %1 is not writable.</source>
        <translation>No se puede guardar la configuración: %1 no admite escritura.</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 ya no existe; se quitó de los archivos recientes.</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>Editor de paneles LED segmentados</translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation> (recuperado)</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1</source>
        <translation>Editor de paneles LED segmentados  -  %1</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1  (%2)</source>
        <translation>Editor de paneles LED segmentados  -  %1  (%2)</translation>
    </message>
    <message>
        <source>The production station %1 cannot be started.</source>
        <translation>No se puede iniciar la estación de producción %1.</translation>
    </message>
</context>
<context>
    <name>MarkupScanner</name>
    <message>
        <source>The file nests its elements deeper than any document does.</source>
        <translation>El archivo anida sus elementos a más profundidad que cualquier documento.</translation>
    </message>
    <message>
        <source>The file holds a text of more than %1 KiB, more than any document holds.</source>
        <translation>El archivo contiene un texto de más de %1 KiB, más de lo que contiene cualquier documento.</translation>
    </message>
    <message>
        <source>The file holds an LED state of more than %1 characters.</source>
        <translation>El archivo contiene un estado LED de más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The file holds an element with more attributes than any document has.</source>
        <translation>El archivo contiene un elemento con más atributos que los de cualquier documento.</translation>
    </message>
</context>
<context>
    <name>MemoryGauge</name>
    <message>
        <source>No document</source>
        <translation>Sin documento</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 de %2 bytes</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, %2 more than the panel&apos;s %3 bytes of program memory; it cannot be written.</source>
        <translation>El programa ocupa %1 bytes, %2 más que los %3 bytes de memoria de programa del panel; no se puede escribir.</translation>
    </message>
    <message>
        <source>Program memory of the panel in use</source>
        <translation>Memoria de programa del panel en uso</translation>
    </message>
</context>
<context>
    <name>MspFlasher</name>
    <message>
        <source>Incorrect header</source>
        <translation>Cabecera incorrecta</translation>
    </message>
    <message>
        <source>Packet checksum error</source>
        <translation>Error en la suma de comprobación del paquete</translation>
    </message>
    <message>
        <source>Packet size is zero</source>
        <translation>El tamaño del paquete es cero</translation>
    </message>
    <message>
        <source>Packet size is invalid</source>
        <translation>El tamaño del paquete no es válido</translation>
    </message>
    <message>
        <source>Error in protocol</source>
        <translation>Error de protocolo</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tiempo de espera agotado</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Error: (%1) </source>
        <translation>Error: (%1) </translation>
    </message>
    <message>
        <source>Error: (%1) Invalid version</source>
        <translation>Error: (%1) Versión no válida</translation>
    </message>
    <message>
        <source>unplugged during write (%1 %)</source>
        <translation>desconectado durante la escritura (%1 %)</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is the input file; choose another name for the output.</source>
        <translation>%1 es el archivo de entrada; elija otro nombre para la salida.</translation>
    </message>
    <message>
        <source>An output is written whole, from its start.</source>
        <translation>Una salida se escribe completa, desde el principio.</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>No se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>El archivo no está abierto</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
</context>
<context>
    <name>PanelDocument</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is larger than any document (%2 MiB).</source>
        <translation>%1 es más grande que cualquier documento (%2 MiB).</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>No se indicó ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>No se puede leer el archivo %1:
%2.</translation>
    </message>
    <message>
        <source>Error occur while reading xml data of %1.</source>
        <translation>Se produjo un error al leer los datos XML de %1.</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2.</source>
        <translation>No se puede abrir el archivo %1 para escribir: %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>No se puede escribir el archivo %1:
%2.</translation>
    </message>
</context>
<context>
    <name>PanelLink</name>
    <message>
        <source>No panel port is set: choose one in Tools &gt; Serial port setup.</source>
        <translation>No hay ningún puerto de panel configurado: elija uno en Herramientas &gt; Configuración del puerto serie.</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1!</source>
        <translation>¡No se puede conectar al puerto serie %1!</translation>
    </message>
    <message>
        <source>No document is open: Reset goes to the program the panel holds.</source>
        <translation>No hay ningún documento abierto: Reiniciar va al programa que contiene el panel.</translation>
    </message>
    <message>
        <source>No document is open: Next goes to the program the panel holds.</source>
        <translation>No hay ningún documento abierto: Siguiente va al programa que contiene el panel.</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to compile and write.</source>
        <translation>No hay ningún documento abierto: no hay nada que compilar y escribir.</translation>
    </message>
    <message>
        <source>Program compiling...</source>
        <translation>Compilando el programa...</translation>
    </message>
    <message>
        <source>Memory use %1% (%2 of %3).</source>
        <translation>Uso de memoria %1% (%2 de %3).</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, more than the %2 bytes of the panel&apos;s program memory.
Nothing was written to the panel.</source>
        <translation>El programa ocupa %1 bytes, más que los %2 bytes de memoria de programa del panel.
No se escribió nada en el panel.</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1 (%2)!</source>
        <translation>¡No se puede conectar al puerto serie %1 (%2)!</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programando...</translation>
    </message>
    <message>
        <source>Writing canceled: the panel holds an incomplete program.</source>
        <translation>Escritura cancelada: el panel contiene un programa incompleto.</translation>
    </message>
    <message>
        <source>Writing to serial port %1 failed (%2). The program on the panel is incomplete.</source>
        <translation>Falló la escritura en el puerto serie %1 (%2). El programa del panel está incompleto.</translation>
    </message>
    <message>
        <source>Firmware update - %1</source>
        <translation>Actualización de firmware - %1</translation>
    </message>
    <message numerus="yes">
        <source>Programming finished on %1 (%n block(s)).</source>
        <translation>
            <numerusform>Programación terminada en %1 (%n bloque).</numerusform>
            <numerusform>Programación terminada en %1 (%n bloques).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureReading</name>
    <message>
        <source>Reading pictures…</source>
        <translation>Leyendo imágenes…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>No document is open: there is nothing to play.</source>
        <translation>No hay ningún documento abierto: no hay nada que reproducir.</translation>
    </message>
    <message>
        <source>Playing at %1 frames per second</source>
        <translation>Reproduciendo a %1 fotogramas por segundo</translation>
    </message>
    <message>
        <source>Playback stopped.</source>
        <translation>Reproducción detenida.</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after 1 frame.</source>
        <translation>La reproducción llegó al final del programa tras 1 fotograma.</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after %1 frames.</source>
        <translation>La reproducción llegó al final del programa tras %1 fotogramas.</translation>
    </message>
    <message>
        <source>the program reached a Stop</source>
        <translation>el programa llegó a una Parada</translation>
    </message>
    <message>
        <source>a Return without a Call</source>
        <translation>un Retorno sin Llamada</translation>
    </message>
    <message>
        <source>the program ran past the end of the panel&apos;s memory</source>
        <translation>el programa pasó del final de la memoria del panel</translation>
    </message>
    <message>
        <source>the program loops without showing a frame</source>
        <translation>el programa da vueltas sin mostrar ningún fotograma</translation>
    </message>
    <message>
        <source>calls nested too deep</source>
        <translation>llamadas anidadas a demasiada profundidad</translation>
    </message>
    <message>
        <source>an unknown command</source>
        <translation>un comando desconocido</translation>
    </message>
    <message>
        <source>Playback held after %1 frames: %2 (%3).</source>
        <translation>La reproducción se detuvo tras %1 fotogramas: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>PortFleet</name>
    <message>
        <source>empty port name</source>
        <translation>nombre de puerto vacío</translation>
    </message>
    <message>
        <source>port %1 named twice</source>
        <translation>el puerto %1 aparece dos veces</translation>
    </message>
    <message>
        <source>ports %1 and %2 are the same device</source>
        <translation>los puertos %1 y %2 son el mismo dispositivo</translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s): %1 passed, %2 failed</source>
        <translation>
            <numerusform>%n unidad: %1 pasan, %2 fallan</numerusform>
            <numerusform>%n unidades: %1 pasan, %2 fallan</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortUnit</name>
    <message>
        <source>the flashing process stopped unexpectedly</source>
        <translation>el proceso de grabación se detuvo de forma inesperada</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>estado de salida %1</translation>
    </message>
</context>
<context>
    <name>PortWatch</name>
    <message>
        <source>%1: skipped, the same device as %2</source>
        <translation>%1: omitido, es el mismo dispositivo que %2</translation>
    </message>
</context>
<context>
    <name>ProgramWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Fotogramas:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>%1 s at %2 fps</source>
        <translation>%1 s a %2 fps</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>QAction</name>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>Ajustar a la vista</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Adjacent</source>
        <translation>Adyacentes</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animar</translation>
    </message>
    <message>
        <source>Serial port setup...</source>
        <translation>Configuración del puerto serie...</translation>
    </message>
    <message>
        <source>Compile and Write...</source>
        <translation>Compilar y escribir...</translation>
    </message>
    <message>
        <source>Update firmware...</source>
        <translation>Actualizar firmware...</translation>
    </message>
    <message>
        <source>Production station...</source>
        <translation>Estación de producción...</translation>
    </message>
    <message>
        <source>Animate panel</source>
        <translation>Animar panel</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Añadir %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Remove %1 Items</source>
        <translation>Quitar %1 elementos</translation>
    </message>
    <message>
        <source>Invalid XML root element or version.</source>
        <translation>Elemento raíz o versión XML no válidos.</translation>
    </message>
    <message>
        <source>The file holds more than %1 frames; a document takes at most %1.</source>
        <translation>El archivo contiene más de %1 fotogramas; un documento admite como máximo %1.</translation>
    </message>
    <message>
        <source>The file holds more commands than a document can take.</source>
        <translation>El archivo contiene más comandos de los que admite un documento.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Recent Files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>Clear recent files</source>
        <translation>Borrar archivos recientes</translation>
    </message>
    <message>
        <source>&amp;%1  |  %2</source>
        <translation>&amp;%1  |  %2</translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <source>recipe %1 is missing</source>
        <translation>falta la receta %1</translation>
    </message>
    <message>
        <source>%1 is not a recipe: a recipe is a small text file</source>
        <translation>%1 no es una receta: una receta es un archivo de texto pequeño</translation>
    </message>
    <message>
        <source>recipe %1 is not a readable INI file</source>
        <translation>la receta %1 no es un archivo INI legible</translation>
    </message>
    <message>
        <source>recipe %1 has a bad %2</source>
        <translation>la receta %1 tiene un valor %2 incorrecto</translation>
    </message>
    <message>
        <source>cannot write recipe %1</source>
        <translation>no se puede escribir la receta %1</translation>
    </message>
</context>
<context>
    <name>RecipeCheck</name>
    <message>
        <source>unknown model %1 (known: %2, %3)</source>
        <translation>modelo desconocido %1 (conocidos: %2, %3)</translation>
    </message>
    <message>
        <source>unknown controller %1 (known: %2)</source>
        <translation>controlador desconocido %1 (conocido: %2)</translation>
    </message>
    <message>
        <source>no port to watch: the recipe names no Watch glob</source>
        <translation>ningún puerto que vigilar: la receta no indica ningún patrón Watch</translation>
    </message>
    <message>
        <source>program %1 changed: the recipe expects CRC %2, the file has %3</source>
        <translation>el programa %1 ha cambiado: la receta espera el CRC %2, el archivo tiene %3</translation>
    </message>
    <message>
        <source>log %1 is the recipe&apos;s own file %2: name a log file of its own</source>
        <translation>el registro %1 es el propio archivo de la receta %2: indique un archivo de registro propio</translation>
    </message>
    <message>
        <source>log %1 cannot be appended to: %2</source>
        <translation>no se puede añadir al registro %1: %2</translation>
    </message>
    <message>
        <source>log %1 has the columns of an older version: name a new log file in the recipe</source>
        <translation>el registro %1 tiene las columnas de una versión anterior: indique un archivo de registro nuevo en la receta</translation>
    </message>
    <message>
        <source>firmware %1 changed: the recipe expects digest %2, the file has %3</source>
        <translation>el firmware %1 ha cambiado: la receta espera el resumen %2, el archivo tiene %3</translation>
    </message>
    <message>
        <source>firmware %1 is missing</source>
        <translation>falta el firmware %1</translation>
    </message>
    <message>
        <source>firmware %1 is unreadable: %2</source>
        <translation>el firmware %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>firmware %1 is not a firmware image: %2</source>
        <translation>el firmware %1 no es una imagen de firmware: %2</translation>
    </message>
    <message>
        <source>firmware %1 does not fit %2: it writes %3, outside %4</source>
        <translation>el firmware %1 no es apto para %2: escribe %3, fuera de %4</translation>
    </message>
    <message>
        <source>firmware %1 writes the interrupt vectors, which the recipe does not allow</source>
        <translation>el firmware %1 escribe los vectores de interrupción, cosa que la receta no permite</translation>
    </message>
    <message>
        <source>program %1 is missing</source>
        <translation>falta el programa %1</translation>
    </message>
    <message>
        <source>program %1 is not a panel document</source>
        <translation>el programa %1 no es un documento de panel</translation>
    </message>
    <message>
        <source>program %1 is for %2, not %3</source>
        <translation>el programa %1 es para %2, no para %3</translation>
    </message>
    <message>
        <source>program %1 is unreadable: %2</source>
        <translation>el programa %1 no se puede leer: %2</translation>
    </message>
</context>
<context>
    <name>RecipeDialog</name>
    <message>
        <source>Recipe</source>
        <translation>Receta</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modelo:</translation>
    </message>
    <message>
        <source>&amp;Station name:</source>
        <translation>&amp;Nombre de la estación:</translation>
    </message>
    <message>
        <source>The host name when empty</source>
        <translation>El nombre del equipo si está vacío</translation>
    </message>
    <message>
        <source>&amp;Firmware:</source>
        <translation>&amp;Firmware:</translation>
    </message>
    <message>
        <source>The firmware image written first (Intel HEX or TI-TXT)</source>
        <translation>La imagen de firmware que se escribe primero (Intel HEX o TI-TXT)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>The firmware may write the &amp;interrupt vectors</source>
        <translation>El firmware puede escribir los &amp;vectores de interrupción</translation>
    </message>
    <message>
        <source>Light &amp;program:</source>
        <translation>&amp;Programa de luz:</translation>
    </message>
    <message>
        <source>The panel document whose program is written last</source>
        <translation>El documento de panel cuyo programa se escribe al final</translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation>Velocidad en &amp;baudios:</translation>
    </message>
    <message>
        <source>Ports to &amp;watch:</source>
        <translation>Puertos que vi&amp;gilar:</translation>
    </message>
    <message>
        <source>One pattern per line, /dev/ttyUSB*</source>
        <translation>Un patrón por línea, /dev/ttyUSB*</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>Archivo de &amp;registro:</translation>
    </message>
    <message>
        <source>The CSV file each unit is appended to; the shift totals go beside it</source>
        <translation>El archivo CSV al que se añade cada unidad; los totales del turno van a su lado</translation>
    </message>
    <message>
        <source>Show a &amp;test pattern and ask the operator whether every LED is lit</source>
        <translation>Mos&amp;trar un patrón de prueba y preguntar al operario si se encienden todos los LED</translation>
    </message>
    <message>
        <source>Ask for each unit&apos;s &amp;serial number before it starts</source>
        <translation>Pedir el número de &amp;serie de cada unidad antes de empezar</translation>
    </message>
    <message>
        <source>color: #c00000; font-weight: bold</source>
        <translation>color: #c00000; font-weight: bold</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Firmware images (*.hex *.ihex *.txt);;All files (*)</source>
        <translation>Imágenes de firmware (*.hex *.ihex *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Light program</source>
        <translation>Programa de luz</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>Documentos de panel (*.xml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Unit log</source>
        <translation>Registro de unidades</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>New recipe</source>
        <translation>Receta nueva</translation>
    </message>
    <message>
        <source>Recipe %1</source>
        <translation>Receta %1</translation>
    </message>
    <message>
        <source>This recipe cannot start a station: %1.</source>
        <translation>Esta receta no puede iniciar una estación: %1.</translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation>Guardar receta</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>Recetas de estación (*.ini);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>ResetWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>ReturnWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>RingLanesView</name>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Fit the lanes into the width of the view</source>
        <translation>Ajustar los carriles al ancho de la vista</translation>
    </message>
    <message>
        <source>Drag to draw; Shift+drag draws a line (Alt: the long way round); Ctrl+drag selects; Ctrl+wheel zooms; click a frame number to make it current</source>
        <translation>Arrastre para dibujar; Mayús+arrastrar dibuja una línea (Alt: por el camino largo); Ctrl+arrastrar selecciona; Ctrl+rueda amplía; haga clic en un número de fotograma para hacerlo actual</translation>
    </message>
    <message>
        <source>Ring lanes</source>
        <translation>Carriles de anillos</translation>
    </message>
    <message>
        <source>Drag draws a line of one LED per frame (Alt: the long way round)</source>
        <translation>Arrastrar dibuja una línea de un LED por fotograma (Alt: por el camino largo)</translation>
    </message>
    <message>
        <source>Drag selects a block to copy, clear or move with Alt+arrows</source>
        <translation>Arrastrar selecciona un bloque para copiar, borrar o mover con Alt+flechas</translation>
    </message>
    <message>
        <source>Draw on the lanes</source>
        <translation>Dibujar en los carriles</translation>
    </message>
    <message>
        <source>Draw a line</source>
        <translation>Dibujar una línea</translation>
    </message>
    <message>
        <source>Cut on the lanes</source>
        <translation>Cortar en los carriles</translation>
    </message>
    <message>
        <source>Clear on the lanes</source>
        <translation>Borrar en los carriles</translation>
    </message>
    <message>
        <source>Paste on the lanes</source>
        <translation>Pegar en los carriles</translation>
    </message>
    <message>
        <source>Move on the lanes</source>
        <translation>Mover en los carriles</translation>
    </message>
    <message>
        <source>on</source>
        <translation>encendido</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>%1, frame %2, %3</source>
        <translation>%1, fotograma %2, %3</translation>
    </message>
</context>
<context>
    <name>Romwright</name>
    <message>
        <source>Romwright</source>
        <translation>Romwright</translation>
    </message>
    <message>
        <source>Firmware image:</source>
        <translation>Imagen de firmware:</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>Examinar ...</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Puerto serie:</translation>
    </message>
    <message>
        <source>Select ...</source>
        <translation>Seleccionar ...</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Grabar</translation>
    </message>
</context>
<context>
    <name>RomwrightPrivate</name>
    <message>
        <source>Flashing...</source>
        <translation>Grabando...</translation>
    </message>
    <message>
        <source>Romwright</source>
        <translation>Romwright</translation>
    </message>
    <message>
        <source>Flashing is in progress. Stop it and leave the device without a valid application?</source>
        <translation>La grabación está en curso. ¿Detenerla y dejar el dispositivo sin una aplicación válida?</translation>
    </message>
    <message>
        <source>Select port!</source>
        <translation>¡Seleccione un puerto!</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>MSP430 app (*.txt);;Intel HEX (*.hex *.ihex);;All files (*)</source>
        <translation>Aplicación MSP430 (*.txt);;Intel HEX (*.hex *.ihex);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Unknown MPU!</source>
        <translation>¡MPU desconocida!</translation>
    </message>
    <message>
        <source>Flashing succeeded</source>
        <translation>Grabación correcta</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>SequenceFile</name>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 no es un archivo de secuencia.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 LED frames.</source>
        <translation>%1 contiene más de %2 fotogramas LED.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>No se puede leer el archivo %1:
%2.</translation>
    </message>
    <message>
        <source>%1 cannot be imported. The file holds no frames.</source>
        <translation>%1 no se puede importar. El archivo no contiene fotogramas.</translation>
    </message>
    <message>
        <source>LED panel Sequence (*.csv);;All files (*)</source>
        <translation>Secuencia de panel LED (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>No se puede escribir el archivo %1:
%2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>Importar secuencia</translation>
    </message>
</context>
<context>
    <name>SerialPortDialog</name>
    <message>
        <source>Serial port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Pick a port or type any device path, such as a stable /dev/serial/by-id/ name.</source>
        <translation>Elija un puerto o escriba cualquier ruta de dispositivo, como un nombre estable de /dev/serial/by-id/.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baudios:</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>Bits de datos:</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>1.5</source>
        <translation>1,5</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>serie %1</translation>
    </message>
</context>
<context>
    <name>ShiftTotals</name>
    <message>
        <source>%1: %2 passed, %3 failed, yield %4 %, %5 units/h</source>
        <translation>%1: %2 pasan, %3 fallan, rendimiento %4 %, %5 unidades/h</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
</context>
<context>
    <name>ShowLength</name>
    <message>
        <source>The Program&apos;s frames and how long they play at the playback speed</source>
        <translation>Los fotogramas del Programa y cuánto duran a la velocidad de reproducción</translation>
    </message>
    <message>
        <source>%1, %2 s at %3 per second</source>
        <translation>%1, %2 s a %3 por segundo</translation>
    </message>
</context>
<context>
    <name>StationBanner</name>
    <message>
        <source>Recipe</source>
        <translation>Receta</translation>
    </message>
    <message>
        <source>Firmware and program</source>
        <translation>Firmware y programa</translation>
    </message>
    <message>
        <source>Ports and log</source>
        <translation>Puertos y registro</translation>
    </message>
    <message>
        <source>Shift totals</source>
        <translation>Totales del turno</translation>
    </message>
    <message>
        <source>Recipe %1: %2</source>
        <translation>Receta %1: %2</translation>
    </message>
    <message>
        <source>Firmware %1 (sha256 %2)    Program %3 (CRC %4)</source>
        <translation>Firmware %1 (sha256 %2)    Programa %3 (CRC %4)</translation>
    </message>
    <message>
        <source>Ports %1    Log %2</source>
        <translation>Puertos %1    Registro %2</translation>
    </message>
</context>
<context>
    <name>StationRun</name>
    <message>
        <source>cannot copy %1 for the station</source>
        <translation>no se puede copiar %1 para la estación</translation>
    </message>
    <message>
        <source>firmware %1 cannot be read</source>
        <translation>no se puede leer el firmware %1</translation>
    </message>
    <message>
        <source>a serial number is required</source>
        <translation>se necesita un número de serie</translation>
    </message>
    <message>
        <source>%1 has passed before: %2</source>
        <translation>%1 ya pasó antes: %2</translation>
    </message>
    <message>
        <source>%1 cannot be looked up in the log: %2</source>
        <translation>%1 no se puede buscar en el registro: %2</translation>
    </message>
    <message>
        <source>%1 is in use on %2</source>
        <translation>%1 está en uso en %2</translation>
    </message>
    <message>
        <source>no unit on %1</source>
        <translation>ninguna unidad en %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>StationStart</name>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>Estación de producción de paneles</translation>
    </message>
    <message>
        <source>Open the recipe this station makes its units by, or make a new one.</source>
        <translation>Abra la receta con la que esta estación fabrica sus unidades, o cree una nueva.</translation>
    </message>
    <message>
        <source>Open recipe...</source>
        <translation>Abrir receta...</translation>
    </message>
    <message>
        <source>New recipe...</source>
        <translation>Receta nueva...</translation>
    </message>
    <message>
        <source>Recipe refused</source>
        <translation>Receta rechazada</translation>
    </message>
    <message>
        <source>The recipe %1 cannot start the station.</source>
        <translation>La receta %1 no puede iniciar la estación.</translation>
    </message>
    <message>
        <source>Edit recipe...</source>
        <translation>Editar receta...</translation>
    </message>
    <message>
        <source>Open another...</source>
        <translation>Abrir otra...</translation>
    </message>
    <message>
        <source>Open recipe</source>
        <translation>Abrir receta</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>Recetas de estación (*.ini);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operario</translation>
    </message>
    <message>
        <source>Your name, for the unit log:</source>
        <translation>Su nombre, para el registro de unidades:</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Shift written to %1</source>
        <translation>Turno escrito en %1</translation>
    </message>
    <message>
        <source>Station not started</source>
        <translation>Estación no iniciada</translation>
    </message>
    <message>
        <source>No unit yet: plug a panel into a port the recipe watches.</source>
        <translation>Aún no hay unidades: conecte un panel a un puerto que vigile la receta.</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>Estación de producción de paneles</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Estación</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pasa</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Falla</translation>
    </message>
    <message>
        <source>End shift...</source>
        <translation>Terminar turno...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Número de serie:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Scan or type, then Enter</source>
        <translation>Escanee o escriba y pulse Intro</translation>
    </message>
    <message>
        <source>%1 goes to the next unit</source>
        <translation>%1 va a la siguiente unidad</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No unit waits for a verdict.</source>
        <translation>Ninguna unidad espera un veredicto.</translation>
    </message>
    <message>
        <source>%1 - Panel Production Station</source>
        <translation>%1 - Estación de producción de paneles</translation>
    </message>
    <message>
        <source>End shift</source>
        <translation>Terminar turno</translation>
    </message>
    <message>
        <source>End the shift now? Its totals go to the shift file and the counts start again.

%1</source>
        <translation>¿Terminar el turno ahora? Sus totales van al archivo de turnos y los contadores vuelven a empezar.

%1</translation>
    </message>
    <message>
        <source>Units are running</source>
        <translation>Hay unidades en curso</translation>
    </message>
    <message>
        <source>Still on the station: %1. Let them finish, cancel them, or keep the station running?</source>
        <translation>Aún en la estación: %1. ¿Dejar que terminen, cancelarlas o mantener la estación en marcha?</translation>
    </message>
    <message>
        <source>Let them finish</source>
        <translation>Dejar que terminen</translation>
    </message>
    <message>
        <source>Cancel units</source>
        <translation>Cancelar unidades</translation>
    </message>
    <message>
        <source>Keep running</source>
        <translation>Seguir en marcha</translation>
    </message>
    <message>
        <source>The station closes once the units have ended.</source>
        <translation>La estación se cerrará cuando las unidades hayan terminado.</translation>
    </message>
</context>
<context>
    <name>StopWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>TestPattern</name>
    <message>
        <source>no test pattern for the unknown model %1</source>
        <translation>no hay patrón de prueba para el modelo desconocido %1</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>Patrón de prueba</translation>
    </message>
    <message>
        <source>the test pattern takes %1 bytes, more than the panel&apos;s %2</source>
        <translation>el patrón de prueba ocupa %1 bytes, más que los %2 del panel</translation>
    </message>
</context>
<context>
    <name>TiTxtReader</name>
    <message>
        <source>address %1 is not a hexadecimal number</source>
        <translation>la dirección %1 no es un número hexadecimal</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>la dirección %1 está fuera del espacio de direcciones de 24 bits</translation>
    </message>
    <message>
        <source>%1 is not a hexadecimal number</source>
        <translation>%1 no es un número hexadecimal</translation>
    </message>
    <message>
        <source>value %1 is not a byte</source>
        <translation>el valor %1 no es un byte</translation>
    </message>
    <message>
        <source>data runs past the 24-bit address space</source>
        <translation>los datos sobrepasan el espacio de direcciones de 24 bits</translation>
    </message>
</context>
<context>
    <name>UnitSequence</name>
    <message>
        <source>Not every LED lit in the test</source>
        <translation>No se encendieron todos los LED en la prueba</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Unplugged during %1</source>
        <translation>Desconectado durante %1</translation>
    </message>
    <message>
        <source>Unplugged during %1 (%2 %)</source>
        <translation>Desconectado durante %1 (%2 %)</translation>
    </message>
    <message>
        <source>No answer during %1</source>
        <translation>Sin respuesta durante %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>firmware</source>
        <translation>firmware</translation>
    </message>
    <message>
        <source>test</source>
        <translation>prueba</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programa</translation>
    </message>
</context>
<context>
    <name>UnitTile</name>
    <message>
        <source>%1 %2&#xa0;%</source>
        <translation>%1 %2&#xa0;%</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Time in this step</source>
        <translation>Tiempo en este paso</translation>
    </message>
    <message>
        <source>Unit serial number</source>
        <translation>Número de serie de la unidad</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Question to the operator</source>
        <translation>Pregunta al operario</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pasa</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Falla</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Test: look at the panel</source>
        <translation>Prueba: mire el panel</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>Patrón de prueba</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>PASA</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FALLA</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>FALLA: %1</translation>
    </message>
    <message>
        <source>Serial %1</source>
        <translation>Serie %1</translation>
    </message>
    <message>
        <source>Every LED lit? Pass&#xa0;(P) / Fail&#xa0;(F)</source>
        <translation>¿Todos los LED encendidos? Pasa&#xa0;(P) / Falla&#xa0;(F)</translation>
    </message>
    <message>
        <source>Scan or type the serial number</source>
        <translation>Escanee o escriba el número de serie</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Report pane</source>
        <translation>Panel de informes</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>Ajustar a la vista</translation>
    </message>
    <message>
        <source>Show or hide the pane of reports below the document</source>
        <translation>Muestra u oculta el panel de informes bajo el documento</translation>
    </message>
    <message>
        <source>Show the whole board</source>
        <translation>Mostrar la placa entera</translation>
    </message>
    <message>
        <source>Tool bars</source>
        <translation>Barras de herramientas</translation>
    </message>
</context>
</TS>
