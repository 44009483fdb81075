%1 lies outside %2..%3	%1 está fuera del intervalo %2..%3
wrong type	tipo incorrecto
not a date	no es una fecha válida
%1: larger than %2 bytes, not read	%1: más de %2 bytes, no se ha leído
line %1: values of another key ignored	línea %1: se ignoran los valores de otra clave
line %1: a value outside the key [%2]	línea %1: un valor fuera de la clave [%2]
Proxy port "%1" is not a decimal number	El puerto del proxy "%1" no es un número decimal
Proxy port %1 is outside 1..65535	El puerto del proxy %1 está fuera del intervalo 1..65535
The HTTP client could not be set up	No se pudo preparar el cliente HTTP
The answer is larger than %1 bytes	La respuesta supera los %1 bytes
larger than %1 bytes	más de %1 bytes
further lines that could not be read are not listed	no se listan más líneas ilegibles
Lesen Sie zuerst die Daten der Ziehungen ein	Cargue primero los datos de los sorteos
line %1: %2	línea %1: %2
missing header	falta la línea de encabezado
header must be "%1" or "%2"	el encabezado debe ser «%1» o «%2»
%1 fields, expected %2	%1 campos, se esperaban %2
bad date "%1"	fecha no válida «%1»
date %1 is earlier than the line before	la fecha %1 es anterior a la de la línea anterior
n%1 "%2" is not a number 1..%3	n%1 «%2» no es un número del 1 al %3
the six numbers are not distinct	los seis números no son todos distintos
zusatzzahl "%1" is not a number 0..%2	zusatzzahl «%1» no es un número del 0 al %2
superzahl "%1" is not a digit	superzahl «%1» no es un dígito
spiel77 "%1" is not seven digits	spiel77 «%1» no tiene siete dígitos
super6 "%1" is not six digits	super6 «%1» no tiene seis dígitos
%1: Lesen über das Dateiende hinaus (die Datei enthält keine Ziehung)	%1: lectura más allá del final del archivo (el archivo no contiene ningún sorteo)
'%1' ist kein gültiger Integerwert	'%1' no es un número entero válido
'%1' ist keine Zahl von %2 bis %3	'%1' no es un número del %2 al %3
'%1' ist keine Ziffer	'%1' no es un dígito
Wollen Sie wirklich alle Ziehungsdaten löschen und dies komplett aus dem Internet neu aufbauen??	¿Realmente desea borrar todos los datos de los sorteos y reconstruirlos por completo desde Internet?
Ziehungsdaten löschen?	¿Borrar los datos de los sorteos?
'' ist kein gültiges Datum	'' no es una fecha válida
'%1' ist kein gültiges Datum	'%1' no es una fecha válida
Seite %1 der Ergebnisse ist keine HTML-Seite	La página %1 de los resultados no es una página HTML
Orbix.dat, Zeile %1: '%2' ist kein gültiges Datum	Orbix.dat, línea %1: '%2' no es una fecha válida
Orbix.dat, Zeile %1: '%2' ist keine Zahl von 1 bis %3	Orbix.dat, línea %1: '%2' no es un número del 1 al %3
Der Dienst %1 ist nicht erreichbar (%2). Die Aktualisierung wurde beendet; die bisher geladenen Ziehungen bleiben gespeichert.	No se puede acceder al servicio %1 (%2). La actualización se ha detenido; los sorteos cargados hasta ahora siguen guardados.
Loading	Cargando
Failed : %1	Error: %1
Received %1 bytes	%1 bytes recibidos
Not guarantee the accuracy of the numbers!	¡No se garantiza la exactitud de los números!
%1 noch nicht da!	¡%1 aún no está disponible!
Failed : %1 %2	Error: %1 %2
Es wurde keine Reihe ausgewertet, ein Vergleich mit dem Zufall ist nicht möglich.	No se evaluó ninguna apuesta; no es posible compararlas con el azar.
Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen	El número de boleto nunca ha salido como número ganador de Super6 o Spiel 77
LosNr. wurde am %1 bei der Super 6 gezogen	El número de boleto salió en Super 6 el %1
LosNr. wurde am %1 im Spiel 77 gezogen	El número de boleto salió en Spiel 77 el %1
Die Zahlenliste enthält weniger als sechs verschiedene Zahlen; es wurde kein Tipp berechnet. Bitte wählen Sie andere Optionen.	La lista de números contiene menos de seis números distintos; no se calculó ninguna apuesta. Elija otras opciones.
Die Zahl %1 geht mit der Gewichtung %2 in die Berechnung ein	El número %1 entra en el cálculo con una ponderación de %2
Zeile %1 der Werteliste ist keine ganze Zahl von 0 bis %2: "%3"	La línea %1 de la lista de valores no es un número entero del 0 al %2: «%3»
Abgabe-Service steht momentan nicht zur Verfügung. Prüfen Sie ob sie mit dem Internet verbunden sind. Besteht das Problem länger, prüfen Sie ob es auf %1 neue Updates gibt.	El servicio de juego en línea no está disponible en este momento. Compruebe que está conectado a Internet. Si el problema persiste, compruebe si hay actualizaciones nuevas en %1.
Tipp24 nicht geöffnet? => Linkseite aktivieren!	¿No se abrió Tipp24? => ¡Active la página de enlaces!
Die Adresse für die Tippabgabe ist länger als %1 Zeichen; der Tipp wurde nicht übergeben.	La dirección para jugar las apuestas supera los %1 caracteres; las apuestas no se enviaron.
Connecting to %1.	Conectando con %1.
Connected.	Conectado.
Sending message.	Enviando el mensaje.
Ungültiger SMTP-Server: "%1"	Servidor SMTP no válido: «%1»
curl_easy_init failed	falló curl_easy_init
Resolving hostname %1.	Resolviendo el nombre de host %1.
Disconnected.	Desconectado.
A4 Quer	A4 horizontal
A5 Quer	A5 horizontal
 Oben	 arriba
 Links	 izquierda
Feldhöhe:	Alto de casilla:
Feldweite:	Ancho de casilla:
Links-Korrektur:	Corrección izquierda:
Korrektur 2.Reihe:	Corrección 2.ª fila:
Spiel 77  Ja:	Spiel 77  Sí:
Spiel 77  Nein:	Spiel 77  No:
Super 6 Ja:	Super 6 Sí:
Super 6  Nein:	Super 6  No:
Glücksspirale Ja:	Glücksspirale Sí:
Glücksspirale Nein:	Glücksspirale No:
Mittwoch:	Miércoles:
Samstag:	Sábado:
Sa/Mi:	Sáb/Mié:
Bilddatei des Scheines (jpg)	Imagen del boleto (jpg)
'%1' ist kein gültiger Integerwert (%2)	'%1' no es un número entero válido (%2)
%1. Tipp	Apuesta %1
Tippdatei (*.ntp)	Archivo de apuestas (*.ntp)
the PDF page could not be started	no se pudo iniciar la página PDF
Reihen nach Anzahl der Richtigen	Apuestas por número de aciertos
Optionen	Opciones
Zufallstipps	Apuestas aleatorias
Erwartet	Esperado
Richtige	Aciertos
%1 Richtige	%1 aciertos
Mittel je Reihe	Media por apuesta
Vergleich speichern	Guardar la comparación
PNG-Bild (*.png);;SVG-Grafik (*.svg)	Imagen PNG (*.png);;Gráfico SVG (*.svg)
%1 konnte nicht gespeichert werden.	No se pudo guardar %1.
CSV-Dateien (*.csv);;Alle Dateien (*)	Archivos CSV (*.csv);;Todos los archivos (*)
Die gespeicherten Ziehungen durch die %1 Ziehungen aus "%2" ersetzen?	¿Sustituir los sorteos guardados por los %1 sorteos de «%2»?
Bitte warten Sie, bis die Aktualisierung oder Berechnung beendet ist.	Espere a que termine la actualización o el cálculo.
CSV importieren	Importar CSV
%1 Ziehungen importiert	%1 sorteos importados
CSV exportieren	Exportar CSV
%1 Ziehungen nach %2 exportiert	%1 sorteos exportados a %2
Textdatei (*.txt)	Archivo de texto (*.txt)
Zu wenige Ziehungen für den Ausschluss der letzten Superzahlen: die Superzahl wurde ohne ihn gewählt	Hay muy pocos sorteos para excluir los últimos reintegros: el reintegro se eligió sin esa exclusión
Einstellungen: %1 unlesbare Angabe(n) in %2 übergangen (%3)	Configuración: se omitieron %1 valores ilegibles en %2 (%3)
Die Einstellungen konnten nicht gespeichert werden.\n%1	No se pudo guardar la configuración.\n%1
Clickrunner jetzt installieren?	¿Instalar Clickrunner ahora?
Veldors Clickrunner installieren?	¿Instalar Veldors Clickrunner?
Speichern des Tipps	Guardar las apuestas
Tipp laden aus Datei	Cargar apuestas desde un archivo
Diagramm speichern unter…	Guardar gráfico como…
Diagramm speichern	Guardar gráfico
Status: 	Estado: 
ERROR:	Error:
ERROR: 	Error: 
Datei welche als Anhang gesendet wird ...	Archivo que se enviará como adjunto ...
Alle Dateien (*)	Todos los archivos (*)
Veldors Click Script (*.crs)	Archivo Veldors Click Script (*.crs)
Druckeeinstellungen für den Lottoschein	Configuración de impresión del boleto
Schriftart	Fuente
Liste speichern	Guardar la lista
Werteliste (*.nwl)	Lista de valores (*.nwl)
Liste laden	Cargar la lista
Datum der Ziehung	Fecha del sorteo
Zahl %1	Número %1
Anzahl der Tipps	Número de apuestas
Nachricht	Mensaje
Status	Estado
Losnummer, Ziffer %1	Número de boleto, cifra %1
Papier	Papel
Tipp %1, Zahl %2	Apuesta %1, número %2
Tipp %1 ändern	Editar la apuesta %1
Die Reihen der Optionen hatten öfter 3 oder mehr Richtige, als der Zufall allein glaubhaft erklärt.	Las apuestas de las opciones tuvieron 3 o más aciertos con más frecuencia de la que el azar por sí solo explica de forma creíble.
Die Reihen der Optionen hatten etwas öfter 3 oder mehr Richtige als erwartet, aber nicht öfter, als der Zufall allein leicht erklärt.	Las apuestas de las opciones tuvieron 3 o más aciertos algo más a menudo de lo esperado, pero no más de lo que el azar por sí solo explica fácilmente.
Die Reihen der Optionen hatten nicht öfter 3 oder mehr Richtige, als vom Zufall zu erwarten war.	Las apuestas de las opciones no tuvieron 3 o más aciertos con más frecuencia de la esperada por azar.
%1 von %2 Reihen hatten 3 oder mehr Richtige, zu erwarten waren %3.	%1 de %2 apuestas tuvieron 3 o más aciertos; se esperaban %3.
Monte-Carlo-Test: dieselben Scheine gegen %1 Folgen zufälliger Ziehungen gewertet, in %2 davon mindestens so viele; einseitig, p = %3.	Prueba de Monte Carlo: los mismos boletos evaluados frente a %1 series de sorteos aleatorios, %2 de las cuales alcanzaron al menos tantos; unilateral, p = %3.
Reihen mit 3 bis 6 Richtigen	Apuestas con 3 a 6 aciertos
Gewertet wurden %1 Reihen in %2 Ziehungen, darunter %3 verschiedene.	Se evaluaron %1 apuestas en %2 sorteos, %3 de ellas distintas.
Die Nachricht konnte nicht gesendet werden:	No se pudo enviar el mensaje:
Keine Verbindung zum Mailserver %1:	No hay conexión con el servidor de correo %1:
Der Schlüsselbund des Desktops ist nicht erreichbar: %1	No se puede acceder al llavero del escritorio: %1
Das Passwort kann nicht gespeichert werden (%1). Es wird beim Senden erfragt, nur für diese Sitzung.	La contraseña no se puede guardar (%1). Se pedirá al enviar, solo para esta sesión.
Das Passwort steht noch in der Datei %1: der Schlüsselbund nahm es nicht an (%2).	La contraseña sigue en el archivo %1: el llavero no la aceptó (%2).
Passwort für %1 (nur für diese Sitzung):	Contraseña para %1 (solo para esta sesión):
Kreuze außerhalb des Papiers, die nicht gedruckt würden: %1 (%2).\n\nWählen Sie ein größeres Papier oder andere Positionen.	Cruces fuera del papel que no se imprimirían: %1 (%2).\n\nElija un papel más grande u otras posiciones.
Zurück zu den Einstellungen	Volver a la configuración
Trotzdem drucken	Imprimir de todos modos
Stopped	Detenido
the draw of %1 lies after today	el sorteo del %1 es posterior a hoy
Zusatzzahl %1	número complementario %1
Superzahl %1	Superzahl %1
Spiel 77 %1	Spiel 77 %1
Super 6 %1	Super 6 %1
%1: gespeichert %2, in der CSV-Datei %3	%1: guardado %2, en el archivo CSV %3
und %1 weitere	y %1 más
CSV hinzufügen	Añadir CSV
Lade %1	Cargando %1
Gestoppt	Detenido
Die CSV-Adresse %1 ist nicht erreichbar (%2).	No se puede acceder a la dirección CSV %1 (%2).
Die CSV-Adresse %1 antwortet mit %2 %3.	La dirección CSV %1 responde %2 %3.
Konflikte mit den gespeicherten Ziehungen: %1. Es wurde nichts geschrieben.	Conflictos con los sorteos guardados: %1. No se ha escrito nada.
Fehlende ältere Ziehungen: %1	Sorteos anteriores que faltan: %1
Ältere Ziehungen der CSV-Datei, die der gespeicherten Historie fehlen: %1 (%2). In die Historie einfügen?	Sorteos anteriores del archivo CSV que faltan en el historial guardado: %1 (%2). ¿Insertarlos en el historial?
Angefügt: %1, schon vorhanden: %2, Konflikte: %3, Lücken: %4	Añadidos: %1, ya presentes: %2, conflictos: %3, huecos: %4
Angefügt: %1, schon vorhanden: %2, Konflikte: %3, Lücken: %4 (eingefügt: %5)	Añadidos: %1, ya presentes: %2, conflictos: %3, huecos: %4 (insertados: %5)
Adresse der Startseite	Dirección de la página de inicio
Gebühr für eine Ziehung	Tarifa por un sorteo
Gebühr für beide Ziehungen	Tarifa por ambos sorteos
%1 Stopp	%1 Detener
Zufall	Azar
Ihre Dateien: %1	Sus archivos: %1
Testbericht gespeichert: %1	Informe de la prueba guardado: %1
"%1" ist keine der gewählten Zahlen	"%1" no es uno de los números elegidos
%1 Zahlen gewählt	%1 números elegidos
%1 steht zweimal in der Reihe	%1 aparece dos veces en la fila
%1 wenn %2	%1 si %2
Auf Schein	Al boleto
Berechnen	Calcular
Beste Reihe je Ziehung	Mejor fila por sorteo
Das System und je 12 Reihen als Tippdatei speichern	Guardar el sistema y cada 12 filas como archivo de apuestas
Die Berechnung beenden und das kleinste gefundene System behalten	Terminar el cálculo y conservar el sistema más pequeño encontrado
Die Berechnung endet beim ersten System mit höchstens so vielen Reihen	El cálculo termina con el primer sistema de como máximo tantas filas
Die Garantie %1 wenn %2 passt nicht zu %3 Zahlen.	La garantía %1 si %2 no es posible con %3 números.
Die Zahlen der Reihen des Scheins wählen	Elegir los números de las filas del boleto
Die Zahlen des Zahlenpools der Berechnung wählen	Elegir los números del conjunto del cálculo
Die nächsten 12 Reihen des Systems auf den Schein setzen	Poner las 12 filas siguientes del sistema en el boleto
Dreier	tríos
Ein System braucht mindestens 7 Zahlen.	Un sistema necesita al menos 7 números.
Ein System mit der gewählten Garantie berechnen und prüfen	Calcular un sistema con la garantía elegida y comprobarlo
Ein gespeichertes System laden und prüfen	Cargar un sistema guardado y comprobarlo
Fertig: %1 Reihen.	Listo: %1 filas.
Fünfer	quintetos
Garantie %1 wenn %2 verletzt: %3 hat keine Reihe mit %1 Richtigen.	Garantía %1 si %2 incumplida: %3 no tiene ninguna fila con %1 aciertos.
Garantie geprüft: alle %1 %2 Ihrer %3 Zahlen haben eine Reihe mit %4 Richtigen (%5 Reihen).	Garantía comprobada: los %1 %2 de sus %3 números tienen una fila con %4 aciertos (%5 filas).
Garantie:	Garantía:
Geladen: %1	Cargado: %1
Gespeichert: %1 und %2 Tippdateien	Guardado: %1 y %2 archivos de apuestas
Gestoppt: das kleinste gefundene System hat %1 Reihen.	Detenido: el sistema más pequeño encontrado tiene %1 filas.
Gewinnchancen des Systems	Probabilidades del sistema
Höchstens Reihen:	Filas como máximo:
Kein System innerhalb der Grenzen gefunden.	No se encontró ningún sistema dentro de los límites.
Kleinstes System bisher: %1 Reihen; Suche mit %2 Reihen	Sistema más pequeño hasta ahora: %1 filas; buscando con %2 filas
Kosten je Ziehung: %1 Reihen zu %2 = %3	Coste por sorteo: %1 filas a %2 = %3
Laden…	Cargar…
Rechenzeit (s):	Tiempo de cálculo (s):
Reihen %1 bis %2 von %3 auf dem Schein	Filas %1 a %2 de %3 en el boleto
Reihen des Systems	Filas del sistema
Reihen je Ziehung	Filas por sorteo
Schließen	Cerrar
Sechser	sextetos
So lange sucht die Berechnung nach einem System mit weniger Reihen	Tiempo que el cálculo busca un sistema con menos filas
Speichern…	Guardar…
Stoppen	Detener
Suche läuft …	Buscando …
Suche mit %1 Reihen …	Buscando con %1 filas …
System (*.nsy)	Sistema (*.nsy)
System (*.nsy);;Alle Dateien (*)	Sistema (*.nsy);;Todos los archivos (*)
System laden	Cargar sistema
System speichern	Guardar sistema
Systeme	Sistemas
Vierer	cuartetos
Wählen Sie mindestens 7 Zahlen; die Garantie %1 wenn %2 braucht mindestens %2.	Elija al menos 7 números; la garantía %1 si %2 necesita al menos %2.
Ziehungen unter Ihren Zahlen	Sorteos dentro de sus números
alle Ziehungen	todos los sorteos
aus dem Pool	del conjunto
beliebig	cualquiera
beste Reihe %1 Richtige	mejor fila %1 aciertos
eine Reihe hat sechs Zahlen, diese %1	una fila tiene seis números, esta %1
keine Reihen	ninguna fila
vom Schein	del boleto
„3 wenn 4“: sind 4 der gezogenen Zahlen unter Ihren, hat eine Reihe mindestens 3 Richtige	"3 si 4": si 4 de los números sorteados están entre los suyos, una fila tiene al menos 3 aciertos
Die Bankzahlen %1 sind nicht unter den Zahlen.	Los números fijos %1 no están entre los números.
Höchstens %1 Bankzahlen bei der Garantie %2 wenn %3.	Como máximo %1 números fijos con la garantía %2 si %3.
Für so viele Zahlen gibt es kein System ohne Suche, und die Suche reicht bis %1 Zahlen.	Para tantos números no hay sistema sin búsqueda, y la búsqueda llega hasta %1 números.
Für %1 Zahlen und die Garantie %2 wenn %3 ist kein System bekannt, und die Suche reicht dafür nicht.	Para %1 números y la garantía %2 si %3 no se conoce ningún sistema, y la búsqueda no alcanza.
Klick: Zahl wählen; zweiter Klick: Bankzahl, steht in jeder Reihe; dritter Klick: abwählen	Clic: elegir el número; segundo clic: número fijo, está en cada fila; tercer clic: quitar
, davon %1 Bankzahlen	, de ellos %1 números fijos
Aus dem Katalog: %1 Reihen, geprüft.	Del catálogo: %1 filas, comprobado.
In %1 Reihen gibt es keine Garantie %2 wenn %3. Die besten %1 Reihen treffen bei %4 von %5 %6 (%7 %) mit %2 Richtigen; so wahrscheinlich hält die Garantie bei einer Ziehung mit %3 Treffern unter Ihren Zahlen.	En %1 filas no hay garantía %2 si %3. Las %1 mejores filas aciertan %2 en %4 de %5 %6 (%7 %); así de probable es que la garantía se cumpla en un sorteo con %3 aciertos entre sus números.
Sie garantieren keine der angebotenen Garantien.	No dan ninguna de las garantías ofrecidas.
Sie garantieren: %1.	Garantizan: %1.
Geprüft sind die Ziehungen mit den Bankzahlen %1.	Los sorteos comprobados son los que tienen los números fijos %1.
%1 draws no Superzahl	%1 no sortea Superzahl
%1 ist keine Superzahl von 0 bis 9	%1 no es una Superzahl del 0 al 9
%1 ist keine Zahl von 1 bis %2	%1 no es un número del 1 al %2
Die Zusatzzahl %1 ist schon gezogen	El número complementario %1 ya ha salido
Die sechs Zahlen sind nicht verschieden	Los seis números no son distintos
"%1" given twice	«%1» indicado dos veces
"%1" is not a game id: a small letter, then up to 31 small letters, digits, "-" or "_"	«%1» no es un identificador de juego: una minúscula y luego hasta 31 minúsculas, cifras, «-» o «_»
"%1" is not a weekday Mo..So [from DD.MM.YYYY]	«%1» no es un día de la semana Mo..So [from DD.MM.AAAA]
a game "%1" exists already	ya existe un juego «%1»
a game draws 6 of %1..%2 numbers, not of %3	un juego sortea 6 de %1..%2 números, no de %3
bad value "%1" for "%2"	valor «%1» incorrecto para «%2»
expected KEY = VALUE	se esperaba CLAVE = VALOR
id "%1" differs from the file name	el identificador «%1» no coincide con el nombre del archivo
missing "%1"	falta «%1»
numbers must lie in %1..%2, not "%3"	numbers debe estar en %1..%2, no «%3»
the game needs a name of one line	el juego necesita un nombre de una línea
the grid %1x%2 does not hold %3 numbers	la cuadrícula %1x%2 no tiene cabida para %3 números
unknown game "%1"	juego desconocido «%1»
unknown key "%1"	clave desconocida «%1»
%1 wird nicht mehr gezogen; die letzte Ziehung war am %2.	%1 ya no se sortea; el último sorteo fue el %2.
Für %1 ist keine Adresse gesetzt: tragen Sie unter "Internet-Optionen" die "CSV-Adresse der Ziehungen" einer Ergebnisseite ein.	No hay dirección para %1: introduzca en «Internet-Optionen» la «CSV-Adresse der Ziehungen» de un sitio de resultados.
the header names no column for %1	el encabezado no nombra ninguna columna para %1
columns ignored: %1	columnas ignoradas: %1
no column name known: read by position (date, then six numbers)	ningún nombre de columna conocido: leído por posición (fecha, luego seis números)
%1: %2 values outside %3 not read (first "%4")	%1: %2 valores fuera de %3 no leídos (primero "%4")
%1 digits	%1 dígitos
%1 Ziehungen durch %2 ersetzt; die bisherigen sind in %3	%1 sorteos sustituidos por %2; los anteriores se guardan en %3
Der Vergleich schreibt jede Ziehung in Tipp 1 und leert die nicht gesperrten Tipps. Die Tipps des Scheins gehen dabei verloren. Trotzdem vergleichen?	La comparación escribe cada sorteo en la apuesta 1 y vacía las apuestas no bloqueadas. Las apuestas del boleto se perderán. ¿Comparar de todos modos?
Selbst definierte Positionierung	Posiciones propias
Ohne die Zahlen 1 bis 12 bleiben in diesem Spiel keine sechs Zahlen für einen Tipp.	Sin los números del 1 al 12 este juego no tiene seis números para una apuesta.
In diesem Spiel ist jede Zahl eine Datumszahl (1 bis 31).	En este juego cada número es un número de fecha (del 1 al 31).
Die Jokerzahl kommt aus einer eigenen Trommel und zählt nicht zu den Richtigen.	El número Joker sale de un bombo propio y no cuenta como acierto.
Dieses Spiel hat keine Superzahl.	Este juego no tiene Superzahl.
Preis je Tipp nicht festgelegt	Precio por apuesta no fijado
Preis: %1	Precio: %1
Für dieses Spiel gibt es keine Scheinvorlagen: gedruckt wird mit der selbst definierten Positionierung.	No hay plantillas de boleto para este juego: se imprime con las posiciones propias.
Dieses Spiel hat keine Zusatzspiele.	Este juego no tiene juegos adicionales.
Dieses Spiel hat keine Losnummer.	Este juego no tiene número de boleto.
Für dieses Spiel gibt es keine Online-Abgabe.	Este juego no se puede entregar en línea.
Liste drucken	Imprimir lista
Die Tipps als einfache Liste drucken	Imprimir las apuestas como lista simple
&Spiel	&Juego
Eigenes Spiel…	Juego propio…
Ein eigenes Spiel 6 aus N anlegen	Crear un juego propio 6 de N
Spiel wählen	Elegir el juego
Welches Spiel spielen Sie? Sie können es später im Menü "Spiel" wechseln.	¿A qué juego juega? Puede cambiarlo más tarde en el menú "Juego".
Eigenes Spiel	Juego propio
%1 (%2) ist angelegt. Jetzt zu diesem Spiel wechseln?	%1 (%2) se ha creado. ¿Cambiar a este juego ahora?
Kleinbuchstaben, Ziffern, "-" und "_"; der Name des Ordners der Dateien des Spiels	Minúsculas, cifras, "-" y "_"; el nombre de la carpeta de los archivos del juego
Kennung:	Identificador:
Name:	Nombre:
6 aus:	6 de:
Ziehungstage:	Días de sorteo:
keine	ninguno
Zusatzzahl aus derselben Trommel	número complementario del mismo bombo
Superzahl 0-9	Superzahl 0-9
Joker 1..N aus eigener Trommel	Joker 1..N de un bombo propio
Zusatzzahl:	Complementario:
Superzahl:	Superzahl:
Joker:	Joker:
Das Spiel wechselt erst, wenn die laufende Berechnung beendet ist.	El juego solo puede cambiarse cuando termine el cálculo en curso.
%1 hat noch keine Ziehungen: "Datenbank aktualisieren" mit einer Adresse, das CSV-Menü oder "Eingeben" füllt sie.	%1 aún no tiene sorteos: "Actualizar la base" con una dirección, el menú CSV o "Introducir" los añade.
