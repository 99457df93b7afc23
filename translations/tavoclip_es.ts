<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Converts video files with the Tavoclip converter, one after another.</source>
        <translation>Convierte archivos de vídeo uno tras otro con el conversor de Tavoclip.</translation>
    </message>
    <message>
        <source>Files to convert; folders are searched with all their subfolders.</source>
        <translation>Archivos que convertir; las carpetas se recorren con todas sus subcarpetas.</translation>
    </message>
    <message>
        <source>Output format: its list text, short name (MP4) or index.</source>
        <translation>Formato de salida: su texto de la lista, nombre corto (MP4) o índice.</translation>
    </message>
    <message>
        <source>Video bitrate, such as 256k.</source>
        <translation>Tasa de bits de vídeo, como 256k.</translation>
    </message>
    <message>
        <source>Screen size, such as 320x240.</source>
        <translation>Tamaño de imagen, como 320x240.</translation>
    </message>
    <message>
        <source>Audio bitrate, such as 128k.</source>
        <translation>Tasa de bits de audio, como 128k.</translation>
    </message>
    <message>
        <source>Output folder (default: the current folder).</source>
        <translation>Carpeta de salida (por defecto: la carpeta actual).</translation>
    </message>
    <message>
        <source>Convert only LENGTH from START of every source (seconds or h:m:s).</source>
        <translation>Convertir solo LENGTH desde START de cada origen (segundos o h:m:s).</translation>
    </message>
    <message>
        <source>Play the completion sound at the end.</source>
        <translation>Reproducir el sonido de fin al terminar.</translation>
    </message>
    <message>
        <source>Play no completion sound (the default).</source>
        <translation>No reproducir sonido de fin (por defecto).</translation>
    </message>
    <message>
        <source>The converter to run, and how --print-jobs names it (default: data/conv beside this program).</source>
        <translation>El conversor que ejecutar y cómo lo nombra --print-jobs (por defecto: data/conv junto a este programa).</translation>
    </message>
    <message>
        <source>Print each converter command line; run nothing.</source>
        <translation>Mostrar cada línea de órdenes del conversor; no ejecutar nada.</translation>
    </message>
    <message>
        <source>Convert up to N files at once; 0 means one per core (default 1).</source>
        <translation>Convertir hasta N archivos a la vez; 0 significa uno por núcleo (por defecto 1).</translation>
    </message>
    <message>
        <source>Print one POSIX shell command per file, for running elsewhere; run nothing.</source>
        <translation>Mostrar una orden de shell POSIX por archivo, para ejecutarla en otro lugar; no ejecutar nada.</translation>
    </message>
    <message>
        <source>List the formats and the values each option takes.</source>
        <translation>Listar los formatos y los valores de cada opción.</translation>
    </message>
    <message>
        <source>No PATH given: name the files or folders to convert (see --help).</source>
        <translation>No se indicó PATH: nombre los archivos o carpetas que convertir (vea --help).</translation>
    </message>
    <message>
        <source>--cut needs START and LENGTH.</source>
        <translation>--cut necesita START y LENGTH.</translation>
    </message>
    <message>
        <source>--cut takes a START of 0 or more and a LENGTH above 0, in seconds or h:m:s.</source>
        <translation>--cut admite un START de 0 o más y una LENGTH mayor que 0, en segundos o h:m:s.</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;. Allowed: %2, their list texts, or 0 to 9.</source>
        <translation>Formato «%1» desconocido. Permitidos: %2, sus textos de la lista o 0 a 9.</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Tasa de bits de vídeo</translation>
    </message>
    <message>
        <source>Screen size</source>
        <translation>Tamaño de imagen</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>Tasa de bits de audio</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not allowed here. Allowed: %3.</source>
        <translation>%1 «%2» no está permitido aquí. Permitidos: %3.</translation>
    </message>
    <message>
        <source>--jobs takes a whole number: 1 or more, or 0 for one per core.</source>
        <translation>--jobs admite un número entero: 1 o más, o 0 para uno por núcleo.</translation>
    </message>
    <message>
        <source>Replace a file already in the output folder instead of writing NAME (2).EXT beside it (never a source, never another output of the same run).</source>
        <translation>Reemplazar un archivo que ya está en la carpeta de salida en vez de escribir NOMBRE (2).EXT a su lado (nunca una fuente, nunca otra salida de la misma tanda).</translation>
    </message>
    <message>
        <source>Put the files found in a folder below the output folder at the same path they have below that folder.</source>
        <translation>Colocar los archivos hallados en una carpeta bajo la carpeta de salida, en la misma ruta que tienen bajo esa carpeta.</translation>
    </message>
    <message>
        <source>Formats (index, short name, list text, what it uses):</source>
        <translation>Formatos (índice, nombre corto, texto de la lista, qué usa):</translation>
    </message>
    <message>
        <source>AMR audio bitrate</source>
        <translation>tasa de bits de audio AMR</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>tasa de bits de audio</translation>
    </message>
    <message>
        <source>Video bitrates:</source>
        <translation>Tasas de bits de vídeo:</translation>
    </message>
    <message>
        <source>Screen sizes:</source>
        <translation>Tamaños de pantalla:</translation>
    </message>
    <message>
        <source>Audio bitrates:</source>
        <translation>Tasas de bits de audio:</translation>
    </message>
    <message>
        <source>AMR audio bitrates:</source>
        <translation>Tasas de bits de audio AMR:</translation>
    </message>
    <message>
        <source>video bitrate, size, AMR audio bitrate</source>
        <translation>tasa de bits de vídeo, tamaño, tasa de bits de audio AMR</translation>
    </message>
    <message>
        <source>video bitrate, size, audio bitrate</source>
        <translation>tasa de bits de vídeo, tamaño, tasa de bits de audio</translation>
    </message>
</context>
<context>
    <name>ConsoleBatchView</name>
    <message>
        <source>file %1 of %2</source>
        <translation>archivo %1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2 done</source>
        <translation>%1 de %2 listos</translation>
    </message>
</context>
<context>
    <name>HeadlessBatch</name>
    <message>
        <source>left out, a name holds a line break</source>
        <translation>omitido, un nombre contiene un salto de línea</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>Conversion finished</source>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>Conversión detenida</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>%1 convertidos, %2 fallidos.</translation>
    </message>
    <message>
        <source>later launches cannot hand files over</source>
        <translation>los inicios posteriores no podrán pasar archivos</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Arch.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>Abre el menú %1 (%2)</translation>
    </message>
    <message>
        <source>Adds video files to the list (Ctrl+O)</source>
        <translation>Añade archivos de vídeo a la lista (Ctrl+O)</translation>
    </message>
    <message>
        <source>Opens the Remove menu</source>
        <translation>Abre el menú Quitar</translation>
    </message>
    <message>
        <source>Opens the options</source>
        <translation>Abre las opciones</translation>
    </message>
    <message>
        <source>Opens the help (F1)</source>
        <translation>Abre la ayuda (F1)</translation>
    </message>
    <message>
        <source>Exits the program (Ctrl+Q)</source>
        <translation>Sale del programa (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Adds every video file of a folder and its subfolders (Ctrl+Shift+O)</source>
        <translation>Añade todos los archivos de vídeo de una carpeta y sus subcarpetas (Ctrl+Mayús+O)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Converts every file in the list (Ctrl+Return)</source>
        <translation>Convierte todos los archivos de la lista (Ctrl+Intro)</translation>
    </message>
    <message>
        <source>Open the output format list</source>
        <translation>Abrir la lista de formatos de salida</translation>
    </message>
    <message>
        <source>Open the video bitrate list</source>
        <translation>Abrir la lista de tasas de vídeo</translation>
    </message>
    <message>
        <source>Open the screen size list</source>
        <translation>Abrir la lista de tamaños de imagen</translation>
    </message>
    <message>
        <source>Open the audio bitrate list</source>
        <translation>Abrir la lista de tasas de audio</translation>
    </message>
    <message>
        <source>Adds video files to the list</source>
        <translation>Añade archivos de vídeo a la lista</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar selección</translation>
    </message>
    <message>
        <source>Removes the selected file (Delete)</source>
        <translation>Quita el archivo seleccionado (Supr)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Converts every file in the list</source>
        <translation>Convierte todos los archivos de la lista</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Opinión</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Envíenos su sugerencia o pregunta</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Archivos que convertir</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Tasa de bits de vídeo</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Tamaño de imagen</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Tasa de bits de audio</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Ayuda y tutorial</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimizar ventana</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Elegir una carpeta de salida</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>Tasa de bits de audio MP3</translation>
    </message>
    <message>
        <source>MP3 Audio Rate</source>
        <translation>Frecuencia de audio MP3</translation>
    </message>
    <message>
        <source>MP3 Audio Channel(Stereo or Mono)</source>
        <translation>Canal de audio MP3 (estéreo o mono)</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progreso de la conversión</translation>
    </message>
    <message>
        <source>Send us your suggestion or question (Ctrl+Shift+F)</source>
        <translation>Envíenos su sugerencia o pregunta (Ctrl+Mayús+F)</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please add a file</source>
        <translation>Añada un archivo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Tavoclip</source>
        <translation>Tavoclip</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>These files were not converted:</source>
        <translation>Estos archivos no se convirtieron:</translation>
    </message>
    <message>
        <source>Command Line empty</source>
        <translation>Línea de órdenes vacía</translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Archivo u orden no encontrado</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>falta menos de un minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>falta cerca de %n min</numerusform>
            <numerusform>faltan cerca de %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressCaptionAccessible</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running copy did not take the files</source>
        <translation>la copia en marcha no aceptó los archivos</translation>
    </message>
</context>
<context>
    <name>tavoclip::BatchOverview</name>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stopped: %1 converted, %2 left.</source>
        <translation>Detenido: %1 convertidos, quedan %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%1 de %n archivo convertidos</numerusform>
            <numerusform>%1 de %n archivos convertidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2</source>
        <translation>
            <numerusform>%1 de %n archivo convertidos, %2</numerusform>
            <numerusform>%1 de %n archivos convertidos, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::COMDLG</name>
    <message>
        <source>Please select a folder:</source>
        <translation>Seleccione una carpeta:</translation>
    </message>
</context>
<context>
    <name>tavoclip::DesktopNotifier</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListActions</name>
    <message>
        <source>Drag &amp; Drop Files Here</source>
        <translation>Arrastre los archivos aquí</translation>
    </message>
    <message>
        <source>Searching Files...</source>
        <translation>Buscando archivos...</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir archivos</translation>
    </message>
    <message>
        <source>Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI Files(*.AVI)|*.avi|Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|Quick Time Files(*.MOV)|*.mov|Cellphone Video(*.3GP)|*.3gp|All Files(*.*)|*.*</source>
        <translation>Flash Vídeo(*.FLV)|*.flv|MPEG Vídeo(*.MPG)|*.mpg|Windows AVI Archivos(*.AVI)|*.avi|Windows Media Vídeo(*.WMV)|*.wmv|MPEG-4 Vídeo(*.MP4)|*.mp4|QuickTime Archivos(*.MOV)|*.mov|Vídeo de móvil(*.3GP)|*.3gp|Todos los archivos(*.*)|*.*</translation>
    </message>
    <message>
        <source>: the name is not valid UTF-8 text</source>
        <translation>: el nombre no es texto UTF-8 válido</translation>
    </message>
    <message>
        <source>: not a full path, so which file it names is not known here</source>
        <translation>: no es una ruta completa, así que aquí no se sabe qué archivo nombra</translation>
    </message>
    <message>
        <source>: no such file or folder</source>
        <translation>: no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>These were not added:

</source>
        <translation>Estos no se añadieron:

</translation>
    </message>
    <message numerus="yes">
        <source>

and %n more.</source>
        <translation>
            <numerusform>

y %n más.</numerusform>
            <numerusform>

y %n más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListModel</name>
    <message>
        <source>FileName</source>
        <translation>Nombre</translation>
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
        <translation>Lista de archivos</translation>
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
        <translation>, publicado por el proyecto Tavoclip.
</translation>
    </message>
    <message>
        <source>All rights reserved.
</source>
        <translation>Todos los derechos reservados.
</translation>
    </message>
    <message>
        <source>/help.html</source>
        <comment>the help page&apos;s file name; a translated page help_&lt;language&gt;.html</comment>
        <translation>/help_es.html</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The help page is %1.</source>
        <translation>No se encontró ningún programa para mostrar páginas web. La página de ayuda es %1.</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The address is %1.</source>
        <translation>No se encontró ningún programa para mostrar páginas web. La dirección es %1.</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmMenu</name>
    <message>
        <source>File</source>
        <translation>Arch.</translation>
    </message>
    <message>
        <source>Add a File(&amp;A)</source>
        <translation>Añadir un archivo(&amp;A)</translation>
    </message>
    <message>
        <source>Add a Folder(&amp;F)</source>
        <translation>Añadir una carpeta(&amp;F)</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>Salir(&amp;E)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Options(&amp;O)</source>
        <translation>Opciones(&amp;O)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Ayuda(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>Acerca de(&amp;A)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar selección</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Keep Folder Structure</source>
        <translation>Mantener la estructura de carpetas</translation>
    </message>
    <message>
        <source>Convert at Once</source>
        <translation>Convertir a la vez</translation>
    </message>
    <message>
        <source>1 File</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <source>2 Files</source>
        <translation>2 archivos</translation>
    </message>
    <message>
        <source>4 Files</source>
        <translation>4 archivos</translation>
    </message>
    <message>
        <source>One per Core (%1)</source>
        <translation>Uno por núcleo (%1)</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmOptions</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Completion Sound</source>
        <translation>Sonido final</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
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
        <translation>Salir</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>Tasa de bits de audio MP3</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Open the sound list</source>
        <translation>Abrir la lista de sonidos</translation>
    </message>
    <message>
        <source>Minutes must less than 60</source>
        <translation>Los minutos deben ser menos de 60</translation>
    </message>
    <message>
        <source>Seconds must less than 60</source>
        <translation>Los segundos deben ser menos de 60</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They apply until Tavoclip ends.</source>
        <translation>No se pudieron guardar las opciones en %1. Se aplican hasta que Tavoclip termine.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Start hours</source>
        <translation>Inicio: horas</translation>
    </message>
    <message>
        <source>Start minutes</source>
        <translation>Inicio: minutos</translation>
    </message>
    <message>
        <source>Start seconds</source>
        <translation>Inicio: segundos</translation>
    </message>
    <message>
        <source>Length hours</source>
        <translation>Duración: horas</translation>
    </message>
    <message>
        <source>Length minutes</source>
        <translation>Duración: minutos</translation>
    </message>
    <message>
        <source>Length seconds</source>
        <translation>Duración: segundos</translation>
    </message>
    <message>
        <source>Plays a sound when a batch ends</source>
        <translation>Reproduce un sonido al terminar una tanda</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmSuggest</name>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Your Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Comentario:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>FeedBack</source>
        <translation>Opinión</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Send your feedback now</source>
        <translation>Enviar su opinión ahora</translation>
    </message>
    <message>
        <source>back to main</source>
        <translation>volver a la ventana principal</translation>
    </message>
    <message>
        <source>Your Name?</source>
        <translation>¿Su nombre?</translation>
    </message>
    <message>
        <source>Your Email?</source>
        <translation>¿Su correo?</translation>
    </message>
    <message>
        <source>Comment?</source>
        <translation>¿Comentario?</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Enviando...</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Terminado.</translation>
    </message>
    <message>
        <source>Not sent.</source>
        <translation>No enviado.</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
</context>
</TS>
