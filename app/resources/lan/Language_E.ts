<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="en">
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
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Add New Inverter</source>
        <translation>Add New Inverter</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>Inverter Name:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Single-phase</source>
        <translation>Single-phase</translation>
    </message>
    <message>
        <source>Three-phase</source>
        <translation>Three-phase</translation>
    </message>
    <message>
        <source>Analog signal</source>
        <translation>Analog signal</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>Inverter name cannot be empty!</translation>
    </message>
    <message>
        <source>Address illegal!Must between 1 to 247!</source>
        <translation>Address illegal!Must between 1 to 247!</translation>
    </message>
    <message>
        <source>Add Inverter Fialed!Name or address have been used!</source>
        <translation>Add Inverter Fialed!Name or address have been used!</translation>
    </message>
</context>
<context>
    <name>DlgEditRemark</name>
    <message>
        <source>Edit the system description</source>
        <translation>Edit the system description</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The string is too long!Can not display all the string!</source>
        <translation>The string is too long!Can not display all the string!</translation>
    </message>
</context>
<context>
    <name>DlgSetGrid</name>
    <message>
        <source>Set public grid information</source>
        <translation>Set public grid information</translation>
    </message>
    <message>
        <source>1-ph AC wiring:</source>
        <translation>1-ph AC wiring:</translation>
    </message>
    <message>
        <source>3-ph AC wiring:</source>
        <translation>3-ph AC wiring:</translation>
    </message>
    <message>
        <source>Rated voltage(Vac):</source>
        <translation>Rated voltage(Vac):</translation>
    </message>
    <message>
        <source>Rated frequency(Hz):</source>
        <translation>Rated frequency(Hz):</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Set Inverter Information</translation>
    </message>
    <message>
        <source>Manufacture:</source>
        <translation>Manufacture:</translation>
    </message>
    <message>
        <source>1-ph model:</source>
        <translation>1-ph model:</translation>
    </message>
    <message>
        <source>1-ph output power:</source>
        <translation>1-ph output power:</translation>
    </message>
    <message>
        <source>3-ph model:</source>
        <translation>3-ph model:</translation>
    </message>
    <message>
        <source>3-ph output power:</source>
        <translation>3-ph output power:</translation>
    </message>
    <message>
        <source>KOVA</source>
        <translation>KOVA</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Self-test</source>
        <translation>Self-test</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Shutdown</translation>
    </message>
    <message>
        <source>Enter the illegal instruction!</source>
        <translation>Enter the illegal instruction!</translation>
    </message>
    <message>
        <source>The data address is illegal!</source>
        <translation>The data address is illegal!</translation>
    </message>
    <message>
        <source>Data value is illegal!</source>
        <translation>Data value is illegal!</translation>
    </message>
    <message>
        <source>The operation failed!</source>
        <translation>The operation failed!</translation>
    </message>
    <message>
        <source>Password is incorrect!</source>
        <translation>Password is incorrect!</translation>
    </message>
    <message>
        <source>Data frame error!</source>
        <translation>Data frame error!</translation>
    </message>
    <message>
        <source>Parameter is read-only!</source>
        <translation>Parameter is read-only!</translation>
    </message>
    <message>
        <source>Parameters of the operation can not be change!</source>
        <translation>Parameters of the operation can not be change!</translation>
    </message>
    <message>
        <source>Password protection!</source>
        <translation>Password protection!</translation>
    </message>
    <message>
        <source>Length error!</source>
        <translation>Length error!</translation>
    </message>
    <message>
        <source>You do not have permission to do this!</source>
        <translation>You do not have permission to do this!</translation>
    </message>
    <message>
        <source>Open the serial port failure!</source>
        <translation>Open the serial port failure!</translation>
    </message>
    <message>
        <source>(9600,8,0,1) is open!</source>
        <translation>(9600,8,0,1) is open!</translation>
    </message>
    <message>
        <source>Close the serial port</source>
        <translation>Close the serial port</translation>
    </message>
    <message>
        <source>is closed!</source>
        <translation>is closed!</translation>
    </message>
    <message>
        <source>Open the serial port</source>
        <translation>Open the serial port</translation>
    </message>
    <message>
        <source>Failed to connect to server!</source>
        <translation>Failed to connect to server!</translation>
    </message>
    <message>
        <source>On-line!</source>
        <translation>On-line!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>not online!</source>
        <translation>not online!</translation>
    </message>
    <message>
        <source>Connect to server</source>
        <translation>Connect to server</translation>
    </message>
    <message>
        <source>Open GPRS server failed!</source>
        <translation>Open GPRS server failed!</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>Close GPRS server</source>
        <translation>Close GPRS server</translation>
    </message>
    <message>
        <source>waiting!</source>
        <translation>waiting!</translation>
    </message>
    <message>
        <source>GPRS server</source>
        <translation>GPRS server</translation>
    </message>
    <message>
        <source>Open server</source>
        <translation>Open server</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Operate</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Add new inverter</source>
        <translation>Add new inverter</translation>
    </message>
    <message>
        <source>Search inverter</source>
        <translation>Search inverter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Set communicate information</source>
        <translation>Set communicate information</translation>
    </message>
    <message>
        <source>Edit mail information</source>
        <translation>Edit mail information</translation>
    </message>
    <message>
        <source>Password setting</source>
        <translation>Password setting</translation>
    </message>
    <message>
        <source>Set electricity price</source>
        <translation>Set electricity price</translation>
    </message>
    <message>
        <source>Set system information</source>
        <translation>Set system information</translation>
    </message>
    <message>
        <source>Set system solar information</source>
        <translation>Set system solar information</translation>
    </message>
    <message>
        <source>Set inverter information</source>
        <translation>Set inverter information</translation>
    </message>
    <message>
        <source>Set public grid information</source>
        <translation>Set public grid information</translation>
    </message>
    <message>
        <source>Edit system description</source>
        <translation>Edit system description</translation>
    </message>
    <message>
        <source>Set sunrise time</source>
        <translation>Set sunrise time</translation>
    </message>
    <message>
        <source>About KOVA</source>
        <translation>About KOVA</translation>
    </message>
    <message>
        <source>About Tivra Wattsight</source>
        <translation>About Tivra Wattsight</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contact us</translation>
    </message>
    <message>
        <source>Operating instructions</source>
        <translation>Operating instructions</translation>
    </message>
    <message>
        <source>Current user:</source>
        <translation>Current user:</translation>
    </message>
    <message>
        <source>Logon duration:</source>
        <translation>Logon duration:</translation>
    </message>
    <message>
        <source>day</source>
        <translation>day</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>Streamline model</source>
        <translation>Streamline model</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Guest</translation>
    </message>
    <message>
        <source>Load analog data failed!</source>
        <translation>Load analog data failed!</translation>
    </message>
    <message>
        <source>Set successfully!</source>
        <translation>Set successfully!</translation>
    </message>
    <message>
        <source>The inverter is communication, are you sure you want to close?</source>
        <translation>The inverter is communication, are you sure you want to close?</translation>
    </message>
    <message>
        <source>The user manual cannot be opened!</source>
        <translation>The user manual cannot be opened!</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publishing</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alerts</translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation>Bus monitor</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>MiniWindow</name>
    <message>
        <source>Input Power:</source>
        <translation>Input Power:</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>Output Power:</translation>
    </message>
    <message>
        <source>Single Phase:</source>
        <translation>Single Phase:</translation>
    </message>
    <message>
        <source>Three Phase:</source>
        <translation>Three Phase:</translation>
    </message>
    <message>
        <source>CO2 Reduce:</source>
        <translation>CO2 Reduce:</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>Total gen.:</translation>
    </message>
    <message>
        <source>Benefits:</source>
        <translation>Benefits:</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>Today gen.:</translation>
    </message>
    <message>
        <source>Current User:</source>
        <translation>Current User:</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>System Data</translation>
    </message>
    <message>
        <source>Benefits</source>
        <translation>Benefits</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Stick</translation>
    </message>
    <message>
        <source>System failure!</source>
        <translation>System failure!</translation>
    </message>
    <message>
        <source>System uptime!</source>
        <translation>System uptime!</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Guest</translation>
    </message>
</context>
<context>
    <name>Page1</name>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Guest</translation>
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
        <translation>System failure!</translation>
    </message>
    <message>
        <source>System uptime!</source>
        <translation>System uptime!</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>Logon</translation>
    </message>
    <message>
        <source>User logon</source>
        <translation>User logon</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Plant overview</source>
        <translation>Plant overview</translation>
    </message>
    <message>
        <source>Input Power:</source>
        <translation>Input Power:</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>Output Power:</translation>
    </message>
    <message>
        <source>Single Phase:</source>
        <translation>Single Phase:</translation>
    </message>
    <message>
        <source>Three Phase:</source>
        <translation>Three Phase:</translation>
    </message>
    <message>
        <source>pcs</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>System Data</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>Total gen.:</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>Today gen.:</translation>
    </message>
    <message>
        <source>CO2 Reduce:</source>
        <translation>CO2 Reduce:</translation>
    </message>
    <message>
        <source>Benefits:</source>
        <translation>Benefits:</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Logout successful!</source>
        <translation>Logout successful!</translation>
    </message>
    <message>
        <source>Login failed!</source>
        <translation>Login failed!</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
</context>
<context>
    <name>Page2</name>
    <message>
        <source>Real-time</source>
        <translation>Real-time</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Historical</source>
        <translation>Historical</translation>
    </message>
    <message>
        <source>Technical</source>
        <translation>Technical</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Address: </source>
        <translation>Address: </translation>
    </message>
    <message>
        <source>Current time:</source>
        <translation>Current time:</translation>
    </message>
    <message>
        <source>Data Time:</source>
        <translation>Data Time:</translation>
    </message>
    <message>
        <source>User level is not enough!</source>
        <translation>User level is not enough!</translation>
    </message>
    <message>
        <source>Do you want to disconnect the inverter?</source>
        <translation>Do you want to disconnect the inverter?</translation>
    </message>
    <message>
        <source>Analog signal cannot be set!</source>
        <translation>Analog signal cannot be set!</translation>
    </message>
    <message>
        <source>Do you want to delete the inverter?</source>
        <translation>Do you want to delete the inverter?</translation>
    </message>
</context>
<context>
    <name>Page21</name>
    <message>
        <source>Track1 voltage:</source>
        <translation>Track1 voltage:</translation>
    </message>
    <message>
        <source>Track1 current:</source>
        <translation>Track1 current:</translation>
    </message>
    <message>
        <source>Track2 voltage:</source>
        <translation>Track2 voltage:</translation>
    </message>
    <message>
        <source>Track2 current:</source>
        <translation>Track2 current:</translation>
    </message>
    <message>
        <source>Input power:</source>
        <translation>Input power:</translation>
    </message>
    <message>
        <source>U voltage:</source>
        <translation>U voltage:</translation>
    </message>
    <message>
        <source>U current:</source>
        <translation>U current:</translation>
    </message>
    <message>
        <source>V voltage:</source>
        <translation>V voltage:</translation>
    </message>
    <message>
        <source>V current:</source>
        <translation>V current:</translation>
    </message>
    <message>
        <source>W voltage:</source>
        <translation>W voltage:</translation>
    </message>
    <message>
        <source>W current:</source>
        <translation>W current:</translation>
    </message>
    <message>
        <source>Output power:</source>
        <translation>Output power:</translation>
    </message>
    <message>
        <source>Inverter Tem:</source>
        <translation>Inverter Tem:</translation>
    </message>
    <message>
        <source>Grid frequency:</source>
        <translation>Grid frequency:</translation>
    </message>
    <message>
        <source>CO2 reduce:</source>
        <translation>CO2 reduce:</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>Total gen.:</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>Today gen.:</translation>
    </message>
    <message>
        <source>Peek Power:</source>
        <translation>Peek Power:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Input parameters</source>
        <translation>Input parameters</translation>
    </message>
    <message>
        <source>Output parameters</source>
        <translation>Output parameters</translation>
    </message>
    <message>
        <source>Other parameters</source>
        <translation>Other parameters</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Input Power</source>
        <translation>Input Power</translation>
    </message>
    <message>
        <source>Output Power</source>
        <translation>Output Power</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>Power curve</translation>
    </message>
    <message>
        <source>Energy curve</source>
        <translation>Energy curve</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
    </message>
</context>
<context>
    <name>Page22</name>
    <message>
        <source>Input under volt.</source>
        <translation>Input under volt.</translation>
    </message>
    <message>
        <source>Caused by PV system.Recoverable failure!</source>
        <translation>Caused by PV system.Recoverable failure!</translation>
    </message>
    <message>
        <source>Bus under volt.</source>
        <translation>Bus under volt.</translation>
    </message>
    <message>
        <source>Caused by PV system or Invert.Recoverable failure!</source>
        <translation>Caused by PV system or Invert.Recoverable failure!</translation>
    </message>
    <message>
        <source>Grid under volt.</source>
        <translation>Grid under volt.</translation>
    </message>
    <message>
        <source>Caused by AC Grid.</source>
        <translation>Caused by AC Grid.</translation>
    </message>
    <message>
        <source>Grid over volt.</source>
        <translation>Grid over volt.</translation>
    </message>
    <message>
        <source>Grid under freq.</source>
        <translation>Grid under freq.</translation>
    </message>
    <message>
        <source>Grid over freq.</source>
        <translation>Grid over freq.</translation>
    </message>
    <message>
        <source>Clock fault</source>
        <translation>Clock fault</translation>
    </message>
    <message>
        <source>Caused by Inverter.Recoverable failure!</source>
        <translation>Caused by Inverter.Recoverable failure!</translation>
    </message>
    <message>
        <source>Impedance</source>
        <translation>Impedance</translation>
    </message>
    <message>
        <source>Caused by AC Grid.Unrecoverable failure!</source>
        <translation>Caused by AC Grid.Unrecoverable failure!</translation>
    </message>
    <message>
        <source>Cmd shut down</source>
        <translation>Cmd shut down</translation>
    </message>
    <message>
        <source>Caused by User.</source>
        <translation>Caused by User.</translation>
    </message>
    <message>
        <source>Current anomaly</source>
        <translation>Current anomaly</translation>
    </message>
    <message>
        <source>Caused by Current anomaly</source>
        <translation>Caused by Current anomaly</translation>
    </message>
    <message>
        <source>Box Int Comm</source>
        <translation>Box Int Comm</translation>
    </message>
    <message>
        <source>Caused by Box Int Comm</source>
        <translation>Caused by Box Int Comm</translation>
    </message>
    <message>
        <source>SPD1 Fault</source>
        <translation>SPD1 Fault</translation>
    </message>
    <message>
        <source>Caused by SPD1 Fault</source>
        <translation>Caused by SPD1 Fault</translation>
    </message>
    <message>
        <source>SPD2 Fault</source>
        <translation>SPD2 Fault</translation>
    </message>
    <message>
        <source>Caused by SPD2 Fault</source>
        <translation>Caused by SPD2 Fault</translation>
    </message>
    <message>
        <source>SPD3 Fault</source>
        <translation>SPD3 Fault</translation>
    </message>
    <message>
        <source>Caused by SPD3 Fault</source>
        <translation>Caused by SPD3 Fault</translation>
    </message>
    <message>
        <source>SPD4 Fault</source>
        <translation>SPD4 Fault</translation>
    </message>
    <message>
        <source>Caused by SPD4 Fault</source>
        <translation>Caused by SPD4 Fault</translation>
    </message>
    <message>
        <source>Input over volt.</source>
        <translation>Input over volt.</translation>
    </message>
    <message>
        <source>Bus over volt.</source>
        <translation>Bus over volt.</translation>
    </message>
    <message>
        <source>Caused by Invert.Recoverable failure!</source>
        <translation>Caused by Invert.Recoverable failure!</translation>
    </message>
    <message>
        <source>Boost fail</source>
        <translation>Boost fail</translation>
    </message>
    <message>
        <source>Caused by Invert.Unrecoverable failure!</source>
        <translation>Caused by Invert.Unrecoverable failure!</translation>
    </message>
    <message>
        <source>Grid over curr.</source>
        <translation>Grid over curr.</translation>
    </message>
    <message>
        <source>Over temperature</source>
        <translation>Over temperature</translation>
    </message>
    <message>
        <source>Riso low</source>
        <translation>Riso low</translation>
    </message>
    <message>
        <source>Caused by PV System.!</source>
        <translation>Caused by PV System.!</translation>
    </message>
    <message>
        <source>IGBT driver err.</source>
        <translation>IGBT driver err.</translation>
    </message>
    <message>
        <source>Caused by Inverter.Unrecoverable failure!</source>
        <translation>Caused by Inverter.Unrecoverable failure!</translation>
    </message>
    <message>
        <source>Comm. fault</source>
        <translation>Comm. fault</translation>
    </message>
    <message>
        <source>Leak current fail</source>
        <translation>Leak current fail</translation>
    </message>
    <message>
        <source>Caused by PV System.Unrecoverable failure!</source>
        <translation>Caused by PV System.Unrecoverable failure!</translation>
    </message>
    <message>
        <source>Relay fault</source>
        <translation>Relay fault</translation>
    </message>
    <message>
        <source>Fan fault</source>
        <translation>Fan fault</translation>
    </message>
    <message>
        <source>Eeprom fault</source>
        <translation>Eeprom fault</translation>
    </message>
    <message>
        <source>DC inject</source>
        <translation>DC inject</translation>
    </message>
    <message>
        <source>Output short</source>
        <translation>Output short</translation>
    </message>
    <message>
        <source>Zero drift.</source>
        <translation>Zero drift.</translation>
    </message>
    <message>
        <source>Caused by Inverter.</source>
        <translation>Caused by Inverter.</translation>
    </message>
    <message>
        <source>Grid negative phase</source>
        <translation>Grid negative phase</translation>
    </message>
    <message>
        <source>Input over curr.</source>
        <translation>Input over curr.</translation>
    </message>
    <message>
        <source>Data incnst</source>
        <translation>Data incnst</translation>
    </message>
    <message>
        <source>Power reversed</source>
        <translation>Power reversed</translation>
    </message>
    <message>
        <source>Zero drift</source>
        <translation>Zero drift</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name of Fault</source>
        <translation>Name of Fault</translation>
    </message>
    <message>
        <source>Fault Code</source>
        <translation>Fault Code</translation>
    </message>
    <message>
        <source>Failure Time</source>
        <translation>Failure Time</translation>
    </message>
    <message>
        <source>Description of Failure</source>
        <translation>Description of Failure</translation>
    </message>
    <message>
        <source>Real time status</source>
        <translation>Real time status</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Fault records</source>
        <translation>Fault records</translation>
    </message>
    <message>
        <source>Remove this fault records</source>
        <translation>Remove this fault records</translation>
    </message>
    <message>
        <source>Remove all fault records</source>
        <translation>Remove all fault records</translation>
    </message>
    <message>
        <source>Double click to display more information!</source>
        <translation>Double click to display more information!</translation>
    </message>
</context>
<context>
    <name>Page23</name>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>This month</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>This year</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annual</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Generating capacity: kWh</source>
        <translation>Generating capacity: kWh</translation>
    </message>
</context>
<context>
    <name>Page24</name>
    <message>
        <source>Manufacturer:</source>
        <translation>Manufacturer:</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>Inverter Name:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Max Voltage:</source>
        <translation>Max Voltage:</translation>
    </message>
    <message>
        <source>Start Voltage:</source>
        <translation>Start Voltage:</translation>
    </message>
    <message>
        <source>MPPT Range:</source>
        <translation>MPPT Range:</translation>
    </message>
    <message>
        <source>Max Power:</source>
        <translation>Max Power:</translation>
    </message>
    <message>
        <source>Max current:</source>
        <translation>Max current:</translation>
    </message>
    <message>
        <source>DC Switch:</source>
        <translation>DC Switch:</translation>
    </message>
    <message>
        <source>Output power:</source>
        <translation>Output power:</translation>
    </message>
    <message>
        <source>Max AC current:</source>
        <translation>Max AC current:</translation>
    </message>
    <message>
        <source>Grid vol / f:</source>
        <translation>Grid vol / f:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Connection:</translation>
    </message>
    <message>
        <source>Dimension:</source>
        <translation>Dimension:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>Max efficie:</source>
        <translation>Max efficie:</translation>
    </message>
    <message>
        <source>Loss(night):</source>
        <translation>Loss(night):</translation>
    </message>
    <message>
        <source>DC parameters</source>
        <translation>DC parameters</translation>
    </message>
    <message>
        <source>AC parameters</source>
        <translation>AC parameters</translation>
    </message>
    <message>
        <source>Mechanical parameters</source>
        <translation>Mechanical parameters</translation>
    </message>
    <message>
        <source>Efficiency </source>
        <translation>Efficiency </translation>
    </message>
    <message>
        <source>KOVA Power Electronics Co., Ltd.</source>
        <translation>KOVA Power Electronics Co., Ltd.</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>No selected inverter!</source>
        <translation>No selected inverter!</translation>
    </message>
</context>
<context>
    <name>Page25</name>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Date in Produced:</source>
        <translation>Date in Produced:</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Software version:</translation>
    </message>
    <message>
        <source>Output voltage 1:</source>
        <translation>Output voltage 1:</translation>
    </message>
    <message>
        <source>Output voltage 2:</source>
        <translation>Output voltage 2:</translation>
    </message>
    <message>
        <source>Output voltage 3:</source>
        <translation>Output voltage 3:</translation>
    </message>
    <message>
        <source>Output voltage 4:</source>
        <translation>Output voltage 4:</translation>
    </message>
    <message>
        <source>Input current 1:</source>
        <translation>Input current 1:</translation>
    </message>
    <message>
        <source>Input current 2:</source>
        <translation>Input current 2:</translation>
    </message>
    <message>
        <source>Input current 3:</source>
        <translation>Input current 3:</translation>
    </message>
    <message>
        <source>Input current 4:</source>
        <translation>Input current 4:</translation>
    </message>
    <message>
        <source>Input current 5:</source>
        <translation>Input current 5:</translation>
    </message>
    <message>
        <source>Input current 6:</source>
        <translation>Input current 6:</translation>
    </message>
    <message>
        <source>Input current 7:</source>
        <translation>Input current 7:</translation>
    </message>
    <message>
        <source>Input current 8:</source>
        <translation>Input current 8:</translation>
    </message>
    <message>
        <source>Input current 9:</source>
        <translation>Input current 9:</translation>
    </message>
    <message>
        <source>Input current 10:</source>
        <translation>Input current 10:</translation>
    </message>
    <message>
        <source>Input current 11:</source>
        <translation>Input current 11:</translation>
    </message>
    <message>
        <source>Input current 12:</source>
        <translation>Input current 12:</translation>
    </message>
    <message>
        <source>Input current 13:</source>
        <translation>Input current 13:</translation>
    </message>
    <message>
        <source>Input current 14:</source>
        <translation>Input current 14:</translation>
    </message>
    <message>
        <source>Input current 15:</source>
        <translation>Input current 15:</translation>
    </message>
    <message>
        <source>Input current 16:</source>
        <translation>Input current 16:</translation>
    </message>
    <message>
        <source>Base parameters</source>
        <translation>Base parameters</translation>
    </message>
    <message>
        <source>Output parameters</source>
        <translation>Output parameters</translation>
    </message>
    <message>
        <source>Input parameters</source>
        <translation>Input parameters</translation>
    </message>
</context>
<context>
    <name>Page3</name>
    <message>
        <source>System Name</source>
        <translation>System Name</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Quantity(pcs)</source>
        <translation>Quantity(pcs)</translation>
    </message>
    <message>
        <source>Installation site</source>
        <translation>Installation site</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Component power(W)</source>
        <translation>Component power(W)</translation>
    </message>
    <message>
        <source>Component type</source>
        <translation>Component type</translation>
    </message>
    <message>
        <source>Total power(W)</source>
        <translation>Total power(W)</translation>
    </message>
    <message>
        <source>Tilt angle</source>
        <translation>Tilt angle</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>1-ph inverter model</source>
        <translation>1-ph inverter model</translation>
    </message>
    <message>
        <source>Rated output power(W)</source>
        <translation>Rated output power(W)</translation>
    </message>
    <message>
        <source>3-ph inverter model</source>
        <translation>3-ph inverter model</translation>
    </message>
    <message>
        <source>1-ph AC wiring</source>
        <translation>1-ph AC wiring</translation>
    </message>
    <message>
        <source>Rated voltage(Vac)</source>
        <translation>Rated voltage(Vac)</translation>
    </message>
    <message>
        <source>Rated frequency(Hz)</source>
        <translation>Rated frequency(Hz)</translation>
    </message>
    <message>
        <source>3-ph AC wiring</source>
        <translation>3-ph AC wiring</translation>
    </message>
    <message>
        <source>Solar cells</source>
        <translation>Solar cells</translation>
    </message>
    <message>
        <source>PV grid-connected inverter</source>
        <translation>PV grid-connected inverter</translation>
    </message>
    <message>
        <source>Public grid</source>
        <translation>Public grid</translation>
    </message>
    <message>
        <source>Sloping roof</source>
        <translation>Sloping roof</translation>
    </message>
    <message>
        <source>Flat roof</source>
        <translation>Flat roof</translation>
    </message>
    <message>
        <source>Flat ground</source>
        <translation>Flat ground</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Remarks</translation>
    </message>
</context>
<context>
    <name>QAboutTivraDlg</name>
    <message>
        <source>About Tivra Wattsight</source>
        <translation>About Tivra Wattsight</translation>
    </message>
    <message>
        <source>Software Name:</source>
        <translation>Software Name:</translation>
    </message>
    <message>
        <source>Software version number:</source>
        <translation>Software version number:</translation>
    </message>
</context>
<context>
    <name>QAlertTexts</name>
    <message>
        <source>the link</source>
        <translation>the link</translation>
    </message>
    <message>
        <source>inverter %1</source>
        <translation>inverter %1</translation>
    </message>
    <message>
        <source>Input power (W)</source>
        <translation>Input power (W)</translation>
    </message>
    <message>
        <source>Output power (W)</source>
        <translation>Output power (W)</translation>
    </message>
    <message>
        <source>PV1 voltage (V)</source>
        <translation>PV1 voltage (V)</translation>
    </message>
    <message>
        <source>PV1 current (A)</source>
        <translation>PV1 current (A)</translation>
    </message>
    <message>
        <source>PV2 voltage (V)</source>
        <translation>PV2 voltage (V)</translation>
    </message>
    <message>
        <source>PV2 current (A)</source>
        <translation>PV2 current (A)</translation>
    </message>
    <message>
        <source>Temperature 1 (°C)</source>
        <translation>Temperature 1 (°C)</translation>
    </message>
    <message>
        <source>Temperature 2 (°C)</source>
        <translation>Temperature 2 (°C)</translation>
    </message>
    <message>
        <source>Grid frequency (Hz)</source>
        <translation>Grid frequency (Hz)</translation>
    </message>
    <message>
        <source>Grounding resistance</source>
        <translation>Grounding resistance</translation>
    </message>
    <message>
        <source>Leakage current</source>
        <translation>Leakage current</translation>
    </message>
    <message>
        <source>%1 (address %2, %3)</source>
        <translation>%1 (address %2, %3)</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Inverter: %1</source>
        <translation>Inverter: %1</translation>
    </message>
    <message>
        <source>Fault: %1</source>
        <translation>Fault: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Description: %1</translation>
    </message>
    <message>
        <source>Fault began on %1: %2</source>
        <translation>Fault began on %1: %2</translation>
    </message>
    <message>
        <source>Began: %1</source>
        <translation>Began: %1</translation>
    </message>
    <message>
        <source>Recorded values (now and the four readings before):</source>
        <translation>Recorded values (now and the four readings before):</translation>
    </message>
    <message>
        <source>Fault ended on %1: %2</source>
        <translation>Fault ended on %1: %2</translation>
    </message>
    <message>
        <source>Ended: %1</source>
        <translation>Ended: %1</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 is offline</translation>
    </message>
    <message>
        <source>No answer on the bus since %1 (%2), in daylight.</source>
        <translation>No answer on the bus since %1 (%2), in daylight.</translation>
    </message>
    <message>
        <source>%1 is back online</source>
        <translation>%1 is back online</translation>
    </message>
    <message>
        <source>Answering again since %1, after %2 offline.</source>
        <translation>Answering again since %1, after %2 offline.</translation>
    </message>
    <message>
        <source>The link to the inverters is down</source>
        <translation>The link to the inverters is down</translation>
    </message>
    <message>
        <source>The link has been down since %1 (%2).</source>
        <translation>The link has been down since %1 (%2).</translation>
    </message>
    <message>
        <source>Link status: %1</source>
        <translation>Link status: %1</translation>
    </message>
    <message>
        <source>The link to the inverters is back</source>
        <translation>The link to the inverters is back</translation>
    </message>
    <message>
        <source>The link is up again since %1, after %2 down.</source>
        <translation>The link is up again since %1, after %2 down.</translation>
    </message>
    <message>
        <source>Daily summary %1</source>
        <translation>Daily summary %1</translation>
    </message>
    <message>
        <source>Energy fed in on %1:</source>
        <translation>Energy fed in on %1:</translation>
    </message>
    <message>
        <source>not read today</source>
        <translation>not read today</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Plant total: %1 kWh</source>
        <translation>Plant total: %1 kWh</translation>
    </message>
    <message>
        <source>Faults of the day:</source>
        <translation>Faults of the day:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Inverters that did not produce:</source>
        <translation>Inverters that did not produce:</translation>
    </message>
    <message>
        <source>Test mail</source>
        <translation>Test mail</translation>
    </message>
    <message>
        <source>This test mail was sent at %1. Alerts of this plant reach this address.</source>
        <translation>This test mail was sent at %1. Alerts of this plant reach this address.</translation>
    </message>
    <message>
        <source>Held back in the last hour (at most one mail of a kind an hour):</source>
        <translation>Held back in the last hour (at most one mail of a kind an hour):</translation>
    </message>
    <message>
        <source>%1: alerts held back in the last hour (%2)</source>
        <translation>%1: alerts held back in the last hour (%2)</translation>
    </message>
    <message>
        <source>fault began: %1</source>
        <translation>fault began: %1</translation>
    </message>
    <message>
        <source>fault ended: %1</source>
        <translation>fault ended: %1</translation>
    </message>
    <message>
        <source>%1 back</source>
        <translation>%1 back</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 down</translation>
    </message>
</context>
<context>
    <name>QAlertsDlg</name>
    <message>
        <source>Alerts</source>
        <translation>Alerts</translation>
    </message>
    <message>
        <source>Send alerts to:</source>
        <translation>Send alerts to:</translation>
    </message>
    <message>
        <source>Mail when a fault begins and when it ends</source>
        <translation>Mail when a fault begins and when it ends</translation>
    </message>
    <message>
        <source>Mail when an inverter is offline in daylight for more than</source>
        <translation>Mail when an inverter is offline in daylight for more than</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Mail when the link to the inverters is down for more than</source>
        <translation>Mail when the link to the inverters is down for more than</translation>
    </message>
    <message>
        <source>Mail a summary of the day after feed-in ends</source>
        <translation>Mail a summary of the day after feed-in ends</translation>
    </message>
    <message>
        <source>Send test mail</source>
        <translation>Send test mail</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Mails waiting to be sent: %1</source>
        <translation>Mails waiting to be sent: %1</translation>
    </message>
    <message>
        <source>The sun does not rise today.</source>
        <translation>The sun does not rise today.</translation>
    </message>
    <message>
        <source>The sun does not set today.</source>
        <translation>The sun does not set today.</translation>
    </message>
    <message>
        <source>Daylight today: %1 to %2.</source>
        <translation>Daylight today: %1 to %2.</translation>
    </message>
    <message>
        <source>(From the plant's latitude and longitude.)</source>
        <translation>(From the plant's latitude and longitude.)</translation>
    </message>
    <message>
        <source>(From the sunrise time and 18:00: give the plant its latitude and longitude for the sun's times.)</source>
        <translation>(From the sunrise time and 18:00: give the plant its latitude and longitude for the sun's times.)</translation>
    </message>
    <message>
        <source>Information is incomplete!</source>
        <translation>Information is incomplete!</translation>
    </message>
</context>
<context>
    <name>QAllFaultDlg</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Fault code</source>
        <translation>Fault code</translation>
    </message>
    <message>
        <source>Time to failure</source>
        <translation>Time to failure</translation>
    </message>
    <message>
        <source>Detail code</source>
        <translation>Detail code</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>QBusMonitorModel</name>
    <message>
        <source>model name</source>
        <translation>model name</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>settings</translation>
    </message>
    <message>
        <source>max output power</source>
        <translation>max output power</translation>
    </message>
    <message>
        <source>peak power</source>
        <translation>peak power</translation>
    </message>
    <message>
        <source>today's energy</source>
        <translation>today's energy</translation>
    </message>
    <message>
        <source>totals</source>
        <translation>totals</translation>
    </message>
    <message>
        <source>status and faults</source>
        <translation>status and faults</translation>
    </message>
    <message>
        <source>voltages and currents</source>
        <translation>voltages and currents</translation>
    </message>
    <message>
        <source>live data</source>
        <translation>live data</translation>
    </message>
    <message>
        <source>write clock</source>
        <translation>write clock</translation>
    </message>
    <message>
        <source>write language</source>
        <translation>write language</translation>
    </message>
    <message>
        <source>write monetary unit</source>
        <translation>write monetary unit</translation>
    </message>
    <message>
        <source>write price</source>
        <translation>write price</translation>
    </message>
    <message>
        <source>write max output power</source>
        <translation>write max output power</translation>
    </message>
    <message>
        <source>switch on or off</source>
        <translation>switch on or off</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>reset</translation>
    </message>
    <message>
        <source>factory reset</source>
        <translation>factory reset</translation>
    </message>
    <message>
        <source>user label</source>
        <translation>user label</translation>
    </message>
    <message>
        <source>write user label</source>
        <translation>write user label</translation>
    </message>
    <message>
        <source>clear statistics</source>
        <translation>clear statistics</translation>
    </message>
    <message>
        <source>write tariff period</source>
        <translation>write tariff period</translation>
    </message>
    <message>
        <source>write password</source>
        <translation>write password</translation>
    </message>
    <message>
        <source>inverter statistics</source>
        <translation>inverter statistics</translation>
    </message>
    <message>
        <source>inverter information</source>
        <translation>inverter information</translation>
    </message>
    <message>
        <source>fault memory</source>
        <translation>fault memory</translation>
    </message>
    <message>
        <source>raw read</source>
        <translation>raw read</translation>
    </message>
    <message>
        <source>protection points</source>
        <translation>protection points</translation>
    </message>
    <message>
        <source>raw write</source>
        <translation>raw write</translation>
    </message>
    <message>
        <source>search</source>
        <translation>search</translation>
    </message>
    <message>
        <source>logon</source>
        <translation>logon</translation>
    </message>
    <message>
        <source>logoff</source>
        <translation>logoff</translation>
    </message>
    <message>
        <source>box serial number</source>
        <translation>box serial number</translation>
    </message>
    <message>
        <source>box description</source>
        <translation>box description</translation>
    </message>
    <message>
        <source>box production date</source>
        <translation>box production date</translation>
    </message>
    <message>
        <source>box voltages</source>
        <translation>box voltages</translation>
    </message>
    <message>
        <source>box currents</source>
        <translation>box currents</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>What</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Reply ms</source>
        <translation>Reply ms</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>daily statistics</source>
        <translation>daily statistics</translation>
    </message>
    <message>
        <source>monthly statistics</source>
        <translation>monthly statistics</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>sent</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>answered</translation>
    </message>
    <message>
        <source>error reply %1</source>
        <translation>error reply %1</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>time-out</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>bad CRC</translation>
    </message>
    <message>
        <source>rejected: not matching</source>
        <translation>rejected: not matching</translation>
    </message>
</context>
<context>
    <name>QBusMonitorWindow</name>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Requests</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>Time-outs</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>Mean reply (ms)</source>
        <translation>Mean reply (ms)</translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation>Bus monitor</translation>
    </message>
    <message>
        <source>Bus monitor: every frame on the bus, newest last (at most %1 rows)</source>
        <translation>Bus monitor: every frame on the bus, newest last (at most %1 rows)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>All addresses</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 rows</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Address %1</translation>
    </message>
    <message>
        <source>Address %1 (%2)</source>
        <translation>Address %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QDataDlg</name>
    <message>
        <source>Hangzhou, China</source>
        <translation>Hangzhou, China</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>7Day</source>
        <translation>7Day</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>30Day</source>
        <translation>30Day</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Man day</source>
        <translation>Man day</translation>
    </message>
    <message>
        <source>Man place</source>
        <translation>Man place</translation>
    </message>
    <message>
        <source>485 addr</source>
        <translation>485 addr</translation>
    </message>
    <message>
        <source>LED language</source>
        <translation>LED language</translation>
    </message>
    <message>
        <source>Cash name</source>
        <translation>Cash name</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>User label</source>
        <translation>User label</translation>
    </message>
    <message>
        <source>Period T1</source>
        <translation>Period T1</translation>
    </message>
    <message>
        <source>Period T2</source>
        <translation>Period T2</translation>
    </message>
    <message>
        <source>ppk Today</source>
        <translation>ppk Today</translation>
    </message>
    <message>
        <source>ppk 7Day</source>
        <translation>ppk 7Day</translation>
    </message>
    <message>
        <source>ppk 30Day</source>
        <translation>ppk 30Day</translation>
    </message>
    <message>
        <source>ppk Month</source>
        <translation>ppk Month</translation>
    </message>
    <message>
        <source>ppk Year</source>
        <translation>ppk Year</translation>
    </message>
    <message>
        <source>ppk History</source>
        <translation>ppk History</translation>
    </message>
    <message>
        <source>ppk T1</source>
        <translation>ppk T1</translation>
    </message>
    <message>
        <source>ppk T2</source>
        <translation>ppk T2</translation>
    </message>
    <message>
        <source>Work time</source>
        <translation>Work time</translation>
    </message>
    <message>
        <source>Grid time</source>
        <translation>Grid time</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Co2</source>
        <translation>Co2</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistic</translation>
    </message>
    <message>
        <source>Other items</source>
        <translation>Other items</translation>
    </message>
    <message>
        <source>Read All</source>
        <translation>Read All</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>QE_Mail</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contact us</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Receiver:</source>
        <translation>Receiver:</translation>
    </message>
    <message>
        <source>Attachment:</source>
        <translation>Attachment:</translation>
    </message>
    <message>
        <source>Add attachment</source>
        <translation>Add attachment</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Information is incomplete!Mail will not be successful!</source>
        <translation>Information is incomplete!Mail will not be successful!</translation>
    </message>
    <message>
        <source>The file has been added!</source>
        <translation>The file has been added!</translation>
    </message>
    <message>
        <source>Get Files</source>
        <translation>Get Files</translation>
    </message>
    <message>
        <source>Information is incomplete!</source>
        <translation>Information is incomplete!</translation>
    </message>
    <message>
        <source>Send success!</source>
        <translation>Send success!</translation>
    </message>
    <message>
        <source>Failed to connect to server!</source>
        <translation>Failed to connect to server!</translation>
    </message>
    <message>
        <source>Failed to send message!</source>
        <translation>Failed to send message!</translation>
    </message>
    <message>
        <source>Failed to connect to server: its certificate could not be verified!</source>
        <translation>Failed to connect to server: its certificate could not be verified!</translation>
    </message>
    <message>
        <source>Failed to connect to server: no encrypted connection could be made!</source>
        <translation>Failed to connect to server: no encrypted connection could be made!</translation>
    </message>
</context>
<context>
    <name>QFaultDlg</name>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Tack1 voltage</source>
        <translation>Tack1 voltage</translation>
    </message>
    <message>
        <source>Tack1 current</source>
        <translation>Tack1 current</translation>
    </message>
    <message>
        <source>Tack2 voltage</source>
        <translation>Tack2 voltage</translation>
    </message>
    <message>
        <source>Tack2 current</source>
        <translation>Tack2 current</translation>
    </message>
    <message>
        <source>Input power</source>
        <translation>Input power</translation>
    </message>
    <message>
        <source>Output power</source>
        <translation>Output power</translation>
    </message>
    <message>
        <source>Temperature1</source>
        <translation>Temperature1</translation>
    </message>
    <message>
        <source>Temperature2</source>
        <translation>Temperature2</translation>
    </message>
    <message>
        <source>Grounding resistance</source>
        <translation>Grounding resistance</translation>
    </message>
    <message>
        <source>Leakage current</source>
        <translation>Leakage current</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>Inverter Name:</translation>
    </message>
    <message>
        <source>Inverter Address:</source>
        <translation>Inverter Address:</translation>
    </message>
    <message>
        <source>Fault Code:</source>
        <translation>Fault Code:</translation>
    </message>
    <message>
        <source>Fault Name:</source>
        <translation>Fault Name:</translation>
    </message>
    <message>
        <source>Failure Time:</source>
        <translation>Failure Time:</translation>
    </message>
    <message>
        <source>Fault details</source>
        <translation>Fault details</translation>
    </message>
    <message>
        <source>Fault data recording:</source>
        <translation>Fault data recording:</translation>
    </message>
</context>
<context>
    <name>QFaultListWidget</name>
    <message>
        <source>Quantity: </source>
        <translation>Quantity: </translation>
    </message>
    <message>
        <source>Inverters in failure</source>
        <translation>Inverters in failure</translation>
    </message>
</context>
<context>
    <name>QFindInverterDlg</name>
    <message>
        <source>   search</source>
        <translation>   search</translation>
    </message>
    <message>
        <source>   find</source>
        <translation>   find</translation>
    </message>
    <message>
        <source>   timeout</source>
        <translation>   timeout</translation>
    </message>
    <message>
        <source>Search inverter</source>
        <translation>Search inverter</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>Now:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Address is wrong!</source>
        <translation>Address is wrong!</translation>
    </message>
    <message>
        <source>Add Inverter Fialed! Name or address have been used!</source>
        <translation>Add Inverter Fialed! Name or address have been used!</translation>
    </message>
</context>
<context>
    <name>QFindInverterItem</name>
    <message>
        <source>Addr.:%03d</source>
        <translation>Addr.:%03d</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>Inverter name cannot be empty!</translation>
    </message>
</context>
<context>
    <name>QGenerationPagePainter</name>
    <message>
        <source>All Inverter Generation</source>
        <translation>All Inverter Generation</translation>
    </message>
    <message>
        <source>Inverter Generation</source>
        <translation>Inverter Generation</translation>
    </message>
    <message>
        <source>All Inverter</source>
        <translation>All Inverter</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Yearly</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>Benefits</source>
        <translation>Benefits</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
</context>
<context>
    <name>QInstructionsDlg</name>
    <message>
        <source>About KOVA</source>
        <translation>About KOVA</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Company Name:</translation>
    </message>
    <message>
        <source>Headquarters Address:</source>
        <translation>Headquarters Address:</translation>
    </message>
    <message>
        <source>Sales Hotline:</source>
        <translation>Sales Hotline:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Zip Code:</source>
        <translation>Zip Code:</translation>
    </message>
    <message>
        <source>Service Hotline:</source>
        <translation>Service Hotline:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
</context>
<context>
    <name>QInverter</name>
    <message>
        <source>Already connected!</source>
        <translation>Already connected!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
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
        <translation>   Change the inverter name.</translation>
    </message>
    <message>
        <source>      The original name:</source>
        <translation>      The original name:</translation>
    </message>
    <message>
        <source>      The current name:</source>
        <translation>      The current name:</translation>
    </message>
    <message>
        <source>   Communication status change.</source>
        <translation>   Communication status change.</translation>
    </message>
    <message>
        <source>      Inverter </source>
        <translation>      Inverter </translation>
    </message>
    <message>
        <source>   Fault began!</source>
        <translation>   Fault began!</translation>
    </message>
    <message>
        <source>      The fault code: </source>
        <translation>      The fault code: </translation>
    </message>
    <message>
        <source>   Fault end!</source>
        <translation>   Fault end!</translation>
    </message>
    <message>
        <source>   Inverter add to the system!</source>
        <translation>   Inverter add to the system!</translation>
    </message>
    <message>
        <source>   Inverter status change!</source>
        <translation>   Inverter status change!</translation>
    </message>
    <message>
        <source> to </source>
        <translation> to </translation>
    </message>
    <message>
        <source>   Setting time of inverter!</source>
        <translation>   Setting time of inverter!</translation>
    </message>
    <message>
        <source>   Setting the language of inverter!</source>
        <translation>   Setting the language of inverter!</translation>
    </message>
    <message>
        <source>   Setting the monetary unit of inverter!</source>
        <translation>   Setting the monetary unit of inverter!</translation>
    </message>
    <message>
        <source>   Setting the price!</source>
        <translation>   Setting the price!</translation>
    </message>
    <message>
        <source>   Setting the max output power!</source>
        <translation>   Setting the max output power!</translation>
    </message>
    <message>
        <source>   Setting the user label!</source>
        <translation>   Setting the user label!</translation>
    </message>
    <message>
        <source>,Tivra Wattsight:</source>
        <translation>,Tivra Wattsight:</translation>
    </message>
    <message>
        <source>   Command not delivered!</source>
        <translation>   Command not delivered!</translation>
    </message>
    <message>
        <source>Set the inverter's clock</source>
        <translation>Set the inverter's clock</translation>
    </message>
    <message>
        <source>Set the inverter's language</source>
        <translation>Set the inverter's language</translation>
    </message>
    <message>
        <source>Set the monetary unit</source>
        <translation>Set the monetary unit</translation>
    </message>
    <message>
        <source>Set the price</source>
        <translation>Set the price</translation>
    </message>
    <message>
        <source>Set the max output power</source>
        <translation>Set the max output power</translation>
    </message>
    <message>
        <source>Switch on or off</source>
        <translation>Switch on or off</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Factory reset</translation>
    </message>
    <message>
        <source>Set the user label</source>
        <translation>Set the user label</translation>
    </message>
    <message>
        <source>Clear the statistics</source>
        <translation>Clear the statistics</translation>
    </message>
    <message>
        <source>Set tariff period 1</source>
        <translation>Set tariff period 1</translation>
    </message>
    <message>
        <source>Set tariff period 2</source>
        <translation>Set tariff period 2</translation>
    </message>
    <message>
        <source>Set the inverter password</source>
        <translation>Set the inverter password</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>Logon</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>Logoff</translation>
    </message>
    <message>
        <source>Write %1 registers from %2</source>
        <translation>Write %1 registers from %2</translation>
    </message>
    <message>
        <source>Read %1 registers from %2</source>
        <translation>Read %1 registers from %2</translation>
    </message>
</context>
<context>
    <name>QInverterLogonDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>PassWord: </source>
        <translation>PassWord: </translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The password must be a number from 0 to 65535!</source>
        <translation>The password must be a number from 0 to 65535!</translation>
    </message>
</context>
<context>
    <name>QInverterRecorder</name>
    <message>
        <source>the fault record could not be appended</source>
        <translation>the fault record could not be appended</translation>
    </message>
</context>
<context>
    <name>QInverterSetDlg</name>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>CNY</source>
        <translation>CNY</translation>
    </message>
    <message>
        <source>USD</source>
        <translation>USD</translation>
    </message>
    <message>
        <source>GBP</source>
        <translation>GBP</translation>
    </message>
    <message>
        <source>EUR</source>
        <translation>EUR</translation>
    </message>
    <message>
        <source>AUD</source>
        <translation>AUD</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>Inverter Name:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Local Time</translation>
    </message>
    <message>
        <source>Inverter time:</source>
        <translation>Inverter time:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Monetary unit:</source>
        <translation>Monetary unit:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Price:</translation>
    </message>
    <message>
        <source>User label:</source>
        <translation>User label:</translation>
    </message>
    <message>
        <source>Max output power(%):</source>
        <translation>Max output power(%):</translation>
    </message>
    <message>
        <source>Logon state:</source>
        <translation>Logon state:</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>Logon</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation>Set password</translation>
    </message>
    <message>
        <source>Set T1</source>
        <translation>Set T1</translation>
    </message>
    <message>
        <source>All data</source>
        <translation>All data</translation>
    </message>
    <message>
        <source>All fault</source>
        <translation>All fault</translation>
    </message>
    <message>
        <source>Pro-point</source>
        <translation>Pro-point</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>ON/OFF</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Clear-stati</source>
        <translation>Clear-stati</translation>
    </message>
    <message>
        <source>Fac-Reset</source>
        <translation>Fac-Reset</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Logged in</source>
        <translation>Logged in</translation>
    </message>
    <message>
        <source>No login</source>
        <translation>No login</translation>
    </message>
    <message>
        <source>No password</source>
        <translation>No password</translation>
    </message>
    <message>
        <source>The inverter is offline!</source>
        <translation>The inverter is offline!</translation>
    </message>
    <message>
        <source>You need to enter the password of the inverter!</source>
        <translation>You need to enter the password of the inverter!</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>Inverter name cannot be empty!</translation>
    </message>
    <message>
        <source>The name is used by another inverter!</source>
        <translation>The name is used by another inverter!</translation>
    </message>
    <message>
        <source>The files of the inverter cannot move to this name!</source>
        <translation>The files of the inverter cannot move to this name!</translation>
    </message>
    <message>
        <source>Successfully saved!</source>
        <translation>Successfully saved!</translation>
    </message>
    <message>
        <source>Failed to set the price!</source>
        <translation>Failed to set the price!</translation>
    </message>
    <message>
        <source>Failed to set the max output power!</source>
        <translation>Failed to set the max output power!</translation>
    </message>
    <message>
        <source>Switch on the inverter %1? It starts feeding into the grid.</source>
        <translation>Switch on the inverter %1? It starts feeding into the grid.</translation>
    </message>
    <message>
        <source>Switch off the inverter %1? It stops feeding into the grid.</source>
        <translation>Switch off the inverter %1? It stops feeding into the grid.</translation>
    </message>
    <message>
        <source>Restart the inverter %1? It stops feeding in until its self-test is over.</source>
        <translation>Restart the inverter %1? It stops feeding in until its self-test is over.</translation>
    </message>
    <message>
        <source>Reset the inverter %1 to its factory settings? Its settings, password and clock are lost.</source>
        <translation>Reset the inverter %1 to its factory settings? Its settings, password and clock are lost.</translation>
    </message>
    <message>
        <source>Clear the statistics of the inverter %1? Its daily, monthly and peak values are erased.</source>
        <translation>Clear the statistics of the inverter %1? Its daily, monthly and peak values are erased.</translation>
    </message>
</context>
<context>
    <name>QMaintenanceDlg</name>
    <message>
        <source>Inverter %1, address %2</source>
        <translation>Inverter %1, address %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>CSV File(*.csv)</source>
        <translation>CSV File(*.csv)</translation>
    </message>
    <message>
        <source>Successfully saved!</source>
        <translation>Successfully saved!</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Save failed!</translation>
    </message>
</context>
<context>
    <name>QMiscellaneousDlg</name>
    <message>
        <source>Set electricity price</source>
        <translation>Set electricity price</translation>
    </message>
    <message>
        <source>Currency Unit:</source>
        <translation>Currency Unit:</translation>
    </message>
    <message>
        <source>Unit price(/kWh):</source>
        <translation>Unit price(/kWh):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The price is too high!</source>
        <translation>The price is too high!</translation>
    </message>
</context>
<context>
    <name>QMyColorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Select a colour</source>
        <translation>Select a colour</translation>
    </message>
</context>
<context>
    <name>QOutputPane</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>QOutputTrend</name>
    <message>
        <source>Output power curve</source>
        <translation>Output power curve</translation>
    </message>
</context>
<context>
    <name>QPlantPublisher</name>
    <message>
        <source>Publishing is off.</source>
        <translation>Publishing is off.</translation>
    </message>
    <message>
        <source>Publishing stopped.</source>
        <translation>Publishing stopped.</translation>
    </message>
    <message>
        <source>No broker is set.</source>
        <translation>No broker is set.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: energies start again from what the inverters report.</source>
        <translation>The file %1 cannot be read: energies start again from what the inverters report.</translation>
    </message>
    <message>
        <source>Publishing to the broker %1 under %2.</source>
        <translation>Publishing to the broker %1 under %2.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connecting to %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Connected to the broker %1.</source>
        <translation>Connected to the broker %1.</translation>
    </message>
    <message>
        <source>The broker %1 refused the user name or password.</source>
        <translation>The broker %1 refused the user name or password.</translation>
    </message>
    <message>
        <source>The broker %1 refused the connection: %2</source>
        <translation>The broker %1 refused the connection: %2</translation>
    </message>
    <message>
        <source>No secure connection to the broker %1: %2</source>
        <translation>No secure connection to the broker %1: %2</translation>
    </message>
    <message>
        <source>Cannot connect to the broker %1: %2</source>
        <translation>Cannot connect to the broker %1: %2</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Connected to %1.</translation>
    </message>
    <message>
        <source>Next attempt in %1 s.</source>
        <translation>Next attempt in %1 s.</translation>
    </message>
    <message>
        <source>The connection to the broker %1 was lost (%2); connecting again.</source>
        <translation>The connection to the broker %1 was lost (%2); connecting again.</translation>
    </message>
</context>
<context>
    <name>QProgressDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Sending attachments...</source>
        <translation>Sending attachments...</translation>
    </message>
</context>
<context>
    <name>QProtectPoint</name>
    <message>
        <source>Undervoltage protection1</source>
        <translation>Undervoltage protection1</translation>
    </message>
    <message>
        <source>Undervoltage protection1 delay</source>
        <translation>Undervoltage protection1 delay</translation>
    </message>
    <message>
        <source>Undervoltage protection2</source>
        <translation>Undervoltage protection2</translation>
    </message>
    <message>
        <source>Undervoltage protection2 delay</source>
        <translation>Undervoltage protection2 delay</translation>
    </message>
    <message>
        <source>Overvoltage protection1</source>
        <translation>Overvoltage protection1</translation>
    </message>
    <message>
        <source>Overvoltage protection1 delay</source>
        <translation>Overvoltage protection1 delay</translation>
    </message>
    <message>
        <source>Overvoltage protection2</source>
        <translation>Overvoltage protection2</translation>
    </message>
    <message>
        <source>Overvoltage protection2 delay</source>
        <translation>Overvoltage protection2 delay</translation>
    </message>
    <message>
        <source>Under frequency protection1</source>
        <translation>Under frequency protection1</translation>
    </message>
    <message>
        <source>Under frequency protection1 delay</source>
        <translation>Under frequency protection1 delay</translation>
    </message>
    <message>
        <source>Under frequency protection2</source>
        <translation>Under frequency protection2</translation>
    </message>
    <message>
        <source>Under frequency protection2 delay</source>
        <translation>Under frequency protection2 delay</translation>
    </message>
    <message>
        <source>Over frequency protection1</source>
        <translation>Over frequency protection1</translation>
    </message>
    <message>
        <source>Over frequency protection1 delay</source>
        <translation>Over frequency protection1 delay</translation>
    </message>
    <message>
        <source>Over frequency protection2</source>
        <translation>Over frequency protection2</translation>
    </message>
    <message>
        <source>Over frequency protection2 delay</source>
        <translation>Over frequency protection2 delay</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>QPublishSettings</name>
    <message>
        <source>The topic prefix is empty.</source>
        <translation>The topic prefix is empty.</translation>
    </message>
    <message>
        <source>A topic prefix may not contain '+' or '#'.</source>
        <translation>A topic prefix may not contain '+' or '#'.</translation>
    </message>
    <message>
        <source>A topic prefix may not begin with '$'.</source>
        <translation>A topic prefix may not begin with '$'.</translation>
    </message>
    <message>
        <source>The topic prefix is too long.</source>
        <translation>The topic prefix is too long.</translation>
    </message>
</context>
<context>
    <name>QReadDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Return(hex):</source>
        <translation>Return(hex):</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
</context>
<context>
    <name>QRegisterDlg</name>
    <message>
        <source>Address(hex):</source>
        <translation>Address(hex):</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Address illegal</source>
        <translation>Address illegal</translation>
    </message>
    <message>
        <source>Length must be between 20 and1</source>
        <translation>Length must be between 20 and1</translation>
    </message>
</context>
<context>
    <name>QReportOutput</name>
    <message>
        <source>Successfully saved!</source>
        <translation>Successfully saved!</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Save failed!</translation>
    </message>
</context>
<context>
    <name>QSaveDialog</name>
    <message>
        <source>System information</source>
        <translation>System information</translation>
    </message>
    <message>
        <source>Inverter information</source>
        <translation>Inverter information</translation>
    </message>
    <message>
        <source>System generation</source>
        <translation>System generation</translation>
    </message>
    <message>
        <source>Inverter generation</source>
        <translation>Inverter generation</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Save and print</source>
        <translation>Save and print</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Select:</translation>
    </message>
    <message>
        <source>Inverter:</source>
        <translation>Inverter:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Yearly</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Save to:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Save as:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save path</source>
        <translation>Save path</translation>
    </message>
    <message>
        <source>File name cann't be empty!</source>
        <translation>File name cann't be empty!</translation>
    </message>
</context>
<context>
    <name>QSetCommunicateDlg</name>
    <message>
        <source>Set communicate information</source>
        <translation>Set communicate information</translation>
    </message>
    <message>
        <source>Serial communication settings</source>
        <translation>Serial communication settings</translation>
    </message>
    <message>
        <source>Ethernet communication settings</source>
        <translation>Ethernet communication settings</translation>
    </message>
    <message>
        <source>GPRS communication settings</source>
        <translation>GPRS communication settings</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP Address:</translation>
    </message>
    <message>
        <source>Port number:</source>
        <translation>Port number:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The IP address is not complete!</source>
        <translation>The IP address is not complete!</translation>
    </message>
    <message>
        <source>The port number must be from 1 to 65535!</source>
        <translation>The port number must be from 1 to 65535!</translation>
    </message>
</context>
<context>
    <name>QSetInverterPassDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>New key:</source>
        <translation>New key:</translation>
    </message>
    <message>
        <source>Confirm key:</source>
        <translation>Confirm key:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>New password can not be empty!</source>
        <translation>New password can not be empty!</translation>
    </message>
    <message>
        <source>Two entered passwords do not match!</source>
        <translation>Two entered passwords do not match!</translation>
    </message>
    <message>
        <source>The password must be a number from 0 to 65535!</source>
        <translation>The password must be a number from 0 to 65535!</translation>
    </message>
</context>
<context>
    <name>QSetInverterTdlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Start time:</source>
        <translation>Start time:</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>End time:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Time setting error!</source>
        <translation>Time setting error!</translation>
    </message>
</context>
<context>
    <name>QSetMailDlg</name>
    <message>
        <source>Edit mail information</source>
        <translation>Edit mail information</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>User Name:</translation>
    </message>
    <message>
        <source>Pass Word:</source>
        <translation>Pass Word:</translation>
    </message>
    <message>
        <source>%1 or %2 (plain)
%3 (TLS)
%4 (STARTTLS)</source>
        <translation>%1 or %2 (plain)
%3 (TLS)
%4 (STARTTLS)</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>For example: %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QSetPasswordDlg</name>
    <message>
        <source>Password setting</source>
        <translation>Password setting</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>Existing key:</source>
        <translation>Existing key:</translation>
    </message>
    <message>
        <source>New key:</source>
        <translation>New key:</translation>
    </message>
    <message>
        <source>Confirm key:</source>
        <translation>Confirm key:</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>Password is not correct!</translation>
    </message>
    <message>
        <source>New password can not be empty!</source>
        <translation>New password can not be empty!</translation>
    </message>
    <message>
        <source>Two entered passwords do not match!</source>
        <translation>Two entered passwords do not match!</translation>
    </message>
</context>
<context>
    <name>QSetPublishDlg</name>
    <message>
        <source>Publishing</source>
        <translation>Publishing</translation>
    </message>
    <message>
        <source>Publish the plant's data to an MQTT broker</source>
        <translation>Publish the plant's data to an MQTT broker</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>Broker:</translation>
    </message>
    <message>
        <source>host name or IP address</source>
        <translation>host name or IP address</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Secure connection (TLS)</source>
        <translation>Secure connection (TLS)</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA file:</translation>
    </message>
    <message>
        <source>the system's certificate authorities</source>
        <translation>the system's certificate authorities</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Topic prefix:</source>
        <translation>Topic prefix:</translation>
    </message>
    <message>
        <source>Announce the devices to home automation (discovery)</source>
        <translation>Announce the devices to home automation (discovery)</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>Publishing log:</source>
        <translation>Publishing log:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Enter the broker's host name or address.</source>
        <translation>Enter the broker's host name or address.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testing the connection...</translation>
    </message>
    <message>
        <source>CA file</source>
        <translation>CA file</translation>
    </message>
    <message>
        <source>Certificates (*.crt *.pem);;All files (*)</source>
        <translation>Certificates (*.crt *.pem);;All files (*)</translation>
    </message>
</context>
<context>
    <name>QTrendSetDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Trend settings</source>
        <translation>Trend settings</translation>
    </message>
    <message>
        <source>Input Power:</source>
        <translation>Input Power:</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>Output Power:</translation>
    </message>
    <message>
        <source>Energy:</source>
        <translation>Energy:</translation>
    </message>
    <message>
        <source>The maximum Y-axis:</source>
        <translation>The maximum Y-axis:</translation>
    </message>
    <message>
        <source>Time axis:</source>
        <translation>Time axis:</translation>
    </message>
    <message>
        <source>Restore default settings</source>
        <translation>Restore default settings</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>100 minutes</source>
        <translation>100 minutes</translation>
    </message>
    <message>
        <source>10 hours</source>
        <translation>10 hours</translation>
    </message>
    <message>
        <source>20 hours</source>
        <translation>20 hours</translation>
    </message>
</context>
<context>
    <name>QWriteDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Send Buffer(hex):</source>
        <translation>Send Buffer(hex):</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Data cannot be empty</source>
        <translation>Data cannot be empty</translation>
    </message>
    <message>
        <source>Insufficient data will be padded with 0</source>
        <translation>Insufficient data will be padded with 0</translation>
    </message>
    <message>
        <source>Excess data will be discarded</source>
        <translation>Excess data will be discarded</translation>
    </message>
    <message>
        <source>Write %1 registers from %2 of the inverter %3?</source>
        <translation>Write %1 registers from %2 of the inverter %3?</translation>
    </message>
</context>
<context>
    <name>QtMyTree</name>
    <message>
        <source>Single phase inverter</source>
        <translation>Single phase inverter</translation>
    </message>
    <message>
        <source>Three phase inverter</source>
        <translation>Three phase inverter</translation>
    </message>
</context>
<context>
    <name>SetBeginTimeDlg</name>
    <message>
        <source>Set sunrise time</source>
        <translation>Set sunrise time</translation>
    </message>
    <message>
        <source>Sunrise time:</source>
        <translation>Sunrise time:</translation>
    </message>
    <message>
        <source>The hour from which the day's curves are drawn, 0 to 9.</source>
        <translation>The hour from which the day's curves are drawn, 0 to 9.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SetSolar</name>
    <message>
        <source>Set Solar Information</source>
        <translation>Set Solar Information</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Manufacturer:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Component type:</source>
        <translation>Component type:</translation>
    </message>
    <message>
        <source>Component Power:</source>
        <translation>Component Power:</translation>
    </message>
    <message>
        <source>Quantity(pcs):</source>
        <translation>Quantity(pcs):</translation>
    </message>
    <message>
        <source>Total power(W):</source>
        <translation>Total power(W):</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimuth:</translation>
    </message>
    <message>
        <source>Tilt angle:</source>
        <translation>Tilt angle:</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SetSystem</name>
    <message>
        <source>Set System Information</source>
        <translation>Set System Information</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>System Name:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Country:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>City:</translation>
    </message>
    <message>
        <source>Installation:</source>
        <translation>Installation:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Sloping roof</source>
        <translation>Sloping roof</translation>
    </message>
    <message>
        <source>Flat roof</source>
        <translation>Flat roof</translation>
    </message>
    <message>
        <source>Flat ground</source>
        <translation>Flat ground</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Do you want to save the changes?</source>
        <translation>Do you want to save the changes?</translation>
    </message>
    <message>
        <source>The name is too long!</source>
        <translation>The name is too long!</translation>
    </message>
    <message>
        <source>Longitude and Latitude must in [-180,180]!</source>
        <translation>Longitude and Latitude must in [-180,180]!</translation>
    </message>
</context>
</TS>