<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>RefusalMark</name>
    <message>
        <source>The panes show no number yet.</source>
        <translation>Los paneles aún no muestran ningún número.</translation>
    </message>
    <message>
        <source>The panes still show %1.</source>
        <translation>Los paneles siguen mostrando %1.</translation>
    </message>
    <message>
        <source>A whole number of up to 15 digits. %1 %2</source>
        <comment>%1 says why the text was not taken, %2 what the panes show</comment>
        <translation>Un número entero de hasta 15 cifras. %1 %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>The prime factorization of %1 is %1.</source>
        <comment>%1 is a prime number</comment>
        <translation>La descomposición en factores primos de %1 es %1.</translation>
    </message>
    <message>
        <source>x</source>
        <comment>the multiplication sign between factors, as in 2 x 3</comment>
        <translation>·</translation>
    </message>
    <message>
        <source>The prime factorization of %1 is</source>
        <comment>followed by a line break and %1 = 2 x 2 x ...</comment>
        <translation>La descomposición en factores primos de %1 es:</translation>
    </message>
    <message>
        <source>or</source>
        <comment>between the product and the same as powers</comment>
        <translation>o</translation>
    </message>
    <message>
        <source>Upside-down division :</source>
        <comment>heading of the table that divides by each prime factor in turn</comment>
        <translation>Divisiones sucesivas:</translation>
    </message>
    <message>
        <source>This number is neither prime nor composite</source>
        <translation>Este número no es ni primo ni compuesto</translation>
    </message>
    <message>
        <source>To prime factor a number, begin dividing by the smallest possible prime and continue until the quotient is a prime number.</source>
        <translation>Para descomponer un número en factores primos, se empieza dividiendo entre el menor número primo posible y se continúa hasta que el cociente sea un número primo.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>%1 version %2</source>
        <translation>%1 versión %2</translation>
    </message>
    <message>
        <source>Kestrelon teaches prime factorization: it splits a whole number into its prime factors, draws the factor tree and shows the working step by step.</source>
        <translation>Kestrelon enseña a descomponer un número entero en factores primos: dibuja el árbol de factores y muestra el procedimiento paso a paso.</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Software libre con licencia MIT.</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <comment>%1 is the year, %2 who holds the copyright</comment>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Kestrelon</source>
        <translation>Acerca de Kestrelon</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>%1, neither prime nor composite, the root of the factor tree</source>
        <translation>%1, ni primo ni compuesto, la raíz del árbol de factores</translation>
    </message>
    <message>
        <source>%1, prime, the root of the factor tree</source>
        <translation>%1, primo, la raíz del árbol de factores</translation>
    </message>
    <message>
        <source>%1, composite, the root of the factor tree</source>
        <translation>%1, compuesto, la raíz del árbol de factores</translation>
    </message>
    <message>
        <source>%1, neither prime nor composite, the number being factored</source>
        <translation>%1, ni primo ni compuesto, el número que se descompone</translation>
    </message>
    <message>
        <source>%1, prime, the number being factored</source>
        <translation>%1, primo, el número que se descompone</translation>
    </message>
    <message>
        <source>%1, composite, the number being factored</source>
        <translation>%1, compuesto, el número que se descompone</translation>
    </message>
    <message>
        <source>%1, prime, a factor of %2</source>
        <translation>%1, primo, un divisor de %2</translation>
    </message>
    <message>
        <source>%1, composite, a factor of %2</source>
        <translation>%1, compuesto, un divisor de %2</translation>
    </message>
    <message>
        <source>A whole number of up to 15 digits</source>
        <translation>Un número entero de hasta 15 cifras</translation>
    </message>
    <message>
        <source>Number entry</source>
        <translation>Entrada del número</translation>
    </message>
    <message>
        <source>Interactive factor tree</source>
        <translation>Árbol de factores interactivo</translation>
    </message>
    <message>
        <source>Read-only factor tree</source>
        <translation>Árbol de factores de solo lectura</translation>
    </message>
    <message>
        <source>Scroll the interactive factor tree left and right</source>
        <translation>Desplazar el árbol de factores interactivo a izquierda y derecha</translation>
    </message>
    <message>
        <source>Scroll the read-only factor tree left and right</source>
        <translation>Desplazar el árbol de factores de solo lectura a izquierda y derecha</translation>
    </message>
    <message>
        <source>Scroll the interactive factor tree up and down</source>
        <translation>Desplazar el árbol de factores interactivo arriba y abajo</translation>
    </message>
    <message>
        <source>Scroll the read-only factor tree up and down</source>
        <translation>Desplazar el árbol de factores de solo lectura arriba y abajo</translation>
    </message>
    <message>
        <source>Corner of the interactive factor tree</source>
        <translation>Esquina del árbol de factores interactivo</translation>
    </message>
    <message>
        <source>Corner of the read-only factor tree</source>
        <translation>Esquina del árbol de factores de solo lectura</translation>
    </message>
    <message>
        <source>Drag it, or use the arrow keys, to scroll</source>
        <translation>Arrástrelo, o use las teclas de flecha, para desplazarlo</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Procedimiento</translation>
    </message>
    <message>
        <source>The prime factorization worked step by step</source>
        <translation>La descomposición en factores primos, paso a paso</translation>
    </message>
    <message>
        <source>Hide interactive factor tree</source>
        <translation>Ocultar el árbol de factores interactivo</translation>
    </message>
    <message>
        <source>Hide read-only factor tree</source>
        <translation>Ocultar el árbol de factores de solo lectura</translation>
    </message>
    <message>
        <source>Hide report</source>
        <translation>Ocultar el procedimiento</translation>
    </message>
    <message>
        <source>Show interactive factor tree</source>
        <translation>Mostrar el árbol de factores interactivo</translation>
    </message>
    <message>
        <source>Show read-only factor tree</source>
        <translation>Mostrar el árbol de factores de solo lectura</translation>
    </message>
    <message>
        <source>Show report</source>
        <translation>Mostrar el procedimiento</translation>
    </message>
    <message>
        <source>Number being factored</source>
        <translation>Número que se descompone</translation>
    </message>
    <message>
        <source>the root of the interactive factor tree</source>
        <translation>la raíz del árbol de factores interactivo</translation>
    </message>
    <message>
        <source>the root of the read-only factor tree</source>
        <translation>la raíz del árbol de factores de solo lectura</translation>
    </message>
    <message>
        <source>level %1 of the interactive factor tree; its list holds the ways to split %2</source>
        <translation>nivel %1 del árbol de factores interactivo; su lista contiene las formas de descomponer %2</translation>
    </message>
    <message>
        <source>level %1 of the read-only factor tree</source>
        <translation>nivel %1 del árbol de factores de solo lectura</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a node&apos;s name, then where it is in the tree</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Enter an integer to find its prime factors  : </source>
        <translation>Escriba un entero para descomponer: </translation>
    </message>
    <message>
        <source>The pasted text is longer and was not taken.</source>
        <translation>El texto pegado es más largo y no se ha aceptado.</translation>
    </message>
    <message>
        <source>The box is empty.</source>
        <translation>El cuadro está vacío.</translation>
    </message>
    <message>
        <source>This text is not one.</source>
        <comment>not a whole number</comment>
        <translation>Este texto no es un número entero.</translation>
    </message>
    <message>
        <source>The report cannot be shown.</source>
        <translation>No se puede mostrar el procedimiento.</translation>
    </message>
    <message>
        <source>Kestrelon (Prime Factorization)</source>
        <translation>Kestrelon (Factores primos)</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Lay both factor trees out as narrow as their leaves allow</source>
        <translation>Disponer ambos árboles de factores tan estrechos como lo permitan sus hojas</translation>
    </message>
    <message>
        <source>Factor tree</source>
        <translation>Árbol de factores</translation>
    </message>
    <message>
        <source>Put the whole factor tree on the clipboard as a picture</source>
        <translation>Copiar todo el árbol de factores al portapapeles como imagen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Compact Trees</source>
        <translation>Árboles &amp;compactos</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Árbol</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copiar &amp;imagen</translation>
    </message>
</context>
</TS>
