%1 lies outside %2..%3	%1 leży poza zakresem %2..%3
wrong type	nieprawidłowy typ
not a date	to nie jest data
%1: larger than %2 bytes, not read	%1: większy niż %2 bajtów, nie wczytano
line %1: values of another key ignored	wiersz %1: pominięto wartości innego klucza
line %1: a value outside the key [%2]	wiersz %1: wartość poza kluczem [%2]
Proxy port "%1" is not a decimal number	Port proxy „%1” nie jest liczbą dziesiętną
Proxy port %1 is outside 1..65535	Port proxy %1 leży poza zakresem 1..65535
The HTTP client could not be set up	Nie udało się przygotować klienta HTTP
The answer is larger than %1 bytes	Odpowiedź jest większa niż %1 bajtów
larger than %1 bytes	większy niż %1 bajtów
further lines that could not be read are not listed	dalszych nieczytelnych wierszy nie wymieniono
Lesen Sie zuerst die Daten der Ziehungen ein	Najpierw wczytaj dane losowań
line %1: %2	wiersz %1: %2
missing header	brak wiersza nagłówka
header must be "%1" or "%2"	nagłówek musi mieć postać "%1" lub "%2"
%1 fields, expected %2	pól: %1, oczekiwano %2
bad date "%1"	nieprawidłowa data "%1"
date %1 is earlier than the line before	data %1 jest wcześniejsza niż w poprzednim wierszu
n%1 "%2" is not a number 1..%3	n%1 "%2" nie jest liczbą od 1 do %3
the six numbers are not distinct	sześć liczb nie jest różnych
zusatzzahl "%1" is not a number 0..%2	zusatzzahl "%1" nie jest liczbą od 0 do %2
superzahl "%1" is not a digit	superzahl "%1" nie jest cyfrą
spiel77 "%1" is not seven digits	spiel77 "%1" nie składa się z siedmiu cyfr
super6 "%1" is not six digits	super6 "%1" nie składa się z sześciu cyfr
%1: Lesen über das Dateiende hinaus (die Datei enthält keine Ziehung)	%1: odczyt poza końcem pliku (plik nie zawiera żadnego losowania)
'%1' ist kein gültiger Integerwert	'%1' nie jest prawidłową liczbą całkowitą
'%1' ist keine Zahl von %2 bis %3	'%1' nie jest liczbą od %2 do %3
'%1' ist keine Ziffer	'%1' nie jest cyfrą
Wollen Sie wirklich alle Ziehungsdaten löschen und dies komplett aus dem Internet neu aufbauen??	Czy na pewno usunąć wszystkie dane losowań i całkowicie odbudować je z internetu?
Ziehungsdaten löschen?	Usunąć dane losowań?
'' ist kein gültiges Datum	'' nie jest prawidłową datą
'%1' ist kein gültiges Datum	'%1' nie jest prawidłową datą
Seite %1 der Ergebnisse ist keine HTML-Seite	Strona wyników %1 nie jest stroną HTML
Orbix.dat, Zeile %1: '%2' ist kein gültiges Datum	Orbix.dat, wiersz %1: '%2' nie jest prawidłową datą
Orbix.dat, Zeile %1: '%2' ist keine Zahl von 1 bis %3	Orbix.dat, wiersz %1: '%2' nie jest liczbą od 1 do %3
Der Dienst %1 ist nicht erreichbar (%2). Die Aktualisierung wurde beendet; die bisher geladenen Ziehungen bleiben gespeichert.	Usługa %1 jest nieosiągalna (%2). Aktualizacja została przerwana; dotychczas pobrane losowania pozostają zapisane.
Loading	Pobieranie
Failed : %1	Błąd: %1
Received %1 bytes	Odebrano bajtów: %1
Not guarantee the accuracy of the numbers!	Bez gwarancji poprawności liczb!
%1 noch nicht da!	Losowania z %1 jeszcze nie ma!
Failed : %1 %2	Błąd: %1 %2
Es wurde keine Reihe ausgewertet, ein Vergleich mit dem Zufall ist nicht möglich.	Nie sprawdzono żadnego zakładu, porównanie z przypadkiem nie jest możliwe.
Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen	Numer kuponu nigdy nie został wylosowany jako wygrywający numer Super 6 ani Spiel 77
LosNr. wurde am %1 bei der Super 6 gezogen	Numer kuponu został wylosowany w Super 6 dnia %1
LosNr. wurde am %1 im Spiel 77 gezogen	Numer kuponu został wylosowany w Spiel 77 dnia %1
Die Zahlenliste enthält weniger als sechs verschiedene Zahlen; es wurde kein Tipp berechnet. Bitte wählen Sie andere Optionen.	Lista liczb zawiera mniej niż sześć różnych liczb; nie obliczono zakładu. Wybierz inne opcje.
Die Zahl %1 geht mit der Gewichtung %2 in die Berechnung ein	Liczba %1 wchodzi do obliczeń z wagą %2
Zeile %1 der Werteliste ist keine ganze Zahl von 0 bis %2: "%3"	Wiersz %1 listy wartości nie jest liczbą całkowitą od 0 do %2: "%3"
Abgabe-Service steht momentan nicht zur Verfügung. Prüfen Sie ob sie mit dem Internet verbunden sind. Besteht das Problem länger, prüfen Sie ob es auf %1 neue Updates gibt.	Usługa wysyłania zakładów jest w tej chwili niedostępna. Sprawdź, czy masz połączenie z internetem. Jeśli problem się utrzymuje, sprawdź, czy na %1 są nowe aktualizacje.
Tipp24 nicht geöffnet? => Linkseite aktivieren!	Tipp24 się nie otworzył? => Włącz stronę linków!
Die Adresse für die Tippabgabe ist länger als %1 Zeichen; der Tipp wurde nicht übergeben.	Adres do wysłania zakładu jest dłuższy niż %1 znaków; zakład nie został przekazany.
Connecting to %1.	Łączenie z %1.
Connected.	Połączono.
Sending message.	Wysyłanie wiadomości.
Ungültiger SMTP-Server: "%1"	Nieprawidłowy serwer SMTP: "%1"
curl_easy_init failed	błąd curl_easy_init
Resolving hostname %1.	Ustalanie adresu hosta %1.
Disconnected.	Rozłączono.
A4 Quer	A4 poziomo
A5 Quer	A5 poziomo
 Oben	 Góra
 Links	 Lewo
Feldhöhe:	Wys. pola:
Feldweite:	Szer. pola:
Links-Korrektur:	Korekta z lewej:
Korrektur 2.Reihe:	Korekta 2. rzędu:
Spiel 77  Ja:	Spiel 77  Tak:
Spiel 77  Nein:	Spiel 77  Nie:
Super 6 Ja:	Super 6 Tak:
Super 6  Nein:	Super 6  Nie:
Glücksspirale Ja:	Glücksspirale Tak:
Glücksspirale Nein:	Glücksspirale Nie:
Mittwoch:	Środa:
Samstag:	Sobota:
Sa/Mi:	Sob/Śr:
Bilddatei des Scheines (jpg)	Plik obrazu kuponu (jpg)
'%1' ist kein gültiger Integerwert (%2)	'%1' nie jest prawidłową liczbą całkowitą (%2)
%1. Tipp	%1. Zakład
Tippdatei (*.ntp)	Plik zakładów (*.ntp)
the PDF page could not be started	nie można rozpocząć strony PDF
Reihen nach Anzahl der Richtigen	Zakłady według liczby trafień
Optionen	Opcje
Zufallstipps	Losowe zakłady
Erwartet	Oczekiwane
Richtige	Trafienia
%1 Richtige	Trafień: %1
Mittel je Reihe	Średnio na zakład
Vergleich speichern	Zapisz porównanie
PNG-Bild (*.png);;SVG-Grafik (*.svg)	Obraz PNG (*.png);;Grafika SVG (*.svg)
%1 konnte nicht gespeichert werden.	Nie można zapisać %1.
CSV-Dateien (*.csv);;Alle Dateien (*)	Pliki CSV (*.csv);;Wszystkie pliki (*)
Die gespeicherten Ziehungen durch die %1 Ziehungen aus "%2" ersetzen?	Zastąpić zapisane losowania losowaniami z "%2" (liczba: %1)?
Bitte warten Sie, bis die Aktualisierung oder Berechnung beendet ist.	Poczekaj, aż zakończy się aktualizacja lub obliczanie.
CSV importieren	Importuj CSV
%1 Ziehungen importiert	Zaimportowano losowań: %1
CSV exportieren	Eksportuj CSV
%1 Ziehungen nach %2 exportiert	Wyeksportowano losowań do %2: %1
Textdatei (*.txt)	Plik tekstowy (*.txt)
Zu wenige Ziehungen für den Ausschluss der letzten Superzahlen: die Superzahl wurde ohne ihn gewählt	Za mało losowań, aby wykluczyć ostatnie superliczby: superliczbę wybrano bez tego wykluczenia
Einstellungen: %1 unlesbare Angabe(n) in %2 übergangen (%3)	Ustawienia: pominięto nieczytelnych wartości: %1 w %2 (%3)
Die Einstellungen konnten nicht gespeichert werden.\n%1	Nie można zapisać ustawień.\n%1
Clickrunner jetzt installieren?	Zainstalować teraz Clickrunner?
Veldors Clickrunner installieren?	Zainstalować Veldors Clickrunner?
Speichern des Tipps	Zapisz zakłady
Tipp laden aus Datei	Wczytaj zakłady z pliku
Diagramm speichern unter…	Zapisz wykres jako…
Diagramm speichern	Zapisz wykres
Status: 	Stan: 
ERROR:	BŁĄD:
ERROR: 	BŁĄD: 
Datei welche als Anhang gesendet wird ...	Plik wysyłany jako załącznik ...
Alle Dateien (*)	Wszystkie pliki (*)
Veldors Click Script (*.crs)	Plik Click-Script Veldors (*.crs)
Druckeeinstellungen für den Lottoschein	Ustawienia drukowania kuponu
Schriftart	Czcionka
Liste speichern	Zapisz listę
Werteliste (*.nwl)	Lista wartości (*.nwl)
Liste laden	Wczytaj listę
Datum der Ziehung	Data losowania
Zahl %1	Liczba %1
Anzahl der Tipps	Liczba zakładów
Nachricht	Wiadomość
Status	Stan
Losnummer, Ziffer %1	Numer kuponu, cyfra %1
Papier	Papier
Tipp %1, Zahl %2	Zakład %1, liczba %2
Tipp %1 ändern	Zmień zakład %1
Die Reihen der Optionen hatten öfter 3 oder mehr Richtige, als der Zufall allein glaubhaft erklärt.	Zakłady według opcji miały 3 lub więcej trafień częściej, niż wiarygodnie wyjaśnia sam przypadek.
Die Reihen der Optionen hatten etwas öfter 3 oder mehr Richtige als erwartet, aber nicht öfter, als der Zufall allein leicht erklärt.	Zakłady według opcji miały 3 lub więcej trafień nieco częściej niż oczekiwano, ale nie częściej, niż łatwo wyjaśnia sam przypadek.
Die Reihen der Optionen hatten nicht öfter 3 oder mehr Richtige, als vom Zufall zu erwarten war.	Zakłady według opcji nie miały 3 lub więcej trafień częściej, niż można było oczekiwać przypadkowo.
%1 von %2 Reihen hatten 3 oder mehr Richtige, zu erwarten waren %3.	%1 z %2 zakładów miało 3 lub więcej trafień; oczekiwano %3.
Monte-Carlo-Test: dieselben Scheine gegen %1 Folgen zufälliger Ziehungen gewertet, in %2 davon mindestens so viele; einseitig, p = %3.	Test Monte Carlo: te same kupony ocenione wobec %1 ciągów losowych losowań, z których %2 osiągnęło co najmniej tyle; jednostronny, p = %3.
Reihen mit 3 bis 6 Richtigen	Zakłady z 3 do 6 trafieniami
Gewertet wurden %1 Reihen in %2 Ziehungen, darunter %3 verschiedene.	Oceniono %1 zakładów w %2 losowaniach, w tym %3 różnych.
Die Nachricht konnte nicht gesendet werden:	Nie udało się wysłać wiadomości:
Keine Verbindung zum Mailserver %1:	Brak połączenia z serwerem poczty %1:
Der Schlüsselbund des Desktops ist nicht erreichbar: %1	Pęk kluczy pulpitu jest niedostępny: %1
Das Passwort kann nicht gespeichert werden (%1). Es wird beim Senden erfragt, nur für diese Sitzung.	Nie można zachować hasła (%1). Zostanie ono zapytane przy wysyłaniu, tylko na tę sesję.
Das Passwort steht noch in der Datei %1: der Schlüsselbund nahm es nicht an (%2).	Hasło wciąż jest w pliku %1: pęk kluczy go nie przyjął (%2).
Passwort für %1 (nur für diese Sitzung):	Hasło dla %1 (tylko na tę sesję):
Kreuze außerhalb des Papiers, die nicht gedruckt würden: %1 (%2).\n\nWählen Sie ein größeres Papier oder andere Positionen.	Krzyżyki poza papierem, które nie zostałyby wydrukowane: %1 (%2).\n\nWybierz większy papier lub inne pozycje.
Zurück zu den Einstellungen	Wróć do ustawień
Trotzdem drucken	Drukuj mimo to
Stopped	Zatrzymano
the draw of %1 lies after today	losowanie z %1 jest późniejsze niż dzisiaj
Zusatzzahl %1	liczba dodatkowa %1
Superzahl %1	Superzahl %1
Spiel 77 %1	Spiel 77 %1
Super 6 %1	Super 6 %1
%1: gespeichert %2, in der CSV-Datei %3	%1: zapisane %2, w pliku CSV %3
und %1 weitere	i %1 więcej
CSV hinzufügen	Dodaj CSV
Lade %1	Wczytywanie %1
Gestoppt	Zatrzymano
Die CSV-Adresse %1 ist nicht erreichbar (%2).	Adres CSV %1 jest nieosiągalny (%2).
Die CSV-Adresse %1 antwortet mit %2 %3.	Adres CSV %1 odpowiada %2 %3.
Konflikte mit den gespeicherten Ziehungen: %1. Es wurde nichts geschrieben.	Konflikty z zapisanymi losowaniami: %1. Nic nie zapisano.
Fehlende ältere Ziehungen: %1	Brakujące wcześniejsze losowania: %1
Ältere Ziehungen der CSV-Datei, die der gespeicherten Historie fehlen: %1 (%2). In die Historie einfügen?	Wcześniejsze losowania z pliku CSV, których brakuje w zapisanej historii: %1 (%2). Wstawić je do historii?
Angefügt: %1, schon vorhanden: %2, Konflikte: %3, Lücken: %4	Dołączone: %1, już obecne: %2, konflikty: %3, luki: %4
Angefügt: %1, schon vorhanden: %2, Konflikte: %3, Lücken: %4 (eingefügt: %5)	Dołączone: %1, już obecne: %2, konflikty: %3, luki: %4 (wstawione: %5)
Adresse der Startseite	Adres strony głównej
Gebühr für eine Ziehung	Opłata za jedno losowanie
Gebühr für beide Ziehungen	Opłata za oba losowania
%1 Stopp	%1 Stop
Zufall	Losowo
Ihre Dateien: %1	Twoje pliki: %1
Testbericht gespeichert: %1	Raport testu zapisany: %1
"%1" ist keine der gewählten Zahlen	„%1” nie należy do wybranych liczb
%1 Zahlen gewählt	wybrano liczb: %1
%1 steht zweimal in der Reihe	%1 występuje w zakładzie dwa razy
%1 wenn %2	%1 przy %2
Auf Schein	Na kupon
Berechnen	Oblicz
Beste Reihe je Ziehung	Najlepszy zakład w losowaniu
Das System und je 12 Reihen als Tippdatei speichern	Zapisz system i co 12 zakładów jako plik typów
Die Berechnung beenden und das kleinste gefundene System behalten	Zakończ obliczenia i zachowaj najmniejszy znaleziony system
Die Berechnung endet beim ersten System mit höchstens so vielen Reihen	Obliczenia kończą się na pierwszym systemie o co najwyżej tylu zakładach
Die Garantie %1 wenn %2 passt nicht zu %3 Zahlen.	Gwarancja %1 przy %2 nie pasuje do %3 liczb.
Die Zahlen der Reihen des Scheins wählen	Wybierz liczby z zakładów kuponu
Die Zahlen des Zahlenpools der Berechnung wählen	Wybierz liczby z puli obliczeń
Die nächsten 12 Reihen des Systems auf den Schein setzen	Przenieś następne 12 zakładów systemu na kupon
Dreier	trójek
Ein System braucht mindestens 7 Zahlen.	System wymaga co najmniej 7 liczb.
Ein System mit der gewählten Garantie berechnen und prüfen	Oblicz system z wybraną gwarancją i sprawdź go
Ein gespeichertes System laden und prüfen	Wczytaj zapisany system i sprawdź go
Fertig: %1 Reihen.	Gotowe: zakładów %1.
Fünfer	piątek
Garantie %1 wenn %2 verletzt: %3 hat keine Reihe mit %1 Richtigen.	Gwarancja %1 przy %2 nie jest spełniona: %3 nie ma zakładu z %1 trafieniami.
Garantie geprüft: alle %1 %2 Ihrer %3 Zahlen haben eine Reihe mit %4 Richtigen (%5 Reihen).	Gwarancja sprawdzona: każda z %1 %2 z Twoich %3 liczb ma zakład z %4 trafieniami (zakładów: %5).
Garantie:	Gwarancja:
Geladen: %1	Wczytano: %1
Gespeichert: %1 und %2 Tippdateien	Zapisano: %1 i plików typów: %2
Gestoppt: das kleinste gefundene System hat %1 Reihen.	Zatrzymano: najmniejszy znaleziony system ma zakładów: %1.
Gewinnchancen des Systems	Szanse systemu
Höchstens Reihen:	Najwyżej zakładów:
Kein System innerhalb der Grenzen gefunden.	Nie znaleziono systemu w zadanych granicach.
Kleinstes System bisher: %1 Reihen; Suche mit %2 Reihen	Najmniejszy dotąd system: zakładów %1; szukanie z %2 zakładami
Kosten je Ziehung: %1 Reihen zu %2 = %3	Koszt za losowanie: %1 zakładów po %2 = %3
Laden…	Wczytaj…
Rechenzeit (s):	Czas obliczeń (s):
Reihen %1 bis %2 von %3 auf dem Schein	Zakłady od %1 do %2 z %3 na kuponie
Reihen des Systems	Zakłady systemu
Reihen je Ziehung	Zakładów na losowanie
Schließen	Zamknij
Sechser	szóstek
So lange sucht die Berechnung nach einem System mit weniger Reihen	Tak długo obliczenia szukają systemu z mniejszą liczbą zakładów
Speichern…	Zapisz…
Stoppen	Zatrzymaj
Suche läuft …	Trwa szukanie …
Suche mit %1 Reihen …	Szukanie z %1 zakładami …
System (*.nsy)	System (*.nsy)
System (*.nsy);;Alle Dateien (*)	System (*.nsy);;Wszystkie pliki (*)
System laden	Wczytaj system
System speichern	Zapisz system
Systeme	Systemy
Vierer	czwórek
Wählen Sie mindestens 7 Zahlen; die Garantie %1 wenn %2 braucht mindestens %2.	Wybierz co najmniej 7 liczb; gwarancja %1 przy %2 wymaga co najmniej %2.
Ziehungen unter Ihren Zahlen	Losowania w Twoich liczbach
alle Ziehungen	wszystkie losowania
aus dem Pool	z puli
beliebig	dowolnie
beste Reihe %1 Richtige	najlepszy zakład %1 traf.
eine Reihe hat sechs Zahlen, diese %1	zakład ma sześć liczb, ten %1
keine Reihen	brak zakładów
vom Schein	z kuponu
„3 wenn 4“: sind 4 der gezogenen Zahlen unter Ihren, hat eine Reihe mindestens 3 Richtige	„3 przy 4”: gdy 4 wylosowane liczby są wśród Twoich, jeden zakład ma co najmniej 3 trafienia
Die Bankzahlen %1 sind nicht unter den Zahlen.	Liczby bankowe %1 nie należą do liczb.
Höchstens %1 Bankzahlen bei der Garantie %2 wenn %3.	Najwyżej %1 liczb bankowych przy gwarancji %2 z %3.
Für so viele Zahlen gibt es kein System ohne Suche, und die Suche reicht bis %1 Zahlen.	Dla tylu liczb nie ma systemu bez szukania, a szukanie sięga do %1 liczb.
Für %1 Zahlen und die Garantie %2 wenn %3 ist kein System bekannt, und die Suche reicht dafür nicht.	Dla %1 liczb i gwarancji %2 z %3 nie jest znany żaden system, a szukanie na to nie wystarcza.
Klick: Zahl wählen; zweiter Klick: Bankzahl, steht in jeder Reihe; dritter Klick: abwählen	Klik: wybrać liczbę; drugi klik: liczba bankowa, stoi w każdym zakładzie; trzeci klik: odznaczyć
, davon %1 Bankzahlen	, w tym liczb bankowych: %1
Aus dem Katalog: %1 Reihen, geprüft.	Z katalogu: zakładów %1, sprawdzono.
In %1 Reihen gibt es keine Garantie %2 wenn %3. Die besten %1 Reihen treffen bei %4 von %5 %6 (%7 %) mit %2 Richtigen; so wahrscheinlich hält die Garantie bei einer Ziehung mit %3 Treffern unter Ihren Zahlen.	W %1 zakładach nie ma gwarancji %2 z %3. Najlepsze %1 zakładów trafia %2 w %4 z %5 %6 (%7 %); z takim prawdopodobieństwem gwarancja obowiązuje dla losowania z %3 trafieniami wśród Twoich liczb.
Sie garantieren keine der angebotenen Garantien.	Nie dają żadnej z oferowanych gwarancji.
Sie garantieren: %1.	Gwarantują: %1.
Geprüft sind die Ziehungen mit den Bankzahlen %1.	Sprawdzone są losowania z liczbami bankowymi %1.
%1 draws no Superzahl	%1 nie losuje Superzahl
%1 ist keine Superzahl von 0 bis 9	%1 nie jest Superzahl od 0 do 9
%1 ist keine Zahl von 1 bis %2	%1 nie jest liczbą od 1 do %2
Die Zusatzzahl %1 ist schon gezogen	Liczba dodatkowa %1 jest już wylosowana
Die sechs Zahlen sind nicht verschieden	Sześć liczb nie jest różnych
"%1" given twice	"%1" podano dwa razy
"%1" is not a game id: a small letter, then up to 31 small letters, digits, "-" or "_"	"%1" nie jest identyfikatorem gry: mała litera, potem do 31 małych liter, cyfr, "-" lub "_"
"%1" is not a weekday Mo..So [from DD.MM.YYYY]	"%1" nie jest dniem tygodnia Mo..So [from DD.MM.RRRR]
a game "%1" exists already	gra "%1" już istnieje
a game draws 6 of %1..%2 numbers, not of %3	gra losuje 6 z %1..%2 liczb, nie z %3
bad value "%1" for "%2"	błędna wartość "%1" dla "%2"
expected KEY = VALUE	oczekiwano KLUCZ = WARTOŚĆ
id "%1" differs from the file name	id "%1" różni się od nazwy pliku
missing "%1"	brak "%1"
numbers must lie in %1..%2, not "%3"	numbers musi leżeć w %1..%2, nie "%3"
the game needs a name of one line	gra potrzebuje nazwy w jednej linii
the grid %1x%2 does not hold %3 numbers	siatka %1x%2 nie mieści %3 liczb
unknown game "%1"	nieznana gra "%1"
unknown key "%1"	nieznany klucz "%1"
%1 wird nicht mehr gezogen; die letzte Ziehung war am %2.	%1 nie jest już losowana; ostatnie losowanie odbyło się %2.
Für %1 ist keine Adresse gesetzt: tragen Sie unter "Internet-Optionen" die "CSV-Adresse der Ziehungen" einer Ergebnisseite ein.	Dla %1 nie ustawiono adresu: w "Internet-Optionen" wpisz "CSV-Adresse der Ziehungen" strony z wynikami.
the header names no column for %1	nagłówek nie wskazuje kolumny dla %1
columns ignored: %1	pominięte kolumny: %1
no column name known: read by position (date, then six numbers)	brak znanych nazw kolumn: odczytano według pozycji (data, potem sześć liczb)
%1: %2 values outside %3 not read (first "%4")	%1: nie odczytano %2 wartości spoza %3 (pierwsza "%4")
%1 digits	%1 cyfr
%1 Ziehungen durch %2 ersetzt; die bisherigen sind in %3	%1 losowań zastąpiono przez %2; poprzednie zachowano w %3
Der Vergleich schreibt jede Ziehung in Tipp 1 und leert die nicht gesperrten Tipps. Die Tipps des Scheins gehen dabei verloren. Trotzdem vergleichen?	Porównanie wpisuje każde losowanie do zakładu 1 i czyści niezablokowane zakłady. Zakłady z kuponu zostaną utracone. Mimo to porównać?
Selbst definierte Positionierung	Własne położenie
Ohne die Zahlen 1 bis 12 bleiben in diesem Spiel keine sechs Zahlen für einen Tipp.	Bez liczb od 1 do 12 w tej grze nie zostaje sześć liczb na zakład.
In diesem Spiel ist jede Zahl eine Datumszahl (1 bis 31).	W tej grze każda liczba jest liczbą daty (od 1 do 31).
Die Jokerzahl kommt aus einer eigenen Trommel und zählt nicht zu den Richtigen.	Liczba Joker pochodzi z osobnego bębna i nie liczy się jako trafienie.
Dieses Spiel hat keine Superzahl.	Ta gra nie ma Superzahl.
Preis je Tipp nicht festgelegt	Cena za zakład nie została ustalona
Preis: %1	Cena: %1
Für dieses Spiel gibt es keine Scheinvorlagen: gedruckt wird mit der selbst definierten Positionierung.	Dla tej gry nie ma wzorów kuponów: drukowanie odbywa się według własnych pozycji.
Dieses Spiel hat keine Zusatzspiele.	Ta gra nie ma gier dodatkowych.
Dieses Spiel hat keine Losnummer.	Ta gra nie ma numeru losu.
Für dieses Spiel gibt es keine Online-Abgabe.	Tej gry nie można zgłosić online.
Liste drucken	Drukuj listę
Die Tipps als einfache Liste drucken	Drukuj zakłady jako prostą listę
&Spiel	&Gra
Eigenes Spiel…	Własna gra…
Ein eigenes Spiel 6 aus N anlegen	Utwórz własną grę 6 z N
Spiel wählen	Wybierz grę
Welches Spiel spielen Sie? Sie können es später im Menü "Spiel" wechseln.	W jaką grę grasz? Możesz ją później zmienić w menu „Gra”.
Eigenes Spiel	Własna gra
%1 (%2) ist angelegt. Jetzt zu diesem Spiel wechseln?	Utworzono %1 (%2). Przełączyć teraz na tę grę?
Kleinbuchstaben, Ziffern, "-" und "_"; der Name des Ordners der Dateien des Spiels	Małe litery, cyfry, „-” i „_”; nazwa folderu plików gry
Kennung:	Identyfikator:
Name:	Nazwa:
6 aus:	6 z:
Ziehungstage:	Dni losowań:
keine	brak
Zusatzzahl aus derselben Trommel	liczba dodatkowa z tego samego bębna
Superzahl 0-9	Superzahl 0-9
Joker 1..N aus eigener Trommel	Joker 1..N z osobnego bębna
Zusatzzahl:	Liczba dodatkowa:
Superzahl:	Superzahl:
Joker:	Joker:
Das Spiel wechselt erst, wenn die laufende Berechnung beendet ist.	Grę można zmienić dopiero po zakończeniu trwających obliczeń.
%1 hat noch keine Ziehungen: "Datenbank aktualisieren" mit einer Adresse, das CSV-Menü oder "Eingeben" füllt sie.	%1 nie ma jeszcze losowań: uzupełni je „Aktualizuj bazę” z adresem, menu CSV lub „Wprowadź”.
