<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>KestMessageBox</name>
    <message>
        <location filename="../../ui/kit/KestMessageBox.cpp" line="77"/>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location filename="../../ui/kit/KestMessageBox.cpp" line="77"/>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../../ui/kit/KestMessageBox.cpp" line="80"/>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../../ui/main/DeviceConnection.cpp" line="184"/>
        <source>Dongle Disconnect!</source>
        <translation>Dongle Disconnect!</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="70"/>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="71"/>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="72"/>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="73"/>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="78"/>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="79"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="80"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="81"/>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="82"/>
        <source>LOAD1</source>
        <translation>LOAD1</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="83"/>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="87"/>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="88"/>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="89"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="97"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="90"/>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="98"/>
        <source>MousecfgWidget</source>
        <translation>MousecfgWidget</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="265"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="330"/>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="267"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="331"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="317"/>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="318"/>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="319"/>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="320"/>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="321"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="322"/>
        <source>Press Enter To Apply</source>
        <translation>Press Enter To Apply</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="324"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="85"/>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="566"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="20"/>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="21"/>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="22"/>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="23"/>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="31"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="32"/>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <location filename="../../ui/main/WriteSequence.cpp" line="32"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Mouse is sleeping or not connected.</translation>
    </message>
    <message>
        <location filename="../../ui/main/WriteSequence.cpp" line="34"/>
        <source>The settings could not be saved in %1. Nothing was sent to the mouse.</source>
        <translation>The settings could not be saved in %1. Nothing was sent to the mouse.</translation>
    </message>
    <message>
        <location filename="../../ui/main/WriteSequence.cpp" line="36"/>
        <source>Send data failed, please try again.</source>
        <translation>Send data failed, please try again.</translation>
    </message>
</context>
<context>
    <name>VirtualMouseWindow</name>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="40"/>
        <source>Virtual mouse</source>
        <translation>Virtual mouse</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="50"/>
        <source>What the mouse holds:</source>
        <translation>What the mouse holds:</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="58"/>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="60"/>
        <source>Receiver plugged in</source>
        <translation>Receiver plugged in</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="61"/>
        <source>Cable plugged in</source>
        <translation>Cable plugged in</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="74"/>
        <source>Buttons on the mouse</source>
        <translation>Buttons on the mouse</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="77"/>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="78"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="79"/>
        <source>Report rate</source>
        <translation>Report rate</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="92"/>
        <source>Battery and sleep</source>
        <translation>Battery and sleep</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="101"/>
        <source>Charging</source>
        <translation>Charging</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="103"/>
        <source>Asleep</source>
        <translation>Asleep</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="114"/>
        <source>Faults</source>
        <translation>Faults</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="121"/>
        <source>Inject</source>
        <translation>Inject</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="123"/>
        <source>Every write fails</source>
        <translation>Every write fails</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="125"/>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
</TS>
