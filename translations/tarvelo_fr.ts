<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>HeadlessRun</name>
    <message>
        <source>Tarvelo: numbers and equations on a two-pan balance.

Without options, opens the window (and the problem file named, if any).
With --settle, lets a problem come to rest without a window and prints its equation line.</source>
        <translation>Tarvelo&#xa0;: des nombres et des équations sur une balance à deux plateaux.

Sans option, ouvre la fenêtre (et le fichier de problème indiqué, s&apos;il y en a un).
Avec --settle, laisse un problème s&apos;immobiliser sans fenêtre et affiche sa ligne d&apos;équation.</translation>
    </message>
    <message>
        <source>Load FILE, let the scene come to rest and print the equation line.</source>
        <translation>Charge FILE, laisse la scène s&apos;immobiliser et affiche la ligne d&apos;équation.</translation>
    </message>
    <message>
        <source>Draw X and Y as the cubes of their values.</source>
        <translation>Dessine X et Y comme les cubes de leurs valeurs.</translation>
    </message>
    <message>
        <source>Print the settled scene as one JSON object: the equation line, whether it came to rest and when, the pans and every piece with the pan it counts for.</source>
        <translation>Affiche la scène immobile comme un seul objet JSON&#xa0;: la ligne d&apos;équation, si elle s&apos;est immobilisée et quand, les plateaux et chaque pièce avec le plateau pour lequel elle compte.</translation>
    </message>
    <message>
        <source>tarvelo: the scene in “%1” did not come to rest within %2 seconds of scene time.</source>
        <translation>tarvelo&#xa0;: la scène de «&#xa0;%1&#xa0;» ne s&apos;est pas immobilisée en %2 secondes de temps de scène.</translation>
    </message>
    <message>
        <source>tarvelo: the picture could not be written to “%1”.</source>
        <translation>tarvelo&#xa0;: l&apos;image n&apos;a pas pu être écrite dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Also draw the window as it then looks into the PNG file OUT: in problem mode, with the buttons that “tarvelo FILE” shows.</source>
        <translation>Dessine aussi la fenêtre telle qu’elle apparaît alors dans le fichier PNG OUT : en mode problème, avec les boutons qu’affiche « tarvelo FILE ».</translation>
    </message>
    <message>
        <source>Print the version and the licence.</source>
        <translation>Afficher la version et la licence.</translation>
    </message>
    <message>
        <source>The problem file to open in the window. A name that starts with “-” follows “--” or starts with “./”.</source>
        <translation>Le fichier de problème à ouvrir dans la fenêtre. Un nom qui commence par «&#xa0;-&#xa0;» suit «&#xa0;--&#xa0;» ou commence par «&#xa0;./&#xa0;».</translation>
    </message>
    <message>
        <source>unknown option “%1”.</source>
        <translation>option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Tarvelo %1
Licence: %2 (the GNU General Public License, version 3 or any later version).
There is no warranty.</source>
        <translation>Tarvelo %1
Licence&#xa0;: %2 (la licence publique générale GNU, version 3 ou toute version ultérieure).
Il n&apos;y a aucune garantie.</translation>
    </message>
    <message>
        <source>--moves: “%1” has too many or too few words.</source>
        <translation>--moves&#xa0;: «&#xa0;%1&#xa0;» a trop de mots ou trop peu.</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no piece (0 to 9, X, Y or smiley).</source>
        <translation>--moves&#xa0;: dans «&#xa0;%1&#xa0;», «&#xa0;%2&#xa0;» n&apos;est pas une pièce (0 à 9, X, Y ou smiley).</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no side (left or right).</source>
        <translation>--moves&#xa0;: dans «&#xa0;%1&#xa0;», «&#xa0;%2&#xa0;» n&apos;est pas un côté (left ou right).</translation>
    </message>
    <message>
        <source>--moves: in “%1”, “%2” is no number that move takes.</source>
        <translation>--moves&#xa0;: dans «&#xa0;%1&#xa0;», «&#xa0;%2&#xa0;» n&apos;est pas un nombre que ce coup accepte.</translation>
    </message>
    <message>
        <source>--moves: the script holds no move.</source>
        <translation>--moves&#xa0;: le script ne contient aucun coup.</translation>
    </message>
    <message>
        <source>tarvelo: --settle FILE is needed; --png, --show-solution, --json and --moves go with it. See tarvelo --help.</source>
        <translation>tarvelo&#xa0;: --settle FILE est nécessaire&#xa0;; --png, --show-solution, --json et --moves vont avec. Voir tarvelo --help.</translation>
    </message>
    <message>
        <source>tarvelo: the move “%1” was refused: %2</source>
        <translation>tarvelo&#xa0;: le coup «&#xa0;%1&#xa0;» a été refusé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Once the scene rests, make the moves of SCRIPT one after another, each once the scene rests again; moves are separated by “;”: take K, add K, drop SIDE K, remove SIDE K, split SIDE N A B, join SIDE A B, share N, check V [W] (K: 0 to 9, X, Y or smiley; SIDE: left or right; V, W: values of X and Y to check). A refused move ends the script.</source>
        <translation>Une fois la scène au repos, faire les coups de SCRIPT l&apos;un après l&apos;autre, chacun une fois la scène de nouveau au repos&#xa0;; les coups sont séparés par «&#xa0;;&#xa0;»&#xa0;: take K, add K, drop SIDE K, remove SIDE K, split SIDE N A B, join SIDE A B, share N, check V [W] (K&#xa0;: 0 à 9, X, Y ou smiley&#xa0;; SIDE&#xa0;: left ou right&#xa0;; V, W&#xa0;: valeurs de X et Y à vérifier). Un coup refusé met fin au script.</translation>
    </message>
    <message>
        <source>Let the challenge come to rest and print its equation line and its goal.</source>
        <translation>Laisser le défi s&apos;immobiliser et afficher sa ligne d&apos;équation et son but.</translation>
    </message>
    <message>
        <source>Instead of a file, make the challenge of LEVEL (1: X + b = c, 2: aX = c, 3: aX + b = c, 4: X on both sides, 5: larger numbers) from the seed of --seed, and settle it with --settle (no FILE then); --json adds its level, goal, fewest moves and a solution.</source>
        <translation>Au lieu d&apos;un fichier, créer le défi du niveau LEVEL (1&#xa0;: X + b = c, 2&#xa0;: aX = c, 3&#xa0;: aX + b = c, 4&#xa0;: X des deux côtés, 5&#xa0;: nombres plus grands) à partir de la graine de --seed, et l&apos;immobiliser avec --settle (sans FILE alors)&#xa0;; --json ajoute son niveau, son but, le moins de coups et une solution.</translation>
    </message>
    <message>
        <source>The seed N of the challenge, a whole number from 0 to 18446744073709551615: the same seed makes the same challenge.</source>
        <translation>La graine N du défi, un nombre entier de 0 à 18446744073709551615&#xa0;: la même graine donne le même défi.</translation>
    </message>
    <message>
        <source>tarvelo: --challenge LEVEL, --seed N and --settle go together, without a FILE. See tarvelo --help.</source>
        <translation>tarvelo&#xa0;: --challenge LEVEL, --seed N et --settle vont ensemble, sans FILE. Voir tarvelo --help.</translation>
    </message>
    <message>
        <source>--challenge: “%1” is no level (%2 to %3).</source>
        <translation>--challenge&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un niveau (de %2 à %3).</translation>
    </message>
    <message>
        <source>--seed: “%1” is no seed (a whole number from 0 to %2).</source>
        <translation>--seed&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas une graine (un nombre entier de 0 à %2).</translation>
    </message>
    <message>
        <source>challenge %1, seed %2</source>
        <translation>défi %1, graine %2</translation>
    </message>
    <message>
        <source>Find X: it takes %1 moves at the fewest.</source>
        <translation>Trouver X&#xa0;: il faut au moins %1 coups.</translation>
    </message>
    <message>
        <source>Open the window and register this program with the desktop for problem files even when it runs from its build folder. An installed program registers without it; what the system provides and a default application chosen are kept either way.</source>
        <translation>Ouvrir la fenêtre et enregistrer ce programme auprès du bureau pour les fichiers de problème, même lorsqu&apos;il tourne depuis son dossier de compilation. Un programme installé s&apos;enregistre sans cela&#xa0;; ce que le système fournit et une application par défaut choisie sont conservés dans tous les cas.</translation>
    </message>
    <message>
        <source>tarvelo: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set). The options that need no window are in tarvelo --help; to open the window all the same, start it under xvfb-run -a.</source>
        <translation>tarvelo&#xa0;: il n&apos;y a pas d&apos;affichage où ouvrir la fenêtre (DISPLAY et WAYLAND_DISPLAY ne sont pas définies). Les options qui n&apos;ont pas besoin de fenêtre sont dans tarvelo --help&#xa0;; pour ouvrir la fenêtre malgré tout, lance-le avec xvfb-run -a.</translation>
    </message>
    <message>
        <source>--moves: “%1” is no move (%2).</source>
        <translation>--moves&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un coup (%2).</translation>
    </message>
</context>
<context>
    <name>InstanceMessages</name>
    <message>
        <source>%1 is not a folder of this user&apos;s alone</source>
        <translation>%1 n&apos;est pas un dossier réservé à cet utilisateur</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>other users may enter %1</source>
        <translation>d&apos;autres utilisateurs peuvent entrer dans %1</translation>
    </message>
    <message>
        <source>the path %1 is too long for a socket</source>
        <translation>le chemin %1 est trop long pour un socket</translation>
    </message>
    <message>
        <source>tarvelo: no private folder for the socket of the running Tarvelo could be had (%1). This Tarvelo runs on its own: later starts cannot hand their files to it.</source>
        <translation>tarvelo&#xa0;: aucun dossier privé n&apos;a pu être obtenu pour le socket du Tarvelo en cours (%1). Ce Tarvelo fonctionne seul&#xa0;: les lancements suivants ne peuvent pas lui passer leurs fichiers.</translation>
    </message>
    <message>
        <source>tarvelo: the lock file %1 cannot be used. This Tarvelo runs on its own: later starts cannot hand their files to it.</source>
        <translation>tarvelo&#xa0;: le fichier de verrou %1 ne peut pas être utilisé. Ce Tarvelo fonctionne seul&#xa0;: les lancements suivants ne peuvent pas lui passer leurs fichiers.</translation>
    </message>
    <message>
        <source>tarvelo: %1 is in the way of the socket of the running Tarvelo. Later starts cannot hand their files to this Tarvelo until it is removed.</source>
        <translation>tarvelo&#xa0;: %1 gêne le socket du Tarvelo en cours. Les lancements suivants ne pourront passer leurs fichiers à ce Tarvelo qu&apos;une fois %1 retiré.</translation>
    </message>
    <message>
        <source>tarvelo: the socket %1 cannot be opened (%2). Later starts cannot hand their files to this Tarvelo.</source>
        <translation>tarvelo&#xa0;: le socket %1 ne peut pas être ouvert (%2). Les lancements suivants ne peuvent pas passer leurs fichiers à ce Tarvelo.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo ended before it took the file. Start Tarvelo again.</source>
        <translation>tarvelo&#xa0;: le Tarvelo en cours s&apos;est arrêté avant de prendre le fichier. Relance Tarvelo.</translation>
    </message>
    <message>
        <source>tarvelo: a Tarvelo is running but took no connection within %1 seconds; it may be stopped or very busy. The file was not handed over.</source>
        <translation>tarvelo&#xa0;: un Tarvelo est en cours mais n&apos;a accepté aucune connexion en %1 secondes&#xa0;; il est peut-être arrêté ou très occupé. Le fichier n&apos;a pas été passé.</translation>
    </message>
    <message>
        <source>tarvelo: a Tarvelo is running, but %1 is not its socket. The file was not handed over.</source>
        <translation>tarvelo&#xa0;: un Tarvelo est en cours, mais %1 n&apos;est pas son socket. Le fichier n&apos;a pas été passé.</translation>
    </message>
    <message>
        <source>tarvelo: the socket %1 belongs to another user. Nothing was handed over.</source>
        <translation>tarvelo&#xa0;: le socket %1 appartient à un autre utilisateur. Rien n&apos;a été passé.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo closed the connection without answering.</source>
        <translation>tarvelo&#xa0;: le Tarvelo en cours a fermé la connexion sans répondre.</translation>
    </message>
    <message>
        <source>tarvelo: the running Tarvelo did not answer within %1 seconds; it may be stopped or very busy. The file was not handed over.</source>
        <translation>tarvelo&#xa0;: le Tarvelo en cours n&apos;a pas répondu en %1 secondes&#xa0;; il est peut-être arrêté ou très occupé. Le fichier n&apos;a pas été passé.</translation>
    </message>
    <message>
        <source>Another start of Tarvelo handed over the command line “%1”, which names no problem file. The problem shown stays as it is.</source>
        <translation>Un autre lancement de Tarvelo a passé la ligne de commande «&#xa0;%1&#xa0;», qui n&apos;indique aucun fichier de problème. Le problème affiché reste tel quel.</translation>
    </message>
    <message numerus="yes">
        <source>This came %n times.</source>
        <translation>
            <numerusform>C&apos;est arrivé %n fois.</numerusform>
            <numerusform>C&apos;est arrivé %n fois.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n further notices came while many were waiting; they are not shown.</source>
        <translation>
            <numerusform>%n autre message est arrivé alors que beaucoup attendaient déjà&#xa0;; il n&apos;est pas affiché.</numerusform>
            <numerusform>%n autres messages sont arrivés alors que beaucoup attendaient déjà&#xa0;; ils ne sont pas affichés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Other starts of Tarvelo handed over %1 more problem files while one waited to be opened. Only the last one handed over is open; the others were passed over.</source>
        <translation>D’autres lancements de Tarvelo ont transmis %1 autres fichiers de problème pendant qu’un fichier attendait d’être ouvert. Seul le dernier transmis est ouvert ; les autres ont été ignorés.</translation>
    </message>
    <message>
        <source>%1 could not be made</source>
        <translation>%1 n’a pas pu être créé</translation>
    </message>
    <message>
        <source>the user database gives this user no home</source>
        <translation>la base des utilisateurs ne donne aucun dossier personnel à cet utilisateur</translation>
    </message>
    <message>
        <source>other users may change %1</source>
        <translation>d&apos;autres utilisateurs peuvent modifier %1</translation>
    </message>
</context>
<context>
    <name>ProblemMessages</name>
    <message>
        <source>there is no space left on the disk</source>
        <translation>il n&apos;y a plus de place sur le disque</translation>
    </message>
    <message>
        <source>your share of the disk (quota) is used up</source>
        <translation>ta part du disque (quota) est épuisée</translation>
    </message>
    <message>
        <source>the file would be too large for the disk</source>
        <translation>le fichier serait trop grand pour le disque</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the disk may only be read, not written</source>
        <translation>le disque peut seulement être lu, pas écrit</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>part of the path is not a folder</source>
        <translation>une partie du chemin n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>there is a folder of that name</source>
        <translation>il y a un dossier de ce nom</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>the disk reported a fault while writing</source>
        <translation>le disque a signalé une erreur pendant l&apos;écriture</translation>
    </message>
    <message>
        <source>The problem file “%1” cannot be opened: it does not exist, is not a file, or may not be read.</source>
        <translation>Le fichier de problème «&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: il n&apos;existe pas, ce n&apos;est pas un fichier, ou il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file “%1” is far too large to be a problem file.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est bien trop grand pour être un fichier de problème.</translation>
    </message>
    <message>
        <source>The problem file “%1” is incomplete: it ends before line %2.</source>
        <translation>Le fichier de problème «&#xa0;%1&#xa0;» est incomplet&#xa0;: il s&apos;arrête avant la ligne %2.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” gives %3 as the number of pieces; it must be a whole number from 0 to %4.</source>
        <translation>La ligne %2 du fichier de problème «&#xa0;%1&#xa0;» donne %3 comme nombre de pièces&#xa0;; ce doit être un nombre entier de 0 à %4.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” announces %3 pieces, more than the file holds.</source>
        <translation>La ligne %2 du fichier de problème «&#xa0;%1&#xa0;» annonce %3 pièces, plus que le fichier n&apos;en contient.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” holds a number too large for its place.</source>
        <translation>La ligne %2 du fichier de problème «&#xa0;%1&#xa0;» contient un nombre trop grand pour sa place.</translation>
    </message>
    <message>
        <source>Line %2 of the problem file “%1” names the kind of piece %3, which does not exist.</source>
        <translation>La ligne %2 du fichier de problème «&#xa0;%1&#xa0;» indique la sorte de pièce %3, qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The problem file “%1” cannot be read.</source>
        <translation>Le fichier de problème «&#xa0;%1&#xa0;» ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The problem could not be saved as “%1”: %2.
Nothing was changed.</source>
        <translation>Le problème n&apos;a pas pu être enregistré sous «&#xa0;%1&#xa0;»&#xa0;: %2.
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>le système n&apos;a pas donné de raison</translation>
    </message>
    <message>
        <source>The command line “%1” names no problem file; Tarvelo starts without one.</source>
        <translation>La ligne de commande «&#xa0;%1&#xa0;» n&apos;indique aucun fichier de problème&#xa0;; Tarvelo démarre sans.</translation>
    </message>
    <message>
        <source>“%1” is not a value of %2. %2 takes a whole number from 0 to 9; it keeps its value.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une valeur possible pour %2. %2 ne peut être qu&apos;un nombre entier de 0 à 9&#xa0;; sa valeur ne change pas.</translation>
    </message>
    <message>
        <source>it is a link that belongs to another user, and Tarvelo does not write through it</source>
        <translation>c’est un lien qui appartient à un autre utilisateur, et Tarvelo n’écrit pas à travers lui</translation>
    </message>
    <message>
        <source>it is a link in a folder that other users can change, and Tarvelo does not write through it</source>
        <translation>c’est un lien dans un dossier que d’autres utilisateurs peuvent modifier, et Tarvelo n’écrit pas à travers lui</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or a socket)</source>
        <translation>ce n’est pas un fichier ordinaire (un périphérique, un tube ou une socket)</translation>
    </message>
    <message>
        <source>the file belongs to another user, who would lose it</source>
        <translation>le fichier appartient à un autre utilisateur, qui le perdrait</translation>
    </message>
    <message>
        <source>The problem was saved as “%1”. That file also had other names (hard links); they still hold the old problem.</source>
        <translation>Le problème a été enregistré sous « %1 ». Ce fichier avait aussi d’autres noms (liens physiques) ; ils contiennent toujours l’ancien problème.</translation>
    </message>
    <message>
        <source>The file “%1” is not a problem file: it is not plain text (it may have been saved as UTF-16).</source>
        <translation>Le fichier « %1 » n’est pas un fichier de problème : ce n’est pas du texte brut (il a peut-être été enregistré en UTF-16).</translation>
    </message>
    <message>
        <source>Discard the scene you built?</source>
        <translation>Abandonner la scène que tu as construite&#xa0;?</translation>
    </message>
    <message>
        <source>A lesson is being opened, and Ctrl+Z cannot bring free play back from a lesson. Save the scene first, or discard it?</source>
        <translation>Une leçon s&apos;ouvre, et Ctrl+Z ne ramène pas le jeu libre depuis une leçon. Enregistrer d&apos;abord la scène, ou l&apos;abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>Tarvelo is closing, and the scene is lost unless it is saved. Save the scene first, or discard it?</source>
        <translation>Tarvelo se ferme, et la scène est perdue si elle n&apos;est pas enregistrée. Enregistrer d&apos;abord la scène, ou l&apos;abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>Tarvelo opens one problem file (.trv) at a time: drop a single .trv file on the window to open it.</source>
        <translation>Tarvelo ouvre un fichier de problème (.trv) à la fois&#xa0;: dépose un seul fichier .trv sur la fenêtre pour l&apos;ouvrir.</translation>
    </message>
</context>
<context>
    <name>tarvelo::AccessLayer</name>
    <message>
        <source>Arrows go from piece to piece; Enter picks a piece up and puts it down, Escape puts it back, Delete removes it.</source>
        <translation>Les flèches vont de pièce en pièce&#xa0;; Entrée prend une pièce et la pose, Échap la remet à sa place, Suppr l&apos;enlève.</translation>
    </message>
    <message>
        <source>%1 picked up, %2.</source>
        <translation>%1 en main, %2.</translation>
    </message>
    <message>
        <source>%1 dropped.</source>
        <translation>%1 tombe.</translation>
    </message>
    <message>
        <source>%1 taken back.</source>
        <translation>%1 revient dans la palette.</translation>
    </message>
    <message>
        <source>No pieces yet: add some from the palette.</source>
        <translation>Pas encore de pièces&#xa0;: prends-en dans la palette.</translation>
    </message>
    <message>
        <source>%1 put back.</source>
        <translation>%1 revient à sa place.</translation>
    </message>
    <message>
        <source>%1 put down.</source>
        <translation>%1 se pose.</translation>
    </message>
    <message>
        <source>over the left pan</source>
        <translation>au-dessus du plateau de gauche</translation>
    </message>
    <message>
        <source>over the right pan</source>
        <translation>au-dessus du plateau de droite</translation>
    </message>
    <message>
        <source>over no pan</source>
        <translation>hors des plateaux</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Rien à refaire.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Rien à annuler.</translation>
    </message>
    <message>
        <source>Wait a moment: the new scene is being made.</source>
        <translation>Un instant : la nouvelle scène se prépare.</translation>
    </message>
    <message>
        <source>Pieces to add. Left and Right choose one; Enter picks up a copy, Page Up and Page Down take it over a pan, Enter drops it, Escape takes it back.</source>
        <translation>Pièces à ajouter. Gauche et Droite en choisissent une&#xa0;; Entrée prend une copie, Page précédente et Page suivante la portent au-dessus d&apos;un plateau, Entrée la lâche, Échap la repose.</translation>
    </message>
    <message>
        <source>F2 sets its value.</source>
        <translation>F2 fixe sa valeur.</translation>
    </message>
    <message>
        <source>In a lesson, X stays hidden: find it with the balance.</source>
        <translation>Dans une leçon, X reste caché&#xa0;: trouve-le avec la balance.</translation>
    </message>
    <message>
        <source>In a lesson, Y stays hidden: find it with the balance.</source>
        <translation>Dans une leçon, Y reste caché&#xa0;: trouve-le avec la balance.</translation>
    </message>
    <message>
        <source>%1 removed. Now on %2.</source>
        <translation>%1 enlevé. Maintenant sur %2.</translation>
    </message>
    <message>
        <source>%1 removed. No pieces left.</source>
        <translation>%1 enlevé. Il ne reste aucune pièce.</translation>
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
        <translation>nombres plus grands&#xa0;: échanger et partager</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Niveau %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Challenge: level %1</source>
        <translation>Défi&#xa0;: niveau %1</translation>
    </message>
    <message>
        <source>Find X. Fewest moves: %1.</source>
        <translation>Trouve X. Coups minimum&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Challenge: level %1, number %2</source>
        <translation>Défi&#xa0;: niveau %1, numéro %2</translation>
    </message>
    <message>
        <source>Well done! %1. Two stars: solved in the fewest moves.</source>
        <translation>Bravo&#xa0;! %1. Deux étoiles&#xa0;: résolu avec le moins de coups.</translation>
    </message>
    <message>
        <source>Well done! %1. One star; %2 moves made, fewest %3.</source>
        <translation>Bravo&#xa0;! %1. Une étoile&#xa0;; %2 coups joués, minimum %3.</translation>
    </message>
    <message>
        <source>Stars: %1, solved: %2.</source>
        <translation>Étoiles&#xa0;: %1, résolus&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Start level %1</source>
        <translation>Commencer le niveau %1</translation>
    </message>
    <message>
        <source>Next challenge</source>
        <translation>Défi suivant</translation>
    </message>
    <message>
        <source>Level %1 won: %2 challenges solved! Try level %3.</source>
        <translation>Niveau %1 gagné&#xa0;: %2 défis résolus&#xa0;! Essaie le niveau %3.</translation>
    </message>
    <message>
        <source>Level %1 won: %2 challenges solved! That is the hardest level.</source>
        <translation>Niveau %1 gagné&#xa0;: %2 défis résolus&#xa0;! C&apos;est le niveau le plus difficile.</translation>
    </message>
    <message>
        <source>Well done! %1. One star: the solution was shown.</source>
        <translation>Bravo&#xa0;! %1. Une étoile&#xa0;: la solution a été montrée.</translation>
    </message>
</context>
<context>
    <name>tarvelo::ChallengesWindow</name>
    <message>
        <source>Challenges</source>
        <translation>Défis</translation>
    </message>
    <message>
        <source>Choose a level. A challenge solved wins a star, and one more when solved in the fewest moves.</source>
        <translation>Choisis un niveau. Un défi résolu rapporte une étoile, et une de plus s&apos;il est résolu avec le moins de coups.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
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
        <translation>%1 égale %2</translation>
    </message>
    <message>
        <source>%1 is less than %2</source>
        <translation>%1 est plus petit que %2</translation>
    </message>
    <message>
        <source>%1 is more than %2</source>
        <translation>%1 est plus grand que %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 fois %2</translation>
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
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Tarvelo problem</source>
        <translation>Problème Tarvelo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>Fichier %1</translation>
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
        <translation>O u t i l s   é d u c a t i f s</translation>
    </message>
    <message>
        <source>Programming:</source>
        <translation>Programmation&#xa0;:</translation>
    </message>
    <message>
        <source>The Tarvelo team</source>
        <translation>L&apos;équipe Tarvelo</translation>
    </message>
    <message>
        <source>From an idea of:</source>
        <translation>D&apos;après une idée de&#xa0;:</translation>
    </message>
    <message>
        <source>Ver. 0.5 - 25 Dec 2007</source>
        <translation>Ver. 0.5 - 25 déc. 2007</translation>
    </message>
    <message>
        <source>Close me</source>
        <translation>Ferme-moi</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Left, Right, Home, End</source>
        <translation>Gauche, Droite, Origine, Fin</translation>
    </message>
    <message>
        <source>choose a piece in the palette</source>
        <translation>choisir une pièce dans la palette</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Entrée, Espace</translation>
    </message>
    <message>
        <source>pick up a piece; drop it or put it down</source>
        <translation>prendre une pièce&#xa0;; la lâcher ou la poser</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flèches</translation>
    </message>
    <message>
        <source>move what you carry (with Shift: a little); in the scene, go from piece to piece</source>
        <translation>déplacer ce que tu portes (avec Maj&#xa0;: un peu)&#xa0;; dans la scène, aller de pièce en pièce</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page précédente, Page suivante</translation>
    </message>
    <message>
        <source>over the left pan, over the right pan</source>
        <translation>au-dessus du plateau gauche, au-dessus du plateau droit</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>put back what you carry</source>
        <translation>remettre ce que tu portes</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>remove the piece in the scene</source>
        <translation>enlever la pièce de la scène</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>the value of X or Y</source>
        <translation>la valeur de X ou de Y</translation>
    </message>
    <message>
        <source>Ctrl+N, Ctrl+O, Ctrl+S</source>
        <translation>Ctrl+N, Ctrl+O, Ctrl+S</translation>
    </message>
    <message>
        <source>New, Load, Save</source>
        <translation>Nouveau, Charger, Enregistrer</translation>
    </message>
    <message>
        <source>Ctrl+R, Ctrl+L</source>
        <translation>Ctrl+R, Ctrl+L</translation>
    </message>
    <message>
        <source>Restart, Show solution</source>
        <translation>Recommencer, Voir la solution</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>undo what you did last</source>
        <translation>annuler ce que tu as fait en dernier</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Ctrl+Maj+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>redo it</source>
        <translation>le refaire</translation>
    </message>
    <message>
        <source>Educational tools</source>
        <translation>Outils éducatifs</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&amp;nbsp;&amp;nbsp; %2</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&amp;nbsp;&amp;nbsp; %2</translation>
    </message>
    <message>
        <source>palette, scene, equation, buttons, this information</source>
        <translation>palette, scène, équation, boutons, ces informations</translation>
    </message>
    <message>
        <source>Ctrl++, Ctrl+-, Ctrl+0</source>
        <translation>Ctrl++, Ctrl+-, Ctrl+0</translation>
    </message>
    <message>
        <source>make the window larger, smaller, its own size</source>
        <translation>agrandir la fenêtre, la réduire, sa taille normale</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>full screen, as large as the screen allows; again: back</source>
        <translation>plein écran, aussi grand que l’écran le permet&#xa0;; encore&#xa0;: retour</translation>
    </message>
    <message>
        <source>moves, challenges, lessons</source>
        <translation>coups, défis, leçons</translation>
    </message>
    <message>
        <source>Ctrl+M, Ctrl+G, Ctrl+Shift+L</source>
        <translation>Ctrl+M, Ctrl+G, Ctrl+Maj+L</translation>
    </message>
    <message>
        <source>Ctrl+B, Ctrl+E</source>
        <translation>Ctrl+B, Ctrl+E</translation>
    </message>
    <message>
        <source>Ctrl+Shift+B, Ctrl+Shift+M</source>
        <translation>Ctrl+Maj+B, Ctrl+Maj+M</translation>
    </message>
    <message>
        <source>balance again; equation aloud</source>
        <translation>balance à nouveau&#xa0;; équation à voix haute</translation>
    </message>
    <message>
        <source>each pan&apos;s load; sound on, off</source>
        <translation>charge des plateaux&#xa0;; son oui, non</translation>
    </message>
    <message>
        <source>F1; Ctrl+Q, Ctrl+W</source>
        <translation>F1; Ctrl+Q, Ctrl+W</translation>
    </message>
    <message>
        <source>this information; close Tarvelo</source>
        <translation>ces informations&#xa0;; fermer Tarvelo</translation>
    </message>
</context>
<context>
    <name>tarvelo::FrmMain</name>
    <message>
        <source>Show solution</source>
        <translation>Voir la solution</translation>
    </message>
    <message>
        <source>Hide solution</source>
        <translation>Cacher la solution</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>X value<byte value="xd"/>
(change or leave unchanged):</source>
        <translation>Valeur de X<byte value="xd"/>
(change-la ou laisse-la telle quelle)&#xa0;:</translation>
    </message>
    <message>
        <source>Y value<byte value="xd"/>
(change or leave unchanged):</source>
        <translation>Valeur de Y<byte value="xd"/>
(change-la ou laisse-la telle quelle)&#xa0;:</translation>
    </message>
    <message>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <source>Program info</source>
        <translation>À propos du programme</translation>
    </message>
    <message>
        <source>Drag inside...</source>
        <translation>Fais glisser dedans...</translation>
    </message>
    <message>
        <source>Left-click and drag : move the objects</source>
        <translation>Clic gauche et glisse&#xa0;: déplace les pièces</translation>
    </message>
    <message>
        <source>Drag down for removing...</source>
        <translation>Glisse vers le bas pour enlever...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Tarvelo problem</source>
        <translation>Problème Tarvelo</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>MyFileName</source>
        <translation>MonFichier</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problème</translation>
    </message>
    <message>
        <source>Click: moves on both pans (Ctrl+M)</source>
        <translation>Clic&#xa0;: coups sur les deux plateaux (Ctrl+M)</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Son activé.</translation>
    </message>
    <message>
        <source>Sound off.</source>
        <translation>Son coupé.</translation>
    </message>
    <message>
        <source>No voice can read aloud: the speech service does not answer.</source>
        <translation>Aucune voix ne peut lire à voix haute&#xa0;: le service de synthèse vocale ne répond pas.</translation>
    </message>
</context>
<context>
    <name>tarvelo::LessonTexts</name>
    <message>
        <source>Make both pans balance</source>
        <translation>Équilibrer les deux plateaux</translation>
    </message>
    <message>
        <source>Find X</source>
        <translation>Trouver X</translation>
    </message>
    <message>
        <source>Find Y</source>
        <translation>Trouver Y</translation>
    </message>
    <message>
        <source>Find X and Y</source>
        <translation>Trouver X et Y</translation>
    </message>
    <message>
        <source>Make the left pan heavier</source>
        <translation>Rendre le plateau de gauche plus lourd</translation>
    </message>
    <message>
        <source>Make the right pan heavier</source>
        <translation>Rendre le plateau de droite plus lourd</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The tag of the language of this translation, as a lesson file writes it: it, de, fr or es.</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Lesson: %1. %2</source>
        <translation>Leçon&#xa0;: %1. %2</translation>
    </message>
    <message>
        <source>Well done! The lesson is done.</source>
        <translation>Bravo&#xa0;! La leçon est faite.</translation>
    </message>
    <message>
        <source>Next lesson</source>
        <translation>Leçon suivante</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. %2, done: one star</source>
        <translation>%1. %2, faite&#xa0;: une étoile</translation>
    </message>
    <message>
        <source>These lesson files could not be read: %1</source>
        <translation>Ces fichiers de leçon ne peuvent pas être lus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your lessons already hold a lesson called “%1”. Replace it?</source>
        <translation>Tes leçons contiennent déjà une leçon appelée «&#xa0;%1&#xa0;». La remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The lesson could not be saved as “%1”: %2.</source>
        <translation>La leçon n&apos;a pas pu être enregistrée sous «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>son dossier n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>Lesson saved: %1.</source>
        <translation>Leçon enregistrée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarvelo::LessonsWindow</name>
    <message>
        <source>Lessons</source>
        <translation>Leçons</translation>
    </message>
    <message>
        <source>Choose a lesson and open it. A lesson done wins a star.</source>
        <translation>Choisis une leçon et ouvre-la. Une leçon faite gagne une étoile.</translation>
    </message>
    <message>
        <source>Lessons of the program</source>
        <translation>Leçons du programme</translation>
    </message>
    <message>
        <source>My lessons</source>
        <translation>Mes leçons</translation>
    </message>
    <message>
        <source>My lessons are kept in %1. To share a lesson, copy its .trv and .lesson files into this folder on the other computer.</source>
        <translation>Mes leçons sont rangées dans %1. Pour partager une leçon, copie ses fichiers .trv et .lesson dans ce dossier sur l&apos;autre ordinateur.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save this scene as a lesson…</source>
        <translation>Enregistrer cette scène comme leçon…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tarvelo::MovesPanel</name>
    <message>
        <source>Same on both pans</source>
        <translation>Pareil sur les deux plateaux</translation>
    </message>
    <message>
        <source>Piece</source>
        <translation>Pièce</translation>
    </message>
    <message>
        <source>Take from both pans</source>
        <translation>Retirer des deux plateaux</translation>
    </message>
    <message>
        <source>Add to both pans</source>
        <translation>Ajouter aux deux plateaux</translation>
    </message>
    <message>
        <source>Exchange cubes on one pan</source>
        <translation>Échanger des cubes sur un plateau</translation>
    </message>
    <message>
        <source>left pan</source>
        <translation>plateau de gauche</translation>
    </message>
    <message>
        <source>right pan</source>
        <translation>plateau de droite</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>N, the cube to split</source>
        <translation>N, le cube à couper</translation>
    </message>
    <message>
        <source>A, the first cube</source>
        <translation>A, le premier cube</translation>
    </message>
    <message>
        <source>B, the second cube</source>
        <translation>B, le second cube</translation>
    </message>
    <message>
        <source>Split N into A + B</source>
        <translation>Couper N en A + B</translation>
    </message>
    <message>
        <source>Join A + B</source>
        <translation>Réunir A + B</translation>
    </message>
    <message>
        <source>Share both pans</source>
        <translation>Partager les deux plateaux</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Share into equal groups</source>
        <translation>Partager en groupes égaux</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Dernier coup</translation>
    </message>
    <message>
        <source>No move made yet.</source>
        <translation>Aucun coup pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Check an answer</source>
        <translation>Vérifier une réponse</translation>
    </message>
    <message>
        <source>Lock both pans</source>
        <translation>Bloquer les deux plateaux</translation>
    </message>
    <message>
        <source>Value of X</source>
        <translation>Valeur de X</translation>
    </message>
    <message>
        <source>Value of Y</source>
        <translation>Valeur de Y</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Trail of equations</source>
        <translation>Suite des équations</translation>
    </message>
    <message>
        <source>Copy trail</source>
        <translation>Copier la suite</translation>
    </message>
    <message>
        <source>Print trail…</source>
        <translation>Imprimer la suite…</translation>
    </message>
    <message>
        <source>Close the panel</source>
        <translation>Fermer le panneau</translation>
    </message>
    <message>
        <source>not shown yet</source>
        <translation>pas encore visible</translation>
    </message>
    <message>
        <source>Challenges…</source>
        <translation>Défis…</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Leçons…</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Read each balance aloud</source>
        <translation>Lire chaque pesée à voix haute</translation>
    </message>
    <message>
        <source>Tarvelo</source>
        <translation>Tarvelo</translation>
    </message>
    <message>
        <source>The trail of equations could not be printed.</source>
        <translation>La suite des équations n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>The trail of equations could not be printed to “%1”: the file could not be written whole (is the disk full?).</source>
        <translation>La suite des équations n&apos;a pas pu être imprimée dans «&#xa0;%1&#xa0;»&#xa0;: le fichier n&apos;a pas pu être écrit en entier (le disque est-il plein&#xa0;?).</translation>
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
        <translation>cube %1</translation>
    </message>
    <message>
        <source>%1 cubes %2</source>
        <translation>%1 cubes %2</translation>
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
        <translation>un smiley</translation>
    </message>
    <message>
        <source>%1 smileys</source>
        <translation>%1 smileys</translation>
    </message>
    <message>
        <source>unknown X</source>
        <translation>inconnue X</translation>
    </message>
    <message>
        <source>unknown Y</source>
        <translation>inconnue Y</translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>smiley</translation>
    </message>
    <message>
        <source>pan</source>
        <translation>plateau</translation>
    </message>
    <message>
        <source>piece</source>
        <translation>pièce</translation>
    </message>
    <message>
        <source>%1, on no pan</source>
        <translation>%1, hors des plateaux</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>left pan: %1; total %2</source>
        <translation>plateau de gauche&#xa0;: %1&#xa0;; total %2</translation>
    </message>
    <message>
        <source>right pan: %1; total %2</source>
        <translation>plateau de droite&#xa0;: %1&#xa0;; total %2</translation>
    </message>
    <message>
        <source>left side heavier</source>
        <translation>le côté gauche est plus lourd</translation>
    </message>
    <message>
        <source>right side heavier</source>
        <translation>le côté droit est plus lourd</translation>
    </message>
    <message>
        <source>both sides equal</source>
        <translation>les deux côtés sont égaux</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, which is %2</source>
        <translation>%1, qui vaut %2</translation>
    </message>
    <message>
        <source>%1, on the left pan</source>
        <translation>%1, sur le plateau de gauche</translation>
    </message>
    <message>
        <source>%1, on the right pan</source>
        <translation>%1, sur le plateau de droite</translation>
    </message>
    <message>
        <source>%1, on %2 on the left pan</source>
        <translation>%1, sur %2 sur le plateau de gauche</translation>
    </message>
    <message>
        <source>%1, on %2 on the right pan</source>
        <translation>%1, sur %2 sur le plateau de droite</translation>
    </message>
    <message>
        <source>Solution shown: X is %1, Y is %2.</source>
        <translation>Solution affichée&#xa0;: X vaut %1, Y vaut %2.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Solution cachée.</translation>
    </message>
    <message>
        <source>New scene: the pans are empty. Ctrl+Z brings back the last one.</source>
        <translation>Nouvelle scène&#xa0;: les plateaux sont vides. Ctrl+Z ramène la précédente.</translation>
    </message>
    <message>
        <source>Started again: %1. Ctrl+Z brings back the last scene.</source>
        <translation>Recommencé&#xa0;: %1. Ctrl+Z ramène la scène précédente.</translation>
    </message>
    <message>
        <source>Opened %1. Ctrl+Z brings back the last scene.</source>
        <translation>%1 ouvert. Ctrl+Z ramène la scène précédente.</translation>
    </message>
    <message>
        <source>%1. %2.</source>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>%1 ouvert.</translation>
    </message>
    <message>
        <source>Full screen, zoom %1 %.</source>
        <translation>Plein écran, zoom %1&#xa0;%.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Zoom %1&#xa0;%.</translation>
    </message>
    <message>
        <source>dropped %1</source>
        <translation>pose de %1</translation>
    </message>
    <message>
        <source>moved %1</source>
        <translation>déplacement de %1</translation>
    </message>
    <message>
        <source>removed %1</source>
        <translation>retrait de %1</translation>
    </message>
    <message>
        <source>the value of %1 set</source>
        <translation>valeur de %1 changée</translation>
    </message>
    <message>
        <source>solution shown</source>
        <translation>affichage de la solution</translation>
    </message>
    <message>
        <source>solution hidden</source>
        <translation>masquage de la solution</translation>
    </message>
    <message>
        <source>scene replaced</source>
        <translation>remplacement de la scène</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Refait&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Annulé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 taken from both pans</source>
        <translation>%1 retiré des deux plateaux</translation>
    </message>
    <message>
        <source>%1 added to both pans</source>
        <translation>%1 ajouté aux deux plateaux</translation>
    </message>
    <message>
        <source>%1 dropped on a pan</source>
        <translation>%1 posé sur un plateau</translation>
    </message>
    <message>
        <source>%1 taken from a pan</source>
        <translation>%1 retiré d&apos;un plateau</translation>
    </message>
    <message>
        <source>%1 split in two</source>
        <translation>%1 coupé en deux</translation>
    </message>
    <message>
        <source>two cubes joined into %1</source>
        <translation>deux cubes réunis en %1</translation>
    </message>
    <message>
        <source>both pans shared into groups</source>
        <translation>les deux plateaux partagés en groupes</translation>
    </message>
    <message>
        <source>There is no cube %1.</source>
        <translation>Il n&apos;y a pas de cube %1.</translation>
    </message>
    <message>
        <source>The left pan holds no %1.</source>
        <translation>Sur le plateau de gauche, il manque&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The right pan holds no %1.</source>
        <translation>Sur le plateau de droite, il manque&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The two cubes would make %1, not %2.</source>
        <translation>Les deux cubes feraient %1, et non %2.</translation>
    </message>
    <message>
        <source>The two cubes would make %1, and no cube bears more than 9.</source>
        <translation>Les deux cubes feraient %1, et aucun cube ne porte plus de 9.</translation>
    </message>
    <message>
        <source>Sharing takes 2 groups or more, not %1.</source>
        <translation>Un partage demande 2 groupes ou plus, et non %1.</translation>
    </message>
    <message>
        <source>On the left pan, %1 cannot be shared into %2 equal groups.</source>
        <translation>Sur le plateau de gauche, %1 ne se partagent pas en %2 groupes égaux.</translation>
    </message>
    <message>
        <source>On the right pan, %1 cannot be shared into %2 equal groups.</source>
        <translation>Sur le plateau de droite, %1 ne se partagent pas en %2 groupes égaux.</translation>
    </message>
    <message>
        <source>On the left pan, the numbers worth %1 cannot be shared into %2 equal groups.</source>
        <translation>Sur le plateau de gauche, les nombres qui valent %1 ne se partagent pas en %2 groupes égaux.</translation>
    </message>
    <message>
        <source>On the right pan, the numbers worth %1 cannot be shared into %2 equal groups.</source>
        <translation>Sur le plateau de droite, les nombres qui valent %1 ne se partagent pas en %2 groupes égaux.</translation>
    </message>
    <message>
        <source>On the left pan, no cubes make up %1 as they are: exchange first.</source>
        <translation>Sur le plateau de gauche, aucun cube tel quel ne fait %1&#xa0;: échangez d&apos;abord.</translation>
    </message>
    <message>
        <source>On the right pan, no cubes make up %1 as they are: exchange first.</source>
        <translation>Sur le plateau de droite, aucun cube tel quel ne fait %1&#xa0;: échangez d&apos;abord.</translation>
    </message>
    <message>
        <source>%1 cannot go on a pan.</source>
        <translation>%1 ne peut pas aller sur un plateau.</translation>
    </message>
    <message>
        <source>There is no room above the left pan for another %1.</source>
        <translation>Il n&apos;y a plus de place au-dessus du plateau de gauche pour un autre %1.</translation>
    </message>
    <message>
        <source>There is no room above the right pan for another %1.</source>
        <translation>Il n&apos;y a plus de place au-dessus du plateau de droite pour un autre %1.</translation>
    </message>
    <message>
        <source>There is no pan %1.</source>
        <translation>Il n&apos;y a pas de plateau %1.</translation>
    </message>
    <message>
        <source>an answer checked</source>
        <translation>une réponse vérifiée</translation>
    </message>
    <message>
        <source>Y is a whole number from 0 to %2, not %1.</source>
        <translation>Y est un nombre entier de 0 à %2, pas %1.</translation>
    </message>
    <message>
        <source>X is a whole number from 0 to %2, not %1.</source>
        <translation>X est un nombre entier de 0 à %2, pas %1.</translation>
    </message>
    <message>
        <source>Done: %1.</source>
        <translation>Fait&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Put down what you hold first, then make the move.</source>
        <translation>Pose d&apos;abord ce que tu tiens, puis joue le coup.</translation>
    </message>
    <message>
        <source>The scene is being emptied: make the move once it is ready.</source>
        <translation>La scène est en train de se vider&#xa0;: joue le coup quand elle sera prête.</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>Solved: %1.</source>
        <translation>Résolu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The pans are locked. %1</source>
        <translation>Les plateaux sont bloqués. %1</translation>
    </message>
    <message>
        <source>Zoom %1 %, the largest for this screen.</source>
        <translation>Zoom %1&#xa0;%, le plus grand pour cet écran.</translation>
    </message>
    <message>
        <source>Zoom %1 %, the smallest for this screen.</source>
        <translation>Zoom %1&#xa0;%, le plus petit pour cet écran.</translation>
    </message>
</context>
<context>
    <name>tarvelo::SaveLessonDialog</name>
    <message>
        <source>Save as lesson</source>
        <translation>Enregistrer comme leçon</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Instruction for the child:</source>
        <translation>&amp;Consigne pour l&apos;enfant&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Goal the program checks:</source>
        <translation>&amp;But que le programme vérifie&#xa0;:</translation>
    </message>
    <message>
        <source>Characters a lesson cannot keep will be saved as spaces.</source>
        <translation>Les caractères qu&apos;une leçon ne peut pas garder seront enregistrés comme des espaces.</translation>
    </message>
</context>
<context>
    <name>tarvelo::SceneAccessible</name>
    <message>
        <source>the two pans</source>
        <translation>les deux plateaux</translation>
    </message>
    <message>
        <source>scene</source>
        <translation>scène</translation>
    </message>
</context>
<context>
    <name>tarvelo::TrailText</name>
    <message>
        <source>smiley</source>
        <translation>smiley</translation>
    </message>
    <message>
        <source>take %1 from both</source>
        <translation>retirer %1 des deux</translation>
    </message>
    <message>
        <source>add %1 to both</source>
        <translation>ajouter %1 aux deux</translation>
    </message>
    <message>
        <source>add %1 to the left pan</source>
        <translation>ajouter %1 au plateau de gauche</translation>
    </message>
    <message>
        <source>add %1 to the right pan</source>
        <translation>ajouter %1 au plateau de droite</translation>
    </message>
    <message>
        <source>take %1 from the left pan</source>
        <translation>retirer %1 du plateau de gauche</translation>
    </message>
    <message>
        <source>take %1 from the right pan</source>
        <translation>retirer %1 du plateau de droite</translation>
    </message>
    <message>
        <source>remove %1</source>
        <translation>enlever %1</translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation>lâcher %1</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>déplacer %1</translation>
    </message>
    <message>
        <source>exchange %1 → %2 + %3</source>
        <translation>échanger %1 → %2 + %3</translation>
    </message>
    <message>
        <source>exchange %1 + %2 → %3</source>
        <translation>échanger %1 + %2 → %3</translation>
    </message>
    <message>
        <source>share both into %1 groups, keep one</source>
        <translation>partager les deux en %1 groupes, en garder un</translation>
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
        <translation>Vérification&#xa0;: %1 …</translation>
    </message>
    <message>
        <source>Check: %1, it balances.</source>
        <translation>Vérification&#xa0;: %1, la balance est équilibrée.</translation>
    </message>
    <message>
        <source>Check: %1, it does not balance.</source>
        <translation>Vérification&#xa0;: %1, la balance n&apos;est pas équilibrée.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Do the same on the other pan to keep the balance.</source>
        <translation>Fais la même chose sur l&apos;autre plateau pour garder l&apos;équilibre.</translation>
    </message>
</context>
</TS>
