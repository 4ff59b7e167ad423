<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The Enroller's strings table in this language: the keys of enroller_strings.ts, translated. -->
<TS version="2.1" language="ja">
<context>
    <name>Localizable</name>
    <message>
        <source>PaneTitle</source>
        <translation>エージェントの登録</translation>
    </message>
    <message>
        <source>InstallerSectionTitle</source>
        <translation>登録</translation>
    </message>
</context>
</TS>
