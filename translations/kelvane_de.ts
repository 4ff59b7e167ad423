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
</context>
<context>
    <name>installer::ReRegistrationView</name>
    <message>
        <source>Re-registration success</source>
        <translation>Neuregistrierung erfolgreich</translation>
    </message>
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
</context>
<context>
    <name>installer::RegistrationView</name>
    <message>
        <source>Registration success</source>
        <translation>Registrierung erfolgreich</translation>
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
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
