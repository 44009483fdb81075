elegir simplemente al azar
usar el reintegro que menos ha salido
usar el reintegro más atrasado
