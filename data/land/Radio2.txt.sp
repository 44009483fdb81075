elegir simplemente al azar
número de boleto que nunca ha salido
últimas 6 cifras del número nunca sorteadas
últimas 5 cifras del número nunca sorteadas
últimas 4 cifras del número nunca sorteadas
