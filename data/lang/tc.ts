<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>KestMessageBox</name>
    <message>
        <location filename="../../ui/kit/KestMessageBox.cpp" line="77"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location filename="../../ui/kit/KestMessageBox.cpp" line="77"/>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../../ui/kit/KestMessageBox.cpp" line="80"/>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../../ui/main/DeviceConnection.cpp" line="184"/>
        <source>Dongle Disconnect!</source>
        <translation>接收器未連接！</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="70"/>
        <source>RESET</source>
        <translation>重設</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="71"/>
        <source>ADD</source>
        <translation>新增</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="72"/>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="73"/>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="78"/>
        <source>Reset All</source>
        <translation>全部重設</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="79"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="80"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="81"/>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="82"/>
        <source>LOAD1</source>
        <translation>匯入</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="83"/>
        <source>SAVE</source>
        <translation>匯出</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="87"/>
        <source>LIGHTING</source>
        <translation>燈效</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="88"/>
        <source>CUSTOMIZE</source>
        <translation>自訂</translation>
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
        <translation>巨集</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="98"/>
        <source>MousecfgWidget</source>
        <translation>滑鼠設定</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="265"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="330"/>
        <source>&amp;Load Config</source>
        <translation>載入設定(&amp;L)</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="267"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="331"/>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="317"/>
        <source>Firmware Update</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="318"/>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="319"/>
        <source>Side</source>
        <translation>側面</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="320"/>
        <source>NAME</source>
        <translation>名稱</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="321"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="322"/>
        <source>Press Enter To Apply</source>
        <translation>按 Enter 鍵套用</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="324"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="85"/>
        <source>Profile</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="566"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="20"/>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="21"/>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="22"/>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="23"/>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="31"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="32"/>
        <source>MOUSE OFF</source>
        <translation>滑鼠休眠</translation>
    </message>
    <message>
        <location filename="../../ui/main/WriteSequence.cpp" line="32"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>滑鼠處於休眠狀態或未連接。</translation>
    </message>
    <message>
        <location filename="../../ui/main/WriteSequence.cpp" line="34"/>
        <source>The settings could not be saved in %1. Nothing was sent to the mouse.</source>
        <translation>無法將設定儲存至 %1，未傳送任何資料至滑鼠。</translation>
    </message>
    <message>
        <location filename="../../ui/main/WriteSequence.cpp" line="36"/>
        <source>Send data failed, please try again.</source>
        <translation>資料傳送失敗，請再試一次。</translation>
    </message>
</context>
<context>
    <name>VirtualMouseWindow</name>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="40"/>
        <source>Virtual mouse</source>
        <translation>虛擬滑鼠</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="50"/>
        <source>What the mouse holds:</source>
        <translation>滑鼠中儲存的內容：</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="58"/>
        <source>Connection</source>
        <translation>連線</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="60"/>
        <source>Receiver plugged in</source>
        <translation>已插入接收器</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="61"/>
        <source>Cable plugged in</source>
        <translation>已插入傳輸線</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="74"/>
        <source>Buttons on the mouse</source>
        <translation>滑鼠上的按鍵</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="77"/>
        <source>Profile</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="78"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="79"/>
        <source>Report rate</source>
        <translation>回報率</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="92"/>
        <source>Battery and sleep</source>
        <translation>電池與休眠</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="101"/>
        <source>Charging</source>
        <translation>充電中</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="103"/>
        <source>Asleep</source>
        <translation>休眠</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="114"/>
        <source>Faults</source>
        <translation>故障</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="121"/>
        <source>Inject</source>
        <translation>注入</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="123"/>
        <source>Every write fails</source>
        <translation>所有寫入皆失敗</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="125"/>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
</TS>
