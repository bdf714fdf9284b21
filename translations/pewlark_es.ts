<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Accounts</name>
    <message>
        <source>The church is too small for two login accounts.</source>
        <translation>La iglesia es demasiado pequeña para dos cuentas de acceso.</translation>
    </message>
    <message>
        <source>The permission &quot;Member View&quot; is missing from the new database.</source>
        <translation>Falta el permiso &quot;Member View&quot; en la nueva base de datos.</translation>
    </message>
</context>
<context>
    <name>AdminRules</name>
    <message>
        <source>The two passwords differ; please type the same password twice.</source>
        <translation>Las dos contraseñas no coinciden; escriba la misma contraseña dos veces.</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Dato no válido</translation>
    </message>
</context>
<context>
    <name>AdminScreens</name>
    <message>
        <source>import people</source>
        <translation>importar personas</translation>
    </message>
</context>
<context>
    <name>Attendance</name>
    <message>
        <source>There is no service with the code &quot;%1&quot;.</source>
        <translation>No hay ningún servicio con el código &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>AttendanceReports</name>
    <message>
        <source>%1%2, %3 to %4</source>
        <translation>%1%2, %3 a %4</translation>
    </message>
    <message>
        <source>Class Roll Sheet</source>
        <translation>Lista de asistencia de la clase</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Nobody is in this class yet.</source>
        <translation>Todavía no hay nadie en esta clase.</translation>
    </message>
    <message>
        <source>Attendance Summary</source>
        <translation>Resumen de asistencia</translation>
    </message>
    <message>
        <source>People recorded per week, %1 to %2</source>
        <translation>Personas registradas por semana, %1 a %2</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Semana del</translation>
    </message>
    <message>
        <source> (people / headcount)</source>
        <translation> (personas / conteo)</translation>
    </message>
    <message>
        <source>Attended %1 or more of the %2 weeks before %3 and not since%4: %5 %6</source>
        <translation>Asistieron %1 o más de las %2 semanas antes del %3 y no desde entonces%4: %5 %6</translation>
    </message>
    <message>
        <source>person</source>
        <translation>persona</translation>
    </message>
    <message>
        <source>people</source>
        <translation>personas</translation>
    </message>
    <message>
        <source>Not Seen Lately</source>
        <translation>Ausentes últimamente</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Last Attended</source>
        <translation>Última asistencia</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semanas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>The file &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>there is no room left on the disk. Free some space or choose another disk.</source>
        <translation>no queda espacio en el disco. Libere espacio o elija otro disco.</translation>
    </message>
    <message>
        <source>the folder cannot be written. Choose another folder.</source>
        <translation>no se puede escribir en la carpeta. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>another program or workstation kept the database busy. Try again in a moment.</source>
        <translation>otro programa o estación de trabajo mantuvo ocupada la base de datos. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>the database is damaged. Restore the most recent backup that passes its check.</source>
        <translation>la base de datos está dañada. Restaure la copia de seguridad más reciente que pase su verificación.</translation>
    </message>
    <message>
        <source>the disk reported an error. Check that it is available, then try again.</source>
        <translation>el disco informó un error. Compruebe que esté disponible y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir la copia de seguridad &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged (the engine&apos;s check found problems); it cannot be used.</source>
        <translation>El archivo &quot;%1&quot; está dañado (la verificación del motor encontró problemas); no se puede usar.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Pewlark database this program can read.</source>
        <translation>El archivo &quot;%1&quot; no es una base de datos de Pewlark que este programa pueda leer.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be copied into &quot;%2&quot;: %3</source>
        <translation>No se pudo copiar la foto &quot;%1&quot; en &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; already exists; it was left unchanged.</source>
        <translation>La carpeta &quot;%1&quot; ya existe; se dejó sin cambios.</translation>
    </message>
    <message>
        <source>The pictures could not be put in place as &quot;%1&quot;: %2</source>
        <translation>No se pudieron colocar las fotos como &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The folder for the pictures &quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear la carpeta para las fotos &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A backup cannot be made while a change is being saved; try again.</source>
        <translation>No se puede hacer una copia de seguridad mientras se guarda un cambio; vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder; give the backup a file name inside it.</source>
        <translation>&quot;%1&quot; es una carpeta; dé a la copia de seguridad un nombre de archivo dentro de ella.</translation>
    </message>
    <message>
        <source>The folder of the backup &quot;%1&quot; does not exist.</source>
        <translation>La carpeta de la copia de seguridad &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>The backup cannot be written over the database &quot;%1&quot; itself; choose another file.</source>
        <translation>La copia de seguridad no se puede escribir sobre la propia base de datos &quot;%1&quot;; elija otro archivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; it was left unchanged.</source>
        <translation>El archivo &quot;%1&quot; ya existe; se dejó sin cambios.</translation>
    </message>
    <message>
        <source>The database driver gave no SQLite connection.</source>
        <translation>El controlador de base de datos no proporcionó una conexión SQLite.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; appeared while the backup was written; it was left unchanged.</source>
        <translation>El archivo &quot;%1&quot; apareció mientras se escribía la copia de seguridad; se dejó sin cambios.</translation>
    </message>
    <message>
        <source>The folder of &quot;%1&quot; does not exist.</source>
        <translation>La carpeta de &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; %2</source>
        <translation>El archivo &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>is a folder, not a backup. Choose the backup file itself, for example &quot;%1&quot;.</source>
        <translation>es una carpeta, no una copia de seguridad. Elija el propio archivo de la copia de seguridad, por ejemplo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>does not exist.</source>
        <translation>no existe.</translation>
    </message>
    <message>
        <source>is damaged (the engine&apos;s check found problems); it cannot be used.</source>
        <translation>está dañado (la verificación del motor encontró problemas); no se puede usar.</translation>
    </message>
    <message>
        <source>holds no user accounts, so nobody could log in after a restore; it cannot be used.</source>
        <translation>no contiene cuentas de usuario, así que nadie podría iniciar sesión después de una restauración; no se puede usar.</translation>
    </message>
    <message>
        <source>could not be read as a Pewlark database: it is damaged or is not a database file.</source>
        <translation>no se pudo leer como base de datos de Pewlark: está dañado o no es un archivo de base de datos.</translation>
    </message>
    <message>
        <source>The picture folder &quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear la carpeta de fotos &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be put back as &quot;%2&quot;: %3</source>
        <translation>No se pudo devolver la foto &quot;%1&quot; como &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the database in use; choose a backup file to restore.</source>
        <translation>&quot;%1&quot; es la base de datos en uso; elija un archivo de copia de seguridad para restaurar.</translation>
    </message>
    <message>
        <source>A backup cannot be restored while a change is being saved; try again.</source>
        <translation>No se puede restaurar una copia de seguridad mientras se guarda un cambio; vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; was not restored; the database is unchanged. %2</source>
        <translation>La copia de seguridad &quot;%1&quot; no se restauró; la base de datos no cambió. %2</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; could not be created beside the database.</source>
        <translation>No se pudo crear la carpeta de copias de seguridad &quot;%1&quot; junto a la base de datos.</translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>1 picture was</source>
        <translation>1 imagen</translation>
    </message>
    <message>
        <source>%1 pictures were</source>
        <translation>%1 imágenes</translation>
    </message>
    <message>
        <source>Back Up Pictures</source>
        <translation>Copia de seguridad de las imágenes</translation>
    </message>
    <message>
        <source>Copied the pictures to %1 (%2).</source>
        <translation>Se copiaron las imágenes a %1 (%2).</translation>
    </message>
    <message>
        <source>Pewlark databases</source>
        <translation>Bases de datos de Pewlark</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>%1 copied to &quot;%2&quot;.</source>
        <translation>Imágenes copiadas a &quot;%2&quot;: %1.</translation>
    </message>
    <message>
        <source>No person has a picture, so no pictures were copied.</source>
        <translation>Ninguna persona tiene imagen, así que no se copió ninguna imagen.</translation>
    </message>
    <message>
        <source>%1 not copied: the configuration file names no picture folder.</source>
        <translation>Imágenes sin copiar: %1; el archivo de configuración no indica ninguna carpeta de imágenes.</translation>
    </message>
    <message>
        <source>%1 not copied because the picture folder &quot;%2&quot; does not have them.</source>
        <translation>Imágenes sin copiar: %1, porque la carpeta de imágenes &quot;%2&quot; no las tiene.</translation>
    </message>
    <message>
        <source> The configuration file names no picture folder, so no pictures were put back.</source>
        <translation> El archivo de configuración no indica ninguna carpeta de imágenes, así que no se restauró ninguna imagen.</translation>
    </message>
    <message>
        <source> %1 put back into the picture folder &quot;%2&quot;.</source>
        <translation> Imágenes restauradas en la carpeta de imágenes &quot;%2&quot;: %1.</translation>
    </message>
    <message>
        <source> No pictures lie beside the backup (&quot;%1&quot;), so the pictures were left as they are.</source>
        <translation> No hay imágenes junto a la copia de seguridad (&quot;%1&quot;), así que las imágenes se dejaron como estaban.</translation>
    </message>
    <message>
        <source> Not every picture could be put back: %1</source>
        <translation> No se pudieron restaurar todas las imágenes: %1</translation>
    </message>
    <message>
        <source>, its pictures in &quot;%1&quot;</source>
        <translation>, con sus imágenes en &quot;%1&quot;</translation>
    </message>
    <message>
        <source>This church is kept in %1. Pewlark backs up and restores database files only: back up a server&apos;s database with the server&apos;s own tools (pg_dump, and pg_restore to put a backup back), as the administrator&apos;s notes in README.md describe.</source>
        <translation>Esta iglesia se guarda en %1. Pewlark solo hace copias de seguridad y restauraciones de archivos de base de datos: haga la copia de seguridad de la base de datos de un servidor con las herramientas del propio servidor (pg_dump, y pg_restore para restaurar una copia), como se describe en las notas del administrador en README.md.</translation>
    </message>
    <message>
        <source>byte</source>
        <translation>byte</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>back up the database</source>
        <translation>hacer una copia de seguridad de la base de datos</translation>
    </message>
    <message>
        <source>Back Up Database</source>
        <translation>Copia de seguridad de la base de datos</translation>
    </message>
    <message>
        <source>Backed up the database to %1 (%2, %3 pictures).</source>
        <translation>Copia de seguridad de la base de datos hecha en %1 (%2, %3 imágenes).</translation>
    </message>
    <message>
        <source>The database was backed up to &quot;%1&quot; (%2). %3</source>
        <translation>Se hizo la copia de seguridad de la base de datos en &quot;%1&quot; (%2). %3</translation>
    </message>
    <message>
        <source>restore the database</source>
        <translation>restaurar la base de datos</translation>
    </message>
    <message>
        <source>Restore Database</source>
        <translation>Restaurar base de datos</translation>
    </message>
    <message>
        <source>Replace the database &quot;%1&quot; with the backup &quot;%2&quot; (%3)?

Everything entered since that backup was made will be gone. The database as it is now is kept as a dated copy beside it. Every open window is closed first, and you log in again afterwards. Close Pewlark on the other workstations before you go on.</source>
        <translation>¿Reemplazar la base de datos &quot;%1&quot; con la copia de seguridad &quot;%2&quot; (%3)?

Todo lo ingresado desde que se hizo esa copia se perderá. La base de datos tal como está ahora se guarda como una copia fechada junto a ella. Primero se cierran todas las ventanas abiertas y después usted vuelve a iniciar sesión. Cierre Pewlark en las demás estaciones de trabajo antes de continuar.</translation>
    </message>
    <message>
        <source>Restored the database from %1.</source>
        <translation>Base de datos restaurada desde %1.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was restored from the backup &quot;%2&quot; (%3).%4 The database as it was before is kept as &quot;%5&quot;%6. Log in again to go on.</source>
        <translation>La base de datos &quot;%1&quot; se restauró desde la copia de seguridad &quot;%2&quot; (%3).%4 La base de datos tal como estaba antes se guarda como &quot;%5&quot;%6. Vuelva a iniciar sesión para continuar.</translation>
    </message>
    <message>
        <source>Today&apos;s automatic backup: %1 (%2, %3 pictures).</source>
        <translation>Copia de seguridad automática de hoy: %1 (%2, %3 imágenes).</translation>
    </message>
    <message>
        <source>Today&apos;s automatic backup could not be made; Pewlark carries on without it. Make a backup with File &gt; Back Up Database... as soon as you can.

%1</source>
        <translation>No se pudo hacer la copia de seguridad automática de hoy; Pewlark continúa sin ella. Haga una copia con Archivo &gt; Copia de seguridad de la base de datos... lo antes posible.

%1</translation>
    </message>
</context>
<context>
    <name>BackupJobs</name>
    <message>
        <source>The folder of the database &quot;%1&quot; does not exist; check the configuration file.</source>
        <translation>La carpeta de la base de datos &quot;%1&quot; no existe; revise el archivo de configuración.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be moved aside to &quot;%2&quot;; it is unchanged. Check that you may change files in its folder.</source>
        <translation>No se pudo apartar la base de datos &quot;%1&quot; como &quot;%2&quot;; no cambió. Compruebe que puede modificar archivos en su carpeta.</translation>
    </message>
    <message>
        <source>The restored database could not be put in place as &quot;%1&quot;; the database is unchanged.</source>
        <translation>No se pudo colocar la base de datos restaurada como &quot;%1&quot;; la base de datos no cambió.</translation>
    </message>
    <message>
        <source>Backed up %1 to %2 (%3).</source>
        <translation>Copia de seguridad de %1 en %2 (%3).</translation>
    </message>
    <message>
        <source>Restored %1 from %2 (%3).</source>
        <translation>Se restauró %1 desde %2 (%3).</translation>
    </message>
    <message>
        <source>The database could not be used; it was moved aside to %1.</source>
        <translation>No se pudo usar la base de datos; se apartó como %1.</translation>
    </message>
    <message>
        <source>The database as it was before is kept as %1%2.</source>
        <translation>La base de datos tal como estaba antes se conserva como %1%2.</translation>
    </message>
    <message>
        <source>Write a checked backup of the database config.txt names to FILE (which must not exist) and stop.</source>
        <translation>Escribir en FILE (que no debe existir) una copia de seguridad verificada de la base de datos que indica config.txt, y terminar.</translation>
    </message>
    <message>
        <source>Put the backup FILE in place of the database config.txt names, keeping that database as a dated copy beside it, and stop.</source>
        <translation>Poner la copia de seguridad FILE en lugar de la base de datos que indica config.txt, conservando esa base de datos como copia fechada a su lado, y terminar.</translation>
    </message>
</context>
<context>
    <name>BatchPrint</name>
    <message>
        <source>No printer is installed on this computer, so the %1 cannot be printed.

Would you like to save them as one PDF file instead?</source>
        <translation>No hay ninguna impresora instalada en este equipo, por lo que no se pueden imprimir las %1.

¿Desea guardarlas en un solo archivo PDF?</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Guardando %1...</translation>
    </message>
    <message>
        <source>Saving was stopped; no file was written.</source>
        <translation>Se detuvo el guardado; no se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>No file was written: the people chosen are no longer in the database, perhaps removed at another workstation.</source>
        <translation>No se escribió ningún archivo: las personas elegidas ya no están en la base de datos; quizá se eliminaron en otra estación de trabajo.</translation>
    </message>
    <message>
        <source>Printing %1...</source>
        <translation>Imprimiendo %1...</translation>
    </message>
    <message>
        <source>Printing stopped after %1 of %2 sheets.</source>
        <translation>La impresión se detuvo después de %1 de %2 hojas.</translation>
    </message>
    <message>
        <source>Printed %1.</source>
        <translation>Impreso: %1.</translation>
    </message>
    <message>
        <source>Saved %1 to %2.</source>
        <translation>Guardado: %1 en %2.</translation>
    </message>
    <message>
        <source> Printing stopped after %1 of %2.</source>
        <translation> La impresión se detuvo después de %1 de %2.</translation>
    </message>
</context>
<context>
    <name>Batches</name>
    <message>
        <source>envelope %1</source>
        <translation>sobre %1</translation>
    </message>
    <message>
        <source>This batch was deleted at another workstation.</source>
        <translation>Este lote fue eliminado en otra estación de trabajo.</translation>
    </message>
    <message>
        <source>another user</source>
        <translation>otro usuario</translation>
    </message>
    <message>
        <source>This gift was removed at another workstation.</source>
        <translation>Esta ofrenda fue quitada en otra estación de trabajo.</translation>
    </message>
    <message>
        <source>This gift takes back another one; it cannot be returned itself.</source>
        <translation>Esta ofrenda anula otra; no puede devolverse ella misma.</translation>
    </message>
    <message>
        <source>A gift of goods has no amount to take back. An Admin may reopen its batch and remove it.</source>
        <translation>Una ofrenda en especie no tiene importe que anular. Un administrador puede reabrir su lote y quitarla.</translation>
    </message>
    <message>
        <source>This gift was returned already.</source>
        <translation>Esta ofrenda ya fue devuelta.</translation>
    </message>
</context>
<context>
    <name>CareGroups</name>
    <message>
        <source>the care group of %1</source>
        <translation>el grupo de cuidado de %1</translation>
    </message>
    <message>
        <source>the care group</source>
        <translation>el grupo de cuidado</translation>
    </message>
</context>
<context>
    <name>Checkin</name>
    <message>
        <source>There is no service with the code &quot;%1&quot;.</source>
        <translation>No existe ningún servicio con el código &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Every security code has been given out today, so no other family can be checked in until tomorrow.</source>
        <translation>Hoy ya se asignaron todos los códigos de seguridad, así que no se puede registrar otra familia hasta mañana.</translation>
    </message>
    <message>
        <source>the check-ins</source>
        <translation>los registros de entrada</translation>
    </message>
</context>
<context>
    <name>CheckinReports</name>
    <message>
        <source>%1 person</source>
        <translation>%1 persona</translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation>%1 personas</translation>
    </message>
    <message>
        <source>Check-ins by Class</source>
        <translation>Registros por clase</translation>
    </message>
    <message>
        <source>Not Checked Out</source>
        <translation>Sin registrar salida</translation>
    </message>
    <message>
        <source>Checked in on %1: %2</source>
        <translation>Registrados el %1: %2</translation>
    </message>
    <message>
        <source>Not checked out on %1: %2</source>
        <translation>Sin salida registrada el %1: %2</translation>
    </message>
    <message>
        <source>Nobody was checked in on this day.</source>
        <translation>Nadie se registró este día.</translation>
    </message>
    <message>
        <source>Everybody checked in on this day is checked out.</source>
        <translation>Todos los registrados este día ya tienen la salida registrada.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (continuación)</translation>
    </message>
</context>
<context>
    <name>Church</name>
    <message>
        <source>the church information</source>
        <translation>la información de la iglesia</translation>
    </message>
</context>
<context>
    <name>ChurchLists</name>
    <message>
        <source>The new database has no outreach phases.</source>
        <translation>La nueva base de datos no tiene fases de alcance.</translation>
    </message>
</context>
<context>
    <name>ChurchSettings</name>
    <message>
        <source>No goods or services were provided in return for these contributions other than intangible religious benefits, except as shown above.</source>
        <translation>No se proporcionaron bienes ni servicios a cambio de estas ofrendas, salvo beneficios religiosos intangibles, excepto lo indicado arriba.</translation>
    </message>
</context>
<context>
    <name>Classes</name>
    <message>
        <source>the class &quot;%1&quot;</source>
        <translation>la clase &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The display could not be opened, so Pewlark&apos;s windows cannot be shown; the command-line jobs (pewlark --help) need no display.</source>
        <translation>No se pudo abrir la pantalla, así que las ventanas de Pewlark no se pueden mostrar; las tareas de línea de comandos (pewlark --help) no necesitan pantalla.</translation>
    </message>
    <message>
        <source>The display &quot;%1&quot; could not be opened, so Pewlark&apos;s windows cannot be shown; the command-line jobs (pewlark --help) need no display.</source>
        <translation>No se pudo abrir la pantalla &quot;%1&quot;, así que las ventanas de Pewlark no se pueden mostrar; las tareas de línea de comandos (pewlark --help) no necesitan pantalla.</translation>
    </message>
    <message>
        <source>Pewlark: the church office&apos;s membership roll and outreach.</source>
        <translation>Pewlark: el registro de miembros y el alcance de la oficina de la iglesia.</translation>
    </message>
    <message>
        <source>Show these options and stop.</source>
        <translation>Mostrar estas opciones y terminar.</translation>
    </message>
    <message>
        <source>Show the version and stop.</source>
        <translation>Mostrar la versión y terminar.</translation>
    </message>
    <message>
        <source>Read FILE instead of the first of config.txt beside the program, ~/.config/pewlark/config.txt and /etc/pewlark/config.txt.</source>
        <translation>Leer FILE en lugar del primero de config.txt junto al programa, ~/.config/pewlark/config.txt y /etc/pewlark/config.txt.</translation>
    </message>
    <message>
        <source>Show which configuration file is used, and the database and picture folder it names, and stop.</source>
        <translation>Mostrar qué archivo de configuración se usa, y la base de datos y la carpeta de fotos que indica, y terminar.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Choose one of %1.</source>
        <translation>Elija uno de %1.</translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation>%1 necesita un nombre de archivo.</translation>
    </message>
    <message>
        <source>--%1 goes with --%2.</source>
        <translation>--%1 va con --%2.</translation>
    </message>
    <message>
        <source>No configuration file was found. Pewlark looks for, in this order:
  %1
  %2
  %3
Started on the desktop, it opens its welcome window, which writes %2.
</source>
        <translation>No se encontró ningún archivo de configuración. Pewlark busca, en este orden:
  %1
  %2
  %3
Iniciado en el escritorio, abre su ventana de bienvenida, que escribe %2.
</translation>
    </message>
    <message>
        <source>given with --config</source>
        <translation>indicado con --config</translation>
    </message>
    <message>
        <source>beside the program</source>
        <translation>junto al programa</translation>
    </message>
    <message>
        <source>the user&apos;s own</source>
        <translation>el propio del usuario</translation>
    </message>
    <message>
        <source>the office&apos;s</source>
        <translation>el de la oficina</translation>
    </message>
    <message>
        <source>Configuration: %1 (%2)</source>
        <translation>Configuración: %1 (%2)</translation>
    </message>
    <message>
        <source>Database: %1
Pictures: %2</source>
        <translation>Base de datos: %1
Fotos: %2</translation>
    </message>
    <message>
        <source>It cannot be read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message>
        <source>There is no display to show Pewlark&apos;s windows on (DISPLAY is not set); start it on the desktop. The command-line jobs (pewlark --help) need no display.</source>
        <translation>No hay pantalla donde mostrar las ventanas de Pewlark (DISPLAY no está definido); inícielo en el escritorio. Las tareas de línea de comandos (pewlark --help) no necesitan pantalla.</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>The configuration file &quot;%1&quot; is not a plain text file: line %2 holds characters that no text file holds. It should be plain text with five fields (two labels, the database path, a label and the picture folder).</source>
        <translation>El archivo de configuración &quot;%1&quot; no es un archivo de texto simple: la línea %2 contiene caracteres que ningún archivo de texto contiene. Debe ser texto simple con cinco campos (dos etiquetas, la ruta de la base de datos, una etiqueta y la carpeta de imágenes).</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; holds %2 of the five fields it needs (two labels, the database path, a label and the picture folder).</source>
        <translation>El archivo de configuración &quot;%1&quot; contiene %2 de los cinco campos que necesita (dos etiquetas, la ruta de la base de datos, una etiqueta y la carpeta de imágenes).</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; does not exist.</source>
        <translation>El archivo de configuración &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer el archivo de configuración &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; is larger than %2 KB, so it is not a Pewlark configuration file (five short fields: two labels, the database path, a label and the picture folder). Check the file name.</source>
        <translation>El archivo de configuración &quot;%1&quot; ocupa más de %2 KB, así que no es un archivo de configuración de Pewlark (cinco campos cortos: dos etiquetas, la ruta de la base de datos, una etiqueta y la carpeta de imágenes). Revise el nombre del archivo.</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; names no picture folder (its fifth field is empty), so pictures of people cannot be shown or kept. Pewlark runs without them; write the picture folder into that field, ending with &quot;/&quot;, and start Pewlark again.</source>
        <translation>El archivo de configuración &quot;%1&quot; no indica ninguna carpeta de imágenes (su quinto campo está vacío), así que no se pueden mostrar ni guardar imágenes de las personas. Pewlark funciona sin ellas; escriba la carpeta de imágenes en ese campo, terminada en &quot;/&quot;, e inicie Pewlark de nuevo.</translation>
    </message>
    <message>
        <source>The picture folder &quot;%1&quot; named in the configuration file &quot;%2&quot; %3, so pictures of people cannot be shown or kept. Pewlark runs without them; create the folder or correct the fifth field of the configuration file, then start Pewlark again.</source>
        <translation>La carpeta de imágenes &quot;%1&quot; indicada en el archivo de configuración &quot;%2&quot; %3, así que no se pueden mostrar ni guardar imágenes de las personas. Pewlark funciona sin ellas; cree la carpeta o corrija el quinto campo del archivo de configuración y luego inicie Pewlark de nuevo.</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir el archivo de configuración &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>its folder could not be made.</source>
        <translation>no se pudo crear su carpeta.</translation>
    </message>
</context>
<context>
    <name>Conflicts</name>
    <message>
        <source>another user</source>
        <translation>otro usuario</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>who changed the fields, and when</extracomment>
        <translation>%1 el %2</translation>
    </message>
    <message>
        <source>While you were editing this %1, %2 changed the same field at another workstation: %3.

Keep their values, keep yours, or cancel the save?</source>
        <translation>Mientras usted editaba este registro (%1), %2 cambió el mismo campo en otra estación de trabajo: %3.

¿Conservar los valores de esa persona, conservar los suyos o cancelar el guardado?</translation>
    </message>
    <message>
        <source>While you were editing this %1, %2 changed the same fields at another workstation: %3.

Keep their values, keep yours, or cancel the save?</source>
        <translation>Mientras usted editaba este registro (%1), %2 cambió los mismos campos en otra estación de trabajo: %3.

¿Conservar los valores de esa persona, conservar los suyos o cancelar el guardado?</translation>
    </message>
    <message>
        <source>Keep theirs</source>
        <translation>Conservar los de la otra persona</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Conservar los míos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ContactSave</name>
    <message>
        <source>Prospect</source>
        <translation>Prospecto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Visitor 1</source>
        <translation>Visitante 1</translation>
    </message>
    <message>
        <source>Visitor 2</source>
        <translation>Visitante 2</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Next Phase</source>
        <translation>Próxima fase</translation>
    </message>
    <message>
        <source>Next Contact Date</source>
        <translation>Fecha del próximo contacto</translation>
    </message>
    <message>
        <source>Next Contact Action</source>
        <translation>Acción del próximo contacto</translation>
    </message>
    <message>
        <source>This contact (ID %1) has been deleted since it was opened, perhaps on another workstation, so it could not be saved. Nothing was changed.</source>
        <translation>Este contacto (ID %1) se eliminó después de abrirlo, tal vez en otra estación de trabajo, por lo que no se pudo guardar. No se cambió nada.</translation>
    </message>
    <message>
        <source>the contact of %1</source>
        <translation>el contacto del %1</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>Prospect, Action, Visitor 1, and Rating are Required.</source>
        <translation>Prospecto, Acción, Visitante 1 y Calificación son obligatorios.</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obligatorios</translation>
    </message>
    <message>
        <source>This contact (ID %1) has been deleted since it was opened, perhaps on another workstation, so it could not be saved. Nothing was changed.</source>
        <translation>Este contacto (ID %1) se eliminó después de abrirse, quizá en otra estación de trabajo, así que no se pudo guardar. No se cambió nada.</translation>
    </message>
    <message>
        <source>The prospect of this contact (ID %1) no longer exists, so the contact could not be saved. Nothing was changed.</source>
        <translation>El prospecto de este contacto (ID %1) ya no existe, así que el contacto no se pudo guardar. No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>Context</name>
    <message>
        <source>The database is not open.</source>
        <translation>La base de datos no está abierta.</translation>
    </message>
</context>
<context>
    <name>CopyChurch</name>
    <message>
        <source>%1 has an older schema (version %2). Start Pewlark on it once, which upgrades it, then copy it.</source>
        <translation>%1 tiene un esquema anterior (versión %2). Inicie Pewlark con ella una vez, lo que la actualiza, y luego cópiela.</translation>
    </message>
    <message>
        <source>The table %1 could not be copied; nothing was kept. %2</source>
        <translation>No se pudo copiar la tabla %1; no se conservó nada. %2</translation>
    </message>
    <message>
        <source>The copy of the table %1 holds %2 rows where %3 holds %4; nothing was kept.</source>
        <translation>La copia de la tabla %1 contiene %2 filas donde %3 contiene %4; no se conservó nada.</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>The file &quot;%1&quot; is not a CSV table: %2.</source>
        <translation>El archivo &quot;%1&quot; no es una tabla CSV: %2.</translation>
    </message>
    <message>
        <source>it is a spreadsheet&apos;s own format (such as .xlsx or .ods); save it as CSV first</source>
        <translation>está en el formato propio de una hoja de cálculo (como .xlsx u .ods); guárdelo primero como CSV</translation>
    </message>
    <message>
        <source>it is an older spreadsheet&apos;s own format (.xls); save it as CSV first</source>
        <translation>está en el formato propio de una hoja de cálculo antigua (.xls); guárdelo primero como CSV</translation>
    </message>
    <message>
        <source>it is a PDF document</source>
        <translation>es un documento PDF</translation>
    </message>
    <message>
        <source>UTF-8 with byte order mark</source>
        <translation>UTF-8 con marca de orden de bytes</translation>
    </message>
    <message>
        <source>the quote that opens a value on line %1 is never closed</source>
        <translation>la comilla que abre un valor en la línea %1 nunca se cierra</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>punto y coma</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulación</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it holds binary data, not text (a control character on line %1)</source>
        <translation>contiene datos binarios, no texto (un carácter de control en la línea %1)</translation>
    </message>
    <message>
        <source>its first line does not name columns separated by commas, semicolons or tabs</source>
        <translation>su primera línea no nombra columnas separadas por comas, puntos y coma o tabulaciones</translation>
    </message>
    <message>
        <source>line %1 has %2 columns; a list of people has far fewer, and at most %3 can be read</source>
        <translation>la línea %1 tiene %2 columnas; una lista de personas tiene muchas menos, y se pueden leer como máximo %3</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer el archivo &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database &quot;%1&quot; is in use: another program or workstation is writing to it. Wait a moment, then try again.</source>
        <translation>La base de datos &quot;%1&quot; está en uso: otro programa o estación de trabajo está escribiendo en ella. Espere un momento y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be changed: its folder is read-only, and every change needs a journal file beside the database. Ask whoever looks after this computer to let you write in the folder &quot;%2&quot;.</source>
        <translation>La base de datos &quot;%1&quot; no se puede modificar: su carpeta es de solo lectura, y cada cambio necesita un archivo de registro junto a la base de datos. Pida a quien administra esta computadora que le permita escribir en la carpeta &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be changed: the file is read-only. Ask whoever looks after this computer to make the file writable for you.</source>
        <translation>La base de datos &quot;%1&quot; no se puede modificar: el archivo es de solo lectura. Pida a quien administra esta computadora que le permita escribir en el archivo.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be changed: there is no room left on the disk (or the file has reached the largest size allowed). Free some space, then try again.</source>
        <translation>La base de datos &quot;%1&quot; no se puede modificar: no queda espacio en el disco (o el archivo alcanzó el tamaño máximo permitido). Libere espacio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be opened or read: it is damaged or is not a database file. Restore the most recent backup of it.</source>
        <translation>No se pudo abrir ni leer la base de datos &quot;%1&quot;: está dañada o no es un archivo de base de datos. Restaure su copia de seguridad más reciente.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be opened, or a file beside it could not be created. Check that the file and its folder exist and that you may use them, then try again.</source>
        <translation>No se pudo abrir la base de datos &quot;%1&quot;, o no se pudo crear un archivo junto a ella. Compruebe que el archivo y su carpeta existan y que usted pueda usarlos, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be read or written: the disk or network drive reported an error. Check that the drive is available, then try again; if it happens again, restore the most recent backup.</source>
        <translation>No se pudo leer ni escribir la base de datos &quot;%1&quot;: el disco o la unidad de red informó un error. Compruebe que la unidad esté disponible y vuelva a intentarlo; si vuelve a ocurrir, restaure la copia de seguridad más reciente.</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>el archivo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>PostgreSQL support is not installed on this computer (Debian package libqt6sql6-psql), so %1 cannot be opened.</source>
        <translation>El soporte de PostgreSQL no está instalado en esta computadora (paquete de Debian libqt6sql6-psql), así que no se puede abrir %1.</translation>
    </message>
    <message>
        <source>%1 is being filled by another Pewlark at this moment (a copy, an import or a new church); it was left unchanged.</source>
        <translation>Otro Pewlark está llenando %1 en este momento (una copia, una importación o una iglesia nueva); se dejó sin cambios.</translation>
    </message>
    <message>
        <source>%1 already holds tables; a church is only created in an empty database. It was left unchanged.</source>
        <translation>%1 ya contiene tablas; una iglesia solo se crea en una base de datos vacía. Se dejó sin cambios.</translation>
    </message>
    <message>
        <source>The database file &quot;%1&quot; does not exist.</source>
        <translation>El archivo de base de datos &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>The database path &quot;%1&quot; is not a file.</source>
        <translation>La ruta de base de datos &quot;%1&quot; no es un archivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; it was left unchanged.</source>
        <translation>El archivo &quot;%1&quot; ya existe; se dejó sin cambios.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be opened: %2</source>
        <translation>No se pudo abrir la base de datos &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The database driver gave no SQLite connection.</source>
        <translation>El controlador de base de datos no proporcionó una conexión SQLite.</translation>
    </message>
    <message>
        <source>The database is not open.</source>
        <translation>La base de datos no está abierta.</translation>
    </message>
    <message>
        <source>The new row&apos;s key was not returned.</source>
        <translation>No se devolvió la clave de la nueva fila.</translation>
    </message>
    <message>
        <source>The change was undone because part of it failed.</source>
        <translation>El cambio se deshizo porque una parte falló.</translation>
    </message>
    <message>
        <source>(The database engine reported: %1)</source>
        <translation>(El motor de base de datos informó: %1)</translation>
    </message>
</context>
<context>
    <name>DatabaseJobs</name>
    <message>
        <source>Password for %1: </source>
        <translation>Contraseña de %1: </translation>
    </message>
    <message>
        <source>--demo-database writes a file. To try the demo church on a server, write it to a file and copy it there: pewlark --copy-database DEMO-FILE %1</source>
        <translation>--demo-database escribe un archivo. Para probar la iglesia de demostración en un servidor, escríbala en un archivo y cópiela allí: pewlark --copy-database DEMO-FILE %1</translation>
    </message>
    <message>
        <source>--people needs a whole number from %1 to %2, not &quot;%3&quot;.</source>
        <translation>--people necesita un número entero de %1 a %2, no &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Created demo database %1: %2 people in %3 households, %4 prospects, %5 contacts (%6 s).</source>
        <translation>Se creó la base de datos de demostración %1: %2 personas en %3 familias, %4 prospectos, %5 contactos (%6 s).</translation>
    </message>
    <message>
        <source>Log in as &quot;%1&quot; / &quot;%2&quot; (Admin) or &quot;%3&quot; / &quot;%4&quot; (Member View only).</source>
        <translation>Inicie sesión como &quot;%1&quot; / &quot;%2&quot; (Admin) o &quot;%3&quot; / &quot;%4&quot; (solo Member View).</translation>
    </message>
    <message>
        <source>--create-database needs --admin USERNAME.</source>
        <translation>--create-database necesita --admin USERNAME.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; it was left unchanged.</source>
        <translation>El archivo &quot;%1&quot; ya existe; se dejó sin cambios.</translation>
    </message>
    <message>
        <source>Created %1 with the Admin account &quot;%2&quot;.</source>
        <translation>Se creó %1 con la cuenta Admin &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Copying %1...</source>
        <translation>Copiando %1...</translation>
    </message>
    <message>
        <source>Copied the church from %1 to %2 (%3 s).</source>
        <translation>Se copió la iglesia de %1 a %2 (%3 s).</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>From</source>
        <comment>first database</comment>
        <translation>Origen</translation>
    </message>
    <message>
        <source>To</source>
        <comment>second database</comment>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Write a demo church database to FILE (which must not exist) and stop.</source>
        <translation>Escribir una base de datos de iglesia de demostración en FILE (que no debe existir) y terminar.</translation>
    </message>
    <message>
        <source>Number of people in the demo database (default 2000).</source>
        <translation>Cantidad de personas en la base de datos de demostración (predeterminado 2000).</translation>
    </message>
    <message>
        <source>Create an empty church database in FILE with one Admin account and stop; the password is read from standard input.</source>
        <translation>Crear una base de datos de iglesia vacía en FILE con una cuenta Admin y terminar; la contraseña se lee de la entrada estándar.</translation>
    </message>
    <message>
        <source>User name of the Admin account for --create-database.</source>
        <translation>Nombre de usuario de la cuenta Admin para --create-database.</translation>
    </message>
    <message>
        <source>Copy the whole church in FROM (a file or a postgresql:// database) to TO, a new file or an empty database on a server, and stop: pewlark --copy-database FROM TO.</source>
        <translation>Copiar toda la iglesia de FROM (un archivo o una base de datos postgresql://) a TO, un archivo nuevo o una base de datos vacía en un servidor, y terminar: pewlark --copy-database FROM TO.</translation>
    </message>
    <message>
        <source>The target of --copy-database.</source>
        <translation>El destino de --copy-database.</translation>
    </message>
    <message>
        <source>--copy-database needs the database to copy to: pewlark --copy-database FROM TO.</source>
        <translation>--copy-database necesita la base de datos de destino: pewlark --copy-database FROM TO.</translation>
    </message>
</context>
<context>
    <name>DemoGenerator</name>
    <message>
        <source>A demonstration church has between %1 and %2 people, not %3.</source>
        <translation>Una iglesia de demostración tiene entre %1 y %2 personas, no %3.</translation>
    </message>
</context>
<context>
    <name>Directory</name>
    <message>
        <source>List</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <source>List without contact details</source>
        <translation>Incluir sin datos de contacto</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>No incluir</translation>
    </message>
</context>
<context>
    <name>DirectoryLayout</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Church Directory</source>
        <translation>Directorio de la iglesia</translation>
    </message>
    <message>
        <source>Home: </source>
        <translation>Casa: </translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
</context>
<context>
    <name>DuplicateQuestion</name>
    <message>
        <source>born %1</source>
        <translation>nacido(a) el %1</translation>
    </message>
    <message>
        <source>phone %1</source>
        <translation>teléfono %1</translation>
    </message>
    <message>
        <source>There is already %1.</source>
        <translation>Ya existe %1.</translation>
    </message>
    <message>
        <source> %1 other people match as well.</source>
        <translation> También coinciden otras %1 personas.</translation>
    </message>
</context>
<context>
    <name>DuplicateWarning</name>
    <message>
        <source>Save Anyway</source>
        <translation>Guardar de todos modos</translation>
    </message>
    <message>
        <source>Open That Person</source>
        <translation>Abrir esa persona</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Duplicates</name>
    <message>
        <source>same name and birth date</source>
        <translation>mismo nombre y fecha de nacimiento</translation>
    </message>
    <message>
        <source>same e-mail</source>
        <translation>mismo correo electrónico</translation>
    </message>
    <message>
        <source>same phone and last name</source>
        <translation>mismo teléfono y apellido</translation>
    </message>
    <message>
        <source>same name, nothing else to compare</source>
        <translation>mismo nombre, nada más que comparar</translation>
    </message>
</context>
<context>
    <name>EmailPeople</name>
    <message>
        <source>E-mail These People</source>
        <translation>Enviar correo a estas personas</translation>
    </message>
    <message>
        <source>1 person</source>
        <translation>1 persona</translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation>%1 personas</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>%1 of the %2 have no e-mail address and %3 left out:

%4</source>
        <translation>%1 de las %2 no tienen dirección de correo electrónico y %3 fuera:

%4</translation>
    </message>
    <message>
        <source>is</source>
        <comment>one person left out</comment>
        <translation>queda</translation>
    </message>
    <message>
        <source>are</source>
        <comment>several people left out</comment>
        <translation>quedan</translation>
    </message>
    <message>
        <source>None of the people listed receives the newsletter by e-mail.</source>
        <translation>Ninguna de las personas de la lista recibe el boletín por correo electrónico.</translation>
    </message>
    <message>
        <source>No people are listed.</source>
        <translation>No hay personas en la lista.</translation>
    </message>
    <message>
        <source>The person listed has no e-mail address.</source>
        <translation>La persona de la lista no tiene dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>None of the %1 listed has an e-mail address.</source>
        <translation>Ninguna de las %1 de la lista tiene dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>The %1 addresses are more than a mail program takes in one message, so they are split into %2 messages, each with its part of the addresses in Bcc. Open the %2 messages?</source>
        <translation>Las %1 direcciones son más de las que un programa de correo admite en un mensaje, por lo que se reparten en %2 mensajes, cada uno con su parte de las direcciones en CCO. ¿Desea abrir los %2 mensajes?</translation>
    </message>
    <message>
        <source>No mail program on this computer opened the message. Use &quot;Copy E-mail Addresses&quot; and paste them into a message instead.</source>
        <translation>Ningún programa de correo de este equipo abrió el mensaje. Use &quot;Copiar direcciones de correo&quot; y péguelas en un mensaje.</translation>
    </message>
    <message>
        <source>E-mail to %1 opened in the mail program (%2 %3).</source>
        <translation>Correo a %1 abierto en el programa de correo (%2 %3).</translation>
    </message>
    <message>
        <source>1 address</source>
        <translation>1 dirección</translation>
    </message>
    <message>
        <source>%1 addresses</source>
        <translation>%1 direcciones</translation>
    </message>
    <message>
        <source>message</source>
        <translation>mensaje</translation>
    </message>
    <message>
        <source>messages</source>
        <translation>mensajes</translation>
    </message>
    <message>
        <source>Copied 1 e-mail address.</source>
        <translation>Se copió 1 dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>Copied %1 e-mail addresses.</source>
        <translation>Se copiaron %1 direcciones de correo electrónico.</translation>
    </message>
    <message>
        <source>Newsletter by E-Mail Only</source>
        <translation>Solo boletín por correo electrónico</translation>
    </message>
    <message>
        <source>E-mail only the people listed who receive the newsletter by e-mail.</source>
        <translation>Enviar correo solo a las personas de la lista que reciben el boletín por correo electrónico.</translation>
    </message>
    <message>
        <source>E-mail These People...</source>
        <translation>Enviar correo a estas personas...</translation>
    </message>
    <message>
        <source>Copy E-mail Addresses</source>
        <translation>Copiar direcciones de correo</translation>
    </message>
</context>
<context>
    <name>FamilyPanel</name>
    <message>
        <source>Family Members</source>
        <translation>Miembros de la familia</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Miembro</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Parentesco</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Agregar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>New Family Member</source>
        <translation>Nuevo familiar</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Member Status</source>
        <translation>Estado de miembro</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Estado de prospecto</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>F. nac.</translation>
    </message>
</context>
<context>
    <name>FamilyText</name>
    <message>
        <source>Head of Household</source>
        <translation>Jefe de familia</translation>
    </message>
</context>
<context>
    <name>FileOps</name>
    <message>
        <source>&quot;%1&quot; could not be written to disk.</source>
        <translation>No se pudo escribir &quot;%1&quot; en el disco.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied to &quot;%2&quot;: %3</source>
        <translation>No se pudo copiar &quot;%1&quot; en &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>there is no room left on the disk. Free some space or choose another disk.</source>
        <translation>no queda espacio en el disco. Libere espacio o elija otro disco.</translation>
    </message>
    <message>
        <source>the file name holds a character the disk does not allow (one of \ / : * ? &quot; &lt; &gt; |). Choose another name.</source>
        <translation>el nombre de archivo contiene un carácter que el disco no permite (uno de \ / : * ? &quot; &lt; &gt; |). Elija otro nombre.</translation>
    </message>
    <message>
        <source>you may not write in the folder &quot;%1&quot;. Choose another folder, or ask whoever looks after this computer to let you write there.</source>
        <translation>usted no puede escribir en la carpeta &quot;%1&quot;. Elija otra carpeta, o pida a quien administra esta computadora que le permita escribir allí.</translation>
    </message>
    <message>
        <source>the disk of the folder &quot;%1&quot; is read-only. Choose another disk.</source>
        <translation>el disco de la carpeta &quot;%1&quot; es de solo lectura. Elija otro disco.</translation>
    </message>
    <message>
        <source>the file name is longer than the disk allows. Choose a shorter name.</source>
        <translation>el nombre de archivo es más largo de lo que el disco permite. Elija un nombre más corto.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist.</source>
        <translation>la carpeta &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>a folder of that name is in the way. Choose another name.</source>
        <translation>ya hay una carpeta con ese nombre. Elija otro nombre.</translation>
    </message>
</context>
<context>
    <name>GiftImport</name>
    <message>
        <source>no active person has envelope number %1</source>
        <translation>ninguna persona activa tiene el número de sobre %1</translation>
    </message>
    <message>
        <source>several people have the e-mail address %1</source>
        <translation>varias personas tienen la dirección de correo electrónico %1</translation>
    </message>
    <message>
        <source>no giver is named</source>
        <translation>no se indica ningún donante</translation>
    </message>
    <message>
        <source>nobody has the e-mail address %1</source>
        <translation>nadie tiene la dirección de correo electrónico %1</translation>
    </message>
    <message>
        <source>several people are named %1</source>
        <translation>varias personas se llaman %1</translation>
    </message>
    <message>
        <source>nobody is named %1</source>
        <translation>nadie se llama %1</translation>
    </message>
    <message>
        <source>nobody is named %1 at %2</source>
        <translation>nadie llamado %1 vive en %2</translation>
    </message>
    <message>
        <source>The mapping &quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer la correspondencia &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The mapping &quot;%1&quot; is not a JSON object of column names and fields.</source>
        <translation>La correspondencia &quot;%1&quot; no es un objeto JSON de nombres de columna y campos.</translation>
    </message>
    <message>
        <source>The mapping &quot;%1&quot; names the field &quot;%2&quot;, which is none of: %3.</source>
        <translation>La correspondencia &quot;%1&quot; indica el campo &quot;%2&quot;, que no es ninguno de: %3.</translation>
    </message>
    <message>
        <source>No column of &quot;%1&quot; is taken for the gift&apos;s %2; name the columns with --mapping FILE.json.</source>
        <translation>Ninguna columna de &quot;%1&quot; se usa para el campo %2 de la ofrenda; indique las columnas con --mapping FILE.json.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>&quot;%1&quot; no es una fecha</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>&quot;%1&quot; no es un importe</translation>
    </message>
    <message>
        <source>no fund is named</source>
        <translation>no se indica ningún fondo</translation>
    </message>
    <message>
        <source>the church has no fund named &quot;%1&quot; (--create-funds adds it)</source>
        <translation>la iglesia no tiene ningún fondo llamado &quot;%1&quot; (--create-funds lo agrega)</translation>
    </message>
    <message>
        <source>a refund of %1, and the giver has no gift %2 on or before %3 to take back</source>
        <translation>un reembolso de %1, y el donante no tiene ninguna ofrenda %2 en o antes del %3 que anular</translation>
    </message>
    <message>
        <source>of that amount</source>
        <translation>de ese importe</translation>
    </message>
    <message>
        <source>with the reference &quot;%1&quot;</source>
        <translation>con la referencia &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 would import %2 gift(s), %3, of the %4 row(s) with an amount (%5).</source>
        <translation>%1 importaría %2 ofrenda(s), %3, de las %4 fila(s) con importe (%5).</translation>
    </message>
    <message>
        <source>Imported %1 gift(s), %2, from %3 into the batch of %4 (its control total: the file&apos;s %5 in %6 row(s)).</source>
        <translation>Se importaron %1 ofrenda(s), %2, de %3 al lote del %4 (su total de control: los %5 del archivo en %6 fila(s)).</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>No se importó nada de %1.</translation>
    </message>
    <message>
        <source>The backup made before it is &quot;%1&quot;.</source>
        <translation>La copia de seguridad hecha antes es &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>New funds: %1</source>
        <translation>Fondos nuevos: %1</translation>
    </message>
    <message>
        <source>Imported before, left out: %1 row(s).</source>
        <translation>Importadas antes, omitidas: %1 fila(s).</translation>
    </message>
    <message>
        <source>Left out (line: why):</source>
        <translation>Omitidas (línea: motivo):</translation>
    </message>
</context>
<context>
    <name>GiftMethods</name>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En línea</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
</context>
<context>
    <name>GivingJobs</name>
    <message>
        <source>--statements needs --pdf DIR, the folder the statements are written to.</source>
        <translation>--statements necesita --pdf DIR, la carpeta donde se escriben los estados de cuenta.</translation>
    </message>
    <message>
        <source>--%1 takes a date such as 2026-12-31, not &quot;%2&quot;.</source>
        <translation>--%1 recibe una fecha como 2026-12-31, no &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The period starts (%1) after it ends (%2).</source>
        <translation>El período empieza (%1) después de terminar (%2).</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>No se pudo crear la carpeta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 statement for %2 to %3 written to %4.</source>
        <translation>%1 estado de cuenta del %2 al %3 escrito en %4.</translation>
    </message>
    <message>
        <source>%1 statements for %2 to %3 written to %4.</source>
        <translation>%1 estados de cuenta del %2 al %3 escritos en %4.</translation>
    </message>
    <message>
        <source>Totals per fund: %1</source>
        <translation>Totales por fondo: %1</translation>
    </message>
    <message>
        <source>Without an address (the statement is written, but cannot be mailed): %1</source>
        <translation>Sin dirección (el estado de cuenta se escribió, pero no se puede enviar por correo): %1</translation>
    </message>
    <message>
        <source>Import the gifts of the CSV table FILE (as online-giving services export them) into one new batch of the database config.txt names (or the one --into names), after a backup, and stop.</source>
        <translation>Importar las ofrendas de la tabla CSV FILE (tal como las exportan los servicios de donación en línea) en un lote nuevo de la base de datos que indica config.txt (o la que indica --into), después de una copia de seguridad, y terminar.</translation>
    </message>
    <message>
        <source>Which column fills which field of the import (JSON).</source>
        <translation>Qué columna llena qué campo de la importación (JSON).</translation>
    </message>
    <message>
        <source>Print what the import would do and write nothing.</source>
        <translation>Mostrar lo que haría la importación sin escribir nada.</translation>
    </message>
    <message>
        <source>Create the funds --import-gifts names that the church lacks, instead of leaving their rows out.</source>
        <translation>Crear los fondos que indica --import-gifts y que la iglesia no tiene, en lugar de omitir sus filas.</translation>
    </message>
    <message>
        <source>The database the import writes to, instead of the one config.txt names.</source>
        <translation>La base de datos en la que escribe la importación, en lugar de la que indica config.txt.</translation>
    </message>
    <message>
        <source>Write the contribution statements of everybody who gave in the period, one PDF per giver or household in the folder --pdf names, and stop.</source>
        <translation>Escribir los estados de cuenta de ofrendas de todos los que dieron en el período, un PDF por donante o familia en la carpeta que indica --pdf, y terminar.</translation>
    </message>
    <message>
        <source>The first day of --statements&apos; period (default: January 1 of last year).</source>
        <translation>El primer día del período de --statements (predeterminado: 1 de enero del año pasado).</translation>
    </message>
    <message>
        <source>The last day of --statements&apos; period (default: December 31 of last year).</source>
        <translation>El último día del período de --statements (predeterminado: 31 de diciembre del año pasado).</translation>
    </message>
    <message>
        <source>The folder --statements writes to.</source>
        <translation>La carpeta en la que escribe --statements.</translation>
    </message>
    <message>
        <source>Also write the totals of --statements per giver and fund to the CSV file FILE.</source>
        <translation>Escribir además los totales de --statements por donante y fondo en el archivo CSV FILE.</translation>
    </message>
</context>
<context>
    <name>GivingReports</name>
    <message>
        <source>This batch was deleted at another workstation.</source>
        <translation>Este lote fue eliminado en otra estación de trabajo.</translation>
    </message>
    <message>
        <source>Loose offering</source>
        <translation>Ofrenda suelta</translation>
    </message>
    <message>
        <source>Deposit Report</source>
        <translation>Informe de depósito</translation>
    </message>
    <message>
        <source>Batch of %1</source>
        <translation>Lote del %1</translation>
    </message>
    <message>
        <source>Closed by %1 on %2</source>
        <translation>Cerrado por %1 el %2</translation>
    </message>
    <message>
        <source>Open: not closed yet</source>
        <translation>Abierto: aún no se ha cerrado</translation>
    </message>
    <message>
        <source>Giver</source>
        <translation>Donante</translation>
    </message>
    <message>
        <source>Check No.</source>
        <translation>N.º de cheque</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Cheques</translation>
    </message>
    <message>
        <source>No checks in this batch.</source>
        <translation>No hay cheques en este lote.</translation>
    </message>
    <message>
        <source>By method</source>
        <translation>Por forma de pago</translation>
    </message>
    <message>
        <source>By fund</source>
        <translation>Por fondo</translation>
    </message>
    <message>
        <source>Total of %1 gift(s)</source>
        <translation>Total de %1 ofrenda(s)</translation>
    </message>
    <message>
        <source>Control total of %1 gift(s)</source>
        <translation>Total de control de %1 ofrenda(s)</translation>
    </message>
    <message>
        <source>Variance</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Other funds</source>
        <translation>Otros fondos</translation>
    </message>
    <message>
        <source>Giving by Fund and Month</source>
        <translation>Ofrendas por fondo y mes</translation>
    </message>
    <message>
        <source>Gifts of %1, returned gifts netted</source>
        <translation>Ofrendas de %1, descontadas las devueltas</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Total per month</source>
        <translation>Total por mes</translation>
    </message>
    <message>
        <source>Pledges and Giving</source>
        <translation>Promesas y ofrendas</translation>
    </message>
    <message>
        <source>Pledges running from %1 to %2, given up to %2</source>
        <translation>Promesas vigentes del %1 al %2, donado hasta el %2</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Pledge period</source>
        <translation>Período de la promesa</translation>
    </message>
    <message>
        <source>Pledged</source>
        <translation>Prometido</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Donado</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>No pledges run in this period.</source>
        <translation>No hay promesas vigentes en este período.</translation>
    </message>
    <message>
        <source>%1 pledge(s)</source>
        <translation>%1 promesa(s)</translation>
    </message>
    <message>
        <source>Givers and Totals</source>
        <translation>Donantes y totales</translation>
    </message>
    <message>
        <source>Gifts from %1 to %2, returned gifts netted</source>
        <translation>Ofrendas del %1 al %2, descontadas las devueltas</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Ofrendas</translation>
    </message>
    <message>
        <source>%1 giver(s)</source>
        <translation>%1 donante(s)</translation>
    </message>
</context>
<context>
    <name>GivingScreens</name>
    <message>
        <source>change the funds</source>
        <translation>modificar los fondos</translation>
    </message>
</context>
<context>
    <name>GridExport</name>
    <message>
        <source>Export to CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Export to CSV...</source>
        <translation>Exportar a CSV...</translation>
    </message>
    <message>
        <source>1 person found</source>
        <translation>1 persona encontrada</translation>
    </message>
    <message>
        <source>%1 people found</source>
        <translation>%1 personas encontradas</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Pewlark is waiting for another program or workstation that is writing to the database &quot;%1&quot; (at most %2 seconds)...</source>
        <translation>Pewlark está esperando a otro programa o estación de trabajo que está escribiendo en la base de datos &quot;%1&quot; (como máximo %2 segundos)...</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocurrió un error inesperado.</translation>
    </message>
</context>
<context>
    <name>Health</name>
    <message>
        <source>The database &quot;%1&quot; cannot be used: %2 Restore the most recent backup of it.</source>
        <translation>La base de datos &quot;%1&quot; no se puede usar: %2 Restaure su copia de seguridad más reciente.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a church database: it is what was left when writing &quot;%2&quot; was interrupted, and it may be incomplete. Use &quot;%2&quot; if it exists, or create that database again; the leftover file can be deleted.</source>
        <translation>El archivo &quot;%1&quot; no es una base de datos de iglesia: es lo que quedó cuando se interrumpió la escritura de &quot;%2&quot;, y puede estar incompleto. Use &quot;%2&quot; si existe, o cree esa base de datos de nuevo; el archivo sobrante se puede eliminar.</translation>
    </message>
    <message>
        <source>it is damaged (the engine&apos;s check found %1 problem).</source>
        <translation>está dañada (la verificación del motor encontró %1 problema).</translation>
    </message>
    <message>
        <source>it is damaged (the engine&apos;s check found %1 problems).</source>
        <translation>está dañada (la verificación del motor encontró %1 problemas).</translation>
    </message>
    <message>
        <source>it is damaged.</source>
        <translation>está dañada.</translation>
    </message>
    <message>
        <source>%1 holds no user accounts, so nobody can log in. It may be an unfinished or damaged copy; copy the church onto it again, or restore the server&apos;s most recent backup of it.</source>
        <translation>%1 no contiene cuentas de usuario, así que nadie puede iniciar sesión. Puede ser una copia incompleta o dañada; copie la iglesia en ella de nuevo, o restaure la copia de seguridad más reciente del servidor.</translation>
    </message>
    <message>
        <source>it holds no user accounts, so nobody can log in. It may be an unfinished or damaged copy.</source>
        <translation>no contiene cuentas de usuario, así que nadie puede iniciar sesión. Puede ser una copia incompleta o dañada.</translation>
    </message>
    <message>
        <source>the file was opened read-only</source>
        <translation>el archivo se abrió en solo lectura</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>Finding and adding a person</source>
        <translation>Buscar y agregar una persona</translation>
    </message>
    <message>
        <source>Families</source>
        <translation>Familias</translation>
    </message>
    <message>
        <source>Responsibilities, classes and care groups</source>
        <translation>Responsabilidades, clases y grupos de cuidado</translation>
    </message>
    <message>
        <source>Outreach contacts</source>
        <translation>Contactos de alcance</translation>
    </message>
    <message>
        <source>Printing and labels</source>
        <translation>Impresión y etiquetas</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Users and permissions</source>
        <translation>Usuarios y permisos</translation>
    </message>
    <message>
        <source>Attendance</source>
        <translation>Asistencia</translation>
    </message>
    <message>
        <source>Giving</source>
        <translation>Ofrendas</translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation>Roles de servicio</translation>
    </message>
    <message>
        <source>Check-in</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>Church Directory</source>
        <translation>Directorio de la iglesia</translation>
    </message>
    <message>
        <source>Importing people from a spreadsheet</source>
        <translation>Importar personas desde una hoja de cálculo</translation>
    </message>
    <message>
        <source>Merging and deleting people</source>
        <translation>Combinar y eliminar personas</translation>
    </message>
</context>
<context>
    <name>HouseholdLabels</name>
    <message>
        <source>The %1 Family</source>
        <translation>Familia %1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>--duplicates takes skip, fill or add, not &quot;%1&quot;.</source>
        <translation>--duplicates admite skip, fill o add, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No column of &quot;%1&quot; is taken for a first or last name; name the columns with --mapping FILE.json (File &gt; Import People... saves one).</source>
        <translation>Ninguna columna de &quot;%1&quot; se toma como nombre o apellido; indique las columnas con --mapping ARCHIVO.json (Archivo &gt; Importar personas... guarda uno).</translation>
    </message>
</context>
<context>
    <name>ImportJobs</name>
    <message>
        <source>--import-legacy needs --into NEW.sqlite, the new database to write.</source>
        <translation>--import-legacy necesita --into NEW.sqlite, la nueva base de datos que se escribirá.</translation>
    </message>
    <message>
        <source>Import the older program&apos;s database FILE (.mdb) into the new file --into names, and stop.</source>
        <translation>Importar la base de datos FILE (.mdb) del programa anterior en el archivo nuevo que indica --into, y terminar.</translation>
    </message>
    <message>
        <source>New database for --import-legacy.</source>
        <translation>Nueva base de datos para --import-legacy.</translation>
    </message>
    <message>
        <source>Picture folder for --import-legacy to check.</source>
        <translation>Carpeta de fotos que --import-legacy debe revisar.</translation>
    </message>
</context>
<context>
    <name>ImportMapping</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Dirección 1</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Dirección 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado/Provincia</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Teléfono del trabajo</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Marital Status</source>
        <translation>Estado civil</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Aniversario</translation>
    </message>
    <message>
        <source>Place of Work</source>
        <translation>Lugar de trabajo</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Ocupación</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Pasatiempos</translation>
    </message>
    <message>
        <source>Organizations</source>
        <translation>Organizaciones</translation>
    </message>
    <message>
        <source>Member Status</source>
        <translation>Estado de miembro</translation>
    </message>
    <message>
        <source>Church Status</source>
        <translation>Estado en la iglesia</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Estado de prospecto</translation>
    </message>
    <message>
        <source>Member Since</source>
        <translation>Miembro desde</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Bautizado</translation>
    </message>
    <message>
        <source>Previous Church</source>
        <translation>Iglesia anterior</translation>
    </message>
    <message>
        <source>Newsletter by Mail</source>
        <translation>Boletín por correo postal</translation>
    </message>
    <message>
        <source>Newsletter by E-mail</source>
        <translation>Boletín por correo electrónico</translation>
    </message>
    <message>
        <source>Family Identifier</source>
        <translation>Identificador de familia</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Parentesco</translation>
    </message>
    <message>
        <source>Head of Household</source>
        <translation>Cabeza de familia</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a column mapping of Pewlark&apos;s people import: %2.</source>
        <translation>El archivo &quot;%1&quot; no es una asignación de columnas de la importación de personas de Pewlark: %2.</translation>
    </message>
    <message>
        <source>it has no &quot;columns&quot;</source>
        <translation>no tiene &quot;columns&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field a column can fill</source>
        <translation>&quot;%1&quot; no es un campo que una columna pueda llenar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field every row can be given</source>
        <translation>&quot;%1&quot; no es un campo que se pueda dar a todas las filas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not skip, fill or add</source>
        <translation>&quot;%1&quot; no es skip, fill ni add</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer el archivo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>No se pudo escribir el archivo &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>%1 &quot;%2&quot; is not a date; left empty</source>
        <translation>%1 &quot;%2&quot; no es una fecha; se dejó vacío</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; does not have ten digits; stored as it is</source>
        <translation>%1 &quot;%2&quot; no tiene diez dígitos; se guardó tal como está</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not yes or no; stored as no</source>
        <translation>%1 &quot;%2&quot; no es sí ni no; se guardó como no</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; (kept as it is)</source>
        <translation>%1 &quot;%2&quot; (se mantuvo tal como está)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not yes or no; taken as no</source>
        <translation>%1 &quot;%2&quot; no es sí ni no; se tomó como no</translation>
    </message>
    <message>
        <source>values after the last named column left out: %1</source>
        <translation>se omitieron los valores después de la última columna con nombre: %1</translation>
    </message>
    <message>
        <source>no first or last name</source>
        <translation>sin nombre ni apellido</translation>
    </message>
    <message>
        <source>the row on line %1</source>
        <translation>la fila de la línea %1</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
    <message>
        <source>the people</source>
        <translation>las personas</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot; (%2) into &quot;%3&quot;.

</source>
        <translation>Se importó &quot;%1&quot; (%2) en &quot;%3&quot;.

</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; (%2); the import into &quot;%3&quot; failed.

</source>
        <translation>Se leyó &quot;%1&quot; (%2); la importación en &quot;%3&quot; falló.

</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>   Old file  New database  Not stored
</source>
        <translation>  Anterior  Nueva base    No guardadas
</translation>
    </message>
    <message>
        <source>Accounts: %1 passwords stored as protected hashes; each works as before, in any letter case.
</source>
        <translation>Cuentas: %1 contraseñas guardadas como hashes protegidos; cada una funciona como antes, con mayúsculas o minúsculas.
</translation>
    </message>
    <message>
        <source>Accounts without a password, which cannot log in until an administrator sets one: %1.
</source>
        <translation>Cuentas sin contraseña, que no pueden iniciar sesión hasta que un administrador asigne una: %1.
</translation>
    </message>
    <message>
        <source>Accounts whose user names differ only in letter case: %1. Each still logs in with its own password; an administrator should give all but one of them names of their own on the user entry screen.
</source>
        <translation>Cuentas cuyos nombres de usuario solo difieren en mayúsculas y minúsculas: %1. Cada una sigue iniciando sesión con su propia contraseña; un administrador debería dar a todas menos una un nombre propio en la pantalla de usuarios.
</translation>
    </message>
    <message>
        <source>Warning: no active &quot;Admin&quot; account has a password, so nobody can administer the new database.
</source>
        <translation>Advertencia: ninguna cuenta &quot;Admin&quot; activa tiene contraseña, así que nadie puede administrar la nueva base de datos.
</translation>
    </message>
    <message>
        <source>Pictures: %1 named in the file; not checked (name the picture folder with --pictures DIR to check them).
</source>
        <translation>Fotos: %1 indicadas en el archivo; no revisadas (indique la carpeta de fotos con --pictures DIR para revisarlas).
</translation>
    </message>
    <message>
        <source>Pictures: %1 named in the file, all of them in the picture folder.
</source>
        <translation>Fotos: %1 indicadas en el archivo, todas en la carpeta de fotos.
</translation>
    </message>
    <message>
        <source>Pictures: %1 named in the file; %2 missing from the picture folder: %3.
</source>
        <translation>Fotos: %1 indicadas en el archivo; faltan %2 en la carpeta de fotos: %3.
</translation>
    </message>
    <message>
        <source>Tables not in the old file (Pewlark&apos;s starting values kept): %1.
</source>
        <translation>Tablas que no están en el archivo anterior (se conservaron los valores iniciales de Pewlark): %1.
</translation>
    </message>
    <message>
        <source>Columns only in the old file, not copied: %1.
</source>
        <translation>Columnas que solo están en el archivo anterior, no copiadas: %1.
</translation>
    </message>
    <message>
        <source>Columns not in the old file, left empty: %1.
</source>
        <translation>Columnas que no están en el archivo anterior, dejadas vacías: %1.
</translation>
    </message>
    <message>
        <source>Added to the old lists because Pewlark relies on them: %1.
</source>
        <translation>Agregados a las listas anteriores porque Pewlark depende de ellos: %1.
</translation>
    </message>
    <message>
        <source>Text: mdbtools passed the file&apos;s text on unconverted; it was read as Windows-1252.
</source>
        <translation>Texto: mdbtools entregó el texto del archivo sin convertir; se leyó como Windows-1252.
</translation>
    </message>
    <message>
        <source>Rows not stored: %1; rows left out because they name a person, account, class or permission the old file does not have: %2; links to missing rows cleared: %3. Each is listed in &quot;%4&quot;.
</source>
        <translation>Filas no guardadas: %1; filas omitidas porque nombran una persona, cuenta, clase o permiso que el archivo anterior no tiene: %2; vínculos a filas inexistentes borrados: %3. Cada una figura en &quot;%4&quot;.
</translation>
    </message>
    <message>
        <source>The import failed: %1
</source>
        <translation>La importación falló: %1
</translation>
    </message>
    <message>
        <source>Next: copy the pictures into the picture folder that config.txt names, and make config.txt name &quot;%1&quot; as the database.
</source>
        <translation>Siguiente paso: copie las fotos en la carpeta de fotos que indica config.txt, y haga que config.txt indique &quot;%1&quot; como base de datos.
</translation>
    </message>
    <message>
        <source>Rows of &quot;%1&quot; not stored in &quot;%2&quot;, and values changed to store a row.
Line is the row&apos;s line in the table&apos;s export (mdb-export); - for checks made after copying.

</source>
        <translation>Filas de &quot;%1&quot; no guardadas en &quot;%2&quot;, y valores cambiados para guardar una fila.
Línea es la línea de la fila en la exportación de la tabla (mdb-export); - para verificaciones hechas después de copiar.

</translation>
    </message>
    <message>
        <source>Table	Line	Row	What happened
</source>
        <translation>Tabla	Línea	Fila	Qué pasó
</translation>
    </message>
    <message>
        <source>stored; </source>
        <translation>guardado; </translation>
    </message>
    <message>
        <source>left out: </source>
        <translation>omitida: </translation>
    </message>
    <message>
        <source>not stored: </source>
        <translation>no guardado: </translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2, %3 separated, %4 rows)</source>
        <translation>&quot;%1&quot; (%2, separado por %3, %4 filas)</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>empty fields filled</source>
        <translation>campos vacíos completados</translation>
    </message>
    <message>
        <source>added anyway</source>
        <translation>agregado de todos modos</translation>
    </message>
    <message>
        <source>Values added to their lists: %1.
</source>
        <translation>Valores agregados a sus listas: %1.
</translation>
    </message>
    <message>
        <source>Values not in their lists, stored as they are: %1.
</source>
        <translation>Valores que no están en sus listas, guardados tal como están: %1.
</translation>
    </message>
    <message>
        <source>Given to every person without one: %1.
</source>
        <translation>Asignado a cada persona que no lo tenía: %1.
</translation>
    </message>
    <message>
        <source>%1 without %2</source>
        <translation>%1 sin %2</translation>
    </message>
    <message>
        <source>%1 without a field every person needs: %2 (%3). The member screen saves no change to them until it is filled; the import&apos;s choices (or a mapping&apos;s &quot;defaults&quot;) can give every person a value.
</source>
        <translation>%1 sin un campo que toda persona necesita: %2 (%3). La pantalla de miembros no guarda ningún cambio en ellas hasta que se complete; las opciones de la importación (o los &quot;defaults&quot; de una asignación) pueden dar un valor a cada persona.
</translation>
    </message>
    <message>
        <source>People added</source>
        <translation>Personas agregadas</translation>
    </message>
    <message>
        <source>New people</source>
        <translation>Personas nuevas</translation>
    </message>
    <message>
        <source>Preview of %1; nothing has been written.

</source>
        <translation>Vista previa de %1; no se ha escrito nada.

</translation>
    </message>
    <message>
        <source>New people:         %1
</source>
        <translation>Personas nuevas:     %1
</translation>
    </message>
    <message>
        <source>New families:       %1
</source>
        <translation>Familias nuevas:     %1
</translation>
    </message>
    <message>
        <source>Updates:            %1
</source>
        <translation>Actualizaciones:     %1
</translation>
    </message>
    <message>
        <source>Duplicates:         %1
</source>
        <translation>Duplicados:          %1
</translation>
    </message>
    <message>
        <source>Rows with problems: %1
</source>
        <translation>Filas con problemas: %1
</translation>
    </message>
    <message>
        <source>
Problems:
</source>
        <translation>
Problemas:
</translation>
    </message>
    <message>
        <source>Line %1: %2%3
</source>
        <translation>Línea %1: %2%3
</translation>
    </message>
    <message>
        <source> (not stored)</source>
        <translation> (no guardado)</translation>
    </message>
    <message>
        <source>
Duplicates:
</source>
        <translation>
Duplicados:
</translation>
    </message>
    <message>
        <source>Line %1: %2 %3 matches %4; %5
</source>
        <translation>Línea %1: %2 %3 coincide con %4; %5
</translation>
    </message>
    <message>
        <source>The import of %1 into %2 failed; nothing of it was written.
%3
</source>
        <translation>La importación de %1 en %2 falló; no se escribió nada de ella.
%3
</translation>
    </message>
    <message>
        <source>The backup made before it is &quot;%1&quot;.
</source>
        <translation>La copia de seguridad hecha antes es &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>Imported %1 into %2.
</source>
        <translation>Se importó %1 en %2.
</translation>
    </message>
    <message>
        <source>Backup made before the import: &quot;%1&quot;.
</source>
        <translation>Copia de seguridad hecha antes de la importación: &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>People added:                %1
</source>
        <translation>Personas agregadas:              %1
</translation>
    </message>
    <message>
        <source>Existing people filled in:   %1
</source>
        <translation>Personas existentes completadas: %1
</translation>
    </message>
    <message>
        <source>Duplicates skipped:          %1
</source>
        <translation>Duplicados omitidos:             %1
</translation>
    </message>
    <message>
        <source>Family connections made:     %1
</source>
        <translation>Vínculos familiares creados:     %1
</translation>
    </message>
    <message>
        <source>Rows not stored:             %1
</source>
        <translation>Filas no guardadas:              %1
</translation>
    </message>
    <message>
        <source>Rows with problems: %1. Each is listed in &quot;%2&quot;.
</source>
        <translation>Filas con problemas: %1. Cada una aparece en &quot;%2&quot;.
</translation>
    </message>
    <message>
        <source>Rows of &quot;%1&quot; not stored in %2, and values changed to store a row.
Line is the row&apos;s line in the file (the column names are line 1).

</source>
        <translation>Filas de &quot;%1&quot; no guardadas en %2, y valores cambiados para guardar una fila.
Línea es la línea de la fila en el archivo (los nombres de columna son la línea 1).

</translation>
    </message>
    <message>
        <source>Line	Row	What happened
</source>
        <translation>Línea	Fila	Qué pasó
</translation>
    </message>
</context>
<context>
    <name>Importer</name>
    <message>
        <source>%1 %2 cleared: it is not in %3</source>
        <translation>%1 %2 borrado: no está en %3</translation>
    </message>
    <message>
        <source>The list of rows not stored could not be written to &quot;%1&quot;: %2</source>
        <translation>No se pudo escribir la lista de filas no guardadas en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Name the new database with --into NEW.sqlite.</source>
        <translation>Indique la nueva base de datos con --into NEW.sqlite.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the import: %1</source>
        <translation>No se pudo crear una carpeta temporal para la importación: %1</translation>
    </message>
    <message>
        <source>Copying the church onto %1</source>
        <translation>Copiando la iglesia en %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; it was left unchanged. Import into a new file name.</source>
        <translation>El archivo &quot;%1&quot; ya existe; se dejó sin cambios. Importe en un nombre de archivo nuevo.</translation>
    </message>
    <message>
        <source>The folder of &quot;%1&quot; does not exist.</source>
        <translation>La carpeta de &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>The picture folder &quot;%1&quot; does not exist.</source>
        <translation>La carpeta de fotos &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>no tiene la tabla %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its table %2 holds %3 rows by its own count, but %4 could be read; nothing was imported.</source>
        <translation>El archivo &quot;%1&quot; está dañado: su tabla %2 contiene %3 filas según su propio conteo, pero se pudieron leer %4; no se importó nada.</translation>
    </message>
    <message>
        <source>Table %1 was not copied whole: %2 rows were written, %3 are there.</source>
        <translation>La tabla %1 no se copió completa: se escribieron %2 filas, hay %3.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 rows copied</source>
        <translation>%1: %2 de %3 filas copiadas</translation>
    </message>
    <message>
        <source>, %1 not stored</source>
        <translation>, %1 no guardadas</translation>
    </message>
    <message>
        <source>%1 rows could not be stored; they are listed in &quot;%2&quot; with the reason. Nothing was written at &quot;%3&quot;: correct those rows in the old file (or remove them there), then run the import again.</source>
        <translation>No se pudieron guardar %1 filas; figuran en &quot;%2&quot; con el motivo. No se escribió nada en &quot;%3&quot;: corrija esas filas en el archivo anterior (o elimínelas allí) y vuelva a ejecutar la importación.</translation>
    </message>
    <message>
        <source>The new database failed its check (%1); nothing was written at &quot;%2&quot;.</source>
        <translation>La nueva base de datos no pasó su verificación (%1); no se escribió nada en &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>JetCsv</name>
    <message>
        <source>the export has no line of column names</source>
        <translation>la exportación no tiene una línea de nombres de columna</translation>
    </message>
    <message>
        <source>line %1: a quote is never closed</source>
        <translation>línea %1: unas comillas nunca se cierran</translation>
    </message>
    <message>
        <source>line %1: text follows a closing quote</source>
        <translation>línea %1: hay texto después de unas comillas de cierre</translation>
    </message>
</context>
<context>
    <name>JetTools</name>
    <message>
        <source>Access 2007 or later</source>
        <translation>Access 2007 o posterior</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>El archivo &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>&quot;%1&quot; no es un archivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Jet database (.mdb) file; nothing was imported.</source>
        <translation>El archivo &quot;%1&quot; no es un archivo de base de datos Jet (.mdb); no se importó nada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: it is cut short (%2 bytes); nothing was imported.</source>
        <translation>El archivo &quot;%1&quot; está dañado: está truncado (%2 bytes); no se importó nada.</translation>
    </message>
    <message>
        <source>The program %1 was not found. Reading the older program&apos;s files needs mdbtools: install the Debian package &quot;%2&quot; (sudo apt-get install %2) and run the import again.</source>
        <translation>No se encontró el programa %1. Para leer los archivos del programa anterior se necesita mdbtools: instale el paquete de Debian &quot;%2&quot; (sudo apt-get install %2) y vuelva a ejecutar la importación.</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>código de salida %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: %2 (mdbtools: %3); nothing was imported.</source>
        <translation>El archivo &quot;%1&quot; está dañado: %2 (mdbtools: %3); no se importó nada.</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>su lista de tablas no se puede leer</translation>
    </message>
    <message>
        <source>the size of table %1 cannot be read</source>
        <translation>el tamaño de la tabla %1 no se puede leer</translation>
    </message>
    <message>
        <source>table %1 cannot be read whole</source>
        <translation>la tabla %1 no se puede leer completa</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Allergy: %1</source>
        <translation>Alergia: %1</translation>
    </message>
    <message>
        <source>Pick-up stub</source>
        <translation>Talón de recogida</translation>
    </message>
    <message>
        <source>Name Labels</source>
        <translation>Etiquetas de nombre</translation>
    </message>
    <message>
        <source>Sample</source>
        <extracomment>A made-up child on the test label.</extracomment>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Nursery</source>
        <translation>Cuna</translation>
    </message>
    <message>
        <source>Peanuts</source>
        <translation>Maní</translation>
    </message>
    <message>
        <source>Test Labels</source>
        <translation>Etiquetas de prueba</translation>
    </message>
    <message>
        <source>Test: %1</source>
        <translation>Prueba: %1</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Pewlark will speak %1 from the next time it starts.</source>
        <translation>Pewlark usará %1 a partir de la próxima vez que se inicie.</translation>
    </message>
</context>
<context>
    <name>LayoutLabels</name>
    <message>
        <source>No addresses to print.</source>
        <translation>No hay direcciones para imprimir.</translation>
    </message>
</context>
<context>
    <name>LayoutLists</name>
    <message>
        <source>Mail</source>
        <translation>Correo postal</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Name and contact</source>
        <translation>Nombre y contacto</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Iglesia</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Interés</translation>
    </message>
    <message>
        <source>Visitor 1</source>
        <translation>Visitante 1</translation>
    </message>
    <message>
        <source>Visitor 2</source>
        <translation>Visitante 2</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Marital status</source>
        <translation>Estado civil</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Aniversario de bodas</translation>
    </message>
    <message>
        <source>Head of house</source>
        <translation>Jefe de familia</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Ocupación</translation>
    </message>
    <message>
        <source>Place of work</source>
        <translation>Lugar de trabajo</translation>
    </message>
    <message>
        <source>Map section</source>
        <translation>Sector del mapa</translation>
    </message>
    <message>
        <source>Member since</source>
        <translation>Miembro desde</translation>
    </message>
    <message>
        <source>Prev. church</source>
        <translation>Igl. anterior</translation>
    </message>
    <message>
        <source>Came forward</source>
        <translation>Pasó al frente</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Bautizado</translation>
    </message>
    <message>
        <source>Sunday School</source>
        <translation>Escuela Dominical</translation>
    </message>
    <message>
        <source>Discipleship</source>
        <translation>Discipulado</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Care group</source>
        <translation>Grupo de cuidado</translation>
    </message>
    <message>
        <source>Deacon</source>
        <translation>Diácono</translation>
    </message>
    <message>
        <source>Newsletter</source>
        <translation>Boletín</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Pasatiempos</translation>
    </message>
    <message>
        <source>Organizations</source>
        <translation>Organizaciones</translation>
    </message>
    <message>
        <source>No people to list.</source>
        <translation>No hay personas que listar.</translation>
    </message>
    <message>
        <source>No prospects to list.</source>
        <translation>No hay prospectos que listar.</translation>
    </message>
    <message>
        <source>No contacts recorded.</source>
        <translation>No hay contactos registrados.</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Contacts of %1 (continued)</source>
        <translation>Contactos de %1 (continuación)</translation>
    </message>
</context>
<context>
    <name>LayoutSheets</name>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Parentesco</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>No family members recorded.</source>
        <translation>No hay familiares registrados.</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>This visit</source>
        <translation>Esta visita</translation>
    </message>
    <message>
        <source>Date of visit:</source>
        <translation>Fecha de la visita:</translation>
    </message>
    <message>
        <source>Visited by:</source>
        <translation>Visitado por:</translation>
    </message>
    <message>
        <source>Type of contact:</source>
        <translation>Tipo de contacto:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Interés:</translation>
    </message>
    <message>
        <source>Next contact:</source>
        <translation>Próximo contacto:</translation>
    </message>
    <message>
        <source>What happened, prayer needs, questions:</source>
        <translation>Qué sucedió, peticiones de oración, preguntas:</translation>
    </message>
    <message>
        <source>Next step:</source>
        <translation>Próximo paso:</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familia</translation>
    </message>
    <message>
        <source>Family (continued)</source>
        <translation>Familia (continuación)</translation>
    </message>
    <message>
        <source>No prospect was found for this sheet.</source>
        <translation>No se encontró ningún prospecto para esta hoja.</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Home phone</source>
        <translation>Teléfono de casa</translation>
    </message>
    <message>
        <source>Cell phone</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work phone</source>
        <translation>Teléfono del trabajo</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Marital status</source>
        <translation>Estado civil</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Aniversario de bodas</translation>
    </message>
    <message>
        <source>Head of house</source>
        <translation>Jefe de familia</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Ocupación</translation>
    </message>
    <message>
        <source>Place of work</source>
        <translation>Lugar de trabajo</translation>
    </message>
    <message>
        <source>Map section</source>
        <translation>Sector del mapa</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Prospect status</source>
        <translation>Estado de prospecto</translation>
    </message>
    <message>
        <source>Member status</source>
        <translation>Estado de miembro</translation>
    </message>
    <message>
        <source>Member of</source>
        <translation>Miembro de</translation>
    </message>
    <message>
        <source>Sunday School</source>
        <translation>Escuela Dominical</translation>
    </message>
    <message>
        <source>Care group</source>
        <translation>Grupo de cuidado</translation>
    </message>
    <message>
        <source>Next contact</source>
        <translation>Próximo contacto</translation>
    </message>
    <message>
        <source>Next action</source>
        <translation>Próxima acción</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Prospect</source>
        <translation>Prospecto</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>Nada registrado.</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Pasatiempos</translation>
    </message>
    <message>
        <source>Organizations</source>
        <translation>Organizaciones</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Prospect note</source>
        <translation>Nota de prospecto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Visitor 1</source>
        <translation>Visitante 1</translation>
    </message>
    <message>
        <source>Visitor 2</source>
        <translation>Visitante 2</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Interés</translation>
    </message>
    <message>
        <source>Contact history</source>
        <translation>Historial de contactos</translation>
    </message>
    <message>
        <source>No contacts recorded.</source>
        <translation>No hay contactos registrados.</translation>
    </message>
    <message>
        <source>Contact history (continued)</source>
        <translation>Historial de contactos (continuación)</translation>
    </message>
    <message>
        <source>By mail</source>
        <translation>Por correo postal</translation>
    </message>
    <message>
        <source>By e-mail</source>
        <translation>Por correo electrónico</translation>
    </message>
    <message>
        <source>by e-mail</source>
        <translation>por correo electrónico</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>No se envía</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>No member was found for this form.</source>
        <translation>No se encontró ningún miembro para este formulario.</translation>
    </message>
    <message>
        <source>Please check the information the church office has for you. Write any correction in the space beside the item and return this form to the church office. Thank you!</source>
        <translation>Por favor, revise la información que la oficina de la iglesia tiene de usted. Escriba cualquier corrección en el espacio junto a cada dato y devuelva este formulario a la oficina de la iglesia. ¡Gracias!</translation>
    </message>
    <message>
        <source>Head of household: %1</source>
        <translation>Jefe de familia: %1</translation>
    </message>
    <message>
        <source>Map section %1</source>
        <translation>Sector del mapa %1</translation>
    </message>
    <message>
        <source>For the church office: %1</source>
        <translation>Para la oficina de la iglesia: %1</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>What we have on file</source>
        <translation>Lo que tenemos registrado</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>City, State Zip</source>
        <translation>Ciudad, estado y código postal</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Member since</source>
        <translation>Miembro desde</translation>
    </message>
    <message>
        <source>Previous church</source>
        <translation>Iglesia anterior</translation>
    </message>
    <message>
        <source>Came forward</source>
        <translation>Pasó al frente</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Bautizado</translation>
    </message>
    <message>
        <source>Sunday School class</source>
        <translation>Clase de Escuela Dominical</translation>
    </message>
    <message>
        <source>Discipleship Training</source>
        <translation>Discipulado</translation>
    </message>
    <message>
        <source>Wednesday night class</source>
        <translation>Clase del miércoles por la noche</translation>
    </message>
    <message>
        <source>Care group leader</source>
        <translation>Líder del grupo de cuidado</translation>
    </message>
    <message>
        <source>Deacon</source>
        <translation>Diácono</translation>
    </message>
    <message>
        <source>Newsletter</source>
        <translation>Boletín</translation>
    </message>
    <message>
        <source>Responsibility</source>
        <translation>Responsabilidad</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Responsibilities</source>
        <translation>Responsabilidades</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Responsibilities (continued)</source>
        <translation>Responsabilidades (continuación)</translation>
    </message>
</context>
<context>
    <name>LegacyValues</name>
    <message>
        <source>&quot;%1&quot; is not %2</source>
        <translation>&quot;%1&quot; no es %2</translation>
    </message>
    <message>
        <source>its year has only %1 digits</source>
        <translation>su año tiene solo %1 dígitos</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>%1 days from 1899-12-30 is no date Jet can hold</source>
        <translation>%1 días desde 1899-12-30 no es una fecha que Jet pueda guardar</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>sí o no</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>una fecha</translation>
    </message>
</context>
<context>
    <name>ListEditor</name>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Desc.</source>
        <translation>Descr.</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Asst. Teacher</source>
        <translation>Maestro auxiliar</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Leader</source>
        <translation>Líder</translation>
    </message>
    <message>
        <source>Asst. Leader</source>
        <translation>Líder auxiliar</translation>
    </message>
    <message>
        <source>SS Class</source>
        <translation>Clase de ED</translation>
    </message>
</context>
<context>
    <name>MDI</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Members</source>
        <translation>&amp;Miembros</translation>
    </message>
    <message>
        <source>&amp;Prospects</source>
        <translation>&amp;Prospectos</translation>
    </message>
    <message>
        <source>&amp;Administrative</source>
        <translation>A&amp;dministración</translation>
    </message>
    <message>
        <source>&amp;Class Entry</source>
        <translation>Registro de &amp;clases</translation>
    </message>
    <message>
        <source>&amp;Security</source>
        <translation>&amp;Seguridad</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>&amp;Member Reports</source>
        <translation>Informes de &amp;miembros</translation>
    </message>
    <message>
        <source>&amp;Prospect Reports</source>
        <translation>Informes de &amp;prospectos</translation>
    </message>
    <message>
        <source>&amp;Giving</source>
        <translation>&amp;Ofrendas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Log Off</source>
        <translation>&amp;Cerrar sesión</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>Con&amp;figuración</translation>
    </message>
    <message>
        <source>Member &amp;Navigator</source>
        <translation>&amp;Navegador de miembros</translation>
    </message>
    <message>
        <source>Member &amp;Entry/Edit</source>
        <translation>Registro/edición de &amp;miembros</translation>
    </message>
    <message>
        <source>&amp;Merge People...</source>
        <translation>&amp;Combinar personas...</translation>
    </message>
    <message>
        <source>Prospect &amp;Navigator</source>
        <translation>&amp;Navegador de prospectos</translation>
    </message>
    <message>
        <source>Prospect &amp;Contact Entry/Edit</source>
        <translation>Registro/edición de &amp;contactos con prospectos</translation>
    </message>
    <message>
        <source>&amp;Sunday School Class Entry</source>
        <translation>Registro de clases de &amp;escuela dominical</translation>
    </message>
    <message>
        <source>&amp;Discipleship Training Class Entry</source>
        <translation>Registro de clases de &amp;discipulado</translation>
    </message>
    <message>
        <source>&amp;Wednesday Night Class Entry</source>
        <translation>Registro de clases del &amp;miércoles por la noche</translation>
    </message>
    <message>
        <source>Care &amp;Group Entry</source>
        <translation>Registro de &amp;grupos de cuidado</translation>
    </message>
    <message>
        <source>Church &amp;Responsibility Entry</source>
        <translation>Registro de &amp;responsabilidades de la iglesia</translation>
    </message>
    <message>
        <source>&amp;Outreach Phase Entry</source>
        <translation>Registro de &amp;fases de alcance</translation>
    </message>
    <message>
        <source>&amp;User Entry</source>
        <translation>Registro de &amp;usuarios</translation>
    </message>
    <message>
        <source>&amp;Member Info Update Report</source>
        <translation>&amp;Informe de actualización de datos de miembros</translation>
    </message>
    <message>
        <source>&amp;Prospect Visitation Sheet</source>
        <translation>Hoja de &amp;visitas a prospectos</translation>
    </message>
    <message>
        <source>&amp;Gift Entry</source>
        <translation>Registro de &amp;ofrendas</translation>
    </message>
    <message>
        <source>&amp;Contribution Statements</source>
        <translation>&amp;Estados de cuenta de contribuciones</translation>
    </message>
    <message>
        <source>Giving &amp;Reports</source>
        <translation>&amp;Informes de ofrendas</translation>
    </message>
    <message>
        <source>&amp;Import Gifts...</source>
        <translation>I&amp;mportar ofrendas...</translation>
    </message>
    <message>
        <source>&amp;Funds</source>
        <translation>&amp;Fondos</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Pewlark &amp;Help</source>
        <translation>A&amp;yuda de Pewlark</translation>
    </message>
    <message>
        <source>&amp;Attendance Entry</source>
        <translation>Registro de &amp;asistencia</translation>
    </message>
    <message>
        <source>&amp;Attendance Reports</source>
        <translation>Informes de &amp;asistencia</translation>
    </message>
    <message>
        <source>&amp;Rosters</source>
        <translation>&amp;Roles de servicio</translation>
    </message>
    <message>
        <source>Roster &amp;Positions</source>
        <translation>&amp;Puestos de los roles</translation>
    </message>
    <message>
        <source>Check-in &amp;Station</source>
        <translation>&amp;Estación de ingreso</translation>
    </message>
    <message>
        <source>Class Check-&amp;out</source>
        <translation>&amp;Salida de clase</translation>
    </message>
    <message>
        <source>&amp;Check-in Reports</source>
        <translation>Informes de in&amp;greso</translation>
    </message>
    <message>
        <source>Church &amp;Directory</source>
        <translation>&amp;Directorio de la iglesia</translation>
    </message>
</context>
<context>
    <name>MemberPicture</name>
    <message>
        <source>Select Image</source>
        <translation>Seleccionar imagen</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp) (*.bmp)</source>
        <translation>Archivos de mapa de bits (*.bmp) (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg, *.jpeg) (*.jpg *.jpeg)</source>
        <translation>Archivos JPEG (*.jpg, *.jpeg) (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PCX Files (*.pcx) (*.pcx)</source>
        <translation>Archivos PCX (*.pcx) (*.pcx)</translation>
    </message>
    <message>
        <source>PNG Files (*.png) (*.png)</source>
        <translation>Archivos PNG (*.png) (*.png)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif) (*.gif)</source>
        <translation>Archivos GIF (*.gif) (*.gif)</translation>
    </message>
    <message>
        <source>Wireless Bitmap Files (*.wbm, *.wbmp) (*.wbm *.wbmp)</source>
        <translation>Archivos de mapa de bits inalámbrico (*.wbm, *.wbmp) (*.wbm *.wbmp)</translation>
    </message>
    <message>
        <source>Adobe Photoshop Files (*.psd) (*.psd)</source>
        <translation>Archivos de Adobe Photoshop (*.psd) (*.psd)</translation>
    </message>
    <message>
        <source>TIFF Files (*.tif, *.tiff) (*.tif *.tiff)</source>
        <translation>Archivos TIFF (*.tif, *.tiff) (*.tif *.tiff)</translation>
    </message>
    <message>
        <source>All Image Files (*.bmp *.jpg *.jpeg *.pcx *.png *.gif *.wbm *.wbmp *.psd *.tif *.tiff)</source>
        <translation>Todos los archivos de imagen (*.bmp *.jpg *.jpeg *.pcx *.png *.gif *.wbm *.wbmp *.psd *.tif *.tiff)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer la imagen &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The picture could not be written to &quot;%1&quot;: %2.</source>
        <translation>No se pudo escribir la imagen en &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The new picture could not replace &quot;%1&quot;: %2. The previous picture was kept.</source>
        <translation>La nueva imagen no pudo reemplazar &quot;%1&quot;: %2. Se conservó la imagen anterior.</translation>
    </message>
</context>
<context>
    <name>MemberRecord</name>
    <message>
        <source>This person no longer exists in the database, so the changes could not be saved. Choose &quot;New&quot; to enter the person again.</source>
        <translation>Esta persona ya no existe en la base de datos, por lo que no se pudieron guardar los cambios. Elija &quot;Nuevo&quot; para ingresar a la persona de nuevo.</translation>
    </message>
    <message>
        <source>Status (Contact Info)</source>
        <translation>Estado (Datos de contacto)</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Address1</source>
        <translation>Dirección1</translation>
    </message>
    <message>
        <source>Address2</source>
        <translation>Dirección2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado/Provincia</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Teléfono de casa</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Teléfono del trabajo</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Place of Work</source>
        <translation>Lugar de trabajo</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Ocupación</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Anniv. Date</source>
        <translation>Fecha aniv.</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Marrital Status</source>
        <translation>Estado civil</translation>
    </message>
    <message>
        <source>Head of Household</source>
        <translation>Cabeza de familia</translation>
    </message>
    <message>
        <source>Map Section</source>
        <translation>Sección del mapa</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Pasatiempos</translation>
    </message>
    <message>
        <source>Organizations</source>
        <translation>Organizaciones</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Status (Church Info)</source>
        <translation>Estado (Datos de la iglesia)</translation>
    </message>
    <message>
        <source>Member Since</source>
        <translation>Miembro desde</translation>
    </message>
    <message>
        <source>Came Forward</source>
        <translation>Pasó al frente</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Bautizado</translation>
    </message>
    <message>
        <source>Letter Out</source>
        <translation>Carta de traslado</translation>
    </message>
    <message>
        <source>Deceased</source>
        <translation>Fallecido</translation>
    </message>
    <message>
        <source>Previous Church</source>
        <translation>Iglesia anterior</translation>
    </message>
    <message>
        <source>Receive Newsletter Via Mail</source>
        <translation>Recibir boletín por correo postal</translation>
    </message>
    <message>
        <source>Receive Newsletter Via E-Mail</source>
        <translation>Recibir boletín por correo electrónico</translation>
    </message>
    <message>
        <source>Sunday School Attendance Level</source>
        <translation>Nivel de asistencia a la escuela dominical</translation>
    </message>
    <message>
        <source>Worship Service Attendance Level</source>
        <translation>Nivel de asistencia al culto</translation>
    </message>
    <message>
        <source>Discipleship Training Attendance Level</source>
        <translation>Nivel de asistencia al discipulado</translation>
    </message>
    <message>
        <source>Sunday Evening Service Attendance Lavel</source>
        <translation>Nivel de asistencia al culto del domingo por la noche</translation>
    </message>
    <message>
        <source>Wednesday Night Attendance Level</source>
        <translation>Nivel de asistencia del miércoles por la noche</translation>
    </message>
    <message>
        <source>Sunday School Class</source>
        <translation>Clase de escuela dominical</translation>
    </message>
    <message>
        <source>Discipleship Training Class</source>
        <translation>Clase de discipulado</translation>
    </message>
    <message>
        <source>Wednesday Night Class</source>
        <translation>Clase del miércoles por la noche</translation>
    </message>
    <message>
        <source>Care Group Assigned (Church Info)</source>
        <translation>Grupo de cuidado asignado (Datos de la iglesia)</translation>
    </message>
    <message>
        <source>Deacon Assigned</source>
        <translation>Diácono asignado</translation>
    </message>
    <message>
        <source>Status (Prospect Info)</source>
        <translation>Estado (Datos de prospecto)</translation>
    </message>
    <message>
        <source>Prospect Source</source>
        <translation>Origen del prospecto</translation>
    </message>
    <message>
        <source>Member Of</source>
        <translation>Miembro de</translation>
    </message>
    <message>
        <source>Notes (Prospect Info)</source>
        <translation>Notas (Datos de prospecto)</translation>
    </message>
    <message>
        <source>Sunday School Class Assigned</source>
        <translation>Clase de escuela dominical asignada</translation>
    </message>
    <message>
        <source>Care Group Assigned (Prospect Info)</source>
        <translation>Grupo de cuidado asignado (Datos de prospecto)</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Next Contact</source>
        <translation>Próximo contacto</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>person</source>
        <comment>what a conflict question is about</comment>
        <translation>persona</translation>
    </message>
</context>
<context>
    <name>MemberScreens</name>
    <message>
        <source>merge people</source>
        <translation>combinar personas</translation>
    </message>
</context>
<context>
    <name>Members</name>
    <message>
        <source>The Member table has no column &quot;%1&quot;.</source>
        <translation>La tabla Member no tiene la columna &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the person with the number %1</source>
        <translation>la persona con el número %1</translation>
    </message>
    <message>
        <source>the person &quot;%1&quot;</source>
        <translation>la persona &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>MergeChoices</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>(ID %1)</source>
        <translation>(ID %1)</translation>
    </message>
</context>
<context>
    <name>MergePeople</name>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be copied in the picture folder &quot;%2&quot;; nothing was merged. Keep the other picture, or put the file back first.</source>
        <translation>No se pudo copiar la imagen &quot;%1&quot; en la carpeta de imágenes &quot;%2&quot;; no se combinó nada. Conserve la otra imagen o vuelva a colocar primero el archivo.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>NavigatorScreen</name>
    <message>
        <source>True</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>False</source>
        <translation>No</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
    <message>
        <source>Delete Person...</source>
        <translation>Eliminar persona...</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 contacto</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>%1 contactos</translation>
    </message>
    <message>
        <source>1 person</source>
        <translation>1 persona</translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation>%1 personas</translation>
    </message>
    <message>
        <source>prospect visitation sheets</source>
        <translation>hojas de visita a prospectos</translation>
    </message>
    <message>
        <source>One per household</source>
        <translation>Uno por familia</translation>
    </message>
    <message>
        <source>Print List and the labels go once to each family, at the head of household&apos;s address; people without a household get their own</source>
        <translation>Imprimir lista y las etiquetas van una vez a cada familia, a la dirección del jefe de familia; las personas sin familia reciben la suya propia</translation>
    </message>
    <message>
        <source>The Hale Family</source>
        <translation>Familia Hale</translation>
    </message>
    <message>
        <source>Henry &amp; Helen Hale</source>
        <translation>Henry y Helen Hale</translation>
    </message>
    <message>
        <source>How a family&apos;s label is addressed: by its last name, or by the first names of the head of household and the spouse</source>
        <translation>Cómo se dirige la etiqueta de una familia: por su apellido, o por los nombres del jefe de familia y su cónyuge</translation>
    </message>
</context>
<context>
    <name>NewChurch</name>
    <message>
        <source>The administrator needs a user name; no database was created.</source>
        <translation>El administrador necesita un nombre de usuario; no se creó ninguna base de datos.</translation>
    </message>
    <message>
        <source>The administrator needs a password; no database was created.</source>
        <translation>El administrador necesita una contraseña; no se creó ninguna base de datos.</translation>
    </message>
</context>
<context>
    <name>NewDatabaseFile</name>
    <message>
        <source>The folder of &quot;%1&quot; does not exist.</source>
        <translation>La carpeta de &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; it was left unchanged.</source>
        <translation>El archivo &quot;%1&quot; ya existe; se dejó sin cambios.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by this program already.</source>
        <translation>Este programa ya está escribiendo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The new database &quot;%1&quot; could not be created: %2</source>
        <translation>No se pudo crear la nueva base de datos &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>its permissions could not be set: %1</source>
        <translation>no se pudieron establecer sus permisos: %1</translation>
    </message>
    <message>
        <source>The new database &quot;%1&quot; is closed.</source>
        <translation>La nueva base de datos &quot;%1&quot; está cerrada.</translation>
    </message>
    <message>
        <source>The new database &quot;%1&quot; still has an unfinished change.</source>
        <translation>La nueva base de datos &quot;%1&quot; todavía tiene un cambio sin terminar.</translation>
    </message>
    <message>
        <source>The new database &quot;%1&quot; was not completed.</source>
        <translation>La nueva base de datos &quot;%1&quot; no se completó.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; appeared while the new database was written; it was left unchanged and the new database was not kept.</source>
        <translation>El archivo &quot;%1&quot; apareció mientras se escribía la nueva base de datos; se dejó sin cambios y la nueva base de datos no se conservó.</translation>
    </message>
    <message>
        <source>The new database could not be put in place as &quot;%1&quot;: %2</source>
        <translation>No se pudo colocar la nueva base de datos como &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Offices</name>
    <message>
        <source>The church is too small to staff its classes.</source>
        <translation>La iglesia es demasiado pequeña para dotar de personal a sus clases.</translation>
    </message>
</context>
<context>
    <name>OptionalDate</name>
    <message>
        <source>Set this date</source>
        <translation>Establecer esta fecha</translation>
    </message>
</context>
<context>
    <name>OutreachPhaseEntry</name>
    <message>
        <source>Order</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semanas</translation>
    </message>
</context>
<context>
    <name>PageCheck</name>
    <message>
        <source>The check of &quot;%1&quot; was stopped.</source>
        <translation>La verificación de &quot;%1&quot; se detuvo.</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>Impreso el %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>Passwords</name>
    <message>
        <source>The password library could not be started.</source>
        <translation>No se pudo iniciar la biblioteca de contraseñas.</translation>
    </message>
    <message>
        <source>Not enough memory to protect the password.</source>
        <translation>No hay memoria suficiente para proteger la contraseña.</translation>
    </message>
</context>
<context>
    <name>PeopleJobs</name>
    <message>
        <source>Import the people of the CSV table FILE into the database config.txt names (or the one --into names), after a backup, and stop.</source>
        <translation>Importar las personas de la tabla CSV FILE en la base de datos que indica config.txt (o la que indica --into), después de una copia de seguridad, y terminar.</translation>
    </message>
    <message>
        <source>Which column fills which field for --import-people, as File &gt; Import People... saves it.</source>
        <translation>Qué columna llena qué campo para --import-people, tal como lo guarda Archivo &gt; Importar personas...</translation>
    </message>
    <message>
        <source>Print the preview of --import-people and write nothing.</source>
        <translation>Mostrar la vista previa de --import-people sin escribir nada.</translation>
    </message>
    <message>
        <source>What --import-people does with people already in the church: skip them (the default), fill their empty fields, or add them anyway.</source>
        <translation>Qué hace --import-people con las personas que ya están en la iglesia: omitirlas (predeterminado), llenar sus campos vacíos o agregarlas de todos modos.</translation>
    </message>
    <message>
        <source>The database --import-people imports into, instead of the one config.txt names.</source>
        <translation>La base de datos en la que importa --import-people, en lugar de la que indica config.txt.</translation>
    </message>
</context>
<context>
    <name>Permissions</name>
    <message>
        <source>Admin</source>
        <translation>Admin</translation>
    </message>
    <message>
        <source>Member View</source>
        <translation>Ver miembros</translation>
    </message>
    <message>
        <source>Member Entry/Edit</source>
        <translation>Registro/edición de miembros</translation>
    </message>
    <message>
        <source>Prospect Contact Entry/Edit</source>
        <translation>Registro/edición de contactos con prospectos</translation>
    </message>
    <message>
        <source>Sunday School Class Entry/Edit</source>
        <translation>Registro/edición de clases de escuela dominical</translation>
    </message>
    <message>
        <source>Discipleship Training Class Entry/Edit</source>
        <translation>Registro/edición de clases de discipulado</translation>
    </message>
    <message>
        <source>Wednesday Night Class Entry/Edit</source>
        <translation>Registro/edición de clases del miércoles por la noche</translation>
    </message>
    <message>
        <source>Care Group Entry/Edit</source>
        <translation>Registro/edición de grupos de cuidado</translation>
    </message>
    <message>
        <source>Church Responsibility Entry/Edit</source>
        <translation>Registro/edición de responsabilidades de la iglesia</translation>
    </message>
    <message>
        <source>Outreach Phase Entry/Edit</source>
        <translation>Registro/edición de fases de alcance</translation>
    </message>
    <message>
        <source>User Permissions</source>
        <translation>Permisos de usuarios</translation>
    </message>
    <message>
        <source>Church Info</source>
        <translation>Datos de la iglesia</translation>
    </message>
    <message>
        <source>Member Information Update Report</source>
        <translation>Informe de actualización de datos de miembros</translation>
    </message>
    <message>
        <source>Prospect Visitation Sheet Report</source>
        <translation>Informe de hoja de visitas a prospectos</translation>
    </message>
    <message>
        <source>Member Navigator Report</source>
        <translation>Informe del navegador de miembros</translation>
    </message>
    <message>
        <source>Prospect Navigator Report</source>
        <translation>Informe del navegador de prospectos</translation>
    </message>
    <message>
        <source>Mailing Labels Report</source>
        <translation>Informe de etiquetas de correo</translation>
    </message>
    <message>
        <source>Giving Entry/Edit</source>
        <translation>Registro/edición de ofrendas</translation>
    </message>
    <message>
        <source>Giving View</source>
        <translation>Ver ofrendas</translation>
    </message>
    <message>
        <source>Invalid Permission</source>
        <translation>Permiso no válido</translation>
    </message>
    <message>
        <source>You do not have permission to view this record.</source>
        <translation>Usted no tiene permiso para ver este registro.</translation>
    </message>
    <message>
        <source>You do not have permission to save this record.</source>
        <translation>Usted no tiene permiso para guardar este registro.</translation>
    </message>
    <message>
        <source>You do not have permission to remove this record.</source>
        <translation>Usted no tiene permiso para quitar este registro.</translation>
    </message>
    <message>
        <source>You do not have permission to edit this record.</source>
        <translation>Usted no tiene permiso para editar este registro.</translation>
    </message>
    <message>
        <source>You do not have permission to view this report.</source>
        <translation>Usted no tiene permiso para ver este informe.</translation>
    </message>
    <message>
        <source>You do not have permission to run this report.</source>
        <translation>Usted no tiene permiso para generar este informe.</translation>
    </message>
    <message>
        <source>Only an account of type &quot;Admin&quot; may %1.</source>
        <translation>Solo una cuenta de tipo &quot;Admin&quot; puede %1.</translation>
    </message>
</context>
<context>
    <name>PersonDelete</name>
    <message>
        <source>Delete Person</source>
        <translation>Eliminar persona</translation>
    </message>
    <message>
        <source>delete a person</source>
        <translation>eliminar a una persona</translation>
    </message>
    <message>
        <source>The person with ID %1 no longer exists.</source>
        <translation>La persona con ID %1 ya no existe.</translation>
    </message>
    <message>
        <source>Delete %1 (ID %2)?%3

This cannot be undone.</source>
        <translation>¿Eliminar a %1 (ID %2)?%3

Esto no se puede deshacer.</translation>
    </message>
    <message>
        <source> With the person go %1.</source>
        <translation> Junto con la persona se eliminan %1.</translation>
    </message>
    <message>
        <source>Deleted %1.</source>
        <translation>Se eliminó a %1.</translation>
    </message>
</context>
<context>
    <name>PersonLinks</name>
    <message>
        <source>the people</source>
        <translation>las personas</translation>
    </message>
    <message>
        <source>%1 family link</source>
        <translation>%1 vínculo familiar</translation>
    </message>
    <message>
        <source>%1 family links</source>
        <translation>%1 vínculos familiares</translation>
    </message>
    <message>
        <source>%1 responsibility</source>
        <translation>%1 responsabilidad</translation>
    </message>
    <message>
        <source>%1 responsibilities</source>
        <translation>%1 responsabilidades</translation>
    </message>
    <message>
        <source>%1 contact as prospect</source>
        <translation>%1 contacto como prospecto</translation>
    </message>
    <message>
        <source>%1 contacts as prospect</source>
        <translation>%1 contactos como prospecto</translation>
    </message>
    <message>
        <source>%1 attendance</source>
        <translation>%1 asistencia</translation>
    </message>
    <message>
        <source>%1 attendances</source>
        <translation>%1 asistencias</translation>
    </message>
    <message>
        <source>the visitor on %1 contact</source>
        <translation>el visitante en %1 contacto</translation>
    </message>
    <message>
        <source>the visitor on %1 contacts</source>
        <translation>el visitante en %1 contactos</translation>
    </message>
    <message>
        <source>the deacon of %1 person</source>
        <translation>el diácono de %1 persona</translation>
    </message>
    <message>
        <source>the deacon of %1 people</source>
        <translation>el diácono de %1 personas</translation>
    </message>
    <message>
        <source>a leader of %1 care group</source>
        <translation>un líder de %1 grupo de cuidado</translation>
    </message>
    <message>
        <source>a leader of %1 care groups</source>
        <translation>un líder de %1 grupos de cuidado</translation>
    </message>
    <message>
        <source>the holder of %1 user account</source>
        <translation>el titular de %1 cuenta de usuario</translation>
    </message>
    <message>
        <source>the holder of %1 user accounts</source>
        <translation>el titular de %1 cuentas de usuario</translation>
    </message>
    <message>
        <source>the giver of %1 recorded gift</source>
        <translation>el donante de %1 ofrenda registrada</translation>
    </message>
    <message>
        <source>the giver of %1 recorded gifts</source>
        <translation>el donante de %1 ofrendas registradas</translation>
    </message>
    <message>
        <source>%1 pledge</source>
        <translation>%1 compromiso</translation>
    </message>
    <message>
        <source>%1 pledges</source>
        <translation>%1 compromisos</translation>
    </message>
    <message>
        <source>%1 roster assignment</source>
        <translation>%1 turno asignado</translation>
    </message>
    <message>
        <source>%1 roster assignments</source>
        <translation>%1 turnos asignados</translation>
    </message>
    <message>
        <source>%1 check-in</source>
        <translation>%1 registro de entrada</translation>
    </message>
    <message>
        <source>%1 check-ins</source>
        <translation>%1 registros de entrada</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1 cannot be deleted while still %2. Choose someone else there first, or merge this record with the person&apos;s other one (Members &gt; Merge People...).</source>
        <translation>%1 no se puede eliminar mientras siga siendo %2. Elija primero a otra persona allí, o combine este registro con el otro registro de la persona (Miembros &gt; Combinar personas...).</translation>
    </message>
    <message>
        <source>%1 (ID %2) no longer exists; nothing was deleted.</source>
        <translation>%1 (ID %2) ya no existe; no se eliminó nada.</translation>
    </message>
    <message>
        <source>The person with ID %1 no longer exists; nothing was merged.</source>
        <translation>La persona con ID %1 ya no existe; no se combinó nada.</translation>
    </message>
    <message>
        <source>%1 (ID %2) was changed on another workstation (%3) since it was shown here; nothing was merged. Choose the two people again and look at their fields.</source>
        <translation>%1 (ID %2) se modificó en otra estación de trabajo (%3) después de mostrarse aquí; no se combinó nada. Elija de nuevo a las dos personas y revise sus campos.</translation>
    </message>
    <message>
        <source>Both people have a user account (&quot;%1&quot; and &quot;%2&quot;), and a person has one at most. Remove one of them on the User Entry screen first; nothing was merged.</source>
        <translation>Ambas personas tienen una cuenta de usuario (&quot;%1&quot; y &quot;%2&quot;), y una persona tiene como máximo una. Quite primero una de ellas en la pantalla de usuarios; no se combinó nada.</translation>
    </message>
    <message>
        <source>Choose two different people to merge.</source>
        <translation>Elija dos personas distintas para combinar.</translation>
    </message>
</context>
<context>
    <name>Phases</name>
    <message>
        <source>Required Fields</source>
        <translation>Campos obligatorios</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Dato no válido</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
    <message>
        <source>Name is Required.</source>
        <translation>El nombre es obligatorio.</translation>
    </message>
    <message>
        <source>There is already a phase named &quot;%1&quot;. Each phase needs a name of its own, whatever the letter case.</source>
        <translation>Ya hay una fase llamada &quot;%1&quot;. Cada fase necesita un nombre propio, sin importar mayúsculas o minúsculas.</translation>
    </message>
    <message>
        <source>Order must be a whole number of 0 or more.</source>
        <translation>El orden debe ser un número entero de 0 o más.</translation>
    </message>
    <message>
        <source>The phase &quot;%1&quot; already has the order %2. Each phase needs an order of its own.</source>
        <translation>La fase &quot;%1&quot; ya tiene el orden %2. Cada fase necesita un orden propio.</translation>
    </message>
    <message>
        <source>Action is Required.</source>
        <translation>La acción es obligatoria.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the contact actions. Choose an Action from the list.</source>
        <translation>&quot;%1&quot; no es una de las acciones de contacto. Elija una acción de la lista.</translation>
    </message>
    <message>
        <source>Time Period must be a whole number of weeks from 0 to %1.</source>
        <translation>El período debe ser un número entero de semanas de 0 a %1.</translation>
    </message>
</context>
<context>
    <name>PhoneBox</name>
    <message>
        <source>&quot;%1&quot; is not a telephone number: type its digits, with or without blanks, brackets and - . / between them.</source>
        <translation>&quot;%1&quot; no es un número de teléfono: escriba sus dígitos, con o sin espacios, paréntesis y - . / entre ellos.</translation>
    </message>
    <message>
        <source>A telephone number has at most %1 digits; with &quot;%2&quot; this one would have %3. The box was left as it was.</source>
        <translation>Un número de teléfono tiene como máximo %1 dígitos; con &quot;%2&quot; este tendría %3. El cuadro se dejó como estaba.</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Dato no válido</translation>
    </message>
</context>
<context>
    <name>PossibleDuplicates</name>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
</context>
<context>
    <name>PossibleDuplicatesScreen</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>Postgres</name>
    <message>
        <source>the local server</source>
        <translation>el servidor local</translation>
    </message>
    <message>
        <source>the server %1:%2</source>
        <translation>el servidor %1:%2</translation>
    </message>
    <message>
        <source>the database &quot;%1&quot; on %2</source>
        <translation>la base de datos &quot;%1&quot; en %2</translation>
    </message>
    <message>
        <source>The database location &quot;%1&quot; %2</source>
        <translation>La ubicación de base de datos &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>a port number</source>
        <translation>un número de puerto</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno de %1</translation>
    </message>
    <message>
        <source>a number of seconds</source>
        <translation>una cantidad de segundos</translation>
    </message>
    <message>
        <source>a plain name without = &apos; &quot; \ or ;</source>
        <translation>un nombre simple sin = &apos; &quot; \ ni ;</translation>
    </message>
    <message>
        <source>is not a valid postgresql:// address.</source>
        <translation>no es una dirección postgresql:// válida.</translation>
    </message>
    <message>
        <source>holds a password. Passwords do not belong in config.txt: put it in the PostgreSQL password file (~/.pgpass) instead.</source>
        <translation>contiene una contraseña. Las contraseñas no van en config.txt: póngala en el archivo de contraseñas de PostgreSQL (~/.pgpass).</translation>
    </message>
    <message>
        <source>holds the option &quot;%1&quot;, which Pewlark does not use. An address may give host, port, dbname, user, sslmode, connect_timeout and application_name.</source>
        <translation>contiene la opción &quot;%1&quot;, que Pewlark no usa. Una dirección puede indicar host, port, dbname, user, sslmode, connect_timeout y application_name.</translation>
    </message>
    <message>
        <source>gives the option &quot;%1&quot; the value &quot;%2&quot;; it takes %3.</source>
        <translation>da a la opción &quot;%1&quot; el valor &quot;%2&quot;; admite %3.</translation>
    </message>
    <message>
        <source>names no database.</source>
        <translation>no indica ninguna base de datos.</translation>
    </message>
    <message>
        <source>%1 is in use: another program or workstation is writing to it. Wait a moment, then try again.</source>
        <translation>%1 está en uso: otro programa o estación de trabajo está escribiendo en ella. Espere un momento y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 cannot be changed: the server accepts only reading, or this login may not write. Ask whoever looks after the server.</source>
        <translation>%1 no se puede modificar: el servidor solo acepta lectura, o este usuario no puede escribir. Consulte a quien administra el servidor.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full, so %1 cannot be changed. Ask whoever looks after the server to free some space.</source>
        <translation>El disco del servidor está lleno, así que %1 no se puede modificar. Pida a quien administra el servidor que libere espacio.</translation>
    </message>
    <message>
        <source>The server reports that %1 is damaged. Ask whoever looks after the server to restore a backup.</source>
        <translation>El servidor informa que %1 está dañada. Pida a quien administra el servidor que restaure una copia de seguridad.</translation>
    </message>
    <message>
        <source>%1 did not answer: its server took the connection but sent no reply in time. The server may be busy, stuck or still starting; wait a moment and try again, and if it keeps happening ask whoever looks after the server to check it.</source>
        <translation>%1 no respondió: su servidor aceptó la conexión pero no envió respuesta a tiempo. El servidor puede estar ocupado, bloqueado o todavía iniciándose; espere un momento y vuelva a intentarlo, y si sigue ocurriendo pida a quien administra el servidor que lo revise.</translation>
    </message>
    <message>
        <source>%1 cannot be reached: its server does not answer. Check that the server is running and that this computer is on the network, then try again.</source>
        <translation>No se puede llegar a %1: su servidor no responde. Compruebe que el servidor esté funcionando y que esta computadora esté en la red, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The server refused the login to %1. Check the user name in config.txt and the password in the PostgreSQL password file (~/.pgpass).</source>
        <translation>El servidor rechazó el inicio de sesión en %1. Revise el nombre de usuario en config.txt y la contraseña en el archivo de contraseñas de PostgreSQL (~/.pgpass).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>The database driver gave no PostgreSQL connection.</source>
        <translation>El controlador de base de datos no proporcionó una conexión PostgreSQL.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ProspectContactsPanel</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Visitor 1</source>
        <translation>Visitante 1</translation>
    </message>
    <message>
        <source>Visitor 2</source>
        <translation>Visitante 2</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>Prospects</name>
    <message>
        <source>The church is too small to have anyone visit its prospects.</source>
        <translation>La iglesia es demasiado pequeña para que alguien visite a sus prospectos.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Laying out the %1...</source>
        <translation>Componiendo: %1...</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; could not be started on the printer or file.</source>
        <translation>No se pudo iniciar el informe &quot;%1&quot; en la impresora o el archivo.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; could not be finished on the printer or file.</source>
        <translation>No se pudo terminar el informe &quot;%1&quot; en la impresora o el archivo.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; could not start page %2 on the printer or file.</source>
        <translation>El informe &quot;%1&quot; no pudo iniciar la página %2 en la impresora o el archivo.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir el archivo PDF &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be started.</source>
        <translation>No se pudo iniciar el archivo PDF &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be finished.</source>
        <translation>No se pudo terminar el archivo PDF &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>ReportData</name>
    <message>
        <source>Member List</source>
        <translation>Lista de miembros</translation>
    </message>
    <message>
        <source>Prospect List</source>
        <translation>Lista de prospectos</translation>
    </message>
    <message>
        <source>Mailing Labels</source>
        <translation>Etiquetas de correo</translation>
    </message>
    <message>
        <source>Prospect Visitation Sheet</source>
        <translation>Hoja de visita a prospecto</translation>
    </message>
    <message>
        <source>Member Information Update</source>
        <translation>Actualización de datos del miembro</translation>
    </message>
    <message>
        <source>A long report could not keep its rows in the temporary file &quot;%1&quot;: %2. Check that the disk has room, or print fewer people at a time.</source>
        <translation>Un informe largo no pudo guardar sus filas en el archivo temporal &quot;%1&quot;: %2. Compruebe que el disco tenga espacio, o imprima menos personas a la vez.</translation>
    </message>
</context>
<context>
    <name>ReportLauncher</name>
    <message>
        <source>Prospect</source>
        <translation>Prospecto</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>No printer is installed on this computer, so &quot;%1&quot; cannot be printed.

Would you like to save it as a PDF file instead?</source>
        <translation>No hay ninguna impresora instalada en este equipo, por lo que no se puede imprimir &quot;%1&quot;.

¿Desea guardarlo como archivo PDF?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>la impresora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be printed: %2 is not available.</source>
        <translation>No se pudo imprimir &quot;%1&quot;: %2 no está disponible.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be printed on %2.
%3</source>
        <translation>No se pudo imprimir &quot;%1&quot; en %2.
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be printed: %2 refused the job.</source>
        <translation>No se pudo imprimir &quot;%1&quot;: %2 rechazó el trabajo.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Reading the %1...</source>
        <translation>Leyendo: %1...</translation>
    </message>
</context>
<context>
    <name>RequiredFields</name>
    <message>
        <source>Member Status</source>
        <translation>Estado de miembro</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Church Status</source>
        <translation>Estado en la iglesia</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Estado de prospecto</translation>
    </message>
</context>
<context>
    <name>Responsibilities</name>
    <message>
        <source>the responsibility &quot;%1&quot;</source>
        <translation>la responsabilidad &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ResponsibilityPanel</name>
    <message>
        <source>Church Responsibilies</source>
        <translation>Responsabilidades en la iglesia</translation>
    </message>
    <message>
        <source>Resp.</source>
        <translation>Resp.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Agregar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
</context>
<context>
    <name>RosterOutput</name>
    <message>
        <source>E-mail These People</source>
        <translation>Enviar correo a estas personas</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 al %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>%1 of the %2 serving have no e-mail address and %3 left out:

%4</source>
        <translation>%1 de las %2 que sirven no tienen dirección de correo electrónico y %3 fuera:

%4</translation>
    </message>
    <message>
        <source>1 person</source>
        <translation>1 persona</translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation>%1 personas</translation>
    </message>
    <message>
        <source>is</source>
        <comment>one person left out</comment>
        <translation>queda</translation>
    </message>
    <message>
        <source>are</source>
        <comment>people left out</comment>
        <translation>quedan</translation>
    </message>
    <message>
        <source>You are on the roster:</source>
        <translation>Usted está en el rol de servicio:</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Rol de servicio</translation>
    </message>
    <message>
        <source>No service with roster positions meets from %1.</source>
        <translation>Ningún servicio con puestos en el rol se reúne del %1.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Confirmado</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source> (confirmed)</source>
        <translation> (confirmado)</translation>
    </message>
    <message>
        <source>Serving from %1</source>
        <translation>Servicio del %1</translation>
    </message>
    <message>
        <source>Nobody is on the roster from %1.</source>
        <translation>Nadie está en el rol de servicio del %1.</translation>
    </message>
    <message>
        <source>Open %1 messages, one for each person serving?</source>
        <translation>¿Abrir %1 mensajes, uno para cada persona que sirve?</translation>
    </message>
    <message>
        <source>No mail program on this computer opened the message.</source>
        <translation>Ningún programa de correo de este equipo abrió el mensaje.</translation>
    </message>
    <message>
        <source>E-mail to 1 person serving opened in the mail program.</source>
        <translation>Se abrió en el programa de correo el mensaje para 1 persona que sirve.</translation>
    </message>
    <message>
        <source>E-mail to %1 people serving opened in the mail program (%1 messages).</source>
        <translation>Se abrieron en el programa de correo los mensajes para %1 personas que sirven (%1 mensajes).</translation>
    </message>
</context>
<context>
    <name>Rosters</name>
    <message>
        <source>first</source>
        <extracomment>The week of the month in &quot;Every first Sunday from 1/4/2026&quot;.</extracomment>
        <translation>primer</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercer</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>cuarto</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>quinto</translation>
    </message>
    <message>
        <source> until %1</source>
        <translation> hasta el %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 al %2</translation>
    </message>
    <message>
        <source>Every %1 %2 from %3%4</source>
        <translation>Cada %1 %2 desde el %3%4</translation>
    </message>
    <message>
        <source>Every other %1 from %2%3</source>
        <translation>Un %1 sí y otro no desde el %2%3</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Cada semana</translation>
    </message>
    <message>
        <source>Every other week</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>Una vez al mes</translation>
    </message>
    <message>
        <source>the rosters</source>
        <translation>los roles de servicio</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 el %2</translation>
    </message>
    <message>
        <source>a position</source>
        <translation>un puesto</translation>
    </message>
    <message>
        <source>%1 was filled at another workstation</source>
        <translation>%1 se ocupó en otra estación de trabajo</translation>
    </message>
    <message>
        <source>%1 was changed at another workstation</source>
        <translation>%1 se cambió en otra estación de trabajo</translation>
    </message>
    <message>
        <source>%1 was taken off at another workstation</source>
        <translation>%1 se quitó en otra estación de trabajo</translation>
    </message>
</context>
<context>
    <name>Rows</name>
    <message>
        <source>%1 is in use: another program or workstation is changing it. Wait a moment, then try again.</source>
        <translation>%1 está en uso: otro programa o estación de trabajo lo está modificando. Espere un momento y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The lock of the table %1 was asked for outside a transaction.</source>
        <translation>Se pidió el bloqueo de la tabla %1 fuera de una transacción.</translation>
    </message>
    <message>
        <source>Another program or workstation is changing %1 (an import or a merge, for example). Wait until it has finished, then try again.</source>
        <translation>Otro programa o estación de trabajo está modificando %1 (una importación o una combinación, por ejemplo). Espere a que termine y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <translation>la fila %1 de %2</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>The schema has no table %1.</source>
        <translation>El esquema no tiene la tabla %1.</translation>
    </message>
    <message>
        <source>the table %1</source>
        <translation>la tabla %1</translation>
    </message>
    <message>
        <source>the tables %1</source>
        <translation>las tablas %1</translation>
    </message>
    <message>
        <source>the column %1</source>
        <translation>la columna %1</translation>
    </message>
    <message>
        <source>the columns %1</source>
        <translation>las columnas %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source> (and %1 more)</source>
        <translation> (y %1 más)</translation>
    </message>
    <message>
        <source>%1 is not a whole Pewlark database: it lacks %2. It may be an unfinished or damaged copy.</source>
        <translation>%1 no es una base de datos de Pewlark completa: le falta %2. Puede ser una copia incompleta o dañada.</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>El archivo</translation>
    </message>
    <message>
        <source>%1 is not a Pewlark database.</source>
        <translation>%1 no es una base de datos de Pewlark.</translation>
    </message>
    <message>
        <source>%1 is not a Pewlark database: it has no schema version.</source>
        <translation>%1 no es una base de datos de Pewlark: no tiene versión de esquema.</translation>
    </message>
    <message>
        <source>%1 was written by a newer Pewlark (schema version %2); this program reads schema versions up to %3. Install the newer Pewlark to open it.</source>
        <translation>%1 fue escrita por un Pewlark más reciente (versión de esquema %2); este programa lee versiones de esquema hasta la %3. Instale el Pewlark más reciente para abrirla.</translation>
    </message>
    <message>
        <source>The database</source>
        <translation>La base de datos</translation>
    </message>
</context>
<context>
    <name>SearchGrid</name>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Next Date</source>
        <translation>Próxima fecha</translation>
    </message>
    <message>
        <source>Next Action</source>
        <translation>Próxima acción</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Interés</translation>
    </message>
    <message>
        <source>Visitor 1</source>
        <translation>Visitante 1</translation>
    </message>
    <message>
        <source>Visitor 2</source>
        <translation>Visitante 2</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>F. nac.</translation>
    </message>
    <message>
        <source>Anniv</source>
        <translation>Aniv.</translation>
    </message>
    <message>
        <source>Member Status</source>
        <translation>Estado de miembro</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Estado de prospecto</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>Sunday School</source>
        <translation>Escuela dominical</translation>
    </message>
    <message>
        <source>Worship Service</source>
        <translation>Culto de adoración</translation>
    </message>
    <message>
        <source>Discipleship Training</source>
        <translation>Discipulado</translation>
    </message>
    <message>
        <source>Sunday Evening Service</source>
        <translation>Culto del domingo por la noche</translation>
    </message>
    <message>
        <source>Wednesday Night</source>
        <translation>Miércoles por la noche</translation>
    </message>
</context>
<context>
    <name>Sql</name>
    <message>
        <source>The database driver gave no SQLite connection.</source>
        <translation>El controlador de base de datos no proporcionó una conexión SQLite.</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source> (unavailable)</source>
        <translation> (no disponible)</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The database file &quot;%1&quot; named in the configuration file &quot;%2&quot; does not exist. Correct the third field of the configuration file, or put a backup of the database in its place (%3 BACKUP-FILE).</source>
        <translation>El archivo de base de datos &quot;%1&quot; indicado en el archivo de configuración &quot;%2&quot; no existe. Corrija el tercer campo del archivo de configuración o ponga una copia de seguridad de la base de datos en su lugar (%3 ARCHIVO-DE-COPIA).</translation>
    </message>
    <message>
        <source>To put a backup in its place, close Pewlark and run: %1 BACKUP-FILE</source>
        <translation>Para poner una copia de seguridad en su lugar, cierre Pewlark y ejecute: %1 ARCHIVO-DE-COPIA</translation>
    </message>
    <message>
        <source>The newest automatic backup is &quot;%1&quot;. To put it in place, close Pewlark and run: %2 &quot;%1&quot;</source>
        <translation>La copia de seguridad automática más reciente es &quot;%1&quot;. Para ponerla en su lugar, cierre Pewlark y ejecute: %2 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The church settings in &quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer la configuración de la iglesia en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>This application is already running.</source>
        <translation>Esta aplicación ya se está ejecutando.</translation>
    </message>
    <message>
        <source>Application Already Running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>StatementReport</name>
    <message>
        <source>Gifts received from %1 to %2</source>
        <translation>Ofrendas recibidas del %1 al %2</translation>
    </message>
    <message>
        <source>(no address on file)</source>
        <translation>(sin dirección registrada)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Forma de pago</translation>
    </message>
    <message>
        <source>Check No.</source>
        <translation>N.º de cheque</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Ofrendas</translation>
    </message>
    <message>
        <source>Goods: </source>
        <translation>Bienes: </translation>
    </message>
    <message>
        <source> (returned)</source>
        <translation> (devuelta)</translation>
    </message>
    <message>
        <source>No gifts in this period.</source>
        <translation>No hay ofrendas en este período.</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source> (not deductible)</source>
        <translation> (no deducible)</translation>
    </message>
    <message>
        <source>Total contributions</source>
        <translation>Total de contribuciones</translation>
    </message>
    <message>
        <source>Value of goods or services received in return</source>
        <translation>Valor de los bienes o servicios recibidos a cambio</translation>
    </message>
    <message>
        <source>Deductible contributions</source>
        <translation>Contribuciones deducibles</translation>
    </message>
    <message>
        <source>Pledge period</source>
        <translation>Período de la promesa</translation>
    </message>
    <message>
        <source>Pledged</source>
        <translation>Prometido</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Donado</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Pledges</source>
        <translation>Promesas</translation>
    </message>
    <message>
        <source>Contribution Statement</source>
        <translation>Constancia de contribuciones</translation>
    </message>
    <message>
        <source>The CSV file &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir el archivo CSV &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Statements</name>
    <message>
        <source>and</source>
        <comment>between two first names</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Fund %1</source>
        <translation>Fondo %1</translation>
    </message>
</context>
<context>
    <name>TableCopy</name>
    <message>
        <source>The file &quot;%1&quot; is not a database of the older membership program: %2; nothing was imported.</source>
        <translation>El archivo &quot;%1&quot; no es una base de datos del programa de membresía anterior: %2; no se importó nada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: table %2 cannot be read (%3); nothing was imported.</source>
        <translation>El archivo &quot;%1&quot; está dañado: la tabla %2 no se puede leer (%3); no se importó nada.</translation>
    </message>
    <message>
        <source>mdbtools&apos; library reads %1 rows, its export %2</source>
        <translation>la biblioteca de mdbtools lee %1 filas, su exportación %2</translation>
    </message>
    <message>
        <source>its table %1 has no column %2</source>
        <translation>su tabla %1 no tiene la columna %2</translation>
    </message>
    <message>
        <source>line %1: its export and mdbtools&apos; library read %2 differently</source>
        <translation>línea %1: su exportación y la biblioteca de mdbtools leen %2 de forma distinta</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 no tiene valor</translation>
    </message>
    <message>
        <source>%1 %2 is not in %3</source>
        <translation>%1 %2 no está en %3</translation>
    </message>
    <message>
        <source>a row with %1 %2 was stored already</source>
        <translation>ya se guardó una fila con %1 %2</translation>
    </message>
</context>
<context>
    <name>Users</name>
    <message>
        <source>the account &quot;%1&quot;</source>
        <translation>la cuenta &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ValueLists</name>
    <message>
        <source> (not in the list)</source>
        <translation> (no está en la lista)</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Please enter the church&apos;s name.</source>
        <translation>Escriba el nombre de la iglesia.</translation>
    </message>
    <message>
        <source>Please enter a user name for the first Admin.</source>
        <translation>Escriba un nombre de usuario para el primer Admin.</translation>
    </message>
    <message>
        <source>Please enter a password for %1.</source>
        <translation>Escriba una contraseña para %1.</translation>
    </message>
    <message>
        <source>The two passwords differ; please type the same password twice.</source>
        <translation>Las dos contraseñas son distintas; escriba la misma contraseña dos veces.</translation>
    </message>
    <message>
        <source>Please choose where the church file is kept.</source>
        <translation>Elija dónde se guarda el archivo de la iglesia.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; choose Open a church file... to use it, or another name for the new church.</source>
        <translation>El archivo &quot;%1&quot; ya existe; elija Abrir un archivo de iglesia... para usarlo, u otro nombre para la nueva iglesia.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>No se pudo crear la carpeta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Please give the church&apos;s file or server location.</source>
        <translation>Indique el archivo de la iglesia o la ubicación del servidor.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be used as a Pewlark church; choose another.

%2</source>
        <translation>El archivo &quot;%1&quot; no se puede usar como iglesia de Pewlark; elija otro.

%2</translation>
    </message>
    <message>
        <source>This copy of Pewlark cannot make the demo church.</source>
        <translation>Esta copia de Pewlark no puede crear la iglesia de demostración.</translation>
    </message>
</context>
<context>
    <name>WelcomeJobs</name>
    <message>
        <source>The demo church has %1 people. Log in as &quot;%2&quot; / &quot;%3&quot; (Admin) or &quot;%4&quot; / &quot;%5&quot; (Member View only).</source>
        <translation>La iglesia de demostración tiene %1 personas. Inicie sesión como &quot;%2&quot; / &quot;%3&quot; (Admin) o &quot;%4&quot; / &quot;%5&quot; (solo Member View).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Screen</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Designed and Written By:</source>
        <translation>Diseñado y escrito por:</translation>
    </message>
    <message>
        <source>The Pewlark developers</source>
        <translation>Los desarrolladores de Pewlark</translation>
    </message>
    <message>
        <source>Membership roll and outreach</source>
        <translation>Registro de miembros y alcance</translation>
    </message>
    <message>
        <source>Built with Qt and SQLite</source>
        <translation>Hecho con Qt y SQLite</translation>
    </message>
    <message>
        <source>Passwords protected with libsodium</source>
        <translation>Contraseñas protegidas con libsodium</translation>
    </message>
    <message>
        <source>For church offices everywhere</source>
        <translation>Para las oficinas de iglesias de todas partes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change My Password</source>
        <translation>Cambiar mi contraseña</translation>
    </message>
    <message>
        <source>&amp;Old Password</source>
        <translation>Contraseña &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;New Password</source>
        <translation>Contraseña &amp;nueva</translation>
    </message>
    <message>
        <source>New Password &amp;Again</source>
        <translation>Repetir contraseña n&amp;ueva</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;Cambiar contraseña</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>frmCheckinStation</name>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>el %1</translation>
    </message>
</context>
<context>
    <name>frmChurchInfo</name>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Church Info</source>
        <translation>Datos de la iglesia</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Iglesia</translation>
    </message>
    <message>
        <source>Address1</source>
        <translation>Dirección 1</translation>
    </message>
    <message>
        <source>Address2</source>
        <translation>Dirección 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Keypress Delay</source>
        <translation>Retardo de tecla</translation>
    </message>
    <message>
        <source>(Seconds)</source>
        <translation>(Segundos)</translation>
    </message>
    <message>
        <source>Statement Text</source>
        <translation>Texto del estado de cuenta</translation>
    </message>
    <message>
        <source>The wording at the foot of every contribution statement; add the church&apos;s tax or charity registration number here.</source>
        <translation>El texto al pie de cada estado de cuenta de ofrendas; agregue aquí el número de registro fiscal o de entidad benéfica de la iglesia.</translation>
    </message>
    <message>
        <source>Save And Close</source>
        <translation>Guardar y cerrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Login</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmMemberEntry</name>
    <message>
        <source>Member Entry/Edit</source>
        <translation>Ingreso/edición de miembros</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Miembro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>New Family Member</source>
        <translation>Nuevo familiar</translation>
    </message>
    <message>
        <source>Save and New</source>
        <translation>Guardar y nuevo</translation>
    </message>
    <message>
        <source>Save And Close</source>
        <translation>Guardar y cerrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Contact Info</source>
        <translation>Datos de contacto</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>color: blue;</source>
        <translation>color: blue;</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Address1</source>
        <translation>Dirección1</translation>
    </message>
    <message>
        <source>Address2</source>
        <translation>Dirección2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State/Zip</source>
        <translation>Estado/Código postal</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Teléfono de casa</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Teléfono del trabajo</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Cargar foto</translation>
    </message>
    <message>
        <source>Remove Picture</source>
        <translation>Quitar foto</translation>
    </message>
    <message>
        <source>Family Members</source>
        <translation>Miembros de la familia</translation>
    </message>
    <message>
        <source>Demographic Info</source>
        <translation>Datos demográficos</translation>
    </message>
    <message>
        <source>Place of Work</source>
        <translation>Lugar de trabajo</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Ocupación</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>&lt;--</source>
        <translation>&lt;--</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Marrital Status</source>
        <translation>Estado civil</translation>
    </message>
    <message>
        <source>Anniv. Date</source>
        <translation>Fecha aniv.</translation>
    </message>
    <message>
        <source>Head of Household</source>
        <translation>Cabeza de familia</translation>
    </message>
    <message>
        <source>Map Section</source>
        <translation>Sección del mapa</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Pasatiempos</translation>
    </message>
    <message>
        <source>Organizations</source>
        <translation>Organizaciones</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Agregado</translation>
    </message>
    <message>
        <source>Last Edited</source>
        <translation>Última edición</translation>
    </message>
    <message>
        <source>Church Info</source>
        <translation>Datos de la iglesia</translation>
    </message>
    <message>
        <source>Member Since</source>
        <translation>Miembro desde</translation>
    </message>
    <message>
        <source>Previous Church</source>
        <translation>Iglesia anterior</translation>
    </message>
    <message>
        <source>Came Forward</source>
        <translation>Pasó al frente</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Bautizado</translation>
    </message>
    <message>
        <source>Letter Out</source>
        <translation>Carta de traslado</translation>
    </message>
    <message>
        <source>Deceased</source>
        <translation>Fallecido</translation>
    </message>
    <message>
        <source>Sunday School Attendance Level</source>
        <translation>Nivel de asistencia a la escuela dominical</translation>
    </message>
    <message>
        <source>Worship Service Attendance Level</source>
        <translation>Nivel de asistencia al culto</translation>
    </message>
    <message>
        <source>Discipleship Training Attendance Level</source>
        <translation>Nivel de asistencia al discipulado</translation>
    </message>
    <message>
        <source>Sunday Evening Service Attendance Lavel</source>
        <translation>Nivel de asistencia al culto del domingo por la noche</translation>
    </message>
    <message>
        <source>Wednesday Night Attendance Level</source>
        <translation>Nivel de asistencia del miércoles por la noche</translation>
    </message>
    <message>
        <source>Sunday School Class</source>
        <translation>Clase de escuela dominical</translation>
    </message>
    <message>
        <source>Care Group Assigned</source>
        <translation>Grupo de cuidado asignado</translation>
    </message>
    <message>
        <source>Discipleship Training Class</source>
        <translation>Clase de discipulado</translation>
    </message>
    <message>
        <source>Wednesday Night Class</source>
        <translation>Clase del miércoles por la noche</translation>
    </message>
    <message>
        <source>Deacon Assigned</source>
        <translation>Diácono asignado</translation>
    </message>
    <message>
        <source>Receive Newsletter Via Mail</source>
        <translation>Recibir boletín por correo postal</translation>
    </message>
    <message>
        <source>Receive Newsletter Via E-Mail</source>
        <translation>Recibir boletín por correo electrónico</translation>
    </message>
    <message>
        <source>Church Responsibilies</source>
        <translation>Responsabilidades en la iglesia</translation>
    </message>
    <message>
        <source>Prospect Info</source>
        <translation>Datos de prospecto</translation>
    </message>
    <message>
        <source>Prospect Source</source>
        <translation>Origen del prospecto</translation>
    </message>
    <message>
        <source>Sunday School Class Assigned</source>
        <translation>Clase de escuela dominical asignada</translation>
    </message>
    <message>
        <source>Member Of</source>
        <translation>Miembro de</translation>
    </message>
    <message>
        <source>Contacts Made</source>
        <translation>Contactos realizados</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Next Contact</source>
        <translation>Próximo contacto</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>New Contact</source>
        <translation>Nuevo contacto</translation>
    </message>
    <message>
        <source>Attendance Info</source>
        <translation>Datos de asistencia</translation>
    </message>
</context>
<context>
    <name>frmMemberNavigator</name>
    <message>
        <source>Member Navigator</source>
        <translation>Navegador de miembros</translation>
    </message>
    <message>
        <source>Search Criteria</source>
        <translation>Criterios de búsqueda</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Member Since</source>
        <translation>Miembro desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Finds the text anywhere in Hobbies, Organizations, Place of Work, Notes and Prospect Notes (not in names or addresses: use Name, City, State and Zip for those)</source>
        <translation>Busca el texto en cualquier parte de Pasatiempos, Organizaciones, Lugar de trabajo, Notas y Notas de prospecto (no en nombres ni direcciones: para eso use Nombre, Ciudad, Estado y Código postal)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Print Mail Lbl</source>
        <translation>Imprimir etiquetas</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimir lista</translation>
    </message>
    <message>
        <source>Member Status</source>
        <translation>Estado de miembro</translation>
    </message>
    <message>
        <source>Church Status</source>
        <translation>Estado en la iglesia</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Estado de prospecto</translation>
    </message>
    <message>
        <source>DOB/Anniv</source>
        <translation>Nac./Aniv.</translation>
    </message>
    <message>
        <source>Responsibility</source>
        <translation>Responsabilidad</translation>
    </message>
    <message>
        <source>Receive NL</source>
        <translation>Recibe boletín</translation>
    </message>
    <message>
        <source>SS Class</source>
        <translation>Clase de ED</translation>
    </message>
    <message>
        <source>CG Assign</source>
        <translation>Grupo de cuidado</translation>
    </message>
    <message>
        <source>Disc Class</source>
        <translation>Clase de discipulado</translation>
    </message>
    <message>
        <source>Wed Class</source>
        <translation>Clase del miércoles</translation>
    </message>
    <message>
        <source>Deacon</source>
        <translation>Diácono</translation>
    </message>
    <message>
        <source>HOH</source>
        <translation>Jefe de familia</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>The whole city name, in any letter case; * stands for any letters, ? for one (Frank* finds Franklin and Frankfort)</source>
        <translation>El nombre completo de la ciudad, en mayúsculas o minúsculas; * representa cualquier cantidad de letras, ? una sola (Frank* encuentra Franklin y Frankfort)</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The whole state, in any letter case; * and ? as in City</source>
        <translation>El estado completo, en mayúsculas o minúsculas; * y ? como en Ciudad</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Zip codes that begin with this (37064 finds 37064-1234 too); * and ? as in City</source>
        <translation>Códigos postales que empiezan así (37064 también encuentra 37064-1234); * y ? como en Ciudad</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
</context>
<context>
    <name>frmMergePeople</name>
    <message>
        <source>Merge People</source>
        <translation>Combinar personas</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conservar</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>&amp;Intercambiar</translation>
    </message>
    <message>
        <source>Merge in and &amp;remove</source>
        <translation>Combinar y &amp;quitar</translation>
    </message>
    <message>
        <source>Click the value that stays (or press Space on its row). The family links, responsibilities, contacts, classes, groups and user account of the removed record move to the kept one.</source>
        <translation>Haga clic en el valor que se queda (o presione Espacio en su fila). Los vínculos familiares, responsabilidades, contactos, clases, grupos y la cuenta de usuario del registro quitado pasan al que se conserva.</translation>
    </message>
    <message>
        <source>Possible &amp;Duplicates...</source>
        <translation>Posibles &amp;duplicados...</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Combinar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>frmOutreachPhaseEntry</name>
    <message>
        <source>Outreach Phase Entry</source>
        <translation>Ingreso de fases de alcance</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Time Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Make all changes before clicking Save and Close.</source>
        <translation>Haga todos los cambios antes de hacer clic en Guardar y cerrar.</translation>
    </message>
    <message>
        <source>Save And Close</source>
        <translation>Guardar y cerrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>frmProspectContactEntry</name>
    <message>
        <source>Prospect Contact Entry/Edit</source>
        <translation>Ingreso/edición de contactos con prospectos</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Prospect</source>
        <translation>Prospecto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Visitor 1</source>
        <translation>Visitante 1</translation>
    </message>
    <message>
        <source>Visitor 2</source>
        <translation>Visitante 2</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Next Phase</source>
        <translation>Próxima fase</translation>
    </message>
    <message>
        <source>Next Contact Date</source>
        <translation>Fecha del próximo contacto</translation>
    </message>
    <message>
        <source>Next Contact Action</source>
        <translation>Acción del próximo contacto</translation>
    </message>
    <message>
        <source>Save And New</source>
        <translation>Guardar y nuevo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>frmProspectNavigator</name>
    <message>
        <source>Prospect Navigator</source>
        <translation>Navegador de prospectos</translation>
    </message>
    <message>
        <source>Search Criteria</source>
        <translation>Criterios de búsqueda</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Next Contact</source>
        <translation>Próximo contacto</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Next Action</source>
        <translation>Próxima acción</translation>
    </message>
    <message>
        <source>Previous Contact</source>
        <translation>Contacto anterior</translation>
    </message>
    <message>
        <source>Prev. Act,</source>
        <translation>Acc. ant.</translation>
    </message>
    <message>
        <source>Member Status</source>
        <translation>Estado de miembro</translation>
    </message>
    <message>
        <source>Church Status</source>
        <translation>Estado en la iglesia</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Estado de prospecto</translation>
    </message>
    <message>
        <source>Finds the text anywhere in Hobbies, Organizations, Place of Work, Notes and Prospect Notes (not in names or addresses: use Name, City, State and Zip for those)</source>
        <translation>Busca el texto en cualquier parte de Pasatiempos, Organizaciones, Lugar de trabajo, Notas y Notas de prospecto (no en nombres ni direcciones: para eso use Nombre, Ciudad, Estado y Código postal)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>SS Class</source>
        <translation>Clase de ED</translation>
    </message>
    <message>
        <source>CG Assign</source>
        <translation>Grupo de cuidado</translation>
    </message>
    <message>
        <source>DOB/Anniv</source>
        <translation>Nac./Aniv.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>The whole city name, in any letter case; * stands for any letters, ? for one (Frank* finds Franklin and Frankfort)</source>
        <translation>El nombre completo de la ciudad, en mayúsculas o minúsculas; * representa cualquier cantidad de letras, ? una sola (Frank* encuentra Franklin y Frankfort)</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The whole state, in any letter case; * and ? as in City</source>
        <translation>El estado completo, en mayúsculas o minúsculas; * y ? como en Ciudad</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Zip codes that begin with this (37064 finds 37064-1234 too); * and ? as in City</source>
        <translation>Códigos postales que empiezan así (37064 también encuentra 37064-1234); * y ? como en Ciudad</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimir lista</translation>
    </message>
    <message>
        <source>Print Mail Lbl</source>
        <translation>Imprimir etiquetas</translation>
    </message>
    <message>
        <source>Print PVS</source>
        <translation>Imprimir hojas de visita</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Prospects</source>
        <translation>Prospectos</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
</context>
<context>
    <name>frmRosters</name>
    <message>
        <source>(1 place empty)</source>
        <translation>(1 lugar vacío)</translation>
    </message>
    <message>
        <source>(%1 places empty)</source>
        <translation>(%1 lugares vacíos)</translation>
    </message>
</context>
<context>
    <name>frmStartPage</name>
    <message>
        <source>Start Page</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>Names of people are shown to users who hold the &quot;Member View&quot; permission.</source>
        <translation>Los nombres de las personas se muestran a los usuarios que tienen el permiso &quot;Member View&quot;.</translation>
    </message>
    <message>
        <source>Birthdays and Anniversaries, Next 7 Days</source>
        <translation>Cumpleaños y aniversarios, próximos 7 días</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>Ocasión</translation>
    </message>
    <message>
        <source>Opened Lately</source>
        <translation>Abiertos recientemente</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Serving This Week</source>
        <translation>Sirviendo esta semana</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Culto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Lugares</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflicto</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personas</translation>
    </message>
    <message>
        <source>Prospects Due for Contact</source>
        <translation>Prospectos pendientes de contacto</translation>
    </message>
    <message>
        <source>Next Contact</source>
        <translation>Próximo contacto</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>frmUserEntry</name>
    <message>
        <source>User Entry/Edit</source>
        <translation>Alta/edición de usuarios</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Password Again</source>
        <translation>Repetir contraseña</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>All Permissions</source>
        <translation>Todos los permisos</translation>
    </message>
    <message>
        <source>User Permissions</source>
        <translation>Permisos del usuario</translation>
    </message>
    <message>
        <source>Add &gt;</source>
        <translation>Agregar &gt;</translation>
    </message>
    <message>
        <source>&lt; Rem</source>
        <translation>&lt; Quitar</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Agregar &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Rem</source>
        <translation>&lt;&lt; Quitar</translation>
    </message>
    <message>
        <source>Save And Close</source>
        <translation>Guardar y cerrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>frmWelcome</name>
    <message>
        <source>Welcome to Pewlark</source>
        <translation>Bienvenido a Pewlark</translation>
    </message>
    <message>
        <source>Welcome to Pewlark. Where is your church kept?</source>
        <translation>Bienvenido a Pewlark. ¿Dónde se guarda su iglesia?</translation>
    </message>
    <message>
        <source>Create a new church</source>
        <translation>Crear una iglesia nueva</translation>
    </message>
    <message>
        <source>Open a church file...</source>
        <translation>Abrir un archivo de iglesia...</translation>
    </message>
    <message>
        <source>Connect to the office server...</source>
        <translation>Conectarse al servidor de la oficina...</translation>
    </message>
    <message>
        <source>Move in from the older program...</source>
        <translation>Traer los datos del programa anterior...</translation>
    </message>
    <message>
        <source>Try the demo church</source>
        <translation>Probar la iglesia de demostración</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Church name:</source>
        <translation>Nombre de la iglesia:</translation>
    </message>
    <message>
        <source>Admin user name:</source>
        <translation>Nombre de usuario del Admin:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Password again:</source>
        <translation>Repita la contraseña:</translation>
    </message>
    <message>
        <source>Church file:</source>
        <translation>Archivo de la iglesia:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Imágenes:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>The office server&apos;s location, as the person who set it up gave it (for instance postgresql://office-server/church):</source>
        <translation>La ubicación del servidor de la oficina, tal como la indicó quien lo configuró (por ejemplo postgresql://office-server/church):</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
</context>
<context>
    <name>pw::EditTracker</name>
    <message>
        <source> (Log in to save)</source>
        <translation> (Inicie sesión para guardar)</translation>
    </message>
    <message>
        <source> (View only)</source>
        <translation> (Solo lectura)</translation>
    </message>
</context>
<context>
    <name>pw::HelpWindow</name>
    <message>
        <source>Pewlark Help</source>
        <translation>Ayuda de Pewlark</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Temas</translation>
    </message>
</context>
<context>
    <name>pw::MDI</name>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>Página de &amp;inicio</translation>
    </message>
    <message>
        <source>Change &amp;My Password</source>
        <translation>Cambiar mi contra&amp;seña</translation>
    </message>
    <message>
        <source>&amp;Reset Window Sizes</source>
        <translation>Restablecer &amp;tamaños de ventana</translation>
    </message>
    <message>
        <source>Window sizes reset.</source>
        <translation>Se restablecieron los tamaños de las ventanas.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Pewlark Help</source>
        <translation>Ayuda de Pewlark</translation>
    </message>
    <message>
        <source>&amp;Back Up Database...</source>
        <translation>Copia de &amp;seguridad de la base de datos...</translation>
    </message>
    <message>
        <source>&amp;Restore Database...</source>
        <translation>&amp;Restaurar base de datos...</translation>
    </message>
    <message>
        <source>&amp;Import People...</source>
        <translation>&amp;Importar personas...</translation>
    </message>
</context>
<context>
    <name>pw::admin::ListEditor</name>
    <message>
        <source>Sunday School Class Entry/Edit</source>
        <translation>Alta/edición de clases de Escuela Dominical</translation>
    </message>
    <message>
        <source>Discipleship Training Class Entry/Edit</source>
        <translation>Alta/edición de clases de discipulado</translation>
    </message>
    <message>
        <source>Wednesday Night Class Entry/Edit</source>
        <translation>Alta/edición de clases del miércoles por la noche</translation>
    </message>
    <message>
        <source>class</source>
        <translation>clase</translation>
    </message>
    <message>
        <source>Name is Required.</source>
        <translation>El nombre es obligatorio.</translation>
    </message>
    <message>
        <source>Care Group Entry/Edit</source>
        <translation>Alta/edición de grupos de cuidado</translation>
    </message>
    <message>
        <source>care group</source>
        <translation>grupo de cuidado</translation>
    </message>
    <message>
        <source>Leader is Required.</source>
        <translation>El líder es obligatorio.</translation>
    </message>
    <message>
        <source>Church Responsibility Entry/Edit</source>
        <translation>Alta/edición de responsabilidades de la iglesia</translation>
    </message>
    <message>
        <source>responsibility</source>
        <translation>responsabilidad</translation>
    </message>
    <message>
        <source>Save And Close</source>
        <translation>Guardar y cerrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obligatorios</translation>
    </message>
    <message>
        <source>This %1 no longer exists in the database.</source>
        <translation>Este registro (%1) ya no existe en la base de datos.</translation>
    </message>
    <message>
        <source>This %1 no longer exists in the database, so the changes could not be saved.</source>
        <translation>Este registro (%1) ya no existe en la base de datos, por lo que no se pudieron guardar los cambios.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Se guardó %1.</translation>
    </message>
    <message>
        <source>Desc.</source>
        <translation>Descr.</translation>
    </message>
</context>
<context>
    <name>pw::admin::frmChangePassword</name>
    <message>
        <source>Change My Password</source>
        <translation>Cambiar mi contraseña</translation>
    </message>
    <message>
        <source>The password of %1.</source>
        <translation>La contraseña de %1.</translation>
    </message>
    <message>
        <source>Changed the password of %1.</source>
        <translation>Se cambió la contraseña de %1.</translation>
    </message>
    <message>
        <source>Please type the new password.</source>
        <translation>Escriba la nueva contraseña.</translation>
    </message>
    <message>
        <source>After several wrong passwords in a row the next try must wait: try again in %1 %2.</source>
        <translation>Después de varias contraseñas incorrectas seguidas, el siguiente intento debe esperar: vuelva a intentarlo dentro de %1 %2.</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>The old password is not the password of your account.</source>
        <translation>La contraseña anterior no es la contraseña de su cuenta.</translation>
    </message>
</context>
<context>
    <name>pw::admin::frmChurchInfo</name>
    <message>
        <source>Quantity must be greater than 0.</source>
        <translation>La cantidad debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Dato no válido</translation>
    </message>
    <message>
        <source>Church Name is Required.</source>
        <translation>El nombre de la iglesia es obligatorio.</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obligatorios</translation>
    </message>
    <message>
        <source>church information</source>
        <translation>datos de la iglesia</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Iglesia</translation>
    </message>
    <message>
        <source>Keypress Delay</source>
        <translation>Retardo de tecla</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Se guardó %1.</translation>
    </message>
</context>
<context>
    <name>pw::admin::frmImportPeople</name>
    <message>
        <source>Import People</source>
        <translation>Importar personas</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Fill empty fields</source>
        <translation>Completar campos vacíos</translation>
    </message>
    <message>
        <source>Add anyway</source>
        <translation>Agregar de todos modos</translation>
    </message>
    <message>
        <source>1. The CSV file</source>
        <translation>1. El archivo CSV</translation>
    </message>
    <message>
        <source>Save the spreadsheet as CSV (comma, semicolon or tab separated, with the column names in the first row) and choose the file.</source>
        <translation>Guarde la hoja de cálculo como CSV (separado por comas, punto y coma o tabulaciones, con los nombres de las columnas en la primera fila) y elija el archivo.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>2. Columns</source>
        <translation>2. Columnas</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>First Row</source>
        <translation>Primera fila</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>&amp;Load Mapping...</source>
        <translation>&amp;Cargar correspondencia...</translation>
    </message>
    <message>
        <source>&amp;Save Mapping...</source>
        <translation>&amp;Guardar correspondencia...</translation>
    </message>
    <message>
        <source>3. Choices</source>
        <translation>3. Opciones</translation>
    </message>
    <message>
        <source>Without a family column, people with the same last name and address are one family</source>
        <translation>Sin una columna de familia, las personas con el mismo apellido y dirección forman una familia</translation>
    </message>
    <message>
        <source>Add values that are not in their lists (titles, states, statuses) to the lists</source>
        <translation>Agregar a las listas los valores que no están en ellas (títulos, estados, situaciones)</translation>
    </message>
    <message>
        <source>People already in the church:</source>
        <translation>Personas que ya están en la iglesia:</translation>
    </message>
    <message>
        <source>Every person in this file who has none gets (the member screen saves no change to a person without these):</source>
        <translation>Toda persona de este archivo que no los tenga recibe (la pantalla de miembros no guarda cambios de una persona sin ellos):</translation>
    </message>
    <message>
        <source>4. Preview</source>
        <translation>4. Vista previa</translation>
    </message>
    <message>
        <source>Rows that match someone already in the church:</source>
        <translation>Filas que coinciden con alguien que ya está en la iglesia:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Do</source>
        <comment>column: what to do with the row</comment>
        <translation>Acción</translation>
    </message>
    <message>
        <source>5. Report</source>
        <translation>5. Informe</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt *.tsv)</source>
        <translation>Archivos CSV (*.csv *.txt *.tsv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose the CSV file to import.</source>
        <translation>Elija el archivo CSV que desea importar.</translation>
    </message>
    <message>
        <source>%1 rows, %2 columns; %3, %4 separated.</source>
        <translation>%1 filas, %2 columnas; %3, separado por %4.</translation>
    </message>
    <message>
        <source>(ignore)</source>
        <translation>(omitir)</translation>
    </message>
    <message>
        <source>Choose the column that holds the first or the last name.</source>
        <translation>Elija la columna que contiene el nombre o el apellido.</translation>
    </message>
    <message>
        <source>%1 %2 matches %3</source>
        <translation>%1 %2 coincide con %3</translation>
    </message>
    <message>
        <source>The import failed; nothing of it was written.

%1</source>
        <translation>La importación falló; no se escribió nada.

%1</translation>
    </message>
    <message>
        <source>Imported %1 people from %2.</source>
        <translation>Se importaron %1 personas de %2.</translation>
    </message>
    <message>
        <source>Load Mapping</source>
        <translation>Cargar correspondencia</translation>
    </message>
    <message>
        <source>Column Mappings (*.json)</source>
        <translation>Correspondencias de columnas (*.json)</translation>
    </message>
    <message>
        <source>Save Mapping</source>
        <translation>Guardar correspondencia</translation>
    </message>
</context>
<context>
    <name>pw::admin::frmUserEntry</name>
    <message>
        <source>Name, Type, Username, and Password are Required.</source>
        <translation>Nombre, Tipo, Nombre de usuario y Contraseña son obligatorios.</translation>
    </message>
    <message>
        <source>User Entry/Edit</source>
        <translation>Alta/edición de usuarios</translation>
    </message>
    <message>
        <source>These accounts have user names that differ only in capital letters, so Pewlark cannot tell them apart:

%1

Give each account a user name of its own.</source>
        <translation>Estas cuentas tienen nombres de usuario que solo se diferencian en mayúsculas, por lo que Pewlark no puede distinguirlas:

%1

Asigne a cada cuenta un nombre de usuario propio.</translation>
    </message>
    <message>
        <source>This username already exists.  Please choose a different username.</source>
        <translation>Este nombre de usuario ya existe.  Elija un nombre de usuario diferente.</translation>
    </message>
    <message>
        <source>Username Exists</source>
        <translation>El nombre de usuario ya existe</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obligatorios</translation>
    </message>
    <message>
        <source>account</source>
        <translation>cuenta</translation>
    </message>
    <message>
        <source>This is the only active &quot;Admin&quot; account: it cannot be made inactive or turned into a &quot;User&quot;, or nobody could look after the users and their permissions any more. Make another account an active &quot;Admin&quot; first.</source>
        <translation>Esta es la única cuenta &quot;Admin&quot; activa: no se puede desactivar ni convertir en &quot;User&quot;, o nadie podría ocuparse de los usuarios y sus permisos. Primero haga que otra cuenta sea &quot;Admin&quot; activa.</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Dato no válido</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Se guardó %1.</translation>
    </message>
</context>
<context>
    <name>pw::attendance::AttendancePanel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Suggested from the last 13 weeks:</source>
        <translation>Sugerido según las últimas 13 semanas:</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Last attended: %1 (%2 of the last 13 weeks)</source>
        <translation>Última asistencia: %1 (%2 de las últimas 13 semanas)</translation>
    </message>
    <message>
        <source>Last attended: never</source>
        <translation>Última asistencia: nunca</translation>
    </message>
    <message>
        <source>%1 (%2 of 13 weeks)</source>
        <translation>%1 (%2 de 13 semanas)</translation>
    </message>
    <message>
        <source>Suggested from the last 13 weeks: %1</source>
        <translation>Sugerido según las últimas 13 semanas: %1</translation>
    </message>
</context>
<context>
    <name>pw::attendance::SinceCriterionBox</name>
    <message>
        <source>Attended since</source>
        <translation>Asistió desde</translation>
    </message>
    <message>
        <source>Not attended since</source>
        <translation>No asistió desde</translation>
    </message>
    <message>
        <source>(any service)</source>
        <translation>(cualquier servicio)</translation>
    </message>
</context>
<context>
    <name>pw::attendance::frmAttendanceEntry</name>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Agregar</translation>
    </message>
    <message>
        <source>Add Visitor</source>
        <translation>Agregar visitante</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Attendance Entry</source>
        <translation>Registro de asistencia</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Add person</source>
        <translation>Agregar persona</translation>
    </message>
    <message>
        <source>Visitor (added as a prospect)</source>
        <translation>Visitante (se agrega como prospecto)</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Headcount</source>
        <translation>Conteo</translation>
    </message>
    <message>
        <source>the attendance of %1, %2</source>
        <translation>la asistencia de %1, %2</translation>
    </message>
    <message>
        <source>Recorded by %1 on %2</source>
        <translation>Registrado por %1 el %2</translation>
    </message>
    <message>
        <source>Not recorded yet</source>
        <translation>Aún no registrado</translation>
    </message>
    <message>
        <source>Choose the person to add.</source>
        <translation>Elija la persona que desea agregar.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
    <message>
        <source>A visitor&apos;s first and last name are required.</source>
        <translation>El nombre y el apellido del visitante son obligatorios.</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obligatorios</translation>
    </message>
    <message>
        <source>Add Anyway</source>
        <translation>Agregar de todos modos</translation>
    </message>
    <message>
        <source>Tick That Person</source>
        <translation>Marcar a esa persona</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ticked %1.</source>
        <translation>Se marcó a %1.</translation>
    </message>
    <message>
        <source>Added %1 as a prospect.</source>
        <translation>Se agregó a %1 como prospecto.</translation>
    </message>
    <message>
        <source>Choose a class.</source>
        <translation>Elija una clase.</translation>
    </message>
    <message>
        <source>attendance</source>
        <translation>asistencia</translation>
    </message>
    <message>
        <source>Saved the attendance of %1, %2.</source>
        <translation>Se guardó la asistencia de %1, %2.</translation>
    </message>
</context>
<context>
    <name>pw::attendance::frmAttendanceReports</name>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Trimestre</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Attendance Reports</source>
        <translation>Informes de asistencia</translation>
    </message>
    <message>
        <source>Class Roll Sheet</source>
        <translation>Lista de asistencia de la clase</translation>
    </message>
    <message>
        <source>Attendance Summary</source>
        <translation>Resumen de asistencia</translation>
    </message>
    <message>
        <source>Not Seen Lately</source>
        <translation>Ausentes últimamente</translation>
    </message>
    <message>
        <source>Attended at least</source>
        <translation>Asistió al menos</translation>
    </message>
    <message>
        <source>of the</source>
        <translation>de las</translation>
    </message>
    <message>
        <source>weeks before the date, and not since</source>
        <translation>semanas antes de la fecha, y no desde entonces</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Covering</source>
        <translation>Abarca</translation>
    </message>
    <message>
        <source>(any service)</source>
        <translation>(cualquier servicio)</translation>
    </message>
    <message>
        <source>Starting month</source>
        <translation>Mes inicial</translation>
    </message>
    <message>
        <source>Up to the week of</source>
        <translation>Hasta la semana del</translation>
    </message>
    <message>
        <source>Not since</source>
        <translation>No desde</translation>
    </message>
    <message>
        <source>Choose a class.</source>
        <translation>Elija una clase.</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obligatorios</translation>
    </message>
    <message>
        <source>Printed the %1.</source>
        <translation>Se imprimió: %1.</translation>
    </message>
</context>
<context>
    <name>pw::checkin::CarePanel</name>
    <message>
        <source>Save Notes</source>
        <translation>Guardar notas</translation>
    </message>
    <message>
        <source>Allergies and medical notes</source>
        <translation>Alergias y notas médicas</translation>
    </message>
    <message>
        <source>Authorised to pick up</source>
        <translation>Autorizados a recoger</translation>
    </message>
    <message>
        <source>The care notes of %1 are not saved. Save them?</source>
        <translation>Las notas de cuidado de %1 no están guardadas. ¿Desea guardarlas?</translation>
    </message>
    <message>
        <source>Family Info</source>
        <translation>Datos de la familia</translation>
    </message>
    <message>
        <source>Saved the care notes of %1.</source>
        <translation>Se guardaron las notas de cuidado de %1.</translation>
    </message>
</context>
<context>
    <name>pw::checkin::VisitorFamilyDialog</name>
    <message>
        <source>Add Family</source>
        <translation>Agregar familia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Visitor Family</source>
        <translation>Agregar familia visitante</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Padre o madre</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Hijos</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Girl / Boy</source>
        <translation>Niña / Niño</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Niña</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>A parent&apos;s first and last name are required.</source>
        <translation>Se requieren el nombre y el apellido del padre o la madre.</translation>
    </message>
    <message>
        <source>%1&apos;s birth date is not a date.</source>
        <translation>La fecha de nacimiento de %1 no es una fecha válida.</translation>
    </message>
    <message>
        <source>Type the first name of at least one child.</source>
        <translation>Escriba el nombre de al menos un hijo.</translation>
    </message>
    <message>
        <source>

Add this family anyway?</source>
        <translation>

¿Desea agregar esta familia de todos modos?</translation>
    </message>
    <message>
        <source>Add Anyway</source>
        <translation>Agregar de todos modos</translation>
    </message>
</context>
<context>
    <name>pw::checkin::frmCheckinReports</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Check-in Reports</source>
        <translation>Informes de registro</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Printed the %1 report.</source>
        <translation>Se imprimió el informe %1.</translation>
    </message>
</context>
<context>
    <name>pw::checkin::frmCheckinStation</name>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Show adults</source>
        <translation>Mostrar adultos</translation>
    </message>
    <message>
        <source>Check In</source>
        <translation>Registrar entrada</translation>
    </message>
    <message>
        <source>Reprint Labels</source>
        <translation>Reimprimir etiquetas</translation>
    </message>
    <message>
        <source>Add Visitor Family</source>
        <translation>Agregar familia visitante</translation>
    </message>
    <message>
        <source>Check Out</source>
        <translation>Registrar salida</translation>
    </message>
    <message>
        <source>Show the labels in the viewer instead of printing them (to save them as PDF)</source>
        <translation>Mostrar las etiquetas en el visor en lugar de imprimirlas (para guardarlas como PDF)</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Imprimir página de prueba</translation>
    </message>
    <message>
        <source>Check-in Station</source>
        <translation>Estación de registro</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Last 4 digits of a phone, or last name</source>
        <translation>Últimos 4 dígitos de un teléfono, o apellido</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Code on the stub</source>
        <translation>Código del talón</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Type the last four digits of a phone number or the start of a last name.</source>
        <translation>Escriba los últimos cuatro dígitos de un número de teléfono o el comienzo de un apellido.</translation>
    </message>
    <message>
        <source>No family found for &quot;%1&quot;.</source>
        <translation>No se encontró ninguna familia para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>1 family</source>
        <translation>1 familia</translation>
    </message>
    <message>
        <source>%1 families</source>
        <translation>%1 familias</translation>
    </message>
    <message>
        <source> (allergy)</source>
        <translation> (alergia)</translation>
    </message>
    <message>
        <source>
checked in: </source>
        <translation>
registrado: </translation>
    </message>
    <message>
        <source>her</source>
        <extracomment>Whose label: &quot;Print her label again?&quot;</extracomment>
        <translation>su</translation>
    </message>
    <message>
        <source>his</source>
        <translation>su</translation>
    </message>
    <message>
        <source>their</source>
        <translation>su</translation>
    </message>
    <message>
        <source>Tick the people to check in.</source>
        <translation>Marque las personas que desea registrar.</translation>
    </message>
    <message>
        <source>%1 is already checked in to %2 %3 with code %4. Print %5 label again?</source>
        <translation>%1 ya está registrado en %2 %3 con el código %4. ¿Desea imprimir %5 etiqueta otra vez?</translation>
    </message>
    <message>
        <source>Checked in: </source>
        <translation>Registrados: </translation>
    </message>
    <message>
        <source>Labels printed again: </source>
        <translation>Etiquetas reimpresas: </translation>
    </message>
    <message>
        <source>Nobody new was checked in.</source>
        <translation>No se registró a nadie nuevo.</translation>
    </message>
    <message>
        <source>The labels were not printed: press Reprint Labels.</source>
        <translation>Las etiquetas no se imprimieron: presione Reimprimir etiquetas.</translation>
    </message>
    <message>
        <source>Checked in %1 with code %2.</source>
        <translation>Se registró a %1 con el código %2.</translation>
    </message>
    <message>
        <source>Find the family first.</source>
        <translation>Primero busque la familia.</translation>
    </message>
    <message>
        <source>Nobody of this family is checked in to %1 %2.</source>
        <translation>Nadie de esta familia está registrado en %1 %2.</translation>
    </message>
    <message>
        <source>The labels were not printed.</source>
        <translation>Las etiquetas no se imprimieron.</translation>
    </message>
    <message>
        <source>Added the visitor family %1.</source>
        <translation>Se agregó la familia visitante %1.</translation>
    </message>
    <message>
        <source>Label size on this computer</source>
        <translation>Tamaño de etiqueta en este equipo</translation>
    </message>
    <message>
        <source>No child is checked in %1 with code %2.</source>
        <translation>Ningún niño está registrado %1 con el código %2.</translation>
    </message>
    <message>
        <source>
Authorised to pick up: </source>
        <translation>
Autorizados a recoger: </translation>
    </message>
    <message>
        <source>(not recorded)</source>
        <translation>(no registrado)</translation>
    </message>
    <message>
        <source>
checked out at </source>
        <translation>
salida a las </translation>
    </message>
    <message>
        <source>Everyone under code %1 is checked out already.</source>
        <translation>Todos los del código %1 ya tienen la salida registrada.</translation>
    </message>
    <message>
        <source>Type the code on the parent&apos;s stub and tick the children to check out.</source>
        <translation>Escriba el código del talón del padre o la madre y marque los niños que salen.</translation>
    </message>
    <message>
        <source>Checked out: %1.</source>
        <translation>Salida registrada: %1.</translation>
    </message>
</context>
<context>
    <name>pw::checkin::frmClassCheckout</name>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Check Out</source>
        <translation>Registrar salida</translation>
    </message>
    <message>
        <source>Class Check-out</source>
        <translation>Salida de la clase</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Code on the stub</source>
        <translation>Código del talón</translation>
    </message>
    <message>
        <source>
Allergy: </source>
        <translation>
Alergia: </translation>
    </message>
    <message>
        <source>
Authorised to pick up: </source>
        <translation>
Autorizados a recoger: </translation>
    </message>
    <message>
        <source>(not recorded)</source>
        <translation>(no registrado)</translation>
    </message>
    <message>
        <source>Still checked in: %1</source>
        <translation>Aún registrados: %1</translation>
    </message>
    <message>
        <source>No child of %1 is checked in %2 with code %3.</source>
        <translation>Ningún niño de %1 está registrado %2 con el código %3.</translation>
    </message>
    <message>
        <source>Checked out: %1.</source>
        <translation>Salida registrada: %1.</translation>
    </message>
</context>
<context>
    <name>pw::directory::DirectoryPanel</name>
    <message>
        <source>Load Family Picture...</source>
        <translation>Cargar foto familiar...</translation>
    </message>
    <message>
        <source>Remove Family Picture</source>
        <translation>Quitar foto familiar</translation>
    </message>
    <message>
        <source>Church directory</source>
        <translation>Directorio de la iglesia</translation>
    </message>
    <message>
        <source>Saved the directory listing: %1.</source>
        <translation>Se guardó la inclusión en el directorio: %1.</translation>
    </message>
    <message>
        <source>Load Family Picture</source>
        <translation>Cargar foto familiar</translation>
    </message>
    <message>
        <source>Image Files (*.bmp *.jpg *.jpeg *.png *.gif *.tif *.tiff)</source>
        <translation>Archivos de imagen (*.bmp *.jpg *.jpeg *.png *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read.</source>
        <translation>El archivo &quot;%1&quot; no es una imagen que se pueda leer.</translation>
    </message>
    <message>
        <source>The picture could not be copied to &quot;%1&quot;.</source>
        <translation>No se pudo copiar la imagen a &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Stored the family picture.</source>
        <translation>Se guardó la foto familiar.</translation>
    </message>
    <message>
        <source>Removed the family picture.</source>
        <translation>Se quitó la foto familiar.</translation>
    </message>
</context>
<context>
    <name>pw::directory::frmChurchDirectory</name>
    <message>
        <source>Church &amp;statuses</source>
        <translation>&amp;Estados en la iglesia</translation>
    </message>
    <message>
        <source>&amp;Birthdays (day and month)</source>
        <translation>&amp;Cumpleaños (día y mes)</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <translation>P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Church Directory</source>
        <translation>Directorio de la iglesia</translation>
    </message>
    <message>
        <source>People in the directory</source>
        <translation>Personas en el directorio</translation>
    </message>
    <message>
        <source>Letter</source>
        <comment>paper size</comment>
        <translation>Carta</translation>
    </message>
    <message>
        <source>2 per page</source>
        <translation>2 por página</translation>
    </message>
    <message>
        <source>4 per page</source>
        <translation>4 por página</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papel</translation>
    </message>
    <message>
        <source>&amp;Households</source>
        <translation>&amp;Hogares</translation>
    </message>
    <message>
        <source>The person &amp;found</source>
        <translation>La persona encon&amp;trada</translation>
    </message>
    <message>
        <source>The %1 people &amp;found</source>
        <translation>Las %1 personas encon&amp;tradas</translation>
    </message>
    <message>
        <source>No people are chosen for the directory.</source>
        <translation>No se eligió a nadie para el directorio.</translation>
    </message>
    <message>
        <source>Printed the church directory.</source>
        <translation>Se imprimió el directorio de la iglesia.</translation>
    </message>
    <message>
        <source>Wrote the church directory to %1.</source>
        <translation>Se guardó el directorio de la iglesia en %1.</translation>
    </message>
</context>
<context>
    <name>pw::frmAbout</name>
    <message>
        <source>About Screen</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>pw::frmLogin</name>
    <message>
        <source>You must enter a username</source>
        <translation>Debe escribir un nombre de usuario</translation>
    </message>
    <message>
        <source>Invalid Username</source>
        <translation>Nombre de usuario no válido</translation>
    </message>
    <message>
        <source>Your username and/or password is invalid.</source>
        <translation>Su nombre de usuario o contraseña no es válido.</translation>
    </message>
    <message>
        <source>Invalid Username/Password</source>
        <translation>Usuario o contraseña no válidos</translation>
    </message>
    <message>
        <source>%1 failed logins in a row: the answer comes in %2 %3.</source>
        <translation>%1 intentos fallidos seguidos de inicio de sesión: la respuesta llegará en %2 %3.</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
</context>
<context>
    <name>pw::frmWelcome</name>
    <message>
        <source>The New Church File</source>
        <translation>El archivo de la nueva iglesia</translation>
    </message>
    <message>
        <source>Pewlark Churches</source>
        <translation>Iglesias de Pewlark</translation>
    </message>
    <message>
        <source>Open a Church File</source>
        <translation>Abrir un archivo de iglesia</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Please give the server&apos;s location in the form postgresql://server/database.</source>
        <translation>Indique la ubicación del servidor en la forma postgresql://servidor/base_de_datos.</translation>
    </message>
    <message>
        <source>Welcome to Pewlark</source>
        <translation>Bienvenido a Pewlark</translation>
    </message>
    <message>
        <source>The Older Program&apos;s Database</source>
        <translation>La base de datos del programa anterior</translation>
    </message>
    <message>
        <source>Older Program Databases</source>
        <translation>Bases de datos del programa anterior</translation>
    </message>
    <message>
        <source>Move In</source>
        <translation>Traer datos</translation>
    </message>
    <message>
        <source>Making the demo church...</source>
        <translation>Creando la iglesia de demostración...</translation>
    </message>
    <message>
        <source>The Demo Church</source>
        <translation>La iglesia de demostración</translation>
    </message>
</context>
<context>
    <name>pw::giving::GivingPanel</name>
    <message>
        <source>Save En&amp;velope</source>
        <translation>Guardar so&amp;bre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Forma de pago</translation>
    </message>
    <message>
        <source>Check No.</source>
        <translation>N.º de cheque</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Pledged</source>
        <translation>Prometido</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Donado</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Add &amp;Pledge</source>
        <translation>Agregar &amp;promesa</translation>
    </message>
    <message>
        <source>Remove Pl&amp;edge</source>
        <translation>&amp;Quitar promesa</translation>
    </message>
    <message>
        <source>With the household</source>
        <translation>Con la familia</translation>
    </message>
    <message>
        <source>Alone</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Constancia</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Totals per fund</source>
        <translation>Totales por fondo</translation>
    </message>
    <message>
        <source>Pledges</source>
        <translation>Promesas</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Save the person first.</source>
        <translation>Primero guarde la persona.</translation>
    </message>
    <message>
        <source>Giving</source>
        <translation>Ofrendas</translation>
    </message>
    <message>
        <source>Choose the fund of the pledge.</source>
        <translation>Elija el fondo de la promesa.</translation>
    </message>
    <message>
        <source>The pledge ends (%1) before it starts (%2).</source>
        <translation>La promesa termina (%1) antes de comenzar (%2).</translation>
    </message>
    <message>
        <source>Type the amount pledged.</source>
        <translation>Escriba el importe prometido.</translation>
    </message>
    <message>
        <source>Added a pledge of %1.</source>
        <translation>Se agregó una promesa de %1.</translation>
    </message>
    <message>
        <source>Choose the pledge to remove.</source>
        <translation>Elija la promesa que desea quitar.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
    <message>
        <source>Remove the pledge of %1 to %2?</source>
        <translation>¿Quitar la promesa de %1 para %2?</translation>
    </message>
    <message>
        <source>Removed the pledge.</source>
        <translation>Se quitó la promesa.</translation>
    </message>
    <message>
        <source>Envelope number %1 already belongs to %2.</source>
        <translation>El número de sobre %1 ya pertenece a %2.</translation>
    </message>
    <message>
        <source>Saved envelope number %1.</source>
        <translation>Se guardó el número de sobre %1.</translation>
    </message>
    <message>
        <source>Saved the giving settings.</source>
        <translation>Se guardó la configuración de ofrendas.</translation>
    </message>
    <message>
        <source>Given in %1: %2</source>
        <translation>Donado en %1: %2</translation>
    </message>
</context>
<context>
    <name>pw::giving::frmContributionStatements</name>
    <message>
        <source>&amp;Everybody who gave</source>
        <translation>&amp;Todos los que ofrendaron</translation>
    </message>
    <message>
        <source>One &amp;person</source>
        <translation>Una &amp;persona</translation>
    </message>
    <message>
        <source>Also write the totals per fund as a CSV file</source>
        <translation>Escribir también los totales por fondo en un archivo CSV</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;One PDF...</source>
        <translation>&amp;Un PDF...</translation>
    </message>
    <message>
        <source>PDF per &amp;Giver...</source>
        <translation>PDF por &amp;donante...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Contribution Statements</source>
        <translation>Constancias de contribuciones</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Hasta</translation>
    </message>
    <message>
        <source>Statements for</source>
        <translation>Constancias para</translation>
    </message>
    <message>
        <source>The person &amp;found</source>
        <translation>La persona &amp;encontrada</translation>
    </message>
    <message>
        <source>The %1 people &amp;found</source>
        <translation>Las %1 personas &amp;encontradas</translation>
    </message>
    <message>
        <source>The period starts (%1) after it ends (%2).</source>
        <translation>El período comienza (%1) después de terminar (%2).</translation>
    </message>
    <message>
        <source>Choose the person.</source>
        <translation>Elija la persona.</translation>
    </message>
    <message>
        <source>%1 gave nothing from %2 to %3.</source>
        <translation>%1 no ofrendó nada del %2 al %3.</translation>
    </message>
    <message>
        <source>None of the people found gave anything from %1 to %2.</source>
        <translation>Ninguna de las personas encontradas ofrendó nada del %1 al %2.</translation>
    </message>
    <message>
        <source>Nobody gave anything from %1 to %2.</source>
        <translation>Nadie ofrendó nada del %1 al %2.</translation>
    </message>
    <message>
        <source>contribution statements</source>
        <translation>constancias de contribuciones</translation>
    </message>
    <message>
        <source>Save the Statements as One PDF</source>
        <translation>Guardar las constancias en un solo PDF</translation>
    </message>
    <message>
        <source>Choose the Folder for the Statements</source>
        <translation>Elegir la carpeta para las constancias</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Writing the contribution statements...</source>
        <translation>Escribiendo las constancias de contribuciones...</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 statement(s).</source>
        <translation>Se detuvo después de %1 de %2 constancia(s).</translation>
    </message>
    <message>
        <source>Wrote %1 statement(s) to %2.</source>
        <translation>Se escribieron %1 constancia(s) en %2.</translation>
    </message>
    <message>
        <source>

Totals per fund: %1</source>
        <translation>

Totales por fondo: %1</translation>
    </message>
    <message>
        <source>

Without an address (written, but they cannot be mailed): %1</source>
        <translation>

Sin dirección (escritas, pero no se pueden enviar por correo): %1</translation>
    </message>
    <message>
        <source>Stopped writing the contribution statements.</source>
        <translation>Se detuvo la escritura de las constancias de contribuciones.</translation>
    </message>
    <message>
        <source>Wrote %1 contribution statement(s).</source>
        <translation>Se escribieron %1 constancia(s) de contribuciones.</translation>
    </message>
</context>
<context>
    <name>pw::giving::frmFunds</name>
    <message>
        <source>&amp;Add Fund</source>
        <translation>&amp;Agregar fondo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Funds</source>
        <translation>Fondos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Tax Deductible</source>
        <translation>Deducible de impuestos</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>the funds</source>
        <translation>los fondos</translation>
    </message>
    <message>
        <source>change the funds</source>
        <translation>modificar los fondos</translation>
    </message>
    <message>
        <source>Every fund needs a name.</source>
        <translation>Cada fondo necesita un nombre.</translation>
    </message>
    <message>
        <source>A fund&apos;s name has at most 50 characters.</source>
        <translation>El nombre de un fondo tiene como máximo 50 caracteres.</translation>
    </message>
    <message>
        <source>There are two funds named &quot;%1&quot;.</source>
        <translation>Hay dos fondos llamados &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A fund&apos;s order is a whole number.</source>
        <translation>El orden de un fondo es un número entero.</translation>
    </message>
    <message>
        <source>Saved the funds.</source>
        <translation>Se guardaron los fondos.</translation>
    </message>
</context>
<context>
    <name>pw::giving::frmGiftEntry</name>
    <message>
        <source> (closed)</source>
        <translation> (cerrado)</translation>
    </message>
    <message>
        <source>&amp;New Batch</source>
        <translation>&amp;Nuevo lote</translation>
    </message>
    <message>
        <source>&amp;Close Batch</source>
        <translation>&amp;Cerrar lote</translation>
    </message>
    <message>
        <source>&amp;Reopen Batch</source>
        <translation>&amp;Reabrir lote</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Ofrenda</translation>
    </message>
    <message>
        <source>S&amp;plit</source>
        <translation>&amp;Dividir</translation>
    </message>
    <message>
        <source>&amp;Enter Gift</source>
        <translation>&amp;Ingresar ofrenda</translation>
    </message>
    <message>
        <source>E&amp;dit Gift</source>
        <translation>&amp;Editar ofrenda</translation>
    </message>
    <message>
        <source>Re&amp;move Gift</source>
        <translation>&amp;Quitar ofrenda</translation>
    </message>
    <message>
        <source>Re&amp;turn Gift...</source>
        <translation>Dev&amp;olver ofrenda...</translation>
    </message>
    <message>
        <source>Deposit Rep&amp;ort</source>
        <translation>Informe de de&amp;pósito</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Gift Entry</source>
        <translation>Registro de ofrendas</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Control Total</source>
        <translation>Total de control</translation>
    </message>
    <message>
        <source>Control Count</source>
        <translation>Cantidad de control</translation>
    </message>
    <message>
        <source>Reason for reopening</source>
        <translation>Motivo de la reapertura</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Giver</source>
        <translation>Donante</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Forma de pago</translation>
    </message>
    <message>
        <source>Check No.</source>
        <translation>N.º de cheque</translation>
    </message>
    <message>
        <source>Received in Return</source>
        <translation>Recibido a cambio</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Bienes</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>A gift of goods: what was given (no amount)</source>
        <translation>Una ofrenda en especie: lo que se dio (sin importe)</translation>
    </message>
    <message>
        <source>What the giver received for the gift (a dinner ticket): the statement counts only the part above it as deductible.</source>
        <translation>Lo que el donante recibió por la ofrenda (una entrada a una cena): la constancia cuenta como deducible solo la parte que lo supera.</translation>
    </message>
    <message>
        <source>the batch of %1</source>
        <translation>el lote del %1</translation>
    </message>
    <message>
        <source>Loose offering</source>
        <translation>Ofrenda suelta</translation>
    </message>
    <message>
        <source>Closed by %1 on %2</source>
        <translation>Cerrado por %1 el %2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abierto</translation>
    </message>
    <message>
        <source>New batch, not saved yet</source>
        <translation>Lote nuevo, aún no guardado</translation>
    </message>
    <message>
        <source>No active person has envelope number %1.</source>
        <translation>Ninguna persona activa tiene el número de sobre %1.</translation>
    </message>
    <message>
        <source>Type the amount of the gift.</source>
        <translation>Escriba el importe de la ofrenda.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money more than zero.</source>
        <translation>&quot;%1&quot; no es un importe de dinero mayor que cero.</translation>
    </message>
    <message>
        <source>There are no funds yet. An Admin adds them under Giving &gt; Funds.</source>
        <translation>Todavía no hay fondos. Un administrador los agrega en Ofrendas &gt; Fondos.</translation>
    </message>
    <message>
        <source>Choose the fund of the gift.</source>
        <translation>Elija el fondo de la ofrenda.</translation>
    </message>
    <message>
        <source>Type the envelope number or choose the giver (or &quot;Loose offering&quot;).</source>
        <translation>Escriba el número de sobre o elija el donante (u &quot;Ofrenda suelta&quot;).</translation>
    </message>
    <message>
        <source>A gift of goods has no amount. Clear the amount, or the goods.</source>
        <translation>Una ofrenda en especie no tiene importe. Borre el importe o los bienes.</translation>
    </message>
    <message>
        <source>What the giver received in return (&quot;%1&quot;) must be an amount no more than the gift.</source>
        <translation>Lo que el donante recibió a cambio (&quot;%1&quot;) debe ser un importe no mayor que la ofrenda.</translation>
    </message>
    <message>
        <source>Choose the gift to edit.</source>
        <translation>Elija la ofrenda que desea editar.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
    <message>
        <source>This gift takes back a returned one and cannot be edited. Remove it to undo the return.</source>
        <translation>Esta ofrenda anula una devuelta y no se puede editar. Quítela para deshacer la devolución.</translation>
    </message>
    <message>
        <source>&amp;Replace Gift</source>
        <translation>&amp;Reemplazar ofrenda</translation>
    </message>
    <message>
        <source>Choose the gift to remove.</source>
        <translation>Elija la ofrenda que desea quitar.</translation>
    </message>
    <message>
        <source>Choose the gift to return.</source>
        <translation>Elija la ofrenda que desea devolver.</translation>
    </message>
    <message>
        <source>Only a gift of a closed batch is returned this way. In an open batch, edit or remove the gift.</source>
        <translation>Solo una ofrenda de un lote cerrado se devuelve de esta forma. En un lote abierto, edite o quite la ofrenda.</translation>
    </message>
    <message>
        <source>the loose offering</source>
        <translation>la ofrenda suelta</translation>
    </message>
    <message>
        <source>Record the gift of %1 from %2 as returned (a returned check or a refund)? A gift taking it back goes into the newest open batch.</source>
        <translation>¿Registrar la ofrenda de %1 de %2 como devuelta (un cheque devuelto o un reembolso)? Una ofrenda que la anula se agrega al lote abierto más reciente.</translation>
    </message>
    <message>
        <source>Return Gift</source>
        <translation>Devolver ofrenda</translation>
    </message>
    <message>
        <source>Recorded the return of the gift of %1 in the batch of %2.</source>
        <translation>Se registró la devolución de la ofrenda de %1 en el lote del %2.</translation>
    </message>
    <message>
        <source>Save the batch first: the deposit report shows the batch as stored.</source>
        <translation>Primero guarde el lote: el informe de depósito muestra el lote tal como está guardado.</translation>
    </message>
    <message>
        <source>Goods: </source>
        <translation>Bienes: </translation>
    </message>
    <message>
        <source>%1 received in return</source>
        <translation>%1 recibido a cambio</translation>
    </message>
    <message>
        <source>%1 in %2 gift(s); control %3 in %4</source>
        <translation>%1 en %2 ofrenda(s); control %3 en %4</translation>
    </message>
    <message>
        <source>Variance %1, %2 gift(s)</source>
        <translation>Diferencia %1, %2 ofrenda(s)</translation>
    </message>
    <message>
        <source>This batch is closed. An Admin may reopen it.</source>
        <translation>Este lote está cerrado. Un administrador puede reabrirlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money.</source>
        <translation>&quot;%1&quot; no es un importe de dinero.</translation>
    </message>
    <message>
        <source>batch</source>
        <translation>lote</translation>
    </message>
    <message>
        <source>%1 gift(s) changed or removed at another workstation</source>
        <translation>%1 ofrenda(s) modificada(s) o quitada(s) en otra estación de trabajo</translation>
    </message>
    <message>
        <source>%1 closed this batch at another workstation. Nothing was saved.</source>
        <translation>%1 cerró este lote en otra estación de trabajo. No se guardó nada.</translation>
    </message>
    <message>
        <source>Saved the batch of %1.</source>
        <translation>Se guardó el lote del %1.</translation>
    </message>
    <message>
        <source>The batch&apos;s gifts come to %1 in %2 gift(s), but its control total is %3 in %4 gift(s). Close it anyway?</source>
        <translation>Las ofrendas del lote suman %1 en %2 ofrenda(s), pero su total de control es %3 en %4 ofrenda(s). ¿Cerrarlo de todos modos?</translation>
    </message>
    <message>
        <source>Close Batch</source>
        <translation>Cerrar lote</translation>
    </message>
    <message>
        <source>This batch was closed already.</source>
        <translation>Este lote ya estaba cerrado.</translation>
    </message>
    <message>
        <source>Closed the batch of %1.</source>
        <translation>Se cerró el lote del %1.</translation>
    </message>
    <message>
        <source>reopen a closed batch</source>
        <translation>reabrir un lote cerrado</translation>
    </message>
    <message>
        <source>Type why the batch is reopened.</source>
        <translation>Escriba por qué se reabre el lote.</translation>
    </message>
    <message>
        <source>This batch is open already.</source>
        <translation>Este lote ya está abierto.</translation>
    </message>
    <message>
        <source>Reopened the batch of %1.</source>
        <translation>Se reabrió el lote del %1.</translation>
    </message>
</context>
<context>
    <name>pw::giving::frmGivingReports</name>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Giving Reports</source>
        <translation>Informes de ofrendas</translation>
    </message>
    <message>
        <source>Deposit Report</source>
        <translation>Informe de depósito</translation>
    </message>
    <message>
        <source>Giving by Fund and Month</source>
        <translation>Ofrendas por fondo y mes</translation>
    </message>
    <message>
        <source>Pledges and Giving</source>
        <translation>Promesas y ofrendas</translation>
    </message>
    <message>
        <source>Givers and Totals</source>
        <translation>Donantes y totales</translation>
    </message>
    <message>
        <source> (open)</source>
        <translation> (abierto)</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>The period starts (%1) after it ends (%2).</source>
        <translation>El período comienza (%1) después de terminar (%2).</translation>
    </message>
    <message>
        <source>Choose the batch.</source>
        <translation>Elija el lote.</translation>
    </message>
</context>
<context>
    <name>pw::giving::frmImportGifts</name>
    <message>
        <source>&amp;Choose File...</source>
        <translation>&amp;Elegir archivo...</translation>
    </message>
    <message>
        <source>Create the &amp;funds the church lacks</source>
        <translation>Crear los &amp;fondos que la iglesia no tiene</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Import Gifts</source>
        <translation>Importar ofrendas</translation>
    </message>
    <message>
        <source>Choose the CSV file an online-giving service exported: what the import would do shows here before anything is written.</source>
        <translation>Elija el archivo CSV que exportó un servicio de ofrendas en línea: lo que haría la importación se muestra aquí antes de escribir nada.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>First Value</source>
        <translation>Primer valor</translation>
    </message>
    <message>
        <source>Gift Field</source>
        <translation>Campo de la ofrenda</translation>
    </message>
    <message>
        <source>Choose the Gifts to Import</source>
        <translation>Elegir las ofrendas que importar</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt)</source>
        <translation>Archivos CSV (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Forma de pago</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>(ignore)</source>
        <translation>(omitir)</translation>
    </message>
    <message>
        <source>Imported %1 gift(s).</source>
        <translation>Se importaron %1 ofrenda(s).</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>No se importó nada.</translation>
    </message>
</context>
<context>
    <name>pw::members::FamilyPanel</name>
    <message>
        <source>Saving adds this person to the household of %1 as the &quot;Relationship&quot; chosen above.</source>
        <translation>Al guardar, esta persona se agrega a la familia de %1 con el &quot;Parentesco&quot; elegido arriba.</translation>
    </message>
    <message>
        <source>Head of Household</source>
        <translation>Cabeza de familia</translation>
    </message>
    <message>
        <source>The family members of this person were changed at another workstation after the list was shown, so nothing was changed.

The list now shows them as they are; check it and try again.</source>
        <translation>Los familiares de esta persona se cambiaron en otra estación de trabajo después de mostrarse la lista, por lo que no se cambió nada.

Ahora la lista los muestra como están; revísela e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>You must have a current member, relative member, and relationship selected.</source>
        <translation>Debe tener seleccionados un miembro actual, un familiar y un parentesco.</translation>
    </message>
    <message>
        <source>Required Info</source>
        <translation>Datos obligatorios</translation>
    </message>
    <message>
        <source>Family members are listed under the head of household. Tick &quot;Head of Household&quot; for this person, or add the family member on the record of the head of household.</source>
        <translation>Los familiares se registran bajo la cabeza de familia. Marque &quot;Cabeza de familia&quot; para esta persona, o agregue el familiar en el registro de la cabeza de familia.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
    <message>
        <source>A person cannot be his or her own family member. Choose another person in &quot;Member&quot;.</source>
        <translation>Una persona no puede ser su propio familiar. Elija otra persona en &quot;Miembro&quot;.</translation>
    </message>
    <message>
        <source>Saved family member %1 (%2).%3</source>
        <translation>Se guardó el familiar %1 (%2).%3</translation>
    </message>
    <message>
        <source> The list also shows changes made at another workstation.</source>
        <translation> La lista también muestra cambios hechos en otra estación de trabajo.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected Relationship?</source>
        <translation>¿Está seguro de que desea quitar el parentesco seleccionado?</translation>
    </message>
    <message>
        <source>Remove Confirmation</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Removed family member %1.</source>
        <translation>Se quitó el familiar %1.</translation>
    </message>
</context>
<context>
    <name>pw::members::MemberFields</name>
    <message>
        <source>The next contact has a Phase but no Action. Choose its Action on the Prospect Info tab.</source>
        <translation>El próximo contacto tiene una fase pero no una acción. Elija su acción en la pestaña Datos de prospecto.</translation>
    </message>
    <message>
        <source>The next contact has an Action but no Phase. Choose its Phase on the Prospect Info tab.</source>
        <translation>El próximo contacto tiene una acción pero no una fase. Elija su fase en la pestaña Datos de prospecto.</translation>
    </message>
    <message>
        <source>Required Info</source>
        <translation>Datos obligatorios</translation>
    </message>
    <message>
        <source>You cannot select Newsletter Via E-Mail unless the member has an E-Mail address entered on the Contact tab.</source>
        <translation>No puede seleccionar Boletín por correo electrónico a menos que el miembro tenga una dirección de correo electrónico ingresada en la pestaña Contacto.</translation>
    </message>
    <message>
        <source>No E-Mail Address</source>
        <translation>Sin correo electrónico</translation>
    </message>
</context>
<context>
    <name>pw::members::PicturePanel</name>
    <message>
        <source>The file &quot;%1&quot; has no usable file type (such as .jpg) at the end of its name, so it cannot be stored as a picture.</source>
        <translation>El archivo &quot;%1&quot; no tiene un tipo de archivo utilizable (como .jpg) al final de su nombre, por lo que no se puede guardar como foto.</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Cargar foto</translation>
    </message>
</context>
<context>
    <name>pw::members::ProspectContactsPanel</name>
    <message>
        <source>You must have a prospect selected on the Contact Info Page before adding a new contact.</source>
        <translation>Debe tener un prospecto seleccionado en la página Datos de contacto antes de agregar un nuevo contacto.</translation>
    </message>
    <message>
        <source>No Prospect Selected</source>
        <translation>Ningún prospecto seleccionado</translation>
    </message>
</context>
<context>
    <name>pw::members::ResponsibilityPanel</name>
    <message>
        <source>You must have a current member and responsibility selected.</source>
        <translation>Debe tener seleccionados un miembro actual y una responsabilidad.</translation>
    </message>
    <message>
        <source>Required Info</source>
        <translation>Datos obligatorios</translation>
    </message>
    <message>
        <source>Saved responsibility %1.</source>
        <translation>Se guardó la responsabilidad %1.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected Responsibility?</source>
        <translation>¿Está seguro de que desea quitar la responsabilidad seleccionada?</translation>
    </message>
    <message>
        <source>Remove Confirmation</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>The list holds no responsibility with the chosen name, start and end date, so nothing was removed. Choose the row to remove in the list.</source>
        <translation>La lista no tiene ninguna responsabilidad con el nombre y las fechas de inicio y fin elegidos, por lo que no se quitó nada. Elija en la lista la fila que desea quitar.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
    <message>
        <source>By removing the Deacon Responsibility from this member, you will remove it from all Member files as the assigned Deacon. Are you sure you wish to continue?</source>
        <translation>Al quitar la responsabilidad de diácono a este miembro, también se quitará como diácono asignado de todos los registros de miembros. ¿Está seguro de que desea continuar?</translation>
    </message>
    <message>
        <source>Deacon Removal</source>
        <translation>Quitar diácono</translation>
    </message>
    <message>
        <source>Removed responsibility %1.</source>
        <translation>Se quitó la responsabilidad %1.</translation>
    </message>
    <message>
        <source>The responsibility was removed as the list showed it. Another workstation added the same responsibility with the same dates meanwhile; that one was kept and is shown in the list.</source>
        <translation>La responsabilidad se quitó tal como la mostraba la lista. Mientras tanto, otra estación de trabajo agregó la misma responsabilidad con las mismas fechas; esa se conservó y aparece en la lista.</translation>
    </message>
    <message>
        <source>The responsibilities of this person were changed at another workstation after the list was shown, so nothing was removed.

The list now shows them as they are; check it and try again.</source>
        <translation>Las responsabilidades de esta persona se cambiaron en otra estación de trabajo después de mostrarse la lista, por lo que no se quitó nada.

Ahora la lista las muestra como están; revísela e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>pw::members::frmMemberEntry</name>
    <message>
        <source>Family Info</source>
        <translation>Datos de la familia</translation>
    </message>
    <message>
        <source>Serving</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Giving</source>
        <translation>Ofrendas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Member Entry/Edit</source>
        <translation>Ingreso/edición de miembros</translation>
    </message>
    <message>
        <source>The person with ID %1 no longer exists.</source>
        <translation>La persona con ID %1 ya no existe.</translation>
    </message>
    <message>
        <source>All fields in blue are required.</source>
        <translation>Todos los campos en azul son obligatorios.</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obligatorios</translation>
    </message>
    <message>
        <source>Choose the new family member&apos;s &quot;Relationship&quot; to the head of household in the Family Members frame.</source>
        <translation>Elija el &quot;Parentesco&quot; del nuevo familiar con la cabeza de familia en el marco Miembros de la familia.</translation>
    </message>
    <message>
        <source>Required Info</source>
        <translation>Datos obligatorios</translation>
    </message>
    <message>
        <source>The head of household this person was to join no longer exists, so the person was not saved.</source>
        <translation>La cabeza de familia a la que esta persona iba a unirse ya no existe, por lo que la persona no se guardó.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Se guardó %1.</translation>
    </message>
    <message>
        <source>The person was saved, but the picture was not stored in the picture folder &quot;%1&quot;.

%2

Once that folder exists and can be written to, load the picture again and save.</source>
        <translation>La persona se guardó, pero la foto no se almacenó en la carpeta de imágenes &quot;%1&quot;.

%2

Cuando esa carpeta exista y se pueda escribir en ella, vuelva a cargar la foto y guarde.</translation>
    </message>
    <message>
        <source>Show a member of the household first: New Family Member starts a person of the household on screen.</source>
        <translation>Primero muestre a un miembro de la familia: Nuevo familiar comienza una persona de la familia que está en pantalla.</translation>
    </message>
    <message>
        <source>%1 is not a head of household and no head of household lists this person. Open the head of household, or tick &quot;Head of Household&quot; and save first.</source>
        <translation>%1 no es cabeza de familia y ninguna cabeza de familia registra a esta persona. Abra la cabeza de familia, o marque &quot;Cabeza de familia&quot; y guarde primero.</translation>
    </message>
    <message>
        <source>%1 is listed by more than one head of household. Open the head of household whose household the new person joins.</source>
        <translation>%1 está registrado por más de una cabeza de familia. Abra la cabeza de la familia a la que se une la nueva persona.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
    <message>
        <source>New family member of %1.</source>
        <translation>Nuevo familiar de %1.</translation>
    </message>
    <message>
        <source>Choose the person to delete first.</source>
        <translation>Primero elija la persona que desea eliminar.</translation>
    </message>
</context>
<context>
    <name>pw::members::frmMergePeople</name>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Keep: %1</source>
        <translation>Conservar: %1</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Remove: %1</source>
        <translation>Quitar: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>merge people</source>
        <translation>combinar personas</translation>
    </message>
    <message>
        <source>Choose two different people: the one to keep and the one to merge in and remove.</source>
        <translation>Elija dos personas diferentes: la que se conserva y la que se combina y se quita.</translation>
    </message>
    <message>
        <source>Required Info</source>
        <translation>Datos obligatorios</translation>
    </message>
    <message>
        <source>Merge %1 into %2?

Everything that points at ID %3 (family links, responsibilities, contacts, classes, groups, user account) moves to ID %4, the values chosen stay, and ID %3 is removed. This cannot be undone.</source>
        <translation>¿Combinar %1 en %2?

Todo lo que apunta al ID %3 (vínculos familiares, responsabilidades, contactos, clases, grupos, cuenta de usuario) pasa al ID %4, se quedan los valores elegidos y el ID %3 se elimina. Esto no se puede deshacer.</translation>
    </message>
    <message>
        <source>Merge People</source>
        <translation>Combinar personas</translation>
    </message>
    <message>
        <source>Merged %1 into %2.</source>
        <translation>Se combinó %1 en %2.</translation>
    </message>
</context>
<context>
    <name>pw::members::frmPossibleDuplicates</name>
    <message>
        <source>Open in &amp;Merge</source>
        <translation>Abrir en &amp;Combinar</translation>
    </message>
    <message>
        <source>&amp;Not the Same Person</source>
        <translation>&amp;No es la misma persona</translation>
    </message>
    <message>
        <source>Possible Duplicates</source>
        <translation>Posibles duplicados</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>People the duplicate rule takes for one person: the same name and birth date, the same e-mail, or the same phone and last name. Open a pair in Merge People to make the two records one, or mark it as two people so that it is not offered again.</source>
        <translation>Personas que la regla de duplicados toma por una sola: el mismo nombre y fecha de nacimiento, el mismo correo electrónico, o el mismo teléfono y apellido. Abra un par en Combinar personas para unir los dos registros, o márquelo como dos personas para que no se vuelva a ofrecer.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Other ID</source>
        <translation>Otro ID</translation>
    </message>
    <message>
        <source>Other Person</source>
        <translation>Otra persona</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>1 pair</source>
        <translation>1 par</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 pares</translation>
    </message>
    <message>
        <source>mark people as not the same person</source>
        <translation>marcar personas como personas distintas</translation>
    </message>
    <message>
        <source>Are %1 two different people?

The pair is then no longer offered as a possible duplicate.</source>
        <translation>¿Son %1 dos personas diferentes?

El par ya no se ofrecerá como posible duplicado.</translation>
    </message>
    <message>
        <source>Marked %1 as two people.</source>
        <translation>Se marcó a %1 como dos personas.</translation>
    </message>
</context>
<context>
    <name>pw::navigators::frmMemberNavigator</name>
    <message>
        <source>Contribution Statements...</source>
        <translation>Estados de cuenta de ofrendas...</translation>
    </message>
    <message>
        <source>No people are listed.</source>
        <translation>No hay personas en la lista.</translation>
    </message>
    <message>
        <source>Contribution Statements</source>
        <translation>Estados de cuenta de ofrendas</translation>
    </message>
    <message>
        <source>Church Directory...</source>
        <translation>Directorio de la iglesia...</translation>
    </message>
    <message>
        <source>Church Directory</source>
        <translation>Directorio de la iglesia</translation>
    </message>
    <message>
        <source>Attendance</source>
        <translation>Asistencia</translation>
    </message>
</context>
<context>
    <name>pw::navigators::frmStartPage</name>
    <message>
        <source>1 place empty</source>
        <translation>1 lugar vacío</translation>
    </message>
    <message>
        <source>%1 places empty</source>
        <translation>%1 lugares vacíos</translation>
    </message>
    <message>
        <source>Birthday (%1)</source>
        <translation>Cumpleaños (%1)</translation>
    </message>
    <message>
        <source>Anniversary (1 year)</source>
        <translation>Aniversario de bodas (1 año)</translation>
    </message>
    <message>
        <source>Anniversary (%1 years)</source>
        <translation>Aniversario de bodas (%1 años)</translation>
    </message>
    <message>
        <source>The %1 longest overdue of %2 are shown; the Prospect Navigator lists them all.</source>
        <translation>Se muestran los %1 más atrasados de %2; el Navegador de prospectos los lista todos.</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>No disponible</translation>
    </message>
</context>
<context>
    <name>pw::outreach::frmOutreachPhaseEntry</name>
    <message>
        <source>Outreach Phase Entry</source>
        <translation>Ingreso de fases de alcance</translation>
    </message>
    <message>
        <source>Choose the phase to remove in the list first.</source>
        <translation>Primero elija en la lista la fase que desea quitar.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
    <message>
        <source>%1 in the phase &quot;%2&quot;. After it is removed %3 that phase name, which no longer matches a phase, so the next contact with %4 starts again at the first phase.

Remove the phase &quot;%2&quot;?</source>
        <translation>%1 en la fase &quot;%2&quot;. Después de quitarla, %3 ese nombre de fase, que ya no corresponde a ninguna fase, así que el próximo contacto con %4 vuelve a empezar en la primera fase.

¿Quitar la fase &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>1 prospect is</source>
        <translation>1 prospecto está</translation>
    </message>
    <message>
        <source>%1 prospects are</source>
        <translation>%1 prospectos están</translation>
    </message>
    <message>
        <source>that prospect keeps</source>
        <translation>ese prospecto conserva</translation>
    </message>
    <message>
        <source>they keep</source>
        <translation>conservan</translation>
    </message>
    <message>
        <source>that prospect</source>
        <translation>ese prospecto</translation>
    </message>
    <message>
        <source>each of them</source>
        <translation>cada uno de ellos</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the phase &quot;%1&quot;?</source>
        <translation>¿Está seguro de que desea quitar la fase &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Remove Confirmation</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>While you were editing the outreach phases, another user changed them at another workstation.

Keep their phases, keep yours, or cancel the save?</source>
        <translation>Mientras usted editaba las fases de alcance, otro usuario las cambió en otra estación de trabajo.

¿Conservar las fases de esa persona, conservar las suyas o cancelar el guardado?</translation>
    </message>
    <message>
        <source>Saved the outreach phases.</source>
        <translation>Se guardaron las fases de alcance.</translation>
    </message>
    <message>
        <source> 1 prospect moved with a renamed phase.</source>
        <translation> 1 prospecto se movió con una fase renombrada.</translation>
    </message>
    <message>
        <source> %1 prospects moved with renamed phases.</source>
        <translation> %1 prospectos se movieron con fases renombradas.</translation>
    </message>
</context>
<context>
    <name>pw::outreach::frmProspectContactEntry</name>
    <message>
        <source>Prospect Contact Entry/Edit</source>
        <translation>Ingreso/edición de contactos con prospectos</translation>
    </message>
    <message>
        <source>The contact with ID %1 no longer exists, perhaps deleted on another workstation.</source>
        <translation>El contacto con ID %1 ya no existe; tal vez se eliminó en otra estación de trabajo.</translation>
    </message>
    <message>
        <source>the contact with %1</source>
        <translation>el contacto con %1</translation>
    </message>
    <message>
        <source>contact</source>
        <comment>what a conflict question is about</comment>
        <translation>contacto</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Se guardó %1.</translation>
    </message>
</context>
<context>
    <name>pw::reports::ReportLauncher</name>
    <message>
        <source>&quot;%1&quot; is no longer in the database, perhaps removed at another workstation, so no sheet was made.</source>
        <translation>&quot;%1&quot; ya no está en la base de datos; quizá se eliminó en otra estación de trabajo, por lo que no se hizo ninguna hoja.</translation>
    </message>
    <message>
        <source>Prospect Visitation Sheet</source>
        <translation>Hoja de visita a prospecto</translation>
    </message>
    <message>
        <source>Member Information Update Report</source>
        <translation>Informe de actualización de datos de miembros</translation>
    </message>
    <message>
        <source>member information update sheets</source>
        <translation>hojas de actualización de datos de miembros</translation>
    </message>
    <message>
        <source>member information update sheet</source>
        <translation>hoja de actualización de datos de miembros</translation>
    </message>
    <message>
        <source>***All Head of Household***</source>
        <translation>***Todos los jefes de familia***</translation>
    </message>
    <message>
        <source>***All Members &amp; Child of Members***</source>
        <translation>***Todos los miembros e hijos de miembros***</translation>
    </message>
    <message>
        <source>You must select a Prospect.</source>
        <translation>Debe seleccionar un prospecto.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
</context>
<context>
    <name>pw::reports::Viewer</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Report Viewer</source>
        <translation>Visor de informes</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <translation>Página anterior (Re Pág)</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <translation>Página siguiente (Av Pág)</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop laying out the rest of the list</source>
        <translation>Dejar de componer el resto de la lista</translation>
    </message>
    <message>
        <source>The first unused label on the sheet: 1 is top left, 3 top right, 4 the left label of the second row.</source>
        <translation>La primera etiqueta sin usar de la hoja: 1 es arriba a la izquierda, 3 arriba a la derecha, 4 la etiqueta izquierda de la segunda fila.</translation>
    </message>
    <message>
        <source>Start at &amp;label</source>
        <translation>Empezar en la &amp;etiqueta</translation>
    </message>
    <message>
        <source>Moves every label right (positive) or left (negative).</source>
        <translation>Mueve todas las etiquetas a la derecha (positivo) o a la izquierda (negativo).</translation>
    </message>
    <message>
        <source>Moves every label down (positive) or up (negative).</source>
        <translation>Mueve todas las etiquetas hacia abajo (positivo) o hacia arriba (negativo).</translation>
    </message>
    <message>
        <source>Adjust &amp;X (mm)</source>
        <translation>Ajustar &amp;X (mm)</translation>
    </message>
    <message>
        <source>Adjust &amp;Y (mm)</source>
        <translation>Ajustar &amp;Y (mm)</translation>
    </message>
    <message>
        <source>1 label</source>
        <translation>1 etiqueta</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 etiquetas</translation>
    </message>
    <message>
        <source>%1 %2 of %3 people</source>
        <translation>%1 %2 de %3 personas</translation>
    </message>
    <message>
        <source>Laying out:</source>
        <translation>Componiendo:</translation>
    </message>
    <message>
        <source>Stopped:</source>
        <translation>Detenido:</translation>
    </message>
</context>
<context>
    <name>pw::rosters::RosterPanel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Confirmado</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Take Off</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>to</source>
        <comment>time away from one date to another</comment>
        <translation>al</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Agregar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Would serve</source>
        <translation>Serviría</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Every month on this week and day</source>
        <translation>Cada mes en esta semana y día</translation>
    </message>
    <message>
        <source>Every other week</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>Coming Turns</source>
        <translation>Próximos turnos</translation>
    </message>
    <message>
        <source>Cannot Serve</source>
        <translation>No puede servir</translation>
    </message>
    <message>
        <source>Would Serve</source>
        <translation>Serviría</translation>
    </message>
    <message>
        <source>Un&amp;confirm</source>
        <translation>Desc&amp;onfirmar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Choose the turn first.</source>
        <translation>Primero elija el turno.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 el %2</translation>
    </message>
    <message>
        <source>Confirmed %1 for %2.</source>
        <translation>Se confirmó a %1 para %2.</translation>
    </message>
    <message>
        <source>%1 for %2 is no longer confirmed.</source>
        <translation>%1 para %2 ya no está confirmado.</translation>
    </message>
    <message>
        <source>Take %1 off the roster for %2 on %3?</source>
        <translation>¿Quitar a %1 del rol de servicio como %2 el %3?</translation>
    </message>
    <message>
        <source>Serving</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Took %1 off the roster for %2 on %3.</source>
        <translation>Se quitó a %1 del rol de servicio como %2 el %3.</translation>
    </message>
    <message>
        <source>The time away ends on %1, before it starts on %2.</source>
        <translation>La ausencia termina el %1, antes de empezar el %2.</translation>
    </message>
    <message>
        <source>%1 cannot serve %2.</source>
        <translation>%1 no puede servir: %2.</translation>
    </message>
    <message>
        <source>Choose the time away to remove.</source>
        <translation>Elija la ausencia que desea quitar.</translation>
    </message>
    <message>
        <source>Removed %1 from the times %2 cannot serve.</source>
        <translation>Se quitó %1 de las fechas en que %2 no puede servir.</translation>
    </message>
    <message>
        <source>Cleared how often %1 would serve as %2.</source>
        <translation>Se borró con qué frecuencia %1 serviría como %2.</translation>
    </message>
    <message>
        <source>%1 would serve as %2: %3.</source>
        <translation>%1 serviría como %2: %3.</translation>
    </message>
</context>
<context>
    <name>pw::rosters::frmRosterPositions</name>
    <message>
        <source>&amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Roster Positions</source>
        <translation>Puestos del rol de servicio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>Necesarios</translation>
    </message>
    <message>
        <source>Responsibility</source>
        <translation>Responsabilidad</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>the roster positions</source>
        <translation>los puestos del rol de servicio</translation>
    </message>
    <message>
        <source>(anyone)</source>
        <translation>(cualquiera)</translation>
    </message>
    <message>
        <source>Choose the position to remove.</source>
        <translation>Elija el puesto que desea quitar.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
    <message>
        <source>Every position needs a name.</source>
        <translation>Cada puesto necesita un nombre.</translation>
    </message>
    <message>
        <source>A position&apos;s name has at most 50 characters.</source>
        <translation>El nombre de un puesto tiene como máximo 50 caracteres.</translation>
    </message>
    <message>
        <source>There are two positions named &quot;%1&quot; at the %2.</source>
        <translation>Hay dos puestos llamados &quot;%1&quot; en %2.</translation>
    </message>
    <message>
        <source>Saved the roster positions.</source>
        <translation>Se guardaron los puestos del rol de servicio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has turns on the rosters, so it was made inactive instead of removed: past rosters keep its name.</source>
        <translation>&quot;%1&quot; tiene turnos en los roles de servicio, así que se desactivó en lugar de quitarse: los roles anteriores conservan su nombre.</translation>
    </message>
</context>
<context>
    <name>pw::rosters::frmRosters</name>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Llenar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>E-&amp;mail These People...</source>
        <translation>&amp;Enviar correo a estas personas...</translation>
    </message>
    <message>
        <source>Export to &amp;CSV...</source>
        <translation>Exportar a &amp;CSV...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>C&amp;onfirm</source>
        <translation>C&amp;onfirmar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Agregar</translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation>Roles de servicio</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Trimestre</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Add person</source>
        <translation>Agregar persona</translation>
    </message>
    <message>
        <source>the %1 roster %2</source>
        <translation>el rol de servicio de %1 %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>This service has no positions yet.</source>
        <translation>Este servicio todavía no tiene puestos.</translation>
    </message>
    <message>
        <source>(person %1)</source>
        <translation>(persona %1)</translation>
    </message>
    <message>
        <source> (unavailable)</source>
        <translation> (no disponible)</translation>
    </message>
    <message>
        <source>Someone here cannot serve that day.</source>
        <translation>Alguien aquí no puede servir ese día.</translation>
    </message>
    <message>
        <source>Choose a place in the roster.</source>
        <translation>Elija un lugar en el rol de servicio.</translation>
    </message>
    <message>
        <source>%1 on %2: %3 needed</source>
        <translation>%1 el %2: se necesitan %3</translation>
    </message>
    <message>
        <source> (serving that day)</source>
        <translation> (sirve ese día)</translation>
    </message>
    <message>
        <source> (served %1)</source>
        <translation> (sirvió el %1)</translation>
    </message>
    <message>
        <source>Un&amp;confirm</source>
        <translation>Desc&amp;onfirmar</translation>
    </message>
    <message>
        <source>Choose a place in the roster first.</source>
        <translation>Primero elija un lugar en el rol de servicio.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Selección no válida</translation>
    </message>
    <message>
        <source>Choose the person to add.</source>
        <translation>Elija la persona que desea agregar.</translation>
    </message>
    <message>
        <source>Choose the person to take off.</source>
        <translation>Elija la persona que desea quitar.</translation>
    </message>
    <message>
        <source>Choose the person to confirm.</source>
        <translation>Elija la persona que desea confirmar.</translation>
    </message>
    <message>
        <source>This service has no positions to fill.</source>
        <translation>Este servicio no tiene puestos que completar.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Llenar</translation>
    </message>
    <message>
        <source>%1  %2: %3 left empty: not enough people can serve</source>
        <translation>%1  %2: %3 sin ocupar: no hay suficientes personas que puedan servir</translation>
    </message>
    <message>
        <source>1 place</source>
        <translation>1 lugar</translation>
    </message>
    <message>
        <source>%1 places</source>
        <translation>%1 lugares</translation>
    </message>
    <message>
        <source>Every place of the roster %1 is filled already.</source>
        <translation>Todos los lugares del rol de servicio %1 ya están ocupados.</translation>
    </message>
    <message>
        <source>Nobody can be proposed for the empty places:

</source>
        <translation>No se puede proponer a nadie para los lugares vacíos:

</translation>
    </message>
    <message>
        <source>Add this turn to the roster?</source>
        <translation>¿Agregar este turno al rol de servicio?</translation>
    </message>
    <message>
        <source>Add these %1 turns to the roster?</source>
        <translation>¿Agregar estos %1 turnos al rol de servicio?</translation>
    </message>
    <message>
        <source>
... and %1 more; the roster shows every one before you save.</source>
        <translation>
... y %1 más; el rol de servicio los muestra todos antes de guardar.</translation>
    </message>
    <message>
        <source>Added 1 proposed turn; Save keeps it.</source>
        <translation>Se agregó 1 turno propuesto; Guardar lo conserva.</translation>
    </message>
    <message>
        <source>Added %1 proposed turns; Save keeps them.</source>
        <translation>Se agregaron %1 turnos propuestos; Guardar los conserva.</translation>
    </message>
    <message>
        <source>roster</source>
        <translation>rol de servicio</translation>
    </message>
    <message>
        <source>Saved the %1 roster %2.</source>
        <translation>Se guardó el rol de servicio de %1 %2.</translation>
    </message>
    <message>
        <source>Save the roster first: the printed roster, the e-mails and the CSV file show the roster as stored.</source>
        <translation>Primero guarde el rol de servicio: el rol impreso, los correos y el archivo CSV muestran el rol tal como está guardado.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Exported the roster to %1.</source>
        <translation>Se exportó el rol de servicio a %1.</translation>
    </message>
</context>
</TS>
