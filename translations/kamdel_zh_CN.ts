<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>分段 LED 面板编辑器</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Version 
</source>
        <translation>版本 
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
        <translation>打开</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 已被修改。
是否保存更改？</translation>
    </message>
</context>
<context>
    <name>AbstractLedPanelScene</name>
    <message>
        <source>Paint</source>
        <translation>绘制</translation>
    </message>
    <message>
        <source>Ring %1, position %2</source>
        <translation>环 %1，位置 %2</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>环 %1</translation>
    </message>
    <message>
        <source>%1, on</source>
        <translation>%1，亮</translation>
    </message>
    <message>
        <source>%1, off</source>
        <translation>%1，灭</translation>
    </message>
</context>
<context>
    <name>AnimationExport</name>
    <message>
        <source>The program shows no frame.</source>
        <translation>该程序不显示任何帧。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>AnimationImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (%2).</source>
        <translation>%1 已截断或已损坏（%2）。</translation>
    </message>
    <message>
        <source>%1 is %2 x %3 pixels; pictures up to %4 x %4 pixels can be imported.</source>
        <translation>%1 为 %2 x %3 像素；只能导入不超过 %4 x %4 像素的图片。</translation>
    </message>
    <message>
        <source>%1 holds more frames than can be imported (at most %2).</source>
        <translation>%1 包含的帧数超过可导入的上限（最多 %2）。</translation>
    </message>
    <message>
        <source>%1 holds too many pixels to import.</source>
        <translation>%1 包含的像素过多，无法导入。</translation>
    </message>
    <message>
        <source>Not enough memory to read %1.</source>
        <translation>内存不足，无法读取 %1。</translation>
    </message>
    <message>
        <source>%1 is a progressive JPEG of %2 scans; at most %3 are read.</source>
        <translation>%1 是包含 %2 次扫描的渐进式 JPEG；最多读取 %3 次。</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it has no pixels).</source>
        <translation>%1 已截断或已损坏（没有像素）。</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (a frame has no colours).</source>
        <translation>%1 已截断或已损坏（某一帧没有颜色）。</translation>
    </message>
    <message>
        <source>%1 holds no picture.</source>
        <translation>%1 不包含图片。</translation>
    </message>
    <message>
        <source>Pictures (*.gif *.png *.jpg *.jpeg *.bmp);;All files (*)</source>
        <translation>图片 (*.gif *.png *.jpg *.jpeg *.bmp);;所有文件 (*)</translation>
    </message>
    <message>
        <source>No picture was given.</source>
        <translation>未指定图片。</translation>
    </message>
    <message>
        <source>%1 is a link that leads nowhere.</source>
        <translation>%1 是一个指向不存在目标的链接。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 不是图片文件。</translation>
    </message>
    <message>
        <source>%1 is too large to import.</source>
        <translation>%1 太大，无法导入。</translation>
    </message>
    <message>
        <source>%1 is not a picture: GIF, PNG, JPEG and BMP pictures can be imported.</source>
        <translation>%1 不是图片：只能导入 GIF、PNG、JPEG 和 BMP 图片。</translation>
    </message>
    <message>
        <source>%1 is truncated or corrupt (it ends too early).</source>
        <translation>%1 已截断或已损坏（过早结束）。</translation>
    </message>
</context>
<context>
    <name>BoardLegend</name>
    <message>
        <source>Board legend</source>
        <translation>灯板图例</translation>
    </message>
    <message>
        <source>Yellow: the LED is on in the frame shown.</source>
        <translation>黄色：该 LED 在当前显示的帧中为亮。</translation>
    </message>
    <message>
        <source>Dark grey: the LED is off in the frame shown.</source>
        <translation>深灰色：该 LED 在当前显示的帧中为灭。</translation>
    </message>
    <message>
        <source>Blue left half ring: the LED is on in the previous frame.</source>
        <translation>蓝色左半环：该 LED 在上一帧中为亮。</translation>
    </message>
    <message>
        <source>Red right half ring: the LED is on in the next frame.</source>
        <translation>红色右半环：该 LED 在下一帧中为亮。</translation>
    </message>
    <message>
        <source>Both halves: on before and after; here also on in the frame shown.</source>
        <translation>两个半环：前后帧中均为亮；此处在当前显示的帧中也为亮。</translation>
    </message>
    <message>
        <source>The half rings show while Adjacent is ticked in the board&apos;s menu (right click on the board). A frame without a frame before or after it shows only one half.</source>
        <translation>勾选灯板菜单（在灯板上单击右键）中的“相邻帧”时显示半环。前面或后面没有帧的帧只显示一个半环。</translation>
    </message>
</context>
<context>
    <name>CallWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
</context>
<context>
    <name>CommandTreeMenu</name>
    <message>
        <source>Collection</source>
        <translation>函数</translation>
    </message>
    <message>
        <source>LedState</source>
        <translation>LED 状态</translation>
    </message>
    <message>
        <source>LedStates</source>
        <translation>LED 状态组</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>调用</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>删除项</translation>
    </message>
    <message>
        <source>Edit as table</source>
        <translation>以表格编辑</translation>
    </message>
    <message>
        <source>Cut Frames</source>
        <translation>剪切帧</translation>
    </message>
    <message>
        <source>Copy Frames</source>
        <translation>复制帧</translation>
    </message>
    <message>
        <source>Paste Frames</source>
        <translation>粘贴帧</translation>
    </message>
    <message>
        <source>Import sequence...</source>
        <translation>导入序列...</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>导入动画...</translation>
    </message>
    <message>
        <source>Export sequence...</source>
        <translation>导出序列...</translation>
    </message>
</context>
<context>
    <name>CommandTreeView</name>
    <message>
        <source>Insert LedState items</source>
        <translation>插入 LED 状态项</translation>
    </message>
    <message>
        <source>Append LedState items</source>
        <translation>追加 LED 状态项</translation>
    </message>
    <message>
        <source>Insert %1 Frames</source>
        <translation>插入 %1 帧</translation>
    </message>
    <message>
        <source>Append %1 Frames</source>
        <translation>追加 %1 帧</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>数量:</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%n frame(s)</source>
        <translation>
            <numerusform>%n 帧</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation>
            <numerusform>%n 个单元</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>描述:</translation>
    </message>
</context>
<context>
    <name>DocumentEdits</name>
    <message>
        <source>Set LED</source>
        <translation>设置 LED</translation>
    </message>
    <message>
        <source>Edit LEDs</source>
        <translation>编辑 LED</translation>
    </message>
    <message>
        <source>The document would hold %L1 frames; a document holds at most %L2.</source>
        <translation>文档将包含 %L1 帧；一个文档最多包含 %L2 帧。</translation>
    </message>
</context>
<context>
    <name>DocumentHost</name>
    <message>
        <source>The recovery copy of %1 cannot be read. It is kept at %2.</source>
        <translation>无法读取 %1 的恢复副本。副本保存在 %2。</translation>
    </message>
    <message>
        <source>The recovery copy of %1 could be read only in part; what was read is shown. The copy is kept at %2.</source>
        <translation>%1 的恢复副本只能读取一部分；已显示读取到的内容。副本保存在 %2。</translation>
    </message>
    <message>
        <source>Document loaded</source>
        <translation>文档已加载</translation>
    </message>
    <message>
        <source>Example opened</source>
        <translation>示例已打开</translation>
    </message>
    <message>
        <source>Unknown file %1!</source>
        <translation>未知文件 %1！</translation>
    </message>
    <message>
        <source>Document saved</source>
        <translation>文档已保存</translation>
    </message>
</context>
<context>
    <name>DropHandler</name>
    <message>
        <source>Drop to open %1.</source>
        <translation>放下以打开 %1。</translation>
    </message>
    <message>
        <source>Drop to add the frames of %1 after the current frame.</source>
        <translation>放下以将 %1 的帧添加到当前帧之后。</translation>
    </message>
    <message>
        <source>Open or create a document first to add the frames of %1.</source>
        <translation>请先打开或新建文档，再添加 %1 的帧。</translation>
    </message>
    <message>
        <source>The window takes a panel document (.xml) to open, or a sequence file (.csv) whose frames go after the current frame.</source>
        <translation>窗口可接受要打开的面板文档 (.xml)，或序列文件 (.csv)，其帧将放在当前帧之后。</translation>
    </message>
    <message>
        <source>Added %1 LED frames from %2.</source>
        <translation>已从 %2 添加 %1 个 LED 帧。</translation>
    </message>
    <message>
        <source>This cannot be dropped here.</source>
        <translation>无法放在此处。</translation>
    </message>
    <message>
        <source>%1 cannot be dropped here.</source>
        <translation>%1 无法放在此处。</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>无法读取文件 %1：
%2。</translation>
    </message>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 不是序列文件。</translation>
    </message>
    <message>
        <source>The document takes no frames.</source>
        <translation>该文档不接受帧。</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>导入序列</translation>
    </message>
    <message>
        <source>The document has no program to take the frames.</source>
        <translation>该文档没有可接收帧的程序。</translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>The editor did not end normally while %1 had unsaved changes.
Restore the copy kept at %2?

Cancel keeps the copy for the next start.</source>
        <translation>编辑器未正常结束，当时 %1 有未保存的更改。
是否恢复保存在 %2 的副本？

选择“取消”将保留副本，供下次启动时使用。</translation>
    </message>
    <message>
        <source>A program is being written to the panel.
Stop writing and close? The panel then holds an incomplete program.</source>
        <translation>正在向面板写入程序。
停止写入并关闭？面板中将留下不完整的程序。</translation>
    </message>
</context>
<context>
    <name>Effects</name>
    <message>
        <source>The number of frames must lie between 1 and %1.</source>
        <translation>帧数必须介于 1 和 %1 之间。</translation>
    </message>
    <message>
        <source>The number of heads must divide 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 or 48).</source>
        <translation>头数必须能整除 48（1、2、3、4、6、8、12、16、24 或 48）。</translation>
    </message>
    <message>
        <source>The length must lie between 1 and %1 (48 / heads).</source>
        <translation>长度必须介于 1 和 %1（48 / 头数）之间。</translation>
    </message>
    <message>
        <source>The direction must be 1 or -1.</source>
        <translation>方向必须为 1 或 -1。</translation>
    </message>
    <message>
        <source>The LEDs per frame must be at least 1.</source>
        <translation>每帧 LED 数至少为 1。</translation>
    </message>
    <message>
        <source>The width must lie between 1 and 4 rings.</source>
        <translation>宽度必须介于 1 到 4 个环之间。</translation>
    </message>
    <message>
        <source>There is no frame to start from: show one on the board.</source>
        <translation>没有起始帧：请在灯板上显示一帧。</translation>
    </message>
    <message>
        <source>There is no frame to end at.</source>
        <translation>没有结束帧。</translation>
    </message>
    <message>
        <source>The number of blinks must lie between 1 and %1.</source>
        <translation>闪烁次数必须介于 1 和 %1 之间。</translation>
    </message>
    <message>
        <source>The density must lie between 0 and 100 percent.</source>
        <translation>密度必须介于 0 到 100% 之间。</translation>
    </message>
    <message>
        <source>Turned by %1 positions the frame looks the same: the spin has no frames.</source>
        <translation>旋转 %1 个位置后该帧看起来相同：旋转效果没有帧。</translation>
    </message>
    <message>
        <source>Unknown effect.</source>
        <translation>未知效果。</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>追逐</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>波纹</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>溶解</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>星光闪烁</translation>
    </message>
</context>
<context>
    <name>ExamplesMenu</name>
    <message>
        <source>Comet and fill</source>
        <translation>彗星与填充</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>心跳</translation>
    </message>
    <message>
        <source>Starfield</source>
        <translation>星空</translation>
    </message>
    <message>
        <source>Comet slowing over a drawn ring</source>
        <translation>在绘制的环上减速的彗星</translation>
    </message>
    <message>
        <source>Progress ring</source>
        <translation>进度环</translation>
    </message>
    <message>
        <source>Ripple pulse</source>
        <translation>波纹脉冲</translation>
    </message>
    <message>
        <source>Dissolve between patterns</source>
        <translation>在图案之间溶解</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>示例</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Open the example as a new document</source>
        <translation>将示例作为新文档打开</translation>
    </message>
</context>
<context>
    <name>ExportAnimationDialog</name>
    <message>
        <source>Export animation</source>
        <translation>导出动画</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>帧数:</translation>
    </message>
    <message>
        <source>How many frames to draw; at most 1000</source>
        <translation>要绘制的帧数；最多 1000</translation>
    </message>
    <message>
        <source>Until the program holds or repeats</source>
        <translation>直到程序停住或重复</translation>
    </message>
    <message>
        <source>Time per frame:</source>
        <translation>每帧时间:</translation>
    </message>
    <message>
        <source>Most viewers show shorter times than 20 ms much slower, so 20 ms is the shortest</source>
        <translation>大多数查看器显示短于 20 ms 的时间时会慢得多，因此最短为 20 ms</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>尺寸:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Seen from:</source>
        <translation>观察方向:</translation>
    </message>
    <message>
        <source>Top side</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Bottom side</source>
        <translation>背面</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>No document is open: there is nothing to import into.</source>
        <translation>没有打开的文档：无处可导入。</translation>
    </message>
    <message>
        <source>%1 frames imported</source>
        <translation>已导入 %1 帧</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to export.</source>
        <translation>没有打开的文档：没有可导出的内容。</translation>
    </message>
    <message>
        <source>Export animation</source>
        <translation>导出动画</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF 动画 (*.gif)</translation>
    </message>
    <message>
        <source>%1 frames exported to %2</source>
        <translation>已将 %1 帧导出到 %2</translation>
    </message>
    <message>
        <source>No frame is shown: pick one in the tree.</source>
        <translation>未显示帧：请在树中选择一帧。</translation>
    </message>
    <message>
        <source>Export frame as PNG</source>
        <translation>将帧导出为 PNG</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>Frame exported to %1</source>
        <translation>帧已导出到 %1</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>The firmware file does not exist.</source>
        <translation>固件文件不存在。</translation>
    </message>
    <message>
        <source>The firmware file is not a regular file (it is a folder, a device or a pipe).</source>
        <translation>固件文件不是普通文件（而是文件夹、设备或管道）。</translation>
    </message>
    <message>
        <source>The firmware file is larger than 16 MiB, more than any device holds.</source>
        <translation>固件文件大于 16 MiB，超过任何设备的容量。</translation>
    </message>
    <message>
        <source>Cannot read the firmware file: %1.</source>
        <translation>无法读取固件文件：%1。</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>more data than any device holds (over 2.25 MiB)</source>
        <translation>数据超过任何设备的容量（超过 2.25 MiB）</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>You may need to be a member of the group &quot;%1&quot; that owns %2 (log in again after joining it).</source>
        <translation>您可能需要成为拥有 %2 的用户组“%1”的成员（加入后请重新登录）。</translation>
    </message>
    <message>
        <source>Serial port %1 (%2) is active!</source>
        <translation>串口 %1（%2）已激活！</translation>
    </message>
    <message>
        <source>Open serial port %1 (%2).</source>
        <translation>打开串口 %1（%2）。</translation>
    </message>
    <message>
        <source>Cannot open serial port %1! Error: %2</source>
        <translation>无法打开串口 %1！错误：%2</translation>
    </message>
    <message>
        <source>Enter MPU flasher.</source>
        <translation>进入 MPU 烧录模式。</translation>
    </message>
    <message>
        <source>Close serial port.</source>
        <translation>关闭串口。</translation>
    </message>
    <message>
        <source>Finished successfully!</source>
        <translation>成功完成！</translation>
    </message>
    <message>
        <source>Flashing canceled.</source>
        <translation>烧录已取消。</translation>
    </message>
    <message>
        <source>Finished with error!</source>
        <translation>完成，但出现错误！</translation>
    </message>
    <message>
        <source>The device holds no valid application now.</source>
        <translation>设备中现在没有有效的应用程序。</translation>
    </message>
    <message>
        <source>Its boot loader is still there: flash it again.</source>
        <translation>其引导加载程序仍然存在：请重新烧录。</translation>
    </message>
    <message>
        <source>The device was not changed.</source>
        <translation>设备未被更改。</translation>
    </message>
    <message>
        <source>Invalid device application code file!</source>
        <translation>无效的设备应用程序代码文件！</translation>
    </message>
    <message>
        <source>The file holds no data.</source>
        <translation>该文件不包含数据。</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>Address %1 lies outside the memory of the device (allowed: %2).</source>
        <translation>地址 %1 超出设备内存范围（允许：%2）。</translation>
    </message>
    <message>
        <source>The device was not touched.</source>
        <translation>未触及设备。</translation>
    </message>
    <message>
        <source>1 byte at %1</source>
        <translation>%1 处 1 个字节</translation>
    </message>
    <message>
        <source>%1 bytes at %2-%3</source>
        <translation>%2-%3 处 %1 个字节</translation>
    </message>
    <message>
        <source>The image writes %1, above the application, where the boot loader keeps the interrupt vectors. A boot loader that guards itself refuses them and flashing fails after the erase; one that does not may be overwritten.</source>
        <translation>该映像会写入 %1，位于应用程序之上、引导加载程序存放中断向量的位置。自我保护的引导加载程序会拒绝写入，烧录将在擦除后失败；不自我保护的引导加载程序则可能被覆盖。</translation>
    </message>
    <message>
        <source>Write them anyway?</source>
        <translation>仍然写入？</translation>
    </message>
    <message>
        <source>Verify device.</source>
        <translation>校验设备。</translation>
    </message>
    <message>
        <source>Invalid device version!</source>
        <translation>无效的设备版本！</translation>
    </message>
    <message>
        <source>Erase device.</source>
        <translation>擦除设备。</translation>
    </message>
    <message>
        <source>Cannot erase device!</source>
        <translation>无法擦除设备！</translation>
    </message>
    <message>
        <source>Write device application code.</source>
        <translation>写入设备应用程序代码。</translation>
    </message>
    <message>
        <source>Cannot flash device!</source>
        <translation>无法烧录设备！</translation>
    </message>
    <message>
        <source>Jump to the application.</source>
        <translation>跳转到应用程序。</translation>
    </message>
</context>
<context>
    <name>FrameEditor</name>
    <message>
        <source>Add frame</source>
        <translation>添加帧</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>Rotate clockwise</source>
        <translation>顺时针旋转</translation>
    </message>
    <message>
        <source>Rotate counter-clockwise</source>
        <translation>逆时针旋转</translation>
    </message>
    <message>
        <source>Mirror left-right</source>
        <translation>左右镜像</translation>
    </message>
    <message>
        <source>Mirror top-bottom</source>
        <translation>上下镜像</translation>
    </message>
    <message>
        <source>Rings outward</source>
        <translation>各环向外</translation>
    </message>
    <message>
        <source>Rings inward</source>
        <translation>各环向内</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制一份</translation>
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
        <translation>重复...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反转顺序</translation>
    </message>
    <message>
        <source>Ping-pong</source>
        <translation>往返</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>镜像</translation>
    </message>
    <message>
        <source>Rings Outward</source>
        <translation>各环向外</translation>
    </message>
    <message>
        <source>Rings Inward</source>
        <translation>各环向内</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>Copies of the current frame:</source>
        <translation>当前帧的副本数:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>Times to repeat the selected frames:</source>
        <translation>所选帧的重复次数:</translation>
    </message>
    <message>
        <source>nowhere: the document has no Program</source>
        <translation>无处可放：文档没有程序</translation>
    </message>
    <message>
        <source>at the start of %1</source>
        <translation>在 %1 的开头</translation>
    </message>
    <message>
        <source>at the end, after frame #%1</source>
        <translation>在末尾，第 #%1 帧之后</translation>
    </message>
    <message>
        <source>after frame #%1</source>
        <translation>在第 #%1 帧之后</translation>
    </message>
    <message>
        <source>Generate %1</source>
        <translation>生成 %1</translation>
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
        <translation>请选择要复制的 LED 帧。</translation>
    </message>
    <message>
        <source>Copied %1 LED frames.</source>
        <translation>已复制 %1 个 LED 帧。</translation>
    </message>
    <message>
        <source>Cut %1 Frames</source>
        <translation>剪切 %1 帧</translation>
    </message>
    <message>
        <source>The clipboard holds no LED frames.</source>
        <translation>剪贴板中没有 LED 帧。</translation>
    </message>
    <message>
        <source>Paste %1 Frames</source>
        <translation>粘贴 %1 帧</translation>
    </message>
    <message>
        <source>Pasted %1 LED frames.</source>
        <translation>已粘贴 %1 个 LED 帧。</translation>
    </message>
    <message>
        <source>Import sequence</source>
        <translation>导入序列</translation>
    </message>
    <message>
        <source>No LED frames found in %1.</source>
        <translation>在 %1 中未找到 LED 帧。</translation>
    </message>
    <message>
        <source>Imported %1 LED frames from %2.</source>
        <translation>已从 %2 导入 %1 个 LED 帧。</translation>
    </message>
    <message>
        <source>Export sequence</source>
        <translation>导出序列</translation>
    </message>
    <message>
        <source>Exported %1 LED frames to %2.</source>
        <translation>已将 %1 个 LED 帧导出到 %2。</translation>
    </message>
</context>
<context>
    <name>FunctionWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate frames</source>
        <translation>生成帧</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>预设:</translation>
    </message>
    <message>
        <source>Choose one to fill the page with its parameters</source>
        <translation>选择一个预设，用其参数填充本页</translation>
    </message>
    <message>
        <source>Save preset...</source>
        <translation>保存预设...</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>删除预设</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>类型:</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Chase</source>
        <translation>追逐</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>波纹</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>溶解</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>星光闪烁</translation>
    </message>
    <message>
        <source>Rings:</source>
        <translation>环:</translation>
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
        <translation>每帧位置数:</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>顺时针</translation>
    </message>
    <message>
        <source>Ease:</source>
        <translation>缓动:</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>匀速</translation>
    </message>
    <message>
        <source>Speeding up</source>
        <translation>加速</translation>
    </message>
    <message>
        <source>Slowing down</source>
        <translation>减速</translation>
    </message>
    <message>
        <source>Speeding up, then slowing down</source>
        <translation>先加速后减速</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>长度:</translation>
    </message>
    <message>
        <source>Heads:</source>
        <translation>头数:</translation>
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
        <translation>帧数:</translation>
    </message>
    <message>
        <source>Start position:</source>
        <translation>起始位置:</translation>
    </message>
    <message>
        <source>LEDs per frame:</source>
        <translation>每帧 LED 数:</translation>
    </message>
    <message>
        <source>Then empty</source>
        <translation>然后全灭</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向:</translation>
    </message>
    <message>
        <source>Outward</source>
        <translation>向外</translation>
    </message>
    <message>
        <source>Inward</source>
        <translation>向内</translation>
    </message>
    <message>
        <source>Width in rings:</source>
        <translation>宽度（环数）:</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>回弹</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次数:</translation>
    </message>
    <message>
        <source>Invert instead of dark</source>
        <translation>反相而非熄灭</translation>
    </message>
    <message>
        <source>To frame:</source>
        <translation>目标帧:</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>种子:</translation>
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
        <translation>结束时密度:</translation>
    </message>
    <message>
        <source>As at the start</source>
        <translation>与开始时相同</translation>
    </message>
    <message>
        <source>Where the frames go</source>
        <translation>帧的放置位置</translation>
    </message>
    <message>
        <source>Combine:</source>
        <translation>组合方式:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Add (light where either is lit)</source>
        <translation>添加（任一方亮则亮）</translation>
    </message>
    <message>
        <source>Remove (darken where the effect is lit)</source>
        <translation>移除（效果亮处变暗）</translation>
    </message>
    <message>
        <source>Toggle (flip where the effect is lit)</source>
        <translation>切换（效果亮处翻转）</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>保存预设</translation>
    </message>
    <message>
        <source>Name of the %1 preset:</source>
        <translation>%1 预设的名称:</translation>
    </message>
    <message>
        <source>%1 is a shipped preset and stays as it is; choose another name.</source>
        <translation>%1 是内置预设，不能修改；请另选名称。</translation>
    </message>
    <message>
        <source>A preset named %1 exists. Replace it?</source>
        <translation>名为 %1 的预设已存在。是否替换？</translation>
    </message>
    <message>
        <source>Insert after #%1</source>
        <translation>插入到 #%1 之后</translation>
    </message>
    <message>
        <source>Insert after the shown frame</source>
        <translation>插入到显示的帧之后</translation>
    </message>
    <message>
        <source>Over the frames from #%1</source>
        <translation>覆盖从 #%1 开始的帧</translation>
    </message>
    <message>
        <source>Over the shown frame</source>
        <translation>覆盖显示的帧</translation>
    </message>
    <message>
        <source>At the end of the %1</source>
        <translation>在 %1 的末尾</translation>
    </message>
    <message>
        <source>Keep the other rings of #%1</source>
        <translation>保留 #%1 的其他环</translation>
    </message>
    <message>
        <source>Keep the other rings</source>
        <translation>保留其他环</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2, and %3 more at the end.</source>
        <translation>这些帧覆盖第 #%1 到 #%2 帧，另有 %3 帧放在末尾。</translation>
    </message>
    <message>
        <source>The frames go over frames #%1 to #%2.</source>
        <translation>这些帧覆盖第 #%1 到 #%2 帧。</translation>
    </message>
    <message>
        <source>The frames go at the end, after frame #%1.</source>
        <translation>这些帧放在末尾，第 #%1 帧之后。</translation>
    </message>
    <message>
        <source>The frames go at the end.</source>
        <translation>这些帧放在末尾。</translation>
    </message>
    <message>
        <source>The frames go after frame #%1.</source>
        <translation>这些帧放在第 #%1 帧之后。</translation>
    </message>
    <message>
        <source>With %1 more the document takes %2 of %3 bytes.</source>
        <translation>再增加 %1 后，文档将占用 %3 字节中的 %2 字节。</translation>
    </message>
    <message>
        <source>%1 bytes more than the panel&apos;s program memory: the program cannot be written until it is smaller.</source>
        <translation>超出面板程序存储器 %1 字节：程序须缩小后才能写入。</translation>
    </message>
    <message>
        <source>No frames</source>
        <translation>无帧</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>第 %1 帧，共 %2 帧</translation>
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
        <translation>进度环</translation>
    </message>
    <message>
        <source>Pulse out</source>
        <translation>向外脉冲</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>心跳</translation>
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
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>How to draw frames, play them and write them to a panel</source>
        <translation>如何绘制帧、播放帧并将其写入面板</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>List the keys of every command</source>
        <translation>列出所有命令的按键</translation>
    </message>
    <message>
        <source>Board legend</source>
        <translation>灯板图例</translation>
    </message>
    <message>
        <source>What the marks and colours on the board mean</source>
        <translation>灯板上的标记和颜色的含义</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>User guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>The file has no end mark &apos;q&apos;; check that it is complete.</source>
        <translation>文件没有结束标记 &apos;q&apos;；请检查文件是否完整。</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
</context>
<context>
    <name>ImportAnimationDialog</name>
    <message>
        <source>Import animation</source>
        <translation>导入动画</translation>
    </message>
    <message>
        <source>Lit from brightness:</source>
        <translation>亮度阈值（点亮）:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Invert (dark parts lit)</source>
        <translation>反相（暗部点亮）</translation>
    </message>
    <message>
        <source>Board seen from:</source>
        <translation>灯板观察方向:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>背面</translation>
    </message>
    <message>
        <source>First frame:</source>
        <translation>首帧:</translation>
    </message>
    <message>
        <source>Number of frames:</source>
        <translation>帧数:</translation>
    </message>
    <message>
        <source>The picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>The LED frame it gives</source>
        <translation>生成的 LED 帧</translation>
    </message>
    <message>
        <source>At the end of the Program</source>
        <translation>在程序末尾</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>第 %1 帧，共 %2 帧</translation>
    </message>
    <message>
        <source>No preview of this frame</source>
        <translation>此帧无预览</translation>
    </message>
    <message>
        <source>The frames go %1.</source>
        <translation>这些帧的位置：%1。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>Import Animation</source>
        <translation>导入动画</translation>
    </message>
    <message>
        <source>The document takes no more frames.</source>
        <translation>该文档不能再接受更多帧。</translation>
    </message>
</context>
<context>
    <name>IntelHexReader</name>
    <message>
        <source>more than 16 MiB of text</source>
        <translation>文本超过 16 MiB</translation>
    </message>
    <message>
        <source>record after the end-of-file record</source>
        <translation>文件结束记录之后还有记录</translation>
    </message>
    <message>
        <source>no end-of-file record</source>
        <translation>没有文件结束记录</translation>
    </message>
    <message>
        <source>record does not start with &apos;:&apos;</source>
        <translation>记录不以 &apos;:&apos; 开头</translation>
    </message>
    <message>
        <source>record is too short or has an odd number of digits</source>
        <translation>记录太短或位数为奇数</translation>
    </message>
    <message>
        <source>record is longer than 255 data bytes allow</source>
        <translation>记录长度超过 255 个数据字节的上限</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hexadecimal digit</source>
        <translation>&apos;%1&apos; 不是十六进制数字</translation>
    </message>
    <message>
        <source>length %1 does not match the record</source>
        <translation>长度 %1 与记录不符</translation>
    </message>
    <message>
        <source>checksum %1 should be %2</source>
        <translation>校验和 %1 应为 %2</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>地址 %1 超出 24 位地址空间</translation>
    </message>
    <message>
        <source>end-of-file record carries data</source>
        <translation>文件结束记录带有数据</translation>
    </message>
    <message>
        <source>address record must carry two bytes</source>
        <translation>地址记录必须带有两个字节</translation>
    </message>
    <message>
        <source>start address record must carry four bytes</source>
        <translation>起始地址记录必须带有四个字节</translation>
    </message>
    <message>
        <source>unknown record type %1</source>
        <translation>未知的记录类型 %1</translation>
    </message>
</context>
<context>
    <name>ItemSummary</name>
    <message>
        <source>The program is what the panel runs, command by command, when it starts and after a Reset.</source>
        <translation>程序是面板启动时以及复位后逐条命令运行的内容。</translation>
    </message>
    <message>
        <source>A function holds commands that Calls run, ending with a Return; its commands take %1.</source>
        <translation>函数包含由调用运行的命令，以返回结束；其命令占用 %1。</translation>
    </message>
    <message>
        <source>A Call runs the commands of a function and comes back, though its target is not filled in yet, so the panel passes over it; it takes %1.</source>
        <translation>调用会运行函数的命令然后返回，但其目标尚未填写，因此面板会跳过它；它占用 %1。</translation>
    </message>
    <message>
        <source>A Return ends a function: the panel goes back to the command after the Call; it takes %1.</source>
        <translation>返回结束一个函数：面板回到调用之后的命令；它占用 %1。</translation>
    </message>
    <message>
        <source>A Reset starts the panel&apos;s program again from its first command; it takes %1.</source>
        <translation>复位使面板程序从第一条命令重新开始；它占用 %1。</translation>
    </message>
    <message>
        <source>A Stop makes the panel hold its last frame until it is told to go on; it takes %1.</source>
        <translation>停止使面板保持最后一帧，直到收到继续的指令；它占用 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KamdelDocument</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>面板文档 (*.xml);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>%1 has been modified.
Do you want to save changes?</source>
        <translation>%1 已被修改。
是否保存更改？</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>帧</translation>
    </message>
</context>
<context>
    <name>LanesDock</name>
    <message>
        <source>Ring lanes</source>
        <translation>环轨道</translation>
    </message>
    <message>
        <source>Show or hide every frame of the current list, ring by ring</source>
        <translation>逐环显示或隐藏当前列表的每一帧</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>语言将在下次启动时更改。</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>下次启动时生效</translation>
    </message>
</context>
<context>
    <name>LedPanelTableView</name>
    <message>
        <source>Cut cannot used this kind of multiple selection.</source>
        <translation>剪切无法用于此类多重选择。</translation>
    </message>
    <message>
        <source>Copy cannot used this kind of multiple selection.</source>
        <translation>复制无法用于此类多重选择。</translation>
    </message>
    <message>
        <source>Paste cannot used this kind of multiple selection.</source>
        <translation>粘贴无法用于此类多重选择。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>LedPanelView</name>
    <message>
        <source>LED board</source>
        <translation>LED 灯板</translation>
    </message>
    <message>
        <source>Arrow keys move along and between the rings, Space switches the LED, Shift with an arrow paints</source>
        <translation>方向键沿环及在环之间移动，空格键切换 LED，按住 Shift 加方向键进行绘制</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>New %1 document</source>
        <translation>新建 %1 文档</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>打开现有文档</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save the document</source>
        <translation>保存文档</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Save the document under a new name</source>
        <translation>以新名称保存文档</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close the document</source>
        <translation>关闭文档</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Copy to clipboard and delete</source>
        <translation>复制到剪贴板并删除</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Paste from clipboard</source>
        <translation>从剪贴板粘贴</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Play the program in the editor as the panel would</source>
        <translation>在编辑器中按面板的方式播放程序</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>单步</translation>
    </message>
    <message>
        <source>Show the next frame</source>
        <translation>显示下一帧</translation>
    </message>
    <message>
        <source>Stop playback</source>
        <translation>停止播放</translation>
    </message>
    <message>
        <source>Stop and go back to the start</source>
        <translation>停止并回到开头</translation>
    </message>
    <message>
        <source>100 fps, the panel&apos;s Animate pace</source>
        <translation>100 fps，面板“动画”命令的速度</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>Import animation...</source>
        <translation>导入动画...</translation>
    </message>
    <message>
        <source>Add the frames of an animated GIF or of pictures after the current frame</source>
        <translation>将 GIF 动画或图片的帧添加到当前帧之后</translation>
    </message>
    <message>
        <source>Export animation...</source>
        <translation>导出动画...</translation>
    </message>
    <message>
        <source>Save the program as an animated GIF</source>
        <translation>将程序保存为 GIF 动画</translation>
    </message>
    <message>
        <source>Export frame as PNG...</source>
        <translation>将帧导出为 PNG...</translation>
    </message>
    <message>
        <source>Save the frame shown as a PNG picture</source>
        <translation>将显示的帧保存为 PNG 图片</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>控制(&amp;C)</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>面板</translation>
    </message>
    <message>
        <source>Playback in the editor</source>
        <translation>在编辑器中播放</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Insert an empty frame after the current one; with Shift, a copy of it</source>
        <translation>在当前帧之后插入空帧；按住 Shift 则插入其副本</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Undo the last edit</source>
        <translation>撤销上次编辑</translation>
    </message>
    <message>
        <source>Redo the last undone edit</source>
        <translation>重做上次撤销的编辑</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>对称</translation>
    </message>
    <message>
        <source>Symmetry:</source>
        <translation>对称:</translation>
    </message>
    <message>
        <source>Set every LED a click sets, turned by 360 / order degrees</source>
        <translation>单击设置的每个 LED 都按 360 / 阶数 度旋转后同样设置</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>镜像</translation>
    </message>
    <message>
        <source>Also set the mirror images across the vertical axis</source>
        <translation>同时设置关于垂直轴的镜像</translation>
    </message>
    <message>
        <source>F&amp;rame</source>
        <translation>帧(&amp;R)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>主窗口</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%v of %m blocks</source>
        <translation>%v / %m 块</translation>
    </message>
    <message>
        <source>The settings cannot be saved: %1 is not writable.</source>
        <translation>无法保存设置：%1 不可写。</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 已不存在；已将其从最近的文件中移除。</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor</source>
        <translation>分段 LED 面板编辑器</translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation> (已恢复)</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1</source>
        <translation>分段 LED 面板编辑器  -  %1</translation>
    </message>
    <message>
        <source>Segmented LED Panel Editor  -  %1  (%2)</source>
        <translation>分段 LED 面板编辑器  -  %1  (%2)</translation>
    </message>
    <message>
        <source>The production station %1 cannot be started.</source>
        <translation>无法启动生产工位 %1。</translation>
    </message>
</context>
<context>
    <name>MarkupScanner</name>
    <message>
        <source>The file nests its elements deeper than any document does.</source>
        <translation>该文件的元素嵌套层数超过任何文档。</translation>
    </message>
    <message>
        <source>The file holds a text of more than %1 KiB, more than any document holds.</source>
        <translation>该文件包含超过 %1 KiB 的文本，超过任何文档的容量。</translation>
    </message>
    <message>
        <source>The file holds an LED state of more than %1 characters.</source>
        <translation>该文件包含超过 %1 个字符的 LED 状态。</translation>
    </message>
    <message>
        <source>The file holds an element with more attributes than any document has.</source>
        <translation>该文件包含的元素属性比任何文档都多。</translation>
    </message>
</context>
<context>
    <name>MemoryGauge</name>
    <message>
        <source>No document</source>
        <translation>无文档</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 / %2 字节</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, %2 more than the panel&apos;s %3 bytes of program memory; it cannot be written.</source>
        <translation>程序占用 %1 字节，比面板 %3 字节的程序存储器多 %2 字节；无法写入。</translation>
    </message>
    <message>
        <source>Program memory of the panel in use</source>
        <translation>已使用的面板程序存储器</translation>
    </message>
</context>
<context>
    <name>MspFlasher</name>
    <message>
        <source>Incorrect header</source>
        <translation>包头不正确</translation>
    </message>
    <message>
        <source>Packet checksum error</source>
        <translation>数据包校验和错误</translation>
    </message>
    <message>
        <source>Packet size is zero</source>
        <translation>数据包大小为零</translation>
    </message>
    <message>
        <source>Packet size is invalid</source>
        <translation>数据包大小无效</translation>
    </message>
    <message>
        <source>Error in protocol</source>
        <translation>协议错误</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Error: (%1) </source>
        <translation>错误：(%1) </translation>
    </message>
    <message>
        <source>Error: (%1) Invalid version</source>
        <translation>错误：(%1) 版本无效</translation>
    </message>
    <message>
        <source>unplugged during write (%1 %)</source>
        <translation>写入时被拔出（%1 %）</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>%1 is the input file; choose another name for the output.</source>
        <translation>%1 是输入文件；请为输出另选名称。</translation>
    </message>
    <message>
        <source>An output is written whole, from its start.</source>
        <translation>输出从头开始完整写入。</translation>
    </message>
    <message>
        <source>The file could not be written</source>
        <translation>无法写入该文件</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>该文件未打开</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>无法写入 %1：%2。</translation>
    </message>
</context>
<context>
    <name>PanelDocument</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 不是普通文件。</translation>
    </message>
    <message>
        <source>%1 is larger than any document (%2 MiB).</source>
        <translation>%1 大于任何文档（%2 MiB）。</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>未指定文件名。</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>无法读取文件 %1：
%2。</translation>
    </message>
    <message>
        <source>Error occur while reading xml data of %1.</source>
        <translation>读取 %1 的 XML 数据时出错。</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2.</source>
        <translation>无法打开文件 %1 进行写入：%2。</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>无法写入文件 %1：
%2。</translation>
    </message>
</context>
<context>
    <name>PanelLink</name>
    <message>
        <source>No panel port is set: choose one in Tools &gt; Serial port setup.</source>
        <translation>未设置面板端口：请在“工具 &gt; 串口设置”中选择。</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1!</source>
        <translation>无法连接到串口 %1！</translation>
    </message>
    <message>
        <source>No document is open: Reset goes to the program the panel holds.</source>
        <translation>没有打开的文档：“复位”将作用于面板中已有的程序。</translation>
    </message>
    <message>
        <source>No document is open: Next goes to the program the panel holds.</source>
        <translation>没有打开的文档：“下一步”将作用于面板中已有的程序。</translation>
    </message>
    <message>
        <source>No document is open: there is nothing to compile and write.</source>
        <translation>没有打开的文档：没有可编译和写入的内容。</translation>
    </message>
    <message>
        <source>Program compiling...</source>
        <translation>正在编译程序...</translation>
    </message>
    <message>
        <source>Memory use %1% (%2 of %3).</source>
        <translation>内存使用 %1%（%3 中的 %2）。</translation>
    </message>
    <message>
        <source>The program takes %1 bytes, more than the %2 bytes of the panel&apos;s program memory.
Nothing was written to the panel.</source>
        <translation>程序占用 %1 字节，超过面板程序存储器的 %2 字节。
未向面板写入任何内容。</translation>
    </message>
    <message>
        <source>Cannot connect to serial port %1 (%2)!</source>
        <translation>无法连接到串口 %1（%2）！</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>正在编程...</translation>
    </message>
    <message>
        <source>Writing canceled: the panel holds an incomplete program.</source>
        <translation>写入已取消：面板中的程序不完整。</translation>
    </message>
    <message>
        <source>Writing to serial port %1 failed (%2). The program on the panel is incomplete.</source>
        <translation>写入串口 %1 失败（%2）。面板上的程序不完整。</translation>
    </message>
    <message>
        <source>Firmware update - %1</source>
        <translation>固件更新 - %1</translation>
    </message>
    <message numerus="yes">
        <source>Programming finished on %1 (%n block(s)).</source>
        <translation>
            <numerusform>已在 %1 上完成编程（%n 块）。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureReading</name>
    <message>
        <source>Reading pictures…</source>
        <translation>正在读取图片…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PlaybackController</name>
    <message>
        <source>No document is open: there is nothing to play.</source>
        <translation>没有打开的文档：没有可播放的内容。</translation>
    </message>
    <message>
        <source>Playing at %1 frames per second</source>
        <translation>以每秒 %1 帧播放</translation>
    </message>
    <message>
        <source>Playback stopped.</source>
        <translation>播放已停止。</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after 1 frame.</source>
        <translation>播放 1 帧后到达程序末尾。</translation>
    </message>
    <message>
        <source>Playback reached the end of the program after %1 frames.</source>
        <translation>播放 %1 帧后到达程序末尾。</translation>
    </message>
    <message>
        <source>the program reached a Stop</source>
        <translation>程序遇到停止</translation>
    </message>
    <message>
        <source>a Return without a Call</source>
        <translation>没有调用的返回</translation>
    </message>
    <message>
        <source>the program ran past the end of the panel&apos;s memory</source>
        <translation>程序运行超出面板存储器末尾</translation>
    </message>
    <message>
        <source>the program loops without showing a frame</source>
        <translation>程序循环但不显示任何帧</translation>
    </message>
    <message>
        <source>calls nested too deep</source>
        <translation>调用嵌套过深</translation>
    </message>
    <message>
        <source>an unknown command</source>
        <translation>未知命令</translation>
    </message>
    <message>
        <source>Playback held after %1 frames: %2 (%3).</source>
        <translation>播放 %1 帧后暂停：%2（%3）。</translation>
    </message>
</context>
<context>
    <name>PortFleet</name>
    <message>
        <source>empty port name</source>
        <translation>端口名称为空</translation>
    </message>
    <message>
        <source>port %1 named twice</source>
        <translation>端口 %1 重复指定</translation>
    </message>
    <message>
        <source>ports %1 and %2 are the same device</source>
        <translation>端口 %1 和 %2 是同一设备</translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s): %1 passed, %2 failed</source>
        <translation>
            <numerusform>%n 个单元：%1 个合格，%2 个不合格</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortUnit</name>
    <message>
        <source>the flashing process stopped unexpectedly</source>
        <translation>烧录过程意外停止</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>退出状态 %1</translation>
    </message>
</context>
<context>
    <name>PortWatch</name>
    <message>
        <source>%1: skipped, the same device as %2</source>
        <translation>%1：已跳过，与 %2 是同一设备</translation>
    </message>
</context>
<context>
    <name>ProgramWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Frames:</source>
        <translation>帧数:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>时长:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小:</translation>
    </message>
    <message>
        <source>%1 s at %2 fps</source>
        <translation>%1 秒，%2 fps</translation>
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
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>适合视图</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>背面</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Adjacent</source>
        <translation>相邻帧</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Serial port setup...</source>
        <translation>串口设置...</translation>
    </message>
    <message>
        <source>Compile and Write...</source>
        <translation>编译并写入...</translation>
    </message>
    <message>
        <source>Update firmware...</source>
        <translation>更新固件...</translation>
    </message>
    <message>
        <source>Production station...</source>
        <translation>生产工位...</translation>
    </message>
    <message>
        <source>Animate panel</source>
        <translation>面板动画</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>添加 %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>移除 %1</translation>
    </message>
    <message>
        <source>Remove %1 Items</source>
        <translation>移除 %1 项</translation>
    </message>
    <message>
        <source>Invalid XML root element or version.</source>
        <translation>无效的 XML 根元素或版本。</translation>
    </message>
    <message>
        <source>The file holds more than %1 frames; a document takes at most %1.</source>
        <translation>该文件包含超过 %1 帧；一个文档最多包含 %1 帧。</translation>
    </message>
    <message>
        <source>The file holds more commands than a document can take.</source>
        <translation>该文件包含的命令超过文档可容纳的数量。</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Recent Files</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>Clear recent files</source>
        <translation>清除最近的文件</translation>
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
        <translation>配方 %1 不存在</translation>
    </message>
    <message>
        <source>%1 is not a recipe: a recipe is a small text file</source>
        <translation>%1 不是配方：配方是一个小型文本文件</translation>
    </message>
    <message>
        <source>recipe %1 is not a readable INI file</source>
        <translation>配方 %1 不是可读的 INI 文件</translation>
    </message>
    <message>
        <source>recipe %1 has a bad %2</source>
        <translation>配方 %1 的 %2 有误</translation>
    </message>
    <message>
        <source>cannot write recipe %1</source>
        <translation>无法写入配方 %1</translation>
    </message>
</context>
<context>
    <name>RecipeCheck</name>
    <message>
        <source>unknown model %1 (known: %2, %3)</source>
        <translation>未知型号 %1（已知：%2、%3）</translation>
    </message>
    <message>
        <source>unknown controller %1 (known: %2)</source>
        <translation>未知控制器 %1（已知：%2）</translation>
    </message>
    <message>
        <source>no port to watch: the recipe names no Watch glob</source>
        <translation>没有要监视的端口：配方未指定 Watch 通配符</translation>
    </message>
    <message>
        <source>program %1 changed: the recipe expects CRC %2, the file has %3</source>
        <translation>程序 %1 已更改：配方要求 CRC 为 %2，文件为 %3</translation>
    </message>
    <message>
        <source>log %1 is the recipe&apos;s own file %2: name a log file of its own</source>
        <translation>日志 %1 是配方自身的文件 %2：请为日志指定单独的文件</translation>
    </message>
    <message>
        <source>log %1 cannot be appended to: %2</source>
        <translation>无法追加到日志 %1：%2</translation>
    </message>
    <message>
        <source>log %1 has the columns of an older version: name a new log file in the recipe</source>
        <translation>日志 %1 的列属于旧版本：请在配方中指定新的日志文件</translation>
    </message>
    <message>
        <source>firmware %1 changed: the recipe expects digest %2, the file has %3</source>
        <translation>固件 %1 已更改：配方要求摘要为 %2，文件为 %3</translation>
    </message>
    <message>
        <source>firmware %1 is missing</source>
        <translation>固件 %1 不存在</translation>
    </message>
    <message>
        <source>firmware %1 is unreadable: %2</source>
        <translation>固件 %1 无法读取：%2</translation>
    </message>
    <message>
        <source>firmware %1 is not a firmware image: %2</source>
        <translation>固件 %1 不是固件映像：%2</translation>
    </message>
    <message>
        <source>firmware %1 does not fit %2: it writes %3, outside %4</source>
        <translation>固件 %1 不适用于 %2：它写入 %3，超出 %4</translation>
    </message>
    <message>
        <source>firmware %1 writes the interrupt vectors, which the recipe does not allow</source>
        <translation>固件 %1 会写入中断向量，而配方不允许</translation>
    </message>
    <message>
        <source>program %1 is missing</source>
        <translation>程序 %1 不存在</translation>
    </message>
    <message>
        <source>program %1 is not a panel document</source>
        <translation>程序 %1 不是面板文档</translation>
    </message>
    <message>
        <source>program %1 is for %2, not %3</source>
        <translation>程序 %1 适用于 %2，而非 %3</translation>
    </message>
    <message>
        <source>program %1 is unreadable: %2</source>
        <translation>程序 %1 无法读取：%2</translation>
    </message>
</context>
<context>
    <name>RecipeDialog</name>
    <message>
        <source>Recipe</source>
        <translation>配方</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>型号(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Station name:</source>
        <translation>工位名称(&amp;S):</translation>
    </message>
    <message>
        <source>The host name when empty</source>
        <translation>为空时使用主机名</translation>
    </message>
    <message>
        <source>&amp;Firmware:</source>
        <translation>固件(&amp;F):</translation>
    </message>
    <message>
        <source>The firmware image written first (Intel HEX or TI-TXT)</source>
        <translation>首先写入的固件映像（Intel HEX 或 TI-TXT）</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>The firmware may write the &amp;interrupt vectors</source>
        <translation>固件可以写入中断向量(&amp;I)</translation>
    </message>
    <message>
        <source>Light &amp;program:</source>
        <translation>灯光程序(&amp;P):</translation>
    </message>
    <message>
        <source>The panel document whose program is written last</source>
        <translation>最后写入其程序的面板文档</translation>
    </message>
    <message>
        <source>&amp;Baud rate:</source>
        <translation>波特率(&amp;B):</translation>
    </message>
    <message>
        <source>Ports to &amp;watch:</source>
        <translation>要监视的端口(&amp;W):</translation>
    </message>
    <message>
        <source>One pattern per line, /dev/ttyUSB*</source>
        <translation>每行一个模式，如 /dev/ttyUSB*</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>日志文件(&amp;L):</translation>
    </message>
    <message>
        <source>The CSV file each unit is appended to; the shift totals go beside it</source>
        <translation>每个单元追加到的 CSV 文件；班次统计保存在其旁边</translation>
    </message>
    <message>
        <source>Show a &amp;test pattern and ask the operator whether every LED is lit</source>
        <translation>显示测试图案并询问操作员是否每个 LED 都亮(&amp;T)</translation>
    </message>
    <message>
        <source>Ask for each unit&apos;s &amp;serial number before it starts</source>
        <translation>每个单元开始前询问其序列号(&amp;S)</translation>
    </message>
    <message>
        <source>color: #c00000; font-weight: bold</source>
        <translation>color: #c00000; font-weight: bold</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Firmware images (*.hex *.ihex *.txt);;All files (*)</source>
        <translation>固件映像 (*.hex *.ihex *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Light program</source>
        <translation>灯光程序</translation>
    </message>
    <message>
        <source>Panel documents (*.xml);;All files (*)</source>
        <translation>面板文档 (*.xml);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Unit log</source>
        <translation>单元日志</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>New recipe</source>
        <translation>新建配方</translation>
    </message>
    <message>
        <source>Recipe %1</source>
        <translation>配方 %1</translation>
    </message>
    <message>
        <source>This recipe cannot start a station: %1.</source>
        <translation>此配方无法启动工位：%1。</translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation>保存配方</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>工位配方 (*.ini);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>ResetWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
</context>
<context>
    <name>ReturnWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
</context>
<context>
    <name>RingLanesView</name>
    <message>
        <source>Line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适合</translation>
    </message>
    <message>
        <source>Fit the lanes into the width of the view</source>
        <translation>使轨道适合视图宽度</translation>
    </message>
    <message>
        <source>Drag to draw; Shift+drag draws a line (Alt: the long way round); Ctrl+drag selects; Ctrl+wheel zooms; click a frame number to make it current</source>
        <translation>拖动进行绘制；Shift+拖动绘制直线（Alt：走远路）；Ctrl+拖动进行选择；Ctrl+滚轮缩放；单击帧号将其设为当前帧</translation>
    </message>
    <message>
        <source>Ring lanes</source>
        <translation>环轨道</translation>
    </message>
    <message>
        <source>Drag draws a line of one LED per frame (Alt: the long way round)</source>
        <translation>拖动绘制每帧一个 LED 的直线（Alt：走远路）</translation>
    </message>
    <message>
        <source>Drag selects a block to copy, clear or move with Alt+arrows</source>
        <translation>拖动选择一个区块，可复制、清除或用 Alt+方向键移动</translation>
    </message>
    <message>
        <source>Draw on the lanes</source>
        <translation>在轨道上绘制</translation>
    </message>
    <message>
        <source>Draw a line</source>
        <translation>绘制直线</translation>
    </message>
    <message>
        <source>Cut on the lanes</source>
        <translation>在轨道上剪切</translation>
    </message>
    <message>
        <source>Clear on the lanes</source>
        <translation>在轨道上清除</translation>
    </message>
    <message>
        <source>Paste on the lanes</source>
        <translation>在轨道上粘贴</translation>
    </message>
    <message>
        <source>Move on the lanes</source>
        <translation>在轨道上移动</translation>
    </message>
    <message>
        <source>on</source>
        <translation>亮</translation>
    </message>
    <message>
        <source>off</source>
        <translation>灭</translation>
    </message>
    <message>
        <source>%1, frame %2, %3</source>
        <translation>%1，第 %2 帧，%3</translation>
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
        <translation>固件映像:</translation>
    </message>
    <message>
        <source>Browse ...</source>
        <translation>浏览 ...</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>串口:</translation>
    </message>
    <message>
        <source>Select ...</source>
        <translation>选择 ...</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>进度:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状态:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>烧录</translation>
    </message>
</context>
<context>
    <name>RomwrightPrivate</name>
    <message>
        <source>Flashing...</source>
        <translation>正在烧录...</translation>
    </message>
    <message>
        <source>Romwright</source>
        <translation>Romwright</translation>
    </message>
    <message>
        <source>Flashing is in progress. Stop it and leave the device without a valid application?</source>
        <translation>正在烧录。是否停止并使设备没有有效的应用程序？</translation>
    </message>
    <message>
        <source>Select port!</source>
        <translation>请选择端口！</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Select file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>MSP430 app (*.txt);;Intel HEX (*.hex *.ihex);;All files (*)</source>
        <translation>MSP430 应用程序 (*.txt);;Intel HEX (*.hex *.ihex);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Unknown MPU!</source>
        <translation>未知 MPU！</translation>
    </message>
    <message>
        <source>Flashing succeeded</source>
        <translation>烧录成功</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>SequenceFile</name>
    <message>
        <source>%1 is not a sequence file.</source>
        <translation>%1 不是序列文件。</translation>
    </message>
    <message>
        <source>%1 holds more than %2 LED frames.</source>
        <translation>%1 包含超过 %2 个 LED 帧。</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>无法读取文件 %1：
%2。</translation>
    </message>
    <message>
        <source>%1 cannot be imported. The file holds no frames.</source>
        <translation>无法导入 %1。该文件不包含帧。</translation>
    </message>
    <message>
        <source>LED panel Sequence (*.csv);;All files (*)</source>
        <translation>LED 面板序列 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>无法写入文件 %1：
%2。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 不是普通文件。</translation>
    </message>
    <message>
        <source>Import Sequence</source>
        <translation>导入序列</translation>
    </message>
</context>
<context>
    <name>SerialPortDialog</name>
    <message>
        <source>Serial port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口:</translation>
    </message>
    <message>
        <source>Pick a port or type any device path, such as a stable /dev/serial/by-id/ name.</source>
        <translation>选择端口或输入任意设备路径，例如稳定的 /dev/serial/by-id/ 名称。</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>波特率:</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>数据位:</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>停止位:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>校验位:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>无</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格校验</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>标记校验</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>串口 %1</translation>
    </message>
</context>
<context>
    <name>ShiftTotals</name>
    <message>
        <source>%1: %2 passed, %3 failed, yield %4 %, %5 units/h</source>
        <translation>%1：%2 个合格，%3 个不合格，良率 %4 %，%5 单元/小时</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
</context>
<context>
    <name>ShowLength</name>
    <message>
        <source>The Program&apos;s frames and how long they play at the playback speed</source>
        <translation>程序的帧数及其按播放速度播放的时长</translation>
    </message>
    <message>
        <source>%1, %2 s at %3 per second</source>
        <translation>%1，%2 秒（每秒 %3 帧）</translation>
    </message>
</context>
<context>
    <name>StationBanner</name>
    <message>
        <source>Recipe</source>
        <translation>配方</translation>
    </message>
    <message>
        <source>Firmware and program</source>
        <translation>固件和程序</translation>
    </message>
    <message>
        <source>Ports and log</source>
        <translation>端口和日志</translation>
    </message>
    <message>
        <source>Shift totals</source>
        <translation>班次统计</translation>
    </message>
    <message>
        <source>Recipe %1: %2</source>
        <translation>配方 %1：%2</translation>
    </message>
    <message>
        <source>Firmware %1 (sha256 %2)    Program %3 (CRC %4)</source>
        <translation>固件 %1 (sha256 %2)    程序 %3 (CRC %4)</translation>
    </message>
    <message>
        <source>Ports %1    Log %2</source>
        <translation>端口 %1    日志 %2</translation>
    </message>
</context>
<context>
    <name>StationRun</name>
    <message>
        <source>cannot copy %1 for the station</source>
        <translation>无法为工位复制 %1</translation>
    </message>
    <message>
        <source>firmware %1 cannot be read</source>
        <translation>无法读取固件 %1</translation>
    </message>
    <message>
        <source>a serial number is required</source>
        <translation>需要序列号</translation>
    </message>
    <message>
        <source>%1 has passed before: %2</source>
        <translation>%1 以前已合格：%2</translation>
    </message>
    <message>
        <source>%1 cannot be looked up in the log: %2</source>
        <translation>无法在日志中查找 %1：%2</translation>
    </message>
    <message>
        <source>%1 is in use on %2</source>
        <translation>%1 正在 %2 上使用</translation>
    </message>
    <message>
        <source>no unit on %1</source>
        <translation>%1 上没有单元</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>StationStart</name>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>面板生产工位</translation>
    </message>
    <message>
        <source>Open the recipe this station makes its units by, or make a new one.</source>
        <translation>打开本工位生产单元所依据的配方，或新建一个配方。</translation>
    </message>
    <message>
        <source>Open recipe...</source>
        <translation>打开配方...</translation>
    </message>
    <message>
        <source>New recipe...</source>
        <translation>新建配方...</translation>
    </message>
    <message>
        <source>Recipe refused</source>
        <translation>配方被拒绝</translation>
    </message>
    <message>
        <source>The recipe %1 cannot start the station.</source>
        <translation>配方 %1 无法启动工位。</translation>
    </message>
    <message>
        <source>Edit recipe...</source>
        <translation>编辑配方...</translation>
    </message>
    <message>
        <source>Open another...</source>
        <translation>打开其他...</translation>
    </message>
    <message>
        <source>Open recipe</source>
        <translation>打开配方</translation>
    </message>
    <message>
        <source>Station recipes (*.ini);;All files (*)</source>
        <translation>工位配方 (*.ini);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Your name, for the unit log:</source>
        <translation>您的姓名，用于单元日志:</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Shift written to %1</source>
        <translation>班次已写入 %1</translation>
    </message>
    <message>
        <source>Station not started</source>
        <translation>工位未启动</translation>
    </message>
    <message>
        <source>No unit yet: plug a panel into a port the recipe watches.</source>
        <translation>尚无单元：请将面板插入配方所监视的端口。</translation>
    </message>
    <message>
        <source>Panel Production Station</source>
        <translation>面板生产工位</translation>
    </message>
    <message>
        <source>&amp;Station</source>
        <translation>工位(&amp;S)</translation>
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
        <translation>结束班次...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>序列号:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Scan or type, then Enter</source>
        <translation>扫描或输入，然后按 Enter</translation>
    </message>
    <message>
        <source>%1 goes to the next unit</source>
        <translation>%1 将用于下一个单元</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>No unit waits for a verdict.</source>
        <translation>没有等待判定的单元。</translation>
    </message>
    <message>
        <source>%1 - Panel Production Station</source>
        <translation>%1 - 面板生产工位</translation>
    </message>
    <message>
        <source>End shift</source>
        <translation>结束班次</translation>
    </message>
    <message>
        <source>End the shift now? Its totals go to the shift file and the counts start again.

%1</source>
        <translation>现在结束班次？其统计将写入班次文件，计数重新开始。

%1</translation>
    </message>
    <message>
        <source>Units are running</source>
        <translation>单元正在运行</translation>
    </message>
    <message>
        <source>Still on the station: %1. Let them finish, cancel them, or keep the station running?</source>
        <translation>工位上仍有：%1。让它们完成、取消它们，还是保持工位运行？</translation>
    </message>
    <message>
        <source>Let them finish</source>
        <translation>让它们完成</translation>
    </message>
    <message>
        <source>Cancel units</source>
        <translation>取消单元</translation>
    </message>
    <message>
        <source>Keep running</source>
        <translation>保持运行</translation>
    </message>
    <message>
        <source>The station closes once the units have ended.</source>
        <translation>单元结束后工位将关闭。</translation>
    </message>
</context>
<context>
    <name>StopWidget</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
</context>
<context>
    <name>TestPattern</name>
    <message>
        <source>no test pattern for the unknown model %1</source>
        <translation>未知型号 %1 没有测试图案</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>测试图案</translation>
    </message>
    <message>
        <source>the test pattern takes %1 bytes, more than the panel&apos;s %2</source>
        <translation>测试图案占用 %1 字节，超过面板的 %2 字节</translation>
    </message>
</context>
<context>
    <name>TiTxtReader</name>
    <message>
        <source>address %1 is not a hexadecimal number</source>
        <translation>地址 %1 不是十六进制数</translation>
    </message>
    <message>
        <source>address %1 is beyond the 24-bit address space</source>
        <translation>地址 %1 超出 24 位地址空间</translation>
    </message>
    <message>
        <source>%1 is not a hexadecimal number</source>
        <translation>%1 不是十六进制数</translation>
    </message>
    <message>
        <source>value %1 is not a byte</source>
        <translation>值 %1 不是一个字节</translation>
    </message>
    <message>
        <source>data runs past the 24-bit address space</source>
        <translation>数据超出 24 位地址空间</translation>
    </message>
</context>
<context>
    <name>UnitSequence</name>
    <message>
        <source>Not every LED lit in the test</source>
        <translation>测试中并非每个 LED 都亮</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Unplugged during %1</source>
        <translation>%1 期间被拔出</translation>
    </message>
    <message>
        <source>Unplugged during %1 (%2 %)</source>
        <translation>%1 期间被拔出（%2 %）</translation>
    </message>
    <message>
        <source>No answer during %1</source>
        <translation>%1 期间无应答</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>program</source>
        <translation>程序</translation>
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
        <translation>端口</translation>
    </message>
    <message>
        <source>Time in this step</source>
        <translation>此步骤用时</translation>
    </message>
    <message>
        <source>Unit serial number</source>
        <translation>单元序列号</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>步骤</translation>
    </message>
    <message>
        <source>Question to the operator</source>
        <translation>向操作员提出的问题</translation>
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
        <translation>等待中</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Test: look at the panel</source>
        <translation>测试：查看面板</translation>
    </message>
    <message>
        <source>Test pattern</source>
        <translation>测试图案</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
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
        <translation>不合格：%1</translation>
    </message>
    <message>
        <source>Serial %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>Every LED lit? Pass&#xa0;(P) / Fail&#xa0;(F)</source>
        <translation>每个 LED 都亮吗？合格&#xa0;(P) / 不合格&#xa0;(F)</translation>
    </message>
    <message>
        <source>Scan or type the serial number</source>
        <translation>扫描或输入序列号</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Report pane</source>
        <translation>报告窗格</translation>
    </message>
    <message>
        <source>Fit in view</source>
        <translation>适合视图</translation>
    </message>
    <message>
        <source>Show or hide the pane of reports below the document</source>
        <translation>显示或隐藏文档下方的报告窗格</translation>
    </message>
    <message>
        <source>Show the whole board</source>
        <translation>显示整个灯板</translation>
    </message>
    <message>
        <source>Tool bars</source>
        <translation>工具栏</translation>
    </message>
</context>
</TS>
