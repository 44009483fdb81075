cuántas veces
atrasados
