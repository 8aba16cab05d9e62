<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>Editor per pannelli LED segmentati</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Version 
</source>
        <translation>Versione 
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
        <translation>Apri</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 è stato modificato.
Salvare le modifiche?</translation>
    </message>
</context>
<context>
    <name>AbstractLedPanelScene</name>
    <message>
        <source>Paint</source>
        <translation>Disegna</translation>
    </message>
    <message>
        <source>Ring %1, position %2</source>
        <translation>Anello %1, posizione %2</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Anello %1</translation>
    </message>
    <message>
        <source>%1, on</source>
        <translation>%1, acceso</translation>
    </message>
    <message>
        <source>%1, off</source>
        <translation>%1, spento</translation>
    </message>
</context>
<context>
    <name>AnimationExport</name>
    <message>
        <source>The program shows no frame.</source>
        <translation>Il programma non mostra alcun fotogramma.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>AnimationImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (%2).</source>
        <translation>%1 è troncato o danneggiato (%2).</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; pictures up to %4 x %4 pixels can be imported.</source>
        <translation>%1 misura %2 x %3 pixel; si possono importare immagini fino a %4 x %4 pixel.</translation>
    </message>
    <message>
        <source>%1 holds more frames than can be imported (at most %2).</source>
        <translation>%1 contiene più fotogrammi di quanti se ne possano importare (al massimo %2).</translation>
    </message>
    <message>
        <source>%1 holds too many pixels to import.</source>
        <translation>%1 contiene troppi pixel per essere importato.</translation>
    </message>
    <message>
        <source>Not enough memory to read %1.</source>
        <translation>Memoria insufficiente per leggere %1.</translation>
    </message>
    <message>
        <source>%1 is a progressive JPEG of %2 scans; at most %3 are read.</source>
        <translation>%1 è un JPEG progressivo di %2 scansioni; se ne leggono al massimo %3.</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it has no pixels).</source>
        <translation>%1 è troncato o danneggiato (non ha pixel).</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (a frame has no colours).</source>
        <translation>%1 è troncato o danneggiato (un fotogramma non ha colori).</translation>
    </message>
    <message>
        <source>%1 holds no picture.</source>
        <translation>%1 non contiene alcuna immagine.</translation>
    </message>
    <message>
        <source>Pictures (*.gif *.png *.jpg *.jpeg *.bmp);;All files (*)</source>
        <translation>Immagini (*.gif *.png *.jpg *.jpeg *.bmp);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>No picture was given.</source>
        <translation>Nessuna immagine indicata.</translation>
    </message>
    <message>
        <source>%1 is a link that leads nowhere.</source>
        <translation>%1 è un collegamento che non porta da nessuna parte.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 non è un file di immagine.</translation>
    </message>
    <message>
        <source>%1 is too large to import.</source>
        <translation>%1 è troppo grande per essere importato.</translation>
    </message>
    <message>
        <source>%1 is not a picture: GIF, PNG, JPEG and BMP pictures can be imported.</source>
        <translation>%1 non è un&apos;immagine: si possono importare immagini GIF, PNG, JPEG e BMP.</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it ends too early).</source>
        <translation>%1 è troncato o danneggiato (termina troppo presto).</translation>
    </message>
</context>
<context>
    <name>BoardLegend</name>
    <message>
        <source>Board legend</source>
        <translation>Legenda della scheda</translation>
    </message>
    <message>
        <source>Yellow: the LED is on in the frame shown.</source>
        <translation>Giallo: il LED è acceso nel fotogramma mostrato.</translation>
    </message>
    <message>
        <source>Dark grey: the LED is off in the frame shown.</source>
        <translation>Grigio scuro: il LED è spento nel fotogramma mostrato.</translation>
    </message>
    <message>
        <source>Blue left half ring: the LED is on in the previous frame.</source>
        <translation>Mezzo anello blu a sinistra: il LED è acceso nel fotogramma precedente.</translation>
    </message>
    <message>
        <source>Red right half ring: the LED is on in the next frame.</source>
        <translation>Mezzo anello rosso a destra: il LED è acceso nel fotogramma successivo.</translation>
    </message>
    <message>
        <source>Both halves: on before and after; here also on in the frame shown.</source>
        <translation>Entrambe le metà: acceso prima e dopo; qui anche acceso nel fotogramma mostrato.</translation>
    </message>
    <message>
        <source>The half rings show while Adjacent is ticked in the board&apos;s menu (right click on the board). A frame without a frame before or after it shows only one half.</source>
        <translation>I mezzi anelli compaiono quando Adiacenti è spuntato nel menu della scheda (clic destro sulla scheda). Un fotogramma senza un fotogramma prima o dopo mostra una sola metà.</translation>
    </message>
</context>
<context>
    <name>CallWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>CommandTreeMenu</name>
    <message>
        <source>Collection</source>
        <translation>Raccolta</translation>
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
        <translation>Chiamata</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Ritorno</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Accoda</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Rimuovi elemento</translation>
    </message>
    <message>
        <source>Edit as table</source>
        <translation>Modifica come tabella</translation>
    </message>
    <message>
        <source>Cut Frames</source>
        <translation>Taglia fotogrammi</translation>
    </message>
    <message>
        <source>Copy Frames</source>
        <translation>Copia fotogrammi</translation>
    </message>
    <message>
        <source>Paste Frames</source>
        <translation>Incolla fotogrammi</translation>
    </message>
    <message>
        <source>Import sequence...</source>
        <translation>Importa sequenza...</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>Importa animazione...</translation>
    </message>
    <message>
        <source>Export sequence...</source>
        <translation>Esporta sequenza...</translation>
    </message>
</context>
<context>
    <name>CommandTreeView</name>
    <message>
        <source>Insert LedState items</source>
        <translation>Inserisci elementi LedState</translation>
    </message>
    <message>
        <source>Append LedState items</source>
        <translation>Accoda elementi LedState</translation>
    </message>
    <message>
        <source>Insert %1 Frames</source>
        <translation>Inserisci %1 fotogrammi</translation>
    </message>
    <message>
        <source>Append %1 Frames</source>
        <translation>Accoda %1 fotogrammi</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Numero:</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n fotogramma</numerusform>
            <numerusform>%n fotogrammi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation>
            <numerusform>%n unità</numerusform>
            <numerusform>%n unità</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
</context>
<context>
    <name>DocumentEdits</name>
    <message>
        <source>Set LED</source>
        <translation>Imposta LED</translation>
    </message>
    <message>
        <source>Edit LEDs</source>
        <translation>Modifica LED</translation>
    </message>
    <message>
        <source>The document would hold %L1 frames; a document holds at most %L2.</source>
        <translation>Il documento conterrebbe %L1 fotogrammi; un documento ne contiene al massimo %L2.</translation>
    </message>
</context>
<context>
    <name>DocumentHost</name>
    <message>
        <source>The recovery copy of %1 cannot be read. It is kept at %2.</source>
        <translation>La copia di ripristino di %1 non può essere letta. È conservata in %2.</translation>
    </message>
    <message>
        <source>The recovery copy of %1 could be read only in part; what was read is shown. The copy is kept at %2.</source>
        <translation>La copia di ripristino di %1 è stata letta solo in parte; viene mostrato ciò che è stato letto. La copia è conservata in %2.</translation>
    </message>
    <message>
        <source>Document loaded</source>
        <translation>Documento caricato</translation>
    </message>
    <message>
        <source>Example opened</source>
        <translation>Esempio aperto</translation>
    </message>
    <message>
        <source>Unknown file %1!</source>
        <translation>File sconosciuto %1!</translation>
    </message>
    <message>
        <source>Document saved</source>
        <translation>Documento salvato</translation>
    </message>
</context>
<context>
    <name>DropHandler</name>
    <message>
        <source>Drop to open %1.</source>
        <translation>Rilascia per aprire %1.</translation>
    </message>
    <message>
        <source>Drop to add the frames of %1 after the current frame.</source>
        <translation>Rilascia per aggiungere i fotogrammi di %1 dopo il fotogramma corrente.</translation>
    </message>
    <message>
        <source>Open or create a document first to add the frames of %1.</source>
        <translation>Apri o crea prima un documento per aggiungere i fotogrammi di %1.</translation>
    </message>
    <message>
        <source>The window takes a panel document (.xml) to open, or a sequence file (.csv) whose frames go after the current frame.</source>
        <translation>La finestra accetta un documento pannello (.xml) da aprire, o un file di sequenza (.csv) i cui fotogrammi vanno dopo il fotogramma corrente.</translation>
    </message>
    <message>
        <source>Added %1 LED frames from %2.</source>
        <translation>Aggiunti %1 fotogrammi LED da %2.</translation>
    </message>
    <message>
        <source>This cannot be dropped here.</source>
        <translation>Questo non può essere rilasciato qui.</translation>
    </message>
    <message>
        <source>%1 cannot be dropped here.</source>
        <translation>%1 non può essere rilasciato qui.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Impossibile leggere il file %1:
%2.</translation>
    </message>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 non è un file di sequenza.</translation>
    </message>
    <message>
        <source>The document takes no frames.</source>
        <translation>Il documento non accetta fotogrammi.</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>Importa sequenza</translation>
    </message>
    <message>
        <source>The document has no program to take the frames.</source>
        <translation>Il documento non ha un programma che accolga i fotogrammi.</translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>The editor did not end normally while %1 had unsaved changes.
Restore the copy kept at %2?

Cancel keeps the copy for the next start.</source>
        <translation>L&apos;editor non si è chiuso normalmente mentre %1 aveva modifiche non salvate.
Ripristinare la copia conservata in %2?

Annulla conserva la copia per il prossimo avvio.</translation>
    </message>
    <message>
        <source>A program is being written to the panel.
Stop writing and close? The panel then holds an incomplete program.</source>
        <translation>È in corso la scrittura di un programma sul pannello.
Interrompere la scrittura e chiudere? Il pannello conterrà quindi un programma incompleto.</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>The number of frames must lie between 1 and %1.</source>
        <translation>Il numero di fotogrammi deve essere compreso tra 1 e %1.</translation>
    </message>
    <message>
        <source>The number of heads must divide 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 or 48).</source>
        <translation>Il numero di teste deve dividere 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 o 48).</translation>
    </message>
    <message>
        <source>The length must lie between 1 and %1 (48 / heads).</source>
        <translation>La lunghezza deve essere compresa tra 1 e %1 (48 / teste).</translation>
    </message>
    <message>
        <source>The direction must be 1 or -1.</source>
        <translation>La direzione deve essere 1 o -1.</translation>
    </message>
    <message>
        <source>The LEDs per frame must be at least 1.</source>
        <translation>I LED per fotogramma devono essere almeno 1.</translation>
    </message>
    <message>
        <source>The width must lie between 1 and 4 rings.</source>
        <translation>La larghezza deve essere compresa tra 1 e 4 anelli.</translation>
    </message>
    <message>
        <source>There is no frame to start from: show one on the board.</source>
        <translation>Non c&apos;è un fotogramma da cui partire: mostrane uno sulla scheda.</translation>
    </message>
    <message>
        <source>There is no frame to end at.</source>
        <translation>Non c&apos;è un fotogramma a cui arrivare.</translation>
    </message>
    <message>
        <source>The number of blinks must lie between 1 and %1.</source>
        <translation>Il numero di lampeggi deve essere compreso tra 1 e %1.</translation>
    </message>
    <message>
        <source>The density must lie between 0 and 100 percent.</source>
        <translation>La densità deve essere compresa tra 0 e 100 percento.</translation>
    </message>
    <message>
        <source>Turned by %1 positions the frame looks the same: the spin has no frames.</source>
        <translation>Ruotato di %1 posizioni il fotogramma appare uguale: la rotazione non ha fotogrammi.</translation>
    </message>
    <message>
        <source>Unknown effect.</source>
        <translation>Effetto sconosciuto.</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>Inseguimento</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Lampeggio</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Dissolvenza</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillio</translation>
    </message>
</context>
<context>
    <name>ExamplesMenu</name>
    <message>
        <source>Comet and fill</source>
        <translation>Cometa e riempimento</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>Battito cardiaco</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Campo stellare</translation>
    </message>
    <message>
        <source>Comet slowing over a drawn ring</source>
        <translation>Cometa che rallenta su un anello disegnato</translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation>Anello di avanzamento</translation>
    </message>
    <message>
        <source>Ripple pulse</source>
        <translation>Impulso a onda</translation>
    </message>
    <message>
        <source>Dissolve between patterns</source>
        <translation>Dissolvenza tra motivi</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Esempi</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Open the example as a new document</source>
        <translation>Apri l&apos;esempio come nuovo documento</translation>
    </message>
</context>
<context>
    <name>ExportAnimationDialog</name>
    <message>
        <source>Export animation</source>
        <translation>Esporta animazione</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Fotogrammi:</translation>
    </message>
    <message>
        <source>How many frames to draw; at most 1000</source>
        <translation>Quanti fotogrammi disegnare; al massimo 1000</translation>
    </message>
    <message>
        <source>Until the program holds or repeats</source>
        <translation>Finché il programma si ferma o si ripete</translation>
    </message>
    <message>
        <source>Time per frame:</source>
        <translation>Tempo per fotogramma:</translation>
    </message>
    <message>
        <source>Most viewers show shorter times than 20 ms much slower, so 20 ms is the shortest</source>
        <translation>La maggior parte dei visualizzatori mostra tempi inferiori a 20 ms molto più lentamente, quindi 20 ms è il minimo</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Seen from:</source>
        <translation>Visto da:</translation>
    </message>
    <message>
        <source>Top side</source>
        <translation>Lato superiore</translation>
    </message>
    <message>
        <source>Bottom side</source>
        <translation>Lato inferiore</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>No document is open: there is nothing to import into.</source>
        <translation>Nessun documento aperto: non c&apos;è nulla in cui importare.</translation>
    </message>
    <message>
        <source>%1 frames imported</source>
        <translation>%1 fotogrammi importati</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to export.</source>
        <translation>Nessun documento aperto: non c&apos;è nulla da esportare.</translation>
    </message>
    <message>
        <source>Export animation</source>
        <translation>Esporta animazione</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animata (*.gif)</translation>
    </message>
    <message>
        <source>%1 frames exported to %2</source>
        <translation>%1 fotogrammi esportati in %2</translation>
    </message>
    <message>
        <source>No frame is shown: pick one in the tree.</source>
        <translation>Nessun fotogramma mostrato: selezionane uno nell&apos;albero.</translation>
    </message>
    <message>
        <source>Export frame as PNG</source>
        <translation>Esporta fotogramma come PNG</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>Frame exported to %1</source>
        <translation>Fotogramma esportato in %1</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>The firmware file does not exist.</source>
        <translation>Il file del firmware non esiste.</translation>
    </message>
    <message>
        <source>The firmware file is not a regular file (it is a folder, a device or a pipe).</source>
        <translation>Il file del firmware non è un file normale (è una cartella, un dispositivo o una pipe).</translation>
    </message>
    <message>
        <source>The firmware file is larger than 16 MiB, more than any device holds.</source>
        <translation>Il file del firmware supera i 16 MiB, più di quanto contenga qualsiasi dispositivo.</translation>
    </message>
    <message>
        <source>Cannot read the firmware file: %1.</source>
        <translation>Impossibile leggere il file del firmware: %1.</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>more data than any device holds (over 2.25 MiB)</source>
        <translation>più dati di quanti ne contenga qualsiasi dispositivo (oltre 2,25 MiB)</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>You may need to be a member of the group &quot;%1&quot; that owns %2 (log in again after joining it).</source>
        <translation>Potrebbe essere necessario far parte del gruppo &quot;%1&quot; proprietario di %2 (accedi di nuovo dopo esserti aggiunto).</translation>
    </message>
    <message>
        <source>Serial port %1 (%2) is active!</source>
        <translation>La porta seriale %1 (%2) è attiva!</translation>
    </message>
    <message>
        <source>Open serial port %1 (%2).</source>
        <translation>Apertura porta seriale %1 (%2).</translation>
    </message>
    <message>
        <source>Cannot open serial port %1! Error: %2</source>
        <translation>Impossibile aprire la porta seriale %1! Errore: %2</translation>
    </message>
    <message>
        <source>Enter MPU flasher.</source>
        <translation>Avvio del flasher MPU.</translation>
    </message>
    <message>
        <source>Close serial port.</source>
        <translation>Chiusura porta seriale.</translation>
    </message>
    <message>
        <source>Finished successfully!</source>
        <translation>Completato correttamente!</translation>
    </message>
    <message>
        <source>Flashing canceled.</source>
        <translation>Flash annullato.</translation>
    </message>
    <message>
        <source>Finished with error!</source>
        <translation>Terminato con errore!</translation>
    </message>
    <message>
        <source>The device holds no valid application now.</source>
        <translation>Il dispositivo ora non contiene un&apos;applicazione valida.</translation>
    </message>
    <message>
        <source>Its boot loader is still there: flash it again.</source>
        <translation>Il boot loader è ancora presente: esegui di nuovo il flash.</translation>
    </message>
    <message>
        <source>The device was not changed.</source>
        <translation>Il dispositivo non è stato modificato.</translation>
    </message>
    <message>
        <source>Invalid device application code file!</source>
        <translation>File del codice applicativo del dispositivo non valido!</translation>
    </message>
    <message>
        <source>The file holds no data.</source>
        <translation>Il file non contiene dati.</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avviso: %1</translation>
    </message>
    <message>
        <source>Address %1 lies outside the memory of the device (allowed: %2).</source>
        <translation>L&apos;indirizzo %1 è fuori dalla memoria del dispositivo (consentito: %2).</translation>
    </message>
    <message>
        <source>The device was not touched.</source>
        <translation>Il dispositivo non è stato toccato.</translation>
    </message>
    <message>
        <source>1 byte at %1</source>
        <translation>1 byte a %1</translation>
    </message>
    <message>
        <source>%1 bytes at %2-%3</source>
        <translation>%1 byte a %2-%3</translation>
    </message>
    <message>
        <source>The image writes %1, above the application, where the boot loader keeps the interrupt vectors. A boot loader that guards itself refuses them and flashing fails after the erase; one that does not may be overwritten.</source>
        <translation>L&apos;immagine scrive %1, sopra l&apos;applicazione, dove il boot loader tiene i vettori di interrupt. Un boot loader che si protegge li rifiuta e il flash fallisce dopo la cancellazione; uno che non si protegge può essere sovrascritto.</translation>
    </message>
    <message>
        <source>Write them anyway?</source>
        <translation>Scriverli comunque?</translation>
    </message>
    <message>
        <source>Verify device.</source>
        <translation>Verifica dispositivo.</translation>
    </message>
    <message>
        <source>Invalid device version!</source>
        <translation>Versione del dispositivo non valida!</translation>
    </message>
    <message>
        <source>Erase device.</source>
        <translation>Cancellazione dispositivo.</translation>
    </message>
    <message>
        <source>Cannot erase device!</source>
        <translation>Impossibile cancellare il dispositivo!</translation>
    </message>
    <message>
        <source>Write device application code.</source>
        <translation>Scrittura del codice applicativo del dispositivo.</translation>
    </message>
    <message>
        <source>Cannot flash device!</source>
        <translation>Impossibile eseguire il flash del dispositivo!</translation>
    </message>
    <message>
        <source>Jump to the application.</source>
        <translation>Salto all&apos;applicazione.</translation>
    </message>
</context>
<context>
    <name>FrameEditor</name>
    <message>
        <source>Add frame</source>
        <translation>Aggiungi fotogramma</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempi</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Ruota in senso orario</translation>
    </message>
    <message>
        <source>Rotate counter-clockwise</source>
        <translation>Ruota in senso antiorario</translation>
    </message>
    <message>
        <source>Mirror left-right</source>
        <translation>Specchia sinistra-destra</translation>
    </message>
    <message>
        <source>Mirror top-bottom</source>
        <translation>Specchia alto-basso</translation>
    </message>
    <message>
        <source>Rings outward</source>
        <translation>Anelli verso l&apos;esterno</translation>
    </message>
    <message>
        <source>Rings inward</source>
        <translation>Anelli verso l&apos;interno</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Genera...</translation>
    </message>
    <message>
        <source>Hold...</source>
        <translation>Mantieni...</translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation>Ripeti...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverti ordine</translation>
    </message>
    <message>
        <source>Ping-pong</source>
        <translation>Avanti e indietro</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchia</translation>
    </message>
    <message>
        <source>Rings Outward</source>
        <translation>Anelli verso l&apos;esterno</translation>
    </message>
    <message>
        <source>Rings Inward</source>
        <translation>Anelli verso l&apos;interno</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantieni</translation>
    </message>
    <message>
        <source>Copies of the current frame:</source>
        <translation>Copie del fotogramma corrente:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Times to repeat the selected frames:</source>
        <translation>Volte da ripetere i fotogrammi selezionati:</translation>
    </message>
    <message>
        <source>nowhere: the document has no Program</source>
        <translation>da nessuna parte: il documento non ha un Programma</translation>
    </message>
    <message>
        <source>at the start of %1</source>
        <translation>all&apos;inizio di %1</translation>
    </message>
    <message>
        <source>at the end, after frame #%1</source>
        <translation>alla fine, dopo il fotogramma #%1</translation>
    </message>
    <message>
        <source>after frame #%1</source>
        <translation>dopo il fotogramma #%1</translation>
    </message>
    <message>
        <source>Generate %1</source>
        <translation>Genera %1</translation>
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
        <translation>Seleziona i fotogrammi LED da copiare.</translation>
    </message>
    <message>
        <source>Copied %1 LED frames.</source>
        <translation>Copiati %1 fotogrammi LED.</translation>
    </message>
    <message>
        <source>Cut %1 Frames</source>
        <translation>Taglia %1 fotogrammi</translation>
    </message>
    <message>
        <source>The clipboard holds no LED frames.</source>
        <translation>Gli appunti non contengono fotogrammi LED.</translation>
    </message>
    <message>
        <source>Paste %1 Frames</source>
        <translation>Incolla %1 fotogrammi</translation>
    </message>
    <message>
        <source>Pasted %1 LED frames.</source>
        <translation>Incollati %1 fotogrammi LED.</translation>
    </message>
    <message>
        <source>Import sequence</source>
        <translation>Importa sequenza</translation>
    </message>
    <message>
        <source>No LED frames found in %1.</source>
        <translation>Nessun fotogramma LED trovato in %1.</translation>
    </message>
    <message>
        <source>Imported %1 LED frames from %2.</source>
        <translation>Importati %1 fotogrammi LED da %2.</translation>
    </message>
    <message>
        <source>Export sequence</source>
        <translation>Esporta sequenza</translation>
    </message>
    <message>
        <source>Exported %1 LED frames to %2.</source>
        <translation>Esportati %1 fotogrammi LED in %2.</translation>
    </message>
</context>
<context>
    <name>FunctionWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate frames</source>
        <translation>Genera fotogrammi</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Preimpostazione:</translation>
    </message>
    <message>
        <source>Choose one to fill the page with its parameters</source>
        <translation>Scegline una per compilare la pagina con i suoi parametri</translation>
    </message>
    <message>
        <source>Save preset...</source>
        <translation>Salva preimpostazione...</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Elimina preimpostazione</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Rotazione</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>Inseguimento</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Lampeggio</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Dissolvenza</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillio</translation>
    </message>
    <message>
        <source>Rings:</source>
        <translation>Anelli:</translation>
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
        <translation>Posizioni per fotogramma:</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Senso orario</translation>
    </message>
    <message>
        <source>Ease:</source>
        <translation>Andamento:</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Uniforme</translation>
    </message>
    <message>
        <source>Speeding up</source>
        <translation>In accelerazione</translation>
    </message>
    <message>
        <source>Slowing down</source>
        <translation>In rallentamento</translation>
    </message>
    <message>
        <source>Speeding up, then slowing down</source>
        <translation>Accelera, poi rallenta</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Lunghezza:</translation>
    </message>
    <message>
        <source>Heads:</source>
        <translation>Teste:</translation>
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
        <translation>Fotogrammi:</translation>
    </message>
    <message>
        <source>Start position:</source>
        <translation>Posizione iniziale:</translation>
    </message>
    <message>
        <source>LEDs per frame:</source>
        <translation>LED per fotogramma:</translation>
    </message>
    <message>
        <source>Then empty</source>
        <translation>Poi vuoto</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direzione:</translation>
    </message>
    <message>
        <source>Outward</source>
        <translation>Verso l&apos;esterno</translation>
    </message>
    <message>
        <source>Inward</source>
        <translation>Verso l&apos;interno</translation>
    </message>
    <message>
        <source>Width in rings:</source>
        <translation>Larghezza in anelli:</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Rimbalzo</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Volte:</translation>
    </message>
    <message>
        <source>Invert instead of dark</source>
        <translation>Inverti invece di spegnere</translation>
    </message>
    <message>
        <source>To frame:</source>
        <translation>Fino al fotogramma:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Seme:</translation>
    </message>
    <message>
        <source>Density:</source>
        <translation>Densità:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Density at the end:</source>
        <translation>Densità alla fine:</translation>
    </message>
    <message>
        <source>As at the start</source>
        <translation>Come all&apos;inizio</translation>
    </message>
    <message>
        <source>Where the frames go</source>
        <translation>Dove vanno i fotogrammi</translation>
    </message>
    <message>
        <source>Combine:</source>
        <translation>Combina:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Add (light where either is lit)</source>
        <translation>Aggiungi (acceso dove uno dei due è acceso)</translation>
    </message>
    <message>
        <source>Remove (darken where the effect is lit)</source>
        <translation>Rimuovi (spento dove l&apos;effetto è acceso)</translation>
    </message>
    <message>
        <source>Toggle (flip where the effect is lit)</source>
        <translation>Commuta (inverti dove l&apos;effetto è acceso)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Salva preimpostazione</translation>
    </message>
    <message>
        <source>Name of the %1 preset:</source>
        <translation>Nome della preimpostazione %1:</translation>
    </message>
    <message>
        <source>%1 is a shipped preset and stays as it is; choose another name.</source>
        <translation>%1 è una preimpostazione fornita e resta invariata; scegli un altro nome.</translation>
    </message>
    <message>
        <source>A preset named %1 exists. Replace it?</source>
        <translation>Esiste già una preimpostazione di nome %1. Sostituirla?</translation>
    </message>
    <message>
        <source>Insert after #%1</source>
        <translation>Inserisci dopo #%1</translation>
    </message>
    <message>
        <source>Insert after the shown frame</source>
        <translation>Inserisci dopo il fotogramma mostrato</translation>
    </message>
    <message>
        <source>Over the frames from #%1</source>
        <translation>Sopra i fotogrammi da #%1</translation>
    </message>
    <message>
        <source>Over the shown frame</source>
        <translation>Sopra il fotogramma mostrato</translation>
    </message>
    <message>
        <source>At the end of the %1</source>
        <translation>Alla fine di %1</translation>
    </message>
    <message>
        <source>Keep the other rings of #%1</source>
        <translation>Mantieni gli altri anelli di #%1</translation>
    </message>
    <message>
        <source>Keep the other rings</source>
        <translation>Mantieni gli altri anelli</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2, and %3 more at the end.</source>
        <translation>I fotogrammi vanno sopra i fotogrammi da #%1 a #%2, e altri %3 alla fine.</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2.</source>
        <translation>I fotogrammi vanno sopra i fotogrammi da #%1 a #%2.</translation>
    </message>
    <message>
        <source>The frames go at the end, after frame #%1.</source>
        <translation>I fotogrammi vanno alla fine, dopo il fotogramma #%1.</translation>
    </message>
    <message>
        <source>The frames go at the end.</source>
        <translation>I fotogrammi vanno alla fine.</translation>
    </message>
    <message>
        <source>The frames go after frame #%1.</source>
        <translation>I fotogrammi vanno dopo il fotogramma #%1.</translation>
    </message>
    <message>
        <source>With %1 more the document takes %2 of %3 bytes.</source>
        <translation>Con altri %1 il documento occupa %2 di %3 byte.</translation>
    </message>
    <message>
        <source>%1 bytes more than the panel&apos;s program memory: the program cannot be written until it is smaller.</source>
        <translation>%1 byte oltre la memoria di programma del pannello: il programma non può essere scritto finché non è più piccolo.</translation>
    </message>
    <message>
        <source>No frames</source>
        <translation>Nessun fotogramma</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Fotogramma %1 di %2</translation>
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
        <translation>Anello di avanzamento</translation>
    </message>
    <message>
        <source>Pulse out</source>
        <translation>Impulso verso l&apos;esterno</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>Battito cardiaco</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Campo stellare</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>How to draw frames, play them and write them to a panel</source>
        <translation>Come disegnare fotogrammi, riprodurli e scriverli su un pannello</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>List the keys of every command</source>
        <translation>Elenca i tasti di ogni comando</translation>
    </message>
    <message>
        <source>Board legend</source>
        <translation>Legenda della scheda</translation>
    </message>
    <message>
        <source>What the marks and colours on the board mean</source>
        <translation>Cosa significano i segni e i colori sulla scheda</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>The file has no end mark &apos;q&apos;; check that it is complete.</source>
        <translation>Il file non ha il segno di fine &apos;q&apos;; verifica che sia completo.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
</context>
<context>
    <name>ImportAnimationDialog</name>
    <message>
        <source>Import animation</source>
        <translation>Importa animazione</translation>
    </message>
    <message>
        <source>Lit from brightness:</source>
        <translation>Acceso da luminosità:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Invert (dark parts lit)</source>
        <translation>Inverti (parti scure accese)</translation>
    </message>
    <message>
        <source>Board seen from:</source>
        <translation>Scheda vista da:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Sopra</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Sotto</translation>
    </message>
    <message>
        <source>First frame:</source>
        <translation>Primo fotogramma:</translation>
    </message>
    <message>
        <source>Number of frames:</source>
        <translation>Numero di fotogrammi:</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>L&apos;immagine</translation>
    </message>
    <message>
        <source>The LED frame it gives</source>
        <translation>Il fotogramma LED risultante</translation>
    </message>
    <message>
        <source>At the end of the Program</source>
        <translation>Alla fine del Programma</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Fotogramma %1 di %2</translation>
    </message>
    <message>
        <source>No preview of this frame</source>
        <translation>Nessuna anteprima di questo fotogramma</translation>
    </message>
    <message>
        <source>The frames go %1.</source>
        <translation>I fotogrammi vanno %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>Importa animazione</translation>
    </message>
    <message>
        <source>The document takes no more frames.</source>
        <translation>Il documento non accetta altri fotogrammi.</translation>
    </message>
</context>
<context>
    <name>IntelHexReader</name>
    <message>
        <source>more than 16 MiB of text</source>
        <translation>più di 16 MiB di testo</translation>
    </message>
    <message>
        <source>record after the end-of-file record</source>
        <translation>record dopo il record di fine file</translation>
    </message>
    <message>
        <source>no end-of-file record</source>
        <translation>nessun record di fine file</translation>
    </message>
    <message>
        <source>record does not start with &apos;:&apos;</source>
        <translation>il record non inizia con &apos;:&apos;</translation>
    </message>
    <message>
        <source>record is too short or has an odd number of digits</source>
        <translation>il record è troppo corto o ha un numero dispari di cifre</translation>
    </message>
    <message>
        <source>record is longer than 255 data bytes allow</source>
        <translation>il record è più lungo di quanto consentano 255 byte di dati</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hexadecimal digit</source>
        <translation>&apos;%1&apos; non è una cifra esadecimale</translation>
    </message>
    <message>
        <source>length %1 does not match the record</source>
        <translation>la lunghezza %1 non corrisponde al record</translation>
    </message>
    <message>
        <source>checksum %1 should be %2</source>
        <translation>il checksum %1 dovrebbe essere %2</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>l&apos;indirizzo %1 è oltre lo spazio di indirizzamento a 24 bit</translation>
    </message>
    <message>
        <source>end-of-file record carries data</source>
        <translation>il record di fine file contiene dati</translation>
    </message>
    <message>
        <source>address record must carry two bytes</source>
        <translation>il record di indirizzo deve contenere due byte</translation>
    </message>
    <message>
        <source>start address record must carry four bytes</source>
        <translation>il record di indirizzo iniziale deve contenere quattro byte</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>tipo di record sconosciuto %1</translation>
    </message>
</context>
<context>
    <name>ItemSummary</name>
    <message>
        <source>The program is what the panel runs, command by command, when it starts and after a Reset.</source>
        <translation>Il programma è ciò che il pannello esegue, comando per comando, all&apos;avvio e dopo un Reset.</translation>
    </message>
    <message>
        <source>A function holds commands that Calls run, ending with a Return; its commands take %1.</source>
        <translation>Una funzione contiene comandi eseguiti dalle Chiamate e termina con un Ritorno; i suoi comandi occupano %1.</translation>
    </message>
    <message>
        <source>A Call runs the commands of a function and comes back, though its target is not filled in yet, so the panel passes over it; it takes %1.</source>
        <translation>Una Chiamata esegue i comandi di una funzione e poi torna indietro, ma la sua destinazione non è ancora impostata, quindi il pannello la salta; occupa %1.</translation>
    </message>
    <message>
        <source>A Return ends a function: the panel goes back to the command after the Call; it takes %1.</source>
        <translation>Un Ritorno termina una funzione: il pannello torna al comando dopo la Chiamata; occupa %1.</translation>
    </message>
    <message>
        <source>A Reset starts the panel&apos;s program again from its first command; it takes %1.</source>
        <translation>Un Reset riavvia il programma del pannello dal primo comando; occupa %1.</translation>
    </message>
    <message>
        <source>A Stop makes the panel hold its last frame until it is told to go on; it takes %1.</source>
        <translation>Uno Stop fa mantenere al pannello l&apos;ultimo fotogramma finché non riceve l&apos;ordine di proseguire; occupa %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KamdelDocument</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>Documenti pannello (*.xml);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 è stato modificato.
Salvare le modifiche?</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Fotogramma</translation>
    </message>
</context>
<context>
    <name>LanesDock</name>
    <message>
        <source>Ring lanes</source>
        <translation>Corsie degli anelli</translation>
    </message>
    <message>
        <source>Show or hide every frame of the current list, ring by ring</source>
        <translation>Mostra o nascondi ogni fotogramma dell&apos;elenco corrente, anello per anello</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>La lingua cambia al prossimo avvio.</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Ha effetto al prossimo avvio</translation>
    </message>
</context>
<context>
    <name>LedPanelTableView</name>
    <message>
        <source>Cut cannot used this kind of multiple selection.</source>
        <translation>Taglia non può usare questo tipo di selezione multipla.</translation>
    </message>
    <message>
        <source>Copy cannot used this kind of multiple selection.</source>
        <translation>Copia non può usare questo tipo di selezione multipla.</translation>
    </message>
    <message>
        <source>Paste cannot used this kind of multiple selection.</source>
        <translation>Incolla non può usare questo tipo di selezione multipla.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>LedPanelView</name>
    <message>
        <source>LED board</source>
        <translation>Scheda LED</translation>
    </message>
    <message>
        <source>Arrow keys move along and between the rings, Space switches the LED, Shift with an arrow paints</source>
        <translation>I tasti freccia si spostano lungo e tra gli anelli, Spazio commuta il LED, Maiusc con una freccia disegna</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>New %1 document</source>
        <translation>Nuovo documento %1</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Apri un documento esistente</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save the document</source>
        <translation>Salva il documento</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Save the document under a new name</source>
        <translation>Salva il documento con un nuovo nome</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the document</source>
        <translation>Chiudi il documento</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>Copy to clipboard and delete</source>
        <translation>Copia negli appunti ed elimina</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>Incolla dagli appunti</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Play the program in the editor as the panel would</source>
        <translation>Riproduci il programma nell&apos;editor come farebbe il pannello</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Show the next frame</source>
        <translation>Mostra il fotogramma successivo</translation>
    </message>
    <message>
        <source>Stop playback</source>
        <translation>Ferma riproduzione</translation>
    </message>
    <message>
        <source>Stop and go back to the start</source>
        <translation>Ferma e torna all&apos;inizio</translation>
    </message>
    <message>
        <source>100 fps, the panel&apos;s Animate pace</source>
        <translation>100 fps, il ritmo di Anima del pannello</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>Importa animazione...</translation>
    </message>
    <message>
        <source>Add the frames of an animated GIF or of pictures after the current frame</source>
        <translation>Aggiungi i fotogrammi di una GIF animata o di immagini dopo il fotogramma corrente</translation>
    </message>
    <message>
        <source>Export animation...</source>
        <translation>Esporta animazione...</translation>
    </message>
    <message>
        <source>Save the program as an animated GIF</source>
        <translation>Salva il programma come GIF animata</translation>
    </message>
    <message>
        <source>Export frame as PNG...</source>
        <translation>Esporta fotogramma come PNG...</translation>
    </message>
    <message>
        <source>Save the frame shown as a PNG picture</source>
        <translation>Salva il fotogramma mostrato come immagine PNG</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Controllo</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Pannello</translation>
    </message>
    <message>
        <source>Playback in the editor</source>
        <translation>Riproduzione nell&apos;editor</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Velocità di riproduzione</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Insert an empty frame after the current one; with Shift, a copy of it</source>
        <translation>Inserisci un fotogramma vuoto dopo quello corrente; con Maiusc, una sua copia</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Riproduzione</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Annulla l&apos;ultima modifica</translation>
    </message>
    <message>
        <source>Redo the last undone edit</source>
        <translation>Ripeti l&apos;ultima modifica annullata</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Simmetria</translation>
    </message>
    <message>
        <source>Symmetry:</source>
        <translation>Simmetria:</translation>
    </message>
    <message>
        <source>Set every LED a click sets, turned by 360 / order degrees</source>
        <translation>Imposta ogni LED impostato da un clic, ruotato di 360 / ordine gradi</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchio</translation>
    </message>
    <message>
        <source>Also set the mirror images across the vertical axis</source>
        <translation>Imposta anche le immagini speculari rispetto all&apos;asse verticale</translation>
    </message>
    <message>
        <source>F&amp;rame</source>
        <translation>Fotog&amp;ramma</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>MainWindow</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%v of %m blocks</source>
        <translation>%v di %m blocchi</translation>
    </message>
    <message>
        <source>The settings cannot be saved: %1 is not writable.</source>
        <translation>Impossibile salvare le impostazioni: %1 non è scrivibile.</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 non esiste più; è stato rimosso dai file recenti.</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>Editor per pannelli LED segmentati</translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation> (ripristinato)</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1</source>
        <translation>Editor per pannelli LED segmentati  -  %1</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1  (%2)</source>
        <translation>Editor per pannelli LED segmentati  -  %1  (%2)</translation>
    </message>
    <message>
        <source>The production station %1 cannot be started.</source>
        <translation>Impossibile avviare la stazione di produzione %1.</translation>
    </message>
</context>
<context>
    <name>MarkupScanner</name>
    <message>
        <source>The file nests its elements deeper than any document does.</source>
        <translation>Il file annida i suoi elementi più in profondità di qualsiasi documento.</translation>
    </message>
    <message>
        <source>The file holds a text of more than %1 KiB, more than any document holds.</source>
        <translation>Il file contiene un testo di oltre %1 KiB, più di qualsiasi documento.</translation>
    </message>
    <message>
        <source>The file holds an LED state of more than %1 characters.</source>
        <translation>Il file contiene uno stato LED di oltre %1 caratteri.</translation>
    </message>
    <message>
        <source>The file holds an element with more attributes than any document has.</source>
        <translation>Il file contiene un elemento con più attributi di qualsiasi documento.</translation>
    </message>
</context>
<context>
    <name>MemoryGauge</name>
    <message>
        <source>No document</source>
        <translation>Nessun documento</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 di %2 byte</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, %2 more than the panel&apos;s %3 bytes of program memory; it cannot be written.</source>
        <translation>Il programma occupa %1 byte, %2 in più dei %3 byte di memoria di programma del pannello; non può essere scritto.</translation>
    </message>
    <message>
        <source>Program memory of the panel in use</source>
        <translation>Memoria di programma del pannello in uso</translation>
    </message>
</context>
<context>
    <name>MspFlasher</name>
    <message>
        <source>Incorrect header</source>
        <translation>Intestazione non corretta</translation>
    </message>
    <message>
        <source>Packet checksum error</source>
        <translation>Errore di checksum del pacchetto</translation>
    </message>
    <message>
        <source>Packet size is zero</source>
        <translation>La dimensione del pacchetto è zero</translation>
    </message>
    <message>
        <source>Packet size is invalid</source>
        <translation>La dimensione del pacchetto non è valida</translation>
    </message>
    <message>
        <source>Error in protocol</source>
        <translation>Errore di protocollo</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Error: (%1) </source>
        <translation>Errore: (%1) </translation>
    </message>
    <message>
        <source>Error: (%1) Invalid version</source>
        <translation>Errore: (%1) Versione non valida</translation>
    </message>
    <message>
        <source>unplugged during write (%1 %)</source>
        <translation>scollegato durante la scrittura (%1 %)</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is the input file; choose another name for the output.</source>
        <translation>%1 è il file di ingresso; scegli un altro nome per l&apos;uscita.</translation>
    </message>
    <message>
        <source>An output is written whole, from its start.</source>
        <translation>Un&apos;uscita viene scritta per intero, dall&apos;inizio.</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Impossibile scrivere il file</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>Il file non è aperto</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
</context>
<context>
    <name>PanelDocument</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>%1 is larger than any document (%2 MiB).</source>
        <translation>%1 è più grande di qualsiasi documento (%2 MiB).</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Nessun nome di file indicato.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Impossibile leggere il file %1:
%2.</translation>
    </message>
    <message>
        <source>Error occur while reading xml data of %1.</source>
        <translation>Errore durante la lettura dei dati XML di %1.</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2.</source>
        <translation>Impossibile aprire il file %1 in scrittura: %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Impossibile scrivere il file %1:
%2.</translation>
    </message>
</context>
<context>
    <name>PanelLink</name>
    <message>
        <source>No panel port is set: choose one in Tools &gt; Serial port setup.</source>
        <translation>Nessuna porta del pannello impostata: scegline una in Strumenti &gt; Configurazione porta seriale.</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1!</source>
        <translation>Impossibile connettersi alla porta seriale %1!</translation>
    </message>
    <message>
        <source>No document is open: Reset goes to the program the panel holds.</source>
        <translation>Nessun documento aperto: Reset passa al programma contenuto nel pannello.</translation>
    </message>
    <message>
        <source>No document is open: Next goes to the program the panel holds.</source>
        <translation>Nessun documento aperto: Avanti passa al programma contenuto nel pannello.</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to compile and write.</source>
        <translation>Nessun documento aperto: non c&apos;è nulla da compilare e scrivere.</translation>
    </message>
    <message>
        <source>Program compiling...</source>
        <translation>Compilazione del programma...</translation>
    </message>
    <message>
        <source>Memory use %1% (%2 of %3).</source>
        <translation>Memoria usata %1% (%2 di %3).</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, more than the %2 bytes of the panel&apos;s program memory.
Nothing was written to the panel.</source>
        <translation>Il programma occupa %1 byte, più dei %2 byte di memoria di programma del pannello.
Non è stato scritto nulla sul pannello.</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1 (%2)!</source>
        <translation>Impossibile connettersi alla porta seriale %1 (%2)!</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmazione...</translation>
    </message>
    <message>
        <source>Writing canceled: the panel holds an incomplete program.</source>
        <translation>Scrittura annullata: il pannello contiene un programma incompleto.</translation>
    </message>
    <message>
        <source>Writing to serial port %1 failed (%2). The program on the panel is incomplete.</source>
        <translation>Scrittura sulla porta seriale %1 non riuscita (%2). Il programma sul pannello è incompleto.</translation>
    </message>
    <message>
        <source>Firmware update - %1</source>
        <translation>Aggiornamento firmware - %1</translation>
    </message>
    <message numerus="yes">
        <source>Programming finished on %1 (%n block(s)).</source>
        <translation>
            <numerusform>Programmazione completata su %1 (%n blocco).</numerusform>
            <numerusform>Programmazione completata su %1 (%n blocchi).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureReading</name>
    <message>
        <source>Reading pictures…</source>
        <translation>Lettura delle immagini…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>No document is open: there is nothing to play.</source>
        <translation>Nessun documento aperto: non c&apos;è nulla da riprodurre.</translation>
    </message>
    <message>
        <source>Playing at %1 frames per second</source>
        <translation>Riproduzione a %1 fotogrammi al secondo</translation>
    </message>
    <message>
        <source>Playback stopped.</source>
        <translation>Riproduzione fermata.</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after 1 frame.</source>
        <translation>La riproduzione ha raggiunto la fine del programma dopo 1 fotogramma.</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after %1 frames.</source>
        <translation>La riproduzione ha raggiunto la fine del programma dopo %1 fotogrammi.</translation>
    </message>
    <message>
        <source>the program reached a Stop</source>
        <translation>il programma ha raggiunto uno Stop</translation>
    </message>
    <message>
        <source>a Return without a Call</source>
        <translation>un Ritorno senza Chiamata</translation>
    </message>
    <message>
        <source>the program ran past the end of the panel&apos;s memory</source>
        <translation>il programma è andato oltre la fine della memoria del pannello</translation>
    </message>
    <message>
        <source>the program loops without showing a frame</source>
        <translation>il programma cicla senza mostrare alcun fotogramma</translation>
    </message>
    <message>
        <source>calls nested too deep</source>
        <translation>chiamate annidate troppo in profondità</translation>
    </message>
    <message>
        <source>an unknown command</source>
        <translation>un comando sconosciuto</translation>
    </message>
    <message>
        <source>Playback held after %1 frames: %2 (%3).</source>
        <translation>Riproduzione ferma dopo %1 fotogrammi: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>PortFleet</name>
    <message>
        <source>empty port name</source>
        <translation>nome di porta vuoto</translation>
    </message>
    <message>
        <source>port %1 named twice</source>
        <translation>porta %1 indicata due volte</translation>
    </message>
    <message>
        <source>ports %1 and %2 are the same device</source>
        <translation>le porte %1 e %2 sono lo stesso dispositivo</translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s): %1 passed, %2 failed</source>
        <translation>
            <numerusform>%n unità: %1 promosse, %2 fallite</numerusform>
            <numerusform>%n unità: %1 promosse, %2 fallite</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortUnit</name>
    <message>
        <source>the flashing process stopped unexpectedly</source>
        <translation>il processo di flash si è interrotto inaspettatamente</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>stato di uscita %1</translation>
    </message>
</context>
<context>
    <name>PortWatch</name>
    <message>
        <source>%1: skipped, the same device as %2</source>
        <translation>%1: saltata, stesso dispositivo di %2</translation>
    </message>
</context>
<context>
    <name>ProgramWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Fotogrammi:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Lunghezza:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>%1 s at %2 fps</source>
        <translation>%1 s a %2 fps</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>QAction</name>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>Adatta alla vista</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Sopra</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Sotto</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Semplice</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Adjacent</source>
        <translation>Adiacenti</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Anima</translation>
    </message>
    <message>
        <source>Serial port setup...</source>
        <translation>Configurazione porta seriale...</translation>
    </message>
    <message>
        <source>Compile and Write...</source>
        <translation>Compila e scrivi...</translation>
    </message>
    <message>
        <source>Update firmware...</source>
        <translation>Aggiorna firmware...</translation>
    </message>
    <message>
        <source>Production station...</source>
        <translation>Stazione di produzione...</translation>
    </message>
    <message>
        <source>Animate panel</source>
        <translation>Anima pannello</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Aggiungi %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Remove %1 Items</source>
        <translation>Rimuovi %1 elementi</translation>
    </message>
    <message>
        <source>Invalid XML root element or version.</source>
        <translation>Elemento radice XML o versione non validi.</translation>
    </message>
    <message>
        <source>The file holds more than %1 frames; a document takes at most %1.</source>
        <translation>Il file contiene più di %1 fotogrammi; un documento ne accetta al massimo %1.</translation>
    </message>
    <message>
        <source>The file holds more commands than a document can take.</source>
        <translation>Il file contiene più comandi di quanti un documento ne possa accettare.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Recent Files</source>
        <translation>File recenti</translation>
    </message>
    <message>
        <source>Clear recent files</source>
        <translation>Cancella file recenti</translation>
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
        <translation>la ricetta %1 manca</translation>
    </message>
    <message>
        <source>%1 is not a recipe: a recipe is a small text file</source>
        <translation>%1 non è una ricetta: una ricetta è un piccolo file di testo</translation>
    </message>
    <message>
        <source>recipe %1 is not a readable INI file</source>
        <translation>la ricetta %1 non è un file INI leggibile</translation>
    </message>
    <message>
        <source>recipe %1 has a bad %2</source>
        <translation>la ricetta %1 ha un campo %2 errato</translation>
    </message>
    <message>
        <source>cannot write recipe %1</source>
        <translation>impossibile scrivere la ricetta %1</translation>
    </message>
</context>
<context>
    <name>RecipeCheck</name>
    <message>
        <source>unknown model %1 (known: %2, %3)</source>
        <translation>modello sconosciuto %1 (noti: %2, %3)</translation>
    </message>
    <message>
        <source>unknown controller %1 (known: %2)</source>
        <translation>controller sconosciuto %1 (noti: %2)</translation>
    </message>
    <message>
        <source>no port to watch: the recipe names no Watch glob</source>
        <translation>nessuna porta da sorvegliare: la ricetta non indica alcun glob Watch</translation>
    </message>
    <message>
        <source>program %1 changed: the recipe expects CRC %2, the file has %3</source>
        <translation>il programma %1 è cambiato: la ricetta prevede CRC %2, il file ha %3</translation>
    </message>
    <message>
        <source>log %1 is the recipe&apos;s own file %2: name a log file of its own</source>
        <translation>il log %1 è il file stesso della ricetta %2: indica un file di log separato</translation>
    </message>
    <message>
        <source>log %1 cannot be appended to: %2</source>
        <translation>impossibile aggiungere al log %1: %2</translation>
    </message>
    <message>
        <source>log %1 has the columns of an older version: name a new log file in the recipe</source>
        <translation>il log %1 ha le colonne di una versione precedente: indica un nuovo file di log nella ricetta</translation>
    </message>
    <message>
        <source>firmware %1 changed: the recipe expects digest %2, the file has %3</source>
        <translation>il firmware %1 è cambiato: la ricetta prevede il digest %2, il file ha %3</translation>
    </message>
    <message>
        <source>firmware %1 is missing</source>
        <translation>il firmware %1 manca</translation>
    </message>
    <message>
        <source>firmware %1 is unreadable: %2</source>
        <translation>il firmware %1 non è leggibile: %2</translation>
    </message>
    <message>
        <source>firmware %1 is not a firmware image: %2</source>
        <translation>il firmware %1 non è un&apos;immagine firmware: %2</translation>
    </message>
    <message>
        <source>firmware %1 does not fit %2: it writes %3, outside %4</source>
        <translation>il firmware %1 non è adatto a %2: scrive %3, fuori da %4</translation>
    </message>
    <message>
        <source>firmware %1 writes the interrupt vectors, which the recipe does not allow</source>
        <translation>il firmware %1 scrive i vettori di interrupt, cosa che la ricetta non consente</translation>
    </message>
    <message>
        <source>program %1 is missing</source>
        <translation>il programma %1 manca</translation>
    </message>
    <message>
        <source>program %1 is not a panel document</source>
        <translation>il programma %1 non è un documento pannello</translation>
    </message>
    <message>
        <source>program %1 is for %2, not %3</source>
        <translation>il programma %1 è per %2, non per %3</translation>
    </message>
    <message>
        <source>program %1 is unreadable: %2</source>
        <translation>il programma %1 non è leggibile: %2</translation>
    </message>
</context>
<context>
    <name>RecipeDialog</name>
    <message>
        <source>Recipe</source>
        <translation>Ricetta</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modello:</translation>
    </message>
    <message>
        <source>&amp;Station name:</source>
        <translation>Nome &amp;stazione:</translation>
    </message>
    <message>
        <source>The host name when empty</source>
        <translation>Il nome host se vuoto</translation>
    </message>
    <message>
        <source>&amp;Firmware:</source>
        <translation>&amp;Firmware:</translation>
    </message>
    <message>
        <source>The firmware image written first (Intel HEX or TI-TXT)</source>
        <translation>L&apos;immagine firmware scritta per prima (Intel HEX o TI-TXT)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>The firmware may write the &amp;interrupt vectors</source>
        <translation>Il firmware può scrivere i &amp;vettori di interrupt</translation>
    </message>
    <message>
        <source>Light &amp;program:</source>
        <translation>&amp;Programma luminoso:</translation>
    </message>
    <message>
        <source>The panel document whose program is written last</source>
        <translation>Il documento pannello il cui programma viene scritto per ultimo</translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation>Velocità in &amp;baud:</translation>
    </message>
    <message>
        <source>Ports to &amp;watch:</source>
        <translation>P&amp;orte da sorvegliare:</translation>
    </message>
    <message>
        <source>One pattern per line, /dev/ttyUSB*</source>
        <translation>Un modello per riga, /dev/ttyUSB*</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>File di &amp;log:</translation>
    </message>
    <message>
        <source>The CSV file each unit is appended to; the shift totals go beside it</source>
        <translation>Il file CSV a cui si aggiunge ogni unità; i totali del turno vanno accanto</translation>
    </message>
    <message>
        <source>Show a &amp;test pattern and ask the operator whether every LED is lit</source>
        <translation>Mostra uno schema di &amp;test e chiedi all&apos;operatore se ogni LED è acceso</translation>
    </message>
    <message>
        <source>Ask for each unit&apos;s &amp;serial number before it starts</source>
        <translation>Chiedi il &amp;numero di serie di ogni unità prima dell&apos;avvio</translation>
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
        <translation>Immagini firmware (*.hex *.ihex *.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Light program</source>
        <translation>Programma luminoso</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>Documenti pannello (*.xml);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Unit log</source>
        <translation>Log delle unità</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>New recipe</source>
        <translation>Nuova ricetta</translation>
    </message>
    <message>
        <source>Recipe %1</source>
        <translation>Ricetta %1</translation>
    </message>
    <message>
        <source>This recipe cannot start a station: %1.</source>
        <translation>Questa ricetta non può avviare una stazione: %1.</translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation>Salva ricetta</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>Ricette di stazione (*.ini);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>ResetWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>ReturnWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>RingLanesView</name>
    <message>
        <source>Line</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Fit the lanes into the width of the view</source>
        <translation>Adatta le corsie alla larghezza della vista</translation>
    </message>
    <message>
        <source>Drag to draw; Shift+drag draws a line (Alt: the long way round); Ctrl+drag selects; Ctrl+wheel zooms; click a frame number to make it current</source>
        <translation>Trascina per disegnare; Maiusc+trascina disegna una linea (Alt: dal lato lungo); Ctrl+trascina seleziona; Ctrl+rotellina ingrandisce; fai clic sul numero di un fotogramma per renderlo corrente</translation>
    </message>
    <message>
        <source>Ring lanes</source>
        <translation>Corsie degli anelli</translation>
    </message>
    <message>
        <source>Drag draws a line of one LED per frame (Alt: the long way round)</source>
        <translation>Trascinando si disegna una linea di un LED per fotogramma (Alt: dal lato lungo)</translation>
    </message>
    <message>
        <source>Drag selects a block to copy, clear or move with Alt+arrows</source>
        <translation>Trascinando si seleziona un blocco da copiare, svuotare o spostare con Alt+frecce</translation>
    </message>
    <message>
        <source>Draw on the lanes</source>
        <translation>Disegna sulle corsie</translation>
    </message>
    <message>
        <source>Draw a line</source>
        <translation>Disegna una linea</translation>
    </message>
    <message>
        <source>Cut on the lanes</source>
        <translation>Taglia sulle corsie</translation>
    </message>
    <message>
        <source>Clear on the lanes</source>
        <translation>Svuota sulle corsie</translation>
    </message>
    <message>
        <source>Paste on the lanes</source>
        <translation>Incolla sulle corsie</translation>
    </message>
    <message>
        <source>Move on the lanes</source>
        <translation>Sposta sulle corsie</translation>
    </message>
    <message>
        <source>on</source>
        <translation>acceso</translation>
    </message>
    <message>
        <source>off</source>
        <translation>spento</translation>
    </message>
    <message>
        <source>%1, frame %2, %3</source>
        <translation>%1, fotogramma %2, %3</translation>
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
        <translation>Immagine firmware:</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>Sfoglia ...</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Porta seriale:</translation>
    </message>
    <message>
        <source>Select ...</source>
        <translation>Seleziona ...</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
</context>
<context>
    <name>RomwrightPrivate</name>
    <message>
        <source>Flashing...</source>
        <translation>Flash in corso...</translation>
    </message>
    <message>
        <source>Romwright</source>
        <translation>Romwright</translation>
    </message>
    <message>
        <source>Flashing is in progress. Stop it and leave the device without a valid application?</source>
        <translation>Flash in corso. Interromperlo e lasciare il dispositivo senza un&apos;applicazione valida?</translation>
    </message>
    <message>
        <source>Select port!</source>
        <translation>Seleziona la porta!</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Seleziona file</translation>
    </message>
    <message>
        <source>MSP430 app (*.txt);;Intel HEX (*.hex *.ihex);;All files (*)</source>
        <translation>Applicazione MSP430 (*.txt);;Intel HEX (*.hex *.ihex);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Unknown MPU!</source>
        <translation>MPU sconosciuta!</translation>
    </message>
    <message>
        <source>Flashing succeeded</source>
        <translation>Flash riuscito</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>SequenceFile</name>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 non è un file di sequenza.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 LED frames.</source>
        <translation>%1 contiene più di %2 fotogrammi LED.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Impossibile leggere il file %1:
%2.</translation>
    </message>
    <message>
        <source>%1 cannot be imported. The file holds no frames.</source>
        <translation>%1 non può essere importato. Il file non contiene fotogrammi.</translation>
    </message>
    <message>
        <source>LED panel Sequence (*.csv);;All files (*)</source>
        <translation>Sequenza pannello LED (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Impossibile scrivere il file %1:
%2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>Importa sequenza</translation>
    </message>
</context>
<context>
    <name>SerialPortDialog</name>
    <message>
        <source>Serial port</source>
        <translation>Porta seriale</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Pick a port or type any device path, such as a stable /dev/serial/by-id/ name.</source>
        <translation>Scegli una porta o digita un percorso di dispositivo qualsiasi, ad esempio un nome stabile /dev/serial/by-id/.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>Bit di dati:</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>Bit di stop:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parità:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>seriale %1</translation>
    </message>
</context>
<context>
    <name>ShiftTotals</name>
    <message>
        <source>%1: %2 passed, %3 failed, yield %4 %, %5 units/h</source>
        <translation>%1: %2 promosse, %3 fallite, resa %4 %, %5 unità/h</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
</context>
<context>
    <name>ShowLength</name>
    <message>
        <source>The Program&apos;s frames and how long they play at the playback speed</source>
        <translation>I fotogrammi del Programma e quanto durano alla velocità di riproduzione</translation>
    </message>
    <message>
        <source>%1, %2 s at %3 per second</source>
        <translation>%1, %2 s a %3 al secondo</translation>
    </message>
</context>
<context>
    <name>StationBanner</name>
    <message>
        <source>Recipe</source>
        <translation>Ricetta</translation>
    </message>
    <message>
        <source>Firmware and program</source>
        <translation>Firmware e programma</translation>
    </message>
    <message>
        <source>Ports and log</source>
        <translation>Porte e log</translation>
    </message>
    <message>
        <source>Shift totals</source>
        <translation>Totali del turno</translation>
    </message>
    <message>
        <source>Recipe %1: %2</source>
        <translation>Ricetta %1: %2</translation>
    </message>
    <message>
        <source>Firmware %1 (sha256 %2)    Program %3 (CRC %4)</source>
        <translation>Firmware %1 (sha256 %2)    Programma %3 (CRC %4)</translation>
    </message>
    <message>
        <source>Ports %1    Log %2</source>
        <translation>Porte %1    Log %2</translation>
    </message>
</context>
<context>
    <name>StationRun</name>
    <message>
        <source>cannot copy %1 for the station</source>
        <translation>impossibile copiare %1 per la stazione</translation>
    </message>
    <message>
        <source>firmware %1 cannot be read</source>
        <translation>impossibile leggere il firmware %1</translation>
    </message>
    <message>
        <source>a serial number is required</source>
        <translation>è richiesto un numero di serie</translation>
    </message>
    <message>
        <source>%1 has passed before: %2</source>
        <translation>%1 è già stato promosso: %2</translation>
    </message>
    <message>
        <source>%1 cannot be looked up in the log: %2</source>
        <translation>impossibile cercare %1 nel log: %2</translation>
    </message>
    <message>
        <source>%1 is in use on %2</source>
        <translation>%1 è in uso su %2</translation>
    </message>
    <message>
        <source>no unit on %1</source>
        <translation>nessuna unità su %1</translation>
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
        <translation>Esci</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>Stazione di produzione pannelli</translation>
    </message>
    <message>
        <source>Open the recipe this station makes its units by, or make a new one.</source>
        <translation>Apri la ricetta con cui questa stazione produce le sue unità, o creane una nuova.</translation>
    </message>
    <message>
        <source>Open recipe...</source>
        <translation>Apri ricetta...</translation>
    </message>
    <message>
        <source>New recipe...</source>
        <translation>Nuova ricetta...</translation>
    </message>
    <message>
        <source>Recipe refused</source>
        <translation>Ricetta rifiutata</translation>
    </message>
    <message>
        <source>The recipe %1 cannot start the station.</source>
        <translation>La ricetta %1 non può avviare la stazione.</translation>
    </message>
    <message>
        <source>Edit recipe...</source>
        <translation>Modifica ricetta...</translation>
    </message>
    <message>
        <source>Open another...</source>
        <translation>Apri un&apos;altra...</translation>
    </message>
    <message>
        <source>Open recipe</source>
        <translation>Apri ricetta</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>Ricette di stazione (*.ini);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Your name, for the unit log:</source>
        <translation>Il tuo nome, per il log delle unità:</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Shift written to %1</source>
        <translation>Turno scritto in %1</translation>
    </message>
    <message>
        <source>Station not started</source>
        <translation>Stazione non avviata</translation>
    </message>
    <message>
        <source>No unit yet: plug a panel into a port the recipe watches.</source>
        <translation>Ancora nessuna unità: collega un pannello a una porta sorvegliata dalla ricetta.</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>Stazione di produzione pannelli</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Stazione</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Promosso</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fallito</translation>
    </message>
    <message>
        <source>End shift...</source>
        <translation>Fine turno...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Numero di serie:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Scan or type, then Enter</source>
        <translation>Scansiona o digita, poi Invio</translation>
    </message>
    <message>
        <source>%1 goes to the next unit</source>
        <translation>%1 va all&apos;unità successiva</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No unit waits for a verdict.</source>
        <translation>Nessuna unità attende un verdetto.</translation>
    </message>
    <message>
        <source>%1 - Panel Production Station</source>
        <translation>%1 - Stazione di produzione pannelli</translation>
    </message>
    <message>
        <source>End shift</source>
        <translation>Fine turno</translation>
    </message>
    <message>
        <source>End the shift now? Its totals go to the shift file and the counts start again.

%1</source>
        <translation>Terminare il turno ora? I suoi totali vanno nel file del turno e i conteggi ripartono.

%1</translation>
    </message>
    <message>
        <source>Units are running</source>
        <translation>Unità in corso</translation>
    </message>
    <message>
        <source>Still on the station: %1. Let them finish, cancel them, or keep the station running?</source>
        <translation>Ancora sulla stazione: %1. Lasciarle finire, annullarle o mantenere la stazione in funzione?</translation>
    </message>
    <message>
        <source>Let them finish</source>
        <translation>Lasciale finire</translation>
    </message>
    <message>
        <source>Cancel units</source>
        <translation>Annulla unità</translation>
    </message>
    <message>
        <source>Keep running</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>The station closes once the units have ended.</source>
        <translation>La stazione si chiude quando le unità hanno terminato.</translation>
    </message>
</context>
<context>
    <name>StopWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>TestPattern</name>
    <message>
        <source>no test pattern for the unknown model %1</source>
        <translation>nessuno schema di test per il modello sconosciuto %1</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>Schema di test</translation>
    </message>
    <message>
        <source>the test pattern takes %1 bytes, more than the panel&apos;s %2</source>
        <translation>lo schema di test occupa %1 byte, più dei %2 del pannello</translation>
    </message>
</context>
<context>
    <name>TiTxtReader</name>
    <message>
        <source>address %1 is not a hexadecimal number</source>
        <translation>l&apos;indirizzo %1 non è un numero esadecimale</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>l&apos;indirizzo %1 è oltre lo spazio di indirizzamento a 24 bit</translation>
    </message>
    <message>
        <source>%1 is not a hexadecimal number</source>
        <translation>%1 non è un numero esadecimale</translation>
    </message>
    <message>
        <source>value %1 is not a byte</source>
        <translation>il valore %1 non è un byte</translation>
    </message>
    <message>
        <source>data runs past the 24-bit address space</source>
        <translation>i dati vanno oltre lo spazio di indirizzamento a 24 bit</translation>
    </message>
</context>
<context>
    <name>UnitSequence</name>
    <message>
        <source>Not every LED lit in the test</source>
        <translation>Non tutti i LED si sono accesi nel test</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Unplugged during %1</source>
        <translation>Scollegato durante %1</translation>
    </message>
    <message>
        <source>Unplugged during %1 (%2 %)</source>
        <translation>Scollegato durante %1 (%2 %)</translation>
    </message>
    <message>
        <source>No answer during %1</source>
        <translation>Nessuna risposta durante %1</translation>
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
        <translation>test</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programma</translation>
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
        <translation>Porta</translation>
    </message>
    <message>
        <source>Time in this step</source>
        <translation>Tempo in questa fase</translation>
    </message>
    <message>
        <source>Unit serial number</source>
        <translation>Numero di serie dell&apos;unità</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Question to the operator</source>
        <translation>Domanda all&apos;operatore</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Promosso</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fallito</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Test: look at the panel</source>
        <translation>Test: guarda il pannello</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>Schema di test</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>PROMOSSO</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FALLITO</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>FALLITO: %1</translation>
    </message>
    <message>
        <source>Serial %1</source>
        <translation>Seriale %1</translation>
    </message>
    <message>
        <source>Every LED lit? Pass&#xa0;(P) / Fail&#xa0;(F)</source>
        <translation>Tutti i LED accesi? Promosso&#xa0;(P) / Fallito&#xa0;(F)</translation>
    </message>
    <message>
        <source>Scan or type the serial number</source>
        <translation>Scansiona o digita il numero di serie</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Report pane</source>
        <translation>Riquadro dei rapporti</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>Adatta alla vista</translation>
    </message>
    <message>
        <source>Show or hide the pane of reports below the document</source>
        <translation>Mostra o nascondi il riquadro dei rapporti sotto il documento</translation>
    </message>
    <message>
        <source>Show the whole board</source>
        <translation>Mostra l&apos;intera scheda</translation>
    </message>
    <message>
        <source>Tool bars</source>
        <translation>Barre degli strumenti</translation>
    </message>
</context>
</TS>
