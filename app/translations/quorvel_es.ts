<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quorvel</source>
        <translation>Acerca de Quorvel</translation>
    </message>
    <message>
        <source>Do you like this freebie?</source>
        <translation>¿Le gusta este programa gratuito?</translation>
    </message>
    <message>
        <source>Please help us by clicking the like button:</source>
        <translation>Ayúdenos pulsando el botón «Me gusta»:</translation>
    </message>
    <message>
        <source>Like page</source>
        <translation>Página «Me gusta»</translation>
    </message>
    <message>
        <source>Holds the like button</source>
        <translation>Contiene el botón «Me gusta»</translation>
    </message>
    <message>
        <source>The boring stuff:</source>
        <translation>La letra pequeña:</translation>
    </message>
    <message>
        <source>Quorvel © 2026 The Quorvel Project. All rights reserved. Provided as is, without warranty of any kind.</source>
        <translation>Quorvel © 2026 The Quorvel Project. Todos los derechos reservados. Se ofrece tal cual, sin garantía de ningún tipo.</translation>
    </message>
    <message>
        <source>The most up to date version of the software can be found at:</source>
        <translation>La versión más reciente del programa está en:</translation>
    </message>
    <message>
        <source>Opens the product web page in the browser</source>
        <translation>Abre la página web del producto en el navegador</translation>
    </message>
    <message>
        <source>You can support the development of this tool by telling us you like it, linking to it on your blog or sending your comments to our website.</source>
        <translation>Puede apoyar el desarrollo de esta herramienta diciéndonos que le gusta, enlazándola en su blog o enviando sus comentarios a nuestro sitio web.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Thanks for liking!</source>
        <translation>¡Gracias por su «Me gusta»!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Amounts</source>
        <translation>Cantidades</translation>
    </message>
    <message>
        <source>Per 100 g</source>
        <translation>Por 100 g</translation>
    </message>
    <message>
        <source>Per portion</source>
        <translation>Por ración</translation>
    </message>
    <message>
        <source>Per 100 kcal</source>
        <translation>Por 100 kcal</translation>
    </message>
    <message>
        <source>No daily values</source>
        <translation>Sin valores diarios</translation>
    </message>
    <message>
        <source>% of US daily values</source>
        <translation>% de los valores diarios de EE. UU.</translation>
    </message>
    <message>
        <source>% of EU reference intakes</source>
        <translation>% de las ingestas de referencia de la UE</translation>
    </message>
    <message>
        <source>Portion</source>
        <translation>Ración</translation>
    </message>
    <message>
        <source>Portion of %1</source>
        <translation>Ración de %1</translation>
    </message>
    <message>
        <source>Please remove some fruits from comparison before adding any more</source>
        <translation>Quite algunas frutas de la comparación antes de añadir más</translation>
    </message>
    <message>
        <source>Comparison Report</source>
        <translation>Informe comparativo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Fruits</source>
        <translation>Frutas</translation>
    </message>
    <message>
        <source>The fruit to add to the comparison</source>
        <translation>La fruta que se añade a la comparación</translation>
    </message>
    <message>
        <source>Add to comparison</source>
        <translation>Añadir a la comparación</translation>
    </message>
    <message>
        <source>Adds the fruit selected in the list to the comparison</source>
        <translation>Añade a la comparación la fruta seleccionada en la lista</translation>
    </message>
    <message>
        <source>Fruits in comparison</source>
        <translation>Frutas en la comparación</translation>
    </message>
    <message>
        <source>Choose a compared fruit to see its report</source>
        <translation>Elija una fruta comparada para ver su informe</translation>
    </message>
    <message>
        <source>Remove from comparison</source>
        <translation>Quitar de la comparación</translation>
    </message>
    <message>
        <source>Removes the fruit chosen in the drop-down from the comparison</source>
        <translation>Quita de la comparación la fruta elegida en la lista desplegable</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Product web page</source>
        <translation>Página web del producto</translation>
    </message>
    <message>
        <source>Opens the product web page in the browser</source>
        <translation>Abre la página web del producto en el navegador</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Acerca de Quorvel</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Report tabs</source>
        <translation>Pestañas de informes</translation>
    </message>
    <message>
        <source>Fruit report</source>
        <translation>Informe de la fruta</translation>
    </message>
    <message>
        <source>Comparison report</source>
        <translation>Informe comparativo</translation>
    </message>
    <message>
        <source>Current Fruit</source>
        <translation>Fruta actual</translation>
    </message>
    <message>
        <source>Add to comparison &gt;&gt;</source>
        <translation>Añadir &gt;&gt;</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Export comparison as CSV...</source>
        <translation>Exportar la comparación como CSV...</translation>
    </message>
    <message>
        <source>Rank fruits...</source>
        <translation>Clasificar frutas...</translation>
    </message>
    <message>
        <source>Ranking - </source>
        <translation>Clasificación - </translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>Find a fruit</source>
        <translation>Buscar una fruta</translation>
    </message>
    <message>
        <source>Lists only the fruits whose names hold the text</source>
        <translation>Muestra solo las frutas cuyo nombre contiene el texto</translation>
    </message>
</context>
<context>
    <name>RankingWindow</name>
    <message>
        <source>Rank fruits</source>
        <translation>Clasificar frutas</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Cantidad:</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>The amount the fruits are ranked by</source>
        <translation>La cantidad por la que se ordenan las frutas</translation>
    </message>
    <message>
        <source>Ranking</source>
        <translation>Clasificación</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>No se pudo imprimir el informe en «%1».</translation>
    </message>
    <message>
        <source>the report could not be made into a PDF</source>
        <translation>no se pudo convertir el informe en PDF</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Guardar el informe como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Comparison as CSV</source>
        <translation>Exportar la comparación como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be saved: %2</source>
        <translation>No se pudo guardar el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>there is a folder of that name</source>
        <translation>hay una carpeta con ese nombre</translation>
    </message>
</context>
</TS>
