<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
</context>
<context>
    <name>zentolk::Accessible</name>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Disminuir</translation>
    </message>
    <message>
        <source>Increase %1</source>
        <translation>Aumentar %1</translation>
    </message>
    <message>
        <source>Decrease %1</source>
        <translation>Disminuir %1</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <translation>Flechas de %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Ejemplo: %1</translation>
    </message>
</context>
<context>
    <name>zentolk::Startup</name>
    <message>
        <source>Usage: zentolk [-debug] [--palette dark|light|system] [--lang en|es] [-style STYLE]
               [-platform NAME] [Qt options]

Shows where a civil date lies in the Great Cycle of the Long Count calendar.

  -debug, /debug     write the help kit&apos;s diagnostics log, HHDebug.txt
  --palette PALETTE  draw the windows in dark or light colours of the program&apos;s
                     own, or in the desktop&apos;s (system, the default)
  --lang LANGUAGE    speak English (en) or Spanish (es) whatever the locale says
  -style STYLE       draw the window in another Qt style, such as fusion
  -platform NAME     use this Qt platform (xcb, wayland, offscreen, ...)
  -h, --help         show this help and exit
  --version          show the version and exit

Exit status: 0 after Exit, 1 when no display can be reached, 2 for a palette
that is none of the three or a language other than en and es.
Without a display, zentolk-cli gives the same readings in a terminal.
</source>
        <translation>Uso: zentolk [-debug] [--palette dark|light|system] [--lang en|es] [-style ESTILO]
             [-platform NOMBRE] [opciones de Qt]

Muestra dónde cae una fecha civil en el Gran Ciclo del calendario de la cuenta larga.

  -debug, /debug     escribe el registro de diagnóstico de la ayuda, HHDebug.txt
  --palette PALETA   dibuja las ventanas en colores oscuros o claros propios del
                     programa, o en los del escritorio (system, el predeterminado)
  --lang IDIOMA      muestra los textos en inglés (en) o en español (es),
                     sea cual sea la configuración regional
  -style ESTILO      dibuja la ventana con otro estilo de Qt, como fusion
  -platform NOMBRE   usa esta plataforma de Qt (xcb, wayland, offscreen, ...)
  -h, --help         muestra esta ayuda y termina
  --version          muestra la versión y termina

Estado de salida: 0 tras Salir, 1 si no se alcanza ninguna pantalla, 2 si la
paleta no es ninguna de las tres o el idioma no es en ni es.
Sin pantalla, zentolk-cli da las mismas lecturas en una terminal.
</translation>
    </message>
    <message>
        <source>zentolk: --palette takes dark, light or system
Try &apos;zentolk --help&apos;.
</source>
        <translation>zentolk: --palette admite dark, light o system
Pruebe &apos;zentolk --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>zentolk::TDayPage</name>
    <message>
        <source>Julian Day Number</source>
        <translation>Día juliano</translation>
    </message>
    <message>
        <source>Gregorian date</source>
        <translation>Fecha gregoriana</translation>
    </message>
    <message>
        <source>Julian date</source>
        <translation>Fecha juliana</translation>
    </message>
    <message>
        <source>Long Count</source>
        <translation>Cuenta larga</translation>
    </message>
    <message>
        <source>Tzolkin</source>
        <translation>Tzolkin</translation>
    </message>
    <message>
        <source>Haab</source>
        <translation>Haab</translation>
    </message>
    <message>
        <source>Calendar Round</source>
        <translation>Rueda calendárica</translation>
    </message>
    <message>
        <source>Lord of the Night</source>
        <translation>Señor de la Noche</translation>
    </message>
    <message>
        <source>819-day station</source>
        <translation>Estación de 819 días</translation>
    </message>
    <message>
        <source>Year bearer</source>
        <translation>Portador del año</translation>
    </message>
    <message>
        <source>Period ending</source>
        <translation>Final de periodo</translation>
    </message>
    <message>
        <source>Katun</source>
        <translation>Katún</translation>
    </message>
    <message>
        <source>Lunar Series, %1</source>
        <translation>Serie lunar, %1</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Long Count to go to</source>
        <translation>Cuenta larga a la que ir</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Go to the Long Count</source>
        <translation>Ir a la cuenta larga</translation>
    </message>
    <message>
        <source>Julian date to go to</source>
        <translation>Fecha juliana a la que ir</translation>
    </message>
    <message>
        <source>Go to the Julian date</source>
        <translation>Ir a la fecha juliana</translation>
    </message>
    <message>
        <source>Tzolkin number</source>
        <translation>Número del tzolkin</translation>
    </message>
    <message>
        <source>Tzolkin day sign</source>
        <translation>Signo del día del tzolkin</translation>
    </message>
    <message>
        <source>Haab day</source>
        <translation>Día del haab</translation>
    </message>
    <message>
        <source>Haab month</source>
        <translation>Mes del haab</translation>
    </message>
    <message>
        <source>any</source>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>This day</source>
        <translation>Este día</translation>
    </message>
    <message>
        <source>Julian Day Number:</source>
        <translation>Día juliano:</translation>
    </message>
    <message>
        <source>Gregorian:</source>
        <translation>Gregoriana:</translation>
    </message>
    <message>
        <source>Julian:</source>
        <translation>Juliana:</translation>
    </message>
    <message>
        <source>Long Count:</source>
        <translation>Cuenta larga:</translation>
    </message>
    <message>
        <source>Tzolkin:</source>
        <translation>Tzolkin:</translation>
    </message>
    <message>
        <source>Haab:</source>
        <translation>Haab:</translation>
    </message>
    <message>
        <source>Calendar Round:</source>
        <translation>Rueda calendárica:</translation>
    </message>
    <message>
        <source>Lord of the Night:</source>
        <translation>Señor de la Noche:</translation>
    </message>
    <message>
        <source>819-day station:</source>
        <translation>Estación de 819 días:</translation>
    </message>
    <message>
        <source>Year bearer:</source>
        <translation>Portador del año:</translation>
    </message>
    <message>
        <source>Period ending:</source>
        <translation>Final de periodo:</translation>
    </message>
    <message>
        <source>Katun:</source>
        <translation>Katún:</translation>
    </message>
    <message>
        <source>Go to a day</source>
        <translation>Ir a un día</translation>
    </message>
    <message>
        <source>&amp;Long Count:</source>
        <translation>&amp;Cuenta larga:</translation>
    </message>
    <message>
        <source>&amp;Julian date:</source>
        <translation>Fecha &amp;juliana:</translation>
    </message>
    <message>
        <source>&amp;Tzolkin:</source>
        <translation>&amp;Tzolkin:</translation>
    </message>
    <message>
        <source>H&amp;aab:</source>
        <translation>&amp;Haab:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Pick both the Tzolkin number and day sign, or neither.</source>
        <translation>Elija el número y el signo del tzolkin, o ninguno de los dos.</translation>
    </message>
    <message>
        <source>Pick both the Haab day and month, or neither.</source>
        <translation>Elija el día y el mes del haab, o ninguno de los dos.</translation>
    </message>
    <message>
        <source>Pick a Tzolkin day, a Haab day or both.</source>
        <translation>Elija un día del tzolkin, un día del haab o ambos.</translation>
    </message>
    <message>
        <source>There is no day to search from: enter a date first.</source>
        <translation>No hay un día desde el que buscar: escriba primero una fecha.</translation>
    </message>
    <message>
        <source>No such day within the years %1.</source>
        <translation>No hay ningún día así en los años %1.</translation>
    </message>
    <message>
        <source>819-day station direction</source>
        <translation>Rumbo de la estación de 819 días</translation>
    </message>
    <message>
        <source>Introductory glyph patron</source>
        <translation>Patrono del glifo introductorio</translation>
    </message>
    <message>
        <source>Introductory glyph:</source>
        <translation>Glifo introductorio:</translation>
    </message>
    <message>
        <source>Station direction:</source>
        <translation>Rumbo de la estación:</translation>
    </message>
    <message>
        <source>%1 only.</source>
        <translation>%1 y ningún otro.</translation>
    </message>
</context>
<context>
    <name>zentolk::TFrmAlmanac</name>
    <message>
        <source>The calculator&apos;s Year field holds five digits, so this day is shown here only; the calculator keeps its date.</source>
        <translation>El campo Año de la calculadora admite cinco cifras, así que este día solo se muestra aquí; la calculadora conserva su fecha.</translation>
    </message>
    <message>
        <source>%1 day earlier</source>
        <translation>%1 día antes</translation>
    </message>
    <message>
        <source>%1 day later</source>
        <translation>%1 día después</translation>
    </message>
    <message>
        <source>%1 days earlier</source>
        <translation>%1 días antes</translation>
    </message>
    <message>
        <source>%1 days later</source>
        <translation>%1 días después</translation>
    </message>
    <message>
        <source>The calculator&apos;s readings for this date count day %1, %2 (its formula runs off before 1 March 4801 B.C.).</source>
        <translation>Las lecturas de la calculadora para esta fecha cuentan el día %1, %2 (su fórmula se desvía antes del 1 de marzo de 4801 a. C.).</translation>
    </message>
    <message>
        <source>The calculator counts with %1: there this day is %2 %3.</source>
        <translation>La calculadora cuenta con la correlación %1: con ella este día es %2 %3.</translation>
    </message>
    <message>
        <source>Almanac</source>
        <translation>Almanaque</translation>
    </message>
    <message>
        <source>Correlation</source>
        <translation>Correlación</translation>
    </message>
    <message>
        <source>Other (type the number)</source>
        <translation>Otra (escriba el número)</translation>
    </message>
    <message>
        <source>Correlation number</source>
        <translation>Número de correlación</translation>
    </message>
    <message>
        <source>The Julian Day Number of 0.0.0.0.0 4 Ahau 8 Cumku; press Enter</source>
        <translation>El día juliano de 0.0.0.0.0 4 Ahau 8 Cumku; presione Entrar</translation>
    </message>
    <message>
        <source>Almanac pages</source>
        <translation>Páginas del Almanaque</translation>
    </message>
    <message>
        <source>This da&amp;y</source>
        <translation>Este &amp;día</translation>
    </message>
    <message>
        <source>&amp;Inscriptions</source>
        <translation>&amp;Inscripciones</translation>
    </message>
    <message>
        <source>Pictu&amp;re</source>
        <translation>I&amp;mágenes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>C&amp;orrelation:</source>
        <translation>C&amp;orrelación:</translation>
    </message>
    <message>
        <source>The calculator shows no day.</source>
        <translation>La calculadora no muestra ningún día.</translation>
    </message>
</context>
<context>
    <name>zentolk::TFrmCalc</name>
    <message>
        <source>Almanac...</source>
        <translation>Almanaque...</translation>
    </message>
    <message>
        <source>Zentolk %1, Copyright (C) the Zentolk developers</source>
        <translation>Zentolk %1, Copyright (C) los autores de Zentolk</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source> Great Cycle </source>
        <translation> Gran Ciclo </translation>
    </message>
    <message>
        <source>Great Cycle:</source>
        <translation>Gran Ciclo:</translation>
    </message>
    <message>
        <source>Long Count:</source>
        <translation>Cuenta larga:</translation>
    </message>
    <message>
        <source>[Baktun].[Katun].[Tun].[Uinal].[Kin]</source>
        <translation>[Baktún].[Katún].[Tun].[Uinal].[Kin]</translation>
    </message>
    <message>
        <source>Elapsed Kin:</source>
        <translation>Kines transcurridos:</translation>
    </message>
    <message>
        <source>Elapsed days from start of Cycle.</source>
        <translation>Días transcurridos desde el inicio del ciclo.</translation>
    </message>
    <message>
        <source>Remaining Kin:</source>
        <translation>Kines restantes:</translation>
    </message>
    <message>
        <source>Days to End of Cycle.</source>
        <translation>Días hasta el final del ciclo.</translation>
    </message>
    <message>
        <source>Cycle Harmonic:</source>
        <translation>Armónico del ciclo:</translation>
    </message>
    <message>
        <source>Fraction of 1,872,000 Kin Cycle</source>
        <translation>Fracción del ciclo de 1,872,000 kines</translation>
    </message>
    <message>
        <source> Historical Long Count </source>
        <translation> Cuenta larga histórica </translation>
    </message>
    <message>
        <source> Day </source>
        <translation> Día </translation>
    </message>
    <message>
        <source>Tzolkin Day:</source>
        <translation>Día del tzolkin:</translation>
    </message>
    <message>
        <source>Day of Week:</source>
        <translation>Día de la semana:</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Internet Links</source>
        <translation>Enlaces de Internet</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy All to Clipboard</source>
        <translation>Copiar todo al portapapeles</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>The help viewer is not installed, so the help cannot be shown.</source>
        <translation>El visor de la ayuda no está instalado; no se puede mostrar la ayuda.</translation>
    </message>
    <message>
        <source>Cannot open clipboard</source>
        <translation>No se puede abrir el portapapeles</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Copied to Clipboard.</source>
        <translation>Copiado al portapapeles.</translation>
    </message>
    <message>
        <source>Era</source>
        <translation>Era</translation>
    </message>
    <message>
        <source>Great Cycle</source>
        <translation>Gran Ciclo</translation>
    </message>
    <message>
        <source>Long Count</source>
        <translation>Cuenta larga</translation>
    </message>
    <message>
        <source>Elapsed Kin</source>
        <translation>Kines transcurridos</translation>
    </message>
    <message>
        <source>Elapsed Kin share</source>
        <translation>Porcentaje de kines transcurridos</translation>
    </message>
    <message>
        <source>Remaining Kin</source>
        <translation>Kines restantes</translation>
    </message>
    <message>
        <source>Remaining Kin share</source>
        <translation>Porcentaje de kines restantes</translation>
    </message>
    <message>
        <source>Cycle Harmonic</source>
        <translation>Armónico del ciclo</translation>
    </message>
    <message>
        <source>Historical Long Count</source>
        <translation>Cuenta larga histórica</translation>
    </message>
    <message>
        <source>Tzolkin Day</source>
        <translation>Día del tzolkin</translation>
    </message>
    <message>
        <source>Day of Week</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Long Count %1</source>
        <translation>Cuenta larga %1</translation>
    </message>
    <message>
        <source>13 x bakun = 1,872,000 days = 5,125.26 years.</source>
        <translation>13 x baktún = 1,872,000 días = 5,125.26 años.</translation>
    </message>
    <message>
        <source>[Pictun].[Baktun].[Katun].[Tun].[Uinal].[Kin]</source>
        <translation>[Pictún].[Baktún].[Katún].[Tun].[Uinal].[Kin]</translation>
    </message>
</context>
<context>
    <name>zentolk::TInscriptions</name>
    <message>
        <source>Spelling</source>
        <translation>Grafía</translation>
    </message>
    <message>
        <source>Colonial (Ahau, Cumku)</source>
        <translation>Colonial (Ahau, Cumku)</translation>
    </message>
    <message>
        <source>Modern (Ajaw, Kumk&apos;u)</source>
        <translation>Moderna (Ajaw, Kumk&apos;u)</translation>
    </message>
    <message>
        <source>Year bearer system</source>
        <translation>Sistema de portadores del año</translation>
    </message>
    <message>
        <source>Classic (0 Pop)</source>
        <translation>Clásico (0 Pop)</translation>
    </message>
    <message>
        <source>Campeche (1 Pop)</source>
        <translation>Campeche (1 Pop)</translation>
    </message>
    <message>
        <source>Mayapan (2 Pop)</source>
        <translation>Mayapán (2 Pop)</translation>
    </message>
    <message>
        <source>819-day station</source>
        <translation>Estación de 819 días</translation>
    </message>
    <message>
        <source>Year bearer</source>
        <translation>Portador del año</translation>
    </message>
    <message>
        <source>Distance number</source>
        <translation>Número de distancia</translation>
    </message>
    <message>
        <source>Largest place first, kins last; Enter adds</source>
        <translation>Primero la posición mayor, al final los kines; Entrar suma</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Add the distance</source>
        <translation>Sumar la distancia</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Restar</translation>
    </message>
    <message>
        <source>Subtract the distance</source>
        <translation>Restar la distancia</translation>
    </message>
    <message>
        <source>Distance from</source>
        <translation>Distancia desde</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Medir</translation>
    </message>
    <message>
        <source>Measure the distance to this day</source>
        <translation>Medir la distancia hasta este día</translation>
    </message>
    <message>
        <source>Full date</source>
        <translation>Fecha completa</translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation>Comp&amp;robar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Damaged date</source>
        <translation>Fecha dañada</translation>
    </message>
    <message>
        <source>Write * for a place or name that cannot be read</source>
        <translation>Escriba * en lugar de un número o un nombre ilegible</translation>
    </message>
    <message>
        <source>Fin&amp;d</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Days found</source>
        <translation>Días encontrados</translation>
    </message>
    <message>
        <source>Enter or a double click goes to the day</source>
        <translation>Entrar o un doble clic lleva al día</translation>
    </message>
    <message>
        <source>This day</source>
        <translation>Este día</translation>
    </message>
    <message>
        <source>819-day station:</source>
        <translation>Estación de 819 días:</translation>
    </message>
    <message>
        <source>Year &amp;bearer:</source>
        <translation>&amp;Portador del año:</translation>
    </message>
    <message>
        <source>Spellin&amp;g:</source>
        <translation>&amp;Grafía:</translation>
    </message>
    <message>
        <source>Inscription</source>
        <translation>Inscripción</translation>
    </message>
    <message>
        <source>Distance n&amp;umber:</source>
        <translation>&amp;N.º de distancia:</translation>
    </message>
    <message>
        <source>Distance &amp;from:</source>
        <translation>Dis&amp;tancia desde:</translation>
    </message>
    <message>
        <source>Full dat&amp;e:</source>
        <translation>Fecha &amp;completa:</translation>
    </message>
    <message>
        <source>Da&amp;maged date:</source>
        <translation>&amp;Fecha dañada:</translation>
    </message>
    <message>
        <source>%1 (Gregorian)</source>
        <translation>%1 (gregoriana)</translation>
    </message>
    <message>
        <source>There is no day to count from: enter a date first.</source>
        <translation>No hay un día desde el que contar: escriba primero una fecha.</translation>
    </message>
    <message>
        <source>There is no day to measure to: enter a date first.</source>
        <translation>No hay un día hasta el que medir: escriba primero una fecha.</translation>
    </message>
    <message>
        <source>From %1 to this day, %2: %3 (%4 days)</source>
        <translation>De %1 a este día, %2: %3 (%4 días)</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Sugerencias</translation>
    </message>
    <message>
        <source>The date fits: %1  %2, which has no Gregorian or Julian date.</source>
        <translation>La fecha concuerda: %1  %2, que no tiene fecha gregoriana ni juliana.</translation>
    </message>
    <message>
        <source>Write a Long Count followed by its Tzolkin day, Haab day or both.</source>
        <translation>Escriba una cuenta larga seguida de su día del tzolkin, su día del haab o ambos.</translation>
    </message>
    <message>
        <source>The date fits: %1</source>
        <translation>La fecha concuerda: %1</translation>
    </message>
    <message>
        <source>%1. No Long Count one place away fits.</source>
        <translation>%1. No concuerda ninguna cuenta larga que difiera en una sola posición.</translation>
    </message>
    <message>
        <source>%1. Below, the Long Counts one place away that fit, nearest first.</source>
        <translation>%1. Abajo, las cuentas largas que difieren en una sola posición y concuerdan, de la más cercana a la más lejana.</translation>
    </message>
    <message>
        <source>Matching days</source>
        <translation>Días que coinciden</translation>
    </message>
    <message>
        <source>Period endings</source>
        <translation>Finales de periodo</translation>
    </message>
    <message>
        <source>A period (baktun, katun, lahuntun, hotun, tun), with the number of its Ahau day if wanted</source>
        <translation>Un periodo (baktun, katun, lahuntun, hotun, tun), si se quiere con el número de su día Ahau</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Listar</translation>
    </message>
    <message>
        <source>List the period endings</source>
        <translation>Listar los finales de periodo</translation>
    </message>
    <message>
        <source>Short-form date</source>
        <translation>Fecha abreviada</translation>
    </message>
    <message>
        <source>A Calendar Round, then &quot;katun N&quot; for the katun N Ahau it lies in or a period it ends</source>
        <translation>Una rueda calendárica y después «katun N» para el katún N Ahau en que cae o un periodo que termina</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Situar</translation>
    </message>
    <message>
        <source>Place the Calendar Round</source>
        <translation>Situar la rueda calendárica</translation>
    </message>
    <message>
        <source>Period ending&amp;s:</source>
        <translation>Fina&amp;les de periodo:</translation>
    </message>
    <message>
        <source>S&amp;hort-form date:</source>
        <translation>Fecha &amp;abreviada:</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>No day from %1 fits.</source>
        <translation>No concuerda ningún día entre %1.</translation>
    </message>
    <message>
        <source>No day from %1.</source>
        <translation>Ningún día entre %1.</translation>
    </message>
    <message>
        <source>One day from %1 fits.</source>
        <translation>Concuerda un día entre %1.</translation>
    </message>
    <message>
        <source>One day from %1.</source>
        <translation>Un día entre %1.</translation>
    </message>
    <message>
        <source>%1 days from %2 fit; the first %3 are listed.</source>
        <translation>Concuerdan %1 días entre %2; se muestran los %3 primeros.</translation>
    </message>
    <message>
        <source>%1 days from %2; the first %3 are listed.</source>
        <translation>%1 días entre %2; se muestran los %3 primeros.</translation>
    </message>
    <message>
        <source>%1 days from %2 fit.</source>
        <translation>Concuerdan %1 días entre %2.</translation>
    </message>
    <message>
        <source>%1 days from %2.</source>
        <translation>%1 días entre %2.</translation>
    </message>
    <message>
        <source>Placed days</source>
        <translation>Días situados</translation>
    </message>
    <message>
        <source>9.12.11.5.18 or 8 29 683 A.D.</source>
        <translation>9.12.11.5.18 o 8 29 683 d. C.</translation>
    </message>
</context>
<context>
    <name>zentolk::TInternetFrm</name>
    <message>
        <source>Internet Resources</source>
        <translation>Recursos en Internet</translation>
    </message>
    <message>
        <source>Check for Software Update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Brinemoor Software Catalog</source>
        <translation>Catálogo de Brinemoor Software</translation>
    </message>
    <message>
        <source>If you would like to help support our programming efforts, please consider making a donation.</source>
        <translation>Si desea apoyar nuestro trabajo de programación, considere hacer un donativo.</translation>
    </message>
    <message>
        <source>Make Donation</source>
        <translation>Hacer un donativo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>zentolk::TPicturePane</name>
    <message>
        <source>Long Count picture</source>
        <translation>Imagen de la cuenta larga</translation>
    </message>
    <message>
        <source>Calendar Round picture</source>
        <translation>Imagen de la rueda calendárica</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the Long Count picture</source>
        <translation>Copiar la imagen de la cuenta larga</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>Save the Long Count picture</source>
        <translation>Guardar la imagen de la cuenta larga</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>Copy the Calendar Round picture</source>
        <translation>Copiar la imagen de la rueda calendárica</translation>
    </message>
    <message>
        <source>Sa&amp;ve as...</source>
        <translation>G&amp;uardar como...</translation>
    </message>
    <message>
        <source>Save the Calendar Round picture</source>
        <translation>Guardar la imagen de la rueda calendárica</translation>
    </message>
    <message>
        <source>The clipboard cannot be opened, so the picture was not copied</source>
        <translation>No se puede abrir el portapapeles; la imagen no se copió</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1</source>
        <translation>No se pudo guardar la imagen como %1</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>zentolk::TPictureView</name>
    <message>
        <source>long-count %1</source>
        <translation>cuenta-larga %1</translation>
    </message>
    <message>
        <source>calendar-round %1</source>
        <translation>rueda-calendarica %1</translation>
    </message>
    <message>
        <source>No day is shown.</source>
        <translation>No se muestra ningún día.</translation>
    </message>
</context>
<context>
    <name>zentolk::TTimerSpeedButton</name>
    <message>
        <source>Not enough timers available</source>
        <translation>No hay temporizadores suficientes</translation>
    </message>
</context>
<context>
    <name>zentolk::viewer::HelpBrowser</name>
    <message>
        <source>Page not found</source>
        <translation>Página no encontrada</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <translation>La página «%1» no está en el archivo de ayuda «%2».</translation>
    </message>
    <message>
        <source>Help cannot be shown</source>
        <translation>No se puede mostrar la ayuda</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be read. It may be damaged or incomplete.</source>
        <translation>No se puede leer el archivo de ayuda «%1». Puede estar dañado o incompleto.</translation>
    </message>
    <message>
        <source>Page cannot be shown</source>
        <translation>No se puede mostrar la página</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; of the help file &quot;%2&quot; is larger than %3 MiB, too large to be shown.</source>
        <translation>La página «%1» del archivo de ayuda «%2» ocupa más de %3 MiB, demasiado para mostrarla.</translation>
    </message>
</context>
<context>
    <name>zentolk::viewer::HelpWindow</name>
    <message>
        <source>%1 - Help</source>
        <translation>%1 - Ayuda</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Palabras que se buscan</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Pages found</source>
        <translation>Páginas encontradas</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <source>&amp;List Topics</source>
        <translation>&amp;Mostrar temas</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Type the keyword to find:</source>
        <translation>&amp;Escriba la palabra clave:</translation>
    </message>
    <message>
        <source>I&amp;ndex</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Type the &amp;words to search for:</source>
        <translation>Escriba las &amp;palabras que busca:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Help cannot be shown</source>
        <translation>No se puede mostrar la ayuda</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be found.</source>
        <translation>No se encuentra el archivo de ayuda «%1».</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be read. It may be damaged or incomplete.</source>
        <translation>No se puede leer el archivo de ayuda «%1». Puede estar dañado o incompleto.</translation>
    </message>
    <message>
        <source>No start page</source>
        <translation>Sin página inicial</translation>
    </message>
    <message>
        <source>This help file names no page to start with.</source>
        <translation>Este archivo de ayuda no indica ninguna página inicial.</translation>
    </message>
    <message>
        <source>Type a word to search for.</source>
        <translation>Escriba una palabra para buscar.</translation>
    </message>
    <message>
        <source>No page holds all of these words.</source>
        <translation>Ninguna página contiene todas estas palabras.</translation>
    </message>
    <message>
        <source>1 page found.</source>
        <translation>1 página encontrada.</translation>
    </message>
    <message>
        <source>%1 pages found.</source>
        <translation>%1 páginas encontradas.</translation>
    </message>
</context>
</TS>
