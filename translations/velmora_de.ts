<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I really hope you don&apos;t need help with this simple program, but if you do here is how to use it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1- Fill in all the neccecerry Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2- Press the &quot;TELL ME NOW&quot; button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3- Repeat as neccecerry.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Dovrik&apos;s Software Sweepwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To begin, click next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Phase2</name>
    <message>
        <source>Dovrik&apos;s Software Sweepwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will uninstall all of my software that may be installed on your system, it will delete any trace of it, it will be as if it never existed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you absolutly sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO! Your programs are great and I want to keep them all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES! get your crap off of my computer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velmo</name>
    <message>
        <source>Velmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where and when is the event?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I will tell you what you probably already know!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALCULATING CURRENT TIME, PLEASE WAIT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is it you are going to?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Month is it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What day is it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What time is it supposed to start?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What time is it supposed to start? Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What time is it supposed to start? Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TELL ME NOW!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long until the event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month (Name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute (with &quot;0&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days in This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>^^ Current hour in AM/PM format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month is in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current time is: %1, %2 %3 at %4:%5 %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR 001!   NO MONTH SPECIFIED!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you must enter a month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR 002!   NO DAY SPECIFIED!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you must enter a day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR 003!   NO HOUR SPECIFIED!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you must enter an hour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR 004!   NO MINUTE SPECIFIED!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you must enter a minute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current time is not known yet. Please try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is %1, %2, %3, and %4 until %5 at %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 Months</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Velmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora for Windows version 1.0         (Orvanta 3.0)                                        Made in 2012 by Dovrik Quenby                                           This was compiled at 6:00pm April 3, 2012</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail Me! dovrik@example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to my website: www.example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: I am sure this has untold bugs, dont bother me with them, email me and get the source code and fix them yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
