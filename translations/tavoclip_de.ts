<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Converts video files with the Tavoclip converter, one after another.</source>
        <translation>Wandelt Videodateien nacheinander mit dem Tavoclip-Konverter um.</translation>
    </message>
    <message>
        <source>Files to convert; folders are searched with all their subfolders.</source>
        <translation>Umzuwandelnde Dateien; Ordner werden samt Unterordnern durchsucht.</translation>
    </message>
    <message>
        <source>Output format: its list text, short name (MP4) or index.</source>
        <translation>Ausgabeformat: sein Listentext, Kurzname (MP4) oder Index.</translation>
    </message>
    <message>
        <source>Video bitrate, such as 256k.</source>
        <translation>Video-Bitrate, etwa 256k.</translation>
    </message>
    <message>
        <source>Screen size, such as 320x240.</source>
        <translation>Bildgröße, etwa 320x240.</translation>
    </message>
    <message>
        <source>Audio bitrate, such as 128k.</source>
        <translation>Audio-Bitrate, etwa 128k.</translation>
    </message>
    <message>
        <source>Output folder (default: the current folder).</source>
        <translation>Ausgabeordner (Vorgabe: der aktuelle Ordner).</translation>
    </message>
    <message>
        <source>Convert only LENGTH from START of every source (seconds or h:m:s).</source>
        <translation>Nur LENGTH ab START jeder Quelle umwandeln (Sekunden oder h:m:s).</translation>
    </message>
    <message>
        <source>Play the completion sound at the end.</source>
        <translation>Am Ende den Fertig-Klang abspielen.</translation>
    </message>
    <message>
        <source>Play no completion sound (the default).</source>
        <translation>Keinen Fertig-Klang abspielen (Vorgabe).</translation>
    </message>
    <message>
        <source>The converter to run, and how --print-jobs names it (default: data/conv beside this program).</source>
        <translation>Der zu startende Konverter und wie --print-jobs ihn nennt (Vorgabe: data/conv neben diesem Programm).</translation>
    </message>
    <message>
        <source>Print each converter command line; run nothing.</source>
        <translation>Jede Konverter-Befehlszeile ausgeben; nichts ausführen.</translation>
    </message>
    <message>
        <source>Convert up to N files at once; 0 means one per core (default 1).</source>
        <translation>Bis zu N Dateien gleichzeitig umwandeln; 0 heißt eine je Kern (Vorgabe 1).</translation>
    </message>
    <message>
        <source>Print one POSIX shell command per file, for running elsewhere; run nothing.</source>
        <translation>Einen POSIX-Shell-Befehl je Datei ausgeben, zum Ausführen anderswo; nichts ausführen.</translation>
    </message>
    <message>
        <source>List the formats and the values each option takes.</source>
        <translation>Die Formate und die Werte jeder Option auflisten.</translation>
    </message>
    <message>
        <source>No PATH given: name the files or folders to convert (see --help).</source>
        <translation>Kein PATH angegeben: Nennen Sie die umzuwandelnden Dateien oder Ordner (siehe --help).</translation>
    </message>
    <message>
        <source>--cut needs START and LENGTH.</source>
        <translation>--cut braucht START und LENGTH.</translation>
    </message>
    <message>
        <source>--cut takes a START of 0 or more and a LENGTH above 0, in seconds or h:m:s.</source>
        <translation>--cut nimmt einen START ab 0 und eine LENGTH über 0, in Sekunden oder h:m:s.</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;. Allowed: %2, their list texts, or 0 to 9.</source>
        <translation>Unbekanntes Format „%1“. Erlaubt: %2, ihre Listentexte oder 0 bis 9.</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Video-Bitrate</translation>
    </message>
    <message>
        <source>Screen size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not allowed here. Allowed: %3.</source>
        <translation>%1 „%2“ ist hier nicht erlaubt. Erlaubt: %3.</translation>
    </message>
    <message>
        <source>--jobs takes a whole number: 1 or more, or 0 for one per core.</source>
        <translation>--jobs nimmt eine ganze Zahl: 1 oder mehr, oder 0 für eine je Kern.</translation>
    </message>
    <message>
        <source>Replace a file already in the output folder instead of writing NAME (2).EXT beside it (never a source, never another output of the same run).</source>
        <translation>Eine Datei im Ausgabeordner ersetzen, statt NAME (2).EXT daneben zu schreiben (nie eine Quelle, nie eine andere Ausgabe desselben Laufs).</translation>
    </message>
    <message>
        <source>Put the files found in a folder below the output folder at the same path they have below that folder.</source>
        <translation>Die in einem Ordner gefundenen Dateien unter dem Ausgabeordner am selben Pfad ablegen, den sie unter jenem Ordner haben.</translation>
    </message>
    <message>
        <source>Formats (index, short name, list text, what it uses):</source>
        <translation>Formate (Nummer, Kurzname, Listentext, was es verwendet):</translation>
    </message>
    <message>
        <source>AMR audio bitrate</source>
        <translation>AMR-Audio-Bitrate</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>Video bitrates:</source>
        <translation>Video-Bitraten:</translation>
    </message>
    <message>
        <source>Screen sizes:</source>
        <translation>Bildgrößen:</translation>
    </message>
    <message>
        <source>Audio bitrates:</source>
        <translation>Audio-Bitraten:</translation>
    </message>
    <message>
        <source>AMR audio bitrates:</source>
        <translation>AMR-Audio-Bitraten:</translation>
    </message>
    <message>
        <source>video bitrate, size, AMR audio bitrate</source>
        <translation>Video-Bitrate, Größe, AMR-Audio-Bitrate</translation>
    </message>
    <message>
        <source>video bitrate, size, audio bitrate</source>
        <translation>Video-Bitrate, Größe, Audio-Bitrate</translation>
    </message>
</context>
<context>
    <name>ConsoleBatchView</name>
    <message>
        <source>file %1 of %2</source>
        <translation>Datei %1 von %2</translation>
    </message>
    <message>
        <source>%1 of %2 done</source>
        <translation>%1 von %2 fertig</translation>
    </message>
</context>
<context>
    <name>HeadlessBatch</name>
    <message>
        <source>left out, a name holds a line break</source>
        <translation>ausgelassen, ein Name enthält einen Zeilenumbruch</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>Conversion finished</source>
        <translation>Umwandlung abgeschlossen</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>Umwandlung angehalten</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>%1 umgewandelt, %2 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>later launches cannot hand files over</source>
        <translation>spätere Starts können keine Dateien übergeben</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>Öffnet das Menü %1 (%2)</translation>
    </message>
    <message>
        <source>Adds video files to the list (Ctrl+O)</source>
        <translation>Fügt der Liste Videodateien hinzu (Strg+O)</translation>
    </message>
    <message>
        <source>Opens the Remove menu</source>
        <translation>Öffnet das Menü Entfernen</translation>
    </message>
    <message>
        <source>Opens the options</source>
        <translation>Öffnet die Optionen</translation>
    </message>
    <message>
        <source>Opens the help (F1)</source>
        <translation>Öffnet die Hilfe (F1)</translation>
    </message>
    <message>
        <source>Exits the program (Ctrl+Q)</source>
        <translation>Beendet das Programm (Strg+Q)</translation>
    </message>
    <message>
        <source>Adds every video file of a folder and its subfolders (Ctrl+Shift+O)</source>
        <translation>Fügt alle Videodateien eines Ordners und seiner Unterordner hinzu (Strg+Umschalt+O)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Converts every file in the list (Ctrl+Return)</source>
        <translation>Wandelt alle Dateien der Liste um (Strg+Eingabe)</translation>
    </message>
    <message>
        <source>Open the output format list</source>
        <translation>Liste der Ausgabeformate öffnen</translation>
    </message>
    <message>
        <source>Open the video bitrate list</source>
        <translation>Liste der Video-Bitraten öffnen</translation>
    </message>
    <message>
        <source>Open the screen size list</source>
        <translation>Liste der Bildgrößen öffnen</translation>
    </message>
    <message>
        <source>Open the audio bitrate list</source>
        <translation>Liste der Audio-Bitraten öffnen</translation>
    </message>
    <message>
        <source>Adds video files to the list</source>
        <translation>Fügt der Liste Videodateien hinzu</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Removes the selected file (Delete)</source>
        <translation>Entfernt die gewählte Datei (Entf)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Converts every file in the list</source>
        <translation>Wandelt alle Dateien der Liste um</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Senden Sie uns Ihren Vorschlag oder Ihre Frage</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Umzuwandelnde Dateien</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Video-Bitrate</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Hilfe &amp; Anleitung</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Fenster minimieren</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Einen Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>MP3-Audio-Bitrate</translation>
    </message>
    <message>
        <source>MP3 Audio Rate</source>
        <translation>MP3-Audio-Rate</translation>
    </message>
    <message>
        <source>MP3 Audio Channel(Stereo or Mono)</source>
        <translation>MP3-Audiokanal (Stereo oder Mono)</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Fortschritt der Umwandlung</translation>
    </message>
    <message>
        <source>Send us your suggestion or question (Ctrl+Shift+F)</source>
        <translation>Senden Sie uns Ihren Vorschlag oder Ihre Frage (Strg+Umschalt+F)</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Ordner für die Ausgabe wählen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please add a file</source>
        <translation>Bitte fügen Sie eine Datei hinzu</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Tavoclip</source>
        <translation>Tavoclip</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>These files were not converted:</source>
        <translation>Diese Dateien wurden nicht umgewandelt:</translation>
    </message>
    <message>
        <source>Command Line empty</source>
        <translation>Befehlszeile leer</translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Datei oder Befehl nicht gefunden</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>weniger als eine Minute übrig</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>noch etwa %n Min.</numerusform>
            <numerusform>noch etwa %n Min.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressCaptionAccessible</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running copy did not take the files</source>
        <translation>die laufende Kopie hat die Dateien nicht angenommen</translation>
    </message>
</context>
<context>
    <name>tavoclip::BatchOverview</name>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stopped: %1 converted, %2 left.</source>
        <translation>Angehalten: %1 umgewandelt, %2 übrig.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%1 von %n Datei umgewandelt</numerusform>
            <numerusform>%1 von %n Dateien umgewandelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2</source>
        <translation>
            <numerusform>%1 von %n Datei umgewandelt, %2</numerusform>
            <numerusform>%1 von %n Dateien umgewandelt, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::COMDLG</name>
    <message>
        <source>Please select a folder:</source>
        <translation>Bitte wählen Sie einen Ordner:</translation>
    </message>
</context>
<context>
    <name>tavoclip::DesktopNotifier</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListActions</name>
    <message>
        <source>Drag &amp; Drop Files Here</source>
        <translation>Dateien hierher ziehen</translation>
    </message>
    <message>
        <source>Searching Files...</source>
        <translation>Dateien werden gesucht...</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Dateien öffnen</translation>
    </message>
    <message>
        <source>Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI Files(*.AVI)|*.avi|Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|Quick Time Files(*.MOV)|*.mov|Cellphone Video(*.3GP)|*.3gp|All Files(*.*)|*.*</source>
        <translation>Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI Dateien(*.AVI)|*.avi|Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|QuickTime Dateien(*.MOV)|*.mov|Handy-Video(*.3GP)|*.3gp|Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>: the name is not valid UTF-8 text</source>
        <translation>: der Name ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>: not a full path, so which file it names is not known here</source>
        <translation>: kein vollständiger Pfad, daher ist hier unbekannt, welche Datei gemeint ist</translation>
    </message>
    <message>
        <source>: no such file or folder</source>
        <translation>: Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>These were not added:

</source>
        <translation>Diese wurden nicht hinzugefügt:

</translation>
    </message>
    <message numerus="yes">
        <source>

and %n more.</source>
        <translation>
            <numerusform>

und %n weiterer.</numerusform>
            <numerusform>

und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListModel</name>
    <message>
        <source>FileName</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListView</name>
    <message>
        <source>File List</source>
        <translation>Dateiliste</translation>
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
        <translation>, herausgegeben vom Tavoclip-Projekt.
</translation>
    </message>
    <message>
        <source>All rights reserved.
</source>
        <translation>Alle Rechte vorbehalten.
</translation>
    </message>
    <message>
        <source>/help.html</source>
        <comment>the help page&apos;s file name; a translated page help_&lt;language&gt;.html</comment>
        <translation>/help_de.html</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The help page is %1.</source>
        <translation>Es wurde kein Programm zum Anzeigen von Webseiten gefunden. Die Hilfeseite ist %1.</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The address is %1.</source>
        <translation>Es wurde kein Programm zum Anzeigen von Webseiten gefunden. Die Adresse ist %1.</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmMenu</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Add a File(&amp;A)</source>
        <translation>Datei hinzufügen(&amp;A)</translation>
    </message>
    <message>
        <source>Add a Folder(&amp;F)</source>
        <translation>Ordner hinzufügen(&amp;F)</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>Beenden(&amp;E)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Options(&amp;O)</source>
        <translation>Optionen(&amp;O)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Hilfe(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>Über(&amp;A)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Keep Folder Structure</source>
        <translation>Ordnerstruktur beibehalten</translation>
    </message>
    <message>
        <source>Convert at Once</source>
        <translation>Gleichzeitig umwandeln</translation>
    </message>
    <message>
        <source>1 File</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>2 Files</source>
        <translation>2 Dateien</translation>
    </message>
    <message>
        <source>4 Files</source>
        <translation>4 Dateien</translation>
    </message>
    <message>
        <source>One per Core (%1)</source>
        <translation>Eine je Kern (%1)</translation>
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
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Completion Sound</source>
        <translation>Fertig-Klang</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>MP3-Audio-Bitrate</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Open the sound list</source>
        <translation>Klangliste öffnen</translation>
    </message>
    <message>
        <source>Minutes must less than 60</source>
        <translation>Minuten müssen unter 60 liegen</translation>
    </message>
    <message>
        <source>Seconds must less than 60</source>
        <translation>Sekunden müssen unter 60 liegen</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They apply until Tavoclip ends.</source>
        <translation>Die Optionen konnten nicht in %1 gespeichert werden. Sie gelten, bis Tavoclip endet.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Start hours</source>
        <translation>Start: Stunden</translation>
    </message>
    <message>
        <source>Start minutes</source>
        <translation>Start: Minuten</translation>
    </message>
    <message>
        <source>Start seconds</source>
        <translation>Start: Sekunden</translation>
    </message>
    <message>
        <source>Length hours</source>
        <translation>Länge: Stunden</translation>
    </message>
    <message>
        <source>Length minutes</source>
        <translation>Länge: Minuten</translation>
    </message>
    <message>
        <source>Length seconds</source>
        <translation>Länge: Sekunden</translation>
    </message>
    <message>
        <source>Plays a sound when a batch ends</source>
        <translation>Spielt einen Klang, wenn ein Stapel endet</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmSuggest</name>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>FeedBack</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Send your feedback now</source>
        <translation>Feedback jetzt senden</translation>
    </message>
    <message>
        <source>back to main</source>
        <translation>zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>Your Name?</source>
        <translation>Ihr Name?</translation>
    </message>
    <message>
        <source>Your Email?</source>
        <translation>Ihre E-Mail?</translation>
    </message>
    <message>
        <source>Comment?</source>
        <translation>Kommentar?</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Wird gesendet...</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Not sent.</source>
        <translation>Nicht gesendet.</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
</context>
</TS>
