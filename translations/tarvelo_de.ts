<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>HeadlessRun</name>
    <message>
        <source>Tarvelo: numbers and equations on a two-pan balance.

Without options, opens the window (and the problem file named, if any).
With --settle, lets a problem come to rest without a window and prints its equation line.</source>
        <translation>Tarvelo: Zahlen und Gleichungen auf einer Balkenwaage mit zwei Schalen.

Ohne Optionen öffnet es das Fenster (und die genannte Aufgabendatei, falls es eine gibt).
Mit --settle kommt eine Aufgabe ohne Fenster zur Ruhe, und ihre Gleichungszeile wird ausgegeben.</translation>
    </message>
    <message>
        <source>Load FILE, let the scene come to rest and print the equation line.</source>
        <translation>FILE laden, die Szene zur Ruhe kommen lassen und die Gleichungszeile ausgeben.</translation>
    </message>
    <message>
        <source>Draw X and Y as the cubes of their values.</source>
        <translation>X und Y als die Würfel ihrer Werte zeichnen.</translation>
    </message>
    <message>
        <source>Print the settled scene as one JSON object: the equation line, whether it came to rest and when, the pans and every piece with the pan it counts for.</source>
        <translation>Die ruhende Szene als ein JSON-Objekt ausgeben: die Gleichungszeile, ob und wann sie zur Ruhe kam, die Schalen und jedes Teil mit der Schale, für die es zählt.</translation>
    </message>
    <message>
        <source>tarvelo: the scene in “%1” did not come to rest within %2 seconds of scene time.</source>
        <translation>tarvelo: Die Szene in „%1“ ist in %2 Sekunden Szenenzeit nicht zur Ruhe gekommen.</translation>
    </message>
    <message>
        <source>tarvelo: the picture could not be written to “%1”.</source>
        <translation>tarvelo: Das Bild konnte nicht in „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>Also draw the window as it then looks into the PNG file OUT: in problem mode, with the buttons that “tarvelo FILE” shows.</source>
        <translation>Zeichnet außerdem das Fenster, wie es dann aussieht, in die PNG-Datei OUT: im Aufgabenmodus, mit den Schaltflächen, die „tarvelo FILE“ zeigt.</translation>
    </message>
    <message>
        <source>Print the version and the licence.</source>
        <translation>Version und Lizenz ausgeben.</translation>
    </message>
    <message>
        <source>The problem file to open in the window. A name that starts with “-” follows “--” or starts with “./”.</source>
        <translation>Die Aufgabendatei, die im Fenster geöffnet wird. Ein Name, der mit „-“ beginnt, folgt auf „--“ oder beginnt mit „./“.</translation>
    </message>
    <message>
        <source>unknown option “%1”.</source>
        <translation>unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Tarvelo %1
Licence: %2 (the GNU General Public License, version 3 or any later version).
There is no warranty.</source>
        <translation>Tarvelo %1
Lizenz: %2 (die GNU General Public License, Version 3 oder jede spätere Version).
Es gibt keine Gewährleistung.</translation>
    </message>
    <message>
        <source>--moves: “%1” has too many or too few words.</source>
        <translation>--moves: „%1“ hat zu viele oder zu wenige Wörter.</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no piece (0 to 9, X, Y or smiley).</source>
        <translation>--moves: in „%1“ ist „%2“ kein Stein (0 bis 9, X, Y oder smiley).</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no side (left or right).</source>
        <translation>--moves: in „%1“ ist „%2“ keine Seite (left oder right).</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no number that move takes.</source>
        <translation>--moves: in „%1“ ist „%2“ keine Zahl, die dieser Zug nimmt.</translation>
    </message>
    <message>
        <source>--moves: the script holds no move.</source>
        <translation>--moves: das Skript enthält keinen Zug.</translation>
    </message>
    <message>
        <source>tarvelo: --settle FILE is needed; --png, --show-solution, --json and --moves go with it. See tarvelo --help.</source>
        <translation>tarvelo: --settle FILE wird gebraucht; --png, --show-solution, --json und --moves gehören dazu. Siehe tarvelo --help.</translation>
    </message>
    <message>
        <source>tarvelo: the move “%1” was refused: %2</source>
        <translation>tarvelo: der Zug „%1“ wurde abgelehnt: %2</translation>
    </message>
    <message>
        <source>Once the scene rests, make the moves of SCRIPT one after another, each once the scene rests again; moves are separated by “;”: take K, add K, drop SIDE K, remove SIDE K, split SIDE N A B, join SIDE A B, share N, check V [W] (K: 0 to 9, X, Y or smiley; SIDE: left or right; V, W: values of X and Y to check). A refused move ends the script.</source>
        <translation>Sobald die Szene ruht, die Züge aus SCRIPT nacheinander ausführen, jeden, sobald die Szene wieder ruht; Züge werden durch „;“ getrennt: take K, add K, drop SIDE K, remove SIDE K, split SIDE N A B, join SIDE A B, share N, check V [W] (K: 0 bis 9, X, Y oder smiley; SIDE: left oder right; V, W: zu prüfende Werte von X und Y). Ein abgelehnter Zug beendet das Skript.</translation>
    </message>
    <message>
        <source>Let the challenge come to rest and print its equation line and its goal.</source>
        <translation>Die Herausforderung zur Ruhe kommen lassen und ihre Gleichungszeile und ihr Ziel ausgeben.</translation>
    </message>
    <message>
        <source>Instead of a file, make the challenge of LEVEL (1: X + b = c, 2: aX = c, 3: aX + b = c, 4: X on both sides, 5: larger numbers) from the seed of --seed, and settle it with --settle (no FILE then); --json adds its level, goal, fewest moves and a solution.</source>
        <translation>Statt einer Datei die Herausforderung der Stufe LEVEL (1: X + b = c, 2: aX = c, 3: aX + b = c, 4: X auf beiden Seiten, 5: größere Zahlen) aus dem Startwert von --seed erstellen und mit --settle zur Ruhe kommen lassen (dann ohne FILE); --json fügt ihre Stufe, ihr Ziel, die wenigsten Züge und eine Lösung hinzu.</translation>
    </message>
    <message>
        <source>The seed N of the challenge, a whole number from 0 to 18446744073709551615: the same seed makes the same challenge.</source>
        <translation>Der Startwert N der Herausforderung, eine ganze Zahl von 0 bis 18446744073709551615: derselbe Startwert ergibt dieselbe Herausforderung.</translation>
    </message>
    <message>
        <source>tarvelo: --challenge LEVEL, --seed N and --settle go together, without a FILE. See tarvelo --help.</source>
        <translation>tarvelo: --challenge LEVEL, --seed N und --settle gehören zusammen, ohne FILE. Siehe tarvelo --help.</translation>
    </message>
    <message>
        <source>--challenge: “%1” is no level (%2 to %3).</source>
        <translation>--challenge: „%1“ ist keine Stufe (%2 bis %3).</translation>
    </message>
    <message>
        <source>--seed: “%1” is no seed (a whole number from 0 to %2).</source>
        <translation>--seed: „%1“ ist kein Startwert (eine ganze Zahl von 0 bis %2).</translation>
    </message>
    <message>
        <source>challenge %1, seed %2</source>
        <translation>Herausforderung %1, Startwert %2</translation>
    </message>
    <message>
        <source>Find X: it takes %1 moves at the fewest.</source>
        <translation>Finde X: Es braucht mindestens %1 Züge.</translation>
    </message>
    <message>
        <source>Open the window and register this program with the desktop for problem files even when it runs from its build folder. An installed program registers without it; what the system provides and a default application chosen are kept either way.</source>
        <translation>Öffnet das Fenster und meldet dieses Programm beim Desktop für Aufgabendateien an, auch wenn es aus seinem Build-Ordner läuft. Ein installiertes Programm meldet sich auch ohne an; was das System bereitstellt und eine gewählte Standardanwendung bleiben in jedem Fall.</translation>
    </message>
    <message>
        <source>tarvelo: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set). The options that need no window are in tarvelo --help; to open the window all the same, start it under xvfb-run -a.</source>
        <translation>tarvelo: Es gibt keine Anzeige, auf der das Fenster geöffnet werden kann (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt). Die Optionen, die kein Fenster brauchen, stehen in tarvelo --help; um das Fenster trotzdem zu öffnen, starte es mit xvfb-run -a.</translation>
    </message>
    <message>
        <source>--moves: “%1” is no move (%2).</source>
        <translation>--moves: „%1“ ist kein Zug (%2).</translation>
    </message>
</context>
<context>
    <name>InstanceMessages</name>
    <message>
        <source>%1 is not a folder of this user&apos;s alone</source>
        <translation>%1 ist kein Ordner, der nur diesem Benutzer gehört</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>other users may enter %1</source>
        <translation>andere Benutzer dürfen %1 betreten</translation>
    </message>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>der Pfad %1 ist für einen Socket zu lang</translation>
    </message>
    <message>
        <source>tarvelo: no private folder for the socket of the running Tarvelo could be had (%1). This Tarvelo runs on its own: later starts cannot hand their files to it.</source>
        <translation>tarvelo: Für den Socket des laufenden Tarvelo gab es keinen privaten Ordner (%1). Dieses Tarvelo läuft für sich allein: Spätere Starts können ihm ihre Dateien nicht übergeben.</translation>
    </message>
    <message>
        <source>tarvelo: the lock file %1 cannot be used. This Tarvelo runs on its own: later starts cannot hand their files to it.</source>
        <translation>tarvelo: Die Sperrdatei %1 kann nicht benutzt werden. Dieses Tarvelo läuft für sich allein: Spätere Starts können ihm ihre Dateien nicht übergeben.</translation>
    </message>
    <message>
        <source>tarvelo: %1 is in the way of the socket of the running Tarvelo. Later starts cannot hand their files to this Tarvelo until it is removed.</source>
        <translation>tarvelo: %1 steht dem Socket des laufenden Tarvelo im Weg. Spätere Starts können diesem Tarvelo ihre Dateien erst übergeben, wenn es entfernt ist.</translation>
    </message>
    <message>
        <source>tarvelo: the socket %1 cannot be opened (%2). Later starts cannot hand their files to this Tarvelo.</source>
        <translation>tarvelo: Der Socket %1 kann nicht geöffnet werden (%2). Spätere Starts können diesem Tarvelo ihre Dateien nicht übergeben.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo ended before it took the file. Start Tarvelo again.</source>
        <translation>tarvelo: Das laufende Tarvelo wurde beendet, bevor es die Datei genommen hat. Starte Tarvelo noch einmal.</translation>
    </message>
    <message>
        <source>tarvelo: a Tarvelo is running but took no connection within %1 seconds; it may be stopped or very busy. The file was not handed over.</source>
        <translation>tarvelo: Ein Tarvelo läuft, hat aber innerhalb von %1 Sekunden keine Verbindung angenommen; vielleicht ist es angehalten oder sehr beschäftigt. Die Datei wurde nicht übergeben.</translation>
    </message>
    <message>
        <source>tarvelo: a Tarvelo is running, but %1 is not its socket. The file was not handed over.</source>
        <translation>tarvelo: Ein Tarvelo läuft, aber %1 ist nicht sein Socket. Die Datei wurde nicht übergeben.</translation>
    </message>
    <message>
        <source>tarvelo: the socket %1 belongs to another user. Nothing was handed over.</source>
        <translation>tarvelo: Der Socket %1 gehört einem anderen Benutzer. Es wurde nichts übergeben.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo closed the connection without answering.</source>
        <translation>tarvelo: Das laufende Tarvelo hat die Verbindung ohne Antwort geschlossen.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo did not answer within %1 seconds; it may be stopped or very busy. The file was not handed over.</source>
        <translation>tarvelo: Das laufende Tarvelo hat innerhalb von %1 Sekunden nicht geantwortet; vielleicht ist es angehalten oder sehr beschäftigt. Die Datei wurde nicht übergeben.</translation>
    </message>
    <message>
        <source>Another start of Tarvelo handed over the command line “%1”, which names no problem file. The problem shown stays as it is.</source>
        <translation>Ein weiterer Start von Tarvelo hat die Befehlszeile „%1“ übergeben, die keine Aufgabendatei nennt. Die gezeigte Aufgabe bleibt, wie sie ist.</translation>
    </message>
    <message numerus="yes">
        <source>This came %n times.</source>
        <translation>
            <numerusform>Das kam %n-mal.</numerusform>
            <numerusform>Das kam %n-mal.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n further notices came while many were waiting; they are not shown.</source>
        <translation>
            <numerusform>%n weiterer Hinweis kam, während schon viele warteten; er wird nicht gezeigt.</numerusform>
            <numerusform>%n weitere Hinweise kamen, während schon viele warteten; sie werden nicht gezeigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Other starts of Tarvelo handed over %1 more problem files while one waited to be opened. Only the last one handed over is open; the others were passed over.</source>
        <translation>Weitere Starts von Tarvelo haben %1 weitere Aufgabendateien übergeben, während eine darauf wartete, geöffnet zu werden. Nur die zuletzt übergebene ist geöffnet; die anderen wurden übergangen.</translation>
    </message>
    <message>
        <source>%1 could not be made</source>
        <translation>%1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the user database gives this user no home</source>
        <translation>die Benutzerdatenbank nennt für diesen Benutzer kein Home-Verzeichnis</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>andere Benutzer dürfen %1 ändern</translation>
    </message>
</context>
<context>
    <name>ProblemMessages</name>
    <message>
        <source>there is no space left on the disk</source>
        <translation>auf dem Datenträger ist kein Platz mehr frei</translation>
    </message>
    <message>
        <source>your share of the disk (quota) is used up</source>
        <translation>dein Anteil am Datenträger (Quota) ist aufgebraucht</translation>
    </message>
    <message>
        <source>the file would be too large for the disk</source>
        <translation>die Datei wäre zu groß für den Datenträger</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>the disk may only be read, not written</source>
        <translation>der Datenträger darf nur gelesen, nicht beschrieben werden</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>den Ordner gibt es nicht</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>ein Teil des Pfades ist kein Ordner</translation>
    </message>
    <message>
        <source>there is a folder of that name</source>
        <translation>es gibt einen Ordner mit diesem Namen</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>the disk reported a fault while writing</source>
        <translation>der Datenträger hat beim Schreiben einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>The problem file “%1” cannot be opened: it does not exist, is not a file, or may not be read.</source>
        <translation>Die Aufgabendatei „%1“ kann nicht geöffnet werden: Es gibt sie nicht, sie ist keine Datei, oder sie darf nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file “%1” is far too large to be a problem file.</source>
        <translation>Die Datei „%1“ ist viel zu groß für eine Aufgabendatei.</translation>
    </message>
    <message>
        <source>The problem file “%1” is incomplete: it ends before line %2.</source>
        <translation>Die Aufgabendatei „%1“ ist unvollständig: Sie endet vor Zeile %2.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” gives %3 as the number of pieces; it must be a whole number from 0 to %4.</source>
        <translation>Zeile %2 der Aufgabendatei „%1“ gibt %3 als Anzahl der Teile an; das muss eine ganze Zahl von 0 bis %4 sein.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” announces %3 pieces, more than the file holds.</source>
        <translation>Zeile %2 der Aufgabendatei „%1“ kündigt %3 Teile an, mehr als die Datei enthält.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” holds a number too large for its place.</source>
        <translation>Zeile %2 der Aufgabendatei „%1“ enthält eine Zahl, die für ihren Platz zu groß ist.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” names the kind of piece %3, which does not exist.</source>
        <translation>Zeile %2 der Aufgabendatei „%1“ nennt die Teilart %3, die es nicht gibt.</translation>
    </message>
    <message>
        <source>The problem file “%1” cannot be read.</source>
        <translation>Die Aufgabendatei „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The problem could not be saved as “%1”: %2.
Nothing was changed.</source>
        <translation>Die Aufgabe konnte nicht als „%1“ gespeichert werden: %2.
Es wurde nichts verändert.</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>das System hat keinen Grund genannt</translation>
    </message>
    <message>
        <source>The command line “%1” names no problem file; Tarvelo starts without one.</source>
        <translation>Die Befehlszeile „%1“ nennt keine Aufgabendatei; Tarvelo startet ohne.</translation>
    </message>
    <message>
        <source>“%1” is not a value of %2. %2 takes a whole number from 0 to 9; it keeps its value.</source>
        <translation>„%1“ ist kein Wert für %2. %2 kann nur eine ganze Zahl von 0 bis 9 sein; sein Wert bleibt, wie er ist.</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user, and Tarvelo does not write through it</source>
        <translation>es ist eine Verknüpfung, die einem anderen Benutzer gehört, und Tarvelo schreibt nicht durch sie hindurch</translation>
    </message>
    <message>
        <source>it is a link in a folder that other users can change, and Tarvelo does not write through it</source>
        <translation>es ist eine Verknüpfung in einem Ordner, den andere Benutzer ändern können, und Tarvelo schreibt nicht durch sie hindurch</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or a socket)</source>
        <translation>es ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>the file belongs to another user, who would lose it</source>
        <translation>die Datei gehört einem anderen Benutzer, der sie verlieren würde</translation>
    </message>
    <message>
        <source>The problem was saved as “%1”. That file also had other names (hard links); they still hold the old problem.</source>
        <translation>Die Aufgabe wurde als „%1“ gespeichert. Diese Datei hatte noch andere Namen (harte Verknüpfungen); sie enthalten weiterhin die alte Aufgabe.</translation>
    </message>
    <message>
        <source>The file “%1” is not a problem file: it is not plain text (it may have been saved as UTF-16).</source>
        <translation>Die Datei „%1“ ist keine Aufgabendatei: Sie ist kein reiner Text (vielleicht wurde sie als UTF-16 gespeichert).</translation>
    </message>
    <message>
        <source>Discard the scene you built?</source>
        <translation>Die gebaute Szene verwerfen?</translation>
    </message>
    <message>
        <source>A lesson is being opened, and Ctrl+Z cannot bring free play back from a lesson. Save the scene first, or discard it?</source>
        <translation>Eine Aufgabe wird geöffnet, und Strg+Z bringt das freie Spiel aus einer Aufgabe nicht zurück. Die Szene zuerst speichern oder verwerfen?</translation>
    </message>
    <message>
        <source>Tarvelo is closing, and the scene is lost unless it is saved. Save the scene first, or discard it?</source>
        <translation>Tarvelo wird geschlossen, und die Szene geht verloren, wenn sie nicht gespeichert wird. Die Szene zuerst speichern oder verwerfen?</translation>
    </message>
    <message>
        <source>Tarvelo opens one problem file (.trv) at a time: drop a single .trv file on the window to open it.</source>
        <translation>Tarvelo öffnet eine Aufgabendatei (.trv) auf einmal: Zieh eine einzige .trv-Datei auf das Fenster, um sie zu öffnen.</translation>
    </message>
</context>
<context>
    <name>tarvelo::AccessLayer</name>
    <message>
        <source>Arrows go from piece to piece; Enter picks a piece up and puts it down, Escape puts it back, Delete removes it.</source>
        <translation>Die Pfeiltasten gehen von Teil zu Teil; Enter hebt ein Teil auf und setzt es ab, Esc legt es zurück, Entf nimmt es weg.</translation>
    </message>
    <message>
        <source>%1 picked up, %2.</source>
        <translation>%1 aufgenommen, %2.</translation>
    </message>
    <message>
        <source>%1 dropped.</source>
        <translation>%1 fallen gelassen.</translation>
    </message>
    <message>
        <source>%1 taken back.</source>
        <translation>%1 zurückgenommen.</translation>
    </message>
    <message>
        <source>No pieces yet: add some from the palette.</source>
        <translation>Noch keine Teile: Hol dir welche aus der Leiste oben.</translation>
    </message>
    <message>
        <source>%1 put back.</source>
        <translation>%1 zurückgelegt.</translation>
    </message>
    <message>
        <source>%1 put down.</source>
        <translation>%1 abgesetzt.</translation>
    </message>
    <message>
        <source>over the left pan</source>
        <translation>über der linken Schale</translation>
    </message>
    <message>
        <source>over the right pan</source>
        <translation>über der rechten Schale</translation>
    </message>
    <message>
        <source>over no pan</source>
        <translation>über keiner Schale</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Wait a moment: the new scene is being made.</source>
        <translation>Einen Moment: Die neue Szene wird vorbereitet.</translation>
    </message>
    <message>
        <source>Pieces to add. Left and Right choose one; Enter picks up a copy, Page Up and Page Down take it over a pan, Enter drops it, Escape takes it back.</source>
        <translation>Teile zum Hinzufügen. Links und Rechts wählen eines; Eingabe nimmt eine Kopie auf, Bild auf und Bild ab bringen sie über eine Schale, Eingabe lässt sie fallen, Escape legt sie zurück.</translation>
    </message>
    <message>
        <source>F2 sets its value.</source>
        <translation>F2 legt seinen Wert fest.</translation>
    </message>
    <message>
        <source>In a lesson, X stays hidden: find it with the balance.</source>
        <translation>In einer Aufgabe bleibt X verborgen: finde es mit der Waage.</translation>
    </message>
    <message>
        <source>In a lesson, Y stays hidden: find it with the balance.</source>
        <translation>In einer Aufgabe bleibt Y verborgen: finde es mit der Waage.</translation>
    </message>
    <message>
        <source>%1 removed. Now on %2.</source>
        <translation>%1 entfernt. Jetzt auf %2.</translation>
    </message>
    <message>
        <source>%1 removed. No pieces left.</source>
        <translation>%1 entfernt. Keine Teile mehr da.</translation>
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
        <translation>größere Zahlen: tauschen und teilen</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Stufe %1: %2</translation>
    </message>
    <message>
        <source>Challenge: level %1</source>
        <translation>Herausforderung: Stufe %1</translation>
    </message>
    <message>
        <source>Find X. Fewest moves: %1.</source>
        <translation>Finde X. Wenigste Züge: %1.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Challenge: level %1, number %2</source>
        <translation>Herausforderung: Stufe %1, Nummer %2</translation>
    </message>
    <message>
        <source>Well done! %1. Two stars: solved in the fewest moves.</source>
        <translation>Gut gemacht! %1. Zwei Sterne: mit den wenigsten Zügen gelöst.</translation>
    </message>
    <message>
        <source>Well done! %1. One star; %2 moves made, fewest %3.</source>
        <translation>Gut gemacht! %1. Ein Stern; %2 Züge gemacht, wenigstens %3.</translation>
    </message>
    <message>
        <source>Stars: %1, solved: %2.</source>
        <translation>Sterne: %1, gelöst: %2.</translation>
    </message>
    <message>
        <source>Start level %1</source>
        <translation>Stufe %1 beginnen</translation>
    </message>
    <message>
        <source>Next challenge</source>
        <translation>Nächste Herausforderung</translation>
    </message>
    <message>
        <source>Level %1 won: %2 challenges solved! Try level %3.</source>
        <translation>Stufe %1 geschafft: %2 Herausforderungen gelöst! Versuch jetzt Stufe %3.</translation>
    </message>
    <message>
        <source>Level %1 won: %2 challenges solved! That is the hardest level.</source>
        <translation>Stufe %1 geschafft: %2 Herausforderungen gelöst! Das ist die schwerste Stufe.</translation>
    </message>
    <message>
        <source>Well done! %1. One star: the solution was shown.</source>
        <translation>Gut gemacht! %1. Ein Stern: die Lösung wurde gezeigt.</translation>
    </message>
</context>
<context>
    <name>tarvelo::ChallengesWindow</name>
    <message>
        <source>Challenges</source>
        <translation>Herausforderungen</translation>
    </message>
    <message>
        <source>Choose a level. A challenge solved wins a star, and one more when solved in the fewest moves.</source>
        <translation>Wähle eine Stufe. Eine gelöste Herausforderung bringt einen Stern, und noch einen, wenn sie mit den wenigsten Zügen gelöst ist.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginnen</translation>
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
        <translation>%1 ist gleich %2</translation>
    </message>
    <message>
        <source>%1 is less than %2</source>
        <translation>%1 ist kleiner als %2</translation>
    </message>
    <message>
        <source>%1 is more than %2</source>
        <translation>%1 ist größer als %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
</context>
<context>
    <name>tarvelo::FileDialogs</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Tarvelo problem</source>
        <translation>Tarvelo-Aufgabe</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1-Datei</translation>
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
        <translation>L e r n w e r k z e u g e</translation>
    </message>
    <message>
        <source>Programming:</source>
        <translation>Programmierung:</translation>
    </message>
    <message>
        <source>The Tarvelo team</source>
        <translation>Das Tarvelo-Team</translation>
    </message>
    <message>
        <source>From an idea of:</source>
        <translation>Nach einer Idee von:</translation>
    </message>
    <message>
        <source>Ver. 0.5 - 25 Dec 2007</source>
        <translation>Ver. 0.5 - 25. Dez. 2007</translation>
    </message>
    <message>
        <source>Close me</source>
        <translation>Schließ mich</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Left, Right, Home, End</source>
        <translation>Links, Rechts, Pos1, Ende</translation>
    </message>
    <message>
        <source>choose a piece in the palette</source>
        <translation>ein Teil in der Leiste wählen</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter, Leertaste</translation>
    </message>
    <message>
        <source>pick up a piece; drop it or put it down</source>
        <translation>ein Teil aufnehmen; fallen lassen oder absetzen</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>move what you carry (with Shift: a little); in the scene, go from piece to piece</source>
        <translation>bewegt, was du trägst (mit Umschalt: ein wenig); in der Szene von Teil zu Teil</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Bild auf, Bild ab</translation>
    </message>
    <message>
        <source>over the left pan, over the right pan</source>
        <translation>über die linke Schale, über die rechte Schale</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>put back what you carry</source>
        <translation>zurücklegen, was du trägst</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>remove the piece in the scene</source>
        <translation>das Teil aus der Szene nehmen</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>the value of X or Y</source>
        <translation>der Wert von X oder Y</translation>
    </message>
    <message>
        <source>Ctrl+N, Ctrl+O, Ctrl+S</source>
        <translation>Strg+N, Strg+O, Strg+S</translation>
    </message>
    <message>
        <source>New, Load, Save</source>
        <translation>Neu, Laden, Speichern</translation>
    </message>
    <message>
        <source>Ctrl+R, Ctrl+L</source>
        <translation>Strg+R, Strg+L</translation>
    </message>
    <message>
        <source>Restart, Show solution</source>
        <translation>Von vorn, Lösung zeigen</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <source>undo what you did last</source>
        <translation>das Letzte rückgängig machen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Strg+Umschalt+Z, Strg+Y</translation>
    </message>
    <message>
        <source>redo it</source>
        <translation>wiederholen</translation>
    </message>
    <message>
        <source>Educational tools</source>
        <translation>Lernwerkzeuge</translation>
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
        <translation>Leiste, Szene, Gleichung, Knöpfe, diese Informationen</translation>
    </message>
    <message>
        <source>Ctrl++, Ctrl+-, Ctrl+0</source>
        <translation>Strg++, Strg+-, Strg+0</translation>
    </message>
    <message>
        <source>make the window larger, smaller, its own size</source>
        <translation>das Fenster größer, kleiner, in seiner eigenen Größe</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen, as large as the screen allows; again: back</source>
        <translation>Vollbild, so groß wie der Bildschirm erlaubt; noch einmal: zurück</translation>
    </message>
    <message>
        <source>moves, challenges, lessons</source>
        <translation>Züge, Herausforderungen, Lektionen</translation>
    </message>
    <message>
        <source>Ctrl+M, Ctrl+G, Ctrl+Shift+L</source>
        <translation>Strg+M, Strg+G, Strg+Umschalt+L</translation>
    </message>
    <message>
        <source>Ctrl+B, Ctrl+E</source>
        <translation>Strg+B, Strg+E</translation>
    </message>
    <message>
        <source>Ctrl+Shift+B, Ctrl+Shift+M</source>
        <translation>Strg+Umschalt+B, Strg+Umschalt+M</translation>
    </message>
    <message>
        <source>balance again; equation aloud</source>
        <translation>Waage noch einmal; Gleichung laut</translation>
    </message>
    <message>
        <source>each pan&apos;s load; sound on, off</source>
        <translation>Last jeder Schale; Ton an, aus</translation>
    </message>
    <message>
        <source>F1; Ctrl+Q, Ctrl+W</source>
        <translation>F1; Strg+Q, Strg+W</translation>
    </message>
    <message>
        <source>this information; close Tarvelo</source>
        <translation>diese Informationen; Tarvelo schließen</translation>
    </message>
</context>
<context>
    <name>tarvelo::FrmMain</name>
    <message>
        <source>Show solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Hide solution</source>
        <translation>Lösung verbergen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Von vorn</translation>
    </message>
    <message>
        <source>X value<byte value="xd"/>
(change or leave unchanged):</source>
        <translation>Wert von X<byte value="xd"/>
(ändern oder so lassen):</translation>
    </message>
    <message>
        <source>Y value<byte value="xd"/>
(change or leave unchanged):</source>
        <translation>Wert von Y<byte value="xd"/>
(ändern oder so lassen):</translation>
    </message>
    <message>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <source>Program info</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Drag inside...</source>
        <translation>Hierher ziehen...</translation>
    </message>
    <message>
        <source>Left-click and drag : move the objects</source>
        <translation>Linksklick und ziehen: Teile verschieben</translation>
    </message>
    <message>
        <source>Drag down for removing...</source>
        <translation>Zum Entfernen nach unten ziehen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Tarvelo problem</source>
        <translation>Tarvelo-Aufgabe</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>MyFileName</source>
        <translation>MeineDatei</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Click: moves on both pans (Ctrl+M)</source>
        <translation>Klick: Züge auf beiden Schalen (Strg+M)</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Ton an.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Ton aus.</translation>
    </message>
    <message>
        <source>No voice can read aloud: the speech service does not answer.</source>
        <translation>Keine Stimme kann laut vorlesen: Der Sprachdienst antwortet nicht.</translation>
    </message>
</context>
<context>
    <name>tarvelo::LessonTexts</name>
    <message>
        <source>Make both pans balance</source>
        <translation>Beide Schalen ins Gleichgewicht bringen</translation>
    </message>
    <message>
        <source>Find X</source>
        <translation>Finde X</translation>
    </message>
    <message>
        <source>Find Y</source>
        <translation>Finde Y</translation>
    </message>
    <message>
        <source>Find X and Y</source>
        <translation>Finde X und Y</translation>
    </message>
    <message>
        <source>Make the left pan heavier</source>
        <translation>Die linke Schale schwerer machen</translation>
    </message>
    <message>
        <source>Make the right pan heavier</source>
        <translation>Die rechte Schale schwerer machen</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The tag of the language of this translation, as a lesson file writes it: it, de, fr or es.</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>Lesson: %1. %2</source>
        <translation>Lektion: %1. %2</translation>
    </message>
    <message>
        <source>Well done! The lesson is done.</source>
        <translation>Gut gemacht! Die Lektion ist geschafft.</translation>
    </message>
    <message>
        <source>Next lesson</source>
        <translation>Nächste Lektion</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2, done: one star</source>
        <translation>%1. %2, geschafft: ein Stern</translation>
    </message>
    <message>
        <source>These lesson files could not be read: %1</source>
        <translation>Diese Lektionsdateien können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Your lessons already hold a lesson called “%1”. Replace it?</source>
        <translation>Deine Lektionen enthalten schon eine Lektion namens „%1“. Ersetzen?</translation>
    </message>
    <message>
        <source>The lesson could not be saved as “%1”: %2.</source>
        <translation>Die Lektion konnte nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>ihr Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Lesson saved: %1.</source>
        <translation>Lektion gespeichert: %1.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarvelo::LessonsWindow</name>
    <message>
        <source>Lessons</source>
        <translation>Lektionen</translation>
    </message>
    <message>
        <source>Choose a lesson and open it. A lesson done wins a star.</source>
        <translation>Wähle eine Lektion und öffne sie. Eine geschaffte Lektion bringt einen Stern.</translation>
    </message>
    <message>
        <source>Lessons of the program</source>
        <translation>Lektionen des Programms</translation>
    </message>
    <message>
        <source>My lessons</source>
        <translation>Meine Lektionen</translation>
    </message>
    <message>
        <source>My lessons are kept in %1. To share a lesson, copy its .trv and .lesson files into this folder on the other computer.</source>
        <translation>Meine Lektionen liegen in %1. Um eine Lektion weiterzugeben, kopiere ihre .trv- und .lesson-Datei in diesen Ordner auf dem anderen Computer.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save this scene as a lesson…</source>
        <translation>Diese Szene als Lektion speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tarvelo::MovesPanel</name>
    <message>
        <source>Same on both pans</source>
        <translation>Gleich auf beiden Schalen</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>Stück</translation>
    </message>
    <message>
        <source>Take from both pans</source>
        <translation>Von beiden Schalen nehmen</translation>
    </message>
    <message>
        <source>Add to both pans</source>
        <translation>Auf beide Schalen legen</translation>
    </message>
    <message>
        <source>Exchange cubes on one pan</source>
        <translation>Würfel auf einer Schale tauschen</translation>
    </message>
    <message>
        <source>left pan</source>
        <translation>linke Schale</translation>
    </message>
    <message>
        <source>right pan</source>
        <translation>rechte Schale</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Schale</translation>
    </message>
    <message>
        <source>N, the cube to split</source>
        <translation>N, der zu teilende Würfel</translation>
    </message>
    <message>
        <source>A, the first cube</source>
        <translation>A, der erste Würfel</translation>
    </message>
    <message>
        <source>B, the second cube</source>
        <translation>B, der zweite Würfel</translation>
    </message>
    <message>
        <source>Split N into A + B</source>
        <translation>N in A + B teilen</translation>
    </message>
    <message>
        <source>Join A + B</source>
        <translation>A + B zusammenlegen</translation>
    </message>
    <message>
        <source>Share both pans</source>
        <translation>Beide Schalen aufteilen</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Share into equal groups</source>
        <translation>In gleiche Gruppen aufteilen</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Letzter Zug</translation>
    </message>
    <message>
        <source>No move made yet.</source>
        <translation>Noch kein Zug.</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Check an answer</source>
        <translation>Eine Antwort prüfen</translation>
    </message>
    <message>
        <source>Lock both pans</source>
        <translation>Beide Schalen sperren</translation>
    </message>
    <message>
        <source>Value of X</source>
        <translation>Wert von X</translation>
    </message>
    <message>
        <source>Value of Y</source>
        <translation>Wert von Y</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Trail of equations</source>
        <translation>Verlauf der Gleichungen</translation>
    </message>
    <message>
        <source>Copy trail</source>
        <translation>Verlauf kopieren</translation>
    </message>
    <message>
        <source>Print trail…</source>
        <translation>Verlauf drucken…</translation>
    </message>
    <message>
        <source>Close the panel</source>
        <translation>Leiste schließen</translation>
    </message>
    <message>
        <source>not shown yet</source>
        <translation>noch nicht zu sehen</translation>
    </message>
    <message>
        <source>Challenges…</source>
        <translation>Herausforderungen…</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Lektionen…</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Read each balance aloud</source>
        <translation>Jede Waage laut vorlesen</translation>
    </message>
    <message>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <source>The trail of equations could not be printed.</source>
        <translation>Der Verlauf der Gleichungen konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The trail of equations could not be printed to “%1”: the file could not be written whole (is the disk full?).</source>
        <translation>Der Verlauf der Gleichungen konnte nicht nach „%1“ gedruckt werden: Die Datei konnte nicht vollständig geschrieben werden (ist der Datenträger voll?).</translation>
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
        <translation>Würfel %1</translation>
    </message>
    <message>
        <source>%1 cubes %2</source>
        <translation>%1 Würfel %2</translation>
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
        <translation>ein Smiley</translation>
    </message>
    <message>
        <source>%1 smileys</source>
        <translation>%1 Smileys</translation>
    </message>
    <message>
        <source>unknown X</source>
        <translation>Unbekannte X</translation>
    </message>
    <message>
        <source>unknown Y</source>
        <translation>Unbekannte Y</translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>Smiley</translation>
    </message>
    <message>
        <source>pan</source>
        <translation>Schale</translation>
    </message>
    <message>
        <source>piece</source>
        <translation>Teil</translation>
    </message>
    <message>
        <source>%1, on no pan</source>
        <translation>%1, auf keiner Schale</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>left pan: %1; total %2</source>
        <translation>linke Schale: %1; zusammen %2</translation>
    </message>
    <message>
        <source>right pan: %1; total %2</source>
        <translation>rechte Schale: %1; zusammen %2</translation>
    </message>
    <message>
        <source>left side heavier</source>
        <translation>linke Seite schwerer</translation>
    </message>
    <message>
        <source>right side heavier</source>
        <translation>rechte Seite schwerer</translation>
    </message>
    <message>
        <source>both sides equal</source>
        <translation>beide Seiten gleich</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, which is %2</source>
        <translation>%1, das ist %2</translation>
    </message>
    <message>
        <source>%1, on the left pan</source>
        <translation>%1, auf der linken Schale</translation>
    </message>
    <message>
        <source>%1, on the right pan</source>
        <translation>%1, auf der rechten Schale</translation>
    </message>
    <message>
        <source>%1, on %2 on the left pan</source>
        <translation>%1, auf %2 auf der linken Schale</translation>
    </message>
    <message>
        <source>%1, on %2 on the right pan</source>
        <translation>%1, auf %2 auf der rechten Schale</translation>
    </message>
    <message>
        <source>Solution shown: X is %1, Y is %2.</source>
        <translation>Lösung gezeigt: X ist %1, Y ist %2.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Lösung verborgen.</translation>
    </message>
    <message>
        <source>New scene: the pans are empty. Ctrl+Z brings back the last one.</source>
        <translation>Neue Szene: die Schalen sind leer. Strg+Z holt die letzte zurück.</translation>
    </message>
    <message>
        <source>Started again: %1. Ctrl+Z brings back the last scene.</source>
        <translation>Von vorn: %1. Strg+Z holt die letzte Szene zurück.</translation>
    </message>
    <message>
        <source>Opened %1. Ctrl+Z brings back the last scene.</source>
        <translation>%1 geöffnet. Strg+Z holt die letzte Szene zurück.</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>%1 geöffnet.</translation>
    </message>
    <message>
        <source>Full screen, zoom %1 %.</source>
        <translation>Vollbild, Zoom %1 %.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Zoom %1 %.</translation>
    </message>
    <message>
        <source>dropped %1</source>
        <translation>%1 abgelegt</translation>
    </message>
    <message>
        <source>moved %1</source>
        <translation>%1 verschoben</translation>
    </message>
    <message>
        <source>removed %1</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>the value of %1 set</source>
        <translation>Wert von %1 gesetzt</translation>
    </message>
    <message>
        <source>solution shown</source>
        <translation>Lösung gezeigt</translation>
    </message>
    <message>
        <source>solution hidden</source>
        <translation>Lösung verborgen</translation>
    </message>
    <message>
        <source>scene replaced</source>
        <translation>Szene ersetzt</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Wiederholt: %1.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>%1 taken from both pans</source>
        <translation>%1 von beiden Schalen genommen</translation>
    </message>
    <message>
        <source>%1 added to both pans</source>
        <translation>%1 auf beide Schalen gelegt</translation>
    </message>
    <message>
        <source>%1 dropped on a pan</source>
        <translation>%1 auf eine Schale gelegt</translation>
    </message>
    <message>
        <source>%1 taken from a pan</source>
        <translation>%1 von einer Schale genommen</translation>
    </message>
    <message>
        <source>%1 split in two</source>
        <translation>%1 in zwei geteilt</translation>
    </message>
    <message>
        <source>two cubes joined into %1</source>
        <translation>zwei Würfel zu %1 vereint</translation>
    </message>
    <message>
        <source>both pans shared into groups</source>
        <translation>beide Schalen in Gruppen geteilt</translation>
    </message>
    <message>
        <source>There is no cube %1.</source>
        <translation>Es gibt keinen Würfel %1.</translation>
    </message>
    <message>
        <source>The left pan holds no %1.</source>
        <translation>Auf der linken Schale fehlt: %1.</translation>
    </message>
    <message>
        <source>The right pan holds no %1.</source>
        <translation>Auf der rechten Schale fehlt: %1.</translation>
    </message>
    <message>
        <source>The two cubes would make %1, not %2.</source>
        <translation>Die beiden Würfel ergäben %1, nicht %2.</translation>
    </message>
    <message>
        <source>The two cubes would make %1, and no cube bears more than 9.</source>
        <translation>Die beiden Würfel ergäben %1, und kein Würfel trägt mehr als 9.</translation>
    </message>
    <message>
        <source>Sharing takes 2 groups or more, not %1.</source>
        <translation>Zum Teilen braucht es 2 Gruppen oder mehr, nicht %1.</translation>
    </message>
    <message>
        <source>On the left pan, %1 cannot be shared into %2 equal groups.</source>
        <translation>Auf der linken Schale lassen sich %1 nicht in %2 gleiche Gruppen teilen.</translation>
    </message>
    <message>
        <source>On the right pan, %1 cannot be shared into %2 equal groups.</source>
        <translation>Auf der rechten Schale lassen sich %1 nicht in %2 gleiche Gruppen teilen.</translation>
    </message>
    <message>
        <source>On the left pan, the numbers worth %1 cannot be shared into %2 equal groups.</source>
        <translation>Auf der linken Schale lassen sich die Zahlen im Wert von %1 nicht in %2 gleiche Gruppen teilen.</translation>
    </message>
    <message>
        <source>On the right pan, the numbers worth %1 cannot be shared into %2 equal groups.</source>
        <translation>Auf der rechten Schale lassen sich die Zahlen im Wert von %1 nicht in %2 gleiche Gruppen teilen.</translation>
    </message>
    <message>
        <source>On the left pan, no cubes make up %1 as they are: exchange first.</source>
        <translation>Auf der linken Schale ergeben keine Würfel, so wie sie sind, %1: zuerst tauschen.</translation>
    </message>
    <message>
        <source>On the right pan, no cubes make up %1 as they are: exchange first.</source>
        <translation>Auf der rechten Schale ergeben keine Würfel, so wie sie sind, %1: zuerst tauschen.</translation>
    </message>
    <message>
        <source>%1 cannot go on a pan.</source>
        <translation>%1 kann nicht auf eine Schale.</translation>
    </message>
    <message>
        <source>There is no room above the left pan for another %1.</source>
        <translation>Über der linken Schale ist kein Platz für noch einen %1.</translation>
    </message>
    <message>
        <source>There is no room above the right pan for another %1.</source>
        <translation>Über der rechten Schale ist kein Platz für noch einen %1.</translation>
    </message>
    <message>
        <source>There is no pan %1.</source>
        <translation>Es gibt keine Schale %1.</translation>
    </message>
    <message>
        <source>an answer checked</source>
        <translation>eine Antwort geprüft</translation>
    </message>
    <message>
        <source>Y is a whole number from 0 to %2, not %1.</source>
        <translation>Y ist eine ganze Zahl von 0 bis %2, nicht %1.</translation>
    </message>
    <message>
        <source>X is a whole number from 0 to %2, not %1.</source>
        <translation>X ist eine ganze Zahl von 0 bis %2, nicht %1.</translation>
    </message>
    <message>
        <source>Done: %1.</source>
        <translation>Erledigt: %1.</translation>
    </message>
    <message>
        <source>Put down what you hold first, then make the move.</source>
        <translation>Leg erst ab, was du hältst, dann mach den Zug.</translation>
    </message>
    <message>
        <source>The scene is being emptied: make the move once it is ready.</source>
        <translation>Die Szene wird gerade geleert: mach den Zug, sobald sie bereit ist.</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>Solved: %1.</source>
        <translation>Gelöst: %1.</translation>
    </message>
    <message>
        <source>The pans are locked. %1</source>
        <translation>Die Schalen sind gesperrt. %1</translation>
    </message>
    <message>
        <source>Zoom %1 %, the largest for this screen.</source>
        <translation>Zoom %1 %, der größte für diesen Bildschirm.</translation>
    </message>
    <message>
        <source>Zoom %1 %, the smallest for this screen.</source>
        <translation>Zoom %1 %, der kleinste für diesen Bildschirm.</translation>
    </message>
</context>
<context>
    <name>tarvelo::SaveLessonDialog</name>
    <message>
        <source>Save as lesson</source>
        <translation>Als Lektion speichern</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Instruction for the child:</source>
        <translation>&amp;Anleitung für das Kind:</translation>
    </message>
    <message>
        <source>&amp;Goal the program checks:</source>
        <translation>&amp;Ziel, das das Programm prüft:</translation>
    </message>
    <message>
        <source>Characters a lesson cannot keep will be saved as spaces.</source>
        <translation>Zeichen, die eine Lektion nicht behalten kann, werden als Leerzeichen gespeichert.</translation>
    </message>
</context>
<context>
    <name>tarvelo::SceneAccessible</name>
    <message>
        <source>the two pans</source>
        <translation>die beiden Schalen</translation>
    </message>
    <message>
        <source>scene</source>
        <translation>Szene</translation>
    </message>
</context>
<context>
    <name>tarvelo::TrailText</name>
    <message>
        <source>smiley</source>
        <translation>Smiley</translation>
    </message>
    <message>
        <source>take %1 from both</source>
        <translation>%1 von beiden nehmen</translation>
    </message>
    <message>
        <source>add %1 to both</source>
        <translation>%1 zu beiden legen</translation>
    </message>
    <message>
        <source>add %1 to the left pan</source>
        <translation>%1 auf die linke Schale legen</translation>
    </message>
    <message>
        <source>add %1 to the right pan</source>
        <translation>%1 auf die rechte Schale legen</translation>
    </message>
    <message>
        <source>take %1 from the left pan</source>
        <translation>%1 von der linken Schale nehmen</translation>
    </message>
    <message>
        <source>take %1 from the right pan</source>
        <translation>%1 von der rechten Schale nehmen</translation>
    </message>
    <message>
        <source>remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation>%1 fallen lassen</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>exchange %1 → %2 + %3</source>
        <translation>%1 tauschen → %2 + %3</translation>
    </message>
    <message>
        <source>exchange %1 + %2 → %3</source>
        <translation>%1 + %2 tauschen → %3</translation>
    </message>
    <message>
        <source>share both into %1 groups, keep one</source>
        <translation>beide in %1 Gruppen teilen, eine behalten</translation>
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
        <translation>Probe: %1 …</translation>
    </message>
    <message>
        <source>Check: %1, it balances.</source>
        <translation>Probe: %1, die Waage ist im Gleichgewicht.</translation>
    </message>
    <message>
        <source>Check: %1, it does not balance.</source>
        <translation>Probe: %1, die Waage ist nicht im Gleichgewicht.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Do the same on the other pan to keep the balance.</source>
        <translation>Mach dasselbe auf der anderen Schale, damit die Waage im Gleichgewicht bleibt.</translation>
    </message>
</context>
</TS>
