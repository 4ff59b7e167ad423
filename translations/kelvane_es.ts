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
</context>
<context>
    <name>installer::ReRegistrationView</name>
    <message>
        <source>Re-registration success</source>
        <translation>Nuevo registro correcto</translation>
    </message>
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
</context>
<context>
    <name>installer::RegistrationView</name>
    <message>
        <source>Registration success</source>
        <translation>Registro correcto</translation>
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
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
