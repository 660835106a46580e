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
