<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The Enroller's strings table in this language: the keys of enroller_strings.ts, translated. -->
<TS version="2.1" language="fr">
<context>
    <name>Localizable</name>
    <message>
        <source>PaneTitle</source>
        <translation>Enregistrement de l’agent</translation>
    </message>
    <message>
        <source>InstallerSectionTitle</source>
        <translation>Enregistrement</translation>
    </message>
</context>
</TS>
