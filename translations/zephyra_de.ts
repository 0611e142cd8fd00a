<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Relative motion for the classroom: how velocities add as vectors.
Qt&apos;s own options (-platform, -style, ...) are understood as well.</source>
        <translation>Relativbewegung für den Unterricht: wie sich Geschwindigkeiten als Vektoren addieren.
Qts eigene Optionen (-platform, -style, ...) werden ebenfalls verstanden.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Zeigt die Version an.</translation>
    </message>
    <message>
        <source>Speaks the language CODE (%1) instead of the desktop&apos;s.</source>
        <extracomment>Help of --language; keep &quot;CODE&quot; as it is in the value&apos;s name</extracomment>
        <translation>Spricht die Sprache CODE (%1) statt der des Desktops.</translation>
    </message>
    <message>
        <source>A motion file (.rel) to open after start-up.</source>
        <translation>Eine Bewegungsdatei (.rel), die nach dem Start geöffnet wird.</translation>
    </message>
    <message>
        <source>no translation for the language &apos;%1&apos;; there are %2</source>
        <translation>keine Übersetzung für die Sprache &apos;%1&apos;; vorhanden sind %2</translation>
    </message>
    <message>
        <source>only one motion file can be opened, %1 were given</source>
        <translation>nur eine Bewegungsdatei kann geöffnet werden, %1 wurden angegeben</translation>
    </message>
    <message>
        <source>Opens the window at PERCENT of its designed size (%1 to %2), as far as the screen holds it.</source>
        <extracomment>Help of --zoom; keep &quot;PERCENT&quot; as it is in the value&apos;s name</extracomment>
        <translation>Öffnet das Fenster mit PERCENT seiner vorgesehenen Größe (%1 bis %2), soweit der Bildschirm es fasst.</translation>
    </message>
    <message>
        <source>Opens the window full screen.</source>
        <translation>Öffnet das Fenster im Vollbild.</translation>
    </message>
    <message>
        <source>the zoom must be a whole percentage from %1 to %2, not &quot;%3&quot;</source>
        <translation>die Vergrößerung muss eine ganze Prozentzahl von %1 bis %2 sein, nicht „%3“</translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <extracomment>Compass letter for North, as in &quot;[N 30.0° E]&quot;</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>Compass letter for East, as in &quot;[N 30.0° E]&quot;</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>Compass letter for South, as in &quot;[S 30.0° W]&quot;</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>Compass letter for West, as in &quot;[S 30.0° W]&quot;</extracomment>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this translation&apos;s language in that language, as the Language menu lists it: &quot;Deutsch&quot;, &quot;Français&quot;</extracomment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>A field of a motion file that is not a whole number</extracomment>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <extracomment>A field of a motion file that is not a number</extracomment>
        <translation>&apos;%1&apos; ist keine gültige Dezimalzahl</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Ein-/Ausgabefehler %1</translation>
    </message>
</context>
<context>
    <name>Motion panel</name>
    <message>
        <source>Relative Motion|*.rel</source>
        <extracomment>Name of the motion files in the file dialogs; keep &quot;|*.rel&quot;</extracomment>
        <translation>Relativbewegung|*.rel</translation>
    </message>
    <message>
        <source>Click load to choose a file</source>
        <translation>Klicke auf Laden, um eine Datei zu wählen</translation>
    </message>
    <message>
        <source>Type in explaination here!</source>
        <translation>Gib hier die Erklärung ein!</translation>
    </message>
    <message>
        <source>(The rest of the explanation is too long to show here.)</source>
        <translation>(Der Rest der Erklärung ist zu lang, um ihn hier zu zeigen.)</translation>
    </message>
    <message>
        <source>No question or motion has been loaded yet.</source>
        <translation>Es wurde noch keine Frage und keine Bewegung geladen.</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Introduction/Move vectors</source>
        <translation>Einführung/Vektoren verschieben</translation>
    </message>
    <message>
        <source>Click and drag each of the white dots on the vectors.</source>
        <translation>Klicke auf jeden weißen Punkt an den Vektoren und ziehe ihn.</translation>
    </message>
    <message>
        <source>This will allow you to move the vectors around.</source>
        <translation>So kannst du die Vektoren verschieben.</translation>
    </message>
    <message>
        <source>The black square allows you to move 2 vectors at once.</source>
        <translation>Mit dem schwarzen Quadrat verschiebst du 2 Vektoren zugleich.</translation>
    </message>
    <message>
        <source>You can scale the vectors by going to velocities tab and adjust scale</source>
        <translation>Auf der Seite Geschwindigkeiten kannst du mit dem Maßstab die Vektoren vergrößern oder verkleinern</translation>
    </message>
    <message>
        <source>This doesn&apos;t change the velocity just length of the vectors.</source>
        <translation>Das ändert nicht die Geschwindigkeit, nur die Länge der Vektoren.</translation>
    </message>
    <message>
        <source>Use the scroll bars to adjust the speeds.  Try to figure out how to change the direction of the velocities.</source>
        <translation>Stelle die Beträge mit den Schiebereglern ein.  Finde heraus, wie du die Richtung der Geschwindigkeiten änderst.</translation>
    </message>
    <message>
        <source>How can you make small angle changes?</source>
        <translation>Wie kannst du den Winkel in kleinen Schritten ändern?</translation>
    </message>
    <message>
        <source>Introduction/Move plane</source>
        <translation>Einführung/Flugzeug verschieben</translation>
    </message>
    <message>
        <source>Here you will learn to move the plane to where you want to start.</source>
        <translation>Hier lernst du, das Flugzeug dorthin zu schieben, wo es starten soll.</translation>
    </message>
    <message>
        <source>Move the cursor on top of the plane until cursor is a cross.</source>
        <translation>Bewege den Mauszeiger über das Flugzeug, bis er ein Kreuz ist.</translation>
    </message>
    <message>
        <source>Now click and drag the the plane to start of resultant vector.</source>
        <translation>Ziehe das Flugzeug nun an den Anfang des resultierenden Vektors.</translation>
    </message>
    <message>
        <source>Hit start and the plane should follow the resultant line.</source>
        <translation>Drücke Start: Das Flugzeug sollte der Resultierenden folgen.</translation>
    </message>
    <message>
        <source>Introduction/Adding Vectors</source>
        <translation>Einführung/Vektoren addieren</translation>
    </message>
    <message>
        <source>Too add velocity vectors you put the vectors &apos;tip to tail&apos;.</source>
        <translation>Um Geschwindigkeitsvektoren zu addieren, setzt du sie &apos;Spitze an Fuß&apos; aneinander.</translation>
    </message>
    <message>
        <source>Here we are adding the Wind(blue) and Plane(black) vectors together.</source>
        <translation>Hier addieren wir den Vektor des Windes (blau) und den des Flugzeugs (schwarz).</translation>
    </message>
    <message>
        <source>Move the tail of the resultant(red) to the tail of the wind and then</source>
        <translation>Schiebe den Fuß der Resultierenden (rot) an den Fuß des Windvektors und</translation>
    </message>
    <message>
        <source>Change the angle and magnitude of the resultant(red) to determine the what the resultant is.</source>
        <translation>ändere Richtung und Betrag der Resultierenden (rot), um sie zu bestimmen.</translation>
    </message>
    <message>
        <source>Introduction/Subtracting Vectors</source>
        <translation>Einführung/Vektoren subtrahieren</translation>
    </message>
    <message>
        <source>Too subtract Vectors in physics it is best to put the vectors tail to tail</source>
        <translation>Um in der Physik Vektoren zu subtrahieren, setzt man sie am besten Fuß an Fuß</translation>
    </message>
    <message>
        <source>and the resulting vector is found by drawing a vector from the &quot;2nd&quot; vector to the &quot;1st&quot;</source>
        <translation>und erhält den Ergebnisvektor als Pfeil von der Spitze des &quot;2.&quot; zur Spitze des &quot;1.&quot; Vektors</translation>
    </message>
    <message>
        <source>Drag the tail of the plane Vector(black) to the tip of the wind(blue) Vector.</source>
        <translation>Ziehe den Fuß des Flugzeugvektors (schwarz) an die Spitze des Windvektors (blau).</translation>
    </message>
    <message>
        <source>Then change the magnitude and direction of the plane until it meets the tip of the resultant(red) Vector</source>
        <translation>Ändere dann Betrag und Richtung des Flugzeugs, bis es die Spitze der Resultierenden (rot) trifft</translation>
    </message>
    <message>
        <source>Introduction/Start/finish line</source>
        <translation>Einführung/Start- und Ziellinie</translation>
    </message>
    <message>
        <source>The start stop markings can help determine how far we have traveled or want to travel.</source>
        <translation>Die Start- und Zielmarken helfen zu bestimmen, wie weit wir geflogen sind oder fliegen wollen.</translation>
    </message>
    <message>
        <source>In this case the ground velocity has a speed of 30 m/s</source>
        <translation>Hier hat die Geschwindigkeit über Grund den Betrag 30 m/s</translation>
    </message>
    <message>
        <source>So after 2 s the plane should have traveled 60 m in that dierction.</source>
        <translation>Nach 2 s sollte das Flugzeug also 60 m in diese Richtung geflogen sein.</translation>
    </message>
    <message>
        <source>below the start/stop check box shows magnitude and direction of the end point.</source>
        <translation>Unter dem Kästchen Start/Ziel stehen Entfernung und Richtung des Zielpunkts.</translation>
    </message>
    <message>
        <source>Move the plane to the start point and run it for 2 seconds.</source>
        <translation>Schiebe das Flugzeug auf den Startpunkt und lass es 2 Sekunden fliegen.</translation>
    </message>
    <message>
        <source>Notice how the plane stops on top of the red X</source>
        <translation>Beachte, wie das Flugzeug genau auf dem roten X anhält</translation>
    </message>
    <message>
        <source>Easy/Find Resultant</source>
        <translation>Leicht/Resultierende finden</translation>
    </message>
    <message>
        <source>Find the resultant(ground velocity) by adding the Wind Velocity</source>
        <translation>Finde die Resultierende (Geschwindigkeit über Grund), indem du die Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>with the plane  veocity.  Drag the plane to start of resultant</source>
        <translation>und die Geschwindigkeit des Flugzeugs addierst.  Ziehe das Flugzeug an den Anfang der Resultierenden</translation>
    </message>
    <message>
        <source>to see if the resultant is in the right direction.</source>
        <translation>um zu sehen, ob die Resultierende in die richtige Richtung zeigt.</translation>
    </message>
    <message>
        <source>Hit start and the plane should follow the resultant line if done properly.</source>
        <translation>Drücke Start: Wenn alles stimmt, folgt das Flugzeug der Resultierenden.</translation>
    </message>
    <message>
        <source>Revers order of the two vectors you added.  Notice how resultant is the same.</source>
        <translation>Vertausche die Reihenfolge der beiden addierten Vektoren.  Die Resultierende bleibt gleich.</translation>
    </message>
    <message>
        <source>Easy/Find Wind Velocity</source>
        <translation>Leicht/Windgeschwindigkeit finden</translation>
    </message>
    <message>
        <source>You want to travel in the direction of the red vector.</source>
        <translation>Du willst in Richtung des roten Vektors reisen.</translation>
    </message>
    <message>
        <source>The plane heads in the direction of the black arrow.</source>
        <translation>Das Flugzeug steuert in Richtung des schwarzen Pfeils.</translation>
    </message>
    <message>
        <source>The wind velocity can be found by subtracting these two vectors.</source>
        <translation>Die Windgeschwindigkeit erhältst du, indem du diese beiden Vektoren subtrahierst.</translation>
    </message>
    <message>
        <source>Make appropriate adjustments to the wind velocity. </source>
        <translation>Stelle die Windgeschwindigkeit passend ein. </translation>
    </message>
    <message>
        <source>Move the plane to the start of the resultant.</source>
        <translation>Schiebe das Flugzeug an den Anfang der Resultierenden.</translation>
    </message>
    <message>
        <source>The plane will follow the resultant if you did it correctly.</source>
        <translation>Wenn alles stimmt, folgt das Flugzeug der Resultierenden.</translation>
    </message>
    <message>
        <source>Easy/Find Plane Velocity</source>
        <translation>Leicht/Geschwindigkeit des Flugzeugs finden</translation>
    </message>
    <message>
        <source>You want to have a ground velocity as shown(red vector).</source>
        <translation>Du willst die gezeigte Geschwindigkeit über Grund (roter Vektor) erreichen.</translation>
    </message>
    <message>
        <source>The Wind has a velocity as indicated by the blue arrow.</source>
        <translation>Der Wind hat die Geschwindigkeit, die der blaue Pfeil zeigt.</translation>
    </message>
    <message>
        <source>The required plane&apos;s velocity can be found by subtracting these two vectors.</source>
        <translation>Die nötige Geschwindigkeit des Flugzeugs erhältst du, indem du diese beiden Vektoren subtrahierst.</translation>
    </message>
    <message>
        <source>Make appropriate adjustments to the plane&apos;s velocity. </source>
        <translation>Stelle die Geschwindigkeit des Flugzeugs passend ein. </translation>
    </message>
    <message>
        <source>Move the plane to the start of the ground velocity.</source>
        <translation>Schiebe das Flugzeug an den Anfang der Geschwindigkeit über Grund.</translation>
    </message>
    <message>
        <source>Medium/Where are you?</source>
        <translation>Mittel/Wo bist du?</translation>
    </message>
    <message>
        <source>Using the given Wind and plane velocities,</source>
        <translation>Bestimme mit den gegebenen Geschwindigkeiten von Wind und Flugzeug,</translation>
    </message>
    <message>
        <source>Determine where you will be after 8 seconds.</source>
        <translation>wo du nach 8 Sekunden sein wirst.</translation>
    </message>
    <message>
        <source>Adjust the scale to 500 m so you can see the full motion to measure.</source>
        <translation>Stelle den Maßstab auf 500 m, damit du die ganze Bewegung siehst und messen kannst.</translation>
    </message>
    <message>
        <source>Move the start/Stop markers and verify you end up at the right spot.</source>
        <translation>Verschiebe die Start- und Zielmarke und prüfe, ob du an der richtigen Stelle ankommst.</translation>
    </message>
    <message>
        <source>Hard/Where should I head?</source>
        <translation>Schwer/Wohin muss ich steuern?</translation>
    </message>
    <message>
        <source>You want to start from the Green X and end at the Red X, 2000 m [NW] away.</source>
        <translation>Du willst vom grünen X zum roten X fliegen, 2000 m [NW] entfernt.</translation>
    </message>
    <message>
        <source>If the wind is as shown, but you can only fly the plane at 50 m/s,</source>
        <translation>Der Wind ist wie gezeigt, das Flugzeug fliegt aber nur 50 m/s schnell.</translation>
    </message>
    <message>
        <source>What direction must you fly the plane? How long will the trip take?</source>
        <translation>In welche Richtung musst du steuern? Wie lange dauert der Flug?</translation>
    </message>
    <message>
        <source>Verify your results by moving the plane to start marker and flying the plane.</source>
        <translation>Prüfe dein Ergebnis: Schiebe das Flugzeug auf die Startmarke und lass es fliegen.</translation>
    </message>
    <message>
        <source>Hard/How fast is the wind?</source>
        <translation>Schwer/Wie schnell ist der Wind?</translation>
    </message>
    <message>
        <source>You want to start from the Green X and end at the Red X.</source>
        <translation>Du willst vom grünen X zum roten X fliegen.</translation>
    </message>
    <message>
        <source>You fly the plane in the direction shown to make the trip.  If the wind was heading [SW] as shown,</source>
        <translation>Du steuerst das Flugzeug in die gezeigte Richtung.  Der Wind weht wie gezeigt nach [SW].</translation>
    </message>
    <message>
        <source>How fast was the wind for you to end up going in the required direction?</source>
        <translation>Wie schnell muss der Wind sein, damit du in der gewünschten Richtung ankommst?</translation>
    </message>
    <message>
        <source>How long will the trip take?</source>
        <translation>Wie lange dauert der Flug?</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Full solution/#1</source>
        <translation>Arbeitsblätter/Arbeitsblatt Nr. 1/Vollständige Lösung/Nr. 1</translation>
    </message>
    <message>
        <source>Full solution from 1st work sheet</source>
        <translation>Vollständige Lösung zum 1. Arbeitsblatt</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Full solution/#2</source>
        <translation>Arbeitsblätter/Arbeitsblatt Nr. 1/Vollständige Lösung/Nr. 2</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Full solution/#3</source>
        <translation>Arbeitsblätter/Arbeitsblatt Nr. 1/Vollständige Lösung/Nr. 3</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Partial Solution/#1</source>
        <translation>Arbeitsblätter/Arbeitsblatt Nr. 1/Teillösung/Nr. 1</translation>
    </message>
    <message>
        <source>Partial solution from 1st work sheet.</source>
        <translation>Teillösung zum 1. Arbeitsblatt.</translation>
    </message>
    <message>
        <source>move red arrow to find graound velocity.  Then adjust red x to find where it will land.</source>
        <translation>Verschiebe den roten Pfeil, um die Geschwindigkeit über Grund zu finden.  Verschiebe dann das rote X dorthin, wo das Flugzeug landet.</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Partial Solution/#2</source>
        <translation>Arbeitsblätter/Arbeitsblatt Nr. 1/Teillösung/Nr. 2</translation>
    </message>
    <message>
        <source>Partial solution from 1st work sheet</source>
        <translation>Teillösung zum 1. Arbeitsblatt</translation>
    </message>
    <message>
        <source>move red arrow to find graound velocity.  Then adjust Green x to start,</source>
        <translation>Verschiebe den roten Pfeil, um die Geschwindigkeit über Grund zu finden.  Setze dann das grüne X auf den Start</translation>
    </message>
    <message>
        <source>red and  to find where it will land.</source>
        <translation>und das rote, um zu finden, wo das Flugzeug landet.</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Partial Solution/#3</source>
        <translation>Arbeitsblätter/Arbeitsblatt Nr. 1/Teillösung/Nr. 3</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>&amp;Start</source>
        <extracomment>The flight&apos;s button before the plane first flies; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <extracomment>The flight&apos;s button while the plane flies; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <extracomment>The flight&apos;s button once the plane has stopped; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Motion</source>
        <extracomment>Title of the explanation panel</extracomment>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Load a Plane Motion</source>
        <translation>Flugbewegung laden</translation>
    </message>
    <message>
        <source>Save a Plane Motion</source>
        <translation>Flugbewegung speichern</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <extracomment>Button of the motion panel; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Button of the motion panel; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Hinweis: </translation>
    </message>
    <message>
        <source>Plane: Velocity of plane relative to the air. (black)</source>
        <translation>Flugzeug: Geschwindigkeit des Flugzeugs relativ zur Luft. (schwarz)</translation>
    </message>
    <message>
        <source>Wind: Velocity of the air relative to the ground. (blue)</source>
        <translation>Wind: Geschwindigkeit der Luft relativ zum Boden. (blau)</translation>
    </message>
    <message>
        <source>The Ground Velocity (red) in the program is not used in the calculation of the plane motion. It is used as a way to measure what the resultant vector should be. The only vectors that affect the motion of the plane is the Wind and the Plane velocity.</source>
        <translation>Die Geschwindigkeit über Grund (rot) geht nicht in die Berechnung der Flugbewegung ein. Mit ihr misst du, wie der resultierende Vektor sein sollte. Die Bewegung des Flugzeugs hängt nur von den Geschwindigkeiten von Wind und Flugzeug ab.</translation>
    </message>
    <message>
        <source>Zephyra About</source>
        <extracomment>Title of the about box</extracomment>
        <translation>Über Zephyra</translation>
    </message>
    <message>
        <source>Product Name: Zephyra</source>
        <translation>Produktname: Zephyra</translation>
    </message>
    <message>
        <source>Time Factor: </source>
        <translation>Zeitfaktor: </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Zeit: </translation>
    </message>
    <message>
        <source>Direction: </source>
        <extracomment>Distance and bearing from the start marker to the finish marker</extracomment>
        <translation>Richtung: </translation>
    </message>
    <message>
        <source>River Width: </source>
        <translation>Flussbreite: </translation>
    </message>
    <message>
        <source>Wind: </source>
        <extracomment>Read-out of the wind&apos;s velocity, e.g. &quot;Wind: 20.0 m/s [E]&quot;</extracomment>
        <translation>Wind: </translation>
    </message>
    <message>
        <source>Plane: </source>
        <extracomment>Read-out of the plane&apos;s velocity relative to the air</extracomment>
        <translation>Flugzeug: </translation>
    </message>
    <message>
        <source>Ground: </source>
        <extracomment>Read-out of the ground velocity</extracomment>
        <translation>Grund: </translation>
    </message>
    <message>
        <source>Units: </source>
        <extracomment>Menu caption before the chosen units, e.g. &quot;Units: m,s&quot;</extracomment>
        <translation>Einheiten: </translation>
    </message>
    <message>
        <source>Version </source>
        <extracomment>The about box&apos;s version line, e.g. &quot;Version 1.2&quot;</extracomment>
        <translation>Version </translation>
    </message>
    <message>
        <source>Your ground velocity: %1. Current + boat: %2. Off by %3%4 and %5°.</source>
        <translation>Deine Geschwindigkeit über Grund: %1. Strömung + Boot: %2. Abweichung: %3%4 und %5°.</translation>
    </message>
    <message>
        <source>Your ground velocity: %1. Wind + plane: %2. Off by %3%4 and %5°.</source>
        <translation>Deine Geschwindigkeit über Grund: %1. Wind + Flugzeug: %2. Abweichung: %3%4 und %5°.</translation>
    </message>
    <message>
        <source>Plane: Velocity of the boat relative to the water. (black)</source>
        <translation>Flugzeug: Geschwindigkeit des Boots relativ zum Wasser. (schwarz)</translation>
    </message>
    <message>
        <source>Wind: Velocity of the current relative to the ground. (blue)</source>
        <translation>Wind: Geschwindigkeit der Strömung relativ zum Boden. (blau)</translation>
    </message>
    <message>
        <source>The Ground Velocity (red) is not used in the calculation of the boat motion. It is a way to measure what the resultant vector should be. Only the current (Wind) and the boat (Plane) move the boat.</source>
        <translation>Die Geschwindigkeit über Grund (rot) geht nicht in die Berechnung der Bootsbewegung ein. Mit ihr misst du, wie der resultierende Vektor sein sollte. Nur Strömung (Wind) und Boot (Flugzeug) bewegen das Boot.</translation>
    </message>
</context>
<context>
    <name>Trelativefrm</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>Zeitfaktor</translation>
    </message>
    <message>
        <source>River width</source>
        <translation>Flussbreite</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Endlos</translation>
    </message>
    <message>
        <source>Show Start/Finish</source>
        <translation>Start/Ziel zeigen</translation>
    </message>
    <message>
        <source>Distance Scale</source>
        <translation>Entfernungsmaßstab</translation>
    </message>
    <message>
        <source>No program was found to open the user guide.
Its file is %1</source>
        <translation>Es wurde kein Programm gefunden, das die Anleitung öffnet.
Ihre Datei ist %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Arbeitsblätter</translation>
    </message>
    <message>
        <source>Works sheet #1</source>
        <translation>Arbeitsblatt Nr. 1</translation>
    </message>
    <message>
        <source>Full solution</source>
        <translation>Vollständige Lösung</translation>
    </message>
    <message>
        <source>Partial Solution</source>
        <translation>Teillösung</translation>
    </message>
    <message>
        <source>Motion 2</source>
        <translation>Bewegung 2</translation>
    </message>
    <message>
        <source>Motion 3</source>
        <translation>Bewegung 3</translation>
    </message>
    <message>
        <source>&amp;Save Motion</source>
        <translation>Bewegung &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Open Motion</source>
        <translation>Bewegung ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Copy Select</source>
        <translation>Ausschnitt kopieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Show Vectors</source>
        <translation>Vektoren zeigen</translation>
    </message>
    <message>
        <source>Show River</source>
        <translation>Fluss zeigen</translation>
    </message>
    <message>
        <source>Show Displacement</source>
        <translation>Verschiebung zeigen</translation>
    </message>
    <message>
        <source>&amp;Describe the Scene</source>
        <translation>Szene &amp;beschreiben</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Units: m,s</source>
        <translation>Einheiten: m,s</translation>
    </message>
    <message>
        <source>m,s</source>
        <translation>m,s</translation>
    </message>
    <message>
        <source>km, h</source>
        <translation>km, h</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>, joined</source>
        <translation>, verbunden</translation>
    </message>
    <message>
        <source>Move wind and plane arrows together</source>
        <translation>Wind- und Flugzeugpfeil zusammen verschieben</translation>
    </message>
    <message>
        <source>Plane arrow tail</source>
        <translation>Fuß des Flugzeugpfeils</translation>
    </message>
    <message>
        <source>Plane arrow tip</source>
        <translation>Spitze des Flugzeugpfeils</translation>
    </message>
    <message>
        <source>Wind arrow tip</source>
        <translation>Spitze des Windpfeils</translation>
    </message>
    <message>
        <source>Wind arrow tail</source>
        <translation>Fuß des Windpfeils</translation>
    </message>
    <message>
        <source>Start marker</source>
        <translation>Startmarke</translation>
    </message>
    <message>
        <source>Finish marker</source>
        <translation>Zielmarke</translation>
    </message>
    <message>
        <source>Plane start</source>
        <translation>Startpunkt des Flugzeugs</translation>
    </message>
    <message>
        <source>Wind arrow</source>
        <translation>Windpfeil</translation>
    </message>
    <message>
        <source>Plane arrow</source>
        <translation>Flugzeugpfeil</translation>
    </message>
    <message>
        <source>Ground velocity arrow</source>
        <translation>Pfeil der Geschwindigkeit über Grund</translation>
    </message>
    <message>
        <source>Ground velocity arrow tail</source>
        <translation>Fuß des Pfeils der Geschwindigkeit über Grund</translation>
    </message>
    <message>
        <source>Ground velocity arrow tip</source>
        <translation>Spitze des Pfeils der Geschwindigkeit über Grund</translation>
    </message>
    <message>
        <source>Copy selection</source>
        <translation>Kopierausschnitt</translation>
    </message>
    <message>
        <source>Ground Position</source>
        <translation>Position über Grund</translation>
    </message>
    <message>
        <source>Ground view</source>
        <translation>Ansicht von oben</translation>
    </message>
    <message>
        <source>Copied picture</source>
        <translation>Kopiertes Bild</translation>
    </message>
    <message>
        <source>Sky tile</source>
        <translation>Himmelskachel</translation>
    </message>
    <message>
        <source>Water tile</source>
        <translation>Wasserkachel</translation>
    </message>
    <message>
        <source>Saved sky tile</source>
        <translation>Gespeicherte Himmelskachel</translation>
    </message>
    <message>
        <source>Displacement from Start</source>
        <translation>Verschiebung vom Start</translation>
    </message>
    <message>
        <source>%1, tail at %2, tip at %3.</source>
        <translation>%1, Fuß bei %2, Spitze bei %3.</translation>
    </message>
    <message>
        <source>plane arrow&apos;s tail</source>
        <translation>Fuß des Flugzeugpfeils</translation>
    </message>
    <message>
        <source>tail</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>plane arrow&apos;s tip</source>
        <translation>Spitze des Flugzeugpfeils</translation>
    </message>
    <message>
        <source>tip</source>
        <translation>Spitze</translation>
    </message>
    <message>
        <source>wind arrow&apos;s tail</source>
        <translation>Fuß des Windpfeils</translation>
    </message>
    <message>
        <source>wind arrow&apos;s tip</source>
        <translation>Spitze des Windpfeils</translation>
    </message>
    <message>
        <source>ground velocity arrow&apos;s tail</source>
        <translation>Fuß des Pfeils der Geschwindigkeit über Grund</translation>
    </message>
    <message>
        <source>ground velocity arrow&apos;s tip</source>
        <translation>Spitze des Pfeils der Geschwindigkeit über Grund</translation>
    </message>
    <message>
        <source>The %1 is joined to the %2.</source>
        <translation>%1 und %2 sind verbunden.</translation>
    </message>
    <message>
        <source>The %1 is %2 the %3.</source>
        <translation>%1: %2 %3.</translation>
    </message>
    <message>
        <source>, %1 %2 the %3</source>
        <translation>, %1 %2 %3</translation>
    </message>
    <message>
        <source>%1 px %2</source>
        <translation>%1 px %2</translation>
    </message>
    <message>
        <source>left of</source>
        <translation>links von</translation>
    </message>
    <message>
        <source>right of</source>
        <translation>rechts von</translation>
    </message>
    <message>
        <source>above</source>
        <translation>über</translation>
    </message>
    <message>
        <source>below</source>
        <translation>unter</translation>
    </message>
    <message>
        <source>on</source>
        <translation>auf</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Ground view, places in pixels from its top left.</source>
        <translation>Ansicht von oben, Orte in Pixeln von links oben.</translation>
    </message>
    <message>
        <source>Plane start at %1.</source>
        <translation>Startpunkt des Flugzeugs bei %1.</translation>
    </message>
    <message>
        <source>%1, the plane is %2 and %3 from its start.</source>
        <translation>%1, das Flugzeug ist %2 und %3 von seinem Start entfernt.</translation>
    </message>
    <message>
        <source>Start marker at %1, finish marker at %2, %3.</source>
        <translation>Startmarke bei %1, Zielmarke bei %2, %3.</translation>
    </message>
    <message>
        <source>River shown, %1.</source>
        <translation>Fluss gezeigt, %1.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>Is this the right Experiment?</source>
        <translation>Ist das der richtige Versuch?</translation>
    </message>
    <message>
        <source>Motion loaded</source>
        <translation>Bewegung geladen</translation>
    </message>
    <message>
        <source>Relative Motion Question</source>
        <translation>Frage zur Relativbewegung</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>S&amp;teuerung</translation>
    </message>
    <message>
        <source>&amp;Velocities</source>
        <translation>&amp;Geschwindigkeiten</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>Fliegt</translation>
    </message>
    <message>
        <source>Stopped. %1. Displacement from Start: %2, %3</source>
        <translation>Angehalten. %1. Verschiebung vom Start: %2, %3</translation>
    </message>
    <message>
        <source>Controls page</source>
        <translation>Seite Steuerung</translation>
    </message>
    <message>
        <source>Velocities page</source>
        <translation>Seite Geschwindigkeiten</translation>
    </message>
    <message>
        <source>joined</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Windgeschwindigkeit</translation>
    </message>
    <message>
        <source>Wind direction</source>
        <translation>Windrichtung</translation>
    </message>
    <message>
        <source>Turn wind counter-clockwise</source>
        <translation>Wind gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn wind clockwise</source>
        <translation>Wind im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Plane speed</source>
        <translation>Fluggeschwindigkeit</translation>
    </message>
    <message>
        <source>Plane direction</source>
        <translation>Flugrichtung</translation>
    </message>
    <message>
        <source>Turn plane counter-clockwise</source>
        <translation>Flugzeug gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn plane clockwise</source>
        <translation>Flugzeug im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Ground speed</source>
        <translation>Geschwindigkeit über Grund</translation>
    </message>
    <message>
        <source>Ground velocity direction</source>
        <translation>Richtung der Geschwindigkeit über Grund</translation>
    </message>
    <message>
        <source>Turn ground velocity counter-clockwise</source>
        <translation>Geschwindigkeit über Grund gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn ground velocity clockwise</source>
        <translation>Geschwindigkeit über Grund im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Vector scale</source>
        <translation>Vektormaßstab</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Scale</source>
        <extracomment>Caption under the vector scale bar, between &quot;Small&quot; and &quot;Large&quot;; short</extracomment>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>: the join holds it; Shift with an arrow key moves it 10 px, which parts it</source>
        <translation>: die Verbindung hält ihn fest; Umschalt mit einer Pfeiltaste verschiebt ihn um 10 px und trennt ihn</translation>
    </message>
    <message>
        <source>Show &amp;Question</source>
        <translation>Frage &amp;zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Path</source>
        <translation>F&amp;lugbahn zeigen</translation>
    </message>
    <message>
        <source>&amp;Check Ground Velocity</source>
        <translation>&amp;Geschwindigkeit über Grund prüfen</translation>
    </message>
    <message>
        <source>10%1 is drawn %2 px long</source>
        <extracomment>What the vector scale sets: &quot;10 m/s is drawn 40.0 px long&quot;</extracomment>
        <translation>10%1 wird %2 px lang gezeichnet</translation>
    </message>
    <message>
        <source>%1%2 across 500 px</source>
        <extracomment>What a distance scale sets: &quot;100 m across 500 px&quot; of the ground view</extracomment>
        <translation>%1%2 auf 500 px</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>Ans&amp;icht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>No program was found to open the worksheets.
Its file is %1</source>
        <translation>Es wurde kein Programm gefunden, das die Arbeitsblätter öffnet.
Ihre Datei ist %1</translation>
    </message>
    <message>
        <source>&amp;Worksheets</source>
        <translation>Arbeits&amp;blätter</translation>
    </message>
</context>
<context>
    <name>zephyra::Taboutboxp</name>
    <message>
        <source>Relative motion for the classroom: fly a plane through the wind and see how velocities add as vectors. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Relativbewegung für den Unterricht: Lass ein Flugzeug durch den Wind fliegen und sieh, wie sich Geschwindigkeiten als Vektoren addieren. Freie Software unter der GNU GPL, Version 3 oder später.</translation>
    </message>
    <message>
        <source>Zephyra user guide</source>
        <translation>Anleitung zu Zephyra</translation>
    </message>
</context>
</TS>
