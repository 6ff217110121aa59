<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ClinicReport</name>
    <message>
        <location filename="../src/domain/report/clinic_report.cpp" line="+111"/>
        <source>Test date: </source>
        <translation>Date du test : </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Race</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Écurie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Entraîneur</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Test indices</source>
        <translation>Indices du test</translation>
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
        <translation>Données</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Time (min)</source>
        <translation>Temps (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed (%1)</source>
        <translation>Vitesse (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step</source>
        <translation>Palier</translation>
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
        <translation>Fréquence cardiaque (b/min)</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Training zones (b/min)</source>
        <translation>Zones d&apos;entraînement (b/min)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Very light</source>
        <translation>Très légère</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>Légère</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moderate</source>
        <translation>Modérée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hard</source>
        <translation>Forte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Max heart rate</source>
        <translation>Fréquence cardiaque maximale</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Threshold</source>
        <translation>Seuil</translation>
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
        <translation>Page 1 sur 1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Comments</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <location filename="../src/domain/report/clinic_report.h" line="+44"/>
        <source>Exercise test report</source>
        <translation>Rapport de test d&apos;effort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate curve: least-squares fit of ln(lactate) against speed; heart rate: least-squares straight line.</source>
        <translation>Courbe du lactate : ajustement par les moindres carrés de ln(lactate) en fonction de la vitesse ; fréquence cardiaque : droite des moindres carrés.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>grey: within the uncertainty of the two tests</source>
        <translation>gris : dans les limites de l&apos;incertitude des deux tests</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <location filename="../src/io/csv_export.cpp" line="+395"/>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../src/io/database/database_copy.cpp" line="+49"/>
        <source>The source and the target are the same database &quot;%1&quot;, so nothing was copied.</source>
        <translation>La source et la cible sont la même base de données « %1 » ; rien n&apos;a été copié.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The database &quot;%1&quot; already holds %2 tests, so nothing was copied; give --append to add the tests to them.</source>
        <translation>La base de données « %1 » contient déjà %2 tests ; rien n&apos;a été copié. Ajoutez --append pour y ajouter les tests.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Nothing was copied.</source>
        <translation> Rien n&apos;a été copié.</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_file.cpp" line="+55"/>
        <source>The folder &quot;%1&quot; could not be created, so the database &quot;%2&quot; was not created.</source>
        <translation>Le dossier « %1 » n&apos;a pas pu être créé ; la base de données « %2 » n&apos;a donc pas été créée.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The file &quot;%1&quot; could not be erased: %2</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être supprimé : %2</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_file.h" line="+14"/>
        <source>Wrong syntax !</source>
        <translation>Syntaxe incorrecte !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong syntax</source>
        <translation>Syntaxe incorrecte</translation>
    </message>
    <message>
        <location filename="../src/io/database/database_store.cpp" line="+84"/>
        <source>The file &quot;%1&quot; is not a database of this program.</source>
        <translation>Le fichier « %1 » n&apos;est pas une base de données de ce programme.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The database file &quot;%1&quot; is damaged.</source>
        <translation>Le fichier de base de données « %1 » est endommagé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+325"/>
        <source>The database file &quot;%1&quot; is locked by another program.</source>
        <translation>Le fichier de base de données « %1 » est verrouillé par un autre programme.</translation>
    </message>
    <message>
        <location line="-321"/>
        <source>The database file &quot;%1&quot; cannot be read: %2</source>
        <translation>Le fichier de base de données « %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file &quot;%1&quot; holds no table mytable, so it is not a database of this program.</source>
        <translation>Le fichier « %1 » ne contient pas de table mytable ; ce n&apos;est donc pas une base de données de ce programme.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The table mytable in &quot;%1&quot; lacks the column %2, so it is not a database of this program.</source>
        <translation>Il manque la colonne %2 à la table mytable de « %1 » ; ce n&apos;est donc pas une base de données de ce programme.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The table mytable in &quot;%1&quot; does not hold exactly the columns %2 in this order, so it is not a database of this program.</source>
        <translation>La table mytable de « %1 » ne contient pas exactement les colonnes %2 dans cet ordre ; ce n&apos;est donc pas une base de données de ce programme.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The table mytable could not be added to &quot;%1&quot;: %2</source>
        <translation>La table mytable n&apos;a pas pu être ajoutée à « %1 » : %2</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>the file was written by another program meanwhile</source>
        <translation>le fichier a été modifié entre-temps par un autre programme</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The empty file &quot;%1&quot; could not be made a database: %2</source>
        <translation>Le fichier vide « %1 » n&apos;a pas pu être transformé en base de données : %2</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be), so nothing is written to it.</source>
        <translation>Le fichier de base de données « %1 » est endommagé (il est plus court qu&apos;il ne devrait l&apos;être) ; rien n&apos;y est écrit.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be): only the tests that could be read are shown.</source>
        <translation>Le fichier de base de données « %1 » est endommagé (il est plus court qu&apos;il ne devrait l&apos;être) : seuls les tests lisibles sont affichés.</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+27"/>
        <source>The database file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Le fichier de base de données « %1 » ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>No database file is chosen.</source>
        <translation>Aucun fichier de base de données n&apos;est choisi.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier de base de données « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is a folder, not a database file.</source>
        <translation>« %1 » est un dossier, pas un fichier de base de données.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; cannot be read.</source>
        <translation>Le fichier de base de données « %1 » ne peut pas être lu.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The database file &quot;%1&quot; is read-only.</source>
        <translation>Le fichier de base de données « %1 » est en lecture seule.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The disk that holds &quot;%1&quot; is full.</source>
        <translation>Le disque qui contient « %1 » est plein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; is damaged: %2</source>
        <translation>Le fichier de base de données « %1 » est endommagé : %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The database file &quot;%1&quot; could not be used: %2</source>
        <translation>Le fichier de base de données « %1 » n&apos;a pas pu être utilisé : %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The file &quot;%1&quot; already exists.</source>
        <translation>Le fichier « %1 » existe déjà.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the file already exists</source>
        <translation>le fichier existe déjà</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file could not be named</source>
        <translation>le fichier n&apos;a pas pu être nommé</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The database &quot;%1&quot; could not be created: %2</source>
        <translation>La base de données « %1 » n&apos;a pas pu être créée : %2</translation>
    </message>
    <message>
        <location filename="../src/io/database/file_store.cpp" line="+159"/>
        <source>&quot;%1&quot; is a folder, so no database can be created there.</source>
        <translation>« %1 » est un dossier ; aucune base de données ne peut y être créée.</translation>
    </message>
    <message>
        <location line="+194"/>
        <source>The database file &quot;%1&quot; is damaged (it is shorter than it should be), so its tests are not copied.</source>
        <translation>Le fichier de base de données « %1 » est endommagé (il est plus court qu&apos;il ne devrait l&apos;être) ; ses tests ne sont pas copiés.</translation>
    </message>
    <message>
        <location filename="../src/io/database/saving.h" line="+17"/>
        <source>Database not selected !</source>
        <translation>Aucune base de données choisie !</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Id data missing!</source>
        <translation>Données d&apos;identification manquantes !</translation>
    </message>
    <message>
        <location filename="../src/io/database/search.cpp" line="+202"/>
        <source>%1 of the %2 selected tests were no longer in the database &quot;%3&quot;.</source>
        <translation>%1 des %2 tests choisis ne se trouvaient plus dans la base de données « %3 ».</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_address.cpp" line="+25"/>
        <source>The database address &quot;%1&quot; contains a password. A password never stands in the address nor in the settings: put it in the password file ~/.pgpass (or the file that PGPASSFILE names), or in a service that PGSERVICE names.</source>
        <translation>L&apos;adresse de base de données « %1 » contient un mot de passe. Un mot de passe ne figure jamais dans l&apos;adresse ni dans les réglages : placez-le dans le fichier de mots de passe ~/.pgpass (ou dans le fichier que désigne PGPASSFILE), ou dans un service que désigne PGSERVICE.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&quot;%1&quot; is not an option of the form name=value.</source>
        <translation>« %1 » n&apos;est pas une option de la forme nom=valeur.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; is not a port number.</source>
        <translation>« %1 » n&apos;est pas un numéro de port.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>&quot;%1&quot; is not a database server address.</source>
        <translation>« %1 » n&apos;est pas une adresse de serveur de base de données.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The database address &quot;%1&quot; cannot be used: %2</source>
        <translation>L&apos;adresse de base de données « %1 » ne peut pas être utilisée : %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>only one server may be named.</source>
        <translation>un seul serveur peut être indiqué.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the port is not a number from 1 to 65535.</source>
        <translation>le port n&apos;est pas un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>it names no database (postgresql://host/dbname).</source>
        <translation>elle n&apos;indique aucune base de données (postgresql://host/dbname).</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_session.cpp" line="+79"/>
        <source>The server %1 has no database &quot;%2&quot;.</source>
        <translation>Le serveur %1 n&apos;a pas de base de données « %2 ».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The server %1 refused the login.</source>
        <translation>Le serveur %1 a refusé l&apos;authentification.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server %1 cannot be reached.</source>
        <translation>Le serveur %1 est injoignable.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The database &quot;%1&quot; is on a PostgreSQL server, and the PostgreSQL driver of Qt is not installed (Debian package libqt6sql6-psql).</source>
        <translation>La base de données « %1 » se trouve sur un serveur PostgreSQL, et le pilote PostgreSQL de Qt n&apos;est pas installé (paquet Debian libqt6sql6-psql).</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>The server %1 ended the connection %2.</source>
        <translation>Le serveur %1 a mis fin à la connexion %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server %1 reported a failure %2.</source>
        <translation>Le serveur %1 a signalé un échec %2.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The server %1 could not say which columns mytable has.</source>
        <translation>Le serveur %1 n&apos;a pas pu indiquer les colonnes de mytable.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The database &quot;%1&quot; holds no table mytable; create it with Database &gt; Create.</source>
        <translation>La base de données « %1 » ne contient pas de table mytable ; créez-la avec Base de données &gt; Créer.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The table mytable in &quot;%1&quot; lacks the column %2, so it is not a table of this program.</source>
        <translation>Il manque la colonne %2 à la table mytable de « %1 » ; ce n&apos;est donc pas une table de ce programme.</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_session.h" line="+51"/>
        <source>while the database was being read</source>
        <translation>pendant la lecture de la base de données</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_store.cpp" line="+20"/>
        <source>while the values of the search criterion were being read</source>
        <translation>pendant la lecture des valeurs du critère de recherche</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>while the tests were being searched</source>
        <translation>pendant la recherche des tests</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>while the test was being loaded</source>
        <translation>pendant le chargement du test</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>while the test was being saved</source>
        <translation>pendant l&apos;enregistrement du test</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>while the table mytable was being given the column %1 for saving</source>
        <translation>pendant l&apos;ajout de la colonne %1 à la table mytable pour l&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The server %1 could not create the table mytable.</source>
        <translation>Le serveur %1 n&apos;a pas pu créer la table mytable.</translation>
    </message>
    <message>
        <location line="+129"/>
        <source>while the tests were being stored</source>
        <translation>pendant l&apos;écriture des tests</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>while the tests were being read</source>
        <translation>pendant la lecture des tests</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>while the tests were being counted</source>
        <translation>pendant le comptage des tests</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>while the tests were being erased</source>
        <translation>pendant la suppression des tests</translation>
    </message>
    <message>
        <location filename="../src/io/database/sql_rows.cpp" line="+83"/>
        <source>There is no search criterion &quot;%1&quot;.</source>
        <translation>Il n&apos;existe pas de critère de recherche « %1 ».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The test is no longer in the database &quot;%1&quot;.</source>
        <translation>Le test ne se trouve plus dans la base de données « %1 ».</translation>
    </message>
    <message>
        <location filename="../src/io/database/file_history.cpp" line="+163"/>
        <source>The database file &quot;%1&quot; is read-only, so its tests cannot be given their indices.</source>
        <translation>Le fichier de base de données « %1 » est en lecture seule ; ses tests ne peuvent donc pas recevoir leurs indices.</translation>
    </message>
    <message>
        <location filename="../src/io/database/server_history.cpp" line="+22"/>
        <source>while the history of the horse was being read</source>
        <translation>pendant la lecture de l&apos;historique du cheval</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>while the reference band was being computed</source>
        <translation>pendant le calcul de la bande de référence</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>while the indices of the tests were being stored</source>
        <translation>pendant l&apos;écriture des indices des tests</translation>
    </message>
</context>
<context>
    <name>Discipline</name>
    <message>
        <location filename="../src/domain/exercise/speed_unit.cpp" line="+37"/>
        <source>Endur</source>
        <extracomment>The discipline of a test typed in km/hour: endurance riding.</extracomment>
        <translation>Endur.</translation>
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
        <translation>Selle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Galopp</source>
        <extracomment>The discipline of a test typed in seconds per 200 m: galloping.</extracomment>
        <translation>Galop</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery</source>
        <extracomment>A recovery test: heart rate and lactate over the minutes after exercise.</extracomment>
        <translation>Récup.</translation>
    </message>
</context>
<context>
    <name>Extrapolation</name>
    <message>
        <location filename="../src/domain/analysis/extrapolation.cpp" line="+79"/>
        <source>extrapolated: %1 mmol/l lies below the lowest measured lactate (%2 mmol/l)</source>
        <translation>extrapolé : %1 mmol/l est inférieur au lactate mesuré le plus bas (%2 mmol/l)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>extrapolated: %1 mmol/l lies above the highest measured lactate (%2 mmol/l)</source>
        <translation>extrapolé : %1 mmol/l est supérieur au lactate mesuré le plus haut (%2 mmol/l)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>extrapolated: %1 b/min lies below the lowest measured heart rate (%2 b/min)</source>
        <translation>extrapolé : %1 b/min est inférieur à la fréquence cardiaque mesurée la plus basse (%2 b/min)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>extrapolated: %1 b/min lies above the highest measured heart rate (%2 b/min)</source>
        <translation>extrapolé : %1 b/min est supérieur à la fréquence cardiaque mesurée la plus haute (%2 b/min)</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/extrapolation.h" line="+41"/>
        <source>* extrapolated: read off the fitted line beyond the measured steps</source>
        <translation>* extrapolé : lu sur la courbe ajustée au-delà des paliers mesurés</translation>
    </message>
</context>
<context>
    <name>FitQuality</name>
    <message>
        <location filename="../src/domain/analysis/fit_quality.cpp" line="+74"/>
        <source>No fit quality: fewer than 3 steps</source>
        <translation>Pas de qualité d&apos;ajustement : moins de 3 paliers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate fit R² %1</source>
        <translation>Ajustement du lactate R² %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>heart-rate line R² %1</source>
        <translation>droite de fréquence cardiaque R² %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 steps</source>
        <translation>%1 paliers</translation>
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
        <translation>Temps (minutes)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed (meter/minute)</source>
        <translation>Vitesse (mètres/minute)</translation>
    </message>
</context>
<context>
    <name>HeartRateFile</name>
    <message>
        <location filename="../src/domain/hrm_import/hrm_file.cpp" line="+200"/>
        <source>Pulse
b/min</source>
        <translation>Pouls
b/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Speed
km/h*10</source>
        <translation>Vitesse
km/h*10</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cadence
rpm</source>
        <translation>Cadence
tr/min</translation>
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
        <translation>Puissance
W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance
/PI</source>
        <translation>Équilibre
/PI</translation>
    </message>
    <message>
        <location filename="../src/domain/hrm_import/take_over.cpp" line="+21"/>
        <source>More than six steps were found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</source>
        <translation>Le fichier contient plus de six paliers ; un test en demande trois à six. Seules la date et les fréquences cardiaques maximale et de repos ont été reprises.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>1 step was found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</source>
        <translation>Le fichier ne contient qu&apos;un palier ; un test en demande trois à six. Seules la date et les fréquences cardiaques maximale et de repos ont été reprises.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 steps were found in the file; a test needs three to six steps. Only the date and the maximum and resting heart rates were taken over.</source>
        <translation>Le fichier contient %1 paliers ; un test en demande trois à six. Seules la date et les fréquences cardiaques maximale et de repos ont été reprises.</translation>
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
        <translation>Paliers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fit quality (R² lactate / Hr)</source>
        <translation>Qualité d&apos;ajustement (R² lactate / FC)</translation>
    </message>
</context>
<context>
    <name>Indices</name>
    <message>
        <location filename="../src/domain/analysis/index_intervals.cpp" line="+54"/>
        <location line="+39"/>
        <source>fewer than three steps</source>
        <translation>moins de trois paliers</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>a value is not a number</source>
        <translation>une valeur n&apos;est pas un nombre</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>all speeds are equal</source>
        <translation>toutes les vitesses sont égales</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a value is out of range</source>
        <translation>une valeur est hors limites</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>too many steps</source>
        <translation>trop de paliers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line is flat</source>
        <translation>la droite est horizontale</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the line gives no finite speed</source>
        <translation>la droite ne donne aucune vitesse finie</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the interval is unbounded: the slope is not clearly different from zero</source>
        <translation>l&apos;intervalle n&apos;est pas borné : la pente n&apos;est pas nettement différente de zéro</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the interval is out of range</source>
        <translation>l&apos;intervalle est hors limites</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the heart rate is out of range</source>
        <translation>la fréquence cardiaque est hors limites</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>a heart-rate-only test has no lactate indices</source>
        <translation>un test de fréquence cardiaque seule n&apos;a pas d&apos;indices de lactate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a lactate is not above 0</source>
        <translation>un lactate n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a heart rate is not a number</source>
        <translation>une fréquence cardiaque n&apos;est pas un nombre</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the lactate level is not above 0</source>
        <translation>le niveau de lactate n&apos;est pas supérieur à 0</translation>
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
        <translation>%1 paliers</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>95 % CI not available: %1</source>
        <translation>IC 95 % non disponible : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>95 % CI unbounded: the slope is not clearly different from zero</source>
        <translation>IC 95 % non borné : la pente n&apos;est pas nettement différente de zéro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>95 % CI unbounded</source>
        <translation>IC 95 % non borné</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>95 % CI not available: it lies below zero speed</source>
        <translation>IC 95 % non disponible : il se situe sous la vitesse nulle</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>95 % CI %1 or slower</source>
        <translation>IC 95 % %1 ou plus lent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>95 % CI up to %1</source>
        <translation>IC 95 % jusqu&apos;à %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+7"/>
        <source>95 % CI %1–%2</source>
        <translation>IC 95 % %1–%2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 not available: %2</source>
        <translation>%1 non disponible : %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no positive speed</source>
        <translation>aucune vitesse positive</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/index_intervals.h" line="+117"/>
        <source>within the uncertainty of the two tests</source>
        <translation>dans les limites de l&apos;incertitude des deux tests</translation>
    </message>
    <message>
        <location filename="../src/domain/analysis/index_run.cpp" line="+61"/>
        <source>No indices: the test has fewer than three steps</source>
        <translation>Pas d&apos;indices : le test a moins de trois paliers</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No indices: step %1 is empty</source>
        <translation>Pas d&apos;indices : le palier %1 est vide</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Heart-rate-only test: no lactate values</source>
        <translation>Test de fréquence cardiaque seule : pas de valeurs de lactate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heart-rate-only test: no VLa2, VLa4, Hr2 or Hr4</source>
        <translation>Test de fréquence cardiaque seule : pas de VLa2, VLa4, Hr2 ni Hr4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No lactate values: the lactate curve was not fitted</source>
        <translation>Pas de valeurs de lactate : la courbe du lactate n&apos;a pas été ajustée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No VLa2, VLa4, Hr2 or Hr4: the lactate curve was not fitted</source>
        <translation>Pas de VLa2, VLa4, Hr2 ni Hr4 : la courbe du lactate n&apos;a pas été ajustée</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No heart-rate values: the heart-rate line was not fitted</source>
        <translation>Pas de valeurs de fréquence cardiaque : la droite de fréquence cardiaque n&apos;a pas été ajustée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No V200, Hr2 or Hr4: the heart-rate line was not fitted</source>
        <translation>Pas de V200, Hr2 ni Hr4 : la droite de fréquence cardiaque n&apos;a pas été ajustée</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No V200: the heart rate does not rise with speed</source>
        <translation>Pas de V200 : la fréquence cardiaque n&apos;augmente pas avec la vitesse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No V200: the heart-rate line gives no positive speed for 200 b/min</source>
        <translation>Pas de V200 : la droite de fréquence cardiaque ne donne aucune vitesse positive pour 200 b/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No VLa2 or VLa4: the lactate does not change with speed</source>
        <translation>Pas de VLa2 ni VLa4 : le lactate ne varie pas avec la vitesse</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No VLa4: the lactate curve gives no positive speed for 4 mmol/l</source>
        <translation>Pas de VLa4 : la courbe du lactate ne donne aucune vitesse positive pour 4 mmol/l</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No VLa2: the lactate curve gives no positive speed for 2 mmol/l</source>
        <translation>Pas de VLa2 : la courbe du lactate ne donne aucune vitesse positive pour 2 mmol/l</translation>
    </message>
</context>
<context>
    <name>Laktat</name>
    <message>
        <location filename="../src/ui/main_window/laktat.cpp" line="+52"/>
        <source>def4.txt missing !</source>
        <translation>def4.txt manquant !</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window/laktat_layout.cpp" line="+68"/>
        <source>Test entry and graph</source>
        <translation>Saisie du test et graphique</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save work</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear screen</source>
        <translation>Effacer l&apos;écran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Select speed !</source>
        <translation>Choisissez l&apos;unité de vitesse !</translation>
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
        <translation>Plausible : jusqu&apos;à %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plausible: %1%2 to %3</source>
        <translation>Plausible : de %1%2 à %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>above </source>
        <translation>plus de </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>, step %1</source>
        <translation>, palier %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate</source>
        <translation>Lactate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Heart rate</source>
        <translation>Fréquence cardiaque</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Max Hr</source>
        <translation>FC max</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Implausible values (the fields&apos; tool tips give the ranges): %1.</source>
        <translation>Valeurs peu plausibles (les info-bulles des champs donnent les plages) : %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>These values lie outside what a horse can show: %1.

Save the test as it is?</source>
        <translation>Ces valeurs sortent de ce qu&apos;un cheval peut présenter : %1.

Enregistrer le test tel quel ?</translation>
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
        <translation>ans</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/ui/report/clinic_details_page.cpp" line="+135"/>
        <source>Clinic details</source>
        <translation>Coordonnées de la clinique</translation>
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
        <translation>Temps(minutes)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed(meter/minute)</source>
        <translation>Vitesse(mètres/minute)</translation>
    </message>
    <message>
        <location filename="../src/domain/report/report_page.cpp" line="-59"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Race</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Écurie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Entraîneur</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Input data</source>
        <translation>Données</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate</source>
        <translation>Lactate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hr</source>
        <translation>FC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time(min)</source>
        <translation>Temps(min)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Optional threshold</source>
        <translation>Seuil au choix</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>meter/min</source>
        <translation>m/min</translation>
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
        <translation>Seuils fixes</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Very light</source>
        <translation>Très légère</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Light</source>
        <translation>Légère</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moderate</source>
        <translation>Modérée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hard</source>
        <translation>Forte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Max hr</source>
        <translation>FC max</translation>
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
        <translation>Vitesse (km/h)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/io/database/loading.cpp" line="-6"/>
        <source>Speed (min/km)</source>
        <translation>Vitesse (min/km)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed (met/min)</source>
        <translation>Vitesse (m/min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  Speed (sek/200m)</source>
        <translation>  Vitesse (s/200m)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>      Time     (min)</source>
        <translation>      Temps    (min)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>   Tempo  (met/min)</source>
        <translation>   Vitesse  (m/min)</translation>
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
        <translation>Temps (min)</translation>
    </message>
    <message>
        <location filename="../src/io/database/loading.cpp" line="+2"/>
        <source>Speed (mt/min)</source>
        <translation>Vitesse (m/min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed (sek/200m)</source>
        <translation>Vitesse (s/200m)</translation>
    </message>
</context>
<context>
    <name>ThresholdMethods</name>
    <message>
        <location filename="../src/domain/analysis/threshold_methods.cpp" line="+23"/>
        <source>the result is out of range</source>
        <translation>le résultat est hors limites</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>fewer than two usable steps</source>
        <translation>moins de deux paliers utilisables</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the measured lactate never rises through %1 mmol/l</source>
        <translation>le lactate mesuré ne franchit jamais %1 mmol/l</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+80"/>
        <source>needs four steps</source>
        <translation>il faut quatre paliers</translation>
    </message>
    <message>
        <location line="-72"/>
        <source>all speeds are equal</source>
        <translation>toutes les vitesses sont égales</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the polynomial cannot be fitted to these speeds</source>
        <translation>le polynôme ne peut pas être ajusté à ces vitesses</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the first and last speeds are equal</source>
        <translation>la première et la dernière vitesse sont égales</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>the curve has no point farthest from the line between the first and last steps</source>
        <translation>la courbe n&apos;a pas de point le plus éloigné de la droite reliant le premier et le dernier palier</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a speed or lactate is not above 0</source>
        <translation>une vitesse ou un lactate n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>no two runs of steps have different speeds</source>
        <translation>il n&apos;existe pas deux séries de paliers de vitesses différentes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the two lines are parallel</source>
        <translation>les deux droites sont parallèles</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the two lines cross outside the measured speeds</source>
        <translation>les deux droites se croisent hors des vitesses mesurées</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>not available: %1</source>
        <translation>non disponible : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no positive speed</source>
        <translation>aucune vitesse positive</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2 at %3 mmol/l</source>
        <translation>%1 %2 à %3 mmol/l</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+2"/>
        <location line="+5"/>
        <source>Exponential fit: %1</source>
        <translation>Ajustement exponentiel : %1</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+6"/>
        <source>Heart-rate line: %1</source>
        <translation>Droite de fréquence cardiaque : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linear interpolation, 2 mmol/l: %1</source>
        <translation>Interpolation linéaire, 2 mmol/l : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linear interpolation, 4 mmol/l: %1</source>
        <translation>Interpolation linéaire, 4 mmol/l : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dmax: %1</source>
        <translation>Dmax : %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log-log breakpoint: %1</source>
        <translation>Point de rupture log-log : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The methods&apos; 4 mmol/l speeds differ by more than 5 %</source>
        <translation>Les vitesses à 4 mmol/l des méthodes diffèrent de plus de 5 %</translation>
    </message>
</context>
<context>
    <name>kavren</name>
    <message>
        <location filename="../src/domain/analysis/fit_problem.cpp" line="+13"/>
        <source> — no lactate values</source>
        <translation> — pas de valeurs de lactate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> — no VLa2, VLa4, Hr2 or Hr4</source>
        <translation> — pas de VLa2, VLa4, Hr2 ni Hr4</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> — no heart-rate values</source>
        <translation> — pas de valeurs de fréquence cardiaque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> — no V200, Hr2 or Hr4</source>
        <translation> — pas de V200, Hr2 ni Hr4</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The lactate curve was not fitted: </source>
        <translation>La courbe du lactate n&apos;a pas été ajustée : </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every lactate must be a number</source>
        <translation>chaque lactate doit être un nombre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>every lactate must be above 0</source>
        <translation>chaque lactate doit être supérieur à 0</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The heart-rate line was not fitted: every heart rate must be a number</source>
        <translation>La droite de fréquence cardiaque n&apos;a pas été ajustée : chaque fréquence cardiaque doit être un nombre</translation>
    </message>
    <message>
        <location filename="../src/io/database/saving.cpp" line="+91"/>
        <source>Step %1 comes after the empty step %2. Fill step %2 or empty step %1 before saving.</source>
        <translation>Le palier %1 suit le palier vide %2. Remplissez le palier %2 ou videz le palier %1 avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Step %1 is the last step typed: a test needs at least three steps. Type the missing steps before saving.</source>
        <translation>Le palier %1 est le dernier saisi : un test demande au moins trois paliers. Saisissez les paliers manquants avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Step %1: &quot;%2&quot; is not a number. Correct it before saving.</source>
        <translation>Palier %1 : « %2 » n&apos;est pas un nombre. Corrigez-le avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Step %1 has no lactate. Type it before saving.</source>
        <translation>Le palier %1 n&apos;a pas de lactate. Saisissez-le avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no heart rate and no speed</source>
        <translation>ni fréquence cardiaque ni vitesse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no heart rate</source>
        <translation>pas de fréquence cardiaque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no speed</source>
        <translation>pas de vitesse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Step %1 has %2. Save anyway?</source>
        <translation>Palier %1 : %2. Enregistrer quand même ?</translation>
    </message>
    <message>
        <location filename="../src/ui/common/message_dialog.cpp" line="+98"/>
        <source>Save work</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kavren::BackgroundPanel</name>
    <message>
        <location filename="../src/ui/graph/background_panel.cpp" line="+21"/>
        <source>Drag drop</source>
        <translation>Glisser-déposer</translation>
    </message>
</context>
<context>
    <name>kavren::CalculationController</name>
    <message>
        <location filename="../src/ui/entry/calculation_controller.cpp" line="+24"/>
        <source>Select Speed !</source>
        <translation>Choisissez l&apos;unité de vitesse !</translation>
    </message>
</context>
<context>
    <name>kavren::ClinicDetailsPage</name>
    <message>
        <location filename="../src/ui/report/clinic_details_page.cpp" line="-82"/>
        <source>Choose logo...</source>
        <translation>Choisir un logo...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove logo</source>
        <translation>Retirer le logo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clinic name</source>
        <translation>Nom de la clinique</translation>
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
        <translation>Choisir un logo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No logo</source>
        <translation>Pas de logo</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+28"/>
        <source>Clinic details</source>
        <translation>Coordonnées de la clinique</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 n&apos;est pas une image lisible.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The logo could not be kept in %1.</source>
        <translation>Le logo n&apos;a pas pu être conservé dans %1.</translation>
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
        <translation>Créer une base de données (dossier/nom ou adresse du serveur)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>kavren::CsvExportDialog</name>
    <message>
        <location filename="../src/ui/comparison/csv_export_dialog.cpp" line="+20"/>
        <location line="+48"/>
        <source>Export to CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Exporting the comparison table...</source>
        <translation>Export du tableau comparatif...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exporting %1 tests...</source>
        <translation>Export de %1 tests...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Exported the comparison table to %1</source>
        <translation>Tableau comparatif exporté vers %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exported %1 %2 to %3</source>
        <translation>Export de %1 %2 vers %3 terminé</translation>
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
        <translation>Export annulé : rien n&apos;a été écrit dans %1</translation>
    </message>
</context>
<context>
    <name>kavren::DatabaseController</name>
    <message>
        <location filename="../src/ui/database/database_controller.cpp" line="+102"/>
        <source>The test on screen has not been saved. Save it before closing?</source>
        <translation>Le test affiché n&apos;a pas été enregistré. L&apos;enregistrer avant de fermer ?</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Database: </source>
        <translation>Base de données : </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Select database (DblClick)</source>
        <translation>Choisir la base de données (double-clic)</translation>
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
        <translation>Voulez-vous supprimer ?</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>It is not known whether the test was saved. It stays on screen, and &quot;Save work&quot; stores it only once. %1</source>
        <translation>On ne sait pas si le test a été enregistré. Il reste affiché, et « Enregistrer » ne l&apos;enregistre qu&apos;une seule fois. %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The test was not saved: %1</source>
        <translation>Le test n&apos;a pas été enregistré : %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Test saved in %1 (%2, %3)</source>
        <translation>Test enregistré dans %1 (%2, %3)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Waiting for the database server of %1…</source>
        <translation>Attente du serveur de base de données de %1…</translation>
    </message>
</context>
<context>
    <name>kavren::EntryPanel</name>
    <message>
        <location filename="../src/ui/entry/entry_panel.cpp" line="+73"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Race</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable/Track</source>
        <translation>Écurie/Piste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Entraîn.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max Hr</source>
        <translation>FC max</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vilopuls</source>
        <extracomment>The horse&apos;s resting heart rate.</extracomment>
        <translation>FC repos</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+4"/>
        <source>Comments</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> Lactate (mmol/l)</source>
        <translation> Lactate (mmol/l)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>     Hr (b/min)</source>
        <translation>     FC (b/min)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Tempo      (met/sek)</source>
        <extracomment>Caption of the column of speeds in metres per second; the spaces wrap it over two lines.</extracomment>
        <translation>Vitesse    (m/s)</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Spare heart rate</source>
        <translation>Fréquence cardiaque supplémentaire</translation>
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
        <translation>Récup.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Implausible value. %1</source>
        <translation>Valeur peu plausible. %1</translation>
    </message>
</context>
<context>
    <name>kavren::FileListPanel</name>
    <message>
        <location filename="../src/ui/common/file_list_panel.cpp" line="+100"/>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Erase</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>kavren::HelpController</name>
    <message>
        <location filename="../src/ui/help/help_controller.cpp" line="+33"/>
        <source>The user manual is not installed; it should be %1.</source>
        <translation>Le manuel d&apos;utilisation n&apos;est pas installé ; il devrait se trouver ici : %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No browser could show the user manual %1.</source>
        <translation>Aucun navigateur n&apos;a pu afficher le manuel d&apos;utilisation %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kavren Equine %1
Lactate and heart-rate analysis of exercise tests on horses.

Built with Qt %2, running with Qt %3.
Licence: proprietary, all rights reserved by Kavren Equine.

Data folder: %4</source>
        <translation>Kavren Equine %1
Analyse du lactate et de la fréquence cardiaque lors des tests d&apos;effort chez le cheval.

Compilé avec Qt %2, exécuté avec Qt %3.
Licence : propriétaire, tous droits réservés par Kavren Equine.

Dossier de données : %4</translation>
    </message>
</context>
<context>
    <name>kavren::HistoryChartView</name>
    <message>
        <location filename="../src/ui/history/history_chart_view.cpp" line="+17"/>
        <source>Chart of the index over time</source>
        <translation>Graphique de l&apos;indice au fil du temps</translation>
    </message>
</context>
<context>
    <name>kavren::HistoryWindow</name>
    <message>
        <location filename="../src/ui/history/history_window.cpp" line="+51"/>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Horse</source>
        <translation>Cheval</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Discipline of the chart</source>
        <translation>Discipline du graphique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Index of the chart</source>
        <translation>Indice du graphique</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Same breed only</source>
        <translation>Même race seulement</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved tests of the horse</source>
        <translation>Tests enregistrés du cheval</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Discipline:</source>
        <translation>Discipline :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Index:</source>
        <translation>Indice :</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Save chart as PNG...</source>
        <translation>Enregistrer le graphique en PNG...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save chart as PNG</source>
        <translation>Enregistrer le graphique en PNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save chart as PDF...</source>
        <translation>Enregistrer le graphique en PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save chart as PDF</source>
        <translation>Enregistrer le graphique en PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save table as CSV...</source>
        <translation>Enregistrer le tableau en CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save table as CSV</source>
        <translation>Enregistrer le tableau en CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Computing the clinic&apos;s reference band…</source>
        <translation>Calcul de la bande de référence de la clinique…</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Type or load a test of a horse first: its history is shown here.</source>
        <translation>Saisissez ou chargez d&apos;abord un test d&apos;un cheval : son historique s&apos;affiche ici.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reading the tests of %1…</source>
        <translation>Lecture des tests de %1…</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No saved test of %1 in this database.</source>
        <translation>Aucun test enregistré de %1 dans cette base de données.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2 saved tests, oldest first.</source>
        <translation>%1 : %2 tests enregistrés, du plus ancien au plus récent.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>All horses named %1</source>
        <translation>Tous les chevaux nommés %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>The clinic&apos;s reference band could not be computed: %1</source>
        <translation>La bande de référence de la clinique n&apos;a pas pu être calculée : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 tests of this discipline and breed</source>
        <translation>%1 tests de cette discipline et de cette race</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 tests of this discipline</source>
        <translation>%1 tests de cette discipline</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The band shows the 10th to 90th percentile and the median of the clinic&apos;s %1 in this database.</source>
        <translation>La bande montre du 10e au 90e percentile et la médiane de la clinique, calculés sur %1 dans cette base de données.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No reference band: the database holds %1 with a value of %2, fewer than %3.</source>
        <translation>Pas de bande de référence : la base de données contient %1 avec une valeur de %2, soit moins de %3.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>History of %1</source>
        <translation>Historique de %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 could not be written.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
</context>
<context>
    <name>kavren::LactateLevelsPage</name>
    <message>
        <location filename="../src/ui/common/lactate_levels_page.cpp" line="+16"/>
        <source>Extra lactate levels (mmol/l) for the speed and heart rate, e.g. 1.5 3:</source>
        <translation>Niveaux de lactate supplémentaires (mmol/l) pour la vitesse et la fréquence cardiaque, p. ex. 1.5 3 :</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Left out (a level is above 0 and at most %1 mmol/l, at most %2 levels): %3</source>
        <translation>Ignorés (un niveau est supérieur à 0 et au plus égal à %1 mmol/l, au plus %2 niveaux) : %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The levels could not be kept: the preferences file cannot be written.</source>
        <translation>Les niveaux n&apos;ont pas pu être conservés : le fichier de préférences ne peut pas être écrit.</translation>
    </message>
</context>
<context>
    <name>kavren::LanguagePage</name>
    <message>
        <location filename="../src/ui/common/language_page.cpp" line="+15"/>
        <source>Language of the window:</source>
        <translation>Langue de la fenêtre :</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The language changes when Kavren starts next.</source>
        <translation>La langue change au prochain démarrage de Kavren.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The language could not be kept: the preferences file cannot be written.</source>
        <translation>La langue n&apos;a pas pu être conservée : le fichier de préférences ne peut pas être écrit.</translation>
    </message>
</context>
<context>
    <name>kavren::LinkPanel</name>
    <message>
        <location filename="../src/ui/remote_link/link_panel.cpp" line="+17"/>
        <source>Local Ip              Remote Ip                      </source>
        <translation>IP locale             IP distante                      </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>kavren::LinkReceiver</name>
    <message>
        <location filename="../src/io/link_receiver.cpp" line="+23"/>
        <source>Port %1 could not be opened for the remote link (%2). Close the program that uses it, or check the firewall, and press Connect again.</source>
        <translation>Le port %1 n&apos;a pas pu être ouvert pour la liaison à distance (%2). Fermez le programme qui l&apos;utilise ou vérifiez le pare-feu, puis appuyez de nouveau sur Connecter.</translation>
    </message>
</context>
<context>
    <name>kavren::MainMenu</name>
    <message>
        <location filename="../src/ui/main_window/main_menu.cpp" line="+49"/>
        <source>&amp;Printer</source>
        <translation>&amp;Imprimante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only Hr</source>
        <translation>FC seule</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+12"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+12"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Adjust frame to background</source>
        <translation>Ajuster le cadre à l&apos;arrière-plan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>More...</source>
        <translation>Plus...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export comparison table to CSV...</source>
        <translation>Exporter le tableau comparatif en CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>History...</source>
        <translation>Historique...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threshold methods</source>
        <translation>Méthodes de seuil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print preview...</source>
        <translation>Aperçu avant impression...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clinic report...</source>
        <translation>Rapport clinique...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clinic details...</source>
        <translation>Coordonnées de la clinique...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Help</source>
        <translation> Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User manual</source>
        <translation>Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Kavren</source>
        <translation>À propos de Kavren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Lactate levels</source>
        <translation>Niveaux de lactate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clinic</source>
        <translation>Clinique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <translation>Langue</translation>
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
        <translation>Événements</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sample interval</source>
        <translation>Échantillonnage</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Extract Polardata</source>
        <translation>Extraire les données Polar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The heart-rate file %1 could not be opened: %2</source>
        <translation>Le fichier de fréquence cardiaque %1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The heart-rate file %1 is too large to be a recording.</source>
        <translation>Le fichier de fréquence cardiaque %1 est trop volumineux pour être un enregistrement.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The heart-rate file %1 holds no samples: its [HRData] section is missing.</source>
        <translation>Le fichier de fréquence cardiaque %1 ne contient aucun échantillon : sa section [HRData] est absente.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The heart-rate file %1 is a beat-to-beat (R-R interval) recording, not samples at a fixed interval, and cannot be imported.</source>
        <translation>Le fichier de fréquence cardiaque %1 est un enregistrement battement par battement (intervalles R-R), et non des échantillons à intervalle fixe ; il ne peut pas être importé.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This file holds no speed: the steps get no speed.</source>
        <translation>Ce fichier ne contient pas de vitesse : les paliers n&apos;auront pas de vitesse.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n line(s) could not be read and were skipped.</source>
        <translation>
            <numerusform>%n ligne n&apos;a pas pu être lue et a été ignorée.</numerusform>
            <numerusform>%n lignes n&apos;ont pas pu être lues et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No Time Events is set !</source>
        <translation>Aucun événement n&apos;est défini !</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>kavren::PreferencesDialog</name>
    <message>
        <location filename="../src/ui/common/preferences_dialog.cpp" line="+11"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
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
        <translation>Le rapport n&apos;a pas été imprimé : aucune imprimante n&apos;est disponible.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The report was not printed: %1 could not be written to.</source>
        <translation>Le rapport n&apos;a pas été imprimé : impossible d&apos;écrire dans %1.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The report could not be saved as PDF: %1 could not be written.</source>
        <translation>Le rapport n&apos;a pas pu être enregistré en PDF : impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clinic report </source>
        <translation>Rapport clinique </translation>
    </message>
</context>
<context>
    <name>kavren::SearchPanel</name>
    <message>
        <location filename="../src/ui/database/search_panel.cpp" line="+32"/>
        <source>Search criteria</source>
        <translation>Critères de recherche</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Breed</source>
        <translation>Race</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stable</source>
        <translation>Écurie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainer</source>
        <translation>Entraîn.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search value</source>
        <translation>Valeur recherchée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>öppna arbete</source>
        <extracomment>Lists the values of the chosen search criterion (&quot;open work&quot;).</extracomment>
        <translation>Lister les valeurs</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tests found</source>
        <translation>Tests trouvés</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Freeze curve</source>
        <translation>Figer la courbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erase work</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>kavren::StylePanel</name>
    <message>
        <location filename="../src/ui/graph/style_panel.cpp" line="+94"/>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Curve             1                         2  -  6</source>
        <translation> Courbe           1                         2  -  6</translation>
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
        <translation>Écran : lactate, courbe 1, couleur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Lactate, curves 2 - 6, colour</source>
        <translation>Écran : lactate, courbes 2 - 6, couleur</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+45"/>
        <source>Pulse</source>
        <translation>Pouls</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Screen: Pulse, curve 1, colour</source>
        <translation>Écran : pouls, courbe 1, couleur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Pulse, curves 2 - 6, colour</source>
        <translation>Écran : pouls, courbes 2 - 6, couleur</translation>
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
        <translation>Larg.</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>Screen: Curve width</source>
        <translation>Écran : largeur des courbes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Circles</source>
        <translation>Cercles</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+45"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Screen: Circles, size</source>
        <translation>Écran : cercles, taille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Circles, width</source>
        <translation>Écran : cercles, largeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helplines</source>
        <translation>Repères</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Helplines, width</source>
        <translation>Écran : repères, largeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+48"/>
        <location line="+7"/>
        <source>Color(0-15)</source>
        <translation>Coul.(0-15)</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Screen: Threshold, color (0-15)</source>
        <translation>Écran : seuil, couleur (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Background, color (0-15)</source>
        <translation>Écran : arrière-plan, couleur (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tempo axis</source>
        <translation>Axe vitesse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen: Tempo axis, color (0-15)</source>
        <translation>Écran : axe vitesse, couleur (0-15)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+55"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Curve       1              2 - 6</source>
        <translation>Courbe     1              2 - 6</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Curves</source>
        <translation>Courbes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Printer: Lactate curve, width</source>
        <translation>Imprimante : courbe du lactate, largeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Color</source>
        <translation>Coul.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Printer: Lactate curve 1, color</source>
        <translation>Imprimante : courbe du lactate 1, couleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Lactate curves 2 - 6, color</source>
        <translation>Imprimante : courbes du lactate 2 - 6, couleur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Printer: Pulse curve, width</source>
        <translation>Imprimante : courbe du pouls, largeur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Pulse curve 1, color</source>
        <translation>Imprimante : courbe du pouls 1, couleur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Pulse curves 2 - 6, color</source>
        <translation>Imprimante : courbes du pouls 2 - 6, couleur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marks</source>
        <translation>Marques</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, size</source>
        <translation>Imprimante : marques, taille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, width</source>
        <translation>Imprimante : marques, largeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type(0-8)</source>
        <translation>Type(0-8)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, type (0-8)</source>
        <translation>Imprimante : marques, type (0-8)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color(lactate)</source>
        <translation>Coul.(lactate)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, color (lactate)</source>
        <translation>Imprimante : marques, couleur (lactate)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>Fill color</source>
        <translation>Coul. fond</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Printer: Marks, fill color (lactate)</source>
        <translation>Imprimante : marques, couleur de remplissage (lactate)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color(Hr)</source>
        <translation>Coul.(FC)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Printer: Marks, color (Hr)</source>
        <translation>Imprimante : marques, couleur (FC)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Marks, fill color (Hr)</source>
        <translation>Imprimante : marques, couleur de remplissage (FC)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lactate lines</source>
        <translation>Lignes lactate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Lactate lines, width</source>
        <translation>Imprimante : lignes lactate, largeur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Lactate lines, color (0-15)</source>
        <translation>Imprimante : lignes lactate, couleur (0-15)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help lines</source>
        <translation>Repères</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Help lines, width</source>
        <translation>Imprimante : repères, largeur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Printer: Help lines, color (0-15)</source>
        <translation>Imprimante : repères, couleur (0-15)</translation>
    </message>
</context>
<context>
    <name>kavren::ThresholdMethodsWindow</name>
    <message>
        <location filename="../src/ui/threshold_methods/threshold_methods_window.cpp" line="+16"/>
        <source>Threshold methods</source>
        <translation>Méthodes de seuil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calculate a test to compare the methods.</source>
        <translation>Calculez un test pour comparer les méthodes.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mark the thresholds on the graph</source>
        <translation>Marquer les seuils sur le graphique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The marks are drawn now and after every calculation while ticked; the next calculation draws the graph without them when unticked.</source>
        <translation>Les marques sont tracées maintenant et après chaque calcul tant que la case est cochée ; une fois la case décochée, le calcul suivant trace le graphique sans elles.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>A recovery test has no lactate threshold.</source>
        <translation>Un test de récupération n&apos;a pas de seuil lactique.</translation>
    </message>
</context>
<context>
    <name>kavren::ThresholdPanel</name>
    <message>
        <location filename="../src/ui/threshold/threshold_panel.cpp" line="+38"/>
        <source>Calculate threshold</source>
        <translation>Calcul du seuil</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold speed (meter/sec)</source>
        <translation>Vitesse au seuil (m/s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>meter/sec</source>
        <translation>m/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hr</source>
        <translation>FC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold Hr</source>
        <translation>FC au seuil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lactate</source>
        <translation>Lactate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Threshold lactate</source>
        <translation>Lactate au seuil</translation>
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
        <translation>m/min</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sec/200m</source>
        <translation>s/200m</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Threshold Hr slider</source>
        <translation>Curseur de la FC au seuil</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Threshold lactate slider</source>
        <translation>Curseur du lactate au seuil</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Very light         Light        Moderate       Hard          Max </source>
        <extracomment>The five training zones, each name over its field below; keep the spacing.</extracomment>
        <translation>Très légère       Légère    Modérée         Forte         Max </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Recovery</source>
        <translation>Récup.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery, % of the zones</source>
        <translation>Récupération, % des zones</translation>
    </message>
</context>
</TS>
