<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CbcTextEdit</name>
    <message>
        <source>File Actions</source>
        <translation>File Actions</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>&amp;Speichern...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Editor beenden</source>
        <translation>Close Editor</translation>
    </message>
    <message>
        <source>Editor Beenden</source>
        <translation>Close Editor</translation>
    </message>
    <message>
        <source>Edit Actions</source>
        <translation>Edit Actions</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Ausschneiden</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>&amp;Ausschneiden</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Tabellen Zelle Editieren</source>
        <translation>Edit Table Cell</translation>
    </message>
    <message>
        <source>&amp;Tabellen Zelle Editieren</source>
        <translation>&amp;Edit Table Cell</translation>
    </message>
    <message>
        <source>Format Actions</source>
        <translation>Format Actions</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>ungeordnete Liste (Disc)</source>
        <translation>Bullet List (Disc)</translation>
    </message>
    <message>
        <source>ungeordnete Liste (Kreis)</source>
        <translation>Bullet List (Circle)</translation>
    </message>
    <message>
        <source>ungeordnete Liste (Rechteck)</source>
        <translation>Bullet List (Square)</translation>
    </message>
    <message>
        <source>geordnete Liste (numerisch)</source>
        <translation>Ordered List (Decimal)</translation>
    </message>
    <message>
        <source>geordnete Liste (Alphanumerisch Kleinbuchstaben)</source>
        <translation>Ordered List (Alpha Lower)</translation>
    </message>
    <message>
        <source>geordnete Liste (Alphanumerisch Großbuchstaben)</source>
        <translation>Ordered List (Alpha Upper)</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>&amp;Fett</source>
        <translation>&amp;Bold</translation>
    </message>
    <message>
        <source>Kursiv</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>&amp;Kursiv</source>
        <translation>&amp;Italic</translation>
    </message>
    <message>
        <source>Unterstrichen</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>&amp;Unterstrichen</source>
        <translation>&amp;Underline</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>&amp;Links</source>
        <translation>&amp;Left</translation>
    </message>
    <message>
        <source>Zentriert</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>&amp;Zentriert</source>
        <translation>C&amp;enter</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>&amp;Rechts</source>
        <translation>&amp;Right</translation>
    </message>
    <message>
        <source>Blocksatz</source>
        <translation>Justify</translation>
    </message>
    <message>
        <source>&amp;Blocksatz</source>
        <translation>&amp;Justify</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>&amp;Farbe...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht gespeichert werden.
</source>
        <translation>The file &quot;%1&quot; could not be saved.
</translation>
    </message>
    <message>
        <source>Das Dokument &quot;%1&quot; wurde geändert.
Sollen die Änderungen gespeichert werden?</source>
        <translation>The document &quot;%1&quot; has been modified.
Do you want to save your changes?</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Verwerfen</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>%1[*] – Editor</source>
        <translation>%1[*] – Editor</translation>
    </message>
    <message>
        <source>Absatzformat</source>
        <translation>Paragraph Style</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Font Family</translation>
    </message>
    <message>
        <source>Schriftgröße</source>
        <translation>Font Size</translation>
    </message>
    <message>
        <source>Editor[*]</source>
        <translation>Editor[*]</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; wurde inzwischen von einem anderen Programm geändert.
Soll sie trotzdem mit diesem Text überschrieben werden?</source>
        <translation>The file &quot;%1&quot; has been changed by another program meanwhile.
Do you want to overwrite it with this text all the same?</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Druckvorschau…</source>
        <translation>Print Preview…</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>&amp;Suchen…</source>
        <translation>&amp;Find…</translation>
    </message>
</context>
<context>
    <name>CfmFilemanager</name>
    <message>
        <source>Datei speichern</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; gibt es schon.
Soll sie ersetzt werden?</source>
        <translation>The file &quot;%1&quot; already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>CivmIconViewManager</name>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Neuer Ordner</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Neuer Eintrag</source>
        <translation>New Entry</translation>
    </message>
    <message>
        <source>Eintrag löschen</source>
        <translation>Delete Entry</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Eigenschaften</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Dies ist ein Programm Icon, diese können Sie nicht umbenannt werden
</source>
        <translation>This is a program icon; program icons cannot be renamed.
</translation>
    </message>
    <message>
        <source>Dies ist ein Programm Icon, diese Icon haben keine sichtbaren Eigenschaften
</source>
        <translation>This is a program icon; program icons have no visible properties.
</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; enthält einen Eintrag.
Soll der Ordner mit seinem Inhalt gelöscht werden?</source>
        <translation>The folder &quot;%1&quot; contains one entry.
Do you want to delete the folder with its contents?</translation>
    </message>
    <message numerus="yes">
        <source>Der Ordner &quot;%1&quot; enthält %n Einträge.
Soll der Ordner mit seinem Inhalt gelöscht werden?</source>
        <translation>
            <numerusform>The folder &quot;%1&quot; contains %n entry.
Do you want to delete the folder with its contents?</numerusform>
            <numerusform>The folder &quot;%1&quot; contains %n entries.
Do you want to delete the folder with its contents?</numerusform>
        </translation>
    </message>
    <message>
        <source>Ordner löschen</source>
        <translation>Delete Folder</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Der Name darf nicht leer sein.
</source>
        <translation>The name must not be empty.
</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist in diesem Ordner schon vergeben.
</source>
        <translation>The name &quot;%1&quot; is already taken in this folder.
</translation>
    </message>
    <message>
        <source>Der Name &quot;root&quot; ist dem obersten Ordner vorbehalten.
</source>
        <translation>The name &quot;root&quot; is reserved for the top folder.
</translation>
    </message>
    <message>
        <source>Es gibt schon einen Ordner mit dem Namen &quot;%1&quot;.
</source>
        <translation>There is already a folder named &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>Der Arbeitsplatz konnte nicht gespeichert werden. Die Änderung ist nur in diesem Fenster zu sehen, bis das Speichern wieder gelingt.
</source>
        <translation>The workspace could not be saved. The change shows only in this window until saving succeeds again.
</translation>
    </message>
    <message>
        <source>Der Eintrag wurde inzwischen in einem anderen Fenster oder Programm gelöscht.
</source>
        <translation>The entry has been deleted in another window or program meanwhile.
</translation>
    </message>
    <message>
        <source>Der Befehl &quot;%1&quot; kann nicht ausgeführt werden.
</source>
        <translation>The command &quot;%1&quot; cannot be run.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kann nicht wiederhergestellt werden: den Ordner &quot;%2&quot; gibt es nicht mehr.
</source>
        <translation>&quot;%1&quot; cannot be restored: the folder &quot;%2&quot; no longer exists.
</translation>
    </message>
</context>
<context>
    <name>CsfdSimpleFileDialog</name>
    <message>
        <source>Neuer Ordner / Neuer Eintrag anlegen</source>
        <translation>New Folder / New Entry</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>auszuführender Befehl</source>
        <translation>Command to run</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Browse</translation>
    </message>
    <message>
        <source>Icon ( *.bmp )</source>
        <translation>Icon ( *.bmp )</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Befehl suchen</source>
        <translation>Browse for Command</translation>
    </message>
    <message>
        <source>Icon suchen</source>
        <translation>Browse for Icon</translation>
    </message>
    <message>
        <source>Befehl suchen (%1)</source>
        <translation>Browse for Command (%1)</translation>
    </message>
    <message>
        <source>Icon suchen (%1)</source>
        <translation>Browse for Icon (%1)</translation>
    </message>
</context>
<context>
    <name>CsfdSimpleFileDialogIf</name>
    <message>
        <source>Neuer Eintrag anlegen</source>
        <translation>New Entry</translation>
    </message>
    <message>
        <source>Neuer Ordner</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Eigenschaften</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Icon Datei Namen suchen</source>
        <translation>Find Icon File</translation>
    </message>
    <message>
        <source>Datei Namen suchen</source>
        <translation>Find File</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All Files (*)</translation>
    </message>
</context>
<context>
    <name>CwsDirectoryIcon</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Dies ist ein Programm Icon, diese können Sie nicht löschen
</source>
        <translation>This is a program icon; program icons cannot be deleted.
</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Groß-/Kleinschreibung beachten</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Suchen nach</source>
        <translation>Find text</translation>
    </message>
    <message>
        <source>Nächster Treffer</source>
        <translation>Next Match</translation>
    </message>
    <message>
        <source>Vorheriger Treffer</source>
        <translation>Previous Match</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Suchleiste schließen (Esc)</source>
        <translation>Close the find bar (Esc)</translation>
    </message>
    <message>
        <source>Nicht gefunden</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Nächster Treffer (%1)</source>
        <translation>Next Match (%1)</translation>
    </message>
    <message>
        <source>Vorheriger Treffer (%1)</source>
        <translation>Previous Match (%1)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Öffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Schliessen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Gehe</source>
        <translation>&amp;Go</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Vor</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Home</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Lesezeichen</source>
        <translation>Bookmarks</translation>
    </message>
    <message>
        <source>Lesezeichen Hinzufügen</source>
        <translation>Add Bookmark</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vor</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>TORVA Hilfe System</source>
        <translation>TORVA Help System</translation>
    </message>
    <message>
        <source>&lt;p&gt;Das ist das TORVA Hilfe System v1.0.0.Programmierer: TORVA Solutions&lt;/p&gt;</source>
        <translation>&lt;p&gt;This is the TORVA Help System v1.0.0. Programmer: TORVA Solutions&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Die Seite &quot;%1&quot; kann nicht geöffnet werden.
</source>
        <translation>The page &quot;%1&quot; cannot be opened.
</translation>
    </message>
    <message>
        <source>Die Lesezeichen konnten nicht gespeichert werden.
</source>
        <translation>The bookmarks could not be saved.
</translation>
    </message>
    <message>
        <source>Der Verlauf konnte nicht gespeichert werden.
</source>
        <translation>The history could not be saved.
</translation>
    </message>
    <message>
        <source>Druckvorschau…</source>
        <translation>Print Preview…</translation>
    </message>
    <message>
        <source>In der Seite suchen…</source>
        <translation>Find in Page…</translation>
    </message>
    <message>
        <source>Lesezeichen entfernen</source>
        <translation>Remove Bookmark</translation>
    </message>
    <message>
        <source>Hilfe durchsuchen</source>
        <translation>Search Help</translation>
    </message>
    <message>
        <source>Suchergebnisse</source>
        <translation>Search Results</translation>
    </message>
    <message>
        <source>Keine Seite enthält &quot;%1&quot;.</source>
        <translation>No page contains &quot;%1&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%n Seite(n) gefunden.</source>
        <translation>
            <numerusform>%n page found.</numerusform>
            <numerusform>%n pages found.</numerusform>
        </translation>
    </message>
</context>
</TS>
