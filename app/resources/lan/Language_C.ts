<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>DlgAddInverter</name>
    <message>
        <source>Tivra PA10KT</source>
        <translation>Tivra PA10KT</translation>
    </message>
    <message>
        <source>Tivra PA5KS</source>
        <translation>Tivra PA5KS</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Add New Inverter</source>
        <translation>添加新逆变器</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>逆变器名称：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Single-phase</source>
        <translation>单相</translation>
    </message>
    <message>
        <source>Three-phase</source>
        <translation>三相</translation>
    </message>
    <message>
        <source>Analog signal</source>
        <translation>模拟信号</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>逆变器名称不能为空！</translation>
    </message>
    <message>
        <source>Address illegal!Must between 1 to 247!</source>
        <translation>地址非法！必须在1到247之间！</translation>
    </message>
    <message>
        <source>Add Inverter Fialed!Name or address have been used!</source>
        <translation>添加逆变器失败！名称或地址已被使用！</translation>
    </message>
</context>
<context>
    <name>DlgEditRemark</name>
    <message>
        <source>Edit the system description</source>
        <translation>编辑系统说明</translation>
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
        <source>The string is too long!Can not display all the string!</source>
        <translation>字符串太长！无法完整显示！</translation>
    </message>
</context>
<context>
    <name>DlgSetGrid</name>
    <message>
        <source>Set public grid information</source>
        <translation>公共电网信息设置</translation>
    </message>
    <message>
        <source>1-ph AC wiring:</source>
        <translation>单相交流接线：</translation>
    </message>
    <message>
        <source>3-ph AC wiring:</source>
        <translation>三相交流接线：</translation>
    </message>
    <message>
        <source>Rated voltage(Vac):</source>
        <translation>额定电压(Vac)：</translation>
    </message>
    <message>
        <source>Rated frequency(Hz):</source>
        <translation>额定频率(Hz)：</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DlgSetInverter</name>
    <message>
        <source>Tivra PA1K5S</source>
        <translation>Tivra PA1K5S</translation>
    </message>
    <message>
        <source>Tivra PA2K2S</source>
        <translation>Tivra PA2K2S</translation>
    </message>
    <message>
        <source>Tivra PA3KS</source>
        <translation>Tivra PA3KS</translation>
    </message>
    <message>
        <source>Tivra PA4KS</source>
        <translation>Tivra PA4KS</translation>
    </message>
    <message>
        <source>Tivra PA5KS</source>
        <translation>Tivra PA5KS</translation>
    </message>
    <message>
        <source>Tivra PA6KS</source>
        <translation>Tivra PA6KS</translation>
    </message>
    <message>
        <source>Tivra PE4KS</source>
        <translation>Tivra PE4KS</translation>
    </message>
    <message>
        <source>Tivra PE4K6S</source>
        <translation>Tivra PE4K6S</translation>
    </message>
    <message>
        <source>Tivra PE5KS</source>
        <translation>Tivra PE5KS</translation>
    </message>
    <message>
        <source>Tivra PE4KS-D</source>
        <translation>Tivra PE4KS-D</translation>
    </message>
    <message>
        <source>Tivra PE4K6S-D</source>
        <translation>Tivra PE4K6S-D</translation>
    </message>
    <message>
        <source>Tivra PE5KS-D</source>
        <translation>Tivra PE5KS-D</translation>
    </message>
    <message>
        <source>Tivra PM750S</source>
        <translation>Tivra PM750S</translation>
    </message>
    <message>
        <source>Tivra PM1K1S</source>
        <translation>Tivra PM1K1S</translation>
    </message>
    <message>
        <source>Tivra PM1K5S</source>
        <translation>Tivra PM1K5S</translation>
    </message>
    <message>
        <source>Tivra PM2KS</source>
        <translation>Tivra PM2KS</translation>
    </message>
    <message>
        <source>Tivra PM3KS</source>
        <translation>Tivra PM3KS</translation>
    </message>
    <message>
        <source>Tivra PM4KS</source>
        <translation>Tivra PM4KS</translation>
    </message>
    <message>
        <source>Tivra PM4K6S</source>
        <translation>Tivra PM4K6S</translation>
    </message>
    <message>
        <source>Tivra PM5KS</source>
        <translation>Tivra PM5KS</translation>
    </message>
    <message>
        <source>Tivra PM3KS-D</source>
        <translation>Tivra PM3KS-D</translation>
    </message>
    <message>
        <source>Tivra PM4KS-D</source>
        <translation>Tivra PM4KS-D</translation>
    </message>
    <message>
        <source>Tivra PM4K6S-D</source>
        <translation>Tivra PM4K6S-D</translation>
    </message>
    <message>
        <source>Tivra PM5KS-D</source>
        <translation>Tivra PM5KS-D</translation>
    </message>
    <message>
        <source>Tivra PA4KT</source>
        <translation>Tivra PA4KT</translation>
    </message>
    <message>
        <source>Tivra PA5KT</source>
        <translation>Tivra PA5KT</translation>
    </message>
    <message>
        <source>Tivra PA6KT</source>
        <translation>Tivra PA6KT</translation>
    </message>
    <message>
        <source>Tivra PA8KT</source>
        <translation>Tivra PA8KT</translation>
    </message>
    <message>
        <source>Tivra PA10KT</source>
        <translation>Tivra PA10KT</translation>
    </message>
    <message>
        <source>Tivra PA12KT</source>
        <translation>Tivra PA12KT</translation>
    </message>
    <message>
        <source>Tivra PA15KT</source>
        <translation>Tivra PA15KT</translation>
    </message>
    <message>
        <source>Tivra PA17KT</source>
        <translation>Tivra PA17KT</translation>
    </message>
    <message>
        <source>Tivra PA20KT</source>
        <translation>Tivra PA20KT</translation>
    </message>
    <message>
        <source>Tivra PA20KT-X</source>
        <translation>Tivra PA20KT-X</translation>
    </message>
    <message>
        <source>Tivra PA25KT</source>
        <translation>Tivra PA25KT</translation>
    </message>
    <message>
        <source>Tivra PA30KT</source>
        <translation>Tivra PA30KT</translation>
    </message>
    <message>
        <source>Tivra PA40KT</source>
        <translation>Tivra PA40KT</translation>
    </message>
    <message>
        <source>Set Inverter Information</source>
        <translation>逆变器信息设置</translation>
    </message>
    <message>
        <source>Manufacture:</source>
        <translation>制造商：</translation>
    </message>
    <message>
        <source>1-ph model:</source>
        <translation>单相型号：</translation>
    </message>
    <message>
        <source>1-ph output power:</source>
        <translation>单相输出功率：</translation>
    </message>
    <message>
        <source>3-ph model:</source>
        <translation>三相型号：</translation>
    </message>
    <message>
        <source>3-ph output power:</source>
        <translation>三相输出功率：</translation>
    </message>
    <message>
        <source>KOVA</source>
        <translation>KOVA</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Self-test</source>
        <translation>自检</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>告警</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Enter the illegal instruction!</source>
        <translation>非法指令！</translation>
    </message>
    <message>
        <source>The data address is illegal!</source>
        <translation>数据地址非法！</translation>
    </message>
    <message>
        <source>Data value is illegal!</source>
        <translation>数据值非法！</translation>
    </message>
    <message>
        <source>The operation failed!</source>
        <translation>操作失败！</translation>
    </message>
    <message>
        <source>Password is incorrect!</source>
        <translation>密码错误！</translation>
    </message>
    <message>
        <source>Data frame error!</source>
        <translation>数据帧错误！</translation>
    </message>
    <message>
        <source>Parameter is read-only!</source>
        <translation>参数只读！</translation>
    </message>
    <message>
        <source>Parameters of the operation can not be change!</source>
        <translation>该操作的参数不能更改！</translation>
    </message>
    <message>
        <source>Password protection!</source>
        <translation>密码保护！</translation>
    </message>
    <message>
        <source>Length error!</source>
        <translation>长度错误！</translation>
    </message>
    <message>
        <source>You do not have permission to do this!</source>
        <translation>您没有执行此操作的权限！</translation>
    </message>
    <message>
        <source>Open the serial port failure!</source>
        <translation>打开串口失败！</translation>
    </message>
    <message>
        <source>(9600,8,0,1) is open!</source>
        <translation>(9600,8,0,1) 已打开！</translation>
    </message>
    <message>
        <source>Close the serial port</source>
        <translation>关闭串口</translation>
    </message>
    <message>
        <source>is closed!</source>
        <translation>已关闭！</translation>
    </message>
    <message>
        <source>Open the serial port</source>
        <translation>打开串口</translation>
    </message>
    <message>
        <source>Failed to connect to server!</source>
        <translation>连接服务器失败！</translation>
    </message>
    <message>
        <source>On-line!</source>
        <translation>在线！</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>not online!</source>
        <translation>不在线！</translation>
    </message>
    <message>
        <source>Connect to server</source>
        <translation>连接服务器</translation>
    </message>
    <message>
        <source>Open GPRS server failed!</source>
        <translation>打开GPRS服务器失败！</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Close GPRS server</source>
        <translation>关闭GPRS服务器</translation>
    </message>
    <message>
        <source>waiting!</source>
        <translation>等待中！</translation>
    </message>
    <message>
        <source>GPRS server</source>
        <translation>GPRS服务器</translation>
    </message>
    <message>
        <source>Open server</source>
        <translation>打开服务器</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Add new inverter</source>
        <translation>添加逆变器</translation>
    </message>
    <message>
        <source>Search inverter</source>
        <translation>搜索逆变器</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Set communicate information</source>
        <translation>通讯设置</translation>
    </message>
    <message>
        <source>Edit mail information</source>
        <translation>邮件设置</translation>
    </message>
    <message>
        <source>Password setting</source>
        <translation>密码设置</translation>
    </message>
    <message>
        <source>Set electricity price</source>
        <translation>电价设置</translation>
    </message>
    <message>
        <source>Set system information</source>
        <translation>系统信息设置</translation>
    </message>
    <message>
        <source>Set system solar information</source>
        <translation>太阳能电池信息设置</translation>
    </message>
    <message>
        <source>Set inverter information</source>
        <translation>逆变器信息设置</translation>
    </message>
    <message>
        <source>Set public grid information</source>
        <translation>公共电网信息设置</translation>
    </message>
    <message>
        <source>Edit system description</source>
        <translation>编辑系统说明</translation>
    </message>
    <message>
        <source>Set sunrise time</source>
        <translation>日出时间设置</translation>
    </message>
    <message>
        <source>About KOVA</source>
        <translation>关于KOVA</translation>
    </message>
    <message>
        <source>About Tivra Wattsight</source>
        <translation>关于Tivra Wattsight</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>Operating instructions</source>
        <translation>操作说明</translation>
    </message>
    <message>
        <source>Current user:</source>
        <translation>当前用户：</translation>
    </message>
    <message>
        <source>Logon duration:</source>
        <translation>登录时长：</translation>
    </message>
    <message>
        <source>day</source>
        <translation>天</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Streamline model</source>
        <translation>精简模式</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>逆变器</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>管理员</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>访客</translation>
    </message>
    <message>
        <source>Load analog data failed!</source>
        <translation>加载模拟数据失败！</translation>
    </message>
    <message>
        <source>Set successfully!</source>
        <translation>设置成功！</translation>
    </message>
    <message>
        <source>The inverter is communication, are you sure you want to close?</source>
        <translation>逆变器正在通讯，确定要关闭吗？</translation>
    </message>
    <message>
        <source>The user manual cannot be opened!</source>
        <translation>无法打开用户手册！</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>发布数据</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>告警邮件</translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation>总线监视器</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>MiniWindow</name>
    <message>
        <source>Input Power:</source>
        <translation>输入功率：</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>输出功率：</translation>
    </message>
    <message>
        <source>Single Phase:</source>
        <translation>单相：</translation>
    </message>
    <message>
        <source>Three Phase:</source>
        <translation>三相：</translation>
    </message>
    <message>
        <source>CO2 Reduce:</source>
        <translation>CO2减排：</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>总发电量：</translation>
    </message>
    <message>
        <source>Benefits:</source>
        <translation>收益：</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>今日发电量：</translation>
    </message>
    <message>
        <source>Current User:</source>
        <translation>当前用户：</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>系统数据</translation>
    </message>
    <message>
        <source>Benefits</source>
        <translation>收益</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>置顶</translation>
    </message>
    <message>
        <source>System failure!</source>
        <translation>系统故障！</translation>
    </message>
    <message>
        <source>System uptime!</source>
        <translation>系统运行正常！</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>管理员</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>访客</translation>
    </message>
</context>
<context>
    <name>Page1</name>
    <message>
        <source>Administrator</source>
        <translation>管理员</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>访客</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>繁體中文</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>System failure!</source>
        <translation>系统故障！</translation>
    </message>
    <message>
        <source>System uptime!</source>
        <translation>系统运行正常！</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>User logon</source>
        <translation>用户登录</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>用户：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Plant overview</source>
        <translation>电站概况</translation>
    </message>
    <message>
        <source>Input Power:</source>
        <translation>输入功率：</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>输出功率：</translation>
    </message>
    <message>
        <source>Single Phase:</source>
        <translation>单相：</translation>
    </message>
    <message>
        <source>Three Phase:</source>
        <translation>三相：</translation>
    </message>
    <message>
        <source>pcs</source>
        <translation>台</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>系统数据</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>总发电量：</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>今日发电量：</translation>
    </message>
    <message>
        <source>CO2 Reduce:</source>
        <translation>CO2减排：</translation>
    </message>
    <message>
        <source>Benefits:</source>
        <translation>收益：</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Logout successful!</source>
        <translation>注销成功！</translation>
    </message>
    <message>
        <source>Login failed!</source>
        <translation>登录失败！</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>意大利语</translation>
    </message>
</context>
<context>
    <name>Page2</name>
    <message>
        <source>Real-time</source>
        <translation>实时</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Historical</source>
        <translation>历史</translation>
    </message>
    <message>
        <source>Technical</source>
        <translation>技术参数</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>汇流箱</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Address: </source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Current time:</source>
        <translation>当前时间：</translation>
    </message>
    <message>
        <source>Data Time:</source>
        <translation>数据时间：</translation>
    </message>
    <message>
        <source>User level is not enough!</source>
        <translation>用户权限不够！</translation>
    </message>
    <message>
        <source>Do you want to disconnect the inverter?</source>
        <translation>确定要断开该逆变器吗？</translation>
    </message>
    <message>
        <source>Analog signal cannot be set!</source>
        <translation>模拟信号不能设置！</translation>
    </message>
    <message>
        <source>Do you want to delete the inverter?</source>
        <translation>确定要删除该逆变器吗？</translation>
    </message>
</context>
<context>
    <name>Page21</name>
    <message>
        <source>Track1 voltage:</source>
        <translation>组串1电压：</translation>
    </message>
    <message>
        <source>Track1 current:</source>
        <translation>组串1电流：</translation>
    </message>
    <message>
        <source>Track2 voltage:</source>
        <translation>组串2电压：</translation>
    </message>
    <message>
        <source>Track2 current:</source>
        <translation>组串2电流：</translation>
    </message>
    <message>
        <source>Input power:</source>
        <translation>输入功率：</translation>
    </message>
    <message>
        <source>U voltage:</source>
        <translation>U相电压：</translation>
    </message>
    <message>
        <source>U current:</source>
        <translation>U相电流：</translation>
    </message>
    <message>
        <source>V voltage:</source>
        <translation>V相电压：</translation>
    </message>
    <message>
        <source>V current:</source>
        <translation>V相电流：</translation>
    </message>
    <message>
        <source>W voltage:</source>
        <translation>W相电压：</translation>
    </message>
    <message>
        <source>W current:</source>
        <translation>W相电流：</translation>
    </message>
    <message>
        <source>Output power:</source>
        <translation>输出功率：</translation>
    </message>
    <message>
        <source>Inverter Tem:</source>
        <translation>逆变器温度：</translation>
    </message>
    <message>
        <source>Grid frequency:</source>
        <translation>电网频率：</translation>
    </message>
    <message>
        <source>CO2 reduce:</source>
        <translation>CO2减排：</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>总发电量：</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>今日发电量：</translation>
    </message>
    <message>
        <source>Peek Power:</source>
        <translation>峰值功率：</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状态：</translation>
    </message>
    <message>
        <source>Input parameters</source>
        <translation>输入参数</translation>
    </message>
    <message>
        <source>Output parameters</source>
        <translation>输出参数</translation>
    </message>
    <message>
        <source>Other parameters</source>
        <translation>其他参数</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Input Power</source>
        <translation>输入功率</translation>
    </message>
    <message>
        <source>Output Power</source>
        <translation>输出功率</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>发电量</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>功率曲线</translation>
    </message>
    <message>
        <source>Energy curve</source>
        <translation>发电量曲线</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>Page22</name>
    <message>
        <source>Input under volt.</source>
        <translation>输入欠压</translation>
    </message>
    <message>
        <source>Caused by PV system.Recoverable failure!</source>
        <translation>由光伏系统引起，可恢复故障！</translation>
    </message>
    <message>
        <source>Bus under volt.</source>
        <translation>母线欠压</translation>
    </message>
    <message>
        <source>Caused by PV system or Invert.Recoverable failure!</source>
        <translation>由光伏系统或逆变器引起，可恢复故障！</translation>
    </message>
    <message>
        <source>Grid under volt.</source>
        <translation>电网欠压</translation>
    </message>
    <message>
        <source>Caused by AC Grid.</source>
        <translation>由交流电网引起。</translation>
    </message>
    <message>
        <source>Grid over volt.</source>
        <translation>电网过压</translation>
    </message>
    <message>
        <source>Grid under freq.</source>
        <translation>电网欠频</translation>
    </message>
    <message>
        <source>Grid over freq.</source>
        <translation>电网过频</translation>
    </message>
    <message>
        <source>Clock fault</source>
        <translation>时钟故障</translation>
    </message>
    <message>
        <source>Caused by Inverter.Recoverable failure!</source>
        <translation>由逆变器引起，可恢复故障！</translation>
    </message>
    <message>
        <source>Impedance</source>
        <translation>阻抗异常</translation>
    </message>
    <message>
        <source>Caused by AC Grid.Unrecoverable failure!</source>
        <translation>由交流电网引起，不可恢复故障！</translation>
    </message>
    <message>
        <source>Cmd shut down</source>
        <translation>命令关机</translation>
    </message>
    <message>
        <source>Caused by User.</source>
        <translation>由用户引起。</translation>
    </message>
    <message>
        <source>Current anomaly</source>
        <translation>电流异常</translation>
    </message>
    <message>
        <source>Caused by Current anomaly</source>
        <translation>由电流异常引起</translation>
    </message>
    <message>
        <source>Box Int Comm</source>
        <translation>汇流箱内部通讯</translation>
    </message>
    <message>
        <source>Caused by Box Int Comm</source>
        <translation>由汇流箱内部通讯引起</translation>
    </message>
    <message>
        <source>SPD1 Fault</source>
        <translation>防雷器1故障</translation>
    </message>
    <message>
        <source>Caused by SPD1 Fault</source>
        <translation>由防雷器1故障引起</translation>
    </message>
    <message>
        <source>SPD2 Fault</source>
        <translation>防雷器2故障</translation>
    </message>
    <message>
        <source>Caused by SPD2 Fault</source>
        <translation>由防雷器2故障引起</translation>
    </message>
    <message>
        <source>SPD3 Fault</source>
        <translation>防雷器3故障</translation>
    </message>
    <message>
        <source>Caused by SPD3 Fault</source>
        <translation>由防雷器3故障引起</translation>
    </message>
    <message>
        <source>SPD4 Fault</source>
        <translation>防雷器4故障</translation>
    </message>
    <message>
        <source>Caused by SPD4 Fault</source>
        <translation>由防雷器4故障引起</translation>
    </message>
    <message>
        <source>Input over volt.</source>
        <translation>输入过压</translation>
    </message>
    <message>
        <source>Bus over volt.</source>
        <translation>母线过压</translation>
    </message>
    <message>
        <source>Caused by Invert.Recoverable failure!</source>
        <translation>由逆变器引起，可恢复故障！</translation>
    </message>
    <message>
        <source>Boost fail</source>
        <translation>升压失败</translation>
    </message>
    <message>
        <source>Caused by Invert.Unrecoverable failure!</source>
        <translation>由逆变器引起，不可恢复故障！</translation>
    </message>
    <message>
        <source>Grid over curr.</source>
        <translation>电网过流</translation>
    </message>
    <message>
        <source>Over temperature</source>
        <translation>过温</translation>
    </message>
    <message>
        <source>Riso low</source>
        <translation>绝缘阻抗低</translation>
    </message>
    <message>
        <source>Caused by PV System.!</source>
        <translation>由光伏系统引起！</translation>
    </message>
    <message>
        <source>IGBT driver err.</source>
        <translation>IGBT驱动错误</translation>
    </message>
    <message>
        <source>Caused by Inverter.Unrecoverable failure!</source>
        <translation>由逆变器引起，不可恢复故障！</translation>
    </message>
    <message>
        <source>Comm. fault</source>
        <translation>通讯故障</translation>
    </message>
    <message>
        <source>Leak current fail</source>
        <translation>漏电流故障</translation>
    </message>
    <message>
        <source>Caused by PV System.Unrecoverable failure!</source>
        <translation>由光伏系统引起，不可恢复故障！</translation>
    </message>
    <message>
        <source>Relay fault</source>
        <translation>继电器故障</translation>
    </message>
    <message>
        <source>Fan fault</source>
        <translation>风扇故障</translation>
    </message>
    <message>
        <source>Eeprom fault</source>
        <translation>EEPROM故障</translation>
    </message>
    <message>
        <source>DC inject</source>
        <translation>直流注入</translation>
    </message>
    <message>
        <source>Output short</source>
        <translation>输出短路</translation>
    </message>
    <message>
        <source>Zero drift.</source>
        <translation>零点漂移</translation>
    </message>
    <message>
        <source>Caused by Inverter.</source>
        <translation>由逆变器引起。</translation>
    </message>
    <message>
        <source>Grid negative phase</source>
        <translation>电网相序错误</translation>
    </message>
    <message>
        <source>Input over curr.</source>
        <translation>输入过流</translation>
    </message>
    <message>
        <source>Data incnst</source>
        <translation>数据不一致</translation>
    </message>
    <message>
        <source>Power reversed</source>
        <translation>功率反向</translation>
    </message>
    <message>
        <source>Zero drift</source>
        <translation>零点漂移</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Name of Fault</source>
        <translation>故障名称</translation>
    </message>
    <message>
        <source>Fault Code</source>
        <translation>故障代码</translation>
    </message>
    <message>
        <source>Failure Time</source>
        <translation>故障时间</translation>
    </message>
    <message>
        <source>Description of Failure</source>
        <translation>故障描述</translation>
    </message>
    <message>
        <source>Real time status</source>
        <translation>实时状态</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Fault records</source>
        <translation>故障记录</translation>
    </message>
    <message>
        <source>Remove this fault records</source>
        <translation>删除此故障记录</translation>
    </message>
    <message>
        <source>Remove all fault records</source>
        <translation>删除全部故障记录</translation>
    </message>
    <message>
        <source>Double click to display more information!</source>
        <translation>双击显示更多信息！</translation>
    </message>
</context>
<context>
    <name>Page23</name>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>本月</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>本年</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>历年</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Generating capacity: kWh</source>
        <translation>发电量：kWh</translation>
    </message>
</context>
<context>
    <name>Page24</name>
    <message>
        <source>Manufacturer:</source>
        <translation>制造商：</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>逆变器名称：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Max Voltage:</source>
        <translation>最大电压：</translation>
    </message>
    <message>
        <source>Start Voltage:</source>
        <translation>启动电压：</translation>
    </message>
    <message>
        <source>MPPT Range:</source>
        <translation>MPPT范围：</translation>
    </message>
    <message>
        <source>Max Power:</source>
        <translation>最大功率：</translation>
    </message>
    <message>
        <source>Max current:</source>
        <translation>最大电流：</translation>
    </message>
    <message>
        <source>DC Switch:</source>
        <translation>直流开关：</translation>
    </message>
    <message>
        <source>Output power:</source>
        <translation>输出功率：</translation>
    </message>
    <message>
        <source>Max AC current:</source>
        <translation>最大交流电流：</translation>
    </message>
    <message>
        <source>Grid vol / f:</source>
        <translation>电网电压/频率：</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>并网方式：</translation>
    </message>
    <message>
        <source>Dimension:</source>
        <translation>尺寸：</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>重量：</translation>
    </message>
    <message>
        <source>Max efficie:</source>
        <translation>最大效率：</translation>
    </message>
    <message>
        <source>Loss(night):</source>
        <translation>夜间损耗：</translation>
    </message>
    <message>
        <source>DC parameters</source>
        <translation>直流参数</translation>
    </message>
    <message>
        <source>AC parameters</source>
        <translation>交流参数</translation>
    </message>
    <message>
        <source>Mechanical parameters</source>
        <translation>机械参数</translation>
    </message>
    <message>
        <source>Efficiency </source>
        <translation>效率 </translation>
    </message>
    <message>
        <source>KOVA Power Electronics Co., Ltd.</source>
        <translation>科瓦电力电子有限公司</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>No selected inverter!</source>
        <translation>未选择逆变器！</translation>
    </message>
</context>
<context>
    <name>Page25</name>
    <message>
        <source>Type:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Date in Produced:</source>
        <translation>生产日期：</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>软件版本：</translation>
    </message>
    <message>
        <source>Output voltage 1:</source>
        <translation>输出电压1：</translation>
    </message>
    <message>
        <source>Output voltage 2:</source>
        <translation>输出电压2：</translation>
    </message>
    <message>
        <source>Output voltage 3:</source>
        <translation>输出电压3：</translation>
    </message>
    <message>
        <source>Output voltage 4:</source>
        <translation>输出电压4：</translation>
    </message>
    <message>
        <source>Input current 1:</source>
        <translation>输入电流1：</translation>
    </message>
    <message>
        <source>Input current 2:</source>
        <translation>输入电流2：</translation>
    </message>
    <message>
        <source>Input current 3:</source>
        <translation>输入电流3：</translation>
    </message>
    <message>
        <source>Input current 4:</source>
        <translation>输入电流4：</translation>
    </message>
    <message>
        <source>Input current 5:</source>
        <translation>输入电流5：</translation>
    </message>
    <message>
        <source>Input current 6:</source>
        <translation>输入电流6：</translation>
    </message>
    <message>
        <source>Input current 7:</source>
        <translation>输入电流7：</translation>
    </message>
    <message>
        <source>Input current 8:</source>
        <translation>输入电流8：</translation>
    </message>
    <message>
        <source>Input current 9:</source>
        <translation>输入电流9：</translation>
    </message>
    <message>
        <source>Input current 10:</source>
        <translation>输入电流10：</translation>
    </message>
    <message>
        <source>Input current 11:</source>
        <translation>输入电流11：</translation>
    </message>
    <message>
        <source>Input current 12:</source>
        <translation>输入电流12：</translation>
    </message>
    <message>
        <source>Input current 13:</source>
        <translation>输入电流13：</translation>
    </message>
    <message>
        <source>Input current 14:</source>
        <translation>输入电流14：</translation>
    </message>
    <message>
        <source>Input current 15:</source>
        <translation>输入电流15：</translation>
    </message>
    <message>
        <source>Input current 16:</source>
        <translation>输入电流16：</translation>
    </message>
    <message>
        <source>Base parameters</source>
        <translation>基本参数</translation>
    </message>
    <message>
        <source>Output parameters</source>
        <translation>输出参数</translation>
    </message>
    <message>
        <source>Input parameters</source>
        <translation>输入参数</translation>
    </message>
</context>
<context>
    <name>Page3</name>
    <message>
        <source>System Name</source>
        <translation>系统名称</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Quantity(pcs)</source>
        <translation>数量(台)</translation>
    </message>
    <message>
        <source>Installation site</source>
        <translation>安装场所</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>制造商</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Component power(W)</source>
        <translation>组件功率(W)</translation>
    </message>
    <message>
        <source>Component type</source>
        <translation>组件类型</translation>
    </message>
    <message>
        <source>Total power(W)</source>
        <translation>总功率(W)</translation>
    </message>
    <message>
        <source>Tilt angle</source>
        <translation>倾角</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>方位角</translation>
    </message>
    <message>
        <source>1-ph inverter model</source>
        <translation>单相逆变器型号</translation>
    </message>
    <message>
        <source>Rated output power(W)</source>
        <translation>额定输出功率(W)</translation>
    </message>
    <message>
        <source>3-ph inverter model</source>
        <translation>三相逆变器型号</translation>
    </message>
    <message>
        <source>1-ph AC wiring</source>
        <translation>单相交流接线</translation>
    </message>
    <message>
        <source>Rated voltage(Vac)</source>
        <translation>额定电压(Vac)</translation>
    </message>
    <message>
        <source>Rated frequency(Hz)</source>
        <translation>额定频率(Hz)</translation>
    </message>
    <message>
        <source>3-ph AC wiring</source>
        <translation>三相交流接线</translation>
    </message>
    <message>
        <source>Solar cells</source>
        <translation>太阳能电池组件</translation>
    </message>
    <message>
        <source>PV grid-connected inverter</source>
        <translation>光伏并网逆变器</translation>
    </message>
    <message>
        <source>Public grid</source>
        <translation>公共电网</translation>
    </message>
    <message>
        <source>Sloping roof</source>
        <translation>斜屋顶</translation>
    </message>
    <message>
        <source>Flat roof</source>
        <translation>平屋顶</translation>
    </message>
    <message>
        <source>Flat ground</source>
        <translation>平地</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>QAboutTivraDlg</name>
    <message>
        <source>About Tivra Wattsight</source>
        <translation>关于Tivra Wattsight</translation>
    </message>
    <message>
        <source>Software Name:</source>
        <translation>软件名称：</translation>
    </message>
    <message>
        <source>Software version number:</source>
        <translation>软件版本号：</translation>
    </message>
</context>
<context>
    <name>QAlertTexts</name>
    <message>
        <source>the link</source>
        <translation>通讯链路</translation>
    </message>
    <message>
        <source>inverter %1</source>
        <translation>逆变器 %1</translation>
    </message>
    <message>
        <source>Input power (W)</source>
        <translation>输入功率 (W)</translation>
    </message>
    <message>
        <source>Output power (W)</source>
        <translation>输出功率 (W)</translation>
    </message>
    <message>
        <source>PV1 voltage (V)</source>
        <translation>PV1 电压 (V)</translation>
    </message>
    <message>
        <source>PV1 current (A)</source>
        <translation>PV1 电流 (A)</translation>
    </message>
    <message>
        <source>PV2 voltage (V)</source>
        <translation>PV2 电压 (V)</translation>
    </message>
    <message>
        <source>PV2 current (A)</source>
        <translation>PV2 电流 (A)</translation>
    </message>
    <message>
        <source>Temperature 1 (°C)</source>
        <translation>温度 1 (°C)</translation>
    </message>
    <message>
        <source>Temperature 2 (°C)</source>
        <translation>温度 2 (°C)</translation>
    </message>
    <message>
        <source>Grid frequency (Hz)</source>
        <translation>电网频率 (Hz)</translation>
    </message>
    <message>
        <source>Grounding resistance</source>
        <translation>对地绝缘电阻</translation>
    </message>
    <message>
        <source>Leakage current</source>
        <translation>漏电流</translation>
    </message>
    <message>
        <source>%1 (address %2, %3)</source>
        <translation>%1（地址 %2，%3）</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小时 %2 分</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>Inverter: %1</source>
        <translation>逆变器：%1</translation>
    </message>
    <message>
        <source>Fault: %1</source>
        <translation>故障：%1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>说明：%1</translation>
    </message>
    <message>
        <source>Fault began on %1: %2</source>
        <translation>%1 故障开始：%2</translation>
    </message>
    <message>
        <source>Began: %1</source>
        <translation>开始：%1</translation>
    </message>
    <message>
        <source>Recorded values (now and the four readings before):</source>
        <translation>记录的数值（当前及之前四次读数）：</translation>
    </message>
    <message>
        <source>Fault ended on %1: %2</source>
        <translation>%1 故障结束：%2</translation>
    </message>
    <message>
        <source>Ended: %1</source>
        <translation>结束：%1</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 已离线</translation>
    </message>
    <message>
        <source>No answer on the bus since %1 (%2), in daylight.</source>
        <translation>自 %1 起总线上无应答（%2），在日照时段内。</translation>
    </message>
    <message>
        <source>%1 is back online</source>
        <translation>%1 已恢复在线</translation>
    </message>
    <message>
        <source>Answering again since %1, after %2 offline.</source>
        <translation>自 %1 起重新应答，离线 %2。</translation>
    </message>
    <message>
        <source>The link to the inverters is down</source>
        <translation>与逆变器的通讯链路中断</translation>
    </message>
    <message>
        <source>The link has been down since %1 (%2).</source>
        <translation>通讯链路自 %1 起中断（%2）。</translation>
    </message>
    <message>
        <source>Link status: %1</source>
        <translation>链路状态：%1</translation>
    </message>
    <message>
        <source>The link to the inverters is back</source>
        <translation>与逆变器的通讯链路已恢复</translation>
    </message>
    <message>
        <source>The link is up again since %1, after %2 down.</source>
        <translation>通讯链路自 %1 起恢复，中断 %2。</translation>
    </message>
    <message>
        <source>Daily summary %1</source>
        <translation>每日汇总 %1</translation>
    </message>
    <message>
        <source>Energy fed in on %1:</source>
        <translation>%1 的发电量：</translation>
    </message>
    <message>
        <source>not read today</source>
        <translation>今日未读取</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Plant total: %1 kWh</source>
        <translation>电站合计：%1 kWh</translation>
    </message>
    <message>
        <source>Faults of the day:</source>
        <translation>当日故障：</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Inverters that did not produce:</source>
        <translation>未发电的逆变器：</translation>
    </message>
    <message>
        <source>Test mail</source>
        <translation>测试邮件</translation>
    </message>
    <message>
        <source>This test mail was sent at %1. Alerts of this plant reach this address.</source>
        <translation>此测试邮件发送于 %1。本电站的告警将发送到此地址。</translation>
    </message>
    <message>
        <source>Held back in the last hour (at most one mail of a kind an hour):</source>
        <translation>过去一小时内暂缓发送（同类邮件每小时最多一封）：</translation>
    </message>
    <message>
        <source>%1: alerts held back in the last hour (%2)</source>
        <translation>%1：过去一小时内暂缓的告警（%2）</translation>
    </message>
    <message>
        <source>fault began: %1</source>
        <translation>故障开始：%1</translation>
    </message>
    <message>
        <source>fault ended: %1</source>
        <translation>故障结束：%1</translation>
    </message>
    <message>
        <source>%1 back</source>
        <translation>%1 恢复</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 中断</translation>
    </message>
</context>
<context>
    <name>QAlertsDlg</name>
    <message>
        <source>Alerts</source>
        <translation>告警邮件</translation>
    </message>
    <message>
        <source>Send alerts to:</source>
        <translation>告警发送至：</translation>
    </message>
    <message>
        <source>Mail when a fault begins and when it ends</source>
        <translation>故障开始和结束时发送邮件</translation>
    </message>
    <message>
        <source>Mail when an inverter is offline in daylight for more than</source>
        <translation>逆变器在日照时段离线超过</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟时发送邮件</translation>
    </message>
    <message>
        <source>Mail when the link to the inverters is down for more than</source>
        <translation>与逆变器的通讯链路中断超过</translation>
    </message>
    <message>
        <source>Mail a summary of the day after feed-in ends</source>
        <translation>每天发电结束后发送当日汇总</translation>
    </message>
    <message>
        <source>Send test mail</source>
        <translation>发送测试邮件</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Mails waiting to be sent: %1</source>
        <translation>等待发送的邮件：%1</translation>
    </message>
    <message>
        <source>The sun does not rise today.</source>
        <translation>今天太阳不升起。</translation>
    </message>
    <message>
        <source>The sun does not set today.</source>
        <translation>今天太阳不落下。</translation>
    </message>
    <message>
        <source>Daylight today: %1 to %2.</source>
        <translation>今日日照：%1 至 %2。</translation>
    </message>
    <message>
        <source>(From the plant&apos;s latitude and longitude.)</source>
        <translation>（根据电站的纬度和经度。）</translation>
    </message>
    <message>
        <source>(From the sunrise time and 18:00: give the plant its latitude and longitude for the sun&apos;s times.)</source>
        <translation>（根据日出时间和 18:00；设置电站的纬度和经度可得到实际日出日落时间。）</translation>
    </message>
    <message>
        <source>Information is incomplete!</source>
        <translation>信息不完整！</translation>
    </message>
</context>
<context>
    <name>QAllFaultDlg</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Fault code</source>
        <translation>故障代码</translation>
    </message>
    <message>
        <source>Time to failure</source>
        <translation>故障时间</translation>
    </message>
    <message>
        <source>Detail code</source>
        <translation>详细代码</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>QBusMonitorModel</name>
    <message>
        <source>model name</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>max output power</source>
        <translation>最大输出功率</translation>
    </message>
    <message>
        <source>peak power</source>
        <translation>峰值功率</translation>
    </message>
    <message>
        <source>today&apos;s energy</source>
        <translation>今日电量</translation>
    </message>
    <message>
        <source>totals</source>
        <translation>累计值</translation>
    </message>
    <message>
        <source>status and faults</source>
        <translation>状态和故障</translation>
    </message>
    <message>
        <source>voltages and currents</source>
        <translation>电压和电流</translation>
    </message>
    <message>
        <source>live data</source>
        <translation>实时数据</translation>
    </message>
    <message>
        <source>write clock</source>
        <translation>写入时钟</translation>
    </message>
    <message>
        <source>write language</source>
        <translation>写入语言</translation>
    </message>
    <message>
        <source>write monetary unit</source>
        <translation>写入货币单位</translation>
    </message>
    <message>
        <source>write price</source>
        <translation>写入电价</translation>
    </message>
    <message>
        <source>write max output power</source>
        <translation>写入最大输出功率</translation>
    </message>
    <message>
        <source>switch on or off</source>
        <translation>开机或关机</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>factory reset</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>user label</source>
        <translation>用户标签</translation>
    </message>
    <message>
        <source>write user label</source>
        <translation>写入用户标签</translation>
    </message>
    <message>
        <source>clear statistics</source>
        <translation>清除统计</translation>
    </message>
    <message>
        <source>write tariff period</source>
        <translation>写入电价时段</translation>
    </message>
    <message>
        <source>write password</source>
        <translation>写入密码</translation>
    </message>
    <message>
        <source>inverter statistics</source>
        <translation>逆变器统计</translation>
    </message>
    <message>
        <source>inverter information</source>
        <translation>逆变器信息</translation>
    </message>
    <message>
        <source>fault memory</source>
        <translation>故障记录</translation>
    </message>
    <message>
        <source>raw read</source>
        <translation>寄存器读取</translation>
    </message>
    <message>
        <source>protection points</source>
        <translation>保护点</translation>
    </message>
    <message>
        <source>raw write</source>
        <translation>寄存器写入</translation>
    </message>
    <message>
        <source>search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>logon</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>logoff</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>box serial number</source>
        <translation>汇流箱序列号</translation>
    </message>
    <message>
        <source>box description</source>
        <translation>汇流箱描述</translation>
    </message>
    <message>
        <source>box production date</source>
        <translation>汇流箱生产日期</translation>
    </message>
    <message>
        <source>box voltages</source>
        <translation>汇流箱电压</translation>
    </message>
    <message>
        <source>box currents</source>
        <translation>汇流箱电流</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能码</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>寄存器</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>What</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Reply ms</source>
        <translation>应答 ms</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>字节</translation>
    </message>
    <message>
        <source>daily statistics</source>
        <translation>日统计</translation>
    </message>
    <message>
        <source>monthly statistics</source>
        <translation>月统计</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>已应答</translation>
    </message>
    <message>
        <source>error reply %1</source>
        <translation>错误应答 %1</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>CRC 错误</translation>
    </message>
    <message>
        <source>rejected: not matching</source>
        <translation>已拒绝：不匹配</translation>
    </message>
</context>
<context>
    <name>QBusMonitorWindow</name>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>逆变器</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>请求</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>应答</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Mean reply (ms)</source>
        <translation>平均应答 (ms)</translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation>总线监视器</translation>
    </message>
    <message>
        <source>Bus monitor: every frame on the bus, newest last (at most %1 rows)</source>
        <translation>总线监视器：总线上的每一帧，最新的在最后（最多 %1 行）</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>保存 CSV</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>所有地址</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>地址 %1</translation>
    </message>
    <message>
        <source>Address %1 (%2)</source>
        <translation>地址 %1（%2）</translation>
    </message>
</context>
<context>
    <name>QDataDlg</name>
    <message>
        <source>Hangzhou, China</source>
        <translation>中国杭州</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨日</translation>
    </message>
    <message>
        <source>7Day</source>
        <translation>近7天</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>本月</translation>
    </message>
    <message>
        <source>30Day</source>
        <translation>近30天</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>本年</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>时段T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>时段T2</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Man day</source>
        <translation>生产日期</translation>
    </message>
    <message>
        <source>Man place</source>
        <translation>生产地</translation>
    </message>
    <message>
        <source>485 addr</source>
        <translation>485地址</translation>
    </message>
    <message>
        <source>LED language</source>
        <translation>显示语言</translation>
    </message>
    <message>
        <source>Cash name</source>
        <translation>货币</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>电价</translation>
    </message>
    <message>
        <source>User label</source>
        <translation>用户标签</translation>
    </message>
    <message>
        <source>Period T1</source>
        <translation>时段T1</translation>
    </message>
    <message>
        <source>Period T2</source>
        <translation>时段T2</translation>
    </message>
    <message>
        <source>ppk Today</source>
        <translation>今日峰值功率</translation>
    </message>
    <message>
        <source>ppk 7Day</source>
        <translation>7天峰值功率</translation>
    </message>
    <message>
        <source>ppk 30Day</source>
        <translation>30天峰值功率</translation>
    </message>
    <message>
        <source>ppk Month</source>
        <translation>本月峰值功率</translation>
    </message>
    <message>
        <source>ppk Year</source>
        <translation>本年峰值功率</translation>
    </message>
    <message>
        <source>ppk History</source>
        <translation>历史峰值功率</translation>
    </message>
    <message>
        <source>ppk T1</source>
        <translation>T1峰值功率</translation>
    </message>
    <message>
        <source>ppk T2</source>
        <translation>T2峰值功率</translation>
    </message>
    <message>
        <source>Work time</source>
        <translation>工作时间</translation>
    </message>
    <message>
        <source>Grid time</source>
        <translation>并网时间</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>发电量</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>收益</translation>
    </message>
    <message>
        <source>Co2</source>
        <translation>CO2减排</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Other items</source>
        <translation>其他项目</translation>
    </message>
    <message>
        <source>Read All</source>
        <translation>全部读取</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>QE_Mail</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>联系我们</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>主题：</translation>
    </message>
    <message>
        <source>Receiver:</source>
        <translation>收件人：</translation>
    </message>
    <message>
        <source>Attachment:</source>
        <translation>附件：</translation>
    </message>
    <message>
        <source>Add attachment</source>
        <translation>添加附件</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Information is incomplete!Mail will not be successful!</source>
        <translation>信息不完整！邮件将无法发送成功！</translation>
    </message>
    <message>
        <source>The file has been added!</source>
        <translation>该文件已添加！</translation>
    </message>
    <message>
        <source>Get Files</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Information is incomplete!</source>
        <translation>信息不完整！</translation>
    </message>
    <message>
        <source>Send success!</source>
        <translation>发送成功！</translation>
    </message>
    <message>
        <source>Failed to connect to server!</source>
        <translation>连接服务器失败！</translation>
    </message>
    <message>
        <source>Failed to send message!</source>
        <translation>发送邮件失败！</translation>
    </message>
    <message>
        <source>Failed to connect to server: its certificate could not be verified!</source>
        <translation>连接服务器失败：无法验证其证书！</translation>
    </message>
    <message>
        <source>Failed to connect to server: no encrypted connection could be made!</source>
        <translation>连接服务器失败：无法建立加密连接！</translation>
    </message>
</context>
<context>
    <name>QFaultDlg</name>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Tack1 voltage</source>
        <translation>组串1电压</translation>
    </message>
    <message>
        <source>Tack1 current</source>
        <translation>组串1电流</translation>
    </message>
    <message>
        <source>Tack2 voltage</source>
        <translation>组串2电压</translation>
    </message>
    <message>
        <source>Tack2 current</source>
        <translation>组串2电流</translation>
    </message>
    <message>
        <source>Input power</source>
        <translation>输入功率</translation>
    </message>
    <message>
        <source>Output power</source>
        <translation>输出功率</translation>
    </message>
    <message>
        <source>Temperature1</source>
        <translation>温度1</translation>
    </message>
    <message>
        <source>Temperature2</source>
        <translation>温度2</translation>
    </message>
    <message>
        <source>Grounding resistance</source>
        <translation>对地绝缘电阻</translation>
    </message>
    <message>
        <source>Leakage current</source>
        <translation>漏电流</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>逆变器名称：</translation>
    </message>
    <message>
        <source>Inverter Address:</source>
        <translation>逆变器地址：</translation>
    </message>
    <message>
        <source>Fault Code:</source>
        <translation>故障代码：</translation>
    </message>
    <message>
        <source>Fault Name:</source>
        <translation>故障名称：</translation>
    </message>
    <message>
        <source>Failure Time:</source>
        <translation>故障时间：</translation>
    </message>
    <message>
        <source>Fault details</source>
        <translation>故障详情</translation>
    </message>
    <message>
        <source>Fault data recording:</source>
        <translation>故障数据记录：</translation>
    </message>
</context>
<context>
    <name>QFaultListWidget</name>
    <message>
        <source>Quantity: </source>
        <translation>数量：</translation>
    </message>
    <message>
        <source>Inverters in failure</source>
        <translation>故障逆变器</translation>
    </message>
</context>
<context>
    <name>QFindInverterDlg</name>
    <message>
        <source>   search</source>
        <translation>   搜索中</translation>
    </message>
    <message>
        <source>   find</source>
        <translation>   已找到</translation>
    </message>
    <message>
        <source>   timeout</source>
        <translation>   超时</translation>
    </message>
    <message>
        <source>Search inverter</source>
        <translation>搜索逆变器</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>起始：</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>结束：</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>当前：</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Address is wrong!</source>
        <translation>地址错误！</translation>
    </message>
    <message>
        <source>Add Inverter Fialed! Name or address have been used!</source>
        <translation>添加逆变器失败！名称或地址已被使用！</translation>
    </message>
</context>
<context>
    <name>QFindInverterItem</name>
    <message>
        <source>Addr.:%03d</source>
        <translation>地址：%03d</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>逆变器名称不能为空！</translation>
    </message>
</context>
<context>
    <name>QGenerationPagePainter</name>
    <message>
        <source>All Inverter Generation</source>
        <translation>全部逆变器发电量</translation>
    </message>
    <message>
        <source>Inverter Generation</source>
        <translation>逆变器发电量</translation>
    </message>
    <message>
        <source>All Inverter</source>
        <translation>全部逆变器</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>按月</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>按年</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>按日</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月份</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>发电量</translation>
    </message>
    <message>
        <source>Benefits</source>
        <translation>收益</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>合计：</translation>
    </message>
</context>
<context>
    <name>QInstructionsDlg</name>
    <message>
        <source>About KOVA</source>
        <translation>关于KOVA</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>公司名称：</translation>
    </message>
    <message>
        <source>Headquarters Address:</source>
        <translation>总部地址：</translation>
    </message>
    <message>
        <source>Sales Hotline:</source>
        <translation>销售热线：</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>网址：</translation>
    </message>
    <message>
        <source>Zip Code:</source>
        <translation>邮编：</translation>
    </message>
    <message>
        <source>Service Hotline:</source>
        <translation>服务热线：</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>电子邮箱：</translation>
    </message>
</context>
<context>
    <name>QInverter</name>
    <message>
        <source>Already connected!</source>
        <translation>已连接！</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Tivra PA1K5S</source>
        <translation>Tivra PA1K5S</translation>
    </message>
    <message>
        <source>Tivra PA2K2S</source>
        <translation>Tivra PA2K2S</translation>
    </message>
    <message>
        <source>Tivra PA3KS</source>
        <translation>Tivra PA3KS</translation>
    </message>
    <message>
        <source>Tivra PA4KS</source>
        <translation>Tivra PA4KS</translation>
    </message>
    <message>
        <source>Tivra PA5KS</source>
        <translation>Tivra PA5KS</translation>
    </message>
    <message>
        <source>Tivra PA6KS</source>
        <translation>Tivra PA6KS</translation>
    </message>
    <message>
        <source>Tivra PA4KT</source>
        <translation>Tivra PA4KT</translation>
    </message>
    <message>
        <source>Tivra PA5KT</source>
        <translation>Tivra PA5KT</translation>
    </message>
    <message>
        <source>Tivra PA6KT</source>
        <translation>Tivra PA6KT</translation>
    </message>
    <message>
        <source>Tivra PA8KT</source>
        <translation>Tivra PA8KT</translation>
    </message>
    <message>
        <source>Tivra PA10KT</source>
        <translation>Tivra PA10KT</translation>
    </message>
    <message>
        <source>Tivra PA12KT</source>
        <translation>Tivra PA12KT</translation>
    </message>
    <message>
        <source>Tivra PA15KT</source>
        <translation>Tivra PA15KT</translation>
    </message>
    <message>
        <source>Tivra PA17KT</source>
        <translation>Tivra PA17KT</translation>
    </message>
    <message>
        <source>Tivra PA20KT</source>
        <translation>Tivra PA20KT</translation>
    </message>
    <message>
        <source>Tivra PA20KT-X</source>
        <translation>Tivra PA20KT-X</translation>
    </message>
    <message>
        <source>Tivra PA25KT</source>
        <translation>Tivra PA25KT</translation>
    </message>
    <message>
        <source>Tivra PA30KT</source>
        <translation>Tivra PA30KT</translation>
    </message>
    <message>
        <source>Tivra PA40KT</source>
        <translation>Tivra PA40KT</translation>
    </message>
    <message>
        <source>Tivra PE4KS</source>
        <translation>Tivra PE4KS</translation>
    </message>
    <message>
        <source>Tivra PE4K6S</source>
        <translation>Tivra PE4K6S</translation>
    </message>
    <message>
        <source>Tivra PE5KS</source>
        <translation>Tivra PE5KS</translation>
    </message>
    <message>
        <source>Tivra PE4KS-D</source>
        <translation>Tivra PE4KS-D</translation>
    </message>
    <message>
        <source>Tivra PE4K6S-D</source>
        <translation>Tivra PE4K6S-D</translation>
    </message>
    <message>
        <source>Tivra PE5KS-D</source>
        <translation>Tivra PE5KS-D</translation>
    </message>
    <message>
        <source>Tivra PM750S</source>
        <translation>Tivra PM750S</translation>
    </message>
    <message>
        <source>Tivra PM1K1S</source>
        <translation>Tivra PM1K1S</translation>
    </message>
    <message>
        <source>Tivra PM1K5S</source>
        <translation>Tivra PM1K5S</translation>
    </message>
    <message>
        <source>Tivra PM2KS</source>
        <translation>Tivra PM2KS</translation>
    </message>
    <message>
        <source>Tivra PM3KS</source>
        <translation>Tivra PM3KS</translation>
    </message>
    <message>
        <source>Tivra PM4KS</source>
        <translation>Tivra PM4KS</translation>
    </message>
    <message>
        <source>Tivra PM4K6S</source>
        <translation>Tivra PM4K6S</translation>
    </message>
    <message>
        <source>Tivra PM5KS</source>
        <translation>Tivra PM5KS</translation>
    </message>
    <message>
        <source>Tivra PM3KS-D</source>
        <translation>Tivra PM3KS-D</translation>
    </message>
    <message>
        <source>Tivra PM4KS-D</source>
        <translation>Tivra PM4KS-D</translation>
    </message>
    <message>
        <source>Tivra PM4K6S-D</source>
        <translation>Tivra PM4K6S-D</translation>
    </message>
    <message>
        <source>Tivra PM5KS-D</source>
        <translation>Tivra PM5KS-D</translation>
    </message>
    <message>
        <source>   Change the inverter name.</source>
        <translation>   更改逆变器名称。</translation>
    </message>
    <message>
        <source>      The original name:</source>
        <translation>      原名称：</translation>
    </message>
    <message>
        <source>      The current name:</source>
        <translation>      现名称：</translation>
    </message>
    <message>
        <source>   Communication status change.</source>
        <translation>   通讯状态改变。</translation>
    </message>
    <message>
        <source>      Inverter </source>
        <translation>      逆变器</translation>
    </message>
    <message>
        <source>   Fault began!</source>
        <translation>   故障开始！</translation>
    </message>
    <message>
        <source>      The fault code: </source>
        <translation>      故障代码：</translation>
    </message>
    <message>
        <source>   Fault end!</source>
        <translation>   故障结束！</translation>
    </message>
    <message>
        <source>   Inverter add to the system!</source>
        <translation>   逆变器加入系统！</translation>
    </message>
    <message>
        <source>   Inverter status change!</source>
        <translation>   逆变器状态改变！</translation>
    </message>
    <message>
        <source> to </source>
        <translation> 变为 </translation>
    </message>
    <message>
        <source>   Setting time of inverter!</source>
        <translation>   设置逆变器时间！</translation>
    </message>
    <message>
        <source>   Setting the language of inverter!</source>
        <translation>   设置逆变器语言！</translation>
    </message>
    <message>
        <source>   Setting the monetary unit of inverter!</source>
        <translation>   设置逆变器货币单位！</translation>
    </message>
    <message>
        <source>   Setting the price!</source>
        <translation>   设置电价！</translation>
    </message>
    <message>
        <source>   Setting the max output power!</source>
        <translation>   设置最大输出功率！</translation>
    </message>
    <message>
        <source>   Setting the user label!</source>
        <translation>   设置用户标签！</translation>
    </message>
    <message>
        <source>,Tivra Wattsight:</source>
        <translation>,Tivra Wattsight:</translation>
    </message>
    <message>
        <source>   Command not delivered!</source>
        <translation>   命令未送达！</translation>
    </message>
    <message>
        <source>Set the inverter&apos;s clock</source>
        <translation>设置逆变器时钟</translation>
    </message>
    <message>
        <source>Set the inverter&apos;s language</source>
        <translation>设置逆变器语言</translation>
    </message>
    <message>
        <source>Set the monetary unit</source>
        <translation>设置货币单位</translation>
    </message>
    <message>
        <source>Set the price</source>
        <translation>设置电价</translation>
    </message>
    <message>
        <source>Set the max output power</source>
        <translation>设置最大输出功率</translation>
    </message>
    <message>
        <source>Switch on or off</source>
        <translation>开机或关机</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Set the user label</source>
        <translation>设置用户标签</translation>
    </message>
    <message>
        <source>Clear the statistics</source>
        <translation>清除统计数据</translation>
    </message>
    <message>
        <source>Set tariff period 1</source>
        <translation>设置电价时段1</translation>
    </message>
    <message>
        <source>Set tariff period 2</source>
        <translation>设置电价时段2</translation>
    </message>
    <message>
        <source>Set the inverter password</source>
        <translation>设置逆变器密码</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>Write %1 registers from %2</source>
        <translation>从 %2 起写 %1 个寄存器</translation>
    </message>
    <message>
        <source>Read %1 registers from %2</source>
        <translation>从 %2 起读 %1 个寄存器</translation>
    </message>
</context>
<context>
    <name>QInverterLogonDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>PassWord: </source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The password must be a number from 0 to 65535!</source>
        <translation>密码必须是0到65535之间的数字！</translation>
    </message>
</context>
<context>
    <name>QInverterRecorder</name>
    <message>
        <source>the fault record could not be appended</source>
        <translation>无法追加故障记录</translation>
    </message>
</context>
<context>
    <name>QInverterSetDlg</name>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>CNY</source>
        <translation>人民币</translation>
    </message>
    <message>
        <source>USD</source>
        <translation>美元</translation>
    </message>
    <message>
        <source>GBP</source>
        <translation>英镑</translation>
    </message>
    <message>
        <source>EUR</source>
        <translation>欧元</translation>
    </message>
    <message>
        <source>AUD</source>
        <translation>澳元</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>逆变器</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>维护</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>逆变器名称：</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>本机时间</translation>
    </message>
    <message>
        <source>Inverter time:</source>
        <translation>逆变器时间：</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Monetary unit:</source>
        <translation>货币单位：</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>电价：</translation>
    </message>
    <message>
        <source>User label:</source>
        <translation>用户标签：</translation>
    </message>
    <message>
        <source>Max output power(%):</source>
        <translation>最大输出功率(%)：</translation>
    </message>
    <message>
        <source>Logon state:</source>
        <translation>登录状态：</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation>设置密码</translation>
    </message>
    <message>
        <source>Set T1</source>
        <translation>设置T1</translation>
    </message>
    <message>
        <source>All data</source>
        <translation>全部数据</translation>
    </message>
    <message>
        <source>All fault</source>
        <translation>全部故障</translation>
    </message>
    <message>
        <source>Pro-point</source>
        <translation>保护点</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>开/关机</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Clear-stati</source>
        <translation>清除统计</translation>
    </message>
    <message>
        <source>Fac-Reset</source>
        <translation>恢复出厂</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Logged in</source>
        <translation>已登录</translation>
    </message>
    <message>
        <source>No login</source>
        <translation>未登录</translation>
    </message>
    <message>
        <source>No password</source>
        <translation>无密码</translation>
    </message>
    <message>
        <source>The inverter is offline!</source>
        <translation>逆变器离线！</translation>
    </message>
    <message>
        <source>You need to enter the password of the inverter!</source>
        <translation>请先输入逆变器的密码！</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>逆变器名称不能为空！</translation>
    </message>
    <message>
        <source>The name is used by another inverter!</source>
        <translation>该名称已被其他逆变器使用！</translation>
    </message>
    <message>
        <source>The files of the inverter cannot move to this name!</source>
        <translation>逆变器的文件无法移到该名称下！</translation>
    </message>
    <message>
        <source>Successfully saved!</source>
        <translation>保存成功！</translation>
    </message>
    <message>
        <source>Failed to set the price!</source>
        <translation>电价设置失败！</translation>
    </message>
    <message>
        <source>Failed to set the max output power!</source>
        <translation>最大输出功率设置失败！</translation>
    </message>
    <message>
        <source>Switch on the inverter %1? It starts feeding into the grid.</source>
        <translation>开启逆变器%1？它将开始向电网送电。</translation>
    </message>
    <message>
        <source>Switch off the inverter %1? It stops feeding into the grid.</source>
        <translation>关闭逆变器%1？它将停止向电网送电。</translation>
    </message>
    <message>
        <source>Restart the inverter %1? It stops feeding in until its self-test is over.</source>
        <translation>重启逆变器%1？自检结束前它将停止送电。</translation>
    </message>
    <message>
        <source>Reset the inverter %1 to its factory settings? Its settings, password and clock are lost.</source>
        <translation>将逆变器%1恢复出厂设置？其设置、密码和时钟将丢失。</translation>
    </message>
    <message>
        <source>Clear the statistics of the inverter %1? Its daily, monthly and peak values are erased.</source>
        <translation>清除逆变器%1的统计？其每日、每月和峰值数据将被删除。</translation>
    </message>
</context>
<context>
    <name>QMaintenanceDlg</name>
    <message>
        <source>Inverter %1, address %2</source>
        <translation>逆变器%1，地址%2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>CSV File(*.csv)</source>
        <translation>CSV文件(*.csv)</translation>
    </message>
    <message>
        <source>Successfully saved!</source>
        <translation>保存成功！</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>保存失败！</translation>
    </message>
</context>
<context>
    <name>QMiscellaneousDlg</name>
    <message>
        <source>Set electricity price</source>
        <translation>电价设置</translation>
    </message>
    <message>
        <source>Currency Unit:</source>
        <translation>货币单位：</translation>
    </message>
    <message>
        <source>Unit price(/kWh):</source>
        <translation>单价(/kWh)：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The price is too high!</source>
        <translation>电价太高！</translation>
    </message>
</context>
<context>
    <name>QMyColorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Select a colour</source>
        <translation>选择颜色</translation>
    </message>
</context>
<context>
    <name>QOutputPane</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>QOutputTrend</name>
    <message>
        <source>Output power curve</source>
        <translation>输出功率曲线</translation>
    </message>
</context>
<context>
    <name>QPlantPublisher</name>
    <message>
        <source>Publishing is off.</source>
        <translation>发布已关闭。</translation>
    </message>
    <message>
        <source>Publishing stopped.</source>
        <translation>发布已停止。</translation>
    </message>
    <message>
        <source>No broker is set.</source>
        <translation>未设置代理服务器。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: energies start again from what the inverters report.</source>
        <translation>无法读取文件 %1：电量将从逆变器上报的数值重新开始。</translation>
    </message>
    <message>
        <source>Publishing to the broker %1 under %2.</source>
        <translation>正在向代理服务器 %1 发布，主题前缀 %2。</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>正在连接 %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>无法写入文件 %1。</translation>
    </message>
    <message>
        <source>Connected to the broker %1.</source>
        <translation>已连接到代理服务器 %1。</translation>
    </message>
    <message>
        <source>The broker %1 refused the user name or password.</source>
        <translation>代理服务器 %1 拒绝了用户名或密码。</translation>
    </message>
    <message>
        <source>The broker %1 refused the connection: %2</source>
        <translation>代理服务器 %1 拒绝了连接：%2</translation>
    </message>
    <message>
        <source>No secure connection to the broker %1: %2</source>
        <translation>无法与代理服务器 %1 建立安全连接：%2</translation>
    </message>
    <message>
        <source>Cannot connect to the broker %1: %2</source>
        <translation>无法连接代理服务器 %1：%2</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>已连接到 %1。</translation>
    </message>
    <message>
        <source>Next attempt in %1 s.</source>
        <translation>%1 秒后重试。</translation>
    </message>
    <message>
        <source>The connection to the broker %1 was lost (%2); connecting again.</source>
        <translation>与代理服务器 %1 的连接已断开（%2），正在重新连接。</translation>
    </message>
</context>
<context>
    <name>QProgressDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Sending attachments...</source>
        <translation>正在发送附件……</translation>
    </message>
</context>
<context>
    <name>QProtectPoint</name>
    <message>
        <source>Undervoltage protection1</source>
        <translation>欠压保护1</translation>
    </message>
    <message>
        <source>Undervoltage protection1 delay</source>
        <translation>欠压保护1延时</translation>
    </message>
    <message>
        <source>Undervoltage protection2</source>
        <translation>欠压保护2</translation>
    </message>
    <message>
        <source>Undervoltage protection2 delay</source>
        <translation>欠压保护2延时</translation>
    </message>
    <message>
        <source>Overvoltage protection1</source>
        <translation>过压保护1</translation>
    </message>
    <message>
        <source>Overvoltage protection1 delay</source>
        <translation>过压保护1延时</translation>
    </message>
    <message>
        <source>Overvoltage protection2</source>
        <translation>过压保护2</translation>
    </message>
    <message>
        <source>Overvoltage protection2 delay</source>
        <translation>过压保护2延时</translation>
    </message>
    <message>
        <source>Under frequency protection1</source>
        <translation>欠频保护1</translation>
    </message>
    <message>
        <source>Under frequency protection1 delay</source>
        <translation>欠频保护1延时</translation>
    </message>
    <message>
        <source>Under frequency protection2</source>
        <translation>欠频保护2</translation>
    </message>
    <message>
        <source>Under frequency protection2 delay</source>
        <translation>欠频保护2延时</translation>
    </message>
    <message>
        <source>Over frequency protection1</source>
        <translation>过频保护1</translation>
    </message>
    <message>
        <source>Over frequency protection1 delay</source>
        <translation>过频保护1延时</translation>
    </message>
    <message>
        <source>Over frequency protection2</source>
        <translation>过频保护2</translation>
    </message>
    <message>
        <source>Over frequency protection2 delay</source>
        <translation>过频保护2延时</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
</context>
<context>
    <name>QPublishSettings</name>
    <message>
        <source>The topic prefix is empty.</source>
        <translation>主题前缀为空。</translation>
    </message>
    <message>
        <source>A topic prefix may not contain &apos;+&apos; or &apos;#&apos;.</source>
        <translation>主题前缀不能包含“+”或“#”。</translation>
    </message>
    <message>
        <source>A topic prefix may not begin with &apos;$&apos;.</source>
        <translation>主题前缀不能以“$”开头。</translation>
    </message>
    <message>
        <source>The topic prefix is too long.</source>
        <translation>主题前缀过长。</translation>
    </message>
</context>
<context>
    <name>QReadDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Return(hex):</source>
        <translation>返回(十六进制)：</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
</context>
<context>
    <name>QRegisterDlg</name>
    <message>
        <source>Address(hex):</source>
        <translation>地址(十六进制)：</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>长度：</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Address illegal</source>
        <translation>地址非法</translation>
    </message>
    <message>
        <source>Length must be between 20 and1</source>
        <translation>长度必须在1到20之间</translation>
    </message>
</context>
<context>
    <name>QReportOutput</name>
    <message>
        <source>Successfully saved!</source>
        <translation>保存成功！</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>保存失败！</translation>
    </message>
</context>
<context>
    <name>QSaveDialog</name>
    <message>
        <source>System information</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Inverter information</source>
        <translation>逆变器信息</translation>
    </message>
    <message>
        <source>System generation</source>
        <translation>系统发电量</translation>
    </message>
    <message>
        <source>Inverter generation</source>
        <translation>逆变器发电量</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Save and print</source>
        <translation>保存与打印</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>选择：</translation>
    </message>
    <message>
        <source>Inverter:</source>
        <translation>逆变器：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>按日</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>按月</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>按年</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>保存到：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>保存为：</translation>
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
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save path</source>
        <translation>保存路径</translation>
    </message>
    <message>
        <source>File name cann&apos;t be empty!</source>
        <translation>文件名不能为空！</translation>
    </message>
</context>
<context>
    <name>QSetCommunicateDlg</name>
    <message>
        <source>Set communicate information</source>
        <translation>通讯设置</translation>
    </message>
    <message>
        <source>Serial communication settings</source>
        <translation>串口通讯设置</translation>
    </message>
    <message>
        <source>Ethernet communication settings</source>
        <translation>以太网通讯设置</translation>
    </message>
    <message>
        <source>GPRS communication settings</source>
        <translation>GPRS通讯设置</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>串口号：</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP地址：</translation>
    </message>
    <message>
        <source>Port number:</source>
        <translation>端口号：</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The IP address is not complete!</source>
        <translation>IP地址不完整！</translation>
    </message>
    <message>
        <source>The port number must be from 1 to 65535!</source>
        <translation>端口号必须在1到65535之间！</translation>
    </message>
</context>
<context>
    <name>QSetInverterPassDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>New key:</source>
        <translation>新密码：</translation>
    </message>
    <message>
        <source>Confirm key:</source>
        <translation>确认密码：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>New password can not be empty!</source>
        <translation>新密码不能为空！</translation>
    </message>
    <message>
        <source>Two entered passwords do not match!</source>
        <translation>两次输入的密码不一致！</translation>
    </message>
    <message>
        <source>The password must be a number from 0 to 65535!</source>
        <translation>密码必须是0到65535之间的数字！</translation>
    </message>
</context>
<context>
    <name>QSetInverterTdlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Start time:</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>结束时间：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Time setting error!</source>
        <translation>时间设置错误！</translation>
    </message>
</context>
<context>
    <name>QSetMailDlg</name>
    <message>
        <source>Edit mail information</source>
        <translation>邮件设置</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>服务器：</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>Pass Word:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>%1 or %2 (plain)
%3 (TLS)
%4 (STARTTLS)</source>
        <translation>%1 或 %2（不加密）
%3（TLS）
%4（STARTTLS）</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>例如：%1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QSetPasswordDlg</name>
    <message>
        <source>Password setting</source>
        <translation>密码设置</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>Existing key:</source>
        <translation>原密码：</translation>
    </message>
    <message>
        <source>New key:</source>
        <translation>新密码：</translation>
    </message>
    <message>
        <source>Confirm key:</source>
        <translation>确认密码：</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>管理员</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>密码不正确！</translation>
    </message>
    <message>
        <source>New password can not be empty!</source>
        <translation>新密码不能为空！</translation>
    </message>
    <message>
        <source>Two entered passwords do not match!</source>
        <translation>两次输入的密码不一致！</translation>
    </message>
</context>
<context>
    <name>QSetPublishDlg</name>
    <message>
        <source>Publishing</source>
        <translation>发布数据</translation>
    </message>
    <message>
        <source>Publish the plant&apos;s data to an MQTT broker</source>
        <translation>将电站数据发布到 MQTT 代理服务器</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>代理服务器：</translation>
    </message>
    <message>
        <source>host name or IP address</source>
        <translation>主机名或 IP 地址</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Secure connection (TLS)</source>
        <translation>安全连接（TLS）</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA 证书文件：</translation>
    </message>
    <message>
        <source>the system&apos;s certificate authorities</source>
        <translation>系统的证书颁发机构</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Topic prefix:</source>
        <translation>主题前缀：</translation>
    </message>
    <message>
        <source>Announce the devices to home automation (discovery)</source>
        <translation>向家庭自动化系统公布设备（自动发现）</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>测试连接</translation>
    </message>
    <message>
        <source>Publishing log:</source>
        <translation>发布日志：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enter the broker&apos;s host name or address.</source>
        <translation>请输入代理服务器的主机名或地址。</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状态：</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>正在测试连接...</translation>
    </message>
    <message>
        <source>CA file</source>
        <translation>CA 证书文件</translation>
    </message>
    <message>
        <source>Certificates (*.crt *.pem);;All files (*)</source>
        <translation>证书 (*.crt *.pem);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>QTrendSetDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Trend settings</source>
        <translation>曲线设置</translation>
    </message>
    <message>
        <source>Input Power:</source>
        <translation>输入功率：</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>输出功率：</translation>
    </message>
    <message>
        <source>Energy:</source>
        <translation>发电量：</translation>
    </message>
    <message>
        <source>The maximum Y-axis:</source>
        <translation>Y轴最大值：</translation>
    </message>
    <message>
        <source>Time axis:</source>
        <translation>时间轴：</translation>
    </message>
    <message>
        <source>Restore default settings</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10分钟</translation>
    </message>
    <message>
        <source>100 minutes</source>
        <translation>100分钟</translation>
    </message>
    <message>
        <source>10 hours</source>
        <translation>10小时</translation>
    </message>
    <message>
        <source>20 hours</source>
        <translation>20小时</translation>
    </message>
</context>
<context>
    <name>QWriteDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Send Buffer(hex):</source>
        <translation>发送数据(十六进制)：</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Data cannot be empty</source>
        <translation>数据不能为空</translation>
    </message>
    <message>
        <source>Insufficient data will be padded with 0</source>
        <translation>数据不足，将以0补齐</translation>
    </message>
    <message>
        <source>Excess data will be discarded</source>
        <translation>多余的数据将被丢弃</translation>
    </message>
    <message>
        <source>Write %1 registers from %2 of the inverter %3?</source>
        <translation>向逆变器%3写入从%2开始的%1个寄存器？</translation>
    </message>
</context>
<context>
    <name>QtMyTree</name>
    <message>
        <source>Single phase inverter</source>
        <translation>单相逆变器</translation>
    </message>
    <message>
        <source>Three phase inverter</source>
        <translation>三相逆变器</translation>
    </message>
</context>
<context>
    <name>SetBeginTimeDlg</name>
    <message>
        <source>Set sunrise time</source>
        <translation>日出时间设置</translation>
    </message>
    <message>
        <source>Sunrise time:</source>
        <translation>日出时间：</translation>
    </message>
    <message>
        <source>The hour from which the day&apos;s curves are drawn, 0 to 9.</source>
        <translation>当天曲线从该整点开始绘制，0到9。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SetSolar</name>
    <message>
        <source>Set Solar Information</source>
        <translation>太阳能电池信息设置</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>制造商：</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Component type:</source>
        <translation>组件类型：</translation>
    </message>
    <message>
        <source>Component Power:</source>
        <translation>组件功率：</translation>
    </message>
    <message>
        <source>Quantity(pcs):</source>
        <translation>数量(块)：</translation>
    </message>
    <message>
        <source>Total power(W):</source>
        <translation>总功率(W)：</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>方位角：</translation>
    </message>
    <message>
        <source>Tilt angle:</source>
        <translation>倾角：</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SetSystem</name>
    <message>
        <source>Set System Information</source>
        <translation>系统信息设置</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>系统名称：</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>国家：</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>城市：</translation>
    </message>
    <message>
        <source>Installation:</source>
        <translation>安装方式：</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>纬度：</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>经度：</translation>
    </message>
    <message>
        <source>Sloping roof</source>
        <translation>斜屋顶</translation>
    </message>
    <message>
        <source>Flat roof</source>
        <translation>平屋顶</translation>
    </message>
    <message>
        <source>Flat ground</source>
        <translation>平地</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Do you want to save the changes?</source>
        <translation>是否保存修改？</translation>
    </message>
    <message>
        <source>The name is too long!</source>
        <translation>名称太长！</translation>
    </message>
    <message>
        <source>Longitude and Latitude must in [-180,180]!</source>
        <translation>经度和纬度必须在[-180,180]之间！</translation>
    </message>
</context>
</TS>
