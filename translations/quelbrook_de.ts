<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 Version %2</translation>
    </message>
    <message>
        <source>Copyright (C) 2024 the %1 authors</source>
        <translation>Copyright (C) 2024 die Autoren von %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The %1 project</source>
        <translation>Das Projekt %1</translation>
    </message>
</context>
<context>
    <name>CBatchEditorApp</name>
    <message>
        <source>Changes WAV file header information.

Qt&apos;s standard options are accepted too, such as -style NAME, -platform NAME, -reverse,
-stylesheet FILE and -qwindowgeometry WxH+X+Y.</source>
        <translation>Ändert die Kopfdaten von WAV-Dateien.

Auch die Standardoptionen von Qt werden angenommen, etwa -style NAME, -platform NAME, -reverse,
-stylesheet DATEI und -qwindowgeometry BxH+X+Y.</translation>
    </message>
    <message>
        <source>paths</source>
        <translation>pfade</translation>
    </message>
    <message>
        <source>WAV files to list; folders give the WAV files in them and in their subfolders.</source>
        <translation>Aufzulistende WAV-Dateien; Ordner liefern die WAV-Dateien in ihnen und in ihren Unterordnern.</translation>
    </message>
    <message>
        <source>[FILE|FOLDER...]</source>
        <translation>[DATEI|ORDNER...]</translation>
    </message>
</context>
<context>
    <name>CBatchEditorDlg</name>
    <message>
        <source>[Press the Open button to select sound files]</source>
        <translation>[Audiodateien mit „Öffnen“ auswählen]</translation>
    </message>
    <message>
        <source>Warning!  Changing the header info can affect the ability for an application to play the WAV file.

All files will be changed to the settings currently displayed (and selected for change)!

Note - the data will not be changed, just the header information.

				Continue?</source>
        <translation>Warnung!  Das Ändern der Kopfdaten kann dazu führen, dass eine Anwendung die WAV-Datei nicht mehr abspielen kann.

Alle Dateien erhalten die derzeit angezeigten (und zum Ändern ausgewählten) Einstellungen!

Hinweis – die Audiodaten werden nicht verändert, nur die Kopfdaten.

				Fortfahren?</translation>
    </message>
    <message>
        <source>Select Sound Files</source>
        <translation>Audiodateien auswählen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Clear all Change boxes</source>
        <translation>Alle Kästchen „Ändern“ leeren</translation>
    </message>
    <message>
        <source>Set all Change boxes</source>
        <translation>Alle Kästchen „Ändern“ ankreuzen</translation>
    </message>
    <message>
        <source>Selected files</source>
        <translation>Ausgewählte Dateien</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source> Selected Files </source>
        <translation> Ausgewählte Dateien </translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>bit</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>%1 (header could not be read)</source>
        <translation>%1 (Kopfdaten nicht lesbar)</translation>
    </message>
    <message>
        <source>1 file changed</source>
        <translation>1 Datei geändert</translation>
    </message>
    <message numerus="yes">
        <source>%Ln files changed</source>
        <translation>
            <numerusform>%Ln Datei geändert</numerusform>
            <numerusform>%Ln Dateien geändert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CBatchReportDlg</name>
    <message>
        <source>Change finished</source>
        <translation>Änderung abgeschlossen</translation>
    </message>
    <message>
        <source>&amp;Files not changed:</source>
        <translation>Nicht &amp;geänderte Dateien:</translation>
    </message>
    <message>
        <source>Files not changed</source>
        <translation>Nicht geänderte Dateien</translation>
    </message>
    <message>
        <source>&amp;Keep only these files</source>
        <translation>Nur diese Dateien &amp;behalten</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files changed, %2 skipped, %3 failed.</source>
        <translation>
            <numerusform>%1 von %Ln Datei geändert, %2 übersprungen, %3 fehlgeschlagen.</numerusform>
            <numerusform>%1 von %Ln Dateien geändert, %2 übersprungen, %3 fehlgeschlagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Change was cancelled: the files it had not reached were left as they were.</source>
        <translation>%1 Die Änderung wurde abgebrochen: Die Dateien, die sie noch nicht erreicht hatte, blieben unverändert.</translation>
    </message>
    <message>
        <source>Skipped: %1 - %2</source>
        <translation>Übersprungen: %1 - %2</translation>
    </message>
    <message>
        <source>Failed: %1 - %2</source>
        <translation>Fehlgeschlagen: %1 - %2</translation>
    </message>
    <message>
        <source>&amp;Files not changed, and warnings:</source>
        <translation>Nicht &amp;geänderte Dateien und Warnungen:</translation>
    </message>
    <message>
        <source>Changed, with a warning: </source>
        <translation>Geändert, mit Warnung: </translation>
    </message>
</context>
<context>
    <name>CChangeBatch</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message numerus="yes">
        <source>Changing headers: %1 of %Ln files</source>
        <translation>
            <numerusform>Kopfdaten werden geändert: %1 von %Ln Datei</numerusform>
            <numerusform>Kopfdaten werden geändert: %1 von %Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Changing headers</source>
        <translation>Kopfdaten werden geändert</translation>
    </message>
    <message>
        <source>Change progress</source>
        <translation>Fortschritt der Änderung</translation>
    </message>
    <message>
        <source>the header could not be rewritten</source>
        <translation>die Kopfdaten konnten nicht neu geschrieben werden</translation>
    </message>
    <message>
        <source>not reached: Change was cancelled</source>
        <translation>nicht erreicht: Die Änderung wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>CFileListing</name>
    <message>
        <source>Listing 1 file</source>
        <translation>1 Datei wird aufgelistet</translation>
    </message>
    <message numerus="yes">
        <source>Listing %Ln files</source>
        <translation>
            <numerusform>%Ln Datei wird aufgelistet</numerusform>
            <numerusform>%Ln Dateien werden aufgelistet</numerusform>
        </translation>
    </message>
    <message>
        <source>Listing files</source>
        <translation>Dateien werden aufgelistet</translation>
    </message>
    <message>
        <source>Listing progress</source>
        <translation>Fortschritt der Auflistung</translation>
    </message>
</context>
<context>
    <name>CFormatRow</name>
    <message>
        <source>undefined</source>
        <translation>undefiniert</translation>
    </message>
</context>
<context>
    <name>CFormatSelectors</name>
    <message>
        <source>Change sample rate</source>
        <translation>Abtastrate ändern</translation>
    </message>
    <message>
        <source>Change number of channels</source>
        <translation>Kanalanzahl ändern</translation>
    </message>
    <message>
        <source>Change resolution</source>
        <translation>Auflösung ändern</translation>
    </message>
    <message>
        <source>Change bytes per sample</source>
        <translation>Bytes pro Abtastwert ändern</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Choose a rate, or type one from %1 to %2 Hz.</source>
        <translation>Wählen Sie eine Abtastrate, oder geben Sie eine von %1 bis %2 Hz ein.</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>No. Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation>Bits pro Abtastwert:</translation>
    </message>
    <message>
        <source>The header of this file could not be read: it has no value to show.</source>
        <translation>Die Kopfdaten dieser Datei konnten nicht gelesen werden: Es gibt keinen Wert anzuzeigen.</translation>
    </message>
    <message>
        <source>This file&apos;s sample rate, %1 Hz, is not one of the choices. Type a rate, or untick its Change box to keep each file&apos;s own sample rate.</source>
        <translation>Die Abtastrate dieser Datei, %1 Hz, steht nicht zur Auswahl. Geben Sie eine Abtastrate ein, oder leeren Sie das Kästchen „Ändern“ dieser Zeile, damit jede Datei ihre eigene Abtastrate behält.</translation>
    </message>
    <message numerus="yes">
        <source>This file has %Ln channels, which is not one of the choices. Untick its Change box to keep each file&apos;s own number of channels.</source>
        <translation>
            <numerusform>Diese Datei hat %Ln Kanal; das steht nicht zur Auswahl. Leeren Sie das Kästchen „Ändern“ dieser Zeile, damit jede Datei ihre eigene Kanalanzahl behält.</numerusform>
            <numerusform>Diese Datei hat %Ln Kanäle; das steht nicht zur Auswahl. Leeren Sie das Kästchen „Ändern“ dieser Zeile, damit jede Datei ihre eigene Kanalanzahl behält.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s resolution, %1 bit, is not one of the choices. Untick its Change box to keep each file&apos;s own resolution.</source>
        <translation>Die Auflösung dieser Datei, %1 Bit, steht nicht zur Auswahl. Leeren Sie das Kästchen „Ändern“ dieser Zeile, damit jede Datei ihre eigene Auflösung behält.</translation>
    </message>
    <message numerus="yes">
        <source>block alignment %1 for %Ln channels</source>
        <translation>
            <numerusform>Blockausrichtung %1 bei %Ln Kanal</numerusform>
            <numerusform>Blockausrichtung %1 bei %Ln Kanälen</numerusform>
        </translation>
    </message>
    <message>
        <source>This file&apos;s bytes per sample, %1, is not one of the choices. Untick its Change box to keep each file&apos;s own bytes per sample.</source>
        <translation>Die Bytes pro Abtastwert dieser Datei, %1, stehen nicht zur Auswahl. Leeren Sie das Kästchen „Ändern“ dieser Zeile, damit jede Datei ihre eigenen Bytes pro Abtastwert behält.</translation>
    </message>
</context>
<context>
    <name>CHeaderSurvey</name>
    <message>
        <source>Reading headers</source>
        <translation>Kopfdaten werden gelesen</translation>
    </message>
    <message numerus="yes">
        <source>Reading headers: %1 of %Ln files</source>
        <translation>
            <numerusform>Kopfdaten werden gelesen: %1 von %Ln Datei</numerusform>
            <numerusform>Kopfdaten werden gelesen: %1 von %Ln Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMessageBoxPrompt</name>
    <message>
        <source>&amp;Don&apos;t show further messages during this Change</source>
        <translation>&amp;Keine weiteren Meldungen während dieser Änderung anzeigen</translation>
    </message>
    <message>
        <source>Every file left unchanged is listed with its reason when the Change ends.</source>
        <translation>Jede unverändert gebliebene Datei wird am Ende der Änderung mit ihrem Grund aufgeführt.</translation>
    </message>
</context>
<context>
    <name>CRateValidator</name>
    <message>
        <source>Type a whole number of hertz from %1 to %2.</source>
        <translation>Geben Sie eine ganze Zahl von %1 bis %2 Hertz ein.</translation>
    </message>
</context>
<context>
    <name>CRegionPreviewPanel</name>
    <message>
        <source>Pro Tools region definitions:</source>
        <translation>Pro-Tools-Regionen:</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Regionen</translation>
    </message>
    <message>
        <source>Time Stamps</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>BWF Time Stamp:</source>
        <translation>BWF-Zeitstempel:</translation>
    </message>
    <message>
        <source>Region Name</source>
        <translation>Regionsname</translation>
    </message>
    <message>
        <source>Orig TS</source>
        <translation>Orig.-ZS</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>User TS</source>
        <translation>Benutzer-ZS</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>CUndoLastChange</name>
    <message>
        <source>Undo the last Change to 1 file?

Each file gets back the header it had before, unless it has been changed since.</source>
        <translation>Die letzte Änderung an 1 Datei rückgängig machen?

Jede Datei erhält ihre vorherigen Kopfdaten zurück, sofern sie seitdem nicht geändert wurde.</translation>
    </message>
    <message numerus="yes">
        <source>Undo the last Change to %Ln files?

Each file gets back the header it had before, unless it has been changed since.</source>
        <translation>
            <numerusform>Die letzte Änderung an %Ln Datei rückgängig machen?

Jede Datei erhält ihre vorherigen Kopfdaten zurück, sofern sie seitdem nicht geändert wurde.</numerusform>
            <numerusform>Die letzte Änderung an %Ln Dateien rückgängig machen?

Jede Datei erhält ihre vorherigen Kopfdaten zurück, sofern sie seitdem nicht geändert wurde.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files were restored.</source>
        <translation>
            <numerusform>Wiederhergestellt: %1 von %Ln Datei.</numerusform>
            <numerusform>Wiederhergestellt: %1 von %Ln Dateien.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more</source>
        <translation>
            <numerusform>... und %Ln weitere</numerusform>
            <numerusform>... und %Ln weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>

Left alone:
%1</source>
        <translation>

Unverändert gelassen:
%1</translation>
    </message>
    <message>
        <source>

Restored with a warning:
%1</source>
        <translation>

Mit Warnung wiederhergestellt:
%1</translation>
    </message>
</context>
<context>
    <name>CUrlLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Das Betriebssystem hat nicht genügend
Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für diesen Vorgang war nicht genügend Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Es ist eine Freigabeverletzung aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen
werden, weil die Anforderung zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen
werden, weil gerade andere DDE-Transaktionen
verarbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung ist
keine Anwendung zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene Programmbibliothek (DLL) wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ein unbekannter Fehler (%1) ist aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Der Link konnte nicht geöffnet werden:

%1</translation>
    </message>
</context>
<context>
    <name>CWindowMenu</name>
    <message>
        <source>&amp;Undo Last Change</source>
        <translation>Letzte Änderung &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Files</source>
        <translation>Ausgewählte Dateien &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Liste leeren</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation>Ü&amp;ber %1...</translation>
    </message>
</context>
<context>
    <name>CWriteProtectDlg</name>
    <message>
        <source>File is write protected!</source>
        <translation>Datei ist schreibgeschützt!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CXDlg2</name>
    <message>
        <source>WAV files (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>MRU folders:</source>
        <translation>Letzte Ordner:</translation>
    </message>
    <message>
        <source>%1
This folder could not be found.</source>
        <translation>%1
Dieser Ordner wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>No error occurred.</source>
        <translation>Es ist kein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet sind.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Mit %1 war ein ungültiges Datei-Handle verknüpft.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 konnte nicht entfernt werden, weil es das aktuelle Verzeichnis ist.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 konnte nicht erstellt werden, weil das Verzeichnis voll ist.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionieren in %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 wurde ein E/A-Fehler der Hardware gemeldet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Sperrverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Datenträger voll beim Zugriff auf %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zuzugreifen.</translation>
    </message>
    <message>
        <source>No error occurred (%2).</source>
        <translation>Es ist kein Fehler aufgetreten (%2).</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1 (%2).</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten (%2).</translation>
    </message>
    <message>
        <source>%1 was not found (%2).</source>
        <translation>%1 wurde nicht gefunden (%2).</translation>
    </message>
    <message>
        <source>%1 contains an invalid path (%2).</source>
        <translation>%1 enthält einen ungültigen Pfad (%2).</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files (%2).</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet sind (%2).</translation>
    </message>
    <message>
        <source>Access to %1 was denied (%2).</source>
        <translation>Der Zugriff auf %1 wurde verweigert (%2).</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1 (%2).</source>
        <translation>Mit %1 war ein ungültiges Datei-Handle verknüpft (%2).</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory (%2).</source>
        <translation>%1 konnte nicht entfernt werden, weil es das aktuelle Verzeichnis ist (%2).</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full (%2).</source>
        <translation>%1 konnte nicht erstellt werden, weil das Verzeichnis voll ist (%2).</translation>
    </message>
    <message>
        <source>Seek failed on %1 (%2)</source>
        <translation>Positionieren in %1 fehlgeschlagen (%2)</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1 (%2).</source>
        <translation>Beim Zugriff auf %1 wurde ein E/A-Fehler der Hardware gemeldet (%2).</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1 (%2).</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten (%2).</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1 (%2).</source>
        <translation>Beim Zugriff auf %1 ist eine Sperrverletzung aufgetreten (%2).</translation>
    </message>
    <message>
        <source>Disk full while accessing %1 (%2).</source>
        <translation>Datenträger voll beim Zugriff auf %1 (%2).</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end (%2).</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zuzugreifen (%2).</translation>
    </message>
    <message>
        <source>read-only file system</source>
        <translation>schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>disk quota exceeded</source>
        <translation>Festplattenkontingent überschritten</translation>
    </message>
    <message>
        <source>the file vanished</source>
        <translation>die Datei ist verschwunden</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <source>it is in use</source>
        <translation>sie wird gerade verwendet</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed here</source>
        <translation>sie ist eine symbolische Verknüpfung, der hier nicht gefolgt wird</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>ein Teil des Pfads ist kein Ordner</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>zu viele geöffnete Dateien</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>kein solches Gerät</translation>
    </message>
    <message>
        <source>no locks available</source>
        <translation>keine Sperren verfügbar</translation>
    </message>
    <message>
        <source>File %1 could not be opened - code: %2</source>
        <translation>Datei %1 konnte nicht geöffnet werden - Code: %2</translation>
    </message>
    <message>
        <source>File %1 could not be opened - code: %2 (%3)</source>
        <translation>Datei %1 konnte nicht geöffnet werden - Code: %2 (%3)</translation>
    </message>
    <message>
        <source>No file name.</source>
        <translation>Kein Dateiname.</translation>
    </message>
    <message>
        <source>File already open.</source>
        <translation>Datei bereits geöffnet.</translation>
    </message>
    <message>
        <source>The &quot;fmt &quot; chunk of %1 is too short to hold a format (%2 byte); the file was left unchanged.</source>
        <translation>Der &quot;fmt &quot;-Block von %1 ist zu kurz für ein Format (%2 Byte); die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>The &quot;fmt &quot; chunk of %1 is too short to hold a format (%2 bytes); the file was left unchanged.</source>
        <translation>Der &quot;fmt &quot;-Block von %1 ist zu kurz für ein Format (%2 Bytes); die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>%1 is not a WAV file (no RIFF/WAVE header)</source>
        <translation>%1 ist keine WAV-Datei (kein RIFF/WAVE-Header)</translation>
    </message>
    <message>
        <source>no complete &quot;fmt &quot; chunk in %1</source>
        <translation>kein vollständiger &quot;fmt &quot;-Block in %1</translation>
    </message>
    <message>
        <source>%1 bytes per sample times %2 channels is above the largest block alignment (65535); %3 was left unchanged.</source>
        <translation>%1 Bytes pro Abtastwert mal %2 Kanäle liegt über der größten Blockausrichtung (65535); %3 blieb unverändert.</translation>
    </message>
    <message>
        <source>%1 is no longer the file that was changed (it was replaced, or its length differs); it was left unchanged.</source>
        <translation>%1 ist nicht mehr die Datei, die geändert wurde (sie wurde ersetzt, oder ihre Länge weicht ab); sie blieb unverändert.</translation>
    </message>
    <message>
        <source>The bytes that were changed in %1 have been changed again since; the file was left unchanged.</source>
        <translation>Die in %1 geänderten Bytes wurden seitdem erneut geändert; die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>The file %1 is Write protected

Change the attribute and allow the change?

Cancel leaves this file unchanged</source>
        <translation>Die Datei %1 ist schreibgeschützt

Attribut ändern und die Änderung zulassen?

„Abbrechen“ lässt diese Datei unverändert</translation>
    </message>
    <message>
        <source>%1 is write protected and was left untouched</source>
        <translation>%1 ist schreibgeschützt und blieb unberührt</translation>
    </message>
    <message>
        <source>Sample rate: %1 Hz</source>
        <translation>Abtastrate: %1 Hz</translation>
    </message>
    <message>
        <source>Number of channels: %1</source>
        <translation>Anzahl der Kanäle: %1</translation>
    </message>
    <message>
        <source>Resolution: %1 bit</source>
        <translation>Auflösung: %1 Bit</translation>
    </message>
    <message>
        <source>Block alignment: %1 bytes per sample times each file&apos;s channels</source>
        <translation>Blockausrichtung: %1 Bytes pro Abtastwert mal die Kanäle jeder Datei</translation>
    </message>
    <message>
        <source>Block alignment: %1 byte</source>
        <translation>Blockausrichtung: %1 Byte</translation>
    </message>
    <message>
        <source>Block alignment: %1 bytes</source>
        <translation>Blockausrichtung: %1 Bytes</translation>
    </message>
    <message>
        <source>%1 — changes %2 of %3 file</source>
        <translation>%1 — ändert %2 von %3 Datei</translation>
    </message>
    <message>
        <source>%1 — changes %2 of %3 files</source>
        <translation>%1 — ändert %2 von %3 Dateien</translation>
    </message>
    <message>
        <source>%1 — changes %2 of %3 file, although you left it at the shown file&apos;s own value</source>
        <translation>%1 — ändert %2 von %3 Datei, obwohl Sie den eigenen Wert der angezeigten Datei belassen haben</translation>
    </message>
    <message>
        <source>%1 — changes %2 of %3 files, although you left it at the shown file&apos;s own value</source>
        <translation>%1 — ändert %2 von %3 Dateien, obwohl Sie den eigenen Wert der angezeigten Datei belassen haben</translation>
    </message>
    <message>
        <source>%1 of %2 file has a header that cannot be read; it will be left unchanged</source>
        <translation>Bei %1 von %2 Datei sind die Kopfdaten nicht lesbar; sie bleibt unverändert</translation>
    </message>
    <message>
        <source>%1 of %2 files has a header that cannot be read; it will be left unchanged</source>
        <translation>Bei %1 von %2 Dateien sind die Kopfdaten nicht lesbar; sie bleibt unverändert</translation>
    </message>
    <message>
        <source>%1 of %2 files have headers that cannot be read; they will be left unchanged</source>
        <translation>Bei %1 von %2 Dateien sind die Kopfdaten nicht lesbar; sie bleiben unverändert</translation>
    </message>
    <message>
        <source>The recorded change of %1 lies outside the format fields that a change writes; the file was left unchanged.</source>
        <translation>Die aufgezeichnete Änderung von %1 liegt außerhalb der Formatfelder, die eine Änderung schreibt; die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>%1. No file was changed.</source>
        <translation>%1. Es wurde keine Datei geändert.</translation>
    </message>
    <message>
        <source>%1. The batch may not be undone completely.</source>
        <translation>%1. Der Stapel lässt sich womöglich nicht vollständig rückgängig machen.</translation>
    </message>
    <message>
        <source>There is no journal folder: %1</source>
        <translation>Es gibt keinen Journalordner: %1</translation>
    </message>
    <message>
        <source>neither XDG_STATE_HOME nor HOME is set</source>
        <translation>weder XDG_STATE_HOME noch HOME ist gesetzt</translation>
    </message>
    <message>
        <source>LOCALAPPDATA is not set</source>
        <translation>LOCALAPPDATA ist nicht gesetzt</translation>
    </message>
    <message>
        <source>The journal folder %1 could not be created: %2</source>
        <translation>Der Journalordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The journal %1 %2</source>
        <translation>Das Journal %1 %2</translation>
    </message>
    <message>
        <source>could not be created: %1</source>
        <translation>konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>could not be written: %1</source>
        <translation>konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>could not be saved: %1</source>
        <translation>konnte nicht gesichert werden: %1</translation>
    </message>
    <message>
        <source>The journal %1 is not trusted: %2; only a journal that nobody but you and root can change is followed</source>
        <translation>Dem Journal %1 wird nicht vertraut: %2; befolgt wird nur ein Journal, das außer Ihnen und root niemand ändern kann</translation>
    </message>
    <message>
        <source>it belongs to %1</source>
        <translation>es gehört %1</translation>
    </message>
    <message>
        <source>group or others may write it (permissions %1)</source>
        <translation>Gruppe oder andere dürfen es schreiben (Rechte %1)</translation>
    </message>
    <message>
        <source>its folder %1 belongs to %2</source>
        <translation>sein Ordner %1 gehört %2</translation>
    </message>
    <message>
        <source>group or others may write its folder %1 (permissions %2)</source>
        <translation>Gruppe oder andere dürfen in seinen Ordner %1 schreiben (Rechte %2)</translation>
    </message>
    <message>
        <source>%1 %2 is a symbolic link that belongs to %3, and run as root only links that belong to root are followed</source>
        <translation>%1 %2 ist eine symbolische Verknüpfung, die %3 gehört, und als root wird nur Verknüpfungen gefolgt, die root gehören</translation>
    </message>
    <message>
        <source>%1 is no journal</source>
        <translation>%1 ist kein Journal</translation>
    </message>
    <message>
        <source>%1 is no journal: %2</source>
        <translation>%1 ist kein Journal: %2</translation>
    </message>
    <message>
        <source>a line is longer than any record</source>
        <translation>eine Zeile ist länger als jeder Eintrag</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not a whole number</source>
        <translation>„%1“ fehlt oder ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not a text</source>
        <translation>„%1“ fehlt oder ist kein Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not hexadecimal</source>
        <translation>„%1“ ist nicht hexadezimal</translation>
    </message>
    <message>
        <source>journal version %1 is not known to this version</source>
        <translation>die Journalversion %1 ist dieser Version unbekannt</translation>
    </message>
    <message>
        <source>its path holds a NUL byte</source>
        <translation>sein Pfad enthält ein NUL-Byte</translation>
    </message>
    <message>
        <source>&quot;before&quot; and &quot;after&quot; differ in length or are empty</source>
        <translation>„before“ und „after“ sind verschieden lang oder leer</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>er konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Record %1 of %2 is damaged: %3</source>
        <translation>Eintrag %1 von %2 ist beschädigt: %3</translation>
    </message>
    <message>
        <source>%1 is missing: it was moved or deleted since the batch</source>
        <translation>%1 fehlt: die Datei wurde seit dem Stapel verschoben oder gelöscht</translation>
    </message>
    <message>
        <source>%1 was replaced: another file has its name now, so it was left alone</source>
        <translation>%1 wurde ersetzt: eine andere Datei trägt jetzt den Namen, daher blieb sie unberührt</translation>
    </message>
    <message>
        <source>%1 was changed since: its length differs from the length after the batch</source>
        <translation>%1 wurde seitdem geändert: die Länge weicht von der Länge nach dem Stapel ab</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 already holds the bytes it had before the batch</source>
        <translation>%1 enthält bereits die Bytes, die die Datei vor dem Stapel hatte</translation>
    </message>
    <message>
        <source>%1 was changed since: the bytes at offset %2 are no longer those the batch wrote, so they were kept</source>
        <translation>%1 wurde seitdem geändert: die Bytes an Position %2 sind nicht mehr die vom Stapel geschriebenen, daher wurden sie behalten</translation>
    </message>
    <message>
        <source>%1 could not be written back</source>
        <translation>%1 konnte nicht zurückgeschrieben werden</translation>
    </message>
    <message>
        <source>Closing %1 reported an error (%2), but reading it again found the new values in place.</source>
        <translation>Beim Schließen von %1 wurde ein Fehler gemeldet (%2), doch erneutes Lesen fand die neuen Werte vor.</translation>
    </message>
    <message>
        <source>%1 when it was closed; reading it again found the values it had before, so it was left unchanged.</source>
        <translation>%1 beim Schließen; erneutes Lesen fand die vorherigen Werte vor, daher blieb die Datei unverändert.</translation>
    </message>
    <message>
        <source>%1 when it was closed, and it could not be read again: it may hold the new values (the journal has the change).</source>
        <translation>%1 beim Schließen, und die Datei ließ sich nicht erneut lesen: sie enthält womöglich die neuen Werte (das Journal enthält die Änderung).</translation>
    </message>
</context>
</TS>
