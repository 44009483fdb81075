Distribución de números
Sorteos
Suma media
¿Cuántas veces ha salido cada reintegro?
¿Detener a partir de cuántos números coincidentes?
Prueba de apuesta
Coincidencia encontrada el:
¿Continuar?
Sorteo encontrado
Parejas
en total
Tríos
Número de boleto 
Distribución de sumas
Suma media
Cuartetos
Detener
Calculando: 
formación de parejas
formación de tríos
formación de cuartetos
números atrasados
números vecinos del último sorteo
Inicio del cálculo de apuestas
Apuesta
Cambie los parámetros para poder calcular 12 apuestas
Las apuestas se han recalculado

¿Qué número está atrasado, es decir, cuántos sorteos lleva sin salir?
Distribución de números en las apuestas
Su número de la suerte
¡Introduzca su número de la suerte para el generador aleatorio!
Su número de la suerte es ahora el 
Resultados con la configuración actual para sáb. / miér.
Error al introducir el número aleatorio

Elegir números para el cálculo
Jugar el boleto en línea
¿Qué reintegro lleva más tiempo sin salir?
Comparar resultados de sorteos
Coincidencias con sorteos de la base de datos
Cuántas veces hubo números similares en el sorteo siguiente
Cuántas veces hubo números similares en el segundo sorteo siguiente
Cuántas veces hubo números similares en el tercer sorteo siguiente
Números primos por apuesta en
eran primos
Números impares por apuesta en
eran impares
Números pares por apuesta en
eran pares
¿Seguro que desea borrar todas las apuestas?
¿Borrar todas las apuestas?


¿Número de boleto?
: no se pudo crear este archivo de transferencia de apuestas. Compruebe los permisos de acceso del programa o ejecútelo como administrador
