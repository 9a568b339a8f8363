<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Quorvix Vantrope</source>
        <translation>Quorvix Vantrope</translation>
    </message>
    <message>
        <source>Let you convert Apple&apos;s new iOS 11 photos from HEIC to JPG quickly.</source>
        <translation>Convertit rapidement les photos HEIC d’iOS 11 d’Apple en JPG.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>Quorvix Software</source>
        <translation>Quorvix Software</translation>
    </message>
    <message>
        <source>Engineer:</source>
        <translation>Développement :</translation>
    </message>
    <message>
        <source>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</source>
        <translation>Mira Castell, Jonas Whitfield, Anouk Verbeek, Tomasz Lind, Farah Okafor</translation>
    </message>
    <message>
        <source>UI Designer:</source>
        <translation>Interface :</translation>
    </message>
    <message>
        <source>Elise Marchetti</source>
        <translation>Elise Marchetti</translation>
    </message>
    <message>
        <source>Editor:</source>
        <translation>Rédaction :</translation>
    </message>
    <message>
        <source>Owen Prescott</source>
        <translation>Owen Prescott</translation>
    </message>
    <message>
        <source>Project Manager:</source>
        <translation>Chef de projet :</translation>
    </message>
    <message>
        <source>Hana Kurosawa</source>
        <translation>Hana Kurosawa</translation>
    </message>
    <message>
        <source>Product Manager:</source>
        <translation>Chef de produit :</translation>
    </message>
    <message>
        <source>Rafael Duarte</source>
        <translation>Rafael Duarte</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Quorvix Software. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>BatchConvertProgress</name>
    <message>
        <source>Converting </source>
        <translation>Conversion : </translation>
    </message>
    <message>
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting Photos</source>
        <translation>Conversion des photos</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progression de la conversion</translation>
    </message>
    <message>
        <source>1 file could not be converted.</source>
        <translation>1 fichier n’a pas pu être converti.</translation>
    </message>
    <message>
        <source> files could not be converted.</source>
        <translation> fichiers n’ont pas pu être convertis.</translation>
    </message>
    <message>
        <source>Cancelling: finishing the photos in hand...</source>
        <translation>Annulation : fin des photos en cours...</translation>
    </message>
    <message>
        <source>Saved in: %1</source>
        <translation>Enregistré dans : %1</translation>
    </message>
    <message>
        <source>1 file was skipped: a JPEG of that name exists.</source>
        <translation>1 fichier ignoré : un JPEG de ce nom existe.</translation>
    </message>
    <message>
        <source>%1 files were skipped: a JPEG of that name exists.</source>
        <translation>%1 fichiers ignorés : un JPEG de ce nom existe.</translation>
    </message>
    <message>
        <source>1 file has been successfully converted!</source>
        <translation>1 fichier a été converti avec succès !</translation>
    </message>
    <message>
        <source>1 file has been successfully converted.</source>
        <translation>1 fichier a été converti avec succès.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted!</source>
        <translation>
            <numerusform>%n fichier a été converti avec succès !</numerusform>
            <numerusform>%n fichiers ont été convertis avec succès !</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files have been successfully converted.</source>
        <translation>
            <numerusform>%n fichier a été converti avec succès.</numerusform>
            <numerusform>%n fichiers ont été convertis avec succès.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>a file of that name is already there</source>
        <translation>un fichier de ce nom existe déjà</translation>
    </message>
</context>
<context>
    <name>ConvertJob</name>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>impossible d’ouvrir le fichier : %1</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>impossible de lire le fichier : %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file is too large (%1 bytes; at most %2 are accepted)</source>
        <translation>le fichier est trop volumineux (%1 octets ; %2 au maximum sont acceptés)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>no decoder (the decoder library was not found)</source>
        <translation>aucun décodeur (la bibliothèque de décodage est introuvable)</translation>
    </message>
    <message>
        <source>the decoder library cannot convert single images of a file</source>
        <translation>la bibliothèque de décodage ne sait pas convertir séparément les images d’un fichier</translation>
    </message>
    <message>
        <source>the decoder asked for more room twice</source>
        <translation>le décodeur a demandé plus de place à deux reprises</translation>
    </message>
    <message>
        <source>the decoder&apos;s output is not an image</source>
        <translation>la sortie du décodeur n’est pas une image</translation>
    </message>
</context>
<context>
    <name>ConvertQueue</name>
    <message>
        <source>cannot use the folder %1</source>
        <translation>impossible d’utiliser le dossier %1</translation>
    </message>
</context>
<context>
    <name>ConvertThread</name>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n’existe pas</translation>
    </message>
    <message>
        <source>image %1</source>
        <translation>image %1</translation>
    </message>
    <message>
        <source>%1 not converted: %2</source>
        <translation>%1 non convertie : %2</translation>
    </message>
    <message>
        <source>%1 not converted: cannot write %2: %3</source>
        <translation>%1 non convertie : impossible d’écrire %2 : %3</translation>
    </message>
    <message>
        <source>nothing decoded</source>
        <translation>rien n’a été décodé</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>gain map left out: %1</source>
        <translation>carte de gain omise : %1</translation>
    </message>
</context>
<context>
    <name>ConvertsionSet</name>
    <message>
        <source>Convert to:</source>
        <translation>Convertir en :</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>Enregistrer dans :</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Paramètres de conversion</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>Qualité de la photo</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>Qualité JPEG en pourcentage</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG files</source>
        <translation>Choisir le dossier qui recevra les fichiers JPEG</translation>
    </message>
    <message>
        <source>Start converting the ticked photos</source>
        <translation>Lancer la conversion des photos cochées</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Convert every image in a photo</source>
        <translation>Convertir chaque image d&apos;une photo</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>Si le JPEG existe déjà :</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>HeicFileTable</name>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add photos or a folder to the list</source>
        <translation>Ajouter des photos ou un dossier à la liste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the ticked photos from the list</source>
        <translation>Retirer les photos cochées de la liste</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Remove every photo from the list</source>
        <translation>Retirer toutes les photos de la liste</translation>
    </message>
    <message>
        <source>Convert the ticked photos to JPEG</source>
        <translation>Convertir les photos cochées en JPEG</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>The photos to convert; tick the ones to convert</source>
        <translation>Les photos à convertir ; cochez celles à convertir</translation>
    </message>
    <message>
        <source>Select all photos</source>
        <translation>Sélectionner toutes les photos</translation>
    </message>
    <message>
        <source>Ticks or clears every photo in the list</source>
        <translation>Coche ou décoche toutes les photos de la liste</translation>
    </message>
    <message>
        <source>Add Photos...</source>
        <translation>Ajouter des photos...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ajouter un dossier...</translation>
    </message>
    <message>
        <source>Tick to convert this photo</source>
        <translation>Cocher pour convertir cette photo</translation>
    </message>
    <message>
        <source> File(s), </source>
        <translation> fichier(s), </translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>Choisir des images</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>None of the chosen files is a HEIC photo.</source>
        <translation>Aucun des fichiers choisis n’est une photo HEIC.</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>No HEIC photos were found in %1.</source>
        <translation>Aucune photo HEIC n’a été trouvée dans %1.</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>Aucune photo HEIC parmi les éléments déposés.</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>%1: not converted: %2</source>
        <translation>%1 : non converti : %2</translation>
    </message>
    <message>
        <source>%1: skipped: %2 is already there</source>
        <translation>%1 : ignoré : %2 existe déjà</translation>
    </message>
</context>
<context>
    <name>Heif2jpg</name>
    <message>
        <source>invalid argument</source>
        <translation>argument non valide</translation>
    </message>
    <message>
        <source>empty input</source>
        <translation>entrée vide</translation>
    </message>
    <message>
        <source>not a HEIF or JPEG file</source>
        <translation>ce n’est pas un fichier HEIF ni JPEG</translation>
    </message>
    <message>
        <source>file is truncated</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>file is corrupt</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message>
        <source>unsupported codec or feature</source>
        <translation>codec ou fonctionnalité non pris en charge</translation>
    </message>
    <message>
        <source>image too large</source>
        <translation>image trop grande</translation>
    </message>
    <message>
        <source>image could not be decoded</source>
        <translation>l’image n’a pas pu être décodée</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>JPEG encoding failed</source>
        <translation>l’encodage JPEG a échoué</translation>
    </message>
    <message>
        <source>JPEG output too large</source>
        <translation>le JPEG produit serait trop volumineux</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>erreur interne</translation>
    </message>
    <message>
        <source>the decoder stopped on this file</source>
        <translation>le décodeur s’est arrêté sur ce fichier</translation>
    </message>
    <message>
        <source>decoding took too long</source>
        <translation>le décodage a pris trop de temps</translation>
    </message>
    <message>
        <source>the file holds no such image</source>
        <translation>le fichier ne contient pas cette image</translation>
    </message>
    <message>
        <source>the decoder returned no image</source>
        <translation>le décodeur n’a renvoyé aucune image</translation>
    </message>
    <message>
        <source>%1 (decoder error %2)</source>
        <translation>%1 (erreur du décodeur %2)</translation>
    </message>
    <message>
        <source>decoder error %1</source>
        <translation>erreur du décodeur %1</translation>
    </message>
</context>
<context>
    <name>HomeTile</name>
    <message>
        <source>Single Photo</source>
        <translation>Photo unique</translation>
    </message>
    <message>
        <source>Preview one photo, check its details and convert it.</source>
        <translation>Afficher une photo, consulter ses détails et la convertir.</translation>
    </message>
    <message>
        <source>Batch Convert</source>
        <translation>Conversion par lot</translation>
    </message>
    <message>
        <source>Gather many photos and convert them all at once.</source>
        <translation>Rassembler plusieurs photos et les convertir toutes en une fois.</translation>
    </message>
</context>
<context>
    <name>JpegWriter</name>
    <message>
        <source>no image to write</source>
        <translation>aucune image à écrire</translation>
    </message>
    <message>
        <source>the JPEG encoder failed</source>
        <translation>l’encodeur JPEG a échoué</translation>
    </message>
</context>
<context>
    <name>OutputLocation</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n’existe pas</translation>
    </message>
    <message>
        <source>cannot use the folder %1: %2</source>
        <translation>impossible d’utiliser le dossier %1 : %2</translation>
    </message>
    <message>
        <source>the folder %1 is a symbolic link; only a real folder is used for the JPEGs</source>
        <translation>le dossier %1 est un lien symbolique ; seul un vrai dossier est utilisé pour les JPEG</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>le dossier %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>the folder name %1 is not allowed</source>
        <translation>le nom de dossier %1 n’est pas autorisé</translation>
    </message>
</context>
<context>
    <name>PhotoInfo</name>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Created Date:</source>
        <translation>Date de création :</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Taille du fichier :</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Photo Info</source>
        <translation>Infos photo</translation>
    </message>
</context>
<context>
    <name>PreviewHEIC</name>
    <message>
        <source>Photo Info</source>
        <translation>Infos photo</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Convertir en :</translation>
    </message>
    <message>
        <source>JPG/JEPG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Save Converted Files:</source>
        <translation>Enregistrer dans :</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>The photo as it will be converted</source>
        <translation>La photo telle qu’elle sera convertie</translation>
    </message>
    <message>
        <source>Name, date, size and resolution of the photo</source>
        <translation>Nom, date, taille et résolution de la photo</translation>
    </message>
    <message>
        <source>Photo quality</source>
        <translation>Qualité de la photo</translation>
    </message>
    <message>
        <source>JPEG quality in percent</source>
        <translation>Qualité JPEG en pourcentage</translation>
    </message>
    <message>
        <source>Choose the folder that receives the JPEG file</source>
        <translation>Choisir le dossier qui recevra le fichier JPEG</translation>
    </message>
    <message>
        <source>Convert this photo to JPEG</source>
        <translation>Convertir cette photo en JPEG</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Converting…</source>
        <translation>Conversion…</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Unknown (not decoded)</source>
        <translation>Inconnue (non décodée)</translation>
    </message>
    <message>
        <source>the photo could not be decoded</source>
        <translation>la photo n’a pas pu être décodée</translation>
    </message>
    <message>
        <source>This photo cannot be shown or converted.

Reason: %1</source>
        <translation>Cette photo ne peut être ni affichée ni convertie.

Raison : %1</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>le dossier n’a pas pu être créé</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>%1 could not be saved.
Folder: %2
Reason: %3</source>
        <translation>%1 n’a pas pu être enregistré.
Dossier : %2
Raison : %3</translation>
    </message>
    <message>
        <source>%1 could not be converted.
Folder: %2
Reason: %3</source>
        <translation>%1 n’a pas pu être converti.
Dossier : %2
Raison : %3</translation>
    </message>
    <message>
        <source>If a JPEG of that name exists:</source>
        <translation>Si le JPEG existe déjà :</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>%1 is already there, so the photo was not converted.
Folder: %2</source>
        <translation>%1 existe déjà, la photo n&apos;a donc pas été convertie.
Dossier : %2</translation>
    </message>
</context>
<context>
    <name>SingalConverterHome</name>
    <message>
        <source>Select A File</source>
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <source>Or you can directly drop a HEIC file here.</source>
        <translation>Vous pouvez aussi déposer un fichier HEIC ici.</translation>
    </message>
    <message>
        <source>Choose a HEIC photo to convert</source>
        <translation>Choisir une photo HEIC à convertir</translation>
    </message>
    <message>
        <source>Choose the HEIC photos to convert</source>
        <translation>Choisir les photos HEIC à convertir</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>Choose Image</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Choose Images</source>
        <translation>Choisir des images</translation>
    </message>
    <message>
        <source>No HEIC photos were found in what you dropped.</source>
        <translation>Aucune photo HEIC parmi les éléments déposés.</translation>
    </message>
</context>
<context>
    <name>SingleConverting</name>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Converting Photo</source>
        <translation>Conversion de la photo</translation>
    </message>
    <message>
        <source>The HEIC file has been successfully converted!</source>
        <translation>Le fichier HEIC a été converti avec succès !</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progression de la conversion</translation>
    </message>
    <message>
        <source>Saved as: %1</source>
        <translation>Enregistré sous : %1</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Are you sure to cancel the file conversion?</source>
        <translation>Voulez-vous vraiment annuler la conversion ?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Conversion Cancelled!</source>
        <translation>Conversion annulée !</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Are you sure to trash all the files here?</source>
        <translation>Voulez-vous vraiment retirer tous les fichiers de la liste ?</translation>
    </message>
    <message>
        <source>Are you sure to quit the program?</source>
        <translation>Voulez-vous vraiment quitter le programme ?</translation>
    </message>
    <message>
        <source>Leave the batch?</source>
        <translation>Quitter la conversion par lot ?</translation>
    </message>
    <message>
        <source>The photo in the list will be removed from it; the file stays on disk.</source>
        <translation>La photo sera retirée de la liste ; le fichier reste sur le disque.</translation>
    </message>
    <message>
        <source>The %1 photos in the list will be removed from it; the files stay on disk.</source>
        <translation>Les %1 photos seront retirées de la liste ; les fichiers restent sur le disque.</translation>
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
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Help, links, About and Exit</source>
        <translation>Aide, liens, À propos et Quitter</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Quits Vantrope after asking</source>
        <translation>Quitte Vantrope après confirmation</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Back to the start page</source>
        <translation>Retour à l’accueil</translation>
    </message>
    <message>
        <source>Convert a single photo</source>
        <translation>Convertir une seule photo</translation>
    </message>
    <message>
        <source>Preview one HEIC photo and convert it to JPEG</source>
        <translation>Afficher une photo HEIC et la convertir en JPEG</translation>
    </message>
    <message>
        <source>Convert photos in batch</source>
        <translation>Convertir des photos par lot</translation>
    </message>
    <message>
        <source>Collect many HEIC photos in a list and convert them to JPEG at once</source>
        <translation>Rassembler plusieurs photos HEIC dans une liste et les convertir en JPEG en une fois</translation>
    </message>
    <message>
        <source>Conver Single Photo</source>
        <translation>Convertir une seule photo</translation>
    </message>
    <message>
        <source>Convert Photos in Batch</source>
        <translation>Convertir des photos par lot</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Sélectionner des fichiers</translation>
    </message>
    <message>
        <source>Or you can directly drop the HEIC files here.</source>
        <translation>Vous pouvez aussi déposer les fichiers HEIC ici.</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutoriel</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Foire aux questions</translation>
    </message>
    <message>
        <source>Write a Product Review</source>
        <translation>Donner votre avis</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <source>View Facebook Fan Page</source>
        <translation>Voir notre page Facebook</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Suivez-nous sur Twitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>ZoAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>ZoMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ZoStyleWidgetTitle</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Ferme cette fenêtre</translation>
    </message>
</context>
</TS>
