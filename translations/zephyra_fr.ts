<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Relative motion for the classroom: how velocities add as vectors.
Qt&apos;s own options (-platform, -style, ...) are understood as well.</source>
        <translation>Le mouvement relatif en classe : comment les vitesses s&apos;additionnent comme des vecteurs.
Les options propres à Qt (-platform, -style, ...) sont aussi comprises.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Speaks the language CODE (%1) instead of the desktop&apos;s.</source>
        <extracomment>Help of --language; keep &quot;CODE&quot; as it is in the value&apos;s name</extracomment>
        <translation>Parle la langue CODE (%1) au lieu de celle du bureau.</translation>
    </message>
    <message>
        <source>A motion file (.rel) to open after start-up.</source>
        <translation>Un fichier de mouvement (.rel) à ouvrir après le démarrage.</translation>
    </message>
    <message>
        <source>no translation for the language &apos;%1&apos;; there are %2</source>
        <translation>pas de traduction pour la langue &apos;%1&apos; ; il y a %2</translation>
    </message>
    <message>
        <source>only one motion file can be opened, %1 were given</source>
        <translation>un seul fichier de mouvement peut être ouvert, %1 ont été donnés</translation>
    </message>
    <message>
        <source>Opens the window at PERCENT of its designed size (%1 to %2), as far as the screen holds it.</source>
        <extracomment>Help of --zoom; keep &quot;PERCENT&quot; as it is in the value&apos;s name</extracomment>
        <translation>Ouvre la fenêtre à PERCENT de sa taille prévue (de %1 à %2), autant que l’écran le permet.</translation>
    </message>
    <message>
        <source>Opens the window full screen.</source>
        <translation>Ouvre la fenêtre en plein écran.</translation>
    </message>
    <message>
        <source>the zoom must be a whole percentage from %1 to %2, not &quot;%3&quot;</source>
        <translation>le zoom doit être un pourcentage entier de %1 à %2, pas « %3 »</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>Compass letter for South, as in &quot;[S 30.0° W]&quot;</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>Compass letter for West, as in &quot;[S 30.0° W]&quot;</extracomment>
        <translation>O</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this translation&apos;s language in that language, as the Language menu lists it: &quot;Deutsch&quot;, &quot;Français&quot;</extracomment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>A field of a motion file that is not a whole number</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <extracomment>A field of a motion file that is not a number</extracomment>
        <translation>&apos;%1&apos; n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d&apos;entrée/sortie %1</translation>
    </message>
</context>
<context>
    <name>Motion panel</name>
    <message>
        <source>Relative Motion|*.rel</source>
        <extracomment>Name of the motion files in the file dialogs; keep &quot;|*.rel&quot;</extracomment>
        <translation>Mouvement relatif|*.rel</translation>
    </message>
    <message>
        <source>Click load to choose a file</source>
        <translation>Clique sur Ouvrir pour choisir un fichier</translation>
    </message>
    <message>
        <source>Type in explaination here!</source>
        <translation>Écris l&apos;explication ici !</translation>
    </message>
    <message>
        <source>(The rest of the explanation is too long to show here.)</source>
        <translation>(La suite de l&apos;explication est trop longue pour être affichée ici.)</translation>
    </message>
    <message>
        <source>No question or motion has been loaded yet.</source>
        <translation>Aucune question ni aucun mouvement n’a encore été chargé.</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Introduction/Move vectors</source>
        <translation>Introduction/Déplacer les vecteurs</translation>
    </message>
    <message>
        <source>Click and drag each of the white dots on the vectors.</source>
        <translation>Clique sur chacun des points blancs des vecteurs et fais-le glisser.</translation>
    </message>
    <message>
        <source>This will allow you to move the vectors around.</source>
        <translation>Cela te permet de déplacer les vecteurs.</translation>
    </message>
    <message>
        <source>The black square allows you to move 2 vectors at once.</source>
        <translation>Le carré noir permet de déplacer 2 vecteurs à la fois.</translation>
    </message>
    <message>
        <source>You can scale the vectors by going to velocities tab and adjust scale</source>
        <translation>Dans l&apos;onglet Vitesses, tu peux changer l&apos;échelle des vecteurs</translation>
    </message>
    <message>
        <source>This doesn&apos;t change the velocity just length of the vectors.</source>
        <translation>Cela ne change pas la vitesse, seulement la longueur des vecteurs.</translation>
    </message>
    <message>
        <source>Use the scroll bars to adjust the speeds.  Try to figure out how to change the direction of the velocities.</source>
        <translation>Règle les vitesses avec les barres de défilement.  Cherche comment changer la direction des vitesses.</translation>
    </message>
    <message>
        <source>How can you make small angle changes?</source>
        <translation>Comment peux-tu modifier l&apos;angle par petits pas ?</translation>
    </message>
    <message>
        <source>Introduction/Move plane</source>
        <translation>Introduction/Déplacer l&apos;avion</translation>
    </message>
    <message>
        <source>Here you will learn to move the plane to where you want to start.</source>
        <translation>Ici tu apprends à placer l&apos;avion là où tu veux partir.</translation>
    </message>
    <message>
        <source>Move the cursor on top of the plane until cursor is a cross.</source>
        <translation>Place le pointeur sur l&apos;avion jusqu&apos;à ce qu&apos;il devienne une croix.</translation>
    </message>
    <message>
        <source>Now click and drag the the plane to start of resultant vector.</source>
        <translation>Fais maintenant glisser l&apos;avion jusqu&apos;à l&apos;origine du vecteur résultant.</translation>
    </message>
    <message>
        <source>Hit start and the plane should follow the resultant line.</source>
        <translation>Appuie sur Démarrer : l&apos;avion devrait suivre la résultante.</translation>
    </message>
    <message>
        <source>Introduction/Adding Vectors</source>
        <translation>Introduction/Additionner des vecteurs</translation>
    </message>
    <message>
        <source>Too add velocity vectors you put the vectors &apos;tip to tail&apos;.</source>
        <translation>Pour additionner des vecteurs vitesse, on les place &apos;bout à bout&apos;.</translation>
    </message>
    <message>
        <source>Here we are adding the Wind(blue) and Plane(black) vectors together.</source>
        <translation>Ici on additionne le vecteur du vent (bleu) et celui de l&apos;avion (noir).</translation>
    </message>
    <message>
        <source>Move the tail of the resultant(red) to the tail of the wind and then</source>
        <translation>Place l&apos;origine de la résultante (rouge) sur l&apos;origine du vent, puis</translation>
    </message>
    <message>
        <source>Change the angle and magnitude of the resultant(red) to determine the what the resultant is.</source>
        <translation>change la direction et la norme de la résultante (rouge) pour la déterminer.</translation>
    </message>
    <message>
        <source>Introduction/Subtracting Vectors</source>
        <translation>Introduction/Soustraire des vecteurs</translation>
    </message>
    <message>
        <source>Too subtract Vectors in physics it is best to put the vectors tail to tail</source>
        <translation>Pour soustraire des vecteurs en physique, le mieux est de les placer origine contre origine</translation>
    </message>
    <message>
        <source>and the resulting vector is found by drawing a vector from the &quot;2nd&quot; vector to the &quot;1st&quot;</source>
        <translation>et le vecteur résultat va de l&apos;extrémité du &quot;2e&quot; vecteur à celle du &quot;1er&quot;</translation>
    </message>
    <message>
        <source>Drag the tail of the plane Vector(black) to the tip of the wind(blue) Vector.</source>
        <translation>Fais glisser l&apos;origine du vecteur de l&apos;avion (noir) sur l&apos;extrémité du vecteur du vent (bleu).</translation>
    </message>
    <message>
        <source>Then change the magnitude and direction of the plane until it meets the tip of the resultant(red) Vector</source>
        <translation>Change ensuite la norme et la direction de l&apos;avion jusqu&apos;à atteindre l&apos;extrémité de la résultante (rouge)</translation>
    </message>
    <message>
        <source>Introduction/Start/finish line</source>
        <translation>Introduction/Ligne de départ et d&apos;arrivée</translation>
    </message>
    <message>
        <source>The start stop markings can help determine how far we have traveled or want to travel.</source>
        <translation>Les marques de départ et d&apos;arrivée aident à mesurer la distance parcourue ou à parcourir.</translation>
    </message>
    <message>
        <source>In this case the ground velocity has a speed of 30 m/s</source>
        <translation>Ici la vitesse par rapport au sol vaut 30 m/s</translation>
    </message>
    <message>
        <source>So after 2 s the plane should have traveled 60 m in that dierction.</source>
        <translation>Après 2 s, l&apos;avion devrait donc avoir parcouru 60 m dans cette direction.</translation>
    </message>
    <message>
        <source>below the start/stop check box shows magnitude and direction of the end point.</source>
        <translation>Sous la case Départ/arrivée s&apos;affichent la distance et la direction du point d&apos;arrivée.</translation>
    </message>
    <message>
        <source>Move the plane to the start point and run it for 2 seconds.</source>
        <translation>Place l&apos;avion sur le point de départ et fais-le voler 2 secondes.</translation>
    </message>
    <message>
        <source>Notice how the plane stops on top of the red X</source>
        <translation>Remarque que l&apos;avion s&apos;arrête pile sur le X rouge</translation>
    </message>
    <message>
        <source>Easy/Find Resultant</source>
        <translation>Facile/Trouver la résultante</translation>
    </message>
    <message>
        <source>Find the resultant(ground velocity) by adding the Wind Velocity</source>
        <translation>Trouve la résultante (vitesse par rapport au sol) en additionnant la vitesse du vent</translation>
    </message>
    <message>
        <source>with the plane  veocity.  Drag the plane to start of resultant</source>
        <translation>et celle de l&apos;avion.  Fais glisser l&apos;avion à l&apos;origine de la résultante</translation>
    </message>
    <message>
        <source>to see if the resultant is in the right direction.</source>
        <translation>pour voir si la résultante a la bonne direction.</translation>
    </message>
    <message>
        <source>Hit start and the plane should follow the resultant line if done properly.</source>
        <translation>Appuie sur Démarrer : si tout est juste, l&apos;avion suit la résultante.</translation>
    </message>
    <message>
        <source>Revers order of the two vectors you added.  Notice how resultant is the same.</source>
        <translation>Inverse l&apos;ordre des deux vecteurs additionnés.  Remarque que la résultante est la même.</translation>
    </message>
    <message>
        <source>Easy/Find Wind Velocity</source>
        <translation>Facile/Trouver la vitesse du vent</translation>
    </message>
    <message>
        <source>You want to travel in the direction of the red vector.</source>
        <translation>Tu veux te déplacer dans la direction du vecteur rouge.</translation>
    </message>
    <message>
        <source>The plane heads in the direction of the black arrow.</source>
        <translation>L&apos;avion a le cap de la flèche noire.</translation>
    </message>
    <message>
        <source>The wind velocity can be found by subtracting these two vectors.</source>
        <translation>On trouve la vitesse du vent en soustrayant ces deux vecteurs.</translation>
    </message>
    <message>
        <source>Make appropriate adjustments to the wind velocity. </source>
        <translation>Règle la vitesse du vent en conséquence. </translation>
    </message>
    <message>
        <source>Move the plane to the start of the resultant.</source>
        <translation>Place l&apos;avion à l&apos;origine de la résultante.</translation>
    </message>
    <message>
        <source>The plane will follow the resultant if you did it correctly.</source>
        <translation>Si tu as bien fait, l&apos;avion suivra la résultante.</translation>
    </message>
    <message>
        <source>Easy/Find Plane Velocity</source>
        <translation>Facile/Trouver la vitesse de l&apos;avion</translation>
    </message>
    <message>
        <source>You want to have a ground velocity as shown(red vector).</source>
        <translation>Tu veux obtenir la vitesse par rapport au sol indiquée (vecteur rouge).</translation>
    </message>
    <message>
        <source>The Wind has a velocity as indicated by the blue arrow.</source>
        <translation>Le vent a la vitesse indiquée par la flèche bleue.</translation>
    </message>
    <message>
        <source>The required plane&apos;s velocity can be found by subtracting these two vectors.</source>
        <translation>On trouve la vitesse nécessaire de l&apos;avion en soustrayant ces deux vecteurs.</translation>
    </message>
    <message>
        <source>Make appropriate adjustments to the plane&apos;s velocity. </source>
        <translation>Règle la vitesse de l&apos;avion en conséquence. </translation>
    </message>
    <message>
        <source>Move the plane to the start of the ground velocity.</source>
        <translation>Place l&apos;avion à l&apos;origine de la vitesse par rapport au sol.</translation>
    </message>
    <message>
        <source>Medium/Where are you?</source>
        <translation>Moyen/Où es-tu ?</translation>
    </message>
    <message>
        <source>Using the given Wind and plane velocities,</source>
        <translation>Avec les vitesses données du vent et de l&apos;avion,</translation>
    </message>
    <message>
        <source>Determine where you will be after 8 seconds.</source>
        <translation>détermine où tu seras après 8 secondes.</translation>
    </message>
    <message>
        <source>Adjust the scale to 500 m so you can see the full motion to measure.</source>
        <translation>Règle l&apos;échelle sur 500 m pour voir tout le mouvement et le mesurer.</translation>
    </message>
    <message>
        <source>Move the start/Stop markers and verify you end up at the right spot.</source>
        <translation>Déplace les marques de départ et d&apos;arrivée et vérifie que tu arrives au bon endroit.</translation>
    </message>
    <message>
        <source>Hard/Where should I head?</source>
        <translation>Difficile/Quel cap prendre ?</translation>
    </message>
    <message>
        <source>You want to start from the Green X and end at the Red X, 2000 m [NW] away.</source>
        <translation>Tu veux partir du X vert et arriver au X rouge, à 2000 m [NO].</translation>
    </message>
    <message>
        <source>If the wind is as shown, but you can only fly the plane at 50 m/s,</source>
        <translation>Le vent est tel qu&apos;indiqué, mais l&apos;avion ne vole qu&apos;à 50 m/s.</translation>
    </message>
    <message>
        <source>What direction must you fly the plane? How long will the trip take?</source>
        <translation>Quel cap l&apos;avion doit-il prendre ? Combien de temps dure le trajet ?</translation>
    </message>
    <message>
        <source>Verify your results by moving the plane to start marker and flying the plane.</source>
        <translation>Vérifie ton résultat en plaçant l&apos;avion sur la marque de départ et en le faisant voler.</translation>
    </message>
    <message>
        <source>Hard/How fast is the wind?</source>
        <translation>Difficile/Quelle est la vitesse du vent ?</translation>
    </message>
    <message>
        <source>You want to start from the Green X and end at the Red X.</source>
        <translation>Tu veux partir du X vert et arriver au X rouge.</translation>
    </message>
    <message>
        <source>You fly the plane in the direction shown to make the trip.  If the wind was heading [SW] as shown,</source>
        <translation>L&apos;avion vole dans la direction indiquée.  Si le vent souffle vers le [SO] comme indiqué,</translation>
    </message>
    <message>
        <source>How fast was the wind for you to end up going in the required direction?</source>
        <translation>quelle doit être la vitesse du vent pour aller dans la direction voulue ?</translation>
    </message>
    <message>
        <source>How long will the trip take?</source>
        <translation>Combien de temps dure le trajet ?</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Full solution/#1</source>
        <translation>Fiches d&apos;exercices/Fiche n° 1/Solution complète/n° 1</translation>
    </message>
    <message>
        <source>Full solution from 1st work sheet</source>
        <translation>Solution complète de la 1re fiche</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Full solution/#2</source>
        <translation>Fiches d&apos;exercices/Fiche n° 1/Solution complète/n° 2</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Full solution/#3</source>
        <translation>Fiches d&apos;exercices/Fiche n° 1/Solution complète/n° 3</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Partial Solution/#1</source>
        <translation>Fiches d&apos;exercices/Fiche n° 1/Solution partielle/n° 1</translation>
    </message>
    <message>
        <source>Partial solution from 1st work sheet.</source>
        <translation>Solution partielle de la 1re fiche.</translation>
    </message>
    <message>
        <source>move red arrow to find graound velocity.  Then adjust red x to find where it will land.</source>
        <translation>Déplace la flèche rouge pour trouver la vitesse par rapport au sol.  Place ensuite le x rouge là où l&apos;avion arrivera.</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Partial Solution/#2</source>
        <translation>Fiches d&apos;exercices/Fiche n° 1/Solution partielle/n° 2</translation>
    </message>
    <message>
        <source>Partial solution from 1st work sheet</source>
        <translation>Solution partielle de la 1re fiche</translation>
    </message>
    <message>
        <source>move red arrow to find graound velocity.  Then adjust Green x to start,</source>
        <translation>Déplace la flèche rouge pour trouver la vitesse par rapport au sol.  Place ensuite le x vert au départ,</translation>
    </message>
    <message>
        <source>red and  to find where it will land.</source>
        <translation>et le rouge là où l&apos;avion arrivera.</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Partial Solution/#3</source>
        <translation>Fiches d&apos;exercices/Fiche n° 1/Solution partielle/n° 3</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>&amp;Start</source>
        <extracomment>The flight&apos;s button before the plane first flies; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <extracomment>The flight&apos;s button while the plane flies; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <extracomment>The flight&apos;s button once the plane has stopped; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>Motion</source>
        <extracomment>Title of the explanation panel</extracomment>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Load a Plane Motion</source>
        <translation>Ouvrir un mouvement d&apos;avion</translation>
    </message>
    <message>
        <source>Save a Plane Motion</source>
        <translation>Enregistrer un mouvement d&apos;avion</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <extracomment>Button of the motion panel; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Button of the motion panel; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Remarque : </translation>
    </message>
    <message>
        <source>Plane: Velocity of plane relative to the air. (black)</source>
        <translation>Avion : vitesse de l&apos;avion par rapport à l&apos;air. (noir)</translation>
    </message>
    <message>
        <source>Wind: Velocity of the air relative to the ground. (blue)</source>
        <translation>Vent : vitesse de l&apos;air par rapport au sol. (bleu)</translation>
    </message>
    <message>
        <source>The Ground Velocity (red) in the program is not used in the calculation of the plane motion. It is used as a way to measure what the resultant vector should be. The only vectors that affect the motion of the plane is the Wind and the Plane velocity.</source>
        <translation>La vitesse par rapport au sol (rouge) n&apos;entre pas dans le calcul du mouvement de l&apos;avion. Elle sert à mesurer ce que doit être le vecteur résultant. Seules la vitesse du vent et celle de l&apos;avion agissent sur le mouvement de l&apos;avion.</translation>
    </message>
    <message>
        <source>Zephyra About</source>
        <extracomment>Title of the about box</extracomment>
        <translation>À propos de Zephyra</translation>
    </message>
    <message>
        <source>Product Name: Zephyra</source>
        <translation>Nom du produit : Zephyra</translation>
    </message>
    <message>
        <source>Time Factor: </source>
        <translation>Facteur de temps : </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Temps : </translation>
    </message>
    <message>
        <source>Direction: </source>
        <extracomment>Distance and bearing from the start marker to the finish marker</extracomment>
        <translation>Direction : </translation>
    </message>
    <message>
        <source>River Width: </source>
        <translation>Largeur du fleuve : </translation>
    </message>
    <message>
        <source>Wind: </source>
        <extracomment>Read-out of the wind&apos;s velocity, e.g. &quot;Wind: 20.0 m/s [E]&quot;</extracomment>
        <translation>Vent : </translation>
    </message>
    <message>
        <source>Plane: </source>
        <extracomment>Read-out of the plane&apos;s velocity relative to the air</extracomment>
        <translation>Avion : </translation>
    </message>
    <message>
        <source>Ground: </source>
        <extracomment>Read-out of the ground velocity</extracomment>
        <translation>Sol : </translation>
    </message>
    <message>
        <source>Units: </source>
        <extracomment>Menu caption before the chosen units, e.g. &quot;Units: m,s&quot;</extracomment>
        <translation>Unités : </translation>
    </message>
    <message>
        <source>Version </source>
        <extracomment>The about box&apos;s version line, e.g. &quot;Version 1.2&quot;</extracomment>
        <translation>Version </translation>
    </message>
    <message>
        <source>Your ground velocity: %1. Current + boat: %2. Off by %3%4 and %5°.</source>
        <translation>Votre vitesse par rapport au sol : %1. Courant + bateau : %2. Écart : %3%4 et %5°.</translation>
    </message>
    <message>
        <source>Your ground velocity: %1. Wind + plane: %2. Off by %3%4 and %5°.</source>
        <translation>Votre vitesse par rapport au sol : %1. Vent + avion : %2. Écart : %3%4 et %5°.</translation>
    </message>
    <message>
        <source>Plane: Velocity of the boat relative to the water. (black)</source>
        <translation>Avion : vitesse du bateau par rapport à l&apos;eau. (noir)</translation>
    </message>
    <message>
        <source>Wind: Velocity of the current relative to the ground. (blue)</source>
        <translation>Vent : vitesse du courant par rapport au sol. (bleu)</translation>
    </message>
    <message>
        <source>The Ground Velocity (red) is not used in the calculation of the boat motion. It is a way to measure what the resultant vector should be. Only the current (Wind) and the boat (Plane) move the boat.</source>
        <translation>La vitesse par rapport au sol (rouge) n&apos;entre pas dans le calcul du mouvement du bateau. Elle sert à mesurer ce que doit être le vecteur résultant. Seuls le courant (Vent) et le bateau (Avion) déplacent le bateau.</translation>
    </message>
</context>
<context>
    <name>Trelativefrm</name>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>Facteur de temps</translation>
    </message>
    <message>
        <source>River width</source>
        <translation>Largeur du fleuve</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>Ré&amp;péter</translation>
    </message>
    <message>
        <source>Show Start/Finish</source>
        <translation>Départ/arrivée</translation>
    </message>
    <message>
        <source>Distance Scale</source>
        <translation>Échelle des distances</translation>
    </message>
    <message>
        <source>No program was found to open the user guide.
Its file is %1</source>
        <translation>Aucun programme n&apos;a été trouvé pour ouvrir le guide.
Son fichier est %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Fiches d&apos;exercices</translation>
    </message>
    <message>
        <source>Works sheet #1</source>
        <translation>Fiche n° 1</translation>
    </message>
    <message>
        <source>Full solution</source>
        <translation>Solution complète</translation>
    </message>
    <message>
        <source>Partial Solution</source>
        <translation>Solution partielle</translation>
    </message>
    <message>
        <source>Motion 2</source>
        <translation>Mouvement 2</translation>
    </message>
    <message>
        <source>Motion 3</source>
        <translation>Mouvement 3</translation>
    </message>
    <message>
        <source>&amp;Save Motion</source>
        <translation>&amp;Enregistrer le mouvement</translation>
    </message>
    <message>
        <source>&amp;Open Motion</source>
        <translation>&amp;Ouvrir un mouvement</translation>
    </message>
    <message>
        <source>Copy Select</source>
        <translation>Copier une sélection</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Show Vectors</source>
        <translation>Afficher les vecteurs</translation>
    </message>
    <message>
        <source>Show River</source>
        <translation>Afficher le fleuve</translation>
    </message>
    <message>
        <source>Show Displacement</source>
        <translation>Afficher le déplacement</translation>
    </message>
    <message>
        <source>&amp;Describe the Scene</source>
        <translation>&amp;Décrire la scène</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Units: m,s</source>
        <translation>Unités : m,s</translation>
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
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>, joined</source>
        <translation>, reliés</translation>
    </message>
    <message>
        <source>Move wind and plane arrows together</source>
        <translation>Déplacer ensemble les flèches du vent et de l&apos;avion</translation>
    </message>
    <message>
        <source>Plane arrow tail</source>
        <translation>Origine de la flèche de l&apos;avion</translation>
    </message>
    <message>
        <source>Plane arrow tip</source>
        <translation>Extrémité de la flèche de l&apos;avion</translation>
    </message>
    <message>
        <source>Wind arrow tip</source>
        <translation>Extrémité de la flèche du vent</translation>
    </message>
    <message>
        <source>Wind arrow tail</source>
        <translation>Origine de la flèche du vent</translation>
    </message>
    <message>
        <source>Start marker</source>
        <translation>Marque de départ</translation>
    </message>
    <message>
        <source>Finish marker</source>
        <translation>Marque d&apos;arrivée</translation>
    </message>
    <message>
        <source>Plane start</source>
        <translation>Départ de l&apos;avion</translation>
    </message>
    <message>
        <source>Wind arrow</source>
        <translation>Flèche du vent</translation>
    </message>
    <message>
        <source>Plane arrow</source>
        <translation>Flèche de l&apos;avion</translation>
    </message>
    <message>
        <source>Ground velocity arrow</source>
        <translation>Flèche de la vitesse par rapport au sol</translation>
    </message>
    <message>
        <source>Ground velocity arrow tail</source>
        <translation>Origine de la flèche de la vitesse par rapport au sol</translation>
    </message>
    <message>
        <source>Ground velocity arrow tip</source>
        <translation>Extrémité de la flèche de la vitesse par rapport au sol</translation>
    </message>
    <message>
        <source>Copy selection</source>
        <translation>Sélection à copier</translation>
    </message>
    <message>
        <source>Ground Position</source>
        <translation>Position au sol</translation>
    </message>
    <message>
        <source>Ground view</source>
        <translation>Vue du sol</translation>
    </message>
    <message>
        <source>Copied picture</source>
        <translation>Image copiée</translation>
    </message>
    <message>
        <source>Sky tile</source>
        <translation>Tuile du ciel</translation>
    </message>
    <message>
        <source>Water tile</source>
        <translation>Tuile d&apos;eau</translation>
    </message>
    <message>
        <source>Saved sky tile</source>
        <translation>Tuile du ciel enregistrée</translation>
    </message>
    <message>
        <source>Displacement from Start</source>
        <translation>Déplacement depuis le départ</translation>
    </message>
    <message>
        <source>%1, tail at %2, tip at %3.</source>
        <translation>%1, origine en %2, extrémité en %3.</translation>
    </message>
    <message>
        <source>plane arrow&apos;s tail</source>
        <translation>origine de la flèche de l&apos;avion</translation>
    </message>
    <message>
        <source>tail</source>
        <translation>origine</translation>
    </message>
    <message>
        <source>plane arrow&apos;s tip</source>
        <translation>extrémité de la flèche de l&apos;avion</translation>
    </message>
    <message>
        <source>tip</source>
        <translation>extrémité</translation>
    </message>
    <message>
        <source>wind arrow&apos;s tail</source>
        <translation>origine de la flèche du vent</translation>
    </message>
    <message>
        <source>wind arrow&apos;s tip</source>
        <translation>extrémité de la flèche du vent</translation>
    </message>
    <message>
        <source>ground velocity arrow&apos;s tail</source>
        <translation>origine de la flèche de la vitesse par rapport au sol</translation>
    </message>
    <message>
        <source>ground velocity arrow&apos;s tip</source>
        <translation>extrémité de la flèche de la vitesse par rapport au sol</translation>
    </message>
    <message>
        <source>The %1 is joined to the %2.</source>
        <translation>L&apos;%1 est reliée à l&apos;%2.</translation>
    </message>
    <message>
        <source>The %1 is %2 the %3.</source>
        <translation>L&apos;%1 est %2 l&apos;%3.</translation>
    </message>
    <message>
        <source>, %1 %2 the %3</source>
        <translation>, %1 %2 l&apos;%3</translation>
    </message>
    <message>
        <source>%1 px %2</source>
        <translation>%1 px %2</translation>
    </message>
    <message>
        <source>left of</source>
        <translation>à gauche de</translation>
    </message>
    <message>
        <source>right of</source>
        <translation>à droite de</translation>
    </message>
    <message>
        <source>above</source>
        <translation>au-dessus de</translation>
    </message>
    <message>
        <source>below</source>
        <translation>au-dessous de</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sur</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Ground view, places in pixels from its top left.</source>
        <translation>Vue du sol, positions en pixels depuis le coin supérieur gauche.</translation>
    </message>
    <message>
        <source>Plane start at %1.</source>
        <translation>Départ de l&apos;avion en %1.</translation>
    </message>
    <message>
        <source>%1, the plane is %2 and %3 from its start.</source>
        <translation>%1, l&apos;avion est à %2 et %3 de son départ.</translation>
    </message>
    <message>
        <source>Start marker at %1, finish marker at %2, %3.</source>
        <translation>Marque de départ en %1, marque d&apos;arrivée en %2, %3.</translation>
    </message>
    <message>
        <source>River shown, %1.</source>
        <translation>Fleuve affiché, %1.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>Is this the right Experiment?</source>
        <translation>Est-ce la bonne expérience ?</translation>
    </message>
    <message>
        <source>Motion loaded</source>
        <translation>Mouvement ouvert</translation>
    </message>
    <message>
        <source>Relative Motion Question</source>
        <translation>Question sur le mouvement relatif</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>&amp;Commandes</translation>
    </message>
    <message>
        <source>&amp;Velocities</source>
        <translation>&amp;Vitesses</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>En vol</translation>
    </message>
    <message>
        <source>Stopped. %1. Displacement from Start: %2, %3</source>
        <translation>Arrêté. %1. Déplacement depuis le départ : %2, %3</translation>
    </message>
    <message>
        <source>Controls page</source>
        <translation>Page Commandes</translation>
    </message>
    <message>
        <source>Velocities page</source>
        <translation>Page Vitesses</translation>
    </message>
    <message>
        <source>joined</source>
        <translation>reliés</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Vitesse du vent</translation>
    </message>
    <message>
        <source>Wind direction</source>
        <translation>Direction du vent</translation>
    </message>
    <message>
        <source>Turn wind counter-clockwise</source>
        <translation>Tourner le vent dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn wind clockwise</source>
        <translation>Tourner le vent dans le sens horaire</translation>
    </message>
    <message>
        <source>Plane speed</source>
        <translation>Vitesse de l&apos;avion</translation>
    </message>
    <message>
        <source>Plane direction</source>
        <translation>Direction de l&apos;avion</translation>
    </message>
    <message>
        <source>Turn plane counter-clockwise</source>
        <translation>Tourner l&apos;avion dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn plane clockwise</source>
        <translation>Tourner l&apos;avion dans le sens horaire</translation>
    </message>
    <message>
        <source>Ground speed</source>
        <translation>Vitesse par rapport au sol</translation>
    </message>
    <message>
        <source>Ground velocity direction</source>
        <translation>Direction de la vitesse par rapport au sol</translation>
    </message>
    <message>
        <source>Turn ground velocity counter-clockwise</source>
        <translation>Tourner la vitesse par rapport au sol dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn ground velocity clockwise</source>
        <translation>Tourner la vitesse par rapport au sol dans le sens horaire</translation>
    </message>
    <message>
        <source>Vector scale</source>
        <translation>Échelle des vecteurs</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>Scale</source>
        <extracomment>Caption under the vector scale bar, between &quot;Small&quot; and &quot;Large&quot;; short</extracomment>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>: the join holds it; Shift with an arrow key moves it 10 px, which parts it</source>
        <translation> : la jonction la retient ; Maj avec une flèche du clavier la déplace de 10 px, ce qui la détache</translation>
    </message>
    <message>
        <source>Show &amp;Question</source>
        <translation>Afficher la q&amp;uestion</translation>
    </message>
    <message>
        <source>Show &amp;Path</source>
        <translation>Afficher la &amp;trajectoire</translation>
    </message>
    <message>
        <source>&amp;Check Ground Velocity</source>
        <translation>&amp;Vérifier la vitesse par rapport au sol</translation>
    </message>
    <message>
        <source>10%1 is drawn %2 px long</source>
        <extracomment>What the vector scale sets: &quot;10 m/s is drawn 40.0 px long&quot;</extracomment>
        <translation>10%1 est dessiné sur %2 px</translation>
    </message>
    <message>
        <source>%1%2 across 500 px</source>
        <extracomment>What a distance scale sets: &quot;100 m across 500 px&quot; of the ground view</extracomment>
        <translation>%1%2 sur 500 px</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>No program was found to open the worksheets.
Its file is %1</source>
        <translation>Aucun programme n&apos;a été trouvé pour ouvrir les fiches d&apos;exercices.
Leur fichier est %1</translation>
    </message>
    <message>
        <source>&amp;Worksheets</source>
        <translation>&amp;Fiches d’exercices</translation>
    </message>
</context>
<context>
    <name>zephyra::Taboutboxp</name>
    <message>
        <source>Relative motion for the classroom: fly a plane through the wind and see how velocities add as vectors. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Le mouvement relatif en classe : fais voler un avion dans le vent et vois comment les vitesses s&apos;additionnent comme des vecteurs. Logiciel libre sous GNU GPL, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Zephyra user guide</source>
        <translation>Guide de Zephyra</translation>
    </message>
</context>
</TS>
