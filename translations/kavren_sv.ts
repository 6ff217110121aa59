<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>ClinicReport</name>
    <message>
        <location filename="../src/domain/report/clinic_report.cpp" line="+111"/>
        <source>Test date: </source>
        <translation>Testdatum: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Ras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Ålder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Kön</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Stall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Tränare</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Test indices</source>
        <translation>Testindex</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+10"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Input data</source>
        <translation>Indata</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Time (min)</source>
        <translation>Tid (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed (%1)</source>
        <translation>Tempo (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step</source>
        <translation>Steg</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+113"/>
        <source>Lactate (mmol/l)</source>
        <translation>Laktat (mmol/l)</translation>
    </message>
    <message>
        <location line="-112"/>
        <location line="+116"/>
        <source>Heart rate (b/min)</source>
        <translation>Puls (b/min)</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Training zones (b/min)</source>
        <translation>Träningszoner (b/min)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Very light</source>
        <translation>Mycket lätt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>Lätt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moderate</source>
        <translation>Måttlig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hard</source>
        <translation>Hård</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Max heart rate</source>
        <translation>Maxpuls</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Threshold</source>
        <translation>Tröskel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 mmol/l, %2 b/min, %3 m/min (%4 min/km)</source>
        <translation>%1 mmol/l, %2 b/min, %3 m/min (%4 min/km)</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Tests</source>
        <translation>Tester</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Test %1</source>
        <translation>Test %1</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Page 1 of 1</source>
        <translation>Sida 1 av 1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Comments</source>
        <translation>Kommentarer</translation>
    </message>
    <message>
        <location filename="../src/domain/report/clinic_report.h" line="+44"/>
        <source>Exercise test report</source>
        <translation>Rapport från arbetsprov</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate curve: least-squares fit of ln(lactate) against speed; heart rate: least-squares straight line.</source>
        <translation>Laktatkurva: ln(laktat) anpassad mot hastigheten med minsta kvadratmetoden; puls: rät linje anpassad med minsta kvadratmetoden.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>grey: within the uncertainty of the two tests</source>
        <translation>grått: inom de två testernas osäkerhet</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <location filename="../src/io/csv_export.cpp" line="+395"/>
        <source>Could not write %1: %2</source>
        <translation>Kunde inte skriva %1: %2</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../src/io/database/database_copy.cpp" line="+49"/>
        <source>The source and the target are the same database &quot;%1&quot;, so nothing was copied.</source>
        <translation>Källan och målet är samma databas &quot;%1&quot;, så inget kopierades.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The database &quot;%1&quot; already holds %2 tests, so nothing was copied; give --append to add the tests to them.</source>
        <translation>Databasen &quot;%1&quot; innehåller redan %2 tester, så inget kopierades; ange --append för att lägga till testerna till dem.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Nothing was copied.</source>
        <translation> Inget kopierades.</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_file.cpp" line="+55"/>
        <source>The folder &quot;%1&quot; could not be created, so the database &quot;%2&quot; was not created.</source>
        <translation>Mappen &quot;%1&quot; kunde inte skapas, så databasen &quot;%2&quot; skapades inte.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The file &quot;%1&quot; could not be erased: %2</source>
        <translation>Filen &quot;%1&quot; kunde inte raderas: %2</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_file.h" line="+14"/>
        <source>Wrong syntax !</source>
        <translation>Fel syntax !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong syntax</source>
        <translation>Fel syntax</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_store.cpp" line="+84"/>
        <source>The file &quot;%1&quot; is not a database of this program.</source>
        <translation>Filen &quot;%1&quot; är inte en databas för det här programmet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The database file &quot;%1&quot; is damaged.</source>
        <translation>Databasfilen &quot;%1&quot; är skadad.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+325"/>
        <source>The database file &quot;%1&quot; is locked by another program.</source>
        <translation>Databasfilen &quot;%1&quot; är låst av ett annat program.</translation>
    </message>
    <message>
        <location line="-321"/>
        <source>The database file &quot;%1&quot; cannot be read: %2</source>
        <translation>Databasfilen &quot;%1&quot; kan inte läsas: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file &quot;%1&quot; holds no table mytable, so it is not a database of this program.</source>
        <translation>Filen &quot;%1&quot; innehåller ingen tabell mytable, så den är inte en databas för det här programmet.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The table mytable in &quot;%1&quot; lacks the column %2, so it is not a database of this program.</source>
        <translation>Tabellen mytable i &quot;%1&quot; saknar kolumnen %2, så den är inte en databas för det här programmet.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The table mytable in &quot;%1&quot; does not hold exactly the columns %2 in this order, so it is not a database of this program.</source>
        <translation>Tabellen mytable i &quot;%1&quot; har inte exakt kolumnerna %2 i den här ordningen, så den är inte en databas för det här programmet.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The table mytable could not be added to &quot;%1&quot;: %2</source>
        <translation>Tabellen mytable kunde inte läggas till i &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>the file was written by another program meanwhile</source>
        <translation>filen skrevs av ett annat program under tiden</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The empty file &quot;%1&quot; could not be made a database: %2</source>
        <translation>Den tomma filen &quot;%1&quot; kunde inte göras till en databas: %2</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be), so nothing is written to it.</source>
        <translation>Databasfilen &quot;%1&quot; är skadad (den är kortare än den ska vara), så inget skrivs till den.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be): only the tests that could be read are shown.</source>
        <translation>Databasfilen &quot;%1&quot; är skadad (den är kortare än den ska vara): bara de tester som kunde läsas visas.</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+27"/>
        <source>The database file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Databasfilen &quot;%1&quot; kan inte öppnas: %2</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>No database file is chosen.</source>
        <translation>Ingen databasfil är vald.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; does not exist.</source>
        <translation>Databasfilen &quot;%1&quot; finns inte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is a folder, not a database file.</source>
        <translation>&quot;%1&quot; är en mapp, inte en databasfil.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; cannot be read.</source>
        <translation>Databasfilen &quot;%1&quot; kan inte läsas.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The database file &quot;%1&quot; is read-only.</source>
        <translation>Databasfilen &quot;%1&quot; är skrivskyddad.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The disk that holds &quot;%1&quot; is full.</source>
        <translation>Disken som &quot;%1&quot; ligger på är full.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; is damaged: %2</source>
        <translation>Databasfilen &quot;%1&quot; är skadad: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; could not be used: %2</source>
        <translation>Databasfilen &quot;%1&quot; kunde inte användas: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The file &quot;%1&quot; already exists.</source>
        <translation>Filen &quot;%1&quot; finns redan.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the file already exists</source>
        <translation>filen finns redan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file could not be named</source>
        <translation>filen kunde inte namnges</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The database &quot;%1&quot; could not be created: %2</source>
        <translation>Databasen &quot;%1&quot; kunde inte skapas: %2</translation>
    </message>
    <message>
        <location filename="../src/io/database/file_store.cpp" line="+159"/>
        <source>&quot;%1&quot; is a folder, so no database can be created there.</source>
        <translation>&quot;%1&quot; är en mapp, så ingen databas kan skapas där.</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be), so its tests are not copied.</source>
        <translation>Databasfilen &quot;%1&quot; är skadad (den är kortare än den ska vara), så dess tester kopieras inte.</translation>
    </message>
    <message>
        <location filename="../src/io/database/saving.h" line="+17"/>
        <source>Database not selected !</source>
        <translation>Ingen databas vald !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Id data missing!</source>
        <translation>ID-uppgifter saknas!</translation>
    </message>
    <message>
        <location filename="../src/io/database/search.cpp" line="+202"/>
        <source>%1 of the %2 selected tests were no longer in the database &quot;%3&quot;.</source>
        <translation>%1 av de %2 valda testerna fanns inte längre i databasen &quot;%3&quot;.</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_address.cpp" line="+25"/>
        <source>The database address &quot;%1&quot; contains a password. A password never stands in the address nor in the settings: put it in the password file ~/.pgpass (or the file that PGPASSFILE names), or in a service that PGSERVICE names.</source>
        <translation>Databasadressen &quot;%1&quot; innehåller ett lösenord. Ett lösenord står aldrig i adressen eller i inställningarna: lägg det i lösenordsfilen ~/.pgpass (eller den fil som PGPASSFILE anger), eller i en tjänst som PGSERVICE anger.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&quot;%1&quot; is not an option of the form name=value.</source>
        <translation>&quot;%1&quot; är inte ett alternativ av formen namn=värde.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; is not a port number.</source>
        <translation>&quot;%1&quot; är inte ett portnummer.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>&quot;%1&quot; is not a database server address.</source>
        <translation>&quot;%1&quot; är inte en adress till en databasserver.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The database address &quot;%1&quot; cannot be used: %2</source>
        <translation>Databasadressen &quot;%1&quot; kan inte användas: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>only one server may be named.</source>
        <translation>bara en server får anges.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the port is not a number from 1 to 65535.</source>
        <translation>porten är inte ett tal från 1 till 65535.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it names no database (postgresql://host/dbname).</source>
        <translation>den anger ingen databas (postgresql://host/dbname).</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_session.cpp" line="+79"/>
        <source>The server %1 has no database &quot;%2&quot;.</source>
        <translation>Servern %1 har ingen databas &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The server %1 refused the login.</source>
        <translation>Servern %1 nekade inloggningen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server %1 cannot be reached.</source>
        <translation>Servern %1 kan inte nås.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The database &quot;%1&quot; is on a PostgreSQL server, and the PostgreSQL driver of Qt is not installed (Debian package libqt6sql6-psql).</source>
        <translation>Databasen &quot;%1&quot; ligger på en PostgreSQL-server, och Qt:s drivrutin för PostgreSQL är inte installerad (Debianpaketet libqt6sql6-psql).</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The server %1 ended the connection %2.</source>
        <translation>Servern %1 avslutade anslutningen %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server %1 reported a failure %2.</source>
        <translation>Servern %1 rapporterade ett fel %2.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The server %1 could not say which columns mytable has.</source>
        <translation>Servern %1 kunde inte ange vilka kolumner mytable har.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The database &quot;%1&quot; holds no table mytable; create it with Database &gt; Create.</source>
        <translation>Databasen &quot;%1&quot; har ingen tabell mytable; skapa den med Databas &gt; Skapa.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The table mytable in &quot;%1&quot; lacks the column %2, so it is not a table of this program.</source>
        <translation>Tabellen mytable i &quot;%1&quot; saknar kolumnen %2, så den är inte en tabell för det här programmet.</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_session.h" line="+51"/>
        <source>while the database was being read</source>
        <translation>medan databasen lästes</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_store.cpp" line="+20"/>
        <source>while the values of the search criterion were being read</source>
        <translation>medan sökkriteriets värden lästes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>while the tests were being searched</source>
        <translation>medan testerna söktes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>while the test was being loaded</source>
        <translation>medan testet laddades</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>while the test was being saved</source>
        <translation>medan testet sparades</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>while the table mytable was being given the column %1 for saving</source>
        <translation>medan tabellen mytable fick kolumnen %1 för att testet skulle kunna sparas</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The server %1 could not create the table mytable.</source>
        <translation>Servern %1 kunde inte skapa tabellen mytable.</translation>
    </message>
    <message>
        <location line="+129"/>
        <source>while the tests were being stored</source>
        <translation>medan testerna lagrades</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>while the tests were being read</source>
        <translation>medan testerna lästes</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>while the tests were being counted</source>
        <translation>medan testerna räknades</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>while the tests were being erased</source>
        <translation>medan testerna raderades</translation>
    </message>
    <message>
        <location filename="../src/io/database/sql_rows.cpp" line="+83"/>
        <source>There is no search criterion &quot;%1&quot;.</source>
        <translation>Det finns inget sökkriterium &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The test is no longer in the database &quot;%1&quot;.</source>
        <translation>Testet finns inte längre i databasen &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/io/database/file_history.cpp" line="+163"/>
        <source>The database file &quot;%1&quot; is read-only, so its tests cannot be given their indices.</source>
        <translation>Databasfilen &quot;%1&quot; är skrivskyddad, så dess tester kan inte förses med sina index.</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_history.cpp" line="+22"/>
        <source>while the history of the horse was being read</source>
        <translation>medan hästens historik lästes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>while the reference band was being computed</source>
        <translation>medan referensintervallet beräknades</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>while the indices of the tests were being stored</source>
        <translation>medan testernas index lagrades</translation>
    </message>
</context>
<context>
    <name>Discipline</name>
    <message>
        <location filename="../src/domain/exercise/speed_unit.cpp" line="+37"/>
        <source>Endur</source>
        <extracomment>The discipline of a test typed in km/hour: endurance riding.</extracomment>
        <translation>Distans</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trav</source>
        <extracomment>The discipline of a test typed in min/km: trotting.</extracomment>
        <translation>Trav</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rid</source>
        <extracomment>The discipline of a test typed in metres per minute: riding.</extracomment>
        <translation>Ridning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Galopp</source>
        <extracomment>The discipline of a test typed in seconds per 200 m: galloping.</extracomment>
        <translation>Galopp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery</source>
        <extracomment>A recovery test: heart rate and lactate over the minutes after exercise.</extracomment>
        <translation>Återh.</translation>
    </message>
</context>
<context>
    <name>Extrapolation</name>
    <message>
        <location filename="../src/domain/analysis/extrapolation.cpp" line="+79"/>
        <source>extrapolated: %1 mmol/l lies below the lowest measured lactate (%2 mmol/l)</source>
        <translation>extrapolerat: %1 mmol/l ligger under det lägsta uppmätta laktatvärdet (%2 mmol/l)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>extrapolated: %1 mmol/l lies above the highest measured lactate (%2 mmol/l)</source>
        <translation>extrapolerat: %1 mmol/l ligger över det högsta uppmätta laktatvärdet (%2 mmol/l)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>extrapolated: %1 b/min lies below the lowest measured heart rate (%2 b/min)</source>
        <translation>extrapolerat: %1 b/min ligger under den lägsta uppmätta pulsen (%2 b/min)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>extrapolated: %1 b/min lies above the highest measured heart rate (%2 b/min)</source>
        <translation>extrapolerat: %1 b/min ligger över den högsta uppmätta pulsen (%2 b/min)</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/extrapolation.h" line="+41"/>
        <source>* extrapolated: read off the fitted line beyond the measured steps</source>
        <translation>* extrapolerat: avläst på den anpassade linjen utanför de uppmätta stegen</translation>
    </message>
</context>
<context>
    <name>FitQuality</name>
    <message>
        <location filename="../src/domain/analysis/fit_quality.cpp" line="+74"/>
        <source>No fit quality: fewer than 3 steps</source>
        <translation>Ingen anpassningskvalitet: färre än 3 steg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate fit R² %1</source>
        <translation>Laktatanpassning R² %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>heart-rate line R² %1</source>
        <translation>pulslinje R² %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 steps</source>
        <translation>%1 steg</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <location filename="../src/domain/drawing/axis_frame.cpp" line="+43"/>
        <source>b/min</source>
        <translation>b/min</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mmol/l</source>
        <translation>mmol/l</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Time (minutes)</source>
        <translation>Tid (minuter)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed (meter/minute)</source>
        <translation>Hastighet (meter/minut)</translation>
    </message>
</context>
<context>
    <name>HeartRateFile</name>
    <message>
        <location filename="../src/domain/hrm_import/hrm_file.cpp" line="+200"/>
        <source>Pulse
b/min</source>
        <translation>Puls
b/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Speed
km/h*10</source>
        <translation>Hastighet
km/h*10</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cadence
rpm</source>
        <translation>Kadens
rpm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altitude
ft</source>
        <translation>Höjd
ft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altitude
m</source>
        <translation>Höjd
m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power
W</source>
        <translation>Effekt
W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance
/PI</source>
        <translation>Balans
/PI</translation>
    </message>
    <message>
        <location filename="../src/domain/hrm_import/take_over.cpp" line="+21"/>
        <source>More than six steps were found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</source>
        <translation>Fler än sex steg hittades i filen; ett test behöver tre till sex steg. Bara datumet, maxpulsen och vilopulsen togs över.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 step was found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</source>
        <translation>1 steg hittades i filen; ett test behöver tre till sex steg. Bara datumet, maxpulsen och vilopulsen togs över.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 steps were found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</source>
        <translation>%1 steg hittades i filen; ett test behöver tre till sex steg. Bara datumet, maxpulsen och vilopulsen togs över.</translation>
    </message>
</context>
<context>
    <name>HistoryTable</name>
    <message>
        <location filename="../src/ui/history/history_table.cpp" line="+43"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discipline</source>
        <translation>Disciplin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steps</source>
        <translation>Steg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fit quality (R² lactate / Hr)</source>
        <translation>Anpassningskvalitet (R² laktat / puls)</translation>
    </message>
</context>
<context>
    <name>Indices</name>
    <message>
        <location filename="../src/domain/analysis/index_intervals.cpp" line="+54"/>
        <location line="+39"/>
        <source>fewer than three steps</source>
        <translation>färre än tre steg</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>a value is not a number</source>
        <translation>ett värde är inte ett tal</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>all speeds are equal</source>
        <translation>alla hastigheter är lika</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a value is out of range</source>
        <translation>ett värde ligger utanför det giltiga området</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>too many steps</source>
        <translation>för många steg</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line is flat</source>
        <translation>linjen är vågrät</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the line gives no finite speed</source>
        <translation>linjen ger ingen ändlig hastighet</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the interval is unbounded: the slope is not clearly different from zero</source>
        <translation>intervallet är obegränsat: lutningen skiljer sig inte tydligt från noll</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the interval is out of range</source>
        <translation>intervallet ligger utanför det giltiga området</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the heart rate is out of range</source>
        <translation>pulsen ligger utanför det giltiga området</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>a heart-rate-only test has no lactate indices</source>
        <translation>ett test med enbart puls har inga laktatindex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a lactate is not above 0</source>
        <translation>ett laktatvärde är inte över 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a heart rate is not a number</source>
        <translation>ett pulsvärde är inte ett tal</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the lactate level is not above 0</source>
        <translation>laktatnivån är inte över 0</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>min/km</source>
        <translation>min/km</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>m/min</source>
        <translation>m/min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>s/200 m</source>
        <translation>s/200 m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 steps</source>
        <translation>%1 steg</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>95 % CI not available: %1</source>
        <translation>95 % KI inte tillgängligt: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>95 % CI unbounded: the slope is not clearly different from zero</source>
        <translation>95 % KI obegränsat: lutningen skiljer sig inte tydligt från noll</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>95 % CI unbounded</source>
        <translation>95 % KI obegränsat</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>95 % CI not available: it lies below zero speed</source>
        <translation>95 % KI inte tillgängligt: det ligger under hastigheten noll</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>95 % CI %1 or slower</source>
        <translation>95 % KI %1 eller långsammare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>95 % CI up to %1</source>
        <translation>95 % KI upp till %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <source>95 % CI %1–%2</source>
        <translation>95 % KI %1–%2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 not available: %2</source>
        <translation>%1 inte tillgängligt: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no positive speed</source>
        <translation>ingen positiv hastighet</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/index_intervals.h" line="+117"/>
        <source>within the uncertainty of the two tests</source>
        <translation>inom de två testernas osäkerhet</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/index_run.cpp" line="+61"/>
        <source>No indices: the test has fewer than three steps</source>
        <translation>Inga index: testet har färre än tre steg</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No indices: step %1 is empty</source>
        <translation>Inga index: steg %1 är tomt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Heart-rate-only test: no lactate values</source>
        <translation>Test med enbart puls: inga laktatvärden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heart-rate-only test: no VLa2, VLa4, Hr2 or Hr4</source>
        <translation>Test med enbart puls: inga VLa2, VLa4, Hr2 eller Hr4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No lactate values: the lactate curve was not fitted</source>
        <translation>Inga laktatvärden: laktatkurvan anpassades inte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No VLa2, VLa4, Hr2 or Hr4: the lactate curve was not fitted</source>
        <translation>Inga VLa2, VLa4, Hr2 eller Hr4: laktatkurvan anpassades inte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No heart-rate values: the heart-rate line was not fitted</source>
        <translation>Inga pulsvärden: pulslinjen anpassades inte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No V200, Hr2 or Hr4: the heart-rate line was not fitted</source>
        <translation>Inga V200, Hr2 eller Hr4: pulslinjen anpassades inte</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No V200: the heart rate does not rise with speed</source>
        <translation>Inget V200: pulsen stiger inte med hastigheten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No V200: the heart-rate line gives no positive speed for 200 b/min</source>
        <translation>Inget V200: pulslinjen ger ingen positiv hastighet för 200 b/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No VLa2 or VLa4: the lactate does not change with speed</source>
        <translation>Inga VLa2 eller VLa4: laktatvärdet ändras inte med hastigheten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No VLa4: the lactate curve gives no positive speed for 4 mmol/l</source>
        <translation>Inget VLa4: laktatkurvan ger ingen positiv hastighet för 4 mmol/l</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No VLa2: the lactate curve gives no positive speed for 2 mmol/l</source>
        <translation>Inget VLa2: laktatkurvan ger ingen positiv hastighet för 2 mmol/l</translation>
    </message>
</context>
<context>
    <name>Laktat</name>
    <message>
        <location filename="../src/ui/main_window/laktat.cpp" line="+52"/>
        <source>def4.txt missing !</source>
        <translation>def4.txt saknas !</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/laktat_layout.cpp" line="+68"/>
        <source>Test entry and graph</source>
        <translation>Testinmatning och graf</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Calculate</source>
        <translation>Beräkna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save work</source>
        <translation>Spara arbete</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear screen</source>
        <translation>Rensa skärm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Select speed !</source>
        <translation>Välj hastighet !</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../src/io/language_preference.cpp" line="+37"/>
        <source>Original</source>
        <extracomment>The program&apos;s texts as written, with no translation.</extracomment>
        <translation>Original</translation>
    </message>
</context>
<context>
    <name>PlausibleValues</name>
    <message>
        <location filename="../src/domain/exercise/plausible_values.cpp" line="+38"/>
        <source>Plausible: up to %1</source>
        <translation>Rimligt: upp till %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plausible: %1%2 to %3</source>
        <translation>Rimligt: %1%2 till %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>above </source>
        <translation>över </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>, step %1</source>
        <translation>, steg %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate</source>
        <translation>Laktat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heart rate</source>
        <translation>Puls</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed</source>
        <translation>Hastighet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Age</source>
        <translation>Ålder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Max Hr</source>
        <translation>Maxpuls</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Implausible values (the fields&apos; tool tips give the ranges): %1.</source>
        <translation>Orimliga värden (fältens verktygstips anger gränserna): %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>These values lie outside what a horse can show: %1.

Save the test as it is?</source>
        <translation>De här värdena ligger utanför vad en häst kan uppvisa: %1.

Spara testet som det är?</translation>
    </message>
    <message>
        <location filename="../src/domain/exercise/plausible_values.h" line="+30"/>
        <source>mmol/l</source>
        <translation>mmol/l</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>b/min</source>
        <translation>b/min</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>years</source>
        <translation>år</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/ui/report/clinic_details_page.cpp" line="+135"/>
        <source>Clinic details</source>
        <translation>Klinikuppgifter</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <location filename="../src/domain/report/report_graph.cpp" line="+71"/>
        <location filename="../src/domain/report/report_page.cpp" line="+163"/>
        <source>b/min</source>
        <translation>b/min</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/domain/report/report_page.cpp" line="-1"/>
        <source>mmol/l</source>
        <translation>mmol/l</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time(minutes)</source>
        <translation>Tid(minuter)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed(meter/minute)</source>
        <translation>Hastighet(meter/minut)</translation>
    </message>
    <message>
        <location filename="../src/domain/report/report_page.cpp" line="-59"/>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Ras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Ålder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Kön</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Stall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Tränare</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Input data</source>
        <translation>Indata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate</source>
        <translation>Laktat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hr</source>
        <translation>Puls</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time(min)</source>
        <translation>Tid(min)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Optional threshold</source>
        <translation>Valfri tröskel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>meter/min</source>
        <translation>meter/min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>min/km</source>
        <translation>min/km</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+11"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Fixed thresholds</source>
        <translation>Fasta trösklar</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Very light</source>
        <translation>Mycket lätt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>Lätt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moderate</source>
        <translation>Måttlig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hard</source>
        <translation>Hård</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Max hr</source>
        <translation>Maxpuls</translation>
    </message>
</context>
<context>
    <name>SpeedUnit</name>
    <message>
        <location filename="../src/domain/analysis/threshold_calculator.cpp" line="+42"/>
        <location filename="../src/domain/exercise/speed_unit.cpp" line="+30"/>
        <location line="+10"/>
        <source>min/km</source>
        <translation>min/km</translation>
    </message>
    <message>
        <location filename="../src/domain/exercise/speed_unit.cpp" line="-30"/>
        <location filename="../src/io/database/loading.cpp" line="+45"/>
        <source>Speed (km/hour)</source>
        <translation>Tempo (km/h)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/io/database/loading.cpp" line="-6"/>
        <source>Speed (min/km)</source>
        <translation>Tempo (min/km)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed (met/min)</source>
        <translation>Tempo (m/min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  Speed (sek/200m)</source>
        <translation>  Tempo (sek/200m)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>      Time     (min)</source>
        <translation>      Tid      (min)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>   Tempo  (met/min)</source>
        <translation>   Tempo  (m/min)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>km/hour</source>
        <translation>km/h</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>met/min</source>
        <translation>m/min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sek/200m</source>
        <translation>sek/200m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time (min)</source>
        <translation>Tid (min)</translation>
    </message>
    <message>
        <location filename="../src/io/database/loading.cpp" line="+2"/>
        <source>Speed (mt/min)</source>
        <translation>Tempo (m/min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed (sek/200m)</source>
        <translation>Tempo (sek/200m)</translation>
    </message>
</context>
<context>
    <name>ThresholdMethods</name>
    <message>
        <location filename="../src/domain/analysis/threshold_methods.cpp" line="+23"/>
        <source>the result is out of range</source>
        <translation>resultatet ligger utanför det giltiga området</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>fewer than two usable steps</source>
        <translation>färre än två användbara steg</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the measured lactate never rises through %1 mmol/l</source>
        <translation>det uppmätta laktatvärdet stiger aldrig förbi %1 mmol/l</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+80"/>
        <source>needs four steps</source>
        <translation>kräver fyra steg</translation>
    </message>
    <message>
        <location line="-72"/>
        <source>all speeds are equal</source>
        <translation>alla hastigheter är lika</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the polynomial cannot be fitted to these speeds</source>
        <translation>polynomet kan inte anpassas till de här hastigheterna</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the first and last speeds are equal</source>
        <translation>första och sista hastigheten är lika</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>the curve has no point farthest from the line between the first and last steps</source>
        <translation>kurvan har ingen punkt som ligger längst från linjen mellan första och sista steget</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a speed or lactate is not above 0</source>
        <translation>en hastighet eller ett laktatvärde är inte över 0</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>no two runs of steps have different speeds</source>
        <translation>inga två serier av steg har olika hastigheter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the two lines are parallel</source>
        <translation>de två linjerna är parallella</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the two lines cross outside the measured speeds</source>
        <translation>de två linjerna korsar varandra utanför de uppmätta hastigheterna</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>not available: %1</source>
        <translation>inte tillgängligt: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no positive speed</source>
        <translation>ingen positiv hastighet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2 at %3 mmol/l</source>
        <translation>%1 %2 vid %3 mmol/l</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <location line="+5"/>
        <source>Exponential fit: %1</source>
        <translation>Exponentiell anpassning: %1</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+6"/>
        <source>Heart-rate line: %1</source>
        <translation>Pulslinje: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linear interpolation, 2 mmol/l: %1</source>
        <translation>Linjär interpolation, 2 mmol/l: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linear interpolation, 4 mmol/l: %1</source>
        <translation>Linjär interpolation, 4 mmol/l: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dmax: %1</source>
        <translation>Dmax: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log-log breakpoint: %1</source>
        <translation>Log-log-brytpunkt: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The methods&apos; 4 mmol/l speeds differ by more than 5 %</source>
        <translation>Metodernas hastigheter vid 4 mmol/l skiljer sig med mer än 5 %</translation>
    </message>
</context>
<context>
    <name>kavren</name>
    <message>
        <location filename="../src/domain/analysis/fit_problem.cpp" line="+13"/>
        <source> — no lactate values</source>
        <translation> — inga laktatvärden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> — no VLa2, VLa4, Hr2 or Hr4</source>
        <translation> — inga VLa2, VLa4, Hr2 eller Hr4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> — no heart-rate values</source>
        <translation> — inga pulsvärden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> — no V200, Hr2 or Hr4</source>
        <translation> — inga V200, Hr2 eller Hr4</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The lactate curve was not fitted: </source>
        <translation>Laktatkurvan anpassades inte: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every lactate must be a number</source>
        <translation>varje laktatvärde måste vara ett tal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>every lactate must be above 0</source>
        <translation>varje laktatvärde måste vara över 0</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The heart-rate line was not fitted: every heart rate must be a number</source>
        <translation>Pulslinjen anpassades inte: varje pulsvärde måste vara ett tal</translation>
    </message>
    <message>
        <location filename="../src/io/database/saving.cpp" line="+91"/>
        <source>Step %1 comes after the empty step %2. Fill step %2 or empty step %1 before saving.</source>
        <translation>Steg %1 kommer efter det tomma steget %2. Fyll i steg %2 eller töm steg %1 innan du sparar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Step %1 is the last step typed: a test needs at least three steps. Type the missing steps before saving.</source>
        <translation>Steg %1 är det sista steget som skrivits in: ett test behöver minst tre steg. Skriv in de saknade stegen innan du sparar.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Step %1: &quot;%2&quot; is not a number. Correct it before saving.</source>
        <translation>Steg %1: &quot;%2&quot; är inte ett tal. Rätta det innan du sparar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Step %1 has no lactate. Type it before saving.</source>
        <translation>Steg %1 har inget laktatvärde. Skriv in det innan du sparar.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no heart rate and no speed</source>
        <translation>ingen puls och ingen hastighet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no heart rate</source>
        <translation>ingen puls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no speed</source>
        <translation>ingen hastighet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step %1 has %2. Save anyway?</source>
        <translation>Steg %1 har %2. Spara ändå?</translation>
    </message>
    <message>
        <location filename="../src/ui/common/message_dialog.cpp" line="+98"/>
        <source>Save work</source>
        <translation>Spara arbete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>kavren::BackgroundPanel</name>
    <message>
        <location filename="../src/ui/graph/background_panel.cpp" line="+21"/>
        <source>Drag drop</source>
        <translation>Dra och släpp</translation>
    </message>
</context>
<context>
    <name>kavren::CalculationController</name>
    <message>
        <location filename="../src/ui/entry/calculation_controller.cpp" line="+24"/>
        <source>Select Speed !</source>
        <translation>Välj hastighet !</translation>
    </message>
</context>
<context>
    <name>kavren::ClinicDetailsPage</name>
    <message>
        <location filename="../src/ui/report/clinic_details_page.cpp" line="-82"/>
        <source>Choose logo...</source>
        <translation>Välj logotyp...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove logo</source>
        <translation>Ta bort logotyp</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clinic name</source>
        <translation>Klinikens namn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address</source>
        <translation>Adress</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logo</source>
        <translation>Logotyp</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose logo</source>
        <translation>Välj logotyp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No logo</source>
        <translation>Ingen logotyp</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+28"/>
        <source>Clinic details</source>
        <translation>Klinikuppgifter</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 är inte en bild som kan läsas.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The logo could not be kept in %1.</source>
        <translation>Logotypen kunde inte sparas i %1.</translation>
    </message>
</context>
<context>
    <name>kavren::ComparisonPanel</name>
    <message>
        <location filename="../src/ui/comparison/comparison_panel.cpp" line="+90"/>
        <source>     Date             La(0)      %       La(5)      %      La(10)     %     La(20)     %      Hr(0)       %      Hr(5)       %     Hr(10 )     %      Hr(20)     %</source>
        <translation>     Datum            La(0)      %       La(5)      %      La(10)     %     La(20)     %      Hr(0)       %      Hr(5)       %     Hr(10 )     %      Hr(20)     %</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>       Date           V200       %        V2        %        V4        %       Hr2       %        Hr4       %</source>
        <translation>       Datum          V200       %        V2        %        V4        %       Hr2       %        Hr4       %</translation>
    </message>
</context>
<context>
    <name>kavren::CreateDatabasePanel</name>
    <message>
        <location filename="../src/ui/database/create_database_panel.cpp" line="+18"/>
        <source>Create Database (folder/name or server address)</source>
        <translation>Skapa databas (mapp/namn eller serveradress)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Create</source>
        <translation>Skapa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>kavren::CsvExportDialog</name>
    <message>
        <location filename="../src/ui/comparison/csv_export_dialog.cpp" line="+20"/>
        <location line="+48"/>
        <source>Export to CSV</source>
        <translation>Exportera till CSV</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Exporting the comparison table...</source>
        <translation>Exporterar jämförelsetabellen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exporting %1 tests...</source>
        <translation>Exporterar %1 tester...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Exported the comparison table to %1</source>
        <translation>Exporterade jämförelsetabellen till %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exported %1 %2 to %3</source>
        <translation>Exporterade %1 %2 till %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>tests</source>
        <translation>tester</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export cancelled: nothing was written to %1</source>
        <translation>Exporten avbröts: inget skrevs till %1</translation>
    </message>
</context>
<context>
    <name>kavren::DatabaseController</name>
    <message>
        <location filename="../src/ui/database/database_controller.cpp" line="+102"/>
        <source>The test on screen has not been saved. Save it before closing?</source>
        <translation>Testet på skärmen har inte sparats. Spara det innan du stänger?</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Database: </source>
        <translation>Databas: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Select database (DblClick)</source>
        <translation>Välj databas (dubbelklicka)</translation>
    </message>
    <message>
        <location line="+74"/>
        <location line="+183"/>
        <source>Message</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <location line="-183"/>
        <location line="+183"/>
        <source>Do you want to erase ?</source>
        <translation>Vill du radera ?</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>It is not known whether the test was saved. It stays on screen, and &quot;Save work&quot; stores it only once. %1</source>
        <translation>Det är inte känt om testet sparades. Det ligger kvar på skärmen, och &quot;Spara arbete&quot; lagrar det bara en gång. %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The test was not saved: %1</source>
        <translation>Testet sparades inte: %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Test saved in %1 (%2, %3)</source>
        <translation>Testet sparat i %1 (%2, %3)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Waiting for the database server of %1…</source>
        <translation>Väntar på databasservern för %1…</translation>
    </message>
</context>
<context>
    <name>kavren::EntryPanel</name>
    <message>
        <location filename="../src/ui/entry/entry_panel.cpp" line="+73"/>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Ras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Ålder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Kön</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable/Track</source>
        <translation>Stall/Bana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Tränare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max Hr</source>
        <translation>Maxpuls</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vilopuls</source>
        <extracomment>The horse&apos;s resting heart rate.</extracomment>
        <translation>Vilopuls</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+4"/>
        <source>Comments</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> Lactate (mmol/l)</source>
        <translation> Laktat (mmol/l)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>     Hr (b/min)</source>
        <translation>     Puls (b/min)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Tempo      (met/sek)</source>
        <extracomment>Caption of the column of speeds in metres per second; the spaces wrap it over two lines.</extracomment>
        <translation>Tempo      (m/s)</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Spare heart rate</source>
        <translation>Reservpuls</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>km/hour</source>
        <translation>km/h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>min/km</source>
        <translation>min/km</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>met/min</source>
        <translation>m/min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sec/200m</source>
        <translation>sek/200m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery</source>
        <translation>Återh.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Implausible value. %1</source>
        <translation>Orimligt värde. %1</translation>
    </message>
</context>
<context>
    <name>kavren::FileListPanel</name>
    <message>
        <location filename="../src/ui/common/file_list_panel.cpp" line="+100"/>
        <source>Drive</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders</source>
        <translation>Mappar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Erase</source>
        <translation>Radera</translation>
    </message>
</context>
<context>
    <name>kavren::HelpController</name>
    <message>
        <location filename="../src/ui/help/help_controller.cpp" line="+33"/>
        <source>The user manual is not installed; it should be %1.</source>
        <translation>Användarhandboken är inte installerad; den ska finnas i %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No browser could show the user manual %1.</source>
        <translation>Ingen webbläsare kunde visa användarhandboken %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kavren Equine %1
Lactate and heart-rate analysis of exercise tests on horses.

Built with Qt %2, running with Qt %3.
Licence: proprietary, all rights reserved by Kavren Equine.

Data folder: %4</source>
        <translation>Kavren Equine %1
Laktat- och pulsanalys av arbetsprov på hästar.

Byggt med Qt %2, körs med Qt %3.
Licens: proprietär, alla rättigheter förbehållna Kavren Equine.

Datamapp: %4</translation>
    </message>
</context>
<context>
    <name>kavren::HistoryChartView</name>
    <message>
        <location filename="../src/ui/history/history_chart_view.cpp" line="+17"/>
        <source>Chart of the index over time</source>
        <translation>Diagram över indexet över tid</translation>
    </message>
</context>
<context>
    <name>kavren::HistoryWindow</name>
    <message>
        <location filename="../src/ui/history/history_window.cpp" line="+51"/>
        <source>History</source>
        <translation>Historik</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Horse</source>
        <translation>Häst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Discipline of the chart</source>
        <translation>Diagrammets disciplin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Index of the chart</source>
        <translation>Diagrammets index</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Same breed only</source>
        <translation>Bara samma ras</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved tests of the horse</source>
        <translation>Hästens sparade tester</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Discipline:</source>
        <translation>Disciplin:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Index:</source>
        <translation>Index:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Save chart as PNG...</source>
        <translation>Spara diagrammet som PNG...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save chart as PNG</source>
        <translation>Spara diagrammet som PNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-bilder (*.png)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save chart as PDF...</source>
        <translation>Spara diagrammet som PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save chart as PDF</source>
        <translation>Spara diagrammet som PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save table as CSV...</source>
        <translation>Spara tabellen som CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save table as CSV</source>
        <translation>Spara tabellen som CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Computing the clinic&apos;s reference band…</source>
        <translation>Beräknar klinikens referensintervall…</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Type or load a test of a horse first: its history is shown here.</source>
        <translation>Skriv in eller ladda ett test av en häst först: hästens historik visas här.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reading the tests of %1…</source>
        <translation>Läser testerna för %1…</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No saved test of %1 in this database.</source>
        <translation>Inget sparat test för %1 i den här databasen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2 saved tests, oldest first.</source>
        <translation>%1: %2 sparade tester, äldst först.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>All horses named %1</source>
        <translation>Alla hästar med namnet %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>(none)</source>
        <translation>(ingen)</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>The clinic&apos;s reference band could not be computed: %1</source>
        <translation>Klinikens referensintervall kunde inte beräknas: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 tests of this discipline and breed</source>
        <translation>%1 tester i denna disciplin och ras</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 tests of this discipline</source>
        <translation>%1 tester i denna disciplin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The band shows the 10th to 90th percentile and the median of the clinic&apos;s %1 in this database.</source>
        <translation>Intervallet visar 10:e till 90:e percentilen och medianen av klinikens %1 i den här databasen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No reference band: the database holds %1 with a value of %2, fewer than %3.</source>
        <translation>Inget referensintervall: databasen innehåller %1 med ett värde för %2, färre än %3.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>History of %1</source>
        <translation>Historik för %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 could not be written.</source>
        <translation>%1 kunde inte skrivas.</translation>
    </message>
</context>
<context>
    <name>kavren::LactateLevelsPage</name>
    <message>
        <location filename="../src/ui/common/lactate_levels_page.cpp" line="+16"/>
        <source>Extra lactate levels (mmol/l) for the speed and heart rate, e.g. 1.5 3:</source>
        <translation>Extra laktatnivåer (mmol/l) för hastighet och puls, t.ex. 1.5 3:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Left out (a level is above 0 and at most %1 mmol/l, at most %2 levels): %3</source>
        <translation>Utelämnade (en nivå är över 0 och högst %1 mmol/l, högst %2 nivåer): %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The levels could not be kept: the preferences file cannot be written.</source>
        <translation>Nivåerna kunde inte sparas: inställningsfilen kan inte skrivas.</translation>
    </message>
</context>
<context>
    <name>kavren::LanguagePage</name>
    <message>
        <location filename="../src/ui/common/language_page.cpp" line="+15"/>
        <source>Language of the window:</source>
        <translation>Fönstrets språk:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The language changes when Kavren starts next.</source>
        <translation>Språket ändras nästa gång Kavren startar.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The language could not be kept: the preferences file cannot be written.</source>
        <translation>Språket kunde inte sparas: inställningsfilen kan inte skrivas.</translation>
    </message>
</context>
<context>
    <name>kavren::LinkPanel</name>
    <message>
        <location filename="../src/ui/remote_link/link_panel.cpp" line="+17"/>
        <source>Local Ip              Remote Ip                      </source>
        <translation>Lokal IP              Fjärr-IP                      </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Connect</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>kavren::LinkReceiver</name>
    <message>
        <location filename="../src/io/link_receiver.cpp" line="+23"/>
        <source>Port %1 could not be opened for the remote link (%2). Close the program that uses it, or check the firewall, and press Connect again.</source>
        <translation>Port %1 kunde inte öppnas för fjärrlänken (%2). Stäng programmet som använder den, eller kontrollera brandväggen, och tryck på Anslut igen.</translation>
    </message>
</context>
<context>
    <name>kavren::MainMenu</name>
    <message>
        <location filename="../src/ui/main_window/main_menu.cpp" line="+49"/>
        <source>&amp;Printer</source>
        <translation>&amp;Skrivare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preferences</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen</source>
        <translation>Skärm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer</source>
        <translation>Skrivare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only Hr</source>
        <translation>Enbart puls</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+12"/>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Adjust frame to background</source>
        <translation>Anpassa ramen till bakgrunden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>More...</source>
        <translation>Mer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Database</source>
        <translation>Databas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create</source>
        <translation>Skapa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to CSV...</source>
        <translation>Exportera till CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export comparison table to CSV...</source>
        <translation>Exportera jämförelsetabellen till CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>History...</source>
        <translation>Historik...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background</source>
        <translation>Bakgrund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threshold methods</source>
        <translation>Tröskelmetoder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print preview...</source>
        <translation>Förhandsgranska...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF...</source>
        <translation>Spara som PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clinic report...</source>
        <translation>Klinikrapport...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clinic details...</source>
        <translation>Klinikuppgifter...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for updates</source>
        <translation>Sök efter uppdateringar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Help</source>
        <translation> Hjälp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User manual</source>
        <translation>Användarhandbok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Kavren</source>
        <translation>Om Kavren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Lactate levels</source>
        <translation>Laktatnivåer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clinic</source>
        <translation>Klinik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
</context>
<context>
    <name>kavren::PolarWindow</name>
    <message>
        <location filename="../src/ui/hrm_import/polar_window.cpp" line="+75"/>
        <location line="+1"/>
        <source>Polar</source>
        <translation>Polar</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Time Events</source>
        <translation>Tidsmarkeringar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sample interval</source>
        <translation>Mätintervall</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Extract Polardata</source>
        <translation>Hämta Polardata</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The heart-rate file %1 could not be opened: %2</source>
        <translation>Pulsfilen %1 kunde inte öppnas: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The heart-rate file %1 is too large to be a recording.</source>
        <translation>Pulsfilen %1 är för stor för att vara en registrering.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The heart-rate file %1 holds no samples: its [HRData] section is missing.</source>
        <translation>Pulsfilen %1 innehåller inga mätvärden: avsnittet [HRData] saknas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The heart-rate file %1 is a beat-to-beat (R-R interval) recording, not samples at a fixed interval, and cannot be imported.</source>
        <translation>Pulsfilen %1 är en registrering slag för slag (R-R-intervall), inte mätvärden med fast intervall, och kan inte importeras.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This file holds no speed: the steps get no speed.</source>
        <translation>Den här filen innehåller ingen hastighet: stegen får ingen hastighet.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n line(s) could not be read and were skipped.</source>
        <translation>
            <numerusform>%n rad kunde inte läsas och hoppades över.</numerusform>
            <numerusform>%n rader kunde inte läsas och hoppades över.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No Time Events is set !</source>
        <translation>Inga tidsmarkeringar är satta !</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
</context>
<context>
    <name>kavren::PreferencesDialog</name>
    <message>
        <location filename="../src/ui/common/preferences_dialog.cpp" line="+11"/>
        <source>Preferences</source>
        <translation>Inställningar</translation>
    </message>
</context>
<context>
    <name>kavren::ReportPanel</name>
    <message>
        <location filename="../src/ui/report/report_panel.cpp" line="+67"/>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+9"/>
        <source>The report was not printed: no printer is available.</source>
        <translation>Rapporten skrevs inte ut: ingen skrivare är tillgänglig.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The report was not printed: %1 could not be written to.</source>
        <translation>Rapporten skrevs inte ut: det gick inte att skriva till %1.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Save as PDF</source>
        <translation>Spara som PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The report could not be saved as PDF: %1 could not be written.</source>
        <translation>Rapporten kunde inte sparas som PDF: %1 kunde inte skrivas.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Save as PDF...</source>
        <translation>Spara som PDF...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clinic report </source>
        <translation>Klinikrapport </translation>
    </message>
</context>
<context>
    <name>kavren::SearchPanel</name>
    <message>
        <location filename="../src/ui/database/search_panel.cpp" line="+32"/>
        <source>Search criteria</source>
        <translation>Sökkriterier</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Ras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Ålder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Kön</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Stall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Tränare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search value</source>
        <translation>Sökvärde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>öppna arbete</source>
        <extracomment>Lists the values of the chosen search criterion (&quot;open work&quot;).</extracomment>
        <translation>Öppna arbete</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tests found</source>
        <translation>Hittade tester</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Background</source>
        <translation>Bakgrund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freeze curve</source>
        <translation>Frys kurva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erase work</source>
        <translation>Radera arbete</translation>
    </message>
</context>
<context>
    <name>kavren::StylePanel</name>
    <message>
        <location filename="../src/ui/graph/style_panel.cpp" line="+94"/>
        <source>Screen</source>
        <translation>Skärm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Curve             1                         2  -  6</source>
        <translation> Kurva             1                         2  -  6</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+44"/>
        <source>Lactate</source>
        <translation>Laktat</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Screen: Lactate, curve 1, colour</source>
        <translation>Skärm: Laktat, kurva 1, färg</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Lactate, curves 2 - 6, colour</source>
        <translation>Skärm: Laktat, kurvor 2 - 6, färg</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+45"/>
        <source>Pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Screen: Pulse, curve 1, colour</source>
        <translation>Skärm: Puls, kurva 1, färg</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Pulse, curves 2 - 6, colour</source>
        <translation>Skärm: Puls, kurvor 2 - 6, färg</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+5"/>
        <location line="+3"/>
        <location line="+26"/>
        <location line="+6"/>
        <location line="+10"/>
        <location line="+15"/>
        <location line="+7"/>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Screen: Curve width</source>
        <translation>Skärm: Kurvbredd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Circles</source>
        <translation>Cirklar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+45"/>
        <source>Size</source>
        <translation>Strl.</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Screen: Circles, size</source>
        <translation>Skärm: Cirklar, storlek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Circles, width</source>
        <translation>Skärm: Cirklar, bredd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helplines</source>
        <translation>Hjälplinjer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Helplines, width</source>
        <translation>Skärm: Hjälplinjer, bredd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threshold</source>
        <translation>Tröskel</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+48"/>
        <location line="+7"/>
        <source>Color(0-15)</source>
        <translation>Färg(0-15)</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Screen: Threshold, color (0-15)</source>
        <translation>Skärm: Tröskel, färg (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Background</source>
        <translation>Bakgrund</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Background, color (0-15)</source>
        <translation>Skärm: Bakgrund, färg (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tempo axis</source>
        <translation>Tempoaxel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Tempo axis, color (0-15)</source>
        <translation>Skärm: Tempoaxel, färg (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+55"/>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Printer</source>
        <translation>Skrivare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Curve       1              2 - 6</source>
        <translation>Kurva       1              2 - 6</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Curves</source>
        <translation>Kurvor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Printer: Lactate curve, width</source>
        <translation>Skrivare: Laktatkurva, bredd</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Color</source>
        <translation>Färg</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Printer: Lactate curve 1, color</source>
        <translation>Skrivare: Laktatkurva 1, färg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Lactate curves 2 - 6, color</source>
        <translation>Skrivare: Laktatkurvor 2 - 6, färg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Printer: Pulse curve, width</source>
        <translation>Skrivare: Pulskurva, bredd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Pulse curve 1, color</source>
        <translation>Skrivare: Pulskurva 1, färg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Pulse curves 2 - 6, color</source>
        <translation>Skrivare: Pulskurvor 2 - 6, färg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marks</source>
        <translation>Märken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, size</source>
        <translation>Skrivare: Märken, storlek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, width</source>
        <translation>Skrivare: Märken, bredd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type(0-8)</source>
        <translation>Typ(0-8)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, type (0-8)</source>
        <translation>Skrivare: Märken, typ (0-8)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color(lactate)</source>
        <translation>Färg(laktat)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, color (lactate)</source>
        <translation>Skrivare: Märken, färg (laktat)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Fill color</source>
        <translation>Fyllfärg</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Printer: Marks, fill color (lactate)</source>
        <translation>Skrivare: Märken, fyllfärg (laktat)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color(Hr)</source>
        <translation>Färg(puls)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, color (Hr)</source>
        <translation>Skrivare: Märken, färg (puls)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, fill color (Hr)</source>
        <translation>Skrivare: Märken, fyllfärg (puls)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate lines</source>
        <translation>Laktatlinjer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Lactate lines, width</source>
        <translation>Skrivare: Laktatlinjer, bredd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Lactate lines, color (0-15)</source>
        <translation>Skrivare: Laktatlinjer, färg (0-15)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help lines</source>
        <translation>Hjälplinjer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Help lines, width</source>
        <translation>Skrivare: Hjälplinjer, bredd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Help lines, color (0-15)</source>
        <translation>Skrivare: Hjälplinjer, färg (0-15)</translation>
    </message>
</context>
<context>
    <name>kavren::ThresholdMethodsWindow</name>
    <message>
        <location filename="../src/ui/threshold_methods/threshold_methods_window.cpp" line="+16"/>
        <source>Threshold methods</source>
        <translation>Tröskelmetoder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calculate a test to compare the methods.</source>
        <translation>Beräkna ett test för att jämföra metoderna.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mark the thresholds on the graph</source>
        <translation>Markera trösklarna i grafen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The marks are drawn now and after every calculation while ticked; the next calculation draws the graph without them when unticked.</source>
        <translation>Markeringarna ritas nu och efter varje beräkning så länge rutan är ikryssad; när den inte är ikryssad ritar nästa beräkning grafen utan dem.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>A recovery test has no lactate threshold.</source>
        <translation>Ett återhämtningstest har ingen laktattröskel.</translation>
    </message>
</context>
<context>
    <name>kavren::ThresholdPanel</name>
    <message>
        <location filename="../src/ui/threshold/threshold_panel.cpp" line="+38"/>
        <source>Calculate threshold</source>
        <translation>Beräkna tröskel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold speed (meter/sec)</source>
        <translation>Tröskelhastighet (meter/sek)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>meter/sec</source>
        <translation>meter/sek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hr</source>
        <translation>Puls</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold Hr</source>
        <translation>Tröskelpuls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate</source>
        <translation>Laktat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold lactate</source>
        <translation>Tröskellaktat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min/km</source>
        <translation>min/km</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>meter/min</source>
        <translation>meter/min</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sec/200m</source>
        <translation>sek/200m</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Threshold Hr slider</source>
        <translation>Reglage för tröskelpuls</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Threshold lactate slider</source>
        <translation>Reglage för tröskellaktat</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Very light         Light        Moderate       Hard          Max </source>
        <extracomment>The five training zones, each name over its field below; keep the spacing.</extracomment>
        <translation>Mycket lätt        Lätt         Måttlig        Hård          Max </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Recovery</source>
        <translation>Återh.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery, % of the zones</source>
        <translation>Återhämtning, % av zonerna</translation>
    </message>
</context>
</TS>
