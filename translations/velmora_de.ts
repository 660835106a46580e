<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>I really hope you don&apos;t need help with this simple program, but if you do here is how to use it:</source>
        <translation>Ich hoffe, du brauchst für dieses simple Programm keine Hilfe, aber falls doch, geht es so:</translation>
    </message>
    <message>
        <source>1- Fill in all the neccecerry Information</source>
        <translation>1- Füll alle nötigen Angaben aus</translation>
    </message>
    <message>
        <source>2- Press the &quot;TELL ME NOW&quot; button</source>
        <translation>2- Drück den Knopf „SAG ES MIR JETZT“</translation>
    </message>
    <message>
        <source>3- Repeat as neccecerry.</source>
        <translation>3- Wiederhole das nach Bedarf.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>To begin, click next.</source>
        <translation>Starte mit „Weiter“.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>Phase2</name>
    <message>
        <source>This will uninstall all of my software that may be installed on your system, it will delete any trace of it, it will be as if it never existed.</source>
        <translation>Das deinstalliert all meine Software, die auf deinem System installiert sein könnte, und löscht jede Spur davon, als hätte es sie nie gegeben.</translation>
    </message>
    <message>
        <source>Are you absolutly sure?</source>
        <translation>Bist du dir absolut sicher?</translation>
    </message>
    <message>
        <source>NO! Your programs are great and I want to keep them all</source>
        <translation>NEIN! Deine Programme sind toll und ich will sie alle behalten</translation>
    </message>
    <message>
        <source>YES! get your crap off of my computer</source>
        <translation>JA! Schaff deinen Mist von meinem Computer</translation>
    </message>
    <message>
        <source>The folder of the program is not known.</source>
        <translation>Der Ordner des Programms ist nicht bekannt.</translation>
    </message>
    <message>
        <source>Sweepwright.cmd did not get going: %1 seconds after its start it was still in %2, which its first line names. Named without a command to run, %2 starts the script itself again and again, for ever. It has been stopped, and nothing has been removed. The first line must name the script&apos;s interpreter, such as #!/bin/sh.</source>
        <translation>Sweepwright.cmd ist nicht richtig angelaufen: %1 Sekunden nach dem Start steckte es noch in %2, das in seiner ersten Zeile steht. Ohne einen Befehl, den es ausführen soll, startet %2 immer wieder nur das Skript selbst, endlos. Das Skript wurde angehalten, und es wurde nichts entfernt. Die erste Zeile muss den Interpreter des Skripts nennen, etwa #!/bin/sh.</translation>
    </message>
    <message>
        <source>Sweepwright.cmd started, but failed at once: %1. It has most likely removed nothing.</source>
        <translation>Sweepwright.cmd wurde gestartet, ist aber sofort fehlgeschlagen: %1. Höchstwahrscheinlich hat es nichts entfernt.</translation>
    </message>
    <message>
        <source>%1

The system said:
%2</source>
        <translation>%1

Meldung des Systems:
%2</translation>
    </message>
    <message>
        <source>it was ended by signal %1 (%2)</source>
        <translation>Es wurde durch Signal %1 (%2) beendet</translation>
    </message>
    <message>
        <source>a program it needs could not be run (exit status 126)</source>
        <translation>Ein Programm, das es braucht, konnte nicht ausgeführt werden (Exit-Status 126)</translation>
    </message>
    <message>
        <source>a program or library it needs was not found (exit status 127)</source>
        <translation>Ein Programm oder eine Bibliothek, die es braucht, wurde nicht gefunden (Exit-Status 127)</translation>
    </message>
    <message>
        <source>it ended with exit status %1</source>
        <translation>Es endete mit Exit-Status %1</translation>
    </message>
    <message>
        <source>Sweepwright.cmd could not be started. Nothing has been removed.</source>
        <translation>Sweepwright.cmd konnte nicht gestartet werden. Es wurde nichts entfernt.</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>The system does not tell where the program&apos;s executable lies (%1: %2).</source>
        <translation>Das System gibt nicht an, wo die ausführbare Datei des Programms liegt (%1: %2).</translation>
    </message>
    <message>
        <source>The system does not tell the full path of the program&apos;s executable.</source>
        <translation>Das System gibt den vollständigen Pfad der ausführbaren Datei des Programms nicht an.</translation>
    </message>
    <message>
        <source>The name of the program&apos;s folder is not valid text in this system&apos;s character encoding: %1
Give the folder a name of plain letters, and try again.</source>
        <translation>Der Name des Programmordners ist in der Zeichenkodierung dieses Systems kein gültiger Text: %1
Gib dem Ordner einen Namen ohne Umlaute und Sonderzeichen und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>The system did not tell where the program&apos;s executable lies.</source>
        <translation>Das System hat nicht angegeben, wo die ausführbare Datei des Programms liegt.</translation>
    </message>
    <message>
        <source>The path of the program&apos;s executable is too long.</source>
        <translation>Der Pfad der ausführbaren Datei des Programms ist zu lang.</translation>
    </message>
</context>
<context>
    <name>RemovalReport</name>
    <message>
        <source>Velmora has not been removed: removing it needs an administrator&apos;s consent, and pkexec, which asks for it, is not installed.</source>
        <translation>Velmora wurde nicht entfernt: Dafür ist die Zustimmung eines Administrators nötig, und pkexec, das sie einholt, ist nicht installiert.</translation>
    </message>
    <message>
        <source>Velmora has not been removed: the request for an administrator&apos;s password was cancelled. Start Sweepwright again to remove it.</source>
        <translation>Velmora wurde nicht entfernt: Die Abfrage des Administratorpassworts wurde abgebrochen. Starte Sweepwright noch einmal, um Velmora zu entfernen.</translation>
    </message>
    <message>
        <source>Velmora has not been removed: the removal was not authorised. Either no window to ask for an administrator&apos;s password could be shown (no authentication agent is running), or the password was not accepted.</source>
        <translation>Velmora wurde nicht entfernt: Das Entfernen wurde nicht genehmigt. Entweder konnte kein Fenster zur Abfrage des Administratorpassworts angezeigt werden (es läuft kein Authentifizierungsagent), oder das Passwort wurde nicht angenommen.</translation>
    </message>
    <message>
        <source>Velmora has not been removed: the package manager could not remove it. If another program is installing or removing software, wait until it has finished, then start Sweepwright again.</source>
        <translation>Velmora wurde nicht entfernt: Die Paketverwaltung konnte es nicht entfernen. Wenn gerade ein anderes Programm Software installiert oder entfernt, warte, bis es fertig ist, und starte Sweepwright dann noch einmal.</translation>
    </message>
    <message>
        <source>To remove Velmora yourself, open a terminal and enter:</source>
        <translation>Um Velmora selbst zu entfernen, öffne ein Terminal und gib ein:</translation>
    </message>
    <message>
        <source>Sweepwright.cmd ended without saying what went wrong, so Velmora may still be installed.</source>
        <translation>Sweepwright.cmd wurde beendet, ohne zu sagen, was schiefgelaufen ist. Velmora ist also womöglich noch installiert.</translation>
    </message>
    <message>
        <source>The system said:</source>
        <translation>Meldung des Systems:</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
</context>
<context>
    <name>StartDiagnosis</name>
    <message>
        <source>No program was named.</source>
        <translation>Es wurde kein Programm angegeben.</translation>
    </message>
    <message>
        <source>The program&apos;s path holds a NUL character, which no path can hold, so it names no program that could be started.</source>
        <translation>Der Pfad des Programms enthält ein NUL-Zeichen, das in keinem Pfad vorkommen kann. Er bezeichnet also kein Programm, das sich starten ließe.</translation>
    </message>
    <message>
        <source>%1 is not a full path: a program is started only by its full path, which begins with &quot;/&quot;.</source>
        <translation>%1 ist kein vollständiger Pfad: Ein Programm wird nur über seinen vollständigen Pfad gestartet, der mit „/“ beginnt.</translation>
    </message>
    <message>
        <source>%1 has Windows line ends (CR LF), which the system cannot run: its first line names &quot;%2&quot; with a carriage return after it. Save it with Unix line ends (LF) and try again.</source>
        <translation>%1 hat Windows-Zeilenumbrüche (CR LF), mit denen das System die Datei nicht ausführen kann: Ihre erste Zeile nennt „%2“ mit einem Wagenrücklauf dahinter. Speichere sie mit Unix-Zeilenumbrüchen (LF) und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>%1 is a program for another kind of processor, which this computer cannot run.</source>
        <translation>%1 ist ein Programm für einen anderen Prozessortyp, das dieser Computer nicht ausführen kann.</translation>
    </message>
    <message>
        <source>%1 needs the program loader %2, which is not installed on this computer. Install what provides it, or a version of the program made for this system.</source>
        <translation>%1 braucht den Programmlader %2, der auf diesem Computer nicht installiert ist. Installiere, was ihn bereitstellt, oder eine Version des Programms, die für dieses System gemacht ist.</translation>
    </message>
    <message>
        <source>%1 names an interpreter that is not installed: %2</source>
        <translation>%1 nennt einen Interpreter, der nicht installiert ist: %2</translation>
    </message>
    <message>
        <source>%1 names a folder as its interpreter, not a program: %2</source>
        <translation>%1 nennt als Interpreter einen Ordner, kein Programm: %2</translation>
    </message>
    <message>
        <source>%1 names as its interpreter something that is not a file that can be run: %2</source>
        <translation>%1 nennt als Interpreter etwas, das keine Datei ist, die sich ausführen lässt: %2</translation>
    </message>
    <message>
        <source>%1 names as its interpreter a link that leads, through other links, back to itself: %2</source>
        <translation>%1 nennt als Interpreter einen Link, der über andere Links wieder auf sich selbst führt: %2</translation>
    </message>
    <message>
        <source>%1 names an interpreter that cannot be run: %2</source>
        <translation>%1 nennt einen Interpreter, der nicht ausgeführt werden kann: %2</translation>
    </message>
    <message>
        <source>%1 names as its interpreter a file of text or data, not a program: %2. A script&apos;s first line must name a program, such as #!/bin/sh.</source>
        <translation>%1 nennt als Interpreter eine Text- oder Datendatei, kein Programm: %2. Die erste Zeile eines Skripts muss ein Programm nennen, etwa #!/bin/sh.</translation>
    </message>
    <message>
        <source>%1 is empty: it holds neither a program nor a script.</source>
        <translation>%1 ist leer: Die Datei enthält weder ein Programm noch ein Skript.</translation>
    </message>
    <message>
        <source>%1 is neither a program nor a script: a script must name its interpreter on its first line, after &quot;#!&quot;.</source>
        <translation>%1 ist weder ein Programm noch ein Skript: Ein Skript muss seinen Interpreter in der ersten Zeile nach „#!“ nennen.</translation>
    </message>
    <message>
        <source>%1 names an interpreter that cannot run here: %2</source>
        <translation>%1 nennt einen Interpreter, der hier nicht laufen kann: %2</translation>
    </message>
    <message>
        <source>%1 has a first line longer than the %2 characters the system reads to find the script&apos;s interpreter. Shorten the line that starts with &quot;#!&quot;.</source>
        <translation>Die erste Zeile von %1 ist länger als die %2 Zeichen, die das System liest, um den Interpreter des Skripts zu finden. Kürze die Zeile, die mit „#!“ beginnt.</translation>
    </message>
    <message>
        <source>%1 names no interpreter after &quot;#!&quot; on its first line.</source>
        <translation>%1 nennt in der ersten Zeile nach „#!“ keinen Interpreter.</translation>
    </message>
    <message>
        <source>%1 lies in a folder that you may not open: %2. Its permissions, or those of a folder above it, have changed. Ask an administrator to restore them, and try again.</source>
        <translation>%1 liegt in einem Ordner, den du nicht öffnen darfst: %2. Seine Berechtigungen oder die eines übergeordneten Ordners wurden geändert. Bitte einen Administrator, sie wiederherzustellen, und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>%1 is not marked as executable. Allow it to run (chmod +x) and try again.</source>
        <translation>%1 ist nicht als ausführbar markiert. Mach die Datei ausführbar (chmod +x) und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>%1 lies on a file system that does not let programs run (it is mounted &quot;noexec&quot;). Mount it without &quot;noexec&quot;, or install the program on another file system, and try again.</source>
        <translation>%1 liegt auf einem Dateisystem, auf dem keine Programme laufen dürfen (es ist mit „noexec“ eingehängt). Hänge es ohne „noexec“ ein oder installiere das Programm auf einem anderen Dateisystem, und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>%1 may not be run by you: it is executable only for its owner or group. Ask an administrator to allow it.</source>
        <translation>Du darfst %1 nicht ausführen: Die Datei ist nur für ihren Eigentümer oder ihre Gruppe ausführbar. Bitte einen Administrator, es dir zu erlauben.</translation>
    </message>
    <message>
        <source>%1 names as its interpreter a script that names another, and so on: a longer chain than the system follows, which is %2 scripts. Let one of them name a program, such as #!/bin/sh.</source>
        <translation>%1 nennt als Interpreter ein Skript, das wiederum ein anderes nennt, und so weiter: eine längere Kette als die höchstens %2 Skripte, denen das System folgt. Lass eines davon ein Programm nennen, etwa #!/bin/sh.</translation>
    </message>
    <message>
        <source>%1, or a file it needs to start, does not exist.</source>
        <translation>%1 oder eine Datei, die zum Start nötig ist, existiert nicht.</translation>
    </message>
    <message>
        <source>You are not allowed to run %1.</source>
        <translation>Du darfst %1 nicht ausführen.</translation>
    </message>
    <message>
        <source>%1 is in a form that this system cannot run.</source>
        <translation>%1 liegt in einem Format vor, das dieses System nicht ausführen kann.</translation>
    </message>
    <message>
        <source>%1 is being written by another program. Try again once it has finished.</source>
        <translation>%1 wird gerade von einem anderen Programm geschrieben. Versuch es noch einmal, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>The system could not start %1.</source>
        <translation>Das System konnte %1 nicht starten.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a script.</source>
        <translation>%1 ist ein Ordner, kein Skript.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be run.</source>
        <translation>%1 ist keine Datei, die sich ausführen lässt.</translation>
    </message>
    <message>
        <source>%1 is a link that leads, through other links, back to itself, never to a file.</source>
        <translation>%1 ist ein Link, der über andere Links wieder auf sich selbst führt, nie zu einer Datei.</translation>
    </message>
    <message>
        <source>%1

The system said: %2</source>
        <translation>%1

Meldung des Systems: %2</translation>
    </message>
    <message>
        <source>%1 is not a full path: a program is started only by its full path, which begins with a drive letter and &quot;\&quot; or names a network share.</source>
        <translation>%1 ist kein vollständiger Pfad: Ein Programm wird nur über seinen vollständigen Pfad gestartet, der mit einem Laufwerksbuchstaben und „\“ beginnt oder eine Netzwerkfreigabe nennt.</translation>
    </message>
    <message>
        <source>The path of the program contains a quote: %1</source>
        <translation>Der Pfad des Programms enthält ein Anführungszeichen: %1</translation>
    </message>
    <message>
        <source>The path of the command script contains &quot;%&quot; or a quote: %1</source>
        <translation>Der Pfad des Befehlsskripts enthält „%“ oder ein Anführungszeichen: %1</translation>
    </message>
    <message>
        <source>The system cannot find the file specified: %1</source>
        <translation>Das System kann die angegebene Datei nicht finden: %1</translation>
    </message>
    <message>
        <source>The command interpreter was not found.</source>
        <translation>Der Befehlsinterpreter wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The program could not be started (error %1).</source>
        <translation>Das Programm konnte nicht gestartet werden (Fehler %1).</translation>
    </message>
</context>
<context>
    <name>Velmo</name>
    <message>
        <source>Where and when is the event?</source>
        <translation>Wo und wann ist das Event?</translation>
    </message>
    <message>
        <source>I will tell you what you probably already know!</source>
        <translation>Ich sag dir, was du wahrscheinlich eh schon weißt!</translation>
    </message>
    <message>
        <source>The current time</source>
        <translation>Die aktuelle Uhrzeit</translation>
    </message>
    <message>
        <source>CALCULATING CURRENT TIME, PLEASE WAIT.</source>
        <translation>BERECHNE AKTUELLE ZEIT, BITTE WARTEN.</translation>
    </message>
    <message>
        <source>What is it you are going to?</source>
        <translation>Was steht denn an?</translation>
    </message>
    <message>
        <source>Where is it?</source>
        <translation>Wo ist es?</translation>
    </message>
    <message>
        <source>What Month is it?</source>
        <translation>In welchem Monat?</translation>
    </message>
    <message>
        <source>What day is it?</source>
        <translation>An welchem Tag?</translation>
    </message>
    <message>
        <source>What time is it supposed to start?</source>
        <translation>Wann soll es losgehen?</translation>
    </message>
    <message>
        <source>What time is it supposed to start? Hour</source>
        <translation>Wann soll es losgehen? Stunde</translation>
    </message>
    <message>
        <source>What time is it supposed to start? Minute</source>
        <translation>Wann soll es losgehen? Minute</translation>
    </message>
    <message>
        <source>TELL ME NOW!</source>
        <translation>SAG ES MIR JETZT!</translation>
    </message>
    <message>
        <source>How long until the event</source>
        <translation>Wie lange noch bis zum Event</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Aktuelle Zeit:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>Month (Name)</source>
        <translation>Monat (Name)</translation>
    </message>
    <message>
        <source>Minute (with &quot;0&quot;)</source>
        <translation>Minute (mit „0“)</translation>
    </message>
    <message>
        <source>Days in This Month</source>
        <translation>Tage im Monat</translation>
    </message>
    <message>
        <source>^^ Current hour in AM/PM format.</source>
        <translation>^^ Aktuelle Stunde (AM/PM).</translation>
    </message>
    <message>
        <source>Month is in</source>
        <translation>Zielmonat</translation>
    </message>
    <message>
        <source>Months Until</source>
        <translation>Monate übrig</translation>
    </message>
    <message>
        <source>Days Until</source>
        <translation>Tage übrig</translation>
    </message>
    <message>
        <source>Hours Until</source>
        <translation>Stunden übrig</translation>
    </message>
    <message>
        <source>Minutes Until</source>
        <translation>Minuten übrig</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>The current time is: %1, %2 %3 at %4:%5 %6</source>
        <translation>Aktuelle Uhrzeit: %2. %1 %3, %4:%5 %6</translation>
    </message>
    <message>
        <source>ERROR 001!   NO MONTH SPECIFIED!</source>
        <translation>FEHLER 001!   KEIN MONAT ANGEGEBEN!</translation>
    </message>
    <message>
        <source>you must enter a month.</source>
        <translation>Du musst einen Monat angeben.</translation>
    </message>
    <message>
        <source>ERROR 002!   NO DAY SPECIFIED!</source>
        <translation>FEHLER 002!   KEIN TAG ANGEGEBEN!</translation>
    </message>
    <message>
        <source>you must enter a day.</source>
        <translation>Du musst einen Tag angeben.</translation>
    </message>
    <message>
        <source>ERROR 003!   NO HOUR SPECIFIED!</source>
        <translation>FEHLER 003!   KEINE STUNDE ANGEGEBEN!</translation>
    </message>
    <message>
        <source>you must enter an hour.</source>
        <translation>Du musst eine Stunde angeben.</translation>
    </message>
    <message>
        <source>ERROR 004!   NO MINUTE SPECIFIED!</source>
        <translation>FEHLER 004!   KEINE MINUTE ANGEGEBEN!</translation>
    </message>
    <message>
        <source>you must enter a minute.</source>
        <translation>Du musst eine Minute angeben.</translation>
    </message>
    <message>
        <source>The current time is not known yet. Please try again in a moment.</source>
        <translation>Die aktuelle Uhrzeit ist noch nicht bekannt. Versuch es gleich noch einmal.</translation>
    </message>
    <message>
        <source>It is %1, %2, %3, and %4 until %5 at %6.</source>
        <translation>Noch %1, %2, %3 und %4 bis %5 (%6).</translation>
    </message>
    <message numerus="yes">
        <source>%1 Months</source>
        <translation>
            <numerusform>%1 Monat</numerusform>
            <numerusform>%1 Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Days</source>
        <translation>
            <numerusform>%1 Tag</numerusform>
            <numerusform>%1 Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours</source>
        <translation>
            <numerusform>%1 Stunde</numerusform>
            <numerusform>%1 Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 Minute</numerusform>
            <numerusform>%1 Minuten</numerusform>
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
        <translation>Velmora-Symbol</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Velmora for Windows version 1.0         (Orvanta 3.0)                                        Made in 2012 by Dovrik Quenby                                           This was compiled at 6:00pm April 3, 2012</source>
        <translation>Velmora für Windows Version 1.0         (Orvanta 3.0)                                        2012 erstellt von Dovrik Quenby                                           Kompiliert am 3. April 2012 um 18:00 Uhr</translation>
    </message>
    <message>
        <source>E-Mail Me! dovrik@example.com</source>
        <translation>Schreib mir! dovrik@example.com</translation>
    </message>
    <message>
        <source>Go to my website: www.example.com</source>
        <translation>Zu meiner Website: www.example.com</translation>
    </message>
    <message>
        <source>Warning: I am sure this has untold bugs, dont bother me with them, email me and get the source code and fix them yourself.</source>
        <translation>Warnung: Das hier hat bestimmt jede Menge Bugs. Nerv mich nicht damit, schreib mir, hol dir den Quellcode und behebe sie selbst.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
</TS>
