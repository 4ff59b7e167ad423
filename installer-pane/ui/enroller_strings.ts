<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The Enroller's own strings table: keys looked up by RegistrationPane::getLocalizedString, and the section
     title that installer-pane/mac writes into the bundle's Info.plist and InfoPlist.strings. -->
<TS version="2.1" language="en">
<context>
    <name>Localizable</name>
    <message>
        <source>PaneTitle</source>
        <translation>Agent Registration</translation>
    </message>
    <message>
        <source>InstallerSectionTitle</source>
        <translation>Registration</translation>
    </message>
</context>
</TS>
