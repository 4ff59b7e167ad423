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
    <message>
        <source>Your organisation has filled in some of these fields; they can&apos;t be changed here.</source>
        <translation>Votre organisation a rempli certains de ces champs&#xa0;; ils ne peuvent pas être modifiés ici.</translation>
    </message>
</context>
<context>
    <name>installer::EnrollCommand</name>
    <message>
        <source>No one is logged in, so the menu-bar application starts at the next login.</source>
        <translation>Personne n’est connecté&#xa0;: l’application de barre des menus démarrera à la prochaine ouverture de session.</translation>
    </message>
</context>
<context>
    <name>installer::EnrollOptions</name>
    <message>
        <source>--%1 does not apply to %2</source>
        <translation>--%1 ne s’applique pas à %2</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est donné plus d’une fois</translation>
    </message>
    <message>
        <source>--%1 is missing</source>
        <translation>--%1 manque</translation>
    </message>
    <message>
        <source>Give the password through --password-stdin or --password-file, not both</source>
        <translation>Donnez le mot de passe avec --password-stdin ou --password-file, pas les deux</translation>
    </message>
    <message>
        <source>Give the password through --password-stdin or --password-file</source>
        <translation>Donnez le mot de passe avec --password-stdin ou --password-file</translation>
    </message>
    <message>
        <source>Name a command: register, reregister or status</source>
        <translation>Indiquez une commande&#xa0;: register, reregister ou status</translation>
    </message>
    <message>
        <source>Unknown command; the commands are register, reregister and status</source>
        <translation>Commande inconnue&#xa0;; les commandes sont register, reregister et status</translation>
    </message>
    <message>
        <source>Unexpected argument after %1 (not shown: a password is never given as an argument)</source>
        <translation>Argument inattendu après %1 (non affiché&#xa0;: un mot de passe n’est jamais donné en argument)</translation>
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
        <translation>Utilisation&#xa0;:
  osagent-enroll register   --address HOST:PORT --login LOGIN [--name NAME] PASSWORD-SOURCE [--json]
  osagent-enroll reregister --guid GUID --address HOST:PORT --login LOGIN [--name NAME]
                            PASSWORD-SOURCE [--json]
  osagent-enroll status     [--json]

Enregistre cet ordinateur auprès du serveur de sauvegarde comme le fait la page d’enregistrement du
programme d’installation, ou indique s’il est enregistré et si le service de l’agent fonctionne.

PASSWORD-SOURCE est l’une de ces options&#xa0;:
  --password-stdin       lire le mot de passe sur l’entrée standard, jusqu’à sa fin
  --password-file FILE   le lire dans FILE, que seul son propriétaire (vous ou root) peut lire

  --name NAME   le nom du nœud&#xa0;; à défaut, le nom d’hôte de cet ordinateur
  --json        écrire un objet JSON sur la sortie standard au lieu du message sur la
                sortie d’erreur
  -h, --help    afficher ce texte

Code de sortie&#xa0;: 0 succès, 3 connexion au serveur impossible, 4 identifiants incorrects, 5 adresse
incorrecte, 64 erreur d’utilisation, 65 champ vide, 77 droits du fichier de mot de passe, 1 tout le reste.

Exemple, en tant que root depuis un script de gestion des appareils&#xa0;:
  printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --address backup.example.com:7443 \
      --login fleet --password-stdin
</translation>
    </message>
    <message>
        <source>--%1 differs from %2, which your organisation has set; leave --%1 out</source>
        <translation>--%1 diffère de %2, que votre organisation a défini&#xa0;; omettez --%1</translation>
    </message>
    <message>
        <source>
Where your organisation has set the server address, login or node name (ServerAddress, Login,
NodeName), --address, --login and --name may be left out; given, they must match.
</source>
        <translation>
Si votre organisation a défini l’adresse du serveur, l’identifiant ou le nom du nœud (ServerAddress,
Login, NodeName), --address, --login et --name peuvent être omis&#xa0;; s’ils sont donnés, ils doivent
correspondre.
</translation>
    </message>
</context>
<context>
    <name>installer::EnrollStatus</name>
    <message>
        <source>Process &apos;%1&apos; failed with exit code: %2</source>
        <translation>Le processus «&#xa0;%1&#xa0;» a échoué avec le code de sortie&#xa0;: %2</translation>
    </message>
    <message>
        <source>This machine is enrolled.</source>
        <translation>Cet ordinateur est enregistré.</translation>
    </message>
    <message>
        <source>This machine is not enrolled.</source>
        <translation>Cet ordinateur n’est pas enregistré.</translation>
    </message>
    <message>
        <source>The agent daemon is running.</source>
        <translation>Le service de l’agent fonctionne.</translation>
    </message>
    <message>
        <source>The agent daemon is not running.</source>
        <translation>Le service de l’agent ne fonctionne pas.</translation>
    </message>
    <message>
        <source>Its job in the job list: %1</source>
        <translation>Sa tâche dans la liste des tâches&#xa0;: %1</translation>
    </message>
    <message>
        <source>Its job is not in the job list.</source>
        <translation>Sa tâche n’est pas dans la liste des tâches.</translation>
    </message>
    <message>
        <source>Set by your organisation: %1</source>
        <translation>Défini par votre organisation&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>installer::InstallCommand</name>
    <message>
        <source>Can&apos;t install the configuration: the path &apos;%1&apos; is not safe in a shell command</source>
        <translation>Impossible d’installer la configuration&#xa0;: le chemin «&#xa0;%1&#xa0;» n’est pas sûr dans une commande shell</translation>
    </message>
</context>
<context>
    <name>installer::PasswordSource</name>
    <message>
        <source>The password file &apos;%1&apos; is a symbolic link</source>
        <translation>Le fichier de mot de passe «&#xa0;%1&#xa0;» est un lien symbolique</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can&apos;t be read by this user</source>
        <translation>Le fichier de mot de passe «&#xa0;%1&#xa0;» ne peut pas être lu par cet utilisateur</translation>
    </message>
    <message>
        <source>Can&apos;t open the password file &apos;%1&apos;. Error: %2</source>
        <translation>Impossible d’ouvrir le fichier de mot de passe «&#xa0;%1&#xa0;». Erreur&#xa0;: %2</translation>
    </message>
    <message>
        <source>Can&apos;t check the password file &apos;%1&apos;. Error: %2</source>
        <translation>Impossible de vérifier le fichier de mot de passe «&#xa0;%1&#xa0;». Erreur&#xa0;: %2</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; is not a regular file</source>
        <translation>Le fichier de mot de passe «&#xa0;%1&#xa0;» n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; belongs to another user</source>
        <translation>Le fichier de mot de passe «&#xa0;%1&#xa0;» appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can be read by other users</source>
        <translation>Le fichier de mot de passe «&#xa0;%1&#xa0;» peut être lu par d’autres utilisateurs</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can be changed by other users</source>
        <translation>Le fichier de mot de passe «&#xa0;%1&#xa0;» peut être modifié par d’autres utilisateurs</translation>
    </message>
    <message>
        <source>Can&apos;t read the password file &apos;%1&apos;. Error: %2</source>
        <translation>Impossible de lire le fichier de mot de passe «&#xa0;%1&#xa0;». Erreur&#xa0;: %2</translation>
    </message>
    <message>
        <source>The password is not valid UTF-8 text</source>
        <translation>Le mot de passe n’est pas un texte UTF-8 valide</translation>
    </message>
</context>
<context>
    <name>installer::ProcessHelper</name>
    <message>
        <source>Can&apos;t run process &apos;%1&apos;. Error: %2</source>
        <translation>Impossible de lancer le processus «&#xa0;%1&#xa0;». Erreur&#xa0;: %2</translation>
    </message>
    <message>
        <source>Process &apos;%1&apos; failed with exit code: %2

%3</source>
        <translation>Le processus «&#xa0;%1&#xa0;» a échoué avec le code de sortie&#xa0;: %2

%3</translation>
    </message>
    <message>
        <source>Can&apos;t execute script %1</source>
        <translation>Impossible d’exécuter le script&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationFields</name>
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
    <message>
        <source>Re-registration success</source>
        <translation>Réenregistrement réussi</translation>
    </message>
    <message>
        <source>Registration success</source>
        <translation>Enregistrement réussi</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationForm</name>
    <message>
        <source>Set by your organisation</source>
        <translation>Défini par votre organisation</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationHelper</name>
    <message>
        <source>Can&apos;t connect to server</source>
        <translation>Impossible de se connecter au serveur</translation>
    </message>
    <message>
        <source>Incorrect credential provided</source>
        <translation>Identifiants incorrects</translation>
    </message>
    <message>
        <source>Incorrect address provided</source>
        <translation>Adresse incorrecte</translation>
    </message>
    <message>
        <source>Process failed with exit code: %1

%2</source>
        <translation>Le processus a échoué avec le code de sortie&#xa0;: %1

%2</translation>
    </message>
</context>
<context>
    <name>installer::StagingDirectory</name>
    <message>
        <source>The staging directory &apos;%1&apos; is a symbolic link</source>
        <translation>Le dossier de transit «&#xa0;%1&#xa0;» est un lien symbolique</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; is a symbolic link</source>
        <translation>Le fichier de configuration en transit «&#xa0;%1&#xa0;» est un lien symbolique</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; belongs to another user</source>
        <translation>Le dossier de transit «&#xa0;%1&#xa0;» appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; belongs to another user</source>
        <translation>Le fichier de configuration en transit «&#xa0;%1&#xa0;» appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; does not exist</source>
        <translation>Le dossier de transit «&#xa0;%1&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; is not a directory</source>
        <translation>Le dossier de transit «&#xa0;%1&#xa0;» n’est pas un dossier</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; is not a regular file</source>
        <translation>Le fichier de configuration en transit «&#xa0;%1&#xa0;» n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; is writable by other users</source>
        <translation>Le dossier de transit «&#xa0;%1&#xa0;» est modifiable par d’autres utilisateurs</translation>
    </message>
    <message>
        <source>Can&apos;t check the staging directory &apos;%1&apos;. Error: %2</source>
        <translation>Impossible de vérifier le dossier de transit «&#xa0;%1&#xa0;». Erreur&#xa0;: %2</translation>
    </message>
    <message>
        <source>Can&apos;t create the staging directory &apos;%1&apos;. Error: %2</source>
        <translation>Impossible de créer le dossier de transit «&#xa0;%1&#xa0;». Erreur&#xa0;: %2</translation>
    </message>
    <message>
        <source>Can&apos;t check the staged configuration file &apos;%1&apos;. Error: %2</source>
        <translation>Impossible de vérifier le fichier de configuration en transit «&#xa0;%1&#xa0;». Erreur&#xa0;: %2</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is a symbolic link</source>
        <translation>Le dossier de configuration «&#xa0;%1&#xa0;» est un lien symbolique</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; belongs to another user</source>
        <translation>Le dossier de configuration «&#xa0;%1&#xa0;» appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is not a directory</source>
        <translation>Le dossier de configuration «&#xa0;%1&#xa0;» n’est pas un dossier</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is writable by other users</source>
        <translation>Le dossier de configuration «&#xa0;%1&#xa0;» est modifiable par d’autres utilisateurs</translation>
    </message>
    <message>
        <source>Can&apos;t check the configuration directory &apos;%1&apos;. Error: %2</source>
        <translation>Impossible de vérifier le dossier de configuration «&#xa0;%1&#xa0;». Erreur&#xa0;: %2</translation>
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
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Register This Computer…</source>
        <translation>Enregistrer cet ordinateur…</translation>
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
    <name>platform::AlertPresenter</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>platform::InstallerPaneWindow</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
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
