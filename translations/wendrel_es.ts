<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CFigureChooserDlg</name>
    <message>
        <source>Choose Figure</source>
        <translation>Elegir figura</translation>
    </message>
    <message>
        <source>%1, %2 pieces</source>
        <translation>%1, %2 piezas</translation>
    </message>
    <message>
        <source>Solved: %1</source>
        <translation>Resueltos: %1</translation>
    </message>
    <message>
        <source>Best time: %1</source>
        <translation>Mejor tiempo: %1</translation>
    </message>
    <message>
        <source>Each figure&apos;s own</source>
        <translation>Las de cada figura</translation>
    </message>
    <message>
        <source>&amp;Pieces:</source>
        <translation>&amp;Piezas:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Remove the chosen figure of your own</source>
        <translation>Eliminar la figura propia elegida</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>No se puede eliminar %1: %2</translation>
    </message>
</context>
<context>
    <name>CGenerateNumberDlg</name>
    <message>
        <source>Generate Number</source>
        <translation>Rompecabezas por número</translation>
    </message>
    <message>
        <source>&amp;Puzzle number:</source>
        <translation>&amp;Número de rompecabezas:</translation>
    </message>
    <message>
        <source>the puzzle number needs a number</source>
        <translation>Escriba un número de rompecabezas.</translation>
    </message>
    <message>
        <source>seed &apos;%1&apos; is not a whole number</source>
        <translation>«%1» no es un número entero.</translation>
    </message>
    <message>
        <source>seed &apos;%1&apos; is out of range (%2 to %3)</source>
        <translation>«%1» está fuera del intervalo (de %2 a %3).</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Generate</source>
        <translation>Nuevo rompecabezas</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Nuevo rompecabezas</translation>
    </message>
    <message>
        <source>Generate a new puzzle</source>
        <translation>Crear un rompecabezas nuevo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Salir de la aplicación</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Mostrar/ocultar la barra de estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>&amp;Instructions...</source>
        <translation>&amp;Instrucciones...</translation>
    </message>
    <message>
        <source>Display instructions</source>
        <translation>Mostrar las instrucciones</translation>
    </message>
    <message>
        <source>&amp;Terms of use...</source>
        <translation>&amp;Condiciones de uso...</translation>
    </message>
    <message>
        <source>Display terms of use</source>
        <translation>Mostrar las condiciones de uso</translation>
    </message>
    <message>
        <source>&amp;More Games...</source>
        <translation>&amp;Más juegos...</translation>
    </message>
    <message>
        <source>Display website information</source>
        <translation>Mostrar información del sitio web</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation>&amp;Acerca de %1...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar información del programa, número de versión y copyright</translation>
    </message>
    <message>
        <source>Generate &amp;Number...</source>
        <translation>Rompecabezas por nú&amp;mero...</translation>
    </message>
    <message>
        <source>Generate Number</source>
        <translation>Rompecabezas por número</translation>
    </message>
    <message>
        <source>Generate the puzzle of a given number</source>
        <translation>Crear el rompecabezas de un número dado</translation>
    </message>
    <message>
        <source>&amp;Restart Puzzle</source>
        <translation>&amp;Reiniciar rompecabezas</translation>
    </message>
    <message>
        <source>Restart Puzzle</source>
        <translation>Reiniciar rompecabezas</translation>
    </message>
    <message>
        <source>Put every piece back where the puzzle began</source>
        <translation>Devolver cada pieza a su sitio del comienzo</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Join one more piece to the selected or the largest group</source>
        <translation>Unir una pieza más al grupo seleccionado o al más grande</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>Re&amp;solver</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Join every piece and show the solved puzzle</source>
        <translation>Unir todas las piezas y mostrar el rompecabezas resuelto</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Show the puzzles solved and the best times for each shape</source>
        <translation>Mostrar los rompecabezas resueltos y los mejores tiempos de cada figura</translation>
    </message>
    <message>
        <source>T&amp;imer</source>
        <translation>&amp;Cronómetro</translation>
    </message>
    <message>
        <source>Toggle Timer</source>
        <translation>Mostrar/ocultar el cronómetro</translation>
    </message>
    <message>
        <source>Show or hide the playing time</source>
        <translation>Mostrar u ocultar el tiempo de juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir un documento existente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Guardar el documento activo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimir el documento activo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Rehacer la acción deshecha</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Mostrar/ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostrar u ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>%1 groups left</source>
        <translation>Quedan %1 grupos</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resuelto</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>S&amp;hape</source>
        <translation>&amp;Figura</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Wendrel is a shape reconstruction puzzle.

To play, click on File &gt; Generate.  Then use
the left mouse button to drag-and-drop the
pieces into their correct positions.  Double
click to flip, right click to rotate.  The puzzle
is complete when all pieces are connected.
</source>
        <translation>Wendrel es un rompecabezas en el que hay que
volver a componer una figura.

Para jugar, haga clic en Archivo &gt; Nuevo rompecabezas.
Después arrastre las piezas a su sitio con el
botón izquierdo del ratón. Un doble clic voltea
una pieza y un clic derecho la gira. El
rompecabezas está completo cuando todas las
piezas están unidas.
</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Solved by the program</source>
        <translation>Resuelto por el programa</translation>
    </message>
    <message>
        <source>Solved with 1 hint</source>
        <translation>Resuelto con 1 pista</translation>
    </message>
    <message>
        <source>Solved with %1 hints</source>
        <translation>Resuelto con %1 pistas</translation>
    </message>
    <message>
        <source>Solved in %1 – a new best for %2</source>
        <translation>Resuelto en %1 – nuevo récord para «%2»</translation>
    </message>
    <message>
        <source>Solved in %1 (best %2)</source>
        <translation>Resuelto en %1 (récord: %2)</translation>
    </message>
    <message>
        <source>Solved in %1</source>
        <translation>Resuelto en %1</translation>
    </message>
    <message>
        <source>Terms of use</source>
        <translation>Condiciones de uso</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Save the game under a new name</source>
        <translation>Guardar la partida con otro nombre</translation>
    </message>
    <message>
        <source>Re&amp;member Game on Exit</source>
        <translation>Recordar la partida al sa&amp;lir</translation>
    </message>
    <message>
        <source>Remember Game on Exit</source>
        <translation>Recordar la partida al salir</translation>
    </message>
    <message>
        <source>Keep the game when the window closes and bring it back at the next start</source>
        <translation>Conservar la partida al cerrar la ventana y recuperarla en el próximo inicio</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Hide the puzzle and stop the clock until you go on playing</source>
        <translation>Ocultar el rompecabezas y detener el reloj hasta que siga jugando</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>P&amp;antalla completa</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Fill the whole screen with the window, or give it back</source>
        <translation>Ocupar toda la pantalla con la ventana o devolverla a su tamaño</translation>
    </message>
    <message>
        <source>Choose &amp;Figure...</source>
        <translation>Elegir fig&amp;ura...</translation>
    </message>
    <message>
        <source>Choose Figure</source>
        <translation>Elegir figura</translation>
    </message>
    <message>
        <source>Choose a figure and start a puzzle of it</source>
        <translation>Elegir una figura y empezar un rompecabezas con ella</translation>
    </message>
    <message>
        <source>&amp;More Figures...</source>
        <translation>&amp;Más figuras...</translation>
    </message>
    <message>
        <source>More Figures</source>
        <translation>Más figuras</translation>
    </message>
    <message>
        <source>Choose from every figure and start a puzzle of it</source>
        <translation>Elegir entre todas las figuras y empezar un rompecabezas con ella</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Figure Out&amp;line</source>
        <translation>Contorno de la &amp;figura</translation>
    </message>
    <message>
        <source>Toggle Figure Outline</source>
        <translation>Mostrar/ocultar el contorno de la figura</translation>
    </message>
    <message>
        <source>Show or hide the figure being played beside the play area</source>
        <translation>Mostrar u ocultar, junto al tablero, la figura que se está jugando</translation>
    </message>
    <message>
        <source>%1, %2 pieces, puzzle %3</source>
        <translation>%1, %2 piezas, rompecabezas %3</translation>
    </message>
    <message>
        <source>Open F&amp;igure...</source>
        <translation>A&amp;brir figura...</translation>
    </message>
    <message>
        <source>Open Figure</source>
        <translation>Abrir figura</translation>
    </message>
    <message>
        <source>Add a figure file to your own figures and start a puzzle of it</source>
        <translation>Añadir un archivo de figura a sus figuras propias y empezar un rompecabezas con ella</translation>
    </message>
    <message>
        <source>&amp;Each Figure&apos;s Own</source>
        <translation>&amp;Las de cada figura</translation>
    </message>
    <message>
        <source>%1 pieces</source>
        <translation>%1 piezas</translation>
    </message>
    <message>
        <source>Cut each figure into its own pieces</source>
        <translation>Cortar cada figura en sus propias piezas</translation>
    </message>
    <message>
        <source>Cut the next puzzles into %1 pieces</source>
        <translation>Cortar los próximos rompecabezas en %1 piezas</translation>
    </message>
    <message>
        <source>Wendrel figures (*%1)</source>
        <translation>Figuras de Wendrel (*%1)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>no puzzle could be cut from this figure; its narrowest parts may be too thin</source>
        <translation>No se pudo cortar ningún rompecabezas de esta figura; puede que sus partes más estrechas sean demasiado finas.</translation>
    </message>
    <message>
        <source>Pi&amp;eces</source>
        <translation>&amp;Piezas</translation>
    </message>
    <message>
        <source>&amp;10 to 20 pieces</source>
        <translation>&amp;10 a 20 piezas</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>Cannot make a figure from %1: %2</source>
        <translation>No se puede crear una figura a partir de %1: %2</translation>
    </message>
    <message>
        <source>New Figure from Picture</source>
        <translation>Nueva figura a partir de una imagen</translation>
    </message>
    <message>
        <source>Make a figure of your own from the largest shape of a picture</source>
        <translation>Crear una figura propia a partir de la forma más grande de una imagen</translation>
    </message>
    <message>
        <source>Ne&amp;w Figure from Picture...</source>
        <translation>Nue&amp;va figura a partir de una imagen...</translation>
    </message>
</context>
<context>
    <name>CMoreGamesDlg</name>
    <message>
        <source>More Games</source>
        <translation>Más juegos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>My website has more games like this that you can download.  If you have Microsoft Internet Explorer or Netscape Navigator and a connection to the Internet, these buttons will launch your browser and take you to my web page.</source>
        <translation>En mi sitio web hay más juegos como este que puede descargar. Si tiene Microsoft Internet Explorer o Netscape Navigator y conexión a Internet, estos botones abrirán su navegador en mi página web.</translation>
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
        <translation>Si tiene alguna pregunta o comentario, escríbame a:</translation>
    </message>
    <message>
        <source>No web browser could be started.

To visit the page, open this address in a web browser:
%1</source>
        <translation>No se pudo abrir ningún navegador web.

Para visitar la página, abra esta dirección en un navegador web:
%1</translation>
    </message>
</context>
<context>
    <name>CMorvaneApp</name>
    <message>
        <source>These figures of your own could not be read and were set aside:
%1</source>
        <translation>Estas figuras propias no se pudieron leer y se apartaron:
%1</translation>
    </message>
    <message>
        <source>My Figures</source>
        <translation>Mis figuras</translation>
    </message>
    <message>
        <source>Cannot open figure %1: %2</source>
        <translation>No se puede abrir la figura %1: %2</translation>
    </message>
    <message>
        <source>Open Figure</source>
        <translation>Abrir figura</translation>
    </message>
</context>
<context>
    <name>CMorvaneDoc</name>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>No se puede abrir %1:
%2</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>No se puede guardar %1:
%2</translation>
    </message>
    <message>
        <source>Wendrel games (*.%1);;All files (*)</source>
        <translation>Partidas de Wendrel (*.%1);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>CMorvaneView</name>
    <message>
        <source>Puzzle creation failed.  Please try again.  
<byte value="xd"/></source>
        <translation>No se pudo crear el rompecabezas. Inténtelo de nuevo.  
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Internal Error - GetDC() failed</source>
        <translation>Error interno: falló GetDC()</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>The printer did not take the printout.</source>
        <translation>La impresora no aceptó la impresión.</translation>
    </message>
    <message>
        <source>Cannot print to %1:
%2</source>
        <translation>No se puede imprimir en %1:
%2</translation>
    </message>
    <message>
        <source>This move of the opened game does not fit its puzzle, so it cannot be shown.</source>
        <translation>Este movimiento de la partida abierta no encaja en su rompecabezas, así que no se puede mostrar.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Press P or click to go on playing</source>
        <translation>Pulse P o haga clic para seguir jugando</translation>
    </message>
</context>
<context>
    <name>CPictureFigureDlg</name>
    <message>
        <source>New Figure from Picture</source>
        <translation>Nueva figura a partir de una imagen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Pieces:</source>
        <translation>&amp;Piezas:</translation>
    </message>
</context>
<context>
    <name>CStatisticsDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resueltos</translation>
    </message>
    <message>
        <source>With help</source>
        <translation>Con ayuda</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Mean time</source>
        <translation>Tiempo medio</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Clear the statistics of every shape?</source>
        <translation>¿Borrar las estadísticas de todas las figuras?</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figura</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Piezas</translation>
    </message>
</context>
<context>
    <name>CommandLineInfo</name>
    <message>
        <source>empty argument at position %1</source>
        <translation>argumento vacío en la posición %1</translation>
    </message>
    <message>
        <source>only one file can be opened, but &apos;%1&apos; follows &apos;%2&apos;</source>
        <translation>solo se puede abrir un archivo, pero «%1» va después de «%2»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>wendrel: %1
Try &apos;wendrel --help&apos; for more information.
</source>
        <translation>wendrel: %1
Pruebe «wendrel --help» para más información.
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
        <translation>Uso: wendrel [--seed N] [--shape NOMBRE] [ARCHIVO]
Un rompecabezas de figuras: vuelva a juntar las piezas dispersas.

  --seed N        crear el primer rompecabezas nuevo con el número N (un entero
                  de 32 bits) en lugar del reloj, para volver a jugarlo
  --shape NOMBRE  cortar los rompecabezas de esta sesión de la figura NOMBRE en
                  lugar de la elegida en el menú: %1
%2  -h, --help      mostrar este texto y salir
  --version       mostrar la versión y salir
  ARCHIVO         abrir la partida guardada ARCHIVO

Un valor también puede ir unido a su opción, como en --seed=N.
Los ajustes propios de Qt se toman del entorno, por ejemplo QT_QPA_PLATFORM.
</translation>
    </message>
    <message>
        <source>  --figure NAME|FILE  the same for any figure: one of the program&apos;s, one of
                your own, or a .wendrel-figure file
  --pieces N    cut them into N pieces, 3 to 20, instead of the figure&apos;s own
</source>
        <translation>  --figure NOMBRE|ARCHIVO  lo mismo para cualquier figura: una del programa,
                  una propia o un archivo .wendrel-figure
  --pieces N      cortarlos en N piezas, de 3 a 20, en lugar de las de la
                  figura
</translation>
    </message>
</context>
<context>
    <name>FigureFile</name>
    <message>
        <source>is missing</source>
        <translation>falta.</translation>
    </message>
    <message>
        <source>is not text</source>
        <translation>no es texto.</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>no es un objeto.</translation>
    </message>
    <message>
        <source>is not a list of points</source>
        <translation>no es una lista de puntos.</translation>
    </message>
    <message>
        <source>is not [x, y]</source>
        <translation>no es [x, y].</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>no es un número finito.</translation>
    </message>
    <message>
        <source>is not a name of small letters, digits and hyphens</source>
        <translation>no es un nombre de letras minúsculas, cifras y guiones.</translation>
    </message>
    <message>
        <source>is not 1</source>
        <translation>no es 1.</translation>
    </message>
    <message>
        <source>has %1 vertices; a figure has 3 to 200</source>
        <translation>tiene %1 vértices; una figura tiene de 3 a 200.</translation>
    </message>
    <message>
        <source>has %1 seeds; a figure has none or 2 to 20</source>
        <translation>tiene %1 semillas; una figura no tiene ninguna o tiene de 2 a 20.</translation>
    </message>
    <message>
        <source>has sides %1 and %2 that cross</source>
        <extracomment>Sides are numbered from 0; side 3 runs from vertex 3 to vertex 4.</extracomment>
        <translation>tiene los lados %1 y %2, que se cruzan.</translation>
    </message>
    <message>
        <source>has side %1 of zero length: two vertices in one place</source>
        <translation>tiene el lado %1 de longitud cero: dos vértices en el mismo sitio.</translation>
    </message>
    <message>
        <source>encloses too small an area for its size</source>
        <translation>encierra un área demasiado pequeña para su tamaño.</translation>
    </message>
    <message>
        <source>lies outside the outline</source>
        <translation>está fuera del contorno.</translation>
    </message>
    <message>
        <source>has seeds %1 and %2 too close together</source>
        <translation>tiene las semillas %1 y %2 demasiado juntas.</translation>
    </message>
    <message>
        <source>it is over 256 KB, too large for a Wendrel figure</source>
        <translation>El archivo ocupa más de 256 KB, demasiado para una figura de Wendrel.</translation>
    </message>
    <message>
        <source>it is not a Wendrel figure</source>
        <translation>No es una figura de Wendrel.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Wendrel (format %1)</source>
        <translation>Lo creó una versión más reciente de Wendrel (formato %1).</translation>
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
        <translation>Ningún programa lee de él</translation>
    </message>
    <message>
        <source>What reads from it has stopped taking anything</source>
        <translation>Lo que lee de él ha dejado de aceptar datos</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Unknown file error</source>
        <translation>Error de archivo desconocido</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>it is empty</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>it is over 1 MB, too large for a Wendrel game</source>
        <translation>El archivo ocupa más de 1 MB, demasiado para una partida de Wendrel.</translation>
    </message>
    <message>
        <source>it is not a Wendrel game</source>
        <translation>No es una partida de Wendrel.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Wendrel (format %1)</source>
        <translation>Lo creó una versión más reciente de Wendrel (formato %1).</translation>
    </message>
    <message>
        <source>its shape &apos;%1&apos; is unknown</source>
        <translation>Su figura «%1» es desconocida.</translation>
    </message>
    <message>
        <source>its pieces do not match the pieces this version cuts</source>
        <translation>Sus piezas no coinciden con las que corta esta versión.</translation>
    </message>
    <message>
        <source>it is damaged: %1 %2</source>
        <translation>El archivo está dañado: %1 %2</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>falta.</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>no es un número entero.</translation>
    </message>
    <message>
        <source>is out of range</source>
        <translation>está fuera de rango.</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>no es un número.</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>no es true ni false.</translation>
    </message>
    <message>
        <source>is not text</source>
        <translation>no es texto.</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>no es un objeto.</translation>
    </message>
    <message>
        <source>is not [pieces, x, y, rotation, flipped]</source>
        <translation>no es [pieces, x, y, rotation, flipped].</translation>
    </message>
    <message>
        <source>is not [shape, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore]</source>
        <translation>no es [shape, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore].</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 pieces</source>
        <translation>no es una lista de 1 a %1 piezas.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 groups</source>
        <translation>no es una lista de 1 a %1 grupos.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 states</source>
        <translation>no es una lista de 1 a %1 estados.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 segments</source>
        <translation>no es una lista de 1 a %1 entradas.</translation>
    </message>
    <message>
        <source>makes no puzzle</source>
        <translation>no forma ningún rompecabezas.</translation>
    </message>
    <message>
        <source>is not that of states[%1]</source>
        <extracomment>After &quot;shape&quot; or &quot;number&quot;, which must be those of the state on the board.</extracomment>
        <translation>no coincide con states[%1].</translation>
    </message>
    <message>
        <source>does not match the groups on the board</source>
        <translation>no coincide con los grupos del tablero.</translation>
    </message>
    <message>
        <source>is not a piece of this puzzle</source>
        <translation>no es una pieza de este rompecabezas.</translation>
    </message>
    <message>
        <source>repeats piece %1</source>
        <translation>repite la pieza %1.</translation>
    </message>
    <message>
        <source>leave out piece %1</source>
        <extracomment>After a field of many groups, as &quot;states[2].groups leave out piece 4&quot;.</extracomment>
        <translation>dejan fuera la pieza %1.</translation>
    </message>
    <message>
        <source>do not all meet in the solved puzzle</source>
        <extracomment>After the pieces of a group, as &quot;states[2].groups[0].pieces do not all meet...&quot;.</extracomment>
        <translation>no quedan todas unidas en el rompecabezas resuelto.</translation>
    </message>
    <message>
        <source>is not [figure, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore, pieces]</source>
        <translation>no es [figure, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore, pieces].</translation>
    </message>
    <message>
        <source>is not a list of figures</source>
        <translation>no es una lista de figuras.</translation>
    </message>
    <message>
        <source>does not make a figure that can be cut</source>
        <translation>no forma una figura que se pueda cortar.</translation>
    </message>
</context>
<context>
    <name>KeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NÚM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
</context>
<context>
    <name>LicenceTerms</name>
    <message>
        <source>The full text of the licence is in the file LICENSE that comes with the source of Wendrel.</source>
        <translation>El texto completo de la licencia está en el archivo LICENSE que acompaña al código fuente de Wendrel.</translation>
    </message>
    <message>
        <source>The full text of the licence is installed in the file:
%1</source>
        <translation>El texto completo de la licencia está instalado en el archivo:
%1</translation>
    </message>
    <message>
        <source>Wendrel is free software under the MIT licence.

%1

You may use, copy, change, publish, pass on and sell copies of Wendrel, free of charge, as long as the copyright notice and the licence go with every copy. Wendrel comes with no warranty of any kind.

%2</source>
        <translation>Wendrel es software libre bajo la licencia MIT.

%1

Puede usar, copiar, modificar, publicar, distribuir y vender copias de Wendrel, sin coste alguno, siempre que el aviso de copyright y la licencia acompañen a cada copia. Wendrel se ofrece sin garantía de ningún tipo.

%2</translation>
    </message>
</context>
<context>
    <name>PictureTrace</name>
    <message>
        <source>it is empty or cannot be read</source>
        <translation>está vacía o no se puede leer</translation>
    </message>
    <message>
        <source>it is all one colour, with no shape to tell from the background</source>
        <translation>es toda de un color, sin ninguna forma que se distinga del fondo</translation>
    </message>
    <message>
        <source>its largest shape is too small or too thin to cut into pieces</source>
        <translation>su forma más grande es demasiado pequeña o delgada para cortarla en piezas</translation>
    </message>
</context>
<context>
    <name>RememberedGame</name>
    <message>
        <source>The remembered game could not be read (%1); it was kept as %2</source>
        <translation>No se pudo leer la partida recordada (%1); se guardó como %2</translation>
    </message>
    <message>
        <source>The remembered game %1 could not be read (%2).</source>
        <translation>No se pudo leer la partida recordada %1 (%2).</translation>
    </message>
    <message>
        <source>The game could not be remembered: %1</source>
        <translation>No se pudo recordar la partida: %1</translation>
    </message>
    <message>
        <source>The game cannot be remembered: the folder %1 cannot be written.</source>
        <translation>No se puede recordar la partida: no se puede escribir en la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Three Hearts</source>
        <translation>Tres corazones</translation>
    </message>
    <message>
        <source>&amp;Three Hearts (15 pieces)</source>
        <translation>&amp;Tres corazones (15 piezas)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from three hearts, in 15 pieces</source>
        <translation>Cortar los próximos rompecabezas de tres corazones, en 15 piezas</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>&amp;Heart (9 pieces)</source>
        <translation>&amp;Corazón (9 piezas)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from a heart, in 9 pieces</source>
        <translation>Cortar los próximos rompecabezas de un corazón, en 9 piezas</translation>
    </message>
    <message>
        <source>Cog Wheel</source>
        <translation>Rueda dentada</translation>
    </message>
    <message>
        <source>&amp;Cog Wheel (9 pieces)</source>
        <translation>&amp;Rueda dentada (9 piezas)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from a cog wheel, in 9 pieces</source>
        <translation>Cortar los próximos rompecabezas de una rueda dentada, en 9 piezas</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Óvalo</translation>
    </message>
    <message>
        <source>&amp;Oval (3 pieces)</source>
        <translation>Ó&amp;valo (3 piezas)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from an oval, in 3 pieces</source>
        <translation>Cortar los próximos rompecabezas de un óvalo, en 3 piezas</translation>
    </message>
</context>
</TS>
