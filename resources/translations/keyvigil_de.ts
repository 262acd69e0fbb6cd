<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ApplicationChooser</name>
    <message>
        <source>Choose Applications</source>
        <translation>Anwendungen auswählen</translation>
    </message>
    <message>
        <source>Choose applications</source>
        <translation>Anwendungen auswählen</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Anwendungen suchen</translation>
    </message>
    <message>
        <source>Shows only the applications whose name contains what you type.</source>
        <translation>Zeigt nur die Anwendungen, deren Name das Getippte enthält.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Ctrl-click or Shift-click to choose several applications.</source>
        <translation>Strg-Klick oder Umschalt-Klick wählt mehrere Anwendungen.</translation>
    </message>
    <message>
        <source>What the applications you choose are used for.</source>
        <translation>Wofür die gewählten Anwendungen verwendet werden.</translation>
    </message>
    <message>
        <source>&amp;Other…</source>
        <translation>&amp;Andere …</translation>
    </message>
    <message>
        <source>Other application</source>
        <translation>Andere Anwendung</translation>
    </message>
    <message>
        <source>Choose an application bundle or desktop entry in another folder.</source>
        <translation>Ein Anwendungsbündel oder einen Desktop-Eintrag in einem anderen Ordner wählen.</translation>
    </message>
    <message>
        <source>Cancel or choose</source>
        <translation>Abbrechen oder auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close without choosing.</source>
        <translation>Schließen, ohne etwas auszuwählen.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Choose the selected applications.</source>
        <translation>Die ausgewählten Anwendungen übernehmen.</translation>
    </message>
</context>
<context>
    <name>ApplicationFileDialog</name>
    <message>
        <source>Choose an Application</source>
        <translation>Anwendung auswählen</translation>
    </message>
    <message>
        <source>Applications (*.app *.desktop)</source>
        <translation>Anwendungen (*.app *.desktop)</translation>
    </message>
    <message>
        <source>Choose an application in another folder</source>
        <translation>Eine Anwendung in einem anderen Ordner wählen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>BookBrowser</name>
    <message>
        <source>Page not found</source>
        <translation>Seite nicht gefunden</translation>
    </message>
    <message>
        <source>No help book was named. Open the help from Keyvigil&apos;s settings window with one of its &quot;?&quot; buttons.</source>
        <translation>Es wurde kein Hilfebuch angegeben. Öffnen Sie die Hilfe aus dem Einstellungsfenster von Keyvigil mit einem seiner „?“-Knöpfe.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is not part of the help book in %2.</source>
        <translation>Die Seite „%1“ gehört nicht zum Hilfebuch in %2.</translation>
    </message>
</context>
<context>
    <name>DesktopWorkspace</name>
    <message>
        <source>xdg-mime, which finds the program for %1 links, could not be run (%2)</source>
        <translation>xdg-mime, das das Programm für %1-Links findet, konnte nicht ausgeführt werden (%2)</translation>
    </message>
    <message>
        <source>no program is set to open %1 links</source>
        <translation>kein Programm ist zum Öffnen von %1-Links eingestellt</translation>
    </message>
    <message>
        <source>the link is not a valid URL</source>
        <translation>der Link ist keine gültige Adresse</translation>
    </message>
    <message>
        <source>xdg-open could not be started (%1)</source>
        <translation>xdg-open konnte nicht gestartet werden (%1)</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>xdg-open endete mit dem Rückgabewert %1</translation>
    </message>
    <message>
        <source>xdg-open ended by signal %1</source>
        <translation>xdg-open wurde durch Signal %1 beendet</translation>
    </message>
</context>
<context>
    <name>ExclusionLists</name>
    <message numerus="yes">
        <source>“%1” is longer than the %n capitals in a row that warn, so excluding it would change nothing.</source>
        <translation>
            <numerusform>„%1“ ist länger als der %n Großbuchstabe in Folge, der warnt; es auszunehmen, würde nichts ändern.</numerusform>
            <numerusform>„%1“ ist länger als die %n Großbuchstaben in Folge, die warnen; es auszunehmen, würde nichts ändern.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error: &quot;%1&quot; is already in the application list.</source>
        <translation>Fehler: „%1“ steht bereits in der Liste der Anwendungen.</translation>
    </message>
    <message>
        <source>Error: Multiple applications you chose are already in the application list.</source>
        <translation>Fehler: Mehrere der gewählten Anwendungen stehen bereits in der Liste der Anwendungen.</translation>
    </message>
</context>
<context>
    <name>GnomeCompanionControl</name>
    <message>
        <source>GNOME&apos;s settings cannot be read (gsettings)</source>
        <translation>Die Einstellungen von GNOME können nicht gelesen werden (gsettings)</translation>
    </message>
    <message>
        <source>GNOME&apos;s settings cannot be changed (gsettings)</source>
        <translation>Die Einstellungen von GNOME können nicht geändert werden (gsettings)</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>Keyvigil Help</source>
        <translation>Keyvigil-Hilfe</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>S&amp;uchen:</translation>
    </message>
    <message>
        <source>Find in page</source>
        <translation>Auf der Seite suchen</translation>
    </message>
    <message>
        <source>Text on this page</source>
        <translation>Text auf dieser Seite</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Find the previous match (Shift+F3)</source>
        <translation>Vorherigen Treffer suchen (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Previous match</source>
        <translation>Vorheriger Treffer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Find the next match (F3)</source>
        <translation>Nächsten Treffer suchen (F3)</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Nächster Treffer</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the page before (Alt+Left)</source>
        <translation>Zurück zur vorigen Seite (Alt+Links)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Forward again (Alt+Right)</source>
        <translation>Wieder vor (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>The help&apos;s start page (Alt+Home)</source>
        <translation>Die Startseite der Hilfe (Alt+Pos1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find text on this page (Ctrl+F)</source>
        <translation>Text auf dieser Seite suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Smaller text (Ctrl+-)</source>
        <translation>Kleinere Schrift (Strg+-)</translation>
    </message>
    <message>
        <source>Normal size</source>
        <translation>Normale Größe</translation>
    </message>
    <message>
        <source>Text at its normal size (Ctrl+0)</source>
        <translation>Schrift in normaler Größe (Strg+0)</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Larger text (Ctrl++)</source>
        <translation>Größere Schrift (Strg++)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>HelperControl</name>
    <message>
        <source>Keyvigil could not be paused while this window is open: %1. It may warn you while you try settings.</source>
        <translation>Keyvigil konnte nicht pausiert werden, solange dieses Fenster geöffnet ist: %1. Es kann Sie warnen, während Sie Einstellungen ausprobieren.</translation>
    </message>
    <message>
        <source>Keyvigil Not Started</source>
        <translation>Keyvigil nicht gestartet</translation>
    </message>
    <message>
        <source>Keyvigil could not write the file that starts it, “%1”: %2. It starts with the file written before.</source>
        <translation>Keyvigil konnte die Datei, die es startet, nicht schreiben, „%1“: %2. Es startet mit der zuvor geschriebenen Datei.</translation>
    </message>
    <message>
        <source>Keyvigil could not write the file that starts it, “%1”: %2.</source>
        <translation>Keyvigil konnte die Datei, die es startet, nicht schreiben, „%1“: %2.</translation>
    </message>
    <message>
        <source>Keyvigil Helper could not be started: %1.</source>
        <translation>Keyvigil Helper konnte nicht gestartet werden: %1.</translation>
    </message>
    <message>
        <source>Keyvigil Helper was started but does not keep running: %1.</source>
        <translation>Keyvigil Helper wurde gestartet, läuft aber nicht weiter: %1.</translation>
    </message>
    <message>
        <source>Keyvigil Not Switched Off</source>
        <translation>Keyvigil nicht ausgeschaltet</translation>
    </message>
    <message>
        <source>Keyvigil could not be switched off: %1.<byte value="xd"/><byte value="xd"/>It may start again at the next login. To try again, open this window and close it with “Start Keyvigil” off.</source>
        <translation>Keyvigil konnte nicht ausgeschaltet werden: %1.<byte value="xd"/><byte value="xd"/>Es startet womöglich bei der nächsten Anmeldung wieder. Um es erneut zu versuchen, öffnen Sie dieses Fenster und schließen es mit ausgeschaltetem „Keyvigil starten“.</translation>
    </message>
    <message>
        <source>Keyvigil was stopped, but the file that starts it, “%1”, could not be removed: %2.</source>
        <translation>Keyvigil wurde beendet, aber die Datei, die es startet, „%1“, konnte nicht entfernt werden: %2.</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessControl</name>
    <message>
        <source>Allow Keyboard Access…</source>
        <translation>Tastaturzugriff erlauben …</translation>
    </message>
    <message>
        <source>Take Keyboard Access Back…</source>
        <translation>Tastaturzugriff zurücknehmen …</translation>
    </message>
    <message>
        <source>In an X11 session Keyvigil sees every key typed: all its warnings work, and nothing needs to be allowed.</source>
        <translation>In einer X11-Sitzung sieht Keyvigil jede getippte Taste: Alle Warnungen funktionieren, und nichts muss erlaubt werden.</translation>
    </message>
    <message>
        <source>Keyboard access, which only Wayland sessions need, is allowed; take it back if you do not use them.</source>
        <translation>Der Tastaturzugriff, den nur Wayland-Sitzungen brauchen, ist erlaubt; nehmen Sie ihn zurück, wenn Sie diese nicht verwenden.</translation>
    </message>
    <message>
        <source>Keyboard access is taken back from your next login; until then this session can still read the keyboards.</source>
        <translation>Der Tastaturzugriff ist ab Ihrer nächsten Anmeldung zurückgenommen; bis dahin kann diese Sitzung die Tastaturen noch lesen.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed: from its next start, when you close this window, Keyvigil reads the keyboards, and all its warnings work.</source>
        <translation>Der Tastaturzugriff ist erlaubt: Ab seinem nächsten Start, wenn Sie dieses Fenster schließen, liest Keyvigil die Tastaturen, und alle Warnungen funktionieren.</translation>
    </message>
    <message>
        <source>All warnings work: Keyvigil reads the keyboards to count capital letters.</source>
        <translation>Alle Warnungen funktionieren: Keyvigil liest die Tastaturen, um Großbuchstaben zu zählen.</translation>
    </message>
    <message>
        <source>All warnings work: this user can read the keyboards, so Keyvigil counts capital letters too. That access was not given by Keyvigil, so it is not taken back here.</source>
        <translation>Alle Warnungen funktionieren: Dieser Benutzer kann die Tastaturen lesen, daher zählt Keyvigil auch Großbuchstaben. Diesen Zugriff hat nicht Keyvigil erteilt, daher wird er hier nicht zurückgenommen.</translation>
    </message>
    <message>
        <source>Keyvigil keeps nothing of what you type.</source>
        <translation>Keyvigil behält nichts von dem, was Sie tippen.</translation>
    </message>
    <message>
        <source>Caps Lock and Num Lock warnings work.</source>
        <translation>Die Warnungen der Feststelltaste und der Num-Taste funktionieren.</translation>
    </message>
    <message>
        <source>No warnings work yet: GNOME does not tell other programs about Caps Lock and Num Lock.</source>
        <translation>Noch funktionieren keine Warnungen: GNOME teilt anderen Programmen den Zustand der Feststelltaste und der Num-Taste nicht mit.</translation>
    </message>
    <message>
        <source>No warnings work yet: this desktop does not tell other programs about Caps Lock and Num Lock.</source>
        <translation>Noch funktionieren keine Warnungen: Diese Arbeitsumgebung teilt anderen Programmen den Zustand der Feststelltaste und der Num-Taste nicht mit.</translation>
    </message>
    <message>
        <source>To count capital letters, Keyvigil must be allowed to read the keyboard.</source>
        <translation>Um Großbuchstaben zu zählen, muss Keyvigil die Tastatur lesen dürfen.</translation>
    </message>
    <message>
        <source>To warn about them and count capital letters, Keyvigil must be allowed to read the keyboard.</source>
        <translation>Um vor ihnen zu warnen und Großbuchstaben zu zählen, muss Keyvigil die Tastatur lesen dürfen.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed from your next login: log out and back in, and Keyvigil counts capital letters too.</source>
        <translation>Der Tastaturzugriff ist ab Ihrer nächsten Anmeldung erlaubt: Melden Sie sich ab und wieder an, dann zählt Keyvigil auch Großbuchstaben.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed from your next login: log out and back in, and all of Keyvigil&apos;s warnings work.</source>
        <translation>Der Tastaturzugriff ist ab Ihrer nächsten Anmeldung erlaubt: Melden Sie sich ab und wieder an, dann funktionieren alle Warnungen von Keyvigil.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed, but this session cannot read the keyboards yet; logging out and back in usually settles it.</source>
        <translation>Der Tastaturzugriff ist erlaubt, aber diese Sitzung kann die Tastaturen noch nicht lesen; Ab- und wieder Anmelden behebt das meist.</translation>
    </message>
    <message>
        <source>The same goes for anyone else who logs in at this computer.</source>
        <translation>Dasselbe gilt für jeden anderen, der sich an diesem Rechner anmeldet.</translation>
    </message>
    <message>
        <source>It takes effect from your next login.</source>
        <translation>Das gilt ab Ihrer nächsten Anmeldung.</translation>
    </message>
    <message>
        <source>Allow Keyvigil to Read the Keyboard?</source>
        <translation>Keyvigil das Lesen der Tastatur erlauben?</translation>
    </message>
    <message>
        <source>To count capital letters in a Wayland session, Keyvigil must read the keyboards directly. Once this is allowed, every program you run, not only Keyvigil, could read everything typed on this computer&apos;s keyboards, passwords included. %1

Keyvigil keeps nothing of what you type: it never stores, logs or sends it. You can take the access back here at any time.

The administrator&apos;s password is asked for next.</source>
        <translation>Um in einer Wayland-Sitzung Großbuchstaben zu zählen, muss Keyvigil die Tastaturen direkt lesen. Sobald das erlaubt ist, könnte jedes Programm, das Sie ausführen, nicht nur Keyvigil, alles lesen, was an den Tastaturen dieses Rechners getippt wird, Passwörter eingeschlossen. %1

Keyvigil behält nichts von dem, was Sie tippen: Es speichert, protokolliert oder sendet es nie. Sie können den Zugriff hier jederzeit zurücknehmen.

Als Nächstes wird nach dem Passwort des Systemverwalters gefragt.</translation>
    </message>
    <message>
        <source>Allow Access</source>
        <translation>Zugriff erlauben</translation>
    </message>
    <message>
        <source>Take Keyboard Access Back?</source>
        <translation>Tastaturzugriff zurücknehmen?</translation>
    </message>
    <message>
        <source>Programs will no longer be able to read the keyboards directly, and in Wayland sessions Keyvigil will no longer count capital letters. This takes effect from your next login.

The administrator&apos;s password is asked for next.</source>
        <translation>Programme können die Tastaturen dann nicht mehr direkt lesen, und in Wayland-Sitzungen zählt Keyvigil keine Großbuchstaben mehr. Das gilt ab Ihrer nächsten Anmeldung.

Als Nächstes wird nach dem Passwort des Systemverwalters gefragt.</translation>
    </message>
    <message>
        <source>Programs will no longer be able to read the keyboards directly, and in Wayland sessions Keyvigil will no longer count capital letters.

The administrator&apos;s password is asked for next.</source>
        <translation>Programme können die Tastaturen dann nicht mehr direkt lesen, und in Wayland-Sitzungen zählt Keyvigil keine Großbuchstaben mehr.

Als Nächstes wird nach dem Passwort des Systemverwalters gefragt.</translation>
    </message>
    <message>
        <source>Take Access Back</source>
        <translation>Zugriff zurücknehmen</translation>
    </message>
    <message>
        <source>Keyboard access is taken back.</source>
        <translation>Der Tastaturzugriff ist zurückgenommen.</translation>
    </message>
    <message>
        <source>Keyboard Access Not Taken Back</source>
        <translation>Tastaturzugriff nicht zurückgenommen</translation>
    </message>
    <message>
        <source>Keyboard Access Not Allowed</source>
        <translation>Tastaturzugriff nicht erlaubt</translation>
    </message>
    <message>
        <source>Keyboard access was not taken back: %1.</source>
        <translation>Der Tastaturzugriff wurde nicht zurückgenommen: %1.</translation>
    </message>
    <message>
        <source>Keyboard access was not allowed: %1.</source>
        <translation>Der Tastaturzugriff wurde nicht erlaubt: %1.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is not installed; installing Keyvigil again installs it.</source>
        <translation>Der GNOME-Shell-Begleiter von Keyvigil ist nicht installiert; eine erneute Installation von Keyvigil installiert ihn.</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is turned on, but GNOME starts a newly installed extension only when you log in: log out and back in.</source>
        <translation>Der GNOME-Shell-Begleiter von Keyvigil ist eingeschaltet, aber GNOME startet eine neu installierte Erweiterung erst bei der Anmeldung: Melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is installed, but GNOME starts a newly installed extension only when you log in: turn it on here, then log out and back in.</source>
        <translation>Der GNOME-Shell-Begleiter von Keyvigil ist installiert, aber GNOME startet eine neu installierte Erweiterung erst bei der Anmeldung: Schalten Sie ihn hier ein, melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is installed but turned off; turned on, it tells Keyvigil about Caps Lock, Num Lock and the application in front, and shows the indicators.</source>
        <translation>Der GNOME-Shell-Begleiter von Keyvigil ist installiert, aber ausgeschaltet; eingeschaltet teilt er Keyvigil die Feststelltaste, die Num-Taste und die Anwendung im Vordergrund mit und zeigt die Anzeigen.</translation>
    </message>
    <message>
        <source>GNOME Shell could not start Keyvigil&apos;s companion (%1); installing Keyvigil again, then logging out and back in, usually settles it.</source>
        <translation>GNOME Shell konnte den Begleiter von Keyvigil nicht starten (%1); Keyvigil erneut zu installieren und sich dann ab- und wieder anzumelden, behebt das meist.</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is running: it tells Keyvigil about Caps Lock, Num Lock and the application in front, and shows the indicators.</source>
        <translation>Der GNOME-Shell-Begleiter von Keyvigil läuft: Er teilt Keyvigil die Feststelltaste, die Num-Taste und die Anwendung im Vordergrund mit und zeigt die Anzeigen.</translation>
    </message>
    <message>
        <source>Keyvigil uses it from its next start, when you close this window.</source>
        <translation>Keyvigil verwendet ihn ab seinem nächsten Start, wenn Sie dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>It does not match this Keyvigil (interface version %1, Keyvigil&apos;s %2): install them together, then log out and back in.</source>
        <translation>Er passt nicht zu diesem Keyvigil (Schnittstellenversion %1, die von Keyvigil %2): Installieren Sie beide zusammen, melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Turn On the GNOME Shell Companion</source>
        <translation>GNOME-Shell-Begleiter einschalten</translation>
    </message>
    <message>
        <source>GNOME Shell Companion Not Turned On</source>
        <translation>GNOME-Shell-Begleiter nicht eingeschaltet</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion was not turned on: %1.</source>
        <translation>Der GNOME-Shell-Begleiter von Keyvigil wurde nicht eingeschaltet: %1.</translation>
    </message>
</context>
<context>
    <name>KeyvigilPref</name>
    <message>
        <source>Upgrading Keyvigil</source>
        <translation>Keyvigil wird aktualisiert</translation>
    </message>
    <message>
        <source>System Preferences will now quit.<byte value="xd"/><byte value="xd"/>You must restart System Preferences and choose Keyvigil to complete the update.</source>
        <translation>Die Systemeinstellungen werden jetzt beendet.<byte value="xd"/><byte value="xd"/>Starten Sie die Systemeinstellungen neu und wählen Sie Keyvigil, um die Aktualisierung abzuschließen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>System Preferences will now restart to complete the update of Keyvigil.</source>
        <translation>Die Systemeinstellungen werden jetzt neu gestartet, um die Aktualisierung von Keyvigil abzuschließen.</translation>
    </message>
    <message>
        <source>Reinstall Keyvigil</source>
        <translation>Keyvigil neu installieren</translation>
    </message>
    <message>
        <source>This copy of Keyvigil is incomplete: its settings window is version %1, but “%2” says it is version %3, and restarting did not change that.<byte value="xd"/><byte value="xd"/>Install Keyvigil again, then open this window.</source>
        <translation>Diese Kopie von Keyvigil ist unvollständig: Ihr Einstellungsfenster hat Version %1, aber „%2“ gibt Version %3 an, und ein Neustart hat daran nichts geändert.<byte value="xd"/><byte value="xd"/>Installieren Sie Keyvigil erneut und öffnen Sie dann dieses Fenster.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>KeyvigilPrefView</name>
    <message>
        <source>Start &amp;Keyvigil, now and at every login</source>
        <translation>&amp;Keyvigil starten, jetzt und bei jeder Anmeldung</translation>
    </message>
    <message>
        <source>When you close this window, Keyvigil Helper starts watching the keyboard in the background, and starts again at every login.</source>
        <translation>Wenn Sie dieses Fenster schließen, beginnt Keyvigil Helper im Hintergrund die Tastatur zu beobachten und startet bei jeder Anmeldung erneut.</translation>
    </message>
    <message>
        <source>Start Keyvigil, now and at every login</source>
        <translation>Keyvigil starten, jetzt und bei jeder Anmeldung</translation>
    </message>
    <message>
        <source>Keyvigil is paused while this window is open, so that you can try settings without being warned. It starts when you close the window, if “Start Keyvigil” is on.</source>
        <translation>Keyvigil pausiert, solange dieses Fenster geöffnet ist, damit Sie Einstellungen ausprobieren können, ohne gewarnt zu werden. Es startet, wenn Sie das Fenster schließen, sofern „Keyvigil starten“ eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Keyvigil is paused</source>
        <translation>Keyvigil pausiert</translation>
    </message>
    <message>
        <source>Help on Keyvigil running</source>
        <translation>Hilfe zum Ausführen von Keyvigil</translation>
    </message>
    <message>
        <source>Keyvigil settings</source>
        <translation>Keyvigil-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Warnings</source>
        <translation>&amp;Warnungen</translation>
    </message>
    <message>
        <source>Capital letters</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Warn after &amp;typing</source>
        <translation>Warnen &amp;nach</translation>
    </message>
    <message>
        <source>Warn when this many capital letters are typed in a row.</source>
        <translation>Warnen, wenn so viele Großbuchstaben hintereinander getippt werden.</translation>
    </message>
    <message>
        <source>Warn about capital letters</source>
        <translation>Bei Großbuchstaben warnen</translation>
    </message>
    <message>
        <source>How many capitals in a row make a warning.</source>
        <translation>Wie viele Großbuchstaben in Folge eine Warnung auslösen.</translation>
    </message>
    <message>
        <source>Capitals in a row</source>
        <translation>Großbuchstaben in Folge</translation>
    </message>
    <message>
        <source>capitals in a row</source>
        <translation>Großbuchstaben in Folge</translation>
    </message>
    <message>
        <source>Warn at &amp;most</source>
        <translation>&amp;Höchstens</translation>
    </message>
    <message>
        <source>Limit warnings</source>
        <translation>Warnungen begrenzen</translation>
    </message>
    <message>
        <source>The most warnings during one run of capitals.</source>
        <translation>Die meisten Warnungen während einer Folge von Großbuchstaben.</translation>
    </message>
    <message>
        <source>Warnings per run</source>
        <translation>Warnungen pro Folge</translation>
    </message>
    <message>
        <source>times in one run</source>
        <translation>Mal pro Folge warnen</translation>
    </message>
    <message>
        <source>Help on capital letters</source>
        <translation>Hilfe zu Großbuchstaben</translation>
    </message>
    <message>
        <source>Lock keys</source>
        <translation>Feststell- und Num-Taste</translation>
    </message>
    <message>
        <source>&amp;Caps Lock:</source>
        <translation>&amp;Feststelltaste:</translation>
    </message>
    <message>
        <source>What to do when Caps Lock goes on. Warning until it goes off needs a sound other than the system alert.</source>
        <translation>Was geschehen soll, wenn die Feststelltaste eingeschaltet wird. Warnen, bis sie wieder aus ist, braucht einen anderen Ton als den Systemwarnton.</translation>
    </message>
    <message>
        <source>Caps Lock warning</source>
        <translation>Warnung der Feststelltaste</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>Keine Warnung</translation>
    </message>
    <message>
        <source>Warn once when it goes on</source>
        <translation>Einmal warnen, wenn sie eingeschaltet wird</translation>
    </message>
    <message>
        <source>Warn until it goes off again</source>
        <translation>Warnen, bis sie wieder aus ist</translation>
    </message>
    <message>
        <source>&amp;Num Lock:</source>
        <translation>Nu&amp;m-Taste:</translation>
    </message>
    <message>
        <source>What to do when Num Lock goes on. Warning until it goes off needs a sound other than the system alert.</source>
        <translation>Was geschehen soll, wenn die Num-Taste eingeschaltet wird. Warnen, bis sie wieder aus ist, braucht einen anderen Ton als den Systemwarnton.</translation>
    </message>
    <message>
        <source>Num Lock warning</source>
        <translation>Warnung der Num-Taste</translation>
    </message>
    <message>
        <source>Help on Caps Lock and Num Lock</source>
        <translation>Hilfe zu Feststelltaste und Num-Taste</translation>
    </message>
    <message>
        <source>How to warn</source>
        <translation>Art der Warnung</translation>
    </message>
    <message>
        <source>Play a &amp;sound:</source>
        <translation>Ton abs&amp;pielen:</translation>
    </message>
    <message>
        <source>Play a sound with each warning.</source>
        <translation>Bei jeder Warnung einen Ton abspielen.</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>The warning sound. Choosing one plays it.</source>
        <translation>Der Warnton. Die Auswahl spielt ihn ab.</translation>
    </message>
    <message>
        <source>Warning sound</source>
        <translation>Warnton</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>Lau&amp;tstärke:</translation>
    </message>
    <message>
        <source>The warning sound&apos;s volume; the system alert plays at its own.</source>
        <translation>Die Lautstärke des Warntons; der Systemwarnton spielt in seiner eigenen.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>&amp;Flash the top of the screen</source>
        <translation>Oberen Bildschirmrand &amp;blinken lassen</translation>
    </message>
    <message>
        <source>Flash a strip across the top of the screen with each warning.</source>
        <translation>Bei jeder Warnung einen Streifen am oberen Bildschirmrand aufblinken lassen.</translation>
    </message>
    <message>
        <source>Flash the top of the screen</source>
        <translation>Oberen Bildschirmrand blinken lassen</translation>
    </message>
    <message>
        <source>Show a notification with each warning.</source>
        <translation>Bei jeder Warnung eine Benachrichtigung anzeigen.</translation>
    </message>
    <message>
        <source>Show a desktop notification</source>
        <translation>Desktop-Benachrichtigung anzeigen</translation>
    </message>
    <message>
        <source>Help on how Keyvigil warns</source>
        <translation>Hilfe zur Art der Warnung</translation>
    </message>
    <message>
        <source>&amp;Indicators</source>
        <translation>An&amp;zeigen</translation>
    </message>
    <message>
        <source>Panel icon: turns red while on</source>
        <translation>Symbol in der Kontrollleiste: rot, solange eingeschaltet</translation>
    </message>
    <message>
        <source>Caps &amp;Lock</source>
        <translation>&amp;Feststelltaste</translation>
    </message>
    <message>
        <source>The panel icon shows Caps Lock.</source>
        <translation>Das Symbol zeigt die Feststelltaste.</translation>
    </message>
    <message>
        <source>Panel icon for Caps Lock</source>
        <translation>Symbol für die Feststelltaste</translation>
    </message>
    <message>
        <source>S&amp;hift</source>
        <translation>Umsc&amp;halttaste</translation>
    </message>
    <message>
        <source>The panel icon shows Shift.</source>
        <translation>Das Symbol zeigt die Umschalttaste.</translation>
    </message>
    <message>
        <source>Panel icon for Shift</source>
        <translation>Symbol für die Umschalttaste</translation>
    </message>
    <message>
        <source>N&amp;um Lock</source>
        <translation>&amp;Num-Taste</translation>
    </message>
    <message>
        <source>The panel icon shows Num Lock.</source>
        <translation>Das Symbol zeigt die Num-Taste.</translation>
    </message>
    <message>
        <source>Panel icon for Num Lock</source>
        <translation>Symbol für die Num-Taste</translation>
    </message>
    <message>
        <source>Help on the tray icon</source>
        <translation>Hilfe zum Symbol in der Kontrollleiste</translation>
    </message>
    <message>
        <source>Large picture in the middle of the screen while on</source>
        <translation>Großes Bild in der Bildschirmmitte, solange eingeschaltet</translation>
    </message>
    <message>
        <source>Show a large Caps Lock picture while Caps Lock is on.</source>
        <translation>Ein großes Bild der Feststelltaste zeigen, solange sie eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Centre picture for Caps Lock</source>
        <translation>Bild in der Mitte für die Feststelltaste</translation>
    </message>
    <message>
        <source>Num L&amp;ock</source>
        <translation>Num-T&amp;aste</translation>
    </message>
    <message>
        <source>Show a large Num Lock picture while Num Lock is on.</source>
        <translation>Ein großes Bild der Num-Taste zeigen, solange sie eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Centre picture for Num Lock</source>
        <translation>Bild in der Mitte für die Num-Taste</translation>
    </message>
    <message>
        <source>Help on the centre image</source>
        <translation>Hilfe zum Bild in der Mitte</translation>
    </message>
    <message>
        <source>Small window in the upper-left corner</source>
        <translation>Kleines Fenster in der oberen linken Ecke</translation>
    </message>
    <message>
        <source>C&amp;aps Lock</source>
        <translation>Fes&amp;tstelltaste</translation>
    </message>
    <message>
        <source>A red cell while Caps Lock (or Shift) is on.</source>
        <translation>Ein rotes Feld, solange die Feststelltaste (oder Umschalttaste) eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Corner window: Caps Lock</source>
        <translation>Eckfenster: Feststelltaste</translation>
    </message>
    <message>
        <source>&amp;Num Lock</source>
        <translation>Nu&amp;m-Taste</translation>
    </message>
    <message>
        <source>A red cell while Num Lock is on.</source>
        <translation>Ein rotes Feld, solange die Num-Taste eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Corner window: Num Lock</source>
        <translation>Eckfenster: Num-Taste</translation>
    </message>
    <message>
        <source>Shift, Control, Alt, Super and &amp;Fn</source>
        <translation>Umschalt, Strg, Alt, Su&amp;per und Fn</translation>
    </message>
    <message>
        <source>A cell for each of the other modifier keys while held.</source>
        <translation>Ein Feld für jede der anderen Sondertasten, solange sie gedrückt wird.</translation>
    </message>
    <message>
        <source>Corner window: other keys</source>
        <translation>Eckfenster: andere Tasten</translation>
    </message>
    <message>
        <source>Draw ou&amp;tlines</source>
        <translation>Um&amp;risse zeichnen</translation>
    </message>
    <message>
        <source>Outline the window and its cells in light grey.</source>
        <translation>Das Fenster und seine Felder hellgrau umranden.</translation>
    </message>
    <message>
        <source>Corner window outlines</source>
        <translation>Umrisse des Eckfensters</translation>
    </message>
    <message>
        <source>Preview of the corner window</source>
        <translation>Vorschau des Eckfensters</translation>
    </message>
    <message>
        <source>Help on the upper-left window</source>
        <translation>Hilfe zum Fenster oben links</translation>
    </message>
    <message>
        <source>E&amp;xclusions</source>
        <translation>A&amp;usnahmen</translation>
    </message>
    <message>
        <source>Excluded words</source>
        <translation>Ausgenommene Wörter</translation>
    </message>
    <message>
        <source>Capitals that spell one of these words do not count towards a warning.</source>
        <translation>Großbuchstaben, die eines dieser Wörter bilden, zählen nicht für eine Warnung.</translation>
    </message>
    <message>
        <source>Exclude words</source>
        <translation>Wörter ausnehmen</translation>
    </message>
    <message>
        <source>&amp;Add Word</source>
        <translation>W&amp;ort hinzufügen</translation>
    </message>
    <message>
        <source>Add a word: type it into the new row.</source>
        <translation>Ein Wort hinzufügen: Tippen Sie es in die neue Zeile.</translation>
    </message>
    <message>
        <source>Add word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected words.</source>
        <translation>Die ausgewählten Wörter entfernen.</translation>
    </message>
    <message>
        <source>Remove words</source>
        <translation>Wörter entfernen</translation>
    </message>
    <message>
        <source>Word list error</source>
        <translation>Fehler in der Wortliste</translation>
    </message>
    <message>
        <source>Help on excluded words</source>
        <translation>Hilfe zu ausgenommenen Wörtern</translation>
    </message>
    <message>
        <source>Excluded applications</source>
        <translation>Ausgenommene Anwendungen</translation>
    </message>
    <message>
        <source>Nothing typed while one of these applications is in front is counted.</source>
        <translation>Nichts, was getippt wird, während eine dieser Anwendungen im Vordergrund ist, wird gezählt.</translation>
    </message>
    <message>
        <source>Applications in which capitals are not counted.</source>
        <translation>Anwendungen, in denen Großbuchstaben nicht gezählt werden.</translation>
    </message>
    <message>
        <source>Choose applications to exclude.</source>
        <translation>Auszunehmende Anwendungen auswählen.</translation>
    </message>
    <message>
        <source>Add application</source>
        <translation>Anwendung hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Remove the selected applications.</source>
        <translation>Die ausgewählten Anwendungen entfernen.</translation>
    </message>
    <message>
        <source>Remove applications</source>
        <translation>Anwendungen entfernen</translation>
    </message>
    <message>
        <source>Application list error</source>
        <translation>Fehler in der Anwendungsliste</translation>
    </message>
    <message>
        <source>Keyvigil does not count the capitals typed in the applications you choose. Choose several at once with Ctrl or Shift.</source>
        <translation>Keyvigil zählt die Großbuchstaben nicht, die in den gewählten Anwendungen getippt werden. Wählen Sie mehrere auf einmal mit Strg oder Umschalt.</translation>
    </message>
    <message>
        <source>Help on excluded applications</source>
        <translation>Hilfe zu ausgenommenen Anwendungen</translation>
    </message>
    <message>
        <source>Keys not counted</source>
        <translation>Nicht gezählte Tasten</translation>
    </message>
    <message>
        <source>Capitals typed with &amp;Shift (count only Caps Lock)</source>
        <translation>Mit Umschalttaste getippte &amp;Großbuchstaben (nur die Feststelltaste zählt)</translation>
    </message>
    <message>
        <source>Only capitals typed with Caps Lock on count.</source>
        <translation>Nur Großbuchstaben, die bei eingeschalteter Feststelltaste getippt werden, zählen.</translation>
    </message>
    <message>
        <source>Exclude Shift capitals</source>
        <translation>Großbuchstaben mit Umschalttaste ausnehmen</translation>
    </message>
    <message>
        <source>Keys typed with &amp;Control or Super held</source>
        <translation>Bei gedrückter &amp;Strg- oder Super-Taste getippte Tasten</translation>
    </message>
    <message>
        <source>Shortcuts such as Ctrl+S are not counted.</source>
        <translation>Tastenkürzel wie Strg+S werden nicht gezählt.</translation>
    </message>
    <message>
        <source>Exclude shortcuts</source>
        <translation>Tastenkürzel ausnehmen</translation>
    </message>
    <message>
        <source>Keys that type &amp;no printable character</source>
        <translation>Tasten, die kein druckba&amp;res Zeichen erzeugen</translation>
    </message>
    <message>
        <source>Return, Tab, arrows and the like are not counted.</source>
        <translation>Eingabetaste, Tabulator, Pfeiltasten und ähnliche werden nicht gezählt.</translation>
    </message>
    <message>
        <source>Exclude non-printing keys</source>
        <translation>Nicht druckende Tasten ausnehmen</translation>
    </message>
    <message>
        <source>Help on the exclusion rules</source>
        <translation>Hilfe zu den nicht gezählten Tasten</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>A&amp;llgemein</translation>
    </message>
    <message>
        <source>Keyboard access</source>
        <translation>Tastaturzugriff</translation>
    </message>
    <message>
        <source>Asks for the administrator&apos;s password, after you confirm, to let Keyvigil read the keyboard or to take that access back.</source>
        <translation>Fragt nach Ihrer Bestätigung nach dem Passwort des Systemverwalters, um Keyvigil das Lesen der Tastatur zu erlauben oder diesen Zugriff zurückzunehmen.</translation>
    </message>
    <message>
        <source>Allow or take back keyboard access</source>
        <translation>Tastaturzugriff erlauben oder zurücknehmen</translation>
    </message>
    <message>
        <source>Help on keyboard access</source>
        <translation>Hilfe zum Tastaturzugriff</translation>
    </message>
    <message>
        <source>Check for new versions</source>
        <translation>Nach neuen Versionen suchen</translation>
    </message>
    <message>
        <source>There is no update service for this system; the setting is kept for other systems.</source>
        <translation>Für dieses System gibt es keinen Aktualisierungsdienst; die Einstellung wird für andere Systeme aufbewahrt.</translation>
    </message>
    <message>
        <source>Help and support</source>
        <translation>Hilfe und Unterstützung</translation>
    </message>
    <message>
        <source>The support mail holds your settings, Keyvigil&apos;s lines from this boot&apos;s journal and its crash reports, so that a problem can be understood. Your mail program opens it for you to read and change before you send it.</source>
        <translation>Die Support-E-Mail enthält Ihre Einstellungen, die Keyvigil-Zeilen aus dem Journal dieses Systemstarts und seine Absturzberichte, damit sich ein Problem verstehen lässt. Ihr E-Mail-Programm öffnet sie, damit Sie sie vor dem Senden lesen und ändern können.</translation>
    </message>
    <message>
        <source>&amp;Email Support…</source>
        <translation>Support per &amp;E-Mail …</translation>
    </message>
    <message>
        <source>Opens a new message to support@keyvigil.org in your mail program.</source>
        <translation>Öffnet in Ihrem E-Mail-Programm eine neue Nachricht an support@keyvigil.org.</translation>
    </message>
    <message>
        <source>Email support</source>
        <translation>Support per E-Mail</translation>
    </message>
    <message>
        <source>Help on help and support</source>
        <translation>Hilfe zu Hilfe und Unterstützung</translation>
    </message>
    <message>
        <source>Lock warning choices</source>
        <translation>Möglichkeiten der Warnung</translation>
    </message>
    <message>
        <source>Lock warning choices without a looping sound</source>
        <translation>Möglichkeiten der Warnung ohne wiederholten Ton</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Limit how often one run of capitals is warned about. Unticked, every capital from the count on warns.</source>
        <translation>Begrenzt, wie oft bei einer Folge von Großbuchstaben gewarnt wird. Nicht angekreuzt, warnt jeder Großbuchstabe ab der Warnschwelle.</translation>
    </message>
    <message>
        <source>Show a desktop n&amp;otification</source>
        <translation>&amp;Desktop-Benachrichtigung anzeigen</translation>
    </message>
    <message>
        <source>&amp;Caps Lock</source>
        <translation>F&amp;eststelltaste</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t count the capitals of these words:</source>
        <translation>Großbuchstaben &amp;dieser Wörter nicht zählen:</translation>
    </message>
    <message>
        <source>Words whose capitals are not counted, each no longer than the capitals in a row that warn.</source>
        <translation>Wörter, deren Großbuchstaben nicht gezählt werden, jedes nicht länger als die Großbuchstaben in Folge, die warnen.</translation>
    </message>
    <message>
        <source>Add A&amp;pplication…</source>
        <translation>Anwendung &amp;hinzufügen …</translation>
    </message>
    <message>
        <source>Support mail not opened</source>
        <translation>Support-E-Mail nicht geöffnet</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>In die Zwischenablage k&amp;opieren</translation>
    </message>
    <message>
        <source>Copies the support mail&apos;s text, to paste into a mail to support@keyvigil.org.</source>
        <translation>Kopiert den Text der Support-E-Mail, um ihn in eine E-Mail an support@keyvigil.org einzufügen.</translation>
    </message>
    <message>
        <source>Copy the support mail to the clipboard</source>
        <translation>Support-E-Mail in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern …</translation>
    </message>
    <message>
        <source>Saves the support mail&apos;s text in a file, to send to support@keyvigil.org.</source>
        <translation>Speichert den Text der Support-E-Mail in einer Datei, um ihn an support@keyvigil.org zu senden.</translation>
    </message>
    <message>
        <source>Save the support mail in a file</source>
        <translation>Support-E-Mail in einer Datei speichern</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>How large the corner window is: 1, 2 or 3 times its smallest size, on top of the screen&apos;s own scale.</source>
        <translation>Wie groß das Eckfenster ist: 1-, 2- oder 3-mal seine kleinste Größe, zusätzlich zur Skalierung des Bildschirms.</translation>
    </message>
    <message>
        <source>Corner window size, in times its smallest</source>
        <translation>Größe des Eckfensters, als Vielfaches der kleinsten</translation>
    </message>
    <message>
        <source>times the smallest</source>
        <translation>mal die kleinste Größe</translation>
    </message>
    <message>
        <source>Preview, 8 times its smallest size</source>
        <translation>Vorschau in 8-facher Mindestgröße</translation>
    </message>
</context>
<context>
    <name>LinuxKeyboardAccess</name>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, is not installed (Debian&apos;s package pkexec)</source>
        <translation>pkexec, das nach dem Passwort des Systemverwalters fragt, ist nicht installiert (Debian-Paket pkexec)</translation>
    </message>
    <message>
        <source>its program %1 is missing from this installation</source>
        <translation>sein Programm %1 fehlt in dieser Installation</translation>
    </message>
    <message>
        <source>pkexec cannot be run: %1</source>
        <translation>pkexec kann nicht ausgeführt werden: %1</translation>
    </message>
    <message>
        <source>pkexec ended unexpectedly</source>
        <translation>pkexec wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>the administrator&apos;s password was not given</source>
        <translation>das Passwort des Systemverwalters wurde nicht eingegeben</translation>
    </message>
    <message>
        <source>the password was not accepted, or nobody could be asked for it</source>
        <translation>das Passwort wurde nicht angenommen, oder niemand konnte danach gefragt werden</translation>
    </message>
    <message>
        <source>the password was not accepted, or nobody could be asked for it (%1)</source>
        <translation>das Passwort wurde nicht angenommen, oder niemand konnte danach gefragt werden (%1)</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2</source>
        <translation>%1 endete mit dem Rückgabewert %2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>CAPS LOCK On</source>
        <translation>Feststelltaste an</translation>
    </message>
    <message>
        <source>CAPS LOCK Off</source>
        <translation>Feststelltaste aus</translation>
    </message>
    <message>
        <source>NUM LOCK On</source>
        <translation>Num-Taste an</translation>
    </message>
    <message>
        <source>NUM LOCK Off</source>
        <translation>Num-Taste aus</translation>
    </message>
    <message>
        <source>Too Many CAPS Typed</source>
        <translation>Zu viele Großbuchstaben</translation>
    </message>
    <message numerus="yes">
        <source>%n CAPS typed.</source>
        <translation>
            <numerusform>%n Großbuchstabe getippt.</numerusform>
            <numerusform>%n Großbuchstaben getippt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PaneContext</name>
    <message>
        <source>This window keeps your changes and saves them again when you change something or close it.</source>
        <translation>Dieses Fenster behält Ihre Änderungen und speichert sie erneut, wenn Sie etwas ändern oder es schließen.</translation>
    </message>
    <message>
        <source>The changes made in this window are lost.</source>
        <translation>Die Änderungen in diesem Fenster gehen verloren.</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>Keyvigil could not save your settings in “%1”: %2.<byte value="xd"/><byte value="xd"/>The settings saved there before are kept. %3</source>
        <translation>Keyvigil konnte Ihre Einstellungen nicht in „%1“ speichern: %2.<byte value="xd"/><byte value="xd"/>Die dort zuvor gespeicherten Einstellungen bleiben erhalten. %3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>RVTableViewArray</name>
    <message>
        <source>Error: Entry you specified already exists.</source>
        <translation>Fehler: Der angegebene Eintrag ist bereits vorhanden.</translation>
    </message>
</context>
<context>
    <name>SettingsKeys</name>
    <message>
        <source>Warn about a run of capital letters.</source>
        <translation>Vor einer Folge von Großbuchstaben warnen.</translation>
    </message>
    <message>
        <source>How many capitals in a row make a warning.</source>
        <translation>Wie viele Großbuchstaben in Folge eine Warnung auslösen.</translation>
    </message>
    <message>
        <source>Warn at most warnCapsLimitCount times during one run of capitals; off, every capital from warnCount on warns.</source>
        <translation>Höchstens warnCapsLimitCount Mal während einer Folge von Großbuchstaben warnen; aus, warnt jeder Großbuchstabe ab warnCount.</translation>
    </message>
    <message>
        <source>The most warnings during one run of capitals.</source>
        <translation>Die meisten Warnungen während einer Folge von Großbuchstaben.</translation>
    </message>
    <message>
        <source>Warn when Caps Lock goes on.</source>
        <translation>Warnen, wenn die Feststelltaste eingeschaltet wird.</translation>
    </message>
    <message>
        <source>Keep the sound looping while Caps Lock stays on.</source>
        <translation>Den Ton wiederholen, solange die Feststelltaste eingeschaltet bleibt.</translation>
    </message>
    <message>
        <source>Warn when Num Lock goes on.</source>
        <translation>Warnen, wenn die Num-Taste eingeschaltet wird.</translation>
    </message>
    <message>
        <source>Keep the sound looping while Num Lock stays on.</source>
        <translation>Den Ton wiederholen, solange die Num-Taste eingeschaltet bleibt.</translation>
    </message>
    <message>
        <source>Capitals that spell an excluded word do not count.</source>
        <translation>Großbuchstaben, die ein ausgenommenes Wort bilden, zählen nicht.</translation>
    </message>
    <message>
        <source>The excluded words.</source>
        <translation>Die ausgenommenen Wörter.</translation>
    </message>
    <message>
        <source>Applications (desktop entries or .app folders) in which capitals do not count.</source>
        <translation>Anwendungen (Desktop-Einträge oder .app-Ordner), in denen Großbuchstaben nicht zählen.</translation>
    </message>
    <message>
        <source>Keys typed with Control or Super held do not count.</source>
        <translation>Tasten, die bei gedrückter Strg- oder Super-Taste getippt werden, zählen nicht.</translation>
    </message>
    <message>
        <source>Keys that type no printable character do not count.</source>
        <translation>Tasten, die kein druckbares Zeichen erzeugen, zählen nicht.</translation>
    </message>
    <message>
        <source>Capitals typed with Shift do not count, only those typed with Caps Lock on.</source>
        <translation>Mit der Umschalttaste getippte Großbuchstaben zählen nicht, nur die bei eingeschalteter Feststelltaste.</translation>
    </message>
    <message>
        <source>Warn with a sound.</source>
        <translation>Mit einem Ton warnen.</translation>
    </message>
    <message>
        <source>The sound&apos;s name, from Keyvigil&apos;s or the desktop&apos;s sounds.</source>
        <translation>Der Name des Tons, aus den Tönen von Keyvigil oder der Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>The sound&apos;s volume.</source>
        <translation>Die Lautstärke des Tons.</translation>
    </message>
    <message>
        <source>Warn by flashing the top of the screen.</source>
        <translation>Durch Aufblinken des oberen Bildschirmrands warnen.</translation>
    </message>
    <message>
        <source>Warn with a desktop notification.</source>
        <translation>Mit einer Desktop-Benachrichtigung warnen.</translation>
    </message>
    <message>
        <source>The tray icon shows Caps Lock.</source>
        <translation>Das Symbol in der Kontrollleiste zeigt die Feststelltaste.</translation>
    </message>
    <message>
        <source>The tray icon shows Shift.</source>
        <translation>Das Symbol in der Kontrollleiste zeigt die Umschalttaste.</translation>
    </message>
    <message>
        <source>The tray icon shows Num Lock.</source>
        <translation>Das Symbol in der Kontrollleiste zeigt die Num-Taste.</translation>
    </message>
    <message>
        <source>Show a large picture in the centre of the screen while Caps Lock is on.</source>
        <translation>Ein großes Bild in der Bildschirmmitte zeigen, solange die Feststelltaste eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Show a large picture in the centre of the screen while Num Lock is on.</source>
        <translation>Ein großes Bild in der Bildschirmmitte zeigen, solange die Num-Taste eingeschaltet ist.</translation>
    </message>
    <message>
        <source>The upper-left window has a cell for Caps Lock.</source>
        <translation>Das Fenster oben links hat ein Feld für die Feststelltaste.</translation>
    </message>
    <message>
        <source>The upper-left window has a cell for Num Lock.</source>
        <translation>Das Fenster oben links hat ein Feld für die Num-Taste.</translation>
    </message>
    <message>
        <source>The upper-left window has cells for Shift, Control, Alt, Super and Fn.</source>
        <translation>Das Fenster oben links hat Felder für Umschalt, Strg, Alt, Super und Fn.</translation>
    </message>
    <message>
        <source>Outline the upper-left window and its cells.</source>
        <translation>Das Fenster oben links und seine Felder umranden.</translation>
    </message>
    <message>
        <source>How large the upper-left window is, in times its smallest size; the screen&apos;s scale comes on top.</source>
        <translation>Wie groß das Fenster oben links ist, als Vielfaches seiner kleinsten Größe; die Skalierung des Bildschirms kommt hinzu.</translation>
    </message>
    <message>
        <source>Run Keyvigil Helper in the background, now and at every login.</source>
        <translation>Keyvigil Helper im Hintergrund ausführen, jetzt und bei jeder Anmeldung.</translation>
    </message>
    <message>
        <source>Check for new versions (kept for other systems; no update service here).</source>
        <translation>Nach neuen Versionen suchen (für andere Systeme aufbewahrt; hier gibt es keinen Aktualisierungsdienst).</translation>
    </message>
    <message>
        <source>Set once the settings window has taken the settings over.</source>
        <translation>Gesetzt, sobald das Einstellungsfenster die Einstellungen übernommen hat.</translation>
    </message>
    <message>
        <source>Where the settings window&apos;s bundle is; written each time the window opens.</source>
        <translation>Wo das Bündel des Einstellungsfensters liegt; bei jedem Öffnen des Fensters geschrieben.</translation>
    </message>
    <message>
        <source>Older setting: when set, the tray icon&apos;s Caps Lock and Shift default to its opposite.</source>
        <translation>Ältere Einstellung: Wenn gesetzt, sind Feststelltaste und Umschalttaste des Symbols standardmäßig ihr Gegenteil.</translation>
    </message>
    <message>
        <source>Older setting: any of these four on makes showOtherUpperLeft default to on.</source>
        <translation>Ältere Einstellung: Ist eine dieser vier eingeschaltet, ist showOtherUpperLeft standardmäßig eingeschaltet.</translation>
    </message>
    <message>
        <source>Older setting, as showFnUpperLeft.</source>
        <translation>Ältere Einstellung, wie showFnUpperLeft.</translation>
    </message>
    <message>
        <source>The store has taken over an older settings file.</source>
        <translation>Der Speicher hat eine ältere Einstellungsdatei übernommen.</translation>
    </message>
    <message>
        <source>The store file could not be read and was started afresh.</source>
        <translation>Die Speicherdatei konnte nicht gelesen werden und wurde neu begonnen.</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>Desktop sounds</source>
        <translation>Töne der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Sounds on this computer</source>
        <translation>Töne auf diesem Rechner</translation>
    </message>
    <message>
        <source>Your sounds</source>
        <translation>Ihre Töne</translation>
    </message>
    <message>
        <source>System Alert Sound</source>
        <translation>Systemwarnton</translation>
    </message>
    <message>
        <source>Keyvigil’s own sound</source>
        <translation>Keyvigils eigener Ton</translation>
    </message>
</context>
<context>
    <name>StatusItem</name>
    <message>
        <source>Caps Lock and Num Lock are on</source>
        <translation>Feststelltaste und Num-Taste sind eingeschaltet</translation>
    </message>
    <message>
        <source>Caps Lock is on</source>
        <translation>Feststelltaste ist eingeschaltet</translation>
    </message>
    <message>
        <source>Num Lock is on</source>
        <translation>Num-Taste ist eingeschaltet</translation>
    </message>
    <message>
        <source>Shift is held down</source>
        <translation>Umschalttaste ist gedrückt</translation>
    </message>
    <message>
        <source>No watched key is on</source>
        <translation>Keine beobachtete Taste ist eingeschaltet</translation>
    </message>
    <message>
        <source>Warnings paused until %1</source>
        <translation>Warnungen pausiert bis %1</translation>
    </message>
    <message>
        <source>Open Keyvigil Settings…</source>
        <translation>Keyvigil-Einstellungen öffnen …</translation>
    </message>
    <message>
        <source>Resume Warnings</source>
        <translation>Warnungen fortsetzen</translation>
    </message>
    <message>
        <source>Pause Warnings for 5 Minutes</source>
        <translation>Warnungen für 5 Minuten pausieren</translation>
    </message>
</context>
<context>
    <name>SupportMailControl</name>
    <message>
        <source>The support mail could not be opened in a mail program: %1. Copy its text or save it in a file, and send it to %2 from any mail program.</source>
        <translation>Die Support-E-Mail konnte in keinem E-Mail-Programm geöffnet werden: %1. Kopieren Sie ihren Text oder speichern Sie ihn in einer Datei, und senden Sie ihn aus einem beliebigen E-Mail-Programm an %2.</translation>
    </message>
    <message>
        <source>The support mail is on the clipboard. Paste it into a new mail to %1 before you close this window.</source>
        <translation>Die Support-E-Mail ist in der Zwischenablage. Fügen Sie sie in eine neue E-Mail an %1 ein, bevor Sie dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>Keyvigil support mail.txt</source>
        <translation>Keyvigil-Support-E-Mail.txt</translation>
    </message>
    <message>
        <source>Support Mail Not Saved</source>
        <translation>Support-E-Mail nicht gespeichert</translation>
    </message>
    <message>
        <source>Keyvigil could not save the support mail in “%1”: %2.</source>
        <translation>Keyvigil konnte die Support-E-Mail nicht in „%1“ speichern: %2.</translation>
    </message>
    <message>
        <source>The support mail is saved in “%1”. Send it to %2, attached or pasted into a mail.</source>
        <translation>Die Support-E-Mail ist in „%1“ gespeichert. Senden Sie sie an %2, angehängt oder in eine E-Mail eingefügt.</translation>
    </message>
    <message>
        <source>Save the Support Mail</source>
        <translation>Support-E-Mail speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
</context>
<context>
    <name>keyvigil-defaults</name>
    <message>
        <source>write needs a type: -bool, -int, -float, -string or -array</source>
        <translation>write braucht einen Typ: -bool, -int, -float, -string oder -array</translation>
    </message>
    <message>
        <source>unknown type %1</source>
        <translation>unbekannter Typ %1</translation>
    </message>
    <message>
        <source>%1 takes exactly one value</source>
        <translation>%1 nimmt genau einen Wert</translation>
    </message>
    <message>
        <source>-bool needs YES or NO, not &quot;%1&quot;</source>
        <translation>-bool braucht YES oder NO, nicht „%1“</translation>
    </message>
    <message>
        <source>-int needs a 32-bit integer, not &quot;%1&quot;</source>
        <translation>-int braucht eine 32-Bit-Ganzzahl, nicht „%1“</translation>
    </message>
    <message>
        <source>-float needs a decimal number, not &quot;%1&quot;</source>
        <translation>-float braucht eine Dezimalzahl, nicht „%1“</translation>
    </message>
    <message>
        <source>-d needs an identifier</source>
        <translation>-d braucht einen Bezeichner</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable identifier</source>
        <translation>„%1“ ist kein verwendbarer Bezeichner</translation>
    </message>
    <message>
        <source>read takes at most one key</source>
        <translation>read nimmt höchstens einen Schlüssel</translation>
    </message>
    <message>
        <source>delete takes exactly one key</source>
        <translation>delete nimmt genau einen Schlüssel</translation>
    </message>
    <message>
        <source>keys takes no arguments</source>
        <translation>keys nimmt keine Argumente</translation>
    </message>
    <message>
        <source>write needs a key</source>
        <translation>write braucht einen Schlüssel</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; %2</source>
        <translation>unbekannter Befehl „%1“; %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Settings (key, write option, default, meaning):</source>
        <translation>Einstellungen (Schlüssel, Schreiboption, Standardwert, Bedeutung):</translation>
    </message>
    <message>
        <source>Older keys, read only to work out the defaults above:</source>
        <translation>Ältere Schlüssel, nur gelesen, um die obigen Standardwerte zu ermitteln:</translation>
    </message>
    <message>
        <source>warning: &quot;%1&quot; is not one of Keyvigil&apos;s settings (see &quot;keyvigil-defaults keys&quot;); written anyway</source>
        <translation>Warnung: „%1“ ist keine Einstellung von Keyvigil (siehe „keyvigil-defaults keys“); trotzdem geschrieben</translation>
    </message>
    <message>
        <source>warning: &quot;%1&quot; is read as %2, not %3; written anyway</source>
        <translation>Warnung: „%1“ wird als %2 gelesen, nicht als %3; trotzdem geschrieben</translation>
    </message>
    <message>
        <source>warning: &quot;%1&quot; is meant to be %2, not %3; written anyway</source>
        <translation>Warnung: „%1“ soll %2 sein, nicht %3; trotzdem geschrieben</translation>
    </message>
    <message>
        <source>%1 could not be read; it is taken as an empty store</source>
        <translation>%1 konnte nicht gelesen werden; es wird als leerer Speicher genommen</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not exist in %2</source>
        <translation>der Schlüssel „%1“ existiert nicht in %2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not exist in %2; nothing deleted</source>
        <translation>der Schlüssel „%1“ existiert nicht in %2; nichts gelöscht</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
</context>
</TS>
