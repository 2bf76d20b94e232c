<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>FirmwareUpdater</name>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>是否更新韌體？</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>更新韌體前，請用傳輸線將滑鼠連接到電腦。</translation>
    </message>
    <message>
        <source>The firmware updater was not found:
%1</source>
        <translation>找不到韌體更新程式：
%1</translation>
    </message>
    <message>
        <source>The firmware updater cannot be run (it is not executable):
%1</source>
        <translation>無法執行韌體更新程式（該檔案不可執行）：
%1</translation>
    </message>
    <message>
        <source>The firmware updater could not be started:
%1</source>
        <translation>無法啟動韌體更新程式：
%1</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>Profile</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source> %d</source>
        <translation> %d</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按 Enter 鍵套用</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重設</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>燈光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按鍵設定</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>韌體更新</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>側面</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>滑鼠已關閉</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>開啟設定(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器未連線！</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>資料傳送失敗，請再試一次。</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>滑鼠處於休眠狀態或未連線。</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少須保留一個點擊功能。</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>設定檔已存在！</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>該設定檔已被使用！</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少須保留一個設定檔。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>預設設定檔不能刪除或重新命名。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>確定要刪除此設定檔嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>確定要重設此設定檔嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>確定要重設所有設定檔嗎？</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>該檔案與目前的滑鼠不相符！</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>載入設定檔</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>設定檔(*.prof)</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>儲存設定檔案</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>載入設定檔案</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>設定檔案(*.conf)</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>設定無法儲存。</translation>
    </message>
</context>
<context>
    <name>Paths</name>
    <message>
        <source>The name is empty.</source>
        <translation>名稱為空。</translation>
    </message>
    <message>
        <source>The name cannot be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>名稱不能是「.」或「..」。</translation>
    </message>
    <message>
        <source>The name cannot contain / or \.</source>
        <translation>名稱不能包含 / 或 \。</translation>
    </message>
    <message>
        <source>The name cannot contain control characters.</source>
        <translation>名稱不能包含控制字元。</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>名稱過長。</translation>
    </message>
</context>
<context>
    <name>VeskMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
</TS>
