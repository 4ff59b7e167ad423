<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>NotificationHelper</name>
    <message>
        <source>Missing full disk access</source>
        <translation>Falta el acceso total al disco</translation>
    </message>
    <message>
        <source>Kelvane OS Agent requires full disk access for this service:

- Kelvane OS Agent

Do you want to enable required permission now?</source>
        <translation>Kelvane OS Agent necesita acceso total al disco para este servicio:

- Kelvane OS Agent

¿Quiere conceder ahora el permiso necesario?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The registration plug-in can&apos;t be loaded, so this machine can&apos;t be registered.</source>
        <translation>No se puede cargar el complemento de registro, así que este equipo no se puede registrar.</translation>
    </message>
</context>
<context>
    <name>RegistrationPane</name>
    <message>
        <source>Register this machine with your backup server.</source>
        <translation>Registre este equipo en su servidor de copias de seguridad.</translation>
    </message>
    <message>
        <source>New agent node</source>
        <translation>Nuevo nodo de agente</translation>
    </message>
    <message>
        <source>Existing agent (re-register by GUID)</source>
        <translation>Agente existente (volver a registrar por GUID)</translation>
    </message>
    <message>
        <source>Node address:</source>
        <translation>Dirección del nodo:</translation>
    </message>
    <message>
        <source>Login:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Your account on the backup server</source>
        <translation>Su cuenta en el servidor de copias de seguridad</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Node name:</source>
        <translation>Nombre del nodo:</translation>
    </message>
    <message>
        <source>Name of this machine</source>
        <translation>Nombre de este equipo</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrar</translation>
    </message>
    <message>
        <source>Agent GUID:</source>
        <translation>GUID del agente:</translation>
    </message>
    <message>
        <source>Re-register</source>
        <translation>Volver a registrar</translation>
    </message>
    <message>
        <source>Your organisation has filled in some of these fields; they can&apos;t be changed here.</source>
        <translation>Su organización ha rellenado algunos de estos campos; no se pueden cambiar aquí.</translation>
    </message>
</context>
<context>
    <name>installer::EnrollCommand</name>
    <message>
        <source>No one is logged in, so the menu-bar application starts at the next login.</source>
        <translation>No hay nadie con la sesión iniciada, así que la aplicación de la barra de menús se iniciará en el próximo inicio de sesión.</translation>
    </message>
    <message>
        <source>Try &apos;osagent-enroll --help&apos;</source>
        <translation>Consulte &apos;osagent-enroll --help&apos;</translation>
    </message>
    <message>
        <source>Only root can uninstall Kelvane OS Agent: run it with sudo</source>
        <translation>Solo root puede desinstalar Kelvane OS Agent: ejecútelo con sudo</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Contraseña: </translation>
    </message>
    <message>
        <source>This machine is already enrolled as agent %1: run reregister --guid %1 to enrol it again under that GUID, or register --force to enrol it as a new node</source>
        <translation>Este equipo ya está registrado como agente %1: ejecute reregister --guid %1 para volver a registrarlo con ese GUID, o register --force para registrarlo como un nodo nuevo</translation>
    </message>
    <message>
        <source>This machine is already enrolled: run reregister --guid GUID to enrol it again under its agent&apos;s GUID, or register --force to enrol it as a new node</source>
        <translation>Este equipo ya está registrado: ejecute reregister --guid GUID para volver a registrarlo con el GUID de su agente, o register --force para registrarlo como un nodo nuevo</translation>
    </message>
</context>
<context>
    <name>installer::EnrollOptions</name>
    <message>
        <source>--%1 does not apply to %2</source>
        <translation>--%1 no se aplica a %2</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 aparece más de una vez</translation>
    </message>
    <message>
        <source>--%1 is missing</source>
        <translation>Falta --%1</translation>
    </message>
    <message>
        <source>Give the password through --password-stdin or --password-file, not both</source>
        <translation>Indique la contraseña con --password-stdin o con --password-file, no con ambas</translation>
    </message>
    <message>
        <source>Give the password through --password-stdin or --password-file</source>
        <translation>Indique la contraseña con --password-stdin o con --password-file</translation>
    </message>
    <message>
        <source>Unexpected argument after %1 (not shown: a password is never given as an argument)</source>
        <translation>Argumento inesperado después de %1 (no se muestra: una contraseña nunca se da como argumento)</translation>
    </message>
    <message>
        <source>--%1 differs from %2, which your organisation has set; leave --%1 out</source>
        <translation>--%1 difiere de %2, que ha fijado su organización; omita --%1</translation>
    </message>
    <message>
        <source>--%1 is missing (%2)</source>
        <translation>Falta --%1 (%2)</translation>
    </message>
    <message>
        <source>Name a command: register, reregister, status or uninstall</source>
        <translation>Indique un comando: register, reregister, status o uninstall</translation>
    </message>
    <message>
        <source>Unknown command; the commands are register, reregister, status and uninstall</source>
        <translation>Comando desconocido; los comandos son register, reregister, status y uninstall</translation>
    </message>
</context>
<context>
    <name>installer::EnrollStatus</name>
    <message>
        <source>Process &apos;%1&apos; failed with exit code: %2</source>
        <translation>El proceso «%1» falló con el código de salida: %2</translation>
    </message>
    <message>
        <source>This machine is enrolled.</source>
        <translation>Este equipo está registrado.</translation>
    </message>
    <message>
        <source>This machine is not enrolled.</source>
        <translation>Este equipo no está registrado.</translation>
    </message>
    <message>
        <source>The agent daemon is running.</source>
        <translation>El servicio del agente está en ejecución.</translation>
    </message>
    <message>
        <source>The agent daemon is not running.</source>
        <translation>El servicio del agente no está en ejecución.</translation>
    </message>
    <message>
        <source>Its job is not in the job list.</source>
        <translation>Su trabajo no está en la lista de trabajos.</translation>
    </message>
    <message>
        <source>The agent daemon is running (process ID %1).</source>
        <translation>El servicio del agente está en ejecución (ID de proceso %1).</translation>
    </message>
    <message>
        <source>It last ended with exit status %1.</source>
        <translation>La última vez terminó con el estado de salida %1.</translation>
    </message>
    <message>
        <source>Set by your organisation:</source>
        <translation>Fijado por su organización:</translation>
    </message>
    <message>
        <source>It was last ended by signal %1.</source>
        <translation>La última vez lo terminó la señal %1.</translation>
    </message>
    <message>
        <source>Turn on qmx-osagent under System Settings, Privacy &amp; Security, Full Disk Access (open %1), then start the agent from the menu-bar application.</source>
        <translation>Active qmx-osagent en Ajustes del Sistema, Privacidad y seguridad, Acceso total al disco (abra %1) y después inicie el agente desde la aplicación de la barra de menús.</translation>
    </message>
    <message>
        <source>Kelvane OS Agent is not installed, but its configuration was kept: a new installation finds this machine enrolled.</source>
        <translation>Kelvane OS Agent no está instalado, pero se conservó su configuración: una nueva instalación encontrará este equipo registrado.</translation>
    </message>
    <message>
        <source>Kelvane OS Agent is not installed.</source>
        <translation>Kelvane OS Agent no está instalado.</translation>
    </message>
    <message>
        <source>Its agent GUID is %1.</source>
        <translation>El GUID de su agente es %1.</translation>
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
        <translation>Uso:
  osagent-enroll register   --address HOST:PORT --login LOGIN [--name NAME] PASSWORD-SOURCE [--force]
                            [--json]
  osagent-enroll reregister --guid GUID --address HOST:PORT --login LOGIN [--name NAME]
                            PASSWORD-SOURCE [--json]
  osagent-enroll status     [--json]
  osagent-enroll uninstall  [--keep-configuration] [--json]

Comandos:
  register    registra este equipo como nuevo nodo en el servidor de copias de seguridad, como
              lo hace la página de registro del instalador; se rechaza en un equipo ya registrado
  reregister  lo vuelve a registrar con el GUID de un agente que el servidor ya conoce
  status      indica si este equipo está registrado, con qué GUID de agente, si Kelvane OS Agent
              está instalado y si el servicio del agente está en ejecución
  uninstall   elimina Kelvane OS Agent: sus trabajos, la aplicación, los registros, el recibo del
              paquete y la configuración (como root)

Opciones:
  --address HOST:PORT   la dirección del servidor de copias de seguridad,
                        p. ej. --address backup.example.com:7443
  --login LOGIN         la cuenta en el servidor de copias de seguridad, p. ej. --login fleet-enrolment
  --guid GUID           el GUID del agente que se vuelve a registrar,
                        p. ej. --guid 6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36
  --name NAME           el nombre del nodo; si se omite, el nombre de host de este equipo,
                        p. ej. --name &quot;Reception, desk 2&quot;
  --password-stdin      leer la contraseña de la entrada estándar, hasta su final; desde un
                        terminal, una línea escrita sin eco,
                        p. ej. printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --password-stdin
  --password-file FILE  leerla de FILE, que nadie salvo su propietario (usted o root) puede leer ni
                        modificar, p. ej. --password-file /var/root/enrol.pw
  --force               registrar igualmente como nodo nuevo un equipo ya registrado; el servidor
                        conserva el nodo anterior, p. ej. register --force
  --keep-configuration  desinstalar todo salvo la configuración, con la que una nueva instalación
                        queda registrada, p. ej. uninstall --keep-configuration
  --json                escribir un objeto JSON en la salida estándar en lugar de los mensajes en la
                        salida de error, p. ej. status --json
  -h, --help            mostrar este texto

La contraseña nunca es un argumento: indique una PASSWORD-SOURCE. Si su organización ha fijado la
dirección del servidor, el usuario o el nombre del nodo (ServerAddress, Login, NodeName), puede
omitir --address, --login y --name; si los da, deben coincidir.

Estado de salida: 0 correcto, 3 no se puede conectar con el servidor, 4 credenciales incorrectas,
5 dirección incorrecta, 64 error de uso, 65 campo vacío, 66 no hay archivo de contraseña, 71 o 74
algo que la desinstalación no pudo eliminar, 73 ya registrado (register sin --force),
77 un archivo de contraseña inseguro o no es root,
1 cualquier otro error.

Ejemplo, como root desde un script de gestión de dispositivos:
  printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --address backup.example.com:7443 \
      --login fleet-enrolment --password-stdin --json
</translation>
    </message>
</context>
<context>
    <name>installer::InstallCommand</name>
    <message>
        <source>Can&apos;t install the configuration: the path &apos;%1&apos; is not safe in a shell command</source>
        <translation>No se puede instalar la configuración: la ruta «%1» no es segura en una orden de shell</translation>
    </message>
</context>
<context>
    <name>installer::PasswordSource</name>
    <message>
        <source>The password file &apos;%1&apos; is a symbolic link</source>
        <translation>El archivo de contraseña «%1» es un enlace simbólico</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can&apos;t be read by this user</source>
        <translation>Este usuario no puede leer el archivo de contraseña «%1»</translation>
    </message>
    <message>
        <source>Can&apos;t open the password file &apos;%1&apos;. Error: %2</source>
        <translation>No se puede abrir el archivo de contraseña «%1». Error: %2</translation>
    </message>
    <message>
        <source>Can&apos;t check the password file &apos;%1&apos;. Error: %2</source>
        <translation>No se puede comprobar el archivo de contraseña «%1». Error: %2</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; is not a regular file</source>
        <translation>El archivo de contraseña «%1» no es un archivo normal</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; belongs to another user</source>
        <translation>El archivo de contraseña «%1» pertenece a otro usuario</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can be read by other users</source>
        <translation>Otros usuarios pueden leer el archivo de contraseña «%1»</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can be changed by other users</source>
        <translation>Otros usuarios pueden modificar el archivo de contraseña «%1»</translation>
    </message>
    <message>
        <source>Can&apos;t read the password file &apos;%1&apos;. Error: %2</source>
        <translation>No se puede leer el archivo de contraseña «%1». Error: %2</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; has more than one link</source>
        <translation>El archivo de contraseña «%1» tiene más de un enlace</translation>
    </message>
    <message>
        <source>The password in the file &apos;%1&apos; is not valid UTF-8 text</source>
        <translation>La contraseña del archivo «%1» no es un texto UTF-8 válido</translation>
    </message>
    <message>
        <source>The password from standard input is not valid UTF-8 text</source>
        <translation>La contraseña de la entrada estándar no es un texto UTF-8 válido</translation>
    </message>
    <message>
        <source>The password in the file &apos;%1&apos; is empty</source>
        <translation>La contraseña del archivo «%1» está vacía</translation>
    </message>
    <message>
        <source>The password from standard input is empty</source>
        <translation>La contraseña de la entrada estándar está vacía</translation>
    </message>
</context>
<context>
    <name>installer::ProcessHelper</name>
    <message>
        <source>Can&apos;t run process &apos;%1&apos;. Error: %2</source>
        <translation>No se puede ejecutar el proceso «%1». Error: %2</translation>
    </message>
    <message>
        <source>Process &apos;%1&apos; failed with exit code: %2

%3</source>
        <translation>El proceso «%1» falló con el código de salida: %2

%3</translation>
    </message>
    <message>
        <source>Can&apos;t execute script %1</source>
        <translation>No se puede ejecutar el script: %1</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationFields</name>
    <message>
        <source>Agent GUID field can&apos;t be empty</source>
        <translation>El campo «GUID del agente» no puede estar vacío</translation>
    </message>
    <message>
        <source>Node address field can&apos;t be empty</source>
        <translation>El campo «Dirección del nodo» no puede estar vacío</translation>
    </message>
    <message>
        <source>Login field can&apos;t be empty</source>
        <translation>El campo «Usuario» no puede estar vacío</translation>
    </message>
    <message>
        <source>Password field can&apos;t be empty</source>
        <translation>El campo «Contraseña» no puede estar vacío</translation>
    </message>
    <message>
        <source>Name field can&apos;t be empty</source>
        <translation>El campo «Nombre del nodo» no puede estar vacío</translation>
    </message>
    <message>
        <source>Re-registration success</source>
        <translation>Nuevo registro correcto</translation>
    </message>
    <message>
        <source>Registration success</source>
        <translation>Registro correcto</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationForm</name>
    <message>
        <source>Set by your organisation</source>
        <translation>Fijado por su organización</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationHelper</name>
    <message>
        <source>Can&apos;t connect to server</source>
        <translation>No se puede conectar con el servidor</translation>
    </message>
    <message>
        <source>Incorrect credential provided</source>
        <translation>Credenciales incorrectas</translation>
    </message>
    <message>
        <source>Incorrect address provided</source>
        <translation>Dirección incorrecta</translation>
    </message>
    <message>
        <source>Process failed with exit code: %1

%2</source>
        <translation>El proceso falló con el código de salida: %1

%2</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationPane</name>
    <message>
        <source>Your organisation&apos;s settings for this page were ignored: %1</source>
        <translation>Se han ignorado los ajustes de su organización para esta página: %1</translation>
    </message>
</context>
<context>
    <name>installer::StagingDirectory</name>
    <message>
        <source>The staging directory &apos;%1&apos; is a symbolic link</source>
        <translation>La carpeta temporal «%1» es un enlace simbólico</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; is a symbolic link</source>
        <translation>El archivo de configuración temporal «%1» es un enlace simbólico</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; belongs to another user</source>
        <translation>La carpeta temporal «%1» pertenece a otro usuario</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; belongs to another user</source>
        <translation>El archivo de configuración temporal «%1» pertenece a otro usuario</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; does not exist</source>
        <translation>La carpeta temporal «%1» no existe</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; is not a directory</source>
        <translation>La carpeta temporal «%1» no es una carpeta</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; is not a regular file</source>
        <translation>El archivo de configuración temporal «%1» no es un archivo normal</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; is writable by other users</source>
        <translation>Otros usuarios pueden escribir en la carpeta temporal «%1»</translation>
    </message>
    <message>
        <source>Can&apos;t check the staging directory &apos;%1&apos;. Error: %2</source>
        <translation>No se puede comprobar la carpeta temporal «%1». Error: %2</translation>
    </message>
    <message>
        <source>Can&apos;t create the staging directory &apos;%1&apos;. Error: %2</source>
        <translation>No se puede crear la carpeta temporal «%1». Error: %2</translation>
    </message>
    <message>
        <source>Can&apos;t check the staged configuration file &apos;%1&apos;. Error: %2</source>
        <translation>No se puede comprobar el archivo de configuración temporal «%1». Error: %2</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is a symbolic link</source>
        <translation>La carpeta de configuración «%1» es un enlace simbólico</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; belongs to another user</source>
        <translation>La carpeta de configuración «%1» pertenece a otro usuario</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is not a directory</source>
        <translation>La carpeta de configuración «%1» no es una carpeta</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is writable by other users</source>
        <translation>Otros usuarios pueden escribir en la carpeta de configuración «%1»</translation>
    </message>
    <message>
        <source>Can&apos;t check the configuration directory &apos;%1&apos;. Error: %2</source>
        <translation>No se puede comprobar la carpeta de configuración «%1». Error: %2</translation>
    </message>
    <message>
        <source>Can&apos;t create the staging directory: the temporary directory &apos;%1&apos; (TMPDIR) does not exist</source>
        <translation>No se puede crear la carpeta temporal: la carpeta de archivos temporales «%1» (TMPDIR) no existe</translation>
    </message>
</context>
<context>
    <name>installer::Uninstall</name>
    <message>
        <source>Unloaded the job %1 of user %2</source>
        <translation>Descargado el trabajo %1 del usuario %2</translation>
    </message>
    <message>
        <source>Unloaded the job %1</source>
        <translation>Descargado el trabajo %1</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>Conservado %1</translation>
    </message>
    <message>
        <source>Nothing left to remove.</source>
        <translation>No queda nada que eliminar.</translation>
    </message>
    <message>
        <source>Can&apos;t unload the job %1</source>
        <translation>No se puede descargar el trabajo %1</translation>
    </message>
    <message>
        <source>it is still loaded</source>
        <translation>sigue cargado</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>Eliminado %1</translation>
    </message>
    <message>
        <source>Can&apos;t remove %1</source>
        <translation>No se puede eliminar %1</translation>
    </message>
    <message>
        <source>Can&apos;t list the package receipts</source>
        <translation>No se pueden listar los recibos de los paquetes</translation>
    </message>
    <message>
        <source>Can&apos;t forget the package receipt %1</source>
        <translation>No se puede olvidar el recibo del paquete %1</translation>
    </message>
    <message>
        <source>Forgot the package receipt %1</source>
        <translation>Olvidado el recibo del paquete %1</translation>
    </message>
    <message>
        <source>Ended the process %1, which ran from %2</source>
        <translation>Se terminó el proceso %1, que se ejecutaba desde %2</translation>
    </message>
</context>
<context>
    <name>menubar::AboutView</name>
    <message>
        <source>%1 icon</source>
        <translation>Icono de %1</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versión: </translation>
    </message>
    <message>
        <source>© %1 Kelvane Systems. All rights reserved.</source>
        <translation>© %1 Kelvane Systems. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>menubar::AppMenu</name>
    <message>
        <source>Start Kelvane OS Agent service</source>
        <translation>Iniciar el servicio de Kelvane OS Agent</translation>
    </message>
    <message>
        <source>Stop Kelvane OS Agent service</source>
        <translation>Detener el servicio de Kelvane OS Agent</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Kelvane OS Agent</translation>
    </message>
    <message>
        <source>Open Application Log Directory</source>
        <translation>Abrir la carpeta de registros de la aplicación</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Do You really want to close application?</source>
        <translation>¿Seguro que quiere cerrar la aplicación?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Register This Computer…</source>
        <translation>Registrar este equipo…</translation>
    </message>
</context>
<context>
    <name>menubar::BackupStateNotifier</name>
    <message>
        <source>Backups have resumed</source>
        <translation>Las copias de seguridad se han reanudado</translation>
    </message>
    <message>
        <source>The Kelvane OS Agent service is running again: this computer is backed up.</source>
        <translation>El servicio Kelvane OS Agent vuelve a funcionar: se está haciendo copia de seguridad de este ordenador.</translation>
    </message>
    <message>
        <source>Backups have stopped</source>
        <translation>Las copias de seguridad se han detenido</translation>
    </message>
    <message>
        <source>The Kelvane OS Agent service has not been running since %1: this computer is not being backed up.</source>
        <translation>El servicio Kelvane OS Agent no funciona desde %1: no se está haciendo copia de seguridad de este ordenador.</translation>
    </message>
    <message>
        <source>Start Backups</source>
        <translation>Iniciar copias de seguridad</translation>
    </message>
</context>
<context>
    <name>menubar::MenuBarExtra</name>
    <message>
        <source>Kelvane OS Agent: running</source>
        <translation>Kelvane OS Agent: en ejecución</translation>
    </message>
    <message>
        <source>Kelvane OS Agent: stopped</source>
        <translation>Kelvane OS Agent: detenido</translation>
    </message>
</context>
<context>
    <name>platform::AlertPresenter</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>platform::InstallerPaneWindow</name>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
</context>
<context>
    <name>platform::SetupAssistant</name>
    <message>
        <source>Kelvane OS Agent Setup</source>
        <translation>Instalación de Kelvane OS Agent</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>This assistant registers this machine with your backup server as a node of Kelvane OS Agent and installs the agent&apos;s configuration.

Have the server&apos;s address, your login and your password at hand.</source>
        <translation>Este asistente registra este equipo como nodo de Kelvane OS Agent en su servidor de copias de seguridad e instala la configuración del agente.

Tenga a mano la dirección del servidor, su usuario y su contraseña.</translation>
    </message>
    <message>
        <source>Registration complete</source>
        <translation>Registro completado</translation>
    </message>
    <message>
        <source>This machine is registered with the backup server.

The menu-bar application Kelvane OS Agent has been restarted; it starts the agent and shows its state in the menu bar.</source>
        <translation>Este equipo está registrado en el servidor de copias de seguridad.

Se ha reiniciado la aplicación de la barra de menús Kelvane OS Agent, que inicia el agente y muestra su estado en la barra de menús.</translation>
    </message>
</context>
</TS>
