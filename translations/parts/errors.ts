<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>kirabel::ErrorTexts</name>
    <message>
        <location filename="../../src/platform/errors.h" line="+13"/>
        <source>%1 に書き込めません</source>
        <translation>%1 cannot be written</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ﾒﾓﾘが足りません</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <location filename="../../src/platform/io_error.cpp" line="+10"/>
        <source>ﾌｧｲﾙが見つかりません</source>
        <translation>File not found</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>不正なﾌｧｲﾙ名です</source>
        <translation>Invalid file name</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ﾌｧｲﾙへのｱｸｾｽが拒否されました</source>
        <translation>Access to the file was denied</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ﾃﾞｨｽｸがいっぱいです</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I/O ｴﾗｰ (%1)</source>
        <translation>I/O error (%1)</translation>
    </message>
</context>
</TS>
