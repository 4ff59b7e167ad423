<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The Enroller's strings table in this language: the keys of enroller_strings.ts, translated. -->
<TS version="2.1" language="de">
<context>
    <name>Localizable</name>
    <message>
        <source>PaneTitle</source>
        <translation>Agent-Registrierung</translation>
    </message>
    <message>
        <source>InstallerSectionTitle</source>
        <translation>Registrierung</translation>
    </message>
</context>
</TS>
