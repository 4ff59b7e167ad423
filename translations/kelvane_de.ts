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
    <message>
        <source>Try &apos;osagent-enroll --help&apos;</source>
        <translation>Siehe &apos;osagent-enroll --help&apos;</translation>
    </message>
    <message>
        <source>Only root can uninstall Kelvane OS Agent: run it with sudo</source>
        <translation>Nur root kann Kelvane OS Agent deinstallieren: Führen Sie es mit sudo aus</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Passwort: </translation>
    </message>
    <message>
        <source>This machine is already enrolled as agent %1: run reregister --guid %1 to enrol it again under that GUID, or register --force to enrol it as a new node</source>
        <translation>Dieser Computer ist bereits als Agent %1 registriert: Führen Sie reregister --guid %1 aus, um ihn erneut unter dieser GUID zu registrieren, oder register --force, um ihn als neuen Knoten zu registrieren</translation>
    </message>
    <message>
        <source>This machine is already enrolled: run reregister --guid GUID to enrol it again under its agent&apos;s GUID, or register --force to enrol it as a new node</source>
        <translation>Dieser Computer ist bereits registriert: Führen Sie reregister --guid GUID aus, um ihn erneut unter der GUID seines Agenten zu registrieren, oder register --force, um ihn als neuen Knoten zu registrieren</translation>
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
        <source>Unexpected argument after %1 (not shown: a password is never given as an argument)</source>
        <translation>Unerwartetes Argument nach %1 (nicht angezeigt: ein Passwort wird nie als Argument übergeben)</translation>
    </message>
    <message>
        <source>--%1 differs from %2, which your organisation has set; leave --%1 out</source>
        <translation>--%1 weicht von %2 ab, das Ihre Organisation festgelegt hat; lassen Sie --%1 weg</translation>
    </message>
    <message>
        <source>--%1 is missing (%2)</source>
        <translation>--%1 fehlt (%2)</translation>
    </message>
    <message>
        <source>Name a command: register, reregister, status or uninstall</source>
        <translation>Nennen Sie einen Befehl: register, reregister, status oder uninstall</translation>
    </message>
    <message>
        <source>Unknown command; the commands are register, reregister, status and uninstall</source>
        <translation>Unbekannter Befehl; die Befehle sind register, reregister, status und uninstall</translation>
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
        <source>Its job is not in the job list.</source>
        <translation>Sein Job steht nicht in der Jobliste.</translation>
    </message>
    <message>
        <source>The agent daemon is running (process ID %1).</source>
        <translation>Der Agent-Dienst läuft (Prozess-ID %1).</translation>
    </message>
    <message>
        <source>It last ended with exit status %1.</source>
        <translation>Er endete zuletzt mit dem Exit-Status %1.</translation>
    </message>
    <message>
        <source>Set by your organisation:</source>
        <translation>Von Ihrer Organisation festgelegt:</translation>
    </message>
    <message>
        <source>It was last ended by signal %1.</source>
        <translation>Er wurde zuletzt durch das Signal %1 beendet.</translation>
    </message>
    <message>
        <source>Turn on qmx-osagent under System Settings, Privacy &amp; Security, Full Disk Access (open %1), then start the agent from the menu-bar application.</source>
        <translation>Aktivieren Sie qmx-osagent unter Systemeinstellungen, Datenschutz &amp; Sicherheit, Festplattenvollzugriff (öffnen Sie %1) und starten Sie dann den Agenten über die Menüleisten-App.</translation>
    </message>
    <message>
        <source>Kelvane OS Agent is not installed, but its configuration was kept: a new installation finds this machine enrolled.</source>
        <translation>Kelvane OS Agent ist nicht installiert, aber seine Konfiguration wurde behalten: Eine neue Installation findet diesen Computer registriert vor.</translation>
    </message>
    <message>
        <source>Kelvane OS Agent is not installed.</source>
        <translation>Kelvane OS Agent ist nicht installiert.</translation>
    </message>
    <message>
        <source>Its agent GUID is %1.</source>
        <translation>Seine Agent-GUID ist %1.</translation>
    </message>
</context>
<context>
    <name>installer::EnrollUsage</name>
    <message>
        <source>Usage:
  osagent-enroll register   --address HOST:PORT --login LOGIN [--name NAME] PASSWORD-SOURCE [--force]
                            [--json]
  osagent-enroll reregister --guid GUID --address HOST:PORT --login LOGIN [--name NAME]
                            PASSWORD-SOURCE [--json]
  osagent-enroll status     [--json]
  osagent-enroll uninstall  [--keep-configuration] [--json]

Commands:
  register    enrols this machine with the backup server as a new node, as the installer&apos;s
              registration page does; refused on a machine already enrolled
  reregister  enrols it again under the GUID of an agent that the server already knows
  status      tells whether this machine is enrolled, under which agent GUID, whether Kelvane OS
              Agent is installed and whether the agent daemon runs
  uninstall   removes Kelvane OS Agent: its jobs, the application, the logs, the package receipt
              and the configuration (as root)

Options:
  --address HOST:PORT   the backup server&apos;s address, e.g. --address backup.example.com:7443
  --login LOGIN         the account on the backup server, e.g. --login fleet-enrolment
  --guid GUID           the GUID of the agent to enrol again,
                        e.g. --guid 6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36
  --name NAME           the node&apos;s name, this machine&apos;s host name when left out,
                        e.g. --name &quot;Reception, desk 2&quot;
  --password-stdin      read the password from standard input, up to its end; from a terminal,
                        one line typed without echo,
                        e.g. printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --password-stdin
  --password-file FILE  read it from FILE, which no one but its owner (you or root) may read or
                        change, e.g. --password-file /var/root/enrol.pw
  --force               register a machine already enrolled as a new node all the same; the server
                        keeps the old node, e.g. register --force
  --keep-configuration  uninstall all but the configuration, which a new installation then
                        finds enrolled, e.g. uninstall --keep-configuration
  --json                print one JSON object on standard output instead of the messages on
                        standard error, e.g. status --json
  -h, --help            print this text

The password is never an argument: give one PASSWORD-SOURCE. Where your organisation has set the
server address, login or node name (ServerAddress, Login, NodeName), --address, --login and --name
may be left out; given, they must match.

Exit status: 0 success, 3 can&apos;t connect to the server, 4 incorrect credentials, 5 incorrect
address, 64 usage error, 65 empty field, 66 no password file, 71 or 74 something the uninstall
could not remove, 73 already enrolled (register without --force), 77 an unsafe password file or
not root, 1 anything else.

Example, as root from a device-management script:
  printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --address backup.example.com:7443 \
      --login fleet-enrolment --password-stdin --json
</source>
        <translation>Aufruf:
  osagent-enroll register   --address HOST:PORT --login LOGIN [--name NAME] PASSWORD-SOURCE [--force]
                            [--json]
  osagent-enroll reregister --guid GUID --address HOST:PORT --login LOGIN [--name NAME]
                            PASSWORD-SOURCE [--json]
  osagent-enroll status     [--json]
  osagent-enroll uninstall  [--keep-configuration] [--json]

Befehle:
  register    registriert diesen Computer als neuen Knoten beim Backup-Server, wie es die
              Registrierungsseite des Installationsprogramms tut; auf einem bereits
              registrierten Computer abgelehnt
  reregister  registriert ihn erneut unter der GUID eines Agenten, den der Server schon kennt
  status      gibt an, ob dieser Computer registriert ist, unter welcher Agent-GUID, ob Kelvane OS
              Agent installiert ist und ob der Agent-Dienst läuft
  uninstall   entfernt Kelvane OS Agent: seine Jobs, die App, die Protokolle, den Paketbeleg
              und die Konfiguration (als root)

Optionen:
  --address HOST:PORT   die Adresse des Backup-Servers, z. B. --address backup.example.com:7443
  --login LOGIN         das Konto auf dem Backup-Server, z. B. --login fleet-enrolment
  --guid GUID           die GUID des erneut zu registrierenden Agenten,
                        z. B. --guid 6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36
  --name NAME           der Name des Knotens, ohne Angabe der Hostname dieses Computers,
                        z. B. --name &quot;Reception, desk 2&quot;
  --password-stdin      das Passwort aus der Standardeingabe lesen, bis zu ihrem Ende; von einem
                        Terminal eine Zeile, ohne Echo eingegeben,
                        z. B. printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --password-stdin
  --password-file FILE  es aus FILE lesen, das niemand außer seinem Besitzer (Sie oder root) lesen
                        oder ändern darf, z. B. --password-file /var/root/enrol.pw
  --force               einen bereits registrierten Computer trotzdem als neuen Knoten registrieren;
                        der alte Knoten bleibt auf dem Server, z. B. register --force
  --keep-configuration  alles außer der Konfiguration deinstallieren, sodass eine neue Installation
                        registriert ist, z. B. uninstall --keep-configuration
  --json                ein JSON-Objekt auf der Standardausgabe ausgeben statt der Meldungen auf der
                        Standardfehlerausgabe, z. B. status --json
  -h, --help            diesen Text ausgeben

Das Passwort ist nie ein Argument: Geben Sie eine PASSWORD-SOURCE an. Hat Ihre Organisation
Serveradresse, Anmeldename oder Knotenname festgelegt (ServerAddress, Login, NodeName), können
--address, --login und --name entfallen; angegeben, müssen sie übereinstimmen.

Exit-Status: 0 Erfolg, 3 keine Verbindung zum Server, 4 falsche Anmeldedaten, 5 falsche Adresse,
64 Aufruffehler, 65 leeres Feld, 66 keine Passwortdatei, 71 oder 74 etwas, das die Deinstallation
nicht entfernen konnte, 73 bereits registriert (register ohne --force),
77 eine unsichere Passwortdatei oder nicht root, 1 alles andere.

Beispiel, als root aus einem Skript der Geräteverwaltung:
  printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --address backup.example.com:7443 \
      --login fleet-enrolment --password-stdin --json
</translation>
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
        <source>The password file &apos;%1&apos; has more than one link</source>
        <translation>Die Passwortdatei „%1“ hat mehr als einen Link</translation>
    </message>
    <message>
        <source>The password in the file &apos;%1&apos; is not valid UTF-8 text</source>
        <translation>Das Passwort in der Datei „%1“ ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>The password from standard input is not valid UTF-8 text</source>
        <translation>Das Passwort aus der Standardeingabe ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>The password in the file &apos;%1&apos; is empty</source>
        <translation>Das Passwort in der Datei „%1“ ist leer</translation>
    </message>
    <message>
        <source>The password from standard input is empty</source>
        <translation>Das Passwort aus der Standardeingabe ist leer</translation>
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
    <name>installer::RegistrationPane</name>
    <message>
        <source>Your organisation&apos;s settings for this page were ignored: %1</source>
        <translation>Die Einstellungen Ihrer Organisation für diese Seite wurden nicht verwendet: %1</translation>
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
    <message>
        <source>Can&apos;t create the staging directory: the temporary directory &apos;%1&apos; (TMPDIR) does not exist</source>
        <translation>Das Zwischenverzeichnis kann nicht angelegt werden: Das temporäre Verzeichnis „%1“ (TMPDIR) existiert nicht</translation>
    </message>
</context>
<context>
    <name>installer::Uninstall</name>
    <message>
        <source>Unloaded the job %1 of user %2</source>
        <translation>Job %1 des Benutzers %2 entladen</translation>
    </message>
    <message>
        <source>Unloaded the job %1</source>
        <translation>Job %1 entladen</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>%1 behalten</translation>
    </message>
    <message>
        <source>Nothing left to remove.</source>
        <translation>Nichts mehr zu entfernen.</translation>
    </message>
    <message>
        <source>Can&apos;t unload the job %1</source>
        <translation>Job %1 kann nicht entladen werden</translation>
    </message>
    <message>
        <source>it is still loaded</source>
        <translation>er ist noch geladen</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>Can&apos;t remove %1</source>
        <translation>%1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>Can&apos;t list the package receipts</source>
        <translation>Die Paketbelege können nicht aufgelistet werden</translation>
    </message>
    <message>
        <source>Can&apos;t forget the package receipt %1</source>
        <translation>Der Paketbeleg %1 kann nicht vergessen werden</translation>
    </message>
    <message>
        <source>Forgot the package receipt %1</source>
        <translation>Paketbeleg %1 vergessen</translation>
    </message>
    <message>
        <source>Ended the process %1, which ran from %2</source>
        <translation>Prozess %1 beendet, der aus %2 lief</translation>
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
    <name>menubar::BackupStateNotifier</name>
    <message>
        <source>Backups have resumed</source>
        <translation>Die Datensicherung läuft wieder</translation>
    </message>
    <message>
        <source>The Kelvane OS Agent service is running again: this computer is backed up.</source>
        <translation>Der Dienst Kelvane OS Agent läuft wieder: Dieser Computer wird gesichert.</translation>
    </message>
    <message>
        <source>Backups have stopped</source>
        <translation>Die Datensicherung wurde beendet</translation>
    </message>
    <message>
        <source>The Kelvane OS Agent service has not been running since %1: this computer is not being backed up.</source>
        <translation>Der Dienst Kelvane OS Agent läuft seit %1 nicht: Dieser Computer wird nicht gesichert.</translation>
    </message>
    <message>
        <source>Start Backups</source>
        <translation>Datensicherung starten</translation>
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
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
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
