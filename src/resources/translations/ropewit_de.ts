<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>The word in play</source>
        <translation>Das Wort im Spiel</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Gallows</source>
        <translation>Galgen</translation>
    </message>
    <message>
        <source>Shows one more part of the figure for each miss</source>
        <translation>Zeigt bei jedem Fehler einen weiteren Teil der Figur</translation>
    </message>
    <message>
        <source>Your misses still allowed</source>
        <translation>Ihre noch erlaubten Fehler</translation>
    </message>
    <message>
        <source>Word number</source>
        <translation>Wortnummer</translation>
    </message>
    <message>
        <source>Connection status</source>
        <translation>Verbindungsstatus</translation>
    </message>
    <message>
        <source>Your opponent&apos;s name</source>
        <translation>Name Ihres Gegners</translation>
    </message>
    <message>
        <source>Your opponent&apos;s used letters</source>
        <translation>Benutzte Buchstaben Ihres Gegners</translation>
    </message>
    <message>
        <source>Your opponent&apos;s misses still allowed</source>
        <translation>Noch erlaubte Fehler Ihres Gegners</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chatnachricht</translation>
    </message>
    <message>
        <source>Return sends it; Escape goes back to the board</source>
        <translation>Eingabe sendet sie; Escape führt zurück zum Spielfeld</translation>
    </message>
    <message>
        <source>What the game waits for</source>
        <translation>Worauf das Spiel wartet</translation>
    </message>
    <message>
        <source>No word in play</source>
        <translation>Kein Wort im Spiel</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1: %2 letters, %3 to find</source>
        <translation>%1: %2 Buchstaben, %3 zu finden</translation>
    </message>
    <message>
        <source>%1&apos;s score: %2</source>
        <translation>Punkte von %1: %2</translation>
    </message>
    <message>
        <source>not yet guessed</source>
        <translation>noch nicht geraten</translation>
    </message>
    <message>
        <source>not in the word</source>
        <translation>nicht im Wort</translation>
    </message>
    <message>
        <source>in the word</source>
        <translation>im Wort</translation>
    </message>
    <message>
        <source>Used letters: %1</source>
        <translation>Benutzte Buchstaben: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Letter %1 of %2: %3</source>
        <translation>Buchstabe %1 von %2: %3</translation>
    </message>
    <message>
        <source>%1 of %2 misses</source>
        <translation>%1 von %2 Fehlern</translation>
    </message>
    <message>
        <source>Word lost: %1.</source>
        <translation>Wort verloren: %1.</translation>
    </message>
    <message>
        <source>Word solved: %1.</source>
        <translation>Wort gelöst: %1.</translation>
    </message>
    <message>
        <source>%1 is in the word.</source>
        <translation>%1 ist im Wort.</translation>
    </message>
    <message>
        <source>%1 is not in the word, %2 guesses left.</source>
        <translation>%1 ist nicht im Wort, noch %2 Versuche.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Your opponent&apos;s word: %1</source>
        <translation>Wort Ihres Gegners: %1</translation>
    </message>
    <message>
        <source>Letters the players&apos; names start with</source>
        <translation>Anfangsbuchstaben der Spielernamen</translation>
    </message>
    <message>
        <source>Letter tile preview: %1</source>
        <translation>Vorschau der Buchstabenkachel: %1</translation>
    </message>
    <message>
        <source>Word tile preview: %1</source>
        <translation>Vorschau der Wortkachel: %1</translation>
    </message>
    <message>
        <source>Matchmaking server</source>
        <translation>Vermittlungsserver</translation>
    </message>
    <message>
        <source>Players waiting</source>
        <translation>Wartende Spieler</translation>
    </message>
    <message>
        <source>%1 is not in the word, 1 guess left.</source>
        <translation>%1 ist nicht im Wort, noch 1 Versuch.</translation>
    </message>
</context>
<context>
    <name>AddressScope</name>
    <message>
        <source>a public address</source>
        <translation>eine öffentliche Adresse</translation>
    </message>
    <message>
        <source>a private address</source>
        <translation>eine private Adresse</translation>
    </message>
    <message>
        <source>an address your provider shares between its customers</source>
        <translation>eine Adresse, die Ihr Anbieter unter seinen Kunden teilt</translation>
    </message>
    <message>
        <source>a local IPv6 address</source>
        <translation>eine lokale IPv6-Adresse</translation>
    </message>
    <message>
        <source>a link-local address</source>
        <translation>eine link-lokale Adresse</translation>
    </message>
    <message>
        <source>a loopback address</source>
        <translation>eine Loopback-Adresse</translation>
    </message>
    <message>
        <source>an address nobody can call</source>
        <translation>eine Adresse, die niemand anrufen kann</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>%1 Guesses Left</source>
        <translation>Noch %1 Versuche</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ropewit, the hangman word game.</source>
        <translation>Ropewit, das Galgenmännchen-Wortspiel.</translation>
    </message>
    <message>
        <source>Directory of the settings file ROPEWIT.INI (default: %1).</source>
        <translation>Verzeichnis der Einstellungsdatei ROPEWIT.INI (Vorgabe: %1).</translation>
    </message>
    <message>
        <source>TCP port for games between two players (default 52201).</source>
        <translation>TCP-Port für Spiele zu zweit (Vorgabe 52201).</translation>
    </message>
    <message>
        <source>Matchmaking server (default localhost:52202).</source>
        <translation>Server zur Spielersuche (Vorgabe localhost:52202).</translation>
    </message>
    <message>
        <source>Saves a picture of a game in progress to FILE (PNG) and exits.</source>
        <translation>Speichert ein Bild eines laufenden Spiels in FILE (PNG) und beendet sich.</translation>
    </message>
    <message>
        <source>Saves a picture of the Statistics window, with made-up figures, to FILE (PNG) and exits.</source>
        <translation>Speichert ein Bild des Statistikfensters mit erfundenen Zahlen in FILE (PNG) und beendet sich.</translation>
    </message>
    <message>
        <source>Saves a picture of the Statistics window after a word of the day, with made-up figures, to FILE (PNG) and exits.</source>
        <translation>Speichert ein Bild des Statistikfensters nach einem Wort des Tages mit erfundenen Zahlen in FILE (PNG) und beendet sich.</translation>
    </message>
    <message>
        <source>Ask the home router to forward the game port while waiting: off, discover, or the URL of the router&apos;s description (overrides ROPEWIT_ROUTER and the Options menu).</source>
        <translation>Den Heimrouter beim Warten bitten, den Spielport weiterzuleiten: off, discover oder die URL der Routerbeschreibung (hat Vorrang vor ROPEWIT_ROUTER und dem Menü Optionen).</translation>
    </message>
    <message>
        <source>Start the random generator from N, to deal the words in the same order again (0: the generator&apos;s own start; default: a new order every run).</source>
        <translation>Den Zufallsgenerator bei N beginnen lassen, um die Wörter wieder in derselben Reihenfolge zu geben (0: der eigene Start des Generators; Vorgabe: bei jedem Lauf eine neue Reihenfolge).</translation>
    </message>
    <message>
        <source>The window&apos;s language: de, es, fr, or en (also C) for English (overrides the system&apos;s and the Options menu).</source>
        <translation>Die Sprache des Fensters: de, es, fr oder en (auch C) für Englisch (hat Vorrang vor der des Systems und dem Menü Optionen).</translation>
    </message>
    <message>
        <source>The word list --screenshot plays, a file of the data folder (default %1).</source>
        <translation>Die Wortliste, die --screenshot spielt, eine Datei des Datenordners (Vorgabe: %1).</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <source>Short words (3-5 letters)</source>
        <translation>Kurze Wörter (3-5 Buchstaben)</translation>
    </message>
    <message>
        <source>Medium words (6-8 letters)</source>
        <translation>Mittellange Wörter (6-8 Buchstaben)</translation>
    </message>
    <message>
        <source>Long words (9 letters or more)</source>
        <translation>Lange Wörter (9 Buchstaben oder mehr)</translation>
    </message>
    <message>
        <source>Words of any length</source>
        <translation>Wörter jeder Länge</translation>
    </message>
</context>
<context>
    <name>GameController</name>
    <message>
        <source>The opponent&apos;s guess attempts of %1 were taken as %2: they must be from %3 to %4</source>
        <translation>Die Rateversuche des Gegners (%1) wurden als %2 übernommen: erlaubt sind %3 bis %4</translation>
    </message>
    <message>
        <source>The opponent&apos;s winning score of %1 was taken as %2: it must be from %3 to %4</source>
        <translation>Die Siegpunktzahl des Gegners (%1) wurde als %2 übernommen: erlaubt sind %3 bis %4</translation>
    </message>
    <message>
        <source>Waiting for opponent&apos;s score.</source>
        <translation>Warte auf die Punkte des Gegners.</translation>
    </message>
    <message>
        <source>Waiting for opponent to start</source>
        <translation>Warte auf den Start des Gegners</translation>
    </message>
    <message>
        <source>Waiting for opponent&apos;s word.</source>
        <translation>Warte auf das Wort des Gegners.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The help file could not be opened: </source>
        <translation>Die Hilfedatei konnte nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>The web site could not be opened: </source>
        <translation>Die Webseite konnte nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>About Ropewit</source>
        <translation>Über Ropewit</translation>
    </message>
    <message>
        <source>Ropewit %1

The Internet Hangman Game!

Guess the word before the figure is complete, alone or against an opponent over the network.</source>
        <translation>Ropewit %1

Das Galgenmännchen-Spiel im Internet!

Erraten Sie das Wort, bevor die Figur vollständig ist, allein oder gegen einen Gegner im Netzwerk.</translation>
    </message>
</context>
<context>
    <name>MatchClient</name>
    <message>
        <source>Matchmaking server: %1</source>
        <translation>Vermittlungsserver: %1</translation>
    </message>
    <message>
        <source>The server closed the connection unanswered</source>
        <translation>Der Server hat die Verbindung ohne Antwort geschlossen</translation>
    </message>
    <message>
        <source>No answer from the server in time</source>
        <translation>Keine rechtzeitige Antwort vom Server</translation>
    </message>
    <message>
        <source>Dropped what the server sent unasked</source>
        <translation>Unaufgefordert vom Server Gesendetes verworfen</translation>
    </message>
    <message>
        <source>Dropped an overlong message from the server</source>
        <translation>Überlange Nachricht vom Server verworfen</translation>
    </message>
    <message>
        <source>Dropped what the server sent after its reply</source>
        <translation>Nach seiner Antwort vom Server Gesendetes verworfen</translation>
    </message>
    <message>
        <source>Could not handle a message from the server</source>
        <translation>Eine Nachricht vom Server konnte nicht verarbeitet werden</translation>
    </message>
    <message>
        <source>Ignored a reply from the server that does not answer the request</source>
        <translation>Eine Antwort des Servers, die nicht zur Anfrage passt, wurde übergangen</translation>
    </message>
    <message>
        <source>The server sent more than a reply holds; closed</source>
        <translation>Der Server hat mehr gesendet, als eine Antwort enthält; Verbindung geschlossen</translation>
    </message>
    <message>
        <source>The server&apos;s list is full and no longer shows you as waiting</source>
        <translation>Die Liste des Servers ist voll und führt Sie nicht mehr als wartend</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Keine Verbindung zum Server möglich.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>No users are currently logged onto the server.</source>
        <translation>Zurzeit ist niemand am Server angemeldet.</translation>
    </message>
    <message>
        <source>The user list on the server is full.  Name not added.</source>
        <translation>Die Liste des Servers ist voll.  Der Name wurde nicht eingetragen.</translation>
    </message>
</context>
<context>
    <name>MessageChannel</name>
    <message>
        <source>Dropped an overlong message from %1</source>
        <translation>Überlange Nachricht von %1 verworfen</translation>
    </message>
    <message>
        <source>Could not handle a message from %1</source>
        <translation>Eine Nachricht von %1 konnte nicht verarbeitet werden</translation>
    </message>
</context>
<context>
    <name>NetworkSteps</name>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Waiting through the server&apos;s relay: callers reach you at %1</source>
        <translation>Warten über das Relais des Servers: Anrufer erreichen Sie unter %1</translation>
    </message>
    <message>
        <source>Registered again with the server.</source>
        <translation>Wieder beim Server angemeldet.</translation>
    </message>
    <message>
        <source>Registering again with the server at %1:%2.</source>
        <translation>Erneute Anmeldung beim Server unter %1:%2.</translation>
    </message>
    <message>
        <source>Callers can reach you at %1 through your router&apos;s port mapping.</source>
        <translation>Anrufer erreichen Sie unter %1 über die Portweiterleitung Ihres Routers.</translation>
    </message>
    <message>
        <source>Callers can reach you directly at %1.</source>
        <translation>Anrufer erreichen Sie direkt unter %1.</translation>
    </message>
    <message>
        <source>Callers cannot reach you at %1, and the server has no relay: turn on Options, Open Port On Router, forward port %2 to this computer, or use a server with a relay.</source>
        <translation>Anrufer erreichen Sie unter %1 nicht, und der Server hat kein Relais: Schalten Sie Optionen, Port am Router öffnen ein, leiten Sie Port %2 an diesen Computer weiter oder nehmen Sie einen Server mit Relais.</translation>
    </message>
    <message>
        <source>Callers cannot reach you at %1: you wait through the server&apos;s relay instead.</source>
        <translation>Anrufer erreichen Sie unter %1 nicht: Sie warten stattdessen über das Relais des Servers.</translation>
    </message>
    <message>
        <source>Attempting To Connect through the server&apos;s relay</source>
        <translation>Verbindungsversuch über das Relais des Servers</translation>
    </message>
    <message>
        <source>the address the server lists for you</source>
        <translation>der Adresse, die der Server für Sie zeigt</translation>
    </message>
</context>
<context>
    <name>OpponentList</name>
    <message>
        <source>Can&apos;t call this player: %1</source>
        <translation>Dieser Spieler kann nicht angerufen werden: %1</translation>
    </message>
    <message>
        <source>the server gave an address longer than %1 characters.</source>
        <translation>Der Server nannte eine Adresse mit mehr als %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>OpponentPanel</name>
    <message>
        <source>You are playing the same word--cannot reveal</source>
        <translation>Sie spielen dasselbe Wort -- keine Anzeige</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The new language is used the next time Ropewit starts.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Ropewit.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Word 1 of %1</source>
        <translation>Wort 1 von %1</translation>
    </message>
    <message>
        <source>This copy was started with --matchmaking-server %1: it asks that server until it is started without it.</source>
        <translation>Dieses Programm wurde mit --matchmaking-server %1 gestartet: Es fragt diesen Server, bis es ohne diese Option gestartet wird.</translation>
    </message>
</context>
<context>
    <name>OwnAddresses</name>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>Your IP Addresses are</source>
        <translation>Ihre IP-Adressen sind</translation>
    </message>
    <message>
        <source>Your IP Addresses is</source>
        <translation>Ihre IP-Adresse ist</translation>
    </message>
</context>
<context>
    <name>PeerAddress</name>
    <message>
        <source>a port is a number from 1 to 65535</source>
        <translation>ein Port ist eine Zahl von 1 bis 65535</translation>
    </message>
    <message>
        <source>There is no port after &apos;:&apos;; write one (%1) or leave out the &apos;:&apos;.</source>
        <translation>Nach &apos;:&apos; steht kein Port; geben Sie einen an (%1) oder lassen Sie &apos;:&apos; weg.</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not a number; %2.</source>
        <translation>Der Port &quot;%1&quot; ist keine Zahl; %2.</translation>
    </message>
    <message>
        <source>The port %1 is out of range; %2.</source>
        <translation>Der Port %1 liegt außerhalb des Bereichs; %2.</translation>
    </message>
    <message>
        <source>The address opens a bracket &apos;[&apos; but never closes it with &apos;]&apos;.</source>
        <translation>Die Adresse öffnet eine Klammer &apos;[&apos;, schließt sie aber nie mit &apos;]&apos;.</translation>
    </message>
    <message>
        <source>Only an IPv6 address goes in brackets, like [2001:db8::1]:52201.</source>
        <translation>Nur eine IPv6-Adresse steht in Klammern, etwa [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>After &apos;]&apos; only &apos;:&apos; and a port may follow, like [2001:db8::1]:52201.</source>
        <translation>Nach &apos;]&apos; dürfen nur &apos;:&apos; und ein Port folgen, etwa [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address as the game takes one: write four numbers from 0 to 255 separated by dots, without leading zeros, like 192.0.2.7.</source>
        <translation>&quot;%1&quot; ist keine IPv4-Adresse, wie das Spiel sie nimmt: Schreiben Sie vier Zahlen von 0 bis 255, durch Punkte getrennt, ohne führende Nullen, etwa 192.0.2.7.</translation>
    </message>
    <message>
        <source>%1 names no one computer; write the other player&apos;s address, or 127.0.0.1 for a copy on this computer.</source>
        <translation>%1 bezeichnet keinen einzelnen Rechner; schreiben Sie die Adresse des anderen Spielers oder 127.0.0.1 für eine Kopie auf diesem Rechner.</translation>
    </message>
    <message>
        <source>%1 is a multicast address, for a group rather than one player; write the other player&apos;s address.</source>
        <translation>%1 ist eine Multicast-Adresse, für eine Gruppe statt für einen Spieler; schreiben Sie die Adresse des anderen Spielers.</translation>
    </message>
    <message>
        <source>%1 is the broadcast address, for every computer on the network rather than one player; write the other player&apos;s address.</source>
        <translation>%1 ist die Broadcast-Adresse, für alle Rechner im Netz statt für einen Spieler; schreiben Sie die Adresse des anderen Spielers.</translation>
    </message>
    <message>
        <source>No address has been entered.</source>
        <translation>Es wurde keine Adresse eingegeben.</translation>
    </message>
    <message>
        <source>An address has at most %1 characters; this one has %2.</source>
        <translation>Eine Adresse hat höchstens %1 Zeichen; diese hat %2.</translation>
    </message>
    <message>
        <source>The address holds a control character.</source>
        <translation>Die Adresse enthält ein Steuerzeichen.</translation>
    </message>
    <message>
        <source>An address cannot contain blanks.</source>
        <translation>Eine Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A bracket &apos;[&apos; may only begin an IPv6 address, like [2001:db8::1]:52201.</source>
        <translation>Eine Klammer &apos;[&apos; darf nur eine IPv6-Adresse beginnen, etwa [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>The address closes a bracket &apos;]&apos; that it never opened.</source>
        <translation>Die Adresse schließt eine Klammer &apos;]&apos;, die sie nie geöffnet hat.</translation>
    </message>
    <message>
        <source>An IPv4 address has at most one &apos;:&apos;, before its port, like 192.0.2.7:52201.</source>
        <translation>Eine IPv4-Adresse hat höchstens ein &apos;:&apos;, vor ihrem Port, etwa 192.0.2.7:52201.</translation>
    </message>
    <message>
        <source>An IPv6 address with a port is written in brackets, like [2001:db8::1]:52201.</source>
        <translation>Eine IPv6-Adresse mit Port steht in Klammern, etwa [2001:db8::1]:52201.</translation>
    </message>
    <message>
        <source>The address has no host name or number before &apos;:&apos;.</source>
        <translation>Vor &apos;:&apos; steht kein Rechnername und keine Adresse.</translation>
    </message>
</context>
<context>
    <name>PeerConnection</name>
    <message>
        <source>Nobody answers at that address on port %1. The other player must be waiting for a call (or registered on the server) on that port.</source>
        <translation>Unter dieser Adresse antwortet niemand auf Port %1. Der andere Spieler muss auf diesem Port auf einen Anruf warten (oder beim Server angemeldet sein).</translation>
    </message>
    <message>
        <source>No answer from that address on port %1. The other player must be waiting for a call, and their router may not forward port %1 to their computer: they can turn on Options, Open Port On Router, or forward the port by hand.</source>
        <translation>Keine Antwort von dieser Adresse auf Port %1. Der andere Spieler muss auf einen Anruf warten, und sein Router leitet Port %1 vielleicht nicht an seinen Computer weiter: Er kann Optionen, Port am Router öffnen einschalten oder den Port von Hand weiterleiten.</translation>
    </message>
    <message>
        <source>The chosen player is waiting to play but cannot be reached from here on port %1: her router or firewall keeps calls out. She can turn on Options, Open Port On Router, forward port %1 to her computer by hand, or register on a matchmaking server with a relay.</source>
        <translation>Die gewählte Person wartet auf ein Spiel, ist von hier aus auf Port %1 aber nicht erreichbar: ihr Router oder ihre Firewall hält Anrufe fern. Die Person kann Optionen, Port am Router öffnen einschalten, Port %1 von Hand an ihren Computer weiterleiten oder sich bei einem Vermittlungsserver mit Relais anmelden.</translation>
    </message>
    <message>
        <source>the opponent</source>
        <comment>named after &quot;from&quot; in the connection log</comment>
        <translation>Ihrem Gegner</translation>
    </message>
    <message>
        <source>The opponent sends far more than any game does (%1 bytes waiting); what it sends is dropped unread until it leaves</source>
        <translation>Ihr Gegner sendet weit mehr als jedes Spiel (%1 Bytes warten); was er sendet, wird ungelesen verworfen, bis er geht</translation>
    </message>
    <message>
        <source>The opponent left %1 unread bytes behind, more than any game sends; they were dropped</source>
        <translation>Ihr Gegner hat %1 ungelesene Bytes hinterlassen, mehr als jedes Spiel sendet; sie wurden verworfen</translation>
    </message>
    <message>
        <source>Can&apos;t call &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht angerufen werden: %2</translation>
    </message>
</context>
<context>
    <name>PeerText</name>
    <message>
        <source>A connection has been made to an opponent!</source>
        <translation>Eine Verbindung zu einem Gegner steht!</translation>
    </message>
    <message>
        <source> You are %1.</source>
        <translation> Sie sind %1.</translation>
    </message>
    <message>
        <source> Your opponent is %1.</source>
        <translation> Ihr Gegner ist %1.</translation>
    </message>
    <message>
        <source>Game options have been synchronized as follows:</source>
        <translation>Die Spieloptionen wurden so abgeglichen:</translation>
    </message>
    <message>
        <source>  Word lengths will be equal</source>
        <translation>  Die Wörter sind gleich lang</translation>
    </message>
    <message>
        <source>  Player chooses word</source>
        <translation>  Der Spieler wählt das Wort</translation>
    </message>
    <message>
        <source>  Program chooses word</source>
        <translation>  Das Programm wählt das Wort</translation>
    </message>
    <message>
        <source>  Each player receives a different word</source>
        <translation>  Jeder Spieler bekommt ein anderes Wort</translation>
    </message>
    <message>
        <source>  Each player receives the same word</source>
        <translation>  Jeder Spieler bekommt dasselbe Wort</translation>
    </message>
    <message>
        <source>  %1 selects word list</source>
        <translation>  %1 wählt die Wortliste</translation>
    </message>
    <message>
        <source>  Winning Score is %1</source>
        <translation>  Punkte zum Sieg: %1</translation>
    </message>
    <message>
        <source>  Guess Attempts per word are %1</source>
        <translation>  Rateversuche je Wort: %1</translation>
    </message>
    <message>
        <source>  Hint mode is on.</source>
        <translation>  Hinweise sind an.</translation>
    </message>
    <message>
        <source>  Hint mode is off.</source>
        <translation>  Hinweise sind aus.</translation>
    </message>
    <message>
        <source>If you would like to make changes to any of these options,</source>
        <translation>Wenn Sie eine dieser Optionen ändern möchten,</translation>
    </message>
    <message>
        <source>then select &quot;Options&quot; from the menu and make your adjustments.</source>
        <translation>wählen Sie im Menü &quot;Optionen&quot; und passen Sie sie an.</translation>
    </message>
    <message>
        <source>After you are satisfied with the game options, click on the</source>
        <translation>Wenn die Spieloptionen passen, klicken Sie auf die</translation>
    </message>
    <message>
        <source>&quot;Start Game&quot; button to start the game.</source>
        <translation>Schaltfläche &quot;Spiel starten&quot;, um das Spiel zu beginnen.</translation>
    </message>
</context>
<context>
    <name>PortMapper</name>
    <message>
        <source>Your router did not show which address of this computer it sees; going on without forwarding port %1</source>
        <translation>Ihr Router hat nicht gezeigt, welche Adresse dieses Computers er sieht; es geht ohne Weiterleitung von Port %1 weiter</translation>
    </message>
    <message>
        <source>Port %1 on your router is taken by another computer%2; players on the internet may not reach you (choose another port with --peer-port, or free the port in the router&apos;s settings)</source>
        <translation>Port %1 Ihres Routers ist von einem anderen Computer belegt%2; Spieler im Internet erreichen Sie womöglich nicht (wählen Sie mit --peer-port einen anderen Port oder geben Sie den Port in den Einstellungen des Routers frei)</translation>
    </message>
    <message>
        <source>Your router stopped answering; going on without forwarding port %1</source>
        <translation>Ihr Router antwortet nicht mehr; es geht ohne Weiterleitung von Port %1 weiter</translation>
    </message>
    <message>
        <source>Your router refused to forward port %1 (error %2); if players on the internet cannot call you, forward the port by hand in the router&apos;s settings</source>
        <translation>Ihr Router hat die Weiterleitung von Port %1 abgelehnt (Fehler %2); falls Spieler im Internet Sie nicht anrufen können, leiten Sie den Port in den Einstellungen des Routers von Hand weiter</translation>
    </message>
    <message>
        <source>Your router now forwards port %1 to this computer</source>
        <translation>Ihr Router leitet Port %1 jetzt an diesen Computer weiter</translation>
    </message>
    <message>
        <source>; if players on the internet cannot call you, forward port %1 by hand in your router&apos;s settings</source>
        <translation>; falls Spieler im Internet Sie nicht anrufen können, leiten Sie Port %1 in den Einstellungen Ihres Routers von Hand weiter</translation>
    </message>
    <message>
        <source>No router answered at %1</source>
        <translation>Unter %1 hat kein Router geantwortet</translation>
    </message>
    <message>
        <source>No router answered the request to forward a port</source>
        <translation>Kein Router hat auf die Bitte um Portweiterleitung geantwortet</translation>
    </message>
    <message>
        <source>No router that forwards ports answered</source>
        <translation>Kein Router mit Portweiterleitung hat geantwortet</translation>
    </message>
    <message>
        <source>The router&apos;s description at %1 is larger than any router&apos;s (over %2 KiB) and was not read</source>
        <translation>Die Beschreibung des Routers unter %1 ist größer als die jedes Routers (über %2 KiB) und wurde nicht gelesen</translation>
    </message>
    <message>
        <source>The router at %1 is not on your local network and was not asked</source>
        <translation>Der Router unter %1 ist nicht in Ihrem lokalen Netz und wurde nicht gefragt</translation>
    </message>
    <message>
        <source>Your router&apos;s answer could not be understood</source>
        <translation>Die Antwort Ihres Routers war unverständlich</translation>
    </message>
    <message>
        <source>The router at %1 named a control address on another host or port, which was not used</source>
        <translation>Der Router unter %1 nannte eine Steueradresse auf einem anderen Rechner oder Port; sie wurde nicht benutzt</translation>
    </message>
    <message>
        <source>Port %1 on your router is taken by another computer (%2); players on the internet may not reach you</source>
        <translation>Port %1 Ihres Routers ist von einem anderen Computer belegt (%2); Spieler im Internet erreichen Sie womöglich nicht</translation>
    </message>
    <message>
        <source>Your router&apos;s answer could not be understood; going on without forwarding port %1</source>
        <translation>Die Antwort Ihres Routers war unverständlich; es geht ohne Weiterleitung von Port %1 weiter</translation>
    </message>
    <message>
        <source>Your router said yes but does not forward port %1; forward it by hand in the router&apos;s settings if players cannot call you</source>
        <translation>Ihr Router hat zugesagt, leitet Port %1 aber nicht weiter; leiten Sie ihn in den Einstellungen des Routers von Hand weiter, falls Spieler Sie nicht anrufen können</translation>
    </message>
    <message>
        <source>Players on the internet can call you at %1</source>
        <translation>Spieler im Internet können Sie unter %1 anrufen</translation>
    </message>
    <message>
        <source>Your router&apos;s own address %1 is %2, so players on the internet may still not reach you (another router or your provider sits in between)</source>
        <translation>Die eigene Adresse Ihres Routers, %1, ist %2; Spieler im Internet erreichen Sie daher womöglich trotzdem nicht (ein weiterer Router oder Ihr Anbieter liegt dazwischen)</translation>
    </message>
    <message>
        <source>Another computer has taken port %1 on your router; players on the internet may no longer reach you</source>
        <translation>Ein anderer Computer hat Port %1 Ihres Routers übernommen; Spieler im Internet erreichen Sie womöglich nicht mehr</translation>
    </message>
    <message>
        <source>Your router stopped answering; port %1 may no longer be forwarded to this computer</source>
        <translation>Ihr Router antwortet nicht mehr; Port %1 wird womöglich nicht mehr an diesen Computer weitergeleitet</translation>
    </message>
    <message>
        <source>Your router&apos;s answer could not be understood; port %1 may no longer be forwarded to this computer</source>
        <translation>Die Antwort Ihres Routers war unverständlich; Port %1 wird womöglich nicht mehr an diesen Computer weitergeleitet</translation>
    </message>
    <message>
        <source>Your router refused to keep forwarding port %1 (error %2); players on the internet may no longer reach you</source>
        <translation>Ihr Router hat die weitere Weiterleitung von Port %1 abgelehnt (Fehler %2); Spieler im Internet erreichen Sie womöglich nicht mehr</translation>
    </message>
    <message>
        <source>Your router no longer forwards port %1</source>
        <translation>Ihr Router leitet Port %1 nicht mehr weiter</translation>
    </message>
    <message>
        <source>Your router did not remove the forwarding of port %1; it ends by itself within %2 minutes</source>
        <translation>Ihr Router hat die Weiterleitung von Port %1 nicht entfernt; sie endet von selbst innerhalb von %2 Minuten</translation>
    </message>
    <message>
        <source>Your router did not remove the forwarding of port %1; remove it by hand in the router&apos;s settings</source>
        <translation>Ihr Router hat die Weiterleitung von Port %1 nicht entfernt; entfernen Sie sie in den Einstellungen des Routers von Hand</translation>
    </message>
    <message>
        <source>The router setting takes off, discover, or the http:// address of the router&apos;s description (at most %1 characters), not &quot;%2&quot;.</source>
        <translation>Die Router-Einstellung nimmt off, discover oder die http://-Adresse der Beschreibung des Routers (höchstens %1 Zeichen), nicht „%2“.</translation>
    </message>
    <message>
        <source>This computer waits at %1, a private address: players on the internet can call it only if your router forwards port %2 to it. Options, &quot;Open Port On Router&quot; asks the router to do that.</source>
        <translation>Dieser Computer wartet unter %1, einer privaten Adresse: Spieler im Internet können ihn nur anrufen, wenn Ihr Router Port %2 an ihn weiterleitet. Optionen, „Port am Router öffnen“ bittet den Router darum.</translation>
    </message>
</context>
<context>
    <name>RelayClient</name>
    <message>
        <source>The relay at %1 did not join the call in time: the player may have left.</source>
        <translation>Das Relais unter %1 hat den Anruf nicht rechtzeitig verbunden: Der Spieler ist vielleicht gegangen.</translation>
    </message>
    <message>
        <source>The server&apos;s relay closed your connection: callers can no longer reach you through it.</source>
        <translation>Das Relais des Servers hat Ihre Verbindung geschlossen: Anrufer erreichen Sie darüber nicht mehr.</translation>
    </message>
    <message>
        <source>The relay closed the call before the player answered: the player has left.</source>
        <translation>Das Relais hat den Anruf geschlossen, bevor der Spieler antwortete: Der Spieler ist gegangen.</translation>
    </message>
    <message>
        <source>The server&apos;s relay at %1 cannot be reached (it may be off): callers cannot reach you.</source>
        <translation>Das Relais des Servers unter %1 ist nicht erreichbar (es ist vielleicht aus): Anrufer erreichen Sie nicht.</translation>
    </message>
    <message>
        <source>The server&apos;s relay at %1 cannot be reached (it may be off): this player cannot be called.</source>
        <translation>Das Relais des Servers unter %1 ist nicht erreichbar (es ist vielleicht aus): Dieser Spieler kann nicht angerufen werden.</translation>
    </message>
    <message>
        <source>The player is already playing. Try later.</source>
        <translation>Der Spieler spielt bereits. Versuchen Sie es später.</translation>
    </message>
    <message>
        <source>The relay at %1 sent something that is no relay answer.</source>
        <translation>Das Relais unter %1 hat etwas gesendet, das keine Relais-Antwort ist.</translation>
    </message>
    <message>
        <source>The relay refused: %1</source>
        <translation>Das Relais hat abgelehnt: %1</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>%1 is the winner!</source>
        <translation>%1 hat gewonnen!</translation>
    </message>
    <message>
        <source>We have a tie!</source>
        <translation>Unentschieden!</translation>
    </message>
    <message>
        <source>%1 Score: %2</source>
        <translation>%1 Punkte: %2</translation>
    </message>
    <message>
        <source>Would you like to play this same opponent again?</source>
        <translation>Möchten Sie noch einmal gegen denselben Gegner spielen?</translation>
    </message>
</context>
<context>
    <name>SoloRecords</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has no words of the chosen length (%2). Its words of every length will be played.</source>
        <translation>Die Liste „%1“ hat keine Wörter der gewählten Länge (%2). Es werden ihre Wörter jeder Länge gespielt.</translation>
    </message>
    <message>
        <source>This game: %1 of %2 words solved, score %3.</source>
        <translation>Dieses Spiel: %1 von %2 Wörtern gelöst, %3 Punkte.</translation>
    </message>
    <message>
        <source>Word of the Day</source>
        <translation>Wort des Tages</translation>
    </message>
    <message>
        <source>Finish the game in progress first.</source>
        <translation>Beenden Sie zuerst das laufende Spiel.</translation>
    </message>
    <message>
        <source>You have had your try at the word of the day for %1. The next one comes tomorrow.</source>
        <translation>Sie haben das Wort des Tages für %1 schon versucht. Das nächste kommt morgen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The list of the words of the day, %1, could not be read.</source>
        <translation>Die Liste der Wörter des Tages, %1, konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>(Copied, ready to share.)</source>
        <translation>(Kopiert, bereit zum Teilen.)</translation>
    </message>
    <message>
        <source>Open List by Name</source>
        <translation>Liste nach Namen öffnen</translation>
    </message>
</context>
<context>
    <name>StartUpSettings</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>StatisticsStore</name>
    <message>
        <source>The statistics file %1 %2. It could not be moved aside either, so this game&apos;s results will not be saved.</source>
        <translation>Die Statistikdatei %1 %2. Sie konnte auch nicht beiseitegelegt werden, daher werden die Ergebnisse dieses Spiels nicht gespeichert.</translation>
    </message>
    <message>
        <source>The statistics file %1 %2. It was kept as %3, and the statistics start again from nothing.</source>
        <translation>Die Statistikdatei %1 %2. Sie wurde als %3 aufbewahrt, und die Statistik beginnt von vorn.</translation>
    </message>
    <message>
        <source>is far too large to hold statistics</source>
        <translation>ist viel zu groß für eine Statistik</translation>
    </message>
    <message>
        <source>could not be read (%1)</source>
        <translation>konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>ist beschädigt</translation>
    </message>
    <message>
        <source>was written by a newer version of Ropewit</source>
        <translation>wurde von einer neueren Version von Ropewit geschrieben</translation>
    </message>
    <message>
        <source>Some figures in the statistics file %1 were impossible and have been corrected.</source>
        <translation>Einige Werte in der Statistikdatei %1 waren unmöglich und wurden berichtigt.</translation>
    </message>
    <message>
        <source>The statistics could not be saved: the disk is full. The file keeps what it held before.</source>
        <translation>Die Statistik konnte nicht gespeichert werden: der Datenträger ist voll. Die Datei behält ihren bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>The statistics could not be saved to %1 (%2). The file keeps what it held before.</source>
        <translation>Die Statistik konnte nicht in %1 gespeichert werden (%2). Die Datei behält ihren bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>The statistics could not be saved: another copy of Ropewit keeps the file busy. They will be saved later.</source>
        <translation>Die Statistik konnte nicht gespeichert werden: eine andere Ropewit-Instanz belegt die Datei. Sie wird später gespeichert.</translation>
    </message>
</context>
<context>
    <name>TChooseList</name>
    <message>
        <source>Open List by Name</source>
        <translation>Liste nach Namen öffnen</translation>
    </message>
    <message>
        <source>Choose a word list to play alone:</source>
        <translation>Wählen Sie eine Wortliste zum Spielen allein:</translation>
    </message>
    <message>
        <source>Your own lists</source>
        <translation>Ihre eigenen Listen</translation>
    </message>
    <message>
        <source>%1 (%2 words)</source>
        <translation>%1 (%2 Wörter)</translation>
    </message>
</context>
<context>
    <name>TDoNewGame</name>
    <message>
        <source>New Player</source>
        <translation>Neuer Spieler</translation>
    </message>
    <message>
        <source>Would you like to</source>
        <translation>Möchten Sie</translation>
    </message>
    <message>
        <source>&amp;Play against the computer (solitaire)</source>
        <translation>&amp;Gegen den Computer spielen (allein)</translation>
    </message>
    <message>
        <source>Pl&amp;ay against an opponent over the Web</source>
        <translation>Gegen einen Gegner im &amp;Netz spielen</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>&amp;Enter your opponent&apos;s IP Address</source>
        <translation>IP-Adresse des Gegners &amp;eingeben</translation>
    </message>
    <message>
        <source>&amp;Wait for your opponent to enter your IP Address</source>
        <translation>&amp;Warten, bis der Gegner Ihre IP-Adresse eingibt</translation>
    </message>
    <message>
        <source>&amp;Log into our server and check for players</source>
        <translation>Am Server an&amp;melden und nach Spielern suchen</translation>
    </message>
    <message>
        <source>&amp;Register into our server and wait for a player</source>
        <translation>Am Server &amp;registrieren und auf einen Spieler warten</translation>
    </message>
    <message>
        <source>Enter your opponent&apos;s IP Address</source>
        <translation>IP-Adresse des Gegners eingeben</translation>
    </message>
    <message>
        <source>&amp;Obtain Longest Waiting Players</source>
        <translation>Am längsten wartende Spieler &amp;holen</translation>
    </message>
    <message>
        <source>O&amp;btain Players Starting With The Letters</source>
        <translation>Spieler holen, die &amp;beginnen mit den Buchstaben</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>It appears that you have not entered a user name for yourself yet. Would you like to do so now?</source>
        <translation>Sie haben anscheinend noch keinen Benutzernamen eingegeben. Möchten Sie das jetzt tun?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>This computer has no network address to register with the server.</source>
        <translation>Dieser Computer hat keine Netzwerkadresse, mit der er sich am Server registrieren kann.</translation>
    </message>
    <message>
        <source>No IP Address has been entered.</source>
        <translation>Es wurde keine IP-Adresse eingegeben.</translation>
    </message>
    <message>
        <source>You have multiple IP Addresses.  Is the correct IP Address %1?</source>
        <translation>Sie haben mehrere IP-Adressen.  Ist %1 die richtige IP-Adresse?</translation>
    </message>
</context>
<context>
    <name>TDoSounds</name>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>&amp;Use Sound Effects</source>
        <translation>Klangeffekte &amp;verwenden</translation>
    </message>
    <message>
        <source>Sounds When A Correct Letter Is Guessed</source>
        <translation>Klänge bei einem richtigen Buchstaben</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Word Complete Sound</source>
        <translation>Klang für gelöstes Wort</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Sounds When An Incorrect Letter Is Guessed</source>
        <translation>Klänge bei einem falschen Buchstaben</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>Word Missed Sound</source>
        <translation>Klang für verfehltes Wort</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>Durch&amp;suchen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Open Wave File</source>
        <translation>Wave-Datei öffnen</translation>
    </message>
    <message>
        <source>WAVE Files (*.WAV *.wav)</source>
        <translation>WAVE-Dateien (*.WAV *.wav)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No item selected for deletion.  Please correct.</source>
        <translation>Kein Eintrag zum Löschen ausgewählt.  Bitte korrigieren.</translation>
    </message>
</context>
<context>
    <name>TDoWordList</name>
    <message>
        <source>Create A Word List</source>
        <translation>Wortliste erstellen</translation>
    </message>
    <message>
        <source>Word List Title</source>
        <translation>Titel der Wortliste</translation>
    </message>
    <message>
        <source>Word To Add</source>
        <translation>Neues Wort</translation>
    </message>
    <message>
        <source>Clue For Word</source>
        <translation>Hinweis zum Wort</translation>
    </message>
    <message>
        <source>Words and Clues</source>
        <translation>Wörter und Hinweise</translation>
    </message>
    <message>
        <source>&amp;Add It</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>So&amp;rtieren</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No word has been entered.</source>
        <translation>Es wurde kein Wort eingegeben.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>

Add it anyway?</source>
        <translation>

Trotzdem hinzufügen?</translation>
    </message>
    <message>
        <source>No word has been highlighted for deletion.</source>
        <translation>Es ist kein Wort zum Löschen markiert.</translation>
    </message>
    <message>
        <source>No word has been highlighted for moving up.</source>
        <translation>Es ist kein Wort zum Verschieben nach oben markiert.</translation>
    </message>
    <message>
        <source>No word has been highlighted for moving down.</source>
        <translation>Es ist kein Wort zum Verschieben nach unten markiert.</translation>
    </message>
    <message>
        <source>Open a Word List</source>
        <translation>Wortliste öffnen</translation>
    </message>
    <message>
        <source>Text File (*.TXT *.txt)</source>
        <translation>Textdatei (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Save A Word List</source>
        <translation>Wortliste speichern</translation>
    </message>
    <message>
        <source>Text Files (*.TXT *.txt)</source>
        <translation>Textdateien (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>This word list has not been saved. Close the editor and lose the changes?</source>
        <translation>Diese Wortliste wurde nicht gespeichert. Editor schließen und die Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 characters, but a word may have at most %3: the game would leave it out.</source>
        <translation>&quot;%1&quot; hat %2 Zeichen, ein Wort darf aber höchstens %3 haben: Das Spiel würde es auslassen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, which no letter tile can guess: nobody could ever solve it.</source>
        <translation>&quot;%1&quot; enthält &quot;%2&quot;, das keine Buchstabenkachel erraten kann: Niemand könnte es je lösen.</translation>
    </message>
</context>
<context>
    <name>TGameOptions</name>
    <message>
        <source>Two Player Game Options</source>
        <translation>Optionen für zwei Spieler</translation>
    </message>
    <message>
        <source>&amp;Choose Opponent&apos;s Word</source>
        <translation>Wort des Gegners &amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Program Chooses Words</source>
        <translation>&amp;Programm wählt die Wörter</translation>
    </message>
    <message>
        <source>&amp;Each Player Gets Different Word</source>
        <translation>&amp;Jeder Spieler bekommt ein anderes Wort</translation>
    </message>
    <message>
        <source>E&amp;ach Player Gets Same Word</source>
        <translation>Jeder Spieler bekommt &amp;dasselbe Wort</translation>
    </message>
    <message>
        <source>E&amp;nsure Same Length Word Used</source>
        <translation>Gleiche Wort&amp;länge sicherstellen</translation>
    </message>
    <message>
        <source>&quot;&amp;Server&quot; Player Chooses Word List</source>
        <translation>„&amp;Server“-Spieler wählt die Wortliste</translation>
    </message>
    <message>
        <source>Winning Score Value:</source>
        <translation>Punkte zum Sieg:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Winning score value must be at least 10.</source>
        <translation>Die Punkte zum Sieg müssen mindestens 10 sein.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TGetTheWord</name>
    <message>
        <source>Enter Word</source>
        <translation>Wort eingeben</translation>
    </message>
    <message>
        <source>Enter a word for your opponent</source>
        <translation>Geben Sie ein Wort für Ihren Gegner ein</translation>
    </message>
    <message>
        <source>Enter a clue for your opponent</source>
        <translation>Geben Sie einen Hinweis für Ihren Gegner ein</translation>
    </message>
    <message>
        <source>Enter a %1 lettered word for your opponent</source>
        <translation>Geben Sie ein Wort mit %1 Buchstaben für Ihren Gegner ein</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No word entered.  Please correct</source>
        <translation>Kein Wort eingegeben.  Bitte korrigieren</translation>
    </message>
    <message>
        <source>Invalid length of word entered.  Please correct</source>
        <translation>Das Wort hat die falsche Länge.  Bitte korrigieren</translation>
    </message>
    <message>
        <source>An invalid character has be used in the word.  Please correct</source>
        <translation>Das Wort enthält ein ungültiges Zeichen.  Bitte korrigieren</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The letter %1 cannot be sent to your opponent.  Please correct</source>
        <translation>Der Buchstabe %1 kann nicht an Ihren Gegner gesendet werden.  Bitte korrigieren</translation>
    </message>
</context>
<context>
    <name>TGetYourName</name>
    <message>
        <source>User Name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Your User Name </source>
        <translation>Ihr Benutzername </translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TGuess</name>
    <message>
        <source>Guess Attemps</source>
        <translation>Rateversuche</translation>
    </message>
    <message>
        <source>Guess Attempts</source>
        <translation>Rateversuche</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Guesses should be between 1 and 20.  Please Correct.</source>
        <translation>Die Versuche müssen zwischen 1 und 20 liegen.  Bitte korrigieren.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TLetterLook2</name>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Alphabet</source>
        <translation>Alphabet</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <source>I&amp;mage</source>
        <translation>B&amp;ild</translation>
    </message>
    <message>
        <source>F&amp;ont</source>
        <translation>Sch&amp;rift</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>Background Bitmaps</source>
        <translation>Hintergrundbilder</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp *.BMP)</source>
        <translation>Bitmaps (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>High Contrast Look is on: the board shows these choices once it is turned off in the Options menu.</source>
        <translation>Hoher Kontrast ist an: Das Spielfeld zeigt diese Wahl, sobald er im Menü Optionen ausgeschaltet ist.</translation>
    </message>
    <message>
        <source>NOTICE: Most images will only appear correctly if you are using more than 256 colors.</source>
        <translation>HINWEIS: Die meisten Bilder erscheinen nur mit mehr als 256 Farben richtig.</translation>
    </message>
</context>
<context>
    <name>TMainWin</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>Ready To Start</source>
        <translation>Bereit zum Start</translation>
    </message>
    <message>
        <source>Sorry, you&apos;ve been hung.  Click for next word.</source>
        <translation>Schade, Sie wurden gehängt.  Klicken für das nächste Wort.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Word Completed Successfully! Click for next word</source>
        <translation>Wort erfolgreich gelöst! Klicken für das nächste Wort</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The connection to your opponent has been lost, so this game cannot go on.

Would you like to start a new game?</source>
        <translation>Die Verbindung zum Gegner ist verloren, dieses Spiel kann nicht weitergehen.

Möchten Sie ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New &amp;Player / Game</source>
        <translation>Neuer &amp;Spieler / Spiel</translation>
    </message>
    <message>
        <source>New &amp;Words</source>
        <translation>Neue &amp;Wörter</translation>
    </message>
    <message>
        <source>S&amp;kip Word</source>
        <translation>Wort ü&amp;berspringen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>User &amp;Name</source>
        <translation>Benutzer&amp;name</translation>
    </message>
    <message>
        <source>&amp;Two Player Game Options</source>
        <translation>Optionen für &amp;zwei Spieler</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Klangeffekte</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <translation>Sc&amp;hriften</translation>
    </message>
    <message>
        <source>&amp;Guess Attempts</source>
        <translation>Rate&amp;versuche</translation>
    </message>
    <message>
        <source>&amp;Uppercase Answer</source>
        <translation>Antwort in &amp;Großbuchstaben</translation>
    </message>
    <message>
        <source>Use &amp;Hints</source>
        <translation>H&amp;inweise verwenden</translation>
    </message>
    <message>
        <source>&amp;Scramble Word List When Loading</source>
        <translation>Wortliste beim Laden &amp;mischen</translation>
    </message>
    <message>
        <source>Open Port On &amp;Router</source>
        <translation>Port am &amp;Router öffnen</translation>
    </message>
    <message>
        <source>&amp;Matchmaking Server</source>
        <translation>Vermi&amp;ttlungsserver</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Display your IP Address</source>
        <translation>Eigene IP-Adresse &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Create A Word List</source>
        <translation>Wortliste &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Webseite</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Welcome To Ropewit</source>
        <translation>Willkommen bei Ropewit</translation>
    </message>
    <message>
        <source>The Internet Hangman Game!</source>
        <translation>Galgenmännchen im Internet!</translation>
    </message>
    <message>
        <source>&amp;Start New Game</source>
        <translation>Neues &amp;Spiel</translation>
    </message>
    <message>
        <source>Hint:</source>
        <translation>Tipp:</translation>
    </message>
    <message>
        <source>Used Letters</source>
        <translation>Schon geraten</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>Verbindungsstatus</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>Start &amp;Game</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <source>Word of the &amp;Day</source>
        <translation>Wort des &amp;Tages</translation>
    </message>
    <message>
        <source>Solo Word &amp;Length</source>
        <translation>Wort&amp;länge im Solospiel</translation>
    </message>
    <message>
        <source>High &amp;Contrast Look</source>
        <translation>Hoher Kontr&amp;ast</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>Play &amp;Word</source>
        <translation>&amp;Wort spielen</translation>
    </message>
    <message>
        <source>Open &amp;List by Name...</source>
        <translation>&amp;Liste nach Namen öffnen...</translation>
    </message>
    <message>
        <source>&amp;Accents Count as Base Letters</source>
        <translation>Akzente als Grund&amp;buchstaben werten</translation>
    </message>
</context>
<context>
    <name>TMatchServer</name>
    <message>
        <source>Matchmaking Server</source>
        <translation>Vermittlungsserver</translation>
    </message>
    <message>
        <source>The server both players use to find each other, as host or host:port (empty: localhost:52202).</source>
        <translation>Der Server, über den sich beide Spieler finden, als Host oder Host:Port (leer: localhost:52202).</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>All solo words</source>
        <translation>Alle Solowörter</translation>
    </message>
    <message>
        <source>List: %1</source>
        <translation>Liste: %1</translation>
    </message>
    <message>
        <source>Word of the day</source>
        <translation>Wort des Tages</translation>
    </message>
    <message>
        <source>Solved words by their misses:</source>
        <translation>Gelöste Wörter nach Fehlern:</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Zurücksetzen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Played: %1
Solved: %2
Lost: %3
Won: %4%
Current streak: %5 %6
Best streak: %7 %6
Average misses per solved word: %8
</source>
        <translation>Gespielt: %1
Gelöst: %2
Verloren: %3
Gewonnen: %4%
Aktuelle Serie: %5 %6
Beste Serie: %7 %6
Durchschnittliche Fehler je gelöstem Wort: %8
</translation>
    </message>
    <message>
        <source>Best solo score: %1
Time played: %2 h %3 min</source>
        <translation>Beste Solopunktzahl: %1
Spielzeit: %2 h %3 min</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Forget every result played so far, the word of the day&apos;s too? This cannot be undone.</source>
        <translation>Alle bisherigen Ergebnisse vergessen, auch die des Wortes des Tages? Das kann nicht rückgängig gemacht werden.</translation>
    </message>
</context>
<context>
    <name>TWebOpponent</name>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>The list below should list up to 10 users who are logged onto our server waiting for an oppenent.  Choose an oppenent and click on &quot;OK&quot;.</source>
        <translation>Die Liste unten zeigt bis zu 10 Spieler, die am Server angemeldet sind und auf einen Gegner warten.  Wählen Sie einen Gegner und klicken Sie auf „OK“.</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>Ab&amp;brechen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>WidgetPrompts</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>WindowWiring</name>
    <message>
        <source>More</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Word skipped.  Click for next word.</source>
        <translation>Wort übersprungen.  Klicken für das nächste Wort.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Leave the game against %1 and exit?</source>
        <translation>Das Spiel gegen %1 verlassen und beenden?</translation>
    </message>
</context>
<context>
    <name>WordListEditorModel</name>
    <message>
        <source>Disk read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>File is too large</source>
        <translation>Die Datei ist zu groß</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Schreibfehler</translation>
    </message>
</context>
<context>
    <name>WordListRequest</name>
    <message>
        <source>Open Text File of Words</source>
        <translation>Textdatei mit Wörtern öffnen</translation>
    </message>
    <message>
        <source>Text Files (*.TXT *.txt);;All Files (*)</source>
        <translation>Textdateien (*.TXT *.txt);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>WordSource</name>
    <message>
        <source>Word %1</source>
        <translation>Wort %1</translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation>Wort %1 von %2</translation>
    </message>
    <message>
        <source>The word list could not be read to its end: </source>
        <translation>Die Wortliste konnte nicht bis zum Ende gelesen werden: </translation>
    </message>
    <message>
        <source>1 word was left out: it holds a control character.</source>
        <translation>1 Wort wurde ausgelassen: Es enthält ein Steuerzeichen.</translation>
    </message>
    <message>
        <source>%1 words were left out: they hold control characters.</source>
        <translation>%1 Wörter wurden ausgelassen: Sie enthalten Steuerzeichen.</translation>
    </message>
    <message>
        <source>File could not be loaded.</source>
        <translation>Die Datei konnte nicht geladen werden.</translation>
    </message>
</context>
</TS>
