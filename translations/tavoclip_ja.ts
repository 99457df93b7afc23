<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Converts video files with the Tavoclip converter, one after another.</source>
        <translation>Tavoclip の変換プログラムで動画ファイルを順に変換します。</translation>
    </message>
    <message>
        <source>Files to convert; folders are searched with all their subfolders.</source>
        <translation>変換するファイル。フォルダーはすべてのサブフォルダーも含めて検索します。</translation>
    </message>
    <message>
        <source>Output format: its list text, short name (MP4) or index.</source>
        <translation>出力形式：一覧の表記、短い名前（MP4）または番号。</translation>
    </message>
    <message>
        <source>Video bitrate, such as 256k.</source>
        <translation>映像のビットレート（例: 256k）。</translation>
    </message>
    <message>
        <source>Screen size, such as 320x240.</source>
        <translation>画面サイズ（例: 320x240）。</translation>
    </message>
    <message>
        <source>Audio bitrate, such as 128k.</source>
        <translation>音声のビットレート（例: 128k）。</translation>
    </message>
    <message>
        <source>Output folder (default: the current folder).</source>
        <translation>出力フォルダー（既定: 現在のフォルダー）。</translation>
    </message>
    <message>
        <source>Convert only LENGTH from START of every source (seconds or h:m:s).</source>
        <translation>各ソースの START から LENGTH だけを変換します（秒または h:m:s）。</translation>
    </message>
    <message>
        <source>Play the completion sound at the end.</source>
        <translation>終了時に完了音を鳴らします。</translation>
    </message>
    <message>
        <source>Play no completion sound (the default).</source>
        <translation>完了音を鳴らしません（既定）。</translation>
    </message>
    <message>
        <source>The converter to run, and how --print-jobs names it (default: data/conv beside this program).</source>
        <translation>実行する変換プログラムと、--print-jobs での名前（既定: このプログラムの隣の data/conv）。</translation>
    </message>
    <message>
        <source>Print each converter command line; run nothing.</source>
        <translation>変換プログラムの各コマンド行を表示し、何も実行しません。</translation>
    </message>
    <message>
        <source>Convert up to N files at once; 0 means one per core (default 1).</source>
        <translation>最大 N 個のファイルを同時に変換します。0 はコアごとに 1 個（既定 1）。</translation>
    </message>
    <message>
        <source>Print one POSIX shell command per file, for running elsewhere; run nothing.</source>
        <translation>ファイルごとに POSIX シェルのコマンドを 1 行表示し（別の場所で実行するため）、何も実行しません。</translation>
    </message>
    <message>
        <source>List the formats and the values each option takes.</source>
        <translation>形式と各オプションの値を一覧表示します。</translation>
    </message>
    <message>
        <source>No PATH given: name the files or folders to convert (see --help).</source>
        <translation>PATH がありません。変換するファイルまたはフォルダーを指定してください（--help を参照）。</translation>
    </message>
    <message>
        <source>--cut needs START and LENGTH.</source>
        <translation>--cut には START と LENGTH が必要です。</translation>
    </message>
    <message>
        <source>--cut takes a START of 0 or more and a LENGTH above 0, in seconds or h:m:s.</source>
        <translation>--cut には 0 以上の START と 0 より大きい LENGTH を秒または h:m:s で指定します。</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;. Allowed: %2, their list texts, or 0 to 9.</source>
        <translation>不明な形式「%1」です。使用できるもの: %2、その一覧の表記、または 0〜9。</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>映像ビットレート</translation>
    </message>
    <message>
        <source>Screen size</source>
        <translation>画面サイズ</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>音声ビットレート</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not allowed here. Allowed: %3.</source>
        <translation>%1「%2」はここでは使用できません。使用できるもの: %3。</translation>
    </message>
    <message>
        <source>--jobs takes a whole number: 1 or more, or 0 for one per core.</source>
        <translation>--jobs には整数を指定します: 1 以上、またはコアごとに 1 個なら 0。</translation>
    </message>
    <message>
        <source>Replace a file already in the output folder instead of writing NAME (2).EXT beside it (never a source, never another output of the same run).</source>
        <translation>出力フォルダーに既にあるファイルを、隣に 名前 (2).拡張子 を書く代わりに置き換えます（元のファイルや同じ実行の他の出力は置き換えません）。</translation>
    </message>
    <message>
        <source>Put the files found in a folder below the output folder at the same path they have below that folder.</source>
        <translation>フォルダー内で見つかったファイルを、そのフォルダー内と同じパスで出力フォルダーの下に置きます。</translation>
    </message>
    <message>
        <source>Formats (index, short name, list text, what it uses):</source>
        <translation>形式（番号、短い名前、一覧の表示名、使う設定）:</translation>
    </message>
    <message>
        <source>AMR audio bitrate</source>
        <translation>AMR 音声ビットレート</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>音声ビットレート</translation>
    </message>
    <message>
        <source>Video bitrates:</source>
        <translation>映像ビットレート:</translation>
    </message>
    <message>
        <source>Screen sizes:</source>
        <translation>画面サイズ:</translation>
    </message>
    <message>
        <source>Audio bitrates:</source>
        <translation>音声ビットレート:</translation>
    </message>
    <message>
        <source>AMR audio bitrates:</source>
        <translation>AMR 音声ビットレート:</translation>
    </message>
    <message>
        <source>video bitrate, size, AMR audio bitrate</source>
        <translation>映像ビットレート、サイズ、AMR 音声ビットレート</translation>
    </message>
    <message>
        <source>video bitrate, size, audio bitrate</source>
        <translation>映像ビットレート、サイズ、音声ビットレート</translation>
    </message>
</context>
<context>
    <name>ConsoleBatchView</name>
    <message>
        <source>file %1 of %2</source>
        <translation>ファイル %1/%2</translation>
    </message>
    <message>
        <source>%1 of %2 done</source>
        <translation>%1/%2 完了</translation>
    </message>
</context>
<context>
    <name>HeadlessBatch</name>
    <message>
        <source>left out, a name holds a line break</source>
        <translation>省略しました。名前に改行が含まれています</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>Conversion finished</source>
        <translation>変換が終わりました</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>変換を停止しました</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>%1 件変換、%2 件失敗。</translation>
    </message>
    <message>
        <source>later launches cannot hand files over</source>
        <translation>後から起動しても、ファイルを渡せません</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>ファイル追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダー追加</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>%1 メニューを開きます（%2）</translation>
    </message>
    <message>
        <source>Adds video files to the list (Ctrl+O)</source>
        <translation>動画ファイルを一覧に追加します（Ctrl+O）</translation>
    </message>
    <message>
        <source>Opens the Remove menu</source>
        <translation>削除メニューを開きます</translation>
    </message>
    <message>
        <source>Opens the options</source>
        <translation>オプションを開きます</translation>
    </message>
    <message>
        <source>Opens the help (F1)</source>
        <translation>ヘルプを開きます（F1）</translation>
    </message>
    <message>
        <source>Exits the program (Ctrl+Q)</source>
        <translation>プログラムを終了します（Ctrl+Q）</translation>
    </message>
    <message>
        <source>Adds every video file of a folder and its subfolders (Ctrl+Shift+O)</source>
        <translation>フォルダーとそのサブフォルダーの動画ファイルをすべて追加します（Ctrl+Shift+O）</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>出力フォルダーを選択</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Converts every file in the list (Ctrl+Return)</source>
        <translation>一覧のすべてのファイルを変換します（Ctrl+Return）</translation>
    </message>
    <message>
        <source>Open the output format list</source>
        <translation>出力形式の一覧を開く</translation>
    </message>
    <message>
        <source>Open the video bitrate list</source>
        <translation>映像ビットレートの一覧を開く</translation>
    </message>
    <message>
        <source>Open the screen size list</source>
        <translation>画面サイズの一覧を開く</translation>
    </message>
    <message>
        <source>Open the audio bitrate list</source>
        <translation>音声ビットレートの一覧を開く</translation>
    </message>
    <message>
        <source>Adds video files to the list</source>
        <translation>動画ファイルを一覧に追加します</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Removes the selected file (Delete)</source>
        <translation>選択したファイルを削除します（Delete）</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Converts every file in the list</source>
        <translation>一覧のすべてのファイルを変換します</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>ご意見</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>ご提案やご質問をお送りください</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>変換するファイル</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>映像ビットレート</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>画面サイズ</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>音声ビットレート</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>ヘルプとチュートリアル</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>ウィンドウを最小化</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>出力フォルダーを選択</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>MP3 音声ビットレート</translation>
    </message>
    <message>
        <source>MP3 Audio Rate</source>
        <translation>MP3 音声レート</translation>
    </message>
    <message>
        <source>MP3 Audio Channel(Stereo or Mono)</source>
        <translation>MP3 音声チャンネル（ステレオまたはモノラル）</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>変換の進み具合</translation>
    </message>
    <message>
        <source>Send us your suggestion or question (Ctrl+Shift+F)</source>
        <translation>ご提案やご質問をお送りください（Ctrl+Shift+F）</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>出力先フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please add a file</source>
        <translation>ファイルを追加してください</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Tavoclip</source>
        <translation>Tavoclip</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完了。</translation>
    </message>
    <message>
        <source>These files were not converted:</source>
        <translation>次のファイルは変換されませんでした:</translation>
    </message>
    <message>
        <source>Command Line empty</source>
        <translation>コマンド行が空です</translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>ファイルまたはコマンドが見つかりません</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>残り 1 分未満</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>残り約 %n 分</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressCaptionAccessible</name>
    <message>
        <source>Progress</source>
        <translation>進み具合</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running copy did not take the files</source>
        <translation>実行中のコピーがファイルを受け取りませんでした</translation>
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
        <translation>停止: %1 件変換、残り %2 件。</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%n 件中 %1 件を変換済み</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2</source>
        <translation>
            <numerusform>%n 件中 %1 件を変換済み、%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::COMDLG</name>
    <message>
        <source>Please select a folder:</source>
        <translation>フォルダーを選択してください:</translation>
    </message>
</context>
<context>
    <name>tavoclip::DesktopNotifier</name>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListActions</name>
    <message>
        <source>Drag &amp; Drop Files Here</source>
        <translation>ここにファイルをドロップ</translation>
    </message>
    <message>
        <source>Searching Files...</source>
        <translation>ファイルを検索中...</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI Files(*.AVI)|*.avi|Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|Quick Time Files(*.MOV)|*.mov|Cellphone Video(*.3GP)|*.3gp|All Files(*.*)|*.*</source>
        <translation>Flash 動画(*.FLV)|*.flv|MPEG 動画(*.MPG)|*.mpg|Windows AVI ファイル(*.AVI)|*.avi|Windows Media 動画(*.WMV)|*.wmv|MPEG-4 動画(*.MP4)|*.mp4|QuickTime ファイル(*.MOV)|*.mov|携帯電話の動画(*.3GP)|*.3gp|すべてのファイル(*.*)|*.*</translation>
    </message>
    <message>
        <source>: the name is not valid UTF-8 text</source>
        <translation>: 名前が有効な UTF-8 テキストではありません</translation>
    </message>
    <message>
        <source>: not a full path, so which file it names is not known here</source>
        <translation>: 完全なパスではないため、どのファイルを指すか分かりません</translation>
    </message>
    <message>
        <source>: no such file or folder</source>
        <translation>: そのファイルまたはフォルダーはありません</translation>
    </message>
    <message>
        <source>These were not added:

</source>
        <translation>次のものは追加されませんでした:

</translation>
    </message>
    <message numerus="yes">
        <source>

and %n more.</source>
        <translation>
            <numerusform>

ほか %n 件。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListModel</name>
    <message>
        <source>FileName</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListView</name>
    <message>
        <source>File List</source>
        <translation>ファイル一覧</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmMain</name>
    <message>
        <source>Ver </source>
        <translation>Ver. </translation>
    </message>
    <message>
        <source>, published by the Tavoclip project.
</source>
        <translation>、Tavoclip プロジェクト発行。
</translation>
    </message>
    <message>
        <source>All rights reserved.
</source>
        <translation>All rights reserved.
</translation>
    </message>
    <message>
        <source>/help.html</source>
        <comment>the help page&apos;s file name; a translated page help_&lt;language&gt;.html</comment>
        <translation>/help_ja.html</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The help page is %1.</source>
        <translation>Web ページを表示するプログラムが見つかりません。ヘルプのページは %1 です。</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The address is %1.</source>
        <translation>Web ページを表示するプログラムが見つかりません。アドレスは %1 です。</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmMenu</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Add a File(&amp;A)</source>
        <translation>ファイルを追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add a Folder(&amp;F)</source>
        <translation>フォルダーを追加(&amp;F)</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Options(&amp;O)</source>
        <translation>設定(&amp;O)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Keep Folder Structure</source>
        <translation>フォルダー構成を保つ</translation>
    </message>
    <message>
        <source>Convert at Once</source>
        <translation>同時に変換</translation>
    </message>
    <message>
        <source>1 File</source>
        <translation>1 ファイル</translation>
    </message>
    <message>
        <source>2 Files</source>
        <translation>2 ファイル</translation>
    </message>
    <message>
        <source>4 Files</source>
        <translation>4 ファイル</translation>
    </message>
    <message>
        <source>One per Core (%1)</source>
        <translation>コアごとに 1 つ（%1）</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmOptions</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Completion Sound</source>
        <translation>完了音</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>カット</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>h</source>
        <translation>時</translation>
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
        <translation>終了</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>MP3 音声ビットレート</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Open the sound list</source>
        <translation>音の一覧を開く</translation>
    </message>
    <message>
        <source>Minutes must less than 60</source>
        <translation>分は 60 未満にしてください</translation>
    </message>
    <message>
        <source>Seconds must less than 60</source>
        <translation>秒は 60 未満にしてください</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They apply until Tavoclip ends.</source>
        <translation>オプションを %1 に保存できませんでした。Tavoclip の終了まで有効です。</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Start hours</source>
        <translation>開始: 時間</translation>
    </message>
    <message>
        <source>Start minutes</source>
        <translation>開始: 分</translation>
    </message>
    <message>
        <source>Start seconds</source>
        <translation>開始: 秒</translation>
    </message>
    <message>
        <source>Length hours</source>
        <translation>長さ: 時間</translation>
    </message>
    <message>
        <source>Length minutes</source>
        <translation>長さ: 分</translation>
    </message>
    <message>
        <source>Length seconds</source>
        <translation>長さ: 秒</translation>
    </message>
    <message>
        <source>Plays a sound when a batch ends</source>
        <translation>一括変換が終わると音を鳴らします</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmSuggest</name>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>お名前:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>メール:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>FeedBack</source>
        <translation>ご意見</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>お名前</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Send your feedback now</source>
        <translation>ご意見を今すぐ送信</translation>
    </message>
    <message>
        <source>back to main</source>
        <translation>メイン画面に戻る</translation>
    </message>
    <message>
        <source>Your Name?</source>
        <translation>お名前は?</translation>
    </message>
    <message>
        <source>Your Email?</source>
        <translation>メールは?</translation>
    </message>
    <message>
        <source>Comment?</source>
        <translation>コメントは?</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>送信中...</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>完了。</translation>
    </message>
    <message>
        <source>Not sent.</source>
        <translation>未送信。</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
</context>
</TS>
