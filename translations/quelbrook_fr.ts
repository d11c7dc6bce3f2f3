<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 version %2</translation>
    </message>
    <message>
        <source>Copyright (C) 2024 the %1 authors</source>
        <translation>Copyright (C) 2024 les auteurs de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The %1 project</source>
        <translation>Le projet %1</translation>
    </message>
</context>
<context>
    <name>CBatchEditorApp</name>
    <message>
        <source>Changes WAV file header information.

Qt&apos;s standard options are accepted too, such as -style NAME, -platform NAME, -reverse,
-stylesheet FILE and -qwindowgeometry WxH+X+Y.</source>
        <translation>Modifie les informations d’en-tête des fichiers WAV.

Les options standard de Qt sont aussi acceptées, comme -style NOM, -platform NOM, -reverse,
-stylesheet FICHIER et -qwindowgeometry LxH+X+Y.</translation>
    </message>
    <message>
        <source>paths</source>
        <translation>chemins</translation>
    </message>
    <message>
        <source>WAV files to list; folders give the WAV files in them and in their subfolders.</source>
        <translation>Fichiers WAV à lister&#xa0;; un dossier donne les fichiers WAV qu’il contient, sous-dossiers compris.</translation>
    </message>
    <message>
        <source>[FILE|FOLDER...]</source>
        <translation>[FICHIER|DOSSIER...]</translation>
    </message>
</context>
<context>
    <name>CBatchEditorDlg</name>
    <message>
        <source>[Press the Open button to select sound files]</source>
        <translation>[Choisissez des fichiers son avec «&#xa0;Ouvrir&#xa0;»]</translation>
    </message>
    <message>
        <source>Warning!  Changing the header info can affect the ability for an application to play the WAV file.

All files will be changed to the settings currently displayed (and selected for change)!

Note - the data will not be changed, just the header information.

				Continue?</source>
        <translation>Attention&#xa0;!  Modifier les informations d’en-tête peut empêcher une application de lire le fichier WAV.

Tous les fichiers recevront les réglages actuellement affichés (et cochés pour modification)&#xa0;!

Remarque&#xa0;: les données ne sont pas modifiées, seulement les informations d’en-tête.

				Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Select Sound Files</source>
        <translation>Choisir des fichiers son</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Clear all Change boxes</source>
        <translation>Décocher toutes les cases «&#xa0;Modifier&#xa0;»</translation>
    </message>
    <message>
        <source>Set all Change boxes</source>
        <translation>Cocher toutes les cases «&#xa0;Modifier&#xa0;»</translation>
    </message>
    <message>
        <source>Selected files</source>
        <translation>Fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source> Selected Files </source>
        <translation> Fichiers sélectionnés </translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>bit</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>%1 (header could not be read)</source>
        <translation>%1 (en-tête illisible)</translation>
    </message>
    <message>
        <source>1 file changed</source>
        <translation>1 fichier modifié</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files changed</source>
        <translation>
            <numerusform>%Ln fichier modifié</numerusform>
            <numerusform>%Ln fichiers modifiés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CBatchReportDlg</name>
    <message>
        <source>Change finished</source>
        <translation>Modification terminée</translation>
    </message>
    <message>
        <source>&amp;Files not changed:</source>
        <translation>Fichiers &amp;non modifiés&#xa0;:</translation>
    </message>
    <message>
        <source>Files not changed</source>
        <translation>Fichiers non modifiés</translation>
    </message>
    <message>
        <source>&amp;Keep only these files</source>
        <translation>&amp;Conserver uniquement ces fichiers</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files changed, %2 skipped, %3 failed.</source>
        <translation>
            <numerusform>Fichiers modifiés&#xa0;: %1 sur %Ln&#xa0;; ignorés&#xa0;: %2&#xa0;; en échec&#xa0;: %3.</numerusform>
            <numerusform>Fichiers modifiés&#xa0;: %1 sur %Ln&#xa0;; ignorés&#xa0;: %2&#xa0;; en échec&#xa0;: %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Change was cancelled: the files it had not reached were left as they were.</source>
        <translation>%1 La modification a été annulée&#xa0;: les fichiers qu’elle n’avait pas encore atteints sont restés tels quels.</translation>
    </message>
    <message>
        <source>Skipped: %1 - %2</source>
        <translation>Ignoré&#xa0;: %1 - %2</translation>
    </message>
    <message>
        <source>Failed: %1 - %2</source>
        <translation>Échec&#xa0;: %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Files not changed, and warnings:</source>
        <translation>Fichiers &amp;non modifiés et avertissements&#xa0;:</translation>
    </message>
    <message>
        <source>Changed, with a warning: </source>
        <translation>Modifié, avec un avertissement&#xa0;: </translation>
    </message>
</context>
<context>
    <name>CChangeBatch</name>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message numerus="yes">
        <source>Changing headers: %1 of %Ln files</source>
        <translation>
            <numerusform>Modification des en-têtes&#xa0;: %1 sur %Ln fichier</numerusform>
            <numerusform>Modification des en-têtes&#xa0;: %1 sur %Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Changing headers</source>
        <translation>Modification des en-têtes</translation>
    </message>
    <message>
        <source>Change progress</source>
        <translation>Progression de la modification</translation>
    </message>
    <message>
        <source>the header could not be rewritten</source>
        <translation>l’en-tête n’a pas pu être réécrit</translation>
    </message>
    <message>
        <source>not reached: Change was cancelled</source>
        <translation>non atteint&#xa0;: la modification a été annulée</translation>
    </message>
</context>
<context>
    <name>CFileListing</name>
    <message>
        <source>Listing 1 file</source>
        <translation>Mise en liste&#xa0;: 1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>Listing %Ln files</source>
        <translation>
            <numerusform>Mise en liste&#xa0;: %Ln fichier</numerusform>
            <numerusform>Mise en liste&#xa0;: %Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Listing files</source>
        <translation>Mise en liste des fichiers</translation>
    </message>
    <message>
        <source>Listing progress</source>
        <translation>Progression de la mise en liste</translation>
    </message>
</context>
<context>
    <name>CFormatRow</name>
    <message>
        <source>undefined</source>
        <translation>non défini</translation>
    </message>
</context>
<context>
    <name>CFormatSelectors</name>
    <message>
        <source>Change sample rate</source>
        <translation>Modifier la fréquence d’échantillonnage</translation>
    </message>
    <message>
        <source>Change number of channels</source>
        <translation>Modifier le nombre de canaux</translation>
    </message>
    <message>
        <source>Change resolution</source>
        <translation>Modifier la résolution</translation>
    </message>
    <message>
        <source>Change bytes per sample</source>
        <translation>Modifier les octets par échantillon</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Choose a rate, or type one from %1 to %2 Hz.</source>
        <translation>Choisissez une fréquence, ou saisissez-en une de %1 à %2 Hz.</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Fréquence&#xa0;:</translation>
    </message>
    <message>
        <source>No. Channels:</source>
        <translation>Canaux&#xa0;:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution&#xa0;:</translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation>Bits par échantillon&#xa0;:</translation>
    </message>
    <message>
        <source>The header of this file could not be read: it has no value to show.</source>
        <translation>L’en-tête de ce fichier n’a pas pu être lu&#xa0;: il n’y a aucune valeur à afficher.</translation>
    </message>
    <message>
        <source>This file&apos;s sample rate, %1 Hz, is not one of the choices. Type a rate, or untick its Change box to keep each file&apos;s own sample rate.</source>
        <translation>La fréquence de ce fichier, %1 Hz, ne fait pas partie des choix. Saisissez une fréquence, ou décochez la case «&#xa0;Modifier&#xa0;» de cette ligne pour que chaque fichier garde sa propre fréquence.</translation>
    </message>
    <message numerus="yes">
        <source>This file has %Ln channels, which is not one of the choices. Untick its Change box to keep each file&apos;s own number of channels.</source>
        <translation>
            <numerusform>Ce fichier a %Ln canal, ce qui ne fait pas partie des choix. Décochez la case «&#xa0;Modifier&#xa0;» de cette ligne pour que chaque fichier garde son propre nombre de canaux.</numerusform>
            <numerusform>Ce fichier a %Ln canaux, ce qui ne fait pas partie des choix. Décochez la case «&#xa0;Modifier&#xa0;» de cette ligne pour que chaque fichier garde son propre nombre de canaux.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s resolution, %1 bit, is not one of the choices. Untick its Change box to keep each file&apos;s own resolution.</source>
        <translation>La résolution de ce fichier, %1 bits, ne fait pas partie des choix. Décochez la case «&#xa0;Modifier&#xa0;» de cette ligne pour que chaque fichier garde sa propre résolution.</translation>
    </message>
    <message numerus="yes">
        <source>block alignment %1 for %Ln channels</source>
        <translation>
            <numerusform>alignement de bloc %1 pour %Ln canal</numerusform>
            <numerusform>alignement de bloc %1 pour %Ln canaux</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s bytes per sample, %1, is not one of the choices. Untick its Change box to keep each file&apos;s own bytes per sample.</source>
        <translation>Les octets par échantillon de ce fichier, %1, ne font pas partie des choix. Décochez la case «&#xa0;Modifier&#xa0;» de cette ligne pour que chaque fichier garde ses propres octets par échantillon.</translation>
    </message>
</context>
<context>
    <name>CHeaderSurvey</name>
    <message>
        <source>Reading headers</source>
        <translation>Lecture des en-têtes</translation>
    </message>
    <message numerus="yes">
        <source>Reading headers: %1 of %Ln files</source>
        <translation>
            <numerusform>Lecture des en-têtes&#xa0;: %1 sur %Ln fichier</numerusform>
            <numerusform>Lecture des en-têtes&#xa0;: %1 sur %Ln fichiers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMessageBoxPrompt</name>
    <message>
        <source>&amp;Don&apos;t show further messages during this Change</source>
        <translation>&amp;Ne plus afficher de messages pendant cette modification</translation>
    </message>
    <message>
        <source>Every file left unchanged is listed with its reason when the Change ends.</source>
        <translation>Chaque fichier laissé inchangé est listé avec sa raison à la fin de la modification.</translation>
    </message>
</context>
<context>
    <name>CRateValidator</name>
    <message>
        <source>Type a whole number of hertz from %1 to %2.</source>
        <translation>Saisissez un nombre entier de hertz de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>CRegionPreviewPanel</name>
    <message>
        <source>Pro Tools region definitions:</source>
        <translation>Régions Pro Tools&#xa0;:</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Régions</translation>
    </message>
    <message>
        <source>Time Stamps</source>
        <translation>Horodatages</translation>
    </message>
    <message>
        <source>BWF Time Stamp:</source>
        <translation>Horodatage BWF&#xa0;:</translation>
    </message>
    <message>
        <source>Region Name</source>
        <translation>Nom de la région</translation>
    </message>
    <message>
        <source>Orig TS</source>
        <translation>Horod. orig.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>User TS</source>
        <translation>Horod. util.</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>CUndoLastChange</name>
    <message>
        <source>Undo the last Change to 1 file?

Each file gets back the header it had before, unless it has been changed since.</source>
        <translation>Annuler la dernière modification de 1 fichier&#xa0;?

Chaque fichier retrouve l’en-tête qu’il avait avant, sauf s’il a été modifié depuis.</translation>
    </message>
    <message numerus="yes">
        <source>Undo the last Change to %Ln files?

Each file gets back the header it had before, unless it has been changed since.</source>
        <translation>
            <numerusform>Annuler la dernière modification de %Ln fichier&#xa0;?

Chaque fichier retrouve l’en-tête qu’il avait avant, sauf s’il a été modifié depuis.</numerusform>
            <numerusform>Annuler la dernière modification de %Ln fichiers&#xa0;?

Chaque fichier retrouve l’en-tête qu’il avait avant, sauf s’il a été modifié depuis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files were restored.</source>
        <translation>
            <numerusform>Fichiers restaurés&#xa0;: %1 sur %Ln.</numerusform>
            <numerusform>Fichiers restaurés&#xa0;: %1 sur %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more</source>
        <translation>
            <numerusform>... et %Ln autre</numerusform>
            <numerusform>... et %Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>

Left alone:
%1</source>
        <translation>

Laissés tels quels&#xa0;:
%1</translation>
    </message>
    <message>
        <source>

Restored with a warning:
%1</source>
        <translation>

Restaurés avec un avertissement&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>CUrlLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d’exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d’exploitation a refusé
l’accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l’opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n’est pas valide
(.EXE non Win32 ou erreur dans l’image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s’est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L’association du type de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n’a pas pu aboutir
car le délai de la demande a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n’a pas pu aboutir
car d’autres transactions DDE
étaient en cours de traitement.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n’est associée
à cette extension de fichier.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque dynamique (DLL) indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s’est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossible d’ouvrir le lien&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>CWindowMenu</name>
    <message>
        <source>&amp;Undo Last Change</source>
        <translation>&amp;Annuler la dernière modification</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Files</source>
        <translation>&amp;Retirer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation>À &amp;propos de %1...</translation>
    </message>
</context>
<context>
    <name>CWriteProtectDlg</name>
    <message>
        <source>File is write protected!</source>
        <translation>Fichier protégé en écriture&#xa0;!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CXDlg2</name>
    <message>
        <source>WAV files (*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>MRU folders:</source>
        <translation>Dossiers récents&#xa0;:</translation>
    </message>
    <message>
        <source>%1
This folder could not be found.</source>
        <translation>%1
Ce dossier est introuvable.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>No error occurred.</source>
        <translation>Aucune erreur ne s’est produite.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Une erreur inconnue s’est produite lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 n’a pas pu être ouvert, car trop de fichiers sont ouverts.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>L’accès à %1 a été refusé.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Un descripteur de fichier non valide était associé à %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 n’a pas pu être supprimé, car c’est le répertoire courant.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 n’a pas pu être créé, car le répertoire est plein.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Échec du positionnement dans %1</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Une erreur matérielle d’entrée/sortie a été signalée lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Une violation de partage s’est produite lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Une violation de verrouillage s’est produite lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Disque plein lors de l’accès à %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Tentative d’accès à %1 au-delà de sa fin.</translation>
    </message>
    <message>
        <source>No error occurred (%2).</source>
        <translation>Aucune erreur ne s’est produite (%2).</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1 (%2).</source>
        <translation>Une erreur inconnue s’est produite lors de l’accès à %1 (%2).</translation>
    </message>
    <message>
        <source>%1 was not found (%2).</source>
        <translation>%1 est introuvable (%2).</translation>
    </message>
    <message>
        <source>%1 contains an invalid path (%2).</source>
        <translation>%1 contient un chemin non valide (%2).</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files (%2).</source>
        <translation>%1 n’a pas pu être ouvert, car trop de fichiers sont ouverts (%2).</translation>
    </message>
    <message>
        <source>Access to %1 was denied (%2).</source>
        <translation>L’accès à %1 a été refusé (%2).</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1 (%2).</source>
        <translation>Un descripteur de fichier non valide était associé à %1 (%2).</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory (%2).</source>
        <translation>%1 n’a pas pu être supprimé, car c’est le répertoire courant (%2).</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full (%2).</source>
        <translation>%1 n’a pas pu être créé, car le répertoire est plein (%2).</translation>
    </message>
    <message>
        <source>Seek failed on %1 (%2)</source>
        <translation>Échec du positionnement dans %1 (%2)</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1 (%2).</source>
        <translation>Une erreur matérielle d’entrée/sortie a été signalée lors de l’accès à %1 (%2).</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1 (%2).</source>
        <translation>Une violation de partage s’est produite lors de l’accès à %1 (%2).</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1 (%2).</source>
        <translation>Une violation de verrouillage s’est produite lors de l’accès à %1 (%2).</translation>
    </message>
    <message>
        <source>Disk full while accessing %1 (%2).</source>
        <translation>Disque plein lors de l’accès à %1 (%2).</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end (%2).</source>
        <translation>Tentative d’accès à %1 au-delà de sa fin (%2).</translation>
    </message>
    <message>
        <source>read-only file system</source>
        <translation>système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>plus d’espace sur le périphérique</translation>
    </message>
    <message>
        <source>disk quota exceeded</source>
        <translation>quota de disque dépassé</translation>
    </message>
    <message>
        <source>the file vanished</source>
        <translation>le fichier a disparu</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>il est en cours d’utilisation</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed here</source>
        <translation>c’est un lien symbolique, qui n’est pas suivi ici</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>une partie du chemin n’est pas un dossier</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>périphérique introuvable</translation>
    </message>
    <message>
        <source>no locks available</source>
        <translation>aucun verrou disponible</translation>
    </message>
    <message>
        <source>File %1 could not be opened - code: %2</source>
        <translation>Le fichier %1 n’a pas pu être ouvert - code&#xa0;: %2</translation>
    </message>
    <message>
        <source>File %1 could not be opened - code: %2 (%3)</source>
        <translation>Le fichier %1 n’a pas pu être ouvert - code&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>No file name.</source>
        <translation>Aucun nom de fichier.</translation>
    </message>
    <message>
        <source>File already open.</source>
        <translation>Fichier déjà ouvert.</translation>
    </message>
    <message>
        <source>The &quot;fmt &quot; chunk of %1 is too short to hold a format (%2 byte); the file was left unchanged.</source>
        <translation>Le bloc &quot;fmt &quot; de %1 est trop court pour contenir un format (%2 octet)&#xa0;; le fichier n’a pas été modifié.</translation>
    </message>
    <message>
        <source>The &quot;fmt &quot; chunk of %1 is too short to hold a format (%2 bytes); the file was left unchanged.</source>
        <translation>Le bloc &quot;fmt &quot; de %1 est trop court pour contenir un format (%2 octets)&#xa0;; le fichier n’a pas été modifié.</translation>
    </message>
    <message>
        <source>%1 is not a WAV file (no RIFF/WAVE header)</source>
        <translation>%1 n’est pas un fichier WAV (pas d’en-tête RIFF/WAVE)</translation>
    </message>
    <message>
        <source>no complete &quot;fmt &quot; chunk in %1</source>
        <translation>pas de bloc &quot;fmt &quot; complet dans %1</translation>
    </message>
    <message>
        <source>%1 bytes per sample times %2 channels is above the largest block alignment (65535); %3 was left unchanged.</source>
        <translation>%1 octets par échantillon fois %2 canaux dépasse le plus grand alignement de bloc (65535)&#xa0;; %3 n’a pas été modifié.</translation>
    </message>
    <message>
        <source>%1 is no longer the file that was changed (it was replaced, or its length differs); it was left unchanged.</source>
        <translation>%1 n’est plus le fichier qui a été modifié (il a été remplacé, ou sa longueur diffère)&#xa0;; il n’a pas été modifié.</translation>
    </message>
    <message>
        <source>The bytes that were changed in %1 have been changed again since; the file was left unchanged.</source>
        <translation>Les octets modifiés dans %1 ont été modifiés de nouveau depuis&#xa0;; le fichier n’a pas été modifié.</translation>
    </message>
    <message>
        <source>The file %1 is Write protected

Change the attribute and allow the change?

Cancel leaves this file unchanged</source>
        <translation>Le fichier %1 est protégé en écriture

Modifier l’attribut et autoriser la modification&#xa0;?

«&#xa0;Annuler&#xa0;» laisse ce fichier inchangé</translation>
    </message>
    <message>
        <source>%1 is write protected and was left untouched</source>
        <translation>%1 est protégé en écriture et n’a pas été touché</translation>
    </message>
    <message>
        <source>Sample rate: %1 Hz</source>
        <translation>Fréquence d’échantillonnage&#xa0;: %1 Hz</translation>
    </message>
    <message>
        <source>Number of channels: %1</source>
        <translation>Nombre de canaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>Resolution: %1 bit</source>
        <translation>Résolution&#xa0;: %1 bits</translation>
    </message>
    <message>
        <source>Block alignment: %1 bytes per sample times each file&apos;s channels</source>
        <translation>Alignement de bloc&#xa0;: %1 octets par échantillon fois les canaux de chaque fichier</translation>
    </message>
    <message>
        <source>Block alignment: %1 byte</source>
        <translation>Alignement de bloc&#xa0;: %1 octet</translation>
    </message>
    <message>
        <source>Block alignment: %1 bytes</source>
        <translation>Alignement de bloc&#xa0;: %1 octets</translation>
    </message>
    <message>
        <source>%1 — changes %2 of %3 file</source>
        <translation>%1 — modifie %2 fichier sur %3</translation>
    </message>
    <message>
        <source>%1 — changes %2 of %3 files</source>
        <translation>%1 — modifie %2 des %3 fichiers</translation>
    </message>
    <message>
        <source>%1 — changes %2 of %3 file, although you left it at the shown file&apos;s own value</source>
        <translation>%1 — modifie %2 fichier sur %3, bien que vous ayez laissé la valeur propre du fichier affiché</translation>
    </message>
    <message>
        <source>%1 — changes %2 of %3 files, although you left it at the shown file&apos;s own value</source>
        <translation>%1 — modifie %2 des %3 fichiers, bien que vous ayez laissé la valeur propre du fichier affiché</translation>
    </message>
    <message>
        <source>%1 of %2 file has a header that cannot be read; it will be left unchanged</source>
        <translation>%1 fichier sur %2 a un en-tête illisible&#xa0;; il restera inchangé</translation>
    </message>
    <message>
        <source>%1 of %2 files has a header that cannot be read; it will be left unchanged</source>
        <translation>%1 des %2 fichiers a un en-tête illisible&#xa0;; il restera inchangé</translation>
    </message>
    <message>
        <source>%1 of %2 files have headers that cannot be read; they will be left unchanged</source>
        <translation>%1 des %2 fichiers ont un en-tête illisible&#xa0;; ils resteront inchangés</translation>
    </message>
    <message>
        <source>The recorded change of %1 lies outside the format fields that a change writes; the file was left unchanged.</source>
        <translation>La modification enregistrée de %1 se trouve hors des champs de format qu’une modification écrit&#xa0;; le fichier n’a pas été modifié.</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>%1. No file was changed.</source>
        <translation>%1. Aucun fichier n’a été modifié.</translation>
    </message>
    <message>
        <source>%1. The batch may not be undone completely.</source>
        <translation>%1. Le lot ne pourra peut-être pas être entièrement annulé.</translation>
    </message>
    <message>
        <source>There is no journal folder: %1</source>
        <translation>Il n’y a pas de dossier de journal&#xa0;: %1</translation>
    </message>
    <message>
        <source>neither XDG_STATE_HOME nor HOME is set</source>
        <translation>ni XDG_STATE_HOME ni HOME n’est défini</translation>
    </message>
    <message>
        <source>LOCALAPPDATA is not set</source>
        <translation>LOCALAPPDATA n’est pas défini</translation>
    </message>
    <message>
        <source>The journal folder %1 could not be created: %2</source>
        <translation>Le dossier de journal %1 n’a pas pu être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The journal %1 %2</source>
        <translation>Le journal %1 %2</translation>
    </message>
    <message>
        <source>could not be created: %1</source>
        <translation>n’a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation>n’a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>could not be saved: %1</source>
        <translation>n’a pas pu être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>The journal %1 is not trusted: %2; only a journal that nobody but you and root can change is followed</source>
        <translation>Le journal %1 n’est pas digne de confiance&#xa0;: %2&#xa0;; seul un journal que personne d’autre que vous et root ne peut modifier est suivi</translation>
    </message>
    <message>
        <source>it belongs to %1</source>
        <translation>il appartient à %1</translation>
    </message>
    <message>
        <source>group or others may write it (permissions %1)</source>
        <translation>le groupe ou d’autres peuvent l’écrire (droits %1)</translation>
    </message>
    <message>
        <source>its folder %1 belongs to %2</source>
        <translation>son dossier %1 appartient à %2</translation>
    </message>
    <message>
        <source>group or others may write its folder %1 (permissions %2)</source>
        <translation>le groupe ou d’autres peuvent écrire dans son dossier %1 (droits %2)</translation>
    </message>
    <message>
        <source>%1 %2 is a symbolic link that belongs to %3, and run as root only links that belong to root are followed</source>
        <translation>%1 %2 est un lien symbolique qui appartient à %3, et exécuté en tant que root, seuls les liens appartenant à root sont suivis</translation>
    </message>
    <message>
        <source>%1 is no journal</source>
        <translation>%1 n’est pas un journal</translation>
    </message>
    <message>
        <source>%1 is no journal: %2</source>
        <translation>%1 n’est pas un journal&#xa0;: %2</translation>
    </message>
    <message>
        <source>a line is longer than any record</source>
        <translation>une ligne est plus longue que tout enregistrement</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not a whole number</source>
        <translation>«&#xa0;%1&#xa0;» manque ou n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not a text</source>
        <translation>«&#xa0;%1&#xa0;» manque ou n’est pas un texte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not hexadecimal</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas hexadécimal</translation>
    </message>
    <message>
        <source>journal version %1 is not known to this version</source>
        <translation>la version de journal %1 est inconnue de cette version</translation>
    </message>
    <message>
        <source>its path holds a NUL byte</source>
        <translation>son chemin contient un octet NUL</translation>
    </message>
    <message>
        <source>&quot;before&quot; and &quot;after&quot; differ in length or are empty</source>
        <translation>«&#xa0;before&#xa0;» et «&#xa0;after&#xa0;» diffèrent en longueur ou sont vides</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>il n’a pas pu être lu</translation>
    </message>
    <message>
        <source>Record %1 of %2 is damaged: %3</source>
        <translation>L’enregistrement %1 de %2 est endommagé&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is missing: it was moved or deleted since the batch</source>
        <translation>%1 est absent&#xa0;: il a été déplacé ou supprimé depuis le lot</translation>
    </message>
    <message>
        <source>%1 was replaced: another file has its name now, so it was left alone</source>
        <translation>%1 a été remplacé&#xa0;: un autre fichier porte désormais son nom, il n’a donc pas été touché</translation>
    </message>
    <message>
        <source>%1 was changed since: its length differs from the length after the batch</source>
        <translation>%1 a été modifié depuis&#xa0;: sa longueur diffère de celle après le lot</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 n’a pas pu être lu</translation>
    </message>
    <message>
        <source>%1 already holds the bytes it had before the batch</source>
        <translation>%1 contient déjà les octets qu’il avait avant le lot</translation>
    </message>
    <message>
        <source>%1 was changed since: the bytes at offset %2 are no longer those the batch wrote, so they were kept</source>
        <translation>%1 a été modifié depuis&#xa0;: les octets à la position %2 ne sont plus ceux que le lot a écrits, ils ont donc été conservés</translation>
    </message>
    <message>
        <source>%1 could not be written back</source>
        <translation>%1 n’a pas pu être réécrit</translation>
    </message>
    <message>
        <source>Closing %1 reported an error (%2), but reading it again found the new values in place.</source>
        <translation>La fermeture de %1 a signalé une erreur (%2), mais une nouvelle lecture a trouvé les nouvelles valeurs en place.</translation>
    </message>
    <message>
        <source>%1 when it was closed; reading it again found the values it had before, so it was left unchanged.</source>
        <translation>%1 lors de la fermeture&#xa0;; une nouvelle lecture a trouvé les valeurs d’avant, le fichier est donc resté inchangé.</translation>
    </message>
    <message>
        <source>%1 when it was closed, and it could not be read again: it may hold the new values (the journal has the change).</source>
        <translation>%1 lors de la fermeture, et le fichier n’a pas pu être relu&#xa0;: il contient peut-être les nouvelles valeurs (le journal contient la modification).</translation>
    </message>
</context>
</TS>
