<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  KamdelEditor: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  KamdelDocument: %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AbstractDocument</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AbstractLedPanelScene</name>
    <message>
        <source>Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring %1, position %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnimationExport</name>
    <message>
        <source>The program shows no frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnimationImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; pictures up to %4 x %4 pixels can be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds more frames than can be imported (at most %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds too many pixels to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to read %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a progressive JPEG of %2 scans; at most %3 are read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it has no pixels).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (a frame has no colours).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.gif *.png *.jpg *.jpeg *.bmp);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link that leads nowhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a picture: GIF, PNG, JPEG and BMP pictures can be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it ends too early).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardLegend</name>
    <message>
        <source>Board legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow: the LED is on in the frame shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark grey: the LED is off in the frame shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue left half ring: the LED is on in the previous frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red right half ring: the LED is on in the next frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both halves: on before and after; here also on in the frame shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The half rings show while Adjacent is ticked in the board&apos;s menu (right click on the board). A frame without a frame before or after it shows only one half.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CallWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandTreeMenu</name>
    <message>
        <source>Collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LedState</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LedStates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit as table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import sequence...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export sequence...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandTreeView</name>
    <message>
        <source>Insert LedState items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append LedState items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert %1 Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append %1 Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentEdits</name>
    <message>
        <source>Set LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit LEDs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document would hold %L1 frames; a document holds at most %L2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentHost</name>
    <message>
        <source>The recovery copy of %1 cannot be read. It is kept at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery copy of %1 could be read only in part; what was read is shown. The copy is kept at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown file %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DropHandler</name>
    <message>
        <source>Drop to open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop to add the frames of %1 after the current frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open or create a document first to add the frames of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window takes a panel document (.xml) to open, or a sequence file (.csv) whose frames go after the current frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added %1 LED frames from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This cannot be dropped here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be dropped here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document takes no frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document has no program to take the frames.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The editor did not end normally while %1 had unsaved changes.
Restore the copy kept at %2?

Cancel keeps the copy for the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A program is being written to the panel.
Stop writing and close? The panel then holds an incomplete program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>The number of frames must lie between 1 and %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of heads must divide 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 or 48).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length must lie between 1 and %1 (48 / heads).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The direction must be 1 or -1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The LEDs per frame must be at least 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width must lie between 1 and 4 rings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no frame to start from: show one on the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no frame to end at.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of blinks must lie between 1 and %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The density must lie between 0 and 100 percent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turned by %1 positions the frame looks the same: the spin has no frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown effect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExamplesMenu</name>
    <message>
        <source>Comet and fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comet slowing over a drawn ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ripple pulse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dissolve between patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the example as a new document</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportAnimationDialog</name>
    <message>
        <source>Export animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many frames to draw; at most 1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until the program holds or repeats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time per frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most viewers show shorter times than 20 ms much slower, so 20 ms is the shortest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seen from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom side</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>No document is open: there is nothing to import into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 frames imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No document is open: there is nothing to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 frames exported to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No frame is shown: pick one in the tree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export frame as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame exported to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>The firmware file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware file is not a regular file (it is a folder, a device or a pipe).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware file is larger than 16 MiB, more than any device holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the firmware file: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>more data than any device holds (over 2.25 MiB)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>You may need to be a member of the group &quot;%1&quot; that owns %2 (log in again after joining it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port %1 (%2) is active!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open serial port %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open serial port %1! Error: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter MPU flasher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close serial port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flashing canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished with error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device holds no valid application now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its boot loader is still there: flash it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid device application code file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address %1 lies outside the memory of the device (allowed: %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device was not touched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 byte at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes at %2-%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image writes %1, above the application, where the boot loader keeps the interrupt vectors. A boot loader that guards itself refuses them and flashing fails after the erase; one that does not may be overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write them anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid device version!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot erase device!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write device application code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot flash device!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jump to the application.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameEditor</name>
    <message>
        <source>Add frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate counter-clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror left-right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror top-bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings outward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings inward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ping-pong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings Outward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings Inward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies of the current frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times to repeat the selected frames:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nowhere: the document has no Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at the start of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at the end, after frame #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after frame #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameNumberDelegate</name>
    <message>
        <source>#%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameTransfers</name>
    <message>
        <source>Select the LED frames to copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied %1 LED frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut %1 Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no LED frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste %1 Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasted %1 LED frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No LED frames found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 LED frames from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 LED frames to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FunctionWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one to fill the page with its parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save preset...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions per frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ease:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speeding up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slowing down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speeding up, then slowing down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heads:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEDs per frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width in rings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert instead of dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density at the end:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As at the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the frames go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combine:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add (light where either is lit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove (darken where the effect is lit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle (flip where the effect is lit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the %1 preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a shipped preset and stays as it is; choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset named %1 exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert after #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert after the shown frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over the frames from #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over the shown frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the end of the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the other rings of #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the other rings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2, and %3 more at the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frames go at the end, after frame #%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frames go at the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frames go after frame #%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With %1 more the document takes %2 of %3 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes more than the panel&apos;s program memory: the program cannot be written until it is smaller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeneratePresets</name>
    <message>
        <source>Comet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to draw frames, play them and write them to a panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the keys of every command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the marks and colours on the board mean</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>The file has no end mark &apos;q&apos;; check that it is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportAnimationDialog</name>
    <message>
        <source>Import animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lit from brightness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert (dark parts lit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board seen from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of frames:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The LED frame it gives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the end of the Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No preview of this frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frames go %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document takes no more frames.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntelHexReader</name>
    <message>
        <source>more than 16 MiB of text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record after the end-of-file record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no end-of-file record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record does not start with &apos;:&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record is too short or has an odd number of digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record is longer than 255 data bytes allow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hexadecimal digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>length %1 does not match the record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checksum %1 should be %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end-of-file record carries data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>address record must carry two bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start address record must carry four bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemSummary</name>
    <message>
        <source>The program is what the panel runs, command by command, when it starts and after a Reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A function holds commands that Calls run, ending with a Return; its commands take %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Call runs the commands of a function and comes back, though its target is not filled in yet, so the panel passes over it; it takes %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Return ends a function: the panel goes back to the command after the Call; it takes %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Reset starts the panel&apos;s program again from its first command; it takes %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Stop makes the panel hold its last frame until it is told to go on; it takes %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KamdelDocument</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaneRows</name>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanesDock</name>
    <message>
        <source>Ring lanes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide every frame of the current list, ring by ring</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LedPanelTableView</name>
    <message>
        <source>Cut cannot used this kind of multiple selection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy cannot used this kind of multiple selection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste cannot used this kind of multiple selection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LedPanelView</name>
    <message>
        <source>LED board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys move along and between the rings, Space switches the LED, Shift with an arrow paints</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>New %1 document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the document under a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to clipboard and delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the program in the editor as the panel would</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the next frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop playback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop and go back to the start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 fps, the panel&apos;s Animate pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the frames of an animated GIF or of pictures after the current frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the program as an animated GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export frame as PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the frame shown as a PNG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback in the editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert an empty frame after the current one; with Shift, a copy of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the last undone edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symmetry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set every LED a click sets, turned by 360 / order degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also set the mirror images across the vertical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;rame</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%v of %m blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings cannot be saved: %1 is not writable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1  (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The production station %1 cannot be started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarkupScanner</name>
    <message>
        <source>The file nests its elements deeper than any document does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a text of more than %1 KiB, more than any document holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds an LED state of more than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds an element with more attributes than any document has.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemoryGauge</name>
    <message>
        <source>No document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program takes %1 bytes, %2 more than the panel&apos;s %3 bytes of program memory; it cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program memory of the panel in use</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MspFlasher</name>
    <message>
        <source>Incorrect header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet checksum error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet size is zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet size is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: (%1) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: (%1) Invalid version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unplugged during write (%1 %)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is the input file; choose another name for the output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An output is written whole, from its start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelDocument</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than any document (%2 MiB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error occur while reading xml data of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelLink</name>
    <message>
        <source>No panel port is set: choose one in Tools &gt; Serial port setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No document is open: Reset goes to the program the panel holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No document is open: Next goes to the program the panel holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No document is open: there is nothing to compile and write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program compiling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory use %1% (%2 of %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program takes %1 bytes, more than the %2 bytes of the panel&apos;s program memory.
Nothing was written to the panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1 (%2)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing canceled: the panel holds an incomplete program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to serial port %1 failed (%2). The program on the panel is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware update - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Programming finished on %1 (%n block(s)).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureReading</name>
    <message>
        <source>Reading pictures…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>No document is open: there is nothing to play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing at %1 frames per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback reached the end of the program after 1 frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback reached the end of the program after %1 frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program reached a Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Return without a Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program ran past the end of the panel&apos;s memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program loops without showing a frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calls nested too deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback held after %1 frames: %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortFleet</name>
    <message>
        <source>empty port name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port %1 named twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ports %1 and %2 are the same device</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s): %1 passed, %2 failed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortUnit</name>
    <message>
        <source>the flashing process stopped unexpectedly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortWatch</name>
    <message>
        <source>%1: skipped, the same device as %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s at %2 fps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QAction</name>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjacent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compile and Write...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update firmware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Production station...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animate panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid XML root element or version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds more than %1 frames; a document takes at most %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds more commands than a document can take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear recent files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1  |  %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <source>recipe %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a recipe: a recipe is a small text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recipe %1 is not a readable INI file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recipe %1 has a bad %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write recipe %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecipeCheck</name>
    <message>
        <source>unknown model %1 (known: %2, %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown controller %1 (known: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no port to watch: the recipe names no Watch glob</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program %1 changed: the recipe expects CRC %2, the file has %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log %1 is the recipe&apos;s own file %2: name a log file of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log %1 cannot be appended to: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log %1 has the columns of an older version: name a new log file in the recipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware %1 changed: the recipe expects digest %2, the file has %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware %1 is unreadable: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware %1 is not a firmware image: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware %1 does not fit %2: it writes %3, outside %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware %1 writes the interrupt vectors, which the recipe does not allow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program %1 is not a panel document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program %1 is for %2, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program %1 is unreadable: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecipeDialog</name>
    <message>
        <source>Recipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Station name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host name when empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Firmware:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware image written first (Intel HEX or TI-TXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware may write the &amp;interrupt vectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light &amp;program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel document whose program is written last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ports to &amp;watch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One pattern per line, /dev/ttyUSB*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV file each unit is appended to; the shift totals go beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a &amp;test pattern and ask the operator whether every LED is lit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask for each unit&apos;s &amp;serial number before it starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: #c00000; font-weight: bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware images (*.hex *.ihex *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New recipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipe %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This recipe cannot start a station: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResetWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReturnWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RingLanesView</name>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit the lanes into the width of the view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to draw; Shift+drag draws a line (Alt: the long way round); Ctrl+drag selects; Ctrl+wheel zooms; click a frame number to make it current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring lanes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag draws a line of one LED per frame (Alt: the long way round)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag selects a block to copy, clear or move with Alt+arrows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw on the lanes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut on the lanes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear on the lanes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste on the lanes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move on the lanes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, frame %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Romwright</name>
    <message>
        <source>Romwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware image:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RomwrightPrivate</name>
    <message>
        <source>Flashing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flashing is in progress. Stop it and leave the device without a valid application?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select port!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSP430 app (*.txt);;Intel HEX (*.hex *.ihex);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown MPU!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flashing succeeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequenceFile</name>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds more than %2 LED frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be imported. The file holds no frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED panel Sequence (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialPortDialog</name>
    <message>
        <source>Serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a port or type any device path, such as a stable /dev/serial/by-id/ name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShiftTotals</name>
    <message>
        <source>%1: %2 passed, %3 failed, yield %4 %, %5 units/h</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShowLength</name>
    <message>
        <source>The Program&apos;s frames and how long they play at the playback speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 s at %3 per second</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationBanner</name>
    <message>
        <source>Recipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware and program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ports and log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipe %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware %1 (sha256 %2)    Program %3 (CRC %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ports %1    Log %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationRun</name>
    <message>
        <source>cannot copy %1 for the station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware %1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a serial number is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has passed before: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be looked up in the log: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no unit on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationStart</name>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the recipe this station makes its units by, or make a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open recipe...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New recipe...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipe refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recipe %1 cannot start the station.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit recipe...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open another...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open recipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name, for the unit log:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Shift written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station not started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit yet: plug a panel into a port the recipe watches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End shift...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan or type, then Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 goes to the next unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit waits for a verdict.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Panel Production Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the shift now? Its totals go to the shift file and the counts start again.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units are running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still on the station: %1. Let them finish, cancel them, or keep the station running?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let them finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station closes once the units have ended.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StopWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestPattern</name>
    <message>
        <source>no test pattern for the unknown model %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the test pattern takes %1 bytes, more than the panel&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TiTxtReader</name>
    <message>
        <source>address %1 is not a hexadecimal number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a hexadecimal number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value %1 is not a byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>data runs past the 24-bit address space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitSequence</name>
    <message>
        <source>Not every LED lit in the test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unplugged during %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unplugged during %1 (%2 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer during %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitTile</name>
    <message>
        <source>%1 %2&#xa0;%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time in this step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question to the operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test: look at the panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every LED lit? Pass&#xa0;(P) / Fail&#xa0;(F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan or type the serial number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the pane of reports below the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the whole board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool bars</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
