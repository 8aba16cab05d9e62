<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>Éditeur de panneaux LED segmentés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>  KamdelEditor&#xa0;: %1
</translation>
    </message>
    <message>
        <source>  KamdelDocument: %1
</source>
        <translation>  KamdelDocument&#xa0;: %1
</translation>
    </message>
</context>
<context>
    <name>AbstractDocument</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 a été modifié.
Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
</context>
<context>
    <name>AbstractLedPanelScene</name>
    <message>
        <source>Paint</source>
        <translation>Peindre</translation>
    </message>
    <message>
        <source>Ring %1, position %2</source>
        <translation>Anneau %1, position %2</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Anneau %1</translation>
    </message>
    <message>
        <source>%1, on</source>
        <translation>%1, allumée</translation>
    </message>
    <message>
        <source>%1, off</source>
        <translation>%1, éteinte</translation>
    </message>
</context>
<context>
    <name>AnimationExport</name>
    <message>
        <source>The program shows no frame.</source>
        <translation>Le programme n&apos;affiche aucune trame.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>AnimationImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (%2).</source>
        <translation>%1 est tronqué ou corrompu (%2).</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; pictures up to %4 x %4 pixels can be imported.</source>
        <translation>%1 mesure %2 x %3 pixels&#xa0;; seules les images jusqu&apos;à %4 x %4 pixels peuvent être importées.</translation>
    </message>
    <message>
        <source>%1 holds more frames than can be imported (at most %2).</source>
        <translation>%1 contient plus de trames que l&apos;import n&apos;en accepte (%2 au plus).</translation>
    </message>
    <message>
        <source>%1 holds too many pixels to import.</source>
        <translation>%1 contient trop de pixels pour être importé.</translation>
    </message>
    <message>
        <source>Not enough memory to read %1.</source>
        <translation>Mémoire insuffisante pour lire %1.</translation>
    </message>
    <message>
        <source>%1 is a progressive JPEG of %2 scans; at most %3 are read.</source>
        <translation>%1 est un JPEG progressif de %2 passes&#xa0;; %3 au plus sont lues.</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it has no pixels).</source>
        <translation>%1 est tronqué ou corrompu (il ne contient aucun pixel).</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (a frame has no colours).</source>
        <translation>%1 est tronqué ou corrompu (une trame n&apos;a pas de couleurs).</translation>
    </message>
    <message>
        <source>%1 holds no picture.</source>
        <translation>%1 ne contient aucune image.</translation>
    </message>
    <message>
        <source>Pictures (*.gif *.png *.jpg *.jpeg *.bmp);;All files (*)</source>
        <translation>Images (*.gif *.png *.jpg *.jpeg *.bmp);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No picture was given.</source>
        <translation>Aucune image n&apos;a été indiquée.</translation>
    </message>
    <message>
        <source>%1 is a link that leads nowhere.</source>
        <translation>%1 est un lien qui ne mène nulle part.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 n&apos;est pas un fichier image.</translation>
    </message>
    <message>
        <source>%1 is too large to import.</source>
        <translation>%1 est trop volumineux pour être importé.</translation>
    </message>
    <message>
        <source>%1 is not a picture: GIF, PNG, JPEG and BMP pictures can be imported.</source>
        <translation>%1 n&apos;est pas une image&#xa0;: seules les images GIF, PNG, JPEG et BMP peuvent être importées.</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it ends too early).</source>
        <translation>%1 est tronqué ou corrompu (il se termine trop tôt).</translation>
    </message>
</context>
<context>
    <name>BoardLegend</name>
    <message>
        <source>Board legend</source>
        <translation>Légende de la carte</translation>
    </message>
    <message>
        <source>Yellow: the LED is on in the frame shown.</source>
        <translation>Jaune&#xa0;: la LED est allumée dans la trame affichée.</translation>
    </message>
    <message>
        <source>Dark grey: the LED is off in the frame shown.</source>
        <translation>Gris foncé&#xa0;: la LED est éteinte dans la trame affichée.</translation>
    </message>
    <message>
        <source>Blue left half ring: the LED is on in the previous frame.</source>
        <translation>Demi-anneau gauche bleu&#xa0;: la LED est allumée dans la trame précédente.</translation>
    </message>
    <message>
        <source>Red right half ring: the LED is on in the next frame.</source>
        <translation>Demi-anneau droit rouge&#xa0;: la LED est allumée dans la trame suivante.</translation>
    </message>
    <message>
        <source>Both halves: on before and after; here also on in the frame shown.</source>
        <translation>Les deux moitiés&#xa0;: allumée avant et après&#xa0;; ici aussi allumée dans la trame affichée.</translation>
    </message>
    <message>
        <source>The half rings show while Adjacent is ticked in the board&apos;s menu (right click on the board). A frame without a frame before or after it shows only one half.</source>
        <translation>Les demi-anneaux s&apos;affichent tant que Voisines est coché dans le menu de la carte (clic droit sur la carte). Une trame sans trame avant ou après elle n&apos;affiche qu&apos;une moitié.</translation>
    </message>
</context>
<context>
    <name>CallWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>CommandTreeMenu</name>
    <message>
        <source>Collection</source>
        <translation>Collection</translation>
    </message>
    <message>
        <source>LedState</source>
        <translation>État LED</translation>
    </message>
    <message>
        <source>LedStates</source>
        <translation>États LED</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Appel</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialisation</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Ajouter à la fin</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>Edit as table</source>
        <translation>Modifier sous forme de tableau</translation>
    </message>
    <message>
        <source>Cut Frames</source>
        <translation>Couper les trames</translation>
    </message>
    <message>
        <source>Copy Frames</source>
        <translation>Copier les trames</translation>
    </message>
    <message>
        <source>Paste Frames</source>
        <translation>Coller les trames</translation>
    </message>
    <message>
        <source>Import sequence...</source>
        <translation>Importer une séquence...</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>Importer une animation...</translation>
    </message>
    <message>
        <source>Export sequence...</source>
        <translation>Exporter la séquence...</translation>
    </message>
</context>
<context>
    <name>CommandTreeView</name>
    <message>
        <source>Insert LedState items</source>
        <translation>Insérer des éléments État LED</translation>
    </message>
    <message>
        <source>Append LedState items</source>
        <translation>Ajouter des éléments État LED à la fin</translation>
    </message>
    <message>
        <source>Insert %1 Frames</source>
        <translation>Insérer %1 trames</translation>
    </message>
    <message>
        <source>Append %1 Frames</source>
        <translation>Ajouter %1 trames à la fin</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nombre&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n trame</numerusform>
            <numerusform>%n trames</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation>
            <numerusform>%n unité</numerusform>
            <numerusform>%n unités</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DocumentEdits</name>
    <message>
        <source>Set LED</source>
        <translation>Régler la LED</translation>
    </message>
    <message>
        <source>Edit LEDs</source>
        <translation>Modifier les LED</translation>
    </message>
    <message>
        <source>The document would hold %L1 frames; a document holds at most %L2.</source>
        <translation>Le document contiendrait %L1 trames&#xa0;; un document en contient au plus %L2.</translation>
    </message>
</context>
<context>
    <name>DocumentHost</name>
    <message>
        <source>The recovery copy of %1 cannot be read. It is kept at %2.</source>
        <translation>La copie de récupération de %1 ne peut pas être lue. Elle est conservée dans %2.</translation>
    </message>
    <message>
        <source>The recovery copy of %1 could be read only in part; what was read is shown. The copy is kept at %2.</source>
        <translation>La copie de récupération de %1 n&apos;a pu être lue qu&apos;en partie&#xa0;; ce qui a été lu est affiché. La copie est conservée dans %2.</translation>
    </message>
    <message>
        <source>Document loaded</source>
        <translation>Document chargé</translation>
    </message>
    <message>
        <source>Example opened</source>
        <translation>Exemple ouvert</translation>
    </message>
    <message>
        <source>Unknown file %1!</source>
        <translation>Fichier %1 inconnu&#xa0;!</translation>
    </message>
    <message>
        <source>Document saved</source>
        <translation>Document enregistré</translation>
    </message>
</context>
<context>
    <name>DropHandler</name>
    <message>
        <source>Drop to open %1.</source>
        <translation>Déposez pour ouvrir %1.</translation>
    </message>
    <message>
        <source>Drop to add the frames of %1 after the current frame.</source>
        <translation>Déposez pour ajouter les trames de %1 après la trame courante.</translation>
    </message>
    <message>
        <source>Open or create a document first to add the frames of %1.</source>
        <translation>Ouvrez ou créez d&apos;abord un document pour ajouter les trames de %1.</translation>
    </message>
    <message>
        <source>The window takes a panel document (.xml) to open, or a sequence file (.csv) whose frames go after the current frame.</source>
        <translation>La fenêtre accepte un document de panneau (.xml) à ouvrir, ou un fichier de séquence (.csv) dont les trames s&apos;ajoutent après la trame courante.</translation>
    </message>
    <message>
        <source>Added %1 LED frames from %2.</source>
        <translation>%1 trames LED ajoutées depuis %2.</translation>
    </message>
    <message>
        <source>This cannot be dropped here.</source>
        <translation>Impossible de déposer ceci ici.</translation>
    </message>
    <message>
        <source>%1 cannot be dropped here.</source>
        <translation>Impossible de déposer %1 ici.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Impossible de lire le fichier %1&#xa0;:
%2.</translation>
    </message>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 n&apos;est pas un fichier de séquence.</translation>
    </message>
    <message>
        <source>The document takes no frames.</source>
        <translation>Le document n&apos;accepte aucune trame.</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>Importer une séquence</translation>
    </message>
    <message>
        <source>The document has no program to take the frames.</source>
        <translation>Le document n&apos;a pas de programme pour recevoir les trames.</translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>The editor did not end normally while %1 had unsaved changes.
Restore the copy kept at %2?

Cancel keeps the copy for the next start.</source>
        <translation>L&apos;éditeur ne s&apos;est pas fermé normalement alors que %1 avait des modifications non enregistrées.
Restaurer la copie conservée dans %2&#xa0;?

Annuler conserve la copie pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>A program is being written to the panel.
Stop writing and close? The panel then holds an incomplete program.</source>
        <translation>Un programme est en cours d&apos;écriture sur le panneau.
Arrêter l&apos;écriture et fermer&#xa0;? Le panneau contiendra alors un programme incomplet.</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>The number of frames must lie between 1 and %1.</source>
        <translation>Le nombre de trames doit être compris entre 1 et %1.</translation>
    </message>
    <message>
        <source>The number of heads must divide 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 or 48).</source>
        <translation>Le nombre de têtes doit diviser 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 ou 48).</translation>
    </message>
    <message>
        <source>The length must lie between 1 and %1 (48 / heads).</source>
        <translation>La longueur doit être comprise entre 1 et %1 (48 / têtes).</translation>
    </message>
    <message>
        <source>The direction must be 1 or -1.</source>
        <translation>Le sens doit être 1 ou -1.</translation>
    </message>
    <message>
        <source>The LEDs per frame must be at least 1.</source>
        <translation>Le nombre de LED par trame doit être d&apos;au moins 1.</translation>
    </message>
    <message>
        <source>The width must lie between 1 and 4 rings.</source>
        <translation>La largeur doit être comprise entre 1 et 4 anneaux.</translation>
    </message>
    <message>
        <source>There is no frame to start from: show one on the board.</source>
        <translation>Aucune trame de départ&#xa0;: affichez-en une sur la carte.</translation>
    </message>
    <message>
        <source>There is no frame to end at.</source>
        <translation>Aucune trame d&apos;arrivée.</translation>
    </message>
    <message>
        <source>The number of blinks must lie between 1 and %1.</source>
        <translation>Le nombre de clignotements doit être compris entre 1 et %1.</translation>
    </message>
    <message>
        <source>The density must lie between 0 and 100 percent.</source>
        <translation>La densité doit être comprise entre 0 et 100 pour cent.</translation>
    </message>
    <message>
        <source>Turned by %1 positions the frame looks the same: the spin has no frames.</source>
        <translation>Tournée de %1 positions, la trame reste identique&#xa0;: la rotation ne produit aucune trame.</translation>
    </message>
    <message>
        <source>Unknown effect.</source>
        <translation>Effet inconnu.</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>Poursuite</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulation</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Clignotement</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Fondu</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillement</translation>
    </message>
</context>
<context>
    <name>ExamplesMenu</name>
    <message>
        <source>Comet and fill</source>
        <translation>Comète et remplissage</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>Battement de cœur</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Champ d&apos;étoiles</translation>
    </message>
    <message>
        <source>Comet slowing over a drawn ring</source>
        <translation>Comète ralentissant sur un anneau dessiné</translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation>Anneau de progression</translation>
    </message>
    <message>
        <source>Ripple pulse</source>
        <translation>Impulsion en ondulation</translation>
    </message>
    <message>
        <source>Dissolve between patterns</source>
        <translation>Fondu entre motifs</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Open the example as a new document</source>
        <translation>Ouvrir l&apos;exemple comme nouveau document</translation>
    </message>
</context>
<context>
    <name>ExportAnimationDialog</name>
    <message>
        <source>Export animation</source>
        <translation>Exporter l&apos;animation</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Trames&#xa0;:</translation>
    </message>
    <message>
        <source>How many frames to draw; at most 1000</source>
        <translation>Nombre de trames à dessiner&#xa0;; 1000 au plus</translation>
    </message>
    <message>
        <source>Until the program holds or repeats</source>
        <translation>Jusqu&apos;à ce que le programme s&apos;arrête ou se répète</translation>
    </message>
    <message>
        <source>Time per frame:</source>
        <translation>Durée par trame&#xa0;:</translation>
    </message>
    <message>
        <source>Most viewers show shorter times than 20 ms much slower, so 20 ms is the shortest</source>
        <translation>La plupart des visionneuses affichent les durées inférieures à 20 ms bien plus lentement&#xa0;; 20 ms est donc le minimum</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Seen from:</source>
        <translation>Vu de&#xa0;:</translation>
    </message>
    <message>
        <source>Top side</source>
        <translation>Dessus</translation>
    </message>
    <message>
        <source>Bottom side</source>
        <translation>Dessous</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>No document is open: there is nothing to import into.</source>
        <translation>Aucun document n&apos;est ouvert&#xa0;: rien ne peut recevoir l&apos;import.</translation>
    </message>
    <message>
        <source>%1 frames imported</source>
        <translation>%1 trames importées</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to export.</source>
        <translation>Aucun document n&apos;est ouvert&#xa0;: il n&apos;y a rien à exporter.</translation>
    </message>
    <message>
        <source>Export animation</source>
        <translation>Exporter l&apos;animation</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animé (*.gif)</translation>
    </message>
    <message>
        <source>%1 frames exported to %2</source>
        <translation>%1 trames exportées vers %2</translation>
    </message>
    <message>
        <source>No frame is shown: pick one in the tree.</source>
        <translation>Aucune trame n&apos;est affichée&#xa0;: choisissez-en une dans l&apos;arborescence.</translation>
    </message>
    <message>
        <source>Export frame as PNG</source>
        <translation>Exporter la trame en PNG</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Frame exported to %1</source>
        <translation>Trame exportée vers %1</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>The firmware file does not exist.</source>
        <translation>Le fichier firmware n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The firmware file is not a regular file (it is a folder, a device or a pipe).</source>
        <translation>Le fichier firmware n&apos;est pas un fichier ordinaire (c&apos;est un dossier, un périphérique ou un tube).</translation>
    </message>
    <message>
        <source>The firmware file is larger than 16 MiB, more than any device holds.</source>
        <translation>Le fichier firmware dépasse 16 Mio, plus qu&apos;aucun appareil ne peut contenir.</translation>
    </message>
    <message>
        <source>Cannot read the firmware file: %1.</source>
        <translation>Impossible de lire le fichier firmware&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>more data than any device holds (over 2.25 MiB)</source>
        <translation>plus de données qu&apos;aucun appareil ne peut contenir (plus de 2,25 Mio)</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>You may need to be a member of the group &quot;%1&quot; that owns %2 (log in again after joining it).</source>
        <translation>Vous devez peut-être être membre du groupe « %1 » propriétaire de %2 (reconnectez-vous après l&apos;avoir rejoint).</translation>
    </message>
    <message>
        <source>Serial port %1 (%2) is active!</source>
        <translation>Le port série %1 (%2) est actif&#xa0;!</translation>
    </message>
    <message>
        <source>Open serial port %1 (%2).</source>
        <translation>Ouverture du port série %1 (%2).</translation>
    </message>
    <message>
        <source>Cannot open serial port %1! Error: %2</source>
        <translation>Impossible d&apos;ouvrir le port série %1&#xa0;! Erreur&#xa0;: %2</translation>
    </message>
    <message>
        <source>Enter MPU flasher.</source>
        <translation>Entrée dans le programmateur du MPU.</translation>
    </message>
    <message>
        <source>Close serial port.</source>
        <translation>Fermeture du port série.</translation>
    </message>
    <message>
        <source>Finished successfully!</source>
        <translation>Terminé avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>Flashing canceled.</source>
        <translation>Flashage annulé.</translation>
    </message>
    <message>
        <source>Finished with error!</source>
        <translation>Terminé avec une erreur&#xa0;!</translation>
    </message>
    <message>
        <source>The device holds no valid application now.</source>
        <translation>L&apos;appareil ne contient plus d&apos;application valide.</translation>
    </message>
    <message>
        <source>Its boot loader is still there: flash it again.</source>
        <translation>Son chargeur d&apos;amorçage est toujours présent&#xa0;: flashez-le à nouveau.</translation>
    </message>
    <message>
        <source>The device was not changed.</source>
        <translation>L&apos;appareil n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Invalid device application code file!</source>
        <translation>Fichier de code d&apos;application de l&apos;appareil non valide&#xa0;!</translation>
    </message>
    <message>
        <source>The file holds no data.</source>
        <translation>Le fichier ne contient aucune donnée.</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Address %1 lies outside the memory of the device (allowed: %2).</source>
        <translation>L&apos;adresse %1 est hors de la mémoire de l&apos;appareil (autorisé&#xa0;: %2).</translation>
    </message>
    <message>
        <source>The device was not touched.</source>
        <translation>L&apos;appareil n&apos;a pas été touché.</translation>
    </message>
    <message>
        <source>1 byte at %1</source>
        <translation>1 octet à %1</translation>
    </message>
    <message>
        <source>%1 bytes at %2-%3</source>
        <translation>%1 octets à %2-%3</translation>
    </message>
    <message>
        <source>The image writes %1, above the application, where the boot loader keeps the interrupt vectors. A boot loader that guards itself refuses them and flashing fails after the erase; one that does not may be overwritten.</source>
        <translation>L&apos;image écrit %1, au-dessus de l&apos;application, là où le chargeur d&apos;amorçage garde les vecteurs d&apos;interruption. Un chargeur d&apos;amorçage qui se protège les refuse et le flashage échoue après l&apos;effacement&#xa0;; un chargeur qui ne se protège pas risque d&apos;être écrasé.</translation>
    </message>
    <message>
        <source>Write them anyway?</source>
        <translation>Les écrire quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Verify device.</source>
        <translation>Vérification de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Invalid device version!</source>
        <translation>Version de l&apos;appareil non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Erase device.</source>
        <translation>Effacement de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Cannot erase device!</source>
        <translation>Impossible d&apos;effacer l&apos;appareil&#xa0;!</translation>
    </message>
    <message>
        <source>Write device application code.</source>
        <translation>Écriture du code d&apos;application de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Cannot flash device!</source>
        <translation>Impossible de flasher l&apos;appareil&#xa0;!</translation>
    </message>
    <message>
        <source>Jump to the application.</source>
        <translation>Saut vers l&apos;application.</translation>
    </message>
</context>
<context>
    <name>FrameEditor</name>
    <message>
        <source>Add frame</source>
        <translation>Ajouter une trame</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Tourner dans le sens horaire</translation>
    </message>
    <message>
        <source>Rotate counter-clockwise</source>
        <translation>Tourner dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Mirror left-right</source>
        <translation>Miroir gauche-droite</translation>
    </message>
    <message>
        <source>Mirror top-bottom</source>
        <translation>Miroir haut-bas</translation>
    </message>
    <message>
        <source>Rings outward</source>
        <translation>Anneaux vers l&apos;extérieur</translation>
    </message>
    <message>
        <source>Rings inward</source>
        <translation>Anneaux vers l&apos;intérieur</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Générer...</translation>
    </message>
    <message>
        <source>Hold...</source>
        <translation>Maintenir...</translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation>Répéter...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverser l&apos;ordre</translation>
    </message>
    <message>
        <source>Ping-pong</source>
        <translation>Aller-retour</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Rings Outward</source>
        <translation>Anneaux vers l&apos;extérieur</translation>
    </message>
    <message>
        <source>Rings Inward</source>
        <translation>Anneaux vers l&apos;intérieur</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Maintenir</translation>
    </message>
    <message>
        <source>Copies of the current frame:</source>
        <translation>Copies de la trame courante&#xa0;:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Times to repeat the selected frames:</source>
        <translation>Nombre de répétitions des trames sélectionnées&#xa0;:</translation>
    </message>
    <message>
        <source>nowhere: the document has no Program</source>
        <translation>nulle part&#xa0;: le document n&apos;a pas de programme</translation>
    </message>
    <message>
        <source>at the start of %1</source>
        <translation>au début de %1</translation>
    </message>
    <message>
        <source>at the end, after frame #%1</source>
        <translation>à la fin, après la trame n°%1</translation>
    </message>
    <message>
        <source>after frame #%1</source>
        <translation>après la trame n°%1</translation>
    </message>
    <message>
        <source>Generate %1</source>
        <translation>Générer %1</translation>
    </message>
</context>
<context>
    <name>FrameNumberDelegate</name>
    <message>
        <source>#%1 %2</source>
        <translation>n°%1 %2</translation>
    </message>
</context>
<context>
    <name>FrameTransfers</name>
    <message>
        <source>Select the LED frames to copy.</source>
        <translation>Sélectionnez les trames LED à copier.</translation>
    </message>
    <message>
        <source>Copied %1 LED frames.</source>
        <translation>%1 trames LED copiées.</translation>
    </message>
    <message>
        <source>Cut %1 Frames</source>
        <translation>Couper %1 trames</translation>
    </message>
    <message>
        <source>The clipboard holds no LED frames.</source>
        <translation>Le presse-papiers ne contient aucune trame LED.</translation>
    </message>
    <message>
        <source>Paste %1 Frames</source>
        <translation>Coller %1 trames</translation>
    </message>
    <message>
        <source>Pasted %1 LED frames.</source>
        <translation>%1 trames LED collées.</translation>
    </message>
    <message>
        <source>Import sequence</source>
        <translation>Importer une séquence</translation>
    </message>
    <message>
        <source>No LED frames found in %1.</source>
        <translation>Aucune trame LED trouvée dans %1.</translation>
    </message>
    <message>
        <source>Imported %1 LED frames from %2.</source>
        <translation>%1 trames LED importées depuis %2.</translation>
    </message>
    <message>
        <source>Export sequence</source>
        <translation>Exporter la séquence</translation>
    </message>
    <message>
        <source>Exported %1 LED frames to %2.</source>
        <translation>%1 trames LED exportées vers %2.</translation>
    </message>
</context>
<context>
    <name>FunctionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate frames</source>
        <translation>Générer des trames</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Choose one to fill the page with its parameters</source>
        <translation>Choisissez-en un pour remplir la page avec ses paramètres</translation>
    </message>
    <message>
        <source>Save preset...</source>
        <translation>Enregistrer le préréglage...</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Supprimer le préréglage</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>Poursuite</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulation</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Clignotement</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Fondu</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <source>Rings:</source>
        <translation>Anneaux&#xa0;:</translation>
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
        <translation>Positions par trame&#xa0;:</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sens horaire</translation>
    </message>
    <message>
        <source>Ease:</source>
        <translation>Accélération&#xa0;:</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Régulier</translation>
    </message>
    <message>
        <source>Speeding up</source>
        <translation>En accélérant</translation>
    </message>
    <message>
        <source>Slowing down</source>
        <translation>En ralentissant</translation>
    </message>
    <message>
        <source>Speeding up, then slowing down</source>
        <translation>En accélérant, puis en ralentissant</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longueur&#xa0;:</translation>
    </message>
    <message>
        <source>Heads:</source>
        <translation>Têtes&#xa0;:</translation>
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
        <translation>Trames&#xa0;:</translation>
    </message>
    <message>
        <source>Start position:</source>
        <translation>Position de départ&#xa0;:</translation>
    </message>
    <message>
        <source>LEDs per frame:</source>
        <translation>LED par trame&#xa0;:</translation>
    </message>
    <message>
        <source>Then empty</source>
        <translation>Puis vide</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Sens&#xa0;:</translation>
    </message>
    <message>
        <source>Outward</source>
        <translation>Vers l&apos;extérieur</translation>
    </message>
    <message>
        <source>Inward</source>
        <translation>Vers l&apos;intérieur</translation>
    </message>
    <message>
        <source>Width in rings:</source>
        <translation>Largeur en anneaux&#xa0;:</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Rebond</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Fois&#xa0;:</translation>
    </message>
    <message>
        <source>Invert instead of dark</source>
        <translation>Inverser au lieu d&apos;éteindre</translation>
    </message>
    <message>
        <source>To frame:</source>
        <translation>Vers la trame&#xa0;:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Graine&#xa0;:</translation>
    </message>
    <message>
        <source>Density:</source>
        <translation>Densité&#xa0;:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Density at the end:</source>
        <translation>Densité à la fin&#xa0;:</translation>
    </message>
    <message>
        <source>As at the start</source>
        <translation>Comme au départ</translation>
    </message>
    <message>
        <source>Where the frames go</source>
        <translation>Où vont les trames</translation>
    </message>
    <message>
        <source>Combine:</source>
        <translation>Combiner&#xa0;:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Add (light where either is lit)</source>
        <translation>Ajouter (allumer là où l&apos;un est allumé)</translation>
    </message>
    <message>
        <source>Remove (darken where the effect is lit)</source>
        <translation>Retirer (éteindre là où l&apos;effet est allumé)</translation>
    </message>
    <message>
        <source>Toggle (flip where the effect is lit)</source>
        <translation>Basculer (inverser là où l&apos;effet est allumé)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Enregistrer le préréglage</translation>
    </message>
    <message>
        <source>Name of the %1 preset:</source>
        <translation>Nom du préréglage %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1 is a shipped preset and stays as it is; choose another name.</source>
        <translation>%1 est un préréglage fourni et reste inchangé&#xa0;; choisissez un autre nom.</translation>
    </message>
    <message>
        <source>A preset named %1 exists. Replace it?</source>
        <translation>Un préréglage nommé %1 existe. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Insert after #%1</source>
        <translation>Insérer après n°%1</translation>
    </message>
    <message>
        <source>Insert after the shown frame</source>
        <translation>Insérer après la trame affichée</translation>
    </message>
    <message>
        <source>Over the frames from #%1</source>
        <translation>Sur les trames à partir de n°%1</translation>
    </message>
    <message>
        <source>Over the shown frame</source>
        <translation>Sur la trame affichée</translation>
    </message>
    <message>
        <source>At the end of the %1</source>
        <translation>À la fin de %1</translation>
    </message>
    <message>
        <source>Keep the other rings of #%1</source>
        <translation>Garder les autres anneaux de n°%1</translation>
    </message>
    <message>
        <source>Keep the other rings</source>
        <translation>Garder les autres anneaux</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2, and %3 more at the end.</source>
        <translation>Les trames remplacent les trames n°%1 à n°%2, et %3 de plus s&apos;ajoutent à la fin.</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2.</source>
        <translation>Les trames remplacent les trames n°%1 à n°%2.</translation>
    </message>
    <message>
        <source>The frames go at the end, after frame #%1.</source>
        <translation>Les trames s&apos;ajoutent à la fin, après la trame n°%1.</translation>
    </message>
    <message>
        <source>The frames go at the end.</source>
        <translation>Les trames s&apos;ajoutent à la fin.</translation>
    </message>
    <message>
        <source>The frames go after frame #%1.</source>
        <translation>Les trames s&apos;insèrent après la trame n°%1.</translation>
    </message>
    <message>
        <source>With %1 more the document takes %2 of %3 bytes.</source>
        <translation>Avec %1 de plus, le document occupe %2 octets sur %3.</translation>
    </message>
    <message>
        <source>%1 bytes more than the panel&apos;s program memory: the program cannot be written until it is smaller.</source>
        <translation>%1 octets de plus que la mémoire programme du panneau&#xa0;: le programme ne peut pas être écrit tant qu&apos;il n&apos;est pas plus petit.</translation>
    </message>
    <message>
        <source>No frames</source>
        <translation>Aucune trame</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Trame %1 sur %2</translation>
    </message>
</context>
<context>
    <name>GeneratePresets</name>
    <message>
        <source>Comet</source>
        <translation>Comète</translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation>Anneau de progression</translation>
    </message>
    <message>
        <source>Pulse out</source>
        <translation>Impulsion sortante</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>Battement de cœur</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Champ d&apos;étoiles</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>How to draw frames, play them and write them to a panel</source>
        <translation>Comment dessiner des trames, les lire et les écrire sur un panneau</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>List the keys of every command</source>
        <translation>Lister les touches de chaque commande</translation>
    </message>
    <message>
        <source>Board legend</source>
        <translation>Légende de la carte</translation>
    </message>
    <message>
        <source>What the marks and colours on the board mean</source>
        <translation>Signification des marques et des couleurs de la carte</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>The file has no end mark &apos;q&apos;; check that it is complete.</source>
        <translation>Le fichier n&apos;a pas de marque de fin &apos;q&apos;&#xa0;; vérifiez qu&apos;il est complet.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ImportAnimationDialog</name>
    <message>
        <source>Import animation</source>
        <translation>Importer une animation</translation>
    </message>
    <message>
        <source>Lit from brightness:</source>
        <translation>Allumée à partir de la luminosité&#xa0;:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Invert (dark parts lit)</source>
        <translation>Inverser (parties sombres allumées)</translation>
    </message>
    <message>
        <source>Board seen from:</source>
        <translation>Carte vue de&#xa0;:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Dessus</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dessous</translation>
    </message>
    <message>
        <source>First frame:</source>
        <translation>Première trame&#xa0;:</translation>
    </message>
    <message>
        <source>Number of frames:</source>
        <translation>Nombre de trames&#xa0;:</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>L&apos;image</translation>
    </message>
    <message>
        <source>The LED frame it gives</source>
        <translation>La trame LED obtenue</translation>
    </message>
    <message>
        <source>At the end of the Program</source>
        <translation>À la fin du programme</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Trame %1 sur %2</translation>
    </message>
    <message>
        <source>No preview of this frame</source>
        <translation>Pas d&apos;aperçu de cette trame</translation>
    </message>
    <message>
        <source>The frames go %1.</source>
        <translation>Les trames seront placées %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>Importer une animation</translation>
    </message>
    <message>
        <source>The document takes no more frames.</source>
        <translation>Le document n&apos;accepte plus de trames.</translation>
    </message>
</context>
<context>
    <name>IntelHexReader</name>
    <message>
        <source>more than 16 MiB of text</source>
        <translation>plus de 16 Mio de texte</translation>
    </message>
    <message>
        <source>record after the end-of-file record</source>
        <translation>enregistrement après l&apos;enregistrement de fin de fichier</translation>
    </message>
    <message>
        <source>no end-of-file record</source>
        <translation>aucun enregistrement de fin de fichier</translation>
    </message>
    <message>
        <source>record does not start with &apos;:&apos;</source>
        <translation>l&apos;enregistrement ne commence pas par &apos;:&apos;</translation>
    </message>
    <message>
        <source>record is too short or has an odd number of digits</source>
        <translation>l&apos;enregistrement est trop court ou a un nombre impair de chiffres</translation>
    </message>
    <message>
        <source>record is longer than 255 data bytes allow</source>
        <translation>l&apos;enregistrement dépasse la longueur permise par 255 octets de données</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hexadecimal digit</source>
        <translation>&apos;%1&apos; n&apos;est pas un chiffre hexadécimal</translation>
    </message>
    <message>
        <source>length %1 does not match the record</source>
        <translation>la longueur %1 ne correspond pas à l&apos;enregistrement</translation>
    </message>
    <message>
        <source>checksum %1 should be %2</source>
        <translation>la somme de contrôle %1 devrait être %2</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>l&apos;adresse %1 dépasse l&apos;espace d&apos;adressage de 24 bits</translation>
    </message>
    <message>
        <source>end-of-file record carries data</source>
        <translation>l&apos;enregistrement de fin de fichier contient des données</translation>
    </message>
    <message>
        <source>address record must carry two bytes</source>
        <translation>un enregistrement d&apos;adresse doit contenir deux octets</translation>
    </message>
    <message>
        <source>start address record must carry four bytes</source>
        <translation>un enregistrement d&apos;adresse de départ doit contenir quatre octets</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>type d&apos;enregistrement %1 inconnu</translation>
    </message>
</context>
<context>
    <name>ItemSummary</name>
    <message>
        <source>The program is what the panel runs, command by command, when it starts and after a Reset.</source>
        <translation>Le programme est ce que le panneau exécute, commande par commande, au démarrage et après une réinitialisation.</translation>
    </message>
    <message>
        <source>A function holds commands that Calls run, ending with a Return; its commands take %1.</source>
        <translation>Une fonction contient des commandes exécutées par des Appels et se termine par un Retour&#xa0;; ses commandes occupent %1.</translation>
    </message>
    <message>
        <source>A Call runs the commands of a function and comes back, though its target is not filled in yet, so the panel passes over it; it takes %1.</source>
        <translation>Un Appel exécute les commandes d&apos;une fonction puis revient, mais sa cible n&apos;est pas encore renseignée, donc le panneau l&apos;ignore&#xa0;; il occupe %1.</translation>
    </message>
    <message>
        <source>A Return ends a function: the panel goes back to the command after the Call; it takes %1.</source>
        <translation>Un Retour termine une fonction&#xa0;: le panneau revient à la commande qui suit l&apos;Appel&#xa0;; il occupe %1.</translation>
    </message>
    <message>
        <source>A Reset starts the panel&apos;s program again from its first command; it takes %1.</source>
        <translation>Une Réinitialisation relance le programme du panneau depuis sa première commande&#xa0;; elle occupe %1.</translation>
    </message>
    <message>
        <source>A Stop makes the panel hold its last frame until it is told to go on; it takes %1.</source>
        <translation>Un Arrêt maintient la dernière trame sur le panneau jusqu&apos;à ce qu&apos;il reçoive l&apos;ordre de continuer&#xa0;; il occupe %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KamdelDocument</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>Documents de panneau (*.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 a été modifié.
Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Trame</translation>
    </message>
</context>
<context>
    <name>LanesDock</name>
    <message>
        <source>Ring lanes</source>
        <translation>Pistes des anneaux</translation>
    </message>
    <message>
        <source>Show or hide every frame of the current list, ring by ring</source>
        <translation>Afficher ou masquer chaque trame de la liste courante, anneau par anneau</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>La langue change au prochain démarrage.</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Prend effet au prochain démarrage</translation>
    </message>
</context>
<context>
    <name>LedPanelTableView</name>
    <message>
        <source>Cut cannot used this kind of multiple selection.</source>
        <translation>Couper ne fonctionne pas avec ce type de sélection multiple.</translation>
    </message>
    <message>
        <source>Copy cannot used this kind of multiple selection.</source>
        <translation>Copier ne fonctionne pas avec ce type de sélection multiple.</translation>
    </message>
    <message>
        <source>Paste cannot used this kind of multiple selection.</source>
        <translation>Coller ne fonctionne pas avec ce type de sélection multiple.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>LedPanelView</name>
    <message>
        <source>LED board</source>
        <translation>Carte LED</translation>
    </message>
    <message>
        <source>Arrow keys move along and between the rings, Space switches the LED, Shift with an arrow paints</source>
        <translation>Les flèches se déplacent sur les anneaux et entre eux, Espace bascule la LED, Maj avec une flèche peint</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>New %1 document</source>
        <translation>Nouveau document %1</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvrir un document existant</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the document</source>
        <translation>Enregistrer le document</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Save the document under a new name</source>
        <translation>Enregistrer le document sous un nouveau nom</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the document</source>
        <translation>Fermer le document</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Copy to clipboard and delete</source>
        <translation>Copier dans le presse-papiers et supprimer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>Coller depuis le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Play the program in the editor as the panel would</source>
        <translation>Lire le programme dans l&apos;éditeur comme le ferait le panneau</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas à pas</translation>
    </message>
    <message>
        <source>Show the next frame</source>
        <translation>Afficher la trame suivante</translation>
    </message>
    <message>
        <source>Stop playback</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>Stop and go back to the start</source>
        <translation>Arrêter et revenir au début</translation>
    </message>
    <message>
        <source>100 fps, the panel&apos;s Animate pace</source>
        <translation>100 i/s, la cadence Animer du panneau</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 i/s</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>Importer une animation...</translation>
    </message>
    <message>
        <source>Add the frames of an animated GIF or of pictures after the current frame</source>
        <translation>Ajouter les trames d&apos;un GIF animé ou d&apos;images après la trame courante</translation>
    </message>
    <message>
        <source>Export animation...</source>
        <translation>Exporter l&apos;animation...</translation>
    </message>
    <message>
        <source>Save the program as an animated GIF</source>
        <translation>Enregistrer le programme en GIF animé</translation>
    </message>
    <message>
        <source>Export frame as PNG...</source>
        <translation>Exporter la trame en PNG...</translation>
    </message>
    <message>
        <source>Save the frame shown as a PNG picture</source>
        <translation>Enregistrer la trame affichée en image PNG</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Contrôle</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panneau</translation>
    </message>
    <message>
        <source>Playback in the editor</source>
        <translation>Lecture dans l&apos;éditeur</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Vitesse de lecture</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>O&amp;utils</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Insert an empty frame after the current one; with Shift, a copy of it</source>
        <translation>Insérer une trame vide après la trame courante&#xa0;; avec Maj, une copie de celle-ci</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>Redo the last undone edit</source>
        <translation>Rétablir la dernière modification annulée</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Symétrie</translation>
    </message>
    <message>
        <source>Symmetry:</source>
        <translation>Symétrie&#xa0;:</translation>
    </message>
    <message>
        <source>Set every LED a click sets, turned by 360 / order degrees</source>
        <translation>Régler aussi chaque LED qu&apos;un clic règle, tournée de 360 / ordre degrés</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Also set the mirror images across the vertical axis</source>
        <translation>Régler aussi les images miroir par rapport à l&apos;axe vertical</translation>
    </message>
    <message>
        <source>F&amp;rame</source>
        <translation>&amp;Trame</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%v of %m blocks</source>
        <translation>%v blocs sur %m</translation>
    </message>
    <message>
        <source>The settings cannot be saved: %1 is not writable.</source>
        <translation>Les paramètres ne peuvent pas être enregistrés&#xa0;: %1 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 n&apos;existe plus&#xa0;; il a été retiré des fichiers récents.</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>Éditeur de panneaux LED segmentés</translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation> (récupéré)</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1</source>
        <translation>Éditeur de panneaux LED segmentés  -  %1</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1  (%2)</source>
        <translation>Éditeur de panneaux LED segmentés  -  %1  (%2)</translation>
    </message>
    <message>
        <source>The production station %1 cannot be started.</source>
        <translation>Impossible de démarrer la station de production %1.</translation>
    </message>
</context>
<context>
    <name>MarkupScanner</name>
    <message>
        <source>The file nests its elements deeper than any document does.</source>
        <translation>Le fichier imbrique ses éléments plus profondément qu&apos;aucun document.</translation>
    </message>
    <message>
        <source>The file holds a text of more than %1 KiB, more than any document holds.</source>
        <translation>Le fichier contient un texte de plus de %1 Kio, plus qu&apos;aucun document.</translation>
    </message>
    <message>
        <source>The file holds an LED state of more than %1 characters.</source>
        <translation>Le fichier contient un état LED de plus de %1 caractères.</translation>
    </message>
    <message>
        <source>The file holds an element with more attributes than any document has.</source>
        <translation>Le fichier contient un élément avec plus d&apos;attributs qu&apos;aucun document.</translation>
    </message>
</context>
<context>
    <name>MemoryGauge</name>
    <message>
        <source>No document</source>
        <translation>Aucun document</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 octets sur %2</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, %2 more than the panel&apos;s %3 bytes of program memory; it cannot be written.</source>
        <translation>Le programme occupe %1 octets, %2 de plus que les %3 octets de mémoire programme du panneau&#xa0;; il ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Program memory of the panel in use</source>
        <translation>Mémoire programme du panneau utilisée</translation>
    </message>
</context>
<context>
    <name>MspFlasher</name>
    <message>
        <source>Incorrect header</source>
        <translation>En-tête incorrect</translation>
    </message>
    <message>
        <source>Packet checksum error</source>
        <translation>Erreur de somme de contrôle du paquet</translation>
    </message>
    <message>
        <source>Packet size is zero</source>
        <translation>La taille du paquet est nulle</translation>
    </message>
    <message>
        <source>Packet size is invalid</source>
        <translation>La taille du paquet n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Error in protocol</source>
        <translation>Erreur de protocole</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Délai dépassé</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Error: (%1) </source>
        <translation>Erreur&#xa0;: (%1) </translation>
    </message>
    <message>
        <source>Error: (%1) Invalid version</source>
        <translation>Erreur&#xa0;: (%1) Version non valide</translation>
    </message>
    <message>
        <source>unplugged during write (%1 %)</source>
        <translation>débranché pendant l&apos;écriture (%1 %)</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is the input file; choose another name for the output.</source>
        <translation>%1 est le fichier d&apos;entrée&#xa0;; choisissez un autre nom pour la sortie.</translation>
    </message>
    <message>
        <source>An output is written whole, from its start.</source>
        <translation>Une sortie est écrite en entier, depuis son début.</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Le fichier n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>Le fichier n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>PanelDocument</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is larger than any document (%2 MiB).</source>
        <translation>%1 est plus volumineux qu&apos;aucun document (%2 Mio).</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Impossible de lire le fichier %1&#xa0;:
%2.</translation>
    </message>
    <message>
        <source>Error occur while reading xml data of %1.</source>
        <translation>Une erreur s&apos;est produite lors de la lecture des données XML de %1.</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 en écriture&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Impossible d&apos;écrire le fichier %1&#xa0;:
%2.</translation>
    </message>
</context>
<context>
    <name>PanelLink</name>
    <message>
        <source>No panel port is set: choose one in Tools &gt; Serial port setup.</source>
        <translation>Aucun port de panneau n&apos;est défini&#xa0;: choisissez-en un dans Outils &gt; Configuration du port série.</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1!</source>
        <translation>Impossible de se connecter au port série %1&#xa0;!</translation>
    </message>
    <message>
        <source>No document is open: Reset goes to the program the panel holds.</source>
        <translation>Aucun document n&apos;est ouvert&#xa0;: Réinitialiser s&apos;applique au programme que contient le panneau.</translation>
    </message>
    <message>
        <source>No document is open: Next goes to the program the panel holds.</source>
        <translation>Aucun document n&apos;est ouvert&#xa0;: Suivant s&apos;applique au programme que contient le panneau.</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to compile and write.</source>
        <translation>Aucun document n&apos;est ouvert&#xa0;: il n&apos;y a rien à compiler et écrire.</translation>
    </message>
    <message>
        <source>Program compiling...</source>
        <translation>Compilation du programme...</translation>
    </message>
    <message>
        <source>Memory use %1% (%2 of %3).</source>
        <translation>Mémoire utilisée %1 % (%2 sur %3).</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, more than the %2 bytes of the panel&apos;s program memory.
Nothing was written to the panel.</source>
        <translation>Le programme occupe %1 octets, plus que les %2 octets de mémoire programme du panneau.
Rien n&apos;a été écrit sur le panneau.</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1 (%2)!</source>
        <translation>Impossible de se connecter au port série %1 (%2)&#xa0;!</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmation...</translation>
    </message>
    <message>
        <source>Writing canceled: the panel holds an incomplete program.</source>
        <translation>Écriture annulée&#xa0;: le panneau contient un programme incomplet.</translation>
    </message>
    <message>
        <source>Writing to serial port %1 failed (%2). The program on the panel is incomplete.</source>
        <translation>L&apos;écriture sur le port série %1 a échoué (%2). Le programme du panneau est incomplet.</translation>
    </message>
    <message>
        <source>Firmware update - %1</source>
        <translation>Mise à jour du firmware - %1</translation>
    </message>
    <message numerus="yes">
        <source>Programming finished on %1 (%n block(s)).</source>
        <translation>
            <numerusform>Programmation terminée sur %1 (%n bloc).</numerusform>
            <numerusform>Programmation terminée sur %1 (%n blocs).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureReading</name>
    <message>
        <source>Reading pictures…</source>
        <translation>Lecture des images…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>No document is open: there is nothing to play.</source>
        <translation>Aucun document n&apos;est ouvert&#xa0;: il n&apos;y a rien à lire.</translation>
    </message>
    <message>
        <source>Playing at %1 frames per second</source>
        <translation>Lecture à %1 trames par seconde</translation>
    </message>
    <message>
        <source>Playback stopped.</source>
        <translation>Lecture arrêtée.</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after 1 frame.</source>
        <translation>La lecture a atteint la fin du programme après 1 trame.</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after %1 frames.</source>
        <translation>La lecture a atteint la fin du programme après %1 trames.</translation>
    </message>
    <message>
        <source>the program reached a Stop</source>
        <translation>le programme a atteint un Arrêt</translation>
    </message>
    <message>
        <source>a Return without a Call</source>
        <translation>un Retour sans Appel</translation>
    </message>
    <message>
        <source>the program ran past the end of the panel&apos;s memory</source>
        <translation>le programme a dépassé la fin de la mémoire du panneau</translation>
    </message>
    <message>
        <source>the program loops without showing a frame</source>
        <translation>le programme boucle sans afficher de trame</translation>
    </message>
    <message>
        <source>calls nested too deep</source>
        <translation>appels imbriqués trop profondément</translation>
    </message>
    <message>
        <source>an unknown command</source>
        <translation>une commande inconnue</translation>
    </message>
    <message>
        <source>Playback held after %1 frames: %2 (%3).</source>
        <translation>Lecture interrompue après %1 trames&#xa0;: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>PortFleet</name>
    <message>
        <source>empty port name</source>
        <translation>nom de port vide</translation>
    </message>
    <message>
        <source>port %1 named twice</source>
        <translation>port %1 indiqué deux fois</translation>
    </message>
    <message>
        <source>ports %1 and %2 are the same device</source>
        <translation>les ports %1 et %2 sont le même périphérique</translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s): %1 passed, %2 failed</source>
        <translation>
            <numerusform>%n unité&#xa0;: %1 réussie, %2 en échec</numerusform>
            <numerusform>%n unités&#xa0;: %1 réussies, %2 en échec</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortUnit</name>
    <message>
        <source>the flashing process stopped unexpectedly</source>
        <translation>le processus de flashage s&apos;est arrêté de façon inattendue</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>code de sortie %1</translation>
    </message>
</context>
<context>
    <name>PortWatch</name>
    <message>
        <source>%1: skipped, the same device as %2</source>
        <translation>%1&#xa0;: ignoré, même périphérique que %2</translation>
    </message>
</context>
<context>
    <name>ProgramWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Trames&#xa0;:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>%1 s at %2 fps</source>
        <translation>%1 s à %2 i/s</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>QAction</name>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>Ajuster à la vue</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Dessus</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dessous</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Adjacent</source>
        <translation>Voisines</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animer</translation>
    </message>
    <message>
        <source>Serial port setup...</source>
        <translation>Configuration du port série...</translation>
    </message>
    <message>
        <source>Compile and Write...</source>
        <translation>Compiler et écrire...</translation>
    </message>
    <message>
        <source>Update firmware...</source>
        <translation>Mettre à jour le firmware...</translation>
    </message>
    <message>
        <source>Production station...</source>
        <translation>Station de production...</translation>
    </message>
    <message>
        <source>Animate panel</source>
        <translation>Animer le panneau</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Remove %1 Items</source>
        <translation>Supprimer %1 éléments</translation>
    </message>
    <message>
        <source>Invalid XML root element or version.</source>
        <translation>Élément racine ou version XML non valide.</translation>
    </message>
    <message>
        <source>The file holds more than %1 frames; a document takes at most %1.</source>
        <translation>Le fichier contient plus de %1 trames&#xa0;; un document en accepte au plus %1.</translation>
    </message>
    <message>
        <source>The file holds more commands than a document can take.</source>
        <translation>Le fichier contient plus de commandes qu&apos;un document ne peut en accepter.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Recent Files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>Clear recent files</source>
        <translation>Effacer les fichiers récents</translation>
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
        <translation>la recette %1 est introuvable</translation>
    </message>
    <message>
        <source>%1 is not a recipe: a recipe is a small text file</source>
        <translation>%1 n&apos;est pas une recette&#xa0;: une recette est un petit fichier texte</translation>
    </message>
    <message>
        <source>recipe %1 is not a readable INI file</source>
        <translation>la recette %1 n&apos;est pas un fichier INI lisible</translation>
    </message>
    <message>
        <source>recipe %1 has a bad %2</source>
        <translation>la recette %1 a une valeur %2 incorrecte</translation>
    </message>
    <message>
        <source>cannot write recipe %1</source>
        <translation>impossible d&apos;écrire la recette %1</translation>
    </message>
</context>
<context>
    <name>RecipeCheck</name>
    <message>
        <source>unknown model %1 (known: %2, %3)</source>
        <translation>modèle %1 inconnu (connus&#xa0;: %2, %3)</translation>
    </message>
    <message>
        <source>unknown controller %1 (known: %2)</source>
        <translation>contrôleur %1 inconnu (connu&#xa0;: %2)</translation>
    </message>
    <message>
        <source>no port to watch: the recipe names no Watch glob</source>
        <translation>aucun port à surveiller&#xa0;: la recette n&apos;indique aucun motif Watch</translation>
    </message>
    <message>
        <source>program %1 changed: the recipe expects CRC %2, the file has %3</source>
        <translation>le programme %1 a changé&#xa0;: la recette attend le CRC %2, le fichier a %3</translation>
    </message>
    <message>
        <source>log %1 is the recipe&apos;s own file %2: name a log file of its own</source>
        <translation>le journal %1 est le fichier %2 de la recette elle-même&#xa0;: indiquez un fichier journal distinct</translation>
    </message>
    <message>
        <source>log %1 cannot be appended to: %2</source>
        <translation>impossible d&apos;ajouter au journal %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>log %1 has the columns of an older version: name a new log file in the recipe</source>
        <translation>le journal %1 a les colonnes d&apos;une ancienne version&#xa0;: indiquez un nouveau fichier journal dans la recette</translation>
    </message>
    <message>
        <source>firmware %1 changed: the recipe expects digest %2, the file has %3</source>
        <translation>le firmware %1 a changé&#xa0;: la recette attend l&apos;empreinte %2, le fichier a %3</translation>
    </message>
    <message>
        <source>firmware %1 is missing</source>
        <translation>le firmware %1 est introuvable</translation>
    </message>
    <message>
        <source>firmware %1 is unreadable: %2</source>
        <translation>le firmware %1 est illisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>firmware %1 is not a firmware image: %2</source>
        <translation>%1 n&apos;est pas une image de firmware&#xa0;: %2</translation>
    </message>
    <message>
        <source>firmware %1 does not fit %2: it writes %3, outside %4</source>
        <translation>le firmware %1 ne convient pas à %2&#xa0;: il écrit %3, hors de %4</translation>
    </message>
    <message>
        <source>firmware %1 writes the interrupt vectors, which the recipe does not allow</source>
        <translation>le firmware %1 écrit les vecteurs d&apos;interruption, ce que la recette n&apos;autorise pas</translation>
    </message>
    <message>
        <source>program %1 is missing</source>
        <translation>le programme %1 est introuvable</translation>
    </message>
    <message>
        <source>program %1 is not a panel document</source>
        <translation>le programme %1 n&apos;est pas un document de panneau</translation>
    </message>
    <message>
        <source>program %1 is for %2, not %3</source>
        <translation>le programme %1 est pour %2, pas pour %3</translation>
    </message>
    <message>
        <source>program %1 is unreadable: %2</source>
        <translation>le programme %1 est illisible&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RecipeDialog</name>
    <message>
        <source>Recipe</source>
        <translation>Recette</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modèle&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Station name:</source>
        <translation>Nom de la &amp;station&#xa0;:</translation>
    </message>
    <message>
        <source>The host name when empty</source>
        <translation>Le nom d&apos;hôte si vide</translation>
    </message>
    <message>
        <source>&amp;Firmware:</source>
        <translation>&amp;Firmware&#xa0;:</translation>
    </message>
    <message>
        <source>The firmware image written first (Intel HEX or TI-TXT)</source>
        <translation>L&apos;image de firmware écrite en premier (Intel HEX ou TI-TXT)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>The firmware may write the &amp;interrupt vectors</source>
        <translation>Le firmware peut écrire les &amp;vecteurs d&apos;interruption</translation>
    </message>
    <message>
        <source>Light &amp;program:</source>
        <translation>&amp;Programme lumineux&#xa0;:</translation>
    </message>
    <message>
        <source>The panel document whose program is written last</source>
        <translation>Le document de panneau dont le programme est écrit en dernier</translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation>&amp;Débit en bauds&#xa0;:</translation>
    </message>
    <message>
        <source>Ports to &amp;watch:</source>
        <translation>Ports &amp;observés&#xa0;:</translation>
    </message>
    <message>
        <source>One pattern per line, /dev/ttyUSB*</source>
        <translation>Un motif par ligne, /dev/ttyUSB*</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>Fichier &amp;journal&#xa0;:</translation>
    </message>
    <message>
        <source>The CSV file each unit is appended to; the shift totals go beside it</source>
        <translation>Le fichier CSV auquel chaque unité est ajoutée&#xa0;; les totaux de l&apos;équipe sont enregistrés à côté</translation>
    </message>
    <message>
        <source>Show a &amp;test pattern and ask the operator whether every LED is lit</source>
        <translation>Afficher une mire de &amp;test et demander à l&apos;opérateur si chaque LED est allumée</translation>
    </message>
    <message>
        <source>Ask for each unit&apos;s &amp;serial number before it starts</source>
        <translation>Demander le numéro de &amp;série de chaque unité avant son démarrage</translation>
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
        <translation>Images de firmware (*.hex *.ihex *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Light program</source>
        <translation>Programme lumineux</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>Documents de panneau (*.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Unit log</source>
        <translation>Journal des unités</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>New recipe</source>
        <translation>Nouvelle recette</translation>
    </message>
    <message>
        <source>Recipe %1</source>
        <translation>Recette %1</translation>
    </message>
    <message>
        <source>This recipe cannot start a station: %1.</source>
        <translation>Cette recette ne peut pas démarrer de station&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation>Enregistrer la recette</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>Recettes de station (*.ini);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ResetWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>ReturnWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>RingLanesView</name>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Fit the lanes into the width of the view</source>
        <translation>Ajuster les pistes à la largeur de la vue</translation>
    </message>
    <message>
        <source>Drag to draw; Shift+drag draws a line (Alt: the long way round); Ctrl+drag selects; Ctrl+wheel zooms; click a frame number to make it current</source>
        <translation>Glisser pour dessiner&#xa0;; Maj+glisser trace une ligne (Alt&#xa0;: par le plus long chemin)&#xa0;; Ctrl+glisser sélectionne&#xa0;; Ctrl+molette zoome&#xa0;; cliquer sur un numéro de trame la rend courante</translation>
    </message>
    <message>
        <source>Ring lanes</source>
        <translation>Pistes des anneaux</translation>
    </message>
    <message>
        <source>Drag draws a line of one LED per frame (Alt: the long way round)</source>
        <translation>Glisser trace une ligne d&apos;une LED par trame (Alt&#xa0;: par le plus long chemin)</translation>
    </message>
    <message>
        <source>Drag selects a block to copy, clear or move with Alt+arrows</source>
        <translation>Glisser sélectionne un bloc à copier, effacer ou déplacer avec Alt+flèches</translation>
    </message>
    <message>
        <source>Draw on the lanes</source>
        <translation>Dessiner sur les pistes</translation>
    </message>
    <message>
        <source>Draw a line</source>
        <translation>Tracer une ligne</translation>
    </message>
    <message>
        <source>Cut on the lanes</source>
        <translation>Couper sur les pistes</translation>
    </message>
    <message>
        <source>Clear on the lanes</source>
        <translation>Effacer sur les pistes</translation>
    </message>
    <message>
        <source>Paste on the lanes</source>
        <translation>Coller sur les pistes</translation>
    </message>
    <message>
        <source>Move on the lanes</source>
        <translation>Déplacer sur les pistes</translation>
    </message>
    <message>
        <source>on</source>
        <translation>allumée</translation>
    </message>
    <message>
        <source>off</source>
        <translation>éteinte</translation>
    </message>
    <message>
        <source>%1, frame %2, %3</source>
        <translation>%1, trame %2, %3</translation>
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
        <translation>Image du firmware&#xa0;:</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>Parcourir ...</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Port série&#xa0;:</translation>
    </message>
    <message>
        <source>Select ...</source>
        <translation>Sélectionner ...</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Progression&#xa0;:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flasher</translation>
    </message>
</context>
<context>
    <name>RomwrightPrivate</name>
    <message>
        <source>Flashing...</source>
        <translation>Flashage...</translation>
    </message>
    <message>
        <source>Romwright</source>
        <translation>Romwright</translation>
    </message>
    <message>
        <source>Flashing is in progress. Stop it and leave the device without a valid application?</source>
        <translation>Le flashage est en cours. L&apos;arrêter et laisser l&apos;appareil sans application valide&#xa0;?</translation>
    </message>
    <message>
        <source>Select port!</source>
        <translation>Sélectionnez un port&#xa0;!</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <source>MSP430 app (*.txt);;Intel HEX (*.hex *.ihex);;All files (*)</source>
        <translation>Application MSP430 (*.txt);;Intel HEX (*.hex *.ihex);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Unknown MPU!</source>
        <translation>MPU inconnu&#xa0;!</translation>
    </message>
    <message>
        <source>Flashing succeeded</source>
        <translation>Flashage réussi</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>SequenceFile</name>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 n&apos;est pas un fichier de séquence.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 LED frames.</source>
        <translation>%1 contient plus de %2 trames LED.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Impossible de lire le fichier %1&#xa0;:
%2.</translation>
    </message>
    <message>
        <source>%1 cannot be imported. The file holds no frames.</source>
        <translation>Impossible d&apos;importer %1. Le fichier ne contient aucune trame.</translation>
    </message>
    <message>
        <source>LED panel Sequence (*.csv);;All files (*)</source>
        <translation>Séquence de panneau LED (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Impossible d&apos;écrire le fichier %1&#xa0;:
%2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>Importer une séquence</translation>
    </message>
</context>
<context>
    <name>SerialPortDialog</name>
    <message>
        <source>Serial port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Pick a port or type any device path, such as a stable /dev/serial/by-id/ name.</source>
        <translation>Choisissez un port ou saisissez un chemin de périphérique, par exemple un nom stable /dev/serial/by-id/.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Débit en bauds&#xa0;:</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>Bits de données&#xa0;:</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>Bits d&apos;arrêt&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parité&#xa0;:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>1.5</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>série %1</translation>
    </message>
</context>
<context>
    <name>ShiftTotals</name>
    <message>
        <source>%1: %2 passed, %3 failed, yield %4 %, %5 units/h</source>
        <translation>%1&#xa0;: %2 réussies, %3 en échec, rendement %4 %, %5 unités/h</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
</context>
<context>
    <name>ShowLength</name>
    <message>
        <source>The Program&apos;s frames and how long they play at the playback speed</source>
        <translation>Les trames du programme et leur durée à la vitesse de lecture</translation>
    </message>
    <message>
        <source>%1, %2 s at %3 per second</source>
        <translation>%1, %2 s à %3 par seconde</translation>
    </message>
</context>
<context>
    <name>StationBanner</name>
    <message>
        <source>Recipe</source>
        <translation>Recette</translation>
    </message>
    <message>
        <source>Firmware and program</source>
        <translation>Firmware et programme</translation>
    </message>
    <message>
        <source>Ports and log</source>
        <translation>Ports et journal</translation>
    </message>
    <message>
        <source>Shift totals</source>
        <translation>Totaux de l&apos;équipe</translation>
    </message>
    <message>
        <source>Recipe %1: %2</source>
        <translation>Recette %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Firmware %1 (sha256 %2)    Program %3 (CRC %4)</source>
        <translation>Firmware %1 (sha256 %2)    Programme %3 (CRC %4)</translation>
    </message>
    <message>
        <source>Ports %1    Log %2</source>
        <translation>Ports %1    Journal %2</translation>
    </message>
</context>
<context>
    <name>StationRun</name>
    <message>
        <source>cannot copy %1 for the station</source>
        <translation>impossible de copier %1 pour la station</translation>
    </message>
    <message>
        <source>firmware %1 cannot be read</source>
        <translation>le firmware %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>a serial number is required</source>
        <translation>un numéro de série est requis</translation>
    </message>
    <message>
        <source>%1 has passed before: %2</source>
        <translation>%1 a déjà réussi&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be looked up in the log: %2</source>
        <translation>%1 ne peut pas être recherché dans le journal&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is in use on %2</source>
        <translation>%1 est utilisé sur %2</translation>
    </message>
    <message>
        <source>no unit on %1</source>
        <translation>aucune unité sur %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>StationStart</name>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>Station de production de panneaux</translation>
    </message>
    <message>
        <source>Open the recipe this station makes its units by, or make a new one.</source>
        <translation>Ouvrez la recette selon laquelle cette station produit ses unités, ou créez-en une nouvelle.</translation>
    </message>
    <message>
        <source>Open recipe...</source>
        <translation>Ouvrir une recette...</translation>
    </message>
    <message>
        <source>New recipe...</source>
        <translation>Nouvelle recette...</translation>
    </message>
    <message>
        <source>Recipe refused</source>
        <translation>Recette refusée</translation>
    </message>
    <message>
        <source>The recipe %1 cannot start the station.</source>
        <translation>La recette %1 ne peut pas démarrer la station.</translation>
    </message>
    <message>
        <source>Edit recipe...</source>
        <translation>Modifier la recette...</translation>
    </message>
    <message>
        <source>Open another...</source>
        <translation>En ouvrir une autre...</translation>
    </message>
    <message>
        <source>Open recipe</source>
        <translation>Ouvrir une recette</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>Recettes de station (*.ini);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Your name, for the unit log:</source>
        <translation>Votre nom, pour le journal des unités&#xa0;:</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Shift written to %1</source>
        <translation>Équipe enregistrée dans %1</translation>
    </message>
    <message>
        <source>Station not started</source>
        <translation>Station non démarrée</translation>
    </message>
    <message>
        <source>No unit yet: plug a panel into a port the recipe watches.</source>
        <translation>Aucune unité pour l&apos;instant&#xa0;: branchez un panneau sur un port surveillé par la recette.</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>Station de production de panneaux</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>&amp;Station</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>End shift...</source>
        <translation>Terminer l&apos;équipe...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Numéro de série&#xa0;:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Scan or type, then Enter</source>
        <translation>Scannez ou saisissez, puis Entrée</translation>
    </message>
    <message>
        <source>%1 goes to the next unit</source>
        <translation>%1 ira à l&apos;unité suivante</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No unit waits for a verdict.</source>
        <translation>Aucune unité n&apos;attend de verdict.</translation>
    </message>
    <message>
        <source>%1 - Panel Production Station</source>
        <translation>%1 - Station de production de panneaux</translation>
    </message>
    <message>
        <source>End shift</source>
        <translation>Terminer l&apos;équipe</translation>
    </message>
    <message>
        <source>End the shift now? Its totals go to the shift file and the counts start again.

%1</source>
        <translation>Terminer l&apos;équipe maintenant&#xa0;? Ses totaux sont enregistrés dans le fichier d&apos;équipe et les compteurs repartent de zéro.

%1</translation>
    </message>
    <message>
        <source>Units are running</source>
        <translation>Des unités sont en cours</translation>
    </message>
    <message>
        <source>Still on the station: %1. Let them finish, cancel them, or keep the station running?</source>
        <translation>Encore sur la station&#xa0;: %1. Les laisser terminer, les annuler ou laisser la station en marche&#xa0;?</translation>
    </message>
    <message>
        <source>Let them finish</source>
        <translation>Laisser terminer</translation>
    </message>
    <message>
        <source>Cancel units</source>
        <translation>Annuler les unités</translation>
    </message>
    <message>
        <source>Keep running</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>The station closes once the units have ended.</source>
        <translation>La station se fermera une fois les unités terminées.</translation>
    </message>
</context>
<context>
    <name>StopWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>TestPattern</name>
    <message>
        <source>no test pattern for the unknown model %1</source>
        <translation>aucune mire de test pour le modèle inconnu %1</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>Mire de test</translation>
    </message>
    <message>
        <source>the test pattern takes %1 bytes, more than the panel&apos;s %2</source>
        <translation>la mire de test occupe %1 octets, plus que les %2 du panneau</translation>
    </message>
</context>
<context>
    <name>TiTxtReader</name>
    <message>
        <source>address %1 is not a hexadecimal number</source>
        <translation>l&apos;adresse %1 n&apos;est pas un nombre hexadécimal</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>l&apos;adresse %1 dépasse l&apos;espace d&apos;adressage de 24 bits</translation>
    </message>
    <message>
        <source>%1 is not a hexadecimal number</source>
        <translation>%1 n&apos;est pas un nombre hexadécimal</translation>
    </message>
    <message>
        <source>value %1 is not a byte</source>
        <translation>la valeur %1 n&apos;est pas un octet</translation>
    </message>
    <message>
        <source>data runs past the 24-bit address space</source>
        <translation>les données dépassent l&apos;espace d&apos;adressage de 24 bits</translation>
    </message>
</context>
<context>
    <name>UnitSequence</name>
    <message>
        <source>Not every LED lit in the test</source>
        <translation>Toutes les LED ne se sont pas allumées pendant le test</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Unplugged during %1</source>
        <translation>Débranché pendant %1</translation>
    </message>
    <message>
        <source>Unplugged during %1 (%2 %)</source>
        <translation>Débranché pendant %1 (%2 %)</translation>
    </message>
    <message>
        <source>No answer during %1</source>
        <translation>Aucune réponse pendant %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
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
        <translation>programme</translation>
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
        <translation>Durée de cette étape</translation>
    </message>
    <message>
        <source>Unit serial number</source>
        <translation>Numéro de série de l&apos;unité</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Question to the operator</source>
        <translation>Question à l&apos;opérateur</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Test: look at the panel</source>
        <translation>Test&#xa0;: regardez le panneau</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>Mire de test</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>RÉUSSI</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>ÉCHEC&#xa0;: %1</translation>
    </message>
    <message>
        <source>Serial %1</source>
        <translation>N° série %1</translation>
    </message>
    <message>
        <source>Every LED lit? Pass&#xa0;(P) / Fail&#xa0;(F)</source>
        <translation>Toutes les LED allumées&#xa0;? Réussi&#xa0;(P) / Échec&#xa0;(F)</translation>
    </message>
    <message>
        <source>Scan or type the serial number</source>
        <translation>Scannez ou saisissez le numéro de série</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Report pane</source>
        <translation>Volet des rapports</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>Ajuster à la vue</translation>
    </message>
    <message>
        <source>Show or hide the pane of reports below the document</source>
        <translation>Afficher ou masquer le volet des rapports sous le document</translation>
    </message>
    <message>
        <source>Show the whole board</source>
        <translation>Afficher toute la carte</translation>
    </message>
    <message>
        <source>Tool bars</source>
        <translation>Barres d&apos;outils</translation>
    </message>
</context>
</TS>
