<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Informationen</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Skin-Editor für den Orvana one-Player</source>
        <translation>Skin editor for the Orvana one player</translation>
    </message>
    <message>
        <source>Mit Qt gebaut, für Linux und Windows</source>
        <translation>Built with Qt, for Linux and Windows</translation>
    </message>
    <message>
        <source>Diese Version ist für folgende Programme:
Alle 1.4 und 1.5 Versionen von dem Orvana one-Player.</source>
        <translation>This version is for the following programs:
All 1.4 and 1.5 versions of the Orvana one player.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Arrangement</name>
    <message>
        <source>&amp;Links ausrichten</source>
        <translation>Align &amp;Left</translation>
    </message>
    <message>
        <source>&amp;Horizontal zentrieren</source>
        <translation>Center &amp;Horizontally</translation>
    </message>
    <message>
        <source>&amp;Rechts ausrichten</source>
        <translation>Align &amp;Right</translation>
    </message>
    <message>
        <source>&amp;Oben ausrichten</source>
        <translation>Align &amp;Top</translation>
    </message>
    <message>
        <source>&amp;Vertikal zentrieren</source>
        <translation>Center &amp;Vertically</translation>
    </message>
    <message>
        <source>&amp;Unten ausrichten</source>
        <translation>Align &amp;Bottom</translation>
    </message>
    <message>
        <source>Hori&amp;zontal gleichmäßig verteilen</source>
        <translation>Distribute Hori&amp;zontally</translation>
    </message>
    <message>
        <source>Verti&amp;kal gleichmäßig verteilen</source>
        <translation>Distribute Verti&amp;cally</translation>
    </message>
    <message>
        <source>Gleiche &amp;Breite</source>
        <translation>Same &amp;Width</translation>
    </message>
    <message>
        <source>&amp;Gleiche Höhe</source>
        <translation>Same Hei&amp;ght</translation>
    </message>
</context>
<context>
    <name>BitmapRepair</name>
    <message>
        <source>Die Bitmap %1 konnte nicht in den Ordner des Skins geschrieben werden. Es wurde nichts ersetzt.</source>
        <translation>The bitmap %1 could not be written into the skin’s folder. Nothing was replaced.</translation>
    </message>
    <message>
        <source>Das Skin sucht die Bitmap %1 außerhalb seines Ordners. Velmor ersetzt nur Bitmaps im Ordner des Skins.</source>
        <translation>The skin looks for the bitmap %1 outside its folder. Velmor replaces only bitmaps in the skin’s folder.</translation>
    </message>
    <message>
        <source>Die Bitmap %1 läge über eine Verknüpfung außerhalb des Skin-Ordners. Velmor ersetzt nur Bitmaps im Ordner des Skins.</source>
        <translation>The bitmap %1 would lie outside the skin’s folder through a link. Velmor replaces only bitmaps in the skin’s folder.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Bitmap, die Velmor laden kann:
%2</source>
        <translation>The file %1 is no bitmap Velmor can load:
%2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Prüft jedes SKIN und nennt alle Probleme.</source>
        <translation>Checks every SKIN and lists all its problems.</translation>
    </message>
    <message>
        <source>Schreibt die vier Seiten des SKIN als PNG-Bilder in den Ordner DIR.</source>
        <translation>Writes the four pages of SKIN as PNG pictures into the folder DIR.</translation>
    </message>
    <message>
        <source>Legt SKIN als neues Skin für den Player VERSION (1.4 oder 1.5) an, aus der Vorlage.</source>
        <translation>Creates SKIN as a new skin for the player VERSION (1.4 or 1.5) from the template.</translation>
    </message>
    <message>
        <source>Packt SKIN mit genau den Bitmaps, die es nennt, in die ZIP-Datei OUT.</source>
        <translation>Packs SKIN with exactly the bitmaps it names into the ZIP file OUT.</translation>
    </message>
    <message>
        <source>Zeigt alle Texte dieses Aufrufs in der Sprache LANG (de oder en), ohne die gewählte Sprache zu ändern.</source>
        <translation>Shows every text of this run in the language LANG (de or en) without changing the chosen language.</translation>
    </message>
    <message>
        <source>Velmor, der Skin-Editor für Orvana one.</source>
        <translation>Velmor, the skin editor for Orvana one.</translation>
    </message>
    <message>
        <source>--lang kennt de und en.</source>
        <translation>--lang knows de and en.</translation>
    </message>
    <message>
        <source>--check braucht mindestens ein SKIN.</source>
        <translation>--check needs at least one SKIN.</translation>
    </message>
    <message>
        <source>--export-png braucht genau ein SKIN.</source>
        <translation>--export-png needs exactly one SKIN.</translation>
    </message>
    <message>
        <source>--new-skin kennt die Player 1.4 und 1.5.</source>
        <translation>--new-skin knows the players 1.4 and 1.5.</translation>
    </message>
    <message>
        <source>--new-skin braucht genau ein SKIN.</source>
        <translation>--new-skin needs exactly one SKIN.</translation>
    </message>
    <message>
        <source>--pack braucht genau ein SKIN.</source>
        <translation>--pack needs exactly one SKIN.</translation>
    </message>
    <message>
        <source>Es lässt sich nur ein SKIN öffnen.</source>
        <translation>Only one SKIN can be opened.</translation>
    </message>
    <message>
        <source>Hilfe gibt velmor --help.</source>
        <translation>velmor --help gives help.</translation>
    </message>
    <message>
        <source>Gibt das Ergebnis von --check oder --diff als JSON aus; bei --check kurz für --format json.</source>
        <translation>Writes the result of --check or --diff as JSON; with --check short for --format json.</translation>
    </message>
    <message>
        <source>Gibt das Ergebnis von --check als FORMAT aus: text (die Vorgabe), json oder sarif.</source>
        <translation>Writes the result of --check as FORMAT: text (the default), json or sarif.</translation>
    </message>
    <message>
        <source>Nennt bei --check auch Hinweise, etwa Bitmaps beim Skin, die kein Schlüssel nennt.</source>
        <translation>With --check, lists notes too, such as bitmaps beside the skin that no key names.</translation>
    </message>
    <message>
        <source>Vergleicht zwei SKIN und nennt, was sich für den Editor unterscheidet.</source>
        <translation>Compares two SKINs and lists what differs for the editor.</translation>
    </message>
    <message>
        <source>Die Skin-Datei (.lkv); mit --check auch mehrere, mit --diff genau zwei.</source>
        <translation>The skin file (.lkv); with --check several, with --diff exactly two.</translation>
    </message>
    <message>
        <source>--format kennt text, json und sarif; --json steht für json.</source>
        <translation>--format knows text, json and sarif; --json stands for json.</translation>
    </message>
    <message>
        <source>--diff braucht genau zwei SKIN.</source>
        <translation>--diff needs exactly two SKINs.</translation>
    </message>
    <message>
        <source>--check, --diff, --export-png, --new-skin und --pack schließen sich aus.</source>
        <translation>--check, --diff, --export-png, --new-skin and --pack exclude each other.</translation>
    </message>
    <message>
        <source>--json gilt nur zusammen mit --check oder --diff.</source>
        <translation>--json applies only together with --check or --diff.</translation>
    </message>
    <message>
        <source>--format und --all gelten nur zusammen mit --check.</source>
        <translation>--format and --all apply only together with --check.</translation>
    </message>
    <message>
        <source>Ohne Fenster braucht es --check, --diff oder --export-png.</source>
        <translation>Without a window, --check, --diff or --export-png is needed.</translation>
    </message>
    <message>
        <source>Das Ergebnis lässt sich nicht in die Ausgabe schreiben.</source>
        <translation>The result cannot be written to the output.</translation>
    </message>
    <message>
        <source>Lässt --export-png, --new-skin und --pack eine Datei ersetzen, die es schon gibt; Verknüpfungen und andere Dinge als Dateien ersetzt Velmor nie.</source>
        <translation>Lets --export-png, --new-skin and --pack replace a file that exists; Velmor never replaces links or anything that is not a file.</translation>
    </message>
    <message>
        <source>--force gilt nur zusammen mit --export-png, --new-skin oder --pack.</source>
        <translation>--force applies only together with --export-png, --new-skin or --pack.</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>%1: nennt %2 statt %3.</source>
        <translation>%1: names %2 instead of %3.</translation>
    </message>
    <message>
        <source>%1: andere Pixel in %2.</source>
        <translation>%1: other pixels in %2.</translation>
    </message>
    <message>
        <source>%1: nennt %2 statt %3, mit anderen Pixeln.</source>
        <translation>%1: names %2 instead of %3, with other pixels.</translation>
    </message>
    <message>
        <source>Die Version ist %1 statt %2.</source>
        <translation>The version is %1 instead of %2.</translation>
    </message>
    <message>
        <source>Der Skin-Name ist %1 statt %2.</source>
        <translation>The skin name is %1 instead of %2.</translation>
    </message>
    <message>
        <source>Der Abschnitt [%1] steht nur in A.</source>
        <translation>The section [%1] is only in A.</translation>
    </message>
    <message>
        <source>Der Abschnitt [%1] steht nur in B.</source>
        <translation>The section [%1] is only in B.</translation>
    </message>
    <message>
        <source>%1 ist verschoben: von %2 nach %3.</source>
        <translation>%1 has moved: from %2 to %3.</translation>
    </message>
    <message>
        <source>%1 hat eine andere Größe: %2 statt %3.</source>
        <translation>%1 has another size: %2 instead of %3.</translation>
    </message>
    <message>
        <source>%1: Die Datei %2 fehlt in A.</source>
        <translation>%1: The file %2 is missing in A.</translation>
    </message>
    <message>
        <source>%1: Die Datei %2 fehlt in B.</source>
        <translation>%1: The file %2 is missing in B.</translation>
    </message>
</context>
<context>
    <name>EditingPanel</name>
    <message>
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Zusätzliche Bilder </source>
        <translation>Additional pictures </translation>
    </message>
    <message>
        <source>Zeigt zusätzliche Bilder an</source>
        <translation>Shows additional pictures</translation>
    </message>
    <message>
        <source>Bildname</source>
        <translation>Picture name</translation>
    </message>
    <message>
        <source>Änderungen unter Kategorie Player-Sicht</source>
        <translation>Edit this on the Player View tab</translation>
    </message>
    <message>
        <source>Wähl Eines der 3 Bilder aus.</source>
        <translation>Choose one of the 3 pictures.</translation>
    </message>
    <message>
        <source>Einen von 3 Bilder auswählen.</source>
        <translation>Select one of 3 pictures.</translation>
    </message>
    <message>
        <source>Einen von 4 Bilder auswählen.</source>
        <translation>Select one of 4 pictures.</translation>
    </message>
    <message>
        <source>Player-Ansicht</source>
        <translation>Player view</translation>
    </message>
    <message>
        <source>Vorschau oder Liedersammlung-Ansicht-Ansicht</source>
        <translation>Preview or song collection view</translation>
    </message>
</context>
<context>
    <name>EditorDocument</name>
    <message>
        <source>Größe ändern</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>Position ändern</source>
        <translation>Change position</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Position und Größe einfügen</source>
        <translation>Paste position and size</translation>
    </message>
    <message>
        <source>Position einfügen</source>
        <translation>Paste position</translation>
    </message>
</context>
<context>
    <name>ElementMenu</name>
    <message>
        <source>Im Bericht zeigen</source>
        <translation>Show in Report</translation>
    </message>
    <message>
        <source>Position kopieren</source>
        <translation>Copy Position</translation>
    </message>
    <message>
        <source>Position und Größe einfügen</source>
        <translation>Paste Position and Size</translation>
    </message>
    <message>
        <source>Position einfügen</source>
        <translation>Paste Position</translation>
    </message>
    <message>
        <source>Bild für %1 wählen...</source>
        <translation>Choose Picture for %1...</translation>
    </message>
</context>
<context>
    <name>ElementOutline</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Elemente</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>Nach Nummer, Abschnitt oder Name filtern</source>
        <translation>Filter by number, section or name</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Abschnitt</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>E&amp;lemente</source>
        <translation>E&amp;lements</translation>
    </message>
</context>
<context>
    <name>ElementViews</name>
    <message>
        <source>Sender</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Element %1 [%2], %3 × %4</source>
        <translation>Element %1 [%2], %3 × %4</translation>
    </message>
</context>
<context>
    <name>FileContents</name>
    <message>
        <source>es gibt sie nicht</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <source>sie ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe</source>
        <translation>it is no regular file but a folder, a device or a pipe</translation>
    </message>
    <message>
        <source>sie ist größer als %1 MiB</source>
        <translation>it is larger than %1 MiB</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2.</source>
        <translation>The file %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>sie ist ein symbolischer Link, der im Kreis auf sich selbst führt</source>
        <translation>it is a symbolic link that leads round in a circle back to itself</translation>
    </message>
</context>
<context>
    <name>FileWatch</name>
    <message>
        <source>Bestätigung</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde außerhalb von Velmor geändert. Trotzdem überschreiben?</source>
        <translation>The file %1 was changed outside Velmor. Overwrite it anyway?</translation>
    </message>
    <message>
        <source>Die Datei %1 gibt es nicht mehr. „Speichern unter...“ sichert das Skin an anderer Stelle.</source>
        <translation>The file %1 no longer exists. “Save As...” saves the skin elsewhere.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde außerhalb von Velmor geändert. Neu laden?</source>
        <translation>The file %1 was changed outside Velmor. Reload it?</translation>
    </message>
</context>
<context>
    <name>FileWrites</name>
    <message>
        <source>Dort steht eine Verknüpfung; Velmor schreibt nie durch eine Verknüpfung.</source>
        <translation>A link stands there; Velmor never writes through a link.</translation>
    </message>
    <message>
        <source>Dort steht keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe; Velmor ersetzt nur gewöhnliche Dateien.</source>
        <translation>What stands there is no plain file but a folder, a device or a pipe; Velmor only replaces plain files.</translation>
    </message>
    <message>
        <source>Die Datei gibt es schon; --force ersetzt sie.</source>
        <translation>The file exists already; --force replaces it.</translation>
    </message>
    <message>
        <source>Die Datei ist schreibgeschützt.</source>
        <translation>The file is read-only.</translation>
    </message>
    <message>
        <source>Der Ordner %1 ist schreibgeschützt.</source>
        <translation>The folder %1 is read-only.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>Auf dem Datenträger ist kein Platz mehr.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Dort steht ein Ordner.</source>
        <translation>A folder stands there.</translation>
    </message>
    <message>
        <source>Den Ordner %1 gibt es nicht.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Ein Teil des Pfads ist kein Ordner.</source>
        <translation>A part of the path is not a folder.</translation>
    </message>
    <message>
        <source>Der Pfad führt über Verknüpfungen im Kreis.</source>
        <translation>The path leads round in a circle of links.</translation>
    </message>
    <message>
        <source>Der Pfad ist zu lang.</source>
        <translation>The path is too long.</translation>
    </message>
    <message>
        <source>Das System meldet: %1</source>
        <translation>The system reports: %1</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden.</source>
        <translation>The file %1 could not be saved.</translation>
    </message>
</context>
<context>
    <name>GraphicCommand</name>
    <message>
        <source>Grafik wählen</source>
        <translation>Choose graphic</translation>
    </message>
</context>
<context>
    <name>HeadlessEditor</name>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Das Paket enthält mehrere Skins (%1); exportieren lässt sich nur ein Paket mit genau einem.</source>
        <translation>The package holds several skins (%1); only a package with exactly one can be exported.</translation>
    </message>
</context>
<context>
    <name>HttpClient</name>
    <message>
        <source>Der Server %1 wurde nicht gefunden.</source>
        <translation>The server %1 was not found.</translation>
    </message>
    <message>
        <source>Der Server %1 nimmt keine Verbindung an.</source>
        <translation>The server %1 refuses the connection.</translation>
    </message>
    <message>
        <source>Der Server %1 leitet die Anfrage im Kreis weiter.</source>
        <translation>The server %1 redirects the request in a loop.</translation>
    </message>
    <message>
        <source>Der Server %1 leitet die Anfrage an eine unsichere Adresse weiter.</source>
        <translation>The server %1 redirects the request to an insecure address.</translation>
    </message>
    <message>
        <source>Keine Verbindung zum Server %1: %2</source>
        <translation>No connection to the server %1: %2</translation>
    </message>
    <message>
        <source>Zeitüberschreitung: Der Server %1 hat nicht rechtzeitig geantwortet.</source>
        <translation>Timeout: the server %1 did not answer in time.</translation>
    </message>
    <message>
        <source>Die Antwort des Servers %1 ist größer als 1 MiB und kann keine Datei des Versions-Checkers sein.</source>
        <translation>The answer of the server %1 is larger than 1 MiB and cannot be a file of the version checker.</translation>
    </message>
</context>
<context>
    <name>ListPanels</name>
    <message>
        <source>Obere Leiste</source>
        <translation>Top bar</translation>
    </message>
    <message>
        <source>Gekachelter Hintergrund</source>
        <translation>Tiled background</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skin zum Vergleichen wählen</source>
        <translation>Choose Skin to Compare With</translation>
    </message>
</context>
<context>
    <name>ModeBadge</name>
    <message>
        <source>Vorschau läuft – F5 beendet</source>
        <translation>Preview running – F5 ends it</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>Unbekannte Bilddateierweiterung (.%1)</source>
        <translation>Unknown picture file extension (.%1)</translation>
    </message>
    <message>
        <source>Datei %1 kann nicht geöffnet werden</source>
        <translation>File %1 cannot be opened</translation>
    </message>
    <message>
        <source>Bitmap ist zu groß (%1 × %2 Pixel, erlaubt sind höchstens %3 × %3).</source>
        <translation>Bitmap is too large (%1 × %2 pixels, at most %3 × %3 are allowed).</translation>
    </message>
    <message>
        <source>Bitmap ist ungültig</source>
        <translation>Bitmap is invalid</translation>
    </message>
    <message>
        <source>Datei %1 kann nicht geöffnet werden: %2</source>
        <translation>File %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>der Name ist länger, als Dateisysteme erlauben</source>
        <translation>the name is longer than file systems allow</translation>
    </message>
    <message>
        <source>ihre Pixel beginnen erst hinter dem Ende der Datei</source>
        <translation>its pixels begin only past the end of the file</translation>
    </message>
    <message>
        <source>die Datei endet vor dem Ende ihrer Pixel</source>
        <translation>the file ends before its pixels do</translation>
    </message>
    <message>
        <source>Bitmap ist ungültig: %1</source>
        <translation>Bitmap is invalid: %1</translation>
    </message>
    <message>
        <source>die Höhe −2147483648 ist unmöglich</source>
        <translation>a height of −2147483648 is impossible</translation>
    </message>
</context>
<context>
    <name>PlayerViewPage</name>
    <message>
        <source>Menü Sicht</source>
        <translation>Menu view</translation>
    </message>
    <message>
        <source>Qualitets Sicht: grün</source>
        <translation>Quality view: green</translation>
    </message>
    <message>
        <source>Qualitets Sicht: gelb</source>
        <translation>Quality view: yellow</translation>
    </message>
    <message>
        <source>Qualitets Sicht: rot</source>
        <translation>Quality view: red</translation>
    </message>
    <message>
        <source>Stream Bild</source>
        <translation>Stream picture</translation>
    </message>
    <message>
        <source>Curpos Bild</source>
        <translation>Curpos picture</translation>
    </message>
    <message>
        <source>Transparent </source>
        <translation>Transparent </translation>
    </message>
</context>
<context>
    <name>ProblemCode</name>
    <message>
        <source>Das Skin-Paket kann nicht gelesen werden.</source>
        <translation>The skin package cannot be read.</translation>
    </message>
    <message>
        <source>Die Skin-Datei kann nicht gelesen werden.</source>
        <translation>The skin file cannot be read.</translation>
    </message>
    <message>
        <source>Abschnitte, die der Player braucht, fehlen oder sind leer.</source>
        <translation>Sections the player needs are missing or empty.</translation>
    </message>
    <message>
        <source>Ein Abschnitt, den der Player braucht, fehlt oder ist leer.</source>
        <translation>A section the player needs is missing or empty.</translation>
    </message>
    <message>
        <source>Ein unbekannter Abschnitt ist einen Tippfehler von einem fehlenden entfernt.</source>
        <translation>An unknown section is one typo away from a missing one.</translation>
    </message>
    <message>
        <source>Ein Abschnitt steht zweimal in der Datei; der Player liest nur den ersten.</source>
        <translation>A section appears twice in the file; the player reads only the first.</translation>
    </message>
    <message>
        <source>Ein Bitmap-Schlüssel fehlt; gelesen wird der Dateiname „0“.</source>
        <translation>A bitmap key is missing; the file name “0” is read.</translation>
    </message>
    <message>
        <source>Die genannte Bitmap gibt es nicht.</source>
        <translation>The bitmap named does not exist.</translation>
    </message>
    <message>
        <source>Die genannte Bitmap kann nicht geöffnet werden.</source>
        <translation>The bitmap named cannot be opened.</translation>
    </message>
    <message>
        <source>Der Dateiname endet nicht auf .bmp.</source>
        <translation>The file name does not end in .bmp.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Bitmap, die sich lesen lässt.</source>
        <translation>The file is no bitmap that can be read.</translation>
    </message>
    <message>
        <source>Die Bitmap ist breiter oder höher als 8192 Pixel.</source>
        <translation>The bitmap is wider or taller than 8192 pixels.</translation>
    </message>
    <message>
        <source>Die Bitmap findet sich nur ohne Rücksicht auf Groß- und Kleinschreibung.</source>
        <translation>The bitmap is found only when case is ignored.</translation>
    </message>
    <message>
        <source>Eine Zustands-Bitmap ist nicht so groß wie die von bitmap_up.</source>
        <translation>A state bitmap is not the size of the bitmap_up one.</translation>
    </message>
    <message>
        <source>Die Bitmap von bitmap_up ist nicht so groß wie ihr Element.</source>
        <translation>The bitmap of bitmap_up is not the size of its element.</translation>
    </message>
    <message>
        <source>Das Element liegt nicht ganz auf dem Hintergrund seiner Seite.</source>
        <translation>The element is not wholly on its page’s background.</translation>
    </message>
    <message>
        <source>Die Liste der Seite verdeckt einen Teil des Elements.</source>
        <translation>The page’s list covers part of the element.</translation>
    </message>
    <message>
        <source>Zwei Elemente überlappen sich auf einer Seite.</source>
        <translation>Two elements overlap on a page.</translation>
    </message>
    <message>
        <source>Eine Zustands-Bitmap zeigt dieselben Pixel wie die von bitmap_up.</source>
        <translation>A state bitmap shows the same pixels as the bitmap_up one.</translation>
    </message>
    <message>
        <source>Eine Bitmap beim Skin, die kein Schlüssel nennt.</source>
        <translation>A bitmap beside the skin that no key names.</translation>
    </message>
</context>
<context>
    <name>ProblemText</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Skin: Abschnitte, die der Player braucht, fehlen oder sind leer.</source>
        <translation>The file is not a skin: sections the player needs are missing or empty.</translation>
    </message>
    <message>
        <source>Der Abschnitt [%1] fehlt.</source>
        <translation>The section [%1] is missing.</translation>
    </message>
    <message>
        <source>Der Abschnitt [%1] enthält keinen Schlüssel.</source>
        <translation>The section [%1] contains no key.</translation>
    </message>
    <message>
        <source>Der Abschnitt [%1] ist unbekannt; gemeint ist wohl [%2].</source>
        <translation>The section [%1] is unknown; [%2] is probably meant.</translation>
    </message>
    <message>
        <source>Der Abschnitt [%1] steht ein weiteres Mal in der Datei; der Player liest nur den ersten.</source>
        <translation>The section [%1] appears once more in the file; the player reads only the first.</translation>
    </message>
    <message>
        <source>%1: Der Schlüssel fehlt; gelesen wird der Dateiname „0“.</source>
        <translation>%1: The key is missing; the file name “0” is read.</translation>
    </message>
    <message>
        <source>%1: Die Datei %2 gibt es nicht.</source>
        <translation>%1: The file %2 does not exist.</translation>
    </message>
    <message>
        <source>%1: Die Datei %2 kann nicht geöffnet werden.</source>
        <translation>%1: The file %2 cannot be opened.</translation>
    </message>
    <message>
        <source>%1: %2 hat eine unbekannte Bilddateierweiterung (.%3); erwartet wird .bmp.</source>
        <translation>%1: %2 has an unknown picture file extension (.%3); .bmp is expected.</translation>
    </message>
    <message>
        <source>%1: %2 ist keine gültige Bitmap.</source>
        <translation>%1: %2 is not a valid bitmap.</translation>
    </message>
    <message>
        <source>%1: %2 ist zu groß (%3 Pixel, erlaubt sind höchstens %4 × %4).</source>
        <translation>%1: %2 is too large (%3 pixels, at most %4 × %4 are allowed).</translation>
    </message>
    <message>
        <source>%1: %2 gibt es nur als %3; wo Groß- und Kleinschreibung zählen, fehlt die Datei.</source>
        <translation>%1: %2 exists only as %3; where case matters, the file is missing.</translation>
    </message>
    <message>
        <source>%1: %2 ist %3 Pixel groß, die Bitmap von bitmap_up %4.</source>
        <translation>%1: %2 is %3 pixels, the bitmap of bitmap_up %4.</translation>
    </message>
    <message>
        <source>%1: Die Bitmap %2 ist %3 Pixel groß, das Element %4.</source>
        <translation>%1: The bitmap %2 is %3 pixels, the element %4.</translation>
    </message>
    <message>
        <source>%1 liegt nicht ganz auf dem Hintergrund der Seite „%2“ (%3 Pixel).</source>
        <translation>%1 is not wholly on the background of the page “%2” (%3 pixels).</translation>
    </message>
    <message>
        <source>%1 liegt teilweise unter der Liste der Seite „%2“.</source>
        <translation>%1 lies partly under the list of the page “%2”.</translation>
    </message>
    <message>
        <source>%1 und %2 überlappen sich auf der Seite „%3“.</source>
        <translation>%1 and %2 overlap on the page “%3”.</translation>
    </message>
    <message>
        <source>Element %1 (%2)</source>
        <translation>Element %1 (%2)</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1.</source>
        <translation>The file cannot be read: %1.</translation>
    </message>
    <message>
        <source>%1: Die Datei %2 gibt es nicht: %3.</source>
        <translation>%1: The file %2 does not exist: %3.</translation>
    </message>
    <message>
        <source>%1: Die Datei %2 kann nicht geöffnet werden: %3.</source>
        <translation>%1: The file %2 cannot be opened: %3.</translation>
    </message>
    <message>
        <source>%1: %2 zeigt dieselben Pixel wie die Bitmap von bitmap_up; im Player wirkt das Element, als reagiere es nicht.</source>
        <translation>%1: %2 shows the same pixels as the bitmap of bitmap_up; in the player the element seems not to respond.</translation>
    </message>
    <message>
        <source>Die Bitmap %1 liegt beim Skin, aber kein Schlüssel nennt sie.</source>
        <translation>The bitmap %1 lies beside the skin, but no key names it.</translation>
    </message>
    <message>
        <source>%1: %2 ist keine gültige Bitmap: %3.</source>
        <translation>%1: %2 is not a valid bitmap: %3.</translation>
    </message>
</context>
<context>
    <name>SkinCheckReport</name>
    <message>
        <source>Skin prüfen</source>
        <translation>Check Skin</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Keine Probleme gefunden.</source>
        <translation>No problems found.</translation>
    </message>
    <message>
        <source>1 Warnung</source>
        <translation>1 warning</translation>
    </message>
    <message>
        <source>%1 Warnungen</source>
        <translation>%1 warnings</translation>
    </message>
    <message numerus="yes">
        <source>%n Fehler, %1</source>
        <translation>
            <numerusform>%n error, %1</numerusform>
            <numerusform>%n errors, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Ersetzen...</source>
        <translation>Replace...</translation>
    </message>
    <message>
        <source>Ersatz für %1 wählen</source>
        <translation>Choose Replacement for %1</translation>
    </message>
</context>
<context>
    <name>SkinComparison</name>
    <message>
        <source>Die Datei %1 ist kein Skin: Abschnitte, die der Player braucht, fehlen oder sind leer.</source>
        <translation>The file %1 is not a skin: sections the player needs are missing or empty.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist ein Skin-Paket (ZIP); verglichen werden nur Skin-Dateien (.lkv).</source>
        <translation>The file %1 is a skin package (ZIP); only skin files (.lkv) can be compared.</translation>
    </message>
</context>
<context>
    <name>SkinComparisonWindow</name>
    <message>
        <source>Vergleich</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Unterschied</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Das offene Skin (B) gleicht „%1“ (A).</source>
        <translation>The open skin (B) is the same as “%1” (A).</translation>
    </message>
    <message>
        <source>1 Unterschied zwischen „%1“ (A) und dem offenen Skin (B).</source>
        <translation>1 difference between “%1” (A) and the open skin (B).</translation>
    </message>
    <message>
        <source>%1 Unterschiede zwischen „%2“ (A) und dem offenen Skin (B).</source>
        <translation>%1 differences between “%2” (A) and the open skin (B).</translation>
    </message>
</context>
<context>
    <name>SkinFiles</name>
    <message>
        <source>Die Datei %1 gibt es nicht mehr. Sie wird aus der Liste genommen.</source>
        <translation>The file %1 no longer exists. It is removed from the list.</translation>
    </message>
    <message>
        <source>Skin-Paket öffnen</source>
        <translation>Open Skin Package</translation>
    </message>
    <message>
        <source>Welches Skin des Pakets?</source>
        <translation>Which skin of the package?</translation>
    </message>
    <message>
        <source>Die Vorlage für %1 fehlt.</source>
        <translation>The template for %1 is missing.</translation>
    </message>
    <message>
        <source>Bestätigung</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Das Skin wurde geändert. Speichern ?</source>
        <translation>The skin has been changed. Save it?</translation>
    </message>
    <message>
        <source>Neue Skins lassen sich nicht anlegen. Öffne ein vorhandenes Skin und speichere es unter einem neuen Namen.</source>
        <translation>New skins cannot be created. Open an existing skin and save it under a new name.</translation>
    </message>
    <message>
        <source>Skin öffnen</source>
        <translation>Open Skin</translation>
    </message>
    <message>
        <source>Neu aus Vorlage</source>
        <translation>New from Template</translation>
    </message>
    <message>
        <source>Für welchen Player ist das neue Skin?</source>
        <translation>Which player is the new skin for?</translation>
    </message>
    <message>
        <source>Neues Skin speichern unter</source>
        <translation>Save New Skin As</translation>
    </message>
    <message>
        <source>Skin speichern unter</source>
        <translation>Save Skin As</translation>
    </message>
    <message>
        <source>Im Skin-Ordner gibt es schon eine Datei %1. Ersetzen?</source>
        <translation>The skin folder already holds a file %1. Replace it?</translation>
    </message>
    <message>
        <source>Diese Bitmaps gibt es nicht; das Skin nennt sie trotzdem:
%1</source>
        <translation>These bitmaps do not exist; the skin names them all the same:
%1</translation>
    </message>
</context>
<context>
    <name>SkinLoader</name>
    <message>
        <source>Diese LKV Skin-Datei ist entweder defekt oder noch nicht in dem Velmor enthalten. Es wäre gut wenn du dies per E-mail mir mitteilst und schreibst von welchen Player diese ist. Dann kann ich viel schneller neue Versionen einprogrammieren.</source>
        <translation>This LKV skin file is either damaged or not yet known to Velmor. It would help if you told me by e-mail and wrote which player it comes from. Then I can add new versions much faster.</translation>
    </message>
    <message>
        <source>Velmor (%1 - Skin)</source>
        <translation>Velmor (%1 - Skin)</translation>
    </message>
</context>
<context>
    <name>SkinNameCommand</name>
    <message>
        <source>Skinname</source>
        <translation>Skin name</translation>
    </message>
</context>
<context>
    <name>SkinNameDialog</name>
    <message>
        <source>Skinname</source>
        <translation>Skin name</translation>
    </message>
    <message>
        <source>Name des Skins:</source>
        <translation>Name of the skin:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SkinPackage</name>
    <message>
        <source>Die Datei %1 ist kein Skin.</source>
        <translation>The file %1 is not a skin.</translation>
    </message>
    <message>
        <source>Das Skin nennt die Bitmap %1 mit einem Pfad außerhalb seines Ordners; so lässt sie sich nicht weitergeben.</source>
        <translation>The skin names the bitmap %1 with a path outside its folder; it cannot be passed on like that.</translation>
    </message>
    <message>
        <source>Die Bitmap %1 fehlt; das Skin lässt sich so nicht weitergeben.</source>
        <translation>The bitmap %1 is missing; the skin cannot be passed on like that.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden.</source>
        <translation>The file %1 could not be saved.</translation>
    </message>
    <message>
        <source>Das Paket hat mehr als %1 Einträge.</source>
        <translation>The package has more than %1 entries.</translation>
    </message>
    <message>
        <source>Das Paket ist beschädigt.</source>
        <translation>The package is damaged.</translation>
    </message>
    <message>
        <source>Das Paket enthält die verschlüsselte Datei %1.</source>
        <translation>The package contains the encrypted file %1.</translation>
    </message>
    <message>
        <source>Das Paket enthält den Namen %1, der aus seinem Ordner hinausführt.</source>
        <translation>The package contains the name %1, which leads out of its folder.</translation>
    </message>
    <message>
        <source>Das Paket enthält die Verknüpfung %1.</source>
        <translation>The package contains the link %1.</translation>
    </message>
    <message>
        <source>Das Paket enthält %1 zweimal.</source>
        <translation>The package contains %1 twice.</translation>
    </message>
    <message>
        <source>Das Paket ist beschädigt (%1).</source>
        <translation>The package is damaged (%1).</translation>
    </message>
    <message>
        <source>Das Paket ist entpackt größer als %1 MiB.</source>
        <translation>Unpacked, the package is larger than %1 MiB.</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht schreiben.</source>
        <translation>%1 cannot be written.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein ZIP-Paket oder beschädigt.</source>
        <translation>The file %1 is not a ZIP package or is damaged.</translation>
    </message>
    <message>
        <source>Das Paket enthält kein Skin (.lkv).</source>
        <translation>The package contains no skin (.lkv).</translation>
    </message>
    <message>
        <source>Der Ordner %1 ist nicht leer.</source>
        <translation>The folder %1 is not empty.</translation>
    </message>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Die Datei %1 gehört selbst zum Skin; das Paket kann nicht an ihre Stelle treten.</source>
        <translation>The file %1 is part of the skin itself; the package cannot take its place.</translation>
    </message>
    <message>
        <source>Der Name der Bitmap %1 ist länger, als Dateisysteme erlauben; so lässt sie sich nicht weitergeben.</source>
        <translation>The name of the bitmap %1 is longer than file systems allow; it cannot be passed on like this.</translation>
    </message>
    <message>
        <source>Die Bitmap %1 verweist auf eine Datei außerhalb des Skin-Ordners; so lässt sie sich nicht weitergeben.</source>
        <translation>The bitmap %1 leads to a file outside the skin folder; it cannot be passed on like this.</translation>
    </message>
    <message>
        <source>Die Bitmap %1 lässt sich nicht lesen; das Skin lässt sich so nicht weitergeben.</source>
        <translation>The bitmap %1 cannot be read; the skin cannot be passed on like this.</translation>
    </message>
    <message>
        <source>Die Bitmap %1 lässt sich nicht lesen (%2); das Skin lässt sich so nicht weitergeben.</source>
        <translation>The bitmap %1 cannot be read (%2); the skin cannot be passed on like this.</translation>
    </message>
    <message>
        <source>Das Skin nennt die Dateien %1 und %2, die sich nur in Groß- und Kleinschreibung unterscheiden; wo sie nicht zählt, wären sie eine Datei.</source>
        <translation>The skin names the files %1 and %2, which differ only in case; where case does not count they would be one file.</translation>
    </message>
    <message>
        <source>Das Skin ist mit seinen Bitmaps größer als %1 MiB; so große Pakete nimmt Velmor nicht an.</source>
        <translation>With its bitmaps the skin is larger than %1 MiB; Velmor does not accept packages that large.</translation>
    </message>
    <message>
        <source>Das Paket würde größer als %1 MiB werden; so große Pakete nimmt Velmor nicht an.</source>
        <translation>The package would be larger than %1 MiB; Velmor does not accept packages that large.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist kein ZIP-Paket.</source>
        <translation>The file %1 is no ZIP package.</translation>
    </message>
    <message>
        <source>%1 ist mit dem Verfahren %2 gepackt, das Velmor nicht entpacken kann.</source>
        <translation>%1 is compressed with %2, which Velmor cannot unpack.</translation>
    </message>
    <message>
        <source>Das Paket enthält den Namen %1, der länger ist, als Dateisysteme erlauben.</source>
        <translation>The package holds the name %1, which is longer than file systems allow.</translation>
    </message>
    <message>
        <source>Das Paket enthält %1 und %2, die sich nur in Groß- und Kleinschreibung unterscheiden.</source>
        <translation>The package holds %1 and %2, which differ only in case.</translation>
    </message>
    <message>
        <source>Das Entpacken wurde abgebrochen.</source>
        <translation>The unpacking was interrupted.</translation>
    </message>
</context>
<context>
    <name>SkinPages</name>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Player-Sicht</source>
        <translation>Player View</translation>
    </message>
</context>
<context>
    <name>SkinPictures</name>
    <message>
        <source>„%1“ (%2 MiB)</source>
        <translation>“%1” (%2 MiB)</translation>
    </message>
    <message numerus="yes">
        <source>%n weitere</source>
        <translation>
            <numerusform>%n more</numerusform>
            <numerusform>%n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Bilder des Skins brauchen %1 MiB Speicher, mehr als die %2 MiB, die Velmor für die Bilder eines Skins bereithält. Die größten sind: %3.</source>
        <translation>The skin&apos;s pictures need %1 MiB of memory, more than the %2 MiB Velmor keeps for the pictures of one skin. The largest are: %3.</translation>
    </message>
</context>
<context>
    <name>StartPanel</name>
    <message>
        <source>Kein Skin geöffnet</source>
        <translation>No skin open</translation>
    </message>
    <message>
        <source>Öffne ein Skin, lege eines aus einer Vorlage an oder ziehe eine Skin-Datei (.lkv) oder ein Skin-Paket (.zip) in dieses Fenster.</source>
        <translation>Open a skin, make one from a template, or drop a skin file (.lkv) or a skin package (.zip) into this window.</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>Opened Recently</translation>
    </message>
    <message>
        <source>Skin öffnen...</source>
        <translation>Open Skin...</translation>
    </message>
    <message>
        <source>Neu aus Vorlage...</source>
        <translation>New from Template...</translation>
    </message>
    <message>
        <source>Skin-Paket öffnen...</source>
        <translation>Open Skin Package...</translation>
    </message>
</context>
<context>
    <name>StateBitmapCommand</name>
    <message>
        <source>Bild wählen</source>
        <translation>Choose picture</translation>
    </message>
</context>
<context>
    <name>StatusReadout</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>x %1 · y %2</source>
        <translation>x %1 · y %2</translation>
    </message>
    <message>
        <source>x %1 · y %2 · %3 × %4</source>
        <translation>x %1 · y %2 · %3 × %4</translation>
    </message>
</context>
<context>
    <name>SystemDialogs</name>
    <message>
        <source>Suchen in:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Dateiname:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Dateityp:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Lakova (*.lkv)</source>
        <translation>Lakova (*.lkv)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bestätigung</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Skin-Paket (*.zip)</source>
        <translation>Skin package (*.zip)</translation>
    </message>
    <message>
        <source>Skin-Paket öffnen</source>
        <translation>Open skin package</translation>
    </message>
    <message>
        <source>Als ZIP weitergeben</source>
        <translation>Pass on as ZIP</translation>
    </message>
    <message>
        <source>Skin-Paket entpacken in Ordner</source>
        <translation>Unpack skin package into folder</translation>
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
        <source>Skin öffnen</source>
        <translation>Open Skin</translation>
    </message>
    <message>
        <source>Skin speichern unter</source>
        <translation>Save Skin As</translation>
    </message>
    <message>
        <source>Bitmap wählen</source>
        <translation>Choose Bitmap</translation>
    </message>
</context>
<context>
    <name>TempWorkFolder</name>
    <message>
        <source>Den Ordner für temporäre Dateien %1 gibt es nicht.</source>
        <translation>The folder for temporary files %1 does not exist.</translation>
    </message>
    <message>
        <source>Im Ordner für temporäre Dateien %1 lässt sich kein Arbeitsordner anlegen (%2).</source>
        <translation>No work folder can be created in the folder for temporary files %1 (%2).</translation>
    </message>
</context>
<context>
    <name>VersionChecker</name>
    <message>
        <source>Es konnte keine Verbindung mit der Datei im Internet festgestellt werden.</source>
        <translation>Could not connect to the file on the Internet.</translation>
    </message>
    <message>
        <source>Velmor Versions-Checker</source>
        <translation>Velmor version checker</translation>
    </message>
    <message>
        <source>Download Server</source>
        <translation>Download server</translation>
    </message>
    <message>
        <source>Versionsinformationen</source>
        <translation>Version information</translation>
    </message>
    <message>
        <source>auf deinem PC</source>
        <translation>on your PC</translation>
    </message>
    <message>
        <source>im Internet:</source>
        <translation>on the Internet:</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>unbenannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>News</source>
        <translation>News</translation>
    </message>
    <message>
        <source>&amp;Gibt&apos;s was neues?</source>
        <translation>&amp;Anything new?</translation>
    </message>
    <message>
        <source>&amp;Start Download</source>
        <translation>&amp;Start download</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Keine News gefunden</source>
        <translation>No news found</translation>
    </message>
    <message>
        <source>Ja, neue News aber keine neue Version des Velmors.</source>
        <translation>Yes, there is news, but no new version of Velmor.</translation>
    </message>
    <message>
        <source>Nein, keine neuen News und noch keine neue Version des Velmors.</source>
        <translation>No news, and no new version of Velmor yet.</translation>
    </message>
    <message>
        <source>Ja, neue News und eine neue Version des Velmors.</source>
        <translation>Yes, there is news and a new version of Velmor.</translation>
    </message>
    <message>
        <source>Nein, keine neuen News aber eine neue Version des Velmors.</source>
        <translation>No news, but a new version of Velmor.</translation>
    </message>
    <message>
        <source>Ja, neue News </source>
        <translation>Yes, there is news </translation>
    </message>
    <message>
        <source>Nein, keine neuen News </source>
        <translation>No news </translation>
    </message>
    <message>
        <source>Es konnte keine Verbindung mit der Datei auf %1 hergestellt werden.</source>
        <translation>Could not connect to the file on %1.</translation>
    </message>
    <message>
        <source>Bestätigung</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Neu aus &amp;Vorlage...</source>
        <translation>New from &amp;Template...</translation>
    </message>
    <message>
        <source>Neu aus Vorlage|Ein neues Skin aus einem Demo-Skin anlegen</source>
        <translation>New from template|Create a new skin from a demo skin</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Öffnen|Vorhandene Datei öffnen</source>
        <translation>Open|Open an existing file</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Speichern unter|Aktive Datei unter einem neuen Namen speichern</source>
        <translation>Save As|Save the active file under a new name</translation>
    </message>
    <message>
        <source>Skin-&amp;Paket öffnen...</source>
        <translation>Open Skin &amp;Package...</translation>
    </message>
    <message>
        <source>Skin-Paket öffnen|Ein Skin aus einer ZIP-Datei entpacken und öffnen</source>
        <translation>Open skin package|Unpack a skin from a ZIP file and open it</translation>
    </message>
    <message>
        <source>Als ZIP &amp;weitergeben...</source>
        <translation>Share as &amp;ZIP...</translation>
    </message>
    <message>
        <source>Als ZIP weitergeben|Das Skin mit seinen Bitmaps in eine ZIP-Datei packen</source>
        <translation>Share as ZIP|Pack the skin with its bitmaps into a ZIP file</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Beenden|Anwendung beenden</source>
        <translation>Exit|Quit the application</translation>
    </message>
    <message>
        <source>&amp;Skinname</source>
        <translation>&amp;Skin Name</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Skin &amp;prüfen</source>
        <translation>&amp;Check Skin</translation>
    </message>
    <message>
        <source>Skin prüfen|Alle Probleme des Skins auflisten</source>
        <translation>Check skin|List every problem of the skin</translation>
    </message>
    <message>
        <source>(leer)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>I&amp;nfo</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <source>S&amp;kinname</source>
        <translation>S&amp;kin Name</translation>
    </message>
    <message>
        <source>Ver&amp;größern</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Vergrößern|Die Seiten größer zeigen</source>
        <translation>Zoom In|Show the pages larger</translation>
    </message>
    <message>
        <source>Ver&amp;kleinern</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>Verkleinern|Die Seiten kleiner zeigen</source>
        <translation>Zoom Out|Show the pages smaller</translation>
    </message>
    <message>
        <source>&amp;Originalgröße</source>
        <translation>&amp;Actual Size</translation>
    </message>
    <message>
        <source>Originalgröße|Die Seiten in 100 % zeigen</source>
        <translation>Actual Size|Show the pages at 100 %</translation>
    </message>
    <message>
        <source>Ganze &amp;Seite</source>
        <translation>&amp;Fit Page</translation>
    </message>
    <message>
        <source>Ganze Seite|Die ganze Seite ins Fenster einpassen</source>
        <translation>Fit Page|Fit the whole page into the window</translation>
    </message>
    <message>
        <source>&amp;Pixelraster</source>
        <translation>&amp;Pixel Grid</translation>
    </message>
    <message>
        <source>Pixelraster|Ab 400 % ein Raster zwischen den Pixeln zeigen</source>
        <translation>Pixel Grid|From 400 % show a grid between the pixels</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Alles auswählen</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>Alles auswählen|Jedes Element der gezeigten Seite auswählen</source>
        <translation>Select All|Select every element of the page shown</translation>
    </message>
    <message>
        <source>An &amp;Elementen einrasten</source>
        <translation>Snap to &amp;Elements</translation>
    </message>
    <message>
        <source>An Elementen einrasten|Beim Ziehen an Kanten und Mitten der anderen Elemente einrasten</source>
        <translation>Snap to Elements|While dragging, snap to the edges and centres of the other elements</translation>
    </message>
    <message>
        <source>Am &amp;Raster einrasten</source>
        <translation>Snap to &amp;Grid</translation>
    </message>
    <message>
        <source>Am Raster einrasten|Beim Ziehen auf das Raster einrasten</source>
        <translation>Snap to Grid|While dragging, snap to the grid</translation>
    </message>
    <message>
        <source>&amp;Zustände vorführen</source>
        <translation>Preview &amp;States</translation>
    </message>
    <message>
        <source>Zustände vorführen|Die Seiten reagieren auf Maus und Klick wie der Player; nichts lässt sich bearbeiten</source>
        <translation>Preview States|The pages react to the mouse as the player does; nothing can be edited</translation>
    </message>
    <message>
        <source>&amp;Deaktiviert zeigen</source>
        <translation>Show &amp;Disabled</translation>
    </message>
    <message>
        <source>Deaktiviert zeigen|Jedes Element mit vier Zuständen deaktiviert zeigen</source>
        <translation>Show Disabled|Show every four-state element disabled</translation>
    </message>
    <message>
        <source>Vergleichen mit|Zeigen, worin sich das Skin von einer anderen Skin-Datei unterscheidet</source>
        <translation>Compare With|Show how the skin differs from another skin file</translation>
    </message>
    <message>
        <source>Ver&amp;gleichen mit...</source>
        <translation>&amp;Compare With...</translation>
    </message>
    <message>
        <source>&amp;Versions-Update</source>
        <translation>&amp;Version Update</translation>
    </message>
    <message>
        <source>Ü&amp;ber Velmor</source>
        <translation>&amp;About Velmor</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>An&amp;ordnen</source>
        <translation>&amp;Arrange</translation>
    </message>
</context>
<context>
    <name>Workspace</name>
    <message>
        <source>Bitmap wählen</source>
        <translation>Choose Bitmap</translation>
    </message>
</context>
</TS>
