<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>セグメント LED パネル エディター</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Version 
</source>
        <translation>バージョン 
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
        <translation>開く</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 は変更されています。
変更を保存しますか?</translation>
    </message>
</context>
<context>
    <name>AbstractLedPanelScene</name>
    <message>
        <source>Paint</source>
        <translation>描画</translation>
    </message>
    <message>
        <source>Ring %1, position %2</source>
        <translation>リング %1、位置 %2</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>リング %1</translation>
    </message>
    <message>
        <source>%1, on</source>
        <translation>%1、点灯</translation>
    </message>
    <message>
        <source>%1, off</source>
        <translation>%1、消灯</translation>
    </message>
</context>
<context>
    <name>AnimationExport</name>
    <message>
        <source>The program shows no frame.</source>
        <translation>プログラムにフレームがありません。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>AnimationImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (%2).</source>
        <translation>%1 は途中で切れているか破損しています (%2)。</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; pictures up to %4 x %4 pixels can be imported.</source>
        <translation>%1 は %2 x %3 ピクセルです。インポートできる画像は %4 x %4 ピクセルまでです。</translation>
    </message>
    <message>
        <source>%1 holds more frames than can be imported (at most %2).</source>
        <translation>%1 にはインポートできる数より多くのフレームがあります (最大 %2)。</translation>
    </message>
    <message>
        <source>%1 holds too many pixels to import.</source>
        <translation>%1 はピクセル数が多すぎてインポートできません。</translation>
    </message>
    <message>
        <source>Not enough memory to read %1.</source>
        <translation>%1 を読み込むためのメモリが足りません。</translation>
    </message>
    <message>
        <source>%1 is a progressive JPEG of %2 scans; at most %3 are read.</source>
        <translation>%1 は %2 スキャンのプログレッシブ JPEG です。読み込むのは最大 %3 スキャンです。</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it has no pixels).</source>
        <translation>%1 は途中で切れているか破損しています (ピクセルがありません)。</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (a frame has no colours).</source>
        <translation>%1 は途中で切れているか破損しています (色のないフレームがあります)。</translation>
    </message>
    <message>
        <source>%1 holds no picture.</source>
        <translation>%1 には画像がありません。</translation>
    </message>
    <message>
        <source>Pictures (*.gif *.png *.jpg *.jpeg *.bmp);;All files (*)</source>
        <translation>画像 (*.gif *.png *.jpg *.jpeg *.bmp);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>No picture was given.</source>
        <translation>画像が指定されていません。</translation>
    </message>
    <message>
        <source>%1 is a link that leads nowhere.</source>
        <translation>%1 はリンク先のないリンクです。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 は画像ファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is too large to import.</source>
        <translation>%1 は大きすぎてインポートできません。</translation>
    </message>
    <message>
        <source>%1 is not a picture: GIF, PNG, JPEG and BMP pictures can be imported.</source>
        <translation>%1 は画像ではありません。インポートできるのは GIF、PNG、JPEG、BMP の画像です。</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it ends too early).</source>
        <translation>%1 は途中で切れているか破損しています (途中で終わっています)。</translation>
    </message>
</context>
<context>
    <name>BoardLegend</name>
    <message>
        <source>Board legend</source>
        <translation>ボードの凡例</translation>
    </message>
    <message>
        <source>Yellow: the LED is on in the frame shown.</source>
        <translation>黄: 表示中のフレームで LED が点灯。</translation>
    </message>
    <message>
        <source>Dark grey: the LED is off in the frame shown.</source>
        <translation>濃い灰色: 表示中のフレームで LED が消灯。</translation>
    </message>
    <message>
        <source>Blue left half ring: the LED is on in the previous frame.</source>
        <translation>青い左半分のリング: 前のフレームで LED が点灯。</translation>
    </message>
    <message>
        <source>Red right half ring: the LED is on in the next frame.</source>
        <translation>赤い右半分のリング: 次のフレームで LED が点灯。</translation>
    </message>
    <message>
        <source>Both halves: on before and after; here also on in the frame shown.</source>
        <translation>両方の半分: 前後のフレームで点灯。この場合、表示中のフレームでも点灯。</translation>
    </message>
    <message>
        <source>The half rings show while Adjacent is ticked in the board&apos;s menu (right click on the board). A frame without a frame before or after it shows only one half.</source>
        <translation>半分のリングは、ボードのメニュー (ボードを右クリック) で [隣接] にチェックがあるときに表示されます。前後にフレームがないフレームでは片方だけが表示されます。</translation>
    </message>
</context>
<context>
    <name>CallWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>CommandTreeMenu</name>
    <message>
        <source>Collection</source>
        <translation>コレクション</translation>
    </message>
    <message>
        <source>LedState</source>
        <translation>LED状態</translation>
    </message>
    <message>
        <source>LedStates</source>
        <translation>LED状態 (複数)</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>呼び出し</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>戻り</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>末尾に追加</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>項目を削除</translation>
    </message>
    <message>
        <source>Edit as table</source>
        <translation>表として編集</translation>
    </message>
    <message>
        <source>Cut Frames</source>
        <translation>フレームを切り取り</translation>
    </message>
    <message>
        <source>Copy Frames</source>
        <translation>フレームをコピー</translation>
    </message>
    <message>
        <source>Paste Frames</source>
        <translation>フレームを貼り付け</translation>
    </message>
    <message>
        <source>Import sequence...</source>
        <translation>シーケンスをインポート...</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>アニメーションをインポート...</translation>
    </message>
    <message>
        <source>Export sequence...</source>
        <translation>シーケンスをエクスポート...</translation>
    </message>
</context>
<context>
    <name>CommandTreeView</name>
    <message>
        <source>Insert LedState items</source>
        <translation>LED状態の項目を挿入</translation>
    </message>
    <message>
        <source>Append LedState items</source>
        <translation>LED状態の項目を末尾に追加</translation>
    </message>
    <message>
        <source>Insert %1 Frames</source>
        <translation>%1 フレームを挿入</translation>
    </message>
    <message>
        <source>Append %1 Frames</source>
        <translation>%1 フレームを末尾に追加</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>数:</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n フレーム</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation>
            <numerusform>%n 台</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>説明:</translation>
    </message>
</context>
<context>
    <name>DocumentEdits</name>
    <message>
        <source>Set LED</source>
        <translation>LED を設定</translation>
    </message>
    <message>
        <source>Edit LEDs</source>
        <translation>LED を編集</translation>
    </message>
    <message>
        <source>The document would hold %L1 frames; a document holds at most %L2.</source>
        <translation>ドキュメントのフレーム数が %L1 になります。ドキュメントに入るのは最大 %L2 フレームです。</translation>
    </message>
</context>
<context>
    <name>DocumentHost</name>
    <message>
        <source>The recovery copy of %1 cannot be read. It is kept at %2.</source>
        <translation>%1 の復元用コピーを読み込めません。コピーは %2 に保管されています。</translation>
    </message>
    <message>
        <source>The recovery copy of %1 could be read only in part; what was read is shown. The copy is kept at %2.</source>
        <translation>%1 の復元用コピーは一部しか読み込めませんでした。読み込めた部分を表示しています。コピーは %2 に保管されています。</translation>
    </message>
    <message>
        <source>Document loaded</source>
        <translation>ドキュメントを読み込みました</translation>
    </message>
    <message>
        <source>Example opened</source>
        <translation>サンプルを開きました</translation>
    </message>
    <message>
        <source>Unknown file %1!</source>
        <translation>不明なファイル %1!</translation>
    </message>
    <message>
        <source>Document saved</source>
        <translation>ドキュメントを保存しました</translation>
    </message>
</context>
<context>
    <name>DropHandler</name>
    <message>
        <source>Drop to open %1.</source>
        <translation>ドロップして %1 を開きます。</translation>
    </message>
    <message>
        <source>Drop to add the frames of %1 after the current frame.</source>
        <translation>ドロップして %1 のフレームを現在のフレームの後に追加します。</translation>
    </message>
    <message>
        <source>Open or create a document first to add the frames of %1.</source>
        <translation>%1 のフレームを追加するには、まずドキュメントを開くか作成してください。</translation>
    </message>
    <message>
        <source>The window takes a panel document (.xml) to open, or a sequence file (.csv) whose frames go after the current frame.</source>
        <translation>このウィンドウで開けるのはパネル ドキュメント (.xml) か、フレームを現在のフレームの後に追加するシーケンス ファイル (.csv) です。</translation>
    </message>
    <message>
        <source>Added %1 LED frames from %2.</source>
        <translation>%2 から %1 個の LED フレームを追加しました。</translation>
    </message>
    <message>
        <source>This cannot be dropped here.</source>
        <translation>ここにはドロップできません。</translation>
    </message>
    <message>
        <source>%1 cannot be dropped here.</source>
        <translation>%1 はここにはドロップできません。</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>ファイル %1 を読み込めません:
%2。</translation>
    </message>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 はシーケンス ファイルではありません。</translation>
    </message>
    <message>
        <source>The document takes no frames.</source>
        <translation>このドキュメントにはフレームを追加できません。</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>シーケンスのインポート</translation>
    </message>
    <message>
        <source>The document has no program to take the frames.</source>
        <translation>ドキュメントにフレームを受け取るプログラムがありません。</translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>The editor did not end normally while %1 had unsaved changes.
Restore the copy kept at %2?

Cancel keeps the copy for the next start.</source>
        <translation>%1 に未保存の変更がある状態で、エディターが正常に終了しませんでした。
%2 に保管されているコピーを復元しますか?

キャンセルすると、コピーは次回の起動まで保管されます。</translation>
    </message>
    <message>
        <source>A program is being written to the panel.
Stop writing and close? The panel then holds an incomplete program.</source>
        <translation>プログラムをパネルに書き込み中です。
書き込みを中止して閉じますか? パネルには不完全なプログラムが残ります。</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>The number of frames must lie between 1 and %1.</source>
        <translation>フレーム数は 1 から %1 の範囲で指定してください。</translation>
    </message>
    <message>
        <source>The number of heads must divide 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 or 48).</source>
        <translation>ヘッド数は 48 の約数 (1、2、3、4、6、8、12、16、24、48) にしてください。</translation>
    </message>
    <message>
        <source>The length must lie between 1 and %1 (48 / heads).</source>
        <translation>長さは 1 から %1 (48 / ヘッド数) の範囲で指定してください。</translation>
    </message>
    <message>
        <source>The direction must be 1 or -1.</source>
        <translation>方向は 1 または -1 にしてください。</translation>
    </message>
    <message>
        <source>The LEDs per frame must be at least 1.</source>
        <translation>フレームあたりの LED 数は 1 以上にしてください。</translation>
    </message>
    <message>
        <source>The width must lie between 1 and 4 rings.</source>
        <translation>幅は 1 から 4 リングの範囲で指定してください。</translation>
    </message>
    <message>
        <source>There is no frame to start from: show one on the board.</source>
        <translation>開始するフレームがありません。ボードにフレームを表示してください。</translation>
    </message>
    <message>
        <source>There is no frame to end at.</source>
        <translation>終了するフレームがありません。</translation>
    </message>
    <message>
        <source>The number of blinks must lie between 1 and %1.</source>
        <translation>点滅回数は 1 から %1 の範囲で指定してください。</translation>
    </message>
    <message>
        <source>The density must lie between 0 and 100 percent.</source>
        <translation>密度は 0 から 100 パーセントの範囲で指定してください。</translation>
    </message>
    <message>
        <source>Turned by %1 positions the frame looks the same: the spin has no frames.</source>
        <translation>%1 位置回転してもフレームが同じに見えるため、回転のフレームがありません。</translation>
    </message>
    <message>
        <source>Unknown effect.</source>
        <translation>不明なエフェクトです。</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>追跡</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>塗りつぶし</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>波紋</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>点滅</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>ディゾルブ</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>きらめき</translation>
    </message>
</context>
<context>
    <name>ExamplesMenu</name>
    <message>
        <source>Comet and fill</source>
        <translation>彗星と塗りつぶし</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>鼓動</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>星空</translation>
    </message>
    <message>
        <source>Comet slowing over a drawn ring</source>
        <translation>描いたリング上で減速する彗星</translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation>進行リング</translation>
    </message>
    <message>
        <source>Ripple pulse</source>
        <translation>波紋パルス</translation>
    </message>
    <message>
        <source>Dissolve between patterns</source>
        <translation>パターン間のディゾルブ</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>サンプル</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Open the example as a new document</source>
        <translation>サンプルを新しいドキュメントとして開く</translation>
    </message>
</context>
<context>
    <name>ExportAnimationDialog</name>
    <message>
        <source>Export animation</source>
        <translation>アニメーションのエクスポート</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>フレーム:</translation>
    </message>
    <message>
        <source>How many frames to draw; at most 1000</source>
        <translation>描画するフレーム数 (最大 1000)</translation>
    </message>
    <message>
        <source>Until the program holds or repeats</source>
        <translation>プログラムが停止または繰り返すまで</translation>
    </message>
    <message>
        <source>Time per frame:</source>
        <translation>フレームあたりの時間:</translation>
    </message>
    <message>
        <source>Most viewers show shorter times than 20 ms much slower, so 20 ms is the shortest</source>
        <translation>多くのビューアーは 20 ms より短い時間をかなり遅く表示するため、最短は 20 ms です</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Seen from:</source>
        <translation>視点:</translation>
    </message>
    <message>
        <source>Top side</source>
        <translation>表側</translation>
    </message>
    <message>
        <source>Bottom side</source>
        <translation>裏側</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>No document is open: there is nothing to import into.</source>
        <translation>ドキュメントが開かれていません。インポート先がありません。</translation>
    </message>
    <message>
        <source>%1 frames imported</source>
        <translation>%1 フレームをインポートしました</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to export.</source>
        <translation>ドキュメントが開かれていません。エクスポートするものがありません。</translation>
    </message>
    <message>
        <source>Export animation</source>
        <translation>アニメーションのエクスポート</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>アニメーション GIF (*.gif)</translation>
    </message>
    <message>
        <source>%1 frames exported to %2</source>
        <translation>%1 フレームを %2 にエクスポートしました</translation>
    </message>
    <message>
        <source>No frame is shown: pick one in the tree.</source>
        <translation>フレームが表示されていません。ツリーで選択してください。</translation>
    </message>
    <message>
        <source>Export frame as PNG</source>
        <translation>フレームを PNG としてエクスポート</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Frame exported to %1</source>
        <translation>フレームを %1 にエクスポートしました</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>The firmware file does not exist.</source>
        <translation>ファームウェア ファイルが存在しません。</translation>
    </message>
    <message>
        <source>The firmware file is not a regular file (it is a folder, a device or a pipe).</source>
        <translation>ファームウェア ファイルが通常のファイルではありません (フォルダー、デバイス、またはパイプです)。</translation>
    </message>
    <message>
        <source>The firmware file is larger than 16 MiB, more than any device holds.</source>
        <translation>ファームウェア ファイルが 16 MiB を超えています。どのデバイスの容量よりも大きいサイズです。</translation>
    </message>
    <message>
        <source>Cannot read the firmware file: %1.</source>
        <translation>ファームウェア ファイルを読み込めません: %1。</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>more data than any device holds (over 2.25 MiB)</source>
        <translation>どのデバイスの容量よりも多いデータ (2.25 MiB 超)</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>You may need to be a member of the group &quot;%1&quot; that owns %2 (log in again after joining it).</source>
        <translation>%2 を所有するグループ &quot;%1&quot; のメンバーになる必要があるかもしれません (参加後に再ログインしてください)。</translation>
    </message>
    <message>
        <source>Serial port %1 (%2) is active!</source>
        <translation>シリアル ポート %1 (%2) は使用中です!</translation>
    </message>
    <message>
        <source>Open serial port %1 (%2).</source>
        <translation>シリアル ポート %1 (%2) を開きます。</translation>
    </message>
    <message>
        <source>Cannot open serial port %1! Error: %2</source>
        <translation>シリアル ポート %1 を開けません! エラー: %2</translation>
    </message>
    <message>
        <source>Enter MPU flasher.</source>
        <translation>MPU フラッシャーに入ります。</translation>
    </message>
    <message>
        <source>Close serial port.</source>
        <translation>シリアル ポートを閉じます。</translation>
    </message>
    <message>
        <source>Finished successfully!</source>
        <translation>正常に完了しました!</translation>
    </message>
    <message>
        <source>Flashing canceled.</source>
        <translation>書き込みをキャンセルしました。</translation>
    </message>
    <message>
        <source>Finished with error!</source>
        <translation>エラーで終了しました!</translation>
    </message>
    <message>
        <source>The device holds no valid application now.</source>
        <translation>デバイスには現在、有効なアプリケーションがありません。</translation>
    </message>
    <message>
        <source>Its boot loader is still there: flash it again.</source>
        <translation>ブート ローダーは残っています。もう一度書き込んでください。</translation>
    </message>
    <message>
        <source>The device was not changed.</source>
        <translation>デバイスは変更されていません。</translation>
    </message>
    <message>
        <source>Invalid device application code file!</source>
        <translation>デバイス アプリケーション コード ファイルが無効です!</translation>
    </message>
    <message>
        <source>The file holds no data.</source>
        <translation>ファイルにデータがありません。</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>警告: %1</translation>
    </message>
    <message>
        <source>Address %1 lies outside the memory of the device (allowed: %2).</source>
        <translation>アドレス %1 はデバイスのメモリ範囲外です (許可範囲: %2)。</translation>
    </message>
    <message>
        <source>The device was not touched.</source>
        <translation>デバイスには触れていません。</translation>
    </message>
    <message>
        <source>1 byte at %1</source>
        <translation>%1 に 1 バイト</translation>
    </message>
    <message>
        <source>%1 bytes at %2-%3</source>
        <translation>%2-%3 に %1 バイト</translation>
    </message>
    <message>
        <source>The image writes %1, above the application, where the boot loader keeps the interrupt vectors. A boot loader that guards itself refuses them and flashing fails after the erase; one that does not may be overwritten.</source>
        <translation>イメージはアプリケーション領域より上の %1 に書き込みます。ここはブート ローダーが割り込みベクターを保持する領域です。自己保護するブート ローダーはこれを拒否し、消去後に書き込みが失敗します。自己保護しないブート ローダーは上書きされる可能性があります。</translation>
    </message>
    <message>
        <source>Write them anyway?</source>
        <translation>それでも書き込みますか?</translation>
    </message>
    <message>
        <source>Verify device.</source>
        <translation>デバイスを検証します。</translation>
    </message>
    <message>
        <source>Invalid device version!</source>
        <translation>デバイスのバージョンが無効です!</translation>
    </message>
    <message>
        <source>Erase device.</source>
        <translation>デバイスを消去します。</translation>
    </message>
    <message>
        <source>Cannot erase device!</source>
        <translation>デバイスを消去できません!</translation>
    </message>
    <message>
        <source>Write device application code.</source>
        <translation>デバイス アプリケーション コードを書き込みます。</translation>
    </message>
    <message>
        <source>Cannot flash device!</source>
        <translation>デバイスに書き込めません!</translation>
    </message>
    <message>
        <source>Jump to the application.</source>
        <translation>アプリケーションにジャンプします。</translation>
    </message>
</context>
<context>
    <name>FrameEditor</name>
    <message>
        <source>Add frame</source>
        <translation>フレームを追加</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>塗りつぶし</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>時計回りに回転</translation>
    </message>
    <message>
        <source>Rotate counter-clockwise</source>
        <translation>反時計回りに回転</translation>
    </message>
    <message>
        <source>Mirror left-right</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Mirror top-bottom</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Rings outward</source>
        <translation>リングを外側へ</translation>
    </message>
    <message>
        <source>Rings inward</source>
        <translation>リングを内側へ</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>生成...</translation>
    </message>
    <message>
        <source>Hold...</source>
        <translation>保持...</translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation>繰り返し...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>逆順</translation>
    </message>
    <message>
        <source>Ping-pong</source>
        <translation>往復</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>ミラー</translation>
    </message>
    <message>
        <source>Rings Outward</source>
        <translation>リングを外側へ</translation>
    </message>
    <message>
        <source>Rings Inward</source>
        <translation>リングを内側へ</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>Copies of the current frame:</source>
        <translation>現在のフレームのコピー数:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>Times to repeat the selected frames:</source>
        <translation>選択したフレームの繰り返し回数:</translation>
    </message>
    <message>
        <source>nowhere: the document has no Program</source>
        <translation>なし: ドキュメントにプログラムがありません</translation>
    </message>
    <message>
        <source>at the start of %1</source>
        <translation>%1 の先頭</translation>
    </message>
    <message>
        <source>at the end, after frame #%1</source>
        <translation>末尾、フレーム #%1 の後</translation>
    </message>
    <message>
        <source>after frame #%1</source>
        <translation>フレーム #%1 の後</translation>
    </message>
    <message>
        <source>Generate %1</source>
        <translation>%1 を生成</translation>
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
        <translation>コピーする LED フレームを選択してください。</translation>
    </message>
    <message>
        <source>Copied %1 LED frames.</source>
        <translation>%1 個の LED フレームをコピーしました。</translation>
    </message>
    <message>
        <source>Cut %1 Frames</source>
        <translation>%1 フレームを切り取り</translation>
    </message>
    <message>
        <source>The clipboard holds no LED frames.</source>
        <translation>クリップボードに LED フレームがありません。</translation>
    </message>
    <message>
        <source>Paste %1 Frames</source>
        <translation>%1 フレームを貼り付け</translation>
    </message>
    <message>
        <source>Pasted %1 LED frames.</source>
        <translation>%1 個の LED フレームを貼り付けました。</translation>
    </message>
    <message>
        <source>Import sequence</source>
        <translation>シーケンスのインポート</translation>
    </message>
    <message>
        <source>No LED frames found in %1.</source>
        <translation>%1 に LED フレームが見つかりません。</translation>
    </message>
    <message>
        <source>Imported %1 LED frames from %2.</source>
        <translation>%2 から %1 個の LED フレームをインポートしました。</translation>
    </message>
    <message>
        <source>Export sequence</source>
        <translation>シーケンスのエクスポート</translation>
    </message>
    <message>
        <source>Exported %1 LED frames to %2.</source>
        <translation>%1 個の LED フレームを %2 にエクスポートしました。</translation>
    </message>
</context>
<context>
    <name>FunctionWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate frames</source>
        <translation>フレームの生成</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>プリセット:</translation>
    </message>
    <message>
        <source>Choose one to fill the page with its parameters</source>
        <translation>選択するとページにそのパラメーターが入ります</translation>
    </message>
    <message>
        <source>Save preset...</source>
        <translation>プリセットを保存...</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>プリセットを削除</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>追跡</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>塗りつぶし</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>波紋</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>点滅</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>ディゾルブ</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>きらめき</translation>
    </message>
    <message>
        <source>Rings:</source>
        <translation>リング:</translation>
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
        <translation>フレームあたりの位置数:</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>時計回り</translation>
    </message>
    <message>
        <source>Ease:</source>
        <translation>緩急:</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>一定</translation>
    </message>
    <message>
        <source>Speeding up</source>
        <translation>加速</translation>
    </message>
    <message>
        <source>Slowing down</source>
        <translation>減速</translation>
    </message>
    <message>
        <source>Speeding up, then slowing down</source>
        <translation>加速してから減速</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>長さ:</translation>
    </message>
    <message>
        <source>Heads:</source>
        <translation>ヘッド数:</translation>
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
        <translation>フレーム:</translation>
    </message>
    <message>
        <source>Start position:</source>
        <translation>開始位置:</translation>
    </message>
    <message>
        <source>LEDs per frame:</source>
        <translation>フレームあたりの LED 数:</translation>
    </message>
    <message>
        <source>Then empty</source>
        <translation>その後は空</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向:</translation>
    </message>
    <message>
        <source>Outward</source>
        <translation>外側へ</translation>
    </message>
    <message>
        <source>Inward</source>
        <translation>内側へ</translation>
    </message>
    <message>
        <source>Width in rings:</source>
        <translation>幅 (リング数):</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>往復</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>回数:</translation>
    </message>
    <message>
        <source>Invert instead of dark</source>
        <translation>消灯の代わりに反転</translation>
    </message>
    <message>
        <source>To frame:</source>
        <translation>終了フレーム:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>シード:</translation>
    </message>
    <message>
        <source>Density:</source>
        <translation>密度:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Density at the end:</source>
        <translation>終了時の密度:</translation>
    </message>
    <message>
        <source>As at the start</source>
        <translation>開始時と同じ</translation>
    </message>
    <message>
        <source>Where the frames go</source>
        <translation>フレームの配置先</translation>
    </message>
    <message>
        <source>Combine:</source>
        <translation>合成:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>Add (light where either is lit)</source>
        <translation>加算 (どちらかが点灯していれば点灯)</translation>
    </message>
    <message>
        <source>Remove (darken where the effect is lit)</source>
        <translation>除去 (エフェクトが点灯している所を消灯)</translation>
    </message>
    <message>
        <source>Toggle (flip where the effect is lit)</source>
        <translation>反転 (エフェクトが点灯している所を反転)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>プリセットの保存</translation>
    </message>
    <message>
        <source>Name of the %1 preset:</source>
        <translation>%1 プリセットの名前:</translation>
    </message>
    <message>
        <source>%1 is a shipped preset and stays as it is; choose another name.</source>
        <translation>%1 は付属のプリセットのため変更できません。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>A preset named %1 exists. Replace it?</source>
        <translation>%1 という名前のプリセットがあります。置き換えますか?</translation>
    </message>
    <message>
        <source>Insert after #%1</source>
        <translation>#%1 の後に挿入</translation>
    </message>
    <message>
        <source>Insert after the shown frame</source>
        <translation>表示中のフレームの後に挿入</translation>
    </message>
    <message>
        <source>Over the frames from #%1</source>
        <translation>#%1 以降のフレームに重ねる</translation>
    </message>
    <message>
        <source>Over the shown frame</source>
        <translation>表示中のフレームに重ねる</translation>
    </message>
    <message>
        <source>At the end of the %1</source>
        <translation>%1 の末尾</translation>
    </message>
    <message>
        <source>Keep the other rings of #%1</source>
        <translation>#%1 の他のリングを保持</translation>
    </message>
    <message>
        <source>Keep the other rings</source>
        <translation>他のリングを保持</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2, and %3 more at the end.</source>
        <translation>フレームはフレーム #%1 から #%2 に重ねられ、さらに %3 フレームが末尾に追加されます。</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2.</source>
        <translation>フレームはフレーム #%1 から #%2 に重ねられます。</translation>
    </message>
    <message>
        <source>The frames go at the end, after frame #%1.</source>
        <translation>フレームは末尾、フレーム #%1 の後に追加されます。</translation>
    </message>
    <message>
        <source>The frames go at the end.</source>
        <translation>フレームは末尾に追加されます。</translation>
    </message>
    <message>
        <source>The frames go after frame #%1.</source>
        <translation>フレームはフレーム #%1 の後に追加されます。</translation>
    </message>
    <message>
        <source>With %1 more the document takes %2 of %3 bytes.</source>
        <translation>%1 追加すると、ドキュメントは %3 バイト中 %2 バイトを使用します。</translation>
    </message>
    <message>
        <source>%1 bytes more than the panel&apos;s program memory: the program cannot be written until it is smaller.</source>
        <translation>パネルのプログラム メモリより %1 バイト多いため、小さくするまでプログラムを書き込めません。</translation>
    </message>
    <message>
        <source>No frames</source>
        <translation>フレームなし</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>フレーム %1 / %2</translation>
    </message>
</context>
<context>
    <name>GeneratePresets</name>
    <message>
        <source>Comet</source>
        <translation>彗星</translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation>進行リング</translation>
    </message>
    <message>
        <source>Pulse out</source>
        <translation>外向きパルス</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>鼓動</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>星空</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>ユーザー ガイド</translation>
    </message>
    <message>
        <source>How to draw frames, play them and write them to a panel</source>
        <translation>フレームの描き方、再生方法、パネルへの書き込み方法</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>キーボード ショートカット</translation>
    </message>
    <message>
        <source>List the keys of every command</source>
        <translation>すべてのコマンドのキーを一覧表示</translation>
    </message>
    <message>
        <source>Board legend</source>
        <translation>ボードの凡例</translation>
    </message>
    <message>
        <source>What the marks and colours on the board mean</source>
        <translation>ボード上の印と色の意味</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User guide</source>
        <translation>ユーザー ガイド</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>The file has no end mark &apos;q&apos;; check that it is complete.</source>
        <translation>ファイルに終了マーク &apos;q&apos; がありません。ファイルが完全か確認してください。</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
</context>
<context>
    <name>ImportAnimationDialog</name>
    <message>
        <source>Import animation</source>
        <translation>アニメーションのインポート</translation>
    </message>
    <message>
        <source>Lit from brightness:</source>
        <translation>点灯とみなす明るさ:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Invert (dark parts lit)</source>
        <translation>反転 (暗い部分を点灯)</translation>
    </message>
    <message>
        <source>Board seen from:</source>
        <translation>ボードの視点:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>表</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>裏</translation>
    </message>
    <message>
        <source>First frame:</source>
        <translation>最初のフレーム:</translation>
    </message>
    <message>
        <source>Number of frames:</source>
        <translation>フレーム数:</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>The LED frame it gives</source>
        <translation>生成される LED フレーム</translation>
    </message>
    <message>
        <source>At the end of the Program</source>
        <translation>プログラムの末尾</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>フレーム %1 / %2</translation>
    </message>
    <message>
        <source>No preview of this frame</source>
        <translation>このフレームのプレビューはありません</translation>
    </message>
    <message>
        <source>The frames go %1.</source>
        <translation>フレームの配置先: %1。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 ～ %2</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>アニメーションのインポート</translation>
    </message>
    <message>
        <source>The document takes no more frames.</source>
        <translation>このドキュメントにはこれ以上フレームを追加できません。</translation>
    </message>
</context>
<context>
    <name>IntelHexReader</name>
    <message>
        <source>more than 16 MiB of text</source>
        <translation>テキストが 16 MiB を超えています</translation>
    </message>
    <message>
        <source>record after the end-of-file record</source>
        <translation>ファイル終了レコードの後にレコードがあります</translation>
    </message>
    <message>
        <source>no end-of-file record</source>
        <translation>ファイル終了レコードがありません</translation>
    </message>
    <message>
        <source>record does not start with &apos;:&apos;</source>
        <translation>レコードが &apos;:&apos; で始まっていません</translation>
    </message>
    <message>
        <source>record is too short or has an odd number of digits</source>
        <translation>レコードが短すぎるか、桁数が奇数です</translation>
    </message>
    <message>
        <source>record is longer than 255 data bytes allow</source>
        <translation>レコードが 255 データ バイトの上限を超えています</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hexadecimal digit</source>
        <translation>&apos;%1&apos; は 16 進数の数字ではありません</translation>
    </message>
    <message>
        <source>length %1 does not match the record</source>
        <translation>長さ %1 がレコードと一致しません</translation>
    </message>
    <message>
        <source>checksum %1 should be %2</source>
        <translation>チェックサム %1 は %2 であるべきです</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>アドレス %1 は 24 ビットのアドレス空間を超えています</translation>
    </message>
    <message>
        <source>end-of-file record carries data</source>
        <translation>ファイル終了レコードにデータがあります</translation>
    </message>
    <message>
        <source>address record must carry two bytes</source>
        <translation>アドレス レコードは 2 バイトでなければなりません</translation>
    </message>
    <message>
        <source>start address record must carry four bytes</source>
        <translation>開始アドレス レコードは 4 バイトでなければなりません</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>不明なレコード タイプ %1</translation>
    </message>
</context>
<context>
    <name>ItemSummary</name>
    <message>
        <source>The program is what the panel runs, command by command, when it starts and after a Reset.</source>
        <translation>プログラムは、パネルが起動時とリセット後にコマンドを順に実行するものです。</translation>
    </message>
    <message>
        <source>A function holds commands that Calls run, ending with a Return; its commands take %1.</source>
        <translation>コレクションは 呼び出しから実行されるコマンドをまとめたもので、戻りで終わります。コマンドは %1 を使用します。</translation>
    </message>
    <message>
        <source>A Call runs the commands of a function and comes back, though its target is not filled in yet, so the panel passes over it; it takes %1.</source>
        <translation>呼び出しはコレクションのコマンドを実行して戻りますが、呼び出し先がまだ設定されていないため、パネルはこれを飛ばします。%1 を使用します。</translation>
    </message>
    <message>
        <source>A Return ends a function: the panel goes back to the command after the Call; it takes %1.</source>
        <translation>戻りはコレクションを終了します。パネルは 呼び出しの次のコマンドに戻ります。%1 を使用します。</translation>
    </message>
    <message>
        <source>A Reset starts the panel&apos;s program again from its first command; it takes %1.</source>
        <translation>リセットはパネルのプログラムを最初のコマンドからやり直します。%1 を使用します。</translation>
    </message>
    <message>
        <source>A Stop makes the panel hold its last frame until it is told to go on; it takes %1.</source>
        <translation>停止は、続行の指示があるまでパネルに最後のフレームを表示させたままにします。%1 を使用します。</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n バイト</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KamdelDocument</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>パネル ドキュメント (*.xml);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 は変更されています。
変更を保存しますか?</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
</context>
<context>
    <name>LanesDock</name>
    <message>
        <source>Ring lanes</source>
        <translation>リング レーン</translation>
    </message>
    <message>
        <source>Show or hide every frame of the current list, ring by ring</source>
        <translation>現在のリストのすべてのフレームをリングごとに表示または非表示</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>言語は次回の起動時に変更されます。</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>次回の起動時に反映されます</translation>
    </message>
</context>
<context>
    <name>LedPanelTableView</name>
    <message>
        <source>Cut cannot used this kind of multiple selection.</source>
        <translation>この種類の複数選択では切り取りを使用できません。</translation>
    </message>
    <message>
        <source>Copy cannot used this kind of multiple selection.</source>
        <translation>この種類の複数選択ではコピーを使用できません。</translation>
    </message>
    <message>
        <source>Paste cannot used this kind of multiple selection.</source>
        <translation>この種類の複数選択では貼り付けを使用できません。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>LedPanelView</name>
    <message>
        <source>LED board</source>
        <translation>LED ボード</translation>
    </message>
    <message>
        <source>Arrow keys move along and between the rings, Space switches the LED, Shift with an arrow paints</source>
        <translation>矢印キーでリング上およびリング間を移動、Space で LED を切り替え、Shift+矢印キーで描画</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>New %1 document</source>
        <translation>新しい %1 ドキュメント</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開く...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>既存のドキュメントを開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save the document</source>
        <translation>ドキュメントを保存</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Save the document under a new name</source>
        <translation>ドキュメントを新しい名前で保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close the document</source>
        <translation>ドキュメントを閉じる</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Copy to clipboard and delete</source>
        <translation>クリップボードにコピーして削除</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>クリップボードにコピー</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>クリップボードから貼り付け</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Play the program in the editor as the panel would</source>
        <translation>パネルと同じようにプログラムをエディターで再生</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Show the next frame</source>
        <translation>次のフレームを表示</translation>
    </message>
    <message>
        <source>Stop playback</source>
        <translation>再生を停止</translation>
    </message>
    <message>
        <source>Stop and go back to the start</source>
        <translation>停止して先頭に戻る</translation>
    </message>
    <message>
        <source>100 fps, the panel&apos;s Animate pace</source>
        <translation>100 fps (パネルのアニメート速度)</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>アニメーションをインポート...</translation>
    </message>
    <message>
        <source>Add the frames of an animated GIF or of pictures after the current frame</source>
        <translation>アニメーション GIF または画像のフレームを現在のフレームの後に追加</translation>
    </message>
    <message>
        <source>Export animation...</source>
        <translation>アニメーションをエクスポート...</translation>
    </message>
    <message>
        <source>Save the program as an animated GIF</source>
        <translation>プログラムをアニメーション GIF として保存</translation>
    </message>
    <message>
        <source>Export frame as PNG...</source>
        <translation>フレームを PNG としてエクスポート...</translation>
    </message>
    <message>
        <source>Save the frame shown as a PNG picture</source>
        <translation>表示中のフレームを PNG 画像として保存</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>制御(&amp;C)</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>パネル</translation>
    </message>
    <message>
        <source>Playback in the editor</source>
        <translation>エディターでの再生</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>再生速度</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Insert an empty frame after the current one; with Shift, a copy of it</source>
        <translation>現在のフレームの後に空のフレームを挿入 (Shift を押すとそのコピー)</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>最後の編集を元に戻す</translation>
    </message>
    <message>
        <source>Redo the last undone edit</source>
        <translation>最後に元に戻した編集をやり直す</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>対称</translation>
    </message>
    <message>
        <source>Symmetry:</source>
        <translation>対称:</translation>
    </message>
    <message>
        <source>Set every LED a click sets, turned by 360 / order degrees</source>
        <translation>クリックで設定する各 LED を、360 / 次数 度ずつ回転させた位置にも設定</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>ミラー</translation>
    </message>
    <message>
        <source>Also set the mirror images across the vertical axis</source>
        <translation>垂直軸を挟んだ鏡像の位置にも設定</translation>
    </message>
    <message>
        <source>F&amp;rame</source>
        <translation>フレーム(&amp;R)</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%v of %m blocks</source>
        <translation>%v / %m ブロック</translation>
    </message>
    <message>
        <source>The settings cannot be saved: %1 is not writable.</source>
        <translation>設定を保存できません: %1 に書き込めません。</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 はもう存在しないため、最近使ったファイルから削除しました。</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>セグメント LED パネル エディター</translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation> (復元済み)</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1</source>
        <translation>セグメント LED パネル エディター  -  %1</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1  (%2)</source>
        <translation>セグメント LED パネル エディター  -  %1  (%2)</translation>
    </message>
    <message>
        <source>The production station %1 cannot be started.</source>
        <translation>生産ステーション %1 を起動できません。</translation>
    </message>
</context>
<context>
    <name>MarkupScanner</name>
    <message>
        <source>The file nests its elements deeper than any document does.</source>
        <translation>ファイルの要素の入れ子が、どのドキュメントよりも深くなっています。</translation>
    </message>
    <message>
        <source>The file holds a text of more than %1 KiB, more than any document holds.</source>
        <translation>ファイルに %1 KiB を超えるテキストがあります。どのドキュメントよりも大きいサイズです。</translation>
    </message>
    <message>
        <source>The file holds an LED state of more than %1 characters.</source>
        <translation>ファイルに %1 文字を超える LED 状態があります。</translation>
    </message>
    <message>
        <source>The file holds an element with more attributes than any document has.</source>
        <translation>ファイルに、どのドキュメントよりも多くの属性を持つ要素があります。</translation>
    </message>
</context>
<context>
    <name>MemoryGauge</name>
    <message>
        <source>No document</source>
        <translation>ドキュメントなし</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 / %2 バイト</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, %2 more than the panel&apos;s %3 bytes of program memory; it cannot be written.</source>
        <translation>プログラムは %1 バイトで、パネルのプログラム メモリ %3 バイトより %2 バイト多いため、書き込めません。</translation>
    </message>
    <message>
        <source>Program memory of the panel in use</source>
        <translation>使用中のパネルのプログラム メモリ</translation>
    </message>
</context>
<context>
    <name>MspFlasher</name>
    <message>
        <source>Incorrect header</source>
        <translation>ヘッダーが正しくありません</translation>
    </message>
    <message>
        <source>Packet checksum error</source>
        <translation>パケットのチェックサム エラー</translation>
    </message>
    <message>
        <source>Packet size is zero</source>
        <translation>パケット サイズが 0 です</translation>
    </message>
    <message>
        <source>Packet size is invalid</source>
        <translation>パケット サイズが無効です</translation>
    </message>
    <message>
        <source>Error in protocol</source>
        <translation>プロトコル エラー</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>タイムアウト</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Error: (%1) </source>
        <translation>エラー: (%1) </translation>
    </message>
    <message>
        <source>Error: (%1) Invalid version</source>
        <translation>エラー: (%1) 無効なバージョン</translation>
    </message>
    <message>
        <source>unplugged during write (%1 %)</source>
        <translation>書き込み中に取り外されました (%1 %)</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is the input file; choose another name for the output.</source>
        <translation>%1 は入力ファイルです。出力には別の名前を選んでください。</translation>
    </message>
    <message>
        <source>An output is written whole, from its start.</source>
        <translation>出力は先頭から全体が書き込まれます。</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>ファイルが開かれていません</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 に書き込めません: %2。</translation>
    </message>
</context>
<context>
    <name>PanelDocument</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is larger than any document (%2 MiB).</source>
        <translation>%1 はどのドキュメントよりも大きいサイズです (%2 MiB)。</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>ファイル名が指定されていません。</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>ファイル %1 を読み込めません:
%2。</translation>
    </message>
    <message>
        <source>Error occur while reading xml data of %1.</source>
        <translation>%1 の XML データの読み込み中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2.</source>
        <translation>ファイル %1 を書き込み用に開けません: %2。</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>ファイル %1 に書き込めません:
%2。</translation>
    </message>
</context>
<context>
    <name>PanelLink</name>
    <message>
        <source>No panel port is set: choose one in Tools &gt; Serial port setup.</source>
        <translation>パネルのポートが設定されていません。[ツール] &gt; [シリアル ポートの設定] で選択してください。</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1!</source>
        <translation>シリアル ポート %1 に接続できません!</translation>
    </message>
    <message>
        <source>No document is open: Reset goes to the program the panel holds.</source>
        <translation>ドキュメントが開かれていません。リセットはパネルが保持しているプログラムに対して行われます。</translation>
    </message>
    <message>
        <source>No document is open: Next goes to the program the panel holds.</source>
        <translation>ドキュメントが開かれていません。次へはパネルが保持しているプログラムに対して行われます。</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to compile and write.</source>
        <translation>ドキュメントが開かれていません。コンパイルして書き込むものがありません。</translation>
    </message>
    <message>
        <source>Program compiling...</source>
        <translation>プログラムをコンパイル中...</translation>
    </message>
    <message>
        <source>Memory use %1% (%2 of %3).</source>
        <translation>メモリ使用率 %1% (%3 中 %2)。</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, more than the %2 bytes of the panel&apos;s program memory.
Nothing was written to the panel.</source>
        <translation>プログラムは %1 バイトで、パネルのプログラム メモリ %2 バイトを超えています。
パネルには何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1 (%2)!</source>
        <translation>シリアル ポート %1 に接続できません (%2)!</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>書き込み中...</translation>
    </message>
    <message>
        <source>Writing canceled: the panel holds an incomplete program.</source>
        <translation>書き込みをキャンセルしました。パネルには不完全なプログラムが残っています。</translation>
    </message>
    <message>
        <source>Writing to serial port %1 failed (%2). The program on the panel is incomplete.</source>
        <translation>シリアル ポート %1 への書き込みに失敗しました (%2)。パネル上のプログラムは不完全です。</translation>
    </message>
    <message>
        <source>Firmware update - %1</source>
        <translation>ファームウェアの更新 - %1</translation>
    </message>
    <message numerus="yes">
        <source>Programming finished on %1 (%n block(s)).</source>
        <translation>
            <numerusform>%1 への書き込みが完了しました (%n ブロック)。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureReading</name>
    <message>
        <source>Reading pictures…</source>
        <translation>画像を読み込み中…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>No document is open: there is nothing to play.</source>
        <translation>ドキュメントが開かれていません。再生するものがありません。</translation>
    </message>
    <message>
        <source>Playing at %1 frames per second</source>
        <translation>毎秒 %1 フレームで再生中</translation>
    </message>
    <message>
        <source>Playback stopped.</source>
        <translation>再生を停止しました。</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after 1 frame.</source>
        <translation>1 フレームでプログラムの末尾に達し、再生を終了しました。</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after %1 frames.</source>
        <translation>%1 フレームでプログラムの末尾に達し、再生を終了しました。</translation>
    </message>
    <message>
        <source>the program reached a Stop</source>
        <translation>プログラムが停止に達しました</translation>
    </message>
    <message>
        <source>a Return without a Call</source>
        <translation>呼び出しのない戻り</translation>
    </message>
    <message>
        <source>the program ran past the end of the panel&apos;s memory</source>
        <translation>プログラムがパネルのメモリの末尾を越えました</translation>
    </message>
    <message>
        <source>the program loops without showing a frame</source>
        <translation>プログラムがフレームを表示せずにループしています</translation>
    </message>
    <message>
        <source>calls nested too deep</source>
        <translation>呼び出しの入れ子が深すぎます</translation>
    </message>
    <message>
        <source>an unknown command</source>
        <translation>不明なコマンド</translation>
    </message>
    <message>
        <source>Playback held after %1 frames: %2 (%3).</source>
        <translation>%1 フレームで再生が止まりました: %2 (%3)。</translation>
    </message>
</context>
<context>
    <name>PortFleet</name>
    <message>
        <source>empty port name</source>
        <translation>ポート名が空です</translation>
    </message>
    <message>
        <source>port %1 named twice</source>
        <translation>ポート %1 が 2 回指定されています</translation>
    </message>
    <message>
        <source>ports %1 and %2 are the same device</source>
        <translation>ポート %1 と %2 は同じデバイスです</translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s): %1 passed, %2 failed</source>
        <translation>
            <numerusform>%n 台: 合格 %1、不合格 %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortUnit</name>
    <message>
        <source>the flashing process stopped unexpectedly</source>
        <translation>書き込み処理が予期せず停止しました</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>終了ステータス %1</translation>
    </message>
</context>
<context>
    <name>PortWatch</name>
    <message>
        <source>%1: skipped, the same device as %2</source>
        <translation>%1: %2 と同じデバイスのためスキップ</translation>
    </message>
</context>
<context>
    <name>ProgramWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>フレーム:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>長さ:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>%1 s at %2 fps</source>
        <translation>%1 秒 (%2 fps)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>QAction</name>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>全体を表示</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>表</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>裏</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>シンプル</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Adjacent</source>
        <translation>隣接</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>アニメート</translation>
    </message>
    <message>
        <source>Serial port setup...</source>
        <translation>シリアル ポートの設定...</translation>
    </message>
    <message>
        <source>Compile and Write...</source>
        <translation>コンパイルして書き込み...</translation>
    </message>
    <message>
        <source>Update firmware...</source>
        <translation>ファームウェアの更新...</translation>
    </message>
    <message>
        <source>Production station...</source>
        <translation>生産ステーション...</translation>
    </message>
    <message>
        <source>Animate panel</source>
        <translation>パネルをアニメート</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 を追加</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 を削除</translation>
    </message>
    <message>
        <source>Remove %1 Items</source>
        <translation>%1 個の項目を削除</translation>
    </message>
    <message>
        <source>Invalid XML root element or version.</source>
        <translation>XML のルート要素またはバージョンが無効です。</translation>
    </message>
    <message>
        <source>The file holds more than %1 frames; a document takes at most %1.</source>
        <translation>ファイルに %1 を超えるフレームがあります。ドキュメントに入るのは最大 %1 フレームです。</translation>
    </message>
    <message>
        <source>The file holds more commands than a document can take.</source>
        <translation>ファイルに、ドキュメントに入る数より多くのコマンドがあります。</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Recent Files</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Clear recent files</source>
        <translation>最近使ったファイルをクリア</translation>
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
        <translation>レシピ %1 がありません</translation>
    </message>
    <message>
        <source>%1 is not a recipe: a recipe is a small text file</source>
        <translation>%1 はレシピではありません。レシピは小さなテキスト ファイルです</translation>
    </message>
    <message>
        <source>recipe %1 is not a readable INI file</source>
        <translation>レシピ %1 は読み込める INI ファイルではありません</translation>
    </message>
    <message>
        <source>recipe %1 has a bad %2</source>
        <translation>レシピ %1 の %2 が不正です</translation>
    </message>
    <message>
        <source>cannot write recipe %1</source>
        <translation>レシピ %1 を書き込めません</translation>
    </message>
</context>
<context>
    <name>RecipeCheck</name>
    <message>
        <source>unknown model %1 (known: %2, %3)</source>
        <translation>不明なモデル %1 (既知: %2、%3)</translation>
    </message>
    <message>
        <source>unknown controller %1 (known: %2)</source>
        <translation>不明なコントローラー %1 (既知: %2)</translation>
    </message>
    <message>
        <source>no port to watch: the recipe names no Watch glob</source>
        <translation>監視するポートがありません。レシピに Watch のパターンがありません</translation>
    </message>
    <message>
        <source>program %1 changed: the recipe expects CRC %2, the file has %3</source>
        <translation>プログラム %1 が変更されています。レシピの CRC は %2、ファイルの CRC は %3 です</translation>
    </message>
    <message>
        <source>log %1 is the recipe&apos;s own file %2: name a log file of its own</source>
        <translation>ログ %1 はレシピ自体のファイル %2 です。専用のログ ファイルを指定してください</translation>
    </message>
    <message>
        <source>log %1 cannot be appended to: %2</source>
        <translation>ログ %1 に追記できません: %2</translation>
    </message>
    <message>
        <source>log %1 has the columns of an older version: name a new log file in the recipe</source>
        <translation>ログ %1 の列は古いバージョンのものです。レシピで新しいログ ファイルを指定してください</translation>
    </message>
    <message>
        <source>firmware %1 changed: the recipe expects digest %2, the file has %3</source>
        <translation>ファームウェア %1 が変更されています。レシピのダイジェストは %2、ファイルのダイジェストは %3 です</translation>
    </message>
    <message>
        <source>firmware %1 is missing</source>
        <translation>ファームウェア %1 がありません</translation>
    </message>
    <message>
        <source>firmware %1 is unreadable: %2</source>
        <translation>ファームウェア %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>firmware %1 is not a firmware image: %2</source>
        <translation>ファームウェア %1 はファームウェア イメージではありません: %2</translation>
    </message>
    <message>
        <source>firmware %1 does not fit %2: it writes %3, outside %4</source>
        <translation>ファームウェア %1 は %2 に適合しません。%4 の範囲外の %3 に書き込みます</translation>
    </message>
    <message>
        <source>firmware %1 writes the interrupt vectors, which the recipe does not allow</source>
        <translation>ファームウェア %1 は割り込みベクターに書き込みますが、レシピで許可されていません</translation>
    </message>
    <message>
        <source>program %1 is missing</source>
        <translation>プログラム %1 がありません</translation>
    </message>
    <message>
        <source>program %1 is not a panel document</source>
        <translation>プログラム %1 はパネル ドキュメントではありません</translation>
    </message>
    <message>
        <source>program %1 is for %2, not %3</source>
        <translation>プログラム %1 は %3 用ではなく %2 用です</translation>
    </message>
    <message>
        <source>program %1 is unreadable: %2</source>
        <translation>プログラム %1 を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>RecipeDialog</name>
    <message>
        <source>Recipe</source>
        <translation>レシピ</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>モデル(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Station name:</source>
        <translation>ステーション名(&amp;S):</translation>
    </message>
    <message>
        <source>The host name when empty</source>
        <translation>空の場合はホスト名</translation>
    </message>
    <message>
        <source>&amp;Firmware:</source>
        <translation>ファームウェア(&amp;F):</translation>
    </message>
    <message>
        <source>The firmware image written first (Intel HEX or TI-TXT)</source>
        <translation>最初に書き込むファームウェア イメージ (Intel HEX または TI-TXT)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>The firmware may write the &amp;interrupt vectors</source>
        <translation>ファームウェアによる割り込みベクターへの書き込みを許可(&amp;I)</translation>
    </message>
    <message>
        <source>Light &amp;program:</source>
        <translation>ライト プログラム(&amp;P):</translation>
    </message>
    <message>
        <source>The panel document whose program is written last</source>
        <translation>最後にプログラムを書き込むパネル ドキュメント</translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation>ボー レート(&amp;B):</translation>
    </message>
    <message>
        <source>Ports to &amp;watch:</source>
        <translation>監視するポート(&amp;W):</translation>
    </message>
    <message>
        <source>One pattern per line, /dev/ttyUSB*</source>
        <translation>1 行に 1 パターン、/dev/ttyUSB*</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>ログ ファイル(&amp;L):</translation>
    </message>
    <message>
        <source>The CSV file each unit is appended to; the shift totals go beside it</source>
        <translation>各ユニットを追記する CSV ファイル。シフト集計はその隣に保存されます</translation>
    </message>
    <message>
        <source>Show a &amp;test pattern and ask the operator whether every LED is lit</source>
        <translation>テスト パターンを表示し、すべての LED が点灯しているかオペレーターに確認(&amp;T)</translation>
    </message>
    <message>
        <source>Ask for each unit&apos;s &amp;serial number before it starts</source>
        <translation>開始前に各ユニットのシリアル番号を入力させる(&amp;S)</translation>
    </message>
    <message>
        <source>color: #c00000; font-weight: bold</source>
        <translation>color: #c00000; font-weight: bold</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>Firmware images (*.hex *.ihex *.txt);;All files (*)</source>
        <translation>ファームウェア イメージ (*.hex *.ihex *.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Light program</source>
        <translation>ライト プログラム</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>パネル ドキュメント (*.xml);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Unit log</source>
        <translation>ユニット ログ</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>New recipe</source>
        <translation>新しいレシピ</translation>
    </message>
    <message>
        <source>Recipe %1</source>
        <translation>レシピ %1</translation>
    </message>
    <message>
        <source>This recipe cannot start a station: %1.</source>
        <translation>このレシピではステーションを開始できません: %1。</translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation>レシピの保存</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>ステーション レシピ (*.ini);;すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>ResetWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>ReturnWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>RingLanesView</name>
    <message>
        <source>Line</source>
        <translation>線</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>合わせる</translation>
    </message>
    <message>
        <source>Fit the lanes into the width of the view</source>
        <translation>レーンをビューの幅に合わせる</translation>
    </message>
    <message>
        <source>Drag to draw; Shift+drag draws a line (Alt: the long way round); Ctrl+drag selects; Ctrl+wheel zooms; click a frame number to make it current</source>
        <translation>ドラッグで描画、Shift+ドラッグで線を描画 (Alt: 遠回り)、Ctrl+ドラッグで選択、Ctrl+ホイールで拡大縮小、フレーム番号をクリックで現在のフレームに設定</translation>
    </message>
    <message>
        <source>Ring lanes</source>
        <translation>リング レーン</translation>
    </message>
    <message>
        <source>Drag draws a line of one LED per frame (Alt: the long way round)</source>
        <translation>ドラッグで、フレームごとに LED 1 個の線を描画 (Alt: 遠回り)</translation>
    </message>
    <message>
        <source>Drag selects a block to copy, clear or move with Alt+arrows</source>
        <translation>ドラッグで、コピー、クリア、または Alt+矢印キーで移動するブロックを選択</translation>
    </message>
    <message>
        <source>Draw on the lanes</source>
        <translation>レーン上で描画</translation>
    </message>
    <message>
        <source>Draw a line</source>
        <translation>線を描画</translation>
    </message>
    <message>
        <source>Cut on the lanes</source>
        <translation>レーン上で切り取り</translation>
    </message>
    <message>
        <source>Clear on the lanes</source>
        <translation>レーン上でクリア</translation>
    </message>
    <message>
        <source>Paste on the lanes</source>
        <translation>レーン上で貼り付け</translation>
    </message>
    <message>
        <source>Move on the lanes</source>
        <translation>レーン上で移動</translation>
    </message>
    <message>
        <source>on</source>
        <translation>点灯</translation>
    </message>
    <message>
        <source>off</source>
        <translation>消灯</translation>
    </message>
    <message>
        <source>%1, frame %2, %3</source>
        <translation>%1、フレーム %2、%3</translation>
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
        <translation>ファームウェア イメージ:</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>参照 ...</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>シリアル ポート:</translation>
    </message>
    <message>
        <source>Select ...</source>
        <translation>選択 ...</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>進行状況:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>書き込み</translation>
    </message>
</context>
<context>
    <name>RomwrightPrivate</name>
    <message>
        <source>Flashing...</source>
        <translation>書き込み中...</translation>
    </message>
    <message>
        <source>Romwright</source>
        <translation>Romwright</translation>
    </message>
    <message>
        <source>Flashing is in progress. Stop it and leave the device without a valid application?</source>
        <translation>書き込み中です。中止して、デバイスを有効なアプリケーションのない状態にしますか?</translation>
    </message>
    <message>
        <source>Select port!</source>
        <translation>ポートを選択してください!</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>MSP430 app (*.txt);;Intel HEX (*.hex *.ihex);;All files (*)</source>
        <translation>MSP430 アプリ (*.txt);;Intel HEX (*.hex *.ihex);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Unknown MPU!</source>
        <translation>不明な MPU です!</translation>
    </message>
    <message>
        <source>Flashing succeeded</source>
        <translation>書き込みに成功しました</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>SequenceFile</name>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 はシーケンス ファイルではありません。</translation>
    </message>
    <message>
        <source>%1 holds more than %2 LED frames.</source>
        <translation>%1 には %2 を超える LED フレームがあります。</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>ファイル %1 を読み込めません:
%2。</translation>
    </message>
    <message>
        <source>%1 cannot be imported. The file holds no frames.</source>
        <translation>%1 はインポートできません。ファイルにフレームがありません。</translation>
    </message>
    <message>
        <source>LED panel Sequence (*.csv);;All files (*)</source>
        <translation>LED パネル シーケンス (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>ファイル %1 に書き込めません:
%2。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>シーケンスのインポート</translation>
    </message>
</context>
<context>
    <name>SerialPortDialog</name>
    <message>
        <source>Serial port</source>
        <translation>シリアル ポート</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート:</translation>
    </message>
    <message>
        <source>Pick a port or type any device path, such as a stable /dev/serial/by-id/ name.</source>
        <translation>ポートを選択するか、/dev/serial/by-id/ の固定名などのデバイス パスを入力してください。</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>ボー レート:</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>データ ビット:</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>ストップ ビット:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>パリティ:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>なし</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶数</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇数</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>スペース</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>マーク</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>シリアル %1</translation>
    </message>
</context>
<context>
    <name>ShiftTotals</name>
    <message>
        <source>%1: %2 passed, %3 failed, yield %4 %, %5 units/h</source>
        <translation>%1: 合格 %2、不合格 %3、歩留まり %4 %、%5 台/時</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>キーボード ショートカット</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>ShowLength</name>
    <message>
        <source>The Program&apos;s frames and how long they play at the playback speed</source>
        <translation>プログラムのフレーム数と、再生速度での再生時間</translation>
    </message>
    <message>
        <source>%1, %2 s at %3 per second</source>
        <translation>%1、%2 秒 (毎秒 %3)</translation>
    </message>
</context>
<context>
    <name>StationBanner</name>
    <message>
        <source>Recipe</source>
        <translation>レシピ</translation>
    </message>
    <message>
        <source>Firmware and program</source>
        <translation>ファームウェアとプログラム</translation>
    </message>
    <message>
        <source>Ports and log</source>
        <translation>ポートとログ</translation>
    </message>
    <message>
        <source>Shift totals</source>
        <translation>シフト集計</translation>
    </message>
    <message>
        <source>Recipe %1: %2</source>
        <translation>レシピ %1: %2</translation>
    </message>
    <message>
        <source>Firmware %1 (sha256 %2)    Program %3 (CRC %4)</source>
        <translation>ファームウェア %1 (sha256 %2)    プログラム %3 (CRC %4)</translation>
    </message>
    <message>
        <source>Ports %1    Log %2</source>
        <translation>ポート %1    ログ %2</translation>
    </message>
</context>
<context>
    <name>StationRun</name>
    <message>
        <source>cannot copy %1 for the station</source>
        <translation>ステーション用に %1 をコピーできません</translation>
    </message>
    <message>
        <source>firmware %1 cannot be read</source>
        <translation>ファームウェア %1 を読み込めません</translation>
    </message>
    <message>
        <source>a serial number is required</source>
        <translation>シリアル番号が必要です</translation>
    </message>
    <message>
        <source>%1 has passed before: %2</source>
        <translation>%1 は以前に合格しています: %2</translation>
    </message>
    <message>
        <source>%1 cannot be looked up in the log: %2</source>
        <translation>ログで %1 を検索できません: %2</translation>
    </message>
    <message>
        <source>%1 is in use on %2</source>
        <translation>%1 は %2 で使用中です</translation>
    </message>
    <message>
        <source>no unit on %1</source>
        <translation>%1 にユニットがありません</translation>
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
        <translation>終了</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>パネル生産ステーション</translation>
    </message>
    <message>
        <source>Open the recipe this station makes its units by, or make a new one.</source>
        <translation>このステーションでユニットを製造するためのレシピを開くか、新しく作成してください。</translation>
    </message>
    <message>
        <source>Open recipe...</source>
        <translation>レシピを開く...</translation>
    </message>
    <message>
        <source>New recipe...</source>
        <translation>新しいレシピ...</translation>
    </message>
    <message>
        <source>Recipe refused</source>
        <translation>レシピが拒否されました</translation>
    </message>
    <message>
        <source>The recipe %1 cannot start the station.</source>
        <translation>レシピ %1 ではステーションを開始できません。</translation>
    </message>
    <message>
        <source>Edit recipe...</source>
        <translation>レシピを編集...</translation>
    </message>
    <message>
        <source>Open another...</source>
        <translation>別のレシピを開く...</translation>
    </message>
    <message>
        <source>Open recipe</source>
        <translation>レシピを開く</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>ステーション レシピ (*.ini);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>オペレーター</translation>
    </message>
    <message>
        <source>Your name, for the unit log:</source>
        <translation>ユニット ログ用のお名前:</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Shift written to %1</source>
        <translation>シフトを %1 に書き込みました</translation>
    </message>
    <message>
        <source>Station not started</source>
        <translation>ステーションが開始されていません</translation>
    </message>
    <message>
        <source>No unit yet: plug a panel into a port the recipe watches.</source>
        <translation>ユニットはまだありません。レシピが監視するポートにパネルを接続してください。</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>パネル生産ステーション</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>ステーション(&amp;S)</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>End shift...</source>
        <translation>シフトを終了...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>シリアル番号:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Scan or type, then Enter</source>
        <translation>スキャンまたは入力して Enter</translation>
    </message>
    <message>
        <source>%1 goes to the next unit</source>
        <translation>%1 は次のユニットに使用されます</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No unit waits for a verdict.</source>
        <translation>判定待ちのユニットはありません。</translation>
    </message>
    <message>
        <source>%1 - Panel Production Station</source>
        <translation>%1 - パネル生産ステーション</translation>
    </message>
    <message>
        <source>End shift</source>
        <translation>シフトの終了</translation>
    </message>
    <message>
        <source>End the shift now? Its totals go to the shift file and the counts start again.

%1</source>
        <translation>シフトを今終了しますか? 集計はシフト ファイルに書き込まれ、カウントはリセットされます。

%1</translation>
    </message>
    <message>
        <source>Units are running</source>
        <translation>ユニットが実行中です</translation>
    </message>
    <message>
        <source>Still on the station: %1. Let them finish, cancel them, or keep the station running?</source>
        <translation>まだステーション上にあります: %1。完了を待ちますか、キャンセルしますか、それともステーションの実行を続けますか?</translation>
    </message>
    <message>
        <source>Let them finish</source>
        <translation>完了を待つ</translation>
    </message>
    <message>
        <source>Cancel units</source>
        <translation>ユニットをキャンセル</translation>
    </message>
    <message>
        <source>Keep running</source>
        <translation>実行を続ける</translation>
    </message>
    <message>
        <source>The station closes once the units have ended.</source>
        <translation>ユニットが終了するとステーションを閉じます。</translation>
    </message>
</context>
<context>
    <name>StopWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>TestPattern</name>
    <message>
        <source>no test pattern for the unknown model %1</source>
        <translation>不明なモデル %1 用のテスト パターンはありません</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>テスト パターン</translation>
    </message>
    <message>
        <source>the test pattern takes %1 bytes, more than the panel&apos;s %2</source>
        <translation>テスト パターンは %1 バイトで、パネルの %2 バイトを超えています</translation>
    </message>
</context>
<context>
    <name>TiTxtReader</name>
    <message>
        <source>address %1 is not a hexadecimal number</source>
        <translation>アドレス %1 は 16 進数ではありません</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>アドレス %1 は 24 ビットのアドレス空間を超えています</translation>
    </message>
    <message>
        <source>%1 is not a hexadecimal number</source>
        <translation>%1 は 16 進数ではありません</translation>
    </message>
    <message>
        <source>value %1 is not a byte</source>
        <translation>値 %1 はバイトではありません</translation>
    </message>
    <message>
        <source>data runs past the 24-bit address space</source>
        <translation>データが 24 ビットのアドレス空間を越えています</translation>
    </message>
</context>
<context>
    <name>UnitSequence</name>
    <message>
        <source>Not every LED lit in the test</source>
        <translation>テストで点灯しない LED がありました</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>Unplugged during %1</source>
        <translation>%1 中に取り外されました</translation>
    </message>
    <message>
        <source>Unplugged during %1 (%2 %)</source>
        <translation>%1 中に取り外されました (%2 %)</translation>
    </message>
    <message>
        <source>No answer during %1</source>
        <translation>%1 中に応答がありません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>program</source>
        <translation>プログラム</translation>
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
        <translation>ポート</translation>
    </message>
    <message>
        <source>Time in this step</source>
        <translation>このステップの経過時間</translation>
    </message>
    <message>
        <source>Unit serial number</source>
        <translation>ユニットのシリアル番号</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Question to the operator</source>
        <translation>オペレーターへの質問</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>Test: look at the panel</source>
        <translation>テスト: パネルを確認</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>テスト パターン</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>FAIL: %1</source>
        <translation>不合格: %1</translation>
    </message>
    <message>
        <source>Serial %1</source>
        <translation>シリアル %1</translation>
    </message>
    <message>
        <source>Every LED lit? Pass&#xa0;(P) / Fail&#xa0;(F)</source>
        <translation>全 LED 点灯? 合格&#xa0;(P) / 不合格&#xa0;(F)</translation>
    </message>
    <message>
        <source>Scan or type the serial number</source>
        <translation>シリアル番号をスキャンまたは入力</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Report pane</source>
        <translation>レポート ペイン</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>全体を表示</translation>
    </message>
    <message>
        <source>Show or hide the pane of reports below the document</source>
        <translation>ドキュメントの下のレポート ペインを表示または非表示</translation>
    </message>
    <message>
        <source>Show the whole board</source>
        <translation>ボード全体を表示</translation>
    </message>
    <message>
        <source>Tool bars</source>
        <translation>ツール バー</translation>
    </message>
</context>
</TS>
