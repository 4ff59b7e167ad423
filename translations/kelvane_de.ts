<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>NotificationHelper</name>
    <message>
        <source>Missing full disk access</source>
        <translation>Festplattenvollzugriff fehlt</translation>
    </message>
    <message>
        <source>Kelvane OS Agent requires full disk access for this service:

- Kelvane OS Agent

Do you want to enable required permission now?</source>
        <translation>Kelvane OS Agent benötigt für diesen Dienst den Festplattenvollzugriff:

- Kelvane OS Agent

Möchten Sie die erforderliche Berechtigung jetzt erteilen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The registration plug-in can&apos;t be loaded, so this machine can&apos;t be registered.</source>
        <translation>Das Registrierungs-Plug-in kann nicht geladen werden, daher kann dieser Computer nicht registriert werden.</translation>
    </message>
</context>
<context>
    <name>RegistrationPane</name>
    <message>
        <source>Register this machine with your backup server.</source>
        <translation>Registrieren Sie diesen Computer bei Ihrem Backup-Server.</translation>
    </message>
    <message>
        <source>New agent node</source>
        <translation>Neuer Agent-Knoten</translation>
    </message>
    <message>
        <source>Existing agent (re-register by GUID)</source>
        <translation>Vorhandener Agent (per GUID neu registrieren)</translation>
    </message>
    <message>
        <source>Node address:</source>
        <translation>Knotenadresse:</translation>
    </message>
    <message>
        <source>Login:</source>
        <translation>Anmeldename:</translation>
    </message>
    <message>
        <source>Your account on the backup server</source>
        <translation>Ihr Konto auf dem Backup-Server</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Node name:</source>
        <translation>Knotenname:</translation>
    </message>
    <message>
        <source>Name of this machine</source>
        <translation>Name dieses Computers</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrieren</translation>
    </message>
    <message>
        <source>Agent GUID:</source>
        <translation>Agent-GUID:</translation>
    </message>
    <message>
        <source>Re-register</source>
        <translation>Neu registrieren</translation>
    </message>
    <message>
        <source>Your organisation has filled in some of these fields; they can&apos;t be changed here.</source>
        <translation>Ihre Organisation hat einige dieser Felder ausgefüllt; sie können hier nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>installer::EnrollCommand</name>
    <message>
        <source>No one is logged in, so the menu-bar application starts at the next login.</source>
        <translation>Niemand ist angemeldet; die Menüleisten-App startet bei der nächsten Anmeldung.</translation>
    </message>
</context>
<context>
    <name>installer::EnrollOptions</name>
    <message>
        <source>--%1 does not apply to %2</source>
        <translation>--%1 gilt nicht für %2</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>--%1 is missing</source>
        <translation>--%1 fehlt</translation>
    </message>
    <message>
        <source>Give the password through --password-stdin or --password-file, not both</source>
        <translation>Geben Sie das Passwort mit --password-stdin oder --password-file an, nicht mit beiden</translation>
    </message>
    <message>
        <source>Give the password through --password-stdin or --password-file</source>
        <translation>Geben Sie das Passwort mit --password-stdin oder --password-file an</translation>
    </message>
    <message>
        <source>Name a command: register, reregister or status</source>
        <translation>Nennen Sie einen Befehl: register, reregister oder status</translation>
    </message>
    <message>
        <source>Unknown command; the commands are register, reregister and status</source>
        <translation>Unbekannter Befehl; die Befehle sind register, reregister und status</translation>
    </message>
    <message>
        <source>Unexpected argument after %1 (not shown: a password is never given as an argument)</source>
        <translation>Unerwartetes Argument nach %1 (nicht angezeigt: ein Passwort wird nie als Argument übergeben)</translation>
    </message>
    <message>
        <source>Usage:
  osagent-enroll register   --address HOST:PORT --login LOGIN [--name NAME] PASSWORD-SOURCE [--json]
  osagent-enroll reregister --guid GUID --address HOST:PORT --login LOGIN [--name NAME]
                            PASSWORD-SOURCE [--json]
  osagent-enroll status     [--json]

Registers this machine with the backup server as the installer&apos;s registration page does, or
tells whether it is enrolled and whether the agent daemon runs.

PASSWORD-SOURCE is one of:
  --password-stdin       read the password from standard input, up to its end
  --password-file FILE   read it from FILE, which no one but its owner (you or root) may read

  --name NAME   the node&apos;s name; this machine&apos;s host name when left out
  --json        print one JSON object on standard output instead of the message on
                standard error
  -h, --help    print this text

Exit status: 0 success, 3 can&apos;t connect to the server, 4 incorrect credentials, 5 incorrect
address, 64 usage error, 65 empty field, 77 password file permissions, 1 anything else.

Example, as root from a device-management script:
  printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --address backup.example.com:7443 \
      --login fleet --password-stdin
</source>
        <translation>Aufruf:
  osagent-enroll register   --address HOST:PORT --login LOGIN [--name NAME] PASSWORD-SOURCE [--json]
  osagent-enroll reregister --guid GUID --address HOST:PORT --login LOGIN [--name NAME]
                            PASSWORD-SOURCE [--json]
  osagent-enroll status     [--json]

Registriert diesen Computer beim Backup-Server, wie es die Registrierungsseite des Installationsprogramms tut,
oder gibt an, ob er registriert ist und ob der Agent-Dienst läuft.

PASSWORD-SOURCE ist eines von:
  --password-stdin       das Passwort aus der Standardeingabe lesen, bis zu ihrem Ende
  --password-file FILE   es aus FILE lesen, das niemand außer seinem Besitzer (Sie oder root) lesen darf

  --name NAME   der Name des Knotens; ohne Angabe der Hostname dieses Computers
  --json        ein JSON-Objekt auf der Standardausgabe ausgeben statt der Meldung auf der
                Standardfehlerausgabe
  -h, --help    diesen Text ausgeben

Exit-Status: 0 Erfolg, 3 keine Verbindung zum Server, 4 falsche Anmeldedaten, 5 falsche Adresse,
64 Aufruffehler, 65 leeres Feld, 77 Rechte der Passwortdatei, 1 alles andere.

Beispiel, als root aus einem Skript der Geräteverwaltung:
  printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --address backup.example.com:7443 \
      --login fleet --password-stdin
</translation>
    </message>
    <message>
        <source>--%1 differs from %2, which your organisation has set; leave --%1 out</source>
        <translation>--%1 weicht von %2 ab, das Ihre Organisation festgelegt hat; lassen Sie --%1 weg</translation>
    </message>
    <message>
        <source>
Where your organisation has set the server address, login or node name (ServerAddress, Login,
NodeName), --address, --login and --name may be left out; given, they must match.
</source>
        <translation>
Hat Ihre Organisation Serveradresse, Anmeldename oder Knotenname festgelegt (ServerAddress, Login,
NodeName), können --address, --login und --name entfallen; angegeben, müssen sie übereinstimmen.
</translation>
    </message>
</context>
<context>
    <name>installer::EnrollStatus</name>
    <message>
        <source>Process &apos;%1&apos; failed with exit code: %2</source>
        <translation>Der Prozess „%1“ ist mit dem Exit-Code %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>This machine is enrolled.</source>
        <translation>Dieser Computer ist registriert.</translation>
    </message>
    <message>
        <source>This machine is not enrolled.</source>
        <translation>Dieser Computer ist nicht registriert.</translation>
    </message>
    <message>
        <source>The agent daemon is running.</source>
        <translation>Der Agent-Dienst läuft.</translation>
    </message>
    <message>
        <source>The agent daemon is not running.</source>
        <translation>Der Agent-Dienst läuft nicht.</translation>
    </message>
    <message>
        <source>Its job in the job list: %1</source>
        <translation>Sein Eintrag in der Jobliste: %1</translation>
    </message>
    <message>
        <source>Its job is not in the job list.</source>
        <translation>Sein Job steht nicht in der Jobliste.</translation>
    </message>
    <message>
        <source>Set by your organisation: %1</source>
        <translation>Von Ihrer Organisation festgelegt: %1</translation>
    </message>
</context>
<context>
    <name>installer::InstallCommand</name>
    <message>
        <source>Can&apos;t install the configuration: the path &apos;%1&apos; is not safe in a shell command</source>
        <translation>Die Konfiguration kann nicht installiert werden: Der Pfad „%1“ ist in einem Shell-Befehl nicht sicher</translation>
    </message>
</context>
<context>
    <name>installer::PasswordSource</name>
    <message>
        <source>The password file &apos;%1&apos; is a symbolic link</source>
        <translation>Die Passwortdatei „%1“ ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can&apos;t be read by this user</source>
        <translation>Die Passwortdatei „%1“ kann von diesem Benutzer nicht gelesen werden</translation>
    </message>
    <message>
        <source>Can&apos;t open the password file &apos;%1&apos;. Error: %2</source>
        <translation>Die Passwortdatei „%1“ kann nicht geöffnet werden. Fehler: %2</translation>
    </message>
    <message>
        <source>Can&apos;t check the password file &apos;%1&apos;. Error: %2</source>
        <translation>Die Passwortdatei „%1“ kann nicht geprüft werden. Fehler: %2</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; is not a regular file</source>
        <translation>Die Passwortdatei „%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; belongs to another user</source>
        <translation>Die Passwortdatei „%1“ gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can be read by other users</source>
        <translation>Die Passwortdatei „%1“ kann von anderen Benutzern gelesen werden</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can be changed by other users</source>
        <translation>Die Passwortdatei „%1“ kann von anderen Benutzern geändert werden</translation>
    </message>
    <message>
        <source>Can&apos;t read the password file &apos;%1&apos;. Error: %2</source>
        <translation>Die Passwortdatei „%1“ kann nicht gelesen werden. Fehler: %2</translation>
    </message>
    <message>
        <source>The password is not valid UTF-8 text</source>
        <translation>Das Passwort ist kein gültiger UTF-8-Text</translation>
    </message>
</context>
<context>
    <name>installer::ProcessHelper</name>
    <message>
        <source>Can&apos;t run process &apos;%1&apos;. Error: %2</source>
        <translation>Der Prozess „%1“ kann nicht gestartet werden. Fehler: %2</translation>
    </message>
    <message>
        <source>Process &apos;%1&apos; failed with exit code: %2

%3</source>
        <translation>Der Prozess „%1“ ist mit dem Exit-Code %2 fehlgeschlagen

%3</translation>
    </message>
    <message>
        <source>Can&apos;t execute script %1</source>
        <translation>Das Skript kann nicht ausgeführt werden: %1</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationFields</name>
    <message>
        <source>Agent GUID field can&apos;t be empty</source>
        <translation>Das Feld „Agent-GUID“ darf nicht leer sein</translation>
    </message>
    <message>
        <source>Node address field can&apos;t be empty</source>
        <translation>Das Feld „Knotenadresse“ darf nicht leer sein</translation>
    </message>
    <message>
        <source>Login field can&apos;t be empty</source>
        <translation>Das Feld „Anmeldename“ darf nicht leer sein</translation>
    </message>
    <message>
        <source>Password field can&apos;t be empty</source>
        <translation>Das Feld „Passwort“ darf nicht leer sein</translation>
    </message>
    <message>
        <source>Name field can&apos;t be empty</source>
        <translation>Das Feld „Knotenname“ darf nicht leer sein</translation>
    </message>
    <message>
        <source>Re-registration success</source>
        <translation>Neuregistrierung erfolgreich</translation>
    </message>
    <message>
        <source>Registration success</source>
        <translation>Registrierung erfolgreich</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationForm</name>
    <message>
        <source>Set by your organisation</source>
        <translation>Von Ihrer Organisation festgelegt</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationHelper</name>
    <message>
        <source>Can&apos;t connect to server</source>
        <translation>Keine Verbindung zum Server möglich</translation>
    </message>
    <message>
        <source>Incorrect credential provided</source>
        <translation>Falsche Anmeldedaten angegeben</translation>
    </message>
    <message>
        <source>Incorrect address provided</source>
        <translation>Falsche Adresse angegeben</translation>
    </message>
    <message>
        <source>Process failed with exit code: %1

%2</source>
        <translation>Der Prozess ist mit dem Exit-Code %1 fehlgeschlagen

%2</translation>
    </message>
</context>
<context>
    <name>installer::StagingDirectory</name>
    <message>
        <source>The staging directory &apos;%1&apos; is a symbolic link</source>
        <translation>Das Zwischenverzeichnis „%1“ ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; is a symbolic link</source>
        <translation>Die bereitgestellte Konfigurationsdatei „%1“ ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; belongs to another user</source>
        <translation>Das Zwischenverzeichnis „%1“ gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; belongs to another user</source>
        <translation>Die bereitgestellte Konfigurationsdatei „%1“ gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; does not exist</source>
        <translation>Das Zwischenverzeichnis „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; is not a directory</source>
        <translation>Das Zwischenverzeichnis „%1“ ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; is not a regular file</source>
        <translation>Die bereitgestellte Konfigurationsdatei „%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; is writable by other users</source>
        <translation>Das Zwischenverzeichnis „%1“ ist für andere Benutzer beschreibbar</translation>
    </message>
    <message>
        <source>Can&apos;t check the staging directory &apos;%1&apos;. Error: %2</source>
        <translation>Das Zwischenverzeichnis „%1“ kann nicht geprüft werden. Fehler: %2</translation>
    </message>
    <message>
        <source>Can&apos;t create the staging directory &apos;%1&apos;. Error: %2</source>
        <translation>Das Zwischenverzeichnis „%1“ kann nicht angelegt werden. Fehler: %2</translation>
    </message>
    <message>
        <source>Can&apos;t check the staged configuration file &apos;%1&apos;. Error: %2</source>
        <translation>Die bereitgestellte Konfigurationsdatei „%1“ kann nicht geprüft werden. Fehler: %2</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is a symbolic link</source>
        <translation>Das Konfigurationsverzeichnis „%1“ ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; belongs to another user</source>
        <translation>Das Konfigurationsverzeichnis „%1“ gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is not a directory</source>
        <translation>Das Konfigurationsverzeichnis „%1“ ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is writable by other users</source>
        <translation>Das Konfigurationsverzeichnis „%1“ ist für andere Benutzer beschreibbar</translation>
    </message>
    <message>
        <source>Can&apos;t check the configuration directory &apos;%1&apos;. Error: %2</source>
        <translation>Das Konfigurationsverzeichnis „%1“ kann nicht geprüft werden. Fehler: %2</translation>
    </message>
</context>
<context>
    <name>menubar::AboutView</name>
    <message>
        <source>%1 icon</source>
        <translation>Symbol von %1</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>© %1 Kelvane Systems. All rights reserved.</source>
        <translation>© %1 Kelvane Systems. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>menubar::AppMenu</name>
    <message>
        <source>Start Kelvane OS Agent service</source>
        <translation>Dienst von Kelvane OS Agent starten</translation>
    </message>
    <message>
        <source>Stop Kelvane OS Agent service</source>
        <translation>Dienst von Kelvane OS Agent stoppen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Kelvane OS Agent</translation>
    </message>
    <message>
        <source>Open Application Log Directory</source>
        <translation>Protokollordner der Anwendung öffnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Do You really want to close application?</source>
        <translation>Möchten Sie die Anwendung wirklich schließen?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Register This Computer…</source>
        <translation>Diesen Computer registrieren…</translation>
    </message>
</context>
<context>
    <name>menubar::MenuBarExtra</name>
    <message>
        <source>Kelvane OS Agent: running</source>
        <translation>Kelvane OS Agent: läuft</translation>
    </message>
    <message>
        <source>Kelvane OS Agent: stopped</source>
        <translation>Kelvane OS Agent: gestoppt</translation>
    </message>
</context>
<context>
    <name>platform::AlertPresenter</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>platform::InstallerPaneWindow</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>platform::SetupAssistant</name>
    <message>
        <source>Kelvane OS Agent Setup</source>
        <translation>Einrichtung von Kelvane OS Agent</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>This assistant registers this machine with your backup server as a node of Kelvane OS Agent and installs the agent&apos;s configuration.

Have the server&apos;s address, your login and your password at hand.</source>
        <translation>Dieser Assistent registriert diesen Computer als Knoten von Kelvane OS Agent bei Ihrem Backup-Server und installiert die Konfiguration des Agenten.

Halten Sie die Adresse des Servers, Ihren Anmeldenamen und Ihr Passwort bereit.</translation>
    </message>
    <message>
        <source>Registration complete</source>
        <translation>Registrierung abgeschlossen</translation>
    </message>
    <message>
        <source>This machine is registered with the backup server.

The menu-bar application Kelvane OS Agent has been restarted; it starts the agent and shows its state in the menu bar.</source>
        <translation>Dieser Computer ist beim Backup-Server registriert.

Die Menüleisten-App Kelvane OS Agent wurde neu gestartet. Sie startet den Agenten und zeigt seinen Zustand in der Menüleiste an.</translation>
    </message>
</context>
</TS>
