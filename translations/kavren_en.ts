<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ClinicReport</name>
    <message>
        <location filename="../src/domain/report/clinic_report.cpp" line="+111"/>
        <source>Test date: </source>
        <translation>Test date: </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Breed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Age</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Stable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Test indices</source>
        <translation>Test indices</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+10"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Input data</source>
        <translation>Input data</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Time (min)</source>
        <translation>Time (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed (%1)</source>
        <translation>Speed (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+113"/>
        <source>Lactate (mmol/l)</source>
        <translation>Lactate (mmol/l)</translation>
    </message>
    <message>
        <location line="-112"/>
        <location line="+116"/>
        <source>Heart rate (b/min)</source>
        <translation>Heart rate (b/min)</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Training zones (b/min)</source>
        <translation>Training zones (b/min)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Very light</source>
        <translation>Very light</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moderate</source>
        <translation>Moderate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hard</source>
        <translation>Hard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Max heart rate</source>
        <translation>Max heart rate</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Threshold</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 mmol/l, %2 b/min, %3 m/min (%4 min/km)</source>
        <translation>%1 mmol/l, %2 b/min, %3 m/min (%4 min/km)</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Test %1</source>
        <translation>Test %1</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Page 1 of 1</source>
        <translation>Page 1 of 1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Comments</source>
        <translation>Comments</translation>
    </message>
    <message>
        <location filename="../src/domain/report/clinic_report.h" line="+44"/>
        <source>Exercise test report</source>
        <translation>Exercise test report</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate curve: least-squares fit of ln(lactate) against speed; heart rate: least-squares straight line.</source>
        <translation>Lactate curve: least-squares fit of ln(lactate) against speed; heart rate: least-squares straight line.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>grey: within the uncertainty of the two tests</source>
        <translation>grey: within the uncertainty of the two tests</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <location filename="../src/io/csv_export.cpp" line="+395"/>
        <source>Could not write %1: %2</source>
        <translation>Could not write %1: %2</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../src/io/database/database_copy.cpp" line="+49"/>
        <source>The source and the target are the same database &quot;%1&quot;, so nothing was copied.</source>
        <translation>The source and the target are the same database &quot;%1&quot;, so nothing was copied.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The database &quot;%1&quot; already holds %2 tests, so nothing was copied; give --append to add the tests to them.</source>
        <translation>The database &quot;%1&quot; already holds %2 tests, so nothing was copied; give --append to add the tests to them.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Nothing was copied.</source>
        <translation> Nothing was copied.</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_file.cpp" line="+55"/>
        <source>The folder &quot;%1&quot; could not be created, so the database &quot;%2&quot; was not created.</source>
        <translation>The folder &quot;%1&quot; could not be created, so the database &quot;%2&quot; was not created.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The file &quot;%1&quot; could not be erased: %2</source>
        <translation>The file &quot;%1&quot; could not be erased: %2</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_file.h" line="+14"/>
        <source>Wrong syntax !</source>
        <translation>Wrong syntax !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong syntax</source>
        <translation>Wrong syntax</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_store.cpp" line="+84"/>
        <source>The file &quot;%1&quot; is not a database of this program.</source>
        <translation>The file &quot;%1&quot; is not a database of this program.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The database file &quot;%1&quot; is damaged.</source>
        <translation>The database file &quot;%1&quot; is damaged.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+325"/>
        <source>The database file &quot;%1&quot; is locked by another program.</source>
        <translation>The database file &quot;%1&quot; is locked by another program.</translation>
    </message>
    <message>
        <location line="-321"/>
        <source>The database file &quot;%1&quot; cannot be read: %2</source>
        <translation>The database file &quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file &quot;%1&quot; holds no table mytable, so it is not a database of this program.</source>
        <translation>The file &quot;%1&quot; holds no table mytable, so it is not a database of this program.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The table mytable in &quot;%1&quot; lacks the column %2, so it is not a database of this program.</source>
        <translation>The table mytable in &quot;%1&quot; lacks the column %2, so it is not a database of this program.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The table mytable in &quot;%1&quot; does not hold exactly the columns %2 in this order, so it is not a database of this program.</source>
        <translation>The table mytable in &quot;%1&quot; does not hold exactly the columns %2 in this order, so it is not a database of this program.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The table mytable could not be added to &quot;%1&quot;: %2</source>
        <translation>The table mytable could not be added to &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>the file was written by another program meanwhile</source>
        <translation>the file was written by another program meanwhile</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The empty file &quot;%1&quot; could not be made a database: %2</source>
        <translation>The empty file &quot;%1&quot; could not be made a database: %2</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be), so nothing is written to it.</source>
        <translation>The database file &quot;%1&quot; is damaged (it is shorter than it should be), so nothing is written to it.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be): only the tests that could be read are shown.</source>
        <translation>The database file &quot;%1&quot; is damaged (it is shorter than it should be): only the tests that could be read are shown.</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+27"/>
        <source>The database file &quot;%1&quot; cannot be opened: %2</source>
        <translation>The database file &quot;%1&quot; cannot be opened: %2</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>No database file is chosen.</source>
        <translation>No database file is chosen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; does not exist.</source>
        <translation>The database file &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is a folder, not a database file.</source>
        <translation>&quot;%1&quot; is a folder, not a database file.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; cannot be read.</source>
        <translation>The database file &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The database file &quot;%1&quot; is read-only.</source>
        <translation>The database file &quot;%1&quot; is read-only.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The disk that holds &quot;%1&quot; is full.</source>
        <translation>The disk that holds &quot;%1&quot; is full.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; is damaged: %2</source>
        <translation>The database file &quot;%1&quot; is damaged: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; could not be used: %2</source>
        <translation>The database file &quot;%1&quot; could not be used: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The file &quot;%1&quot; already exists.</source>
        <translation>The file &quot;%1&quot; already exists.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the file already exists</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file could not be named</source>
        <translation>the file could not be named</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The database &quot;%1&quot; could not be created: %2</source>
        <translation>The database &quot;%1&quot; could not be created: %2</translation>
    </message>
    <message>
        <location filename="../src/io/database/file_store.cpp" line="+159"/>
        <source>&quot;%1&quot; is a folder, so no database can be created there.</source>
        <translation>&quot;%1&quot; is a folder, so no database can be created there.</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be), so its tests are not copied.</source>
        <translation>The database file &quot;%1&quot; is damaged (it is shorter than it should be), so its tests are not copied.</translation>
    </message>
    <message>
        <location filename="../src/io/database/saving.h" line="+17"/>
        <source>Database not selected !</source>
        <translation>Database not selected !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Id data missing!</source>
        <translation>Id data missing!</translation>
    </message>
    <message>
        <location filename="../src/io/database/search.cpp" line="+202"/>
        <source>%1 of the %2 selected tests were no longer in the database &quot;%3&quot;.</source>
        <translation>%1 of the %2 selected tests were no longer in the database &quot;%3&quot;.</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_address.cpp" line="+25"/>
        <source>The database address &quot;%1&quot; contains a password. A password never stands in the address nor in the settings: put it in the password file ~/.pgpass (or the file that PGPASSFILE names), or in a service that PGSERVICE names.</source>
        <translation>The database address &quot;%1&quot; contains a password. A password never stands in the address nor in the settings: put it in the password file ~/.pgpass (or the file that PGPASSFILE names), or in a service that PGSERVICE names.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&quot;%1&quot; is not an option of the form name=value.</source>
        <translation>&quot;%1&quot; is not an option of the form name=value.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; is not a port number.</source>
        <translation>&quot;%1&quot; is not a port number.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>&quot;%1&quot; is not a database server address.</source>
        <translation>&quot;%1&quot; is not a database server address.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The database address &quot;%1&quot; cannot be used: %2</source>
        <translation>The database address &quot;%1&quot; cannot be used: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>only one server may be named.</source>
        <translation>only one server may be named.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the port is not a number from 1 to 65535.</source>
        <translation>the port is not a number from 1 to 65535.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it names no database (postgresql://host/dbname).</source>
        <translation>it names no database (postgresql://host/dbname).</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_session.cpp" line="+79"/>
        <source>The server %1 has no database &quot;%2&quot;.</source>
        <translation>The server %1 has no database &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The server %1 refused the login.</source>
        <translation>The server %1 refused the login.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server %1 cannot be reached.</source>
        <translation>The server %1 cannot be reached.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The database &quot;%1&quot; is on a PostgreSQL server, and the PostgreSQL driver of Qt is not installed (Debian package libqt6sql6-psql).</source>
        <translation>The database &quot;%1&quot; is on a PostgreSQL server, and the PostgreSQL driver of Qt is not installed (Debian package libqt6sql6-psql).</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The server %1 ended the connection %2.</source>
        <translation>The server %1 ended the connection %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server %1 reported a failure %2.</source>
        <translation>The server %1 reported a failure %2.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The server %1 could not say which columns mytable has.</source>
        <translation>The server %1 could not say which columns mytable has.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The database &quot;%1&quot; holds no table mytable; create it with Database &gt; Create.</source>
        <translation>The database &quot;%1&quot; holds no table mytable; create it with Database &gt; Create.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The table mytable in &quot;%1&quot; lacks the column %2, so it is not a table of this program.</source>
        <translation>The table mytable in &quot;%1&quot; lacks the column %2, so it is not a table of this program.</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_session.h" line="+51"/>
        <source>while the database was being read</source>
        <translation>while the database was being read</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_store.cpp" line="+20"/>
        <source>while the values of the search criterion were being read</source>
        <translation>while the values of the search criterion were being read</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>while the tests were being searched</source>
        <translation>while the tests were being searched</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>while the test was being loaded</source>
        <translation>while the test was being loaded</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>while the test was being saved</source>
        <translation>while the test was being saved</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>while the table mytable was being given the column %1 for saving</source>
        <translation>while the table mytable was being given the column %1 for saving</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The server %1 could not create the table mytable.</source>
        <translation>The server %1 could not create the table mytable.</translation>
    </message>
    <message>
        <location line="+129"/>
        <source>while the tests were being stored</source>
        <translation>while the tests were being stored</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>while the tests were being read</source>
        <translation>while the tests were being read</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>while the tests were being counted</source>
        <translation>while the tests were being counted</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>while the tests were being erased</source>
        <translation>while the tests were being erased</translation>
    </message>
    <message>
        <location filename="../src/io/database/sql_rows.cpp" line="+83"/>
        <source>There is no search criterion &quot;%1&quot;.</source>
        <translation>There is no search criterion &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The test is no longer in the database &quot;%1&quot;.</source>
        <translation>The test is no longer in the database &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/io/database/file_history.cpp" line="+163"/>
        <source>The database file &quot;%1&quot; is read-only, so its tests cannot be given their indices.</source>
        <translation>The database file &quot;%1&quot; is read-only, so its tests cannot be given their indices.</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_history.cpp" line="+22"/>
        <source>while the history of the horse was being read</source>
        <translation>while the history of the horse was being read</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>while the reference band was being computed</source>
        <translation>while the reference band was being computed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>while the indices of the tests were being stored</source>
        <translation>while the indices of the tests were being stored</translation>
    </message>
</context>
<context>
    <name>Discipline</name>
    <message>
        <location filename="../src/domain/exercise/speed_unit.cpp" line="+37"/>
        <source>Endur</source>
        <extracomment>The discipline of a test typed in km/hour: endurance riding.</extracomment>
        <translation>Endurance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trav</source>
        <extracomment>The discipline of a test typed in min/km: trotting.</extracomment>
        <translation>Trot</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rid</source>
        <extracomment>The discipline of a test typed in metres per minute: riding.</extracomment>
        <translation>Riding</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Galopp</source>
        <extracomment>The discipline of a test typed in seconds per 200 m: galloping.</extracomment>
        <translation>Gallop</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery</source>
        <extracomment>A recovery test: heart rate and lactate over the minutes after exercise.</extracomment>
        <translation>Recovery</translation>
    </message>
</context>
<context>
    <name>Extrapolation</name>
    <message>
        <location filename="../src/domain/analysis/extrapolation.cpp" line="+79"/>
        <source>extrapolated: %1 mmol/l lies below the lowest measured lactate (%2 mmol/l)</source>
        <translation>extrapolated: %1 mmol/l lies below the lowest measured lactate (%2 mmol/l)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>extrapolated: %1 mmol/l lies above the highest measured lactate (%2 mmol/l)</source>
        <translation>extrapolated: %1 mmol/l lies above the highest measured lactate (%2 mmol/l)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>extrapolated: %1 b/min lies below the lowest measured heart rate (%2 b/min)</source>
        <translation>extrapolated: %1 b/min lies below the lowest measured heart rate (%2 b/min)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>extrapolated: %1 b/min lies above the highest measured heart rate (%2 b/min)</source>
        <translation>extrapolated: %1 b/min lies above the highest measured heart rate (%2 b/min)</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/extrapolation.h" line="+41"/>
        <source>* extrapolated: read off the fitted line beyond the measured steps</source>
        <translation>* extrapolated: read off the fitted line beyond the measured steps</translation>
    </message>
</context>
<context>
    <name>FitQuality</name>
    <message>
        <location filename="../src/domain/analysis/fit_quality.cpp" line="+74"/>
        <source>No fit quality: fewer than 3 steps</source>
        <translation>No fit quality: fewer than 3 steps</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate fit R² %1</source>
        <translation>Lactate fit R² %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>heart-rate line R² %1</source>
        <translation>heart-rate line R² %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 steps</source>
        <translation>%1 steps</translation>
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
        <translation>Time (minutes)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed (meter/minute)</source>
        <translation>Speed (meter/minute)</translation>
    </message>
</context>
<context>
    <name>HeartRateFile</name>
    <message>
        <location filename="../src/domain/hrm_import/hrm_file.cpp" line="+200"/>
        <source>Pulse
b/min</source>
        <translation>Pulse
b/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Speed
km/h*10</source>
        <translation>Speed
km/h*10</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cadence
rpm</source>
        <translation>Cadence
rpm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altitude
ft</source>
        <translation>Altitude
ft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altitude
m</source>
        <translation>Altitude
m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power
W</source>
        <translation>Power
W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance
/PI</source>
        <translation>Balance
/PI</translation>
    </message>
    <message>
        <location filename="../src/domain/hrm_import/take_over.cpp" line="+21"/>
        <source>More than six steps were found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</source>
        <translation>More than six steps were found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 step was found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</source>
        <translation>1 step was found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 steps were found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</source>
        <translation>%1 steps were found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</translation>
    </message>
</context>
<context>
    <name>HistoryTable</name>
    <message>
        <location filename="../src/ui/history/history_table.cpp" line="+43"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steps</source>
        <translation>Steps</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fit quality (R² lactate / Hr)</source>
        <translation>Fit quality (R² lactate / Hr)</translation>
    </message>
</context>
<context>
    <name>Indices</name>
    <message>
        <location filename="../src/domain/analysis/index_intervals.cpp" line="+54"/>
        <location line="+39"/>
        <source>fewer than three steps</source>
        <translation>fewer than three steps</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>a value is not a number</source>
        <translation>a value is not a number</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>all speeds are equal</source>
        <translation>all speeds are equal</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a value is out of range</source>
        <translation>a value is out of range</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>too many steps</source>
        <translation>too many steps</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line is flat</source>
        <translation>the line is flat</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the line gives no finite speed</source>
        <translation>the line gives no finite speed</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the interval is unbounded: the slope is not clearly different from zero</source>
        <translation>the interval is unbounded: the slope is not clearly different from zero</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the interval is out of range</source>
        <translation>the interval is out of range</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the heart rate is out of range</source>
        <translation>the heart rate is out of range</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>a heart-rate-only test has no lactate indices</source>
        <translation>a heart-rate-only test has no lactate indices</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a lactate is not above 0</source>
        <translation>a lactate is not above 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a heart rate is not a number</source>
        <translation>a heart rate is not a number</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the lactate level is not above 0</source>
        <translation>the lactate level is not above 0</translation>
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
        <translation>%1 steps</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>95 % CI not available: %1</source>
        <translation>95 % CI not available: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>95 % CI unbounded: the slope is not clearly different from zero</source>
        <translation>95 % CI unbounded: the slope is not clearly different from zero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>95 % CI unbounded</source>
        <translation>95 % CI unbounded</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>95 % CI not available: it lies below zero speed</source>
        <translation>95 % CI not available: it lies below zero speed</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>95 % CI %1 or slower</source>
        <translation>95 % CI %1 or slower</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>95 % CI up to %1</source>
        <translation>95 % CI up to %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <source>95 % CI %1–%2</source>
        <translation>95 % CI %1–%2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 not available: %2</source>
        <translation>%1 not available: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no positive speed</source>
        <translation>no positive speed</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/index_intervals.h" line="+117"/>
        <source>within the uncertainty of the two tests</source>
        <translation>within the uncertainty of the two tests</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/index_run.cpp" line="+61"/>
        <source>No indices: the test has fewer than three steps</source>
        <translation>No indices: the test has fewer than three steps</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No indices: step %1 is empty</source>
        <translation>No indices: step %1 is empty</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Heart-rate-only test: no lactate values</source>
        <translation>Heart-rate-only test: no lactate values</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heart-rate-only test: no VLa2, VLa4, Hr2 or Hr4</source>
        <translation>Heart-rate-only test: no VLa2, VLa4, Hr2 or Hr4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No lactate values: the lactate curve was not fitted</source>
        <translation>No lactate values: the lactate curve was not fitted</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No VLa2, VLa4, Hr2 or Hr4: the lactate curve was not fitted</source>
        <translation>No VLa2, VLa4, Hr2 or Hr4: the lactate curve was not fitted</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No heart-rate values: the heart-rate line was not fitted</source>
        <translation>No heart-rate values: the heart-rate line was not fitted</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No V200, Hr2 or Hr4: the heart-rate line was not fitted</source>
        <translation>No V200, Hr2 or Hr4: the heart-rate line was not fitted</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No V200: the heart rate does not rise with speed</source>
        <translation>No V200: the heart rate does not rise with speed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No V200: the heart-rate line gives no positive speed for 200 b/min</source>
        <translation>No V200: the heart-rate line gives no positive speed for 200 b/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No VLa2 or VLa4: the lactate does not change with speed</source>
        <translation>No VLa2 or VLa4: the lactate does not change with speed</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No VLa4: the lactate curve gives no positive speed for 4 mmol/l</source>
        <translation>No VLa4: the lactate curve gives no positive speed for 4 mmol/l</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No VLa2: the lactate curve gives no positive speed for 2 mmol/l</source>
        <translation>No VLa2: the lactate curve gives no positive speed for 2 mmol/l</translation>
    </message>
</context>
<context>
    <name>Laktat</name>
    <message>
        <location filename="../src/ui/main_window/laktat.cpp" line="+52"/>
        <source>def4.txt missing !</source>
        <translation>def4.txt missing !</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/laktat_layout.cpp" line="+68"/>
        <source>Test entry and graph</source>
        <translation>Test entry and graph</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save work</source>
        <translation>Save work</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear screen</source>
        <translation>Clear screen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Select speed !</source>
        <translation>Select speed !</translation>
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
        <translation>Plausible: up to %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plausible: %1%2 to %3</source>
        <translation>Plausible: %1%2 to %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>above </source>
        <translation>above </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>, step %1</source>
        <translation>, step %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate</source>
        <translation>Lactate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heart rate</source>
        <translation>Heart rate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Age</source>
        <translation>Age</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Max Hr</source>
        <translation>Max Hr</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Implausible values (the fields&apos; tool tips give the ranges): %1.</source>
        <translation>Implausible values (the fields&apos; tool tips give the ranges): %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>These values lie outside what a horse can show: %1.

Save the test as it is?</source>
        <translation>These values lie outside what a horse can show: %1.

Save the test as it is?</translation>
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
        <translation>years</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/ui/report/clinic_details_page.cpp" line="+135"/>
        <source>Clinic details</source>
        <translation>Clinic details</translation>
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
        <translation>Time(minutes)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed(meter/minute)</source>
        <translation>Speed(meter/minute)</translation>
    </message>
    <message>
        <location filename="../src/domain/report/report_page.cpp" line="-59"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Breed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Age</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Stable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Input data</source>
        <translation>Input data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate</source>
        <translation>Lactate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hr</source>
        <translation>Hr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time(min)</source>
        <translation>Time(min)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Optional threshold</source>
        <translation>Optional threshold</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Speed</source>
        <translation>Speed</translation>
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
        <translation>Date</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Fixed thresholds</source>
        <translation>Fixed thresholds</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Very light</source>
        <translation>Very light</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moderate</source>
        <translation>Moderate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hard</source>
        <translation>Hard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Max hr</source>
        <translation>Max hr</translation>
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
        <translation>Speed (km/hour)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/io/database/loading.cpp" line="-6"/>
        <source>Speed (min/km)</source>
        <translation>Speed (min/km)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed (met/min)</source>
        <translation>Speed (m/min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  Speed (sek/200m)</source>
        <translation>  Speed (sec/200m)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>      Time     (min)</source>
        <translation>      Time     (min)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>   Tempo  (met/min)</source>
        <translation>   Speed  (m/min)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>km/hour</source>
        <translation>km/hour</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>met/min</source>
        <translation>m/min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sek/200m</source>
        <translation>sec/200m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time (min)</source>
        <translation>Time (min)</translation>
    </message>
    <message>
        <location filename="../src/io/database/loading.cpp" line="+2"/>
        <source>Speed (mt/min)</source>
        <translation>Speed (m/min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed (sek/200m)</source>
        <translation>Speed (sec/200m)</translation>
    </message>
</context>
<context>
    <name>ThresholdMethods</name>
    <message>
        <location filename="../src/domain/analysis/threshold_methods.cpp" line="+23"/>
        <source>the result is out of range</source>
        <translation>the result is out of range</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>fewer than two usable steps</source>
        <translation>fewer than two usable steps</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the measured lactate never rises through %1 mmol/l</source>
        <translation>the measured lactate never rises through %1 mmol/l</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+80"/>
        <source>needs four steps</source>
        <translation>needs four steps</translation>
    </message>
    <message>
        <location line="-72"/>
        <source>all speeds are equal</source>
        <translation>all speeds are equal</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the polynomial cannot be fitted to these speeds</source>
        <translation>the polynomial cannot be fitted to these speeds</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the first and last speeds are equal</source>
        <translation>the first and last speeds are equal</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>the curve has no point farthest from the line between the first and last steps</source>
        <translation>the curve has no point farthest from the line between the first and last steps</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a speed or lactate is not above 0</source>
        <translation>a speed or lactate is not above 0</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>no two runs of steps have different speeds</source>
        <translation>no two runs of steps have different speeds</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the two lines are parallel</source>
        <translation>the two lines are parallel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the two lines cross outside the measured speeds</source>
        <translation>the two lines cross outside the measured speeds</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>not available: %1</source>
        <translation>not available: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no positive speed</source>
        <translation>no positive speed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2 at %3 mmol/l</source>
        <translation>%1 %2 at %3 mmol/l</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <location line="+5"/>
        <source>Exponential fit: %1</source>
        <translation>Exponential fit: %1</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+6"/>
        <source>Heart-rate line: %1</source>
        <translation>Heart-rate line: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linear interpolation, 2 mmol/l: %1</source>
        <translation>Linear interpolation, 2 mmol/l: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linear interpolation, 4 mmol/l: %1</source>
        <translation>Linear interpolation, 4 mmol/l: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dmax: %1</source>
        <translation>Dmax: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log-log breakpoint: %1</source>
        <translation>Log-log breakpoint: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The methods&apos; 4 mmol/l speeds differ by more than 5 %</source>
        <translation>The methods&apos; 4 mmol/l speeds differ by more than 5 %</translation>
    </message>
</context>
<context>
    <name>kavren</name>
    <message>
        <location filename="../src/domain/analysis/fit_problem.cpp" line="+13"/>
        <source> — no lactate values</source>
        <translation> — no lactate values</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> — no VLa2, VLa4, Hr2 or Hr4</source>
        <translation> — no VLa2, VLa4, Hr2 or Hr4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> — no heart-rate values</source>
        <translation> — no heart-rate values</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> — no V200, Hr2 or Hr4</source>
        <translation> — no V200, Hr2 or Hr4</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The lactate curve was not fitted: </source>
        <translation>The lactate curve was not fitted: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every lactate must be a number</source>
        <translation>every lactate must be a number</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>every lactate must be above 0</source>
        <translation>every lactate must be above 0</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The heart-rate line was not fitted: every heart rate must be a number</source>
        <translation>The heart-rate line was not fitted: every heart rate must be a number</translation>
    </message>
    <message>
        <location filename="../src/io/database/saving.cpp" line="+91"/>
        <source>Step %1 comes after the empty step %2. Fill step %2 or empty step %1 before saving.</source>
        <translation>Step %1 comes after the empty step %2. Fill step %2 or empty step %1 before saving.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Step %1 is the last step typed: a test needs at least three steps. Type the missing steps before saving.</source>
        <translation>Step %1 is the last step typed: a test needs at least three steps. Type the missing steps before saving.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Step %1: &quot;%2&quot; is not a number. Correct it before saving.</source>
        <translation>Step %1: &quot;%2&quot; is not a number. Correct it before saving.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Step %1 has no lactate. Type it before saving.</source>
        <translation>Step %1 has no lactate. Type it before saving.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no heart rate and no speed</source>
        <translation>no heart rate and no speed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no heart rate</source>
        <translation>no heart rate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no speed</source>
        <translation>no speed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step %1 has %2. Save anyway?</source>
        <translation>Step %1 has %2. Save anyway?</translation>
    </message>
    <message>
        <location filename="../src/ui/common/message_dialog.cpp" line="+98"/>
        <source>Save work</source>
        <translation>Save work</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kavren::BackgroundPanel</name>
    <message>
        <location filename="../src/ui/graph/background_panel.cpp" line="+21"/>
        <source>Drag drop</source>
        <translation>Drag drop</translation>
    </message>
</context>
<context>
    <name>kavren::CalculationController</name>
    <message>
        <location filename="../src/ui/entry/calculation_controller.cpp" line="+24"/>
        <source>Select Speed !</source>
        <translation>Select Speed !</translation>
    </message>
</context>
<context>
    <name>kavren::ClinicDetailsPage</name>
    <message>
        <location filename="../src/ui/report/clinic_details_page.cpp" line="-82"/>
        <source>Choose logo...</source>
        <translation>Choose logo...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove logo</source>
        <translation>Remove logo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clinic name</source>
        <translation>Clinic name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose logo</source>
        <translation>Choose logo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No logo</source>
        <translation>No logo</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+28"/>
        <source>Clinic details</source>
        <translation>Clinic details</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 is not a picture that can be read.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The logo could not be kept in %1.</source>
        <translation>The logo could not be kept in %1.</translation>
    </message>
</context>
<context>
    <name>kavren::ComparisonPanel</name>
    <message>
        <location filename="../src/ui/comparison/comparison_panel.cpp" line="+90"/>
        <source>     Date             La(0)      %       La(5)      %      La(10)     %     La(20)     %      Hr(0)       %      Hr(5)       %     Hr(10 )     %      Hr(20)     %</source>
        <translation>     Date             La(0)      %       La(5)      %      La(10)     %     La(20)     %      Hr(0)       %      Hr(5)       %     Hr(10 )     %      Hr(20)     %</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>       Date           V200       %        V2        %        V4        %       Hr2       %        Hr4       %</source>
        <translation>       Date           V200       %        V2        %        V4        %       Hr2       %        Hr4       %</translation>
    </message>
</context>
<context>
    <name>kavren::CreateDatabasePanel</name>
    <message>
        <location filename="../src/ui/database/create_database_panel.cpp" line="+18"/>
        <source>Create Database (folder/name or server address)</source>
        <translation>Create Database (folder/name or server address)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kavren::CsvExportDialog</name>
    <message>
        <location filename="../src/ui/comparison/csv_export_dialog.cpp" line="+20"/>
        <location line="+48"/>
        <source>Export to CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Exporting the comparison table...</source>
        <translation>Exporting the comparison table...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exporting %1 tests...</source>
        <translation>Exporting %1 tests...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Exported the comparison table to %1</source>
        <translation>Exported the comparison table to %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exported %1 %2 to %3</source>
        <translation>Exported %1 %2 to %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>tests</source>
        <translation>tests</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export cancelled: nothing was written to %1</source>
        <translation>Export cancelled: nothing was written to %1</translation>
    </message>
</context>
<context>
    <name>kavren::DatabaseController</name>
    <message>
        <location filename="../src/ui/database/database_controller.cpp" line="+102"/>
        <source>The test on screen has not been saved. Save it before closing?</source>
        <translation>The test on screen has not been saved. Save it before closing?</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Database: </source>
        <translation>Database: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Select database (DblClick)</source>
        <translation>Select database (DblClick)</translation>
    </message>
    <message>
        <location line="+74"/>
        <location line="+183"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="-183"/>
        <location line="+183"/>
        <source>Do you want to erase ?</source>
        <translation>Do you want to erase ?</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>It is not known whether the test was saved. It stays on screen, and &quot;Save work&quot; stores it only once. %1</source>
        <translation>It is not known whether the test was saved. It stays on screen, and &quot;Save work&quot; stores it only once. %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The test was not saved: %1</source>
        <translation>The test was not saved: %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Test saved in %1 (%2, %3)</source>
        <translation>Test saved in %1 (%2, %3)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Waiting for the database server of %1…</source>
        <translation>Waiting for the database server of %1…</translation>
    </message>
</context>
<context>
    <name>kavren::EntryPanel</name>
    <message>
        <location filename="../src/ui/entry/entry_panel.cpp" line="+73"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Breed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Age</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable/Track</source>
        <translation>Stable/Track</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max Hr</source>
        <translation>Max Hr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vilopuls</source>
        <extracomment>The horse&apos;s resting heart rate.</extracomment>
        <translation>Resting Hr</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+4"/>
        <source>Comments</source>
        <translation>Comments</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> Lactate (mmol/l)</source>
        <translation> Lactate (mmol/l)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>     Hr (b/min)</source>
        <translation>     Hr (b/min)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Tempo      (met/sek)</source>
        <extracomment>Caption of the column of speeds in metres per second; the spaces wrap it over two lines.</extracomment>
        <translation>Speed      (m/s)</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Spare heart rate</source>
        <translation>Spare heart rate</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>km/hour</source>
        <translation>km/hour</translation>
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
        <translation>sec/200m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Implausible value. %1</source>
        <translation>Implausible value. %1</translation>
    </message>
</context>
<context>
    <name>kavren::FileListPanel</name>
    <message>
        <location filename="../src/ui/common/file_list_panel.cpp" line="+100"/>
        <source>Drive</source>
        <translation>Drive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Erase</source>
        <translation>Erase</translation>
    </message>
</context>
<context>
    <name>kavren::HelpController</name>
    <message>
        <location filename="../src/ui/help/help_controller.cpp" line="+33"/>
        <source>The user manual is not installed; it should be %1.</source>
        <translation>The user manual is not installed; it should be %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No browser could show the user manual %1.</source>
        <translation>No browser could show the user manual %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kavren Equine %1
Lactate and heart-rate analysis of exercise tests on horses.

Built with Qt %2, running with Qt %3.
Licence: proprietary, all rights reserved by Kavren Equine.

Data folder: %4</source>
        <translation>Kavren Equine %1
Lactate and heart-rate analysis of exercise tests on horses.

Built with Qt %2, running with Qt %3.
Licence: proprietary, all rights reserved by Kavren Equine.

Data folder: %4</translation>
    </message>
</context>
<context>
    <name>kavren::HistoryChartView</name>
    <message>
        <location filename="../src/ui/history/history_chart_view.cpp" line="+17"/>
        <source>Chart of the index over time</source>
        <translation>Chart of the index over time</translation>
    </message>
</context>
<context>
    <name>kavren::HistoryWindow</name>
    <message>
        <location filename="../src/ui/history/history_window.cpp" line="+51"/>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Horse</source>
        <translation>Horse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Discipline of the chart</source>
        <translation>Discipline of the chart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Index of the chart</source>
        <translation>Index of the chart</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Same breed only</source>
        <translation>Same breed only</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved tests of the horse</source>
        <translation>Saved tests of the horse</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Discipline:</source>
        <translation>Discipline:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Index:</source>
        <translation>Index:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Save chart as PNG...</source>
        <translation>Save chart as PNG...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save chart as PNG</source>
        <translation>Save chart as PNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG pictures (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save chart as PDF...</source>
        <translation>Save chart as PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save chart as PDF</source>
        <translation>Save chart as PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save table as CSV...</source>
        <translation>Save table as CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save table as CSV</source>
        <translation>Save table as CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Computing the clinic&apos;s reference band…</source>
        <translation>Computing the clinic&apos;s reference band…</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Type or load a test of a horse first: its history is shown here.</source>
        <translation>Type or load a test of a horse first: its history is shown here.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reading the tests of %1…</source>
        <translation>Reading the tests of %1…</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No saved test of %1 in this database.</source>
        <translation>No saved test of %1 in this database.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2 saved tests, oldest first.</source>
        <translation>%1: %2 saved tests, oldest first.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>All horses named %1</source>
        <translation>All horses named %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>The clinic&apos;s reference band could not be computed: %1</source>
        <translation>The clinic&apos;s reference band could not be computed: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 tests of this discipline and breed</source>
        <translation>%1 tests of this discipline and breed</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 tests of this discipline</source>
        <translation>%1 tests of this discipline</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The band shows the 10th to 90th percentile and the median of the clinic&apos;s %1 in this database.</source>
        <translation>The band shows the 10th to 90th percentile and the median of the clinic&apos;s %1 in this database.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No reference band: the database holds %1 with a value of %2, fewer than %3.</source>
        <translation>No reference band: the database holds %1 with a value of %2, fewer than %3.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>History of %1</source>
        <translation>History of %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 could not be written.</source>
        <translation>%1 could not be written.</translation>
    </message>
</context>
<context>
    <name>kavren::LactateLevelsPage</name>
    <message>
        <location filename="../src/ui/common/lactate_levels_page.cpp" line="+16"/>
        <source>Extra lactate levels (mmol/l) for the speed and heart rate, e.g. 1.5 3:</source>
        <translation>Extra lactate levels (mmol/l) for the speed and heart rate, e.g. 1.5 3:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Left out (a level is above 0 and at most %1 mmol/l, at most %2 levels): %3</source>
        <translation>Left out (a level is above 0 and at most %1 mmol/l, at most %2 levels): %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The levels could not be kept: the preferences file cannot be written.</source>
        <translation>The levels could not be kept: the preferences file cannot be written.</translation>
    </message>
</context>
<context>
    <name>kavren::LanguagePage</name>
    <message>
        <location filename="../src/ui/common/language_page.cpp" line="+15"/>
        <source>Language of the window:</source>
        <translation>Language of the window:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The language changes when Kavren starts next.</source>
        <translation>The language changes when Kavren starts next.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The language could not be kept: the preferences file cannot be written.</source>
        <translation>The language could not be kept: the preferences file cannot be written.</translation>
    </message>
</context>
<context>
    <name>kavren::LinkPanel</name>
    <message>
        <location filename="../src/ui/remote_link/link_panel.cpp" line="+17"/>
        <source>Local Ip              Remote Ip                      </source>
        <translation>Local Ip              Remote Ip                      </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kavren::LinkReceiver</name>
    <message>
        <location filename="../src/io/link_receiver.cpp" line="+23"/>
        <source>Port %1 could not be opened for the remote link (%2). Close the program that uses it, or check the firewall, and press Connect again.</source>
        <translation>Port %1 could not be opened for the remote link (%2). Close the program that uses it, or check the firewall, and press Connect again.</translation>
    </message>
</context>
<context>
    <name>kavren::MainMenu</name>
    <message>
        <location filename="../src/ui/main_window/main_menu.cpp" line="+49"/>
        <source>&amp;Printer</source>
        <translation>&amp;Printer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen</source>
        <translation>Screen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only Hr</source>
        <translation>Only Hr</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+12"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Adjust frame to background</source>
        <translation>Adjust frame to background</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>More...</source>
        <translation>More...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List</source>
        <translation>List</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to CSV...</source>
        <translation>Export to CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export comparison table to CSV...</source>
        <translation>Export comparison table to CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>History...</source>
        <translation>History...</translation>
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
        <translation>Background</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threshold methods</source>
        <translation>Threshold methods</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print preview...</source>
        <translation>Print preview...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clinic report...</source>
        <translation>Clinic report...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clinic details...</source>
        <translation>Clinic details...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for updates</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Help</source>
        <translation> Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User manual</source>
        <translation>User manual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Kavren</source>
        <translation>About Kavren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Lactate levels</source>
        <translation>Lactate levels</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clinic</source>
        <translation>Clinic</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <translation>Language</translation>
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
        <translation>Time Events</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sample interval</source>
        <translation>Sample interval</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Extract Polardata</source>
        <translation>Extract Polardata</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The heart-rate file %1 could not be opened: %2</source>
        <translation>The heart-rate file %1 could not be opened: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The heart-rate file %1 is too large to be a recording.</source>
        <translation>The heart-rate file %1 is too large to be a recording.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The heart-rate file %1 holds no samples: its [HRData] section is missing.</source>
        <translation>The heart-rate file %1 holds no samples: its [HRData] section is missing.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The heart-rate file %1 is a beat-to-beat (R-R interval) recording, not samples at a fixed interval, and cannot be imported.</source>
        <translation>The heart-rate file %1 is a beat-to-beat (R-R interval) recording, not samples at a fixed interval, and cannot be imported.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This file holds no speed: the steps get no speed.</source>
        <translation>This file holds no speed: the steps get no speed.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n line(s) could not be read and were skipped.</source>
        <translation>
            <numerusform>%n line could not be read and was skipped.</numerusform>
            <numerusform>%n lines could not be read and were skipped.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No Time Events is set !</source>
        <translation>No Time Events is set !</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Time</source>
        <translation>Time</translation>
    </message>
</context>
<context>
    <name>kavren::PreferencesDialog</name>
    <message>
        <location filename="../src/ui/common/preferences_dialog.cpp" line="+11"/>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
</context>
<context>
    <name>kavren::ReportPanel</name>
    <message>
        <location filename="../src/ui/report/report_panel.cpp" line="+67"/>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+9"/>
        <source>The report was not printed: no printer is available.</source>
        <translation>The report was not printed: no printer is available.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The report was not printed: %1 could not be written to.</source>
        <translation>The report was not printed: %1 could not be written to.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Save as PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The report could not be saved as PDF: %1 could not be written.</source>
        <translation>The report could not be saved as PDF: %1 could not be written.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Save as PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clinic report </source>
        <translation>Clinic report </translation>
    </message>
</context>
<context>
    <name>kavren::SearchPanel</name>
    <message>
        <location filename="../src/ui/database/search_panel.cpp" line="+32"/>
        <source>Search criteria</source>
        <translation>Search criteria</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Breed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Age</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Stable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search value</source>
        <translation>Search value</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>öppna arbete</source>
        <extracomment>Lists the values of the chosen search criterion (&quot;open work&quot;).</extracomment>
        <translation>Open work</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tests found</source>
        <translation>Tests found</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freeze curve</source>
        <translation>Freeze curve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erase work</source>
        <translation>Erase work</translation>
    </message>
</context>
<context>
    <name>kavren::StylePanel</name>
    <message>
        <location filename="../src/ui/graph/style_panel.cpp" line="+94"/>
        <source>Screen</source>
        <translation>Screen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Curve             1                         2  -  6</source>
        <translation> Curve             1                         2  -  6</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+44"/>
        <source>Lactate</source>
        <translation>Lactate</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Screen: Lactate, curve 1, colour</source>
        <translation>Screen: Lactate, curve 1, colour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Lactate, curves 2 - 6, colour</source>
        <translation>Screen: Lactate, curves 2 - 6, colour</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+45"/>
        <source>Pulse</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Screen: Pulse, curve 1, colour</source>
        <translation>Screen: Pulse, curve 1, colour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Pulse, curves 2 - 6, colour</source>
        <translation>Screen: Pulse, curves 2 - 6, colour</translation>
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
        <translation>Width</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Screen: Curve width</source>
        <translation>Screen: Curve width</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Circles</source>
        <translation>Circles</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+45"/>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Screen: Circles, size</source>
        <translation>Screen: Circles, size</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Circles, width</source>
        <translation>Screen: Circles, width</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helplines</source>
        <translation>Helplines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Helplines, width</source>
        <translation>Screen: Helplines, width</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threshold</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+48"/>
        <location line="+7"/>
        <source>Color(0-15)</source>
        <translation>Color(0-15)</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Screen: Threshold, color (0-15)</source>
        <translation>Screen: Threshold, color (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Background, color (0-15)</source>
        <translation>Screen: Background, color (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tempo axis</source>
        <translation>Speed axis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Tempo axis, color (0-15)</source>
        <translation>Screen: Speed axis, color (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+55"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Curve       1              2 - 6</source>
        <translation>Curve       1              2 - 6</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Curves</source>
        <translation>Curves</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Printer: Lactate curve, width</source>
        <translation>Printer: Lactate curve, width</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Printer: Lactate curve 1, color</source>
        <translation>Printer: Lactate curve 1, color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Lactate curves 2 - 6, color</source>
        <translation>Printer: Lactate curves 2 - 6, color</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Printer: Pulse curve, width</source>
        <translation>Printer: Pulse curve, width</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Pulse curve 1, color</source>
        <translation>Printer: Pulse curve 1, color</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Pulse curves 2 - 6, color</source>
        <translation>Printer: Pulse curves 2 - 6, color</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marks</source>
        <translation>Marks</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, size</source>
        <translation>Printer: Marks, size</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, width</source>
        <translation>Printer: Marks, width</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type(0-8)</source>
        <translation>Type(0-8)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, type (0-8)</source>
        <translation>Printer: Marks, type (0-8)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color(lactate)</source>
        <translation>Color(lactate)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, color (lactate)</source>
        <translation>Printer: Marks, color (lactate)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Fill color</source>
        <translation>Fill color</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Printer: Marks, fill color (lactate)</source>
        <translation>Printer: Marks, fill color (lactate)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color(Hr)</source>
        <translation>Color(Hr)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, color (Hr)</source>
        <translation>Printer: Marks, color (Hr)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, fill color (Hr)</source>
        <translation>Printer: Marks, fill color (Hr)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate lines</source>
        <translation>Lactate lines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Lactate lines, width</source>
        <translation>Printer: Lactate lines, width</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Lactate lines, color (0-15)</source>
        <translation>Printer: Lactate lines, color (0-15)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help lines</source>
        <translation>Help lines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Help lines, width</source>
        <translation>Printer: Help lines, width</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Help lines, color (0-15)</source>
        <translation>Printer: Help lines, color (0-15)</translation>
    </message>
</context>
<context>
    <name>kavren::ThresholdMethodsWindow</name>
    <message>
        <location filename="../src/ui/threshold_methods/threshold_methods_window.cpp" line="+16"/>
        <source>Threshold methods</source>
        <translation>Threshold methods</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calculate a test to compare the methods.</source>
        <translation>Calculate a test to compare the methods.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mark the thresholds on the graph</source>
        <translation>Mark the thresholds on the graph</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The marks are drawn now and after every calculation while ticked; the next calculation draws the graph without them when unticked.</source>
        <translation>The marks are drawn now and after every calculation while ticked; the next calculation draws the graph without them when unticked.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>A recovery test has no lactate threshold.</source>
        <translation>A recovery test has no lactate threshold.</translation>
    </message>
</context>
<context>
    <name>kavren::ThresholdPanel</name>
    <message>
        <location filename="../src/ui/threshold/threshold_panel.cpp" line="+38"/>
        <source>Calculate threshold</source>
        <translation>Calculate threshold</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold speed (meter/sec)</source>
        <translation>Threshold speed (meter/sec)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>meter/sec</source>
        <translation>meter/sec</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hr</source>
        <translation>Hr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold Hr</source>
        <translation>Threshold Hr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate</source>
        <translation>Lactate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold lactate</source>
        <translation>Threshold lactate</translation>
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
        <translation>sec/200m</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Threshold Hr slider</source>
        <translation>Threshold Hr slider</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Threshold lactate slider</source>
        <translation>Threshold lactate slider</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Very light         Light        Moderate       Hard          Max </source>
        <extracomment>The five training zones, each name over its field below; keep the spacing.</extracomment>
        <translation>Very light         Light        Moderate       Hard          Max </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Recovery</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery, % of the zones</source>
        <translation>Recovery, % of the zones</translation>
    </message>
</context>
</TS>
