%1 lies outside %2..%3	%1 вне диапазона %2..%3
wrong type	неверный тип
not a date	не является датой
%1: larger than %2 bytes, not read	%1: больше %2 байт, не прочитан
line %1: values of another key ignored	строка %1: значения другого раздела пропущены
line %1: a value outside the key [%2]	строка %1: значение вне раздела [%2]
Proxy port "%1" is not a decimal number	Порт прокси «%1» не является десятичным числом
Proxy port %1 is outside 1..65535	Порт прокси %1 вне диапазона 1..65535
The HTTP client could not be set up	Не удалось подготовить HTTP-клиент
The answer is larger than %1 bytes	Ответ больше %1 байт
larger than %1 bytes	больше %1 байт
further lines that could not be read are not listed	остальные нечитаемые строки не перечислены
Lesen Sie zuerst die Daten der Ziehungen ein	Сначала загрузите данные тиражей
line %1: %2	строка %1: %2
missing header	нет строки заголовка
header must be "%1" or "%2"	заголовок должен быть "%1" или "%2"
%1 fields, expected %2	полей: %1, ожидалось %2
bad date "%1"	неверная дата "%1"
date %1 is earlier than the line before	дата %1 раньше, чем в предыдущей строке
n%1 "%2" is not a number 1..%3	n%1 "%2" не является числом от 1 до %3
the six numbers are not distinct	шесть чисел не все разные
zusatzzahl "%1" is not a number 0..%2	zusatzzahl "%1" не является числом от 0 до %2
superzahl "%1" is not a digit	superzahl "%1" не является цифрой
spiel77 "%1" is not seven digits	spiel77 "%1" не состоит из семи цифр
super6 "%1" is not six digits	super6 "%1" не состоит из шести цифр
%1: Lesen über das Dateiende hinaus (die Datei enthält keine Ziehung)	%1: чтение за концом файла (файл не содержит ни одного тиража)
'%1' ist kein gültiger Integerwert	'%1' не является допустимым целым числом
'%1' ist keine Zahl von %2 bis %3	'%1' не является числом от %2 до %3
'%1' ist keine Ziffer	'%1' не является цифрой
Wollen Sie wirklich alle Ziehungsdaten löschen und dies komplett aus dem Internet neu aufbauen??	Вы действительно хотите удалить все данные тиражей и полностью заново загрузить их из интернета?
Ziehungsdaten löschen?	Удалить данные тиражей?
'' ist kein gültiges Datum	'' не является допустимой датой
'%1' ist kein gültiges Datum	'%1' не является допустимой датой
Seite %1 der Ergebnisse ist keine HTML-Seite	Страница результатов %1 не является HTML-страницей
Orbix.dat, Zeile %1: '%2' ist kein gültiges Datum	Orbix.dat, строка %1: '%2' не является допустимой датой
Orbix.dat, Zeile %1: '%2' ist keine Zahl von 1 bis %3	Orbix.dat, строка %1: '%2' не является числом от 1 до %3
Der Dienst %1 ist nicht erreichbar (%2). Die Aktualisierung wurde beendet; die bisher geladenen Ziehungen bleiben gespeichert.	Сервис %1 недоступен (%2). Обновление прервано; уже загруженные тиражи сохранены.
Loading	Загрузка
Failed : %1	Ошибка: %1
Received %1 bytes	Получено байт: %1
Not guarantee the accuracy of the numbers!	Правильность чисел не гарантируется!
%1 noch nicht da!	Тиража %1 ещё нет!
Failed : %1 %2	Ошибка: %1 %2
Es wurde keine Reihe ausgewertet, ein Vergleich mit dem Zufall ist nicht möglich.	Не проверено ни одной ставки, сравнение со случаем невозможно.
Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen	Номер билета ещё ни разу не выпадал выигрышным номером Super 6 или Spiel 77
LosNr. wurde am %1 bei der Super 6 gezogen	Номер билета выпал в Super 6 в тираже от %1
LosNr. wurde am %1 im Spiel 77 gezogen	Номер билета выпал в Spiel 77 в тираже от %1
Die Zahlenliste enthält weniger als sechs verschiedene Zahlen; es wurde kein Tipp berechnet. Bitte wählen Sie andere Optionen.	Список чисел содержит меньше шести разных чисел; ставка не рассчитана. Выберите другие параметры.
Die Zahl %1 geht mit der Gewichtung %2 in die Berechnung ein	Число %1 входит в расчёт с весом %2
Zeile %1 der Werteliste ist keine ganze Zahl von 0 bis %2: "%3"	Строка %1 списка значений не является целым числом от 0 до %2: "%3"
Abgabe-Service steht momentan nicht zur Verfügung. Prüfen Sie ob sie mit dem Internet verbunden sind. Besteht das Problem länger, prüfen Sie ob es auf %1 neue Updates gibt.	Сервис отправки ставок сейчас недоступен. Проверьте, подключены ли вы к интернету. Если проблема сохраняется, проверьте, нет ли новых обновлений на %1.
Tipp24 nicht geöffnet? => Linkseite aktivieren!	Tipp24 не открылся? => Включить страницу ссылок!
Die Adresse für die Tippabgabe ist länger als %1 Zeichen; der Tipp wurde nicht übergeben.	Адрес для отправки ставки длиннее %1 символов; ставка не передана.
Connecting to %1.	Подключение к %1.
Connected.	Подключено.
Sending message.	Отправка сообщения.
Ungültiger SMTP-Server: "%1"	Недопустимый SMTP-сервер: "%1"
curl_easy_init failed	ошибка curl_easy_init
Resolving hostname %1.	Определение адреса узла %1.
Disconnected.	Соединение закрыто.
A4 Quer	A4 альбомная
A5 Quer	A5 альбомная
 Oben	 Сверху
 Links	 Слева
Feldhöhe:	Выс. поля:
Feldweite:	Шир. поля:
Links-Korrektur:	Поправка слева:
Korrektur 2.Reihe:	Поправка 2-го ряда:
Spiel 77  Ja:	Spiel 77  Да:
Spiel 77  Nein:	Spiel 77  Нет:
Super 6 Ja:	Super 6 Да:
Super 6  Nein:	Super 6  Нет:
Glücksspirale Ja:	Glücksspirale Да:
Glücksspirale Nein:	Glücksspirale Нет:
Mittwoch:	Среда:
Samstag:	Суббота:
Sa/Mi:	Сб/Ср:
Bilddatei des Scheines (jpg)	Файл изображения билета (jpg)
'%1' ist kein gültiger Integerwert (%2)	'%1' не является допустимым целым числом (%2)
%1. Tipp	%1. Ставка
Tippdatei (*.ntp)	Файл ставок (*.ntp)
the PDF page could not be started	не удалось начать страницу PDF
Reihen nach Anzahl der Richtigen	Ставки по числу совпадений
Optionen	Параметры
Zufallstipps	Случайные ставки
Erwartet	Ожидается
Richtige	Совпадения
%1 Richtige	Совпадений: %1
Mittel je Reihe	Среднее на ставку
Vergleich speichern	Сохранить сравнение
PNG-Bild (*.png);;SVG-Grafik (*.svg)	Изображение PNG (*.png);;Графика SVG (*.svg)
%1 konnte nicht gespeichert werden.	Не удалось сохранить %1.
CSV-Dateien (*.csv);;Alle Dateien (*)	Файлы CSV (*.csv);;Все файлы (*)
Die gespeicherten Ziehungen durch die %1 Ziehungen aus "%2" ersetzen?	Заменить сохранённые тиражи тиражами из "%2" (количество: %1)?
Bitte warten Sie, bis die Aktualisierung oder Berechnung beendet ist.	Подождите, пока завершится обновление или расчёт.
CSV importieren	Импорт CSV
%1 Ziehungen importiert	Импортировано тиражей: %1
CSV exportieren	Экспорт CSV
%1 Ziehungen nach %2 exportiert	Тиражей экспортировано в %2: %1
Textdatei (*.txt)	Текстовый файл (*.txt)
Zu wenige Ziehungen für den Ausschluss der letzten Superzahlen: die Superzahl wurde ohne ihn gewählt	Слишком мало тиражей, чтобы исключить последние суперчисла: суперчисло выбрано без этого исключения
Einstellungen: %1 unlesbare Angabe(n) in %2 übergangen (%3)	Настройки: пропущено нечитаемых значений: %1 в %2 (%3)
Die Einstellungen konnten nicht gespeichert werden.\n%1	Не удалось сохранить настройки.\n%1
Clickrunner jetzt installieren?	Установить Clickrunner сейчас?
Veldors Clickrunner installieren?	Установить Veldors Clickrunner?
Speichern des Tipps	Сохранить ставки
Tipp laden aus Datei	Загрузить ставки из файла
Diagramm speichern unter…	Сохранить диаграмму как…
Diagramm speichern	Сохранить диаграмму
Status: 	Статус: 
ERROR:	ОШИБКА:
ERROR: 	ОШИБКА: 
Datei welche als Anhang gesendet wird ...	Файл, отправляемый как вложение ...
Alle Dateien (*)	Все файлы (*)
Veldors Click Script (*.crs)	Файл Click-Script Veldors (*.crs)
Druckeeinstellungen für den Lottoschein	Настройки печати лотерейного билета
Schriftart	Шрифт
Liste speichern	Сохранить список
Werteliste (*.nwl)	Список значений (*.nwl)
Liste laden	Загрузить список
Datum der Ziehung	Дата тиража
Zahl %1	Число %1
Anzahl der Tipps	Количество ставок
Nachricht	Сообщение
Status	Состояние
Losnummer, Ziffer %1	Номер билета, цифра %1
Papier	Бумага
Tipp %1, Zahl %2	Ставка %1, число %2
Tipp %1 ändern	Изменить ставку %1
Die Reihen der Optionen hatten öfter 3 oder mehr Richtige, als der Zufall allein glaubhaft erklärt.	Ставки по выбранным параметрам давали 3 или более совпадений чаще, чем правдоподобно объясняет один лишь случай.
Die Reihen der Optionen hatten etwas öfter 3 oder mehr Richtige als erwartet, aber nicht öfter, als der Zufall allein leicht erklärt.	Ставки по выбранным параметрам давали 3 или более совпадений несколько чаще ожидаемого, но не чаще, чем легко объясняет случай.
Die Reihen der Optionen hatten nicht öfter 3 oder mehr Richtige, als vom Zufall zu erwarten war.	Ставки по выбранным параметрам давали 3 или более совпадений не чаще, чем можно было ожидать случайно.
%1 von %2 Reihen hatten 3 oder mehr Richtige, zu erwarten waren %3.	%1 из %2 ставок дали 3 или более совпадений; ожидалось %3.
Monte-Carlo-Test: dieselben Scheine gegen %1 Folgen zufälliger Ziehungen gewertet, in %2 davon mindestens so viele; einseitig, p = %3.	Тест Монте-Карло: те же билеты оценены на %1 последовательностях случайных тиражей, в %2 из них было не меньше; односторонний, p = %3.
Reihen mit 3 bis 6 Richtigen	Ставки с 3–6 совпадениями
Gewertet wurden %1 Reihen in %2 Ziehungen, darunter %3 verschiedene.	Оценено %1 ставок в %2 тиражах, из них %3 различных.
Die Nachricht konnte nicht gesendet werden:	Сообщение не удалось отправить:
Keine Verbindung zum Mailserver %1:	Нет соединения с почтовым сервером %1:
Der Schlüsselbund des Desktops ist nicht erreichbar: %1	Связка ключей рабочего стола недоступна: %1
Das Passwort kann nicht gespeichert werden (%1). Es wird beim Senden erfragt, nur für diese Sitzung.	Пароль не может быть сохранён (%1). Он будет запрошен при отправке, только для этого сеанса.
Das Passwort steht noch in der Datei %1: der Schlüsselbund nahm es nicht an (%2).	Пароль всё ещё в файле %1: связка ключей не приняла его (%2).
Passwort für %1 (nur für diese Sitzung):	Пароль для %1 (только для этого сеанса):
Kreuze außerhalb des Papiers, die nicht gedruckt würden: %1 (%2).\n\nWählen Sie ein größeres Papier oder andere Positionen.	Крестики за краем бумаги, которые не будут напечатаны: %1 (%2).\n\nВыберите бумагу большего размера или другие позиции.
Zurück zu den Einstellungen	Вернуться к настройкам
Trotzdem drucken	Всё равно печатать
Stopped	Остановлено
the draw of %1 lies after today	тираж от %1 позже сегодняшнего дня
Zusatzzahl %1	дополнительное число %1
Superzahl %1	Superzahl %1
Spiel 77 %1	Spiel 77 %1
Super 6 %1	Super 6 %1
%1: gespeichert %2, in der CSV-Datei %3	%1: сохранено %2, в файле CSV %3
und %1 weitere	и ещё %1
CSV hinzufügen	Добавить CSV
Lade %1	Загрузка %1
Gestoppt	Остановлено
Die CSV-Adresse %1 ist nicht erreichbar (%2).	Адрес CSV %1 недоступен (%2).
Die CSV-Adresse %1 antwortet mit %2 %3.	Адрес CSV %1 отвечает %2 %3.
Konflikte mit den gespeicherten Ziehungen: %1. Es wurde nichts geschrieben.	Конфликтов с сохранёнными тиражами: %1. Ничего не записано.
Fehlende ältere Ziehungen: %1	Отсутствующие более ранние тиражи: %1
Ältere Ziehungen der CSV-Datei, die der gespeicherten Historie fehlen: %1 (%2). In die Historie einfügen?	Более ранние тиражи из файла CSV, которых нет в сохранённой истории: %1 (%2). Вставить их в историю?
Angefügt: %1, schon vorhanden: %2, Konflikte: %3, Lücken: %4	Добавлено: %1, уже есть: %2, конфликтов: %3, пропусков: %4
Angefügt: %1, schon vorhanden: %2, Konflikte: %3, Lücken: %4 (eingefügt: %5)	Добавлено: %1, уже есть: %2, конфликтов: %3, пропусков: %4 (вставлено: %5)
Adresse der Startseite	Адрес домашней страницы
Gebühr für eine Ziehung	Сбор за один тираж
Gebühr für beide Ziehungen	Сбор за оба тиража
%1 Stopp	%1 Стоп
Zufall	Случайно
Ihre Dateien: %1	Ваши файлы: %1
Testbericht gespeichert: %1	Отчёт теста сохранён: %1
"%1" ist keine der gewählten Zahlen	«%1» не входит в выбранные числа
%1 Zahlen gewählt	выбрано чисел: %1
%1 steht zweimal in der Reihe	%1 встречается в ряду дважды
%1 wenn %2	%1 при %2
Auf Schein	На бланк
Berechnen	Рассчитать
Beste Reihe je Ziehung	Лучший ряд в каждом тираже
Das System und je 12 Reihen als Tippdatei speichern	Сохранить систему и каждые 12 рядов как файл ставок
Die Berechnung beenden und das kleinste gefundene System behalten	Завершить расчёт и сохранить наименьшую найденную систему
Die Berechnung endet beim ersten System mit höchstens so vielen Reihen	Расчёт заканчивается на первой системе не более чем с таким числом рядов
Die Garantie %1 wenn %2 passt nicht zu %3 Zahlen.	Гарантия %1 при %2 невозможна для %3 чисел.
Die Zahlen der Reihen des Scheins wählen	Выбрать числа рядов бланка
Die Zahlen des Zahlenpools der Berechnung wählen	Выбрать числа из пула генератора
Die nächsten 12 Reihen des Systems auf den Schein setzen	Перенести следующие 12 рядов системы на бланк
Dreier	троек
Ein System braucht mindestens 7 Zahlen.	Для системы нужно не менее 7 чисел.
Ein System mit der gewählten Garantie berechnen und prüfen	Рассчитать систему с выбранной гарантией и проверить её
Ein gespeichertes System laden und prüfen	Загрузить сохранённую систему и проверить её
Fertig: %1 Reihen.	Готово: рядов %1.
Fünfer	пятёрок
Garantie %1 wenn %2 verletzt: %3 hat keine Reihe mit %1 Richtigen.	Гарантия %1 при %2 нарушена: для %3 нет ряда с %1 совпадениями.
Garantie geprüft: alle %1 %2 Ihrer %3 Zahlen haben eine Reihe mit %4 Richtigen (%5 Reihen).	Гарантия проверена: для всех %1 %2 из ваших %3 чисел есть ряд с %4 совпадениями (рядов: %5).
Garantie:	Гарантия:
Geladen: %1	Загружено: %1
Gespeichert: %1 und %2 Tippdateien	Сохранено: %1 и файлов ставок: %2
Gestoppt: das kleinste gefundene System hat %1 Reihen.	Остановлено: в наименьшей найденной системе рядов: %1.
Gewinnchancen des Systems	Шансы системы
Höchstens Reihen:	Не более рядов:
Kein System innerhalb der Grenzen gefunden.	В заданных пределах система не найдена.
Kleinstes System bisher: %1 Reihen; Suche mit %2 Reihen	Наименьшая система пока: рядов %1; поиск с %2 рядами
Kosten je Ziehung: %1 Reihen zu %2 = %3	Стоимость за тираж: %1 рядов по %2 = %3
Laden…	Загрузить…
Rechenzeit (s):	Время расчёта (с):
Reihen %1 bis %2 von %3 auf dem Schein	Ряды с %1 по %2 из %3 на бланке
Reihen des Systems	Ряды системы
Reihen je Ziehung	Рядов на тираж
Schließen	Закрыть
Sechser	шестёрок
So lange sucht die Berechnung nach einem System mit weniger Reihen	Столько времени расчёт ищет систему с меньшим числом рядов
Speichern…	Сохранить…
Stoppen	Остановить
Suche läuft …	Идёт поиск …
Suche mit %1 Reihen …	Поиск с %1 рядами …
System (*.nsy)	Система (*.nsy)
System (*.nsy);;Alle Dateien (*)	Система (*.nsy);;Все файлы (*)
System laden	Загрузить систему
System speichern	Сохранить систему
Systeme	Системы
Vierer	четвёрок
Wählen Sie mindestens 7 Zahlen; die Garantie %1 wenn %2 braucht mindestens %2.	Выберите не менее 7 чисел; гарантии %1 при %2 нужно не менее %2.
Ziehungen unter Ihren Zahlen	Тиражи среди ваших чисел
alle Ziehungen	все тиражи
aus dem Pool	из пула
beliebig	любое
beste Reihe %1 Richtige	лучший ряд %1 совп.
eine Reihe hat sechs Zahlen, diese %1	в ряду шесть чисел, в этом %1
keine Reihen	нет рядов
vom Schein	с бланка
„3 wenn 4“: sind 4 der gezogenen Zahlen unter Ihren, hat eine Reihe mindestens 3 Richtige	«3 при 4»: если 4 выпавших числа среди ваших, в одном ряду не менее 3 совпадений
Die Bankzahlen %1 sind nicht unter den Zahlen.	Банковые числа %1 не входят в числа.
Höchstens %1 Bankzahlen bei der Garantie %2 wenn %3.	Не более %1 банковых чисел при гарантии %2 из %3.
Für so viele Zahlen gibt es kein System ohne Suche, und die Suche reicht bis %1 Zahlen.	Для стольких чисел нет системы без поиска, а поиск доходит до %1 чисел.
Für %1 Zahlen und die Garantie %2 wenn %3 ist kein System bekannt, und die Suche reicht dafür nicht.	Для %1 чисел и гарантии %2 из %3 система не известна, а поиска для этого не хватает.
Klick: Zahl wählen; zweiter Klick: Bankzahl, steht in jeder Reihe; dritter Klick: abwählen	Щелчок: выбрать число; второй щелчок: банковое число, стоит в каждом ряду; третий щелчок: снять
, davon %1 Bankzahlen	, из них банковых чисел: %1
Aus dem Katalog: %1 Reihen, geprüft.	Из каталога: рядов %1, проверено.
In %1 Reihen gibt es keine Garantie %2 wenn %3. Die besten %1 Reihen treffen bei %4 von %5 %6 (%7 %) mit %2 Richtigen; so wahrscheinlich hält die Garantie bei einer Ziehung mit %3 Treffern unter Ihren Zahlen.	В %1 рядах нет гарантии %2 из %3. Лучшие %1 рядов дают %2 совпадения в %4 из %5 %6 (%7 %); с такой вероятностью гарантия выполняется для тиража с %3 совпадениями среди ваших чисел.
Sie garantieren keine der angebotenen Garantien.	Они не дают ни одной из предлагаемых гарантий.
Sie garantieren: %1.	Они гарантируют: %1.
Geprüft sind die Ziehungen mit den Bankzahlen %1.	Проверены тиражи с банковыми числами %1.
%1 draws no Superzahl	%1 не разыгрывает Superzahl
%1 ist keine Superzahl von 0 bis 9	%1 не является Superzahl от 0 до 9
%1 ist keine Zahl von 1 bis %2	%1 не является числом от 1 до %2
Die Zusatzzahl %1 ist schon gezogen	Дополнительное число %1 уже выпало
Die sechs Zahlen sind nicht verschieden	Шесть чисел не различны
"%1" given twice	"%1" указано дважды
"%1" is not a game id: a small letter, then up to 31 small letters, digits, "-" or "_"	"%1" не идентификатор игры: строчная буква, затем до 31 строчных букв, цифр, "-" или "_"
"%1" is not a weekday Mo..So [from DD.MM.YYYY]	"%1" не день недели Mo..So [from ДД.ММ.ГГГГ]
a game "%1" exists already	игра "%1" уже есть
a game draws 6 of %1..%2 numbers, not of %3	игра разыгрывает 6 из %1..%2 чисел, а не из %3
bad value "%1" for "%2"	неверное значение "%1" для "%2"
expected KEY = VALUE	ожидается КЛЮЧ = ЗНАЧЕНИЕ
id "%1" differs from the file name	id "%1" не совпадает с именем файла
missing "%1"	отсутствует "%1"
numbers must lie in %1..%2, not "%3"	numbers должно лежать в %1..%2, а не "%3"
the game needs a name of one line	игре нужно название в одну строку
the grid %1x%2 does not hold %3 numbers	сетка %1x%2 не вмещает %3 чисел
unknown game "%1"	неизвестная игра "%1"
unknown key "%1"	неизвестный ключ "%1"
%1 wird nicht mehr gezogen; die letzte Ziehung war am %2.	%1 больше не разыгрывается; последний тираж был %2.
Für %1 ist keine Adresse gesetzt: tragen Sie unter "Internet-Optionen" die "CSV-Adresse der Ziehungen" einer Ergebnisseite ein.	Для %1 адрес не задан: укажите в "Internet-Optionen" "CSV-Adresse der Ziehungen" сайта с результатами.
the header names no column for %1	в заголовке нет столбца для %1
columns ignored: %1	пропущенные столбцы: %1
no column name known: read by position (date, then six numbers)	имена столбцов неизвестны: прочитано по позиции (дата, затем шесть чисел)
%1: %2 values outside %3 not read (first "%4")	%1: не прочитано значений вне %3: %2 (первое «%4»)
%1 digits	%1 цифр
%1 Ziehungen durch %2 ersetzt; die bisherigen sind in %3	%1 тиражей заменены на %2; прежние сохранены в %3
Der Vergleich schreibt jede Ziehung in Tipp 1 und leert die nicht gesperrten Tipps. Die Tipps des Scheins gehen dabei verloren. Trotzdem vergleichen?	Сравнение записывает каждый тираж в ставку 1 и очищает незаблокированные ставки. Ставки купона будут потеряны. Всё равно сравнить?
Selbst definierte Positionierung	Собственные позиции
Ohne die Zahlen 1 bis 12 bleiben in diesem Spiel keine sechs Zahlen für einen Tipp.	Без чисел от 1 до 12 в этой игре не остаётся шести чисел для ставки.
In diesem Spiel ist jede Zahl eine Datumszahl (1 bis 31).	В этой игре каждое число может быть датой (от 1 до 31).
Die Jokerzahl kommt aus einer eigenen Trommel und zählt nicht zu den Richtigen.	Число Джокер тянут из отдельного барабана, и оно не считается угаданным.
Dieses Spiel hat keine Superzahl.	В этой игре нет Superzahl.
Preis je Tipp nicht festgelegt	Цена за ставку не задана
Preis: %1	Цена: %1
Für dieses Spiel gibt es keine Scheinvorlagen: gedruckt wird mit der selbst definierten Positionierung.	Для этой игры нет шаблонов билетов: печать идёт по собственным позициям.
Dieses Spiel hat keine Zusatzspiele.	В этой игре нет дополнительных игр.
Dieses Spiel hat keine Losnummer.	В этой игре нет номера билета.
Für dieses Spiel gibt es keine Online-Abgabe.	Эту игру нельзя подать онлайн.
Liste drucken	Печать списка
Die Tipps als einfache Liste drucken	Напечатать ставки простым списком
&Spiel	&Игра
Eigenes Spiel…	Своя игра…
Ein eigenes Spiel 6 aus N anlegen	Создать свою игру 6 из N
Spiel wählen	Выбор игры
Welches Spiel spielen Sie? Sie können es später im Menü "Spiel" wechseln.	В какую игру вы играете? Позже её можно сменить в меню «Игра».
Eigenes Spiel	Своя игра
%1 (%2) ist angelegt. Jetzt zu diesem Spiel wechseln?	Игра %1 (%2) создана. Перейти к ней сейчас?
Kleinbuchstaben, Ziffern, "-" und "_"; der Name des Ordners der Dateien des Spiels	Строчные латинские буквы, цифры, «-» и «_»; имя папки файлов игры
Kennung:	Код:
Name:	Название:
6 aus:	6 из:
Ziehungstage:	Дни тиражей:
keine	нет
Zusatzzahl aus derselben Trommel	дополнительный шар из того же барабана
Superzahl 0-9	Superzahl 0-9
Joker 1..N aus eigener Trommel	Джокер 1..N из отдельного барабана
Zusatzzahl:	Доп. шар:
Superzahl:	Superzahl:
Joker:	Джокер:
Das Spiel wechselt erst, wenn die laufende Berechnung beendet ist.	Игру можно сменить только после окончания текущего расчёта.
%1 hat noch keine Ziehungen: "Datenbank aktualisieren" mit einer Adresse, das CSV-Menü oder "Eingeben" füllt sie.	У игры %1 ещё нет тиражей: их добавит «Обновить базу» с адресом, меню CSV или «Ввести».
