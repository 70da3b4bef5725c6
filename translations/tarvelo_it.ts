<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>HeadlessRun</name>
    <message>
        <source>Tarvelo: numbers and equations on a two-pan balance.

Without options, opens the window (and the problem file named, if any).
With --settle, lets a problem come to rest without a window and prints its equation line.</source>
        <translation>Tarvelo: numeri ed equazioni su una bilancia a due piatti.

Senza opzioni apre la finestra (e il file del problema indicato, se c&apos;è).
Con --settle lascia fermare un problema senza finestra e ne stampa la riga dell&apos;equazione.</translation>
    </message>
    <message>
        <source>Load FILE, let the scene come to rest and print the equation line.</source>
        <translation>Carica FILE, aspetta che la scena si fermi e stampa la riga dell&apos;equazione.</translation>
    </message>
    <message>
        <source>Draw X and Y as the cubes of their values.</source>
        <translation>Disegna X e Y come i cubi dei loro valori.</translation>
    </message>
    <message>
        <source>Print the settled scene as one JSON object: the equation line, whether it came to rest and when, the pans and every piece with the pan it counts for.</source>
        <translation>Stampa la scena ferma come un unico oggetto JSON: la riga dell&apos;equazione, se e quando si è fermata, i piatti e ogni pezzo con il piatto per cui conta.</translation>
    </message>
    <message>
        <source>tarvelo: the scene in “%1” did not come to rest within %2 seconds of scene time.</source>
        <translation>tarvelo: la scena in “%1” non si è fermata entro %2 secondi di tempo della scena.</translation>
    </message>
    <message>
        <source>tarvelo: the picture could not be written to “%1”.</source>
        <translation>tarvelo: non è stato possibile scrivere l&apos;immagine in “%1”.</translation>
    </message>
    <message>
        <source>Also draw the window as it then looks into the PNG file OUT: in problem mode, with the buttons that “tarvelo FILE” shows.</source>
        <translation>Disegna anche la finestra, come appare a quel punto, nel file PNG OUT: in modalità problema, con i pulsanti che mostra “tarvelo FILE”.</translation>
    </message>
    <message>
        <source>Print the version and the licence.</source>
        <translation>Stampa la versione e la licenza.</translation>
    </message>
    <message>
        <source>The problem file to open in the window. A name that starts with “-” follows “--” or starts with “./”.</source>
        <translation>Il file del problema da aprire nella finestra. Un nome che inizia con “-” segue “--” o inizia con “./”.</translation>
    </message>
    <message>
        <source>unknown option “%1”.</source>
        <translation>opzione sconosciuta “%1”.</translation>
    </message>
    <message>
        <source>Tarvelo %1
Licence: %2 (the GNU General Public License, version 3 or any later version).
There is no warranty.</source>
        <translation>Tarvelo %1
Licenza: %2 (la GNU General Public License, versione 3 o qualsiasi versione successiva).
Non c&apos;è alcuna garanzia.</translation>
    </message>
    <message>
        <source>--moves: “%1” has too many or too few words.</source>
        <translation>--moves: “%1” ha troppe o troppo poche parole.</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no piece (0 to 9, X, Y or smiley).</source>
        <translation>--moves: in “%1”, “%2” non è un pezzo (da 0 a 9, X, Y o smiley).</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no side (left or right).</source>
        <translation>--moves: in “%1”, “%2” non è un lato (left o right).</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no number that move takes.</source>
        <translation>--moves: in “%1”, “%2” non è un numero che quella mossa accetta.</translation>
    </message>
    <message>
        <source>--moves: the script holds no move.</source>
        <translation>--moves: lo script non contiene nessuna mossa.</translation>
    </message>
    <message>
        <source>tarvelo: --settle FILE is needed; --png, --show-solution, --json and --moves go with it. See tarvelo --help.</source>
        <translation>tarvelo: serve --settle FILE; --png, --show-solution, --json e --moves si usano insieme a esso. Vedi tarvelo --help.</translation>
    </message>
    <message>
        <source>tarvelo: the move “%1” was refused: %2</source>
        <translation>tarvelo: la mossa “%1” è stata rifiutata: %2</translation>
    </message>
    <message>
        <source>Once the scene rests, make the moves of SCRIPT one after another, each once the scene rests again; moves are separated by “;”: take K, add K, drop SIDE K, remove SIDE K, split SIDE N A B, join SIDE A B, share N, check V [W] (K: 0 to 9, X, Y or smiley; SIDE: left or right; V, W: values of X and Y to check). A refused move ends the script.</source>
        <translation>Quando la scena è ferma, fa le mosse di SCRIPT una dopo l&apos;altra, ciascuna quando la scena è di nuovo ferma; le mosse sono separate da “;”: take K, add K, drop SIDE K, remove SIDE K, split SIDE N A B, join SIDE A B, share N, check V [W] (K: da 0 a 9, X, Y o smiley; SIDE: left o right; V, W: valori di X e Y da verificare). Una mossa rifiutata termina lo script.</translation>
    </message>
    <message>
        <source>Let the challenge come to rest and print its equation line and its goal.</source>
        <translation>Lascia che la sfida si fermi e stampa la sua riga dell&apos;equazione e il suo obiettivo.</translation>
    </message>
    <message>
        <source>Instead of a file, make the challenge of LEVEL (1: X + b = c, 2: aX = c, 3: aX + b = c, 4: X on both sides, 5: larger numbers) from the seed of --seed, and settle it with --settle (no FILE then); --json adds its level, goal, fewest moves and a solution.</source>
        <translation>Invece di un file, crea la sfida del livello LEVEL (1: X + b = c, 2: aX = c, 3: aX + b = c, 4: X da entrambi i lati, 5: numeri più grandi) dal seme di --seed, e falla fermare con --settle (allora senza FILE); --json aggiunge il suo livello, l&apos;obiettivo, il minimo di mosse e una soluzione.</translation>
    </message>
    <message>
        <source>The seed N of the challenge, a whole number from 0 to 18446744073709551615: the same seed makes the same challenge.</source>
        <translation>Il seme N della sfida, un numero intero da 0 a 18446744073709551615: lo stesso seme crea la stessa sfida.</translation>
    </message>
    <message>
        <source>tarvelo: --challenge LEVEL, --seed N and --settle go together, without a FILE. See tarvelo --help.</source>
        <translation>tarvelo: --challenge LEVEL, --seed N e --settle vanno insieme, senza FILE. Vedi tarvelo --help.</translation>
    </message>
    <message>
        <source>--challenge: “%1” is no level (%2 to %3).</source>
        <translation>--challenge: “%1” non è un livello (da %2 a %3).</translation>
    </message>
    <message>
        <source>--seed: “%1” is no seed (a whole number from 0 to %2).</source>
        <translation>--seed: “%1” non è un seme (un numero intero da 0 a %2).</translation>
    </message>
    <message>
        <source>challenge %1, seed %2</source>
        <translation>sfida %1, seme %2</translation>
    </message>
    <message>
        <source>Find X: it takes %1 moves at the fewest.</source>
        <translation>Trova X: servono almeno %1 mosse.</translation>
    </message>
    <message>
        <source>Open the window and register this program with the desktop for problem files even when it runs from its build folder. An installed program registers without it; what the system provides and a default application chosen are kept either way.</source>
        <translation>Apre la finestra e registra questo programma presso il desktop per i file dei problemi anche quando viene eseguito dalla sua cartella di compilazione. Un programma installato si registra anche senza; ciò che il sistema fornisce e un&apos;applicazione predefinita scelta restano comunque.</translation>
    </message>
    <message>
        <source>tarvelo: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set). The options that need no window are in tarvelo --help; to open the window all the same, start it under xvfb-run -a.</source>
        <translation>tarvelo: non c&apos;è alcun display su cui aprire la finestra (DISPLAY e WAYLAND_DISPLAY non sono impostate). Le opzioni che non hanno bisogno di una finestra sono in tarvelo --help; per aprire comunque la finestra, avvialo con xvfb-run -a.</translation>
    </message>
    <message>
        <source>--moves: “%1” is no move (%2).</source>
        <translation>--moves: “%1” non è una mossa (%2).</translation>
    </message>
</context>
<context>
    <name>InstanceMessages</name>
    <message>
        <source>%1 is not a folder of this user&apos;s alone</source>
        <translation>%1 non è una cartella riservata a questo utente</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>other users may enter %1</source>
        <translation>altri utenti possono entrare in %1</translation>
    </message>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>il percorso %1 è troppo lungo per un socket</translation>
    </message>
    <message>
        <source>tarvelo: no private folder for the socket of the running Tarvelo could be had (%1). This Tarvelo runs on its own: later starts cannot hand their files to it.</source>
        <translation>tarvelo: non si è trovata una cartella privata per il socket del Tarvelo in esecuzione (%1). Questo Tarvelo funziona da solo: gli avvii successivi non possono passargli i loro file.</translation>
    </message>
    <message>
        <source>tarvelo: the lock file %1 cannot be used. This Tarvelo runs on its own: later starts cannot hand their files to it.</source>
        <translation>tarvelo: il file di blocco %1 non si può usare. Questo Tarvelo funziona da solo: gli avvii successivi non possono passargli i loro file.</translation>
    </message>
    <message>
        <source>tarvelo: %1 is in the way of the socket of the running Tarvelo. Later starts cannot hand their files to this Tarvelo until it is removed.</source>
        <translation>tarvelo: %1 occupa il posto del socket del Tarvelo in esecuzione. Gli avvii successivi non possono passare i loro file a questo Tarvelo finché non viene tolto.</translation>
    </message>
    <message>
        <source>tarvelo: the socket %1 cannot be opened (%2). Later starts cannot hand their files to this Tarvelo.</source>
        <translation>tarvelo: il socket %1 non si può aprire (%2). Gli avvii successivi non possono passare i loro file a questo Tarvelo.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo ended before it took the file. Start Tarvelo again.</source>
        <translation>tarvelo: il Tarvelo in esecuzione si è chiuso prima di prendere il file. Avvia di nuovo Tarvelo.</translation>
    </message>
    <message>
        <source>tarvelo: a Tarvelo is running but took no connection within %1 seconds; it may be stopped or very busy. The file was not handed over.</source>
        <translation>tarvelo: un Tarvelo è in esecuzione ma non ha accettato la connessione entro %1 secondi; forse è bloccato o molto occupato. Il file non è stato passato.</translation>
    </message>
    <message>
        <source>tarvelo: a Tarvelo is running, but %1 is not its socket. The file was not handed over.</source>
        <translation>tarvelo: un Tarvelo è in esecuzione, ma %1 non è il suo socket. Il file non è stato passato.</translation>
    </message>
    <message>
        <source>tarvelo: the socket %1 belongs to another user. Nothing was handed over.</source>
        <translation>tarvelo: il socket %1 appartiene a un altro utente. Non è stato passato nulla.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo closed the connection without answering.</source>
        <translation>tarvelo: il Tarvelo in esecuzione ha chiuso la connessione senza rispondere.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo did not answer within %1 seconds; it may be stopped or very busy. The file was not handed over.</source>
        <translation>tarvelo: il Tarvelo in esecuzione non ha risposto entro %1 secondi; forse è bloccato o molto occupato. Il file non è stato passato.</translation>
    </message>
    <message>
        <source>Another start of Tarvelo handed over the command line “%1”, which names no problem file. The problem shown stays as it is.</source>
        <translation>Un altro avvio di Tarvelo ha passato la riga di comando “%1”, che non indica nessun file di problema. Il problema mostrato resta com&apos;è.</translation>
    </message>
    <message numerus="yes">
        <source>This came %n times.</source>
        <translation>
            <numerusform>È arrivato %n volta.</numerusform>
            <numerusform>È arrivato %n volte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n further notices came while many were waiting; they are not shown.</source>
        <translation>
            <numerusform>È arrivato %n altro avviso mentre molti erano in attesa; non viene mostrato.</numerusform>
            <numerusform>Sono arrivati altri %n avvisi mentre molti erano in attesa; non vengono mostrati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Other starts of Tarvelo handed over %1 more problem files while one waited to be opened. Only the last one handed over is open; the others were passed over.</source>
        <translation>Altri avvii di Tarvelo hanno passato altri %1 file di problema mentre uno attendeva di essere aperto. È aperto solo l’ultimo passato; gli altri sono stati tralasciati.</translation>
    </message>
    <message>
        <source>%1 could not be made</source>
        <translation>non è stato possibile creare %1</translation>
    </message>
    <message>
        <source>the user database gives this user no home</source>
        <translation>il database degli utenti non dà a questo utente una cartella home</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>altri utenti possono modificare %1</translation>
    </message>
</context>
<context>
    <name>ProblemMessages</name>
    <message>
        <source>there is no space left on the disk</source>
        <translation>sul disco non c&apos;è più spazio</translation>
    </message>
    <message>
        <source>your share of the disk (quota) is used up</source>
        <translation>il tuo spazio sul disco (quota) è esaurito</translation>
    </message>
    <message>
        <source>the file would be too large for the disk</source>
        <translation>il file sarebbe troppo grande per il disco</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>the disk may only be read, not written</source>
        <translation>il disco si può solo leggere, non scrivere</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>una parte del percorso non è una cartella</translation>
    </message>
    <message>
        <source>there is a folder of that name</source>
        <translation>c&apos;è una cartella con quel nome</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>il nome è troppo lungo</translation>
    </message>
    <message>
        <source>the disk reported a fault while writing</source>
        <translation>il disco ha segnalato un errore durante la scrittura</translation>
    </message>
    <message>
        <source>The problem file “%1” cannot be opened: it does not exist, is not a file, or may not be read.</source>
        <translation>Il file del problema “%1” non si può aprire: non esiste, non è un file o non si può leggere.</translation>
    </message>
    <message>
        <source>The file “%1” is far too large to be a problem file.</source>
        <translation>Il file “%1” è troppo grande per essere un file di problema.</translation>
    </message>
    <message>
        <source>The problem file “%1” is incomplete: it ends before line %2.</source>
        <translation>Il file del problema “%1” è incompleto: finisce prima della riga %2.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” gives %3 as the number of pieces; it must be a whole number from 0 to %4.</source>
        <translation>La riga %2 del file del problema “%1” dà %3 come numero di pezzi; deve essere un numero intero da 0 a %4.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” announces %3 pieces, more than the file holds.</source>
        <translation>La riga %2 del file del problema “%1” annuncia %3 pezzi, più di quanti il file ne contenga.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” holds a number too large for its place.</source>
        <translation>La riga %2 del file del problema “%1” contiene un numero troppo grande per il suo posto.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” names the kind of piece %3, which does not exist.</source>
        <translation>La riga %2 del file del problema “%1” indica il tipo di pezzo %3, che non esiste.</translation>
    </message>
    <message>
        <source>The problem file “%1” cannot be read.</source>
        <translation>Il file del problema “%1” non si può leggere.</translation>
    </message>
    <message>
        <source>The problem could not be saved as “%1”: %2.
Nothing was changed.</source>
        <translation>Non è stato possibile salvare il problema come “%1”: %2.
Non è cambiato nulla.</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>il sistema non ha detto perché</translation>
    </message>
    <message>
        <source>The command line “%1” names no problem file; Tarvelo starts without one.</source>
        <translation>La riga di comando “%1” non indica nessun file di problema; Tarvelo parte senza.</translation>
    </message>
    <message>
        <source>“%1” is not a value of %2. %2 takes a whole number from 0 to 9; it keeps its value.</source>
        <translation>“%1” non è un valore possibile per %2. %2 può essere solo un numero intero da 0 a 9; il suo valore non cambia.</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user, and Tarvelo does not write through it</source>
        <translation>è un collegamento che appartiene a un altro utente, e Tarvelo non scrive attraverso di esso</translation>
    </message>
    <message>
        <source>it is a link in a folder that other users can change, and Tarvelo does not write through it</source>
        <translation>è un collegamento in una cartella che altri utenti possono modificare, e Tarvelo non scrive attraverso di esso</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or a socket)</source>
        <translation>non è un file ordinario (un dispositivo, una pipe o un socket)</translation>
    </message>
    <message>
        <source>the file belongs to another user, who would lose it</source>
        <translation>il file appartiene a un altro utente, che lo perderebbe</translation>
    </message>
    <message>
        <source>The problem was saved as “%1”. That file also had other names (hard links); they still hold the old problem.</source>
        <translation>Il problema è stato salvato come “%1”. Quel file aveva anche altri nomi (collegamenti fisici); questi contengono ancora il vecchio problema.</translation>
    </message>
    <message>
        <source>The file “%1” is not a problem file: it is not plain text (it may have been saved as UTF-16).</source>
        <translation>Il file “%1” non è un file di problema: non è testo semplice (forse è stato salvato come UTF-16).</translation>
    </message>
    <message>
        <source>Discard the scene you built?</source>
        <translation>Scartare la scena che hai costruito?</translation>
    </message>
    <message>
        <source>A lesson is being opened, and Ctrl+Z cannot bring free play back from a lesson. Save the scene first, or discard it?</source>
        <translation>Si sta aprendo una lezione, e Ctrl+Z non riporta il gioco libero da una lezione. Salvare prima la scena o scartarla?</translation>
    </message>
    <message>
        <source>Tarvelo is closing, and the scene is lost unless it is saved. Save the scene first, or discard it?</source>
        <translation>Tarvelo si sta chiudendo, e la scena va persa se non viene salvata. Salvare prima la scena o scartarla?</translation>
    </message>
    <message>
        <source>Tarvelo opens one problem file (.trv) at a time: drop a single .trv file on the window to open it.</source>
        <translation>Tarvelo apre un file di problema (.trv) alla volta: trascina un solo file .trv sulla finestra per aprirlo.</translation>
    </message>
</context>
<context>
    <name>tarvelo::AccessLayer</name>
    <message>
        <source>Arrows go from piece to piece; Enter picks a piece up and puts it down, Escape puts it back, Delete removes it.</source>
        <translation>Le frecce vanno da un pezzo all&apos;altro; Invio prende un pezzo e lo posa, Esc lo rimette al suo posto, Canc lo toglie.</translation>
    </message>
    <message>
        <source>%1 picked up, %2.</source>
        <translation>%1 in mano, %2.</translation>
    </message>
    <message>
        <source>%1 dropped.</source>
        <translation>%1 cade.</translation>
    </message>
    <message>
        <source>%1 taken back.</source>
        <translation>%1 torna indietro.</translation>
    </message>
    <message>
        <source>No pieces yet: add some from the palette.</source>
        <translation>Ancora nessun pezzo: prendine qualcuno dalla tavolozza.</translation>
    </message>
    <message>
        <source>%1 put back.</source>
        <translation>%1 torna al suo posto.</translation>
    </message>
    <message>
        <source>%1 put down.</source>
        <translation>%1 scende.</translation>
    </message>
    <message>
        <source>over the left pan</source>
        <translation>sopra il piatto sinistro</translation>
    </message>
    <message>
        <source>over the right pan</source>
        <translation>sopra il piatto destro</translation>
    </message>
    <message>
        <source>over no pan</source>
        <translation>fuori dai piatti</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Niente da rifare.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Niente da annullare.</translation>
    </message>
    <message>
        <source>Wait a moment: the new scene is being made.</source>
        <translation>Un momento: si sta preparando la nuova scena.</translation>
    </message>
    <message>
        <source>Pieces to add. Left and Right choose one; Enter picks up a copy, Page Up and Page Down take it over a pan, Enter drops it, Escape takes it back.</source>
        <translation>Pezzi da aggiungere. Sinistra e Destra ne scelgono uno; Invio prende una copia, Pagina su e Pagina giù la portano sopra un piatto, Invio la lascia cadere, Esc la rimette a posto.</translation>
    </message>
    <message>
        <source>F2 sets its value.</source>
        <translation>F2 ne imposta il valore.</translation>
    </message>
    <message>
        <source>In a lesson, X stays hidden: find it with the balance.</source>
        <translation>In una lezione X resta nascosto: trovalo con la bilancia.</translation>
    </message>
    <message>
        <source>In a lesson, Y stays hidden: find it with the balance.</source>
        <translation>In una lezione Y resta nascosto: trovalo con la bilancia.</translation>
    </message>
    <message>
        <source>%1 removed. Now on %2.</source>
        <translation>%1 tolto. Ora su %2.</translation>
    </message>
    <message>
        <source>%1 removed. No pieces left.</source>
        <translation>%1 tolto. Non restano pezzi.</translation>
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
        <translation>numeri più grandi: scambia e dividi</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Livello %1: %2</translation>
    </message>
    <message>
        <source>Challenge: level %1</source>
        <translation>Sfida: livello %1</translation>
    </message>
    <message>
        <source>Find X. Fewest moves: %1.</source>
        <translation>Trova X. Mosse minime: %1.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Challenge: level %1, number %2</source>
        <translation>Sfida: livello %1, numero %2</translation>
    </message>
    <message>
        <source>Well done! %1. Two stars: solved in the fewest moves.</source>
        <translation>Bravo! %1. Due stelle: risolta con le mosse minime.</translation>
    </message>
    <message>
        <source>Well done! %1. One star; %2 moves made, fewest %3.</source>
        <translation>Bravo! %1. Una stella; %2 mosse fatte, minimo %3.</translation>
    </message>
    <message>
        <source>Stars: %1, solved: %2.</source>
        <translation>Stelle: %1, risolte: %2.</translation>
    </message>
    <message>
        <source>Start level %1</source>
        <translation>Inizia il livello %1</translation>
    </message>
    <message>
        <source>Next challenge</source>
        <translation>Sfida successiva</translation>
    </message>
    <message>
        <source>Level %1 won: %2 challenges solved! Try level %3.</source>
        <translation>Livello %1 superato: %2 sfide risolte! Prova il livello %3.</translation>
    </message>
    <message>
        <source>Level %1 won: %2 challenges solved! That is the hardest level.</source>
        <translation>Livello %1 superato: %2 sfide risolte! È il livello più difficile.</translation>
    </message>
    <message>
        <source>Well done! %1. One star: the solution was shown.</source>
        <translation>Bravo! %1. Una stella: la soluzione è stata mostrata.</translation>
    </message>
</context>
<context>
    <name>tarvelo::ChallengesWindow</name>
    <message>
        <source>Challenges</source>
        <translation>Sfide</translation>
    </message>
    <message>
        <source>Choose a level. A challenge solved wins a star, and one more when solved in the fewest moves.</source>
        <translation>Scegli un livello. Una sfida risolta vale una stella, e una in più se risolta con le mosse minime.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
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
        <translation>%1 è uguale a %2</translation>
    </message>
    <message>
        <source>%1 is less than %2</source>
        <translation>%1 è minore di %2</translation>
    </message>
    <message>
        <source>%1 is more than %2</source>
        <translation>%1 è maggiore di %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 per %2</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 più %2</translation>
    </message>
</context>
<context>
    <name>tarvelo::FileDialogs</name>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Tarvelo problem</source>
        <translation>Problema di Tarvelo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>File %1</translation>
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
        <translation>S t r u m e n t i   d i d a t t i c i</translation>
    </message>
    <message>
        <source>Programming:</source>
        <translation>Programmazione:</translation>
    </message>
    <message>
        <source>The Tarvelo team</source>
        <translation>Il gruppo Tarvelo</translation>
    </message>
    <message>
        <source>From an idea of:</source>
        <translation>Da un&apos;idea di:</translation>
    </message>
    <message>
        <source>Ver. 0.5 - 25 Dec 2007</source>
        <translation>Ver. 0.5 - 25 dic 2007</translation>
    </message>
    <message>
        <source>Close me</source>
        <translation>Chiudimi</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Left, Right, Home, End</source>
        <translation>Sinistra, Destra, Inizio, Fine</translation>
    </message>
    <message>
        <source>choose a piece in the palette</source>
        <translation>scegli un pezzo nella tavolozza</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Invio, Spazio</translation>
    </message>
    <message>
        <source>pick up a piece; drop it or put it down</source>
        <translation>prendi un pezzo; lascialo cadere o posalo</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Frecce</translation>
    </message>
    <message>
        <source>move what you carry (with Shift: a little); in the scene, go from piece to piece</source>
        <translation>sposta ciò che porti (con Maiusc: di poco); nella scena, vai da un pezzo all&apos;altro</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Pagina su, Pagina giù</translation>
    </message>
    <message>
        <source>over the left pan, over the right pan</source>
        <translation>sopra il piatto sinistro, sopra il piatto destro</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>put back what you carry</source>
        <translation>rimetti a posto ciò che porti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Canc</translation>
    </message>
    <message>
        <source>remove the piece in the scene</source>
        <translation>togli il pezzo dalla scena</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>the value of X or Y</source>
        <translation>il valore di X o di Y</translation>
    </message>
    <message>
        <source>Ctrl+N, Ctrl+O, Ctrl+S</source>
        <translation>Ctrl+N, Ctrl+O, Ctrl+S</translation>
    </message>
    <message>
        <source>New, Load, Save</source>
        <translation>Nuovo, Carica, Salva</translation>
    </message>
    <message>
        <source>Ctrl+R, Ctrl+L</source>
        <translation>Ctrl+R, Ctrl+L</translation>
    </message>
    <message>
        <source>Restart, Show solution</source>
        <translation>Ricomincia, Mostra soluzione</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>undo what you did last</source>
        <translation>annulla l&apos;ultima cosa fatta</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Ctrl+Maiusc+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>redo it</source>
        <translation>rifallo</translation>
    </message>
    <message>
        <source>Educational tools</source>
        <translation>Strumenti didattici</translation>
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
        <translation>tavolozza, scena, equazione, pulsanti, queste informazioni</translation>
    </message>
    <message>
        <source>Ctrl++, Ctrl+-, Ctrl+0</source>
        <translation>Ctrl++, Ctrl+-, Ctrl+0</translation>
    </message>
    <message>
        <source>make the window larger, smaller, its own size</source>
        <translation>finestra più grande, più piccola, alla sua misura</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen, as large as the screen allows; again: back</source>
        <translation>schermo intero, grande quanto lo schermo permette; di nuovo: indietro</translation>
    </message>
    <message>
        <source>moves, challenges, lessons</source>
        <translation>mosse, sfide, lezioni</translation>
    </message>
    <message>
        <source>Ctrl+M, Ctrl+G, Ctrl+Shift+L</source>
        <translation>Ctrl+M, Ctrl+G, Ctrl+Maiusc+L</translation>
    </message>
    <message>
        <source>Ctrl+B, Ctrl+E</source>
        <translation>Ctrl+B, Ctrl+E</translation>
    </message>
    <message>
        <source>Ctrl+Shift+B, Ctrl+Shift+M</source>
        <translation>Ctrl+Maiusc+B, Ctrl+Maiusc+M</translation>
    </message>
    <message>
        <source>balance again; equation aloud</source>
        <translation>di nuovo la bilancia; equazione a voce</translation>
    </message>
    <message>
        <source>each pan&apos;s load; sound on, off</source>
        <translation>carico dei piatti; suono sì, no</translation>
    </message>
    <message>
        <source>F1; Ctrl+Q, Ctrl+W</source>
        <translation>F1; Ctrl+Q, Ctrl+W</translation>
    </message>
    <message>
        <source>this information; close Tarvelo</source>
        <translation>queste informazioni; chiudere Tarvelo</translation>
    </message>
</context>
<context>
    <name>tarvelo::FrmMain</name>
    <message>
        <source>Show solution</source>
        <translation>Mostra soluzione</translation>
    </message>
    <message>
        <source>Hide solution</source>
        <translation>Nascondi soluzione</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>X value<byte value="xd"/>
(change or leave unchanged):</source>
        <translation>Valore di X<byte value="xd"/>
(cambialo o lascialo com&apos;è):</translation>
    </message>
    <message>
        <source>Y value<byte value="xd"/>
(change or leave unchanged):</source>
        <translation>Valore di Y<byte value="xd"/>
(cambialo o lascialo com&apos;è):</translation>
    </message>
    <message>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <source>Program info</source>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <source>Drag inside...</source>
        <translation>Trascina dentro...</translation>
    </message>
    <message>
        <source>Left-click and drag : move the objects</source>
        <translation>Clic sinistro e trascina: sposti i pezzi</translation>
    </message>
    <message>
        <source>Drag down for removing...</source>
        <translation>Trascina giù per togliere...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Tarvelo problem</source>
        <translation>Problema di Tarvelo</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>MyFileName</source>
        <translation>IlMioFile</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problema</translation>
    </message>
    <message>
        <source>Click: moves on both pans (Ctrl+M)</source>
        <translation>Clic: mosse su entrambi i piatti (Ctrl+M)</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Suono acceso.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Suono spento.</translation>
    </message>
    <message>
        <source>No voice can read aloud: the speech service does not answer.</source>
        <translation>Nessuna voce può leggere ad alta voce: il servizio vocale non risponde.</translation>
    </message>
</context>
<context>
    <name>tarvelo::LessonTexts</name>
    <message>
        <source>Make both pans balance</source>
        <translation>Metti in equilibrio i due piatti</translation>
    </message>
    <message>
        <source>Find X</source>
        <translation>Trova X</translation>
    </message>
    <message>
        <source>Find Y</source>
        <translation>Trova Y</translation>
    </message>
    <message>
        <source>Find X and Y</source>
        <translation>Trova X e Y</translation>
    </message>
    <message>
        <source>Make the left pan heavier</source>
        <translation>Rendi più pesante il piatto di sinistra</translation>
    </message>
    <message>
        <source>Make the right pan heavier</source>
        <translation>Rendi più pesante il piatto di destra</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The tag of the language of this translation, as a lesson file writes it: it, de, fr or es.</comment>
        <translation>it</translation>
    </message>
    <message>
        <source>Lesson: %1. %2</source>
        <translation>Lezione: %1. %2</translation>
    </message>
    <message>
        <source>Well done! The lesson is done.</source>
        <translation>Bravo! La lezione è fatta.</translation>
    </message>
    <message>
        <source>Next lesson</source>
        <translation>Lezione successiva</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2, done: one star</source>
        <translation>%1. %2, fatta: una stella</translation>
    </message>
    <message>
        <source>These lesson files could not be read: %1</source>
        <translation>Questi file di lezione non si possono leggere: %1</translation>
    </message>
    <message>
        <source>Your lessons already hold a lesson called “%1”. Replace it?</source>
        <translation>Tra le tue lezioni c&apos;è già una lezione chiamata «%1». Sostituirla?</translation>
    </message>
    <message>
        <source>The lesson could not be saved as “%1”: %2.</source>
        <translation>Non è stato possibile salvare la lezione come «%1»: %2.</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>non è stato possibile creare la sua cartella</translation>
    </message>
    <message>
        <source>Lesson saved: %1.</source>
        <translation>Lezione salvata: %1.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (riga %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 e %n altro</numerusform>
            <numerusform>%1 e altri %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarvelo::LessonsWindow</name>
    <message>
        <source>Lessons</source>
        <translation>Lezioni</translation>
    </message>
    <message>
        <source>Choose a lesson and open it. A lesson done wins a star.</source>
        <translation>Scegli una lezione e aprila. Una lezione fatta vale una stella.</translation>
    </message>
    <message>
        <source>Lessons of the program</source>
        <translation>Lezioni del programma</translation>
    </message>
    <message>
        <source>My lessons</source>
        <translation>Le mie lezioni</translation>
    </message>
    <message>
        <source>My lessons are kept in %1. To share a lesson, copy its .trv and .lesson files into this folder on the other computer.</source>
        <translation>Le mie lezioni sono conservate in %1. Per condividere una lezione, copia i suoi file .trv e .lesson in questa cartella sull&apos;altro computer.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save this scene as a lesson…</source>
        <translation>Salva questa scena come lezione…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>tarvelo::MovesPanel</name>
    <message>
        <source>Same on both pans</source>
        <translation>Uguale su entrambi i piatti</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>Pezzo</translation>
    </message>
    <message>
        <source>Take from both pans</source>
        <translation>Togli da entrambi i piatti</translation>
    </message>
    <message>
        <source>Add to both pans</source>
        <translation>Aggiungi a entrambi i piatti</translation>
    </message>
    <message>
        <source>Exchange cubes on one pan</source>
        <translation>Cambia cubi su un piatto</translation>
    </message>
    <message>
        <source>left pan</source>
        <translation>piatto sinistro</translation>
    </message>
    <message>
        <source>right pan</source>
        <translation>piatto destro</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Piatto</translation>
    </message>
    <message>
        <source>N, the cube to split</source>
        <translation>N, il cubo da dividere</translation>
    </message>
    <message>
        <source>A, the first cube</source>
        <translation>A, il primo cubo</translation>
    </message>
    <message>
        <source>B, the second cube</source>
        <translation>B, il secondo cubo</translation>
    </message>
    <message>
        <source>Split N into A + B</source>
        <translation>Dividi N in A + B</translation>
    </message>
    <message>
        <source>Join A + B</source>
        <translation>Unisci A + B</translation>
    </message>
    <message>
        <source>Share both pans</source>
        <translation>Spartisci entrambi i piatti</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
    <message>
        <source>Share into equal groups</source>
        <translation>Spartisci in gruppi uguali</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Ultima mossa</translation>
    </message>
    <message>
        <source>No move made yet.</source>
        <translation>Nessuna mossa ancora.</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>Check an answer</source>
        <translation>Verifica una risposta</translation>
    </message>
    <message>
        <source>Lock both pans</source>
        <translation>Blocca entrambi i piatti</translation>
    </message>
    <message>
        <source>Value of X</source>
        <translation>Valore di X</translation>
    </message>
    <message>
        <source>Value of Y</source>
        <translation>Valore di Y</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Trail of equations</source>
        <translation>Percorso delle equazioni</translation>
    </message>
    <message>
        <source>Copy trail</source>
        <translation>Copia il percorso</translation>
    </message>
    <message>
        <source>Print trail…</source>
        <translation>Stampa il percorso…</translation>
    </message>
    <message>
        <source>Close the panel</source>
        <translation>Chiudi il pannello</translation>
    </message>
    <message>
        <source>not shown yet</source>
        <translation>non ancora visibile</translation>
    </message>
    <message>
        <source>Challenges…</source>
        <translation>Sfide…</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Lezioni…</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Read each balance aloud</source>
        <translation>Leggi ad alta voce ogni equilibrio</translation>
    </message>
    <message>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <source>The trail of equations could not be printed.</source>
        <translation>Non è stato possibile stampare il percorso delle equazioni.</translation>
    </message>
    <message>
        <source>The trail of equations could not be printed to “%1”: the file could not be written whole (is the disk full?).</source>
        <translation>Non è stato possibile stampare il percorso delle equazioni su «%1»: il file non si è potuto scrivere per intero (il disco è pieno?).</translation>
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
        <translation>%1 cubi %2</translation>
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
        <translation>una faccina</translation>
    </message>
    <message>
        <source>%1 smileys</source>
        <translation>%1 faccine</translation>
    </message>
    <message>
        <source>unknown X</source>
        <translation>incognita X</translation>
    </message>
    <message>
        <source>unknown Y</source>
        <translation>incognita Y</translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>faccina</translation>
    </message>
    <message>
        <source>pan</source>
        <translation>piatto</translation>
    </message>
    <message>
        <source>piece</source>
        <translation>pezzo</translation>
    </message>
    <message>
        <source>%1, on no pan</source>
        <translation>%1, fuori dai piatti</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>left pan: %1; total %2</source>
        <translation>piatto sinistro: %1; totale %2</translation>
    </message>
    <message>
        <source>right pan: %1; total %2</source>
        <translation>piatto destro: %1; totale %2</translation>
    </message>
    <message>
        <source>left side heavier</source>
        <translation>il lato sinistro pesa di più</translation>
    </message>
    <message>
        <source>right side heavier</source>
        <translation>il lato destro pesa di più</translation>
    </message>
    <message>
        <source>both sides equal</source>
        <translation>i due lati pesano uguale</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, which is %2</source>
        <translation>%1, che vale %2</translation>
    </message>
    <message>
        <source>%1, on the left pan</source>
        <translation>%1, sul piatto sinistro</translation>
    </message>
    <message>
        <source>%1, on the right pan</source>
        <translation>%1, sul piatto destro</translation>
    </message>
    <message>
        <source>%1, on %2 on the left pan</source>
        <translation>%1, su %2 sul piatto sinistro</translation>
    </message>
    <message>
        <source>%1, on %2 on the right pan</source>
        <translation>%1, su %2 sul piatto destro</translation>
    </message>
    <message>
        <source>Solution shown: X is %1, Y is %2.</source>
        <translation>Soluzione mostrata: X vale %1, Y vale %2.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Soluzione nascosta.</translation>
    </message>
    <message>
        <source>New scene: the pans are empty. Ctrl+Z brings back the last one.</source>
        <translation>Nuova scena: i piatti sono vuoti. Ctrl+Z riporta la precedente.</translation>
    </message>
    <message>
        <source>Started again: %1. Ctrl+Z brings back the last scene.</source>
        <translation>Ricominciato: %1. Ctrl+Z riporta la scena precedente.</translation>
    </message>
    <message>
        <source>Opened %1. Ctrl+Z brings back the last scene.</source>
        <translation>%1 aperto. Ctrl+Z riporta la scena precedente.</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>%1 aperto.</translation>
    </message>
    <message>
        <source>Full screen, zoom %1 %.</source>
        <translation>Schermo intero, zoom %1 %.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Zoom %1 %.</translation>
    </message>
    <message>
        <source>dropped %1</source>
        <translation>posa di %1</translation>
    </message>
    <message>
        <source>moved %1</source>
        <translation>spostamento di %1</translation>
    </message>
    <message>
        <source>removed %1</source>
        <translation>rimozione di %1</translation>
    </message>
    <message>
        <source>the value of %1 set</source>
        <translation>valore di %1 cambiato</translation>
    </message>
    <message>
        <source>solution shown</source>
        <translation>soluzione mostrata</translation>
    </message>
    <message>
        <source>solution hidden</source>
        <translation>soluzione nascosta</translation>
    </message>
    <message>
        <source>scene replaced</source>
        <translation>scena sostituita</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Rifatto: %1.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Annullato: %1.</translation>
    </message>
    <message>
        <source>%1 taken from both pans</source>
        <translation>rimozione di %1 da entrambi i piatti</translation>
    </message>
    <message>
        <source>%1 added to both pans</source>
        <translation>aggiunta di %1 su entrambi i piatti</translation>
    </message>
    <message>
        <source>%1 dropped on a pan</source>
        <translation>posa di %1 su un piatto</translation>
    </message>
    <message>
        <source>%1 taken from a pan</source>
        <translation>rimozione di %1 da un piatto</translation>
    </message>
    <message>
        <source>%1 split in two</source>
        <translation>divisione di %1 in due</translation>
    </message>
    <message>
        <source>two cubes joined into %1</source>
        <translation>unione di due cubi in %1</translation>
    </message>
    <message>
        <source>both pans shared into groups</source>
        <translation>divisione di entrambi i piatti in gruppi</translation>
    </message>
    <message>
        <source>There is no cube %1.</source>
        <translation>Non esiste un cubo %1.</translation>
    </message>
    <message>
        <source>The left pan holds no %1.</source>
        <translation>Sul piatto sinistro non c&apos;è %1.</translation>
    </message>
    <message>
        <source>The right pan holds no %1.</source>
        <translation>Sul piatto destro non c&apos;è %1.</translation>
    </message>
    <message>
        <source>The two cubes would make %1, not %2.</source>
        <translation>I due cubi farebbero %1, non %2.</translation>
    </message>
    <message>
        <source>The two cubes would make %1, and no cube bears more than 9.</source>
        <translation>I due cubi farebbero %1, e nessun cubo porta più di 9.</translation>
    </message>
    <message>
        <source>Sharing takes 2 groups or more, not %1.</source>
        <translation>Per dividere servono 2 gruppi o più, non %1.</translation>
    </message>
    <message>
        <source>On the left pan, %1 cannot be shared into %2 equal groups.</source>
        <translation>Sul piatto sinistro, %1 non si possono dividere in %2 gruppi uguali.</translation>
    </message>
    <message>
        <source>On the right pan, %1 cannot be shared into %2 equal groups.</source>
        <translation>Sul piatto destro, %1 non si possono dividere in %2 gruppi uguali.</translation>
    </message>
    <message>
        <source>On the left pan, the numbers worth %1 cannot be shared into %2 equal groups.</source>
        <translation>Sul piatto sinistro, i numeri che valgono %1 non si possono dividere in %2 gruppi uguali.</translation>
    </message>
    <message>
        <source>On the right pan, the numbers worth %1 cannot be shared into %2 equal groups.</source>
        <translation>Sul piatto destro, i numeri che valgono %1 non si possono dividere in %2 gruppi uguali.</translation>
    </message>
    <message>
        <source>On the left pan, no cubes make up %1 as they are: exchange first.</source>
        <translation>Sul piatto sinistro nessun cubo, così com&apos;è, fa %1: prima fai un cambio.</translation>
    </message>
    <message>
        <source>On the right pan, no cubes make up %1 as they are: exchange first.</source>
        <translation>Sul piatto destro nessun cubo, così com&apos;è, fa %1: prima fai un cambio.</translation>
    </message>
    <message>
        <source>%1 cannot go on a pan.</source>
        <translation>%1 non può andare su un piatto.</translation>
    </message>
    <message>
        <source>There is no room above the left pan for another %1.</source>
        <translation>Sopra il piatto sinistro non c&apos;è posto per un altro %1.</translation>
    </message>
    <message>
        <source>There is no room above the right pan for another %1.</source>
        <translation>Sopra il piatto destro non c&apos;è posto per un altro %1.</translation>
    </message>
    <message>
        <source>There is no pan %1.</source>
        <translation>Non esiste il piatto %1.</translation>
    </message>
    <message>
        <source>an answer checked</source>
        <translation>una risposta verificata</translation>
    </message>
    <message>
        <source>Y is a whole number from 0 to %2, not %1.</source>
        <translation>Y è un numero intero da 0 a %2, non %1.</translation>
    </message>
    <message>
        <source>X is a whole number from 0 to %2, not %1.</source>
        <translation>X è un numero intero da 0 a %2, non %1.</translation>
    </message>
    <message>
        <source>Done: %1.</source>
        <translation>Fatto: %1.</translation>
    </message>
    <message>
        <source>Put down what you hold first, then make the move.</source>
        <translation>Prima posa ciò che tieni, poi fai la mossa.</translation>
    </message>
    <message>
        <source>The scene is being emptied: make the move once it is ready.</source>
        <translation>La scena si sta svuotando: fai la mossa quando è pronta.</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>Solved: %1.</source>
        <translation>Risolto: %1.</translation>
    </message>
    <message>
        <source>The pans are locked. %1</source>
        <translation>I piatti sono bloccati. %1</translation>
    </message>
    <message>
        <source>Zoom %1 %, the largest for this screen.</source>
        <translation>Zoom %1 %, il più grande per questo schermo.</translation>
    </message>
    <message>
        <source>Zoom %1 %, the smallest for this screen.</source>
        <translation>Zoom %1 %, il più piccolo per questo schermo.</translation>
    </message>
</context>
<context>
    <name>tarvelo::SaveLessonDialog</name>
    <message>
        <source>Save as lesson</source>
        <translation>Salva come lezione</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Instruction for the child:</source>
        <translation>&amp;Istruzione per il bambino:</translation>
    </message>
    <message>
        <source>&amp;Goal the program checks:</source>
        <translation>&amp;Obiettivo che il programma verifica:</translation>
    </message>
    <message>
        <source>Characters a lesson cannot keep will be saved as spaces.</source>
        <translation>I caratteri che una lezione non può tenere saranno salvati come spazi.</translation>
    </message>
</context>
<context>
    <name>tarvelo::SceneAccessible</name>
    <message>
        <source>the two pans</source>
        <translation>i due piatti</translation>
    </message>
    <message>
        <source>scene</source>
        <translation>scena</translation>
    </message>
</context>
<context>
    <name>tarvelo::TrailText</name>
    <message>
        <source>smiley</source>
        <translation>faccina</translation>
    </message>
    <message>
        <source>take %1 from both</source>
        <translation>togli %1 da entrambi</translation>
    </message>
    <message>
        <source>add %1 to both</source>
        <translation>aggiungi %1 a entrambi</translation>
    </message>
    <message>
        <source>add %1 to the left pan</source>
        <translation>aggiungi %1 al piatto sinistro</translation>
    </message>
    <message>
        <source>add %1 to the right pan</source>
        <translation>aggiungi %1 al piatto destro</translation>
    </message>
    <message>
        <source>take %1 from the left pan</source>
        <translation>togli %1 dal piatto sinistro</translation>
    </message>
    <message>
        <source>take %1 from the right pan</source>
        <translation>togli %1 dal piatto destro</translation>
    </message>
    <message>
        <source>remove %1</source>
        <translation>rimuovi %1</translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation>lascia cadere %1</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>sposta %1</translation>
    </message>
    <message>
        <source>exchange %1 → %2 + %3</source>
        <translation>cambia %1 → %2 + %3</translation>
    </message>
    <message>
        <source>exchange %1 + %2 → %3</source>
        <translation>cambia %1 + %2 → %3</translation>
    </message>
    <message>
        <source>share both into %1 groups, keep one</source>
        <translation>dividi entrambi in %1 gruppi, tienine uno</translation>
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
        <translation>Verifica: %1 …</translation>
    </message>
    <message>
        <source>Check: %1, it balances.</source>
        <translation>Verifica: %1, è in equilibrio.</translation>
    </message>
    <message>
        <source>Check: %1, it does not balance.</source>
        <translation>Verifica: %1, non è in equilibrio.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Do the same on the other pan to keep the balance.</source>
        <translation>Fai lo stesso sull&apos;altro piatto per mantenere l&apos;equilibrio.</translation>
    </message>
</context>
</TS>
