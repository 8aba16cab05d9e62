<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>Editor de painéis de LED segmentados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Version 
</source>
        <translation>Versão 
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
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 foi modificado.
Deseja salvar as alterações?</translation>
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
        <translation>Anel %1, posição %2</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Anel %1</translation>
    </message>
    <message>
        <source>%1, on</source>
        <translation>%1, aceso</translation>
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
        <translation>O programa não mostra nenhum quadro.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>AnimationImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (%2).</source>
        <translation>%1 está truncado ou corrompido (%2).</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; pictures up to %4 x %4 pixels can be imported.</source>
        <translation>%1 tem %2 x %3 pixels; só é possível importar imagens de até %4 x %4 pixels.</translation>
    </message>
    <message>
        <source>%1 holds more frames than can be imported (at most %2).</source>
        <translation>%1 contém mais quadros do que é possível importar (no máximo %2).</translation>
    </message>
    <message>
        <source>%1 holds too many pixels to import.</source>
        <translation>%1 contém pixels demais para importar.</translation>
    </message>
    <message>
        <source>Not enough memory to read %1.</source>
        <translation>Memória insuficiente para ler %1.</translation>
    </message>
    <message>
        <source>%1 is a progressive JPEG of %2 scans; at most %3 are read.</source>
        <translation>%1 é um JPEG progressivo de %2 varreduras; no máximo %3 são lidas.</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it has no pixels).</source>
        <translation>%1 está truncado ou corrompido (não tem pixels).</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (a frame has no colours).</source>
        <translation>%1 está truncado ou corrompido (um quadro não tem cores).</translation>
    </message>
    <message>
        <source>%1 holds no picture.</source>
        <translation>%1 não contém nenhuma imagem.</translation>
    </message>
    <message>
        <source>Pictures (*.gif *.png *.jpg *.jpeg *.bmp);;All files (*)</source>
        <translation>Imagens (*.gif *.png *.jpg *.jpeg *.bmp);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>No picture was given.</source>
        <translation>Nenhuma imagem foi indicada.</translation>
    </message>
    <message>
        <source>%1 is a link that leads nowhere.</source>
        <translation>%1 é um link que não leva a lugar nenhum.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 não é um arquivo de imagem.</translation>
    </message>
    <message>
        <source>%1 is too large to import.</source>
        <translation>%1 é grande demais para importar.</translation>
    </message>
    <message>
        <source>%1 is not a picture: GIF, PNG, JPEG and BMP pictures can be imported.</source>
        <translation>%1 não é uma imagem: é possível importar imagens GIF, PNG, JPEG e BMP.</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it ends too early).</source>
        <translation>%1 está truncado ou corrompido (termina cedo demais).</translation>
    </message>
</context>
<context>
    <name>BoardLegend</name>
    <message>
        <source>Board legend</source>
        <translation>Legenda da placa</translation>
    </message>
    <message>
        <source>Yellow: the LED is on in the frame shown.</source>
        <translation>Amarelo: o LED está aceso no quadro mostrado.</translation>
    </message>
    <message>
        <source>Dark grey: the LED is off in the frame shown.</source>
        <translation>Cinza-escuro: o LED está apagado no quadro mostrado.</translation>
    </message>
    <message>
        <source>Blue left half ring: the LED is on in the previous frame.</source>
        <translation>Meio anel azul à esquerda: o LED está aceso no quadro anterior.</translation>
    </message>
    <message>
        <source>Red right half ring: the LED is on in the next frame.</source>
        <translation>Meio anel vermelho à direita: o LED está aceso no próximo quadro.</translation>
    </message>
    <message>
        <source>Both halves: on before and after; here also on in the frame shown.</source>
        <translation>As duas metades: aceso antes e depois; aqui também aceso no quadro mostrado.</translation>
    </message>
    <message>
        <source>The half rings show while Adjacent is ticked in the board&apos;s menu (right click on the board). A frame without a frame before or after it shows only one half.</source>
        <translation>Os meios anéis aparecem enquanto Adjacentes estiver marcado no menu da placa (clique com o botão direito na placa). Um quadro sem quadro antes ou depois mostra só uma metade.</translation>
    </message>
</context>
<context>
    <name>CallWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>CommandTreeMenu</name>
    <message>
        <source>Collection</source>
        <translation>Coleção</translation>
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
        <translation>Chamada</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retorno</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reinício</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Acrescentar</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Remover item</translation>
    </message>
    <message>
        <source>Edit as table</source>
        <translation>Editar como tabela</translation>
    </message>
    <message>
        <source>Cut Frames</source>
        <translation>Recortar quadros</translation>
    </message>
    <message>
        <source>Copy Frames</source>
        <translation>Copiar quadros</translation>
    </message>
    <message>
        <source>Paste Frames</source>
        <translation>Colar quadros</translation>
    </message>
    <message>
        <source>Import sequence...</source>
        <translation>Importar sequência...</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>Importar animação...</translation>
    </message>
    <message>
        <source>Export sequence...</source>
        <translation>Exportar sequência...</translation>
    </message>
</context>
<context>
    <name>CommandTreeView</name>
    <message>
        <source>Insert LedState items</source>
        <translation>Inserir itens LedState</translation>
    </message>
    <message>
        <source>Append LedState items</source>
        <translation>Acrescentar itens LedState</translation>
    </message>
    <message>
        <source>Insert %1 Frames</source>
        <translation>Inserir %1 quadros</translation>
    </message>
    <message>
        <source>Append %1 Frames</source>
        <translation>Acrescentar %1 quadros</translation>
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
            <numerusform>%n quadro</numerusform>
            <numerusform>%n quadros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation>
            <numerusform>%n unidade</numerusform>
            <numerusform>%n unidades</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
</context>
<context>
    <name>DocumentEdits</name>
    <message>
        <source>Set LED</source>
        <translation>Definir LED</translation>
    </message>
    <message>
        <source>Edit LEDs</source>
        <translation>Editar LEDs</translation>
    </message>
    <message>
        <source>The document would hold %L1 frames; a document holds at most %L2.</source>
        <translation>O documento teria %L1 quadros; um documento comporta no máximo %L2.</translation>
    </message>
</context>
<context>
    <name>DocumentHost</name>
    <message>
        <source>The recovery copy of %1 cannot be read. It is kept at %2.</source>
        <translation>A cópia de recuperação de %1 não pode ser lida. Ela é mantida em %2.</translation>
    </message>
    <message>
        <source>The recovery copy of %1 could be read only in part; what was read is shown. The copy is kept at %2.</source>
        <translation>A cópia de recuperação de %1 só pôde ser lida em parte; o que foi lido é mostrado. A cópia é mantida em %2.</translation>
    </message>
    <message>
        <source>Document loaded</source>
        <translation>Documento carregado</translation>
    </message>
    <message>
        <source>Example opened</source>
        <translation>Exemplo aberto</translation>
    </message>
    <message>
        <source>Unknown file %1!</source>
        <translation>Arquivo desconhecido %1!</translation>
    </message>
    <message>
        <source>Document saved</source>
        <translation>Documento salvo</translation>
    </message>
</context>
<context>
    <name>DropHandler</name>
    <message>
        <source>Drop to open %1.</source>
        <translation>Solte para abrir %1.</translation>
    </message>
    <message>
        <source>Drop to add the frames of %1 after the current frame.</source>
        <translation>Solte para adicionar os quadros de %1 após o quadro atual.</translation>
    </message>
    <message>
        <source>Open or create a document first to add the frames of %1.</source>
        <translation>Abra ou crie um documento antes de adicionar os quadros de %1.</translation>
    </message>
    <message>
        <source>The window takes a panel document (.xml) to open, or a sequence file (.csv) whose frames go after the current frame.</source>
        <translation>A janela aceita um documento de painel (.xml) para abrir, ou um arquivo de sequência (.csv) cujos quadros vão após o quadro atual.</translation>
    </message>
    <message>
        <source>Added %1 LED frames from %2.</source>
        <translation>%1 quadros de LED adicionados de %2.</translation>
    </message>
    <message>
        <source>This cannot be dropped here.</source>
        <translation>Isto não pode ser solto aqui.</translation>
    </message>
    <message>
        <source>%1 cannot be dropped here.</source>
        <translation>%1 não pode ser solto aqui.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Não é possível ler o arquivo %1:
%2.</translation>
    </message>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 não é um arquivo de sequência.</translation>
    </message>
    <message>
        <source>The document takes no frames.</source>
        <translation>O documento não aceita quadros.</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>Importar sequência</translation>
    </message>
    <message>
        <source>The document has no program to take the frames.</source>
        <translation>O documento não tem programa para receber os quadros.</translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>Application</source>
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>The editor did not end normally while %1 had unsaved changes.
Restore the copy kept at %2?

Cancel keeps the copy for the next start.</source>
        <translation>O editor não terminou normalmente enquanto %1 tinha alterações não salvas.
Restaurar a cópia mantida em %2?

Cancelar mantém a cópia para a próxima inicialização.</translation>
    </message>
    <message>
        <source>A program is being written to the panel.
Stop writing and close? The panel then holds an incomplete program.</source>
        <translation>Um programa está sendo gravado no painel.
Parar a gravação e fechar? O painel ficará com um programa incompleto.</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>The number of frames must lie between 1 and %1.</source>
        <translation>O número de quadros deve estar entre 1 e %1.</translation>
    </message>
    <message>
        <source>The number of heads must divide 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 or 48).</source>
        <translation>O número de cabeças deve dividir 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 ou 48).</translation>
    </message>
    <message>
        <source>The length must lie between 1 and %1 (48 / heads).</source>
        <translation>O comprimento deve estar entre 1 e %1 (48 / cabeças).</translation>
    </message>
    <message>
        <source>The direction must be 1 or -1.</source>
        <translation>A direção deve ser 1 ou -1.</translation>
    </message>
    <message>
        <source>The LEDs per frame must be at least 1.</source>
        <translation>Os LEDs por quadro devem ser pelo menos 1.</translation>
    </message>
    <message>
        <source>The width must lie between 1 and 4 rings.</source>
        <translation>A largura deve estar entre 1 e 4 anéis.</translation>
    </message>
    <message>
        <source>There is no frame to start from: show one on the board.</source>
        <translation>Não há quadro de partida: mostre um na placa.</translation>
    </message>
    <message>
        <source>There is no frame to end at.</source>
        <translation>Não há quadro de chegada.</translation>
    </message>
    <message>
        <source>The number of blinks must lie between 1 and %1.</source>
        <translation>O número de piscadas deve estar entre 1 e %1.</translation>
    </message>
    <message>
        <source>The density must lie between 0 and 100 percent.</source>
        <translation>A densidade deve estar entre 0 e 100 por cento.</translation>
    </message>
    <message>
        <source>Turned by %1 positions the frame looks the same: the spin has no frames.</source>
        <translation>Girado %1 posições, o quadro fica igual: o giro não tem quadros.</translation>
    </message>
    <message>
        <source>Unknown effect.</source>
        <translation>Efeito desconhecido.</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>Perseguição</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulação</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Piscar</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Dissolver</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Cintilar</translation>
    </message>
</context>
<context>
    <name>ExamplesMenu</name>
    <message>
        <source>Comet and fill</source>
        <translation>Cometa e preenchimento</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>Batimento cardíaco</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Campo estelar</translation>
    </message>
    <message>
        <source>Comet slowing over a drawn ring</source>
        <translation>Cometa desacelerando sobre um anel desenhado</translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation>Anel de progresso</translation>
    </message>
    <message>
        <source>Ripple pulse</source>
        <translation>Pulso de ondulação</translation>
    </message>
    <message>
        <source>Dissolve between patterns</source>
        <translation>Dissolver entre padrões</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemplos</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Open the example as a new document</source>
        <translation>Abrir o exemplo como novo documento</translation>
    </message>
</context>
<context>
    <name>ExportAnimationDialog</name>
    <message>
        <source>Export animation</source>
        <translation>Exportar animação</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Quadros:</translation>
    </message>
    <message>
        <source>How many frames to draw; at most 1000</source>
        <translation>Quantos quadros desenhar; no máximo 1000</translation>
    </message>
    <message>
        <source>Until the program holds or repeats</source>
        <translation>Até o programa parar ou se repetir</translation>
    </message>
    <message>
        <source>Time per frame:</source>
        <translation>Tempo por quadro:</translation>
    </message>
    <message>
        <source>Most viewers show shorter times than 20 ms much slower, so 20 ms is the shortest</source>
        <translation>A maioria dos visualizadores mostra tempos menores que 20 ms bem mais devagar, então 20 ms é o mínimo</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Seen from:</source>
        <translation>Visto de:</translation>
    </message>
    <message>
        <source>Top side</source>
        <translation>Lado de cima</translation>
    </message>
    <message>
        <source>Bottom side</source>
        <translation>Lado de baixo</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>No document is open: there is nothing to import into.</source>
        <translation>Nenhum documento aberto: não há onde importar.</translation>
    </message>
    <message>
        <source>%1 frames imported</source>
        <translation>%1 quadros importados</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to export.</source>
        <translation>Nenhum documento aberto: não há nada para exportar.</translation>
    </message>
    <message>
        <source>Export animation</source>
        <translation>Exportar animação</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animado (*.gif)</translation>
    </message>
    <message>
        <source>%1 frames exported to %2</source>
        <translation>%1 quadros exportados para %2</translation>
    </message>
    <message>
        <source>No frame is shown: pick one in the tree.</source>
        <translation>Nenhum quadro mostrado: escolha um na árvore.</translation>
    </message>
    <message>
        <source>Export frame as PNG</source>
        <translation>Exportar quadro como PNG</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Frame exported to %1</source>
        <translation>Quadro exportado para %1</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>The firmware file does not exist.</source>
        <translation>O arquivo de firmware não existe.</translation>
    </message>
    <message>
        <source>The firmware file is not a regular file (it is a folder, a device or a pipe).</source>
        <translation>O arquivo de firmware não é um arquivo comum (é uma pasta, um dispositivo ou um pipe).</translation>
    </message>
    <message>
        <source>The firmware file is larger than 16 MiB, more than any device holds.</source>
        <translation>O arquivo de firmware tem mais de 16 MiB, mais do que qualquer dispositivo comporta.</translation>
    </message>
    <message>
        <source>Cannot read the firmware file: %1.</source>
        <translation>Não é possível ler o arquivo de firmware: %1.</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>more data than any device holds (over 2.25 MiB)</source>
        <translation>mais dados do que qualquer dispositivo comporta (mais de 2,25 MiB)</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>You may need to be a member of the group &quot;%1&quot; that owns %2 (log in again after joining it).</source>
        <translation>Talvez seja preciso ser membro do grupo &quot;%1&quot;, dono de %2 (entre de novo na sessão após ingressar nele).</translation>
    </message>
    <message>
        <source>Serial port %1 (%2) is active!</source>
        <translation>A porta serial %1 (%2) está ativa!</translation>
    </message>
    <message>
        <source>Open serial port %1 (%2).</source>
        <translation>Abrir a porta serial %1 (%2).</translation>
    </message>
    <message>
        <source>Cannot open serial port %1! Error: %2</source>
        <translation>Não é possível abrir a porta serial %1! Erro: %2</translation>
    </message>
    <message>
        <source>Enter MPU flasher.</source>
        <translation>Entrar no gravador da MPU.</translation>
    </message>
    <message>
        <source>Close serial port.</source>
        <translation>Fechar a porta serial.</translation>
    </message>
    <message>
        <source>Finished successfully!</source>
        <translation>Concluído com sucesso!</translation>
    </message>
    <message>
        <source>Flashing canceled.</source>
        <translation>Gravação cancelada.</translation>
    </message>
    <message>
        <source>Finished with error!</source>
        <translation>Concluído com erro!</translation>
    </message>
    <message>
        <source>The device holds no valid application now.</source>
        <translation>O dispositivo agora não tem nenhum aplicativo válido.</translation>
    </message>
    <message>
        <source>Its boot loader is still there: flash it again.</source>
        <translation>O carregador de inicialização continua lá: grave de novo.</translation>
    </message>
    <message>
        <source>The device was not changed.</source>
        <translation>O dispositivo não foi alterado.</translation>
    </message>
    <message>
        <source>Invalid device application code file!</source>
        <translation>Arquivo de código de aplicativo do dispositivo inválido!</translation>
    </message>
    <message>
        <source>The file holds no data.</source>
        <translation>O arquivo não contém dados.</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <source>Address %1 lies outside the memory of the device (allowed: %2).</source>
        <translation>O endereço %1 está fora da memória do dispositivo (permitido: %2).</translation>
    </message>
    <message>
        <source>The device was not touched.</source>
        <translation>O dispositivo não foi mexido.</translation>
    </message>
    <message>
        <source>1 byte at %1</source>
        <translation>1 byte em %1</translation>
    </message>
    <message>
        <source>%1 bytes at %2-%3</source>
        <translation>%1 bytes em %2-%3</translation>
    </message>
    <message>
        <source>The image writes %1, above the application, where the boot loader keeps the interrupt vectors. A boot loader that guards itself refuses them and flashing fails after the erase; one that does not may be overwritten.</source>
        <translation>A imagem grava %1, acima do aplicativo, onde o carregador de inicialização guarda os vetores de interrupção. Um carregador que se protege os recusa e a gravação falha após o apagamento; um que não se protege pode ser sobrescrito.</translation>
    </message>
    <message>
        <source>Write them anyway?</source>
        <translation>Gravá-los mesmo assim?</translation>
    </message>
    <message>
        <source>Verify device.</source>
        <translation>Verificar o dispositivo.</translation>
    </message>
    <message>
        <source>Invalid device version!</source>
        <translation>Versão de dispositivo inválida!</translation>
    </message>
    <message>
        <source>Erase device.</source>
        <translation>Apagar o dispositivo.</translation>
    </message>
    <message>
        <source>Cannot erase device!</source>
        <translation>Não é possível apagar o dispositivo!</translation>
    </message>
    <message>
        <source>Write device application code.</source>
        <translation>Gravar o código de aplicativo do dispositivo.</translation>
    </message>
    <message>
        <source>Cannot flash device!</source>
        <translation>Não é possível gravar o dispositivo!</translation>
    </message>
    <message>
        <source>Jump to the application.</source>
        <translation>Saltar para o aplicativo.</translation>
    </message>
</context>
<context>
    <name>FrameEditor</name>
    <message>
        <source>Add frame</source>
        <translation>Adicionar quadro</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>Girar no sentido horário</translation>
    </message>
    <message>
        <source>Rotate counter-clockwise</source>
        <translation>Girar no sentido anti-horário</translation>
    </message>
    <message>
        <source>Mirror left-right</source>
        <translation>Espelhar esquerda-direita</translation>
    </message>
    <message>
        <source>Mirror top-bottom</source>
        <translation>Espelhar cima-baixo</translation>
    </message>
    <message>
        <source>Rings outward</source>
        <translation>Anéis para fora</translation>
    </message>
    <message>
        <source>Rings inward</source>
        <translation>Anéis para dentro</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Gerar...</translation>
    </message>
    <message>
        <source>Hold...</source>
        <translation>Manter...</translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation>Repetir...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverter ordem</translation>
    </message>
    <message>
        <source>Ping-pong</source>
        <translation>Vaivém</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Rings Outward</source>
        <translation>Anéis para fora</translation>
    </message>
    <message>
        <source>Rings Inward</source>
        <translation>Anéis para dentro</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Copies of the current frame:</source>
        <translation>Cópias do quadro atual:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Times to repeat the selected frames:</source>
        <translation>Vezes para repetir os quadros selecionados:</translation>
    </message>
    <message>
        <source>nowhere: the document has no Program</source>
        <translation>em lugar nenhum: o documento não tem Programa</translation>
    </message>
    <message>
        <source>at the start of %1</source>
        <translation>no início de %1</translation>
    </message>
    <message>
        <source>at the end, after frame #%1</source>
        <translation>no fim, após o quadro nº %1</translation>
    </message>
    <message>
        <source>after frame #%1</source>
        <translation>após o quadro nº %1</translation>
    </message>
    <message>
        <source>Generate %1</source>
        <translation>Gerar %1</translation>
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
        <translation>Selecione os quadros de LED a copiar.</translation>
    </message>
    <message>
        <source>Copied %1 LED frames.</source>
        <translation>%1 quadros de LED copiados.</translation>
    </message>
    <message>
        <source>Cut %1 Frames</source>
        <translation>Recortar %1 quadros</translation>
    </message>
    <message>
        <source>The clipboard holds no LED frames.</source>
        <translation>A área de transferência não contém quadros de LED.</translation>
    </message>
    <message>
        <source>Paste %1 Frames</source>
        <translation>Colar %1 quadros</translation>
    </message>
    <message>
        <source>Pasted %1 LED frames.</source>
        <translation>%1 quadros de LED colados.</translation>
    </message>
    <message>
        <source>Import sequence</source>
        <translation>Importar sequência</translation>
    </message>
    <message>
        <source>No LED frames found in %1.</source>
        <translation>Nenhum quadro de LED encontrado em %1.</translation>
    </message>
    <message>
        <source>Imported %1 LED frames from %2.</source>
        <translation>%1 quadros de LED importados de %2.</translation>
    </message>
    <message>
        <source>Export sequence</source>
        <translation>Exportar sequência</translation>
    </message>
    <message>
        <source>Exported %1 LED frames to %2.</source>
        <translation>%1 quadros de LED exportados para %2.</translation>
    </message>
</context>
<context>
    <name>FunctionWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate frames</source>
        <translation>Gerar quadros</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Predefinição:</translation>
    </message>
    <message>
        <source>Choose one to fill the page with its parameters</source>
        <translation>Escolha uma para preencher a página com seus parâmetros</translation>
    </message>
    <message>
        <source>Save preset...</source>
        <translation>Salvar predefinição...</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>Excluir predefinição</translation>
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
        <translation>Perseguição</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulação</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Piscar</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Dissolver</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Cintilar</translation>
    </message>
    <message>
        <source>Rings:</source>
        <translation>Anéis:</translation>
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
        <translation>Posições por quadro:</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sentido horário</translation>
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
        <translation>Desacelerando</translation>
    </message>
    <message>
        <source>Speeding up, then slowing down</source>
        <translation>Acelerando, depois desacelerando</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Comprimento:</translation>
    </message>
    <message>
        <source>Heads:</source>
        <translation>Cabeças:</translation>
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
        <translation>Quadros:</translation>
    </message>
    <message>
        <source>Start position:</source>
        <translation>Posição inicial:</translation>
    </message>
    <message>
        <source>LEDs per frame:</source>
        <translation>LEDs por quadro:</translation>
    </message>
    <message>
        <source>Then empty</source>
        <translation>Depois vazio</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direção:</translation>
    </message>
    <message>
        <source>Outward</source>
        <translation>Para fora</translation>
    </message>
    <message>
        <source>Inward</source>
        <translation>Para dentro</translation>
    </message>
    <message>
        <source>Width in rings:</source>
        <translation>Largura em anéis:</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Ricochetear</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Vezes:</translation>
    </message>
    <message>
        <source>Invert instead of dark</source>
        <translation>Inverter em vez de apagar</translation>
    </message>
    <message>
        <source>To frame:</source>
        <translation>Até o quadro:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semente:</translation>
    </message>
    <message>
        <source>Density:</source>
        <translation>Densidade:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Density at the end:</source>
        <translation>Densidade no fim:</translation>
    </message>
    <message>
        <source>As at the start</source>
        <translation>Igual ao início</translation>
    </message>
    <message>
        <source>Where the frames go</source>
        <translation>Onde os quadros vão</translation>
    </message>
    <message>
        <source>Combine:</source>
        <translation>Combinar:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Add (light where either is lit)</source>
        <translation>Somar (acende onde um dos dois está aceso)</translation>
    </message>
    <message>
        <source>Remove (darken where the effect is lit)</source>
        <translation>Remover (apaga onde o efeito está aceso)</translation>
    </message>
    <message>
        <source>Toggle (flip where the effect is lit)</source>
        <translation>Alternar (inverte onde o efeito está aceso)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>Salvar predefinição</translation>
    </message>
    <message>
        <source>Name of the %1 preset:</source>
        <translation>Nome da predefinição de %1:</translation>
    </message>
    <message>
        <source>%1 is a shipped preset and stays as it is; choose another name.</source>
        <translation>%1 é uma predefinição de fábrica e não muda; escolha outro nome.</translation>
    </message>
    <message>
        <source>A preset named %1 exists. Replace it?</source>
        <translation>Já existe uma predefinição chamada %1. Substituí-la?</translation>
    </message>
    <message>
        <source>Insert after #%1</source>
        <translation>Inserir após nº %1</translation>
    </message>
    <message>
        <source>Insert after the shown frame</source>
        <translation>Inserir após o quadro mostrado</translation>
    </message>
    <message>
        <source>Over the frames from #%1</source>
        <translation>Sobre os quadros a partir do nº %1</translation>
    </message>
    <message>
        <source>Over the shown frame</source>
        <translation>Sobre o quadro mostrado</translation>
    </message>
    <message>
        <source>At the end of the %1</source>
        <translation>No fim de %1</translation>
    </message>
    <message>
        <source>Keep the other rings of #%1</source>
        <translation>Manter os outros anéis do nº %1</translation>
    </message>
    <message>
        <source>Keep the other rings</source>
        <translation>Manter os outros anéis</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2, and %3 more at the end.</source>
        <translation>Os quadros vão sobre os quadros nº %1 a nº %2, e mais %3 no fim.</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2.</source>
        <translation>Os quadros vão sobre os quadros nº %1 a nº %2.</translation>
    </message>
    <message>
        <source>The frames go at the end, after frame #%1.</source>
        <translation>Os quadros vão no fim, após o quadro nº %1.</translation>
    </message>
    <message>
        <source>The frames go at the end.</source>
        <translation>Os quadros vão no fim.</translation>
    </message>
    <message>
        <source>The frames go after frame #%1.</source>
        <translation>Os quadros vão após o quadro nº %1.</translation>
    </message>
    <message>
        <source>With %1 more the document takes %2 of %3 bytes.</source>
        <translation>Com mais %1, o documento ocupa %2 de %3 bytes.</translation>
    </message>
    <message>
        <source>%1 bytes more than the panel&apos;s program memory: the program cannot be written until it is smaller.</source>
        <translation>%1 bytes a mais que a memória de programa do painel: o programa não pode ser gravado até ficar menor.</translation>
    </message>
    <message>
        <source>No frames</source>
        <translation>Nenhum quadro</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Quadro %1 de %2</translation>
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
        <translation>Anel de progresso</translation>
    </message>
    <message>
        <source>Pulse out</source>
        <translation>Pulso para fora</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>Batimento cardíaco</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>Campo estelar</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guia do usuário</translation>
    </message>
    <message>
        <source>How to draw frames, play them and write them to a panel</source>
        <translation>Como desenhar quadros, reproduzi-los e gravá-los em um painel</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>List the keys of every command</source>
        <translation>Lista as teclas de cada comando</translation>
    </message>
    <message>
        <source>Board legend</source>
        <translation>Legenda da placa</translation>
    </message>
    <message>
        <source>What the marks and colours on the board mean</source>
        <translation>O que as marcas e cores da placa significam</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User guide</source>
        <translation>Guia do usuário</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>The file has no end mark &apos;q&apos;; check that it is complete.</source>
        <translation>O arquivo não tem a marca final &apos;q&apos;; verifique se está completo.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
</context>
<context>
    <name>ImportAnimationDialog</name>
    <message>
        <source>Import animation</source>
        <translation>Importar animação</translation>
    </message>
    <message>
        <source>Lit from brightness:</source>
        <translation>Aceso a partir do brilho:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Invert (dark parts lit)</source>
        <translation>Inverter (partes escuras acesas)</translation>
    </message>
    <message>
        <source>Board seen from:</source>
        <translation>Placa vista de:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Cima</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>First frame:</source>
        <translation>Primeiro quadro:</translation>
    </message>
    <message>
        <source>Number of frames:</source>
        <translation>Número de quadros:</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>A imagem</translation>
    </message>
    <message>
        <source>The LED frame it gives</source>
        <translation>O quadro de LED resultante</translation>
    </message>
    <message>
        <source>At the end of the Program</source>
        <translation>No fim do Programa</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Quadro %1 de %2</translation>
    </message>
    <message>
        <source>No preview of this frame</source>
        <translation>Sem prévia deste quadro</translation>
    </message>
    <message>
        <source>The frames go %1.</source>
        <translation>Os quadros vão %1.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>Importar animação</translation>
    </message>
    <message>
        <source>The document takes no more frames.</source>
        <translation>O documento não aceita mais quadros.</translation>
    </message>
</context>
<context>
    <name>IntelHexReader</name>
    <message>
        <source>more than 16 MiB of text</source>
        <translation>mais de 16 MiB de texto</translation>
    </message>
    <message>
        <source>record after the end-of-file record</source>
        <translation>registro após o registro de fim de arquivo</translation>
    </message>
    <message>
        <source>no end-of-file record</source>
        <translation>sem registro de fim de arquivo</translation>
    </message>
    <message>
        <source>record does not start with &apos;:&apos;</source>
        <translation>registro não começa com &apos;:&apos;</translation>
    </message>
    <message>
        <source>record is too short or has an odd number of digits</source>
        <translation>registro curto demais ou com número ímpar de dígitos</translation>
    </message>
    <message>
        <source>record is longer than 255 data bytes allow</source>
        <translation>registro mais longo do que 255 bytes de dados permitem</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hexadecimal digit</source>
        <translation>&apos;%1&apos; não é um dígito hexadecimal</translation>
    </message>
    <message>
        <source>length %1 does not match the record</source>
        <translation>o comprimento %1 não corresponde ao registro</translation>
    </message>
    <message>
        <source>checksum %1 should be %2</source>
        <translation>a soma de verificação %1 deveria ser %2</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>o endereço %1 está além do espaço de endereços de 24 bits</translation>
    </message>
    <message>
        <source>end-of-file record carries data</source>
        <translation>o registro de fim de arquivo contém dados</translation>
    </message>
    <message>
        <source>address record must carry two bytes</source>
        <translation>o registro de endereço deve conter dois bytes</translation>
    </message>
    <message>
        <source>start address record must carry four bytes</source>
        <translation>o registro de endereço inicial deve conter quatro bytes</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>tipo de registro desconhecido %1</translation>
    </message>
</context>
<context>
    <name>ItemSummary</name>
    <message>
        <source>The program is what the panel runs, command by command, when it starts and after a Reset.</source>
        <translation>O programa é o que o painel executa, comando a comando, ao iniciar e após um Reinício.</translation>
    </message>
    <message>
        <source>A function holds commands that Calls run, ending with a Return; its commands take %1.</source>
        <translation>Uma função contém comandos que as Chamadas executam, terminando com um Retorno; seus comandos ocupam %1.</translation>
    </message>
    <message>
        <source>A Call runs the commands of a function and comes back, though its target is not filled in yet, so the panel passes over it; it takes %1.</source>
        <translation>Uma Chamada executa os comandos de uma função e volta, mas seu destino ainda não foi preenchido, então o painel a ignora; ela ocupa %1.</translation>
    </message>
    <message>
        <source>A Return ends a function: the panel goes back to the command after the Call; it takes %1.</source>
        <translation>Um Retorno encerra uma função: o painel volta ao comando após a Chamada; ele ocupa %1.</translation>
    </message>
    <message>
        <source>A Reset starts the panel&apos;s program again from its first command; it takes %1.</source>
        <translation>Um Reinício executa o programa do painel de novo desde o primeiro comando; ele ocupa %1.</translation>
    </message>
    <message>
        <source>A Stop makes the panel hold its last frame until it is told to go on; it takes %1.</source>
        <translation>Uma Parada faz o painel manter o último quadro até receber ordem de continuar; ela ocupa %1.</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>Documentos de painel (*.xml);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 foi modificado.
Deseja salvar as alterações?</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Quadro</translation>
    </message>
</context>
<context>
    <name>LanesDock</name>
    <message>
        <source>Ring lanes</source>
        <translation>Faixas dos anéis</translation>
    </message>
    <message>
        <source>Show or hide every frame of the current list, ring by ring</source>
        <translation>Mostra ou oculta todos os quadros da lista atual, anel por anel</translation>
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
        <translation>O idioma muda na próxima inicialização.</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Vale a partir da próxima inicialização</translation>
    </message>
</context>
<context>
    <name>LedPanelTableView</name>
    <message>
        <source>Cut cannot used this kind of multiple selection.</source>
        <translation>Recortar não funciona com este tipo de seleção múltipla.</translation>
    </message>
    <message>
        <source>Copy cannot used this kind of multiple selection.</source>
        <translation>Copiar não funciona com este tipo de seleção múltipla.</translation>
    </message>
    <message>
        <source>Paste cannot used this kind of multiple selection.</source>
        <translation>Colar não funciona com este tipo de seleção múltipla.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>LedPanelView</name>
    <message>
        <source>LED board</source>
        <translation>Placa de LEDs</translation>
    </message>
    <message>
        <source>Arrow keys move along and between the rings, Space switches the LED, Shift with an arrow paints</source>
        <translation>As setas movem ao longo dos anéis e entre eles, Espaço liga/desliga o LED, Shift com uma seta pinta</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>New %1 document</source>
        <translation>Novo documento %1</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abre um documento existente</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save the document</source>
        <translation>Salva o documento</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Save the document under a new name</source>
        <translation>Salva o documento com um novo nome</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the document</source>
        <translation>Fecha o documento</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Copy to clipboard and delete</source>
        <translation>Copia para a área de transferência e exclui</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copia para a área de transferência</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>Cola da área de transferência</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Play the program in the editor as the panel would</source>
        <translation>Reproduz o programa no editor como o painel faria</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Show the next frame</source>
        <translation>Mostra o próximo quadro</translation>
    </message>
    <message>
        <source>Stop playback</source>
        <translation>Parar reprodução</translation>
    </message>
    <message>
        <source>Stop and go back to the start</source>
        <translation>Para e volta ao início</translation>
    </message>
    <message>
        <source>100 fps, the panel&apos;s Animate pace</source>
        <translation>100 fps, o ritmo do Animar do painel</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>Importar animação...</translation>
    </message>
    <message>
        <source>Add the frames of an animated GIF or of pictures after the current frame</source>
        <translation>Adiciona os quadros de um GIF animado ou de imagens após o quadro atual</translation>
    </message>
    <message>
        <source>Export animation...</source>
        <translation>Exportar animação...</translation>
    </message>
    <message>
        <source>Save the program as an animated GIF</source>
        <translation>Salva o programa como GIF animado</translation>
    </message>
    <message>
        <source>Export frame as PNG...</source>
        <translation>Exportar quadro como PNG...</translation>
    </message>
    <message>
        <source>Save the frame shown as a PNG picture</source>
        <translation>Salva o quadro mostrado como imagem PNG</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Controle</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Painel</translation>
    </message>
    <message>
        <source>Playback in the editor</source>
        <translation>Reprodução no editor</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Velocidade de reprodução</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Insert an empty frame after the current one; with Shift, a copy of it</source>
        <translation>Insere um quadro vazio após o atual; com Shift, uma cópia dele</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Reprodução</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>Desfaz a última edição</translation>
    </message>
    <message>
        <source>Redo the last undone edit</source>
        <translation>Refaz a última edição desfeita</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Simetria</translation>
    </message>
    <message>
        <source>Symmetry:</source>
        <translation>Simetria:</translation>
    </message>
    <message>
        <source>Set every LED a click sets, turned by 360 / order degrees</source>
        <translation>Define cada LED que um clique define, girado 360 / ordem graus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligada</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Also set the mirror images across the vertical axis</source>
        <translation>Define também as imagens espelhadas no eixo vertical</translation>
    </message>
    <message>
        <source>F&amp;rame</source>
        <translation>&amp;Quadro</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Janela principal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%v of %m blocks</source>
        <translation>%v de %m blocos</translation>
    </message>
    <message>
        <source>The settings cannot be saved: %1 is not writable.</source>
        <translation>As configurações não podem ser salvas: %1 não permite gravação.</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 não existe mais; foi removido dos arquivos recentes.</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>Editor de painéis de LED segmentados</translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation> (recuperado)</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1</source>
        <translation>Editor de painéis de LED segmentados  -  %1</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1  (%2)</source>
        <translation>Editor de painéis de LED segmentados  -  %1  (%2)</translation>
    </message>
    <message>
        <source>The production station %1 cannot be started.</source>
        <translation>A estação de produção %1 não pode ser iniciada.</translation>
    </message>
</context>
<context>
    <name>MarkupScanner</name>
    <message>
        <source>The file nests its elements deeper than any document does.</source>
        <translation>O arquivo aninha seus elementos mais fundo do que qualquer documento.</translation>
    </message>
    <message>
        <source>The file holds a text of more than %1 KiB, more than any document holds.</source>
        <translation>O arquivo contém um texto de mais de %1 KiB, mais do que qualquer documento contém.</translation>
    </message>
    <message>
        <source>The file holds an LED state of more than %1 characters.</source>
        <translation>O arquivo contém um estado de LED de mais de %1 caracteres.</translation>
    </message>
    <message>
        <source>The file holds an element with more attributes than any document has.</source>
        <translation>O arquivo contém um elemento com mais atributos do que qualquer documento tem.</translation>
    </message>
</context>
<context>
    <name>MemoryGauge</name>
    <message>
        <source>No document</source>
        <translation>Nenhum documento</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 de %2 bytes</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, %2 more than the panel&apos;s %3 bytes of program memory; it cannot be written.</source>
        <translation>O programa ocupa %1 bytes, %2 a mais que os %3 bytes de memória de programa do painel; ele não pode ser gravado.</translation>
    </message>
    <message>
        <source>Program memory of the panel in use</source>
        <translation>Memória de programa do painel em uso</translation>
    </message>
</context>
<context>
    <name>MspFlasher</name>
    <message>
        <source>Incorrect header</source>
        <translation>Cabeçalho incorreto</translation>
    </message>
    <message>
        <source>Packet checksum error</source>
        <translation>Erro na soma de verificação do pacote</translation>
    </message>
    <message>
        <source>Packet size is zero</source>
        <translation>O tamanho do pacote é zero</translation>
    </message>
    <message>
        <source>Packet size is invalid</source>
        <translation>O tamanho do pacote é inválido</translation>
    </message>
    <message>
        <source>Error in protocol</source>
        <translation>Erro no protocolo</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Tempo esgotado</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>Error: (%1) </source>
        <translation>Erro: (%1) </translation>
    </message>
    <message>
        <source>Error: (%1) Invalid version</source>
        <translation>Erro: (%1) Versão inválida</translation>
    </message>
    <message>
        <source>unplugged during write (%1 %)</source>
        <translation>desconectado durante a gravação (%1 %)</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is the input file; choose another name for the output.</source>
        <translation>%1 é o arquivo de entrada; escolha outro nome para a saída.</translation>
    </message>
    <message>
        <source>An output is written whole, from its start.</source>
        <translation>Uma saída é gravada inteira, desde o início.</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>Não foi possível gravar o arquivo</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>O arquivo não está aberto</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Não é possível gravar %1: %2.</translation>
    </message>
</context>
<context>
    <name>PanelDocument</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 is larger than any document (%2 MiB).</source>
        <translation>%1 é maior que qualquer documento (%2 MiB).</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Nenhum nome de arquivo foi indicado.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Não é possível ler o arquivo %1:
%2.</translation>
    </message>
    <message>
        <source>Error occur while reading xml data of %1.</source>
        <translation>Ocorreu um erro ao ler os dados XML de %1.</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2.</source>
        <translation>Não é possível abrir o arquivo %1 para gravação: %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Não é possível gravar o arquivo %1:
%2.</translation>
    </message>
</context>
<context>
    <name>PanelLink</name>
    <message>
        <source>No panel port is set: choose one in Tools &gt; Serial port setup.</source>
        <translation>Nenhuma porta de painel definida: escolha uma em Ferramentas &gt; Configurar porta serial.</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1!</source>
        <translation>Não é possível conectar à porta serial %1!</translation>
    </message>
    <message>
        <source>No document is open: Reset goes to the program the panel holds.</source>
        <translation>Nenhum documento aberto: Reiniciar vai para o programa que o painel contém.</translation>
    </message>
    <message>
        <source>No document is open: Next goes to the program the panel holds.</source>
        <translation>Nenhum documento aberto: Próximo vai para o programa que o painel contém.</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to compile and write.</source>
        <translation>Nenhum documento aberto: não há nada para compilar e gravar.</translation>
    </message>
    <message>
        <source>Program compiling...</source>
        <translation>Compilando o programa...</translation>
    </message>
    <message>
        <source>Memory use %1% (%2 of %3).</source>
        <translation>Uso de memória %1% (%2 de %3).</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, more than the %2 bytes of the panel&apos;s program memory.
Nothing was written to the panel.</source>
        <translation>O programa ocupa %1 bytes, mais que os %2 bytes da memória de programa do painel.
Nada foi gravado no painel.</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1 (%2)!</source>
        <translation>Não é possível conectar à porta serial %1 (%2)!</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programando...</translation>
    </message>
    <message>
        <source>Writing canceled: the panel holds an incomplete program.</source>
        <translation>Gravação cancelada: o painel contém um programa incompleto.</translation>
    </message>
    <message>
        <source>Writing to serial port %1 failed (%2). The program on the panel is incomplete.</source>
        <translation>A gravação na porta serial %1 falhou (%2). O programa no painel está incompleto.</translation>
    </message>
    <message>
        <source>Firmware update - %1</source>
        <translation>Atualização de firmware - %1</translation>
    </message>
    <message numerus="yes">
        <source>Programming finished on %1 (%n block(s)).</source>
        <translation>
            <numerusform>Programação concluída em %1 (%n bloco).</numerusform>
            <numerusform>Programação concluída em %1 (%n blocos).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureReading</name>
    <message>
        <source>Reading pictures…</source>
        <translation>Lendo imagens…</translation>
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
        <translation>Nenhum documento aberto: não há nada para reproduzir.</translation>
    </message>
    <message>
        <source>Playing at %1 frames per second</source>
        <translation>Reproduzindo a %1 quadros por segundo</translation>
    </message>
    <message>
        <source>Playback stopped.</source>
        <translation>Reprodução parada.</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after 1 frame.</source>
        <translation>A reprodução chegou ao fim do programa após 1 quadro.</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after %1 frames.</source>
        <translation>A reprodução chegou ao fim do programa após %1 quadros.</translation>
    </message>
    <message>
        <source>the program reached a Stop</source>
        <translation>o programa chegou a uma Parada</translation>
    </message>
    <message>
        <source>a Return without a Call</source>
        <translation>um Retorno sem Chamada</translation>
    </message>
    <message>
        <source>the program ran past the end of the panel&apos;s memory</source>
        <translation>o programa passou do fim da memória do painel</translation>
    </message>
    <message>
        <source>the program loops without showing a frame</source>
        <translation>o programa entra em laço sem mostrar um quadro</translation>
    </message>
    <message>
        <source>calls nested too deep</source>
        <translation>chamadas aninhadas fundo demais</translation>
    </message>
    <message>
        <source>an unknown command</source>
        <translation>um comando desconhecido</translation>
    </message>
    <message>
        <source>Playback held after %1 frames: %2 (%3).</source>
        <translation>A reprodução parou após %1 quadros: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>PortFleet</name>
    <message>
        <source>empty port name</source>
        <translation>nome de porta vazio</translation>
    </message>
    <message>
        <source>port %1 named twice</source>
        <translation>porta %1 indicada duas vezes</translation>
    </message>
    <message>
        <source>ports %1 and %2 are the same device</source>
        <translation>as portas %1 e %2 são o mesmo dispositivo</translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s): %1 passed, %2 failed</source>
        <translation>
            <numerusform>%n unidade: %1 aprovada, %2 reprovada</numerusform>
            <numerusform>%n unidades: %1 aprovadas, %2 reprovadas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortUnit</name>
    <message>
        <source>the flashing process stopped unexpectedly</source>
        <translation>o processo de gravação parou inesperadamente</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>status de saída %1</translation>
    </message>
</context>
<context>
    <name>PortWatch</name>
    <message>
        <source>%1: skipped, the same device as %2</source>
        <translation>%1: ignorada, é o mesmo dispositivo que %2</translation>
    </message>
</context>
<context>
    <name>ProgramWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>Quadros:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Duração:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
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
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Cima</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Adjacent</source>
        <translation>Adjacentes</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
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
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animar</translation>
    </message>
    <message>
        <source>Serial port setup...</source>
        <translation>Configurar porta serial...</translation>
    </message>
    <message>
        <source>Compile and Write...</source>
        <translation>Compilar e gravar...</translation>
    </message>
    <message>
        <source>Update firmware...</source>
        <translation>Atualizar firmware...</translation>
    </message>
    <message>
        <source>Production station...</source>
        <translation>Estação de produção...</translation>
    </message>
    <message>
        <source>Animate panel</source>
        <translation>Animar painel</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Adicionar %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Remove %1 Items</source>
        <translation>Remover %1 itens</translation>
    </message>
    <message>
        <source>Invalid XML root element or version.</source>
        <translation>Elemento raiz ou versão XML inválidos.</translation>
    </message>
    <message>
        <source>The file holds more than %1 frames; a document takes at most %1.</source>
        <translation>O arquivo contém mais de %1 quadros; um documento aceita no máximo %1.</translation>
    </message>
    <message>
        <source>The file holds more commands than a document can take.</source>
        <translation>O arquivo contém mais comandos do que um documento aceita.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Recent Files</source>
        <translation>Arquivos recentes</translation>
    </message>
    <message>
        <source>Clear recent files</source>
        <translation>Limpar arquivos recentes</translation>
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
        <translation>a receita %1 não existe</translation>
    </message>
    <message>
        <source>%1 is not a recipe: a recipe is a small text file</source>
        <translation>%1 não é uma receita: uma receita é um pequeno arquivo de texto</translation>
    </message>
    <message>
        <source>recipe %1 is not a readable INI file</source>
        <translation>a receita %1 não é um arquivo INI legível</translation>
    </message>
    <message>
        <source>recipe %1 has a bad %2</source>
        <translation>a receita %1 tem um valor %2 inválido</translation>
    </message>
    <message>
        <source>cannot write recipe %1</source>
        <translation>não é possível gravar a receita %1</translation>
    </message>
</context>
<context>
    <name>RecipeCheck</name>
    <message>
        <source>unknown model %1 (known: %2, %3)</source>
        <translation>modelo desconhecido %1 (conhecidos: %2, %3)</translation>
    </message>
    <message>
        <source>unknown controller %1 (known: %2)</source>
        <translation>controlador desconhecido %1 (conhecido: %2)</translation>
    </message>
    <message>
        <source>no port to watch: the recipe names no Watch glob</source>
        <translation>nenhuma porta a observar: a receita não indica nenhum padrão Watch</translation>
    </message>
    <message>
        <source>program %1 changed: the recipe expects CRC %2, the file has %3</source>
        <translation>o programa %1 mudou: a receita espera CRC %2, o arquivo tem %3</translation>
    </message>
    <message>
        <source>log %1 is the recipe&apos;s own file %2: name a log file of its own</source>
        <translation>o log %1 é o próprio arquivo da receita %2: indique um arquivo de log próprio</translation>
    </message>
    <message>
        <source>log %1 cannot be appended to: %2</source>
        <translation>não é possível acrescentar ao log %1: %2</translation>
    </message>
    <message>
        <source>log %1 has the columns of an older version: name a new log file in the recipe</source>
        <translation>o log %1 tem as colunas de uma versão antiga: indique um novo arquivo de log na receita</translation>
    </message>
    <message>
        <source>firmware %1 changed: the recipe expects digest %2, the file has %3</source>
        <translation>o firmware %1 mudou: a receita espera o resumo %2, o arquivo tem %3</translation>
    </message>
    <message>
        <source>firmware %1 is missing</source>
        <translation>o firmware %1 não existe</translation>
    </message>
    <message>
        <source>firmware %1 is unreadable: %2</source>
        <translation>o firmware %1 não pode ser lido: %2</translation>
    </message>
    <message>
        <source>firmware %1 is not a firmware image: %2</source>
        <translation>o firmware %1 não é uma imagem de firmware: %2</translation>
    </message>
    <message>
        <source>firmware %1 does not fit %2: it writes %3, outside %4</source>
        <translation>o firmware %1 não serve para %2: ele grava %3, fora de %4</translation>
    </message>
    <message>
        <source>firmware %1 writes the interrupt vectors, which the recipe does not allow</source>
        <translation>o firmware %1 grava os vetores de interrupção, o que a receita não permite</translation>
    </message>
    <message>
        <source>program %1 is missing</source>
        <translation>o programa %1 não existe</translation>
    </message>
    <message>
        <source>program %1 is not a panel document</source>
        <translation>o programa %1 não é um documento de painel</translation>
    </message>
    <message>
        <source>program %1 is for %2, not %3</source>
        <translation>o programa %1 é para %2, não para %3</translation>
    </message>
    <message>
        <source>program %1 is unreadable: %2</source>
        <translation>o programa %1 não pode ser lido: %2</translation>
    </message>
</context>
<context>
    <name>RecipeDialog</name>
    <message>
        <source>Recipe</source>
        <translation>Receita</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modelo:</translation>
    </message>
    <message>
        <source>&amp;Station name:</source>
        <translation>&amp;Nome da estação:</translation>
    </message>
    <message>
        <source>The host name when empty</source>
        <translation>O nome do host quando vazio</translation>
    </message>
    <message>
        <source>&amp;Firmware:</source>
        <translation>&amp;Firmware:</translation>
    </message>
    <message>
        <source>The firmware image written first (Intel HEX or TI-TXT)</source>
        <translation>A imagem de firmware gravada primeiro (Intel HEX ou TI-TXT)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>The firmware may write the &amp;interrupt vectors</source>
        <translation>O firmware pode gravar os &amp;vetores de interrupção</translation>
    </message>
    <message>
        <source>Light &amp;program:</source>
        <translation>&amp;Programa de luz:</translation>
    </message>
    <message>
        <source>The panel document whose program is written last</source>
        <translation>O documento de painel cujo programa é gravado por último</translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation>Taxa de &amp;baud:</translation>
    </message>
    <message>
        <source>Ports to &amp;watch:</source>
        <translation>Portas a &amp;observar:</translation>
    </message>
    <message>
        <source>One pattern per line, /dev/ttyUSB*</source>
        <translation>Um padrão por linha, /dev/ttyUSB*</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>Arquivo de &amp;log:</translation>
    </message>
    <message>
        <source>The CSV file each unit is appended to; the shift totals go beside it</source>
        <translation>O arquivo CSV ao qual cada unidade é acrescentada; os totais do turno ficam ao lado dele</translation>
    </message>
    <message>
        <source>Show a &amp;test pattern and ask the operator whether every LED is lit</source>
        <translation>Mostrar um padrão de &amp;teste e perguntar ao operador se todos os LEDs acendem</translation>
    </message>
    <message>
        <source>Ask for each unit&apos;s &amp;serial number before it starts</source>
        <translation>Pedir o número de &amp;série de cada unidade antes de começar</translation>
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
        <translation>Imagens de firmware (*.hex *.ihex *.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Light program</source>
        <translation>Programa de luz</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>Documentos de painel (*.xml);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Unit log</source>
        <translation>Log de unidades</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>New recipe</source>
        <translation>Nova receita</translation>
    </message>
    <message>
        <source>Recipe %1</source>
        <translation>Receita %1</translation>
    </message>
    <message>
        <source>This recipe cannot start a station: %1.</source>
        <translation>Esta receita não pode iniciar uma estação: %1.</translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation>Salvar receita</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>Receitas de estação (*.ini);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>ResetWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>ReturnWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>RingLanesView</name>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Fit the lanes into the width of the view</source>
        <translation>Ajusta as faixas à largura da visualização</translation>
    </message>
    <message>
        <source>Drag to draw; Shift+drag draws a line (Alt: the long way round); Ctrl+drag selects; Ctrl+wheel zooms; click a frame number to make it current</source>
        <translation>Arraste para desenhar; Shift+arrastar desenha uma linha (Alt: pelo caminho mais longo); Ctrl+arrastar seleciona; Ctrl+roda dá zoom; clique no número de um quadro para torná-lo atual</translation>
    </message>
    <message>
        <source>Ring lanes</source>
        <translation>Faixas dos anéis</translation>
    </message>
    <message>
        <source>Drag draws a line of one LED per frame (Alt: the long way round)</source>
        <translation>Arrastar desenha uma linha de um LED por quadro (Alt: pelo caminho mais longo)</translation>
    </message>
    <message>
        <source>Drag selects a block to copy, clear or move with Alt+arrows</source>
        <translation>Arrastar seleciona um bloco para copiar, limpar ou mover com Alt+setas</translation>
    </message>
    <message>
        <source>Draw on the lanes</source>
        <translation>Desenhar nas faixas</translation>
    </message>
    <message>
        <source>Draw a line</source>
        <translation>Desenhar uma linha</translation>
    </message>
    <message>
        <source>Cut on the lanes</source>
        <translation>Recortar nas faixas</translation>
    </message>
    <message>
        <source>Clear on the lanes</source>
        <translation>Limpar nas faixas</translation>
    </message>
    <message>
        <source>Paste on the lanes</source>
        <translation>Colar nas faixas</translation>
    </message>
    <message>
        <source>Move on the lanes</source>
        <translation>Mover nas faixas</translation>
    </message>
    <message>
        <source>on</source>
        <translation>aceso</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>%1, frame %2, %3</source>
        <translation>%1, quadro %2, %3</translation>
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
        <translation>Imagem de firmware:</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>Procurar ...</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Porta serial:</translation>
    </message>
    <message>
        <source>Select ...</source>
        <translation>Selecionar ...</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Progresso:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Gravar</translation>
    </message>
</context>
<context>
    <name>RomwrightPrivate</name>
    <message>
        <source>Flashing...</source>
        <translation>Gravando...</translation>
    </message>
    <message>
        <source>Romwright</source>
        <translation>Romwright</translation>
    </message>
    <message>
        <source>Flashing is in progress. Stop it and leave the device without a valid application?</source>
        <translation>A gravação está em andamento. Interrompê-la e deixar o dispositivo sem um aplicativo válido?</translation>
    </message>
    <message>
        <source>Select port!</source>
        <translation>Selecione a porta!</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>Selecionar arquivo</translation>
    </message>
    <message>
        <source>MSP430 app (*.txt);;Intel HEX (*.hex *.ihex);;All files (*)</source>
        <translation>Aplicativo MSP430 (*.txt);;Intel HEX (*.hex *.ihex);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Unknown MPU!</source>
        <translation>MPU desconhecida!</translation>
    </message>
    <message>
        <source>Flashing succeeded</source>
        <translation>Gravação bem-sucedida</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>SequenceFile</name>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 não é um arquivo de sequência.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 LED frames.</source>
        <translation>%1 contém mais de %2 quadros de LED.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Não é possível ler o arquivo %1:
%2.</translation>
    </message>
    <message>
        <source>%1 cannot be imported. The file holds no frames.</source>
        <translation>%1 não pode ser importado. O arquivo não contém quadros.</translation>
    </message>
    <message>
        <source>LED panel Sequence (*.csv);;All files (*)</source>
        <translation>Sequência de painel de LED (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Não é possível gravar o arquivo %1:
%2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>Importar sequência</translation>
    </message>
</context>
<context>
    <name>SerialPortDialog</name>
    <message>
        <source>Serial port</source>
        <translation>Porta serial</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Pick a port or type any device path, such as a stable /dev/serial/by-id/ name.</source>
        <translation>Escolha uma porta ou digite qualquer caminho de dispositivo, como um nome estável em /dev/serial/by-id/.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Taxa de baud:</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>Bits de dados:</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Paridade:</translation>
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
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ímpar</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>serial %1</translation>
    </message>
</context>
<context>
    <name>ShiftTotals</name>
    <message>
        <source>%1: %2 passed, %3 failed, yield %4 %, %5 units/h</source>
        <translation>%1: %2 aprovadas, %3 reprovadas, rendimento %4 %, %5 unidades/h</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atalhos de teclado</translation>
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
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
    </message>
</context>
<context>
    <name>ShowLength</name>
    <message>
        <source>The Program&apos;s frames and how long they play at the playback speed</source>
        <translation>Os quadros do Programa e quanto tempo duram na velocidade de reprodução</translation>
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
        <translation>Receita</translation>
    </message>
    <message>
        <source>Firmware and program</source>
        <translation>Firmware e programa</translation>
    </message>
    <message>
        <source>Ports and log</source>
        <translation>Portas e log</translation>
    </message>
    <message>
        <source>Shift totals</source>
        <translation>Totais do turno</translation>
    </message>
    <message>
        <source>Recipe %1: %2</source>
        <translation>Receita %1: %2</translation>
    </message>
    <message>
        <source>Firmware %1 (sha256 %2)    Program %3 (CRC %4)</source>
        <translation>Firmware %1 (sha256 %2)    Programa %3 (CRC %4)</translation>
    </message>
    <message>
        <source>Ports %1    Log %2</source>
        <translation>Portas %1    Log %2</translation>
    </message>
</context>
<context>
    <name>StationRun</name>
    <message>
        <source>cannot copy %1 for the station</source>
        <translation>não é possível copiar %1 para a estação</translation>
    </message>
    <message>
        <source>firmware %1 cannot be read</source>
        <translation>o firmware %1 não pode ser lido</translation>
    </message>
    <message>
        <source>a serial number is required</source>
        <translation>é necessário um número de série</translation>
    </message>
    <message>
        <source>%1 has passed before: %2</source>
        <translation>%1 já foi aprovado antes: %2</translation>
    </message>
    <message>
        <source>%1 cannot be looked up in the log: %2</source>
        <translation>não é possível procurar %1 no log: %2</translation>
    </message>
    <message>
        <source>%1 is in use on %2</source>
        <translation>%1 está em uso em %2</translation>
    </message>
    <message>
        <source>no unit on %1</source>
        <translation>nenhuma unidade em %1</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>Estação de produção de painéis</translation>
    </message>
    <message>
        <source>Open the recipe this station makes its units by, or make a new one.</source>
        <translation>Abra a receita com a qual esta estação produz suas unidades, ou crie uma nova.</translation>
    </message>
    <message>
        <source>Open recipe...</source>
        <translation>Abrir receita...</translation>
    </message>
    <message>
        <source>New recipe...</source>
        <translation>Nova receita...</translation>
    </message>
    <message>
        <source>Recipe refused</source>
        <translation>Receita recusada</translation>
    </message>
    <message>
        <source>The recipe %1 cannot start the station.</source>
        <translation>A receita %1 não pode iniciar a estação.</translation>
    </message>
    <message>
        <source>Edit recipe...</source>
        <translation>Editar receita...</translation>
    </message>
    <message>
        <source>Open another...</source>
        <translation>Abrir outra...</translation>
    </message>
    <message>
        <source>Open recipe</source>
        <translation>Abrir receita</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>Receitas de estação (*.ini);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Your name, for the unit log:</source>
        <translation>Seu nome, para o log de unidades:</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Shift written to %1</source>
        <translation>Turno gravado em %1</translation>
    </message>
    <message>
        <source>Station not started</source>
        <translation>Estação não iniciada</translation>
    </message>
    <message>
        <source>No unit yet: plug a panel into a port the recipe watches.</source>
        <translation>Nenhuma unidade ainda: conecte um painel a uma porta que a receita observa.</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>Estação de produção de painéis</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>E&amp;stação</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Aprovar</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Reprovar</translation>
    </message>
    <message>
        <source>End shift...</source>
        <translation>Encerrar turno...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Número de série:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Scan or type, then Enter</source>
        <translation>Leia ou digite, depois Enter</translation>
    </message>
    <message>
        <source>%1 goes to the next unit</source>
        <translation>%1 vai para a próxima unidade</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No unit waits for a verdict.</source>
        <translation>Nenhuma unidade aguarda veredito.</translation>
    </message>
    <message>
        <source>%1 - Panel Production Station</source>
        <translation>%1 - Estação de produção de painéis</translation>
    </message>
    <message>
        <source>End shift</source>
        <translation>Encerrar turno</translation>
    </message>
    <message>
        <source>End the shift now? Its totals go to the shift file and the counts start again.

%1</source>
        <translation>Encerrar o turno agora? Os totais vão para o arquivo de turnos e as contagens recomeçam.

%1</translation>
    </message>
    <message>
        <source>Units are running</source>
        <translation>Há unidades em andamento</translation>
    </message>
    <message>
        <source>Still on the station: %1. Let them finish, cancel them, or keep the station running?</source>
        <translation>Ainda na estação: %1. Deixá-las terminar, cancelá-las ou manter a estação funcionando?</translation>
    </message>
    <message>
        <source>Let them finish</source>
        <translation>Deixar terminar</translation>
    </message>
    <message>
        <source>Cancel units</source>
        <translation>Cancelar unidades</translation>
    </message>
    <message>
        <source>Keep running</source>
        <translation>Manter funcionando</translation>
    </message>
    <message>
        <source>The station closes once the units have ended.</source>
        <translation>A estação fecha quando as unidades terminarem.</translation>
    </message>
</context>
<context>
    <name>StopWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>TestPattern</name>
    <message>
        <source>no test pattern for the unknown model %1</source>
        <translation>nenhum padrão de teste para o modelo desconhecido %1</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>Padrão de teste</translation>
    </message>
    <message>
        <source>the test pattern takes %1 bytes, more than the panel&apos;s %2</source>
        <translation>o padrão de teste ocupa %1 bytes, mais que os %2 do painel</translation>
    </message>
</context>
<context>
    <name>TiTxtReader</name>
    <message>
        <source>address %1 is not a hexadecimal number</source>
        <translation>o endereço %1 não é um número hexadecimal</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>o endereço %1 está além do espaço de endereços de 24 bits</translation>
    </message>
    <message>
        <source>%1 is not a hexadecimal number</source>
        <translation>%1 não é um número hexadecimal</translation>
    </message>
    <message>
        <source>value %1 is not a byte</source>
        <translation>o valor %1 não é um byte</translation>
    </message>
    <message>
        <source>data runs past the 24-bit address space</source>
        <translation>os dados passam do espaço de endereços de 24 bits</translation>
    </message>
</context>
<context>
    <name>UnitSequence</name>
    <message>
        <source>Not every LED lit in the test</source>
        <translation>Nem todos os LEDs acenderam no teste</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelada</translation>
    </message>
    <message>
        <source>Unplugged during %1</source>
        <translation>Desconectada durante %1</translation>
    </message>
    <message>
        <source>Unplugged during %1 (%2 %)</source>
        <translation>Desconectada durante %1 (%2 %)</translation>
    </message>
    <message>
        <source>No answer during %1</source>
        <translation>Sem resposta durante %1</translation>
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
        <translation>teste</translation>
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
        <translation>Porta</translation>
    </message>
    <message>
        <source>Time in this step</source>
        <translation>Tempo nesta etapa</translation>
    </message>
    <message>
        <source>Unit serial number</source>
        <translation>Número de série da unidade</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Etapa</translation>
    </message>
    <message>
        <source>Question to the operator</source>
        <translation>Pergunta ao operador</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Aprovar</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Reprovar</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Test: look at the panel</source>
        <translation>Teste: olhe o painel</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>Padrão de teste</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>APROVADA</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>REPROVADA</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>REPROVADA: %1</translation>
    </message>
    <message>
        <source>Serial %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Every LED lit? Pass&#xa0;(P) / Fail&#xa0;(F)</source>
        <translation>Todos os LEDs acesos? Aprovar&#xa0;(P) / Reprovar&#xa0;(F)</translation>
    </message>
    <message>
        <source>Scan or type the serial number</source>
        <translation>Leia ou digite o número de série</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Report pane</source>
        <translation>Painel de relatórios</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>Show or hide the pane of reports below the document</source>
        <translation>Mostra ou oculta o painel de relatórios abaixo do documento</translation>
    </message>
    <message>
        <source>Show the whole board</source>
        <translation>Mostra a placa inteira</translation>
    </message>
    <message>
        <source>Tool bars</source>
        <translation>Barras de ferramentas</translation>
    </message>
</context>
</TS>
