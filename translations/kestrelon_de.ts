<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>RefusalMark</name>
    <message>
        <source>The panes show no number yet.</source>
        <translation>Die Bereiche zeigen noch keine Zahl.</translation>
    </message>
    <message>
        <source>The panes still show %1.</source>
        <translation>Die Bereiche zeigen weiter %1.</translation>
    </message>
    <message>
        <source>A whole number of up to 15 digits. %1 %2</source>
        <comment>%1 says why the text was not taken, %2 what the panes show</comment>
        <translation>Eine ganze Zahl mit höchstens 15 Ziffern. %1 %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>The prime factorization of %1 is %1.</source>
        <comment>%1 is a prime number</comment>
        <translation>Die Primfaktorzerlegung von %1 lautet %1.</translation>
    </message>
    <message>
        <source>x</source>
        <comment>the multiplication sign between factors, as in 2 x 3</comment>
        <translation>·</translation>
    </message>
    <message>
        <source>The prime factorization of %1 is</source>
        <comment>followed by a line break and %1 = 2 x 2 x ...</comment>
        <translation>Die Primfaktorzerlegung von %1 lautet:</translation>
    </message>
    <message>
        <source>or</source>
        <comment>between the product and the same as powers</comment>
        <translation>oder</translation>
    </message>
    <message>
        <source>Upside-down division :</source>
        <comment>heading of the table that divides by each prime factor in turn</comment>
        <translation>Fortgesetztes Teilen:</translation>
    </message>
    <message>
        <source>This number is neither prime nor composite</source>
        <translation>Diese Zahl ist weder eine Primzahl noch eine zusammengesetzte Zahl</translation>
    </message>
    <message>
        <source>To prime factor a number, begin dividing by the smallest possible prime and continue until the quotient is a prime number.</source>
        <translation>Um eine Zahl in Primfaktoren zu zerlegen, teilt man sie zuerst durch die kleinstmögliche Primzahl und teilt so lange weiter, bis der Quotient eine Primzahl ist.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>%1 version %2</source>
        <translation>%1 Version %2</translation>
    </message>
    <message>
        <source>Kestrelon teaches prime factorization: it splits a whole number into its prime factors, draws the factor tree and shows the working step by step.</source>
        <translation>Mit Kestrelon lernt man die Primfaktorzerlegung: Das Programm zerlegt eine ganze Zahl in ihre Primfaktoren, zeichnet den Faktorbaum und zeigt den Rechenweg Schritt für Schritt.</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <comment>%1 is the year, %2 who holds the copyright</comment>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Kestrelon</source>
        <translation>Über Kestrelon</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>%1, neither prime nor composite, the root of the factor tree</source>
        <translation>%1, weder Primzahl noch zusammengesetzt, die Wurzel des Faktorbaums</translation>
    </message>
    <message>
        <source>%1, prime, the root of the factor tree</source>
        <translation>%1, Primzahl, die Wurzel des Faktorbaums</translation>
    </message>
    <message>
        <source>%1, composite, the root of the factor tree</source>
        <translation>%1, zusammengesetzte Zahl, die Wurzel des Faktorbaums</translation>
    </message>
    <message>
        <source>%1, neither prime nor composite, the number being factored</source>
        <translation>%1, weder Primzahl noch zusammengesetzt, die zu zerlegende Zahl</translation>
    </message>
    <message>
        <source>%1, prime, the number being factored</source>
        <translation>%1, Primzahl, die zu zerlegende Zahl</translation>
    </message>
    <message>
        <source>%1, composite, the number being factored</source>
        <translation>%1, zusammengesetzte Zahl, die zu zerlegende Zahl</translation>
    </message>
    <message>
        <source>%1, prime, a factor of %2</source>
        <translation>%1, Primzahl, ein Teiler von %2</translation>
    </message>
    <message>
        <source>%1, composite, a factor of %2</source>
        <translation>%1, zusammengesetzte Zahl, ein Teiler von %2</translation>
    </message>
    <message>
        <source>A whole number of up to 15 digits</source>
        <translation>Eine ganze Zahl mit höchstens 15 Ziffern</translation>
    </message>
    <message>
        <source>Number entry</source>
        <translation>Zahleneingabe</translation>
    </message>
    <message>
        <source>Interactive factor tree</source>
        <translation>Interaktiver Faktorbaum</translation>
    </message>
    <message>
        <source>Read-only factor tree</source>
        <translation>Schreibgeschützter Faktorbaum</translation>
    </message>
    <message>
        <source>Scroll the interactive factor tree left and right</source>
        <translation>Interaktiven Faktorbaum nach links und rechts scrollen</translation>
    </message>
    <message>
        <source>Scroll the read-only factor tree left and right</source>
        <translation>Schreibgeschützten Faktorbaum nach links und rechts scrollen</translation>
    </message>
    <message>
        <source>Scroll the interactive factor tree up and down</source>
        <translation>Interaktiven Faktorbaum nach oben und unten scrollen</translation>
    </message>
    <message>
        <source>Scroll the read-only factor tree up and down</source>
        <translation>Schreibgeschützten Faktorbaum nach oben und unten scrollen</translation>
    </message>
    <message>
        <source>Corner of the interactive factor tree</source>
        <translation>Ecke des interaktiven Faktorbaums</translation>
    </message>
    <message>
        <source>Corner of the read-only factor tree</source>
        <translation>Ecke des schreibgeschützten Faktorbaums</translation>
    </message>
    <message>
        <source>Drag it, or use the arrow keys, to scroll</source>
        <translation>Zum Scrollen ziehen oder die Pfeiltasten verwenden</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>The prime factorization worked step by step</source>
        <translation>Die Primfaktorzerlegung, Schritt für Schritt gerechnet</translation>
    </message>
    <message>
        <source>Hide interactive factor tree</source>
        <translation>Interaktiven Faktorbaum ausblenden</translation>
    </message>
    <message>
        <source>Hide read-only factor tree</source>
        <translation>Schreibgeschützten Faktorbaum ausblenden</translation>
    </message>
    <message>
        <source>Hide report</source>
        <translation>Rechenweg ausblenden</translation>
    </message>
    <message>
        <source>Show interactive factor tree</source>
        <translation>Interaktiven Faktorbaum einblenden</translation>
    </message>
    <message>
        <source>Show read-only factor tree</source>
        <translation>Schreibgeschützten Faktorbaum einblenden</translation>
    </message>
    <message>
        <source>Show report</source>
        <translation>Rechenweg einblenden</translation>
    </message>
    <message>
        <source>Number being factored</source>
        <translation>Zu zerlegende Zahl</translation>
    </message>
    <message>
        <source>the root of the interactive factor tree</source>
        <translation>die Wurzel des interaktiven Faktorbaums</translation>
    </message>
    <message>
        <source>the root of the read-only factor tree</source>
        <translation>die Wurzel des schreibgeschützten Faktorbaums</translation>
    </message>
    <message>
        <source>level %1 of the interactive factor tree; its list holds the ways to split %2</source>
        <translation>Ebene %1 des interaktiven Faktorbaums; seine Liste enthält die Zerlegungen von %2</translation>
    </message>
    <message>
        <source>level %1 of the read-only factor tree</source>
        <translation>Ebene %1 des schreibgeschützten Faktorbaums</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a node&apos;s name, then where it is in the tree</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Enter an integer to find its prime factors  : </source>
        <translation>Ganze Zahl in Primfaktoren zerlegen: </translation>
    </message>
    <message>
        <source>The pasted text is longer and was not taken.</source>
        <translation>Der eingefügte Text ist länger und wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>The box is empty.</source>
        <translation>Das Feld ist leer.</translation>
    </message>
    <message>
        <source>This text is not one.</source>
        <comment>not a whole number</comment>
        <translation>Dieser Text ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>The report cannot be shown.</source>
        <translation>Der Rechenweg kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Kestrelon (Prime Factorization)</source>
        <translation>Kestrelon (Primfaktorzerlegung)</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Lay both factor trees out as narrow as their leaves allow</source>
        <translation>Beide Faktorbäume so schmal anordnen, wie ihre Blätter es erlauben</translation>
    </message>
    <message>
        <source>Factor tree</source>
        <translation>Faktorbaum</translation>
    </message>
    <message>
        <source>Put the whole factor tree on the clipboard as a picture</source>
        <translation>Den ganzen Faktorbaum als Bild in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Compact Trees</source>
        <translation>&amp;Kompakte Bäume</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Baum</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>&amp;Bild kopieren</translation>
    </message>
</context>
</TS>
