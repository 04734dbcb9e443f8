<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
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
        <translation>Выбор фигуры</translation>
    </message>
    <message>
        <source>%1, %2 pieces</source>
        <translation>%1, деталей: %2</translation>
    </message>
    <message>
        <source>Solved: %1</source>
        <translation>Решено: %1</translation>
    </message>
    <message>
        <source>Best time: %1</source>
        <translation>Лучшее время: %1</translation>
    </message>
    <message>
        <source>Each figure&apos;s own</source>
        <translation>Свои у каждой фигуры</translation>
    </message>
    <message>
        <source>&amp;Pieces:</source>
        <translation>&amp;Детали:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Remove the chosen figure of your own</source>
        <translation>Удалить выбранную фигуру из ваших собственных</translation>
    </message>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Не удалось удалить %1: %2</translation>
    </message>
</context>
<context>
    <name>CGenerateNumberDlg</name>
    <message>
        <source>Generate Number</source>
        <translation>Головоломка по номеру</translation>
    </message>
    <message>
        <source>&amp;Puzzle number:</source>
        <translation>&amp;Номер головоломки:</translation>
    </message>
    <message>
        <source>the puzzle number needs a number</source>
        <translation>Введите номер головоломки.</translation>
    </message>
    <message>
        <source>seed &apos;%1&apos; is not a whole number</source>
        <translation>«%1» — не целое число.</translation>
    </message>
    <message>
        <source>seed &apos;%1&apos; is out of range (%2 to %3)</source>
        <translation>«%1» вне допустимого диапазона (от %2 до %3).</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Generate</source>
        <translation>Новая головоломка</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Новая головоломка</translation>
    </message>
    <message>
        <source>Generate a new puzzle</source>
        <translation>Создать новую головоломку</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Показать/скрыть строку состояния</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Показать или скрыть строку состояния</translation>
    </message>
    <message>
        <source>&amp;Instructions...</source>
        <translation>&amp;Правила игры...</translation>
    </message>
    <message>
        <source>Display instructions</source>
        <translation>Показать правила игры</translation>
    </message>
    <message>
        <source>&amp;Terms of use...</source>
        <translation>&amp;Условия использования...</translation>
    </message>
    <message>
        <source>Display terms of use</source>
        <translation>Показать условия использования</translation>
    </message>
    <message>
        <source>&amp;More Games...</source>
        <translation>&amp;Другие игры...</translation>
    </message>
    <message>
        <source>Display website information</source>
        <translation>Показать сведения о сайте</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <translation>&amp;О программе %1...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Показать сведения о программе, номер версии и авторские права</translation>
    </message>
    <message>
        <source>Generate &amp;Number...</source>
        <translation>Головоломка по но&amp;меру...</translation>
    </message>
    <message>
        <source>Generate Number</source>
        <translation>Головоломка по номеру</translation>
    </message>
    <message>
        <source>Generate the puzzle of a given number</source>
        <translation>Создать головоломку с заданным номером</translation>
    </message>
    <message>
        <source>&amp;Restart Puzzle</source>
        <translation>Начать &amp;заново</translation>
    </message>
    <message>
        <source>Restart Puzzle</source>
        <translation>Начать заново</translation>
    </message>
    <message>
        <source>Put every piece back where the puzzle began</source>
        <translation>Вернуть все детали туда, где они лежали в начале</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Под&amp;сказка</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Join one more piece to the selected or the largest group</source>
        <translation>Присоединить ещё одну деталь к выбранной или самой большой группе</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>&amp;Решить</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Решить</translation>
    </message>
    <message>
        <source>Join every piece and show the solved puzzle</source>
        <translation>Соединить все детали и показать решённую головоломку</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Show the puzzles solved and the best times for each shape</source>
        <translation>Показать решённые головоломки и лучшее время для каждой фигуры</translation>
    </message>
    <message>
        <source>T&amp;imer</source>
        <translation>&amp;Таймер</translation>
    </message>
    <message>
        <source>Toggle Timer</source>
        <translation>Показать/скрыть таймер</translation>
    </message>
    <message>
        <source>Show or hide the playing time</source>
        <translation>Показать или скрыть время игры</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Создать новый документ</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Открыть существующий документ</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Сохранить текущий документ</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Напечатать текущий документ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Отменить последнее действие</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Повторить отменённое действие</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Панель &amp;инструментов</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Показать/скрыть панель инструментов</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Показать или скрыть панель инструментов</translation>
    </message>
    <message>
        <source>%1 groups left</source>
        <translation>Осталось групп: %1</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Решено</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>S&amp;hape</source>
        <translation>&amp;Фигура</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Wendrel is a shape reconstruction puzzle.

To play, click on File &gt; Generate.  Then use
the left mouse button to drag-and-drop the
pieces into their correct positions.  Double
click to flip, right click to rotate.  The puzzle
is complete when all pieces are connected.
</source>
        <translation>Wendrel — головоломка, в которой нужно
заново собрать фигуру.

Чтобы начать, выберите Файл &gt; Новая головоломка.
Затем перетаскивайте детали левой кнопкой
мыши на их места. Двойной щелчок отражает
деталь, щелчок правой кнопкой поворачивает её.
Головоломка решена, когда все детали
соединены.
</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Правила игры</translation>
    </message>
    <message>
        <source>Solved by the program</source>
        <translation>Решено программой</translation>
    </message>
    <message>
        <source>Solved with 1 hint</source>
        <translation>Решено с одной подсказкой</translation>
    </message>
    <message>
        <source>Solved with %1 hints</source>
        <translation>Решено с подсказками: %1</translation>
    </message>
    <message>
        <source>Solved in %1 – a new best for %2</source>
        <translation>Решено за %1 – новый рекорд для фигуры «%2»</translation>
    </message>
    <message>
        <source>Solved in %1 (best %2)</source>
        <translation>Решено за %1 (рекорд: %2)</translation>
    </message>
    <message>
        <source>Solved in %1</source>
        <translation>Решено за %1</translation>
    </message>
    <message>
        <source>Terms of use</source>
        <translation>Условия использования</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>С&amp;татистика...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Save the game under a new name</source>
        <translation>Сохранить игру под новым именем</translation>
    </message>
    <message>
        <source>Re&amp;member Game on Exit</source>
        <translation>Со&amp;хранять игру при выходе</translation>
    </message>
    <message>
        <source>Remember Game on Exit</source>
        <translation>Сохранять игру при выходе</translation>
    </message>
    <message>
        <source>Keep the game when the window closes and bring it back at the next start</source>
        <translation>Сохранять игру при закрытии окна и возвращать её при следующем запуске</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Hide the puzzle and stop the clock until you go on playing</source>
        <translation>Скрыть головоломку и остановить часы, пока вы не продолжите игру</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Во весь экран</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <source>Fill the whole screen with the window, or give it back</source>
        <translation>Развернуть окно на весь экран или вернуть его прежний размер</translation>
    </message>
    <message>
        <source>Choose &amp;Figure...</source>
        <translation>&amp;Выбрать фигуру...</translation>
    </message>
    <message>
        <source>Choose Figure</source>
        <translation>Выбрать фигуру</translation>
    </message>
    <message>
        <source>Choose a figure and start a puzzle of it</source>
        <translation>Выбрать фигуру и начать головоломку из неё</translation>
    </message>
    <message>
        <source>&amp;More Figures...</source>
        <translation>&amp;Другие фигуры...</translation>
    </message>
    <message>
        <source>More Figures</source>
        <translation>Другие фигуры</translation>
    </message>
    <message>
        <source>Choose from every figure and start a puzzle of it</source>
        <translation>Выбрать любую из всех фигур и начать головоломку из неё</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Фигура</translation>
    </message>
    <message>
        <source>Figure Out&amp;line</source>
        <translation>&amp;Контур фигуры</translation>
    </message>
    <message>
        <source>Toggle Figure Outline</source>
        <translation>Показать/скрыть контур фигуры</translation>
    </message>
    <message>
        <source>Show or hide the figure being played beside the play area</source>
        <translation>Показать или скрыть текущую фигуру рядом с игровым полем</translation>
    </message>
    <message>
        <source>%1, %2 pieces, puzzle %3</source>
        <translation>%1, деталей: %2, головоломка № %3</translation>
    </message>
    <message>
        <source>Open F&amp;igure...</source>
        <translation>Открыть ф&amp;игуру...</translation>
    </message>
    <message>
        <source>Open Figure</source>
        <translation>Открыть фигуру</translation>
    </message>
    <message>
        <source>Add a figure file to your own figures and start a puzzle of it</source>
        <translation>Добавить файл фигуры к вашим собственным фигурам и начать головоломку из неё</translation>
    </message>
    <message>
        <source>&amp;Each Figure&apos;s Own</source>
        <translation>&amp;Свои у каждой фигуры</translation>
    </message>
    <message>
        <source>%1 pieces</source>
        <translation>Деталей: %1</translation>
    </message>
    <message>
        <source>Cut each figure into its own pieces</source>
        <translation>Разрезать каждую фигуру на её собственные детали</translation>
    </message>
    <message>
        <source>Cut the next puzzles into %1 pieces</source>
        <translation>Число деталей в следующих головоломках: %1</translation>
    </message>
    <message>
        <source>Wendrel figures (*%1)</source>
        <translation>Фигуры Wendrel (*%1)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Не удалось открыть %1: %2</translation>
    </message>
    <message>
        <source>no puzzle could be cut from this figure; its narrowest parts may be too thin</source>
        <translation>Из этой фигуры не удалось вырезать головоломку: возможно, её самые узкие места слишком тонкие.</translation>
    </message>
    <message>
        <source>Pi&amp;eces</source>
        <translation>&amp;Детали</translation>
    </message>
    <message>
        <source>&amp;10 to 20 pieces</source>
        <translation>&amp;10–20 деталей</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Изображения (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>Cannot make a figure from %1: %2</source>
        <translation>Не удаётся создать фигуру из %1: %2</translation>
    </message>
    <message>
        <source>New Figure from Picture</source>
        <translation>Новая фигура из изображения</translation>
    </message>
    <message>
        <source>Make a figure of your own from the largest shape of a picture</source>
        <translation>Создать свою фигуру из самой крупной формы на изображении</translation>
    </message>
    <message>
        <source>Ne&amp;w Figure from Picture...</source>
        <translation>Нов&amp;ая фигура из изображения...</translation>
    </message>
</context>
<context>
    <name>CMoreGamesDlg</name>
    <message>
        <source>More Games</source>
        <translation>Другие игры</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>My website has more games like this that you can download.  If you have Microsoft Internet Explorer or Netscape Navigator and a connection to the Internet, these buttons will launch your browser and take you to my web page.</source>
        <translation>На моём сайте можно скачать и другие игры вроде этой. Если у вас есть Microsoft Internet Explorer или Netscape Navigator и подключение к Интернету, эти кнопки запустят браузер и откроют мою веб-страницу.</translation>
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
        <translation>Вопросы и замечания присылайте по адресу:</translation>
    </message>
    <message>
        <source>No web browser could be started.

To visit the page, open this address in a web browser:
%1</source>
        <translation>Не удалось запустить веб-браузер.

Чтобы посетить страницу, откройте этот адрес в веб-браузере:
%1</translation>
    </message>
</context>
<context>
    <name>CMorvaneApp</name>
    <message>
        <source>These figures of your own could not be read and were set aside:
%1</source>
        <translation>Не удалось прочитать эти ваши фигуры, и они отложены в сторону:
%1</translation>
    </message>
    <message>
        <source>My Figures</source>
        <translation>Мои фигуры</translation>
    </message>
    <message>
        <source>Cannot open figure %1: %2</source>
        <translation>Не удалось открыть фигуру %1: %2</translation>
    </message>
    <message>
        <source>Open Figure</source>
        <translation>Открыть фигуру</translation>
    </message>
</context>
<context>
    <name>CMorvaneDoc</name>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>Не удалось открыть %1:
%2</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>Не удалось сохранить %1:
%2</translation>
    </message>
    <message>
        <source>Wendrel games (*.%1);;All files (*)</source>
        <translation>Игры Wendrel (*.%1);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>CMorvaneView</name>
    <message>
        <source>Puzzle creation failed.  Please try again.  
<byte value="xd"/></source>
        <translation>Не удалось создать головоломку. Попробуйте ещё раз.  
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Internal Error - GetDC() failed</source>
        <translation>Внутренняя ошибка: сбой GetDC()</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>The printer did not take the printout.</source>
        <translation>Принтер не принял задание на печать.</translation>
    </message>
    <message>
        <source>Cannot print to %1:
%2</source>
        <translation>Не удалось напечатать на %1:
%2</translation>
    </message>
    <message>
        <source>This move of the opened game does not fit its puzzle, so it cannot be shown.</source>
        <translation>Этот ход открытой игры не подходит к её головоломке, поэтому его нельзя показать.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Press P or click to go on playing</source>
        <translation>Нажмите P или щёлкните, чтобы продолжить игру</translation>
    </message>
</context>
<context>
    <name>CPictureFigureDlg</name>
    <message>
        <source>New Figure from Picture</source>
        <translation>Новая фигура из изображения</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Название:</translation>
    </message>
    <message>
        <source>&amp;Pieces:</source>
        <translation>&amp;Число деталей:</translation>
    </message>
</context>
<context>
    <name>CStatisticsDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Решено</translation>
    </message>
    <message>
        <source>With help</source>
        <translation>С помощью</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>Mean time</source>
        <translation>Среднее время</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Clear the statistics of every shape?</source>
        <translation>Очистить статистику всех фигур?</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Фигура</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Детали</translation>
    </message>
</context>
<context>
    <name>CommandLineInfo</name>
    <message>
        <source>empty argument at position %1</source>
        <translation>пустой аргумент в позиции %1</translation>
    </message>
    <message>
        <source>only one file can be opened, but &apos;%1&apos; follows &apos;%2&apos;</source>
        <translation>можно открыть только один файл, но после «%2» указан «%1»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>wendrel: %1
Try &apos;wendrel --help&apos; for more information.
</source>
        <translation>wendrel: %1
По команде «wendrel --help» можно получить дополнительную информацию.
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
        <translation>Использование: wendrel [--seed N] [--shape ИМЯ] [ФАЙЛ]
Головоломка с фигурами: соберите разбросанные детали обратно.

  --seed N      создать первую новую головоломку с номером N (целое 32-битное
                число) вместо номера по часам, чтобы сыграть её ещё раз
  --shape ИМЯ   вырезать головоломки этого запуска из фигуры ИМЯ вместо
                выбранной в меню: %1
%2  -h, --help    показать эту справку и выйти
  --version     показать версию и выйти
  ФАЙЛ          открыть сохранённую игру ФАЙЛ

Значение можно также присоединить к параметру, например --seed=N.
Собственные настройки Qt берутся из окружения, например QT_QPA_PLATFORM.
</translation>
    </message>
    <message>
        <source>  --figure NAME|FILE  the same for any figure: one of the program&apos;s, one of
                your own, or a .wendrel-figure file
  --pieces N    cut them into N pieces, 3 to 20, instead of the figure&apos;s own
</source>
        <translation>  --figure ИМЯ|ФАЙЛ  то же для любой фигуры: одной из фигур программы,
                одной из ваших или файла .wendrel-figure
  --pieces N    разрезать их на N деталей (от 3 до 20) вместо собственных
                деталей фигуры
</translation>
    </message>
</context>
<context>
    <name>FigureFile</name>
    <message>
        <source>is missing</source>
        <translation>отсутствует.</translation>
    </message>
    <message>
        <source>is not text</source>
        <translation>не является текстом.</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>не является объектом.</translation>
    </message>
    <message>
        <source>is not a list of points</source>
        <translation>не является списком точек.</translation>
    </message>
    <message>
        <source>is not [x, y]</source>
        <translation>не имеет вида [x, y].</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>не является конечным числом.</translation>
    </message>
    <message>
        <source>is not a name of small letters, digits and hyphens</source>
        <translation>не является именем из строчных латинских букв, цифр и дефисов.</translation>
    </message>
    <message>
        <source>is not 1</source>
        <translation>не равно 1.</translation>
    </message>
    <message>
        <source>has %1 vertices; a figure has 3 to 200</source>
        <translation>содержит вершин: %1; у фигуры их от 3 до 200.</translation>
    </message>
    <message>
        <source>has %1 seeds; a figure has none or 2 to 20</source>
        <translation>содержит затравок: %1; у фигуры их нет совсем или от 2 до 20.</translation>
    </message>
    <message>
        <source>has sides %1 and %2 that cross</source>
        <extracomment>Sides are numbered from 0; side 3 runs from vertex 3 to vertex 4.</extracomment>
        <translation>содержит пересекающиеся стороны %1 и %2.</translation>
    </message>
    <message>
        <source>has side %1 of zero length: two vertices in one place</source>
        <translation>содержит сторону %1 нулевой длины: две вершины в одной точке.</translation>
    </message>
    <message>
        <source>encloses too small an area for its size</source>
        <translation>ограничивает слишком малую площадь для своего размера.</translation>
    </message>
    <message>
        <source>lies outside the outline</source>
        <translation>лежит вне контура.</translation>
    </message>
    <message>
        <source>has seeds %1 and %2 too close together</source>
        <translation>содержит слишком близкие друг к другу затравки %1 и %2.</translation>
    </message>
    <message>
        <source>it is over 256 KB, too large for a Wendrel figure</source>
        <translation>Файл больше 256 КБ — слишком велик для фигуры Wendrel.</translation>
    </message>
    <message>
        <source>it is not a Wendrel figure</source>
        <translation>Это не файл фигуры Wendrel.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Wendrel (format %1)</source>
        <translation>Файл создан более новой версией Wendrel (формат %1).</translation>
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
        <translation>Из него не читает ни одна программа</translation>
    </message>
    <message>
        <source>What reads from it has stopped taking anything</source>
        <translation>Читающая программа перестала принимать данные</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>Unknown file error</source>
        <translation>Неизвестная ошибка файла</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>it is empty</source>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>it is over 1 MB, too large for a Wendrel game</source>
        <translation>Файл больше 1 МБ — слишком велик для игры Wendrel.</translation>
    </message>
    <message>
        <source>it is not a Wendrel game</source>
        <translation>Это не файл игры Wendrel.</translation>
    </message>
    <message>
        <source>it was made by a newer version of Wendrel (format %1)</source>
        <translation>Файл создан более новой версией Wendrel (формат %1).</translation>
    </message>
    <message>
        <source>its shape &apos;%1&apos; is unknown</source>
        <translation>Неизвестная фигура «%1».</translation>
    </message>
    <message>
        <source>its pieces do not match the pieces this version cuts</source>
        <translation>Детали в файле не совпадают с деталями этой версии.</translation>
    </message>
    <message>
        <source>it is damaged: %1 %2</source>
        <translation>Файл повреждён: %1 %2</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>отсутствует.</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>не является целым числом.</translation>
    </message>
    <message>
        <source>is out of range</source>
        <translation>вне допустимого диапазона.</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>не является числом.</translation>
    </message>
    <message>
        <source>is not true or false</source>
        <translation>не является значением true или false.</translation>
    </message>
    <message>
        <source>is not text</source>
        <translation>не является текстом.</translation>
    </message>
    <message>
        <source>is not an object</source>
        <translation>не является объектом.</translation>
    </message>
    <message>
        <source>is not [pieces, x, y, rotation, flipped]</source>
        <translation>не имеет вида [pieces, x, y, rotation, flipped].</translation>
    </message>
    <message>
        <source>is not [shape, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore]</source>
        <translation>не имеет вида [shape, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore].</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 pieces</source>
        <translation>не является списком от 1 до %1 деталей.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 groups</source>
        <translation>не является списком от 1 до %1 групп.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 states</source>
        <translation>не является списком от 1 до %1 состояний.</translation>
    </message>
    <message>
        <source>is not a list of 1 to %1 segments</source>
        <translation>не является списком от 1 до %1 записей.</translation>
    </message>
    <message>
        <source>makes no puzzle</source>
        <translation>не образует головоломку.</translation>
    </message>
    <message>
        <source>is not that of states[%1]</source>
        <extracomment>After &quot;shape&quot; or &quot;number&quot;, which must be those of the state on the board.</extracomment>
        <translation>не совпадает с states[%1].</translation>
    </message>
    <message>
        <source>does not match the groups on the board</source>
        <translation>не совпадает с группами на поле.</translation>
    </message>
    <message>
        <source>is not a piece of this puzzle</source>
        <translation>не является деталью этой головоломки.</translation>
    </message>
    <message>
        <source>repeats piece %1</source>
        <translation>повторяет деталь %1.</translation>
    </message>
    <message>
        <source>leave out piece %1</source>
        <extracomment>After a field of many groups, as &quot;states[2].groups leave out piece 4&quot;.</extracomment>
        <translation>пропускают деталь %1.</translation>
    </message>
    <message>
        <source>do not all meet in the solved puzzle</source>
        <extracomment>After the pieces of a group, as &quot;states[2].groups[0].pieces do not all meet...&quot;.</extracomment>
        <translation>не все соединяются в решённой головоломке.</translation>
    </message>
    <message>
        <source>is not [figure, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore, pieces]</source>
        <translation>не имеет вида [figure, number, playingMs, hints, solvedByProgram, clockStarted, solvedBefore, pieces].</translation>
    </message>
    <message>
        <source>is not a list of figures</source>
        <translation>не является списком фигур.</translation>
    </message>
    <message>
        <source>does not make a figure that can be cut</source>
        <translation>не образует фигуру, которую можно разрезать.</translation>
    </message>
</context>
<context>
    <name>KeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>LicenceTerms</name>
    <message>
        <source>The full text of the licence is in the file LICENSE that comes with the source of Wendrel.</source>
        <translation>Полный текст лицензии находится в файле LICENSE, который прилагается к исходному коду Wendrel.</translation>
    </message>
    <message>
        <source>The full text of the licence is installed in the file:
%1</source>
        <translation>Полный текст лицензии установлен в файле:
%1</translation>
    </message>
    <message>
        <source>Wendrel is free software under the MIT licence.

%1

You may use, copy, change, publish, pass on and sell copies of Wendrel, free of charge, as long as the copyright notice and the licence go with every copy. Wendrel comes with no warranty of any kind.

%2</source>
        <translation>Wendrel — свободная программа под лицензией MIT.

%1

Вы можете бесплатно использовать, копировать, изменять, публиковать, передавать и продавать копии Wendrel при условии, что к каждой копии прилагаются уведомление об авторских правах и лицензия. Wendrel поставляется без каких-либо гарантий.

%2</translation>
    </message>
</context>
<context>
    <name>PictureTrace</name>
    <message>
        <source>it is empty or cannot be read</source>
        <translation>оно пустое или не читается</translation>
    </message>
    <message>
        <source>it is all one colour, with no shape to tell from the background</source>
        <translation>оно одного цвета, и никакая форма не выделяется на фоне</translation>
    </message>
    <message>
        <source>its largest shape is too small or too thin to cut into pieces</source>
        <translation>самая крупная форма на нём слишком мала или тонка, чтобы разрезать её на детали</translation>
    </message>
</context>
<context>
    <name>RememberedGame</name>
    <message>
        <source>The remembered game could not be read (%1); it was kept as %2</source>
        <translation>Не удалось прочитать сохранённую игру (%1); она сохранена как %2</translation>
    </message>
    <message>
        <source>The remembered game %1 could not be read (%2).</source>
        <translation>Не удалось прочитать сохранённую игру %1 (%2).</translation>
    </message>
    <message>
        <source>The game could not be remembered: %1</source>
        <translation>Не удалось сохранить игру до следующего запуска: %1</translation>
    </message>
    <message>
        <source>The game cannot be remembered: the folder %1 cannot be written.</source>
        <translation>Не удаётся сохранить игру до следующего запуска: нет доступа на запись в папку %1.</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Three Hearts</source>
        <translation>Три сердца</translation>
    </message>
    <message>
        <source>&amp;Three Hearts (15 pieces)</source>
        <translation>&amp;Три сердца (15 деталей)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from three hearts, in 15 pieces</source>
        <translation>Вырезать следующие головоломки из трёх сердец, 15 деталей</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Сердце</translation>
    </message>
    <message>
        <source>&amp;Heart (9 pieces)</source>
        <translation>&amp;Сердце (9 деталей)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from a heart, in 9 pieces</source>
        <translation>Вырезать следующие головоломки из сердца, 9 деталей</translation>
    </message>
    <message>
        <source>Cog Wheel</source>
        <translation>Шестерёнка</translation>
    </message>
    <message>
        <source>&amp;Cog Wheel (9 pieces)</source>
        <translation>&amp;Шестерёнка (9 деталей)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from a cog wheel, in 9 pieces</source>
        <translation>Вырезать следующие головоломки из шестерёнки, 9 деталей</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Овал</translation>
    </message>
    <message>
        <source>&amp;Oval (3 pieces)</source>
        <translation>&amp;Овал (3 детали)</translation>
    </message>
    <message>
        <source>Cut the next puzzles from an oval, in 3 pieces</source>
        <translation>Вырезать следующие головоломки из овала, 3 детали</translation>
    </message>
</context>
</TS>
