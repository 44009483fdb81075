Veldors Numora Sayisal Loto 6/49

Zakłady

1. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 1 w formularzu zakładu lub wygenerować go losowo
2. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 2 w formularzu zakładu lub wygenerować go losowo
3. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 3 w formularzu zakładu lub wygenerować go losowo
4. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 4 w formularzu zakładu lub wygenerować go losowo
5. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 5 w formularzu zakładu lub wygenerować go losowo
6. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 6 w formularzu zakładu lub wygenerować go losowo
7. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 7 w formularzu zakładu lub wygenerować go losowo
8. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 8 w formularzu zakładu lub wygenerować go losowo
9. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 9 w formularzu zakładu lub wygenerować go losowo
10. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 10 w formularzu zakładu lub wygenerować go losowo
11. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 11 w formularzu zakładu lub wygenerować go losowo
12. Zakład
Jeśli napis „Zakład” jest czerwony, ten zakład nie zostanie ponownie obliczony!
…
Kliknij tutaj, aby zmienić zakład 12 w formularzu zakładu lub wygenerować go losowo
Liczba zakładów do obliczenia
Liczba zakładów do obliczenia
&Oblicz zakłady
Ustawiona liczba zakładów zostanie obliczona według podanych parametrów
Szczęśliwa liczba
Tutaj możesz trochę pomóc szczęściu i wygenerować naprawdę własny zakład
Szukaj w bazie
Tutaj możesz sprawdzić, czy ten zakład już kiedyś padł w losowaniu
Rozkład zakładów
Ile razy każda liczba występuje w zakładach?
Tekst
Pokaż zakłady jako tekst i wydrukuj

Zapisz zakłady

Wczytaj zakłady z pliku
E-mail
Wyślij swoje zakłady e-mailem. Wiadomość zawiera link, pod którym możesz też sprawdzić zakłady online
&Wyślij zakład
Tutaj możesz złożyć zakład online
Tipp24

Drukuj kupon


Usuń wszystkie zakłady

Numer kuponu
Losowania w soboty

Losowania w środy

Numora Sayisal Loto w internecie
Przejdź do strony produktu
Nowości i aktualizacje
Przejdź do strony produktu

Pokaż poprzednie losowanie

Pokaż następne losowanie

Wyświetlane losowanie
Σ: 
Suma liczb losowania

Zaktualizuj dane losowań z internetu
Obliczanie

Statystyka

Preferuj liczby na podstawie statystyki

Do obliczania zakładów używane jest pierwsze x% (np. do 30% maksimum).


Rozkład wylosowanych liczb

Zaległe liczby na wykresie

Pary na wykresie

Trójki na wykresie

Czwórki na wykresie
Preferuj liczby losowane szczególnie często
Preferuj pierwsze X% najczęściej losowanych liczb
Pierwszym X procentom przypisuje się wyższe prawdopodobieństwo
Pierwszym X procentom przypisuje się wyższe prawdopodobieństwo
%

Preferuj liczby losowane szczególnie rzadko
Preferuj pierwsze X% najrzadziej losowanych liczb
Pierwszym X procentom przypisuje się wyższe prawdopodobieństwo
Pierwszym X procentom przypisuje się wyższe prawdopodobieństwo
%

Liczby najdłużej zaległe
Preferuj pierwsze X% najdłużej zaległych liczb
Pierwszym X procentom przypisuje się wyższe prawdopodobieństwo
Pierwszym X procentom przypisuje się wyższe prawdopodobieństwo
%

Preferuj liczby często tworzące pary

najrzadsze

Preferuj liczby często tworzące trójki

najrzadsze

Preferuj liczby często tworzące czwórki

najrzadsze

Preferuj liczby sąsiednie z ostatniego losowania

W zakładce „Ogólne” możesz ustawić, aby do obliczania zakładów używane były tylko te liczby

Dla wyższych wygranych niektóre liczby mogą być „traktowane gorzej”

Unikaj liczb 1-12 (miesiąc – często typowane przez graczy obstawiających daty) 

Zmniejsz wagę liczb 1-31 (data) – rzadziej trafiają do zakładu

Optymalizacja kuponu

Optymalizacja zakładów kuponu względem siebie 

Maksimum zgodności z innymi zakładami

Minimum zgodności z innymi zakładami

Stosuj min./maks. do każdej pary zakładów

Optymalizacja zakładów według minionych losowań

Zakład nie dał w żadnym losowaniu z bazy 
Zakład nie może dawać X trafień w żadnym losowaniu z bazy, licząc od daty wybranej na karcie „Wykres”
Ustaw wartość 5 lub 6, jeśli używasz całej bazy danych
Ustaw wartość 5 lub 6, jeśli używasz całej bazy danych
trafień

Zakład nie daje 
Zakład nie może dawać X trafień w żadnym losowaniu z bazy, licząc od daty wybranej na karcie „Wykres”
Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
trafień w ostatnich

Tutaj możesz dodatkowo wykluczyć np. 3 lub 4 trafienia w ostatnich losowaniach
Tutaj możesz dodatkowo wykluczyć np. 3 lub 4 trafienia w ostatnich losowaniach
losowaniach

Zakład nie daje
Zakład nie może dawać X trafień w żadnym losowaniu z bazy, licząc od daty wybranej na karcie „Wykres”
Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
trafień w ostatnich

Tutaj możesz dodatkowo wykluczyć np. 3 lub 4 trafienia w ostatnich losowaniach
Tutaj możesz dodatkowo wykluczyć np. 3 lub 4 trafienia w ostatnich losowaniach
losowaniach

Maks. dozwolona liczba liczb z ostatniego losowania 
Zgodność z liczbami z poprzedniego losowania
Maks. dozwolona liczba liczb z przedostatniego losowania 
Zgodność z liczbami z poprzedniego losowania
Maks. dozwolona liczba liczb z trzeciego od końca losowania 
Zgodność z liczbami z poprzedniego losowania
Uwzględniaj liczbę dodatkową przy liczeniu trafień 

Matematyka

Te warunki są uwzględniane w każdym zakładzie

Ograniczając sumę liczb, możesz wykluczyć zakłady typu 1-2-3-4-5-6 lub 39-41-43-46-47-49

Jeśli chcesz grać o wyższe wygrane, wybierz sumę liczb powyżej 130 (gracze typujący daty).


Rozkład sum liczb na wykresie

Wykres liczb pierwszych w zakładzie

Wykres liczb parzystych w zakładzie

Wykres liczb nieparzystych w zakładzie

Pary na wykresie

Trójki na wykresie

Czwórki na wykresie
Suma liczb od

do

dozwolona w zakładzie

Rozkład sum liczb minionych losowań znajdziesz na karcie „Wykres” pod przyciskiem Σ  

Min. liczba liczb pierwszych w każdym zakładzie

Min. liczba liczb parzystych w każdym zakładzie

Min. liczba liczb nieparzystych w każdym zakładzie

Wymuś jedną parę w każdym zakładzie

Pary zwykle powstają same, ale tutaj można je wymusić.

Bez trójek, czwórek... z rzędu

Trójki, 

czwórki... (3-4-5 lub 28-29-30-31) powstają dość rzadko, tutaj można je całkowicie wykluczyć

Ogólne

Ogólne opcje obliczeń

Używaj w zakładzie tylko preferowanych liczb!

Pokaż / edytuj listę liczb do generowania

Maks. przebiegów obliczeń

tysięcy

Jeśli przy Twoich ustawieniach nie udało się obliczyć wszystkich zakładów, spróbuj zwiększyć liczbę przebiegów obliczeń. 



 Superliczby można użyć także przy wyborze kuponu. Superliczba jest tworzona po kliknięciu „Wyślij zakład” lub przy drukowaniu

Nie używaj superliczb z ostatnich losowań
Przy wyborze losowym i wyborze rzadko losowanych liczb nie jest używana superliczba z ostatnich x losowań
Wybór superliczby

Opcje obliczania numeru kuponu – tylko przy grze online

Opcje Super6 i Spiel77

Zaległe superliczby
Jak długo zalega każda superliczba
Częstość superliczb
Ile razy wylosowano każdą superliczbę?
Wykres

Rozkład
Rozkład wylosowanych liczb
Σ
Rozkład sum liczb w losowaniach
2-ki
Pary kolejnych liczb
3-ki
Trójki kolejnych liczb
4-ki
Czwórki kolejnych liczb
Zaległe
Od ilu losowań nie padła każda liczba?
Super zaległe
Jak długo zalega każda superliczba
Superliczba
Ile razy wylosowano każdą superliczbę?
Losowania od:
Początek okresu analizy
Początek okresu analizy
Początek okresu analizy
Baza danych

Losowanie

Data losowania
Data losowania
Pokaż
Sprawdź zakłady w losowaniu z tej daty
&Aktualizuj bazę
Pobierz z internetu losowania od ostatniego zapisanego
Stop
Zatrzymuje wczytywanie
Wprowadź
Ręczne wprowadzanie danych losowania.
Usuń
Usuń wyświetlane losowanie
Analizy losowań

Szukaj par
Ile razy wylosowano dwie kolejne liczby?
Szukaj trójek
Ile razy wylosowano trzy kolejne liczby?
Szukaj czwórek
Ile razy wylosowano cztery kolejne liczby?
Zaległe
Od ilu losowań nie padła każda liczba?
Zaległe superliczby

Liczby pierwsze
Wykres liczb pierwszych w zakładzie
Nieparzyste
Wykres liczb nieparzystych w zakładzie
Parzyste
Wykres liczb parzystych w zakładzie
Analiza historyczna

Testuj parametry
Analiza historyczna parametrów: od wybranej daty przed każdym losowaniem obliczaj zakłady i je sprawdzaj
Porównaj losowania
Analiza historyczna losowań: podobne liczby we wcześniejszych i kolejnych losowaniach
Przeliczaj tylko po trafieniu trójki

Utwórz nową bazę

Całkowicie odbuduj bazę

Eksport do tekstu

Opcje internetu

Adres usługi do aktualizacji losowań
Adres usługi do aktualizacji losowań
Adres usługi:

Plik CSV losowań w sieci, wczytywany zamiast usługi
Plik CSV losowań w sieci, wczytywany zamiast usługi
Adres CSV losowań:

Serwer proxy

Nazwa serwera proxy; puste = bez proxy
Nazwa serwera proxy; puste = bez proxy
Port serwera proxy
Port serwera proxy
Serwer proxy:

Port proxy:

Linki

https://www.numora.example/
Otwórz w przeglądarce
https://ergebnisse.numora.example/sayisal-loto
Otwórz w przeglądarce
https://www.lottobay.example/
Otwórz w przeglądarce
Włącz stronę linków

Gram tylko w soboty (sobota domyślnie wybrana przy wysyłaniu)





Sprache/Language/Langue

&Plik

Pomoc

&Aktualizuj

&Oblicz

&Wyślij

S&ystemy

Niemiecki

Angielski

Francuski

Hiszpański

Turecki

Rosyjski

Polski

Czeski

Niderlandzki

Importuj CSV…

Dodaj CSV…

Eksportuj CSV…

Dokumentacja

Za&mknij

&Drukuj kupon…

Ustawienia drukowania kuponu

Losowania i gry

Sobota

Środa

Spiel 77

Super 6

Glücksspirale

Extra

Pokaż kupon do sprawdzenia


Koszt kuponu
Numer kuponu

Nowy
Utwórz nowy numer kuponu, który jeszcze nigdy nie został wylosowany
Szukaj
Sprawdź, czy ten numer kuponu już został wylosowany
Druk

Góra:

Lewo

Czcionka
Czcionka krzyżyków
Wyślij kupon przez...

Kliknij „Wyślij”, aby anonimowo przekazać dane do Tipp24 lub lottobay. Następnie możesz się zalogować lub zarejestrować. 

Wybór loterii regionalnej 

dostosuj

Drukuj

Anuluj

&Wyślij

Drukuj listę
Drukuj zakłady jako prostą listę
Wprowadź liczby losowania

Dod.:

S:

Spiel 77:

Super 6:

OK

Anuluj

Które liczby użyć do obliczeń


Zapisz listę

Wczytaj listę
Anuluj

&Losowo

OK

&Oblicz

Pozycjonowanie wydruku kuponu

Układ: 6x2 lub 1x12

Wys. pola:

Szer. pola:

Korekta z lewej:

Korekta 2. rzędu:

Góra

Lewo

Spiel 77  Tak:

Spiel 77  Nie:

Super 6 Tak:

Super 6  Nie:

Glücksspirale Tak:

Glücksspirale Nie:

Środa:

Sobota:

Sob/Śr:

Plik obrazu kuponu (jpg)

OK

Klient poczty Veldors Numora

Nazwa serwera SMTP, także z portem: server:587
Nazwa serwera SMTP, także z portem: server:587
Potwierdzenie odbioru

...

Wyślij

Zapisz hasło w pliku (niebezpieczne)

Temat

Serwer (SMTP)

Użytkownik

Hasło

Od (nazwa)

Od (e-mail)

Do (nazwa)

Do (e-mail)

DW  ...  kopia do wiadomości

UDW  ...  ukryta kopia

Plik wysyłany jako załącznik ...

Wybierz skrypt do przekazania liczb!

...

OK

Anuluj

Plik Click-Script Veldors

Parametry 

ZAHL1

TEXT1

ZAHL2

TEXT2

Porównanie z losowymi zakładami

Zapisz…
Zapisz porównanie jako obraz PNG lub SVG
Zamknij

