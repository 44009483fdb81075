Veldors Numora Sayisal Loto 6/49

Apuestas

Apuesta 1
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 1 con el formulario o generarla al azar
Apuesta 2
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 2 con el formulario o generarla al azar
Apuesta 3
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 3 con el formulario o generarla al azar
Apuesta 4
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 4 con el formulario o generarla al azar
Apuesta 5
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 5 con el formulario o generarla al azar
Apuesta 6
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 6 con el formulario o generarla al azar
Apuesta 7
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 7 con el formulario o generarla al azar
Apuesta 8
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 8 con el formulario o generarla al azar
Apuesta 9
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 9 con el formulario o generarla al azar
Apuesta 10
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 10 con el formulario o generarla al azar
Apuesta 11
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 11 con el formulario o generarla al azar
Apuesta 12
¡Si «Apuesta» está en rojo, esta apuesta no se recalcula!
…
Haga clic aquí para modificar la apuesta 12 con el formulario o generarla al azar
Número de apuestas a calcular
Número de apuestas a calcular
&Calcular apuestas
Calcula el número de apuestas indicado con los parámetros establecidos
Número de la suerte
Aquí puede echarle una mano al azar y generar una apuesta realmente suya
Buscar en la base
Compruebe aquí si esta apuesta ya ha salido alguna vez
Distrib. apuestas
¿Cuántas veces aparece cada número en las apuestas?
Apuestas
Mostrar e imprimir las apuestas como texto

Guardar las apuestas

Cargar apuestas desde un archivo
Correo
Envíe aquí sus apuestas por correo electrónico, con un enlace para comprobarlas también en línea
&Jugar en línea
Aquí puede jugar sus apuestas en línea
Tipp24

Imprimir boleto


Borrar todas las apuestas

Número del boleto
Sorteos del sábado

Sorteos del miércoles

Numora Sayisal Loto en Internet
Ir a la página del producto en Internet
Novedades y actualizaciones
Ir a la página del producto en Internet

Mostrar el sorteo anterior

Mostrar el sorteo siguiente

Sorteo mostrado
Suma: 
Suma de los números del sorteo

Actualizar los sorteos desde Internet
Cálculo

Estadística

Preferir números para las apuestas según la estadística

Para calcular las apuestas se usa en cada caso el primer x% (p. ej. hasta el 30% del máximo).


Distribución de los números sorteados

Números atrasados en el gráfico

Parejas en el gráfico

Tríos en el gráfico

Cuartetos en el gráfico
Preferir los números que han salido con especial frecuencia
Preferir el primer X% de los números que más han salido
Al primer X por ciento se le asigna una probabilidad mayor
Al primer X por ciento se le asigna una probabilidad mayor
%

Preferir los números que han salido muy pocas veces
Preferir el primer X% de los números que menos han salido
Al primer X por ciento se le asigna una probabilidad mayor
Al primer X por ciento se le asigna una probabilidad mayor
%

Números más atrasados
Preferir el primer X% de los números más atrasados
Al primer X por ciento se le asigna una probabilidad mayor
Al primer X por ciento se le asigna una probabilidad mayor
%

Preferir números que forman parejas a menudo

rara vez

Preferir números que forman tríos a menudo

rara vez

Preferir números que forman cuartetos a menudo

rara vez

Preferir los números vecinos del último sorteo

En «General» puede establecer que solo se usen estos números para calcular las apuestas

Para obtener premios más altos, se pueden «penalizar» ciertos números

Evitar los números 1-12 (meses, muy jugados por quienes apuestan fechas) 

Reducir el peso de los números 1-31 (fechas): aparecen menos en las apuestas

Optimización

Optimización de las apuestas entre sí dentro del boleto 

Máximo de coincidencias con otras apuestas

Mínimo de coincidencias con otras apuestas

Aplicar mín./máx. a cada apuesta respecto a cada una de las demás

Optimización de las apuestas respecto a los sorteos pasados

La apuesta no coincide con ningún sorteo de la base con 
La apuesta no debe coincidir con ningún sorteo de la base con X aciertos, a partir de la fecha elegida en la vista de gráficos
Ponga el valor en 5 o 6 si usa la base de datos completa
Ponga el valor en 5 o 6 si usa la base de datos completa
aciertos

La apuesta no tiene 
La apuesta no debe coincidir con ningún sorteo de la base con X aciertos, a partir de la fecha elegida en la vista de gráficos
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
aciertos en los últimos

Aquí puede excluir además los últimos sorteos, p. ej. a partir de 3 o 4 aciertos
Aquí puede excluir además los últimos sorteos, p. ej. a partir de 3 o 4 aciertos
sorteos

La apuesta no tiene
La apuesta no debe coincidir con ningún sorteo de la base con X aciertos, a partir de la fecha elegida en la vista de gráficos
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
aciertos en los últimos

Aquí puede excluir además los últimos sorteos, p. ej. a partir de 3 o 4 aciertos
Aquí puede excluir además los últimos sorteos, p. ej. a partir de 3 o 4 aciertos
sorteos

Máximo permitido de números del último sorteo 
Coincidencia con números de un sorteo anterior
Máximo permitido de números del penúltimo sorteo 
Coincidencia con números de un sorteo anterior
Máximo permitido de números del antepenúltimo sorteo 
Coincidencia con números de un sorteo anterior
Incluir el complementario en el cálculo de aciertos 

Matemáticas

Estas condiciones se aplican a cada apuesta

Limitando la suma puede evitar apuestas como 1-2-3-4-5-6 o 39-41-43-46-47-49

Si quiere apostar a premios más altos, elija una suma mayor de 130 (por quienes apuestan fechas).


Distribución de sumas en el gráfico

Gráfico de números primos por apuesta

Gráfico de números pares por apuesta

Gráfico de números impares por apuesta

Parejas en el gráfico

Tríos en el gráfico

Cuartetos en el gráfico
Sumas de

a

permitidas

La distribución de sumas de los sorteos pasados se ve en el gráfico, en «Suma»  

Mínimo de números primos en cada apuesta

Mínimo de números pares en cada apuesta

Mínimo de números impares en cada apuesta

Forzar una pareja en cada apuesta

Las parejas suelen surgir solas, pero aquí también puede forzarlas.

Sin tríos, cuartetos…

Tríos, 

cuartetos… (3-4-5 o 28-29-30-31) son bastante raros y aquí se pueden evitar por completo

General

Opciones generales de cálculo

¡Usar solo números preferidos en la apuesta!

Mostrar / editar la lista para generar las series de números

Máx. pasadas de cálculo

mil

Si con su configuración no se pudieron calcular todas las apuestas, pruebe a aumentar las pasadas de cálculo. 



 El reintegro también puede usarse al elegir el boleto. Se genera al hacer clic en «Jugar en línea» o al imprimir

No usar reintegros de los últimos sorteos
Tanto al azar como con números poco sorteados, no se usa ningún reintegro de los últimos x sorteos
Opción de reintegro

Opciones de cálculo del número de boleto: solo para el juego en línea

Opción Super6 y Spiel77

Reintegros atrasados
¿Cuánto tiempo lleva sin salir cada reintegro?
Frecuencia del reintegro
¿Cuántas veces ha salido cada reintegro?
Gráfico

Distribución
Distribución de los números sorteados
Suma
Distribución de sumas de los sorteos
Parejas
Parejas de números consecutivos
Tríos
Tríos de números consecutivos
Cuartetos
Cuartetos de números consecutivos
Atrasados
¿Cuántos sorteos lleva sin salir cada número?
Reint. atrasado
¿Cuánto tiempo lleva sin salir cada reintegro?
Reintegro
¿Cuántas veces ha salido cada reintegro?
Sorteos desde:
Inicio del período analizado
Inicio del período analizado
Inicio del período analizado
Base de datos

Sorteo

Fecha del sorteo
Fecha del sorteo
Mostrar
Evaluar la apuesta para el sorteo de esta fecha
Actualizar la &base
Descargar de Internet los sorteos posteriores al último sorteo guardado
Detener
Detiene la lectura
Introducir
Introducción manual de los resultados del sorteo.
Borrar
Borrar el sorteo mostrado
Análisis de los sorteos

Buscar parejas
¿Cuántas veces han salido dos números consecutivos?
Buscar tríos
¿Cuántas veces han salido tres números consecutivos?
Buscar cuartetos
¿Cuántas veces han salido cuatro números consecutivos?
Atrasados
¿Cuántos sorteos lleva sin salir cada número?
Reintegro atrasado

Primos por apuesta
Gráfico de números primos por apuesta
Impares por apuesta
Gráfico de números impares por apuesta
Pares por apuesta
Gráfico de números pares por apuesta
Análisis histórico

Probar parámetros
Análisis histórico de los parámetros: a partir de la fecha elegida, calcular y evaluar apuestas antes de cada sorteo
Comparar sorteos
Análisis histórico de los sorteos: números similares en sorteos anteriores y posteriores
Recalcular solo si se obtuvieron 3 aciertos

Crear base de datos nueva

Reconstruir toda la base de datos

Exportar a texto

Opciones de Internet

Dirección del servicio de actualización de sorteos
Dirección del servicio de actualización de sorteos
Dirección del servicio:

Archivo CSV de los sorteos en la red, cargado en lugar del servicio
Archivo CSV de los sorteos en la red, cargado en lugar del servicio
Dirección CSV de los sorteos:

Servidor proxy

Nombre del servidor proxy; vacío si no hay proxy
Nombre del servidor proxy; vacío si no hay proxy
Puerto del servidor proxy
Puerto del servidor proxy
Servidor proxy:

Puerto proxy:

Enlaces

https://www.numora.example/
Abrir en el navegador
https://ergebnisse.numora.example/sayisal-loto
Abrir en el navegador
https://www.lottobay.example/
Abrir en el navegador
Activar página de enlaces

Solo juego los sábados (sábado preseleccionado al jugar)





Sprache/Language/Langue

&Archivo

Ayuda

Ac&tualizar

&Calcular

&Jugar

Si&stemas

Alemán

Inglés

Francés

Español

Turco

Ruso

Polaco

Checo

Neerlandés

Importar CSV…

Añadir CSV…

Exportar CSV…

Mostrar documentación

&Cerrar

&Imprimir boleto…

Configuración de impresión del boleto

Sorteos y juegos

Sábado

Miércoles

Spiel 77

Super 6

Glücksspirale

Extra

Mostrar boleto de prueba


Precio del boleto
Número de boleto

Nuevo
Generar un nuevo número de boleto que nunca haya salido
Buscar
Comprobar si este número de boleto ya ha salido
Impresión

Arriba:

Izquierda

Fuente
Fuente de las cruces
Jugar el boleto en...

Haga clic en «En línea» para enviar los datos de forma anónima a Tipp24 o Lottobay. Después podrá iniciar sesión o registrarse. 

Selección de la lotería regional 

ajustar

Imprimir

Cancelar

En &línea

Imprimir lista
Imprimir las apuestas como lista simple
Introducir los números del sorteo

Compl.:

Reint.:

Spiel 77:

Super 6:

OK

Cancelar

Números para el cálculo


Guardar la lista

Cargar la lista
Cancelar

&Azar

OK

&Calcular

Posición de la impresión del boleto

Estructura básica 6x2 o 1x12

Alto de casilla:

Ancho de casilla:

Corrección izquierda:

Corrección 2.ª fila:

Arriba

Izquierda

Spiel 77  Sí:

Spiel 77  No:

Super 6 Sí:

Super 6  No:

Glücksspirale Sí:

Glücksspirale No:

Miércoles:

Sábado:

Sáb/Mié:

Imagen del boleto (jpg)

OK

Cliente de correo Veldors Numora

Nombre del servidor SMTP, también con puerto: servidor:587
Nombre del servidor SMTP, también con puerto: servidor:587
Acuse de recibo

...

Enviar

Guardar la contraseña en un archivo (inseguro)

Asunto

Servidor (SMTP)

Usuario

Contraseña

Nombre del remitente

Correo del remitente

Nombre del destinatario

Correo del destinatario

CC  ...  destinatarios en copia

CCO  ...  copia oculta

Archivo que se enviará como adjunto ...

¡Seleccione el script para transferir los números!

...

OK

Cancelar

Archivo Click-Script Veldors

Parámetros 

ZAHL1

TEXT1

ZAHL2

TEXT2

Comparación con apuestas aleatorias

Guardar…
Guardar la comparación como imagen PNG o SVG
Cerrar

