<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>qarnivo::Options</name>
    <message>
        <source>Language:</source>
        <translation>اللغة:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <source>The language changes when Qarnivo starts again.</source>
        <translation>تتغير اللغة عند تشغيل Qarnivo من جديد.</translation>
    </message>
</context>
</TS>
