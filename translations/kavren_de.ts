<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Rasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Stall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Test indices</source>
        <translation>Testindizes</translation>
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
        <translation>Eingabedaten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Time (min)</source>
        <translation>Zeit (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed (%1)</source>
        <translation>Tempo (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step</source>
        <translation>Stufe</translation>
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
        <translation>Herzfrequenz (b/min)</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Training zones (b/min)</source>
        <translation>Trainingszonen (b/min)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Very light</source>
        <translation>Sehr leicht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moderate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Max heart rate</source>
        <translation>Max. Herzfrequenz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Threshold</source>
        <translation>Schwelle</translation>
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
        <translation>Seite 1 von 1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <location filename="../src/domain/report/clinic_report.h" line="+44"/>
        <source>Exercise test report</source>
        <translation>Bericht zum Belastungstest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate curve: least-squares fit of ln(lactate) against speed; heart rate: least-squares straight line.</source>
        <translation>Laktatkurve: Anpassung von ln(Laktat) an die Geschwindigkeit nach der Methode der kleinsten Quadrate; Herzfrequenz: Ausgleichsgerade nach der Methode der kleinsten Quadrate.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>grey: within the uncertainty of the two tests</source>
        <translation>grau: innerhalb der Unsicherheit der beiden Tests</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <location filename="../src/io/csv_export.cpp" line="+395"/>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../src/io/database/database_copy.cpp" line="+49"/>
        <source>The source and the target are the same database &quot;%1&quot;, so nothing was copied.</source>
        <translation>Quelle und Ziel sind dieselbe Datenbank „%1“; daher wurde nichts kopiert.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The database &quot;%1&quot; already holds %2 tests, so nothing was copied; give --append to add the tests to them.</source>
        <translation>Die Datenbank „%1“ enthält bereits %2 Tests; daher wurde nichts kopiert. Mit --append werden die Tests zu ihnen hinzugefügt.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Nothing was copied.</source>
        <translation> Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_file.cpp" line="+55"/>
        <source>The folder &quot;%1&quot; could not be created, so the database &quot;%2&quot; was not created.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden; daher wurde die Datenbank „%2“ nicht erstellt.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The file &quot;%1&quot; could not be erased: %2</source>
        <translation>Die Datei „%1“ konnte nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_file.h" line="+14"/>
        <source>Wrong syntax !</source>
        <translation>Falsche Syntax!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong syntax</source>
        <translation>Falsche Syntax</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_store.cpp" line="+84"/>
        <source>The file &quot;%1&quot; is not a database of this program.</source>
        <translation>Die Datei „%1“ ist keine Datenbank dieses Programms.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The database file &quot;%1&quot; is damaged.</source>
        <translation>Die Datenbankdatei „%1“ ist beschädigt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+325"/>
        <source>The database file &quot;%1&quot; is locked by another program.</source>
        <translation>Die Datenbankdatei „%1“ ist von einem anderen Programm gesperrt.</translation>
    </message>
    <message>
        <location line="-321"/>
        <source>The database file &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Datenbankdatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file &quot;%1&quot; holds no table mytable, so it is not a database of this program.</source>
        <translation>Die Datei „%1“ enthält keine Tabelle mytable und ist daher keine Datenbank dieses Programms.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The table mytable in &quot;%1&quot; lacks the column %2, so it is not a database of this program.</source>
        <translation>Der Tabelle mytable in „%1“ fehlt die Spalte %2; die Datei ist daher keine Datenbank dieses Programms.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The table mytable in &quot;%1&quot; does not hold exactly the columns %2 in this order, so it is not a database of this program.</source>
        <translation>Die Tabelle mytable in „%1“ enthält nicht genau die Spalten %2 in dieser Reihenfolge; die Datei ist daher keine Datenbank dieses Programms.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The table mytable could not be added to &quot;%1&quot;: %2</source>
        <translation>Die Tabelle mytable konnte nicht zu „%1“ hinzugefügt werden: %2</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>the file was written by another program meanwhile</source>
        <translation>die Datei wurde inzwischen von einem anderen Programm geschrieben</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The empty file &quot;%1&quot; could not be made a database: %2</source>
        <translation>Die leere Datei „%1“ konnte nicht zu einer Datenbank gemacht werden: %2</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be), so nothing is written to it.</source>
        <translation>Die Datenbankdatei „%1“ ist beschädigt (sie ist kürzer, als sie sein sollte); daher wird nichts in sie geschrieben.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be): only the tests that could be read are shown.</source>
        <translation>Die Datenbankdatei „%1“ ist beschädigt (sie ist kürzer, als sie sein sollte): Es werden nur die Tests angezeigt, die gelesen werden konnten.</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+27"/>
        <source>The database file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Die Datenbankdatei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>No database file is chosen.</source>
        <translation>Es ist keine Datenbankdatei gewählt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; does not exist.</source>
        <translation>Die Datenbankdatei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is a folder, not a database file.</source>
        <translation>„%1“ ist ein Ordner, keine Datenbankdatei.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; cannot be read.</source>
        <translation>Die Datenbankdatei „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The database file &quot;%1&quot; is read-only.</source>
        <translation>Die Datenbankdatei „%1“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The disk that holds &quot;%1&quot; is full.</source>
        <translation>Der Datenträger, auf dem „%1“ liegt, ist voll.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; is damaged: %2</source>
        <translation>Die Datenbankdatei „%1“ ist beschädigt: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; could not be used: %2</source>
        <translation>Die Datenbankdatei „%1“ konnte nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The file &quot;%1&quot; already exists.</source>
        <translation>Die Datei „%1“ existiert bereits.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the file already exists</source>
        <translation>die Datei existiert bereits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file could not be named</source>
        <translation>die Datei konnte nicht benannt werden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The database &quot;%1&quot; could not be created: %2</source>
        <translation>Die Datenbank „%1“ konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <location filename="../src/io/database/file_store.cpp" line="+159"/>
        <source>&quot;%1&quot; is a folder, so no database can be created there.</source>
        <translation>„%1“ ist ein Ordner; dort kann keine Datenbank erstellt werden.</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be), so its tests are not copied.</source>
        <translation>Die Datenbankdatei „%1“ ist beschädigt (sie ist kürzer, als sie sein sollte); daher werden ihre Tests nicht kopiert.</translation>
    </message>
    <message>
        <location filename="../src/io/database/saving.h" line="+17"/>
        <source>Database not selected !</source>
        <translation>Keine Datenbank gewählt!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Id data missing!</source>
        <translation>Stammdaten fehlen!</translation>
    </message>
    <message>
        <location filename="../src/io/database/search.cpp" line="+202"/>
        <source>%1 of the %2 selected tests were no longer in the database &quot;%3&quot;.</source>
        <translation>%1 der %2 gewählten Tests waren nicht mehr in der Datenbank „%3“.</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_address.cpp" line="+25"/>
        <source>The database address &quot;%1&quot; contains a password. A password never stands in the address nor in the settings: put it in the password file ~/.pgpass (or the file that PGPASSFILE names), or in a service that PGSERVICE names.</source>
        <translation>Die Datenbankadresse „%1“ enthält ein Passwort. Ein Passwort steht nie in der Adresse und nie in den Einstellungen: Tragen Sie es in die Passwortdatei ~/.pgpass (oder in die Datei, die PGPASSFILE nennt) oder in einen Dienst ein, den PGSERVICE nennt.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&quot;%1&quot; is not an option of the form name=value.</source>
        <translation>„%1“ ist keine Option der Form name=value.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; is not a port number.</source>
        <translation>„%1“ ist keine Portnummer.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>&quot;%1&quot; is not a database server address.</source>
        <translation>„%1“ ist keine Adresse eines Datenbankservers.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The database address &quot;%1&quot; cannot be used: %2</source>
        <translation>Die Datenbankadresse „%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>only one server may be named.</source>
        <translation>es darf nur ein Server angegeben werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the port is not a number from 1 to 65535.</source>
        <translation>der Port ist keine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it names no database (postgresql://host/dbname).</source>
        <translation>sie nennt keine Datenbank (postgresql://host/dbname).</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_session.cpp" line="+79"/>
        <source>The server %1 has no database &quot;%2&quot;.</source>
        <translation>Der Server %1 hat keine Datenbank „%2“.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The server %1 refused the login.</source>
        <translation>Der Server %1 hat die Anmeldung abgelehnt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server %1 cannot be reached.</source>
        <translation>Der Server %1 ist nicht erreichbar.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The database &quot;%1&quot; is on a PostgreSQL server, and the PostgreSQL driver of Qt is not installed (Debian package libqt6sql6-psql).</source>
        <translation>Die Datenbank „%1“ liegt auf einem PostgreSQL-Server, und der PostgreSQL-Treiber von Qt ist nicht installiert (Debian-Paket libqt6sql6-psql).</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The server %1 ended the connection %2.</source>
        <translation>Der Server %1 hat die Verbindung beendet, %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server %1 reported a failure %2.</source>
        <translation>Der Server %1 hat einen Fehler gemeldet, %2.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The server %1 could not say which columns mytable has.</source>
        <translation>Der Server %1 konnte nicht angeben, welche Spalten mytable hat.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The database &quot;%1&quot; holds no table mytable; create it with Database &gt; Create.</source>
        <translation>Die Datenbank „%1“ enthält keine Tabelle mytable; erstellen Sie sie mit Datenbank &gt; Erstellen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The table mytable in &quot;%1&quot; lacks the column %2, so it is not a table of this program.</source>
        <translation>Der Tabelle mytable in „%1“ fehlt die Spalte %2; sie ist daher keine Tabelle dieses Programms.</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_session.h" line="+51"/>
        <source>while the database was being read</source>
        <translation>während die Datenbank gelesen wurde</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_store.cpp" line="+20"/>
        <source>while the values of the search criterion were being read</source>
        <translation>während die Werte des Suchkriteriums gelesen wurden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>while the tests were being searched</source>
        <translation>während die Tests gesucht wurden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>while the test was being loaded</source>
        <translation>während der Test geladen wurde</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>while the test was being saved</source>
        <translation>während der Test gespeichert wurde</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>while the table mytable was being given the column %1 for saving</source>
        <translation>während die Tabelle mytable zum Speichern die Spalte %1 erhielt</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The server %1 could not create the table mytable.</source>
        <translation>Der Server %1 konnte die Tabelle mytable nicht anlegen.</translation>
    </message>
    <message>
        <location line="+129"/>
        <source>while the tests were being stored</source>
        <translation>während die Tests gespeichert wurden</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>while the tests were being read</source>
        <translation>während die Tests gelesen wurden</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>while the tests were being counted</source>
        <translation>während die Tests gezählt wurden</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>while the tests were being erased</source>
        <translation>während die Tests gelöscht wurden</translation>
    </message>
    <message>
        <location filename="../src/io/database/sql_rows.cpp" line="+83"/>
        <source>There is no search criterion &quot;%1&quot;.</source>
        <translation>Es gibt kein Suchkriterium „%1“.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The test is no longer in the database &quot;%1&quot;.</source>
        <translation>Der Test ist nicht mehr in der Datenbank „%1“.</translation>
    </message>
    <message>
        <location filename="../src/io/database/file_history.cpp" line="+163"/>
        <source>The database file &quot;%1&quot; is read-only, so its tests cannot be given their indices.</source>
        <translation>Die Datenbankdatei „%1“ ist schreibgeschützt; daher können ihre Tests nicht mit ihren Indizes versehen werden.</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_history.cpp" line="+22"/>
        <source>while the history of the horse was being read</source>
        <translation>während der Verlauf des Pferdes gelesen wurde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>while the reference band was being computed</source>
        <translation>während der Referenzbereich berechnet wurde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>while the indices of the tests were being stored</source>
        <translation>während die Indizes der Tests gespeichert wurden</translation>
    </message>
</context>
<context>
    <name>Discipline</name>
    <message>
        <location filename="../src/domain/exercise/speed_unit.cpp" line="+37"/>
        <source>Endur</source>
        <extracomment>The discipline of a test typed in km/hour: endurance riding.</extracomment>
        <translation>Distanz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trav</source>
        <extracomment>The discipline of a test typed in min/km: trotting.</extracomment>
        <translation>Trab</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rid</source>
        <extracomment>The discipline of a test typed in metres per minute: riding.</extracomment>
        <translation>Reiten</translation>
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
        <translation>Erholung</translation>
    </message>
</context>
<context>
    <name>Extrapolation</name>
    <message>
        <location filename="../src/domain/analysis/extrapolation.cpp" line="+79"/>
        <source>extrapolated: %1 mmol/l lies below the lowest measured lactate (%2 mmol/l)</source>
        <translation>extrapoliert: %1 mmol/l liegt unter dem niedrigsten gemessenen Laktatwert (%2 mmol/l)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>extrapolated: %1 mmol/l lies above the highest measured lactate (%2 mmol/l)</source>
        <translation>extrapoliert: %1 mmol/l liegt über dem höchsten gemessenen Laktatwert (%2 mmol/l)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>extrapolated: %1 b/min lies below the lowest measured heart rate (%2 b/min)</source>
        <translation>extrapoliert: %1 b/min liegt unter der niedrigsten gemessenen Herzfrequenz (%2 b/min)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>extrapolated: %1 b/min lies above the highest measured heart rate (%2 b/min)</source>
        <translation>extrapoliert: %1 b/min liegt über der höchsten gemessenen Herzfrequenz (%2 b/min)</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/extrapolation.h" line="+41"/>
        <source>* extrapolated: read off the fitted line beyond the measured steps</source>
        <translation>* extrapoliert: jenseits der gemessenen Stufen an der angepassten Linie abgelesen</translation>
    </message>
</context>
<context>
    <name>FitQuality</name>
    <message>
        <location filename="../src/domain/analysis/fit_quality.cpp" line="+74"/>
        <source>No fit quality: fewer than 3 steps</source>
        <translation>Keine Anpassungsgüte: weniger als 3 Stufen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate fit R² %1</source>
        <translation>Laktatanpassung R² %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>heart-rate line R² %1</source>
        <translation>Herzfrequenzgerade R² %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 steps</source>
        <translation>%1 Stufen</translation>
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
        <translation>Zeit (Minuten)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed (meter/minute)</source>
        <translation>Tempo (Meter/Minute)</translation>
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
        <translation>Tempo
km/h*10</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cadence
rpm</source>
        <translation>Kadenz
rpm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altitude
ft</source>
        <translation>Höhe
ft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Altitude
m</source>
        <translation>Höhe
m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power
W</source>
        <translation>Leistung
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
        <translation>In der Datei wurden mehr als sechs Stufen gefunden; ein Test braucht drei bis sechs Stufen. Übernommen wurden nur das Datum, die maximale Herzfrequenz und der Ruhepuls.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 step was found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</source>
        <translation>In der Datei wurde 1 Stufe gefunden; ein Test braucht drei bis sechs Stufen. Übernommen wurden nur das Datum, die maximale Herzfrequenz und der Ruhepuls.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 steps were found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</source>
        <translation>In der Datei wurden %1 Stufen gefunden; ein Test braucht drei bis sechs Stufen. Übernommen wurden nur das Datum, die maximale Herzfrequenz und der Ruhepuls.</translation>
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
        <translation>Disziplin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steps</source>
        <translation>Stufen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fit quality (R² lactate / Hr)</source>
        <translation>Anpassungsgüte (R² Laktat / HF)</translation>
    </message>
</context>
<context>
    <name>Indices</name>
    <message>
        <location filename="../src/domain/analysis/index_intervals.cpp" line="+54"/>
        <location line="+39"/>
        <source>fewer than three steps</source>
        <translation>weniger als drei Stufen</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>a value is not a number</source>
        <translation>ein Wert ist keine Zahl</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>all speeds are equal</source>
        <translation>alle Geschwindigkeiten sind gleich</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a value is out of range</source>
        <translation>ein Wert liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>too many steps</source>
        <translation>zu viele Stufen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line is flat</source>
        <translation>die Linie ist flach</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the line gives no finite speed</source>
        <translation>die Linie ergibt keine endliche Geschwindigkeit</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the interval is unbounded: the slope is not clearly different from zero</source>
        <translation>das Intervall ist unbegrenzt: Die Steigung unterscheidet sich nicht deutlich von null</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the interval is out of range</source>
        <translation>das Intervall liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the heart rate is out of range</source>
        <translation>die Herzfrequenz liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>a heart-rate-only test has no lactate indices</source>
        <translation>ein reiner Herzfrequenztest hat keine Laktatindizes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a lactate is not above 0</source>
        <translation>ein Laktatwert ist nicht größer als 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a heart rate is not a number</source>
        <translation>eine Herzfrequenz ist keine Zahl</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the lactate level is not above 0</source>
        <translation>das Laktatniveau ist nicht größer als 0</translation>
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
        <translation>%1 Stufen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>95 % CI not available: %1</source>
        <translation>95 % KI nicht verfügbar: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>95 % CI unbounded: the slope is not clearly different from zero</source>
        <translation>95 % KI unbegrenzt: Die Steigung unterscheidet sich nicht deutlich von null</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>95 % CI unbounded</source>
        <translation>95 % KI unbegrenzt</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>95 % CI not available: it lies below zero speed</source>
        <translation>95 % KI nicht verfügbar: Es liegt unter Geschwindigkeit null</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>95 % CI %1 or slower</source>
        <translation>95 % KI %1 oder langsamer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>95 % CI up to %1</source>
        <translation>95 % KI bis %1</translation>
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
        <translation>%1 nicht verfügbar: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no positive speed</source>
        <translation>keine positive Geschwindigkeit</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/index_intervals.h" line="+117"/>
        <source>within the uncertainty of the two tests</source>
        <translation>innerhalb der Unsicherheit der beiden Tests</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/index_run.cpp" line="+61"/>
        <source>No indices: the test has fewer than three steps</source>
        <translation>Keine Indizes: Der Test hat weniger als drei Stufen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No indices: step %1 is empty</source>
        <translation>Keine Indizes: Stufe %1 ist leer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Heart-rate-only test: no lactate values</source>
        <translation>Reiner Herzfrequenztest: keine Laktatwerte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heart-rate-only test: no VLa2, VLa4, Hr2 or Hr4</source>
        <translation>Reiner Herzfrequenztest: kein VLa2, VLa4, Hr2 oder Hr4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No lactate values: the lactate curve was not fitted</source>
        <translation>Keine Laktatwerte: Die Laktatkurve wurde nicht angepasst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No VLa2, VLa4, Hr2 or Hr4: the lactate curve was not fitted</source>
        <translation>Kein VLa2, VLa4, Hr2 oder Hr4: Die Laktatkurve wurde nicht angepasst</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No heart-rate values: the heart-rate line was not fitted</source>
        <translation>Keine Herzfrequenzwerte: Die Herzfrequenzgerade wurde nicht angepasst</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No V200, Hr2 or Hr4: the heart-rate line was not fitted</source>
        <translation>Kein V200, Hr2 oder Hr4: Die Herzfrequenzgerade wurde nicht angepasst</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No V200: the heart rate does not rise with speed</source>
        <translation>Kein V200: Die Herzfrequenz steigt nicht mit der Geschwindigkeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No V200: the heart-rate line gives no positive speed for 200 b/min</source>
        <translation>Kein V200: Die Herzfrequenzgerade ergibt keine positive Geschwindigkeit für 200 b/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No VLa2 or VLa4: the lactate does not change with speed</source>
        <translation>Kein VLa2 oder VLa4: Das Laktat ändert sich nicht mit der Geschwindigkeit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No VLa4: the lactate curve gives no positive speed for 4 mmol/l</source>
        <translation>Kein VLa4: Die Laktatkurve ergibt keine positive Geschwindigkeit für 4 mmol/l</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No VLa2: the lactate curve gives no positive speed for 2 mmol/l</source>
        <translation>Kein VLa2: Die Laktatkurve ergibt keine positive Geschwindigkeit für 2 mmol/l</translation>
    </message>
</context>
<context>
    <name>Laktat</name>
    <message>
        <location filename="../src/ui/main_window/laktat.cpp" line="+52"/>
        <source>def4.txt missing !</source>
        <translation>def4.txt fehlt!</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/laktat_layout.cpp" line="+68"/>
        <source>Test entry and graph</source>
        <translation>Testeingabe und Grafik</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save work</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear screen</source>
        <translation>Anzeige leeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Select speed !</source>
        <translation>Tempoeinheit wählen!</translation>
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
        <translation>Plausibel: bis %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plausible: %1%2 to %3</source>
        <translation>Plausibel: %1%2 bis %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>above </source>
        <translation>über </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>, step %1</source>
        <translation>, Stufe %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate</source>
        <translation>Laktat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heart rate</source>
        <translation>Herzfrequenz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Max Hr</source>
        <translation>Max. HF</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Implausible values (the fields&apos; tool tips give the ranges): %1.</source>
        <translation>Unplausible Werte (die Kurzinfos der Felder nennen die Bereiche): %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>These values lie outside what a horse can show: %1.

Save the test as it is?</source>
        <translation>Diese Werte liegen außerhalb dessen, was ein Pferd zeigen kann: %1.

Den Test so speichern, wie er ist?</translation>
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
        <translation>Jahre</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/ui/report/clinic_details_page.cpp" line="+135"/>
        <source>Clinic details</source>
        <translation>Klinikangaben</translation>
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
        <translation>Zeit(Minuten)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed(meter/minute)</source>
        <translation>Tempo(Meter/Minute)</translation>
    </message>
    <message>
        <location filename="../src/domain/report/report_page.cpp" line="-59"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Rasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Stall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Input data</source>
        <translation>Eingabedaten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate</source>
        <translation>Laktat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hr</source>
        <translation>HF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time(min)</source>
        <translation>Zeit(min)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Optional threshold</source>
        <translation>Optionale Schwelle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>meter/min</source>
        <translation>Meter/min</translation>
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
        <translation>Feste Schwellen</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Very light</source>
        <translation>Sehr leicht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moderate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Max hr</source>
        <translation>Max. HF</translation>
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
        <translation>  Tempo (s/200m)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>      Time     (min)</source>
        <translation>      Zeit     (min)</translation>
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
        <translation>s/200m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time (min)</source>
        <translation>Zeit (min)</translation>
    </message>
    <message>
        <location filename="../src/io/database/loading.cpp" line="+2"/>
        <source>Speed (mt/min)</source>
        <translation>Tempo (m/min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed (sek/200m)</source>
        <translation>Tempo (s/200m)</translation>
    </message>
</context>
<context>
    <name>ThresholdMethods</name>
    <message>
        <location filename="../src/domain/analysis/threshold_methods.cpp" line="+23"/>
        <source>the result is out of range</source>
        <translation>das Ergebnis liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>fewer than two usable steps</source>
        <translation>weniger als zwei verwendbare Stufen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the measured lactate never rises through %1 mmol/l</source>
        <translation>das gemessene Laktat steigt nie über %1 mmol/l an</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+80"/>
        <source>needs four steps</source>
        <translation>benötigt vier Stufen</translation>
    </message>
    <message>
        <location line="-72"/>
        <source>all speeds are equal</source>
        <translation>alle Geschwindigkeiten sind gleich</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the polynomial cannot be fitted to these speeds</source>
        <translation>das Polynom lässt sich diesen Geschwindigkeiten nicht anpassen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the first and last speeds are equal</source>
        <translation>die erste und die letzte Geschwindigkeit sind gleich</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>the curve has no point farthest from the line between the first and last steps</source>
        <translation>die Kurve hat keinen Punkt, der am weitesten von der Linie zwischen der ersten und der letzten Stufe entfernt ist</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a speed or lactate is not above 0</source>
        <translation>eine Geschwindigkeit oder ein Laktatwert ist nicht größer als 0</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>no two runs of steps have different speeds</source>
        <translation>keine zwei Stufenfolgen haben unterschiedliche Geschwindigkeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the two lines are parallel</source>
        <translation>die beiden Linien sind parallel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the two lines cross outside the measured speeds</source>
        <translation>die beiden Linien schneiden sich außerhalb der gemessenen Geschwindigkeiten</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>not available: %1</source>
        <translation>nicht verfügbar: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no positive speed</source>
        <translation>keine positive Geschwindigkeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2 at %3 mmol/l</source>
        <translation>%1 %2 bei %3 mmol/l</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <location line="+5"/>
        <source>Exponential fit: %1</source>
        <translation>Exponentielle Anpassung: %1</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+6"/>
        <source>Heart-rate line: %1</source>
        <translation>Herzfrequenzgerade: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linear interpolation, 2 mmol/l: %1</source>
        <translation>Lineare Interpolation, 2 mmol/l: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linear interpolation, 4 mmol/l: %1</source>
        <translation>Lineare Interpolation, 4 mmol/l: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dmax: %1</source>
        <translation>Dmax: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log-log breakpoint: %1</source>
        <translation>Log-log-Knickpunkt: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The methods&apos; 4 mmol/l speeds differ by more than 5 %</source>
        <translation>Die 4-mmol/l-Geschwindigkeiten der Methoden weichen um mehr als 5 % voneinander ab</translation>
    </message>
</context>
<context>
    <name>kavren</name>
    <message>
        <location filename="../src/domain/analysis/fit_problem.cpp" line="+13"/>
        <source> — no lactate values</source>
        <translation> — keine Laktatwerte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> — no VLa2, VLa4, Hr2 or Hr4</source>
        <translation> — kein VLa2, VLa4, Hr2 oder Hr4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> — no heart-rate values</source>
        <translation> — keine Herzfrequenzwerte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> — no V200, Hr2 or Hr4</source>
        <translation> — kein V200, Hr2 oder Hr4</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The lactate curve was not fitted: </source>
        <translation>Die Laktatkurve wurde nicht angepasst: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every lactate must be a number</source>
        <translation>jeder Laktatwert muss eine Zahl sein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>every lactate must be above 0</source>
        <translation>jeder Laktatwert muss größer als 0 sein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The heart-rate line was not fitted: every heart rate must be a number</source>
        <translation>Die Herzfrequenzgerade wurde nicht angepasst: Jede Herzfrequenz muss eine Zahl sein</translation>
    </message>
    <message>
        <location filename="../src/io/database/saving.cpp" line="+91"/>
        <source>Step %1 comes after the empty step %2. Fill step %2 or empty step %1 before saving.</source>
        <translation>Stufe %1 folgt auf die leere Stufe %2. Füllen Sie Stufe %2 aus oder leeren Sie Stufe %1 vor dem Speichern.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Step %1 is the last step typed: a test needs at least three steps. Type the missing steps before saving.</source>
        <translation>Stufe %1 ist die letzte eingegebene Stufe: Ein Test braucht mindestens drei Stufen. Geben Sie die fehlenden Stufen vor dem Speichern ein.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Step %1: &quot;%2&quot; is not a number. Correct it before saving.</source>
        <translation>Stufe %1: „%2“ ist keine Zahl. Korrigieren Sie den Wert vor dem Speichern.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Step %1 has no lactate. Type it before saving.</source>
        <translation>Stufe %1 hat keinen Laktatwert. Geben Sie ihn vor dem Speichern ein.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no heart rate and no speed</source>
        <translation>keine Herzfrequenz und keine Geschwindigkeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no heart rate</source>
        <translation>keine Herzfrequenz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no speed</source>
        <translation>keine Geschwindigkeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step %1 has %2. Save anyway?</source>
        <translation>Stufe %1 hat %2. Trotzdem speichern?</translation>
    </message>
    <message>
        <location filename="../src/ui/common/message_dialog.cpp" line="+98"/>
        <source>Save work</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kavren::BackgroundPanel</name>
    <message>
        <location filename="../src/ui/graph/background_panel.cpp" line="+21"/>
        <source>Drag drop</source>
        <translation>Ziehen und ablegen</translation>
    </message>
</context>
<context>
    <name>kavren::CalculationController</name>
    <message>
        <location filename="../src/ui/entry/calculation_controller.cpp" line="+24"/>
        <source>Select Speed !</source>
        <translation>Tempoeinheit wählen!</translation>
    </message>
</context>
<context>
    <name>kavren::ClinicDetailsPage</name>
    <message>
        <location filename="../src/ui/report/clinic_details_page.cpp" line="-82"/>
        <source>Choose logo...</source>
        <translation>Logo wählen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove logo</source>
        <translation>Logo entfernen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clinic name</source>
        <translation>Name der Klinik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Choose logo</source>
        <translation>Logo wählen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No logo</source>
        <translation>Kein Logo</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+28"/>
        <source>Clinic details</source>
        <translation>Klinikangaben</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 ist kein lesbares Bild.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The logo could not be kept in %1.</source>
        <translation>Das Logo konnte nicht in %1 abgelegt werden.</translation>
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
        <translation>Datenbank erstellen (Ordner/Name oder Serveradresse)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>kavren::CsvExportDialog</name>
    <message>
        <location filename="../src/ui/comparison/csv_export_dialog.cpp" line="+20"/>
        <location line="+48"/>
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Exporting the comparison table...</source>
        <translation>Vergleichstabelle wird exportiert...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exporting %1 tests...</source>
        <translation>%1 Tests werden exportiert...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Exported the comparison table to %1</source>
        <translation>Vergleichstabelle nach %1 exportiert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exported %1 %2 to %3</source>
        <translation>%1 %2 nach %3 exportiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export cancelled: nothing was written to %1</source>
        <translation>Export abgebrochen: Nach %1 wurde nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>kavren::DatabaseController</name>
    <message>
        <location filename="../src/ui/database/database_controller.cpp" line="+102"/>
        <source>The test on screen has not been saved. Save it before closing?</source>
        <translation>Der Test auf dem Bildschirm wurde nicht gespeichert. Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Database: </source>
        <translation>Datenbank: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Select database (DblClick)</source>
        <translation>Datenbank wählen (Doppelklick)</translation>
    </message>
    <message>
        <location line="+74"/>
        <location line="+183"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="-183"/>
        <location line="+183"/>
        <source>Do you want to erase ?</source>
        <translation>Wirklich löschen?</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>It is not known whether the test was saved. It stays on screen, and &quot;Save work&quot; stores it only once. %1</source>
        <translation>Es ist nicht bekannt, ob der Test gespeichert wurde. Er bleibt auf dem Bildschirm, und „Speichern“ speichert ihn nur einmal. %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The test was not saved: %1</source>
        <translation>Der Test wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Test saved in %1 (%2, %3)</source>
        <translation>Test gespeichert in %1 (%2, %3)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Waiting for the database server of %1…</source>
        <translation>Warte auf den Datenbankserver von %1…</translation>
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
        <translation>Rasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable/Track</source>
        <translation>Stall/Bahn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max Hr</source>
        <translation>Max. HF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vilopuls</source>
        <extracomment>The horse&apos;s resting heart rate.</extracomment>
        <translation>Ruhepuls</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+4"/>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> Lactate (mmol/l)</source>
        <translation> Laktat (mmol/l)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>     Hr (b/min)</source>
        <translation>     HF (b/min)</translation>
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
        <translation>Herzfrequenz (Reservefeld)</translation>
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
        <translation>s/200m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery</source>
        <translation>Erholung</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Implausible value. %1</source>
        <translation>Unplausibler Wert. %1</translation>
    </message>
</context>
<context>
    <name>kavren::FileListPanel</name>
    <message>
        <location filename="../src/ui/common/file_list_panel.cpp" line="+100"/>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>kavren::HelpController</name>
    <message>
        <location filename="../src/ui/help/help_controller.cpp" line="+33"/>
        <source>The user manual is not installed; it should be %1.</source>
        <translation>Das Benutzerhandbuch ist nicht installiert; es sollte unter %1 liegen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No browser could show the user manual %1.</source>
        <translation>Kein Browser konnte das Benutzerhandbuch %1 anzeigen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kavren Equine %1
Lactate and heart-rate analysis of exercise tests on horses.

Built with Qt %2, running with Qt %3.
Licence: proprietary, all rights reserved by Kavren Equine.

Data folder: %4</source>
        <translation>Kavren Equine %1
Laktat- und Herzfrequenzanalyse von Belastungstests bei Pferden.

Erstellt mit Qt %2, läuft mit Qt %3.
Lizenz: proprietär, alle Rechte vorbehalten durch Kavren Equine.

Datenordner: %4</translation>
    </message>
</context>
<context>
    <name>kavren::HistoryChartView</name>
    <message>
        <location filename="../src/ui/history/history_chart_view.cpp" line="+17"/>
        <source>Chart of the index over time</source>
        <translation>Diagramm des Index im zeitlichen Verlauf</translation>
    </message>
</context>
<context>
    <name>kavren::HistoryWindow</name>
    <message>
        <location filename="../src/ui/history/history_window.cpp" line="+51"/>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Discipline of the chart</source>
        <translation>Disziplin des Diagramms</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Index of the chart</source>
        <translation>Index des Diagramms</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Same breed only</source>
        <translation>Nur gleiche Rasse</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved tests of the horse</source>
        <translation>Gespeicherte Tests des Pferdes</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Discipline:</source>
        <translation>Disziplin:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Index:</source>
        <translation>Index:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Save chart as PNG...</source>
        <translation>Diagramm als PNG speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save chart as PNG</source>
        <translation>Diagramm als PNG speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save chart as PDF...</source>
        <translation>Diagramm als PDF speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save chart as PDF</source>
        <translation>Diagramm als PDF speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save table as CSV...</source>
        <translation>Tabelle als CSV speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save table as CSV</source>
        <translation>Tabelle als CSV speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Computing the clinic&apos;s reference band…</source>
        <translation>Der Referenzbereich der Klinik wird berechnet…</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Type or load a test of a horse first: its history is shown here.</source>
        <translation>Geben Sie zuerst einen Test eines Pferdes ein oder laden Sie einen: Hier wird dann der Verlauf des Pferdes angezeigt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reading the tests of %1…</source>
        <translation>Die Tests von %1 werden gelesen…</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No saved test of %1 in this database.</source>
        <translation>Kein gespeicherter Test von %1 in dieser Datenbank.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2 saved tests, oldest first.</source>
        <translation>%1: %2 gespeicherte Tests, älteste zuerst.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>All horses named %1</source>
        <translation>Alle Pferde namens %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>The clinic&apos;s reference band could not be computed: %1</source>
        <translation>Der Referenzbereich der Klinik konnte nicht berechnet werden: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 tests of this discipline and breed</source>
        <translation>%1 Tests dieser Disziplin und Rasse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 tests of this discipline</source>
        <translation>%1 Tests dieser Disziplin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The band shows the 10th to 90th percentile and the median of the clinic&apos;s %1 in this database.</source>
        <translation>Der Bereich zeigt das 10. bis 90. Perzentil und den Median der Klinik, berechnet aus %1 in dieser Datenbank.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No reference band: the database holds %1 with a value of %2, fewer than %3.</source>
        <translation>Kein Referenzbereich: Die Datenbank enthält %1 mit einem Wert für %2, weniger als %3.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>History of %1</source>
        <translation>Verlauf von %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>kavren::LactateLevelsPage</name>
    <message>
        <location filename="../src/ui/common/lactate_levels_page.cpp" line="+16"/>
        <source>Extra lactate levels (mmol/l) for the speed and heart rate, e.g. 1.5 3:</source>
        <translation>Zusätzliche Laktatniveaus (mmol/l) für Tempo und Herzfrequenz, z. B. 1.5 3:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Left out (a level is above 0 and at most %1 mmol/l, at most %2 levels): %3</source>
        <translation>Weggelassen (ein Niveau liegt über 0 und höchstens bei %1 mmol/l, höchstens %2 Niveaus): %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The levels could not be kept: the preferences file cannot be written.</source>
        <translation>Die Niveaus konnten nicht gespeichert werden: Die Einstellungsdatei kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>kavren::LanguagePage</name>
    <message>
        <location filename="../src/ui/common/language_page.cpp" line="+15"/>
        <source>Language of the window:</source>
        <translation>Sprache des Fensters:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The language changes when Kavren starts next.</source>
        <translation>Die Sprache ändert sich beim nächsten Start von Kavren.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The language could not be kept: the preferences file cannot be written.</source>
        <translation>Die Sprache konnte nicht gespeichert werden: Die Einstellungsdatei kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>kavren::LinkPanel</name>
    <message>
        <location filename="../src/ui/remote_link/link_panel.cpp" line="+17"/>
        <source>Local Ip              Remote Ip                      </source>
        <translation>Lokale IP             Entfernte IP                   </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>kavren::LinkReceiver</name>
    <message>
        <location filename="../src/io/link_receiver.cpp" line="+23"/>
        <source>Port %1 could not be opened for the remote link (%2). Close the program that uses it, or check the firewall, and press Connect again.</source>
        <translation>Port %1 konnte für die Fernverbindung nicht geöffnet werden (%2). Schließen Sie das Programm, das ihn belegt, oder prüfen Sie die Firewall, und klicken Sie erneut auf „Verbinden“.</translation>
    </message>
</context>
<context>
    <name>kavren::MainMenu</name>
    <message>
        <location filename="../src/ui/main_window/main_menu.cpp" line="+49"/>
        <source>&amp;Printer</source>
        <translation>&amp;Drucker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only Hr</source>
        <translation>Nur HF</translation>
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
        <translation>Nein</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Adjust frame to background</source>
        <translation>Rahmen an Hintergrund anpassen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>More...</source>
        <translation>Weitere...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List</source>
        <translation>Auflisten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export comparison table to CSV...</source>
        <translation>Vergleichstabelle als CSV exportieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>History...</source>
        <translation>Verlauf...</translation>
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
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threshold methods</source>
        <translation>Schwellenmethoden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clinic report...</source>
        <translation>Klinikbericht...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clinic details...</source>
        <translation>Klinikangaben...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Help</source>
        <translation> Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Kavren</source>
        <translation>Über Kavren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Lactate levels</source>
        <translation>Laktatniveaus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clinic</source>
        <translation>Klinik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <translation>Sprache</translation>
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
        <translation>Zeitmarken</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sample interval</source>
        <translation>Messintervall</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Extract Polardata</source>
        <translation>Polar-Daten übernehmen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The heart-rate file %1 could not be opened: %2</source>
        <translation>Die Herzfrequenzdatei %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The heart-rate file %1 is too large to be a recording.</source>
        <translation>Die Herzfrequenzdatei %1 ist zu groß für eine Aufzeichnung.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The heart-rate file %1 holds no samples: its [HRData] section is missing.</source>
        <translation>Die Herzfrequenzdatei %1 enthält keine Messwerte: Ihr Abschnitt [HRData] fehlt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The heart-rate file %1 is a beat-to-beat (R-R interval) recording, not samples at a fixed interval, and cannot be imported.</source>
        <translation>Die Herzfrequenzdatei %1 ist eine Schlag-zu-Schlag-Aufzeichnung (R-R-Intervalle), keine Messwerte in festem Intervall, und kann nicht importiert werden.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This file holds no speed: the steps get no speed.</source>
        <translation>Diese Datei enthält keine Geschwindigkeit: Die Stufen erhalten keine Geschwindigkeit.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n line(s) could not be read and were skipped.</source>
        <translation>
            <numerusform>%n Zeile konnte nicht gelesen werden und wurde übersprungen.</numerusform>
            <numerusform>%n Zeilen konnten nicht gelesen werden und wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No Time Events is set !</source>
        <translation>Keine Zeitmarken gesetzt!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>kavren::PreferencesDialog</name>
    <message>
        <location filename="../src/ui/common/preferences_dialog.cpp" line="+11"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>kavren::ReportPanel</name>
    <message>
        <location filename="../src/ui/report/report_panel.cpp" line="+67"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+9"/>
        <source>The report was not printed: no printer is available.</source>
        <translation>Der Bericht wurde nicht gedruckt: Es ist kein Drucker verfügbar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The report was not printed: %1 could not be written to.</source>
        <translation>Der Bericht wurde nicht gedruckt: In %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The report could not be saved as PDF: %1 could not be written.</source>
        <translation>Der Bericht konnte nicht als PDF gespeichert werden: %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clinic report </source>
        <translation>Klinikbericht </translation>
    </message>
</context>
<context>
    <name>kavren::SearchPanel</name>
    <message>
        <location filename="../src/ui/database/search_panel.cpp" line="+32"/>
        <source>Search criteria</source>
        <translation>Suchkriterien</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Rasse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Stall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search value</source>
        <translation>Suchwert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>öppna arbete</source>
        <extracomment>Lists the values of the chosen search criterion (&quot;open work&quot;).</extracomment>
        <translation>Werte auflisten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tests found</source>
        <translation>Gefundene Tests</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freeze curve</source>
        <translation>Kurve fixieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erase work</source>
        <translation>Test löschen</translation>
    </message>
</context>
<context>
    <name>kavren::StylePanel</name>
    <message>
        <location filename="../src/ui/graph/style_panel.cpp" line="+94"/>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Curve             1                         2  -  6</source>
        <translation> Kurve             1                         2  -  6</translation>
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
        <translation>Bildschirm: Laktat, Kurve 1, Farbe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Lactate, curves 2 - 6, colour</source>
        <translation>Bildschirm: Laktat, Kurven 2 - 6, Farbe</translation>
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
        <translation>Bildschirm: Puls, Kurve 1, Farbe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Pulse, curves 2 - 6, colour</source>
        <translation>Bildschirm: Puls, Kurven 2 - 6, Farbe</translation>
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
        <translation>Breite</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Screen: Curve width</source>
        <translation>Bildschirm: Kurvenbreite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Circles</source>
        <translation>Kreise</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+45"/>
        <source>Size</source>
        <translation>Gr.</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Screen: Circles, size</source>
        <translation>Bildschirm: Kreise, Größe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Circles, width</source>
        <translation>Bildschirm: Kreise, Breite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helplines</source>
        <translation>Hilfslinien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Helplines, width</source>
        <translation>Bildschirm: Hilfslinien, Breite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threshold</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+48"/>
        <location line="+7"/>
        <source>Color(0-15)</source>
        <translation>Farbe(0-15)</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Screen: Threshold, color (0-15)</source>
        <translation>Bildschirm: Schwelle, Farbe (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Background, color (0-15)</source>
        <translation>Bildschirm: Hintergrund, Farbe (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tempo axis</source>
        <translation>Tempoachse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Tempo axis, color (0-15)</source>
        <translation>Bildschirm: Tempoachse, Farbe (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+55"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Curve       1              2 - 6</source>
        <translation>Kurve       1              2 - 6</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Curves</source>
        <translation>Kurven</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Printer: Lactate curve, width</source>
        <translation>Drucker: Laktatkurve, Breite</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Printer: Lactate curve 1, color</source>
        <translation>Drucker: Laktatkurve 1, Farbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Lactate curves 2 - 6, color</source>
        <translation>Drucker: Laktatkurven 2 - 6, Farbe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Printer: Pulse curve, width</source>
        <translation>Drucker: Pulskurve, Breite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Pulse curve 1, color</source>
        <translation>Drucker: Pulskurve 1, Farbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Pulse curves 2 - 6, color</source>
        <translation>Drucker: Pulskurven 2 - 6, Farbe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marks</source>
        <translation>Mark.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, size</source>
        <translation>Drucker: Marker, Größe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, width</source>
        <translation>Drucker: Marker, Breite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type(0-8)</source>
        <translation>Typ(0-8)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, type (0-8)</source>
        <translation>Drucker: Marker, Typ (0-8)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color(lactate)</source>
        <translation>Farbe(Laktat)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, color (lactate)</source>
        <translation>Drucker: Marker, Farbe (Laktat)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Fill color</source>
        <translation>Füllfarbe</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Printer: Marks, fill color (lactate)</source>
        <translation>Drucker: Marker, Füllfarbe (Laktat)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color(Hr)</source>
        <translation>Farbe(HF)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, color (Hr)</source>
        <translation>Drucker: Marker, Farbe (HF)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, fill color (Hr)</source>
        <translation>Drucker: Marker, Füllfarbe (HF)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate lines</source>
        <translation>Laktatlinien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Lactate lines, width</source>
        <translation>Drucker: Laktatlinien, Breite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Lactate lines, color (0-15)</source>
        <translation>Drucker: Laktatlinien, Farbe (0-15)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help lines</source>
        <translation>Hilfslinien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Help lines, width</source>
        <translation>Drucker: Hilfslinien, Breite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Help lines, color (0-15)</source>
        <translation>Drucker: Hilfslinien, Farbe (0-15)</translation>
    </message>
</context>
<context>
    <name>kavren::ThresholdMethodsWindow</name>
    <message>
        <location filename="../src/ui/threshold_methods/threshold_methods_window.cpp" line="+16"/>
        <source>Threshold methods</source>
        <translation>Schwellenmethoden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calculate a test to compare the methods.</source>
        <translation>Berechnen Sie einen Test, um die Methoden zu vergleichen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mark the thresholds on the graph</source>
        <translation>Schwellen in der Grafik markieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The marks are drawn now and after every calculation while ticked; the next calculation draws the graph without them when unticked.</source>
        <translation>Die Markierungen werden jetzt und nach jeder Berechnung gezeichnet, solange das Häkchen gesetzt ist; ohne Häkchen zeichnet die nächste Berechnung die Grafik ohne sie.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>A recovery test has no lactate threshold.</source>
        <translation>Ein Erholungstest hat keine Laktatschwelle.</translation>
    </message>
</context>
<context>
    <name>kavren::ThresholdPanel</name>
    <message>
        <location filename="../src/ui/threshold/threshold_panel.cpp" line="+38"/>
        <source>Calculate threshold</source>
        <translation>Schwelle berechnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold speed (meter/sec)</source>
        <translation>Schwellentempo (Meter/s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>meter/sec</source>
        <translation>Meter/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hr</source>
        <translation>HF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold Hr</source>
        <translation>Schwellen-HF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate</source>
        <translation>Laktat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold lactate</source>
        <translation>Schwellenlaktat</translation>
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
        <translation>Meter/min</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sec/200m</source>
        <translation>s/200m</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Threshold Hr slider</source>
        <translation>Schieberegler Schwellen-HF</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Threshold lactate slider</source>
        <translation>Schieberegler Schwellenlaktat</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Very light         Light        Moderate       Hard          Max </source>
        <extracomment>The five training zones, each name over its field below; keep the spacing.</extracomment>
        <translation>Sehr leicht       Leicht       Mittel             Schwer       Max </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Recovery</source>
        <translation>Erholung</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery, % of the zones</source>
        <translation>Erholung, % der Zonen</translation>
    </message>
</context>
</TS>
