<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>AlarmPage</name>
    <message>
        <source>БУДИЛЬНИК #%1</source>
        <translation>ALARM #%1</translation>
    </message>
</context>
<context>
    <name>AlarmPageForm</name>
    <message>
        <source>АКТИВЕН</source>
        <translation>ACTIVE</translation>
    </message>
    <message>
        <source>ТОЧНОСТЬ:</source>
        <translation>ACCURACY:</translation>
    </message>
    <message>
        <source>1 сек</source>
        <translation>1 sec</translation>
    </message>
    <message>
        <source>5 сек</source>
        <translation>5 sec</translation>
    </message>
    <message>
        <source>10 сек</source>
        <translation>10 sec</translation>
    </message>
    <message>
        <source> в р е м я   с р а б а т ы в а н и я   ( чч : мм : сс ) </source>
        <translation> a l a r m   t i m e   ( hh : mm : ss ) </translation>
    </message>
    <message>
        <source> д а т а   с р а б а т ы в а н и я   ( число / месяц ) </source>
        <translation> a l a r m   d a t e   ( day / month ) </translation>
    </message>
    <message>
        <source> перед (мин) </source>
        <translation> before (min) </translation>
    </message>
    <message>
        <source> после (мин) </source>
        <translation> after (min) </translation>
    </message>
    <message>
        <source> р е г у л я р н о с т ь   с р а б а т ы в а н и я </source>
        <translation> r e p e a t </translation>
    </message>
    <message>
        <source>ОДИН РАЗ</source>
        <translation>ONCE</translation>
    </message>
    <message>
        <source>ОДИН РАЗ (В УКАЗАННУЮ ДАТУ)</source>
        <translation>ONCE (ON THE DATE GIVEN)</translation>
    </message>
    <message>
        <source>ПО ДНЯМ НЕДЕЛИ:</source>
        <translation>ON THESE DAYS:</translation>
    </message>
    <message>
        <source>ПОНЕДЕЛЬНИК</source>
        <translation>MONDAY</translation>
    </message>
    <message>
        <source>ВТОРНИК</source>
        <translation>TUESDAY</translation>
    </message>
    <message>
        <source>СРЕДА</source>
        <translation>WEDNESDAY</translation>
    </message>
    <message>
        <source>ЧЕТВЕРГ</source>
        <translation>THURSDAY</translation>
    </message>
    <message>
        <source>ПЯТНИЦА</source>
        <translation>FRIDAY</translation>
    </message>
    <message>
        <source>СУББОТА</source>
        <translation>SATURDAY</translation>
    </message>
    <message>
        <source>ВОСКРЕСЕНИЕ</source>
        <translation>SUNDAY</translation>
    </message>
    <message>
        <source> с о б ы т и я </source>
        <translation> a c t i o n s </translation>
    </message>
    <message>
        <source>ЗВУК:</source>
        <translation>SOUND:</translation>
    </message>
    <message>
        <source>ЗАЦИКЛИТЬ</source>
        <translation>LOOP</translation>
    </message>
    <message>
        <source>ФАЙЛ:</source>
        <translation>RUN:</translation>
    </message>
    <message>
        <source>СИГНАЛ:</source>
        <translation>BEEP:</translation>
    </message>
    <message>
        <source>!!!</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>Alarms</name>
    <message>
        <source>Пропущено: %1 — %2</source>
        <translation>Missed: %1 — %2</translation>
    </message>
</context>
<context>
    <name>ClockMenu</name>
    <message>
        <source> ч </source>
        <translation> h </translation>
    </message>
    <message>
        <source> м </source>
        <translation> m </translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Выбор темы интерфейса</source>
        <translation>Choose skin</translation>
    </message>
    <message>
        <source>Корректировка даты и времени</source>
        <translation>Adjust date and time</translation>
    </message>
    <message>
        <source>Показывать время работы Windows</source>
        <translation>Show system uptime</translation>
    </message>
    <message>
        <source>Использовать прилипание к краям экрана</source>
        <translation>Snap to screen edges</translation>
    </message>
    <message>
        <source>Отменить ближайшее напоминание</source>
        <translation>Cancel the next reminder</translation>
    </message>
    <message>
        <source>Будильники</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Таймеры</source>
        <translation>Timers</translation>
    </message>
    <message>
        <source>Настройки таймера обратного отсчёта</source>
        <translation>Countdown settings</translation>
    </message>
    <message>
        <source>Настройки таймера прямого отсчёта</source>
        <translation>Stopwatch settings</translation>
    </message>
    <message>
        <source>Запустить таймер обратного отсчёта</source>
        <translation>Start the countdown</translation>
    </message>
    <message>
        <source>Запустить таймер прямого отсчёта</source>
        <translation>Start the stopwatch</translation>
    </message>
    <message>
        <source>Режим кнопки таймера: остановка и сброс</source>
        <translation>Timer button: stop and reset</translation>
    </message>
    <message>
        <source>Режим кнопки таймера: пауза и продолжение</source>
        <translation>Timer button: pause and resume</translation>
    </message>
    <message>
        <source>Скрыть на 10 секунд</source>
        <translation>Hide for 10 seconds</translation>
    </message>
    <message>
        <source>Скрыть на 60 секунд</source>
        <translation>Hide for 60 seconds</translation>
    </message>
    <message>
        <source>Перезапуск</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Остановить таймер обратного отсчёта</source>
        <translation>Stop the countdown</translation>
    </message>
    <message>
        <source>Остановить таймер прямого отсчёта</source>
        <translation>Stop the stopwatch</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Использование: koktd [команда]
Без команды запускает часы. Команда передаётся запущенным часам,
а если их нет, часы запускаются и выполняют её.

  --countdown [Ч:]ММ:СС   запустить обратный отсчёт заданной длины
  --countdown stop        остановить обратный отсчёт
  --stopwatch start|pause|resume|stop|reset   управлять секундомером
  --alarm N on|off        включить или выключить будильник N (0-9)
  --settings [раздел]     открыть настройки (options, alarm, countdown,
                          stopwatch, message, skins, editor, info)
  --show                  показать спрятанные часы
  --quit                  закрыть часы
  --status                напечатать состояние часов строками «ключ: значение»
  -h, --help              эта справка
  --version               версия программы
</source>
        <translation>Usage: koktd [command]
Without a command, starts the clock. A command goes to the running clock;
when none runs, a clock starts and carries it out.

  --countdown [H:]MM:SS   start a countdown of this length
  --countdown stop        stop the countdown
  --stopwatch start|pause|resume|stop|reset   drive the stopwatch
  --alarm N on|off        switch alarm N (0-9) on or off
  --settings [section]    open the settings (options, alarm, countdown,
                          stopwatch, message, skins, editor, info)
  --show                  show the hidden clock
  --quit                  close the clock
  --status                print the clock's state as &quot;key: value&quot; lines
  -h, --help              this help
  --version               the program's version
</translation>
    </message>
    <message>
        <source>Запущенные часы не ответили на команду.</source>
        <translation>The running clock did not answer the command.</translation>
    </message>
    <message>
        <source>Запущенные часы не приняли команду.</source>
        <translation>The running clock did not take the command.</translation>
    </message>
    <message>
        <source>Справка: koktd --help</source>
        <translation>Help: koktd --help</translation>
    </message>
</context>
<context>
    <name>CountdownPageForm</name>
    <message>
        <source> о т с ч ё т   в р е м е н и </source>
        <translation> c o u n t d o w n </translation>
    </message>
    <message>
        <source>ТАЙМЕР ОБРАТНОГО ОТСЧЕТА АКТИВЕН</source>
        <translation>COUNTDOWN ACTIVE</translation>
    </message>
    <message>
        <source>ИЗМЕНИТЬ</source>
        <translation>CHANGE</translation>
    </message>
    <message>
        <source>ВРЕМЯ:</source>
        <translation>TIME:</translation>
    </message>
    <message>
        <source>СЕКУНДЫ:</source>
        <translation>SECONDS:</translation>
    </message>
    <message>
        <source> перед (сек) </source>
        <translation> before (sec) </translation>
    </message>
    <message>
        <source> после (мин) </source>
        <translation> after (min) </translation>
    </message>
    <message>
        <source> с о б ы т и я </source>
        <translation> a c t i o n s </translation>
    </message>
    <message>
        <source>ВОСПРОИЗВЕСТИ ЗВУК:</source>
        <translation>PLAY SOUND:</translation>
    </message>
    <message>
        <source>ЗАЦИКЛИТЬ ВОСПРОИЗВЕДЕНИЕ ЗВУКА</source>
        <translation>PLAY THE SOUND IN A LOOP</translation>
    </message>
    <message>
        <source>СИГНАЛ:</source>
        <translation>BEEP:</translation>
    </message>
    <message>
        <source>ЗАПУСТИТЬ ПРОГРАММУ:</source>
        <translation>RUN PROGRAM:</translation>
    </message>
    <message>
        <source>!!!</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>Defaults</name>
    <message>
        <source>ПРИВЕТ!          [ СООБЩЕНИЕ В МОМЕНТ СРАБАТЬIВАНИЯ ЭТОГО БУДИЛЬНИКА ]</source>
        <translation>HELLO!          [ THE MESSAGE SHOWN WHEN THIS ALARM GOES OFF ]</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt;  ПРИШЛО ВРЕМЯ  &lt;&lt;&lt;</source>
        <translation>&gt;&gt;&gt;  TIME IS UP  &lt;&lt;&lt;</translation>
    </message>
    <message>
        <source>ВРЕМЯ ИСТЕКЛО!          [ СООБЩЕНИЕ В МОМЕНТ ИСТЕЧЕНИЯ ВРЕМЕНИ ТАЙМЕРА ]</source>
        <translation>TIME IS UP!          [ THE MESSAGE SHOWN WHEN THE COUNTDOWN ENDS ]</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Файлы темы kOk DIAL TD|skin.ksf</source>
        <translation>kOk DIAL TD skin files|skin.ksf</translation>
    </message>
    <message>
        <source>Укажите звуковой файл формата wave...</source>
        <translation>Choose a WAVE sound file...</translation>
    </message>
    <message>
        <source>Звуковые файлы формата wave|*.wav|Все файлы|*.*</source>
        <translation>WAVE sound files|*.wav|All files|*.*</translation>
    </message>
    <message>
        <source>Укажите программу...</source>
        <translation>Choose a program...</translation>
    </message>
    <message>
        <source>Поддерживаемые форматы|*.exe;*.com;*.bat|Программы|*.exe;*.com|Пакеты|*.bat|Все файлы|*.*</source>
        <translation>Supported formats|*.exe;*.com;*.bat|Programs|*.exe;*.com|Batch files|*.bat|All files|*.*</translation>
    </message>
    <message>
        <source>Укажите точечный рисунок формата bmp...</source>
        <translation>Choose a BMP picture...</translation>
    </message>
    <message>
        <source>Точечные рисунки формата bmp|*.bmp|Все файлы|*.*</source>
        <translation>BMP pictures|*.bmp|All files|*.*</translation>
    </message>
    <message>
        <source>Все файлы|*.*</source>
        <translation>All files|*.*</translation>
    </message>
    <message>
        <source>Укажите файл интерфейсной темы «skin.ksf»...</source>
        <translation>Choose a skin file &quot;skin.ksf&quot;...</translation>
    </message>
</context>
<context>
    <name>InfoPage</name>
    <message>
        <source>ВЕРСИЯ %1</source>
        <translation>VERSION %1</translation>
    </message>
    <message>
        <source>АВТОР</source>
        <translation>AUTHOR</translation>
    </message>
    <message>
        <source>Команда kOk DIAL TD</source>
        <translation>The kOk DIAL TD team</translation>
    </message>
</context>
<context>
    <name>InfoPageForm</name>
    <message>
        <source>[  и н ф о р м а ц и я  ]</source>
        <translation>[  a b o u t  ]</translation>
    </message>
    <message>
        <source>[ т е м ы   и н т е р ф е й с а ]</source>
        <translation>[ s k i n s ]</translation>
    </message>
</context>
<context>
    <name>MessagePageForm</name>
    <message>
        <source> п о я в л е н и е   с о о б щ е н и я   б у д и л ь н и к о в   и   т а й м е р а   о б р а т н о г о   о т с ч ё т а </source>
        <translation> h o w   a l a r m s   a n d   t h e   c o u n t d o w n   s h o w   t h e i r   m e s s a g e </translation>
    </message>
    <message>
        <source>МИГАЮЩАЯ ПОЛОСА ЗАДАННОЙ ВЬIСОТЬI   (В ВЕРХНЕЙ ЧАСТИ ЭКРАНА)</source>
        <translation>FLASHING BAR OF THE HEIGHT GIVEN   (AT THE TOP OF THE SCREEN)</translation>
    </message>
    <message>
        <source>МИГАЮЩАЯ ПОЛОСА ЗАДАННОЙ ВЬIСОТЬI   (В ЦЕНТРАЛЬНОЙ ЧАСТИ ЭКРАНА)</source>
        <translation>FLASHING BAR OF THE HEIGHT GIVEN   (IN THE MIDDLE OF THE SCREEN)</translation>
    </message>
    <message>
        <source>РАЗВЕРНУТОЕ НА ВЕСЬ ЭКРАН СООБЩЕНИЕ</source>
        <translation>FULL-SCREEN MESSAGE</translation>
    </message>
    <message>
        <source> р а з м е р ы   и   ц в е т а   п о л о с ы   и   т е к с т а   с о о б щ е н и я </source>
        <translation> s i z e s   a n d   c o l o r s   o f   t h e   b a r   a n d   i t s   t e x t </translation>
    </message>
    <message>
        <source>ШРИФТ - SMALL FONTS</source>
        <translation>FONT - SMALL FONTS</translation>
    </message>
    <message>
        <source>ШРИФТ - ARIAL BLACK</source>
        <translation>FONT - ARIAL BLACK</translation>
    </message>
    <message>
        <source>РАЗМЕР ШРИФТА:</source>
        <translation>FONT SIZE:</translation>
    </message>
    <message>
        <source>ВЬIСОТА ПОЛОСЬI:</source>
        <translation>BAR HEIGHT:</translation>
    </message>
    <message>
        <source>ЧАСТОТА МЕРЦАНИЯ:</source>
        <translation>FLASH RATE:</translation>
    </message>
    <message>
        <source>ЦВЕТ #1</source>
        <translation>COLOR #1</translation>
    </message>
    <message>
        <source>ЦВЕТ #2</source>
        <translation>COLOR #2</translation>
    </message>
    <message>
        <source> п а р а м е т р ы   з в у к а </source>
        <translation> s o u n d </translation>
    </message>
    <message>
        <source>ВЬIВОДИТЬ ЗВУК ПРЕДУПРЕЖДЕНИЯ ЧЕРЕЗ САУНДБЛАСТЕР</source>
        <translation>PLAY THE WARNING SOUND THROUGH THE SOUND CARD</translation>
    </message>
    <message>
        <source>ВЬIВОДИТЬ ЗВУК ПРЕДУПРЕЖДЕНИЯ ЧЕРЕЗ ДИНАМИК ПК</source>
        <translation>PLAY THE WARNING SOUND THROUGH THE PC SPEAKER</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Программа &quot;kOk DIAL TD&quot; уже запущена!</source>
        <translation>&quot;kOk DIAL TD&quot; is already running!</translation>
    </message>
    <message>
        <source>Произошла ошибка во время загрузки темы.
Нажмите «ОК» для перезапуска программы
и загрузки параметров темы по умолчанию.</source>
        <translation>The skin could not be loaded.
Press &quot;OK&quot; to restart the program
with the default skin.</translation>
    </message>
    <message>
        <source>Произошла ошибка загрузки темы и сохранения её настроек.
Возможно, программа запущена с диска, запись на который запрещена
или файл настроек имеет аттрибут «только для чтения».
Работа программы будет прекращена.</source>
        <translation>The skin could not be loaded and its settings could not be saved.
The program may be running from a disk that cannot be written to,
or the settings file may be read-only.
The program will now quit.</translation>
    </message>
    <message>
        <source>
Сохранение положения программы на экране невозможно.</source>
        <translation>
The position of the clock on the screen cannot be saved.</translation>
    </message>
    <message>
        <source>Использование одного и того же цвета
для цветов фона и текста недопустимо.</source>
        <translation>The background and the text
cannot have the same color.</translation>
    </message>
    <message>
        <source>Для активации дополнительных функций ежечасного оповещения
необходима специальная библиотека (файл «kOkvoice.dll», ~500Кб),
которую можно скачать с сайта %1 ...</source>
        <translation>The spoken hourly announcement needs a voice pack
(the file &quot;kOkvoice.dll&quot;, ~500 KB),
which can be downloaded from %1 ...</translation>
    </message>
    <message>
        <source>
Изменение настроек будет невозможно.</source>
        <translation>
The settings cannot be changed.</translation>
    </message>
    <message>
        <source>
Сохранение настроек отменено.</source>
        <translation>
The settings were not saved.</translation>
    </message>
    <message>
        <source>Использование «Default» или «Extended» в качестве названия запрещено.
Введите другое имя или введите его по-другому (иным регистром букв)...</source>
        <translation>&quot;Default&quot; and &quot;Extended&quot; cannot be used as a name.
Enter another name, or write it differently (in other letter case)...</translation>
    </message>
    <message>
        <source>Произошла ошибка во время загрузки
некоторых файлов темы интерфейса.
Возможно они не существуют либо
имеют неподдерживаемый формат.
Открытие темы прервано.</source>
        <translation>Some files of the skin
could not be loaded.
They may be missing
or in a format that is not supported.
The skin was not opened.</translation>
    </message>
    <message>
        <source>Тема должна быть сохранена ТОЛЬКО в файл с именем «skin.ksf»...</source>
        <translation>A skin can ONLY be saved to a file named &quot;skin.ksf&quot;...</translation>
    </message>
    <message>
        <source>Интерфейсная тема была успешно сохранена в каталоге:
</source>
        <translation>The skin was saved in the folder:
</translation>
    </message>
    <message>
        <source>Возникла проблема при попытке записать файл темы на диск.
Попробуйте сохранить интерфейсную тему в другой каталог...</source>
        <translation>The skin file could not be written to the disk.
Try saving the skin to another folder...</translation>
    </message>
    <message>
        <source>Указанная тема интерфейса поддерживается другой версией программы.
Это может вызвать некорректное отображение некоторых компонентов темы.</source>
        <translation>This skin was made for another version of the program.
Some parts of it may not be shown correctly.</translation>
    </message>
    <message>
        <source>Ошибка чтения параметров темы. Загрузка прекращена.
Указанный файл, не является файлом интерфейсной темы
либо не поддерживается текущей версией программы.</source>
        <translation>The skin settings could not be read. Loading stopped.
The file is not a skin file,
or this version of the program does not support it.</translation>
    </message>
    <message>
        <source>Возникла проблема при попытке записать файл на диск.
Возможно, программа запущена с диска, запись на который запрещена.</source>
        <translation>A file could not be written to the disk.
The program may be running from a disk that cannot be written to.</translation>
    </message>
    <message>
        <source>
Использование таймеров будет невозможно.</source>
        <translation>
The timers cannot be used.</translation>
    </message>
    <message>
        <source>Недопустимое растровое изображение</source>
        <translation>Bitmap image is not valid</translation>
    </message>
    <message>
        <source>Критическая ошибка</source>
        <translation>Fatal Error</translation>
    </message>
    <message>
        <source>Владелец FormShaper не является формой</source>
        <translation>Owner of FormShaper is not a TForm</translation>
    </message>
    <message>
        <source>Тип ресурса маски не задан !</source>
        <translation>Mask resource type not defined !</translation>
    </message>
    <message>
        <source>Неподдерживаемый тип ресурса маски ! Допустимы только пользовательские типы ресурсов.</source>
        <translation>Unsupported Mask resource type ! Only userdefined resource types allowed.</translation>
    </message>
    <message>
        <source>Имя ресурса маски не задано !</source>
        <translation>Mask resource name not defined !</translation>
    </message>
    <message>
        <source>Ресурс маски не найден !</source>
        <translation>Mask resource not found !</translation>
    </message>
    <message>
        <source>Недопустимый ресурс маски</source>
        <translation>Not a valide Mask Resource</translation>
    </message>
    <message>
        <source>Внутренняя ошибка</source>
        <translation>Internal Error</translation>
    </message>
    <message>
        <source>Неизвестный параметр: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Длительность отсчёта задаётся как [Ч:]ММ:СС, от 00:10 до 5:59:59: %1</source>
        <translation>A countdown's length is [H:]MM:SS, from 00:10 to 5:59:59: %1</translation>
    </message>
    <message>
        <source>Секундомер понимает start, pause, resume, stop или reset: %1</source>
        <translation>The stopwatch takes start, pause, resume, stop or reset: %1</translation>
    </message>
    <message>
        <source>Будильник задаётся номером от 0 до 9 и словом on или off: %1</source>
        <translation>An alarm is given by its number, 0 to 9, and on or off: %1</translation>
    </message>
    <message>
        <source>Неизвестный раздел настроек (options, alarm, countdown, stopwatch, message, skins, editor, info): %1</source>
        <translation>Unknown settings section (options, alarm, countdown, stopwatch, message, skins, editor, info): %1</translation>
    </message>
    <message>
        <source>Лишний параметр после команды: %1</source>
        <translation>An extra argument after the command: %1</translation>
    </message>
    <message>
        <source>Секундомер не запущен.</source>
        <translation>The stopwatch is not running.</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Отложить</source>
        <translation>Snooze</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>ЗАПУСКАТЬ С ОПЕРАЦИОННОЙ СИСТЕМОЙ</source>
        <translation>START WHEN I LOG IN</translation>
    </message>
    <message>
        <source>АБСОЛЮТНЬIЙ ПРИОРИТЕТ ВИДИМОСТИ</source>
        <translation>ALWAYS ON TOP OF EVERYTHING</translation>
    </message>
    <message>
        <source> р а с п о л о ж е н и е   ч а с о в   н а   э к р а н е </source>
        <translation> c l o c k   p o s i t i o n   o n   t h e   s c r e e n </translation>
    </message>
    <message>
        <source>X = </source>
        <translation>X = </translation>
    </message>
    <message>
        <source>(пиксели)</source>
        <translation>(pixels)</translation>
    </message>
    <message>
        <source>Y = </source>
        <translation>Y = </translation>
    </message>
    <message>
        <source> е ж е ч а с н о е   з в у к о в о е   о п о в е щ е н и е </source>
        <translation> h o u r l y   c h i m e </translation>
    </message>
    <message>
        <source>ИСПОЛЬЗОВАТЬ ЗВУК КАЖДЬIЙ ЧАС</source>
        <translation>SOUND EVERY HOUR</translation>
    </message>
    <message>
        <source>ПОЗЬIВНЬIЕ   (ЧЕРЕЗ ДИНАМИК ПК)</source>
        <translation>CHIME   (PC SPEAKER)</translation>
    </message>
    <message>
        <source>ЗВУКОВОЙ ФАЙЛ ^^^</source>
        <translation>SOUND FILE ^^^</translation>
    </message>
    <message>
        <source>ПОЗЬIВНЬIЕ   (ЧЕРЕЗ САУНДБЛАСТЕР)</source>
        <translation>CHIME   (SOUND CARD)</translation>
    </message>
    <message>
        <source>ГОЛОСОВОЕ СООБЩЕНИЕ</source>
        <translation>SPOKEN HOUR</translation>
    </message>
    <message>
        <source> д о п о л н и т е л ь н ы е   н а с т р о й к и   д л я   р а с ш и р е н н ы х   и н т е р ф е й с н ы х   т е м </source>
        <translation> m o r e   s e t t i n g s   f o r   e x t e n d e d   s k i n s </translation>
    </message>
    <message>
        <source>ПОКАЗЬIВАТЬ ВРЕМЯ РАБОТЬI СИСТЕМЬI</source>
        <translation>SHOW SYSTEM UPTIME</translation>
    </message>
    <message>
        <source>ВО ВРЕМЯ НЕАКТИВНОСТИ - ПОКАЗЬIВАТЬ ПУСТУЮ СТРОКУ</source>
        <translation>WHILE IDLE - SHOW NOTHING</translation>
    </message>
    <message>
        <source>ВО ВРЕМЯ НЕАКТИВНОСТИ - ПОКАЗАТЬ  &lt;&lt; 00:00:00 &gt;&gt;</source>
        <translation>WHILE IDLE - SHOW  &lt;&lt; 00:00:00 &gt;&gt;</translation>
    </message>
    <message>
        <source>ВО ВРЕМЯ НЕАКТИВНОСТИ - ПОКАЗАТЬ  &lt;&lt;  -- : -- : --  &gt;&gt;</source>
        <translation>WHILE IDLE - SHOW  &lt;&lt;  -- : -- : --  &gt;&gt;</translation>
    </message>
    <message>
        <source>!!!</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>НА ВСЕХ РАБОЧИХ СТОЛАХ</source>
        <translation>ON EVERY WORKSPACE</translation>
    </message>
    <message>
        <source>ВСПЛЫВАЮЩИЕ УВЕДОМЛЕНИЯ</source>
        <translation>POP-UP NOTIFICATIONS</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>kOk DIAL TD ::: настройки ::: </source>
        <translation>kOk DIAL TD ::: settings ::: </translation>
    </message>
    <message>
        <source>параметры программы</source>
        <translation>general</translation>
    </message>
    <message>
        <source>будильники</source>
        <translation>alarms</translation>
    </message>
    <message>
        <source>таймер обратного отсчёта</source>
        <translation>countdown</translation>
    </message>
    <message>
        <source>таймер прямого отсчёта</source>
        <translation>stopwatch</translation>
    </message>
    <message>
        <source>сообщение о времени</source>
        <translation>message bar</translation>
    </message>
    <message>
        <source>интерфейсные темы</source>
        <translation>skins</translation>
    </message>
    <message>
        <source>kOk DIAL TD ::: редактор интерфейсных тем</source>
        <translation>kOk DIAL TD ::: skin editor</translation>
    </message>
    <message>
        <source>kOk DIAL TD ::: информация о программе и её авторе</source>
        <translation>kOk DIAL TD ::: about the program and its author</translation>
    </message>
</context>
<context>
    <name>SettingsDialogForm</name>
    <message>
        <source>ПАРАМЕТРЬI</source>
        <translation>GENERAL</translation>
    </message>
    <message>
        <source>БУДИЛЬНИК</source>
        <translation>ALARM</translation>
    </message>
    <message>
        <source>ОТСЧЕТ</source>
        <translation>COUNTDOWN</translation>
    </message>
    <message>
        <source>ТАЙМЕР</source>
        <translation>STOPWATCH</translation>
    </message>
    <message>
        <source>СООБЩЕНИЕ</source>
        <translation>MESSAGE</translation>
    </message>
    <message>
        <source>ТЕМЬI</source>
        <translation>SKINS</translation>
    </message>
    <message>
        <source>РЕДАКТОР</source>
        <translation>EDITOR</translation>
    </message>
    <message>
        <source>ИНФОРМАЦИЯ</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ОТМЕНА</source>
        <translation>CANCEL</translation>
    </message>
</context>
<context>
    <name>SkinEditor</name>
    <message>
        <source>неизвестный</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>новая тема</source>
        <translation>new skin</translation>
    </message>
</context>
<context>
    <name>SkinEditorPage</name>
    <message>
        <source>файл рисунка</source>
        <translation>picture file</translation>
    </message>
    <message>
        <source>шрифт</source>
        <translation>font</translation>
    </message>
    <message>
        <source>ОКНО</source>
        <translation>WINDOW</translation>
    </message>
    <message>
        <source>ТЕКСТУРА КОЖИ</source>
        <translation>SKIN TEXTURE</translation>
    </message>
    <message>
        <source>МАСКА ВИДИМОСТИ</source>
        <translation>SHAPE MASK</translation>
    </message>
    <message>
        <source>КНОПКА ТАЙМЕРА</source>
        <translation>TIMER BUTTON</translation>
    </message>
    <message>
        <source>КНОПКА НАСТРОЕК</source>
        <translation>SETTINGS BUTTON</translation>
    </message>
    <message>
        <source>КНОПКА ВЬIХОДА</source>
        <translation>QUIT BUTTON</translation>
    </message>
    <message>
        <source>ИНДИКАТОР ВРЕМЕНИ</source>
        <translation>TIME DISPLAY</translation>
    </message>
    <message>
        <source>ИНДИКАТОР ТАЙМЕРА</source>
        <translation>TIMER DISPLAY</translation>
    </message>
    <message>
        <source>ОБЬIЧНЬIЙ</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>ПОДСВЕЧЕННЬIЙ</source>
        <translation>HOVER</translation>
    </message>
    <message>
        <source>НАЖАТЬIЙ</source>
        <translation>PRESSED</translation>
    </message>
    <message>
        <source>АКТИВНЬIЙ</source>
        <translation>ACTIVE</translation>
    </message>
    <message>
        <source>[ OK ]</source>
        <translation>[ OK ]</translation>
    </message>
    <message>
        <source>[ ФАЙЛ  НЕ  ЗАГРУЖЕН ]</source>
        <translation>[ NO  FILE  LOADED ]</translation>
    </message>
    <message>
        <source>Укажате каталог для сохранения темы...</source>
        <translation>Choose the folder to save the skin in...</translation>
    </message>
</context>
<context>
    <name>SkinEditorPageForm</name>
    <message>
        <source>СОЗДАТЬ ТЕМУ</source>
        <translation>NEW SKIN</translation>
    </message>
    <message>
        <source>ОТКРЬIТЬ ТЕМУ</source>
        <translation>OPEN SKIN</translation>
    </message>
    <message>
        <source>СОХРАНИТЬ ТЕМУ</source>
        <translation>SAVE SKIN</translation>
    </message>
    <message>
        <source> о б ъ е к т ы </source>
        <translation> p a r t s </translation>
    </message>
    <message>
        <source>РЕЖИМ:</source>
        <translation>STATE:</translation>
    </message>
    <message>
        <source> г а б а р и т ы </source>
        <translation> s i z e </translation>
    </message>
    <message>
        <source>A = </source>
        <translation>A = </translation>
    </message>
    <message>
        <source>B = </source>
        <translation>B = </translation>
    </message>
    <message>
        <source>X = </source>
        <translation>X = </translation>
    </message>
    <message>
        <source>Y = </source>
        <translation>Y = </translation>
    </message>
    <message>
        <source> о п ц и и </source>
        <translation> o p t i o n s </translation>
    </message>
    <message>
        <source>РАСШИРЕННАЯ ТЕМА</source>
        <translation>EXTENDED SKIN</translation>
    </message>
    <message>
        <source> в н е ш н и й   в и д </source>
        <translation> l o o k </translation>
    </message>
    <message>
        <source> и н ф о р м а ц и я </source>
        <translation> s k i n   i n f o </translation>
    </message>
    <message>
        <source>НАЗВАНИЕ:</source>
        <translation>NAME:</translation>
    </message>
    <message>
        <source>VER</source>
        <translation>VER</translation>
    </message>
    <message>
        <source>АВТОР:</source>
        <translation>AUTHOR:</translation>
    </message>
    <message>
        <source>E-MAiL:</source>
        <translation>E-MAIL:</translation>
    </message>
    <message>
        <source>WEB:</source>
        <translation>WEB:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>SkinsPage</name>
    <message>
        <source>%1: почта автора</source>
        <translation>%1: author&apos;s mail</translation>
    </message>
    <message>
        <source>%1: сайт автора</source>
        <translation>%1: author&apos;s website</translation>
    </message>
    <message>
        <source>версия = </source>
        <translation>version = </translation>
    </message>
    <message>
        <source>автор = </source>
        <translation>author = </translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;   ЗАГРУЗИТЕ ФАЙЛ ВНЕШНЕЙ ТЕМЬI для ШiNDOШS серии 9X   &gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;   LOAD A SKIN FILE FOR THE 9X FAMILY   &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;   ЗАГРУЗИТЕ ФАЙЛ ВНЕШНЕЙ ТЕМЬI для ШiNDOШS серии NT   &gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;   LOAD A SKIN FILE FOR THE NT FAMILY   &gt;&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>SkinsPageForm</name>
    <message>
        <source> в ы б о р   т е м ы   и н т е р ф е й с а   [ 95 : 98 : ME ] </source>
        <translation> s k i n   [ 95 : 98 : ME ] </translation>
    </message>
    <message>
        <source>ВСТРОЕННАЯ ТЕМА:   ПРОСТАЯ</source>
        <translation>BUILT-IN SKIN:   SIMPLE</translation>
    </message>
    <message>
        <source>ВСТРОЕННАЯ ТЕМА:   РАСШИРЕННАЯ</source>
        <translation>BUILT-IN SKIN:   EXTENDED</translation>
    </message>
    <message>
        <source>ВНЕШНЯЯ ТЕМА:   ПОЛЬЗОВАТЕЛЬСКАЯ</source>
        <translation>SKIN FROM A FILE:   YOUR OWN</translation>
    </message>
    <message>
        <source>ЗАГРУЗИТЬ ТЕМУ для WiNDOWS серии 9X</source>
        <translation>LOAD A SKIN FOR THE 9X FAMILY</translation>
    </message>
    <message>
        <source> в ы б о р   т е м ы   и н т е р ф е й с а   [ NT : 2000 : XP ] </source>
        <translation> s k i n   [ NT : 2000 : XP ] </translation>
    </message>
    <message>
        <source>ЗАГРУЗИТЬ ТЕМУ для WiNDOWS серии NT</source>
        <translation>LOAD A SKIN FOR THE NT FAMILY</translation>
    </message>
    <message>
        <source>ТЕКУЩАЯ 9X</source>
        <translation>CURRENT 9X</translation>
    </message>
    <message>
        <source>НОВАЯ 9X</source>
        <translation>NEW 9X</translation>
    </message>
    <message>
        <source>ТЕКУЩАЯ XP</source>
        <translation>CURRENT XP</translation>
    </message>
    <message>
        <source>НОВАЯ XP</source>
        <translation>NEW XP</translation>
    </message>
</context>
<context>
    <name>Stopwatch</name>
    <message>
        <source>Таймер прямого отсчёта: щелчок — пуск или остановка со сбросом, двойной щелчок — пуск или остановка</source>
        <translation>Stopwatch: click to start, or to stop and reset; double-click to start or stop</translation>
    </message>
    <message>
        <source>Таймер прямого отсчёта: щелчок — пуск, пауза или продолжение, двойной щелчок — пуск или остановка</source>
        <translation>Stopwatch: click to start, pause or resume; double-click to start or stop</translation>
    </message>
</context>
<context>
    <name>StopwatchPage</name>
    <message>
        <source>  [с </source>
        <translation>  [from </translation>
    </message>
    <message>
        <source> до </source>
        <translation> to </translation>
    </message>
</context>
<context>
    <name>StopwatchPageForm</name>
    <message>
        <source>и н ф о р м а ц и я   о   т а й м е р е </source>
        <translation>s t o p w a t c h </translation>
    </message>
    <message>
        <source>ВРЕМЯ  НАЧАЛА  ОТСЧЕТА:</source>
        <translation>STARTED  AT:</translation>
    </message>
    <message>
        <source>ТЕКУЩЕЕ ВРЕМЯ:</source>
        <translation>TIME NOW:</translation>
    </message>
    <message>
        <source>ПРОПУЩЕНО ВРЕМЕНИ:</source>
        <translation>TIME PAUSED:</translation>
    </message>
    <message>
        <source>ТЕКУЩЕЕ ЗНАЧЕНИЕ ТАЙМЕРА:</source>
        <translation>STOPWATCH READING:</translation>
    </message>
    <message>
        <source>ПРИОСТАНОВИТЬ ТАЙМЕР</source>
        <translation>PAUSE THE STOPWATCH</translation>
    </message>
    <message>
        <source>ПРОДОЛЖИТЬ РАБОТУ ТАЙМЕРА</source>
        <translation>RESUME THE STOPWATCH</translation>
    </message>
    <message>
        <source>ОСТАНОВИТЬ и ОБНУЛИТЬ ТАЙМЕР</source>
        <translation>STOP and RESET THE STOPWATCH</translation>
    </message>
    <message>
        <source>ОЧИСТИТЬ ЗНАЧЕНИЯ</source>
        <translation>CLEAR THE READINGS</translation>
    </message>
    <message>
        <source> с о х р а н ё н н ы е   з н а ч е н и я </source>
        <translation> s a v e d   r e a d i n g s </translation>
    </message>
    <message>
        <source>СОХРАНИТЬ 1-ое ЗНАЧЕНИЕ ТАЙМЕРА</source>
        <translation>SAVE READING 1</translation>
    </message>
    <message>
        <source>СОХРАНИТЬ 2-ое ЗНАЧЕНИЕ ТАЙМЕРА</source>
        <translation>SAVE READING 2</translation>
    </message>
    <message>
        <source>СОХРАНИТЬ 3-ье ЗНАЧЕНИЕ ТАЙМЕРА</source>
        <translation>SAVE READING 3</translation>
    </message>
    <message>
        <source>СОХРАНИТЬ 4-ое ЗНАЧЕНИЕ ТАЙМЕРА</source>
        <translation>SAVE READING 4</translation>
    </message>
    <message>
        <source>СОХРАНИТЬ 5-ое ЗНАЧЕНИЕ ТАЙМЕРА</source>
        <translation>SAVE READING 5</translation>
    </message>
    <message>
        <source>РЕЖИМ РАБОТЬI КНОПКИ ТАЙМЕРА:</source>
        <translation>WHAT THE TIMER BUTTON DOES:</translation>
    </message>
    <message>
        <source>ОСТАНОВКА и СБРОС</source>
        <translation>STOP and RESET</translation>
    </message>
    <message>
        <source>ПАУЗА и ПРОДОЛЖЕНИЕ</source>
        <translation>PAUSE and RESUME</translation>
    </message>
</context>
<context>
    <name>StorableText</name>
    <message>
        <source>Поле «%1» содержит символы, которые нельзя сохранить: %2</source>
        <translation>The field “%1” contains characters that cannot be saved: %2</translation>
    </message>
    <message>
        <source>В поле помещается не более %1 знаков.</source>
        <translation>This field holds at most %1 characters.</translation>
    </message>
</context>
<context>
    <name>WavePlayback</name>
    <message>
        <source>Файл «%1» больше %2 МБ: звуковые файлы такого размера не проигрываются.</source>
        <translation>The file &quot;%1&quot; is larger than %2 MiB: sound files that large are not played.</translation>
    </message>
</context>
<context>
    <name>kok::clock::ClockWindow</name>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Открыть настройки</source>
        <translation>Open the settings</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Закрыть программу</source>
        <translation>Quit the clock</translation>
    </message>
    <message>
        <source>Таймер прямого отсчёта</source>
        <translation>Stopwatch</translation>
    </message>
</context>
<context>
    <name>kok::dialog::AlarmPage</name>
    <message>
        <source>сообщение будильника</source>
        <translation>alarm message</translation>
    </message>
</context>
<context>
    <name>kok::dialog::CountdownPage</name>
    <message>
        <source>сообщение таймера</source>
        <translation>countdown message</translation>
    </message>
</context>
<context>
    <name>kok::dialog::FieldCaption</name>
    <message>
        <source>часы</source>
        <translation>hours</translation>
    </message>
    <message>
        <source>минуты</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>секунды</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>число</source>
        <translation>day</translation>
    </message>
    <message>
        <source>месяц</source>
        <translation>month</translation>
    </message>
    <message>
        <source>сообщение</source>
        <translation>message</translation>
    </message>
    <message>
        <source>первое предупреждение</source>
        <translation>first warning</translation>
    </message>
    <message>
        <source>второе предупреждение</source>
        <translation>second warning</translation>
    </message>
    <message>
        <source>%1, стрелки</source>
        <translation>%1, arrows</translation>
    </message>
</context>
<context>
    <name>kok::dialog::OptionsPage</name>
    <message>
        <source>Почему голосовые функции недоступны (щёлкните или нажмите Enter)</source>
        <translation>Why the voice functions are unavailable (click or press Enter)</translation>
    </message>
</context>
<context>
    <name>kok::dialog::SettingsDialog</name>
    <message>
        <source>Отменить несохранённые изменения?</source>
        <translation>Discard unsaved changes?</translation>
    </message>
    <message>
        <source>Отменить изменения</source>
        <translation>Discard changes</translation>
    </message>
    <message>
        <source>Продолжить правку</source>
        <translation>Keep editing</translation>
    </message>
</context>
<context>
    <name>kok::dialog::SkinEditorPage</name>
    <message>
        <source>шрифт индикатора</source>
        <translation>indicator font</translation>
    </message>
</context>
<context>
    <name>kok::dialog::SmallButton</name>
    <message>
        <source>Прослушать выбранный звук</source>
        <translation>Play the chosen sound</translation>
    </message>
    <message>
        <source>Запустить выбранную программу</source>
        <translation>Run the chosen program</translation>
    </message>
    <message>
        <source>Прослушать выбранный сигнал</source>
        <translation>Play the chosen beep pattern</translation>
    </message>
    <message>
        <source>Выбрать звуковой файл...</source>
        <translation>Choose a sound file...</translation>
    </message>
    <message>
        <source>Выбрать программу...</source>
        <translation>Choose a program...</translation>
    </message>
    <message>
        <source>Выбрать цвет...</source>
        <translation>Choose a color...</translation>
    </message>
    <message>
        <source>Выбрать цвет #1 (фон)...</source>
        <translation>Choose color #1 (background)...</translation>
    </message>
    <message>
        <source>Выбрать цвет #2 (текст)...</source>
        <translation>Choose color #2 (text)...</translation>
    </message>
    <message>
        <source>Выбрать рисунок...</source>
        <translation>Choose a picture...</translation>
    </message>
    <message>
        <source>Выбрать шрифт...</source>
        <translation>Choose a font...</translation>
    </message>
</context>
</TS>
