<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>RefusalMark</name>
    <message>
        <source>The panes show no number yet.</source>
        <translation>Les volets n&apos;affichent encore aucun nombre.</translation>
    </message>
    <message>
        <source>The panes still show %1.</source>
        <translation>Les volets affichent toujours %1.</translation>
    </message>
    <message>
        <source>A whole number of up to 15 digits. %1 %2</source>
        <comment>%1 says why the text was not taken, %2 what the panes show</comment>
        <translation>Un nombre entier de 15 chiffres au plus. %1 %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>The prime factorization of %1 is %1.</source>
        <comment>%1 is a prime number</comment>
        <translation>La décomposition en facteurs premiers de %1 est %1.</translation>
    </message>
    <message>
        <source>x</source>
        <comment>the multiplication sign between factors, as in 2 x 3</comment>
        <translation>×</translation>
    </message>
    <message>
        <source>The prime factorization of %1 is</source>
        <comment>followed by a line break and %1 = 2 x 2 x ...</comment>
        <translation>La décomposition en facteurs premiers de %1 est&#xa0;:</translation>
    </message>
    <message>
        <source>or</source>
        <comment>between the product and the same as powers</comment>
        <translation>ou</translation>
    </message>
    <message>
        <source>Upside-down division :</source>
        <comment>heading of the table that divides by each prime factor in turn</comment>
        <translation>Divisions successives&#xa0;:</translation>
    </message>
    <message>
        <source>This number is neither prime nor composite</source>
        <translation>Ce nombre n&apos;est ni premier ni composé</translation>
    </message>
    <message>
        <source>To prime factor a number, begin dividing by the smallest possible prime and continue until the quotient is a prime number.</source>
        <translation>Pour décomposer un nombre en produit de facteurs premiers, on commence par le diviser par le plus petit nombre premier possible et on continue jusqu&apos;à ce que le quotient soit un nombre premier.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>%1 version %2</source>
        <translation>%1 version %2</translation>
    </message>
    <message>
        <source>Kestrelon teaches prime factorization: it splits a whole number into its prime factors, draws the factor tree and shows the working step by step.</source>
        <translation>Kestrelon apprend à décomposer un nombre entier en produit de facteurs premiers&#xa0;: il dessine l&apos;arbre de facteurs et montre la démarche étape par étape.</translation>
    </message>
    <message>
        <source>Free software under the MIT licence.</source>
        <translation>Logiciel libre sous licence MIT.</translation>
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
        <translation>À propos de Kestrelon</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>%1, neither prime nor composite, the root of the factor tree</source>
        <translation>%1, ni premier ni composé, la racine de l&apos;arbre de facteurs</translation>
    </message>
    <message>
        <source>%1, prime, the root of the factor tree</source>
        <translation>%1, premier, la racine de l&apos;arbre de facteurs</translation>
    </message>
    <message>
        <source>%1, composite, the root of the factor tree</source>
        <translation>%1, composé, la racine de l&apos;arbre de facteurs</translation>
    </message>
    <message>
        <source>%1, neither prime nor composite, the number being factored</source>
        <translation>%1, ni premier ni composé, le nombre à décomposer</translation>
    </message>
    <message>
        <source>%1, prime, the number being factored</source>
        <translation>%1, premier, le nombre à décomposer</translation>
    </message>
    <message>
        <source>%1, composite, the number being factored</source>
        <translation>%1, composé, le nombre à décomposer</translation>
    </message>
    <message>
        <source>%1, prime, a factor of %2</source>
        <translation>%1, premier, un diviseur de %2</translation>
    </message>
    <message>
        <source>%1, composite, a factor of %2</source>
        <translation>%1, composé, un diviseur de %2</translation>
    </message>
    <message>
        <source>A whole number of up to 15 digits</source>
        <translation>Un nombre entier de 15 chiffres au plus</translation>
    </message>
    <message>
        <source>Number entry</source>
        <translation>Saisie du nombre</translation>
    </message>
    <message>
        <source>Interactive factor tree</source>
        <translation>Arbre de facteurs interactif</translation>
    </message>
    <message>
        <source>Read-only factor tree</source>
        <translation>Arbre de facteurs en lecture seule</translation>
    </message>
    <message>
        <source>Scroll the interactive factor tree left and right</source>
        <translation>Faire défiler l&apos;arbre de facteurs interactif vers la gauche ou la droite</translation>
    </message>
    <message>
        <source>Scroll the read-only factor tree left and right</source>
        <translation>Faire défiler l&apos;arbre de facteurs en lecture seule vers la gauche ou la droite</translation>
    </message>
    <message>
        <source>Scroll the interactive factor tree up and down</source>
        <translation>Faire défiler l&apos;arbre de facteurs interactif vers le haut ou le bas</translation>
    </message>
    <message>
        <source>Scroll the read-only factor tree up and down</source>
        <translation>Faire défiler l&apos;arbre de facteurs en lecture seule vers le haut ou le bas</translation>
    </message>
    <message>
        <source>Corner of the interactive factor tree</source>
        <translation>Coin de l&apos;arbre de facteurs interactif</translation>
    </message>
    <message>
        <source>Corner of the read-only factor tree</source>
        <translation>Coin de l&apos;arbre de facteurs en lecture seule</translation>
    </message>
    <message>
        <source>Drag it, or use the arrow keys, to scroll</source>
        <translation>Faites-le glisser, ou utilisez les touches fléchées, pour le faire défiler</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Démarche</translation>
    </message>
    <message>
        <source>The prime factorization worked step by step</source>
        <translation>La décomposition en facteurs premiers, étape par étape</translation>
    </message>
    <message>
        <source>Hide interactive factor tree</source>
        <translation>Masquer l&apos;arbre de facteurs interactif</translation>
    </message>
    <message>
        <source>Hide read-only factor tree</source>
        <translation>Masquer l&apos;arbre de facteurs en lecture seule</translation>
    </message>
    <message>
        <source>Hide report</source>
        <translation>Masquer la démarche</translation>
    </message>
    <message>
        <source>Show interactive factor tree</source>
        <translation>Afficher l&apos;arbre de facteurs interactif</translation>
    </message>
    <message>
        <source>Show read-only factor tree</source>
        <translation>Afficher l&apos;arbre de facteurs en lecture seule</translation>
    </message>
    <message>
        <source>Show report</source>
        <translation>Afficher la démarche</translation>
    </message>
    <message>
        <source>Number being factored</source>
        <translation>Nombre à décomposer</translation>
    </message>
    <message>
        <source>the root of the interactive factor tree</source>
        <translation>la racine de l&apos;arbre de facteurs interactif</translation>
    </message>
    <message>
        <source>the root of the read-only factor tree</source>
        <translation>la racine de l&apos;arbre de facteurs en lecture seule</translation>
    </message>
    <message>
        <source>level %1 of the interactive factor tree; its list holds the ways to split %2</source>
        <translation>niveau %1 de l&apos;arbre de facteurs interactif&#x202f;; sa liste contient les façons de décomposer %2</translation>
    </message>
    <message>
        <source>level %1 of the read-only factor tree</source>
        <translation>niveau %1 de l&apos;arbre de facteurs en lecture seule</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>a node&apos;s name, then where it is in the tree</comment>
        <translation>%1&#x202f;; %2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Enter an integer to find its prime factors  : </source>
        <translation>Entrez un entier à décomposer&#xa0;: </translation>
    </message>
    <message>
        <source>The pasted text is longer and was not taken.</source>
        <translation>Le texte collé est plus long et n&apos;a pas été pris.</translation>
    </message>
    <message>
        <source>The box is empty.</source>
        <translation>La case est vide.</translation>
    </message>
    <message>
        <source>This text is not one.</source>
        <comment>not a whole number</comment>
        <translation>Ce texte n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>The report cannot be shown.</source>
        <translation>La démarche ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>Kestrelon (Prime Factorization)</source>
        <translation>Kestrelon (Facteurs premiers)</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Lay both factor trees out as narrow as their leaves allow</source>
        <translation>Disposer les deux arbres de facteurs aussi étroits que leurs feuilles le permettent</translation>
    </message>
    <message>
        <source>Factor tree</source>
        <translation>Arbre de facteurs</translation>
    </message>
    <message>
        <source>Put the whole factor tree on the clipboard as a picture</source>
        <translation>Copier l'arbre de facteurs entier dans le presse-papiers, comme image</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Compact Trees</source>
        <translation>Arbres &amp;compacts</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Arbre</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copier l'&amp;image</translation>
    </message>
</context>
</TS>
