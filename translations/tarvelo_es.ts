<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>HeadlessRun</name>
    <message>
        <source>Tarvelo: numbers and equations on a two-pan balance.

Without options, opens the window (and the problem file named, if any).
With --settle, lets a problem come to rest without a window and prints its equation line.</source>
        <translation>Tarvelo: números y ecuaciones en una balanza de dos platillos.

Sin opciones, abre la ventana (y el archivo de problema indicado, si lo hay).
Con --settle, deja que un problema se quede quieto sin ventana y escribe su línea de ecuación.</translation>
    </message>
    <message>
        <source>Load FILE, let the scene come to rest and print the equation line.</source>
        <translation>Carga FILE, deja que la escena se quede quieta y escribe la línea de ecuación.</translation>
    </message>
    <message>
        <source>Draw X and Y as the cubes of their values.</source>
        <translation>Dibuja X e Y como los cubos de sus valores.</translation>
    </message>
    <message>
        <source>Print the settled scene as one JSON object: the equation line, whether it came to rest and when, the pans and every piece with the pan it counts for.</source>
        <translation>Escribe la escena quieta como un solo objeto JSON: la línea de ecuación, si se quedó quieta y cuándo, los platillos y cada pieza con el platillo para el que cuenta.</translation>
    </message>
    <message>
        <source>tarvelo: the scene in “%1” did not come to rest within %2 seconds of scene time.</source>
        <translation>tarvelo: la escena de «%1» no se quedó quieta en %2 segundos de tiempo de escena.</translation>
    </message>
    <message>
        <source>tarvelo: the picture could not be written to “%1”.</source>
        <translation>tarvelo: no se pudo escribir la imagen en «%1».</translation>
    </message>
    <message>
        <source>Also draw the window as it then looks into the PNG file OUT: in problem mode, with the buttons that “tarvelo FILE” shows.</source>
        <translation>Dibuja también la ventana tal como se ve entonces en el archivo PNG OUT: en modo problema, con los botones que muestra «tarvelo FILE».</translation>
    </message>
    <message>
        <source>Print the version and the licence.</source>
        <translation>Muestra la versión y la licencia.</translation>
    </message>
    <message>
        <source>The problem file to open in the window. A name that starts with “-” follows “--” or starts with “./”.</source>
        <translation>El archivo de problema que se abre en la ventana. Un nombre que empieza por «-» va tras «--» o empieza por «./».</translation>
    </message>
    <message>
        <source>unknown option “%1”.</source>
        <translation>opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Tarvelo %1
Licence: %2 (the GNU General Public License, version 3 or any later version).
There is no warranty.</source>
        <translation>Tarvelo %1
Licencia: %2 (la Licencia Pública General de GNU, versión 3 o cualquier versión posterior).
No hay ninguna garantía.</translation>
    </message>
    <message>
        <source>--moves: “%1” has too many or too few words.</source>
        <translation>--moves: «%1» tiene demasiadas o demasiado pocas palabras.</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no piece (0 to 9, X, Y or smiley).</source>
        <translation>--moves: en «%1», «%2» no es una pieza (de 0 a 9, X, Y o smiley).</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no side (left or right).</source>
        <translation>--moves: en «%1», «%2» no es un lado (left o right).</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no number that move takes.</source>
        <translation>--moves: en «%1», «%2» no es un número que ese movimiento admita.</translation>
    </message>
    <message>
        <source>--moves: the script holds no move.</source>
        <translation>--moves: el script no contiene ningún movimiento.</translation>
    </message>
    <message>
        <source>tarvelo: --settle FILE is needed; --png, --show-solution, --json and --moves go with it. See tarvelo --help.</source>
        <translation>tarvelo: hace falta --settle FILE; --png, --show-solution, --json y --moves van con él. Consulta tarvelo --help.</translation>
    </message>
    <message>
        <source>tarvelo: the move “%1” was refused: %2</source>
        <translation>tarvelo: el movimiento «%1» fue rechazado: %2</translation>
    </message>
    <message>
        <source>Once the scene rests, make the moves of SCRIPT one after another, each once the scene rests again; moves are separated by “;”: take K, add K, drop SIDE K, remove SIDE K, split SIDE N A B, join SIDE A B, share N, check V [W] (K: 0 to 9, X, Y or smiley; SIDE: left or right; V, W: values of X and Y to check). A refused move ends the script.</source>
        <translation>Cuando la escena esté en reposo, hace los movimientos de SCRIPT uno tras otro, cada uno cuando la escena vuelva a estar en reposo; los movimientos se separan con «;»: take K, add K, drop SIDE K, remove SIDE K, split SIDE N A B, join SIDE A B, share N, check V [W] (K: de 0 a 9, X, Y o smiley; SIDE: left o right; V, W: valores de X e Y que comprobar). Un movimiento rechazado termina el script.</translation>
    </message>
    <message>
        <source>Let the challenge come to rest and print its equation line and its goal.</source>
        <translation>Deja que el desafío se detenga e imprime su línea de la ecuación y su objetivo.</translation>
    </message>
    <message>
        <source>Instead of a file, make the challenge of LEVEL (1: X + b = c, 2: aX = c, 3: aX + b = c, 4: X on both sides, 5: larger numbers) from the seed of --seed, and settle it with --settle (no FILE then); --json adds its level, goal, fewest moves and a solution.</source>
        <translation>En lugar de un archivo, crea el desafío del nivel LEVEL (1: X + b = c, 2: aX = c, 3: aX + b = c, 4: X en ambos lados, 5: números más grandes) a partir de la semilla de --seed, y lo deja detenerse con --settle (entonces sin FILE); --json añade su nivel, su objetivo, el mínimo de movimientos y una solución.</translation>
    </message>
    <message>
        <source>The seed N of the challenge, a whole number from 0 to 18446744073709551615: the same seed makes the same challenge.</source>
        <translation>La semilla N del desafío, un número entero de 0 a 18446744073709551615: la misma semilla crea el mismo desafío.</translation>
    </message>
    <message>
        <source>tarvelo: --challenge LEVEL, --seed N and --settle go together, without a FILE. See tarvelo --help.</source>
        <translation>tarvelo: --challenge LEVEL, --seed N y --settle van juntos, sin FILE. Véase tarvelo --help.</translation>
    </message>
    <message>
        <source>--challenge: “%1” is no level (%2 to %3).</source>
        <translation>--challenge: «%1» no es un nivel (de %2 a %3).</translation>
    </message>
    <message>
        <source>--seed: “%1” is no seed (a whole number from 0 to %2).</source>
        <translation>--seed: «%1» no es una semilla (un número entero de 0 a %2).</translation>
    </message>
    <message>
        <source>challenge %1, seed %2</source>
        <translation>desafío %1, semilla %2</translation>
    </message>
    <message>
        <source>Find X: it takes %1 moves at the fewest.</source>
        <translation>Encuentra X: hacen falta al menos %1 movimientos.</translation>
    </message>
    <message>
        <source>Open the window and register this program with the desktop for problem files even when it runs from its build folder. An installed program registers without it; what the system provides and a default application chosen are kept either way.</source>
        <translation>Abre la ventana y registra este programa en el escritorio para los archivos de problema aunque se ejecute desde su carpeta de compilación. Un programa instalado se registra sin ella; lo que el sistema proporciona y una aplicación predeterminada elegida se mantienen en cualquier caso.</translation>
    </message>
    <message>
        <source>tarvelo: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set). The options that need no window are in tarvelo --help; to open the window all the same, start it under xvfb-run -a.</source>
        <translation>tarvelo: no hay ninguna pantalla en la que abrir la ventana (DISPLAY y WAYLAND_DISPLAY no están definidas). Las opciones que no necesitan ventana están en tarvelo --help; para abrir la ventana de todos modos, inícialo con xvfb-run -a.</translation>
    </message>
    <message>
        <source>--moves: “%1” is no move (%2).</source>
        <translation>--moves: «%1» no es un movimiento (%2).</translation>
    </message>
</context>
<context>
    <name>InstanceMessages</name>
    <message>
        <source>%1 is not a folder of this user&apos;s alone</source>
        <translation>%1 no es una carpeta solo de este usuario</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>other users may enter %1</source>
        <translation>otros usuarios pueden entrar en %1</translation>
    </message>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>la ruta %1 es demasiado larga para un socket</translation>
    </message>
    <message>
        <source>tarvelo: no private folder for the socket of the running Tarvelo could be had (%1). This Tarvelo runs on its own: later starts cannot hand their files to it.</source>
        <translation>tarvelo: no se pudo conseguir una carpeta privada para el socket del Tarvelo en marcha (%1). Este Tarvelo funciona por su cuenta: los inicios posteriores no pueden pasarle sus archivos.</translation>
    </message>
    <message>
        <source>tarvelo: the lock file %1 cannot be used. This Tarvelo runs on its own: later starts cannot hand their files to it.</source>
        <translation>tarvelo: el archivo de bloqueo %1 no se puede usar. Este Tarvelo funciona por su cuenta: los inicios posteriores no pueden pasarle sus archivos.</translation>
    </message>
    <message>
        <source>tarvelo: %1 is in the way of the socket of the running Tarvelo. Later starts cannot hand their files to this Tarvelo until it is removed.</source>
        <translation>tarvelo: %1 estorba al socket del Tarvelo en marcha. Los inicios posteriores no pueden pasar sus archivos a este Tarvelo hasta que se quite.</translation>
    </message>
    <message>
        <source>tarvelo: the socket %1 cannot be opened (%2). Later starts cannot hand their files to this Tarvelo.</source>
        <translation>tarvelo: el socket %1 no se puede abrir (%2). Los inicios posteriores no pueden pasar sus archivos a este Tarvelo.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo ended before it took the file. Start Tarvelo again.</source>
        <translation>tarvelo: el Tarvelo en marcha se cerró antes de recoger el archivo. Vuelve a abrir Tarvelo.</translation>
    </message>
    <message>
        <source>tarvelo: a Tarvelo is running but took no connection within %1 seconds; it may be stopped or very busy. The file was not handed over.</source>
        <translation>tarvelo: hay un Tarvelo en marcha, pero no aceptó ninguna conexión en %1 segundos; quizá esté detenido o muy ocupado. El archivo no se pasó.</translation>
    </message>
    <message>
        <source>tarvelo: a Tarvelo is running, but %1 is not its socket. The file was not handed over.</source>
        <translation>tarvelo: hay un Tarvelo en marcha, pero %1 no es su socket. El archivo no se pasó.</translation>
    </message>
    <message>
        <source>tarvelo: the socket %1 belongs to another user. Nothing was handed over.</source>
        <translation>tarvelo: el socket %1 pertenece a otro usuario. No se pasó nada.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo closed the connection without answering.</source>
        <translation>tarvelo: el Tarvelo en marcha cerró la conexión sin responder.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo did not answer within %1 seconds; it may be stopped or very busy. The file was not handed over.</source>
        <translation>tarvelo: el Tarvelo en marcha no respondió en %1 segundos; quizá esté detenido o muy ocupado. El archivo no se pasó.</translation>
    </message>
    <message>
        <source>Another start of Tarvelo handed over the command line “%1”, which names no problem file. The problem shown stays as it is.</source>
        <translation>Otro inicio de Tarvelo pasó la línea de órdenes «%1», que no indica ningún archivo de problema. El problema que se ve se queda como está.</translation>
    </message>
    <message numerus="yes">
        <source>This came %n times.</source>
        <translation>
            <numerusform>Esto llegó %n vez.</numerusform>
            <numerusform>Esto llegó %n veces.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n further notices came while many were waiting; they are not shown.</source>
        <translation>
            <numerusform>Llegó %n aviso más mientras muchos esperaban; no se muestra.</numerusform>
            <numerusform>Llegaron %n avisos más mientras muchos esperaban; no se muestran.</numerusform>
        </translation>
    </message>
    <message>
        <source>Other starts of Tarvelo handed over %1 more problem files while one waited to be opened. Only the last one handed over is open; the others were passed over.</source>
        <translation>Otros inicios de Tarvelo entregaron %1 archivos de problema más mientras uno esperaba a abrirse. Solo está abierto el último entregado; los demás se pasaron por alto.</translation>
    </message>
    <message>
        <source>%1 could not be made</source>
        <translation>no se pudo crear %1</translation>
    </message>
    <message>
        <source>the user database gives this user no home</source>
        <translation>la base de datos de usuarios no da a este usuario una carpeta personal</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>otros usuarios pueden modificar %1</translation>
    </message>
</context>
<context>
    <name>ProblemMessages</name>
    <message>
        <source>there is no space left on the disk</source>
        <translation>no queda espacio en el disco</translation>
    </message>
    <message>
        <source>your share of the disk (quota) is used up</source>
        <translation>tu parte del disco (cuota) está agotada</translation>
    </message>
    <message>
        <source>the file would be too large for the disk</source>
        <translation>el archivo sería demasiado grande para el disco</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the disk may only be read, not written</source>
        <translation>el disco solo se puede leer, no escribir</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>una parte de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>there is a folder of that name</source>
        <translation>hay una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>the disk reported a fault while writing</source>
        <translation>el disco avisó de un error al escribir</translation>
    </message>
    <message>
        <source>The problem file “%1” cannot be opened: it does not exist, is not a file, or may not be read.</source>
        <translation>El archivo de problema «%1» no se puede abrir: no existe, no es un archivo o no se puede leer.</translation>
    </message>
    <message>
        <source>The file “%1” is far too large to be a problem file.</source>
        <translation>El archivo «%1» es demasiado grande para ser un archivo de problema.</translation>
    </message>
    <message>
        <source>The problem file “%1” is incomplete: it ends before line %2.</source>
        <translation>El archivo de problema «%1» está incompleto: termina antes de la línea %2.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” gives %3 as the number of pieces; it must be a whole number from 0 to %4.</source>
        <translation>La línea %2 del archivo de problema «%1» da %3 como número de piezas; tiene que ser un número entero de 0 a %4.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” announces %3 pieces, more than the file holds.</source>
        <translation>La línea %2 del archivo de problema «%1» anuncia %3 piezas, más de las que tiene el archivo.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” holds a number too large for its place.</source>
        <translation>La línea %2 del archivo de problema «%1» tiene un número demasiado grande para su lugar.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” names the kind of piece %3, which does not exist.</source>
        <translation>La línea %2 del archivo de problema «%1» nombra el tipo de pieza %3, que no existe.</translation>
    </message>
    <message>
        <source>The problem file “%1” cannot be read.</source>
        <translation>El archivo de problema «%1» no se puede leer.</translation>
    </message>
    <message>
        <source>The problem could not be saved as “%1”: %2.
Nothing was changed.</source>
        <translation>No se pudo guardar el problema como «%1»: %2.
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>el sistema no dio ningún motivo</translation>
    </message>
    <message>
        <source>The command line “%1” names no problem file; Tarvelo starts without one.</source>
        <translation>La línea de órdenes «%1» no indica ningún archivo de problema; Tarvelo empieza sin él.</translation>
    </message>
    <message>
        <source>“%1” is not a value of %2. %2 takes a whole number from 0 to 9; it keeps its value.</source>
        <translation>«%1» no es un valor posible de %2. %2 solo puede ser un número entero de 0 a 9; su valor no cambia.</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user, and Tarvelo does not write through it</source>
        <translation>es un enlace que pertenece a otro usuario, y Tarvelo no escribe a través de él</translation>
    </message>
    <message>
        <source>it is a link in a folder that other users can change, and Tarvelo does not write through it</source>
        <translation>es un enlace en una carpeta que otros usuarios pueden cambiar, y Tarvelo no escribe a través de él</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or a socket)</source>
        <translation>no es un archivo corriente (un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <source>the file belongs to another user, who would lose it</source>
        <translation>el archivo pertenece a otro usuario, que lo perdería</translation>
    </message>
    <message>
        <source>The problem was saved as “%1”. That file also had other names (hard links); they still hold the old problem.</source>
        <translation>El problema se guardó como «%1». Ese archivo tenía además otros nombres (enlaces duros); siguen conteniendo el problema anterior.</translation>
    </message>
    <message>
        <source>The file “%1” is not a problem file: it is not plain text (it may have been saved as UTF-16).</source>
        <translation>El archivo «%1» no es un archivo de problema: no es texto plano (quizá se guardó como UTF-16).</translation>
    </message>
    <message>
        <source>Discard the scene you built?</source>
        <translation>¿Descartar la escena que construiste?</translation>
    </message>
    <message>
        <source>A lesson is being opened, and Ctrl+Z cannot bring free play back from a lesson. Save the scene first, or discard it?</source>
        <translation>Se está abriendo una lección, y Ctrl+Z no devuelve el juego libre desde una lección. ¿Guardar primero la escena o descartarla?</translation>
    </message>
    <message>
        <source>Tarvelo is closing, and the scene is lost unless it is saved. Save the scene first, or discard it?</source>
        <translation>Tarvelo se está cerrando, y la escena se pierde si no se guarda. ¿Guardar primero la escena o descartarla?</translation>
    </message>
    <message>
        <source>Tarvelo opens one problem file (.trv) at a time: drop a single .trv file on the window to open it.</source>
        <translation>Tarvelo abre un archivo de problema (.trv) cada vez: suelta un solo archivo .trv en la ventana para abrirlo.</translation>
    </message>
</context>
<context>
    <name>tarvelo::AccessLayer</name>
    <message>
        <source>Arrows go from piece to piece; Enter picks a piece up and puts it down, Escape puts it back, Delete removes it.</source>
        <translation>Las flechas van de pieza en pieza; Intro toma una pieza y la deja, Esc la devuelve a su sitio, Supr la quita.</translation>
    </message>
    <message>
        <source>%1 picked up, %2.</source>
        <translation>%1 en la mano, %2.</translation>
    </message>
    <message>
        <source>%1 dropped.</source>
        <translation>%1 cae.</translation>
    </message>
    <message>
        <source>%1 taken back.</source>
        <translation>%1 vuelve a la paleta.</translation>
    </message>
    <message>
        <source>No pieces yet: add some from the palette.</source>
        <translation>Todavía no hay piezas: toma alguna de la paleta.</translation>
    </message>
    <message>
        <source>%1 put back.</source>
        <translation>%1 vuelve a su sitio.</translation>
    </message>
    <message>
        <source>%1 put down.</source>
        <translation>%1 se posa.</translation>
    </message>
    <message>
        <source>over the left pan</source>
        <translation>sobre el platillo izquierdo</translation>
    </message>
    <message>
        <source>over the right pan</source>
        <translation>sobre el platillo derecho</translation>
    </message>
    <message>
        <source>over no pan</source>
        <translation>fuera de los platillos</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nada que rehacer.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nada que deshacer.</translation>
    </message>
    <message>
        <source>Wait a moment: the new scene is being made.</source>
        <translation>Un momento: se está preparando la nueva escena.</translation>
    </message>
    <message>
        <source>Pieces to add. Left and Right choose one; Enter picks up a copy, Page Up and Page Down take it over a pan, Enter drops it, Escape takes it back.</source>
        <translation>Piezas para añadir. Izquierda y Derecha eligen una; Intro toma una copia, Re Pág y Av Pág la llevan sobre un platillo, Intro la suelta, Escape la devuelve.</translation>
    </message>
    <message>
        <source>F2 sets its value.</source>
        <translation>F2 fija su valor.</translation>
    </message>
    <message>
        <source>In a lesson, X stays hidden: find it with the balance.</source>
        <translation>En una lección, X sigue oculto: encuéntralo con la balanza.</translation>
    </message>
    <message>
        <source>In a lesson, Y stays hidden: find it with the balance.</source>
        <translation>En una lección, Y sigue oculto: encuéntralo con la balanza.</translation>
    </message>
    <message>
        <source>%1 removed. Now on %2.</source>
        <translation>%1 quitado. Ahora en %2.</translation>
    </message>
    <message>
        <source>%1 removed. No pieces left.</source>
        <translation>%1 quitado. No quedan piezas.</translation>
    </message>
</context>
<context>
    <name>tarvelo::ChallengeTexts</name>
    <message>
        <source>X + b = c</source>
        <translation>X + b = c</translation>
    </message>
    <message>
        <source>aX = c</source>
        <translation>aX = c</translation>
    </message>
    <message>
        <source>aX + b = c</source>
        <translation>aX + b = c</translation>
    </message>
    <message>
        <source>aX + b = mX + n</source>
        <translation>aX + b = mX + n</translation>
    </message>
    <message>
        <source>larger numbers: exchange and share</source>
        <translation>números más grandes: cambiar y repartir</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Nivel %1: %2</translation>
    </message>
    <message>
        <source>Challenge: level %1</source>
        <translation>Desafío: nivel %1</translation>
    </message>
    <message>
        <source>Find X. Fewest moves: %1.</source>
        <translation>Encuentra X. Mínimo de movimientos: %1.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Challenge: level %1, number %2</source>
        <translation>Desafío: nivel %1, número %2</translation>
    </message>
    <message>
        <source>Well done! %1. Two stars: solved in the fewest moves.</source>
        <translation>¡Muy bien! %1. Dos estrellas: resuelto con el mínimo de movimientos.</translation>
    </message>
    <message>
        <source>Well done! %1. One star; %2 moves made, fewest %3.</source>
        <translation>¡Muy bien! %1. Una estrella; %2 movimientos hechos, mínimo %3.</translation>
    </message>
    <message>
        <source>Stars: %1, solved: %2.</source>
        <translation>Estrellas: %1, resueltos: %2.</translation>
    </message>
    <message>
        <source>Start level %1</source>
        <translation>Empezar el nivel %1</translation>
    </message>
    <message>
        <source>Next challenge</source>
        <translation>Siguiente desafío</translation>
    </message>
    <message>
        <source>Level %1 won: %2 challenges solved! Try level %3.</source>
        <translation>¡Nivel %1 superado: %2 desafíos resueltos! Prueba el nivel %3.</translation>
    </message>
    <message>
        <source>Level %1 won: %2 challenges solved! That is the hardest level.</source>
        <translation>¡Nivel %1 superado: %2 desafíos resueltos! Es el nivel más difícil.</translation>
    </message>
    <message>
        <source>Well done! %1. One star: the solution was shown.</source>
        <translation>¡Muy bien! %1. Una estrella: se mostró la solución.</translation>
    </message>
</context>
<context>
    <name>tarvelo::ChallengesWindow</name>
    <message>
        <source>Challenges</source>
        <translation>Desafíos</translation>
    </message>
    <message>
        <source>Choose a level. A challenge solved wins a star, and one more when solved in the fewest moves.</source>
        <translation>Elige un nivel. Un desafío resuelto gana una estrella, y otra más si se resuelve con el mínimo de movimientos.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>tarvelo::EquationSpeech</name>
    <message>
        <source>%1 equals %2</source>
        <translation>%1 es igual a %2</translation>
    </message>
    <message>
        <source>%1 is less than %2</source>
        <translation>%1 es menor que %2</translation>
    </message>
    <message>
        <source>%1 is more than %2</source>
        <translation>%1 es mayor que %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 más %2</translation>
    </message>
</context>
<context>
    <name>tarvelo::FileDialogs</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Tarvelo problem</source>
        <translation>Problema de Tarvelo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>Archivo %1</translation>
    </message>
</context>
<context>
    <name>tarvelo::FrmInfo</name>
    <message>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <source>E d u c a t i o n a l   t o o l s</source>
        <translation>R e c u r s o s   e d u c a t i v o s</translation>
    </message>
    <message>
        <source>Programming:</source>
        <translation>Programación:</translation>
    </message>
    <message>
        <source>The Tarvelo team</source>
        <translation>El equipo de Tarvelo</translation>
    </message>
    <message>
        <source>From an idea of:</source>
        <translation>Según una idea de:</translation>
    </message>
    <message>
        <source>Ver. 0.5 - 25 Dec 2007</source>
        <translation>Ver. 0.5 - 25 dic 2007</translation>
    </message>
    <message>
        <source>Close me</source>
        <translation>Ciérrame</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Left, Right, Home, End</source>
        <translation>Izquierda, Derecha, Inicio, Fin</translation>
    </message>
    <message>
        <source>choose a piece in the palette</source>
        <translation>elegir una pieza de la paleta</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Intro, Espacio</translation>
    </message>
    <message>
        <source>pick up a piece; drop it or put it down</source>
        <translation>tomar una pieza; soltarla o dejarla</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>move what you carry (with Shift: a little); in the scene, go from piece to piece</source>
        <translation>mover lo que llevas (con Mayús: un poco); en la escena, ir de pieza en pieza</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Re Pág, Av Pág</translation>
    </message>
    <message>
        <source>over the left pan, over the right pan</source>
        <translation>sobre el platillo izquierdo, sobre el platillo derecho</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>put back what you carry</source>
        <translation>devolver lo que llevas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>remove the piece in the scene</source>
        <translation>quitar la pieza de la escena</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>the value of X or Y</source>
        <translation>el valor de X o de Y</translation>
    </message>
    <message>
        <source>Ctrl+N, Ctrl+O, Ctrl+S</source>
        <translation>Ctrl+N, Ctrl+O, Ctrl+S</translation>
    </message>
    <message>
        <source>New, Load, Save</source>
        <translation>Nuevo, Cargar, Guardar</translation>
    </message>
    <message>
        <source>Ctrl+R, Ctrl+L</source>
        <translation>Ctrl+R, Ctrl+L</translation>
    </message>
    <message>
        <source>Restart, Show solution</source>
        <translation>Reiniciar, Ver la solución</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>undo what you did last</source>
        <translation>deshacer lo último que hiciste</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Ctrl+Mayús+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>redo it</source>
        <translation>rehacerlo</translation>
    </message>
    <message>
        <source>Educational tools</source>
        <translation>Recursos educativos</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&amp;nbsp;&amp;nbsp; %2</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&amp;nbsp;&amp;nbsp; %2</translation>
    </message>
    <message>
        <source>palette, scene, equation, buttons, this information</source>
        <translation>paleta, escena, ecuación, botones, esta información</translation>
    </message>
    <message>
        <source>Ctrl++, Ctrl+-, Ctrl+0</source>
        <translation>Ctrl++, Ctrl+-, Ctrl+0</translation>
    </message>
    <message>
        <source>make the window larger, smaller, its own size</source>
        <translation>ventana más grande, más pequeña, a su tamaño</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen, as large as the screen allows; again: back</source>
        <translation>pantalla completa, tan grande como la pantalla permite; otra vez: volver</translation>
    </message>
    <message>
        <source>moves, challenges, lessons</source>
        <translation>jugadas, desafíos, lecciones</translation>
    </message>
    <message>
        <source>Ctrl+M, Ctrl+G, Ctrl+Shift+L</source>
        <translation>Ctrl+M, Ctrl+G, Ctrl+Mayús+L</translation>
    </message>
    <message>
        <source>Ctrl+B, Ctrl+E</source>
        <translation>Ctrl+B, Ctrl+E</translation>
    </message>
    <message>
        <source>Ctrl+Shift+B, Ctrl+Shift+M</source>
        <translation>Ctrl+Mayús+B, Ctrl+Mayús+M</translation>
    </message>
    <message>
        <source>balance again; equation aloud</source>
        <translation>balanza otra vez; ecuación en voz alta</translation>
    </message>
    <message>
        <source>each pan&apos;s load; sound on, off</source>
        <translation>carga de cada platillo; sonido sí, no</translation>
    </message>
    <message>
        <source>F1; Ctrl+Q, Ctrl+W</source>
        <translation>F1; Ctrl+Q, Ctrl+W</translation>
    </message>
    <message>
        <source>this information; close Tarvelo</source>
        <translation>esta información; cerrar Tarvelo</translation>
    </message>
</context>
<context>
    <name>tarvelo::FrmMain</name>
    <message>
        <source>Show solution</source>
        <translation>Ver la solución</translation>
    </message>
    <message>
        <source>Hide solution</source>
        <translation>Ocultar la solución</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>X value<byte value="xd"/>
(change or leave unchanged):</source>
        <translation>Valor de X<byte value="xd"/>
(cámbialo o déjalo igual):</translation>
    </message>
    <message>
        <source>Y value<byte value="xd"/>
(change or leave unchanged):</source>
        <translation>Valor de Y<byte value="xd"/>
(cámbialo o déjalo igual):</translation>
    </message>
    <message>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <source>Program info</source>
        <translation>Información del programa</translation>
    </message>
    <message>
        <source>Drag inside...</source>
        <translation>Arrastra aquí dentro...</translation>
    </message>
    <message>
        <source>Left-click and drag : move the objects</source>
        <translation>Clic izquierdo y arrastra: mueve las piezas</translation>
    </message>
    <message>
        <source>Drag down for removing...</source>
        <translation>Arrastra hacia abajo para quitar...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Tarvelo problem</source>
        <translation>Problema de Tarvelo</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>MyFileName</source>
        <translation>MiArchivo</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problema</translation>
    </message>
    <message>
        <source>Click: moves on both pans (Ctrl+M)</source>
        <translation>Clic: movimientos en ambos platillos (Ctrl+M)</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Sonido activado.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Sonido desactivado.</translation>
    </message>
    <message>
        <source>No voice can read aloud: the speech service does not answer.</source>
        <translation>Ninguna voz puede leer en voz alta: el servicio de voz no responde.</translation>
    </message>
</context>
<context>
    <name>tarvelo::LessonTexts</name>
    <message>
        <source>Make both pans balance</source>
        <translation>Equilibrar los dos platillos</translation>
    </message>
    <message>
        <source>Find X</source>
        <translation>Encontrar X</translation>
    </message>
    <message>
        <source>Find Y</source>
        <translation>Encontrar Y</translation>
    </message>
    <message>
        <source>Find X and Y</source>
        <translation>Encontrar X e Y</translation>
    </message>
    <message>
        <source>Make the left pan heavier</source>
        <translation>Hacer más pesado el platillo de la izquierda</translation>
    </message>
    <message>
        <source>Make the right pan heavier</source>
        <translation>Hacer más pesado el platillo de la derecha</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The tag of the language of this translation, as a lesson file writes it: it, de, fr or es.</comment>
        <translation>es</translation>
    </message>
    <message>
        <source>Lesson: %1. %2</source>
        <translation>Lección: %1. %2</translation>
    </message>
    <message>
        <source>Well done! The lesson is done.</source>
        <translation>¡Muy bien! La lección está hecha.</translation>
    </message>
    <message>
        <source>Next lesson</source>
        <translation>Siguiente lección</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2, done: one star</source>
        <translation>%1. %2, hecha: una estrella</translation>
    </message>
    <message>
        <source>These lesson files could not be read: %1</source>
        <translation>Estos archivos de lección no se pueden leer: %1</translation>
    </message>
    <message>
        <source>Your lessons already hold a lesson called “%1”. Replace it?</source>
        <translation>Tus lecciones ya tienen una lección llamada «%1». ¿Reemplazarla?</translation>
    </message>
    <message>
        <source>The lesson could not be saved as “%1”: %2.</source>
        <translation>No se pudo guardar la lección como «%1»: %2.</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>no se pudo crear su carpeta</translation>
    </message>
    <message>
        <source>Lesson saved: %1.</source>
        <translation>Lección guardada: %1.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (línea %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarvelo::LessonsWindow</name>
    <message>
        <source>Lessons</source>
        <translation>Lecciones</translation>
    </message>
    <message>
        <source>Choose a lesson and open it. A lesson done wins a star.</source>
        <translation>Elige una lección y ábrela. Una lección hecha gana una estrella.</translation>
    </message>
    <message>
        <source>Lessons of the program</source>
        <translation>Lecciones del programa</translation>
    </message>
    <message>
        <source>My lessons</source>
        <translation>Mis lecciones</translation>
    </message>
    <message>
        <source>My lessons are kept in %1. To share a lesson, copy its .trv and .lesson files into this folder on the other computer.</source>
        <translation>Mis lecciones se guardan en %1. Para compartir una lección, copia sus archivos .trv y .lesson en esta carpeta del otro ordenador.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save this scene as a lesson…</source>
        <translation>Guardar esta escena como lección…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>tarvelo::MovesPanel</name>
    <message>
        <source>Same on both pans</source>
        <translation>Igual en ambos platillos</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>Pieza</translation>
    </message>
    <message>
        <source>Take from both pans</source>
        <translation>Quitar de ambos platillos</translation>
    </message>
    <message>
        <source>Add to both pans</source>
        <translation>Añadir a ambos platillos</translation>
    </message>
    <message>
        <source>Exchange cubes on one pan</source>
        <translation>Cambiar cubos en un platillo</translation>
    </message>
    <message>
        <source>left pan</source>
        <translation>platillo izquierdo</translation>
    </message>
    <message>
        <source>right pan</source>
        <translation>platillo derecho</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Platillo</translation>
    </message>
    <message>
        <source>N, the cube to split</source>
        <translation>N, el cubo que se parte</translation>
    </message>
    <message>
        <source>A, the first cube</source>
        <translation>A, el primer cubo</translation>
    </message>
    <message>
        <source>B, the second cube</source>
        <translation>B, el segundo cubo</translation>
    </message>
    <message>
        <source>Split N into A + B</source>
        <translation>Partir N en A + B</translation>
    </message>
    <message>
        <source>Join A + B</source>
        <translation>Juntar A + B</translation>
    </message>
    <message>
        <source>Share both pans</source>
        <translation>Repartir ambos platillos</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Share into equal groups</source>
        <translation>Repartir en grupos iguales</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Última jugada</translation>
    </message>
    <message>
        <source>No move made yet.</source>
        <translation>Todavía ninguna jugada.</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Check an answer</source>
        <translation>Comprobar una respuesta</translation>
    </message>
    <message>
        <source>Lock both pans</source>
        <translation>Bloquear ambos platillos</translation>
    </message>
    <message>
        <source>Value of X</source>
        <translation>Valor de X</translation>
    </message>
    <message>
        <source>Value of Y</source>
        <translation>Valor de Y</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Trail of equations</source>
        <translation>Recorrido de ecuaciones</translation>
    </message>
    <message>
        <source>Copy trail</source>
        <translation>Copiar el recorrido</translation>
    </message>
    <message>
        <source>Print trail…</source>
        <translation>Imprimir el recorrido…</translation>
    </message>
    <message>
        <source>Close the panel</source>
        <translation>Cerrar el panel</translation>
    </message>
    <message>
        <source>not shown yet</source>
        <translation>todavía no se ve</translation>
    </message>
    <message>
        <source>Challenges…</source>
        <translation>Desafíos…</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Lecciones…</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Read each balance aloud</source>
        <translation>Leer en voz alta cada equilibrio</translation>
    </message>
    <message>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <source>The trail of equations could not be printed.</source>
        <translation>No se pudo imprimir el recorrido de ecuaciones.</translation>
    </message>
    <message>
        <source>The trail of equations could not be printed to “%1”: the file could not be written whole (is the disk full?).</source>
        <translation>No se pudo imprimir el recorrido de ecuaciones en «%1»: el archivo no se pudo escribir entero (¿está lleno el disco?).</translation>
    </message>
</context>
<context>
    <name>tarvelo::NoticeQueue</name>
    <message>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
</context>
<context>
    <name>tarvelo::PieceNames</name>
    <message>
        <source>cube %1</source>
        <translation>cubo %1</translation>
    </message>
    <message>
        <source>%1 cubes %2</source>
        <translation>%1 cubos %2</translation>
    </message>
    <message>
        <source>%1 X</source>
        <translation>%1 X</translation>
    </message>
    <message>
        <source>%1 Y</source>
        <translation>%1 Y</translation>
    </message>
    <message>
        <source>a smiley</source>
        <translation>una carita</translation>
    </message>
    <message>
        <source>%1 smileys</source>
        <translation>%1 caritas</translation>
    </message>
    <message>
        <source>unknown X</source>
        <translation>incógnita X</translation>
    </message>
    <message>
        <source>unknown Y</source>
        <translation>incógnita Y</translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>carita</translation>
    </message>
    <message>
        <source>pan</source>
        <translation>platillo</translation>
    </message>
    <message>
        <source>piece</source>
        <translation>pieza</translation>
    </message>
    <message>
        <source>%1, on no pan</source>
        <translation>%1, fuera de los platillos</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>left pan: %1; total %2</source>
        <translation>platillo izquierdo: %1; total %2</translation>
    </message>
    <message>
        <source>right pan: %1; total %2</source>
        <translation>platillo derecho: %1; total %2</translation>
    </message>
    <message>
        <source>left side heavier</source>
        <translation>el lado izquierdo pesa más</translation>
    </message>
    <message>
        <source>right side heavier</source>
        <translation>el lado derecho pesa más</translation>
    </message>
    <message>
        <source>both sides equal</source>
        <translation>los dos lados pesan igual</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, which is %2</source>
        <translation>%1, que vale %2</translation>
    </message>
    <message>
        <source>%1, on the left pan</source>
        <translation>%1, en el platillo izquierdo</translation>
    </message>
    <message>
        <source>%1, on the right pan</source>
        <translation>%1, en el platillo derecho</translation>
    </message>
    <message>
        <source>%1, on %2 on the left pan</source>
        <translation>%1, sobre %2 en el platillo izquierdo</translation>
    </message>
    <message>
        <source>%1, on %2 on the right pan</source>
        <translation>%1, sobre %2 en el platillo derecho</translation>
    </message>
    <message>
        <source>Solution shown: X is %1, Y is %2.</source>
        <translation>Solución mostrada: X vale %1, Y vale %2.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Solución oculta.</translation>
    </message>
    <message>
        <source>New scene: the pans are empty. Ctrl+Z brings back the last one.</source>
        <translation>Escena nueva: los platillos están vacíos. Ctrl+Z trae de vuelta la anterior.</translation>
    </message>
    <message>
        <source>Started again: %1. Ctrl+Z brings back the last scene.</source>
        <translation>Reiniciado: %1. Ctrl+Z trae de vuelta la escena anterior.</translation>
    </message>
    <message>
        <source>Opened %1. Ctrl+Z brings back the last scene.</source>
        <translation>%1 abierto. Ctrl+Z trae de vuelta la escena anterior.</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>%1 abierto.</translation>
    </message>
    <message>
        <source>Full screen, zoom %1 %.</source>
        <translation>Pantalla completa, zoom %1 %.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Zoom %1 %.</translation>
    </message>
    <message>
        <source>dropped %1</source>
        <translation>colocación de %1</translation>
    </message>
    <message>
        <source>moved %1</source>
        <translation>movimiento de %1</translation>
    </message>
    <message>
        <source>removed %1</source>
        <translation>retirada de %1</translation>
    </message>
    <message>
        <source>the value of %1 set</source>
        <translation>valor de %1 cambiado</translation>
    </message>
    <message>
        <source>solution shown</source>
        <translation>solución mostrada</translation>
    </message>
    <message>
        <source>solution hidden</source>
        <translation>solución ocultada</translation>
    </message>
    <message>
        <source>scene replaced</source>
        <translation>escena reemplazada</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Rehecho: %1.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Deshecho: %1.</translation>
    </message>
    <message>
        <source>%1 taken from both pans</source>
        <translation>%1 quitado de ambos platillos</translation>
    </message>
    <message>
        <source>%1 added to both pans</source>
        <translation>%1 añadido a ambos platillos</translation>
    </message>
    <message>
        <source>%1 dropped on a pan</source>
        <translation>%1 puesto en un platillo</translation>
    </message>
    <message>
        <source>%1 taken from a pan</source>
        <translation>%1 quitado de un platillo</translation>
    </message>
    <message>
        <source>%1 split in two</source>
        <translation>%1 partido en dos</translation>
    </message>
    <message>
        <source>two cubes joined into %1</source>
        <translation>dos cubos unidos en %1</translation>
    </message>
    <message>
        <source>both pans shared into groups</source>
        <translation>ambos platillos repartidos en grupos</translation>
    </message>
    <message>
        <source>There is no cube %1.</source>
        <translation>No hay ningún cubo %1.</translation>
    </message>
    <message>
        <source>The left pan holds no %1.</source>
        <translation>En el platillo izquierdo no hay %1.</translation>
    </message>
    <message>
        <source>The right pan holds no %1.</source>
        <translation>En el platillo derecho no hay %1.</translation>
    </message>
    <message>
        <source>The two cubes would make %1, not %2.</source>
        <translation>Los dos cubos sumarían %1, no %2.</translation>
    </message>
    <message>
        <source>The two cubes would make %1, and no cube bears more than 9.</source>
        <translation>Los dos cubos sumarían %1, y ningún cubo lleva más de 9.</translation>
    </message>
    <message>
        <source>Sharing takes 2 groups or more, not %1.</source>
        <translation>Para repartir hacen falta 2 grupos o más, no %1.</translation>
    </message>
    <message>
        <source>On the left pan, %1 cannot be shared into %2 equal groups.</source>
        <translation>En el platillo izquierdo, %1 no se pueden repartir en %2 grupos iguales.</translation>
    </message>
    <message>
        <source>On the right pan, %1 cannot be shared into %2 equal groups.</source>
        <translation>En el platillo derecho, %1 no se pueden repartir en %2 grupos iguales.</translation>
    </message>
    <message>
        <source>On the left pan, the numbers worth %1 cannot be shared into %2 equal groups.</source>
        <translation>En el platillo izquierdo, los números que valen %1 no se pueden repartir en %2 grupos iguales.</translation>
    </message>
    <message>
        <source>On the right pan, the numbers worth %1 cannot be shared into %2 equal groups.</source>
        <translation>En el platillo derecho, los números que valen %1 no se pueden repartir en %2 grupos iguales.</translation>
    </message>
    <message>
        <source>On the left pan, no cubes make up %1 as they are: exchange first.</source>
        <translation>En el platillo izquierdo ningún cubo, tal como está, suma %1: primero haz un cambio.</translation>
    </message>
    <message>
        <source>On the right pan, no cubes make up %1 as they are: exchange first.</source>
        <translation>En el platillo derecho ningún cubo, tal como está, suma %1: primero haz un cambio.</translation>
    </message>
    <message>
        <source>%1 cannot go on a pan.</source>
        <translation>%1 no puede ir en un platillo.</translation>
    </message>
    <message>
        <source>There is no room above the left pan for another %1.</source>
        <translation>No queda sitio sobre el platillo izquierdo para otro %1.</translation>
    </message>
    <message>
        <source>There is no room above the right pan for another %1.</source>
        <translation>No queda sitio sobre el platillo derecho para otro %1.</translation>
    </message>
    <message>
        <source>There is no pan %1.</source>
        <translation>No existe el platillo %1.</translation>
    </message>
    <message>
        <source>an answer checked</source>
        <translation>una respuesta comprobada</translation>
    </message>
    <message>
        <source>Y is a whole number from 0 to %2, not %1.</source>
        <translation>Y es un número entero de 0 a %2, no %1.</translation>
    </message>
    <message>
        <source>X is a whole number from 0 to %2, not %1.</source>
        <translation>X es un número entero de 0 a %2, no %1.</translation>
    </message>
    <message>
        <source>Done: %1.</source>
        <translation>Hecho: %1.</translation>
    </message>
    <message>
        <source>Put down what you hold first, then make the move.</source>
        <translation>Primero suelta lo que tienes, luego haz la jugada.</translation>
    </message>
    <message>
        <source>The scene is being emptied: make the move once it is ready.</source>
        <translation>La escena se está vaciando: haz la jugada cuando esté lista.</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>Solved: %1.</source>
        <translation>Resuelto: %1.</translation>
    </message>
    <message>
        <source>The pans are locked. %1</source>
        <translation>Los platillos están bloqueados. %1</translation>
    </message>
    <message>
        <source>Zoom %1 %, the largest for this screen.</source>
        <translation>Zoom %1 %, el mayor para esta pantalla.</translation>
    </message>
    <message>
        <source>Zoom %1 %, the smallest for this screen.</source>
        <translation>Zoom %1 %, el menor para esta pantalla.</translation>
    </message>
</context>
<context>
    <name>tarvelo::SaveLessonDialog</name>
    <message>
        <source>Save as lesson</source>
        <translation>Guardar como lección</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Instruction for the child:</source>
        <translation>&amp;Instrucción para el niño:</translation>
    </message>
    <message>
        <source>&amp;Goal the program checks:</source>
        <translation>&amp;Objetivo que el programa comprueba:</translation>
    </message>
    <message>
        <source>Characters a lesson cannot keep will be saved as spaces.</source>
        <translation>Los caracteres que una lección no puede guardar se guardarán como espacios.</translation>
    </message>
</context>
<context>
    <name>tarvelo::SceneAccessible</name>
    <message>
        <source>the two pans</source>
        <translation>los dos platillos</translation>
    </message>
    <message>
        <source>scene</source>
        <translation>escena</translation>
    </message>
</context>
<context>
    <name>tarvelo::TrailText</name>
    <message>
        <source>smiley</source>
        <translation>carita</translation>
    </message>
    <message>
        <source>take %1 from both</source>
        <translation>quitar %1 de ambos</translation>
    </message>
    <message>
        <source>add %1 to both</source>
        <translation>añadir %1 a ambos</translation>
    </message>
    <message>
        <source>add %1 to the left pan</source>
        <translation>añadir %1 al platillo izquierdo</translation>
    </message>
    <message>
        <source>add %1 to the right pan</source>
        <translation>añadir %1 al platillo derecho</translation>
    </message>
    <message>
        <source>take %1 from the left pan</source>
        <translation>quitar %1 del platillo izquierdo</translation>
    </message>
    <message>
        <source>take %1 from the right pan</source>
        <translation>quitar %1 del platillo derecho</translation>
    </message>
    <message>
        <source>remove %1</source>
        <translation>retirar %1</translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation>soltar %1</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>mover %1</translation>
    </message>
    <message>
        <source>exchange %1 → %2 + %3</source>
        <translation>cambiar %1 → %2 + %3</translation>
    </message>
    <message>
        <source>exchange %1 + %2 → %3</source>
        <translation>cambiar %1 + %2 → %3</translation>
    </message>
    <message>
        <source>share both into %1 groups, keep one</source>
        <translation>repartir ambos en %1 grupos y quedarse con uno</translation>
    </message>
    <message>
        <source>X = %1, Y = %2</source>
        <translation>X = %1, Y = %2</translation>
    </message>
    <message>
        <source>X = %1</source>
        <translation>X = %1</translation>
    </message>
    <message>
        <source>Check: %1 …</source>
        <translation>Comprobación: %1 …</translation>
    </message>
    <message>
        <source>Check: %1, it balances.</source>
        <translation>Comprobación: %1, está en equilibrio.</translation>
    </message>
    <message>
        <source>Check: %1, it does not balance.</source>
        <translation>Comprobación: %1, no está en equilibrio.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Do the same on the other pan to keep the balance.</source>
        <translation>Haz lo mismo en el otro platillo para mantener el equilibrio.</translation>
    </message>
</context>
</TS>
