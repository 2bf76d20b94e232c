<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>AppProfiles</name>
    <message>
        <source>This session does not tell which window has the focus (no X display), so focus rules do not apply here; rules for running programs do.</source>
        <translation>此會話無法得知哪個視窗擁有焦點（沒有 X 顯示），焦點規則在此不起作用；執行規則仍然有效。</translation>
    </message>
    <message>
        <source>Application profiles not read: %1</source>
        <translation>未讀取應用程式配置：%1</translation>
    </message>
    <message>
        <source>Application profiles</source>
        <translation>應用程式配置</translation>
    </message>
    <message>
        <source>Application profiles...</source>
        <translation>應用程式配置...</translation>
    </message>
    <message>
        <source>%1 not chosen: the mouse is asleep or not connected.</source>
        <translation>未切換到%1：滑鼠處於休眠或未連接。</translation>
    </message>
</context>
<context>
    <name>AppProfilesDialog</name>
    <message>
        <source>While running</source>
        <translation>執行時</translation>
    </message>
    <message>
        <source>When focused</source>
        <translation>取得焦點時</translation>
    </message>
    <message>
        <source>Application profiles</source>
        <translation>應用程式配置</translation>
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
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>When</source>
        <translation>條件</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Window class or program</source>
        <translation>視窗類別或程式名稱</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>When no rule matches:</source>
        <translation>沒有規則符合時：</translation>
    </message>
    <message>
        <source>Keep the profile</source>
        <translation>保持目前配置</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>BatteryHistoryDialog</name>
    <message>
        <source>Battery history</source>
        <translation>電池記錄</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 小時</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 天</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 天</translation>
    </message>
    <message>
        <source>%1% · %2</source>
        <translation>%1% · %2</translation>
    </message>
    <message>
        <source>%1 (%2% per hour)</source>
        <translation>%1（每小時 %2%）</translation>
    </message>
</context>
<context>
    <name>BatteryNotifier</name>
    <message>
        <source>Mouse battery low</source>
        <translation>滑鼠電量低</translation>
    </message>
    <message>
        <source>%1% left. Connect the charging cable.</source>
        <translation>剩餘 %1%。請連接充電線。</translation>
    </message>
    <message>
        <source>Mouse charged</source>
        <translation>滑鼠已充飽電</translation>
    </message>
    <message>
        <source>The battery is full.</source>
        <translation>電池已充飽。</translation>
    </message>
    <message>
        <source>%1% left, about %2 of use. Connect the charging cable.</source>
        <translation>剩餘 %1%，約可使用 %2。請連接充電線。</translation>
    </message>
</context>
<context>
    <name>BatteryOutlook</name>
    <message>
        <source>under a minute</source>
        <translation>不到一分鐘</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分鐘</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小時 %2 分鐘</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>約剩 %1</translation>
    </message>
    <message>
        <source>full in about %1</source>
        <translation>約 %1 後充滿</translation>
    </message>
    <message>
        <source>no estimate yet (too little data)</source>
        <translation>暫無估計（資料太少）</translation>
    </message>
    <message>
        <source>Battery: mouse asleep</source>
        <translation>電池：滑鼠休眠中</translation>
    </message>
    <message>
        <source>Battery %1% · %2</source>
        <translation>電量 %1% · %2</translation>
    </message>
</context>
<context>
    <name>BatteryPlot</name>
    <message>
        <source>No readings in this period</source>
        <translation>此期間沒有記錄</translation>
    </message>
</context>
<context>
    <name>ButtonMenus</name>
    <message>
        <source>Left</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>連發鍵</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>關閉按鍵</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>切換視窗</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>執行</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>瀏覽器首頁</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>瀏覽器上一頁</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>瀏覽器下一頁</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>瀏覽器停止</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>瀏覽器重新整理</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>瀏覽器搜尋</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>瀏覽器我的最愛</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>郵件</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量+</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量-</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒體播放器</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI 切換</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>回報率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回報率 -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>燈效切換</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>設定檔 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>設定檔 -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>設定檔切換</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>老闆鍵</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>回報率切換</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>巨集管理</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>壓槍檔案管理</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本功能</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows 功能</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>進階</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>設定檔選單</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左鍵不能設為壓槍功能。</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>選擇巨集</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>選擇壓槍檔案</translation>
    </message>
</context>
<context>
    <name>ColorEditDialog</name>
    <message>
        <source>Color Edit</source>
        <translation>顏色編輯</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ComboKeyDialog</name>
    <message>
        <source>Combo Key</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Hold the keys of the combination together</source>
        <translation>同時按住組合中的各個按鍵</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>The mouse is connected, but %1 cannot be opened: no permission.
Install the udev rule 70-mousecfg.rules into /etc/udev/rules.d/, run &quot;udevadm control --reload&quot; as root and plug the mouse in again.</source>
        <translation>滑鼠已連接，但沒有權限開啟 %1。
請將 udev 規則 70-mousecfg.rules 安裝到 /etc/udev/rules.d/，以 root 身分執行「udevadm control --reload」，然後重新插入滑鼠。</translation>
    </message>
</context>
<context>
    <name>DpiStageRow</name>
    <message>
        <source>X:%d</source>
        <translation>X:%d</translation>
    </message>
    <message>
        <source>Y:%d</source>
        <translation>Y:%d</translation>
    </message>
    <message>
        <source>DPI : %d</source>
        <translation>DPI : %d</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY 連動</translation>
    </message>
</context>
<context>
    <name>FireKeyDialog</name>
    <message>
        <source>FireKey Setting</source>
        <translation>連發鍵設定</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>鍵盤按鍵</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次數:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>延時:</translation>
    </message>
</context>
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
    <name>GunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation>壓槍設定</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>壓槍設定</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>壓槍檔案名稱</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子彈數</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延時(毫秒)</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>請輸入檔案名稱。</translation>
    </message>
</context>
<context>
    <name>KeyDialog</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Desktop shortcuts (such as Alt+Tab) may not be captured here.</source>
        <translation>此處可能無法擷取桌面快速鍵（如 Alt+Tab）。</translation>
    </message>
</context>
<context>
    <name>LightingPage</name>
    <message>
        <source>OFF</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>七彩呼吸</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>水平波浪</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平踏雪無痕</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>雨滴</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>踏雪無痕</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>觸發</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>溜溜球</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>彈珠</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> 分鐘</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>燈效</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠時間</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移動時關燈</translation>
    </message>
</context>
<context>
    <name>MacroPage</name>
    <message>
        <source>START</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>修改名稱</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>壓槍設定</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>置頂</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>置底</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延時</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>滑鼠動作</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循環次數(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住時循環執行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>循環執行直到再次按下</translation>
    </message>
    <message>
        <source>Records the keys typed into this program. Keys typed into other programs cannot be recorded.</source>
        <translation>錄製在本程式中輸入的按鍵。在其他程式中輸入的按鍵無法錄製。</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>巨集名稱</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批量</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>錄製動作間的延時</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入預設延時</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The macro is full: the mouse plays at most 63 events in 200 bytes. Nothing was inserted.</source>
        <translation>巨集已滿：滑鼠最多播放 63 個事件（200 位元組）。未插入任何內容。</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一個或多個按鍵沒有放開。</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>匯入巨集檔案</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>巨集檔案(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>匯出巨集檔案</translation>
    </message>
    <message>
        <source>The macro file could not be written.</source>
        <translation>無法寫入巨集檔案。</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; has changes that are not saved. Save them?</source>
        <translation>巨集「%1」有未儲存的修改。要儲存嗎？</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>巨集數量已達上限，無法建立！</translation>
    </message>
    <message>
        <source>The macro could not be renamed.</source>
        <translation>無法重新命名該巨集。</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>巨集已存在！</translation>
    </message>
    <message>
        <source>These files cannot be macro names: %1</source>
        <translation>這些檔案名稱不能作為巨集名稱：%1</translation>
    </message>
    <message>
        <source>These files could not be imported: %1</source>
        <translation>這些檔案無法匯入：%1</translation>
    </message>
    <message>
        <source>These files could not be exported: %1</source>
        <translation>這些檔案無法匯出：%1</translation>
    </message>
    <message>
        <source>Replace these files?
%1</source>
        <translation>要取代這些檔案嗎？
%1</translation>
    </message>
    <message>
        <source>wheel up</source>
        <translation>滾輪上</translation>
    </message>
    <message>
        <source>wheel down</source>
        <translation>滾輪下</translation>
    </message>
    <message>
        <source>side button %1</source>
        <translation>側面按鍵 %1</translation>
    </message>
    <message>
        <source>front button %1</source>
        <translation>正面按鍵 %1</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>設定檔 %1：%2</translation>
    </message>
    <message>
        <source>Delete the macro &quot;%1&quot;?</source>
        <translation>要刪除巨集「%1」嗎？</translation>
    </message>
    <message>
        <source>These buttons use it and will play nothing: %1</source>
        <translation>以下按鍵使用此巨集，刪除後將不執行任何動作：%1</translation>
    </message>
    <message>
        <source>These files are not macro files: %1</source>
        <translation>以下檔案不是巨集檔案：%1</translation>
    </message>
    <message>
        <source>A macro holds at most %1 actions; only the first %1 were imported: %2</source>
        <translation>一個巨集最多包含 %1 個動作，僅匯入了前 %1 個：%2</translation>
    </message>
</context>
<context>
    <name>MacroRowEditor</name>
    <message>
        <source>PRESS THE NEW KEY:</source>
        <translation>請按新的按鍵:</translation>
    </message>
    <message>
        <source>MOUSE BUTTON:</source>
        <translation>滑鼠按鍵:</translation>
    </message>
    <message>
        <source>DIRECTION AND DISTANCE:</source>
        <translation>方向和距離:</translation>
    </message>
    <message>
        <source>DELAY(ms):</source>
        <translation>延時(毫秒):</translation>
    </message>
</context>
<context>
    <name>MacroRowText</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前進鍵</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>後退鍵</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>左移</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>右移</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>放開</translation>
    </message>
</context>
<context>
    <name>MacroSelectDialog</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循環次數(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住時重複執行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重複執行直到再次按鍵</translation>
    </message>
</context>
<context>
    <name>MacroTableModel</name>
    <message>
        <source>KEY</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延時(毫秒)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
    <message>
        <source>The profile file could not be written.</source>
        <translation>設定檔無法寫入。</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>檔案無法寫入。</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>隨桌面啟動</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>顯示視窗</translation>
    </message>
    <message>
        <source>The settings were changed outside this window. Load them and discard your unapplied changes?</source>
        <translation>設定已在此視窗之外被變更。是否載入這些設定並放棄尚未套用的變更？</translation>
    </message>
    <message>
        <source>Unapplied changes to Profile %1 were discarded</source>
        <translation>配置 %1 中未套用的變更已被放棄</translation>
    </message>
</context>
<context>
    <name>MouseCommandPanel</name>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>滑鼠命令</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>彈起</translation>
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
    <name>PointerOptionsPage</name>
    <message>
        <source>Key Response</source>
        <translation>按鍵響應</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滾輪速度</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>啟用同步</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>靜默高度</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>直線修正</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>防抖</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>開</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>關</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
</context>
<context>
    <name>ReportRatePage</name>
    <message>
        <source>REPORT RATE</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>靜默高度</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
</context>
<context>
    <name>SingleKeyDialog</name>
    <message>
        <source>Single Key</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>Press the key</source>
        <translation>請按下按鍵</translation>
    </message>
</context>
<context>
    <name>SkinMessageBox</name>
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
    <message>
        <source>Save</source>
        <translation>儲存</translation>
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
    <name>SniperDialog</name>
    <message>
        <source>Sniper Setting</source>
        <translation>狙擊設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TransferMessage</name>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>滑鼠處於休眠狀態或未連線。</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>資料傳送失敗，請再試一次。</translation>
    </message>
</context>
</TS>
