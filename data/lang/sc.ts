<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
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
        <translation>确定</translation>
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
        <translation>接收器未连接！</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="70"/>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="71"/>
        <source>ADD</source>
        <translation>添加</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="72"/>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="73"/>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="78"/>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="79"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="80"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="81"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="82"/>
        <source>LOAD1</source>
        <translation>导入</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="83"/>
        <source>SAVE</source>
        <translation>导出</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="87"/>
        <source>LIGHTING</source>
        <translation>灯效</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="88"/>
        <source>CUSTOMIZE</source>
        <translation>自定义</translation>
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
        <translation>宏</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="98"/>
        <source>MousecfgWidget</source>
        <translation>鼠标设置</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="265"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="330"/>
        <source>&amp;Load Config</source>
        <translation>载入配置(&amp;L)</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="267"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="331"/>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="317"/>
        <source>Firmware Update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="318"/>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="319"/>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="320"/>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="321"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="322"/>
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="324"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="85"/>
        <source>Profile</source>
        <translation>配置</translation>
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
        <translation>鼠标休眠</translation>
    </message>
    <message>
        <location filename="../../ui/main/WriteSequence.cpp" line="32"/>
        <source>Mouse is sleeping or not connected.</source>
        <translation>鼠标处于休眠状态或未连接。</translation>
    </message>
    <message>
        <location filename="../../ui/main/WriteSequence.cpp" line="34"/>
        <source>The settings could not be saved in %1. Nothing was sent to the mouse.</source>
        <translation>无法将设置保存到 %1，未向鼠标发送任何数据。</translation>
    </message>
    <message>
        <location filename="../../ui/main/WriteSequence.cpp" line="36"/>
        <source>Send data failed, please try again.</source>
        <translation>发送数据失败，请重试。</translation>
    </message>
</context>
<context>
    <name>VirtualMouseWindow</name>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="40"/>
        <source>Virtual mouse</source>
        <translation>虚拟鼠标</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="50"/>
        <source>What the mouse holds:</source>
        <translation>鼠标中保存的内容：</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="58"/>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="60"/>
        <source>Receiver plugged in</source>
        <translation>已插入接收器</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="61"/>
        <source>Cable plugged in</source>
        <translation>已插入数据线</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="74"/>
        <source>Buttons on the mouse</source>
        <translation>鼠标上的按键</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="77"/>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="78"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="79"/>
        <source>Report rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="92"/>
        <source>Battery and sleep</source>
        <translation>电池与休眠</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="101"/>
        <source>Charging</source>
        <translation>充电中</translation>
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
        <translation>所有写入均失败</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="125"/>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
</TS>
