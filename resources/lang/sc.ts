<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
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
        <source>Send data failed, please try again.</source>
        <translation>数据发送失败，请重试。</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>鼠标处于休眠状态或未连接。</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
</TS>
