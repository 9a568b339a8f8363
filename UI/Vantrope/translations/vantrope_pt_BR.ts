<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Quorvix Vantrope</source>
        <translation>Quorvix Vantrope</translation>
    </message>
    <message>
        <source>Let you convert Apple&apos;s new iOS 11 photos from HEIC to JPG quickly.</source>
        <translation>Converte rapidamente as fotos HEIC do iOS 11 da Apple para JPG.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Quorvix Software</source>
        <translation>Quorvix Software</translation>
    </message>
    <message>
        <source>Engineer:</source>
        <translation>Desenvolvimento:</translation>
    </message>
    <message>
        <source>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</source>
        <translation>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</translation>
    </message>
    <message>
        <source>UI Designer:</source>
        <translation>Design de interface:</translation>
    </message>
    <message>
        <source>Elise Marchetti</source>
        <translation>Elise Marchetti</translation>
    </message>
    <message>
        <source>Editor:</source>
        <translation>Redação:</translation>
    </message>
    <message>
        <source>Owen Prescott</source>
        <translation>Owen Prescott</translation>
    </message>
    <message>
        <source>Project Manager:</source>
        <translation>Projeto:</translation>
    </message>
    <message>
        <source>Hana Kurosawa</source>
        <translation>Hana Kurosawa</translation>
    </message>
    <message>
        <source>Product Manager:</source>
        <translation>Produto:</translation>
    </message>
    <message>
        <source>Rafael Duarte</source>
        <translation>Rafael Duarte</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Quorvix Software. Todos os direitos reservados.</translation>
    </message>
</context>
<context>
    <name>BatchConvertProgress</name>
    <message>
        <source>Converting </source>
        <translation>Convertendo </translation>
    </message>
    <message>
        <source>files</source>
        <translation>arquivos</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting Photos</source>
        <translation>Conversão de fotos</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progresso da conversão</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 arquivo não pôde ser convertido.</translation>
    </message>
    <message>
        <source> files could not be converted.</source>
        <translation> arquivos não puderam ser convertidos.</translation>
    </message>
    <message>
        <source>Cancelling: finishing the photos in hand...</source>
        <translation>Cancelando: concluindo as fotos em andamento...</translation>
    </message>
    <message>
        <source>Saved in: %1</source>
        <translation>Salvo em: %1</translation>
    </message>
    <message>
        <source>1 file was skipped: a JPEG of that name exists.</source>
        <translation>1 arquivo ignorado: já há um JPEG com esse nome.</translation>
    </message>
    <message>
        <source>%1 files were skipped: a JPEG of that name exists.</source>
        <translation>%1 arquivos ignorados: já há um JPEG com esse nome.</translation>
    </message>
    <message>
        <source>1 file has been successfully converted!</source>
        <translation>1 arquivo foi convertido com sucesso!</translation>
    </message>
    <message>
        <source>1 file has been successfully converted.</source>
        <translation>1 arquivo foi convertido com sucesso.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted!</source>
        <translation>
            <numerusform>%n arquivo foi convertido com sucesso!</numerusform>
            <numerusform>%n arquivos foram convertidos com sucesso!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted.</source>
        <translation>
            <numerusform>%n arquivo foi convertido com sucesso.</numerusform>
            <numerusform>%n arquivos foram convertidos com sucesso.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>a file of that name is already there</source>
        <translation>já existe um arquivo com esse nome</translation>
    </message>
</context>
<context>
    <name>ConvertJob</name>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>não foi possível ler o arquivo: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes; at most %2 are accepted)</source>
        <translation>o arquivo é grande demais (%1 bytes; no máximo %2 são aceitos)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>no decoder (the decoder library was not found)</source>
        <translation>nenhum decodificador (a biblioteca de decodificação não foi encontrada)</translation>
    </message>
    <message>
        <source>the decoder library cannot convert single images of a file</source>
        <translation>a biblioteca de decodificação não consegue converter imagens avulsas de um arquivo</translation>
    </message>
    <message>
        <source>the decoder asked for more room twice</source>
        <translation>o decodificador pediu mais espaço duas vezes</translation>
    </message>
    <message>
        <source>the decoder&apos;s output is not an image</source>
        <translation>a saída do decodificador não é uma imagem</translation>
    </message>
</context>
<context>
    <name>ConvertQueue</name>
    <message>
        <source>cannot use the folder %1</source>
        <translation>não foi possível usar a pasta %1</translation>
    </message>
</context>
<context>
    <name>ConvertThread</name>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>image %1</source>
        <translation>imagem %1</translation>
    </message>
    <message>
        <source>%1 not converted: %2</source>
        <translation>%1 não convertida: %2</translation>
    </message>
    <message>
        <source>%1 not converted: cannot write %2: %3</source>
        <translation>%1 não convertida: não foi possível gravar %2: %3</translation>
    </message>
    <message>
        <source>nothing decoded</source>
        <translation>nada foi decodificado</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>gain map left out: %1</source>
        <translation>mapa de ganho omitido: %1</translation>
    </message>
</context>
<context>
    <name>ConvertsionSet</name>
    <message>
        <source>Convert to:</source>
        <translation>Converter para:</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Qualidade:</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>Salvar em:</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Configurações de conversão</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>Qualidade da foto</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>Qualidade do JPEG em porcentagem</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG files</source>
        <translation>Escolher a pasta onde os arquivos JPEG serão salvos</translation>
    </message>
    <message>
        <source>Start converting the ticked photos</source>
        <translation>Começar a converter as fotos marcadas</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Convert every image in a photo</source>
        <translation>Converter todas as imagens de uma foto</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>Se o JPEG já existir:</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Manter ambos</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>HeicFileTable</name>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add photos or a folder to the list</source>
        <translation>Adicionar fotos ou uma pasta à lista</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Remove the ticked photos from the list</source>
        <translation>Remover da lista as fotos marcadas</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>Remover todas as fotos da lista</translation>
    </message>
    <message>
        <source>Convert the ticked photos to JPEG</source>
        <translation>Converter as fotos marcadas para JPEG</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>The photos to convert; tick the ones to convert</source>
        <translation>As fotos a converter; marque as que deseja converter</translation>
    </message>
    <message>
        <source>Select all photos</source>
        <translation>Selecionar todas as fotos</translation>
    </message>
    <message>
        <source>Ticks or clears every photo in the list</source>
        <translation>Marca ou desmarca todas as fotos da lista</translation>
    </message>
    <message>
        <source>Add Photos...</source>
        <translation>Adicionar fotos...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Adicionar pasta...</translation>
    </message>
    <message>
        <source>Tick to convert this photo</source>
        <translation>Marque para converter esta foto</translation>
    </message>
    <message>
        <source> File(s), </source>
        <translation> arquivo(s), </translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>Escolher imagens</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Arquivos de imagem</translation>
    </message>
    <message>
        <source>None of the chosen files is a HEIC photo.</source>
        <translation>Nenhum dos arquivos escolhidos é uma foto HEIC.</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Escolher uma pasta</translation>
    </message>
    <message>
        <source>No HEIC photos were found in %1.</source>
        <translation>Nenhuma foto HEIC foi encontrada em %1.</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>Nenhuma foto HEIC foi encontrada no que você arrastou.</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Adicionar fotos</translation>
    </message>
    <message>
        <source>%1: not converted: %2</source>
        <translation>%1: não convertido: %2</translation>
    </message>
    <message>
        <source>%1: skipped: %2 is already there</source>
        <translation>%1: ignorado: %2 já existe</translation>
    </message>
</context>
<context>
    <name>Heif2jpg</name>
    <message>
        <source>invalid argument</source>
        <translation>argumento inválido</translation>
    </message>
    <message>
        <source>empty input</source>
        <translation>entrada vazia</translation>
    </message>
    <message>
        <source>not a HEIF or JPEG file</source>
        <translation>não é um arquivo HEIF nem JPEG</translation>
    </message>
    <message>
        <source>file is truncated</source>
        <translation>o arquivo está truncado</translation>
    </message>
    <message>
        <source>file is corrupt</source>
        <translation>o arquivo está corrompido</translation>
    </message>
    <message>
        <source>unsupported codec or feature</source>
        <translation>codec ou recurso não suportado</translation>
    </message>
    <message>
        <source>image too large</source>
        <translation>imagem grande demais</translation>
    </message>
    <message>
        <source>image could not be decoded</source>
        <translation>não foi possível decodificar a imagem</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <translation>falha na codificação JPEG</translation>
    </message>
    <message>
        <source>JPEG output too large</source>
        <translation>saída JPEG grande demais</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>erro interno</translation>
    </message>
    <message>
        <source>the decoder stopped on this file</source>
        <translation>o decodificador parou neste arquivo</translation>
    </message>
    <message>
        <source>decoding took too long</source>
        <translation>a decodificação demorou demais</translation>
    </message>
    <message>
        <source>the file holds no such image</source>
        <translation>o arquivo não contém essa imagem</translation>
    </message>
    <message>
        <source>the decoder returned no image</source>
        <translation>o decodificador não retornou nenhuma imagem</translation>
    </message>
    <message>
        <source>%1 (decoder error %2)</source>
        <translation>%1 (erro do decodificador %2)</translation>
    </message>
    <message>
        <source>decoder error %1</source>
        <translation>erro do decodificador %1</translation>
    </message>
</context>
<context>
    <name>HomeTile</name>
    <message>
        <source>Single Photo</source>
        <translation>Foto única</translation>
    </message>
    <message>
        <source>Preview one photo, check its details and convert it.</source>
        <translation>Visualizar uma foto, conferir os detalhes e convertê-la.</translation>
    </message>
    <message>
        <source>Batch Convert</source>
        <translation>Conversão em lote</translation>
    </message>
    <message>
        <source>Gather many photos and convert them all at once.</source>
        <translation>Reunir várias fotos e convertê-las todas de uma só vez.</translation>
    </message>
</context>
<context>
    <name>JpegWriter</name>
    <message>
        <source>no image to write</source>
        <translation>nenhuma imagem para gravar</translation>
    </message>
    <message>
        <source>the JPEG encoder failed</source>
        <translation>o codificador JPEG falhou</translation>
    </message>
</context>
<context>
    <name>OutputLocation</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>cannot use the folder %1: %2</source>
        <translation>não foi possível usar a pasta %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 is a symbolic link; only a real folder is used for the JPEGs</source>
        <translation>a pasta %1 é um link simbólico; só uma pasta de verdade é usada para os JPEGs</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>a pasta %1 pertence a outro usuário</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>the folder name %1 is not allowed</source>
        <translation>o nome de pasta %1 não é permitido</translation>
    </message>
</context>
<context>
    <name>PhotoInfo</name>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Created Date:</source>
        <translation>Data de criação:</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Tamanho do arquivo:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Photo Info</source>
        <translation>Info da foto</translation>
    </message>
</context>
<context>
    <name>PreviewHEIC</name>
    <message>
        <source>Photo Info</source>
        <translation>Info da foto</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Converter para:</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Qualidade:</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>Salvar em:</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>The photo as it will be converted</source>
        <translation>A foto como será convertida</translation>
    </message>
    <message>
        <source>Name, date, size and resolution of the photo</source>
        <translation>Nome, data, tamanho e resolução da foto</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>Qualidade da foto</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>Qualidade do JPEG em porcentagem</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG file</source>
        <translation>Escolher a pasta onde o arquivo JPEG será salvo</translation>
    </message>
    <message>
        <source>Convert this photo to JPEG</source>
        <translation>Converter esta foto para JPEG</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Convertendo…</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Unknown (not decoded)</source>
        <translation>Desconhecida (não decodificada)</translation>
    </message>
    <message>
        <source>the photo could not be decoded</source>
        <translation>não foi possível decodificar a foto</translation>
    </message>
    <message>
        <source>This photo cannot be shown or converted.

Reason: %1</source>
        <translation>Esta foto não pode ser exibida nem convertida.

Motivo: %1</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>não foi possível criar a pasta</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>%1 could not be saved.
Folder: %2
Reason: %3</source>
        <translation>Não foi possível salvar %1.
Pasta: %2
Motivo: %3</translation>
    </message>
    <message>
        <source>%1 could not be converted.
Folder: %2
Reason: %3</source>
        <translation>Não foi possível converter %1.
Pasta: %2
Motivo: %3</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>Se o JPEG já existir:</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Manter ambos</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Escolher imagem</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Arquivos de imagem</translation>
    </message>
    <message>
        <source>%1 is already there, so the photo was not converted.
Folder: %2</source>
        <translation>%1 já existe, então a foto não foi convertida.
Pasta: %2</translation>
    </message>
</context>
<context>
    <name>SingalConverterHome</name>
    <message>
        <source>Select A File</source>
        <translation>Selecionar um arquivo</translation>
    </message>
    <message>
        <source>Or you can directly drop a HEIC file here.</source>
        <translation>Ou arraste um arquivo HEIC diretamente para cá.</translation>
    </message>
    <message>
        <source>Choose a HEIC photo to convert</source>
        <translation>Escolher uma foto HEIC para converter</translation>
    </message>
    <message>
        <source>Choose the HEIC photos to convert</source>
        <translation>Escolher as fotos HEIC para converter</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Arquivos de imagem</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Escolher imagem</translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>Escolher imagens</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>Nenhuma foto HEIC foi encontrada no que você arrastou.</translation>
    </message>
</context>
<context>
    <name>SingleConverting</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting Photo</source>
        <translation>Conversão da foto</translation>
    </message>
    <message>
        <source>The HEIC file has been successfully converted!</source>
        <translation>O arquivo HEIC foi convertido com sucesso!</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progresso da conversão</translation>
    </message>
    <message>
        <source>Saved as: %1</source>
        <translation>Salvo como: %1</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>Are you sure to cancel the file conversion?</source>
        <translation>Tem certeza de que deseja cancelar a conversão?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Conversion Cancelled!</source>
        <translation>Conversão cancelada!</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Are you sure to trash all the files here?</source>
        <translation>Tem certeza de que deseja remover todos os arquivos da lista?</translation>
    </message>
    <message>
        <source>Are you sure to quit the program?</source>
        <translation>Tem certeza de que deseja sair do programa?</translation>
    </message>
    <message>
        <source>Leave the batch?</source>
        <translation>Sair da conversão em lote?</translation>
    </message>
    <message>
        <source>The photo in the list will be removed from it; the file stays on disk.</source>
        <translation>A foto será removida da lista; o arquivo continua no disco.</translation>
    </message>
    <message>
        <source>The %1 photos in the list will be removed from it; the files stay on disk.</source>
        <translation>As %1 fotos serão removidas da lista; os arquivos continuam no disco.</translation>
    </message>
</context>
<context>
    <name>Vantrope</name>
    <message>
        <source>Vantrope</source>
        <translation>Vantrope</translation>
    </message>
    <message>
        <source>Quorvix</source>
        <translation>Quorvix</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Help, links, About and Exit</source>
        <translation>Ajuda, links, Sobre e Sair</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Quits Vantrope after asking</source>
        <translation>Sai do Vantrope após confirmação</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Back to the start page</source>
        <translation>Voltar à página inicial</translation>
    </message>
    <message>
        <source>Convert a single photo</source>
        <translation>Converter uma única foto</translation>
    </message>
    <message>
        <source>Preview one HEIC photo and convert it to JPEG</source>
        <translation>Visualizar uma foto HEIC e convertê-la para JPEG</translation>
    </message>
    <message>
        <source>Convert photos in batch</source>
        <translation>Converter fotos em lote</translation>
    </message>
    <message>
        <source>Collect many HEIC photos in a list and convert them to JPEG at once</source>
        <translation>Reunir várias fotos HEIC em uma lista e convertê-las para JPEG de uma só vez</translation>
    </message>
    <message>
        <source>Conver Single Photo</source>
        <translation>Converter uma única foto</translation>
    </message>
    <message>
        <source>Convert Photos in Batch</source>
        <translation>Converter fotos em lote</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Selecionar arquivos</translation>
    </message>
    <message>
        <source>Or you can directly drop the HEIC files here.</source>
        <translation>Ou arraste os arquivos HEIC diretamente para cá.</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Escrever uma avaliação</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Fale conosco</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Ver página no Facebook</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Siga-nos no Twitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>ZoAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>ZoMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ZoStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Fecha esta janela</translation>
    </message>
</context>
</TS>
