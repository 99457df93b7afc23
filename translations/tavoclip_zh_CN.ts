<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Converts video files with the Tavoclip converter, one after another.</source>
        <translation>使用 Tavoclip 转换器逐个转换视频文件。</translation>
    </message>
    <message>
        <source>Files to convert; folders are searched with all their subfolders.</source>
        <translation>要转换的文件；文件夹会连同其所有子文件夹一起搜索。</translation>
    </message>
    <message>
        <source>Output format: its list text, short name (MP4) or index.</source>
        <translation>输出格式：列表文字、简称（MP4）或序号。</translation>
    </message>
    <message>
        <source>Video bitrate, such as 256k.</source>
        <translation>视频码率，例如 256k。</translation>
    </message>
    <message>
        <source>Screen size, such as 320x240.</source>
        <translation>画面尺寸，例如 320x240。</translation>
    </message>
    <message>
        <source>Audio bitrate, such as 128k.</source>
        <translation>音频码率，例如 128k。</translation>
    </message>
    <message>
        <source>Output folder (default: the current folder).</source>
        <translation>输出文件夹（默认：当前文件夹）。</translation>
    </message>
    <message>
        <source>Convert only LENGTH from START of every source (seconds or h:m:s).</source>
        <translation>只转换每个源从 START 开始的 LENGTH（秒或 h:m:s）。</translation>
    </message>
    <message>
        <source>Play the completion sound at the end.</source>
        <translation>结束时播放完成提示音。</translation>
    </message>
    <message>
        <source>Play no completion sound (the default).</source>
        <translation>不播放完成提示音（默认）。</translation>
    </message>
    <message>
        <source>The converter to run, and how --print-jobs names it (default: data/conv beside this program).</source>
        <translation>要运行的转换器，以及 --print-jobs 中它的名称（默认：本程序旁的 data/conv）。</translation>
    </message>
    <message>
        <source>Print each converter command line; run nothing.</source>
        <translation>打印每条转换器命令行；不运行任何内容。</translation>
    </message>
    <message>
        <source>Convert up to N files at once; 0 means one per core (default 1).</source>
        <translation>同时转换最多 N 个文件；0 表示每个核心一个（默认 1）。</translation>
    </message>
    <message>
        <source>Print one POSIX shell command per file, for running elsewhere; run nothing.</source>
        <translation>为每个文件打印一条 POSIX shell 命令，供在别处运行；不运行任何内容。</translation>
    </message>
    <message>
        <source>List the formats and the values each option takes.</source>
        <translation>列出各格式及每个选项可取的值。</translation>
    </message>
    <message>
        <source>No PATH given: name the files or folders to convert (see --help).</source>
        <translation>未给出 PATH：请指定要转换的文件或文件夹（参见 --help）。</translation>
    </message>
    <message>
        <source>--cut needs START and LENGTH.</source>
        <translation>--cut 需要 START 和 LENGTH。</translation>
    </message>
    <message>
        <source>--cut takes a START of 0 or more and a LENGTH above 0, in seconds or h:m:s.</source>
        <translation>--cut 接受不小于 0 的 START 和大于 0 的 LENGTH，单位为秒或 h:m:s。</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;. Allowed: %2, their list texts, or 0 to 9.</source>
        <translation>未知格式“%1”。可用：%2、它们的列表文字或 0 到 9。</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>视频码率</translation>
    </message>
    <message>
        <source>Screen size</source>
        <translation>画面尺寸</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>音频码率</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not allowed here. Allowed: %3.</source>
        <translation>此处不允许%1“%2”。可用：%3。</translation>
    </message>
    <message>
        <source>--jobs takes a whole number: 1 or more, or 0 for one per core.</source>
        <translation>--jobs 接受整数：1 或更大，或 0 表示每个核心一个。</translation>
    </message>
    <message>
        <source>Replace a file already in the output folder instead of writing NAME (2).EXT beside it (never a source, never another output of the same run).</source>
        <translation>替换输出文件夹中已有的文件，而不是在旁边写入 名称 (2).扩展名（从不替换源文件，也不替换同一次运行的其他输出）。</translation>
    </message>
    <message>
        <source>Put the files found in a folder below the output folder at the same path they have below that folder.</source>
        <translation>将在文件夹中找到的文件放到输出文件夹下，路径与其在该文件夹下的路径相同。</translation>
    </message>
    <message>
        <source>Formats (index, short name, list text, what it uses):</source>
        <translation>格式（编号、简称、列表文字、所用设置）：</translation>
    </message>
    <message>
        <source>AMR audio bitrate</source>
        <translation>AMR 音频码率</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>音频码率</translation>
    </message>
    <message>
        <source>Video bitrates:</source>
        <translation>视频码率：</translation>
    </message>
    <message>
        <source>Screen sizes:</source>
        <translation>屏幕尺寸：</translation>
    </message>
    <message>
        <source>Audio bitrates:</source>
        <translation>音频码率：</translation>
    </message>
    <message>
        <source>AMR audio bitrates:</source>
        <translation>AMR 音频码率：</translation>
    </message>
    <message>
        <source>video bitrate, size, AMR audio bitrate</source>
        <translation>视频码率、尺寸、AMR 音频码率</translation>
    </message>
    <message>
        <source>video bitrate, size, audio bitrate</source>
        <translation>视频码率、尺寸、音频码率</translation>
    </message>
</context>
<context>
    <name>ConsoleBatchView</name>
    <message>
        <source>file %1 of %2</source>
        <translation>文件 %1/%2</translation>
    </message>
    <message>
        <source>%1 of %2 done</source>
        <translation>已完成 %1/%2</translation>
    </message>
</context>
<context>
    <name>HeadlessBatch</name>
    <message>
        <source>left out, a name holds a line break</source>
        <translation>已略过，名称中含有换行符</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>Conversion finished</source>
        <translation>转换完成</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>转换已停止</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>已转换 %1 个，失败 %2 个。</translation>
    </message>
    <message>
        <source>later launches cannot hand files over</source>
        <translation>之后的启动无法移交文件</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>打开“%1”菜单（%2）</translation>
    </message>
    <message>
        <source>Adds video files to the list (Ctrl+O)</source>
        <translation>将视频文件添加到列表（Ctrl+O）</translation>
    </message>
    <message>
        <source>Opens the Remove menu</source>
        <translation>打开“移除”菜单</translation>
    </message>
    <message>
        <source>Opens the options</source>
        <translation>打开选项</translation>
    </message>
    <message>
        <source>Opens the help (F1)</source>
        <translation>打开帮助（F1）</translation>
    </message>
    <message>
        <source>Exits the program (Ctrl+Q)</source>
        <translation>退出程序（Ctrl+Q）</translation>
    </message>
    <message>
        <source>Adds every video file of a folder and its subfolders (Ctrl+Shift+O)</source>
        <translation>添加文件夹及其子文件夹中的所有视频文件（Ctrl+Shift+O）</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>浏览输出文件夹</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Converts every file in the list (Ctrl+Return)</source>
        <translation>转换列表中的所有文件（Ctrl+Return）</translation>
    </message>
    <message>
        <source>Open the output format list</source>
        <translation>打开输出格式列表</translation>
    </message>
    <message>
        <source>Open the video bitrate list</source>
        <translation>打开视频码率列表</translation>
    </message>
    <message>
        <source>Open the screen size list</source>
        <translation>打开画面尺寸列表</translation>
    </message>
    <message>
        <source>Open the audio bitrate list</source>
        <translation>打开音频码率列表</translation>
    </message>
    <message>
        <source>Adds video files to the list</source>
        <translation>将视频文件添加到列表</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>移除所选</translation>
    </message>
    <message>
        <source>Removes the selected file (Delete)</source>
        <translation>移除所选文件（Delete）</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Converts every file in the list</source>
        <translation>转换列表中的所有文件</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>向我们发送建议或问题</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>要转换的文件</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>视频码率</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>画面尺寸</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>音频码率</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>帮助与教程</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>最小化窗口</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>MP3 音频码率</translation>
    </message>
    <message>
        <source>MP3 Audio Rate</source>
        <translation>MP3 音频采样率</translation>
    </message>
    <message>
        <source>MP3 Audio Channel(Stereo or Mono)</source>
        <translation>MP3 音频声道（立体声或单声道）</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>转换进度</translation>
    </message>
    <message>
        <source>Send us your suggestion or question (Ctrl+Shift+F)</source>
        <translation>向我们发送建议或问题（Ctrl+Shift+F）</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>选择输出到的文件夹</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please add a file</source>
        <translation>请添加文件</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Tavoclip</source>
        <translation>Tavoclip</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完成。</translation>
    </message>
    <message>
        <source>These files were not converted:</source>
        <translation>以下文件未转换：</translation>
    </message>
    <message>
        <source>Command Line empty</source>
        <translation>命令行为空</translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>找不到文件或命令</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>剩余不到一分钟</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>剩余约 %n 分钟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressCaptionAccessible</name>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running copy did not take the files</source>
        <translation>正在运行的副本未接收这些文件</translation>
    </message>
</context>
<context>
    <name>tavoclip::BatchOverview</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stopped: %1 converted, %2 left.</source>
        <translation>已停止：已转换 %1 个，剩余 %2 个。</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>已转换 %1/%n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2</source>
        <translation>
            <numerusform>已转换 %1/%n 个文件，%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::COMDLG</name>
    <message>
        <source>Please select a folder:</source>
        <translation>请选择文件夹：</translation>
    </message>
</context>
<context>
    <name>tavoclip::DesktopNotifier</name>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListActions</name>
    <message>
        <source>Drag &amp; Drop Files Here</source>
        <translation>将文件拖放到此处</translation>
    </message>
    <message>
        <source>Searching Files...</source>
        <translation>正在搜索文件...</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI Files(*.AVI)|*.avi|Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|Quick Time Files(*.MOV)|*.mov|Cellphone Video(*.3GP)|*.3gp|All Files(*.*)|*.*</source>
        <translation>Flash 视频(*.FLV)|*.flv|MPEG 视频(*.MPG)|*.mpg|Windows AVI 文件(*.AVI)|*.avi|Windows Media 视频(*.WMV)|*.wmv|MPEG-4 视频(*.MP4)|*.mp4|QuickTime 文件(*.MOV)|*.mov|手机视频(*.3GP)|*.3gp|所有文件(*.*)|*.*</translation>
    </message>
    <message>
        <source>: the name is not valid UTF-8 text</source>
        <translation>：名称不是有效的 UTF-8 文本</translation>
    </message>
    <message>
        <source>: not a full path, so which file it names is not known here</source>
        <translation>：不是完整路径，因此无法得知它指的是哪个文件</translation>
    </message>
    <message>
        <source>: no such file or folder</source>
        <translation>：没有此文件或文件夹</translation>
    </message>
    <message>
        <source>These were not added:

</source>
        <translation>以下项目未添加：

</translation>
    </message>
    <message numerus="yes">
        <source>

and %n more.</source>
        <translation>
            <numerusform>

以及另外 %n 个。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListModel</name>
    <message>
        <source>FileName</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListView</name>
    <message>
        <source>File List</source>
        <translation>文件列表</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmMain</name>
    <message>
        <source>Ver </source>
        <translation>版本 </translation>
    </message>
    <message>
        <source>, published by the Tavoclip project.
</source>
        <translation>，由 Tavoclip 项目发布。
</translation>
    </message>
    <message>
        <source>All rights reserved.
</source>
        <translation>保留所有权利。
</translation>
    </message>
    <message>
        <source>/help.html</source>
        <comment>the help page&apos;s file name; a translated page help_&lt;language&gt;.html</comment>
        <translation>/help_zh_CN.html</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The help page is %1.</source>
        <translation>未找到显示网页的程序。帮助页面是 %1。</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The address is %1.</source>
        <translation>未找到显示网页的程序。地址是 %1。</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmMenu</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Add a File(&amp;A)</source>
        <translation>添加文件(&amp;A)</translation>
    </message>
    <message>
        <source>Add a Folder(&amp;F)</source>
        <translation>添加文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Options(&amp;O)</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>移除所选</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>全部移除</translation>
    </message>
    <message>
        <source>Keep Folder Structure</source>
        <translation>保留文件夹结构</translation>
    </message>
    <message>
        <source>Convert at Once</source>
        <translation>同时转换</translation>
    </message>
    <message>
        <source>1 File</source>
        <translation>1 个文件</translation>
    </message>
    <message>
        <source>2 Files</source>
        <translation>2 个文件</translation>
    </message>
    <message>
        <source>4 Files</source>
        <translation>4 个文件</translation>
    </message>
    <message>
        <source>One per Core (%1)</source>
        <translation>每核一个（%1）</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmOptions</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Completion Sound</source>
        <translation>完成提示音</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>音乐剪切</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>h</source>
        <translation>时</translation>
    </message>
    <message>
        <source>m</source>
        <translation>分</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>MP3 音频码率</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Open the sound list</source>
        <translation>打开提示音列表</translation>
    </message>
    <message>
        <source>Minutes must less than 60</source>
        <translation>分钟必须小于 60</translation>
    </message>
    <message>
        <source>Seconds must less than 60</source>
        <translation>秒数必须小于 60</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They apply until Tavoclip ends.</source>
        <translation>无法将选项保存到 %1。它们在 Tavoclip 退出前有效。</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Start hours</source>
        <translation>开始：小时</translation>
    </message>
    <message>
        <source>Start minutes</source>
        <translation>开始：分钟</translation>
    </message>
    <message>
        <source>Start seconds</source>
        <translation>开始：秒</translation>
    </message>
    <message>
        <source>Length hours</source>
        <translation>长度：小时</translation>
    </message>
    <message>
        <source>Length minutes</source>
        <translation>长度：分钟</translation>
    </message>
    <message>
        <source>Length seconds</source>
        <translation>长度：秒</translation>
    </message>
    <message>
        <source>Plays a sound when a batch ends</source>
        <translation>批量转换结束时播放提示音</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmSuggest</name>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>邮箱：</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>留言：</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>FeedBack</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮箱</translation>
    </message>
    <message>
        <source>Send your feedback now</source>
        <translation>立即发送反馈</translation>
    </message>
    <message>
        <source>back to main</source>
        <translation>返回主窗口</translation>
    </message>
    <message>
        <source>Your Name?</source>
        <translation>您的姓名？</translation>
    </message>
    <message>
        <source>Your Email?</source>
        <translation>您的邮箱？</translation>
    </message>
    <message>
        <source>Comment?</source>
        <translation>留言？</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>正在发送...</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>已完成。</translation>
    </message>
    <message>
        <source>Not sent.</source>
        <translation>未发送。</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>电子邮箱</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>留言</translation>
    </message>
</context>
</TS>
