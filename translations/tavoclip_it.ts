<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Converts video files with the Tavoclip converter, one after another.</source>
        <translation>Converte file video uno dopo l’altro con il convertitore di Tavoclip.</translation>
    </message>
    <message>
        <source>Files to convert; folders are searched with all their subfolders.</source>
        <translation>File da convertire; le cartelle sono esplorate con tutte le sottocartelle.</translation>
    </message>
    <message>
        <source>Output format: its list text, short name (MP4) or index.</source>
        <translation>Formato di uscita: il testo dell’elenco, il nome breve (MP4) o l’indice.</translation>
    </message>
    <message>
        <source>Video bitrate, such as 256k.</source>
        <translation>Bitrate video, ad esempio 256k.</translation>
    </message>
    <message>
        <source>Screen size, such as 320x240.</source>
        <translation>Dimensione immagine, ad esempio 320x240.</translation>
    </message>
    <message>
        <source>Audio bitrate, such as 128k.</source>
        <translation>Bitrate audio, ad esempio 128k.</translation>
    </message>
    <message>
        <source>Output folder (default: the current folder).</source>
        <translation>Cartella di uscita (predefinita: la cartella corrente).</translation>
    </message>
    <message>
        <source>Convert only LENGTH from START of every source (seconds or h:m:s).</source>
        <translation>Converti solo LENGTH da START di ogni sorgente (secondi o h:m:s).</translation>
    </message>
    <message>
        <source>Play the completion sound at the end.</source>
        <translation>Riproduci il suono di fine al termine.</translation>
    </message>
    <message>
        <source>Play no completion sound (the default).</source>
        <translation>Non riprodurre il suono di fine (predefinito).</translation>
    </message>
    <message>
        <source>The converter to run, and how --print-jobs names it (default: data/conv beside this program).</source>
        <translation>Il convertitore da eseguire e come lo chiama --print-jobs (predefinito: data/conv accanto a questo programma).</translation>
    </message>
    <message>
        <source>Print each converter command line; run nothing.</source>
        <translation>Stampa ogni riga di comando del convertitore; non esegue nulla.</translation>
    </message>
    <message>
        <source>Convert up to N files at once; 0 means one per core (default 1).</source>
        <translation>Converti fino a N file alla volta; 0 significa uno per core (predefinito 1).</translation>
    </message>
    <message>
        <source>Print one POSIX shell command per file, for running elsewhere; run nothing.</source>
        <translation>Stampa un comando shell POSIX per file, da eseguire altrove; non esegue nulla.</translation>
    </message>
    <message>
        <source>List the formats and the values each option takes.</source>
        <translation>Elenca i formati e i valori di ogni opzione.</translation>
    </message>
    <message>
        <source>No PATH given: name the files or folders to convert (see --help).</source>
        <translation>Nessun PATH indicato: indica i file o le cartelle da convertire (vedi --help).</translation>
    </message>
    <message>
        <source>--cut needs START and LENGTH.</source>
        <translation>--cut richiede START e LENGTH.</translation>
    </message>
    <message>
        <source>--cut takes a START of 0 or more and a LENGTH above 0, in seconds or h:m:s.</source>
        <translation>--cut accetta uno START di 0 o più e una LENGTH sopra 0, in secondi o h:m:s.</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;. Allowed: %2, their list texts, or 0 to 9.</source>
        <translation>Formato «%1» sconosciuto. Ammessi: %2, i loro testi dell’elenco o da 0 a 9.</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Bitrate video</translation>
    </message>
    <message>
        <source>Screen size</source>
        <translation>Dimensione immagine</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>Bitrate audio</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not allowed here. Allowed: %3.</source>
        <translation>%1 «%2» non è ammesso qui. Ammessi: %3.</translation>
    </message>
    <message>
        <source>--jobs takes a whole number: 1 or more, or 0 for one per core.</source>
        <translation>--jobs accetta un numero intero: 1 o più, o 0 per uno per core.</translation>
    </message>
    <message>
        <source>Replace a file already in the output folder instead of writing NAME (2).EXT beside it (never a source, never another output of the same run).</source>
        <translation>Sostituisce un file già presente nella cartella di uscita invece di scrivere NOME (2).EXT accanto (mai una sorgente, mai un’altra uscita della stessa esecuzione).</translation>
    </message>
    <message>
        <source>Put the files found in a folder below the output folder at the same path they have below that folder.</source>
        <translation>Mette i file trovati in una cartella sotto la cartella di uscita, allo stesso percorso che hanno sotto quella cartella.</translation>
    </message>
    <message>
        <source>Formats (index, short name, list text, what it uses):</source>
        <translation>Formati (indice, nome breve, testo dell’elenco, cosa usa):</translation>
    </message>
    <message>
        <source>AMR audio bitrate</source>
        <translation>bitrate audio AMR</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>bitrate audio</translation>
    </message>
    <message>
        <source>Video bitrates:</source>
        <translation>Bitrate video:</translation>
    </message>
    <message>
        <source>Screen sizes:</source>
        <translation>Dimensioni schermo:</translation>
    </message>
    <message>
        <source>Audio bitrates:</source>
        <translation>Bitrate audio:</translation>
    </message>
    <message>
        <source>AMR audio bitrates:</source>
        <translation>Bitrate audio AMR:</translation>
    </message>
    <message>
        <source>video bitrate, size, AMR audio bitrate</source>
        <translation>bitrate video, dimensioni, bitrate audio AMR</translation>
    </message>
    <message>
        <source>video bitrate, size, audio bitrate</source>
        <translation>bitrate video, dimensioni, bitrate audio</translation>
    </message>
</context>
<context>
    <name>ConsoleBatchView</name>
    <message>
        <source>file %1 of %2</source>
        <translation>file %1 di %2</translation>
    </message>
    <message>
        <source>%1 of %2 done</source>
        <translation>%1 di %2 fatti</translation>
    </message>
</context>
<context>
    <name>HeadlessBatch</name>
    <message>
        <source>left out, a name holds a line break</source>
        <translation>omesso, un nome contiene un a capo</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>Conversion finished</source>
        <translation>Conversione terminata</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>Conversione interrotta</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>%1 convertiti, %2 non riusciti.</translation>
    </message>
    <message>
        <source>later launches cannot hand files over</source>
        <translation>gli avvii successivi non potranno passare file</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>Apre il menu %1 (%2)</translation>
    </message>
    <message>
        <source>Adds video files to the list (Ctrl+O)</source>
        <translation>Aggiunge file video all’elenco (Ctrl+O)</translation>
    </message>
    <message>
        <source>Opens the Remove menu</source>
        <translation>Apre il menu Rimuovi</translation>
    </message>
    <message>
        <source>Opens the options</source>
        <translation>Apre le opzioni</translation>
    </message>
    <message>
        <source>Opens the help (F1)</source>
        <translation>Apre la guida (F1)</translation>
    </message>
    <message>
        <source>Exits the program (Ctrl+Q)</source>
        <translation>Chiude il programma (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Adds every video file of a folder and its subfolders (Ctrl+Shift+O)</source>
        <translation>Aggiunge tutti i file video di una cartella e delle sottocartelle (Ctrl+Maiusc+O)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Scegli la cartella di uscita</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Converts every file in the list (Ctrl+Return)</source>
        <translation>Converte tutti i file dell’elenco (Ctrl+Invio)</translation>
    </message>
    <message>
        <source>Open the output format list</source>
        <translation>Apri l’elenco dei formati di uscita</translation>
    </message>
    <message>
        <source>Open the video bitrate list</source>
        <translation>Apri l’elenco dei bitrate video</translation>
    </message>
    <message>
        <source>Open the screen size list</source>
        <translation>Apri l’elenco delle dimensioni</translation>
    </message>
    <message>
        <source>Open the audio bitrate list</source>
        <translation>Apri l’elenco dei bitrate audio</translation>
    </message>
    <message>
        <source>Adds video files to the list</source>
        <translation>Aggiunge file video all’elenco</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Rimuovi selezione</translation>
    </message>
    <message>
        <source>Removes the selected file (Delete)</source>
        <translation>Rimuove il file selezionato (Canc)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Converts every file in the list</source>
        <translation>Converte tutti i file dell’elenco</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Inviaci un suggerimento o una domanda</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>File da convertire</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato di uscita</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Bitrate video</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Dimensione immagine</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Bitrate audio</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Cartella di uscita</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Guida ed esercitazione</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Scegli una cartella di uscita</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>Bitrate audio MP3</translation>
    </message>
    <message>
        <source>MP3 Audio Rate</source>
        <translation>Frequenza audio MP3</translation>
    </message>
    <message>
        <source>MP3 Audio Channel(Stereo or Mono)</source>
        <translation>Canale audio MP3 (stereo o mono)</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Avanzamento della conversione</translation>
    </message>
    <message>
        <source>Send us your suggestion or question (Ctrl+Shift+F)</source>
        <translation>Inviaci un suggerimento o una domanda (Ctrl+Maiusc+F)</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Scegli la cartella di uscita</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please add a file</source>
        <translation>Aggiungi un file</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Tavoclip</source>
        <translation>Tavoclip</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>These files were not converted:</source>
        <translation>Questi file non sono stati convertiti:</translation>
    </message>
    <message>
        <source>Command Line empty</source>
        <translation>Riga di comando vuota</translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>File o comando non trovato</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>manca meno di un minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>manca circa %n min</numerusform>
            <numerusform>mancano circa %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressCaptionAccessible</name>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running copy did not take the files</source>
        <translation>la copia in esecuzione non ha accettato i file</translation>
    </message>
</context>
<context>
    <name>tavoclip::BatchOverview</name>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Stopped: %1 converted, %2 left.</source>
        <translation>Fermato: %1 convertiti, %2 rimasti.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%1 di %n file convertiti</numerusform>
            <numerusform>%1 di %n file convertiti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2</source>
        <translation>
            <numerusform>%1 di %n file convertiti, %2</numerusform>
            <numerusform>%1 di %n file convertiti, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::COMDLG</name>
    <message>
        <source>Please select a folder:</source>
        <translation>Seleziona una cartella:</translation>
    </message>
</context>
<context>
    <name>tavoclip::DesktopNotifier</name>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListActions</name>
    <message>
        <source>Drag &amp; Drop Files Here</source>
        <translation>Trascina qui i file</translation>
    </message>
    <message>
        <source>Searching Files...</source>
        <translation>Ricerca dei file...</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI Files(*.AVI)|*.avi|Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|Quick Time Files(*.MOV)|*.mov|Cellphone Video(*.3GP)|*.3gp|All Files(*.*)|*.*</source>
        <translation>Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI File(*.AVI)|*.avi|Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|QuickTime File(*.MOV)|*.mov|Video per cellulare(*.3GP)|*.3gp|Tutti i file(*.*)|*.*</translation>
    </message>
    <message>
        <source>: the name is not valid UTF-8 text</source>
        <translation>: il nome non è testo UTF-8 valido</translation>
    </message>
    <message>
        <source>: not a full path, so which file it names is not known here</source>
        <translation>: non è un percorso completo, quindi qui non si sa quale file indichi</translation>
    </message>
    <message>
        <source>: no such file or folder</source>
        <translation>: file o cartella inesistente</translation>
    </message>
    <message>
        <source>These were not added:

</source>
        <translation>Questi non sono stati aggiunti:

</translation>
    </message>
    <message numerus="yes">
        <source>

and %n more.</source>
        <translation>
            <numerusform>

e %n altro.</numerusform>
            <numerusform>

e altri %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListModel</name>
    <message>
        <source>FileName</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListView</name>
    <message>
        <source>File List</source>
        <translation>Elenco file</translation>
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
        <translation>, pubblicato dal progetto Tavoclip.
</translation>
    </message>
    <message>
        <source>All rights reserved.
</source>
        <translation>Tutti i diritti riservati.
</translation>
    </message>
    <message>
        <source>/help.html</source>
        <comment>the help page&apos;s file name; a translated page help_&lt;language&gt;.html</comment>
        <translation>/help_it.html</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The help page is %1.</source>
        <translation>Non è stato trovato alcun programma per mostrare pagine web. La pagina della guida è %1.</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The address is %1.</source>
        <translation>Non è stato trovato alcun programma per mostrare pagine web. L’indirizzo è %1.</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmMenu</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Add a File(&amp;A)</source>
        <translation>Aggiungi un file(&amp;A)</translation>
    </message>
    <message>
        <source>Add a Folder(&amp;F)</source>
        <translation>Aggiungi una cartella(&amp;F)</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>Esci(&amp;E)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Options(&amp;O)</source>
        <translation>Opzioni(&amp;O)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Guida(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>Informazioni(&amp;A)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Rimuovi selezione</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Rimuovi tutto</translation>
    </message>
    <message>
        <source>Keep Folder Structure</source>
        <translation>Mantieni la struttura delle cartelle</translation>
    </message>
    <message>
        <source>Convert at Once</source>
        <translation>Converti insieme</translation>
    </message>
    <message>
        <source>1 File</source>
        <translation>1 file</translation>
    </message>
    <message>
        <source>2 Files</source>
        <translation>2 file</translation>
    </message>
    <message>
        <source>4 Files</source>
        <translation>4 file</translation>
    </message>
    <message>
        <source>One per Core (%1)</source>
        <translation>Uno per core (%1)</translation>
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
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Completion Sound</source>
        <translation>Suono di fine</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Taglio</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durata</translation>
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
        <translation>Esci</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>Bitrate audio MP3</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Open the sound list</source>
        <translation>Apri l’elenco dei suoni</translation>
    </message>
    <message>
        <source>Minutes must less than 60</source>
        <translation>I minuti devono essere meno di 60</translation>
    </message>
    <message>
        <source>Seconds must less than 60</source>
        <translation>I secondi devono essere meno di 60</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They apply until Tavoclip ends.</source>
        <translation>Impossibile salvare le opzioni in %1. Valgono fino alla chiusura di Tavoclip.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Start hours</source>
        <translation>Inizio: ore</translation>
    </message>
    <message>
        <source>Start minutes</source>
        <translation>Inizio: minuti</translation>
    </message>
    <message>
        <source>Start seconds</source>
        <translation>Inizio: secondi</translation>
    </message>
    <message>
        <source>Length hours</source>
        <translation>Durata: ore</translation>
    </message>
    <message>
        <source>Length minutes</source>
        <translation>Durata: minuti</translation>
    </message>
    <message>
        <source>Length seconds</source>
        <translation>Durata: secondi</translation>
    </message>
    <message>
        <source>Plays a sound when a batch ends</source>
        <translation>Riproduce un suono alla fine di un gruppo</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmSuggest</name>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commento:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>FeedBack</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Send your feedback now</source>
        <translation>Invia ora il tuo commento</translation>
    </message>
    <message>
        <source>back to main</source>
        <translation>torna alla finestra principale</translation>
    </message>
    <message>
        <source>Your Name?</source>
        <translation>Il tuo nome?</translation>
    </message>
    <message>
        <source>Your Email?</source>
        <translation>La tua e-mail?</translation>
    </message>
    <message>
        <source>Comment?</source>
        <translation>Commento?</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Invio...</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>Not sent.</source>
        <translation>Non inviato.</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
</context>
</TS>
