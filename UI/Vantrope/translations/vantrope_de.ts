<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Quorvix Vantrope</source>
        <translation>Quorvix Vantrope</translation>
    </message>
    <message>
        <source>Let you convert Apple&apos;s new iOS 11 photos from HEIC to JPG quickly.</source>
        <translation>Konvertiert die Fotos von Apples iOS 11 schnell von HEIC in JPG.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Quorvix Software</source>
        <translation>Quorvix Software</translation>
    </message>
    <message>
        <source>Engineer:</source>
        <translation>Entwicklung:</translation>
    </message>
    <message>
        <source>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</source>
        <translation>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</translation>
    </message>
    <message>
        <source>UI Designer:</source>
        <translation>UI-Design:</translation>
    </message>
    <message>
        <source>Elise Marchetti</source>
        <translation>Elise Marchetti</translation>
    </message>
    <message>
        <source>Editor:</source>
        <translation>Redaktion:</translation>
    </message>
    <message>
        <source>Owen Prescott</source>
        <translation>Owen Prescott</translation>
    </message>
    <message>
        <source>Project Manager:</source>
        <translation>Projektleitung:</translation>
    </message>
    <message>
        <source>Hana Kurosawa</source>
        <translation>Hana Kurosawa</translation>
    </message>
    <message>
        <source>Product Manager:</source>
        <translation>Produktleitung:</translation>
    </message>
    <message>
        <source>Rafael Duarte</source>
        <translation>Rafael Duarte</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Quorvix Software. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>BatchConvertProgress</name>
    <message>
        <source>Converting </source>
        <translation>Konvertierung: </translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting Photos</source>
        <translation>Fotos werden konvertiert</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Fortschritt der Konvertierung</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 Datei konnte nicht konvertiert werden.</translation>
    </message>
    <message>
        <source> files could not be converted.</source>
        <translation> Dateien konnten nicht konvertiert werden.</translation>
    </message>
    <message>
        <source>Cancelling: finishing the photos in hand...</source>
        <translation>Wird abgebrochen: Die begonnenen Fotos werden fertiggestellt...</translation>
    </message>
    <message>
        <source>Saved in: %1</source>
        <translation>Gespeichert in: %1</translation>
    </message>
    <message>
        <source>1 file was skipped: a JPEG of that name exists.</source>
        <translation>1 Datei übersprungen: JPEG-Name schon vergeben.</translation>
    </message>
    <message>
        <source>%1 files were skipped: a JPEG of that name exists.</source>
        <translation>%1 Dateien übersprungen: JPEG-Name schon vergeben.</translation>
    </message>
    <message>
        <source>1 file has been successfully converted!</source>
        <translation>1 Datei wurde erfolgreich konvertiert!</translation>
    </message>
    <message>
        <source>1 file has been successfully converted.</source>
        <translation>1 Datei wurde erfolgreich konvertiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted!</source>
        <translation>
            <numerusform>%n Datei wurde erfolgreich konvertiert!</numerusform>
            <numerusform>%n Dateien wurden erfolgreich konvertiert!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted.</source>
        <translation>
            <numerusform>%n Datei wurde erfolgreich konvertiert.</numerusform>
            <numerusform>%n Dateien wurden erfolgreich konvertiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>a file of that name is already there</source>
        <translation>eine Datei dieses Namens ist schon vorhanden</translation>
    </message>
</context>
<context>
    <name>ConvertJob</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>die Datei lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>die Datei lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes; at most %2 are accepted)</source>
        <translation>die Datei ist zu groß (%1 Byte; höchstens %2 werden angenommen)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>no decoder (the decoder library was not found)</source>
        <translation>kein Decoder (die Decoder-Bibliothek wurde nicht gefunden)</translation>
    </message>
    <message>
        <source>the decoder library cannot convert single images of a file</source>
        <translation>die Decoder-Bibliothek kann keine einzelnen Bilder einer Datei konvertieren</translation>
    </message>
    <message>
        <source>the decoder asked for more room twice</source>
        <translation>der Decoder hat zweimal nacheinander mehr Platz verlangt</translation>
    </message>
    <message>
        <source>the decoder&apos;s output is not an image</source>
        <translation>die Ausgabe des Decoders ist kein Bild</translation>
    </message>
</context>
<context>
    <name>ConvertQueue</name>
    <message>
        <source>cannot use the folder %1</source>
        <translation>der Ordner %1 kann nicht verwendet werden</translation>
    </message>
</context>
<context>
    <name>ConvertThread</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>image %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>%1 not converted: %2</source>
        <translation>%1 nicht konvertiert: %2</translation>
    </message>
    <message>
        <source>%1 not converted: cannot write %2: %3</source>
        <translation>%1 nicht konvertiert: %2 kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>nothing decoded</source>
        <translation>nichts decodiert</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>gain map left out: %1</source>
        <translation>Gain-Map weggelassen: %1</translation>
    </message>
</context>
<context>
    <name>ConvertsionSet</name>
    <message>
        <source>Convert to:</source>
        <translation>Konvertieren in:</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Fotoqualität:</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>Speichern in:</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Konvertierungseinstellungen</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>Fotoqualität</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>JPEG-Qualität in Prozent</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG files</source>
        <translation>Den Ordner für die JPEG-Dateien wählen</translation>
    </message>
    <message>
        <source>Start converting the ticked photos</source>
        <translation>Die markierten Fotos konvertieren</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>Speicherort wählen</translation>
    </message>
    <message>
        <source>Convert every image in a photo</source>
        <translation>Jedes Bild eines Fotos konvertieren</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>Wenn das JPEG schon existiert:</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
</context>
<context>
    <name>HeicFileTable</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add photos or a folder to the list</source>
        <translation>Fotos oder einen Ordner zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Remove the ticked photos from the list</source>
        <translation>Die markierten Fotos aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>Alle Fotos aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Convert the ticked photos to JPEG</source>
        <translation>Die markierten Fotos in JPEG konvertieren</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>The photos to convert; tick the ones to convert</source>
        <translation>Die Fotos zum Konvertieren; markieren Sie die gewünschten</translation>
    </message>
    <message>
        <source>Select all photos</source>
        <translation>Alle Fotos auswählen</translation>
    </message>
    <message>
        <source>Ticks or clears every photo in the list</source>
        <translation>Markiert alle Fotos der Liste oder hebt die Markierung auf</translation>
    </message>
    <message>
        <source>Add Photos...</source>
        <translation>Fotos hinzufügen...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Tick to convert this photo</source>
        <translation>Markieren, um dieses Foto zu konvertieren</translation>
    </message>
    <message>
        <source> File(s), </source>
        <translation> Datei(en), </translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>Bilder auswählen</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>None of the chosen files is a HEIC photo.</source>
        <translation>Keine der gewählten Dateien ist ein HEIC-Foto.</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>No HEIC photos were found in %1.</source>
        <translation>In %1 wurden keine HEIC-Fotos gefunden.</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>Unter den abgelegten Dateien ist kein HEIC-Foto.</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>%1: not converted: %2</source>
        <translation>%1: nicht konvertiert: %2</translation>
    </message>
    <message>
        <source>%1: skipped: %2 is already there</source>
        <translation>%1: übersprungen: %2 ist schon vorhanden</translation>
    </message>
</context>
<context>
    <name>Heif2jpg</name>
    <message>
        <source>invalid argument</source>
        <translation>ungültiges Argument</translation>
    </message>
    <message>
        <source>empty input</source>
        <translation>leere Eingabe</translation>
    </message>
    <message>
        <source>not a HEIF or JPEG file</source>
        <translation>keine HEIF- oder JPEG-Datei</translation>
    </message>
    <message>
        <source>file is truncated</source>
        <translation>die Datei ist unvollständig</translation>
    </message>
    <message>
        <source>file is corrupt</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>unsupported codec or feature</source>
        <translation>Codec oder Funktion nicht unterstützt</translation>
    </message>
    <message>
        <source>image too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>image could not be decoded</source>
        <translation>das Bild konnte nicht decodiert werden</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <translation>die JPEG-Kodierung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>JPEG output too large</source>
        <translation>die JPEG-Ausgabe ist zu groß</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>interner Fehler</translation>
    </message>
    <message>
        <source>the decoder stopped on this file</source>
        <translation>der Decoder ist bei dieser Datei abgebrochen</translation>
    </message>
    <message>
        <source>decoding took too long</source>
        <translation>das Decodieren hat zu lange gedauert</translation>
    </message>
    <message>
        <source>the file holds no such image</source>
        <translation>die Datei enthält kein solches Bild</translation>
    </message>
    <message>
        <source>the decoder returned no image</source>
        <translation>der Decoder hat kein Bild geliefert</translation>
    </message>
    <message>
        <source>%1 (decoder error %2)</source>
        <translation>%1 (Decoderfehler %2)</translation>
    </message>
    <message>
        <source>decoder error %1</source>
        <translation>Decoderfehler %1</translation>
    </message>
</context>
<context>
    <name>HomeTile</name>
    <message>
        <source>Single Photo</source>
        <translation>Einzelnes Foto</translation>
    </message>
    <message>
        <source>Preview one photo, check its details and convert it.</source>
        <translation>Ein Foto ansehen, seine Details prüfen und es konvertieren.</translation>
    </message>
    <message>
        <source>Batch Convert</source>
        <translation>Stapelkonvertierung</translation>
    </message>
    <message>
        <source>Gather many photos and convert them all at once.</source>
        <translation>Viele Fotos sammeln und alle auf einmal konvertieren.</translation>
    </message>
</context>
<context>
    <name>JpegWriter</name>
    <message>
        <source>no image to write</source>
        <translation>kein Bild zum Schreiben</translation>
    </message>
    <message>
        <source>the JPEG encoder failed</source>
        <translation>der JPEG-Encoder ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>OutputLocation</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>cannot use the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the folder %1 is a symbolic link; only a real folder is used for the JPEGs</source>
        <translation>der Ordner %1 ist ein symbolischer Link; für die JPEGs wird nur ein echter Ordner verwendet</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>der Ordner %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the folder name %1 is not allowed</source>
        <translation>der Ordnername %1 ist nicht erlaubt</translation>
    </message>
</context>
<context>
    <name>PhotoInfo</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Created Date:</source>
        <translation>Erstellt am:</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Dateigröße:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Photo Info</source>
        <translation>Fotoinfo</translation>
    </message>
</context>
<context>
    <name>PreviewHEIC</name>
    <message>
        <source>Photo Info</source>
        <translation>Fotoinfo</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Konvertieren in:</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Fotoqualität:</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>Speichern in:</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The photo as it will be converted</source>
        <translation>Das Foto, wie es konvertiert wird</translation>
    </message>
    <message>
        <source>Name, date, size and resolution of the photo</source>
        <translation>Name, Datum, Größe und Auflösung des Fotos</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>Fotoqualität</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>JPEG-Qualität in Prozent</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG file</source>
        <translation>Den Ordner für die JPEG-Datei wählen</translation>
    </message>
    <message>
        <source>Convert this photo to JPEG</source>
        <translation>Dieses Foto in JPEG konvertieren</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Wird konvertiert…</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>Speicherort wählen</translation>
    </message>
    <message>
        <source>Unknown (not decoded)</source>
        <translation>Unbekannt (nicht dekodiert)</translation>
    </message>
    <message>
        <source>the photo could not be decoded</source>
        <translation>das Foto konnte nicht dekodiert werden</translation>
    </message>
    <message>
        <source>This photo cannot be shown or converted.

Reason: %1</source>
        <translation>Dieses Foto kann weder angezeigt noch konvertiert werden.

Grund: %1</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 could not be saved.
Folder: %2
Reason: %3</source>
        <translation>%1 konnte nicht gespeichert werden.
Ordner: %2
Grund: %3</translation>
    </message>
    <message>
        <source>%1 could not be converted.
Folder: %2
Reason: %3</source>
        <translation>%1 konnte nicht konvertiert werden.
Ordner: %2
Grund: %3</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>Wenn das JPEG schon existiert:</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>%1 is already there, so the photo was not converted.
Folder: %2</source>
        <translation>%1 ist schon vorhanden, daher wurde das Foto nicht konvertiert.
Ordner: %2</translation>
    </message>
</context>
<context>
    <name>SingalConverterHome</name>
    <message>
        <source>Select A File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Or you can directly drop a HEIC file here.</source>
        <translation>Oder ziehen Sie eine HEIC-Datei einfach hierher.</translation>
    </message>
    <message>
        <source>Choose a HEIC photo to convert</source>
        <translation>Ein HEIC-Foto zum Konvertieren auswählen</translation>
    </message>
    <message>
        <source>Choose the HEIC photos to convert</source>
        <translation>Die HEIC-Fotos zum Konvertieren auswählen</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>Bilder auswählen</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>Unter den abgelegten Dateien ist kein HEIC-Foto.</translation>
    </message>
</context>
<context>
    <name>SingleConverting</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting Photo</source>
        <translation>Foto wird konvertiert</translation>
    </message>
    <message>
        <source>The HEIC file has been successfully converted!</source>
        <translation>Die HEIC-Datei wurde erfolgreich konvertiert!</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Fortschritt der Konvertierung</translation>
    </message>
    <message>
        <source>Saved as: %1</source>
        <translation>Gespeichert als: %1</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Are you sure to cancel the file conversion?</source>
        <translation>Möchten Sie die Konvertierung wirklich abbrechen?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Conversion Cancelled!</source>
        <translation>Konvertierung abgebrochen!</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Are you sure to trash all the files here?</source>
        <translation>Möchten Sie wirklich alle Dateien aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>Are you sure to quit the program?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Leave the batch?</source>
        <translation>Stapelkonvertierung verlassen?</translation>
    </message>
    <message>
        <source>The photo in the list will be removed from it; the file stays on disk.</source>
        <translation>Das Foto wird aus der Liste entfernt; die Datei bleibt auf der Festplatte.</translation>
    </message>
    <message>
        <source>The %1 photos in the list will be removed from it; the files stay on disk.</source>
        <translation>Die %1 Fotos werden aus der Liste entfernt; die Dateien bleiben auf der Festplatte.</translation>
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
        <translation>Starten</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Help, links, About and Exit</source>
        <translation>Hilfe, Links, Über und Beenden</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Quits Vantrope after asking</source>
        <translation>Beendet Vantrope nach einer Rückfrage</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Back to the start page</source>
        <translation>Zurück zur Startseite</translation>
    </message>
    <message>
        <source>Convert a single photo</source>
        <translation>Ein einzelnes Foto konvertieren</translation>
    </message>
    <message>
        <source>Preview one HEIC photo and convert it to JPEG</source>
        <translation>Ein HEIC-Foto ansehen und in JPEG konvertieren</translation>
    </message>
    <message>
        <source>Convert photos in batch</source>
        <translation>Fotos stapelweise konvertieren</translation>
    </message>
    <message>
        <source>Collect many HEIC photos in a list and convert them to JPEG at once</source>
        <translation>Viele HEIC-Fotos in einer Liste sammeln und auf einmal in JPEG konvertieren</translation>
    </message>
    <message>
        <source>Conver Single Photo</source>
        <translation>Einzelnes Foto konvertieren</translation>
    </message>
    <message>
        <source>Convert Photos in Batch</source>
        <translation>Fotos stapelweise konvertieren</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Dateien auswählen</translation>
    </message>
    <message>
        <source>Or you can directly drop the HEIC files here.</source>
        <translation>Oder ziehen Sie die HEIC-Dateien einfach hierher.</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Häufig gestellte Fragen</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Produkt bewerten</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Facebook-Fanseite besuchen</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Folgen Sie uns auf Twitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>ZoAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>ZoMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ZoStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
</context>
</TS>
