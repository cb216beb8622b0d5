<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>qarnivo::Options</name>
    <message>
        <source>Language:</source>
        <translation>زبان:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>سسٹم</translation>
    </message>
    <message>
        <source>English</source>
        <translation>انگریزی</translation>
    </message>
    <message>
        <source>The language changes when Qarnivo starts again.</source>
        <translation>زبان Qarnivo کے دوبارہ شروع ہونے پر بدلے گی۔</translation>
    </message>
</context>
</TS>
