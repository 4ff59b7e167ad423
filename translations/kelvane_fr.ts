<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>NotificationHelper</name>
    <message>
        <source>Missing full disk access</source>
        <translation>Accès complet au disque manquant</translation>
    </message>
    <message>
        <source>Kelvane OS Agent requires full disk access for this service:

- Kelvane OS Agent

Do you want to enable required permission now?</source>
        <translation>Kelvane OS Agent a besoin de l’accès complet au disque pour ce service&#xa0;:

- Kelvane OS Agent

Voulez-vous accorder l’autorisation nécessaire maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>Le module d’enregistrement ne peut pas être chargé&#xa0;; cet ordinateur ne peut donc pas être enregistré.</translation>
    </message>
</context>
<context>
    <name>RegistrationPane</name>
    <message>
        <source>Register this machine with your backup server.</source>
        <translation>Enregistrez cet ordinateur auprès de votre serveur de sauvegarde.</translation>
    </message>
    <message>
        <source>New agent node</source>
        <translation>Nouveau nœud d’agent</translation>
    </message>
    <message>
        <source>Existing agent (re-register by GUID)</source>
        <translation>Agent existant (réenregistrer par GUID)</translation>
    </message>
    <message>
        <source>Node address:</source>
        <translation>Adresse du nœud&#xa0;:</translation>
    </message>
    <message>
        <source>Login:</source>
        <translation>Identifiant&#xa0;:</translation>
    </message>
    <message>
        <source>Your account on the backup server</source>
        <translation>Votre compte sur le serveur de sauvegarde</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Node name:</source>
        <translation>Nom du nœud&#xa0;:</translation>
    </message>
    <message>
        <source>Name of this machine</source>
        <translation>Nom de cet ordinateur</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Agent GUID:</source>
        <translation>GUID de l’agent&#xa0;:</translation>
    </message>
    <message>
        <source>Re-register</source>
        <translation>Réenregistrer</translation>
    </message>
</context>
<context>
    <name>installer::ReRegistrationView</name>
    <message>
        <source>Re-registration success</source>
        <translation>Réenregistrement réussi</translation>
    </message>
    <message>
        <source>Agent GUID field can&apos;t be empty</source>
        <translation>Le champ «&#xa0;GUID de l’agent&#xa0;» ne peut pas être vide</translation>
    </message>
    <message>
        <source>Node address field can&apos;t be empty</source>
        <translation>Le champ «&#xa0;Adresse du nœud&#xa0;» ne peut pas être vide</translation>
    </message>
    <message>
        <source>Login field can&apos;t be empty</source>
        <translation>Le champ «&#xa0;Identifiant&#xa0;» ne peut pas être vide</translation>
    </message>
    <message>
        <source>Password field can&apos;t be empty</source>
        <translation>Le champ «&#xa0;Mot de passe&#xa0;» ne peut pas être vide</translation>
    </message>
    <message>
        <source>Name field can&apos;t be empty</source>
        <translation>Le champ «&#xa0;Nom du nœud&#xa0;» ne peut pas être vide</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationView</name>
    <message>
        <source>Registration success</source>
        <translation>Enregistrement réussi</translation>
    </message>
    <message>
        <source>Node address field can&apos;t be empty</source>
        <translation>Le champ «&#xa0;Adresse du nœud&#xa0;» ne peut pas être vide</translation>
    </message>
    <message>
        <source>Login field can&apos;t be empty</source>
        <translation>Le champ «&#xa0;Identifiant&#xa0;» ne peut pas être vide</translation>
    </message>
    <message>
        <source>Password field can&apos;t be empty</source>
        <translation>Le champ «&#xa0;Mot de passe&#xa0;» ne peut pas être vide</translation>
    </message>
    <message>
        <source>Name field can&apos;t be empty</source>
        <translation>Le champ «&#xa0;Nom du nœud&#xa0;» ne peut pas être vide</translation>
    </message>
</context>
<context>
    <name>menubar::AboutView</name>
    <message>
        <source>%1 icon</source>
        <translation>Icône de %1</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version&#xa0;: </translation>
    </message>
    <message>
        <source>© %1 Kelvane Systems. All rights reserved.</source>
        <translation>© %1 Kelvane Systems. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>menubar::AppMenu</name>
    <message>
        <source>Start Kelvane OS Agent service</source>
        <translation>Démarrer le service Kelvane OS Agent</translation>
    </message>
    <message>
        <source>Stop Kelvane OS Agent service</source>
        <translation>Arrêter le service Kelvane OS Agent</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Kelvane OS Agent</translation>
    </message>
    <message>
        <source>Open Application Log Directory</source>
        <translation>Ouvrir le dossier des journaux de l’application</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Do You really want to close application?</source>
        <translation>Voulez-vous vraiment fermer l’application&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>menubar::MenuBarExtra</name>
    <message>
        <source>Kelvane OS Agent: running</source>
        <translation>Kelvane OS Agent&#xa0;: en cours d’exécution</translation>
    </message>
    <message>
        <source>Kelvane OS Agent: stopped</source>
        <translation>Kelvane OS Agent&#xa0;: arrêté</translation>
    </message>
</context>
<context>
    <name>platform::SetupAssistant</name>
    <message>
        <source>Kelvane OS Agent Setup</source>
        <translation>Installation de Kelvane OS Agent</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>This assistant registers this machine with your backup server as a node of Kelvane OS Agent and installs the agent&apos;s configuration.

Have the server&apos;s address, your login and your password at hand.</source>
        <translation>Cet assistant enregistre cet ordinateur comme nœud de Kelvane OS Agent auprès de votre serveur de sauvegarde et installe la configuration de l’agent.

Gardez à portée de main l’adresse du serveur, votre identifiant et votre mot de passe.</translation>
    </message>
    <message>
        <source>Registration complete</source>
        <translation>Enregistrement terminé</translation>
    </message>
    <message>
        <source>This machine is registered with the backup server.

The menu-bar application Kelvane OS Agent has been restarted; it starts the agent and shows its state in the menu bar.</source>
        <translation>Cet ordinateur est enregistré auprès du serveur de sauvegarde.

L’application de barre des menus Kelvane OS Agent a été redémarrée&#xa0;; elle démarre l’agent et affiche son état dans la barre des menus.</translation>
    </message>
</context>
</TS>
