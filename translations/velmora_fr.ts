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
    <message>
        <source>The folder of the program is not known.</source>
        <translation>Le dossier du programme est inconnu.</translation>
    </message>
    <message>
        <source>Sweepwright.cmd did not get going: %1 seconds after its start it was still in %2, which its first line names. Named without a command to run, %2 starts the script itself again and again, for ever. It has been stopped, and nothing has been removed. The first line must name the script&apos;s interpreter, such as #!/bin/sh.</source>
        <translation>Sweepwright.cmd n’a jamais vraiment démarré&#xa0;: %1 secondes après son lancement, il était toujours dans %2, le programme indiqué sur sa première ligne. Sans commande à exécuter, %2 relance sans fin le script lui-même. Le script a été arrêté et rien n’a été supprimé. La première ligne doit indiquer l’interpréteur du script, par exemple #!/bin/sh.</translation>
    </message>
    <message>
        <source>Sweepwright.cmd started, but failed at once: %1. It has most likely removed nothing.</source>
        <translation>Sweepwright.cmd a été lancé, mais a échoué aussitôt&#xa0;: %1. Il n’a très probablement rien supprimé.</translation>
    </message>
    <message>
        <source>%1

The system said:
%2</source>
        <translation>%1

Message du système&#xa0;:
%2</translation>
    </message>
    <message>
        <source>it was ended by signal %1 (%2)</source>
        <translation>il a été arrêté par le signal %1 (%2)</translation>
    </message>
    <message>
        <source>a program it needs could not be run (exit status 126)</source>
        <translation>un programme dont il a besoin n’a pas pu être exécuté (code de sortie 126)</translation>
    </message>
    <message>
        <source>a program or library it needs was not found (exit status 127)</source>
        <translation>un programme ou une bibliothèque dont il a besoin est introuvable (code de sortie 127)</translation>
    </message>
    <message>
        <source>it ended with exit status %1</source>
        <translation>il s’est terminé avec le code de sortie %1</translation>
    </message>
    <message>
        <source>Sweepwright.cmd could not be started. Nothing has been removed.</source>
        <translation>Sweepwright.cmd n’a pas pu être lancé. Rien n’a été supprimé.</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>The system does not tell where the program&apos;s executable lies (%1: %2).</source>
        <translation>Le système n’indique pas où se trouve le fichier exécutable du programme (%1&#xa0;: %2).</translation>
    </message>
    <message>
        <source>The system does not tell the full path of the program&apos;s executable.</source>
        <translation>Le système n’indique pas le chemin complet du fichier exécutable du programme.</translation>
    </message>
    <message>
        <source>The name of the program&apos;s folder is not valid text in this system&apos;s character encoding: %1
Give the folder a name of plain letters, and try again.</source>
        <translation>Le nom du dossier du programme n’est pas un texte valide dans le codage de caractères de ce système&#xa0;: %1
Donne au dossier un nom sans accents ni caractères spéciaux, puis réessaie.</translation>
    </message>
    <message>
        <source>The system did not tell where the program&apos;s executable lies.</source>
        <translation>Le système n’a pas indiqué où se trouve le fichier exécutable du programme.</translation>
    </message>
    <message>
        <source>The path of the program&apos;s executable is too long.</source>
        <translation>Le chemin du fichier exécutable du programme est trop long.</translation>
    </message>
</context>
<context>
    <name>RemovalReport</name>
    <message>
        <source>Velmora has not been removed: removing it needs an administrator&apos;s consent, and pkexec, which asks for it, is not installed.</source>
        <translation>Velmora n’a pas été supprimé&#xa0;: la suppression demande l’accord d’un administrateur, et pkexec, qui le demande, n’est pas installé.</translation>
    </message>
    <message>
        <source>Velmora has not been removed: the request for an administrator&apos;s password was cancelled. Start Sweepwright again to remove it.</source>
        <translation>Velmora n’a pas été supprimé&#xa0;: la demande du mot de passe administrateur a été annulée. Relance Sweepwright pour supprimer Velmora.</translation>
    </message>
    <message>
        <source>Velmora has not been removed: the removal was not authorised. Either no window to ask for an administrator&apos;s password could be shown (no authentication agent is running), or the password was not accepted.</source>
        <translation>Velmora n’a pas été supprimé&#xa0;: la suppression n’a pas été autorisée. Soit aucune fenêtre n’a pu s’afficher pour demander le mot de passe administrateur (aucun agent d’authentification n’est en cours d’exécution), soit le mot de passe n’a pas été accepté.</translation>
    </message>
    <message>
        <source>Velmora has not been removed: the package manager could not remove it. If another program is installing or removing software, wait until it has finished, then start Sweepwright again.</source>
        <translation>Velmora n’a pas été supprimé&#xa0;: le gestionnaire de paquets n’a pas pu le supprimer. Si un autre programme est en train d’installer ou de supprimer des logiciels, attends qu’il ait terminé, puis relance Sweepwright.</translation>
    </message>
    <message>
        <source>To remove Velmora yourself, open a terminal and enter:</source>
        <translation>Pour supprimer Velmora toi-même, ouvre un terminal et saisis&#xa0;:</translation>
    </message>
    <message>
        <source>Sweepwright.cmd ended without saying what went wrong, so Velmora may still be installed.</source>
        <translation>Sweepwright.cmd s’est arrêté sans dire ce qui n’allait pas. Velmora est donc peut-être encore installé.</translation>
    </message>
    <message>
        <source>The system said:</source>
        <translation>Message du système&#xa0;:</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erreur d’exécution &apos;%1&apos;&#xa0;:

%2</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
</context>
<context>
    <name>StartDiagnosis</name>
    <message>
        <source>No program was named.</source>
        <translation>Aucun programme n’a été indiqué.</translation>
    </message>
    <message>
        <source>The program&apos;s path holds a NUL character, which no path can hold, so it names no program that could be started.</source>
        <translation>Le chemin du programme contient un caractère NUL, qu’aucun chemin ne peut contenir. Il ne désigne donc aucun programme qui puisse être lancé.</translation>
    </message>
    <message>
        <source>%1 is not a full path: a program is started only by its full path, which begins with &quot;/&quot;.</source>
        <translation>%1 n’est pas un chemin complet&#xa0;: un programme n’est lancé que par son chemin complet, qui commence par «&#xa0;/&#xa0;».</translation>
    </message>
    <message>
        <source>%1 has Windows line ends (CR LF), which the system cannot run: its first line names &quot;%2&quot; with a carriage return after it. Save it with Unix line ends (LF) and try again.</source>
        <translation>%1 a des fins de ligne Windows (CR LF), avec lesquelles le système ne peut pas l’exécuter&#xa0;: sa première ligne indique «&#xa0;%2&#xa0;» suivi d’un retour chariot. Enregistre-le avec des fins de ligne Unix (LF) et réessaie.</translation>
    </message>
    <message>
        <source>%1 is a program for another kind of processor, which this computer cannot run.</source>
        <translation>%1 est un programme pour un autre type de processeur, que cet ordinateur ne peut pas exécuter.</translation>
    </message>
    <message>
        <source>%1 needs the program loader %2, which is not installed on this computer. Install what provides it, or a version of the program made for this system.</source>
        <translation>%1 a besoin du chargeur de programmes %2, qui n’est pas installé sur cet ordinateur. Installe ce qui le fournit, ou une version du programme faite pour ce système.</translation>
    </message>
    <message>
        <source>%1 names an interpreter that is not installed: %2</source>
        <translation>%1 indique un interpréteur qui n’est pas installé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 names a folder as its interpreter, not a program: %2</source>
        <translation>%1 indique comme interpréteur un dossier, et non un programme&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 names as its interpreter something that is not a file that can be run: %2</source>
        <translation>%1 indique comme interpréteur quelque chose qui n’est pas un fichier exécutable&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 names as its interpreter a link that leads, through other links, back to itself: %2</source>
        <translation>%1 indique comme interpréteur un lien qui, par d’autres liens, ramène à lui-même&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 names an interpreter that cannot be run: %2</source>
        <translation>%1 indique un interpréteur qui ne peut pas être exécuté&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 names as its interpreter a file of text or data, not a program: %2. A script&apos;s first line must name a program, such as #!/bin/sh.</source>
        <translation>%1 indique comme interpréteur un fichier de texte ou de données, et non un programme&#xa0;: %2. La première ligne d’un script doit indiquer un programme, par exemple #!/bin/sh.</translation>
    </message>
    <message>
        <source>%1 is empty: it holds neither a program nor a script.</source>
        <translation>%1 est vide&#xa0;: il ne contient ni programme ni script.</translation>
    </message>
    <message>
        <source>%1 is neither a program nor a script: a script must name its interpreter on its first line, after &quot;#!&quot;.</source>
        <translation>%1 n’est ni un programme ni un script&#xa0;: un script doit indiquer son interpréteur sur sa première ligne, après «&#xa0;#!&#xa0;».</translation>
    </message>
    <message>
        <source>%1 names an interpreter that cannot run here: %2</source>
        <translation>%1 indique un interpréteur qui ne peut pas fonctionner ici&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 has a first line longer than the %2 characters the system reads to find the script&apos;s interpreter. Shorten the line that starts with &quot;#!&quot;.</source>
        <translation>La première ligne de %1 dépasse les %2 caractères que le système lit pour trouver l’interpréteur du script. Raccourcis la ligne qui commence par «&#xa0;#!&#xa0;».</translation>
    </message>
    <message>
        <source>%1 names no interpreter after &quot;#!&quot; on its first line.</source>
        <translation>%1 n’indique aucun interpréteur après «&#xa0;#!&#xa0;» sur sa première ligne.</translation>
    </message>
    <message>
        <source>%1 lies in a folder that you may not open: %2. Its permissions, or those of a folder above it, have changed. Ask an administrator to restore them, and try again.</source>
        <translation>%1 se trouve dans un dossier que tu n’as pas le droit d’ouvrir&#xa0;: %2. Ses droits d’accès, ou ceux d’un dossier parent, ont été modifiés. Demande à un administrateur de les rétablir, puis réessaie.</translation>
    </message>
    <message>
        <source>%1 is not marked as executable. Allow it to run (chmod +x) and try again.</source>
        <translation>%1 n’est pas marqué comme exécutable. Rends-le exécutable (chmod +x), puis réessaie.</translation>
    </message>
    <message>
        <source>%1 lies on a file system that does not let programs run (it is mounted &quot;noexec&quot;). Mount it without &quot;noexec&quot;, or install the program on another file system, and try again.</source>
        <translation>%1 se trouve sur un système de fichiers qui ne permet pas d’exécuter des programmes (il est monté avec «&#xa0;noexec&#xa0;»). Monte-le sans «&#xa0;noexec&#xa0;» ou installe le programme sur un autre système de fichiers, puis réessaie.</translation>
    </message>
    <message>
        <source>%1 may not be run by you: it is executable only for its owner or group. Ask an administrator to allow it.</source>
        <translation>Tu n’as pas le droit d’exécuter %1&#xa0;: seuls son propriétaire ou son groupe peuvent l’exécuter. Demande à un administrateur de te l’autoriser.</translation>
    </message>
    <message>
        <source>%1 names as its interpreter a script that names another, and so on: a longer chain than the system follows, which is %2 scripts. Let one of them name a program, such as #!/bin/sh.</source>
        <translation>%1 indique comme interpréteur un script qui en indique un autre, et ainsi de suite&#xa0;: une chaîne plus longue que les %2 scripts que le système suit au plus. Fais en sorte que l’un d’eux indique un programme, par exemple #!/bin/sh.</translation>
    </message>
    <message>
        <source>%1, or a file it needs to start, does not exist.</source>
        <translation>%1, ou un fichier dont il a besoin pour démarrer, n’existe pas.</translation>
    </message>
    <message>
        <source>You are not allowed to run %1.</source>
        <translation>Tu n’as pas le droit d’exécuter %1.</translation>
    </message>
    <message>
        <source>%1 is in a form that this system cannot run.</source>
        <translation>%1 est dans un format que ce système ne peut pas exécuter.</translation>
    </message>
    <message>
        <source>%1 is being written by another program. Try again once it has finished.</source>
        <translation>%1 est en cours d’écriture par un autre programme. Réessaie quand il aura terminé.</translation>
    </message>
    <message>
        <source>The system could not start %1.</source>
        <translation>Le système n’a pas pu lancer %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a script.</source>
        <translation>%1 est un dossier, et non un script.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be run.</source>
        <translation>%1 n’est pas un fichier exécutable.</translation>
    </message>
    <message>
        <source>%1 is a link that leads, through other links, back to itself, never to a file.</source>
        <translation>%1 est un lien qui, par d’autres liens, ramène à lui-même, et jamais à un fichier.</translation>
    </message>
    <message>
        <source>%1

The system said: %2</source>
        <translation>%1

Message du système&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a full path: a program is started only by its full path, which begins with a drive letter and &quot;\&quot; or names a network share.</source>
        <translation>%1 n’est pas un chemin complet&#xa0;: un programme n’est lancé que par son chemin complet, qui commence par une lettre de lecteur et «&#xa0;\&#xa0;» ou désigne un partage réseau.</translation>
    </message>
    <message>
        <source>The path of the program contains a quote: %1</source>
        <translation>Le chemin du programme contient un guillemet&#xa0;: %1</translation>
    </message>
    <message>
        <source>The path of the command script contains &quot;%&quot; or a quote: %1</source>
        <translation>Le chemin du script de commandes contient «&#xa0;%&#xa0;» ou un guillemet&#xa0;: %1</translation>
    </message>
    <message>
        <source>The system cannot find the file specified: %1</source>
        <translation>Le système ne trouve pas le fichier spécifié&#xa0;: %1</translation>
    </message>
    <message>
        <source>The command interpreter was not found.</source>
        <translation>L’interpréteur de commandes n’a pas été trouvé.</translation>
    </message>
    <message>
        <source>The program could not be started (error %1).</source>
        <translation>Le programme n’a pas pu être lancé (erreur %1).</translation>
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
