<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Quorvix Vantrope</source>
        <translation>Quorvix Vantrope</translation>
    </message>
    <message>
        <source>Let you convert Apple&apos;s new iOS 11 photos from HEIC to JPG quickly.</source>
        <translation>Convierte rápidamente las fotos HEIC de iOS 11 de Apple a JPG.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
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
        <translation>Desarrollo:</translation>
    </message>
    <message>
        <source>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</source>
        <translation>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</translation>
    </message>
    <message>
        <source>UI Designer:</source>
        <translation>Diseño de interfaz:</translation>
    </message>
    <message>
        <source>Elise Marchetti</source>
        <translation>Elise Marchetti</translation>
    </message>
    <message>
        <source>Editor:</source>
        <translation>Redacción:</translation>
    </message>
    <message>
        <source>Owen Prescott</source>
        <translation>Owen Prescott</translation>
    </message>
    <message>
        <source>Project Manager:</source>
        <translation>Jefe de proyecto:</translation>
    </message>
    <message>
        <source>Hana Kurosawa</source>
        <translation>Hana Kurosawa</translation>
    </message>
    <message>
        <source>Product Manager:</source>
        <translation>Jefe de producto:</translation>
    </message>
    <message>
        <source>Rafael Duarte</source>
        <translation>Rafael Duarte</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Quorvix Software. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>BatchConvertProgress</name>
    <message>
        <source>Converting </source>
        <translation>Convirtiendo </translation>
    </message>
    <message>
        <source>files</source>
        <translation>archivos</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Converting Photos</source>
        <translation>Conversión de fotos</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progreso de la conversión</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 archivo no se pudo convertir.</translation>
    </message>
    <message>
        <source> files could not be converted.</source>
        <translation> archivos no se pudieron convertir.</translation>
    </message>
    <message>
        <source>Cancelling: finishing the photos in hand...</source>
        <translation>Cancelando: terminando las fotos en curso...</translation>
    </message>
    <message>
        <source>Saved in: %1</source>
        <translation>Guardado en: %1</translation>
    </message>
    <message>
        <source>1 file was skipped: a JPEG of that name exists.</source>
        <translation>1 archivo omitido: ya hay un JPEG con ese nombre.</translation>
    </message>
    <message>
        <source>%1 files were skipped: a JPEG of that name exists.</source>
        <translation>%1 archivos omitidos: ya hay un JPEG con ese nombre.</translation>
    </message>
    <message>
        <source>1 file has been successfully converted!</source>
        <translation>¡1 archivo se ha convertido correctamente!</translation>
    </message>
    <message>
        <source>1 file has been successfully converted.</source>
        <translation>1 archivo se ha convertido correctamente.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted!</source>
        <translation>
            <numerusform>¡%n archivo se ha convertido correctamente!</numerusform>
            <numerusform>¡%n archivos se han convertido correctamente!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted.</source>
        <translation>
            <numerusform>%n archivo se ha convertido correctamente.</numerusform>
            <numerusform>%n archivos se han convertido correctamente.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>a file of that name is already there</source>
        <translation>ya existe un archivo con ese nombre</translation>
    </message>
</context>
<context>
    <name>ConvertJob</name>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>no se puede abrir el archivo: %1</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>no se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes; at most %2 are accepted)</source>
        <translation>el archivo es demasiado grande (%1 bytes; se aceptan como máximo %2)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>no decoder (the decoder library was not found)</source>
        <translation>no hay decodificador (no se encontró la biblioteca de decodificación)</translation>
    </message>
    <message>
        <source>the decoder library cannot convert single images of a file</source>
        <translation>la biblioteca de decodificación no puede convertir imágenes sueltas de un archivo</translation>
    </message>
    <message>
        <source>the decoder asked for more room twice</source>
        <translation>el decodificador pidió más espacio dos veces</translation>
    </message>
    <message>
        <source>the decoder&apos;s output is not an image</source>
        <translation>la salida del decodificador no es una imagen</translation>
    </message>
</context>
<context>
    <name>ConvertQueue</name>
    <message>
        <source>cannot use the folder %1</source>
        <translation>no se puede usar la carpeta %1</translation>
    </message>
</context>
<context>
    <name>ConvertThread</name>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>image %1</source>
        <translation>imagen %1</translation>
    </message>
    <message>
        <source>%1 not converted: %2</source>
        <translation>%1 no convertida: %2</translation>
    </message>
    <message>
        <source>%1 not converted: cannot write %2: %3</source>
        <translation>%1 no convertida: no se puede escribir %2: %3</translation>
    </message>
    <message>
        <source>nothing decoded</source>
        <translation>no se decodificó nada</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>gain map left out: %1</source>
        <translation>mapa de ganancia omitido: %1</translation>
    </message>
</context>
<context>
    <name>ConvertsionSet</name>
    <message>
        <source>Convert to:</source>
        <translation>Convertir a:</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Ajustes de conversión</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>Calidad de la foto</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>Calidad JPEG en porcentaje</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG files</source>
        <translation>Elegir la carpeta donde se guardarán los archivos JPEG</translation>
    </message>
    <message>
        <source>Start converting the ticked photos</source>
        <translation>Empezar a convertir las fotos marcadas</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Convert every image in a photo</source>
        <translation>Convertir todas las imágenes de una foto</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>Si el JPEG ya existe:</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
</context>
<context>
    <name>HeicFileTable</name>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add photos or a folder to the list</source>
        <translation>Añadir fotos o una carpeta a la lista</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove the ticked photos from the list</source>
        <translation>Quitar de la lista las fotos marcadas</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>Quitar todas las fotos de la lista</translation>
    </message>
    <message>
        <source>Convert the ticked photos to JPEG</source>
        <translation>Convertir a JPEG las fotos marcadas</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>The photos to convert; tick the ones to convert</source>
        <translation>Las fotos para convertir; marque las que quiera convertir</translation>
    </message>
    <message>
        <source>Select all photos</source>
        <translation>Seleccionar todas las fotos</translation>
    </message>
    <message>
        <source>Ticks or clears every photo in the list</source>
        <translation>Marca o desmarca todas las fotos de la lista</translation>
    </message>
    <message>
        <source>Add Photos...</source>
        <translation>Añadir fotos...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Añadir carpeta...</translation>
    </message>
    <message>
        <source>Tick to convert this photo</source>
        <translation>Marcar para convertir esta foto</translation>
    </message>
    <message>
        <source> File(s), </source>
        <translation> archivo(s), </translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>Elegir imágenes</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>None of the chosen files is a HEIC photo.</source>
        <translation>Ninguno de los archivos elegidos es una foto HEIC.</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message>
        <source>No HEIC photos were found in %1.</source>
        <translation>No se encontraron fotos HEIC en %1.</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>No se encontraron fotos HEIC en lo que ha soltado.</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>%1: not converted: %2</source>
        <translation>%1: no convertido: %2</translation>
    </message>
    <message>
        <source>%1: skipped: %2 is already there</source>
        <translation>%1: omitido: %2 ya existe</translation>
    </message>
</context>
<context>
    <name>Heif2jpg</name>
    <message>
        <source>invalid argument</source>
        <translation>argumento no válido</translation>
    </message>
    <message>
        <source>empty input</source>
        <translation>entrada vacía</translation>
    </message>
    <message>
        <source>not a HEIF or JPEG file</source>
        <translation>no es un archivo HEIF ni JPEG</translation>
    </message>
    <message>
        <source>file is truncated</source>
        <translation>el archivo está truncado</translation>
    </message>
    <message>
        <source>file is corrupt</source>
        <translation>el archivo está dañado</translation>
    </message>
    <message>
        <source>unsupported codec or feature</source>
        <translation>códec o función no compatible</translation>
    </message>
    <message>
        <source>image too large</source>
        <translation>imagen demasiado grande</translation>
    </message>
    <message>
        <source>image could not be decoded</source>
        <translation>no se pudo decodificar la imagen</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <translation>falló la codificación JPEG</translation>
    </message>
    <message>
        <source>JPEG output too large</source>
        <translation>la salida JPEG es demasiado grande</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>error interno</translation>
    </message>
    <message>
        <source>the decoder stopped on this file</source>
        <translation>el decodificador se detuvo en este archivo</translation>
    </message>
    <message>
        <source>decoding took too long</source>
        <translation>la decodificación tardó demasiado</translation>
    </message>
    <message>
        <source>the file holds no such image</source>
        <translation>el archivo no contiene esa imagen</translation>
    </message>
    <message>
        <source>the decoder returned no image</source>
        <translation>el decodificador no devolvió ninguna imagen</translation>
    </message>
    <message>
        <source>%1 (decoder error %2)</source>
        <translation>%1 (error del decodificador %2)</translation>
    </message>
    <message>
        <source>decoder error %1</source>
        <translation>error del decodificador %1</translation>
    </message>
</context>
<context>
    <name>HomeTile</name>
    <message>
        <source>Single Photo</source>
        <translation>Una sola foto</translation>
    </message>
    <message>
        <source>Preview one photo, check its details and convert it.</source>
        <translation>Ver una foto, revisar sus detalles y convertirla.</translation>
    </message>
    <message>
        <source>Batch Convert</source>
        <translation>Conversión por lotes</translation>
    </message>
    <message>
        <source>Gather many photos and convert them all at once.</source>
        <translation>Reunir muchas fotos y convertirlas todas de una vez.</translation>
    </message>
</context>
<context>
    <name>JpegWriter</name>
    <message>
        <source>no image to write</source>
        <translation>no hay ninguna imagen que escribir</translation>
    </message>
    <message>
        <source>the JPEG encoder failed</source>
        <translation>falló el codificador JPEG</translation>
    </message>
</context>
<context>
    <name>OutputLocation</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>cannot use the folder %1: %2</source>
        <translation>no se puede usar la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 is a symbolic link; only a real folder is used for the JPEGs</source>
        <translation>la carpeta %1 es un enlace simbólico; para los JPEG solo se usa una carpeta real</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>la carpeta %1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the folder name %1 is not allowed</source>
        <translation>el nombre de carpeta %1 no está permitido</translation>
    </message>
</context>
<context>
    <name>PhotoInfo</name>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Created Date:</source>
        <translation>Fecha de creación:</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Tamaño del archivo:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolución:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Photo Info</source>
        <translation>Info de la foto</translation>
    </message>
</context>
<context>
    <name>PreviewHEIC</name>
    <message>
        <source>Photo Info</source>
        <translation>Info de la foto</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Convertir a:</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>Guardar en:</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>The photo as it will be converted</source>
        <translation>La foto tal como se convertirá</translation>
    </message>
    <message>
        <source>Name, date, size and resolution of the photo</source>
        <translation>Nombre, fecha, tamaño y resolución de la foto</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>Calidad de la foto</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>Calidad JPEG en porcentaje</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG file</source>
        <translation>Elegir la carpeta donde se guardará el archivo JPEG</translation>
    </message>
    <message>
        <source>Convert this photo to JPEG</source>
        <translation>Convertir esta foto a JPEG</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Convirtiendo…</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Unknown (not decoded)</source>
        <translation>Desconocida (no decodificada)</translation>
    </message>
    <message>
        <source>the photo could not be decoded</source>
        <translation>no se pudo decodificar la foto</translation>
    </message>
    <message>
        <source>This photo cannot be shown or converted.

Reason: %1</source>
        <translation>Esta foto no se puede mostrar ni convertir.

Motivo: %1</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>no se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>%1 could not be saved.
Folder: %2
Reason: %3</source>
        <translation>No se pudo guardar %1.
Carpeta: %2
Motivo: %3</translation>
    </message>
    <message>
        <source>%1 could not be converted.
Folder: %2
Reason: %3</source>
        <translation>No se pudo convertir %1.
Carpeta: %2
Motivo: %3</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>Si el JPEG ya existe:</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>%1 is already there, so the photo was not converted.
Folder: %2</source>
        <translation>%1 ya existe, así que la foto no se convirtió.
Carpeta: %2</translation>
    </message>
</context>
<context>
    <name>SingalConverterHome</name>
    <message>
        <source>Select A File</source>
        <translation>Seleccionar un archivo</translation>
    </message>
    <message>
        <source>Or you can directly drop a HEIC file here.</source>
        <translation>O arrastre un archivo HEIC directamente aquí.</translation>
    </message>
    <message>
        <source>Choose a HEIC photo to convert</source>
        <translation>Elegir una foto HEIC para convertir</translation>
    </message>
    <message>
        <source>Choose the HEIC photos to convert</source>
        <translation>Elegir las fotos HEIC para convertir</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>Elegir imágenes</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>No se encontraron fotos HEIC en lo que ha soltado.</translation>
    </message>
</context>
<context>
    <name>SingleConverting</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Converting Photo</source>
        <translation>Conversión de la foto</translation>
    </message>
    <message>
        <source>The HEIC file has been successfully converted!</source>
        <translation>¡El archivo HEIC se ha convertido correctamente!</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progreso de la conversión</translation>
    </message>
    <message>
        <source>Saved as: %1</source>
        <translation>Guardado como: %1</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Are you sure to cancel the file conversion?</source>
        <translation>¿Seguro que desea cancelar la conversión?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Conversion Cancelled!</source>
        <translation>¡Conversión cancelada!</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Are you sure to trash all the files here?</source>
        <translation>¿Seguro que desea quitar todos los archivos de la lista?</translation>
    </message>
    <message>
        <source>Are you sure to quit the program?</source>
        <translation>¿Seguro que desea salir del programa?</translation>
    </message>
    <message>
        <source>Leave the batch?</source>
        <translation>¿Salir de la conversión por lotes?</translation>
    </message>
    <message>
        <source>The photo in the list will be removed from it; the file stays on disk.</source>
        <translation>La foto se quitará de la lista; el archivo sigue en el disco.</translation>
    </message>
    <message>
        <source>The %1 photos in the list will be removed from it; the files stay on disk.</source>
        <translation>Las %1 fotos se quitarán de la lista; los archivos siguen en el disco.</translation>
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
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Help, links, About and Exit</source>
        <translation>Ayuda, enlaces, Acerca de y Salir</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Quits Vantrope after asking</source>
        <translation>Sale de Vantrope tras confirmar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Back to the start page</source>
        <translation>Volver a la página de inicio</translation>
    </message>
    <message>
        <source>Convert a single photo</source>
        <translation>Convertir una sola foto</translation>
    </message>
    <message>
        <source>Preview one HEIC photo and convert it to JPEG</source>
        <translation>Ver una foto HEIC y convertirla a JPEG</translation>
    </message>
    <message>
        <source>Convert photos in batch</source>
        <translation>Convertir fotos por lotes</translation>
    </message>
    <message>
        <source>Collect many HEIC photos in a list and convert them to JPEG at once</source>
        <translation>Reunir muchas fotos HEIC en una lista y convertirlas a JPEG de una vez</translation>
    </message>
    <message>
        <source>Conver Single Photo</source>
        <translation>Convertir una sola foto</translation>
    </message>
    <message>
        <source>Convert Photos in Batch</source>
        <translation>Convertir fotos por lotes</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Seleccionar archivos</translation>
    </message>
    <message>
        <source>Or you can directly drop the HEIC files here.</source>
        <translation>O arrastre los archivos HEIC directamente aquí.</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Escribir una reseña</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Ver página de Facebook</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Síguenos en Twitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>ZoAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>ZoMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>No</translation>
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
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Cierra esta ventana</translation>
    </message>
</context>
</TS>
