<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
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
        <translation>Form wählen</translation>
    </message>
    <message>
        <source>%1, %2 pieces</source>
        <translation>%1, %2 Teile</translation>
    </message>
    <message>
        <source>Solved: %1</source>
        <translation>Gelöst: %1</translation>
    </message>
    <message>
        <source>Best time: %1</source>
        <translation>Bestzeit: %1</translation>
    </message>
    <message>
        <source>Each figure&apos;s own</source>
        <translation>Je nach Form</translation>
    </message>
    <message>
        <source>&amp;Pieces:</source>
        <translation>&amp;Teile:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove the chosen figure of your own</source>
        <translation>Die gewählte eigene Form entfernen</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>CGenerateNumberDlg</name>
    <message>
        <source>Generate Number</source>
        <translation>Puzzle nach Nummer</translation>
    </message>
    <message>
        <source>&amp;Puzzle number:</source>
        <translation>&amp;Puzzlenummer:</translation>
    </message>
    <message>
        <source>the puzzle number needs a number</source>
        <translation>Bitte geben Sie eine Puzzlenummer ein.</translation>
    </message>
    <message>
        <source>seed &apos;%1&apos; is not a whole number</source>
        <translation>„%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>seed &apos;%1&apos; is out of range (%2 to %3)</source>
        <translation>„%1“ liegt außerhalb des Bereichs (%2 bis %3).</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Generate</source>
        <translation>Neues Puzzle</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Neues Puzzle</translation>
    </message>
    <message>
        <source>Generate a new puzzle</source>
        <translation>Ein neues Puzzle erzeugen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste anzeigen oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Instructions...</source>
        <translation>&amp;Anleitung...</translation>
    </message>
    <message>
        <source>Display instructions</source>
        <translation>Die Spielanleitung anzeigen</translation>
    </message>
    <message>
        <source>&amp;Terms of use...</source>
        <translation>&amp;Nutzungsbedingungen...</translation>
    </message>
    <message>
        <source>Display terms of use</source>
        <translation>Die Nutzungsbedingungen anzeigen</translation>
    </message>
    <message>
        <source>&amp;More Games...</source>
        <translation>&amp;Weitere Spiele...</translation>
    </message>
    <message>
        <source>Display website information</source>
        <translation>Informationen zur Website anzeigen</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation>Ü&amp;ber %1...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>Generate &amp;Number...</source>
        <translation>Puzzle nach Nu&amp;mmer...</translation>
    </message>
    <message>
        <source>Generate Number</source>
        <translation>Puzzle nach Nummer</translation>
    </message>
    <message>
        <source>Generate the puzzle of a given number</source>
        <translation>Das Puzzle mit einer bestimmten Nummer erzeugen</translation>
    </message>
    <message>
        <source>&amp;Restart Puzzle</source>
        <translation>Puzzle neu st&amp;arten</translation>
    </message>
    <message>
        <source>Restart Puzzle</source>
        <translation>Puzzle neu starten</translation>
    </message>
    <message>
        <source>Put every piece back where the puzzle began</source>
        <translation>Alle Teile dorthin zurücklegen, wo das Puzzle begann</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Hin&amp;weis</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Join one more piece to the selected or the largest group</source>
        <translation>Ein weiteres Teil an die ausgewählte oder die größte Gruppe anfügen</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Join every piece and show the solved puzzle</source>
        <translation>Alle Teile zusammenfügen und das gelöste Puzzle zeigen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Show the puzzles solved and the best times for each shape</source>
        <translation>Die gelösten Puzzles und die Bestzeiten jeder Form anzeigen</translation>
    </message>
    <message>
        <source>T&amp;imer</source>
        <translation>Spiel&amp;zeit</translation>
    </message>
    <message>
        <source>Toggle Timer</source>
        <translation>Spielzeit ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the playing time</source>
        <translation>Die Spielzeit anzeigen oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument erstellen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Das aktive Dokument drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Die letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederherstellen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Werkzeugleiste anzeigen oder ausblenden</translation>
    </message>
    <message>
        <source>%1 groups left</source>
        <translation>Noch %1 Gruppen</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>S&amp;hape</source>
        <translation>F&amp;orm</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Wendrel is a shape reconstruction puzzle.

To play, click on File &gt; Generate.  Then use
the left mouse button to drag-and-drop the
pieces into their correct positions.  Double
click to flip, right click to rotate.  The puzzle
is complete when all pieces are connected.
</source>
        <translation>Wendrel ist ein Puzzle, bei dem Sie eine Form
wieder zusammensetzen.

Klicken Sie zum Spielen auf Datei &gt; Neues Puzzle.
Ziehen Sie dann die Teile mit der linken Maustaste
an ihren richtigen Platz. Ein Doppelklick spiegelt
ein Teil, ein Rechtsklick dreht es. Das Puzzle ist
gelöst, wenn alle Teile verbunden sind.
</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Solved by the program</source>
        <translation>Vom Programm gelöst</translation>
    </message>
    <message>
        <source>Solved with 1 hint</source>
        <translation>Mit 1 Hinweis gelöst</translation>
    </message>
    <message>
        <source>Solved with %1 hints</source>
        <translation>Mit %1 Hinweisen gelöst</translation>
    </message>
    <message>
        <source>Solved in %1 – a new best for %2</source>
        <translation>In %1 gelöst – neue Bestzeit für „%2“</translation>
    </message>
    <message>
        <source>Solved in %1 (best %2)</source>
        <translation>In %1 gelöst (Bestzeit %2)</translation>
    </message>
    <message>
        <source>Solved in %1</source>
        <translation>In %1 gelöst</translation>
    </message>
    <message>
        <source>Terms of use</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save the game under a new name</source>
        <translation>Das Spiel unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Re&amp;member Game on Exit</source>
        <translation>Spiel beim Beenden mer&amp;ken</translation>
    </message>
    <message>
        <source>Remember Game on Exit</source>
        <translation>Spiel beim Beenden merken</translation>
    </message>
    <message>
        <source>Keep the game when the window closes and bring it back at the next start</source>
        <translation>Das Spiel beim Schließen des Fensters behalten und beim nächsten Start wiederherstellen</translation>
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
        <translation>Das Puzzle ausblenden und die Uhr anhalten, bis Sie weiterspielen</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Fill the whole screen with the window, or give it back</source>
        <translation>Das Fenster bildschirmfüllend anzeigen oder wieder auf seine vorige Größe bringen</translation>
    </message>
    <message>
        <source>Choose &amp;Figure...</source>
        <translation>Form &amp;wählen...</translation>
    </message>
    <message>
        <source>Choose Figure</source>
        <translation>Form wählen</translation>
    </message>
    <message>
        <source>Choose a figure and start a puzzle of it</source>
        <translation>Eine Form wählen und ein Puzzle daraus beginnen</translation>
    </message>
    <message>
        <source>&amp;More Figures...</source>
        <translation>&amp;Weitere Formen...</translation>
    </message>
    <message>
        <source>More Figures</source>
        <translation>Weitere Formen</translation>
    </message>
    <message>
        <source>Choose from every figure and start a puzzle of it</source>
        <translation>Aus allen Formen wählen und ein Puzzle daraus beginnen</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Figure Out&amp;line</source>
        <translation>Form&amp;umriss</translation>
    </message>
    <message>
        <source>Toggle Figure Outline</source>
        <translation>Formumriss ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the figure being played beside the play area</source>
        <translation>Die gespielte Form neben der Spielfläche anzeigen oder ausblenden</translation>
    </message>
    <message>
        <source>%1, %2 pieces, puzzle %3</source>
        <translation>%1, %2 Teile, Puzzle %3</translation>
    </message>
    <message>
        <source>Open F&amp;igure...</source>
        <translation>Fo&amp;rm öffnen...</translation>
    </message>
    <message>
        <source>Open Figure</source>
        <translation>Form öffnen</translation>
    </message>
    <message>
        <source>Add a figure file to your own figures and start a puzzle of it</source>
        <translation>Eine Formdatei zu Ihren eigenen Formen hinzufügen und ein Puzzle daraus beginnen</translation>
    </message>
    <message>
        <source>&amp;Each Figure&apos;s Own</source>
        <translation>&amp;Je nach Form</translation>
    </message>
    <message>
        <source>%1 pieces</source>
        <translation>%1 Teile</translation>
    </message>
    <message>
        <source>Cut each figure into its own pieces</source>
        <translation>Jede Form in ihre eigenen Teile schneiden</translation>
    </message>
    <message>
        <source>Cut the next puzzles into %1 pieces</source>
        <translation>Die nächsten Puzzles in %1 Teile schneiden</translation>
    </message>
    <message>
        <source>Wendrel figures (*%1)</source>
        <translation>Wendrel-Formen (*%1)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>no puzzle could be cut from this figure; its narrowest parts may be too thin</source>
        <translation>Aus dieser Form ließ sich kein Puzzle schneiden; ihre schmalsten Stellen sind vielleicht zu dünn.</translation>
    </message>
    <message>
        <source>Pi&amp;eces</source>
        <translation>&amp;Teile</translation>
    </message>
    <message>
        <source>&amp;10 to 20 pieces</source>
        <translation>&amp;10 bis 20 Teile</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>Cannot make a figure from %1: %2</source>
        <translation>Aus %1 lässt sich keine Form machen: %2</translation>
    </message>
    <message>
        <source>New Figure from Picture</source>
        <translation>Neue Form aus Bild</translation>
    </message>
    <message>
        <source>Make a figure of your own from the largest shape of a picture</source>
        <translation>Eine eigene Form aus der größten Gestalt eines Bildes machen</translation>
    </message>
    <message>
        <source>Ne&amp;w Figure from Picture...</source>
        <translation>Neue Form aus Bi&amp;ld...</translation>
    </message>
</context>
<context>
    <name>CMoreGamesDlg</name>
    <message>
        <source>More Games</source>
        <translation>Weitere Spiele</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>My website has more games like this that you can download.  If you have Microsoft Internet Explorer or Netscape Navigator and a connection to the Internet, these buttons will launch your browser and take you to my web page.</source>
        <translation>Auf meiner Website gibt es weitere Spiele wie dieses zum Herunterladen. Wenn Sie Microsoft Internet Explorer oder Netscape Navigator und eine Verbindung zum Internet haben, starten diese Schaltflächen Ihren Browser und öffnen meine Webseite.</translation>
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
        <translation>Wenn Sie eine Frage oder Anmerkung haben, schreiben Sie bitte an:</translation>
    </message>
    <message>
        <source>No web browser could be started.

To visit the page, open this address in a web browser:
%1</source>
        <translation>Es konnte kein Webbrowser gestartet werden.

Um die Seite zu besuchen, öffnen Sie diese Adresse in einem Webbrowser:
%1</translation>
    </message>
</context>
<context>
    <name>CMorvaneApp</name>
    <message>
        <source>These figures of your own could not be read and were set aside:
%1</source>
        <translation>Diese eigenen Formen konnten nicht gelesen werden und wurden beiseitegelegt:
%1</translation>
    </message>
    <message>
        <source>My Figures</source>
        <translation>Meine Formen</translation>
    </message>
    <message>
        <source>Cannot open figure %1: %2</source>
        <translation>Die Form %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Open Figure</source>
        <translation>Form öffnen</translation>
    </message>
</context>
<context>
    <name>CMorvaneDoc</name>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>%1 kann nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>%1 kann nicht gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Wendrel games (*.%1);;All files (*)</source>
        <translation>Wendrel-Spielstände (*.%1);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CMorvaneView</name>
    <message>
        <source>Puzzle creation failed.  Please try again.  
<byte value="xd"/></source>
        <translation>Das Puzzle konnte nicht erstellt werden. Bitte versuchen Sie es noch einmal.  
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Internal Error - GetDC() failed</source>
        <translation>Interner Fehler – GetDC() fehlgeschlagen</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>The printer did not take the printout.</source>
        <translation>Der Drucker hat den Ausdruck nicht angenommen.</translation>
    </message>
    <message>
        <source>Cannot print to %1:
%2</source>
        <translation>Drucken auf %1 nicht möglich:
%2</translation>
    </message>
    <message>
        <source>This move of the opened game does not fit its puzzle, so it cannot be shown.</source>
        <translation>Dieser Zug des geöffneten Spiels passt nicht zu seinem Puzzle und kann daher nicht gezeigt werden.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Press P or click to go on playing</source>
        <translation>Drücken Sie P oder klicken Sie, um weiterzuspielen</translation>
    </message>
</context>
<context>
    <name>CPictureFigureDlg</name>
    <message>
        <source>New Figure from Picture</source>
        <translation>Neue Form aus Bild</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Pieces:</source>
        <translation>&amp;Teile:</translation>
    </message>
</context>
<context>
    <name>CStatisticsDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>With help</source>
        <translation>Mit Hilfe</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Mean time</source>
        <translation>Durchschnittszeit</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Clear the statistics of every shape?</source>
        <translation>Die Statistik aller Formen löschen?</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Teile</translation>
    </message>
</context>
<context>
    <name>CommandLineInfo</name>
    <message>
        <source>empty argument at position %1</source>
        <translation>leeres Argument an Position %1</translation>
    </message>
    <message>
        <source>only one file can be opened, but &apos;%1&apos; follows &apos;%2&apos;</source>
        <translation>es kann nur eine Datei geöffnet werden, aber „%1“ folgt auf „%2“</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>wendrel: %1
Try &apos;wendrel --help&apos; for more information.
</source>
        <translation>wendrel: %1
„wendrel --help“ liefert weitere Informationen.
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
        <translation>Aufruf: wendrel [--seed N] [--shape NAME] [DATEI]
Ein Formen-Puzzle: Setzen Sie die verstreuten Teile wieder zusammen.

  --seed N      das erste neue Puzzle mit der Puzzlenummer N (ganze 32-Bit-Zahl)
                statt nach der Uhr erzeugen, um ein Puzzle erneut zu spielen
  --shape NAME  die Puzzles dieses Programmlaufs aus der Form NAME statt der im
                Menü gewählten schneiden: %1
%2  -h, --help    diesen Text ausgeben und beenden
  --version     die Version ausgeben und beenden
  DATEI         den Spielstand DATEI öffnen

Ein Wert kann auch mit seiner Option verbunden werden, wie in --seed=N.
Qts eigene Einstellungen kommen aus der Umgebung, zum Beispiel QT_QPA_PLATFORM.
</translation>
    </message>
    <message>
        <source>  --figure NAME|FILE  the same for any figure: one of the program&apos;s, one of
                your own, or a .wendrel-figure file
  --pieces N    cut them into N pieces, 3 to 20, instead of the figure&apos;s own
</source>
        <translation>  --figure NAME|DATEI  dasselbe für jede Form: eine des Programms, eine
                eigene oder eine .wendrel-figure-Datei
  --pieces N    sie in N Teile (3 bis 20) statt in die eigenen Teile der
                Form schneiden
</translation>
    </message>
</context>
<context>
    <name>FigureFile</name>
    <message>
        <source>is missing</source>
        <translation>fehlt.</translation>
    </message>
    <message>
        <source>is not text</source>
        <translation>ist kein Text.</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>ist kein Objekt.</translation>
    </message>
    <message>
        <source>is not a list of points</source>
        <translation>ist keine Liste von Punkten.</translation>
    </message>
    <message>
        <source>is not [x, y]</source>
        <translation>ist nicht [x, y].</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>is not a name of small letters, digits and hyphens</source>
        <translation>ist kein Name aus Kleinbuchstaben, Ziffern und Bindestrichen.</translation>
    </message>
    <message>
        <source>is not 1</source>
        <translation>ist nicht 1.</translation>
    </message>
    <message>
        <source>has %1 vertices; a figure has 3 to 200</source>
        <translation>hat %1 Eckpunkte; eine Form hat 3 bis 200.</translation>
    </message>
    <message>
        <source>has %1 seeds; a figure has none or 2 to 20</source>
        <translation>hat %1 Saatpunkte; eine Form hat keine oder 2 bis 20.</translation>
    </message>
    <message>
        <source>has sides %1 and %2 that cross</source>
        <extracomment>Sides are numbered from 0; side 3 runs from vertex 3 to vertex 4.</extracomment>
        <translation>hat die Seiten %1 und %2, die sich kreuzen.</translation>
    </message>
    <message>
        <source>has side %1 of zero length: two vertices in one place</source>
        <translation>hat die Seite %1 mit der Länge null: zwei Eckpunkte an einer Stelle.</translation>
    </message>
    <message>
        <source>encloses too small an area for its size</source>
        <translation>umschließt für die Größe eine zu kleine Fläche.</translation>
    </message>
    <message>
        <source>lies outside the outline</source>
        <translation>liegt außerhalb des Umrisses.</translation>
    </message>
    <message>
        <source>has seeds %1 and %2 too close together</source>
        <translation>hat die Saatpunkte %1 und %2 zu nah beieinander.</translation>
    </message>
    <message>
        <source>it is over 256 KB, too large for a Wendrel figure</source>
        <translation>Die Datei ist größer als 256 KB, zu groß für eine Wendrel-Form.</translation>
    </message>
    <message>
        <source>it is not a Wendrel figure</source>
        <translation>Die Datei ist keine Wendrel-Form.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Wendrel (format %1)</source>
        <translation>Die Datei stammt von einer neueren Wendrel-Version (Format %1).</translation>
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
        <translation>Kein Programm liest daraus</translation>
    </message>
    <message>
        <source>What reads from it has stopped taking anything</source>
        <translation>Das lesende Programm nimmt nichts mehr an</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Unknown file error</source>
        <translation>Unbekannter Dateifehler</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>it is empty</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>it is over 1 MB, too large for a Wendrel game</source>
        <translation>Die Datei ist größer als 1 MB, zu groß für einen Wendrel-Spielstand.</translation>
    </message>
    <message>
        <source>it is not a Wendrel game</source>
        <translation>Die Datei ist kein Wendrel-Spielstand.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Wendrel (format %1)</source>
        <translation>Die Datei stammt von einer neueren Wendrel-Version (Format %1).</translation>
    </message>
    <message>
        <source>its shape &apos;%1&apos; is unknown</source>
        <translation>Die Form „%1“ der Datei ist unbekannt.</translation>
    </message>
    <message>
        <source>its pieces do not match the pieces this version cuts</source>
        <translation>Die Teile der Datei passen nicht zu denen, die diese Version schneidet.</translation>
    </message>
    <message>
        <source>it is damaged: %1 %2</source>
        <translation>Die Datei ist beschädigt: %1 %2</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt.</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>is out of range</source>
        <translation>liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>ist keine Zahl.</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>ist weder true noch false.</translation>
    </message>
    <message>
        <source>is not text</source>
        <translation>ist kein Text.</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>ist kein Objekt.</translation>
    </message>
    <message>
        <source>is not [pieces, x, y, rotation, flipped]</source>
        <translation>ist nicht [pieces, x, y, rotation, flipped].</translation>
    </message>
    <message>
        <source>is not [shape, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore]</source>
        <translation>ist nicht [shape, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore].</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 pieces</source>
        <translation>ist keine Liste von 1 bis %1 Teilen.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 groups</source>
        <translation>ist keine Liste von 1 bis %1 Gruppen.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 states</source>
        <translation>ist keine Liste von 1 bis %1 Zuständen.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 segments</source>
        <translation>ist keine Liste von 1 bis %1 Einträgen.</translation>
    </message>
    <message>
        <source>makes no puzzle</source>
        <translation>ergibt kein Puzzle.</translation>
    </message>
    <message>
        <source>is not that of states[%1]</source>
        <extracomment>After &quot;shape&quot; or &quot;number&quot;, which must be those of the state on the board.</extracomment>
        <translation>stimmt nicht mit states[%1] überein.</translation>
    </message>
    <message>
        <source>does not match the groups on the board</source>
        <translation>passt nicht zu den Gruppen auf dem Spielfeld.</translation>
    </message>
    <message>
        <source>is not a piece of this puzzle</source>
        <translation>ist kein Teil dieses Puzzles.</translation>
    </message>
    <message>
        <source>repeats piece %1</source>
        <translation>enthält Teil %1 mehrfach.</translation>
    </message>
    <message>
        <source>leave out piece %1</source>
        <extracomment>After a field of many groups, as &quot;states[2].groups leave out piece 4&quot;.</extracomment>
        <translation>lassen Teil %1 aus.</translation>
    </message>
    <message>
        <source>do not all meet in the solved puzzle</source>
        <extracomment>After the pieces of a group, as &quot;states[2].groups[0].pieces do not all meet...&quot;.</extracomment>
        <translation>hängen im gelösten Puzzle nicht alle zusammen.</translation>
    </message>
    <message>
        <source>is not [figure, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore, pieces]</source>
        <translation>ist nicht [figure, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore, pieces].</translation>
    </message>
    <message>
        <source>is not a list of figures</source>
        <translation>ist keine Liste von Formen.</translation>
    </message>
    <message>
        <source>does not make a figure that can be cut</source>
        <translation>ergibt keine Form, die sich schneiden lässt.</translation>
    </message>
</context>
<context>
    <name>KeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
</context>
<context>
    <name>LicenceTerms</name>
    <message>
        <source>The full text of the licence is in the file LICENSE that comes with the source of Wendrel.</source>
        <translation>Der vollständige Lizenztext steht in der Datei LICENSE, die dem Quellcode von Wendrel beiliegt.</translation>
    </message>
    <message>
        <source>The full text of the licence is installed in the file:
%1</source>
        <translation>Der vollständige Lizenztext ist in dieser Datei installiert:
%1</translation>
    </message>
    <message>
        <source>Wendrel is free software under the MIT licence.

%1

You may use, copy, change, publish, pass on and sell copies of Wendrel, free of charge, as long as the copyright notice and the licence go with every copy. Wendrel comes with no warranty of any kind.

%2</source>
        <translation>Wendrel ist freie Software unter der MIT-Lizenz.

%1

Sie dürfen Wendrel kostenlos benutzen, kopieren, ändern, veröffentlichen, weitergeben und Kopien davon verkaufen, solange jeder Kopie der Urheberrechtsvermerk und die Lizenz beiliegen. Wendrel wird ohne jede Gewährleistung bereitgestellt.

%2</translation>
    </message>
</context>
<context>
    <name>PictureTrace</name>
    <message>
        <source>it is empty or cannot be read</source>
        <translation>es ist leer oder lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>it is all one colour, with no shape to tell from the background</source>
        <translation>es ist ganz in einer Farbe, ohne eine Gestalt, die sich vom Hintergrund abhebt</translation>
    </message>
    <message>
        <source>its largest shape is too small or too thin to cut into pieces</source>
        <translation>seine größte Gestalt ist zu klein oder zu dünn, um sie in Teile zu schneiden</translation>
    </message>
</context>
<context>
    <name>RememberedGame</name>
    <message>
        <source>The remembered game could not be read (%1); it was kept as %2</source>
        <translation>Das gemerkte Spiel konnte nicht gelesen werden (%1); es wurde als %2 aufbewahrt</translation>
    </message>
    <message>
        <source>The remembered game %1 could not be read (%2).</source>
        <translation>Das gemerkte Spiel %1 konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The game could not be remembered: %1</source>
        <translation>Das Spiel konnte nicht gemerkt werden: %1</translation>
    </message>
    <message>
        <source>The game cannot be remembered: the folder %1 cannot be written.</source>
        <translation>Das Spiel kann nicht gemerkt werden: In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Three Hearts</source>
        <translation>Drei Herzen</translation>
    </message>
    <message>
        <source>&amp;Three Hearts (15 pieces)</source>
        <translation>&amp;Drei Herzen (15 Teile)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from three hearts, in 15 pieces</source>
        <translation>Die nächsten Puzzles aus drei Herzen schneiden, in 15 Teilen</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>&amp;Heart (9 pieces)</source>
        <translation>&amp;Herz (9 Teile)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from a heart, in 9 pieces</source>
        <translation>Die nächsten Puzzles aus einem Herzen schneiden, in 9 Teilen</translation>
    </message>
    <message>
        <source>Cog Wheel</source>
        <translation>Zahnrad</translation>
    </message>
    <message>
        <source>&amp;Cog Wheel (9 pieces)</source>
        <translation>&amp;Zahnrad (9 Teile)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from a cog wheel, in 9 pieces</source>
        <translation>Die nächsten Puzzles aus einem Zahnrad schneiden, in 9 Teilen</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>&amp;Oval (3 pieces)</source>
        <translation>&amp;Oval (3 Teile)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from an oval, in 3 pieces</source>
        <translation>Die nächsten Puzzles aus einem Oval schneiden, in 3 Teilen</translation>
    </message>
</context>
</TS>
