<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Converts video files with the Tavoclip converter, one after another.</source>
        <translation>Converte arquivos de vídeo um após o outro com o conversor do Tavoclip.</translation>
    </message>
    <message>
        <source>Files to convert; folders are searched with all their subfolders.</source>
        <translation>Arquivos a converter; as pastas são percorridas com todas as subpastas.</translation>
    </message>
    <message>
        <source>Output format: its list text, short name (MP4) or index.</source>
        <translation>Formato de saída: o texto da lista, o nome curto (MP4) ou o índice.</translation>
    </message>
    <message>
        <source>Video bitrate, such as 256k.</source>
        <translation>Taxa de bits de vídeo, como 256k.</translation>
    </message>
    <message>
        <source>Screen size, such as 320x240.</source>
        <translation>Tamanho da imagem, como 320x240.</translation>
    </message>
    <message>
        <source>Audio bitrate, such as 128k.</source>
        <translation>Taxa de bits de áudio, como 128k.</translation>
    </message>
    <message>
        <source>Output folder (default: the current folder).</source>
        <translation>Pasta de saída (padrão: a pasta atual).</translation>
    </message>
    <message>
        <source>Convert only LENGTH from START of every source (seconds or h:m:s).</source>
        <translation>Converter só LENGTH a partir de START de cada origem (segundos ou h:m:s).</translation>
    </message>
    <message>
        <source>Play the completion sound at the end.</source>
        <translation>Tocar o som de conclusão no fim.</translation>
    </message>
    <message>
        <source>Play no completion sound (the default).</source>
        <translation>Não tocar som de conclusão (padrão).</translation>
    </message>
    <message>
        <source>The converter to run, and how --print-jobs names it (default: data/conv beside this program).</source>
        <translation>O conversor a executar e como --print-jobs o chama (padrão: data/conv ao lado deste programa).</translation>
    </message>
    <message>
        <source>Print each converter command line; run nothing.</source>
        <translation>Mostrar cada linha de comando do conversor; não executar nada.</translation>
    </message>
    <message>
        <source>Convert up to N files at once; 0 means one per core (default 1).</source>
        <translation>Converter até N arquivos de uma vez; 0 significa um por núcleo (padrão 1).</translation>
    </message>
    <message>
        <source>Print one POSIX shell command per file, for running elsewhere; run nothing.</source>
        <translation>Mostrar um comando de shell POSIX por arquivo, para executar em outro lugar; não executar nada.</translation>
    </message>
    <message>
        <source>List the formats and the values each option takes.</source>
        <translation>Listar os formatos e os valores de cada opção.</translation>
    </message>
    <message>
        <source>No PATH given: name the files or folders to convert (see --help).</source>
        <translation>Nenhum PATH informado: indique os arquivos ou pastas a converter (veja --help).</translation>
    </message>
    <message>
        <source>--cut needs START and LENGTH.</source>
        <translation>--cut precisa de START e LENGTH.</translation>
    </message>
    <message>
        <source>--cut takes a START of 0 or more and a LENGTH above 0, in seconds or h:m:s.</source>
        <translation>--cut aceita um START de 0 ou mais e uma LENGTH acima de 0, em segundos ou h:m:s.</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;. Allowed: %2, their list texts, or 0 to 9.</source>
        <translation>Formato &quot;%1&quot; desconhecido. Permitidos: %2, os textos da lista ou 0 a 9.</translation>
    </message>
    <message>
        <source>Video bitrate</source>
        <translation>Taxa de bits de vídeo</translation>
    </message>
    <message>
        <source>Screen size</source>
        <translation>Tamanho da imagem</translation>
    </message>
    <message>
        <source>Audio bitrate</source>
        <translation>Taxa de bits de áudio</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not allowed here. Allowed: %3.</source>
        <translation>%1 &quot;%2&quot; não é permitido aqui. Permitidos: %3.</translation>
    </message>
    <message>
        <source>--jobs takes a whole number: 1 or more, or 0 for one per core.</source>
        <translation>--jobs aceita um número inteiro: 1 ou mais, ou 0 para um por núcleo.</translation>
    </message>
    <message>
        <source>Replace a file already in the output folder instead of writing NAME (2).EXT beside it (never a source, never another output of the same run).</source>
        <translation>Substituir um arquivo já presente na pasta de saída em vez de gravar NOME (2).EXT ao lado (nunca uma origem, nunca outra saída da mesma execução).</translation>
    </message>
    <message>
        <source>Put the files found in a folder below the output folder at the same path they have below that folder.</source>
        <translation>Colocar os arquivos encontrados em uma pasta sob a pasta de saída, no mesmo caminho que têm sob essa pasta.</translation>
    </message>
    <message>
        <source>Formats (index, short name, list text, what it uses):</source>
        <translation>Formatos (índice, nome curto, texto da lista, o que usa):</translation>
    </message>
    <message>
        <source>AMR audio bitrate</source>
        <translation>taxa de bits de áudio AMR</translation>
    </message>
    <message>
        <source>audio bitrate</source>
        <translation>taxa de bits de áudio</translation>
    </message>
    <message>
        <source>Video bitrates:</source>
        <translation>Taxas de bits de vídeo:</translation>
    </message>
    <message>
        <source>Screen sizes:</source>
        <translation>Tamanhos de tela:</translation>
    </message>
    <message>
        <source>Audio bitrates:</source>
        <translation>Taxas de bits de áudio:</translation>
    </message>
    <message>
        <source>AMR audio bitrates:</source>
        <translation>Taxas de bits de áudio AMR:</translation>
    </message>
    <message>
        <source>video bitrate, size, AMR audio bitrate</source>
        <translation>taxa de bits de vídeo, tamanho, taxa de bits de áudio AMR</translation>
    </message>
    <message>
        <source>video bitrate, size, audio bitrate</source>
        <translation>taxa de bits de vídeo, tamanho, taxa de bits de áudio</translation>
    </message>
</context>
<context>
    <name>ConsoleBatchView</name>
    <message>
        <source>file %1 of %2</source>
        <translation>arquivo %1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2 done</source>
        <translation>%1 de %2 prontos</translation>
    </message>
</context>
<context>
    <name>HeadlessBatch</name>
    <message>
        <source>left out, a name holds a line break</source>
        <translation>omitido, um nome contém uma quebra de linha</translation>
    </message>
</context>
<context>
    <name>MainApplication</name>
    <message>
        <source>Conversion finished</source>
        <translation>Conversão concluída</translation>
    </message>
    <message>
        <source>Conversion stopped</source>
        <translation>Conversão interrompida</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>%1 convertidos, %2 com falha.</translation>
    </message>
    <message>
        <source>later launches cannot hand files over</source>
        <translation>inicializações posteriores não poderão repassar arquivos</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File</source>
        <translation>Arq.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Opens the %1 menu (%2)</source>
        <translation>Abre o menu %1 (%2)</translation>
    </message>
    <message>
        <source>Adds video files to the list (Ctrl+O)</source>
        <translation>Adiciona arquivos de vídeo à lista (Ctrl+O)</translation>
    </message>
    <message>
        <source>Opens the Remove menu</source>
        <translation>Abre o menu Remover</translation>
    </message>
    <message>
        <source>Opens the options</source>
        <translation>Abre as opções</translation>
    </message>
    <message>
        <source>Opens the help (F1)</source>
        <translation>Abre a ajuda (F1)</translation>
    </message>
    <message>
        <source>Exits the program (Ctrl+Q)</source>
        <translation>Sai do programa (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Adds every video file of a folder and its subfolders (Ctrl+Shift+O)</source>
        <translation>Adiciona todos os arquivos de vídeo de uma pasta e das subpastas (Ctrl+Shift+O)</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Converts every file in the list (Ctrl+Return)</source>
        <translation>Converte todos os arquivos da lista (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>Open the output format list</source>
        <translation>Abrir a lista de formatos de saída</translation>
    </message>
    <message>
        <source>Open the video bitrate list</source>
        <translation>Abrir a lista de taxas de vídeo</translation>
    </message>
    <message>
        <source>Open the screen size list</source>
        <translation>Abrir a lista de tamanhos de imagem</translation>
    </message>
    <message>
        <source>Open the audio bitrate list</source>
        <translation>Abrir a lista de taxas de áudio</translation>
    </message>
    <message>
        <source>Adds video files to the list</source>
        <translation>Adiciona arquivos de vídeo à lista</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Remover seleção</translation>
    </message>
    <message>
        <source>Removes the selected file (Delete)</source>
        <translation>Remove o arquivo selecionado (Delete)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Converts every file in the list</source>
        <translation>Converte todos os arquivos da lista</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Opinião</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Envie sua sugestão ou pergunta</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Arquivos a converter</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Taxa de bits de vídeo</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Tamanho da imagem</translation>
    </message>
    <message>
        <source>Audio Bitrate</source>
        <translation>Taxa de bits de áudio</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Ajuda e tutorial</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Minimizar janela</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Escolher uma pasta de saída</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>Taxa de bits de áudio MP3</translation>
    </message>
    <message>
        <source>MP3 Audio Rate</source>
        <translation>Taxa de áudio MP3</translation>
    </message>
    <message>
        <source>MP3 Audio Channel(Stereo or Mono)</source>
        <translation>Canal de áudio MP3 (estéreo ou mono)</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progresso da conversão</translation>
    </message>
    <message>
        <source>Send us your suggestion or question (Ctrl+Shift+F)</source>
        <translation>Envie sua sugestão ou pergunta (Ctrl+Shift+F)</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please add a file</source>
        <translation>Adicione um arquivo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Tavoclip</source>
        <translation>Tavoclip</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Pronto.</translation>
    </message>
    <message>
        <source>These files were not converted:</source>
        <translation>Estes arquivos não foram convertidos:</translation>
    </message>
    <message>
        <source>Command Line empty</source>
        <translation>Linha de comando vazia</translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Arquivo ou comando não encontrado</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>falta menos de um minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>falta cerca de %n min</numerusform>
            <numerusform>faltam cerca de %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressCaptionAccessible</name>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running copy did not take the files</source>
        <translation>a cópia em execução não aceitou os arquivos</translation>
    </message>
</context>
<context>
    <name>tavoclip::BatchOverview</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stopped: %1 converted, %2 left.</source>
        <translation>Parado: %1 convertidos, restam %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted</source>
        <translation>
            <numerusform>%1 de %n arquivo convertidos</numerusform>
            <numerusform>%1 de %n arquivos convertidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files converted, %2</source>
        <translation>
            <numerusform>%1 de %n arquivo convertidos, %2</numerusform>
            <numerusform>%1 de %n arquivos convertidos, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::COMDLG</name>
    <message>
        <source>Please select a folder:</source>
        <translation>Selecione uma pasta:</translation>
    </message>
</context>
<context>
    <name>tavoclip::DesktopNotifier</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListActions</name>
    <message>
        <source>Drag &amp; Drop Files Here</source>
        <translation>Arraste os arquivos para cá</translation>
    </message>
    <message>
        <source>Searching Files...</source>
        <translation>Procurando arquivos...</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir arquivos</translation>
    </message>
    <message>
        <source>Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI Files(*.AVI)|*.avi|Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|Quick Time Files(*.MOV)|*.mov|Cellphone Video(*.3GP)|*.3gp|All Files(*.*)|*.*</source>
        <translation>Flash Vídeo(*.FLV)|*.flv|MPEG Vídeo(*.MPG)|*.mpg|Windows AVI Arquivos(*.AVI)|*.avi|Windows Media Vídeo(*.WMV)|*.wmv|MPEG-4 Vídeo(*.MP4)|*.mp4|QuickTime Arquivos(*.MOV)|*.mov|Vídeo de celular(*.3GP)|*.3gp|Todos os arquivos(*.*)|*.*</translation>
    </message>
    <message>
        <source>: the name is not valid UTF-8 text</source>
        <translation>: o nome não é texto UTF-8 válido</translation>
    </message>
    <message>
        <source>: not a full path, so which file it names is not known here</source>
        <translation>: não é um caminho completo, então não se sabe aqui qual arquivo ele indica</translation>
    </message>
    <message>
        <source>: no such file or folder</source>
        <translation>: arquivo ou pasta inexistente</translation>
    </message>
    <message>
        <source>These were not added:

</source>
        <translation>Estes não foram adicionados:

</translation>
    </message>
    <message numerus="yes">
        <source>

and %n more.</source>
        <translation>
            <numerusform>

e mais %n.</numerusform>
            <numerusform>

e mais %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavoclip::SourceListModel</name>
    <message>
        <source>FileName</source>
        <translation>Nome</translation>
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
        <translation>Lista de arquivos</translation>
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
        <translation>, publicado pelo projeto Tavoclip.
</translation>
    </message>
    <message>
        <source>All rights reserved.
</source>
        <translation>Todos os direitos reservados.
</translation>
    </message>
    <message>
        <source>/help.html</source>
        <comment>the help page&apos;s file name; a translated page help_&lt;language&gt;.html</comment>
        <translation>/help_pt_BR.html</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The help page is %1.</source>
        <translation>Nenhum programa para exibir páginas web foi encontrado. A página de ajuda é %1.</translation>
    </message>
    <message>
        <source>No program to show web pages was found. The address is %1.</source>
        <translation>Nenhum programa para exibir páginas web foi encontrado. O endereço é %1.</translation>
    </message>
</context>
<context>
    <name>tavoclip::frmMenu</name>
    <message>
        <source>File</source>
        <translation>Arq.</translation>
    </message>
    <message>
        <source>Add a File(&amp;A)</source>
        <translation>Adicionar arquivo(&amp;A)</translation>
    </message>
    <message>
        <source>Add a Folder(&amp;F)</source>
        <translation>Adicionar pasta(&amp;F)</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>Sair(&amp;E)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Options(&amp;O)</source>
        <translation>Opções(&amp;O)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>Ajuda(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>Sobre(&amp;A)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Remover seleção</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Remover tudo</translation>
    </message>
    <message>
        <source>Keep Folder Structure</source>
        <translation>Manter a estrutura de pastas</translation>
    </message>
    <message>
        <source>Convert at Once</source>
        <translation>Converter ao mesmo tempo</translation>
    </message>
    <message>
        <source>1 File</source>
        <translation>1 arquivo</translation>
    </message>
    <message>
        <source>2 Files</source>
        <translation>2 arquivos</translation>
    </message>
    <message>
        <source>4 Files</source>
        <translation>4 arquivos</translation>
    </message>
    <message>
        <source>One per Core (%1)</source>
        <translation>Um por núcleo (%1)</translation>
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
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Completion Sound</source>
        <translation>Som final</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duração</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>MP3 Audio Bitrate</source>
        <translation>Taxa de bits de áudio MP3</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NÃO</translation>
    </message>
    <message>
        <source>Open the sound list</source>
        <translation>Abrir a lista de sons</translation>
    </message>
    <message>
        <source>Minutes must less than 60</source>
        <translation>Os minutos devem ser menos de 60</translation>
    </message>
    <message>
        <source>Seconds must less than 60</source>
        <translation>Os segundos devem ser menos de 60</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They apply until Tavoclip ends.</source>
        <translation>Não foi possível salvar as opções em %1. Elas valem até o Tavoclip ser fechado.</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Start hours</source>
        <translation>Início: horas</translation>
    </message>
    <message>
        <source>Start minutes</source>
        <translation>Início: minutos</translation>
    </message>
    <message>
        <source>Start seconds</source>
        <translation>Início: segundos</translation>
    </message>
    <message>
        <source>Length hours</source>
        <translation>Duração: horas</translation>
    </message>
    <message>
        <source>Length minutes</source>
        <translation>Duração: minutos</translation>
    </message>
    <message>
        <source>Length seconds</source>
        <translation>Duração: segundos</translation>
    </message>
    <message>
        <source>Plays a sound when a batch ends</source>
        <translation>Toca um som quando um lote termina</translation>
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
        <translation>Voltar</translation>
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
        <translation>Comentário:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>FeedBack</source>
        <translation>Opinião</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Send your feedback now</source>
        <translation>Enviar sua opinião agora</translation>
    </message>
    <message>
        <source>back to main</source>
        <translation>voltar à janela principal</translation>
    </message>
    <message>
        <source>Your Name?</source>
        <translation>Seu nome?</translation>
    </message>
    <message>
        <source>Your Email?</source>
        <translation>Seu e-mail?</translation>
    </message>
    <message>
        <source>Comment?</source>
        <translation>Comentário?</translation>
    </message>
    <message>
        <source>Sending...</source>
        <translation>Enviando...</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>Not sent.</source>
        <translation>Não enviado.</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
</context>
</TS>
