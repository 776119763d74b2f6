<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="23"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="24"/>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="25"/>
        <source>Export profile</source>
        <translation>导出配置</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="26"/>
        <source>Import profile</source>
        <translation>导入配置</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="27"/>
        <source>Saved profiles</source>
        <translation>已保存的配置</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="28"/>
        <source>Profile name</source>
        <translation>配置名称</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="29"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="30"/>
        <source>Profile slot</source>
        <translation>配置槽位</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="31"/>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="32"/>
        <source>Battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="33"/>
        <source>Charging</source>
        <translation>正在充电</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="34"/>
        <source>Receiver connected</source>
        <translation>已连接接收器</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="35"/>
        <source>Cable connected</source>
        <translation>已连接数据线</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="37"/>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="38"/>
        <source>Effect speed</source>
        <translation>灯效速度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="39"/>
        <source>Sleep time</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="41"/>
        <source>DPI stage %1</source>
        <translation>DPI 档位 %1</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="42"/>
        <source>DPI stage %1, X</source>
        <translation>DPI 档位 %1，X</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="43"/>
        <source>DPI stage %1, Y</source>
        <translation>DPI 档位 %1，Y</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="44"/>
        <source>Use DPI stage %1</source>
        <translation>启用 DPI 档位 %1</translation>
    </message>
    <message>
        <source>DPI stage %1, typed value</source>
        <translation>DPI 档位 %1，输入的数值</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="45"/>
        <source>Pointer speed</source>
        <translation>指针速度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="46"/>
        <source>Scroll speed</source>
        <translation>滚轮速度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="48"/>
        <source>Macros</source>
        <translation>宏列表</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="49"/>
        <source>Actions to insert</source>
        <translation>可插入的动作</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="50"/>
        <source>Macro events</source>
        <translation>宏事件</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="51"/>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="52"/>
        <source>Movement</source>
        <translation>移动</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="53"/>
        <source>Delay (ms)</source>
        <translation>延时（毫秒）</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="54"/>
        <source>Default delay (ms)</source>
        <translation>默认延时（毫秒）</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="55"/>
        <source>Loop count</source>
        <translation>循环次数</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="57"/>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="59"/>
        <source>Gun file name</source>
        <translation>压枪文件名</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="60"/>
        <source>Bullet %1, delay (ms)</source>
        <translation>第 %1 发，延时（毫秒）</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="61"/>
        <source>Bullet %1, X</source>
        <translation>第 %1 发，X</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="62"/>
        <source>Bullet %1, Y</source>
        <translation>第 %1 发，Y</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="64"/>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="65"/>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="66"/>
        <source>Value</source>
        <translation>明度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="67"/>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="68"/>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="69"/>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="70"/>
        <source>Colour code</source>
        <translation>颜色代码</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="72"/>
        <source>Captured key</source>
        <translation>捕获的按键</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="73"/>
        <source>Times</source>
        <translation>次数</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="75"/>
        <source>Sniper DPI</source>
        <translation>狙击 DPI</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="154"/>
        <source>Vertical scroll bar</source>
        <translation>垂直滚动条</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="155"/>
        <source>Horizontal scroll bar</source>
        <translation>水平滚动条</translation>
    </message>
</context>
<context>
    <name>DialogFrame</name>
    <message>
        <location filename="../../ui/macro/DialogFrame.cpp" line="56"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdater</name>
    <message>
        <location filename="../../helpers/updater/UpdaterNotice.cpp" line="22"/>
        <source>Firmware Update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <location filename="../../helpers/updater/UpdaterNotice.cpp" line="27"/>
        <source>No firmware updater for this mouse model is installed on this system. The mouse has not been changed.</source>
        <translation>此系统未安装适用于该鼠标型号的固件更新程序。鼠标未作任何更改。</translation>
    </message>
    <message>
        <location filename="../../helpers/updater/UpdaterNotice.cpp" line="64"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>KestBtnWindow</name>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="306"/>
        <source>Wheel up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="306"/>
        <source>Wheel down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="311"/>
        <source>Button %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="8"/>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="9"/>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="10"/>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="11"/>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="12"/>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="13"/>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="14"/>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="15"/>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="16"/>
        <source>All</source>
        <translation>全选</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="17"/>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="18"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="19"/>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="20"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="21"/>
        <source>Switch Window</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="22"/>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="23"/>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="24"/>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="25"/>
        <source>Show Desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="26"/>
        <source>Lock PC</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="27"/>
        <source>Browser Home</source>
        <translation>浏览器主页</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="28"/>
        <source>Browser Backward</source>
        <translation>浏览器后退</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="29"/>
        <source>Browser Forward</source>
        <translation>浏览器前进</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="30"/>
        <source>Browser Stop</source>
        <translation>浏览器停止</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="31"/>
        <source>Browser Refresh</source>
        <translation>浏览器刷新</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="32"/>
        <source>Browser Search</source>
        <translation>浏览器搜索</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="33"/>
        <source>Browser Favorite</source>
        <translation>浏览器收藏夹</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="34"/>
        <source>Mail</source>
        <translation>邮件</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="35"/>
        <source>Boss Key</source>
        <translation>老板键</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="36"/>
        <source>SINGLE KEY</source>
        <translation>单键</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="37"/>
        <source>COMBO KEY</source>
        <translation>组合键</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="38"/>
        <source>FIRE KEY</source>
        <translation>连发键</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="39"/>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="40"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="41"/>
        <source>Previous Track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="42"/>
        <source>Next Track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="43"/>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="44"/>
        <source>Volume Down</source>
        <translation>音量减</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="45"/>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="46"/>
        <source>Media Player</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="47"/>
        <source>DPI Switch</source>
        <translation>DPI 切换</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="48"/>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="49"/>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="50"/>
        <source>Rate Switch</source>
        <translation>回报率切换</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="51"/>
        <source>Rate +</source>
        <translation>回报率 +</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="52"/>
        <source>Rate -</source>
        <translation>回报率 -</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="53"/>
        <source>Profile Switch</source>
        <translation>配置切换</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="54"/>
        <source>Profile +</source>
        <translation>配置 +</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="55"/>
        <source>Profile -</source>
        <translation>配置 -</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="56"/>
        <source>Macro Manager</source>
        <translation>宏管理</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="57"/>
        <source>Led Switch</source>
        <translation>灯光开关</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="58"/>
        <source>Button Off</source>
        <translation>禁用按键</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="59"/>
        <source>Scroll Up</source>
        <translation>向上滚动</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="60"/>
        <source>Scroll Down</source>
        <translation>向下滚动</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="61"/>
        <source>SNIPER</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="62"/>
        <source>GunFile Manager</source>
        <translation>压枪文件管理</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="66"/>
        <source>Basic</source>
        <translation>基本功能</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="67"/>
        <source>Windows</source>
        <translation>系统功能</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="68"/>
        <source>Advance</source>
        <translation>高级功能</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="69"/>
        <source>Media</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="70"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="71"/>
        <source>Polling Rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="72"/>
        <source>Profile Menu</source>
        <translation>配置菜单</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="460"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="460"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左键不能设置为压枪功能。</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="479"/>
        <source>GUNFILE SELECT</source>
        <translation>选择压枪文件</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="479"/>
        <source>MACRO SELECT</source>
        <translation>选择宏</translation>
    </message>
</context>
<context>
    <name>KestColorArea</name>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="182"/>
        <source>Color Edit</source>
        <translation>颜色编辑</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="183"/>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="184"/>
        <source>H </source>
        <translation>色相 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="185"/>
        <source>S </source>
        <translation>饱和 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="186"/>
        <source>V </source>
        <translation>明度 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="187"/>
        <source>R </source>
        <translation>红 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="188"/>
        <source>G </source>
        <translation>绿 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="189"/>
        <source>B </source>
        <translation>蓝 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="190"/>
        <source>APPLY</source>
        <translation>应用</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="191"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KestColorWindow</name>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="183"/>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="210"/>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="269"/>
        <source> MINUTE</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="203"/>
        <source>EFFECT</source>
        <translation>灯效</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="204"/>
        <source>BRIGHTNESS</source>
        <translation>亮度</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="205"/>
        <source>SPEED</source>
        <translation>速度</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="206"/>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="207"/>
        <source>SLEEP TIME</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="208"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移动时关闭灯光</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="7"/>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="8"/>
        <source>FULL LIGHTED</source>
        <translation>常亮</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="9"/>
        <source>BREATHING</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="10"/>
        <source>7 COLOR BREATHING</source>
        <translation>七彩呼吸</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="11"/>
        <source>RAINBOW</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="12"/>
        <source>FLASH</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="13"/>
        <source>Horizontal WAVE</source>
        <translation>水平波浪</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="14"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平踏雪无痕</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="15"/>
        <source>Raindrop</source>
        <translation>雨滴</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="16"/>
        <source>WAVE</source>
        <translation>波浪</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="17"/>
        <source>GO WITHOUT TRACE</source>
        <translation>踏雪无痕</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="18"/>
        <source>REACTIVE</source>
        <translation>触发</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="19"/>
        <source>yo-yo</source>
        <translation>悠悠球</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="20"/>
        <source>Marbles</source>
        <translation>弹珠</translation>
    </message>
</context>
<context>
    <name>KestComboKeyWindow</name>
    <message>
        <location filename="../../ui/buttons/KestComboKeyWindow.cpp" line="11"/>
        <source>Combo Key</source>
        <translation>组合键</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestComboKeyWindow.cpp" line="12"/>
        <source>Hold the modifiers, then press the key</source>
        <translation>按住修饰键，再按下按键</translation>
    </message>
</context>
<context>
    <name>KestDPIWindow</name>
    <message>
        <location filename="../../ui/panels/KestDPIWindow.cpp" line="48"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
</context>
<context>
    <name>KestFireKeyWindow</name>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="19"/>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="20"/>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="21"/>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="22"/>
        <source>Keyboard Key</source>
        <translation>键盘按键</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="68"/>
        <source>FireKey Setting</source>
        <translation>连发键设置</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="93"/>
        <source>Times:</source>
        <translation>次数：</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="94"/>
        <source>Delay:</source>
        <translation>延时：</translation>
    </message>
</context>
<context>
    <name>KestGunsetDialog</name>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="40"/>
        <source>Gun Set</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="57"/>
        <source>GUN SET</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="67"/>
        <source>GUNFILE NAME</source>
        <translation>压枪文件名</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="74"/>
        <source>BULLETS</source>
        <translation>子弹数</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="103"/>
        <source>DELAY(MS)</source>
        <translation>延时(毫秒)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="103"/>
        <source>X</source>
        <translation>X 偏移</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="103"/>
        <source>Y</source>
        <translation>Y 偏移</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="117"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="118"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="172"/>
        <source>Please input file name.</source>
        <translation>请输入文件名。</translation>
    </message>
</context>
<context>
    <name>KestMacroSelect</name>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="26"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="27"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按键时重复执行</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="28"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重复执行直到再次按下按键</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="41"/>
        <source>MACRO NAME</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="105"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="106"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="166"/>
        <source>Please choose a macro.</source>
        <translation>请选择一个宏。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="170"/>
        <source>Please input a loop count from 1 to 255.</source>
        <translation>请输入 1 到 255 之间的循环次数。</translation>
    </message>
</context>
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
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KestPointSpeed</name>
    <message>
        <location filename="../../ui/panels/KestPointSpeed.cpp" line="49"/>
        <source>POINTER SPEED</source>
        <translation>指针速度</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestPointSpeed.cpp" line="50"/>
        <source>SCROLL SPEED</source>
        <translation>滚轮速度</translation>
    </message>
</context>
<context>
    <name>KestReportRate</name>
    <message>
        <location filename="../../ui/panels/KestReportRate.cpp" line="71"/>
        <source>REPORT RATE</source>
        <translation>回报率</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestReportRate.cpp" line="72"/>
        <source>Lift off Distance</source>
        <translation>静默高度</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestReportRate.cpp" line="73"/>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestReportRate.cpp" line="74"/>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <location filename="../../model/RateTable.cpp" line="6"/>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <location filename="../../model/RateTable.cpp" line="7"/>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <location filename="../../model/RateTable.cpp" line="8"/>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <location filename="../../model/RateTable.cpp" line="9"/>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestReportRate.cpp" line="76"/>
        <source>Kept with your settings only: the mouse is not told the lift-off distance.</source>
        <translation>仅保存在您的设置中：不会将静默高度发送给鼠标。</translation>
    </message>
</context>
<context>
    <name>KestSettingDialog</name>
    <message>
        <location filename="../../ui/buttons/KestSettingDialog.cpp" line="45"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestSettingDialog.cpp" line="49"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KestSingleDPI</name>
    <message>
        <location filename="../../ui/panels/KestSingleDPI.cpp" line="78"/>
        <source>Link XY</source>
        <translation>关联 XY</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestSingleDPI.cpp" line="79"/>
        <source>Use this stage</source>
        <translation>启用此档位</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestSingleDPI.cpp" line="128"/>
        <source>DPI : %1</source>
        <translation>DPI : %1</translation>
    </message>
    <message>
        <source>Make this the active stage</source>
        <translation>设为当前档位</translation>
    </message>
    <message>
        <source>Type a DPI value and press Enter</source>
        <translation>输入 DPI 值后按回车键</translation>
    </message>
</context>
<context>
    <name>KestSingleKeyWindow</name>
    <message>
        <location filename="../../ui/buttons/KestSingleKeyWindow.cpp" line="10"/>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestSingleKeyWindow.cpp" line="11"/>
        <source>Press the key for this button</source>
        <translation>请按下要分配给此按键的键</translation>
    </message>
</context>
<context>
    <name>KestSniperWindow</name>
    <message>
        <location filename="../../ui/buttons/KestSniperWindow.cpp" line="41"/>
        <source>Sniper Setting</source>
        <translation>狙击键设置</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestSniperWindow.cpp" line="52"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <location filename="../../model/MacroActions.cpp" line="10"/>
        <source>LEFT CLICK</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="10"/>
        <source>Left Button</source>
        <translation>左键</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="11"/>
        <source>MIDDLE CLICK</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="11"/>
        <source>Middle Button</source>
        <translation>中键</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="12"/>
        <source>RIGHT CLICK</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="12"/>
        <source>Right Button</source>
        <translation>右键</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="13"/>
        <source>FORWARD</source>
        <translation>前进键</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="13"/>
        <source>Forward Button</source>
        <translation>前进键</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="14"/>
        <source>BACKWARD</source>
        <translation>后退键</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="14"/>
        <source>Backward Button</source>
        <translation>后退键</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="18"/>
        <location filename="../../ui/macro/MacroDialog.cpp" line="103"/>
        <source>MOVE UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="19"/>
        <location filename="../../ui/macro/MacroDialog.cpp" line="104"/>
        <source>MOVE DOWN</source>
        <translation>下移</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="20"/>
        <source>MOVE LEFT</source>
        <translation>左移</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="21"/>
        <source>MOVE RIGHT</source>
        <translation>右移</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="134"/>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="135"/>
        <source>Release</source>
        <translation>松开</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="159"/>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="91"/>
        <source>NEW</source>
        <translation>新建</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="92"/>
        <location filename="../../ui/macro/MacroDialog.cpp" line="110"/>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="93"/>
        <source>CHANGE NAME</source>
        <translation>重命名</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="94"/>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="95"/>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="96"/>
        <source>BATCH</source>
        <translation>批量</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="97"/>
        <source>GUN SET</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="98"/>
        <source>START</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="99"/>
        <source>STOP</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="100"/>
        <source>EDIT</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="101"/>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="102"/>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="105"/>
        <source>TOP</source>
        <translation>置顶</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="106"/>
        <source>BOTTOM</source>
        <translation>置底</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="107"/>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="108"/>
        <source>CUT</source>
        <translation>剪切</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="109"/>
        <source>PASTE</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="111"/>
        <source>INSERT DELAY</source>
        <translation>插入延时</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="112"/>
        <source>RECORD AFTER</source>
        <translation>向后录制</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="113"/>
        <source>CLEAR</source>
        <translation>清空</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="118"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="119"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按键时重复执行</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="120"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重复执行直到再次按下按键</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="283"/>
        <source>MACRO NAME</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="284"/>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="289"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>录制动作间延时</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="290"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入默认延时</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="118"/>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="128"/>
        <location filename="../../ui/macro/MacroDialog.cpp" line="378"/>
        <source>DISTANCE</source>
        <translation>距离</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="118"/>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="119"/>
        <source>MOUSE COMMAND</source>
        <translation>鼠标按键</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="120"/>
        <source>MOVEMENT</source>
        <translation>移动</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="123"/>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="124"/>
        <source>BOUNCE UP</source>
        <translation>弹起</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="385"/>
        <source>DELAY</source>
        <translation>延时</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="389"/>
        <location filename="../../ui/macro/MacroEventModel.cpp" line="8"/>
        <source>KEY</source>
        <translation>按键</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroEventModel.cpp" line="9"/>
        <source>ACTION</source>
        <translation>动作</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroEventModel.cpp" line="10"/>
        <source>DELAY(ms)</source>
        <translation>延时(毫秒)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroRecording.cpp" line="60"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一个或多个按键未松开。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="23"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>宏文件(*.MSMACRO)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="163"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="193"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="391"/>
        <source>The macro could not be saved. Check that the folder %1 can be written.</source>
        <translation>无法保存宏。请检查文件夹 %1 是否可写。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="165"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="195"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="212"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="234"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="280"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="284"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="290"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="295"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="310"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="336"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="349"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="384"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="393"/>
        <location filename="../../ui/macro/MacroRecording.cpp" line="60"/>
        <location filename="../../ui/macro/MacroRowEditing.cpp" line="82"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="180"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量已达上限，无法创建！</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="180"/>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="212"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="250"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="295"/>
        <source>The macro list could not be saved.</source>
        <translation>无法保存宏列表。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="242"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="284"/>
        <source>Macro Exist!</source>
        <translation>宏已存在！</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="244"/>
        <source>The macro could not be renamed.</source>
        <translation>无法重命名宏。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="263"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="265"/>
        <source>Load Macro File</source>
        <translation>载入宏文件</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="289"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="336"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="349"/>
        <source>The macro file %1 could not be copied.</source>
        <translation>无法复制宏文件 %1。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="310"/>
        <source>No macro is checked.</source>
        <translation>未勾选任何宏。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="313"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="321"/>
        <source>Save Macro File</source>
        <translation>保存宏文件</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroRowEditing.cpp" line="82"/>
        <source>The macro has no room for this. The mouse takes at most %1 events in a macro, or %2 without delays.</source>
        <translation>宏没有空间容纳这些内容。鼠标的一个宏最多容纳 %1 个事件，不含延迟时最多 %2 个。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroRowEditing.cpp" line="176"/>
        <source>Without its delays the macro would be too long for the mouse: it takes at most %1 events without delays.</source>
        <translation>去掉延迟后，宏对鼠标来说会太长：不含延迟时最多 %1 个事件。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="290"/>
        <source>%1 is too long for the mouse: it takes at most %2 events in a macro, or %3 without delays.</source>
        <translation>%1 对鼠标来说太长：一个宏最多 %2 个事件，不含延迟时最多 %3 个。</translation>
    </message>
    <message>
        <location filename="../../model/MacroLibrary.cpp" line="131"/>
        <source>%1 is not a macro file.</source>
        <translation>%1 不是宏文件。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="219"/>
        <source>The macro &quot;%1&quot; is played by %2. Those buttons will play nothing. Delete it anyway?</source>
        <translation>宏“%1”正被 %2 使用。删除后这些按键将不执行任何操作。仍要删除吗？</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="273"/>
        <source>Some profiles could not be updated to the new macro name.</source>
        <translation>部分配置无法更新为新的宏名称。</translation>
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
        <location filename="../../ui/main/MousecfgWidget.cpp" line="71"/>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="72"/>
        <source>ADD</source>
        <translation>添加</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="73"/>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="74"/>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="79"/>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="80"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="81"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="82"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="83"/>
        <source>LOAD1</source>
        <translation>导入</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="84"/>
        <source>SAVE</source>
        <translation>导出</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="88"/>
        <source>LIGHTING</source>
        <translation>灯效</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="89"/>
        <source>CUSTOMIZE</source>
        <translation>自定义</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="90"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="99"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="91"/>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="99"/>
        <source>MousecfgWidget</source>
        <translation>鼠标设置</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="275"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="340"/>
        <source>&amp;Load Config</source>
        <translation>载入配置(&amp;L)</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="277"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="341"/>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="327"/>
        <source>Firmware Update</source>
        <translation>固件更新</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="328"/>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="329"/>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="330"/>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="331"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="332"/>
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="334"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="87"/>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="586"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="22"/>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="23"/>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="24"/>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="25"/>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="33"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="34"/>
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
    <message>
        <location filename="../../ui/main/CustomizePage.cpp" line="300"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少保留一个左键单击功能。</translation>
    </message>
    <message>
        <location filename="../../ui/main/FirmwareUpdate.cpp" line="12"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>如需更新固件，请用数据线连接电脑。</translation>
    </message>
    <message>
        <location filename="../../ui/main/FirmwareUpdate.cpp" line="15"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>是否要升级固件？</translation>
    </message>
    <message>
        <location filename="../../ui/main/FirmwareUpdate.cpp" line="22"/>
        <source>The firmware updater could not be started: %1</source>
        <translation>无法启动固件更新程序：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="80"/>
        <source>The saved-profile list could not be saved in %1.</source>
        <translation>无法在 %1 中保存配置列表。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="126"/>
        <source>&quot;DefaultProfile&quot; is reserved for the factory settings.</source>
        <translation>“DefaultProfile”保留给出厂设置使用。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="129"/>
        <source>This name cannot be used for a profile: %1</source>
        <translation>此名称不能用作配置名称：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="137"/>
        <source>The saved-profile list is full (%1 profiles). Delete a profile first.</source>
        <translation>配置列表已满（%1 个配置）。请先删除一个配置。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="166"/>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="270"/>
        <location filename="../../ui/main/ProfileManagement.cpp" line="153"/>
        <source>The profile file could not be written in %1.</source>
        <translation>无法在 %1 中写入配置文件。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="218"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少需要保留一个配置。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="222"/>
        <location filename="../../ui/main/ProfileManagement.cpp" line="138"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>默认配置不能删除或重命名。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="228"/>
        <source>&quot;%1&quot; is not in the saved-profile list.</source>
        <translation>“%1”不在配置列表中。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="233"/>
        <location filename="../../ui/main/ProfileManagement.cpp" line="116"/>
        <source>Profile is Already Used!</source>
        <translation>该配置已被使用！</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="237"/>
        <source>Every other saved profile is in use by another slot.</source>
        <translation>其他所有配置都已被别的配置位使用。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="240"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>确定要删除此配置吗？</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="244"/>
        <source>The profile file could not be removed: %1</source>
        <translation>无法删除配置文件：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileManagement.cpp" line="145"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="81"/>
        <source>Profile Exist!</source>
        <translation>配置已存在！</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileManagement.cpp" line="171"/>
        <source>The settings could not be saved in %1.</source>
        <translation>无法在 %1 中保存设置。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="46"/>
        <source>Save Profile File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="46"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="66"/>
        <source>Profile File(*.prof)</source>
        <translation>配置文件(*.prof)</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="55"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="61"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="87"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="107"/>
        <source>The file could not be written: %1</source>
        <translation>无法写入文件：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="66"/>
        <source>Load Profile File</source>
        <translation>载入配置文件</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="70"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="116"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="127"/>
        <source>The file could not be read: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="74"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="120"/>
        <source>The file is not match current mouse!</source>
        <translation>该文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="101"/>
        <source>Save Config File</source>
        <translation>保存设置文件</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="101"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="112"/>
        <source>Config File(*.conf)</source>
        <translation>设置文件(*.conf)</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="112"/>
        <source>Load Config File</source>
        <translation>载入设置文件</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="139"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>确定要重置此配置吗？</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="153"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>确定要重置所有配置吗？</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="78"/>
        <source>The file does not hold complete profile settings: %1</source>
        <translation>该文件不含完整的配置设置：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="140"/>
        <source>Two slots had the same profile name. Slot %1 is now called &quot;%2&quot;.</source>
        <translation>两个槽位使用了相同的配置名称。槽位 %1 现在名为“%2”。</translation>
    </message>
    <message>
        <location filename="../../ui/main/MacroPage.cpp" line="23"/>
        <source>Profile %1, button %2</source>
        <translation>配置 %1，按键 %2</translation>
    </message>
    <message>
        <location filename="../../ui/main/MacroPage.cpp" line="19"/>
        <source>Profile %1, wheel up</source>
        <translation>配置 %1，滚轮向上</translation>
    </message>
    <message>
        <location filename="../../ui/main/MacroPage.cpp" line="21"/>
        <source>Profile %1, wheel down</source>
        <translation>配置 %1，滚轮向下</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Export this profile to a file</source>
        <translation>将此配置导出到文件</translation>
    </message>
    <message>
        <source>Import a profile from a file</source>
        <translation>从文件导入配置</translation>
    </message>
    <message>
        <source>Saved profiles</source>
        <translation>已保存的配置</translation>
    </message>
    <message>
        <source>Profile slot on the mouse</source>
        <translation>鼠标上的配置槽位</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Choose the mouse</source>
        <translation>选择鼠标</translation>
    </message>
    <message>
        <source>Send the changes to the mouse</source>
        <translation>将更改发送到鼠标</translation>
    </message>
    <message>
        <source>Some changes have not been applied to the mouse yet.</source>
        <translation>部分更改尚未应用到鼠标。</translation>
    </message>
    <message>
        <source>buttons</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>rate and speeds</source>
        <translation>回报率和速度</translation>
    </message>
    <message>
        <source>Nothing to send</source>
        <translation>没有需要发送的内容</translation>
    </message>
    <message>
        <source>Sent: %1</source>
        <translation>已发送：%1</translation>
    </message>
</context>
<context>
    <name>TrayStatus</name>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="14"/>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="15"/>
        <source>Connected through the receiver</source>
        <translation>通过接收器连接</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="16"/>
        <source>Connected by cable</source>
        <translation>通过数据线连接</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="17"/>
        <source>Connected by cable and receiver</source>
        <translation>通过数据线和接收器连接</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="30"/>
        <source>Mouse is off or asleep</source>
        <translation>鼠标已关闭或休眠</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="32"/>
        <source>Battery %1 %, charging</source>
        <translation>电量 %1 %，正在充电</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="34"/>
        <source>Battery %1 %</source>
        <translation>电量 %1 %</translation>
    </message>
    <message>
        <location filename="../../ui/main/WindowChrome.cpp" line="239"/>
        <source>Mouse battery low</source>
        <translation>鼠标电量低</translation>
    </message>
    <message>
        <location filename="../../ui/main/WindowChrome.cpp" line="240"/>
        <source>%1 has %2 % left. Connect the cable to charge it.</source>
        <translation>%1 剩余电量 %2 %。请连接数据线充电。</translation>
    </message>
    <message>
        <location filename="../../ui/main/WindowChrome.cpp" line="241"/>
        <source>The mouse</source>
        <translation>鼠标</translation>
    </message>
</context>
<context>
    <name>VirtualMouseWindow</name>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="21"/>
        <source>Drop replies</source>
        <translation>丢弃应答</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="22"/>
        <source>All-zero replies</source>
        <translation>全零应答</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="23"/>
        <source>Corrupt reply header</source>
        <translation>损坏应答头</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="24"/>
        <source>Corrupt reply data</source>
        <translation>损坏应答数据</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="25"/>
        <source>Fail writes</source>
        <translation>写入失败</translation>
    </message>
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
<context>
    <name>NodeAccess</name>
    <message>
        <location filename="../../device/NodeAccess.cpp" line="1"/>
        <source>The mouse is attached at %1, but this user may not open it (permission denied). Most likely the udev rule 70-mousecfg.rules is not installed, or you are not logged in at this computer&apos;s seat (a remote or second login gets no access). Install the rule (see Installing in the README) or log in at the seat, then plug the mouse in again.</source>
        <translation>鼠标已连接在 %1，但当前用户无权打开它（权限被拒绝）。最可能的原因是未安装 udev 规则 70-mousecfg.rules，或者您没有在这台电脑的座席上登录（远程登录或第二个登录无法访问）。请安装该规则（见 README 中的“Installing”）或在座席上登录，然后重新插入鼠标。</translation>
    </message>
    <message>
        <location filename="../../device/NodeAccess.cpp" line="1"/>
        <source>The mouse is attached at %1, but it cannot be opened (%2). Plug the mouse in again.</source>
        <translation>鼠标已连接在 %1，但无法打开（%2）。请重新插入鼠标。</translation>
    </message>
</context>
</TS>
