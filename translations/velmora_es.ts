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
    <message>
        <source>The folder of the program is not known.</source>
        <translation>Se desconoce la carpeta del programa.</translation>
    </message>
    <message>
        <source>Sweepwright.cmd did not get going: %1 seconds after its start it was still in %2, which its first line names. Named without a command to run, %2 starts the script itself again and again, for ever. It has been stopped, and nothing has been removed. The first line must name the script&apos;s interpreter, such as #!/bin/sh.</source>
        <translation>Sweepwright.cmd no ha llegado a arrancar: %1 segundos después de iniciarse seguía en %2, el programa que indica su primera línea. Si se indica sin un comando que ejecutar, %2 vuelve a iniciar el propio script una y otra vez, sin fin. Se ha detenido el script y no se ha eliminado nada. La primera línea debe indicar el intérprete del script, por ejemplo #!/bin/sh.</translation>
    </message>
    <message>
        <source>Sweepwright.cmd started, but failed at once: %1. It has most likely removed nothing.</source>
        <translation>Sweepwright.cmd se ha iniciado, pero ha fallado enseguida: %1. Lo más probable es que no haya eliminado nada.</translation>
    </message>
    <message>
        <source>%1

The system said:
%2</source>
        <translation>%1

Mensaje del sistema:
%2</translation>
    </message>
    <message>
        <source>it was ended by signal %1 (%2)</source>
        <translation>lo ha detenido la señal %1 (%2)</translation>
    </message>
    <message>
        <source>a program it needs could not be run (exit status 126)</source>
        <translation>no se ha podido ejecutar un programa que necesita (código de salida 126)</translation>
    </message>
    <message>
        <source>a program or library it needs was not found (exit status 127)</source>
        <translation>no se ha encontrado un programa o una biblioteca que necesita (código de salida 127)</translation>
    </message>
    <message>
        <source>it ended with exit status %1</source>
        <translation>ha terminado con el código de salida %1</translation>
    </message>
    <message>
        <source>Sweepwright.cmd could not be started. Nothing has been removed.</source>
        <translation>No se ha podido iniciar Sweepwright.cmd. No se ha eliminado nada.</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>The system does not tell where the program&apos;s executable lies (%1: %2).</source>
        <translation>El sistema no indica dónde está el ejecutable del programa (%1: %2).</translation>
    </message>
    <message>
        <source>The system does not tell the full path of the program&apos;s executable.</source>
        <translation>El sistema no indica la ruta completa del ejecutable del programa.</translation>
    </message>
    <message>
        <source>The name of the program&apos;s folder is not valid text in this system&apos;s character encoding: %1
Give the folder a name of plain letters, and try again.</source>
        <translation>El nombre de la carpeta del programa no es un texto válido en la codificación de caracteres de este sistema: %1
Ponle a la carpeta un nombre sin tildes ni caracteres especiales y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The system did not tell where the program&apos;s executable lies.</source>
        <translation>El sistema no ha indicado dónde está el ejecutable del programa.</translation>
    </message>
    <message>
        <source>The path of the program&apos;s executable is too long.</source>
        <translation>La ruta del ejecutable del programa es demasiado larga.</translation>
    </message>
</context>
<context>
    <name>RemovalReport</name>
    <message>
        <source>Velmora has not been removed: removing it needs an administrator&apos;s consent, and pkexec, which asks for it, is not installed.</source>
        <translation>Velmora no se ha eliminado: para eliminarlo hace falta el consentimiento de un administrador, y pkexec, que es quien lo pide, no está instalado.</translation>
    </message>
    <message>
        <source>Velmora has not been removed: the request for an administrator&apos;s password was cancelled. Start Sweepwright again to remove it.</source>
        <translation>Velmora no se ha eliminado: se ha cancelado la petición de la contraseña de administrador. Vuelve a iniciar Sweepwright para eliminar Velmora.</translation>
    </message>
    <message>
        <source>Velmora has not been removed: the removal was not authorised. Either no window to ask for an administrator&apos;s password could be shown (no authentication agent is running), or the password was not accepted.</source>
        <translation>Velmora no se ha eliminado: no se ha autorizado la eliminación. O bien no se ha podido mostrar ninguna ventana para pedir la contraseña de administrador (no hay ningún agente de autenticación en marcha), o bien no se ha aceptado la contraseña.</translation>
    </message>
    <message>
        <source>Velmora has not been removed: the package manager could not remove it. If another program is installing or removing software, wait until it has finished, then start Sweepwright again.</source>
        <translation>Velmora no se ha eliminado: el gestor de paquetes no ha podido eliminarlo. Si otro programa está instalando o eliminando software, espera a que termine y vuelve a iniciar Sweepwright.</translation>
    </message>
    <message>
        <source>To remove Velmora yourself, open a terminal and enter:</source>
        <translation>Para eliminar Velmora tú mismo, abre un terminal y escribe:</translation>
    </message>
    <message>
        <source>Sweepwright.cmd ended without saying what went wrong, so Velmora may still be installed.</source>
        <translation>Sweepwright.cmd terminó sin decir qué falló, así que puede que Velmora siga instalado.</translation>
    </message>
    <message>
        <source>The system said:</source>
        <translation>Mensaje del sistema:</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Se ha producido el error &apos;%1&apos; en tiempo de ejecución:

%2</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se ha encontrado el archivo</translation>
    </message>
</context>
<context>
    <name>StartDiagnosis</name>
    <message>
        <source>No program was named.</source>
        <translation>No se ha indicado ningún programa.</translation>
    </message>
    <message>
        <source>The program&apos;s path holds a NUL character, which no path can hold, so it names no program that could be started.</source>
        <translation>La ruta del programa contiene un carácter NUL, que ninguna ruta puede contener, así que no indica ningún programa que se pueda iniciar.</translation>
    </message>
    <message>
        <source>%1 is not a full path: a program is started only by its full path, which begins with &quot;/&quot;.</source>
        <translation>%1 no es una ruta completa: un programa solo se inicia por su ruta completa, que empieza por «/».</translation>
    </message>
    <message>
        <source>%1 has Windows line ends (CR LF), which the system cannot run: its first line names &quot;%2&quot; with a carriage return after it. Save it with Unix line ends (LF) and try again.</source>
        <translation>%1 tiene finales de línea de Windows (CR LF), con los que el sistema no puede ejecutarlo: su primera línea indica «%2» seguido de un retorno de carro. Guárdalo con finales de línea de Unix (LF) y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is a program for another kind of processor, which this computer cannot run.</source>
        <translation>%1 es un programa para otro tipo de procesador, que este ordenador no puede ejecutar.</translation>
    </message>
    <message>
        <source>%1 needs the program loader %2, which is not installed on this computer. Install what provides it, or a version of the program made for this system.</source>
        <translation>%1 necesita el cargador de programas %2, que no está instalado en este ordenador. Instala lo que lo proporcione o una versión del programa hecha para este sistema.</translation>
    </message>
    <message>
        <source>%1 names an interpreter that is not installed: %2</source>
        <translation>%1 indica un intérprete que no está instalado: %2</translation>
    </message>
    <message>
        <source>%1 names a folder as its interpreter, not a program: %2</source>
        <translation>%1 indica como intérprete una carpeta, no un programa: %2</translation>
    </message>
    <message>
        <source>%1 names as its interpreter something that is not a file that can be run: %2</source>
        <translation>%1 indica como intérprete algo que no es un archivo que se pueda ejecutar: %2</translation>
    </message>
    <message>
        <source>%1 names as its interpreter a link that leads, through other links, back to itself: %2</source>
        <translation>%1 indica como intérprete un enlace que, a través de otros enlaces, lleva de vuelta a sí mismo: %2</translation>
    </message>
    <message>
        <source>%1 names an interpreter that cannot be run: %2</source>
        <translation>%1 indica un intérprete que no se puede ejecutar: %2</translation>
    </message>
    <message>
        <source>%1 names as its interpreter a file of text or data, not a program: %2. A script&apos;s first line must name a program, such as #!/bin/sh.</source>
        <translation>%1 indica como intérprete un archivo de texto o de datos, no un programa: %2. La primera línea de un script debe indicar un programa, por ejemplo #!/bin/sh.</translation>
    </message>
    <message>
        <source>%1 is empty: it holds neither a program nor a script.</source>
        <translation>%1 está vacío: no contiene ni un programa ni un script.</translation>
    </message>
    <message>
        <source>%1 is neither a program nor a script: a script must name its interpreter on its first line, after &quot;#!&quot;.</source>
        <translation>%1 no es ni un programa ni un script: un script debe indicar su intérprete en su primera línea, después de «#!».</translation>
    </message>
    <message>
        <source>%1 names an interpreter that cannot run here: %2</source>
        <translation>%1 indica un intérprete que no puede ejecutarse aquí: %2</translation>
    </message>
    <message>
        <source>%1 has a first line longer than the %2 characters the system reads to find the script&apos;s interpreter. Shorten the line that starts with &quot;#!&quot;.</source>
        <translation>La primera línea de %1 supera los %2 caracteres que el sistema lee para encontrar el intérprete del script. Acorta la línea que empieza por «#!».</translation>
    </message>
    <message>
        <source>%1 names no interpreter after &quot;#!&quot; on its first line.</source>
        <translation>%1 no indica ningún intérprete después de «#!» en su primera línea.</translation>
    </message>
    <message>
        <source>%1 lies in a folder that you may not open: %2. Its permissions, or those of a folder above it, have changed. Ask an administrator to restore them, and try again.</source>
        <translation>%1 está en una carpeta que no tienes permiso para abrir: %2. Sus permisos, o los de una carpeta superior, han cambiado. Pide a un administrador que los restablezca y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is not marked as executable. Allow it to run (chmod +x) and try again.</source>
        <translation>%1 no está marcado como ejecutable. Hazlo ejecutable (chmod +x) y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%1 lies on a file system that does not let programs run (it is mounted &quot;noexec&quot;). Mount it without &quot;noexec&quot;, or install the program on another file system, and try again.</source>
        <translation>%1 está en un sistema de archivos que no permite ejecutar programas (está montado con «noexec»). Móntalo sin «noexec» o instala el programa en otro sistema de archivos, y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%1 may not be run by you: it is executable only for its owner or group. Ask an administrator to allow it.</source>
        <translation>No tienes permiso para ejecutar %1: solo pueden ejecutarlo su propietario o su grupo. Pide a un administrador que te lo permita.</translation>
    </message>
    <message>
        <source>%1 names as its interpreter a script that names another, and so on: a longer chain than the system follows, which is %2 scripts. Let one of them name a program, such as #!/bin/sh.</source>
        <translation>%1 indica como intérprete un script que indica otro, y así sucesivamente: una cadena más larga que los %2 scripts que el sistema sigue como máximo. Haz que uno de ellos indique un programa, por ejemplo #!/bin/sh.</translation>
    </message>
    <message>
        <source>%1, or a file it needs to start, does not exist.</source>
        <translation>%1, o un archivo que necesita para iniciarse, no existe.</translation>
    </message>
    <message>
        <source>You are not allowed to run %1.</source>
        <translation>No tienes permiso para ejecutar %1.</translation>
    </message>
    <message>
        <source>%1 is in a form that this system cannot run.</source>
        <translation>%1 tiene un formato que este sistema no puede ejecutar.</translation>
    </message>
    <message>
        <source>%1 is being written by another program. Try again once it has finished.</source>
        <translation>Otro programa está escribiendo %1. Vuelve a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>The system could not start %1.</source>
        <translation>El sistema no ha podido iniciar %1.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a script.</source>
        <translation>%1 es una carpeta, no un script.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be run.</source>
        <translation>%1 no es un archivo que se pueda ejecutar.</translation>
    </message>
    <message>
        <source>%1 is a link that leads, through other links, back to itself, never to a file.</source>
        <translation>%1 es un enlace que, a través de otros enlaces, lleva de vuelta a sí mismo y nunca a un archivo.</translation>
    </message>
    <message>
        <source>%1

The system said: %2</source>
        <translation>%1

Mensaje del sistema: %2</translation>
    </message>
    <message>
        <source>%1 is not a full path: a program is started only by its full path, which begins with a drive letter and &quot;\&quot; or names a network share.</source>
        <translation>%1 no es una ruta completa: un programa solo se inicia por su ruta completa, que empieza por una letra de unidad y «\» o indica un recurso compartido de red.</translation>
    </message>
    <message>
        <source>The path of the program contains a quote: %1</source>
        <translation>La ruta del programa contiene comillas: %1</translation>
    </message>
    <message>
        <source>The path of the command script contains &quot;%&quot; or a quote: %1</source>
        <translation>La ruta del script de comandos contiene «%» o comillas: %1</translation>
    </message>
    <message>
        <source>The system cannot find the file specified: %1</source>
        <translation>El sistema no puede encontrar el archivo especificado: %1</translation>
    </message>
    <message>
        <source>The command interpreter was not found.</source>
        <translation>No se ha encontrado el intérprete de comandos.</translation>
    </message>
    <message>
        <source>The program could not be started (error %1).</source>
        <translation>No se ha podido iniciar el programa (error %1).</translation>
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
