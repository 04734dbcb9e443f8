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
        <source>%1, puzzle %2</source>
        <translation>%1, головоломка № %2</translation>
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
</context>
<context>
    <name>CMorvaneApp</name>
    <message>
        <source>The game could not be remembered: %1</source>
        <translation>Не удалось сохранить игру до следующего запуска: %1</translation>
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
</context>
<context>
    <name>CStatisticsDlg</name>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Фигура</translation>
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
  -h, --help    print this text and exit
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
  -h, --help    показать эту справку и выйти
  --version     показать версию и выйти
  ФАЙЛ          открыть сохранённую игру ФАЙЛ

Значение можно также присоединить к параметру, например --seed=N.
Собственные настройки Qt берутся из окружения, например QT_QPA_PLATFORM.
</translation>
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
    <name>RememberedGame</name>
    <message>
        <source>The remembered game could not be read (%1); it was kept as %2</source>
        <translation>Не удалось прочитать сохранённую игру (%1); она сохранена как %2</translation>
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
