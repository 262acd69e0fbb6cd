<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ApplicationChooser</name>
    <message>
        <source>Choose Applications</source>
        <translation>Choisir des applications</translation>
    </message>
    <message>
        <source>Choose applications</source>
        <translation>Choisir des applications</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Rechercher des applications</translation>
    </message>
    <message>
        <source>Shows only the applications whose name contains what you type.</source>
        <translation>N’affiche que les applications dont le nom contient ce que vous tapez.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Ctrl-click or Shift-click to choose several applications.</source>
        <translation>Ctrl-clic ou Maj-clic pour choisir plusieurs applications.</translation>
    </message>
    <message>
        <source>What the applications you choose are used for.</source>
        <translation>À quoi servent les applications que vous choisissez.</translation>
    </message>
    <message>
        <source>&amp;Other…</source>
        <translation>&amp;Autre…</translation>
    </message>
    <message>
        <source>Other application</source>
        <translation>Autre application</translation>
    </message>
    <message>
        <source>Choose an application bundle or desktop entry in another folder.</source>
        <translation>Choisir un paquet d’application ou une entrée de bureau dans un autre dossier.</translation>
    </message>
    <message>
        <source>Cancel or choose</source>
        <translation>Annuler ou choisir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close without choosing.</source>
        <translation>Fermer sans choisir.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Choose the selected applications.</source>
        <translation>Choisir les applications sélectionnées.</translation>
    </message>
</context>
<context>
    <name>ApplicationFileDialog</name>
    <message>
        <source>Choose an Application</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Applications (*.app *.desktop)</source>
        <translation>Applications (*.app *.desktop)</translation>
    </message>
    <message>
        <source>Choose an application in another folder</source>
        <translation>Choisir une application dans un autre dossier</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
</context>
<context>
    <name>BookBrowser</name>
    <message>
        <source>Page not found</source>
        <translation>Page introuvable</translation>
    </message>
    <message>
        <source>No help book was named. Open the help from Keyvigil&apos;s settings window with one of its &quot;?&quot; buttons.</source>
        <translation>Aucun livre d’aide n’a été indiqué. Ouvrez l’aide depuis la fenêtre des paramètres de Keyvigil avec l’un de ses boutons «&#xa0;?&#xa0;».</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is not part of the help book in %2.</source>
        <translation>La page «&#xa0;%1&#xa0;» ne fait pas partie du livre d’aide dans %2.</translation>
    </message>
</context>
<context>
    <name>DesktopWorkspace</name>
    <message>
        <source>xdg-mime, which finds the program for %1 links, could not be run (%2)</source>
        <translation>xdg-mime, qui trouve le programme des liens %1, n’a pas pu être lancé (%2)</translation>
    </message>
    <message>
        <source>no program is set to open %1 links</source>
        <translation>aucun programme n’est réglé pour ouvrir les liens %1</translation>
    </message>
    <message>
        <source>the link is not a valid URL</source>
        <translation>le lien n’est pas une URL valide</translation>
    </message>
    <message>
        <source>xdg-open could not be started (%1)</source>
        <translation>xdg-open n’a pas pu être démarré (%1)</translation>
    </message>
    <message>
        <source>xdg-open ended with status %1</source>
        <translation>xdg-open s’est terminé avec le code %1</translation>
    </message>
    <message>
        <source>xdg-open ended by signal %1</source>
        <translation>xdg-open a été arrêté par le signal %1</translation>
    </message>
</context>
<context>
    <name>ExclusionLists</name>
    <message numerus="yes">
        <source>“%1” is longer than the %n capitals in a row that warn, so excluding it would change nothing.</source>
        <translation>
            <numerusform>«&#xa0;%1&#xa0;» est plus long que la %n majuscule d’affilée qui avertit&#xa0;: l’exclure ne changerait rien.</numerusform>
            <numerusform>«&#xa0;%1&#xa0;» est plus long que les %n majuscules d’affilée qui avertissent&#xa0;: l’exclure ne changerait rien.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error: &quot;%1&quot; is already in the application list.</source>
        <translation>Erreur&#xa0;: «&#xa0;%1&#xa0;» est déjà dans la liste des applications.</translation>
    </message>
    <message>
        <source>Error: Multiple applications you chose are already in the application list.</source>
        <translation>Erreur&#xa0;: plusieurs des applications choisies sont déjà dans la liste des applications.</translation>
    </message>
</context>
<context>
    <name>GnomeCompanionControl</name>
    <message>
        <source>GNOME&apos;s settings cannot be read (gsettings)</source>
        <translation>Les paramètres de GNOME ne peuvent pas être lus (gsettings)</translation>
    </message>
    <message>
        <source>GNOME&apos;s settings cannot be changed (gsettings)</source>
        <translation>Les paramètres de GNOME ne peuvent pas être modifiés (gsettings)</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>Keyvigil Help</source>
        <translation>Aide de Keyvigil</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d’aide</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>Rec&amp;hercher&#xa0;:</translation>
    </message>
    <message>
        <source>Find in page</source>
        <translation>Rechercher dans la page</translation>
    </message>
    <message>
        <source>Text on this page</source>
        <translation>Texte de cette page</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Find the previous match (Shift+F3)</source>
        <translation>Rechercher l’occurrence précédente (Maj+F3)</translation>
    </message>
    <message>
        <source>Previous match</source>
        <translation>Occurrence précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Find the next match (F3)</source>
        <translation>Rechercher l’occurrence suivante (F3)</translation>
    </message>
    <message>
        <source>Next match</source>
        <translation>Occurrence suivante</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Résultat de la recherche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Fermer la barre de recherche (Échap)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Fermer la barre de recherche</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Back to the page before (Alt+Left)</source>
        <translation>Revenir à la page précédente (Alt+Gauche)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Forward again (Alt+Right)</source>
        <translation>Revenir en avant (Alt+Droite)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>The help&apos;s start page (Alt+Home)</source>
        <translation>La page d’accueil de l’aide (Alt+Origine)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find text on this page (Ctrl+F)</source>
        <translation>Rechercher du texte dans cette page (Ctrl+F)</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Smaller text (Ctrl+-)</source>
        <translation>Texte plus petit (Ctrl+-)</translation>
    </message>
    <message>
        <source>Normal size</source>
        <translation>Taille normale</translation>
    </message>
    <message>
        <source>Text at its normal size (Ctrl+0)</source>
        <translation>Texte à sa taille normale (Ctrl+0)</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Larger text (Ctrl++)</source>
        <translation>Texte plus grand (Ctrl++)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
</context>
<context>
    <name>HelperControl</name>
    <message>
        <source>Keyvigil could not be paused while this window is open: %1. It may warn you while you try settings.</source>
        <translation>Keyvigil n’a pas pu être mis en pause pendant que cette fenêtre est ouverte&#xa0;: %1. Il peut vous avertir pendant que vous essayez des réglages.</translation>
    </message>
    <message>
        <source>Keyvigil Not Started</source>
        <translation>Keyvigil non démarré</translation>
    </message>
    <message>
        <source>Keyvigil could not write the file that starts it, “%1”: %2. It starts with the file written before.</source>
        <translation>Keyvigil n’a pas pu écrire le fichier qui le démarre, «&#xa0;%1&#xa0;»&#xa0;: %2. Il démarre avec le fichier écrit auparavant.</translation>
    </message>
    <message>
        <source>Keyvigil could not write the file that starts it, “%1”: %2.</source>
        <translation>Keyvigil n’a pas pu écrire le fichier qui le démarre, «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Keyvigil Helper could not be started: %1.</source>
        <translation>Keyvigil Helper n’a pas pu être démarré&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Keyvigil Helper was started but does not keep running: %1.</source>
        <translation>Keyvigil Helper a été démarré mais ne reste pas en fonctionnement&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Keyvigil Not Switched Off</source>
        <translation>Keyvigil non désactivé</translation>
    </message>
    <message>
        <source>Keyvigil could not be switched off: %1.<byte value="xd"/><byte value="xd"/>It may start again at the next login. To try again, open this window and close it with “Start Keyvigil” off.</source>
        <translation>Keyvigil n’a pas pu être désactivé&#xa0;: %1.<byte value="xd"/><byte value="xd"/>Il se peut qu’il redémarre à la prochaine connexion. Pour réessayer, ouvrez cette fenêtre et fermez-la avec «&#xa0;Démarrer Keyvigil&#xa0;» désactivé.</translation>
    </message>
    <message>
        <source>Keyvigil was stopped, but the file that starts it, “%1”, could not be removed: %2.</source>
        <translation>Keyvigil a été arrêté, mais le fichier qui le démarre, «&#xa0;%1&#xa0;», n’a pas pu être supprimé&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>KeyboardAccessControl</name>
    <message>
        <source>Allow Keyboard Access…</source>
        <translation>Autoriser l’accès au clavier…</translation>
    </message>
    <message>
        <source>Take Keyboard Access Back…</source>
        <translation>Retirer l’accès au clavier…</translation>
    </message>
    <message>
        <source>In an X11 session Keyvigil sees every key typed: all its warnings work, and nothing needs to be allowed.</source>
        <translation>Dans une session X11, Keyvigil voit chaque touche tapée&#xa0;: tous ses avertissements fonctionnent, et rien n’a besoin d’être autorisé.</translation>
    </message>
    <message>
        <source>Keyboard access, which only Wayland sessions need, is allowed; take it back if you do not use them.</source>
        <translation>L’accès au clavier, dont seules les sessions Wayland ont besoin, est autorisé&#xa0;; retirez-le si vous ne les utilisez pas.</translation>
    </message>
    <message>
        <source>Keyboard access is taken back from your next login; until then this session can still read the keyboards.</source>
        <translation>L’accès au clavier est retiré à partir de votre prochaine connexion&#xa0;; d’ici là, cette session peut encore lire les claviers.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed: from its next start, when you close this window, Keyvigil reads the keyboards, and all its warnings work.</source>
        <translation>L’accès au clavier est autorisé&#xa0;: à partir de son prochain démarrage, quand vous fermerez cette fenêtre, Keyvigil lira les claviers et tous ses avertissements fonctionneront.</translation>
    </message>
    <message>
        <source>All warnings work: Keyvigil reads the keyboards to count capital letters.</source>
        <translation>Tous les avertissements fonctionnent&#xa0;: Keyvigil lit les claviers pour compter les majuscules.</translation>
    </message>
    <message>
        <source>All warnings work: this user can read the keyboards, so Keyvigil counts capital letters too. That access was not given by Keyvigil, so it is not taken back here.</source>
        <translation>Tous les avertissements fonctionnent&#xa0;: cet utilisateur peut lire les claviers, Keyvigil compte donc aussi les majuscules. Cet accès n’a pas été donné par Keyvigil, il n’est donc pas retiré ici.</translation>
    </message>
    <message>
        <source>Keyvigil keeps nothing of what you type.</source>
        <translation>Keyvigil ne garde rien de ce que vous tapez.</translation>
    </message>
    <message>
        <source>Caps Lock and Num Lock warnings work.</source>
        <translation>Les avertissements de Verr. Maj et de Verr. Num fonctionnent.</translation>
    </message>
    <message>
        <source>No warnings work yet: GNOME does not tell other programs about Caps Lock and Num Lock.</source>
        <translation>Aucun avertissement ne fonctionne encore&#xa0;: GNOME n’informe pas les autres programmes de l’état de Verr. Maj et de Verr. Num.</translation>
    </message>
    <message>
        <source>No warnings work yet: this desktop does not tell other programs about Caps Lock and Num Lock.</source>
        <translation>Aucun avertissement ne fonctionne encore&#xa0;: ce bureau n’informe pas les autres programmes de l’état de Verr. Maj et de Verr. Num.</translation>
    </message>
    <message>
        <source>To count capital letters, Keyvigil must be allowed to read the keyboard.</source>
        <translation>Pour compter les majuscules, Keyvigil doit être autorisé à lire le clavier.</translation>
    </message>
    <message>
        <source>To warn about them and count capital letters, Keyvigil must be allowed to read the keyboard.</source>
        <translation>Pour les signaler et compter les majuscules, Keyvigil doit être autorisé à lire le clavier.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed from your next login: log out and back in, and Keyvigil counts capital letters too.</source>
        <translation>L’accès au clavier est autorisé à partir de votre prochaine connexion&#xa0;: déconnectez-vous puis reconnectez-vous, et Keyvigil comptera aussi les majuscules.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed from your next login: log out and back in, and all of Keyvigil&apos;s warnings work.</source>
        <translation>L’accès au clavier est autorisé à partir de votre prochaine connexion&#xa0;: déconnectez-vous puis reconnectez-vous, et tous les avertissements de Keyvigil fonctionneront.</translation>
    </message>
    <message>
        <source>Keyboard access is allowed, but this session cannot read the keyboards yet; logging out and back in usually settles it.</source>
        <translation>L’accès au clavier est autorisé, mais cette session ne peut pas encore lire les claviers&#xa0;; se déconnecter puis se reconnecter règle généralement cela.</translation>
    </message>
    <message>
        <source>The same goes for anyone else who logs in at this computer.</source>
        <translation>Il en va de même pour toute autre personne qui se connecte sur cet ordinateur.</translation>
    </message>
    <message>
        <source>It takes effect from your next login.</source>
        <translation>Cela prend effet à partir de votre prochaine connexion.</translation>
    </message>
    <message>
        <source>Allow Keyvigil to Read the Keyboard?</source>
        <translation>Autoriser Keyvigil à lire le clavier&#xa0;?</translation>
    </message>
    <message>
        <source>To count capital letters in a Wayland session, Keyvigil must read the keyboards directly. Once this is allowed, every program you run, not only Keyvigil, could read everything typed on this computer&apos;s keyboards, passwords included. %1

Keyvigil keeps nothing of what you type: it never stores, logs or sends it. You can take the access back here at any time.

The administrator&apos;s password is asked for next.</source>
        <translation>Pour compter les majuscules dans une session Wayland, Keyvigil doit lire les claviers directement. Une fois cela autorisé, tout programme que vous lancez, et pas seulement Keyvigil, pourrait lire tout ce qui est tapé sur les claviers de cet ordinateur, mots de passe compris. %1

Keyvigil ne garde rien de ce que vous tapez&#xa0;: il ne l’enregistre, ne le journalise ni ne l’envoie jamais. Vous pouvez retirer l’accès ici à tout moment.

Le mot de passe de l’administrateur est demandé ensuite.</translation>
    </message>
    <message>
        <source>Allow Access</source>
        <translation>Autoriser l’accès</translation>
    </message>
    <message>
        <source>Take Keyboard Access Back?</source>
        <translation>Retirer l’accès au clavier&#xa0;?</translation>
    </message>
    <message>
        <source>Programs will no longer be able to read the keyboards directly, and in Wayland sessions Keyvigil will no longer count capital letters. This takes effect from your next login.

The administrator&apos;s password is asked for next.</source>
        <translation>Les programmes ne pourront plus lire les claviers directement, et dans les sessions Wayland Keyvigil ne comptera plus les majuscules. Cela prend effet à partir de votre prochaine connexion.

Le mot de passe de l’administrateur est demandé ensuite.</translation>
    </message>
    <message>
        <source>Programs will no longer be able to read the keyboards directly, and in Wayland sessions Keyvigil will no longer count capital letters.

The administrator&apos;s password is asked for next.</source>
        <translation>Les programmes ne pourront plus lire les claviers directement, et dans les sessions Wayland Keyvigil ne comptera plus les majuscules.

Le mot de passe de l’administrateur est demandé ensuite.</translation>
    </message>
    <message>
        <source>Take Access Back</source>
        <translation>Retirer l’accès</translation>
    </message>
    <message>
        <source>Keyboard access is taken back.</source>
        <translation>L’accès au clavier est retiré.</translation>
    </message>
    <message>
        <source>Keyboard Access Not Taken Back</source>
        <translation>Accès au clavier non retiré</translation>
    </message>
    <message>
        <source>Keyboard Access Not Allowed</source>
        <translation>Accès au clavier non autorisé</translation>
    </message>
    <message>
        <source>Keyboard access was not taken back: %1.</source>
        <translation>L’accès au clavier n’a pas été retiré&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Keyboard access was not allowed: %1.</source>
        <translation>L’accès au clavier n’a pas été autorisé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is not installed; installing Keyvigil again installs it.</source>
        <translation>Le compagnon GNOME Shell de Keyvigil n’est pas installé&#xa0;; réinstaller Keyvigil l’installe.</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is turned on, but GNOME starts a newly installed extension only when you log in: log out and back in.</source>
        <translation>Le compagnon GNOME Shell de Keyvigil est activé, mais GNOME ne démarre une extension nouvellement installée qu’à la connexion&#xa0;: déconnectez-vous puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is installed, but GNOME starts a newly installed extension only when you log in: turn it on here, then log out and back in.</source>
        <translation>Le compagnon GNOME Shell de Keyvigil est installé, mais GNOME ne démarre une extension nouvellement installée qu’à la connexion&#xa0;: activez-le ici, puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is installed but turned off; turned on, it tells Keyvigil about Caps Lock, Num Lock and the application in front, and shows the indicators.</source>
        <translation>Le compagnon GNOME Shell de Keyvigil est installé mais désactivé&#xa0;; activé, il informe Keyvigil de Verr. Maj, de Verr. Num et de l’application au premier plan, et affiche les indicateurs.</translation>
    </message>
    <message>
        <source>GNOME Shell could not start Keyvigil&apos;s companion (%1); installing Keyvigil again, then logging out and back in, usually settles it.</source>
        <translation>GNOME Shell n’a pas pu démarrer le compagnon de Keyvigil (%1)&#xa0;; réinstaller Keyvigil, puis se déconnecter et se reconnecter, règle généralement cela.</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>aucune raison donnée</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion is running: it tells Keyvigil about Caps Lock, Num Lock and the application in front, and shows the indicators.</source>
        <translation>Le compagnon GNOME Shell de Keyvigil fonctionne&#xa0;: il informe Keyvigil de Verr. Maj, de Verr. Num et de l’application au premier plan, et affiche les indicateurs.</translation>
    </message>
    <message>
        <source>Keyvigil uses it from its next start, when you close this window.</source>
        <translation>Keyvigil l’utilise à partir de son prochain démarrage, quand vous fermez cette fenêtre.</translation>
    </message>
    <message>
        <source>It does not match this Keyvigil (interface version %1, Keyvigil&apos;s %2): install them together, then log out and back in.</source>
        <translation>Il ne correspond pas à ce Keyvigil (version d’interface %1, celle de Keyvigil %2)&#xa0;: installez-les ensemble, puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Turn On the GNOME Shell Companion</source>
        <translation>Activer le compagnon GNOME Shell</translation>
    </message>
    <message>
        <source>GNOME Shell Companion Not Turned On</source>
        <translation>Compagnon GNOME Shell non activé</translation>
    </message>
    <message>
        <source>Keyvigil&apos;s GNOME Shell companion was not turned on: %1.</source>
        <translation>Le compagnon GNOME Shell de Keyvigil n’a pas été activé&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>KeyvigilPref</name>
    <message>
        <source>Upgrading Keyvigil</source>
        <translation>Mise à jour de Keyvigil</translation>
    </message>
    <message>
        <source>System Preferences will now quit.<byte value="xd"/><byte value="xd"/>You must restart System Preferences and choose Keyvigil to complete the update.</source>
        <translation>Les Préférences Système vont maintenant se fermer.<byte value="xd"/><byte value="xd"/>Relancez les Préférences Système et choisissez Keyvigil pour terminer la mise à jour.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>System Preferences will now restart to complete the update of Keyvigil.</source>
        <translation>Les Préférences Système vont maintenant redémarrer pour terminer la mise à jour de Keyvigil.</translation>
    </message>
    <message>
        <source>Reinstall Keyvigil</source>
        <translation>Réinstaller Keyvigil</translation>
    </message>
    <message>
        <source>This copy of Keyvigil is incomplete: its settings window is version %1, but “%2” says it is version %3, and restarting did not change that.<byte value="xd"/><byte value="xd"/>Install Keyvigil again, then open this window.</source>
        <translation>Cette copie de Keyvigil est incomplète&#xa0;: sa fenêtre des paramètres est en version %1, mais «&#xa0;%2&#xa0;» indique la version %3, et un redémarrage n’y a rien changé.<byte value="xd"/><byte value="xd"/>Réinstallez Keyvigil, puis ouvrez cette fenêtre.</translation>
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
        <translation>Démarrer &amp;Keyvigil, maintenant et à chaque connexion</translation>
    </message>
    <message>
        <source>When you close this window, Keyvigil Helper starts watching the keyboard in the background, and starts again at every login.</source>
        <translation>Quand vous fermez cette fenêtre, Keyvigil Helper commence à surveiller le clavier en arrière-plan, et redémarre à chaque connexion.</translation>
    </message>
    <message>
        <source>Start Keyvigil, now and at every login</source>
        <translation>Démarrer Keyvigil, maintenant et à chaque connexion</translation>
    </message>
    <message>
        <source>Keyvigil is paused while this window is open, so that you can try settings without being warned. It starts when you close the window, if “Start Keyvigil” is on.</source>
        <translation>Keyvigil est en pause tant que cette fenêtre est ouverte, pour que vous puissiez essayer des réglages sans être averti. Il démarre quand vous fermez la fenêtre, si «&#xa0;Démarrer Keyvigil&#xa0;» est activé.</translation>
    </message>
    <message>
        <source>Keyvigil is paused</source>
        <translation>Keyvigil est en pause</translation>
    </message>
    <message>
        <source>Help on Keyvigil running</source>
        <translation>Aide sur le fonctionnement de Keyvigil</translation>
    </message>
    <message>
        <source>Keyvigil settings</source>
        <translation>Paramètres de Keyvigil</translation>
    </message>
    <message>
        <source>&amp;Warnings</source>
        <translation>A&amp;vertissements</translation>
    </message>
    <message>
        <source>Capital letters</source>
        <translation>Majuscules</translation>
    </message>
    <message>
        <source>Warn after &amp;typing</source>
        <translation>Avertir a&amp;près</translation>
    </message>
    <message>
        <source>Warn when this many capital letters are typed in a row.</source>
        <translation>Avertir quand autant de majuscules sont tapées d’affilée.</translation>
    </message>
    <message>
        <source>Warn about capital letters</source>
        <translation>Avertir des majuscules</translation>
    </message>
    <message>
        <source>How many capitals in a row make a warning.</source>
        <translation>Combien de majuscules d’affilée déclenchent un avertissement.</translation>
    </message>
    <message>
        <source>Capitals in a row</source>
        <translation>Majuscules d’affilée</translation>
    </message>
    <message>
        <source>capitals in a row</source>
        <translation>majuscules d’affilée</translation>
    </message>
    <message>
        <source>Warn at &amp;most</source>
        <translation>Avertir au p&amp;lus</translation>
    </message>
    <message>
        <source>Limit warnings</source>
        <translation>Limiter les avertissements</translation>
    </message>
    <message>
        <source>The most warnings during one run of capitals.</source>
        <translation>Le nombre maximal d’avertissements pendant une série de majuscules.</translation>
    </message>
    <message>
        <source>Warnings per run</source>
        <translation>Avertissements par série</translation>
    </message>
    <message>
        <source>times in one run</source>
        <translation>fois par série</translation>
    </message>
    <message>
        <source>Help on capital letters</source>
        <translation>Aide sur les majuscules</translation>
    </message>
    <message>
        <source>Lock keys</source>
        <translation>Touches de verrouillage</translation>
    </message>
    <message>
        <source>&amp;Caps Lock:</source>
        <translation>Verr. &amp;Maj&#xa0;:</translation>
    </message>
    <message>
        <source>What to do when Caps Lock goes on. Warning until it goes off needs a sound other than the system alert.</source>
        <translation>Que faire quand Verr. Maj est activé. Avertir jusqu’à la désactivation demande un son autre que le son d’alerte du système.</translation>
    </message>
    <message>
        <source>Caps Lock warning</source>
        <translation>Avertissement de Verr. Maj</translation>
    </message>
    <message>
        <source>No warning</source>
        <translation>Pas d’avertissement</translation>
    </message>
    <message>
        <source>Warn once when it goes on</source>
        <translation>Avertir une fois à l’activation</translation>
    </message>
    <message>
        <source>Warn until it goes off again</source>
        <translation>Avertir jusqu’à la désactivation</translation>
    </message>
    <message>
        <source>&amp;Num Lock:</source>
        <translation>Verr. &amp;Num&#xa0;:</translation>
    </message>
    <message>
        <source>What to do when Num Lock goes on. Warning until it goes off needs a sound other than the system alert.</source>
        <translation>Que faire quand Verr. Num est activé. Avertir jusqu’à la désactivation demande un son autre que le son d’alerte du système.</translation>
    </message>
    <message>
        <source>Num Lock warning</source>
        <translation>Avertissement de Verr. Num</translation>
    </message>
    <message>
        <source>Help on Caps Lock and Num Lock</source>
        <translation>Aide sur Verr. Maj et Verr. Num</translation>
    </message>
    <message>
        <source>How to warn</source>
        <translation>Comment avertir</translation>
    </message>
    <message>
        <source>Play a &amp;sound:</source>
        <translation>&amp;Jouer un son&#xa0;:</translation>
    </message>
    <message>
        <source>Play a sound with each warning.</source>
        <translation>Jouer un son à chaque avertissement.</translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation>Jouer un son</translation>
    </message>
    <message>
        <source>The warning sound. Choosing one plays it.</source>
        <translation>Le son d’avertissement. Le choisir le joue.</translation>
    </message>
    <message>
        <source>Warning sound</source>
        <translation>Son d’avertissement</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>Vol&amp;ume&#xa0;:</translation>
    </message>
    <message>
        <source>The warning sound&apos;s volume; the system alert plays at its own.</source>
        <translation>Le volume du son d’avertissement&#xa0;; le son d’alerte du système joue au sien.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>&amp;Flash the top of the screen</source>
        <translation>Faire &amp;clignoter le haut de l’écran</translation>
    </message>
    <message>
        <source>Flash a strip across the top of the screen with each warning.</source>
        <translation>Faire clignoter une bande en haut de l’écran à chaque avertissement.</translation>
    </message>
    <message>
        <source>Flash the top of the screen</source>
        <translation>Faire clignoter le haut de l’écran</translation>
    </message>
    <message>
        <source>Show a notification with each warning.</source>
        <translation>Afficher une notification à chaque avertissement.</translation>
    </message>
    <message>
        <source>Show a desktop notification</source>
        <translation>Afficher une notification</translation>
    </message>
    <message>
        <source>Help on how Keyvigil warns</source>
        <translation>Aide sur la façon dont Keyvigil avertit</translation>
    </message>
    <message>
        <source>&amp;Indicators</source>
        <translation>&amp;Indicateurs</translation>
    </message>
    <message>
        <source>Panel icon: turns red while on</source>
        <translation>Icône du tableau de bord&#xa0;: rouge tant qu’activé</translation>
    </message>
    <message>
        <source>Caps &amp;Lock</source>
        <translation>Verr. &amp;Maj</translation>
    </message>
    <message>
        <source>The panel icon shows Caps Lock.</source>
        <translation>L’icône montre Verr. Maj.</translation>
    </message>
    <message>
        <source>Panel icon for Caps Lock</source>
        <translation>Icône pour Verr. Maj</translation>
    </message>
    <message>
        <source>S&amp;hift</source>
        <translation>Ma&amp;j</translation>
    </message>
    <message>
        <source>The panel icon shows Shift.</source>
        <translation>L’icône montre Maj.</translation>
    </message>
    <message>
        <source>Panel icon for Shift</source>
        <translation>Icône pour Maj</translation>
    </message>
    <message>
        <source>N&amp;um Lock</source>
        <translation>Verr. &amp;Num</translation>
    </message>
    <message>
        <source>The panel icon shows Num Lock.</source>
        <translation>L’icône montre Verr. Num.</translation>
    </message>
    <message>
        <source>Panel icon for Num Lock</source>
        <translation>Icône pour Verr. Num</translation>
    </message>
    <message>
        <source>Help on the tray icon</source>
        <translation>Aide sur l’icône du tableau de bord</translation>
    </message>
    <message>
        <source>Large picture in the middle of the screen while on</source>
        <translation>Grande image au centre de l’écran tant qu’activé</translation>
    </message>
    <message>
        <source>Show a large Caps Lock picture while Caps Lock is on.</source>
        <translation>Afficher une grande image de Verr. Maj tant que Verr. Maj est activé.</translation>
    </message>
    <message>
        <source>Centre picture for Caps Lock</source>
        <translation>Image centrale pour Verr. Maj</translation>
    </message>
    <message>
        <source>Num L&amp;ock</source>
        <translation>Ve&amp;rr. Num</translation>
    </message>
    <message>
        <source>Show a large Num Lock picture while Num Lock is on.</source>
        <translation>Afficher une grande image de Verr. Num tant que Verr. Num est activé.</translation>
    </message>
    <message>
        <source>Centre picture for Num Lock</source>
        <translation>Image centrale pour Verr. Num</translation>
    </message>
    <message>
        <source>Help on the centre image</source>
        <translation>Aide sur l’image centrale</translation>
    </message>
    <message>
        <source>Small window in the upper-left corner</source>
        <translation>Petite fenêtre dans le coin supérieur gauche</translation>
    </message>
    <message>
        <source>C&amp;aps Lock</source>
        <translation>Verr. M&amp;aj</translation>
    </message>
    <message>
        <source>A red cell while Caps Lock (or Shift) is on.</source>
        <translation>Une case rouge tant que Verr. Maj (ou Maj) est activé.</translation>
    </message>
    <message>
        <source>Corner window: Caps Lock</source>
        <translation>Fenêtre du coin&#xa0;: Verr. Maj</translation>
    </message>
    <message>
        <source>&amp;Num Lock</source>
        <translation>Verr. N&amp;um</translation>
    </message>
    <message>
        <source>A red cell while Num Lock is on.</source>
        <translation>Une case rouge tant que Verr. Num est activé.</translation>
    </message>
    <message>
        <source>Corner window: Num Lock</source>
        <translation>Fenêtre du coin&#xa0;: Verr. Num</translation>
    </message>
    <message>
        <source>Shift, Control, Alt, Super and &amp;Fn</source>
        <translation>Maj, Ctrl, Alt, Super et &amp;Fn</translation>
    </message>
    <message>
        <source>A cell for each of the other modifier keys while held.</source>
        <translation>Une case pour chacune des autres touches de modification tant qu’elle est enfoncée.</translation>
    </message>
    <message>
        <source>Corner window: other keys</source>
        <translation>Fenêtre du coin&#xa0;: autres touches</translation>
    </message>
    <message>
        <source>Draw ou&amp;tlines</source>
        <translation>Dessiner les con&amp;tours</translation>
    </message>
    <message>
        <source>Outline the window and its cells in light grey.</source>
        <translation>Entourer la fenêtre et ses cases de gris clair.</translation>
    </message>
    <message>
        <source>Corner window outlines</source>
        <translation>Contours de la fenêtre du coin</translation>
    </message>
    <message>
        <source>Preview of the corner window</source>
        <translation>Aperçu de la fenêtre du coin</translation>
    </message>
    <message>
        <source>Help on the upper-left window</source>
        <translation>Aide sur la fenêtre en haut à gauche</translation>
    </message>
    <message>
        <source>E&amp;xclusions</source>
        <translation>E&amp;xclusions</translation>
    </message>
    <message>
        <source>Excluded words</source>
        <translation>Mots exclus</translation>
    </message>
    <message>
        <source>Capitals that spell one of these words do not count towards a warning.</source>
        <translation>Les majuscules qui forment l’un de ces mots ne comptent pas pour un avertissement.</translation>
    </message>
    <message>
        <source>Exclude words</source>
        <translation>Exclure des mots</translation>
    </message>
    <message>
        <source>&amp;Add Word</source>
        <translation>&amp;Ajouter un mot</translation>
    </message>
    <message>
        <source>Add a word: type it into the new row.</source>
        <translation>Ajouter un mot&#xa0;: tapez-le dans la nouvelle ligne.</translation>
    </message>
    <message>
        <source>Add word</source>
        <translation>Ajouter un mot</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Remove the selected words.</source>
        <translation>Retirer les mots sélectionnés.</translation>
    </message>
    <message>
        <source>Remove words</source>
        <translation>Retirer des mots</translation>
    </message>
    <message>
        <source>Word list error</source>
        <translation>Erreur dans la liste de mots</translation>
    </message>
    <message>
        <source>Help on excluded words</source>
        <translation>Aide sur les mots exclus</translation>
    </message>
    <message>
        <source>Excluded applications</source>
        <translation>Applications exclues</translation>
    </message>
    <message>
        <source>Nothing typed while one of these applications is in front is counted.</source>
        <translation>Rien de ce qui est tapé pendant qu’une de ces applications est au premier plan n’est compté.</translation>
    </message>
    <message>
        <source>Applications in which capitals are not counted.</source>
        <translation>Applications dans lesquelles les majuscules ne sont pas comptées.</translation>
    </message>
    <message>
        <source>Choose applications to exclude.</source>
        <translation>Choisir des applications à exclure.</translation>
    </message>
    <message>
        <source>Add application</source>
        <translation>Ajouter une application</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Retir&amp;er</translation>
    </message>
    <message>
        <source>Remove the selected applications.</source>
        <translation>Retirer les applications sélectionnées.</translation>
    </message>
    <message>
        <source>Remove applications</source>
        <translation>Retirer des applications</translation>
    </message>
    <message>
        <source>Application list error</source>
        <translation>Erreur dans la liste d’applications</translation>
    </message>
    <message>
        <source>Keyvigil does not count the capitals typed in the applications you choose. Choose several at once with Ctrl or Shift.</source>
        <translation>Keyvigil ne compte pas les majuscules tapées dans les applications que vous choisissez. Choisissez-en plusieurs à la fois avec Ctrl ou Maj.</translation>
    </message>
    <message>
        <source>Help on excluded applications</source>
        <translation>Aide sur les applications exclues</translation>
    </message>
    <message>
        <source>Keys not counted</source>
        <translation>Touches non comptées</translation>
    </message>
    <message>
        <source>Capitals typed with &amp;Shift (count only Caps Lock)</source>
        <translation>Majuscules tapées avec Ma&amp;j (ne compter que Verr. Maj)</translation>
    </message>
    <message>
        <source>Only capitals typed with Caps Lock on count.</source>
        <translation>Seules comptent les majuscules tapées avec Verr. Maj activé.</translation>
    </message>
    <message>
        <source>Exclude Shift capitals</source>
        <translation>Exclure les majuscules tapées avec Maj</translation>
    </message>
    <message>
        <source>Keys typed with &amp;Control or Super held</source>
        <translation>Touches tapées en maintenant &amp;Ctrl ou Super</translation>
    </message>
    <message>
        <source>Shortcuts such as Ctrl+S are not counted.</source>
        <translation>Les raccourcis comme Ctrl+S ne sont pas comptés.</translation>
    </message>
    <message>
        <source>Exclude shortcuts</source>
        <translation>Exclure les raccourcis</translation>
    </message>
    <message>
        <source>Keys that type &amp;no printable character</source>
        <translation>Touches qui ne produisent a&amp;ucun caractère imprimable</translation>
    </message>
    <message>
        <source>Return, Tab, arrows and the like are not counted.</source>
        <translation>Entrée, Tab, les flèches et autres ne sont pas comptées.</translation>
    </message>
    <message>
        <source>Exclude non-printing keys</source>
        <translation>Exclure les touches non imprimables</translation>
    </message>
    <message>
        <source>Help on the exclusion rules</source>
        <translation>Aide sur les touches non comptées</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>Keyboard access</source>
        <translation>Accès au clavier</translation>
    </message>
    <message>
        <source>Asks for the administrator&apos;s password, after you confirm, to let Keyvigil read the keyboard or to take that access back.</source>
        <translation>Demande, après votre confirmation, le mot de passe de l’administrateur, pour autoriser Keyvigil à lire le clavier ou lui retirer cet accès.</translation>
    </message>
    <message>
        <source>Allow or take back keyboard access</source>
        <translation>Autoriser ou retirer l’accès au clavier</translation>
    </message>
    <message>
        <source>Help on keyboard access</source>
        <translation>Aide sur l’accès au clavier</translation>
    </message>
    <message>
        <source>Check for new versions</source>
        <translation>Rechercher de nouvelles versions</translation>
    </message>
    <message>
        <source>There is no update service for this system; the setting is kept for other systems.</source>
        <translation>Il n’y a pas de service de mise à jour pour ce système&#xa0;; le réglage est conservé pour d’autres systèmes.</translation>
    </message>
    <message>
        <source>Help and support</source>
        <translation>Aide et assistance</translation>
    </message>
    <message>
        <source>The support mail holds your settings, Keyvigil&apos;s lines from this boot&apos;s journal and its crash reports, so that a problem can be understood. Your mail program opens it for you to read and change before you send it.</source>
        <translation>Le courriel à l’assistance contient vos paramètres, les lignes de Keyvigil dans le journal de ce démarrage et ses rapports de plantage, pour qu’un problème puisse être compris. Votre logiciel de courrier l’ouvre pour que vous puissiez le lire et le modifier avant de l’envoyer.</translation>
    </message>
    <message>
        <source>&amp;Email Support…</source>
        <translation>Écrire à l’assis&amp;tance…</translation>
    </message>
    <message>
        <source>Opens a new message to support@keyvigil.org in your mail program.</source>
        <translation>Ouvre un nouveau message à support@keyvigil.org dans votre logiciel de courrier.</translation>
    </message>
    <message>
        <source>Email support</source>
        <translation>Écrire à l’assistance</translation>
    </message>
    <message>
        <source>Help on help and support</source>
        <translation>Aide sur l’aide et l’assistance</translation>
    </message>
    <message>
        <source>Lock warning choices</source>
        <translation>Choix d’avertissement</translation>
    </message>
    <message>
        <source>Lock warning choices without a looping sound</source>
        <translation>Choix d’avertissement sans son répété</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Limit how often one run of capitals is warned about. Unticked, every capital from the count on warns.</source>
        <translation>Limite le nombre d’avertissements pour une série de majuscules. Décochée, chaque majuscule à partir du seuil avertit.</translation>
    </message>
    <message>
        <source>Show a desktop n&amp;otification</source>
        <translation>Afficher une n&amp;otification</translation>
    </message>
    <message>
        <source>&amp;Caps Lock</source>
        <translation>V&amp;err. Maj</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t count the capitals of these words:</source>
        <translation>Ne pas compter les majuscules de ces &amp;mots&#xa0;:</translation>
    </message>
    <message>
        <source>Words whose capitals are not counted, each no longer than the capitals in a row that warn.</source>
        <translation>Mots dont les majuscules ne sont pas comptées, chacun pas plus long que les majuscules d’affilée qui avertissent.</translation>
    </message>
    <message>
        <source>Add A&amp;pplication…</source>
        <translation>Ajouter une a&amp;pplication…</translation>
    </message>
    <message>
        <source>Support mail not opened</source>
        <translation>Courriel à l’assistance non ouvert</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copies the support mail&apos;s text, to paste into a mail to support@keyvigil.org.</source>
        <translation>Copie le texte du courriel à l’assistance, pour le coller dans un courriel à support@keyvigil.org.</translation>
    </message>
    <message>
        <source>Copy the support mail to the clipboard</source>
        <translation>Copier le courriel à l’assistance dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>Saves the support mail&apos;s text in a file, to send to support@keyvigil.org.</source>
        <translation>Enregistre le texte du courriel à l’assistance dans un fichier, à envoyer à support@keyvigil.org.</translation>
    </message>
    <message>
        <source>Save the support mail in a file</source>
        <translation>Enregistrer le courriel à l’assistance dans un fichier</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Tai&amp;lle&#xa0;:</translation>
    </message>
    <message>
        <source>How large the corner window is: 1, 2 or 3 times its smallest size, on top of the screen&apos;s own scale.</source>
        <translation>La taille de la fenêtre du coin&#xa0;: 1, 2 ou 3 fois sa plus petite taille, en plus de l’échelle propre à l’écran.</translation>
    </message>
    <message>
        <source>Corner window size, in times its smallest</source>
        <translation>Taille de la fenêtre du coin, en multiples de la plus petite</translation>
    </message>
    <message>
        <source>times the smallest</source>
        <translation>fois la plus petite</translation>
    </message>
    <message>
        <source>Preview, 8 times its smallest size</source>
        <translation>Aperçu, 8 fois sa plus petite taille</translation>
    </message>
</context>
<context>
    <name>LinuxKeyboardAccess</name>
    <message>
        <source>pkexec, which asks for the administrator&apos;s password, is not installed (Debian&apos;s package pkexec)</source>
        <translation>pkexec, qui demande le mot de passe de l’administrateur, n’est pas installé (paquet Debian pkexec)</translation>
    </message>
    <message>
        <source>its program %1 is missing from this installation</source>
        <translation>son programme %1 manque dans cette installation</translation>
    </message>
    <message>
        <source>pkexec cannot be run: %1</source>
        <translation>pkexec ne peut pas être lancé&#xa0;: %1</translation>
    </message>
    <message>
        <source>pkexec ended unexpectedly</source>
        <translation>pkexec s’est arrêté de façon inattendue</translation>
    </message>
    <message>
        <source>the administrator&apos;s password was not given</source>
        <translation>le mot de passe de l’administrateur n’a pas été donné</translation>
    </message>
    <message>
        <source>the password was not accepted, or nobody could be asked for it</source>
        <translation>le mot de passe n’a pas été accepté, ou personne n’a pu être sollicité</translation>
    </message>
    <message>
        <source>the password was not accepted, or nobody could be asked for it (%1)</source>
        <translation>le mot de passe n’a pas été accepté, ou personne n’a pu être sollicité (%1)</translation>
    </message>
    <message>
        <source>%1 ended with exit status %2</source>
        <translation>%1 s’est terminé avec le code de sortie %2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>CAPS LOCK On</source>
        <translation>Verr. Maj activé</translation>
    </message>
    <message>
        <source>CAPS LOCK Off</source>
        <translation>Verr. Maj désactivé</translation>
    </message>
    <message>
        <source>NUM LOCK On</source>
        <translation>Verr. Num activé</translation>
    </message>
    <message>
        <source>NUM LOCK Off</source>
        <translation>Verr. Num désactivé</translation>
    </message>
    <message>
        <source>Too Many CAPS Typed</source>
        <translation>Trop de majuscules tapées</translation>
    </message>
    <message numerus="yes">
        <source>%n CAPS typed.</source>
        <translation>
            <numerusform>%n majuscule tapée.</numerusform>
            <numerusform>%n majuscules tapées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PaneContext</name>
    <message>
        <source>This window keeps your changes and saves them again when you change something or close it.</source>
        <translation>Cette fenêtre garde vos modifications et les enregistre de nouveau quand vous changez quelque chose ou la fermez.</translation>
    </message>
    <message>
        <source>The changes made in this window are lost.</source>
        <translation>Les modifications faites dans cette fenêtre sont perdues.</translation>
    </message>
    <message>
        <source>Settings Not Saved</source>
        <translation>Paramètres non enregistrés</translation>
    </message>
    <message>
        <source>Keyvigil could not save your settings in “%1”: %2.<byte value="xd"/><byte value="xd"/>The settings saved there before are kept. %3</source>
        <translation>Keyvigil n’a pas pu enregistrer vos paramètres dans «&#xa0;%1&#xa0;»&#xa0;: %2.<byte value="xd"/><byte value="xd"/>Les paramètres enregistrés là auparavant sont conservés. %3</translation>
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
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>RVTableViewArray</name>
    <message>
        <source>Error: Entry you specified already exists.</source>
        <translation>Erreur&#xa0;: l’entrée indiquée existe déjà.</translation>
    </message>
</context>
<context>
    <name>SettingsKeys</name>
    <message>
        <source>Warn about a run of capital letters.</source>
        <translation>Avertir d’une série de majuscules.</translation>
    </message>
    <message>
        <source>How many capitals in a row make a warning.</source>
        <translation>Combien de majuscules d’affilée déclenchent un avertissement.</translation>
    </message>
    <message>
        <source>Warn at most warnCapsLimitCount times during one run of capitals; off, every capital from warnCount on warns.</source>
        <translation>Avertir au plus warnCapsLimitCount fois pendant une série de majuscules&#xa0;; désactivé, chaque majuscule à partir de warnCount avertit.</translation>
    </message>
    <message>
        <source>The most warnings during one run of capitals.</source>
        <translation>Le nombre maximal d’avertissements pendant une série de majuscules.</translation>
    </message>
    <message>
        <source>Warn when Caps Lock goes on.</source>
        <translation>Avertir quand Verr. Maj est activé.</translation>
    </message>
    <message>
        <source>Keep the sound looping while Caps Lock stays on.</source>
        <translation>Répéter le son tant que Verr. Maj reste activé.</translation>
    </message>
    <message>
        <source>Warn when Num Lock goes on.</source>
        <translation>Avertir quand Verr. Num est activé.</translation>
    </message>
    <message>
        <source>Keep the sound looping while Num Lock stays on.</source>
        <translation>Répéter le son tant que Verr. Num reste activé.</translation>
    </message>
    <message>
        <source>Capitals that spell an excluded word do not count.</source>
        <translation>Les majuscules qui forment un mot exclu ne comptent pas.</translation>
    </message>
    <message>
        <source>The excluded words.</source>
        <translation>Les mots exclus.</translation>
    </message>
    <message>
        <source>Applications (desktop entries or .app folders) in which capitals do not count.</source>
        <translation>Applications (entrées de bureau ou dossiers .app) dans lesquelles les majuscules ne comptent pas.</translation>
    </message>
    <message>
        <source>Keys typed with Control or Super held do not count.</source>
        <translation>Les touches tapées en maintenant Ctrl ou Super ne comptent pas.</translation>
    </message>
    <message>
        <source>Keys that type no printable character do not count.</source>
        <translation>Les touches qui ne produisent aucun caractère imprimable ne comptent pas.</translation>
    </message>
    <message>
        <source>Capitals typed with Shift do not count, only those typed with Caps Lock on.</source>
        <translation>Les majuscules tapées avec Maj ne comptent pas, seulement celles tapées avec Verr. Maj activé.</translation>
    </message>
    <message>
        <source>Warn with a sound.</source>
        <translation>Avertir par un son.</translation>
    </message>
    <message>
        <source>The sound&apos;s name, from Keyvigil&apos;s or the desktop&apos;s sounds.</source>
        <translation>Le nom du son, parmi les sons de Keyvigil ou du bureau.</translation>
    </message>
    <message>
        <source>The sound&apos;s volume.</source>
        <translation>Le volume du son.</translation>
    </message>
    <message>
        <source>Warn by flashing the top of the screen.</source>
        <translation>Avertir en faisant clignoter le haut de l’écran.</translation>
    </message>
    <message>
        <source>Warn with a desktop notification.</source>
        <translation>Avertir par une notification.</translation>
    </message>
    <message>
        <source>The tray icon shows Caps Lock.</source>
        <translation>L’icône du tableau de bord montre Verr. Maj.</translation>
    </message>
    <message>
        <source>The tray icon shows Shift.</source>
        <translation>L’icône du tableau de bord montre Maj.</translation>
    </message>
    <message>
        <source>The tray icon shows Num Lock.</source>
        <translation>L’icône du tableau de bord montre Verr. Num.</translation>
    </message>
    <message>
        <source>Show a large picture in the centre of the screen while Caps Lock is on.</source>
        <translation>Afficher une grande image au centre de l’écran tant que Verr. Maj est activé.</translation>
    </message>
    <message>
        <source>Show a large picture in the centre of the screen while Num Lock is on.</source>
        <translation>Afficher une grande image au centre de l’écran tant que Verr. Num est activé.</translation>
    </message>
    <message>
        <source>The upper-left window has a cell for Caps Lock.</source>
        <translation>La fenêtre en haut à gauche a une case pour Verr. Maj.</translation>
    </message>
    <message>
        <source>The upper-left window has a cell for Num Lock.</source>
        <translation>La fenêtre en haut à gauche a une case pour Verr. Num.</translation>
    </message>
    <message>
        <source>The upper-left window has cells for Shift, Control, Alt, Super and Fn.</source>
        <translation>La fenêtre en haut à gauche a des cases pour Maj, Ctrl, Alt, Super et Fn.</translation>
    </message>
    <message>
        <source>Outline the upper-left window and its cells.</source>
        <translation>Entourer la fenêtre en haut à gauche et ses cases.</translation>
    </message>
    <message>
        <source>How large the upper-left window is, in times its smallest size; the screen&apos;s scale comes on top.</source>
        <translation>La taille de la fenêtre en haut à gauche, en multiples de sa plus petite taille&#xa0;; l’échelle de l’écran s’y ajoute.</translation>
    </message>
    <message>
        <source>Run Keyvigil Helper in the background, now and at every login.</source>
        <translation>Faire fonctionner Keyvigil Helper en arrière-plan, maintenant et à chaque connexion.</translation>
    </message>
    <message>
        <source>Check for new versions (kept for other systems; no update service here).</source>
        <translation>Rechercher de nouvelles versions (conservé pour d’autres systèmes&#xa0;; pas de service de mise à jour ici).</translation>
    </message>
    <message>
        <source>Set once the settings window has taken the settings over.</source>
        <translation>Activé une fois que la fenêtre des paramètres a repris les paramètres.</translation>
    </message>
    <message>
        <source>Where the settings window&apos;s bundle is; written each time the window opens.</source>
        <translation>L’emplacement du paquet de la fenêtre des paramètres&#xa0;; écrit à chaque ouverture de la fenêtre.</translation>
    </message>
    <message>
        <source>Older setting: when set, the tray icon&apos;s Caps Lock and Shift default to its opposite.</source>
        <translation>Ancien paramètre&#xa0;: s’il est présent, Verr. Maj et Maj de l’icône valent par défaut son contraire.</translation>
    </message>
    <message>
        <source>Older setting: any of these four on makes showOtherUpperLeft default to on.</source>
        <translation>Ancien paramètre&#xa0;: si l’un de ces quatre est activé, showOtherUpperLeft est activé par défaut.</translation>
    </message>
    <message>
        <source>Older setting, as showFnUpperLeft.</source>
        <translation>Ancien paramètre, comme showFnUpperLeft.</translation>
    </message>
    <message>
        <source>The store has taken over an older settings file.</source>
        <translation>Le magasin a repris un ancien fichier de paramètres.</translation>
    </message>
    <message>
        <source>The store file could not be read and was started afresh.</source>
        <translation>Le fichier du magasin n’a pas pu être lu et a été recommencé.</translation>
    </message>
</context>
<context>
    <name>SoundMenu</name>
    <message>
        <source>Desktop sounds</source>
        <translation>Sons du bureau</translation>
    </message>
    <message>
        <source>Sounds on this computer</source>
        <translation>Sons de cet ordinateur</translation>
    </message>
    <message>
        <source>Your sounds</source>
        <translation>Vos sons</translation>
    </message>
    <message>
        <source>System Alert Sound</source>
        <translation>Son d’alerte du système</translation>
    </message>
    <message>
        <source>Keyvigil’s own sound</source>
        <translation>Son propre à Keyvigil</translation>
    </message>
</context>
<context>
    <name>StatusItem</name>
    <message>
        <source>Caps Lock and Num Lock are on</source>
        <translation>Verr. Maj et Verr. Num sont activés</translation>
    </message>
    <message>
        <source>Caps Lock is on</source>
        <translation>Verr. Maj est activé</translation>
    </message>
    <message>
        <source>Num Lock is on</source>
        <translation>Verr. Num est activé</translation>
    </message>
    <message>
        <source>Shift is held down</source>
        <translation>Maj est enfoncée</translation>
    </message>
    <message>
        <source>No watched key is on</source>
        <translation>Aucune touche surveillée n’est activée</translation>
    </message>
    <message>
        <source>Warnings paused until %1</source>
        <translation>Avertissements suspendus jusqu’à %1</translation>
    </message>
    <message>
        <source>Open Keyvigil Settings…</source>
        <translation>Ouvrir les paramètres de Keyvigil…</translation>
    </message>
    <message>
        <source>Resume Warnings</source>
        <translation>Reprendre les avertissements</translation>
    </message>
    <message>
        <source>Pause Warnings for 5 Minutes</source>
        <translation>Suspendre les avertissements pendant 5 minutes</translation>
    </message>
</context>
<context>
    <name>SupportMailControl</name>
    <message>
        <source>The support mail could not be opened in a mail program: %1. Copy its text or save it in a file, and send it to %2 from any mail program.</source>
        <translation>Le courriel à l’assistance n’a pas pu être ouvert dans un logiciel de courrier&#xa0;: %1. Copiez son texte ou enregistrez-le dans un fichier, et envoyez-le à %2 depuis n’importe quel logiciel de courrier.</translation>
    </message>
    <message>
        <source>The support mail is on the clipboard. Paste it into a new mail to %1 before you close this window.</source>
        <translation>Le courriel à l’assistance est dans le presse-papiers. Collez-le dans un nouveau courriel à %1 avant de fermer cette fenêtre.</translation>
    </message>
    <message>
        <source>Keyvigil support mail.txt</source>
        <translation>Courriel à l’assistance Keyvigil.txt</translation>
    </message>
    <message>
        <source>Support Mail Not Saved</source>
        <translation>Courriel à l’assistance non enregistré</translation>
    </message>
    <message>
        <source>Keyvigil could not save the support mail in “%1”: %2.</source>
        <translation>Keyvigil n’a pas pu enregistrer le courriel à l’assistance dans «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The support mail is saved in “%1”. Send it to %2, attached or pasted into a mail.</source>
        <translation>Le courriel à l’assistance est enregistré dans «&#xa0;%1&#xa0;». Envoyez-le à %2, en pièce jointe ou collé dans un courriel.</translation>
    </message>
    <message>
        <source>Save the Support Mail</source>
        <translation>Enregistrer le courriel à l’assistance</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
</context>
<context>
    <name>keyvigil-defaults</name>
    <message>
        <source>write needs a type: -bool, -int, -float, -string or -array</source>
        <translation>write a besoin d’un type&#xa0;: -bool, -int, -float, -string ou -array</translation>
    </message>
    <message>
        <source>unknown type %1</source>
        <translation>type inconnu %1</translation>
    </message>
    <message>
        <source>%1 takes exactly one value</source>
        <translation>%1 prend exactement une valeur</translation>
    </message>
    <message>
        <source>-bool needs YES or NO, not &quot;%1&quot;</source>
        <translation>-bool a besoin de YES ou NO, pas de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>-int needs a 32-bit integer, not &quot;%1&quot;</source>
        <translation>-int a besoin d’un entier sur 32 bits, pas de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>-float needs a decimal number, not &quot;%1&quot;</source>
        <translation>-float a besoin d’un nombre décimal, pas de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>-d needs an identifier</source>
        <translation>-d a besoin d’un identifiant</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a usable identifier</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un identifiant utilisable</translation>
    </message>
    <message>
        <source>read takes at most one key</source>
        <translation>read prend au plus une clé</translation>
    </message>
    <message>
        <source>delete takes exactly one key</source>
        <translation>delete prend exactement une clé</translation>
    </message>
    <message>
        <source>keys takes no arguments</source>
        <translation>keys ne prend pas d’arguments</translation>
    </message>
    <message>
        <source>write needs a key</source>
        <translation>write a besoin d’une clé</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; %2</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»&#xa0;; %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Settings (key, write option, default, meaning):</source>
        <translation>Paramètres (clé, option d’écriture, valeur par défaut, signification)&#xa0;:</translation>
    </message>
    <message>
        <source>Older keys, read only to work out the defaults above:</source>
        <translation>Anciennes clés, lues seulement pour établir les valeurs par défaut ci-dessus&#xa0;:</translation>
    </message>
    <message>
        <source>warning: &quot;%1&quot; is not one of Keyvigil&apos;s settings (see &quot;keyvigil-defaults keys&quot;); written anyway</source>
        <translation>avertissement&#xa0;: «&#xa0;%1&#xa0;» n’est pas un paramètre de Keyvigil (voir «&#xa0;keyvigil-defaults keys&#xa0;»)&#xa0;; écrit quand même</translation>
    </message>
    <message>
        <source>warning: &quot;%1&quot; is read as %2, not %3; written anyway</source>
        <translation>avertissement&#xa0;: «&#xa0;%1&#xa0;» est lu comme %2, pas comme %3&#xa0;; écrit quand même</translation>
    </message>
    <message>
        <source>warning: &quot;%1&quot; is meant to be %2, not %3; written anyway</source>
        <translation>avertissement&#xa0;: «&#xa0;%1&#xa0;» doit valoir %2, pas %3&#xa0;; écrit quand même</translation>
    </message>
    <message>
        <source>%1 could not be read; it is taken as an empty store</source>
        <translation>%1 n’a pas pu être lu&#xa0;; il est pris pour un magasin vide</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not exist in %2</source>
        <translation>la clé «&#xa0;%1&#xa0;» n’existe pas dans %2</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; does not exist in %2; nothing deleted</source>
        <translation>la clé «&#xa0;%1&#xa0;» n’existe pas dans %2&#xa0;; rien n’est supprimé</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
</context>
</TS>
