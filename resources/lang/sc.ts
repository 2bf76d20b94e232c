<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AppProfiles</name>
    <message>
        <source>This session does not tell which window has the focus (no X display), so focus rules do not apply here; rules for running programs do.</source>
        <translation>此会话无法得知哪个窗口拥有焦点（没有 X 显示），焦点规则在此不起作用；运行规则仍然有效。</translation>
    </message>
    <message>
        <source>Application profiles not read: %1</source>
        <translation>未读取应用程序配置：%1</translation>
    </message>
    <message>
        <source>Application profiles</source>
        <translation>应用程序配置</translation>
    </message>
    <message>
        <source>Application profiles...</source>
        <translation>应用程序配置...</translation>
    </message>
    <message>
        <source>%1 not chosen: the mouse is asleep or not connected.</source>
        <translation>未切换到%1：鼠标处于休眠或未连接。</translation>
    </message>
</context>
<context>
    <name>AppProfilesDialog</name>
    <message>
        <source>While running</source>
        <translation>运行时</translation>
    </message>
    <message>
        <source>When focused</source>
        <translation>获得焦点时</translation>
    </message>
    <message>
        <source>Application profiles</source>
        <translation>应用程序配置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>When</source>
        <translation>条件</translation>
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
        <translation>窗口类或程序名</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>When no rule matches:</source>
        <translation>没有规则匹配时：</translation>
    </message>
    <message>
        <source>Keep the profile</source>
        <translation>保持当前配置</translation>
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
        <translation>电池记录</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 小时</translation>
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
        <translation>%1（每小时 %2%）</translation>
    </message>
</context>
<context>
    <name>BatteryNotifier</name>
    <message>
        <source>Mouse battery low</source>
        <translation>鼠标电量低</translation>
    </message>
    <message>
        <source>%1% left. Connect the charging cable.</source>
        <translation>剩余 %1%。请连接充电线。</translation>
    </message>
    <message>
        <source>Mouse charged</source>
        <translation>鼠标已充满电</translation>
    </message>
    <message>
        <source>The battery is full.</source>
        <translation>电池已充满。</translation>
    </message>
    <message>
        <source>%1% left, about %2 of use. Connect the charging cable.</source>
        <translation>剩余 %1%，约可使用 %2。请连接充电线。</translation>
    </message>
</context>
<context>
    <name>BatteryOutlook</name>
    <message>
        <source>under a minute</source>
        <translation>不到一分钟</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>约剩 %1</translation>
    </message>
    <message>
        <source>full in about %1</source>
        <translation>约 %1 后充满</translation>
    </message>
    <message>
        <source>no estimate yet (too little data)</source>
        <translation>暂无估计（数据太少）</translation>
    </message>
    <message>
        <source>Battery: mouse asleep</source>
        <translation>电池：鼠标休眠中</translation>
    </message>
    <message>
        <source>Battery %1% · %2</source>
        <translation>电量 %1% · %2</translation>
    </message>
</context>
<context>
    <name>BatteryPlot</name>
    <message>
        <source>No readings in this period</source>
        <translation>此期间没有记录</translation>
    </message>
</context>
<context>
    <name>ButtonMenus</name>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>连发键</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>关闭按键</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>浏览器主页</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>浏览器后退</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>浏览器前进</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>浏览器停止</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>浏览器刷新</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>浏览器搜索</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>浏览器收藏夹</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一曲</translation>
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
        <translation>静音</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI 切换</translation>
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
        <translation>回报率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回报率 -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>灯效切换</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>配置 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>配置 -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>配置切换</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>老板键</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>回报率切换</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>宏管理</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>压枪文件管理</translation>
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
        <translation>高级</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>配置菜单</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左键不能设为压枪功能。</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>选择宏</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>选择压枪文件</translation>
    </message>
</context>
<context>
    <name>ColorEditDialog</name>
    <message>
        <source>Color Edit</source>
        <translation>颜色编辑</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>应用</translation>
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
        <translation>组合键</translation>
    </message>
    <message>
        <source>Hold the keys of the combination together</source>
        <translation>同时按住组合中的各个按键</translation>
    </message>
</context>
<context>
    <name>DeviceAccess</name>
    <message>
        <source>The mouse is connected, but %1 cannot be opened: no permission.
Install the udev rule 70-mousecfg.rules into /etc/udev/rules.d/, run &quot;udevadm control --reload&quot; as root and plug the mouse in again.</source>
        <translation>鼠标已连接，但没有权限打开 %1。
请将 udev 规则 70-mousecfg.rules 安装到 /etc/udev/rules.d/，以 root 身份运行“udevadm control --reload”，然后重新插入鼠标。</translation>
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
        <translation>XY 联动</translation>
    </message>
</context>
<context>
    <name>FireKeyDialog</name>
    <message>
        <source>FireKey Setting</source>
        <translation>连发键设置</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>键盘按键</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次数:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>延时:</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdater</name>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>是否升级固件？</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>更新固件前，请用数据线将鼠标连接到电脑。</translation>
    </message>
    <message>
        <source>The firmware updater was not found:
%1</source>
        <translation>找不到固件升级程序：
%1</translation>
    </message>
    <message>
        <source>The firmware updater cannot be run (it is not executable):
%1</source>
        <translation>无法运行固件升级程序（该文件不可执行）：
%1</translation>
    </message>
    <message>
        <source>The firmware updater could not be started:
%1</source>
        <translation>无法启动固件升级程序：
%1</translation>
    </message>
</context>
<context>
    <name>GunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>压枪文件名</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子弹数</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延时(毫秒)</translation>
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
        <translation>请输入文件名。</translation>
    </message>
</context>
<context>
    <name>KeyDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Desktop shortcuts (such as Alt+Tab) may not be captured here.</source>
        <translation>此处可能无法捕获桌面快捷键（如 Alt+Tab）。</translation>
    </message>
</context>
<context>
    <name>LightingPage</name>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
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
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>水平波浪</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平踏雪无痕</translation>
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
        <translation>踏雪无痕</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>触发</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>悠悠球</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>弹珠</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>灯效</translation>
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
        <translation>颜色</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移动时关灯</translation>
    </message>
</context>
<context>
    <name>MacroPage</name>
    <message>
        <source>START</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>修改名称</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>置顶</translation>
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
        <translation>插入延时</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住时循环执行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>循环执行直到再次按下</translation>
    </message>
    <message>
        <source>Records the keys typed into this program. Keys typed into other programs cannot be recorded.</source>
        <translation>录制在本程序中输入的按键。在其他程序中输入的按键无法录制。</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批量</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>录制动作间的延时</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入默认延时</translation>
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
        <translation>宏已满：鼠标最多播放 63 个事件（200 字节）。未插入任何内容。</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一个或多个按键没有松开。</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>导入宏文件</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>宏文件(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>导出宏文件</translation>
    </message>
    <message>
        <source>The macro file could not be written.</source>
        <translation>无法写入宏文件。</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; has changes that are not saved. Save them?</source>
        <translation>宏“%1”有未保存的修改。要保存吗？</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量已达上限，无法创建！</translation>
    </message>
    <message>
        <source>The macro could not be renamed.</source>
        <translation>无法重命名该宏。</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>宏已存在！</translation>
    </message>
    <message>
        <source>These files cannot be macro names: %1</source>
        <translation>这些文件名不能作为宏名称：%1</translation>
    </message>
    <message>
        <source>These files could not be imported: %1</source>
        <translation>这些文件无法导入：%1</translation>
    </message>
    <message>
        <source>These files could not be exported: %1</source>
        <translation>这些文件无法导出：%1</translation>
    </message>
    <message>
        <source>Replace these files?
%1</source>
        <translation>要替换这些文件吗？
%1</translation>
    </message>
    <message>
        <source>wheel up</source>
        <translation>滚轮上</translation>
    </message>
    <message>
        <source>wheel down</source>
        <translation>滚轮下</translation>
    </message>
    <message>
        <source>side button %1</source>
        <translation>侧面按键 %1</translation>
    </message>
    <message>
        <source>front button %1</source>
        <translation>正面按键 %1</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>配置 %1：%2</translation>
    </message>
    <message>
        <source>Delete the macro &quot;%1&quot;?</source>
        <translation>要删除宏“%1”吗？</translation>
    </message>
    <message>
        <source>These buttons use it and will play nothing: %1</source>
        <translation>以下按键使用此宏，删除后将不执行任何操作：%1</translation>
    </message>
    <message>
        <source>These files are not macro files: %1</source>
        <translation>以下文件不是宏文件：%1</translation>
    </message>
    <message>
        <source>A macro holds at most %1 actions; only the first %1 were imported: %2</source>
        <translation>一个宏最多包含 %1 个动作，仅导入了前 %1 个：%2</translation>
    </message>
</context>
<context>
    <name>MacroRowEditor</name>
    <message>
        <source>PRESS THE NEW KEY:</source>
        <translation>请按新的按键:</translation>
    </message>
    <message>
        <source>MOUSE BUTTON:</source>
        <translation>鼠标按键:</translation>
    </message>
    <message>
        <source>DIRECTION AND DISTANCE:</source>
        <translation>方向和距离:</translation>
    </message>
    <message>
        <source>DELAY(ms):</source>
        <translation>延时(毫秒):</translation>
    </message>
</context>
<context>
    <name>MacroRowText</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前进键</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>后退键</translation>
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
        <translation>松开</translation>
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
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住时重复执行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重复执行直到再次按键</translation>
    </message>
</context>
<context>
    <name>MacroTableModel</name>
    <message>
        <source>KEY</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延时(毫秒)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
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
        <translation>按回车键应用</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按键设置</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>鼠标已关闭</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>打开设置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器未连接！</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少须保留一个点击功能。</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>配置已存在！</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>该配置已被使用！</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少须保留一个配置。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>默认配置不能删除或重命名。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>确定要删除此配置吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>确定要重置此配置吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>确定要重置所有配置吗？</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>该文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>载入配置文件</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>配置文件(*.prof)</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存设置文件</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>载入设置文件</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>设置文件(*.conf)</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>设置无法保存。</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>配置文件无法写入。</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>文件无法写入。</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>随桌面启动</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>The settings were changed outside this window. Load them and discard your unapplied changes?</source>
        <translation>设置已在此窗口之外被更改。是否载入这些设置并放弃尚未应用的更改？</translation>
    </message>
    <message>
        <source>Unapplied changes to Profile %1 were discarded</source>
        <translation>配置 %1 中未应用的更改已被放弃</translation>
    </message>
</context>
<context>
    <name>MouseCommandPanel</name>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>鼠标命令</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>弹起</translation>
    </message>
</context>
<context>
    <name>Paths</name>
    <message>
        <source>The name is empty.</source>
        <translation>名称为空。</translation>
    </message>
    <message>
        <source>The name cannot be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>名称不能是“.”或“..”。</translation>
    </message>
    <message>
        <source>The name cannot contain / or \.</source>
        <translation>名称不能包含 / 或 \。</translation>
    </message>
    <message>
        <source>The name cannot contain control characters.</source>
        <translation>名称不能包含控制字符。</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>名称过长。</translation>
    </message>
</context>
<context>
    <name>PointerOptionsPage</name>
    <message>
        <source>Key Response</source>
        <translation>按键响应</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滚轮速度</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>启用同步</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>静默高度</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>直线修正</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>防抖</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
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
        <translation>回报率</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>静默高度</translation>
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
        <translation>单键</translation>
    </message>
    <message>
        <source>Press the key</source>
        <translation>请按下按键</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
    <name>SniperDialog</name>
    <message>
        <source>Sniper Setting</source>
        <translation>狙击设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>鼠标处于休眠状态或未连接。</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>数据发送失败，请重试。</translation>
    </message>
</context>
</TS>
