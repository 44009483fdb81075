po prostu wybierz losowo
numer kuponu jeszcze nigdy nie wylosowany
ostatnie 6 cyfr numeru kuponu nigdy nie wylosowane
ostatnie 5 cyfr numeru kuponu nigdy nie wylosowane
ostatnie 4 cyfry numeru kuponu nigdy nie wylosowane
