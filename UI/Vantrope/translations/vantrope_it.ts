<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Quorvix Vantrope</source>
        <translation>Quorvix Vantrope</translation>
    </message>
    <message>
        <source>Let you convert Apple&apos;s new iOS 11 photos from HEIC to JPG quickly.</source>
        <translation>Converte rapidamente in JPG le foto HEIC di iOS 11 di Apple.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Azienda:</translation>
    </message>
    <message>
        <source>Quorvix Software</source>
        <translation>Quorvix Software</translation>
    </message>
    <message>
        <source>Engineer:</source>
        <translation>Sviluppo:</translation>
    </message>
    <message>
        <source>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</source>
        <translation>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</translation>
    </message>
    <message>
        <source>UI Designer:</source>
        <translation>Interfaccia:</translation>
    </message>
    <message>
        <source>Elise Marchetti</source>
        <translation>Elise Marchetti</translation>
    </message>
    <message>
        <source>Editor:</source>
        <translation>Redazione:</translation>
    </message>
    <message>
        <source>Owen Prescott</source>
        <translation>Owen Prescott</translation>
    </message>
    <message>
        <source>Project Manager:</source>
        <translation>Project manager:</translation>
    </message>
    <message>
        <source>Hana Kurosawa</source>
        <translation>Hana Kurosawa</translation>
    </message>
    <message>
        <source>Product Manager:</source>
        <translation>Product manager:</translation>
    </message>
    <message>
        <source>Rafael Duarte</source>
        <translation>Rafael Duarte</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Quorvix Software. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>BatchConvertProgress</name>
    <message>
        <source>Converting </source>
        <translation>Conversione: </translation>
    </message>
    <message>
        <source>files</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting Photos</source>
        <translation>Conversione delle foto</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Avanzamento della conversione</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 file non è stato convertito.</translation>
    </message>
    <message>
        <source> files could not be converted.</source>
        <translation> file non sono stati convertiti.</translation>
    </message>
    <message>
        <source>Cancelling: finishing the photos in hand...</source>
        <translation>Annullamento: completamento delle foto in corso...</translation>
    </message>
    <message>
        <source>Saved in: %1</source>
        <translation>Salvato in: %1</translation>
    </message>
    <message>
        <source>1 file was skipped: a JPEG of that name exists.</source>
        <translation>1 file saltato: c&apos;è già un JPEG con quel nome.</translation>
    </message>
    <message>
        <source>%1 files were skipped: a JPEG of that name exists.</source>
        <translation>%1 file saltati: c&apos;è già un JPEG con quel nome.</translation>
    </message>
    <message>
        <source>1 file has been successfully converted!</source>
        <translation>1 file è stato convertito correttamente!</translation>
    </message>
    <message>
        <source>1 file has been successfully converted.</source>
        <translation>1 file è stato convertito correttamente.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted!</source>
        <translation>
            <numerusform>%n file è stato convertito correttamente!</numerusform>
            <numerusform>%n file sono stati convertiti correttamente!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted.</source>
        <translation>
            <numerusform>%n file è stato convertito correttamente.</numerusform>
            <numerusform>%n file sono stati convertiti correttamente.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>a file of that name is already there</source>
        <translation>esiste già un file con quel nome</translation>
    </message>
</context>
<context>
    <name>ConvertJob</name>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>impossibile aprire il file: %1</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>impossibile leggere il file: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes; at most %2 are accepted)</source>
        <translation>il file è troppo grande (%1 byte; ne sono accettati al massimo %2)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>no decoder (the decoder library was not found)</source>
        <translation>nessun decodificatore (la libreria di decodifica non è stata trovata)</translation>
    </message>
    <message>
        <source>the decoder library cannot convert single images of a file</source>
        <translation>la libreria di decodifica non può convertire singole immagini di un file</translation>
    </message>
    <message>
        <source>the decoder asked for more room twice</source>
        <translation>il decodificatore ha chiesto più spazio due volte</translation>
    </message>
    <message>
        <source>the decoder&apos;s output is not an image</source>
        <translation>l’output del decodificatore non è un’immagine</translation>
    </message>
</context>
<context>
    <name>ConvertQueue</name>
    <message>
        <source>cannot use the folder %1</source>
        <translation>impossibile usare la cartella %1</translation>
    </message>
</context>
<context>
    <name>ConvertThread</name>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la cartella %1 non esiste</translation>
    </message>
    <message>
        <source>image %1</source>
        <translation>immagine %1</translation>
    </message>
    <message>
        <source>%1 not converted: %2</source>
        <translation>%1 non convertita: %2</translation>
    </message>
    <message>
        <source>%1 not converted: cannot write %2: %3</source>
        <translation>%1 non convertita: impossibile scrivere %2: %3</translation>
    </message>
    <message>
        <source>nothing decoded</source>
        <translation>niente di decodificato</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>gain map left out: %1</source>
        <translation>mappa di guadagno omessa: %1</translation>
    </message>
</context>
<context>
    <name>ConvertsionSet</name>
    <message>
        <source>Convert to:</source>
        <translation>Converti in:</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>Salva in:</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Impostazioni di conversione</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>Qualità della foto</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>Qualità JPEG in percentuale</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG files</source>
        <translation>Scegli la cartella in cui salvare i file JPEG</translation>
    </message>
    <message>
        <source>Start converting the ticked photos</source>
        <translation>Avvia la conversione delle foto selezionate</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Convert every image in a photo</source>
        <translation>Converti ogni immagine di una foto</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>Se il JPEG esiste già:</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Mantieni entrambi</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
</context>
<context>
    <name>HeicFileTable</name>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Add photos or a folder to the list</source>
        <translation>Aggiungi foto o una cartella all’elenco</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Remove the ticked photos from the list</source>
        <translation>Rimuovi dall’elenco le foto selezionate</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>Rimuovi tutte le foto dall’elenco</translation>
    </message>
    <message>
        <source>Convert the ticked photos to JPEG</source>
        <translation>Converti in JPEG le foto selezionate</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>The photos to convert; tick the ones to convert</source>
        <translation>Le foto da convertire; seleziona quelle da convertire</translation>
    </message>
    <message>
        <source>Select all photos</source>
        <translation>Seleziona tutte le foto</translation>
    </message>
    <message>
        <source>Ticks or clears every photo in the list</source>
        <translation>Seleziona o deseleziona tutte le foto dell’elenco</translation>
    </message>
    <message>
        <source>Add Photos...</source>
        <translation>Aggiungi foto...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Aggiungi cartella...</translation>
    </message>
    <message>
        <source>Tick to convert this photo</source>
        <translation>Seleziona per convertire questa foto</translation>
    </message>
    <message>
        <source> File(s), </source>
        <translation> file, </translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>Scegli immagini</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>None of the chosen files is a HEIC photo.</source>
        <translation>Nessuno dei file scelti è una foto HEIC.</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Scegli una cartella</translation>
    </message>
    <message>
        <source>No HEIC photos were found in %1.</source>
        <translation>Nessuna foto HEIC trovata in %1.</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>Nessuna foto HEIC tra gli elementi trascinati.</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Aggiungi foto</translation>
    </message>
    <message>
        <source>%1: not converted: %2</source>
        <translation>%1: non convertito: %2</translation>
    </message>
    <message>
        <source>%1: skipped: %2 is already there</source>
        <translation>%1: saltato: %2 esiste già</translation>
    </message>
</context>
<context>
    <name>Heif2jpg</name>
    <message>
        <source>invalid argument</source>
        <translation>argomento non valido</translation>
    </message>
    <message>
        <source>empty input</source>
        <translation>input vuoto</translation>
    </message>
    <message>
        <source>not a HEIF or JPEG file</source>
        <translation>non è un file HEIF né JPEG</translation>
    </message>
    <message>
        <source>file is truncated</source>
        <translation>il file è troncato</translation>
    </message>
    <message>
        <source>file is corrupt</source>
        <translation>il file è danneggiato</translation>
    </message>
    <message>
        <source>unsupported codec or feature</source>
        <translation>codec o funzione non supportati</translation>
    </message>
    <message>
        <source>image too large</source>
        <translation>immagine troppo grande</translation>
    </message>
    <message>
        <source>image could not be decoded</source>
        <translation>impossibile decodificare l’immagine</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <translation>codifica JPEG non riuscita</translation>
    </message>
    <message>
        <source>JPEG output too large</source>
        <translation>output JPEG troppo grande</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>errore interno</translation>
    </message>
    <message>
        <source>the decoder stopped on this file</source>
        <translation>il decodificatore si è fermato su questo file</translation>
    </message>
    <message>
        <source>decoding took too long</source>
        <translation>la decodifica ha richiesto troppo tempo</translation>
    </message>
    <message>
        <source>the file holds no such image</source>
        <translation>il file non contiene questa immagine</translation>
    </message>
    <message>
        <source>the decoder returned no image</source>
        <translation>il decodificatore non ha restituito alcuna immagine</translation>
    </message>
    <message>
        <source>%1 (decoder error %2)</source>
        <translation>%1 (errore del decodificatore %2)</translation>
    </message>
    <message>
        <source>decoder error %1</source>
        <translation>errore del decodificatore %1</translation>
    </message>
</context>
<context>
    <name>HomeTile</name>
    <message>
        <source>Single Photo</source>
        <translation>Foto singola</translation>
    </message>
    <message>
        <source>Preview one photo, check its details and convert it.</source>
        <translation>Visualizza una foto, controllane i dettagli e convertila.</translation>
    </message>
    <message>
        <source>Batch Convert</source>
        <translation>Conversione in blocco</translation>
    </message>
    <message>
        <source>Gather many photos and convert them all at once.</source>
        <translation>Raccogli molte foto e convertile tutte in una volta.</translation>
    </message>
</context>
<context>
    <name>JpegWriter</name>
    <message>
        <source>no image to write</source>
        <translation>nessuna immagine da scrivere</translation>
    </message>
    <message>
        <source>the JPEG encoder failed</source>
        <translation>il codificatore JPEG non è riuscito</translation>
    </message>
</context>
<context>
    <name>OutputLocation</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la cartella %1 non esiste</translation>
    </message>
    <message>
        <source>cannot use the folder %1: %2</source>
        <translation>impossibile usare la cartella %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 is a symbolic link; only a real folder is used for the JPEGs</source>
        <translation>la cartella %1 è un collegamento simbolico; per i JPEG si usa solo una cartella reale</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>la cartella %1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>the folder name %1 is not allowed</source>
        <translation>il nome di cartella %1 non è consentito</translation>
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
        <translation>Data di creazione:</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Dimensione file:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Risoluzione:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Photo Info</source>
        <translation>Info foto</translation>
    </message>
</context>
<context>
    <name>PreviewHEIC</name>
    <message>
        <source>Photo Info</source>
        <translation>Info foto</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Converti in:</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>Salva in:</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>The photo as it will be converted</source>
        <translation>La foto così come verrà convertita</translation>
    </message>
    <message>
        <source>Name, date, size and resolution of the photo</source>
        <translation>Nome, data, dimensione e risoluzione della foto</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>Qualità della foto</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>Qualità JPEG in percentuale</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG file</source>
        <translation>Scegli la cartella in cui salvare il file JPEG</translation>
    </message>
    <message>
        <source>Convert this photo to JPEG</source>
        <translation>Converti questa foto in JPEG</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Caricamento…</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Conversione…</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Unknown (not decoded)</source>
        <translation>Sconosciuta (non decodificata)</translation>
    </message>
    <message>
        <source>the photo could not be decoded</source>
        <translation>impossibile decodificare la foto</translation>
    </message>
    <message>
        <source>This photo cannot be shown or converted.

Reason: %1</source>
        <translation>Questa foto non può essere mostrata né convertita.

Motivo: %1</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>impossibile creare la cartella</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>%1 could not be saved.
Folder: %2
Reason: %3</source>
        <translation>Impossibile salvare %1.
Cartella: %2
Motivo: %3</translation>
    </message>
    <message>
        <source>%1 could not be converted.
Folder: %2
Reason: %3</source>
        <translation>Impossibile convertire %1.
Cartella: %2
Motivo: %3</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>Se il JPEG esiste già:</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Mantieni entrambi</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Scegli immagine</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>%1 is already there, so the photo was not converted.
Folder: %2</source>
        <translation>%1 esiste già, quindi la foto non è stata convertita.
Cartella: %2</translation>
    </message>
</context>
<context>
    <name>SingalConverterHome</name>
    <message>
        <source>Select A File</source>
        <translation>Seleziona un file</translation>
    </message>
    <message>
        <source>Or you can directly drop a HEIC file here.</source>
        <translation>Oppure trascina qui un file HEIC.</translation>
    </message>
    <message>
        <source>Choose a HEIC photo to convert</source>
        <translation>Scegli una foto HEIC da convertire</translation>
    </message>
    <message>
        <source>Choose the HEIC photos to convert</source>
        <translation>Scegli le foto HEIC da convertire</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Scegli immagine</translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>Scegli immagini</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>Nessuna foto HEIC tra gli elementi trascinati.</translation>
    </message>
</context>
<context>
    <name>SingleConverting</name>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting Photo</source>
        <translation>Conversione della foto</translation>
    </message>
    <message>
        <source>The HEIC file has been successfully converted!</source>
        <translation>Il file HEIC è stato convertito correttamente!</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Avanzamento della conversione</translation>
    </message>
    <message>
        <source>Saved as: %1</source>
        <translation>Salvato come: %1</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Are you sure to cancel the file conversion?</source>
        <translation>Vuoi davvero annullare la conversione?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Conversion Cancelled!</source>
        <translation>Conversione annullata!</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Are you sure to trash all the files here?</source>
        <translation>Vuoi davvero rimuovere tutti i file dall’elenco?</translation>
    </message>
    <message>
        <source>Are you sure to quit the program?</source>
        <translation>Vuoi davvero uscire dal programma?</translation>
    </message>
    <message>
        <source>Leave the batch?</source>
        <translation>Uscire dalla conversione in blocco?</translation>
    </message>
    <message>
        <source>The photo in the list will be removed from it; the file stays on disk.</source>
        <translation>La foto verrà rimossa dall&apos;elenco; il file resta sul disco.</translation>
    </message>
    <message>
        <source>The %1 photos in the list will be removed from it; the files stay on disk.</source>
        <translation>Le %1 foto verranno rimosse dall&apos;elenco; i file restano sul disco.</translation>
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
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Help, links, About and Exit</source>
        <translation>Guida, link, Informazioni ed Esci</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Quits Vantrope after asking</source>
        <translation>Chiude Vantrope dopo la conferma</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Back to the start page</source>
        <translation>Torna alla pagina iniziale</translation>
    </message>
    <message>
        <source>Convert a single photo</source>
        <translation>Converti una singola foto</translation>
    </message>
    <message>
        <source>Preview one HEIC photo and convert it to JPEG</source>
        <translation>Visualizza una foto HEIC e convertila in JPEG</translation>
    </message>
    <message>
        <source>Convert photos in batch</source>
        <translation>Converti foto in blocco</translation>
    </message>
    <message>
        <source>Collect many HEIC photos in a list and convert them to JPEG at once</source>
        <translation>Raccogli molte foto HEIC in un elenco e convertile in JPEG in una volta</translation>
    </message>
    <message>
        <source>Conver Single Photo</source>
        <translation>Converti una singola foto</translation>
    </message>
    <message>
        <source>Convert Photos in Batch</source>
        <translation>Converti foto in blocco</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Seleziona file</translation>
    </message>
    <message>
        <source>Or you can directly drop the HEIC files here.</source>
        <translation>Oppure trascina qui i file HEIC.</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Domande frequenti</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Scrivi una recensione</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Contattaci</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Visita la pagina Facebook</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Seguici su Twitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>ZoAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>ZoMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ZoStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Chiude questa finestra</translation>
    </message>
</context>
</TS>
