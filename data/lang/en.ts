<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AccessibleNames</name>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="23"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="24"/>
        <source>Minimise</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="25"/>
        <source>Export profile</source>
        <translation>Export profile</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="26"/>
        <source>Import profile</source>
        <translation>Import profile</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="27"/>
        <source>Saved profiles</source>
        <translation>Saved profiles</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="28"/>
        <source>Profile name</source>
        <translation>Profile name</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="29"/>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="30"/>
        <source>Profile slot</source>
        <translation>Profile slot</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="31"/>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="32"/>
        <source>Battery</source>
        <translation>Battery</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="33"/>
        <source>Charging</source>
        <translation>Charging</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="34"/>
        <source>Receiver connected</source>
        <translation>Receiver connected</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="35"/>
        <source>Cable connected</source>
        <translation>Cable connected</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="37"/>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="38"/>
        <source>Effect speed</source>
        <translation>Effect speed</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="39"/>
        <source>Sleep time</source>
        <translation>Sleep time</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="41"/>
        <source>DPI stage %1</source>
        <translation>DPI stage %1</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="42"/>
        <source>DPI stage %1, X</source>
        <translation>DPI stage %1, X</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="43"/>
        <source>DPI stage %1, Y</source>
        <translation>DPI stage %1, Y</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="44"/>
        <source>Use DPI stage %1</source>
        <translation>Use DPI stage %1</translation>
    </message>
    <message>
        <source>DPI stage %1, typed value</source>
        <translation>DPI stage %1, typed value</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="45"/>
        <source>Pointer speed</source>
        <translation>Pointer speed</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="46"/>
        <source>Scroll speed</source>
        <translation>Scroll speed</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="48"/>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="49"/>
        <source>Actions to insert</source>
        <translation>Actions to insert</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="50"/>
        <source>Macro events</source>
        <translation>Macro events</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="51"/>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="52"/>
        <source>Movement</source>
        <translation>Movement</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="53"/>
        <source>Delay (ms)</source>
        <translation>Delay (ms)</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="54"/>
        <source>Default delay (ms)</source>
        <translation>Default delay (ms)</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="55"/>
        <source>Loop count</source>
        <translation>Loop count</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="57"/>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="59"/>
        <source>Gun file name</source>
        <translation>Gun file name</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="60"/>
        <source>Bullet %1, delay (ms)</source>
        <translation>Bullet %1, delay (ms)</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="61"/>
        <source>Bullet %1, X</source>
        <translation>Bullet %1, X</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="62"/>
        <source>Bullet %1, Y</source>
        <translation>Bullet %1, Y</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="64"/>
        <source>Hue</source>
        <translation>Hue</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="65"/>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="66"/>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="67"/>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="68"/>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="69"/>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="70"/>
        <source>Colour code</source>
        <translation>Colour code</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="72"/>
        <source>Captured key</source>
        <translation>Captured key</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="73"/>
        <source>Times</source>
        <translation>Times</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="75"/>
        <source>Sniper DPI</source>
        <translation>Sniper DPI</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="154"/>
        <source>Vertical scroll bar</source>
        <translation>Vertical scroll bar</translation>
    </message>
    <message>
        <location filename="../../ui/kit/AccessibleNames.cpp" line="155"/>
        <source>Horizontal scroll bar</source>
        <translation>Horizontal scroll bar</translation>
    </message>
</context>
<context>
    <name>DialogFrame</name>
    <message>
        <location filename="../../ui/macro/DialogFrame.cpp" line="56"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdater</name>
    <message>
        <location filename="../../helpers/updater/UpdaterNotice.cpp" line="22"/>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <location filename="../../helpers/updater/UpdaterNotice.cpp" line="27"/>
        <source>No firmware updater for this mouse model is installed on this system. The mouse has not been changed.</source>
        <translation>No firmware updater for this mouse model is installed on this system. The mouse has not been changed.</translation>
    </message>
    <message>
        <location filename="../../helpers/updater/UpdaterNotice.cpp" line="64"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KestBtnWindow</name>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="306"/>
        <source>Wheel up</source>
        <translation>Wheel up</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="306"/>
        <source>Wheel down</source>
        <translation>Wheel down</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="311"/>
        <source>Button %1</source>
        <translation>Button %1</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="8"/>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="9"/>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="10"/>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="11"/>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="12"/>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="13"/>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="14"/>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="15"/>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="16"/>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="17"/>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="18"/>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="19"/>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="20"/>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="21"/>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="22"/>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="23"/>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="24"/>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="25"/>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="26"/>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="27"/>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="28"/>
        <source>Browser Backward</source>
        <translation>Browser Backward</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="29"/>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="30"/>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="31"/>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="32"/>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="33"/>
        <source>Browser Favorite</source>
        <translation>Browser Favorite</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="34"/>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="35"/>
        <source>Boss Key</source>
        <translation>Boss Key</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="36"/>
        <source>SINGLE KEY</source>
        <translation>SINGLE KEY</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="37"/>
        <source>COMBO KEY</source>
        <translation>COMBO KEY</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="38"/>
        <source>FIRE KEY</source>
        <translation>FIRE KEY</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="39"/>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="40"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="41"/>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="42"/>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="43"/>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="44"/>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="45"/>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="46"/>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="47"/>
        <source>DPI Switch</source>
        <translation>DPI Switch</translation>
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
        <translation>Rate Switch</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="51"/>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="52"/>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="53"/>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="54"/>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="55"/>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="56"/>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="57"/>
        <source>Led Switch</source>
        <translation>Led Switch</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="58"/>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="59"/>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="60"/>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="61"/>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="62"/>
        <source>GunFile Manager</source>
        <translation>GunFile Manager</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="66"/>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="67"/>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="68"/>
        <source>Advance</source>
        <translation>Advance</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="69"/>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="70"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="71"/>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <location filename="../../model/ButtonCatalog.cpp" line="72"/>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="460"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="460"/>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Left Button Can not be Gun Function.</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="479"/>
        <source>GUNFILE SELECT</source>
        <translation>GUNFILE SELECT</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestBtnWindow.cpp" line="479"/>
        <source>MACRO SELECT</source>
        <translation>MACRO SELECT</translation>
    </message>
</context>
<context>
    <name>KestColorArea</name>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="182"/>
        <source>Color Edit</source>
        <translation>Color Edit</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="183"/>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="184"/>
        <source>H </source>
        <translation>H </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="185"/>
        <source>S </source>
        <translation>S </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="186"/>
        <source>V </source>
        <translation>V </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="187"/>
        <source>R </source>
        <translation>R </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="188"/>
        <source>G </source>
        <translation>G </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="189"/>
        <source>B </source>
        <translation>B </translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="190"/>
        <source>APPLY</source>
        <translation>APPLY</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorArea.cpp" line="191"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>KestColorWindow</name>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="183"/>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="210"/>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="269"/>
        <source> MINUTE</source>
        <translation> MINUTE</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="203"/>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="204"/>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="205"/>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="206"/>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="207"/>
        <source>SLEEP TIME</source>
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestColorWindow.cpp" line="208"/>
        <source>MOVE TO LIGHT OFF</source>
        <translation>MOVE TO LIGHT OFF</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="7"/>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="8"/>
        <source>FULL LIGHTED</source>
        <translation>FULL LIGHTED</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="9"/>
        <source>BREATHING</source>
        <translation>BREATHING</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="10"/>
        <source>7 COLOR BREATHING</source>
        <translation>7 COLOR BREATHING</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="11"/>
        <source>RAINBOW</source>
        <translation>RAINBOW</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="12"/>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="13"/>
        <source>Horizontal WAVE</source>
        <translation>Horizontal WAVE</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="14"/>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Horizontal GO WITHOUT TRACE</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="15"/>
        <source>Raindrop</source>
        <translation>Raindrop</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="16"/>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="17"/>
        <source>GO WITHOUT TRACE</source>
        <translation>GO WITHOUT TRACE</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="18"/>
        <source>REACTIVE</source>
        <translation>REACTIVE</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="19"/>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <location filename="../../model/LightingEffects.cpp" line="20"/>
        <source>Marbles</source>
        <translation>Marbles</translation>
    </message>
</context>
<context>
    <name>KestComboKeyWindow</name>
    <message>
        <location filename="../../ui/buttons/KestComboKeyWindow.cpp" line="11"/>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestComboKeyWindow.cpp" line="12"/>
        <source>Hold the modifiers, then press the key</source>
        <translation>Hold the modifiers, then press the key</translation>
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
        <translation>Left</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="20"/>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="21"/>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="22"/>
        <source>Keyboard Key</source>
        <translation>Keyboard Key</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="68"/>
        <source>FireKey Setting</source>
        <translation>FireKey Setting</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="93"/>
        <source>Times:</source>
        <translation>Times:</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestFireKeyWindow.cpp" line="94"/>
        <source>Delay:</source>
        <translation>Delay:</translation>
    </message>
</context>
<context>
    <name>KestGunsetDialog</name>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="40"/>
        <source>Gun Set</source>
        <translation>Gun Set</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="57"/>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="67"/>
        <source>GUNFILE NAME</source>
        <translation>GUNFILE NAME</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="74"/>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="103"/>
        <source>DELAY(MS)</source>
        <translation>DELAY(MS)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="103"/>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="103"/>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="117"/>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="118"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestGunsetDialog.cpp" line="172"/>
        <source>Please input file name.</source>
        <translation>Please input file name.</translation>
    </message>
</context>
<context>
    <name>KestMacroSelect</name>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="26"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="27"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="28"/>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTILL THE KEY DOWN</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="41"/>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="105"/>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="106"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="166"/>
        <source>Please choose a macro.</source>
        <translation>Please choose a macro.</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestMacroSelect.cpp" line="170"/>
        <source>Please input a loop count from 1 to 255.</source>
        <translation>Please input a loop count from 1 to 255.</translation>
    </message>
</context>
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
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>KestPointSpeed</name>
    <message>
        <location filename="../../ui/panels/KestPointSpeed.cpp" line="49"/>
        <source>POINTER SPEED</source>
        <translation>POINTER SPEED</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestPointSpeed.cpp" line="50"/>
        <source>SCROLL SPEED</source>
        <translation>SCROLL SPEED</translation>
    </message>
</context>
<context>
    <name>KestReportRate</name>
    <message>
        <location filename="../../ui/panels/KestReportRate.cpp" line="71"/>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestReportRate.cpp" line="72"/>
        <source>Lift off Distance</source>
        <translation>Lift off Distance</translation>
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
        <translation>125 HZ</translation>
    </message>
    <message>
        <location filename="../../model/RateTable.cpp" line="7"/>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <location filename="../../model/RateTable.cpp" line="8"/>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <location filename="../../model/RateTable.cpp" line="9"/>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestReportRate.cpp" line="76"/>
        <source>Kept with your settings only: the mouse is not told the lift-off distance.</source>
        <translation>Kept with your settings only: the mouse is not told the lift-off distance.</translation>
    </message>
</context>
<context>
    <name>KestSettingDialog</name>
    <message>
        <location filename="../../ui/buttons/KestSettingDialog.cpp" line="45"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestSettingDialog.cpp" line="49"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>KestSingleDPI</name>
    <message>
        <location filename="../../ui/panels/KestSingleDPI.cpp" line="78"/>
        <source>Link XY</source>
        <translation>Link XY</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestSingleDPI.cpp" line="79"/>
        <source>Use this stage</source>
        <translation>Use this stage</translation>
    </message>
    <message>
        <location filename="../../ui/panels/KestSingleDPI.cpp" line="128"/>
        <source>DPI : %1</source>
        <translation>DPI : %1</translation>
    </message>
    <message>
        <source>Make this the active stage</source>
        <translation>Make this the active stage</translation>
    </message>
    <message>
        <source>Type a DPI value and press Enter</source>
        <translation>Type a DPI value and press Enter</translation>
    </message>
</context>
<context>
    <name>KestSingleKeyWindow</name>
    <message>
        <location filename="../../ui/buttons/KestSingleKeyWindow.cpp" line="10"/>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <location filename="../../ui/buttons/KestSingleKeyWindow.cpp" line="11"/>
        <source>Press the key for this button</source>
        <translation>Press the key for this button</translation>
    </message>
</context>
<context>
    <name>KestSniperWindow</name>
    <message>
        <location filename="../../ui/buttons/KestSniperWindow.cpp" line="41"/>
        <source>Sniper Setting</source>
        <translation>Sniper Setting</translation>
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
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="10"/>
        <source>Left Button</source>
        <translation>Left Button</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="11"/>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="11"/>
        <source>Middle Button</source>
        <translation>Middle Button</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="12"/>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="12"/>
        <source>Right Button</source>
        <translation>Right Button</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="13"/>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="13"/>
        <source>Forward Button</source>
        <translation>Forward Button</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="14"/>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="14"/>
        <source>Backward Button</source>
        <translation>Backward Button</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="18"/>
        <location filename="../../ui/macro/MacroDialog.cpp" line="103"/>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="19"/>
        <location filename="../../ui/macro/MacroDialog.cpp" line="104"/>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="20"/>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="21"/>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="134"/>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="135"/>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <location filename="../../model/MacroActions.cpp" line="159"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="91"/>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="92"/>
        <location filename="../../ui/macro/MacroDialog.cpp" line="110"/>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="93"/>
        <source>CHANGE NAME</source>
        <translation>CHANGE NAME</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="94"/>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="95"/>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="96"/>
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="97"/>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="98"/>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="99"/>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="100"/>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="101"/>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="102"/>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="105"/>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="106"/>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="107"/>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="108"/>
        <source>CUT</source>
        <translation>CUT</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="109"/>
        <source>PASTE</source>
        <translation>PASTE</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="111"/>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="112"/>
        <source>RECORD AFTER</source>
        <translation>RECORD AFTER</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="113"/>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="118"/>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="119"/>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="120"/>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTIL THE KEY DOWN</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="283"/>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="284"/>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="289"/>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTION</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="290"/>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="118"/>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="128"/>
        <location filename="../../ui/macro/MacroDialog.cpp" line="378"/>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="118"/>
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="119"/>
        <source>MOUSE COMMAND</source>
        <translation>MOUSE COMMAND</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="120"/>
        <source>MOVEMENT</source>
        <translation>MOVEMENT</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="123"/>
        <source>PRESS DOWN</source>
        <translation>PRESS DOWN</translation>
    </message>
    <message>
        <location filename="../../ui/macro/KestTreeWidget.cpp" line="124"/>
        <source>BOUNCE UP</source>
        <translation>BOUNCE UP</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="385"/>
        <source>DELAY</source>
        <translation>DELAY</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroDialog.cpp" line="389"/>
        <location filename="../../ui/macro/MacroEventModel.cpp" line="8"/>
        <source>KEY</source>
        <translation>KEY</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroEventModel.cpp" line="9"/>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroEventModel.cpp" line="10"/>
        <source>DELAY(ms)</source>
        <translation>DELAY(ms)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroRecording.cpp" line="60"/>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="23"/>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Macro File(*.MSMACRO)</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="163"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="193"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="391"/>
        <source>The macro could not be saved. Check that the folder %1 can be written.</source>
        <translation>The macro could not be saved. Check that the folder %1 can be written.</translation>
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
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="180"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS TO BE CREATE!</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="180"/>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="212"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="250"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="295"/>
        <source>The macro list could not be saved.</source>
        <translation>The macro list could not be saved.</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="242"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="284"/>
        <source>Macro Exist!</source>
        <translation>Macro Exist!</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="244"/>
        <source>The macro could not be renamed.</source>
        <translation>The macro could not be renamed.</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="263"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="265"/>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="289"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="336"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="349"/>
        <source>The macro file %1 could not be copied.</source>
        <translation>The macro file %1 could not be copied.</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="310"/>
        <source>No macro is checked.</source>
        <translation>No macro is checked.</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="313"/>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="321"/>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroRowEditing.cpp" line="82"/>
        <source>The macro has no room for this. The mouse takes at most %1 events in a macro, or %2 without delays.</source>
        <translation>The macro has no room for this. The mouse takes at most %1 events in a macro, or %2 without delays.</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroRowEditing.cpp" line="176"/>
        <source>Without its delays the macro would be too long for the mouse: it takes at most %1 events without delays.</source>
        <translation>Without its delays the macro would be too long for the mouse: it takes at most %1 events without delays.</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="290"/>
        <source>%1 is too long for the mouse: it takes at most %2 events in a macro, or %3 without delays.</source>
        <translation>%1 is too long for the mouse: it takes at most %2 events in a macro, or %3 without delays.</translation>
    </message>
    <message>
        <location filename="../../model/MacroLibrary.cpp" line="131"/>
        <source>%1 is not a macro file.</source>
        <translation>%1 is not a macro file.</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="219"/>
        <source>The macro &quot;%1&quot; is played by %2. Those buttons will play nothing. Delete it anyway?</source>
        <translation>The macro "%1" is played by %2. Those buttons will play nothing. Delete it anyway?</translation>
    </message>
    <message>
        <location filename="../../ui/macro/MacroLibraryPage.cpp" line="273"/>
        <source>Some profiles could not be updated to the new macro name.</source>
        <translation>Some profiles could not be updated to the new macro name.</translation>
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
        <location filename="../../ui/main/MousecfgWidget.cpp" line="71"/>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="72"/>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="73"/>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="74"/>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="79"/>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="80"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="81"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="82"/>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="83"/>
        <source>LOAD1</source>
        <translation>LOAD1</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="84"/>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="88"/>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="89"/>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
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
        <translation>MACRO</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="99"/>
        <source>MousecfgWidget</source>
        <translation>MousecfgWidget</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="275"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="340"/>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="277"/>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="341"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="327"/>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="328"/>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="329"/>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="330"/>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="331"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="332"/>
        <source>Press Enter To Apply</source>
        <translation>Press Enter To Apply</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="334"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="87"/>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <location filename="../../ui/main/MousecfgWidget.cpp" line="586"/>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="22"/>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="23"/>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="24"/>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="25"/>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <location filename="../../ui/main/StatusDisplay.cpp" line="33"/>
        <location filename="../../ui/main/StatusDisplay.cpp" line="34"/>
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
    <message>
        <location filename="../../ui/main/CustomizePage.cpp" line="300"/>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
    </message>
    <message>
        <location filename="../../ui/main/FirmwareUpdate.cpp" line="12"/>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>To update the firmware, please connect to the computer with a cable.</translation>
    </message>
    <message>
        <location filename="../../ui/main/FirmwareUpdate.cpp" line="15"/>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Do you want to upgrade the firmware?</translation>
    </message>
    <message>
        <location filename="../../ui/main/FirmwareUpdate.cpp" line="22"/>
        <source>The firmware updater could not be started: %1</source>
        <translation>The firmware updater could not be started: %1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="80"/>
        <source>The saved-profile list could not be saved in %1.</source>
        <translation>The saved-profile list could not be saved in %1.</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="126"/>
        <source>&quot;DefaultProfile&quot; is reserved for the factory settings.</source>
        <translation>&quot;DefaultProfile&quot; is reserved for the factory settings.</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="129"/>
        <source>This name cannot be used for a profile: %1</source>
        <translation>This name cannot be used for a profile: %1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="137"/>
        <source>The saved-profile list is full (%1 profiles). Delete a profile first.</source>
        <translation>The saved-profile list is full (%1 profiles). Delete a profile first.</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="166"/>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="270"/>
        <location filename="../../ui/main/ProfileManagement.cpp" line="153"/>
        <source>The profile file could not be written in %1.</source>
        <translation>The profile file could not be written in %1.</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="218"/>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE TO BE RETAINED.</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="222"/>
        <location filename="../../ui/main/ProfileManagement.cpp" line="138"/>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default Profile cannot be deleted or renamed.</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="228"/>
        <source>&quot;%1&quot; is not in the saved-profile list.</source>
        <translation>&quot;%1&quot; is not in the saved-profile list.</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="233"/>
        <location filename="../../ui/main/ProfileManagement.cpp" line="116"/>
        <source>Profile is Already Used!</source>
        <translation>Profile is Already Used!</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="237"/>
        <source>Every other saved profile is in use by another slot.</source>
        <translation>Every other saved profile is in use by another slot.</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="240"/>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want delete this profile?</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileLibrary.cpp" line="244"/>
        <source>The profile file could not be removed: %1</source>
        <translation>The profile file could not be removed: %1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileManagement.cpp" line="145"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="81"/>
        <source>Profile Exist!</source>
        <translation>Profile Exist!</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileManagement.cpp" line="171"/>
        <source>The settings could not be saved in %1.</source>
        <translation>The settings could not be saved in %1.</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="46"/>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="46"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="66"/>
        <source>Profile File(*.prof)</source>
        <translation>Profile File(*.prof)</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="55"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="61"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="87"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="107"/>
        <source>The file could not be written: %1</source>
        <translation>The file could not be written: %1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="66"/>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="70"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="116"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="127"/>
        <source>The file could not be read: %1</source>
        <translation>The file could not be read: %1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="74"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="120"/>
        <source>The file is not match current mouse!</source>
        <translation>The file is not match current mouse!</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="101"/>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="101"/>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="112"/>
        <source>Config File(*.conf)</source>
        <translation>Config File(*.conf)</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="112"/>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="139"/>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want reset this profile?</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="153"/>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want reset all profiles?</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="78"/>
        <source>The file does not hold complete profile settings: %1</source>
        <translation>The file does not hold complete profile settings: %1</translation>
    </message>
    <message>
        <location filename="../../ui/main/ProfileTransfer.cpp" line="140"/>
        <source>Two slots had the same profile name. Slot %1 is now called &quot;%2&quot;.</source>
        <translation>Two slots had the same profile name. Slot %1 is now called "%2".</translation>
    </message>
    <message>
        <location filename="../../ui/main/MacroPage.cpp" line="23"/>
        <source>Profile %1, button %2</source>
        <translation>Profile %1, button %2</translation>
    </message>
    <message>
        <location filename="../../ui/main/MacroPage.cpp" line="19"/>
        <source>Profile %1, wheel up</source>
        <translation>Profile %1, wheel up</translation>
    </message>
    <message>
        <location filename="../../ui/main/MacroPage.cpp" line="21"/>
        <source>Profile %1, wheel down</source>
        <translation>Profile %1, wheel down</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>Export this profile to a file</source>
        <translation>Export this profile to a file</translation>
    </message>
    <message>
        <source>Import a profile from a file</source>
        <translation>Import a profile from a file</translation>
    </message>
    <message>
        <source>Saved profiles</source>
        <translation>Saved profiles</translation>
    </message>
    <message>
        <source>Profile slot on the mouse</source>
        <translation>Profile slot on the mouse</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Choose the mouse</source>
        <translation>Choose the mouse</translation>
    </message>
    <message>
        <source>Send the changes to the mouse</source>
        <translation>Send the changes to the mouse</translation>
    </message>
    <message>
        <source>Some changes have not been applied to the mouse yet.</source>
        <translation>Some changes have not been applied to the mouse yet.</translation>
    </message>
    <message>
        <source>buttons</source>
        <translation>buttons</translation>
    </message>
    <message>
        <source>lighting</source>
        <translation>lighting</translation>
    </message>
    <message>
        <source>rate and speeds</source>
        <translation>rate and speeds</translation>
    </message>
    <message>
        <source>Nothing to send</source>
        <translation>Nothing to send</translation>
    </message>
    <message>
        <source>Sent: %1</source>
        <translation>Sent: %1</translation>
    </message>
</context>
<context>
    <name>TrayStatus</name>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="14"/>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="15"/>
        <source>Connected through the receiver</source>
        <translation>Connected through the receiver</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="16"/>
        <source>Connected by cable</source>
        <translation>Connected by cable</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="17"/>
        <source>Connected by cable and receiver</source>
        <translation>Connected by cable and receiver</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="30"/>
        <source>Mouse is off or asleep</source>
        <translation>Mouse is off or asleep</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="32"/>
        <source>Battery %1 %, charging</source>
        <translation>Battery %1 %, charging</translation>
    </message>
    <message>
        <location filename="../../ui/main/TrayStatus.cpp" line="34"/>
        <source>Battery %1 %</source>
        <translation>Battery %1 %</translation>
    </message>
    <message>
        <location filename="../../ui/main/WindowChrome.cpp" line="239"/>
        <source>Mouse battery low</source>
        <translation>Mouse battery low</translation>
    </message>
    <message>
        <location filename="../../ui/main/WindowChrome.cpp" line="240"/>
        <source>%1 has %2 % left. Connect the cable to charge it.</source>
        <translation>%1 has %2 % left. Connect the cable to charge it.</translation>
    </message>
    <message>
        <location filename="../../ui/main/WindowChrome.cpp" line="241"/>
        <source>The mouse</source>
        <translation>The mouse</translation>
    </message>
</context>
<context>
    <name>VirtualMouseWindow</name>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="21"/>
        <source>Drop replies</source>
        <translation>Drop replies</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="22"/>
        <source>All-zero replies</source>
        <translation>All-zero replies</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="23"/>
        <source>Corrupt reply header</source>
        <translation>Corrupt reply header</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="24"/>
        <source>Corrupt reply data</source>
        <translation>Corrupt reply data</translation>
    </message>
    <message>
        <location filename="../../sim/control/VirtualMouseWindow.cpp" line="25"/>
        <source>Fail writes</source>
        <translation>Fail writes</translation>
    </message>
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
<context>
    <name>NodeAccess</name>
    <message>
        <location filename="../../device/NodeAccess.cpp" line="1"/>
        <source>The mouse is attached at %1, but this user may not open it (permission denied). Most likely the udev rule 70-mousecfg.rules is not installed, or you are not logged in at this computer&apos;s seat (a remote or second login gets no access). Install the rule (see Installing in the README) or log in at the seat, then plug the mouse in again.</source>
        <translation>The mouse is attached at %1, but this user may not open it (permission denied). Most likely the udev rule 70-mousecfg.rules is not installed, or you are not logged in at this computer&apos;s seat (a remote or second login gets no access). Install the rule (see Installing in the README) or log in at the seat, then plug the mouse in again.</translation>
    </message>
    <message>
        <location filename="../../device/NodeAccess.cpp" line="1"/>
        <source>The mouse is attached at %1, but it cannot be opened (%2). Plug the mouse in again.</source>
        <translation>The mouse is attached at %1, but it cannot be opened (%2). Plug the mouse in again.</translation>
    </message>
</context>
</TS>
