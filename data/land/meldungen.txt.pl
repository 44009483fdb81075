Rozkład liczb
losowań
średnia suma
Ile razy wylosowano każdą superliczbę?
Przy ilu zgodnych liczbach zatrzymać?
Test zakładu
Znaleziono trafienie w losowaniu z dnia:
Kontynuować?
Znaleziono losowanie
pary
znalezione
trójki
Kupon nr 
Rozkład sum liczb
średnia suma
czwórki
Stop
Obliczanie 
par
trójek
czwórek
zaległych liczb
sąsiednich liczb z ostatniego losowania
Początek obliczania zakładów
Zakład
Zmień parametry, aby obliczyć 12 zakładów
Zakłady zostały obliczone na nowo

Która liczba jest zaległa, czyli od ilu losowań nie padła?
Rozkład liczb w zakładach
Twoja szczęśliwa liczba
Podaj swoją szczęśliwą liczbę dla generatora losowego!
Twoja szczęśliwa liczba to teraz 
Wyniki obecnych ustawień dla sob. i śr.
Błąd przy wprowadzaniu liczby losowej

Wybierz liczby do obliczeń
Wysyłanie kuponu online
Która superliczba najdłużej nie została wylosowana?
Porównaj wynik losowania
Trafienia losowań w bazie danych
Jak często w następnym losowaniu padały podobne liczby
Jak często dwa losowania później padały podobne liczby
Jak często trzy losowania później padały podobne liczby
Liczba liczb pierwszych w zakładzie na podstawie
stanowiły liczby pierwsze
Liczba liczb nieparzystych w zakładzie na podstawie
stanowiły liczby nieparzyste
Liczba liczb parzystych w zakładzie na podstawie
stanowiły liczby parzyste
Czy na pewno usunąć wszystkie zakłady?
Usunąć wszystkie zakłady?


Numer kuponu?
– nie można utworzyć pliku do przekazania zakładów. Sprawdź uprawnienia programu lub uruchom go jako administrator
