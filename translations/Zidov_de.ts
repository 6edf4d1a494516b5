<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BodyAdder</name>
    <message>
        <source>Add a body</source>
        <translation>Gehäuse hinzufügen</translation>
    </message>
    <message>
        <source>Sensor (mm)</source>
        <translation>Sensor (mm)</translation>
    </message>
    <message>
        <source>Crop factor</source>
        <translation>Cropfaktor</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Bajonett</translation>
    </message>
    <message>
        <source>A body needs its maker, its model and its mount.</source>
        <translation>Ein Gehäuse braucht Hersteller, Modell und Bajonett.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and end.</source>
        <translation>Die Version des Programms zeigen und beenden.</translation>
    </message>
    <message>
        <source>Compares the out-of-focus blur of two camera setups over the distance of the subject.</source>
        <translation>Vergleicht die Unschärfe zweier Kameraeinstellungen über die Entfernung des Motivs.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>datei</translation>
    </message>
    <message>
        <source>A project file (.mvx) to open at start, as File &gt; Open does.</source>
        <translation>Eine Projektdatei (.mvx), die beim Start geöffnet wird wie mit Datei &gt; Öffnen.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[datei]</translation>
    </message>
    <message>
        <source>Only one project file can be opened at a time.</source>
        <translation>Es lässt sich nur eine Projektdatei auf einmal öffnen.</translation>
    </message>
</context>
<context>
    <name>CompareCommands</name>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Camera 2 would need f/%1; the smallest f-number is f/%2.</source>
        <translation>Kamera 2 bräuchte f/%1; die kleinste Blendenzahl ist f/%2.</translation>
    </message>
    <message>
        <source>Camera 2 would need f/%1; the largest f-number is f/%2.</source>
        <translation>Kamera 2 bräuchte f/%1; die größte Blendenzahl ist f/%2.</translation>
    </message>
    <message>
        <source>Camera 2 would need %1 mm; the shortest focal length is %2 mm.</source>
        <translation>Kamera 2 bräuchte %1 mm; die kürzeste Brennweite ist %2 mm.</translation>
    </message>
    <message>
        <source>Camera 2 would need %1 mm; the longest focal length is %2 mm.</source>
        <translation>Kamera 2 bräuchte %1 mm; die längste Brennweite ist %2 mm.</translation>
    </message>
    <message>
        <source>No f-number lets Camera 2 match Camera 1 in this.</source>
        <translation>Mit keiner Blendenzahl kommt Kamera 2 hierin Kamera 1 gleich.</translation>
    </message>
    <message>
        <source>No f-number gives Camera 2 the blur at infinity of Camera 1 (zc %1); the nearest it comes is zc %2.</source>
        <translation>Keine Blendenzahl gibt Kamera 2 die Unschärfe im Unendlichen von Kamera 1 (zc %1); am nächsten kommt sie mit zc %2.</translation>
    </message>
    <message>
        <source>Camera 1 has no finite blur at infinity to match.</source>
        <translation>Kamera 1 hat keine endliche Unschärfe im Unendlichen, der Kamera 2 gleichkommen könnte.</translation>
    </message>
    <message>
        <source>Camera 1 has no depth of field to match: even at its focus distance the blur exceeds the circle of confusion.</source>
        <translation>Kamera 1 hat keine Schärfentiefe, der Kamera 2 gleichkommen könnte: selbst in der Fokusentfernung ist die Unschärfe größer als der Zerstreuungskreis.</translation>
    </message>
    <message>
        <source>Camera 2 would need a focus of %1; the nearest is %2.</source>
        <translation>Kamera 2 müsste auf %1 fokussieren; die kürzeste Entfernung ist %2.</translation>
    </message>
    <message>
        <source>Camera 2 would need a focus of %1; the farthest is %2.</source>
        <translation>Kamera 2 müsste auf %1 fokussieren; die größte Entfernung ist %2.</translation>
    </message>
    <message>
        <source>No f-number gives Camera 2 a depth of field as long as Camera 1&apos;s (%1); the nearest it comes is %2.</source>
        <translation>Keine Blendenzahl gibt Kamera 2 eine so lange Schärfentiefe wie Kamera 1 (%1); am nächsten kommt sie mit %2.</translation>
    </message>
    <message>
        <source>No f-number gives Camera 2 the near limit of Camera 1 (%1); the nearest it comes is %2.</source>
        <translation>Keine Blendenzahl gibt Kamera 2 die Nahgrenze von Kamera 1 (%1); am nächsten kommt sie mit %2.</translation>
    </message>
    <message>
        <source>Camera 2: &amp;equivalent settings</source>
        <translation>Kamera 2: äquivalente &amp;Einstellungen</translation>
    </message>
    <message>
        <source>Camera 2: same &amp;framing</source>
        <translation>Kamera 2: gleicher &amp;Bildausschnitt</translation>
    </message>
    <message>
        <source>Camera 2: same &amp;background blur</source>
        <translation>Kamera 2: gleiche &amp;Hintergrundunschärfe</translation>
    </message>
    <message>
        <source>Camera 2: same &amp;depth of field</source>
        <translation>Kamera 2: gleiche &amp;Schärfentiefe</translation>
    </message>
    <message>
        <source>Camera %1 forms no sharp image: its focus is closer than the focal length.</source>
        <translation>Kamera %1 erzeugt kein scharfes Bild: ihr Fokus liegt näher als die Brennweite.</translation>
    </message>
</context>
<context>
    <name>ComparisonReadout</name>
    <message>
        <source>both endless</source>
        <translation>beide endlos</translation>
    </message>
    <message>
        <source>both none</source>
        <translation>beide keine</translation>
    </message>
    <message>
        <source>Camera 2 vs 1: background blur %1 · depth of field %2 · framing %3 / %4</source>
        <translation>Kamera 2 gegen 1: Hintergrundunschärfe %1 · Schärfentiefe %2 · Bildausschnitt %3 / %4</translation>
    </message>
</context>
<context>
    <name>EqWin</name>
    <message>
        <source>Source Crop Factor</source>
        <translation>Ausgangs-Cropfaktor</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Focal Length Start</source>
        <translation>Brennweite von</translation>
    </message>
    <message>
        <source>Focal Length End</source>
        <translation>Brennweite bis</translation>
    </message>
    <message>
        <source>Aperture Start</source>
        <translation>Blende von</translation>
    </message>
    <message>
        <source>Aperture End</source>
        <translation>Blende bis</translation>
    </message>
    <message>
        <source>No of Lenses</source>
        <translation>Anzahl Objektive</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Equivalency calculator</source>
        <translation>Äquivalenzrechner</translation>
    </message>
    <message>
        <source>The crop factor of the camera the lenses are for; the right-hand columns give their full-frame equivalents.</source>
        <translation>Der Cropfaktor der Kamera, für die die Objektive sind; die rechten Spalten geben ihre Kleinbild-Äquivalente.</translation>
    </message>
    <message>
        <source>Not a positive number, so it has no equivalent.</source>
        <translation>Keine positive Zahl, daher ohne Äquivalent.</translation>
    </message>
    <message>
        <source>Full-frame focal length start</source>
        <translation>Kleinbild-Brennweite von</translation>
    </message>
    <message>
        <source>Full-frame focal length end</source>
        <translation>Kleinbild-Brennweite bis</translation>
    </message>
    <message>
        <source>Full-frame aperture start</source>
        <translation>Kleinbild-Blende von</translation>
    </message>
    <message>
        <source>Full-frame aperture end</source>
        <translation>Kleinbild-Blende bis</translation>
    </message>
</context>
<context>
    <name>FramingPlanner</name>
    <message>
        <source>Framing by subject size</source>
        <translation>Bildausschnitt nach Motivgröße</translation>
    </message>
    <message>
        <source>&amp;Subject size:</source>
        <translation>&amp;Motivgröße:</translation>
    </message>
    <message>
        <source>How large the subject is along the frame side chosen below.</source>
        <translation>Wie groß das Motiv entlang der unten gewählten Bildseite ist.</translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>&amp;Fills the frame&apos;s:</source>
        <translation>&amp;Füllt im Bild die:</translation>
    </message>
    <message>
        <source>diagonal</source>
        <translation>Diagonale</translation>
    </message>
    <message>
        <source>&amp;Camera:</source>
        <translation>&amp;Kamera:</translation>
    </message>
    <message>
        <source>The camera whose focus Apply sets; with both, each gets its own distance, so the two frame the subject alike.</source>
        <translation>Die Kamera, deren Fokus Anwenden setzt; bei beiden bekommt jede ihre eigene Entfernung, sodass beide das Motiv gleich ins Bild setzen.</translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation>Kamera 1</translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation>Kamera 2</translation>
    </message>
    <message>
        <source>both</source>
        <translation>beide</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Schli&amp;eßen</translation>
    </message>
    <message>
        <source>Camera %1 would need a focus of %2; the farthest is %3.</source>
        <translation>Kamera %1 müsste auf %2 fokussieren; die größte Entfernung ist %3.</translation>
    </message>
    <message>
        <source>Camera %1 frames it from %2 (%3 mm, a frame side of %4 mm).</source>
        <translation>Kamera %1 setzt es aus %2 ins Bild (%3 mm, eine Bildseite von %4 mm).</translation>
    </message>
    <message>
        <source>The side of the frame the subject fills: the short side is the height of a landscape frame and the width of a portrait one.</source>
        <translation>Die Seite des Bildes, die das Motiv füllt: Die kurze Seite ist die Höhe eines Querformats und die Breite eines Hochformats.</translation>
    </message>
    <message>
        <source>short side</source>
        <translation>kurze Seite</translation>
    </message>
    <message>
        <source>long side</source>
        <translation>lange Seite</translation>
    </message>
</context>
<context>
    <name>GearChooser</name>
    <message>
        <source>Type to search, for example a7 iii or x-t4</source>
        <translation>Zum Suchen tippen, zum Beispiel a7 iii oder x-t4</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
</context>
<context>
    <name>GearCommands</name>
    <message>
        <source>Camera %1: camera body</source>
        <translation>Kamera %1: Kameragehäuse</translation>
    </message>
    <message>
        <source>Camera %1: lens</source>
        <translation>Kamera %1: Objektiv</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (nicht gefunden)</translation>
    </message>
    <message>
        <source>crop %1</source>
        <translation>Crop %1</translation>
    </message>
    <message>
        <source>Not in lensfun&apos;s database of %1. Update it with lensfun-update-data, or add the body.</source>
        <translation>Nicht in der lensfun-Datenbank vom %1. Mit lensfun-update-data aktualisieren oder das Gehäuse hinzufügen.</translation>
    </message>
    <message>
        <source>unknown date</source>
        <translation>unbekanntem Datum</translation>
    </message>
    <message>
        <source>Add a body…</source>
        <translation>Gehäuse hinzufügen…</translation>
    </message>
</context>
<context>
    <name>LengthSpinBox</name>
    <message>
        <source>Not a length: type a number, or a number and its unit, such as 350 cm or 16&apos; 5&quot;.</source>
        <translation>Keine Länge: eine Zahl eingeben, oder eine Zahl mit ihrer Einheit, etwa 350 cm oder 16&apos; 5&quot;.</translation>
    </message>
    <message>
        <source>Not a whole length yet.</source>
        <translation>Noch keine vollständige Länge.</translation>
    </message>
    <message>
        <source>No more than %1 decimals here; type a finer length with its unit, such as 512.3 cm.</source>
        <translation>Hier höchstens %1 Nachkommastellen; eine feinere Länge mit ihrer Einheit eingeben, etwa 512,3 cm.</translation>
    </message>
    <message>
        <source>Outside the box&apos;s range, %1 to %2.</source>
        <translation>Außerhalb des Bereichs von %1 bis %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not taken. %2 The box keeps %3.</source>
        <translation>„%1“ wurde nicht übernommen. %2 Das Feld behält %3.</translation>
    </message>
</context>
<context>
    <name>LensLimitClamp</name>
    <message>
        <source>The lens reaches %1–%2 mm</source>
        <translation>Das Objektiv reicht von %1 bis %2 mm</translation>
    </message>
    <message>
        <source>The lens has a focal length of %1 mm</source>
        <translation>Das Objektiv hat %1 mm Brennweite</translation>
    </message>
    <message>
        <source>At %1 mm the lens opens to f/%2</source>
        <translation>Bei %1 mm öffnet das Objektiv bis f/%2</translation>
    </message>
    <message>
        <source>Camera %1: %2.</source>
        <translation>Kamera %1: %2.</translation>
    </message>
</context>
<context>
    <name>PinnedSetups</name>
    <message>
        <source>At most %1 setups can be pinned; remove one to pin another.</source>
        <translation>Höchstens %1 Einstellungen lassen sich anheften; entfernen Sie eine, um eine weitere anzuheften.</translation>
    </message>
    <message>
        <source>A pinned setup needs a name.</source>
        <translation>Eine angeheftete Einstellung braucht einen Namen.</translation>
    </message>
    <message>
        <source>%1 would need f/%2; at %3 mm its lens, %4, opens only to f/%5.</source>
        <translation>%1 bräuchte f/%2; bei %3 mm öffnet ihr Objektiv, %4, nur bis f/%5.</translation>
    </message>
    <message>
        <source>%1 would need f/%2; the smallest f-number is f/%3.</source>
        <translation>%1 bräuchte f/%2; die kleinste Blendenzahl ist f/%3.</translation>
    </message>
    <message>
        <source>%1 would need f/%2; the largest f-number is f/%3.</source>
        <translation>%1 bräuchte f/%2; die größte Blendenzahl ist f/%3.</translation>
    </message>
    <message>
        <source>%1 would need %2 mm; the shortest focal length is %3 mm.</source>
        <translation>%1 bräuchte %2 mm; die kürzeste Brennweite ist %3 mm.</translation>
    </message>
    <message>
        <source>%1 would need %2 mm; the longest focal length is %3 mm.</source>
        <translation>%1 bräuchte %2 mm; die längste Brennweite ist %3 mm.</translation>
    </message>
    <message>
        <source>%1 would need a focus of %2; the nearest is %3.</source>
        <translation>%1 bräuchte einen Fokus von %2; der nächste ist %3.</translation>
    </message>
    <message>
        <source>%1 would need a focus of %2; the farthest is %3.</source>
        <translation>%1 bräuchte einen Fokus von %2; der fernste ist %3.</translation>
    </message>
    <message>
        <source>No f-number lets %1 match Camera 1 in this.</source>
        <translation>Mit keiner Blendenzahl kommt %1 hierin Kamera 1 gleich.</translation>
    </message>
    <message>
        <source>No f-number gives %1 the blur at infinity of Camera 1 (zc %2); the nearest it comes is zc %3.</source>
        <translation>Keine Blendenzahl gibt %1 die Unschärfe im Unendlichen von Kamera 1 (zc %2); am nächsten kommt sie mit zc %3.</translation>
    </message>
    <message>
        <source>No f-number gives %1 a depth of field as long as Camera 1&apos;s (%2); the nearest it comes is %3.</source>
        <translation>Keine Blendenzahl gibt %1 eine so lange Schärfentiefe wie Kamera 1 (%2); am nächsten kommt sie mit %3.</translation>
    </message>
    <message>
        <source>No f-number gives %1 the near limit of Camera 1 (%2); the nearest it comes is %3.</source>
        <translation>Keine Blendenzahl gibt %1 die Nahgrenze von Kamera 1 (%2); am nächsten kommt sie mit %3.</translation>
    </message>
    <message>
        <source>Camera 1 has no finite blur at infinity to match.</source>
        <translation>Kamera 1 hat keine endliche Unschärfe im Unendlichen, der eine Einstellung gleichkommen könnte.</translation>
    </message>
    <message>
        <source>Camera 1 has no depth of field to match: even at its focus distance the blur exceeds the circle of confusion.</source>
        <translation>Kamera 1 hat keine Schärfentiefe, der eine Einstellung gleichkommen könnte: selbst in der Fokusentfernung ist die Unschärfe größer als der Zerstreuungskreis.</translation>
    </message>
    <message>
        <source>Camera 1 forms no sharp image: its focus is closer than the focal length.</source>
        <translation>Kamera 1 erzeugt kein scharfes Bild: ihr Fokus liegt näher als die Brennweite.</translation>
    </message>
    <message>
        <source>%1 forms no sharp image: its focus is closer than the focal length.</source>
        <translation>%1 erzeugt kein scharfes Bild: ihr Fokus liegt näher als die Brennweite.</translation>
    </message>
</context>
<context>
    <name>PlanCommands</name>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Planen</translation>
    </message>
    <message>
        <source>&amp;Sharp from … to …</source>
        <translation>&amp;Scharf von … bis …</translation>
    </message>
    <message>
        <source>&amp;Focus stack…</source>
        <translation>&amp;Fokusreihe…</translation>
    </message>
    <message>
        <source>F&amp;raming by subject size…</source>
        <translation>Bild&amp;ausschnitt nach Motivgröße…</translation>
    </message>
</context>
<context>
    <name>PlanTarget</name>
    <message>
        <source>Camera %1 is switched off.</source>
        <translation>Kamera %1 ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>The near distance must lie beyond the focal length of %1 mm.</source>
        <translation>Die nahe Entfernung muss jenseits der Brennweite von %1 mm liegen.</translation>
    </message>
    <message>
        <source>The far distance must lie beyond the near distance.</source>
        <translation>Die ferne Entfernung muss jenseits der nahen liegen.</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>unendlich</translation>
    </message>
</context>
<context>
    <name>PlotPointer</name>
    <message>
        <source>Blur plot</source>
        <translation>Unschärfediagramm</translation>
    </message>
</context>
<context>
    <name>PlotReadout</name>
    <message>
        <source>Camera %1: zc %2 (sharp)</source>
        <translation>Kamera %1: zc %2 (scharf)</translation>
    </message>
    <message>
        <source>Camera %1: zc %2</source>
        <translation>Kamera %1: zc %2</translation>
    </message>
    <message>
        <source>Distance: %1 %2</source>
        <translation>Entfernung: %1 %2</translation>
    </message>
    <message>
        <source>From focus plane: %1 %2</source>
        <translation>Abstand zur Schärfeebene: %1 %2</translation>
    </message>
    <message>
        <source>%1: zc %2</source>
        <translation>%1: zc %2</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>sensor format for the crop factor</source>
        <translation>Sensorformat für den Cropfaktor</translation>
    </message>
    <message>
        <source>sensor format for the pixel size</source>
        <translation>Sensorformat für die Pixelgröße</translation>
    </message>
    <message>
        <source>pixel count</source>
        <translation>Pixelzahl</translation>
    </message>
    <message>
        <source>The file is damaged: the gear of camera %1 gives list entry %2 for the %3, but only 0 to %4 exist (%5).</source>
        <translation>Die Datei ist beschädigt: Die Ausrüstung von Kamera %1 gibt für „%3“ den Listeneintrag %2 an, es gibt aber nur 0 bis %4 (%5).</translation>
    </message>
    <message>
        <source>width of the custom sensor in mm</source>
        <translation>Breite des eigenen Sensors in mm</translation>
    </message>
    <message>
        <source>height of the custom sensor in mm</source>
        <translation>Höhe des eigenen Sensors in mm</translation>
    </message>
    <message>
        <source>pixel count in millions</source>
        <translation>Pixelzahl in Millionen</translation>
    </message>
    <message>
        <source>The file is damaged: the gear of camera %1 gives %2 for the %3, but only %4 to %5 are allowed (%6).</source>
        <translation>Die Datei ist beschädigt: Die Ausrüstung von Kamera %1 gibt für „%3“ %2 an, erlaubt sind aber nur %4 bis %5 (%6).</translation>
    </message>
    <message>
        <source>The file is damaged: the gear of camera %1 gives %2 as the crop factor of its body, which is none (%3).</source>
        <translation>Die Datei ist beschädigt: Die Ausrüstung von Kamera %1 gibt %2 als Cropfaktor ihres Gehäuses an, was kein Cropfaktor ist (%3).</translation>
    </message>
    <message>
        <source>The file is damaged: the gear of camera %1 gives its lens a range of %2 to %3 mm and f/%4 to f/%5, which the focal length and aperture boxes cannot hold (%6).</source>
        <translation>Die Datei ist beschädigt: Die Ausrüstung von Kamera %1 gibt ihrem Objektiv einen Bereich von %2 bis %3 mm und f/%4 bis f/%5, den die Felder für Brennweite und Blende nicht fassen können (%6).</translation>
    </message>
    <message>
        <source>The file is damaged: the gear of camera %1 names no body or lens and chooses no sensor format or pixel count that needs it (%2).</source>
        <translation>Die Datei ist beschädigt: Die Ausrüstung von Kamera %1 nennt weder Gehäuse noch Objektiv und wählt kein Sensorformat und keine Pixelzahl, die sie bräuchten (%2).</translation>
    </message>
    <message>
        <source>Camera %1 is set to %2 mm, but its lens, %3, reaches only %4 to %5 mm (%6).</source>
        <translation>Kamera %1 steht auf %2 mm, ihr Objektiv, %3, reicht aber nur von %4 bis %5 mm (%6).</translation>
    </message>
    <message>
        <source>Camera %1 is set to %2 mm, but its lens, %3, has a fixed focal length of %4 mm (%5).</source>
        <translation>Kamera %1 steht auf %2 mm, ihr Objektiv, %3, hat aber die feste Brennweite %4 mm (%5).</translation>
    </message>
    <message>
        <source>Camera %1 is set to f/%2, but at %3 mm its lens, %4, opens only to f/%5 (%6).</source>
        <translation>Kamera %1 steht auf f/%2, ihr Objektiv, %4, öffnet bei %3 mm aber nur bis f/%5 (%6).</translation>
    </message>
    <message>
        <source>The file is damaged: the gear of a camera is cut short (%1).</source>
        <translation>Die Datei ist beschädigt: Die Ausrüstung einer Kamera bricht vorzeitig ab (%1).</translation>
    </message>
    <message>
        <source>The file is damaged: it holds gear for camera %1, but only cameras 1 and 2 exist (%2).</source>
        <translation>Die Datei ist beschädigt: Sie enthält Ausrüstung für Kamera %1, es gibt aber nur die Kameras 1 und 2 (%2).</translation>
    </message>
    <message>
        <source>Camera %1, %2</source>
        <translation>Kamera %1, %2</translation>
    </message>
    <message>
        <source>The file ends after 1 byte; %2, stored from byte %3 on, is missing.</source>
        <translation>Die Datei endet nach 1 Byte; %2, ab Byte %3 gespeichert, fehlt.</translation>
    </message>
    <message>
        <source>The file ends after %1 bytes; %2, stored from byte %3 on, is missing.</source>
        <translation>Die Datei endet nach %1 Bytes; %2, ab Byte %3 gespeichert, fehlt.</translation>
    </message>
    <message>
        <source>%1 (byte %2) holds %3, which is not a finite number.</source>
        <translation>%1 (Byte %2) enthält %3, keine endliche Zahl.</translation>
    </message>
    <message>
        <source>%1 (byte %2) holds the list index %3, but only 0 to %4 exist.</source>
        <translation>%1 (Byte %2) enthält den Listenindex %3, es gibt aber nur 0 bis %4.</translation>
    </message>
    <message>
        <source>%1 (byte %2) holds %3, but only %4 to %5 are allowed.</source>
        <translation>%1 (Byte %2) enthält %3, erlaubt sind aber nur %4 bis %5.</translation>
    </message>
    <message>
        <source>CoC mode</source>
        <translation>Art des Zerstreuungskreises</translation>
    </message>
    <message>
        <source>switched on</source>
        <translation>eingeschaltet</translation>
    </message>
    <message>
        <source>focus distance</source>
        <translation>Fokusentfernung</translation>
    </message>
    <message>
        <source>aperture</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>circle of confusion</source>
        <translation>Zerstreuungskreis</translation>
    </message>
    <message>
        <source>lens quality</source>
        <translation>Objektivqualität</translation>
    </message>
    <message>
        <source>diffraction switch</source>
        <translation>Schalter für Beugung</translation>
    </message>
    <message>
        <source>lock magnification switch</source>
        <translation>Schalter für gesperrten Abbildungsmaßstab</translation>
    </message>
    <message>
        <source>view distance</source>
        <translation>Betrachtungsabstand</translation>
    </message>
    <message>
        <source>form factor</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>image width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <source>The file is damaged: it holds the gear of camera %1 twice (records %2 and %3).</source>
        <translation>Die Datei ist beschädigt: Sie enthält die Ausrüstung von Kamera %1 zweimal (Einträge %2 und %3).</translation>
    </message>
    <message>
        <source>The file is damaged: it holds two focus stacks (records %1 and %2).</source>
        <translation>Die Datei ist beschädigt: Sie enthält zwei Fokusreihen (Einträge %1 und %2).</translation>
    </message>
    <message>
        <source>format version</source>
        <translation>Formatversion</translation>
    </message>
    <message>
        <source>The format version %1 is neither 1.2 nor 1.3.</source>
        <translation>Die Formatversion %1 ist weder 1.2 noch 1.3.</translation>
    </message>
    <message>
        <source>left border</source>
        <translation>linker Rand</translation>
    </message>
    <message>
        <source>distance from camera</source>
        <translation>Entfernung von der Kamera</translation>
    </message>
    <message>
        <source>distance from focus plane</source>
        <translation>Entfernung von der Schärfeebene</translation>
    </message>
    <message>
        <source>distance scale</source>
        <translation>Entfernungsmaßstab</translation>
    </message>
    <message>
        <source>zc scale</source>
        <translation>zc-Maßstab</translation>
    </message>
    <message>
        <source>The file is damaged: it is longer than a project file can be (more than %1 bytes).</source>
        <translation>Die Datei ist beschädigt: Sie ist länger, als eine Projektdatei sein kann (mehr als %1 Bytes).</translation>
    </message>
    <message>
        <source>The project is too large to be opened again: it would take %1 bytes, but a project file holds at most %2.</source>
        <translation>Das Projekt ist zu groß, um wieder geöffnet zu werden: Es bräuchte %1 Bytes, eine Projektdatei fasst aber höchstens %2.</translation>
    </message>
    <message>
        <source>Zidov would refuse to open it again:
%1</source>
        <translation>Zidov würde sie nicht wieder öffnen:
%1</translation>
    </message>
    <message>
        <source>record %1 at byte %2</source>
        <translation>Eintrag %1 bei Byte %2</translation>
    </message>
    <message>
        <source>1 byte at byte %1</source>
        <translation>1 Byte bei Byte %1</translation>
    </message>
    <message>
        <source>%1 bytes from byte %2 on</source>
        <translation>%1 Bytes ab Byte %2</translation>
    </message>
    <message>
        <source>The file is damaged: after the camera settings it holds something Zidov did not write (%1).</source>
        <translation>Die Datei ist beschädigt: Nach den Kameraeinstellungen enthält sie etwas, das Zidov nicht geschrieben hat (%1).</translation>
    </message>
    <message>
        <source>The file is damaged or was saved by a newer Zidov: the camera settings added to it are of a kind this Zidov does not know (version %1 at byte %2).</source>
        <translation>Die Datei ist beschädigt oder wurde von einem neueren Zidov gespeichert: Die ihr hinzugefügten Kameraeinstellungen sind von einer Art, die dieses Zidov nicht kennt (Version %1 bei Byte %2).</translation>
    </message>
    <message>
        <source>The file is damaged: the camera settings added to it end too early (record %1 of %2 is missing at byte %3, where the file ends after %4 bytes).</source>
        <translation>Die Datei ist beschädigt: Die ihr hinzugefügten Kameraeinstellungen enden zu früh (Eintrag %1 von %2 fehlt bei Byte %3, wo die Datei nach %4 Bytes endet).</translation>
    </message>
    <message>
        <source>The file is damaged: the camera settings added to it cannot be read (the tag of %1, %2, is not four printable ASCII characters).</source>
        <translation>Die Datei ist beschädigt: Die ihr hinzugefügten Kameraeinstellungen lassen sich nicht lesen (die Kennung von %1, %2, besteht nicht aus vier druckbaren ASCII-Zeichen).</translation>
    </message>
    <message>
        <source>The file is damaged: the camera settings added to it end too early (record %1 at byte %2 claims 1 byte).</source>
        <translation>Die Datei ist beschädigt: Die ihr hinzugefügten Kameraeinstellungen enden zu früh (Eintrag %1 bei Byte %2 gibt 1 Byte an).</translation>
    </message>
    <message>
        <source>The file is damaged: the camera settings added to it end too early (record %1 at byte %2 claims %3 bytes).</source>
        <translation>Die Datei ist beschädigt: Die ihr hinzugefügten Kameraeinstellungen enden zu früh (Eintrag %1 bei Byte %2 gibt %3 Bytes an).</translation>
    </message>
    <message>
        <source>The file is damaged: it goes on after the camera settings added to it (%1).</source>
        <translation>Die Datei ist beschädigt: Sie geht nach den ihr hinzugefügten Kameraeinstellungen noch weiter (%1).</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Could not open the project file:
</source>
        <translation>Die Projektdatei konnte nicht geöffnet werden:
</translation>
    </message>
    <message>
        <source>Wrong file version:
</source>
        <translation>Falsche Dateiversion:
</translation>
    </message>
    <message>
        <source>Damaged project file:
</source>
        <translation>Beschädigte Projektdatei:
</translation>
    </message>
    <message>
        <source>The file is damaged: the focus stack is cut short (%1).</source>
        <translation>Die Datei ist beschädigt: Die Fokusreihe bricht vorzeitig ab (%1).</translation>
    </message>
    <message>
        <source>The file is damaged: it holds a focus stack for camera %1, but only cameras 1 and 2 exist (%2).</source>
        <translation>Die Datei ist beschädigt: Sie enthält eine Fokusreihe für Kamera %1, es gibt aber nur die Kameras 1 und 2 (%2).</translation>
    </message>
    <message>
        <source>The file is damaged: the focus stack has %1 shots, but only 1 to %2 are allowed (%3).</source>
        <translation>Die Datei ist beschädigt: Die Fokusreihe hat %1 Aufnahmen, erlaubt sind aber nur 1 bis %2 (%3).</translation>
    </message>
    <message>
        <source>The file is damaged: the focus stack is taken at f/%1, but only f/%2 to f/%3 are allowed (%4).</source>
        <translation>Die Datei ist beschädigt: Die Fokusreihe ist bei f/%1 aufgenommen, erlaubt sind aber nur f/%2 bis f/%3 (%4).</translation>
    </message>
    <message>
        <source>The file is damaged: shot %1 of the focus stack is focused at %2 m, but only more than 0 up to %3 m are allowed (%4).</source>
        <translation>Die Datei ist beschädigt: Aufnahme %1 der Fokusreihe ist auf %2 m fokussiert, erlaubt sind aber nur mehr als 0 bis %3 m (%4).</translation>
    </message>
    <message>
        <source>The file is damaged: shot %1 of the focus stack is not farther than the shot before it (%2).</source>
        <translation>Die Datei ist beschädigt: Aufnahme %1 der Fokusreihe liegt nicht weiter entfernt als die Aufnahme davor (%2).</translation>
    </message>
    <message>
        <source>The file is damaged: the focusing rail of the focus stack starts at %1 m, but only more than 0 up to %2 m are allowed (%3).</source>
        <translation>Die Datei ist beschädigt: Der Einstellschlitten der Fokusreihe beginnt bei %1 m, erlaubt sind aber nur mehr als 0 bis %2 m (%3).</translation>
    </message>
    <message>
        <source>The disk is full (%1).</source>
        <translation>Der Datenträger ist voll (%1).</translation>
    </message>
    <message>
        <source>Your share of the disk is used up (%1).</source>
        <translation>Ihr Anteil am Datenträger ist aufgebraucht (%1).</translation>
    </message>
    <message>
        <source>The file would be larger than this system allows (%1).</source>
        <translation>Die Datei würde größer, als dieses System erlaubt (%1).</translation>
    </message>
    <message>
        <source>You may not write there (%1).</source>
        <translation>Sie dürfen dort nicht schreiben (%1).</translation>
    </message>
    <message>
        <source>The disk can only be read (%1).</source>
        <translation>Der Datenträger kann nur gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The folder does not exist (%1).</source>
        <translation>Den Ordner gibt es nicht (%1).</translation>
    </message>
    <message>
        <source>A part of the path is not a folder (%1).</source>
        <translation>Ein Teil des Pfades ist kein Ordner (%1).</translation>
    </message>
    <message>
        <source>The name is too long (%1).</source>
        <translation>Der Name ist zu lang (%1).</translation>
    </message>
    <message>
        <source>The disk could not be written (%1).</source>
        <translation>Auf den Datenträger konnte nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>A folder or device has that name, so no file can take it (it is not a regular file).</source>
        <translation>Ein Ordner oder Gerät trägt diesen Namen, daher kann keine Datei ihn bekommen (es ist keine gewöhnliche Datei).</translation>
    </message>
    <message>
        <source>The file is damaged: pinned setup %1 gives list entry %2 for the %3, but only 0 to %4 exist (%5).</source>
        <translation>Die Datei ist beschädigt: Die angeheftete Einstellung %1 gibt für „%3“ den Listeneintrag %2 an, es gibt aber nur 0 bis %4 (%5).</translation>
    </message>
    <message>
        <source>The file is damaged: pinned setup %1 gives %2 for the %3, but only %4 to %5 are allowed (%6).</source>
        <translation>Die Datei ist beschädigt: Die angeheftete Einstellung %1 gibt für „%3“ %2 an, erlaubt sind aber nur %4 bis %5 (%6).</translation>
    </message>
    <message>
        <source>The file is damaged: the gear of pinned setup %1 cannot be the gear of a camera (%2).</source>
        <translation>Die Datei ist beschädigt: Die Ausrüstung der angehefteten Einstellung %1 kann nicht die einer Kamera sein (%2).</translation>
    </message>
    <message>
        <source>The file is damaged: pinned setup %1 is set to %2 mm and f/%3, which its lens, %4, cannot be set to (%5).</source>
        <translation>Die Datei ist beschädigt: Die angeheftete Einstellung %1 steht auf %2 mm und f/%3, worauf sich ihr Objektiv, %4, nicht einstellen lässt (%5).</translation>
    </message>
    <message>
        <source>The file is damaged: the pinned setups are cut short (%1).</source>
        <translation>Die Datei ist beschädigt: Die angehefteten Einstellungen brechen ab (%1).</translation>
    </message>
    <message>
        <source>The file is damaged: it holds %1 pinned setups, but only 1 to %2 are allowed (%3).</source>
        <translation>Die Datei ist beschädigt: Sie enthält %1 angeheftete Einstellungen, erlaubt sind aber nur 1 bis %2 (%3).</translation>
    </message>
    <message>
        <source>The file is damaged: pinned setup %1 has no name (%2).</source>
        <translation>Die Datei ist beschädigt: Die angeheftete Einstellung %1 hat keinen Namen (%2).</translation>
    </message>
    <message>
        <source>The file is damaged: pinned setup %1 is drawn in colour %2, but only 0 to %3 exist (%4).</source>
        <translation>Die Datei ist beschädigt: Die angeheftete Einstellung %1 wird in Farbe %2 gezeichnet, es gibt aber nur 0 bis %3 (%4).</translation>
    </message>
    <message>
        <source>The file is damaged: it holds the pinned setups twice (records %1 and %2).</source>
        <translation>Die Datei ist beschädigt: Sie enthält die angehefteten Einstellungen zweimal (Einträge %1 und %2).</translation>
    </message>
</context>
<context>
    <name>ProjectRenderer</name>
    <message>
        <source>Could not create the folder %1</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not write the chart to %1: %2</source>
        <translation>Das Diagramm konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>RecentProjects</name>
    <message>
        <source>&amp;Clear list</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>RenderCommandLine</name>
    <message>
        <source>Try &apos;zidov-render --help&apos;.</source>
        <translation>Siehe &apos;zidov-render --help&apos;.</translation>
    </message>
    <message>
        <source>Renders the blur plot of Zidov projects, and the numbers behind it, without a window. Without a project it renders the start-up state. A file name of - writes to standard output.</source>
        <translation>Zeichnet das Unschärfediagramm von Zidov-Projekten und die Zahlen dahinter, ohne Fenster. Ohne Projekt zeichnet es den Zustand nach dem Programmstart. Der Dateiname - schreibt auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>Write the chart to FILE: PNG, SVG, PDF or JPEG by its suffix.</source>
        <translation>Schreibt das Diagramm in DATEI: PNG, SVG, PDF oder JPEG je nach Endung.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Write one file per project and format into DIR, named after the project.</source>
        <translation>Schreibt je Projekt und Format eine Datei nach dem Projekt benannt in ORDNER.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>With --output-dir: png, svg, pdf, jpg, csv or json; may be repeated or separated by commas. Also the chart&apos;s format for --output -.</source>
        <translation>Mit --output-dir: png, svg, pdf, jpg, csv oder json; mehrfach oder durch Kommas getrennt. Auch das Format des Diagramms für --output -.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>The plot&apos;s size in pixels (default: its size in the window at the window&apos;s default size).</source>
        <translation>Die Größe des Diagramms in Pixeln (Vorgabe: seine Größe im Fenster bei dessen Standardgröße).</translation>
    </message>
    <message>
        <source>WIDTHxHEIGHT</source>
        <translation>BREITExHÖHE</translation>
    </message>
    <message>
        <source>Device pixels per pixel of a bitmap chart: 2 gives twice the pixels with the same layout (default 1).</source>
        <translation>Gerätepixel je Pixel eines Rasterdiagramms: 2 ergibt doppelt so viele Pixel bei gleicher Anordnung (Vorgabe 1).</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Write the curve data to FILE: the distance on the axis in the unit of --units and the zc of each camera switched on, one row per plot column.</source>
        <translation>Schreibt die Kurvendaten in DATEI: die Entfernung auf der Achse in der Einheit von --units und zc jeder eingeschalteten Kamera, eine Zeile je Diagrammspalte.</translation>
    </message>
    <message>
        <source>Distances on the chart and in the CSV in metres (m, the default) or feet (ft).</source>
        <translation>Entfernungen im Diagramm und in der CSV-Datei in Metern (m, die Vorgabe) oder Fuß (ft).</translation>
    </message>
    <message>
        <source>m|ft</source>
        <translation>m|ft</translation>
    </message>
    <message>
        <source>Write each camera&apos;s inputs, limits and caption to FILE as JSON, lengths in millimetres.</source>
        <translation>Schreibt Eingaben, Grenzen und Beschriftung jeder Kamera als JSON in DATEI, Längen in Millimetern.</translation>
    </message>
    <message>
        <source>Write the diagnostic trace lines to standard error.</source>
        <translation>Schreibt die Diagnosezeilen auf die Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>projects</source>
        <translation>Projekte</translation>
    </message>
    <message>
        <source>Project files (.mvx) to render.</source>
        <translation>Zu zeichnende Projektdateien (.mvx).</translation>
    </message>
    <message>
        <source>[project.mvx ...]</source>
        <translation>[projekt.mvx ...]</translation>
    </message>
    <message>
        <source>Unknown format: %1</source>
        <translation>Unbekanntes Format: %1</translation>
    </message>
    <message>
        <source>--size wants WIDTHxHEIGHT in pixels, each from 1 to %1, not %2</source>
        <translation>--size erwartet BREITExHÖHE in Pixeln, jeweils von 1 bis %1, nicht %2</translation>
    </message>
    <message>
        <source>--scale wants a number above 0 and up to %1, not %2</source>
        <translation>--scale erwartet eine Zahl über 0 bis höchstens %1, nicht %2</translation>
    </message>
    <message>
        <source>--units wants m or ft, not %1</source>
        <translation>--units erwartet m oder ft, nicht %1</translation>
    </message>
    <message>
        <source>Nothing to write: give --output, --csv, --json or --output-dir.</source>
        <translation>Nichts zu schreiben: --output, --csv, --json oder --output-dir angeben.</translation>
    </message>
    <message>
        <source>--output-dir needs --format.</source>
        <translation>--output-dir braucht --format.</translation>
    </message>
    <message>
        <source>--output-dir names its files after projects; give at least one.</source>
        <translation>--output-dir benennt seine Dateien nach den Projekten; mindestens eines angeben.</translation>
    </message>
    <message>
        <source>--output, --csv and --json take one project; for several use --output-dir and --format.</source>
        <translation>--output, --csv und --json nehmen ein Projekt; für mehrere --output-dir und --format verwenden.</translation>
    </message>
    <message>
        <source>--output - writes one chart; give one chart format.</source>
        <translation>--output - schreibt ein Diagramm; ein Diagrammformat angeben.</translation>
    </message>
    <message>
        <source>Cannot tell the chart&apos;s format from %1: end it in .png, .svg, .pdf or .jpg.</source>
        <translation>Das Format des Diagramms geht aus %1 nicht hervor: mit .png, .svg, .pdf oder .jpg enden lassen.</translation>
    </message>
    <message>
        <source>A bitmap of %1 x %2 device pixels is too large; choose a smaller --size or --scale.</source>
        <translation>Ein Rasterbild von %1 x %2 Gerätepixeln ist zu groß; eine kleinere --size oder --scale wählen.</translation>
    </message>
    <message>
        <source>Two projects are named %1; their files would overwrite each other.</source>
        <translation>Zwei Projekte heißen %1; ihre Dateien würden einander überschreiben.</translation>
    </message>
    <message>
        <source>Show the near and far limits of the depth of field in the captions, as &quot;DOF Mode&quot; does.</source>
        <translation>Zeigt in den Beschriftungen Nah- und Fernpunkt der Schärfentiefe, wie der „Schärfentiefe-Modus“.</translation>
    </message>
    <message>
        <source>Draw the zc axis logarithmically, as &quot;log Scale&quot; does.</source>
        <translation>Zeichnet die zc-Achse logarithmisch, wie „log. Skala“.</translation>
    </message>
    <message>
        <source>Add a table of each camera&apos;s settings and limits, and the comparison of the two, below the chart, as &quot;Settings in exports&quot; does.</source>
        <translation>Unter das Diagramm eine Tabelle der Einstellungen und Grenzen jeder Kamera und den Vergleich der beiden setzen, wie es &quot;Einstellungen in Exporten&quot; tut.</translation>
    </message>
    <message>
        <source>Render N projects at once, each on a thread of its own (default: one per processor core, here %1); 1 renders one project after another. Files and messages come out in the order of the projects either way.</source>
        <translation>N Projekte zugleich zeichnen, jedes in einem eigenen Thread (Vorgabe: einer je Prozessorkern, hier %1); 1 zeichnet ein Projekt nach dem anderen. Dateien und Meldungen kommen in jedem Fall in der Reihenfolge der Projekte.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>How hard PNG charts are compressed, from 0 (fastest, largest files) to 9 (smallest, slowest); the pixels are the same at every level. The default %1 writes files about a fifth larger than 6, the window&apos;s level, in little more than half the time.</source>
        <translation>Wie stark PNG-Diagramme komprimiert werden, von 0 (am schnellsten, größte Dateien) bis 9 (am kleinsten, am langsamsten); die Pixel sind auf jeder Stufe dieselben. Die Vorgabe %1 schreibt etwa ein Fünftel größere Dateien als 6, die Stufe des Fensters, in wenig mehr als der halben Zeit.</translation>
    </message>
    <message>
        <source>--jobs wants a whole number from 1 to %1, not %2</source>
        <translation>--jobs erwartet eine ganze Zahl von 1 bis %1, nicht %2</translation>
    </message>
    <message>
        <source>--png-compression wants a whole number from 0 to 9, not %1</source>
        <translation>--png-compression erwartet eine ganze Zahl von 0 bis 9, nicht %1</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Diffraction Spot Diameter Factor</source>
        <translation>Faktor für den Beugungsscheibchen-Durchmesser</translation>
    </message>
</context>
<context>
    <name>SettingsTable</name>
    <message>
        <source>Camera %1</source>
        <translation>Kamera %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Gehäuse</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>Sensor format</source>
        <translation>Sensorformat</translation>
    </message>
    <message>
        <source>Crop factor</source>
        <translation>Cropfaktor</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>F-number</source>
        <translation>Blendenzahl</translation>
    </message>
    <message>
        <source>Focus distance</source>
        <translation>Fokusdistanz</translation>
    </message>
    <message>
        <source>Circle of confusion</source>
        <translation>Zerstreuungskreis</translation>
    </message>
    <message>
        <source>Circle of confusion set</source>
        <translation>Zerstreuungskreis bestimmt</translation>
    </message>
    <message>
        <source>Diffraction</source>
        <translation>Beugung</translation>
    </message>
    <message>
        <source>included</source>
        <translation>berücksichtigt</translation>
    </message>
    <message>
        <source>not included</source>
        <translation>nicht berücksichtigt</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Hyperfokale Distanz</translation>
    </message>
    <message>
        <source>Near limit</source>
        <translation>Nahgrenze</translation>
    </message>
    <message>
        <source>Far limit</source>
        <translation>Ferngrenze</translation>
    </message>
    <message>
        <source>infinity</source>
        <translation>unendlich</translation>
    </message>
    <message>
        <source>Depth of field</source>
        <translation>Schärfentiefe</translation>
    </message>
    <message>
        <source>endless</source>
        <translation>unbegrenzt</translation>
    </message>
    <message>
        <source>Blur at infinity</source>
        <translation>Unschärfe bei unendlich</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>6 Mill. Pixel</source>
        <translation>6 Mio. Pixel</translation>
    </message>
    <message>
        <source>8 Mill. Pixel</source>
        <translation>8 Mio. Pixel</translation>
    </message>
    <message>
        <source>10 Mill. Pixel</source>
        <translation>10 Mio. Pixel</translation>
    </message>
    <message>
        <source>12 Mill. Pixel</source>
        <translation>12 Mio. Pixel</translation>
    </message>
    <message>
        <source>15 Mill. Pixel</source>
        <translation>15 Mio. Pixel</translation>
    </message>
    <message>
        <source>16 Mill. Pixel</source>
        <translation>16 Mio. Pixel</translation>
    </message>
    <message>
        <source>18 Mill. Pixel</source>
        <translation>18 Mio. Pixel</translation>
    </message>
    <message>
        <source>20 Mill. Pixel</source>
        <translation>20 Mio. Pixel</translation>
    </message>
    <message>
        <source>21 Mill. Pixel</source>
        <translation>21 Mio. Pixel</translation>
    </message>
    <message>
        <source>25 Mill. Pixel</source>
        <translation>25 Mio. Pixel</translation>
    </message>
    <message>
        <source>32 Mill. Pixel</source>
        <translation>32 Mio. Pixel</translation>
    </message>
    <message>
        <source>40 Mill. Pixel</source>
        <translation>40 Mio. Pixel</translation>
    </message>
    <message>
        <source>64 Mill. Pixel</source>
        <translation>64 Mio. Pixel</translation>
    </message>
    <message>
        <source>100 Mill. Pixel</source>
        <translation>100 Mio. Pixel</translation>
    </message>
    <message>
        <source>Set by crop factor</source>
        <translation>Aus Cropfaktor</translation>
    </message>
    <message>
        <source>Set by pixel size</source>
        <translation>Aus Pixelgröße</translation>
    </message>
    <message>
        <source>Set by view distace</source>
        <translation>Aus Betrachtungsabstand</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Background blur against Camera 1</source>
        <translation>Hintergrundunschärfe gegenüber Kamera 1</translation>
    </message>
    <message>
        <source>Depth of field against Camera 1</source>
        <translation>Schärfentiefe gegenüber Kamera 1</translation>
    </message>
</context>
<context>
    <name>SetupCommands</name>
    <message>
        <source>Setups</source>
        <translation>Angeheftete Setups</translation>
    </message>
    <message>
        <source>&amp;Setups</source>
        <translation>&amp;Angeheftete Setups</translation>
    </message>
    <message>
        <source>&amp;Pin Camera 1</source>
        <translation>Kamera 1 &amp;anheften</translation>
    </message>
    <message>
        <source>P&amp;in Camera 2</source>
        <translation>Kamera 2 anhe&amp;ften</translation>
    </message>
    <message>
        <source>Keep Camera %1&apos;s settings as a curve of their own, beside the two cameras.</source>
        <translation>Die Einstellungen von Kamera %1 als eigene Kurve neben den beiden Kameras behalten.</translation>
    </message>
</context>
<context>
    <name>SetupsPanel</name>
    <message>
        <source>Pinned setups: each a camera&apos;s settings frozen as a curve of its own, compared with Camera 1. Delete removes the selected setups, Enter puts the current one into Camera 2.</source>
        <translation>Angeheftete Einstellungen: jeweils die eingefrorenen Einstellungen einer Kamera als eigene Kurve, verglichen mit Kamera 1. Entf entfernt die ausgewählten, die Eingabetaste setzt die aktuelle in Kamera 2.</translation>
    </message>
    <message>
        <source>Put the current setup into Camera 1, gear included.</source>
        <translation>Die aktuelle Einstellung samt Ausrüstung in Kamera 1 setzen.</translation>
    </message>
    <message>
        <source>To Camera &amp;1</source>
        <translation>In Kamera &amp;1</translation>
    </message>
    <message>
        <source>Put the current setup into Camera 2, gear included (Enter).</source>
        <translation>Die aktuelle Einstellung samt Ausrüstung in Kamera 2 setzen (Eingabetaste).</translation>
    </message>
    <message>
        <source>To Camera &amp;2</source>
        <translation>In Kamera &amp;2</translation>
    </message>
    <message>
        <source>Remove the selected setups (Delete).</source>
        <translation>Die ausgewählten Einstellungen entfernen (Entf).</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Match every selected setup to Camera 1 in one respect, as the Compare menu matches Camera 2.</source>
        <translation>Jede ausgewählte Einstellung in einer Hinsicht an Kamera 1 angleichen, wie das Menü Vergleichen Kamera 2 angleicht.</translation>
    </message>
    <message>
        <source>&amp;Match to Camera 1</source>
        <translation>An Kamera 1 an&amp;gleichen</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Gezeigt</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>f-number</source>
        <translation>Blendenzahl</translation>
    </message>
    <message>
        <source>Depth of field</source>
        <translation>Schärfentiefe</translation>
    </message>
    <message>
        <source>background blur ×</source>
        <translation>Hintergrundunschärfe ×</translation>
    </message>
    <message>
        <source>depth of field ×</source>
        <translation>Schärfentiefe ×</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>The setup&apos;s blur at infinity, as a share of its frame, over Camera 1&apos;s: how much more the background blurs in a print of the same size.</source>
        <translation>Die Unschärfe der Einstellung bei unendlich, als Anteil ihres Bildes, geteilt durch die von Kamera 1: wie viel stärker der Hintergrund in einem gleich großen Abzug verschwimmt.</translation>
    </message>
    <message>
        <source>The length of the setup&apos;s depth of field over Camera 1&apos;s.</source>
        <translation>Die Länge der Schärfentiefe der Einstellung geteilt durch die von Kamera 1.</translation>
    </message>
    <message>
        <source>&amp;Equivalent settings</source>
        <translation>Ä&amp;quivalente Einstellungen</translation>
    </message>
    <message>
        <source>Same &amp;framing</source>
        <translation>Gleicher &amp;Bildausschnitt</translation>
    </message>
    <message>
        <source>Same &amp;background blur</source>
        <translation>Gleiche &amp;Hintergrundunschärfe</translation>
    </message>
    <message>
        <source>Same &amp;depth of field</source>
        <translation>Gleiche &amp;Schärfentiefe</translation>
    </message>
    <message>
        <source>Pin Camera %1</source>
        <translation>Kamera %1 anheften</translation>
    </message>
    <message>
        <source>Draw this setup&apos;s curve.</source>
        <translation>Die Kurve dieser Einstellung zeichnen.</translation>
    </message>
    <message>
        <source>The setup&apos;s name in the legend, the table and the exports; double-click or F2 to rename it.</source>
        <translation>Der Name der Einstellung in der Legende, der Tabelle und den Exporten; zum Umbenennen doppelklicken oder F2.</translation>
    </message>
    <message>
        <source>Shade this setup&apos;s depth of field.</source>
        <translation>Die Schärfentiefe dieser Einstellung schattieren.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>endless</source>
        <translation>unbegrenzt</translation>
    </message>
    <message>
        <source>Rename setup</source>
        <translation>Einstellung umbenennen</translation>
    </message>
    <message>
        <source>Camera 1 is switched off: switch it on to match setups to it.</source>
        <translation>Kamera 1 ist ausgeschaltet: zum Angleichen der Einstellungen einschalten.</translation>
    </message>
</context>
<context>
    <name>ShareCommands</name>
    <message>
        <source>The chart could not be copied.</source>
        <translation>Das Diagramm konnte nicht kopiert werden.</translation>
    </message>
</context>
<context>
    <name>StackPlanner</name>
    <message>
        <source>Focus stack</source>
        <translation>Fokusreihe</translation>
    </message>
    <message>
        <source>&amp;Camera:</source>
        <translation>&amp;Kamera:</translation>
    </message>
    <message>
        <source>The camera whose focal length, CoC, diffraction and lens quality the stack is for.</source>
        <translation>Die Kamera, für deren Brennweite, Zerstreuungskreis, Beugung und Objektivqualität die Reihe gilt.</translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation>Kamera 1</translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation>Kamera 2</translation>
    </message>
    <message>
        <source>&amp;Near:</source>
        <translation>&amp;Nah:</translation>
    </message>
    <message>
        <source>The nearest distance that must be sharp in one of the shots.</source>
        <translation>Die nächste Entfernung, die in einer der Aufnahmen scharf sein muss.</translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>&amp;Far:</source>
        <translation>&amp;Fern:</translation>
    </message>
    <message>
        <source>The farthest distance that must be sharp in one of the shots.</source>
        <translation>Die fernste Entfernung, die in einer der Aufnahmen scharf sein muss.</translation>
    </message>
    <message>
        <source>Sharp out to infinity instead of to the far distance.</source>
        <translation>Scharf bis unendlich statt bis zur fernen Entfernung.</translation>
    </message>
    <message>
        <source>to &amp;infinity</source>
        <translation>bis &amp;unendlich</translation>
    </message>
    <message>
        <source>&amp;Aperture:</source>
        <translation>&amp;Blende:</translation>
    </message>
    <message>
        <source>The f-number of every shot; it starts at the camera&apos;s.</source>
        <translation>Die Blendenzahl jeder Aufnahme; sie beginnt mit der der Kamera.</translation>
    </message>
    <message>
        <source>f/</source>
        <translation>f/</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Near limit</source>
        <translation>Nahgrenze</translation>
    </message>
    <message>
        <source>Far limit</source>
        <translation>Ferngrenze</translation>
    </message>
    <message>
        <source>&amp;Show on plot</source>
        <translation>Im &amp;Diagramm zeigen</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opieren</translation>
    </message>
    <message>
        <source>C&amp;lear plot</source>
        <translation>Diagramm &amp;leeren</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Schli&amp;eßen</translation>
    </message>
    <message>
        <source>One shot at f/%1 keeps %2 to %3 sharp.</source>
        <translation>Eine Aufnahme mit f/%1 hält %2 bis %3 scharf.</translation>
    </message>
    <message>
        <source>%1 shots at f/%2 keep %3 to %4 sharp.</source>
        <translation>%1 Aufnahmen mit f/%2 halten %3 bis %4 scharf.</translation>
    </message>
    <message>
        <source>At f/%1 not even the focused distance is sharp: diffraction and the lens blur it beyond the circle of confusion.</source>
        <translation>Bei f/%1 ist nicht einmal die Fokusentfernung scharf: Beugung und Objektiv machen sie unschärfer als den Zerstreuungskreis.</translation>
    </message>
    <message>
        <source>At f/%1 it takes more than %2 shots.</source>
        <translation>Bei f/%1 braucht es mehr als %2 Aufnahmen.</translation>
    </message>
    <message>
        <source>The zone reaches beyond the farthest focus distance.</source>
        <translation>Der Bereich reicht über die größte Fokusentfernung hinaus.</translation>
    </message>
    <message>
        <source>Focus stack at f/%1</source>
        <translation>Fokusreihe mit f/%1</translation>
    </message>
    <message>
        <source>Shot	Focus	Near limit	Far limit</source>
        <translation>Aufnahme	Fokus	Nahgrenze	Ferngrenze</translation>
    </message>
    <message>
        <source>Focus &amp;by:</source>
        <translation>Fokussieren &amp;mit:</translation>
    </message>
    <message>
        <source>The focus ring refocuses the lens for every shot, which takes the fewest shots; a focusing rail moves the whole camera in equal steps with the lens focused once, which keeps the magnification, as for macro.</source>
        <translation>Der Fokusring stellt das Objektiv für jede Aufnahme neu scharf, was die wenigsten Aufnahmen braucht; ein Einstellschlitten verschiebt die ganze Kamera in gleichen Schritten bei einmal scharfgestelltem Objektiv, was den Abbildungsmaßstab hält, wie bei Makro.</translation>
    </message>
    <message>
        <source>focus ring</source>
        <translation>Fokusring</translation>
    </message>
    <message>
        <source>focusing rail</source>
        <translation>Einstellschlitten</translation>
    </message>
    <message>
        <source>%1 shots at f/%2 keep %3 to %4 sharp on a focusing rail: focus at %5, then move the camera %6 closer after each shot.</source>
        <translation>%1 Aufnahmen mit f/%2 halten %3 bis %4 auf einem Einstellschlitten scharf: auf %5 fokussieren, dann die Kamera nach jeder Aufnahme um %6 näher rücken.</translation>
    </message>
    <message>
        <source>A focusing rail moves the sharp zone by steps and never reaches infinity at f/%1; focus by the focus ring.</source>
        <translation>Ein Einstellschlitten verschiebt den scharfen Bereich schrittweise und erreicht bei f/%1 nie unendlich; fokussieren Sie mit dem Fokusring.</translation>
    </message>
    <message>
        <source>Focus stack at f/%1, the camera moved %2 between shots</source>
        <translation>Fokusreihe mit f/%1, die Kamera zwischen den Aufnahmen um %2 verschoben</translation>
    </message>
</context>
<context>
    <name>UserBodies</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read as lensfun&apos;s (%2). It was left as it is; mend or remove it, then add the body again.</source>
        <translation>%1 ist keine lesbare lensfun-Datei (%2). Sie blieb unverändert; bitte reparieren oder entfernen und das Gehäuse erneut hinzufügen.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ZonePlanner</name>
    <message>
        <source>Sharp from … to …</source>
        <translation>Scharf von … bis …</translation>
    </message>
    <message>
        <source>&amp;Camera:</source>
        <translation>&amp;Kamera:</translation>
    </message>
    <message>
        <source>The camera whose focal length, CoC, diffraction and lens quality the answer is for, and which Apply sets.</source>
        <translation>Die Kamera, für deren Brennweite, Zerstreuungskreis, Beugung und Objektivqualität die Antwort gilt und die Anwenden setzt.</translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation>Kamera 1</translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation>Kamera 2</translation>
    </message>
    <message>
        <source>&amp;Near:</source>
        <translation>&amp;Nah:</translation>
    </message>
    <message>
        <source>The nearest distance that must be sharp.</source>
        <translation>Die nächste Entfernung, die scharf sein muss.</translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>&amp;Far:</source>
        <translation>&amp;Fern:</translation>
    </message>
    <message>
        <source>The farthest distance that must be sharp.</source>
        <translation>Die fernste Entfernung, die scharf sein muss.</translation>
    </message>
    <message>
        <source>Sharp out to infinity instead of to the far distance.</source>
        <translation>Scharf bis unendlich statt bis zur fernen Entfernung.</translation>
    </message>
    <message>
        <source>to &amp;infinity</source>
        <translation>bis &amp;unendlich</translation>
    </message>
    <message>
        <source>Plan a focus &amp;stack…</source>
        <translation>Eine Fokus&amp;reihe planen…</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Schli&amp;eßen</translation>
    </message>
    <message>
        <source>No f-number keeps %1 to %2 sharp: the best is f/%3, focused at %4, with zc at most %5. A focus stack can cover it.</source>
        <translation>Keine Blendenzahl hält %1 bis %2 scharf: am besten ist f/%3, auf %4 fokussiert, mit zc höchstens %5. Eine Fokusreihe kann den Bereich abdecken.</translation>
    </message>
    <message>
        <source>Focus at %1. f/%2 or narrower keeps %3 to %4 sharp</source>
        <translation>Auf %1 fokussieren. f/%2 oder kleiner hält %3 bis %4 scharf</translation>
    </message>
    <message>
        <source>; sharpest at f/%1 (zc at most %2)</source>
        <translation>; am schärfsten bei f/%1 (zc höchstens %2)</translation>
    </message>
    <message>
        <source>; beyond f/%1 diffraction blurs it</source>
        <translation>; jenseits von f/%1 macht Beugung ihn unscharf</translation>
    </message>
</context>
<context>
    <name>graph</name>
    <message>
        <source>Distance [m]</source>
        <translation>Entfernung [m]</translation>
    </message>
    <message>
        <source>Distance [ft]</source>
        <translation>Entfernung [ft]</translation>
    </message>
    <message>
        <source>Camera </source>
        <translation>Kamera </translation>
    </message>
    <message>
        <source> - Dist.: </source>
        <translation> - Entf.: </translation>
    </message>
    <message>
        <source> - CoC: </source>
        <translation> - ZK: </translation>
    </message>
    <message>
        <source>zc(inf): </source>
        <translation>zc(unendl.): </translation>
    </message>
    <message>
        <source> - DOF: [</source>
        <translation> - ST: [</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>] - FFScale: 1:%1 Diag: %2m</source>
        <translation>] - KB-Maßstab: 1:%1 Diag.: %2m</translation>
    </message>
    <message>
        <source>] - FFScale: 1:%1 Diag: %2ft</source>
        <translation>] - KB-Maßstab: 1:%1 Diag.: %2ft</translation>
    </message>
    <message>
        <source>Relative blur zc over the subject distance, one curve per camera switched on.
zc is the diameter of a point&apos;s blur spot divided by the circle of confusion: below 1 the point looks sharp, 5 means a spot five times the largest one still seen as a point.
The shaded band is the depth of field.
Point between the axes to read the blur at a distance; click there to focus, turn the wheel to zoom.</source>
        <translation>Relative Unschärfe zc über der Motiventfernung, eine Kurve je eingeschalteter Kamera.
zc ist der Durchmesser des Unschärfescheibchens eines Punktes geteilt durch den Zerstreuungskreis: unter 1 wirkt der Punkt scharf, 5 bedeutet ein Scheibchen, fünfmal so groß wie das größte, das noch als Punkt gesehen wird.
Das schattierte Band ist die Schärfentiefe.
Zwischen den Achsen zeigen, um die Unschärfe in einer Entfernung abzulesen; dort klicken, um darauf scharfzustellen, am Mausrad drehen, um zu zoomen.</translation>
    </message>
    <message>
        <source>The image could not be drawn in this format.</source>
        <translation>Das Bild lässt sich in diesem Format nicht zeichnen.</translation>
    </message>
    <message>
        <source>No sharp image: the focus is closer than the focal length.</source>
        <translation>Kein scharfes Bild: der Fokus liegt näher als die Brennweite.</translation>
    </message>
    <message>
        <source>] - FFScale: %1:1 Diag: %2ft</source>
        <translation>] - KB-Maßstab: %1:1 Diag.: %2ft</translation>
    </message>
    <message>
        <source>] - FFScale: %1:1 Diag: %2m</source>
        <translation>] - KB-Maßstab: %1:1 Diag.: %2m</translation>
    </message>
</context>
<context>
    <name>mainWin</name>
    <message>
        <source>MainWindow</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Left Border</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Distance from Camera</source>
        <translation>Entfernung von der Kamera</translation>
    </message>
    <message>
        <source>Distance from focus plane</source>
        <translation>Entfernung von der Schärfeebene</translation>
    </message>
    <message>
        <source>DOF Mode</source>
        <translation>Schärfentiefe-Modus</translation>
    </message>
    <message>
        <source>log Scale</source>
        <translation>log. Skala</translation>
    </message>
    <message>
        <source>Distance Scale</source>
        <translation>Entfernungsmaßstab</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;z&lt;/span&gt;&lt;span style=&quot; font-size:7pt;&quot;&gt;c&lt;/span&gt;&lt;span style=&quot; font-size:6pt;&quot;&gt; &lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Scale&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;z&lt;/span&gt;&lt;span style=&quot; font-size:7pt;&quot;&gt;c&lt;/span&gt;&lt;span style=&quot; font-size:6pt;&quot;&gt; &lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Skala&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation>Kamera 1</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>f/</source>
        <translation>f/</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Set to hyperfocal</source>
        <translation>Auf hyperfokale Distanz</translation>
    </message>
    <message>
        <source>Calc with diffraction</source>
        <translation>Mit Beugung rechnen</translation>
    </message>
    <message>
        <source>Lock Magnification</source>
        <translation>Abbildungsmaßstab sperren</translation>
    </message>
    <message>
        <source>Set by crop factor</source>
        <translation>Aus Cropfaktor</translation>
    </message>
    <message>
        <source>Set by pixel size</source>
        <translation>Aus Pixelgröße</translation>
    </message>
    <message>
        <source>Set by view distace</source>
        <translation>Aus Betrachtungsabstand</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Circel of Confusion</source>
        <translation>Zerstreuungskreis</translation>
    </message>
    <message>
        <source>Lens quality</source>
        <translation>Objektivqualität</translation>
    </message>
    <message>
        <source>Set Coc by crop factor</source>
        <translation>Zerstreuungskreis aus Cropfaktor</translation>
    </message>
    <message>
        <source>Crop factor</source>
        <translation>Cropfaktor</translation>
    </message>
    <message>
        <source>56x56mm 6x6</source>
        <translation>56x56mm 6x6</translation>
    </message>
    <message>
        <source>48x35mm Digital-MF</source>
        <translation>48x35mm Digital-MF</translation>
    </message>
    <message>
        <source>45x30mm Leica S</source>
        <translation>45x30mm Leica S</translation>
    </message>
    <message>
        <source>1.0 Full Frame (3:2)</source>
        <translation>1.0 Kleinbild (3:2)</translation>
    </message>
    <message>
        <source>1.3 APS-H (3:2)</source>
        <translation>1.3 APS-H (3:2)</translation>
    </message>
    <message>
        <source>1.5 APS-C (3:2)</source>
        <translation>1.5 APS-C (3:2)</translation>
    </message>
    <message>
        <source>1.6 APS-C (3:2)</source>
        <translation>1.6 APS-C (3:2)</translation>
    </message>
    <message>
        <source>2.0 Four Thirds (4:3)</source>
        <translation>2.0 Four Thirds (4:3)</translation>
    </message>
    <message>
        <source>2/3&quot; (4:3)</source>
        <translation>2/3&quot; (4:3)</translation>
    </message>
    <message>
        <source>1/1.8&quot; (4:3)</source>
        <translation>1/1.8&quot; (4:3)</translation>
    </message>
    <message>
        <source>1/2.5&quot; (4:3)</source>
        <translation>1/2.5&quot; (4:3)</translation>
    </message>
    <message>
        <source>1/2.7&quot; (4:3)</source>
        <translation>1/2.7&quot; (4:3)</translation>
    </message>
    <message>
        <source>1/3&quot; (4:3) </source>
        <translation>1/3&quot; (4:3) </translation>
    </message>
    <message>
        <source>1/3.2&quot; (4:3)</source>
        <translation>1/3.2&quot; (4:3)</translation>
    </message>
    <message>
        <source>Set CoC by pixel size</source>
        <translation>Zerstreuungskreis aus Pixelgröße</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>6 Mill. Pixel</source>
        <translation>6 Mio. Pixel</translation>
    </message>
    <message>
        <source>8 Mill. Pixel</source>
        <translation>8 Mio. Pixel</translation>
    </message>
    <message>
        <source>10 Mill. Pixel</source>
        <translation>10 Mio. Pixel</translation>
    </message>
    <message>
        <source>12 Mill. Pixel</source>
        <translation>12 Mio. Pixel</translation>
    </message>
    <message>
        <source>15 Mill. Pixel</source>
        <translation>15 Mio. Pixel</translation>
    </message>
    <message>
        <source>16 Mill. Pixel</source>
        <translation>16 Mio. Pixel</translation>
    </message>
    <message>
        <source>18 Mill. Pixel</source>
        <translation>18 Mio. Pixel</translation>
    </message>
    <message>
        <source>20 Mill. Pixel</source>
        <translation>20 Mio. Pixel</translation>
    </message>
    <message>
        <source>21 Mill. Pixel</source>
        <translation>21 Mio. Pixel</translation>
    </message>
    <message>
        <source>25 Mill. Pixel</source>
        <translation>25 Mio. Pixel</translation>
    </message>
    <message>
        <source>32 Mill. Pixel</source>
        <translation>32 Mio. Pixel</translation>
    </message>
    <message>
        <source>40 Mill. Pixel</source>
        <translation>40 Mio. Pixel</translation>
    </message>
    <message>
        <source>64 Mill. Pixel</source>
        <translation>64 Mio. Pixel</translation>
    </message>
    <message>
        <source>100 Mill. Pixel</source>
        <translation>100 Mio. Pixel</translation>
    </message>
    <message>
        <source>Set CoC by view distance</source>
        <translation>Zerstreuungskreis aus Betrachtungsabstand</translation>
    </message>
    <message>
        <source>View distance</source>
        <translation>Betrachtungsabstand</translation>
    </message>
    <message>
        <source>Form Factor</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>3:2</source>
        <translation>3:2</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>Image width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <source>Expert Mode</source>
        <translation>Expertenmodus</translation>
    </message>
    <message>
        <source>---&gt;</source>
        <translation>---&gt;</translation>
    </message>
    <message>
        <source>&lt;---</source>
        <translation>&lt;---</translation>
    </message>
    <message>
        <source>&lt;---&gt;</source>
        <translation>&lt;---&gt;</translation>
    </message>
    <message>
        <source>FFScale</source>
        <translation>KB-Maßstab</translation>
    </message>
    <message>
        <source>1:</source>
        <translation>1:</translation>
    </message>
    <message>
        <source>F-Lenght</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation>Kamera 2</translation>
    </message>
    <message>
        <source>Lock magnification</source>
        <translation>Abbildungsmaßstab sperren</translation>
    </message>
    <message>
        <source>Set by view distance</source>
        <translation>Aus Betrachtungsabstand</translation>
    </message>
    <message>
        <source>Set CoC by crop factor</source>
        <translation>Zerstreuungskreis aus Cropfaktor</translation>
    </message>
    <message>
        <source>Set CoC by Pixelsize</source>
        <translation>Zerstreuungskreis aus Pixelgröße</translation>
    </message>
    <message>
        <source>Sensor format</source>
        <translation>Sensorformat</translation>
    </message>
    <message>
        <source>64 Mill Pixel</source>
        <translation>64 Mio. Pixel</translation>
    </message>
    <message>
        <source>100 Mill Pixel</source>
        <translation>100 Mio. Pixel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Export to image</source>
        <translation>Als Bild exportieren</translation>
    </message>
    <message>
        <source>Set to hyperfocal (none)</source>
        <translation>Auf hyperfokale Distanz (keine)</translation>
    </message>
    <message>
        <source>Set to hyperfocal (</source>
        <translation>Auf hyperfokale Distanz (</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Could not save the project file:
</source>
        <translation>Die Projektdatei konnte nicht gespeichert werden:
</translation>
    </message>
    <message>
        <source>Zidov %1

Zidov compares the out-of-focus blur of two camera and lens setups over the distance of the subject. For every distance it computes the relative blur zc, the diameter of the blur spot divided by the circle of confusion, draws both curves with their depth of field, and can fit focus distance and aperture to the blur you want.

Copyright (c) 2026 The Zidov developers
Released under the MIT licence.

Qt version %2</source>
        <translation>Zidov %1

Zidov vergleicht die Unschärfe zweier Kamera- und Objektiveinstellungen über die Entfernung des Motivs. Für jede Entfernung berechnet es die relative Unschärfe zc, den Durchmesser des Unschärfescheibchens geteilt durch den Zerstreuungskreis, zeichnet beide Kurven mit ihrer Schärfentiefe und kann Fokusentfernung und Blende an die gewünschte Unschärfe anpassen.

Copyright (c) 2026 Die Zidov-Entwickler
Veröffentlicht unter der MIT-Lizenz.

Qt-Version %2</translation>
    </message>
    <message>
        <source>%1/links/ZidovTutorial.html</source>
        <translation>%1/links/ZidovTutorial_de.html</translation>
    </message>
    <message>
        <source>Image (*.png)</source>
        <translation>Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Grafik (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>The image could not be written to %1.
Check that the folder exists and is writable and that the name ends in an image format such as .png.</source>
        <translation>Das Bild konnte nicht nach %1 geschrieben werden.
Prüfen Sie, ob der Ordner existiert und beschreibbar ist und ob der Name auf ein Bildformat wie .png endet.</translation>
    </message>
    <message>
        <source>Focus distance: how far from the camera the lens is focused, in metres or feet as chosen under View &gt; Units. Points at this distance come out sharpest.</source>
        <translation>Fokusentfernung: wie weit von der Kamera entfernt das Objektiv scharfgestellt ist, in Metern oder Fuß, wie unter Ansicht &gt; Einheiten gewählt. Punkte in dieser Entfernung werden am schärfsten abgebildet.</translation>
    </message>
    <message>
        <source>Aperture as an f-number: the focal length divided by the diameter of the lens opening. A larger number means a smaller opening, less blur and more depth of field.</source>
        <translation>Blende als Blendenzahl: die Brennweite geteilt durch den Durchmesser der Objektivöffnung. Eine größere Zahl bedeutet eine kleinere Öffnung, weniger Unschärfe und mehr Schärfentiefe.</translation>
    </message>
    <message>
        <source>Focal length of the lens in millimetres, the real one engraved on the lens, not its full-frame equivalent.</source>
        <translation>Brennweite des Objektivs in Millimetern, die tatsächliche, die auf dem Objektiv steht, nicht die Kleinbild-Entsprechung.</translation>
    </message>
    <message>
        <source>Lens quality in percent. 100 is a perfect lens; lower values add the lens&apos;s own blur, which shrinks as you stop down.</source>
        <translation>Objektivqualität in Prozent. 100 ist ein perfektes Objektiv; kleinere Werte fügen die Unschärfe des Objektivs selbst hinzu, die beim Abblenden abnimmt.</translation>
    </message>
    <message>
        <source>Circle of confusion in millimetres: the largest blur spot on the sensor that still looks like a sharp point. zc is the blur spot divided by it, so 1 is the limit of sharpness.</source>
        <translation>Zerstreuungskreis in Millimetern: das größte Unschärfescheibchen auf dem Sensor, das noch als scharfer Punkt erscheint. zc ist das Unschärfescheibchen geteilt durch ihn, 1 ist also die Grenze der Schärfe.</translation>
    </message>
    <message>
        <source>How the circle of confusion is set:
By crop factor: from the sensor format, about its diagonal / 1503.
By pixel size: twice the pixel pitch of the sensor format and pixel count chosen.
By view distance: from how far away a print of the given width is looked at.
Manual: typed in, in millimetres.</source>
        <translation>So wird der Zerstreuungskreis bestimmt:
Aus Cropfaktor: aus dem Sensorformat, etwa seine Diagonale / 1503.
Aus Pixelgröße: doppelter Pixelabstand des gewählten Sensorformats bei der gewählten Pixelzahl.
Aus Betrachtungsabstand: aus der Entfernung, aus der ein Abzug der angegebenen Breite betrachtet wird.
Manuell: von Hand eingegeben, in Millimetern.</translation>
    </message>
    <message>
        <source>Sensor format. Its diagonal sets the circle of confusion, about diagonal / 1503.</source>
        <translation>Sensorformat. Seine Diagonale bestimmt den Zerstreuungskreis, etwa Diagonale / 1503.</translation>
    </message>
    <message>
        <source>Sensor format. Its size and the pixel count give the pixel pitch.</source>
        <translation>Sensorformat. Seine Größe und die Pixelzahl ergeben den Pixelabstand.</translation>
    </message>
    <message>
        <source>Pixel count of the sensor. The circle of confusion is twice the pixel pitch; Standard stands for 4.17 million pixels.</source>
        <translation>Pixelzahl des Sensors. Der Zerstreuungskreis ist der doppelte Pixelabstand; Standard steht für 4,17 Millionen Pixel.</translation>
    </message>
    <message>
        <source>Distance from which the print is looked at, in the same unit as the image width; only their ratio counts.</source>
        <translation>Entfernung, aus der der Abzug betrachtet wird, in derselben Einheit wie die Bildbreite; es zählt nur ihr Verhältnis.</translation>
    </message>
    <message>
        <source>Aspect ratio of the print.</source>
        <translation>Seitenverhältnis des Abzugs.</translation>
    </message>
    <message>
        <source>Width of the print, in the same unit as the view distance.</source>
        <translation>Breite des Abzugs, in derselben Einheit wie der Betrachtungsabstand.</translation>
    </message>
    <message>
        <source>Add the diffraction spot of the aperture to the blur. It grows as you stop down.</source>
        <translation>Das Beugungsscheibchen der Blende zur Unschärfe hinzufügen. Es wächst beim Abblenden.</translation>
    </message>
    <message>
        <source>Zidov (*.mvx)</source>
        <translation>Zidov-Projekt (*.mvx)</translation>
    </message>
    <message>
        <source>No web browser could be started to show the page.
Open it by hand:
%1</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um die Seite anzuzeigen.
Öffnen Sie sie von Hand:
%1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Erweitert</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Zidov</translation>
    </message>
    <message>
        <source>E&amp;xport to image</source>
        <translation>Als Bild e&amp;xportieren</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Einführung</translation>
    </message>
    <message>
        <source>Show auto &amp;optimizer</source>
        <translation>&amp;Automatische Optimierung anzeigen</translation>
    </message>
    <message>
        <source>Switch &amp;Expert Mode</source>
        <translation>&amp;Expertenmodus umschalten</translation>
    </message>
    <message>
        <source>&amp;Equivalency Calculator</source>
        <translation>Ä&amp;quivalenzrechner</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Recent projects</source>
        <translation>Zuletzt &amp;verwendete Projekte</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>The project file no longer exists:
%1

It has been removed from the recent projects.</source>
        <translation>Die Projektdatei gibt es nicht mehr:
%1

Sie wurde aus den zuletzt verwendeten Projekten entfernt.</translation>
    </message>
    <message>
        <source>Keep the framing: a new focal length or sensor format moves the focus so that the full-frame scale stays as it is. A focus you type is the new framing to keep.</source>
        <translation>Den Bildausschnitt halten: eine neue Brennweite oder ein neues Sensorformat verschiebt den Fokus so, dass der KB-Maßstab bleibt. Ein eingegebener Fokus ist der neue Bildausschnitt, der gehalten wird.</translation>
    </message>
    <message>
        <source>%1/links/Zidov%2.html</source>
        <translation>%1/links/Zidov%2_de.html</translation>
    </message>
    <message>
        <source>Camera %1 would need a focus of %2 to keep its framing of 1:%3; the farthest is %4.</source>
        <translation>Kamera %1 müsste auf %2 fokussieren, um ihren Bildausschnitt von 1:%3 zu halten; die größte Entfernung ist %4.</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>&amp;Metres</source>
        <translation>&amp;Meter</translation>
    </message>
    <message>
        <source>&amp;Feet</source>
        <translation>&amp;Fuß</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Fit to &amp;focus</source>
        <translation>Auf &amp;Fokus einpassen</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;Settings in exports</source>
        <translation>Einstellungen in E&amp;xporten</translation>
    </message>
    <message>
        <source>Copy &amp;chart</source>
        <translation>&amp;Diagramm kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;numbers</source>
        <translation>&amp;Zahlen kopieren</translation>
    </message>
    <message>
        <source>The help pages are not installed: %1 is missing.
They were looked for in:
%2</source>
        <translation>Die Hilfeseiten sind nicht installiert: %1 fehlt.
Gesucht wurde in:
%2</translation>
    </message>
    <message>
        <source>Camera %1 forms no sharp image: its focus is closer than the focal length, so there is no framing to lock.</source>
        <translation>Kamera %1 erzeugt kein scharfes Bild: ihr Fokus liegt näher als die Brennweite, es gibt also keinen Bildausschnitt zu halten.</translation>
    </message>
    <message>
        <source>Choose the camera body by name; its sensor sets the sensor format.</source>
        <translation>Kameragehäuse nach Namen wählen; sein Sensor bestimmt das Sensorformat.</translation>
    </message>
    <message>
        <source>Camera body…</source>
        <translation>Kameragehäuse…</translation>
    </message>
    <message>
        <source>Choose the lens by name; its focal range and f-numbers limit the focal length and aperture.</source>
        <translation>Objektiv nach Namen wählen; sein Brennweitenbereich und seine Blendenzahlen begrenzen Brennweite und Blende.</translation>
    </message>
    <message>
        <source>Lens…</source>
        <translation>Objektiv…</translation>
    </message>
    <message>
        <source>Pixel count of the sensor in millions, for a count the list does not have.</source>
        <translation>Pixelzahl des Sensors in Millionen, für eine Zahl, die die Liste nicht hat.</translation>
    </message>
    <message>
        <source> MP</source>
        <translation> MP</translation>
    </message>
    <message>
        <source>Sensor (mm)</source>
        <translation>Sensor (mm)</translation>
    </message>
    <message>
        <source>Width of the sensor in millimetres.</source>
        <translation>Breite des Sensors in Millimetern.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Height of the sensor in millimetres.</source>
        <translation>Höhe des Sensors in Millimetern.</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Eigene…</translation>
    </message>
    <message>
        <source>Camera bodies and lenses by name come from the lensfun database (lensfun.github.io): its data under the Creative Commons licence CC BY-SA 3.0, read through its library under the GNU LGPL 3.</source>
        <translation>Kameragehäuse und Objektive nach Namen stammen aus der lensfun-Datenbank (lensfun.github.io): ihre Daten unter der Creative-Commons-Lizenz CC BY-SA 3.0, gelesen über ihre Bibliothek unter der GNU LGPL 3.</translation>
    </message>
    <message>
        <source>No focus distance makes infinity sharp.</source>
        <translation>Keine Fokusentfernung macht unendlich scharf.</translation>
    </message>
    <message>
        <source>Sharp from %1 to infinity</source>
        <translation>Scharf von %1 bis unendlich</translation>
    </message>
</context>
<context>
    <name>opti</name>
    <message>
        <source>Auto optimizer</source>
        <translation>Automatische Optimierung</translation>
    </message>
    <message>
        <source>Distance [m]</source>
        <translation>Entfernung [m]</translation>
    </message>
    <message>
        <source>Distance [ft]</source>
        <translation>Entfernung [ft]</translation>
    </message>
    <message>
        <source>zc [-]</source>
        <translation>zc [-]</translation>
    </message>
    <message>
        <source>Weight [0-1]</source>
        <translation>Gewicht [0-1]</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referenzen</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Apply to</source>
        <translation>Anwenden auf</translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation>Kamera 1</translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation>Kamera 2</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Row %1, column &quot;%2&quot;: &quot;%3&quot; is not a number.
Nothing was changed.</source>
        <translation>Zeile %1, Spalte „%2“: „%3“ ist keine Zahl.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The fit needs a reference distance above 0 m in at least one row.
Nothing was changed.</source>
        <translation>Die Anpassung braucht in mindestens einer Zeile eine Referenzentfernung über 0 m.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The fit needs a reference distance above 0 ft in at least one row.
Nothing was changed.</source>
        <translation>Die Anpassung braucht in mindestens einer Zeile eine Referenzentfernung über 0 ft.
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Camera %1 forms no sharp image: its focus is closer than the focal length.
Nothing was changed.</source>
        <translation>Kamera %1 erzeugt kein scharfes Bild: ihr Fokus liegt näher als die Brennweite.
Es wurde nichts geändert.</translation>
    </message>
</context>
</TS>
