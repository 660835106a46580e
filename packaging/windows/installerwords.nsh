; The installer's own words in every language it speaks, included by installer.nsi: the title of
; its windows and what its message boxes and its folder page say. NSIS's language files give the
; rest. Each text in English, German, French and Spanish, with the same variables; the user is
; spoken to as the programs speak to them. "Retry" and "Cancel" are the buttons' names as Windows
; writes them in that language. UTF-8: French texts put a no-break space (U+00A0) before ":" and
; inside the guillemets.

; The title of every window.
LangString caption ${LANG_ENGLISH} "${TITLE} ${VERSION_TEXT} Setup"
LangString caption ${LANG_GERMAN} "Installation von ${TITLE} ${VERSION_TEXT}"
LangString caption ${LANG_FRENCH} "Installation de ${TITLE} ${VERSION_TEXT}"
LangString caption ${LANG_SPANISH} "Instalación de ${TITLE} ${VERSION_TEXT}"

; /D names another folder than the one Velmora is installed in.
LangString installedElsewhere ${LANG_ENGLISH} "${TITLE} is installed in $installed.$\n$\nTo install it in $INSTDIR instead, remove it first. Nothing has been changed."
LangString installedElsewhere ${LANG_GERMAN} "${TITLE} ist in $installed installiert.$\n$\nUm es stattdessen in $INSTDIR zu installieren, entferne es zuerst. Es wurde nichts geändert."
LangString installedElsewhere ${LANG_FRENCH} "${TITLE} est installé dans $installed.$\n$\nPour l’installer plutôt dans $INSTDIR, supprime-le d’abord. Rien n’a été modifié."
LangString installedElsewhere ${LANG_SPANISH} "${TITLE} está instalado en $installed.$\n$\nPara instalarlo en $INSTDIR, elimínalo primero. No se ha cambiado nada."

; Above the folder, greyed, once Velmora is installed.
LangString installedFolder ${LANG_ENGLISH} "${TITLE} is installed in this folder, and Setup will update it there. To install it elsewhere, remove it first."
LangString installedFolder ${LANG_GERMAN} "${TITLE} ist in diesem Ordner installiert, und das Installationsprogramm aktualisiert es dort. Um es woanders zu installieren, entferne es zuerst."
LangString installedFolder ${LANG_FRENCH} "${TITLE} est installé dans ce dossier, et le programme d’installation le mettra à jour ici. Pour l’installer ailleurs, supprime-le d’abord."
LangString installedFolder ${LANG_SPANISH} "${TITLE} está instalado en esta carpeta, y el programa de instalación lo actualizará ahí. Para instalarlo en otro lugar, elimínalo primero."

; Setup runs as $R5, in a session nobody is signed in to.
LangString noUserSignedIn ${LANG_ENGLISH} "${TITLE} Setup runs as $R5, and no user is signed in to its session, as when a deployment tool or a service starts it. It installs for the account it runs as, so no user would get ${TITLE}.$\n$\nRun Setup as the user who is to use ${TITLE}. Nothing has been changed."
LangString noUserSignedIn ${LANG_GERMAN} "Das Installationsprogramm von ${TITLE} läuft als $R5, und an seiner Sitzung ist kein Benutzer angemeldet, wie wenn ein Verteilungswerkzeug oder ein Dienst es startet. Es installiert für das Konto, unter dem es läuft, also würde kein Benutzer ${TITLE} bekommen.$\n$\nFühre das Installationsprogramm als der Benutzer aus, der ${TITLE} verwenden soll. Es wurde nichts geändert."
LangString noUserSignedIn ${LANG_FRENCH} "Le programme d’installation de ${TITLE} s’exécute en tant que $R5, et aucun utilisateur n’est connecté à sa session, comme lorsqu’un outil de déploiement ou un service le lance. Il installe pour le compte sous lequel il s’exécute, donc aucun utilisateur n’aurait ${TITLE}.$\n$\nLance le programme d’installation en tant que l’utilisateur qui doit utiliser ${TITLE}. Rien n’a été modifié."
LangString noUserSignedIn ${LANG_SPANISH} "El programa de instalación de ${TITLE} se ejecuta como $R5, y su sesión no tiene ningún usuario conectado, como cuando lo inicia una herramienta de implementación o un servicio. Instala para la cuenta con la que se ejecuta, así que ningún usuario tendría ${TITLE}.$\n$\nEjecuta el programa de instalación como el usuario que vaya a usar ${TITLE}. No se ha cambiado nada."

; Setup runs as $R5, while $R3 is signed in.
LangString otherUser ${LANG_ENGLISH} "${TITLE} Setup runs as $R5, but $R3 is signed in. It installs for the account it runs as, so $R3 would not get ${TITLE}.$\n$\nRun Setup as $R3, without $\"Run as administrator$\". Nothing has been changed."
LangString otherUser ${LANG_GERMAN} "Das Installationsprogramm von ${TITLE} läuft als $R5, angemeldet ist aber $R3. Es installiert für das Konto, unter dem es läuft, also würde $R3 ${TITLE} nicht bekommen.$\n$\nFühre das Installationsprogramm als $R3 aus, ohne „Als Administrator ausführen“. Es wurde nichts geändert."
LangString otherUser ${LANG_FRENCH} "Le programme d’installation de ${TITLE} s’exécute en tant que $R5, mais c’est $R3 qui est connecté. Il installe pour le compte sous lequel il s’exécute, donc $R3 n’aurait pas ${TITLE}.$\n$\nLance le programme d’installation en tant que $R3, sans « Exécuter en tant qu’administrateur ». Rien n’a été modifié."
LangString otherUser ${LANG_SPANISH} "El programa de instalación de ${TITLE} se ejecuta como $R5, pero quien ha iniciado sesión es $R3. Instala para la cuenta con la que se ejecuta, así que $R3 no tendría ${TITLE}.$\n$\nEjecuta el programa de instalación como $R3, sin «Ejecutar como administrador». No se ha cambiado nada."

; A folder the removal could not remove again.
LangString unremovableFolder ${LANG_ENGLISH} "${TITLE} cannot be installed in $INSTDIR: it could not be removed again from a folder whose own name contains $\"%$\", from a network share or from a drive's root.$\n$\nChoose another folder. Nothing has been changed."
LangString unremovableFolder ${LANG_GERMAN} "${TITLE} kann nicht in $INSTDIR installiert werden: Aus einem Ordner, dessen eigener Name „%“ enthält, von einer Netzwerkfreigabe oder aus dem Stammverzeichnis eines Laufwerks könnte es nicht wieder entfernt werden.$\n$\nWähle einen anderen Ordner. Es wurde nichts geändert."
LangString unremovableFolder ${LANG_FRENCH} "${TITLE} ne peut pas être installé dans $INSTDIR : il ne pourrait pas être supprimé à nouveau d’un dossier dont le nom contient « % », d’un partage réseau ou de la racine d’un lecteur.$\n$\nChoisis un autre dossier. Rien n’a été modifié."
LangString unremovableFolder ${LANG_SPANISH} "${TITLE} no se puede instalar en $INSTDIR: no se podría volver a eliminar de una carpeta cuyo propio nombre contenga «%», de un recurso compartido de red ni de la raíz de una unidad.$\n$\nElige otra carpeta. No se ha cambiado nada."

; A program of the install, $R0, is running.
LangString programRunning ${LANG_ENGLISH} "${TITLE} cannot be installed while this program is running:$\n$\n$R0$\n$\nClose it, then choose Retry. Cancel stops Setup without changing anything."
LangString programRunning ${LANG_GERMAN} "${TITLE} kann nicht installiert werden, solange dieses Programm läuft:$\n$\n$R0$\n$\nSchließe es und wähle dann „Wiederholen“. „Abbrechen“ beendet die Installation, ohne etwas zu ändern."
LangString programRunning ${LANG_FRENCH} "${TITLE} ne peut pas être installé pendant que ce programme est en cours d’exécution :$\n$\n$R0$\n$\nFerme-le, puis choisis « Réessayer ». « Annuler » arrête l’installation sans rien modifier."
LangString programRunning ${LANG_SPANISH} "${TITLE} no se puede instalar mientras se está ejecutando este programa:$\n$\n$R0$\n$\nCiérralo y elige «Reintentar». «Cancelar» detiene la instalación sin cambiar nada."
