<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
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
        <translation>對話框</translation>
    </message>
    <message>
        <source>Add New Inverter</source>
        <translation>新增逆變器</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>逆變器名稱：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>位址：</translation>
    </message>
    <message>
        <source>Single-phase</source>
        <translation>單相</translation>
    </message>
    <message>
        <source>Three-phase</source>
        <translation>三相</translation>
    </message>
    <message>
        <source>Analog signal</source>
        <translation>類比訊號</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>逆變器名稱不能為空！</translation>
    </message>
    <message>
        <source>Address illegal!Must between 1 to 247!</source>
        <translation>位址不合法！必須在1到247之間！</translation>
    </message>
    <message>
        <source>Add Inverter Fialed!Name or address have been used!</source>
        <translation>新增逆變器失敗！名稱或位址已被使用！</translation>
    </message>
</context>
<context>
    <name>DlgEditRemark</name>
    <message>
        <source>Edit the system description</source>
        <translation>編輯系統說明</translation>
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
        <source>The string is too long!Can not display all the string!</source>
        <translation>字串太長！無法完整顯示！</translation>
    </message>
</context>
<context>
    <name>DlgSetGrid</name>
    <message>
        <source>Set public grid information</source>
        <translation>公共電網資訊設定</translation>
    </message>
    <message>
        <source>1-ph AC wiring:</source>
        <translation>單相交流接線：</translation>
    </message>
    <message>
        <source>3-ph AC wiring:</source>
        <translation>三相交流接線：</translation>
    </message>
    <message>
        <source>Rated voltage(Vac):</source>
        <translation>額定電壓(Vac)：</translation>
    </message>
    <message>
        <source>Rated frequency(Hz):</source>
        <translation>額定頻率(Hz)：</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>確定</translation>
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
        <translation>逆變器資訊設定</translation>
    </message>
    <message>
        <source>Manufacture:</source>
        <translation>製造商：</translation>
    </message>
    <message>
        <source>1-ph model:</source>
        <translation>單相型號：</translation>
    </message>
    <message>
        <source>1-ph output power:</source>
        <translation>單相輸出功率：</translation>
    </message>
    <message>
        <source>3-ph model:</source>
        <translation>三相型號：</translation>
    </message>
    <message>
        <source>3-ph output power:</source>
        <translation>三相輸出功率：</translation>
    </message>
    <message>
        <source>KOVA</source>
        <translation>KOVA</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>確定</translation>
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
        <translation>自檢</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>運行</translation>
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
        <translation>關機</translation>
    </message>
    <message>
        <source>Enter the illegal instruction!</source>
        <translation>非法指令！</translation>
    </message>
    <message>
        <source>The data address is illegal!</source>
        <translation>資料位址非法！</translation>
    </message>
    <message>
        <source>Data value is illegal!</source>
        <translation>資料值非法！</translation>
    </message>
    <message>
        <source>The operation failed!</source>
        <translation>操作失敗！</translation>
    </message>
    <message>
        <source>Password is incorrect!</source>
        <translation>密碼錯誤！</translation>
    </message>
    <message>
        <source>Data frame error!</source>
        <translation>資料幀錯誤！</translation>
    </message>
    <message>
        <source>Parameter is read-only!</source>
        <translation>參數唯讀！</translation>
    </message>
    <message>
        <source>Parameters of the operation can not be change!</source>
        <translation>該操作的參數不能更改！</translation>
    </message>
    <message>
        <source>Password protection!</source>
        <translation>密碼保護！</translation>
    </message>
    <message>
        <source>Length error!</source>
        <translation>長度錯誤！</translation>
    </message>
    <message>
        <source>You do not have permission to do this!</source>
        <translation>您沒有執行此操作的權限！</translation>
    </message>
    <message>
        <source>Open the serial port failure!</source>
        <translation>開啟串列埠失敗！</translation>
    </message>
    <message>
        <source>(9600,8,0,1) is open!</source>
        <translation>(9600,8,0,1) 已開啟！</translation>
    </message>
    <message>
        <source>Close the serial port</source>
        <translation>關閉串列埠</translation>
    </message>
    <message>
        <source>is closed!</source>
        <translation>已關閉！</translation>
    </message>
    <message>
        <source>Open the serial port</source>
        <translation>開啟串列埠</translation>
    </message>
    <message>
        <source>Failed to connect to server!</source>
        <translation>連線伺服器失敗！</translation>
    </message>
    <message>
        <source>On-line!</source>
        <translation>線上！</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>中斷連線</translation>
    </message>
    <message>
        <source>not online!</source>
        <translation>不在線！</translation>
    </message>
    <message>
        <source>Connect to server</source>
        <translation>連線伺服器</translation>
    </message>
    <message>
        <source>Open GPRS server failed!</source>
        <translation>開啟GPRS伺服器失敗！</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Close GPRS server</source>
        <translation>關閉GPRS伺服器</translation>
    </message>
    <message>
        <source>waiting!</source>
        <translation>等待中！</translation>
    </message>
    <message>
        <source>GPRS server</source>
        <translation>GPRS伺服器</translation>
    </message>
    <message>
        <source>Open server</source>
        <translation>開啟伺服器</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Add new inverter</source>
        <translation>新增逆變器</translation>
    </message>
    <message>
        <source>Search inverter</source>
        <translation>搜尋逆變器</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Set communicate information</source>
        <translation>通訊設定</translation>
    </message>
    <message>
        <source>Edit mail information</source>
        <translation>郵件設定</translation>
    </message>
    <message>
        <source>Password setting</source>
        <translation>密碼設定</translation>
    </message>
    <message>
        <source>Set electricity price</source>
        <translation>電價設定</translation>
    </message>
    <message>
        <source>Set system information</source>
        <translation>系統資訊設定</translation>
    </message>
    <message>
        <source>Set system solar information</source>
        <translation>太陽能電池資訊設定</translation>
    </message>
    <message>
        <source>Set inverter information</source>
        <translation>逆變器資訊設定</translation>
    </message>
    <message>
        <source>Set public grid information</source>
        <translation>公共電網資訊設定</translation>
    </message>
    <message>
        <source>Edit system description</source>
        <translation>編輯系統說明</translation>
    </message>
    <message>
        <source>Set sunrise time</source>
        <translation>日出時間設定</translation>
    </message>
    <message>
        <source>About KOVA</source>
        <translation>關於KOVA</translation>
    </message>
    <message>
        <source>About Tivra Wattsight</source>
        <translation>關於Tivra Wattsight</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>聯絡我們</translation>
    </message>
    <message>
        <source>Operating instructions</source>
        <translation>操作說明</translation>
    </message>
    <message>
        <source>Current user:</source>
        <translation>目前使用者：</translation>
    </message>
    <message>
        <source>Logon duration:</source>
        <translation>登入時長：</translation>
    </message>
    <message>
        <source>day</source>
        <translation>天</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>小時</translation>
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
        <translation>精簡模式</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>逆變器</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>系統資訊</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>管理員</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>訪客</translation>
    </message>
    <message>
        <source>Load analog data failed!</source>
        <translation>載入類比資料失敗！</translation>
    </message>
    <message>
        <source>Set successfully!</source>
        <translation>設定成功！</translation>
    </message>
    <message>
        <source>The inverter is communication, are you sure you want to close?</source>
        <translation>逆變器正在通訊，確定要關閉嗎？</translation>
    </message>
    <message>
        <source>The user manual cannot be opened!</source>
        <translation>無法開啟使用手冊！</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>發佈資料</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>告警郵件</translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation>匯流排監視器</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>輸入功率：</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>輸出功率：</translation>
    </message>
    <message>
        <source>Single Phase:</source>
        <translation>單相：</translation>
    </message>
    <message>
        <source>Three Phase:</source>
        <translation>三相：</translation>
    </message>
    <message>
        <source>CO2 Reduce:</source>
        <translation>CO2減排：</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>總發電量：</translation>
    </message>
    <message>
        <source>Benefits:</source>
        <translation>收益：</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>今日發電量：</translation>
    </message>
    <message>
        <source>Current User:</source>
        <translation>目前使用者：</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>系統資料</translation>
    </message>
    <message>
        <source>Benefits</source>
        <translation>收益</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>置頂</translation>
    </message>
    <message>
        <source>System failure!</source>
        <translation>系統故障！</translation>
    </message>
    <message>
        <source>System uptime!</source>
        <translation>系統運行正常！</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>管理員</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>訪客</translation>
    </message>
</context>
<context>
    <name>Page1</name>
    <message>
        <source>Administrator</source>
        <translation>管理員</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>訪客</translation>
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
        <translation>系統故障！</translation>
    </message>
    <message>
        <source>System uptime!</source>
        <translation>系統運行正常！</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>User logon</source>
        <translation>使用者登入</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>使用者：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>Plant overview</source>
        <translation>電站概況</translation>
    </message>
    <message>
        <source>Input Power:</source>
        <translation>輸入功率：</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>輸出功率：</translation>
    </message>
    <message>
        <source>Single Phase:</source>
        <translation>單相：</translation>
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
        <translation>系統資料</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>總發電量：</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>今日發電量：</translation>
    </message>
    <message>
        <source>CO2 Reduce:</source>
        <translation>CO2減排：</translation>
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
        <translation>登出成功！</translation>
    </message>
    <message>
        <source>Login failed!</source>
        <translation>登入失敗！</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>義大利語</translation>
    </message>
</context>
<context>
    <name>Page2</name>
    <message>
        <source>Real-time</source>
        <translation>即時</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Historical</source>
        <translation>歷史</translation>
    </message>
    <message>
        <source>Technical</source>
        <translation>技術參數</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>匯流箱</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Address: </source>
        <translation>位址：</translation>
    </message>
    <message>
        <source>Current time:</source>
        <translation>目前時間：</translation>
    </message>
    <message>
        <source>Data Time:</source>
        <translation>資料時間：</translation>
    </message>
    <message>
        <source>User level is not enough!</source>
        <translation>使用者權限不足！</translation>
    </message>
    <message>
        <source>Do you want to disconnect the inverter?</source>
        <translation>確定要中斷該逆變器嗎？</translation>
    </message>
    <message>
        <source>Analog signal cannot be set!</source>
        <translation>類比訊號不能設定！</translation>
    </message>
    <message>
        <source>Do you want to delete the inverter?</source>
        <translation>確定要刪除該逆變器嗎？</translation>
    </message>
</context>
<context>
    <name>Page21</name>
    <message>
        <source>Track1 voltage:</source>
        <translation>組串1電壓：</translation>
    </message>
    <message>
        <source>Track1 current:</source>
        <translation>組串1電流：</translation>
    </message>
    <message>
        <source>Track2 voltage:</source>
        <translation>組串2電壓：</translation>
    </message>
    <message>
        <source>Track2 current:</source>
        <translation>組串2電流：</translation>
    </message>
    <message>
        <source>Input power:</source>
        <translation>輸入功率：</translation>
    </message>
    <message>
        <source>U voltage:</source>
        <translation>U相電壓：</translation>
    </message>
    <message>
        <source>U current:</source>
        <translation>U相電流：</translation>
    </message>
    <message>
        <source>V voltage:</source>
        <translation>V相電壓：</translation>
    </message>
    <message>
        <source>V current:</source>
        <translation>V相電流：</translation>
    </message>
    <message>
        <source>W voltage:</source>
        <translation>W相電壓：</translation>
    </message>
    <message>
        <source>W current:</source>
        <translation>W相電流：</translation>
    </message>
    <message>
        <source>Output power:</source>
        <translation>輸出功率：</translation>
    </message>
    <message>
        <source>Inverter Tem:</source>
        <translation>逆變器溫度：</translation>
    </message>
    <message>
        <source>Grid frequency:</source>
        <translation>電網頻率：</translation>
    </message>
    <message>
        <source>CO2 reduce:</source>
        <translation>CO2減排：</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>總發電量：</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>今日發電量：</translation>
    </message>
    <message>
        <source>Peek Power:</source>
        <translation>峰值功率：</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>狀態：</translation>
    </message>
    <message>
        <source>Input parameters</source>
        <translation>輸入參數</translation>
    </message>
    <message>
        <source>Output parameters</source>
        <translation>輸出參數</translation>
    </message>
    <message>
        <source>Other parameters</source>
        <translation>其他參數</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Input Power</source>
        <translation>輸入功率</translation>
    </message>
    <message>
        <source>Output Power</source>
        <translation>輸出功率</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>發電量</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>功率曲線</translation>
    </message>
    <message>
        <source>Energy curve</source>
        <translation>發電量曲線</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
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
        <translation>輸入欠壓</translation>
    </message>
    <message>
        <source>Caused by PV system.Recoverable failure!</source>
        <translation>由光伏系統引起，可恢復故障！</translation>
    </message>
    <message>
        <source>Bus under volt.</source>
        <translation>母線欠壓</translation>
    </message>
    <message>
        <source>Caused by PV system or Invert.Recoverable failure!</source>
        <translation>由光伏系統或逆變器引起，可恢復故障！</translation>
    </message>
    <message>
        <source>Grid under volt.</source>
        <translation>電網欠壓</translation>
    </message>
    <message>
        <source>Caused by AC Grid.</source>
        <translation>由交流電網引起。</translation>
    </message>
    <message>
        <source>Grid over volt.</source>
        <translation>電網過壓</translation>
    </message>
    <message>
        <source>Grid under freq.</source>
        <translation>電網欠頻</translation>
    </message>
    <message>
        <source>Grid over freq.</source>
        <translation>電網過頻</translation>
    </message>
    <message>
        <source>Clock fault</source>
        <translation>時鐘故障</translation>
    </message>
    <message>
        <source>Caused by Inverter.Recoverable failure!</source>
        <translation>由逆變器引起，可恢復故障！</translation>
    </message>
    <message>
        <source>Impedance</source>
        <translation>阻抗異常</translation>
    </message>
    <message>
        <source>Caused by AC Grid.Unrecoverable failure!</source>
        <translation>由交流電網引起，不可恢復故障！</translation>
    </message>
    <message>
        <source>Cmd shut down</source>
        <translation>命令關機</translation>
    </message>
    <message>
        <source>Caused by User.</source>
        <translation>由使用者引起。</translation>
    </message>
    <message>
        <source>Current anomaly</source>
        <translation>電流異常</translation>
    </message>
    <message>
        <source>Caused by Current anomaly</source>
        <translation>由電流異常引起</translation>
    </message>
    <message>
        <source>Box Int Comm</source>
        <translation>匯流箱內部通訊</translation>
    </message>
    <message>
        <source>Caused by Box Int Comm</source>
        <translation>由匯流箱內部通訊引起</translation>
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
        <translation>輸入過壓</translation>
    </message>
    <message>
        <source>Bus over volt.</source>
        <translation>母線過壓</translation>
    </message>
    <message>
        <source>Caused by Invert.Recoverable failure!</source>
        <translation>由逆變器引起，可恢復故障！</translation>
    </message>
    <message>
        <source>Boost fail</source>
        <translation>升壓失敗</translation>
    </message>
    <message>
        <source>Caused by Invert.Unrecoverable failure!</source>
        <translation>由逆變器引起，不可恢復故障！</translation>
    </message>
    <message>
        <source>Grid over curr.</source>
        <translation>電網過流</translation>
    </message>
    <message>
        <source>Over temperature</source>
        <translation>過溫</translation>
    </message>
    <message>
        <source>Riso low</source>
        <translation>絕緣阻抗低</translation>
    </message>
    <message>
        <source>Caused by PV System.!</source>
        <translation>由光伏系統引起！</translation>
    </message>
    <message>
        <source>IGBT driver err.</source>
        <translation>IGBT驅動錯誤</translation>
    </message>
    <message>
        <source>Caused by Inverter.Unrecoverable failure!</source>
        <translation>由逆變器引起，不可恢復故障！</translation>
    </message>
    <message>
        <source>Comm. fault</source>
        <translation>通訊故障</translation>
    </message>
    <message>
        <source>Leak current fail</source>
        <translation>漏電流故障</translation>
    </message>
    <message>
        <source>Caused by PV System.Unrecoverable failure!</source>
        <translation>由光伏系統引起，不可恢復故障！</translation>
    </message>
    <message>
        <source>Relay fault</source>
        <translation>繼電器故障</translation>
    </message>
    <message>
        <source>Fan fault</source>
        <translation>風扇故障</translation>
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
        <translation>輸出短路</translation>
    </message>
    <message>
        <source>Zero drift.</source>
        <translation>零點漂移</translation>
    </message>
    <message>
        <source>Caused by Inverter.</source>
        <translation>由逆變器引起。</translation>
    </message>
    <message>
        <source>Grid negative phase</source>
        <translation>電網相序錯誤</translation>
    </message>
    <message>
        <source>Input over curr.</source>
        <translation>輸入過流</translation>
    </message>
    <message>
        <source>Data incnst</source>
        <translation>資料不一致</translation>
    </message>
    <message>
        <source>Power reversed</source>
        <translation>功率反向</translation>
    </message>
    <message>
        <source>Zero drift</source>
        <translation>零點漂移</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Name of Fault</source>
        <translation>故障名稱</translation>
    </message>
    <message>
        <source>Fault Code</source>
        <translation>故障代碼</translation>
    </message>
    <message>
        <source>Failure Time</source>
        <translation>故障時間</translation>
    </message>
    <message>
        <source>Description of Failure</source>
        <translation>故障描述</translation>
    </message>
    <message>
        <source>Real time status</source>
        <translation>即時狀態</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Fault records</source>
        <translation>故障記錄</translation>
    </message>
    <message>
        <source>Remove this fault records</source>
        <translation>刪除此故障記錄</translation>
    </message>
    <message>
        <source>Remove all fault records</source>
        <translation>刪除全部故障記錄</translation>
    </message>
    <message>
        <source>Double click to display more information!</source>
        <translation>按兩下顯示更多資訊！</translation>
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
        <translation>歷年</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Generating capacity: kWh</source>
        <translation>發電量：kWh</translation>
    </message>
</context>
<context>
    <name>Page24</name>
    <message>
        <source>Manufacturer:</source>
        <translation>製造商：</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>逆變器名稱：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>位址：</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型號：</translation>
    </message>
    <message>
        <source>Max Voltage:</source>
        <translation>最大電壓：</translation>
    </message>
    <message>
        <source>Start Voltage:</source>
        <translation>啟動電壓：</translation>
    </message>
    <message>
        <source>MPPT Range:</source>
        <translation>MPPT範圍：</translation>
    </message>
    <message>
        <source>Max Power:</source>
        <translation>最大功率：</translation>
    </message>
    <message>
        <source>Max current:</source>
        <translation>最大電流：</translation>
    </message>
    <message>
        <source>DC Switch:</source>
        <translation>直流開關：</translation>
    </message>
    <message>
        <source>Output power:</source>
        <translation>輸出功率：</translation>
    </message>
    <message>
        <source>Max AC current:</source>
        <translation>最大交流電流：</translation>
    </message>
    <message>
        <source>Grid vol / f:</source>
        <translation>電網電壓/頻率：</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>併網方式：</translation>
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
        <translation>夜間損耗：</translation>
    </message>
    <message>
        <source>DC parameters</source>
        <translation>直流參數</translation>
    </message>
    <message>
        <source>AC parameters</source>
        <translation>交流參數</translation>
    </message>
    <message>
        <source>Mechanical parameters</source>
        <translation>機械參數</translation>
    </message>
    <message>
        <source>Efficiency </source>
        <translation>效率 </translation>
    </message>
    <message>
        <source>KOVA Power Electronics Co., Ltd.</source>
        <translation>科瓦電力電子有限公司</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>No selected inverter!</source>
        <translation>未選擇逆變器！</translation>
    </message>
</context>
<context>
    <name>Page25</name>
    <message>
        <source>Type:</source>
        <translation>型號：</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>序號：</translation>
    </message>
    <message>
        <source>Date in Produced:</source>
        <translation>生產日期：</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>軟體版本：</translation>
    </message>
    <message>
        <source>Output voltage 1:</source>
        <translation>輸出電壓1：</translation>
    </message>
    <message>
        <source>Output voltage 2:</source>
        <translation>輸出電壓2：</translation>
    </message>
    <message>
        <source>Output voltage 3:</source>
        <translation>輸出電壓3：</translation>
    </message>
    <message>
        <source>Output voltage 4:</source>
        <translation>輸出電壓4：</translation>
    </message>
    <message>
        <source>Input current 1:</source>
        <translation>輸入電流1：</translation>
    </message>
    <message>
        <source>Input current 2:</source>
        <translation>輸入電流2：</translation>
    </message>
    <message>
        <source>Input current 3:</source>
        <translation>輸入電流3：</translation>
    </message>
    <message>
        <source>Input current 4:</source>
        <translation>輸入電流4：</translation>
    </message>
    <message>
        <source>Input current 5:</source>
        <translation>輸入電流5：</translation>
    </message>
    <message>
        <source>Input current 6:</source>
        <translation>輸入電流6：</translation>
    </message>
    <message>
        <source>Input current 7:</source>
        <translation>輸入電流7：</translation>
    </message>
    <message>
        <source>Input current 8:</source>
        <translation>輸入電流8：</translation>
    </message>
    <message>
        <source>Input current 9:</source>
        <translation>輸入電流9：</translation>
    </message>
    <message>
        <source>Input current 10:</source>
        <translation>輸入電流10：</translation>
    </message>
    <message>
        <source>Input current 11:</source>
        <translation>輸入電流11：</translation>
    </message>
    <message>
        <source>Input current 12:</source>
        <translation>輸入電流12：</translation>
    </message>
    <message>
        <source>Input current 13:</source>
        <translation>輸入電流13：</translation>
    </message>
    <message>
        <source>Input current 14:</source>
        <translation>輸入電流14：</translation>
    </message>
    <message>
        <source>Input current 15:</source>
        <translation>輸入電流15：</translation>
    </message>
    <message>
        <source>Input current 16:</source>
        <translation>輸入電流16：</translation>
    </message>
    <message>
        <source>Base parameters</source>
        <translation>基本參數</translation>
    </message>
    <message>
        <source>Output parameters</source>
        <translation>輸出參數</translation>
    </message>
    <message>
        <source>Input parameters</source>
        <translation>輸入參數</translation>
    </message>
</context>
<context>
    <name>Page3</name>
    <message>
        <source>System Name</source>
        <translation>系統名稱</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Quantity(pcs)</source>
        <translation>數量(台)</translation>
    </message>
    <message>
        <source>Installation site</source>
        <translation>安裝場所</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>經度</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>製造商</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Component power(W)</source>
        <translation>組件功率(W)</translation>
    </message>
    <message>
        <source>Component type</source>
        <translation>組件類型</translation>
    </message>
    <message>
        <source>Total power(W)</source>
        <translation>總功率(W)</translation>
    </message>
    <message>
        <source>Tilt angle</source>
        <translation>傾角</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>方位角</translation>
    </message>
    <message>
        <source>1-ph inverter model</source>
        <translation>單相逆變器型號</translation>
    </message>
    <message>
        <source>Rated output power(W)</source>
        <translation>額定輸出功率(W)</translation>
    </message>
    <message>
        <source>3-ph inverter model</source>
        <translation>三相逆變器型號</translation>
    </message>
    <message>
        <source>1-ph AC wiring</source>
        <translation>單相交流接線</translation>
    </message>
    <message>
        <source>Rated voltage(Vac)</source>
        <translation>額定電壓(Vac)</translation>
    </message>
    <message>
        <source>Rated frequency(Hz)</source>
        <translation>額定頻率(Hz)</translation>
    </message>
    <message>
        <source>3-ph AC wiring</source>
        <translation>三相交流接線</translation>
    </message>
    <message>
        <source>Solar cells</source>
        <translation>太陽能電池組件</translation>
    </message>
    <message>
        <source>PV grid-connected inverter</source>
        <translation>光伏併網逆變器</translation>
    </message>
    <message>
        <source>Public grid</source>
        <translation>公共電網</translation>
    </message>
    <message>
        <source>Sloping roof</source>
        <translation>斜屋頂</translation>
    </message>
    <message>
        <source>Flat roof</source>
        <translation>平屋頂</translation>
    </message>
    <message>
        <source>Flat ground</source>
        <translation>平地</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>備註</translation>
    </message>
</context>
<context>
    <name>QAboutTivraDlg</name>
    <message>
        <source>About Tivra Wattsight</source>
        <translation>關於Tivra Wattsight</translation>
    </message>
    <message>
        <source>Software Name:</source>
        <translation>軟體名稱：</translation>
    </message>
    <message>
        <source>Software version number:</source>
        <translation>軟體版本號：</translation>
    </message>
</context>
<context>
    <name>QAlertTexts</name>
    <message>
        <source>the link</source>
        <translation>通訊鏈路</translation>
    </message>
    <message>
        <source>inverter %1</source>
        <translation>逆變器 %1</translation>
    </message>
    <message>
        <source>Input power (W)</source>
        <translation>輸入功率 (W)</translation>
    </message>
    <message>
        <source>Output power (W)</source>
        <translation>輸出功率 (W)</translation>
    </message>
    <message>
        <source>PV1 voltage (V)</source>
        <translation>PV1 電壓 (V)</translation>
    </message>
    <message>
        <source>PV1 current (A)</source>
        <translation>PV1 電流 (A)</translation>
    </message>
    <message>
        <source>PV2 voltage (V)</source>
        <translation>PV2 電壓 (V)</translation>
    </message>
    <message>
        <source>PV2 current (A)</source>
        <translation>PV2 電流 (A)</translation>
    </message>
    <message>
        <source>Temperature 1 (°C)</source>
        <translation>溫度 1 (°C)</translation>
    </message>
    <message>
        <source>Temperature 2 (°C)</source>
        <translation>溫度 2 (°C)</translation>
    </message>
    <message>
        <source>Grid frequency (Hz)</source>
        <translation>電網頻率 (Hz)</translation>
    </message>
    <message>
        <source>Grounding resistance</source>
        <translation>對地絕緣電阻</translation>
    </message>
    <message>
        <source>Leakage current</source>
        <translation>漏電流</translation>
    </message>
    <message>
        <source>%1 (address %2, %3)</source>
        <translation>%1（地址 %2，%3）</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小時 %2 分</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>Inverter: %1</source>
        <translation>逆變器：%1</translation>
    </message>
    <message>
        <source>Fault: %1</source>
        <translation>故障：%1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>說明：%1</translation>
    </message>
    <message>
        <source>Fault began on %1: %2</source>
        <translation>%1 故障開始：%2</translation>
    </message>
    <message>
        <source>Began: %1</source>
        <translation>開始：%1</translation>
    </message>
    <message>
        <source>Recorded values (now and the four readings before):</source>
        <translation>記錄的數值（當前及之前四次讀數）：</translation>
    </message>
    <message>
        <source>Fault ended on %1: %2</source>
        <translation>%1 故障結束：%2</translation>
    </message>
    <message>
        <source>Ended: %1</source>
        <translation>結束：%1</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 已離線</translation>
    </message>
    <message>
        <source>No answer on the bus since %1 (%2), in daylight.</source>
        <translation>自 %1 起匯流排上無應答（%2），在日照時段內。</translation>
    </message>
    <message>
        <source>%1 is back online</source>
        <translation>%1 已恢復在線</translation>
    </message>
    <message>
        <source>Answering again since %1, after %2 offline.</source>
        <translation>自 %1 起重新應答，離線 %2。</translation>
    </message>
    <message>
        <source>The link to the inverters is down</source>
        <translation>與逆變器的通訊鏈路中斷</translation>
    </message>
    <message>
        <source>The link has been down since %1 (%2).</source>
        <translation>通訊鏈路自 %1 起中斷（%2）。</translation>
    </message>
    <message>
        <source>Link status: %1</source>
        <translation>鏈路狀態：%1</translation>
    </message>
    <message>
        <source>The link to the inverters is back</source>
        <translation>與逆變器的通訊鏈路已恢復</translation>
    </message>
    <message>
        <source>The link is up again since %1, after %2 down.</source>
        <translation>通訊鏈路自 %1 起恢復，中斷 %2。</translation>
    </message>
    <message>
        <source>Daily summary %1</source>
        <translation>每日彙總 %1</translation>
    </message>
    <message>
        <source>Energy fed in on %1:</source>
        <translation>%1 的發電量：</translation>
    </message>
    <message>
        <source>not read today</source>
        <translation>今日未讀取</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Plant total: %1 kWh</source>
        <translation>電站合計：%1 kWh</translation>
    </message>
    <message>
        <source>Faults of the day:</source>
        <translation>當日故障：</translation>
    </message>
    <message>
        <source>none</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Inverters that did not produce:</source>
        <translation>未發電的逆變器：</translation>
    </message>
    <message>
        <source>Test mail</source>
        <translation>測試郵件</translation>
    </message>
    <message>
        <source>This test mail was sent at %1. Alerts of this plant reach this address.</source>
        <translation>此測試郵件發送於 %1。本電站的告警將發送到此地址。</translation>
    </message>
    <message>
        <source>Held back in the last hour (at most one mail of a kind an hour):</source>
        <translation>過去一小時內暫緩發送（同類郵件每小時最多一封）：</translation>
    </message>
    <message>
        <source>%1: alerts held back in the last hour (%2)</source>
        <translation>%1：過去一小時內暫緩的告警（%2）</translation>
    </message>
    <message>
        <source>fault began: %1</source>
        <translation>故障開始：%1</translation>
    </message>
    <message>
        <source>fault ended: %1</source>
        <translation>故障結束：%1</translation>
    </message>
    <message>
        <source>%1 back</source>
        <translation>%1 恢復</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 中斷</translation>
    </message>
</context>
<context>
    <name>QAlertsDlg</name>
    <message>
        <source>Alerts</source>
        <translation>告警郵件</translation>
    </message>
    <message>
        <source>Send alerts to:</source>
        <translation>告警發送至：</translation>
    </message>
    <message>
        <source>Mail when a fault begins and when it ends</source>
        <translation>故障開始和結束時發送郵件</translation>
    </message>
    <message>
        <source>Mail when an inverter is offline in daylight for more than</source>
        <translation>逆變器在日照時段離線超過</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分鐘時發送郵件</translation>
    </message>
    <message>
        <source>Mail when the link to the inverters is down for more than</source>
        <translation>與逆變器的通訊鏈路中斷超過</translation>
    </message>
    <message>
        <source>Mail a summary of the day after feed-in ends</source>
        <translation>每天發電結束後發送當日彙總</translation>
    </message>
    <message>
        <source>Send test mail</source>
        <translation>發送測試郵件</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Mails waiting to be sent: %1</source>
        <translation>等待發送的郵件：%1</translation>
    </message>
    <message>
        <source>The sun does not rise today.</source>
        <translation>今天太陽不升起。</translation>
    </message>
    <message>
        <source>The sun does not set today.</source>
        <translation>今天太陽不落下。</translation>
    </message>
    <message>
        <source>Daylight today: %1 to %2.</source>
        <translation>今日日照：%1 至 %2。</translation>
    </message>
    <message>
        <source>(From the plant&apos;s latitude and longitude.)</source>
        <translation>（根據電站的緯度和經度。）</translation>
    </message>
    <message>
        <source>(From the sunrise time and 18:00: give the plant its latitude and longitude for the sun&apos;s times.)</source>
        <translation>（根據日出時間和 18:00；設定電站的緯度和經度可得到實際日出日落時間。）</translation>
    </message>
    <message>
        <source>Information is incomplete!</source>
        <translation>資訊不完整！</translation>
    </message>
</context>
<context>
    <name>QAllFaultDlg</name>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Fault code</source>
        <translation>故障代碼</translation>
    </message>
    <message>
        <source>Time to failure</source>
        <translation>故障時間</translation>
    </message>
    <message>
        <source>Detail code</source>
        <translation>詳細代碼</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>讀取</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
</context>
<context>
    <name>QBusMonitorModel</name>
    <message>
        <source>model name</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>max output power</source>
        <translation>最大輸出功率</translation>
    </message>
    <message>
        <source>peak power</source>
        <translation>峰值功率</translation>
    </message>
    <message>
        <source>today&apos;s energy</source>
        <translation>今日電量</translation>
    </message>
    <message>
        <source>totals</source>
        <translation>累計值</translation>
    </message>
    <message>
        <source>status and faults</source>
        <translation>狀態和故障</translation>
    </message>
    <message>
        <source>voltages and currents</source>
        <translation>電壓和電流</translation>
    </message>
    <message>
        <source>live data</source>
        <translation>即時數據</translation>
    </message>
    <message>
        <source>write clock</source>
        <translation>寫入時鐘</translation>
    </message>
    <message>
        <source>write language</source>
        <translation>寫入語言</translation>
    </message>
    <message>
        <source>write monetary unit</source>
        <translation>寫入貨幣單位</translation>
    </message>
    <message>
        <source>write price</source>
        <translation>寫入電價</translation>
    </message>
    <message>
        <source>write max output power</source>
        <translation>寫入最大輸出功率</translation>
    </message>
    <message>
        <source>switch on or off</source>
        <translation>開機或關機</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>復位</translation>
    </message>
    <message>
        <source>factory reset</source>
        <translation>恢復出廠設定</translation>
    </message>
    <message>
        <source>user label</source>
        <translation>用戶標籤</translation>
    </message>
    <message>
        <source>write user label</source>
        <translation>寫入用戶標籤</translation>
    </message>
    <message>
        <source>clear statistics</source>
        <translation>清除統計</translation>
    </message>
    <message>
        <source>write tariff period</source>
        <translation>寫入電價時段</translation>
    </message>
    <message>
        <source>write password</source>
        <translation>寫入密碼</translation>
    </message>
    <message>
        <source>inverter statistics</source>
        <translation>逆變器統計</translation>
    </message>
    <message>
        <source>inverter information</source>
        <translation>逆變器資訊</translation>
    </message>
    <message>
        <source>fault memory</source>
        <translation>故障記錄</translation>
    </message>
    <message>
        <source>raw read</source>
        <translation>暫存器讀取</translation>
    </message>
    <message>
        <source>protection points</source>
        <translation>保護點</translation>
    </message>
    <message>
        <source>raw write</source>
        <translation>暫存器寫入</translation>
    </message>
    <message>
        <source>search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>logon</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>logoff</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>box serial number</source>
        <translation>匯流箱序號</translation>
    </message>
    <message>
        <source>box description</source>
        <translation>匯流箱描述</translation>
    </message>
    <message>
        <source>box production date</source>
        <translation>匯流箱生產日期</translation>
    </message>
    <message>
        <source>box voltages</source>
        <translation>匯流箱電壓</translation>
    </message>
    <message>
        <source>box currents</source>
        <translation>匯流箱電流</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能碼</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>暫存器</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>數量</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代碼</translation>
    </message>
    <message>
        <source>What</source>
        <translation>內容</translation>
    </message>
    <message>
        <source>Reply ms</source>
        <translation>應答 ms</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>位元組</translation>
    </message>
    <message>
        <source>daily statistics</source>
        <translation>日統計</translation>
    </message>
    <message>
        <source>monthly statistics</source>
        <translation>月統計</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>已發送</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>已應答</translation>
    </message>
    <message>
        <source>error reply %1</source>
        <translation>錯誤應答 %1</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>逾時</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>CRC 錯誤</translation>
    </message>
    <message>
        <source>rejected: not matching</source>
        <translation>已拒絕：不匹配</translation>
    </message>
</context>
<context>
    <name>QBusMonitorWindow</name>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>逆變器</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>請求</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>應答</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>逾時</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Mean reply (ms)</source>
        <translation>平均應答 (ms)</translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation>匯流排監視器</translation>
    </message>
    <message>
        <source>Bus monitor: every frame on the bus, newest last (at most %1 rows)</source>
        <translation>匯流排監視器：匯流排上的每一幀，最新的在最後（最多 %1 行）</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>儲存 CSV</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>位址：</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>所有位址</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>位址 %1</translation>
    </message>
    <message>
        <source>Address %1 (%2)</source>
        <translation>位址 %1（%2）</translation>
    </message>
</context>
<context>
    <name>QDataDlg</name>
    <message>
        <source>Hangzhou, China</source>
        <translation>中國杭州</translation>
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
        <translation>時段T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>時段T2</translation>
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
        <translation>生產日期</translation>
    </message>
    <message>
        <source>Man place</source>
        <translation>生產地</translation>
    </message>
    <message>
        <source>485 addr</source>
        <translation>485位址</translation>
    </message>
    <message>
        <source>LED language</source>
        <translation>顯示語言</translation>
    </message>
    <message>
        <source>Cash name</source>
        <translation>貨幣</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>電價</translation>
    </message>
    <message>
        <source>User label</source>
        <translation>使用者標籤</translation>
    </message>
    <message>
        <source>Period T1</source>
        <translation>時段T1</translation>
    </message>
    <message>
        <source>Period T2</source>
        <translation>時段T2</translation>
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
        <translation>歷史峰值功率</translation>
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
        <translation>工作時間</translation>
    </message>
    <message>
        <source>Grid time</source>
        <translation>併網時間</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>發電量</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>收益</translation>
    </message>
    <message>
        <source>Co2</source>
        <translation>CO2減排</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>內容</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Other items</source>
        <translation>其他項目</translation>
    </message>
    <message>
        <source>Read All</source>
        <translation>全部讀取</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
</context>
<context>
    <name>QE_Mail</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>聯絡我們</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>主題：</translation>
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
        <translation>新增附件</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Information is incomplete!Mail will not be successful!</source>
        <translation>資訊不完整！郵件將無法傳送成功！</translation>
    </message>
    <message>
        <source>The file has been added!</source>
        <translation>該檔案已新增！</translation>
    </message>
    <message>
        <source>Get Files</source>
        <translation>選擇檔案</translation>
    </message>
    <message>
        <source>Information is incomplete!</source>
        <translation>資訊不完整！</translation>
    </message>
    <message>
        <source>Send success!</source>
        <translation>傳送成功！</translation>
    </message>
    <message>
        <source>Failed to connect to server!</source>
        <translation>連線伺服器失敗！</translation>
    </message>
    <message>
        <source>Failed to send message!</source>
        <translation>傳送郵件失敗！</translation>
    </message>
    <message>
        <source>Failed to connect to server: its certificate could not be verified!</source>
        <translation>連線伺服器失敗：無法驗證其憑證！</translation>
    </message>
    <message>
        <source>Failed to connect to server: no encrypted connection could be made!</source>
        <translation>連線伺服器失敗：無法建立加密連線！</translation>
    </message>
</context>
<context>
    <name>QFaultDlg</name>
    <message>
        <source>No.</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Tack1 voltage</source>
        <translation>組串1電壓</translation>
    </message>
    <message>
        <source>Tack1 current</source>
        <translation>組串1電流</translation>
    </message>
    <message>
        <source>Tack2 voltage</source>
        <translation>組串2電壓</translation>
    </message>
    <message>
        <source>Tack2 current</source>
        <translation>組串2電流</translation>
    </message>
    <message>
        <source>Input power</source>
        <translation>輸入功率</translation>
    </message>
    <message>
        <source>Output power</source>
        <translation>輸出功率</translation>
    </message>
    <message>
        <source>Temperature1</source>
        <translation>溫度1</translation>
    </message>
    <message>
        <source>Temperature2</source>
        <translation>溫度2</translation>
    </message>
    <message>
        <source>Grounding resistance</source>
        <translation>對地絕緣電阻</translation>
    </message>
    <message>
        <source>Leakage current</source>
        <translation>漏電流</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>逆變器名稱：</translation>
    </message>
    <message>
        <source>Inverter Address:</source>
        <translation>逆變器位址：</translation>
    </message>
    <message>
        <source>Fault Code:</source>
        <translation>故障代碼：</translation>
    </message>
    <message>
        <source>Fault Name:</source>
        <translation>故障名稱：</translation>
    </message>
    <message>
        <source>Failure Time:</source>
        <translation>故障時間：</translation>
    </message>
    <message>
        <source>Fault details</source>
        <translation>故障詳情</translation>
    </message>
    <message>
        <source>Fault data recording:</source>
        <translation>故障資料記錄：</translation>
    </message>
</context>
<context>
    <name>QFaultListWidget</name>
    <message>
        <source>Quantity: </source>
        <translation>數量：</translation>
    </message>
    <message>
        <source>Inverters in failure</source>
        <translation>故障逆變器</translation>
    </message>
</context>
<context>
    <name>QFindInverterDlg</name>
    <message>
        <source>   search</source>
        <translation>   搜尋中</translation>
    </message>
    <message>
        <source>   find</source>
        <translation>   已找到</translation>
    </message>
    <message>
        <source>   timeout</source>
        <translation>   逾時</translation>
    </message>
    <message>
        <source>Search inverter</source>
        <translation>搜尋逆變器</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>起始：</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>結束：</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>目前：</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>位址：</translation>
    </message>
    <message>
        <source>Address is wrong!</source>
        <translation>位址錯誤！</translation>
    </message>
    <message>
        <source>Add Inverter Fialed! Name or address have been used!</source>
        <translation>新增逆變器失敗！名稱或位址已被使用！</translation>
    </message>
</context>
<context>
    <name>QFindInverterItem</name>
    <message>
        <source>Addr.:%03d</source>
        <translation>位址：%03d</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>逆變器名稱不能為空！</translation>
    </message>
</context>
<context>
    <name>QGenerationPagePainter</name>
    <message>
        <source>All Inverter Generation</source>
        <translation>全部逆變器發電量</translation>
    </message>
    <message>
        <source>Inverter Generation</source>
        <translation>逆變器發電量</translation>
    </message>
    <message>
        <source>All Inverter</source>
        <translation>全部逆變器</translation>
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
        <translation>發電量</translation>
    </message>
    <message>
        <source>Benefits</source>
        <translation>收益</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>合計：</translation>
    </message>
</context>
<context>
    <name>QInstructionsDlg</name>
    <message>
        <source>About KOVA</source>
        <translation>關於KOVA</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>公司名稱：</translation>
    </message>
    <message>
        <source>Headquarters Address:</source>
        <translation>總部地址：</translation>
    </message>
    <message>
        <source>Sales Hotline:</source>
        <translation>銷售專線：</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>網址：</translation>
    </message>
    <message>
        <source>Zip Code:</source>
        <translation>郵遞區號：</translation>
    </message>
    <message>
        <source>Service Hotline:</source>
        <translation>服務專線：</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>電子郵件：</translation>
    </message>
</context>
<context>
    <name>QInverter</name>
    <message>
        <source>Already connected!</source>
        <translation>已連線！</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>中斷</translation>
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
        <translation>   更改逆變器名稱。</translation>
    </message>
    <message>
        <source>      The original name:</source>
        <translation>      原名稱：</translation>
    </message>
    <message>
        <source>      The current name:</source>
        <translation>      現名稱：</translation>
    </message>
    <message>
        <source>   Communication status change.</source>
        <translation>   通訊狀態改變。</translation>
    </message>
    <message>
        <source>      Inverter </source>
        <translation>      逆變器</translation>
    </message>
    <message>
        <source>   Fault began!</source>
        <translation>   故障開始！</translation>
    </message>
    <message>
        <source>      The fault code: </source>
        <translation>      故障代碼：</translation>
    </message>
    <message>
        <source>   Fault end!</source>
        <translation>   故障結束！</translation>
    </message>
    <message>
        <source>   Inverter add to the system!</source>
        <translation>   逆變器加入系統！</translation>
    </message>
    <message>
        <source>   Inverter status change!</source>
        <translation>   逆變器狀態改變！</translation>
    </message>
    <message>
        <source> to </source>
        <translation> 變為 </translation>
    </message>
    <message>
        <source>   Setting time of inverter!</source>
        <translation>   設定逆變器時間！</translation>
    </message>
    <message>
        <source>   Setting the language of inverter!</source>
        <translation>   設定逆變器語言！</translation>
    </message>
    <message>
        <source>   Setting the monetary unit of inverter!</source>
        <translation>   設定逆變器貨幣單位！</translation>
    </message>
    <message>
        <source>   Setting the price!</source>
        <translation>   設定電價！</translation>
    </message>
    <message>
        <source>   Setting the max output power!</source>
        <translation>   設定最大輸出功率！</translation>
    </message>
    <message>
        <source>   Setting the user label!</source>
        <translation>   設定使用者標籤！</translation>
    </message>
    <message>
        <source>,Tivra Wattsight:</source>
        <translation>,Tivra Wattsight:</translation>
    </message>
    <message>
        <source>   Command not delivered!</source>
        <translation>   命令未送達！</translation>
    </message>
    <message>
        <source>Set the inverter&apos;s clock</source>
        <translation>設置逆變器時鐘</translation>
    </message>
    <message>
        <source>Set the inverter&apos;s language</source>
        <translation>設置逆變器語言</translation>
    </message>
    <message>
        <source>Set the monetary unit</source>
        <translation>設置貨幣單位</translation>
    </message>
    <message>
        <source>Set the price</source>
        <translation>設置電價</translation>
    </message>
    <message>
        <source>Set the max output power</source>
        <translation>設置最大輸出功率</translation>
    </message>
    <message>
        <source>Switch on or off</source>
        <translation>開機或關機</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>復位</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>恢復出廠設置</translation>
    </message>
    <message>
        <source>Set the user label</source>
        <translation>設置用戶標籤</translation>
    </message>
    <message>
        <source>Clear the statistics</source>
        <translation>清除統計數據</translation>
    </message>
    <message>
        <source>Set tariff period 1</source>
        <translation>設置電價時段1</translation>
    </message>
    <message>
        <source>Set tariff period 2</source>
        <translation>設置電價時段2</translation>
    </message>
    <message>
        <source>Set the inverter password</source>
        <translation>設置逆變器密碼</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>登錄</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>註銷</translation>
    </message>
    <message>
        <source>Write %1 registers from %2</source>
        <translation>從 %2 起寫 %1 個寄存器</translation>
    </message>
    <message>
        <source>Read %1 registers from %2</source>
        <translation>從 %2 起讀 %1 個寄存器</translation>
    </message>
</context>
<context>
    <name>QInverterLogonDlg</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>PassWord: </source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The password must be a number from 0 to 65535!</source>
        <translation>密碼必須是0到65535之間的數字！</translation>
    </message>
</context>
<context>
    <name>QInverterRecorder</name>
    <message>
        <source>the fault record could not be appended</source>
        <translation>無法追加故障記錄</translation>
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
        <translation>英語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>義大利語</translation>
    </message>
    <message>
        <source>CNY</source>
        <translation>人民幣</translation>
    </message>
    <message>
        <source>USD</source>
        <translation>美元</translation>
    </message>
    <message>
        <source>GBP</source>
        <translation>英鎊</translation>
    </message>
    <message>
        <source>EUR</source>
        <translation>歐元</translation>
    </message>
    <message>
        <source>AUD</source>
        <translation>澳元</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>逆變器</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>維護</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>逆變器名稱：</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>本機時間</translation>
    </message>
    <message>
        <source>Inverter time:</source>
        <translation>逆變器時間：</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>Monetary unit:</source>
        <translation>貨幣單位：</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>電價：</translation>
    </message>
    <message>
        <source>User label:</source>
        <translation>使用者標籤：</translation>
    </message>
    <message>
        <source>Max output power(%):</source>
        <translation>最大輸出功率(%)：</translation>
    </message>
    <message>
        <source>Logon state:</source>
        <translation>登入狀態：</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation>設定密碼</translation>
    </message>
    <message>
        <source>Set T1</source>
        <translation>設定T1</translation>
    </message>
    <message>
        <source>All data</source>
        <translation>全部資料</translation>
    </message>
    <message>
        <source>All fault</source>
        <translation>全部故障</translation>
    </message>
    <message>
        <source>Pro-point</source>
        <translation>保護點</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>讀取</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>開/關機</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Clear-stati</source>
        <translation>清除統計</translation>
    </message>
    <message>
        <source>Fac-Reset</source>
        <translation>恢復原廠</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>寫入</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Logged in</source>
        <translation>已登入</translation>
    </message>
    <message>
        <source>No login</source>
        <translation>未登入</translation>
    </message>
    <message>
        <source>No password</source>
        <translation>無密碼</translation>
    </message>
    <message>
        <source>The inverter is offline!</source>
        <translation>逆變器離線！</translation>
    </message>
    <message>
        <source>You need to enter the password of the inverter!</source>
        <translation>請先輸入逆變器的密碼！</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>逆變器名稱不能為空！</translation>
    </message>
    <message>
        <source>The name is used by another inverter!</source>
        <translation>該名稱已被其他逆變器使用！</translation>
    </message>
    <message>
        <source>The files of the inverter cannot move to this name!</source>
        <translation>逆變器的檔案無法移到該名稱下！</translation>
    </message>
    <message>
        <source>Successfully saved!</source>
        <translation>儲存成功！</translation>
    </message>
    <message>
        <source>Failed to set the price!</source>
        <translation>電價設定失敗！</translation>
    </message>
    <message>
        <source>Failed to set the max output power!</source>
        <translation>最大輸出功率設定失敗！</translation>
    </message>
    <message>
        <source>Switch on the inverter %1? It starts feeding into the grid.</source>
        <translation>開啟逆變器%1？它將開始向電網送電。</translation>
    </message>
    <message>
        <source>Switch off the inverter %1? It stops feeding into the grid.</source>
        <translation>關閉逆變器%1？它將停止向電網送電。</translation>
    </message>
    <message>
        <source>Restart the inverter %1? It stops feeding in until its self-test is over.</source>
        <translation>重新啟動逆變器%1？自檢結束前它將停止送電。</translation>
    </message>
    <message>
        <source>Reset the inverter %1 to its factory settings? Its settings, password and clock are lost.</source>
        <translation>將逆變器%1恢復原廠設定？其設定、密碼和時鐘將遺失。</translation>
    </message>
    <message>
        <source>Clear the statistics of the inverter %1? Its daily, monthly and peak values are erased.</source>
        <translation>清除逆變器%1的統計？其每日、每月和峰值資料將被刪除。</translation>
    </message>
</context>
<context>
    <name>QMaintenanceDlg</name>
    <message>
        <source>Inverter %1, address %2</source>
        <translation>逆變器%1，位址%2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>CSV File(*.csv)</source>
        <translation>CSV檔案(*.csv)</translation>
    </message>
    <message>
        <source>Successfully saved!</source>
        <translation>儲存成功！</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>儲存失敗！</translation>
    </message>
</context>
<context>
    <name>QMiscellaneousDlg</name>
    <message>
        <source>Set electricity price</source>
        <translation>電價設定</translation>
    </message>
    <message>
        <source>Currency Unit:</source>
        <translation>貨幣單位：</translation>
    </message>
    <message>
        <source>Unit price(/kWh):</source>
        <translation>單價(/kWh)：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The price is too high!</source>
        <translation>電價太高！</translation>
    </message>
</context>
<context>
    <name>QMyColorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Select a colour</source>
        <translation>選擇顏色</translation>
    </message>
</context>
<context>
    <name>QOutputPane</name>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
</context>
<context>
    <name>QOutputTrend</name>
    <message>
        <source>Output power curve</source>
        <translation>輸出功率曲線</translation>
    </message>
</context>
<context>
    <name>QPlantPublisher</name>
    <message>
        <source>Publishing is off.</source>
        <translation>發佈已關閉。</translation>
    </message>
    <message>
        <source>Publishing stopped.</source>
        <translation>發佈已停止。</translation>
    </message>
    <message>
        <source>No broker is set.</source>
        <translation>未設定代理伺服器。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: energies start again from what the inverters report.</source>
        <translation>無法讀取檔案 %1：電量將從逆變器回報的數值重新開始。</translation>
    </message>
    <message>
        <source>Publishing to the broker %1 under %2.</source>
        <translation>正在向代理伺服器 %1 發佈，主題前綴 %2。</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>正在連線 %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>無法寫入檔案 %1。</translation>
    </message>
    <message>
        <source>Connected to the broker %1.</source>
        <translation>已連線到代理伺服器 %1。</translation>
    </message>
    <message>
        <source>The broker %1 refused the user name or password.</source>
        <translation>代理伺服器 %1 拒絕了使用者名稱或密碼。</translation>
    </message>
    <message>
        <source>The broker %1 refused the connection: %2</source>
        <translation>代理伺服器 %1 拒絕了連線：%2</translation>
    </message>
    <message>
        <source>No secure connection to the broker %1: %2</source>
        <translation>無法與代理伺服器 %1 建立安全連線：%2</translation>
    </message>
    <message>
        <source>Cannot connect to the broker %1: %2</source>
        <translation>無法連線代理伺服器 %1：%2</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>已連線到 %1。</translation>
    </message>
    <message>
        <source>Next attempt in %1 s.</source>
        <translation>%1 秒後重試。</translation>
    </message>
    <message>
        <source>The connection to the broker %1 was lost (%2); connecting again.</source>
        <translation>與代理伺服器 %1 的連線已中斷（%2），正在重新連線。</translation>
    </message>
</context>
<context>
    <name>QProgressDlg</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Sending attachments...</source>
        <translation>正在傳送附件……</translation>
    </message>
</context>
<context>
    <name>QProtectPoint</name>
    <message>
        <source>Undervoltage protection1</source>
        <translation>欠壓保護1</translation>
    </message>
    <message>
        <source>Undervoltage protection1 delay</source>
        <translation>欠壓保護1延時</translation>
    </message>
    <message>
        <source>Undervoltage protection2</source>
        <translation>欠壓保護2</translation>
    </message>
    <message>
        <source>Undervoltage protection2 delay</source>
        <translation>欠壓保護2延時</translation>
    </message>
    <message>
        <source>Overvoltage protection1</source>
        <translation>過壓保護1</translation>
    </message>
    <message>
        <source>Overvoltage protection1 delay</source>
        <translation>過壓保護1延時</translation>
    </message>
    <message>
        <source>Overvoltage protection2</source>
        <translation>過壓保護2</translation>
    </message>
    <message>
        <source>Overvoltage protection2 delay</source>
        <translation>過壓保護2延時</translation>
    </message>
    <message>
        <source>Under frequency protection1</source>
        <translation>欠頻保護1</translation>
    </message>
    <message>
        <source>Under frequency protection1 delay</source>
        <translation>欠頻保護1延時</translation>
    </message>
    <message>
        <source>Under frequency protection2</source>
        <translation>欠頻保護2</translation>
    </message>
    <message>
        <source>Under frequency protection2 delay</source>
        <translation>欠頻保護2延時</translation>
    </message>
    <message>
        <source>Over frequency protection1</source>
        <translation>過頻保護1</translation>
    </message>
    <message>
        <source>Over frequency protection1 delay</source>
        <translation>過頻保護1延時</translation>
    </message>
    <message>
        <source>Over frequency protection2</source>
        <translation>過頻保護2</translation>
    </message>
    <message>
        <source>Over frequency protection2 delay</source>
        <translation>過頻保護2延時</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>數值</translation>
    </message>
</context>
<context>
    <name>QPublishSettings</name>
    <message>
        <source>The topic prefix is empty.</source>
        <translation>主題前綴為空。</translation>
    </message>
    <message>
        <source>A topic prefix may not contain &apos;+&apos; or &apos;#&apos;.</source>
        <translation>主題前綴不能包含「+」或「#」。</translation>
    </message>
    <message>
        <source>A topic prefix may not begin with &apos;$&apos;.</source>
        <translation>主題前綴不能以「$」開頭。</translation>
    </message>
    <message>
        <source>The topic prefix is too long.</source>
        <translation>主題前綴過長。</translation>
    </message>
</context>
<context>
    <name>QReadDlg</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Return(hex):</source>
        <translation>回傳(十六進位)：</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>讀取</translation>
    </message>
</context>
<context>
    <name>QRegisterDlg</name>
    <message>
        <source>Address(hex):</source>
        <translation>位址(十六進位)：</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>長度：</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Address illegal</source>
        <translation>位址不合法</translation>
    </message>
    <message>
        <source>Length must be between 20 and1</source>
        <translation>長度必須在1到20之間</translation>
    </message>
</context>
<context>
    <name>QReportOutput</name>
    <message>
        <source>Successfully saved!</source>
        <translation>儲存成功！</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>儲存失敗！</translation>
    </message>
</context>
<context>
    <name>QSaveDialog</name>
    <message>
        <source>System information</source>
        <translation>系統資訊</translation>
    </message>
    <message>
        <source>Inverter information</source>
        <translation>逆變器資訊</translation>
    </message>
    <message>
        <source>System generation</source>
        <translation>系統發電量</translation>
    </message>
    <message>
        <source>Inverter generation</source>
        <translation>逆變器發電量</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Save and print</source>
        <translation>儲存與列印</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>選擇：</translation>
    </message>
    <message>
        <source>Inverter:</source>
        <translation>逆變器：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時間：</translation>
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
        <translation>儲存到：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名稱：</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>儲存為：</translation>
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
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save path</source>
        <translation>儲存路徑</translation>
    </message>
    <message>
        <source>File name cann&apos;t be empty!</source>
        <translation>檔名不能為空！</translation>
    </message>
</context>
<context>
    <name>QSetCommunicateDlg</name>
    <message>
        <source>Set communicate information</source>
        <translation>通訊設定</translation>
    </message>
    <message>
        <source>Serial communication settings</source>
        <translation>序列埠通訊設定</translation>
    </message>
    <message>
        <source>Ethernet communication settings</source>
        <translation>乙太網路通訊設定</translation>
    </message>
    <message>
        <source>GPRS communication settings</source>
        <translation>GPRS通訊設定</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>序列埠號：</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>鮑率：</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP位址：</translation>
    </message>
    <message>
        <source>Port number:</source>
        <translation>連接埠號：</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The IP address is not complete!</source>
        <translation>IP位址不完整！</translation>
    </message>
    <message>
        <source>The port number must be from 1 to 65535!</source>
        <translation>連接埠號必須在1到65535之間！</translation>
    </message>
</context>
<context>
    <name>QSetInverterPassDlg</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>New key:</source>
        <translation>新密碼：</translation>
    </message>
    <message>
        <source>Confirm key:</source>
        <translation>確認密碼：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>New password can not be empty!</source>
        <translation>新密碼不能為空！</translation>
    </message>
    <message>
        <source>Two entered passwords do not match!</source>
        <translation>兩次輸入的密碼不一致！</translation>
    </message>
    <message>
        <source>The password must be a number from 0 to 65535!</source>
        <translation>密碼必須是0到65535之間的數字！</translation>
    </message>
</context>
<context>
    <name>QSetInverterTdlg</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Start time:</source>
        <translation>開始時間：</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>結束時間：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Time setting error!</source>
        <translation>時間設定錯誤！</translation>
    </message>
</context>
<context>
    <name>QSetMailDlg</name>
    <message>
        <source>Edit mail information</source>
        <translation>郵件設定</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>伺服器：</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>使用者名稱：</translation>
    </message>
    <message>
        <source>Pass Word:</source>
        <translation>密碼：</translation>
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
        <translation>儲存</translation>
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
        <translation>密碼設定</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>使用者名稱：</translation>
    </message>
    <message>
        <source>Existing key:</source>
        <translation>原密碼：</translation>
    </message>
    <message>
        <source>New key:</source>
        <translation>新密碼：</translation>
    </message>
    <message>
        <source>Confirm key:</source>
        <translation>確認密碼：</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>管理員</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>密碼不正確！</translation>
    </message>
    <message>
        <source>New password can not be empty!</source>
        <translation>新密碼不能為空！</translation>
    </message>
    <message>
        <source>Two entered passwords do not match!</source>
        <translation>兩次輸入的密碼不一致！</translation>
    </message>
</context>
<context>
    <name>QSetPublishDlg</name>
    <message>
        <source>Publishing</source>
        <translation>發佈資料</translation>
    </message>
    <message>
        <source>Publish the plant&apos;s data to an MQTT broker</source>
        <translation>將電站資料發佈到 MQTT 代理伺服器</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>代理伺服器：</translation>
    </message>
    <message>
        <source>host name or IP address</source>
        <translation>主機名稱或 IP 位址</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>連接埠：</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>使用者名稱：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Secure connection (TLS)</source>
        <translation>安全連線（TLS）</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA 憑證檔案：</translation>
    </message>
    <message>
        <source>the system&apos;s certificate authorities</source>
        <translation>系統的憑證授權單位</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Topic prefix:</source>
        <translation>主題前綴：</translation>
    </message>
    <message>
        <source>Announce the devices to home automation (discovery)</source>
        <translation>向家庭自動化系統公佈裝置（自動探索）</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>測試連線</translation>
    </message>
    <message>
        <source>Publishing log:</source>
        <translation>發佈日誌：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enter the broker&apos;s host name or address.</source>
        <translation>請輸入代理伺服器的主機名稱或位址。</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>狀態：</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>正在測試連線...</translation>
    </message>
    <message>
        <source>CA file</source>
        <translation>CA 憑證檔案</translation>
    </message>
    <message>
        <source>Certificates (*.crt *.pem);;All files (*)</source>
        <translation>憑證 (*.crt *.pem);;所有檔案 (*)</translation>
    </message>
</context>
<context>
    <name>QTrendSetDlg</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Trend settings</source>
        <translation>曲線設定</translation>
    </message>
    <message>
        <source>Input Power:</source>
        <translation>輸入功率：</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>輸出功率：</translation>
    </message>
    <message>
        <source>Energy:</source>
        <translation>發電量：</translation>
    </message>
    <message>
        <source>The maximum Y-axis:</source>
        <translation>Y軸最大值：</translation>
    </message>
    <message>
        <source>Time axis:</source>
        <translation>時間軸：</translation>
    </message>
    <message>
        <source>Restore default settings</source>
        <translation>恢復預設設定</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10分鐘</translation>
    </message>
    <message>
        <source>100 minutes</source>
        <translation>100分鐘</translation>
    </message>
    <message>
        <source>10 hours</source>
        <translation>10小時</translation>
    </message>
    <message>
        <source>20 hours</source>
        <translation>20小時</translation>
    </message>
</context>
<context>
    <name>QWriteDlg</name>
    <message>
        <source>Dialog</source>
        <translation>對話框</translation>
    </message>
    <message>
        <source>Send Buffer(hex):</source>
        <translation>傳送資料(十六進位)：</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>寫入</translation>
    </message>
    <message>
        <source>Data cannot be empty</source>
        <translation>資料不能為空</translation>
    </message>
    <message>
        <source>Insufficient data will be padded with 0</source>
        <translation>資料不足，將以0補齊</translation>
    </message>
    <message>
        <source>Excess data will be discarded</source>
        <translation>多餘的資料將被捨棄</translation>
    </message>
    <message>
        <source>Write %1 registers from %2 of the inverter %3?</source>
        <translation>向逆變器%3寫入從%2開始的%1個暫存器？</translation>
    </message>
</context>
<context>
    <name>QtMyTree</name>
    <message>
        <source>Single phase inverter</source>
        <translation>單相逆變器</translation>
    </message>
    <message>
        <source>Three phase inverter</source>
        <translation>三相逆變器</translation>
    </message>
</context>
<context>
    <name>SetBeginTimeDlg</name>
    <message>
        <source>Set sunrise time</source>
        <translation>日出時間設定</translation>
    </message>
    <message>
        <source>Sunrise time:</source>
        <translation>日出時間：</translation>
    </message>
    <message>
        <source>The hour from which the day&apos;s curves are drawn, 0 to 9.</source>
        <translation>當天曲線從該整點開始繪製，0到9。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
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
        <translation>太陽能電池資訊設定</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>製造商：</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型號：</translation>
    </message>
    <message>
        <source>Component type:</source>
        <translation>組件類型：</translation>
    </message>
    <message>
        <source>Component Power:</source>
        <translation>組件功率：</translation>
    </message>
    <message>
        <source>Quantity(pcs):</source>
        <translation>數量(塊)：</translation>
    </message>
    <message>
        <source>Total power(W):</source>
        <translation>總功率(W)：</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>方位角：</translation>
    </message>
    <message>
        <source>Tilt angle:</source>
        <translation>傾角：</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>確定</translation>
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
        <translation>系統資訊設定</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>系統名稱：</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>國家：</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>城市：</translation>
    </message>
    <message>
        <source>Installation:</source>
        <translation>安裝方式：</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>緯度：</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>經度：</translation>
    </message>
    <message>
        <source>Sloping roof</source>
        <translation>斜屋頂</translation>
    </message>
    <message>
        <source>Flat roof</source>
        <translation>平屋頂</translation>
    </message>
    <message>
        <source>Flat ground</source>
        <translation>平地</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Do you want to save the changes?</source>
        <translation>是否儲存修改？</translation>
    </message>
    <message>
        <source>The name is too long!</source>
        <translation>名稱太長！</translation>
    </message>
    <message>
        <source>Longitude and Latitude must in [-180,180]!</source>
        <translation>經度和緯度必須在[-180,180]之間！</translation>
    </message>
</context>
</TS>
