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
    <message>
        <source>&amp;About %1...</source>
        <translation>À &amp;propos de %1...</translation>
    </message>
    <message>
        <source>%1. No file was changed.</source>
        <translation>%1. Aucun fichier n’a été modifié.</translation>
    </message>
    <message>
        <source>%1. The change may not be undone completely.</source>
        <translation>%1. La modification ne pourra peut-être pas être entièrement annulée.</translation>
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
    <message numerus="yes">
        <source>%1 of %Ln files were restored.

Left alone:
%2</source>
        <translation>
            <numerusform>Fichiers restaurés&#xa0;: %1 sur %Ln.

Laissés tels quels&#xa0;:
%2</numerusform>
            <numerusform>Fichiers restaurés&#xa0;: %1 sur %Ln.

Laissés tels quels&#xa0;:
%2</numerusform>
        </translation>
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
        <source>Region Name</source>
        <translation>Nom de la région</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>BWF Time Stamp:</source>
        <translation>Horodatage BWF&#xa0;:</translation>
    </message>
    <message>
        <source>Orig TS</source>
        <translation>Horod. orig.</translation>
    </message>
    <message>
        <source>User TS</source>
        <translation>Horod. util.</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>%1
This folder could not be found.</source>
        <translation>%1
Ce dossier est introuvable.</translation>
    </message>
</context>
</TS>
