<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="23"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="24"/>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="25"/>
        <source>Export profile</source>
        <translation>匯出設定檔</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="26"/>
        <source>Import profile</source>
        <translation>匯入設定檔</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="27"/>
        <source>Saved profiles</source>
        <translation>已儲存的設定檔</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="28"/>
        <source>Profile name</source>
        <translation>設定檔名稱</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="29"/>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="30"/>
        <source>Profile slot</source>
        <translation>設定檔槽位</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="31"/>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="32"/>
        <source>Battery</source>
        <translation>電池</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="33"/>
        <source>Charging</source>
        <translation>正在充電</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="34"/>
        <source>Receiver connected</source>
        <translation>已連接接收器</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="35"/>
        <source>Cable connected</source>
        <translation>已連接傳輸線</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="37"/>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="38"/>
        <source>Effect speed</source>
        <translation>燈效速度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="39"/>
        <source>Sleep time</source>
        <translation>休眠時間</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="41"/>
        <source>DPI stage %1</source>
        <translation>DPI 檔位 %1</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="42"/>
        <source>DPI stage %1, X</source>
        <translation>DPI 檔位 %1，X</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="43"/>
        <source>DPI stage %1, Y</source>
        <translation>DPI 檔位 %1，Y</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="44"/>
        <source>Use DPI stage %1</source>
        <translation>啟用 DPI 檔位 %1</translation>
    </message>
    <message>
        <source>DPI stage %1, typed value</source>
        <translation>DPI 檔位 %1，輸入的數值</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="45"/>
        <source>Pointer speed</source>
        <translation>指標速度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="46"/>
        <source>Scroll speed</source>
        <translation>滾輪速度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="48"/>
        <source>Macros</source>
        <translation>巨集清單</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="49"/>
        <source>Actions to insert</source>
        <translation>可插入的動作</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="50"/>
        <source>Macro events</source>
        <translation>巨集事件</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="51"/>
        <source>Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="52"/>
        <source>Movement</source>
        <translation>移動</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="53"/>
        <source>Delay (ms)</source>
        <translation>延遲（毫秒）</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="54"/>
        <source>Default delay (ms)</source>
        <translation>預設延遲（毫秒）</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="55"/>
        <source>Loop count</source>
        <translation>循環次數</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="57"/>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="59"/>
        <source>Gun file name</source>
        <translation>壓槍檔案名稱</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="60"/>
        <source>Bullet %1, delay (ms)</source>
        <translation>第 %1 發，延遲（毫秒）</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="61"/>
        <source>Bullet %1, X</source>
        <translation>第 %1 發，X</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="62"/>
        <source>Bullet %1, Y</source>
        <translation>第 %1 發，Y</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="64"/>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="65"/>
        <source>Saturation</source>
        <translation>飽和度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="66"/>
        <source>Value</source>
        <translation>明度</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="67"/>
        <source>Red</source>
        <translation>紅</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="68"/>
        <source>Green</source>
        <translation>綠</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="69"/>
        <source>Blue</source>
        <translation>藍</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="70"/>
        <source>Colour code</source>
        <translation>顏色代碼</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="72"/>
        <source>Captured key</source>
        <translation>擷取的按鍵</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="73"/>
        <source>Times</source>
        <translation>次數</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="75"/>
        <source>Sniper DPI</source>
        <translation>狙擊 DPI</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="154"/>
        <source>Vertical scroll bar</source>
        <translation>垂直捲軸</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="155"/>
        <source>Horizontal scroll bar</source>
        <translation>水平捲軸</translation>
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
        <translation>韌體更新</translation>
    </message>
    <message>
        <location filename="../../helpers/updater/UpdaterNotice.cpp" line="27"/>
        <source>No firmware updater for this mouse model is installed on this system. The mouse has not been changed.</source>
        <translation>此系統未安裝適用於該滑鼠型號的韌體更新程式。滑鼠未作任何變更。</translation>
    </message>
    <message>
        <location filename="../../helpers/updater/UpdaterNotice.cpp" line="64"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>KestBtnWindow</name>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="306"/>
        <source>Wheel up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="306"/>
        <source>Wheel down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="311"/>
        <source>Button %1</source>
        <translation>按鍵 %1</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="8"/>
        <source>Left</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="9"/>
        <source>Right</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="10"/>
        <source>Middle</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="11"/>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="12"/>
        <source>Back</source>
        <translation>後退</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="13"/>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="14"/>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="15"/>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="16"/>
        <source>All</source>
        <translation>全選</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="17"/>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="18"/>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="19"/>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="20"/>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="21"/>
        <source>Switch Window</source>
        <translation>切換視窗</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="22"/>
        <source>Close Window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="23"/>
        <source>My Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="24"/>
        <source>Run</source>
        <translation>執行</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="25"/>
        <source>Show Desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="26"/>
        <source>Lock PC</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="27"/>
        <source>Browser Home</source>
        <translation>瀏覽器首頁</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="28"/>
        <source>Browser Backward</source>
        <translation>瀏覽器上一頁</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="29"/>
        <source>Browser Forward</source>
        <translation>瀏覽器下一頁</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="30"/>
        <source>Browser Stop</source>
        <translation>瀏覽器停止</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="31"/>
        <source>Browser Refresh</source>
        <translation>瀏覽器重新整理</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="32"/>
        <source>Browser Search</source>
        <translation>瀏覽器搜尋</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="33"/>
        <source>Browser Favorite</source>
        <translation>瀏覽器我的最愛</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="34"/>
        <source>Mail</source>
        <translation>郵件</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="35"/>
        <source>Boss Key</source>
        <translation>老闆鍵</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="36"/>
        <source>SINGLE KEY</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="37"/>
        <source>COMBO KEY</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="38"/>
        <source>FIRE KEY</source>
        <translation>連發鍵</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="39"/>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="40"/>
        <source>Stop</source>
        <translation>停止播放</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="41"/>
        <source>Previous Track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="42"/>
        <source>Next Track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="43"/>
        <source>Volume Up</source>
        <translation>音量增加</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="44"/>
        <source>Volume Down</source>
        <translation>音量減少</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="45"/>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="46"/>
        <source>Media Player</source>
        <translation>媒體播放器</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="47"/>
        <source>DPI Switch</source>
        <translation>DPI 切換</translation>
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
        <translation>回報率切換</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="51"/>
        <source>Rate +</source>
        <translation>回報率 +</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="52"/>
        <source>Rate -</source>
        <translation>回報率 -</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="53"/>
        <source>Profile Switch</source>
        <translation>設定檔切換</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="54"/>
        <source>Profile +</source>
        <translation>設定檔 +</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="55"/>
        <source>Profile -</source>
        <translation>設定檔 -</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="56"/>
        <source>Macro Manager</source>
        <translation>巨集管理</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="57"/>
        <source>Led Switch</source>
        <translation>燈光開關</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="58"/>
        <source>Button Off</source>
        <translation>停用按鍵</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="59"/>
        <source>Scroll Up</source>
        <translation>向上捲動</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="60"/>
        <source>Scroll Down</source>
        <translation>向下捲動</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="61"/>
        <source>SNIPER</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="62"/>
        <source>GunFile Manager</source>
        <translation>壓槍檔案管理</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="66"/>
        <source>Basic</source>
        <translation>基本功能</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="67"/>
        <source>Windows</source>
        <translation>系統功能</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="68"/>
        <source>Advance</source>
        <translation>進階功能</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="69"/>
        <source>Media</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="70"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="71"/>
        <source>Polling Rate</source>
        <translation>回報率</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="72"/>
        <source>Profile Menu</source>
        <translation>設定檔選單</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="460"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="460"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左鍵不能設定為壓槍功能。</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="479"/>
        <source>GUNFILE SELECT</source>
        <translation>選擇壓槍檔案</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="479"/>
        <source>MACRO SELECT</source>
        <translation>選擇巨集</translation>
    </message>
</context>
<context>
    <name>KestColorArea</name>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="182"/>
        <source>Color Edit</source>
        <translation>顏色編輯</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="183"/>
        <source>COLOR</source>
        <translation>顏色</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="184"/>
        <source>H </source>
        <translation>色相 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="185"/>
        <source>S </source>
        <translation>飽和 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="186"/>
        <source>V </source>
        <translation>明度 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="187"/>
        <source>R </source>
        <translation>紅 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="188"/>
        <source>G </source>
        <translation>綠 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="189"/>
        <source>B </source>
        <translation>藍 </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="190"/>
        <source>APPLY</source>
        <translation>套用</translation>
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
        <translation> 分鐘</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="203"/>
        <source>EFFECT</source>
        <translation>燈效</translation>
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
        <translation>顏色</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="207"/>
        <source>SLEEP TIME</source>
        <translation>休眠時間</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="208"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移動時關閉燈光</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="7"/>
        <source>OFF</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="8"/>
        <source>FULL LIGHTED</source>
        <translation>恆亮</translation>
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
        <translation>閃爍</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="13"/>
        <source>Horizontal WAVE</source>
        <translation>水平波浪</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="14"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平踏雪無痕</translation>
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
        <translation>踏雪無痕</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="18"/>
        <source>REACTIVE</source>
        <translation>觸發</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="19"/>
        <source>yo-yo</source>
        <translation>溜溜球</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="20"/>
        <source>Marbles</source>
        <translation>彈珠</translation>
    </message>
</context>
<context>
    <name>KestComboKeyWindow</name>
    <message>
        <location filename="../../ui/buttons/KestComboKeyWindow.cpp" line="11"/>
        <source>Combo Key</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestComboKeyWindow.cpp" line="12"/>
        <source>Hold the modifiers, then press the key</source>
        <translation>按住修飾鍵，再按下按鍵</translation>
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
        <translation>左鍵</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="20"/>
        <source>Right</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="21"/>
        <source>Middle</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="22"/>
        <source>Keyboard Key</source>
        <translation>鍵盤按鍵</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="68"/>
        <source>FireKey Setting</source>
        <translation>連發鍵設定</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="93"/>
        <source>Times:</source>
        <translation>次數：</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="94"/>
        <source>Delay:</source>
        <translation>延遲：</translation>
    </message>
</context>
<context>
    <name>KestGunsetDialog</name>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="40"/>
        <source>Gun Set</source>
        <translation>壓槍設定</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="57"/>
        <source>GUN SET</source>
        <translation>壓槍設定</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="67"/>
        <source>GUNFILE NAME</source>
        <translation>壓槍檔案名稱</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="74"/>
        <source>BULLETS</source>
        <translation>子彈數</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="103"/>
        <source>DELAY(MS)</source>
        <translation>延遲(毫秒)</translation>
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
        <translation>請輸入檔案名稱。</translation>
    </message>
</context>
<context>
    <name>KestMacroSelect</name>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="26"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>循環次數(1-255)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="27"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按鍵時重複執行</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="28"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重複執行直到再次按下按鍵</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="41"/>
        <source>MACRO NAME</source>
        <translation>巨集名稱</translation>
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
        <translation>請選擇一個巨集。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="170"/>
        <source>Please input a loop count from 1 to 255.</source>
        <translation>請輸入 1 到 255 之間的循環次數。</translation>
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
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../../ui/kit/KestMessageBox.cpp" line="80"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>捨棄</translation>
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
        <translation>指標速度</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestPointSpeed.cpp" line="50"/>
        <source>SCROLL SPEED</source>
        <translation>滾輪速度</translation>
    </message>
</context>
<context>
    <name>KestReportRate</name>
    <message>
        <location filename="../../ui/panels/KestReportRate.cpp" line="71"/>
        <source>REPORT RATE</source>
        <translation>回報率</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestReportRate.cpp" line="72"/>
        <source>Lift off Distance</source>
        <translation>靜默高度</translation>
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
        <translation>僅保存在您的設定中：不會將靜默高度傳送給滑鼠。</translation>
    </message>
</context>
<context>
    <name>KestSettingDialog</name>
    <message>
        <location filename="../../ui/buttons/KestSettingDialog.cpp" line="45"/>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>連結 XY</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestSingleDPI.cpp" line="79"/>
        <source>Use this stage</source>
        <translation>啟用此檔位</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestSingleDPI.cpp" line="128"/>
        <source>DPI : %1</source>
        <translation>DPI : %1</translation>
    </message>
    <message>
        <source>Make this the active stage</source>
        <translation>設為目前檔位</translation>
    </message>
    <message>
        <source>Type a DPI value and press Enter</source>
        <translation>輸入 DPI 值後按 Enter 鍵</translation>
    </message>
</context>
<context>
    <name>KestSingleKeyWindow</name>
    <message>
        <location filename="../../ui/buttons/KestSingleKeyWindow.cpp" line="10"/>
        <source>Single Key</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestSingleKeyWindow.cpp" line="11"/>
        <source>Press the key for this button</source>
        <translation>請按下要指派給此按鍵的鍵</translation>
    </message>
</context>
<context>
    <name>KestSniperWindow</name>
    <message>
        <location filename="../../ui/buttons/KestSniperWindow.cpp" line="41"/>
        <source>Sniper Setting</source>
        <translation>狙擊鍵設定</translation>
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
        <translation>左鍵單擊</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="10"/>
        <source>Left Button</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="11"/>
        <source>MIDDLE CLICK</source>
        <translation>中鍵單擊</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="11"/>
        <source>Middle Button</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="12"/>
        <source>RIGHT CLICK</source>
        <translation>右鍵單擊</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="12"/>
        <source>Right Button</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="13"/>
        <source>FORWARD</source>
        <translation>前進鍵</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="13"/>
        <source>Forward Button</source>
        <translation>前進鍵</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="14"/>
        <source>BACKWARD</source>
        <translation>後退鍵</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="14"/>
        <source>Backward Button</source>
        <translation>後退鍵</translation>
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
        <translation>放開</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="159"/>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="91"/>
        <source>NEW</source>
        <translation>新增</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="92"/>
        <location filename="../../ui/macro/MacroDialog.cpp" line="110"/>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="93"/>
        <source>CHANGE NAME</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="94"/>
        <source>IMPORT</source>
        <translation>匯入</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="95"/>
        <source>EXPORT</source>
        <translation>匯出</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="96"/>
        <source>BATCH</source>
        <translation>批次</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="97"/>
        <source>GUN SET</source>
        <translation>壓槍設定</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="98"/>
        <source>START</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="99"/>
        <source>STOP</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="100"/>
        <source>EDIT</source>
        <translation>編輯</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="101"/>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="102"/>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="105"/>
        <source>TOP</source>
        <translation>置頂</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="106"/>
        <source>BOTTOM</source>
        <translation>置底</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="107"/>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="108"/>
        <source>CUT</source>
        <translation>剪下</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="109"/>
        <source>PASTE</source>
        <translation>貼上</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="111"/>
        <source>INSERT DELAY</source>
        <translation>插入延遲</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="112"/>
        <source>RECORD AFTER</source>
        <translation>向後錄製</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="113"/>
        <source>CLEAR</source>
        <translation>清除</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="118"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>循環次數(1-255)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="119"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按鍵時重複執行</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="120"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重複執行直到再次按下按鍵</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="283"/>
        <source>MACRO NAME</source>
        <translation>巨集名稱</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="284"/>
        <source>MACRO</source>
        <translation>巨集</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="289"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>錄製動作間延遲</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="290"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入預設延遲</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="118"/>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="128"/>
        <location filename="../../ui/macro/MacroDialog.cpp" line="378"/>
        <source>DISTANCE</source>
        <translation>距離</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="118"/>
        <source>MOUSE ACTION</source>
        <translation>滑鼠動作</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="119"/>
        <source>MOUSE COMMAND</source>
        <translation>滑鼠按鍵</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="120"/>
        <source>MOVEMENT</source>
        <translation>移動</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="123"/>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="124"/>
        <source>BOUNCE UP</source>
        <translation>彈起</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="385"/>
        <source>DELAY</source>
        <translation>延遲</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="389"/>
        <location filename="../../ui/macro/MacroEventModel.cpp" line="8"/>
        <source>KEY</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroEventModel.cpp" line="9"/>
        <source>ACTION</source>
        <translation>動作</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroEventModel.cpp" line="10"/>
        <source>DELAY(ms)</source>
        <translation>延遲(毫秒)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroRecording.cpp" line="60"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一個或多個按鍵未放開。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="23"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>巨集檔案(*.MSMACRO)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="163"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="193"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="391"/>
        <source>The macro could not be saved. Check that the folder %1 can be written.</source>
        <translation>無法儲存巨集。請檢查資料夾 %1 是否可寫入。</translation>
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
        <translation>巨集數量已達上限，無法建立！</translation>
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
        <translation>無法儲存巨集列表。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="242"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="284"/>
        <source>Macro Exist!</source>
        <translation>巨集已存在！</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="244"/>
        <source>The macro could not be renamed.</source>
        <translation>無法重新命名巨集。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="263"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="265"/>
        <source>Load Macro File</source>
        <translation>載入巨集檔案</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="289"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="336"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="349"/>
        <source>The macro file %1 could not be copied.</source>
        <translation>無法複製巨集檔案 %1。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="310"/>
        <source>No macro is checked.</source>
        <translation>未勾選任何巨集。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="313"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="321"/>
        <source>Save Macro File</source>
        <translation>儲存巨集檔案</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroRowEditing.cpp" line="82"/>
        <source>The macro has no room for this. The mouse takes at most %1 events in a macro, or %2 without delays.</source>
        <translation>巨集沒有空間容納這些內容。滑鼠的一個巨集最多容納 %1 個事件，不含延遲時最多 %2 個。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroRowEditing.cpp" line="176"/>
        <source>Without its delays the macro would be too long for the mouse: it takes at most %1 events without delays.</source>
        <translation>去掉延遲後，巨集對滑鼠來說會太長：不含延遲時最多 %1 個事件。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="290"/>
        <source>%1 is too long for the mouse: it takes at most %2 events in a macro, or %3 without delays.</source>
        <translation>%1 對滑鼠來說太長：一個巨集最多 %2 個事件，不含延遲時最多 %3 個。</translation>
    </message>
    <message>
        <location filename="../../model/MacroLibrary.cpp" line="131"/>
        <source>%1 is not a macro file.</source>
        <translation>%1 不是巨集檔案。</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="219"/>
        <source>The macro &quot;%1&quot; is played by %2. Those buttons will play nothing. Delete it anyway?</source>
        <translation>巨集「%1」正被 %2 使用。刪除後這些按鍵將不執行任何動作。仍要刪除嗎？</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="273"/>
        <source>Some profiles could not be updated to the new macro name.</source>
        <translation>部分設定檔無法更新為新的巨集名稱。</translation>
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
        <location filename="../../ui/main/MousecfgWidget.cpp" line="71"/>
        <source>RESET</source>
        <translation>重設</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="72"/>
        <source>ADD</source>
        <translation>新增</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="73"/>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="74"/>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="79"/>
        <source>Reset All</source>
        <translation>全部重設</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="80"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="81"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="82"/>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="83"/>
        <source>LOAD1</source>
        <translation>匯入</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="84"/>
        <source>SAVE</source>
        <translation>匯出</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="88"/>
        <source>LIGHTING</source>
        <translation>燈效</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="89"/>
        <source>CUSTOMIZE</source>
        <translation>自訂</translation>
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
        <translation>巨集</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="99"/>
        <source>MousecfgWidget</source>
        <translation>滑鼠設定</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="275"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="340"/>
        <source>&amp;Load Config</source>
        <translation>載入設定(&amp;L)</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="277"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="341"/>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="327"/>
        <source>Firmware Update</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="328"/>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="329"/>
        <source>Side</source>
        <translation>側面</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="330"/>
        <source>NAME</source>
        <translation>名稱</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="331"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="332"/>
        <source>Press Enter To Apply</source>
        <translation>按 Enter 鍵套用</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="334"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="87"/>
        <source>Profile</source>
        <translation>設定檔</translation>
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
    <message>
        <location filename="../../ui/main/CustomizePage.cpp" line="300"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少保留一個左鍵點擊功能。</translation>
    </message>
    <message>
        <location filename="../../ui/main/FirmwareUpdate.cpp" line="12"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>如需更新韌體，請用傳輸線連接電腦。</translation>
    </message>
    <message>
        <location filename="../../ui/main/FirmwareUpdate.cpp" line="15"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>是否要升級韌體？</translation>
    </message>
    <message>
        <location filename="../../ui/main/FirmwareUpdate.cpp" line="22"/>
        <source>The firmware updater could not be started: %1</source>
        <translation>無法啟動韌體更新程式：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="80"/>
        <source>The saved-profile list could not be saved in %1.</source>
        <translation>無法在 %1 中儲存設定檔清單。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="126"/>
        <source>&quot;DefaultProfile&quot; is reserved for the factory settings.</source>
        <translation>「DefaultProfile」保留給原廠設定使用。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="129"/>
        <source>This name cannot be used for a profile: %1</source>
        <translation>此名稱不能用作設定檔名稱：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="137"/>
        <source>The saved-profile list is full (%1 profiles). Delete a profile first.</source>
        <translation>設定檔清單已滿（%1 個設定檔）。請先刪除一個設定檔。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="166"/>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="270"/>
        <location filename="../../ui/main/ProfileManagement.cpp" line="153"/>
        <source>The profile file could not be written in %1.</source>
        <translation>無法在 %1 中寫入設定檔。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="218"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少需要保留一個設定檔。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="222"/>
        <location filename="../../ui/main/ProfileManagement.cpp" line="138"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>預設設定檔不能刪除或重新命名。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="228"/>
        <source>&quot;%1&quot; is not in the saved-profile list.</source>
        <translation>「%1」不在設定檔清單中。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="233"/>
        <location filename="../../ui/main/ProfileManagement.cpp" line="116"/>
        <source>Profile is Already Used!</source>
        <translation>該設定檔已被使用！</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="237"/>
        <source>Every other saved profile is in use by another slot.</source>
        <translation>其他所有設定檔都已被別的設定檔位置使用。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="240"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>確定要刪除此設定檔嗎？</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="244"/>
        <source>The profile file could not be removed: %1</source>
        <translation>無法刪除設定檔：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileManagement.cpp" line="145"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="81"/>
        <source>Profile Exist!</source>
        <translation>設定檔已存在！</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileManagement.cpp" line="171"/>
        <source>The settings could not be saved in %1.</source>
        <translation>無法在 %1 中儲存設定。</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="46"/>
        <source>Save Profile File</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="46"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="66"/>
        <source>Profile File(*.prof)</source>
        <translation>設定檔(*.prof)</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="55"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="61"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="87"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="107"/>
        <source>The file could not be written: %1</source>
        <translation>無法寫入檔案：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="66"/>
        <source>Load Profile File</source>
        <translation>載入設定檔</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="70"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="116"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="127"/>
        <source>The file could not be read: %1</source>
        <translation>無法讀取檔案：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="74"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="120"/>
        <source>The file is not match current mouse!</source>
        <translation>該檔案與目前滑鼠不符！</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="101"/>
        <source>Save Config File</source>
        <translation>儲存組態檔</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="101"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="112"/>
        <source>Config File(*.conf)</source>
        <translation>組態檔(*.conf)</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="112"/>
        <source>Load Config File</source>
        <translation>載入組態檔</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="139"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>確定要重設此設定檔嗎？</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="153"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>確定要重設所有設定檔嗎？</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="78"/>
        <source>The file does not hold complete profile settings: %1</source>
        <translation>該檔案不含完整的設定檔設定：%1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="140"/>
        <source>Two slots had the same profile name. Slot %1 is now called &quot;%2&quot;.</source>
        <translation>兩個槽位使用了相同的設定檔名稱。槽位 %1 現在名為「%2」。</translation>
    </message>
    <message>
        <location filename="../../ui/main/MacroPage.cpp" line="23"/>
        <source>Profile %1, button %2</source>
        <translation>設定檔 %1，按鍵 %2</translation>
    </message>
    <message>
        <location filename="../../ui/main/MacroPage.cpp" line="19"/>
        <source>Profile %1, wheel up</source>
        <translation>設定檔 %1，滾輪向上</translation>
    </message>
    <message>
        <location filename="../../ui/main/MacroPage.cpp" line="21"/>
        <source>Profile %1, wheel down</source>
        <translation>設定檔 %1，滾輪向下</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Export this profile to a file</source>
        <translation>將此設定檔匯出到檔案</translation>
    </message>
    <message>
        <source>Import a profile from a file</source>
        <translation>從檔案匯入設定檔</translation>
    </message>
    <message>
        <source>Saved profiles</source>
        <translation>已儲存的設定檔</translation>
    </message>
    <message>
        <source>Profile slot on the mouse</source>
        <translation>滑鼠上的設定檔槽位</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Choose the mouse</source>
        <translation>選擇滑鼠</translation>
    </message>
    <message>
        <source>Send the changes to the mouse</source>
        <translation>將變更傳送到滑鼠</translation>
    </message>
    <message>
        <source>Some changes have not been applied to the mouse yet.</source>
        <translation>部分變更尚未套用到滑鼠。</translation>
    </message>
    <message>
        <source>buttons</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>燈光</translation>
    </message>
    <message>
        <source>rate and speeds</source>
        <translation>回報率和速度</translation>
    </message>
    <message>
        <source>Nothing to send</source>
        <translation>沒有需要傳送的內容</translation>
    </message>
    <message>
        <source>Sent: %1</source>
        <translation>已傳送：%1</translation>
    </message>
</context>
<context>
    <name>TrayStatus</name>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="14"/>
        <source>Not connected</source>
        <translation>未連接</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="15"/>
        <source>Connected through the receiver</source>
        <translation>透過接收器連接</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="16"/>
        <source>Connected by cable</source>
        <translation>透過傳輸線連接</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="17"/>
        <source>Connected by cable and receiver</source>
        <translation>透過傳輸線和接收器連接</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="30"/>
        <source>Mouse is off or asleep</source>
        <translation>滑鼠已關閉或休眠</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="32"/>
        <source>Battery %1 %, charging</source>
        <translation>電量 %1 %，正在充電</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="34"/>
        <source>Battery %1 %</source>
        <translation>電量 %1 %</translation>
    </message>
    <message>
        <location filename="../../ui/main/WindowChrome.cpp" line="239"/>
        <source>Mouse battery low</source>
        <translation>滑鼠電量低</translation>
    </message>
    <message>
        <location filename="../../ui/main/WindowChrome.cpp" line="240"/>
        <source>%1 has %2 % left. Connect the cable to charge it.</source>
        <translation>%1 剩餘電量 %2 %。請連接傳輸線充電。</translation>
    </message>
    <message>
        <location filename="../../ui/main/WindowChrome.cpp" line="241"/>
        <source>The mouse</source>
        <translation>滑鼠</translation>
    </message>
</context>
<context>
    <name>VirtualMouseWindow</name>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="21"/>
        <source>Drop replies</source>
        <translation>丟棄回應</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="22"/>
        <source>All-zero replies</source>
        <translation>全零回應</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="23"/>
        <source>Corrupt reply header</source>
        <translation>損壞回應標頭</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="24"/>
        <source>Corrupt reply data</source>
        <translation>損壞回應資料</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="25"/>
        <source>Fail writes</source>
        <translation>寫入失敗</translation>
    </message>
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
<context>
    <name>NodeAccess</name>
    <message>
        <location filename="../../device/NodeAccess.cpp" line="1"/>
        <source>The mouse is attached at %1, but this user may not open it (permission denied). Most likely the udev rule 70-mousecfg.rules is not installed, or you are not logged in at this computer&apos;s seat (a remote or second login gets no access). Install the rule (see Installing in the README) or log in at the seat, then plug the mouse in again.</source>
        <translation>滑鼠已連接在 %1，但目前使用者無權開啟它（權限被拒絕）。最可能的原因是未安裝 udev 規則 70-mousecfg.rules，或者您沒有在這台電腦的座席上登入（遠端登入或第二個登入無法存取）。請安裝該規則（見 README 中的「Installing」）或在座席上登入，然後重新插入滑鼠。</translation>
    </message>
    <message>
        <location filename="../../device/NodeAccess.cpp" line="1"/>
        <source>The mouse is attached at %1, but it cannot be opened (%2). Plug the mouse in again.</source>
        <translation>滑鼠已連接在 %1，但無法開啟（%2）。請重新插入滑鼠。</translation>
    </message>
</context>
</TS>
