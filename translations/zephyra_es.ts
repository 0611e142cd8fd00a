<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Relative motion for the classroom: how velocities add as vectors.
Qt&apos;s own options (-platform, -style, ...) are understood as well.</source>
        <translation>Movimiento relativo para el aula: cómo se suman las velocidades como vectores.
También se entienden las opciones propias de Qt (-platform, -style, ...).</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Speaks the language CODE (%1) instead of the desktop&apos;s.</source>
        <extracomment>Help of --language; keep &quot;CODE&quot; as it is in the value&apos;s name</extracomment>
        <translation>Habla el idioma CODE (%1) en lugar del del escritorio.</translation>
    </message>
    <message>
        <source>A motion file (.rel) to open after start-up.</source>
        <translation>Un archivo de movimiento (.rel) que se abre tras el inicio.</translation>
    </message>
    <message>
        <source>no translation for the language &apos;%1&apos;; there are %2</source>
        <translation>no hay traducción para el idioma &apos;%1&apos;; hay %2</translation>
    </message>
    <message>
        <source>only one motion file can be opened, %1 were given</source>
        <translation>solo se puede abrir un archivo de movimiento, se dieron %1</translation>
    </message>
    <message>
        <source>Opens the window at PERCENT of its designed size (%1 to %2), as far as the screen holds it.</source>
        <extracomment>Help of --zoom; keep &quot;PERCENT&quot; as it is in the value&apos;s name</extracomment>
        <translation>Abre la ventana al PERCENT de su tamaño previsto (de %1 a %2), en la medida en que quepa en la pantalla.</translation>
    </message>
    <message>
        <source>Opens the window full screen.</source>
        <translation>Abre la ventana a pantalla completa.</translation>
    </message>
    <message>
        <source>the zoom must be a whole percentage from %1 to %2, not &quot;%3&quot;</source>
        <translation>el zoom debe ser un porcentaje entero de %1 a %2, no «%3»</translation>
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
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <extracomment>A field of a motion file that is not a whole number</extracomment>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <extracomment>A field of a motion file that is not a number</extracomment>
        <translation>&apos;%1&apos; no es un número decimal válido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de entrada/salida %1</translation>
    </message>
</context>
<context>
    <name>Motion panel</name>
    <message>
        <source>Relative Motion|*.rel</source>
        <extracomment>Name of the motion files in the file dialogs; keep &quot;|*.rel&quot;</extracomment>
        <translation>Movimiento relativo|*.rel</translation>
    </message>
    <message>
        <source>Click load to choose a file</source>
        <translation>Haz clic en Abrir para elegir un archivo</translation>
    </message>
    <message>
        <source>Type in explaination here!</source>
        <translation>¡Escribe aquí la explicación!</translation>
    </message>
    <message>
        <source>(The rest of the explanation is too long to show here.)</source>
        <translation>(El resto de la explicación es demasiado largo para mostrarlo aquí.)</translation>
    </message>
    <message>
        <source>No question or motion has been loaded yet.</source>
        <translation>Todavía no se ha cargado ninguna pregunta ni ningún movimiento.</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Introduction/Move vectors</source>
        <translation>Introducción/Mover vectores</translation>
    </message>
    <message>
        <source>Click and drag each of the white dots on the vectors.</source>
        <translation>Haz clic en cada uno de los puntos blancos de los vectores y arrástralo.</translation>
    </message>
    <message>
        <source>This will allow you to move the vectors around.</source>
        <translation>Así puedes mover los vectores.</translation>
    </message>
    <message>
        <source>The black square allows you to move 2 vectors at once.</source>
        <translation>El cuadrado negro permite mover 2 vectores a la vez.</translation>
    </message>
    <message>
        <source>You can scale the vectors by going to velocities tab and adjust scale</source>
        <translation>En la pestaña Velocidades puedes cambiar la escala de los vectores</translation>
    </message>
    <message>
        <source>This doesn&apos;t change the velocity just length of the vectors.</source>
        <translation>Esto no cambia la velocidad, solo la longitud de los vectores.</translation>
    </message>
    <message>
        <source>Use the scroll bars to adjust the speeds.  Try to figure out how to change the direction of the velocities.</source>
        <translation>Ajusta las rapideces con las barras de desplazamiento.  Averigua cómo cambiar la dirección de las velocidades.</translation>
    </message>
    <message>
        <source>How can you make small angle changes?</source>
        <translation>¿Cómo puedes hacer cambios pequeños de ángulo?</translation>
    </message>
    <message>
        <source>Introduction/Move plane</source>
        <translation>Introducción/Mover el avión</translation>
    </message>
    <message>
        <source>Here you will learn to move the plane to where you want to start.</source>
        <translation>Aquí aprenderás a llevar el avión al punto de partida que quieras.</translation>
    </message>
    <message>
        <source>Move the cursor on top of the plane until cursor is a cross.</source>
        <translation>Coloca el puntero sobre el avión hasta que sea una cruz.</translation>
    </message>
    <message>
        <source>Now click and drag the the plane to start of resultant vector.</source>
        <translation>Ahora arrastra el avión al origen del vector resultante.</translation>
    </message>
    <message>
        <source>Hit start and the plane should follow the resultant line.</source>
        <translation>Pulsa Iniciar: el avión debería seguir la resultante.</translation>
    </message>
    <message>
        <source>Introduction/Adding Vectors</source>
        <translation>Introducción/Sumar vectores</translation>
    </message>
    <message>
        <source>Too add velocity vectors you put the vectors &apos;tip to tail&apos;.</source>
        <translation>Para sumar vectores velocidad se colocan &apos;punta con cola&apos;.</translation>
    </message>
    <message>
        <source>Here we are adding the Wind(blue) and Plane(black) vectors together.</source>
        <translation>Aquí sumamos el vector del viento (azul) y el del avión (negro).</translation>
    </message>
    <message>
        <source>Move the tail of the resultant(red) to the tail of the wind and then</source>
        <translation>Lleva la cola de la resultante (roja) a la cola del viento y luego</translation>
    </message>
    <message>
        <source>Change the angle and magnitude of the resultant(red) to determine the what the resultant is.</source>
        <translation>cambia el ángulo y el módulo de la resultante (roja) para determinarla.</translation>
    </message>
    <message>
        <source>Introduction/Subtracting Vectors</source>
        <translation>Introducción/Restar vectores</translation>
    </message>
    <message>
        <source>Too subtract Vectors in physics it is best to put the vectors tail to tail</source>
        <translation>Para restar vectores en física conviene colocarlos cola con cola</translation>
    </message>
    <message>
        <source>and the resulting vector is found by drawing a vector from the &quot;2nd&quot; vector to the &quot;1st&quot;</source>
        <translation>y el vector resultado va de la punta del &quot;2.º&quot; vector a la del &quot;1.º&quot;</translation>
    </message>
    <message>
        <source>Drag the tail of the plane Vector(black) to the tip of the wind(blue) Vector.</source>
        <translation>Arrastra la cola del vector del avión (negro) a la punta del vector del viento (azul).</translation>
    </message>
    <message>
        <source>Then change the magnitude and direction of the plane until it meets the tip of the resultant(red) Vector</source>
        <translation>Después cambia el módulo y la dirección del avión hasta llegar a la punta de la resultante (roja)</translation>
    </message>
    <message>
        <source>Introduction/Start/finish line</source>
        <translation>Introducción/Línea de salida y llegada</translation>
    </message>
    <message>
        <source>The start stop markings can help determine how far we have traveled or want to travel.</source>
        <translation>Las marcas de salida y llegada ayudan a medir cuánto hemos recorrido o queremos recorrer.</translation>
    </message>
    <message>
        <source>In this case the ground velocity has a speed of 30 m/s</source>
        <translation>Aquí la velocidad respecto al suelo tiene un módulo de 30 m/s</translation>
    </message>
    <message>
        <source>So after 2 s the plane should have traveled 60 m in that dierction.</source>
        <translation>Así, tras 2 s el avión debería haber recorrido 60 m en esa dirección.</translation>
    </message>
    <message>
        <source>below the start/stop check box shows magnitude and direction of the end point.</source>
        <translation>Bajo la casilla Salida/llegada se muestran la distancia y la dirección del punto final.</translation>
    </message>
    <message>
        <source>Move the plane to the start point and run it for 2 seconds.</source>
        <translation>Lleva el avión al punto de salida y hazlo volar 2 segundos.</translation>
    </message>
    <message>
        <source>Notice how the plane stops on top of the red X</source>
        <translation>Observa cómo el avión se detiene justo sobre la X roja</translation>
    </message>
    <message>
        <source>Easy/Find Resultant</source>
        <translation>Fácil/Hallar la resultante</translation>
    </message>
    <message>
        <source>Find the resultant(ground velocity) by adding the Wind Velocity</source>
        <translation>Halla la resultante (velocidad respecto al suelo) sumando la velocidad del viento</translation>
    </message>
    <message>
        <source>with the plane  veocity.  Drag the plane to start of resultant</source>
        <translation>y la del avión.  Arrastra el avión al origen de la resultante</translation>
    </message>
    <message>
        <source>to see if the resultant is in the right direction.</source>
        <translation>para ver si la resultante tiene la dirección correcta.</translation>
    </message>
    <message>
        <source>Hit start and the plane should follow the resultant line if done properly.</source>
        <translation>Pulsa Iniciar: si lo has hecho bien, el avión sigue la resultante.</translation>
    </message>
    <message>
        <source>Revers order of the two vectors you added.  Notice how resultant is the same.</source>
        <translation>Invierte el orden de los dos vectores sumados.  Observa que la resultante es la misma.</translation>
    </message>
    <message>
        <source>Easy/Find Wind Velocity</source>
        <translation>Fácil/Hallar la velocidad del viento</translation>
    </message>
    <message>
        <source>You want to travel in the direction of the red vector.</source>
        <translation>Quieres viajar en la dirección del vector rojo.</translation>
    </message>
    <message>
        <source>The plane heads in the direction of the black arrow.</source>
        <translation>El avión apunta en la dirección de la flecha negra.</translation>
    </message>
    <message>
        <source>The wind velocity can be found by subtracting these two vectors.</source>
        <translation>La velocidad del viento se halla restando estos dos vectores.</translation>
    </message>
    <message>
        <source>Make appropriate adjustments to the wind velocity. </source>
        <translation>Ajusta la velocidad del viento como corresponda. </translation>
    </message>
    <message>
        <source>Move the plane to the start of the resultant.</source>
        <translation>Lleva el avión al origen de la resultante.</translation>
    </message>
    <message>
        <source>The plane will follow the resultant if you did it correctly.</source>
        <translation>Si lo has hecho bien, el avión seguirá la resultante.</translation>
    </message>
    <message>
        <source>Easy/Find Plane Velocity</source>
        <translation>Fácil/Hallar la velocidad del avión</translation>
    </message>
    <message>
        <source>You want to have a ground velocity as shown(red vector).</source>
        <translation>Quieres obtener la velocidad respecto al suelo indicada (vector rojo).</translation>
    </message>
    <message>
        <source>The Wind has a velocity as indicated by the blue arrow.</source>
        <translation>El viento tiene la velocidad que indica la flecha azul.</translation>
    </message>
    <message>
        <source>The required plane&apos;s velocity can be found by subtracting these two vectors.</source>
        <translation>La velocidad necesaria del avión se halla restando estos dos vectores.</translation>
    </message>
    <message>
        <source>Make appropriate adjustments to the plane&apos;s velocity. </source>
        <translation>Ajusta la velocidad del avión como corresponda. </translation>
    </message>
    <message>
        <source>Move the plane to the start of the ground velocity.</source>
        <translation>Lleva el avión al origen de la velocidad respecto al suelo.</translation>
    </message>
    <message>
        <source>Medium/Where are you?</source>
        <translation>Medio/¿Dónde estás?</translation>
    </message>
    <message>
        <source>Using the given Wind and plane velocities,</source>
        <translation>Con las velocidades dadas del viento y del avión,</translation>
    </message>
    <message>
        <source>Determine where you will be after 8 seconds.</source>
        <translation>determina dónde estarás al cabo de 8 segundos.</translation>
    </message>
    <message>
        <source>Adjust the scale to 500 m so you can see the full motion to measure.</source>
        <translation>Pon la escala en 500 m para ver todo el movimiento y medirlo.</translation>
    </message>
    <message>
        <source>Move the start/Stop markers and verify you end up at the right spot.</source>
        <translation>Mueve las marcas de salida y llegada y comprueba que llegas al sitio correcto.</translation>
    </message>
    <message>
        <source>Hard/Where should I head?</source>
        <translation>Difícil/¿Hacia dónde debo dirigirme?</translation>
    </message>
    <message>
        <source>You want to start from the Green X and end at the Red X, 2000 m [NW] away.</source>
        <translation>Quieres salir de la X verde y llegar a la X roja, a 2000 m [NO].</translation>
    </message>
    <message>
        <source>If the wind is as shown, but you can only fly the plane at 50 m/s,</source>
        <translation>El viento es el indicado, pero el avión solo vuela a 50 m/s.</translation>
    </message>
    <message>
        <source>What direction must you fly the plane? How long will the trip take?</source>
        <translation>¿Hacia dónde debes dirigir el avión? ¿Cuánto durará el viaje?</translation>
    </message>
    <message>
        <source>Verify your results by moving the plane to start marker and flying the plane.</source>
        <translation>Comprueba el resultado llevando el avión a la marca de salida y haciéndolo volar.</translation>
    </message>
    <message>
        <source>Hard/How fast is the wind?</source>
        <translation>Difícil/¿Qué rapidez tiene el viento?</translation>
    </message>
    <message>
        <source>You want to start from the Green X and end at the Red X.</source>
        <translation>Quieres salir de la X verde y llegar a la X roja.</translation>
    </message>
    <message>
        <source>You fly the plane in the direction shown to make the trip.  If the wind was heading [SW] as shown,</source>
        <translation>Diriges el avión en la dirección indicada.  Si el viento va hacia el [SO] como se ve,</translation>
    </message>
    <message>
        <source>How fast was the wind for you to end up going in the required direction?</source>
        <translation>¿qué rapidez debe tener el viento para que vayas en la dirección pedida?</translation>
    </message>
    <message>
        <source>How long will the trip take?</source>
        <translation>¿Cuánto durará el viaje?</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Full solution/#1</source>
        <translation>Fichas/Ficha n.º 1/Solución completa/n.º 1</translation>
    </message>
    <message>
        <source>Full solution from 1st work sheet</source>
        <translation>Solución completa de la 1.ª ficha</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Full solution/#2</source>
        <translation>Fichas/Ficha n.º 1/Solución completa/n.º 2</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Full solution/#3</source>
        <translation>Fichas/Ficha n.º 1/Solución completa/n.º 3</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Partial Solution/#1</source>
        <translation>Fichas/Ficha n.º 1/Solución parcial/n.º 1</translation>
    </message>
    <message>
        <source>Partial solution from 1st work sheet.</source>
        <translation>Solución parcial de la 1.ª ficha.</translation>
    </message>
    <message>
        <source>move red arrow to find graound velocity.  Then adjust red x to find where it will land.</source>
        <translation>Mueve la flecha roja para hallar la velocidad respecto al suelo.  Luego lleva la x roja a donde llegará el avión.</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Partial Solution/#2</source>
        <translation>Fichas/Ficha n.º 1/Solución parcial/n.º 2</translation>
    </message>
    <message>
        <source>Partial solution from 1st work sheet</source>
        <translation>Solución parcial de la 1.ª ficha</translation>
    </message>
    <message>
        <source>move red arrow to find graound velocity.  Then adjust Green x to start,</source>
        <translation>Mueve la flecha roja para hallar la velocidad respecto al suelo.  Luego lleva la x verde a la salida,</translation>
    </message>
    <message>
        <source>red and  to find where it will land.</source>
        <translation>y la roja a donde llegará el avión.</translation>
    </message>
    <message>
        <source>Worksheets/Works sheet #1/Partial Solution/#3</source>
        <translation>Fichas/Ficha n.º 1/Solución parcial/n.º 3</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>&amp;Start</source>
        <extracomment>The flight&apos;s button before the plane first flies; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <extracomment>The flight&apos;s button while the plane flies; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <extracomment>The flight&apos;s button once the plane has stopped; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Motion</source>
        <extracomment>Title of the explanation panel</extracomment>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Load a Plane Motion</source>
        <translation>Abrir un movimiento de avión</translation>
    </message>
    <message>
        <source>Save a Plane Motion</source>
        <translation>Guardar un movimiento de avión</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <extracomment>Button of the motion panel; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Button of the motion panel; short, it is 75 pixels wide</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Nota: </translation>
    </message>
    <message>
        <source>Plane: Velocity of plane relative to the air. (black)</source>
        <translation>Avión: velocidad del avión respecto al aire. (negro)</translation>
    </message>
    <message>
        <source>Wind: Velocity of the air relative to the ground. (blue)</source>
        <translation>Viento: velocidad del aire respecto al suelo. (azul)</translation>
    </message>
    <message>
        <source>The Ground Velocity (red) in the program is not used in the calculation of the plane motion. It is used as a way to measure what the resultant vector should be. The only vectors that affect the motion of the plane is the Wind and the Plane velocity.</source>
        <translation>La velocidad respecto al suelo (roja) no interviene en el cálculo del movimiento del avión. Sirve para medir cómo debe ser el vector resultante. Solo la velocidad del viento y la del avión afectan al movimiento del avión.</translation>
    </message>
    <message>
        <source>Zephyra About</source>
        <extracomment>Title of the about box</extracomment>
        <translation>Acerca de Zephyra</translation>
    </message>
    <message>
        <source>Product Name: Zephyra</source>
        <translation>Nombre del producto: Zephyra</translation>
    </message>
    <message>
        <source>Time Factor: </source>
        <translation>Factor de tiempo: </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Tiempo: </translation>
    </message>
    <message>
        <source>Direction: </source>
        <extracomment>Distance and bearing from the start marker to the finish marker</extracomment>
        <translation>Dirección: </translation>
    </message>
    <message>
        <source>River Width: </source>
        <translation>Anchura del río: </translation>
    </message>
    <message>
        <source>Wind: </source>
        <extracomment>Read-out of the wind&apos;s velocity, e.g. &quot;Wind: 20.0 m/s [E]&quot;</extracomment>
        <translation>Viento: </translation>
    </message>
    <message>
        <source>Plane: </source>
        <extracomment>Read-out of the plane&apos;s velocity relative to the air</extracomment>
        <translation>Avión: </translation>
    </message>
    <message>
        <source>Ground: </source>
        <extracomment>Read-out of the ground velocity</extracomment>
        <translation>Suelo: </translation>
    </message>
    <message>
        <source>Units: </source>
        <extracomment>Menu caption before the chosen units, e.g. &quot;Units: m,s&quot;</extracomment>
        <translation>Unidades: </translation>
    </message>
    <message>
        <source>Version </source>
        <extracomment>The about box&apos;s version line, e.g. &quot;Version 1.2&quot;</extracomment>
        <translation>Versión </translation>
    </message>
    <message>
        <source>Your ground velocity: %1. Current + boat: %2. Off by %3%4 and %5°.</source>
        <translation>Tu velocidad respecto al suelo: %1. Corriente + barco: %2. Diferencia: %3%4 y %5°.</translation>
    </message>
    <message>
        <source>Your ground velocity: %1. Wind + plane: %2. Off by %3%4 and %5°.</source>
        <translation>Tu velocidad respecto al suelo: %1. Viento + avión: %2. Diferencia: %3%4 y %5°.</translation>
    </message>
    <message>
        <source>Plane: Velocity of the boat relative to the water. (black)</source>
        <translation>Avión: velocidad del barco respecto al agua. (negro)</translation>
    </message>
    <message>
        <source>Wind: Velocity of the current relative to the ground. (blue)</source>
        <translation>Viento: velocidad de la corriente respecto al suelo. (azul)</translation>
    </message>
    <message>
        <source>The Ground Velocity (red) is not used in the calculation of the boat motion. It is a way to measure what the resultant vector should be. Only the current (Wind) and the boat (Plane) move the boat.</source>
        <translation>La velocidad respecto al suelo (roja) no interviene en el cálculo del movimiento del barco. Sirve para medir cómo debe ser el vector resultante. Solo la corriente (Viento) y el barco (Avión) mueven el barco.</translation>
    </message>
</context>
<context>
    <name>Trelativefrm</name>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>Factor de tiempo</translation>
    </message>
    <message>
        <source>River width</source>
        <translation>Anchura del río</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>Show Start/Finish</source>
        <translation>Salida/llegada</translation>
    </message>
    <message>
        <source>Distance Scale</source>
        <translation>Escala de distancias</translation>
    </message>
    <message>
        <source>No program was found to open the user guide.
Its file is %1</source>
        <translation>No se encontró ningún programa para abrir la guía.
Su archivo es %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Worksheets</source>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>Works sheet #1</source>
        <translation>Ficha n.º 1</translation>
    </message>
    <message>
        <source>Full solution</source>
        <translation>Solución completa</translation>
    </message>
    <message>
        <source>Partial Solution</source>
        <translation>Solución parcial</translation>
    </message>
    <message>
        <source>Motion 2</source>
        <translation>Movimiento 2</translation>
    </message>
    <message>
        <source>Motion 3</source>
        <translation>Movimiento 3</translation>
    </message>
    <message>
        <source>&amp;Save Motion</source>
        <translation>&amp;Guardar movimiento</translation>
    </message>
    <message>
        <source>&amp;Open Motion</source>
        <translation>&amp;Abrir movimiento</translation>
    </message>
    <message>
        <source>Copy Select</source>
        <translation>Copiar selección</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Show Vectors</source>
        <translation>Mostrar vectores</translation>
    </message>
    <message>
        <source>Show River</source>
        <translation>Mostrar el río</translation>
    </message>
    <message>
        <source>Show Displacement</source>
        <translation>Mostrar el desplazamiento</translation>
    </message>
    <message>
        <source>&amp;Describe the Scene</source>
        <translation>&amp;Describir la escena</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Units: m,s</source>
        <translation>Unidades: m,s</translation>
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
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>, joined</source>
        <translation>, unidos</translation>
    </message>
    <message>
        <source>Move wind and plane arrows together</source>
        <translation>Mover juntas las flechas del viento y del avión</translation>
    </message>
    <message>
        <source>Plane arrow tail</source>
        <translation>Cola de la flecha del avión</translation>
    </message>
    <message>
        <source>Plane arrow tip</source>
        <translation>Punta de la flecha del avión</translation>
    </message>
    <message>
        <source>Wind arrow tip</source>
        <translation>Punta de la flecha del viento</translation>
    </message>
    <message>
        <source>Wind arrow tail</source>
        <translation>Cola de la flecha del viento</translation>
    </message>
    <message>
        <source>Start marker</source>
        <translation>Marca de salida</translation>
    </message>
    <message>
        <source>Finish marker</source>
        <translation>Marca de llegada</translation>
    </message>
    <message>
        <source>Plane start</source>
        <translation>Salida del avión</translation>
    </message>
    <message>
        <source>Wind arrow</source>
        <translation>Flecha del viento</translation>
    </message>
    <message>
        <source>Plane arrow</source>
        <translation>Flecha del avión</translation>
    </message>
    <message>
        <source>Ground velocity arrow</source>
        <translation>Flecha de la velocidad respecto al suelo</translation>
    </message>
    <message>
        <source>Ground velocity arrow tail</source>
        <translation>Cola de la flecha de la velocidad respecto al suelo</translation>
    </message>
    <message>
        <source>Ground velocity arrow tip</source>
        <translation>Punta de la flecha de la velocidad respecto al suelo</translation>
    </message>
    <message>
        <source>Copy selection</source>
        <translation>Selección para copiar</translation>
    </message>
    <message>
        <source>Ground Position</source>
        <translation>Posición sobre el suelo</translation>
    </message>
    <message>
        <source>Ground view</source>
        <translation>Vista del suelo</translation>
    </message>
    <message>
        <source>Copied picture</source>
        <translation>Imagen copiada</translation>
    </message>
    <message>
        <source>Sky tile</source>
        <translation>Mosaico del cielo</translation>
    </message>
    <message>
        <source>Water tile</source>
        <translation>Mosaico del agua</translation>
    </message>
    <message>
        <source>Saved sky tile</source>
        <translation>Mosaico del cielo guardado</translation>
    </message>
    <message>
        <source>Displacement from Start</source>
        <translation>Desplazamiento desde la salida</translation>
    </message>
    <message>
        <source>%1, tail at %2, tip at %3.</source>
        <translation>%1, cola en %2, punta en %3.</translation>
    </message>
    <message>
        <source>plane arrow&apos;s tail</source>
        <translation>cola de la flecha del avión</translation>
    </message>
    <message>
        <source>tail</source>
        <translation>cola</translation>
    </message>
    <message>
        <source>plane arrow&apos;s tip</source>
        <translation>punta de la flecha del avión</translation>
    </message>
    <message>
        <source>tip</source>
        <translation>punta</translation>
    </message>
    <message>
        <source>wind arrow&apos;s tail</source>
        <translation>cola de la flecha del viento</translation>
    </message>
    <message>
        <source>wind arrow&apos;s tip</source>
        <translation>punta de la flecha del viento</translation>
    </message>
    <message>
        <source>ground velocity arrow&apos;s tail</source>
        <translation>cola de la flecha de la velocidad respecto al suelo</translation>
    </message>
    <message>
        <source>ground velocity arrow&apos;s tip</source>
        <translation>punta de la flecha de la velocidad respecto al suelo</translation>
    </message>
    <message>
        <source>The %1 is joined to the %2.</source>
        <translation>La %1 está unida a la %2.</translation>
    </message>
    <message>
        <source>The %1 is %2 the %3.</source>
        <translation>La %1 está %2 la %3.</translation>
    </message>
    <message>
        <source>, %1 %2 the %3</source>
        <translation>, %1 %2 la %3</translation>
    </message>
    <message>
        <source>%1 px %2</source>
        <translation>%1 px %2</translation>
    </message>
    <message>
        <source>left of</source>
        <translation>a la izquierda de</translation>
    </message>
    <message>
        <source>right of</source>
        <translation>a la derecha de</translation>
    </message>
    <message>
        <source>above</source>
        <translation>por encima de</translation>
    </message>
    <message>
        <source>below</source>
        <translation>por debajo de</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sobre</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Ground view, places in pixels from its top left.</source>
        <translation>Vista del suelo, posiciones en píxeles desde la esquina superior izquierda.</translation>
    </message>
    <message>
        <source>Plane start at %1.</source>
        <translation>Salida del avión en %1.</translation>
    </message>
    <message>
        <source>%1, the plane is %2 and %3 from its start.</source>
        <translation>%1, el avión está a %2 y %3 de su salida.</translation>
    </message>
    <message>
        <source>Start marker at %1, finish marker at %2, %3.</source>
        <translation>Marca de salida en %1, marca de llegada en %2, %3.</translation>
    </message>
    <message>
        <source>River shown, %1.</source>
        <translation>Río visible, %1.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explicación</translation>
    </message>
    <message>
        <source>Is this the right Experiment?</source>
        <translation>¿Es este el experimento correcto?</translation>
    </message>
    <message>
        <source>Motion loaded</source>
        <translation>Movimiento abierto</translation>
    </message>
    <message>
        <source>Relative Motion Question</source>
        <translation>Pregunta de movimiento relativo</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>&amp;Controles</translation>
    </message>
    <message>
        <source>&amp;Velocities</source>
        <translation>&amp;Velocidades</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>Volando</translation>
    </message>
    <message>
        <source>Stopped. %1. Displacement from Start: %2, %3</source>
        <translation>Detenido. %1. Desplazamiento desde la salida: %2, %3</translation>
    </message>
    <message>
        <source>Controls page</source>
        <translation>Página Controles</translation>
    </message>
    <message>
        <source>Velocities page</source>
        <translation>Página Velocidades</translation>
    </message>
    <message>
        <source>joined</source>
        <translation>unidos</translation>
    </message>
    <message>
        <source>Wind speed</source>
        <translation>Rapidez del viento</translation>
    </message>
    <message>
        <source>Wind direction</source>
        <translation>Dirección del viento</translation>
    </message>
    <message>
        <source>Turn wind counter-clockwise</source>
        <translation>Girar el viento en sentido antihorario</translation>
    </message>
    <message>
        <source>Turn wind clockwise</source>
        <translation>Girar el viento en sentido horario</translation>
    </message>
    <message>
        <source>Plane speed</source>
        <translation>Rapidez del avión</translation>
    </message>
    <message>
        <source>Plane direction</source>
        <translation>Dirección del avión</translation>
    </message>
    <message>
        <source>Turn plane counter-clockwise</source>
        <translation>Girar el avión en sentido antihorario</translation>
    </message>
    <message>
        <source>Turn plane clockwise</source>
        <translation>Girar el avión en sentido horario</translation>
    </message>
    <message>
        <source>Ground speed</source>
        <translation>Rapidez respecto al suelo</translation>
    </message>
    <message>
        <source>Ground velocity direction</source>
        <translation>Dirección de la velocidad respecto al suelo</translation>
    </message>
    <message>
        <source>Turn ground velocity counter-clockwise</source>
        <translation>Girar la velocidad respecto al suelo en sentido antihorario</translation>
    </message>
    <message>
        <source>Turn ground velocity clockwise</source>
        <translation>Girar la velocidad respecto al suelo en sentido horario</translation>
    </message>
    <message>
        <source>Vector scale</source>
        <translation>Escala de los vectores</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeña</translation>
    </message>
    <message>
        <source>Scale</source>
        <extracomment>Caption under the vector scale bar, between &quot;Small&quot; and &quot;Large&quot;; short</extracomment>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>: the join holds it; Shift with an arrow key moves it 10 px, which parts it</source>
        <translation>: la unión la sujeta; Mayús con una flecha del teclado la mueve 10 px, lo que la separa</translation>
    </message>
    <message>
        <source>Show &amp;Question</source>
        <translation>Mostrar la &amp;pregunta</translation>
    </message>
    <message>
        <source>Show &amp;Path</source>
        <translation>Mostrar la &amp;trayectoria</translation>
    </message>
    <message>
        <source>&amp;Check Ground Velocity</source>
        <translation>&amp;Comprobar la velocidad respecto al suelo</translation>
    </message>
    <message>
        <source>10%1 is drawn %2 px long</source>
        <extracomment>What the vector scale sets: &quot;10 m/s is drawn 40.0 px long&quot;</extracomment>
        <translation>10%1 se dibuja con %2 px de largo</translation>
    </message>
    <message>
        <source>%1%2 across 500 px</source>
        <extracomment>What a distance scale sets: &quot;100 m across 500 px&quot; of the ground view</extracomment>
        <translation>%1%2 en 500 px</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>Vis&amp;ta</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>No program was found to open the worksheets.
Its file is %1</source>
        <translation>No se encontró ningún programa para abrir las fichas de trabajo.
Su archivo es %1</translation>
    </message>
    <message>
        <source>&amp;Worksheets</source>
        <translation>&amp;Fichas de trabajo</translation>
    </message>
</context>
<context>
    <name>zephyra::Taboutboxp</name>
    <message>
        <source>Relative motion for the classroom: fly a plane through the wind and see how velocities add as vectors. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Movimiento relativo para el aula: haz volar un avión con viento y observa cómo se suman las velocidades como vectores. Software libre bajo la GNU GPL, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Zephyra user guide</source>
        <translation>Guía de Zephyra</translation>
    </message>
</context>
</TS>
