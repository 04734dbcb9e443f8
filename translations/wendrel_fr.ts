<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CFigureChooserDlg</name>
    <message>
        <source>Choose Figure</source>
        <translation>Choisir une forme</translation>
    </message>
    <message>
        <source>%1, %2 pieces</source>
        <translation>%1, %2 pièces</translation>
    </message>
    <message>
        <source>Solved: %1</source>
        <translation>Résolus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Best time: %1</source>
        <translation>Meilleur temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>Each figure&apos;s own</source>
        <translation>Propres à chaque forme</translation>
    </message>
    <message>
        <source>&amp;Pieces:</source>
        <translation>&amp;Pièces&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Remove the chosen figure of your own</source>
        <translation>Supprimer la forme choisie parmi les vôtres</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CGenerateNumberDlg</name>
    <message>
        <source>Generate Number</source>
        <translation>Puzzle par numéro</translation>
    </message>
    <message>
        <source>&amp;Puzzle number:</source>
        <translation>&amp;Numéro du puzzle&#xa0;:</translation>
    </message>
    <message>
        <source>the puzzle number needs a number</source>
        <translation>Saisissez un numéro de puzzle.</translation>
    </message>
    <message>
        <source>seed &apos;%1&apos; is not a whole number</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier.</translation>
    </message>
    <message>
        <source>seed &apos;%1&apos; is out of range (%2 to %3)</source>
        <translation>«&#xa0;%1&#xa0;» est hors limites (de %2 à %3).</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Generate</source>
        <translation>Nouveau puzzle</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Nouveau puzzle</translation>
    </message>
    <message>
        <source>Generate a new puzzle</source>
        <translation>Créer un nouveau puzzle</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Quitter l’application</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Afficher/masquer la barre d’état</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d’état</translation>
    </message>
    <message>
        <source>&amp;Instructions...</source>
        <translation>&amp;Instructions...</translation>
    </message>
    <message>
        <source>Display instructions</source>
        <translation>Afficher les instructions</translation>
    </message>
    <message>
        <source>&amp;Terms of use...</source>
        <translation>&amp;Conditions d’utilisation...</translation>
    </message>
    <message>
        <source>Display terms of use</source>
        <translation>Afficher les conditions d’utilisation</translation>
    </message>
    <message>
        <source>&amp;More Games...</source>
        <translation>&amp;Autres jeux...</translation>
    </message>
    <message>
        <source>Display website information</source>
        <translation>Afficher les informations sur le site web</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation>À &amp;propos de %1...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>Generate &amp;Number...</source>
        <translation>Puzzle par nu&amp;méro...</translation>
    </message>
    <message>
        <source>Generate Number</source>
        <translation>Puzzle par numéro</translation>
    </message>
    <message>
        <source>Generate the puzzle of a given number</source>
        <translation>Créer le puzzle qui porte un numéro donné</translation>
    </message>
    <message>
        <source>&amp;Restart Puzzle</source>
        <translation>&amp;Recommencer le puzzle</translation>
    </message>
    <message>
        <source>Restart Puzzle</source>
        <translation>Recommencer le puzzle</translation>
    </message>
    <message>
        <source>Put every piece back where the puzzle began</source>
        <translation>Remettre chaque pièce à sa place du début</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Join one more piece to the selected or the largest group</source>
        <translation>Joindre une pièce de plus au groupe sélectionné ou au plus grand</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>Ré&amp;soudre</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Join every piece and show the solved puzzle</source>
        <translation>Assembler toutes les pièces et montrer le puzzle résolu</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Show the puzzles solved and the best times for each shape</source>
        <translation>Afficher les puzzles résolus et les meilleurs temps de chaque forme</translation>
    </message>
    <message>
        <source>T&amp;imer</source>
        <translation>&amp;Chronomètre</translation>
    </message>
    <message>
        <source>Toggle Timer</source>
        <translation>Afficher/masquer le chronomètre</translation>
    </message>
    <message>
        <source>Show or hide the playing time</source>
        <translation>Afficher ou masquer le temps de jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvrir un document existant</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistrer le document actif</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimer le document actif</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Rétablir l’action annulée</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre d’&amp;outils</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Afficher/masquer la barre d’outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d’outils</translation>
    </message>
    <message>
        <source>%1 groups left</source>
        <translation>%1 groupes restants</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Résolu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>S&amp;hape</source>
        <translation>&amp;Forme</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Wendrel is a shape reconstruction puzzle.

To play, click on File &gt; Generate.  Then use
the left mouse button to drag-and-drop the
pieces into their correct positions.  Double
click to flip, right click to rotate.  The puzzle
is complete when all pieces are connected.
</source>
        <translation>Wendrel est un puzzle où il faut reconstituer
une forme.

Pour jouer, cliquez sur Fichier &gt; Nouveau puzzle.
Faites ensuite glisser les pièces à leur place
avec le bouton gauche de la souris. Un double
clic retourne une pièce, un clic droit la fait
pivoter. Le puzzle est terminé quand toutes les
pièces sont réunies.
</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Solved by the program</source>
        <translation>Résolu par le programme</translation>
    </message>
    <message>
        <source>Solved with 1 hint</source>
        <translation>Résolu avec 1 indice</translation>
    </message>
    <message>
        <source>Solved with %1 hints</source>
        <translation>Résolu avec %1 indices</translation>
    </message>
    <message>
        <source>Solved in %1 – a new best for %2</source>
        <translation>Résolu en %1 – nouveau record pour «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Solved in %1 (best %2)</source>
        <translation>Résolu en %1 (record&#xa0;: %2)</translation>
    </message>
    <message>
        <source>Solved in %1</source>
        <translation>Résolu en %1</translation>
    </message>
    <message>
        <source>Terms of use</source>
        <translation>Conditions d’utilisation</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Save the game under a new name</source>
        <translation>Enregistrer la partie sous un nouveau nom</translation>
    </message>
    <message>
        <source>Re&amp;member Game on Exit</source>
        <translation>&amp;Garder la partie en quittant</translation>
    </message>
    <message>
        <source>Remember Game on Exit</source>
        <translation>Garder la partie en quittant</translation>
    </message>
    <message>
        <source>Keep the game when the window closes and bring it back at the next start</source>
        <translation>Garder la partie à la fermeture de la fenêtre et la reprendre au prochain lancement</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Hide the puzzle and stop the clock until you go on playing</source>
        <translation>Masquer le puzzle et arrêter le chronomètre jusqu’à ce que vous repreniez la partie</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>P&amp;lein écran</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Fill the whole screen with the window, or give it back</source>
        <translation>Étendre la fenêtre à tout l’écran, ou lui rendre sa taille</translation>
    </message>
    <message>
        <source>Choose &amp;Figure...</source>
        <translation>&amp;Choisir une forme...</translation>
    </message>
    <message>
        <source>Choose Figure</source>
        <translation>Choisir une forme</translation>
    </message>
    <message>
        <source>Choose a figure and start a puzzle of it</source>
        <translation>Choisir une forme et commencer un puzzle de cette forme</translation>
    </message>
    <message>
        <source>&amp;More Figures...</source>
        <translation>&amp;Autres formes...</translation>
    </message>
    <message>
        <source>More Figures</source>
        <translation>Autres formes</translation>
    </message>
    <message>
        <source>Choose from every figure and start a puzzle of it</source>
        <translation>Choisir parmi toutes les formes et commencer un puzzle de cette forme</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Figure Out&amp;line</source>
        <translation>Contour de la &amp;forme</translation>
    </message>
    <message>
        <source>Toggle Figure Outline</source>
        <translation>Afficher/masquer le contour de la forme</translation>
    </message>
    <message>
        <source>Show or hide the figure being played beside the play area</source>
        <translation>Afficher ou masquer, à côté de l’aire de jeu, la forme du puzzle en cours</translation>
    </message>
    <message>
        <source>%1, %2 pieces, puzzle %3</source>
        <translation>%1, %2 pièces, puzzle %3</translation>
    </message>
    <message>
        <source>Open F&amp;igure...</source>
        <translation>O&amp;uvrir une forme...</translation>
    </message>
    <message>
        <source>Open Figure</source>
        <translation>Ouvrir une forme</translation>
    </message>
    <message>
        <source>Add a figure file to your own figures and start a puzzle of it</source>
        <translation>Ajouter un fichier de forme à vos propres formes et commencer un puzzle de cette forme</translation>
    </message>
    <message>
        <source>&amp;Each Figure&apos;s Own</source>
        <translation>&amp;Propres à chaque forme</translation>
    </message>
    <message>
        <source>%1 pieces</source>
        <translation>%1 pièces</translation>
    </message>
    <message>
        <source>Cut each figure into its own pieces</source>
        <translation>Découper chaque forme en ses propres pièces</translation>
    </message>
    <message>
        <source>Cut the next puzzles into %1 pieces</source>
        <translation>Découper les prochains puzzles en %1 pièces</translation>
    </message>
    <message>
        <source>Wendrel figures (*%1)</source>
        <translation>Formes de Wendrel (*%1)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no puzzle could be cut from this figure; its narrowest parts may be too thin</source>
        <translation>Aucun puzzle n’a pu être découpé dans cette forme&#xa0;; ses parties les plus étroites sont peut-être trop fines.</translation>
    </message>
    <message>
        <source>Pi&amp;eces</source>
        <translation>&amp;Pièces</translation>
    </message>
    <message>
        <source>&amp;10 to 20 pieces</source>
        <translation>&amp;10 à 20 pièces</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Images (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>Cannot make a figure from %1: %2</source>
        <translation>Impossible de créer une forme à partir de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>New Figure from Picture</source>
        <translation>Nouvelle forme à partir d’une image</translation>
    </message>
    <message>
        <source>Make a figure of your own from the largest shape of a picture</source>
        <translation>Créer votre propre forme à partir de la plus grande silhouette d’une image</translation>
    </message>
    <message>
        <source>Ne&amp;w Figure from Picture...</source>
        <translation>Nou&amp;velle forme à partir d’une image...</translation>
    </message>
</context>
<context>
    <name>CMoreGamesDlg</name>
    <message>
        <source>More Games</source>
        <translation>Autres jeux</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>My website has more games like this that you can download.  If you have Microsoft Internet Explorer or Netscape Navigator and a connection to the Internet, these buttons will launch your browser and take you to my web page.</source>
        <translation>Mon site web propose d’autres jeux comme celui-ci à télécharger. Si vous avez Microsoft Internet Explorer ou Netscape Navigator et une connexion à Internet, ces boutons ouvrent votre navigateur sur ma page web.</translation>
    </message>
    <message>
        <source>Internet Explorer</source>
        <translation>Internet Explorer</translation>
    </message>
    <message>
        <source>Netscape Navigator</source>
        <translation>Netscape Navigator</translation>
    </message>
    <message>
        <source>If you have a question or a comment, please write to:</source>
        <translation>Pour toute question ou remarque, écrivez-moi à&#xa0;:</translation>
    </message>
    <message>
        <source>No web browser could be started.

To visit the page, open this address in a web browser:
%1</source>
        <translation>Aucun navigateur web n’a pu être lancé.

Pour visiter la page, ouvrez cette adresse dans un navigateur web&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>CMorvaneApp</name>
    <message>
        <source>These figures of your own could not be read and were set aside:
%1</source>
        <translation>Ces formes, parmi les vôtres, n’ont pas pu être lues et ont été mises de côté&#xa0;:
%1</translation>
    </message>
    <message>
        <source>My Figures</source>
        <translation>Mes formes</translation>
    </message>
    <message>
        <source>Cannot open figure %1: %2</source>
        <translation>Impossible d’ouvrir la forme %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Open Figure</source>
        <translation>Ouvrir une forme</translation>
    </message>
</context>
<context>
    <name>CMorvaneDoc</name>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>Impossible d’ouvrir %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>Impossible d’enregistrer %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Wendrel games (*.%1);;All files (*)</source>
        <translation>Parties de Wendrel (*.%1);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>CMorvaneView</name>
    <message>
        <source>Puzzle creation failed.  Please try again.  
<byte value="xd"/></source>
        <translation>La création du puzzle a échoué. Veuillez réessayer.  
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Internal Error - GetDC() failed</source>
        <translation>Erreur interne – échec de GetDC()</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>The printer did not take the printout.</source>
        <translation>L’imprimante n’a pas accepté l’impression.</translation>
    </message>
    <message>
        <source>Cannot print to %1:
%2</source>
        <translation>Impossible d’imprimer sur %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>This move of the opened game does not fit its puzzle, so it cannot be shown.</source>
        <translation>Ce coup de la partie ouverte ne correspond pas à son puzzle&#xa0;; il ne peut donc pas être affiché.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Press P or click to go on playing</source>
        <translation>Appuyez sur P ou cliquez pour reprendre la partie</translation>
    </message>
</context>
<context>
    <name>CPictureFigureDlg</name>
    <message>
        <source>New Figure from Picture</source>
        <translation>Nouvelle forme à partir d’une image</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Pieces:</source>
        <translation>&amp;Pièces&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CStatisticsDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Résolus</translation>
    </message>
    <message>
        <source>With help</source>
        <translation>Avec aide</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Mean time</source>
        <translation>Temps moyen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Clear the statistics of every shape?</source>
        <translation>Effacer les statistiques de toutes les formes&#xa0;?</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Pièces</translation>
    </message>
</context>
<context>
    <name>CommandLineInfo</name>
    <message>
        <source>empty argument at position %1</source>
        <translation>argument vide en position %1</translation>
    </message>
    <message>
        <source>only one file can be opened, but &apos;%1&apos; follows &apos;%2&apos;</source>
        <translation>un seul fichier peut être ouvert, mais «&#xa0;%1&#xa0;» suit «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>wendrel: %1
Try &apos;wendrel --help&apos; for more information.
</source>
        <translation>wendrel&#xa0;: %1
Saisissez «&#xa0;wendrel --help&#xa0;» pour plus d’informations.
</translation>
    </message>
    <message>
        <source>Usage: wendrel [--seed N] [--shape NAME] [FILE]
A shape reconstruction puzzle: put the scattered pieces together again.

  --seed N      make the first Generate use seed N (a 32-bit whole number)
                instead of the clock, to play a puzzle again
  --shape NAME  cut this run&apos;s puzzles from the figure NAME instead of the
                one chosen in the menu: %1
%2  -h, --help    print this text and exit
  --version     print the version and exit
  FILE          open the saved game FILE

A value may also be joined to its option, as in --seed=N.
Qt&apos;s own settings are taken from the environment, for example QT_QPA_PLATFORM.
</source>
        <translation>Utilisation&#xa0;: wendrel [--seed N] [--shape NOM] [FICHIER]
Un puzzle de formes&#xa0;: rassemblez les pièces éparpillées.

  --seed N      créer le premier nouveau puzzle avec le numéro N (un entier
                sur 32 bits) au lieu de l’horloge, pour rejouer un puzzle
  --shape NOM   découper les puzzles de cette session dans la forme NOM au
                lieu de celle choisie dans le menu&#xa0;: %1
%2  -h, --help    afficher ce texte et quitter
  --version     afficher la version et quitter
  FICHIER       ouvrir la partie enregistrée FICHIER

Une valeur peut aussi être accolée à son option, comme dans --seed=N.
Les réglages propres à Qt sont lus dans l’environnement, par exemple
QT_QPA_PLATFORM.
</translation>
    </message>
    <message>
        <source>  --figure NAME|FILE  the same for any figure: one of the program&apos;s, one of
                your own, or a .wendrel-figure file
  --pieces N    cut them into N pieces, 3 to 20, instead of the figure&apos;s own
</source>
        <translation>  --figure NOM|FICHIER  de même pour toute forme&#xa0;: une du programme, une
                des vôtres ou un fichier .wendrel-figure
  --pieces N    les découper en N pièces, de 3 à 20, au lieu des pièces
                propres à la forme
</translation>
    </message>
</context>
<context>
    <name>FigureFile</name>
    <message>
        <source>is missing</source>
        <translation>est absent.</translation>
    </message>
    <message>
        <source>is not text</source>
        <translation>n’est pas du texte.</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>n’est pas un objet.</translation>
    </message>
    <message>
        <source>is not a list of points</source>
        <translation>n’est pas une liste de points.</translation>
    </message>
    <message>
        <source>is not [x, y]</source>
        <translation>n’est pas [x, y].</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>n’est pas un nombre fini.</translation>
    </message>
    <message>
        <source>is not a name of small letters, digits and hyphens</source>
        <translation>n’est pas un nom fait de minuscules, de chiffres et de traits d’union.</translation>
    </message>
    <message>
        <source>is not 1</source>
        <translation>n’est pas 1.</translation>
    </message>
    <message>
        <source>has %1 vertices; a figure has 3 to 200</source>
        <translation>a %1 sommets&#xa0;; une forme en a de 3 à 200.</translation>
    </message>
    <message>
        <source>has %1 seeds; a figure has none or 2 to 20</source>
        <translation>a %1 germes&#xa0;; une forme n’en a aucun ou de 2 à 20.</translation>
    </message>
    <message>
        <source>has sides %1 and %2 that cross</source>
        <extracomment>Sides are numbered from 0; side 3 runs from vertex 3 to vertex 4.</extracomment>
        <translation>a des côtés %1 et %2 qui se croisent.</translation>
    </message>
    <message>
        <source>has side %1 of zero length: two vertices in one place</source>
        <translation>a un côté %1 de longueur nulle&#xa0;: deux sommets au même endroit.</translation>
    </message>
    <message>
        <source>encloses too small an area for its size</source>
        <translation>délimite une surface trop petite pour sa taille.</translation>
    </message>
    <message>
        <source>lies outside the outline</source>
        <translation>est en dehors du contour.</translation>
    </message>
    <message>
        <source>has seeds %1 and %2 too close together</source>
        <translation>a des germes %1 et %2 trop proches l’un de l’autre.</translation>
    </message>
    <message>
        <source>it is over 256 KB, too large for a Wendrel figure</source>
        <translation>Le fichier dépasse 256 Ko, trop pour une forme de Wendrel.</translation>
    </message>
    <message>
        <source>it is not a Wendrel figure</source>
        <translation>Ce n’est pas une forme de Wendrel.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Wendrel (format %1)</source>
        <translation>Le fichier a été créé par une version plus récente de Wendrel (format %1).</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>No program is reading from it</source>
        <translation>Aucun programme ne le lit</translation>
    </message>
    <message>
        <source>What reads from it has stopped taking anything</source>
        <translation>Ce qui le lit n’accepte plus rien</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Unknown file error</source>
        <translation>Erreur de fichier inconnue</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>it is empty</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>it is over 1 MB, too large for a Wendrel game</source>
        <translation>Le fichier dépasse 1 Mo, trop pour une partie de Wendrel.</translation>
    </message>
    <message>
        <source>it is not a Wendrel game</source>
        <translation>Ce n’est pas une partie de Wendrel.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Wendrel (format %1)</source>
        <translation>Le fichier a été créé par une version plus récente de Wendrel (format %1).</translation>
    </message>
    <message>
        <source>its shape &apos;%1&apos; is unknown</source>
        <translation>Sa forme «&#xa0;%1&#xa0;» est inconnue.</translation>
    </message>
    <message>
        <source>its pieces do not match the pieces this version cuts</source>
        <translation>Ses pièces ne correspondent pas à celles que découpe cette version.</translation>
    </message>
    <message>
        <source>it is damaged: %1 %2</source>
        <translation>Le fichier est endommagé&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>est absent.</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>n’est pas un nombre entier.</translation>
    </message>
    <message>
        <source>is out of range</source>
        <translation>est hors limites.</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>n’est pas un nombre.</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>n’est ni true ni false.</translation>
    </message>
    <message>
        <source>is not text</source>
        <translation>n’est pas du texte.</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>n’est pas un objet.</translation>
    </message>
    <message>
        <source>is not [pieces, x, y, rotation, flipped]</source>
        <translation>n’est pas [pieces, x, y, rotation, flipped].</translation>
    </message>
    <message>
        <source>is not [shape, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore]</source>
        <translation>n’est pas [shape, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore].</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 pieces</source>
        <translation>n’est pas une liste de 1 à %1 pièces.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 groups</source>
        <translation>n’est pas une liste de 1 à %1 groupes.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 states</source>
        <translation>n’est pas une liste de 1 à %1 états.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 segments</source>
        <translation>n’est pas une liste de 1 à %1 entrées.</translation>
    </message>
    <message>
        <source>makes no puzzle</source>
        <translation>ne forme aucun puzzle.</translation>
    </message>
    <message>
        <source>is not that of states[%1]</source>
        <extracomment>After &quot;shape&quot; or &quot;number&quot;, which must be those of the state on the board.</extracomment>
        <translation>ne correspond pas à states[%1].</translation>
    </message>
    <message>
        <source>does not match the groups on the board</source>
        <translation>ne correspond pas aux groupes du plateau.</translation>
    </message>
    <message>
        <source>is not a piece of this puzzle</source>
        <translation>n’est pas une pièce de ce puzzle.</translation>
    </message>
    <message>
        <source>repeats piece %1</source>
        <translation>répète la pièce %1.</translation>
    </message>
    <message>
        <source>leave out piece %1</source>
        <extracomment>After a field of many groups, as &quot;states[2].groups leave out piece 4&quot;.</extracomment>
        <translation>omettent la pièce %1.</translation>
    </message>
    <message>
        <source>do not all meet in the solved puzzle</source>
        <extracomment>After the pieces of a group, as &quot;states[2].groups[0].pieces do not all meet...&quot;.</extracomment>
        <translation>ne sont pas toutes reliées dans le puzzle résolu.</translation>
    </message>
    <message>
        <source>is not [figure, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore, pieces]</source>
        <translation>n’est pas [figure, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore, pieces].</translation>
    </message>
    <message>
        <source>is not a list of figures</source>
        <translation>n’est pas une liste de formes.</translation>
    </message>
    <message>
        <source>does not make a figure that can be cut</source>
        <translation>ne donne pas une forme que l’on puisse découper.</translation>
    </message>
</context>
<context>
    <name>KeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DEF</translation>
    </message>
</context>
<context>
    <name>LicenceTerms</name>
    <message>
        <source>The full text of the licence is in the file LICENSE that comes with the source of Wendrel.</source>
        <translation>Le texte complet de la licence se trouve dans le fichier LICENSE fourni avec le code source de Wendrel.</translation>
    </message>
    <message>
        <source>The full text of the licence is installed in the file:
%1</source>
        <translation>Le texte complet de la licence est installé dans le fichier&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Wendrel is free software under the MIT licence.

%1

You may use, copy, change, publish, pass on and sell copies of Wendrel, free of charge, as long as the copyright notice and the licence go with every copy. Wendrel comes with no warranty of any kind.

%2</source>
        <translation>Wendrel est un logiciel libre sous licence MIT.

%1

Vous pouvez utiliser, copier, modifier, publier, transmettre et vendre des copies de Wendrel, gratuitement, à condition que l’avis de copyright et la licence accompagnent chaque copie. Wendrel est fourni sans aucune garantie.

%2</translation>
    </message>
</context>
<context>
    <name>PictureTrace</name>
    <message>
        <source>it is empty or cannot be read</source>
        <translation>elle est vide ou illisible</translation>
    </message>
    <message>
        <source>it is all one colour, with no shape to tell from the background</source>
        <translation>elle est d’une seule couleur, sans silhouette qui se détache du fond</translation>
    </message>
    <message>
        <source>its largest shape is too small or too thin to cut into pieces</source>
        <translation>sa plus grande silhouette est trop petite ou trop fine pour être découpée en pièces</translation>
    </message>
</context>
<context>
    <name>RememberedGame</name>
    <message>
        <source>The remembered game could not be read (%1); it was kept as %2</source>
        <translation>La partie gardée n’a pas pu être lue (%1)&#xa0;; elle a été conservée sous %2</translation>
    </message>
    <message>
        <source>The remembered game %1 could not be read (%2).</source>
        <translation>La partie gardée %1 n’a pas pu être lue (%2).</translation>
    </message>
    <message>
        <source>The game could not be remembered: %1</source>
        <translation>La partie n’a pas pu être gardée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The game cannot be remembered: the folder %1 cannot be written.</source>
        <translation>La partie ne peut pas être gardée&#xa0;: impossible d’écrire dans le dossier %1.</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Three Hearts</source>
        <translation>Trois cœurs</translation>
    </message>
    <message>
        <source>&amp;Three Hearts (15 pieces)</source>
        <translation>&amp;Trois cœurs (15 pièces)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from three hearts, in 15 pieces</source>
        <translation>Découper les prochains puzzles dans trois cœurs, en 15 pièces</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>&amp;Heart (9 pieces)</source>
        <translation>&amp;Cœur (9 pièces)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from a heart, in 9 pieces</source>
        <translation>Découper les prochains puzzles dans un cœur, en 9 pièces</translation>
    </message>
    <message>
        <source>Cog Wheel</source>
        <translation>Roue dentée</translation>
    </message>
    <message>
        <source>&amp;Cog Wheel (9 pieces)</source>
        <translation>&amp;Roue dentée (9 pièces)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from a cog wheel, in 9 pieces</source>
        <translation>Découper les prochains puzzles dans une roue dentée, en 9 pièces</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Ovale</translation>
    </message>
    <message>
        <source>&amp;Oval (3 pieces)</source>
        <translation>&amp;Ovale (3 pièces)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from an oval, in 3 pieces</source>
        <translation>Découper les prochains puzzles dans un ovale, en 3 pièces</translation>
    </message>
</context>
</TS>
