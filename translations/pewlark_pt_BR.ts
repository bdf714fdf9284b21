<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Accounts</name>
    <message>
        <source>The church is too small for two login accounts.</source>
        <translation>A igreja é pequena demais para duas contas de acesso.</translation>
    </message>
    <message>
        <source>The permission &quot;Member View&quot; is missing from the new database.</source>
        <translation>Falta a permissão &quot;Member View&quot; no novo banco de dados.</translation>
    </message>
</context>
<context>
    <name>AdminRules</name>
    <message>
        <source>The two passwords differ; please type the same password twice.</source>
        <translation>As duas senhas são diferentes; digite a mesma senha duas vezes.</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Entrada inválida</translation>
    </message>
</context>
<context>
    <name>AdminScreens</name>
    <message>
        <source>import people</source>
        <translation>importar pessoas</translation>
    </message>
</context>
<context>
    <name>Attendance</name>
    <message>
        <source>There is no service with the code &quot;%1&quot;.</source>
        <translation>Não há nenhum culto com o código &quot;%1&quot;.</translation>
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
        <translation>Lista de chamada da turma</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Nobody is in this class yet.</source>
        <translation>Ainda não há ninguém nesta turma.</translation>
    </message>
    <message>
        <source>Attendance Summary</source>
        <translation>Resumo de frequência</translation>
    </message>
    <message>
        <source>People recorded per week, %1 to %2</source>
        <translation>Pessoas registradas por semana, %1 a %2</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Semana de</translation>
    </message>
    <message>
        <source> (people / headcount)</source>
        <translation> (pessoas / contagem)</translation>
    </message>
    <message>
        <source>Attended %1 or more of the %2 weeks before %3 and not since%4: %5 %6</source>
        <translation>Compareceram %1 ou mais das %2 semanas antes de %3 e não desde então%4: %5 %6</translation>
    </message>
    <message>
        <source>person</source>
        <translation>pessoa</translation>
    </message>
    <message>
        <source>people</source>
        <translation>pessoas</translation>
    </message>
    <message>
        <source>Not Seen Lately</source>
        <translation>Ausentes ultimamente</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Last Attended</source>
        <translation>Última presença</translation>
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
        <translation>Não foi possível abrir o arquivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>there is no room left on the disk. Free some space or choose another disk.</source>
        <translation>não há mais espaço no disco. Libere espaço ou escolha outro disco.</translation>
    </message>
    <message>
        <source>the folder cannot be written. Choose another folder.</source>
        <translation>não é possível gravar na pasta. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>another program or workstation kept the database busy. Try again in a moment.</source>
        <translation>outro programa ou estação de trabalho manteve o banco de dados ocupado. Tente novamente em instantes.</translation>
    </message>
    <message>
        <source>the database is damaged. Restore the most recent backup that passes its check.</source>
        <translation>o banco de dados está danificado. Restaure o backup mais recente que passe na verificação.</translation>
    </message>
    <message>
        <source>the disk reported an error. Check that it is available, then try again.</source>
        <translation>o disco informou um erro. Verifique se ele está disponível e tente novamente.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be written: %2</source>
        <translation>Não foi possível gravar o backup &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged (the engine&apos;s check found problems); it cannot be used.</source>
        <translation>O arquivo &quot;%1&quot; está danificado (a verificação do mecanismo encontrou problemas); não pode ser usado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Pewlark database this program can read.</source>
        <translation>O arquivo &quot;%1&quot; não é um banco de dados do Pewlark que este programa consiga ler.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be copied into &quot;%2&quot;: %3</source>
        <translation>Não foi possível copiar a foto &quot;%1&quot; para &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; already exists; it was left unchanged.</source>
        <translation>A pasta &quot;%1&quot; já existe; ela foi mantida sem alterações.</translation>
    </message>
    <message>
        <source>The pictures could not be put in place as &quot;%1&quot;: %2</source>
        <translation>Não foi possível colocar as fotos no lugar como &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The folder for the pictures &quot;%1&quot; could not be created.</source>
        <translation>Não foi possível criar a pasta para as fotos &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A backup cannot be made while a change is being saved; try again.</source>
        <translation>Não é possível fazer um backup enquanto uma alteração está sendo salva; tente novamente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder; give the backup a file name inside it.</source>
        <translation>&quot;%1&quot; é uma pasta; dê ao backup um nome de arquivo dentro dela.</translation>
    </message>
    <message>
        <source>The folder of the backup &quot;%1&quot; does not exist.</source>
        <translation>A pasta do backup &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>The backup cannot be written over the database &quot;%1&quot; itself; choose another file.</source>
        <translation>O backup não pode ser gravado sobre o próprio banco de dados &quot;%1&quot;; escolha outro arquivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; it was left unchanged.</source>
        <translation>O arquivo &quot;%1&quot; já existe; ele foi mantido sem alterações.</translation>
    </message>
    <message>
        <source>The database driver gave no SQLite connection.</source>
        <translation>O driver do banco de dados não forneceu uma conexão SQLite.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; appeared while the backup was written; it was left unchanged.</source>
        <translation>O arquivo &quot;%1&quot; apareceu enquanto o backup era gravado; ele foi mantido sem alterações.</translation>
    </message>
    <message>
        <source>The folder of &quot;%1&quot; does not exist.</source>
        <translation>A pasta de &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; %2</source>
        <translation>O arquivo &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>is a folder, not a backup. Choose the backup file itself, for example &quot;%1&quot;.</source>
        <translation>é uma pasta, não um backup. Escolha o próprio arquivo de backup, por exemplo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>does not exist.</source>
        <translation>não existe.</translation>
    </message>
    <message>
        <source>is damaged (the engine&apos;s check found problems); it cannot be used.</source>
        <translation>está danificado (a verificação do mecanismo encontrou problemas); não pode ser usado.</translation>
    </message>
    <message>
        <source>holds no user accounts, so nobody could log in after a restore; it cannot be used.</source>
        <translation>não contém contas de usuário, então ninguém conseguiria entrar depois de uma restauração; não pode ser usado.</translation>
    </message>
    <message>
        <source>could not be read as a Pewlark database: it is damaged or is not a database file.</source>
        <translation>não pôde ser lido como banco de dados do Pewlark: está danificado ou não é um arquivo de banco de dados.</translation>
    </message>
    <message>
        <source>The picture folder &quot;%1&quot; could not be created.</source>
        <translation>Não foi possível criar a pasta de fotos &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be put back as &quot;%2&quot;: %3</source>
        <translation>Não foi possível devolver a foto &quot;%1&quot; como &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the database in use; choose a backup file to restore.</source>
        <translation>&quot;%1&quot; é o banco de dados em uso; escolha um arquivo de backup para restaurar.</translation>
    </message>
    <message>
        <source>A backup cannot be restored while a change is being saved; try again.</source>
        <translation>Não é possível restaurar um backup enquanto uma alteração está sendo salva; tente novamente.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; was not restored; the database is unchanged. %2</source>
        <translation>O backup &quot;%1&quot; não foi restaurado; o banco de dados não foi alterado. %2</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; could not be created beside the database.</source>
        <translation>Não foi possível criar a pasta de backups &quot;%1&quot; ao lado do banco de dados.</translation>
    </message>
</context>
<context>
    <name>BackupCommands</name>
    <message>
        <source>1 picture was</source>
        <translation>1 foto</translation>
    </message>
    <message>
        <source>%1 pictures were</source>
        <translation>%1 fotos</translation>
    </message>
    <message>
        <source>Back Up Pictures</source>
        <translation>Backup das fotos</translation>
    </message>
    <message>
        <source>Copied the pictures to %1 (%2).</source>
        <translation>As fotos foram copiadas para %1 (%2).</translation>
    </message>
    <message>
        <source>Pewlark databases</source>
        <translation>Bancos de dados do Pewlark</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>%1 copied to &quot;%2&quot;.</source>
        <translation>Fotos copiadas para &quot;%2&quot;: %1.</translation>
    </message>
    <message>
        <source>No person has a picture, so no pictures were copied.</source>
        <translation>Nenhuma pessoa tem foto, então nenhuma foto foi copiada.</translation>
    </message>
    <message>
        <source>%1 not copied: the configuration file names no picture folder.</source>
        <translation>Fotos não copiadas: %1; o arquivo de configuração não indica nenhuma pasta de fotos.</translation>
    </message>
    <message>
        <source>%1 not copied because the picture folder &quot;%2&quot; does not have them.</source>
        <translation>Fotos não copiadas: %1, porque a pasta de fotos &quot;%2&quot; não as contém.</translation>
    </message>
    <message>
        <source> The configuration file names no picture folder, so no pictures were put back.</source>
        <translation> O arquivo de configuração não indica nenhuma pasta de fotos, então nenhuma foto foi restaurada.</translation>
    </message>
    <message>
        <source> %1 put back into the picture folder &quot;%2&quot;.</source>
        <translation> Fotos restauradas na pasta de fotos &quot;%2&quot;: %1.</translation>
    </message>
    <message>
        <source> No pictures lie beside the backup (&quot;%1&quot;), so the pictures were left as they are.</source>
        <translation> Não há fotos junto ao backup (&quot;%1&quot;), então as fotos ficaram como estavam.</translation>
    </message>
    <message>
        <source> Not every picture could be put back: %1</source>
        <translation> Nem todas as fotos puderam ser restauradas: %1</translation>
    </message>
    <message>
        <source>, its pictures in &quot;%1&quot;</source>
        <translation>, com suas fotos em &quot;%1&quot;</translation>
    </message>
    <message>
        <source>This church is kept in %1. Pewlark backs up and restores database files only: back up a server&apos;s database with the server&apos;s own tools (pg_dump, and pg_restore to put a backup back), as the administrator&apos;s notes in README.md describe.</source>
        <translation>Esta igreja é mantida em %1. O Pewlark faz backup e restauração apenas de arquivos de banco de dados: faça o backup do banco de dados de um servidor com as ferramentas do próprio servidor (pg_dump, e pg_restore para restaurar um backup), como descrevem as notas do administrador em README.md.</translation>
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
        <translation>fazer backup do banco de dados</translation>
    </message>
    <message>
        <source>Back Up Database</source>
        <translation>Backup do banco de dados</translation>
    </message>
    <message>
        <source>Backed up the database to %1 (%2, %3 pictures).</source>
        <translation>Backup do banco de dados feito em %1 (%2, %3 fotos).</translation>
    </message>
    <message>
        <source>The database was backed up to &quot;%1&quot; (%2). %3</source>
        <translation>O backup do banco de dados foi feito em &quot;%1&quot; (%2). %3</translation>
    </message>
    <message>
        <source>restore the database</source>
        <translation>restaurar o banco de dados</translation>
    </message>
    <message>
        <source>Restore Database</source>
        <translation>Restaurar banco de dados</translation>
    </message>
    <message>
        <source>Replace the database &quot;%1&quot; with the backup &quot;%2&quot; (%3)?

Everything entered since that backup was made will be gone. The database as it is now is kept as a dated copy beside it. Every open window is closed first, and you log in again afterwards. Close Pewlark on the other workstations before you go on.</source>
        <translation>Substituir o banco de dados &quot;%1&quot; pelo backup &quot;%2&quot; (%3)?

Tudo o que foi lançado desde que esse backup foi feito será perdido. O banco de dados como está agora é mantido como uma cópia datada ao lado dele. Todas as janelas abertas são fechadas primeiro, e depois você entra novamente. Feche o Pewlark nas outras estações de trabalho antes de continuar.</translation>
    </message>
    <message>
        <source>Restored the database from %1.</source>
        <translation>Banco de dados restaurado a partir de %1.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was restored from the backup &quot;%2&quot; (%3).%4 The database as it was before is kept as &quot;%5&quot;%6. Log in again to go on.</source>
        <translation>O banco de dados &quot;%1&quot; foi restaurado a partir do backup &quot;%2&quot; (%3).%4 O banco de dados como estava antes é mantido como &quot;%5&quot;%6. Entre novamente para continuar.</translation>
    </message>
    <message>
        <source>Today&apos;s automatic backup: %1 (%2, %3 pictures).</source>
        <translation>Backup automático de hoje: %1 (%2, %3 fotos).</translation>
    </message>
    <message>
        <source>Today&apos;s automatic backup could not be made; Pewlark carries on without it. Make a backup with File &gt; Back Up Database... as soon as you can.

%1</source>
        <translation>Não foi possível fazer o backup automático de hoje; o Pewlark continua sem ele. Faça um backup em Arquivo &gt; Fazer backup do banco de dados... assim que puder.

%1</translation>
    </message>
</context>
<context>
    <name>BackupJobs</name>
    <message>
        <source>The folder of the database &quot;%1&quot; does not exist; check the configuration file.</source>
        <translation>A pasta do banco de dados &quot;%1&quot; não existe; verifique o arquivo de configuração.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be moved aside to &quot;%2&quot;; it is unchanged. Check that you may change files in its folder.</source>
        <translation>Não foi possível mover o banco de dados &quot;%1&quot; para &quot;%2&quot;; ele não foi alterado. Verifique se você pode alterar arquivos na pasta dele.</translation>
    </message>
    <message>
        <source>The restored database could not be put in place as &quot;%1&quot;; the database is unchanged.</source>
        <translation>Não foi possível colocar o banco de dados restaurado no lugar como &quot;%1&quot;; o banco de dados não foi alterado.</translation>
    </message>
    <message>
        <source>Backed up %1 to %2 (%3).</source>
        <translation>Backup de %1 feito em %2 (%3).</translation>
    </message>
    <message>
        <source>Restored %1 from %2 (%3).</source>
        <translation>%1 restaurado a partir de %2 (%3).</translation>
    </message>
    <message>
        <source>The database could not be used; it was moved aside to %1.</source>
        <translation>Não foi possível usar o banco de dados; ele foi movido para %1.</translation>
    </message>
    <message>
        <source>The database as it was before is kept as %1%2.</source>
        <translation>O banco de dados como estava antes foi guardado como %1%2.</translation>
    </message>
    <message>
        <source>Write a checked backup of the database config.txt names to FILE (which must not exist) and stop.</source>
        <translation>Gravar em FILE (que não pode existir) um backup verificado do banco de dados indicado em config.txt e parar.</translation>
    </message>
    <message>
        <source>Put the backup FILE in place of the database config.txt names, keeping that database as a dated copy beside it, and stop.</source>
        <translation>Colocar o backup FILE no lugar do banco de dados indicado em config.txt, guardando esse banco de dados como cópia datada ao lado dele, e parar.</translation>
    </message>
</context>
<context>
    <name>BatchPrint</name>
    <message>
        <source>No printer is installed on this computer, so the %1 cannot be printed.

Would you like to save them as one PDF file instead?</source>
        <translation>Não há nenhuma impressora instalada neste computador, por isso não é possível imprimir as %1.

Deseja salvá-las em um único arquivo PDF?</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Salvando %1...</translation>
    </message>
    <message>
        <source>Saving was stopped; no file was written.</source>
        <translation>O salvamento foi interrompido; nenhum arquivo foi gravado.</translation>
    </message>
    <message>
        <source>No file was written: the people chosen are no longer in the database, perhaps removed at another workstation.</source>
        <translation>Nenhum arquivo foi gravado: as pessoas escolhidas não estão mais no banco de dados; talvez tenham sido removidas em outra estação de trabalho.</translation>
    </message>
    <message>
        <source>Printing %1...</source>
        <translation>Imprimindo %1...</translation>
    </message>
    <message>
        <source>Printing stopped after %1 of %2 sheets.</source>
        <translation>A impressão parou depois de %1 de %2 folhas.</translation>
    </message>
    <message>
        <source>Printed %1.</source>
        <translation>Impresso: %1.</translation>
    </message>
    <message>
        <source>Saved %1 to %2.</source>
        <translation>Salvo: %1 em %2.</translation>
    </message>
    <message>
        <source> Printing stopped after %1 of %2.</source>
        <translation> A impressão parou depois de %1 de %2.</translation>
    </message>
</context>
<context>
    <name>Batches</name>
    <message>
        <source>envelope %1</source>
        <translation>envelope %1</translation>
    </message>
    <message>
        <source>This batch was deleted at another workstation.</source>
        <translation>Este lote foi excluído em outra estação de trabalho.</translation>
    </message>
    <message>
        <source>another user</source>
        <translation>outro usuário</translation>
    </message>
    <message>
        <source>This gift was removed at another workstation.</source>
        <translation>Esta contribuição foi removida em outra estação de trabalho.</translation>
    </message>
    <message>
        <source>This gift takes back another one; it cannot be returned itself.</source>
        <translation>Esta contribuição estorna outra; ela mesma não pode ser devolvida.</translation>
    </message>
    <message>
        <source>A gift of goods has no amount to take back. An Admin may reopen its batch and remove it.</source>
        <translation>Uma doação de bens não tem valor a estornar. Um administrador pode reabrir o lote e removê-la.</translation>
    </message>
    <message>
        <source>This gift was returned already.</source>
        <translation>Esta contribuição já foi devolvida.</translation>
    </message>
</context>
<context>
    <name>CareGroups</name>
    <message>
        <source>the care group of %1</source>
        <translation>o grupo de cuidado de %1</translation>
    </message>
    <message>
        <source>the care group</source>
        <translation>o grupo de cuidado</translation>
    </message>
</context>
<context>
    <name>Checkin</name>
    <message>
        <source>There is no service with the code &quot;%1&quot;.</source>
        <translation>Não existe nenhum culto com o código &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Every security code has been given out today, so no other family can be checked in until tomorrow.</source>
        <translation>Todos os códigos de segurança já foram usados hoje; nenhuma outra família pode fazer check-in até amanhã.</translation>
    </message>
    <message>
        <source>the check-ins</source>
        <translation>os check-ins</translation>
    </message>
</context>
<context>
    <name>CheckinReports</name>
    <message>
        <source>%1 person</source>
        <translation>%1 pessoa</translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation>%1 pessoas</translation>
    </message>
    <message>
        <source>Check-ins by Class</source>
        <translation>Check-ins por turma</translation>
    </message>
    <message>
        <source>Not Checked Out</source>
        <translation>Sem check-out</translation>
    </message>
    <message>
        <source>Checked in on %1: %2</source>
        <translation>Check-in em %1: %2</translation>
    </message>
    <message>
        <source>Not checked out on %1: %2</source>
        <translation>Sem check-out em %1: %2</translation>
    </message>
    <message>
        <source>Nobody was checked in on this day.</source>
        <translation>Ninguém fez check-in neste dia.</translation>
    </message>
    <message>
        <source>Everybody checked in on this day is checked out.</source>
        <translation>Todos que fizeram check-in neste dia já fizeram check-out.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Saída</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estação</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation> (continuação)</translation>
    </message>
</context>
<context>
    <name>Church</name>
    <message>
        <source>the church information</source>
        <translation>as informações da igreja</translation>
    </message>
</context>
<context>
    <name>ChurchLists</name>
    <message>
        <source>The new database has no outreach phases.</source>
        <translation>O novo banco de dados não tem fases de evangelismo.</translation>
    </message>
</context>
<context>
    <name>ChurchSettings</name>
    <message>
        <source>No goods or services were provided in return for these contributions other than intangible religious benefits, except as shown above.</source>
        <translation>Nenhum bem ou serviço foi fornecido em troca destas contribuições além de benefícios religiosos intangíveis, exceto o indicado acima.</translation>
    </message>
</context>
<context>
    <name>Classes</name>
    <message>
        <source>the class &quot;%1&quot;</source>
        <translation>a turma &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The display could not be opened, so Pewlark&apos;s windows cannot be shown; the command-line jobs (pewlark --help) need no display.</source>
        <translation>Não foi possível abrir a tela, então as janelas do Pewlark não podem ser exibidas; as tarefas de linha de comando (pewlark --help) não precisam de tela.</translation>
    </message>
    <message>
        <source>The display &quot;%1&quot; could not be opened, so Pewlark&apos;s windows cannot be shown; the command-line jobs (pewlark --help) need no display.</source>
        <translation>Não foi possível abrir a tela &quot;%1&quot;, então as janelas do Pewlark não podem ser exibidas; as tarefas de linha de comando (pewlark --help) não precisam de tela.</translation>
    </message>
    <message>
        <source>Pewlark: the church office&apos;s membership roll and outreach.</source>
        <translation>Pewlark: o cadastro de membros e o evangelismo da secretaria da igreja.</translation>
    </message>
    <message>
        <source>Show these options and stop.</source>
        <translation>Mostrar estas opções e parar.</translation>
    </message>
    <message>
        <source>Show the version and stop.</source>
        <translation>Mostrar a versão e parar.</translation>
    </message>
    <message>
        <source>Read FILE instead of the first of config.txt beside the program, ~/.config/pewlark/config.txt and /etc/pewlark/config.txt.</source>
        <translation>Ler FILE em vez do primeiro entre config.txt ao lado do programa, ~/.config/pewlark/config.txt e /etc/pewlark/config.txt.</translation>
    </message>
    <message>
        <source>Show which configuration file is used, and the database and picture folder it names, and stop.</source>
        <translation>Mostrar qual arquivo de configuração é usado, e o banco de dados e a pasta de fotos que ele indica, e parar.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Choose one of %1.</source>
        <translation>Escolha um de %1.</translation>
    </message>
    <message>
        <source>%1 needs a file name.</source>
        <translation>%1 precisa de um nome de arquivo.</translation>
    </message>
    <message>
        <source>--%1 goes with --%2.</source>
        <translation>--%1 acompanha --%2.</translation>
    </message>
    <message>
        <source>No configuration file was found. Pewlark looks for, in this order:
  %1
  %2
  %3
Started on the desktop, it opens its welcome window, which writes %2.
</source>
        <translation>Nenhum arquivo de configuração foi encontrado. O Pewlark procura, nesta ordem:
  %1
  %2
  %3
Iniciado na área de trabalho, ele abre a janela de boas-vindas, que grava %2.
</translation>
    </message>
    <message>
        <source>given with --config</source>
        <translation>indicado com --config</translation>
    </message>
    <message>
        <source>beside the program</source>
        <translation>ao lado do programa</translation>
    </message>
    <message>
        <source>the user&apos;s own</source>
        <translation>o do próprio usuário</translation>
    </message>
    <message>
        <source>the office&apos;s</source>
        <translation>o da secretaria</translation>
    </message>
    <message>
        <source>Configuration: %1 (%2)</source>
        <translation>Configuração: %1 (%2)</translation>
    </message>
    <message>
        <source>Database: %1
Pictures: %2</source>
        <translation>Banco de dados: %1
Fotos: %2</translation>
    </message>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Não é possível lê-lo: %1</translation>
    </message>
    <message>
        <source>There is no display to show Pewlark&apos;s windows on (DISPLAY is not set); start it on the desktop. The command-line jobs (pewlark --help) need no display.</source>
        <translation>Não há tela para exibir as janelas do Pewlark (DISPLAY não está definido); inicie-o na área de trabalho. As tarefas de linha de comando (pewlark --help) não precisam de tela.</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>The configuration file &quot;%1&quot; is not a plain text file: line %2 holds characters that no text file holds. It should be plain text with five fields (two labels, the database path, a label and the picture folder).</source>
        <translation>O arquivo de configuração &quot;%1&quot; não é um arquivo de texto simples: a linha %2 contém caracteres que nenhum arquivo de texto contém. Ele deve ser texto simples com cinco campos (dois rótulos, o caminho do banco de dados, um rótulo e a pasta de fotos).</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; holds %2 of the five fields it needs (two labels, the database path, a label and the picture folder).</source>
        <translation>O arquivo de configuração &quot;%1&quot; contém %2 dos cinco campos de que precisa (dois rótulos, o caminho do banco de dados, um rótulo e a pasta de fotos).</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; does not exist.</source>
        <translation>O arquivo de configuração &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; could not be read: %2</source>
        <translation>Não foi possível ler o arquivo de configuração &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; is larger than %2 KB, so it is not a Pewlark configuration file (five short fields: two labels, the database path, a label and the picture folder). Check the file name.</source>
        <translation>O arquivo de configuração &quot;%1&quot; tem mais de %2 KB, então não é um arquivo de configuração do Pewlark (cinco campos curtos: dois rótulos, o caminho do banco de dados, um rótulo e a pasta de fotos). Verifique o nome do arquivo.</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; names no picture folder (its fifth field is empty), so pictures of people cannot be shown or kept. Pewlark runs without them; write the picture folder into that field, ending with &quot;/&quot;, and start Pewlark again.</source>
        <translation>O arquivo de configuração &quot;%1&quot; não indica nenhuma pasta de fotos (seu quinto campo está vazio), então as fotos das pessoas não podem ser exibidas nem guardadas. O Pewlark funciona sem elas; escreva a pasta de fotos nesse campo, terminando com &quot;/&quot;, e inicie o Pewlark novamente.</translation>
    </message>
    <message>
        <source>The picture folder &quot;%1&quot; named in the configuration file &quot;%2&quot; %3, so pictures of people cannot be shown or kept. Pewlark runs without them; create the folder or correct the fifth field of the configuration file, then start Pewlark again.</source>
        <translation>A pasta de fotos &quot;%1&quot; indicada no arquivo de configuração &quot;%2&quot; %3, então as fotos das pessoas não podem ser exibidas nem guardadas. O Pewlark funciona sem elas; crie a pasta ou corrija o quinto campo do arquivo de configuração e depois inicie o Pewlark novamente.</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>The configuration file &quot;%1&quot; could not be written: %2</source>
        <translation>Não foi possível gravar o arquivo de configuração &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>its folder could not be made.</source>
        <translation>não foi possível criar a pasta dele.</translation>
    </message>
</context>
<context>
    <name>Conflicts</name>
    <message>
        <source>another user</source>
        <translation>outro usuário</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>who changed the fields, and when</extracomment>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>While you were editing this %1, %2 changed the same field at another workstation: %3.

Keep their values, keep yours, or cancel the save?</source>
        <translation>Enquanto você editava este registro (%1), %2 alterou o mesmo campo em outra estação de trabalho: %3.

Manter os valores da outra pessoa, manter os seus ou cancelar o salvamento?</translation>
    </message>
    <message>
        <source>While you were editing this %1, %2 changed the same fields at another workstation: %3.

Keep their values, keep yours, or cancel the save?</source>
        <translation>Enquanto você editava este registro (%1), %2 alterou os mesmos campos em outra estação de trabalho: %3.

Manter os valores da outra pessoa, manter os seus ou cancelar o salvamento?</translation>
    </message>
    <message>
        <source>Keep theirs</source>
        <translation>Manter os da outra pessoa</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Manter os meus</translation>
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
        <translation>Interessado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
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
        <translation>Avaliação</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Next Phase</source>
        <translation>Próxima fase</translation>
    </message>
    <message>
        <source>Next Contact Date</source>
        <translation>Data do próximo contato</translation>
    </message>
    <message>
        <source>Next Contact Action</source>
        <translation>Ação do próximo contato</translation>
    </message>
    <message>
        <source>This contact (ID %1) has been deleted since it was opened, perhaps on another workstation, so it could not be saved. Nothing was changed.</source>
        <translation>Este contato (ID %1) foi excluído depois de aberto, talvez em outra estação de trabalho, por isso não pôde ser salvo. Nada foi alterado.</translation>
    </message>
    <message>
        <source>the contact of %1</source>
        <translation>o contato de %1</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>Prospect, Action, Visitor 1, and Rating are Required.</source>
        <translation>Interessado, Ação, Visitante 1 e Avaliação são obrigatórios.</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obrigatórios</translation>
    </message>
    <message>
        <source>This contact (ID %1) has been deleted since it was opened, perhaps on another workstation, so it could not be saved. Nothing was changed.</source>
        <translation>Este contato (ID %1) foi excluído depois de aberto, talvez em outra estação de trabalho, então não pôde ser salvo. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The prospect of this contact (ID %1) no longer exists, so the contact could not be saved. Nothing was changed.</source>
        <translation>O interessado deste contato (ID %1) não existe mais, então o contato não pôde ser salvo. Nada foi alterado.</translation>
    </message>
</context>
<context>
    <name>Context</name>
    <message>
        <source>The database is not open.</source>
        <translation>O banco de dados não está aberto.</translation>
    </message>
</context>
<context>
    <name>CopyChurch</name>
    <message>
        <source>%1 has an older schema (version %2). Start Pewlark on it once, which upgrades it, then copy it.</source>
        <translation>%1 tem um esquema mais antigo (versão %2). Inicie o Pewlark com ele uma vez, o que o atualiza, e depois copie-o.</translation>
    </message>
    <message>
        <source>The table %1 could not be copied; nothing was kept. %2</source>
        <translation>Não foi possível copiar a tabela %1; nada foi mantido. %2</translation>
    </message>
    <message>
        <source>The copy of the table %1 holds %2 rows where %3 holds %4; nothing was kept.</source>
        <translation>A cópia da tabela %1 contém %2 linhas onde %3 contém %4; nada foi mantido.</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>The file &quot;%1&quot; is not a CSV table: %2.</source>
        <translation>O arquivo &quot;%1&quot; não é uma tabela CSV: %2.</translation>
    </message>
    <message>
        <source>it is a spreadsheet&apos;s own format (such as .xlsx or .ods); save it as CSV first</source>
        <translation>está no formato próprio de uma planilha (como .xlsx ou .ods); salve-o primeiro como CSV</translation>
    </message>
    <message>
        <source>it is an older spreadsheet&apos;s own format (.xls); save it as CSV first</source>
        <translation>está no formato próprio de uma planilha antiga (.xls); salve-o primeiro como CSV</translation>
    </message>
    <message>
        <source>it is a PDF document</source>
        <translation>é um documento PDF</translation>
    </message>
    <message>
        <source>UTF-8 with byte order mark</source>
        <translation>UTF-8 com marca de ordem de bytes</translation>
    </message>
    <message>
        <source>the quote that opens a value on line %1 is never closed</source>
        <translation>as aspas que abrem um valor na linha %1 nunca são fechadas</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>ponto e vírgula</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulação</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>vírgula</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>it holds binary data, not text (a control character on line %1)</source>
        <translation>contém dados binários, não texto (um caractere de controle na linha %1)</translation>
    </message>
    <message>
        <source>its first line does not name columns separated by commas, semicolons or tabs</source>
        <translation>sua primeira linha não nomeia colunas separadas por vírgulas, pontos e vírgulas ou tabulações</translation>
    </message>
    <message>
        <source>line %1 has %2 columns; a list of people has far fewer, and at most %3 can be read</source>
        <translation>a linha %1 tem %2 colunas; uma lista de pessoas tem muito menos, e no máximo %3 podem ser lidas</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Não foi possível ler o arquivo &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database &quot;%1&quot; is in use: another program or workstation is writing to it. Wait a moment, then try again.</source>
        <translation>O banco de dados &quot;%1&quot; está em uso: outro programa ou estação de trabalho está gravando nele. Aguarde um momento e tente novamente.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be changed: its folder is read-only, and every change needs a journal file beside the database. Ask whoever looks after this computer to let you write in the folder &quot;%2&quot;.</source>
        <translation>O banco de dados &quot;%1&quot; não pode ser alterado: a pasta dele é somente leitura, e cada alteração precisa de um arquivo de diário ao lado do banco de dados. Peça a quem cuida deste computador que permita que você grave na pasta &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be changed: the file is read-only. Ask whoever looks after this computer to make the file writable for you.</source>
        <translation>O banco de dados &quot;%1&quot; não pode ser alterado: o arquivo é somente leitura. Peça a quem cuida deste computador que permita que você grave no arquivo.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be changed: there is no room left on the disk (or the file has reached the largest size allowed). Free some space, then try again.</source>
        <translation>O banco de dados &quot;%1&quot; não pode ser alterado: não há mais espaço no disco (ou o arquivo atingiu o tamanho máximo permitido). Libere espaço e tente novamente.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be opened or read: it is damaged or is not a database file. Restore the most recent backup of it.</source>
        <translation>Não foi possível abrir ou ler o banco de dados &quot;%1&quot;: ele está danificado ou não é um arquivo de banco de dados. Restaure o backup mais recente dele.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be opened, or a file beside it could not be created. Check that the file and its folder exist and that you may use them, then try again.</source>
        <translation>Não foi possível abrir o banco de dados &quot;%1&quot;, ou não foi possível criar um arquivo ao lado dele. Verifique se o arquivo e a pasta existem e se você pode usá-los, e tente novamente.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be read or written: the disk or network drive reported an error. Check that the drive is available, then try again; if it happens again, restore the most recent backup.</source>
        <translation>Não foi possível ler ou gravar o banco de dados &quot;%1&quot;: o disco ou a unidade de rede informou um erro. Verifique se a unidade está disponível e tente novamente; se acontecer de novo, restaure o backup mais recente.</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>o arquivo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>PostgreSQL support is not installed on this computer (Debian package libqt6sql6-psql), so %1 cannot be opened.</source>
        <translation>O suporte a PostgreSQL não está instalado neste computador (pacote Debian libqt6sql6-psql), então não é possível abrir %1.</translation>
    </message>
    <message>
        <source>%1 is being filled by another Pewlark at this moment (a copy, an import or a new church); it was left unchanged.</source>
        <translation>Outro Pewlark está preenchendo %1 neste momento (uma cópia, uma importação ou uma igreja nova); foi mantido sem alterações.</translation>
    </message>
    <message>
        <source>%1 already holds tables; a church is only created in an empty database. It was left unchanged.</source>
        <translation>%1 já contém tabelas; uma igreja só é criada em um banco de dados vazio. Foi mantido sem alterações.</translation>
    </message>
    <message>
        <source>The database file &quot;%1&quot; does not exist.</source>
        <translation>O arquivo de banco de dados &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>The database path &quot;%1&quot; is not a file.</source>
        <translation>O caminho do banco de dados &quot;%1&quot; não é um arquivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; it was left unchanged.</source>
        <translation>O arquivo &quot;%1&quot; já existe; ele foi mantido sem alterações.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be opened: %2</source>
        <translation>Não foi possível abrir o banco de dados &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The database driver gave no SQLite connection.</source>
        <translation>O driver do banco de dados não forneceu uma conexão SQLite.</translation>
    </message>
    <message>
        <source>The database is not open.</source>
        <translation>O banco de dados não está aberto.</translation>
    </message>
    <message>
        <source>The new row&apos;s key was not returned.</source>
        <translation>A chave da nova linha não foi retornada.</translation>
    </message>
    <message>
        <source>The change was undone because part of it failed.</source>
        <translation>A alteração foi desfeita porque uma parte dela falhou.</translation>
    </message>
    <message>
        <source>(The database engine reported: %1)</source>
        <translation>(O mecanismo do banco de dados informou: %1)</translation>
    </message>
</context>
<context>
    <name>DatabaseJobs</name>
    <message>
        <source>Password for %1: </source>
        <translation>Senha de %1: </translation>
    </message>
    <message>
        <source>--demo-database writes a file. To try the demo church on a server, write it to a file and copy it there: pewlark --copy-database DEMO-FILE %1</source>
        <translation>--demo-database grava um arquivo. Para testar a igreja de demonstração em um servidor, grave-a em um arquivo e copie-a para lá: pewlark --copy-database DEMO-FILE %1</translation>
    </message>
    <message>
        <source>--people needs a whole number from %1 to %2, not &quot;%3&quot;.</source>
        <translation>--people precisa de um número inteiro de %1 a %2, não &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Created demo database %1: %2 people in %3 households, %4 prospects, %5 contacts (%6 s).</source>
        <translation>Banco de dados de demonstração %1 criado: %2 pessoas em %3 famílias, %4 interessados, %5 contatos (%6 s).</translation>
    </message>
    <message>
        <source>Log in as &quot;%1&quot; / &quot;%2&quot; (Admin) or &quot;%3&quot; / &quot;%4&quot; (Member View only).</source>
        <translation>Entre como &quot;%1&quot; / &quot;%2&quot; (Admin) ou &quot;%3&quot; / &quot;%4&quot; (somente Member View).</translation>
    </message>
    <message>
        <source>--create-database needs --admin USERNAME.</source>
        <translation>--create-database precisa de --admin USERNAME.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; it was left unchanged.</source>
        <translation>O arquivo &quot;%1&quot; já existe; ele foi mantido sem alterações.</translation>
    </message>
    <message>
        <source>Created %1 with the Admin account &quot;%2&quot;.</source>
        <translation>%1 criado com a conta Admin &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Copying %1...</source>
        <translation>Copiando %1...</translation>
    </message>
    <message>
        <source>Copied the church from %1 to %2 (%3 s).</source>
        <translation>Igreja copiada de %1 para %2 (%3 s).</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>From</source>
        <comment>first database</comment>
        <translation>Origem</translation>
    </message>
    <message>
        <source>To</source>
        <comment>second database</comment>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Write a demo church database to FILE (which must not exist) and stop.</source>
        <translation>Gravar um banco de dados de igreja de demonstração em FILE (que não pode existir) e parar.</translation>
    </message>
    <message>
        <source>Number of people in the demo database (default 2000).</source>
        <translation>Número de pessoas no banco de dados de demonstração (padrão 2000).</translation>
    </message>
    <message>
        <source>Create an empty church database in FILE with one Admin account and stop; the password is read from standard input.</source>
        <translation>Criar um banco de dados de igreja vazio em FILE com uma conta Admin e parar; a senha é lida da entrada padrão.</translation>
    </message>
    <message>
        <source>User name of the Admin account for --create-database.</source>
        <translation>Nome de usuário da conta Admin para --create-database.</translation>
    </message>
    <message>
        <source>Copy the whole church in FROM (a file or a postgresql:// database) to TO, a new file or an empty database on a server, and stop: pewlark --copy-database FROM TO.</source>
        <translation>Copiar a igreja inteira de FROM (um arquivo ou um banco de dados postgresql://) para TO, um arquivo novo ou um banco de dados vazio em um servidor, e parar: pewlark --copy-database FROM TO.</translation>
    </message>
    <message>
        <source>The target of --copy-database.</source>
        <translation>O destino de --copy-database.</translation>
    </message>
    <message>
        <source>--copy-database needs the database to copy to: pewlark --copy-database FROM TO.</source>
        <translation>--copy-database precisa do banco de dados de destino: pewlark --copy-database FROM TO.</translation>
    </message>
</context>
<context>
    <name>DemoGenerator</name>
    <message>
        <source>A demonstration church has between %1 and %2 people, not %3.</source>
        <translation>Uma igreja de demonstração tem entre %1 e %2 pessoas, não %3.</translation>
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
        <translation>Incluir sem dados de contato</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Não incluir</translation>
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
        <translation>Diretório da igreja</translation>
    </message>
    <message>
        <source>Home: </source>
        <translation>Residencial: </translation>
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
        <translation>nascido(a) em %1</translation>
    </message>
    <message>
        <source>phone %1</source>
        <translation>telefone %1</translation>
    </message>
    <message>
        <source>There is already %1.</source>
        <translation>Já existe %1.</translation>
    </message>
    <message>
        <source> %1 other people match as well.</source>
        <translation> Outras %1 pessoas também coincidem.</translation>
    </message>
</context>
<context>
    <name>DuplicateWarning</name>
    <message>
        <source>Save Anyway</source>
        <translation>Salvar mesmo assim</translation>
    </message>
    <message>
        <source>Open That Person</source>
        <translation>Abrir essa pessoa</translation>
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
        <translation>mesmo nome e data de nascimento</translation>
    </message>
    <message>
        <source>same e-mail</source>
        <translation>mesmo e-mail</translation>
    </message>
    <message>
        <source>same phone and last name</source>
        <translation>mesmo telefone e sobrenome</translation>
    </message>
    <message>
        <source>same name, nothing else to compare</source>
        <translation>mesmo nome, nada mais para comparar</translation>
    </message>
</context>
<context>
    <name>EmailPeople</name>
    <message>
        <source>E-mail These People</source>
        <translation>Enviar e-mail a estas pessoas</translation>
    </message>
    <message>
        <source>1 person</source>
        <translation>1 pessoa</translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation>%1 pessoas</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>%1 of the %2 have no e-mail address and %3 left out:

%4</source>
        <translation>%1 das %2 não têm endereço de e-mail e %3 de fora:

%4</translation>
    </message>
    <message>
        <source>is</source>
        <comment>one person left out</comment>
        <translation>fica</translation>
    </message>
    <message>
        <source>are</source>
        <comment>several people left out</comment>
        <translation>ficam</translation>
    </message>
    <message>
        <source>None of the people listed receives the newsletter by e-mail.</source>
        <translation>Nenhuma das pessoas da lista recebe o boletim por e-mail.</translation>
    </message>
    <message>
        <source>No people are listed.</source>
        <translation>Não há pessoas na lista.</translation>
    </message>
    <message>
        <source>The person listed has no e-mail address.</source>
        <translation>A pessoa da lista não tem endereço de e-mail.</translation>
    </message>
    <message>
        <source>None of the %1 listed has an e-mail address.</source>
        <translation>Nenhuma das %1 da lista tem endereço de e-mail.</translation>
    </message>
    <message>
        <source>The %1 addresses are more than a mail program takes in one message, so they are split into %2 messages, each with its part of the addresses in Bcc. Open the %2 messages?</source>
        <translation>Os %1 endereços são mais do que um programa de e-mail aceita em uma mensagem, por isso eles são divididos em %2 mensagens, cada uma com sua parte dos endereços em Cco. Abrir as %2 mensagens?</translation>
    </message>
    <message>
        <source>No mail program on this computer opened the message. Use &quot;Copy E-mail Addresses&quot; and paste them into a message instead.</source>
        <translation>Nenhum programa de e-mail deste computador abriu a mensagem. Use &quot;Copiar endereços de e-mail&quot; e cole-os em uma mensagem.</translation>
    </message>
    <message>
        <source>E-mail to %1 opened in the mail program (%2 %3).</source>
        <translation>E-mail para %1 aberto no programa de e-mail (%2 %3).</translation>
    </message>
    <message>
        <source>1 address</source>
        <translation>1 endereço</translation>
    </message>
    <message>
        <source>%1 addresses</source>
        <translation>%1 endereços</translation>
    </message>
    <message>
        <source>message</source>
        <translation>mensagem</translation>
    </message>
    <message>
        <source>messages</source>
        <translation>mensagens</translation>
    </message>
    <message>
        <source>Copied 1 e-mail address.</source>
        <translation>1 endereço de e-mail copiado.</translation>
    </message>
    <message>
        <source>Copied %1 e-mail addresses.</source>
        <translation>%1 endereços de e-mail copiados.</translation>
    </message>
    <message>
        <source>Newsletter by E-Mail Only</source>
        <translation>Somente boletim por e-mail</translation>
    </message>
    <message>
        <source>E-mail only the people listed who receive the newsletter by e-mail.</source>
        <translation>Enviar e-mail somente às pessoas da lista que recebem o boletim por e-mail.</translation>
    </message>
    <message>
        <source>E-mail These People...</source>
        <translation>Enviar e-mail a estas pessoas...</translation>
    </message>
    <message>
        <source>Copy E-mail Addresses</source>
        <translation>Copiar endereços de e-mail</translation>
    </message>
</context>
<context>
    <name>FamilyPanel</name>
    <message>
        <source>Family Members</source>
        <translation>Membros da família</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membro</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Parentesco</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>New Family Member</source>
        <translation>Novo familiar</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Member Status</source>
        <translation>Situação de membro</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Situação de interessado</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>Nasc.</translation>
    </message>
</context>
<context>
    <name>FamilyText</name>
    <message>
        <source>Head of Household</source>
        <translation>Chefe de família</translation>
    </message>
</context>
<context>
    <name>FileOps</name>
    <message>
        <source>&quot;%1&quot; could not be written to disk.</source>
        <translation>Não foi possível gravar &quot;%1&quot; no disco.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied to &quot;%2&quot;: %3</source>
        <translation>Não foi possível copiar &quot;%1&quot; para &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>there is no room left on the disk. Free some space or choose another disk.</source>
        <translation>não há mais espaço no disco. Libere espaço ou escolha outro disco.</translation>
    </message>
    <message>
        <source>the file name holds a character the disk does not allow (one of \ / : * ? &quot; &lt; &gt; |). Choose another name.</source>
        <translation>o nome do arquivo contém um caractere que o disco não permite (um de \ / : * ? &quot; &lt; &gt; |). Escolha outro nome.</translation>
    </message>
    <message>
        <source>you may not write in the folder &quot;%1&quot;. Choose another folder, or ask whoever looks after this computer to let you write there.</source>
        <translation>você não pode gravar na pasta &quot;%1&quot;. Escolha outra pasta ou peça a quem cuida deste computador que permita que você grave nela.</translation>
    </message>
    <message>
        <source>the disk of the folder &quot;%1&quot; is read-only. Choose another disk.</source>
        <translation>o disco da pasta &quot;%1&quot; é somente leitura. Escolha outro disco.</translation>
    </message>
    <message>
        <source>the file name is longer than the disk allows. Choose a shorter name.</source>
        <translation>o nome do arquivo é mais longo do que o disco permite. Escolha um nome mais curto.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist.</source>
        <translation>a pasta &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>a folder of that name is in the way. Choose another name.</source>
        <translation>já existe uma pasta com esse nome. Escolha outro nome.</translation>
    </message>
</context>
<context>
    <name>GiftImport</name>
    <message>
        <source>no active person has envelope number %1</source>
        <translation>nenhuma pessoa ativa tem o envelope número %1</translation>
    </message>
    <message>
        <source>several people have the e-mail address %1</source>
        <translation>várias pessoas têm o endereço de e-mail %1</translation>
    </message>
    <message>
        <source>no giver is named</source>
        <translation>nenhum contribuinte é indicado</translation>
    </message>
    <message>
        <source>nobody has the e-mail address %1</source>
        <translation>ninguém tem o endereço de e-mail %1</translation>
    </message>
    <message>
        <source>several people are named %1</source>
        <translation>várias pessoas se chamam %1</translation>
    </message>
    <message>
        <source>nobody is named %1</source>
        <translation>ninguém se chama %1</translation>
    </message>
    <message>
        <source>nobody is named %1 at %2</source>
        <translation>ninguém chamado %1 mora em %2</translation>
    </message>
    <message>
        <source>The mapping &quot;%1&quot; could not be read: %2</source>
        <translation>Não foi possível ler o mapeamento &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The mapping &quot;%1&quot; is not a JSON object of column names and fields.</source>
        <translation>O mapeamento &quot;%1&quot; não é um objeto JSON de nomes de colunas e campos.</translation>
    </message>
    <message>
        <source>The mapping &quot;%1&quot; names the field &quot;%2&quot;, which is none of: %3.</source>
        <translation>O mapeamento &quot;%1&quot; indica o campo &quot;%2&quot;, que não é nenhum de: %3.</translation>
    </message>
    <message>
        <source>No column of &quot;%1&quot; is taken for the gift&apos;s %2; name the columns with --mapping FILE.json.</source>
        <translation>Nenhuma coluna de &quot;%1&quot; é usada para o campo %2 da contribuição; indique as colunas com --mapping FILE.json.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>&quot;%1&quot; não é uma data</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>&quot;%1&quot; não é um valor</translation>
    </message>
    <message>
        <source>no fund is named</source>
        <translation>nenhum fundo é indicado</translation>
    </message>
    <message>
        <source>the church has no fund named &quot;%1&quot; (--create-funds adds it)</source>
        <translation>a igreja não tem nenhum fundo chamado &quot;%1&quot; (--create-funds o adiciona)</translation>
    </message>
    <message>
        <source>a refund of %1, and the giver has no gift %2 on or before %3 to take back</source>
        <translation>um reembolso de %1, e o contribuinte não tem nenhuma contribuição %2 em ou antes de %3 para estornar</translation>
    </message>
    <message>
        <source>of that amount</source>
        <translation>desse valor</translation>
    </message>
    <message>
        <source>with the reference &quot;%1&quot;</source>
        <translation>com a referência &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 would import %2 gift(s), %3, of the %4 row(s) with an amount (%5).</source>
        <translation>%1 importaria %2 contribuição(ões), %3, das %4 linha(s) com valor (%5).</translation>
    </message>
    <message>
        <source>Imported %1 gift(s), %2, from %3 into the batch of %4 (its control total: the file&apos;s %5 in %6 row(s)).</source>
        <translation>Importadas %1 contribuição(ões), %2, de %3 para o lote de %4 (total de controle: os %5 do arquivo em %6 linha(s)).</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Nada foi importado de %1.</translation>
    </message>
    <message>
        <source>The backup made before it is &quot;%1&quot;.</source>
        <translation>O backup feito antes é &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>New funds: %1</source>
        <translation>Novos fundos: %1</translation>
    </message>
    <message>
        <source>Imported before, left out: %1 row(s).</source>
        <translation>Importadas antes, deixadas de fora: %1 linha(s).</translation>
    </message>
    <message>
        <source>Left out (line: why):</source>
        <translation>Deixadas de fora (linha: motivo):</translation>
    </message>
</context>
<context>
    <name>GiftMethods</name>
    <message>
        <source>Cash</source>
        <translation>Dinheiro</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Cartão</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>On-line</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
</context>
<context>
    <name>GivingJobs</name>
    <message>
        <source>--statements needs --pdf DIR, the folder the statements are written to.</source>
        <translation>--statements precisa de --pdf DIR, a pasta em que os extratos são gravados.</translation>
    </message>
    <message>
        <source>--%1 takes a date such as 2026-12-31, not &quot;%2&quot;.</source>
        <translation>--%1 recebe uma data como 2026-12-31, não &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The period starts (%1) after it ends (%2).</source>
        <translation>O período começa (%1) depois de terminar (%2).</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Não foi possível criar a pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 statement for %2 to %3 written to %4.</source>
        <translation>%1 extrato de %2 a %3 gravado em %4.</translation>
    </message>
    <message>
        <source>%1 statements for %2 to %3 written to %4.</source>
        <translation>%1 extratos de %2 a %3 gravados em %4.</translation>
    </message>
    <message>
        <source>Totals per fund: %1</source>
        <translation>Totais por fundo: %1</translation>
    </message>
    <message>
        <source>Without an address (the statement is written, but cannot be mailed): %1</source>
        <translation>Sem endereço (o extrato foi gravado, mas não pode ser enviado pelo correio): %1</translation>
    </message>
    <message>
        <source>Import the gifts of the CSV table FILE (as online-giving services export them) into one new batch of the database config.txt names (or the one --into names), after a backup, and stop.</source>
        <translation>Importar as contribuições da tabela CSV FILE (como os serviços de doação on-line as exportam) em um novo lote do banco de dados indicado em config.txt (ou o indicado em --into), depois de um backup, e parar.</translation>
    </message>
    <message>
        <source>Which column fills which field of the import (JSON).</source>
        <translation>Qual coluna preenche qual campo da importação (JSON).</translation>
    </message>
    <message>
        <source>Print what the import would do and write nothing.</source>
        <translation>Mostrar o que a importação faria e não gravar nada.</translation>
    </message>
    <message>
        <source>Create the funds --import-gifts names that the church lacks, instead of leaving their rows out.</source>
        <translation>Criar os fundos indicados em --import-gifts que a igreja não tem, em vez de deixar as linhas deles de fora.</translation>
    </message>
    <message>
        <source>The database the import writes to, instead of the one config.txt names.</source>
        <translation>O banco de dados em que a importação grava, em vez do indicado em config.txt.</translation>
    </message>
    <message>
        <source>Write the contribution statements of everybody who gave in the period, one PDF per giver or household in the folder --pdf names, and stop.</source>
        <translation>Gravar os extratos de contribuição de todos que contribuíram no período, um PDF por contribuinte ou família na pasta indicada em --pdf, e parar.</translation>
    </message>
    <message>
        <source>The first day of --statements&apos; period (default: January 1 of last year).</source>
        <translation>O primeiro dia do período de --statements (padrão: 1º de janeiro do ano passado).</translation>
    </message>
    <message>
        <source>The last day of --statements&apos; period (default: December 31 of last year).</source>
        <translation>O último dia do período de --statements (padrão: 31 de dezembro do ano passado).</translation>
    </message>
    <message>
        <source>The folder --statements writes to.</source>
        <translation>A pasta em que --statements grava.</translation>
    </message>
    <message>
        <source>Also write the totals of --statements per giver and fund to the CSV file FILE.</source>
        <translation>Gravar também os totais de --statements por contribuinte e fundo no arquivo CSV FILE.</translation>
    </message>
</context>
<context>
    <name>GivingReports</name>
    <message>
        <source>This batch was deleted at another workstation.</source>
        <translation>Este lote foi excluído em outra estação de trabalho.</translation>
    </message>
    <message>
        <source>Loose offering</source>
        <translation>Oferta avulsa</translation>
    </message>
    <message>
        <source>Deposit Report</source>
        <translation>Relatório de depósito</translation>
    </message>
    <message>
        <source>Batch of %1</source>
        <translation>Lote de %1</translation>
    </message>
    <message>
        <source>Closed by %1 on %2</source>
        <translation>Fechado por %1 em %2</translation>
    </message>
    <message>
        <source>Open: not closed yet</source>
        <translation>Aberto: ainda não fechado</translation>
    </message>
    <message>
        <source>Giver</source>
        <translation>Contribuinte</translation>
    </message>
    <message>
        <source>Check No.</source>
        <translation>N.º do cheque</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Cheques</translation>
    </message>
    <message>
        <source>No checks in this batch.</source>
        <translation>Nenhum cheque neste lote.</translation>
    </message>
    <message>
        <source>By method</source>
        <translation>Por forma de pagamento</translation>
    </message>
    <message>
        <source>By fund</source>
        <translation>Por fundo</translation>
    </message>
    <message>
        <source>Total of %1 gift(s)</source>
        <translation>Total de %1 contribuição(ões)</translation>
    </message>
    <message>
        <source>Control total of %1 gift(s)</source>
        <translation>Total de controle de %1 contribuição(ões)</translation>
    </message>
    <message>
        <source>Variance</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Other funds</source>
        <translation>Outros fundos</translation>
    </message>
    <message>
        <source>Giving by Fund and Month</source>
        <translation>Contribuições por fundo e mês</translation>
    </message>
    <message>
        <source>Gifts of %1, returned gifts netted</source>
        <translation>Contribuições de %1, descontadas as devolvidas</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Total per month</source>
        <translation>Total por mês</translation>
    </message>
    <message>
        <source>Pledges and Giving</source>
        <translation>Promessas e contribuições</translation>
    </message>
    <message>
        <source>Pledges running from %1 to %2, given up to %2</source>
        <translation>Promessas vigentes de %1 a %2, doado até %2</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Pledge period</source>
        <translation>Período da promessa</translation>
    </message>
    <message>
        <source>Pledged</source>
        <translation>Prometido</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Doado</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>No pledges run in this period.</source>
        <translation>Nenhuma promessa vigente neste período.</translation>
    </message>
    <message>
        <source>%1 pledge(s)</source>
        <translation>%1 promessa(s)</translation>
    </message>
    <message>
        <source>Givers and Totals</source>
        <translation>Contribuintes e totais</translation>
    </message>
    <message>
        <source>Gifts from %1 to %2, returned gifts netted</source>
        <translation>Contribuições de %1 a %2, descontadas as devolvidas</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Contribuições</translation>
    </message>
    <message>
        <source>%1 giver(s)</source>
        <translation>%1 contribuinte(s)</translation>
    </message>
</context>
<context>
    <name>GivingScreens</name>
    <message>
        <source>change the funds</source>
        <translation>alterar os fundos</translation>
    </message>
</context>
<context>
    <name>GridExport</name>
    <message>
        <source>Export to CSV</source>
        <translation>Exportar para CSV</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Arquivos CSV</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Não foi possível gravar o arquivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Export to CSV...</source>
        <translation>Exportar para CSV...</translation>
    </message>
    <message>
        <source>1 person found</source>
        <translation>1 pessoa encontrada</translation>
    </message>
    <message>
        <source>%1 people found</source>
        <translation>%1 pessoas encontradas</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Pewlark is waiting for another program or workstation that is writing to the database &quot;%1&quot; (at most %2 seconds)...</source>
        <translation>O Pewlark está aguardando outro programa ou estação de trabalho que está gravando no banco de dados &quot;%1&quot; (no máximo %2 segundos)...</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
</context>
<context>
    <name>Health</name>
    <message>
        <source>The database &quot;%1&quot; cannot be used: %2 Restore the most recent backup of it.</source>
        <translation>O banco de dados &quot;%1&quot; não pode ser usado: %2 Restaure o backup mais recente dele.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a church database: it is what was left when writing &quot;%2&quot; was interrupted, and it may be incomplete. Use &quot;%2&quot; if it exists, or create that database again; the leftover file can be deleted.</source>
        <translation>O arquivo &quot;%1&quot; não é um banco de dados de igreja: é o que sobrou quando a gravação de &quot;%2&quot; foi interrompida, e pode estar incompleto. Use &quot;%2&quot; se ele existir, ou crie esse banco de dados de novo; o arquivo que sobrou pode ser excluído.</translation>
    </message>
    <message>
        <source>it is damaged (the engine&apos;s check found %1 problem).</source>
        <translation>ele está danificado (a verificação do mecanismo encontrou %1 problema).</translation>
    </message>
    <message>
        <source>it is damaged (the engine&apos;s check found %1 problems).</source>
        <translation>ele está danificado (a verificação do mecanismo encontrou %1 problemas).</translation>
    </message>
    <message>
        <source>it is damaged.</source>
        <translation>ele está danificado.</translation>
    </message>
    <message>
        <source>%1 holds no user accounts, so nobody can log in. It may be an unfinished or damaged copy; copy the church onto it again, or restore the server&apos;s most recent backup of it.</source>
        <translation>%1 não contém contas de usuário, então ninguém consegue entrar. Pode ser uma cópia incompleta ou danificada; copie a igreja para ele de novo ou restaure o backup mais recente do servidor.</translation>
    </message>
    <message>
        <source>it holds no user accounts, so nobody can log in. It may be an unfinished or damaged copy.</source>
        <translation>ele não contém contas de usuário, então ninguém consegue entrar. Pode ser uma cópia incompleta ou danificada.</translation>
    </message>
    <message>
        <source>the file was opened read-only</source>
        <translation>o arquivo foi aberto somente para leitura</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Primeiros passos</translation>
    </message>
    <message>
        <source>Finding and adding a person</source>
        <translation>Encontrar e adicionar uma pessoa</translation>
    </message>
    <message>
        <source>Families</source>
        <translation>Famílias</translation>
    </message>
    <message>
        <source>Responsibilities, classes and care groups</source>
        <translation>Responsabilidades, turmas e grupos de cuidado</translation>
    </message>
    <message>
        <source>Outreach contacts</source>
        <translation>Contatos de evangelismo</translation>
    </message>
    <message>
        <source>Printing and labels</source>
        <translation>Impressão e etiquetas</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Users and permissions</source>
        <translation>Usuários e permissões</translation>
    </message>
    <message>
        <source>Attendance</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Giving</source>
        <translation>Contribuições</translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation>Escalas</translation>
    </message>
    <message>
        <source>Check-in</source>
        <translation>Check-in</translation>
    </message>
    <message>
        <source>Church Directory</source>
        <translation>Diretório da igreja</translation>
    </message>
    <message>
        <source>Importing people from a spreadsheet</source>
        <translation>Importar pessoas de uma planilha</translation>
    </message>
    <message>
        <source>Merging and deleting people</source>
        <translation>Unir e excluir pessoas</translation>
    </message>
</context>
<context>
    <name>HouseholdLabels</name>
    <message>
        <source>The %1 Family</source>
        <translation>Família %1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>--duplicates takes skip, fill or add, not &quot;%1&quot;.</source>
        <translation>--duplicates aceita skip, fill ou add, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No column of &quot;%1&quot; is taken for a first or last name; name the columns with --mapping FILE.json (File &gt; Import People... saves one).</source>
        <translation>Nenhuma coluna de &quot;%1&quot; é usada como nome ou sobrenome; indique as colunas com --mapping ARQUIVO.json (Arquivo &gt; Importar pessoas... salva um).</translation>
    </message>
</context>
<context>
    <name>ImportJobs</name>
    <message>
        <source>--import-legacy needs --into NEW.sqlite, the new database to write.</source>
        <translation>--import-legacy precisa de --into NEW.sqlite, o novo banco de dados a gravar.</translation>
    </message>
    <message>
        <source>Import the older program&apos;s database FILE (.mdb) into the new file --into names, and stop.</source>
        <translation>Importar o banco de dados FILE (.mdb) do programa antigo para o novo arquivo indicado em --into, e parar.</translation>
    </message>
    <message>
        <source>New database for --import-legacy.</source>
        <translation>Novo banco de dados para --import-legacy.</translation>
    </message>
    <message>
        <source>Picture folder for --import-legacy to check.</source>
        <translation>Pasta de fotos que --import-legacy deve verificar.</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Nome do meio</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Endereço 1</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Endereço 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CEP</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Telefone comercial</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data de nascimento</translation>
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
        <translation>Aniversário de casamento</translation>
    </message>
    <message>
        <source>Place of Work</source>
        <translation>Local de trabalho</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Profissão</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Passatempos</translation>
    </message>
    <message>
        <source>Organizations</source>
        <translation>Organizações</translation>
    </message>
    <message>
        <source>Member Status</source>
        <translation>Situação de membro</translation>
    </message>
    <message>
        <source>Church Status</source>
        <translation>Situação na igreja</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Situação de interessado</translation>
    </message>
    <message>
        <source>Member Since</source>
        <translation>Membro desde</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Batizado</translation>
    </message>
    <message>
        <source>Previous Church</source>
        <translation>Igreja anterior</translation>
    </message>
    <message>
        <source>Newsletter by Mail</source>
        <translation>Boletim por correio</translation>
    </message>
    <message>
        <source>Newsletter by E-mail</source>
        <translation>Boletim por e-mail</translation>
    </message>
    <message>
        <source>Family Identifier</source>
        <translation>Identificador da família</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Parentesco</translation>
    </message>
    <message>
        <source>Head of Household</source>
        <translation>Chefe da família</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a column mapping of Pewlark&apos;s people import: %2.</source>
        <translation>O arquivo &quot;%1&quot; não é um mapeamento de colunas da importação de pessoas do Pewlark: %2.</translation>
    </message>
    <message>
        <source>it has no &quot;columns&quot;</source>
        <translation>não tem &quot;columns&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field a column can fill</source>
        <translation>&quot;%1&quot; não é um campo que uma coluna possa preencher</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a field every row can be given</source>
        <translation>&quot;%1&quot; não é um campo que possa ser dado a todas as linhas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not skip, fill or add</source>
        <translation>&quot;%1&quot; não é skip, fill nem add</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Não foi possível ler o arquivo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <translation>Não foi possível gravar o arquivo &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>%1 &quot;%2&quot; is not a date; left empty</source>
        <translation>%1 &quot;%2&quot; não é uma data; deixado vazio</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; does not have ten digits; stored as it is</source>
        <translation>%1 &quot;%2&quot; não tem dez dígitos; gravado como está</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not yes or no; stored as no</source>
        <translation>%1 &quot;%2&quot; não é sim nem não; gravado como não</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; (kept as it is)</source>
        <translation>%1 &quot;%2&quot; (mantido como está)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not yes or no; taken as no</source>
        <translation>%1 &quot;%2&quot; não é sim nem não; considerado como não</translation>
    </message>
    <message>
        <source>values after the last named column left out: %1</source>
        <translation>valores após a última coluna com nome foram omitidos: %1</translation>
    </message>
    <message>
        <source>no first or last name</source>
        <translation>sem nome nem sobrenome</translation>
    </message>
    <message>
        <source>the row on line %1</source>
        <translation>a linha %1</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
    <message>
        <source>the people</source>
        <translation>as pessoas</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source> and %1 more</source>
        <translation> e mais %1</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot; (%2) into &quot;%3&quot;.

</source>
        <translation>&quot;%1&quot; (%2) importado para &quot;%3&quot;.

</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; (%2); the import into &quot;%3&quot; failed.

</source>
        <translation>&quot;%1&quot; (%2) lido; a importação para &quot;%3&quot; falhou.

</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>   Old file  New database  Not stored
</source>
        <translation>   Antigo    Novo banco    Não gravadas
</translation>
    </message>
    <message>
        <source>Accounts: %1 passwords stored as protected hashes; each works as before, in any letter case.
</source>
        <translation>Contas: %1 senhas gravadas como hashes protegidos; cada uma funciona como antes, com maiúsculas ou minúsculas.
</translation>
    </message>
    <message>
        <source>Accounts without a password, which cannot log in until an administrator sets one: %1.
</source>
        <translation>Contas sem senha, que não conseguem entrar até que um administrador defina uma: %1.
</translation>
    </message>
    <message>
        <source>Accounts whose user names differ only in letter case: %1. Each still logs in with its own password; an administrator should give all but one of them names of their own on the user entry screen.
</source>
        <translation>Contas cujos nomes de usuário diferem apenas em maiúsculas e minúsculas: %1. Cada uma continua entrando com a própria senha; um administrador deve dar a todas, menos uma, um nome próprio na tela de usuários.
</translation>
    </message>
    <message>
        <source>Warning: no active &quot;Admin&quot; account has a password, so nobody can administer the new database.
</source>
        <translation>Aviso: nenhuma conta &quot;Admin&quot; ativa tem senha, então ninguém consegue administrar o novo banco de dados.
</translation>
    </message>
    <message>
        <source>Pictures: %1 named in the file; not checked (name the picture folder with --pictures DIR to check them).
</source>
        <translation>Fotos: %1 indicadas no arquivo; não verificadas (indique a pasta de fotos com --pictures DIR para verificá-las).
</translation>
    </message>
    <message>
        <source>Pictures: %1 named in the file, all of them in the picture folder.
</source>
        <translation>Fotos: %1 indicadas no arquivo, todas na pasta de fotos.
</translation>
    </message>
    <message>
        <source>Pictures: %1 named in the file; %2 missing from the picture folder: %3.
</source>
        <translation>Fotos: %1 indicadas no arquivo; faltam %2 na pasta de fotos: %3.
</translation>
    </message>
    <message>
        <source>Tables not in the old file (Pewlark&apos;s starting values kept): %1.
</source>
        <translation>Tabelas que não estão no arquivo antigo (os valores iniciais do Pewlark foram mantidos): %1.
</translation>
    </message>
    <message>
        <source>Columns only in the old file, not copied: %1.
</source>
        <translation>Colunas que só estão no arquivo antigo, não copiadas: %1.
</translation>
    </message>
    <message>
        <source>Columns not in the old file, left empty: %1.
</source>
        <translation>Colunas que não estão no arquivo antigo, deixadas vazias: %1.
</translation>
    </message>
    <message>
        <source>Added to the old lists because Pewlark relies on them: %1.
</source>
        <translation>Adicionados às listas antigas porque o Pewlark depende deles: %1.
</translation>
    </message>
    <message>
        <source>Text: mdbtools passed the file&apos;s text on unconverted; it was read as Windows-1252.
</source>
        <translation>Texto: o mdbtools repassou o texto do arquivo sem conversão; ele foi lido como Windows-1252.
</translation>
    </message>
    <message>
        <source>Rows not stored: %1; rows left out because they name a person, account, class or permission the old file does not have: %2; links to missing rows cleared: %3. Each is listed in &quot;%4&quot;.
</source>
        <translation>Linhas não gravadas: %1; linhas deixadas de fora porque citam uma pessoa, conta, turma ou permissão que o arquivo antigo não tem: %2; vínculos a linhas inexistentes apagados: %3. Cada uma está listada em &quot;%4&quot;.
</translation>
    </message>
    <message>
        <source>The import failed: %1
</source>
        <translation>A importação falhou: %1
</translation>
    </message>
    <message>
        <source>Next: copy the pictures into the picture folder that config.txt names, and make config.txt name &quot;%1&quot; as the database.
</source>
        <translation>Próximo passo: copie as fotos para a pasta de fotos indicada em config.txt e faça config.txt indicar &quot;%1&quot; como banco de dados.
</translation>
    </message>
    <message>
        <source>Rows of &quot;%1&quot; not stored in &quot;%2&quot;, and values changed to store a row.
Line is the row&apos;s line in the table&apos;s export (mdb-export); - for checks made after copying.

</source>
        <translation>Linhas de &quot;%1&quot; não gravadas em &quot;%2&quot;, e valores alterados para gravar uma linha.
Linha é a linha do registro na exportação da tabela (mdb-export); - para verificações feitas depois da cópia.

</translation>
    </message>
    <message>
        <source>Table	Line	Row	What happened
</source>
        <translation>Tabela	Linha	Registro	O que aconteceu
</translation>
    </message>
    <message>
        <source>stored; </source>
        <translation>gravado; </translation>
    </message>
    <message>
        <source>left out: </source>
        <translation>deixada de fora: </translation>
    </message>
    <message>
        <source>not stored: </source>
        <translation>não gravado: </translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2, %3 separated, %4 rows)</source>
        <translation>&quot;%1&quot; (%2, separado por %3, %4 linhas)</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignorado</translation>
    </message>
    <message>
        <source>empty fields filled</source>
        <translation>campos vazios preenchidos</translation>
    </message>
    <message>
        <source>added anyway</source>
        <translation>adicionado mesmo assim</translation>
    </message>
    <message>
        <source>Values added to their lists: %1.
</source>
        <translation>Valores adicionados às suas listas: %1.
</translation>
    </message>
    <message>
        <source>Values not in their lists, stored as they are: %1.
</source>
        <translation>Valores que não estão nas suas listas, gravados como estão: %1.
</translation>
    </message>
    <message>
        <source>Given to every person without one: %1.
</source>
        <translation>Atribuído a cada pessoa que não tinha: %1.
</translation>
    </message>
    <message>
        <source>%1 without %2</source>
        <translation>%1 sem %2</translation>
    </message>
    <message>
        <source>%1 without a field every person needs: %2 (%3). The member screen saves no change to them until it is filled; the import&apos;s choices (or a mapping&apos;s &quot;defaults&quot;) can give every person a value.
</source>
        <translation>%1 sem um campo de que toda pessoa precisa: %2 (%3). A tela de membros não salva nenhuma alteração nelas até que ele seja preenchido; as opções da importação (ou os &quot;defaults&quot; de um mapeamento) podem dar um valor a cada pessoa.
</translation>
    </message>
    <message>
        <source>People added</source>
        <translation>Pessoas adicionadas</translation>
    </message>
    <message>
        <source>New people</source>
        <translation>Pessoas novas</translation>
    </message>
    <message>
        <source>Preview of %1; nothing has been written.

</source>
        <translation>Prévia de %1; nada foi gravado.

</translation>
    </message>
    <message>
        <source>New people:         %1
</source>
        <translation>Pessoas novas:        %1
</translation>
    </message>
    <message>
        <source>New families:       %1
</source>
        <translation>Famílias novas:       %1
</translation>
    </message>
    <message>
        <source>Updates:            %1
</source>
        <translation>Atualizações:         %1
</translation>
    </message>
    <message>
        <source>Duplicates:         %1
</source>
        <translation>Duplicados:           %1
</translation>
    </message>
    <message>
        <source>Rows with problems: %1
</source>
        <translation>Linhas com problemas: %1
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
        <translation>Linha %1: %2%3
</translation>
    </message>
    <message>
        <source> (not stored)</source>
        <translation> (não gravado)</translation>
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
        <translation>Linha %1: %2 %3 coincide com %4; %5
</translation>
    </message>
    <message>
        <source>The import of %1 into %2 failed; nothing of it was written.
%3
</source>
        <translation>A importação de %1 em %2 falhou; nada dela foi gravado.
%3
</translation>
    </message>
    <message>
        <source>The backup made before it is &quot;%1&quot;.
</source>
        <translation>O backup feito antes dela é &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>Imported %1 into %2.
</source>
        <translation>%1 importado em %2.
</translation>
    </message>
    <message>
        <source>Backup made before the import: &quot;%1&quot;.
</source>
        <translation>Backup feito antes da importação: &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>People added:                %1
</source>
        <translation>Pessoas adicionadas:            %1
</translation>
    </message>
    <message>
        <source>Existing people filled in:   %1
</source>
        <translation>Pessoas existentes preenchidas: %1
</translation>
    </message>
    <message>
        <source>Duplicates skipped:          %1
</source>
        <translation>Duplicados ignorados:           %1
</translation>
    </message>
    <message>
        <source>Family connections made:     %1
</source>
        <translation>Vínculos familiares criados:    %1
</translation>
    </message>
    <message>
        <source>Rows not stored:             %1
</source>
        <translation>Linhas não gravadas:            %1
</translation>
    </message>
    <message>
        <source>Rows with problems: %1. Each is listed in &quot;%2&quot;.
</source>
        <translation>Linhas com problemas: %1. Cada uma está listada em &quot;%2&quot;.
</translation>
    </message>
    <message>
        <source>Rows of &quot;%1&quot; not stored in %2, and values changed to store a row.
Line is the row&apos;s line in the file (the column names are line 1).

</source>
        <translation>Linhas de &quot;%1&quot; não gravadas em %2, e valores alterados para gravar uma linha.
Linha é a linha no arquivo (os nomes das colunas são a linha 1).

</translation>
    </message>
    <message>
        <source>Line	Row	What happened
</source>
        <translation>Linha	Registro	O que aconteceu
</translation>
    </message>
</context>
<context>
    <name>Importer</name>
    <message>
        <source>%1 %2 cleared: it is not in %3</source>
        <translation>%1 %2 apagado: não está em %3</translation>
    </message>
    <message>
        <source>The list of rows not stored could not be written to &quot;%1&quot;: %2</source>
        <translation>Não foi possível gravar a lista de linhas não gravadas em &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Name the new database with --into NEW.sqlite.</source>
        <translation>Indique o novo banco de dados com --into NEW.sqlite.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for the import: %1</source>
        <translation>Não foi possível criar uma pasta temporária para a importação: %1</translation>
    </message>
    <message>
        <source>Copying the church onto %1</source>
        <translation>Copiando a igreja para %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; it was left unchanged. Import into a new file name.</source>
        <translation>O arquivo &quot;%1&quot; já existe; ele foi mantido sem alterações. Importe para um nome de arquivo novo.</translation>
    </message>
    <message>
        <source>The folder of &quot;%1&quot; does not exist.</source>
        <translation>A pasta de &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>The picture folder &quot;%1&quot; does not exist.</source>
        <translation>A pasta de fotos &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>ele não tem a tabela %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its table %2 holds %3 rows by its own count, but %4 could be read; nothing was imported.</source>
        <translation>O arquivo &quot;%1&quot; está danificado: a tabela %2 contém %3 linhas pela própria contagem, mas foi possível ler %4; nada foi importado.</translation>
    </message>
    <message>
        <source>Table %1 was not copied whole: %2 rows were written, %3 are there.</source>
        <translation>A tabela %1 não foi copiada inteira: %2 linhas foram gravadas, existem %3.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 rows copied</source>
        <translation>%1: %2 de %3 linhas copiadas</translation>
    </message>
    <message>
        <source>, %1 not stored</source>
        <translation>, %1 não gravadas</translation>
    </message>
    <message>
        <source>%1 rows could not be stored; they are listed in &quot;%2&quot; with the reason. Nothing was written at &quot;%3&quot;: correct those rows in the old file (or remove them there), then run the import again.</source>
        <translation>Não foi possível gravar %1 linhas; elas estão listadas em &quot;%2&quot; com o motivo. Nada foi gravado em &quot;%3&quot;: corrija essas linhas no arquivo antigo (ou remova-as de lá) e execute a importação novamente.</translation>
    </message>
    <message>
        <source>The new database failed its check (%1); nothing was written at &quot;%2&quot;.</source>
        <translation>O novo banco de dados não passou na verificação (%1); nada foi gravado em &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>JetCsv</name>
    <message>
        <source>the export has no line of column names</source>
        <translation>a exportação não tem uma linha de nomes de coluna</translation>
    </message>
    <message>
        <source>line %1: a quote is never closed</source>
        <translation>linha %1: aspas nunca fechadas</translation>
    </message>
    <message>
        <source>line %1: text follows a closing quote</source>
        <translation>linha %1: há texto depois das aspas de fechamento</translation>
    </message>
</context>
<context>
    <name>JetTools</name>
    <message>
        <source>Access 2007 or later</source>
        <translation>Access 2007 ou posterior</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>O arquivo &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>&quot;%1&quot; não é um arquivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>Não foi possível ler o arquivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Jet database (.mdb) file; nothing was imported.</source>
        <translation>O arquivo &quot;%1&quot; não é um arquivo de banco de dados Jet (.mdb); nada foi importado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: it is cut short (%2 bytes); nothing was imported.</source>
        <translation>O arquivo &quot;%1&quot; está danificado: está truncado (%2 bytes); nada foi importado.</translation>
    </message>
    <message>
        <source>The program %1 was not found. Reading the older program&apos;s files needs mdbtools: install the Debian package &quot;%2&quot; (sudo apt-get install %2) and run the import again.</source>
        <translation>O programa %1 não foi encontrado. Para ler os arquivos do programa antigo é preciso o mdbtools: instale o pacote Debian &quot;%2&quot; (sudo apt-get install %2) e execute a importação novamente.</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>código de saída %1</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: %2 (mdbtools: %3); nothing was imported.</source>
        <translation>O arquivo &quot;%1&quot; está danificado: %2 (mdbtools: %3); nada foi importado.</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>a lista de tabelas dele não pode ser lida</translation>
    </message>
    <message>
        <source>the size of table %1 cannot be read</source>
        <translation>o tamanho da tabela %1 não pode ser lido</translation>
    </message>
    <message>
        <source>table %1 cannot be read whole</source>
        <translation>a tabela %1 não pode ser lida inteira</translation>
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
        <translation>Canhoto de retirada</translation>
    </message>
    <message>
        <source>Name Labels</source>
        <translation>Etiquetas de nome</translation>
    </message>
    <message>
        <source>Sample</source>
        <extracomment>A made-up child on the test label.</extracomment>
        <translation>Exemplo</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Criança</translation>
    </message>
    <message>
        <source>Nursery</source>
        <translation>Berçário</translation>
    </message>
    <message>
        <source>Peanuts</source>
        <translation>Amendoim</translation>
    </message>
    <message>
        <source>Test Labels</source>
        <translation>Etiquetas de teste</translation>
    </message>
    <message>
        <source>Test: %1</source>
        <translation>Teste: %1</translation>
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
        <translation>O Pewlark usará %1 a partir da próxima vez que for iniciado.</translation>
    </message>
</context>
<context>
    <name>LayoutLabels</name>
    <message>
        <source>No addresses to print.</source>
        <translation>Não há endereços para imprimir.</translation>
    </message>
</context>
<context>
    <name>LayoutLists</name>
    <message>
        <source>Mail</source>
        <translation>Correio</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Name and contact</source>
        <translation>Nome e contato</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Dados pessoais</translation>
    </message>
    <message>
        <source>Church</source>
        <translation>Igreja</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Interesse</translation>
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
        <translation>Observações</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Residencial</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Nascimento</translation>
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
        <translation>Aniversário de casamento</translation>
    </message>
    <message>
        <source>Head of house</source>
        <translation>Chefe de família</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Profissão</translation>
    </message>
    <message>
        <source>Place of work</source>
        <translation>Local de trabalho</translation>
    </message>
    <message>
        <source>Map section</source>
        <translation>Setor do mapa</translation>
    </message>
    <message>
        <source>Member since</source>
        <translation>Membro desde</translation>
    </message>
    <message>
        <source>Prev. church</source>
        <translation>Igr. anterior</translation>
    </message>
    <message>
        <source>Came forward</source>
        <translation>Fez profissão de fé</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Batizado</translation>
    </message>
    <message>
        <source>Sunday School</source>
        <translation>Escola Dominical</translation>
    </message>
    <message>
        <source>Discipleship</source>
        <translation>Discipulado</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
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
        <translation>Boletim</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Passatempos</translation>
    </message>
    <message>
        <source>Organizations</source>
        <translation>Organizações</translation>
    </message>
    <message>
        <source>No people to list.</source>
        <translation>Não há pessoas para listar.</translation>
    </message>
    <message>
        <source>No prospects to list.</source>
        <translation>Não há visitantes para listar.</translation>
    </message>
    <message>
        <source>No contacts recorded.</source>
        <translation>Nenhum contato registrado.</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatos</translation>
    </message>
    <message>
        <source>Contacts of %1 (continued)</source>
        <translation>Contatos de %1 (continuação)</translation>
    </message>
</context>
<context>
    <name>LayoutSheets</name>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Nascimento</translation>
    </message>
    <message>
        <source>No family members recorded.</source>
        <translation>Nenhum familiar registrado.</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuação)</translation>
    </message>
    <message>
        <source>This visit</source>
        <translation>Esta visita</translation>
    </message>
    <message>
        <source>Date of visit:</source>
        <translation>Data da visita:</translation>
    </message>
    <message>
        <source>Visited by:</source>
        <translation>Visitado por:</translation>
    </message>
    <message>
        <source>Type of contact:</source>
        <translation>Tipo de contato:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Interesse:</translation>
    </message>
    <message>
        <source>Next contact:</source>
        <translation>Próximo contato:</translation>
    </message>
    <message>
        <source>What happened, prayer needs, questions:</source>
        <translation>O que aconteceu, pedidos de oração, perguntas:</translation>
    </message>
    <message>
        <source>Next step:</source>
        <translation>Próximo passo:</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Família</translation>
    </message>
    <message>
        <source>Family (continued)</source>
        <translation>Família (continuação)</translation>
    </message>
    <message>
        <source>No prospect was found for this sheet.</source>
        <translation>Nenhum visitante foi encontrado para esta folha.</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Home phone</source>
        <translation>Telefone residencial</translation>
    </message>
    <message>
        <source>Cell phone</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work phone</source>
        <translation>Telefone comercial</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Marital status</source>
        <translation>Estado civil</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Aniversário de casamento</translation>
    </message>
    <message>
        <source>Head of house</source>
        <translation>Chefe de família</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Profissão</translation>
    </message>
    <message>
        <source>Place of work</source>
        <translation>Local de trabalho</translation>
    </message>
    <message>
        <source>Map section</source>
        <translation>Setor do mapa</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>Prospect status</source>
        <translation>Situação de visitante</translation>
    </message>
    <message>
        <source>Member status</source>
        <translation>Situação de membro</translation>
    </message>
    <message>
        <source>Member of</source>
        <translation>Membro de</translation>
    </message>
    <message>
        <source>Sunday School</source>
        <translation>Escola Dominical</translation>
    </message>
    <message>
        <source>Care group</source>
        <translation>Grupo de cuidado</translation>
    </message>
    <message>
        <source>Next contact</source>
        <translation>Próximo contato</translation>
    </message>
    <message>
        <source>Next action</source>
        <translation>Próxima ação</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Prospect</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>Nada registrado.</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Passatempos</translation>
    </message>
    <message>
        <source>Organizations</source>
        <translation>Organizações</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Prospect note</source>
        <translation>Observação de visitante</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
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
        <translation>Interesse</translation>
    </message>
    <message>
        <source>Contact history</source>
        <translation>Histórico de contatos</translation>
    </message>
    <message>
        <source>No contacts recorded.</source>
        <translation>Nenhum contato registrado.</translation>
    </message>
    <message>
        <source>Contact history (continued)</source>
        <translation>Histórico de contatos (continuação)</translation>
    </message>
    <message>
        <source>By mail</source>
        <translation>Pelo correio</translation>
    </message>
    <message>
        <source>By e-mail</source>
        <translation>Por e-mail</translation>
    </message>
    <message>
        <source>by e-mail</source>
        <translation>por e-mail</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Não enviado</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>No member was found for this form.</source>
        <translation>Nenhum membro foi encontrado para este formulário.</translation>
    </message>
    <message>
        <source>Please check the information the church office has for you. Write any correction in the space beside the item and return this form to the church office. Thank you!</source>
        <translation>Por favor, confira as informações que a secretaria da igreja tem sobre você. Escreva qualquer correção no espaço ao lado de cada item e devolva este formulário à secretaria da igreja. Obrigado!</translation>
    </message>
    <message>
        <source>Head of household: %1</source>
        <translation>Chefe de família: %1</translation>
    </message>
    <message>
        <source>Map section %1</source>
        <translation>Setor do mapa %1</translation>
    </message>
    <message>
        <source>For the church office: %1</source>
        <translation>Para a secretaria da igreja: %1</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>What we have on file</source>
        <translation>O que temos registrado</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correção</translation>
    </message>
    <message>
        <source>City, State Zip</source>
        <translation>Cidade, estado e CEP</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Member since</source>
        <translation>Membro desde</translation>
    </message>
    <message>
        <source>Previous church</source>
        <translation>Igreja anterior</translation>
    </message>
    <message>
        <source>Came forward</source>
        <translation>Fez profissão de fé</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Batizado</translation>
    </message>
    <message>
        <source>Sunday School class</source>
        <translation>Classe da Escola Dominical</translation>
    </message>
    <message>
        <source>Discipleship Training</source>
        <translation>Discipulado</translation>
    </message>
    <message>
        <source>Wednesday night class</source>
        <translation>Turma de quarta-feira à noite</translation>
    </message>
    <message>
        <source>Care group leader</source>
        <translation>Líder do grupo de cuidado</translation>
    </message>
    <message>
        <source>Deacon</source>
        <translation>Diácono</translation>
    </message>
    <message>
        <source>Newsletter</source>
        <translation>Boletim</translation>
    </message>
    <message>
        <source>Responsibility</source>
        <translation>Responsabilidade</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Responsibilities</source>
        <translation>Responsabilidades</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Responsibilities (continued)</source>
        <translation>Responsabilidades (continuação)</translation>
    </message>
</context>
<context>
    <name>LegacyValues</name>
    <message>
        <source>&quot;%1&quot; is not %2</source>
        <translation>&quot;%1&quot; não é %2</translation>
    </message>
    <message>
        <source>its year has only %1 digits</source>
        <translation>o ano tem só %1 dígitos</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>um número inteiro</translation>
    </message>
    <message>
        <source>%1 days from 1899-12-30 is no date Jet can hold</source>
        <translation>%1 dias a partir de 1899-12-30 não é uma data que o Jet consiga guardar</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>um número</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>sim ou não</translation>
    </message>
    <message>
        <source>a date</source>
        <translation>uma data</translation>
    </message>
</context>
<context>
    <name>ListEditor</name>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Desc.</source>
        <translation>Descr.</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Professor</translation>
    </message>
    <message>
        <source>Asst. Teacher</source>
        <translation>Professor auxiliar</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
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
        <translation>Classe da ED</translation>
    </message>
</context>
<context>
    <name>MDI</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Members</source>
        <translation>&amp;Membros</translation>
    </message>
    <message>
        <source>&amp;Prospects</source>
        <translation>&amp;Prospectos</translation>
    </message>
    <message>
        <source>&amp;Administrative</source>
        <translation>A&amp;dministração</translation>
    </message>
    <message>
        <source>&amp;Class Entry</source>
        <translation>Cadastro de &amp;turmas</translation>
    </message>
    <message>
        <source>&amp;Security</source>
        <translation>&amp;Segurança</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Relatórios</translation>
    </message>
    <message>
        <source>&amp;Member Reports</source>
        <translation>Relatórios de &amp;membros</translation>
    </message>
    <message>
        <source>&amp;Prospect Reports</source>
        <translation>Relatórios de &amp;prospectos</translation>
    </message>
    <message>
        <source>&amp;Giving</source>
        <translation>&amp;Contribuições</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Log Off</source>
        <translation>&amp;Encerrar sessão</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Configuração</translation>
    </message>
    <message>
        <source>Member &amp;Navigator</source>
        <translation>&amp;Navegador de membros</translation>
    </message>
    <message>
        <source>Member &amp;Entry/Edit</source>
        <translation>Cadastro/edição de &amp;membros</translation>
    </message>
    <message>
        <source>&amp;Merge People...</source>
        <translation>&amp;Unir pessoas...</translation>
    </message>
    <message>
        <source>Prospect &amp;Navigator</source>
        <translation>&amp;Navegador de prospectos</translation>
    </message>
    <message>
        <source>Prospect &amp;Contact Entry/Edit</source>
        <translation>Cadastro/edição de &amp;contatos com prospectos</translation>
    </message>
    <message>
        <source>&amp;Sunday School Class Entry</source>
        <translation>Cadastro de turmas da &amp;escola dominical</translation>
    </message>
    <message>
        <source>&amp;Discipleship Training Class Entry</source>
        <translation>Cadastro de turmas de &amp;discipulado</translation>
    </message>
    <message>
        <source>&amp;Wednesday Night Class Entry</source>
        <translation>Cadastro de turmas de &amp;quarta à noite</translation>
    </message>
    <message>
        <source>Care &amp;Group Entry</source>
        <translation>Cadastro de &amp;grupos de cuidado</translation>
    </message>
    <message>
        <source>Church &amp;Responsibility Entry</source>
        <translation>Cadastro de &amp;responsabilidades da igreja</translation>
    </message>
    <message>
        <source>&amp;Outreach Phase Entry</source>
        <translation>Cadastro de &amp;fases de evangelismo</translation>
    </message>
    <message>
        <source>&amp;User Entry</source>
        <translation>Cadastro de &amp;usuários</translation>
    </message>
    <message>
        <source>&amp;Member Info Update Report</source>
        <translation>Relatório de &amp;atualização de dados de membros</translation>
    </message>
    <message>
        <source>&amp;Prospect Visitation Sheet</source>
        <translation>Ficha de &amp;visitação de prospectos</translation>
    </message>
    <message>
        <source>&amp;Gift Entry</source>
        <translation>Lançamento de &amp;ofertas</translation>
    </message>
    <message>
        <source>&amp;Contribution Statements</source>
        <translation>&amp;Extratos de contribuições</translation>
    </message>
    <message>
        <source>Giving &amp;Reports</source>
        <translation>&amp;Relatórios de contribuições</translation>
    </message>
    <message>
        <source>&amp;Import Gifts...</source>
        <translation>&amp;Importar ofertas...</translation>
    </message>
    <message>
        <source>&amp;Funds</source>
        <translation>&amp;Fundos</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Pewlark &amp;Help</source>
        <translation>Aj&amp;uda do Pewlark</translation>
    </message>
    <message>
        <source>&amp;Attendance Entry</source>
        <translation>Registro de &amp;frequência</translation>
    </message>
    <message>
        <source>&amp;Attendance Reports</source>
        <translation>Relatórios de &amp;frequência</translation>
    </message>
    <message>
        <source>&amp;Rosters</source>
        <translation>&amp;Escalas</translation>
    </message>
    <message>
        <source>Roster &amp;Positions</source>
        <translation>&amp;Posições das escalas</translation>
    </message>
    <message>
        <source>Check-in &amp;Station</source>
        <translation>Estação de &amp;check-in</translation>
    </message>
    <message>
        <source>Class Check-&amp;out</source>
        <translation>Check-&amp;out da turma</translation>
    </message>
    <message>
        <source>&amp;Check-in Reports</source>
        <translation>Relatórios de &amp;check-in</translation>
    </message>
    <message>
        <source>Church &amp;Directory</source>
        <translation>&amp;Diretório da igreja</translation>
    </message>
</context>
<context>
    <name>MemberPicture</name>
    <message>
        <source>Select Image</source>
        <translation>Selecionar imagem</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp) (*.bmp)</source>
        <translation>Arquivos bitmap (*.bmp) (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg, *.jpeg) (*.jpg *.jpeg)</source>
        <translation>Arquivos JPEG (*.jpg, *.jpeg) (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PCX Files (*.pcx) (*.pcx)</source>
        <translation>Arquivos PCX (*.pcx) (*.pcx)</translation>
    </message>
    <message>
        <source>PNG Files (*.png) (*.png)</source>
        <translation>Arquivos PNG (*.png) (*.png)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif) (*.gif)</source>
        <translation>Arquivos GIF (*.gif) (*.gif)</translation>
    </message>
    <message>
        <source>Wireless Bitmap Files (*.wbm, *.wbmp) (*.wbm *.wbmp)</source>
        <translation>Arquivos Wireless Bitmap (*.wbm, *.wbmp) (*.wbm *.wbmp)</translation>
    </message>
    <message>
        <source>Adobe Photoshop Files (*.psd) (*.psd)</source>
        <translation>Arquivos do Adobe Photoshop (*.psd) (*.psd)</translation>
    </message>
    <message>
        <source>TIFF Files (*.tif, *.tiff) (*.tif *.tiff)</source>
        <translation>Arquivos TIFF (*.tif, *.tiff) (*.tif *.tiff)</translation>
    </message>
    <message>
        <source>All Image Files (*.bmp *.jpg *.jpeg *.pcx *.png *.gif *.wbm *.wbmp *.psd *.tif *.tiff)</source>
        <translation>Todos os arquivos de imagem (*.bmp *.jpg *.jpeg *.pcx *.png *.gif *.wbm *.wbmp *.psd *.tif *.tiff)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read: %2.</source>
        <translation>Não foi possível ler a foto &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The picture could not be written to &quot;%1&quot;: %2.</source>
        <translation>Não foi possível gravar a foto em &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The new picture could not replace &quot;%1&quot;: %2. The previous picture was kept.</source>
        <translation>A nova foto não pôde substituir &quot;%1&quot;: %2. A foto anterior foi mantida.</translation>
    </message>
</context>
<context>
    <name>MemberRecord</name>
    <message>
        <source>This person no longer exists in the database, so the changes could not be saved. Choose &quot;New&quot; to enter the person again.</source>
        <translation>Esta pessoa não existe mais no banco de dados, por isso as alterações não puderam ser salvas. Escolha &quot;Novo&quot; para cadastrar a pessoa novamente.</translation>
    </message>
    <message>
        <source>Status (Contact Info)</source>
        <translation>Situação (Dados de contato)</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Nome do meio</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Address1</source>
        <translation>Endereço1</translation>
    </message>
    <message>
        <source>Address2</source>
        <translation>Endereço2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CEP</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Telefone residencial</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Telefone comercial</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Place of Work</source>
        <translation>Local de trabalho</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Profissão</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Anniv. Date</source>
        <translation>Data aniv.</translation>
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
        <translation>Chefe da família</translation>
    </message>
    <message>
        <source>Map Section</source>
        <translation>Setor do mapa</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Passatempos</translation>
    </message>
    <message>
        <source>Organizations</source>
        <translation>Organizações</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Status (Church Info)</source>
        <translation>Situação (Dados da igreja)</translation>
    </message>
    <message>
        <source>Member Since</source>
        <translation>Membro desde</translation>
    </message>
    <message>
        <source>Came Forward</source>
        <translation>Veio à frente</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Batizado</translation>
    </message>
    <message>
        <source>Letter Out</source>
        <translation>Carta de transferência</translation>
    </message>
    <message>
        <source>Deceased</source>
        <translation>Falecido</translation>
    </message>
    <message>
        <source>Previous Church</source>
        <translation>Igreja anterior</translation>
    </message>
    <message>
        <source>Receive Newsletter Via Mail</source>
        <translation>Receber boletim por correio</translation>
    </message>
    <message>
        <source>Receive Newsletter Via E-Mail</source>
        <translation>Receber boletim por e-mail</translation>
    </message>
    <message>
        <source>Sunday School Attendance Level</source>
        <translation>Nível de frequência à escola dominical</translation>
    </message>
    <message>
        <source>Worship Service Attendance Level</source>
        <translation>Nível de frequência ao culto</translation>
    </message>
    <message>
        <source>Discipleship Training Attendance Level</source>
        <translation>Nível de frequência ao discipulado</translation>
    </message>
    <message>
        <source>Sunday Evening Service Attendance Lavel</source>
        <translation>Nível de frequência ao culto de domingo à noite</translation>
    </message>
    <message>
        <source>Wednesday Night Attendance Level</source>
        <translation>Nível de frequência de quarta à noite</translation>
    </message>
    <message>
        <source>Sunday School Class</source>
        <translation>Turma da escola dominical</translation>
    </message>
    <message>
        <source>Discipleship Training Class</source>
        <translation>Turma de discipulado</translation>
    </message>
    <message>
        <source>Wednesday Night Class</source>
        <translation>Turma de quarta à noite</translation>
    </message>
    <message>
        <source>Care Group Assigned (Church Info)</source>
        <translation>Grupo de cuidado designado (Dados da igreja)</translation>
    </message>
    <message>
        <source>Deacon Assigned</source>
        <translation>Diácono designado</translation>
    </message>
    <message>
        <source>Status (Prospect Info)</source>
        <translation>Situação (Dados de interessado)</translation>
    </message>
    <message>
        <source>Prospect Source</source>
        <translation>Origem do interessado</translation>
    </message>
    <message>
        <source>Member Of</source>
        <translation>Membro de</translation>
    </message>
    <message>
        <source>Notes (Prospect Info)</source>
        <translation>Observações (Dados de interessado)</translation>
    </message>
    <message>
        <source>Sunday School Class Assigned</source>
        <translation>Turma da escola dominical designada</translation>
    </message>
    <message>
        <source>Care Group Assigned (Prospect Info)</source>
        <translation>Grupo de cuidado designado (Dados de interessado)</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Next Contact</source>
        <translation>Próximo contato</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>person</source>
        <comment>what a conflict question is about</comment>
        <translation>pessoa</translation>
    </message>
</context>
<context>
    <name>MemberScreens</name>
    <message>
        <source>merge people</source>
        <translation>mesclar pessoas</translation>
    </message>
</context>
<context>
    <name>Members</name>
    <message>
        <source>The Member table has no column &quot;%1&quot;.</source>
        <translation>A tabela Member não tem a coluna &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the person with the number %1</source>
        <translation>a pessoa com o número %1</translation>
    </message>
    <message>
        <source>the person &quot;%1&quot;</source>
        <translation>a pessoa &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>MergeChoices</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
        <translation>Não foi possível copiar a foto &quot;%1&quot; na pasta de fotos &quot;%2&quot;; nada foi mesclado. Mantenha a outra foto ou coloque o arquivo de volta primeiro.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
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
        <translation>Sim</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezembro</translation>
    </message>
    <message>
        <source>Delete Person...</source>
        <translation>Excluir pessoa...</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 contato</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>%1 contatos</translation>
    </message>
    <message>
        <source>1 person</source>
        <translation>1 pessoa</translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation>%1 pessoas</translation>
    </message>
    <message>
        <source>prospect visitation sheets</source>
        <translation>folhas de visita a visitantes</translation>
    </message>
    <message>
        <source>One per household</source>
        <translation>Um por família</translation>
    </message>
    <message>
        <source>Print List and the labels go once to each family, at the head of household&apos;s address; people without a household get their own</source>
        <translation>Imprimir lista e as etiquetas vão uma vez para cada família, no endereço do chefe de família; pessoas sem família recebem a sua própria</translation>
    </message>
    <message>
        <source>The Hale Family</source>
        <translation>Família Hale</translation>
    </message>
    <message>
        <source>Henry &amp; Helen Hale</source>
        <translation>Henry e Helen Hale</translation>
    </message>
    <message>
        <source>How a family&apos;s label is addressed: by its last name, or by the first names of the head of household and the spouse</source>
        <translation>Como a etiqueta de uma família é endereçada: pelo sobrenome, ou pelos nomes do chefe de família e do cônjuge</translation>
    </message>
</context>
<context>
    <name>NewChurch</name>
    <message>
        <source>The administrator needs a user name; no database was created.</source>
        <translation>O administrador precisa de um nome de usuário; nenhum banco de dados foi criado.</translation>
    </message>
    <message>
        <source>The administrator needs a password; no database was created.</source>
        <translation>O administrador precisa de uma senha; nenhum banco de dados foi criado.</translation>
    </message>
</context>
<context>
    <name>NewDatabaseFile</name>
    <message>
        <source>The folder of &quot;%1&quot; does not exist.</source>
        <translation>A pasta de &quot;%1&quot; não existe.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; it was left unchanged.</source>
        <translation>O arquivo &quot;%1&quot; já existe; ele foi mantido sem alterações.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being written by this program already.</source>
        <translation>&quot;%1&quot; já está sendo gravado por este programa.</translation>
    </message>
    <message>
        <source>The new database &quot;%1&quot; could not be created: %2</source>
        <translation>Não foi possível criar o novo banco de dados &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>its permissions could not be set: %1</source>
        <translation>não foi possível definir as permissões dele: %1</translation>
    </message>
    <message>
        <source>The new database &quot;%1&quot; is closed.</source>
        <translation>O novo banco de dados &quot;%1&quot; está fechado.</translation>
    </message>
    <message>
        <source>The new database &quot;%1&quot; still has an unfinished change.</source>
        <translation>O novo banco de dados &quot;%1&quot; ainda tem uma alteração não concluída.</translation>
    </message>
    <message>
        <source>The new database &quot;%1&quot; was not completed.</source>
        <translation>O novo banco de dados &quot;%1&quot; não foi concluído.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; appeared while the new database was written; it was left unchanged and the new database was not kept.</source>
        <translation>O arquivo &quot;%1&quot; apareceu enquanto o novo banco de dados era gravado; ele foi mantido sem alterações e o novo banco de dados não foi guardado.</translation>
    </message>
    <message>
        <source>The new database could not be put in place as &quot;%1&quot;: %2</source>
        <translation>Não foi possível colocar o novo banco de dados no lugar como &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Offices</name>
    <message>
        <source>The church is too small to staff its classes.</source>
        <translation>A igreja é pequena demais para ter equipe em suas turmas.</translation>
    </message>
</context>
<context>
    <name>OptionalDate</name>
    <message>
        <source>Set this date</source>
        <translation>Definir esta data</translation>
    </message>
</context>
<context>
    <name>OutreachPhaseEntry</name>
    <message>
        <source>Order</source>
        <translation>Ordem</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
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
        <translation>A verificação de &quot;%1&quot; foi interrompida.</translation>
    </message>
</context>
<context>
    <name>PageFrame</name>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>Impresso em %1</translation>
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
        <translation>Não foi possível iniciar a biblioteca de senhas.</translation>
    </message>
    <message>
        <source>Not enough memory to protect the password.</source>
        <translation>Não há memória suficiente para proteger a senha.</translation>
    </message>
</context>
<context>
    <name>PeopleJobs</name>
    <message>
        <source>Import the people of the CSV table FILE into the database config.txt names (or the one --into names), after a backup, and stop.</source>
        <translation>Importar as pessoas da tabela CSV FILE para o banco de dados indicado em config.txt (ou o indicado em --into), depois de um backup, e parar.</translation>
    </message>
    <message>
        <source>Which column fills which field for --import-people, as File &gt; Import People... saves it.</source>
        <translation>Qual coluna preenche qual campo para --import-people, como Arquivo &gt; Importar pessoas... salva.</translation>
    </message>
    <message>
        <source>Print the preview of --import-people and write nothing.</source>
        <translation>Mostrar a prévia de --import-people e não gravar nada.</translation>
    </message>
    <message>
        <source>What --import-people does with people already in the church: skip them (the default), fill their empty fields, or add them anyway.</source>
        <translation>O que --import-people faz com as pessoas que já estão na igreja: ignorá-las (padrão), preencher os campos vazios delas ou adicioná-las mesmo assim.</translation>
    </message>
    <message>
        <source>The database --import-people imports into, instead of the one config.txt names.</source>
        <translation>O banco de dados para o qual --import-people importa, em vez do indicado em config.txt.</translation>
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
        <translation>Ver membros</translation>
    </message>
    <message>
        <source>Member Entry/Edit</source>
        <translation>Cadastro/edição de membros</translation>
    </message>
    <message>
        <source>Prospect Contact Entry/Edit</source>
        <translation>Cadastro/edição de contatos com prospectos</translation>
    </message>
    <message>
        <source>Sunday School Class Entry/Edit</source>
        <translation>Cadastro/edição de turmas da escola dominical</translation>
    </message>
    <message>
        <source>Discipleship Training Class Entry/Edit</source>
        <translation>Cadastro/edição de turmas de discipulado</translation>
    </message>
    <message>
        <source>Wednesday Night Class Entry/Edit</source>
        <translation>Cadastro/edição de turmas de quarta à noite</translation>
    </message>
    <message>
        <source>Care Group Entry/Edit</source>
        <translation>Cadastro/edição de grupos de cuidado</translation>
    </message>
    <message>
        <source>Church Responsibility Entry/Edit</source>
        <translation>Cadastro/edição de responsabilidades da igreja</translation>
    </message>
    <message>
        <source>Outreach Phase Entry/Edit</source>
        <translation>Cadastro/edição de fases de evangelismo</translation>
    </message>
    <message>
        <source>User Permissions</source>
        <translation>Permissões de usuários</translation>
    </message>
    <message>
        <source>Church Info</source>
        <translation>Dados da igreja</translation>
    </message>
    <message>
        <source>Member Information Update Report</source>
        <translation>Relatório de atualização de dados de membros</translation>
    </message>
    <message>
        <source>Prospect Visitation Sheet Report</source>
        <translation>Relatório de ficha de visitação de prospectos</translation>
    </message>
    <message>
        <source>Member Navigator Report</source>
        <translation>Relatório do navegador de membros</translation>
    </message>
    <message>
        <source>Prospect Navigator Report</source>
        <translation>Relatório do navegador de prospectos</translation>
    </message>
    <message>
        <source>Mailing Labels Report</source>
        <translation>Relatório de etiquetas de correspondência</translation>
    </message>
    <message>
        <source>Giving Entry/Edit</source>
        <translation>Lançamento/edição de contribuições</translation>
    </message>
    <message>
        <source>Giving View</source>
        <translation>Ver contribuições</translation>
    </message>
    <message>
        <source>Invalid Permission</source>
        <translation>Permissão inválida</translation>
    </message>
    <message>
        <source>You do not have permission to view this record.</source>
        <translation>Você não tem permissão para ver este registro.</translation>
    </message>
    <message>
        <source>You do not have permission to save this record.</source>
        <translation>Você não tem permissão para salvar este registro.</translation>
    </message>
    <message>
        <source>You do not have permission to remove this record.</source>
        <translation>Você não tem permissão para remover este registro.</translation>
    </message>
    <message>
        <source>You do not have permission to edit this record.</source>
        <translation>Você não tem permissão para editar este registro.</translation>
    </message>
    <message>
        <source>You do not have permission to view this report.</source>
        <translation>Você não tem permissão para ver este relatório.</translation>
    </message>
    <message>
        <source>You do not have permission to run this report.</source>
        <translation>Você não tem permissão para gerar este relatório.</translation>
    </message>
    <message>
        <source>Only an account of type &quot;Admin&quot; may %1.</source>
        <translation>Somente uma conta do tipo &quot;Admin&quot; pode %1.</translation>
    </message>
</context>
<context>
    <name>PersonDelete</name>
    <message>
        <source>Delete Person</source>
        <translation>Excluir pessoa</translation>
    </message>
    <message>
        <source>delete a person</source>
        <translation>excluir uma pessoa</translation>
    </message>
    <message>
        <source>The person with ID %1 no longer exists.</source>
        <translation>A pessoa com ID %1 não existe mais.</translation>
    </message>
    <message>
        <source>Delete %1 (ID %2)?%3

This cannot be undone.</source>
        <translation>Excluir %1 (ID %2)?%3

Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source> With the person go %1.</source>
        <translation> Junto com a pessoa são excluídos %1.</translation>
    </message>
    <message>
        <source>Deleted %1.</source>
        <translation>%1 excluído(a).</translation>
    </message>
</context>
<context>
    <name>PersonLinks</name>
    <message>
        <source>the people</source>
        <translation>as pessoas</translation>
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
        <translation>%1 responsabilidade</translation>
    </message>
    <message>
        <source>%1 responsibilities</source>
        <translation>%1 responsabilidades</translation>
    </message>
    <message>
        <source>%1 contact as prospect</source>
        <translation>%1 contato como interessado</translation>
    </message>
    <message>
        <source>%1 contacts as prospect</source>
        <translation>%1 contatos como interessado</translation>
    </message>
    <message>
        <source>%1 attendance</source>
        <translation>%1 presença</translation>
    </message>
    <message>
        <source>%1 attendances</source>
        <translation>%1 presenças</translation>
    </message>
    <message>
        <source>the visitor on %1 contact</source>
        <translation>o visitante em %1 contato</translation>
    </message>
    <message>
        <source>the visitor on %1 contacts</source>
        <translation>o visitante em %1 contatos</translation>
    </message>
    <message>
        <source>the deacon of %1 person</source>
        <translation>o diácono de %1 pessoa</translation>
    </message>
    <message>
        <source>the deacon of %1 people</source>
        <translation>o diácono de %1 pessoas</translation>
    </message>
    <message>
        <source>a leader of %1 care group</source>
        <translation>um líder de %1 grupo de cuidado</translation>
    </message>
    <message>
        <source>a leader of %1 care groups</source>
        <translation>um líder de %1 grupos de cuidado</translation>
    </message>
    <message>
        <source>the holder of %1 user account</source>
        <translation>o titular de %1 conta de usuário</translation>
    </message>
    <message>
        <source>the holder of %1 user accounts</source>
        <translation>o titular de %1 contas de usuário</translation>
    </message>
    <message>
        <source>the giver of %1 recorded gift</source>
        <translation>o contribuinte de %1 contribuição registrada</translation>
    </message>
    <message>
        <source>the giver of %1 recorded gifts</source>
        <translation>o contribuinte de %1 contribuições registradas</translation>
    </message>
    <message>
        <source>%1 pledge</source>
        <translation>%1 promessa</translation>
    </message>
    <message>
        <source>%1 pledges</source>
        <translation>%1 promessas</translation>
    </message>
    <message>
        <source>%1 roster assignment</source>
        <translation>%1 escala atribuída</translation>
    </message>
    <message>
        <source>%1 roster assignments</source>
        <translation>%1 escalas atribuídas</translation>
    </message>
    <message>
        <source>%1 check-in</source>
        <translation>%1 check-in</translation>
    </message>
    <message>
        <source>%1 check-ins</source>
        <translation>%1 check-ins</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>%1 cannot be deleted while still %2. Choose someone else there first, or merge this record with the person&apos;s other one (Members &gt; Merge People...).</source>
        <translation>%1 não pode ser excluído enquanto ainda for %2. Escolha outra pessoa lá primeiro ou mescle este registro com o outro registro da pessoa (Membros &gt; Mesclar pessoas...).</translation>
    </message>
    <message>
        <source>%1 (ID %2) no longer exists; nothing was deleted.</source>
        <translation>%1 (ID %2) não existe mais; nada foi excluído.</translation>
    </message>
    <message>
        <source>The person with ID %1 no longer exists; nothing was merged.</source>
        <translation>A pessoa com ID %1 não existe mais; nada foi mesclado.</translation>
    </message>
    <message>
        <source>%1 (ID %2) was changed on another workstation (%3) since it was shown here; nothing was merged. Choose the two people again and look at their fields.</source>
        <translation>%1 (ID %2) foi alterado em outra estação de trabalho (%3) depois de ser exibido aqui; nada foi mesclado. Escolha as duas pessoas novamente e confira os campos delas.</translation>
    </message>
    <message>
        <source>Both people have a user account (&quot;%1&quot; and &quot;%2&quot;), and a person has one at most. Remove one of them on the User Entry screen first; nothing was merged.</source>
        <translation>As duas pessoas têm uma conta de usuário (&quot;%1&quot; e &quot;%2&quot;), e uma pessoa tem no máximo uma. Remova uma delas na tela de usuários primeiro; nada foi mesclado.</translation>
    </message>
    <message>
        <source>Choose two different people to merge.</source>
        <translation>Escolha duas pessoas diferentes para mesclar.</translation>
    </message>
</context>
<context>
    <name>Phases</name>
    <message>
        <source>Required Fields</source>
        <translation>Campos obrigatórios</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Entrada inválida</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
    </message>
    <message>
        <source>Name is Required.</source>
        <translation>O nome é obrigatório.</translation>
    </message>
    <message>
        <source>There is already a phase named &quot;%1&quot;. Each phase needs a name of its own, whatever the letter case.</source>
        <translation>Já existe uma fase chamada &quot;%1&quot;. Cada fase precisa de um nome próprio, independentemente de maiúsculas ou minúsculas.</translation>
    </message>
    <message>
        <source>Order must be a whole number of 0 or more.</source>
        <translation>A ordem deve ser um número inteiro igual ou maior que 0.</translation>
    </message>
    <message>
        <source>The phase &quot;%1&quot; already has the order %2. Each phase needs an order of its own.</source>
        <translation>A fase &quot;%1&quot; já tem a ordem %2. Cada fase precisa de uma ordem própria.</translation>
    </message>
    <message>
        <source>Action is Required.</source>
        <translation>A ação é obrigatória.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the contact actions. Choose an Action from the list.</source>
        <translation>&quot;%1&quot; não é uma das ações de contato. Escolha uma ação da lista.</translation>
    </message>
    <message>
        <source>Time Period must be a whole number of weeks from 0 to %1.</source>
        <translation>O período deve ser um número inteiro de semanas de 0 a %1.</translation>
    </message>
</context>
<context>
    <name>PhoneBox</name>
    <message>
        <source>&quot;%1&quot; is not a telephone number: type its digits, with or without blanks, brackets and - . / between them.</source>
        <translation>&quot;%1&quot; não é um número de telefone: digite os dígitos, com ou sem espaços, parênteses e - . / entre eles.</translation>
    </message>
    <message>
        <source>A telephone number has at most %1 digits; with &quot;%2&quot; this one would have %3. The box was left as it was.</source>
        <translation>Um número de telefone tem no máximo %1 dígitos; com &quot;%2&quot; este teria %3. A caixa ficou como estava.</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Entrada inválida</translation>
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
        <translation>%1 e %2</translation>
    </message>
</context>
<context>
    <name>Postgres</name>
    <message>
        <source>the local server</source>
        <translation>o servidor local</translation>
    </message>
    <message>
        <source>the server %1:%2</source>
        <translation>o servidor %1:%2</translation>
    </message>
    <message>
        <source>the database &quot;%1&quot; on %2</source>
        <translation>o banco de dados &quot;%1&quot; em %2</translation>
    </message>
    <message>
        <source>The database location &quot;%1&quot; %2</source>
        <translation>O endereço do banco de dados &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>a port number</source>
        <translation>um número de porta</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>um de %1</translation>
    </message>
    <message>
        <source>a number of seconds</source>
        <translation>um número de segundos</translation>
    </message>
    <message>
        <source>a plain name without = &apos; &quot; \ or ;</source>
        <translation>um nome simples sem = &apos; &quot; \ ou ;</translation>
    </message>
    <message>
        <source>is not a valid postgresql:// address.</source>
        <translation>não é um endereço postgresql:// válido.</translation>
    </message>
    <message>
        <source>holds a password. Passwords do not belong in config.txt: put it in the PostgreSQL password file (~/.pgpass) instead.</source>
        <translation>contém uma senha. Senhas não devem ficar em config.txt: coloque-a no arquivo de senhas do PostgreSQL (~/.pgpass).</translation>
    </message>
    <message>
        <source>holds the option &quot;%1&quot;, which Pewlark does not use. An address may give host, port, dbname, user, sslmode, connect_timeout and application_name.</source>
        <translation>contém a opção &quot;%1&quot;, que o Pewlark não usa. Um endereço pode indicar host, port, dbname, user, sslmode, connect_timeout e application_name.</translation>
    </message>
    <message>
        <source>gives the option &quot;%1&quot; the value &quot;%2&quot;; it takes %3.</source>
        <translation>dá à opção &quot;%1&quot; o valor &quot;%2&quot;; ela aceita %3.</translation>
    </message>
    <message>
        <source>names no database.</source>
        <translation>não indica nenhum banco de dados.</translation>
    </message>
    <message>
        <source>%1 is in use: another program or workstation is writing to it. Wait a moment, then try again.</source>
        <translation>%1 está em uso: outro programa ou estação de trabalho está gravando nele. Aguarde um momento e tente novamente.</translation>
    </message>
    <message>
        <source>%1 cannot be changed: the server accepts only reading, or this login may not write. Ask whoever looks after the server.</source>
        <translation>%1 não pode ser alterado: o servidor aceita somente leitura, ou este login não pode gravar. Fale com quem cuida do servidor.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full, so %1 cannot be changed. Ask whoever looks after the server to free some space.</source>
        <translation>O disco do servidor está cheio, então %1 não pode ser alterado. Peça a quem cuida do servidor que libere espaço.</translation>
    </message>
    <message>
        <source>The server reports that %1 is damaged. Ask whoever looks after the server to restore a backup.</source>
        <translation>O servidor informa que %1 está danificado. Peça a quem cuida do servidor que restaure um backup.</translation>
    </message>
    <message>
        <source>%1 did not answer: its server took the connection but sent no reply in time. The server may be busy, stuck or still starting; wait a moment and try again, and if it keeps happening ask whoever looks after the server to check it.</source>
        <translation>%1 não respondeu: o servidor aceitou a conexão, mas não enviou resposta a tempo. O servidor pode estar ocupado, travado ou ainda iniciando; aguarde um momento e tente novamente e, se continuar acontecendo, peça a quem cuida do servidor que o verifique.</translation>
    </message>
    <message>
        <source>%1 cannot be reached: its server does not answer. Check that the server is running and that this computer is on the network, then try again.</source>
        <translation>Não é possível acessar %1: o servidor não responde. Verifique se o servidor está em execução e se este computador está na rede, e tente novamente.</translation>
    </message>
    <message>
        <source>The server refused the login to %1. Check the user name in config.txt and the password in the PostgreSQL password file (~/.pgpass).</source>
        <translation>O servidor recusou o login em %1. Verifique o nome de usuário em config.txt e a senha no arquivo de senhas do PostgreSQL (~/.pgpass).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>The database driver gave no PostgreSQL connection.</source>
        <translation>O driver do banco de dados não forneceu uma conexão PostgreSQL.</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Avaliação</translation>
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
        <translation>Observações</translation>
    </message>
</context>
<context>
    <name>Prospects</name>
    <message>
        <source>The church is too small to have anyone visit its prospects.</source>
        <translation>A igreja é pequena demais para que alguém visite seus interessados.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Laying out the %1...</source>
        <translation>Montando: %1...</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; could not be started on the printer or file.</source>
        <translation>Não foi possível iniciar o relatório &quot;%1&quot; na impressora ou no arquivo.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; could not be finished on the printer or file.</source>
        <translation>Não foi possível concluir o relatório &quot;%1&quot; na impressora ou no arquivo.</translation>
    </message>
    <message>
        <source>The report &quot;%1&quot; could not start page %2 on the printer or file.</source>
        <translation>O relatório &quot;%1&quot; não conseguiu iniciar a página %2 na impressora ou no arquivo.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: %2</source>
        <translation>Não foi possível gravar o arquivo PDF &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be started.</source>
        <translation>Não foi possível iniciar o arquivo PDF &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be finished.</source>
        <translation>Não foi possível concluir o arquivo PDF &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>ReportData</name>
    <message>
        <source>Member List</source>
        <translation>Lista de membros</translation>
    </message>
    <message>
        <source>Prospect List</source>
        <translation>Lista de visitantes</translation>
    </message>
    <message>
        <source>Mailing Labels</source>
        <translation>Etiquetas de endereçamento</translation>
    </message>
    <message>
        <source>Prospect Visitation Sheet</source>
        <translation>Folha de visita ao visitante</translation>
    </message>
    <message>
        <source>Member Information Update</source>
        <translation>Atualização de dados do membro</translation>
    </message>
    <message>
        <source>A long report could not keep its rows in the temporary file &quot;%1&quot;: %2. Check that the disk has room, or print fewer people at a time.</source>
        <translation>Um relatório longo não conseguiu guardar suas linhas no arquivo temporário &quot;%1&quot;: %2. Verifique se há espaço no disco ou imprima menos pessoas de cada vez.</translation>
    </message>
</context>
<context>
    <name>ReportLauncher</name>
    <message>
        <source>Prospect</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
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
        <translation>Não há nenhuma impressora instalada neste computador, por isso não é possível imprimir &quot;%1&quot;.

Deseja salvá-lo como arquivo PDF?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>a impressora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be printed: %2 is not available.</source>
        <translation>Não foi possível imprimir &quot;%1&quot;: %2 não está disponível.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be printed on %2.
%3</source>
        <translation>Não foi possível imprimir &quot;%1&quot; em %2.
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be printed: %2 refused the job.</source>
        <translation>Não foi possível imprimir &quot;%1&quot;: %2 recusou o trabalho.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Reading the %1...</source>
        <translation>Lendo: %1...</translation>
    </message>
</context>
<context>
    <name>RequiredFields</name>
    <message>
        <source>Member Status</source>
        <translation>Situação de membro</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Church Status</source>
        <translation>Situação na igreja</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Situação de interessado</translation>
    </message>
</context>
<context>
    <name>Responsibilities</name>
    <message>
        <source>the responsibility &quot;%1&quot;</source>
        <translation>a responsabilidade &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ResponsibilityPanel</name>
    <message>
        <source>Church Responsibilies</source>
        <translation>Responsabilidades na igreja</translation>
    </message>
    <message>
        <source>Resp.</source>
        <translation>Resp.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
</context>
<context>
    <name>RosterOutput</name>
    <message>
        <source>E-mail These People</source>
        <translation>Enviar e-mail a estas pessoas</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>%1 of the %2 serving have no e-mail address and %3 left out:

%4</source>
        <translation>%1 das %2 que servem não têm endereço de e-mail e %3 de fora:

%4</translation>
    </message>
    <message>
        <source>1 person</source>
        <translation>1 pessoa</translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation>%1 pessoas</translation>
    </message>
    <message>
        <source>is</source>
        <comment>one person left out</comment>
        <translation>fica</translation>
    </message>
    <message>
        <source>are</source>
        <comment>people left out</comment>
        <translation>ficam</translation>
    </message>
    <message>
        <source>You are on the roster:</source>
        <translation>Você está na escala:</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>No service with roster positions meets from %1.</source>
        <translation>Nenhum culto com funções na escala acontece de %1.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Culto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Confirmado</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source> (confirmed)</source>
        <translation> (confirmado)</translation>
    </message>
    <message>
        <source>Serving from %1</source>
        <translation>Escala de %1</translation>
    </message>
    <message>
        <source>Nobody is on the roster from %1.</source>
        <translation>Ninguém está na escala de %1.</translation>
    </message>
    <message>
        <source>Open %1 messages, one for each person serving?</source>
        <translation>Abrir %1 mensagens, uma para cada pessoa escalada?</translation>
    </message>
    <message>
        <source>No mail program on this computer opened the message.</source>
        <translation>Nenhum programa de e-mail deste computador abriu a mensagem.</translation>
    </message>
    <message>
        <source>E-mail to 1 person serving opened in the mail program.</source>
        <translation>E-mail para 1 pessoa escalada aberto no programa de e-mail.</translation>
    </message>
    <message>
        <source>E-mail to %1 people serving opened in the mail program (%1 messages).</source>
        <translation>E-mail para %1 pessoas escaladas aberto no programa de e-mail (%1 mensagens).</translation>
    </message>
</context>
<context>
    <name>Rosters</name>
    <message>
        <source>first</source>
        <extracomment>The week of the month in &quot;Every first Sunday from 1/4/2026&quot;.</extracomment>
        <translation>primeira</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segunda</translation>
    </message>
    <message>
        <source>third</source>
        <translation>terceira</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quarta</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>quinta</translation>
    </message>
    <message>
        <source> until %1</source>
        <translation> até %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Every %1 %2 from %3%4</source>
        <translation>%2 da %1 semana de cada mês, a partir de %3%4</translation>
    </message>
    <message>
        <source>Every other %1 from %2%3</source>
        <translation>%1 sim, %1 não, a partir de %2%3</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Toda semana</translation>
    </message>
    <message>
        <source>Every other week</source>
        <translation>A cada duas semanas</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>Uma vez por mês</translation>
    </message>
    <message>
        <source>the rosters</source>
        <translation>as escalas</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>a position</source>
        <translation>uma função</translation>
    </message>
    <message>
        <source>%1 was filled at another workstation</source>
        <translation>%1 foi preenchido em outra estação de trabalho</translation>
    </message>
    <message>
        <source>%1 was changed at another workstation</source>
        <translation>%1 foi alterado em outra estação de trabalho</translation>
    </message>
    <message>
        <source>%1 was taken off at another workstation</source>
        <translation>%1 foi retirado em outra estação de trabalho</translation>
    </message>
</context>
<context>
    <name>Rows</name>
    <message>
        <source>%1 is in use: another program or workstation is changing it. Wait a moment, then try again.</source>
        <translation>%1 está em uso: outro programa ou estação de trabalho está alterando. Aguarde um momento e tente novamente.</translation>
    </message>
    <message>
        <source>The lock of the table %1 was asked for outside a transaction.</source>
        <translation>O bloqueio da tabela %1 foi solicitado fora de uma transação.</translation>
    </message>
    <message>
        <source>Another program or workstation is changing %1 (an import or a merge, for example). Wait until it has finished, then try again.</source>
        <translation>Outro programa ou estação de trabalho está alterando %1 (uma importação ou uma mesclagem, por exemplo). Aguarde até terminar e tente novamente.</translation>
    </message>
    <message>
        <source>row %1 of %2</source>
        <translation>a linha %1 de %2</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>The schema has no table %1.</source>
        <translation>O esquema não tem a tabela %1.</translation>
    </message>
    <message>
        <source>the table %1</source>
        <translation>a tabela %1</translation>
    </message>
    <message>
        <source>the tables %1</source>
        <translation>as tabelas %1</translation>
    </message>
    <message>
        <source>the column %1</source>
        <translation>a coluna %1</translation>
    </message>
    <message>
        <source>the columns %1</source>
        <translation>as colunas %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source> (and %1 more)</source>
        <translation> (e mais %1)</translation>
    </message>
    <message>
        <source>%1 is not a whole Pewlark database: it lacks %2. It may be an unfinished or damaged copy.</source>
        <translation>%1 não é um banco de dados do Pewlark completo: falta %2. Pode ser uma cópia incompleta ou danificada.</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>O arquivo</translation>
    </message>
    <message>
        <source>%1 is not a Pewlark database.</source>
        <translation>%1 não é um banco de dados do Pewlark.</translation>
    </message>
    <message>
        <source>%1 is not a Pewlark database: it has no schema version.</source>
        <translation>%1 não é um banco de dados do Pewlark: não tem versão de esquema.</translation>
    </message>
    <message>
        <source>%1 was written by a newer Pewlark (schema version %2); this program reads schema versions up to %3. Install the newer Pewlark to open it.</source>
        <translation>%1 foi gravado por um Pewlark mais novo (versão de esquema %2); este programa lê versões de esquema até a %3. Instale o Pewlark mais novo para abri-lo.</translation>
    </message>
    <message>
        <source>The database</source>
        <translation>O banco de dados</translation>
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
        <translation>Próxima data</translation>
    </message>
    <message>
        <source>Next Action</source>
        <translation>Próxima ação</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Interesse</translation>
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
        <translation>Observações</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>DOB</source>
        <translation>Dt. nasc.</translation>
    </message>
    <message>
        <source>Anniv</source>
        <translation>Aniv.</translation>
    </message>
    <message>
        <source>Member Status</source>
        <translation>Situação de membro</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Situação de visitante</translation>
    </message>
</context>
<context>
    <name>Services</name>
    <message>
        <source>Sunday School</source>
        <translation>Escola dominical</translation>
    </message>
    <message>
        <source>Worship Service</source>
        <translation>Culto de adoração</translation>
    </message>
    <message>
        <source>Discipleship Training</source>
        <translation>Discipulado</translation>
    </message>
    <message>
        <source>Sunday Evening Service</source>
        <translation>Culto de domingo à noite</translation>
    </message>
    <message>
        <source>Wednesday Night</source>
        <translation>Quarta à noite</translation>
    </message>
</context>
<context>
    <name>Sql</name>
    <message>
        <source>The database driver gave no SQLite connection.</source>
        <translation>O driver do banco de dados não forneceu uma conexão SQLite.</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source> (unavailable)</source>
        <translation> (indisponível)</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The database file &quot;%1&quot; named in the configuration file &quot;%2&quot; does not exist. Correct the third field of the configuration file, or put a backup of the database in its place (%3 BACKUP-FILE).</source>
        <translation>O arquivo de banco de dados &quot;%1&quot; indicado no arquivo de configuração &quot;%2&quot; não existe. Corrija o terceiro campo do arquivo de configuração ou coloque um backup do banco de dados no lugar dele (%3 ARQUIVO-DE-BACKUP).</translation>
    </message>
    <message>
        <source>To put a backup in its place, close Pewlark and run: %1 BACKUP-FILE</source>
        <translation>Para colocar um backup no lugar dele, feche o Pewlark e execute: %1 ARQUIVO-DE-BACKUP</translation>
    </message>
    <message>
        <source>The newest automatic backup is &quot;%1&quot;. To put it in place, close Pewlark and run: %2 &quot;%1&quot;</source>
        <translation>O backup automático mais recente é &quot;%1&quot;. Para colocá-lo no lugar, feche o Pewlark e execute: %2 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The church settings in &quot;%1&quot; could not be read: %2</source>
        <translation>Não foi possível ler as configurações da igreja em &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>This application is already running.</source>
        <translation>Este aplicativo já está em execução.</translation>
    </message>
    <message>
        <source>Application Already Running</source>
        <translation>Aplicativo já em execução</translation>
    </message>
</context>
<context>
    <name>StatementReport</name>
    <message>
        <source>Gifts received from %1 to %2</source>
        <translation>Contribuições recebidas de %1 a %2</translation>
    </message>
    <message>
        <source>(no address on file)</source>
        <translation>(sem endereço cadastrado)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Forma de pagamento</translation>
    </message>
    <message>
        <source>Check No.</source>
        <translation>N.º do cheque</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Contribuições</translation>
    </message>
    <message>
        <source>Goods: </source>
        <translation>Bens: </translation>
    </message>
    <message>
        <source> (returned)</source>
        <translation> (devolvida)</translation>
    </message>
    <message>
        <source>No gifts in this period.</source>
        <translation>Nenhuma contribuição neste período.</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totais</translation>
    </message>
    <message>
        <source> (not deductible)</source>
        <translation> (não dedutível)</translation>
    </message>
    <message>
        <source>Total contributions</source>
        <translation>Total de contribuições</translation>
    </message>
    <message>
        <source>Value of goods or services received in return</source>
        <translation>Valor de bens ou serviços recebidos em troca</translation>
    </message>
    <message>
        <source>Deductible contributions</source>
        <translation>Contribuições dedutíveis</translation>
    </message>
    <message>
        <source>Pledge period</source>
        <translation>Período da promessa</translation>
    </message>
    <message>
        <source>Pledged</source>
        <translation>Prometido</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Doado</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Pledges</source>
        <translation>Promessas</translation>
    </message>
    <message>
        <source>Contribution Statement</source>
        <translation>Extrato de contribuições</translation>
    </message>
    <message>
        <source>The CSV file &quot;%1&quot; could not be written: %2</source>
        <translation>Não foi possível gravar o arquivo CSV &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Statements</name>
    <message>
        <source>and</source>
        <comment>between two first names</comment>
        <translation>e</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Fund %1</source>
        <translation>Fundo %1</translation>
    </message>
</context>
<context>
    <name>TableCopy</name>
    <message>
        <source>The file &quot;%1&quot; is not a database of the older membership program: %2; nothing was imported.</source>
        <translation>O arquivo &quot;%1&quot; não é um banco de dados do programa de membros antigo: %2; nada foi importado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: table %2 cannot be read (%3); nothing was imported.</source>
        <translation>O arquivo &quot;%1&quot; está danificado: a tabela %2 não pode ser lida (%3); nada foi importado.</translation>
    </message>
    <message>
        <source>mdbtools&apos; library reads %1 rows, its export %2</source>
        <translation>a biblioteca do mdbtools lê %1 linhas, a exportação %2</translation>
    </message>
    <message>
        <source>its table %1 has no column %2</source>
        <translation>a tabela %1 dele não tem a coluna %2</translation>
    </message>
    <message>
        <source>line %1: its export and mdbtools&apos; library read %2 differently</source>
        <translation>linha %1: a exportação e a biblioteca do mdbtools leem %2 de forma diferente</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 não tem valor</translation>
    </message>
    <message>
        <source>%1 %2 is not in %3</source>
        <translation>%1 %2 não está em %3</translation>
    </message>
    <message>
        <source>a row with %1 %2 was stored already</source>
        <translation>uma linha com %1 %2 já foi gravada</translation>
    </message>
</context>
<context>
    <name>Users</name>
    <message>
        <source>the account &quot;%1&quot;</source>
        <translation>a conta &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ValueLists</name>
    <message>
        <source> (not in the list)</source>
        <translation> (não está na lista)</translation>
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
        <translation>Digite o nome da igreja.</translation>
    </message>
    <message>
        <source>Please enter a user name for the first Admin.</source>
        <translation>Digite um nome de usuário para o primeiro Admin.</translation>
    </message>
    <message>
        <source>Please enter a password for %1.</source>
        <translation>Digite uma senha para %1.</translation>
    </message>
    <message>
        <source>The two passwords differ; please type the same password twice.</source>
        <translation>As duas senhas são diferentes; digite a mesma senha duas vezes.</translation>
    </message>
    <message>
        <source>Please choose where the church file is kept.</source>
        <translation>Escolha onde o arquivo da igreja será guardado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists; choose Open a church file... to use it, or another name for the new church.</source>
        <translation>O arquivo &quot;%1&quot; já existe; escolha Abrir um arquivo de igreja... para usá-lo, ou outro nome para a nova igreja.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Não foi possível criar a pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Please give the church&apos;s file or server location.</source>
        <translation>Informe o arquivo da igreja ou o endereço do servidor.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be used as a Pewlark church; choose another.

%2</source>
        <translation>O arquivo &quot;%1&quot; não pode ser usado como igreja do Pewlark; escolha outro.

%2</translation>
    </message>
    <message>
        <source>This copy of Pewlark cannot make the demo church.</source>
        <translation>Esta cópia do Pewlark não pode criar a igreja de demonstração.</translation>
    </message>
</context>
<context>
    <name>WelcomeJobs</name>
    <message>
        <source>The demo church has %1 people. Log in as &quot;%2&quot; / &quot;%3&quot; (Admin) or &quot;%4&quot; / &quot;%5&quot; (Member View only).</source>
        <translation>A igreja de demonstração tem %1 pessoas. Entre como &quot;%2&quot; / &quot;%3&quot; (Admin) ou &quot;%4&quot; / &quot;%5&quot; (somente Member View).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Screen</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Designed and Written By:</source>
        <translation>Projetado e escrito por:</translation>
    </message>
    <message>
        <source>The Pewlark developers</source>
        <translation>Os desenvolvedores do Pewlark</translation>
    </message>
    <message>
        <source>Membership roll and outreach</source>
        <translation>Cadastro de membros e evangelismo</translation>
    </message>
    <message>
        <source>Built with Qt and SQLite</source>
        <translation>Feito com Qt e SQLite</translation>
    </message>
    <message>
        <source>Passwords protected with libsodium</source>
        <translation>Senhas protegidas com libsodium</translation>
    </message>
    <message>
        <source>For church offices everywhere</source>
        <translation>Para secretarias de igrejas de todo lugar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informações do &amp;sistema...</translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change My Password</source>
        <translation>Alterar minha senha</translation>
    </message>
    <message>
        <source>&amp;Old Password</source>
        <translation>Senha &amp;antiga</translation>
    </message>
    <message>
        <source>&amp;New Password</source>
        <translation>Nova &amp;senha</translation>
    </message>
    <message>
        <source>New Password &amp;Again</source>
        <translation>Repetir nova s&amp;enha</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;Alterar senha</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>frmCheckinStation</name>
    <message>
        <source>today</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>em %1</translation>
    </message>
</context>
<context>
    <name>frmChurchInfo</name>
    <message>
        <source>Setup</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Church Info</source>
        <translation>Dados da igreja</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Igreja</translation>
    </message>
    <message>
        <source>Address1</source>
        <translation>Endereço 1</translation>
    </message>
    <message>
        <source>Address2</source>
        <translation>Endereço 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CEP</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Keypress Delay</source>
        <translation>Atraso de tecla</translation>
    </message>
    <message>
        <source>(Seconds)</source>
        <translation>(Segundos)</translation>
    </message>
    <message>
        <source>Statement Text</source>
        <translation>Texto do extrato</translation>
    </message>
    <message>
        <source>The wording at the foot of every contribution statement; add the church&apos;s tax or charity registration number here.</source>
        <translation>O texto no rodapé de cada extrato de contribuições; acrescente aqui o número de registro fiscal ou de entidade beneficente da igreja.</translation>
    </message>
    <message>
        <source>Save And Close</source>
        <translation>Salvar e fechar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Login</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>frmMemberEntry</name>
    <message>
        <source>Member Entry/Edit</source>
        <translation>Cadastro/edição de membros</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membro</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>New Family Member</source>
        <translation>Novo familiar</translation>
    </message>
    <message>
        <source>Save and New</source>
        <translation>Salvar e novo</translation>
    </message>
    <message>
        <source>Save And Close</source>
        <translation>Salvar e fechar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Contact Info</source>
        <translation>Dados de contato</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>color: blue;</source>
        <translation>color: blue;</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Nome do meio</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Address1</source>
        <translation>Endereço1</translation>
    </message>
    <message>
        <source>Address2</source>
        <translation>Endereço2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State/Zip</source>
        <translation>Estado/CEP</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Telefone residencial</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Telefone comercial</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Carregar foto</translation>
    </message>
    <message>
        <source>Remove Picture</source>
        <translation>Remover foto</translation>
    </message>
    <message>
        <source>Family Members</source>
        <translation>Membros da família</translation>
    </message>
    <message>
        <source>Demographic Info</source>
        <translation>Dados demográficos</translation>
    </message>
    <message>
        <source>Place of Work</source>
        <translation>Local de trabalho</translation>
    </message>
    <message>
        <source>Occupation</source>
        <translation>Profissão</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data de nascimento</translation>
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
        <translation>Data aniv.</translation>
    </message>
    <message>
        <source>Head of Household</source>
        <translation>Chefe da família</translation>
    </message>
    <message>
        <source>Map Section</source>
        <translation>Setor do mapa</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <translation>Passatempos</translation>
    </message>
    <message>
        <source>Organizations</source>
        <translation>Organizações</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Incluído</translation>
    </message>
    <message>
        <source>Last Edited</source>
        <translation>Última edição</translation>
    </message>
    <message>
        <source>Church Info</source>
        <translation>Dados da igreja</translation>
    </message>
    <message>
        <source>Member Since</source>
        <translation>Membro desde</translation>
    </message>
    <message>
        <source>Previous Church</source>
        <translation>Igreja anterior</translation>
    </message>
    <message>
        <source>Came Forward</source>
        <translation>Veio à frente</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Batizado</translation>
    </message>
    <message>
        <source>Letter Out</source>
        <translation>Carta de transferência</translation>
    </message>
    <message>
        <source>Deceased</source>
        <translation>Falecido</translation>
    </message>
    <message>
        <source>Sunday School Attendance Level</source>
        <translation>Nível de frequência à escola dominical</translation>
    </message>
    <message>
        <source>Worship Service Attendance Level</source>
        <translation>Nível de frequência ao culto</translation>
    </message>
    <message>
        <source>Discipleship Training Attendance Level</source>
        <translation>Nível de frequência ao discipulado</translation>
    </message>
    <message>
        <source>Sunday Evening Service Attendance Lavel</source>
        <translation>Nível de frequência ao culto de domingo à noite</translation>
    </message>
    <message>
        <source>Wednesday Night Attendance Level</source>
        <translation>Nível de frequência de quarta à noite</translation>
    </message>
    <message>
        <source>Sunday School Class</source>
        <translation>Turma da escola dominical</translation>
    </message>
    <message>
        <source>Care Group Assigned</source>
        <translation>Grupo de cuidado designado</translation>
    </message>
    <message>
        <source>Discipleship Training Class</source>
        <translation>Turma de discipulado</translation>
    </message>
    <message>
        <source>Wednesday Night Class</source>
        <translation>Turma de quarta à noite</translation>
    </message>
    <message>
        <source>Deacon Assigned</source>
        <translation>Diácono designado</translation>
    </message>
    <message>
        <source>Receive Newsletter Via Mail</source>
        <translation>Receber boletim por correio</translation>
    </message>
    <message>
        <source>Receive Newsletter Via E-Mail</source>
        <translation>Receber boletim por e-mail</translation>
    </message>
    <message>
        <source>Church Responsibilies</source>
        <translation>Responsabilidades na igreja</translation>
    </message>
    <message>
        <source>Prospect Info</source>
        <translation>Dados de interessado</translation>
    </message>
    <message>
        <source>Prospect Source</source>
        <translation>Origem do interessado</translation>
    </message>
    <message>
        <source>Sunday School Class Assigned</source>
        <translation>Turma da escola dominical designada</translation>
    </message>
    <message>
        <source>Member Of</source>
        <translation>Membro de</translation>
    </message>
    <message>
        <source>Contacts Made</source>
        <translation>Contatos realizados</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Next Contact</source>
        <translation>Próximo contato</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>New Contact</source>
        <translation>Novo contato</translation>
    </message>
    <message>
        <source>Attendance Info</source>
        <translation>Dados de frequência</translation>
    </message>
</context>
<context>
    <name>frmMemberNavigator</name>
    <message>
        <source>Member Navigator</source>
        <translation>Navegador de membros</translation>
    </message>
    <message>
        <source>Search Criteria</source>
        <translation>Critérios de pesquisa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Member Since</source>
        <translation>Membro desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Finds the text anywhere in Hobbies, Organizations, Place of Work, Notes and Prospect Notes (not in names or addresses: use Name, City, State and Zip for those)</source>
        <translation>Procura o texto em qualquer parte de Passatempos, Organizações, Local de trabalho, Observações e Observações de visitante (não em nomes nem endereços: para isso use Nome, Cidade, Estado e CEP)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>Situação de membro</translation>
    </message>
    <message>
        <source>Church Status</source>
        <translation>Situação na igreja</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Situação de visitante</translation>
    </message>
    <message>
        <source>DOB/Anniv</source>
        <translation>Nasc./Aniv.</translation>
    </message>
    <message>
        <source>Responsibility</source>
        <translation>Responsabilidade</translation>
    </message>
    <message>
        <source>Receive NL</source>
        <translation>Recebe boletim</translation>
    </message>
    <message>
        <source>SS Class</source>
        <translation>Classe da ED</translation>
    </message>
    <message>
        <source>CG Assign</source>
        <translation>Grupo de cuidado</translation>
    </message>
    <message>
        <source>Disc Class</source>
        <translation>Turma de discipulado</translation>
    </message>
    <message>
        <source>Wed Class</source>
        <translation>Turma de quarta</translation>
    </message>
    <message>
        <source>Deacon</source>
        <translation>Diácono</translation>
    </message>
    <message>
        <source>HOH</source>
        <translation>Chefe de família</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>The whole city name, in any letter case; * stands for any letters, ? for one (Frank* finds Franklin and Frankfort)</source>
        <translation>O nome completo da cidade, em maiúsculas ou minúsculas; * representa quaisquer letras, ? uma só (Frank* encontra Franklin e Frankfort)</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The whole state, in any letter case; * and ? as in City</source>
        <translation>O estado completo, em maiúsculas ou minúsculas; * e ? como em Cidade</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CEP</translation>
    </message>
    <message>
        <source>Zip codes that begin with this (37064 finds 37064-1234 too); * and ? as in City</source>
        <translation>CEPs que começam assim (37064 também encontra 37064-1234); * e ? como em Cidade</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membros</translation>
    </message>
</context>
<context>
    <name>frmMergePeople</name>
    <message>
        <source>Merge People</source>
        <translation>Mesclar pessoas</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Manter</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>&amp;Trocar</translation>
    </message>
    <message>
        <source>Merge in and &amp;remove</source>
        <translation>Mesclar e &amp;remover</translation>
    </message>
    <message>
        <source>Click the value that stays (or press Space on its row). The family links, responsibilities, contacts, classes, groups and user account of the removed record move to the kept one.</source>
        <translation>Clique no valor que fica (ou pressione Espaço na linha dele). Os vínculos familiares, responsabilidades, contatos, turmas, grupos e a conta de usuário do cadastro removido passam para o que é mantido.</translation>
    </message>
    <message>
        <source>Possible &amp;Duplicates...</source>
        <translation>Possíveis &amp;duplicados...</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Mesclar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>frmOutreachPhaseEntry</name>
    <message>
        <source>Outreach Phase Entry</source>
        <translation>Cadastro de fases de evangelismo</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordem</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Time Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Make all changes before clicking Save and Close.</source>
        <translation>Faça todas as alterações antes de clicar em Salvar e fechar.</translation>
    </message>
    <message>
        <source>Save And Close</source>
        <translation>Salvar e fechar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>frmProspectContactEntry</name>
    <message>
        <source>Prospect Contact Entry/Edit</source>
        <translation>Cadastro/edição de contatos com interessados</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Prospect</source>
        <translation>Interessado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
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
        <translation>Avaliação</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Next Phase</source>
        <translation>Próxima fase</translation>
    </message>
    <message>
        <source>Next Contact Date</source>
        <translation>Data do próximo contato</translation>
    </message>
    <message>
        <source>Next Contact Action</source>
        <translation>Ação do próximo contato</translation>
    </message>
    <message>
        <source>Save And New</source>
        <translation>Salvar e novo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>frmProspectNavigator</name>
    <message>
        <source>Prospect Navigator</source>
        <translation>Navegador de visitantes</translation>
    </message>
    <message>
        <source>Search Criteria</source>
        <translation>Critérios de pesquisa</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Next Contact</source>
        <translation>Próximo contato</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Next Action</source>
        <translation>Próxima ação</translation>
    </message>
    <message>
        <source>Previous Contact</source>
        <translation>Contato anterior</translation>
    </message>
    <message>
        <source>Prev. Act,</source>
        <translation>Ação ant.</translation>
    </message>
    <message>
        <source>Member Status</source>
        <translation>Situação de membro</translation>
    </message>
    <message>
        <source>Church Status</source>
        <translation>Situação na igreja</translation>
    </message>
    <message>
        <source>Prospect Status</source>
        <translation>Situação de visitante</translation>
    </message>
    <message>
        <source>Finds the text anywhere in Hobbies, Organizations, Place of Work, Notes and Prospect Notes (not in names or addresses: use Name, City, State and Zip for those)</source>
        <translation>Procura o texto em qualquer parte de Passatempos, Organizações, Local de trabalho, Observações e Observações de visitante (não em nomes nem endereços: para isso use Nome, Cidade, Estado e CEP)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>SS Class</source>
        <translation>Classe da ED</translation>
    </message>
    <message>
        <source>CG Assign</source>
        <translation>Grupo de cuidado</translation>
    </message>
    <message>
        <source>DOB/Anniv</source>
        <translation>Nasc./Aniv.</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>The whole city name, in any letter case; * stands for any letters, ? for one (Frank* finds Franklin and Frankfort)</source>
        <translation>O nome completo da cidade, em maiúsculas ou minúsculas; * representa quaisquer letras, ? uma só (Frank* encontra Franklin e Frankfort)</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The whole state, in any letter case; * and ? as in City</source>
        <translation>O estado completo, em maiúsculas ou minúsculas; * e ? como em Cidade</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CEP</translation>
    </message>
    <message>
        <source>Zip codes that begin with this (37064 finds 37064-1234 too); * and ? as in City</source>
        <translation>CEPs que começam assim (37064 também encontra 37064-1234); * e ? como em Cidade</translation>
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
        <translation>Imprimir folhas de visita</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Prospects</source>
        <translation>Visitantes</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatos</translation>
    </message>
</context>
<context>
    <name>frmRosters</name>
    <message>
        <source>(1 place empty)</source>
        <translation>(1 vaga livre)</translation>
    </message>
    <message>
        <source>(%1 places empty)</source>
        <translation>(%1 vagas livres)</translation>
    </message>
</context>
<context>
    <name>frmStartPage</name>
    <message>
        <source>Start Page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Names of people are shown to users who hold the &quot;Member View&quot; permission.</source>
        <translation>Os nomes das pessoas são mostrados aos usuários que têm a permissão &quot;Member View&quot;.</translation>
    </message>
    <message>
        <source>Birthdays and Anniversaries, Next 7 Days</source>
        <translation>Aniversários natalícios e de casamento, próximos 7 dias</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Occasion</source>
        <translation>Ocasião</translation>
    </message>
    <message>
        <source>Opened Lately</source>
        <translation>Abertos recentemente</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Serving This Week</source>
        <translation>Servindo nesta semana</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Culto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Vagas</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflito</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Pessoas</translation>
    </message>
    <message>
        <source>Prospects Due for Contact</source>
        <translation>Visitantes com contato pendente</translation>
    </message>
    <message>
        <source>Next Contact</source>
        <translation>Próximo contato</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
</context>
<context>
    <name>frmUserEntry</name>
    <message>
        <source>User Entry/Edit</source>
        <translation>Cadastro/edição de usuários</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inativo</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Password Again</source>
        <translation>Repetir senha</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permissões</translation>
    </message>
    <message>
        <source>All Permissions</source>
        <translation>Todas as permissões</translation>
    </message>
    <message>
        <source>User Permissions</source>
        <translation>Permissões do usuário</translation>
    </message>
    <message>
        <source>Add &gt;</source>
        <translation>Adicionar &gt;</translation>
    </message>
    <message>
        <source>&lt; Rem</source>
        <translation>&lt; Remover</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Adicionar &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Rem</source>
        <translation>&lt;&lt; Remover</translation>
    </message>
    <message>
        <source>Save And Close</source>
        <translation>Salvar e fechar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>frmWelcome</name>
    <message>
        <source>Welcome to Pewlark</source>
        <translation>Bem-vindo ao Pewlark</translation>
    </message>
    <message>
        <source>Welcome to Pewlark. Where is your church kept?</source>
        <translation>Bem-vindo ao Pewlark. Onde sua igreja está guardada?</translation>
    </message>
    <message>
        <source>Create a new church</source>
        <translation>Criar uma nova igreja</translation>
    </message>
    <message>
        <source>Open a church file...</source>
        <translation>Abrir um arquivo de igreja...</translation>
    </message>
    <message>
        <source>Connect to the office server...</source>
        <translation>Conectar ao servidor da secretaria...</translation>
    </message>
    <message>
        <source>Move in from the older program...</source>
        <translation>Trazer os dados do programa anterior...</translation>
    </message>
    <message>
        <source>Try the demo church</source>
        <translation>Experimentar a igreja de demonstração</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Church name:</source>
        <translation>Nome da igreja:</translation>
    </message>
    <message>
        <source>Admin user name:</source>
        <translation>Nome de usuário do Admin:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Password again:</source>
        <translation>Repita a senha:</translation>
    </message>
    <message>
        <source>Church file:</source>
        <translation>Arquivo da igreja:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Fotos:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>The office server&apos;s location, as the person who set it up gave it (for instance postgresql://office-server/church):</source>
        <translation>O endereço do servidor da secretaria, como informado por quem o configurou (por exemplo postgresql://office-server/church):</translation>
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
        <translation> (Entre para salvar)</translation>
    </message>
    <message>
        <source> (View only)</source>
        <translation> (Somente leitura)</translation>
    </message>
</context>
<context>
    <name>pw::HelpWindow</name>
    <message>
        <source>Pewlark Help</source>
        <translation>Ajuda do Pewlark</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Tópicos</translation>
    </message>
</context>
<context>
    <name>pw::MDI</name>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascata</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>Página &amp;inicial</translation>
    </message>
    <message>
        <source>Change &amp;My Password</source>
        <translation>&amp;Alterar minha senha</translation>
    </message>
    <message>
        <source>&amp;Reset Window Sizes</source>
        <translation>&amp;Redefinir tamanhos das janelas</translation>
    </message>
    <message>
        <source>Window sizes reset.</source>
        <translation>Os tamanhos das janelas foram redefinidos.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Pewlark Help</source>
        <translation>Ajuda do Pewlark</translation>
    </message>
    <message>
        <source>&amp;Back Up Database...</source>
        <translation>Fazer &amp;backup do banco de dados...</translation>
    </message>
    <message>
        <source>&amp;Restore Database...</source>
        <translation>&amp;Restaurar banco de dados...</translation>
    </message>
    <message>
        <source>&amp;Import People...</source>
        <translation>&amp;Importar pessoas...</translation>
    </message>
</context>
<context>
    <name>pw::admin::ListEditor</name>
    <message>
        <source>Sunday School Class Entry/Edit</source>
        <translation>Cadastro/edição de classes da Escola Dominical</translation>
    </message>
    <message>
        <source>Discipleship Training Class Entry/Edit</source>
        <translation>Cadastro/edição de turmas de discipulado</translation>
    </message>
    <message>
        <source>Wednesday Night Class Entry/Edit</source>
        <translation>Cadastro/edição de turmas de quarta-feira à noite</translation>
    </message>
    <message>
        <source>class</source>
        <translation>turma</translation>
    </message>
    <message>
        <source>Name is Required.</source>
        <translation>O nome é obrigatório.</translation>
    </message>
    <message>
        <source>Care Group Entry/Edit</source>
        <translation>Cadastro/edição de grupos de cuidado</translation>
    </message>
    <message>
        <source>care group</source>
        <translation>grupo de cuidado</translation>
    </message>
    <message>
        <source>Leader is Required.</source>
        <translation>O líder é obrigatório.</translation>
    </message>
    <message>
        <source>Church Responsibility Entry/Edit</source>
        <translation>Cadastro/edição de responsabilidades da igreja</translation>
    </message>
    <message>
        <source>responsibility</source>
        <translation>responsabilidade</translation>
    </message>
    <message>
        <source>Save And Close</source>
        <translation>Salvar e fechar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obrigatórios</translation>
    </message>
    <message>
        <source>This %1 no longer exists in the database.</source>
        <translation>Este registro (%1) não existe mais no banco de dados.</translation>
    </message>
    <message>
        <source>This %1 no longer exists in the database, so the changes could not be saved.</source>
        <translation>Este registro (%1) não existe mais no banco de dados, por isso as alterações não puderam ser salvas.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
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
        <translation>Alterar minha senha</translation>
    </message>
    <message>
        <source>The password of %1.</source>
        <translation>A senha de %1.</translation>
    </message>
    <message>
        <source>Changed the password of %1.</source>
        <translation>A senha de %1 foi alterada.</translation>
    </message>
    <message>
        <source>Please type the new password.</source>
        <translation>Digite a nova senha.</translation>
    </message>
    <message>
        <source>After several wrong passwords in a row the next try must wait: try again in %1 %2.</source>
        <translation>Depois de várias senhas erradas seguidas, a próxima tentativa precisa esperar: tente novamente em %1 %2.</translation>
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
        <translation>A senha antiga não é a senha da sua conta.</translation>
    </message>
</context>
<context>
    <name>pw::admin::frmChurchInfo</name>
    <message>
        <source>Quantity must be greater than 0.</source>
        <translation>A quantidade deve ser maior que 0.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Entrada inválida</translation>
    </message>
    <message>
        <source>Church Name is Required.</source>
        <translation>O nome da igreja é obrigatório.</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obrigatórios</translation>
    </message>
    <message>
        <source>church information</source>
        <translation>dados da igreja</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Igreja</translation>
    </message>
    <message>
        <source>Keypress Delay</source>
        <translation>Atraso de tecla</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
    </message>
</context>
<context>
    <name>pw::admin::frmImportPeople</name>
    <message>
        <source>Import People</source>
        <translation>Importar pessoas</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Fill empty fields</source>
        <translation>Preencher campos vazios</translation>
    </message>
    <message>
        <source>Add anyway</source>
        <translation>Adicionar mesmo assim</translation>
    </message>
    <message>
        <source>1. The CSV file</source>
        <translation>1. O arquivo CSV</translation>
    </message>
    <message>
        <source>Save the spreadsheet as CSV (comma, semicolon or tab separated, with the column names in the first row) and choose the file.</source>
        <translation>Salve a planilha como CSV (separada por vírgula, ponto e vírgula ou tabulação, com os nomes das colunas na primeira linha) e escolha o arquivo.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>2. Columns</source>
        <translation>2. Colunas</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Coluna</translation>
    </message>
    <message>
        <source>First Row</source>
        <translation>Primeira linha</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>&amp;Load Mapping...</source>
        <translation>&amp;Carregar mapeamento...</translation>
    </message>
    <message>
        <source>&amp;Save Mapping...</source>
        <translation>&amp;Salvar mapeamento...</translation>
    </message>
    <message>
        <source>3. Choices</source>
        <translation>3. Opções</translation>
    </message>
    <message>
        <source>Without a family column, people with the same last name and address are one family</source>
        <translation>Sem uma coluna de família, pessoas com o mesmo sobrenome e endereço formam uma família</translation>
    </message>
    <message>
        <source>Add values that are not in their lists (titles, states, statuses) to the lists</source>
        <translation>Adicionar às listas os valores que não estão nelas (títulos, estados, situações)</translation>
    </message>
    <message>
        <source>People already in the church:</source>
        <translation>Pessoas que já estão na igreja:</translation>
    </message>
    <message>
        <source>Every person in this file who has none gets (the member screen saves no change to a person without these):</source>
        <translation>Toda pessoa deste arquivo que não os tenha recebe (a tela de membros não salva alterações de uma pessoa sem eles):</translation>
    </message>
    <message>
        <source>4. Preview</source>
        <translation>4. Pré-visualização</translation>
    </message>
    <message>
        <source>Rows that match someone already in the church:</source>
        <translation>Linhas que coincidem com alguém que já está na igreja:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Do</source>
        <comment>column: what to do with the row</comment>
        <translation>Ação</translation>
    </message>
    <message>
        <source>5. Report</source>
        <translation>5. Relatório</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>Próxi&amp;mo &gt;</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt *.tsv)</source>
        <translation>Arquivos CSV (*.csv *.txt *.tsv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Choose the CSV file to import.</source>
        <translation>Escolha o arquivo CSV a importar.</translation>
    </message>
    <message>
        <source>%1 rows, %2 columns; %3, %4 separated.</source>
        <translation>%1 linhas, %2 colunas; %3, separado por %4.</translation>
    </message>
    <message>
        <source>(ignore)</source>
        <translation>(ignorar)</translation>
    </message>
    <message>
        <source>Choose the column that holds the first or the last name.</source>
        <translation>Escolha a coluna que contém o nome ou o sobrenome.</translation>
    </message>
    <message>
        <source>%1 %2 matches %3</source>
        <translation>%1 %2 coincide com %3</translation>
    </message>
    <message>
        <source>The import failed; nothing of it was written.

%1</source>
        <translation>A importação falhou; nada foi gravado.

%1</translation>
    </message>
    <message>
        <source>Imported %1 people from %2.</source>
        <translation>%1 pessoas importadas de %2.</translation>
    </message>
    <message>
        <source>Load Mapping</source>
        <translation>Carregar mapeamento</translation>
    </message>
    <message>
        <source>Column Mappings (*.json)</source>
        <translation>Mapeamentos de colunas (*.json)</translation>
    </message>
    <message>
        <source>Save Mapping</source>
        <translation>Salvar mapeamento</translation>
    </message>
</context>
<context>
    <name>pw::admin::frmUserEntry</name>
    <message>
        <source>Name, Type, Username, and Password are Required.</source>
        <translation>Nome, Tipo, Nome de usuário e Senha são obrigatórios.</translation>
    </message>
    <message>
        <source>User Entry/Edit</source>
        <translation>Cadastro/edição de usuários</translation>
    </message>
    <message>
        <source>These accounts have user names that differ only in capital letters, so Pewlark cannot tell them apart:

%1

Give each account a user name of its own.</source>
        <translation>Estas contas têm nomes de usuário que diferem apenas em letras maiúsculas, por isso o Pewlark não consegue distingui-las:

%1

Dê a cada conta um nome de usuário próprio.</translation>
    </message>
    <message>
        <source>This username already exists.  Please choose a different username.</source>
        <translation>Este nome de usuário já existe.  Escolha um nome de usuário diferente.</translation>
    </message>
    <message>
        <source>Username Exists</source>
        <translation>O nome de usuário já existe</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obrigatórios</translation>
    </message>
    <message>
        <source>account</source>
        <translation>conta</translation>
    </message>
    <message>
        <source>This is the only active &quot;Admin&quot; account: it cannot be made inactive or turned into a &quot;User&quot;, or nobody could look after the users and their permissions any more. Make another account an active &quot;Admin&quot; first.</source>
        <translation>Esta é a única conta &quot;Admin&quot; ativa: ela não pode ser desativada nem transformada em &quot;User&quot;, ou ninguém mais poderia cuidar dos usuários e de suas permissões. Primeiro torne outra conta &quot;Admin&quot; ativa.</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Entrada inválida</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
    </message>
</context>
<context>
    <name>pw::attendance::AttendancePanel</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Culto</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Turma</translation>
    </message>
    <message>
        <source>Suggested from the last 13 weeks:</source>
        <translation>Sugerido a partir das últimas 13 semanas:</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Last attended: %1 (%2 of the last 13 weeks)</source>
        <translation>Última presença: %1 (%2 das últimas 13 semanas)</translation>
    </message>
    <message>
        <source>Last attended: never</source>
        <translation>Última presença: nunca</translation>
    </message>
    <message>
        <source>%1 (%2 of 13 weeks)</source>
        <translation>%1 (%2 de 13 semanas)</translation>
    </message>
    <message>
        <source>Suggested from the last 13 weeks: %1</source>
        <translation>Sugerido a partir das últimas 13 semanas: %1</translation>
    </message>
</context>
<context>
    <name>pw::attendance::SinceCriterionBox</name>
    <message>
        <source>Attended since</source>
        <translation>Compareceu desde</translation>
    </message>
    <message>
        <source>Not attended since</source>
        <translation>Não compareceu desde</translation>
    </message>
    <message>
        <source>(any service)</source>
        <translation>(qualquer culto)</translation>
    </message>
</context>
<context>
    <name>pw::attendance::frmAttendanceEntry</name>
    <message>
        <source>Class</source>
        <translation>Turma</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add Visitor</source>
        <translation>Adicionar visitante</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Attendance Entry</source>
        <translation>Registro de frequência</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Culto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Add person</source>
        <translation>Adicionar pessoa</translation>
    </message>
    <message>
        <source>Visitor (added as a prospect)</source>
        <translation>Visitante (adicionado como visitante em potencial)</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Headcount</source>
        <translation>Contagem</translation>
    </message>
    <message>
        <source>the attendance of %1, %2</source>
        <translation>a frequência de %1, %2</translation>
    </message>
    <message>
        <source>Recorded by %1 on %2</source>
        <translation>Registrado por %1 em %2</translation>
    </message>
    <message>
        <source>Not recorded yet</source>
        <translation>Ainda não registrado</translation>
    </message>
    <message>
        <source>Choose the person to add.</source>
        <translation>Escolha a pessoa a adicionar.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
    </message>
    <message>
        <source>A visitor&apos;s first and last name are required.</source>
        <translation>O nome e o sobrenome do visitante são obrigatórios.</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obrigatórios</translation>
    </message>
    <message>
        <source>Add Anyway</source>
        <translation>Adicionar mesmo assim</translation>
    </message>
    <message>
        <source>Tick That Person</source>
        <translation>Marcar essa pessoa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ticked %1.</source>
        <translation>%1 marcado(a).</translation>
    </message>
    <message>
        <source>Added %1 as a prospect.</source>
        <translation>%1 adicionado(a) como visitante em potencial.</translation>
    </message>
    <message>
        <source>Choose a class.</source>
        <translation>Escolha uma turma.</translation>
    </message>
    <message>
        <source>attendance</source>
        <translation>frequência</translation>
    </message>
    <message>
        <source>Saved the attendance of %1, %2.</source>
        <translation>Frequência de %1, %2 salva.</translation>
    </message>
</context>
<context>
    <name>pw::attendance::frmAttendanceReports</name>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Trimestre</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Attendance Reports</source>
        <translation>Relatórios de frequência</translation>
    </message>
    <message>
        <source>Class Roll Sheet</source>
        <translation>Lista de chamada da turma</translation>
    </message>
    <message>
        <source>Attendance Summary</source>
        <translation>Resumo de frequência</translation>
    </message>
    <message>
        <source>Not Seen Lately</source>
        <translation>Ausentes ultimamente</translation>
    </message>
    <message>
        <source>Attended at least</source>
        <translation>Compareceu pelo menos</translation>
    </message>
    <message>
        <source>of the</source>
        <translation>das</translation>
    </message>
    <message>
        <source>weeks before the date, and not since</source>
        <translation>semanas antes da data, e não desde então</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Culto</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Turma</translation>
    </message>
    <message>
        <source>Covering</source>
        <translation>Abrange</translation>
    </message>
    <message>
        <source>(any service)</source>
        <translation>(qualquer culto)</translation>
    </message>
    <message>
        <source>Starting month</source>
        <translation>Mês inicial</translation>
    </message>
    <message>
        <source>Up to the week of</source>
        <translation>Até a semana de</translation>
    </message>
    <message>
        <source>Not since</source>
        <translation>Não desde</translation>
    </message>
    <message>
        <source>Choose a class.</source>
        <translation>Escolha uma turma.</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obrigatórios</translation>
    </message>
    <message>
        <source>Printed the %1.</source>
        <translation>Impresso: %1.</translation>
    </message>
</context>
<context>
    <name>pw::checkin::CarePanel</name>
    <message>
        <source>Save Notes</source>
        <translation>Salvar observações</translation>
    </message>
    <message>
        <source>Allergies and medical notes</source>
        <translation>Alergias e observações médicas</translation>
    </message>
    <message>
        <source>Authorised to pick up</source>
        <translation>Autorizados a buscar</translation>
    </message>
    <message>
        <source>The care notes of %1 are not saved. Save them?</source>
        <translation>As observações de cuidados de %1 não foram salvas. Salvar?</translation>
    </message>
    <message>
        <source>Family Info</source>
        <translation>Dados da família</translation>
    </message>
    <message>
        <source>Saved the care notes of %1.</source>
        <translation>Observações de cuidados de %1 salvas.</translation>
    </message>
</context>
<context>
    <name>pw::checkin::VisitorFamilyDialog</name>
    <message>
        <source>Add Family</source>
        <translation>Adicionar família</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Visitor Family</source>
        <translation>Adicionar família visitante</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Pai ou mãe</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Filhos</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Girl / Boy</source>
        <translation>Menina / Menino</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Turma</translation>
    </message>
    <message>
        <source>Girl</source>
        <translation>Menina</translation>
    </message>
    <message>
        <source>Boy</source>
        <translation>Menino</translation>
    </message>
    <message>
        <source>A parent&apos;s first and last name are required.</source>
        <translation>O nome e o sobrenome do pai ou da mãe são obrigatórios.</translation>
    </message>
    <message>
        <source>%1&apos;s birth date is not a date.</source>
        <translation>A data de nascimento de %1 não é uma data válida.</translation>
    </message>
    <message>
        <source>Type the first name of at least one child.</source>
        <translation>Digite o nome de pelo menos um filho.</translation>
    </message>
    <message>
        <source>

Add this family anyway?</source>
        <translation>

Adicionar esta família mesmo assim?</translation>
    </message>
    <message>
        <source>Add Anyway</source>
        <translation>Adicionar mesmo assim</translation>
    </message>
</context>
<context>
    <name>pw::checkin::frmCheckinReports</name>
    <message>
        <source>Preview</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Check-in Reports</source>
        <translation>Relatórios de check-in</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Printed the %1 report.</source>
        <translation>Relatório %1 impresso.</translation>
    </message>
</context>
<context>
    <name>pw::checkin::frmCheckinStation</name>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
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
        <translation>Fazer check-in</translation>
    </message>
    <message>
        <source>Reprint Labels</source>
        <translation>Reimprimir etiquetas</translation>
    </message>
    <message>
        <source>Add Visitor Family</source>
        <translation>Adicionar família visitante</translation>
    </message>
    <message>
        <source>Check Out</source>
        <translation>Fazer check-out</translation>
    </message>
    <message>
        <source>Show the labels in the viewer instead of printing them (to save them as PDF)</source>
        <translation>Mostrar as etiquetas no visualizador em vez de imprimi-las (para salvá-las em PDF)</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Imprimir página de teste</translation>
    </message>
    <message>
        <source>Check-in Station</source>
        <translation>Estação de check-in</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Culto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Last 4 digits of a phone, or last name</source>
        <translation>Últimos 4 dígitos de um telefone, ou sobrenome</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Code on the stub</source>
        <translation>Código do canhoto</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Type the last four digits of a phone number or the start of a last name.</source>
        <translation>Digite os últimos quatro dígitos de um telefone ou o início de um sobrenome.</translation>
    </message>
    <message>
        <source>No family found for &quot;%1&quot;.</source>
        <translation>Nenhuma família encontrada para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>1 family</source>
        <translation>1 família</translation>
    </message>
    <message>
        <source>%1 families</source>
        <translation>%1 famílias</translation>
    </message>
    <message>
        <source> (allergy)</source>
        <translation> (alergia)</translation>
    </message>
    <message>
        <source>
checked in: </source>
        <translation>
check-in: </translation>
    </message>
    <message>
        <source>her</source>
        <extracomment>Whose label: &quot;Print her label again?&quot;</extracomment>
        <translation>a etiqueta dela</translation>
    </message>
    <message>
        <source>his</source>
        <translation>a etiqueta dele</translation>
    </message>
    <message>
        <source>their</source>
        <translation>a etiqueta</translation>
    </message>
    <message>
        <source>Tick the people to check in.</source>
        <translation>Marque as pessoas para fazer check-in.</translation>
    </message>
    <message>
        <source>%1 is already checked in to %2 %3 with code %4. Print %5 label again?</source>
        <translation>%1 já fez check-in em %2 %3 com o código %4. Imprimir %5 novamente?</translation>
    </message>
    <message>
        <source>Checked in: </source>
        <translation>Check-in feito: </translation>
    </message>
    <message>
        <source>Labels printed again: </source>
        <translation>Etiquetas reimpressas: </translation>
    </message>
    <message>
        <source>Nobody new was checked in.</source>
        <translation>Ninguém novo fez check-in.</translation>
    </message>
    <message>
        <source>The labels were not printed: press Reprint Labels.</source>
        <translation>As etiquetas não foram impressas: clique em Reimprimir etiquetas.</translation>
    </message>
    <message>
        <source>Checked in %1 with code %2.</source>
        <translation>Check-in de %1 com o código %2.</translation>
    </message>
    <message>
        <source>Find the family first.</source>
        <translation>Busque a família primeiro.</translation>
    </message>
    <message>
        <source>Nobody of this family is checked in to %1 %2.</source>
        <translation>Ninguém desta família fez check-in em %1 %2.</translation>
    </message>
    <message>
        <source>The labels were not printed.</source>
        <translation>As etiquetas não foram impressas.</translation>
    </message>
    <message>
        <source>Added the visitor family %1.</source>
        <translation>Família visitante %1 adicionada.</translation>
    </message>
    <message>
        <source>Label size on this computer</source>
        <translation>Tamanho da etiqueta neste computador</translation>
    </message>
    <message>
        <source>No child is checked in %1 with code %2.</source>
        <translation>Nenhuma criança fez check-in %1 com o código %2.</translation>
    </message>
    <message>
        <source>
Authorised to pick up: </source>
        <translation>
Autorizados a buscar: </translation>
    </message>
    <message>
        <source>(not recorded)</source>
        <translation>(não informado)</translation>
    </message>
    <message>
        <source>
checked out at </source>
        <translation>
check-out às </translation>
    </message>
    <message>
        <source>Everyone under code %1 is checked out already.</source>
        <translation>Todos do código %1 já fizeram check-out.</translation>
    </message>
    <message>
        <source>Type the code on the parent&apos;s stub and tick the children to check out.</source>
        <translation>Digite o código do canhoto do responsável e marque as crianças para o check-out.</translation>
    </message>
    <message>
        <source>Checked out: %1.</source>
        <translation>Check-out feito: %1.</translation>
    </message>
</context>
<context>
    <name>pw::checkin::frmClassCheckout</name>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Check Out</source>
        <translation>Fazer check-out</translation>
    </message>
    <message>
        <source>Class Check-out</source>
        <translation>Check-out da turma</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Culto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Turma</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Code on the stub</source>
        <translation>Código do canhoto</translation>
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
Autorizados a buscar: </translation>
    </message>
    <message>
        <source>(not recorded)</source>
        <translation>(não informado)</translation>
    </message>
    <message>
        <source>Still checked in: %1</source>
        <translation>Ainda presentes: %1</translation>
    </message>
    <message>
        <source>No child of %1 is checked in %2 with code %3.</source>
        <translation>Nenhuma criança de %1 fez check-in %2 com o código %3.</translation>
    </message>
    <message>
        <source>Checked out: %1.</source>
        <translation>Check-out feito: %1.</translation>
    </message>
</context>
<context>
    <name>pw::directory::DirectoryPanel</name>
    <message>
        <source>Load Family Picture...</source>
        <translation>Carregar foto da família...</translation>
    </message>
    <message>
        <source>Remove Family Picture</source>
        <translation>Remover foto da família</translation>
    </message>
    <message>
        <source>Church directory</source>
        <translation>Diretório da igreja</translation>
    </message>
    <message>
        <source>Saved the directory listing: %1.</source>
        <translation>Inclusão no diretório salva: %1.</translation>
    </message>
    <message>
        <source>Load Family Picture</source>
        <translation>Carregar foto da família</translation>
    </message>
    <message>
        <source>Image Files (*.bmp *.jpg *.jpeg *.png *.gif *.tif *.tiff)</source>
        <translation>Arquivos de imagem (*.bmp *.jpg *.jpeg *.png *.gif *.tif *.tiff)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read.</source>
        <translation>O arquivo &quot;%1&quot; não é uma imagem legível.</translation>
    </message>
    <message>
        <source>The picture could not be copied to &quot;%1&quot;.</source>
        <translation>Não foi possível copiar a imagem para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Stored the family picture.</source>
        <translation>Foto da família salva.</translation>
    </message>
    <message>
        <source>Removed the family picture.</source>
        <translation>Foto da família removida.</translation>
    </message>
</context>
<context>
    <name>pw::directory::frmChurchDirectory</name>
    <message>
        <source>Church &amp;statuses</source>
        <translation>&amp;Situações na igreja</translation>
    </message>
    <message>
        <source>&amp;Birthdays (day and month)</source>
        <translation>&amp;Aniversários (dia e mês)</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Visualizar</translation>
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
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Church Directory</source>
        <translation>Diretório da igreja</translation>
    </message>
    <message>
        <source>People in the directory</source>
        <translation>Pessoas no diretório</translation>
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
        <translation>&amp;Famílias</translation>
    </message>
    <message>
        <source>The person &amp;found</source>
        <translation>A pessoa &amp;encontrada</translation>
    </message>
    <message>
        <source>The %1 people &amp;found</source>
        <translation>As %1 pessoas &amp;encontradas</translation>
    </message>
    <message>
        <source>No people are chosen for the directory.</source>
        <translation>Nenhuma pessoa foi escolhida para o diretório.</translation>
    </message>
    <message>
        <source>Printed the church directory.</source>
        <translation>Diretório da igreja impresso.</translation>
    </message>
    <message>
        <source>Wrote the church directory to %1.</source>
        <translation>Diretório da igreja gravado em %1.</translation>
    </message>
</context>
<context>
    <name>pw::frmAbout</name>
    <message>
        <source>About Screen</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versão 1.0</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
<context>
    <name>pw::frmLogin</name>
    <message>
        <source>You must enter a username</source>
        <translation>Você precisa digitar um nome de usuário</translation>
    </message>
    <message>
        <source>Invalid Username</source>
        <translation>Nome de usuário inválido</translation>
    </message>
    <message>
        <source>Your username and/or password is invalid.</source>
        <translation>Seu nome de usuário e/ou senha é inválido.</translation>
    </message>
    <message>
        <source>Invalid Username/Password</source>
        <translation>Usuário/senha inválidos</translation>
    </message>
    <message>
        <source>%1 failed logins in a row: the answer comes in %2 %3.</source>
        <translation>%1 tentativas de entrada seguidas sem sucesso: a resposta virá em %2 %3.</translation>
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
        <translation>O arquivo da nova igreja</translation>
    </message>
    <message>
        <source>Pewlark Churches</source>
        <translation>Igrejas do Pewlark</translation>
    </message>
    <message>
        <source>Open a Church File</source>
        <translation>Abrir um arquivo de igreja</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Please give the server&apos;s location in the form postgresql://server/database.</source>
        <translation>Informe o endereço do servidor no formato postgresql://servidor/banco_de_dados.</translation>
    </message>
    <message>
        <source>Welcome to Pewlark</source>
        <translation>Bem-vindo ao Pewlark</translation>
    </message>
    <message>
        <source>The Older Program&apos;s Database</source>
        <translation>O banco de dados do programa anterior</translation>
    </message>
    <message>
        <source>Older Program Databases</source>
        <translation>Bancos de dados do programa anterior</translation>
    </message>
    <message>
        <source>Move In</source>
        <translation>Trazer dados</translation>
    </message>
    <message>
        <source>Making the demo church...</source>
        <translation>Criando a igreja de demonstração...</translation>
    </message>
    <message>
        <source>The Demo Church</source>
        <translation>A igreja de demonstração</translation>
    </message>
</context>
<context>
    <name>pw::giving::GivingPanel</name>
    <message>
        <source>Save En&amp;velope</source>
        <translation>Salvar en&amp;velope</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Forma de pagamento</translation>
    </message>
    <message>
        <source>Check No.</source>
        <translation>N.º do cheque</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>Pledged</source>
        <translation>Prometido</translation>
    </message>
    <message>
        <source>Given</source>
        <translation>Doado</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Add &amp;Pledge</source>
        <translation>Adicionar &amp;promessa</translation>
    </message>
    <message>
        <source>Remove Pl&amp;edge</source>
        <translation>Remover pro&amp;messa</translation>
    </message>
    <message>
        <source>With the household</source>
        <translation>Com a família</translation>
    </message>
    <message>
        <source>Alone</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Extrato</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Totals per fund</source>
        <translation>Totais por fundo</translation>
    </message>
    <message>
        <source>Pledges</source>
        <translation>Promessas</translation>
    </message>
    <message>
        <source>to</source>
        <translation>até</translation>
    </message>
    <message>
        <source>Save the person first.</source>
        <translation>Salve a pessoa primeiro.</translation>
    </message>
    <message>
        <source>Giving</source>
        <translation>Contribuições</translation>
    </message>
    <message>
        <source>Choose the fund of the pledge.</source>
        <translation>Escolha o fundo da promessa.</translation>
    </message>
    <message>
        <source>The pledge ends (%1) before it starts (%2).</source>
        <translation>A promessa termina (%1) antes de começar (%2).</translation>
    </message>
    <message>
        <source>Type the amount pledged.</source>
        <translation>Digite o valor prometido.</translation>
    </message>
    <message>
        <source>Added a pledge of %1.</source>
        <translation>Promessa de %1 adicionada.</translation>
    </message>
    <message>
        <source>Choose the pledge to remove.</source>
        <translation>Escolha a promessa a remover.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
    </message>
    <message>
        <source>Remove the pledge of %1 to %2?</source>
        <translation>Remover a promessa de %1 para %2?</translation>
    </message>
    <message>
        <source>Removed the pledge.</source>
        <translation>Promessa removida.</translation>
    </message>
    <message>
        <source>Envelope number %1 already belongs to %2.</source>
        <translation>O envelope número %1 já pertence a %2.</translation>
    </message>
    <message>
        <source>Saved envelope number %1.</source>
        <translation>Envelope número %1 salvo.</translation>
    </message>
    <message>
        <source>Saved the giving settings.</source>
        <translation>Configurações de contribuição salvas.</translation>
    </message>
    <message>
        <source>Given in %1: %2</source>
        <translation>Doado em %1: %2</translation>
    </message>
</context>
<context>
    <name>pw::giving::frmContributionStatements</name>
    <message>
        <source>&amp;Everybody who gave</source>
        <translation>&amp;Todos que contribuíram</translation>
    </message>
    <message>
        <source>One &amp;person</source>
        <translation>Uma &amp;pessoa</translation>
    </message>
    <message>
        <source>Also write the totals per fund as a CSV file</source>
        <translation>Gravar também os totais por fundo em um arquivo CSV</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Visualizar</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;One PDF...</source>
        <translation>&amp;Um PDF...</translation>
    </message>
    <message>
        <source>PDF per &amp;Giver...</source>
        <translation>PDF por &amp;contribuinte...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Contribution Statements</source>
        <translation>Extratos de contribuições</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;De</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Até</translation>
    </message>
    <message>
        <source>Statements for</source>
        <translation>Extratos para</translation>
    </message>
    <message>
        <source>The person &amp;found</source>
        <translation>A pessoa &amp;encontrada</translation>
    </message>
    <message>
        <source>The %1 people &amp;found</source>
        <translation>As %1 pessoas &amp;encontradas</translation>
    </message>
    <message>
        <source>The period starts (%1) after it ends (%2).</source>
        <translation>O período começa (%1) depois de terminar (%2).</translation>
    </message>
    <message>
        <source>Choose the person.</source>
        <translation>Escolha a pessoa.</translation>
    </message>
    <message>
        <source>%1 gave nothing from %2 to %3.</source>
        <translation>%1 não contribuiu com nada de %2 a %3.</translation>
    </message>
    <message>
        <source>None of the people found gave anything from %1 to %2.</source>
        <translation>Nenhuma das pessoas encontradas contribuiu com nada de %1 a %2.</translation>
    </message>
    <message>
        <source>Nobody gave anything from %1 to %2.</source>
        <translation>Ninguém contribuiu com nada de %1 a %2.</translation>
    </message>
    <message>
        <source>contribution statements</source>
        <translation>extratos de contribuições</translation>
    </message>
    <message>
        <source>Save the Statements as One PDF</source>
        <translation>Salvar os extratos em um único PDF</translation>
    </message>
    <message>
        <source>Choose the Folder for the Statements</source>
        <translation>Escolher a pasta para os extratos</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Writing the contribution statements...</source>
        <translation>Gravando os extratos de contribuições...</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 statement(s).</source>
        <translation>Interrompido após %1 de %2 extrato(s).</translation>
    </message>
    <message>
        <source>Wrote %1 statement(s) to %2.</source>
        <translation>%1 extrato(s) gravado(s) em %2.</translation>
    </message>
    <message>
        <source>

Totals per fund: %1</source>
        <translation>

Totais por fundo: %1</translation>
    </message>
    <message>
        <source>

Without an address (written, but they cannot be mailed): %1</source>
        <translation>

Sem endereço (gravados, mas não podem ser enviados pelo correio): %1</translation>
    </message>
    <message>
        <source>Stopped writing the contribution statements.</source>
        <translation>A gravação dos extratos de contribuições foi interrompida.</translation>
    </message>
    <message>
        <source>Wrote %1 contribution statement(s).</source>
        <translation>%1 extrato(s) de contribuições gravado(s).</translation>
    </message>
</context>
<context>
    <name>pw::giving::frmFunds</name>
    <message>
        <source>&amp;Add Fund</source>
        <translation>&amp;Adicionar fundo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Funds</source>
        <translation>Fundos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Ativo</translation>
    </message>
    <message>
        <source>Tax Deductible</source>
        <translation>Dedutível do imposto</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordem</translation>
    </message>
    <message>
        <source>the funds</source>
        <translation>os fundos</translation>
    </message>
    <message>
        <source>change the funds</source>
        <translation>alterar os fundos</translation>
    </message>
    <message>
        <source>Every fund needs a name.</source>
        <translation>Todo fundo precisa de um nome.</translation>
    </message>
    <message>
        <source>A fund&apos;s name has at most 50 characters.</source>
        <translation>O nome de um fundo tem no máximo 50 caracteres.</translation>
    </message>
    <message>
        <source>There are two funds named &quot;%1&quot;.</source>
        <translation>Há dois fundos chamados &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A fund&apos;s order is a whole number.</source>
        <translation>A ordem de um fundo é um número inteiro.</translation>
    </message>
    <message>
        <source>Saved the funds.</source>
        <translation>Fundos salvos.</translation>
    </message>
</context>
<context>
    <name>pw::giving::frmGiftEntry</name>
    <message>
        <source> (closed)</source>
        <translation> (fechado)</translation>
    </message>
    <message>
        <source>&amp;New Batch</source>
        <translation>&amp;Novo lote</translation>
    </message>
    <message>
        <source>&amp;Close Batch</source>
        <translation>&amp;Fechar lote</translation>
    </message>
    <message>
        <source>&amp;Reopen Batch</source>
        <translation>&amp;Reabrir lote</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>Contribuição</translation>
    </message>
    <message>
        <source>S&amp;plit</source>
        <translation>&amp;Dividir</translation>
    </message>
    <message>
        <source>&amp;Enter Gift</source>
        <translation>&amp;Lançar contribuição</translation>
    </message>
    <message>
        <source>E&amp;dit Gift</source>
        <translation>&amp;Editar contribuição</translation>
    </message>
    <message>
        <source>Re&amp;move Gift</source>
        <translation>Re&amp;mover contribuição</translation>
    </message>
    <message>
        <source>Re&amp;turn Gift...</source>
        <translation>Dev&amp;olver contribuição...</translation>
    </message>
    <message>
        <source>Deposit Rep&amp;ort</source>
        <translation>Relatório de de&amp;pósito</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Gift Entry</source>
        <translation>Lançamento de contribuições</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Control Total</source>
        <translation>Total de controle</translation>
    </message>
    <message>
        <source>Control Count</source>
        <translation>Quantidade de controle</translation>
    </message>
    <message>
        <source>Reason for reopening</source>
        <translation>Motivo da reabertura</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>Giver</source>
        <translation>Contribuinte</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Forma de pagamento</translation>
    </message>
    <message>
        <source>Check No.</source>
        <translation>N.º do cheque</translation>
    </message>
    <message>
        <source>Received in Return</source>
        <translation>Recebido em troca</translation>
    </message>
    <message>
        <source>Goods</source>
        <translation>Bens</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>A gift of goods: what was given (no amount)</source>
        <translation>Uma doação de bens: o que foi doado (sem valor)</translation>
    </message>
    <message>
        <source>What the giver received for the gift (a dinner ticket): the statement counts only the part above it as deductible.</source>
        <translation>O que o contribuinte recebeu pela contribuição (um convite para um jantar): o extrato conta como dedutível apenas a parte acima disso.</translation>
    </message>
    <message>
        <source>the batch of %1</source>
        <translation>o lote de %1</translation>
    </message>
    <message>
        <source>Loose offering</source>
        <translation>Oferta avulsa</translation>
    </message>
    <message>
        <source>Closed by %1 on %2</source>
        <translation>Fechado por %1 em %2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aberto</translation>
    </message>
    <message>
        <source>New batch, not saved yet</source>
        <translation>Lote novo, ainda não salvo</translation>
    </message>
    <message>
        <source>No active person has envelope number %1.</source>
        <translation>Nenhuma pessoa ativa tem o envelope número %1.</translation>
    </message>
    <message>
        <source>Type the amount of the gift.</source>
        <translation>Digite o valor da contribuição.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money more than zero.</source>
        <translation>&quot;%1&quot; não é um valor em dinheiro maior que zero.</translation>
    </message>
    <message>
        <source>There are no funds yet. An Admin adds them under Giving &gt; Funds.</source>
        <translation>Ainda não há fundos. Um administrador os adiciona em Contribuições &gt; Fundos.</translation>
    </message>
    <message>
        <source>Choose the fund of the gift.</source>
        <translation>Escolha o fundo da contribuição.</translation>
    </message>
    <message>
        <source>Type the envelope number or choose the giver (or &quot;Loose offering&quot;).</source>
        <translation>Digite o número do envelope ou escolha o contribuinte (ou &quot;Oferta avulsa&quot;).</translation>
    </message>
    <message>
        <source>A gift of goods has no amount. Clear the amount, or the goods.</source>
        <translation>Uma doação de bens não tem valor. Apague o valor ou os bens.</translation>
    </message>
    <message>
        <source>What the giver received in return (&quot;%1&quot;) must be an amount no more than the gift.</source>
        <translation>O que o contribuinte recebeu em troca (&quot;%1&quot;) deve ser um valor não maior que a contribuição.</translation>
    </message>
    <message>
        <source>Choose the gift to edit.</source>
        <translation>Escolha a contribuição a editar.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
    </message>
    <message>
        <source>This gift takes back a returned one and cannot be edited. Remove it to undo the return.</source>
        <translation>Esta contribuição estorna uma devolvida e não pode ser editada. Remova-a para desfazer a devolução.</translation>
    </message>
    <message>
        <source>&amp;Replace Gift</source>
        <translation>&amp;Substituir contribuição</translation>
    </message>
    <message>
        <source>Choose the gift to remove.</source>
        <translation>Escolha a contribuição a remover.</translation>
    </message>
    <message>
        <source>Choose the gift to return.</source>
        <translation>Escolha a contribuição a devolver.</translation>
    </message>
    <message>
        <source>Only a gift of a closed batch is returned this way. In an open batch, edit or remove the gift.</source>
        <translation>Somente uma contribuição de um lote fechado é devolvida desta forma. Em um lote aberto, edite ou remova a contribuição.</translation>
    </message>
    <message>
        <source>the loose offering</source>
        <translation>a oferta avulsa</translation>
    </message>
    <message>
        <source>Record the gift of %1 from %2 as returned (a returned check or a refund)? A gift taking it back goes into the newest open batch.</source>
        <translation>Registrar a contribuição de %1 de %2 como devolvida (um cheque devolvido ou um reembolso)? Uma contribuição que a estorna vai para o lote aberto mais recente.</translation>
    </message>
    <message>
        <source>Return Gift</source>
        <translation>Devolver contribuição</translation>
    </message>
    <message>
        <source>Recorded the return of the gift of %1 in the batch of %2.</source>
        <translation>A devolução da contribuição de %1 foi registrada no lote de %2.</translation>
    </message>
    <message>
        <source>Save the batch first: the deposit report shows the batch as stored.</source>
        <translation>Salve o lote primeiro: o relatório de depósito mostra o lote como está salvo.</translation>
    </message>
    <message>
        <source>Goods: </source>
        <translation>Bens: </translation>
    </message>
    <message>
        <source>%1 received in return</source>
        <translation>%1 recebido em troca</translation>
    </message>
    <message>
        <source>%1 in %2 gift(s); control %3 in %4</source>
        <translation>%1 em %2 contribuição(ões); controle %3 em %4</translation>
    </message>
    <message>
        <source>Variance %1, %2 gift(s)</source>
        <translation>Diferença %1, %2 contribuição(ões)</translation>
    </message>
    <message>
        <source>This batch is closed. An Admin may reopen it.</source>
        <translation>Este lote está fechado. Um administrador pode reabri-lo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount of money.</source>
        <translation>&quot;%1&quot; não é um valor em dinheiro.</translation>
    </message>
    <message>
        <source>batch</source>
        <translation>lote</translation>
    </message>
    <message>
        <source>%1 gift(s) changed or removed at another workstation</source>
        <translation>%1 contribuição(ões) alterada(s) ou removida(s) em outra estação de trabalho</translation>
    </message>
    <message>
        <source>%1 closed this batch at another workstation. Nothing was saved.</source>
        <translation>%1 fechou este lote em outra estação de trabalho. Nada foi salvo.</translation>
    </message>
    <message>
        <source>Saved the batch of %1.</source>
        <translation>Lote de %1 salvo.</translation>
    </message>
    <message>
        <source>The batch&apos;s gifts come to %1 in %2 gift(s), but its control total is %3 in %4 gift(s). Close it anyway?</source>
        <translation>As contribuições do lote somam %1 em %2 contribuição(ões), mas o total de controle é %3 em %4 contribuição(ões). Fechar mesmo assim?</translation>
    </message>
    <message>
        <source>Close Batch</source>
        <translation>Fechar lote</translation>
    </message>
    <message>
        <source>This batch was closed already.</source>
        <translation>Este lote já estava fechado.</translation>
    </message>
    <message>
        <source>Closed the batch of %1.</source>
        <translation>Lote de %1 fechado.</translation>
    </message>
    <message>
        <source>reopen a closed batch</source>
        <translation>reabrir um lote fechado</translation>
    </message>
    <message>
        <source>Type why the batch is reopened.</source>
        <translation>Digite por que o lote está sendo reaberto.</translation>
    </message>
    <message>
        <source>This batch is open already.</source>
        <translation>Este lote já está aberto.</translation>
    </message>
    <message>
        <source>Reopened the batch of %1.</source>
        <translation>Lote de %1 reaberto.</translation>
    </message>
</context>
<context>
    <name>pw::giving::frmGivingReports</name>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Visualizar</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Giving Reports</source>
        <translation>Relatórios de contribuições</translation>
    </message>
    <message>
        <source>Deposit Report</source>
        <translation>Relatório de depósito</translation>
    </message>
    <message>
        <source>Giving by Fund and Month</source>
        <translation>Contribuições por fundo e mês</translation>
    </message>
    <message>
        <source>Pledges and Giving</source>
        <translation>Promessas e contribuições</translation>
    </message>
    <message>
        <source>Givers and Totals</source>
        <translation>Contribuintes e totais</translation>
    </message>
    <message>
        <source> (open)</source>
        <translation> (aberto)</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Até</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>The period starts (%1) after it ends (%2).</source>
        <translation>O período começa (%1) depois de terminar (%2).</translation>
    </message>
    <message>
        <source>Choose the batch.</source>
        <translation>Escolha o lote.</translation>
    </message>
</context>
<context>
    <name>pw::giving::frmImportGifts</name>
    <message>
        <source>&amp;Choose File...</source>
        <translation>&amp;Escolher arquivo...</translation>
    </message>
    <message>
        <source>Create the &amp;funds the church lacks</source>
        <translation>Criar os &amp;fundos que a igreja não tem</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Import Gifts</source>
        <translation>Importar contribuições</translation>
    </message>
    <message>
        <source>Choose the CSV file an online-giving service exported: what the import would do shows here before anything is written.</source>
        <translation>Escolha o arquivo CSV exportado por um serviço de contribuições on-line: o que a importação faria aparece aqui antes de qualquer gravação.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Coluna</translation>
    </message>
    <message>
        <source>First Value</source>
        <translation>Primeiro valor</translation>
    </message>
    <message>
        <source>Gift Field</source>
        <translation>Campo da contribuição</translation>
    </message>
    <message>
        <source>Choose the Gifts to Import</source>
        <translation>Escolher as contribuições a importar</translation>
    </message>
    <message>
        <source>CSV Files (*.csv *.txt)</source>
        <translation>Arquivos CSV (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Fund</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Forma de pagamento</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referência</translation>
    </message>
    <message>
        <source>(ignore)</source>
        <translation>(ignorar)</translation>
    </message>
    <message>
        <source>Imported %1 gift(s).</source>
        <translation>%1 contribuição(ões) importada(s).</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Nada foi importado.</translation>
    </message>
</context>
<context>
    <name>pw::members::FamilyPanel</name>
    <message>
        <source>Saving adds this person to the household of %1 as the &quot;Relationship&quot; chosen above.</source>
        <translation>Ao salvar, esta pessoa é adicionada à família de %1 com o &quot;Parentesco&quot; escolhido acima.</translation>
    </message>
    <message>
        <source>Head of Household</source>
        <translation>Chefe da família</translation>
    </message>
    <message>
        <source>The family members of this person were changed at another workstation after the list was shown, so nothing was changed.

The list now shows them as they are; check it and try again.</source>
        <translation>Os familiares desta pessoa foram alterados em outra estação de trabalho depois que a lista foi exibida, por isso nada foi alterado.

A lista agora os mostra como estão; confira e tente novamente.</translation>
    </message>
    <message>
        <source>You must have a current member, relative member, and relationship selected.</source>
        <translation>Você precisa ter selecionado um membro atual, um familiar e um parentesco.</translation>
    </message>
    <message>
        <source>Required Info</source>
        <translation>Dados obrigatórios</translation>
    </message>
    <message>
        <source>Family members are listed under the head of household. Tick &quot;Head of Household&quot; for this person, or add the family member on the record of the head of household.</source>
        <translation>Os familiares são listados no chefe da família. Marque &quot;Chefe da família&quot; para esta pessoa, ou adicione o familiar no cadastro do chefe da família.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
    </message>
    <message>
        <source>A person cannot be his or her own family member. Choose another person in &quot;Member&quot;.</source>
        <translation>Uma pessoa não pode ser seu próprio familiar. Escolha outra pessoa em &quot;Membro&quot;.</translation>
    </message>
    <message>
        <source>Saved family member %1 (%2).%3</source>
        <translation>Familiar %1 (%2) salvo.%3</translation>
    </message>
    <message>
        <source> The list also shows changes made at another workstation.</source>
        <translation> A lista também mostra alterações feitas em outra estação de trabalho.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected Relationship?</source>
        <translation>Tem certeza de que deseja remover o parentesco selecionado?</translation>
    </message>
    <message>
        <source>Remove Confirmation</source>
        <translation>Confirmar remoção</translation>
    </message>
    <message>
        <source>Removed family member %1.</source>
        <translation>Familiar %1 removido.</translation>
    </message>
</context>
<context>
    <name>pw::members::MemberFields</name>
    <message>
        <source>The next contact has a Phase but no Action. Choose its Action on the Prospect Info tab.</source>
        <translation>O próximo contato tem uma fase, mas nenhuma ação. Escolha a ação na guia Dados de interessado.</translation>
    </message>
    <message>
        <source>The next contact has an Action but no Phase. Choose its Phase on the Prospect Info tab.</source>
        <translation>O próximo contato tem uma ação, mas nenhuma fase. Escolha a fase na guia Dados de interessado.</translation>
    </message>
    <message>
        <source>Required Info</source>
        <translation>Dados obrigatórios</translation>
    </message>
    <message>
        <source>You cannot select Newsletter Via E-Mail unless the member has an E-Mail address entered on the Contact tab.</source>
        <translation>Você não pode selecionar Boletim por e-mail a menos que o membro tenha um endereço de e-mail informado na guia Contato.</translation>
    </message>
    <message>
        <source>No E-Mail Address</source>
        <translation>Sem endereço de e-mail</translation>
    </message>
</context>
<context>
    <name>pw::members::PicturePanel</name>
    <message>
        <source>The file &quot;%1&quot; has no usable file type (such as .jpg) at the end of its name, so it cannot be stored as a picture.</source>
        <translation>O arquivo &quot;%1&quot; não tem um tipo de arquivo utilizável (como .jpg) no fim do nome, por isso não pode ser gravado como foto.</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Carregar foto</translation>
    </message>
</context>
<context>
    <name>pw::members::ProspectContactsPanel</name>
    <message>
        <source>You must have a prospect selected on the Contact Info Page before adding a new contact.</source>
        <translation>Você precisa ter um interessado selecionado na página Dados de contato antes de adicionar um novo contato.</translation>
    </message>
    <message>
        <source>No Prospect Selected</source>
        <translation>Nenhum interessado selecionado</translation>
    </message>
</context>
<context>
    <name>pw::members::ResponsibilityPanel</name>
    <message>
        <source>You must have a current member and responsibility selected.</source>
        <translation>Você precisa ter selecionado um membro atual e uma responsabilidade.</translation>
    </message>
    <message>
        <source>Required Info</source>
        <translation>Dados obrigatórios</translation>
    </message>
    <message>
        <source>Saved responsibility %1.</source>
        <translation>Responsabilidade %1 salva.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected Responsibility?</source>
        <translation>Tem certeza de que deseja remover a responsabilidade selecionada?</translation>
    </message>
    <message>
        <source>Remove Confirmation</source>
        <translation>Confirmar remoção</translation>
    </message>
    <message>
        <source>The list holds no responsibility with the chosen name, start and end date, so nothing was removed. Choose the row to remove in the list.</source>
        <translation>A lista não tem nenhuma responsabilidade com o nome e as datas de início e fim escolhidos, por isso nada foi removido. Escolha na lista a linha a remover.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
    </message>
    <message>
        <source>By removing the Deacon Responsibility from this member, you will remove it from all Member files as the assigned Deacon. Are you sure you wish to continue?</source>
        <translation>Ao remover a responsabilidade de diácono deste membro, você também o removerá como diácono designado de todos os cadastros de membros. Tem certeza de que deseja continuar?</translation>
    </message>
    <message>
        <source>Deacon Removal</source>
        <translation>Remoção de diácono</translation>
    </message>
    <message>
        <source>Removed responsibility %1.</source>
        <translation>Responsabilidade %1 removida.</translation>
    </message>
    <message>
        <source>The responsibility was removed as the list showed it. Another workstation added the same responsibility with the same dates meanwhile; that one was kept and is shown in the list.</source>
        <translation>A responsabilidade foi removida como a lista a mostrava. Enquanto isso, outra estação de trabalho adicionou a mesma responsabilidade com as mesmas datas; essa foi mantida e aparece na lista.</translation>
    </message>
    <message>
        <source>The responsibilities of this person were changed at another workstation after the list was shown, so nothing was removed.

The list now shows them as they are; check it and try again.</source>
        <translation>As responsabilidades desta pessoa foram alteradas em outra estação de trabalho depois que a lista foi exibida, por isso nada foi removido.

A lista agora as mostra como estão; confira e tente novamente.</translation>
    </message>
</context>
<context>
    <name>pw::members::frmMemberEntry</name>
    <message>
        <source>Family Info</source>
        <translation>Dados da família</translation>
    </message>
    <message>
        <source>Serving</source>
        <translation>Serviço</translation>
    </message>
    <message>
        <source>Giving</source>
        <translation>Contribuições</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Member Entry/Edit</source>
        <translation>Cadastro/edição de membros</translation>
    </message>
    <message>
        <source>The person with ID %1 no longer exists.</source>
        <translation>A pessoa com ID %1 não existe mais.</translation>
    </message>
    <message>
        <source>All fields in blue are required.</source>
        <translation>Todos os campos em azul são obrigatórios.</translation>
    </message>
    <message>
        <source>Required Fields</source>
        <translation>Campos obrigatórios</translation>
    </message>
    <message>
        <source>Choose the new family member&apos;s &quot;Relationship&quot; to the head of household in the Family Members frame.</source>
        <translation>Escolha o &quot;Parentesco&quot; do novo familiar com o chefe da família no quadro Membros da família.</translation>
    </message>
    <message>
        <source>Required Info</source>
        <translation>Dados obrigatórios</translation>
    </message>
    <message>
        <source>The head of household this person was to join no longer exists, so the person was not saved.</source>
        <translation>O chefe da família ao qual esta pessoa seria ligada não existe mais, por isso a pessoa não foi salva.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
    </message>
    <message>
        <source>The person was saved, but the picture was not stored in the picture folder &quot;%1&quot;.

%2

Once that folder exists and can be written to, load the picture again and save.</source>
        <translation>A pessoa foi salva, mas a foto não foi gravada na pasta de fotos &quot;%1&quot;.

%2

Quando essa pasta existir e puder ser gravada, carregue a foto novamente e salve.</translation>
    </message>
    <message>
        <source>Show a member of the household first: New Family Member starts a person of the household on screen.</source>
        <translation>Mostre primeiro um membro da família: Novo familiar começa uma pessoa da família que está na tela.</translation>
    </message>
    <message>
        <source>%1 is not a head of household and no head of household lists this person. Open the head of household, or tick &quot;Head of Household&quot; and save first.</source>
        <translation>%1 não é chefe de família e nenhum chefe de família lista esta pessoa. Abra o chefe da família, ou marque &quot;Chefe da família&quot; e salve primeiro.</translation>
    </message>
    <message>
        <source>%1 is listed by more than one head of household. Open the head of household whose household the new person joins.</source>
        <translation>%1 está listado por mais de um chefe de família. Abra o chefe da família à qual a nova pessoa vai pertencer.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
    </message>
    <message>
        <source>New family member of %1.</source>
        <translation>Novo familiar de %1.</translation>
    </message>
    <message>
        <source>Choose the person to delete first.</source>
        <translation>Escolha primeiro a pessoa a excluir.</translation>
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
        <translation>Manter: %1</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Remove: %1</source>
        <translation>Remover: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>merge people</source>
        <translation>mesclar pessoas</translation>
    </message>
    <message>
        <source>Choose two different people: the one to keep and the one to merge in and remove.</source>
        <translation>Escolha duas pessoas diferentes: a que será mantida e a que será mesclada e removida.</translation>
    </message>
    <message>
        <source>Required Info</source>
        <translation>Dados obrigatórios</translation>
    </message>
    <message>
        <source>Merge %1 into %2?

Everything that points at ID %3 (family links, responsibilities, contacts, classes, groups, user account) moves to ID %4, the values chosen stay, and ID %3 is removed. This cannot be undone.</source>
        <translation>Mesclar %1 em %2?

Tudo o que aponta para o ID %3 (vínculos familiares, responsabilidades, contatos, turmas, grupos, conta de usuário) passa para o ID %4, os valores escolhidos ficam e o ID %3 é removido. Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>Merge People</source>
        <translation>Mesclar pessoas</translation>
    </message>
    <message>
        <source>Merged %1 into %2.</source>
        <translation>%1 mesclado em %2.</translation>
    </message>
</context>
<context>
    <name>pw::members::frmPossibleDuplicates</name>
    <message>
        <source>Open in &amp;Merge</source>
        <translation>Abrir em &amp;Mesclar</translation>
    </message>
    <message>
        <source>&amp;Not the Same Person</source>
        <translation>&amp;Não é a mesma pessoa</translation>
    </message>
    <message>
        <source>Possible Duplicates</source>
        <translation>Possíveis duplicados</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>People the duplicate rule takes for one person: the same name and birth date, the same e-mail, or the same phone and last name. Open a pair in Merge People to make the two records one, or mark it as two people so that it is not offered again.</source>
        <translation>Pessoas que a regra de duplicados considera uma só: mesmo nome e data de nascimento, mesmo e-mail, ou mesmo telefone e sobrenome. Abra um par em Mesclar pessoas para unir os dois cadastros, ou marque-o como duas pessoas para que não seja oferecido novamente.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Pessoa</translation>
    </message>
    <message>
        <source>Other ID</source>
        <translation>Outro ID</translation>
    </message>
    <message>
        <source>Other Person</source>
        <translation>Outra pessoa</translation>
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
        <translation>marcar pessoas como pessoas diferentes</translation>
    </message>
    <message>
        <source>Are %1 two different people?

The pair is then no longer offered as a possible duplicate.</source>
        <translation>%1 são duas pessoas diferentes?

O par deixa de ser oferecido como possível duplicado.</translation>
    </message>
    <message>
        <source>Marked %1 as two people.</source>
        <translation>%1 marcados como duas pessoas.</translation>
    </message>
</context>
<context>
    <name>pw::navigators::frmMemberNavigator</name>
    <message>
        <source>Contribution Statements...</source>
        <translation>Extratos de contribuições...</translation>
    </message>
    <message>
        <source>No people are listed.</source>
        <translation>Não há pessoas na lista.</translation>
    </message>
    <message>
        <source>Contribution Statements</source>
        <translation>Extratos de contribuições</translation>
    </message>
    <message>
        <source>Church Directory...</source>
        <translation>Diretório da igreja...</translation>
    </message>
    <message>
        <source>Church Directory</source>
        <translation>Diretório da igreja</translation>
    </message>
    <message>
        <source>Attendance</source>
        <translation>Frequência</translation>
    </message>
</context>
<context>
    <name>pw::navigators::frmStartPage</name>
    <message>
        <source>1 place empty</source>
        <translation>1 vaga em aberto</translation>
    </message>
    <message>
        <source>%1 places empty</source>
        <translation>%1 vagas em aberto</translation>
    </message>
    <message>
        <source>Birthday (%1)</source>
        <translation>Aniversário (%1)</translation>
    </message>
    <message>
        <source>Anniversary (1 year)</source>
        <translation>Aniversário de casamento (1 ano)</translation>
    </message>
    <message>
        <source>Anniversary (%1 years)</source>
        <translation>Aniversário de casamento (%1 anos)</translation>
    </message>
    <message>
        <source>The %1 longest overdue of %2 are shown; the Prospect Navigator lists them all.</source>
        <translation>São mostrados os %1 mais atrasados de %2; o Navegador de visitantes lista todos.</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponível</translation>
    </message>
</context>
<context>
    <name>pw::outreach::frmOutreachPhaseEntry</name>
    <message>
        <source>Outreach Phase Entry</source>
        <translation>Cadastro de fases de evangelismo</translation>
    </message>
    <message>
        <source>Choose the phase to remove in the list first.</source>
        <translation>Escolha primeiro na lista a fase a remover.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
    </message>
    <message>
        <source>%1 in the phase &quot;%2&quot;. After it is removed %3 that phase name, which no longer matches a phase, so the next contact with %4 starts again at the first phase.

Remove the phase &quot;%2&quot;?</source>
        <translation>%1 na fase &quot;%2&quot;. Depois que ela for removida, %3 esse nome de fase, que não corresponde mais a nenhuma fase, então o próximo contato com %4 recomeça na primeira fase.

Remover a fase &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>1 prospect is</source>
        <translation>1 interessado está</translation>
    </message>
    <message>
        <source>%1 prospects are</source>
        <translation>%1 interessados estão</translation>
    </message>
    <message>
        <source>that prospect keeps</source>
        <translation>esse interessado mantém</translation>
    </message>
    <message>
        <source>they keep</source>
        <translation>eles mantêm</translation>
    </message>
    <message>
        <source>that prospect</source>
        <translation>esse interessado</translation>
    </message>
    <message>
        <source>each of them</source>
        <translation>cada um deles</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the phase &quot;%1&quot;?</source>
        <translation>Tem certeza de que deseja remover a fase &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Remove Confirmation</source>
        <translation>Confirmar remoção</translation>
    </message>
    <message>
        <source>While you were editing the outreach phases, another user changed them at another workstation.

Keep their phases, keep yours, or cancel the save?</source>
        <translation>Enquanto você editava as fases de evangelismo, outro usuário as alterou em outra estação de trabalho.

Manter as fases dele, manter as suas ou cancelar o salvamento?</translation>
    </message>
    <message>
        <source>Saved the outreach phases.</source>
        <translation>As fases de evangelismo foram salvas.</translation>
    </message>
    <message>
        <source> 1 prospect moved with a renamed phase.</source>
        <translation> 1 interessado foi movido com uma fase renomeada.</translation>
    </message>
    <message>
        <source> %1 prospects moved with renamed phases.</source>
        <translation> %1 interessados foram movidos com fases renomeadas.</translation>
    </message>
</context>
<context>
    <name>pw::outreach::frmProspectContactEntry</name>
    <message>
        <source>Prospect Contact Entry/Edit</source>
        <translation>Cadastro/edição de contatos com interessados</translation>
    </message>
    <message>
        <source>The contact with ID %1 no longer exists, perhaps deleted on another workstation.</source>
        <translation>O contato com ID %1 não existe mais; talvez tenha sido excluído em outra estação de trabalho.</translation>
    </message>
    <message>
        <source>the contact with %1</source>
        <translation>o contato com %1</translation>
    </message>
    <message>
        <source>contact</source>
        <comment>what a conflict question is about</comment>
        <translation>contato</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
    </message>
</context>
<context>
    <name>pw::reports::ReportLauncher</name>
    <message>
        <source>&quot;%1&quot; is no longer in the database, perhaps removed at another workstation, so no sheet was made.</source>
        <translation>&quot;%1&quot; não está mais no banco de dados; talvez tenha sido removido em outra estação de trabalho, por isso nenhuma folha foi feita.</translation>
    </message>
    <message>
        <source>Prospect Visitation Sheet</source>
        <translation>Folha de visita ao visitante</translation>
    </message>
    <message>
        <source>Member Information Update Report</source>
        <translation>Relatório de atualização de dados de membros</translation>
    </message>
    <message>
        <source>member information update sheets</source>
        <translation>folhas de atualização de dados de membros</translation>
    </message>
    <message>
        <source>member information update sheet</source>
        <translation>folha de atualização de dados de membros</translation>
    </message>
    <message>
        <source>***All Head of Household***</source>
        <translation>***Todos os chefes de família***</translation>
    </message>
    <message>
        <source>***All Members &amp; Child of Members***</source>
        <translation>***Todos os membros e filhos de membros***</translation>
    </message>
    <message>
        <source>You must select a Prospect.</source>
        <translation>Você precisa selecionar um visitante.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
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
        <translation>Visualizador de relatórios</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Salvar como PDF...</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Primeira página</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <translation>Página anterior (Page Up)</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <translation>Próxima página (Page Down)</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar à largura</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar à página</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop laying out the rest of the list</source>
        <translation>Parar de montar o restante da lista</translation>
    </message>
    <message>
        <source>The first unused label on the sheet: 1 is top left, 3 top right, 4 the left label of the second row.</source>
        <translation>A primeira etiqueta não usada da folha: 1 é a do alto à esquerda, 3 a do alto à direita, 4 a etiqueta esquerda da segunda linha.</translation>
    </message>
    <message>
        <source>Start at &amp;label</source>
        <translation>Começar na &amp;etiqueta</translation>
    </message>
    <message>
        <source>Moves every label right (positive) or left (negative).</source>
        <translation>Move todas as etiquetas para a direita (positivo) ou para a esquerda (negativo).</translation>
    </message>
    <message>
        <source>Moves every label down (positive) or up (negative).</source>
        <translation>Move todas as etiquetas para baixo (positivo) ou para cima (negativo).</translation>
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
        <translation>%1 %2 de %3 pessoas</translation>
    </message>
    <message>
        <source>Laying out:</source>
        <translation>Montando:</translation>
    </message>
    <message>
        <source>Stopped:</source>
        <translation>Parado:</translation>
    </message>
</context>
<context>
    <name>pw::rosters::RosterPanel</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Culto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>Confirmado</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Take Off</source>
        <translation>&amp;Tirar</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>to</source>
        <comment>time away from one date to another</comment>
        <translation>até</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Would serve</source>
        <translation>Serviria</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Uma vez</translation>
    </message>
    <message>
        <source>Every month on this week and day</source>
        <translation>Todo mês nesta semana e dia</translation>
    </message>
    <message>
        <source>Every other week</source>
        <translation>A cada duas semanas</translation>
    </message>
    <message>
        <source>Coming Turns</source>
        <translation>Próximas escalas</translation>
    </message>
    <message>
        <source>Cannot Serve</source>
        <translation>Não pode servir</translation>
    </message>
    <message>
        <source>Would Serve</source>
        <translation>Serviria</translation>
    </message>
    <message>
        <source>Un&amp;confirm</source>
        <translation>Desco&amp;nfirmar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Choose the turn first.</source>
        <translation>Escolha a escala primeiro.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>Confirmed %1 for %2.</source>
        <translation>%1 confirmado(a) para %2.</translation>
    </message>
    <message>
        <source>%1 for %2 is no longer confirmed.</source>
        <translation>%1 para %2 não está mais confirmado(a).</translation>
    </message>
    <message>
        <source>Take %1 off the roster for %2 on %3?</source>
        <translation>Tirar %1 da escala de %2 em %3?</translation>
    </message>
    <message>
        <source>Serving</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Took %1 off the roster for %2 on %3.</source>
        <translation>%1 retirado(a) da escala de %2 em %3.</translation>
    </message>
    <message>
        <source>The time away ends on %1, before it starts on %2.</source>
        <translation>A ausência termina em %1, antes de começar em %2.</translation>
    </message>
    <message>
        <source>%1 cannot serve %2.</source>
        <translation>%1 não pode servir: %2.</translation>
    </message>
    <message>
        <source>Choose the time away to remove.</source>
        <translation>Escolha a ausência a remover.</translation>
    </message>
    <message>
        <source>Removed %1 from the times %2 cannot serve.</source>
        <translation>%1 removido das datas em que %2 não pode servir.</translation>
    </message>
    <message>
        <source>Cleared how often %1 would serve as %2.</source>
        <translation>Frequência com que %1 serviria como %2 apagada.</translation>
    </message>
    <message>
        <source>%1 would serve as %2: %3.</source>
        <translation>%1 serviria como %2: %3.</translation>
    </message>
</context>
<context>
    <name>pw::rosters::frmRosterPositions</name>
    <message>
        <source>&amp;Up</source>
        <translation>Su&amp;bir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Descer</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>R&amp;emover</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Roster Positions</source>
        <translation>Funções da escala</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Culto</translation>
    </message>
    <message>
        <source>Needed</source>
        <translation>Necessários</translation>
    </message>
    <message>
        <source>Responsibility</source>
        <translation>Responsabilidade</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Ativo</translation>
    </message>
    <message>
        <source>the roster positions</source>
        <translation>as funções da escala</translation>
    </message>
    <message>
        <source>(anyone)</source>
        <translation>(qualquer pessoa)</translation>
    </message>
    <message>
        <source>Choose the position to remove.</source>
        <translation>Escolha a função a remover.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
    </message>
    <message>
        <source>Every position needs a name.</source>
        <translation>Toda função precisa de um nome.</translation>
    </message>
    <message>
        <source>A position&apos;s name has at most 50 characters.</source>
        <translation>O nome de uma função tem no máximo 50 caracteres.</translation>
    </message>
    <message>
        <source>There are two positions named &quot;%1&quot; at the %2.</source>
        <translation>Há duas funções chamadas &quot;%1&quot; em %2.</translation>
    </message>
    <message>
        <source>Saved the roster positions.</source>
        <translation>Funções da escala salvas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has turns on the rosters, so it was made inactive instead of removed: past rosters keep its name.</source>
        <translation>&quot;%1&quot; tem escalas registradas, por isso foi desativada em vez de removida: as escalas anteriores mantêm o nome.</translation>
    </message>
</context>
<context>
    <name>pw::rosters::frmRosters</name>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Preencher</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>E-&amp;mail These People...</source>
        <translation>Enviar e-&amp;mail a estas pessoas...</translation>
    </message>
    <message>
        <source>Export to &amp;CSV...</source>
        <translation>Exportar para &amp;CSV...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>R&amp;emover</translation>
    </message>
    <message>
        <source>C&amp;onfirm</source>
        <translation>C&amp;onfirmar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation>Escalas</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Trimestre</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Culto</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>A partir de</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Vaga</translation>
    </message>
    <message>
        <source>Add person</source>
        <translation>Adicionar pessoa</translation>
    </message>
    <message>
        <source>the %1 roster %2</source>
        <translation>a escala de %1 %2</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>This service has no positions yet.</source>
        <translation>Este culto ainda não tem funções.</translation>
    </message>
    <message>
        <source>(person %1)</source>
        <translation>(pessoa %1)</translation>
    </message>
    <message>
        <source> (unavailable)</source>
        <translation> (indisponível)</translation>
    </message>
    <message>
        <source>Someone here cannot serve that day.</source>
        <translation>Alguém aqui não pode servir nesse dia.</translation>
    </message>
    <message>
        <source>Choose a place in the roster.</source>
        <translation>Escolha uma vaga na escala.</translation>
    </message>
    <message>
        <source>%1 on %2: %3 needed</source>
        <translation>%1 em %2: %3 necessário(s)</translation>
    </message>
    <message>
        <source> (serving that day)</source>
        <translation> (escalado(a) nesse dia)</translation>
    </message>
    <message>
        <source> (served %1)</source>
        <translation> (serviu em %1)</translation>
    </message>
    <message>
        <source>Un&amp;confirm</source>
        <translation>Desco&amp;nfirmar</translation>
    </message>
    <message>
        <source>Choose a place in the roster first.</source>
        <translation>Escolha uma vaga na escala primeiro.</translation>
    </message>
    <message>
        <source>Invalid Selection</source>
        <translation>Seleção inválida</translation>
    </message>
    <message>
        <source>Choose the person to add.</source>
        <translation>Escolha a pessoa a adicionar.</translation>
    </message>
    <message>
        <source>Choose the person to take off.</source>
        <translation>Escolha a pessoa a retirar.</translation>
    </message>
    <message>
        <source>Choose the person to confirm.</source>
        <translation>Escolha a pessoa a confirmar.</translation>
    </message>
    <message>
        <source>This service has no positions to fill.</source>
        <translation>Este culto não tem funções a preencher.</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>%1  %2: %3 left empty: not enough people can serve</source>
        <translation>%1  %2: %3 sem preencher: não há pessoas suficientes para servir</translation>
    </message>
    <message>
        <source>1 place</source>
        <translation>1 vaga</translation>
    </message>
    <message>
        <source>%1 places</source>
        <translation>%1 vagas</translation>
    </message>
    <message>
        <source>Every place of the roster %1 is filled already.</source>
        <translation>Todas as vagas da escala %1 já estão preenchidas.</translation>
    </message>
    <message>
        <source>Nobody can be proposed for the empty places:

</source>
        <translation>Ninguém pode ser proposto para as vagas livres:

</translation>
    </message>
    <message>
        <source>Add this turn to the roster?</source>
        <translation>Adicionar este turno à escala?</translation>
    </message>
    <message>
        <source>Add these %1 turns to the roster?</source>
        <translation>Adicionar estes %1 turnos à escala?</translation>
    </message>
    <message>
        <source>
... and %1 more; the roster shows every one before you save.</source>
        <translation>
... e mais %1; a escala mostra todos antes de salvar.</translation>
    </message>
    <message>
        <source>Added 1 proposed turn; Save keeps it.</source>
        <translation>1 turno proposto adicionado; Salvar o mantém.</translation>
    </message>
    <message>
        <source>Added %1 proposed turns; Save keeps them.</source>
        <translation>%1 turnos propostos adicionados; Salvar os mantém.</translation>
    </message>
    <message>
        <source>roster</source>
        <translation>escala</translation>
    </message>
    <message>
        <source>Saved the %1 roster %2.</source>
        <translation>Escala de %1 %2 salva.</translation>
    </message>
    <message>
        <source>Save the roster first: the printed roster, the e-mails and the CSV file show the roster as stored.</source>
        <translation>Salve a escala primeiro: a escala impressa, os e-mails e o arquivo CSV mostram a escala como está salva.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exportar para CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Não foi possível gravar o arquivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Exported the roster to %1.</source>
        <translation>Escala exportada para %1.</translation>
    </message>
</context>
</TS>
