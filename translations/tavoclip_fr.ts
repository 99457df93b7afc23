<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Converts video files with the Tavoclip converter, one after another.</source>
        <translation>Convertit des fichiers vidéo l’un après l’autre avec le convertisseur Tavoclip.</translation>
    </message>
    <message>
        <source>Files to convert; folders are searched with all their subfolders.</source>
        <translation>Fichiers à convertir ; les dossiers sont parcourus avec tous leurs sous-dossiers.</translation>
    </message>
    <message>
        <source>Output format: its list text, short name (MP4) or index.</source>
        <translation>Format de sortie : son texte de liste, son nom court (MP4) ou son index.</translation>
    </message>
    <message>
        <source>Video bitrate, such as 256k.</source>
        <translation>Débit vidéo, par exemple 256k.</translation>
    </message>
    <message>
        <source>Screen size, such as 320x240.</source>
        <translation>Taille d’image, par exemple 320x240.</translation>
    </message>
    <message>
        <source>Audio bitrate, such as 128k.</source>
        <translation>Débit audio, par exemple 128k.</translation>
    </message>
    <message>
        <source>Output folder (default: the current folder).</source>
        <translation>Dossier de sortie (par défaut : le dossier courant).</translation>
    </message>
    <message>
        <source>Convert only LENGTH from START of every source (seconds or h:m:s).</source>
        <translation>Ne convertir que LENGTH à partir de START de chaque source (secondes ou h:m:s).</translation>
    </message>
    <message>
        <source>Play the completion sound at the end.</source>
        <translation>Jouer le son de fin à la fin.</translation>
    </message>
    <message>
        <source>Play no completion sound (the default).</source>
        <translation>Ne jouer aucun son de fin (par défaut).</translation>
    </message>
    <message>
        <source>The converter to run, and how --print-jobs names it (default: data/conv beside this program).</source>
        <translation>Le convertisseur à lancer, et son nom dans --print-jobs (par défaut : data/conv à côté de ce programme).</translation>
    </message>
    <message>
        <source>Print each converter command line; run nothing.</source>
        <translation>Afficher chaque ligne de commande du convertisseur ; ne rien lancer.</translation>
    </message>
    <message>
        <source>Convert up to N files at once; 0 means one per core (default 1).</source>
        <translation>Convertir jusqu’à N fichiers à la fois ; 0 signifie un par cœur (par défaut 1).</translation>
    </message>
    <message>
        <source>Print one POSIX shell command per file, for running elsewhere; run nothing.</source>
        <translation>Afficher une commande shell POSIX par fichier, à lancer ailleurs ; ne rien lancer.</translation>
    </message>
    <message>
        <source>List the formats and the values each option takes.</source>
        <translation>Lister les formats et les valeurs de chaque option.</translation>
    </message>
    <message>
        <source>No PATH given: name the files or folders to convert (see --help).</source>
        <translation>Aucun PATH donné : indiquez les fichiers ou dossiers à convertir (voir --help).</translation>
    </message>
    <message>
        <source>--cut needs START and LENGTH.</source>
        <translation>--cut demande START et LENGTH.</translation>
    </message>
    <message>
        <source>--cut takes a START of 0 or more and a LENGTH above 0, in seconds or h:m:s.</source>
        <translation>--cut prend un START de 0 ou plus et une LENGTH supérieure à 0, en secondes ou h:m:s.</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;. Allowed: %2, their list texts, or 0 to 9.</source>
        <translation>Format « %1 » inconnu. Permis : %2, leurs textes de liste, ou 0 à 9.</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Débit vidéo</translation>
    </message>
    <message>
        <source>Screen size</source>
        <translation>Taille d’image</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>Débit audio</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not allowed here. Allowed: %3.</source>
        <translation>%1 « %2 » n’est pas permis ici. Permis : %3.</translation>
    </message>
    <message>
        <source>--jobs takes a whole number: 1 or more, or 0 for one per core.</source>
        <translation>--jobs prend un nombre entier : 1 ou plus, ou 0 pour un par cœur.</translation>
    </message>
    <message>
        <source>Replace a file already in the output folder instead of writing NAME (2).EXT beside it (never a source, never another output of the same run).</source>
        <translation>Remplacer un fichier déjà présent dans le dossier de sortie au lieu d’écrire NOM (2).EXT à côté (jamais une source, jamais une autre sortie du même passage).</translation>
    </message>
    <message>
        <source>Put the files found in a folder below the output folder at the same path they have below that folder.</source>
        <translation>Placer les fichiers trouvés dans un dossier sous le dossier de sortie, au même chemin que sous ce dossier.</translation>
    </message>
    <message>
        <source>Formats (index, short name, list text, what it uses):</source>
        <translation>Formats (numéro, nom court, texte de la liste, ce qu’il utilise) :</translation>
    </message>
    <message>
        <source>AMR audio bitrate</source>
        <translation>débit audio AMR</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>débit audio</translation>
    </message>
    <message>
        <source>Video bitrates:</source>
        <translation>Débits vidéo :</translation>
    </message>
    <message>
        <source>Screen sizes:</source>
        <translation>Tailles d’écran :</translation>
    </message>
    <message>
        <source>Audio bitrates:</source>
        <translation>Débits audio :</translation>
    </message>
    <message>
        <source>AMR audio bitrates:</source>
        <translation>Débits audio AMR :</translation>
    </message>
    <message>
        <source>video bitrate, size, AMR audio bitrate</source>
        <translation>débit vidéo, taille, débit audio AMR</translation>
    </message>
    <message>
        <source>video bitrate, size, audio bitrate</source>
        <translation>débit vidéo, taille, débit audio</translation>
    </message>
</context>
<context>
    <name>ConsoleBatchView</name>
    <message>
        <source>file %1 of %2</source>
        <translation>fichier %1 sur %2</translation>
    </message>
    <message>
        <source>%1 of %2 done</source>
        <translation>%1 sur %2 faits</translation>
    </message>
</context>
<context>
    <name>HeadlessBatch</name>
    <message>
        <source>left out, a name holds a line break</source>
        <translation>omis, un nom contient un saut de ligne</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>Conversion arrêtée</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>%1 converti(s), %2 en échec.</translation>
    </message>
    <message>
        <source>later launches cannot hand files over</source>
        <translation>les lancements suivants ne pourront pas transmettre de fichiers</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>Ouvre le menu %1 (%2)</translation>
    </message>
    <message>
        <source>Adds video files to the list (Ctrl+O)</source>
        <translation>Ajoute des fichiers vidéo à la liste (Ctrl+O)</translation>
    </message>
    <message>
        <source>Opens the Remove menu</source>
        <translation>Ouvre le menu Retirer</translation>
    </message>
    <message>
        <source>Opens the options</source>
        <translation>Ouvre les options</translation>
    </message>
    <message>
        <source>Opens the help (F1)</source>
        <translation>Ouvre l’aide (F1)</translation>
    </message>
    <message>
        <source>Exits the program (Ctrl+Q)</source>
        <translation>Quitte le programme (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Adds every video file of a folder and its subfolders (Ctrl+Shift+O)</source>
        <translation>Ajoute tous les fichiers vidéo d’un dossier et de ses sous-dossiers (Ctrl+Maj+O)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Converts every file in the list (Ctrl+Return)</source>
        <translation>Convertit tous les fichiers de la liste (Ctrl+Entrée)</translation>
    </message>
    <message>
        <source>Open the output format list</source>
        <translation>Ouvrir la liste des formats de sortie</translation>
    </message>
    <message>
        <source>Open the video bitrate list</source>
        <translation>Ouvrir la liste des débits vidéo</translation>
    </message>
    <message>
        <source>Open the screen size list</source>
        <translation>Ouvrir la liste des tailles d’image</translation>
    </message>
    <message>
        <source>Open the audio bitrate list</source>
        <translation>Ouvrir la liste des débits audio</translation>
    </message>
    <message>
        <source>Adds video files to the list</source>
        <translation>Ajoute des fichiers vidéo à la liste</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Removes the selected file (Delete)</source>
        <translation>Retire le fichier sélectionné (Suppr)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Converts every file in the list</source>
        <translation>Convertit tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Envoyez-nous votre suggestion ou question</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Débit vidéo</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Taille d’image</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Débit audio</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Aide et tutoriel</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Réduire la fenêtre</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Choisir un dossier de sortie</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>Débit audio MP3</translation>
    </message>
    <message>
        <source>MP3 Audio Rate</source>
        <translation>Fréquence audio MP3</translation>
    </message>
    <message>
        <source>MP3 Audio Channel(Stereo or Mono)</source>
        <translation>Canal audio MP3 (stéréo ou mono)</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progression de la conversion</translation>
    </message>
    <message>
        <source>Send us your suggestion or question (Ctrl+Shift+F)</source>
        <translation>Envoyez-nous votre suggestion ou question (Ctrl+Maj+F)</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please add a file</source>
        <translation>Veuillez ajouter un fichier</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Tavoclip</source>
        <translation>Tavoclip</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>These files were not converted:</source>
        <translation>Ces fichiers n’ont pas été convertis :</translation>
    </message>
    <message>
        <source>Command Line empty</source>
        <translation>Ligne de commande vide</translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Fichier ou commande introuvable</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>moins d’une minute restante</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>environ %n min restante</numerusform>
            <numerusform>environ %n min restantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressCaptionAccessible</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running copy did not take the files</source>
        <translation>la copie en cours n’a pas pris les fichiers</translation>
    </message>
</context>
<context>
    <name>tavoclip::BatchOverview</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stopped: %1 converted, %2 left.</source>
        <translation>Arrêté : %1 converti(s), %2 restant(s).</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%1 fichier sur %n converti</numerusform>
            <numerusform>%1 fichiers sur %n convertis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2</source>
        <translation>
            <numerusform>%1 fichier sur %n converti, %2</numerusform>
            <numerusform>%1 fichiers sur %n convertis, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::COMDLG</name>
    <message>
        <source>Please select a folder:</source>
        <translation>Veuillez choisir un dossier :</translation>
    </message>
</context>
<context>
    <name>tavoclip::DesktopNotifier</name>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListActions</name>
    <message>
        <source>Drag &amp; Drop Files Here</source>
        <translation>Déposez les fichiers ici</translation>
    </message>
    <message>
        <source>Searching Files...</source>
        <translation>Recherche des fichiers...</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI Files(*.AVI)|*.avi|Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|Quick Time Files(*.MOV)|*.mov|Cellphone Video(*.3GP)|*.3gp|All Files(*.*)|*.*</source>
        <translation>Flash Vidéo(*.FLV)|*.flv|MPEG Vidéo(*.MPG)|*.mpg|Windows AVI Fichiers(*.AVI)|*.avi|Windows Media Vidéo(*.WMV)|*.wmv|MPEG-4 Vidéo(*.MP4)|*.mp4|QuickTime Fichiers(*.MOV)|*.mov|Vidéo mobile(*.3GP)|*.3gp|Tous les fichiers(*.*)|*.*</translation>
    </message>
    <message>
        <source>: the name is not valid UTF-8 text</source>
        <translation> : le nom n’est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <source>: not a full path, so which file it names is not known here</source>
        <translation> : pas un chemin complet, le fichier désigné est donc inconnu ici</translation>
    </message>
    <message>
        <source>: no such file or folder</source>
        <translation> : fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>These were not added:

</source>
        <translation>Ceux-ci n’ont pas été ajoutés :

</translation>
    </message>
    <message numerus="yes">
        <source>

and %n more.</source>
        <translation>
            <numerusform>

et %n autre.</numerusform>
            <numerusform>

et %n autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListModel</name>
    <message>
        <source>FileName</source>
        <translation>Nom</translation>
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
        <translation>Liste des fichiers</translation>
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
        <translation>, publié par le projet Tavoclip.
</translation>
    </message>
    <message>
        <source>All rights reserved.
</source>
        <translation>Tous droits réservés.
</translation>
    </message>
    <message>
        <source>/help.html</source>
        <comment>the help page&apos;s file name; a translated page help_&lt;language&gt;.html</comment>
        <translation>/help_fr.html</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The help page is %1.</source>
        <translation>Aucun programme pour afficher les pages web n’a été trouvé. La page d’aide est %1.</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The address is %1.</source>
        <translation>Aucun programme pour afficher les pages web n’a été trouvé. L’adresse est %1.</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmMenu</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Add a File(&amp;A)</source>
        <translation>Ajouter un fichier(&amp;A)</translation>
    </message>
    <message>
        <source>Add a Folder(&amp;F)</source>
        <translation>Ajouter un dossier(&amp;F)</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>Quitter(&amp;E)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Options(&amp;O)</source>
        <translation>Options(&amp;O)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Aide(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>À propos(&amp;A)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Keep Folder Structure</source>
        <translation>Garder la structure des dossiers</translation>
    </message>
    <message>
        <source>Convert at Once</source>
        <translation>Convertir en même temps</translation>
    </message>
    <message>
        <source>1 File</source>
        <translation>1 fichier</translation>
    </message>
    <message>
        <source>2 Files</source>
        <translation>2 fichiers</translation>
    </message>
    <message>
        <source>4 Files</source>
        <translation>4 fichiers</translation>
    </message>
    <message>
        <source>One per Core (%1)</source>
        <translation>Un par cœur (%1)</translation>
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
        <translation>Retour</translation>
    </message>
    <message>
        <source>Completion Sound</source>
        <translation>Son de fin</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Découpe</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
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
        <translation>Quitter</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>Débit audio MP3</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Open the sound list</source>
        <translation>Ouvrir la liste des sons</translation>
    </message>
    <message>
        <source>Minutes must less than 60</source>
        <translation>Les minutes doivent être inférieures à 60</translation>
    </message>
    <message>
        <source>Seconds must less than 60</source>
        <translation>Les secondes doivent être inférieures à 60</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They apply until Tavoclip ends.</source>
        <translation>Les options n’ont pas pu être enregistrées dans %1. Elles s’appliquent jusqu’à la fermeture de Tavoclip.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Start hours</source>
        <translation>Début : heures</translation>
    </message>
    <message>
        <source>Start minutes</source>
        <translation>Début : minutes</translation>
    </message>
    <message>
        <source>Start seconds</source>
        <translation>Début : secondes</translation>
    </message>
    <message>
        <source>Length hours</source>
        <translation>Durée : heures</translation>
    </message>
    <message>
        <source>Length minutes</source>
        <translation>Durée : minutes</translation>
    </message>
    <message>
        <source>Length seconds</source>
        <translation>Durée : secondes</translation>
    </message>
    <message>
        <source>Plays a sound when a batch ends</source>
        <translation>Joue un son à la fin d’une série</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmSuggest</name>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Message :</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>FeedBack</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Send your feedback now</source>
        <translation>Envoyer votre avis maintenant</translation>
    </message>
    <message>
        <source>back to main</source>
        <translation>retour à la fenêtre principale</translation>
    </message>
    <message>
        <source>Your Name?</source>
        <translation>Votre nom ?</translation>
    </message>
    <message>
        <source>Your Email?</source>
        <translation>Votre e-mail ?</translation>
    </message>
    <message>
        <source>Comment?</source>
        <translation>Message ?</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Envoi...</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Not sent.</source>
        <translation>Non envoyé.</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
</context>
</TS>
