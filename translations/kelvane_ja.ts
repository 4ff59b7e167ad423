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
</context>
<context>
    <name>installer::ReRegistrationView</name>
    <message>
        <source>Re-registration success</source>
        <translation>再登録に成功しました</translation>
    </message>
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
</context>
<context>
    <name>installer::RegistrationView</name>
    <message>
        <source>Registration success</source>
        <translation>登録に成功しました</translation>
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
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
