<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>Editor für segmentierte LED-Panels</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Version 
</source>
        <translation>Version 
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
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 wurde geändert.
Möchten Sie die Änderungen speichern?</translation>
    </message>
</context>
<context>
    <name>AbstractLedPanelScene</name>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Ring %1, position %2</source>
        <translation>Ring %1, Position %2</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Ring %1</translation>
    </message>
    <message>
        <source>%1, on</source>
        <translation>%1, an</translation>
    </message>
    <message>
        <source>%1, off</source>
        <translation>%1, aus</translation>
    </message>
</context>
<context>
    <name>AnimationExport</name>
    <message>
        <source>The program shows no frame.</source>
        <translation>Das Programm zeigt keinen Frame.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>AnimationImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (%2).</source>
        <translation>%1 ist abgeschnitten oder beschädigt (%2).</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; pictures up to %4 x %4 pixels can be imported.</source>
        <translation>%1 hat %2 x %3 Pixel; importiert werden können Bilder bis %4 x %4 Pixel.</translation>
    </message>
    <message>
        <source>%1 holds more frames than can be imported (at most %2).</source>
        <translation>%1 enthält mehr Frames, als importiert werden können (höchstens %2).</translation>
    </message>
    <message>
        <source>%1 holds too many pixels to import.</source>
        <translation>%1 enthält zu viele Pixel für den Import.</translation>
    </message>
    <message>
        <source>Not enough memory to read %1.</source>
        <translation>Nicht genug Speicher, um %1 zu lesen.</translation>
    </message>
    <message>
        <source>%1 is a progressive JPEG of %2 scans; at most %3 are read.</source>
        <translation>%1 ist ein progressives JPEG mit %2 Durchläufen; höchstens %3 werden gelesen.</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it has no pixels).</source>
        <translation>%1 ist abgeschnitten oder beschädigt (es hat keine Pixel).</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (a frame has no colours).</source>
        <translation>%1 ist abgeschnitten oder beschädigt (ein Frame hat keine Farben).</translation>
    </message>
    <message>
        <source>%1 holds no picture.</source>
        <translation>%1 enthält kein Bild.</translation>
    </message>
    <message>
        <source>Pictures (*.gif *.png *.jpg *.jpeg *.bmp);;All files (*)</source>
        <translation>Bilder (*.gif *.png *.jpg *.jpeg *.bmp);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No picture was given.</source>
        <translation>Es wurde kein Bild angegeben.</translation>
    </message>
    <message>
        <source>%1 is a link that leads nowhere.</source>
        <translation>%1 ist eine Verknüpfung, die ins Leere führt.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 ist keine Bilddatei.</translation>
    </message>
    <message>
        <source>%1 is too large to import.</source>
        <translation>%1 ist zu groß für den Import.</translation>
    </message>
    <message>
        <source>%1 is not a picture: GIF, PNG, JPEG and BMP pictures can be imported.</source>
        <translation>%1 ist kein Bild: Importiert werden können GIF-, PNG-, JPEG- und BMP-Bilder.</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it ends too early).</source>
        <translation>%1 ist abgeschnitten oder beschädigt (es endet zu früh).</translation>
    </message>
</context>
<context>
    <name>BoardLegend</name>
    <message>
        <source>Board legend</source>
        <translation>Board-Legende</translation>
    </message>
    <message>
        <source>Yellow: the LED is on in the frame shown.</source>
        <translation>Gelb: Die LED ist im gezeigten Frame an.</translation>
    </message>
    <message>
        <source>Dark grey: the LED is off in the frame shown.</source>
        <translation>Dunkelgrau: Die LED ist im gezeigten Frame aus.</translation>
    </message>
    <message>
        <source>Blue left half ring: the LED is on in the previous frame.</source>
        <translation>Blauer linker Halbring: Die LED ist im vorigen Frame an.</translation>
    </message>
    <message>
        <source>Red right half ring: the LED is on in the next frame.</source>
        <translation>Roter rechter Halbring: Die LED ist im nächsten Frame an.</translation>
    </message>
    <message>
        <source>Both halves: on before and after; here also on in the frame shown.</source>
        <translation>Beide Hälften: vorher und nachher an; hier auch im gezeigten Frame an.</translation>
    </message>
    <message>
        <source>The half rings show while Adjacent is ticked in the board&apos;s menu (right click on the board). A frame without a frame before or after it shows only one half.</source>
        <translation>Die Halbringe erscheinen, solange „Nachbarn“ im Menü des Boards angehakt ist (Rechtsklick auf das Board). Ein Frame ohne Frame davor oder danach zeigt nur eine Hälfte.</translation>
    </message>
</context>
<context>
    <name>CallWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>CommandTreeMenu</name>
    <message>
        <source>Collection</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>LedState</source>
        <translation>LED-Zustand</translation>
    </message>
    <message>
        <source>LedStates</source>
        <translation>LED-Zustände</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Aufruf</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Rücksprung</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Element entfernen</translation>
    </message>
    <message>
        <source>Edit as table</source>
        <translation>Als Tabelle bearbeiten</translation>
    </message>
    <message>
        <source>Cut Frames</source>
        <translation>Frames ausschneiden</translation>
    </message>
    <message>
        <source>Copy Frames</source>
        <translation>Frames kopieren</translation>
    </message>
    <message>
        <source>Paste Frames</source>
        <translation>Frames einfügen</translation>
    </message>
    <message>
        <source>Import sequence...</source>
        <translation>Sequenz importieren...</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>Animation importieren...</translation>
    </message>
    <message>
        <source>Export sequence...</source>
        <translation>Sequenz exportieren...</translation>
    </message>
</context>
<context>
    <name>CommandTreeView</name>
    <message>
        <source>Insert LedState items</source>
        <translation>LED-Zustände einfügen</translation>
    </message>
    <message>
        <source>Append LedState items</source>
        <translation>LED-Zustände anhängen</translation>
    </message>
    <message>
        <source>Insert %1 Frames</source>
        <translation>%1 Frames einfügen</translation>
    </message>
    <message>
        <source>Append %1 Frames</source>
        <translation>%1 Frames anhängen</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Anzahl:</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n Frame</numerusform>
            <numerusform>%n Frames</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation>
            <numerusform>%n Gerät</numerusform>
            <numerusform>%n Geräte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
</context>
<context>
    <name>DocumentEdits</name>
    <message>
        <source>Set LED</source>
        <translation>LED setzen</translation>
    </message>
    <message>
        <source>Edit LEDs</source>
        <translation>LEDs bearbeiten</translation>
    </message>
    <message>
        <source>The document would hold %L1 frames; a document holds at most %L2.</source>
        <translation>Das Dokument hätte %L1 Frames; ein Dokument fasst höchstens %L2.</translation>
    </message>
</context>
<context>
    <name>DocumentHost</name>
    <message>
        <source>The recovery copy of %1 cannot be read. It is kept at %2.</source>
        <translation>Die Wiederherstellungskopie von %1 kann nicht gelesen werden. Sie bleibt unter %2 erhalten.</translation>
    </message>
    <message>
        <source>The recovery copy of %1 could be read only in part; what was read is shown. The copy is kept at %2.</source>
        <translation>Die Wiederherstellungskopie von %1 konnte nur teilweise gelesen werden; das Gelesene wird angezeigt. Die Kopie bleibt unter %2 erhalten.</translation>
    </message>
    <message>
        <source>Document loaded</source>
        <translation>Dokument geladen</translation>
    </message>
    <message>
        <source>Example opened</source>
        <translation>Beispiel geöffnet</translation>
    </message>
    <message>
        <source>Unknown file %1!</source>
        <translation>Unbekannte Datei %1!</translation>
    </message>
    <message>
        <source>Document saved</source>
        <translation>Dokument gespeichert</translation>
    </message>
</context>
<context>
    <name>DropHandler</name>
    <message>
        <source>Drop to open %1.</source>
        <translation>Ablegen, um %1 zu öffnen.</translation>
    </message>
    <message>
        <source>Drop to add the frames of %1 after the current frame.</source>
        <translation>Ablegen, um die Frames von %1 nach dem aktuellen Frame einzufügen.</translation>
    </message>
    <message>
        <source>Open or create a document first to add the frames of %1.</source>
        <translation>Öffnen oder erstellen Sie zuerst ein Dokument, um die Frames von %1 hinzuzufügen.</translation>
    </message>
    <message>
        <source>The window takes a panel document (.xml) to open, or a sequence file (.csv) whose frames go after the current frame.</source>
        <translation>Das Fenster nimmt ein Panel-Dokument (.xml) zum Öffnen an oder eine Sequenzdatei (.csv), deren Frames nach dem aktuellen Frame eingefügt werden.</translation>
    </message>
    <message>
        <source>Added %1 LED frames from %2.</source>
        <translation>%1 LED-Frames aus %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>This cannot be dropped here.</source>
        <translation>Das kann hier nicht abgelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be dropped here.</source>
        <translation>%1 kann hier nicht abgelegt werden.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Datei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 ist keine Sequenzdatei.</translation>
    </message>
    <message>
        <source>The document takes no frames.</source>
        <translation>Das Dokument nimmt keine Frames auf.</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>Sequenz importieren</translation>
    </message>
    <message>
        <source>The document has no program to take the frames.</source>
        <translation>Das Dokument hat kein Programm, das die Frames aufnimmt.</translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>The editor did not end normally while %1 had unsaved changes.
Restore the copy kept at %2?

Cancel keeps the copy for the next start.</source>
        <translation>Der Editor wurde nicht normal beendet, während %1 ungespeicherte Änderungen hatte.
Die unter %2 aufbewahrte Kopie wiederherstellen?

Abbrechen behält die Kopie für den nächsten Start.</translation>
    </message>
    <message>
        <source>A program is being written to the panel.
Stop writing and close? The panel then holds an incomplete program.</source>
        <translation>Ein Programm wird gerade auf das Panel geschrieben.
Schreiben abbrechen und schließen? Das Panel enthält dann ein unvollständiges Programm.</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>The number of frames must lie between 1 and %1.</source>
        <translation>Die Anzahl der Frames muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>The number of heads must divide 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 or 48).</source>
        <translation>Die Anzahl der Köpfe muss 48 teilen (1, 2, 3, 4, 6, 8, 12, 16, 24 oder 48).</translation>
    </message>
    <message>
        <source>The length must lie between 1 and %1 (48 / heads).</source>
        <translation>Die Länge muss zwischen 1 und %1 (48 / Köpfe) liegen.</translation>
    </message>
    <message>
        <source>The direction must be 1 or -1.</source>
        <translation>Die Richtung muss 1 oder -1 sein.</translation>
    </message>
    <message>
        <source>The LEDs per frame must be at least 1.</source>
        <translation>Die LEDs pro Frame müssen mindestens 1 sein.</translation>
    </message>
    <message>
        <source>The width must lie between 1 and 4 rings.</source>
        <translation>Die Breite muss zwischen 1 und 4 Ringen liegen.</translation>
    </message>
    <message>
        <source>There is no frame to start from: show one on the board.</source>
        <translation>Es gibt keinen Start-Frame: Zeigen Sie einen auf dem Board an.</translation>
    </message>
    <message>
        <source>There is no frame to end at.</source>
        <translation>Es gibt keinen End-Frame.</translation>
    </message>
    <message>
        <source>The number of blinks must lie between 1 and %1.</source>
        <translation>Die Anzahl der Blinker muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>The density must lie between 0 and 100 percent.</source>
        <translation>Die Dichte muss zwischen 0 und 100 Prozent liegen.</translation>
    </message>
    <message>
        <source>Turned by %1 positions the frame looks the same: the spin has no frames.</source>
        <translation>Um %1 Positionen gedreht sieht der Frame gleich aus: Die Drehung hat keine Frames.</translation>
    </message>
    <message>
        <source>Unknown effect.</source>
        <translation>Unbekannter Effekt.</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>Lauflicht</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Blinken</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Überblenden</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Funkeln</translation>
    </message>
</context>
<context>
    <name>ExamplesMenu</name>
    <message>
        <source>Comet and fill</source>
        <translation>Komet und Füllen</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>Herzschlag</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Sternenfeld</translation>
    </message>
    <message>
        <source>Comet slowing over a drawn ring</source>
        <translation>Komet, der über einem gezeichneten Ring langsamer wird</translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation>Fortschrittsring</translation>
    </message>
    <message>
        <source>Ripple pulse</source>
        <translation>Wellenpuls</translation>
    </message>
    <message>
        <source>Dissolve between patterns</source>
        <translation>Überblenden zwischen Mustern</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Open the example as a new document</source>
        <translation>Das Beispiel als neues Dokument öffnen</translation>
    </message>
</context>
<context>
    <name>ExportAnimationDialog</name>
    <message>
        <source>Export animation</source>
        <translation>Animation exportieren</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Frames:</translation>
    </message>
    <message>
        <source>How many frames to draw; at most 1000</source>
        <translation>Wie viele Frames gezeichnet werden; höchstens 1000</translation>
    </message>
    <message>
        <source>Until the program holds or repeats</source>
        <translation>Bis das Programm anhält oder sich wiederholt</translation>
    </message>
    <message>
        <source>Time per frame:</source>
        <translation>Zeit pro Frame:</translation>
    </message>
    <message>
        <source>Most viewers show shorter times than 20 ms much slower, so 20 ms is the shortest</source>
        <translation>Die meisten Betrachter zeigen Zeiten unter 20 ms viel langsamer, daher sind 20 ms das Minimum</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Seen from:</source>
        <translation>Ansicht von:</translation>
    </message>
    <message>
        <source>Top side</source>
        <translation>Oberseite</translation>
    </message>
    <message>
        <source>Bottom side</source>
        <translation>Unterseite</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>No document is open: there is nothing to import into.</source>
        <translation>Kein Dokument geöffnet: Es gibt nichts, wohin importiert werden kann.</translation>
    </message>
    <message>
        <source>%1 frames imported</source>
        <translation>%1 Frames importiert</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to export.</source>
        <translation>Kein Dokument geöffnet: Es gibt nichts zu exportieren.</translation>
    </message>
    <message>
        <source>Export animation</source>
        <translation>Animation exportieren</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>Animiertes GIF (*.gif)</translation>
    </message>
    <message>
        <source>%1 frames exported to %2</source>
        <translation>%1 Frames nach %2 exportiert</translation>
    </message>
    <message>
        <source>No frame is shown: pick one in the tree.</source>
        <translation>Kein Frame wird angezeigt: Wählen Sie einen im Baum.</translation>
    </message>
    <message>
        <source>Export frame as PNG</source>
        <translation>Frame als PNG exportieren</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Frame exported to %1</source>
        <translation>Frame nach %1 exportiert</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>The firmware file does not exist.</source>
        <translation>Die Firmware-Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The firmware file is not a regular file (it is a folder, a device or a pipe).</source>
        <translation>Die Firmware-Datei ist keine reguläre Datei (sondern ein Ordner, ein Gerät oder eine Pipe).</translation>
    </message>
    <message>
        <source>The firmware file is larger than 16 MiB, more than any device holds.</source>
        <translation>Die Firmware-Datei ist größer als 16 MiB, mehr als jedes Gerät fasst.</translation>
    </message>
    <message>
        <source>Cannot read the firmware file: %1.</source>
        <translation>Die Firmware-Datei kann nicht gelesen werden: %1.</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>more data than any device holds (over 2.25 MiB)</source>
        <translation>mehr Daten, als irgendein Gerät fasst (über 2,25 MiB)</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>You may need to be a member of the group &quot;%1&quot; that owns %2 (log in again after joining it).</source>
        <translation>Möglicherweise müssen Sie Mitglied der Gruppe „%1“ sein, der %2 gehört (nach dem Beitritt neu anmelden).</translation>
    </message>
    <message>
        <source>Serial port %1 (%2) is active!</source>
        <translation>Serielle Schnittstelle %1 (%2) ist aktiv!</translation>
    </message>
    <message>
        <source>Open serial port %1 (%2).</source>
        <translation>Serielle Schnittstelle %1 (%2) öffnen.</translation>
    </message>
    <message>
        <source>Cannot open serial port %1! Error: %2</source>
        <translation>Serielle Schnittstelle %1 kann nicht geöffnet werden! Fehler: %2</translation>
    </message>
    <message>
        <source>Enter MPU flasher.</source>
        <translation>MPU-Flasher starten.</translation>
    </message>
    <message>
        <source>Close serial port.</source>
        <translation>Serielle Schnittstelle schließen.</translation>
    </message>
    <message>
        <source>Finished successfully!</source>
        <translation>Erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>Flashing canceled.</source>
        <translation>Flashen abgebrochen.</translation>
    </message>
    <message>
        <source>Finished with error!</source>
        <translation>Mit Fehler beendet!</translation>
    </message>
    <message>
        <source>The device holds no valid application now.</source>
        <translation>Das Gerät enthält jetzt keine gültige Anwendung.</translation>
    </message>
    <message>
        <source>Its boot loader is still there: flash it again.</source>
        <translation>Sein Bootloader ist noch vorhanden: Flashen Sie es erneut.</translation>
    </message>
    <message>
        <source>The device was not changed.</source>
        <translation>Das Gerät wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Invalid device application code file!</source>
        <translation>Ungültige Anwendungscode-Datei für das Gerät!</translation>
    </message>
    <message>
        <source>The file holds no data.</source>
        <translation>Die Datei enthält keine Daten.</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Address %1 lies outside the memory of the device (allowed: %2).</source>
        <translation>Adresse %1 liegt außerhalb des Gerätespeichers (erlaubt: %2).</translation>
    </message>
    <message>
        <source>The device was not touched.</source>
        <translation>Das Gerät wurde nicht angetastet.</translation>
    </message>
    <message>
        <source>1 byte at %1</source>
        <translation>1 Byte bei %1</translation>
    </message>
    <message>
        <source>%1 bytes at %2-%3</source>
        <translation>%1 Bytes bei %2-%3</translation>
    </message>
    <message>
        <source>The image writes %1, above the application, where the boot loader keeps the interrupt vectors. A boot loader that guards itself refuses them and flashing fails after the erase; one that does not may be overwritten.</source>
        <translation>Das Image schreibt %1, oberhalb der Anwendung, wo der Bootloader die Interrupt-Vektoren hält. Ein Bootloader, der sich schützt, weist sie zurück, und das Flashen scheitert nach dem Löschen; einer, der das nicht tut, wird womöglich überschrieben.</translation>
    </message>
    <message>
        <source>Write them anyway?</source>
        <translation>Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Verify device.</source>
        <translation>Gerät prüfen.</translation>
    </message>
    <message>
        <source>Invalid device version!</source>
        <translation>Ungültige Geräteversion!</translation>
    </message>
    <message>
        <source>Erase device.</source>
        <translation>Gerät löschen.</translation>
    </message>
    <message>
        <source>Cannot erase device!</source>
        <translation>Gerät kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Write device application code.</source>
        <translation>Anwendungscode auf das Gerät schreiben.</translation>
    </message>
    <message>
        <source>Cannot flash device!</source>
        <translation>Gerät kann nicht geflasht werden!</translation>
    </message>
    <message>
        <source>Jump to the application.</source>
        <translation>Zur Anwendung springen.</translation>
    </message>
</context>
<context>
    <name>FrameEditor</name>
    <message>
        <source>Add frame</source>
        <translation>Frame hinzufügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertieren</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Rotate counter-clockwise</source>
        <translation>Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Mirror left-right</source>
        <translation>Links-rechts spiegeln</translation>
    </message>
    <message>
        <source>Mirror top-bottom</source>
        <translation>Oben-unten spiegeln</translation>
    </message>
    <message>
        <source>Rings outward</source>
        <translation>Ringe nach außen</translation>
    </message>
    <message>
        <source>Rings inward</source>
        <translation>Ringe nach innen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Erzeugen...</translation>
    </message>
    <message>
        <source>Hold...</source>
        <translation>Halten...</translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation>Wiederholen...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Ping-pong</source>
        <translation>Pingpong</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Rings Outward</source>
        <translation>Ringe nach außen</translation>
    </message>
    <message>
        <source>Rings Inward</source>
        <translation>Ringe nach innen</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Copies of the current frame:</source>
        <translation>Kopien des aktuellen Frames:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Times to repeat the selected frames:</source>
        <translation>Wiederholungen der gewählten Frames:</translation>
    </message>
    <message>
        <source>nowhere: the document has no Program</source>
        <translation>nirgends: Das Dokument hat kein Programm</translation>
    </message>
    <message>
        <source>at the start of %1</source>
        <translation>am Anfang von %1</translation>
    </message>
    <message>
        <source>at the end, after frame #%1</source>
        <translation>am Ende, nach Frame #%1</translation>
    </message>
    <message>
        <source>after frame #%1</source>
        <translation>nach Frame #%1</translation>
    </message>
    <message>
        <source>Generate %1</source>
        <translation>%1 erzeugen</translation>
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
        <translation>Wählen Sie die zu kopierenden LED-Frames.</translation>
    </message>
    <message>
        <source>Copied %1 LED frames.</source>
        <translation>%1 LED-Frames kopiert.</translation>
    </message>
    <message>
        <source>Cut %1 Frames</source>
        <translation>%1 Frames ausschneiden</translation>
    </message>
    <message>
        <source>The clipboard holds no LED frames.</source>
        <translation>Die Zwischenablage enthält keine LED-Frames.</translation>
    </message>
    <message>
        <source>Paste %1 Frames</source>
        <translation>%1 Frames einfügen</translation>
    </message>
    <message>
        <source>Pasted %1 LED frames.</source>
        <translation>%1 LED-Frames eingefügt.</translation>
    </message>
    <message>
        <source>Import sequence</source>
        <translation>Sequenz importieren</translation>
    </message>
    <message>
        <source>No LED frames found in %1.</source>
        <translation>Keine LED-Frames in %1 gefunden.</translation>
    </message>
    <message>
        <source>Imported %1 LED frames from %2.</source>
        <translation>%1 LED-Frames aus %2 importiert.</translation>
    </message>
    <message>
        <source>Export sequence</source>
        <translation>Sequenz exportieren</translation>
    </message>
    <message>
        <source>Exported %1 LED frames to %2.</source>
        <translation>%1 LED-Frames nach %2 exportiert.</translation>
    </message>
</context>
<context>
    <name>FunctionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate frames</source>
        <translation>Frames erzeugen</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Vorlage:</translation>
    </message>
    <message>
        <source>Choose one to fill the page with its parameters</source>
        <translation>Wählen Sie eine, um die Seite mit ihren Parametern zu füllen</translation>
    </message>
    <message>
        <source>Save preset...</source>
        <translation>Vorlage speichern...</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Vorlage löschen</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>Lauflicht</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Blinken</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Überblenden</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Funkeln</translation>
    </message>
    <message>
        <source>Rings:</source>
        <translation>Ringe:</translation>
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
        <translation>Positionen pro Frame:</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Ease:</source>
        <translation>Verlauf:</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gleichmäßig</translation>
    </message>
    <message>
        <source>Speeding up</source>
        <translation>Beschleunigend</translation>
    </message>
    <message>
        <source>Slowing down</source>
        <translation>Abbremsend</translation>
    </message>
    <message>
        <source>Speeding up, then slowing down</source>
        <translation>Beschleunigend, dann abbremsend</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Heads:</source>
        <translation>Köpfe:</translation>
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
        <translation>Frames:</translation>
    </message>
    <message>
        <source>Start position:</source>
        <translation>Startposition:</translation>
    </message>
    <message>
        <source>LEDs per frame:</source>
        <translation>LEDs pro Frame:</translation>
    </message>
    <message>
        <source>Then empty</source>
        <translation>Danach leer</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>Outward</source>
        <translation>Nach außen</translation>
    </message>
    <message>
        <source>Inward</source>
        <translation>Nach innen</translation>
    </message>
    <message>
        <source>Width in rings:</source>
        <translation>Breite in Ringen:</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Zurückprallen</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>Invert instead of dark</source>
        <translation>Invertieren statt dunkel</translation>
    </message>
    <message>
        <source>To frame:</source>
        <translation>Bis Frame:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Startwert:</translation>
    </message>
    <message>
        <source>Density:</source>
        <translation>Dichte:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Density at the end:</source>
        <translation>Dichte am Ende:</translation>
    </message>
    <message>
        <source>As at the start</source>
        <translation>Wie am Anfang</translation>
    </message>
    <message>
        <source>Where the frames go</source>
        <translation>Wohin die Frames kommen</translation>
    </message>
    <message>
        <source>Combine:</source>
        <translation>Kombinieren:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Add (light where either is lit)</source>
        <translation>Addieren (leuchtet, wo eines leuchtet)</translation>
    </message>
    <message>
        <source>Remove (darken where the effect is lit)</source>
        <translation>Entfernen (dunkel, wo der Effekt leuchtet)</translation>
    </message>
    <message>
        <source>Toggle (flip where the effect is lit)</source>
        <translation>Umschalten (kehrt um, wo der Effekt leuchtet)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Vorlage speichern</translation>
    </message>
    <message>
        <source>Name of the %1 preset:</source>
        <translation>Name der Vorlage für %1:</translation>
    </message>
    <message>
        <source>%1 is a shipped preset and stays as it is; choose another name.</source>
        <translation>%1 ist eine mitgelieferte Vorlage und bleibt unverändert; wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>A preset named %1 exists. Replace it?</source>
        <translation>Eine Vorlage namens %1 existiert. Ersetzen?</translation>
    </message>
    <message>
        <source>Insert after #%1</source>
        <translation>Nach #%1 einfügen</translation>
    </message>
    <message>
        <source>Insert after the shown frame</source>
        <translation>Nach dem gezeigten Frame einfügen</translation>
    </message>
    <message>
        <source>Over the frames from #%1</source>
        <translation>Über die Frames ab #%1</translation>
    </message>
    <message>
        <source>Over the shown frame</source>
        <translation>Über den gezeigten Frame</translation>
    </message>
    <message>
        <source>At the end of the %1</source>
        <translation>Am Ende (%1)</translation>
    </message>
    <message>
        <source>Keep the other rings of #%1</source>
        <translation>Die anderen Ringe von #%1 behalten</translation>
    </message>
    <message>
        <source>Keep the other rings</source>
        <translation>Die anderen Ringe behalten</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2, and %3 more at the end.</source>
        <translation>Die Frames kommen über die Frames #%1 bis #%2 und %3 weitere ans Ende.</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2.</source>
        <translation>Die Frames kommen über die Frames #%1 bis #%2.</translation>
    </message>
    <message>
        <source>The frames go at the end, after frame #%1.</source>
        <translation>Die Frames kommen ans Ende, nach Frame #%1.</translation>
    </message>
    <message>
        <source>The frames go at the end.</source>
        <translation>Die Frames kommen ans Ende.</translation>
    </message>
    <message>
        <source>The frames go after frame #%1.</source>
        <translation>Die Frames kommen nach Frame #%1.</translation>
    </message>
    <message>
        <source>With %1 more the document takes %2 of %3 bytes.</source>
        <translation>Mit %1 mehr belegt das Dokument %2 von %3 Bytes.</translation>
    </message>
    <message>
        <source>%1 bytes more than the panel&apos;s program memory: the program cannot be written until it is smaller.</source>
        <translation>%1 Bytes mehr als der Programmspeicher des Panels: Das Programm kann erst geschrieben werden, wenn es kleiner ist.</translation>
    </message>
    <message>
        <source>No frames</source>
        <translation>Keine Frames</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Frame %1 von %2</translation>
    </message>
</context>
<context>
    <name>GeneratePresets</name>
    <message>
        <source>Comet</source>
        <translation>Komet</translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation>Fortschrittsring</translation>
    </message>
    <message>
        <source>Pulse out</source>
        <translation>Puls nach außen</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>Herzschlag</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Sternenfeld</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>How to draw frames, play them and write them to a panel</source>
        <translation>Frames zeichnen, abspielen und auf ein Panel schreiben</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>List the keys of every command</source>
        <translation>Die Tasten aller Befehle auflisten</translation>
    </message>
    <message>
        <source>Board legend</source>
        <translation>Board-Legende</translation>
    </message>
    <message>
        <source>What the marks and colours on the board mean</source>
        <translation>Was die Markierungen und Farben auf dem Board bedeuten</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>The file has no end mark &apos;q&apos;; check that it is complete.</source>
        <translation>Die Datei hat keine Endmarke &apos;q&apos;; prüfen Sie, ob sie vollständig ist.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>ImportAnimationDialog</name>
    <message>
        <source>Import animation</source>
        <translation>Animation importieren</translation>
    </message>
    <message>
        <source>Lit from brightness:</source>
        <translation>Leuchtet ab Helligkeit:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Invert (dark parts lit)</source>
        <translation>Invertieren (dunkle Teile leuchten)</translation>
    </message>
    <message>
        <source>Board seen from:</source>
        <translation>Board gesehen von:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>First frame:</source>
        <translation>Erster Frame:</translation>
    </message>
    <message>
        <source>Number of frames:</source>
        <translation>Anzahl Frames:</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>Das Bild</translation>
    </message>
    <message>
        <source>The LED frame it gives</source>
        <translation>Der LED-Frame daraus</translation>
    </message>
    <message>
        <source>At the end of the Program</source>
        <translation>Am Ende des Programms</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Frame %1 von %2</translation>
    </message>
    <message>
        <source>No preview of this frame</source>
        <translation>Keine Vorschau für diesen Frame</translation>
    </message>
    <message>
        <source>The frames go %1.</source>
        <translation>Die Frames kommen %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>Animation importieren</translation>
    </message>
    <message>
        <source>The document takes no more frames.</source>
        <translation>Das Dokument nimmt keine weiteren Frames auf.</translation>
    </message>
</context>
<context>
    <name>IntelHexReader</name>
    <message>
        <source>more than 16 MiB of text</source>
        <translation>mehr als 16 MiB Text</translation>
    </message>
    <message>
        <source>record after the end-of-file record</source>
        <translation>Datensatz nach dem Dateiende-Datensatz</translation>
    </message>
    <message>
        <source>no end-of-file record</source>
        <translation>kein Dateiende-Datensatz</translation>
    </message>
    <message>
        <source>record does not start with &apos;:&apos;</source>
        <translation>Datensatz beginnt nicht mit &apos;:&apos;</translation>
    </message>
    <message>
        <source>record is too short or has an odd number of digits</source>
        <translation>Datensatz ist zu kurz oder hat eine ungerade Anzahl Ziffern</translation>
    </message>
    <message>
        <source>record is longer than 255 data bytes allow</source>
        <translation>Datensatz ist länger, als 255 Datenbytes erlauben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hexadecimal digit</source>
        <translation>&apos;%1&apos; ist keine Hexadezimalziffer</translation>
    </message>
    <message>
        <source>length %1 does not match the record</source>
        <translation>Länge %1 passt nicht zum Datensatz</translation>
    </message>
    <message>
        <source>checksum %1 should be %2</source>
        <translation>Prüfsumme %1 sollte %2 sein</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>Adresse %1 liegt jenseits des 24-Bit-Adressraums</translation>
    </message>
    <message>
        <source>end-of-file record carries data</source>
        <translation>Dateiende-Datensatz enthält Daten</translation>
    </message>
    <message>
        <source>address record must carry two bytes</source>
        <translation>Adressdatensatz muss zwei Bytes enthalten</translation>
    </message>
    <message>
        <source>start address record must carry four bytes</source>
        <translation>Startadressdatensatz muss vier Bytes enthalten</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>unbekannter Datensatztyp %1</translation>
    </message>
</context>
<context>
    <name>ItemSummary</name>
    <message>
        <source>The program is what the panel runs, command by command, when it starts and after a Reset.</source>
        <translation>Das Programm ist das, was das Panel Befehl für Befehl ausführt, wenn es startet und nach einem Reset.</translation>
    </message>
    <message>
        <source>A function holds commands that Calls run, ending with a Return; its commands take %1.</source>
        <translation>Eine Funktion enthält Befehle, die Aufrufe ausführen, und endet mit einem Rücksprung; ihre Befehle belegen %1.</translation>
    </message>
    <message>
        <source>A Call runs the commands of a function and comes back, though its target is not filled in yet, so the panel passes over it; it takes %1.</source>
        <translation>Ein Aufruf führt die Befehle einer Funktion aus und kehrt zurück; sein Ziel ist jedoch noch nicht eingetragen, daher überspringt ihn das Panel; er belegt %1.</translation>
    </message>
    <message>
        <source>A Return ends a function: the panel goes back to the command after the Call; it takes %1.</source>
        <translation>Ein Rücksprung beendet eine Funktion: Das Panel kehrt zum Befehl nach dem Aufruf zurück; er belegt %1.</translation>
    </message>
    <message>
        <source>A Reset starts the panel&apos;s program again from its first command; it takes %1.</source>
        <translation>Ein Reset startet das Programm des Panels wieder ab dem ersten Befehl; er belegt %1.</translation>
    </message>
    <message>
        <source>A Stop makes the panel hold its last frame until it is told to go on; it takes %1.</source>
        <translation>Ein Stopp lässt das Panel seinen letzten Frame halten, bis es zum Weitermachen aufgefordert wird; er belegt %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KamdelDocument</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>Panel-Dokumente (*.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 wurde geändert.
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
</context>
<context>
    <name>LanesDock</name>
    <message>
        <source>Ring lanes</source>
        <translation>Ringspuren</translation>
    </message>
    <message>
        <source>Show or hide every frame of the current list, ring by ring</source>
        <translation>Jeden Frame der aktuellen Liste Ring für Ring ein- oder ausblenden</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Die Sprache ändert sich beim nächsten Start.</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Wirksam ab dem nächsten Start</translation>
    </message>
</context>
<context>
    <name>LedPanelTableView</name>
    <message>
        <source>Cut cannot used this kind of multiple selection.</source>
        <translation>Ausschneiden ist mit dieser Art Mehrfachauswahl nicht möglich.</translation>
    </message>
    <message>
        <source>Copy cannot used this kind of multiple selection.</source>
        <translation>Kopieren ist mit dieser Art Mehrfachauswahl nicht möglich.</translation>
    </message>
    <message>
        <source>Paste cannot used this kind of multiple selection.</source>
        <translation>Einfügen ist mit dieser Art Mehrfachauswahl nicht möglich.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>LedPanelView</name>
    <message>
        <source>LED board</source>
        <translation>LED-Board</translation>
    </message>
    <message>
        <source>Arrow keys move along and between the rings, Space switches the LED, Shift with an arrow paints</source>
        <translation>Pfeiltasten bewegen entlang und zwischen den Ringen, Leertaste schaltet die LED, Umschalt mit Pfeil malt</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>New %1 document</source>
        <translation>Neues %1-Dokument</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the document</source>
        <translation>Das Dokument speichern</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save the document under a new name</source>
        <translation>Das Dokument unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the document</source>
        <translation>Das Dokument schließen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Copy to clipboard and delete</source>
        <translation>In die Zwischenablage kopieren und löschen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>Aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play the program in the editor as the panel would</source>
        <translation>Das Programm im Editor so abspielen, wie das Panel es täte</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Show the next frame</source>
        <translation>Den nächsten Frame zeigen</translation>
    </message>
    <message>
        <source>Stop playback</source>
        <translation>Wiedergabe stoppen</translation>
    </message>
    <message>
        <source>Stop and go back to the start</source>
        <translation>Stoppen und zurück zum Anfang</translation>
    </message>
    <message>
        <source>100 fps, the panel&apos;s Animate pace</source>
        <translation>100 fps, das Animieren-Tempo des Panels</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>Animation importieren...</translation>
    </message>
    <message>
        <source>Add the frames of an animated GIF or of pictures after the current frame</source>
        <translation>Die Frames eines animierten GIF oder von Bildern nach dem aktuellen Frame einfügen</translation>
    </message>
    <message>
        <source>Export animation...</source>
        <translation>Animation exportieren...</translation>
    </message>
    <message>
        <source>Save the program as an animated GIF</source>
        <translation>Das Programm als animiertes GIF speichern</translation>
    </message>
    <message>
        <source>Export frame as PNG...</source>
        <translation>Frame als PNG exportieren...</translation>
    </message>
    <message>
        <source>Save the frame shown as a PNG picture</source>
        <translation>Den gezeigten Frame als PNG-Bild speichern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Steuerung</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Playback in the editor</source>
        <translation>Wiedergabe im Editor</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Wiedergabetempo</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Insert an empty frame after the current one; with Shift, a copy of it</source>
        <translation>Einen leeren Frame nach dem aktuellen einfügen; mit Umschalt eine Kopie davon</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Die letzte Bearbeitung rückgängig machen</translation>
    </message>
    <message>
        <source>Redo the last undone edit</source>
        <translation>Die zuletzt rückgängig gemachte Bearbeitung wiederholen</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Symmetrie</translation>
    </message>
    <message>
        <source>Symmetry:</source>
        <translation>Symmetrie:</translation>
    </message>
    <message>
        <source>Set every LED a click sets, turned by 360 / order degrees</source>
        <translation>Jede per Klick gesetzte LED auch um 360 / Ordnung Grad gedreht setzen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Also set the mirror images across the vertical axis</source>
        <translation>Auch die Spiegelbilder an der senkrechten Achse setzen</translation>
    </message>
    <message>
        <source>F&amp;rame</source>
        <translation>&amp;Frame</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%v of %m blocks</source>
        <translation>%v von %m Blöcken</translation>
    </message>
    <message>
        <source>The settings cannot be saved: %1 is not writable.</source>
        <translation>Die Einstellungen können nicht gespeichert werden: %1 ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 existiert nicht mehr; es wurde aus den zuletzt verwendeten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>Editor für segmentierte LED-Panels</translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation> (wiederhergestellt)</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1</source>
        <translation>Editor für segmentierte LED-Panels  -  %1</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1  (%2)</source>
        <translation>Editor für segmentierte LED-Panels  -  %1  (%2)</translation>
    </message>
    <message>
        <source>The production station %1 cannot be started.</source>
        <translation>Die Produktionsstation %1 kann nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>MarkupScanner</name>
    <message>
        <source>The file nests its elements deeper than any document does.</source>
        <translation>Die Datei verschachtelt ihre Elemente tiefer als jedes Dokument.</translation>
    </message>
    <message>
        <source>The file holds a text of more than %1 KiB, more than any document holds.</source>
        <translation>Die Datei enthält einen Text von mehr als %1 KiB, mehr als jedes Dokument enthält.</translation>
    </message>
    <message>
        <source>The file holds an LED state of more than %1 characters.</source>
        <translation>Die Datei enthält einen LED-Zustand mit mehr als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The file holds an element with more attributes than any document has.</source>
        <translation>Die Datei enthält ein Element mit mehr Attributen, als irgendein Dokument hat.</translation>
    </message>
</context>
<context>
    <name>MemoryGauge</name>
    <message>
        <source>No document</source>
        <translation>Kein Dokument</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 von %2 Bytes</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, %2 more than the panel&apos;s %3 bytes of program memory; it cannot be written.</source>
        <translation>Das Programm belegt %1 Bytes, %2 mehr als die %3 Bytes Programmspeicher des Panels; es kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Program memory of the panel in use</source>
        <translation>Belegter Programmspeicher des Panels</translation>
    </message>
</context>
<context>
    <name>MspFlasher</name>
    <message>
        <source>Incorrect header</source>
        <translation>Falscher Header</translation>
    </message>
    <message>
        <source>Packet checksum error</source>
        <translation>Prüfsummenfehler im Paket</translation>
    </message>
    <message>
        <source>Packet size is zero</source>
        <translation>Paketgröße ist null</translation>
    </message>
    <message>
        <source>Packet size is invalid</source>
        <translation>Paketgröße ist ungültig</translation>
    </message>
    <message>
        <source>Error in protocol</source>
        <translation>Protokollfehler</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Error: (%1) </source>
        <translation>Fehler: (%1) </translation>
    </message>
    <message>
        <source>Error: (%1) Invalid version</source>
        <translation>Fehler: (%1) Ungültige Version</translation>
    </message>
    <message>
        <source>unplugged during write (%1 %)</source>
        <translation>während des Schreibens getrennt (%1 %)</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is the input file; choose another name for the output.</source>
        <translation>%1 ist die Eingabedatei; wählen Sie einen anderen Namen für die Ausgabe.</translation>
    </message>
    <message>
        <source>An output is written whole, from its start.</source>
        <translation>Eine Ausgabe wird vollständig, von Anfang an, geschrieben.</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>Die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>PanelDocument</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than any document (%2 MiB).</source>
        <translation>%1 ist größer als jedes Dokument (%2 MiB).</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Datei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <source>Error occur while reading xml data of %1.</source>
        <translation>Fehler beim Lesen der XML-Daten von %1.</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2.</source>
        <translation>Datei %1 kann nicht zum Schreiben geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
</context>
<context>
    <name>PanelLink</name>
    <message>
        <source>No panel port is set: choose one in Tools &gt; Serial port setup.</source>
        <translation>Kein Panel-Port eingestellt: Wählen Sie einen unter Extras &gt; Serielle Schnittstelle einrichten.</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1!</source>
        <translation>Keine Verbindung zur seriellen Schnittstelle %1!</translation>
    </message>
    <message>
        <source>No document is open: Reset goes to the program the panel holds.</source>
        <translation>Kein Dokument geöffnet: Reset springt zu dem Programm, das das Panel enthält.</translation>
    </message>
    <message>
        <source>No document is open: Next goes to the program the panel holds.</source>
        <translation>Kein Dokument geöffnet: Weiter springt zu dem Programm, das das Panel enthält.</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to compile and write.</source>
        <translation>Kein Dokument geöffnet: Es gibt nichts zu kompilieren und zu schreiben.</translation>
    </message>
    <message>
        <source>Program compiling...</source>
        <translation>Programm wird kompiliert...</translation>
    </message>
    <message>
        <source>Memory use %1% (%2 of %3).</source>
        <translation>Speicherbelegung %1% (%2 von %3).</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, more than the %2 bytes of the panel&apos;s program memory.
Nothing was written to the panel.</source>
        <translation>Das Programm belegt %1 Bytes, mehr als die %2 Bytes Programmspeicher des Panels.
Es wurde nichts auf das Panel geschrieben.</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1 (%2)!</source>
        <translation>Keine Verbindung zur seriellen Schnittstelle %1 (%2)!</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmierung läuft...</translation>
    </message>
    <message>
        <source>Writing canceled: the panel holds an incomplete program.</source>
        <translation>Schreiben abgebrochen: Das Panel enthält ein unvollständiges Programm.</translation>
    </message>
    <message>
        <source>Writing to serial port %1 failed (%2). The program on the panel is incomplete.</source>
        <translation>Schreiben auf die serielle Schnittstelle %1 fehlgeschlagen (%2). Das Programm auf dem Panel ist unvollständig.</translation>
    </message>
    <message>
        <source>Firmware update - %1</source>
        <translation>Firmware-Update - %1</translation>
    </message>
    <message numerus="yes">
        <source>Programming finished on %1 (%n block(s)).</source>
        <translation>
            <numerusform>Programmierung auf %1 abgeschlossen (%n Block).</numerusform>
            <numerusform>Programmierung auf %1 abgeschlossen (%n Blöcke).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureReading</name>
    <message>
        <source>Reading pictures…</source>
        <translation>Bilder werden gelesen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>No document is open: there is nothing to play.</source>
        <translation>Kein Dokument geöffnet: Es gibt nichts abzuspielen.</translation>
    </message>
    <message>
        <source>Playing at %1 frames per second</source>
        <translation>Wiedergabe mit %1 Frames pro Sekunde</translation>
    </message>
    <message>
        <source>Playback stopped.</source>
        <translation>Wiedergabe gestoppt.</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after 1 frame.</source>
        <translation>Die Wiedergabe hat nach 1 Frame das Programmende erreicht.</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after %1 frames.</source>
        <translation>Die Wiedergabe hat nach %1 Frames das Programmende erreicht.</translation>
    </message>
    <message>
        <source>the program reached a Stop</source>
        <translation>das Programm hat einen Stopp erreicht</translation>
    </message>
    <message>
        <source>a Return without a Call</source>
        <translation>ein Rücksprung ohne Aufruf</translation>
    </message>
    <message>
        <source>the program ran past the end of the panel&apos;s memory</source>
        <translation>das Programm lief über das Ende des Panel-Speichers hinaus</translation>
    </message>
    <message>
        <source>the program loops without showing a frame</source>
        <translation>das Programm läuft in einer Schleife, ohne einen Frame zu zeigen</translation>
    </message>
    <message>
        <source>calls nested too deep</source>
        <translation>Aufrufe zu tief verschachtelt</translation>
    </message>
    <message>
        <source>an unknown command</source>
        <translation>ein unbekannter Befehl</translation>
    </message>
    <message>
        <source>Playback held after %1 frames: %2 (%3).</source>
        <translation>Wiedergabe nach %1 Frames angehalten: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>PortFleet</name>
    <message>
        <source>empty port name</source>
        <translation>leerer Port-Name</translation>
    </message>
    <message>
        <source>port %1 named twice</source>
        <translation>Port %1 doppelt angegeben</translation>
    </message>
    <message>
        <source>ports %1 and %2 are the same device</source>
        <translation>Ports %1 und %2 sind dasselbe Gerät</translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s): %1 passed, %2 failed</source>
        <translation>
            <numerusform>%n Gerät: %1 gut, %2 schlecht</numerusform>
            <numerusform>%n Geräte: %1 gut, %2 schlecht</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortUnit</name>
    <message>
        <source>the flashing process stopped unexpectedly</source>
        <translation>der Flash-Vorgang wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>Exit-Status %1</translation>
    </message>
</context>
<context>
    <name>PortWatch</name>
    <message>
        <source>%1: skipped, the same device as %2</source>
        <translation>%1: übersprungen, dasselbe Gerät wie %2</translation>
    </message>
</context>
<context>
    <name>ProgramWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Frames:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>%1 s at %2 fps</source>
        <translation>%1 s bei %2 fps</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>QAction</name>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>In Ansicht einpassen</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Adjacent</source>
        <translation>Nachbarn</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
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
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animieren</translation>
    </message>
    <message>
        <source>Serial port setup...</source>
        <translation>Serielle Schnittstelle einrichten...</translation>
    </message>
    <message>
        <source>Compile and Write...</source>
        <translation>Kompilieren und schreiben...</translation>
    </message>
    <message>
        <source>Update firmware...</source>
        <translation>Firmware aktualisieren...</translation>
    </message>
    <message>
        <source>Production station...</source>
        <translation>Produktionsstation...</translation>
    </message>
    <message>
        <source>Animate panel</source>
        <translation>Panel animieren</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Remove %1 Items</source>
        <translation>%1 Elemente entfernen</translation>
    </message>
    <message>
        <source>Invalid XML root element or version.</source>
        <translation>Ungültiges XML-Wurzelelement oder ungültige Version.</translation>
    </message>
    <message>
        <source>The file holds more than %1 frames; a document takes at most %1.</source>
        <translation>Die Datei enthält mehr als %1 Frames; ein Dokument fasst höchstens %1.</translation>
    </message>
    <message>
        <source>The file holds more commands than a document can take.</source>
        <translation>Die Datei enthält mehr Befehle, als ein Dokument fassen kann.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <source>Clear recent files</source>
        <translation>Liste leeren</translation>
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
        <translation>Rezept %1 fehlt</translation>
    </message>
    <message>
        <source>%1 is not a recipe: a recipe is a small text file</source>
        <translation>%1 ist kein Rezept: Ein Rezept ist eine kleine Textdatei</translation>
    </message>
    <message>
        <source>recipe %1 is not a readable INI file</source>
        <translation>Rezept %1 ist keine lesbare INI-Datei</translation>
    </message>
    <message>
        <source>recipe %1 has a bad %2</source>
        <translation>Rezept %1 hat ein ungültiges %2</translation>
    </message>
    <message>
        <source>cannot write recipe %1</source>
        <translation>Rezept %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>RecipeCheck</name>
    <message>
        <source>unknown model %1 (known: %2, %3)</source>
        <translation>unbekanntes Modell %1 (bekannt: %2, %3)</translation>
    </message>
    <message>
        <source>unknown controller %1 (known: %2)</source>
        <translation>unbekannter Controller %1 (bekannt: %2)</translation>
    </message>
    <message>
        <source>no port to watch: the recipe names no Watch glob</source>
        <translation>kein Port zu überwachen: Das Rezept nennt kein Watch-Muster</translation>
    </message>
    <message>
        <source>program %1 changed: the recipe expects CRC %2, the file has %3</source>
        <translation>Programm %1 geändert: Das Rezept erwartet CRC %2, die Datei hat %3</translation>
    </message>
    <message>
        <source>log %1 is the recipe&apos;s own file %2: name a log file of its own</source>
        <translation>Protokoll %1 ist die Datei des Rezepts selbst (%2): Geben Sie eine eigene Protokolldatei an</translation>
    </message>
    <message>
        <source>log %1 cannot be appended to: %2</source>
        <translation>An Protokoll %1 kann nicht angehängt werden: %2</translation>
    </message>
    <message>
        <source>log %1 has the columns of an older version: name a new log file in the recipe</source>
        <translation>Protokoll %1 hat die Spalten einer älteren Version: Geben Sie im Rezept eine neue Protokolldatei an</translation>
    </message>
    <message>
        <source>firmware %1 changed: the recipe expects digest %2, the file has %3</source>
        <translation>Firmware %1 geändert: Das Rezept erwartet Prüfwert %2, die Datei hat %3</translation>
    </message>
    <message>
        <source>firmware %1 is missing</source>
        <translation>Firmware %1 fehlt</translation>
    </message>
    <message>
        <source>firmware %1 is unreadable: %2</source>
        <translation>Firmware %1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>firmware %1 is not a firmware image: %2</source>
        <translation>Firmware %1 ist kein Firmware-Image: %2</translation>
    </message>
    <message>
        <source>firmware %1 does not fit %2: it writes %3, outside %4</source>
        <translation>Firmware %1 passt nicht zu %2: Sie schreibt %3, außerhalb von %4</translation>
    </message>
    <message>
        <source>firmware %1 writes the interrupt vectors, which the recipe does not allow</source>
        <translation>Firmware %1 schreibt die Interrupt-Vektoren, was das Rezept nicht erlaubt</translation>
    </message>
    <message>
        <source>program %1 is missing</source>
        <translation>Programm %1 fehlt</translation>
    </message>
    <message>
        <source>program %1 is not a panel document</source>
        <translation>Programm %1 ist kein Panel-Dokument</translation>
    </message>
    <message>
        <source>program %1 is for %2, not %3</source>
        <translation>Programm %1 ist für %2, nicht für %3</translation>
    </message>
    <message>
        <source>program %1 is unreadable: %2</source>
        <translation>Programm %1 ist nicht lesbar: %2</translation>
    </message>
</context>
<context>
    <name>RecipeDialog</name>
    <message>
        <source>Recipe</source>
        <translation>Rezept</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modell:</translation>
    </message>
    <message>
        <source>&amp;Station name:</source>
        <translation>&amp;Stationsname:</translation>
    </message>
    <message>
        <source>The host name when empty</source>
        <translation>Leer: der Rechnername</translation>
    </message>
    <message>
        <source>&amp;Firmware:</source>
        <translation>&amp;Firmware:</translation>
    </message>
    <message>
        <source>The firmware image written first (Intel HEX or TI-TXT)</source>
        <translation>Das zuerst geschriebene Firmware-Image (Intel HEX oder TI-TXT)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>The firmware may write the &amp;interrupt vectors</source>
        <translation>Die Firmware darf die &amp;Interrupt-Vektoren schreiben</translation>
    </message>
    <message>
        <source>Light &amp;program:</source>
        <translation>Licht&amp;programm:</translation>
    </message>
    <message>
        <source>The panel document whose program is written last</source>
        <translation>Das Panel-Dokument, dessen Programm zuletzt geschrieben wird</translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation>&amp;Baudrate:</translation>
    </message>
    <message>
        <source>Ports to &amp;watch:</source>
        <translation>Über&amp;wachte Ports:</translation>
    </message>
    <message>
        <source>One pattern per line, /dev/ttyUSB*</source>
        <translation>Ein Muster pro Zeile, /dev/ttyUSB*</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>Protoko&amp;lldatei:</translation>
    </message>
    <message>
        <source>The CSV file each unit is appended to; the shift totals go beside it</source>
        <translation>Die CSV-Datei, an die jedes Gerät angehängt wird; die Schichtsummen kommen daneben</translation>
    </message>
    <message>
        <source>Show a &amp;test pattern and ask the operator whether every LED is lit</source>
        <translation>Ein &amp;Testmuster zeigen und den Bediener fragen, ob jede LED leuchtet</translation>
    </message>
    <message>
        <source>Ask for each unit&apos;s &amp;serial number before it starts</source>
        <translation>Vor dem Start die Serie&amp;nnummer jedes Geräts abfragen</translation>
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
        <translation>Firmware-Images (*.hex *.ihex *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Light program</source>
        <translation>Lichtprogramm</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>Panel-Dokumente (*.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Unit log</source>
        <translation>Geräteprotokoll</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>New recipe</source>
        <translation>Neues Rezept</translation>
    </message>
    <message>
        <source>Recipe %1</source>
        <translation>Rezept %1</translation>
    </message>
    <message>
        <source>This recipe cannot start a station: %1.</source>
        <translation>Dieses Rezept kann keine Station starten: %1.</translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation>Rezept speichern</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>Stationsrezepte (*.ini);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ResetWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>ReturnWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>RingLanesView</name>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fit the lanes into the width of the view</source>
        <translation>Die Spuren in die Breite der Ansicht einpassen</translation>
    </message>
    <message>
        <source>Drag to draw; Shift+drag draws a line (Alt: the long way round); Ctrl+drag selects; Ctrl+wheel zooms; click a frame number to make it current</source>
        <translation>Ziehen zeichnet; Umschalt+Ziehen zeichnet eine Linie (Alt: der lange Weg herum); Strg+Ziehen wählt aus; Strg+Mausrad zoomt; Klick auf eine Frame-Nummer macht den Frame aktuell</translation>
    </message>
    <message>
        <source>Ring lanes</source>
        <translation>Ringspuren</translation>
    </message>
    <message>
        <source>Drag draws a line of one LED per frame (Alt: the long way round)</source>
        <translation>Ziehen zeichnet eine Linie mit einer LED pro Frame (Alt: der lange Weg herum)</translation>
    </message>
    <message>
        <source>Drag selects a block to copy, clear or move with Alt+arrows</source>
        <translation>Ziehen wählt einen Block zum Kopieren, Leeren oder Verschieben mit Alt+Pfeiltasten</translation>
    </message>
    <message>
        <source>Draw on the lanes</source>
        <translation>Auf den Spuren zeichnen</translation>
    </message>
    <message>
        <source>Draw a line</source>
        <translation>Linie zeichnen</translation>
    </message>
    <message>
        <source>Cut on the lanes</source>
        <translation>Auf den Spuren ausschneiden</translation>
    </message>
    <message>
        <source>Clear on the lanes</source>
        <translation>Auf den Spuren leeren</translation>
    </message>
    <message>
        <source>Paste on the lanes</source>
        <translation>Auf den Spuren einfügen</translation>
    </message>
    <message>
        <source>Move on the lanes</source>
        <translation>Auf den Spuren verschieben</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1, frame %2, %3</source>
        <translation>%1, Frame %2, %3</translation>
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
        <translation>Firmware-Image:</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>Durchsuchen ...</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Serielle Schnittstelle:</translation>
    </message>
    <message>
        <source>Select ...</source>
        <translation>Auswählen ...</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flashen</translation>
    </message>
</context>
<context>
    <name>RomwrightPrivate</name>
    <message>
        <source>Flashing...</source>
        <translation>Flashen läuft...</translation>
    </message>
    <message>
        <source>Romwright</source>
        <translation>Romwright</translation>
    </message>
    <message>
        <source>Flashing is in progress. Stop it and leave the device without a valid application?</source>
        <translation>Das Flashen läuft. Abbrechen und das Gerät ohne gültige Anwendung lassen?</translation>
    </message>
    <message>
        <source>Select port!</source>
        <translation>Port auswählen!</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>MSP430 app (*.txt);;Intel HEX (*.hex *.ihex);;All files (*)</source>
        <translation>MSP430-Anwendung (*.txt);;Intel HEX (*.hex *.ihex);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Unknown MPU!</source>
        <translation>Unbekannte MPU!</translation>
    </message>
    <message>
        <source>Flashing succeeded</source>
        <translation>Flashen erfolgreich</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>SequenceFile</name>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 ist keine Sequenzdatei.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 LED frames.</source>
        <translation>%1 enthält mehr als %2 LED-Frames.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Datei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <source>%1 cannot be imported. The file holds no frames.</source>
        <translation>%1 kann nicht importiert werden. Die Datei enthält keine Frames.</translation>
    </message>
    <message>
        <source>LED panel Sequence (*.csv);;All files (*)</source>
        <translation>LED-Panel-Sequenz (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>Sequenz importieren</translation>
    </message>
</context>
<context>
    <name>SerialPortDialog</name>
    <message>
        <source>Serial port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Pick a port or type any device path, such as a stable /dev/serial/by-id/ name.</source>
        <translation>Wählen Sie einen Port oder geben Sie einen beliebigen Gerätepfad ein, etwa einen stabilen Namen unter /dev/serial/by-id/.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Keine</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>seriell %1</translation>
    </message>
</context>
<context>
    <name>ShiftTotals</name>
    <message>
        <source>%1: %2 passed, %3 failed, yield %4 %, %5 units/h</source>
        <translation>%1: %2 gut, %3 schlecht, Ausbeute %4 %, %5 Geräte/h</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>ShowLength</name>
    <message>
        <source>The Program&apos;s frames and how long they play at the playback speed</source>
        <translation>Die Frames des Programms und wie lange sie beim Wiedergabetempo laufen</translation>
    </message>
    <message>
        <source>%1, %2 s at %3 per second</source>
        <translation>%1, %2 s bei %3 pro Sekunde</translation>
    </message>
</context>
<context>
    <name>StationBanner</name>
    <message>
        <source>Recipe</source>
        <translation>Rezept</translation>
    </message>
    <message>
        <source>Firmware and program</source>
        <translation>Firmware und Programm</translation>
    </message>
    <message>
        <source>Ports and log</source>
        <translation>Ports und Protokoll</translation>
    </message>
    <message>
        <source>Shift totals</source>
        <translation>Schichtsummen</translation>
    </message>
    <message>
        <source>Recipe %1: %2</source>
        <translation>Rezept %1: %2</translation>
    </message>
    <message>
        <source>Firmware %1 (sha256 %2)    Program %3 (CRC %4)</source>
        <translation>Firmware %1 (sha256 %2)    Programm %3 (CRC %4)</translation>
    </message>
    <message>
        <source>Ports %1    Log %2</source>
        <translation>Ports %1    Protokoll %2</translation>
    </message>
</context>
<context>
    <name>StationRun</name>
    <message>
        <source>cannot copy %1 for the station</source>
        <translation>%1 kann nicht für die Station kopiert werden</translation>
    </message>
    <message>
        <source>firmware %1 cannot be read</source>
        <translation>Firmware %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a serial number is required</source>
        <translation>eine Seriennummer ist erforderlich</translation>
    </message>
    <message>
        <source>%1 has passed before: %2</source>
        <translation>%1 hat bereits bestanden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be looked up in the log: %2</source>
        <translation>%1 kann im Protokoll nicht nachgeschlagen werden: %2</translation>
    </message>
    <message>
        <source>%1 is in use on %2</source>
        <translation>%1 wird auf %2 verwendet</translation>
    </message>
    <message>
        <source>no unit on %1</source>
        <translation>kein Gerät an %1</translation>
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
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>Panel-Produktionsstation</translation>
    </message>
    <message>
        <source>Open the recipe this station makes its units by, or make a new one.</source>
        <translation>Öffnen Sie das Rezept, nach dem diese Station ihre Geräte fertigt, oder erstellen Sie ein neues.</translation>
    </message>
    <message>
        <source>Open recipe...</source>
        <translation>Rezept öffnen...</translation>
    </message>
    <message>
        <source>New recipe...</source>
        <translation>Neues Rezept...</translation>
    </message>
    <message>
        <source>Recipe refused</source>
        <translation>Rezept abgelehnt</translation>
    </message>
    <message>
        <source>The recipe %1 cannot start the station.</source>
        <translation>Das Rezept %1 kann die Station nicht starten.</translation>
    </message>
    <message>
        <source>Edit recipe...</source>
        <translation>Rezept bearbeiten...</translation>
    </message>
    <message>
        <source>Open another...</source>
        <translation>Anderes öffnen...</translation>
    </message>
    <message>
        <source>Open recipe</source>
        <translation>Rezept öffnen</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>Stationsrezepte (*.ini);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Your name, for the unit log:</source>
        <translation>Ihr Name für das Geräteprotokoll:</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Shift written to %1</source>
        <translation>Schicht nach %1 geschrieben</translation>
    </message>
    <message>
        <source>Station not started</source>
        <translation>Station nicht gestartet</translation>
    </message>
    <message>
        <source>No unit yet: plug a panel into a port the recipe watches.</source>
        <translation>Noch kein Gerät: Stecken Sie ein Panel an einen Port, den das Rezept überwacht.</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>Panel-Produktionsstation</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Station</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Schlecht</translation>
    </message>
    <message>
        <source>End shift...</source>
        <translation>Schicht beenden...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Scan or type, then Enter</source>
        <translation>Scannen oder eingeben, dann Enter</translation>
    </message>
    <message>
        <source>%1 goes to the next unit</source>
        <translation>%1 gilt für das nächste Gerät</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No unit waits for a verdict.</source>
        <translation>Kein Gerät wartet auf ein Urteil.</translation>
    </message>
    <message>
        <source>%1 - Panel Production Station</source>
        <translation>%1 - Panel-Produktionsstation</translation>
    </message>
    <message>
        <source>End shift</source>
        <translation>Schicht beenden</translation>
    </message>
    <message>
        <source>End the shift now? Its totals go to the shift file and the counts start again.

%1</source>
        <translation>Schicht jetzt beenden? Ihre Summen gehen in die Schichtdatei, und die Zählung beginnt neu.

%1</translation>
    </message>
    <message>
        <source>Units are running</source>
        <translation>Geräte laufen noch</translation>
    </message>
    <message>
        <source>Still on the station: %1. Let them finish, cancel them, or keep the station running?</source>
        <translation>Noch auf der Station: %1. Fertig laufen lassen, abbrechen oder die Station weiterlaufen lassen?</translation>
    </message>
    <message>
        <source>Let them finish</source>
        <translation>Fertig laufen lassen</translation>
    </message>
    <message>
        <source>Cancel units</source>
        <translation>Geräte abbrechen</translation>
    </message>
    <message>
        <source>Keep running</source>
        <translation>Weiterlaufen lassen</translation>
    </message>
    <message>
        <source>The station closes once the units have ended.</source>
        <translation>Die Station schließt, sobald die Geräte fertig sind.</translation>
    </message>
</context>
<context>
    <name>StopWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>TestPattern</name>
    <message>
        <source>no test pattern for the unknown model %1</source>
        <translation>kein Testmuster für das unbekannte Modell %1</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>Testmuster</translation>
    </message>
    <message>
        <source>the test pattern takes %1 bytes, more than the panel&apos;s %2</source>
        <translation>das Testmuster belegt %1 Bytes, mehr als die %2 des Panels</translation>
    </message>
</context>
<context>
    <name>TiTxtReader</name>
    <message>
        <source>address %1 is not a hexadecimal number</source>
        <translation>Adresse %1 ist keine Hexadezimalzahl</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>Adresse %1 liegt jenseits des 24-Bit-Adressraums</translation>
    </message>
    <message>
        <source>%1 is not a hexadecimal number</source>
        <translation>%1 ist keine Hexadezimalzahl</translation>
    </message>
    <message>
        <source>value %1 is not a byte</source>
        <translation>Wert %1 ist kein Byte</translation>
    </message>
    <message>
        <source>data runs past the 24-bit address space</source>
        <translation>Daten reichen über den 24-Bit-Adressraum hinaus</translation>
    </message>
</context>
<context>
    <name>UnitSequence</name>
    <message>
        <source>Not every LED lit in the test</source>
        <translation>Nicht jede LED leuchtete im Test</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Unplugged during %1</source>
        <translation>Getrennt während %1</translation>
    </message>
    <message>
        <source>Unplugged during %1 (%2 %)</source>
        <translation>Getrennt während %1 (%2 %)</translation>
    </message>
    <message>
        <source>No answer during %1</source>
        <translation>Keine Antwort während %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>program</source>
        <translation>Programm</translation>
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
        <translation>Port</translation>
    </message>
    <message>
        <source>Time in this step</source>
        <translation>Zeit in diesem Schritt</translation>
    </message>
    <message>
        <source>Unit serial number</source>
        <translation>Seriennummer des Geräts</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Question to the operator</source>
        <translation>Frage an den Bediener</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Schlecht</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Test: look at the panel</source>
        <translation>Test: Panel ansehen</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>Testmuster</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>GUT</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>SCHLECHT</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>SCHLECHT: %1</translation>
    </message>
    <message>
        <source>Serial %1</source>
        <translation>Seriennr. %1</translation>
    </message>
    <message>
        <source>Every LED lit? Pass&#xa0;(P) / Fail&#xa0;(F)</source>
        <translation>Jede LED an? Gut&#xa0;(P) / Schlecht&#xa0;(F)</translation>
    </message>
    <message>
        <source>Scan or type the serial number</source>
        <translation>Seriennummer scannen oder eingeben</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Report pane</source>
        <translation>Berichtsbereich</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>In Ansicht einpassen</translation>
    </message>
    <message>
        <source>Show or hide the pane of reports below the document</source>
        <translation>Den Berichtsbereich unter dem Dokument ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Show the whole board</source>
        <translation>Das ganze Board zeigen</translation>
    </message>
    <message>
        <source>Tool bars</source>
        <translation>Symbolleisten</translation>
    </message>
</context>
</TS>
