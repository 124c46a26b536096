<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>DemoWindow</name>
    <message>
        <source>TORVASyslib Demo – Arbeitsplatz</source>
        <translation>TORVASyslib Demo – Workspace</translation>
    </message>
    <message>
        <source>Arbeitsplatz: %1</source>
        <translation>Workspace: %1</translation>
    </message>
    <message>
        <source>Über die Demo</source>
        <translation>About the Demo</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Notiz&lt;/h2&gt;&lt;p&gt;Dieser Text steht in &lt;b&gt;%1&lt;/b&gt;. Formatieren Sie ihn mit der Format-Leiste, speichern Sie ihn mit Strg+S.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Note&lt;/h2&gt;&lt;p&gt;This text is kept in &lt;b&gt;%1&lt;/b&gt;. Format it with the format bar, save it with Ctrl+S.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Programm &quot;%1&quot; gibt es in dieser Demo noch nicht.</source>
        <translation>The program &quot;%1&quot; is not part of this demo yet.</translation>
    </message>
    <message>
        <source>Gedruckt, wohin Sie es im Druckdialog bestimmt haben.</source>
        <translation>Printed where you chose in the print dialog.</translation>
    </message>
    <message>
        <source>Kein Drucker eingerichtet: gedruckt in die Datei %1</source>
        <translation>No printer set up: printed into the file %1</translation>
    </message>
    <message>
        <source>Gedruckt auf %1</source>
        <translation>Printed on %1</translation>
    </message>
    <message>
        <source> In eine Datei gedruckt, stehen der zweite und dritte Text in &quot;…-2.pdf&quot; und &quot;…-3.pdf&quot; daneben.</source>
        <translation> Printed into a file, the second and third texts are beside it in &quot;…-2.pdf&quot; and &quot;…-3.pdf&quot;.</translation>
    </message>
    <message>
        <source>Diese Anwendung zeigt die Bausteine von TORVASyslib.

Ordner öffnen Sie mit einem Doppelklick, das Kontextmenü mit der rechten Maustaste. Jede Änderung am Arbeitsplatz wird sofort gespeichert.</source>
        <translation>This application shows the parts of TORVASyslib.

Double-click opens a folder, the right mouse button the context menu. Every change to the workspace is saved at once.</translation>
    </message>
    <message>
        <source>Nicht gedruckt.</source>
        <translation>Not printed.</translation>
    </message>
</context>
<context>
    <name>InputsDialog</name>
    <message>
        <source>Noch keine Datei geladen.</source>
        <translation>No file loaded yet.</translation>
    </message>
    <message>
        <source>Eingaben</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Menge (ganze Zahl):</source>
        <translation>Quantity (whole number):</translation>
    </message>
    <message>
        <source>Stückzahl:</source>
        <translation>Pieces:</translation>
    </message>
    <message>
        <source>Betrag (Komma wird Punkt):</source>
        <translation>Amount (comma becomes point):</translation>
    </message>
    <message>
        <source>&amp;Laden...</source>
        <translation>&amp;Load...</translation>
    </message>
    <message>
        <source>&amp;Speichern...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>S&amp;chließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Ein Text, den &quot;Speichern...&quot; in eine .txt-Datei schreibt.</source>
        <translation>A text that &quot;Save...&quot; writes into a .txt file.</translation>
    </message>
    <message>
        <source>Geladen: %1</source>
        <translation>Loaded: %1</translation>
    </message>
    <message>
        <source>Nicht gespeichert.</source>
        <translation>Not saved.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
</context>
</TS>
