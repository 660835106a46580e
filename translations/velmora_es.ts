<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>I really hope you don&apos;t need help with this simple program, but if you do here is how to use it:</source>
        <translation>Ojalá no necesites ayuda con un programa tan simple, pero si la necesitas, se usa así:</translation>
    </message>
    <message>
        <source>1- Fill in all the neccecerry Information</source>
        <translation>1- Rellena toda la información necesaria</translation>
    </message>
    <message>
        <source>2- Press the &quot;TELL ME NOW&quot; button</source>
        <translation>2- Pulsa el botón «DÍMELO YA»</translation>
    </message>
    <message>
        <source>3- Repeat as neccecerry.</source>
        <translation>3- Repite si hace falta.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>To begin, click next.</source>
        <translation>Pulsa Siguiente.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>Phase2</name>
    <message>
        <source>This will uninstall all of my software that may be installed on your system, it will delete any trace of it, it will be as if it never existed.</source>
        <translation>Esto desinstalará todo mi software que haya en tu sistema y borrará cualquier rastro de él, como si nunca hubiera existido.</translation>
    </message>
    <message>
        <source>Are you absolutly sure?</source>
        <translation>¿Estás absolutamente seguro?</translation>
    </message>
    <message>
        <source>NO! Your programs are great and I want to keep them all</source>
        <translation>¡NO! Tus programas son geniales y quiero conservarlos todos</translation>
    </message>
    <message>
        <source>YES! get your crap off of my computer</source>
        <translation>¡SÍ! Quita tu porquería de mi ordenador</translation>
    </message>
</context>
<context>
    <name>Velmo</name>
    <message>
        <source>Where and when is the event?</source>
        <translation>¿Dónde y cuándo es el evento?</translation>
    </message>
    <message>
        <source>I will tell you what you probably already know!</source>
        <translation>¡Te diré lo que seguramente ya sabes!</translation>
    </message>
    <message>
        <source>The current time</source>
        <translation>La hora actual</translation>
    </message>
    <message>
        <source>CALCULATING CURRENT TIME, PLEASE WAIT.</source>
        <translation>CALCULANDO LA HORA ACTUAL, ESPERA.</translation>
    </message>
    <message>
        <source>What is it you are going to?</source>
        <translation>¿A qué vas a ir?</translation>
    </message>
    <message>
        <source>Where is it?</source>
        <translation>¿Dónde es?</translation>
    </message>
    <message>
        <source>What Month is it?</source>
        <translation>¿En qué mes es?</translation>
    </message>
    <message>
        <source>What day is it?</source>
        <translation>¿Qué día es?</translation>
    </message>
    <message>
        <source>What time is it supposed to start?</source>
        <translation>¿A qué hora debería empezar?</translation>
    </message>
    <message>
        <source>What time is it supposed to start? Hour</source>
        <translation>¿A qué hora debería empezar? Hora</translation>
    </message>
    <message>
        <source>What time is it supposed to start? Minute</source>
        <translation>¿A qué hora debería empezar? Minuto</translation>
    </message>
    <message>
        <source>TELL ME NOW!</source>
        <translation>¡DÍMELO YA!</translation>
    </message>
    <message>
        <source>How long until the event</source>
        <translation>Cuánto falta para el evento</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Hora actual:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
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
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Month (Name)</source>
        <translation>Mes (nombre)</translation>
    </message>
    <message>
        <source>Minute (with &quot;0&quot;)</source>
        <translation>Minuto (con 0)</translation>
    </message>
    <message>
        <source>Days in This Month</source>
        <translation>Días de este mes</translation>
    </message>
    <message>
        <source>^^ Current hour in AM/PM format.</source>
        <translation>^^ Hora actual (AM/PM).</translation>
    </message>
    <message>
        <source>Month is in</source>
        <translation>Mes elegido</translation>
    </message>
    <message>
        <source>Months Until</source>
        <translation>Meses hasta</translation>
    </message>
    <message>
        <source>Days Until</source>
        <translation>Días hasta</translation>
    </message>
    <message>
        <source>Hours Until</source>
        <translation>Horas hasta</translation>
    </message>
    <message>
        <source>Minutes Until</source>
        <translation>Minutos hasta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>The current time is: %1, %2 %3 at %4:%5 %6</source>
        <translation>Hora actual: %2 de %1 de %3, %4:%5 %6</translation>
    </message>
    <message>
        <source>ERROR 001!   NO MONTH SPECIFIED!</source>
        <translation>¡ERROR 001!   ¡NO HAS INDICADO EL MES!</translation>
    </message>
    <message>
        <source>you must enter a month.</source>
        <translation>Tienes que indicar un mes.</translation>
    </message>
    <message>
        <source>ERROR 002!   NO DAY SPECIFIED!</source>
        <translation>¡ERROR 002!   ¡NO HAS INDICADO EL DÍA!</translation>
    </message>
    <message>
        <source>you must enter a day.</source>
        <translation>Tienes que indicar un día.</translation>
    </message>
    <message>
        <source>ERROR 003!   NO HOUR SPECIFIED!</source>
        <translation>¡ERROR 003!   ¡NO HAS INDICADO LA HORA!</translation>
    </message>
    <message>
        <source>you must enter an hour.</source>
        <translation>Tienes que indicar una hora.</translation>
    </message>
    <message>
        <source>ERROR 004!   NO MINUTE SPECIFIED!</source>
        <translation>¡ERROR 004!   ¡NO HAS INDICADO LOS MINUTOS!</translation>
    </message>
    <message>
        <source>you must enter a minute.</source>
        <translation>Tienes que indicar los minutos.</translation>
    </message>
    <message>
        <source>The current time is not known yet. Please try again in a moment.</source>
        <translation>Todavía no se sabe la hora actual. Vuelve a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>It is %1, %2, %3, and %4 until %5 at %6.</source>
        <translation>Faltan %1, %2, %3 y %4 para %5 (%6).</translation>
    </message>
    <message numerus="yes">
        <source>%1 Months</source>
        <translation>
            <numerusform>%1 mes</numerusform>
            <numerusform>%1 meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 Days</source>
        <translation>
            <numerusform>%1 día</numerusform>
            <numerusform>%1 días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours</source>
        <translation>
            <numerusform>%1 hora</numerusform>
            <numerusform>%1 horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 minuto</numerusform>
            <numerusform>%1 minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Velmora icon</source>
        <translation>Icono de Velmora</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info. &amp;sistema</translation>
    </message>
    <message>
        <source>Velmora for Windows version 1.0         (Orvanta 3.0)                                        Made in 2012 by Dovrik Quenby                                           This was compiled at 6:00pm April 3, 2012</source>
        <translation>Velmora para Windows versión 1.0         (Orvanta 3.0)                                        Hecho en 2012 por Dovrik Quenby                                           Compilado el 3 de abril de 2012 a las 18:00</translation>
    </message>
    <message>
        <source>E-Mail Me! dovrik@example.com</source>
        <translation>¡Escríbeme! dovrik@example.com</translation>
    </message>
    <message>
        <source>Go to my website: www.example.com</source>
        <translation>Visita mi web: www.example.com</translation>
    </message>
    <message>
        <source>Warning: I am sure this has untold bugs, dont bother me with them, email me and get the source code and fix them yourself.</source>
        <translation>Aviso: seguro que esto tiene montones de errores; no me molestes con ellos, escríbeme, pide el código fuente y arréglalos tú.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
</TS>
