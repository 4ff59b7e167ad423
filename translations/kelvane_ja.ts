<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>NotificationHelper</name>
    <message>
        <source>Missing full disk access</source>
        <translation>フルディスクアクセスがありません</translation>
    </message>
    <message>
        <source>Kelvane OS Agent requires full disk access for this service:

- Kelvane OS Agent

Do you want to enable required permission now?</source>
        <translation>このサービスを利用するには、Kelvane OS Agent にフルディスクアクセスが必要です：

- Kelvane OS Agent

必要なアクセス権を今すぐ有効にしますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
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
        <translation>登録プラグインを読み込めないため、このコンピュータを登録できません。</translation>
    </message>
</context>
<context>
    <name>RegistrationPane</name>
    <message>
        <source>Register this machine with your backup server.</source>
        <translation>このコンピュータをバックアップサーバに登録します。</translation>
    </message>
    <message>
        <source>New agent node</source>
        <translation>新しいエージェントノード</translation>
    </message>
    <message>
        <source>Existing agent (re-register by GUID)</source>
        <translation>既存のエージェント（GUID で再登録）</translation>
    </message>
    <message>
        <source>Node address:</source>
        <translation>ノードアドレス：</translation>
    </message>
    <message>
        <source>Login:</source>
        <translation>ログイン：</translation>
    </message>
    <message>
        <source>Your account on the backup server</source>
        <translation>バックアップサーバのアカウント</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード：</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Node name:</source>
        <translation>ノード名：</translation>
    </message>
    <message>
        <source>Name of this machine</source>
        <translation>このコンピュータの名前</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>登録</translation>
    </message>
    <message>
        <source>Agent GUID:</source>
        <translation>エージェント GUID：</translation>
    </message>
    <message>
        <source>Re-register</source>
        <translation>再登録</translation>
    </message>
    <message>
        <source>Your organisation has filled in some of these fields; they can&apos;t be changed here.</source>
        <translation>これらの項目の一部は組織が入力済みのため、ここでは変更できません。</translation>
    </message>
</context>
<context>
    <name>installer::EnrollCommand</name>
    <message>
        <source>No one is logged in, so the menu-bar application starts at the next login.</source>
        <translation>ログインしているユーザがいないため、メニューバーアプリケーションは次回のログイン時に起動します。</translation>
    </message>
    <message>
        <source>Try &apos;osagent-enroll --help&apos;</source>
        <translation>&apos;osagent-enroll --help&apos; を参照してください</translation>
    </message>
    <message>
        <source>Only root can uninstall Kelvane OS Agent: run it with sudo</source>
        <translation>Kelvane OS Agent をアンインストールできるのは root だけです。sudo で実行してください</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>パスワード: </translation>
    </message>
    <message>
        <source>This machine is already enrolled as agent %1: run reregister --guid %1 to enrol it again under that GUID, or register --force to enrol it as a new node</source>
        <translation>このコンピュータはエージェント %1 として既に登録されています: その GUID で再登録するには reregister --guid %1 を、新しいノードとして登録するには register --force を実行してください</translation>
    </message>
    <message>
        <source>This machine is already enrolled: run reregister --guid GUID to enrol it again under its agent&apos;s GUID, or register --force to enrol it as a new node</source>
        <translation>このコンピュータは既に登録されています: エージェントの GUID で再登録するには reregister --guid GUID を、新しいノードとして登録するには register --force を実行してください</translation>
    </message>
</context>
<context>
    <name>installer::EnrollOptions</name>
    <message>
        <source>--%1 does not apply to %2</source>
        <translation>--%1 は %2 には使えません</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 が複数回指定されています</translation>
    </message>
    <message>
        <source>--%1 is missing</source>
        <translation>--%1 がありません</translation>
    </message>
    <message>
        <source>Give the password through --password-stdin or --password-file, not both</source>
        <translation>パスワードは --password-stdin か --password-file のどちらか一方で指定してください</translation>
    </message>
    <message>
        <source>Give the password through --password-stdin or --password-file</source>
        <translation>パスワードを --password-stdin または --password-file で指定してください</translation>
    </message>
    <message>
        <source>Unexpected argument after %1 (not shown: a password is never given as an argument)</source>
        <translation>%1 の後に予期しない引数があります（表示しません。パスワードを引数で渡すことはありません）</translation>
    </message>
    <message>
        <source>--%1 differs from %2, which your organisation has set; leave --%1 out</source>
        <translation>--%1 は組織が設定した %2 と異なります。--%1 を省略してください</translation>
    </message>
    <message>
        <source>--%1 is missing (%2)</source>
        <translation>--%1 がありません (%2)</translation>
    </message>
    <message>
        <source>Name a command: register, reregister, status or uninstall</source>
        <translation>コマンドを指定してください: register、reregister、status、uninstall</translation>
    </message>
    <message>
        <source>Unknown command; the commands are register, reregister, status and uninstall</source>
        <translation>不明なコマンドです。コマンドは register、reregister、status、uninstall です</translation>
    </message>
</context>
<context>
    <name>installer::EnrollStatus</name>
    <message>
        <source>Process &apos;%1&apos; failed with exit code: %2</source>
        <translation>プロセス「%1」が終了コード %2 で失敗しました</translation>
    </message>
    <message>
        <source>This machine is enrolled.</source>
        <translation>このコンピュータは登録済みです。</translation>
    </message>
    <message>
        <source>This machine is not enrolled.</source>
        <translation>このコンピュータは登録されていません。</translation>
    </message>
    <message>
        <source>The agent daemon is running.</source>
        <translation>エージェントのデーモンは実行中です。</translation>
    </message>
    <message>
        <source>The agent daemon is not running.</source>
        <translation>エージェントのデーモンは実行されていません。</translation>
    </message>
    <message>
        <source>Its job is not in the job list.</source>
        <translation>ジョブはジョブ一覧にありません。</translation>
    </message>
    <message>
        <source>The agent daemon is running (process ID %1).</source>
        <translation>エージェントのデーモンは実行中です（プロセス ID %1）。</translation>
    </message>
    <message>
        <source>It last ended with exit status %1.</source>
        <translation>前回は終了ステータス %1 で終了しました。</translation>
    </message>
    <message>
        <source>Set by your organisation:</source>
        <translation>組織による設定:</translation>
    </message>
    <message>
        <source>It was last ended by signal %1.</source>
        <translation>前回はシグナル %1 で終了しました。</translation>
    </message>
    <message>
        <source>Turn on qmx-osagent under System Settings, Privacy &amp; Security, Full Disk Access (open %1), then start the agent from the menu-bar application.</source>
        <translation>システム設定の「プライバシーとセキュリティ」&gt;「フルディスクアクセス」で qmx-osagent をオンにし（%1 を開く）、メニューバーのアプリケーションからエージェントを開始してください。</translation>
    </message>
    <message>
        <source>Kelvane OS Agent is not installed, but its configuration was kept: a new installation finds this machine enrolled.</source>
        <translation>Kelvane OS Agent はインストールされていませんが、構成は残されています: 新しくインストールすると、このコンピュータは登録済みになります。</translation>
    </message>
    <message>
        <source>Kelvane OS Agent is not installed.</source>
        <translation>Kelvane OS Agent はインストールされていません。</translation>
    </message>
    <message>
        <source>Its agent GUID is %1.</source>
        <translation>エージェントの GUID は %1 です。</translation>
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
        <translation>使い方:
  osagent-enroll register   --address HOST:PORT --login LOGIN [--name NAME] PASSWORD-SOURCE [--force]
                            [--json]
  osagent-enroll reregister --guid GUID --address HOST:PORT --login LOGIN [--name NAME]
                            PASSWORD-SOURCE [--json]
  osagent-enroll status     [--json]
  osagent-enroll uninstall  [--keep-configuration] [--json]

コマンド:
  register    インストーラの登録ページと同じように、このコンピュータを新しいノードとして
              バックアップサーバに登録する（登録済みのコンピュータでは拒否される）
  reregister  サーバが既に知っているエージェントの GUID で再登録する
  status      このコンピュータが登録済みかどうか、エージェントの GUID、Kelvane OS Agent が
              インストールされているかどうか、エージェントのデーモンが実行中かどうかを表示する
  uninstall   Kelvane OS Agent を削除する: ジョブ、アプリケーション、ログ、パッケージの受領記録、
              構成（root として実行）

オプション:
  --address HOST:PORT   バックアップサーバのアドレス。例: --address backup.example.com:7443
  --login LOGIN         バックアップサーバのアカウント。例: --login fleet-enrolment
  --guid GUID           再登録するエージェントの GUID。
                        例: --guid 6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36
  --name NAME           ノード名。省略するとこのコンピュータのホスト名。
                        例: --name &quot;Reception, desk 2&quot;
  --password-stdin      パスワードを標準入力から最後まで読み取る。端末からは、エコーなしで
                        入力された 1 行を読み取る。
                        例: printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --password-stdin
  --password-file FILE  パスワードを FILE から読み取る（所有者であるあなたまたは root 以外は
                        読み取りも変更もできないこと）。例: --password-file /var/root/enrol.pw
  --force               登録済みのコンピュータでも新しいノードとして登録する。古いノードは
                        サーバに残る。例: register --force
  --keep-configuration  構成以外をすべてアンインストールする。新しくインストールすると登録済みに
                        なる。例: uninstall --keep-configuration
  --json                メッセージを標準エラー出力に書く代わりに、JSON オブジェクトを 1 つ
                        標準出力に書く。例: status --json
  -h, --help            このテキストを表示する

パスワードを引数で渡すことはありません。PASSWORD-SOURCE を 1 つ指定してください。組織がサーバー
アドレス、ログイン、ノード名 (ServerAddress、Login、NodeName) を設定している場合は、--address、
--login、--name を省略できます。指定する場合は、設定と一致している必要があります。

終了ステータス: 0 成功、3 サーバに接続できない、4 資格情報が正しくない、5 アドレスが正しくない、
64 使い方の誤り、65 空のフィールド、66 パスワードファイルがない、71 または 74 アンインストールで
削除できないものがあった、73 登録済み（--force なしの register）、
77 安全でないパスワードファイルまたは root でない、1 その他。

例（デバイス管理のスクリプトから root として実行）:
  printf &apos;%s&apos; &quot;$PASSWORD&quot; | osagent-enroll register --address backup.example.com:7443 \
      --login fleet-enrolment --password-stdin --json
</translation>
    </message>
</context>
<context>
    <name>installer::InstallCommand</name>
    <message>
        <source>Can&apos;t install the configuration: the path &apos;%1&apos; is not safe in a shell command</source>
        <translation>設定をインストールできません: パス「%1」はシェルコマンドで安全に扱えません</translation>
    </message>
</context>
<context>
    <name>installer::PasswordSource</name>
    <message>
        <source>The password file &apos;%1&apos; is a symbolic link</source>
        <translation>パスワードファイル「%1」はシンボリックリンクです</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can&apos;t be read by this user</source>
        <translation>このユーザはパスワードファイル「%1」を読み取れません</translation>
    </message>
    <message>
        <source>Can&apos;t open the password file &apos;%1&apos;. Error: %2</source>
        <translation>パスワードファイル「%1」を開けません。エラー: %2</translation>
    </message>
    <message>
        <source>Can&apos;t check the password file &apos;%1&apos;. Error: %2</source>
        <translation>パスワードファイル「%1」を確認できません。エラー: %2</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; is not a regular file</source>
        <translation>パスワードファイル「%1」は通常のファイルではありません</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; belongs to another user</source>
        <translation>パスワードファイル「%1」は別のユーザの所有です</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can be read by other users</source>
        <translation>パスワードファイル「%1」は他のユーザが読み取れます</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; can be changed by other users</source>
        <translation>パスワードファイル「%1」は他のユーザが変更できます</translation>
    </message>
    <message>
        <source>Can&apos;t read the password file &apos;%1&apos;. Error: %2</source>
        <translation>パスワードファイル「%1」を読み取れません。エラー: %2</translation>
    </message>
    <message>
        <source>The password file &apos;%1&apos; has more than one link</source>
        <translation>パスワードファイル「%1」には複数のリンクがあります</translation>
    </message>
    <message>
        <source>The password in the file &apos;%1&apos; is not valid UTF-8 text</source>
        <translation>ファイル「%1」のパスワードが有効な UTF-8 テキストではありません</translation>
    </message>
    <message>
        <source>The password from standard input is not valid UTF-8 text</source>
        <translation>標準入力のパスワードが有効な UTF-8 テキストではありません</translation>
    </message>
    <message>
        <source>The password in the file &apos;%1&apos; is empty</source>
        <translation>ファイル「%1」のパスワードが空です</translation>
    </message>
    <message>
        <source>The password from standard input is empty</source>
        <translation>標準入力のパスワードが空です</translation>
    </message>
</context>
<context>
    <name>installer::ProcessHelper</name>
    <message>
        <source>Can&apos;t run process &apos;%1&apos;. Error: %2</source>
        <translation>プロセス「%1」を実行できません。エラー: %2</translation>
    </message>
    <message>
        <source>Process &apos;%1&apos; failed with exit code: %2

%3</source>
        <translation>プロセス「%1」が終了コード %2 で失敗しました

%3</translation>
    </message>
    <message>
        <source>Can&apos;t execute script %1</source>
        <translation>スクリプトを実行できません: %1</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationFields</name>
    <message>
        <source>Agent GUID field can&apos;t be empty</source>
        <translation>「エージェント GUID」を入力してください</translation>
    </message>
    <message>
        <source>Node address field can&apos;t be empty</source>
        <translation>「ノードアドレス」を入力してください</translation>
    </message>
    <message>
        <source>Login field can&apos;t be empty</source>
        <translation>「ログイン」を入力してください</translation>
    </message>
    <message>
        <source>Password field can&apos;t be empty</source>
        <translation>「パスワード」を入力してください</translation>
    </message>
    <message>
        <source>Name field can&apos;t be empty</source>
        <translation>「ノード名」を入力してください</translation>
    </message>
    <message>
        <source>Re-registration success</source>
        <translation>再登録に成功しました</translation>
    </message>
    <message>
        <source>Registration success</source>
        <translation>登録に成功しました</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationForm</name>
    <message>
        <source>Set by your organisation</source>
        <translation>組織による設定</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationHelper</name>
    <message>
        <source>Can&apos;t connect to server</source>
        <translation>サーバに接続できません</translation>
    </message>
    <message>
        <source>Incorrect credential provided</source>
        <translation>資格情報が正しくありません</translation>
    </message>
    <message>
        <source>Incorrect address provided</source>
        <translation>アドレスが正しくありません</translation>
    </message>
    <message>
        <source>Process failed with exit code: %1

%2</source>
        <translation>プロセスが終了コード %1 で失敗しました

%2</translation>
    </message>
</context>
<context>
    <name>installer::RegistrationPane</name>
    <message>
        <source>Your organisation&apos;s settings for this page were ignored: %1</source>
        <translation>このページに対する組織の設定は無視されました: %1</translation>
    </message>
</context>
<context>
    <name>installer::StagingDirectory</name>
    <message>
        <source>The staging directory &apos;%1&apos; is a symbolic link</source>
        <translation>一時ディレクトリ「%1」はシンボリックリンクです</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; is a symbolic link</source>
        <translation>一時設定ファイル「%1」はシンボリックリンクです</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; belongs to another user</source>
        <translation>一時ディレクトリ「%1」は別のユーザの所有です</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; belongs to another user</source>
        <translation>一時設定ファイル「%1」は別のユーザの所有です</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; does not exist</source>
        <translation>一時ディレクトリ「%1」が存在しません</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; is not a directory</source>
        <translation>一時ディレクトリ「%1」はディレクトリではありません</translation>
    </message>
    <message>
        <source>The staged configuration file &apos;%1&apos; is not a regular file</source>
        <translation>一時設定ファイル「%1」は通常のファイルではありません</translation>
    </message>
    <message>
        <source>The staging directory &apos;%1&apos; is writable by other users</source>
        <translation>一時ディレクトリ「%1」は他のユーザが書き込めます</translation>
    </message>
    <message>
        <source>Can&apos;t check the staging directory &apos;%1&apos;. Error: %2</source>
        <translation>一時ディレクトリ「%1」を確認できません。エラー: %2</translation>
    </message>
    <message>
        <source>Can&apos;t check the staged configuration file &apos;%1&apos;. Error: %2</source>
        <translation>一時設定ファイル「%1」を確認できません。エラー: %2</translation>
    </message>
    <message>
        <source>Can&apos;t create the staging directory &apos;%1&apos;. Error: %2</source>
        <translation>一時ディレクトリ「%1」を作成できません。エラー: %2</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is a symbolic link</source>
        <translation>設定ディレクトリ「%1」はシンボリックリンクです</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; belongs to another user</source>
        <translation>設定ディレクトリ「%1」は別のユーザの所有です</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is not a directory</source>
        <translation>設定ディレクトリ「%1」はディレクトリではありません</translation>
    </message>
    <message>
        <source>The configuration directory &apos;%1&apos; is writable by other users</source>
        <translation>設定ディレクトリ「%1」は他のユーザが書き込めます</translation>
    </message>
    <message>
        <source>Can&apos;t check the configuration directory &apos;%1&apos;. Error: %2</source>
        <translation>設定ディレクトリ「%1」を確認できません。エラー: %2</translation>
    </message>
    <message>
        <source>Can&apos;t create the staging directory: the temporary directory &apos;%1&apos; (TMPDIR) does not exist</source>
        <translation>一時ディレクトリを作成できません: 一時フォルダ「%1」(TMPDIR) が存在しません</translation>
    </message>
</context>
<context>
    <name>installer::Uninstall</name>
    <message>
        <source>Unloaded the job %1 of user %2</source>
        <translation>ユーザ %2 のジョブ %1 をアンロードしました</translation>
    </message>
    <message>
        <source>Unloaded the job %1</source>
        <translation>ジョブ %1 をアンロードしました</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>%1 を残しました</translation>
    </message>
    <message>
        <source>Nothing left to remove.</source>
        <translation>削除するものは残っていません。</translation>
    </message>
    <message>
        <source>Can&apos;t unload the job %1</source>
        <translation>ジョブ %1 をアンロードできません</translation>
    </message>
    <message>
        <source>it is still loaded</source>
        <translation>まだロードされています</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 を削除しました</translation>
    </message>
    <message>
        <source>Can&apos;t remove %1</source>
        <translation>%1 を削除できません</translation>
    </message>
    <message>
        <source>Can&apos;t list the package receipts</source>
        <translation>パッケージの受領記録を一覧できません</translation>
    </message>
    <message>
        <source>Can&apos;t forget the package receipt %1</source>
        <translation>パッケージの受領記録 %1 を削除できません</translation>
    </message>
    <message>
        <source>Forgot the package receipt %1</source>
        <translation>パッケージの受領記録 %1 を削除しました</translation>
    </message>
    <message>
        <source>Ended the process %1, which ran from %2</source>
        <translation>%2 から実行されていたプロセス %1 を終了しました</translation>
    </message>
</context>
<context>
    <name>menubar::AboutView</name>
    <message>
        <source>%1 icon</source>
        <translation>%1 のアイコン</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>© %1 Kelvane Systems. All rights reserved.</source>
        <translation>© %1 Kelvane Systems. 無断転載を禁じます。</translation>
    </message>
</context>
<context>
    <name>menubar::AppMenu</name>
    <message>
        <source>Start Kelvane OS Agent service</source>
        <translation>Kelvane OS Agent サービスを開始</translation>
    </message>
    <message>
        <source>Stop Kelvane OS Agent service</source>
        <translation>Kelvane OS Agent サービスを停止</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Kelvane OS Agent について</translation>
    </message>
    <message>
        <source>Open Application Log Directory</source>
        <translation>アプリケーションのログフォルダを開く</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Do You really want to close application?</source>
        <translation>アプリケーションを閉じてもよろしいですか？</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Register This Computer…</source>
        <translation>このコンピュータを登録…</translation>
    </message>
</context>
<context>
    <name>menubar::BackupStateNotifier</name>
    <message>
        <source>Backups have resumed</source>
        <translation>バックアップが再開されました</translation>
    </message>
    <message>
        <source>The Kelvane OS Agent service is running again: this computer is backed up.</source>
        <translation>Kelvane OS Agent サービスが再び実行中です。このコンピュータはバックアップされています。</translation>
    </message>
    <message>
        <source>Backups have stopped</source>
        <translation>バックアップが停止しました</translation>
    </message>
    <message>
        <source>The Kelvane OS Agent service has not been running since %1: this computer is not being backed up.</source>
        <translation>Kelvane OS Agent サービスは %1 から実行されていません。このコンピュータはバックアップされていません。</translation>
    </message>
    <message>
        <source>Start Backups</source>
        <translation>バックアップを開始</translation>
    </message>
</context>
<context>
    <name>menubar::MenuBarExtra</name>
    <message>
        <source>Kelvane OS Agent: running</source>
        <translation>Kelvane OS Agent：実行中</translation>
    </message>
    <message>
        <source>Kelvane OS Agent: stopped</source>
        <translation>Kelvane OS Agent：停止中</translation>
    </message>
</context>
<context>
    <name>platform::AlertPresenter</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>platform::InstallerPaneWindow</name>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>後で</translation>
    </message>
</context>
<context>
    <name>platform::SetupAssistant</name>
    <message>
        <source>Kelvane OS Agent Setup</source>
        <translation>Kelvane OS Agent のセットアップ</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>This assistant registers this machine with your backup server as a node of Kelvane OS Agent and installs the agent&apos;s configuration.

Have the server&apos;s address, your login and your password at hand.</source>
        <translation>このアシスタントは、このコンピュータを Kelvane OS Agent のノードとしてバックアップサーバに登録し、エージェントの設定をインストールします。

サーバのアドレス、ログイン名、パスワードをご用意ください。</translation>
    </message>
    <message>
        <source>Registration complete</source>
        <translation>登録が完了しました</translation>
    </message>
    <message>
        <source>This machine is registered with the backup server.

The menu-bar application Kelvane OS Agent has been restarted; it starts the agent and shows its state in the menu bar.</source>
        <translation>このコンピュータはバックアップサーバに登録されました。

メニューバーアプリケーション Kelvane OS Agent を再起動しました。エージェントを開始し、その状態をメニューバーに表示します。</translation>
    </message>
</context>
</TS>
