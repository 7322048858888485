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
    <name>zentolk::TDayPage</name>
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
        <source>A.D.</source>
        <translation>d.C.</translation>
    </message>
    <message>
        <source>B.C.</source>
        <translation>a.C.</translation>
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
        <translation>Cuenta Larga:</translation>
    </message>
    <message>
        <source>[Baktun].[Katun].[Tun].[Uinal].[Kin]</source>
        <translation>[Baktún].[Katún].[Tun].[Uinal].[Kin]</translation>
    </message>
    <message>
        <source>Elapsed Kin:</source>
        <translation>Kin transcurridos:</translation>
    </message>
    <message>
        <source>Elapsed days from start of Cycle.</source>
        <translation>Días transcurridos desde el inicio del Ciclo.</translation>
    </message>
    <message>
        <source>Remaining Kin:</source>
        <translation>Kin restantes:</translation>
    </message>
    <message>
        <source>Days to End of Cycle.</source>
        <translation>Días hasta el final del Ciclo.</translation>
    </message>
    <message>
        <source>Cycle Harmonic:</source>
        <translation>Armónico del ciclo:</translation>
    </message>
    <message>
        <source>Fraction of 1,872,000 Kin Cycle</source>
        <translation>Fracción del Ciclo de 1,872,000 kin</translation>
    </message>
    <message>
        <source> Historical Long Count </source>
        <translation> Cuenta Larga histórica </translation>
    </message>
    <message>
        <source> Day </source>
        <translation> Día </translation>
    </message>
    <message>
        <source>Tzolkin Day:</source>
        <translation>Día tzolkin:</translation>
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
        <translation>Cuenta Larga</translation>
    </message>
    <message>
        <source>Elapsed Kin</source>
        <translation>Kin transcurridos</translation>
    </message>
    <message>
        <source>Elapsed Kin share</source>
        <translation>Porcentaje de kin transcurridos</translation>
    </message>
    <message>
        <source>Remaining Kin</source>
        <translation>Kin restantes</translation>
    </message>
    <message>
        <source>Remaining Kin share</source>
        <translation>Porcentaje de kin restantes</translation>
    </message>
    <message>
        <source>Cycle Harmonic</source>
        <translation>Armónico del ciclo</translation>
    </message>
    <message>
        <source>Historical Long Count</source>
        <translation>Cuenta Larga histórica</translation>
    </message>
    <message>
        <source>Tzolkin Day</source>
        <translation>Día tzolkin</translation>
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
        <translation>Cuenta Larga %1</translation>
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
