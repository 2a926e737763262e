<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Sample</name>
    <message>
        <source>Marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Gone text</source>
        <translation>Weg</translation>
    </message>
</context>
</TS>
