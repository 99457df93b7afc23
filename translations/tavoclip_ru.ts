<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Converts video files with the Tavoclip converter, one after another.</source>
        <translation>Преобразует видеофайлы один за другим конвертером Tavoclip.</translation>
    </message>
    <message>
        <source>Files to convert; folders are searched with all their subfolders.</source>
        <translation>Файлы для преобразования; папки просматриваются вместе со всеми подпапками.</translation>
    </message>
    <message>
        <source>Output format: its list text, short name (MP4) or index.</source>
        <translation>Формат вывода: текст из списка, краткое имя (MP4) или номер.</translation>
    </message>
    <message>
        <source>Video bitrate, such as 256k.</source>
        <translation>Битрейт видео, например 256k.</translation>
    </message>
    <message>
        <source>Screen size, such as 320x240.</source>
        <translation>Размер кадра, например 320x240.</translation>
    </message>
    <message>
        <source>Audio bitrate, such as 128k.</source>
        <translation>Битрейт звука, например 128k.</translation>
    </message>
    <message>
        <source>Output folder (default: the current folder).</source>
        <translation>Папка вывода (по умолчанию: текущая папка).</translation>
    </message>
    <message>
        <source>Convert only LENGTH from START of every source (seconds or h:m:s).</source>
        <translation>Преобразовать только LENGTH от START каждого источника (секунды или h:m:s).</translation>
    </message>
    <message>
        <source>Play the completion sound at the end.</source>
        <translation>Проиграть звук завершения в конце.</translation>
    </message>
    <message>
        <source>Play no completion sound (the default).</source>
        <translation>Не проигрывать звук завершения (по умолчанию).</translation>
    </message>
    <message>
        <source>The converter to run, and how --print-jobs names it (default: data/conv beside this program).</source>
        <translation>Запускаемый конвертер и его имя в --print-jobs (по умолчанию: data/conv рядом с этой программой).</translation>
    </message>
    <message>
        <source>Print each converter command line; run nothing.</source>
        <translation>Вывести каждую командную строку конвертера; ничего не запускать.</translation>
    </message>
    <message>
        <source>Convert up to N files at once; 0 means one per core (default 1).</source>
        <translation>Преобразовывать до N файлов одновременно; 0 — по одному на ядро (по умолчанию 1).</translation>
    </message>
    <message>
        <source>Print one POSIX shell command per file, for running elsewhere; run nothing.</source>
        <translation>Вывести по одной команде оболочки POSIX на файл для запуска в другом месте; ничего не запускать.</translation>
    </message>
    <message>
        <source>List the formats and the values each option takes.</source>
        <translation>Показать форматы и значения каждого параметра.</translation>
    </message>
    <message>
        <source>No PATH given: name the files or folders to convert (see --help).</source>
        <translation>Не указан PATH: назовите файлы или папки для преобразования (см. --help).</translation>
    </message>
    <message>
        <source>--cut needs START and LENGTH.</source>
        <translation>--cut требует START и LENGTH.</translation>
    </message>
    <message>
        <source>--cut takes a START of 0 or more and a LENGTH above 0, in seconds or h:m:s.</source>
        <translation>--cut принимает START от 0 и LENGTH больше 0, в секундах или h:m:s.</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;. Allowed: %2, their list texts, or 0 to 9.</source>
        <translation>Неизвестный формат «%1». Допустимо: %2, их тексты из списка или 0–9.</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Битрейт видео</translation>
    </message>
    <message>
        <source>Screen size</source>
        <translation>Размер кадра</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>Битрейт звука</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not allowed here. Allowed: %3.</source>
        <translation>%1 «%2» здесь недопустим. Допустимо: %3.</translation>
    </message>
    <message>
        <source>--jobs takes a whole number: 1 or more, or 0 for one per core.</source>
        <translation>--jobs принимает целое число: 1 или больше, либо 0 — по одному на ядро.</translation>
    </message>
    <message>
        <source>Replace a file already in the output folder instead of writing NAME (2).EXT beside it (never a source, never another output of the same run).</source>
        <translation>Заменять файл, уже лежащий в папке вывода, вместо записи ИМЯ (2).EXT рядом (никогда не источник и не другой результат того же запуска).</translation>
    </message>
    <message>
        <source>Put the files found in a folder below the output folder at the same path they have below that folder.</source>
        <translation>Класть файлы, найденные в папке, в папку вывода по тому же пути, что и внутри той папки.</translation>
    </message>
    <message>
        <source>Formats (index, short name, list text, what it uses):</source>
        <translation>Форматы (номер, краткое имя, текст списка, что использует):</translation>
    </message>
    <message>
        <source>AMR audio bitrate</source>
        <translation>битрейт звука AMR</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>битрейт звука</translation>
    </message>
    <message>
        <source>Video bitrates:</source>
        <translation>Битрейты видео:</translation>
    </message>
    <message>
        <source>Screen sizes:</source>
        <translation>Размеры экрана:</translation>
    </message>
    <message>
        <source>Audio bitrates:</source>
        <translation>Битрейты звука:</translation>
    </message>
    <message>
        <source>AMR audio bitrates:</source>
        <translation>Битрейты звука AMR:</translation>
    </message>
    <message>
        <source>video bitrate, size, AMR audio bitrate</source>
        <translation>битрейт видео, размер, битрейт звука AMR</translation>
    </message>
    <message>
        <source>video bitrate, size, audio bitrate</source>
        <translation>битрейт видео, размер, битрейт звука</translation>
    </message>
</context>
<context>
    <name>ConsoleBatchView</name>
    <message>
        <source>file %1 of %2</source>
        <translation>файл %1 из %2</translation>
    </message>
    <message>
        <source>%1 of %2 done</source>
        <translation>готово %1 из %2</translation>
    </message>
</context>
<context>
    <name>HeadlessBatch</name>
    <message>
        <source>left out, a name holds a line break</source>
        <translation>пропущено: имя содержит перевод строки</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>Conversion finished</source>
        <translation>Преобразование завершено</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>Преобразование остановлено</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>Преобразовано: %1, с ошибкой: %2.</translation>
    </message>
    <message>
        <source>later launches cannot hand files over</source>
        <translation>следующие запуски не смогут передать файлы</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>Открывает меню «%1» (%2)</translation>
    </message>
    <message>
        <source>Adds video files to the list (Ctrl+O)</source>
        <translation>Добавляет видеофайлы в список (Ctrl+O)</translation>
    </message>
    <message>
        <source>Opens the Remove menu</source>
        <translation>Открывает меню «Убрать»</translation>
    </message>
    <message>
        <source>Opens the options</source>
        <translation>Открывает параметры</translation>
    </message>
    <message>
        <source>Opens the help (F1)</source>
        <translation>Открывает справку (F1)</translation>
    </message>
    <message>
        <source>Exits the program (Ctrl+Q)</source>
        <translation>Закрывает программу (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Adds every video file of a folder and its subfolders (Ctrl+Shift+O)</source>
        <translation>Добавляет все видеофайлы папки и её подпапок (Ctrl+Shift+O)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Converts every file in the list (Ctrl+Return)</source>
        <translation>Преобразует все файлы списка (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Open the output format list</source>
        <translation>Открыть список форматов вывода</translation>
    </message>
    <message>
        <source>Open the video bitrate list</source>
        <translation>Открыть список битрейтов видео</translation>
    </message>
    <message>
        <source>Open the screen size list</source>
        <translation>Открыть список размеров кадра</translation>
    </message>
    <message>
        <source>Open the audio bitrate list</source>
        <translation>Открыть список битрейтов звука</translation>
    </message>
    <message>
        <source>Adds video files to the list</source>
        <translation>Добавляет видеофайлы в список</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Убрать выбранное</translation>
    </message>
    <message>
        <source>Removes the selected file (Delete)</source>
        <translation>Убирает выбранный файл (Delete)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Converts every file in the list</source>
        <translation>Преобразует все файлы списка</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Отправьте нам предложение или вопрос</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Файлы для преобразования</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Формат вывода</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Битрейт видео</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Размер кадра</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Битрейт звука</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Папка вывода</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход работы</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Справка и обучение</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Свернуть окно</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>Битрейт звука MP3</translation>
    </message>
    <message>
        <source>MP3 Audio Rate</source>
        <translation>Частота звука MP3</translation>
    </message>
    <message>
        <source>MP3 Audio Channel(Stereo or Mono)</source>
        <translation>Канал звука MP3 (стерео или моно)</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Ход преобразования</translation>
    </message>
    <message>
        <source>Send us your suggestion or question (Ctrl+Shift+F)</source>
        <translation>Отправьте нам предложение или вопрос (Ctrl+Shift+F)</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Выбрать папку для вывода</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please add a file</source>
        <translation>Добавьте файл</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Tavoclip</source>
        <translation>Tavoclip</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>These files were not converted:</source>
        <translation>Эти файлы не преобразованы:</translation>
    </message>
    <message>
        <source>Command Line empty</source>
        <translation>Командная строка пуста</translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Файл или команда не найдены</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>осталось меньше минуты</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>осталось около %n мин</numerusform>
            <numerusform>осталось около %n мин</numerusform>
            <numerusform>осталось около %n мин</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressCaptionAccessible</name>
    <message>
        <source>Progress</source>
        <translation>Ход</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running copy did not take the files</source>
        <translation>запущенная копия не приняла файлы</translation>
    </message>
</context>
<context>
    <name>tavoclip::BatchOverview</name>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Stopped: %1 converted, %2 left.</source>
        <translation>Остановлено: преобразовано %1, осталось %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>преобразовано %1 из %n файла</numerusform>
            <numerusform>преобразовано %1 из %n файлов</numerusform>
            <numerusform>преобразовано %1 из %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2</source>
        <translation>
            <numerusform>преобразовано %1 из %n файла, %2</numerusform>
            <numerusform>преобразовано %1 из %n файлов, %2</numerusform>
            <numerusform>преобразовано %1 из %n файлов, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::COMDLG</name>
    <message>
        <source>Please select a folder:</source>
        <translation>Выберите папку:</translation>
    </message>
</context>
<context>
    <name>tavoclip::DesktopNotifier</name>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListActions</name>
    <message>
        <source>Drag &amp; Drop Files Here</source>
        <translation>Перетащите файлы сюда</translation>
    </message>
    <message>
        <source>Searching Files...</source>
        <translation>Поиск файлов...</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Открыть файлы</translation>
    </message>
    <message>
        <source>Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI Files(*.AVI)|*.avi|Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|Quick Time Files(*.MOV)|*.mov|Cellphone Video(*.3GP)|*.3gp|All Files(*.*)|*.*</source>
        <translation>Flash Видео(*.FLV)|*.flv|MPEG Видео(*.MPG)|*.mpg|Windows AVI Файлы(*.AVI)|*.avi|Windows Media Видео(*.WMV)|*.wmv|MPEG-4 Видео(*.MP4)|*.mp4|QuickTime Файлы(*.MOV)|*.mov|Видео для телефона(*.3GP)|*.3gp|Все файлы(*.*)|*.*</translation>
    </message>
    <message>
        <source>: the name is not valid UTF-8 text</source>
        <translation>: имя не является допустимым текстом UTF-8</translation>
    </message>
    <message>
        <source>: not a full path, so which file it names is not known here</source>
        <translation>: не полный путь, поэтому неизвестно, какой файл имеется в виду</translation>
    </message>
    <message>
        <source>: no such file or folder</source>
        <translation>: нет такого файла или папки</translation>
    </message>
    <message>
        <source>These were not added:

</source>
        <translation>Не добавлены:

</translation>
    </message>
    <message numerus="yes">
        <source>

and %n more.</source>
        <translation>
            <numerusform>

и ещё %n.</numerusform>
            <numerusform>

и ещё %n.</numerusform>
            <numerusform>

и ещё %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListModel</name>
    <message>
        <source>FileName</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListView</name>
    <message>
        <source>File List</source>
        <translation>Список файлов</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmMain</name>
    <message>
        <source>Ver </source>
        <translation>Вер. </translation>
    </message>
    <message>
        <source>, published by the Tavoclip project.
</source>
        <translation>, издано проектом Tavoclip.
</translation>
    </message>
    <message>
        <source>All rights reserved.
</source>
        <translation>Все права защищены.
</translation>
    </message>
    <message>
        <source>/help.html</source>
        <comment>the help page&apos;s file name; a translated page help_&lt;language&gt;.html</comment>
        <translation>/help_ru.html</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The help page is %1.</source>
        <translation>Не найдена программа для показа веб-страниц. Страница справки: %1.</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The address is %1.</source>
        <translation>Не найдена программа для показа веб-страниц. Адрес: %1.</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmMenu</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Add a File(&amp;A)</source>
        <translation>Добавить файл(&amp;A)</translation>
    </message>
    <message>
        <source>Add a Folder(&amp;F)</source>
        <translation>Добавить папку(&amp;F)</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>Выход(&amp;E)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Options(&amp;O)</source>
        <translation>Параметры(&amp;O)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Справка(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>О программе(&amp;A)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Убрать выбранное</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Убрать все</translation>
    </message>
    <message>
        <source>Keep Folder Structure</source>
        <translation>Сохранять структуру папок</translation>
    </message>
    <message>
        <source>Convert at Once</source>
        <translation>Преобразовывать сразу</translation>
    </message>
    <message>
        <source>1 File</source>
        <translation>1 файл</translation>
    </message>
    <message>
        <source>2 Files</source>
        <translation>2 файла</translation>
    </message>
    <message>
        <source>4 Files</source>
        <translation>4 файла</translation>
    </message>
    <message>
        <source>One per Core (%1)</source>
        <translation>По одному на ядро (%1)</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmOptions</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Completion Sound</source>
        <translation>Звук конца</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Обрезка</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>Битрейт звука MP3</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>Open the sound list</source>
        <translation>Открыть список звуков</translation>
    </message>
    <message>
        <source>Minutes must less than 60</source>
        <translation>Минут должно быть меньше 60</translation>
    </message>
    <message>
        <source>Seconds must less than 60</source>
        <translation>Секунд должно быть меньше 60</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They apply until Tavoclip ends.</source>
        <translation>Не удалось сохранить параметры в %1. Они действуют до закрытия Tavoclip.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Start hours</source>
        <translation>Начало: часы</translation>
    </message>
    <message>
        <source>Start minutes</source>
        <translation>Начало: минуты</translation>
    </message>
    <message>
        <source>Start seconds</source>
        <translation>Начало: секунды</translation>
    </message>
    <message>
        <source>Length hours</source>
        <translation>Длина: часы</translation>
    </message>
    <message>
        <source>Length minutes</source>
        <translation>Длина: минуты</translation>
    </message>
    <message>
        <source>Length seconds</source>
        <translation>Длина: секунды</translation>
    </message>
    <message>
        <source>Plays a sound when a batch ends</source>
        <translation>Воспроизводит звук по окончании пакета</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmSuggest</name>
    <message>
        <source>Send</source>
        <translation>Отпр.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Почта:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Отзыв:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>FeedBack</source>
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Send your feedback now</source>
        <translation>Отправить отзыв сейчас</translation>
    </message>
    <message>
        <source>back to main</source>
        <translation>назад к главному окну</translation>
    </message>
    <message>
        <source>Your Name?</source>
        <translation>Ваше имя?</translation>
    </message>
    <message>
        <source>Your Email?</source>
        <translation>Ваша почта?</translation>
    </message>
    <message>
        <source>Comment?</source>
        <translation>Отзыв?</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Отправка...</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>Not sent.</source>
        <translation>Не отправлено.</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Электронная почта</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
</context>
</TS>
