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
    <message>
        <source>Try &apos;osagent-enroll --help&apos;</source>
        <translation>Voir &apos;osagent-enroll --help&apos;</translation>
    </message>
    <message>
        <source>Only root can uninstall Kelvane OS Agent: run it with sudo</source>
        <translation>Seul root peut désinstaller Kelvane OS Agent&#xa0;: lancez-le avec sudo</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Mot de passe&#xa0;: </translation>
    </message>
    <message>
        <source>This machine is already enrolled as agent %1: run reregister --guid %1 to enrol it again under that GUID, or register --force to enrol it as a new node</source>
        <translation>Cet ordinateur est déjà enregistré comme agent %1&#xa0;: lancez reregister --guid %1 pour l’enregistrer de nouveau sous ce GUID, ou register --force pour l’enregistrer comme nouveau nœud</translation>
    </message>
    <message>
        <source>This machine is already enrolled: run reregister --guid GUID to enrol it again under its agent&apos;s GUID, or register --force to enrol it as a new node</source>
        <translation>Cet ordinateur est déjà enregistré&#xa0;: lancez reregister --guid GUID pour l’enregistrer de nouveau sous le GUID de son agent, ou register --force pour l’enregistrer comme nouveau nœud</translation>
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
        <source>Unexpected argument after %1 (not shown: a password is never given as an argument)</source>
        <translation>Argument inattendu après %1 (non affiché&#xa0;: un mot de passe n’est jamais donné en argument)</translation>
    </message>
    <message>
        <source>--%1 differs from %2, which your organisation has set; leave --%1 out</source>
        <translation>--%1 diffère de %2, que votre organisation a défini&#xa0;; omettez --%1</translation>
    </message>
    <message>
        <source>--%1 is missing (%2)</source>
        <translation>--%1 manque (%2)</translation>
    </message>
    <message>
        <source>Name a command: register, reregister, status or uninstall</source>
        <translation>Indiquez une commande&#xa0;: register, reregister, status ou uninstall</translation>
    </message>
    <message>
        <source>Unknown command; the commands are register, reregister, status and uninstall</source>
        <translation>Commande inconnue&#xa0;; les commandes sont register, reregister, status et uninstall</translation>
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
        <source>Its job is not in the job list.</source>
        <translation>Sa tâche n’est pas dans la liste des tâches.</translation>
    </message>
    <message>
        <source>The agent daemon is running (process ID %1).</source>
        <translation>Le service de l’agent fonctionne (identifiant de processus %1).</translation>
    </message>
    <message>
        <source>It last ended with exit status %1.</source>
        <translation>Il s’est terminé la dernière fois avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>Set by your organisation:</source>
        <translation>Défini par votre organisation&#xa0;:</translation>
    </message>
    <message>
        <source>It was last ended by signal %1.</source>
        <translation>Il a été arrêté la dernière fois par le signal %1.</translation>
    </message>
    <message>
        <source>Turn on qmx-osagent under System Settings, Privacy &amp; Security, Full Disk Access (open %1), then start the agent from the menu-bar application.</source>
        <translation>Activez qmx-osagent dans Réglages Système, Confidentialité et sécurité, Accès complet au disque (ouvrez %1), puis démarrez l’agent depuis l’application de la barre des menus.</translation>
    </message>
    <message>
        <source>Kelvane OS Agent is not installed, but its configuration was kept: a new installation finds this machine enrolled.</source>
        <translation>Kelvane OS Agent n’est pas installé, mais sa configuration a été conservée&#xa0;: une nouvelle installation trouvera cet ordinateur enregistré.</translation>
    </message>
    <message>
        <source>Kelvane OS Agent is not installed.</source>
        <translation>Kelvane OS Agent n’est pas installé.</translation>
    </message>
    <message>
        <source>Its agent GUID is %1.</source>
        <translation>Le GUID de son agent est %1.</translation>
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
        <translation>Utilisation&#xa0;:
  osagent-enroll register   --address HOST:PORT --login LOGIN [--name NAME] PASSWORD-SOURCE [--force]
                            [--json]
  osagent-enroll reregister --guid GUID --address HOST:PORT --login LOGIN [--name NAME]
                            PASSWORD-SOURCE [--json]
  osagent-enroll status     [--json]
  osagent-enroll uninstall  [--keep-configuration] [--json]

Commandes&#xa0;:
  register    enregistre cet ordinateur comme nouveau nœud auprès du serveur de sauvegarde, comme
              le fait la page d’enregistrement du programme d’installation ; refusé sur un ordinateur déjà enregistré
  reregister  l’enregistre de nouveau sous le GUID d’un agent que le serveur connaît déjà
  status      indique si cet ordinateur est enregistré, sous quel GUID d’agent, si Kelvane OS Agent
              est installé et si le service de l’agent fonctionne
  uninstall   supprime Kelvane OS Agent&#xa0;: ses tâches, l’application, les journaux, le reçu du
              paquet et la configuration (en tant que root)

Options&#xa0;:
  --address HOST:PORT   l’adresse du serveur de sauvegarde, p. ex. --address backup.example.com:7443
  --login LOGIN         le compte sur le serveur de sauvegarde, p. ex. --login fleet-enrolment
  --guid GUID           le GUID de l’agent à enregistrer de nouveau,
                        p. ex. --guid 6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36
  --name NAME           le nom du nœud, à défaut le nom d’hôte de cet ordinateur,
                        p. ex. --name &quot;Reception, desk 2&quot;
  --password-stdin      lire le mot de passe sur l’entrée standard, jusqu’à sa fin&#xa0;; depuis un
                        terminal, une ligne tapée sans écho,
                        p. ex. printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --password-stdin
  --password-file FILE  le lire dans FILE, que seul son propriétaire (vous ou root) peut lire ou
                        modifier, p. ex. --password-file /var/root/enrol.pw
  --force               enregistrer quand même comme nouveau nœud un ordinateur déjà enregistré&#xa0;;
                        le serveur garde l’ancien nœud, p. ex. register --force
  --keep-configuration  tout désinstaller sauf la configuration, qu’une nouvelle installation trouve
                        alors enregistrée, p. ex. uninstall --keep-configuration
  --json                écrire un objet JSON sur la sortie standard au lieu des messages sur la
                        sortie d’erreur, p. ex. status --json
  -h, --help            afficher ce texte

Le mot de passe n’est jamais un argument&#xa0;: donnez une PASSWORD-SOURCE. Si votre organisation a
défini l’adresse du serveur, l’identifiant ou le nom du nœud (ServerAddress, Login, NodeName),
--address, --login et --name peuvent être omis&#xa0;; s’ils sont donnés, ils doivent correspondre.

Code de sortie&#xa0;: 0 succès, 3 connexion au serveur impossible, 4 identifiants incorrects, 5 adresse
incorrecte, 64 erreur d’utilisation, 65 champ vide, 66 aucun fichier de mot de passe, 71 ou 74 un
élément que la désinstallation n’a pas pu supprimer, 73 déjà enregistré (register sans --force),
77 un fichier de mot de passe non sûr ou pas
root, 1 tout le reste.

Exemple, en tant que root depuis un script de gestion des appareils&#xa0;:
  printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --address backup.example.com:7443 \
      --login fleet-enrolment --password-stdin --json
</translation>
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
        <source>The password file &apos;%1&apos; has more than one link</source>
        <translation>Le fichier de mot de passe «&#xa0;%1&#xa0;» a plus d’un lien</translation>
    </message>
    <message>
        <source>The password in the file &apos;%1&apos; is not valid UTF-8 text</source>
        <translation>Le mot de passe du fichier «&#xa0;%1&#xa0;» n’est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <source>The password from standard input is not valid UTF-8 text</source>
        <translation>Le mot de passe lu sur l’entrée standard n’est pas un texte UTF-8 valide</translation>
    </message>
    <message>
        <source>The password in the file &apos;%1&apos; is empty</source>
        <translation>Le mot de passe du fichier «&#xa0;%1&#xa0;» est vide</translation>
    </message>
    <message>
        <source>The password from standard input is empty</source>
        <translation>Le mot de passe lu sur l’entrée standard est vide</translation>
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
    <name>installer::RegistrationPane</name>
    <message>
        <source>Your organisation&apos;s settings for this page were ignored: %1</source>
        <translation>Les réglages de votre organisation pour cette page ont été ignorés&#xa0;: %1</translation>
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
    <message>
        <source>Can&apos;t create the staging directory: the temporary directory &apos;%1&apos; (TMPDIR) does not exist</source>
        <translation>Impossible de créer le dossier de transit&#xa0;: le dossier temporaire «&#xa0;%1&#xa0;» (TMPDIR) n’existe pas</translation>
    </message>
</context>
<context>
    <name>installer::Uninstall</name>
    <message>
        <source>Unloaded the job %1 of user %2</source>
        <translation>Tâche %1 de l’utilisateur %2 déchargée</translation>
    </message>
    <message>
        <source>Unloaded the job %1</source>
        <translation>Tâche %1 déchargée</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>%1 conservé</translation>
    </message>
    <message>
        <source>Nothing left to remove.</source>
        <translation>Plus rien à supprimer.</translation>
    </message>
    <message>
        <source>Can&apos;t unload the job %1</source>
        <translation>Impossible de décharger la tâche %1</translation>
    </message>
    <message>
        <source>it is still loaded</source>
        <translation>elle est toujours chargée</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 supprimé</translation>
    </message>
    <message>
        <source>Can&apos;t remove %1</source>
        <translation>Impossible de supprimer %1</translation>
    </message>
    <message>
        <source>Can&apos;t list the package receipts</source>
        <translation>Impossible de lister les reçus des paquets</translation>
    </message>
    <message>
        <source>Can&apos;t forget the package receipt %1</source>
        <translation>Impossible d’oublier le reçu du paquet %1</translation>
    </message>
    <message>
        <source>Forgot the package receipt %1</source>
        <translation>Reçu du paquet %1 oublié</translation>
    </message>
    <message>
        <source>Ended the process %1, which ran from %2</source>
        <translation>Processus %1 arrêté, qui s’exécutait depuis %2</translation>
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
    <name>menubar::BackupStateNotifier</name>
    <message>
        <source>Backups have resumed</source>
        <translation>Les sauvegardes ont repris</translation>
    </message>
    <message>
        <source>The Kelvane OS Agent service is running again: this computer is backed up.</source>
        <translation>Le service Kelvane OS Agent fonctionne de nouveau : cet ordinateur est sauvegardé.</translation>
    </message>
    <message>
        <source>Backups have stopped</source>
        <translation>Les sauvegardes se sont arrêtées</translation>
    </message>
    <message>
        <source>The Kelvane OS Agent service has not been running since %1: this computer is not being backed up.</source>
        <translation>Le service Kelvane OS Agent ne fonctionne plus depuis %1 : cet ordinateur n’est pas sauvegardé.</translation>
    </message>
    <message>
        <source>Start Backups</source>
        <translation>Démarrer les sauvegardes</translation>
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
    <message>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
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
