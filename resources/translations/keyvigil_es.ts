<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ApplicationChooser</name>
    <message>
        <source>Choose Applications</source>
        <translation>Elegir aplicaciones</translation>
    </message>
    <message>
        <source>Choose applications</source>
        <translation>Elegir aplicaciones</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Buscar aplicaciones</translation>
    </message>
    <message>
        <source>Shows only the applications whose name contains what you type.</source>
        <translation>Muestra solo las aplicaciones cuyo nombre contiene lo que escribe.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Ctrl-click or Shift-click to choose several applications.</source>
        <translation>Ctrl+clic o Mayús+clic para elegir varias aplicaciones.</translation>
    </message>
    <message>
        <source>What the applications you choose are used for.</source>
        <translation>Para qué se usan las aplicaciones que elija.</translation>
    </message>
    <message>
        <source>&amp;Other…</source>
        <translation>&amp;Otra…</translation>
    </message>
    <message>
        <source>Other application</source>
        <translation>Otra aplicación</translation>
    </message>
    <message>
        <source>Choose an application bundle or desktop entry in another folder.</source>
        <translation>Elegir un paquete de aplicación o una entrada de escritorio en otra carpeta.</translation>
    </message>
    <message>
        <source>Cancel or choose</source>
        <translation>Cancelar o elegir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close without choosing.</source>
        <translation>Cerrar sin elegir.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Choose the selected applications.</source>
        <translation>Elegir las aplicaciones seleccionadas.</translation>
    </message>
</context>
<context>
    <name>ApplicationFileDialog</name>
    <message>
        <source>Choose an Application</source>
        <translation>Elegir una aplicación</translation>
    </message>
    <message>
        <source>Applications (*.app *.desktop)</source>
        <translation>Aplicaciones (*.app *.desktop)</translation>
    </message>
    <message>
        <source>Choose an application in another folder</source>
        <translation>Elegir una aplicación en otra carpeta</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
</context>
<context>
    <name>BookBrowser</name>
    <message>
        <source>Page not found</source>
        <translation>Página no encontrada</translation>
    </message>
    <message>
        <source>No help book was named. Open the help from Keyvigil&apos;s settings window with one of its &quot;?&quot; buttons.</source>
        <translation>No se ha indicado ningún libro de ayuda. Abra la ayuda desde la ventana de configuración de Keyvigil con uno de sus botones «?».</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is not part of the help book in %2.</source>
        <translation>La página «%1» no forma parte del libro de ayuda de %2.</translation>
    </message>
</context>
<context>
    <name>DesktopWorkspace</name>
    <message>
        <source>xdg-mime, which finds the program for %1 links, could not be run (%2)</source>
        <translation>no se ha podido ejecutar xdg-mime, que busca el programa para los enlaces %1 (%2)</translation>
    </message>
    <message>
        <source>no program is set to open %1 links</source>
        <translation>no hay ningún programa configurado para abrir los enlaces %1</translation>
    </message>
    <message>
        <source>the link is not a valid URL</source>
        <translation>el enlace no es una URL válida</translation>
    </message>
    <message>
        <source>xdg-open could not be started (%1)</source>
        <translation>no se ha podido iniciar xdg-open (%1)</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>xdg-open terminó con el código %1</translation>
    </message>
    <message>
        <source>xdg-open ended by signal %1</source>
        <translation>xdg-open terminó por la señal %1</translation>
    </message>
</context>
<context>
    <name>ExclusionLists</name>
    <message numerus="yes">
        <source>“%1” is longer than the %n capitals in a row that warn, so excluding it would change nothing.</source>
        <translation>
            <numerusform>«%1» es más larga que la %n mayúscula seguida que avisa, así que excluirla no cambiaría nada.</numerusform>
            <numerusform>«%1» es más larga que las %n mayúsculas seguidas que avisan, así que excluirla no cambiaría nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error: &quot;%1&quot; is already in the application list.</source>
        <translation>Error: «%1» ya está en la lista de aplicaciones.</translation>
    </message>
    <message>
        <source>Error: Multiple applications you chose are already in the application list.</source>
        <translation>Error: varias de las aplicaciones elegidas ya están en la lista de aplicaciones.</translation>
    </message>
</context>
<context>
    <name>GnomeCompanionControl</name>
    <message>
        <source>GNOME&apos;s settings cannot be read (gsettings)</source>
        <translation>No se puede leer la configuración de GNOME (gsettings)</translation>
    </message>
    <message>
        <source>GNOME&apos;s settings cannot be changed (gsettings)</source>
        <translation>No se puede cambiar la configuración de GNOME (gsettings)</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>Keyvigil Help</source>
        <translation>Ayuda de Keyvigil</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>B&amp;uscar:</translation>
    </message>
    <message>
        <source>Find in page</source>
        <translation>Buscar en la página</translation>
    </message>
    <message>
        <source>Text on this page</source>
        <translation>Texto de esta página</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Find the previous match (Shift+F3)</source>
        <translation>Buscar la coincidencia anterior (Mayús+F3)</translation>
    </message>
    <message>
        <source>Previous match</source>
        <translation>Coincidencia anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Find the next match (F3)</source>
        <translation>Buscar la coincidencia siguiente (F3)</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Coincidencia siguiente</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Cerrar la barra de búsqueda (Esc)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Cerrar la barra de búsqueda</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Back to the page before (Alt+Left)</source>
        <translation>Volver a la página anterior (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Forward again (Alt+Right)</source>
        <translation>Volver a avanzar (Alt+Derecha)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>The help&apos;s start page (Alt+Home)</source>
        <translation>La página de inicio de la ayuda (Alt+Inicio)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find text on this page (Ctrl+F)</source>
        <translation>Buscar texto en esta página (Ctrl+F)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Más pequeño</translation>
    </message>
    <message>
        <source>Smaller text (Ctrl+-)</source>
        <translation>Texto más pequeño (Ctrl+-)</translation>
    </message>
    <message>
        <source>Normal size</source>
        <translation>Tamaño normal</translation>
    </message>
    <message>
        <source>Text at its normal size (Ctrl+0)</source>
        <translation>Texto a su tamaño normal (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Larger text (Ctrl++)</source>
        <translation>Texto más grande (Ctrl++)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
</context>
<context>
    <name>HelperControl</name>
    <message>
        <source>Keyvigil could not be paused while this window is open: %1. It may warn you while you try settings.</source>
        <translation>Keyvigil no se ha podido poner en pausa mientras esta ventana está abierta: %1. Puede avisarle mientras prueba la configuración.</translation>
    </message>
    <message>
        <source>Keyvigil Not Started</source>
        <translation>Keyvigil no iniciado</translation>
    </message>
    <message>
        <source>Keyvigil could not write the file that starts it, “%1”: %2. It starts with the file written before.</source>
        <translation>Keyvigil no ha podido escribir el archivo que lo inicia, «%1»: %2. Se inicia con el archivo escrito antes.</translation>
    </message>
    <message>
        <source>Keyvigil could not write the file that starts it, “%1”: %2.</source>
        <translation>Keyvigil no ha podido escribir el archivo que lo inicia, «%1»: %2.</translation>
    </message>
    <message>
        <source>Keyvigil Helper could not be started: %1.</source>
        <translation>No se ha podido iniciar Keyvigil Helper: %1.</translation>
    </message>
    <message>
        <source>Keyvigil Helper was started but does not keep running: %1.</source>
        <translation>Keyvigil Helper se ha iniciado, pero no sigue funcionando: %1.</translation>
    </message>
    <message>
        <source>Keyvigil Not Switched Off</source>
        <translation>Keyvigil no desactivado</translation>
    </message>
    <message>
        <source>Keyvigil could not be switched off: %1.<byte value="xd"/><byte value="xd"/>It may start again at the next login. To try again, open this window and close it with “Start Keyvigil” off.</source>
        <translation>No se ha podido desactivar Keyvigil: %1.<byte value="xd"/><byte value="xd"/>Puede que vuelva a iniciarse en el siguiente inicio de sesión. Para volver a intentarlo, abra esta ventana y ciérrela con «Iniciar Keyvigil» desactivada.</translation>
    </message>
    <message>
        <source>Keyvigil was stopped, but the file that starts it, “%1”, could not be removed: %2.</source>
        <translation>Keyvigil se ha detenido, pero no se ha podido eliminar el archivo que lo inicia, «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessControl</name>
    <message>
        <source>Allow Keyboard Access…</source>
        <translation>Permitir el acceso al teclado…</translation>
    </message>
    <message>
        <source>Take Keyboard Access Back…</source>
        <translation>Retirar el acceso al teclado…</translation>
    </message>
    <message>
        <source>In an X11 session Keyvigil sees every key typed: all its warnings work, and nothing needs to be allowed.</source>
        <translation>En una sesión X11, Keyvigil ve todas las teclas pulsadas: todos sus avisos funcionan y no hace falta permitir nada.</translation>
    </message>
    <message>
        <source>Keyboard access, which only Wayland sessions need, is allowed; take it back if you do not use them.</source>
        <translation>El acceso al teclado, que solo necesitan las sesiones Wayland, está permitido; retírelo si no las usa.</translation>
    </message>
    <message>
        <source>Keyboard access is taken back from your next login; until then this session can still read the keyboards.</source>
        <translation>El acceso al teclado se retira a partir de su siguiente inicio de sesión; hasta entonces esta sesión aún puede leer los teclados.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed: from its next start, when you close this window, Keyvigil reads the keyboards, and all its warnings work.</source>
        <translation>El acceso al teclado está permitido: a partir de su siguiente inicio, cuando cierre esta ventana, Keyvigil leerá los teclados y todos sus avisos funcionarán.</translation>
    </message>
    <message>
        <source>All warnings work: Keyvigil reads the keyboards to count capital letters.</source>
        <translation>Todos los avisos funcionan: Keyvigil lee los teclados para contar las mayúsculas.</translation>
    </message>
    <message>
        <source>All warnings work: this user can read the keyboards, so Keyvigil counts capital letters too. That access was not given by Keyvigil, so it is not taken back here.</source>
        <translation>Todos los avisos funcionan: este usuario puede leer los teclados, así que Keyvigil también cuenta las mayúsculas. Ese acceso no lo dio Keyvigil, así que no se retira aquí.</translation>
    </message>
    <message>
        <source>Keyvigil keeps nothing of what you type.</source>
        <translation>Keyvigil no guarda nada de lo que escribe.</translation>
    </message>
    <message>
        <source>Caps Lock and Num Lock warnings work.</source>
        <translation>Los avisos de Bloq Mayús y Bloq Num funcionan.</translation>
    </message>
    <message>
        <source>No warnings work yet: GNOME does not tell other programs about Caps Lock and Num Lock.</source>
        <translation>Todavía no funciona ningún aviso: GNOME no informa a otros programas del estado de Bloq Mayús y Bloq Num.</translation>
    </message>
    <message>
        <source>No warnings work yet: this desktop does not tell other programs about Caps Lock and Num Lock.</source>
        <translation>Todavía no funciona ningún aviso: este escritorio no informa a otros programas del estado de Bloq Mayús y Bloq Num.</translation>
    </message>
    <message>
        <source>To count capital letters, Keyvigil must be allowed to read the keyboard.</source>
        <translation>Para contar mayúsculas, Keyvigil necesita permiso para leer el teclado.</translation>
    </message>
    <message>
        <source>To warn about them and count capital letters, Keyvigil must be allowed to read the keyboard.</source>
        <translation>Para avisar de ellas y contar mayúsculas, Keyvigil necesita permiso para leer el teclado.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed from your next login: log out and back in, and Keyvigil counts capital letters too.</source>
        <translation>El acceso al teclado está permitido a partir de su siguiente inicio de sesión: cierre la sesión y vuelva a entrar, y Keyvigil también contará las mayúsculas.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed from your next login: log out and back in, and all of Keyvigil&apos;s warnings work.</source>
        <translation>El acceso al teclado está permitido a partir de su siguiente inicio de sesión: cierre la sesión y vuelva a entrar, y todos los avisos de Keyvigil funcionarán.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed, but this session cannot read the keyboards yet; logging out and back in usually settles it.</source>
        <translation>El acceso al teclado está permitido, pero esta sesión aún no puede leer los teclados; cerrar la sesión y volver a entrar suele resolverlo.</translation>
    </message>
    <message>
        <source>The same goes for anyone else who logs in at this computer.</source>
        <translation>Lo mismo vale para cualquier otra persona que inicie sesión en este equipo.</translation>
    </message>
    <message>
        <source>It takes effect from your next login.</source>
        <translation>Surte efecto a partir de su siguiente inicio de sesión.</translation>
    </message>
    <message>
        <source>Allow Keyvigil to Read the Keyboard?</source>
        <translation>¿Permitir que Keyvigil lea el teclado?</translation>
    </message>
    <message>
        <source>To count capital letters in a Wayland session, Keyvigil must read the keyboards directly. Once this is allowed, every program you run, not only Keyvigil, could read everything typed on this computer&apos;s keyboards, passwords included. %1

Keyvigil keeps nothing of what you type: it never stores, logs or sends it. You can take the access back here at any time.

The administrator&apos;s password is asked for next.</source>
        <translation>Para contar mayúsculas en una sesión Wayland, Keyvigil necesita leer los teclados directamente. Una vez permitido, cualquier programa que ejecute, no solo Keyvigil, podría leer todo lo que se escribe en los teclados de este equipo, contraseñas incluidas. %1

Keyvigil no guarda nada de lo que escribe: nunca lo almacena, lo registra ni lo envía. Puede retirar el acceso aquí en cualquier momento.

A continuación se pide la contraseña del administrador.</translation>
    </message>
    <message>
        <source>Allow Access</source>
        <translation>Permitir el acceso</translation>
    </message>
    <message>
        <source>Take Keyboard Access Back?</source>
        <translation>¿Retirar el acceso al teclado?</translation>
    </message>
    <message>
        <source>Programs will no longer be able to read the keyboards directly, and in Wayland sessions Keyvigil will no longer count capital letters. This takes effect from your next login.

The administrator&apos;s password is asked for next.</source>
        <translation>Los programas ya no podrán leer los teclados directamente, y en las sesiones Wayland Keyvigil dejará de contar las mayúsculas. Surte efecto a partir de su siguiente inicio de sesión.

A continuación se pide la contraseña del administrador.</translation>
    </message>
    <message>
        <source>Programs will no longer be able to read the keyboards directly, and in Wayland sessions Keyvigil will no longer count capital letters.

The administrator&apos;s password is asked for next.</source>
        <translation>Los programas ya no podrán leer los teclados directamente, y en las sesiones Wayland Keyvigil dejará de contar las mayúsculas.

A continuación se pide la contraseña del administrador.</translation>
    </message>
    <message>
        <source>Take Access Back</source>
        <translation>Retirar el acceso</translation>
    </message>
    <message>
        <source>Keyboard access is taken back.</source>
        <translation>El acceso al teclado se ha retirado.</translation>
    </message>
    <message>
        <source>Keyboard Access Not Taken Back</source>
        <translation>Acceso al teclado no retirado</translation>
    </message>
    <message>
        <source>Keyboard Access Not Allowed</source>
        <translation>Acceso al teclado no permitido</translation>
    </message>
    <message>
        <source>Keyboard access was not taken back: %1.</source>
        <translation>No se ha retirado el acceso al teclado: %1.</translation>
    </message>
    <message>
        <source>Keyboard access was not allowed: %1.</source>
        <translation>No se ha permitido el acceso al teclado: %1.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is not installed; installing Keyvigil again installs it.</source>
        <translation>El complemento de GNOME Shell de Keyvigil no está instalado; al volver a instalar Keyvigil se instala.</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is turned on, but GNOME starts a newly installed extension only when you log in: log out and back in.</source>
        <translation>El complemento de GNOME Shell de Keyvigil está activado, pero GNOME solo inicia una extensión recién instalada al iniciar sesión: cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is installed, but GNOME starts a newly installed extension only when you log in: turn it on here, then log out and back in.</source>
        <translation>El complemento de GNOME Shell de Keyvigil está instalado, pero GNOME solo inicia una extensión recién instalada al iniciar sesión: actívelo aquí y después cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is installed but turned off; turned on, it tells Keyvigil about Caps Lock, Num Lock and the application in front, and shows the indicators.</source>
        <translation>El complemento de GNOME Shell de Keyvigil está instalado pero desactivado; activado, informa a Keyvigil de Bloq Mayús, Bloq Num y la aplicación en primer plano, y muestra los indicadores.</translation>
    </message>
    <message>
        <source>GNOME Shell could not start Keyvigil&apos;s companion (%1); installing Keyvigil again, then logging out and back in, usually settles it.</source>
        <translation>GNOME Shell no ha podido iniciar el complemento de Keyvigil (%1); volver a instalar Keyvigil y después cerrar la sesión y volver a entrar suele resolverlo.</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>sin motivo indicado</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is running: it tells Keyvigil about Caps Lock, Num Lock and the application in front, and shows the indicators.</source>
        <translation>El complemento de GNOME Shell de Keyvigil está funcionando: informa a Keyvigil de Bloq Mayús, Bloq Num y la aplicación en primer plano, y muestra los indicadores.</translation>
    </message>
    <message>
        <source>Keyvigil uses it from its next start, when you close this window.</source>
        <translation>Keyvigil lo usa a partir de su siguiente inicio, cuando cierre esta ventana.</translation>
    </message>
    <message>
        <source>It does not match this Keyvigil (interface version %1, Keyvigil&apos;s %2): install them together, then log out and back in.</source>
        <translation>No corresponde a este Keyvigil (versión de interfaz %1, la de Keyvigil %2): instálelos juntos y después cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>Turn On the GNOME Shell Companion</source>
        <translation>Activar el complemento de GNOME Shell</translation>
    </message>
    <message>
        <source>GNOME Shell Companion Not Turned On</source>
        <translation>Complemento de GNOME Shell no activado</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion was not turned on: %1.</source>
        <translation>El complemento de GNOME Shell de Keyvigil no se ha activado: %1.</translation>
    </message>
</context>
<context>
    <name>KeyvigilPref</name>
    <message>
        <source>Upgrading Keyvigil</source>
        <translation>Actualización de Keyvigil</translation>
    </message>
    <message>
        <source>System Preferences will now quit.<byte value="xd"/><byte value="xd"/>You must restart System Preferences and choose Keyvigil to complete the update.</source>
        <translation>Preferencias del Sistema se cerrará ahora.<byte value="xd"/><byte value="xd"/>Vuelva a abrir Preferencias del Sistema y elija Keyvigil para completar la actualización.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>System Preferences will now restart to complete the update of Keyvigil.</source>
        <translation>Preferencias del Sistema se reiniciará ahora para completar la actualización de Keyvigil.</translation>
    </message>
    <message>
        <source>Reinstall Keyvigil</source>
        <translation>Reinstalar Keyvigil</translation>
    </message>
    <message>
        <source>This copy of Keyvigil is incomplete: its settings window is version %1, but “%2” says it is version %3, and restarting did not change that.<byte value="xd"/><byte value="xd"/>Install Keyvigil again, then open this window.</source>
        <translation>Esta copia de Keyvigil está incompleta: su ventana de configuración es la versión %1, pero «%2» dice que es la versión %3, y reiniciar no lo ha cambiado.<byte value="xd"/><byte value="xd"/>Vuelva a instalar Keyvigil y después abra esta ventana.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>KeyvigilPrefView</name>
    <message>
        <source>Start &amp;Keyvigil, now and at every login</source>
        <translation>Iniciar &amp;Keyvigil, ahora y en cada inicio de sesión</translation>
    </message>
    <message>
        <source>When you close this window, Keyvigil Helper starts watching the keyboard in the background, and starts again at every login.</source>
        <translation>Al cerrar esta ventana, Keyvigil Helper empieza a vigilar el teclado en segundo plano y se inicia de nuevo en cada inicio de sesión.</translation>
    </message>
    <message>
        <source>Start Keyvigil, now and at every login</source>
        <translation>Iniciar Keyvigil, ahora y en cada inicio de sesión</translation>
    </message>
    <message>
        <source>Keyvigil is paused while this window is open, so that you can try settings without being warned. It starts when you close the window, if “Start Keyvigil” is on.</source>
        <translation>Keyvigil está en pausa mientras esta ventana está abierta, para que pueda probar la configuración sin recibir avisos. Se inicia al cerrar la ventana, si «Iniciar Keyvigil» está activada.</translation>
    </message>
    <message>
        <source>Keyvigil is paused</source>
        <translation>Keyvigil está en pausa</translation>
    </message>
    <message>
        <source>Help on Keyvigil running</source>
        <translation>Ayuda sobre la puesta en marcha de Keyvigil</translation>
    </message>
    <message>
        <source>Keyvigil settings</source>
        <translation>Configuración de Keyvigil</translation>
    </message>
    <message>
        <source>&amp;Warnings</source>
        <translation>A&amp;visos</translation>
    </message>
    <message>
        <source>Capital letters</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Warn after &amp;typing</source>
        <translation>Avisar tras &amp;escribir</translation>
    </message>
    <message>
        <source>Warn when this many capital letters are typed in a row.</source>
        <translation>Avisar cuando se escriban tantas mayúsculas seguidas.</translation>
    </message>
    <message>
        <source>Warn about capital letters</source>
        <translation>Avisar de las mayúsculas</translation>
    </message>
    <message>
        <source>How many capitals in a row make a warning.</source>
        <translation>Cuántas mayúsculas seguidas producen un aviso.</translation>
    </message>
    <message>
        <source>Capitals in a row</source>
        <translation>Mayúsculas seguidas</translation>
    </message>
    <message>
        <source>capitals in a row</source>
        <translation>mayúsculas seguidas</translation>
    </message>
    <message>
        <source>Warn at &amp;most</source>
        <translation>Avisar como &amp;máximo</translation>
    </message>
    <message>
        <source>Limit warnings</source>
        <translation>Limitar los avisos</translation>
    </message>
    <message>
        <source>The most warnings during one run of capitals.</source>
        <translation>El máximo de avisos durante una serie de mayúsculas.</translation>
    </message>
    <message>
        <source>Warnings per run</source>
        <translation>Avisos por serie</translation>
    </message>
    <message>
        <source>times in one run</source>
        <translation>veces por serie</translation>
    </message>
    <message>
        <source>Help on capital letters</source>
        <translation>Ayuda sobre las mayúsculas</translation>
    </message>
    <message>
        <source>Lock keys</source>
        <translation>Teclas de bloqueo</translation>
    </message>
    <message>
        <source>&amp;Caps Lock:</source>
        <translation>&amp;Bloq Mayús:</translation>
    </message>
    <message>
        <source>What to do when Caps Lock goes on. Warning until it goes off needs a sound other than the system alert.</source>
        <translation>Qué hacer cuando se activa Bloq Mayús. Avisar hasta que se desactive necesita un sonido distinto del sonido de alerta del sistema.</translation>
    </message>
    <message>
        <source>Caps Lock warning</source>
        <translation>Aviso de Bloq Mayús</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>Sin aviso</translation>
    </message>
    <message>
        <source>Warn once when it goes on</source>
        <translation>Avisar una vez al activarse</translation>
    </message>
    <message>
        <source>Warn until it goes off again</source>
        <translation>Avisar hasta que se desactive</translation>
    </message>
    <message>
        <source>&amp;Num Lock:</source>
        <translation>Bloq &amp;Num:</translation>
    </message>
    <message>
        <source>What to do when Num Lock goes on. Warning until it goes off needs a sound other than the system alert.</source>
        <translation>Qué hacer cuando se activa Bloq Num. Avisar hasta que se desactive necesita un sonido distinto del sonido de alerta del sistema.</translation>
    </message>
    <message>
        <source>Num Lock warning</source>
        <translation>Aviso de Bloq Num</translation>
    </message>
    <message>
        <source>Help on Caps Lock and Num Lock</source>
        <translation>Ayuda sobre Bloq Mayús y Bloq Num</translation>
    </message>
    <message>
        <source>How to warn</source>
        <translation>Cómo avisar</translation>
    </message>
    <message>
        <source>Play a &amp;sound:</source>
        <translation>Reproducir un &amp;sonido:</translation>
    </message>
    <message>
        <source>Play a sound with each warning.</source>
        <translation>Reproducir un sonido con cada aviso.</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Reproducir un sonido</translation>
    </message>
    <message>
        <source>The warning sound. Choosing one plays it.</source>
        <translation>El sonido de aviso. Al elegirlo se reproduce.</translation>
    </message>
    <message>
        <source>Warning sound</source>
        <translation>Sonido de aviso</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>Vol&amp;umen:</translation>
    </message>
    <message>
        <source>The warning sound&apos;s volume; the system alert plays at its own.</source>
        <translation>El volumen del sonido de aviso; la alerta del sistema suena al suyo propio.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>&amp;Flash the top of the screen</source>
        <translation>Destellar la parte su&amp;perior de la pantalla</translation>
    </message>
    <message>
        <source>Flash a strip across the top of the screen with each warning.</source>
        <translation>Hacer destellar una franja en la parte superior de la pantalla con cada aviso.</translation>
    </message>
    <message>
        <source>Flash the top of the screen</source>
        <translation>Destellar la parte superior de la pantalla</translation>
    </message>
    <message>
        <source>Show a notification with each warning.</source>
        <translation>Mostrar una notificación con cada aviso.</translation>
    </message>
    <message>
        <source>Show a desktop notification</source>
        <translation>Mostrar una notificación del escritorio</translation>
    </message>
    <message>
        <source>Help on how Keyvigil warns</source>
        <translation>Ayuda sobre cómo avisa Keyvigil</translation>
    </message>
    <message>
        <source>&amp;Indicators</source>
        <translation>&amp;Indicadores</translation>
    </message>
    <message>
        <source>Panel icon: turns red while on</source>
        <translation>Icono del panel: rojo mientras esté activado</translation>
    </message>
    <message>
        <source>Caps &amp;Lock</source>
        <translation>Bloq &amp;Mayús</translation>
    </message>
    <message>
        <source>The panel icon shows Caps Lock.</source>
        <translation>El icono muestra Bloq Mayús.</translation>
    </message>
    <message>
        <source>Panel icon for Caps Lock</source>
        <translation>Icono para Bloq Mayús</translation>
    </message>
    <message>
        <source>S&amp;hift</source>
        <translation>Ma&amp;yús</translation>
    </message>
    <message>
        <source>The panel icon shows Shift.</source>
        <translation>El icono muestra Mayús.</translation>
    </message>
    <message>
        <source>Panel icon for Shift</source>
        <translation>Icono para Mayús</translation>
    </message>
    <message>
        <source>N&amp;um Lock</source>
        <translation>Bloq &amp;Num</translation>
    </message>
    <message>
        <source>The panel icon shows Num Lock.</source>
        <translation>El icono muestra Bloq Num.</translation>
    </message>
    <message>
        <source>Panel icon for Num Lock</source>
        <translation>Icono para Bloq Num</translation>
    </message>
    <message>
        <source>Help on the tray icon</source>
        <translation>Ayuda sobre el icono del panel</translation>
    </message>
    <message>
        <source>Large picture in the middle of the screen while on</source>
        <translation>Imagen grande en el centro de la pantalla mientras esté activado</translation>
    </message>
    <message>
        <source>Show a large Caps Lock picture while Caps Lock is on.</source>
        <translation>Mostrar una imagen grande de Bloq Mayús mientras Bloq Mayús esté activado.</translation>
    </message>
    <message>
        <source>Centre picture for Caps Lock</source>
        <translation>Imagen central para Bloq Mayús</translation>
    </message>
    <message>
        <source>Num L&amp;ock</source>
        <translation>B&amp;loq Num</translation>
    </message>
    <message>
        <source>Show a large Num Lock picture while Num Lock is on.</source>
        <translation>Mostrar una imagen grande de Bloq Num mientras Bloq Num esté activado.</translation>
    </message>
    <message>
        <source>Centre picture for Num Lock</source>
        <translation>Imagen central para Bloq Num</translation>
    </message>
    <message>
        <source>Help on the centre image</source>
        <translation>Ayuda sobre la imagen central</translation>
    </message>
    <message>
        <source>Small window in the upper-left corner</source>
        <translation>Ventana pequeña en la esquina superior izquierda</translation>
    </message>
    <message>
        <source>C&amp;aps Lock</source>
        <translation>Bl&amp;oq Mayús</translation>
    </message>
    <message>
        <source>A red cell while Caps Lock (or Shift) is on.</source>
        <translation>Una celda roja mientras Bloq Mayús (o Mayús) esté activado.</translation>
    </message>
    <message>
        <source>Corner window: Caps Lock</source>
        <translation>Ventana de la esquina: Bloq Mayús</translation>
    </message>
    <message>
        <source>&amp;Num Lock</source>
        <translation>Blo&amp;q Num</translation>
    </message>
    <message>
        <source>A red cell while Num Lock is on.</source>
        <translation>Una celda roja mientras Bloq Num esté activado.</translation>
    </message>
    <message>
        <source>Corner window: Num Lock</source>
        <translation>Ventana de la esquina: Bloq Num</translation>
    </message>
    <message>
        <source>Shift, Control, Alt, Super and &amp;Fn</source>
        <translation>Mayús, Ctrl, Alt, Súper y &amp;Fn</translation>
    </message>
    <message>
        <source>A cell for each of the other modifier keys while held.</source>
        <translation>Una celda para cada una de las otras teclas modificadoras mientras esté pulsada.</translation>
    </message>
    <message>
        <source>Corner window: other keys</source>
        <translation>Ventana de la esquina: otras teclas</translation>
    </message>
    <message>
        <source>Draw ou&amp;tlines</source>
        <translation>Dibujar con&amp;tornos</translation>
    </message>
    <message>
        <source>Outline the window and its cells in light grey.</source>
        <translation>Contornear la ventana y sus celdas en gris claro.</translation>
    </message>
    <message>
        <source>Corner window outlines</source>
        <translation>Contornos de la ventana de la esquina</translation>
    </message>
    <message>
        <source>Preview of the corner window</source>
        <translation>Vista previa de la ventana de la esquina</translation>
    </message>
    <message>
        <source>Help on the upper-left window</source>
        <translation>Ayuda sobre la ventana superior izquierda</translation>
    </message>
    <message>
        <source>E&amp;xclusions</source>
        <translation>E&amp;xclusiones</translation>
    </message>
    <message>
        <source>Excluded words</source>
        <translation>Palabras excluidas</translation>
    </message>
    <message>
        <source>Capitals that spell one of these words do not count towards a warning.</source>
        <translation>Las mayúsculas que forman una de estas palabras no cuentan para un aviso.</translation>
    </message>
    <message>
        <source>Exclude words</source>
        <translation>Excluir palabras</translation>
    </message>
    <message>
        <source>&amp;Add Word</source>
        <translation>&amp;Añadir palabra</translation>
    </message>
    <message>
        <source>Add a word: type it into the new row.</source>
        <translation>Añadir una palabra: escríbala en la fila nueva.</translation>
    </message>
    <message>
        <source>Add word</source>
        <translation>Añadir palabra</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove the selected words.</source>
        <translation>Quitar las palabras seleccionadas.</translation>
    </message>
    <message>
        <source>Remove words</source>
        <translation>Quitar palabras</translation>
    </message>
    <message>
        <source>Word list error</source>
        <translation>Error en la lista de palabras</translation>
    </message>
    <message>
        <source>Help on excluded words</source>
        <translation>Ayuda sobre las palabras excluidas</translation>
    </message>
    <message>
        <source>Excluded applications</source>
        <translation>Aplicaciones excluidas</translation>
    </message>
    <message>
        <source>Nothing typed while one of these applications is in front is counted.</source>
        <translation>No se cuenta nada de lo que se escribe mientras una de estas aplicaciones está en primer plano.</translation>
    </message>
    <message>
        <source>Applications in which capitals are not counted.</source>
        <translation>Aplicaciones en las que no se cuentan las mayúsculas.</translation>
    </message>
    <message>
        <source>Choose applications to exclude.</source>
        <translation>Elegir aplicaciones para excluir.</translation>
    </message>
    <message>
        <source>Add application</source>
        <translation>Añadir aplicación</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Qui&amp;tar</translation>
    </message>
    <message>
        <source>Remove the selected applications.</source>
        <translation>Quitar las aplicaciones seleccionadas.</translation>
    </message>
    <message>
        <source>Remove applications</source>
        <translation>Quitar aplicaciones</translation>
    </message>
    <message>
        <source>Application list error</source>
        <translation>Error en la lista de aplicaciones</translation>
    </message>
    <message>
        <source>Keyvigil does not count the capitals typed in the applications you choose. Choose several at once with Ctrl or Shift.</source>
        <translation>Keyvigil no cuenta las mayúsculas escritas en las aplicaciones que elija. Elija varias a la vez con Ctrl o Mayús.</translation>
    </message>
    <message>
        <source>Help on excluded applications</source>
        <translation>Ayuda sobre las aplicaciones excluidas</translation>
    </message>
    <message>
        <source>Keys not counted</source>
        <translation>Teclas no contadas</translation>
    </message>
    <message>
        <source>Capitals typed with &amp;Shift (count only Caps Lock)</source>
        <translation>Mayúsculas escritas con Ma&amp;yús (contar solo Bloq Mayús)</translation>
    </message>
    <message>
        <source>Only capitals typed with Caps Lock on count.</source>
        <translation>Solo cuentan las mayúsculas escritas con Bloq Mayús activado.</translation>
    </message>
    <message>
        <source>Exclude Shift capitals</source>
        <translation>Excluir las mayúsculas escritas con Mayús</translation>
    </message>
    <message>
        <source>Keys typed with &amp;Control or Super held</source>
        <translation>Teclas pulsadas con Ctrl o &amp;Súper</translation>
    </message>
    <message>
        <source>Shortcuts such as Ctrl+S are not counted.</source>
        <translation>Los atajos como Ctrl+S no se cuentan.</translation>
    </message>
    <message>
        <source>Exclude shortcuts</source>
        <translation>Excluir los atajos</translation>
    </message>
    <message>
        <source>Keys that type &amp;no printable character</source>
        <translation>Teclas que no escriben ningún carácter i&amp;mprimible</translation>
    </message>
    <message>
        <source>Return, Tab, arrows and the like are not counted.</source>
        <translation>Intro, Tab, las flechas y similares no se cuentan.</translation>
    </message>
    <message>
        <source>Exclude non-printing keys</source>
        <translation>Excluir las teclas no imprimibles</translation>
    </message>
    <message>
        <source>Help on the exclusion rules</source>
        <translation>Ayuda sobre las teclas no contadas</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>Keyboard access</source>
        <translation>Acceso al teclado</translation>
    </message>
    <message>
        <source>Asks for the administrator&apos;s password, after you confirm, to let Keyvigil read the keyboard or to take that access back.</source>
        <translation>Pide, tras su confirmación, la contraseña del administrador para permitir que Keyvigil lea el teclado o retirarle ese acceso.</translation>
    </message>
    <message>
        <source>Allow or take back keyboard access</source>
        <translation>Permitir o retirar el acceso al teclado</translation>
    </message>
    <message>
        <source>Help on keyboard access</source>
        <translation>Ayuda sobre el acceso al teclado</translation>
    </message>
    <message>
        <source>Check for new versions</source>
        <translation>Buscar versiones nuevas</translation>
    </message>
    <message>
        <source>There is no update service for this system; the setting is kept for other systems.</source>
        <translation>No hay servicio de actualizaciones para este sistema; el ajuste se conserva para otros sistemas.</translation>
    </message>
    <message>
        <source>Help and support</source>
        <translation>Ayuda y soporte</translation>
    </message>
    <message>
        <source>The support mail holds your settings, Keyvigil&apos;s lines from this boot&apos;s journal and its crash reports, so that a problem can be understood. Your mail program opens it for you to read and change before you send it.</source>
        <translation>El correo al soporte contiene su configuración, las líneas de Keyvigil del registro de este arranque y sus informes de fallos, para que se pueda entender un problema. Su programa de correo lo abre para que pueda leerlo y cambiarlo antes de enviarlo.</translation>
    </message>
    <message>
        <source>&amp;Email Support…</source>
        <translation>Escribir al s&amp;oporte…</translation>
    </message>
    <message>
        <source>Opens a new message to support@keyvigil.org in your mail program.</source>
        <translation>Abre un mensaje nuevo a support@keyvigil.org en su programa de correo.</translation>
    </message>
    <message>
        <source>Email support</source>
        <translation>Escribir al soporte</translation>
    </message>
    <message>
        <source>Help on help and support</source>
        <translation>Ayuda sobre ayuda y soporte</translation>
    </message>
    <message>
        <source>Lock warning choices</source>
        <translation>Opciones de aviso</translation>
    </message>
    <message>
        <source>Lock warning choices without a looping sound</source>
        <translation>Opciones de aviso sin sonido repetido</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Limit how often one run of capitals is warned about. Unticked, every capital from the count on warns.</source>
        <translation>Limita cuántas veces se avisa en una serie de mayúsculas. Sin marcar, avisa cada mayúscula a partir del umbral.</translation>
    </message>
    <message>
        <source>Show a desktop n&amp;otification</source>
        <translation>Mostrar una n&amp;otificación del escritorio</translation>
    </message>
    <message>
        <source>&amp;Caps Lock</source>
        <translation>&amp;Bloq Mayús</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t count the capitals of these words:</source>
        <translation>No contar las mayúsculas de estas &amp;palabras:</translation>
    </message>
    <message>
        <source>Words whose capitals are not counted, each no longer than the capitals in a row that warn.</source>
        <translation>Palabras cuyas mayúsculas no se cuentan, cada una no más larga que las mayúsculas seguidas que avisan.</translation>
    </message>
    <message>
        <source>Add A&amp;pplication…</source>
        <translation>Añadir apli&amp;cación…</translation>
    </message>
    <message>
        <source>Support mail not opened</source>
        <translation>Correo al soporte no abierto</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Copies the support mail&apos;s text, to paste into a mail to support@keyvigil.org.</source>
        <translation>Copia el texto del correo al soporte, para pegarlo en un correo a support@keyvigil.org.</translation>
    </message>
    <message>
        <source>Copy the support mail to the clipboard</source>
        <translation>Copiar el correo al soporte al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>G&amp;uardar…</translation>
    </message>
    <message>
        <source>Saves the support mail&apos;s text in a file, to send to support@keyvigil.org.</source>
        <translation>Guarda el texto del correo al soporte en un archivo, para enviarlo a support@keyvigil.org.</translation>
    </message>
    <message>
        <source>Save the support mail in a file</source>
        <translation>Guardar el correo al soporte en un archivo</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>T&amp;amaño:</translation>
    </message>
    <message>
        <source>How large the corner window is: 1, 2 or 3 times its smallest size, on top of the screen&apos;s own scale.</source>
        <translation>El tamaño de la ventana de la esquina: 1, 2 o 3 veces su tamaño mínimo, además de la escala propia de la pantalla.</translation>
    </message>
    <message>
        <source>Corner window size, in times its smallest</source>
        <translation>Tamaño de la ventana de la esquina, en múltiplos del mínimo</translation>
    </message>
    <message>
        <source>times the smallest</source>
        <translation>veces el mínimo</translation>
    </message>
    <message>
        <source>Preview, 8 times its smallest size</source>
        <translation>Vista previa, 8 veces su tamaño mínimo</translation>
    </message>
</context>
<context>
    <name>LinuxKeyboardAccess</name>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, is not installed (Debian&apos;s package pkexec)</source>
        <translation>pkexec, que pide la contraseña del administrador, no está instalado (paquete Debian pkexec)</translation>
    </message>
    <message>
        <source>its program %1 is missing from this installation</source>
        <translation>falta su programa %1 en esta instalación</translation>
    </message>
    <message>
        <source>pkexec cannot be run: %1</source>
        <translation>no se puede ejecutar pkexec: %1</translation>
    </message>
    <message>
        <source>pkexec ended unexpectedly</source>
        <translation>pkexec terminó inesperadamente</translation>
    </message>
    <message>
        <source>the administrator&apos;s password was not given</source>
        <translation>no se dio la contraseña del administrador</translation>
    </message>
    <message>
        <source>the password was not accepted, or nobody could be asked for it</source>
        <translation>no se aceptó la contraseña, o no se pudo pedir a nadie</translation>
    </message>
    <message>
        <source>the password was not accepted, or nobody could be asked for it (%1)</source>
        <translation>no se aceptó la contraseña, o no se pudo pedir a nadie (%1)</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2</source>
        <translation>%1 terminó con el código de salida %2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>CAPS LOCK On</source>
        <translation>Bloq Mayús activado</translation>
    </message>
    <message>
        <source>CAPS LOCK Off</source>
        <translation>Bloq Mayús desactivado</translation>
    </message>
    <message>
        <source>NUM LOCK On</source>
        <translation>Bloq Num activado</translation>
    </message>
    <message>
        <source>NUM LOCK Off</source>
        <translation>Bloq Num desactivado</translation>
    </message>
    <message>
        <source>Too Many CAPS Typed</source>
        <translation>Demasiadas mayúsculas escritas</translation>
    </message>
    <message numerus="yes">
        <source>%n CAPS typed.</source>
        <translation>
            <numerusform>%n mayúscula escrita.</numerusform>
            <numerusform>%n mayúsculas escritas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PaneContext</name>
    <message>
        <source>This window keeps your changes and saves them again when you change something or close it.</source>
        <translation>Esta ventana conserva sus cambios y vuelve a guardarlos cuando cambie algo o la cierre.</translation>
    </message>
    <message>
        <source>The changes made in this window are lost.</source>
        <translation>Los cambios hechos en esta ventana se pierden.</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Configuración no guardada</translation>
    </message>
    <message>
        <source>Keyvigil could not save your settings in “%1”: %2.<byte value="xd"/><byte value="xd"/>The settings saved there before are kept. %3</source>
        <translation>Keyvigil no ha podido guardar su configuración en «%1»: %2.<byte value="xd"/><byte value="xd"/>Se conserva la configuración guardada allí antes. %3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>RVTableViewArray</name>
    <message>
        <source>Error: Entry you specified already exists.</source>
        <translation>Error: la entrada indicada ya existe.</translation>
    </message>
</context>
<context>
    <name>SettingsKeys</name>
    <message>
        <source>Warn about a run of capital letters.</source>
        <translation>Avisar de una serie de mayúsculas.</translation>
    </message>
    <message>
        <source>How many capitals in a row make a warning.</source>
        <translation>Cuántas mayúsculas seguidas producen un aviso.</translation>
    </message>
    <message>
        <source>Warn at most warnCapsLimitCount times during one run of capitals; off, every capital from warnCount on warns.</source>
        <translation>Avisar como máximo warnCapsLimitCount veces durante una serie de mayúsculas; desactivado, avisa cada mayúscula a partir de warnCount.</translation>
    </message>
    <message>
        <source>The most warnings during one run of capitals.</source>
        <translation>El máximo de avisos durante una serie de mayúsculas.</translation>
    </message>
    <message>
        <source>Warn when Caps Lock goes on.</source>
        <translation>Avisar cuando se activa Bloq Mayús.</translation>
    </message>
    <message>
        <source>Keep the sound looping while Caps Lock stays on.</source>
        <translation>Repetir el sonido mientras Bloq Mayús siga activado.</translation>
    </message>
    <message>
        <source>Warn when Num Lock goes on.</source>
        <translation>Avisar cuando se activa Bloq Num.</translation>
    </message>
    <message>
        <source>Keep the sound looping while Num Lock stays on.</source>
        <translation>Repetir el sonido mientras Bloq Num siga activado.</translation>
    </message>
    <message>
        <source>Capitals that spell an excluded word do not count.</source>
        <translation>Las mayúsculas que forman una palabra excluida no cuentan.</translation>
    </message>
    <message>
        <source>The excluded words.</source>
        <translation>Las palabras excluidas.</translation>
    </message>
    <message>
        <source>Applications (desktop entries or .app folders) in which capitals do not count.</source>
        <translation>Aplicaciones (entradas de escritorio o carpetas .app) en las que no cuentan las mayúsculas.</translation>
    </message>
    <message>
        <source>Keys typed with Control or Super held do not count.</source>
        <translation>Las teclas pulsadas con Ctrl o Súper no cuentan.</translation>
    </message>
    <message>
        <source>Keys that type no printable character do not count.</source>
        <translation>Las teclas que no escriben ningún carácter imprimible no cuentan.</translation>
    </message>
    <message>
        <source>Capitals typed with Shift do not count, only those typed with Caps Lock on.</source>
        <translation>Las mayúsculas escritas con Mayús no cuentan, solo las escritas con Bloq Mayús activado.</translation>
    </message>
    <message>
        <source>Warn with a sound.</source>
        <translation>Avisar con un sonido.</translation>
    </message>
    <message>
        <source>The sound&apos;s name, from Keyvigil&apos;s or the desktop&apos;s sounds.</source>
        <translation>El nombre del sonido, de los sonidos de Keyvigil o del escritorio.</translation>
    </message>
    <message>
        <source>The sound&apos;s volume.</source>
        <translation>El volumen del sonido.</translation>
    </message>
    <message>
        <source>Warn by flashing the top of the screen.</source>
        <translation>Avisar con un destello en la parte superior de la pantalla.</translation>
    </message>
    <message>
        <source>Warn with a desktop notification.</source>
        <translation>Avisar con una notificación del escritorio.</translation>
    </message>
    <message>
        <source>The tray icon shows Caps Lock.</source>
        <translation>El icono del panel muestra Bloq Mayús.</translation>
    </message>
    <message>
        <source>The tray icon shows Shift.</source>
        <translation>El icono del panel muestra Mayús.</translation>
    </message>
    <message>
        <source>The tray icon shows Num Lock.</source>
        <translation>El icono del panel muestra Bloq Num.</translation>
    </message>
    <message>
        <source>Show a large picture in the centre of the screen while Caps Lock is on.</source>
        <translation>Mostrar una imagen grande en el centro de la pantalla mientras Bloq Mayús esté activado.</translation>
    </message>
    <message>
        <source>Show a large picture in the centre of the screen while Num Lock is on.</source>
        <translation>Mostrar una imagen grande en el centro de la pantalla mientras Bloq Num esté activado.</translation>
    </message>
    <message>
        <source>The upper-left window has a cell for Caps Lock.</source>
        <translation>La ventana superior izquierda tiene una celda para Bloq Mayús.</translation>
    </message>
    <message>
        <source>The upper-left window has a cell for Num Lock.</source>
        <translation>La ventana superior izquierda tiene una celda para Bloq Num.</translation>
    </message>
    <message>
        <source>The upper-left window has cells for Shift, Control, Alt, Super and Fn.</source>
        <translation>La ventana superior izquierda tiene celdas para Mayús, Ctrl, Alt, Súper y Fn.</translation>
    </message>
    <message>
        <source>Outline the upper-left window and its cells.</source>
        <translation>Contornear la ventana superior izquierda y sus celdas.</translation>
    </message>
    <message>
        <source>How large the upper-left window is, in times its smallest size; the screen&apos;s scale comes on top.</source>
        <translation>El tamaño de la ventana superior izquierda, en múltiplos de su tamaño mínimo; la escala de la pantalla se suma.</translation>
    </message>
    <message>
        <source>Run Keyvigil Helper in the background, now and at every login.</source>
        <translation>Ejecutar Keyvigil Helper en segundo plano, ahora y en cada inicio de sesión.</translation>
    </message>
    <message>
        <source>Check for new versions (kept for other systems; no update service here).</source>
        <translation>Buscar versiones nuevas (se guarda para otros sistemas; aquí no hay servicio de actualizaciones).</translation>
    </message>
    <message>
        <source>Set once the settings window has taken the settings over.</source>
        <translation>Se activa cuando la ventana de configuración ha asumido la configuración.</translation>
    </message>
    <message>
        <source>Where the settings window&apos;s bundle is; written each time the window opens.</source>
        <translation>Dónde está el paquete de la ventana de configuración; se escribe cada vez que se abre la ventana.</translation>
    </message>
    <message>
        <source>Older setting: when set, the tray icon&apos;s Caps Lock and Shift default to its opposite.</source>
        <translation>Ajuste antiguo: si existe, Bloq Mayús y Mayús del icono toman por defecto su valor contrario.</translation>
    </message>
    <message>
        <source>Older setting: any of these four on makes showOtherUpperLeft default to on.</source>
        <translation>Ajuste antiguo: si cualquiera de estos cuatro está activado, showOtherUpperLeft se activa por defecto.</translation>
    </message>
    <message>
        <source>Older setting, as showFnUpperLeft.</source>
        <translation>Ajuste antiguo, como showFnUpperLeft.</translation>
    </message>
    <message>
        <source>The store has taken over an older settings file.</source>
        <translation>El almacén ha asumido un archivo de configuración antiguo.</translation>
    </message>
    <message>
        <source>The store file could not be read and was started afresh.</source>
        <translation>No se pudo leer el archivo del almacén y se empezó de nuevo.</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>Desktop sounds</source>
        <translation>Sonidos del escritorio</translation>
    </message>
    <message>
        <source>Sounds on this computer</source>
        <translation>Sonidos de este equipo</translation>
    </message>
    <message>
        <source>Your sounds</source>
        <translation>Sus sonidos</translation>
    </message>
    <message>
        <source>System Alert Sound</source>
        <translation>Sonido de alerta del sistema</translation>
    </message>
    <message>
        <source>Keyvigil’s own sound</source>
        <translation>Sonido propio de Keyvigil</translation>
    </message>
</context>
<context>
    <name>StatusItem</name>
    <message>
        <source>Caps Lock and Num Lock are on</source>
        <translation>Bloq Mayús y Bloq Num están activados</translation>
    </message>
    <message>
        <source>Caps Lock is on</source>
        <translation>Bloq Mayús está activado</translation>
    </message>
    <message>
        <source>Num Lock is on</source>
        <translation>Bloq Num está activado</translation>
    </message>
    <message>
        <source>Shift is held down</source>
        <translation>Mayús está pulsada</translation>
    </message>
    <message>
        <source>No watched key is on</source>
        <translation>Ninguna tecla vigilada está activada</translation>
    </message>
    <message>
        <source>Warnings paused until %1</source>
        <translation>Avisos en pausa hasta las %1</translation>
    </message>
    <message>
        <source>Open Keyvigil Settings…</source>
        <translation>Abrir la configuración de Keyvigil…</translation>
    </message>
    <message>
        <source>Resume Warnings</source>
        <translation>Reanudar los avisos</translation>
    </message>
    <message>
        <source>Pause Warnings for 5 Minutes</source>
        <translation>Pausar los avisos durante 5 minutos</translation>
    </message>
</context>
<context>
    <name>SupportMailControl</name>
    <message>
        <source>The support mail could not be opened in a mail program: %1. Copy its text or save it in a file, and send it to %2 from any mail program.</source>
        <translation>No se ha podido abrir el correo al soporte en un programa de correo: %1. Copie su texto o guárdelo en un archivo, y envíelo a %2 desde cualquier programa de correo.</translation>
    </message>
    <message>
        <source>The support mail is on the clipboard. Paste it into a new mail to %1 before you close this window.</source>
        <translation>El correo al soporte está en el portapapeles. Péguelo en un correo nuevo a %1 antes de cerrar esta ventana.</translation>
    </message>
    <message>
        <source>Keyvigil support mail.txt</source>
        <translation>Correo al soporte de Keyvigil.txt</translation>
    </message>
    <message>
        <source>Support Mail Not Saved</source>
        <translation>Correo al soporte no guardado</translation>
    </message>
    <message>
        <source>Keyvigil could not save the support mail in “%1”: %2.</source>
        <translation>Keyvigil no ha podido guardar el correo al soporte en «%1»: %2.</translation>
    </message>
    <message>
        <source>The support mail is saved in “%1”. Send it to %2, attached or pasted into a mail.</source>
        <translation>El correo al soporte se ha guardado en «%1». Envíelo a %2, adjunto o pegado en un correo.</translation>
    </message>
    <message>
        <source>Save the Support Mail</source>
        <translation>Guardar el correo al soporte</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
</context>
<context>
    <name>keyvigil-defaults</name>
    <message>
        <source>write needs a type: -bool, -int, -float, -string or -array</source>
        <translation>write necesita un tipo: -bool, -int, -float, -string o -array</translation>
    </message>
    <message>
        <source>unknown type %1</source>
        <translation>tipo desconocido %1</translation>
    </message>
    <message>
        <source>%1 takes exactly one value</source>
        <translation>%1 admite exactamente un valor</translation>
    </message>
    <message>
        <source>-bool needs YES or NO, not &quot;%1&quot;</source>
        <translation>-bool necesita YES o NO, no «%1»</translation>
    </message>
    <message>
        <source>-int needs a 32-bit integer, not &quot;%1&quot;</source>
        <translation>-int necesita un entero de 32 bits, no «%1»</translation>
    </message>
    <message>
        <source>-float needs a decimal number, not &quot;%1&quot;</source>
        <translation>-float necesita un número decimal, no «%1»</translation>
    </message>
    <message>
        <source>-d needs an identifier</source>
        <translation>-d necesita un identificador</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable identifier</source>
        <translation>«%1» no es un identificador utilizable</translation>
    </message>
    <message>
        <source>read takes at most one key</source>
        <translation>read admite como máximo una clave</translation>
    </message>
    <message>
        <source>delete takes exactly one key</source>
        <translation>delete admite exactamente una clave</translation>
    </message>
    <message>
        <source>keys takes no arguments</source>
        <translation>keys no admite argumentos</translation>
    </message>
    <message>
        <source>write needs a key</source>
        <translation>write necesita una clave</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; %2</source>
        <translation>orden desconocida «%1»; %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Settings (key, write option, default, meaning):</source>
        <translation>Ajustes (clave, opción de escritura, valor predeterminado, significado):</translation>
    </message>
    <message>
        <source>Older keys, read only to work out the defaults above:</source>
        <translation>Claves antiguas, leídas solo para calcular los valores predeterminados de arriba:</translation>
    </message>
    <message>
        <source>warning: &quot;%1&quot; is not one of Keyvigil&apos;s settings (see &quot;keyvigil-defaults keys&quot;); written anyway</source>
        <translation>aviso: «%1» no es un ajuste de Keyvigil (vea «keyvigil-defaults keys»); se escribe de todos modos</translation>
    </message>
    <message>
        <source>warning: &quot;%1&quot; is read as %2, not %3; written anyway</source>
        <translation>aviso: «%1» se lee como %2, no como %3; se escribe de todos modos</translation>
    </message>
    <message>
        <source>warning: &quot;%1&quot; is meant to be %2, not %3; written anyway</source>
        <translation>aviso: «%1» debe ser %2, no %3; se escribe de todos modos</translation>
    </message>
    <message>
        <source>%1 could not be read; it is taken as an empty store</source>
        <translation>no se ha podido leer %1; se toma como un almacén vacío</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not exist in %2</source>
        <translation>la clave «%1» no existe en %2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not exist in %2; nothing deleted</source>
        <translation>la clave «%1» no existe en %2; no se elimina nada</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>no se ha podido escribir %1</translation>
    </message>
</context>
</TS>
