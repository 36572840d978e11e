<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Add New Inverter</source>
        <translation>Aggiungi un nuovo inverter</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>Nome inverter:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Single-phase</source>
        <translation>Monofase</translation>
    </message>
    <message>
        <source>Three-phase</source>
        <translation>Trifase</translation>
    </message>
    <message>
        <source>Analog signal</source>
        <translation>Segnale analogico</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>Il nome dell&apos;inverter non può essere vuoto!</translation>
    </message>
    <message>
        <source>Address illegal!Must between 1 to 247!</source>
        <translation>Indirizzo non valido! Deve essere tra 1 e 247!</translation>
    </message>
    <message>
        <source>Add Inverter Fialed!Name or address have been used!</source>
        <translation>Aggiunta dell&apos;inverter non riuscita! Nome o indirizzo già in uso!</translation>
    </message>
</context>
<context>
    <name>DlgEditRemark</name>
    <message>
        <source>Edit the system description</source>
        <translation>Modifica la descrizione dell&apos;impianto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The string is too long!Can not display all the string!</source>
        <translation>Il testo è troppo lungo! Non può essere mostrato per intero!</translation>
    </message>
</context>
<context>
    <name>DlgSetGrid</name>
    <message>
        <source>Set public grid information</source>
        <translation>Informazioni sulla rete pubblica</translation>
    </message>
    <message>
        <source>1-ph AC wiring:</source>
        <translation>Cablaggio AC monofase:</translation>
    </message>
    <message>
        <source>3-ph AC wiring:</source>
        <translation>Cablaggio AC trifase:</translation>
    </message>
    <message>
        <source>Rated voltage(Vac):</source>
        <translation>Tensione nominale (Vac):</translation>
    </message>
    <message>
        <source>Rated frequency(Hz):</source>
        <translation>Frequenza nominale (Hz):</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Informazioni sugli inverter</translation>
    </message>
    <message>
        <source>Manufacture:</source>
        <translation>Produttore:</translation>
    </message>
    <message>
        <source>1-ph model:</source>
        <translation>Modello monofase:</translation>
    </message>
    <message>
        <source>1-ph output power:</source>
        <translation>Potenza monofase:</translation>
    </message>
    <message>
        <source>3-ph model:</source>
        <translation>Modello trifase:</translation>
    </message>
    <message>
        <source>3-ph output power:</source>
        <translation>Potenza trifase:</translation>
    </message>
    <message>
        <source>KOVA</source>
        <translation>KOVA</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Self-test</source>
        <translation>Autotest</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>In funzione</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Guasto</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>Enter the illegal instruction!</source>
        <translation>Istruzione non valida!</translation>
    </message>
    <message>
        <source>The data address is illegal!</source>
        <translation>Indirizzo dati non valido!</translation>
    </message>
    <message>
        <source>Data value is illegal!</source>
        <translation>Valore dei dati non valido!</translation>
    </message>
    <message>
        <source>The operation failed!</source>
        <translation>Operazione non riuscita!</translation>
    </message>
    <message>
        <source>Password is incorrect!</source>
        <translation>Password errata!</translation>
    </message>
    <message>
        <source>Data frame error!</source>
        <translation>Errore nel frame dati!</translation>
    </message>
    <message>
        <source>Parameter is read-only!</source>
        <translation>Parametro di sola lettura!</translation>
    </message>
    <message>
        <source>Parameters of the operation can not be change!</source>
        <translation>I parametri di questa operazione non possono essere modificati!</translation>
    </message>
    <message>
        <source>Password protection!</source>
        <translation>Protetto da password!</translation>
    </message>
    <message>
        <source>Length error!</source>
        <translation>Errore di lunghezza!</translation>
    </message>
    <message>
        <source>You do not have permission to do this!</source>
        <translation>Non si dispone dei permessi per questa operazione!</translation>
    </message>
    <message>
        <source>Open the serial port failure!</source>
        <translation>Apertura della porta seriale non riuscita!</translation>
    </message>
    <message>
        <source>(9600,8,0,1) is open!</source>
        <translation>(9600,8,0,1) è aperta!</translation>
    </message>
    <message>
        <source>Close the serial port</source>
        <translation>Chiudi la porta seriale</translation>
    </message>
    <message>
        <source>is closed!</source>
        <translation>è chiusa!</translation>
    </message>
    <message>
        <source>Open the serial port</source>
        <translation>Apri la porta seriale</translation>
    </message>
    <message>
        <source>Failed to connect to server!</source>
        <translation>Connessione al server non riuscita!</translation>
    </message>
    <message>
        <source>On-line!</source>
        <translation>In linea!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>not online!</source>
        <translation>non in linea!</translation>
    </message>
    <message>
        <source>Connect to server</source>
        <translation>Connetti al server</translation>
    </message>
    <message>
        <source>Open GPRS server failed!</source>
        <translation>Apertura del server GPRS non riuscita!</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>Close GPRS server</source>
        <translation>Chiudi il server GPRS</translation>
    </message>
    <message>
        <source>waiting!</source>
        <translation>in attesa!</translation>
    </message>
    <message>
        <source>GPRS server</source>
        <translation>Server GPRS</translation>
    </message>
    <message>
        <source>Open server</source>
        <translation>Apri il server</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Add new inverter</source>
        <translation>Aggiungi inverter</translation>
    </message>
    <message>
        <source>Search inverter</source>
        <translation>Cerca inverter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Set communicate information</source>
        <translation>Impostazioni di comunicazione</translation>
    </message>
    <message>
        <source>Edit mail information</source>
        <translation>Impostazioni e-mail</translation>
    </message>
    <message>
        <source>Password setting</source>
        <translation>Impostazione password</translation>
    </message>
    <message>
        <source>Set electricity price</source>
        <translation>Prezzo dell&apos;energia</translation>
    </message>
    <message>
        <source>Set system information</source>
        <translation>Informazioni sull&apos;impianto</translation>
    </message>
    <message>
        <source>Set system solar information</source>
        <translation>Informazioni sui moduli solari</translation>
    </message>
    <message>
        <source>Set inverter information</source>
        <translation>Informazioni sugli inverter</translation>
    </message>
    <message>
        <source>Set public grid information</source>
        <translation>Informazioni sulla rete pubblica</translation>
    </message>
    <message>
        <source>Edit system description</source>
        <translation>Modifica la descrizione dell&apos;impianto</translation>
    </message>
    <message>
        <source>Set sunrise time</source>
        <translation>Ora dell&apos;alba</translation>
    </message>
    <message>
        <source>About KOVA</source>
        <translation>Informazioni su KOVA</translation>
    </message>
    <message>
        <source>About Tivra Wattsight</source>
        <translation>Informazioni su Tivra Wattsight</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contattaci</translation>
    </message>
    <message>
        <source>Operating instructions</source>
        <translation>Istruzioni per l&apos;uso</translation>
    </message>
    <message>
        <source>Current user:</source>
        <translation>Utente attuale: </translation>
    </message>
    <message>
        <source>Logon duration:</source>
        <translation>Durata accesso:</translation>
    </message>
    <message>
        <source>day</source>
        <translation>g</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Streamline model</source>
        <translation>Vista compatta</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Amministratore</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Ospite</translation>
    </message>
    <message>
        <source>Load analog data failed!</source>
        <translation>Caricamento dei dati analogici non riuscito!</translation>
    </message>
    <message>
        <source>Set successfully!</source>
        <translation>Impostazione riuscita!</translation>
    </message>
    <message>
        <source>The inverter is communication, are you sure you want to close?</source>
        <translation>Gli inverter stanno comunicando: chiudere comunque?</translation>
    </message>
    <message>
        <source>The user manual cannot be opened!</source>
        <translation>Impossibile aprire il manuale utente!</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Pubblicazione</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation>Monitor del bus</translation>
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
        <translation>Sì</translation>
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
        <translation>Potenza in ingresso:</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>Potenza in uscita:</translation>
    </message>
    <message>
        <source>Single Phase:</source>
        <translation>Monofase:</translation>
    </message>
    <message>
        <source>Three Phase:</source>
        <translation>Trifase:</translation>
    </message>
    <message>
        <source>CO2 Reduce:</source>
        <translation>CO2 evitata:</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>Produzione totale:</translation>
    </message>
    <message>
        <source>Benefits:</source>
        <translation>Ricavi:</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>Produzione odierna:</translation>
    </message>
    <message>
        <source>Current User:</source>
        <translation>Utente attuale:</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Dati impianto</translation>
    </message>
    <message>
        <source>Benefits</source>
        <translation>Ricavi</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>System failure!</source>
        <translation>Guasto nell&apos;impianto!</translation>
    </message>
    <message>
        <source>System uptime!</source>
        <translation>Impianto in funzione!</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Amministratore</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Ospite</translation>
    </message>
</context>
<context>
    <name>Page1</name>
    <message>
        <source>Administrator</source>
        <translation>Amministratore</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Ospite</translation>
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
        <translation>Guasto nell&apos;impianto!</translation>
    </message>
    <message>
        <source>System uptime!</source>
        <translation>Impianto in funzione!</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>User logon</source>
        <translation>Accesso utente</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Plant overview</source>
        <translation>Panoramica impianto</translation>
    </message>
    <message>
        <source>Input Power:</source>
        <translation>Potenza in ingresso:</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>Potenza in uscita:</translation>
    </message>
    <message>
        <source>Single Phase:</source>
        <translation>Monofase:</translation>
    </message>
    <message>
        <source>Three Phase:</source>
        <translation>Trifase:</translation>
    </message>
    <message>
        <source>pcs</source>
        <translation>pz</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Dati impianto</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>Produzione totale:</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>Produzione odierna:</translation>
    </message>
    <message>
        <source>CO2 Reduce:</source>
        <translation>CO2 evitata:</translation>
    </message>
    <message>
        <source>Benefits:</source>
        <translation>Ricavi:</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>Logout successful!</source>
        <translation>Disconnessione riuscita!</translation>
    </message>
    <message>
        <source>Login failed!</source>
        <translation>Accesso non riuscito!</translation>
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
        <translation>Tempo reale</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Historical</source>
        <translation>Storico</translation>
    </message>
    <message>
        <source>Technical</source>
        <translation>Dati tecnici</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Quadro di campo</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Address: </source>
        <translation>Indirizzo: </translation>
    </message>
    <message>
        <source>Current time:</source>
        <translation>Ora attuale:</translation>
    </message>
    <message>
        <source>Data Time:</source>
        <translation>Ora dei dati:</translation>
    </message>
    <message>
        <source>User level is not enough!</source>
        <translation>Livello utente insufficiente!</translation>
    </message>
    <message>
        <source>Do you want to disconnect the inverter?</source>
        <translation>Disconnettere l&apos;inverter?</translation>
    </message>
    <message>
        <source>Analog signal cannot be set!</source>
        <translation>Il segnale analogico non può essere impostato!</translation>
    </message>
    <message>
        <source>Do you want to delete the inverter?</source>
        <translation>Eliminare l&apos;inverter?</translation>
    </message>
</context>
<context>
    <name>Page21</name>
    <message>
        <source>Track1 voltage:</source>
        <translation>Tensione stringa 1:</translation>
    </message>
    <message>
        <source>Track1 current:</source>
        <translation>Corrente stringa 1:</translation>
    </message>
    <message>
        <source>Track2 voltage:</source>
        <translation>Tensione stringa 2:</translation>
    </message>
    <message>
        <source>Track2 current:</source>
        <translation>Corrente stringa 2:</translation>
    </message>
    <message>
        <source>Input power:</source>
        <translation>Potenza in ingresso:</translation>
    </message>
    <message>
        <source>U voltage:</source>
        <translation>Tensione U:</translation>
    </message>
    <message>
        <source>U current:</source>
        <translation>Corrente U:</translation>
    </message>
    <message>
        <source>V voltage:</source>
        <translation>Tensione V:</translation>
    </message>
    <message>
        <source>V current:</source>
        <translation>Corrente V:</translation>
    </message>
    <message>
        <source>W voltage:</source>
        <translation>Tensione W:</translation>
    </message>
    <message>
        <source>W current:</source>
        <translation>Corrente W:</translation>
    </message>
    <message>
        <source>Output power:</source>
        <translation>Potenza in uscita:</translation>
    </message>
    <message>
        <source>Inverter Tem:</source>
        <translation>Temperatura inverter:</translation>
    </message>
    <message>
        <source>Grid frequency:</source>
        <translation>Frequenza di rete:</translation>
    </message>
    <message>
        <source>CO2 reduce:</source>
        <translation>CO2 evitata:</translation>
    </message>
    <message>
        <source>Total gen.:</source>
        <translation>Produzione totale:</translation>
    </message>
    <message>
        <source>Today gen.:</source>
        <translation>Produzione odierna:</translation>
    </message>
    <message>
        <source>Peek Power:</source>
        <translation>Potenza di picco:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Input parameters</source>
        <translation>Parametri di ingresso</translation>
    </message>
    <message>
        <source>Output parameters</source>
        <translation>Parametri di uscita</translation>
    </message>
    <message>
        <source>Other parameters</source>
        <translation>Altri parametri</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Input Power</source>
        <translation>Potenza in ingresso</translation>
    </message>
    <message>
        <source>Output Power</source>
        <translation>Potenza in uscita</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>Curva di potenza</translation>
    </message>
    <message>
        <source>Energy curve</source>
        <translation>Curva dell&apos;energia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>Page22</name>
    <message>
        <source>Input under volt.</source>
        <translation>Sottotensione ingresso</translation>
    </message>
    <message>
        <source>Caused by PV system.Recoverable failure!</source>
        <translation>Causato dal sistema FV. Guasto recuperabile!</translation>
    </message>
    <message>
        <source>Bus under volt.</source>
        <translation>Sottotensione bus</translation>
    </message>
    <message>
        <source>Caused by PV system or Invert.Recoverable failure!</source>
        <translation>Causato dal sistema FV o dall&apos;inverter. Guasto recuperabile!</translation>
    </message>
    <message>
        <source>Grid under volt.</source>
        <translation>Sottotensione rete</translation>
    </message>
    <message>
        <source>Caused by AC Grid.</source>
        <translation>Causato dalla rete CA.</translation>
    </message>
    <message>
        <source>Grid over volt.</source>
        <translation>Sovratensione rete</translation>
    </message>
    <message>
        <source>Grid under freq.</source>
        <translation>Sottofrequenza rete</translation>
    </message>
    <message>
        <source>Grid over freq.</source>
        <translation>Sovrafrequenza rete</translation>
    </message>
    <message>
        <source>Clock fault</source>
        <translation>Guasto orologio</translation>
    </message>
    <message>
        <source>Caused by Inverter.Recoverable failure!</source>
        <translation>Causato dall&apos;inverter. Guasto recuperabile!</translation>
    </message>
    <message>
        <source>Impedance</source>
        <translation>Impedenza</translation>
    </message>
    <message>
        <source>Caused by AC Grid.Unrecoverable failure!</source>
        <translation>Causato dalla rete CA. Guasto non recuperabile!</translation>
    </message>
    <message>
        <source>Cmd shut down</source>
        <translation>Arresto da comando</translation>
    </message>
    <message>
        <source>Caused by User.</source>
        <translation>Causato dall&apos;utente.</translation>
    </message>
    <message>
        <source>Current anomaly</source>
        <translation>Anomalia di corrente</translation>
    </message>
    <message>
        <source>Caused by Current anomaly</source>
        <translation>Causato da un&apos;anomalia di corrente</translation>
    </message>
    <message>
        <source>Box Int Comm</source>
        <translation>Comunicazione interna quadro</translation>
    </message>
    <message>
        <source>Caused by Box Int Comm</source>
        <translation>Causato dalla comunicazione interna del quadro</translation>
    </message>
    <message>
        <source>SPD1 Fault</source>
        <translation>Guasto SPD1</translation>
    </message>
    <message>
        <source>Caused by SPD1 Fault</source>
        <translation>Causato da un guasto dell&apos;SPD1</translation>
    </message>
    <message>
        <source>SPD2 Fault</source>
        <translation>Guasto SPD2</translation>
    </message>
    <message>
        <source>Caused by SPD2 Fault</source>
        <translation>Causato da un guasto dell&apos;SPD2</translation>
    </message>
    <message>
        <source>SPD3 Fault</source>
        <translation>Guasto SPD3</translation>
    </message>
    <message>
        <source>Caused by SPD3 Fault</source>
        <translation>Causato da un guasto dell&apos;SPD3</translation>
    </message>
    <message>
        <source>SPD4 Fault</source>
        <translation>Guasto SPD4</translation>
    </message>
    <message>
        <source>Caused by SPD4 Fault</source>
        <translation>Causato da un guasto dell&apos;SPD4</translation>
    </message>
    <message>
        <source>Input over volt.</source>
        <translation>Sovratensione ingresso</translation>
    </message>
    <message>
        <source>Bus over volt.</source>
        <translation>Sovratensione bus</translation>
    </message>
    <message>
        <source>Caused by Invert.Recoverable failure!</source>
        <translation>Causato dall&apos;inverter. Guasto recuperabile!</translation>
    </message>
    <message>
        <source>Boost fail</source>
        <translation>Guasto boost</translation>
    </message>
    <message>
        <source>Caused by Invert.Unrecoverable failure!</source>
        <translation>Causato dall&apos;inverter. Guasto non recuperabile!</translation>
    </message>
    <message>
        <source>Grid over curr.</source>
        <translation>Sovracorrente rete</translation>
    </message>
    <message>
        <source>Over temperature</source>
        <translation>Sovratemperatura</translation>
    </message>
    <message>
        <source>Riso low</source>
        <translation>Isolamento basso</translation>
    </message>
    <message>
        <source>Caused by PV System.!</source>
        <translation>Causato dal sistema FV!</translation>
    </message>
    <message>
        <source>IGBT driver err.</source>
        <translation>Errore driver IGBT</translation>
    </message>
    <message>
        <source>Caused by Inverter.Unrecoverable failure!</source>
        <translation>Causato dall&apos;inverter. Guasto non recuperabile!</translation>
    </message>
    <message>
        <source>Comm. fault</source>
        <translation>Guasto comunicazione</translation>
    </message>
    <message>
        <source>Leak current fail</source>
        <translation>Guasto dispersione</translation>
    </message>
    <message>
        <source>Caused by PV System.Unrecoverable failure!</source>
        <translation>Causato dal sistema FV. Guasto non recuperabile!</translation>
    </message>
    <message>
        <source>Relay fault</source>
        <translation>Guasto relè</translation>
    </message>
    <message>
        <source>Fan fault</source>
        <translation>Guasto ventola</translation>
    </message>
    <message>
        <source>Eeprom fault</source>
        <translation>Guasto EEPROM</translation>
    </message>
    <message>
        <source>DC inject</source>
        <translation>Iniezione CC</translation>
    </message>
    <message>
        <source>Output short</source>
        <translation>Cortocircuito in uscita</translation>
    </message>
    <message>
        <source>Zero drift.</source>
        <translation>Deriva dello zero.</translation>
    </message>
    <message>
        <source>Caused by Inverter.</source>
        <translation>Causato dall&apos;inverter.</translation>
    </message>
    <message>
        <source>Grid negative phase</source>
        <translation>Sequenza fasi invertita</translation>
    </message>
    <message>
        <source>Input over curr.</source>
        <translation>Sovracorrente ingresso</translation>
    </message>
    <message>
        <source>Data incnst</source>
        <translation>Dati incoerenti</translation>
    </message>
    <message>
        <source>Power reversed</source>
        <translation>Potenza invertita</translation>
    </message>
    <message>
        <source>Zero drift</source>
        <translation>Deriva dello zero</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name of Fault</source>
        <translation>Nome del guasto</translation>
    </message>
    <message>
        <source>Fault Code</source>
        <translation>Codice guasto</translation>
    </message>
    <message>
        <source>Failure Time</source>
        <translation>Ora del guasto</translation>
    </message>
    <message>
        <source>Description of Failure</source>
        <translation>Descrizione del guasto</translation>
    </message>
    <message>
        <source>Real time status</source>
        <translation>Stato in tempo reale</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>Fault records</source>
        <translation>Registro guasti</translation>
    </message>
    <message>
        <source>Remove this fault records</source>
        <translation>Elimina questo guasto</translation>
    </message>
    <message>
        <source>Remove all fault records</source>
        <translation>Elimina tutti i guasti</translation>
    </message>
    <message>
        <source>Double click to display more information!</source>
        <translation>Doppio clic per maggiori informazioni!</translation>
    </message>
</context>
<context>
    <name>Page23</name>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Questo mese</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Quest&apos;anno</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuale</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Generating capacity: kWh</source>
        <translation>Energia prodotta: kWh</translation>
    </message>
</context>
<context>
    <name>Page24</name>
    <message>
        <source>Manufacturer:</source>
        <translation>Produttore:</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>Nome inverter:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Max Voltage:</source>
        <translation>Tensione max:</translation>
    </message>
    <message>
        <source>Start Voltage:</source>
        <translation>Tensione di avvio:</translation>
    </message>
    <message>
        <source>MPPT Range:</source>
        <translation>Intervallo MPPT:</translation>
    </message>
    <message>
        <source>Max Power:</source>
        <translation>Potenza max:</translation>
    </message>
    <message>
        <source>Max current:</source>
        <translation>Corrente max:</translation>
    </message>
    <message>
        <source>DC Switch:</source>
        <translation>Sezionatore DC:</translation>
    </message>
    <message>
        <source>Output power:</source>
        <translation>Potenza in uscita:</translation>
    </message>
    <message>
        <source>Max AC current:</source>
        <translation>Corrente AC max:</translation>
    </message>
    <message>
        <source>Grid vol / f:</source>
        <translation>Tensione / f rete:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Collegamento:</translation>
    </message>
    <message>
        <source>Dimension:</source>
        <translation>Dimensioni:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <source>Max efficie:</source>
        <translation>Efficienza max:</translation>
    </message>
    <message>
        <source>Loss(night):</source>
        <translation>Consumo notturno:</translation>
    </message>
    <message>
        <source>DC parameters</source>
        <translation>Parametri DC</translation>
    </message>
    <message>
        <source>AC parameters</source>
        <translation>Parametri AC</translation>
    </message>
    <message>
        <source>Mechanical parameters</source>
        <translation>Parametri meccanici</translation>
    </message>
    <message>
        <source>Efficiency </source>
        <translation>Efficienza </translation>
    </message>
    <message>
        <source>KOVA Power Electronics Co., Ltd.</source>
        <translation>KOVA Power Electronics Co., Ltd.</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>No selected inverter!</source>
        <translation>Nessun inverter selezionato!</translation>
    </message>
</context>
<context>
    <name>Page25</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Numero di serie:</translation>
    </message>
    <message>
        <source>Date in Produced:</source>
        <translation>Data di produzione:</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Versione software:</translation>
    </message>
    <message>
        <source>Output voltage 1:</source>
        <translation>Tensione di uscita 1:</translation>
    </message>
    <message>
        <source>Output voltage 2:</source>
        <translation>Tensione di uscita 2:</translation>
    </message>
    <message>
        <source>Output voltage 3:</source>
        <translation>Tensione di uscita 3:</translation>
    </message>
    <message>
        <source>Output voltage 4:</source>
        <translation>Tensione di uscita 4:</translation>
    </message>
    <message>
        <source>Input current 1:</source>
        <translation>Corrente di ingresso 1:</translation>
    </message>
    <message>
        <source>Input current 2:</source>
        <translation>Corrente di ingresso 2:</translation>
    </message>
    <message>
        <source>Input current 3:</source>
        <translation>Corrente di ingresso 3:</translation>
    </message>
    <message>
        <source>Input current 4:</source>
        <translation>Corrente di ingresso 4:</translation>
    </message>
    <message>
        <source>Input current 5:</source>
        <translation>Corrente di ingresso 5:</translation>
    </message>
    <message>
        <source>Input current 6:</source>
        <translation>Corrente di ingresso 6:</translation>
    </message>
    <message>
        <source>Input current 7:</source>
        <translation>Corrente di ingresso 7:</translation>
    </message>
    <message>
        <source>Input current 8:</source>
        <translation>Corrente di ingresso 8:</translation>
    </message>
    <message>
        <source>Input current 9:</source>
        <translation>Corrente di ingresso 9:</translation>
    </message>
    <message>
        <source>Input current 10:</source>
        <translation>Corrente di ingresso 10:</translation>
    </message>
    <message>
        <source>Input current 11:</source>
        <translation>Corrente di ingresso 11:</translation>
    </message>
    <message>
        <source>Input current 12:</source>
        <translation>Corrente di ingresso 12:</translation>
    </message>
    <message>
        <source>Input current 13:</source>
        <translation>Corrente di ingresso 13:</translation>
    </message>
    <message>
        <source>Input current 14:</source>
        <translation>Corrente di ingresso 14:</translation>
    </message>
    <message>
        <source>Input current 15:</source>
        <translation>Corrente di ingresso 15:</translation>
    </message>
    <message>
        <source>Input current 16:</source>
        <translation>Corrente di ingresso 16:</translation>
    </message>
    <message>
        <source>Base parameters</source>
        <translation>Dati di base</translation>
    </message>
    <message>
        <source>Output parameters</source>
        <translation>Parametri di uscita</translation>
    </message>
    <message>
        <source>Input parameters</source>
        <translation>Parametri di ingresso</translation>
    </message>
</context>
<context>
    <name>Page3</name>
    <message>
        <source>System Name</source>
        <translation>Nome impianto</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Quantity(pcs)</source>
        <translation>Quantità (pz)</translation>
    </message>
    <message>
        <source>Installation site</source>
        <translation>Sito di installazione</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Component power(W)</source>
        <translation>Potenza modulo (W)</translation>
    </message>
    <message>
        <source>Component type</source>
        <translation>Tipo di modulo</translation>
    </message>
    <message>
        <source>Total power(W)</source>
        <translation>Potenza totale (W)</translation>
    </message>
    <message>
        <source>Tilt angle</source>
        <translation>Inclinazione</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>1-ph inverter model</source>
        <translation>Modello inverter monofase</translation>
    </message>
    <message>
        <source>Rated output power(W)</source>
        <translation>Potenza nominale (W)</translation>
    </message>
    <message>
        <source>3-ph inverter model</source>
        <translation>Modello inverter trifase</translation>
    </message>
    <message>
        <source>1-ph AC wiring</source>
        <translation>Cablaggio AC monofase</translation>
    </message>
    <message>
        <source>Rated voltage(Vac)</source>
        <translation>Tensione nominale (Vac)</translation>
    </message>
    <message>
        <source>Rated frequency(Hz)</source>
        <translation>Frequenza nominale (Hz)</translation>
    </message>
    <message>
        <source>3-ph AC wiring</source>
        <translation>Cablaggio AC trifase</translation>
    </message>
    <message>
        <source>Solar cells</source>
        <translation>Moduli fotovoltaici</translation>
    </message>
    <message>
        <source>PV grid-connected inverter</source>
        <translation>Inverter di rete FV</translation>
    </message>
    <message>
        <source>Public grid</source>
        <translation>Rete pubblica</translation>
    </message>
    <message>
        <source>Sloping roof</source>
        <translation>Tetto inclinato</translation>
    </message>
    <message>
        <source>Flat roof</source>
        <translation>Tetto piano</translation>
    </message>
    <message>
        <source>Flat ground</source>
        <translation>Terreno piano</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>QAboutTivraDlg</name>
    <message>
        <source>About Tivra Wattsight</source>
        <translation>Informazioni su Tivra Wattsight</translation>
    </message>
    <message>
        <source>Software Name:</source>
        <translation>Nome del software:</translation>
    </message>
    <message>
        <source>Software version number:</source>
        <translation>Versione del software:</translation>
    </message>
</context>
<context>
    <name>QAlertTexts</name>
    <message>
        <source>the link</source>
        <translation>il collegamento</translation>
    </message>
    <message>
        <source>inverter %1</source>
        <translation>inverter %1</translation>
    </message>
    <message>
        <source>Input power (W)</source>
        <translation>Potenza in ingresso (W)</translation>
    </message>
    <message>
        <source>Output power (W)</source>
        <translation>Potenza in uscita (W)</translation>
    </message>
    <message>
        <source>PV1 voltage (V)</source>
        <translation>Tensione PV1 (V)</translation>
    </message>
    <message>
        <source>PV1 current (A)</source>
        <translation>Corrente PV1 (A)</translation>
    </message>
    <message>
        <source>PV2 voltage (V)</source>
        <translation>Tensione PV2 (V)</translation>
    </message>
    <message>
        <source>PV2 current (A)</source>
        <translation>Corrente PV2 (A)</translation>
    </message>
    <message>
        <source>Temperature 1 (°C)</source>
        <translation>Temperatura 1 (°C)</translation>
    </message>
    <message>
        <source>Temperature 2 (°C)</source>
        <translation>Temperatura 2 (°C)</translation>
    </message>
    <message>
        <source>Grid frequency (Hz)</source>
        <translation>Frequenza di rete (Hz)</translation>
    </message>
    <message>
        <source>Grounding resistance</source>
        <translation>Resistenza di isolamento</translation>
    </message>
    <message>
        <source>Leakage current</source>
        <translation>Corrente di dispersione</translation>
    </message>
    <message>
        <source>%1 (address %2, %3)</source>
        <translation>%1 (indirizzo %2, %3)</translation>
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
        <translation>Guasto: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Descrizione: %1</translation>
    </message>
    <message>
        <source>Fault began on %1: %2</source>
        <translation>Guasto iniziato su %1: %2</translation>
    </message>
    <message>
        <source>Began: %1</source>
        <translation>Inizio: %1</translation>
    </message>
    <message>
        <source>Recorded values (now and the four readings before):</source>
        <translation>Valori registrati (ora e le quattro letture precedenti):</translation>
    </message>
    <message>
        <source>Fault ended on %1: %2</source>
        <translation>Guasto terminato su %1: %2</translation>
    </message>
    <message>
        <source>Ended: %1</source>
        <translation>Fine: %1</translation>
    </message>
    <message>
        <source>%1 is offline</source>
        <translation>%1 non risponde</translation>
    </message>
    <message>
        <source>No answer on the bus since %1 (%2), in daylight.</source>
        <translation>Nessuna risposta sul bus dalle %1 (%2), con la luce del giorno.</translation>
    </message>
    <message>
        <source>%1 is back online</source>
        <translation>%1 risponde di nuovo</translation>
    </message>
    <message>
        <source>Answering again since %1, after %2 offline.</source>
        <translation>Risponde di nuovo dalle %1, dopo %2 senza risposta.</translation>
    </message>
    <message>
        <source>The link to the inverters is down</source>
        <translation>Il collegamento con gli inverter è interrotto</translation>
    </message>
    <message>
        <source>The link has been down since %1 (%2).</source>
        <translation>Il collegamento è interrotto dalle %1 (%2).</translation>
    </message>
    <message>
        <source>Link status: %1</source>
        <translation>Stato del collegamento: %1</translation>
    </message>
    <message>
        <source>The link to the inverters is back</source>
        <translation>Il collegamento con gli inverter è ripristinato</translation>
    </message>
    <message>
        <source>The link is up again since %1, after %2 down.</source>
        <translation>Il collegamento funziona di nuovo dalle %1, dopo %2 di interruzione.</translation>
    </message>
    <message>
        <source>Daily summary %1</source>
        <translation>Riepilogo del giorno %1</translation>
    </message>
    <message>
        <source>Energy fed in on %1:</source>
        <translation>Energia immessa il %1:</translation>
    </message>
    <message>
        <source>not read today</source>
        <translation>non letta oggi</translation>
    </message>
    <message>
        <source>%1 kWh</source>
        <translation>%1 kWh</translation>
    </message>
    <message>
        <source>Plant total: %1 kWh</source>
        <translation>Totale dell&apos;impianto: %1 kWh</translation>
    </message>
    <message>
        <source>Faults of the day:</source>
        <translation>Guasti del giorno:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Inverters that did not produce:</source>
        <translation>Inverter che non hanno prodotto:</translation>
    </message>
    <message>
        <source>Test mail</source>
        <translation>Messaggio di prova</translation>
    </message>
    <message>
        <source>This test mail was sent at %1. Alerts of this plant reach this address.</source>
        <translation>Questo messaggio di prova è stato inviato alle %1. Gli avvisi di questo impianto arrivano a questo indirizzo.</translation>
    </message>
    <message>
        <source>Held back in the last hour (at most one mail of a kind an hour):</source>
        <translation>Trattenuti nell&apos;ultima ora (al più un messaggio dello stesso tipo all&apos;ora):</translation>
    </message>
    <message>
        <source>%1: alerts held back in the last hour (%2)</source>
        <translation>%1: avvisi trattenuti nell&apos;ultima ora (%2)</translation>
    </message>
    <message>
        <source>fault began: %1</source>
        <translation>guasto iniziato: %1</translation>
    </message>
    <message>
        <source>fault ended: %1</source>
        <translation>guasto terminato: %1</translation>
    </message>
    <message>
        <source>%1 back</source>
        <translation>%1 ripristinato</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 interrotto</translation>
    </message>
</context>
<context>
    <name>QAlertsDlg</name>
    <message>
        <source>Alerts</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>Send alerts to:</source>
        <translation>Invia gli avvisi a:</translation>
    </message>
    <message>
        <source>Mail when a fault begins and when it ends</source>
        <translation>Avvisa quando un guasto inizia e quando termina</translation>
    </message>
    <message>
        <source>Mail when an inverter is offline in daylight for more than</source>
        <translation>Avvisa quando un inverter non risponde di giorno per più di</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Mail when the link to the inverters is down for more than</source>
        <translation>Avvisa quando il collegamento con gli inverter è interrotto per più di</translation>
    </message>
    <message>
        <source>Mail a summary of the day after feed-in ends</source>
        <translation>Invia un riepilogo del giorno a fine produzione</translation>
    </message>
    <message>
        <source>Send test mail</source>
        <translation>Invia messaggio di prova</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Mails waiting to be sent: %1</source>
        <translation>Messaggi in attesa di invio: %1</translation>
    </message>
    <message>
        <source>The sun does not rise today.</source>
        <translation>Oggi il sole non sorge.</translation>
    </message>
    <message>
        <source>The sun does not set today.</source>
        <translation>Oggi il sole non tramonta.</translation>
    </message>
    <message>
        <source>Daylight today: %1 to %2.</source>
        <translation>Luce del giorno oggi: dalle %1 alle %2.</translation>
    </message>
    <message>
        <source>(From the plant&apos;s latitude and longitude.)</source>
        <translation>(Dalla latitudine e longitudine dell&apos;impianto.)</translation>
    </message>
    <message>
        <source>(From the sunrise time and 18:00: give the plant its latitude and longitude for the sun&apos;s times.)</source>
        <translation>(Dall&apos;ora dell&apos;alba e dalle 18:00: indicare latitudine e longitudine dell&apos;impianto per gli orari del sole.)</translation>
    </message>
    <message>
        <source>Information is incomplete!</source>
        <translation>Informazioni incomplete!</translation>
    </message>
</context>
<context>
    <name>QAllFaultDlg</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Fault code</source>
        <translation>Codice guasto</translation>
    </message>
    <message>
        <source>Time to failure</source>
        <translation>Ora del guasto</translation>
    </message>
    <message>
        <source>Detail code</source>
        <translation>Codice dettaglio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>QBusMonitorModel</name>
    <message>
        <source>model name</source>
        <translation>modello</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>impostazioni</translation>
    </message>
    <message>
        <source>max output power</source>
        <translation>potenza massima in uscita</translation>
    </message>
    <message>
        <source>peak power</source>
        <translation>potenza di picco</translation>
    </message>
    <message>
        <source>today&apos;s energy</source>
        <translation>energia di oggi</translation>
    </message>
    <message>
        <source>totals</source>
        <translation>totali</translation>
    </message>
    <message>
        <source>status and faults</source>
        <translation>stato e guasti</translation>
    </message>
    <message>
        <source>voltages and currents</source>
        <translation>tensioni e correnti</translation>
    </message>
    <message>
        <source>live data</source>
        <translation>dati in tempo reale</translation>
    </message>
    <message>
        <source>write clock</source>
        <translation>scrittura orologio</translation>
    </message>
    <message>
        <source>write language</source>
        <translation>scrittura lingua</translation>
    </message>
    <message>
        <source>write monetary unit</source>
        <translation>scrittura valuta</translation>
    </message>
    <message>
        <source>write price</source>
        <translation>scrittura prezzo</translation>
    </message>
    <message>
        <source>write max output power</source>
        <translation>scrittura potenza massima</translation>
    </message>
    <message>
        <source>switch on or off</source>
        <translation>accensione o spegnimento</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>reset</translation>
    </message>
    <message>
        <source>factory reset</source>
        <translation>ripristino di fabbrica</translation>
    </message>
    <message>
        <source>user label</source>
        <translation>etichetta utente</translation>
    </message>
    <message>
        <source>write user label</source>
        <translation>scrittura etichetta utente</translation>
    </message>
    <message>
        <source>clear statistics</source>
        <translation>azzeramento statistiche</translation>
    </message>
    <message>
        <source>write tariff period</source>
        <translation>scrittura periodo tariffario</translation>
    </message>
    <message>
        <source>write password</source>
        <translation>scrittura password</translation>
    </message>
    <message>
        <source>inverter statistics</source>
        <translation>statistiche dell&apos;inverter</translation>
    </message>
    <message>
        <source>inverter information</source>
        <translation>informazioni dell&apos;inverter</translation>
    </message>
    <message>
        <source>fault memory</source>
        <translation>memoria guasti</translation>
    </message>
    <message>
        <source>raw read</source>
        <translation>lettura registri</translation>
    </message>
    <message>
        <source>protection points</source>
        <translation>punti di protezione</translation>
    </message>
    <message>
        <source>raw write</source>
        <translation>scrittura registri</translation>
    </message>
    <message>
        <source>search</source>
        <translation>ricerca</translation>
    </message>
    <message>
        <source>logon</source>
        <translation>accesso</translation>
    </message>
    <message>
        <source>logoff</source>
        <translation>uscita</translation>
    </message>
    <message>
        <source>box serial number</source>
        <translation>numero di serie del quadro</translation>
    </message>
    <message>
        <source>box description</source>
        <translation>descrizione del quadro</translation>
    </message>
    <message>
        <source>box production date</source>
        <translation>data di produzione del quadro</translation>
    </message>
    <message>
        <source>box voltages</source>
        <translation>tensioni del quadro</translation>
    </message>
    <message>
        <source>box currents</source>
        <translation>correnti del quadro</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Dir.</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Cosa</translation>
    </message>
    <message>
        <source>Reply ms</source>
        <translation>Risposta ms</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>daily statistics</source>
        <translation>statistiche giornaliere</translation>
    </message>
    <message>
        <source>monthly statistics</source>
        <translation>statistiche mensili</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>inviata</translation>
    </message>
    <message>
        <source>answered</source>
        <translation>risposta ricevuta</translation>
    </message>
    <message>
        <source>error reply %1</source>
        <translation>risposta di errore %1</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>timeout</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>CRC errato</translation>
    </message>
    <message>
        <source>rejected: not matching</source>
        <translation>scartata: non corrisponde</translation>
    </message>
</context>
<context>
    <name>QBusMonitorWindow</name>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Richieste</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Errori</translation>
    </message>
    <message>
        <source>Mean reply (ms)</source>
        <translation>Risposta media (ms)</translation>
    </message>
    <message>
        <source>Bus monitor</source>
        <translation>Monitor del bus</translation>
    </message>
    <message>
        <source>Bus monitor: every frame on the bus, newest last (at most %1 rows)</source>
        <translation>Monitor del bus: ogni frame sul bus, il più recente in fondo (al massimo %1 righe)</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>Salva CSV</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Tutti gli indirizzi</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 righe</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Indirizzo %1</translation>
    </message>
    <message>
        <source>Address %1 (%2)</source>
        <translation>Indirizzo %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QDataDlg</name>
    <message>
        <source>Hangzhou, China</source>
        <translation>Hangzhou, Cina</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
    <message>
        <source>7Day</source>
        <translation>7 giorni</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>30Day</source>
        <translation>30 giorni</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>Periodo T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>Periodo T2</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Man day</source>
        <translation>Data di produzione</translation>
    </message>
    <message>
        <source>Man place</source>
        <translation>Luogo di produzione</translation>
    </message>
    <message>
        <source>485 addr</source>
        <translation>Indirizzo 485</translation>
    </message>
    <message>
        <source>LED language</source>
        <translation>Lingua display</translation>
    </message>
    <message>
        <source>Cash name</source>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>User label</source>
        <translation>Etichetta utente</translation>
    </message>
    <message>
        <source>Period T1</source>
        <translation>Periodo T1</translation>
    </message>
    <message>
        <source>Period T2</source>
        <translation>Periodo T2</translation>
    </message>
    <message>
        <source>ppk Today</source>
        <translation>Picco oggi</translation>
    </message>
    <message>
        <source>ppk 7Day</source>
        <translation>Picco 7 giorni</translation>
    </message>
    <message>
        <source>ppk 30Day</source>
        <translation>Picco 30 giorni</translation>
    </message>
    <message>
        <source>ppk Month</source>
        <translation>Picco mese</translation>
    </message>
    <message>
        <source>ppk Year</source>
        <translation>Picco anno</translation>
    </message>
    <message>
        <source>ppk History</source>
        <translation>Picco storico</translation>
    </message>
    <message>
        <source>ppk T1</source>
        <translation>Picco T1</translation>
    </message>
    <message>
        <source>ppk T2</source>
        <translation>Picco T2</translation>
    </message>
    <message>
        <source>Work time</source>
        <translation>Ore di lavoro</translation>
    </message>
    <message>
        <source>Grid time</source>
        <translation>Ore in rete</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Ricavo</translation>
    </message>
    <message>
        <source>Co2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenuto</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Other items</source>
        <translation>Altre voci</translation>
    </message>
    <message>
        <source>Read All</source>
        <translation>Leggi tutto</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>QE_Mail</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contattaci</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Oggetto:</translation>
    </message>
    <message>
        <source>Receiver:</source>
        <translation>Destinatario:</translation>
    </message>
    <message>
        <source>Attachment:</source>
        <translation>Allegati:</translation>
    </message>
    <message>
        <source>Add attachment</source>
        <translation>Aggiungi allegato</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Information is incomplete!Mail will not be successful!</source>
        <translation>Informazioni incomplete! La posta non verrà inviata!</translation>
    </message>
    <message>
        <source>The file has been added!</source>
        <translation>Il file è già stato aggiunto!</translation>
    </message>
    <message>
        <source>Get Files</source>
        <translation>Scegli i file</translation>
    </message>
    <message>
        <source>Information is incomplete!</source>
        <translation>Informazioni incomplete!</translation>
    </message>
    <message>
        <source>Send success!</source>
        <translation>Invio riuscito!</translation>
    </message>
    <message>
        <source>Failed to connect to server!</source>
        <translation>Connessione al server non riuscita!</translation>
    </message>
    <message>
        <source>Failed to send message!</source>
        <translation>Invio del messaggio non riuscito!</translation>
    </message>
    <message>
        <source>Failed to connect to server: its certificate could not be verified!</source>
        <translation>Connessione al server non riuscita: impossibile verificarne il certificato!</translation>
    </message>
    <message>
        <source>Failed to connect to server: no encrypted connection could be made!</source>
        <translation>Connessione al server non riuscita: impossibile stabilire una connessione cifrata!</translation>
    </message>
</context>
<context>
    <name>QFaultDlg</name>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Tack1 voltage</source>
        <translation>Tensione stringa 1</translation>
    </message>
    <message>
        <source>Tack1 current</source>
        <translation>Corrente stringa 1</translation>
    </message>
    <message>
        <source>Tack2 voltage</source>
        <translation>Tensione stringa 2</translation>
    </message>
    <message>
        <source>Tack2 current</source>
        <translation>Corrente stringa 2</translation>
    </message>
    <message>
        <source>Input power</source>
        <translation>Potenza in ingresso</translation>
    </message>
    <message>
        <source>Output power</source>
        <translation>Potenza in uscita</translation>
    </message>
    <message>
        <source>Temperature1</source>
        <translation>Temperatura 1</translation>
    </message>
    <message>
        <source>Temperature2</source>
        <translation>Temperatura 2</translation>
    </message>
    <message>
        <source>Grounding resistance</source>
        <translation>Resistenza di isolamento</translation>
    </message>
    <message>
        <source>Leakage current</source>
        <translation>Corrente di dispersione</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>Nome inverter:</translation>
    </message>
    <message>
        <source>Inverter Address:</source>
        <translation>Indirizzo inverter:</translation>
    </message>
    <message>
        <source>Fault Code:</source>
        <translation>Codice guasto:</translation>
    </message>
    <message>
        <source>Fault Name:</source>
        <translation>Nome del guasto:</translation>
    </message>
    <message>
        <source>Failure Time:</source>
        <translation>Ora del guasto:</translation>
    </message>
    <message>
        <source>Fault details</source>
        <translation>Dettagli del guasto</translation>
    </message>
    <message>
        <source>Fault data recording:</source>
        <translation>Dati registrati al guasto:</translation>
    </message>
</context>
<context>
    <name>QFaultListWidget</name>
    <message>
        <source>Quantity: </source>
        <translation>Quantità: </translation>
    </message>
    <message>
        <source>Inverters in failure</source>
        <translation>Inverter in guasto</translation>
    </message>
</context>
<context>
    <name>QFindInverterDlg</name>
    <message>
        <source>   search</source>
        <translation>   ricerca</translation>
    </message>
    <message>
        <source>   find</source>
        <translation>   trovato</translation>
    </message>
    <message>
        <source>   timeout</source>
        <translation>   nessuna risposta</translation>
    </message>
    <message>
        <source>Search inverter</source>
        <translation>Cerca inverter</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Da:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Address is wrong!</source>
        <translation>Indirizzo errato!</translation>
    </message>
    <message>
        <source>Add Inverter Fialed! Name or address have been used!</source>
        <translation>Aggiunta dell&apos;inverter non riuscita! Nome o indirizzo già in uso!</translation>
    </message>
</context>
<context>
    <name>QFindInverterItem</name>
    <message>
        <source>Addr.:%03d</source>
        <translation>Ind.:%03d</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>Il nome dell&apos;inverter non può essere vuoto!</translation>
    </message>
</context>
<context>
    <name>QGenerationPagePainter</name>
    <message>
        <source>All Inverter Generation</source>
        <translation>Produzione di tutti gli inverter</translation>
    </message>
    <message>
        <source>Inverter Generation</source>
        <translation>Produzione inverter</translation>
    </message>
    <message>
        <source>All Inverter</source>
        <translation>Tutti gli inverter</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensile</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Annuale</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Giornaliero</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Produzione</translation>
    </message>
    <message>
        <source>Benefits</source>
        <translation>Ricavi</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Totale:</translation>
    </message>
</context>
<context>
    <name>QInstructionsDlg</name>
    <message>
        <source>About KOVA</source>
        <translation>Informazioni su KOVA</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Ragione sociale:</translation>
    </message>
    <message>
        <source>Headquarters Address:</source>
        <translation>Sede centrale:</translation>
    </message>
    <message>
        <source>Sales Hotline:</source>
        <translation>Linea vendite:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sito web:</translation>
    </message>
    <message>
        <source>Zip Code:</source>
        <translation>CAP:</translation>
    </message>
    <message>
        <source>Service Hotline:</source>
        <translation>Assistenza clienti:</translation>
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
        <translation>Connesso!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnesso</translation>
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
        <translation>   Modifica del nome dell&apos;inverter.</translation>
    </message>
    <message>
        <source>      The original name:</source>
        <translation>      Nome precedente:</translation>
    </message>
    <message>
        <source>      The current name:</source>
        <translation>      Nome attuale:</translation>
    </message>
    <message>
        <source>   Communication status change.</source>
        <translation>   Cambio dello stato di comunicazione.</translation>
    </message>
    <message>
        <source>      Inverter </source>
        <translation>      Inverter </translation>
    </message>
    <message>
        <source>   Fault began!</source>
        <translation>   Inizio guasto!</translation>
    </message>
    <message>
        <source>      The fault code: </source>
        <translation>      Codice guasto: </translation>
    </message>
    <message>
        <source>   Fault end!</source>
        <translation>   Fine guasto!</translation>
    </message>
    <message>
        <source>   Inverter add to the system!</source>
        <translation>   Inverter aggiunto all&apos;impianto!</translation>
    </message>
    <message>
        <source>   Inverter status change!</source>
        <translation>   Cambio di stato dell&apos;inverter!</translation>
    </message>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>   Setting time of inverter!</source>
        <translation>   Impostazione dell&apos;ora dell&apos;inverter!</translation>
    </message>
    <message>
        <source>   Setting the language of inverter!</source>
        <translation>   Impostazione della lingua dell&apos;inverter!</translation>
    </message>
    <message>
        <source>   Setting the monetary unit of inverter!</source>
        <translation>   Impostazione della valuta dell&apos;inverter!</translation>
    </message>
    <message>
        <source>   Setting the price!</source>
        <translation>   Impostazione del prezzo!</translation>
    </message>
    <message>
        <source>   Setting the max output power!</source>
        <translation>   Impostazione della potenza massima in uscita!</translation>
    </message>
    <message>
        <source>   Setting the user label!</source>
        <translation>   Impostazione dell&apos;etichetta utente!</translation>
    </message>
    <message>
        <source>,Tivra Wattsight:</source>
        <translation>,Tivra Wattsight:</translation>
    </message>
    <message>
        <source>   Command not delivered!</source>
        <translation>   Comando non consegnato!</translation>
    </message>
    <message>
        <source>Set the inverter&apos;s clock</source>
        <translation>Impostare l&apos;orologio dell&apos;inverter</translation>
    </message>
    <message>
        <source>Set the inverter&apos;s language</source>
        <translation>Impostare la lingua dell&apos;inverter</translation>
    </message>
    <message>
        <source>Set the monetary unit</source>
        <translation>Impostare l&apos;unità monetaria</translation>
    </message>
    <message>
        <source>Set the price</source>
        <translation>Impostare il prezzo</translation>
    </message>
    <message>
        <source>Set the max output power</source>
        <translation>Impostare la potenza massima in uscita</translation>
    </message>
    <message>
        <source>Switch on or off</source>
        <translation>Accendere o spegnere</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation>Ripristino di fabbrica</translation>
    </message>
    <message>
        <source>Set the user label</source>
        <translation>Impostare l&apos;etichetta utente</translation>
    </message>
    <message>
        <source>Clear the statistics</source>
        <translation>Cancellare le statistiche</translation>
    </message>
    <message>
        <source>Set tariff period 1</source>
        <translation>Impostare la fascia tariffaria 1</translation>
    </message>
    <message>
        <source>Set tariff period 2</source>
        <translation>Impostare la fascia tariffaria 2</translation>
    </message>
    <message>
        <source>Set the inverter password</source>
        <translation>Impostare la password dell&apos;inverter</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>Disconnessione</translation>
    </message>
    <message>
        <source>Write %1 registers from %2</source>
        <translation>Scrivere %1 registri da %2</translation>
    </message>
    <message>
        <source>Read %1 registers from %2</source>
        <translation>Leggere %1 registri da %2</translation>
    </message>
</context>
<context>
    <name>QInverterLogonDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>PassWord: </source>
        <translation>Password: </translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The password must be a number from 0 to 65535!</source>
        <translation>La password deve essere un numero da 0 a 65535!</translation>
    </message>
</context>
<context>
    <name>QInverterRecorder</name>
    <message>
        <source>the fault record could not be appended</source>
        <translation>impossibile aggiungere il record del guasto</translation>
    </message>
</context>
<context>
    <name>QInverterSetDlg</name>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
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
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Manutenzione</translation>
    </message>
    <message>
        <source>Inverter Name:</source>
        <translation>Nome inverter:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Ora locale</translation>
    </message>
    <message>
        <source>Inverter time:</source>
        <translation>Ora inverter:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Monetary unit:</source>
        <translation>Valuta:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Prezzo:</translation>
    </message>
    <message>
        <source>User label:</source>
        <translation>Etichetta utente:</translation>
    </message>
    <message>
        <source>Max output power(%):</source>
        <translation>Potenza max in uscita (%):</translation>
    </message>
    <message>
        <source>Logon state:</source>
        <translation>Stato accesso:</translation>
    </message>
    <message>
        <source>Logon</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Set password</source>
        <translation>Imposta password</translation>
    </message>
    <message>
        <source>Set T1</source>
        <translation>Imposta T1</translation>
    </message>
    <message>
        <source>All data</source>
        <translation>Tutti i dati</translation>
    </message>
    <message>
        <source>All fault</source>
        <translation>Tutti i guasti</translation>
    </message>
    <message>
        <source>Pro-point</source>
        <translation>Punti protez.</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>ON/OFF</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Riavvia</translation>
    </message>
    <message>
        <source>Clear-stati</source>
        <translation>Azzera stat.</translation>
    </message>
    <message>
        <source>Fac-Reset</source>
        <translation>Ripr. fabbrica</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Logged in</source>
        <translation>Accesso eseguito</translation>
    </message>
    <message>
        <source>No login</source>
        <translation>Accesso non eseguito</translation>
    </message>
    <message>
        <source>No password</source>
        <translation>Nessuna password</translation>
    </message>
    <message>
        <source>The inverter is offline!</source>
        <translation>L&apos;inverter è offline!</translation>
    </message>
    <message>
        <source>You need to enter the password of the inverter!</source>
        <translation>Occorre inserire la password dell&apos;inverter!</translation>
    </message>
    <message>
        <source>Inverter name cannot be empty!</source>
        <translation>Il nome dell&apos;inverter non può essere vuoto!</translation>
    </message>
    <message>
        <source>The name is used by another inverter!</source>
        <translation>Il nome è già usato da un altro inverter!</translation>
    </message>
    <message>
        <source>The files of the inverter cannot move to this name!</source>
        <translation>I file dell&apos;inverter non possono passare a questo nome!</translation>
    </message>
    <message>
        <source>Successfully saved!</source>
        <translation>Salvataggio riuscito!</translation>
    </message>
    <message>
        <source>Failed to set the price!</source>
        <translation>Impostazione del prezzo non riuscita!</translation>
    </message>
    <message>
        <source>Failed to set the max output power!</source>
        <translation>Impostazione della potenza massima non riuscita!</translation>
    </message>
    <message>
        <source>Switch on the inverter %1? It starts feeding into the grid.</source>
        <translation>Accendere l&apos;inverter %1? Inizierà a immettere in rete.</translation>
    </message>
    <message>
        <source>Switch off the inverter %1? It stops feeding into the grid.</source>
        <translation>Spegnere l&apos;inverter %1? Smetterà di immettere in rete.</translation>
    </message>
    <message>
        <source>Restart the inverter %1? It stops feeding in until its self-test is over.</source>
        <translation>Riavviare l&apos;inverter %1? Non immette in rete fino alla fine dell&apos;autotest.</translation>
    </message>
    <message>
        <source>Reset the inverter %1 to its factory settings? Its settings, password and clock are lost.</source>
        <translation>Ripristinare le impostazioni di fabbrica dell&apos;inverter %1? Impostazioni, password e orologio andranno persi.</translation>
    </message>
    <message>
        <source>Clear the statistics of the inverter %1? Its daily, monthly and peak values are erased.</source>
        <translation>Azzerare le statistiche dell&apos;inverter %1? I valori giornalieri, mensili e di picco saranno cancellati.</translation>
    </message>
</context>
<context>
    <name>QMaintenanceDlg</name>
    <message>
        <source>Inverter %1, address %2</source>
        <translation>Inverter %1, indirizzo %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>CSV File(*.csv)</source>
        <translation>File CSV(*.csv)</translation>
    </message>
    <message>
        <source>Successfully saved!</source>
        <translation>Salvataggio riuscito!</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Salvataggio non riuscito!</translation>
    </message>
</context>
<context>
    <name>QMiscellaneousDlg</name>
    <message>
        <source>Set electricity price</source>
        <translation>Prezzo dell&apos;energia</translation>
    </message>
    <message>
        <source>Currency Unit:</source>
        <translation>Valuta:</translation>
    </message>
    <message>
        <source>Unit price(/kWh):</source>
        <translation>Prezzo (/kWh):</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The price is too high!</source>
        <translation>Il prezzo è troppo alto!</translation>
    </message>
</context>
<context>
    <name>QMyColorDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Select a colour</source>
        <translation>Scegli un colore</translation>
    </message>
</context>
<context>
    <name>QOutputPane</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>QOutputTrend</name>
    <message>
        <source>Output power curve</source>
        <translation>Curva della potenza in uscita</translation>
    </message>
</context>
<context>
    <name>QPlantPublisher</name>
    <message>
        <source>Publishing is off.</source>
        <translation>Pubblicazione disattivata.</translation>
    </message>
    <message>
        <source>Publishing stopped.</source>
        <translation>Pubblicazione interrotta.</translation>
    </message>
    <message>
        <source>No broker is set.</source>
        <translation>Nessun broker impostato.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: energies start again from what the inverters report.</source>
        <translation>Impossibile leggere il file %1: le energie ripartono da quanto riportano gli inverter.</translation>
    </message>
    <message>
        <source>Publishing to the broker %1 under %2.</source>
        <translation>Pubblicazione verso il broker %1 sotto %2.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connessione a %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>Connected to the broker %1.</source>
        <translation>Connesso al broker %1.</translation>
    </message>
    <message>
        <source>The broker %1 refused the user name or password.</source>
        <translation>Il broker %1 ha rifiutato nome utente o password.</translation>
    </message>
    <message>
        <source>The broker %1 refused the connection: %2</source>
        <translation>Il broker %1 ha rifiutato la connessione: %2</translation>
    </message>
    <message>
        <source>No secure connection to the broker %1: %2</source>
        <translation>Nessuna connessione sicura con il broker %1: %2</translation>
    </message>
    <message>
        <source>Cannot connect to the broker %1: %2</source>
        <translation>Impossibile connettersi al broker %1: %2</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Connesso a %1.</translation>
    </message>
    <message>
        <source>Next attempt in %1 s.</source>
        <translation>Nuovo tentativo tra %1 s.</translation>
    </message>
    <message>
        <source>The connection to the broker %1 was lost (%2); connecting again.</source>
        <translation>La connessione al broker %1 si è interrotta (%2); nuova connessione in corso.</translation>
    </message>
</context>
<context>
    <name>QProgressDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Sending attachments...</source>
        <translation>Invio degli allegati in corso...</translation>
    </message>
</context>
<context>
    <name>QProtectPoint</name>
    <message>
        <source>Undervoltage protection1</source>
        <translation>Protezione sottotensione 1</translation>
    </message>
    <message>
        <source>Undervoltage protection1 delay</source>
        <translation>Ritardo protezione sottotensione 1</translation>
    </message>
    <message>
        <source>Undervoltage protection2</source>
        <translation>Protezione sottotensione 2</translation>
    </message>
    <message>
        <source>Undervoltage protection2 delay</source>
        <translation>Ritardo protezione sottotensione 2</translation>
    </message>
    <message>
        <source>Overvoltage protection1</source>
        <translation>Protezione sovratensione 1</translation>
    </message>
    <message>
        <source>Overvoltage protection1 delay</source>
        <translation>Ritardo protezione sovratensione 1</translation>
    </message>
    <message>
        <source>Overvoltage protection2</source>
        <translation>Protezione sovratensione 2</translation>
    </message>
    <message>
        <source>Overvoltage protection2 delay</source>
        <translation>Ritardo protezione sovratensione 2</translation>
    </message>
    <message>
        <source>Under frequency protection1</source>
        <translation>Protezione sottofrequenza 1</translation>
    </message>
    <message>
        <source>Under frequency protection1 delay</source>
        <translation>Ritardo protezione sottofrequenza 1</translation>
    </message>
    <message>
        <source>Under frequency protection2</source>
        <translation>Protezione sottofrequenza 2</translation>
    </message>
    <message>
        <source>Under frequency protection2 delay</source>
        <translation>Ritardo protezione sottofrequenza 2</translation>
    </message>
    <message>
        <source>Over frequency protection1</source>
        <translation>Protezione sovrafrequenza 1</translation>
    </message>
    <message>
        <source>Over frequency protection1 delay</source>
        <translation>Ritardo protezione sovrafrequenza 1</translation>
    </message>
    <message>
        <source>Over frequency protection2</source>
        <translation>Protezione sovrafrequenza 2</translation>
    </message>
    <message>
        <source>Over frequency protection2 delay</source>
        <translation>Ritardo protezione sovrafrequenza 2</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
</context>
<context>
    <name>QPublishSettings</name>
    <message>
        <source>The topic prefix is empty.</source>
        <translation>Il prefisso degli argomenti è vuoto.</translation>
    </message>
    <message>
        <source>A topic prefix may not contain &apos;+&apos; or &apos;#&apos;.</source>
        <translation>Il prefisso degli argomenti non può contenere &apos;+&apos; o &apos;#&apos;.</translation>
    </message>
    <message>
        <source>A topic prefix may not begin with &apos;$&apos;.</source>
        <translation>Il prefisso degli argomenti non può iniziare con &apos;$&apos;.</translation>
    </message>
    <message>
        <source>The topic prefix is too long.</source>
        <translation>Il prefisso degli argomenti è troppo lungo.</translation>
    </message>
</context>
<context>
    <name>QReadDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Return(hex):</source>
        <translation>Risposta (hex):</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
</context>
<context>
    <name>QRegisterDlg</name>
    <message>
        <source>Address(hex):</source>
        <translation>Indirizzo (hex):</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Lunghezza:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Address illegal</source>
        <translation>Indirizzo non valido</translation>
    </message>
    <message>
        <source>Length must be between 20 and1</source>
        <translation>La lunghezza deve essere tra 1 e 20</translation>
    </message>
</context>
<context>
    <name>QReportOutput</name>
    <message>
        <source>Successfully saved!</source>
        <translation>Salvataggio riuscito!</translation>
    </message>
    <message>
        <source>Save failed!</source>
        <translation>Salvataggio non riuscito!</translation>
    </message>
</context>
<context>
    <name>QSaveDialog</name>
    <message>
        <source>System information</source>
        <translation>Informazioni impianto</translation>
    </message>
    <message>
        <source>Inverter information</source>
        <translation>Informazioni inverter</translation>
    </message>
    <message>
        <source>System generation</source>
        <translation>Produzione impianto</translation>
    </message>
    <message>
        <source>Inverter generation</source>
        <translation>Produzione inverter</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Save and print</source>
        <translation>Salva e stampa</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Seleziona:</translation>
    </message>
    <message>
        <source>Inverter:</source>
        <translation>Inverter:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Giornaliero</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensile</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Annuale</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Salva in:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Salva come:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save path</source>
        <translation>Cartella di salvataggio</translation>
    </message>
    <message>
        <source>File name cann&apos;t be empty!</source>
        <translation>Il nome del file non può essere vuoto!</translation>
    </message>
</context>
<context>
    <name>QSetCommunicateDlg</name>
    <message>
        <source>Set communicate information</source>
        <translation>Impostazioni di comunicazione</translation>
    </message>
    <message>
        <source>Serial communication settings</source>
        <translation>Comunicazione seriale</translation>
    </message>
    <message>
        <source>Ethernet communication settings</source>
        <translation>Comunicazione Ethernet</translation>
    </message>
    <message>
        <source>GPRS communication settings</source>
        <translation>Comunicazione GPRS</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Porta seriale:</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>Velocità (baud):</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>Port number:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The IP address is not complete!</source>
        <translation>L&apos;indirizzo IP non è completo!</translation>
    </message>
    <message>
        <source>The port number must be from 1 to 65535!</source>
        <translation>La porta deve essere tra 1 e 65535!</translation>
    </message>
</context>
<context>
    <name>QSetInverterPassDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>New key:</source>
        <translation>Nuova password:</translation>
    </message>
    <message>
        <source>Confirm key:</source>
        <translation>Conferma password:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>New password can not be empty!</source>
        <translation>La nuova password non può essere vuota!</translation>
    </message>
    <message>
        <source>Two entered passwords do not match!</source>
        <translation>Le due password inserite non coincidono!</translation>
    </message>
    <message>
        <source>The password must be a number from 0 to 65535!</source>
        <translation>La password deve essere un numero da 0 a 65535!</translation>
    </message>
</context>
<context>
    <name>QSetInverterTdlg</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Start time:</source>
        <translation>Data di inizio:</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>Data di fine:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Time setting error!</source>
        <translation>Errore di impostazione della data!</translation>
    </message>
</context>
<context>
    <name>QSetMailDlg</name>
    <message>
        <source>Edit mail information</source>
        <translation>Impostazioni e-mail</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Pass Word:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>%1 or %2 (plain)
%3 (TLS)
%4 (STARTTLS)</source>
        <translation>%1 o %2 (in chiaro)
%3 (TLS)
%4 (STARTTLS)</translation>
    </message>
    <message>
        <source>For example: %1</source>
        <translation>Per esempio: %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QSetPasswordDlg</name>
    <message>
        <source>Password setting</source>
        <translation>Impostazione password</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Existing key:</source>
        <translation>Password attuale:</translation>
    </message>
    <message>
        <source>New key:</source>
        <translation>Nuova password:</translation>
    </message>
    <message>
        <source>Confirm key:</source>
        <translation>Conferma password:</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Amministratore</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Password is not correct!</source>
        <translation>La password non è corretta!</translation>
    </message>
    <message>
        <source>New password can not be empty!</source>
        <translation>La nuova password non può essere vuota!</translation>
    </message>
    <message>
        <source>Two entered passwords do not match!</source>
        <translation>Le due password inserite non coincidono!</translation>
    </message>
</context>
<context>
    <name>QSetPublishDlg</name>
    <message>
        <source>Publishing</source>
        <translation>Pubblicazione</translation>
    </message>
    <message>
        <source>Publish the plant&apos;s data to an MQTT broker</source>
        <translation>Pubblica i dati dell&apos;impianto su un broker MQTT</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>Broker:</translation>
    </message>
    <message>
        <source>host name or IP address</source>
        <translation>nome host o indirizzo IP</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Secure connection (TLS)</source>
        <translation>Connessione sicura (TLS)</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>File CA:</translation>
    </message>
    <message>
        <source>the system&apos;s certificate authorities</source>
        <translation>le CA del sistema</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Topic prefix:</source>
        <translation>Prefisso argomenti:</translation>
    </message>
    <message>
        <source>Announce the devices to home automation (discovery)</source>
        <translation>Annuncia i dispositivi alla domotica (discovery)</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Prova connessione</translation>
    </message>
    <message>
        <source>Publishing log:</source>
        <translation>Registro pubblicazione:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Enter the broker&apos;s host name or address.</source>
        <translation>Inserire il nome host o l&apos;indirizzo del broker.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Prova della connessione...</translation>
    </message>
    <message>
        <source>CA file</source>
        <translation>File CA</translation>
    </message>
    <message>
        <source>Certificates (*.crt *.pem);;All files (*)</source>
        <translation>Certificati (*.crt *.pem);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>QTrendSetDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Trend settings</source>
        <translation>Impostazioni del grafico</translation>
    </message>
    <message>
        <source>Input Power:</source>
        <translation>Potenza in ingresso:</translation>
    </message>
    <message>
        <source>Output Power:</source>
        <translation>Potenza in uscita:</translation>
    </message>
    <message>
        <source>Energy:</source>
        <translation>Energia:</translation>
    </message>
    <message>
        <source>The maximum Y-axis:</source>
        <translation>Massimo asse Y:</translation>
    </message>
    <message>
        <source>Time axis:</source>
        <translation>Asse del tempo:</translation>
    </message>
    <message>
        <source>Restore default settings</source>
        <translation>Ripristina impostazioni predefinite</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuti</translation>
    </message>
    <message>
        <source>100 minutes</source>
        <translation>100 minuti</translation>
    </message>
    <message>
        <source>10 hours</source>
        <translation>10 ore</translation>
    </message>
    <message>
        <source>20 hours</source>
        <translation>20 ore</translation>
    </message>
</context>
<context>
    <name>QWriteDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Send Buffer(hex):</source>
        <translation>Dati da inviare (hex):</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Data cannot be empty</source>
        <translation>I dati non possono essere vuoti</translation>
    </message>
    <message>
        <source>Insufficient data will be padded with 0</source>
        <translation>I dati mancanti saranno riempiti con 0</translation>
    </message>
    <message>
        <source>Excess data will be discarded</source>
        <translation>I dati in eccesso saranno scartati</translation>
    </message>
    <message>
        <source>Write %1 registers from %2 of the inverter %3?</source>
        <translation>Scrivere %1 registri da %2 dell&apos;inverter %3?</translation>
    </message>
</context>
<context>
    <name>QtMyTree</name>
    <message>
        <source>Single phase inverter</source>
        <translation>Inverter monofase</translation>
    </message>
    <message>
        <source>Three phase inverter</source>
        <translation>Inverter trifase</translation>
    </message>
</context>
<context>
    <name>SetBeginTimeDlg</name>
    <message>
        <source>Set sunrise time</source>
        <translation>Ora dell&apos;alba</translation>
    </message>
    <message>
        <source>Sunrise time:</source>
        <translation>Ora dell&apos;alba:</translation>
    </message>
    <message>
        <source>The hour from which the day&apos;s curves are drawn, 0 to 9.</source>
        <translation>Ora da cui si disegnano le curve del giorno, da 0 a 9.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SetSolar</name>
    <message>
        <source>Set Solar Information</source>
        <translation>Informazioni sui moduli solari</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Produttore:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Component type:</source>
        <translation>Tipo di modulo:</translation>
    </message>
    <message>
        <source>Component Power:</source>
        <translation>Potenza modulo:</translation>
    </message>
    <message>
        <source>Quantity(pcs):</source>
        <translation>Quantità (pz):</translation>
    </message>
    <message>
        <source>Total power(W):</source>
        <translation>Potenza totale (W):</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimut:</translation>
    </message>
    <message>
        <source>Tilt angle:</source>
        <translation>Inclinazione:</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SetSystem</name>
    <message>
        <source>Set System Information</source>
        <translation>Informazioni sull&apos;impianto</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>Nome impianto:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Paese:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Città:</translation>
    </message>
    <message>
        <source>Installation:</source>
        <translation>Installazione:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitudine:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitudine:</translation>
    </message>
    <message>
        <source>Sloping roof</source>
        <translation>Tetto inclinato</translation>
    </message>
    <message>
        <source>Flat roof</source>
        <translation>Tetto piano</translation>
    </message>
    <message>
        <source>Flat ground</source>
        <translation>Terreno piano</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Do you want to save the changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>The name is too long!</source>
        <translation>Il nome è troppo lungo!</translation>
    </message>
    <message>
        <source>Longitude and Latitude must in [-180,180]!</source>
        <translation>Longitudine e latitudine devono essere in [-180,180]!</translation>
    </message>
</context>
</TS>
