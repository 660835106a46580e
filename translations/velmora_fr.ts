<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>I really hope you don&apos;t need help with this simple program, but if you do here is how to use it:</source>
        <translation>J’espère que tu n’as pas besoin d’aide pour si peu, mais si c’est le cas, voici comment faire&#xa0;:</translation>
    </message>
    <message>
        <source>1- Fill in all the neccecerry Information</source>
        <translation>1- Remplis toutes les infos nécessaires</translation>
    </message>
    <message>
        <source>2- Press the &quot;TELL ME NOW&quot; button</source>
        <translation>2- Appuie sur «&#xa0;DIS-LE-MOI MAINTENANT&#xa0;»</translation>
    </message>
    <message>
        <source>3- Repeat as neccecerry.</source>
        <translation>3- Recommence si nécessaire.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>To begin, click next.</source>
        <translation>Clique sur Suivant.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>Phase2</name>
    <message>
        <source>This will uninstall all of my software that may be installed on your system, it will delete any trace of it, it will be as if it never existed.</source>
        <translation>Ceci va désinstaller tous mes logiciels installés sur ton système et en effacer toute trace, comme s’ils n’avaient jamais existé.</translation>
    </message>
    <message>
        <source>Are you absolutly sure?</source>
        <translation>Tu es absolument sûr&#xa0;?</translation>
    </message>
    <message>
        <source>NO! Your programs are great and I want to keep them all</source>
        <translation>NON&#xa0;! Tes programmes sont géniaux et je veux tous les garder</translation>
    </message>
    <message>
        <source>YES! get your crap off of my computer</source>
        <translation>OUI&#xa0;! Vire tes cochonneries de mon ordinateur</translation>
    </message>
</context>
<context>
    <name>Velmo</name>
    <message>
        <source>Where and when is the event?</source>
        <translation>Où et quand a lieu l’événement&#xa0;?</translation>
    </message>
    <message>
        <source>I will tell you what you probably already know!</source>
        <translation>Je vais te dire ce que tu sais sûrement déjà&#xa0;!</translation>
    </message>
    <message>
        <source>The current time</source>
        <translation>L’heure actuelle</translation>
    </message>
    <message>
        <source>CALCULATING CURRENT TIME, PLEASE WAIT.</source>
        <translation>CALCUL DE L’HEURE ACTUELLE, PATIENCE.</translation>
    </message>
    <message>
        <source>What is it you are going to?</source>
        <translation>C’est quoi, l’événement&#xa0;?</translation>
    </message>
    <message>
        <source>Where is it?</source>
        <translation>C’est où&#xa0;?</translation>
    </message>
    <message>
        <source>What Month is it?</source>
        <translation>C’est quel mois&#xa0;?</translation>
    </message>
    <message>
        <source>What day is it?</source>
        <translation>C’est quel jour&#xa0;?</translation>
    </message>
    <message>
        <source>What time is it supposed to start?</source>
        <translation>Ça commence à quelle heure&#xa0;?</translation>
    </message>
    <message>
        <source>What time is it supposed to start? Hour</source>
        <translation>Ça commence à quelle heure&#xa0;? Heure</translation>
    </message>
    <message>
        <source>What time is it supposed to start? Minute</source>
        <translation>Ça commence à quelle heure&#xa0;? Minute</translation>
    </message>
    <message>
        <source>TELL ME NOW!</source>
        <translation>DIS-LE-MOI MAINTENANT&#xa0;!</translation>
    </message>
    <message>
        <source>How long until the event</source>
        <translation>Combien de temps avant l’événement</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Heure actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>Month (Name)</source>
        <translation>Mois (nom)</translation>
    </message>
    <message>
        <source>Minute (with &quot;0&quot;)</source>
        <translation>Minute (avec 0)</translation>
    </message>
    <message>
        <source>Days in This Month</source>
        <translation>Jours dans ce mois</translation>
    </message>
    <message>
        <source>^^ Current hour in AM/PM format.</source>
        <translation>^^ Heure actuelle (AM/PM).</translation>
    </message>
    <message>
        <source>Month is in</source>
        <translation>Mois choisi</translation>
    </message>
    <message>
        <source>Months Until</source>
        <translation>Mois avant</translation>
    </message>
    <message>
        <source>Days Until</source>
        <translation>Jours avant</translation>
    </message>
    <message>
        <source>Hours Until</source>
        <translation>Heures avant</translation>
    </message>
    <message>
        <source>Minutes Until</source>
        <translation>Minutes avant</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>The current time is: %1, %2 %3 at %4:%5 %6</source>
        <translation>Heure actuelle&#xa0;: %2 %1 %3 à %4:%5 %6</translation>
    </message>
    <message>
        <source>ERROR 001!   NO MONTH SPECIFIED!</source>
        <translation>ERREUR 001&#xa0;!   AUCUN MOIS INDIQUÉ&#xa0;!</translation>
    </message>
    <message>
        <source>you must enter a month.</source>
        <translation>Tu dois indiquer un mois.</translation>
    </message>
    <message>
        <source>ERROR 002!   NO DAY SPECIFIED!</source>
        <translation>ERREUR 002&#xa0;!   AUCUN JOUR INDIQUÉ&#xa0;!</translation>
    </message>
    <message>
        <source>you must enter a day.</source>
        <translation>Tu dois indiquer un jour.</translation>
    </message>
    <message>
        <source>ERROR 003!   NO HOUR SPECIFIED!</source>
        <translation>ERREUR 003&#xa0;!   AUCUNE HEURE INDIQUÉE&#xa0;!</translation>
    </message>
    <message>
        <source>you must enter an hour.</source>
        <translation>Tu dois indiquer une heure.</translation>
    </message>
    <message>
        <source>ERROR 004!   NO MINUTE SPECIFIED!</source>
        <translation>ERREUR 004&#xa0;!   AUCUNE MINUTE INDIQUÉE&#xa0;!</translation>
    </message>
    <message>
        <source>you must enter a minute.</source>
        <translation>Tu dois indiquer une minute.</translation>
    </message>
    <message>
        <source>The current time is not known yet. Please try again in a moment.</source>
        <translation>L’heure actuelle n’est pas encore connue. Réessaie dans un instant.</translation>
    </message>
    <message>
        <source>It is %1, %2, %3, and %4 until %5 at %6.</source>
        <translation>Il reste %1, %2, %3 et %4 avant %5 (%6).</translation>
    </message>
    <message numerus="yes">
        <source>%1 Months</source>
        <translation>
            <numerusform>%1 mois</numerusform>
            <numerusform>%1 mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Days</source>
        <translation>
            <numerusform>%1 jour</numerusform>
            <numerusform>%1 jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours</source>
        <translation>
            <numerusform>%1 heure</numerusform>
            <numerusform>%1 heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 minute</numerusform>
            <numerusform>%1 minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Velmora icon</source>
        <translation>Icône de Velmora</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;système</translation>
    </message>
    <message>
        <source>Velmora for Windows version 1.0         (Orvanta 3.0)                                        Made in 2012 by Dovrik Quenby                                           This was compiled at 6:00pm April 3, 2012</source>
        <translation>Velmora pour Windows version 1.0         (Orvanta 3.0)                                        Créé en 2012 par Dovrik Quenby                                           Compilé le 3 avril 2012 à 18 h 00</translation>
    </message>
    <message>
        <source>E-Mail Me! dovrik@example.com</source>
        <translation>Écris-moi&#xa0;! dovrik@example.com</translation>
    </message>
    <message>
        <source>Go to my website: www.example.com</source>
        <translation>Va sur mon site&#xa0;: www.example.com</translation>
    </message>
    <message>
        <source>Warning: I am sure this has untold bugs, dont bother me with them, email me and get the source code and fix them yourself.</source>
        <translation>Attention&#xa0;: il y a sûrement plein de bugs, ne m’embête pas avec ça, écris-moi, prends le code source et corrige-les toi-même.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
</TS>
